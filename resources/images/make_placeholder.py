#!/usr/bin/env python3
"""Paints 170.png, the picture shown where a photo cannot be loaded and on an empty
page: a pale card with a simple landscape sign (sun and two hills) struck through.

    python3 resources/images/make_placeholder.py resources/images/170.png
"""
import math
import sys

from pngwrite import write_picture

W, H = 480, 360
BACK = (232, 232, 232)
EDGE = (190, 190, 190)
SIGN = (160, 160, 160)
STRIKE = (200, 90, 90)


def inside_sign(x, y):
    # The sign sits in a box of 200 x 150 in the middle.
    left, top, w, h = (W - 200) // 2, (H - 150) // 2, 200, 150
    if not (left <= x < left + w and top <= y < top + h):
        return None
    u, v = x - left, y - top
    if u < 6 or v < 6 or u >= w - 6 or v >= h - 6:
        return EDGE  # the frame of the little picture
    if (u - 150) ** 2 + (v - 40) ** 2 <= 18 ** 2:
        return SIGN  # sun
    # Two hills: triangles standing on the bottom edge.
    if v >= h - 6 - (60 - abs(u - 70)) * 1.4 and abs(u - 70) < 60:
        return SIGN
    if v >= h - 6 - (45 - abs(u - 140)) * 1.2 and abs(u - 140) < 45:
        return SIGN
    return None


def pixel(x, y):
    if x < 4 or y < 4 or x >= W - 4 or y >= H - 4:
        return EDGE
    # The stroke across the sign, 10 pixels wide, top left to bottom right.
    cx, cy = W / 2, H / 2
    d = abs((x - cx) * 150 - (y - cy) * 200) / math.hypot(150, 200)
    if d < 5 and abs(x - cx) < 110 and abs(y - cy) < 85:
        return STRIKE
    s = inside_sign(x, y)
    return s if s else BACK


def main():
    write_picture("170.png", W, H, pixel, sys.argv)


if __name__ == "__main__":
    main()
