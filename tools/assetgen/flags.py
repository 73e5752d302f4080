"""Flags (240 x 160), each given a little wave and cloth shading."""
import math
import random

from .colour import clamp
from .magick import im, save_jpeg, tmp, write_ppm
from .mvg import bezier_pts, poly, pts_text, star_points


FW, FH = 240, 160


def cloth(flat, name, amplitude=3.0, wavelength=170.0):
    shade = tmp(name + '_cloth.ppm')
    rows = []
    for y in range(FH):
        row = bytearray()
        for x in range(FW):
            s = 0.5 + 0.22 * math.sin(6.2832 * (x / wavelength) - 1.2 + y * 0.006) \
                + 0.06 * math.sin(6.2832 * (x / 53.0 + y / 400.0))
            v = int(clamp(s) * 255)
            row += bytes((v, v, v))
        rows.append(bytes(row))
    write_ppm(shade, FW, FH, rows)
    out = tmp(name + '.png')
    # Squeezed a little so the wave stays inside the frame, on the panel's black.
    inner = FH - 2 * int(math.ceil(amplitude)) - 2
    im(flat, shade, '-compose', 'SoftLight', '-composite', '-resize', f'{FW}x{inner}!',
       '-background', 'black', '-wave', f'{amplitude}x{wavelength}', '+repage',
       '-compose', 'Over', '-gravity', 'center', '-extent', f'{FW}x{FH}', out)
    return out


def union_flag(w, h):
    """The Union flag drawn into a w x h box at the origin, as MVG."""
    cx, cy = w / 2.0, h / 2.0
    white_saltire = h / 5.0
    red_saltire = h / 15.0
    out = [f"fill '#012169' rectangle 0,0 {w},{h}"]
    diag = math.hypot(w, h)
    for kx, ky in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        dx, dy = kx * w / diag, ky * h / diag
        nx, ny = -dy, dx
        ex, ey = cx + dx * diag, cy + dy * diag
        hw = white_saltire / 2
        out.append(poly([(cx + nx * hw, cy + ny * hw), (ex + nx * hw, ey + ny * hw),
                         (ex - nx * hw, ey - ny * hw), (cx - nx * hw, cy - ny * hw)], '#ffffff'))
    for kx, ky in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        dx, dy = kx * w / diag, ky * h / diag
        # The red stripe lies on the anticlockwise side of each arm.
        nx, ny = dy, -dx
        ex, ey = cx + dx * diag, cy + dy * diag
        out.append(poly([(cx, cy), (ex, ey), (ex + nx * red_saltire, ey + ny * red_saltire),
                         (cx + nx * red_saltire, cy + ny * red_saltire)], '#c8102e'))
    fw = h / 3.0
    rw = h / 5.0
    out.append(f"fill '#ffffff' rectangle {cx - fw / 2:.2f},0 {cx + fw / 2:.2f},{h}")
    out.append(f"fill '#ffffff' rectangle 0,{cy - fw / 2:.2f} {w},{cy + fw / 2:.2f}")
    out.append(f"fill '#c8102e' rectangle {cx - rw / 2:.2f},0 {cx + rw / 2:.2f},{h}")
    out.append(f"fill '#c8102e' rectangle 0,{cy - rw / 2:.2f} {w},{cy + rw / 2:.2f}")
    return '\n'.join(out)


def make_engflag():
    arm = 28
    canton_w = FW / 2 - arm / 2
    canton_h = FH / 2 - arm / 2
    flat = tmp('eng_flat.png')
    union = tmp('union.png')
    im('-size', f'{int(canton_w) * 4}x{int(canton_h) * 4}', 'xc:none', '-draw',
       union_flag(canton_w * 4, canton_h * 4), '-resize', f'{int(canton_w)}x{int(canton_h)}!', union)
    im('-size', f'{FW}x{FH}', 'xc:#f4f4f0', '-draw',
       f"fill '#c8102e' rectangle {FW / 2 - arm / 2},0 {FW / 2 + arm / 2 - 1},{FH}\n"
       f"fill '#c8102e' rectangle 0,{FH / 2 - arm / 2} {FW},{FH / 2 + arm / 2 - 1}",
       union, '-geometry', '+0+0', '-compose', 'Over', '-composite', flat)
    save_jpeg(cloth(flat, 'ENGFLAG'), 'ENGFLAG')


def cross_outline(cx, cy, r, waist, end):
    """The outline of a cross with flared arms: each arm `waist` wide where it leaves the
    centre and `end` wide at its square end, r from the centre, the sides curving in so the
    arm flares mostly towards its end."""
    i = waist / 2
    o = end / 2
    rr = r
    pts = []
    for k in range(4):
        a = math.radians(90 * k)
        ux, uy = math.cos(a), math.sin(a)
        vx, vy = -uy, ux

        def at(along, across):
            return (cx + ux * along + vx * across, cy + uy * along + vy * across)
        for side in (-1, 1):
            # Out along one side to the end, then back along the other.
            inner, outer = at(i, side * i), at(rr, side * o)
            ctrl = at(rr * 0.72, side * (i + (o - i) * 0.12))
            seg = bezier_pts(inner, ctrl, ctrl, outer, n=14)
            pts += seg if side < 0 else seg[::-1]
    return pts


