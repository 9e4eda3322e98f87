#!/usr/bin/python3
"""Makes the small BMP, GIF, TGA and PCX files that the codec tests decode.

Each picture NAME.EXT is written by an independent encoder (ImageMagick, Pillow,
netpbm) or, for variants no installed tool writes, by the tiny writers below that
follow the file formats' definitions. Beside it goes NAME.ref.ppm (or NAME.ref.pam
when transparency matters): the same picture decoded by a *different* tool than the
one that wrote it. The tests compare our decoders with these references pixel for
pixel.

Needs (developer tools only, not build dependencies):
    apt-get install -y netpbm imagemagick python3-pil
Run from anywhere: scripts/make-codec-testdata.py [output folder]
"""

import io
import os
import struct
import subprocess
import sys
import tempfile

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "tests", "data", "codecs")
CONVERT = "/usr/bin/convert"  # the real ImageMagick, never a wrapper
W, H = 19, 11  # odd sizes exercise row padding


def colour_source():
    """A small picture with gradients and hard edges, as rows of (r, g, b), top row first."""
    rows = []
    for y in range(H):
        row = []
        for x in range(W):
            r = (x * 255) // (W - 1)
            g = (y * 255) // (H - 1)
            b = 255 - (x * 13 + y * 29) % 256
            if 5 <= x < 9 and 3 <= y < 7:
                r, g, b = 255, 255, 255
            row.append((r, g, b))
        rows.append(row)
    return rows


