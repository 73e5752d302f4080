"""Sky and sea for the ship plates, laid on like gouache: a graded wash for the sky, cloud
banks built up from soft dabs (shadowed undersides first, lit tops over them), the sea in
horizontal brush strokes that lengthen towards the viewer; and the grainy paper the whole
plate is printed on."""
import math
import random

from .colour import clamp, css, hexc, mix, ramp
from .magick import draw_layer, im, tmp, write_ppm


def graded_wash(path, w, h, horizon, sky, sea_far, sea_near, seed, sun=None, sun_colour='#ffffff'):
    """The ground: the sky graded from its top to the horizon, warmed round the sun, and the
    sea from the horizon down, with a faint unevenness like a wash laid by hand."""
    rnd = random.Random(seed)
    stops = [(p, hexc(c)) for p, c in sky]
    far, near = hexc(sea_far), hexc(sea_near)
    sc = hexc(sun_colour)
    # A few slow ripples in the wash's strength, different on every plate.
    waves = [(rnd.uniform(0.004, 0.02), rnd.uniform(0.01, 0.04), rnd.uniform(0, 6.3)) for _ in range(4)]
    rows = []
    for y in range(h):
        row = bytearray()
        sky_row = y < horizon
        if sky_row:
            base = ramp(stops, y / float(horizon))
        else:
            base = mix(far, near, ((y - horizon) / float(max(1, h - horizon))) ** 0.7)
        for x in range(w):
            c = base
            if sun and sky_row:
                d = math.hypot(x - sun[0], (y - sun[1]) * 1.3)
                c = mix(c, sc, clamp(0.5 * math.exp(-d / (sun[2] * 6.0)) + 0.3 * math.exp(-d / (sun[2] * 2.0))))
                if d < sun[2]:
                    c = mix(c, mix(sc, (1, 1, 1), 0.6), clamp((sun[2] - d) / 1.5))
            g = sum(0.012 * math.sin(fx * x + fy * y + ph) for fx, fy, ph in waves)
            row += bytes(int(clamp(ch + g) * 255) for ch in c)
        rows.append(bytes(row))
    write_ppm(path, w, h, rows)


def cloud_mvg(horizon, lit, shade, banks, rnd, sun=None, sun_colour=None):
    """Cloud banks, each a loose heap of rounded heads on a flat base: laid on in the shadow
    colour a little low, then in a middle tone, then in the lit colour a little high, so the
    undersides stay dark and the tops catch the light. Banks near the horizon are flattened
    by the distance."""
    lit, shade = hexc(lit), hexc(shade)
    out = []
    for cx, cy, width, puff in banks:
        depth = clamp((horizon - cy) / float(horizon))   # 0 at the horizon, 1 at the top
        flat = 0.3 + 0.45 * depth
        heads = []
        n = max(4, int(2.2 * width / puff))
        for i in range(n):
            t = rnd.random()
            swell = math.sin(math.pi * t) ** 0.8
            r = puff * (0.25 + 0.8 * swell) * rnd.uniform(0.6, 1.2)
            rise = swell * rnd.uniform(0.0, 1.0) * puff * flat * 0.9
            heads.append((cx + (t - 0.5) * width, cy - rise, r))
        heads.sort(key=lambda hd: -hd[1])
        c = lit
        if sun:
            d = math.hypot(cx - sun[0], cy - sun[1])
            c = mix(lit, hexc(sun_colour), clamp(0.9 * math.exp(-d / (sun[2] * 9.0))))
        for colour, lift, alpha in ((shade, -0.35, 0.22), (mix(shade, c, 0.5), 0.05, 0.4), (c, 0.35, 0.65)):
            for x, y, r in heads:
                ry = r * flat
                out.append(f"fill {css(mix(colour, shade, rnd.uniform(0, 0.15)), alpha)} "
                           f"ellipse {x:.1f},{y - ry * (0.5 + lift):.1f} {r * (1 - 0.25 * max(0, lift)):.1f},"
                           f"{ry * (1 - 0.25 * max(0, lift)):.1f} 0,360")
    return '\n'.join(out)


def streaks_mvg(w, horizon, colour, rnd, n=8):
    """Long thin streaks of stratus low over the horizon."""
    c = hexc(colour)
    out = []
    for i in range(n):
        y = horizon - rnd.uniform(3, horizon * 0.35)
        depth = (horizon - y) / float(horizon)
        out.append(f"fill {css(c, 0.25 + 0.2 * rnd.random())} ellipse {rnd.uniform(0, w):.1f},{y:.1f} "
                   f"{rnd.uniform(30, 120):.1f},{0.8 + 5 * depth:.1f} 0,360")
    return '\n'.join(out)


