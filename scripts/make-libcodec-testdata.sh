#!/usr/bin/env bash
# Makes the JPEG, PNG and TIFF test files of tests/data/codecs_lib, each with a
# reference decode written by an independent tool beside it:
#   JPEG  -> djpeg (the same libjpeg settings as ours, so pixels match exactly)
#   PNG   -> pngtopam -alphapam (colour and alpha)
#   TIFF  -> tifftopnm, or ImageMagick where tifftopnm falls short (see below)
# Development tools only (not build dependencies):
#   apt-get install -y libjpeg-turbo-progs libtiff-tools imagemagick netpbm libpng-tools
# Re-running it rewrites every file; commit the result.
set -euo pipefail
OUT=$(cd "$(dirname "$0")/.." && pwd)/tests/data/codecs_lib
mkdir -p "$OUT"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

# Source pictures: odd sizes so row padding matters, non-square so turns show.
python3 - <<'PY'
import struct
def ppm(name, w, h, fn, maxval=255):
    d = bytearray()
    for y in range(h):
        for x in range(w):
            for v in fn(x, y):
                d += struct.pack('>H', v) if maxval > 255 else bytes([v])
    open(name, 'wb').write(b'P6 %d %d %d\n' % (w, h, maxval) + d)
def pgm(name, w, h, fn, maxval=255):
    d = bytearray()
    for y in range(h):
        for x in range(w):
            v = fn(x, y)
            d += struct.pack('>H', v) if maxval > 255 else bytes([v])
    open(name, 'wb').write(b'P5 %d %d %d\n' % (w, h, maxval) + d)
