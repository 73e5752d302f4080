"""The four battleships of the end-of-game window, each in its own side elevation as built and
as it went to sea in the war: hull and bow, the turrets in their places, funnels, towers and
masts, directors, boats and aircraft. Measurements in metres, x forward from the stern."""
import math

from .elevation import Elevation, rect


def cross_flag():
    """The Kriegsmarine's flag of this game: the Iron Cross alone, white-edged, on sea blue."""
    out = [(rect(0, 0, 1, 1), '#2c4a70')]
    for colour, grow in (('#f0f0ec', 0.06), ('#111111', 0.0)):
        out.append((rect(0.42 - grow, 0.18 - grow * 1.5, 0.58 + grow, 0.82 + grow * 1.5), colour))
        out.append((rect(0.26 - grow, 0.38 - grow * 1.5, 0.74 + grow, 0.62 + grow * 1.5), colour))
    return out


def white_ensign():
    return [(rect(0, 0, 1, 1), '#eeeeea'), (rect(0, 0.4, 1, 0.6), '#c8102e'),
            (rect(0.45, 0, 0.55, 1), '#c8102e'), (rect(0, 0, 0.45, 0.45), '#1e2f6e')]


def stars_and_stripes():
    out = [(rect(0, 0, 1, 1), '#eeeeea')]
    for i in range(0, 13, 2):
        out.append((rect(0, i / 13.0, 1, (i + 1) / 13.0), '#b22234'))
    out.append((rect(0, 0, 0.42, 7 / 13.0), '#3c3b6e'))
    return out


def rising_sun_ensign():
    """The naval ensign: the red sun set towards the hoist with sixteen rays."""
    cx, cy = 0.45, 0.5
    out = [(rect(0, 0, 1, 1), '#eeeeea')]
    for i in range(16):
        a0 = math.radians(i * 22.5 - 5.6)
        a1 = math.radians(i * 22.5 + 5.6)
        ray = [(cx, cy), (cx + 3 * math.cos(a0), cy + 3 * math.sin(a0)),
               (cx + 3 * math.cos(a1), cy + 3 * math.sin(a1))]
        out.append((clip_to_square(ray), '#bc002d'))
    out.append(([(cx + 0.2 * math.cos(math.radians(a)), cy + 0.3 * math.sin(math.radians(a)))
                 for a in range(0, 360, 20)], '#bc002d'))
    return out


def clip_to_square(pts):
    """A convex polygon cut down to the unit square."""
    for axis, edge, keep_below in ((0, 0.0, False), (0, 1.0, True), (1, 0.0, False), (1, 1.0, True)):
        def inside(p):
            return p[axis] <= edge if keep_below else p[axis] >= edge
        out = []
        for i, cur in enumerate(pts):
            prev = pts[i - 1]
            if inside(cur) != inside(prev):
                t = (edge - prev[axis]) / (cur[axis] - prev[axis])
                out.append((prev[0] + (cur[0] - prev[0]) * t, prev[1] + (cur[1] - prev[1]) * t))
            if inside(cur):
                out.append(cur)
        pts = out
    return pts


