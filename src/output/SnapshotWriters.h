#pragma once
// Writing the kept page to a file: BMP as a plain dump of the DIB block behind a
// 14-byte file header, JPEG through libjpeg from the DIB's rows. Both write through
// a temporary file renamed over the target, so a failed write never leaves half a
// picture where a good one was.

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

class CxImage;
class QPainter;
class QPdfWriter;
class FileOutput;
struct KeptPage;

// The 14-byte file header for a DIB block: "BM", block size + 14, two zero words,
// and the pixel offset 54 + 4 x colour-table entries.
QByteArray bmpFileHeader(const std::uint8_t* dib, std::size_t dibSize);

// False when the page is empty or the file cannot be written; error (when given) then
// says why: "Invalid input data", "Cannot open " and the path, or the failed write's
// own text ("No space left on device").
bool WriteBmp(const CxImage& page, const QString& path, QString* error = nullptr);

// The DIB block's rows as top-down RGB bytes (width x 3 a row). Handles 1, 4, 8,
// 16 (5-5-5), 24 and 32 bits a pixel; errorText is set and the result empty on a
// malformed block or another bit count.
QByteArray dibToRgbRows(const std::uint8_t* dib, std::size_t dibSize, int& width, int& height,
                        QString& errorText);

// JPEG at quality 0..100 (baseline tables, every table written). Success means
// errorText stays empty; it is otherwise "Invalid input data", "Cannot open " and
// the path, "Invalid bitmap bit count", libjpeg's own message, or the failed write's
// text ("No space left on device").
bool WriteJpeg(const CxImage& page, int quality, const QString& path, QString& errorText);

// PNG with the page's resolution in its pHYs chunk. False when nothing was written,
// with error as for WriteBmp.
bool WritePng(const CxImage& page, const QString& path, QString* error = nullptr);

// One PDF for every page, each page of the given physical size, at the given
// resolution so that one page pixel is one device pixel. Written through a temporary
// file: nothing replaces the target unless at least one page was written.
class PdfPages {
public:
    PdfPages();
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    bool open(const QString& path, const QSizeF& pageInches, int resolution, const QString& title);
    bool addPage(const QImage& page);
    bool close();
    int pages() const { return pages_; }
    // Why open() or close() failed: as for WriteBmp.
    QString errorText() const { return error_; }

private:
    std::unique_ptr<FileOutput> file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
    QString error_;
};

// One PDF page of the template's size in inches, the page drawn at its resolution.
// False when nothing was written, with error as for WriteBmp.
bool WritePdf(const KeptPage& page, const QString& path, const QString& title, QString* error = nullptr);
