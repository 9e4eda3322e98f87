#pragma once
// The page files the commands write, chosen by the output's extension: BMP (the kept
// page's DIB), JPEG (the snapshot writer), PNG, each one file a page, or PDF with every
// page in one file.

#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>

class CxImage;
class QPainter;
class QPdfWriter;
class QSaveFile;

enum class PageFileKind { Bmp, Jpeg, Png, Pdf };

// The kind for a path ending in .bmp, .jpg or .jpeg, .png or .pdf (any case); false otherwise.
bool pageFileKindFor(const QString& path, PageFileKind& kind);

// One page as a file of its own (not PDF). False when it cannot be written; errorText
// then holds the JPEG writer's reason, if it gave one.
bool writePageFile(const CxImage& page, PageFileKind kind, int jpegQuality, const QString& path,
                   QString& errorText);

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

private:
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    int pages_ = 0;
};
