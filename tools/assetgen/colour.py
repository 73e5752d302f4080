"""Colours as (r, g, b) in 0..1, blending and easing, and their spelling in the drawing
language."""


def hexc(text):
    text = text.lstrip('#')
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def smooth(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3 - 2 * t)


def ramp(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


def css(c, alpha=None):
    r, g, b = (int(round(clamp(v) * 255)) for v in c)
    if alpha is None:
        return f'#{r:02x}{g:02x}{b:02x}'
    return f'rgba({r},{g},{b},{alpha:.3f})'
