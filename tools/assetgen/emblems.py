"""Navy badges (200 x 200), drawn at twice the size and reduced."""
import math

from .colour import css, hexc, mix
from .flags import iron_cross
from .magick import im, save_jpeg, tmp
from .mvg import arc_pts, bezier_pts, group, poly, pts_text, star_points, stroke


BS = 400
GOLD = ("push defs\npush gradient 'gold' linear 0,60 0,340\nstop-color '#fbeaa0' 0\n"
        "stop-color '#d9a942' 0.45\nstop-color '#f3d27a' 0.7\nstop-color '#9c6b1c' 1\npop gradient\n"
        "push gradient 'silver' linear 0,60 0,340\nstop-color '#ffffff' 0\nstop-color '#b9bec4' 0.5\n"
        "stop-color '#eef1f3' 0.7\nstop-color '#7d848c' 1\npop gradient\n"
        "push gradient 'blossom' linear 0,60 0,180\nstop-color '#fff6e0' 0\nstop-color '#f0c8a0' 1\n"
        "pop gradient\npop defs")


def disc(cx, cy, r, inner, outer, steps=40):
    """A disc shaded like a domed enamel, lit from the upper left."""
    out = []
    a, b = hexc(inner), hexc(outer)
    for i in range(steps):
        t = i / float(steps - 1)
        rr = r * (1 - t * 0.999)
        ox = -r * 0.25 * t
        oy = -r * 0.3 * t
        out.append(f"fill '{css(mix(b, a, t))}' circle {cx + ox:.1f},{cy + oy:.1f} {cx + ox + rr:.1f},{cy + oy:.1f}")
    return group('stroke none', *out)


def rope_ring(cx, cy, r, width, fill="url(#gold)", dark='#5a3c0c'):
    out = [f"fill none stroke '{dark}' stroke-width {width + 4} circle {cx},{cy} {cx + r},{cy}",
           f"fill none stroke '{fill}' stroke-width {width} circle {cx},{cy} {cx + r},{cy}"]
    n = int(2 * math.pi * r / (width * 0.55))
    for i in range(n):
        a = 2 * math.pi * i / n
        x0 = cx + (r - width / 2) * math.cos(a)
        y0 = cy + (r - width / 2) * math.sin(a)
        a2 = a + 0.9 * width / r
        x1 = cx + (r + width / 2) * math.cos(a2)
        y1 = cy + (r + width / 2) * math.sin(a2)
        out.append(f"fill none stroke '{dark}' stroke-width 2 line {x0:.1f},{y0:.1f} {x1:.1f},{y1:.1f}")
    return group(*out)


