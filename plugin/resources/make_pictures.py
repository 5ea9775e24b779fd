#!/usr/bin/python3
"""Paints the palette picture and the About logo as 24-bit bitmaps.

    /usr/bin/python3 make_pictures.py [OUTPUT_DIR]

writes palette.bmp (206 x 75) and logo.bmp (90 x 39), by default next to this
script. Everything is computed from fixed numbers, so the files come out the
same on every run; the resource script takes them as they are checked in.
"""

import math
import os
import struct
import sys

SUPERSAMPLE = 4


# ---------------------------------------------------------------- helpers


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t,
            a[2] + (b[2] - a[2]) * t)


def scale(c, k):
    return (c[0] * k, c[1] * k, c[2] * k)


def screen(a, b, k):
    """Adds light b to a the way light adds, without clipping to white."""
    return tuple(x + (255.0 - x) * (y / 255.0) * k for x, y in zip(a, b))


def ramp(stops, t):
    t = clamp(t)
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


def hash01(*ints):
    """A fixed integer hash, so the pictures never depend on a library's PRNG."""
    h = 0x811C9DC5
    for i in ints:
        h ^= i & 0xFFFFFFFF
        h = (h * 0x01000193) & 0xFFFFFFFF
        h ^= h >> 15
        h = (h * 0x2C1B3C6D) & 0xFFFFFFFF
        h ^= h >> 12
    return h / 4294967296.0


def noise1(x, seed):
    i = math.floor(x)
    f = x - i
    f = f * f * (3.0 - 2.0 * f)
    return hash01(seed, i) * (1.0 - f) + hash01(seed, i + 1) * f


def fbm1(x, seed, octaves=5):
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        total += amp * noise1(x, seed + o * 101)
        norm += amp
        amp *= 0.5
        x *= 2.03
    return total / norm


def noise2(x, y, seed):
    i, j = math.floor(x), math.floor(y)
    fx, fy = x - i, y - j
    fx = fx * fx * (3.0 - 2.0 * fx)
    fy = fy * fy * (3.0 - 2.0 * fy)
    a = hash01(seed, i, j)
    b = hash01(seed, i + 1, j)
    c = hash01(seed, i, j + 1)
    d = hash01(seed, i + 1, j + 1)
    top = a + (b - a) * fx
    bottom = c + (d - c) * fx
    return top + (bottom - top) * fy


def fbm2(x, y, seed, octaves=4):
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        total += amp * noise2(x, y, seed + o * 57)
        norm += amp
        amp *= 0.5
        x, y = x * 2.1 + 5.3, y * 2.1 + 1.7
    return total / norm


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy or 1.0))
    ex, ey = ax + t * dx - px, ay + t * dy - py
    return math.sqrt(ex * ex + ey * ey)


def render(width, height, shade):
    """Averages SUPERSAMPLE x SUPERSAMPLE samples of shade(x, y) per pixel."""
    n = SUPERSAMPLE
    pixels = []
    for py in range(height):
        row = []
        for px in range(width):
            r = g = b = 0.0
            for sy in range(n):
                for sx in range(n):
                    c = shade(px + (sx + 0.5) / n, py + (sy + 0.5) / n)
                    r, g, b = r + c[0], g + c[1], b + c[2]
            k = 1.0 / (n * n)
            row.append(tuple(int(clamp(v * k / 255.0) * 255.0 + 0.5)
                             for v in (r, g, b)))
        pixels.append(row)
    return pixels


def bitmap_bytes(pixels):
    """A device-independent bitmap as Windows reads it from a resource.

    No colour table; rows bottom-up, blue-green-red, filled to 4 bytes; two
    zero bytes end the data.
    """
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, 0,
                         2834, 2834, 0, 0)
    rows = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        rows += line + bytes(stride - len(line))
    return header + bytes(rows) + b"\0\0"


