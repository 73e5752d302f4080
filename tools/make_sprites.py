#!/usr/bin/env python3
"""Draws every built-in sprite of the game into assets/sprites/NAME.bmp.

    python3 tools/make_sprites.py [--out DIR] [--only NAME ...]

Standard library only: a small rasteriser (polygons, rectangles, ellipses, thick lines, pixel
shaders) and a BMP writer. The outputs are committed, so building needs none of this.

Conventions the game relies on:
  * Unit pictures are 291 x 118 and stretched into a board cell (about 100 x 60), so they are
    squeezed about 1.5 times more across than down: round things are drawn wide.
  * Transparent sprites leave out every pixel of the colour of the bottom-left pixel. Their
    background is pure magenta, which appears nowhere else, and shapes are drawn with hard edges
    so no pixel is a blend of the key and the picture.
  * Ships are side views, bow to the right, sea level near the bottom. The top-left 70 x 40 is
    kept clear: the opponent's ensign is stamped there on the first set.
"""
import argparse
import math
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KEY = (255, 0, 255)

# ---------------------------------------------------------------------------------------------
# Rasteriser


class Canvas:
    """A picture of RGB tuples. Coordinates are in output pixels; a pixel is covered when its
    centre lies inside a shape. With scale > 1 the picture is drawn that much finer and averaged
    down at the end (opaque pictures only, for smooth edges)."""

    def __init__(self, width, height, background, scale=1):
        self.width, self.height, self.scale = width, height, scale
        self.W, self.H = width * scale, height * scale
        self.background = background
        self.px = [[background] * self.W for _ in range(self.H)]

    def _span(self, Y, xa, xb, colour, only):
        row = self.px[Y]
        X0 = max(0, math.ceil(xa - 0.5))
        X1 = min(self.W - 1, math.ceil(xb - 0.5) - 1)
        for X in range(X0, X1 + 1):
            if only is None or row[X] in only:
                row[X] = colour

    def polygon(self, points, colour, only=None):
        """Fills a polygon (even-odd rule). `only`: a set of colours that may be painted over."""
        s = self.scale
        pts = [(x * s, y * s) for x, y in points]
        ys = [p[1] for p in pts]
        Y0 = max(0, math.floor(min(ys)))
        Y1 = min(self.H - 1, math.ceil(max(ys)))
        n = len(pts)
        for Y in range(Y0, Y1 + 1):
            cy = Y + 0.5
            xs = []
            for i in range(n):
                (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
                if (ay <= cy < by) or (by <= cy < ay):
                    xs.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for xa, xb in zip(xs[0::2], xs[1::2]):
                self._span(Y, xa, xb, colour, only)

    def rect(self, x0, y0, x1, y1, colour, only=None):
        """Covers x0 <= x < x1, y0 <= y < y1."""
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour, only)

    def line(self, x0, y0, x1, y1, width, colour, only=None):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny),
                      (x0 - nx, y0 - ny)], colour, only)

    def polyline(self, points, width, colour, only=None):
        for a, b in zip(points, points[1:]):
            self.line(a[0], a[1], b[0], b[1], width, colour, only)

    def shade(self, box, fn, only=None):
        """Calls fn(x, y) at every pixel centre in box (x0, y0, x1, y1); paints what it returns
        unless it returns None."""
        s = self.scale
        x0, y0, x1, y1 = box
        for Y in range(max(0, math.floor(y0 * s)), min(self.H, math.ceil(y1 * s))):
            row = self.px[Y]
            for X in range(max(0, math.floor(x0 * s)), min(self.W, math.ceil(x1 * s))):
                if only is not None and row[X] not in only:
                    continue
                colour = fn((X + 0.5) / s, (Y + 0.5) / s)
                if colour is not None:
                    row[X] = colour

    def ellipse(self, cx, cy, rx, ry, colour, only=None):
        self.shade((cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1),
                   lambda x, y: colour if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1
                   else None, only)

    def ring(self, cx, cy, r0, r1, colour, only=None):
        def fn(x, y):
            return colour if r0 <= math.hypot(x - cx, y - cy) <= r1 else None
        self.shade((cx - r1 - 1, cy - r1 - 1, cx + r1 + 1, cy + r1 + 1), fn, only)

    def top_edge(self, colour, only, thickness=1):
        """Paints the topmost `thickness` pixels of every column that are of the `only` colours
        (a lit deck edge along a hull, say)."""
        for X in range(self.W):
            for Y in range(self.H):
                if self.px[Y][X] in only:
                    for k in range(thickness * self.scale):
                        if Y + k < self.H and self.px[Y + k][X] in only:
                            self.px[Y + k][X] = colour
                    break

    def rows(self):
        """The finished picture, top row first, at output size."""
        s = self.scale
        if s == 1:
            return [list(row) for row in self.px]
        out = []
        n = s * s
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r = g = b = 0
                for Y in range(y * s, y * s + s):
                    for X in range(x * s, x * s + s):
                        c = self.px[Y][X]
                        r += c[0]
                        g += c[1]
                        b += c[2]
                row.append(((r + n // 2) // n, (g + n // 2) // n, (b + n // 2) // n))
            out.append(row)
        return out


# ---------------------------------------------------------------------------------------------
# BMP files


def write_bmp24(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    offset = 14 + 40
    size = stride * height
    out = bytearray(struct.pack("<2sIHHI", b"BM", offset + size, 0, 0, offset))
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, size, 2835, 2835, 0, 0)
    for row in reversed(rows):  # BMP rows run bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        out += line + bytes(stride - len(line))
    with open(path, "wb") as f:
        f.write(out)


def write_bmp8(path, rows):
    height, width = len(rows), len(rows[0])
    palette = []
    index = {}
    # The key colour (the bottom-left pixel) takes entry 0.
    for colour in [rows[-1][0]] + [c for row in rows for c in row]:
        if colour not in index:
            index[colour] = len(palette)
            palette.append(colour)
    if len(palette) > 256:
        raise ValueError(f"{path}: {len(palette)} colours do not fit an 8-bit palette")
    stride = (width + 3) & ~3
    offset = 14 + 40 + 4 * len(palette)
    size = stride * height
    out = bytearray(struct.pack("<2sIHHI", b"BM", offset + size, 0, 0, offset))
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, size, 2835, 2835,
                       len(palette), len(palette))
    for r, g, b in palette:
        out += struct.pack("<BBBB", b, g, r, 0)
    for row in reversed(rows):
        out += bytes(index[c] for c in row) + bytes(stride - width)
    with open(path, "wb") as f:
        f.write(out)


def check_keyed(name, rows):
    """A transparent sprite must have the key in its bottom-left pixel (that is what the game
    leaves out) and must not be a blank sheet of it."""
    if rows[-1][0] != KEY:
        raise ValueError(f"{name}: the bottom-left pixel is not the key colour")
    if all(c == KEY for row in rows for c in row):
        raise ValueError(f"{name}: nothing drawn")


# ---------------------------------------------------------------------------------------------
# Ships

W, H = 291, 118
WL = 103    # top of the boot-topping stripe: where the hull meets the sea
KEEL = 107  # the hull is cut off here; the rows below stay background


class Style:
    def __init__(self, **kw):
        self.__dict__.update(kw)

    def but(self, **kw):
        copy = Style(**self.__dict__)
        copy.__dict__.update(kw)
        return copy


# First set: pale naval grey, upright funnels and plumb stems.
NAVY = Style(
    dset=False,
    hull=(146, 152, 158), hull_low=(122, 128, 135), deck_edge=(188, 192, 196),
    sup=(182, 187, 192), sup_low=(154, 160, 166), sup_edge=(214, 217, 220),
    window=(34, 42, 52), funnel=(166, 171, 176), funnel_edge=(204, 208, 211),
    cap=(30, 30, 33), gun=(96, 101, 108), gun_edge=(136, 141, 147),
    gun_dark=(66, 70, 76), mast=(66, 70, 76), boot=(128, 40, 36), foam=(228, 238, 242),
    porthole=(56, 62, 70), plane=(70, 82, 100), dazzle=None)

# Second set: dark grey with dazzle camouflage, raked funnels, clipper bows, tower bridges.
DARK = Style(
    dset=True,
    hull=(96, 102, 110), hull_low=(82, 88, 96), deck_edge=(140, 146, 154),
    sup=(118, 124, 132), sup_low=(102, 108, 116), sup_edge=(158, 164, 170),
    window=(16, 20, 26), funnel=(110, 116, 124), funnel_edge=(142, 148, 156),
    cap=(18, 18, 20), gun=(74, 78, 86), gun_edge=(112, 117, 124),
    gun_dark=(50, 54, 60), mast=(50, 54, 60), boot=(58, 28, 30), foam=(222, 232, 236),
    porthole=(30, 34, 40), plane=(110, 114, 86),
    dazzle=((54, 60, 76), (172, 182, 192)))


def hull(c, st, x0, x1, deck, fc=None, poop=None, sheer=3, bow="plumb", stern="cruiser",
         portholes=False):
    """A hull from stern x0 to stem x1. fc: (x where the forecastle starts, its deck height);
    poop: (x where the poop ends, its deck height)."""
    top = []
    if poop:
        top += [(x0, poop[1]), (poop[0], poop[1]), (poop[0], deck)]
    else:
        top += [(x0, deck)]
    bow_deck = deck
    if fc:
        top += [(fc[0], deck), (fc[0], fc[1])]
        bow_deck = fc[1]
    rise_from = x1 - (x1 - x0) * 0.22
    if not fc or fc[0] < rise_from:
        top += [(rise_from, bow_deck)]
    stem_top = bow_deck - sheer
    if bow == "plumb":
        stem = [(x1, stem_top), (x1 - 3, WL), (x1 - 6, KEEL)]
    elif bow == "clipper":  # raked and flared
        stem = [(x1, stem_top), (x1 - 7, stem_top + (WL - stem_top) * 0.35),
                (x1 - 18, WL - 2), (x1 - 26, KEEL)]
    else:  # "raked": straight but leaning well forward
        stem = [(x1, stem_top), (x1 - 16, KEEL)]
    if stern == "cruiser":
        aft = [(x0 + 12, KEEL), (x0 + 4, WL - 1), (x0, WL - 6)]
    elif stern == "transom":
        aft = [(x0 + 5, KEEL), (x0 + 1, WL - 2)]
    else:  # "counter": an overhanging merchant stern
        aft = [(x0 + 16, KEEL), (x0 + 9, WL - 1), (x0 + 2, WL - 6)]
    c.polygon(top + stem + aft, st.hull)
    hull_colours = {st.hull}
    c.top_edge(st.deck_edge, hull_colours, 2)
    c.rect(x0 - 2, deck + (WL - deck) * 0.55, x1 + 2, WL, st.hull_low, only=hull_colours)
    if portholes:
        for x in range(int(x0) + 24, int(x1) - 24, 7):
            c.rect(x, deck + 4, x + 2, deck + 6, st.porthole,
                   only={st.hull, st.hull_low, st.deck_edge})
    c.rect(x0 - 2, WL, x1 + 2, KEEL, st.boot, only={st.hull, st.hull_low, st.deck_edge})
    # A bow wave and a little wake.
    stem_x = x1 - (26 if bow == "clipper" else 16 if bow == "raked" else 5)
    c.polygon([(stem_x - 22, KEEL + 1), (stem_x - 4, WL - 1), (stem_x + 2, WL - 2),
               (stem_x + 10, KEEL + 2)], st.foam, only={KEY})
    c.polygon([(x0 - 14, KEEL + 1), (x0 + 2, WL + 1), (x0 + 16, KEEL), (x0 + 10, KEEL + 2)],
              st.foam, only={KEY})


def block(c, st, x0, y0, x1, y1, windows=0, slope=0):
    """A deckhouse or bridge: lit top edge, darker foot, `windows` rows of ports. slope: how far
    the front face leans back."""
    c.polygon([(x0, y1), (x0, y0), (x1 - slope, y0), (x1, y1)], st.sup)
    c.rect(x0, y0, x1 - slope, y0 + 1, st.sup_edge)
    c.rect(x0, y1 - 2, x1, y1, st.sup_low, only={st.sup})
    for r in range(windows):
        y = y0 + 3 + r * 5
        if y + 2 > y1 - 2:
            break
        for x in range(int(x0) + 3, int(x1) - 3, 5):
            c.rect(x, y, x + 2, y + 2, st.window, only={st.sup, st.sup_edge})


def bridge_front(c, st, x0, y0, x1, y1):
    """A band of bridge windows across a deckhouse."""
    c.rect(x0, y0, x1, y1, st.window)


def funnel(c, st, x, base, top, w, rake=0, cap=3, bands=()):
    c.polygon([(x - w / 2, base), (x - w / 2 - rake, top), (x + w / 2 - rake, top),
               (x + w / 2, base)], st.funnel)
    c.polygon([(x - w / 2, base), (x - w / 2 - rake, top), (x - w / 2 - rake + 2, top),
               (x - w / 2 + 2, base)], st.funnel_edge, only={st.funnel})
    span = (x - w / 2 - rake - 2, x + w / 2 + 2)
    for y, h, colour in bands:
        c.rect(span[0], top + y, span[1], top + y + h, colour, only={st.funnel, st.funnel_edge})
    c.rect(span[0], top, span[1], top + cap, st.cap, only={st.funnel, st.funnel_edge})


def mast(c, st, x, base, top, w=2, yard=0, tripod=0, rake=0):
    c.line(x, base, x - rake, top, w, st.mast)
    if yard:
        y = top + 6
        c.line(x - rake - yard, y, x - rake + yard, y, 1.5, st.mast)
    if tripod:
        c.line(x + tripod, base, x - rake, top + (base - top) * 0.45, 1.5, st.mast)
        c.line(x - tripod, base, x - rake, top + (base - top) * 0.45, 1.5, st.mast)


def turret(c, st, cx, base, w, h, facing, barrel, bw=2, barbette=0, angular=None):
    """A gun turret on its barbette, barrels toward the bow (facing 1) or the stern (-1)."""
    if angular is None:
        angular = st.dset
    b = base - barbette
    if barbette:
        c.rect(cx - w * 0.32, b - 1, cx + w * 0.32, base, st.gun_dark)

    def at(px, py):
        return (cx + facing * px, py)

    muzzle = w / 2 + barrel
    y = b - h * 0.5
    c.line(*at(w / 2 - 3, y), *at(muzzle, y - 2), bw, st.gun_dark)
    if angular:
        body = [(-w / 2, 0), (-w / 2 + 3, -h), (w / 2 - 7, -h), (w / 2, -h * 0.45), (w / 2, 0)]
    else:
        body = [(-w / 2, 0), (-w / 2, -h + 3), (-w / 2 + 3, -h), (w / 2 - 4, -h),
                (w / 2, -h + 4), (w / 2, 0)]
    c.polygon([at(px, b + py) for px, py in body], st.gun)
    c.rect(cx - w / 2, b - h, cx + w / 2, b - h + 1, st.gun_edge, only={st.gun})


def gun(c, st, x, base, facing, barrel=10):
    """A small open gun behind a shield."""
    c.rect(x - 2, base - 5, x + 2, base, st.gun_dark)
    c.line(x, base - 6, x + facing * barrel, base - 8, 2, st.gun_dark)
    c.polygon([(x - 4 * facing, base - 4), (x - 3 * facing, base - 9), (x + 3 * facing, base - 9),
               (x + 4 * facing, base - 4)], st.gun)


def pagoda(c, st, x0, x1, base, top, levels):
    """A stepped tower bridge of the second set: stacked platforms, narrower upward."""
    height = (base - top) / levels
    for i in range(levels):
        inset = i * (x1 - x0) * 0.09
        y1 = base - i * height
        y0 = y1 - height + 1
        block(c, st, x0 + inset, y0, x1 - inset * 0.5, y1, windows=0, slope=2)
        c.rect(x0 + inset - 2, y0, x1 - inset * 0.5 + 2, y0 + 2, st.sup_edge)
        if i % 2 == 1:
            bridge_front(c, st, x1 - inset * 0.5 - 9, y0 + 3, x1 - inset * 0.5 - 2, y0 + 5)


def crane(c, st, x, base, top, tip_x, tip_y):
    c.line(x, base, x, top, 3, st.mast)
    c.line(x, base - 6, tip_x, tip_y, 2, st.mast)
    c.line(x, top, tip_x, tip_y, 1.2, st.mast)
    c.line(tip_x, tip_y, tip_x, tip_y + 12, 1.2, st.mast)


def plane_profile(c, st, x, base):
    """A small aircraft parked on a flight deck, nose to the right."""
    c.polygon([(x - 9, base - 3), (x + 8, base - 4), (x + 10, base - 2), (x + 8, base),
               (x - 9, base - 1)], st.plane)
    c.polygon([(x - 9, base - 1), (x - 9, base - 8), (x - 6, base - 3)], st.plane)
    c.rect(x + 1, base - 3, x + 5, base - 1, st.window)


def dazzle(c, st, x0, x1, seed):
    """Angular camouflage over hull and superstructure (second set only)."""
    if not st.dazzle:
        return
    dark, light = st.dazzle
    only_dark = {st.hull, st.hull_low, st.sup, st.sup_low}
    width = (x1 - x0) / 7
    for i in range(8):
        xa = x0 + i * width
        lean = (-1 if (i + seed) % 3 else 1) * (18 + 9 * ((i * 7 + seed) % 4))
        pts = [(xa, 0), (xa + width * 0.55, 0), (xa + width * 0.55 + lean, H),
               (xa + lean, H)]
        c.polygon(pts, dark if (i + seed) % 2 else light, only=only_dark)
    # A few triangles breaking up the bow and stern lines.
    c.polygon([(x1 - 40, WL), (x1 - 6, 40), (x1 - 4, WL)], light, only=only_dark)
    c.polygon([(x0, WL), (x0 + 30, WL), (x0 + 8, 50)], dark, only=only_dark)


def new_ship():
    return Canvas(W, H, KEY)


# --- the kinds -------------------------------------------------------------------------------


def draw_sub(c, st):
    d = st.dset
    x0, x1 = 16, 276
    if d:
        pts = [(x0, WL - 2), (x0 + 20, 94), (70, 92), (232, 92), (262, 91), (x1 + 2, 92),
               (x1 - 6, 99), (x1 - 14, KEEL), (x0 + 12, KEEL)]
    else:
        pts = [(x0, WL - 1), (x0 + 20, 93), (70, 91), (236, 91), (262, 94), (x1, 100),
               (x1 - 6, KEEL), (x0 + 10, KEEL)]
    c.polygon(pts, st.hull)
    c.top_edge(st.deck_edge, {st.hull}, 2)
    c.rect(0, 99, W, WL, st.hull_low, only={st.hull})
    c.rect(0, WL, W, KEEL, st.boot, only={st.hull, st.hull_low})
    if d:
        # A long stepped tower with an anti-aircraft platform behind it, gun aft.
        c.polygon([(100, 92), (104, 80), (114, 76), (146, 76), (146, 66), (164, 66),
                   (172, 74), (178, 92)], st.sup)
        c.rect(104, 76, 146, 77, st.sup_edge)
        c.rect(146, 66, 164, 67, st.sup_edge)
        c.rect(100, 89, 180, 92, st.sup_low, only={st.sup})
        c.line(156, 66, 156, 48, 2, st.mast)
        c.line(150, 66, 150, 54, 2, st.mast)
        c.rect(114, 72, 124, 76, st.gun_dark)
        c.line(120, 73, 132, 70, 2, st.gun_dark)
        gun(c, st, 80, 92, -1, 14)
        # Net cutter and jumping wire.
        c.polyline([(164, 66), (x1 - 4, 91)], 1.2, st.mast)
        c.polyline([(146, 72), (x0 + 8, 96)], 1.2, st.mast)
        for x in range(232, 268, 8):
            c.polygon([(x, 92), (x + 4, 87), (x + 6, 92)], st.mast)
    else:
        # A low rounded conning tower, periscopes, deck gun forward.
        c.polygon([(118, 92), (121, 76), (128, 71), (156, 71), (162, 76), (166, 92)], st.sup)
        c.rect(128, 71, 156, 72, st.sup_edge)
        c.rect(118, 89, 168, 92, st.sup_low, only={st.sup})
        c.line(136, 71, 136, 54, 2, st.mast)
        c.line(144, 71, 144, 59, 2, st.mast)
        gun(c, st, 196, 92, 1, 14)
        c.polyline([(150, 71), (x1 - 6, 93)], 1.2, st.mast)
        c.polyline([(130, 71), (x0 + 10, 96)], 1.2, st.mast)
    c.polygon([(x1 - 30, KEEL + 1), (x1 - 12, WL), (x1 + 2, WL), (x1 + 8, KEEL + 2)], st.foam,
              only={KEY})


def draw_corvette(c, st):
    """Short and stubby: a high forecastle running back to a fat funnel."""
    d = st.dset
    x0, x1 = 82, 216
    hull(c, st, x0, x1, 88, fc=(122, 80), sheer=6 if not d else 9,
         bow="clipper" if d else "plumb")
    if d:
        pagoda(c, st, 146, 176, 80, 56, 3)
        funnel(c, st, 130, 80, 56, 13, rake=7)
        mast(c, st, 158, 56, 32, tripod=6, yard=6)
        turret(c, st, 192, 80, 14, 8, 1, 12)
        gun(c, st, 104, 88, -1, 10)
    else:
        block(c, st, 144, 62, 170, 80, windows=1)
        bridge_front(c, st, 154, 62, 170, 65)
        funnel(c, st, 132, 80, 56, 14)
        mast(c, st, 176, 80, 36, yard=8)
        c.rect(186, 76, 198, 80, st.sup)
        gun(c, st, 194, 76, 1, 14)
        c.rect(98, 82, 110, 88, st.sup)
        gun(c, st, 104, 82, -1, 8)
    c.rect(86, 84, 94, 88, st.gun_dark)
    dazzle(c, st, x0, x1, 1)


def draw_frigate(c, st):
    d = st.dset
    x0, x1 = 44, 250
    hull(c, st, x0, x1, 86, sheer=7, bow="clipper" if d else "plumb", stern="transom")
    if d:
        pagoda(c, st, 166, 198, 86, 56, 3)
        funnel(c, st, 140, 86, 60, 12, rake=7)
        mast(c, st, 180, 56, 30, tripod=7, yard=7)
        turret(c, st, 224, 84, 16, 9, 1, 14)
        turret(c, st, 74, 86, 16, 9, -1, 14)
        block(c, st, 96, 76, 124, 86)
    else:
        block(c, st, 156, 64, 194, 86, windows=2)
        block(c, st, 164, 54, 190, 64)
        bridge_front(c, st, 174, 56, 190, 59)
        funnel(c, st, 134, 86, 58, 13)
        mast(c, st, 176, 54, 28, yard=9)
        turret(c, st, 218, 84, 14, 9, 1, 14)
        turret(c, st, 70, 86, 14, 9, -1, 14)
    dazzle(c, st, x0, x1, 2)


def draw_destroyer(c, st):
    d = st.dset
    x0, x1 = 22, 272
    hull(c, st, x0, x1, 88, fc=(168, 83), sheer=4 if not d else 6,
         bow="clipper" if d else "plumb", stern="transom")
    if d:
        pagoda(c, st, 170, 202, 83, 52, 3)
        funnel(c, st, 132, 88, 62, 10, rake=7)
        funnel(c, st, 152, 88, 62, 10, rake=7)
        mast(c, st, 182, 52, 26, tripod=7, yard=8)
        c.rect(100, 84, 122, 88, st.gun_dark)
        c.line(100, 84, 124, 84, 3, st.gun)
        turret(c, st, 226, 83, 18, 10, 1, 16)
        turret(c, st, 60, 88, 18, 10, -1, 16)
    else:
        block(c, st, 174, 64, 198, 83, windows=1)
        block(c, st, 178, 57, 194, 64)
        bridge_front(c, st, 182, 58, 194, 61)
        mast(c, st, 172, 57, 30, yard=9, tripod=5)
        funnel(c, st, 126, 88, 62, 10)
        funnel(c, st, 148, 88, 62, 10)
        c.rect(96, 84, 114, 88, st.gun_dark)
        c.line(96, 84, 116, 84, 3, st.gun)
        turret(c, st, 220, 83, 16, 10, 1, 16)
        turret(c, st, 56, 88, 16, 10, -1, 16)
    dazzle(c, st, x0, x1, 3)


def draw_light_cruiser(c, st):
    d = st.dset
    x0, x1 = 14, 278
    hull(c, st, x0, x1, 83, fc=(160, 78), sheer=4 if not d else 7,
         bow="clipper" if d else "plumb")
    if d:
        pagoda(c, st, 156, 190, 78, 40, 4)
        mast(c, st, 170, 40, 16, tripod=0, yard=8)
        funnel(c, st, 114, 83, 48, 12, rake=8)
        funnel(c, st, 136, 83, 48, 12, rake=8)
        block(c, st, 78, 66, 104, 83)
        mast(c, st, 92, 66, 38, rake=4, yard=6)
        turret(c, st, 230, 78, 22, 11, 1, 20)
        turret(c, st, 204, 78, 22, 11, 1, 20, barbette=7)
        turret(c, st, 54, 83, 22, 11, -1, 20)
    else:
        block(c, st, 154, 58, 184, 78, windows=2)
        block(c, st, 160, 48, 180, 58)
        bridge_front(c, st, 166, 50, 180, 53)
        mast(c, st, 168, 48, 20, yard=9, tripod=5)
        funnel(c, st, 114, 83, 50, 12)
        funnel(c, st, 134, 83, 50, 12)
        block(c, st, 72, 68, 98, 83, windows=1)
        mast(c, st, 86, 68, 36, yard=6)
        turret(c, st, 224, 78, 20, 11, 1, 20)
        turret(c, st, 200, 78, 20, 11, 1, 20, barbette=7)
        turret(c, st, 50, 83, 20, 11, -1, 20)
    dazzle(c, st, x0, x1, 4)


def draw_heavy_cruiser(c, st):
    d = st.dset
    x0, x1 = 8, 284
    hull(c, st, x0, x1, 80, fc=(164, 75), sheer=4 if not d else 8,
         bow="clipper" if d else "plumb")
    if d:
        pagoda(c, st, 156, 194, 75, 30, 5)
        mast(c, st, 172, 30, 8, yard=8)
        funnel(c, st, 124, 80, 44, 22, rake=12)
        c.line(100, 80, 112, 60, 2, st.mast)
        block(c, st, 80, 64, 104, 80)
        mast(c, st, 92, 64, 32, rake=5, yard=6)
        turret(c, st, 240, 75, 22, 12, 1, 22)
        turret(c, st, 214, 75, 22, 12, 1, 22, barbette=7)
        turret(c, st, 62, 80, 22, 12, -1, 22, barbette=7)
        turret(c, st, 36, 80, 22, 12, -1, 20)
    else:
        block(c, st, 160, 52, 192, 75, windows=2)
        block(c, st, 166, 40, 188, 52)
        bridge_front(c, st, 172, 42, 188, 45)
        mast(c, st, 176, 40, 12, yard=10, tripod=6)
        funnel(c, st, 120, 80, 44, 14)
        funnel(c, st, 140, 80, 44, 14)
        block(c, st, 84, 64, 106, 80, windows=1)
        mast(c, st, 96, 64, 30, yard=7)
        turret(c, st, 236, 75, 22, 12, 1, 22)
        turret(c, st, 210, 75, 22, 12, 1, 22, barbette=7)
        turret(c, st, 64, 80, 22, 12, -1, 22, barbette=7)
        turret(c, st, 38, 80, 22, 12, -1, 20)
    dazzle(c, st, x0, x1, 5)


def draw_battleship(c, st):
    d = st.dset
    x0, x1 = 4, 288
    hull(c, st, x0, x1, 76, fc=(170, 70), sheer=3 if not d else 6,
         bow="clipper" if d else "plumb")
    if d:
        pagoda(c, st, 146, 192, 70, 14, 6)
        mast(c, st, 166, 14, 1, yard=9)
        funnel(c, st, 124, 76, 30, 24, rake=14)
        block(c, st, 96, 52, 116, 76, windows=1)
        mast(c, st, 104, 52, 22, rake=6, yard=7, tripod=5)
        turret(c, st, 246, 70, 30, 15, 1, 28, bw=3)
        turret(c, st, 212, 70, 30, 15, 1, 28, bw=3, barbette=9)
        turret(c, st, 66, 76, 30, 15, -1, 28, bw=3)
    else:
        block(c, st, 146, 46, 188, 70, windows=2)
        block(c, st, 154, 28, 184, 46, windows=1)
        block(c, st, 160, 14, 180, 28)
        bridge_front(c, st, 166, 30, 184, 33)
        mast(c, st, 170, 14, 1, yard=10)
        funnel(c, st, 126, 76, 34, 20)
        block(c, st, 94, 56, 116, 76, windows=1)
        mast(c, st, 106, 56, 24, yard=8)
        turret(c, st, 242, 70, 30, 15, 1, 28, bw=3)
        turret(c, st, 208, 70, 30, 15, 1, 28, bw=3, barbette=8)
        turret(c, st, 76, 76, 30, 15, -1, 28, bw=3, barbette=8)
        turret(c, st, 44, 76, 30, 15, -1, 26, bw=3)
    # Secondary guns along the deck.
    for x in (132, 142):
        c.rect(x, 70, x + 8, 76, st.gun)
        c.line(x + 8, 72, x + 14, 71, 1.5, st.gun_dark)
    dazzle(c, st, x0, x1, 6)


def draw_carrier(c, st):
    d = st.dset
    x0, x1 = 10, 284
    hull(c, st, x0, x1, 84, sheer=4, bow="clipper" if d else "plumb")
    # Open hangar sides under the flight deck.
    hx0, hx1 = (24, 250) if d else (18, 270)
    c.rect(hx0, 64, hx1, 84, st.sup_low)
    for x in range(hx0 + 6, hx1 - 10, 14):
        c.rect(x, 68, x + 8, 76, st.window)
    deck_x0, deck_x1 = (6, 262) if d else (2, 289)
    c.polygon([(deck_x0, 58), (deck_x1, 58), (deck_x1 - 4, 64), (deck_x0 + 4, 64)], st.gun)
    c.rect(deck_x0, 58, deck_x1, 59, st.gun_edge)
    # Struts under the overhangs.
    c.line(deck_x1 - 6, 64, hx1 - 2, 80, 2, st.mast)
    c.line(deck_x0 + 6, 64, hx0 + 2, 80, 2, st.mast)
    if d:
        block(c, st, 196, 42, 214, 58, windows=1)
        bridge_front(c, st, 204, 44, 214, 47)
        mast(c, st, 204, 42, 24, yard=6)
        # Funnel trunked down over the side.
        c.polygon([(136, 64), (156, 64), (160, 76), (152, 84), (138, 82)], st.funnel)
        c.polygon([(138, 82), (152, 84), (150, 88), (140, 86)], st.cap)
        for x in (40, 70, 100, 230):
            plane_profile(c, st, x, 58)
    else:
        block(c, st, 182, 36, 214, 58, windows=2)
        bridge_front(c, st, 200, 38, 214, 41)
        funnel(c, st, 198, 36, 18, 22)
        mast(c, st, 186, 36, 12, yard=7)
        for x in (36, 62, 88, 114, 250):
            plane_profile(c, st, x, 58)
    dazzle(c, st, x0, x1, 7)


def draw_aux(c, st):
    d = st.dset
    x0, x1 = 28, 266
    hull(c, st, x0, x1, 82, fc=(222, 76), poop=(62, 78), sheer=4,
         bow="clipper" if d else "plumb", stern="counter", portholes=not d)
    if d:
        block(c, st, 64, 60, 110, 78, windows=2)
        pagoda(c, st, 74, 106, 60, 44, 2)
        funnel(c, st, 84, 44, 30, 14, rake=6)
        crane(c, st, 150, 82, 44, 186, 40)
        crane(c, st, 150, 82, 44, 120, 42)
        crane(c, st, 206, 76, 40, 238, 44)
        c.rect(126, 76, 176, 82, st.gun_dark)
    else:
        block(c, st, 118, 58, 178, 82, windows=3)
        block(c, st, 142, 48, 172, 58)
        bridge_front(c, st, 154, 50, 172, 53)
        funnel(c, st, 130, 58, 34, 14)
        crane(c, st, 96, 82, 40, 70, 44)
        crane(c, st, 200, 76, 40, 232, 42)
        c.rect(82, 76, 110, 82, st.gun_dark)
    dazzle(c, st, x0, x1, 8)


def draw_trooper(c, st):
    d = st.dset
    x0, x1 = 18, 276
    hull(c, st, x0, x1, 78, sheer=6, bow="clipper" if d else "raked", stern="counter",
         portholes=True)
    block(c, st, 62, 62, 226, 78, windows=2)
    block(c, st, 80, 50, 210, 62, windows=1)
    if d:
        block(c, st, 150, 38, 206, 50, windows=1, slope=4)
        bridge_front(c, st, 188, 40, 204, 43)
        funnel(c, st, 120, 50, 20, 18, rake=10)
        mast(c, st, 90, 50, 26, rake=5, yard=6)
        mast(c, st, 244, 78, 30, rake=5, yard=6)
    else:
        block(c, st, 104, 40, 196, 50, windows=0)
        bridge_front(c, st, 180, 42, 196, 45)
        funnel(c, st, 124, 40, 18, 16)
        funnel(c, st, 158, 40, 18, 16)
        mast(c, st, 78, 62, 28, yard=6)
        mast(c, st, 242, 78, 26, yard=6)
    # Lifeboats along the boat deck.
    for x in range(88, 200, 16):
        c.polygon([(x, 48), (x + 11, 48), (x + 9, 51), (x + 2, 51)], st.foam)
    dazzle(c, st, x0, x1, 9)


# Merchant and tanker liveries: the first set in peacetime colours, the second camouflaged.
MERCHANT1_A = NAVY.but(hull=(38, 38, 42), hull_low=(30, 30, 34), deck_edge=(96, 90, 80),
                       sup=(230, 226, 214), sup_low=(196, 192, 180), sup_edge=(246, 244, 236),
                       funnel=(200, 160, 92), funnel_edge=(222, 186, 122),
                       boot=(160, 44, 36), mast=(150, 120, 70))
MERCHANT2_A = NAVY.but(hull=(112, 56, 44), hull_low=(92, 44, 36), deck_edge=(150, 94, 78),
                       sup=(226, 228, 222), sup_low=(192, 194, 188), sup_edge=(246, 246, 242),
                       funnel=(36, 36, 40), funnel_edge=(70, 70, 76), cap=(36, 36, 40),
                       boot=(44, 44, 48), mast=(60, 56, 50))
OILER_A = NAVY.but(hull=(60, 62, 66), hull_low=(48, 50, 54), deck_edge=(108, 110, 114),
                   sup=(224, 222, 214), sup_low=(190, 188, 180), sup_edge=(244, 242, 236),
                   funnel=(176, 54, 44), funnel_edge=(204, 84, 72), boot=(150, 46, 40))
MERCHANT_D = DARK.but(sup=(150, 138, 110), sup_low=(128, 118, 94), sup_edge=(176, 166, 140),
                      funnel=(120, 112, 92), funnel_edge=(146, 138, 116))


def draw_merchant1(c, st):
    d = st.dset
    x0, x1 = 38, 258
    hull(c, st, x0, x1, 86, fc=(228, 80), poop=(72, 80), sheer=3,
         bow="clipper" if d else "plumb", stern="counter")
    block(c, st, 128, 66, 170, 86, windows=2)
    block(c, st, 136, 56, 166, 66)
    bridge_front(c, st, 150, 58, 166, 61)
    if d:
        funnel(c, st, 146, 56, 38, 12, rake=7, bands=((5, 3, st.sup_edge),))
    else:
        funnel(c, st, 146, 56, 38, 11, bands=((5, 3, (190, 40, 34)),))
    for x, tip in ((102, 120), (200, 182)):
        mast(c, st, x, 86 if x < 200 else 86, 34, yard=7, rake=3 if d else 0)
        c.line(x, 80, tip, 50, 1.5, st.mast)
    for x0h, x1h in ((80, 96), (106, 124), (176, 194), (206, 222)):
        c.rect(x0h, 82, x1h, 86, st.gun_dark)
    dazzle(c, st, 38, 258, 10)


def draw_merchant2(c, st):
    d = st.dset
    x0, x1 = 30, 264
    hull(c, st, x0, x1, 84, fc=(238, 79), poop=(110, 78), sheer=4,
         bow="clipper" if d else "raked", stern="cruiser" if d else "counter")
    # Bridge and engines three-quarters aft, heavy derrick posts forward, deck cargo.
    block(c, st, 70, 60, 110, 78, windows=2)
    block(c, st, 80, 50, 108, 60)
    bridge_front(c, st, 92, 52, 108, 55)
    if d:
        funnel(c, st, 84, 50, 36, 14, rake=7, bands=((4, 3, st.sup_edge),))
    else:
        funnel(c, st, 84, 50, 38, 12, bands=((5, 3, (232, 232, 228)),))
    for x in (150, 214):
        c.rect(x - 3, 46, x + 3, 84, st.mast)
        c.rect(x - 8, 48, x + 8, 50, st.mast)
        c.line(x, 78, x + 22, 56, 1.5, st.mast)
    crates = (200, 160, 96) if not d else (110, 100, 80)
    for x0c, y0c, x1c in ((124, 74, 146), (156, 76, 176), (180, 72, 206), (222, 72, 236)):
        c.rect(x0c, y0c, x1c, 84, crates)
        c.rect(x0c, y0c, x1c, y0c + 1, st.gun_dark)
    dazzle(c, st, x0, x1, 11)


def draw_oiler(c, st):
    d = st.dset
    x0, x1 = 12, 280
    hull(c, st, x0, x1, 92, fc=(250, 86), poop=(66, 85), sheer=3,
         bow="clipper" if d else "plumb", stern="counter" if not d else "cruiser")
    # Engine house aft, bridge amidships, a catwalk between them over the tank deck.
    block(c, st, 20, 70, 64, 85, windows=1)
    funnel(c, st, 40, 70, 52, 12, rake=5 if d else 0)
    if d:
        pagoda(c, st, 138, 166, 92, 62, 3)
    else:
        block(c, st, 132, 72, 164, 92, windows=1)
        block(c, st, 138, 62, 160, 72)
        bridge_front(c, st, 146, 64, 160, 67)
    c.line(64, 84, 136, 84, 2, st.mast)
    c.line(164, 84, 250, 84, 2, st.mast)
    for x in range(72, 250, 16):
        if not 132 <= x <= 166:
            c.line(x, 84, x, 92, 1.2, st.mast)
    c.rect(66, 90, 248, 92, st.gun_dark, only={st.hull, st.deck_edge})
    mast(c, st, 150, 62, 44, yard=6, rake=3 if d else 0)
    mast(c, st, 226, 86, 54, yard=5, rake=3 if d else 0)
    dazzle(c, st, x0, x1, 12)


def draw_mines(c, st):
    """A minefield: horned mines bobbing at several distances. Cells are squeezed about 1.5
    times across, so the mines are drawn that much wider to look round on the board."""
    # Lighter than real mines so they still read over a deep-sea map.
    body, lit, shine = (78, 80, 88), (124, 128, 136), (196, 200, 206)
    horn, ripple = (150, 154, 162), (212, 228, 234)
    for cx, cy, r in ((40, 94, 17), (98, 76, 14), (150, 96, 19), (204, 78, 14),
                      (254, 94, 17)):
        rx = r * 1.5
        sea = cy + r * 0.35
        for a in (-90, -55, -20, 20, 55, -125, -160, 160, 125):
            t = math.radians(a)
            ux, uy = math.cos(t), math.sin(t)
            ex, ey = cx + ux * rx * 1.32, cy + uy * r * 1.32
            if ey < sea:
                c.line(cx + ux * rx * 0.9, cy + uy * r * 0.9, ex, ey, 2.5, horn)
                c.ellipse(ex, ey, 2.6, 2, horn)
        c.ellipse(cx, cy, rx, r, body)
        c.ellipse(cx - rx * 0.25, cy - r * 0.3, rx * 0.55, r * 0.45, lit, only={body})
        c.ellipse(cx - rx * 0.35, cy - r * 0.45, rx * 0.18, r * 0.16, shine, only={lit})
        c.rect(cx - rx - 8, sea, cx + rx + 8, H, KEY)
        c.ellipse(cx, sea, rx + 10, 3, ripple)
        c.ellipse(cx, sea, rx - 2, 1.4, body)


SHIPS = {
    "AUX": draw_aux, "SUB": draw_sub, "CORVETTE": draw_corvette, "FRIGATE": draw_frigate,
    "DESTROYER": draw_destroyer, "LTCRUISER": draw_light_cruiser,
    "CRUISER": draw_heavy_cruiser, "BATTLESHIP": draw_battleship, "CARRIER": draw_carrier,
    "TROOPER": draw_trooper, "MERCHANT1": draw_merchant1, "MERCHANT2": draw_merchant2,
    "OILER": draw_oiler,
}

LIVERY = {
    ("SUB", False): NAVY.but(hull=(100, 106, 114), hull_low=(84, 90, 98), sup=(112, 118, 126),
                             sup_low=(96, 102, 110), sup_edge=(150, 156, 162)),
    ("SUB", True): DARK.but(hull=(66, 70, 78), hull_low=(56, 60, 67), sup=(78, 82, 90),
                            sup_low=(68, 72, 80), sup_edge=(118, 124, 130),
                            deck_edge=(112, 118, 124)),
    ("MERCHANT1", False): MERCHANT1_A, ("MERCHANT2", False): MERCHANT2_A,
    ("OILER", False): OILER_A,
    ("MERCHANT1", True): MERCHANT_D,
    ("MERCHANT2", True): MERCHANT_D.but(hull=(92, 104, 96), hull_low=(78, 88, 82),
                                         deck_edge=(130, 142, 134)),
    ("OILER", True): MERCHANT_D.but(hull=(104, 108, 114), hull_low=(88, 92, 98),
                                     deck_edge=(140, 144, 150)),
}


def ship_sprites():
    out = {}
    for name, draw in SHIPS.items():
        for dset in (False, True):
            st = LIVERY.get((name, dset), DARK if dset else NAVY)
            c = new_ship()
            draw(c, st)
            out[("D" if dset else "") + name] = c.rows()
    c = new_ship()
    draw_mines(c, NAVY)
    out["MINES"] = c.rows()
    return out


# ---------------------------------------------------------------------------------------------
# Markers and small pictures


def rounded_frame(c, x0, y0, x1, y1, side, top, radius, colour):
    """A frame with rounded outer corners, `side` thick left and right, `top` thick above and
    below. The corners stay background, so the bottom-left pixel is the key."""
    def inside_outer(x, y):
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and x0 <= x < x1 and y0 <= y < y1

    def fn(x, y):
        if not inside_outer(x, y):
            return None
        if x0 + side <= x < x1 - side and y0 + top <= y < y1 - top:
            return None
        return colour
    c.shade((x0, y0, x1, y1), fn)


def green_box():
    c = Canvas(W, H, KEY)
    rounded_frame(c, 0, 0, W, H, 10, 6, 8, (24, 110, 40))
    rounded_frame(c, 2, 1, W - 2, H - 1, 6, 4, 7, (60, 220, 80))
    rounded_frame(c, 4, 2, W - 4, H - 2, 3, 2, 6, (150, 255, 150))
    return c.rows()


def wrench(c, x, y, s, colour, dark, flip):
    """A spanner lying diagonally with its open jaw at the top."""
    f = -1 if flip else 1
    c.line(x - f * 9 * s, y + 7 * s, x + f * 6 * s, y - 4 * s, 4 * s, colour)
    c.ellipse(x + f * 8 * s, y - 6 * s, 6 * s, 5 * s, colour)
    c.ellipse(x + f * 10 * s, y - 9 * s, 3 * s, 2.5 * s, dark)


def hammer_glyph(c, x, y, s, head, handle, flip):
    f = -1 if flip else 1
    c.line(x - f * 10 * s, y + 7 * s, x + f * 5 * s, y - 5 * s, 3.5 * s, handle)
    c.polygon([(x + f * 1 * s, y - 12 * s), (x + f * 12 * s, y - 1 * s),
               (x + f * 8 * s, y + 3 * s), (x - f * 3 * s, y - 8 * s)], head)


def hammer_box():
    c = Canvas(W, H, KEY)
    dark, amber, light = (120, 70, 10), (240, 160, 20), (255, 214, 110)
    rounded_frame(c, 0, 0, W, H, 10, 6, 8, dark)
    rounded_frame(c, 2, 1, W - 2, H - 1, 6, 4, 7, amber)
    rounded_frame(c, 4, 2, W - 4, H - 2, 3, 2, 6, light)
    steel, wood = (206, 210, 216), (150, 96, 44)
    # Glyphs in the corners: hammers top-left and bottom-right, spanners in the others. Drawn
    # 1.5 times wider than tall to come out square on the board.
    for cx, cy, kind, flip in ((30, 22, "h", False), (W - 30, 22, "w", True),
                               (30, H - 22, "w", False), (W - 30, H - 22, "h", True)):
        g = Canvas(48, 36, KEY)
        if kind == "h":
            hammer_glyph(g, 24, 20, 1.2, steel, wood, flip)
        else:
            wrench(g, 24, 20, 1.2, steel, KEY, flip)
        # Outline the glyph in the dark amber so it reads over any sea.
        rows = g.rows()
        for gy in range(36):
            for gx in range(48):
                colour = rows[gy][gx]
                x, y = int(cx - 24 + gx), int(cy - 18 + gy)
                if colour != KEY:
                    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1), (-2, 0), (2, 0)):
                        if c.px[y + dy][x + dx] == KEY:
                            c.px[y + dy][x + dx] = (70, 40, 6)
        for gy in range(36):
            for gx in range(48):
                if rows[gy][gx] != KEY:
                    c.px[int(cy - 18 + gy)][int(cx - 24 + gx)] = rows[gy][gx]
    return c.rows()