def anchor(cx, top, size, fill="url(#gold)", dark='#4a300a', fouled=False):
    ring_r = size * 0.065
    ring_y = top + ring_r
    stock_y = top + size * 0.21
    crown_y = top + size * 0.93
    arm_r = size * 0.37
    arm_cy = crown_y - arm_r
    end_angle = 28
    out = []
    if fouled:
        # A rope from the ring, looped round the shank and trailing past the arm; drawn in two
        # halves so it passes behind the shank and in front of it.
        p = lambda fx, fy: (cx + size * fx, top + size * fy)
        behind = bezier_pts(p(0.05, 0.06), p(0.33, 0.02), p(0.32, 0.36), p(0.0, 0.42))
        front = (bezier_pts(p(0.0, 0.42), p(-0.32, 0.48), p(-0.28, 0.7), p(0.0, 0.66)) +
                 bezier_pts(p(0.0, 0.66), p(0.24, 0.62), p(0.27, 0.86), p(0.44, 0.9))[1:])
        rope_w = size * 0.03
    for colour, grow in ((dark, 4), (fill, 0)):
        if fouled:
            out.append(stroke(behind, colour, rope_w + grow))
        w = size * 0.05 + grow
        out.append(f"fill none stroke '{colour}' stroke-width {size * 0.038 + grow:.1f} "
                   f"circle {cx},{ring_y} {cx + ring_r},{ring_y}")
        out.append(f"stroke none fill '{colour}' polygon {cx - w / 2:.1f},{ring_y + ring_r:.1f} "
                   f"{cx + w / 2:.1f},{ring_y + ring_r:.1f} {cx + w * 0.7:.1f},{crown_y:.1f} {cx - w * 0.7:.1f},{crown_y:.1f}")
        sw = size * 0.3 + grow / 2
        sh = size * 0.045 + grow
        out.append(f"stroke none fill '{colour}' roundrectangle {cx - sw:.1f},{stock_y - sh / 2:.1f} "
                   f"{cx + sw:.1f},{stock_y + sh / 2:.1f} {sh / 2:.1f},{sh / 2:.1f}")
        br = size * 0.034 + grow / 2
        for sx in (cx - sw, cx + sw):
            out.append(f"stroke none fill '{colour}' circle {sx:.1f},{stock_y:.1f} {sx + br:.1f},{stock_y:.1f}")
        out.append(stroke(arc_pts(cx, arm_cy, arm_r, 180 - end_angle, end_angle), colour,
                          size * 0.06 + grow, cap='butt'))
        for side in (-1, 1):
            a = math.radians(end_angle if side > 0 else 180 - end_angle)
            ex, ey = cx + arm_r * math.cos(a), arm_cy + arm_r * math.sin(a)
            # Carry on along the arm's curve: up and outwards.
            dx, dy = side * math.sin(math.radians(end_angle)), -math.cos(math.radians(end_angle))
            nx, ny = -dy, dx
            fl = size * 0.17 + grow
            fw = size * 0.06 + grow / 2
            tip = (ex + dx * fl * 0.75, ey + dy * fl * 0.75)
            b1 = (ex - dx * fl * 0.25 + nx * fw, ey - dy * fl * 0.25 + ny * fw)
            b2 = (ex - dx * fl * 0.25 - nx * fw, ey - dy * fl * 0.25 - ny * fw)
            mid = (ex - dx * fl * 0.1, ey - dy * fl * 0.1)
            out.append(f"stroke none fill '{colour}' polygon {pts_text([tip, b1, mid, b2])}")
        out.append(f"stroke none fill '{colour}' polygon {cx - size * 0.055 - grow / 2:.1f},{crown_y - size * 0.04:.1f} "
                   f"{cx + size * 0.055 + grow / 2:.1f},{crown_y - size * 0.04:.1f} {cx:.1f},{crown_y + size * 0.045 + grow / 2:.1f}")
    if fouled:
        out.append(stroke(front, dark, rope_w + 4))
        out.append(stroke(front, fill, rope_w))
        for i in range(2, len(front) - 1, 2):
            (x0, y0), (x1, y1) = front[i - 1], front[i + 1]
            dx, dy = x1 - x0, y1 - y0
            d = math.hypot(dx, dy) or 1
            nx, ny = -dy / d * rope_w * 0.5, dx / d * rope_w * 0.5
            mx, my = front[i]
            out.append(f"stroke '{dark}' stroke-width 1.5 line {mx + nx - dx * 0.2:.1f},{my + ny - dy * 0.2:.1f} "
                       f"{mx - nx + dx * 0.2:.1f},{my - ny + dy * 0.2:.1f}")
    return group(*out)


def crown_cross(cx, cy, r, inner, outer, colour, edge, edge_w):
    """The small cross on top of the crown: flared arms with notched ends, in gold edged dark."""
    out = []
    for pass_colour, grow in ((edge, edge_w), (colour, 0.0)):
        for k in range(4):
            a = math.radians(90 * k)
            ux, uy = math.cos(a), math.sin(a)
            vx, vy = -uy, ux
            rr = r + grow
            i = inner / 2 + grow
            o = outer / 2 + grow
            pts = [(cx + vx * i - ux * grow, cy + vy * i - uy * grow),
                   (cx + ux * rr + vx * o, cy + uy * rr + vy * o),
                   (cx + ux * (rr - (outer - inner) * 0.12), cy + uy * (rr - (outer - inner) * 0.12)),
                   (cx + ux * rr - vx * o, cy + uy * rr - vy * o),
                   (cx - vx * i - ux * grow, cy - vy * i - uy * grow)]
            out.append(poly(pts, pass_colour))
        out.append(f"fill '{pass_colour}' rectangle {cx - inner / 2 - grow:.1f},{cy - inner / 2 - grow:.1f} "
                   f"{cx + inner / 2 + grow:.1f},{cy + inner / 2 + grow:.1f}")
    return 'push graphic-context\nstroke none\n' + '\n'.join(out) + '\npop graphic-context'


