#!/usr/bin/env python3
"""Reads back what ALSA's file plugin wrote in WAV format: one stream per opening of the
device (Wine opens it for every sound), each with its own header, and tells which of the
given WAVE files each stream holds and how much of it.

usage: capture.py [--last | --at N] CAPTURE NAME=FILE.wav ...   or   capture.py --count CAPTURE
prints one line a stream: index, format, then the sound it begins with (or "silence" or
"unknown"), the milliseconds of it heard, its length in milliseconds, "whole", "cut" or
"mixed" (something else follows it), and the milliseconds of silence the mixer put into it
where it fell behind; with --last only the line of the last stream, with --at N that of
stream N (none while there is no such stream); --count prints how many streams there are.
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
    """How much of ref the stream plays from its start: (samples of ref, where they end in
    the stream, samples of silence put between them), or None when it plays no part of it.
    At the same rate sample for sample, within one 8-bit step; a mixer that is late fills
    the gap with silence, and the sound goes on after it. Else window by window."""
    lead_s = next((i for i, v in enumerate(stream) if abs(v) > LOUD), None)
    lead_r = next((i for i, v in enumerate(ref) if abs(v) > LOUD), None)
    if lead_s is None or lead_r is None or lead_s < lead_r:
        return None
    pos = lead_s - lead_r
    if pos > len(stream) // 2 and pos > 4410:
        return None
    if exact:
        tol = 1.5 / 128
        i = gaps = 0
        while i < len(ref) and pos < len(stream):
            if abs(stream[pos] - ref[i]) <= tol:
                i += 1
                pos += 1
                continue
            run = pos
            while run < len(stream) and abs(stream[run]) < tol:
                run += 1
            if run == pos or run == len(stream) or abs(stream[run] - ref[i]) > tol:
                break
            gaps += run - pos
            pos = run
        return (i, pos, gaps) if i > lead_r else None
    count = min(len(ref), len(stream) - pos)
    for w in range(0, count, WINDOW):
        end = min(w + WINDOW, count)
        diffs = [stream[pos + i] - ref[i] for i in range(w, end)]
        if (sum(d * d for d in diffs) / len(diffs)) ** 0.5 > 0.1:
            count = w
            break
    # Past the window that failed, so that what follows is told apart.
    return (count, pos + count + WINDOW, 0) if count > lead_r else None


def main(argv):
    only = None  # the index of the one stream to tell, or -1 for the last
    if argv[:1] == ["--last"]:
        only, argv = -1, argv[1:]
    elif argv[:1] == ["--at"] and len(argv) > 1:
        only, argv = int(argv[1]), argv[2:]
    elif argv[:1] == ["--count"] and len(argv) > 1:
        # Only the headers are looked for, nothing decoded: cheap enough to poll.
        try:
            with open(argv[1], "rb") as f:
                blob = f.read()
        except OSError:
            blob = b""
        count, pos = 0, blob.find(SIGNATURE)
        while pos >= 8:
            count += blob[pos - 8:pos - 4] == b"RIFF"
            pos = blob.find(SIGNATURE, pos + 1)
        print(count)
        return 0
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 1
    refs = []
    for arg in argv[1:]:
        name, path = arg.split("=", 1)
        refs.append((name, read_wave(path)))
    streams = read_capture(argv[0])
    if only == -1:
        only = len(streams) - 1
    for n, (fmt, data) in enumerate(streams):
        if only is not None and n != only:
            continue
        tag, channels, rate, bits = fmt
        samples = decode(data, tag, bits, channels)
        form = "%s%d/%dch/%dHz" % ("f" if tag == 3 else "i", bits, channels, rate)
        if all(abs(v) <= LOUD for v in samples):
            print(n, form, "silence", len(samples) * 1000 // rate, 0, "-", 0)
            continue
        best = None
        for name, (rfmt, rsamples) in refs:
            ref = resample(rsamples, rfmt[2], rate)
            found = heard(samples, ref, rfmt[2] == rate)
            if found and (best is None or found[0] * len(best[1]) > best[2][0] * len(ref)):
                best = (name, ref, found)
        if best is None:
            print(n, form, "unknown", len(samples) * 1000 // rate, 0, "-", 0)
            continue
        name, ref, (count, end, gaps) = best
        state = "whole" if count >= len(ref) else "cut"
        # What follows the sound must be silence: the mixer's padding, nothing else.
        if any(abs(v) > LOUD for v in samples[end:]):
            state = "mixed"
        print(n, form, name, count * 1000 // rate, len(ref) * 1000 // rate, state, gaps * 1000 // rate)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
