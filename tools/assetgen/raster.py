"""A small rasteriser for the sprites (polygons, rectangles, ellipses, thick lines, pixel
shaders) and the BMP files they are written to."""
import math
import struct


KEY = (255, 0, 255)  # the transparent key: pure magenta, used nowhere in a picture


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
