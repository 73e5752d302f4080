"""What the ship sprites are built from: the two liveries and the hull, superstructure,
funnel, mast, gun and boat shapes. Side views, drawn bow to the right, in pixels of a 291 x 118
unit picture (the second set is turned to face left once drawn).

Every ship floats on the same line (WL), a little below the middle of the picture, so that a
ship and its masts come out centred in the board cell; finish() then slides each drawing
sideways to the middle. The board squeezes a picture about 1.5 times more across than down, so
turrets, funnels and bridges are drawn that much wider than they should look."""
from .raster import Canvas, KEY


W, H = 291, 118
WL = 88     # top of the boot-topping stripe: where every hull meets the sea
KEEL = 93   # the hull is cut off here; below it only foam


class Style:
    def __init__(self, **kw):
        self.__dict__.update(kw)

    def but(self, **kw):
        copy = Style(**self.__dict__)
        copy.__dict__.update(kw)
        return copy


# First set: pale naval grey all over, upright funnels with black tops, plumb stems.
NAVY = Style(
    dset=False,
    hull=(146, 152, 158), hull_low=(128, 134, 141), deck_edge=(190, 194, 198),
    sup=(184, 189, 194), sup_low=(156, 162, 168), sup_edge=(218, 221, 224),
    window=(34, 42, 52), funnel=(170, 175, 180), funnel_edge=(206, 210, 213),
    cap=(30, 30, 33), gun=(98, 104, 112), gun_edge=(140, 145, 151),
    gun_dark=(66, 70, 76), mast=(66, 70, 76), boot=(128, 40, 36), foam=(228, 238, 242),
    porthole=(60, 66, 74), plane=(70, 82, 100), boat=(214, 218, 222))

# Second set: the enemy's. A red hull over a pale boot-topping, under warm grey upperworks, so
# an enemy tells itself from an own ship by its tone at a glance, on the dark open sea and on
# the light shallows alike (a red hull reads by its hue on the one and by its darkness on the
# other). Every colour but the fittings stays well lighter than the darkest sea. Black funnel
# caps.
GERMAN = Style(
    dset=True,
    hull=(156, 66, 54), hull_low=(140, 60, 50), deck_edge=(200, 116, 98),
    sup=(184, 164, 152), sup_low=(160, 142, 132), sup_edge=(214, 198, 188),
    window=(24, 26, 30), funnel=(176, 158, 148), funnel_edge=(204, 190, 180),
    cap=(22, 22, 24), gun=(168, 150, 140), gun_edge=(204, 190, 180),
    gun_dark=(62, 64, 68), mast=(52, 54, 58), boot=(176, 164, 156), foam=(222, 232, 236),
    porthole=(44, 48, 54), plane=(120, 126, 112), boat=(196, 198, 194))


def span(length):
    """Stern and stem x of a hull of this length in the middle of the picture."""
    x0 = round((W - length) / 2)
    return x0, x0 + length


