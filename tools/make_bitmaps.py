#!/usr/bin/env python3
"""Draws the program's bitmaps as PNG files: the terrain sheet (resource 100: the terrains
the game names by code, then those of newer rule sets kept by name), the overlay
markers (101) and the toolbar buttons (103, also at twice the density). Pixel art from code, so that a picture can be
changed by changing a few lines. Standard library only.

    tools/make_bitmaps.py gfx/bitmaps
"""
import math
import os
import random
import struct
import sys
import zlib

KEY = (255, 0, 255)  # the transparent colour: every bitmap's top-left pixel holds it
HEX_W, HEX_H = 50, 42
HEX = [(13, 0), (37, 0), (50, 21), (37, 42), (13, 42), (0, 21)]


class Image:
    def __init__(self, w, h, fill=KEY):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def save(self, path):
        raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in self.px)
        def chunk(kind, data):
            c = struct.pack(">I", len(data)) + kind + data
            return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


def inside_hex(px, py):
    """Whether the pixel centre lies in the hex outline; the outlines tile without gaps."""
    x, y = px + 0.5, py + 0.5
    if y < 0 or y > HEX_H:
        return False
    d = 13 * abs(y - 21) / 21  # how far the slanted edges have moved in from the sides
    return d <= x < HEX_W - d  # half open: a pixel centre on a shared edge belongs to one hex


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(c, f):
    return tuple(max(0, min(255, int(v * f))) for v in c)


