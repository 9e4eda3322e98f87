#!/usr/bin/env bash
# Makes the JPEG, PNG, TIFF, HEIC and AVIF test files of tests/data/codecs_lib, each
# with a reference decode written by an independent tool beside it:
#   JPEG  -> djpeg (the same libjpeg settings as ours, so pixels match exactly)
#   PNG   -> pngtopam -alphapam (colour and alpha)
#   TIFF  -> tifftopnm, or ImageMagick where tifftopnm falls short (see below)
#   HEIC, AVIF -> the source picture (lossy: compared within a tolerance)
#   embedded colour profiles -> Pillow's ImageCms (see the last section)
# Development tools only (not build dependencies):
#   apt-get install -y libjpeg-turbo-progs libtiff-tools imagemagick netpbm libpng-tools \
#     libheif-examples libheif-dev gcc colord-data python3-pil
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

# ---- HEIC and AVIF
# heif-enc writes the plain files from a known PNG; heif-enc cannot write turns and
# mirrors (irot, imir) or an nclx colour description, so a few lines against
# libheif's encoder (heif-variant below) write those. The references are the source
# pixels, turned by Pillow for the orientations; the decoders are lossy, so the tests
# compare within a tolerance.
/usr/bin/python3 - <<'PY'
from PIL import Image
W, H = 37, 23  # odd: the HEVC files are cropped grids
def smooth(x, y):
    r, g, b = x * 255 // (W - 1), y * 255 // (H - 1), (x + 2 * y) * 255 // (W + 2 * H - 3)
    if 4 <= x < 12 and 3 <= y < 9:
        r, g, b = 230, 40, 50
    return r, g, b
