"""One drawing per kind of ship, each in both sets (the second set's sprite names start
with D), plus the minefield. The first set faces right; the second set, the enemy's, is drawn
the same way and then turned to face left, so the two fleets face each other on the board.

On the board a class is told first by its length, so the escorts and cruisers get hulls of
clearly different lengths (the same in both sets), and then by what stands on the hull: the
frigate low with one funnel, the destroyer slim with two, the light cruiser with more
superstructure and turrets, the heavy cruiser longest and tallest of them."""
import math

from .raster import KEY
from .ship_parts import (
    GERMAN, H, KEEL, NAVY, WL, block, boat, bridge_front, capped_funnel, catapult_plane, crane,
    depth_charges, finish, funnel, gun, hull, mast, new_ship, plane_profile, round_bridge, span,
    tower_mast, tubes, turret)


LENGTH = {
    "CORVETTE": 118, "FRIGATE": 154, "DESTROYER": 190, "LTCRUISER": 226, "CRUISER": 260,
    "BATTLESHIP": 284, "CARRIER": 276, "SUB": 250, "AUX": 238, "TROOPER": 258,
    "MERCHANT1": 220, "MERCHANT2": 234, "OILER": 266,
}


def frame(kind):
    """The hull's stern and stem x, and a function from a fraction of the length to x."""
    x0, x1 = span(LENGTH[kind])
    return x0, x1, lambda t: x0 + (x1 - x0) * t


# ---------------------------------------------------------------------------------------------
# Escorts


def draw_corvette(c, st):
    """Short and stubby: a high forecastle running back past a fat funnel, a tall mast."""
    x0, x1, at = frame("CORVETTE")
    fc = (at(0.36), WL - 18)
    if st.dset:
        hull(c, st, x0, x1, WL - 12, fc=fc, sheer=9, bow="atlantic")
        capped_funnel(c, st, at(0.44), WL - 18, 50, 18)
        round_bridge(c, st, at(0.56), 56, at(0.73), WL - 18)
        tower_mast(c, st, at(0.63), 56, 45, 9, finder=20)
        mast(c, st, at(0.63), 45, 30, yard=7)
        turret(c, st, at(0.84), WL - 19, 17, 9, 1, 12)
        block(c, st, at(0.13), WL - 18, at(0.27), WL - 12)
        turret(c, st, at(0.20), WL - 18, 15, 8, -1, 10)
    else:
        hull(c, st, x0, x1, WL - 12, fc=fc, sheer=7)
        funnel(c, st, at(0.44), WL - 18, 48, 19)
        block(c, st, at(0.55), 55, at(0.73), WL - 18, windows=1)
        block(c, st, at(0.60), 50, at(0.73), 55)
        bridge_front(c, st, at(0.64), 51, at(0.73), 54)
        mast(c, st, at(0.78), WL - 18, 30, yard=8)
        c.rect(at(0.84), WL - 23, at(0.93), WL - 18, st.sup)
        gun(c, st, at(0.885), WL - 23, 1, 13, size=1.2)
        c.rect(at(0.13), WL - 18, at(0.27), WL - 12, st.sup)
        gun(c, st, at(0.20), WL - 18, -1, 8)
    depth_charges(c, st, x0 + 2, WL - 12)


