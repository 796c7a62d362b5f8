#!/usr/bin/env python3
"""Packs PNG pictures into one Windows icon file, each picture kept as PNG data.

    scripts/make_ico.py OUTPUT.ico PICTURE.png...

The icon holds one image per picture, smallest first; every picture must be a square of
at most 256 pixels and of a size no other picture has. Windows (Vista on) reads PNG
images in an icon as they are, so nothing is converted and no image library is needed.
"""
import struct
import sys

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_size(data, name):
    """The width and height in the PNG's header chunk, which always comes first."""
    if data[:8] != PNG_SIGNATURE or data[12:16] != b"IHDR":
        raise ValueError(f"{name}: not a PNG file")
    return struct.unpack(">II", data[16:24])


def icon_file(pictures):
    """The icon file's bytes: the ICONDIR, an ICONDIRENTRY per picture, then the data."""
    images = []
    for name, data in pictures:
        width, height = png_size(data, name)
        if width != height or not 1 <= width <= 256:
            raise ValueError(f"{name}: {width} x {height}, not a square of 1 to 256 pixels")
        images.append((width, data))
    images.sort(key=lambda image: image[0])
    sizes = [width for width, _ in images]
    if len(set(sizes)) != len(sizes):
        raise ValueError("two pictures of the same size")
    header = struct.pack("<HHH", 0, 1, len(images))  # reserved, type 1 (icon), count
    offset = len(header) + 16 * len(images)
    entries, payloads = b"", b""
    for width, data in images:
        side = width % 256  # a byte: 0 stands for 256
        # width, height, colours (0: not a palette), reserved, planes, bits per pixel,
        # the data's size and where it starts
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        payloads += data
        offset += len(data)
    return header + entries + payloads


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    output, inputs = argv[0], argv[1:]
    pictures = []
    for name in inputs:
        with open(name, "rb") as f:
            pictures.append((name, f.read()))
    try:
        data = icon_file(pictures)
    except ValueError as problem:
        print(f"make_ico.py: {problem}", file=sys.stderr)
        return 1
    with open(output, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