def bmp_file(dib):
    """The file form that the resource compiler expects: a file header first."""
    return b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 14 + 40) + dib


# ---------------------------------------------------------- palette picture

PW, PH = 206, 75
HORIZON = 47.0
SUN_X, SUN_Y, SUN_R = 141.0, 33.5, 6.5

SKY = [
    (0.00, (24, 28, 74)),
    (0.30, (70, 48, 118)),
    (0.58, (176, 82, 122)),
    (0.80, (238, 134, 96)),
    (1.00, (255, 196, 122)),
]

# (base line, height, seed, frequency, colour, mist colour)
RIDGES = [
    (41.0, 17.0, 11, 1 / 38.0, (150, 88, 138), (236, 148, 128)),
    (44.0, 12.0, 23, 1 / 27.0, (98, 58, 116), (190, 104, 126)),
    (46.5, 7.0, 37, 1 / 19.0, (52, 36, 84), (120, 70, 112)),
]


def ridge_top(index, x):
    base, rise, seed, freq, _, _ = RIDGES[index]
    h = fbm1(x * freq, seed)
    h = smoothstep(0.25, 0.75, h)
    if index == 0:
        # the far range opens a saddle where the sun goes down
        h *= 0.55 + 0.45 * smoothstep(6.0, 26.0, abs(x - SUN_X))
    return base - rise * h


def sky(x, y):
    c = ramp(SKY, y / HORIZON)
    dx, dy = (x - SUN_X) * 0.55, y - SUN_Y
    d = math.sqrt(dx * dx + dy * dy)
    c = screen(c, (255, 186, 120), 0.85 * math.exp(-d / 16.0))
    # stars only where the sky is dark enough to show them
    if y < 18.0:
        cx, cy = math.floor(x / 9.0), math.floor(y / 9.0)
        if hash01(7, cx, cy) < 0.45:
            sx = (cx + 0.15 + 0.7 * hash01(8, cx, cy)) * 9.0
            sy = (cy + 0.15 + 0.7 * hash01(9, cx, cy)) * 9.0
            ds = math.hypot(x - sx, y - sy)
            fade = 1.0 - y / 18.0
            c = screen(c, (255, 244, 220), fade * 0.9 * math.exp(-ds * ds / 0.18))
    # long evening clouds, lit from below by the sun
    band = math.exp(-((y - 17.0) / 6.5) ** 2) + 0.7 * math.exp(-((y - 28.0) / 3.0) ** 2)
    if band > 0.02:
        n = fbm2(x / 34.0, y / 4.2, 101)
        density = smoothstep(0.48, 0.72, n) * band
        if density > 0.0:
            lit = smoothstep(-3.0, 4.0, y - 17.0 + (n - 0.6) * 10.0)
            near_sun = math.exp(-abs(x - SUN_X) / 45.0)
            cloud = mix((92, 58, 120), (255, 160, 132), lit * (0.45 + 0.55 * near_sun))
            c = mix(c, cloud, clamp(density * 0.9))
    return c


def sun(x, y, c):
    d = math.hypot(x - SUN_X, y - SUN_Y)
    if d < SUN_R + 1.0:
        disc = mix((255, 246, 206), (255, 206, 128), clamp((y - SUN_Y + SUN_R) / (2 * SUN_R)))
        c = mix(c, disc, smoothstep(SUN_R + 0.6, SUN_R - 0.6, d))
    return c


def land(x, y):
    """The view above the water line: sky, sun, the three ranges."""
    c = sun(x, y, sky(x, y))
    for i in range(len(RIDGES)):
        top = ridge_top(i, x)
        if y >= top:
            _, _, _, _, body, mist = RIDGES[i]
            rock = mix(body, mist, smoothstep(top + 1.0, HORIZON + 1.0, y) * 0.75)
            rim = math.exp(-(y - top) / 1.2) * math.exp(-abs(x - SUN_X) / 60.0)
            c = screen(rock, (255, 170, 120), 0.55 * rim)
    return c