def draw_frigate(c, st):
    """Longer than the corvette but low: a long forecastle, one funnel, a small bridge."""
    x0, x1, at = frame("FRIGATE")
    if st.dset:
        hull(c, st, x0, x1, WL - 10, fc=(at(0.30), WL - 12), sheer=8, bow="atlantic")
        capped_funnel(c, st, at(0.45), WL - 12, 56, 15)
        round_bridge(c, st, at(0.58), 64, at(0.72), WL - 12)
        tower_mast(c, st, at(0.64), 64, 54, 8, finder=18)
        mast(c, st, at(0.64), 54, 34, yard=8)
        turret(c, st, at(0.82), WL - 13, 15, 8, 1, 12)
        block(c, st, at(0.18), WL - 16, at(0.30), WL - 10)
        turret(c, st, at(0.24), WL - 16, 14, 7, -1, 10)
        turret(c, st, at(0.10), WL - 10, 15, 8, -1, 12)
    else:
        hull(c, st, x0, x1, WL - 10, fc=(at(0.30), WL - 12), sheer=5, stern="transom")
        funnel(c, st, at(0.45), WL - 12, 55, 15)
        block(c, st, at(0.57), 63, at(0.72), WL - 12, windows=1)
        bridge_front(c, st, at(0.64), 63, at(0.72), 66)
        mast(c, st, at(0.60), 63, 32, yard=8)
        gun(c, st, at(0.84), WL - 12, 1, 14)
        block(c, st, at(0.18), WL - 16, at(0.30), WL - 10)
        gun(c, st, at(0.24), WL - 16, -1, 8)
        gun(c, st, at(0.10), WL - 10, -1, 12)
    depth_charges(c, st, x0 + 2, WL - 10)


def draw_destroyer(c, st):
    """Longer and slim: a raised forecastle, two slender funnels, torpedo tubes amidships."""
    x0, x1, at = frame("DESTROYER")
    fc = (at(0.50), WL - 14)
    if st.dset:
        hull(c, st, x0, x1, WL - 11, fc=fc, sheer=9, bow="atlantic")
        capped_funnel(c, st, at(0.43), WL - 11, 53, 12)
        capped_funnel(c, st, at(0.55), WL - 14, 51, 12)
        round_bridge(c, st, at(0.64), 60, at(0.76), WL - 14)
        tower_mast(c, st, at(0.69), 60, 48, 8, finder=18)
        mast(c, st, at(0.69), 48, 26, yard=8)
        turret(c, st, at(0.90), WL - 16, 15, 8, 1, 12)
        turret(c, st, at(0.81), WL - 14, 15, 8, 1, 12, barbette=5)
    else:
        hull(c, st, x0, x1, WL - 11, fc=fc, sheer=5, stern="transom")
        funnel(c, st, at(0.44), WL - 11, 52, 11)
        funnel(c, st, at(0.55), WL - 14, 52, 11)
        block(c, st, at(0.65), 58, at(0.77), WL - 14, windows=1)
        block(c, st, at(0.67), 52, at(0.76), 58)
        bridge_front(c, st, at(0.70), 53, at(0.76), 55)
        mast(c, st, at(0.63), 58, 26, yard=8, tripod=4)
        turret(c, st, at(0.90), WL - 14, 15, 8, 1, 12)
        turret(c, st, at(0.82), WL - 14, 15, 8, 1, 12, barbette=5)
    tubes(c, st, at(0.27), at(0.37), WL - 11)
    turret(c, st, at(0.19), WL - 11, 15, 8, -1, 12, barbette=5)
    turret(c, st, at(0.09), WL - 11, 15, 8, -1, 12)


# ---------------------------------------------------------------------------------------------
# Cruisers and capital ships


