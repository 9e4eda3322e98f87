#!/usr/bin/env python3
"""Paints the wizard's banner and icons:

  191        the banner across each page, 900 x 60: photos fanned out on a dusk sky
  204 to 206 the start page's buttons: a photo album, a folder of photos, photos added
  207, 208   the template page's buttons: more layouts, the image list
  209, 210   the finish page's advanced options (sliders) and check-again (a turning arrow)
  178, 198, 211  the printer verdicts: paper problem, border advice, ready
  139 to 141 the print quality: fine, a photo short of resolution, a photo not loaded

Icons are 32 x 32 (the start page's 48 x 48, the quality pictures 40 x 40) with
alpha, smoothed by sampling every pixel 4 x 4 times.

    python3 resources/images/make_wizard_icons.py resources/images/wizard
"""
import math
import os
import sys

from pngwrite import png

SS = 4  # samples across a pixel


class Icon:
    """A picture drawn in a w x h grid of units, each unit scale pixels across."""

    def __init__(self, w, h, back=None, scale=1):
        self.scale = scale
        w, h = int(round(w * scale)), int(round(h * scale))
        self.w, self.h = w, h
        self.px = [[(back or (0, 0, 0)) + ((255,) if back else (0,)) for _ in range(w)] for _ in range(h)]

    def fill(self, inside, colour, alpha=255):
        """Lays colour over every pixel by the share of its samples inside the shape."""
        for y in range(self.h):
            for x in range(self.w):
                hits = 0
                for j in range(SS):
                    for i in range(SS):
                        if inside((x + (i + 0.5) / SS) / self.scale, (y + (j + 0.5) / SS) / self.scale):
                            hits += 1
                if hits:
                    self.over(x, y, colour, alpha * hits / (SS * SS))

    def over(self, x, y, colour, a):
        r, g, b, da = self.px[y][x]
        sa = a / 255.0
        db = da / 255.0
        oa = sa + db * (1 - sa)
        if oa <= 0:
            return
        mix = [int(round((c * sa + d * db * (1 - sa)) / oa)) for c, d in zip(colour, (r, g, b))]
        self.px[y][x] = (mix[0], mix[1], mix[2], int(round(oa * 255)))

    def write(self, path, alpha=True):
        rows = self.px if alpha else [[p[:3] for p in row] for row in self.px]
        with open(path, "wb") as f:
            f.write(png(self.w, self.h, rows, alpha=alpha))


# Shapes: functions of a point that say whether it lies inside.
def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r0, r1, a0=0.0, a1=360.0):
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if not r0 <= d <= r1:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return a0 <= a <= a1 if a0 <= a1 else a >= a0 or a <= a1
    return inside


def polygon(points):
    def inside(x, y):
        n, hit = len(points), False
        for k in range(n):
            (ax, ay), (bx, by) = points[k], points[(k + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def stroke(points, width):
    def inside(x, y):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy or 1)))
            if math.hypot(x - (ax + t * dx), y - (ay + t * dy)) <= width / 2:
                return True
        return False
    return inside


def landscape(icon, x0, y0, x1, y1, sky=(110, 170, 235), ground=(70, 140, 60)):
    """A small photo: white border, sky, sun and a hill."""
    icon.fill(rect(x0, y0, x1, y1), (255, 255, 255))
    icon.fill(rect(x0, y0, x1, y1), (90, 90, 90), 90)
    icon.fill(rect(x0 + 0.7, y0 + 0.7, x1 - 0.7, y1 - 0.7), (255, 255, 255))
    ix0, iy0, ix1, iy1 = x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5
    icon.fill(rect(ix0, iy0, ix1, iy1), sky)
    w, h = ix1 - ix0, iy1 - iy0
    icon.fill(lambda x, y: ix0 <= x < ix1 and iy0 <= y < iy1 and
              y > iy0 + h * (0.62 + 0.12 * math.sin((x - ix0) / w * 5.0)), ground)
    icon.fill(circle(ix0 + 0.72 * w, iy0 + 0.3 * h, 0.12 * min(w, h) + 0.5), (250, 205, 60))


def folder():
    i = Icon(32, 32, scale=1.5)
    i.fill(rounded(2, 6, 14, 12, 1.5), (214, 160, 40))
    i.fill(rounded(2, 9, 30, 27, 2), (214, 160, 40))
    landscape(i, 7, 4, 27, 18)
    i.fill(polygon([(2, 13), (30, 13), (28.5, 28), (3.5, 28)]), (246, 196, 70))
    i.fill(stroke([(4, 15), (28, 15)], 1), (255, 226, 140))
    return i


