"""Shapes written in the drawing language /usr/bin/convert takes with -draw: polygons, stars,
curves, thick strokes and groups."""
import math


def poly(points, colour):
    return f"stroke none fill '{colour}' polygon " + ' '.join(f'{x:.2f},{y:.2f}' for x, y in points)


def star_points(cx, cy, r, inner=0.382, rot=-90):
    pts = []
    for i in range(10):
        rr = r if i % 2 == 0 else r * inner
        a = math.radians(rot + i * 36)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def pts_text(points):
    return ' '.join(f'{x:.1f},{y:.1f}' for x, y in points)


def arc_pts(cx, cy, r, a0, a1, n=32):
    """Points along a circle from angle a0 to a1 (degrees, y down)."""
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def bezier_pts(p0, p1, p2, p3, n=24):
    out = []
    for i in range(n + 1):
        t = i / float(n)
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


def stroke(points, colour, width, cap='round'):
    """A thick open line through the points, drawn as a filled outline (stroking with a
    gradient is unreliable in the drawing language, filling is not)."""
    left, right = [], []
    n = len(points)
    for i, (x, y) in enumerate(points):
        x0, y0 = points[max(0, i - 1)]
        x1, y1 = points[min(n - 1, i + 1)]
        dx, dy = x1 - x0, y1 - y0
        d = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / d * width / 2, dx / d * width / 2
        left.append((x + nx, y + ny))
        right.append((x - nx, y - ny))
    out = [f"stroke none fill '{colour}' polygon {pts_text(left + right[::-1])}"]
    if cap == 'round':
        for x, y in (points[0], points[-1]):
            out.append(f"stroke none fill '{colour}' circle {x:.1f},{y:.1f} {x + width / 2:.1f},{y:.1f}")
    return group(*out)


def group(*parts):
    return 'push graphic-context\n' + '\n'.join(parts) + '\npop graphic-context'