class Hex:
    """One hex picture drawn into a sheet at (ox, oy); drawing outside the outline is clipped."""

    def __init__(self, img, ox, oy, seed):
        self.img, self.ox, self.oy = img, ox, oy
        self.rnd = random.Random(seed)

    def put(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < HEX_W and 0 <= y < HEX_H and inside_hex(x, y):
            self.img.set(self.ox + x, self.oy + y, c)

    def fill(self, base, noise=0.0, gradient=0.0):
        for y in range(HEX_H):
            for x in range(HEX_W):
                if inside_hex(x, y):
                    f = 1 + gradient * (0.5 - y / HEX_H) + self.rnd.uniform(-noise, noise)
                    self.put(x, y, shade(base, f))

    def scatter(self, count, draw, margin=4):
        spots = []
        tries = 0
        while len(spots) < count and tries < 2000:
            tries += 1
            x, y = self.rnd.uniform(margin, HEX_W - margin), self.rnd.uniform(margin, HEX_H - margin)
            if inside_hex(int(x), int(y)) and all((x - a) ** 2 + (y - b) ** 2 > 40 for a, b in spots):
                spots.append((x, y))
        for x, y in sorted(spots, key=lambda s: s[1]):
            draw(x, y)

    def line(self, x0, y0, x1, y1, c):
        n = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(n + 1):
            t = i / n
            self.put(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, c)

    def triangle(self, cx, top, half, height, c, edge=None):
        for dy in range(height):
            w = half * (dy + 1) / height
            for dx in range(-int(w), int(w) + 1):
                self.put(cx + dx, top + dy, edge if edge and abs(dx) >= int(w) else c)


def ocean(h):
    h.fill((40, 90, 190), 0.03, 0.25)
    light = (150, 195, 245)
    def wave(x, y):
        for dx in range(-3, 4):
            h.put(x + dx, y + (0 if abs(dx) == 3 else -1 if abs(dx) == 2 else -1.6 + abs(dx) * 0.2), light)
    h.scatter(9, wave)


def forest(h):
    h.fill((70, 140, 60), 0.05)
    def tree(x, y):
        h.put(x, y + 3, (90, 60, 30))
        h.put(x, y + 4, (90, 60, 30))
        h.triangle(x, y - 5, 3, 8, (20, 90, 30), (10, 60, 20))
    h.scatter(9, tree, 6)


def mountain(h):
    h.fill((140, 120, 95), 0.05)
    for cx, base, half, height in ((16, 32, 12, 20), (33, 34, 13, 24), (25, 40, 9, 13)):
        top = base - height
        for dy in range(height):
            w = half * (dy + 1) / height
            for dx in range(-int(w), int(w) + 1):
                c = (235, 235, 240) if dy < height * 0.3 else (105, 95, 85) if dx < 0 else (150, 140, 125)
                h.put(cx + dx, top + dy, c)


def swamp(h):
    h.fill((85, 105, 65), 0.06)
    def pool(x, y):
        for dx in range(-5, 6):
            for dy in range(-2, 3):
                if dx * dx / 25 + dy * dy / 4 <= 1.0:
                    h.put(x + dx, y + dy, (60, 95, 105) if dy < 1 else (45, 75, 85))
    h.scatter(6, pool, 7)
    def reed(x, y):
        for dy in range(5):
            h.put(x, y - dy, (45, 65, 25))
            h.put(x + 2, y - dy + 1, (45, 65, 25))
        h.put(x, y - 5, (120, 80, 40))
    h.scatter(7, reed, 6)


def tundra(h):
    h.fill((205, 215, 220), 0.04)
    def tuft(x, y):
        h.put(x, y, (120, 140, 120))
        h.put(x - 1, y - 1, (120, 140, 120))
        h.put(x + 1, y - 1, (120, 140, 120))
    h.scatter(14, tuft, 4)


def plain(h):
    h.fill((165, 200, 95), 0.05)
    def grass(x, y):
        h.put(x, y, (110, 150, 55))
        h.put(x + 1, y - 1, (110, 150, 55))
        h.put(x + 2, y, (110, 150, 55))
    h.scatter(14, grass, 4)


def jungle(h):
    h.fill((30, 105, 45), 0.08)
    def palm(x, y):
        h.line(x, y + 4, x, y - 2, (100, 70, 35))
        for dx, dy in ((-3, 1), (3, 1), (-2, -2), (2, -2), (0, -3)):
            h.line(x, y - 2, x + dx, y - 2 + dy, (90, 190, 70))
    h.scatter(10, palm, 5)


def desert(h):
    h.fill((230, 200, 120), 0.03)
    for y0 in (10, 19, 28, 36):
        for x in range(HEX_W):
            y = y0 + 2.5 * math.sin((x + y0 * 3) / 6.0)
            h.put(x, y, (190, 150, 80))
            h.put(x, y + 1, (245, 220, 150))


def cavern(h):
    h.fill((90, 80, 75), 0.10)
    def rock(x, y):
        h.triangle(x, y - 4, 2, 6, (55, 50, 48), (40, 36, 34))
    h.scatter(10, rock, 5)


def underforest(h):
    h.fill((45, 75, 80), 0.08)
    def mushroom(x, y):
        h.line(x, y, x, y + 3, (200, 190, 170))
        for dx in range(-3, 4):
            h.put(x + dx, y - 1, (150, 90, 170) if abs(dx) < 3 else (110, 60, 130))
        for dx in range(-2, 3):
            h.put(x + dx, y - 2, (180, 120, 200))
    h.scatter(8, mushroom, 6)


def tunnels(h):
    h.fill((55, 50, 55), 0.08)
    # A chamber with passages that stop short of the edges, so that neighbouring tunnel hexes
    # do not run together into one lattice.
    floor, wall = (150, 130, 105), (30, 27, 30)
    passages = ((25, 22, 11, 13), (25, 22, 39, 13), (25, 22, 25, 37))
    for colour, spread, rx, ry in ((wall, 2, 7.5, 5.5), (floor, 1, 6, 4)):
        for x0, y0, x1, y1 in passages:
            for ox in range(-spread, spread + 1):
                for oy in range(-spread + 1, spread):
                    h.line(x0 + ox, y0 + oy, x1 + ox, y1 + oy, colour)
        for dy in range(-6, 7):
            for dx in range(-8, 9):
                if dx * dx / (rx * rx) + dy * dy / (ry * ry) <= 1.0:
                    h.put(25 + dx, 22 + dy, colour)


def lake(h):
    # Shore first, then water that stops short of the edge: an inland lake, not the open sea.
    h.fill((150, 180, 100), 0.05)
    for y in range(HEX_H):
        for x in range(HEX_W):
            d = ((x - 25) / 19.0) ** 2 + ((y - 21) / 15.0) ** 2
            if d <= 1.0:
                h.put(x, y, shade((70, 140, 210), 1 + 0.25 * (0.5 - y / HEX_H)))
            elif d <= 1.25:
                h.put(x, y, (205, 190, 130))
    light = (175, 215, 250)
    for x0, y0 in ((17, 16), (28, 22), (21, 28), (32, 14)):
        for dx in range(-2, 3):
            h.put(x0 + dx, y0 - (0 if abs(dx) == 2 else 1), light)


def volcano(h):
    h.fill((95, 80, 70), 0.08)
    h.triangle(25, 8, 15, 28, (70, 55, 50), (50, 40, 36))
    # The glowing crater and lava running down the cone.
    for dx in range(-4, 5):
        h.put(25 + dx, 9, (255, 120, 20))
        h.put(25 + dx, 10, (230, 60, 10))
    for i in range(16):
        h.put(25 - 1 + int(2 * math.sin(i / 3.0)), 11 + i, (220, 70, 20))
        h.put(28 + int(1.5 * math.sin(i / 2.5)), 11 + i, (200, 50, 15))
    def smoke(x, y):
        h.put(x, y, (150, 145, 140))
        h.put(x + 1, y, (150, 145, 140))
    for x, y in ((24, 6), (26, 4), (23, 2), (27, 1)):
        smoke(x, y)


def chasm(h):
    h.fill((100, 90, 85), 0.08)
    # A jagged black crack from one side to the other, lit at its rims.
    points = [(2, 20), (10, 16), (17, 23), (25, 17), (33, 25), (40, 19), (48, 22)]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        for w in range(-3, 4):
            colour = (10, 8, 8) if abs(w) <= 1 else (55, 45, 40) if abs(w) == 2 else (150, 135, 120)
            h.line(x0, y0 + w, x1, y1 + w, colour)


def wasteland(h):
    h.fill((160, 140, 110), 0.06)
    # Cracked dry ground with a few dead stumps.
    crack = (110, 92, 70)
    for x0, y0, x1, y1 in ((5, 12, 20, 18), (20, 18, 30, 10), (20, 18, 24, 32), (30, 10, 45, 16),
                           (24, 32, 38, 30), (8, 28, 24, 32)):
        h.line(x0, y0, x1, y1, crack)
    def stump(x, y):
        # A dead tree: a trunk forking into two bare branches.
        wood = (80, 60, 40)
        h.line(x, y, x, y - 4, wood)
        h.line(x, y - 3, x - 2, y - 6, wood)
        h.line(x, y - 4, x + 2, y - 7, wood)
    for x, y in ((13, 24), (35, 24), (38, 12)):
        stump(x, y)


def grotto(h):
    h.fill((80, 85, 95), 0.10)
    # A cave with a still pool and glittering crystals.
    for y in range(HEX_H):
        for x in range(HEX_W):
            if ((x - 27) / 11.0) ** 2 + ((y - 25) / 7.0) ** 2 <= 1.0:
                h.put(x, y, (40, 110, 150))
    def crystal(x, y):
        h.line(x, y, x + 1, y - 5, (150, 230, 240))
        h.put(x + 2, y - 3, (200, 250, 255))
    for x, y in ((10, 18), (13, 32), (38, 14), (40, 30), (20, 11)):
        crystal(x, y)


def deepforest(h):
    h.fill((30, 55, 50), 0.08)
    def tree(x, y):
        h.line(x, y + 4, x, y + 1, (60, 45, 35))
        h.triangle(x, y - 7, 3, 9, (20, 70, 60), (10, 40, 35))
    h.scatter(10, tree, 6)
    def glow(x, y):
        h.put(x, y, (150, 220, 150))
    h.scatter(6, glow, 5)


def nexus(h):
    h.fill((70, 40, 110), 0.05)
    # A glowing portal: rings of light round a bright core.
    for y in range(HEX_H):
        for x in range(HEX_W):
            r = math.hypot((x - 25) / 1.2, y - 21)
            if r < 4:
                h.put(x, y, (255, 240, 200))
            elif r < 14 and int(r) % 4 in (0, 1):
                h.put(x, y, mix((230, 170, 255), (120, 70, 180), (r - 4) / 10))


def unknown(h):
    h.fill((120, 120, 120), 0.02)
    # A faint rim keeps the grid visible over unexplored ground, which has no borders.
    for y in range(HEX_H):
        for x in range(HEX_W):
            if inside_hex(x, y) and not all(inside_hex(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                h.put(x, y, (108, 108, 108))


def shade_over(h):
    for y in range(HEX_H):
        for x in range(HEX_W):
            if (x + y) % 2 == 0:
                h.put(x, y, (0, 0, 0))


TERRAINS = [mountain, forest, ocean, swamp, tundra, plain, jungle, desert, cavern, underforest, tunnels]
# Terrains the reader keeps by name, at their cells of the sheet (four to a row): the map
# painter's table of names (mapview/mappainter.cpp) lists the same cells.
NAMED_TERRAINS = [(11, lake), (14, volcano), (15, chasm), (16, wasteland), (17, grotto),
                  (18, deepforest), (19, nexus)]


def terrain_sheet():
    img = Image(4 * HEX_W, 5 * HEX_H)
    def cell(index, draw, seed):
        draw(Hex(img, (index % 4) * HEX_W, (index // 4) * HEX_H, seed=seed))
    for t, draw in enumerate(TERRAINS, start=1):
        cell(t - 1, draw, t)
    cell(12, shade_over, 100)
    cell(13, unknown, 101)
    for index, draw in NAMED_TERRAINS:
        cell(index, draw, 200 + index)
    return img


def inside_polygon(points, x, y):
    """Even-odd rule for the point (x, y) and a closed polygon."""
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def fill_shape(img, ox, oy, scale, inside, c):
    """Sets every pixel of the scale-times-larger cell at (ox, oy) whose centre, in the cell's
    own units, lies inside: one drawing for each pixel density, sharp at each."""
    for py in range(int(20 * scale)):
        for px in range(int(20 * scale)):
            if inside((px + 0.5) / scale, (py + 0.5) / scale):
                img.set(ox + px, oy + py, c)


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def overlay():
    """The guard flag (8 x 12 at the left), the player's own units (a gold disc of 12 x 12 at
    x = 16) and other factions' units (a pale grey disc of 8 x 8 at x = 32); then the same two
    markers hollow, for units seen in an earlier month (x = 48 and x = 64); then the allies'
    units (a blue disc of 10 x 10 at x = 80) and its hollow form (x = 112)."""
    img = Image(128, 16)
    pole, cloth = (60, 40, 20), (210, 30, 30)
    for y in range(12):
        img.set(1, y, pole)
    for y in range(1, 6):
        for x in range(2, 8 - (1 if y in (1, 5) else 0)):
            img.set(x, y, cloth)
    for y in range(16):
        for x in range(16):
            cx, cy = x + 0.5, y + 0.5
            d = (cx - 6) ** 2 + (cy - 6) ** 2
            if d <= 36:
                img.set(16 + x, y, (20, 20, 20) if d > 16 else (255, 200, 0))
                # Hollow: the rim and a ring of the colour, open in the middle.
                if d > 6.25:
                    img.set(48 + x, y, (20, 20, 20) if d > 20.25 else (255, 200, 0))
            e = (cx - 4) ** 2 + (cy - 4) ** 2
            if e <= 16:
                img.set(32 + x, y, (50, 50, 50) if e > 6.5 else (215, 215, 215))
                if e > 4:
                    img.set(64 + x, y, (50, 50, 50) if e > 9 else (215, 215, 215))
            a = (cx - 5) ** 2 + (cy - 5) ** 2
            if a <= 25:
                img.set(80 + x, y, (20, 30, 60) if a > 12.25 else (70, 150, 255))
                if a > 5.0:
                    img.set(112 + x, y, (20, 30, 60) if a > 14.0 else (70, 150, 255))
    return img


def toolbar(scale):
    """Buttons of 20 x 20 (times scale): plain up, plain down, next turn, previous turn, first
    turn, last turn, add report, find, zoom in, zoom out."""
    img = Image(10 * 20 * scale, 20 * scale)
    dark, light = (40, 40, 40), (70, 110, 200)

    def shape(cell, inside, c):
        fill_shape(img, cell * 20 * scale, 0, scale, inside, c)

    def layer(y):
        # A flat chevron: a plane seen from the side.
        return lambda x, yy: 4 <= x <= 16 and abs(yy - (y - (1 if abs(x - 10) < 4 else 0) + 0.5)) <= 0.5

    def layers(cell, highlight):
        for i, y in enumerate((5, 10, 15)):
            shape(cell, layer(y), light if i == highlight else dark)

    def arrow(cell, up):
        tip = 3 if up else 17
        base = 7 if up else 13
        shape(cell, lambda x, y: inside_polygon([(16.5, tip), (20, base), (13, base)], x, y), dark)

    def triangle(cell, right, left_edge):
        # Pointing right: the flat side at left_edge, the tip 7 further.
        if right:
            points = [(left_edge, 3.5), (left_edge + 7, 10.5), (left_edge, 17.5)]
        else:
            points = [(left_edge + 7, 3.5), (left_edge, 10.5), (left_edge + 7, 17.5)]
        shape(cell, lambda x, y: inside_polygon(points, x, y), light)

    def bar(cell, x0):
        shape(cell, lambda x, y: x0 <= x <= x0 + 1 and 3 <= y <= 17, dark)

    layers(0, 0)
    arrow(0, True)
    layers(1, 2)
    arrow(1, False)
    triangle(2, True, 7)
    bar(2, 15)
    triangle(3, False, 6)
    bar(3, 4)
    triangle(4, False, 6)
    triangle(4, False, 11)
    bar(4, 3)
    triangle(5, True, 2)
    triangle(5, True, 7)
    bar(5, 15)

    # A report: a sheet with lines of text, and a plus.
    shape(6, lambda x, y: 3 <= x <= 13 and 2 <= y <= 17, dark)
    shape(6, lambda x, y: 4 <= x <= 12 and 3 <= y <= 16, (250, 250, 250))
    for line in (5, 8, 11):
        shape(6, lambda x, y, l=line: 5 <= x <= 11 and l <= y < l + 1, dark)
    plus = lambda cx, cy: lambda x, y: (abs(x - cx) <= 1 and abs(y - cy) <= 4) or (
        abs(y - cy) <= 1 and abs(x - cx) <= 4)
    shape(6, plus(14.5, 14.5), light)

    def magnifier(cell, sign):
        shape(cell, lambda x, y: 20 <= (x - 8) ** 2 + (y - 8) ** 2 <= 42, dark)
        shape(cell, lambda x, y: 11.5 <= x <= 18 and abs((y - 8) - (x - 8)) <= 1.6 and
              x + y >= 25, dark)
        if sign:
            shape(cell, lambda x, y: abs(y - 8) <= 0.75 and abs(x - 8) <= 2.8, light)
        if sign == "+":
            shape(cell, lambda x, y: abs(x - 8) <= 0.75 and abs(y - 8) <= 2.8, light)

    magnifier(7, None)
    magnifier(8, "+")
    magnifier(9, "-")
    return img


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "gfx/bitmaps"
    os.makedirs(out, exist_ok=True)
    terrain_sheet().save(os.path.join(out, "terrain.png"))
    overlay().save(os.path.join(out, "overlay.png"))
    toolbar(1).save(os.path.join(out, "toolbar.png"))
    # For screens of two device pixels to the pixel.
    toolbar(2).save(os.path.join(out, "toolbar@2x.png"))


if __name__ == "__main__":
    main()
