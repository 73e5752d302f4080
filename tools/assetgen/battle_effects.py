"""Fire, smoke columns and gun flashes for the pictures of ships in action."""
from .colour import clamp, css, hexc, mix
from .mvg import poly


def fire_mvg(x, y, size, rnd):
    out = []
    for i in range(14):
        r = size * rnd.uniform(0.2, 0.5)
        dx = rnd.uniform(-0.6, 0.6) * size
        dy = -rnd.uniform(0, 1.3) * size
        col = mix(hexc('#ffe070'), hexc('#d23a10'), clamp(-dy / size / 1.3))
        out.append(f"fill '{css(col, 0.85)}' circle {x + dx:.1f},{y + dy:.1f} {x + dx + r:.1f},{y + dy:.1f}")
    return '\n'.join(out)


def column_mvg(x, y, height, width, rnd, colour='#1a1716', drift=0.6):
    out = []
    for i in range(40):
        t = i / 40.0
        r = width * (0.3 + 1.4 * t) * rnd.uniform(0.7, 1.2)
        cx = x + drift * height * t * t + rnd.uniform(-1, 1) * width * 0.4
        cy = y - height * t
        out.append(f"fill '{css(hexc(colour), 0.55 - 0.3 * t)}' circle {cx:.1f},{cy:.1f} {cx + r:.1f},{cy:.1f}")
    return '\n'.join(out)


def muzzles(ship, x0, wl, length, facing=1, scale_y=1.0, min_length=0.05):
    """Where the main guns' barrels end, in picture coordinates."""
    tips = []
    for item in ship.items:
        if item[0] == 'line' and item[1] == 'gun':
            (xa, _), (xb, yb) = item[3]
            if abs(xb - xa) > min_length:
                xx = xb if facing > 0 else 1.0 - xb
                tips.append((x0 + xx * length, wl - yb * length * scale_y))
    return tips


def flash_mvg(x, y, size, facing):
    """A gun's muzzle blast: a white-hot tongue of flame thrown forward inside an orange fireball."""
    f = facing
    tongue = [(x, y - size * 0.12), (x + f * size * 1.9, y - size * 0.35), (x + f * size * 2.4, y),
              (x + f * size * 1.9, y + size * 0.3), (x, y + size * 0.12)]
    return '\n'.join([
        f"stroke none fill rgba(255,120,40,0.45) ellipse {x + f * size * 1.2:.1f},{y:.1f} {size * 1.7:.1f},{size * 0.8:.1f} 0,360",
        f"fill rgba(255,190,90,0.8) ellipse {x + f * size * 1.1:.1f},{y:.1f} {size * 1.1:.1f},{size * 0.45:.1f} 0,360",
        poly(tongue, 'rgba(255,236,180,0.95)'),
        f"fill rgba(255,255,240,1.0) ellipse {x + f * size * 0.6:.1f},{y:.1f} {size * 0.6:.1f},{size * 0.14:.1f} 0,360"])
