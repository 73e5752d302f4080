#!/usr/bin/env bash
# Makes the provisional title picture and start-up chime until the full artwork is drawn.
# Needs imagemagick and python3.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
/usr/bin/convert -size 600x120 gradient:'#0b2340-#16395e' \
    -font "$here/assets/fonts/blankenburg.ttf" -pointsize 78 -fill '#d1bfa5' \
    -gravity center -annotate +0+0 'Korvald' -quality 92 "$here/assets/pictures/TITLE2.jpg"
python3 - "$here/assets/sounds/XING.wav" <<'PY'
import math, struct, sys, wave
rate = 22050
frames = []
for i in range(int(rate * 1.2)):
    t = i / rate
    env = math.exp(-3.0 * t)
    v = env * (0.5 * math.sin(2 * math.pi * 660 * t) + 0.3 * math.sin(2 * math.pi * 990 * t)
               + 0.2 * math.sin(2 * math.pi * 1320 * t))
    frames.append(struct.pack('<h', int(v * 20000)))
with wave.open(sys.argv[1], 'wb') as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(rate)
    w.writeframes(b''.join(frames))
PY