def add_photos():
    i = Icon(32, 32, scale=1.5)
    landscape(i, 2, 4, 20, 18, sky=(240, 150, 90), ground=(90, 60, 80))
    landscape(i, 8, 10, 27, 25)
    i.fill(circle(24, 24, 7), (40, 150, 60))
    i.fill(rect(20, 23, 28, 25), (255, 255, 255))
    i.fill(rect(23, 20, 25, 28), (255, 255, 255))
    return i


def album():
    i = Icon(32, 32, scale=1.5)
    i.fill(rounded(5, 3, 28, 29, 2), (120, 40, 40))
    i.fill(rect(5, 3, 9, 29), (90, 25, 25))
    for y in (7, 12, 17, 22):
        i.fill(rounded(3, y, 8, y + 2, 1), (200, 200, 205))
    landscape(i, 12, 8, 25, 19)
    i.fill(rect(12, 22, 25, 23.2), (230, 200, 150))
    i.fill(rect(14, 25, 23, 26), (230, 200, 150))
    return i


def layouts():
    i = Icon(32, 32)
    i.fill(rect(6, 2, 27, 30), (120, 120, 120))
    i.fill(rect(7, 3, 26, 29), (255, 255, 255))
    colours = [(110, 170, 235), (240, 150, 90), (70, 140, 60), (200, 170, 230)]
    cells = [(8.5, 4.5, 16, 15), (17, 4.5, 24.5, 15), (8.5, 16, 16, 27.5), (17, 16, 24.5, 27.5)]
    for c, (x0, y0, x1, y1) in zip(colours, cells):
        i.fill(rect(x0, y0, x1, y1), c)
    return i


def image_list():
    i = Icon(32, 32)
    i.fill(rounded(2, 3, 30, 29, 2), (250, 250, 250))
    i.fill(lambda x, y: rounded(2, 3, 30, 29, 2)(x, y) and not rounded(3, 4, 29, 28, 1.5)(x, y), (120, 120, 120))
    skies = [(110, 170, 235), (240, 150, 90), (150, 200, 240)]
    for k, y in enumerate((6, 13, 20)):
        landscape(i, 5, y, 13, y + 6, sky=skies[k])
        i.fill(rect(15, y + 1.5, 27, y + 2.7), (80, 80, 80))
        i.fill(rect(15, y + 3.8, 23, y + 4.8), (150, 150, 150))
    return i


def sliders():
    i = Icon(32, 32)
    for y, knob in ((8, 20), (16, 10), (24, 23)):
        i.fill(rounded(3, y - 1.2, 29, y + 1.2, 1.2), (120, 120, 130))
        i.fill(rounded(knob - 3, y - 4, knob + 3, y + 4, 1.5), (50, 90, 170))
        i.fill(rect(knob - 1.5, y - 2.5, knob + 1.5, y + 2.5), (120, 160, 230))
    return i


def turning_arrow():
    i = Icon(32, 32)
    i.fill(ring(16, 16, 8, 12, 60, 350), (40, 110, 190))
    # The arrow head at the ring's end, pointing on round the circle.
    a = math.radians(60)
    tx, ty = 16 + 10 * math.cos(a), 16 - 10 * math.sin(a)
    i.fill(polygon([(tx - 6, ty - 3.5), (tx + 5.5, ty - 3.5), (tx - 0.5, ty + 5.5)]), (40, 110, 190))
    return i


def warning():
    i = Icon(32, 32)
    i.fill(polygon([(16, 2), (31, 29), (1, 29)]), (150, 40, 20))
    i.fill(polygon([(16, 4.5), (29, 27.5), (3, 27.5)]), (240, 80, 40))
    i.fill(polygon([(14.5, 10), (17.5, 10), (16.8, 21), (15.2, 21)]), (255, 255, 255))
    i.fill(circle(16, 24.5, 1.8), (255, 255, 255))
    return i


def information():
    i = Icon(32, 32)
    i.fill(circle(16, 16, 14.5), (30, 80, 160))
    i.fill(circle(16, 16, 13), (60, 120, 210))
    i.fill(circle(16, 9, 2.2), (255, 255, 255))
    i.fill(rounded(14, 13, 18, 25, 1), (255, 255, 255))
    i.fill(rect(12, 23, 20, 25), (255, 255, 255))
    return i


def ready():
    i = Icon(32, 32)
    i.fill(circle(16, 16, 14.5), (20, 110, 40))
    i.fill(circle(16, 16, 13), (50, 160, 70))
    i.fill(stroke([(9, 16.5), (14, 21.5), (23.5, 10.5)], 3.6), (255, 255, 255))
    return i