def draw_light_cruiser(c, st):
    """Longer again, with a tall bridge, a mainmast aft and triple turrets fore and aft."""
    x0, x1, at = frame("LTCRUISER")
    fc = (at(0.52), WL - 17)
    if st.dset:
        # One turret forward and two aft, a single broad funnel, a catapult amidships.
        hull(c, st, x0, x1, WL - 13, fc=fc, sheer=10, bow="atlantic")
        turret(c, st, at(0.86), WL - 18, 24, 11, 1, 18)
        round_bridge(c, st, at(0.65), 52, at(0.79), WL - 17, windows=1)
        tower_mast(c, st, at(0.71), 52, 30, 11, finder=24)
        mast(c, st, at(0.71), 32, 16, yard=9)
        capped_funnel(c, st, at(0.55), WL - 17, 40, 20, platform=56)
        boat(c, st, at(0.585), at(0.63), 64)
        catapult_plane(c, st, at(0.43), WL - 13)
        block(c, st, at(0.27), 60, at(0.35), WL - 13)
        mast(c, st, at(0.33), 60, 30, yard=6)
        c.rect(at(0.27) - 4, 57, at(0.27) + 12, 60, st.gun_dark)
        turret(c, st, at(0.19), WL - 13, 24, 11, -1, 18, barbette=8)
        turret(c, st, at(0.09), WL - 13, 24, 11, -1, 18)
    else:
        hull(c, st, x0, x1, WL - 13, fc=fc, sheer=5)
        block(c, st, at(0.64), 54, at(0.78), WL - 17, windows=2)
        block(c, st, at(0.66), 44, at(0.77), 54)
        bridge_front(c, st, at(0.70), 46, at(0.77), 49)
        c.rect(at(0.68), 39, at(0.74), 44, st.gun)
        mast(c, st, at(0.62), 54, 18, yard=9, tripod=5)
        funnel(c, st, at(0.46), WL - 13, 42, 15)
        funnel(c, st, at(0.555), WL - 17, 42, 15)
        boat(c, st, at(0.49), at(0.53), 62)
        block(c, st, at(0.26), 60, at(0.37), WL - 13, windows=1)
        mast(c, st, at(0.32), 60, 28, yard=6)
        turret(c, st, at(0.89), WL - 17, 22, 11, 1, 18)
        turret(c, st, at(0.80), WL - 17, 22, 11, 1, 18, barbette=7)
        turret(c, st, at(0.19), WL - 13, 22, 11, -1, 18, barbette=7)
        turret(c, st, at(0.09), WL - 13, 22, 11, -1, 18)


def draw_heavy_cruiser(c, st):
    """The longest and heaviest of the cruisers: high sides, a massive bridge, four big twin
    turrets."""
    x0, x1, at = frame("CRUISER")
    if st.dset:
        hull(c, st, x0, x1, WL - 16, fc=(at(0.50), WL - 20), sheer=11, bow="atlantic")
        turret(c, st, at(0.89), WL - 21, 26, 13, 1, 22)
        turret(c, st, at(0.80), WL - 20, 26, 13, 1, 22, barbette=8)
        round_bridge(c, st, at(0.62), 44, at(0.76), WL - 20, windows=3)
        tower_mast(c, st, at(0.68), 44, 22, 14, finder=30)
        mast(c, st, at(0.68), 22, 10, yard=9)
        capped_funnel(c, st, at(0.53), WL - 20, 32, 26, platform=50)
        boat(c, st, at(0.565), at(0.61), 60)
        catapult_plane(c, st, at(0.42), WL - 16)
        mast(c, st, at(0.37), WL - 16, 22, yard=7)
        block(c, st, at(0.27), 56, at(0.34), WL - 16)
        tower_mast(c, st, at(0.305), 56, 50, 8, finder=18)
        turret(c, st, at(0.19), WL - 16, 26, 13, -1, 22, barbette=8)
        turret(c, st, at(0.10), WL - 16, 26, 13, -1, 22)
    else:
        # High flush sides, three tall funnels.
        hull(c, st, x0, x1, WL - 18, sheer=5)
        block(c, st, at(0.63), 50, at(0.77), WL - 18, windows=2)
        block(c, st, at(0.65), 38, at(0.76), 50, windows=1)
        bridge_front(c, st, at(0.70), 39, at(0.76), 42)
        c.rect(at(0.67), 32, at(0.73), 38, st.gun)
        mast(c, st, at(0.615), 50, 12, yard=10, tripod=6)
        for t in (0.41, 0.485, 0.56):
            funnel(c, st, at(t), WL - 18, 28, 13)
        block(c, st, at(0.26), 54, at(0.36), WL - 18, windows=1)
        mast(c, st, at(0.31), 54, 22, yard=7)
        turret(c, st, at(0.89), WL - 18, 24, 12, 1, 22)
        turret(c, st, at(0.80), WL - 18, 24, 12, 1, 22, barbette=8)
        turret(c, st, at(0.19), WL - 18, 24, 12, -1, 22, barbette=8)
        turret(c, st, at(0.10), WL - 18, 24, 12, -1, 22)