def bismarck():
    """Bismarck, May 1941: the flared bow, four twin turrets in two matched pairs, the tower
    foremast with its rangefinder cupolas, one big capped funnel and the hangar under the
    mainmast."""
    s = Elevation(251.0)
    s.hull(deck=[(0.0, 6.3), (25, 6.6), (60, 6.9), (120, 7.2), (175, 7.6), (205, 8.3),
                 (228, 9.6), (243, 11.0), (249.5, 11.9)],
           stem=[(244.5, 0.0), (245.6, 2.5), (246.8, 5.0), (248.2, 8.0), (249.5, 11.9)],
           stern=[(0.0, 6.3), (0.6, 4.2), (2.2, 2.2), (5.0, 0.0)],
           scuttles=[(12, 60, 2.2, 3.2), (165, 232, 2.2, 3.2), (190, 236, 4.4, 4.0)],
           hawse=(241.0, 8.6), knuckle=[(249.0, 10.2), (238, 8.9), (222, 8.1)])
    s.rail(2, 40)
    s.rail(205, 247)
    # Jack staff and the breakwater on the forecastle.
    s.pole(249.0, 11.8, 16.0, 0.25, back=False)
    s.poly([(219, s.deck_h(219)), (220.5, s.deck_h(219) + 1.4), (222, s.deck_h(219))], 'upper', 0.7)

    # The after structures first, the mainmast behind them.
    top = s.pole(116.0, 12.5, 36.0, 0.9)
    s.yard(116.0, 30.0, 4.5)
    s.line([(116.0, 27.0), (108.0, 24.0)], 0.3, 'mast', back=True)   # the gaff
    s.flag(108.0, 24.0, 4.2, 2.8, cross_flag())
    s.pole(162.0, 30.0, 42.0, 0.45)                                   # fore topmast
    s.yard(162.0, 38.5, 3.8)
    s.stay([(162.0, 42.0), top, (96.0, 13.5)])
    s.stay([(162.0, 41.0), (249.0, 16.0)])

    # Aft superstructure and its command post.
    s.house(74, 106, 7.0, 10.4, fore=0.5, aft=1.2)
    s.house(80, 100, 10.4, 13.2, fore=0.8, aft=0.8, windows=6)
    s.dome(88.0, 13.2, 2.6, base=1.2)
    s.pole(93.0, 13.2, 19.0, 0.35, back=False)
    # Hangar with the mainmast on its roof, the catapult across the deck ahead of it.
    s.house(106, 126, 7.1, 12.5, fore=0.4, windows=0)
    s.poly(rect(108, 7.2, 114, 11.2), 'shade', 0.5)                  # hangar door
    s.catapult(126.5, 128.5, 10.6, 0.9)
    s.floatplane_head_on(127.5, 11.6, 12.4)
    # Funnel casing, funnel, searchlight platforms.
    s.house(126, 146, 7.2, 11.0, fore=0.6, aft=0.4)
    s.funnel(135.5, 11.0, 26.0, 9.6, 8.8, rake=0.0, cap=1.6, cap_style='lip')
    s.poly(rect(129.5, 18.5, 141.5, 19.1), 'upper', 0.6)
    for x in (129.8, 141.2):
        s.circle(x, 19.9, 0.9, 'upper', 0.6)
    for x, h in ((127.0, 11.0), (143.5, 11.0)):
        s.boat(x, h, 8.5)
    s.crane(124.5, 11.0, 22.0, 13.0, -18, back=True)
    # The twin 10.5 cm guns in their open mounts round the funnel.
    for x, f in ((121.0, -1), (147.5, 1)):
        s.mount(x, 11.0, 3.6, 2.0, f, 5.5, elev=30.0, bore=0.3, roof=0.5)

    # Forward superstructure: the armoured conning tower with its cupola, the bridge levels
    # and the tower foremast with the foretop cupola.
    s.house(146, 179, 7.6, 10.6, fore=1.0, aft=0.6)
    s.house(150, 170, 10.6, 13.3, fore=0.8, windows=6)
    s.house(172.0, 178.0, 10.6, 14.4, fore=0.8, aft=0.3, fill='turret')
    s.dome(175.0, 14.4, 2.3, base=0.8)
    s.house(155, 170.5, 13.3, 16.2, fore=1.2, aft=0.5, windows=7)
    s.poly([(157.5, 16.2), (159.0, 29.0), (165.0, 29.0), (167.5, 16.2)], 'upper')
    s.rounded([(157.5, 16.2), (159.0, 29.0)], [(167.5, 16.2), (165.0, 29.0)])
    s.house(155.5, 169.0, 20.3, 21.0, shadow=False)                   # the searchlight platform
    s.house(156.5, 168.0, 24.6, 25.2, shadow=False)
    s.dome(162.0, 29.0, 2.7, base=1.0)
    s.poly(rect(164.8, 30.0, 165.5, 31.8), 'mast', 0.5)               # radar aerial on the cupola
    # The stabilised anti-aircraft directors, fore and aft.
    s.dome(152.5, 16.2, 1.6, base=1.4)
    s.dome(98.5, 13.2, 1.6, base=1.4)
    # 15 cm twin turrets along the side.
    for x, base, f in ((165.0, 7.6, 1), (150.5, 7.4, 1), (100.0, 7.0, -1)):
        s.mount(x, base, 6.0, 2.6, f, 7.0, elev=3.0, bore=0.42, fill='turret', roof=0.4)

    # Main turrets: Anton and Bruno forward, Caesar and Dora aft.
    for x, facing, base, barbette in ((201.0, 1, s.deck_h(201.0), None), (186.5, 1, 11.6, 7.8),
                                      (64.5, -1, 10.9, 7.0), (49.0, -1, s.deck_h(49.0), None)):
        s.turret(x, base, 13.4, 3.8, facing, 16.5, face=0.55, rear=0.25, hoods=(0.75,),
                 rangefinder=(0.2, 0.75) if barbette else None, barbette=barbette, bore=1.1)
    return s


