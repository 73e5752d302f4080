"""A ship profile put into a picture: its colours, its outline as a drawn layer, and the
smoke, wake, bow wave, shading and reflection around it."""
import random

from .colour import css, hexc, mix
from .magick import im, tmp


def palette(hull, sup, turret, funnel, cap, dark, mast, deck, roof, boot, boat='#9a9588',
            window='#1a1c20'):
    return dict(hull=hull, super=sup, turret=turret, funnel=funnel, cap=cap, dark=dark,
                mast=mast, gun=mast, edge=roof, roof=roof, deck=deck, boot=boot, boat=boat,
                window=window)


PALETTES = {
    'rn': palette('#4f575f', '#737c84', '#5d666e', '#6b747c', '#17191b', '#32383e', '#262a2e',
                  '#8b7658', '#aab3ba', '#262729'),
    'km': palette('#484d52', '#666b70', '#54595e', '#60686d', '#2f3235', '#2e3236', '#202326',
                  '#7d6d58', '#a2a8ad', '#3a2826'),
    'us': palette('#2f3a52', '#4d5872', '#3f4a62', '#48546c', '#151922', '#252c3c', '#1c2230',
                  '#3c465a', '#8893aa', '#181b22', boat='#6a7388'),
    'ijn': palette('#545b59', '#747b79', '#626967', '#6c7371', '#202322', '#363b3a', '#252928',
                   '#a0916f', '#b3bbb7', '#47282a'),
}


def dim_palette(pal, towards, amount):
    return {k: css(mix(hexc(v), hexc(towards), amount)) for k, v in pal.items()}


def silhouette_palette(colour, edge):
    pal = {k: colour for k in PALETTES['rn']}
    pal['edge'] = pal['roof'] = edge
    return pal


def ship_mvg(ship, x0, wl, length, pal, facing=1, scale_y=1.0):
    def pt(x, y):
        xx = x if facing > 0 else 1.0 - x
        return f'{x0 + xx * length:.2f},{wl - y * length * scale_y:.2f}'

    def outline(colour):
        return css(mix(hexc(colour), (0, 0, 0), 0.35))

    out = ['stroke-linecap round', 'stroke-linejoin round']
    for key, width, pts in ship.back:
        out.append(f"fill none stroke '{pal[key]}' stroke-width {max(0.8, width * length):.2f} "
                   f"polyline {' '.join(pt(*p) for p in pts)}")
    thin = max(0.4, length * 0.0012)
    for item in ship.items:
        if item[0] == 'poly':
            _, key, pts = item
            stroke = outline(pal[key]) if key not in ('roof', 'window', 'deck') else pal[key]
            out.append(f"fill '{pal[key]}' stroke '{stroke}' stroke-width {thin:.2f} "
                       f"polygon {' '.join(pt(*p) for p in pts)}")
        else:
            _, key, width, pts = item
            out.append(f"fill none stroke '{pal[key]}' stroke-width {max(0.6, width * length):.2f} "
                       f"polyline {' '.join(pt(*p) for p in pts)}")
    return '\n'.join(out)


def funnel_tops(ship, x0, wl, length, facing=1, scale_y=1.0):
    return [(x0 + (x if facing > 0 else 1 - x) * length, wl - y * length * scale_y)
            for x, y in ship.funnel_tops]


def smoke_mvg(tops, length, colour, drift=-1, rnd=None, puffs=26, alpha=0.5, rise=1.0):
    """A plume from each funnel, thinning and spreading as the wind carries it astern."""
    rnd = rnd or random.Random(3)
    out = []
    for fx, fy in tops:
        for i in range(puffs):
            t = i / float(puffs)
            r = length * (0.007 + 0.028 * t) * rnd.uniform(0.8, 1.2)
            x = fx + drift * length * 0.32 * t + rnd.uniform(-1, 1) * length * 0.006 * (1 + 3 * t)
            y = fy - length * (0.008 + rise * (0.035 * t + 0.04 * t * t)) + rnd.uniform(-1, 1) * length * 0.005
            col = mix(hexc(colour), (0.85, 0.86, 0.88), 0.25 * t)
            out.append(f"fill '{css(col, alpha * (1 - 0.8 * t))}' circle {x:.1f},{y:.1f} "
                       f"{x + r:.1f},{y:.1f}")
    return '\n'.join(out)


