"""Checks a window capture of the options screen: its box is drawn over the picture, its title in
the title colour, and the picture around it is dimmed.

Usage: check_options_screen.py WINDOW.ppm SCALE
"""
import sys

from check_login_screen import pixel, read_ppm

BOX_EDGE = 0x8A7A50
TITLE = 0xFFDD66


def main():
    window = read_ppm(sys.argv[1])
    scale = int(sys.argv[2])

    def shown(x, y):  # the window's pixel for picture pixel (x, y)
        return pixel(window, x * scale + scale // 2, y * scale + scale // 2)

    picture = [(x, y) for y in range(260) for x in range(390)]
    edge = sum(1 for x, y in picture if shown(x, y) == BOX_EDGE)
    title = sum(1 for x, y in picture if shown(x, y) == TITLE)
    # Left of the box (x < 45) nothing is brighter than an eighth.
    bright = sum(1 for y in range(260) for x in range(0, 44)
                 if max((shown(x, y) >> s) & 0xFF for s in (0, 8, 16)) > 0x20)
    print(f"options screen: {edge} box edge pixels, {title} title pixels, "
          f"{bright} bright pixels beside the box")
    assert edge >= 900, "the options box is not drawn"
    assert title >= 20, "the options title is not drawn"
    assert bright == 0, "the picture beside the box is not dimmed"
    print("options screen check passed")


if __name__ == "__main__":
    main()
