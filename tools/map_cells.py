#!/usr/bin/env python3
"""Arithmetic for tools/make_maps.sh (standard library only).

  map_cells.py box LON LAT WIDTH [SCALE]
      Prints W/E/S/N of a 4:3 spherical-Mercator box centred on LON/LAT that is WIDTH degrees
      of longitude wide (times SCALE, for the padded box the sea shading is computed over).

  map_cells.py write PICTURE.ppm NAME REGION SHARE MARKS LON LAT WIDTH OUT.map
      Reads the finished chart (1024 x 768, decoded to a binary PPM) and measures the land
      drawn in each of the 10 x 10 cells the way the map tests do: a pixel is land when it is
      redder than it is blue (sand, olive and the coast pen against the blues of the sea).
      Every cell holding at least SHARE of land becomes land, and so does a cell that a
      diagonal step would otherwise carry a ship across drawn land through. Picks the home
      position and writes the map file with CR LF line ends. MARKS lists "lon:lat" points
      (comma separated, or "-") that must fall in land cells: the place a map is named after.
      Prints one summary line; fails when the map breaks a rule (unless MAKE_MAPS_DRAFT is
      set, which writes the map anyway while boxes are being tried out).

  map_cells.py distance MASK.pgm SEA_REACH LAND_REACH SEA.pgm LAND.pgm
      Exact distance from the coast of every pixel of a mask, in the sea and on land, as
      16-bit greys: 0 on the coast, white SEA_REACH (LAND_REACH) pixels away and beyond.

  map_cells.py reef MASK.pgm RADIUS CLOSED.pgm
      For an atoll: closes the gaps of less than 2 x RADIUS pixels between the islets of a
      mask (black land), so that the islets of one rim join into a ring round their lagoon.
      Writes the closed shape as an 8-bit mask, white inside.
"""

import math
import os
import sys

WIDTH, HEIGHT = 1024, 768
CELLS = 10
CELL_W, CELL_H = WIDTH / CELLS, HEIGHT / CELLS
MAX_LAND = 18           # land cells a map may have
BAND_LAND = 5           # land cells a starting band may have (28 units need room in 40 cells)
SEA_CELL_LAND = 1 / 3   # a sea cell must show less land than this
SAILABLE_LAND = 0.15    # at most this part of the drawn land may lie in sea cells
# A diagonal step between two sea cells passes the corner they share. Its path near the corner
# is the strip CORNER_REACH pixels either way along the line between the two cell centres and
# CORNER_HALF_WIDTH pixels either side of it; less than CORNER_LAND of that strip may be land,
# or the ship would sail across an island drawn over the corner.
CORNER_REACH = 26
CORNER_HALF_WIDTH = 6
CORNER_LAND = 0.15
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


def read_netpbm(path, magic):
    """Width, height and pixel bytes of an 8-bit binary PGM (b"P5") or PPM (b"P6")."""
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    at += 1  # one white space byte ends the header; the pixels may start with any byte
    if fields[0] != magic or int(fields[3]) != 255:
        raise SystemExit(f"{path}: not an 8-bit binary {magic.decode()} file")
    w, h = int(fields[1]), int(fields[2])
    channels = 3 if magic == b"P6" else 1
    return w, h, data[at:at + w * h * channels]


def read_pgm(path, size=(WIDTH, HEIGHT)):
    """The pixels of an 8-bit binary PGM, row by row; size None takes any size."""
    w, h, pixels = read_netpbm(path, b"P5")
    if size is not None and (w, h) != size:
        raise SystemExit(f"{path}: {w}x{h}, expected {size[0]}x{size[1]}")
    return w, h, pixels


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


def read_ppm(path):
    """The land pixels of a 1024 x 768 8-bit binary PPM: 1 where red exceeds blue, else 0."""
    w, h, pixels = read_netpbm(path, b"P6")
    if (w, h) != (WIDTH, HEIGHT):
        raise SystemExit(f"{path}: {w}x{h}, expected {WIDTH}x{HEIGHT}")
    return bytes(1 if r > b else 0 for r, b in zip(pixels[0::3], pixels[2::3]))


