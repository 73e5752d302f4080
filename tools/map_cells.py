#!/usr/bin/env python3
"""Arithmetic for tools/make_maps.sh (standard library only).

  map_cells.py box LON LAT WIDTH [SCALE]
      Prints W/E/S/N of a 4:3 spherical-Mercator box centred on LON/LAT that is WIDTH degrees
      of longitude wide (times SCALE, for the padded box the sea shading is computed over).

  map_cells.py write MASK.pgm NAME REGION SHARE MARKS LON LAT WIDTH OUT.map
      Reads a 1024 x 768 land mask (black land, white sea, anti-aliased), measures the land
      share of each of the 10 x 10 cells, marks every cell holding at least SHARE of land,
      picks the home position and writes the map file with CR LF line ends. MARKS lists
      "lon:lat" points (comma separated, or "-") that must fall in land cells: the place a
      map is named after. Prints one summary line; fails when the map breaks a rule (unless
      MAKE_MAPS_DRAFT is set, which writes the map anyway while boxes are being tried out).

  map_cells.py distance MASK.pgm SEA_REACH LAND_REACH SEA.pgm LAND.pgm
      Exact distance from the coast of every pixel of a mask, in the sea and on land, as
      16-bit greys: 0 on the coast, white SEA_REACH (LAND_REACH) pixels away and beyond.
"""

import math
import os
import sys

WIDTH, HEIGHT = 1024, 768
CELLS = 10
CELL_W, CELL_H = WIDTH / CELLS, HEIGHT / CELLS
MAX_LAND = 18           # land cells a map may have
BAND_LAND = 5           # land cells a starting band may have (28 units need room in 40 cells)
BANDS = {               # home letter -> (player's band, opponent's band), as (axis, first index)
    "L": (("col", 0), ("col", 6)),
    "R": (("col", 6), ("col", 0)),
    "T": (("row", 0), ("row", 6)),
    "B": (("row", 6), ("row", 0)),
}


def mercator_y(lat):
    return math.log(math.tan(math.pi / 4 + math.radians(lat) / 2))


def latitude(y):
    return math.degrees(2 * math.atan(math.exp(y)) - math.pi / 2)


def box(lon, lat, width, scale=1.0):
    """West, east, south, north of the box; its Mercator height is 3/4 of its width."""
    w = width * scale
    half_h = math.radians(w) * 0.75 / 2
    y = mercator_y(lat)
    return lon - w / 2, lon + w / 2, latitude(y - half_h), latitude(y + half_h)


def read_pgm(path, size=(WIDTH, HEIGHT)):
    """The pixels of an 8-bit binary PGM, row by row; size None takes any size."""
    data = open(path, "rb").read()
    magic, w, h, maxval, pixels = data.split(maxsplit=4)
    if magic != b"P5" or int(maxval) != 255:
        raise SystemExit(f"{path}: not an 8-bit binary PGM")
    w, h = int(w), int(h)
    if size is not None and (w, h) != size:
        raise SystemExit(f"{path}: {w}x{h}, expected {size[0]}x{size[1]}")
    return w, h, pixels[: w * h]


FAR = 1e12  # "no feature yet" in the distance transform


def squared_distance_1d(f):
    """Lower envelope of parabolas (Felzenszwalb and Huttenlocher): for every index q the least
    (q - p)^2 + f[p]."""
    n = len(f)
    v = [0] * n                # apexes of the parabolas on the envelope
    z = [0.0] * (n + 1)        # where each one takes over
    k = 0
    z[0], z[1] = -math.inf, math.inf
    for q in range(1, n):
        s = ((f[q] + q * q) - (f[v[k]] + v[k] * v[k])) / (2 * q - 2 * v[k])
        while s <= z[k]:
            k -= 1
            s = ((f[q] + q * q) - (f[v[k]] + v[k] * v[k])) / (2 * q - 2 * v[k])
        k += 1
        v[k] = q
        z[k] = s
        z[k + 1] = math.inf
    out = [0.0] * n
    k = 0
    for q in range(n):
        while z[k + 1] < q:
            k += 1
        out[q] = (q - v[k]) ** 2 + f[v[k]]
    return out


def distance_to(features, w, h):
    """Euclidean distance of every pixel to the nearest pixel where features is true."""
    grid = [[0.0 if features[y * w + x] else FAR for x in range(w)] for y in range(h)]
    columns = [squared_distance_1d([grid[y][x] for y in range(h)]) for x in range(w)]
    rows = [squared_distance_1d([columns[x][y] for x in range(w)]) for y in range(h)]
    return [math.sqrt(d) for row in rows for d in row]


def write_pgm16(path, w, h, values):
    body = bytearray()
    for v in values:
        g = int(round(max(0.0, min(1.0, v)) * 65535))
        body += bytes((g >> 8, g & 255))
    with open(path, "wb") as f:
        f.write(f"P5\n{w} {h}\n65535\n".encode("ascii") + bytes(body))