def king_george_v():
    """King George V, 1941: the flat, sheerless forecastle, the quadruple turrets fore and aft
    with the twin superfiring over the forward one, the tall block bridge, two upright
    funnels with the hangars round the first and the catapult between them, tripod masts."""
    s = Elevation(227.1)
    s.hull(deck=[(0.0, 6.6), (30, 6.9), (80, 7.1), (140, 7.4), (180, 7.8), (205, 8.3), (219, 8.8),
                 (226.6, 9.3)],
           stem=[(222.0, 0.0), (223.6, 3.0), (225.2, 6.4), (226.6, 9.3)],
           stern=[(0.0, 6.6), (0.7, 4.4), (2.4, 2.2), (5.0, 0.0)],
           scuttles=[(10, 58, 2.1, 3.0), (150, 214, 2.1, 3.0), (178, 212, 4.2, 3.6)],
           hawse=(219.0, 7.5))
    s.rail(2, 42)
    s.rail(188, 224)
    s.pole(225.6, 9.2, 13.5, 0.25, back=False)

    # Tripod masts, the gaff with the White Ensign, the radar aerials at the mastheads.
    main = s.tripod(97.0, 12.0, 37.0, 6.0, width=0.9)
    s.yard(97.0, 31.0, 4.0)
    s.line([(97.0, 26.5), (89.0, 24.0)], 0.3, 'mast', back=True)
    s.flag(89.0, 24.0, 4.6, 3.0, white_ensign())
    s.line([(95.5, 37.0), (98.5, 37.0)], 0.6, 'mast', back=True)
    fore = s.tripod(133.5, 19.6, 44.0, 5.0, leg_h=33.0, width=0.9)
    s.yard(133.5, 38.0, 4.5)
    s.house(130.5, 136.5, 33.0, 33.7, shadow=False)                   # the starfish platform
    s.line([(132.0, 44.0), (135.0, 44.0)], 0.6, 'mast', back=True)
    s.stay([fore, main, (60.0, 7.0)])
    s.stay([fore, (225.6, 13.5)])

    # Y turret and the after superstructure with its director.
    s.turret(51.5, s.deck_h(51.5) + 0.5, 15.5, 4.3, -1, 13.5, face=0.42, rear=0.12, hoods=(0.8,),
             bore=1.0)
    s.house(44.0, 49.0, 11.5, 12.6, shadow=False, fill='turret')      # rocket projector on Y's roof
    s.house(64, 101, 7.0, 10.0, fore=0.4, aft=1.0)
    s.house(70, 96, 10.0, 13.0, fore=0.6, aft=0.6, windows=6)
    s.house(75, 90, 13.0, 16.0, fore=0.8, aft=0.5, windows=3)
    s.director(82.0, 16.0, 5.6, 3.0, ends=(-0.6, 0.9))
    s.mount(92.5, 13.0, 3.8, 1.6, 1, 2.0, elev=15.0, bore=0.6, roof=0.5)   # pom-pom
    s.mount(71.0, 13.0, 3.8, 1.6, -1, 2.0, elev=15.0, bore=0.6, roof=0.5)
    # The after 5.25 inch turrets, one above the other.
    s.mount(86.0, s.deck_h(86.0), 6.4, 2.7, -1, 6.2, elev=5.0, bore=0.45, fill='turret', roof=0.35)
    s.mount(97.5, 10.0, 6.4, 2.7, -1, 6.2, elev=5.0, bore=0.45, fill='turret', roof=0.35)

    # Boat deck with the cranes, the after funnel, the catapult and the hangars round the fore
    # funnel.
    s.house(100, 124, 7.2, 12.2, fore=0.3, aft=0.3)
    s.crane(104.0, 12.2, 23.0, 12.0, 20, back=True)
    s.boat(106.5, 12.2, 7.5)
    s.boat(115.0, 12.2, 9.0)
    s.funnel(111.0, 12.2, 27.0, 8.4, 8.0, cap=1.5)
    s.catapult(119.5, 122.5, 12.2, 0.9)
    s.floatplane_head_on(121.0, 13.2, 13.9, biplane=True)
    s.house(124, 141.5, 7.4, 14.0, fore=0.3, aft=0.3)
    s.poly(rect(125.5, 7.5, 130.5, 12.6), 'shade', 0.5)                # hangar door
    s.funnel(132.5, 14.0, 28.0, 8.4, 8.0, cap=1.5)
    s.mount(139.0, 14.0, 3.8, 1.6, 1, 2.0, elev=15.0, bore=0.6, roof=0.5)
    s.mount(126.0, 14.0, 3.8, 1.6, -1, 2.0, elev=15.0, bore=0.6, roof=0.5)

    # The bridge: a tall block stepped back level by level, the main director on top.
    s.house(134, 161, 7.5, 10.6, fore=0.6)
    s.house(136.5, 158.5, 10.6, 13.6, fore=0.6, windows=6)
    s.house(138.5, 157, 13.6, 16.8, fore=0.8, windows=6)
    s.house(140, 155.5, 16.8, 19.6, fore=0.6, windows=5)
    s.house(143, 154.5, 19.6, 22.4, fore=1.2, windows=3)
    s.director(149.0, 22.4, 6.2, 3.2, ends=(-0.8, 1.0))
    s.poly(rect(146.5, 25.6, 151.5, 26.4), 'mast', 0.5)                # gunnery radar aerial
    s.director(140.2, 19.6, 3.6, 2.3)
    s.mount(145.5, 10.6, 6.4, 2.7, 1, 6.2, elev=5.0, bore=0.45, fill='turret', roof=0.35)
    s.mount(153.5, s.deck_h(153.5), 6.4, 2.7, 1, 6.2, elev=5.0, bore=0.45, fill='turret', roof=0.35)

    # A turret (four guns) on the forecastle, B (two) superfiring over it.
    s.turret(180.0, s.deck_h(180.0) + 0.5, 15.5, 4.3, 1, 13.5, face=0.42, rear=0.12, hoods=(0.8,),
             bore=1.0)
    s.turret(165.5, 11.6, 12.0, 3.9, 1, 13.5, face=0.42, rear=0.12, hoods=(0.8,), barbette=7.6,
             bore=1.0)
    s.house(160.5, 165.0, 15.5, 16.6, shadow=False, fill='turret')   # rocket projector on B's roof
    s.poly([(196, s.deck_h(196)), (197.5, s.deck_h(196) + 1.3), (199, s.deck_h(196))], 'upper', 0.7)
    return s


