"""Ships in profile. A ship is drawn bow to the right in units of its length (0 stern .. 1 bow),
heights above the waterline in the same units."""
from .colour import smooth


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
