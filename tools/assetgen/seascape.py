"""Sky and sea: clouds in perspective over a rippled, reflecting sea, rendered pixel by
pixel from value noise."""
import math
import random

from .colour import clamp, hexc, mix, ramp, smooth
from .magick import write_ppm


class Noise:
    """Smooth value noise on a wrapping lattice, and fractal sums of it."""

    def __init__(self, seed, size=256):
        rnd = random.Random(seed)
        self.n = size
        self.v = [rnd.random() for _ in range(size * size)]

    def value(self, x, y):
        xf = math.floor(x)
        yf = math.floor(y)
        fx = x - xf
        fy = y - yf
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        n = self.n
        x0 = int(xf) % n
        y0 = int(yf) % n
        x1 = (x0 + 1) % n
        r0 = y0 * n
        r1 = ((y0 + 1) % n) * n
        v = self.v
        a = v[r0 + x0] + (v[r0 + x1] - v[r0 + x0]) * fx
        b = v[r1 + x0] + (v[r1 + x1] - v[r1 + x0]) * fx
        return a + (b - a) * fy

    def fbm(self, x, y, octaves=5):
        total = 0.0
        amp = 0.5
        norm = 0.0
        for i in range(octaves):
            total += amp * self.value(x + i * 31.7, y + i * 17.3)
            norm += amp
            amp *= 0.5
            x *= 2.03
            y *= 2.03
        return total / norm


def seascape(path, w, h, horizon, sky, sea_far, sea_near, seed, cover=0.45,
             cloud_lit='#ffffff', cloud_shade='#7a8796', cloud_scale=1.0, sun=None,
             sun_colour='#fff2c8', glitter=0.0, chop=1.0, reflect=0.55, foam=0.0):
    """Renders a sky with a layer of clouds seen in perspective over a rippled sea.

    sky: (position, colour) stops from the top (0) to the horizon (1).
    sun: (x, y, radius) of the sun or a glow; it may sit below the horizon as an afterglow.
    """
    noise = Noise(seed)
    detail = Noise(seed + 101)
    sky = [(p, hexc(c)) for p, c in sky]
    sea_far = hexc(sea_far)
    sea_near = hexc(sea_near)
    lit = hexc(cloud_lit)
    shade = hexc(cloud_shade)
    sunc = hexc(sun_colour)
    cx = w / 2.0
    rnd = random.Random(seed)
    waves = []
    for i in range(7):
        length = 9.0 * (1.55 ** i) * chop ** 0.5
        angle = math.pi / 2 + rnd.uniform(0.15, 0.7) * (1 if i % 2 else -1)
        waves.append((length, math.cos(angle), math.sin(angle), rnd.uniform(0, 6.3),
                      0.5 ** (0.45 * i)))
    threshold = 0.72 - 0.32 * cover
    rows = []
    for y in range(h):
        row = bytearray()
        if y < horizon:
            dy = horizon - y
            t = y / float(horizon)
            base = ramp(sky, t)
            v = 170.0 * cloud_scale / (dy + 7.0)
            v_above = 170.0 * cloud_scale / (dy + 10.0)
            fade = smooth(2.0, 45.0, dy) if cover > 0 else 0.0
            for x in range(w):
                c = base
                if sun:
                    sx, sy, sr = sun
                    d = math.hypot(x - sx, (y - sy) * 1.25)
                    glow = 0.55 * math.exp(-d / (sr * 5.0)) + 0.35 * math.exp(-d / (sr * 1.6))
                    c = mix(c, sunc, clamp(glow))
                    if d < sr:
                        c = mix(c, (1.0, 0.98, 0.9), smooth(sr, sr * 0.7, d))
                if fade > 0:
                    u = (x - cx) * 1.3 * cloud_scale / (dy + 7.0)
                    d0 = noise.fbm(u, v)
                    a = smooth(threshold, threshold + 0.16, d0) * fade
                    if a > 0.002:
                        d1 = noise.fbm(u, v_above)
                        light = clamp(0.62 + (d0 - d1) * 9.0 - (d0 - threshold) * 1.4)
                        cc = mix(shade, lit, light)
                        if sun:
                            sd = math.hypot(x - sun[0], y - sun[1])
                            cc = mix(cc, sunc, clamp(0.65 * math.exp(-sd / (sun[2] * 6.0))) * light)
                        c = mix(c, cc, a)
                g = (detail.value(x * 0.9, y * 0.9) - 0.5) * 0.018
                row += bytes(int(clamp(ch + g) * 255) for ch in c)
        else:
            dy = y - horizon + 0.8
            t = (y - horizon) / float(max(1, h - horizon))
            base = mix(sea_far, sea_near, t ** 0.6)
            fresnel = reflect * (1.0 - 0.55 * t ** 0.5)
            # Eye 30 units above the water, focal length the picture's width.
            wz = 30.0 * w / dy
            foot_z = 30.0 * w / (dy * dy)
            foot_x = 30.0 / dy
            for x in range(w):
                wx = (x - cx) * 30.0 / dy
                slope = 0.0
                for length, cx_, cz_, phase, amp in waves:
                    footprint = abs(cx_) * foot_x + abs(cz_) * foot_z
                    att = clamp((length / footprint - 2.0) / 3.0)
                    if att <= 0.0:
                        continue
                    k = 6.2832 / length
                    slope += amp * att * cz_ * math.cos(k * (cx_ * wx + cz_ * wz) + phase)
                patch = 0.65 + 0.7 * detail.value(wx * 0.012, wz * 0.004)
                slope *= patch * 0.55
                refl = ramp(sky, clamp(0.97 - slope * 0.55 - 0.08 * (1 - t)))
                c = mix(base, refl, clamp(fresnel * (0.75 + slope * 0.6)))
                c = mix(c, (c[0] * 0.7, c[1] * 0.7, c[2] * 0.7), clamp(-slope * 0.5))
                if sun and glitter > 0:
                    sx = sun[0]
                    spread = 4.0 + dy * 0.85
                    band = math.exp(-((x - sx) / spread) ** 2)
                    spark = smooth(0.15, 0.75, slope) * band * glitter
                    c = mix(c, sunc, clamp(spark))
                if foam > 0:
                    f = smooth(0.72, 0.9, detail.fbm(wx * 0.05, wz * 0.012, 3)) * smooth(0.2, 0.8, slope)
                    c = mix(c, (0.9, 0.93, 0.95), clamp(f * foam * (0.4 + t)))
                row += bytes(int(clamp(ch) * 255) for ch in c)
        rows.append(bytes(row))
    write_ppm(path, w, h, rows)