def draw_battleship(c, st):
    """The heaviest ship: a towering bridge and the biggest turrets."""
    x0, x1, at = frame("BATTLESHIP")
    big = dict(bw=3)
    if st.dset:
        # Four twin turrets, a tower mast forward, one big capped funnel, mainmast behind it.
        hull(c, st, x0, x1, WL - 15, fc=(at(0.55), WL - 19), sheer=10, bow="atlantic")
        turret(c, st, at(0.875), WL - 20, 32, 15, 1, 20, **big)
        turret(c, st, at(0.78), WL - 19, 32, 15, 1, 24, barbette=10, **big)
        round_bridge(c, st, at(0.62), 40, at(0.75), WL - 19, windows=4)
        tower_mast(c, st, at(0.675), 40, 16, 15, finder=34)
        mast(c, st, at(0.675), 16, 6, yard=10)
        capped_funnel(c, st, at(0.52), WL - 15, 30, 30, platform=48)
        boat(c, st, at(0.555), at(0.595), 58)
        mast(c, st, at(0.42), WL - 15, 18, yard=8)
        block(c, st, at(0.31), 50, at(0.39), WL - 15, windows=1)
        tower_mast(c, st, at(0.35), 50, 40, 10, finder=22)
        for t in (0.445, 0.60):
            turret(c, st, at(t), WL - 15 if t < 0.55 else WL - 19, 14, 7, 1, 8)
        turret(c, st, at(0.235), WL - 15, 32, 15, -1, 24, barbette=10, **big)
        turret(c, st, at(0.125), WL - 15, 32, 15, -1, 20, **big)
    else:
        hull(c, st, x0, x1, WL - 15, fc=(at(0.55), WL - 19), sheer=4)
        block(c, st, at(0.59), 48, at(0.75), WL - 19, windows=2)
        block(c, st, at(0.61), 32, at(0.74), 48, windows=2)
        block(c, st, at(0.64), 20, at(0.72), 32)
        bridge_front(c, st, at(0.67), 22, at(0.72), 25)
        c.rect(at(0.655), 14, at(0.71), 20, st.gun)
        mast(c, st, at(0.68), 14, 6, yard=10)
        funnel(c, st, at(0.535), WL - 19, 28, 22)
        funnel(c, st, at(0.43), WL - 15, 32, 20)
        block(c, st, at(0.30), 48, at(0.39), WL - 15, windows=2)
        mast(c, st, at(0.35), 48, 18, yard=8, tripod=5)
        turret(c, st, at(0.875), WL - 19, 34, 16, 1, 20, **big)
        turret(c, st, at(0.77), WL - 19, 34, 16, 1, 24, barbette=10, **big)
        turret(c, st, at(0.15), WL - 15, 34, 16, -1, 24, **big)
        # Secondary guns along the deck.
        for t in (0.47, 0.50):
            c.rect(at(t), WL - 21, at(t) + 8, WL - 15, st.gun)
            c.line(at(t) + 8, WL - 19, at(t) + 14, WL - 20, 1.5, st.gun_dark)