def palette_source(colours):
    """Rows of indices into `colours` forming blocks and diagonals (top row first)."""
    n = len(colours)
    return [[(x // 3 + y // 2 + (1 if x == y else 0)) % n for x in range(W)] for y in range(H)]


PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
PALETTE2 = [(10, 20, 30), (250, 240, 230)]
PALETTE256 = [((i * 37) % 256, (i * 91) % 256, (255 - i) % 256) for i in range(256)]


def pil_rgb():
    img = Image.new("RGB", (W, H))
    img.putdata([p for row in colour_source() for p in row])
    return img


def pil_palette(colours):
    img = Image.new("P", (W, H))
    flat = [c for rgb in colours for c in rgb]
    img.putpalette(flat + [0] * (768 - len(flat)))
    img.putdata([i for row in palette_source(colours) for i in row])
    return img


def pil_grey():
    img = Image.new("L", (W, H))
    img.putdata([(x * 13 + y * 7) % 256 for y in range(H) for x in range(W)])
    return img


def pil_rgba():
    img = pil_rgb().convert("RGBA")
    img.putdata([(r, g, b, 0 if (x + y) % 5 == 0 else 255) for y, row in enumerate(colour_source())
                 for x, (r, g, b) in enumerate(row)])
    return img


def path(name):
    return os.path.join(OUT, name)


def ref_by_pillow(name, alpha=False):
    img = Image.open(path(name))
    base = os.path.splitext(name)[0]
    if alpha:
        write_pam(path(base + ".ref.pam"), img.convert("RGBA"))
    else:
        img.convert("RGB").save(path(base + ".ref.ppm"))


def ref_by_magick(name, alpha=False):
    base = os.path.splitext(name)[0]
    if alpha:
        subprocess.run([CONVERT, path(name) + "[0]", "-depth", "8", "pam:" + path(base + ".ref.pam")], check=True)
        # Normalise to RGB_ALPHA so the test reads one layout.
        write_pam(path(base + ".ref.pam"), read_pam_as_rgba(path(base + ".ref.pam")))
    else:
        subprocess.run([CONVERT, path(name) + "[0]", "-depth", "8", "ppm:" + path(base + ".ref.ppm")], check=True)


def parse_ppm(data):
    """A binary PPM as an RGB picture; 5-bit samples (maxval 31) are widened as
    v * 255 / 31 truncated, as Pillow and ImageMagick show 15/16-bit pixels."""
    fields, pos = [], 2
    while len(fields) < 3:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(int(data[start:pos]))
    w, h, maxval = fields
    samples = data[pos + 1:pos + 1 + w * h * 3]
    if maxval == 31:
        samples = bytes(v * 255 // 31 for v in samples)
    elif maxval != 255:
        raise ValueError("unexpected maxval %d" % maxval)
    return Image.frombytes("RGB", (w, h), samples)


def ref_by_netpbm(name, tool, alpha=False):
    """Reference by a netpbm reader (tgatoppm, pcxtoppm, bmptopnm)."""
    base = os.path.splitext(name)[0]
    rgb = parse_ppm(subprocess.run([tool, path(name)], capture_output=True, check=True).stdout)
    if not alpha:
        rgb.save(path(base + ".ref.ppm"))
        return
    with tempfile.NamedTemporaryFile(suffix=".pgm") as tmp:
        subprocess.run([tool, "-alphaout=" + tmp.name, path(name)], capture_output=True, check=True)
        a = Image.open(tmp.name).convert("L")
    rgba = rgb.convert("RGBA")
    rgba.putalpha(a)
    write_pam(path(base + ".ref.pam"), rgba)


def write_pam(dest, rgba):
    w, h = rgba.size
    with open(dest, "wb") as f:
        f.write(b"P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n" % (w, h))
        f.write(rgba.tobytes())


def read_pam_as_rgba(src):
    data = open(src, "rb").read()
    end = data.index(b"ENDHDR\n") + len(b"ENDHDR\n")
    head = dict(line.split(b" ", 1) for line in data[:end].split(b"\n")[1:-2] if b" " in line)
    w, h, depth = int(head[b"WIDTH"]), int(head[b"HEIGHT"]), int(head[b"DEPTH"])
    mode = {1: "L", 2: "LA", 3: "RGB", 4: "RGBA"}[depth]
    return Image.frombytes(mode, (w, h), data[end:end + w * h * depth]).convert("RGBA")


def netpbm(cmd, src_img, dest):
    """Runs a netpbm writer over a PPM of src_img."""
    buf = io.BytesIO()
    src_img.convert("RGB").save(buf, format="PPM")
    with open(path(dest), "wb") as out:
        subprocess.run(cmd, input=buf.getvalue(), stdout=out, stderr=subprocess.DEVNULL, check=True, shell=True)


def magick(src_img, args, dest, prefix=""):
    with tempfile.NamedTemporaryFile(suffix=".png") as tmp:
        src_img.save(tmp.name)
        subprocess.run([CONVERT, tmp.name] + args + [prefix + path(dest)], check=True)


# ---- writers of our own for variants no installed tool writes ----

def bmp_file(info_header, palette_bytes, pixel_bytes, masks=b""):
    off = 14 + len(info_header) + len(masks) + len(palette_bytes)
    head = b"BM" + struct.pack("<IHHI", off + len(pixel_bytes), 0, 0, off)
    return head + info_header + masks + palette_bytes + pixel_bytes


def bmp_info(width, height, bpp, compression=0, image_size=0, colours=0, ppm=2835):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, image_size, ppm, ppm, colours, 0)


def pad4(row):
    return row + b"\0" * ((-len(row)) % 4)


def pack_indices(indices, bpp):
    out = bytearray()
    per = 8 // bpp
    for i in range(0, len(indices), per):
        b = 0
        for j in range(per):
            v = indices[i + j] if i + j < len(indices) else 0
            b |= v << (8 - bpp * (j + 1))
        out.append(b)
    return bytes(out)


def rle4_encode(rows_bottom_up):
    """BI_RLE4: encoded runs, literal groups, an end-of-line after each row, end of bitmap."""
    out = bytearray()
    for row in rows_bottom_up:
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and run < 255 and row[x + run] == row[x]:
                run += 1
            if run >= 3 or len(row) - x < 3:
                run = max(run, 1)
                out += bytes([run, (row[x] << 4) | row[x]])
                x += run
            else:  # a literal group of at least 3 pixels
                n = min(len(row) - x, 9)
                lit = row[x:x + n]
                packed = pack_indices(lit, 4)
                out += bytes([0, n]) + packed + (b"\0" if len(packed) % 2 else b"")
                x += n
        out += b"\0\0"
    out += b"\0\1"
    return bytes(out)


def write_rle4_bmp():
    idx = palette_source(PALETTE16)
    data = rle4_encode([r for r in reversed(idx)])
    pal = b"".join(bytes([b, g, r, 0]) for r, g, b in PALETTE16)
    open(path("bmp_rle4.bmp"), "wb").write(bmp_file(bmp_info(W, H, 4, 2, len(data), 16), pal, data))


def write_16bit_bmps():
    src = colour_source()
    # 5-5-5 without masks, and 5-6-5 with masks: written pixel by pixel.
    p555 = b"".join(pad4(b"".join(struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
                                  for r, g, b in row)) for row in reversed(src))
    open(path("bmp_16_555.bmp"), "wb").write(bmp_file(bmp_info(W, H, 16), b"", p555))
    # The same pixels marked BI_BITFIELDS with all three masks zero, as some encoders
    # write them; of the readers at hand only netpbm takes that as 5-5-5.
    zero = struct.pack("<III", 0, 0, 0)
    open(path("bmp_16_zeromasks.bmp"), "wb").write(bmp_file(bmp_info(W, H, 16, 3), b"", p555, zero))


def bmp_v5_info(width, height, bpp, masks, compression=3):
    """A 124-byte BITMAPV5HEADER: the 40 bytes, four masks, LCS_sRGB and zeros."""
    head = struct.pack("<IiiHHIIiiII", 124, width, height, 1, bpp, compression, 0, 2835, 2835, 0, 0)
    head += struct.pack("<IIII", *masks) + b"BGRs" + b"\0" * 36 + b"\0" * 12
    head += struct.pack("<IIII", 4, 0, 0, 0)  # intent LCS_GM_IMAGES, no profile
    assert len(head) == 124
    return head


def write_v5_4444_bmp():
    """16 bits as 4-4-4-4 (alpha, red, green, blue) in a BITMAPV5 header."""
    src = colour_source()
    px = b"".join(pad4(b"".join(struct.pack("<H", 0xf000 | ((r >> 4) << 8) | ((g >> 4) << 4) | (b >> 4))
                                 for r, g, b in row)) for row in reversed(src))
    info = bmp_v5_info(W, H, 16, (0x0f00, 0x00f0, 0x000f, 0xf000))
    open(path("bmp_v5_4444.bmp"), "wb").write(bmp_file(info, b"", px))


def write_32bit_plain_bmp():
    src = colour_source()
    px = b"".join(b"".join(bytes([b, g, r, 0x5a]) for r, g, b in row) for row in reversed(src))
    open(path("bmp_32_plain.bmp"), "wb").write(bmp_file(bmp_info(W, H, 32), b"", px))
    # Bit fields in the uncommon red-in-the-low-byte order (as some writers emit).
    pxr = b"".join(b"".join(bytes([r, g, b, 0]) for r, g, b in row) for row in reversed(src))
    masks = struct.pack("<III", 0x000000ff, 0x0000ff00, 0x00ff0000)
    open(path("bmp_32_rgbmasks.bmp"), "wb").write(bmp_file(bmp_info(W, H, 32, 3), b"", pxr, masks))


def write_topdown_bmps():
    src = colour_source()
    px = b"".join(pad4(b"".join(bytes([b, g, r]) for r, g, b in row)) for row in src)  # top row first
    open(path("bmp_topdown_24.bmp"), "wb").write(bmp_file(bmp_info(W, -H, 24), b"", px))
    idx = palette_source(PALETTE256)
    px8 = b"".join(pad4(bytes(row)) for row in idx)
    pal = b"".join(bytes([b, g, r, 0]) for r, g, b in PALETTE256)
    open(path("bmp_topdown_8.bmp"), "wb").write(bmp_file(bmp_info(W, -H, 8, colours=256), pal, px8))


def tga_file(image_type, pixel_bits, rows_stored, descriptor, cmap=None, cmap_bits=24, rle=False,
             pixel_bytes_of=None):
    """rows_stored: rows already in file order; each pixel is bytes."""
    cmap = cmap or []
    entry = (cmap_bits + 7) // 8
    head = struct.pack("<BBBHHBHHHHBB", 0, 1 if cmap else 0, image_type, 0, len(cmap), cmap_bits if cmap else 0,
                       0, 0, len(rows_stored[0]), len(rows_stored), pixel_bits, descriptor)
    body = bytearray(b"".join(cmap))
    pixels = [p for row in rows_stored for p in row]
    if not rle:
        body += b"".join(pixels)
    else:
        i = 0
        while i < len(pixels):
            run = 1
            while i + run < len(pixels) and run < 128 and pixels[i + run] == pixels[i]:
                run += 1
            if run > 1:
                body += bytes([0x80 | (run - 1)]) + pixels[i]
                i += run
            else:
                n = 1
                while i + n < len(pixels) and n < 128 and pixels[i + n] != pixels[i + n - 1]:
                    n += 1
                body += bytes([n - 1]) + b"".join(pixels[i:i + n])
                i += n
    assert entry >= 0
    return head + bytes(body)


def rgb555(r, g, b, attr=0):
    return struct.pack("<H", (attr << 15) | ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))


def write_own_tgas():
    src = colour_source()
    bottom_up = list(reversed(src))
    for bits, rle in ((15, False), (16, False), (15, True), (16, True)):
        rows = [[rgb555(*p, attr=1 if bits == 16 else 0) for p in row] for row in bottom_up]
        name = "tga_type%d_%d.tga" % (10 if rle else 2, bits)
        open(path(name), "wb").write(tga_file(10 if rle else 2, bits, rows, 1 if bits == 16 else 0, rle=rle))
    # Right to left, bottom to top: each stored row starts with the rightmost pixel.
    rows = [[bytes([b, g, r]) for r, g, b in reversed(row)] for row in bottom_up]
    open(path("tga_type2_24_righttoleft.tga"), "wb").write(tga_file(2, 24, rows, 0x10))
    # Right to left and top to bottom, run-length coded.
    rows = [[bytes([b, g, r]) for r, g, b in reversed(row)] for row in src]
    open(path("tga_type10_24_topright.tga"), "wb").write(tga_file(10, 24, rows, 0x30, rle=True))
    # Colour maps of 16- and 32-bit entries.
    idx = palette_source(PALETTE16)
    rows = [[bytes([i]) for i in row] for row in reversed(idx)]
    cmap16 = [rgb555(*c) for c in PALETTE16]
    open(path("tga_type1_map16.tga"), "wb").write(tga_file(1, 8, rows, 0, cmap=cmap16, cmap_bits=16))
    cmap32 = [bytes([b, g, r, 255]) for r, g, b in PALETTE16]
    open(path("tga_type9_map32.tga"), "wb").write(tga_file(9, 8, rows, 0, cmap=cmap32, cmap_bits=32, rle=True))


def write_own_pcx(name, planes, bits, palette16, rows):
    """Run-length coded PCX with 1 bit per plane, planes 1 to 4 (rows of indices, top row first)."""
    bpl = (W * bits + 7) // 8
    bpl += bpl % 2
    head = struct.pack("<BBBBHHHHHH", 10, 5, 1, bits, 0, 0, W - 1, H - 1, 72, 72)
    head += b"".join(bytes(c) for c in palette16) + b"\0" * (48 - 3 * len(palette16))
    head += struct.pack("<BBHHHH", 0, planes, bpl, 1, 0, 0)
    head += b"\0" * (128 - len(head))
    body = bytearray()
    for row in rows:
        line = bytearray()
        for p in range(planes):
            plane = [(v >> p) & 1 for v in row]
            line += pack_indices(plane, 1).ljust(bpl, b"\0")
        i = 0
        while i < len(line):
            run = 1
            while i + run < len(line) and run < 63 and line[i + run] == line[i]:
                run += 1
            if run > 1 or line[i] >= 0xc0:
                body += bytes([0xc0 | run, line[i]])
            else:
                body.append(line[i])
            i += run
    open(path(name), "wb").write(head + bytes(body))


def main():
    os.makedirs(OUT, exist_ok=True)

    # BMP by netpbm (Windows and OS/2), ImageMagick and Pillow; references by another of them.
    for bpp, colours in ((1, PALETTE2), (4, PALETTE16), (8, PALETTE256)):
        netpbm("ppmtobmp -bpp=%d" % bpp, pil_palette(colours), "bmp_%dbit.bmp" % bpp)
        ref_by_pillow("bmp_%dbit.bmp" % bpp)
    netpbm("ppmtobmp -os2 -bpp=8", pil_palette(PALETTE256), "bmp_os2_8bit.bmp")
    ref_by_pillow("bmp_os2_8bit.bmp")
    netpbm("ppmtobmp -os2 -bpp=24", pil_rgb(), "bmp_os2_24.bmp")
    ref_by_pillow("bmp_os2_24.bmp")
    magick(pil_palette(PALETTE256), ["-compress", "RLE", "-type", "Palette"], "bmp_rle8.bmp", "BMP3:")
    ref_by_pillow("bmp_rle8.bmp")
    write_rle4_bmp()
    ref_by_magick("bmp_rle4.bmp")
    write_16bit_bmps()
    ref_by_magick("bmp_16_555.bmp")
    ref_by_netpbm("bmp_16_zeromasks.bmp", "bmptopnm")
    # ImageMagick widens 4-bit channels by a shift and Pillow refuses them; netpbm
    # replicates the bits.
    write_v5_4444_bmp()
    ref_by_netpbm("bmp_v5_4444.bmp", "bmptopnm")
    magick(pil_rgb(), ["-define", "bmp:subtype=RGB565"], "bmp_16_565.bmp")
    ref_by_pillow("bmp_16_565.bmp")
    pil_rgb().save(path("bmp_24.bmp"))
    ref_by_magick("bmp_24.bmp")
    write_32bit_plain_bmp()
    ref_by_magick("bmp_32_plain.bmp")
    ref_by_magick("bmp_32_rgbmasks.bmp")
    magick(pil_rgba(), ["-alpha", "on"], "bmp_32_bitfields.bmp", "BMP:")
    ref_by_pillow("bmp_32_bitfields.bmp")
    write_topdown_bmps()
    ref_by_pillow("bmp_topdown_24.bmp")
    ref_by_magick("bmp_topdown_8.bmp")

    # GIF: ImageMagick writes plain and interlaced, Pillow a transparent one.
    magick(pil_palette(PALETTE256), ["-interlace", "none"], "gif_plain.gif")
    ref_by_pillow("gif_plain.gif")
    magick(pil_palette(PALETTE16), ["-interlace", "GIF"], "gif_interlaced.gif")
    ref_by_pillow("gif_interlaced.gif")
    magick(pil_palette(PALETTE2), ["-interlace", "none"], "gif_2colour.gif")
    ref_by_pillow("gif_2colour.gif")
    pil_palette(PALETTE16).save(path("gif_transparent.gif"), transparency=3, interlace=False)
    ref_by_magick("gif_transparent.gif", alpha=True)
    subprocess.run("%s -size 37x23 xc:none -fill 'rgb(200,40,60)' -draw 'rectangle 5,4 30,18' "
                   "-interlace GIF %s" % (CONVERT, path("gif_transparent_interlaced.gif")), shell=True, check=True)
    ref_by_pillow("gif_transparent_interlaced.gif", alpha=True)

    # TGA: Pillow writes types 1-3 and 9-11 at 8, 24 and 32 bits in both vertical orders.
    for mode, img in (("p", pil_palette(PALETTE256)), ("grey", pil_grey()), ("rgb", pil_rgb()), ("rgba", pil_rgba())):
        for rle in (False, True):
            for top in (False, True):
                name = "tga_%s%s%s.tga" % (mode, "_rle" if rle else "", "_top" if top else "")
                img.save(path(name), compression="tga_rle" if rle else None, orientation=1 if top else -1)
                ref_by_netpbm(name, "tgatoppm", alpha=(mode == "rgba"))
    netpbm("pamtotga -cmap16 -norle", pil_palette(PALETTE16), "tga_netpbm_cmap16.tga")
    ref_by_netpbm("tga_netpbm_cmap16.tga", "tgatoppm")  # Pillow misreads 15-bit colour maps
    netpbm("pamtotga -rgb", pil_rgb(), "tga_netpbm_rgb_rle.tga")
    ref_by_pillow("tga_netpbm_rgb_rle.tga")
    write_own_tgas()
    # ImageMagick turns bottom-up TGAs upside down and netpbm ignores right-to-left,
    # so each variant takes the reader that handles it.
    for name in ("tga_type2_15.tga", "tga_type10_15.tga", "tga_type9_map32.tga"):
        ref_by_netpbm(name, "tgatoppm")
    for name in ("tga_type2_16.tga", "tga_type10_16.tga", "tga_type1_map16.tga", "tga_type2_24_righttoleft.tga",
                 "tga_type10_24_topright.tga"):
        ref_by_pillow(name)

    # PCX: Pillow writes 1 bit and 8 bits with palette; netpbm 4 planes and packed 4 bits.
    pil_palette(PALETTE2).convert("1", dither=Image.NONE).save(path("pcx_1bit.pcx"))
    ref_by_netpbm("pcx_1bit.pcx", "pcxtoppm")  # ImageMagick takes the empty header palette
    pil_palette(PALETTE256).save(path("pcx_8bit.pcx"))
    ref_by_magick("pcx_8bit.pcx")
    netpbm("ppmtopcx -planes=4", pil_palette(PALETTE16), "pcx_4planes.pcx")
    ref_by_magick("pcx_4planes.pcx")
    netpbm("ppmtopcx -packed", pil_palette(PALETTE16), "pcx_packed4.pcx")
    ref_by_magick("pcx_packed4.pcx")
    pal4 = PALETTE16[:4]
    rows = [[i for i in row] for row in palette_source(pal4)]
    write_own_pcx("pcx_2planes.pcx", 2, 1, PALETTE16, rows)
    ref_by_magick("pcx_2planes.pcx")
    rows8 = palette_source(PALETTE16[:8])
    write_own_pcx("pcx_3planes.pcx", 3, 1, PALETTE16, rows8)
    ref_by_magick("pcx_3planes.pcx")


if __name__ == "__main__":
    main()