def cell_edges(size, cells=CELLS):
    """First pixel of each cell along an axis (and the end): pixel p is in cell p * 10 // size."""
    return [-(-i * size // cells) for i in range(cells + 1)]


def land_shares(land):
    """Share of land pixels in each cell, indexed [column][row]."""
    xs, ys = cell_edges(WIDTH), cell_edges(HEIGHT)
    sums = [[0] * CELLS for _ in range(CELLS)]
    for r in range(CELLS):
        for y in range(ys[r], ys[r + 1]):
            line = land[y * WIDTH:(y + 1) * WIDTH]
            for c in range(CELLS):
                sums[c][r] += sum(line[xs[c]:xs[c + 1]])
    return [[sums[c][r] / ((xs[c + 1] - xs[c]) * (ys[r + 1] - ys[r])) for r in range(CELLS)]
            for c in range(CELLS)]


def corner_steps():
    """The diagonal steps across each inner corner: ((cell, cell), pixel indices of the strip
    the step passes near the corner). The line between two cell centres runs along (4, 3) or
    (4, -3); the sums are in tenths of a pixel so that every pixel falls the same side of the
    strip's edge here and in the tests."""
    steps = []
    for c in range(1, CELLS):
        for r in range(1, CELLS):
            cx, cy = c * WIDTH, r * HEIGHT  # the corner, in tenths of a pixel
            for down in (1, -1):
                cells = ((c - 1, r - 1), (c, r)) if down == 1 else ((c - 1, r), (c, r - 1))
                strip = []
                for y in range(int(r * CELL_H) - 40, int(r * CELL_H) + 41):
                    for x in range(int(c * CELL_W) - 40, int(c * CELL_W) + 41):
                        dx, dy = 10 * x + 5 - cx, 10 * y + 5 - cy
                        along = 8 * dx + 6 * down * dy
                        across = 6 * down * dx - 8 * dy
                        if abs(along) <= 100 * CORNER_REACH and abs(across) <= 100 * CORNER_HALF_WIDTH:
                            strip.append(y * WIDTH + x)
                steps.append((cells, strip))
    return steps


def choose_land(shares, land_pixels, share):
    """The cells with at least `share` of land, and a cell more for every diagonal step between
    two sea cells that would cross drawn land at their corner: of the two, the one with more
    land. Returns the land cells, the cells added that way, and every step's corner land."""
    land = {(c, r) for c in range(CELLS) for r in range(CELLS) if shares[c][r] >= share}
    corners = [(cells, sum(land_pixels[i] for i in strip) / len(strip))
               for cells, strip in corner_steps()]
    bridged = []
    changed = True
    while changed:
        changed = False
        for (a, b), corner in corners:
            if corner >= CORNER_LAND and a not in land and b not in land:
                cell = a if shares[a[0]][a[1]] >= shares[b[0]][b[1]] else b
                land.add(cell)
                bridged.append(cell)
                changed = True
    return land, bridged, corners


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
    picture, name, region, share, marks, lon, lat, width, out = args
    share = float(share)
    land_pixels = read_ppm(picture)
    shares = land_shares(land_pixels)
    land, bridged, corners = choose_land(shares, land_pixels, share)
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
    sea = [(shares[c][r], c, r) for c in range(CELLS) for r in range(CELLS) if (c, r) not in land]
    most, mc, mr = max(sea) if sea else (0.0, 0, 0)
    if most >= SEA_CELL_LAND:
        faults.append(f"sea cell {mc:02d}{mr:02d} shows {most:.2f} land")
    drawn = sum(map(sum, shares))
    sailable = sum(v for v, _, _ in sea) / drawn if drawn else 0.0
    if sailable > SAILABLE_LAND:
        faults.append(f"{sailable:.1%} of the drawn land lies in sea cells")
    crossing = max((v for (a, b), v in corners if a not in land and b not in land), default=0.0)
    lines = [
        "[ProjName] =" + name,
        "[Map]      =" + name + ".jpg",
        "[Position] =" + home,
        "[Location] =" + region,
    ]
    lines += [f"{c:02d}{r:02d}" for r in range(CELLS) for c in range(CELLS) if (c, r) in land]
    weakest = min((shares[c][r] for c, r in land), default=0.0)
    print(f"{name:12s} land {len(land):2d}  home {home}  bands {mine}/{theirs}  "
          f"sea cell {most:.2f} ({mc:02d}{mr:02d})  in sea {sailable:5.1%}  corner {crossing:.2f}  "
          f"weakest land {weakest:.2f}"
          + (f"  bridged {' '.join(f'{c:02d}{r:02d}' for c, r in bridged)}" if bridged else ""),
          flush=True)
    for fault in faults:
        print(f"{name}: {fault}", file=sys.stderr)
    if faults and not os.environ.get("MAKE_MAPS_DRAFT"):
        raise SystemExit(1)
    with open(out, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("ascii"))


def write_pgm8(path, w, h, values):
    with open(path, "wb") as f:
        f.write(f"P5\n{w} {h}\n255\n".encode("ascii") + bytes(255 if v else 0 for v in values))


def reef(args):
    mask, radius, closed_out = args
    radius = float(radius)
    w, h, pixels = read_pgm(mask, None)
    land = [v < 224 for v in pixels]  # at this scale a small islet is only a grey pixel
    # Grow the islets by the radius, then shrink the grown shape by as much.
    grown = [d <= radius for d in distance_to(land, w, h)]
    closed = [d > radius for d in distance_to([not v for v in grown], w, h)]
    write_pgm8(closed_out, w, h, closed)


def main(argv):
    if len(argv) >= 4 and argv[0] == "box":
        scale = float(argv[4]) if len(argv) > 4 else 1.0
        w, e, s, n = box(float(argv[1]), float(argv[2]), float(argv[3]), scale)
        print(f"{w:.6f}/{e:.6f}/{s:.6f}/{n:.6f}")
    elif len(argv) == 10 and argv[0] == "write":
        write(argv[1:])
    elif len(argv) == 6 and argv[0] == "distance":
        distance(argv[1:])
    elif len(argv) == 4 and argv[0] == "reef":
        reef(argv[1:])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