def draw_carrier(c, st):
    """A flat top over a high hull: the long flight deck and the island tell it at once."""
    x0, x1, at = frame("CARRIER")
    deck_top = 42
    if st.dset:
        hull(c, st, x0, x1, WL - 22, sheer=8, bow="atlantic")
        # Closed hangar sides with a row of ports, casemate guns low in the hull.
        c.rect(at(0.05), deck_top + 6, at(0.85), WL - 22, st.sup)
        for x in range(int(at(0.08)), int(at(0.82)), 9):
            c.rect(x, deck_top + 12, x + 3, deck_top + 15, st.window)
        for t in (0.2, 0.3, 0.62, 0.72):
            c.rect(at(t), WL - 16, at(t) + 7, WL - 11, st.gun_dark)
            c.line(at(t) + 7, WL - 14, at(t) + 14, WL - 15, 2, st.gun_dark)
        deck_x0, deck_x1 = x0 - 2, x1 - 14
        c.polygon([(deck_x0, deck_top), (deck_x1, deck_top), (deck_x1 - 6, deck_top + 6),
                   (deck_x0 + 4, deck_top + 6)], st.gun)
        c.rect(deck_x0, deck_top, deck_x1, deck_top + 1, st.gun_edge)
        round_bridge(c, st, at(0.62), 26, at(0.74), deck_top)
        capped_funnel(c, st, at(0.66), 26, 14, 22)
        tower_mast(c, st, at(0.715), 26, 16, 7, finder=14)
        mast(c, st, at(0.715), 16, 8, yard=6)
        for t in (0.12, 0.24, 0.36, 0.86):
            plane_profile(c, st, at(t), deck_top)
    else:
        hull(c, st, x0, x1, WL - 22, sheer=4)
        c.rect(at(0.04), deck_top + 6, at(0.92), WL - 22, st.sup_low)
        for x in range(int(at(0.06)), int(at(0.88)), 13):
            c.rect(x, deck_top + 10, x + 7, deck_top + 17, st.window)
        deck_x0, deck_x1 = x0 - 6, x1 + 2
        c.polygon([(deck_x0, deck_top), (deck_x1, deck_top), (deck_x1 - 6, deck_top + 6),
                   (deck_x0 + 6, deck_top + 6)], st.gun)
        c.rect(deck_x0, deck_top, deck_x1, deck_top + 1, st.gun_edge)
        block(c, st, at(0.62), 20, at(0.76), deck_top, windows=2)
        bridge_front(c, st, at(0.70), 21, at(0.76), 24)
        funnel(c, st, at(0.67), 20, 10, 20)
        mast(c, st, at(0.63), 20, 8, yard=7)
        for t in (0.24, 0.335, 0.43, 0.525, 0.88):
            plane_profile(c, st, at(t), deck_top)


def draw_sub(c, st):
    """Long and low, but with enough hull above the water and a tall conning tower to be seen
    in a cell."""
    x0, x1, at = frame("SUB")
    deck = WL - 10
    if st.dset:
        # Saddle tanks, a high flared bow with a net cutter, the tower with its gun platform aft.
        pts = [(x0, WL - 3), (at(0.06), deck + 1), (at(0.30), deck), (at(0.80), deck),
               (at(0.93), deck - 2), (x1, deck - 4), (x1 - 5, WL), (x1 - 10, KEEL),
               (x0 + 14, KEEL)]
    else:
        pts = [(x0, WL - 2), (at(0.08), deck + 1), (at(0.28), deck), (at(0.86), deck),
               (x1, WL - 5), (x1 - 4, KEEL), (x0 + 12, KEEL)]
    c.polygon(pts, st.hull)
    c.top_edge(st.deck_edge, {st.hull}, 2)
    c.rect(0, WL - 3, 291, WL, st.hull_low, only={st.hull})
    c.rect(0, WL, 291, KEEL, st.boot, only={st.hull, st.hull_low})
    if st.dset:
        # The bridge with its rounded front, the gun platform stepped down behind it.
        c.polygon([(at(0.44), deck), (at(0.44), 60), (at(0.46), 57), (at(0.555), 57),
                   (at(0.58), 60), (at(0.595), 67), (at(0.60), deck)], st.sup)
        c.rect(at(0.46), 57, at(0.555), 58, st.sup_edge)
        c.rect(at(0.36), 65, at(0.44), deck, st.sup)
        c.rect(at(0.36), 65, at(0.44), 66, st.sup_edge)
        c.line(at(0.36), 61, at(0.44), 61, 1.2, st.mast)
        for t in (0.36, 0.40):
            c.line(at(t), 61, at(t), 65, 1.2, st.mast)
        c.rect(at(0.39), 60, at(0.42), 65, st.gun_dark)
        c.line(at(0.40), 61, at(0.34), 57, 2, st.gun_dark)
        mast(c, st, at(0.50), 57, 38)
        mast(c, st, at(0.525), 57, 45)
        gun(c, st, at(0.68), deck, 1, 16, size=1.1)
        c.polyline([(at(0.58), 60), (x1 - 2, deck - 3)], 1.2, st.mast)
        c.polyline([(at(0.36), 61), (x0 + 10, WL - 5)], 1.2, st.mast)
        c.polygon([(x1 - 8, deck - 4), (x1 - 2, deck - 11), (x1, deck - 4)], st.mast)
        for x in range(int(at(0.09)), int(at(0.30)), 8):
            c.rect(x, deck + 3, x + 3, deck + 5, st.porthole, only={st.hull})
    else:
        c.polygon([(at(0.45), deck), (at(0.46), 62), (at(0.48), 59), (at(0.58), 59),
                   (at(0.61), 64), (at(0.62), deck)], st.sup)
        c.rect(at(0.48), 59, at(0.58), 60, st.sup_edge)
        mast(c, st, at(0.52), 59, 38)
        mast(c, st, at(0.55), 59, 46)
        c.rect(at(0.68), deck - 4, at(0.76), deck, st.sup)
        gun(c, st, at(0.72), deck - 4, 1, 15, size=1.1)
        c.polyline([(at(0.58), 59), (x1 - 4, WL - 6)], 1.2, st.mast)
        c.polyline([(at(0.46), 62), (x0 + 8, WL - 4)], 1.2, st.mast)
    c.polygon([(x1 - 30, KEEL + 2), (x1 - 8, WL), (x1, WL), (x1 + 6, KEEL + 2)], st.foam,
              only={KEY})