def shore_top(x):
    """The dark near bank, rising to the left and to the right."""
    left = 56.5 + 24.0 * (x / 78.0) ** 1.6 if x < 78.0 else 99.0
    right = 80.0 - 17.0 * ((x - 158.0) / 48.0) ** 1.4 if x > 158.0 else 99.0
    return min(left, right) - 1.2 * fbm1(x / 3.0, 51)


# (x of the foot, y of the foot, height)
PINES = [(7.0, 58.5, 30.0), (17.0, 59.5, 38.0), (28.0, 61.0, 27.0),
         (39.0, 63.5, 19.0), (193.0, 63.5, 25.0), (201.5, 63.0, 32.0),
         (185.0, 72.0, 15.0)]


def in_pine(x, y):
    for fx, fy, h in PINES:
        top = fy - h
        if top <= y <= fy + 1.0 and abs(x - fx) < h * 0.3:
            t = (y - top) / h
            tier = (t * 5.0) % 1.0
            half = h * (0.05 + 0.2 * t) * (0.62 + 0.38 * tier)
            if abs(x - fx) <= max(half, 0.35):
                return True
    return False


BIRDS = [(64.0, 15.0, 2.2), (71.0, 11.5, 1.7), (76.5, 16.5, 1.4)]


def on_bird(x, y):
    for bx, by, s in BIRDS:
        d = min(segment_distance(x, y, bx - s, by - 0.5 * s, bx, by + 0.1 * s),
                segment_distance(x, y, bx, by + 0.1 * s, bx + s, by - 0.6 * s))
        if d < 0.32:
            return True
    return False


def palette_shade(x, y):
    if y < HORIZON:
        c = land(x, y)
        if on_bird(x, y):
            c = (36, 24, 52)
    else:
        depth = y - HORIZON
        wobble = math.sin(y * 2.6 + math.sin(x * 0.09) * 2.0) * (0.15 + depth * 0.05)
        ry = HORIZON - depth * 1.15 - abs(wobble) * 0.6
        c = land(x + wobble * 1.6, ry)
        c = mix(scale(c, 0.78), (30, 40, 92), 0.18 + 0.012 * depth)
        # the sun's path on the water, broken by ripples
        spread = 2.0 + depth * 0.55
        along = math.exp(-((x - SUN_X) / spread) ** 2)
        ripple = smoothstep(0.55, 0.85, fbm2(x / 6.0, y * 1.1, 303))
        c = screen(c, (255, 214, 150), along * (0.25 + 0.75 * ripple))
        c = mix(c, (255, 226, 180), 0.5 * math.exp(-((y - HORIZON) / 0.5) ** 2)
                * math.exp(-abs(x - SUN_X) / 30.0))
    if y >= shore_top(x) or in_pine(x, y):
        ground = mix((34, 24, 50), (16, 12, 28), smoothstep(60.0, 75.0, y))
        c = ground
    # a soft darkening towards the corners holds the eye in the middle
    vx, vy = (x - PW / 2) / (PW / 2), (y - PH / 2) / (PH / 2)
    return scale(c, 1.0 - 0.22 * smoothstep(0.4, 1.5, vx * vx * 0.8 + vy * vy * 0.5))


# -------------------------------------------------------------- About logo

LW, LH = 90, 39
MARK_X, MARK_Y = 19.5, 19.5

