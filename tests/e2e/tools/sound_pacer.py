"""Appends its standard input to a file no faster than the given bytes a second.

ALSA's file card hands its sound to this through a pipe; pacing it keeps the
captured file in step with the clock. After a pause the pace starts afresh
instead of catching up."""

import sys
import time

out = open(sys.argv[1], "ab", buffering=0)
rate = float(sys.argv[2])
start, total = time.monotonic(), 0
while True:
    chunk = sys.stdin.buffer.read1(4096)
    if not chunk:
        break
    out.write(chunk)
    total += len(chunk)
    now = time.monotonic()
    ahead = start + total / rate - now
    if ahead > 0:
        time.sleep(ahead)
    elif ahead < -0.05:
        start = now - total / rate
