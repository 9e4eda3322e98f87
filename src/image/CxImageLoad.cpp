// Loading a CxImage: the whole file is read into memory and handed to the one
// decoder that its format code names. There is no detection by content here; the
// photo loader sniffs HEIF files itself.
#include <QByteArray>
#include <QFile>

#include "image/CxImage.h"
#include "image/FileBytes.h"
#include "image/codecs/Codecs.h"

namespace {

constexpr qint64 kMaxFileBytes = kMaxPictureFileBytes;

bool acceptedCode(int format) {
    return format > CXIMAGE_FORMAT_UNKNOWN && format < 16;
}

}  // namespace

bool readBounded(QFile& file, QByteArray& out) {
    out.clear();
    const qint64 expected = file.size();
    if (expected > kMaxFileBytes) return false;
    // One read into a buffer of the file's size (no regrowing copies of a large
    // photo); then chunks, so a device that reports no size (a pipe) or a file that
    // grows meanwhile is bounded as well.
    if (expected > 0) {
        out.resize(expected);
        const qint64 got = file.read(out.data(), expected);
        if (got < 0) return false;
        out.resize(got);
    }
    constexpr qint64 chunk = 1 << 20;
    for (;;) {
        const QByteArray part = file.read(chunk);
        if (part.isEmpty()) return file.error() == QFileDevice::NoError;
        if (out.size() + part.size() > kMaxFileBytes) return false;
        out.append(part);
    }
}

bool CxImage::LoadFromFile(const QString& path, int format) {
    if (!acceptedCode(format)) {
        SetLastError(QStringLiteral("Decode: Unknown or wrong format"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetLastError(QStringLiteral("Unable to open file"));
        return false;
    }
    QByteArray bytes;
    if (file.size() > kMaxFileBytes) {
        SetLastError(QStringLiteral("File too large"));
        return false;
    }
    if (!readBounded(file, bytes)) {
        SetLastError(file.error() ? QStringLiteral("Unable to read file") : QStringLiteral("File too large"));
        return false;
    }
    return LoadFromMemory(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()),
                          format);
}

bool CxImage::LoadFromMemory(const std::uint8_t* data, std::size_t size, int format) {
    static const std::uint8_t empty = 0;
    if (!data) {
        data = &empty;
        size = 0;
    }
    DecodeOptions options;
    options.applyExifOrientation = applyExifOrientation_;
    options.colorManage = colorManage_;
    switch (acceptedCode(format) ? format : CXIMAGE_FORMAT_UNKNOWN) {
        case CXIMAGE_FORMAT_BMP:
            return DecodeBmp(data, size, *this);
        case CXIMAGE_FORMAT_GIF:
            return DecodeGif(data, size, *this);
        case CXIMAGE_FORMAT_JPG:
            return DecodeJpeg(data, size, *this, options);
        case CXIMAGE_FORMAT_PNG:
            return DecodePng(data, size, *this, options);
        case CXIMAGE_FORMAT_TIF:
            return DecodeTiff(data, size, *this, options);
        case CXIMAGE_FORMAT_TGA:
            return DecodeTga(data, size, *this);
        case CXIMAGE_FORMAT_PCX:
            return DecodePcx(data, size, *this);
        case CXIMAGE_FORMAT_HEIF:
        case CXIMAGE_FORMAT_AVIF:
            return DecodeHeif(data, size, *this, options);
        default:
            SetLastError(QStringLiteral("Decode: Unknown or wrong format"));
            return false;
    }
}

bool CxImage::LoadFromResource(const QString& name, int format) {
    const QString failed = QStringLiteral("Unable to load resource!");
    if (!acceptedCode(format)) {
        SetLastError(failed);
        return false;
    }
    QFile file(QStringLiteral(":/images/") + name);
    QByteArray bytes;
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly) || !readBounded(file, bytes)) {
        SetLastError(failed);
        return false;
    }
    if (!LoadFromMemory(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()),
                        format)) {
        SetLastError(failed);
        return false;
    }
    return true;
}
