#!/usr/bin/env bash
# Draws the game's pictures: flags, navy badges, ship illustrations, the title and intro art,
# the menu pictures, the panels under the board and the window icon.
#
#   tools/make_pictures.sh            every picture
#   tools/make_pictures.sh BISMARCK   only the pictures named (ICON for the window icon)
#
# Writes assets/pictures/NAME.jpg and assets/icons/korvald.png. Needs python3 and imagemagick
# (/usr/bin/convert). Everything is drawn from code with fixed random seeds, so running it again
# gives the same pictures. The game's build never runs this. KEEP_TMP=1 keeps the work folder
# with every layer, for looking into a picture that came out wrong.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
exec python3 - "$here" "$@" <<'PY'
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = sys.argv[1]
ONLY = {n.upper() for n in sys.argv[2:]}
PICTURES = os.path.join(ROOT, 'assets', 'pictures')
ICONS = os.path.join(ROOT, 'assets', 'icons')
TITLE_FONT = os.path.join(ROOT, 'assets', 'fonts', 'blankenburg.ttf')
CONVERT = '/usr/bin/convert'
TMP = tempfile.mkdtemp(prefix='korvald-pictures-')


def text_font():
    """A bold serif for small lettering (the title itself is always blackletter)."""
    try:
        path = subprocess.run(['fc-match', '-f', '%{file}', 'P052:bold'], check=True,
                              capture_output=True, text=True).stdout.strip()
        if path and os.path.exists(path):
            return path
    except (OSError, subprocess.CalledProcessError):
        pass
    return TITLE_FONT


def im(*args):
    subprocess.run([CONVERT, *[str(a) for a in args]], check=True)


def tmp(name):
    return os.path.join(TMP, name)


def save_jpeg(source, name):
    out = os.path.join(PICTURES, name + '.jpg')
    im(source, '-strip', '-sampling-factor', '1x1', '-quality', '90', out)
    print('wrote', os.path.relpath(out, ROOT))


# ---------------------------------------------------------------------------------------------
# Colour and noise helpers

def hexc(text):
    text = text.lstrip('#')
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def smooth(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3 - 2 * t)