def hammer_icon():
    """30 x 12: a claw hammer lying across, head to the right, on a flat panel grey."""
    c = Canvas(30, 12, (192, 192, 192), scale=4)
    wood, grain, steel, lit = (150, 96, 44), (184, 130, 70), (84, 88, 96), (168, 172, 180)
    c.polygon([(1, 6), (2, 5), (21, 4.5), (21, 7.5), (2, 8)], wood)
    c.line(3, 6, 20, 5.6, 0.8, grain)
    # The head: a striking face at the bottom, the eye around the handle, a claw curling
    # back over the top.
    c.polygon([(20, 3), (25, 3), (25, 8), (27, 8.5), (27, 11.5), (19, 11.5), (19, 8.5),
               (20, 8)], steel)
    c.rect(19, 10.5, 27, 11.5, lit)
    c.polygon([(20, 3.5), (25, 3.5), (24, 1.2), (20, 0.3), (14, 0.3), (13, 1.2), (19, 2)], steel)
    c.rect(20.5, 3.5, 24.5, 4.2, lit)
    return c.rows()


def question_mark(c, cx, cy, s, colour):
    """A question mark about 14 s tall centred on (cx, cy)."""
    def hook(x, y):
        dx, dy = (x - cx) / s, (y - (cy - 3.5 * s)) / s
        r = math.hypot(dx, dy)
        if 2.2 <= r <= 4.6:
            angle = math.degrees(math.atan2(dy, dx))  # 0 east, 90 down
            if angle <= 80 or angle >= 170:
                return colour
        return None
    c.shade((cx - 6 * s, cy - 9 * s, cx + 6 * s, cy + 2 * s), hook)
    c.polygon([(cx + 0.3 * s, cy - 0.8 * s), (cx + 2.3 * s, cy - 0.8 * s),
               (cx + 1.2 * s, cy + 3 * s), (cx - 1.2 * s, cy + 3 * s)], colour)
    c.rect(cx - 1.2 * s, cy + 1.5 * s, cx + 1.2 * s, cy + 3.2 * s, colour)
    c.ellipse(cx, cy + 5.6 * s, 1.5 * s, 1.5 * s, colour)


