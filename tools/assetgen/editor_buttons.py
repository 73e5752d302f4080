"""The map editor's own sprites: the faces of the Home Position button (an arrow to the home
edge, or four arrows before an edge is chosen) and the land marker stretched into a map cell."""
import math

from .raster import Canvas, KEY


BUTTON_W, BUTTON_H = 64, 48
ARROW = (209, 191, 165)        # the menu text colour
ARROW_EDGE = (58, 44, 30)
PANEL_TOP, PANEL_BOTTOM = (54, 66, 86), (30, 38, 54)
FRAME_LIGHT, FRAME_DARK = (168, 178, 192), (14, 18, 28)
SHADOW = (18, 22, 34)

# Quarter turns that take an arrow pointing right to one pointing the named way, as
# (x, y) -> (a x + b y, c x + d y) about the centre of the button.
TURNS = {"RIGHT": (1, 0, 0, 1), "DOWN": (0, -1, 1, 0), "LEFT": (-1, 0, 0, -1),
         "UP": (0, 1, -1, 0)}


def panel():
    """The bare button: a dark steel plate shading downward, a thin light frame lit from the
    top left and a dark line inside it."""
    c = Canvas(BUTTON_W, BUTTON_H, PANEL_TOP)

    def plate(x, y):
        t = y / BUTTON_H
        return tuple(round(a + (b - a) * t) for a, b in zip(PANEL_TOP, PANEL_BOTTOM))
    c.shade((0, 0, BUTTON_W, BUTTON_H), plate)
    c.rect(0, 0, BUTTON_W, 1, FRAME_LIGHT)
    c.rect(0, 0, 1, BUTTON_H, FRAME_LIGHT)
    c.rect(0, BUTTON_H - 1, BUTTON_W, BUTTON_H, (110, 120, 136))
    c.rect(BUTTON_W - 1, 0, BUTTON_W, BUTTON_H, (110, 120, 136))
    c.rect(1, 1, BUTTON_W - 1, 2, FRAME_DARK)
    c.rect(1, 1, 2, BUTTON_H - 1, FRAME_DARK)
    c.rect(1, BUTTON_H - 2, BUTTON_W - 1, BUTTON_H - 1, FRAME_DARK)
    c.rect(BUTTON_W - 2, 1, BUTTON_W - 1, BUTTON_H - 1, FRAME_DARK)
    return c


def arrow_points(length, shaft, head, head_length, start=0.0):
    """An arrow along +x from x = start to x = start + length, centred on y = 0; a 45 degree
    head keeps the edges clean at one pixel per step."""
    tip = start + length
    neck = tip - head_length
    return [(start, -shaft), (neck, -shaft), (neck, -head), (tip, 0), (neck, head),
            (neck, shaft), (start, shaft)]


def turned(points, way, cx, cy):
    a, b, c, d = TURNS[way]
    return [(cx + a * x + b * y, cy + c * x + d * y) for x, y in points]


def outlined(c, shapes, fill, edge, shadow=None):
    """Paints the polygons in `fill` with a one-pixel `edge` all round (corners too) and, if
    given, a shadow falling two pixels down and right."""
    glyph = Canvas(c.width, c.height, KEY)
    for points in shapes:
        glyph.polygon(points, fill)
    inside = {(x, y) for y, row in enumerate(glyph.px) for x, colour in enumerate(row)
              if colour != KEY}
    ring = {(x + dx, y + dy) for x, y in inside for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
    ring = {(x, y) for x, y in ring - inside if 0 <= x < c.width and 0 <= y < c.height}
    if shadow is not None:
        for x, y in inside | ring:
            sx, sy = x + 2, y + 2
            if 2 <= sx < c.width - 2 and 2 <= sy < c.height - 2:
                c.px[sy][sx] = shadow
    for x, y in ring:
        c.px[y][x] = edge
    for x, y in inside:
        c.px[y][x] = fill


def home_arrow(way):
    """64 x 48: one big arrow pointing to the home edge."""
    c = panel()
    cx, cy = BUTTON_W / 2, BUTTON_H / 2
    # Across the button the arrow has room to be longer than up and down it.
    length = 40 if way in ("LEFT", "RIGHT") else 30
    shape = arrow_points(length, 5, 13, 13, start=-length / 2)
    outlined(c, [turned(shape, way, cx, cy)], ARROW, ARROW_EDGE, SHADOW)
    return c.rows()


def home_all():
    """64 x 48: four arrows from the centre to the four edges, like a compass rose."""
    c = panel()
    cx, cy = BUTTON_W / 2, BUTTON_H / 2
    shapes = []
    for way in TURNS:
        reach = 25 if way in ("LEFT", "RIGHT") else 17
        shapes.append(turned(arrow_points(reach, 3, 7, 7), way, cx, cy))
    outlined(c, shapes, ARROW, ARROW_EDGE, SHADOW)
    c.rect(cx - 1, cy - 1, cx + 1, cy + 1, ARROW_EDGE)
    return c.rows()


def landmark():
    """87 x 35, keyed: an island in khaki with a dark coastline, a lighter beach just inside it
    and diagonal hatching over the interior. The editor stretches it into a 67 x 48 cell."""
    w, h = 87, 35
    c = Canvas(w, h, KEY)
    coast, beach, sand, hatch = (60, 44, 24), (214, 196, 138), (184, 164, 108), (126, 108, 62)
    cx, cy = w / 2, h / 2

    def shore(grow):
        """The coastline as a polygon, `grow` pixels out from the island proper. A few fixed
        ripples make it look surveyed rather than drawn with compasses."""
        points = []
        for i in range(72):
            t = 2 * math.pi * i / 72
            r = 1 + 0.04 * math.sin(3 * t + 0.6) + 0.035 * math.sin(5 * t + 2.1) \
                + 0.02 * math.sin(9 * t + 0.3)
            # A squarish oval, so the land fills most of the cell.
            ct, st = math.cos(t), math.sin(t)
            k = (abs(ct) ** 4 + abs(st) ** 4) ** -0.25
            # Grown further across than down: the cell squeezes the marker across.
            points.append((cx + ct * k * r * (37 + 1.4 * grow), cy + st * k * r * (13 + grow)))
        return points

    c.polygon(shore(1.5), coast)
    c.polygon(shore(0), beach)
    c.polygon(shore(-2.5), sand)

    # Two pixels thick, so the lines stay unbroken when the cell squeezes the marker across.
    def hatching(x, y):
        return hatch if (int(x) + int(y)) % 6 < 2 else None
    c.shade((0, 0, w, h), hatching, only={sand})
    return c.rows()


def editor_sprites():
    """NAME -> picture rows for the editor's sprites."""
    sprites = {way: home_arrow(way) for way in TURNS}
    sprites["ALL"] = home_all()
    sprites["LANDMARK"] = landmark()
    return sprites
