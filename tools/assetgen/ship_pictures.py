"""Ship illustrations for the end of the game (420 x 280): each navy's battleship at sea,
and the two burning wrecks when both sides lose."""
import random

from .battle_effects import column_mvg, fire_mvg
from .magick import compose, draw_layer, finish, im, save_jpeg, tmp
from .seascape import seascape
from .ship_layers import (
    PALETTES, bow_wave_mvg, dim_palette, funnel_tops, reflection, shade_layer, ship_mvg,
    silhouette_palette, smoke_mvg, wake_mvg)
from .ship_profiles import bismarck, king_george_v, washington, yamato


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
