#!/usr/bin/python3
"""Draws the application icon for menus and software centres.

Usage: /usr/bin/python3 tools/pictures/make_app_icon.py OUTDIR

Writes 16.png, 24.png, 32.png, 48.png, 64.png, 128.png, 192.png, 256.png, 512.png and
scalable.svg into OUTDIR (the build installs them under the hicolor theme).
The motif is the game's own: a spirolateral (order 3 at 90 degrees, the
pinwheel) in the number boxes' yellow, on the window's purple inside the
panels' red rim.  Every line is axis-aligned, and each size is laid out on
its own pixel grid, so the edges of the figure fall on pixel boundaries and
stay sharp down to 16 pixels.  Needs only PIL; deterministic.
"""

import math
import os
import sys

from PIL import Image, ImageDraw

RED = (255, 0, 0)
DARK_RED = (150, 0, 0)
PURPLE = (128, 0, 128)
YELLOW = (255, 255, 0)
SIZES = (16, 24, 32, 48, 64, 128, 192, 256, 512)
SS = 8  # samples per pixel along each axis, for the rounded corners


def spirolateral(order=3, angle=90):
    """Corner points of the closed walk 1, 2, ..., order, turning by angle."""
    x = y = 0
    heading = 0
    points = [(0, 0)]
    while True:
        for step in range(1, order + 1):
            x += round(math.cos(math.radians(heading))) * step
            y += round(math.sin(math.radians(heading))) * step
            heading += angle
            points.append((x, y))
        if (x, y) == (0, 0) and heading % 360 == 0:
            return points


def layout(size):
    """Rim, line width, unit and origin, all in whole pixels for this size."""
    points = spirolateral()
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    span = max(max(xs) - min(xs), max(ys) - min(ys))
    rim = max(1, round(size / 20))
    width = max(1, round(size / 20))
    pad = max(1, round(size / 10))
    unit = (size - 2 * rim - 2 * pad - width) // span
    extent = unit * span + width
    origin = (size - extent) // 2
    return points, rim, width, unit, (origin - min(xs) * unit, origin - min(ys) * unit)


def draw(size):
    points, rim, width, unit, (ox, oy) = layout(size)
    big = size * SS
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    radius = max(2, round(size * 0.18)) * SS
    d.rounded_rectangle((0, 0, big - 1, big - 1), radius=radius, fill=RED + (255,))
    inner = rim * SS
    d.rounded_rectangle((inner, inner, big - 1 - inner, big - 1 - inner),
                        radius=max(SS, radius - inner), fill=PURPLE + (255,))
    # Each segment is a rectangle reaching width/2 past both ends, so corners meet squarely
    # and every edge is a whole pixel.
    for (x1, y1), (x2, y2) in zip(points, points[1:]):
        left = ox + min(x1, x2) * unit
        top = oy + min(y1, y2) * unit
        right = ox + max(x1, x2) * unit + width
        bottom = oy + max(y1, y2) * unit + width
        if size >= 64:  # a shadow one line width down and right, where there is room for it
            s = max(1, width // 2)
            d.rectangle(((left + s) * SS, (top + s) * SS, (right + s) * SS - 1,
                         (bottom + s) * SS - 1), fill=DARK_RED + (255,))
    for (x1, y1), (x2, y2) in zip(points, points[1:]):
        left = ox + min(x1, x2) * unit
        top = oy + min(y1, y2) * unit
        right = ox + max(x1, x2) * unit + width
        bottom = oy + max(y1, y2) * unit + width
        d.rectangle((left * SS, top * SS, right * SS - 1, bottom * SS - 1), fill=YELLOW + (255,))
    return img.resize((size, size), Image.BOX)


def svg():
    size = 512
    points, rim, width, unit, (ox, oy) = layout(size)
    radius = round(size * 0.18)
    half = width / 2
    path = " ".join("%s%g,%g" % ("M" if i == 0 else "L", ox + x * unit + half, oy + y * unit + half)
                    for i, (x, y) in enumerate(points)) + " Z"
    colour = lambda c: "#%02x%02x%02x" % c
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">
  <rect x="0" y="0" width="{size}" height="{size}" rx="{radius}" fill="{colour(RED)}"/>
  <rect x="{rim}" y="{rim}" width="{size - 2 * rim}" height="{size - 2 * rim}" rx="{radius - rim}" fill="{colour(PURPLE)}"/>
  <path d="{path}" transform="translate({width // 2},{width // 2})" fill="none" stroke="{colour(DARK_RED)}" stroke-width="{width}" stroke-linejoin="miter" stroke-linecap="square"/>
  <path d="{path}" fill="none" stroke="{colour(YELLOW)}" stroke-width="{width}" stroke-linejoin="miter" stroke-linecap="square"/>
</svg>
"""


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    for size in SIZES:
        draw(size).save(os.path.join(out, "%d.png" % size), optimize=True)
    with open(os.path.join(out, "scalable.svg"), "w", encoding="utf-8") as f:
        f.write(svg())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