rgb = Image.new('RGB', (W, H))
rgb.putdata([smooth(x, y) for y in range(H) for x in range(W)])
rgb.save('heif-source.png')
rgb.save('heif-source.ppm')
rgba = rgb.convert('RGBA')
rgba.putalpha(Image.frombytes('L', (W, H), bytes((x * 7) % 256 if y >= H // 2 else 255 for y in range(H) for x in range(W))))
rgba.save('heif-source-alpha.png')
PY
cp heif-source.ppm "$OUT/heif-source.ppm"
pngtopam -alphapam heif-source-alpha.png > "$OUT/heif-source-alpha.pam"
# One as phones write them (chroma at half resolution, which smears the hard edges),
# the others with full-resolution chroma so the comparison can be close.
heif-enc -q 90 -o "$OUT/heic-rgb.heic" heif-source.png
heif-enc -q 90 -p chroma=444 -o "$OUT/heic-444.heic" heif-source.png
heif-enc -q 90 -p chroma=444 -o "$OUT/avif-rgb.avif" heif-source.png
heif-enc -q 90 -p chroma=444 -o "$OUT/avif-alpha.avif" heif-source-alpha.png
cat > heif-variant.c <<'C'
/* heif-variant OUT.heic|OUT.avif IN.ppm ORIENTATION PRIMARIES TRANSFER: quality 90, 4:4:4;
   ORIENTATION as EXIF's (1 to 8) becomes irot/imir; PRIMARIES 0 writes no nclx. */
#include <libheif/heif.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
int main(int argc, char** argv) {
  int w, h, maxval, stride;
  FILE* f = argc == 6 ? fopen(argv[2], "rb") : NULL;
  if (!f || fscanf(f, "P6 %d %d %d", &w, &h, &maxval) != 3 || maxval != 255) return 2;
  fgetc(f);
  struct heif_image* img;
  if (heif_image_create(w, h, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &img).code) return 1;
  heif_image_add_plane(img, heif_channel_interleaved, w, h, 8);
  uint8_t* p = heif_image_get_plane(img, heif_channel_interleaved, &stride);
  for (int y = 0; y < h; ++y)
    if (fread(p + y * stride, 1, 3 * w, f) != (size_t)(3 * w)) return 2;
  struct heif_context* ctx = heif_context_alloc();
  struct heif_encoder* enc;
  int avif = strstr(argv[1], ".avif") != NULL;
  if (heif_context_get_encoder_for_format(ctx, avif ? heif_compression_AV1 : heif_compression_HEVC, &enc).code)
    return 1;
  heif_encoder_set_lossy_quality(enc, 90);
  heif_encoder_set_parameter(enc, "chroma", "444");
  struct heif_encoding_options* o = heif_encoding_options_alloc();
  o->image_orientation = (enum heif_orientation)atoi(argv[3]);
  struct heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
  if (atoi(argv[4]) > 0) {
    heif_nclx_color_profile_set_color_primaries(nclx, atoi(argv[4]));
    heif_nclx_color_profile_set_transfer_characteristics(nclx, atoi(argv[5]));
    heif_nclx_color_profile_set_matrix_coefficients(nclx, 6);
    nclx->full_range_flag = 1;
    o->output_nclx_profile = nclx;
    heif_image_set_nclx_color_profile(img, nclx);  /* libheif 1.15 writes the image's, not the option's */
  }
  if (heif_context_encode_image(ctx, img, enc, o, NULL).code) return 1;
  return heif_context_write_to_file(ctx, argv[1]).code ? 1 : 0;
}
C
gcc -O1 -o heif-variant heif-variant.c $(pkg-config --cflags --libs libheif)
for o in 2 3 4 5 6 7 8; do ./heif-variant "$OUT/heic-o$o.heic" heif-source.ppm $o 0 0; done
./heif-variant "$OUT/avif-o6.avif" heif-source.ppm 6 0 0
/usr/bin/python3 - "$OUT" <<'PY'
import sys
from PIL import Image
T = Image.Transpose
src = Image.open('heif-source.ppm')
turns = {2: [T.FLIP_LEFT_RIGHT], 3: [T.ROTATE_180], 4: [T.FLIP_TOP_BOTTOM], 5: [T.TRANSPOSE],
         6: [T.ROTATE_270], 7: [T.TRANSVERSE], 8: [T.ROTATE_90]}
for o, ops in turns.items():
    img = src
    for op in ops:
        img = img.transpose(op)
    img.save('%s/heif-source-o%d.ppm' % (sys.argv[1], o))
PY

# ---- Colour profiles
# Photos with embedded ICC profiles (colord's Adobe RGB, ProPhoto and sRGB, a grey
# gamma 1.8 profile made with Little CMS) and an AVIF whose nclx description says
# Display P3. Beside each, NAME.srgb.ppm: the pixels an independent decoder sees
# (djpeg, the source of the lossless files, heif-convert), converted to sRGB by
# Pillow's ImageCms, relative colorimetric with black point compensation.
ICC=/usr/share/color/icc/colord
/usr/bin/python3 - "$OUT" "$ICC" <<'PY'
import ctypes, sys
from PIL import Image
out, icc = sys.argv[1], sys.argv[2]
W, H = 32, 16
def colour(x, y):
    if x < 6 and y < 4:
        return 60, 150, 90  # the colour of the report: Adobe RGB (60, 150, 90)
    if x >= 26 and y >= 12:
        return 128, 128, 128
    return (x * 8 + y * 3) % 256, (y * 16 + x * 2) % 256, ((x ^ y) * 9) % 256
img = Image.new('RGB', (W, H))
img.putdata([colour(x, y) for y in range(H) for x in range(W)])
img.save('colour.ppm')
img.convert('L').save('colour-grey.pgm')
adobe = open(icc + '/AdobeRGB1998.icc', 'rb').read()
prophoto = open(icc + '/ProPhotoRGB.icc', 'rb').read()
img.save(out + '/png-prophoto.png', icc_profile=prophoto)
img.quantize(64).save(out + '/png-adobe-palette.png', icc_profile=adobe)
img.save(out + '/tiff-adobe.tif', icc_profile=adobe)
img.save('heif-adobe.png', icc_profile=adobe)
# Profiles Little CMS makes: grey with gamma 1.8, and Display P3 (D65, sRGB's curve).
lcms = ctypes.CDLL('liblcms2.so.2')
lcms.cmsBuildGamma.restype = ctypes.c_void_p
lcms.cmsBuildParametricToneCurve.restype = ctypes.c_void_p
lcms.cmsCreateGrayProfile.restype = ctypes.c_void_p
lcms.cmsCreateRGBProfile.restype = ctypes.c_void_p
lcms.cmsD50_xyY.restype = ctypes.c_void_p
class xyY(ctypes.Structure):
    _fields_ = [('x', ctypes.c_double), ('y', ctypes.c_double), ('Y', ctypes.c_double)]
def save(profile, name):
    size = ctypes.c_uint32(0)
    lcms.cmsSaveProfileToMem(ctypes.c_void_p(profile), None, ctypes.byref(size))
    buf = ctypes.create_string_buffer(size.value)
    lcms.cmsSaveProfileToMem(ctypes.c_void_p(profile), buf, ctypes.byref(size))
    data = bytearray(buf.raw)
    data[24:36] = bytes([7, 232, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0])  # a fixed date: the files come out the same
    open(name, 'wb').write(bytes(data))
save(lcms.cmsCreateGrayProfile(ctypes.c_void_p(lcms.cmsD50_xyY()),
                               ctypes.c_void_p(lcms.cmsBuildGamma(None, ctypes.c_double(1.8)))), 'grey18.icc')
params = (ctypes.c_double * 5)(2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045)
curve = lcms.cmsBuildParametricToneCurve(None, 4, params)
curves = (ctypes.c_void_p * 3)(curve, curve, curve)
primaries = (xyY * 3)(xyY(0.680, 0.320, 1), xyY(0.265, 0.690, 1), xyY(0.150, 0.060, 1))
save(lcms.cmsCreateRGBProfile(ctypes.byref(xyY(0.3127, 0.3290, 1)), primaries, curves), 'p3.icc')
PY
for p in AdobeRGB1998:adobe ProPhotoRGB:prophoto sRGB:srgb; do
  cjpeg -quality 95 -icc "$ICC/${p%%:*}.icc" colour.ppm > "$OUT/jpeg-${p##*:}.jpg"
done
cjpeg -quality 95 -grayscale -icc grey18.icc colour-grey.pgm > "$OUT/jpeg-grey18.jpg"
djpeg -ppm "$OUT/jpeg-adobe.jpg" > "$OUT/jpeg-adobe.ppm"  # as stored, for the switch turned off
heif-enc -q 92 -o "$OUT/heic-adobe.heic" heif-adobe.png
./heif-variant "$OUT/avif-p3.avif" colour.ppm 1 12 13
heif-convert "$OUT/heic-adobe.heic" heic-adobe.png > /dev/null
heif-convert "$OUT/avif-p3.avif" avif-p3.png > /dev/null
djpeg -ppm "$OUT/jpeg-adobe.jpg" > jpeg-adobe.ppm
djpeg -ppm -scale 1/2 "$OUT/jpeg-adobe.jpg" > jpeg-adobe-s2.ppm
for f in prophoto srgb; do djpeg -ppm "$OUT/jpeg-$f.jpg" > jpeg-$f.ppm; done
djpeg -pnm "$OUT/jpeg-grey18.jpg" > jpeg-grey18.pgm
/usr/bin/python3 - "$OUT" "$ICC" <<'PY'
import sys
from PIL import Image, ImageCms
out, icc = sys.argv[1], sys.argv[2]
srgb = ImageCms.createProfile('sRGB')
def convert(pixels, profile, name):
    t = ImageCms.buildTransform(ImageCms.getOpenProfile(profile), srgb, pixels.mode, 'RGB',
                                renderingIntent=ImageCms.Intent.RELATIVE_COLORIMETRIC,
                                flags=ImageCms.FLAGS['BLACKPOINTCOMPENSATION'])
    ImageCms.applyTransform(pixels, t).save('%s/%s.srgb.ppm' % (out, name))
src = Image.open('colour.ppm')
convert(Image.open('jpeg-adobe.ppm'), icc + '/AdobeRGB1998.icc', 'jpeg-adobe')
convert(Image.open('jpeg-adobe-s2.ppm'), icc + '/AdobeRGB1998.icc', 'jpeg-adobe-s2')
convert(Image.open('jpeg-prophoto.ppm'), icc + '/ProPhotoRGB.icc', 'jpeg-prophoto')
convert(Image.open('jpeg-srgb.ppm'), icc + '/sRGB.icc', 'jpeg-srgb')
convert(Image.open('jpeg-grey18.pgm').convert('L'), 'grey18.icc', 'jpeg-grey18')
convert(src, icc + '/ProPhotoRGB.icc', 'png-prophoto')
convert(Image.open(out + '/png-adobe-palette.png').convert('RGB'), icc + '/AdobeRGB1998.icc', 'png-adobe-palette')
convert(src, icc + '/AdobeRGB1998.icc', 'tiff-adobe')
convert(Image.open('heic-adobe.png').convert('RGB'), icc + '/AdobeRGB1998.icc', 'heic-adobe')
convert(Image.open('avif-p3.png').convert('RGB'), 'p3.icc', 'avif-p3')
PY
ls "$OUT" | wc -l
