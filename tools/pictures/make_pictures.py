#!/usr/bin/python3
"""Draws every picture the game window stores.

Usage: /usr/bin/python3 tools/pictures/make_pictures.py OUTDIR [SCALE...]

Writes panel.png, board.png, title.png, op0.png .. op7.png, tile.png and
icon.png into OUTDIR, and each of them again at twice and three times the
size (panel@2x.png, panel@3x.png, ...) for large and high-density screens.
The larger pictures are drawn afresh at their size from the same design, so
their edges are as sharp as the small ones'.  Naming scales (1, 2 or 3)
makes only those sizes.  Needs only PIL (Debian's python3-pil) and the Liberation
(or DejaVu) fonts under /usr/share/fonts.  The output is deterministic:
the only randomness (the marble of the tile) comes from a fixed seed.

Everything is drawn with plain Python arithmetic, sample by sample, with
several samples per pixel for smooth edges; a full run takes a few
minutes, most of it on the large sizes.
"""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

# ---------------------------------------------------------------------------
# Colours the window itself uses; the art is tuned against them.
YELLOW = (255, 255, 0)
SILVER = (192, 192, 192)
WHITE = (255, 255, 255)
PURPLE = (128, 0, 128)

# The sizes every picture is made at, as multiples of the window's own.
SCALES = (1, 2, 3)

FONT_DIRS = ("/usr/share/fonts/truetype/dejavu",
             "/usr/share/fonts/truetype/liberation2",
             "/usr/share/fonts/truetype/liberation")


def find_font(names):
    for name in names:
        for folder in FONT_DIRS:
            path = os.path.join(folder, name)
            if os.path.exists(path):
                return path
    raise SystemExit("no usable font found (install fonts-liberation2): %s"
                     % ", ".join(names))


# The window's own text is Arial; Liberation Sans has the same shapes and
# widths, so the title's lettering matches the rest of the game.
BOLD_FONT = ("LiberationSans-Bold.ttf", "DejaVuSans-Bold.ttf")


