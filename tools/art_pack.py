#!/usr/bin/env python3
"""Packs drawn pictures into the Windows file formats the resource compiler takes, byte for byte
the same on every run (no time stamps, fixed compression). The drawing scripts hand over raw
32-bit RGBA pixels, as `convert IN -depth 8 RGBA:OUT` writes them.

  art_pack.py ico OUT SIZE:RAW ...        icon; 256-pixel images are stored as PNG
  art_pack.py cur OUT X Y SIZE:RAW        32 x 32 colour cursor with hot spot (X, Y)
  art_pack.py bmp8 IN OUT                 8-bit BMP with its palette padded to all 256 entries
  art_pack.py png OUT WxH:RAW             PNG of RGBA pixels
"""
import struct
import sys
import zlib


def read_raw(spec):
    """SIZE:FILE or WxH:FILE -> (width, height, rgba bytes)."""
    size, path = spec.split(":", 1)
    width, height = (int(v) for v in size.split("x")) if "x" in size else (int(size),) * 2
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != width * height * 4:
        sys.exit(f"art_pack: {path} holds {len(data)} bytes, not {width} x {height} RGBA")
    return width, height, data


def png(width, height, rgba):
    rows = b"".join(b"\0" + rgba[y * width * 4:(y + 1) * width * 4] for y in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def dib32(width, height, rgba):
    """An icon image: 32-bit BGRA rows bottom-up, then the 1-bit AND mask (1 = transparent)."""
    colour, mask = bytearray(), bytearray()
    mask_stride = ((width + 31) // 32) * 4
    for y in reversed(range(height)):
        row = rgba[y * width * 4:(y + 1) * width * 4]
        bits = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = row[x * 4:x * 4 + 4]
            colour += bytes((b, g, r, a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(colour) + len(mask),
                         0, 0, 0, 0)
    return header + bytes(colour) + bytes(mask)


def directory(kind, images):
    """images: (width, height, field1, field2, data); kind 1 icon (planes, bits), 2 cursor (hot
    spot x, y)."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for width, height, one, two, data in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, one, two, len(data), offset)
        offset += len(data)
    return out + b"".join(image[4] for image in images)


def main(argv):
    command = argv[1] if len(argv) > 1 else ""
    if command == "ico" and len(argv) > 3:
        images = []
        for spec in argv[3:]:
            width, height, rgba = read_raw(spec)
            data = png(width, height, rgba) if width >= 256 else dib32(width, height, rgba)
            images.append((width, height, 1, 32, data))
        write(argv[2], directory(1, images))
    elif command == "cur" and len(argv) == 6:
        width, height, rgba = read_raw(argv[5])
        write(argv[2], directory(2, [(width, height, int(argv[3]), int(argv[4]),
                                      dib32(width, height, rgba))]))
    elif command == "bmp8" and len(argv) == 4:
        write(argv[3], pad_palette(open(argv[2], "rb").read()))
    elif command == "png" and len(argv) == 4:
        write(argv[2], png(*read_raw(argv[3])))
    else:
        sys.exit(__doc__)


def pad_palette(bmp):
    """An 8-bit BMP with fewer palette entries -> the same picture with all 256 (unused black)."""
    info = 14
    size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", bmp, info)
    used = struct.unpack_from("<I", bmp, info + 32)[0] or 256
    if size != 40 or bits != 8 or compression != 0:
        sys.exit("art_pack: bmp8 needs an uncompressed 8-bit BMP with a 40-byte header")
    palette = bmp[info + size:info + size + used * 4] + b"\0" * (4 * (256 - used))
    stride = (width + 3) & ~3
    pixels = bmp[struct.unpack_from("<I", bmp, 10)[0]:][:stride * abs(height)]
    header = bytearray(bmp[info:info + size])
    struct.pack_into("<I", header, 20, len(pixels))
    struct.pack_into("<II", header, 32, 256, 256)
    offset = 14 + size + 1024
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + bytes(
        header) + palette + pixels


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv)