def sea_strokes_mvg(w, h, horizon, light, dark, rnd, sun=None, sun_colour=None, glitter=0.5, chop=1.0):
    """The sea's brushwork: short horizontal strokes, dark troughs and light crests, longer
    and thicker towards the viewer; a path of glitter under the sun."""
    light, dark = hexc(light), hexc(dark)
    out = []
    y = horizon + 0.7
    while y < h:
        t = (y - horizon) / float(h - horizon)
        n = int(w / (6 + 26 * t))
        for i in range(n):
            x = rnd.uniform(-10, w + 10)
            length = (6 + 30 * t) * rnd.uniform(0.5, 1.5) * chop
            thick = 0.35 + 1.6 * t * rnd.uniform(0.6, 1.3)
            crest = rnd.random() < 0.4
            colour, alpha = (light, 0.1 + 0.14 * t) if crest else (dark, 0.14 + 0.2 * t)
            out.append(f"fill {css(colour, alpha)} ellipse {x:.1f},{y + rnd.uniform(-0.6, 0.6):.1f} "
                       f"{length:.1f},{thick:.2f} 0,360")
        y += 0.9 + 4.5 * t * t + rnd.uniform(0, 0.8)
    if sun and glitter > 0:
        sx = sun[0]
        gc = hexc(sun_colour)
        y = horizon + 0.8
        while y < h:
            t = (y - horizon) / float(h - horizon)
            spread = 5 + 70 * t
            for i in range(int(2 + 5 * glitter)):
                x = sx + rnd.gauss(0, spread * 0.5)
                length = (2 + 12 * t) * rnd.uniform(0.5, 1.3)
                out.append(f"fill {css(gc, clamp(glitter * (0.7 - 0.45 * t)))} ellipse {x:.1f},{y:.1f} "
                           f"{length:.1f},{0.3 + 0.9 * t:.2f} 0,360")
            y += 1.0 + 4.0 * t
    return '\n'.join(out)


def paper(path, w, h, seed, tone='#f3ead6'):
    """A sheet of paper: a warm tone with a fine tooth and a few soft blotches."""
    im('-size', f'{w // 2}x{h // 2}', 'xc:gray50', '-seed', seed, '-attenuate', '0.8', '+noise', 'Uniform',
       '-colorspace', 'gray', '-resize', f'{w}x{h}!', '-blur', '0x0.6', '-level', '30%,70%',
       '+level', '88%,100%', '(', '-size', f'{w}x{h}', f'xc:{tone}', ')', '-compose', 'Multiply',
       '-composite', path)


def painted_scene(path, w, h, horizon, sky, sea_far, sea_near, seed, cloud_lit='#ffffff',
                  cloud_shade='#7a8796', clouds=5, sun=None, sun_colour='#fff2c8', glitter=0.4,
                  sea_light='#c8d2da', sea_dark='#0c1420', chop=1.0, haze='#d8d4c8'):
    """The whole ground of a plate, with the sun (x, y, radius) or None."""
    rnd = random.Random(seed)
    ground = tmp(f'scene{seed}_ground.ppm')
    graded_wash(ground, w, h, horizon, sky, sea_far, sea_near, seed, sun, sun_colour)
    banks = []
    for i in range(clouds):
        # Spread over the sky, bigger the higher they stand.
        cy = horizon * (0.1 + 0.78 * (i + rnd.uniform(0.1, 0.9)) / clouds)
        depth = (horizon - cy) / float(horizon)
        banks.append((rnd.uniform(0, w), cy, rnd.uniform(80, 200) * (0.45 + depth),
                      rnd.uniform(10, 18) * (0.35 + depth)))
    banks.sort(key=lambda b: b[1])
    cloud_png = tmp(f'scene{seed}_clouds.png')
    draw_layer(cloud_png, w, h, streaks_mvg(w, horizon, haze, rnd) + '\n' +
               cloud_mvg(horizon, cloud_lit, cloud_shade, banks, rnd, sun, sun_colour), blur='0x1.8')
    # Clouds stop at the horizon.
    im(cloud_png, '-crop', f'{w}x{horizon}+0+0', '+repage', '-background', 'none', '-extent', f'{w}x{h}',
       cloud_png)
    sea_png = tmp(f'scene{seed}_sea.png')
    draw_layer(sea_png, w, h, sea_strokes_mvg(w, h, horizon, sea_light, sea_dark, rnd, sun, sun_colour,
                                              glitter, chop), blur='0x0.4')
    im(ground, cloud_png, '-compose', 'Over', '-composite', sea_png, '-composite', path)