def clamp8(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def smoothstep(e0, e1, x):
    t = (x - e0) / (e1 - e0)
    t = 0.0 if t < 0 else 1.0 if t > 1 else t
    return t * t * (3 - 2 * t)


def render(width, height, shade, samples=4, k=1):
    """Averages shade(x, y) -> (r, g, b) over a samples x samples grid in
    every pixel; coordinates are continuous, pixel i covers [i, i + 1).
    With k > 1 the picture is k times the size and shade still sees the
    coordinates of the 1x design."""
    if k != 1:
        inner = shade
        width, height = width * k, height * k
        shade = lambda x, y: inner(x / k, y / k)
        # Each large pixel covers less of the design, so fewer samples give
        # the same smoothness; it keeps the run time within minutes.
        samples = max(2, samples - 1)
    img = Image.new("RGB", (width, height))
    offsets = [(k + 0.5) / samples for k in range(samples)]
    n = samples * samples
    px = img.load()
    for y in range(height):
        for x in range(width):
            r = g = b = 0.0
            for oy in offsets:
                for ox in offsets:
                    cr, cg, cb = shade(x + ox, y + oy)
                    r += cr
                    g += cg
                    b += cb
            px[x, y] = (clamp8(r / n), clamp8(g / n), clamp8(b / n))
    return img


# ---------------------------------------------------------------------------
# The red ring-and-square family (panel, board, title).
#
# A design is a list of nested outlines around the picture's centre, each a
# square (half side h) or a circle (radius r).  The more outlines contain a
# point, the deeper and darker it lies.  Every outline is drawn as a soft
# engraved step lit from the top left, so the picture reads as a carved
# plaque rather than as a busy line drawing.

LIGHT = (-0.7071, -0.7071)  # direction towards the light, window axes


def square_sdf(dx, dy, h):
    """Signed distance to a square of half side h (negative inside) and the
    outward normal at the nearest boundary point."""
    ax, ay = abs(dx), abs(dy)
    qx, qy = ax - h, ay - h
    sx = 1.0 if dx >= 0 else -1.0
    sy = 1.0 if dy >= 0 else -1.0
    if qx > 0 and qy > 0:
        d = math.hypot(qx, qy)
        return d, (sx * qx / d, sy * qy / d)
    if qx > qy:
        return qx, (sx, 0.0)
    return qy, (0.0, sy)


def circle_sdf(dx, dy, r):
    d = math.hypot(dx, dy)
    if d == 0:
        return -r, (0.0, -1.0)
    return d - r, (dx / d, dy / d)


class Plaque:
    """Shades one ring-and-square design.

    outlines: list of ("s" | "c", size), outermost first.
    colours:  one RGB per depth, len(outlines) + 1 entries, outermost first.
    """

    def __init__(self, size, outlines, colours, edge=0.5, width=1.5):
        self.c = size / 2.0
        self.outlines = outlines
        self.colours = colours
        self.edge = edge
        self.width = width

    def depth_and_light(self, x, y):
        dx, dy = x - self.c, y - self.c
        depth = 0
        light = 0.0
        for kind, size in self.outlines:
            if kind == "s":
                d, n = square_sdf(dx, dy, size)
            else:
                d, n = circle_sdf(dx, dy, size)
            if d < 0:
                depth += 1
            facing = n[0] * LIGHT[0] + n[1] * LIGHT[1]
            # The inner side of each step is a little wall: it catches the
            # light on the far (bottom right) side and lies in shadow on the
            # near side.  The outer side gets a fine rim of the opposite
            # sense, which makes the step read as cut into the surface.
            if -self.width < d < 0:
                t = 1.0 - (-d / self.width)
                light -= facing * t * self.edge
            elif 0 <= d < self.width * 0.8:
                t = 1.0 - d / (self.width * 0.8)
                light += facing * t * self.edge * 0.6
        return depth, light

    def shade(self, x, y):
        depth, light = self.depth_and_light(x, y)
        base = self.colours[depth]
        # a faint sheen from the top keeps the flat areas from looking dead
        sheen = 1.0 + 0.06 * (self.c - y) / self.c
        f = sheen * (1.0 + light)
        return (base[0] * f, base[1] * f, base[2] * f)


def red_ramp(n, outer=(156, 20, 26), inner=(64, 4, 12), curve=1.0):
    """n colours from outer to inner red, darkening towards the centre."""
    out = []
    for i in range(n):
        t = (i / (n - 1)) ** curve if n > 1 else 0.0
        out.append(mix(outer, inner, t))
    return out


def panel_design(size=217):
    c = size / 2.0
    outlines = []
    r = c - 5.0
    outlines.append(("s", r))           # a frame just inside the edge
    r -= 4.0
    for _ in range(4):
        outlines.append(("c", r))
        h = r / math.sqrt(2.0)
        outlines.append(("s", h))
        r = h - 4.0
    return Plaque(size, outlines, red_ramp(len(outlines) + 1, curve=0.8))


def make_panel(k):
    return render(217, 217, panel_design().shade, k=k)


# The board: a 3 x 3 grid of 57-pixel cells starting near (23, 23) holds the
# operator discs in the corners and the yellow number boxes on the edges, so
# only a band around the grid and the centre cell show the art.  The band
# carries the corner words; the centre cell is a dark well for the silver
# target number.
BOARD_PLATE = (124, 13, 20)


def board_design():
    outlines = [
        ("s", 106.0),      # thin frame at the very edge
        ("s", 86.5),       # the grid's plate, just outside the cells
        ("s", 27.0),       # the centre well, just inside the number boxes
        ("c", 23.5),
        ("c", 16.0),
    ]
    colours = [(150, 18, 24), (146, 17, 24), BOARD_PLATE,
               (96, 9, 15), (76, 6, 12), (64, 4, 11)]
    return Plaque(217, outlines, colours)


def make_board(k):
    return render(217, 217, board_design().shade, k=k)


# ---------------------------------------------------------------------------
# Spirolaterals: the walk the game itself draws (segments 1, 2, ..., order,
# a fixed turn after each), used as a small motif on the title.

def spiro_points(order, angle, cycles_max=40):
    turn = 180.0 - angle
    x = y = 0.0
    heading = 0.0
    pts = [(x, y)]
    for _ in range(cycles_max):
        for k in range(1, order + 1):
            x += k * math.sin(math.radians(heading))
            y += k * math.cos(math.radians(heading))
            pts.append((x, y))
            heading -= turn
        if abs(x) < 1e-6 and abs(y) < 1e-6:
            break
    return pts


def fit_points(pts, cx, cy, size):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    span = max(max(xs) - min(xs), max(ys) - min(ys))
    s = size / span
    mx = (max(xs) + min(xs)) / 2.0
    my = (max(ys) + min(ys)) / 2.0
    return [(cx + (px - mx) * s, cy + (py - my) * s) for px, py in pts]


def draw_spiro(img, pts, colour, width, shadow=None, scale=8, blur=1.2,
               offset=1):
    """Draws a closed polyline with smooth edges (drawn large, then
    reduced); the shadow is blurred by blur and moved offset pixels right
    and down."""
    w, h = img.size
    mask = Image.new("L", (w * scale, h * scale), 0)
    d = ImageDraw.Draw(mask)
    big = [(x * scale, y * scale) for x, y in pts]
    d.line(big, fill=255, width=int(width * scale), joint="curve")
    r = width * scale / 2.0
    for x, y in big:
        d.ellipse((x - r, y - r, x + r, y + r), fill=255)
    mask = mask.resize((w, h), Image.BOX)
    if shadow is not None:
        sh = mask.filter(ImageFilter.GaussianBlur(blur))
        sh = sh.transform(sh.size, Image.AFFINE,
                          (1, 0, -offset, 0, 1, -offset))
        img.paste(Image.new("RGB", img.size, shadow), (0, 0), sh)
    img.paste(Image.new("RGB", img.size, colour), (0, 0), mask)


# ---------------------------------------------------------------------------
# The title: the same plaque, a little larger, with the name across it.

def title_design():
    size = 219
    c = size / 2.0
    outlines = [("s", c - 5.0)]
    r = c - 9.0
    for _ in range(4):
        outlines.append(("c", r))
        h = r / math.sqrt(2.0)
        outlines.append(("s", h))
        r = h - 4.0
    return Plaque(size, outlines, red_ramp(len(outlines) + 1, curve=0.8))


def fitted_font(text, names, width, start):
    path = find_font(names)
    size = start
    while size > 8:
        font = ImageFont.truetype(path, size)
        box = font.getbbox(text)
        if box[2] - box[0] <= width:
            return font
        size -= 1
    return ImageFont.truetype(path, size)


def draw_text_centred(img, text, font, cx, cy, fill, outline=None,
                      stroke=0, shadow=None, shadow_blur=1.5,
                      shadow_offset=(1.5, 2.0)):
    """Centres the ink of text on (cx, cy)."""
    box = font.getbbox(text, stroke_width=stroke)
    x = cx - (box[0] + box[2]) / 2.0
    y = cy - (box[1] + box[3]) / 2.0
    if shadow is not None:
        scale = 4
        m = Image.new("L", (img.size[0] * scale, img.size[1] * scale), 0)
        big = ImageFont.truetype(font.path, font.size * scale)
        ImageDraw.Draw(m).text(((x + shadow_offset[0]) * scale,
                                (y + shadow_offset[1]) * scale), text,
                               font=big, fill=255,
                               stroke_width=stroke * scale,
                               stroke_fill=255)
        m = m.resize(img.size, Image.BOX)
        m = m.filter(ImageFilter.GaussianBlur(shadow_blur))
        img.paste(Image.new("RGB", img.size, shadow), (0, 0), m)
    d = ImageDraw.Draw(img)
    d.text((round(x), round(y)), text, font=font, fill=fill,
           stroke_width=stroke, stroke_fill=outline)


def make_title(k):
    size = 219
    img = render(size, size, title_design().shade, k=k)
    c = size / 2.0

    # The motif above the name: the spirolateral of order 5 at 120 degrees,
    # a six-petalled flower the player can make in the game.
    pts = fit_points(spiro_points(5, 120), c * k, 47.0 * k, 50.0 * k)
    draw_spiro(img, pts, WHITE, 2.2 * k, shadow=(40, 0, 6),
               scale=8 if k == 1 else 4, blur=1.2 * k, offset=k)

    # The name's size is fitted once, at 1x, so that every size shows the
    # same lettering in the same proportion.
    name_font = fitted_font("Quorrel", BOLD_FONT, 188, 56)
    if k != 1:
        name_font = ImageFont.truetype(name_font.path, name_font.size * k)
    draw_text_centred(img, "Quorrel", name_font, c * k, 112.0 * k, YELLOW,
                      outline=(90, 20, 0), stroke=2 * k, shadow=(20, 0, 4),
                      shadow_blur=2.0 * k, shadow_offset=(2.0 * k, 3.0 * k))

    sub_font = ImageFont.truetype(find_font(BOLD_FONT), 15 * k)
    draw_text_centred(img, "Number Puzzles", sub_font, c * k, 158.0 * k, WHITE,
                      shadow=(30, 0, 6), shadow_blur=1.0 * k,
                      shadow_offset=(1.0 * k, 1.0 * k))
    return img


# ---------------------------------------------------------------------------
# Operator discs: 58 x 58 pictures shown in 57 x 57 boxes.  The disc is
# centred on the 57 x 57 block at the top left, so the picture looks the same
# whether the box shows that block one to one or the whole picture reduced.

OP_BOX = 57.0
OP_C = OP_BOX / 2.0
OP_R = 25.0


def seg_sdf(px, py, ax, ay, bx, by, r):
    """Distance to a segment with round caps of radius r."""
    vx, vy = bx - ax, by - ay
    wx, wy = px - ax, py - ay
    t = (wx * vx + wy * vy) / (vx * vx + vy * vy)
    t = 0.0 if t < 0 else 1.0 if t > 1 else t
    return math.hypot(wx - t * vx, wy - t * vy) - r


def symbol_sdf(op, dx, dy):
    arm = 12.0
    half = 3.6
    if op == 0:          # plus
        return min(seg_sdf(dx, dy, -arm, 0, arm, 0, half),
                   seg_sdf(dx, dy, 0, -arm, 0, arm, half))
    if op == 1:          # minus
        return seg_sdf(dx, dy, -arm, 0, arm, 0, half)
    if op == 2:          # times: a plus turned 45 degrees, a little shorter
        # so that its diagonal reach matches the plus
        a = arm * 0.77
        return min(seg_sdf(dx, dy, -a, -a, a, a, half),
                   seg_sdf(dx, dy, -a, a, a, -a, half))
    # divide: a bar with a dot above and below
    bar = seg_sdf(dx, dy, -arm, 0, arm, 0, half * 0.9)
    dot = 3.9
    top = math.hypot(dx, dy + 9.5) - dot
    bottom = math.hypot(dx, dy - 9.5) - dot
    return min(bar, top, bottom)


def coverage(d, soft=0.5):
    """Fraction of a sample inside a shape whose signed distance is d."""
    return 1.0 - smoothstep(-soft, soft, d)


def op_shader(op, symbol_colour, ground, soft=0.5):
    """soft: half the width of the anti-aliased edge of the disc and the
    symbol, in 1x pixels; a larger picture gets a proportionally finer
    edge."""
    disc_light = (40, 165, 40)
    disc_dark = (0, 96, 0)
    rim_dark = (0, 52, 0)

    def shade(x, y):
        dx, dy = x - OP_C, y - OP_C
        # ground: flat plate red, a faint raised bevel at its edge and the
        # disc's soft shadow
        col = list(ground)
        edge = min(x, y, OP_BOX - x, OP_BOX - y)
        if edge < 1.5:
            f = 0.14 if (x < 1.5 or y < 1.5) and x < OP_BOX - 1.5                 and y < OP_BOX - 1.5 else -0.18
            col = [v * (1 + f) for v in col]
        sd = math.hypot(dx - 1.0, dy - 1.6) - OP_R
        sh = 1.0 - smoothstep(-1.0, 2.6, sd)
        col = [v * (1 - 0.45 * sh) for v in col]

        d = math.hypot(dx, dy)
        a = coverage(d - OP_R, soft)
        if a <= 0:
            return tuple(col)
        # disc face: lit from the top left
        t = ((dx * -0.6 + dy * -0.8) / OP_R + 1) / 2
        face = mix(disc_dark, disc_light, t)
        # a bevelled rim
        rim = d - (OP_R - 2.6)
        if rim > 0:
            nx, ny = dx / d, dy / d
            facing = -(nx * -0.6 + ny * -0.8)
            face = [v * (1 + 0.35 * facing * smoothstep(0, 2.6, rim))
                    for v in face]
        face = mix(face, rim_dark, smoothstep(-1.2, 0.0, d - OP_R))
        # a soft gloss at the top
        gx, gy = dx / 17.0, (dy + 11.0) / 9.0
        g = 1.0 - smoothstep(0.55, 1.0, math.hypot(gx, gy))
        face = mix(face, (255, 255, 255), 0.16 * g)
        # the symbol with its shadow
        s_sh = symbol_sdf(op, dx - 1.2, dy - 1.5)
        face = mix(face, (0, 40, 0), 0.55 * (1 - smoothstep(-1.0, 1.2, s_sh)))
        s = symbol_sdf(op, dx, dy)
        face = mix(face, symbol_colour, coverage(s, soft))
        return tuple(lerp(c0, c1, a) for c0, c1 in zip(col, face))

    return shade


def make_op(index, k):
    op = index % 4
    colour = SILVER if index < 4 else WHITE
    return render(58, 58, op_shader(op, colour, BOARD_PLATE, 0.5 / k),
                  samples=5, k=k)


# ---------------------------------------------------------------------------
# The background tile: purple marble that repeats seamlessly.  All waves and
# the noise lattice have a whole number of periods across the 100 pixels.

TILE = 100


class PeriodicNoise:
    def __init__(self, rng, cells):
        self.cells = cells
        self.v = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def at(self, x, y):
        u = x / TILE * self.cells
        w = y / TILE * self.cells
        i0 = int(math.floor(u))
        j0 = int(math.floor(w))
        fu = u - i0
        fw = w - j0
        fu = fu * fu * fu * (fu * (fu * 6 - 15) + 10)
        fw = fw * fw * fw * (fw * (fw * 6 - 15) + 10)
        n = self.cells
        i0 %= n
        j0 %= n
        i1 = (i0 + 1) % n
        j1 = (j0 + 1) % n
        a = lerp(self.v[j0][i0], self.v[j0][i1], fu)
        b = lerp(self.v[j1][i0], self.v[j1][i1], fu)
        return lerp(a, b, fw)


def make_tile(k):
    rng = random.Random(19960507)
    octaves = [(PeriodicNoise(rng, 3), 1.0), (PeriodicNoise(rng, 5), 0.55),
               (PeriodicNoise(rng, 10), 0.3), (PeriodicNoise(rng, 20), 0.12)]
    total = sum(w for _, w in octaves)
    light = (156, 40, 158)
    dark = (112, 0, 110)

    def shade(x, y):
        turb = sum(n.at(x, y) * w for n, w in octaves) / total
        # one diagonal wave per tile, bent hard by the noise, gives veins
        # that wander instead of stripes that repeat
        phase = 2 * math.pi * (x + y) / TILE + 9.0 * turb
        vein = (math.sin(phase) + 1) / 2
        vein = vein ** 6
        body = (turb - 0.5) * 2.0
        col = mix(PURPLE, dark, max(0.0, -body) * 0.5)
        col = mix(col, light, max(0.0, body) * 0.25)
        return mix(col, light, vein * 0.45)

    return render(TILE, TILE, shade, samples=2, k=k)


# ---------------------------------------------------------------------------
# The icon: a green operator disc with a white plus on a small red plaque.

def make_icon(k):
    n = 32 * k
    ss = 8 * k  # samples per 1x pixel: eight per pixel of the picture
    big = 32 * ss
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, big - 1, big - 1), radius=6 * ss,
                        fill=(70, 6, 12, 255))
    d.rounded_rectangle((ss, ss, big - 1 - ss, big - 1 - ss), radius=5 * ss,
                        fill=(176, 24, 32, 255))
    d.rounded_rectangle((3 * ss, 3 * ss, big - 1 - 3 * ss, big - 1 - 3 * ss),
                        radius=4 * ss, fill=(130, 14, 22, 255))
    c = big / 2
    r = 12.5 * ss
    d.ellipse((c - r, c - r, c + r, c + r), fill=(0, 60, 0, 255))
    r2 = 11.5 * ss
    d.ellipse((c - r2, c - r2, c + r2, c + r2), fill=(0, 138, 0, 255))
    r3 = 8 * ss
    d.ellipse((c - r3 - 2 * ss, c - r3 - 3 * ss, c + r3 - 2 * ss,
               c + r3 - 3 * ss), fill=(40, 168, 40, 255))
    arm = 7.5 * ss
    half = 2.0 * ss
    d.rectangle((c - arm, c - half, c + arm, c + half),
                fill=(255, 255, 255, 255))
    d.rectangle((c - half, c - arm, c + half, c + arm),
                fill=(255, 255, 255, 255))
    return img.resize((n, n), Image.BOX)


# ---------------------------------------------------------------------------

def main(argv):
    if len(argv) < 2 or any(v not in ("1", "2", "3") for v in argv[2:]):
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    pictures = {
        "panel": make_panel,
        "board": make_board,
        "title": make_title,
        "tile": make_tile,
        "icon": make_icon,
    }
    for i in range(8):
        pictures["op%d" % i] = (lambda k, i=i: make_op(i, k))
    scales = [int(v) for v in argv[2:]] or SCALES
    for k in scales:
        suffix = "" if k == 1 else "@%dx" % k
        for name, maker in pictures.items():
            img = maker(k)
            img.save(os.path.join(out, name + suffix + ".png"), optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
