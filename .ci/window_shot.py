#!/usr/bin/python3
"""Waits for umrak's window on the X display, saves it as a PNG and checks
that it shows the form, then closes it as its close button does.

    window_shot.py SHOT.png [SECONDS]

The window counts as shown once it holds the form's light red ground, the
light yellow of the date boxes, the green of the borrow buttons and dark
text; a blank, black or half-drawn window never does within SECONDS
(default 60). Exit status 0 when it does, 1 otherwise.
"""

import struct
import sys
import time
import zlib

from Xlib import X, display
from Xlib.protocol import event

# Colour and the fewest pixels of it that the whole form shows.
EXPECTED = {
    "light red ground": ((255, 128, 128), 100000),
    "light yellow date boxes": ((255, 255, 128), 3000),
    "green borrow buttons": ((0, 255, 0), 1000),
}
DARK_TEXT = 1000  # pixels darker than 64 in every channel


def find_window(d):
    """The viewable top-level window whose class is umrak, or None."""
    for window in d.screen().root.query_tree().children:
        try:
            wm_class = window.get_wm_class()
            viewable = window.get_attributes().map_state == X.IsViewable
        except Exception:  # the window went away meanwhile
            continue
        if viewable and wm_class and "umrak" in (name.lower() for name in wm_class):
            return window
    return None


def rgb_of(window):
    geometry = window.get_geometry()
    width, height = geometry.width, geometry.height
    image = window.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF)
    # 24-bit depth comes as 32 bits a pixel, blue first.
    data = image.data
    rgb = bytearray(width * height * 3)
    rgb[0::3] = data[2::4]
    rgb[1::3] = data[1::4]
    rgb[2::3] = data[0::4]
    return width, height, bytes(rgb)


def counts(rgb):
    pixels = [rgb[i : i + 3] for i in range(0, len(rgb), 3)]
    found = {}
    for name, (colour, _) in EXPECTED.items():
        found[name] = pixels.count(bytes(colour))
    found["dark text"] = sum(1 for p in pixels if max(p) < 64)
    return found


def shows_form(found):
    return (
        all(found[name] >= least for name, (_, least) in EXPECTED.items())
        and found["dark text"] >= DARK_TEXT
    )


def write_png(path, width, height, rgb):
    def chunk(kind, body):
        return (
            struct.pack(">I", len(body))
            + kind
            + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
        )

    stride = width * 3
    raw = b"".join(b"\0" + rgb[y * stride : (y + 1) * stride] for y in range(height))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def close(d, window):
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    message = event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])
    )
    window.send_event(message)
    d.flush()


def main():
    shot = sys.argv[1]
    deadline = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) > 2 else 60)
    d = display.Display()
    window = None
    found = {}
    while time.monotonic() < deadline:
        window = window or find_window(d)
        if window:
            width, height, rgb = rgb_of(window)
            found = counts(rgb)
            if shows_form(found):
                break
        time.sleep(0.5)
    if not window:
        print("window_shot: no umrak window appeared", file=sys.stderr)
        return 1
    write_png(shot, width, height, rgb)
    summary = ", ".join(f"{name} {number}" for name, number in found.items())
    print(f"window_shot: {width}x{height} window saved to {shot}: {summary}")
    if not shows_form(found):
        print("window_shot: the window does not show the form", file=sys.stderr)
        return 1
    close(d, window)
    return 0


if __name__ == "__main__":
    sys.exit(main())
