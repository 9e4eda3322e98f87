#!/usr/bin/env python3
"""Paints the crop illustrations 167 to 177 of the layout setup sheet: a photo laid
over a slot, the parts auto-crop may cut away pale and hatched beyond the slot's edge.
167 shows auto-crop off: the whole photo fitted inside the slot with gaps.

    python3 resources/images/make_crop_pictures.py resources/images
"""
import math
import os
import sys

from pngwrite import png

W, H = 120, 90
SLOT = (22, 17, 98, 73)  # left, top, right, bottom (exclusive)
REACH = 14               # how far a croppable side of the photo reaches past the slot
BACK = (236, 236, 232)
FRAME = (40, 40, 40)
CUT = (200, 40, 40)

# (top, bottom, left, right) may be cut, for each picture.
PICTURES = {
    168: (False, True, True, False), 169: (False, True, True, True), 171: (False, True, False, True),
    172: (True, True, True, False), 173: (True, True, True, True), 174: (True, True, False, True),
    175: (True, False, True, False), 176: (True, False, True, True), 177: (True, False, False, True),
}


def scene(u, v):
    """A small landscape over the unit square: sky, sun, two hills."""
    if (u - 0.75) ** 2 + (v - 0.25) ** 2 < 0.012:
        return (250, 205, 60)
    hill = 0.62 + 0.12 * math.sin(u * 5.0) + 0.05 * math.cos(u * 11.0)
    if v > hill:
        g = int(150 - 60 * (v - hill))
        return (70, max(g, 80), 60)
    s = int(130 + 100 * v)
    return (s - 40, s, 235)


def pale(c):
    return tuple(int(0.45 * x + 0.55 * 255) for x in c)


def picture(cuts):
    top, bottom, left, right = cuts
    sl, st, sr, sb = SLOT
    pl = sl - (REACH if left else 0)
    pt = st - (REACH if top else 0)
    pr = sr + (REACH if right else 0)
    pb = sb + (REACH if bottom else 0)

    def pixel(x, y):
        on_frame = (sl - 1 <= x <= sr and st - 1 <= y <= sb) and (x in (sl - 1, sr) or y in (st - 1, sb))
        in_slot = sl <= x < sr and st <= y < sb
        in_photo = pl <= x < pr and pt <= y < pb
        # The slot's edge is dashed red where the photo is cut.
        dashed = ((x in (sl - 1, sr) and (left if x == sl - 1 else right)) or
                  (y in (st - 1, sb) and (top if y == st - 1 else bottom))) and (x + y) % 6 < 3
        if on_frame:
            return CUT if dashed else FRAME
        if in_photo:
            c = scene((x - pl) / (pr - pl), (y - pt) / (pb - pt))
            if in_slot:
                return c
            return CUT if (x - y) % 7 == 0 else pale(c)
        return BACK

    return pixel


def fitted():
    sl, st, sr, sb = SLOT
    # A photo as tall as the slot and narrower: white gaps left and right.
    w = (sb - st) * 3 // 4 + 10
    pl = sl + ((sr - sl) - w) // 2
    pr = pl + w

    def pixel(x, y):
        if (sl - 1 <= x <= sr and st - 1 <= y <= sb) and (x in (sl - 1, sr) or y in (st - 1, sb)):
            return FRAME
        if sl <= x < sr and st <= y < sb:
            if pl <= x < pr:
                return scene((x - pl) / (pr - pl), (y - st) / (sb - st))
            return (255, 255, 255)
        return BACK

    return pixel


def main(argv):
    out = argv[1] if len(argv) > 1 else "."
    jobs = dict((n, picture(c)) for n, c in PICTURES.items())
    jobs[167] = fitted()
    for number, pixel in sorted(jobs.items()):
        rows = [[pixel(x, y) for x in range(W)] for y in range(H)]
        with open(os.path.join(out, "%d.png" % number), "wb") as f:
            f.write(png(W, H, rows))


if __name__ == "__main__":
    main(sys.argv)
