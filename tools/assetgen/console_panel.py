"""The band under the board: a steel console panel with seams and rivets, no lettering, in
three versions (plain, dimmed, and with the radar scope)."""
import math

from .colour import css, hexc, mix
from .magick import im, save_jpeg, tmp


BW, BH = 1280, 205
RADAR = (986, 112, 46)    # centre x, centre y and radius of the scope's screen: where the board turns
                          # the radar picture (74 % to 80 % of the width, 86 % to 96 % of the height)


def rivets(points, r=3.2):
    out = []
    for x, y in points:
        out.append(f"fill rgba(0,0,0,0.55) circle {x + 1.2:.1f},{y + 1.4:.1f} {x + 1.2 + r:.1f},{y + 1.4:.1f}")
        out.append(f"fill '#56626e' circle {x:.1f},{y:.1f} {x + r:.1f},{y:.1f}")
        out.append(f"fill rgba(200,214,226,0.55) circle {x - r * 0.3:.1f},{y - r * 0.35:.1f} {x - r * 0.3 + r * 0.45:.1f},{y - r * 0.35:.1f}")
    return '\n'.join(out)


def steel_panel(out):
    base = tmp('steel_base.png')
    im('-size', f'{BW}x{BH}', 'xc:#37424d', '-seed', '121', '-attenuate', '0.6', '+noise', 'Gaussian',
       '-motion-blur', '0x30+0', '-colorspace', 'sRGB', base)
    tone = tmp('steel_tone.png')
    im('-size', f'{BW // 40}x{BH // 20}', 'xc:gray50', '-seed', '122', '-attenuate', '1.2', '+noise', 'Gaussian',
       '-colorspace', 'gray', '-resize', f'{BW}x{BH}!', '-blur', '0x18', '-level', '25%,75%', tone)
    seams = [0, 330, 660, 990, BW - 1]
    draw = []
    # Plates a shade apart from each other, with bevelled seams between them.
    for i, (x0, x1) in enumerate(zip(seams, seams[1:])):
        shade = (0.05, -0.03, 0.02, -0.05)[i % 4]
        col = (255, 255, 255) if shade > 0 else (0, 0, 0)
        draw.append(f"fill rgba({col[0]},{col[1]},{col[2]},{abs(shade):.2f}) rectangle {x0},0 {x1},{BH}")
    for x in seams[1:-1]:
        draw.append(f"fill rgba(0,0,0,0.6) rectangle {x - 1},0 {x + 1},{BH}")
        draw.append(f"fill rgba(170,185,200,0.22) rectangle {x + 2},0 {x + 2},{BH}")
    draw += ["fill rgba(0,0,0,0.55) rectangle 0,18 1280,19",
             "fill rgba(170,185,200,0.2) rectangle 0,20 1280,20",
             "fill rgba(0,0,0,0.55) rectangle 0,186 1280,187",
             "fill rgba(170,185,200,0.2) rectangle 0,188 1280,188",
             "fill rgba(190,205,220,0.35) rectangle 0,0 1280,1",
             "fill rgba(0,0,0,0.6) rectangle 0,203 1280,204",
             "fill rgba(190,205,220,0.25) rectangle 0,0 1,204",
             "fill rgba(0,0,0,0.6) rectangle 1278,0 1279,204"]
    pts = []
    for x in range(14, BW - 6, 34):
        pts += [(x, 9), (x, 196)]
    for x in seams[1:-1]:
        for y in range(36, 180, 30):
            pts += [(x - 9, y), (x + 10, y)]
    draw.append(rivets(pts))
    vignette = tmp('steel_vig.png')
    im('-size', f'{BH}x{BW}', 'gradient:#9a9a9a-#ffffff', '-rotate', '90', vignette)
    im(base, tone, '-compose', 'Overlay', '-composite', vignette, '-compose', 'Multiply', '-composite',
       '-draw', '\n'.join(draw), out)


def make_panels(only):
    panel = tmp('MENUIMAGE.png')
    steel_panel(panel)
    if not only or 'MENUIMAGE' in only:
        save_jpeg(panel, 'MENUIMAGE')
    if not only or 'DARKIMAGE' in only:
        dark = tmp('DARKIMAGE.png')
        im(panel, '-modulate', '100,70', '-evaluate', 'multiply', '0.42', dark)
        save_jpeg(dark, 'DARKIMAGE')
    if not only or 'MENURADARIMAGE' in only:
        cx, cy, r = RADAR
        scope = []
        # Bezel: a dark recess, a machined ring and four screws.
        scope.append(f"fill rgba(0,0,0,0.6) circle {cx + 3},{cy + 4} {cx + r + 17},{cy + 4}")
        for i in range(14):
            t = i / 13.0
            col = mix(hexc('#7d8a96'), hexc('#1f262d'), t)
            rr = r + 15 - i
            scope.append(f"fill '{css(col)}' circle {cx - (1 - t) * 2:.1f},{cy - (1 - t) * 2:.1f} {cx + rr - (1 - t) * 2:.1f},{cy - (1 - t) * 2:.1f}")
        scope.append(f"fill '#0a0f0c' circle {cx},{cy} {cx + r + 1},{cy}")
        for i in range(30):
            t = i / 29.0
            col = mix(hexc('#04100a'), hexc('#0b2a17'), t)
            scope.append(f"fill '{css(col)}' circle {cx},{cy} {cx + r * (1 - t * 0.98):.1f},{cy}")
        for k in (0.25, 0.5, 0.75, 1.0):
            scope.append(f"fill none stroke rgba(70,200,110,{0.22 if k < 1 else 0.4}) stroke-width 1 "
                         f"circle {cx},{cy} {cx + r * k - (1 if k == 1 else 0):.1f},{cy}")
        scope.append(f"stroke rgba(70,200,110,0.22) stroke-width 1 line {cx - r},{cy} {cx + r},{cy} "
                     f"line {cx},{cy - r} {cx},{cy + r}")
        for deg in range(0, 360, 10):
            a = math.radians(deg)
            inner = r - (7 if deg % 30 == 0 else 4)
            scope.append(f"stroke rgba(90,220,130,0.45) stroke-width 1 line {cx + inner * math.cos(a):.1f},{cy + inner * math.sin(a):.1f} "
                         f"{cx + (r - 1) * math.cos(a):.1f},{cy + (r - 1) * math.sin(a):.1f}")
        scope.append(f"fill none stroke rgba(255,255,255,0.07) stroke-width 6 "
                     f"path 'M {cx - r * 0.75:.1f},{cy - r * 0.35:.1f} A {r * 0.82:.1f},{r * 0.82:.1f} 0 0,1 {cx - r * 0.1:.1f},{cy - r * 0.8:.1f}'")
        screws = [(cx + (r + 9) * math.cos(math.radians(a)), cy + (r + 9) * math.sin(math.radians(a)))
                  for a in (45, 135, 225, 315)]
        scope.append(rivets(screws, 2.6))
        # A small lamp and a dial on the plate beside the scope.
        scope.append(f"fill '#1a1f24' circle {cx - 140},{cy + 40} {cx - 130},{cy + 40}")
        scope.append(f"fill '#4a1010' circle {cx - 140},{cy + 40} {cx - 133},{cy + 40}")
        scope.append(f"fill rgba(255,120,110,0.35) circle {cx - 142},{cy + 38} {cx - 139},{cy + 38}")
        radar = tmp('MENURADARIMAGE.png')
        im(panel, '-draw', '\n'.join(scope), radar)
        save_jpeg(radar, 'MENURADARIMAGE')