# Strokes of the word mark in a box one unit wide and one unit high.
GLYPHS = {
    "K": [[(0, 0), (0, 1)], [(0.95, 0), (0.05, 0.58)], [(0.33, 0.4), (0.98, 1)]],
    "O": [[(0.5 + 0.5 * math.cos(a * math.pi / 12), 0.5 + 0.5 * math.sin(a * math.pi / 12))
           for a in range(25)]],
    "R": [[(0, 1), (0, 0), (0.6, 0)]
          + [(0.6 + 0.27 * math.sin(a * math.pi / 8), 0.27 - 0.27 * math.cos(a * math.pi / 8))
             for a in range(1, 8)]
          + [(0.6, 0.54), (0, 0.54)], [(0.45, 0.54), (1, 1)]],
    "V": [[(0, 0), (0.5, 1), (1, 0)]],
    "A": [[(0, 1), (0.5, 0), (1, 1)], [(0.2, 0.62), (0.8, 0.62)]],
    "N": [[(0, 1), (0, 0), (1, 1), (1, 0)]],
    "E": [[(1, 0), (0, 0), (0, 1), (1, 1)], [(0, 0.5), (0.8, 0.5)]],
}

WORD = "KORVANE"
WORD_X, WORD_Y, LETTER_W, LETTER_H, GAP = 40.0, 11.0, 4.9, 10.0, 1.5
STROKE = 0.62


def word_strokes():
    strokes = []
    x = WORD_X
    for ch in WORD:
        w = LETTER_W * (1.25 if ch in "OV" else 1.0)
        for line in GLYPHS[ch]:
            pts = [(x + px * w, WORD_Y + py * LETTER_H) for px, py in line]
            strokes += list(zip(pts, pts[1:]))
        x += w + GAP
    return strokes


STROKES = word_strokes()
K_MARK = [((-4.5, -7.5), (-4.5, 7.5)), ((5.5, -7.5), (-3.9, 1.3)),
          ((-1.0, -1.5), (5.8, 7.5))]


def hsv(h, s, v):
    i = int(h * 6.0) % 6
    f = h * 6.0 - math.floor(h * 6.0)
    p, q, t = v * (1 - s), v * (1 - s * f), v * (1 - s * (1 - f))
    r, g, b = [(v, t, p), (q, v, p), (p, v, t), (p, q, v), (t, p, v), (v, p, q)][i]
    return (r * 255, g * 255, b * 255)


def logo_shade(x, y):
    c = mix((30, 34, 72), (14, 16, 40), y / LH)
    dx, dy = x - MARK_X, y - MARK_Y
    r = math.hypot(dx, dy)
    if r < 17.0:
        # twelve paint wells round the mark, one hue each
        angle = (math.atan2(dy, dx) / (2 * math.pi) + 0.25) % 1.0
        well = math.floor(angle * 12.0)
        inside = (angle * 12.0) % 1.0
        ring = smoothstep(17.0, 16.2, r) * smoothstep(10.6, 11.4, r)
        ring *= smoothstep(0.0, 0.12, inside) * smoothstep(1.0, 0.88, inside)
        shade = 0.82 + 0.18 * smoothstep(17.0, 11.0, r)
        c = mix(c, hsv(well / 12.0, 0.72, shade), ring)
        disc = smoothstep(10.2, 9.4, r)
        c = mix(c, mix((246, 240, 226), (214, 204, 186), (dy + 10.0) / 20.0), disc)
        if min(segment_distance(dx, dy, ax, ay, bx, by)
               for (ax, ay), (bx, by) in K_MARK) < 1.25:
            c = (30, 34, 72)
    if x > WORD_X - 1.0:
        if min(segment_distance(x, y, ax, ay, bx, by)
               for (ax, ay), (bx, by) in STROKES) < STROKE:
            c = (246, 240, 226)
        # a rule under the word in the colours of the wells
        if 25.0 <= y <= 26.2 and WORD_X <= x <= LW - 4.0:
            c = hsv((x - WORD_X) / (LW - 4.0 - WORD_X) * 0.83, 0.72, 0.95)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, width, height, shade in (("palette.bmp", PW, PH, palette_shade),
                                       ("logo.bmp", LW, LH, logo_shade)):
        with open(os.path.join(out, name), "wb") as f:
            f.write(bmp_file(bitmap_bytes(render(width, height, shade))))


if __name__ == "__main__":
    main()
