#!/usr/bin/env python3
"""Draws the program's icon, seven hexes of a map around a selected one, as one SVG and as PNG
files in the sizes desktops ask for. Both come from the same shapes below, so they agree.
Standard library only; the PNGs are kept in the repository so that building needs no Python.

    tools/make_icon.py desktop/icons
"""
import math
import os
import struct
import sys
import zlib

CANVAS = 256
SIZES = (16, 32, 48, 64, 128, 256)
R = 46  # hex radius (centre to corner) in canvas units
LINE = 8  # width of the dark line between hexes
CX, CY = 128, 128

INK = (38, 42, 48)
TERRAIN = {
    "plain": (150, 200, 90),
    "forest": (46, 120, 60),
    "mountain": (140, 128, 118),
    "ocean": (60, 120, 200),
    "desert": (230, 200, 120),
    "swamp": (100, 140, 110),
}
SELECTED = (255, 214, 40)
SNOW = (245, 245, 245)
TREE = (24, 80, 36)
TOWN = (200, 40, 40)


def hexagon(cx, cy, r):
    """A flat-topped hex, as the map draws them."""
    return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
            for a in range(0, 360, 60)]


def shapes():
    """The icon as filled polygons and circles, in painting order."""
    out = []
    step_x, step_y = 1.5 * R, math.sqrt(3) * R
    ring = [  # (dx, dy, terrain) around the centre, clockwise from the top
        (0, -step_y, "ocean"),
        (step_x, -step_y / 2, "forest"),
        (step_x, step_y / 2, "mountain"),
        (0, step_y, "desert"),
        (-step_x, step_y / 2, "ocean"),
        (-step_x, -step_y / 2, "swamp"),
    ]
    cells = [(CX + dx, CY + dy, t) for dx, dy, t in ring] + [(CX, CY, "plain")]
    for x, y, _ in cells:
        out.append(("poly", hexagon(x, y, R + LINE / 2), INK))
    for x, y, t in cells:
        out.append(("poly", hexagon(x, y, R - LINE / 2), TERRAIN[t]))
        if t == "mountain":
            out.append(("poly", [(x - 24, y + 16), (x, y - 22), (x + 24, y + 16)], INK))
            out.append(("poly", [(x - 9, y - 8), (x, y - 22), (x + 9, y - 8)], SNOW))
        elif t == "forest":
            for tx, ty in ((x - 13, y + 4), (x + 13, y - 6)):
                out.append(("poly", [(tx - 13, ty + 16), (tx, ty - 20), (tx + 13, ty + 16)], TREE))
    # The selected hex: a bright ring inside its outline, and a town in the middle.
    out.append(("poly", hexagon(CX, CY, R - LINE / 2), SELECTED))
    out.append(("poly", hexagon(CX, CY, R - LINE / 2 - 7), TERRAIN["plain"]))
    out.append(("circle", (CX, CY, 13), INK))
    out.append(("circle", (CX, CY, 9), TOWN))
    return out


def inside(shape, x, y):
    kind, geo, _ = shape
    if kind == "circle":
        cx, cy, r = geo
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    # Convex polygons only: the point is on the inner side of every edge.
    sign = 0
    for i, (ax, ay) in enumerate(geo):
        bx, by = geo[(i + 1) % len(geo)]
        cross = (bx - ax) * (y - ay) - (by - ay) * (x - ax)
        if cross != 0:
            s = 1 if cross > 0 else -1
            if sign and s != sign:
                return False
            sign = s
    return True


def bounds(shape):
    kind, geo, _ = shape
    if kind == "circle":
        cx, cy, r = geo
        return cx - r, cy - r, cx + r, cy + r
    xs, ys = [p[0] for p in geo], [p[1] for p in geo]
    return min(xs), min(ys), max(xs), max(ys)


def render(size, art):
    """RGBA rows, each pixel the average of a grid of samples (every shape is opaque)."""
    samples = 8 if size <= 48 else 4
    scale = CANVAS / size
    boxed = [(s, bounds(s)) for s in reversed(art)]  # topmost first
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            acc = [0, 0, 0]
            hits = 0
            for sy in range(samples):
                y = (py + (sy + 0.5) / samples) * scale
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    for s, (x0, y0, x1, y1) in boxed:
                        if x0 <= x <= x1 and y0 <= y <= y1 and inside(s, x, y):
                            c = s[2]
                            acc[0] += c[0]
                            acc[1] += c[1]
                            acc[2] += c[2]
                            hits += 1
                            break
            if hits:
                row += bytes(round(v / hits) for v in acc)
                row.append(round(255 * hits / (samples * samples)))
            else:
                row += b"\0\0\0\0"
        rows.append(bytes(row))
    return rows


def write_png(path, size, rows):
    def chunk(kind, data):
        c = struct.pack(">I", len(data)) + kind + data
        return c + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + r for r in rows)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def write_svg(path, art):
    def colour(c):
        return "#%02x%02x%02x" % c
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             f'<svg xmlns="http://www.w3.org/2000/svg" width="{CANVAS}" height="{CANVAS}" '
             f'viewBox="0 0 {CANVAS} {CANVAS}">']
    for kind, geo, c in art:
        if kind == "circle":
            lines.append(f'  <circle cx="{geo[0]:g}" cy="{geo[1]:g}" r="{geo[2]:g}" fill="{colour(c)}"/>')
        else:
            points = " ".join(f"{x:.2f},{y:.2f}" for x, y in geo)
            lines.append(f'  <polygon points="{points}" fill="{colour(c)}"/>')
    lines.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    art = shapes()
    os.makedirs(out, exist_ok=True)
    write_svg(os.path.join(out, "vexlor.svg"), art)
    for size in SIZES:
        write_png(os.path.join(out, f"vexlor-{size}.png"), size, render(size, art))


if __name__ == "__main__":
    main()
