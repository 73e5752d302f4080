"""A warship's side elevation drawn like a naval draughtsman's plate: every part laid out in
metres (x forward from the stern, h up from the waterline), washed in flat colours, shaded
with darker washes where it turns from the light and outlined in ink.

The light falls from ahead and above, so the after side of a funnel, a mast or a turret is
the darker one."""
import math

from .colour import css, hexc, mix


def spline(knots, steps=10):
    """A smooth curve through the knots (Catmull-Rom), knots included."""
    if len(knots) < 3:
        return list(knots)
    pts = [knots[0]]
    ext = [knots[0]] + list(knots) + [knots[-1]]
    for i in range(1, len(ext) - 2):
        p0, p1, p2, p3 = ext[i - 1], ext[i], ext[i + 1], ext[i + 2]
        for s in range(1, steps + 1):
            t = s / float(steps)
            t2, t3 = t * t, t * t * t
            pts.append(tuple(0.5 * (2 * p1[k] + (-p0[k] + p2[k]) * t
                                    + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                                    + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                             for k in (0, 1)))
    return pts


def along(pts, x):
    """The height of a polyline (ordered by x, either way) at x."""
    seq = pts if pts[0][0] <= pts[-1][0] else pts[::-1]
    if x <= seq[0][0]:
        return seq[0][1]
    for (x0, y0), (x1, y1) in zip(seq, seq[1:]):
        if x <= x1:
            return y0 if x1 == x0 else y0 + (y1 - y0) * (x - x0) / (x1 - x0)
    return seq[-1][1]


def width_at(pts, h):
    """The x of a polyline ordered by height (a stem or a stern) at height h."""
    seq = pts if pts[0][1] <= pts[-1][1] else pts[::-1]
    if h <= seq[0][1]:
        return seq[0][0]
    for (x0, y0), (x1, y1) in zip(seq, seq[1:]):
        if h <= y1:
            return x0 if y1 == y0 else x0 + (x1 - x0) * (h - y0) / (y1 - y0)
    return seq[-1][0]


def rect(x0, h0, x1, h1):
    return [(x0, h0), (x0, h1), (x1, h1), (x1, h0)]


class Elevation:
    """The parts of one ship, drawn in the order they were added; `back` parts (masts,
    rigging, far-side gear) go under everything else."""

    def __init__(self, length):
        self.length = length
        self.back = []
        self.items = []
        self.deck = []
        self.stem = []
        self.stern = []
        self.funnel_tops = []

    # -- the plain drawing operations ---------------------------------------------------------

    def poly(self, pts, fill, ink=1.0, back=False):
        (self.back if back else self.items).append(('poly', list(pts), fill, ink))

    def line(self, pts, width, colour='ink', back=False, minimum=0.5):
        (self.back if back else self.items).append(('line', list(pts), width, colour, minimum))

    def circle(self, x, h, r, fill, ink=1.0, back=False):
        (self.back if back else self.items).append(('circle', (x, h), r, fill, ink))

    def deck_h(self, x):
        return along(self.deck, x)

    # -- washes -------------------------------------------------------------------------------

    def rounded(self, left, right, dark='shade', light='light', steps=4):
        """Shades a round thing (funnel, mast, barbette) between its fore edge `right` and its
        after edge `left` (each a list of points from bottom to top): a lit strip forward and
        darker washes towards the after side."""
        def edge(t):
            return [(l[0] + (r[0] - l[0]) * t, l[1] + (r[1] - l[1]) * t) for l, r in zip(left, right)]
        for i in range(steps):
            t = 0.42 * i / steps
            self.poly(edge(0.0) + edge(0.42 - t)[::-1], dark, 0)
        self.poly(edge(0.7) + edge(0.86)[::-1], light, 0)

    # -- hull ---------------------------------------------------------------------------------

    def hull(self, deck, stem, stern, boot=0.9, scuttles=(), hawse=None, knuckle=None, split=None):
        """deck: knots of the deck edge from stern to bow; stem: the bow's outline from the
        waterline up to the deck; stern: the stern's outline from the deck down to the water.
        scuttles: (x0, x1, depth below the deck, spacing) rows of portholes. split: the height
        above which the sides take the upperworks' colour (a two-colour camouflage)."""
        self.deck = spline(deck, 8)
        self.stem, self.stern = stem, stern
        outline = list(stern) + list(stem) + self.deck[::-1]
        self.poly(outline, 'hull')
        if split:
            xa, xb = width_at(stern, split), width_at(stem, split)
            self.poly([p for p in stern if p[1] > split] + [(xa, split), (xb, split)]
                      + [p for p in stem if p[1] > split] + self.deck[::-1], 'upper', 0)
        # A lighter sheer strake under the deck edge, darkening towards the water.
        top = self.deck[1:-1]
        strake = [(x, h - 1.1) for x, h in top]
        self.poly(top + strake[::-1], 'light', 0)
        for frac in (0.6, 0.3):
            # Darker towards the water: two washes over the lower hull.
            xa = width_at(stern, self.deck[0][1] * frac)
            xb = width_at(stem, self.deck[-1][1] * frac)
            band = [(x, self.deck_h(x) * frac) for x, _ in self.deck if xa < x < xb]
            self.poly([(width_at(stern, 0), 0), (xa, self.deck[0][1] * frac)] + band
                      + [(xb, self.deck[-1][1] * frac), (width_at(stem, 0), 0)], 'shade', 0)
        for x0, x1, depth, spacing in scuttles:
            x = x0
            while x <= x1:
                self.circle(x, self.deck_h(x) - depth, 0.32, 'window', 0)
                x += spacing
        if knuckle:
            # The knuckle of a flared bow: a line running aft and down from the stem.
            self.line(knuckle, 0.2, 'inkfaint')
        # Boot topping at the waterline.
        xs, xe = width_at(stern, boot), width_at(stem, boot)
        self.poly([(width_at(stern, 0), 0), (xs, boot), (xe, boot), (width_at(stem, 0), 0)], 'boot', 0.6)
        if hawse:
            hx, hh = hawse
            self.circle(hx, hh, 0.55, 'ink', 0)
            # The anchor hanging from it, shank and crown against the plating.
            self.line([(hx - 0.3, hh - 0.4), (hx - 0.5, hh - 3.0)], 0.4, 'ink')
            self.line([(hx - 1.6, hh - 2.6), (hx - 0.5, hh - 3.3), (hx + 0.6, hh - 2.5)], 0.35, 'ink')
        self.line(self.deck, 0.22, 'ink')

    def rail(self, x0, x1, height=1.1, spacing=2.2):
        """Guard rails along the deck edge."""
        pts = [(x, self.deck_h(x) + height) for x in frange(x0, x1, 1.0)]
        self.line(pts, 0.12, 'inkfaint')
        for x in frange(x0, x1, spacing):
            self.line([(x, self.deck_h(x)), (x, self.deck_h(x) + height)], 0.1, 'inkfaint')

    # -- upperworks ---------------------------------------------------------------------------

    def house(self, x0, x1, h0, h1, fore=0.0, aft=0.0, fill='upper', windows=0, shadow=True):
        """A deckhouse or bridge level from h0 up to h1; fore/aft slope its ends back."""
        self.poly([(x0, h0), (x0 + aft, h1), (x1 - fore, h1), (x1, h0)], fill)
        if shadow:
            # The overhang of the level above throws a band of shadow under its edge.
            self.poly([(x0 + aft, h1), (x1 - fore, h1), (x1 - fore, h1 - 0.5), (x0 + aft, h1 - 0.5)],
                      'shade', 0)
        self.line([(x0 + aft, h1), (x1 - fore, h1)], 0.16, 'light', minimum=0.4)
        if windows:
            wh = h1 - 1.0
            step = (x1 - fore - x0 - aft) / (windows + 0.5)
            for i in range(windows):
                wx = x0 + aft + step * (0.5 + i)
                self.poly(rect(wx, wh - 0.55, wx + step * 0.55, wh), 'window', 0)

    def funnel(self, x, h0, h1, w0, w1=None, rake=0.0, cap=1.2, cap_style='band', fill='funnel'):
        """A funnel standing at x (its middle at the base), rake in degrees aft."""
        w1 = w0 if w1 is None else w1
        dx = (h1 - h0) * math.tan(math.radians(rake))
        bl, br = (x - w0 / 2, h0), (x + w0 / 2, h0)
        tl, tr = (x - w1 / 2 - dx, h1), (x + w1 / 2 - dx, h1)
        self.poly([bl, tl, tr, br], fill)
        self.rounded([bl, tl], [br, tr])
        capd = cap * math.tan(math.radians(rake))
        if cap_style == 'band':
            # A black top over a narrow band.
            self.poly([(tl[0] + capd, h1 - cap), tl, tr, (tr[0] + capd, h1 - cap)], 'cap')
        elif cap_style == 'lip':
            # A cap wider than the uptake, flared out over it.
            self.poly([(tl[0] + capd, h1 - cap), (tl[0] - 0.5, h1 - cap * 0.35), (tl[0] - 0.5, h1),
                       (tr[0] + 0.5, h1), (tr[0] + 0.5, h1 - cap * 0.35), (tr[0] + capd, h1 - cap)], 'cap')
        self.funnel_tops.append((x - dx, h1))

    def pole(self, x, h0, h1, width=0.45, rake=0.0, back=True, fill='mast'):
        """A pole mast tapering from h0 to h1, raked aft by `rake` degrees; returns its head."""
        dx = (h1 - h0) * math.tan(math.radians(rake))
        self.poly([(x - width / 2, h0), (x - width * 0.3 - dx, h1), (x + width * 0.3 - dx, h1),
                   (x + width / 2, h0)], fill, 0.6, back=back)
        return (x - dx, h1)

    def tripod(self, x, h0, h1, spread, leg_h=None, width=0.8, rake=0.0, back=True):
        """A tripod mast: the main leg and, seen from the side, the after leg meeting it."""
        top = self.pole(x, h0, h1, width, rake, back)
        lh = h0 + (h1 - h0) * 0.72 if leg_h is None else leg_h
        lx = x - (lh - h0) * math.tan(math.radians(rake))
        self.line([(x - spread, h0), (lx, lh)], width * 0.7, 'mast', back=back)
        return top

    def yard(self, x, h, span, width=0.25):
        self.line([(x - span, h), (x + span, h)], width, 'mast', back=True)

    def stay(self, pts):
        self.line(pts, 0.06, 'rigging', back=True, minimum=0.3)

    def flag(self, x, h, w, hgt, colours, back=True):
        """A flag w long and hgt deep flying aft from the top of its hoist at (x, h), rippling
        more towards the fly. colours: (polygon, colour) pairs in the flag's own square, u from
        the hoist (0) to the fly (1) and v from the top (0) down (1)."""
        def at(u, v):
            wave = math.sin(u * 5.0) * 0.12 * hgt * u
            return (x - u * w, h - v * hgt + wave)
        for pts, colour in colours:
            self.poly([at(u, v) for u, v in pts], colour, 0, back=back)
        self.poly([at(0, 0), at(0.5, 0), at(1, 0), at(1, 1), at(0.5, 1), at(0, 1)], 'none', 0.4, back=back)

    # -- guns ---------------------------------------------------------------------------------

    def barrel(self, x, h, length, facing, elev=2.0, w0=0.95, w1=0.6, sleeve=0.35, fill='gun'):
        """A gun barrel from its root at (x, h), tapering to the muzzle; the blast bag at the
        root is the darker sleeve."""
        a = math.radians(elev)
        ux, uy = facing * math.cos(a), math.sin(a)
        nx, ny = -uy, ux
        ex, ey = x + ux * length, h + uy * length
        self.poly([(x + nx * w0 / 2, h + ny * w0 / 2), (ex + nx * w1 / 2, ey + ny * w1 / 2),
                   (ex - nx * w1 / 2, ey - ny * w1 / 2), (x - nx * w0 / 2, h - ny * w0 / 2)], fill, 0.7)
        # A swell at the muzzle.
        mx, my = x + ux * length * 0.97, h + uy * length * 0.97
        self.poly([(mx + nx * w1 * 0.62, my + ny * w1 * 0.62), (ex + nx * w1 * 0.62, ey + ny * w1 * 0.62),
                   (ex - nx * w1 * 0.62, ey - ny * w1 * 0.62), (mx - nx * w1 * 0.62, my - ny * w1 * 0.62)], fill, 0.7)
        sx, sy = x + ux * length * sleeve, h + uy * length * sleeve
        self.poly([(x + nx * w0 * 0.62, h + ny * w0 * 0.62), (sx + nx * w0 * 0.55, sy + ny * w0 * 0.55),
                   (sx - nx * w0 * 0.55, sy - ny * w0 * 0.55), (x - nx * w0 * 0.62, h - ny * w0 * 0.62)],
                  'gunroot', 0.6)

    def turret(self, x, base, length, height, facing, barrel, elev=2.0, face=0.45, rear=0.12,
               hoods=(), rangefinder=None, barbette=None, bore=1.0, fill='turret'):
        """A main gun turret centred at x on a base at height `base`.

        face: how much of the front (as a share of the height) slopes back; rear: the rounding of
        the back; hoods: sighting hoods on the roof, as positions along it (0 back .. 1 front);
        rangefinder: (position along, radius) of a rangefinder's end seen across the turret."""
        f = facing
        back_x, front_x = x - f * length / 2, x + f * length / 2
        if barbette is not None:
            bw = length * 0.62
            self.poly(rect(x - bw / 2, barbette, x + bw / 2, base + 0.3), 'barbette')
            self.rounded([(x - f * bw / 2, barbette), (x - f * bw / 2, base)],
                         [(x + f * bw / 2, barbette), (x + f * bw / 2, base)])
        self.barrel(front_x - f * length * 0.08, base + height * 0.42, barrel, f, elev, w0=0.9 * bore,
                    w1=0.55 * bore)
        top = base + height
        shape = [(back_x, base), (back_x, top - rear * height),
                 (back_x + f * rear * height, top),
                 (front_x - f * face * height * 1.1, top),
                 (front_x, top - face * height), (front_x, base)]
        self.poly(shape, fill)
        # The sloped face catches the light, the side below the roof is in shadow.
        self.poly([(front_x - f * face * height * 1.1, top), (front_x, top - face * height),
                   (front_x, top - face * height - 0.25), (front_x - f * face * height * 1.1, top - 0.25)],
                  'light', 0)
        self.poly([(back_x, base), (back_x, base + height * 0.22), (front_x, base + height * 0.22),
                   (front_x, base)], 'shade', 0)
        for p in hoods:
            hx = back_x + f * length * p
            self.poly([(hx - 0.9, top - 0.05), (hx - 0.6, top + 0.55), (hx + 0.6, top + 0.55),
                       (hx + 0.9, top - 0.05)], fill, 0.7)
        if rangefinder:
            p, r = rangefinder
            # Its armoured hood stands out from the side, a little darker underneath.
            cx, cy = back_x + f * length * p, top - r * 0.6
            self.circle(cx, cy, r, fill, 0.6)
            self.poly(arc(cx, cy, r, r, 200, 340, 8), 'shade', 0)
        return top

    def mount(self, x, base, w, hgt, facing, barrel, elev=8.0, bore=0.45, fill='upper', roof=0.35):
        """A secondary gun mount in its enclosed gunhouse."""
        f = facing
        self.barrel(x + f * w * 0.4, base + hgt * 0.45, barrel, f, elev, w0=bore, w1=bore * 0.7, sleeve=0.2)
        self.poly([(x - f * w / 2, base), (x - f * w / 2, base + hgt),
                   (x + f * (w / 2 - roof * hgt), base + hgt), (x + f * w / 2, base + hgt * (1 - roof)),
                   (x + f * w / 2, base)], fill)
        self.poly(rect(x - w / 2, base, x + w / 2, base + hgt * 0.25), 'shade', 0)

    def aa(self, x, base, facing=1, size=1.0, elev=35.0, guns=1):
        """A light anti-aircraft gun behind its shield."""
        f = facing
        for i in range(guns):
            self.barrel(x + f * 0.3 * size, base + 1.0 * size + 0.12 * i, 2.6 * size, f, elev,
                        w0=0.22 * size, w1=0.16 * size, sleeve=0.0, fill='mast')
        self.poly([(x - f * 0.9 * size, base), (x - f * 0.9 * size, base + 0.9 * size),
                   (x + f * 0.6 * size, base + 1.35 * size), (x + f * 0.9 * size, base)], 'upper', 0.7)

    # -- fittings -----------------------------------------------------------------------------

    def dome(self, x, h, r, base=0.8, fill='upper'):
        """A rangefinder cupola or a stabilised director: a dome on a short drum."""
        self.poly(rect(x - r, h, x + r, h + base), fill)
        self.poly([(x - r, h + base)] + arc(x, h + base, r, r * 0.95, 180, 0) + [(x + r, h + base)], fill)
        self.poly(arc(x, h + base, r, r * 0.95, 60, 0) + arc(x, h + base, r * 0.6, r * 0.55, 0, 60), 'shade', 0)

    def director(self, x, h, w, hgt, fill='upper', ends=None):
        """A fire control director: a box, with the ends of its rangefinder arms seen across it."""
        self.poly([(x - w / 2, h), (x - w / 2, h + hgt), (x + w / 2 - hgt * 0.3, h + hgt),
                   (x + w / 2, h + hgt * 0.7), (x + w / 2, h)], fill)
        self.poly(rect(x - w / 2, h, x + w / 2, h + hgt * 0.25), 'shade', 0)
        if ends:
            # The rangefinder's end hood on the near side.
            cx, cy = x + ends[0], h + hgt * 0.5
            self.circle(cx, cy, ends[1], fill, 0.6)
            self.poly(arc(cx, cy, ends[1], ends[1], 200, 340, 8), 'shade', 0)

    def boat(self, x, h, length, height=1.3, fill='boat', cover='canvas'):
        self.poly([(x - length / 2, h + height), (x + length / 2, h + height),
                   (x + length / 2 - height * 0.7, h + 0.1), (x - length / 2 + height * 0.4, h)], fill, 0.7)
        self.poly([(x - length * 0.4, h + height), (x - length * 0.35, h + height * 1.35),
                   (x + length * 0.35, h + height * 1.35), (x + length * 0.4, h + height)], cover, 0.5)

    def crane(self, x, h0, h1, jib, angle, back=False):
        """A crane post with its jib slewed fore and aft."""
        top = self.pole(x, h0, h1, 0.7, back=back, fill='upper')
        a = math.radians(angle)
        end = (x + jib * math.cos(a), h0 + (h1 - h0) * 0.35 + jib * math.sin(a))
        self.line([(x, h0 + (h1 - h0) * 0.35), end], 0.45, 'mast', back=back)
        self.line([top, end], 0.1, 'rigging', back=back)
        self.line([end, (end[0], end[1] - 3.0)], 0.08, 'rigging', back=back)

    def catapult(self, x0, x1, h, height=0.8):
        """A catapult's girder track, lattice-sided."""
        self.poly(rect(x0, h, x1, h + height), 'mast', 0.5)
        n = max(2, int((x1 - x0) / 1.2))
        for i in range(n):
            a = x0 + (x1 - x0) * i / n
            b = x0 + (x1 - x0) * (i + 1) / n
            self.line([(a, h + 0.1), (b, h + height - 0.1)], 0.1, 'upper', minimum=0.3)

    def floatplane(self, x, h, span, facing=1, fill='plane', monoplane=True):
        """A floatplane sitting on its catapult or trolley, `span` long from spinner to rudder,
        nose towards `facing`."""
        f = facing
        s = span / 11.0

        def p(u, v):
            return (x + f * u * s, h + v * s)
        # The main float and its struts.
        self.poly([p(-3.0, 0.0), p(3.6, 0.0), p(4.4, 0.5), p(3.8, 0.8), p(-2.6, 0.75)], fill, 0.6)
        self.line([p(1.6, 0.8), p(1.0, 2.0)], 0.14 * s, 'ink', minimum=0.3)
        self.line([p(-0.6, 0.8), p(-0.2, 2.0)], 0.14 * s, 'ink', minimum=0.3)
        # Fuselage, tail and cockpit canopy.
        self.poly([p(4.8, 2.6), p(4.6, 3.3), p(2.5, 3.7), p(-3.6, 3.0), p(-5.5, 3.0), p(-5.6, 4.8),
                   p(-4.6, 4.9), p(-3.8, 3.4), p(-3.4, 2.5), p(2.6, 2.1)], fill, 0.7)
        self.poly([p(2.4, 3.6), p(1.8, 4.3), p(-0.8, 4.2), p(-1.4, 3.4)], 'glass', 0.5)
        # The wing seen edge on, and the propeller disc.
        self.poly([p(2.6, 2.7 if monoplane else 4.6), p(-0.8, 2.9 if monoplane else 4.8),
                   p(-0.8, 3.2 if monoplane else 5.0), p(2.6, 3.1 if monoplane else 4.9)], fill, 0.6)
        if not monoplane:
            self.poly([p(2.6, 2.3), p(-0.6, 2.4), p(-0.6, 2.7), p(2.6, 2.6)], fill, 0.6)
            self.line([p(1.5, 2.6), p(1.5, 4.7)], 0.1 * s, 'ink', minimum=0.3)
        self.line([p(5.0, 1.6), p(5.0, 3.9)], 0.12 * s, 'rigging', minimum=0.3)

    def floatplane_head_on(self, x, h, span, fill='plane', biplane=False):
        """A floatplane seen from ahead, sitting across the ship on its catapult: the wing a
        long thin line, the engine cowling, two floats under it (a flying boat's hull and
        upper wing when biplane)."""
        s = span / 12.0
        wings = (3.0, 5.4) if biplane else (3.0,)
        for wh in wings:
            self.poly([(x - 6.0 * s, h + wh * s), (x + 6.0 * s, h + (wh + 0.2) * s),
                       (x + 6.0 * s, h + (wh + 0.45) * s), (x - 6.0 * s, h + (wh + 0.25) * s)], fill, 0.6)
        if biplane:
            for side in (-1, 1):
                self.line([(x + side * 3.5 * s, h + 3.3 * s), (x + side * 3.5 * s, h + 5.4 * s)],
                          0.1 * s, 'ink', minimum=0.3)
            self.poly([(x - 0.9 * s, h + 0.6 * s), (x - 1.0 * s, h + 3.2 * s), (x + 1.0 * s, h + 3.2 * s),
                       (x + 0.9 * s, h + 0.6 * s)], fill, 0.6)
            self.circle(x, h + 4.6 * s, 0.7 * s, fill, 0.6)
            return
        self.circle(x, h + 3.1 * s, 0.75 * s, fill, 0.6)
        self.poly([(x - 0.15 * s, h + 3.8 * s), (x - 0.15 * s, h + 5.0 * s), (x + 0.15 * s, h + 5.0 * s),
                   (x + 0.15 * s, h + 3.8 * s)], fill, 0.6)
        for side in (-1, 1):
            fx = x + side * 1.7 * s
            self.line([(fx, h + 0.8 * s), (fx - side * 0.6 * s, h + 3.0 * s)], 0.12 * s, 'ink', minimum=0.3)
            self.poly([(fx - 0.45 * s, h), (fx - 0.45 * s, h + 0.8 * s), (fx + 0.45 * s, h + 0.8 * s),
                       (fx + 0.45 * s, h)], fill, 0.5)

    def radar(self, x, h, w, hgt, back=True):
        """A bedspring radar aerial on its frame, seen across."""
        self.poly(rect(x - w / 2, h, x + w / 2, h + hgt), 'none', 0.5, back=back)
        for i in range(1, 4):
            self.line([(x - w / 2, h + hgt * i / 4), (x + w / 2, h + hgt * i / 4)], 0.08, 'mast',
                      back=back, minimum=0.3)
        for i in range(1, 6):
            self.line([(x - w / 2 + w * i / 6, h), (x - w / 2 + w * i / 6, h + hgt)], 0.08, 'mast',
                      back=back, minimum=0.3)


def frange(a, b, step):
    out = []
    x = a
    while x <= b + 1e-9:
        out.append(x)
        x += step
    return out


def arc(cx, cy, rx, ry, a0, a1, n=12):
    """Points along an ellipse from a0 to a1 degrees (0 = forward, 90 = up)."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def plate_palette(hull, upper, turret, funnel, deck='#8a7b62', ink='#1d1a19', boot='#2a2524',
                  cap='#1b1b1c', boat='#b9b2a0', canvas='#8b8470', plane='#9aa09a',
                  glass='#4f6272', window='#201d1c',
                  shade=(0.08, 0.1, 0.16, 0.30), light=(1.0, 0.98, 0.92, 0.26)):
    """The washes of one ship. shade and light are the translucent washes laid over a part's
    dark and lit sides."""
    up = hexc(upper)
    return {
        'hull': hull, 'upper': upper, 'turret': turret, 'funnel': funnel, 'deck': deck,
        'ink': ink, 'boot': boot, 'cap': cap, 'boat': boat, 'canvas': canvas, 'plane': plane,
        'glass': glass, 'window': window,
        'mast': css(mix(up, hexc(ink), 0.45)),
        'gun': turret,
        'gunroot': css(mix(hexc(turret), hexc(ink), 0.35)),
        'barbette': turret,
        'rigging': css(mix(up, hexc(ink), 0.6), 0.75),
        'inkfaint': css(hexc(ink), 0.45),
        'shade': css(shade[:3], shade[3]),
        'light': css(light[:3], light[3]),
        'none': 'none',
    }


def plate_mvg(ship, x0, wl, scale, pal, ink_px=0.7, stretch=1.0):
    """The ship as drawing commands: scale pixels a metre, the stern at x0, the waterline at
    wl, heights stretched by `stretch`."""
    def pt(p):
        return f'{x0 + p[0] * scale:.2f},{wl - p[1] * scale * stretch:.2f}'

    def outline(fill):
        if fill in ('none', 'shade', 'light'):
            return pal['ink']
        return css(mix(hexc(pal[fill]), hexc(pal['ink']), 0.78))

    out = ['stroke-linecap round', 'stroke-linejoin round']
    for item in ship.back + ship.items:
        kind = item[0]
        if kind == 'poly':
            _, pts, fill, ink = item
            # A part is painted in a palette colour by name, a flag in colours of its own.
            own = fill.startswith(('#', 'rgb'))
            colour = fill if own else pal[fill]
            if ink > 0:
                stroke = pal['ink'] if own else outline(fill)
                out.append(f"fill {quote(colour)} stroke '{stroke}' stroke-width {ink_px * ink:.2f} "
                           f"polygon {' '.join(pt(p) for p in pts)}")
            else:
                out.append(f"fill {quote(colour)} stroke none polygon {' '.join(pt(p) for p in pts)}")
        elif kind == 'line':
            _, pts, width, colour, minimum = item
            w = max(minimum * ink_px / 0.7, width * scale)
            out.append(f"fill none stroke {quote(pal[colour])} stroke-width {w:.2f} "
                       f"polyline {' '.join(pt(p) for p in pts)}")
        else:
            _, (x, h), r, fill, ink = item
            cx, cy = x0 + x * scale, wl - h * scale * stretch
            stroke = f"stroke '{pal['ink']}' stroke-width {ink_px * ink:.2f}" if ink > 0 else 'stroke none'
            out.append(f"fill {quote(pal[fill])} {stroke} ellipse {cx:.2f},{cy:.2f} "
                       f"{r * scale:.2f},{r * scale * stretch:.2f} 0,360")
    return '\n'.join(out)


def quote(colour):
    return f"'{colour}'"
