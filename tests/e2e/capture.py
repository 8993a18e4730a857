#!/usr/bin/env python3
"""Reads back what ALSA's file plugin wrote in WAV format: one stream per opening of the
device (Wine opens it for every sound), each with its own header, and tells which of the
given WAVE files each stream holds and how much of it.

usage: capture.py [--last] CAPTURE NAME=FILE.wav ...
prints one line a stream: index, format, then the sound it begins with (or "silence" or
"unknown"), the milliseconds of it heard, its length in milliseconds, and "whole", "cut" or
"mixed" (something else follows it); with --last only the line of the last stream.
"""
import struct
import sys

SIGNATURE = b"WAVEfmt "


def decode(data, tag, bits, channels):
    """Samples of the first channel as floats in [-1, 1]."""
    width = bits // 8
    frame = width * channels
    count = len(data) // frame
    if tag == 3 and bits == 32:
        values = struct.unpack_from("<%df" % (count * channels), data)
        return [values[i * channels] for i in range(count)]
    if tag != 1:
        raise ValueError("format tag %d" % tag)
    if bits == 8:
        return [(data[i * frame] - 128) / 128.0 for i in range(count)]
    if bits == 16:
        values = struct.unpack_from("<%dh" % (count * channels), data)
        return [values[i * channels] / 32768.0 for i in range(count)]
    if bits == 32:
        values = struct.unpack_from("<%di" % (count * channels), data)
        return [values[i * channels] / 2147483648.0 for i in range(count)]
    if bits == 24:
        out = []
        for i in range(count):
            b = data[i * frame:i * frame + 3]
            out.append(int.from_bytes(b, "little", signed=True) / 8388608.0)
        return out
    raise ValueError("%d bits" % bits)


def parse_fmt(chunk):
    tag, channels, rate, _, _, bits = struct.unpack_from("<HHIIHH", chunk)
    if tag == 0xFFFE and len(chunk) >= 26:  # WAVE_FORMAT_EXTENSIBLE: the sub-format's tag
        tag = struct.unpack_from("<H", chunk, 24)[0]
    return tag, channels, rate, bits


def read_wave(path):
    """A WAVE file: (format, samples) from its fmt and data chunks."""
    with open(path, "rb") as f:
        blob = f.read()
    if blob[:4] != b"RIFF" or blob[8:12] != b"WAVE":
        raise ValueError("%s: no RIFF WAVE" % path)
    pos, fmt, data = 12, None, None
    while pos + 8 <= len(blob):
        cid, size = blob[pos:pos + 4], struct.unpack_from("<I", blob, pos + 4)[0]
        body = blob[pos + 8:pos + 8 + size]
        if cid == b"fmt ":
            fmt = parse_fmt(body)
        elif cid == b"data":
            data = body
        pos += 8 + size + (size & 1)
    if fmt is None or data is None:
        raise ValueError("%s: no fmt or data chunk" % path)
    return fmt, decode(data, fmt[0], fmt[3], fmt[1])


def read_capture(path):
    """The streams of a capture: (format, data) each. The plugin cannot go back to a pipe
    to fill in the sizes, so a stream runs up to the next header."""
    with open(path, "rb") as f:
        blob = f.read()
    starts = []
    pos = blob.find(SIGNATURE)
    while pos >= 8:
        if blob[pos - 8:pos - 4] == b"RIFF":
            starts.append(pos - 8)
        pos = blob.find(SIGNATURE, pos + 1)
    streams = []
    for n, start in enumerate(starts):
        end = starts[n + 1] if n + 1 < len(starts) else len(blob)
        fmt_size = struct.unpack_from("<I", blob, start + 16)[0]
        fmt = parse_fmt(blob[start + 20:start + 20 + fmt_size])
        data = start + 20 + fmt_size + 8  # after the data chunk's id and size
        body = blob[data:end]
        body = body[:len(body) - len(body) % (fmt[1] * fmt[3] // 8)]
        streams.append((fmt, body))
    return streams


def resample(samples, source, target):
    """Linear interpolation, as a mixer converting the rate does at the least."""
    if source == target:
        return samples
    n = int(len(samples) * target / source)
    out = []
    for i in range(n):
        x = i * source / target
        j = int(x)
        a = samples[j]
        b = samples[j + 1] if j + 1 < len(samples) else a
        out.append(a + (b - a) * (x - j))
    return out


LOUD = 0.05  # where a sound begins: the first sample above this
WINDOW = 64


def heard(stream, ref, exact):
    """How many samples of ref the stream plays from its start, sample for sample (within one
    8-bit step) when the rate is the same, else window by window; None when it does not."""
    lead_s = next((i for i, v in enumerate(stream) if abs(v) > LOUD), None)
    lead_r = next((i for i, v in enumerate(ref) if abs(v) > LOUD), None)
    if lead_s is None or lead_r is None or lead_s < lead_r:
        return None
    offset = lead_s - lead_r
    if offset > len(stream) // 2 and offset > 4410:
        return None
    tol = 1.5 / 128 if exact else 0.1
    count = min(len(ref), len(stream) - offset)
    for w in range(0, count, WINDOW):
        end = min(w + WINDOW, count)
        diffs = [stream[offset + i] - ref[i] for i in range(w, end)]
        if exact:
            bad = next((w + i for i, d in enumerate(diffs) if abs(d) > tol), None)
            if bad is not None:
                count = bad
                break
        elif (sum(d * d for d in diffs) / len(diffs)) ** 0.5 > tol:
            count = w
            break
    return count if count > lead_r else None


def main(argv):
    last = argv[:1] == ["--last"]
    if last:
        argv = argv[1:]
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 1
    refs = []
    for arg in argv[1:]:
        name, path = arg.split("=", 1)
        refs.append((name, read_wave(path)))
    streams = read_capture(argv[0])
    for n, (fmt, data) in enumerate(streams):
        if last and n != len(streams) - 1:
            continue
        tag, channels, rate, bits = fmt
        samples = decode(data, tag, bits, channels)
        form = "%s%d/%dch/%dHz" % ("f" if tag == 3 else "i", bits, channels, rate)
        if all(abs(v) <= LOUD for v in samples):
            print(n, form, "silence", len(samples) * 1000 // rate, 0, "-")
            continue
        best = None
        for name, (rfmt, rsamples) in refs:
            ref = resample(rsamples, rfmt[2], rate)
            exact = rfmt[2] == rate
            count = heard(samples, ref, exact)
            if count is not None and (best is None or count * len(best[2]) > best[1] * len(ref)):
                best = (name, count, ref, exact)
        if best is None:
            print(n, form, "unknown", len(samples) * 1000 // rate, 0, "-")
            continue
        name, count, ref, exact = best
        state = "whole" if count >= len(ref) else "cut"
        # What follows the sound must be silence: the mixer's padding, nothing else (past
        # the window that failed, when compared window by window).
        offset = next(i for i, v in enumerate(samples) if abs(v) > LOUD) - next(
            i for i, v in enumerate(ref) if abs(v) > LOUD)
        rest = offset + count + (0 if exact else WINDOW)
        if any(abs(v) > LOUD for v in samples[rest:]):
            state = "mixed"
        print(n, form, name, count * 1000 // rate, len(ref) * 1000 // rate, state)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
