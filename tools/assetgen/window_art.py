"""The title, the intro sign and picture, the menu picture and the window icon."""
import math
import os
import random
import shutil

from .battle_effects import column_mvg, flash_mvg, muzzles
from .emblems import GOLD, anchor, disc
from .magick import (
    ICONS, ROOT, TITLE_FONT, compose, draw_layer, finish, im, save_jpeg, text_font, tmp)
from .mvg import poly
from .seascape import seascape
from .ship_layers import (
    PALETTES, bow_wave_mvg, funnel_tops, reflection, shade_layer, ship_mvg, silhouette_palette,
    smoke_mvg, wake_mvg)
from .ship_profiles import bismarck, cruiser, destroyer, king_george_v


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