def wake_mvg(x0, wl, length, facing=1, speed=1.0, alpha=0.75):
    """Foam on the water along the hull and the wash behind the stern (drawn under the ship)."""
    stern = x0 + (0.0 if facing > 0 else 1.0) * length
    mid = x0 + length / 2
    f = facing
    foam = (0.93, 0.95, 0.97)
    out = [f"fill {css(foam, alpha * 0.55)}",
           f"ellipse {mid:.1f},{wl + 0.5:.1f} {length * 0.47:.1f},{max(1.2, length * 0.006):.1f} 0,360",
           f"fill {css(foam, alpha * 0.6)}",
           f"ellipse {stern - f * length * 0.06 * speed:.1f},{wl + 1:.1f} {length * 0.12 * speed:.1f},{max(1.5, length * 0.012):.1f} 0,360",
           f"fill {css(foam, alpha * 0.3)}",
           f"ellipse {stern - f * length * 0.28 * speed:.1f},{wl + 1.5:.1f} {length * 0.24 * speed:.1f},{max(1.2, length * 0.009):.1f} 0,360"]
    return '\n'.join(out)


def bow_wave_mvg(x0, wl, length, facing=1, speed=1.0, alpha=0.8):
    """The white water thrown up by the stem and running back along the hull."""
    f = facing
    bow = x0 + (0.99 if facing > 0 else 0.01) * length
    h = max(1.5, length * 0.014 * speed)
    back = length * 0.16 * speed
    foam = (0.94, 0.96, 0.98)
    out = [f"fill {css(foam, alpha)}",
           f"polygon {bow:.1f},{wl - h:.1f} {bow + f * length * 0.012:.1f},{wl + 1:.1f} "
           f"{bow - f * back:.1f},{wl + 1.5:.1f} {bow - f * back * 0.45:.1f},{wl - h * 0.35:.1f}",
           f"fill {css(foam, alpha * 0.6)}",
           f"ellipse {bow - f * back * 0.2:.1f},{wl + 1.5:.1f} {back * 0.45:.1f},{h * 0.7:.1f} 0,360"]
    return '\n'.join(out)


def shade_layer(path, w, h, top, bottom, light=1.0, dark=0.72):
    """Darkens a ship layer towards the waterline, keeping its outline."""
    grad = tmp('shade.png')
    g0 = int(255 * light)
    g1 = int(255 * dark)
    im('-size', f'{w}x{max(1, bottom - top)}', f'gradient:rgb({g0},{g0},{g0})-rgb({g1},{g1},{g1})',
       '-background', f'rgb({g0},{g0},{g0})', '-gravity', 'north', '-splice', f'0x{max(0, top)}',
       '-background', f'rgb({g1},{g1},{g1})', '-gravity', 'south', '-extent', f'{w}x{h}', grad)
    im(path, '(', '+clone', grad, '-compose', 'Multiply', '-composite', ')',
       '(', path, '-alpha', 'extract', ')', '-delete', '0', '-alpha', 'off',
       '-compose', 'CopyOpacity', '-composite', path)


def reflection(layer, out, w, h, wl, strength=0.3, seed=5):
    """A broken, darker mirror image of the layer above the waterline, for the sea below it."""
    below = h - wl
    streaks = tmp('streaks.png')
    im('-size', f'{max(8, w // 10)}x{below}', 'xc:gray50', '-seed', seed, '-attenuate', '3',
       '+noise', 'Uniform', '-colorspace', 'gray', '-resize', f'{w}x{below}!',
       '-level', '30%,75%', streaks)
    im(layer, '-crop', f'{w}x{wl}+0+0', '+repage', '-flip', '-resize', f'{w}x{int(wl * 0.8)}!',
       '-background', 'none', '-gravity', 'north', '-extent', f'{w}x{below}',
       '-fill', '#101820', '-colorize', '35%',
       '(', streaks, '-alpha', 'copy', ')', '-compose', 'DstIn', '-composite',
       '-channel', 'A', '-evaluate', 'multiply', str(strength), '+channel',
       '-channel', 'RGBA', '-blur', '0x1', '+channel',
       '-background', 'none', '-gravity', 'south', '-extent', f'{w}x{h}', out)
