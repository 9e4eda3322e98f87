// snapvale-cli decode and info: one photo through the same loading path as the
// program (raster decoders first, the system picture path after), written out as
// a plain binary PPM or described in one line.

#include <QFile>
#include <QImage>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli/CliCommand.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

// "raster JPEG 4000 3000 24": the path taken, the format, the size and the depth.
QString describe(const PhotoImage& photo) {
    if (const CxImage* raster = photo.Raster())
        return QStringLiteral("raster %1 %2 %3 %4")
            .arg(photo.FormatName())
            .arg(raster->GetWidth())
            .arg(raster->GetHeight())
            .arg(raster->GetBpp());
    const QImage& picture = photo.SystemPicture();
    return QStringLiteral("system %1 %2 %3 %4")
        .arg(photo.FormatName())
        .arg(picture.width())
        .arg(picture.height())
        .arg(picture.depth());
}

// One display row (top first) of a raster as RGB bytes.
void rasterRow(const CxImage& image, int displayRow, const std::uint8_t (*palette)[3], std::uint8_t* out) {
    const int width = image.GetWidth();
    const std::uint8_t* src = image.GetBits(image.GetHeight() - 1 - displayRow);
    switch (image.GetBpp()) {
        case 24:
            for (int x = 0; x < width; ++x, src += 3, out += 3) {
                out[0] = src[2];
                out[1] = src[1];
                out[2] = src[0];
            }
            break;
        case 8:
            for (int x = 0; x < width; ++x, out += 3) {
                const std::uint8_t* c = palette[src[x]];
                out[0] = c[0];
                out[1] = c[1];
                out[2] = c[2];
            }
            break;
        default: {
            const int bits = image.GetBpp();
            const int mask = (1 << bits) - 1;
            for (int x = 0; x < width; ++x, out += 3) {
                const int bit = x * bits;
                const std::uint8_t* c = palette[(src[bit / 8] >> (8 - bits - bit % 8)) & mask];
                out[0] = c[0];
                out[1] = c[1];
                out[2] = c[2];
            }
        }
    }
}

bool writePpm(const PhotoImage& photo, const QString& path) {
    const std::unique_ptr<std::FILE, FileCloser> owner(std::fopen(QFile::encodeName(path).constData(), "wb"));
    std::FILE* f = owner.get();
    if (!f) return false;
    std::vector<char> buffer(1 << 20);
    std::setvbuf(f, buffer.data(), _IOFBF, buffer.size());
    bool ok = true;
    if (const CxImage* raster = photo.Raster()) {
        const int width = raster->GetWidth(), height = raster->GetHeight();
        std::uint8_t palette[256][3] = {};
        for (int i = 0; i < raster->GetNumColors() && i < 256; ++i) {
            const RGBQuad c = raster->GetPaletteColor(i);
            palette[i][0] = c.red;
            palette[i][1] = c.green;
            palette[i][2] = c.blue;
        }
        std::vector<std::uint8_t> row(std::size_t(width) * 3);
        ok = std::fprintf(f, "P6\n%d %d\n255\n", width, height) > 0;
        for (int y = 0; ok && y < height; ++y) {
            rasterRow(*raster, y, palette, row.data());
            ok = std::fwrite(row.data(), 1, row.size(), f) == row.size();
        }
    } else {
        const QImage picture = photo.SystemPicture().convertToFormat(QImage::Format_RGB888);
        if (picture.isNull()) return false;
        const std::size_t rowBytes = std::size_t(picture.width()) * 3;
        ok = std::fprintf(f, "P6\n%d %d\n255\n", picture.width(), picture.height()) > 0;
        for (int y = 0; ok && y < picture.height(); ++y)
            ok = std::fwrite(picture.constScanLine(y), 1, rowBytes, f) == rowBytes;
    }
    // Closing flushes the buffer; a full disk shows up here.
    ok = ok && std::fflush(f) == 0;
    return ok;
}

// Loads the photo or reports why not.
bool load(PhotoImage& photo, const QString& path, bool rasterOnly) {
    const int loaded = rasterOnly ? photo.LoadFileRasterOnly(path) : photo.LoadFile(path);
    if (loaded) return true;
    const QString error = photo.LastError();
    cliError(error.isEmpty() ? QStringLiteral("snapvale-cli: cannot load %1").arg(path) : error);
    return false;
}

// The files named on the command line, with --raster-only taken out.
QStringList fileArgs(const CliContext& ctx, bool* rasterOnly) {
    QStringList files;
    for (const QString& a : ctx.args) {
        if (a == QLatin1String("--raster-only"))
            *rasterOnly = true;
        else
            files << a;
    }
    return files;
}

int runDecode(CliContext& ctx) {
    bool rasterOnly = false;
    const QStringList files = fileArgs(ctx, &rasterOnly);
    if (files.size() != 2) {
        cliError(QStringLiteral("Usage: snapvale-cli decode [--raster-only] IN OUT.ppm"));
        return 2;
    }
    PhotoImage photo;
    if (!load(photo, files[0], rasterOnly)) return 1;
    if (!writePpm(photo, files[1])) {
        cliError(QStringLiteral("snapvale-cli: cannot write %1").arg(files[1]));
        return 1;
    }
    cliOut(describe(photo));
    return 0;
}

int runInfo(CliContext& ctx) {
    bool rasterOnly = false;
    const QStringList files = fileArgs(ctx, &rasterOnly);
    if (files.size() != 1) {
        cliError(QStringLiteral("Usage: snapvale-cli info [--raster-only] FILE"));
        return 2;
    }
    PhotoImage photo;
    if (!load(photo, files[0], rasterOnly)) return 1;
    cliOut(describe(photo));
    return 0;
}

// Our own decoders draw no text, but a picture left to Qt's readers may (an SVG with
// text), and text needs the GUI platform's fonts. Files whose first bytes are those of
// a format the codec layer decodes itself start without them.
bool decodedWithoutFonts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return true;  // nothing to decode: only an error is shown
    const QByteArray head = file.read(12);
    return head.startsWith("\xff\xd8") || head.startsWith("\x89PNG") || head.startsWith("BM") ||
           head.startsWith("GIF8") || head.startsWith(QByteArray("II*\0", 4)) ||
           head.startsWith(QByteArray("MM\0*", 4)) || head.mid(4, 4) == "ftyp";
}

bool decodeDrawsText(const QStringList& args) {
    for (const QString& a : args)
        if (!a.startsWith(QLatin1Char('-'))) return !decodedWithoutFonts(a);  // the photo comes first
    return false;
}

const CliCommandRegistration decodeCommand(CliCommand{
    QStringLiteral("decode"), QStringLiteral("decode [--raster-only] IN OUT.ppm"),
    QStringLiteral("loads a photo as the program does and writes it as a binary PPM, top row first"),
    runDecode, /*drawsText=*/false, decodeDrawsText});

const CliCommandRegistration infoCommand(CliCommand{
    QStringLiteral("info"), QStringLiteral("info [--raster-only] FILE"),
    QStringLiteral(
        "prints how a photo loads: path (raster or system), format, width, height, bits per pixel"),
    runInfo, /*drawsText=*/false, decodeDrawsText});

}  // namespace
