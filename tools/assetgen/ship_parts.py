"""What the ship sprites are built from: the two liveries and the hull, superstructure,
funnel, mast, gun and camouflage shapes. Side views, bow to the right, in pixels of a 291 x 118
unit picture with the sea near the bottom."""
from .raster import Canvas, KEY


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
