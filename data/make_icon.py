#!/usr/bin/env python3
"""Draws umrak's yin-yang icon and writes umrak.ico, umrak.png, umrak.rgba and umrak.svg.

The .ico is what Windows shows for the program file: one 32x32 image with a
16-colour palette and a 1-bit transparency mask.  The PNG carries the same
pixels for the hicolor theme, and the .rgba the same again as plain bytes
(red, green, blue, alpha; rows from the top) for the window, which shows
them without decoding anything; the SVG draws the same geometry without
pixels.  Only the standard library is used, so anyone can re-run it:

    python3 data/make_icon.py            # rewrite the three files here
    python3 data/make_icon.py --check    # fail if they are out of date
"""

import argparse
import pathlib
import struct
import sys
import zlib

SIZE = 32
CENTRE = SIZE / 2
# The disc leaves a pixel of air on every side so its rim is not cut flat by
# the image border.
RADIUS = 15.0
DOT = RADIUS / 5
# The black outline is one pixel wide at 32x32; the SVG draws it the same.
RIM = 1.0
SUBSAMPLES = 16

# The standard Windows 16-colour palette, so the icon looks the same in any
# viewer that maps 4-bit indices to the system colours.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# The greys of that palette, used to soften the edges inside the disc.
GREYS = {0: 0, 128: 8, 192: 7, 255: 15}


def inside(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def whiteness(x, y):
    """1.0 where the symbol is white, 0.0 where black, None off the disc."""
    if not inside(x, y, CENTRE, CENTRE, RADIUS):
        return None
    upper = CENTRE - RADIUS / 2
    lower = CENTRE + RADIUS / 2
    if inside(x, y, CENTRE, upper, DOT):
        return 1.0
    if inside(x, y, CENTRE, lower, DOT):
        return 0.0
    if inside(x, y, CENTRE, upper, RADIUS / 2):
        return 0.0
    if inside(x, y, CENTRE, lower, RADIUS / 2):
        return 1.0
    return 0.0 if x >= CENTRE else 1.0


def pixel(col, row):
    """Palette index of one pixel, or None where it is transparent.

    The mask has one bit, so the outer edge cannot blend into the ground: a
    pixel is opaque when at least half of it lies on the disc.  Inside the
    disc, the halves and dots are softened with the palette's two greys.
    """
    covered = 0
    white = 0.0
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            w = whiteness(col + (sx + 0.5) / SUBSAMPLES, row + (sy + 0.5) / SUBSAMPLES)
            if w is not None:
                covered += 1
                white += w
    if covered * 2 < SUBSAMPLES * SUBSAMPLES:
        return None
    level = 255 * white / covered
    nearest = min(GREYS, key=lambda grey: abs(grey - level))
    return GREYS[nearest]


def on_edge(image, col, row):
    for dc, dr in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        c, r = col + dc, row + dr
        if not (0 <= c < SIZE and 0 <= r < SIZE) or image[r][c] is None:
            return True
    return False


def render():
    """The icon as rows of palette indices, None for transparent pixels.

    Every opaque pixel next to a transparent one is drawn black: a rim one
    pixel wide, so the white half stays visible on a white panel and the
    outline is crisp where it cannot be smoothed.
    """
    disc = [[pixel(col, row) for col in range(SIZE)] for row in range(SIZE)]
    return [[0 if p is not None and on_edge(disc, col, row) else p
             for col, p in enumerate(line)] for row, line in enumerate(disc)]


def ico_bytes(image):
    xor_rows = []
    and_rows = []
    for row in reversed(image):  # DIB rows run bottom-up
        nibbles = [0 if p is None else p for p in row]
        xor_rows.append(bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, SIZE, 2)))
        bits = 0
        for p in row:
            bits = bits << 1 | (p is None)
        and_rows.append(bits.to_bytes(SIZE // 8, "big"))
    xor_mask = b"".join(xor_rows)
    and_mask = b"".join(and_rows)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    # The height counts both masks, as in every icon DIB.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(xor_mask) + len(and_mask), 0, 0, 0, 0)
    dib = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(dib), 6 + 16)
    return directory + entry + dib


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data)))


def rgba_row(row):
    return b"".join(bytes((0, 0, 0, 0)) if p is None else bytes(PALETTE[p] + (255,)) for p in row)


def rgba_bytes(image):
    return b"".join(rgba_row(row) for row in image)


def png_scanlines(image):
    # Each row starts with its filter type, None.
    return b"".join(b"\0" + rgba_row(row) for row in image)


def png_bytes(image):
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(png_scanlines(image), 9))
            + png_chunk(b"IEND", b""))


def svg_text():
    r = RADIUS
    h = RADIUS / 2
    c = CENTRE
    rim = RADIUS - RIM / 2

    def n(value):
        return f"{value:g}"

    # The black half: the right semicircle, less the lower small circle, plus
    # the upper one; each dot takes the colour of the other half.
    black = (f"M{n(c)},{n(c - r)} A{n(r)},{n(r)} 0 0 1 {n(c)},{n(c + r)} "
             f"A{n(h)},{n(h)} 0 0 0 {n(c)},{n(c)} "
             f"A{n(h)},{n(h)} 0 0 1 {n(c)},{n(c - r)} Z")
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}">\n'
        "  <title>umrak</title>\n"
        f'  <circle cx="{n(c)}" cy="{n(c)}" r="{n(r)}" fill="#ffffff"/>\n'
        f'  <path d="{black}" fill="#000000"/>\n'
        f'  <circle cx="{n(c)}" cy="{n(c - h)}" r="{n(DOT)}" fill="#ffffff"/>\n'
        f'  <circle cx="{n(c)}" cy="{n(c + h)}" r="{n(DOT)}" fill="#000000"/>\n'
        f'  <circle cx="{n(c)}" cy="{n(c)}" r="{n(rim)}" fill="none" '
        f'stroke="#000000" stroke-width="{n(RIM)}"/>\n'
        "</svg>\n"
    )


def png_pixels(data):
    """IHDR and decompressed IDAT of a PNG, which do not depend on zlib's build."""
    chunks = {}
    pos = 8
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        chunks[kind] = chunks.get(kind, b"") + data[pos + 8:pos + 8 + length]
        pos += 12 + length
    return chunks.get(b"IHDR"), zlib.decompress(chunks.get(b"IDAT", b""))


def outputs():
    image = render()
    return {
        "umrak.ico": ico_bytes(image),
        "umrak.png": png_bytes(image),
        "umrak.rgba": rgba_bytes(image),
        "umrak.svg": svg_text().encode("utf-8"),
    }


def check(folder):
    stale = []
    for name, data in outputs().items():
        path = folder / name
        if not path.exists():
            stale.append(name)
            continue
        stored = path.read_bytes()
        same = png_pixels(stored) == png_pixels(data) if name.endswith(".png") else stored == data
        if not same:
            stale.append(name)
    for name in stale:
        print(f"{folder / name} is out of date; re-run {pathlib.Path(__file__).name}",
              file=sys.stderr)
    return 1 if stale else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", type=pathlib.Path, default=pathlib.Path(__file__).parent,
                        help="where the icon files are (default: beside this script)")
    parser.add_argument("--check", action="store_true",
                        help="compare the files in --dir with a fresh drawing instead of writing")
    args = parser.parse_args()
    if args.check:
        return check(args.dir)
    for name, data in outputs().items():
        (args.dir / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