# ---------------------------------------------------------------------------------------------
# Auxiliaries and merchants


def draw_aux(c, st):
    x0, x1, at = frame("AUX")
    d = st.dset
    hull(c, st, x0, x1, 67, fc=(x1 - 44, 61), poop=(x0 + 34, 63), sheer=4,
         bow="atlantic" if d else "plumb", stern="counter", portholes=not d)
    if d:
        # A raider dressed as a freighter: one capped funnel, kingposts, hidden guns.
        block(c, st, at(0.40), 47, at(0.62), 67, windows=2)
        round_bridge(c, st, at(0.50), 37, at(0.62), 47)
        capped_funnel(c, st, at(0.45), 47, 24, 17)
        for t in (0.22, 0.78):
            c.rect(at(t) - 3, 26, at(t) + 3, 67 if t < 0.5 else 61, st.mast)
            c.rect(at(t) - 8, 28, at(t) + 8, 30, st.mast)
            c.line(at(t), 56, at(t) + 20, 36, 1.5, st.mast)
        for a, b in ((0.27, 0.36), (0.66, 0.74)):
            c.rect(at(a), 61 if a > 0.5 else 63, at(b), 67, st.gun_dark)
    else:
        block(c, st, at(0.38), 43, at(0.63), 67, windows=3)
        block(c, st, at(0.48), 33, at(0.60), 43)
        bridge_front(c, st, at(0.53), 35, at(0.60), 38)
        funnel(c, st, at(0.43), 43, 19, 14)
        crane(c, st, at(0.28), 67, 25, at(0.17), 29)
        crane(c, st, at(0.72), 61, 25, at(0.85), 27)
        c.rect(at(0.23), 61, at(0.34), 67, st.gun_dark)


def draw_trooper(c, st):
    x0, x1, at = frame("TROOPER")
    d = st.dset
    hull(c, st, x0, x1, 63, sheer=6, bow="atlantic" if d else "raked", stern="counter",
         portholes=True)
    block(c, st, at(0.17), 47, at(0.81), 63, windows=2)
    block(c, st, at(0.24), 35, at(0.75), 47, windows=1)
    if d:
        # A liner: a long, even superstructure under one big capped funnel.
        block(c, st, at(0.50), 25, at(0.74), 35, windows=1)
        round_bridge(c, st, at(0.64), 19, at(0.74), 25)
        capped_funnel(c, st, at(0.42), 35, 10, 26)
        mast(c, st, at(0.22), 47, 12, rake=5, yard=6)
        mast(c, st, at(0.89), 63, 16, rake=5, yard=6)
    else:
        block(c, st, at(0.33), 25, at(0.69), 35)
        bridge_front(c, st, at(0.63), 27, at(0.69), 30)
        funnel(c, st, at(0.41), 25, 8, 16)
        funnel(c, st, at(0.55), 25, 8, 16)
        mast(c, st, at(0.23), 47, 12, yard=6)
        mast(c, st, at(0.87), 63, 14, yard=6)
    # Lifeboats along the boat deck.
    for x in range(int(at(0.27)), int(at(0.71)), 16):
        c.polygon([(x, 33), (x + 11, 33), (x + 9, 36), (x + 2, 36)], st.boat)