def iron_cross(cx, cy, r, waist, end, colour='black', edge='white', edge_w=0.0, rim=None):
    """The Iron Cross: a black cross with flared arms inside a white border edge_w wide, and
    round that, when rim is given, a fine line of that colour."""
    shape = pts_text(cross_outline(cx, cy, r, waist, end))
    out = ['push graphic-context', 'stroke-linejoin miter', 'stroke-miterlimit 8']
    if rim:
        line = edge_w + max(1.0, edge_w * 0.22)
        out.append(f"stroke '{rim}' stroke-width {2 * line:.2f} fill '{rim}' polygon {shape}")
    if edge_w:
        out.append(f"stroke '{edge}' stroke-width {2 * edge_w:.2f} fill '{edge}' polygon {shape}")
    out.append(f"stroke none fill '{colour}' polygon {shape}")
    out.append('pop graphic-context')
    return '\n'.join(out)


# The Kriegsmarine's flag in the game, shared with the small flag on the board (DFLAG): the
# field, and the cross's arm, waist, square end and white edge as shares of the flag's height.
GER_FIELD, GER_RIM = '#2c4a70', '#10141c'
GER_CROSS = dict(r=0.33, waist=0.15, end=0.42, edge=0.035)


def make_gerflag():
    """The Kriegsmarine's flag in the game: the Iron Cross alone, in the middle of a plain
    sea-blue field."""
    cx, cy = FW / 2, FH / 2
    flat = tmp('ger_flat.png')
    big = 4
    k = GER_CROSS
    draw = [f"fill '{GER_FIELD}' rectangle 0,0 {FW},{FH}",
            iron_cross(cx, cy, FH * k['r'], FH * k['waist'], FH * k['end'], edge_w=FH * k['edge'],
                       rim=GER_RIM)]
    im('-size', f'{FW * big}x{FH * big}', 'xc:none', '-draw', f'scale {big},{big}\n' + '\n'.join(draw),
       '-resize', f'{FW}x{FH}!', flat)
    save_jpeg(cloth(flat, 'GERFLAG'), 'GERFLAG')


def make_usflag():
    stripe = FH / 13.0
    canton_w = FW * 0.44
    canton_h = stripe * 7
    draw = [f"fill '#b22234' rectangle 0,0 {FW},{FH}"]
    for i in range(1, 13, 2):
        draw.append(f"fill white rectangle 0,{i * stripe:.2f} {FW},{(i + 1) * stripe - 0.01:.2f}")
    draw.append(f"fill '#3c3b6e' rectangle 0,0 {canton_w:.2f},{canton_h:.2f}")
    for row in range(6):
        for col in range(8):
            sx = canton_w * (col + 0.5) / 8
            sy = canton_h * (row + 0.5) / 6
            draw.append(poly(star_points(sx, sy, 4.6), 'white'))
    flat = tmp('us_flat.png')
    im('-size', f'{FW * 3}x{FH * 3}', 'xc:none', '-draw', 'scale 3,3\n' + '\n'.join(draw),
       '-resize', f'{FW}x{FH}!', flat)
    save_jpeg(cloth(flat, 'USFLAG'), 'USFLAG')


def make_japflag():
    cx, cy = FW * 0.43, FH / 2
    r = FH * 0.27
    draw = [f"fill '#f5f4ef' rectangle 0,0 {FW},{FH}"]
    far = FW * 2
    for i in range(16):
        a0 = math.radians(i * 22.5 - 5.625)
        a1 = math.radians(i * 22.5 + 5.625)
        draw.append(poly([(cx, cy), (cx + far * math.cos(a0), cy + far * math.sin(a0)),
                          (cx + far * math.cos(a1), cy + far * math.sin(a1))], '#bc002d'))
    draw.append(f"fill '#bc002d' circle {cx},{cy} {cx + r},{cy}")
    flat = tmp('jap_flat.png')
    im('-size', f'{FW}x{FH}', 'xc:none', '-draw', '\n'.join(draw), flat)
    save_jpeg(cloth(flat, 'JAPFLAG'), 'JAPFLAG')


def make_bothlostflag():
    """A white flag, torn ragged at the fly, holed and stained with smoke."""
    rnd = random.Random(71)
    pts = [(0, 0)]
    x = FW * 0.86
    y = 0.0
    while y < FH:
        pts.append((x, y))
        y += rnd.uniform(2.5, 7)
        x = clamp(x + rnd.uniform(-9, 9), FW * 0.74, FW * 0.97)
    pts += [(x, FH), (0, FH)]
    scorch = [(px + 3 if 0 < px < FW else px, py) for px, py in pts]
    holes = []
    for i in range(3):
        hx, hy, hr = rnd.uniform(50, 160), rnd.uniform(25, 135), rnd.uniform(2.5, 5)
        holes.append(f"stroke none fill rgba(90,60,35,0.55) circle {hx:.1f},{hy:.1f} {hx + hr + 4:.1f},{hy:.1f}")
        holes.append(f"fill black circle {hx:.1f},{hy:.1f} {hx + hr:.1f},{hy:.1f}")
    flat = tmp('lost_flat.png')
    soot = tmp('lost_soot.png')
    im('-size', f'{FW // 6}x{FH // 6}', 'xc:gray50', '-seed', '71', '-attenuate', '2', '+noise', 'Uniform',
       '-colorspace', 'gray', '-resize', f'{FW}x{FH}!', '-blur', '0x6', '-level', '35%,65%',
       '+level', '72%,100%', soot)
    im('-size', f'{FW}x{FH}', 'xc:black', '-draw', poly(scorch, '#4a3424'), '-draw', poly(pts, '#f1f0ea'),
       soot, '-compose', 'Multiply', '-composite', '-draw', '\n'.join(holes), flat)
    save_jpeg(cloth(flat, 'BOTHLOSTFLAG', amplitude=4, wavelength=140), 'BOTHLOSTFLAG')