def washington():
    """Washington, 1942: the long forecastle sweeping up to a raked bow, two triple turrets
    forward and one aft, the tower bridge with its director and radar, two funnels close
    together with the pole mainmast on the second, twin 5 inch mounts along the side and the
    catapults and crane on the fantail."""
    s = Elevation(222.1)
    s.hull(deck=[(0.0, 7.0), (30, 7.0), (80, 7.2), (130, 7.6), (165, 8.5), (190, 9.7), (208, 10.9),
                 (216, 11.8), (221.2, 12.4)],
           stem=[(215.2, 0.0), (216.8, 3.2), (218.6, 6.6), (220.0, 9.6), (221.2, 12.4)],
           stern=[(0.0, 7.0), (0.4, 5.0), (1.6, 3.0), (3.4, 1.2), (5.0, 0.0)],
           scuttles=[(150, 212, 2.3, 3.3)], hawse=(213.5, 9.6), split=6.6)
    s.rail(1, 50)
    s.rail(180, 219)
    s.pole(220.4, 12.3, 16.5, 0.25, back=False)

    # The pole foremast over the tower with its radar, the mainmast against the second funnel.
    fore = s.pole(138.5, 30.0, 43.0, 0.6)
    s.yard(138.5, 36.5, 4.2)
    s.radar(138.5, 38.0, 4.6, 3.2)
    main = s.pole(103.5, 13.0, 37.5, 0.8)
    s.yard(103.5, 32.0, 3.6)
    s.line([(103.5, 28.0), (96.0, 25.5)], 0.3, 'mast', back=True)
    s.flag(96.0, 25.5, 4.8, 3.0, stars_and_stripes())
    s.stay([fore, main, (40.0, 7.2)])
    s.stay([fore, (220.4, 16.5)])

    # Fantail: two catapults with a floatplane, the crane right aft.
    s.crane(3.5, 7.0, 15.5, 12.0, 38)
    s.catapult(7.0, 25.0, 8.4, 0.8)
    s.line([(7.0, 8.4), (7.0, 7.0)], 0.5, 'mast')
    s.line([(22.0, 8.4), (22.0, 7.0)], 0.5, 'mast')
    s.floatplane(15.0, 9.2, 10.2, facing=1)
    s.turret(47.5, s.deck_h(47.5) + 0.5, 15.5, 4.5, -1, 15.0, face=0.6, rear=0.25, hoods=(0.82,),
             rangefinder=(0.14, 0.8), bore=1.1)

    # After superstructure with the after directors.
    s.house(68, 104, 7.2, 10.4, fore=0.4, aft=1.2)
    s.house(74, 100, 10.4, 13.6, fore=0.6, aft=0.8, windows=6)
    s.house(81, 95, 13.6, 16.6, fore=0.6, aft=0.6, windows=3)
    s.director(88.0, 16.6, 5.2, 3.0, ends=(-0.7, 0.9))
    s.poly(rect(85.5, 19.6, 90.5, 20.4), 'mast', 0.5)
    s.director(98.0, 13.6, 4.0, 2.6)
    for x, h in ((78.5, 13.6), (93.0, 16.6)):
        s.aa(x, h, -1, 1.0, guns=2)

    # Funnel casing and the two funnels.
    s.house(104, 131, 7.5, 11.2, fore=0.3, aft=0.3)
    s.funnel(110.5, 11.2, 26.0, 7.2, 6.8, rake=2.0, cap=1.8)
    s.funnel(123.5, 11.2, 27.0, 7.2, 6.8, rake=2.0, cap=1.8)
    s.boat(117.0, 11.2, 7.0)
    for x, h in ((106.0, 11.2), (128.5, 11.2)):
        s.aa(x, h, 1, 1.0, guns=2)

    # The tower bridge, level on level up to the main director, the conning tower ahead of it.
    s.house(130, 152, 7.7, 11.0, fore=0.6)
    s.house(132, 148, 11.0, 14.2, fore=0.6, windows=6)
    s.house(133.5, 146.5, 14.2, 17.6, fore=0.6, windows=5)
    s.house(134.5, 145.5, 17.6, 21.0, fore=0.8, windows=4)
    s.house(135.5, 143.5, 21.0, 24.4, fore=0.6, windows=3)
    s.house(136.5, 142.0, 24.4, 27.4)
    s.director(139.3, 27.4, 5.2, 3.0, ends=(-0.7, 0.9))
    s.poly(rect(136.8, 30.4, 141.8, 31.2), 'mast', 0.5)
    s.director(144.0, 21.0, 4.0, 2.6)
    s.house(147.5, 152.0, 11.0, 15.8, fore=0.3, aft=0.3, fill='turret', windows=0)
    # Twin 5 inch mounts along the side, on the deck and on the level above.
    for x, base, f in ((154.0, s.deck_h(154.0), 1), (143.0, 11.0, 1), (131.0, s.deck_h(131.0), 1),
                       (99.5, 10.4, -1), (86.5, s.deck_h(86.5), -1)):
        s.mount(x, base, 5.8, 3.0, f, 5.4, elev=6.0, bore=0.4, fill='turret', roof=0.3)

    # Two triple turrets forward, the second superfiring.
    s.turret(174.0, s.deck_h(174.0) + 0.5, 15.5, 4.5, 1, 15.0, face=0.6, rear=0.25, hoods=(0.82,),
             bore=1.1)
    s.turret(157.0, 13.4, 15.5, 4.5, 1, 15.0, face=0.6, rear=0.25, hoods=(0.82,),
             rangefinder=(0.14, 0.8), barbette=8.3, bore=1.1)
    s.aa(150.5, 17.9, 1, 1.0, guns=2)
    return s


