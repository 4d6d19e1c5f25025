#!/usr/bin/env python3
"""Renders the two icon drawings in res/ and writes what the build takes from them.

For the application icon (an icon group resource): res/icons/AppIcon.group (the
group directory) and one image file per size, the 256 px one a PNG, the others
bare bitmaps as an icon resource holds them. The About icon (program data, not a
resource) gets the same files, res/icons/AboutIcon.group and its images, which the
build turns into a byte array. Every render is kept as res/icons/<name>-<size>.png
to look at.

Each drawing holds one layer per pixel grid (px16, px24, px32, px48) and one
"large" layer for the rest; a size is rendered from its own layer only.
Needs rsvg-convert (librsvg2-bin); everything else is the standard library.
"""

import struct
import subprocess
import sys
import tempfile
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
RES = ROOT / "res"
OUT = RES / "icons"
SIZES = (256, 128, 96, 72, 64, 48, 32, 24, 16)  # largest first, as the directory lists them
PIXEL_GRIDS = (16, 24, 32, 48)  # sizes drawn on their own grid
APP_FIRST_ID = 30001
ABOUT_FIRST_ID = 1  # the program looks its images up by id: image n is images[n - 1]
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def layer_of(size):
    return f"px{size}" if size in PIXEL_GRIDS else "large"


def render(svg, size):
    """The drawing's layer for this size as PNG bytes, size x size pixels."""
    with tempfile.NamedTemporaryFile("w", suffix=".css") as css:
        css.write(f".variant {{ display: none !important }} #{layer_of(size)} {{ display: inline !important }}\n")
        css.flush()
        return subprocess.run(
            ["rsvg-convert", "-w", str(size), "-h", str(size), "-s", css.name, str(svg)],
            check=True, capture_output=True).stdout


def png_chunks(data):
    assert data[:8] == PNG_SIGNATURE, "not a PNG"
    pos = 8
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def decode_rgba(data):
    """Rows of straight RGBA bytes from an 8-bit RGBA, non-interlaced PNG (what rsvg-convert writes)."""
    chunks = list(png_chunks(data))
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    assert (depth, colour, interlace) == (8, 6, 0), "expected 8-bit RGBA, not interlaced"
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride, bpp = width * 4, 4
    rows, previous, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = previous[i]
            upper_left = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                line[i] = (line[i] + predictor) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def icon_bitmap(png):
    """The image as an icon resource holds a bitmap: a 40-byte header with the
    height doubled, bottom-up rows of straight BGRA, then the 1-bit AND mask (set
    where the pixel is fully transparent), each mask row padded to 32 bits."""
    width, height, rows = decode_rgba(png)
    colour = bytearray()
    mask = bytearray()
    mask_stride = (width + 31) // 32 * 4
    for row in reversed(rows):
        mask_row = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = row[4 * x:4 * x + 4]
            colour += bytes((b, g, r, a))
            if a == 0:
                mask_row[x // 8] |= 0x80 >> (x % 8)
        mask += mask_row
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + bytes(colour) + bytes(mask)


def group_directory(images, first_id):
    """An icon group directory: a 6-byte header, then one 14-byte entry per image
    ending in the image's resource id; a width or height of 256 is written as 0."""
    data = struct.pack("<HHH", 0, 1, len(images))
    for index, (size, image) in enumerate(images):
        side = 0 if size == 256 else size
        data += struct.pack("<BBBBHHIH", side, side, 0, 0, 1, 32, len(image), first_id + index)
    return data


def icon_images(svg, stem):
    """(size, image bytes) for every size, largest first; keeps each render beside the sources."""
    images = []
    for size in SIZES:
        png = render(svg, size)
        (OUT / f"{stem}-{size}.png").write_bytes(png)
        images.append((size, png if size == 256 else icon_bitmap(png)))
    return images


def write_icon(stem, first_id):
    images = icon_images(RES / f"{stem}.svg", stem)
    for size, image in images:
        if size != 256:  # the 256 px image is the PNG render itself
            (OUT / f"{stem}-{size}.dib").write_bytes(image)
    (OUT / f"{stem}.group").write_bytes(group_directory(images, first_id))


def main():
    OUT.mkdir(exist_ok=True)
    write_icon("AppIcon", APP_FIRST_ID)
    write_icon("AboutIcon", ABOUT_FIRST_ID)
    return 0


if __name__ == "__main__":
    sys.exit(main())
