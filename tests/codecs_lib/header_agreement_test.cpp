// Every header reader against its own decoder, over every sample and every fuzz seed:
// whatever a decoder decodes, its header reader sized alike. Each decoder also meets
// every other format's files, where both must refuse or agree just the same.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include "image/CxImage.h"
#include "image/codecs/Codecs.h"
#include "image/codecs/HeaderSize.h"

namespace {

QStringList filesUnder(std::initializer_list<const char*> folders) {
    QStringList files;
    for (const char* folder : folders) {
        QDirIterator it(QStringLiteral(SNAPVALE_TEST_DATA "/") + QLatin1String(folder), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
    }
    files.sort();
    return files;
}

bool decodeAs(int format, const QByteArray& file, CxImage& image, bool orient) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.constData());
    const std::size_t size = std::size_t(file.size());
    DecodeOptions options;
    options.applyExifOrientation = orient;
    switch (format) {
        case CXIMAGE_FORMAT_BMP:
            return DecodeBmp(data, size, image);
        case CXIMAGE_FORMAT_GIF:
            return DecodeGif(data, size, image);
        case CXIMAGE_FORMAT_TGA:
            return DecodeTga(data, size, image);
        case CXIMAGE_FORMAT_PCX:
            return DecodePcx(data, size, image);
        case CXIMAGE_FORMAT_JPG:
            return DecodeJpeg(data, size, image, options);
        case CXIMAGE_FORMAT_PNG:
            return DecodePng(data, size, image, options);
        case CXIMAGE_FORMAT_TIF:
            return DecodeTiff(data, size, image, options);
        case CXIMAGE_FORMAT_HEIF:
            return DecodeHeif(data, size, image, options);
    }
    return false;
}

struct Disagreement {
    QString file;
    int format;
    bool orient;
    bool sized;
    int headerWidth, headerHeight, width, height;
};

}  // namespace

TEST(HeaderAgreement, EveryDecodedPictureWasSizedAlikeFromItsHeaders) {
    const QStringList files = filesUnder({"codecs", "codecs_lib", "../../fuzz/corpus"});
    // Guards against a moved data folder passing with nothing checked.
    ASSERT_GT(files.size(), 300);
    const int formats[] = {CXIMAGE_FORMAT_BMP, CXIMAGE_FORMAT_GIF, CXIMAGE_FORMAT_TGA, CXIMAGE_FORMAT_PCX,
                           CXIMAGE_FORMAT_JPG, CXIMAGE_FORMAT_PNG, CXIMAGE_FORMAT_TIF, CXIMAGE_FORMAT_HEIF};
    std::vector<Disagreement> found;
    int decoded[16] = {};
    for (const QString& path : files) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = f.readAll();
        for (const int format : formats) {
            // HEIF's header reader sizes only the turned picture, the one photos are shown as.
            for (const bool orient : {true, false}) {
                if (format == CXIMAGE_FORMAT_HEIF && !orient) continue;
                MemoryHeaderSource source(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          std::size_t(bytes.size()));
                int hw = 0, hh = 0;
                const bool sized = ReadHeaderSize(source, format, orient, hw, hh);
                CxImage image;
                if (!decodeAs(format, bytes, image, orient)) continue;
                ++decoded[format];
                if (!sized || hw != image.GetWidth() || hh != image.GetHeight())
                    found.push_back(
                        {path, format, orient, sized, hw, hh, image.GetWidth(), image.GetHeight()});
            }
        }
    }
    for (const Disagreement& d : found)
        ADD_FAILURE() << d.file.toStdString() << " format " << d.format << (d.orient ? " turned" : "")
                      << ": headers " << (d.sized ? "" : "refused, ") << d.headerWidth << "x"
                      << d.headerHeight << ", decoded " << d.width << "x" << d.height;
    // Every decoder met files it takes.
    for (const int format : formats) EXPECT_GE(decoded[format], 3) << "format " << format;
}