# Merchant and tanker liveries: the first set in peacetime colours, the second in the enemy's
# red and warm grey, each hull a shade of its own.
MERCHANT1_A = NAVY.but(hull=(38, 38, 42), hull_low=(30, 30, 34), deck_edge=(96, 90, 80),
                       sup=(230, 226, 214), sup_low=(196, 192, 180), sup_edge=(246, 244, 236),
                       funnel=(200, 160, 92), funnel_edge=(222, 186, 122),
                       boot=(160, 44, 36), mast=(150, 120, 70))
# Green, not the red-brown of many a real freighter: a red hull marks the enemy on the board.
MERCHANT2_A = NAVY.but(hull=(58, 84, 66), hull_low=(48, 70, 56), deck_edge=(98, 126, 106),
                       sup=(226, 228, 222), sup_low=(192, 194, 188), sup_edge=(246, 246, 242),
                       funnel=(36, 36, 40), funnel_edge=(70, 70, 76), cap=(36, 36, 40),
                       boot=(44, 44, 48), mast=(60, 56, 50))
OILER_A = NAVY.but(hull=(60, 62, 66), hull_low=(48, 50, 54), deck_edge=(108, 110, 114),
                   sup=(224, 222, 214), sup_low=(190, 188, 180), sup_edge=(244, 242, 236),
                   funnel=(176, 54, 44), funnel_edge=(204, 84, 72), boot=(150, 46, 40))
MERCHANT_D = GERMAN


def draw_merchant1(c, st):
    x0, x1, at = frame("MERCHANT1")
    d = st.dset
    hull(c, st, x0, x1, 71, fc=(x1 - 30, 65), poop=(x0 + 34, 65), sheer=3,
         bow="atlantic" if d else "plumb", stern="counter")
    block(c, st, at(0.41), 51, at(0.60), 71, windows=2)
    block(c, st, at(0.45), 41, at(0.58), 51)
    bridge_front(c, st, at(0.51), 43, at(0.58), 46)
    if d:
        capped_funnel(c, st, at(0.49), 41, 23, 13)
    else:
        funnel(c, st, at(0.49), 41, 23, 11, bands=((5, 3, (190, 40, 34)),))
    for t, tip in ((0.29, 0.37), (0.74, 0.66)):
        mast(c, st, at(t), 71, 19, yard=7, rake=3 if d else 0)
        c.line(at(t), 65, at(tip), 35, 1.5, st.mast)
    for a, b in ((0.19, 0.26), (0.31, 0.39), (0.63, 0.71), (0.77, 0.84)):
        c.rect(at(a), 67, at(b), 71, st.gun_dark)


def draw_merchant2(c, st):
    x0, x1, at = frame("MERCHANT2")
    d = st.dset
    hull(c, st, x0, x1, 69, fc=(x1 - 26, 64), poop=(at(0.34), 63), sheer=4,
         bow="atlantic" if d else "raked", stern="cruiser" if d else "counter")
    # Bridge and engines three-quarters aft, heavy derrick posts forward, deck cargo.
    block(c, st, at(0.17), 45, at(0.34), 63, windows=2)
    block(c, st, at(0.21), 35, at(0.33), 45)
    bridge_front(c, st, at(0.27), 37, at(0.33), 40)
    if d:
        capped_funnel(c, st, at(0.23), 35, 20, 15)
    else:
        funnel(c, st, at(0.23), 35, 23, 12, bands=((5, 3, (232, 232, 228)),))
    for t in (0.52, 0.79):
        c.rect(at(t) - 3, 31, at(t) + 3, 69, st.mast)
        c.rect(at(t) - 8, 33, at(t) + 8, 35, st.mast)
        c.line(at(t), 63, at(t) + 22, 41, 1.5, st.mast)
    crates = (200, 160, 96) if not d else (150, 140, 112)
    for a, y0, b in ((0.40, 59, 0.49), (0.54, 61, 0.62), (0.64, 57, 0.75), (0.82, 57, 0.88)):
        c.rect(at(a), y0, at(b), 69, crates)
        c.rect(at(a), y0, at(b), y0 + 1, st.gun_dark)


