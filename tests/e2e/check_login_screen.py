"""Checks a window capture of the login screen against the headless picture of the same moment.

Usage: check_login_screen.py WINDOW.ppm REFERENCE.ppm SCALE [LEFT TOP]
LEFT and TOP place the picture in the capture (a fullscreen window centres it). The scene area must match the reference pixel for pixel (sampled at the window's scale), and the
third choice button must be drawn in the button glow colours while the first place stays empty.
"""
import sys

GLOW = {0xCC9922, 0xDDAA33, 0xEEBB44, 0xEECC55, 0xFFDD66, 0xFFEE77, 0xFFFF88}


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6", "not a binary PPM"
    width, height, maxval = int(fields[1]), int(fields[2]), int(fields[3])
    assert maxval == 255
    pixels = data[pos + 1:]
    return width, height, pixels


def pixel(image, x, y):
    width, _, pixels = image
    i = (y * width + x) * 3
    return (pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]


def main():
    window = read_ppm(sys.argv[1])
    reference = read_ppm(sys.argv[2])
    scale = int(sys.argv[3])
    left, top = (int(sys.argv[4]), int(sys.argv[5])) if len(sys.argv) > 5 else (0, 0)
    assert window[0] >= left + 390 * scale and window[1] >= top + 260 * scale, \
        "window smaller than the picture"

    def shown(x, y):  # the window's pixel for picture pixel (x, y)
        return pixel(window, left + x * scale + scale // 2, top + y * scale + scale // 2)

    # The login picture: an area only the scene picture covers.
    differ = sum(1 for y in range(85, 150) for x in range(80, 250)
                 if shown(x, y) != pixel(reference, x, y))
    total = 65 * 170
    print(f"scene area: {total - differ} of {total} pixels match the headless picture")
    assert differ <= total // 100, "the login picture is not on screen"

    def glow_pixels(top):
        return sum(1 for y in range(top, top + 25) for x in range(250, 390) if shown(x, y) in GLOW)

    third, first = glow_pixels(220), glow_pixels(156)
    print(f"button glow pixels: third place {third}, first place {first}")
    assert third >= 150, "the 旅立つ button is not drawn"
    assert first == 0, "a button is drawn where no label was set"
    print("login screen check passed")


if __name__ == "__main__":
    main()