def enemy_flag():
    """68 x 43: an unidentified contact, a grey diamond with a question mark."""
    c = Canvas(68, 43, KEY)
    c.polygon([(34, 1), (66, 21.5), (34, 42), (2, 21.5)], (40, 42, 46))
    c.polygon([(34, 4), (61, 21.5), (34, 39), (7, 21.5)], (150, 154, 160))
    c.polygon([(34, 4), (61, 21.5), (7, 21.5)], (176, 180, 186))
    question_mark(c, 34, 22, 2.2, (196, 30, 30))
    return c.rows()


def white_ensign():
    w, h = 70, 50
    red, white, blue = (204, 20, 40), (250, 250, 250), (16, 36, 110)
    c = Canvas(w, h, white, scale=4)
    bar = 8
    cx, cy = w / 2, h / 2
    c.rect(cx - bar / 2, 0, cx + bar / 2, h, red)
    c.rect(0, cy - bar / 2, w, cy + bar / 2, red)
    # The Union flag in the upper hoist canton.
    uw, uh = cx - bar / 2, cy - bar / 2
    c.rect(0, 0, uw, uh, blue)
    clip = {blue}
    c.line(0, 0, uw, uh, 5, white, only=clip)
    c.line(0, uh, uw, 0, 5, white, only=clip)
    c.line(0, 0, uw, uh, 1.6, red, only={white})
    c.line(0, uh, uw, 0, 1.6, red, only={white})
    c.rect(uw / 2 - 3.5, 0, uw / 2 + 3.5, uh, white)
    c.rect(0, uh / 2 - 3.5, uw, uh / 2 + 3.5, white)
    c.rect(uw / 2 - 2, 0, uw / 2 + 2, uh, red)
    c.rect(0, uh / 2 - 2, uw, uh / 2 + 2, red)
    return c.rows()


