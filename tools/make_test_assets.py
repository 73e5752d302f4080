#!/usr/bin/env python3
"""Writes the small pictures and sounds the platform tests embed (tests/testdata/assets/).

BMP and WAV are written byte by byte so their exact layout is known; the JPEGs are encoded by
ImageMagick's convert. The outputs are committed, so building and testing need none of this.

    python3 tools/make_test_assets.py [--convert /usr/bin/convert]
"""
import argparse
import math
import os
import struct
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TESTDATA = os.path.join(ROOT, "tests", "testdata")
ASSETS = os.path.join(TESTDATA, "assets")

# TESTSHIP.bmp: 40 x 20, 8 bits per pixel. The sea colour fills the background, so it is also
# the bottom-left pixel (the colour key); the ship uses three colours distinct from it.
SHIP_W, SHIP_H = 40, 20
SEA = (0, 128, 128)
HULL = (128, 128, 128)
DECK = (64, 64, 64)
FUNNEL = (200, 0, 0)
SHIP_PALETTE = [SEA, HULL, DECK, FUNNEL]


def ship_pixels():
    """Palette indices, top row first."""
    rows = []
    for y in range(SHIP_H):
        row = []
        for x in range(SHIP_W):
            index = 0
            if 10 <= y <= 15 and 4 + (y - 10) <= x <= 35 - (y - 10):  # hull, narrowing to the keel
                index = 1
            elif 5 <= y <= 9 and 14 <= x <= 27:  # superstructure
                index = 2
            if 1 <= y <= 4 and 19 <= x <= 22:  # funnel
                index = 3
            row.append(index)
        rows.append(row)
    return rows


def write_bmp8(path, rows, palette):
    height, width = len(rows), len(rows[0])
    stride = (width + 3) & ~3
    colours = len(palette)
    pixel_offset = 14 + 40 + 4 * colours
    image_size = stride * height
    out = bytearray()
    out += struct.pack("<2sIHHI", b"BM", pixel_offset + image_size, 0, 0, pixel_offset)
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, image_size, 2835, 2835,
                       colours, colours)
    for r, g, b in palette:
        out += struct.pack("<BBBB", b, g, r, 0)
    for row in reversed(rows):  # BMP rows run bottom-up
        out += bytes(row) + bytes(stride - width)
    with open(path, "wb") as f:
        f.write(out)


# TESTBEEP.wav: 16-bit mono PCM at 22050 Hz. 250 ms is 5512.5 samples; 5513 samples make
# 11026 data bytes, 250.02 ms at 44100 bytes per second.
BEEP_RATE = 22050
BEEP_SAMPLES = 5513


def write_wav(path):
    frames = bytearray()
    for i in range(BEEP_SAMPLES):
        # An 880 Hz tone with a short fade at both ends, so it does not click.
        fade = min(1.0, i / 200.0, (BEEP_SAMPLES - 1 - i) / 200.0)
        value = int(12000 * fade * math.sin(2 * math.pi * 880 * i / BEEP_RATE))
        frames += struct.pack("<h", value)
    fmt = struct.pack("<HHIIHH", 1, 1, BEEP_RATE, BEEP_RATE * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(frames)) + frames
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def run(convert, *args):
    subprocess.run([convert, *args], check=True)


def write_jpegs(convert):
    pictures = os.path.join(ASSETS, "pictures")
    testmap = os.path.join(pictures, "TESTMAP.jpg")
    # 62 x 46 in four flat quadrants: red, green / blue, white. The width makes rows of 186
    # bytes, so a decoder that ignores the padding of its picture rows shears the quadrants.
    # Full-resolution colour (1x1 sampling) keeps the quadrants flat up to their edges.
    run(convert,
        "(", "-size", "31x23", "xc:#FF0000", "xc:#00FF00", "+append", ")",
        "(", "-size", "31x23", "xc:#0000FF", "xc:#FFFFFF", "+append", ")",
        "-append", "-strip", "-quality", "95", "-sampling-factor", "1x1", testmap)

    # BROKEN.jpg: TESTMAP cut halfway through its scan data. The headers are whole, so the
    # decoder gets as far as the pixels before the stream runs out: the hardest case to notice.
    with open(testmap, "rb") as f:
        whole = f.read()
    scan = scan_data_start(whole)
    with open(os.path.join(pictures, "BROKEN.jpg"), "wb") as f:
        f.write(whole[: scan + (len(whole) - 2 - scan) // 2])

    # GRAYBANDS.jpg (read from disk, not embedded): a one-channel JPEG, 30 x 16, black left
    # half and white right half, for the greyscale path of the decoder.
    run(convert, "-size", "15x16", "xc:black", "xc:white", "+append", "-strip",
        "-colorspace", "Gray", "-type", "Grayscale", "-quality", "95",
        os.path.join(TESTDATA, "GRAYBANDS.jpg"))


def jpeg_segments(data):
    """(marker, offset, length) of each header segment up to and including the scan header."""
    i = 2
    while i + 4 <= len(data):
        marker, length = data[i + 1], struct.unpack(">H", data[i + 2:i + 4])[0]
        yield marker, i, length
        if marker == 0xDA:
            return
        i += 2 + length


def scan_data_start(data):
    for marker, offset, length in jpeg_segments(data):
        if marker == 0xDA:
            return offset + 2 + length
    sys.exit("no scan header")


def check_jpeg_components(path, expected):
    """Reads the component count from the frame header, so a wrong encoder setting is noticed."""
    with open(path, "rb") as f:
        data = f.read()
    for marker, offset, _ in jpeg_segments(data):
        if marker in (0xC0, 0xC1, 0xC2):
            components = data[offset + 9]
            if components != expected:
                sys.exit(f"{path}: {components} components, expected {expected}")
            return
    sys.exit(f"{path}: no frame header")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    # The first convert on PATH may not be ImageMagick's; name the real one.
    parser.add_argument("--convert", default="/usr/bin/convert")
    args = parser.parse_args()

    for sub in ("sprites", "pictures", "sounds"):
        os.makedirs(os.path.join(ASSETS, sub), exist_ok=True)
    write_bmp8(os.path.join(ASSETS, "sprites", "TESTSHIP.bmp"), ship_pixels(), SHIP_PALETTE)
    write_wav(os.path.join(ASSETS, "sounds", "TESTBEEP.wav"))
    write_jpegs(args.convert)
    check_jpeg_components(os.path.join(ASSETS, "pictures", "TESTMAP.jpg"), 3)
    check_jpeg_components(os.path.join(TESTDATA, "GRAYBANDS.jpg"), 1)


if __name__ == "__main__":
    main()