def quality(mark):
    i = Icon(40, 40)
    landscape(i, 2, 6, 32, 30)
    if mark == "fine":
        i.fill(circle(30, 30, 9), (20, 110, 40))
        i.fill(circle(30, 30, 8), (50, 160, 70))
        i.fill(stroke([(25.5, 30.5), (29, 34), (35, 26.5)], 2.6), (255, 255, 255))
    elif mark == "low":
        i.fill(polygon([(30, 20), (39.5, 38), (20.5, 38)]), (160, 120, 0))
        i.fill(polygon([(30, 22.2), (37.8, 37), (22.2, 37)]), (250, 200, 30))
        i.fill(polygon([(29, 26), (31, 26), (30.6, 32.5), (29.4, 32.5)]), (60, 40, 0))
        i.fill(circle(30, 34.7, 1.2), (60, 40, 0))
    else:
        i.fill(circle(30, 30, 9), (140, 20, 20))
        i.fill(circle(30, 30, 8), (210, 40, 40))
        i.fill(stroke([(26.5, 26.5), (33.5, 33.5)], 2.6), (255, 255, 255))
        i.fill(stroke([(33.5, 26.5), (26.5, 33.5)], 2.6), (255, 255, 255))
    return i


def banner():
    w, h = 900, 60
    b = Icon(w, h)
    # A dusk sky that stays the same from x = 640 on, so a wider page only stretches it.
    for y in range(h):
        for x in range(w):
            t = min(x, 640) / 640.0
            v = y / (h - 1)
            top = (30 + 20 * t, 60 + 50 * t, 120 + 60 * t)
            low = (190 - 60 * t, 120 + 20 * t, 110 + 60 * t)
            b.px[y][x] = tuple(int(a + (c - a) * v) for a, c in zip(top, low)) + (255,)
    # Photos fanned out at the left, each tilted a little.
    cards = [(14, 10, -8, (240, 150, 90), (90, 60, 80)), (52, 6, 5, (110, 170, 235), (70, 140, 60)),
             (92, 11, -3, (150, 200, 240), (40, 110, 150)), (130, 7, 9, (200, 170, 230), (60, 120, 90))]
    for cx, cy, tilt, sky, ground in cards:
        a = math.radians(tilt)
        ca, sa = math.cos(a), math.sin(a)
        cw, ch = 44, 34
        ox, oy = cx + cw / 2, cy + ch / 2

        def local(x, y):
            dx, dy = x - ox, y - oy
            return dx * ca + dy * sa + cw / 2, -dx * sa + dy * ca + ch / 2

        def card(x, y):
            u, v = local(x, y)
            return 0 <= u < cw and 0 <= v < ch

        def shadow(x, y):
            return card(x - 2, y - 2)

        region = (max(0, int(cx - 12)), max(0, int(cy - 12)), min(w, int(cx + cw + 14)), min(h, int(cy + ch + 14)))
        sub = Icon(region[2] - region[0], region[3] - region[1])
        sub.px = [row[region[0]:region[2]] for row in b.px[region[1]:region[3]]]

        def at(f):
            return lambda x, y: f(x + region[0], y + region[1])

        sub.fill(at(shadow), (0, 0, 0), 90)
        sub.fill(at(card), (252, 252, 248))

        def photo_pixel(x, y, sky=sky, ground=ground):
            u, v = local(x, y)
            return 3 <= u < cw - 3 and 3 <= v < ch - 3

        sub.fill(at(lambda x, y: photo_pixel(x, y) and local(x, y)[1] - 3 <= (ch - 6) * 0.62 +
                    4 * math.sin(local(x, y)[0] / 6.0)), sky)
        sub.fill(at(lambda x, y: photo_pixel(x, y) and local(x, y)[1] - 3 > (ch - 6) * 0.62 +
                    4 * math.sin(local(x, y)[0] / 6.0)), ground)
        sub.fill(at(lambda x, y: photo_pixel(x, y) and (local(x, y)[0] - 30) ** 2 +
                    (local(x, y)[1] - 11) ** 2 < 16), (250, 205, 60))
        for j, row in enumerate(sub.px):
            b.px[region[1] + j][region[0]:region[2]] = row
    return b


def main(argv):
    out = argv[1] if len(argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    icons = {204: album, 205: folder, 206: add_photos, 207: layouts, 208: image_list, 209: sliders,
             210: turning_arrow, 178: warning, 198: information, 211: ready,
             139: lambda: quality("fine"), 141: lambda: quality("low"), 140: lambda: quality("failed")}
    for number, make in sorted(icons.items()):
        make().write(os.path.join(out, "%d.png" % number))
    banner().write(os.path.join(out, "191.png"), alpha=False)


if __name__ == "__main__":
    main(sys.argv)