def rising_sun():
    w, h = 70, 50
    red, white = (200, 24, 36), (250, 250, 250)
    c = Canvas(w, h, white, scale=4)
    cx, cy, r = w * 0.43, h / 2, h * 0.25

    def fn(x, y):
        angle = math.degrees(math.atan2(y - cy, x - cx)) + 360 + 5.625
        return red if int(angle / 11.25) % 2 == 0 else None
    c.shade((0, 0, w, h), fn)
    c.ellipse(cx, cy, r, r, red)
    return c.rows()


def stars_and_stripes():
    w, h = 70, 50
    red, white, blue = (190, 30, 46), (250, 250, 250), (40, 50, 110)
    c = Canvas(w, h, white, scale=4)
    stripe = h / 13
    for i in range(0, 13, 2):
        c.rect(0, i * stripe, w, (i + 1) * stripe, red)
    cw, ch = w * 0.4, stripe * 7
    c.rect(0, 0, cw, ch, blue)
    for row in range(5):
        for col in range(6):
            x = cw * (col + 0.5 + (0.25 if row % 2 else -0.25)) / 6.2 + 1
            y = ch * (row + 0.5) / 5
            c.ellipse(x, y, 0.9, 0.9, white)
    return c.rows()


def patrol_plane():
    """204 x 64, from above, nose up. The board squeezes it to about half its width, so it is
    drawn twice as wide as it should look."""
    c = Canvas(204, 64, KEY)
    skin, panel, dark = (150, 158, 150), (120, 128, 120), (52, 56, 58)
    glass, prop = (60, 90, 120), (40, 40, 40)
    cx = 102
    # Wings: straight leading edge, tapered trailing edge, rounded tips.
    c.polygon([(6, 22), (198, 22), (200, 25), (198, 30), (cx + 24, 34), (cx - 24, 34),
               (6, 30), (4, 25)], skin)
    c.rect(4, 29, 200, 34, panel, only={skin})
    # Tailplane.
    c.polygon([(cx - 36, 54), (cx + 36, 54), (cx + 34, 60), (cx - 34, 60)], skin)
    c.rect(cx - 36, 58, cx + 36, 60, panel, only={skin})
    # Fuselage.
    c.polygon([(cx - 5, 2), (cx + 5, 2), (cx + 9, 8), (cx + 9, 40), (cx + 4, 62), (cx - 4, 62),
               (cx - 9, 40), (cx - 9, 8)], skin)
    c.rect(cx - 9, 20, cx + 9, 40, panel, only={skin})
    c.polygon([(cx - 5, 6), (cx + 5, 6), (cx + 7, 12), (cx - 7, 12)], glass)
    c.rect(cx - 1, 42, cx + 1, 62, dark)
    # Engines with propeller discs.
    for ex in (cx - 40, cx + 40):
        c.polygon([(ex - 8, 12), (ex + 8, 12), (ex + 9, 30), (ex + 4, 42), (ex - 4, 42),
                   (ex - 9, 30)], panel)
        c.rect(ex - 8, 12, ex + 8, 14, dark)
        c.ellipse(ex, 10, 22, 2, prop)
        c.ellipse(ex, 10, 4, 3, dark)
    return c.rows()


