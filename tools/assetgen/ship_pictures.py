"""Ship illustrations for the end of the game (420 x 280): each navy's battleship at sea as a
painted plate (the ships themselves are in battleship_plates), and the two burning wrecks
when both sides lose."""
import random

from .battle_effects import column_mvg, fire_mvg
from . import battleship_plates as plates
from .elevation import plate_mvg, plate_palette
from .magick import compose, draw_layer, finish, im, save_jpeg, tmp
from .plate_scenery import painted_scene, paper
from .seascape import seascape
from .ship_layers import bow_wave_mvg, reflection, ship_mvg, silhouette_palette, smoke_mvg, wake_mvg
from .ship_profiles import bismarck, king_george_v


SW, SH = 420, 280
SUPER = 3   # the ship is drawn this many times larger and reduced, for clean fine lines


def plate_picture(name, ship, pal, scene, wl, x0, length, seed, smoke='#6a6c70', smoke_alpha=0.35,
                  stretch=1.0, wake=0.75, refl=0.3):
    """One ship at sea, laid out as a painted plate: the elevation in ink and wash over a
    painted sky and sea."""
    painted = tmp(name + '_painted.png')
    painted_scene(painted, SW, SH, seed=seed, **scene)
    scale = length / ship.length
    big = tmp(name + '_big.png')
    draw_layer(big, SW * SUPER, SH * SUPER,
               plate_mvg(ship, x0 * SUPER, wl * SUPER, scale * SUPER, pal, ink_px=0.75 * SUPER,
                         stretch=stretch))
    layer = tmp(name + '_ship.png')
    im(big, '-filter', 'Lanczos', '-resize', f'{SW}x{SH}!', layer)
    refl_png = tmp(name + '_refl.png')
    reflection(layer, refl_png, SW, SH, wl, refl, seed)
    tops = [(x0 + x * scale, wl - h * scale * stretch) for x, h in ship.funnel_tops]
    smoke_png = tmp(name + '_smoke.png')
    draw_layer(smoke_png, SW, SH, smoke_mvg(tops, length, smoke, rnd=random.Random(seed), alpha=smoke_alpha,
                                             rise=0.6), blur='0x1.6')
    stern_x = x0 + ship.stern[-1][0] * scale
    hull_len = (ship.stem[0][0] - ship.stern[-1][0]) * scale
    wake_png = tmp(name + '_wake.png')
    draw_layer(wake_png, SW, SH, wake_mvg(stern_x, wl, hull_len, alpha=wake), blur='0x1.4')
    bow_png = tmp(name + '_bow.png')
    draw_layer(bow_png, SW, SH, bow_wave_mvg(stern_x, wl, hull_len, alpha=wake), blur='0x1.0')
    raw = tmp(name + '_raw.png')
    compose(painted, [refl_png, wake_png, layer, smoke_png, bow_png], raw)
    # The whole plate printed on one sheet, so the paper's tooth runs through the ship too.
    sheet = tmp(name + '_paper.png')
    paper(sheet, SW, SH, seed)
    printed = tmp(name + '_printed.png')
    im(raw, sheet, '-compose', 'Multiply', '-composite', printed)
    final = tmp(name + '.png')
    finish(printed, final, vignette=0.2, grain=0.05)
    save_jpeg(final, name)


def make_kinggeorgev():
    # A grey North Atlantic day, the sun low behind the cloud.
    scene = dict(horizon=172, sky=[(0, '#55636f'), (0.5, '#8593a0'), (1, '#c9cbc6')],
                 sea_far='#6d7a82', sea_near='#26343e', cloud_lit='#e6e6e0', cloud_shade='#6c7682',
                 clouds=7, sun=(92, 118, 9), sun_colour='#f4ead0', glitter=0.25,
                 sea_light='#b4c0c6', sea_dark='#16222c')
    pal = plate_palette(hull='#6f777d', upper='#959ca1', turret='#858c91', funnel='#959ca1')
    plate_picture('KINGGEORGEV', plates.king_george_v(), pal, scene, 216, 18, 384, seed=11, stretch=1.2)


def make_bismarck():
    # Evening over the Denmark Strait: a dark sky clearing to a pale band at the horizon.
    scene = dict(horizon=170, sky=[(0, '#27313f'), (0.55, '#4c5a6c'), (0.88, '#9a9c9c'), (1, '#dccca6')],
                 sea_far='#4c5660', sea_near='#141c24', cloud_lit='#cfc6b4', cloud_shade='#3a4556',
                 clouds=7, sun=(336, 152, 8), sun_colour='#f6dca2', glitter=0.55,
                 sea_light='#9ea6aa', sea_dark='#0a1016')
    pal = plate_palette(hull='#7c8287', upper='#a9aeb1', turret='#90969b', funnel='#a3a8ab',
                        cap='#54585b')
    plate_picture('BISMARCK', plates.bismarck(), pal, scene, 216, 12, 396, seed=23, stretch=1.2)


def make_washington():
    # A clear Pacific morning.
    scene = dict(horizon=174, sky=[(0, '#3f6fa6'), (0.55, '#78a4cf'), (1, '#d6e4ea')],
                 sea_far='#4a7a9c', sea_near='#123454', cloud_lit='#ffffff', cloud_shade='#9fb0c2',
                 clouds=6, sun=(362, 44, 10), sun_colour='#fffbe8', glitter=0.35,
                 sea_light='#b8d2e2', sea_dark='#0a2440')
    pal = plate_palette(hull='#3b4a60', upper='#8e979f', turret='#8a939b', funnel='#8e979f',
                        boot='#1e2026', deck='#6e6a5e')
    plate_picture('WASHINGTON', plates.washington(), pal, scene, 218, 18, 384, seed=37, stretch=1.2)


def make_yamoto():
    # Dusk in the western Pacific, the sun going down ahead of the ship.
    scene = dict(horizon=170, sky=[(0, '#3e4266'), (0.45, '#84708a'), (0.8, '#dc9676'), (1, '#f4c890')],
                 sea_far='#7a6670', sea_near='#1c2032', cloud_lit='#ffd6ae', cloud_shade='#6c5872',
                 clouds=6, sun=(330, 160, 12), sun_colour='#ffe0a0', glitter=0.8,
                 sea_light='#e8b894', sea_dark='#10121e', haze='#f0c8a0')
    pal = plate_palette(hull='#5d6463', upper='#7c8382', turret='#6d7473', funnel='#7c8382',
                        boot='#4a2a28')
    plate_picture('YAMOTO', plates.yamato(), pal, scene, 216, 10, 400, seed=41, stretch=1.2,
                  smoke='#4d4650')


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