def yamato():
    """Yamato, 1942: the deep sweep of the deck up to the high flared bow, three huge triple
    turrets, the tall tower bridge crowned by its rangefinder, the single funnel raked far
    back, the raked mainmast and the aircraft deck with catapults and crane at the stern."""
    s = Elevation(263.0)
    s.hull(deck=[(0.0, 6.4), (20, 6.9), (45, 7.8), (70, 8.6), (110, 8.9), (150, 8.7), (180, 8.8),
                 (202, 9.4), (222, 10.9), (242, 12.8), (256, 14.4), (261.5, 15.2)],
           stem=[(254.8, 0.0), (256.4, 3.6), (258.2, 7.6), (260.0, 11.4), (261.5, 15.2)],
           stern=[(0.0, 6.4), (0.5, 4.2), (2.0, 2.0), (4.5, 0.0)],
           scuttles=[(50, 90, 2.2, 3.6), (185, 250, 2.3, 3.6), (205, 246, 4.6, 4.2)],
           hawse=(252.5, 11.8), knuckle=[(260.4, 12.8), (248, 11.6), (232, 10.6)])
    s.rail(1, 42)
    s.rail(210, 258)
    s.pole(260.8, 15.1, 19.5, 0.25, back=False)

    # Raked tripod mainmast with the ensign, a pole on the tower.
    main = s.tripod(112.0, 12.0, 40.0, 7.0, width=1.0, rake=9.0)
    s.yard(108.6, 33.0, 4.0)
    s.line([(108.0, 30.0), (100.0, 27.0)], 0.3, 'mast', back=True)
    s.flag(100.0, 27.0, 5.0, 3.3, rising_sun_ensign())
    fore = s.pole(156.0, 38.0, 46.0, 0.45)
    s.yard(156.0, 43.0, 3.6)
    s.stay([fore, main, (40.0, 7.8)])
    s.stay([fore, (260.8, 19.5)])

    # Aircraft deck: the crane right aft, two catapults and their floatplanes.
    s.crane(5.5, 6.5, 17.5, 15.5, 42)
    s.catapult(20.0, 40.0, 8.0, 0.8)
    s.floatplane(30.0, 8.8, 9.5, facing=1, monoplane=False)
    s.floatplane(12.5, s.deck_h(12.5) + 0.4, 11.3, facing=1)
    s.turret(68.0, s.deck_h(68.0) + 0.6, 18.0, 5.3, -1, 18.0, face=0.5, rear=0.45, hoods=(0.86,),
             rangefinder=(0.12, 1.05), bore=1.35)

    # After superstructure, its secondary turret and rangefinder tower.
    s.house(80, 118, 8.8, 12.0, fore=0.4, aft=1.0)
    s.house(94, 114, 12.0, 15.0, fore=0.6, aft=0.6, windows=5)
    s.house(100.5, 109.0, 15.0, 20.0, fore=0.4, aft=0.4)
    s.director(104.8, 20.0, 6.0, 2.8, ends=(-0.9, 1.1))
    s.house(82.5, 92.5, 12.0, 13.4, fill='turret')
    s.turret(87.5, 13.4, 9.5, 3.1, -1, 9.0, face=0.45, rear=0.3, hoods=(0.8,), bore=0.6)

    # Funnel casing, the raked funnel and its searchlight platforms, the 12.7 cm mounts.
    s.house(116, 148, 8.9, 12.2, fore=0.3, aft=0.3)
    s.funnel(133.0, 12.2, 29.0, 10.5, 9.4, rake=24.0, cap=1.3)
    for x, h in ((118.5, 19.5), (124.0, 22.5), (143.0, 17.5)):
        # A searchlight on its platform, the platform on a post from the casing.
        s.line([(x, 12.2), (x, h - 0.6)], 0.35, 'mast')
        s.poly(rect(x - 2.2, h - 0.6, x + 2.2, h), 'upper', 0.5)
        s.circle(x, h + 0.8, 0.85, 'upper', 0.6)
    for x in (121.5, 134.0, 146.0):
        s.mount(x, 12.2, 5.2, 2.7, 1, 5.0, elev=22.0, bore=0.32, roof=0.55)
    for x, h, f in ((116.0, 15.0, -1), (128.0, 12.2, 1), (140.0, 15.0, 1)):
        s.aa(x, h, f, 1.0, guns=3)
    s.turret(128.0, 14.9, 9.5, 3.1, 1, 9.0, face=0.45, rear=0.3, hoods=(0.8,), bore=0.6)

    # The tower bridge: a tapering tower with its bridge levels, the great rangefinder across
    # the top and the director above it.
    s.house(146, 180, 8.8, 12.6, fore=1.4, aft=0.4)
    s.house(148, 166, 12.6, 15.0, fore=0.6, windows=5)
    s.poly([(149.0, 15.0), (151.5, 34.0), (160.0, 34.0), (163.5, 15.0)], 'upper')
    s.rounded([(149.0, 15.0), (151.5, 34.0)], [(163.5, 15.0), (160.0, 34.0)])
    # Bridge levels round the tower: their wings stand out as ledges, a row of windows
    # under each.
    for h, w in ((18.5, 17.0), (22.0, 15.6), (25.5, 14.2), (29.0, 12.4)):
        s.house(156.0 - w / 2, 156.5 + w / 2, h - 0.7, h, shadow=False)
        s.poly(rect(152.0, h - 1.9, 160.5, h - 1.2), 'window', 0)
    s.poly([(149.5, 34.0), (149.5, 36.8), (151.0, 37.8), (161.0, 37.8), (162.5, 36.8), (162.5, 34.0)], 'upper')
    s.circle(156.0, 35.9, 1.1, 'shade', 0)
    s.director(156.0, 37.8, 5.0, 2.4)
    s.house(164.0, 177.5, 12.6, 14.9, fore=0.8, fill='turret')
    s.turret(171.0, 14.9, 9.5, 3.1, 1, 9.0, face=0.45, rear=0.3, hoods=(0.8,), bore=0.6)

    # The two forward turrets, the second superfiring.
    s.turret(203.0, s.deck_h(203.0) + 0.6, 18.0, 5.3, 1, 18.0, face=0.5, rear=0.45, hoods=(0.86,),
             bore=1.35)
    s.turret(184.0, 15.6, 18.0, 5.3, 1, 18.0, face=0.5, rear=0.45, hoods=(0.86,),
             rangefinder=(0.12, 1.05), barbette=8.8, bore=1.35)
    return s
