#!/usr/bin/env python3
"""Synthesises the game's sound effects into assets/sounds/NAME.wav.

    tools/make_sounds.py                  every sound
    tools/make_sounds.py BELL XING        only the sounds named
    tools/make_sounds.py --out DIR ...    somewhere else, to try changes out

Everything is made from sine waves and filtered noise with fixed random seeds, so running it
again gives the same files: 16-bit PCM, mono, 44100 Hz, with short fades so nothing clicks at
the start or end. The sounds are matched by loudness rather than by peak, so that a beep is no
louder than a broadside: each is set to its loudness (TARGET below) with peaks held under
-1 dBFS by a limiter. Needs only python3; the game's build never runs this.

Lengths matter: the game waits for some sounds to finish (a waiting play takes exactly the
file's playing time on the game's clock), so a sound keeps its length when it is reworked.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 44100
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
OUT_DIR = os.path.join(ROOT, 'assets', 'sounds')  # --out changes it
TWO_PI = 2.0 * math.pi


# ---------------------------------------------------------------------------------------------
# Small signal toolkit. A sound is a list of floats at RATE samples a second.

def samples(seconds):
    return int(round(seconds * RATE))


def silence(seconds):
    return [0.0] * samples(seconds)


def add(dst, src, at=0.0, gain=1.0):
    """Mixes src into dst starting at `at` seconds, growing dst when needed."""
    start = samples(at)
    end = start + len(src)
    if end > len(dst):
        dst.extend([0.0] * (end - len(dst)))
    for i, v in enumerate(src):
        dst[start + i] += v * gain
    return dst


def white(n, rnd):
    # As loud per hertz at any rate as at the 22050 Hz the sounds were first voiced at, so
    # filtered noise keeps its balance against the tones.
    level = math.sqrt(RATE / 22050.0)
    return [rnd.uniform(-level, level) for _ in range(n)]


def brown(n, rnd, corner=17.6):
    leak = math.exp(-TWO_PI * corner / RATE)
    out = []
    v = 0.0
    for _ in range(n):
        v = v * leak + rnd.uniform(-1.0, 1.0) * 0.1
        out.append(v)
    return normalised(out, 0.0)


class Biquad:
    """A second-order filter from the audio cookbook; the cutoff may move while it runs."""

    def __init__(self, kind, freq, q=0.707):
        self.kind = kind
        self.q = q
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0
        self.tune(freq)

    def tune(self, freq):
        freq = min(max(freq, 10.0), RATE * 0.45)
        w = TWO_PI * freq / RATE
        cw, sw = math.cos(w), math.sin(w)
        alpha = sw / (2.0 * self.q)
        if self.kind == 'low':
            b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
        elif self.kind == 'high':
            b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
        else:  # band pass, peak gain 1
            b0, b1, b2 = alpha, 0.0, -alpha
        a0, a1, a2 = 1 + alpha, -2 * cw, 1 - alpha
        self.b0, self.b1, self.b2 = b0 / a0, b1 / a0, b2 / a0
        self.a1, self.a2 = a1 / a0, a2 / a0

    def run(self, xs, sweep=None):
        """Filters xs; sweep(t) in seconds gives a new cutoff, applied every 32 samples."""
        out = []
        for i, x in enumerate(xs):
            if sweep is not None and i % 32 == 0:
                self.tune(sweep(i / RATE))
            y = (self.b0 * x + self.b1 * self.x1 + self.b2 * self.x2
                 - self.a1 * self.y1 - self.a2 * self.y2)
            self.x2, self.x1 = self.x1, x
            self.y2, self.y1 = self.y1, y
            out.append(y)
        return out


def lowpass(xs, freq, q=0.707, sweep=None):
    return Biquad('low', freq, q).run(xs, sweep)


def highpass(xs, freq, q=0.707):
    return Biquad('high', freq, q).run(xs)


def bandpass(xs, freq, q=1.0, sweep=None):
    return Biquad('band', freq, q).run(xs, sweep)


def shaped(xs, env):
    """Multiplies xs by env(t), t in seconds."""
    return [v * env(i / RATE) for i, v in enumerate(xs)]


def decay(tau, attack=0.002):
    def env(t):
        a = min(1.0, t / attack) if attack > 0 else 1.0
        return a * math.exp(-t / tau)
    return env


def tone(freq, seconds, partials=((1, 1.0),), phase=0.0):
    """A steady sum of harmonics; freq may be a function of time for glides."""
    n = samples(seconds)
    out = []
    ph = phase
    for i in range(n):
        f = freq(i / RATE) if callable(freq) else freq
        ph += TWO_PI * f / RATE
        out.append(sum(a * math.sin(ph * k) for k, a in partials))
    return out


def reverb(xs, mix=0.25, room=0.8, damp=0.3, tail=0.6):
    """A small Schroeder reverberator: parallel damped combs into two all-passes."""
    xs = xs + [0.0] * samples(tail)
    combs = [1116, 1188, 1277, 1356]
    wet = [0.0] * len(xs)
    for length in combs:
        d = int(length * RATE / 44100)
        buf = [0.0] * d
        idx = 0
        store = 0.0
        fb = room * 0.84
        for i, x in enumerate(xs):
            y = buf[idx]
            store = y * (1 - damp) + store * damp
            buf[idx] = x + store * fb
            idx = (idx + 1) % d
            wet[i] += y * 0.25
    for length in (556, 441):
        d = int(length * RATE / 44100)
        buf = [0.0] * d
        idx = 0
        for i, x in enumerate(wet):
            b = buf[idx]
            y = -x + b
            buf[idx] = x + b * 0.5
            idx = (idx + 1) % d
            wet[i] = y
    return [x * (1 - mix) + w * mix for x, w in zip(xs, wet)]


def echo(xs, delays):
    out = list(xs)
    for seconds, gain in delays:
        add(out, xs, seconds, gain)
    return out


def normalised(xs, peak_db=-3.0):
    peak = max(abs(v) for v in xs) or 1.0
    target = 10 ** (peak_db / 20.0) if peak_db != 0.0 else 1.0
    return [v * target / peak for v in xs]


def faded(xs, fade_in=0.004, fade_out=0.03):
    n_in = max(1, samples(fade_in))
    n_out = max(1, samples(fade_out))
    out = list(xs)
    for i in range(min(n_in, len(out))):
        out[i] *= i / n_in
    for i in range(min(n_out, len(out))):
        out[-1 - i] *= i / n_out
    return out


def trimmed(xs, seconds):
    n = samples(seconds)
    return (xs + [0.0] * n)[:n]


# ---------------------------------------------------------------------------------------------
# Loudness. Peaks say little about how loud a sound seems: a steady beep at -3 dBFS is far
# louder than a gunshot peaking there. So each sound is measured the way a listener hears it
# and set to a common level; the asset tests measure the shipped files the same way.

TARGET = -16.0       # loudness of the effects, in dB (a full-scale 1 kHz sine measures -3)
CLICK_LEVEL = -19.5  # the interface click sits a little under the effects
CEILING_DB = -1.0    # no sample goes above this


def k_weighted(xs):
    """The ear's weighting for loudness: a shelf lifting everything above ~1.7 kHz by 4 dB
    (the head's effect) and a gentle high pass under ~40 Hz, which we hardly hear."""
    f0, gain, q = 1681.974450955533, 3.999843853973347, 0.7071752369554196
    k = math.tan(math.pi * f0 / RATE)
    vh = 10 ** (gain / 20.0)
    vb = vh ** 0.4996667741545416
    a0 = 1 + k / q + k * k
    shelf = ((vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
             2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0)
    f0, q = 38.13547087602444, 0.5003270373238773
    k = math.tan(math.pi * f0 / RATE)
    a0 = 1 + k / q + k * k
    high = (1.0, -2.0, 1.0, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0)
    for b0, b1, b2, a1, a2 in (shelf, high):
        x1 = x2 = y1 = y2 = 0.0
        out = []
        for x in xs:
            y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1 = x1, x
            y2, y1 = y1, y
            out.append(y)
        xs = out
    return xs


def loudness(xs):
    """How loud a sound is while it sounds, in dB: the K-weighted power of its 100 ms blocks
    (every 25 ms), averaged over the blocks within 10 dB of the loudest, so that a ringing
    tail or the gaps between beeps do not pull a sound down. A sound shorter than a block is
    one block."""
    k = k_weighted(xs)
    size, hop = samples(0.1), samples(0.025)
    sums = [0.0]
    for v in k:
        sums.append(sums[-1] + v * v)
    if len(k) <= size:
        blocks = [sums[-1] / max(1, len(k))]
    else:
        blocks = [(sums[i + size] - sums[i]) / size for i in range(0, len(k) - size + 1, hop)]
    top = max(blocks)
    if top <= 0.0:
        return -200.0
    kept = [b for b in blocks if b >= top * 0.1]
    return -0.691 + 10 * math.log10(sum(kept) / len(kept))


def limited(xs, ceiling_db=CEILING_DB, attack=0.0015, release=0.06):
    """Holds every sample under the ceiling: the gain ramps down over `attack` before a peak
    (looking ahead, so the peak itself is not squared off) and recovers over `release`."""
    ceiling = 10 ** (ceiling_db / 20.0)
    need = [min(1.0, ceiling / abs(v)) if v else 1.0 for v in xs]
    step = 1.0 / max(1, samples(attack))
    for i in range(len(need) - 2, -1, -1):
        need[i] = min(need[i], need[i + 1] + step)
    back = 1.0 - math.exp(-1.0 / max(1, samples(release)))
    g = 1.0
    out = []
    for v, n in zip(xs, need):
        g = min(n, g + (1.0 - g) * back)
        out.append(v * g)
    return out


def matched(xs, level):
    """Scales a sound to the loudness `level`, limiting its peaks; limiting takes a little
    loudness away, so this goes round until the level holds."""
    out = xs
    for _ in range(8):
        gain = 10 ** ((level - loudness(out)) / 20.0)
        out = limited([v * gain for v in out])
        if abs(loudness(out) - level) < 0.05:
            break
    return out


def write(name, xs, seconds=None, fade_in=0.004, fade_out=0.03, level=TARGET):
    if seconds is not None:
        xs = trimmed(xs, seconds)
    # Take out any offset so the first and last samples sit at silence.
    mean = sum(xs) / len(xs)
    raw = faded([v - mean for v in xs], fade_in, fade_out)
    xs = matched(raw, level)
    path = os.path.join(OUT_DIR, name + '.wav')
    frames = b''.join(struct.pack('<h', int(round(max(-1.0, min(1.0, v)) * 32767))) for v in xs)
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    peak = max(abs(v) for v in xs) or 1e-9
    # How much the limiter took off the loudest peak, against plain scaling.
    scale = 10 ** ((level - loudness(raw)) / 20.0)
    squash = 20 * math.log10(scale * max(abs(v) for v in raw) / peak)
    print(f'wrote {os.path.relpath(path)}  {len(xs) / RATE:.3f} s  loudness '
          f'{loudness(xs):.1f} dB  peak {20 * math.log10(peak):.1f} dBFS  limited {squash:.1f} dB')


# ---------------------------------------------------------------------------------------------
# Building blocks

def bell_strike(f0, seconds, rnd, gain=1.0):
    """A struck bronze bell: inharmonic partials, each a close pair that beats, the high ones
    dying first, over a short metallic clang."""
    partials = [(0.5, 0.35, 0.5), (1.0, 1.0, 0.42), (1.19, 0.45, 0.3), (1.5, 0.35, 0.26),
                (2.0, 0.6, 0.22), (2.51, 0.3, 0.15), (2.66, 0.25, 0.13), (3.01, 0.2, 0.1),
                (4.17, 0.12, 0.06), (5.43, 0.07, 0.04)]
    n = samples(seconds)
    out = [0.0] * n
    for ratio, amp, tau in partials:
        f = f0 * ratio
        beat = rnd.uniform(0.4, 1.6)
        ph1, ph2 = rnd.uniform(0, TWO_PI), rnd.uniform(0, TWO_PI)
        w1, w2 = TWO_PI * f / RATE, TWO_PI * (f + beat) / RATE
        for i in range(n):
            t = i / RATE
            out[i] += amp * math.exp(-t / tau) * 0.5 * (math.sin(ph1 + w1 * i) + math.sin(ph2 + w2 * i))
    clang = shaped(bandpass(white(samples(0.05), rnd), f0 * 3.2, 2.0), decay(0.008, 0.0005))
    add(out, clang, 0.0, 1.5)
    return faded(shaped(out, lambda t: gain * min(1.0, t / 0.001)), 0.0, 0.05)


def brass_note(freq, seconds, loud=1.0, rnd=None, vibrato=0.004, release=0.12):
    """A brass-like note: harmonics that brighten as the note swells, a small scoop up to
    pitch at the start, breath in the attack and a slow vibrato once it has settled."""
    rnd = rnd or random.Random(1)
    n = samples(seconds + release)
    attack = 0.045
    out = [0.0] * n
    harmonics = [k for k in range(1, 16) if freq * k < RATE * 0.42]
    detunes = (0.9985, 1.0015)
    for detune in detunes:
        ph = rnd.uniform(0, TWO_PI)
        for i in range(n):
            t = i / RATE
            if t < attack:
                e = (t / attack) ** 1.5
            elif t < seconds:
                e = 0.82 + 0.18 * math.exp(-(t - attack) / 0.08)
            else:
                e = 0.82 * math.exp(-(t - seconds) / (release / 3))
            scoop = 1.0 - 0.025 * math.exp(-t / 0.02)
            vib = 1.0 + vibrato * math.sin(TWO_PI * 5.3 * t) * min(1.0, max(0.0, (t - 0.2) / 0.2))
            ph += TWO_PI * freq * detune * scoop * vib / RATE
            bright = 0.35 + 0.65 * e * loud
            s = 0.0
            for k in harmonics:
                s += math.sin(ph * k) * (bright ** (k * 0.55)) / k ** 0.7
            out[i] += s * e * loud * 0.5
    breath = shaped(bandpass(white(samples(0.08), rnd), freq * 3, 1.5), decay(0.025, 0.005))
    add(out, breath, 0.0, 0.15 * loud)
    return out


def timpani(freq, rnd, seconds=1.0, loud=1.0):
    body = tone(lambda t: freq * (1 + 0.08 * math.exp(-t / 0.03)), seconds,
                ((1, 1.0), (1.5, 0.4), (1.98, 0.25), (2.44, 0.12)), rnd.uniform(0, 6))
    body = shaped(body, decay(0.35, 0.003))
    hit = shaped(lowpass(white(samples(0.06), rnd), 900), decay(0.012, 0.0008))
    add(body, hit, 0.0, 0.6)
    return [v * loud for v in body]


def gun_shot(rnd, size=1.0, crack=0.6):
    """One heavy gun: a crack, a blast of filtered noise and a low thump that drops in pitch."""
    n = samples(1.2)
    blast = lowpass(white(n, rnd), 1600, 0.8, sweep=lambda t: 180 + 1800 * math.exp(-t / (0.05 * size)))
    blast = shaped(blast, decay(0.16 * size, 0.002))
    # The thump's harmonics, and a little saturation, carry it on speakers too small for its
    # fundamental.
    thump = tone(lambda t: 38 + 50 * math.exp(-t / 0.05), 1.2,
                 ((1, 1.0), (2, 0.6), (3, 0.4), (4, 0.25)))
    thump = [math.tanh(v * 0.8) for v in shaped(thump, decay(0.14 * size, 0.003))]
    snap = shaped(highpass(white(samples(0.03), rnd), 1800), decay(0.006, 0.0003))
    out = [b * 1.4 + t * 0.9 for b, t in zip(blast, thump)]
    add(out, snap, 0.0, crack)
    return faded(out, 0.0, 0.1)


def rifle_round(rnd, pitch=1.0):
    """One round from a fast-firing gun: a sharp crack over a short low pop."""
    n = samples(0.09)
    crack = shaped(bandpass(white(n, rnd), 2400 * pitch, 0.9), decay(0.009, 0.0003))
    pop = shaped(lowpass(white(n, rnd), 500), decay(0.03, 0.001))
    body = shaped(tone(150 * pitch, 0.09), decay(0.025, 0.001))
    return faded([c * 0.9 + p * 1.5 + b * 0.8 for c, p, b in zip(crack, pop, body)], 0.0, 0.02)


def metal_hit(rnd, pitch=1.0, gain=1.0):
    """A hammer on a steel plate: a click, a dull thud and a short inharmonic ring."""
    n = samples(0.35)
    ring = [0.0] * n
    for f, a, tau in ((1180, 1.0, 0.09), (1870, 0.7, 0.07), (2710, 0.5, 0.05), (3930, 0.35, 0.035),
                      (5120, 0.2, 0.025), (760, 0.45, 0.06)):
        f *= pitch * rnd.uniform(0.98, 1.02)
        w = TWO_PI * f / RATE
        ph = rnd.uniform(0, TWO_PI)
        for i in range(n):
            ring[i] += a * math.exp(-i / RATE / tau) * math.sin(ph + w * i)
    thud = shaped(lowpass(white(n, rnd), 350), decay(0.03, 0.001))
    click = shaped(highpass(white(samples(0.01), rnd), 3000), decay(0.002, 0.0002))
    out = [r * 0.5 + t * 1.6 for r, t in zip(ring, thud)]
    add(out, click, 0.0, 0.9)
    return faded([v * gain for v in out], 0.0, 0.05)


def beep(freq, seconds, partials=((1, 1.0), (2, 0.12), (3, 0.05))):
    out = tone(freq, seconds, partials)
    rise = 0.012

    def env(t):
        edge = min(t, seconds - t)
        if edge < rise:
            return 0.5 - 0.5 * math.cos(math.pi * max(0.0, edge) / rise)
        return 1.0
    return shaped(out, env)


# ---------------------------------------------------------------------------------------------
# The sounds

def make_bell():
    rnd = random.Random(11)
    out = silence(1.2)
    # Two quick strikes, as a ship's bell is rung in pairs.
    add(out, bell_strike(1046.0, 1.2, rnd), 0.0, 1.0)
    add(out, bell_strike(1046.0, 0.9, rnd, 0.9), 0.3, 1.0)
    write('BELL', out, 1.2, fade_out=0.2)


def make_click():
    rnd = random.Random(12)
    tick = shaped(bandpass(white(samples(0.04), rnd), 3200, 1.2), decay(0.003, 0.0003))
    body = shaped(tone(1900, 0.04, ((1, 1.0), (2.7, 0.3))), decay(0.004, 0.0003))
    out = [a * 1.2 + b * 0.6 for a, b in zip(tick, body)]
    write('CLICK', out, 0.04, fade_in=0.0005, level=CLICK_LEVEL)


def make_crossfire():
    rnd = random.Random(13)
    out = silence(1.5)
    for at, size, gain in ((0.0, 1.0, 1.0), (0.09, 0.9, 0.8), (0.21, 1.1, 0.9), (0.38, 0.8, 0.6),
                           (0.52, 1.0, 0.7), (0.7, 0.7, 0.45)):
        add(out, gun_shot(rnd, size), at, gain)
    rumble = shaped(lowpass(brown(samples(1.5), rnd), 220), lambda t: min(1.0, t / 0.1) * math.exp(-t / 0.5))
    add(out, rumble, 0.0, 0.5)
    out = highpass(reverb(out, mix=0.22, room=0.85, damp=0.5, tail=0.0), 32)
    write('CROSSFIRE', out, 1.5, fade_out=0.15)


def make_enemy():
    """A klaxon sounding action stations twice: a buzzing horn that rises to pitch."""
    rnd = random.Random(14)
    out = silence(1.0)
    for at in (0.0, 0.5):
        length = 0.42
        glide = lambda t: 330 + 140 * (1 - math.exp(-t / 0.06))
        horn = tone(glide, length, [(k, 1.0 / k ** 0.8) for k in range(1, 18)], rnd.uniform(0, 6))
        horn = [math.tanh(v * 1.6) for v in horn]
        horn = bandpass(horn, 1300, 0.6)

        def env(t, length=length):
            return min(1.0, t / 0.02) * min(1.0, max(0.0, (length - t) / 0.05))
        add(out, shaped(horn, env), at)
    write('ENEMY', lowpass(out, 5000), 1.0)


def make_explode():
    """A hit: the crack of the detonation, a burst of blast noise dying away under falling
    debris, and the boom. The boom's pitch falls from 110 Hz to 42 Hz; small speakers give
    nothing under ~150 Hz, so it carries strong harmonics, saturated, and a band of noise
    around 180 Hz: that much of the boom a laptop can play."""
    rnd = random.Random(15)
    seconds = 1.5
    n = samples(seconds)

    # Crack: the shock front, a pressure step falling away through zero within 4 ms, with a
    # spray of bright noise on it. It starts at full height in a fraction of a millisecond.
    def shock(t, rise=0.00015, fall=0.004, back=0.0015):
        if t < rise:
            return t / rise
        if t < fall:
            return 1.0 - 2.0 * (t - rise) / (fall - rise)
        return -max(0.0, 1.0 - (t - fall) / back)
    crack = [shock(i / RATE) for i in range(samples(0.006))]
    snap = shaped(highpass(white(samples(0.04), rnd), 2200), decay(0.005, 0.0001))
    add(crack, snap, 0.0, 0.9)

    # Body: broadband blast noise, bright at first and darkening as it spreads out, over a
    # rumble that lasts. Both swell in over 12 ms, so the crack stands clear in front.
    blast = lowpass(white(n, rnd), 9000, 0.7, sweep=lambda t: 500 + 9000 * math.exp(-t / 0.08))
    blast = shaped(blast, lambda t: min(1.0, t / 0.012) ** 2 * math.exp(-t / 0.15))
    rumble = lowpass(brown(n, rnd), 2500, 0.9, sweep=lambda t: 150 + 2400 * math.exp(-t / 0.1))
    rumble = shaped(rumble, lambda t: min(1.0, t / 0.012)
                    * (0.7 * math.exp(-t / 0.3) + 0.3 * math.exp(-t / 0.8)))

    # Boom: a thump whose pitch drops, rich in harmonics and driven into saturation, and the
    # chest band that lets it be heard where the low notes are lost.
    glide = lambda t: 42 + 68 * math.exp(-t / 0.07)
    boom = tone(glide, seconds, ((1, 1.0), (2, 0.75), (3, 0.55), (4, 0.4), (5, 0.25), (6, 0.15)))
    boom = shaped(boom, decay(0.28, 0.005))
    boom = [math.tanh(v * 0.8) for v in boom]
    chest = shaped(bandpass(white(n, rnd), 180, 0.9), decay(0.25, 0.004))

    out = [b * 2.5 + r * 1.2 + m * 0.7 + c * 6.0
           for b, r, m, c in zip(blast, rumble, boom, chest)]
    add(out, crack, 0.0, 2.5)
    # Debris and crackle as it dies away.
    for _ in range(60):
        at = rnd.uniform(0.08, 1.2)
        crackle = shaped(bandpass(white(samples(0.02), rnd), rnd.uniform(900, 3500), 1.5),
                         decay(0.004, 0.0004))
        add(out, crackle, at, 0.3 * math.exp(-at / 0.5))
    out = highpass(reverb(out, mix=0.18, room=0.8, damp=0.5, tail=0.0), 30)
    # The loudest moment of a battle: a little over the other effects.
    write('EXPLODE', out, seconds, fade_in=0.0, fade_out=0.2, level=TARGET + 1.0)


def make_hammer():
    rnd = random.Random(16)
    out = silence(1.0)
    for at, pitch, gain in ((0.0, 1.0, 1.0), (0.3, 1.03, 0.9), (0.6, 0.98, 1.0)):
        add(out, metal_hit(rnd, pitch, gain), at)
    out = reverb(out, mix=0.18, room=0.7, damp=0.4, tail=0.0)
    write('HAMMER', out, 1.0, fade_out=0.08)


def make_intro():
    """A short fanfare: a bugle call on brass, answered by the section in harmony, with drums."""
    rnd = random.Random(17)
    out = silence(5.0)
    note = {'G3': 196.0, 'C4': 261.63, 'E4': 329.63, 'G4': 392.0, 'C5': 523.25, 'E5': 659.26,
            'G5': 783.99, 'D5': 587.33, 'B4': 493.88}
    melody = [(0.00, 'G4', 0.16, 0.8), (0.20, 'G4', 0.16, 0.8), (0.40, 'C5', 0.36, 1.0),
              (0.80, 'E5', 0.36, 1.0), (1.20, 'G5', 0.70, 1.0), (2.00, 'E5', 0.22, 0.85),
              (2.26, 'G5', 0.22, 0.9), (2.52, 'C5', 0.22, 0.85), (2.80, 'D5', 0.22, 0.9),
              (3.06, 'E5', 1.55, 1.0)]
    for at, name, length, loud in melody:
        add(out, brass_note(note[name], length, loud, rnd), at, 0.55)
    # Harmony under the long notes and the final chord.
    for at, name, length, loud in ((1.20, 'E4', 0.70, 0.7), (1.20, 'C4', 0.70, 0.6),
                                   (3.06, 'C5', 1.55, 0.75), (3.06, 'G4', 1.55, 0.7),
                                   (3.06, 'C4', 1.55, 0.7), (3.06, 'G3', 1.55, 0.6)):
        add(out, brass_note(note[name], length, loud, rnd, vibrato=0.003, release=0.25), at, 0.4)
    for at, loud in ((0.40, 0.7), (1.20, 0.9), (2.00, 0.5), (2.26, 0.5), (2.52, 0.6), (2.80, 0.6),
                     (3.06, 1.0)):
        add(out, timpani(98.0 if at < 3 else 65.4, rnd, 1.2, loud), at, 0.7)
    # A short roll into the last chord.
    for i in range(8):
        add(out, timpani(65.4, rnd, 0.5, 0.25 + 0.05 * i), 2.76 + i * 0.035, 0.5)
    out = reverb(out, mix=0.22, room=0.82, damp=0.35, tail=0.0)
    write('INTRO', out, 5.0, fade_out=0.3)


def make_plane():
    """An aircraft passing: a radial engine's buzz with its propeller, growing, then falling in
    pitch and fading as it goes by."""
    rnd = random.Random(18)
    seconds = 2.0
    n = samples(seconds)
    passing = 1.0

    def doppler(t):
        # Speed along the line of sight, smoothly from approaching to going away.
        return 1.0 + 0.07 * -math.tanh((t - passing) / 0.28)

    def loud(t):
        return 1.0 / (1.0 + ((t - passing) / 0.45) ** 2)

    ph = 0.0
    engine = []
    firing = 82.0
    for i in range(n):
        t = i / RATE
        ph += TWO_PI * firing * doppler(t) / RATE
        s = 0.0
        for k in range(1, 24):
            s += math.sin(ph * k + k * 0.7) / k ** 0.9
        # The propeller's blades chop the sound a few times per engine cycle.
        s *= 0.7 + 0.3 * math.sin(ph * 0.5)
        engine.append(s)
    noise = lowpass(white(n, rnd), 1200)
    body = [e * 0.8 + w * 0.35 for e, w in zip(engine, noise)]
    body = lowpass(body, 2500, 0.7, sweep=lambda t: 500 + 3200 * loud(t))
    out = shaped(body, loud)
    write('PLANE', out, seconds)


def make_planeguns():
    rnd = random.Random(19)
    out = silence(1.2)
    for start, rounds in ((0.0, 7), (0.62, 6)):
        for i in range(rounds):
            at = start + i * 0.068 + rnd.uniform(-0.004, 0.004)
            add(out, rifle_round(rnd, rnd.uniform(0.92, 1.08)), at, rnd.uniform(0.75, 1.0))
    out = reverb(out, mix=0.2, room=0.6, damp=0.5, tail=0.0)
    write('PLANEGUNS', out, 1.2, fade_out=0.1)


def make_radar():
    out = silence(1.0)
    for at, f in ((0.0, 1250.0), (0.25, 1250.0), (0.5, 1250.0), (0.75, 1660.0)):
        add(out, beep(f, 0.1), at, 0.8)
    out = echo(out, [(0.06, 0.25), (0.13, 0.1)])
    # Heard over and over while the radar sweeps, so a step under the other effects.
    write('RADAR', out, 1.0, level=TARGET - 1.5)


def make_shipshorn():
    """A deep ship's horn: two reedy tones a third apart, swelling in and dying out."""
    rnd = random.Random(20)
    seconds = 1.5
    out = silence(seconds)
    for f, gain in ((98.0, 1.0), (123.5, 0.7)):
        horn = tone(lambda t, f=f: f * (1 + 0.003 * math.sin(TWO_PI * 4.2 * t)), seconds,
                    [(k, 1.0 / k ** 0.75) for k in range(1, 30) if f * k < 4500], rnd.uniform(0, 6))
        horn = [math.tanh(v * 0.9) for v in horn]
        add(out, horn, 0.0, gain)
    out = lowpass(out, 1100, 0.9)
    breath = lowpass(white(len(out), rnd), 700)
    out = [v + b * 0.15 for v, b in zip(out, breath)]

    def env(t):
        swell = 1 - math.exp(-t / 0.07)
        fall = min(1.0, max(0.0, (seconds - t) / 0.35))
        return swell * (fall ** 1.5) * (1 + 0.04 * math.sin(TWO_PI * 7 * t))
    out = shaped(out, env)
    out = reverb(out, mix=0.25, room=0.85, damp=0.5, tail=0.0)
    write('SHIPSHORN', out, seconds, fade_out=0.1)


def make_sonar():
    """A sonar ping ringing in the water, and its fainter, lower echo coming back."""
    seconds = 1.2
    ping = tone(1180.0, seconds, ((1, 1.0), (2.01, 0.08)))
    ping = shaped(ping, lambda t: min(1.0, t / 0.01) * (0.7 * math.exp(-t / 0.09) + 0.3 * math.exp(-t / 0.35)))
    out = list(ping)
    back = tone(1150.0, 0.6, ((1, 1.0),))
    back = shaped(back, lambda t: min(1.0, t / 0.02) * math.exp(-t / 0.12))
    back = bandpass(back, 1150, 3.0)
    add(out, back, 0.62, 0.4)
    out = reverb(out, mix=0.35, room=0.9, damp=0.2, tail=0.0)
    write('SONAR', out, seconds, fade_out=0.15)


def make_xing():
    """The intro sign's sound: a rising whoosh that opens into a bright, shimmering chime."""
    rnd = random.Random(21)
    seconds = 2.6
    n = samples(0.75)
    whoosh = bandpass(white(n, rnd), 300, 1.4, sweep=lambda t: 250 * (16 ** (t / 0.75)))
    whoosh = shaped(whoosh, lambda t: (t / 0.75) ** 2 * min(1.0, (0.75 - t) / 0.04 + 0.0))
    out = silence(seconds)
    add(out, whoosh, 0.0, 0.9)
    chime = [0.0] * samples(seconds - 0.7)
    for f, a, tau in ((1318.5, 1.0, 0.7), (1975.5, 0.6, 0.55), (2637.0, 0.45, 0.45),
                      (3520.0, 0.25, 0.3), (3953.0, 0.2, 0.25), (5274.0, 0.1, 0.18)):
        w = TWO_PI * f / RATE
        w2 = TWO_PI * (f * 1.0023) / RATE
        for i in range(len(chime)):
            t = i / RATE
            chime[i] += a * math.exp(-t / tau) * 0.5 * (math.sin(w * i) + math.sin(w2 * i))
    chime = shaped(chime, lambda t: min(1.0, t / 0.002))
    add(out, chime, 0.7, 0.8)
    # Sparkles running up above the chime.
    for k in range(9):
        at = 0.72 + k * 0.045
        f = 2093.0 * 2 ** (k / 12.0 * 2)
        add(out, shaped(tone(f, 0.5), decay(0.09, 0.002)), at, 0.18)
    out = reverb(out, mix=0.3, room=0.88, damp=0.25, tail=0.0)
    write('XING', out, seconds, fade_out=0.4)


JOBS = {
    'BELL': make_bell, 'CLICK': make_click, 'CROSSFIRE': make_crossfire, 'ENEMY': make_enemy,
    'EXPLODE': make_explode, 'HAMMER': make_hammer, 'INTRO': make_intro, 'PLANE': make_plane,
    'PLANEGUNS': make_planeguns, 'RADAR': make_radar, 'SHIPSHORN': make_shipshorn,
    'SONAR': make_sonar, 'XING': make_xing,
}


def main(args):
    global OUT_DIR
    if args[:1] == ['--out']:
        if len(args) < 2:
            sys.exit('--out needs a folder')
        OUT_DIR = os.path.abspath(args[1])
        args = args[2:]
    wanted = [n.upper() for n in args] or list(JOBS)
    unknown = [n for n in wanted if n not in JOBS]
    if unknown:
        sys.exit('unknown sound: ' + ', '.join(unknown))
    os.makedirs(OUT_DIR, exist_ok=True)
    for name in wanted:
        JOBS[name]()


if __name__ == '__main__':
    main(sys.argv[1:])
