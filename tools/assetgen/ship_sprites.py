"""One drawing per kind of ship, each in both sets (the second set's sprite names start
with D), plus the minefield."""
import math

from .raster import KEY
from .ship_parts import (
    DARK, H, KEEL, NAVY, W, WL, block, bridge_front, crane, dazzle, funnel, gun, hull, mast,
    new_ship, pagoda, plane_profile, turret)


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
