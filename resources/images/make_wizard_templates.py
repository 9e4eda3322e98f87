#!/usr/bin/env python3
"""Paints the wizard's fourteen template pictures (120 x 95): the template's page as
a white sheet with every slot drawn as a small photo where the catalogue puts it,
outline-only strips dashed, index sheets as rows of film frames or slide mounts.

The geometry is the catalogue's own, read from the command line program:

    python3 resources/images/make_wizard_templates.py build/stage/bin/snapvale-cli resources/images/wizard
"""
import math
import os
import subprocess
import sys

from pngwrite import png

W, H = 120, 95
BACK = (236, 236, 232)
SHADOW = (176, 176, 170)
PAPER = (255, 255, 255)
FRAME = (60, 60, 60)
DASH = (120, 120, 120)
FILM = (44, 34, 28)
HOLE = (236, 230, 214)
MOUNT = (248, 246, 238)

# Picture number and catalogue name, in the wizard's list order.
PICTURES = [
    (192, "Index Sheet (Negative Strip) - 9 Prints"),
    (303, "Index Sheet (3D Slides) - 12 Prints"),
    (305, "Thirteen (Wallet) 2 x 3 Prints"),
    (306, "One Borderless 4in x 6in Print"),
    (307, "Three 4 x 6 Prints"),
    (308, "One Borderless 5in x 7in Print"),
    (309, "Two 5in x 7in Prints"),
    (310, "One Borderless 8in x 10in Print"),
    (311, "Ten 2 x 3 1/2 (Business Card) Prints"),
    (312, "Greeting Card (Half-fold) 5in x 8in"),
    (313, "CD Case (Booklet) 4.75 x 4.75 in"),
    (314, "CD Case (InLay) 5.9 x 4.60 in"),
    (315, "DVD Case (Booklet) 7.3 x 4.85 in"),
    (316, "DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in"),
]

# Skies, grounds and suns of the little photos, one after the other.
SCENES = [
    ((110, 170, 235), (70, 140, 60), (250, 205, 60), 0.75),
    ((240, 150, 90), (90, 60, 80), (255, 230, 120), 0.3),
    ((150, 200, 240), (40, 110, 150), (255, 250, 220), 0.6),
    ((120, 180, 220), (150, 120, 60), (250, 190, 50), 0.2),
    ((200, 170, 230), (60, 120, 90), (255, 240, 200), 0.8),
]


def scene(k, u, v, w, h):
    """Photo k of the page over the unit square (w x h pixels): sky, sun, a line of hills."""
    sky, ground, sun, sx = SCENES[k % len(SCENES)]
    r = 0.14 * min(w, h)
    if ((u - sx) * w) ** 2 + ((v - 0.28) * h) ** 2 < r * r:
        return sun
    hill = 0.6 + 0.1 * math.sin(u * 5.0 + k) + 0.05 * math.cos(u * 13.0 + 2 * k)
    if v > hill:
        f = 1.0 - 0.5 * (v - hill)
        return tuple(int(c * f) for c in ground)
    f = 0.75 + 0.35 * v
    return tuple(min(255, int(c * f)) for c in sky)


def read_catalogue(cli):
    """{name: (page width, page height, [(kind, fields...)])} from `templates --full --slots`."""
    out = subprocess.run([cli, "templates", "--full", "--slots"], check=True, capture_output=True,
                         text=True).stdout
    catalogue, current = {}, None
    for line in out.splitlines():
        if not line.startswith("\t"):
            name, page, _count = line.split("\t")
            pw, _, ph, _ = page.split(" ", 3)
            current = (float(pw), float(ph), [])
            catalogue[name] = current
            continue
        fields = line.strip("\t").split("\t")
        current[2].append(fields)
    return catalogue


