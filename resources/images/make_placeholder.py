#!/usr/bin/env python3
"""Paints 170.png, the picture shown where a photo cannot be loaded and on an empty
page: a pale card of 350 x 233 with a simple landscape sign (sun and two hills) struck
through. Album pages name its size in the caption of a cell whose photo failed.

    python3 resources/images/make_placeholder.py resources/images/170.png
"""
import math
import sys

from pngwrite import write_picture

W, H = 350, 233
SIGN_W, SIGN_H = 146, 97
S = SIGN_W / 200.0  # the sign was drawn on a 200 x 150 box; its shapes scale with it
BACK = (232, 232, 232)
EDGE = (190, 190, 190)
SIGN = (160, 160, 160)
STRIKE = (200, 90, 90)


def inside_sign(x, y):
    # The sign sits in a box in the middle.
    left, top = (W - SIGN_W) // 2, (H - SIGN_H) // 2
    if not (left <= x < left + SIGN_W and top <= y < top + SIGN_H):
        return None
    u, v = (x - left) / S, (y - top) / S
    if u < 6 or v < 6 or u >= 200 - 6 or v >= SIGN_H / S - 6:
        return EDGE  # the frame of the little picture
    bottom = SIGN_H / S - 6
    if (u - 150) ** 2 + (v - 40) ** 2 <= 18 ** 2:
        return SIGN  # sun
    # Two hills: triangles standing on the bottom edge.
    if v >= bottom - (60 - abs(u - 70)) * 1.4 and abs(u - 70) < 60:
        return SIGN
    if v >= bottom - (45 - abs(u - 140)) * 1.2 and abs(u - 140) < 45:
        return SIGN
    return None


def pixel(x, y):
    if x < 3 or y < 3 or x >= W - 3 or y >= H - 3:
        return EDGE
    # The stroke across the sign, 8 pixels wide, top left to bottom right.
    cx, cy = W / 2, H / 2
    d = abs((x - cx) * SIGN_H - (y - cy) * SIGN_W) / math.hypot(SIGN_H, SIGN_W)
    if d < 4 and abs(x - cx) < SIGN_W / 2 + 7 and abs(y - cy) < SIGN_H / 2 + 5:
        return STRIKE
    s = inside_sign(x, y)
    return s if s else BACK


def main():
    write_picture("170.png", W, H, pixel, sys.argv)


if __name__ == "__main__":
    main()