def crown(cx, cy, w, fill="url(#gold)", dark='#4a300a'):
    h = w * 0.75
    band_y = cy + h * 0.3
    out = [f"stroke '{dark}' stroke-width 2 fill '#8c1020' polygon "
           + pts_text(bezier_pts((cx - w * 0.43, band_y), (cx - w * 0.46, cy - h * 0.3),
                                 (cx + w * 0.46, cy - h * 0.3), (cx + w * 0.43, band_y)))]
    for side in (-1, 1):
        arch = bezier_pts((cx + side * w * 0.45, band_y), (cx + side * w * 0.52, cy - h * 0.22),
                          (cx + side * w * 0.12, cy - h * 0.36), (cx, cy - h * 0.2))
        out.append(stroke(arch, dark, w * 0.1 + 4))
        out.append(stroke(arch, fill, w * 0.1))
        for t in (0.3, 0.6):
            px, py = arch[int(t * (len(arch) - 1))]
            out.append(f"stroke '{dark}' stroke-width 1.5 fill '#f4f0e0' circle {px:.1f},{py:.1f} {px + w * 0.035:.1f},{py:.1f}")
    mid = [(cx, band_y), (cx, cy - h * 0.2)]
    out.append(stroke(mid, dark, w * 0.08 + 4))
    out.append(stroke(mid, fill, w * 0.08))
    out.append(f"fill '{fill}' stroke '{dark}' stroke-width 2 roundrectangle {cx - w * 0.52:.1f},{band_y:.1f} "
               f"{cx + w * 0.52:.1f},{band_y + h * 0.24:.1f} 4,4")
    for i, col in enumerate(('#2c6e3f', '#b01830', '#1c3f8c', '#b01830', '#2c6e3f')):
        jx = cx + (i - 2) * w * 0.21
        out.append(f"fill '{col}' stroke '{dark}' stroke-width 1 ellipse {jx:.1f},{band_y + h * 0.12:.1f} "
                   f"{w * 0.05:.1f},{h * 0.065:.1f} 0,360")
    oy = cy - h * 0.28
    out.append(f"fill '{fill}' stroke '{dark}' stroke-width 2 circle {cx:.1f},{oy:.1f} {cx + w * 0.085:.1f},{oy:.1f}")
    out.append(crown_cross(cx, oy - w * 0.16, w * 0.1, w * 0.045, w * 0.1, colour=fill, edge=dark, edge_w=2))
    return group(*out)


def wreath(cx, cy, r, fill="url(#gold)", dark='#4a300a', leaves=11, span=120, leaf=(16, 6)):
    """Two branches of leaves rising from the bottom of the badge on either side."""
    out = []
    for side in (-1, 1):
        start, end = 90 - side * 8, 90 - side * (14 + span)
        stem = arc_pts(cx, cy, r, start, end)
        out.append(stroke(stem, dark, 5))
        out.append(stroke(stem, fill, 2.5))
        for i in range(leaves):
            t = i / float(leaves - 1)
            a = math.radians(90 - side * (12 + t * span))
            x = cx + r * math.cos(a)
            y = cy + r * math.sin(a)
            # Along the stem, pointing the way it grows, one leaf inside and one outside.
            heading = math.degrees(a) - side * 90
            for k in (-1, 1):
                ang = heading + side * k * 32
                off = leaf[0] * 0.85
                lx = x + off * math.cos(math.radians(ang))
                ly = y + off * math.sin(math.radians(ang))
                out.append(f"push graphic-context\ntranslate {lx:.1f},{ly:.1f}\nrotate {ang:.1f}\n"
                           f"fill '{fill}' stroke '{dark}' stroke-width 1.5 ellipse 0,0 {leaf[0]},{leaf[1]} 0,360\n"
                           f"stroke '{dark}' stroke-width 1 line {-leaf[0] * 0.8:.1f},0 {leaf[0] * 0.8:.1f},0\n"
                           "pop graphic-context")
    return group(*out)