def radar_beam():
    """80 x 80: the sweep beam, pointing up from the centre. Brightest along its axis and at
    its tip, fading sideways and toward the centre; the corners stay black."""
    c = Canvas(80, 80, (0, 0, 0), scale=2)
    cx = cy = 40.0

    def fn(x, y):
        r = math.hypot(x - cx, y - cy)
        if r > 38.5 or r < 0.5:
            return None
        off = abs(math.degrees(math.atan2(x - cx, cy - y)))  # 0 = straight up
        if off > 30:
            return None
        side = math.cos(math.radians(off / 30 * 90)) ** 1.5
        along = 0.35 + 0.65 * (r / 38.5)
        v = side * along
        if off < 1.6:
            v = max(v, 0.95)
        return (int(40 * v), int(255 * v), int(70 * v))
    c.shade((0, 0, 80, 80), fn)
    return c.rows()


def radar_screen():
    w, h = 87, 85
    c = Canvas(w, h, (44, 46, 50), scale=3)
    cx, cy = w / 2, h / 2
    outer, inner = 42, 37

    def bezel(x, y):
        r = math.hypot(x - cx, y - cy)
        if r > outer:
            return None
        if r > inner:
            # Lit from the top left.
            t = ((x - cx) + (y - cy)) / (2 * outer)
            v = int(128 - 70 * t)
            return (v, v + 2, v + 6)
        t = r / inner
        return (int(4 + 6 * t), int(22 + 14 * t), int(10 + 8 * t))
    c.shade((0, 0, w, h), bezel)
    c.ring(cx, cy, inner - 0.6, inner + 0.6, (20, 22, 24))
    ring = (30, 110, 50)
    for r in (inner / 3, inner * 2 / 3, inner - 2):
        c.ring(cx, cy, r - 0.45, r + 0.45, ring)
    c.line(cx - inner, cy, cx + inner, cy, 0.7, (22, 80, 38))
    c.line(cx, cy - inner, cx, cy + inner, 0.7, (22, 80, 38))
    for a in range(0, 360, 30):
        t = math.radians(a)
        c.line(cx + math.cos(t) * (inner - 5), cy + math.sin(t) * (inner - 5),
               cx + math.cos(t) * (inner - 1), cy + math.sin(t) * (inner - 1), 0.9, ring)
    c.ellipse(cx, cy, 1.2, 1.2, (90, 220, 110))
    # Four screws in the bezel.
    for a in (45, 135, 225, 315):
        t = math.radians(a)
        c.ellipse(cx + math.cos(t) * 39.5, cy + math.sin(t) * 39.5, 1.3, 1.3, (30, 32, 36))
    return c.rows()