def ramp(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


def css(c, alpha=None):
    r, g, b = (int(round(clamp(v) * 255)) for v in c)
    if alpha is None:
        return f'#{r:02x}{g:02x}{b:02x}'
    return f'rgba({r},{g},{b},{alpha:.3f})'


class Noise:
    """Smooth value noise on a wrapping lattice, and fractal sums of it."""

    def __init__(self, seed, size=256):
        rnd = random.Random(seed)
        self.n = size
        self.v = [rnd.random() for _ in range(size * size)]

    def value(self, x, y):
        xf = math.floor(x)
        yf = math.floor(y)
        fx = x - xf
        fy = y - yf
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        n = self.n
        x0 = int(xf) % n
        y0 = int(yf) % n
        x1 = (x0 + 1) % n
        r0 = y0 * n
        r1 = ((y0 + 1) % n) * n
        v = self.v
        a = v[r0 + x0] + (v[r0 + x1] - v[r0 + x0]) * fx
        b = v[r1 + x0] + (v[r1 + x1] - v[r1 + x0]) * fx
        return a + (b - a) * fy

    def fbm(self, x, y, octaves=5):
        total = 0.0
        amp = 0.5
        norm = 0.0
        for i in range(octaves):
            total += amp * self.value(x + i * 31.7, y + i * 17.3)
            norm += amp
            amp *= 0.5
            x *= 2.03
            y *= 2.03
        return total / norm


def write_ppm(path, w, h, pixel_rows):
    with open(path, 'wb') as f:
        f.write(b'P6\n%d %d\n255\n' % (w, h))
        for row in pixel_rows:
            f.write(row)


# ---------------------------------------------------------------------------------------------
# Sky and sea

def seascape(path, w, h, horizon, sky, sea_far, sea_near, seed, cover=0.45,
             cloud_lit='#ffffff', cloud_shade='#7a8796', cloud_scale=1.0, sun=None,
             sun_colour='#fff2c8', glitter=0.0, chop=1.0, reflect=0.55, foam=0.0):
    """Renders a sky with a layer of clouds seen in perspective over a rippled sea.

    sky: (position, colour) stops from the top (0) to the horizon (1).
    sun: (x, y, radius) of the sun or a glow; it may sit below the horizon as an afterglow.
    """
    noise = Noise(seed)
    detail = Noise(seed + 101)
    sky = [(p, hexc(c)) for p, c in sky]
    sea_far = hexc(sea_far)
    sea_near = hexc(sea_near)
    lit = hexc(cloud_lit)
    shade = hexc(cloud_shade)
    sunc = hexc(sun_colour)
    cx = w / 2.0
    rnd = random.Random(seed)
    waves = []
    for i in range(7):
        length = 9.0 * (1.55 ** i) * chop ** 0.5
        angle = math.pi / 2 + rnd.uniform(0.15, 0.7) * (1 if i % 2 else -1)
        waves.append((length, math.cos(angle), math.sin(angle), rnd.uniform(0, 6.3),
                      0.5 ** (0.45 * i)))
    threshold = 0.72 - 0.32 * cover
    rows = []
    for y in range(h):
        row = bytearray()
        if y < horizon:
            dy = horizon - y
            t = y / float(horizon)
            base = ramp(sky, t)
            v = 170.0 * cloud_scale / (dy + 7.0)
            v_above = 170.0 * cloud_scale / (dy + 10.0)
            fade = smooth(2.0, 45.0, dy) if cover > 0 else 0.0
            for x in range(w):
                c = base
                if sun:
                    sx, sy, sr = sun
                    d = math.hypot(x - sx, (y - sy) * 1.25)
                    glow = 0.55 * math.exp(-d / (sr * 5.0)) + 0.35 * math.exp(-d / (sr * 1.6))
                    c = mix(c, sunc, clamp(glow))
                    if d < sr:
                        c = mix(c, (1.0, 0.98, 0.9), smooth(sr, sr * 0.7, d))
                if fade > 0:
                    u = (x - cx) * 1.3 * cloud_scale / (dy + 7.0)
                    d0 = noise.fbm(u, v)
                    a = smooth(threshold, threshold + 0.16, d0) * fade
                    if a > 0.002:
                        d1 = noise.fbm(u, v_above)
                        light = clamp(0.62 + (d0 - d1) * 9.0 - (d0 - threshold) * 1.4)
                        cc = mix(shade, lit, light)
                        if sun:
                            sd = math.hypot(x - sun[0], y - sun[1])
                            cc = mix(cc, sunc, clamp(0.65 * math.exp(-sd / (sun[2] * 6.0))) * light)
                        c = mix(c, cc, a)
                g = (detail.value(x * 0.9, y * 0.9) - 0.5) * 0.018
                row += bytes(int(clamp(ch + g) * 255) for ch in c)
        else:
            dy = y - horizon + 0.8
            t = (y - horizon) / float(max(1, h - horizon))
            base = mix(sea_far, sea_near, t ** 0.6)
            fresnel = reflect * (1.0 - 0.55 * t ** 0.5)
            # Eye 30 units above the water, focal length the picture's width.
            wz = 30.0 * w / dy
            foot_z = 30.0 * w / (dy * dy)
            foot_x = 30.0 / dy
            for x in range(w):
                wx = (x - cx) * 30.0 / dy
                slope = 0.0
                for length, cx_, cz_, phase, amp in waves:
                    footprint = abs(cx_) * foot_x + abs(cz_) * foot_z
                    att = clamp((length / footprint - 2.0) / 3.0)
                    if att <= 0.0:
                        continue
                    k = 6.2832 / length
                    slope += amp * att * cz_ * math.cos(k * (cx_ * wx + cz_ * wz) + phase)
                patch = 0.65 + 0.7 * detail.value(wx * 0.012, wz * 0.004)
                slope *= patch * 0.55
                refl = ramp(sky, clamp(0.97 - slope * 0.55 - 0.08 * (1 - t)))
                c = mix(base, refl, clamp(fresnel * (0.75 + slope * 0.6)))
                c = mix(c, (c[0] * 0.7, c[1] * 0.7, c[2] * 0.7), clamp(-slope * 0.5))
                if sun and glitter > 0:
                    sx = sun[0]
                    spread = 4.0 + dy * 0.85
                    band = math.exp(-((x - sx) / spread) ** 2)
                    spark = smooth(0.15, 0.75, slope) * band * glitter
                    c = mix(c, sunc, clamp(spark))
                if foam > 0:
                    f = smooth(0.72, 0.9, detail.fbm(wx * 0.05, wz * 0.012, 3)) * smooth(0.2, 0.8, slope)
                    c = mix(c, (0.9, 0.93, 0.95), clamp(f * foam * (0.4 + t)))
                row += bytes(int(clamp(ch) * 255) for ch in c)
        rows.append(bytes(row))
    write_ppm(path, w, h, rows)


# ---------------------------------------------------------------------------------------------
# Ships in profile. A ship is drawn bow to the right in units of its length (0 stern .. 1 bow),
# heights above the waterline in the same units.

class Ship:
    """A ship's profile as an ordered list of shapes; later shapes cover earlier ones."""

    def __init__(self):
        self.back = []    # masts and rigging, drawn behind everything
        self.items = []   # ('poly', key, points) or ('line', key, width, points)
        self.deck = []
        self.funnel_tops = []

    def deck_at(self, x):
        pts = self.deck
        if x <= pts[0][0]:
            return pts[0][1]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
            if x <= x1:
                return y0 + (y1 - y0) * (x - x0) / (x1 - x0)
        return pts[-1][1]

    def poly(self, key, pts):
        self.items.append(('poly', key, pts))

    def line(self, key, width, pts):
        self.items.append(('line', key, width, pts))

    def hull(self, deck, bow='straight', stern='round', portholes=0.55):
        self.deck = deck
        top = deck[-1][1]
        # The far side of the deck shows as a strip above the near edge (we look from a
        # little above the water), meeting it at the stem and the stern.
        far = [(0.0, deck[0][1])]
        for x, y in deck[1:-1]:
            far.append((x, y + 0.011 * smooth(0.0, 0.12, x) * smooth(1.0, 0.82, x)))
        far.append((1.0, top))
        self.poly('deck', list(reversed(far)) + [(0.0, deck[0][1])] + deck[1:-1] + [(1.0, top)])
        pts = [(0.012, -0.004)]
        if stern == 'round':
            pts += [(0.002, deck[0][1] * 0.55), (0.0, deck[0][1])]
        else:
            pts += [(0.0, deck[0][1] * 0.4), (0.0, deck[0][1])]
        pts += deck[1:-1]
        if bow == 'clipper':
            pts += [(1.0, top), (0.992, top * 0.6), (0.978, top * 0.25), (0.962, -0.004)]
        else:
            pts += [(1.0, top), (0.982, -0.004)]
        self.poly('hull', pts)
        self.line('edge', 0.0025, [(0.0, deck[0][1])] + deck[1:-1] + [(1.0, top)])
        # Boot topping just above the water.
        self.poly('boot', [(0.012, -0.004), (0.006, 0.005), (0.975, 0.005), (0.982, -0.004)])
        if portholes:
            x = 0.06
            while x < 0.93:
                y = self.deck_at(x) * portholes
                self.poly('window', [(x, y), (x + 0.0035, y), (x + 0.0035, y + 0.003), (x, y + 0.003)])
                x += 0.014 if 0.3 < x < 0.7 else 0.022
        # Hawse pipe for the anchor.
        self.poly('window', [(0.955, top * 0.72), (0.965, top * 0.72), (0.965, top * 0.8),
                             (0.955, top * 0.8)])

    def block(self, x0, x1, top, bottom=None, key='super', front=0.0, back=0.0, windows=0):
        if bottom is None:
            bottom = min(self.deck_at(x0), self.deck_at(x1)) - 0.002
        self.poly(key, [(x0, bottom), (x0 + back, top), (x1 - front, top), (x1, bottom)])
        self.poly('roof', [(x0 + back, top), (x0 + back + 0.003, top + 0.004),
                           (x1 - front - 0.003, top + 0.004), (x1 - front, top)])
        if windows:
            y = top - 0.009
            step = (x1 - front - x0 - back - 0.01) / windows
            for i in range(windows):
                wx = x0 + back + 0.006 + i * step
                self.poly('window', [(wx, y), (wx + step * 0.55, y), (wx + step * 0.55, y + 0.004),
                                     (wx, y + 0.004)])

    def funnel(self, x, width, bottom, top, rake=0.0, cap=0.012):
        half = width / 2
        self.poly('funnel', [(x - half, bottom), (x - half - rake, top), (x + half - rake, top),
                             (x + half, bottom)])
        r = rake * cap / (top - bottom)
        self.poly('cap', [(x - half - rake + r, top - cap), (x - half - rake, top),
                          (x + half - rake, top), (x + half - rake + r, top - cap)])
        self.poly('roof', [(x - half - rake, top), (x - half - rake + 0.004, top + 0.004),
                           (x + half - rake - 0.004, top + 0.004), (x + half - rake, top)])
        self.funnel_tops.append((x - rake, top))

    def turret(self, x, base, width, height, barrel, facing=1, guns=2, elev=0.05, barbette=None):
        if barbette is not None:
            bw = width * 0.62
            self.poly('super', [(x - bw / 2, barbette), (x - bw / 2, base), (x + bw / 2, base),
                                (x + bw / 2, barbette)])
        f = facing
        h = width / 2
        face = x + f * h
        self.line('gun', 0.0045 + 0.0009 * guns,
                  [(face - f * 0.01, base + height * 0.5),
                   (face + f * barrel, base + height * 0.5 + barrel * elev)])
        self.line('gun', 0.0075 + 0.001 * guns,
                  [(face - f * 0.005, base + height * 0.5),
                   (face + f * barrel * 0.25, base + height * 0.5 + barrel * 0.25 * elev)])
        self.poly('turret', [(x - f * h, base), (x - f * h, base + height * 0.92),
                             (x - f * (h - 0.004), base + height),
                             (face - f * width * 0.3, base + height),
                             (face, base + height * 0.45), (face, base)])
        self.poly('roof', [(x - f * (h - 0.004), base + height),
                           (x - f * (h - 0.006), base + height + 0.006),
                           (face - f * width * 0.34, base + height + 0.006),
                           (face - f * width * 0.3, base + height)])
        self.poly('dark', [(x - f * h, base), (face, base), (face, base + height * 0.1),
                           (x - f * h, base + height * 0.1)])

    def mount(self, x, base, facing=1, size=0.022):
        """A small gun mount or director."""
        self.turret(x, base, size, size * 0.45, size * 1.1, facing, 1, 0.15)

    def boat(self, x, base, length):
        self.poly('boat', [(x - length / 2, base + 0.006), (x + length / 2, base + 0.006),
                           (x + length / 2 - 0.004, base), (x - length / 2 + 0.006, base)])

    def mast(self, x, bottom, top, yards=(), tripod=0.0, key='mast', width=0.0035):
        self.back.append((key, width, [(x, bottom), (x, top)]))
        if tripod:
            self.back.append((key, width * 0.8, [(x - tripod, bottom), (x, top - (top - bottom) * 0.35)]))
        for y, span in yards:
            self.back.append((key, width * 0.6, [(x - span, y), (x + span, y)]))

    def stay(self, points):
        self.back.append(('mast', 0.0012, points))


def king_george_v():
    s = Ship()
    s.hull([(0.0, 0.04), (0.2, 0.037), (0.55, 0.038), (0.8, 0.045), (0.92, 0.052), (1.0, 0.06)])
    s.mast(0.56, 0.11, 0.215, yards=[(0.185, 0.022)], tripod=0.018)
    s.mast(0.375, 0.09, 0.19, yards=[(0.168, 0.016)], tripod=0.014)
    s.stay([(0.375, 0.19), (0.56, 0.215)])
    s.block(0.33, 0.665, 0.062, windows=9)
    s.block(0.40, 0.645, 0.081, 0.06)
    s.boat(0.45, 0.081, 0.04)
    s.boat(0.49, 0.081, 0.035)
    s.block(0.55, 0.635, 0.118, 0.079, front=0.01, windows=4)
    s.block(0.565, 0.62, 0.134, 0.116, front=0.006)
    s.block(0.577, 0.612, 0.146, 0.132, key='dark')
    s.block(0.335, 0.395, 0.079, 0.06)
    s.block(0.345, 0.385, 0.099, 0.078, key='dark')
    s.funnel(0.505, 0.036, 0.079, 0.136, rake=0.004)
    s.funnel(0.425, 0.036, 0.079, 0.128, rake=0.004)
    s.mount(0.62, 0.081, 1, 0.03)
    s.mount(0.39, 0.081, -1, 0.03)
    s.mount(0.655, 0.062, 1, 0.026)
    s.mount(0.35, 0.062, -1, 0.026)
    s.turret(0.775, 0.045, 0.074, 0.026, 0.075, 1, 4, 0.04)
    s.turret(0.697, 0.064, 0.058, 0.023, 0.068, 1, 2, 0.05, barbette=0.042)
    s.turret(0.225, 0.036, 0.074, 0.026, 0.075, -1, 4, 0.04)
    return s


def bismarck():
    s = Ship()
    s.hull([(0.0, 0.037), (0.25, 0.036), (0.6, 0.038), (0.82, 0.047), (0.93, 0.056), (1.0, 0.064)],
           bow='clipper')
    s.mast(0.607, 0.12, 0.205, yards=[(0.178, 0.02)])
    s.mast(0.425, 0.08, 0.178, yards=[(0.155, 0.017)], tripod=0.01)
    s.stay([(0.425, 0.178), (0.607, 0.205)])
    s.block(0.34, 0.665, 0.061, windows=10)
    s.block(0.385, 0.645, 0.079, 0.06)
    s.boat(0.535, 0.079, 0.035)
    s.boat(0.455, 0.079, 0.03)
    s.block(0.578, 0.642, 0.122, 0.078, front=0.008, windows=4)
    s.block(0.59, 0.625, 0.15, 0.12, front=0.004, back=0.004)
    s.block(0.576, 0.64, 0.133, 0.126, key='dark')
    s.block(0.355, 0.405, 0.1, 0.078, front=0.004)
    s.block(0.35, 0.41, 0.108, 0.1, key='dark')
    s.funnel(0.495, 0.05, 0.078, 0.131, rake=0.0, cap=0.009)
    for x, f in ((0.64, 1), (0.565, 1), (0.445, -1), (0.375, -1)):
        s.mount(x, 0.061, f, 0.032)
    s.turret(0.772, 0.047, 0.058, 0.025, 0.07, 1, 2, 0.04)
    s.turret(0.705, 0.064, 0.058, 0.025, 0.07, 1, 2, 0.05, barbette=0.042)
    s.turret(0.305, 0.061, 0.058, 0.025, 0.07, -1, 2, 0.05, barbette=0.035)
    s.turret(0.232, 0.037, 0.058, 0.025, 0.07, -1, 2, 0.04)
    return s


def washington():
    s = Ship()
    s.hull([(0.0, 0.034), (0.25, 0.035), (0.55, 0.042), (0.78, 0.052), (0.92, 0.061), (1.0, 0.068)])
    s.mast(0.59, 0.14, 0.215, yards=[(0.19, 0.02)], tripod=0.012)
    s.mast(0.44, 0.14, 0.19, yards=[(0.17, 0.016)])
    s.block(0.35, 0.65, 0.066, windows=10)
    s.block(0.39, 0.625, 0.086, 0.064)
    s.boat(0.49, 0.086, 0.03)
    s.block(0.56, 0.63, 0.138, 0.085, front=0.008, windows=4)
    s.block(0.572, 0.612, 0.156, 0.136, key='dark', front=0.004, back=0.004)
    s.block(0.365, 0.4, 0.11, 0.085, key='dark')
    s.funnel(0.515, 0.038, 0.085, 0.145, rake=0.003)
    s.funnel(0.452, 0.038, 0.085, 0.14, rake=0.003)
    for x, base, f in ((0.64, 0.066, 1), (0.6, 0.086, 1), (0.41, 0.086, -1), (0.37, 0.066, -1)):
        s.mount(x, base, f, 0.032)
    s.turret(0.765, 0.051, 0.072, 0.027, 0.072, 1, 3, 0.04)
    s.turret(0.69, 0.071, 0.072, 0.027, 0.072, 1, 3, 0.05, barbette=0.046)
    s.turret(0.245, 0.036, 0.072, 0.027, 0.072, -1, 3, 0.04)
    return s


def yamato():
    s = Ship()
    s.hull([(0.0, 0.03), (0.2, 0.032), (0.45, 0.038), (0.62, 0.04), (0.7, 0.045), (0.85, 0.057),
            (1.0, 0.068)], bow='clipper')
    s.mast(0.433, 0.08, 0.18, yards=[(0.16, 0.018)], tripod=0.016)
    s.mast(0.59, 0.18, 0.215, yards=[(0.2, 0.01)])
    s.block(0.35, 0.645, 0.062, windows=10)
    s.block(0.38, 0.625, 0.083, 0.06)
    s.block(0.555, 0.625, 0.112, 0.082, front=0.006, windows=4)
    s.block(0.565, 0.615, 0.147, 0.11, front=0.004, back=0.003, windows=3)
    s.block(0.572, 0.607, 0.176, 0.145, front=0.003, back=0.003)
    s.block(0.55, 0.632, 0.183, 0.175, key='dark')
    s.block(0.578, 0.6, 0.195, 0.182, key='dark')
    s.funnel(0.49, 0.052, 0.082, 0.138, rake=0.022, cap=0.008)
    s.mount(0.53, 0.083, 1, 0.024)
    s.mount(0.44, 0.083, -1, 0.024)
    s.turret(0.632, 0.062, 0.036, 0.018, 0.04, 1, 3, 0.08)
    s.turret(0.37, 0.062, 0.036, 0.018, 0.04, -1, 3, 0.08)
    s.turret(0.738, 0.047, 0.084, 0.03, 0.078, 1, 3, 0.04)
    s.turret(0.66, 0.07, 0.084, 0.03, 0.078, 1, 3, 0.05, barbette=0.044)
    s.turret(0.285, 0.04, 0.084, 0.03, 0.078, -1, 3, 0.04)
    s.stay([(0.02, 0.03), (0.06, 0.075)])
    return s


def cruiser():
    s = Ship()
    s.hull([(0.0, 0.05), (0.3, 0.05), (0.7, 0.055), (1.0, 0.075)], bow='clipper')
    s.mast(0.6, 0.13, 0.24, yards=[(0.21, 0.02)], tripod=0.015)
    s.mast(0.4, 0.1, 0.2, yards=[(0.18, 0.015)])
    s.block(0.35, 0.67, 0.08, windows=8)
    s.block(0.58, 0.66, 0.135, 0.078, front=0.01, windows=3)
    s.funnel(0.53, 0.04, 0.078, 0.15, rake=0.01)
    s.funnel(0.455, 0.04, 0.078, 0.145, rake=0.01)
    s.turret(0.8, 0.058, 0.06, 0.027, 0.06, 1, 2)
    s.turret(0.72, 0.08, 0.06, 0.027, 0.06, 1, 2, barbette=0.055)
    s.turret(0.28, 0.08, 0.06, 0.027, 0.06, -1, 2, barbette=0.05)
    s.turret(0.2, 0.052, 0.06, 0.027, 0.06, -1, 2)
    return s


def destroyer():
    s = Ship()
    s.hull([(0.0, 0.045), (0.55, 0.045), (0.62, 0.07), (1.0, 0.08)], portholes=0.0)
    s.mast(0.66, 0.12, 0.25, yards=[(0.22, 0.03)], tripod=0.02)
    s.block(0.6, 0.72, 0.13, 0.068, front=0.015, windows=3)
    s.block(0.3, 0.6, 0.07)
    s.funnel(0.52, 0.05, 0.068, 0.16, rake=0.015)
    s.funnel(0.4, 0.05, 0.068, 0.155, rake=0.015)
    s.turret(0.83, 0.078, 0.05, 0.03, 0.05, 1, 1)
    s.turret(0.76, 0.095, 0.05, 0.03, 0.05, 1, 1, barbette=0.07)
    s.turret(0.2, 0.045, 0.05, 0.03, 0.05, -1, 1)
    s.turret(0.12, 0.045, 0.05, 0.03, 0.05, -1, 1)
    return s


def palette(hull, sup, turret, funnel, cap, dark, mast, deck, roof, boot, boat='#9a9588',
            window='#1a1c20'):
    return dict(hull=hull, super=sup, turret=turret, funnel=funnel, cap=cap, dark=dark,
                mast=mast, gun=mast, edge=roof, roof=roof, deck=deck, boot=boot, boat=boat,
                window=window)


PALETTES = {
    'rn': palette('#4f575f', '#737c84', '#5d666e', '#6b747c', '#17191b', '#32383e', '#262a2e',
                  '#8b7658', '#aab3ba', '#262729'),
    'km': palette('#484d52', '#666b70', '#54595e', '#60686d', '#2f3235', '#2e3236', '#202326',
                  '#7d6d58', '#a2a8ad', '#3a2826'),
    'us': palette('#2f3a52', '#4d5872', '#3f4a62', '#48546c', '#151922', '#252c3c', '#1c2230',
                  '#3c465a', '#8893aa', '#181b22', boat='#6a7388'),
    'ijn': palette('#545b59', '#747b79', '#626967', '#6c7371', '#202322', '#363b3a', '#252928',
                   '#a0916f', '#b3bbb7', '#47282a'),
}


def dim_palette(pal, towards, amount):
    return {k: css(mix(hexc(v), hexc(towards), amount)) for k, v in pal.items()}


def silhouette_palette(colour, edge):
    pal = {k: colour for k in PALETTES['rn']}
    pal['edge'] = pal['roof'] = edge
    return pal


def ship_mvg(ship, x0, wl, length, pal, facing=1, scale_y=1.0):
    def pt(x, y):
        xx = x if facing > 0 else 1.0 - x
        return f'{x0 + xx * length:.2f},{wl - y * length * scale_y:.2f}'

    def outline(colour):
        return css(mix(hexc(colour), (0, 0, 0), 0.35))

    out = ['stroke-linecap round', 'stroke-linejoin round']
    for key, width, pts in ship.back:
        out.append(f"fill none stroke '{pal[key]}' stroke-width {max(0.8, width * length):.2f} "
                   f"polyline {' '.join(pt(*p) for p in pts)}")
    thin = max(0.4, length * 0.0012)
    for item in ship.items:
        if item[0] == 'poly':
            _, key, pts = item
            stroke = outline(pal[key]) if key not in ('roof', 'window', 'deck') else pal[key]
            out.append(f"fill '{pal[key]}' stroke '{stroke}' stroke-width {thin:.2f} "
                       f"polygon {' '.join(pt(*p) for p in pts)}")
        else:
            _, key, width, pts = item
            out.append(f"fill none stroke '{pal[key]}' stroke-width {max(0.6, width * length):.2f} "
                       f"polyline {' '.join(pt(*p) for p in pts)}")
    return '\n'.join(out)


def funnel_tops(ship, x0, wl, length, facing=1, scale_y=1.0):
    return [(x0 + (x if facing > 0 else 1 - x) * length, wl - y * length * scale_y)
            for x, y in ship.funnel_tops]


def smoke_mvg(tops, length, colour, drift=-1, rnd=None, puffs=26, alpha=0.5, rise=1.0):
    """A plume from each funnel, thinning and spreading as the wind carries it astern."""
    rnd = rnd or random.Random(3)
    out = []
    for fx, fy in tops:
        for i in range(puffs):
            t = i / float(puffs)
            r = length * (0.007 + 0.028 * t) * rnd.uniform(0.8, 1.2)
            x = fx + drift * length * 0.32 * t + rnd.uniform(-1, 1) * length * 0.006 * (1 + 3 * t)
            y = fy - length * (0.008 + rise * (0.035 * t + 0.04 * t * t)) + rnd.uniform(-1, 1) * length * 0.005
            col = mix(hexc(colour), (0.85, 0.86, 0.88), 0.25 * t)
            out.append(f"fill '{css(col, alpha * (1 - 0.8 * t))}' circle {x:.1f},{y:.1f} "
                       f"{x + r:.1f},{y:.1f}")
    return '\n'.join(out)


def draw_layer(path, w, h, mvg, blur=None):
    args = ['-size', f'{w}x{h}', 'xc:none', '-draw', mvg]
    if blur:
        args += ['-channel', 'RGBA', '-blur', blur, '+channel']
    im(*args, path)


def shade_layer(path, w, h, top, bottom, light=1.0, dark=0.72):
    """Darkens a ship layer towards the waterline, keeping its outline."""
    grad = tmp('shade.png')
    g0 = int(255 * light)
    g1 = int(255 * dark)
    im('-size', f'{w}x{max(1, bottom - top)}', f'gradient:rgb({g0},{g0},{g0})-rgb({g1},{g1},{g1})',
       '-background', f'rgb({g0},{g0},{g0})', '-gravity', 'north', '-splice', f'0x{max(0, top)}',
       '-background', f'rgb({g1},{g1},{g1})', '-gravity', 'south', '-extent', f'{w}x{h}', grad)
    im(path, '(', '+clone', grad, '-compose', 'Multiply', '-composite', ')',
       '(', path, '-alpha', 'extract', ')', '-delete', '0', '-alpha', 'off',
       '-compose', 'CopyOpacity', '-composite', path)


def reflection(layer, out, w, h, wl, strength=0.3, seed=5):
    """A broken, darker mirror image of the layer above the waterline, for the sea below it."""
    below = h - wl
    streaks = tmp('streaks.png')
    im('-size', f'{max(8, w // 10)}x{below}', 'xc:gray50', '-seed', seed, '-attenuate', '3',
       '+noise', 'Uniform', '-colorspace', 'gray', '-resize', f'{w}x{below}!',
       '-level', '30%,75%', streaks)
    im(layer, '-crop', f'{w}x{wl}+0+0', '+repage', '-flip', '-resize', f'{w}x{int(wl * 0.8)}!',
       '-background', 'none', '-gravity', 'north', '-extent', f'{w}x{below}',
       '-fill', '#101820', '-colorize', '35%',
       '(', streaks, '-alpha', 'copy', ')', '-compose', 'DstIn', '-composite',
       '-channel', 'A', '-evaluate', 'multiply', str(strength), '+channel',
       '-channel', 'RGBA', '-blur', '0x1', '+channel',
       '-background', 'none', '-gravity', 'south', '-extent', f'{w}x{h}', out)


def wake_mvg(x0, wl, length, facing=1, speed=1.0, alpha=0.75):
    """Foam on the water along the hull and the wash behind the stern (drawn under the ship)."""
    stern = x0 + (0.0 if facing > 0 else 1.0) * length
    mid = x0 + length / 2
    f = facing
    foam = (0.93, 0.95, 0.97)
    out = [f"fill {css(foam, alpha * 0.55)}",
           f"ellipse {mid:.1f},{wl + 0.5:.1f} {length * 0.47:.1f},{max(1.2, length * 0.006):.1f} 0,360",
           f"fill {css(foam, alpha * 0.6)}",
           f"ellipse {stern - f * length * 0.06 * speed:.1f},{wl + 1:.1f} {length * 0.12 * speed:.1f},{max(1.5, length * 0.012):.1f} 0,360",
           f"fill {css(foam, alpha * 0.3)}",
           f"ellipse {stern - f * length * 0.28 * speed:.1f},{wl + 1.5:.1f} {length * 0.24 * speed:.1f},{max(1.2, length * 0.009):.1f} 0,360"]
    return '\n'.join(out)


def bow_wave_mvg(x0, wl, length, facing=1, speed=1.0, alpha=0.8):
    """The white water thrown up by the stem and running back along the hull."""
    f = facing
    bow = x0 + (0.99 if facing > 0 else 0.01) * length
    h = max(1.5, length * 0.014 * speed)
    back = length * 0.16 * speed
    foam = (0.94, 0.96, 0.98)
    out = [f"fill {css(foam, alpha)}",
           f"polygon {bow:.1f},{wl - h:.1f} {bow + f * length * 0.012:.1f},{wl + 1:.1f} "
           f"{bow - f * back:.1f},{wl + 1.5:.1f} {bow - f * back * 0.45:.1f},{wl - h * 0.35:.1f}",
           f"fill {css(foam, alpha * 0.6)}",
           f"ellipse {bow - f * back * 0.2:.1f},{wl + 1.5:.1f} {back * 0.45:.1f},{h * 0.7:.1f} 0,360"]
    return '\n'.join(out)


def compose(base, layers, out):
    args = [base]
    for layer in layers:
        args += [layer, '-compose', 'Over', '-composite']
    im(*args, out)


def finish(source, out, vignette=0.35, grain=0.1):
    """A painter's finish: soft edges, a little grain and darker corners."""
    w, h = im_size(source)
    vig = tmp('vignette.png')
    edge = int(255 * (1 - vignette))
    im('-size', f'{w}x{h}', f'radial-gradient:white-rgb({edge},{edge},{edge})', vig)
    im(source, '-blur', '0x0.35', vig, '-compose', 'Multiply', '-composite',
       '-seed', '9', '-attenuate', str(grain), '+noise', 'Gaussian', out)


def im_size(path):
    res = subprocess.run([CONVERT, path, '-format', '%w %h', 'info:'], check=True,
                         capture_output=True, text=True).stdout.split()
    return int(res[0]), int(res[1])


# ---------------------------------------------------------------------------------------------
# Ship illustrations for the end of the game (420 x 280)

SW, SH = 420, 280


def ship_picture(name, ship, pal, scene, wl, x0, length, smoke='#5a5e63', smoke_alpha=0.5,
                 shade=(1.0, 0.7), refl=0.35, seed=1, extra=None, wake=0.8, tall=1.4):
    bg = tmp(name + '_bg.ppm')
    seascape(bg, SW, SH, seed=seed, **scene)
    layer = tmp(name + '_ship.png')
    draw_layer(layer, SW, SH, ship_mvg(ship, x0, wl, length, pal, scale_y=tall))
    top = int(wl - 0.22 * length * tall)
    shade_layer(layer, SW, SH, top, wl, *shade)
    refl_png = tmp(name + '_refl.png')
    reflection(layer, refl_png, SW, SH, wl, refl, seed)
    smoke_png = tmp(name + '_smoke.png')
    draw_layer(smoke_png, SW, SH, smoke_mvg(funnel_tops(ship, x0, wl, length, scale_y=tall), length, smoke,
                                             rnd=random.Random(seed), alpha=smoke_alpha),
               blur='0x1.8')
    wake_png = tmp(name + '_wake.png')
    draw_layer(wake_png, SW, SH, wake_mvg(x0, wl, length, alpha=wake), blur='0x1.6')
    bow_png = tmp(name + '_bow.png')
    draw_layer(bow_png, SW, SH, bow_wave_mvg(x0, wl, length, alpha=wake), blur='0x1.2')
    layers = [refl_png, smoke_png, wake_png, layer, bow_png]
    if extra:
        layers += extra
    raw = tmp(name + '_raw.png')
    compose(bg, layers, raw)
    final = tmp(name + '.png')
    finish(raw, final)
    save_jpeg(final, name)


def make_kinggeorgev():
    scene = dict(horizon=168,
                 sky=[(0, '#3c4a5a'), (0.45, '#66778a'), (0.85, '#a3adb5'), (1, '#bfc4c4')],
                 sea_far='#56646e', sea_near='#1c2832', cover=0.7, cloud_lit='#d4d8dc',
                 cloud_shade='#56606c', sun=(90, 120, 14), sun_colour='#f1e6c8', glitter=0.35,
                 chop=1.2, reflect=0.5, foam=0.35)
    ship_picture('KINGGEORGEV', king_george_v(), PALETTES['rn'], scene, 224, 16, 388, seed=11)


def make_bismarck():
    scene = dict(horizon=165,
                 sky=[(0, '#1b2433'), (0.5, '#3b4a60'), (0.82, '#8a8f98'), (1, '#d8c8a4')],
                 sea_far='#3d4650', sea_near='#0f161e', cover=0.55, cloud_lit='#c9c0b0',
                 cloud_shade='#343d4c', sun=(330, 150, 10), sun_colour='#f4d9a0', glitter=0.55,
                 chop=1.1, reflect=0.5, foam=0.25)
    ship_picture('BISMARCK', bismarck(), dim_palette(PALETTES['km'], '#1c2230', 0.2), scene, 222, 14, 392, seed=23)


def make_washington():
    scene = dict(horizon=170,
                 sky=[(0, '#2d5f9c'), (0.5, '#5b8ec4'), (0.88, '#a8c8e2'), (1, '#d4e4ee')],
                 sea_far='#3d6f96', sea_near='#0c2c4a', cover=0.42, cloud_lit='#ffffff',
                 cloud_shade='#8fa3b8', sun=(360, 40, 12), sun_colour='#fffbe8', glitter=0.4,
                 chop=0.9, reflect=0.45, foam=0.2)
    ship_picture('WASHINGTON', washington(), PALETTES['us'], scene, 226, 16, 388, seed=37,
                 shade=(1.0, 0.78))


def make_yamoto():
    scene = dict(horizon=166,
                 sky=[(0, '#3a3f63'), (0.4, '#7a6a86'), (0.75, '#d98f73'), (1, '#f6c98c')],
                 sea_far='#6b5a66', sea_near='#1a1f30', cover=0.5, cloud_lit='#ffd9b0',
                 cloud_shade='#6a5670', sun=(330, 158, 16), sun_colour='#ffe0a0', glitter=0.9,
                 chop=1.0, reflect=0.55, foam=0.1)
    ship_picture('YAMOTO', yamato(), dim_palette(PALETTES['ijn'], '#2a2330', 0.35), scene, 224, 12, 396, seed=41,
                 shade=(0.95, 0.62), smoke='#4d4650')


def fire_mvg(x, y, size, rnd):
    out = []
    for i in range(14):
        r = size * rnd.uniform(0.2, 0.5)
        dx = rnd.uniform(-0.6, 0.6) * size
        dy = -rnd.uniform(0, 1.3) * size
        col = mix(hexc('#ffe070'), hexc('#d23a10'), clamp(-dy / size / 1.3))
        out.append(f"fill '{css(col, 0.85)}' circle {x + dx:.1f},{y + dy:.1f} {x + dx + r:.1f},{y + dy:.1f}")
    return '\n'.join(out)


def column_mvg(x, y, height, width, rnd, colour='#1a1716', drift=0.6):
    out = []
    for i in range(40):
        t = i / 40.0
        r = width * (0.3 + 1.4 * t) * rnd.uniform(0.7, 1.2)
        cx = x + drift * height * t * t + rnd.uniform(-1, 1) * width * 0.4
        cy = y - height * t
        out.append(f"fill '{css(hexc(colour), 0.55 - 0.3 * t)}' circle {cx:.1f},{cy:.1f} {cx + r:.1f},{cy:.1f}")
    return '\n'.join(out)


def make_bothlostimage():
    name = 'BOTHLOSTIMAGE'
    scene = dict(horizon=170,
                 sky=[(0, '#17141a'), (0.45, '#3d2a2a'), (0.8, '#8a4a2c'), (1, '#d27a3a')],
                 sea_far='#4a3028', sea_near='#0b0c10', cover=0.6, cloud_lit='#b86a3a',
                 cloud_shade='#2a2226', sun=(210, 178, 30), sun_colour='#ff9a4a', glitter=0.6,
                 chop=1.3, reflect=0.5)
    bg = tmp(name + '_bg.ppm')
    seascape(bg, SW, SH, seed=53, **scene)
    rnd = random.Random(53)
    # Two hulks: one listing with its bow in the air, one low in the water, both burning.
    pal = silhouette_palette('#0d0c0e', '#3a2a22')
    first = tmp('wreck1.png')
    im('-size', f'{SW}x{SH}', 'xc:none', '-draw', ship_mvg(bismarck(), 30, 196, 170, pal),
       '-distort', 'ScaleRotateTranslate', '115,196 1 -9', first)
    second = tmp('wreck2.png')
    im('-size', f'{SW}x{SH}', 'xc:none', '-draw', ship_mvg(king_george_v(), 250, 190, 140, pal, facing=-1),
       '-distort', 'ScaleRotateTranslate', '320,190 1 4', '-crop', f'{SW}x196+0+0',
       '-background', 'none', '-extent', f'{SW}x{SH}', second)
    first_cut = tmp('wreck1c.png')
    im(first, '-crop', f'{SW}x201+0+0', '-background', 'none', '-extent', f'{SW}x{SH}', first_cut)
    smoke = tmp('both_smoke.png')
    draw_layer(smoke, SW, SH, column_mvg(120, 185, 160, 14, rnd) + '\n' +
               column_mvg(318, 180, 150, 12, rnd, drift=0.5), blur='0x4')
    fire = tmp('both_fire.png')
    draw_layer(fire, SW, SH, fire_mvg(120, 192, 14, rnd) + '\n' + fire_mvg(300, 186, 10, rnd) + '\n' +
               fire_mvg(335, 188, 8, rnd), blur='0x1.5')
    glow = tmp('both_glow.png')
    draw_layer(glow, SW, SH, "fill rgba(255,120,40,0.35) ellipse 120,196 60,10 0,360\n"
                             "fill rgba(255,120,40,0.3) ellipse 318,192 50,8 0,360", blur='0x8')
    debris = tmp('both_debris.png')
    lines = []
    for i in range(18):
        x = rnd.uniform(20, 400)
        y = rnd.uniform(205, 270)
        lw = rnd.uniform(2, 7) * (y - 170) / 60
        lines.append(f"fill rgba(8,8,10,0.85) rectangle {x:.1f},{y:.1f} {x + lw:.1f},{y + lw * 0.25:.1f}")
        lines.append(f"fill rgba(20,16,14,0.5) ellipse {x:.1f},{y + 2:.1f} {lw * 2.5:.1f},{lw * 0.3:.1f} 0,360")
    draw_layer(debris, SW, SH, '\n'.join(lines), blur='0x0.6')
    raw = tmp(name + '_raw.png')
    compose(bg, [smoke, glow, first_cut, second, fire, debris], raw)
    final = tmp(name + '.png')
    finish(raw, final, vignette=0.45)
    save_jpeg(final, name)


# ---------------------------------------------------------------------------------------------
# Flags (240 x 160), each given a little wave and cloth shading

FW, FH = 240, 160


def poly(points, colour):
    return f"stroke none fill '{colour}' polygon " + ' '.join(f'{x:.2f},{y:.2f}' for x, y in points)


def star_points(cx, cy, r, inner=0.382, rot=-90):
    pts = []
    for i in range(10):
        rr = r if i % 2 == 0 else r * inner
        a = math.radians(rot + i * 36)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def cloth(flat, name, amplitude=3.0, wavelength=170.0):
    shade = tmp(name + '_cloth.ppm')
    rows = []
    for y in range(FH):
        row = bytearray()
        for x in range(FW):
            s = 0.5 + 0.22 * math.sin(6.2832 * (x / wavelength) - 1.2 + y * 0.006) \
                + 0.06 * math.sin(6.2832 * (x / 53.0 + y / 400.0))
            v = int(clamp(s) * 255)
            row += bytes((v, v, v))
        rows.append(bytes(row))
    write_ppm(shade, FW, FH, rows)
    out = tmp(name + '.png')
    # Squeezed a little so the wave stays inside the frame, on the panel's black.
    inner = FH - 2 * int(math.ceil(amplitude)) - 2
    im(flat, shade, '-compose', 'SoftLight', '-composite', '-resize', f'{FW}x{inner}!',
       '-background', 'black', '-wave', f'{amplitude}x{wavelength}', '+repage',
       '-compose', 'Over', '-gravity', 'center', '-extent', f'{FW}x{FH}', out)
    return out


def union_flag(w, h):
    """The Union flag drawn into a w x h box at the origin, as MVG."""
    cx, cy = w / 2.0, h / 2.0
    white_saltire = h / 5.0
    red_saltire = h / 15.0
    out = [f"fill '#012169' rectangle 0,0 {w},{h}"]
    diag = math.hypot(w, h)
    for kx, ky in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        dx, dy = kx * w / diag, ky * h / diag
        nx, ny = -dy, dx
        ex, ey = cx + dx * diag, cy + dy * diag
        hw = white_saltire / 2
        out.append(poly([(cx + nx * hw, cy + ny * hw), (ex + nx * hw, ey + ny * hw),
                         (ex - nx * hw, ey - ny * hw), (cx - nx * hw, cy - ny * hw)], '#ffffff'))
    for kx, ky in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        dx, dy = kx * w / diag, ky * h / diag
        # The red stripe lies on the anticlockwise side of each arm.
        nx, ny = dy, -dx
        ex, ey = cx + dx * diag, cy + dy * diag
        out.append(poly([(cx, cy), (ex, ey), (ex + nx * red_saltire, ey + ny * red_saltire),
                         (cx + nx * red_saltire, cy + ny * red_saltire)], '#c8102e'))
    fw = h / 3.0
    rw = h / 5.0
    out.append(f"fill '#ffffff' rectangle {cx - fw / 2:.2f},0 {cx + fw / 2:.2f},{h}")
    out.append(f"fill '#ffffff' rectangle 0,{cy - fw / 2:.2f} {w},{cy + fw / 2:.2f}")
    out.append(f"fill '#c8102e' rectangle {cx - rw / 2:.2f},0 {cx + rw / 2:.2f},{h}")
    out.append(f"fill '#c8102e' rectangle 0,{cy - rw / 2:.2f} {w},{cy + rw / 2:.2f}")
    return '\n'.join(out)


def make_engflag():
    arm = 28
    canton_w = FW / 2 - arm / 2
    canton_h = FH / 2 - arm / 2
    flat = tmp('eng_flat.png')
    union = tmp('union.png')
    im('-size', f'{int(canton_w) * 4}x{int(canton_h) * 4}', 'xc:none', '-draw',
       union_flag(canton_w * 4, canton_h * 4), '-resize', f'{int(canton_w)}x{int(canton_h)}!', union)
    im('-size', f'{FW}x{FH}', 'xc:#f4f4f0', '-draw',
       f"fill '#c8102e' rectangle {FW / 2 - arm / 2},0 {FW / 2 + arm / 2 - 1},{FH}\n"
       f"fill '#c8102e' rectangle 0,{FH / 2 - arm / 2} {FW},{FH / 2 + arm / 2 - 1}",
       union, '-geometry', '+0+0', '-compose', 'Over', '-composite', flat)
    save_jpeg(cloth(flat, 'ENGFLAG'), 'ENGFLAG')


def balkenkreuz(cx, cy, arm, bar, border):
    """A straight-armed black cross edged in white."""
    return '\n'.join(['stroke none',
        f"fill white rectangle {cx - arm - border:.1f},{cy - bar / 2 - border:.1f} {cx + arm + border:.1f},{cy + bar / 2 + border:.1f}",
        f"fill white rectangle {cx - bar / 2 - border:.1f},{cy - arm - border:.1f} {cx + bar / 2 + border:.1f},{cy + arm + border:.1f}",
        f"fill black rectangle {cx - arm:.1f},{cy - bar / 2:.1f} {cx + arm:.1f},{cy + bar / 2:.1f}",
        f"fill black rectangle {cx - bar / 2:.1f},{cy - arm:.1f} {cx + bar / 2:.1f},{cy + arm:.1f}"])


def iron_cross(cx, cy, r, inner, outer, colour='black', edge='white', edge_w=0.0):
    """A cross with flared arms; edge_w draws a border around it first."""
    out = []
    for pass_colour, grow in ((edge, edge_w), (colour, 0.0)):
        if pass_colour is None or (grow == 0.0 and pass_colour == edge):
            continue
        for k in range(4):
            a = math.radians(90 * k)
            ux, uy = math.cos(a), math.sin(a)
            vx, vy = -uy, ux
            rr = r + grow
            i = inner / 2 + grow
            o = outer / 2 + grow
            pts = [(cx + vx * i - ux * grow, cy + vy * i - uy * grow),
                   (cx + ux * rr + vx * o, cy + uy * rr + vy * o),
                   (cx + ux * (rr - (outer - inner) * 0.12), cy + uy * (rr - (outer - inner) * 0.12)),
                   (cx + ux * rr - vx * o, cy + uy * rr - vy * o),
                   (cx - vx * i - ux * grow, cy - vy * i - uy * grow)]
            out.append(poly(pts, pass_colour))
        out.append(f"fill '{pass_colour}' rectangle {cx - inner / 2 - grow:.1f},{cy - inner / 2 - grow:.1f} "
                   f"{cx + inner / 2 + grow:.1f},{cy + inner / 2 + grow:.1f}")
    return 'push graphic-context\nstroke none\n' + '\n'.join(out) + '\npop graphic-context'


def make_gerflag():
    cx = FW * 0.4
    cy = FH / 2
    flat = tmp('ger_flat.png')
    draw = [f"fill '#b4161b' rectangle 0,0 {FW},{FH}",
            f"fill white rectangle {cx - 9},0 {cx + 9},{FH}",
            f"fill white rectangle 0,{cy - 9} {FW},{cy + 9}",
            f"fill black rectangle {cx - 5},0 {cx + 5},{FH}",
            f"fill black rectangle 0,{cy - 5} {FW},{cy + 5}",
            balkenkreuz(cx, cy, 40, 20, 6),
            iron_cross(cx / 2 - 2, cy / 2 - 3, 20, 6, 20, edge_w=3)]
    im('-size', f'{FW}x{FH}', 'xc:none', '-draw', '\n'.join(draw), flat)
    save_jpeg(cloth(flat, 'GERFLAG'), 'GERFLAG')


def make_usflag():
    stripe = FH / 13.0
    canton_w = FW * 0.44
    canton_h = stripe * 7
    draw = [f"fill '#b22234' rectangle 0,0 {FW},{FH}"]
    for i in range(1, 13, 2):
        draw.append(f"fill white rectangle 0,{i * stripe:.2f} {FW},{(i + 1) * stripe - 0.01:.2f}")
    draw.append(f"fill '#3c3b6e' rectangle 0,0 {canton_w:.2f},{canton_h:.2f}")
    for row in range(6):
        for col in range(8):
            sx = canton_w * (col + 0.5) / 8
            sy = canton_h * (row + 0.5) / 6
            draw.append(poly(star_points(sx, sy, 4.6), 'white'))
    flat = tmp('us_flat.png')
    im('-size', f'{FW * 3}x{FH * 3}', 'xc:none', '-draw', 'scale 3,3\n' + '\n'.join(draw),
       '-resize', f'{FW}x{FH}!', flat)
    save_jpeg(cloth(flat, 'USFLAG'), 'USFLAG')


def make_japflag():
    cx, cy = FW * 0.43, FH / 2
    r = FH * 0.27
    draw = [f"fill '#f5f4ef' rectangle 0,0 {FW},{FH}"]
    far = FW * 2
    for i in range(16):
        a0 = math.radians(i * 22.5 - 5.625)
        a1 = math.radians(i * 22.5 + 5.625)
        draw.append(poly([(cx, cy), (cx + far * math.cos(a0), cy + far * math.sin(a0)),
                          (cx + far * math.cos(a1), cy + far * math.sin(a1))], '#bc002d'))
    draw.append(f"fill '#bc002d' circle {cx},{cy} {cx + r},{cy}")
    flat = tmp('jap_flat.png')
    im('-size', f'{FW}x{FH}', 'xc:none', '-draw', '\n'.join(draw), flat)
    save_jpeg(cloth(flat, 'JAPFLAG'), 'JAPFLAG')


def make_bothlostflag():
    """A white flag, torn ragged at the fly, holed and stained with smoke."""
    rnd = random.Random(71)
    pts = [(0, 0)]
    x = FW * 0.86
    y = 0.0
    while y < FH:
        pts.append((x, y))
        y += rnd.uniform(2.5, 7)
        x = clamp(x + rnd.uniform(-9, 9), FW * 0.74, FW * 0.97)
    pts += [(x, FH), (0, FH)]
    scorch = [(px + 3 if 0 < px < FW else px, py) for px, py in pts]
    holes = []
    for i in range(3):
        hx, hy, hr = rnd.uniform(50, 160), rnd.uniform(25, 135), rnd.uniform(2.5, 5)
        holes.append(f"stroke none fill rgba(90,60,35,0.55) circle {hx:.1f},{hy:.1f} {hx + hr + 4:.1f},{hy:.1f}")
        holes.append(f"fill black circle {hx:.1f},{hy:.1f} {hx + hr:.1f},{hy:.1f}")
    flat = tmp('lost_flat.png')
    soot = tmp('lost_soot.png')
    im('-size', f'{FW // 6}x{FH // 6}', 'xc:gray50', '-seed', '71', '-attenuate', '2', '+noise', 'Uniform',
       '-colorspace', 'gray', '-resize', f'{FW}x{FH}!', '-blur', '0x6', '-level', '35%,65%',
       '+level', '72%,100%', soot)
    im('-size', f'{FW}x{FH}', 'xc:black', '-draw', poly(scorch, '#4a3424'), '-draw', poly(pts, '#f1f0ea'),
       soot, '-compose', 'Multiply', '-composite', '-draw', '\n'.join(holes), flat)
    save_jpeg(cloth(flat, 'BOTHLOSTFLAG', amplitude=4, wavelength=140), 'BOTHLOSTFLAG')


# ---------------------------------------------------------------------------------------------
# Navy badges (200 x 200), drawn at twice the size and reduced

BS = 400
GOLD = ("push defs\npush gradient 'gold' linear 0,60 0,340\nstop-color '#fbeaa0' 0\n"
        "stop-color '#d9a942' 0.45\nstop-color '#f3d27a' 0.7\nstop-color '#9c6b1c' 1\npop gradient\n"
        "push gradient 'silver' linear 0,60 0,340\nstop-color '#ffffff' 0\nstop-color '#b9bec4' 0.5\n"
        "stop-color '#eef1f3' 0.7\nstop-color '#7d848c' 1\npop gradient\n"
        "push gradient 'blossom' linear 0,60 0,180\nstop-color '#fff6e0' 0\nstop-color '#f0c8a0' 1\n"
        "pop gradient\npop defs")


def pts_text(points):
    return ' '.join(f'{x:.1f},{y:.1f}' for x, y in points)


def arc_pts(cx, cy, r, a0, a1, n=32):
    """Points along a circle from angle a0 to a1 (degrees, y down)."""
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def bezier_pts(p0, p1, p2, p3, n=24):
    out = []
    for i in range(n + 1):
        t = i / float(n)
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


def stroke(points, colour, width, cap='round'):
    """A thick open line through the points, drawn as a filled outline (stroking with a
    gradient is unreliable in the drawing language, filling is not)."""
    left, right = [], []
    n = len(points)
    for i, (x, y) in enumerate(points):
        x0, y0 = points[max(0, i - 1)]
        x1, y1 = points[min(n - 1, i + 1)]
        dx, dy = x1 - x0, y1 - y0
        d = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / d * width / 2, dx / d * width / 2
        left.append((x + nx, y + ny))
        right.append((x - nx, y - ny))
    out = [f"stroke none fill '{colour}' polygon {pts_text(left + right[::-1])}"]
    if cap == 'round':
        for x, y in (points[0], points[-1]):
            out.append(f"stroke none fill '{colour}' circle {x:.1f},{y:.1f} {x + width / 2:.1f},{y:.1f}")
    return group(*out)


def group(*parts):
    return 'push graphic-context\n' + '\n'.join(parts) + '\npop graphic-context'


def disc(cx, cy, r, inner, outer, steps=40):
    """A disc shaded like a domed enamel, lit from the upper left."""
    out = []
    a, b = hexc(inner), hexc(outer)
    for i in range(steps):
        t = i / float(steps - 1)
        rr = r * (1 - t * 0.999)
        ox = -r * 0.25 * t
        oy = -r * 0.3 * t
        out.append(f"fill '{css(mix(b, a, t))}' circle {cx + ox:.1f},{cy + oy:.1f} {cx + ox + rr:.1f},{cy + oy:.1f}")
    return group('stroke none', *out)


def rope_ring(cx, cy, r, width, fill="url(#gold)", dark='#5a3c0c'):
    out = [f"fill none stroke '{dark}' stroke-width {width + 4} circle {cx},{cy} {cx + r},{cy}",
           f"fill none stroke '{fill}' stroke-width {width} circle {cx},{cy} {cx + r},{cy}"]
    n = int(2 * math.pi * r / (width * 0.55))
    for i in range(n):
        a = 2 * math.pi * i / n
        x0 = cx + (r - width / 2) * math.cos(a)
        y0 = cy + (r - width / 2) * math.sin(a)
        a2 = a + 0.9 * width / r
        x1 = cx + (r + width / 2) * math.cos(a2)
        y1 = cy + (r + width / 2) * math.sin(a2)
        out.append(f"fill none stroke '{dark}' stroke-width 2 line {x0:.1f},{y0:.1f} {x1:.1f},{y1:.1f}")
    return group(*out)


def anchor(cx, top, size, fill="url(#gold)", dark='#4a300a', fouled=False):
    ring_r = size * 0.065
    ring_y = top + ring_r
    stock_y = top + size * 0.21
    crown_y = top + size * 0.93
    arm_r = size * 0.37
    arm_cy = crown_y - arm_r
    end_angle = 28
    out = []
    if fouled:
        # A rope from the ring, looped round the shank and trailing past the arm; drawn in two
        # halves so it passes behind the shank and in front of it.
        p = lambda fx, fy: (cx + size * fx, top + size * fy)
        behind = bezier_pts(p(0.05, 0.06), p(0.33, 0.02), p(0.32, 0.36), p(0.0, 0.42))
        front = (bezier_pts(p(0.0, 0.42), p(-0.32, 0.48), p(-0.28, 0.7), p(0.0, 0.66)) +
                 bezier_pts(p(0.0, 0.66), p(0.24, 0.62), p(0.27, 0.86), p(0.44, 0.9))[1:])
        rope_w = size * 0.03
    for colour, grow in ((dark, 4), (fill, 0)):
        if fouled:
            out.append(stroke(behind, colour, rope_w + grow))
        w = size * 0.05 + grow
        out.append(f"fill none stroke '{colour}' stroke-width {size * 0.038 + grow:.1f} "
                   f"circle {cx},{ring_y} {cx + ring_r},{ring_y}")
        out.append(f"stroke none fill '{colour}' polygon {cx - w / 2:.1f},{ring_y + ring_r:.1f} "
                   f"{cx + w / 2:.1f},{ring_y + ring_r:.1f} {cx + w * 0.7:.1f},{crown_y:.1f} {cx - w * 0.7:.1f},{crown_y:.1f}")
        sw = size * 0.3 + grow / 2
        sh = size * 0.045 + grow
        out.append(f"stroke none fill '{colour}' roundrectangle {cx - sw:.1f},{stock_y - sh / 2:.1f} "
                   f"{cx + sw:.1f},{stock_y + sh / 2:.1f} {sh / 2:.1f},{sh / 2:.1f}")
        br = size * 0.034 + grow / 2
        for sx in (cx - sw, cx + sw):
            out.append(f"stroke none fill '{colour}' circle {sx:.1f},{stock_y:.1f} {sx + br:.1f},{stock_y:.1f}")
        out.append(stroke(arc_pts(cx, arm_cy, arm_r, 180 - end_angle, end_angle), colour,
                          size * 0.06 + grow, cap='butt'))
        for side in (-1, 1):
            a = math.radians(end_angle if side > 0 else 180 - end_angle)
            ex, ey = cx + arm_r * math.cos(a), arm_cy + arm_r * math.sin(a)
            # Carry on along the arm's curve: up and outwards.
            dx, dy = side * math.sin(math.radians(end_angle)), -math.cos(math.radians(end_angle))
            nx, ny = -dy, dx
            fl = size * 0.17 + grow
            fw = size * 0.06 + grow / 2
            tip = (ex + dx * fl * 0.75, ey + dy * fl * 0.75)
            b1 = (ex - dx * fl * 0.25 + nx * fw, ey - dy * fl * 0.25 + ny * fw)
            b2 = (ex - dx * fl * 0.25 - nx * fw, ey - dy * fl * 0.25 - ny * fw)
            mid = (ex - dx * fl * 0.1, ey - dy * fl * 0.1)
            out.append(f"stroke none fill '{colour}' polygon {pts_text([tip, b1, mid, b2])}")
        out.append(f"stroke none fill '{colour}' polygon {cx - size * 0.055 - grow / 2:.1f},{crown_y - size * 0.04:.1f} "
                   f"{cx + size * 0.055 + grow / 2:.1f},{crown_y - size * 0.04:.1f} {cx:.1f},{crown_y + size * 0.045 + grow / 2:.1f}")
    if fouled:
        out.append(stroke(front, dark, rope_w + 4))
        out.append(stroke(front, fill, rope_w))
        for i in range(2, len(front) - 1, 2):
            (x0, y0), (x1, y1) = front[i - 1], front[i + 1]
            dx, dy = x1 - x0, y1 - y0
            d = math.hypot(dx, dy) or 1
            nx, ny = -dy / d * rope_w * 0.5, dx / d * rope_w * 0.5
            mx, my = front[i]
            out.append(f"stroke '{dark}' stroke-width 1.5 line {mx + nx - dx * 0.2:.1f},{my + ny - dy * 0.2:.1f} "
                       f"{mx - nx + dx * 0.2:.1f},{my - ny + dy * 0.2:.1f}")
    return group(*out)


def crown(cx, cy, w, fill="url(#gold)", dark='#4a300a'):
    h = w * 0.75
    band_y = cy + h * 0.3
    out = [f"stroke '{dark}' stroke-width 2 fill '#8c1020' polygon "
           + pts_text(bezier_pts((cx - w * 0.43, band_y), (cx - w * 0.46, cy - h * 0.3),
                                 (cx + w * 0.46, cy - h * 0.3), (cx + w * 0.43, band_y)))]
    for side in (-1, 1):
        arch = bezier_pts((cx + side * w * 0.45, band_y), (cx + side * w * 0.52, cy - h * 0.22),
                          (cx + side * w * 0.12, cy - h * 0.36), (cx, cy - h * 0.2))
        out.append(stroke(arch, dark, w * 0.1 + 4))
        out.append(stroke(arch, fill, w * 0.1))
        for t in (0.3, 0.6):
            px, py = arch[int(t * (len(arch) - 1))]
            out.append(f"stroke '{dark}' stroke-width 1.5 fill '#f4f0e0' circle {px:.1f},{py:.1f} {px + w * 0.035:.1f},{py:.1f}")
    mid = [(cx, band_y), (cx, cy - h * 0.2)]
    out.append(stroke(mid, dark, w * 0.08 + 4))
    out.append(stroke(mid, fill, w * 0.08))
    out.append(f"fill '{fill}' stroke '{dark}' stroke-width 2 roundrectangle {cx - w * 0.52:.1f},{band_y:.1f} "
               f"{cx + w * 0.52:.1f},{band_y + h * 0.24:.1f} 4,4")
    for i, col in enumerate(('#2c6e3f', '#b01830', '#1c3f8c', '#b01830', '#2c6e3f')):
        jx = cx + (i - 2) * w * 0.21
        out.append(f"fill '{col}' stroke '{dark}' stroke-width 1 ellipse {jx:.1f},{band_y + h * 0.12:.1f} "
                   f"{w * 0.05:.1f},{h * 0.065:.1f} 0,360")
    oy = cy - h * 0.28
    out.append(f"fill '{fill}' stroke '{dark}' stroke-width 2 circle {cx:.1f},{oy:.1f} {cx + w * 0.085:.1f},{oy:.1f}")
    out.append(iron_cross(cx, oy - w * 0.16, w * 0.1, w * 0.045, w * 0.1, colour=fill, edge=dark, edge_w=2))
    return group(*out)


def wreath(cx, cy, r, fill="url(#gold)", dark='#4a300a', leaves=11, span=120, leaf=(16, 6)):
    """Two branches of leaves rising from the bottom of the badge on either side."""
    out = []
    for side in (-1, 1):
        start, end = 90 - side * 8, 90 - side * (14 + span)
        stem = arc_pts(cx, cy, r, start, end)
        out.append(stroke(stem, dark, 5))
        out.append(stroke(stem, fill, 2.5))
        for i in range(leaves):
            t = i / float(leaves - 1)
            a = math.radians(90 - side * (12 + t * span))
            x = cx + r * math.cos(a)
            y = cy + r * math.sin(a)
            # Along the stem, pointing the way it grows, one leaf inside and one outside.
            heading = math.degrees(a) - side * 90
            for k in (-1, 1):
                ang = heading + side * k * 32
                off = leaf[0] * 0.85
                lx = x + off * math.cos(math.radians(ang))
                ly = y + off * math.sin(math.radians(ang))
                out.append(f"push graphic-context\ntranslate {lx:.1f},{ly:.1f}\nrotate {ang:.1f}\n"
                           f"fill '{fill}' stroke '{dark}' stroke-width 1.5 ellipse 0,0 {leaf[0]},{leaf[1]} 0,360\n"
                           f"stroke '{dark}' stroke-width 1 line {-leaf[0] * 0.8:.1f},0 {leaf[0] * 0.8:.1f},0\n"
                           "pop graphic-context")
    return group(*out)


def blossom(cx, cy, r, fill="url(#gold)", dark='#4a300a', centre='#c8102e'):
    out = []
    for i in range(5):
        a = -90 + i * 72
        out.append(f"push graphic-context\ntranslate {cx:.1f},{cy:.1f}\nrotate {a:.1f}\n"
                   f"fill '{fill}' stroke '{dark}' stroke-width 2.5 ellipse {r * 0.55:.1f},0 {r * 0.46:.1f},{r * 0.33:.1f} 0,360\n"
                   f"fill '{dark}' stroke none polygon {r * 1.03:.1f},0 {r * 0.82:.1f},-{r * 0.09:.1f} {r * 0.82:.1f},{r * 0.09:.1f}\n"
                   "pop graphic-context")
    out.append(f"stroke '{dark}' stroke-width 2 fill '{centre}' circle {cx},{cy} {cx + r * 0.2:.1f},{cy}")
    for i in range(5):
        a = math.radians(-54 + i * 72)
        out.append(f"stroke none fill '{dark}' circle {cx + r * 0.3 * math.cos(a):.1f},{cy + r * 0.3 * math.sin(a):.1f} "
                   f"{cx + r * 0.3 * math.cos(a) + 2.5:.1f},{cy + r * 0.3 * math.sin(a):.1f}")
    return group(*out)


def badge(name, body):
    big = tmp(name + '_big.png')
    im('-size', f'{BS}x{BS}', 'xc:black', '-draw', GOLD + '\n' + '\n'.join(group(b) for b in body), big)
    out = tmp(name + '.png')
    im(big, '-filter', 'Lanczos', '-resize', '200x200', out)
    save_jpeg(out, name)


def make_rnemblem():
    c = BS / 2
    body = [disc(c, c, 180, '#24457f', '#0a1730'),
            rope_ring(c, c, 178, 16),
            wreath(c, c + 6, 132, leaves=8, span=100, leaf=(17, 7)),
            anchor(c, 130, 200, fouled=True),
            crown(c, 96, 100)]
    badge('RNEMBLEM', body)


def make_geremblem():
    c = BS / 2
    body = [disc(c, c, 182, '#4a4d52', '#141518'),
            f"fill none stroke 'url(#silver)' stroke-width 8 circle {c},{c} {c + 174},{c}",
            f"fill none stroke '#3a3c40' stroke-width 2 circle {c},{c} {c + 160},{c}",
            f"fill none stroke 'url(#silver)' stroke-width 3 circle {c},{c} {c + 156},{c}",
            wreath(c, c + 6, 130, fill='url(#silver)', dark='#2a2c30', leaves=9, span=108, leaf=(16, 8)),
            anchor(c, 138, 196),
            iron_cross(c, 104, 46, 16, 46, colour='black', edge='#e8eaec', edge_w=5)]
    badge('GEREMBLEM', body)


def make_usemblem():
    c = BS / 2
    body = [disc(c, c, 180, '#234f9a', '#081a3c'),
            rope_ring(c, c, 178, 16)]
    for i in range(13):
        a = math.radians(-90 + i * 360 / 13)
        body.append(poly(star_points(c + 146 * math.cos(a), c + 146 * math.sin(a), 10), '#f4f4f4'))
    body += [anchor(c, 150, 196),
             poly(star_points(c + 2, 114, 46), '#0a1a3a'),
             poly(star_points(c, 110, 44), '#ffffff')]
    badge('USEMBLEM', body)


def make_japemblem():
    c = BS / 2
    body = [disc(c, c, 180, '#2b3550', '#0b0f1c')]
    for i in range(16):
        a0 = math.radians(i * 22.5 - 4)
        a1 = math.radians(i * 22.5 + 4)
        body.append(f"stroke none fill rgba(170,30,50,0.35) polygon {c},{c} {c + 170 * math.cos(a0):.1f},{c + 170 * math.sin(a0):.1f} "
                    f"{c + 170 * math.cos(a1):.1f},{c + 170 * math.sin(a1):.1f}")
    body += [f"fill none stroke 'url(#gold)' stroke-width 10 circle {c},{c} {c + 176},{c}",
             wreath(c, c + 8, 134, leaves=8, span=96, leaf=(18, 8)),
             anchor(c, 150, 196),
             blossom(c, 118, 50, fill="url(#blossom)")]
    badge('JAPEMBLEM', body)


# ---------------------------------------------------------------------------------------------
# Title, intro and menu pictures

def gold_text(out, w, h, text, pointsize, font=TITLE_FONT, offset='+0+0', shadow=True,
              colours=('#fff1b8', '#e0b253', '#8a5a1a')):
    """Golden lettering with a dark shadow on a transparent w x h layer."""
    grad = tmp('goldgrad.png')
    im('-size', f'{w}x{h // 2}', f'gradient:{colours[0]}-{colours[1]}',
       '(', '-size', f'{w}x{h - h // 2}', f'gradient:{colours[1]}-{colours[2]}', ')', '-append', grad)
    mask = tmp('textmask.png')
    im('-size', f'{w}x{h}', 'xc:black', '-font', font, '-pointsize', pointsize, '-fill', 'white',
       '-gravity', 'center', '-annotate', offset, text, mask)
    layer = tmp('textlayer.png')
    im(grad, mask, '-alpha', 'off', '-compose', 'CopyOpacity', '-composite', layer)
    if shadow:
        sh = tmp('textshadow.png')
        im(mask, '-background', 'black', '-alpha', 'copy', '-fill', 'black', '-colorize', '100',
           '-channel', 'A', '-blur', '0x3', '+channel', '-geometry', '+0+0', sh)
        im(sh, '-page', '+3+4', sh, '-page', '+0+0', layer, '-background', 'none', '-flatten',
           '-crop', f'{w}x{h}+0+0', '+repage', out)
    else:
        shutil.copy(layer, out)


def make_title2():
    w, h = 600, 120
    bg = tmp('title_bg.ppm')
    seascape(bg, w, h, horizon=78, sky=[(0, '#050a16'), (0.7, '#0e1f3a'), (1, '#284266')],
             sea_far='#1a2c46', sea_near='#040810', seed=81, cover=0.35, cloud_lit='#3b5478',
             cloud_shade='#08101e', cloud_scale=0.6, sun=(470, 40, 5), sun_colour='#c8d4e8',
             glitter=0.5, reflect=0.4)
    text = tmp('title_text.png')
    gold_text(text, w, h, 'Korvald', 86, offset='+0+2')
    rules = tmp('title_rules.png')
    draw_layer(rules, w, h, "stroke rgba(224,178,83,0.85) stroke-width 2 line 30,62 150,62\n"
                            "line 450,62 570,62\nfill rgba(224,178,83,0.9) stroke none\n"
                            + poly([(150, 62), (158, 57), (166, 62), (158, 67)], 'rgba(224,178,83,0.9)') + '\n'
                            + poly([(450, 62), (442, 57), (434, 62), (442, 67)], 'rgba(224,178,83,0.9)'))
    out = tmp('TITLE2.png')
    compose(bg, [rules, text], out)
    save_jpeg(out, 'TITLE2')


def make_introsign():
    w, h = 478, 120
    bg = tmp('sign_bg.png')
    beams = []
    ox, oy = w / 2, h + 60
    for i in range(17):
        a = math.radians(-90 + (i - 8) * 9.5)
        a0, a1 = a - math.radians(2.2), a + math.radians(2.2)
        far = 700
        beams.append(f"fill rgba(150,180,230,{0.06 + 0.05 * (i % 2):.2f}) polygon {ox},{oy} "
                     f"{ox + far * math.cos(a0):.1f},{oy + far * math.sin(a0):.1f} "
                     f"{ox + far * math.cos(a1):.1f},{oy + far * math.sin(a1):.1f}")
    im('-size', f'{w}x{h}', 'radial-gradient:#1d3558-#03060d', '-draw', '\n'.join(beams),
       '-blur', '0x1.5', bg)
    frame = tmp('sign_frame.png')
    draw_layer(frame, w, h,
               "fill none stroke '#8a6424' stroke-width 4 rectangle 3,3 474,116\n"
               "stroke '#e6c26a' stroke-width 1.5 rectangle 8,8 469,111\n"
               "stroke rgba(230,194,106,0.9) stroke-width 1.5 line 30,96 90,96 line 388,96 448,96\n"
               + poly([(90, 96), (95, 93), (100, 96), (95, 99)], '#e6c26a') + '\n'
               + poly([(388, 96), (383, 93), (378, 96), (383, 99)], '#e6c26a'))
    title = tmp('sign_title.png')
    gold_text(title, w, h, 'Korvald', 70, offset='+0-14', colours=('#ffffff', '#d8dde4', '#7c8796'))
    sub = tmp('sign_sub.png')
    im('-size', f'{w}x{h}', 'xc:none', '-font', text_font(), '-pointsize', '13', '-kerning', '3',
       '-fill', '#e6c26a', '-gravity', 'center', '-annotate', '+0+36', 'NAVAL WARFARE 1939\u20131945', sub)
    out = tmp('INTROSIGN.png')
    compose(bg, [frame, title, sub], out)
    save_jpeg(out, 'INTROSIGN')


def muzzles(ship, x0, wl, length, facing=1, scale_y=1.0, min_length=0.05):
    """Where the main guns' barrels end, in picture coordinates."""
    tips = []
    for item in ship.items:
        if item[0] == 'line' and item[1] == 'gun':
            (xa, _), (xb, yb) = item[3]
            if abs(xb - xa) > min_length:
                xx = xb if facing > 0 else 1.0 - xb
                tips.append((x0 + xx * length, wl - yb * length * scale_y))
    return tips


def flash_mvg(x, y, size, facing):
    """A gun's muzzle blast: a white-hot tongue of flame thrown forward inside an orange fireball."""
    f = facing
    tongue = [(x, y - size * 0.12), (x + f * size * 1.9, y - size * 0.35), (x + f * size * 2.4, y),
              (x + f * size * 1.9, y + size * 0.3), (x, y + size * 0.12)]
    return '\n'.join([
        f"stroke none fill rgba(255,120,40,0.45) ellipse {x + f * size * 1.2:.1f},{y:.1f} {size * 1.7:.1f},{size * 0.8:.1f} 0,360",
        f"fill rgba(255,190,90,0.8) ellipse {x + f * size * 1.1:.1f},{y:.1f} {size * 1.1:.1f},{size * 0.45:.1f} 0,360",
        poly(tongue, 'rgba(255,236,180,0.95)'),
        f"fill rgba(255,255,240,1.0) ellipse {x + f * size * 0.6:.1f},{y:.1f} {size * 0.6:.1f},{size * 0.14:.1f} 0,360"])


def make_intropicture():
    w, h = 616, 424
    horizon = 286
    bg = tmp('intro_bg.ppm')
    seascape(bg, w, h, horizon=horizon,
             sky=[(0, '#060914'), (0.35, '#161a36'), (0.65, '#4a2440'), (0.88, '#b24a2c'), (1, '#f29a48')],
             sea_far='#5a2e2a', sea_near='#05070c', seed=91, cover=0.45, cloud_lit='#e0774a',
             cloud_shade='#140f1e', cloud_scale=0.8, sun=(250, 300, 22), sun_colour='#ff9a50',
             glitter=0.7, chop=1.1, reflect=0.55)
    rnd = random.Random(91)
    # The enemy line on the horizon, firing and sweeping the sky with searchlights.
    far_pal = silhouette_palette('#0a0a10', '#4a3038')
    far = [(bismarck(), 14, 287, 150), (cruiser(), 178, 286, 92), (destroyer(), 282, 285, 52)]
    far_mvg = '\n'.join(ship_mvg(sh, x0, wl, ln, far_pal) for sh, x0, wl, ln in far)
    far_png = tmp('intro_far.png')
    draw_layer(far_png, w, h, far_mvg)
    beams = []
    for sx, sy, ang, length in ((96, 262, -58, 520), (112, 262, -75, 480), (210, 272, -104, 460),
                                (300, 276, -64, 420)):
        a = math.radians(ang)
        for spread, alpha in ((1.9, 0.18), (0.7, 0.3)):
            sp = math.radians(spread)
            beams.append(f"stroke none fill rgba(215,228,255,{alpha}) polygon {sx},{sy} "
                         f"{sx + length * math.cos(a - sp):.1f},{sy + length * math.sin(a - sp):.1f} "
                         f"{sx + length * math.cos(a + sp):.1f},{sy + length * math.sin(a + sp):.1f}")
    beam_png = tmp('intro_beams.png')
    draw_layer(beam_png, w, h, '\n'.join(beams), blur='0x2.5')
    # Our own battleship close by, bow to the left, firing a broadside at them.
    near_ship = king_george_v()
    nx0, nwl, nlen = 236, 384, 560
    near_pal = silhouette_palette('#06060a', '#7a4a3a')
    near = tmp('intro_near.png')
    draw_layer(near, w, h, ship_mvg(near_ship, nx0, nwl, nlen, near_pal, facing=-1))
    near_refl = tmp('intro_near_refl.png')
    reflection(near, near_refl, w, h, nwl, 0.3, 92)
    tips = muzzles(near_ship, nx0, nwl, nlen, facing=-1)
    forward = sorted(tips)[:3]
    flashes = [flash_mvg(x, y, 20, -1) for x, y in forward]
    for sh, x0, wl, ln in far[:2]:
        for x, y in muzzles(sh, x0, wl, ln)[:2]:
            flashes.append(flash_mvg(x, y, 5, 1))
    flash_png = tmp('intro_flash.png')
    draw_layer(flash_png, w, h, '\n'.join(flashes), blur='0x2')
    glow_png = tmp('intro_glow.png')
    gx = sum(x for x, _ in forward) / len(forward)
    gy = sum(y for _, y in forward) / len(forward)
    draw_layer(glow_png, w, h, f"stroke none fill rgba(255,150,70,0.35) circle {gx - 30:.0f},{gy:.0f} {gx + 60:.0f},{gy:.0f}\n"
                               f"fill rgba(255,150,70,0.35) ellipse {gx - 30:.0f},{nwl + 12} 110,14 0,360", blur='0x14')
    smoke_png = tmp('intro_smoke.png')
    draw_layer(smoke_png, w, h, column_mvg(gx - 40, gy + 4, 70, 14, rnd, colour='#2a2226', drift=-0.9) + '\n' +
               column_mvg(70, 268, 50, 6, rnd, colour='#2a2226', drift=0.7), blur='0x5')
    tracers = []
    for (x0, y0), (x1, y1), lift in (((70, 266), (395, 352), 60), ((200, 272), (340, 362), 45)):
        mx, my = (x0 + x1) / 2, min(y0, y1) - lift
        pts = [((1 - t) ** 2 * x0 + 2 * (1 - t) * t * mx + t * t * x1,
                (1 - t) ** 2 * y0 + 2 * (1 - t) * t * my + t * t * y1) for t in [i / 40 for i in range(41)]]
        for i in range(0, 40, 4):
            tracers.append(f"stroke rgba(255,205,130,0.6) stroke-width 1.3 line "
                           f"{pts[i][0]:.1f},{pts[i][1]:.1f} {pts[i + 2][0]:.1f},{pts[i + 2][1]:.1f}")
    tracer_png = tmp('intro_tracers.png')
    draw_layer(tracer_png, w, h, '\n'.join(tracers), blur='0x0.6')
    splashes = []
    for sx, sy, sr in ((214, 352, 5), (150, 330, 4), (250, 312, 3)):
        # A column of water thrown up by a near miss.
        for k in range(6):
            cx_ = sx + rnd.uniform(-1, 1) * sr * 0.8
            splashes.append(f"stroke none fill rgba(225,215,210,{0.35 - k * 0.04:.2f}) "
                            f"ellipse {cx_:.1f},{sy - sr * (1.2 + k * 1.1):.1f} {sr * (0.5 + k * 0.12):.1f},{sr * 1.6:.1f} 0,360")
        splashes.append(f"fill rgba(225,215,210,0.4) ellipse {sx},{sy} {sr * 2.2},{sr * 0.4} 0,360")
    splash_png = tmp('intro_splash.png')
    draw_layer(splash_png, w, h, '\n'.join(splashes), blur='0x1.5')
    refl = tmp('intro_refl.png')
    reflection(far_png, refl, w, h, 286, 0.35, 91)
    raw = tmp('intro_raw.png')
    compose(bg, [beam_png, refl, far_png, tracer_png, splash_png, near_refl, smoke_png, glow_png, near,
                 flash_png], raw)
    final = tmp('INTROPICTURE.png')
    finish(raw, final, vignette=0.5)
    save_jpeg(final, 'INTROPICTURE')


def make_menupicture():
    w, h = 560, 300
    horizon = 168
    bg = tmp('menu_bg.ppm')
    seascape(bg, w, h, horizon=horizon,
             sky=[(0, '#3f6fa8'), (0.55, '#79a3cf'), (0.9, '#c2d6e6'), (1, '#e2e8ea')],
             sea_far='#557f9e', sea_near='#16405e', seed=101, cover=0.38, cloud_lit='#ffffff',
             cloud_shade='#96a8bc', sun=(120, 50, 12), sun_colour='#fff8e0', glitter=0.3,
             chop=0.7, reflect=0.5)
    fleet = [(destroyer(), 470, 176, 52, PALETTES['rn']),
             (cruiser(), 350, 183, 96, PALETTES['rn']),
             (king_george_v(), 180, 196, 170, PALETTES['rn']),
             (destroyer(), 40, 240, 150, PALETTES['rn'])]
    layers = []
    for i, (ship, x0, wl, length, pal) in enumerate(fleet):
        layer = tmp(f'menu_ship{i}.png')
        draw_layer(layer, w, h, ship_mvg(ship, x0, wl, length, pal))
        shade_layer(layer, w, h, int(wl - 0.25 * length), wl, 1.0, 0.75)
        refl = tmp(f'menu_refl{i}.png')
        reflection(layer, refl, w, h, wl, 0.3, 101 + i)
        smoke = tmp(f'menu_smoke{i}.png')
        draw_layer(smoke, w, h, smoke_mvg(funnel_tops(ship, x0, wl, length), length, '#6c7278',
                                          rnd=random.Random(i), alpha=0.35), blur='0x2')
        wake = tmp(f'menu_wake{i}.png')
        draw_layer(wake, w, h, wake_mvg(x0, wl, length, alpha=0.6, speed=0.8), blur='0x1.2')
        bow = tmp(f'menu_bow{i}.png')
        draw_layer(bow, w, h, bow_wave_mvg(x0, wl, length, alpha=0.7, speed=0.7), blur='0x1')
        layers += [refl, smoke, wake, layer, bow]
    planes = []
    for px, py, s in ((300, 60, 1.0), (330, 72, 0.9), (355, 56, 0.85)):
        planes.append(f"fill '#2b333c' ellipse {px},{py} {14 * s:.1f},{2.2 * s:.1f} 0,360")
        planes.append(poly([(px - 3 * s, py), (px + 4 * s, py - 1 * s), (px + 1 * s, py - 12 * s), (px - 2 * s, py - 12 * s)], '#2b333c'))
        planes.append(poly([(px - 3 * s, py), (px + 4 * s, py + 1 * s), (px + 2 * s, py + 5 * s), (px - 2 * s, py + 5 * s)], '#3a434d'))
        planes.append(poly([(px - 13 * s, py), (px - 10 * s, py - 5 * s), (px - 8 * s, py)], '#2b333c'))
    plane_png = tmp('menu_planes.png')
    draw_layer(plane_png, w, h, '\n'.join(planes))
    raw = tmp('menu_raw.png')
    compose(bg, [plane_png] + layers, raw)
    final = tmp('MENUPICTURE.png')
    finish(raw, final, vignette=0.3)
    save_jpeg(final, 'MENUPICTURE')


# ---------------------------------------------------------------------------------------------
# The band under the board: a steel console panel with seams and rivets, no lettering

BW, BH = 1280, 205
RADAR = (1170, 102, 82)   # centre x, centre y and radius of the scope's screen


def rivets(points, r=3.2):
    out = []
    for x, y in points:
        out.append(f"fill rgba(0,0,0,0.55) circle {x + 1.2:.1f},{y + 1.4:.1f} {x + 1.2 + r:.1f},{y + 1.4:.1f}")
        out.append(f"fill '#56626e' circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}")
        out.append(f"fill rgba(200,214,226,0.55) circle {x - r * 0.3:.1f},{y - r * 0.35:.1f} {x - r * 0.3 + r * 0.45:.1f},{y - r * 0.35:.1f}")
    return '\n'.join(out)


def steel_panel(out):
    base = tmp('steel_base.png')
    im('-size', f'{BW}x{BH}', 'xc:#37424d', '-seed', '121', '-attenuate', '0.6', '+noise', 'Gaussian',
       '-motion-blur', '0x30+0', '-colorspace', 'sRGB', base)
    tone = tmp('steel_tone.png')
    im('-size', f'{BW // 40}x{BH // 20}', 'xc:gray50', '-seed', '122', '-attenuate', '1.2', '+noise', 'Gaussian',
       '-colorspace', 'gray', '-resize', f'{BW}x{BH}!', '-blur', '0x18', '-level', '25%,75%', tone)
    seams = [0, 330, 660, 990, BW - 1]
    draw = []
    # Plates a shade apart from each other, with bevelled seams between them.
    for i, (x0, x1) in enumerate(zip(seams, seams[1:])):
        shade = (0.05, -0.03, 0.02, -0.05)[i % 4]
        col = (255, 255, 255) if shade > 0 else (0, 0, 0)
        draw.append(f"fill rgba({col[0]},{col[1]},{col[2]},{abs(shade):.2f}) rectangle {x0},0 {x1},{BH}")
    for x in seams[1:-1]:
        draw.append(f"fill rgba(0,0,0,0.6) rectangle {x - 1},0 {x + 1},{BH}")
        draw.append(f"fill rgba(170,185,200,0.22) rectangle {x + 2},0 {x + 2},{BH}")
    draw += ["fill rgba(0,0,0,0.55) rectangle 0,18 1280,19",
             "fill rgba(170,185,200,0.2) rectangle 0,20 1280,20",
             "fill rgba(0,0,0,0.55) rectangle 0,186 1280,187",
             "fill rgba(170,185,200,0.2) rectangle 0,188 1280,188",
             "fill rgba(190,205,220,0.35) rectangle 0,0 1280,1",
             "fill rgba(0,0,0,0.6) rectangle 0,203 1280,204",
             "fill rgba(190,205,220,0.25) rectangle 0,0 1,204",
             "fill rgba(0,0,0,0.6) rectangle 1278,0 1279,204"]
    pts = []
    for x in range(14, BW - 6, 34):
        pts += [(x, 9), (x, 196)]
    for x in seams[1:-1]:
        for y in range(36, 180, 30):
            pts += [(x - 9, y), (x + 10, y)]
    draw.append(rivets(pts))
    vignette = tmp('steel_vig.png')
    im('-size', f'{BH}x{BW}', 'gradient:#9a9a9a-#ffffff', '-rotate', '90', vignette)
    im(base, tone, '-compose', 'Overlay', '-composite', vignette, '-compose', 'Multiply', '-composite',
       '-draw', '\n'.join(draw), out)


def make_panels():
    panel = tmp('MENUIMAGE.png')
    steel_panel(panel)
    if not ONLY or 'MENUIMAGE' in ONLY:
        save_jpeg(panel, 'MENUIMAGE')
    if not ONLY or 'DARKIMAGE' in ONLY:
        dark = tmp('DARKIMAGE.png')
        im(panel, '-modulate', '100,70', '-evaluate', 'multiply', '0.42', dark)
        save_jpeg(dark, 'DARKIMAGE')
    if not ONLY or 'MENURADARIMAGE' in ONLY:
        cx, cy, r = RADAR
        scope = []
        # Bezel: a dark recess, a machined ring and four screws.
        scope.append(f"fill rgba(0,0,0,0.6) circle {cx + 3},{cy + 4} {cx + r + 17},{cy + 4}")
        for i in range(14):
            t = i / 13.0
            col = mix(hexc('#7d8a96'), hexc('#1f262d'), t)
            rr = r + 15 - i
            scope.append(f"fill '{css(col)}' circle {cx - (1 - t) * 2:.1f},{cy - (1 - t) * 2:.1f} {cx + rr - (1 - t) * 2:.1f},{cy - (1 - t) * 2:.1f}")
        scope.append(f"fill '#0a0f0c' circle {cx},{cy} {cx + r + 1},{cy}")
        for i in range(30):
            t = i / 29.0
            col = mix(hexc('#04100a'), hexc('#0b2a17'), t)
            scope.append(f"fill '{css(col)}' circle {cx},{cy} {cx + r * (1 - t * 0.98):.1f},{cy}")
        for k in (0.25, 0.5, 0.75, 1.0):
            scope.append(f"fill none stroke rgba(70,200,110,{0.22 if k < 1 else 0.4}) stroke-width 1 "
                         f"circle {cx},{cy} {cx + r * k - (1 if k == 1 else 0):.1f},{cy}")
        scope.append(f"stroke rgba(70,200,110,0.22) stroke-width 1 line {cx - r},{cy} {cx + r},{cy} "
                     f"line {cx},{cy - r} {cx},{cy + r}")
        for deg in range(0, 360, 10):
            a = math.radians(deg)
            inner = r - (7 if deg % 30 == 0 else 4)
            scope.append(f"stroke rgba(90,220,130,0.45) stroke-width 1 line {cx + inner * math.cos(a):.1f},{cy + inner * math.sin(a):.1f} "
                         f"{cx + (r - 1) * math.cos(a):.1f},{cy + (r - 1) * math.sin(a):.1f}")
        scope.append(f"fill none stroke rgba(255,255,255,0.07) stroke-width 6 "
                     f"path 'M {cx - r * 0.75:.1f},{cy - r * 0.35:.1f} A {r * 0.82:.1f},{r * 0.82:.1f} 0 0,1 {cx - r * 0.1:.1f},{cy - r * 0.8:.1f}'")
        screws = [(cx + (r + 9) * math.cos(math.radians(a)), cy + (r + 9) * math.sin(math.radians(a)))
                  for a in (45, 135, 225, 315)]
        scope.append(rivets(screws, 2.6))
        # A small lamp and a dial on the plate beside the scope.
        scope.append(f"fill '#1a1f24' circle {cx - 140},{cy + 40} {cx - 130},{cy + 40}")
        scope.append(f"fill '#4a1010' circle {cx - 140},{cy + 40} {cx - 133},{cy + 40}")
        scope.append(f"fill rgba(255,120,110,0.35) circle {cx - 142},{cy + 38} {cx - 139},{cy + 38}")
        radar = tmp('MENURADARIMAGE.png')
        im(panel, '-draw', '\n'.join(scope), radar)
        save_jpeg(radar, 'MENURADARIMAGE')


def make_icon():
    big = tmp('icon_big.png')
    s = 256
    c = s / 2
    body = [f"fill rgba(0,0,0,0.45) circle {c + 3},{c + 5} {c + 122},{c + 5}",
            disc(c, c, 120, '#2a4f8f', '#0a1734', 30),
            f"fill none stroke '#5a3c0c' stroke-width 16 circle {c},{c} {c + 114},{c}",
            f"fill none stroke 'url(#gold)' stroke-width 10 circle {c},{c} {c + 114},{c}",
            anchor(c, 40, 178)]
    gold = GOLD.replace('0,60 0,340', '0,30 0,230')
    im('-size', f'{s}x{s}', 'xc:none', '-draw', gold + '\n' + '\n'.join(body), big)
    os.makedirs(ICONS, exist_ok=True)
    out = os.path.join(ICONS, 'korvald.png')
    im(big, '-filter', 'Lanczos', '-resize', '64x64', '-strip',
       '-define', 'png:exclude-chunks=date,time', out)
    print('wrote', os.path.relpath(out, ROOT))


JOBS = [
    ('ENGFLAG', make_engflag), ('GERFLAG', make_gerflag), ('USFLAG', make_usflag),
    ('JAPFLAG', make_japflag), ('BOTHLOSTFLAG', make_bothlostflag),
    ('RNEMBLEM', make_rnemblem), ('GEREMBLEM', make_geremblem), ('USEMBLEM', make_usemblem),
    ('JAPEMBLEM', make_japemblem),
    ('KINGGEORGEV', make_kinggeorgev), ('BISMARCK', make_bismarck), ('WASHINGTON', make_washington),
    ('YAMOTO', make_yamoto), ('BOTHLOSTIMAGE', make_bothlostimage),
    ('TITLE2', make_title2), ('INTROSIGN', make_introsign), ('INTROPICTURE', make_intropicture),
    ('MENUPICTURE', make_menupicture), ('ICON', make_icon),
]

PANELS = {'MENUIMAGE', 'DARKIMAGE', 'MENURADARIMAGE'}
unknown = ONLY - {name for name, _ in JOBS} - PANELS
if unknown:
    sys.exit('unknown picture: ' + ', '.join(sorted(unknown)))

try:
    os.makedirs(PICTURES, exist_ok=True)
    for name, job in JOBS:
        if not ONLY or name in ONLY:
            job()
    if not ONLY or ONLY & PANELS:
        make_panels()
finally:
    if not os.environ.get('KEEP_TMP'):
        shutil.rmtree(TMP, ignore_errors=True)
    else:
        print('kept', TMP)
PY
