"""The board's markers and small pictures: the selection and repair boxes, the repair
icon, the unidentified contact, the ensigns, the patrol plane and the radar sweep and screen."""
import math

from .flags import GER_CROSS, GER_FIELD, GER_RIM, cross_outline
from .raster import Canvas, KEY
from .ship_parts import H, W


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
    """A bold question mark 8.4 s tall, its strokes 1.3 s thick, centred on (cx, cy)."""
    hook_y = cy - 1.6 * s   # centre of the hook's arc
    r0, r1 = 1.1 * s, 2.4 * s

    def hook(x, y):
        r = math.hypot(x - cx, y - hook_y)
        if r0 <= r <= r1:
            angle = math.degrees(math.atan2(y - hook_y, x - cx))  # 0 east, 90 down
            if angle <= 90 or angle >= 160:
                return colour
        return None
    c.shade((cx - r1 - 1, hook_y - r1 - 1, cx + r1 + 1, hook_y + r1 + 1), hook)
    c.rect(cx - 0.65 * s, hook_y + r0, cx + 0.65 * s, cy + 1.9 * s, colour)
    c.rect(cx - 0.7 * s, cy + 2.8 * s, cx + 0.7 * s, cy + 4.2 * s, colour)


def enemy_flag():
    """204 x 122, twice a board cell of a 1024 x 768 screen, so that the board only ever
    shrinks it: an unidentified contact, a bold dark question mark in a yellow diamond with a
    dark rim. Hard edges and three flat colours, so it stays crisp at any cell size."""
    w, h = 204, 122
    c = Canvas(w, h, KEY)
    cx, cy = w / 2, h / 2
    rim, fill, lit, mark = (26, 26, 30), (236, 184, 28), (252, 214, 76), (26, 26, 30)

    def diamond(a, b):
        return [(cx, cy - b), (cx + a, cy), (cx, cy + b), (cx - a, cy)]
    c.polygon(diamond(74, 58), rim)
    c.polygon(diamond(65, 51), fill)
    c.polygon([(cx, cy - 51), (cx + 65, cy), (cx - 65, cy)], lit, only={fill})
    question_mark(c, cx, cy - 2, 10, mark)
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


def iron_cross_flag():
    """70 x 50, the Kriegsmarine's flag of the game (the Iron Cross on its sea-blue field) for the
    corner of its ships. Only the top 70 x 40 is stamped onto a ship, so the cross is centred in
    that part; a ship picture is squeezed about 1.5 times more across than down, so the cross is
    drawn that much wider to come out square on the board."""
    w, h, shown = 70, 50, 40
    c = Canvas(w, h, hex_colour(GER_FIELD), scale=4)
    cx, cy = w / 2, shown / 2
    k = GER_CROSS
    r = shown * 0.42
    squeeze = 1.5

    def outline(grow):
        pts = cross_outline(0, 0, r, r * k['waist'] / k['r'], r * k['end'] / k['r'])
        return [(cx + x * squeeze, cy + y) for x, y in pts], grow

    def stroked(grow, colour):
        # The outline widened by `grow` all round: the shape, a thick line along each side and
        # a disc at each corner (so no gap opens where two sides meet).
        pts, _ = outline(grow)
        c.polygon(pts, colour)
        for (ax, ay), (bx, by) in zip(pts, pts[1:] + pts[:1]):
            c.line(ax, ay, bx, by, 2 * grow, colour)
            c.ellipse(ax, ay, grow, grow, colour)

    # The white edge a little bolder than on the big flag: the corner is only some 24 x 20 screen
    # pixels, and a hairline would vanish.
    edge = max(r * k['edge'] / k['r'], 2.6)
    stroked(edge + max(0.6, edge * 0.22), hex_colour(GER_RIM))
    stroked(edge, (250, 250, 250))
    c.polygon(outline(0)[0], (0, 0, 0))
    return c.rows()


def hex_colour(text):
    """'#rrggbb' as an RGB tuple."""
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


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