# ---------------------------------------------------------------------------------------------

def all_sprites():
    """NAME -> (bits per pixel, rows, whether the game draws it keyed)."""
    sprites = {name: (8, rows, True) for name, rows in ship_sprites().items()}
    sprites["GREENBOX"] = (24, green_box(), True)
    sprites["HAMMERBOX"] = (24, hammer_box(), True)
    sprites["ENEMYFLAG"] = (8, enemy_flag(), True)
    sprites["EFLAG"] = (24, white_ensign(), False)
    sprites["JFLAG"] = (24, rising_sun(), False)
    sprites["UFLAG"] = (24, stars_and_stripes(), False)
    sprites["HAMMER"] = (24, hammer_icon(), False)
    sprites["JSTARS"] = (24, patrol_plane(), True)
    sprites["RADAR"] = (24, radar_beam(), False)
    sprites["RADARSCREEN"] = (24, radar_screen(), False)
    return sprites


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "assets", "sprites"))
    parser.add_argument("--only", nargs="*", help="sprite names to write (default: all)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, (bits, rows, transparent) in sorted(all_sprites().items()):
        if args.only and name not in args.only:
            continue
        if transparent:
            check_keyed(name, rows)
        path = os.path.join(args.out, name + ".bmp")
        (write_bmp8 if bits == 8 else write_bmp24)(path, rows)
    return 0


if __name__ == "__main__":
    sys.exit(main())
