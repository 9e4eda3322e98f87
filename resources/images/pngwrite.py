"""Writing the generated pictures: plain 8-bit RGB PNG files, no dependencies."""
import struct
import zlib


def png(width, height, rows, alpha=False):
    """rows of (r, g, b) pixels, or of (r, g, b, a) with alpha."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in rows)
    head = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def write_picture(default_name, width, height, pixel, argv):
    """Paints pixel(x, y) over the picture and writes it to argv[1] or default_name."""
    out = argv[1] if len(argv) > 1 else default_name
    rows = [[pixel(x, y) for x in range(width)] for y in range(height)]
    with open(out, "wb") as f:
        f.write(png(width, height, rows))