class Picture:
    def __init__(self):
        self.px = [[BACK] * W for _ in range(H)]

    def put(self, x, y, c):
        if 0 <= x < W and 0 <= y < H:
            self.px[y][x] = c

    def box(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(H, y1)):
            for x in range(max(0, x0), min(W, x1)):
                self.px[y][x] = colour

    def photo(self, x0, y0, x1, y1, k, framed=True):
        for y in range(y0, y1):
            for x in range(x0, x1):
                w, h = max(1, x1 - x0), max(1, y1 - y0)
                self.put(x, y, scene(k, (x - x0 + 0.5) / w, (y - y0 + 0.5) / h, w, h))
        if framed:
            self.outline(x0, y0, x1, y1, FRAME)

    def outline(self, x0, y0, x1, y1, colour, dashed=False):
        for x in range(x0, x1):
            for y in (y0, y1 - 1):
                if not dashed or (x // 2) % 2 == 0:
                    self.put(x, y, colour)
        for y in range(y0, y1):
            for x in (x0, x1 - 1):
                if not dashed or (y // 2) % 2 == 0:
                    self.put(x, y, colour)

    def rows(self):
        return self.px


def page_box(pw, ph):
    """The sheet's pixel box: as large as fits with a margin, centred."""
    scale = min((W - 14) / pw, (H - 8) / ph)
    w, h = int(round(pw * scale)), int(round(ph * scale))
    x0, y0 = (W - w) // 2, (H - h) // 2
    return x0, y0, w, h, scale


def film_sheet(pic, left, top, right, bottom, columns, rows, k0):
    """Rows of negative strips: dark film, sprocket holes along both edges, frames."""
    row_h = (bottom - top) / rows
    for r in range(rows):
        y0 = int(top + r * row_h + 1)
        y1 = int(top + (r + 1) * row_h - 1)
        pic.box(left, y0, right, y1, FILM)
        for x in range(left + 1, right - 1, 3):
            pic.put(x, y0 + 1, HOLE)
            pic.put(x, y1 - 2, HOLE)
        cell = (right - left) / columns
        for c in range(columns):
            fx0 = int(left + c * cell + 2)
            fx1 = int(left + (c + 1) * cell - 1)
            pic.photo(fx0, y0 + 3, fx1, y1 - 3, k0 + r * columns + c, framed=False)


def slide_sheet(pic, left, top, right, bottom, columns, rows, k0):
    """Slide mounts in a grid: a pale mount with a dark edge and the photo's window."""
    cw = (right - left) / columns
    ch = (bottom - top) / rows
    for r in range(rows):
        for c in range(columns):
            x0, x1 = int(left + c * cw + 1), int(left + (c + 1) * cw - 1)
            y0, y1 = int(top + r * ch + 1), int(top + (r + 1) * ch - 1)
            pic.box(x0, y0, x1, y1, MOUNT)
            pic.outline(x0, y0, x1, y1, FRAME)
            pic.photo(x0 + 3, y0 + 3, x1 - 3, y1 - 3, k0 + r * columns + c, framed=False)


def draw(entry):
    pw, ph, parts = entry
    pic = Picture()
    x0, y0, w, h, scale = page_box(pw, ph)
    pic.box(x0 + 2, y0 + 2, x0 + w + 2, y0 + h + 2, SHADOW)
    pic.box(x0, y0, x0 + w, y0 + h, PAPER)

    def to_px(ix0, ix1, iy0, iy1):
        return (x0 + int(round(float(ix0) * scale)), y0 + int(round(float(iy0) * scale)),
                x0 + int(round(float(ix1) * scale)), y0 + int(round(float(iy1) * scale)))

    k = 0
    outlines = []
    for fields in parts:
        kind = fields[0]
        if kind == "slot":
            a, b, c, d = to_px(*fields[1:5])
            pic.photo(a, b, c, d, k, framed=not (a == x0 and b == y0 and c == x0 + w and d == y0 + h))
            k += 1
        elif kind == "outline":
            outlines.append(to_px(*fields[1:5]))
        elif kind == "index":
            style, columns, rows = fields[1], int(fields[2]), int(fields[3])
            a, b, c, d = to_px(*fields[4:8])
            # The sheet's header line above the cells.
            for x in range(x0 + 4, x0 + w - 4):
                if (x // 3) % 4 != 3:
                    pic.put(x, y0 + max(2, (b - y0) // 2), DASH)
            (film_sheet if style == "film" else slide_sheet)(pic, a, b, c, d, columns, rows, k)
    for a, b, c, d in outlines:
        pic.outline(a, b, c, d, DASH, dashed=True)
    return pic.rows()


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    out = argv[2] if len(argv) > 2 else "."
    os.makedirs(out, exist_ok=True)
    catalogue = read_catalogue(argv[1])
    for number, name in PICTURES:
        with open(os.path.join(out, "%d.png" % number), "wb") as f:
            f.write(png(W, H, draw(catalogue[name])))


if __name__ == "__main__":
    main(sys.argv)
