#include "CodecTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "image/codecs/Codecs.h"

namespace {

// The next whitespace-separated header token of a PNM file (comments skipped).
QByteArray token(const QByteArray& d, int& pos) {
    for (;;) {
        while (pos < d.size() && QChar(d[pos]).isSpace()) ++pos;
        if (pos < d.size() && d[pos] == '#') {
            while (pos < d.size() && d[pos] != '\n') ++pos;
            continue;
        }
        break;
    }
    const int start = pos;
    while (pos < d.size() && !QChar(d[pos]).isSpace()) ++pos;
    return d.mid(start, pos - start);
}

}  // namespace

RefPicture readReference(const QString& path) {
    RefPicture ref;
    const QByteArray d = readBytes(path);
    int pos = 0;
    const QByteArray magic = token(d, pos);
    int depth = 3, maxval = 0;
    if (magic == "P6") {
        ref.width = token(d, pos).toInt();
        ref.height = token(d, pos).toInt();
        maxval = token(d, pos).toInt();
        ++pos;  // the single whitespace before the samples
    } else if (magic == "P7") {
        for (;;) {
            const QByteArray key = token(d, pos);
            if (key.isEmpty()) return {};
            if (key == "ENDHDR") break;
            const QByteArray value = token(d, pos);
            if (key == "WIDTH") ref.width = value.toInt();
            if (key == "HEIGHT") ref.height = value.toInt();
            if (key == "DEPTH") depth = value.toInt();
            if (key == "MAXVAL") maxval = value.toInt();
        }
        ++pos;
    } else {
        return {};
    }
    const qsizetype need = qsizetype(ref.width) * ref.height * depth;
    if (maxval != 255 || (depth != 3 && depth != 4) || d.size() - pos < need) return {};
    ref.hasAlpha = depth == 4;
    ref.rgba.resize(std::size_t(ref.width) * ref.height * 4);
    for (qsizetype i = 0; i < qsizetype(ref.width) * ref.height; ++i) {
        const auto* src = reinterpret_cast<const std::uint8_t*>(d.constData()) + pos + i * depth;
        std::uint8_t* dst = &ref.rgba[std::size_t(i) * 4];
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        dst[3] = depth == 4 ? src[3] : 255;
    }
    return ref;
}

QString codecDataDir() {
    return QStringLiteral(SNAPVALE_TEST_DATA "/codecs");
}

QStringList codecSamples() {
    QStringList out;
    const QDir dir(codecDataDir());
    for (const QString& name : dir.entryList({"*.bmp", "*.gif", "*.tga", "*.pcx"}, QDir::Files, QDir::Name))
        out << dir.filePath(name);
    return out;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool decodeByExtension(const QString& path, const std::uint8_t* data, std::size_t size, CxImage& image) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == "bmp") return DecodeBmp(data, size, image);
    if (ext == "gif") return DecodeGif(data, size, image);
    if (ext == "tga") return DecodeTga(data, size, image);
    if (ext == "pcx") return DecodePcx(data, size, image);
    ADD_FAILURE() << "no decoder for " << path.toStdString();
    return false;
}

bool decodeByExtension(const QString& path, const QByteArray& bytes, CxImage& image) {
    return decodeByExtension(path, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             std::size_t(bytes.size()), image);
}

RGBQuad displayPixel(const CxImage& image, int x, int yFromTop) {
    return image.ReadColor(x, image.GetHeight() - 1 - yFromTop);
}
