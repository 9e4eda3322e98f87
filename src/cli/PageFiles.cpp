#include "cli/PageFiles.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "image/CxImage.h"
#include "output/SnapshotWriters.h"

namespace {

bool writePng(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

bool pageFileKindFor(const QString& path, PageFileKind& kind) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("bmp"))
        kind = PageFileKind::Bmp;
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        kind = PageFileKind::Jpeg;
    else if (ext == QLatin1String("png"))
        kind = PageFileKind::Png;
    else if (ext == QLatin1String("pdf"))
        kind = PageFileKind::Pdf;
    else
        return false;
    return true;
}

bool writePageFile(const CxImage& page, PageFileKind kind, int jpegQuality, const QString& path,
                   QString& errorText) {
    errorText.clear();
    switch (kind) {
        case PageFileKind::Bmp:
            return WriteBmp(page, path);
        case PageFileKind::Jpeg:
            return WriteJpeg(page, jpegQuality, path, errorText);
        case PageFileKind::Png:
            return writePng(page.ToBitmap(), path);
        case PageFileKind::Pdf:
            break;
    }
    return false;
}

PdfPages::PdfPages() = default;

PdfPages::~PdfPages() {
    // Not closed: the painter ends before its writer, and the target stays untouched.
    if (painter_) painter_->end();
    painter_.reset();
    writer_.reset();
    if (file_) file_->cancelWriting();
}

bool PdfPages::open(const QString& path, const QSizeF& pageInches, int resolution, const QString& title) {
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) return false;
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setCreator(QStringLiteral("Snapvale"));
    writer_->setTitle(title);
    writer_->setResolution(resolution);
    writer_->setPageSize(QPageSize(pageInches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    writer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    return true;
}

bool PdfPages::addPage(const QImage& page) {
    if (!writer_) return false;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(writer_.get())) return false;
    } else if (!writer_->newPage()) {
        return false;
    }
    // At the writer's resolution one page pixel is one device pixel.
    painter_->drawImage(QRect(0, 0, page.width(), page.height()), page);
    ++pages_;
    return true;
}

bool PdfPages::close() {
    if (!file_) return false;
    const bool painted = painter_ && painter_->end();
    painter_.reset();
    writer_.reset();
    if (!painted || pages_ == 0) {
        file_->cancelWriting();
        file_.reset();
        return false;
    }
    const bool ok = file_->commit();
    file_.reset();
    return ok;
}
