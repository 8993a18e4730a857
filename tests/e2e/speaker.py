#!/usr/bin/env python3
"""A speaker for ALSA's file plugin: reads one WAV stream from standard input no faster than
it plays and appends it to the file named. The null device takes samples as fast as they
come, so without this Wine would hand a whole sound over in a fraction of its length, and a
sound stopped early would still be captured whole. The pipe is made as small as it goes
(one page), so what is captured runs ahead of what a listener hears by that much at most.

usage: speaker.py FILE   (as the plugin's  file "|exec python3 speaker.py FILE")
"""
import fcntl
import os
import select
import struct
import sys
import time

F_SETPIPE_SZ = 1031


def shrink_pipe():
    """True once the pipe holds one page; it cannot while it holds more."""
    try:
        fcntl.fcntl(0, F_SETPIPE_SZ, 4096)
        return True
    except OSError:
        return False


def main(path):
    small = shrink_pipe()
    hangup = select.poll()
    hangup.register(0, 0)  # hang-up is reported whatever is asked
    with open(path, "ab", buffering=0) as out:
        head = b""
        rate = None
        start = None
        taken = 0
        while True:
            chunk = os.read(0, 512)
            if not chunk:
                return 0
            out.write(chunk)
            if rate is None:
                head += chunk
                at = head.find(b"fmt ")
                if at >= 0 and len(head) >= at + 20:
                    rate = struct.unpack_from("<I", head, at + 16)[0]  # bytes per second
                    data = head.find(b"data", at)
                    taken = len(head) - (data + 8) if data >= 0 else 0
                    start = time.monotonic()
                continue
            taken += len(chunk)
            small = small or shrink_pipe()
            # Wait until the speaker has played what it took; once the device is closed,
            # the rest is the tail of a sound played to its end, or what a stop left behind.
            due = start + taken / rate - time.monotonic()
            if due > 0:
                hangup.poll(due * 1000)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