def draw_oiler(c, st):
    x0, x1, at = frame("OILER")
    d = st.dset
    hull(c, st, x0, x1, 77, fc=(x1 - 24, 71), poop=(x0 + 54, 70), sheer=3,
         bow="atlantic" if d else "plumb", stern="cruiser" if d else "counter")
    # Engine house aft, bridge amidships, a catwalk between them over the tank deck.
    block(c, st, x0 + 8, 55, x0 + 52, 70, windows=1)
    if d:
        capped_funnel(c, st, x0 + 28, 55, 37, 13)
        block(c, st, at(0.47), 57, at(0.59), 77, windows=1)
        round_bridge(c, st, at(0.49), 47, at(0.58), 57)
    else:
        funnel(c, st, x0 + 28, 55, 37, 12)
        block(c, st, at(0.46), 57, at(0.58), 77, windows=1)
        block(c, st, at(0.48), 47, at(0.57), 57)
        bridge_front(c, st, at(0.51), 49, at(0.57), 52)
    c.line(x0 + 52, 69, at(0.46), 69, 2, st.mast)
    c.line(at(0.59), 69, x1 - 30, 69, 2, st.mast)
    for x in range(x0 + 60, x1 - 30, 16):
        if not at(0.45) <= x <= at(0.60):
            c.line(x, 69, x, 77, 1.2, st.mast)
    c.rect(x0 + 54, 75, x1 - 32, 77, st.gun_dark, only={st.hull, st.deck_edge})
    mast(c, st, at(0.525), 47, 29, yard=6, rake=3 if d else 0)
    mast(c, st, at(0.83), 71, 39, yard=5, rake=3 if d else 0)


def draw_mines(c, st):
    """A minefield: horned mines bobbing at several distances. Cells are squeezed about 1.5
    times across, so the mines are drawn that much wider to look round on the board."""
    # Lighter than real mines so they still read over a deep-sea map.
    body, lit, shine = (78, 80, 88), (124, 128, 136), (196, 200, 206)
    horn, ripple = (150, 154, 162), (212, 228, 234)
    for cx, cy, r in ((40, 80, 17), (98, 62, 14), (150, 82, 19), (204, 64, 14),
                      (254, 80, 17)):
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
    ("SUB", False): NAVY.but(hull=(112, 118, 126), hull_low=(98, 104, 112), sup=(126, 132, 140),
                             sup_low=(110, 116, 124), sup_edge=(164, 170, 176),
                             boot=(92, 98, 106)),
    # Light enough to stand out on the dark sea, unlike a real boat.
    ("SUB", True): GERMAN.but(hull=(166, 74, 60), hull_low=(146, 64, 52),
                              deck_edge=(206, 124, 106)),
    ("MERCHANT1", False): MERCHANT1_A, ("MERCHANT2", False): MERCHANT2_A,
    ("OILER", False): OILER_A,
    ("MERCHANT1", True): MERCHANT_D,
    ("MERCHANT2", True): MERCHANT_D.but(hull=(148, 76, 50), hull_low=(128, 66, 44),
                                         deck_edge=(192, 124, 96)),
    ("OILER", True): MERCHANT_D.but(hull=(150, 66, 62), hull_low=(136, 60, 56),
                                     deck_edge=(192, 116, 110)),
}


def ship_sprites():
    out = {}
    for name, draw in SHIPS.items():
        for dset in (False, True):
            st = LIVERY.get((name, dset), GERMAN if dset else NAVY)
            c = new_ship()
            draw(c, st)
            rows = finish(c)
            out[("D" if dset else "") + name] = [row[::-1] for row in rows] if dset else rows
    c = new_ship()
    draw_mines(c, NAVY)
    out["MINES"] = finish(c)
    return out
