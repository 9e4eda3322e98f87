#include "image/PhotoPixelSize.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdint>

#include "image/CxImage.h"
#include "image/FileBytes.h"
#include "image/PhotoImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/HeaderSize.h"

namespace {

bool readRasterSize(const QString& path, int format, int& width, int& height) {
    if (isHeifFormat(format) && !PhotoImage::ApplyExifOrientation()) {
        // Its size as stored is known only to the decoder (see ReadHeifHeaderSize).
        PhotoImage photo;
        if (!photo.LoadFileRasterOnly(path)) return false;
        photo.GetPixelSize(width, height);
        return true;
    }
    QFile file(path);
    // The decoder refuses files it cannot open or that are too large to read whole.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file.size() > kMaxPictureFileBytes)
        return false;
    FileHeaderSource source(file);
    return ReadHeaderSize(source, format, PhotoImage::ApplyExifOrientation(), width, height);
}

// How the system path's resolution is learnt without decoding: Qt's handlers for
// these formats leave QImage's default; its JPEG and PNG handlers take the JFIF
// density and the pHYs chunk, which we read ourselves. Every other handler (BMP and
// TIFF read their resolution fields, ICO and ICNS may hold PNGs with pHYs, and any
// plugin we do not know) has its picture read whole, as LoadFile does.
enum class Density { QtDefault, Jfif, Phys, ReadWhole };

Density densityOf(const QByteArray& format) {
    static const char* const kDefault[] = {"gif", "pbm",  "pgm",  "ppm", "svg", "svgz",
                                           "tga", "wbmp", "webp", "xbm", "xpm"};
    if (format == "jpeg" || format == "jpg") return Density::Jfif;
    if (format == "png") return Density::Phys;
    for (const char* f : kDefault)
        if (format == f) return Density::QtDefault;
    return Density::ReadWhole;
}

// Bits a pixel of the picture the handler will allocate; 0 when it does not say.
int handlerBits(const QImageReader& reader, const QByteArray& format) {
    const QImage::Format f = reader.imageFormat();
    if (f != QImage::Format_Invalid) return QImage::toPixelFormat(f).bitsPerPixel();
    if (format == "gif" || format == "webp") return 32;  // they announce nothing, and always use 32
    return 0;
}

// Qt refuses pictures over its allocation limit only when reading them. A picture
// well under the limit is taken on its announced size; one near or over it is read,
// so that the refusal (or its absence) is Qt's own.
bool wellUnderAllocationLimit(const QSize& size, int bits) {
    if (bits <= 0) return false;
    const int limitMb = QImageReader::allocationLimit();
    if (limitMb <= 0) return true;
    const std::uint64_t stride = (std::uint64_t(size.width()) * std::uint64_t(bits) + 31) / 32 * 4;
    return stride * std::uint64_t(size.height()) <= (std::uint64_t(limitMb) << 20) / 2;
}

// Qt's JPEG handler: dots per metre from the JFIF density, truncated; 0 is ignored.
bool jfifDotsPerMetre(const QString& path, int& dpmX, int& dpmY) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    FileHeaderSource source(file);
    JpegFrameInfo info;
    if (!ReadJpegFrameInfo(source, info)) return false;
    int x = 0, y = 0;
    if (info.densityUnit == 1) {  // per inch
        x = int(100. * info.xDensity / 2.54);
        y = int(100. * info.yDensity / 2.54);
    } else if (info.densityUnit == 2) {  // per centimetre
        x = int(100. * info.xDensity);
        y = int(100. * info.yDensity);
    }
    if (x != 0) dpmX = x;
    if (y != 0) dpmY = y;
    return true;
}

// Qt's PNG handler: the pHYs chunk's pixels per metre as they are; 0 is ignored.
bool physDotsPerMetre(const QString& path, int& dpmX, int& dpmY) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    FileHeaderSource source(file);
    PngHeaderInfo info;
    if (!ReadPngHeaderInfo(source, info)) return false;
    if (info.xPixelsPerMetre != 0) dpmX = int(info.xPixelsPerMetre);
    if (info.yPixelsPerMetre != 0) dpmY = int(info.yPixelsPerMetre);
    return true;
}

// LoadFile keeps a system picture's physical size in hundredths of a millimetre, and
// GetPixelSize converts it back at 96 dpi.
void systemFigures(const QSize& pixels, int dpmX, int dpmY, int& width, int& height) {
    width = mulDivRound(mulDivRound(pixels.width(), 2540, imageDpi(dpmX)), 96, 2540);
    height = mulDivRound(mulDivRound(pixels.height(), 2540, imageDpi(dpmY)), 96, 2540);
}

bool readSystemSize(const QString& path, int& width, int& height) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize announced = reader.size();
    if (announced.isValid() &&
        std::uint64_t(announced.width()) * std::uint64_t(announced.height()) > CxImage::kMaxPixels)
        return false;
    const QByteArray format = reader.format();
    const Density density = densityOf(format);
    if (announced.isValid() && density != Density::ReadWhole &&
        wellUnderAllocationLimit(announced, handlerBits(reader, format))) {
        // What a handler that records no resolution leaves: QImage's default.
        const QImage probe(1, 1, QImage::Format_Mono);
        int dpmX = probe.dotsPerMeterX(), dpmY = probe.dotsPerMeterY();
        const bool known = density == Density::Jfif   ? jfifDotsPerMetre(path, dpmX, dpmY)
                           : density == Density::Phys ? physDotsPerMetre(path, dpmX, dpmY)
                                                      : true;
        if (known) {
            systemFigures(announced, dpmX, dpmY, width, height);
            return true;
        }
    }
    const QImage picture = reader.read();
    if (picture.isNull()) return false;
    systemFigures(picture.size(), picture.dotsPerMeterX(), picture.dotsPerMeterY(), width, height);
    return true;
}

}  // namespace

bool ReadPhotoPixelSize(const QString& path, int& width, int& height) {
    const int format = rasterFormatForPath(path);
    if (format != CXIMAGE_FORMAT_UNKNOWN && readRasterSize(path, format, width, height)) return true;
    // HEIF and AVIF go to their decoder by content too, whatever the file is called.
    if (!isHeifFormat(format)) {
        const int byContent = heifFormatByContent(path);
        if (byContent != CXIMAGE_FORMAT_UNKNOWN) return readRasterSize(path, byContent, width, height);
    }
    return readSystemSize(path, width, height);
}
