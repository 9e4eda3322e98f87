#!/usr/bin/env python3
"""Paints 302.png, the 3D slide mount of the slide index sheets: a card mount with
rounded corners, a bevelled edge, one large window pressed into it and small rivets
along its long sides. Index sheets stretch it over every cell and lay the photo over
the window, so mostly the card border shows around the photo.

    python3 resources/images/make_slide_mount.py resources/images/302.png
"""
import sys

from pngwrite import write_picture

W, H = 440, 360
PAGE = (255, 255, 255)      # outside the rounded corners: the white page
CARD = (206, 202, 194)      # the card
EDGE = (128, 124, 118)      # its outline
LIGHT = (232, 229, 223)     # bevel catching the light (top and left)
SHADE = (168, 164, 157)     # bevel in shadow (bottom and right)
WINDOW = (58, 58, 62)       # the two film windows
RIM = (96, 94, 92)          # the windows' inner rim
RIVET = (150, 146, 140)

RADIUS = 16
BEVEL = 5
# The window lies inside the part the photo covers (8.5 % in from the sides, 5.5 %
# from top and bottom), so the white behind a photo hides it whole.
WIN_LEFT, WIN_RIGHT = 40, W - 40
WINDOWS = [(22, H - 22)]


def inside_rounded(x, y, left, top, right, bottom, r):
    if x < left or x >= right or y < top or y >= bottom:
        return False
    cx = min(max(x, left + r), right - 1 - r)
    cy = min(max(y, top + r), bottom - 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def pixel(x, y):
    if not inside_rounded(x, y, 0, 0, W, H, RADIUS):
        return PAGE
    if not inside_rounded(x, y, 2, 2, W - 2, H - 2, RADIUS - 2):
        return EDGE
    for top, bottom in WINDOWS:
        if inside_rounded(x, y, WIN_LEFT, top, WIN_RIGHT, bottom, 6):
            if not inside_rounded(x, y, WIN_LEFT + 3, top + 3, WIN_RIGHT - 3, bottom - 3, 4):
                return RIM
            return WINDOW
        # Bevel round each window: shaded above and left, lit below and right (pressed in).
        if inside_rounded(x, y, WIN_LEFT - 4, top - 4, WIN_RIGHT + 4, bottom + 4, 9):
            return SHADE if (x - WIN_LEFT) + (y - top) < (WIN_RIGHT - x) + (bottom - y) else LIGHT
    # Rivets along the sides, in the border that stays visible.
    for ry in range(40, H - 30, 56):
        for rx in (18, W - 19):
            if (x - rx) ** 2 + (y - ry) ** 2 <= 9:
                return RIVET
    # The card's own bevel: lit on the top and left, shaded on the bottom and right.
    if not inside_rounded(x, y, 2 + BEVEL, 2 + BEVEL, W - 2 - BEVEL, H - 2 - BEVEL, RADIUS - 2 - BEVEL):
        return LIGHT if min(x, y) < min(W - 1 - x, H - 1 - y) else SHADE
    return CARD


def main():
    write_picture("302.png", W, H, pixel, sys.argv)


if __name__ == "__main__":
    main()
