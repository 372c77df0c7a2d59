#!/usr/bin/env python3
"""Writes the PNG files of tests/data/png with ImageMagick's convert, each from a known pixel
pattern; tests/core/PingTest.cpp checks the decoded pixels against the same patterns.

Run from the repository root: python3 scripts/make_test_pngs.py
"""

import pathlib
import subprocess

OUT = pathlib.Path("tests/data/png")

PALETTE = [(255, 0, 0), (0, 128, 0), (0, 0, 255), (255, 255, 0)]


def grey1(x, y):
    return (255,) * 3 if (x + y) % 3 == 0 else (0,) * 3


def grey2(x, y):
    return (85 * ((x + y) % 4),) * 3


def grey8(x, y):
    return (28 * x + y,) * 3


def four_colours(x, y):
    return PALETTE[(x + 2 * y) % 4]


def rgb(x, y):
    return (40 * x + 10, 60 * y + 5, 200 - 30 * x)


def alpha(x, y):
    return 255 - 100 * x - 50 * y


# name, width, height, pattern, with alpha, convert options
IMAGES = [
    ("grey1_10x3", 10, 3, grey1, False,
     ["-define", "png:color-type=0", "-define", "png:bit-depth=1"]),
    ("grey2_5x2", 5, 2, grey2, False,
     ["-define", "png:color-type=0", "-define", "png:bit-depth=2"]),
    ("grey8_interlaced_9x9", 9, 9, grey8, False,
     ["-interlace", "PNG", "-define", "png:color-type=0", "-define", "png:bit-depth=8"]),
    ("palette2_5x4", 5, 4, four_colours, False,
     ["-define", "png:color-type=3", "-define", "png:bit-depth=2"]),
    ("palette8_6x3", 6, 3, four_colours, False,
     ["-define", "png:color-type=3", "-define", "png:bit-depth=8"]),
    ("rgb8_3x2", 3, 2, rgb, False,
     ["-define", "png:color-type=2", "-define", "png:bit-depth=8"]),
    ("rgb16_interlaced_5x5", 5, 5, rgb, False,
     ["-interlace", "PNG", "-define", "png:color-type=2", "-define", "png:bit-depth=16"]),
    ("rgba8_2x2", 2, 2, rgb, True,
     ["-define", "png:color-type=6", "-define", "png:bit-depth=8"]),
    ("greyalpha8_2x2", 2, 2, grey8, True,
     ["-define", "png:color-type=4", "-define", "png:bit-depth=8"]),
]


def pam(width, height, pattern, with_alpha):
    depth = 4 if with_alpha else 3
    tuple_type = "RGB_ALPHA" if with_alpha else "RGB"
    header = (f"P7\nWIDTH {width}\nHEIGHT {height}\nDEPTH {depth}\nMAXVAL 255\n"
              f"TUPLTYPE {tuple_type}\nENDHDR\n").encode()
    pixels = bytearray()
    for y in range(height):
        for x in range(width):
            pixels += bytes(pattern(x, y))
            if with_alpha:
                pixels.append(alpha(x, y))
    return header + bytes(pixels)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, width, height, pattern, with_alpha, options in IMAGES:
        subprocess.run(["convert", "pam:-", "-strip", *options, f"png:{OUT / name}.png"],
                       input=pam(width, height, pattern, with_alpha), check=True)


if __name__ == "__main__":
    main()
