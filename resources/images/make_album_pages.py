#!/usr/bin/env python3
"""Paints the album page backgrounds, both 640 x 480 JPEG, stretched behind every album
page and shown alone for an empty album:

    196.jpg  a single page: a cream page with a paper grain on a blue cloth cover,
             held by binder rings on the left
    198.jpg  a two-page spread: an open book on a brown leather cover, the pages
             shaded towards the stitched spine, a ribbon bookmark below it

The photo cells cover most of each page; what stays visible is the cover round the
edges, the rings (the cells start about a tenth in from the left) and, for the spread,
the spine between the two pages.

    python3 resources/images/make_album_pages.py [OUT_DIR]
"""
import math
import os
import sys

from jpegwrite import write_jpeg_picture

W, H = 640, 480


def hash01(ix, iy, seed):
    n = (ix * 374761393 + iy * 668265263 + seed * 1442695041) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFFFF) / float(0x1000000)


def value_noise(x, y, cell, seed):
    """Smooth noise in 0..1 with features about `cell` pixels wide."""
    fx, fy = x / cell, y / cell
    ix, iy = int(math.floor(fx)), int(math.floor(fy))
    tx, ty = fx - ix, fy - iy
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
    a, b = hash01(ix, iy, seed), hash01(ix + 1, iy, seed)
    c, d = hash01(ix, iy + 1, seed), hash01(ix + 1, iy + 1, seed)
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty


def shade(colour, factor):
    return tuple(max(0, min(255, int(round(v * factor)))) for v in colour)


def mix(a, b, t):
    return tuple(int(round(p + (q - p) * t)) for p, q in zip(a, b))


def inside_rounded(x, y, left, top, right, bottom, r):
    if x < left or x >= right or y < top or y >= bottom:
        return False
    cx = min(max(x, left + r), right - 1 - r)
    cy = min(max(y, top + r), bottom - 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def paper(x, y, base, seed):
    """A cream paper with a faint mottle and fibre grain."""
    mottle = value_noise(x, y, 40, seed) - 0.5
    grain = hash01(x, y, seed + 7) - 0.5
    return shade(base, 1 + 0.035 * mottle + 0.02 * grain)


# --- 196: the single page -------------------------------------------------------------

CLOTH = (38, 66, 92)
PAGE = (247, 241, 226)
PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM = 44, 8, 631, 472
RING_YS = [48 + i * 35 for i in range(12)]
METAL_LIGHT, METAL_DARK = (232, 234, 238), (112, 116, 124)


def cloth(x, y, base, seed):
    """A woven cloth: fine threads both ways and a soft unevenness of the dye."""
    weave = 0.05 * math.sin(x * 2.1) * math.sin(y * 2.1 + 1.3)
    threads = 0.04 * (math.sin(x * 0.9 + 3 * value_noise(x, y, 9, seed)) + math.sin(y * 0.9))
    dye = 0.16 * (value_noise(x, y, 70, seed + 1) - 0.5)
    return shade(base, 1 + weave + threads + dye)


def ring(x, y):
    """The binder rings: short bars of polished metal from the cover into a page hole."""
    for ry in RING_YS:
        if abs(y - ry) <= 4 and 26 <= x <= 56:
            # Lit from above: a bright line just over the middle, dark at the edges.
            t = (y - ry + 4) / 8.0
            light = math.exp(-((t - 0.35) ** 2) / 0.03)
            return mix(METAL_DARK, METAL_LIGHT, min(1.0, 0.25 + 0.85 * light))
        if (x - 26) ** 2 + (y - ry) ** 2 <= 20:
            return METAL_DARK  # where the ring goes under the cover's edge
    return None


def single_page(x, y):
    r = ring(x, y)
    if r:
        return r
    if inside_rounded(x, y, PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM, 6):
        for ry in RING_YS:  # the punched holes the rings go through
            if (x - 52) ** 2 + (y - ry) ** 2 <= 30:
                return (70, 64, 58)
        p = paper(x, y, PAGE, 11)
        # A hint of the leaves below along the left edge.
        if x < PAGE_LEFT + 3:
            p = shade(p, 0.9)
        return p
    c = cloth(x, y, CLOTH, 5)
    # The page's soft shadow on the cloth, down and to the right.
    if inside_rounded(x - 3, y - 3, PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM, 8):
        c = shade(c, 0.72)
    # Stitched hem round the cover.
    if (x in (5, W - 6) and (y // 4) % 2 == 0 and 5 <= y < H - 5) or (
            y in (4, H - 5) and (x // 4) % 2 == 0 and 5 <= x < W - 5):
        c = mix(c, (200, 186, 140), 0.7)
    return c


# --- 198: the two-page spread ---------------------------------------------------------

LEATHER = (104, 60, 36)
LEAF = (246, 239, 222)
SPINE = W // 2
BOOK_LEFT, BOOK_RIGHT, BOOK_TOP, BOOK_BOTTOM = 6, W - 6, 10, H - 10
RIBBON = (168, 28, 40)


def leather(x, y, base, seed):
    """Leather: a crinkled grain of small cells over a slow variation of the hide."""
    grain = value_noise(x, y, 3.5, seed) - 0.5
    crinkle = abs(value_noise(x, y, 14, seed + 3) - 0.5)
    hide = value_noise(x, y, 90, seed + 9) - 0.5
    return shade(base, 1 + 0.12 * grain - 0.22 * crinkle + 0.2 * hide)


def spread(x, y):
    # The ribbon bookmark hangs out below the pages, with a notched end.
    if SPINE + 6 <= x < SPINE + 16 and BOOK_BOTTOM - 20 <= y < H - 1 - abs(x - (SPINE + 11)) // 2:
        return shade(RIBBON, 0.85 + 0.3 * (x - SPINE - 6) / 10.0)
    inside = BOOK_LEFT <= x < BOOK_RIGHT and BOOK_TOP <= y < BOOK_BOTTOM
    if not inside:
        c = leather(x, y, LEATHER, 21)
        # The book's shadow on the cover.
        if BOOK_LEFT + 4 <= x < BOOK_RIGHT + 4 and BOOK_TOP + 4 <= y < BOOK_BOTTOM + 5:
            c = shade(c, 0.7)
        return c
    # Edges of the leaves stacked under the top ones, at the outer sides and below.
    edge = min(x - BOOK_LEFT, BOOK_RIGHT - 1 - x)
    if edge < 5 and edge % 2 == 1:
        return (196, 186, 166)
    if BOOK_BOTTOM - 1 - y < 4 and (BOOK_BOTTOM - 1 - y) % 2 == 1:
        return (196, 186, 166)
    # The spine: a dark fold with the thread of the binding running along it.
    d = abs(x + 0.5 - SPINE)
    if d < 2:
        if (y // 9) % 2 == 0 and d < 1:
            return (210, 196, 160)
        return (92, 76, 60)
    p = paper(x, y, LEAF, 31 if x < SPINE else 37)
    # The pages curve down into the gutter: darker the closer to the spine.
    if d < 46:
        t = 1 - d / 46.0
        p = shade(p, 1 - 0.32 * t * t)
    # And they catch a little light at the outer edges.
    if edge < 20:
        p = shade(p, 0.96 + 0.002 * edge)
    return p


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write_jpeg_picture("196.jpg", W, H, single_page, ["", os.path.join(out_dir, "196.jpg")], quality=90)
    write_jpeg_picture("198.jpg", W, H, spread, ["", os.path.join(out_dir, "198.jpg")], quality=90)


if __name__ == "__main__":
    main()