def hull(c, st, x0, x1, deck, fc=None, poop=None, sheer=3, bow="plumb", stern="cruiser",
         portholes=False):
    """A hull from stern x0 to stem x1 (at deck level). fc: (x where the forecastle starts,
    its deck height); poop: (x where the poop ends, its deck height). bow: "plumb", "raked"
    (a merchant's straight raked stem) or "atlantic" (raked, flared and sheered up)."""
    top = []
    if poop:
        top += [(x0, poop[1]), (poop[0], poop[1]), (poop[0], deck)]
    else:
        top += [(x0, deck)]
    bow_deck = deck
    if fc:
        top += [(fc[0], deck), (fc[0], fc[1])]
        bow_deck = fc[1]
    rise = 0.32 if bow == "atlantic" else 0.22
    rise_from = x1 - (x1 - x0) * rise
    if not fc or fc[0] < rise_from:
        top += [(rise_from, bow_deck)]
    stem_top = bow_deck - sheer
    if bow == "atlantic":
        # The sheer sweeps up over the last third; the stem leans well forward and curves.
        top += [(x1 - (x1 - x0) * 0.12, bow_deck - sheer * 0.45)]
        d = WL - stem_top
        stem = [(x1, stem_top), (x1 - 3, stem_top + d * 0.3), (x1 - 8, stem_top + d * 0.65),
                (x1 - 14, WL), (x1 - 17, KEEL)]
    elif bow == "raked":
        stem = [(x1, stem_top), (x1 - 13, KEEL)]
    else:
        stem = [(x1, stem_top), (x1 - 3, WL), (x1 - 5, KEEL)]
    if stern == "cruiser":
        aft = [(x0 + 10, KEEL), (x0 + 3, WL - 1), (x0, WL - 5)]
    elif stern == "transom":
        aft = [(x0 + 4, KEEL), (x0 + 1, WL - 2)]
    else:  # "counter": an overhanging merchant stern
        aft = [(x0 + 14, KEEL), (x0 + 8, WL - 1), (x0 + 1, WL - 5)]
    c.polygon(top + stem + aft, st.hull)
    hull_colours = {st.hull}
    c.top_edge(st.deck_edge, hull_colours, 2)
    c.rect(x0 - 2, deck + (WL - deck) * 0.55, x1 + 2, WL, st.hull_low, only=hull_colours)
    if portholes:
        for x in range(int(x0) + 22, int(x1) - 22, 7):
            c.rect(x, deck + 3, x + 2, deck + 5, st.porthole,
                   only={st.hull, st.hull_low, st.deck_edge})
    c.rect(x0 - 2, WL, x1 + 2, KEEL, st.boot, only={st.hull, st.hull_low, st.deck_edge})
    # A bow wave and a little wake, both kept below the waterline.
    stem_x = x1 - (14 if bow == "atlantic" else 10 if bow == "raked" else 3)
    c.polygon([(stem_x - 22, KEEL + 2), (stem_x - 2, WL), (stem_x + 4, WL),
               (stem_x + 10, KEEL + 2)], st.foam, only={KEY})
    c.polygon([(x0 - 12, KEEL + 1), (x0 + 2, WL), (x0 + 14, KEEL), (x0 + 8, KEEL + 2)],
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


def round_bridge(c, st, x0, y0, x1, y1, windows=0):
    """The second set's bridge: a deckhouse with a rounded, stepped-back front, a band of
    windows along its top and `windows` rows of ports below."""
    h = y1 - y0
    c.polygon([(x0, y1), (x0, y0), (x1 - 6, y0), (x1 - 2, y0 + 2), (x1, y0 + min(h * 0.4, 8)),
               (x1, y1)], st.sup)
    c.rect(x0, y0, x1 - 6, y0 + 1, st.sup_edge)
    c.rect(x0 + 3, y0 + 3, x1 - 1, y0 + 5, st.window, only={st.sup})
    for r in range(windows):
        y = y0 + 9 + r * 5
        if y + 2 > y1 - 3:
            break
        for x in range(int(x0) + 3, int(x1) - 3, 5):
            c.rect(x, y, x + 2, y + 2, st.window, only={st.sup})
    c.rect(x0, y1 - 2, x1, y1, st.sup_low, only={st.sup})


def funnel(c, st, x, base, top, w, rake=0, cap=3, bands=()):
    """An upright (or raked) funnel with a black top band."""
    c.polygon([(x - w / 2, base), (x - w / 2 - rake, top), (x + w / 2 - rake, top),
               (x + w / 2, base)], st.funnel)
    c.polygon([(x - w / 2, base), (x - w / 2 - rake, top), (x - w / 2 - rake + 2, top),
               (x - w / 2 + 2, base)], st.funnel_edge, only={st.funnel})
    span_ = (x - w / 2 - rake - 2, x + w / 2 + 2)
    for y, h, colour in bands:
        c.rect(span_[0], top + y, span_[1], top + y + h, colour, only={st.funnel, st.funnel_edge})
    c.rect(span_[0], top, span_[1], top + cap, st.cap, only={st.funnel, st.funnel_edge})


def capped_funnel(c, st, x, base, top, w, platform=None):
    """The second set's funnel: a broad trunk under a black cap that slopes down aft and
    overhangs the trunk a little. platform: the height of a searchlight platform round it."""
    drop = max(3, w * 0.22)
    xl, xr = x - w / 2, x + w / 2
    c.polygon([(xl, base), (xl - 1, top + drop), (xr - 1, top), (xr, base)], st.funnel)
    c.rect(xl - 1, top, xl + 2, base, st.funnel_edge, only={st.funnel})
    c.polygon([(xl - 3, top + drop), (xr + 2, top - 1), (xr + 2, top + 4),
               (xl - 3, top + drop + 5)], st.cap)
    if platform is not None:
        c.rect(xl - 5, platform, xr + 5, platform + 2, st.sup_edge)
        c.rect(xl - 5, platform + 2, xr + 5, platform + 3, st.gun_dark)
        for sx in (xl - 3, xr + 3):
            c.rect(sx - 2, platform - 4, sx + 2, platform, st.gun_dark)


def mast(c, st, x, base, top, w=2, yard=0, tripod=0, rake=0):
    c.line(x, base, x - rake, top, w, st.mast)
    if yard:
        y = top + 6
        c.line(x - rake - yard, y, x - rake + yard, y, 1.5, st.mast)
    if tripod:
        c.line(x + tripod, base, x - rake, top + (base - top) * 0.45, 1.5, st.mast)
        c.line(x - tripod, base, x - rake, top + (base - top) * 0.45, 1.5, st.mast)


def tower_mast(c, st, x, base, top, w, finder=None, platforms=1):
    """The second set's compact tower: one slim upright tower (no steps) carrying a
    rangefinder hood on top and a platform or two round it."""
    finder = finder or w + 12
    c.rect(x - w / 2, top + 4, x + w / 2, base, st.sup)
    c.rect(x - w / 2, top + 4, x - w / 2 + 2, base, st.sup_edge, only={st.sup})
    for i in range(platforms):
        y = top + 10 + i * (base - top - 10) / (platforms + 0.5)
        c.rect(x - w / 2 - 3, y, x + w / 2 + 3, y + 2, st.sup_edge)
    # The rangefinder: a domed hood with its arms out to both sides.
    c.rect(x - finder / 2, top + 3, x + finder / 2, top + 6, st.gun_dark)
    c.polygon([(x - w / 2 - 1, top + 4), (x - w / 2 + 1, top), (x + w / 2 - 1, top),
               (x + w / 2 + 1, top + 4)], st.gun)
    c.rect(x - w / 2 + 1, top, x + w / 2 - 1, top + 1, st.gun_edge)


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
        body = [(-w / 2, 0), (-w / 2 + 2, -h), (w / 2 - 6, -h), (w / 2, -h * 0.5), (w / 2, 0)]
    else:
        body = [(-w / 2, 0), (-w / 2, -h + 3), (-w / 2 + 3, -h), (w / 2 - 4, -h),
                (w / 2, -h + 4), (w / 2, 0)]
    c.polygon([at(px, b + py) for px, py in body], st.gun)
    c.rect(cx - w / 2, b - h, cx + w / 2, b - h + 1, st.gun_edge, only={st.gun})


def gun(c, st, x, base, facing, barrel=10, size=1.0):
    """A single gun behind a shield."""
    s = size
    c.rect(x - 2 * s, base - 5 * s, x + 2 * s, base, st.gun_dark)
    c.line(x, base - 6 * s, x + facing * barrel, base - 8 * s, 2 * s, st.gun_dark)
    c.polygon([(x - 5 * s * facing, base - 4 * s), (x - 4 * s * facing, base - 10 * s),
               (x + 3 * s * facing, base - 10 * s), (x + 5 * s * facing, base - 5 * s)], st.gun)
    c.rect(min(x - 4 * s * facing, x + 3 * s * facing), base - 10 * s,
           max(x - 4 * s * facing, x + 3 * s * facing), base - 9 * s, st.gun_edge, only={st.gun})


def tubes(c, st, x0, x1, base):
    """A torpedo tube mounting lying fore and aft."""
    c.rect(x0 + 4, base - 3, x1 - 4, base, st.gun_dark)
    c.rect(x0, base - 7, x1, base - 3, st.gun)
    c.rect(x0, base - 7, x1, base - 6, st.gun_edge)


def boat(c, st, x0, x1, y):
    """A ship's boat in its davits, its gunwale at y."""
    c.polygon([(x0, y), (x1, y), (x1 - 2, y + 3), (x0 + 2, y + 3)], st.boat)
    c.rect(x0 + 1, y - 3, x0 + 2, y, st.mast)
    c.rect(x1 - 2, y - 3, x1 - 1, y, st.mast)


def depth_charges(c, st, x, base):
    c.rect(x, base - 3, x + 9, base, st.gun_dark)
    c.rect(x + 1, base - 5, x + 4, base - 3, st.gun_dark)


def crane(c, st, x, base, top, tip_x, tip_y):
    c.line(x, base, x, top, 3, st.mast)
    c.line(x, base - 6, tip_x, tip_y, 2, st.mast)
    c.line(x, top, tip_x, tip_y, 1.2, st.mast)
    c.line(tip_x, tip_y, tip_x, tip_y + 10, 1.2, st.mast)


def plane_profile(c, st, x, base):
    """A small aircraft parked on a deck, nose to the right."""
    c.polygon([(x - 9, base - 3), (x + 8, base - 4), (x + 10, base - 2), (x + 8, base),
               (x - 9, base - 1)], st.plane)
    c.polygon([(x - 9, base - 1), (x - 9, base - 8), (x - 6, base - 3)], st.plane)
    c.rect(x + 1, base - 3, x + 5, base - 1, st.window)


def catapult_plane(c, st, x, base, w=34):
    """A float plane on its catapult athwart the deck."""
    c.rect(x - w / 2, base - 3, x + w / 2, base, st.gun_dark)
    c.rect(x - 2, base - 6, x + 2, base - 3, st.gun_dark)
    y = base - 6
    c.polygon([(x - 12, y - 3), (x + 9, y - 4), (x + 12, y - 2), (x + 9, y),
               (x - 12, y - 1)], st.plane)
    c.polygon([(x - 12, y - 1), (x - 12, y - 9), (x - 8, y - 3)], st.plane)
    c.rect(x - 6, y - 2, x + 8, y, st.gun_dark, only={st.plane})
    c.line(x - 4, y, x - 7, y + 3, 1.2, st.mast)
    c.line(x + 4, y, x + 7, y + 3, 1.2, st.mast)
    c.rect(x - 10, y + 3, x + 10, y + 5, st.plane)


def new_ship():
    return Canvas(W, H, KEY)


def finish(c):
    """Slides the drawing sideways so that what is drawn sits in the middle of the picture."""
    xs = [x for row in c.px for x, colour in enumerate(row) if colour != KEY]
    if not xs:
        return c.rows()
    shift = round((W - 1 - min(xs) - max(xs)) / 2)
    out = []
    for row in c.px:
        if shift >= 0:
            out.append([KEY] * shift + row[:W - shift])
        else:
            out.append(row[-shift:] + [KEY] * -shift)
    return out
