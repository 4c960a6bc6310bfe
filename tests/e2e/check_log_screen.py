"""Checks a window capture with the message log open over the first questions of a new life.

Usage: check_log_screen.py WINDOW.ppm SCALE
The log's rows (13 pixels apart from y 16, 11 pixels high) must show the earlier lines in their
log colours: the chosen labels marked in the buttons' glow, the question in plain grey and the
pink growth lines, over a scene dimmed to an eighth.
"""
import sys

from check_login_screen import pixel, read_ppm

CHOSEN = 0xFFDD66
PLAIN = 0xCCCCCC
PINK = 0xFF4AA5
TOP, ROW, ROWS, WIDTH = 16, 13, 18, 370


def main():
    window = read_ppm(sys.argv[1])
    scale = int(sys.argv[2])

    def shown(x, y):
        return pixel(window, x * scale + scale // 2, y * scale + scale // 2)

    rows = {CHOSEN: 0, PLAIN: 0, PINK: 0}
    for r in range(ROWS):
        seen = set()
        for y in range(TOP + r * ROW, TOP + r * ROW + 11):
            for x in range(6, 6 + WIDTH):
                seen.add(shown(x, y))
        for colour in rows:
            rows[colour] += colour in seen
    assert rows[CHOSEN] >= 3, f"chosen lines on screen: {rows[CHOSEN]}"
    assert rows[PLAIN] >= 1, f"plain lines on screen: {rows[PLAIN]}"
    assert rows[PINK] >= 2, f"pink lines on screen: {rows[PINK]}"
    # Behind the log the scene is dim: no channel of a pixel away from the text above 0x1F.
    corner = shown(389, 259)
    assert all(((corner >> s) & 0xFF) <= 0x1F for s in (0, 8, 16)), f"scene not dimmed: {corner:06x}"
    print(f"log rows: {rows[CHOSEN]} chosen, {rows[PLAIN]} plain, {rows[PINK]} pink")


if __name__ == "__main__":
    main()
