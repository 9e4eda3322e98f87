"""Writing the generated pictures as baseline JPEG files, no dependencies: YCbCr 4:4:4,
the example quantisation tables scaled to a quality as libjpeg scales them, and the
example Huffman tables. Slow (pure Python) but only run when a picture is redrawn."""
import math
import struct

ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]

LUMA_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]
CHROMA_QUANT = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32

# The tables above are in row order; the file stores them in zigzag order.

# Code lengths (counts for 1..16 bits) and symbols of the example tables.
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a161718191a25262728"
    "292a3435363738393a434445464748494a535455565758595a636465666768696a737475767778797a83848586878889"
    "8a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2"
    "e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9fa"))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a26"
    "2728292a35363738393a434445464748494a535455565758595a636465666768696a737475767778797a828384858687"
    "88898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9da"
    "e2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9fa"))


def scaled_table(base, quality):
    """The table scaled to the quality, in zigzag order as the file and the coder take it."""
    quality = min(max(quality, 1), 100)
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [min(max((base[ZIGZAG[i]] * scale + 50) // 100, 1), 255) for i in range(64)]


def huffman_codes(table):
    counts, symbols = table
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.n = 0

    def put(self, code, length):
        self.acc = (self.acc << length) | code
        self.n += length
        while self.n >= 8:
            self.n -= 8
            byte = (self.acc >> self.n) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)  # stuffed so no marker appears in the data
        self.acc &= (1 << self.n) - 1

    def flush(self):
        if self.n:
            self.put((1 << (8 - self.n)) - 1, 8 - self.n)


# The 8-point DCT as a matrix: C[u][x] = c(u)/2 cos((2x + 1) u pi / 16).
DCT = [[(math.sqrt(0.5) if u == 0 else 1.0) * 0.5 * math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)]
       for u in range(8)]


def fdct(block):
    rows = [[sum(c * v for c, v in zip(DCT[u], block[y * 8:y * 8 + 8])) for u in range(8)] for y in range(8)]
    return [sum(DCT[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


def magnitude(value):
    """The size category and the bits JPEG stores for a coefficient."""
    if value == 0:
        return 0, 0
    size = abs(value).bit_length()
    return size, value if value > 0 else value + (1 << size) - 1


def encode_block(bits, block, quant, previous_dc, dc_codes, ac_codes):
    coeffs = fdct(block)
    q = [int(round(coeffs[ZIGZAG[i]] / quant[i])) for i in range(64)]
    size, extra = magnitude(q[0] - previous_dc)
    bits.put(*dc_codes[size])
    if size:
        bits.put(extra, size)
    run = 0
    for i in range(1, 64):
        if q[i] == 0:
            run += 1
            continue
        while run > 15:
            bits.put(*ac_codes[0xF0])
            run -= 16
        size, extra = magnitude(q[i])
        bits.put(*ac_codes[(run << 4) | size])
        bits.put(extra, size)
        run = 0
    if run:
        bits.put(*ac_codes[0x00])
    return q[0]


def jpeg(width, height, rows, quality):
    luma_q, chroma_q = scaled_table(LUMA_QUANT, quality), scaled_table(CHROMA_QUANT, quality)
    planes = [[], [], []]
    for row in rows:
        ys, cbs, crs = [], [], []
        for r, g, b in row:
            ys.append(0.299 * r + 0.587 * g + 0.114 * b - 128)
            cbs.append(-0.168736 * r - 0.331264 * g + 0.5 * b)
            crs.append(0.5 * r - 0.418688 * g - 0.081312 * b)
        planes[0].append(ys)
        planes[1].append(cbs)
        planes[2].append(crs)
    codes = [(huffman_codes(DC_LUMA), huffman_codes(AC_LUMA)), (huffman_codes(DC_CHROMA), huffman_codes(AC_CHROMA))]
    bits = BitWriter()
    dc = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                plane = planes[c]
                # Edge blocks repeat the last row and column.
                block = [plane[min(by + y, height - 1)][min(bx + x, width - 1)] for y in range(8) for x in range(8)]
                table = luma_q if c == 0 else chroma_q
                dc_codes, ac_codes = codes[0 if c == 0 else 1]
                dc[c] = encode_block(bits, block, table, dc[c], dc_codes, ac_codes)
    bits.flush()

    def segment(marker, body):
        return struct.pack(">BBH", 0xFF, marker, len(body) + 2) + body

    def dht(table_class, table_id, table):
        counts, symbols = table
        return bytes([(table_class << 4) | table_id]) + bytes(counts) + bytes(symbols)

    out = bytearray(b"\xff\xd8")
    out += segment(0xE0, b"JFIF\x00\x01\x01\x01\x00\x60\x00\x60\x00\x00")
    out += segment(0xDB, bytes([0]) + bytes(luma_q) + bytes([1]) + bytes(chroma_q))
    out += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    out += segment(0xC4, dht(0, 0, DC_LUMA) + dht(1, 0, AC_LUMA) + dht(0, 1, DC_CHROMA) + dht(1, 1, AC_CHROMA))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    out += bits.out
    out += b"\xff\xd9"
    return bytes(out)


def write_jpeg_picture(default_name, width, height, pixel, argv, quality=90):
    """Paints pixel(x, y) over the picture and writes it as JPEG to argv[1] or default_name."""
    out = argv[1] if len(argv) > 1 else default_name
    rows = [[pixel(x, y) for x in range(width)] for y in range(height)]
    with open(out, "wb") as f:
        f.write(jpeg(width, height, rows, quality))