def blossom(cx, cy, r, fill="url(#gold)", dark='#4a300a', centre='#c8102e'):
    out = []
    for i in range(5):
        a = -90 + i * 72
        out.append(f"push graphic-context\ntranslate {cx:.1f},{cy:.1f}\nrotate {a:.1f}\n"
                   f"fill '{fill}' stroke '{dark}' stroke-width 2.5 ellipse {r * 0.55:.1f},0 {r * 0.46:.1f},{r * 0.33:.1f} 0,360\n"
                   f"fill '{dark}' stroke none polygon {r * 1.03:.1f},0 {r * 0.82:.1f},-{r * 0.09:.1f} {r * 0.82:.1f},{r * 0.09:.1f}\n"
                   "pop graphic-context")
    out.append(f"stroke '{dark}' stroke-width 2 fill '{centre}' circle {cx},{cy} {cx + r * 0.2:.1f},{cy}")
    for i in range(5):
        a = math.radians(-54 + i * 72)
        out.append(f"stroke none fill '{dark}' circle {cx + r * 0.3 * math.cos(a):.1f},{cy + r * 0.3 * math.sin(a):.1f} "
                   f"{cx + r * 0.3 * math.cos(a) + 2.5:.1f},{cy + r * 0.3 * math.sin(a):.1f}")
    return group(*out)


def badge(name, body):
    big = tmp(name + '_big.png')
    im('-size', f'{BS}x{BS}', 'xc:black', '-draw', GOLD + '\n' + '\n'.join(group(b) for b in body), big)
    out = tmp(name + '.png')
    im(big, '-filter', 'Lanczos', '-resize', '200x200', out)
    save_jpeg(out, name)


def make_rnemblem():
    c = BS / 2
    body = [disc(c, c, 180, '#24457f', '#0a1730'),
            rope_ring(c, c, 178, 16),
            wreath(c, c + 6, 132, leaves=8, span=100, leaf=(17, 7)),
            anchor(c, 130, 200, fouled=True),
            crown(c, 96, 100)]
    badge('RNEMBLEM', body)


def make_geremblem():
    c = BS / 2
    body = [disc(c, c, 182, '#4a4d52', '#141518'),
            f"fill none stroke 'url(#silver)' stroke-width 8 circle {c},{c} {c + 174},{c}",
            f"fill none stroke '#3a3c40' stroke-width 2 circle {c},{c} {c + 160},{c}",
            f"fill none stroke 'url(#silver)' stroke-width 3 circle {c},{c} {c + 156},{c}",
            wreath(c, c + 6, 130, fill='url(#silver)', dark='#2a2c30', leaves=9, span=108, leaf=(16, 8)),
            anchor(c, 138, 196),
            iron_cross(c, 104, 46, 16, 46, colour='black', edge='#e8eaec', edge_w=5)]
    badge('GEREMBLEM', body)


def make_usemblem():
    c = BS / 2
    body = [disc(c, c, 180, '#234f9a', '#081a3c'),
            rope_ring(c, c, 178, 16)]
    for i in range(13):
        a = math.radians(-90 + i * 360 / 13)
        body.append(poly(star_points(c + 146 * math.cos(a), c + 146 * math.sin(a), 10), '#f4f4f4'))
    body += [anchor(c, 150, 196),
             poly(star_points(c + 2, 114, 46), '#0a1a3a'),
             poly(star_points(c, 110, 44), '#ffffff')]
    badge('USEMBLEM', body)


def make_japemblem():
    c = BS / 2
    body = [disc(c, c, 180, '#2b3550', '#0b0f1c')]
    for i in range(16):
        a0 = math.radians(i * 22.5 - 4)
        a1 = math.radians(i * 22.5 + 4)
        body.append(f"stroke none fill rgba(170,30,50,0.35) polygon {c},{c} {c + 170 * math.cos(a0):.1f},{c + 170 * math.sin(a0):.1f} "
                    f"{c + 170 * math.cos(a1):.1f},{c + 170 * math.sin(a1):.1f}")
    body += [f"fill none stroke 'url(#gold)' stroke-width 10 circle {c},{c} {c + 176},{c}",
             wreath(c, c + 8, 134, leaves=8, span=96, leaf=(18, 8)),
             anchor(c, 150, 196),
             blossom(c, 118, 50, fill="url(#blossom)")]
    badge('JAPEMBLEM', body)
