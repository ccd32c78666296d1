#!/usr/bin/env python3
"""Turns quelvan's pixel maps (res/*.txt) into the icon and the toolbar strip.

    make_images.py icon  OUT.ico  MAP...   one icon image per map, in the order given
    make_images.py strip OUT.bmp  MAP      the map's images side by side, the first at the left

A pixel map is plain text:

    # a comment
    size 16 15              width and height of every image in the file
    colour K black          one legend line per character used
    colour . transparent    (icons only: drawn through the AND mask)
    image  any label        starts an image; its rows follow, one character a pixel

Colours are the 16 standard ones, written with their usual names; both
outputs are 4 bits per pixel with these 16 colours as the palette, in this order.
Only the standard library is used, so the build needs nothing but python3.
"""

import struct
import sys

PALETTE = [
    ("black", (0, 0, 0)),
    ("maroon", (128, 0, 0)),
    ("green", (0, 128, 0)),
    ("olive", (128, 128, 0)),
    ("navy", (0, 0, 128)),
    ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)),
    ("silver", (192, 192, 192)),
    ("gray", (128, 128, 128)),
    ("red", (255, 0, 0)),
    ("lime", (0, 255, 0)),
    ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)),
    ("fuchsia", (255, 0, 255)),
    ("aqua", (0, 255, 255)),
    ("white", (255, 255, 255)),
]
INDEX = {name: i for i, (name, _) in enumerate(PALETTE)}
TRANSPARENT = -1


class MapError(Exception):
    pass


def read_map(path):
    """Returns (width, height, images); an image is a list of rows of palette
    indexes (TRANSPARENT for a see-through pixel), top row first."""
    width = height = None
    legend = {}
    images = []
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            where = "%s:%d" % (path, number)
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            words = line.split()
            if words[0] == "size" and len(words) == 3:
                width, height = int(words[1]), int(words[2])
            elif words[0] == "colour" and len(words) == 3 and len(words[1]) == 1:
                if words[2] == "transparent":
                    legend[words[1]] = TRANSPARENT
                elif words[2] in INDEX:
                    legend[words[1]] = INDEX[words[2]]
                else:
                    raise MapError("%s: unknown colour %r" % (where, words[2]))
            elif words[0] == "image":
                if width is None:
                    raise MapError("%s: 'size' must come before the first image" % where)
                images.append([])
            else:
                if not images:
                    raise MapError("%s: pixel row before the first 'image' line" % where)
                row = line.strip()
                if len(row) != width:
                    raise MapError("%s: row is %d pixels wide, not %d" % (where, len(row), width))
                if len(images[-1]) == height:
                    raise MapError("%s: image has more than %d rows" % (where, height))
                try:
                    images[-1].append([legend[c] for c in row])
                except KeyError as e:
                    raise MapError("%s: character %s is not in the legend" % (where, e))
    if not images:
        raise MapError("%s: no image" % path)
    for i, image in enumerate(images):
        if len(image) != height:
            raise MapError("%s: image %d has %d rows, not %d" % (path, i, len(image), height))
    return width, height, images


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)


def pack_4bpp(rows):
    """Bottom-up rows of 4-bit indexes, each padded to a multiple of 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for i in range(0, len(row), 2):
            hi = max(row[i], 0)
            lo = max(row[i + 1], 0) if i + 1 < len(row) else 0
            line.append(hi << 4 | lo)
        line.extend(b"\0" * (-len(line) % 4))
        out += line
    return bytes(out)


def pack_mask(rows):
    """Bottom-up rows of the 1-bit AND mask: 1 where the pixel is transparent."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray((len(row) + 7) // 8)
        for x, value in enumerate(row):
            if value == TRANSPARENT:
                line[x // 8] |= 0x80 >> (x % 8)
        line.extend(b"\0" * (-len(line) % 4))
        out += line
    return bytes(out)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def make_icon(out_path, map_paths):
    entries = []
    for path in map_paths:
        width, height, images = read_map(path)
        if len(images) != 1 or width > 255 or height > 255:
            raise MapError("%s: an icon map holds exactly one image up to 255 pixels square" % path)
        rows = images[0]
        xor = pack_4bpp(rows)
        mask = pack_mask(rows)
        # An icon image's header counts the colour bits and the mask: twice the height.
        data = info_header(width, 2 * height, len(xor) + len(mask)) + palette_bytes() + xor + mask
        entries.append((width, height, data))
    offset = 6 + 16 * len(entries)
    header = struct.pack("<HHH", 0, 1, len(entries))
    directory = b""
    for width, height, data in entries:
        directory += struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    write(out_path, header + directory + b"".join(data for _, _, data in entries))


def make_strip(out_path, map_path):
    width, height, images = read_map(map_path)
    rows = [sum((image[y] for image in images), []) for y in range(height)]
    if any(TRANSPARENT in row for row in rows):
        raise MapError("%s: the toolbar strip has no transparency; use silver as background" % map_path)
    bits = pack_4bpp(rows)
    info = info_header(len(rows[0]), height, len(bits)) + palette_bytes()
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    write(out_path, file_header + info + bits)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    try:
        if len(argv) >= 4 and argv[1] == "icon":
            make_icon(argv[2], argv[3:])
        elif len(argv) == 4 and argv[1] == "strip":
            make_strip(argv[2], argv[3])
        else:
            sys.stderr.write(__doc__)
            return 2
    except (MapError, OSError, ValueError) as e:
        sys.stderr.write("make_images: %s\n" % e)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