W, H = 37, 23
ppm('rgb.ppm', W, H, lambda x, y: ((x * 7 + y * 3) % 256, (y * 11) % 256, ((x ^ y) * 13) % 256))
ppm('rgb16.ppm', W, H, lambda x, y: ((x * 1777 + y * 3) % 65536, (y * 2851) % 65536, ((x ^ y) * 997) % 65536), 65535)
ppm('big.ppm', 99, 57, lambda x, y: ((x + y) % 256, (x * 3) % 256, (y * 5) % 256))
ppm('tiles.ppm', 40, 30, lambda x, y: ((x * 6) % 256, (y * 8) % 256, ((x // 16 + y // 16) * 60) % 256))
for bits, n in ((1, 2), (2, 4), (4, 16), (8, 200)):
    pal = [((i * 37) % 256, (i * 91) % 256, (i * 53 + 17) % 256) for i in range(n)]
    ppm('pal%d.ppm' % bits, W, H, lambda x, y, pal=pal, n=n: pal[(x + 3 * y) % n])
for maxval in (1, 3, 15, 255, 65535):
    pgm('grey%d.pgm' % maxval, W, H, lambda x, y, m=maxval: ((x * 5 + y * 9) * (m // 255 + 1)) % (m + 1), maxval)
pgm('alpha.pgm', W, H, lambda x, y: (x * 7 + y) % 256)
pgm('alpha16.pgm', W, H, lambda x, y: (x * 1793 + y * 7) % 65536, 65535)
PY

# ---- JPEG
cjpeg -quality 85 rgb.ppm > "$OUT/baseline.jpg"
cjpeg -quality 85 -progressive rgb.ppm > "$OUT/progressive.jpg"
cjpeg -quality 85 -grayscale rgb.ppm > "$OUT/grey.jpg"
cjpeg -quality 90 -sample 2x2 big.ppm > "$OUT/big420.jpg"
convert rgb.ppm -quality 90 -colorspace CMYK "$OUT/cmyk.jpg"
for f in baseline progressive cmyk; do djpeg -ppm "$OUT/$f.jpg" > "$OUT/$f.ppm"; done
djpeg -pnm "$OUT/grey.jpg" > "$OUT/grey.pgm"
for s in 1 2 4 8; do djpeg -ppm -scale 1/$s "$OUT/big420.jpg" > "$OUT/big420-s$s.ppm"; done

# The baseline file with an EXIF block (camera make, model, dates, pixel size and
# each orientation), in both byte orders; references turned by pamflip.
python3 - "$OUT" <<'PY'
import struct, sys
out = sys.argv[1]
base = open(out + '/baseline.jpg', 'rb').read()
def exif(orientation, motorola):
    e = '>' if motorola else '<'
    def ifd(entries, start, extra_at):
        # entries: (tag, format, count, raw value bytes); values over 4 bytes go to extra.
        body, extra = b'', b''
        for tag, fmt, count, val in entries:
            if len(val) > 4:
                body += struct.pack(e + 'HHII', tag, fmt, count, extra_at + len(extra))
                extra += val
            else:
                body += struct.pack(e + 'HHI', tag, fmt, count) + val.ljust(4, b'\0')
        return struct.pack(e + 'H', len(entries)) + body + struct.pack(e + 'I', 0), extra
    short = lambda v: struct.pack(e + 'H', v)
    ifd0_at = 8
    n0 = 5
    ifd0_len = 2 + 12 * n0 + 4
    make, model, date = b'Snaptest Optics\0', b'Model 7\0', b'2021:05:06 07:08:09\0'
    extra0 = len(make) + len(model) + len(date)
    sub_at = ifd0_at + ifd0_len + extra0
    entries0 = [(0x010F, 2, len(make), make), (0x0110, 2, len(model), model),
                (0x0112, 3, 1, short(orientation)), (0x0132, 2, len(date), date),
                (0x8769, 4, 1, struct.pack(e + 'I', sub_at))]
    d0, x0 = ifd(entries0, ifd0_at, ifd0_at + ifd0_len)
    orig = b'2020:01:02 03:04:05\0'
    n1 = 3
    entries1 = [(0x9003, 2, len(orig), orig), (0xA002, 4, 1, struct.pack(e + 'I', 37)), (0xA003, 3, 1, short(23))]
    d1, x1 = ifd(entries1, sub_at, sub_at + 2 + 12 * n1 + 4)
    tiff = (b'MM' if motorola else b'II') + struct.pack(e + 'HI', 42, 8) + d0 + x0 + d1 + x1
    payload = b'Exif\0\0' + tiff
    return b'\xff\xe1' + struct.pack('>H', len(payload) + 2) + payload
for o in range(1, 9):
    open(out + '/exif-o%d.jpg' % o, 'wb').write(base[:2] + exif(o, motorola=(o % 2 == 0)) + base[2:])
PY
flips=("" "" "-lr" "-r180" "-tb" "-xy" "-r270" "-transverse" "-r90")
for o in 1 2 3 4 5 6 7 8; do
  f=${flips[$o]}
  if [ -z "$f" ]; then cp "$OUT/baseline.ppm" "$OUT/exif-o$o.ppm"
  elif [ "$f" = -transverse ]; then pamflip -xy "$OUT/baseline.ppm" | pamflip -r180 > "$OUT/exif-o$o.ppm"
  else pamflip $f "$OUT/baseline.ppm" > "$OUT/exif-o$o.ppm"; fi
done

# ---- PNG
for m in 1 3 15 255 65535; do pnmtopng grey$m.pgm > "$OUT/grey-$m.png"; done
for b in 1 2 4 8; do pnmtopng pal$b.ppm > "$OUT/palette-$b.png"; done
pnmtopng rgb.ppm > "$OUT/rgb.png"
pnmtopng rgb16.ppm > "$OUT/rgb16.png"
pnmtopng -alpha=alpha.pgm rgb.ppm > "$OUT/rgba.png"
pnmtopng -alpha=alpha16.pgm rgb16.ppm > "$OUT/rgba16.png"
pnmtopng -alpha=alpha.pgm grey255.pgm > "$OUT/greyalpha.png"
pnmtopng -interlace rgb.ppm > "$OUT/rgb-interlaced.png"
pnmtopng -interlace pal2.ppm > "$OUT/palette-2-interlaced.png"
pnmtopng -interlace -alpha=alpha.pgm rgb.ppm > "$OUT/rgba-interlaced.png"
# tRNS: one palette colour and one true colour made transparent.
pnmtopng -transparent="$(python3 -c "print('rgb:%02x/%02x/%02x' % (37, 91, 70))")" pal4.ppm > "$OUT/palette-trns.png"
pnmtopng -transparent="$(python3 -c "print('rgb:%02x/%02x/%02x' % (0, 0, 0))")" rgb.ppm > "$OUT/rgb-trns.png"
pnmtopng -transparent=gray:0 grey255.pgm > "$OUT/grey-trns.png" 2>/dev/null || pnmtopng -transparent=rgb:00/00/00 grey255.pgm > "$OUT/grey-trns.png"
for f in "$OUT"/*.png; do pngtopam -alphapam "$f" > "${f%.png}.pam"; done

# ---- TIFF
pnmtotiff -rowsperstrip 5 rgb.ppm > "$OUT/rgb-strips.tif"
pnmtotiff -lzw -rowsperstrip 4 rgb.ppm > "$OUT/rgb-lzw.tif"
pnmtotiff tiles.ppm > tiles-strips.tif
tiffcp -t -w 16 -l 16 tiles-strips.tif "$OUT/rgb-tiles.tif"
# A sample a plane (PlanarConfiguration 2), in tiles and in strips, with and without alpha.
tiffcp -p separate -t -w 16 -l 16 tiles-strips.tif "$OUT/planar-tiles.tif"
tiffcp -p separate -r 7 tiles-strips.tif "$OUT/planar-strips.tif"
pnmtotiff -rowsperstrip 3 grey255.pgm > "$OUT/grey8.tif"
pnmtotiff grey3.pgm > "$OUT/grey2.tif"
pnmtotiff -miniswhite grey1.pgm > "$OUT/bilevel-miniswhite.tif"
pnmtotiff -minisblack grey1.pgm > "$OUT/bilevel.tif"
pnmtotiff -rowsperstrip 6 pal8.ppm > "$OUT/palette8.tif"
convert pal4.ppm -type Palette -depth 4 "$OUT/palette4.tif"
convert tiles.ppm -colors 16 tiles16.ppm
pnmtotiff tiles16.ppm > tiles16.tif
tiffcp -t -w 16 -l 16 tiles16.tif "$OUT/palette-tiles.tif"
convert tiles16.ppm -type Palette -depth 4 -define tiff:tile-geometry=16x16 "$OUT/palette4-tiles.tif"
pnmtotiff rgb16.ppm > "$OUT/rgb16.tif"
convert "$OUT/rgba.png" -define tiff:alpha=unassociated "$OUT/rgba.tif"
tiffcp -p separate -t -w 16 -l 16 "$OUT/rgba.tif" "$OUT/planar-rgba-tiles.tif"
tiffcp -c jpeg:r -r 8 "$OUT/rgb-strips.tif" "$OUT/rgb-jpeg.tif"
tiffcp -c jpeg -r 16 -p contig "$OUT/rgb-strips.tif" "$OUT/ycbcr-jpeg.tif"
for o in 1 2 3 4 5 6 7 8; do
  cp "$OUT/rgb-strips.tif" "$OUT/orient-$o.tif"
  tiffset -s 274 $o "$OUT/orient-$o.tif"
done
cp "$OUT/palette-tiles.tif" "$OUT/palette-tiles-o6.tif"
tiffset -s 274 6 "$OUT/palette-tiles-o6.tif"
# tifftopnm turns orientations 5 to 8 wrongly and cannot read YCbCr, so those
# references come from ImageMagick. rgba.tif and its planar copy are checked against
# rgba.pam, the PNG they were made from (tifftopnm would premultiply their colours).
for f in "$OUT"/*.tif; do
  case $(basename "$f") in
    orient-*|*-o6.tif|ycbcr-*) convert "$f" -auto-orient "ppm:${f%.tif}.pnm" ;;
    rgba.tif|planar-rgba-*) ;;
    *) tifftopnm -alphaout=none "$f" > "${f%.tif}.pnm" 2>/dev/null ;;
  esac
done
ls "$OUT" | wc -l