def distance(args):
    mask, sea_reach, land_reach, sea_out, land_out = args
    w, h, pixels = read_pgm(mask, None)
    land = [v < 128 for v in pixels]
    sea_d = distance_to(land, w, h)
    land_d = distance_to([not v for v in land], w, h)
    write_pgm16(sea_out, w, h, [d / float(sea_reach) for d in sea_d])
    write_pgm16(land_out, w, h, [d / float(land_reach) for d in land_d])


def land_shares(pixels):
    """Land share of each cell, indexed [column][row]; a pixel's darkness is its land share."""
    sums = [[0] * CELLS for _ in range(CELLS)]
    column_of = [min(CELLS - 1, int(x / CELL_W)) for x in range(WIDTH)]
    for y in range(HEIGHT):
        row = min(CELLS - 1, int(y / CELL_H))
        line = pixels[y * WIDTH:(y + 1) * WIDTH]
        for x, value in enumerate(line):
            if value < 255:
                sums[column_of[x]][row] += 255 - value
    full = CELL_W * CELL_H * 255
    return [[min(1.0, s / full) for s in col] for col in sums]


def band_cells(axis, first):
    for a in range(first, first + 4):
        for b in range(CELLS):
            yield (a, b) if axis == "col" else (b, a)


def band_land(land, band):
    return sum(1 for cell in band_cells(*band) if cell in land)


def choose_home(land):
    """The home letter whose two bands hold the least land (the fuller band first, then the
    total); on a tie the earlier of L, R, T, B."""
    best = None
    for letter, (mine, theirs) in BANDS.items():
        a, b = band_land(land, mine), band_land(land, theirs)
        score = (max(a, b), a + b)
        if best is None or score < best[0]:
            best = (score, letter, a, b)
    return best[1], best[2], best[3]


def cell_of(lon, lat, west, east, south, north):
    x = (lon - west) / (east - west) * WIDTH
    y = (mercator_y(north) - mercator_y(lat)) / (mercator_y(north) - mercator_y(south)) * HEIGHT
    if not (0 <= x < WIDTH and 0 <= y < HEIGHT):
        return None
    return int(x / CELL_W), int(y / CELL_H)


def write(args):
    mask, name, region, share, marks, lon, lat, width, out = args
    share = float(share)
    shares = land_shares(read_pgm(mask)[2])
    land = {(c, r) for c in range(CELLS) for r in range(CELLS) if shares[c][r] >= share}
    faults = []
    if region not in ("E", "A"):
        faults.append(f"region letter {region!r} is not E or A")
    if len(land) > MAX_LAND:
        faults.append(f"{len(land)} land cells, at most {MAX_LAND} allowed")
    west, east, south, north = box(float(lon), float(lat), float(width))
    if marks != "-":
        for mark in marks.split(","):
            mlon, mlat = (float(v) for v in mark.split(":"))
            cell = cell_of(mlon, mlat, west, east, south, north)
            if cell is None:
                faults.append(f"the mark {mark} is off the map")
            elif cell not in land:
                c, r = cell
                faults.append(f"the mark {mark} falls in sea cell {c:02d}{r:02d} "
                              f"(land share {shares[c][r]:.2f})")
    home, mine, theirs = choose_home(land)
    if max(mine, theirs) > BAND_LAND:
        faults.append(f"a starting band holds {max(mine, theirs)} land cells, "
                      f"at most {BAND_LAND} allowed")
    # Land drawn in cells that stay sea: the coast a ship may sail over.
    sailable = sum(shares[c][r] for c in range(CELLS) for r in range(CELLS)
                   if (c, r) not in land)
    lines = [
        "[ProjName] =" + name,
        "[Map]      =" + name + ".jpg",
        "[Position] =" + home,
        "[Location] =" + region,
    ]
    lines += [f"{c:02d}{r:02d}" for r in range(CELLS) for c in range(CELLS) if (c, r) in land]
    print(f"{name:12s} land {len(land):2d}  home {home}  bands {mine}/{theirs}  "
          f"sailable land {sailable:4.2f} cells", flush=True)
    for fault in faults:
        print(f"{name}: {fault}", file=sys.stderr)
    if faults and not os.environ.get("MAKE_MAPS_DRAFT"):
        raise SystemExit(1)
    with open(out, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


def main(argv):
    if len(argv) >= 4 and argv[0] == "box":
        scale = float(argv[4]) if len(argv) > 4 else 1.0
        w, e, s, n = box(float(argv[1]), float(argv[2]), float(argv[3]), scale)
        print(f"{w:.6f}/{e:.6f}/{s:.6f}/{n:.6f}")
    elif len(argv) == 10 and argv[0] == "write":
        write(argv[1:])
    elif len(argv) == 6 and argv[0] == "distance":
        distance(argv[1:])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
