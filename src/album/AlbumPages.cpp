#include "album/AlbumPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/Seams.h"
#include "core/WaitCursor.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "layout/Canvas.h"
#include "layout/PageFonts.h"
#include "output/PagePrinter.h"
#include "output/SnapshotWriters.h"

namespace {

// The page proportions, as exact decimals of the area's width and height.
constexpr double kSingleGap = 0.036;
constexpr double kSingleMarginX = 0.055;
constexpr double kSingleMarginY = 0.023;
constexpr double kSpreadGap = 0.026;
constexpr double kSpreadMarginX = 0.282;
constexpr double kSpreadMarginY = 0.042;
// The right page of a spread starts this far along, in widths of the left page's cells.
constexpr double kSpreadRightPage = 1.17;
constexpr double kCaptionFontShare = 0.08;
constexpr int kCaptionFontMin = 15;
constexpr int kCaptionFontMax = 20;
constexpr int kThumbnailQuality = 90;

const char* const kLayoutChoices[] = {"1 x 1", "1 x 2", "1 x 3", "1 x 4", "2 x 1", "2 x 2",
                                      "2 x 3", "3 x 2", "3 x 3", "4 x 3", "4 x 4"};

// The raised frame along the inside of a picture: light above and left, shadow below
// and right, two pixels deep.
const QColor kFrameOuterLight(227, 227, 227);
const QColor kFrameOuterShadow(64, 64, 64);
const QColor kFrameInnerLight(255, 255, 255);
const QColor kFrameInnerShadow(160, 160, 160);

int truncPixels(double v) {
    return int(v);
}

void drawFrameRing(QPainter& painter, const QRect& r, const QColor& light, const QColor& shadow) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    painter.fillRect(x, y, w, 1, light);
    painter.fillRect(x, y, 1, h, light);
    painter.fillRect(x, y + h - 1, w, 1, shadow);
    painter.fillRect(x + w - 1, y, 1, h, shadow);
}

void drawRaisedFrame(QPainter& painter, const QRect& r) {
    drawFrameRing(painter, r, kFrameOuterLight, kFrameOuterShadow);
    drawFrameRing(painter, r.adjusted(1, 1, -1, -1), kFrameInnerLight, kFrameInnerShadow);
}

// The photo scaled into the rectangle. Shrinking averages the pixels under each drawn
// pixel, so a grid of small pictures does not sparkle; enlarging repeats pixels.
void drawPicture(QPainter& painter, const PhotoImage& photo, const QRect& r) {
    if (r.isEmpty() || photo.IsEmpty()) return;
    const QImage source = photo.Raster() ? photo.Raster()->ToBitmap() : photo.SystemPicture();
    if (!source.isNull() && (source.width() > r.width() || source.height() > r.height())) {
        const QImage small = scaleAreaAverage(source, r.width(), r.height());
        if (!small.isNull()) {
            painter.drawImage(r.topLeft(), small);
            return;
        }
    }
    photo.DrawInto(&painter, r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
}

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

int characterCount(const QString& text) {
    return int(text.toUcs4().size());
}

QFont captionFont(int cellHeight) {
    QFont font =
        fontWithCellHeight(QStringLiteral("Arial"), albumCaptionFontHeight(cellHeight), QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

// --- Layout -------------------------------------------------------------------------

QStringList albumLayoutChoices() {
    QStringList choices;
    for (const char* c : kLayoutChoices) choices << QString::fromLatin1(c);
    return choices;
}

bool AlbumLayout::isChoice(const QString& text) {
    return albumLayoutChoices().contains(text);
}

AlbumLayout AlbumLayout::fromText(const QString& text, bool twoPage, bool captions) {
    AlbumLayout layout;
    layout.twoPage = twoPage;
    layout.captions = captions;
    if (!isChoice(text)) return layout;
    layout.columns = text.at(0).digitValue();
    layout.rows = text.at(text.size() - 1).digitValue();
    return layout;
}

QString AlbumLayout::text() const {
    return QStringLiteral("%1 x %2").arg(columns).arg(rows);
}

int AlbumLayout::photosPerPage() const {
    return columns * rows * (twoPage ? 2 : 1);
}

AlbumPageGeometry albumPageGeometry(const AlbumLayout& layout, int W, int H) {
    AlbumPageGeometry g;
    const int columns = std::max(1, layout.columns), rows = std::max(1, layout.rows);
    if (!layout.twoPage) {
        const int gap = truncPixels(W * kSingleGap);
        const int mx = truncPixels(W * kSingleMarginX);
        const int my = truncPixels(H * kSingleMarginY);
        g.cellWidth = truncPixels(double(W - 2 * mx) / columns);
        g.cellHeight = truncPixels(double(H - 2 * my) / rows);
        // The grid is shifted right by the gap: its right edge lies at W - mx + gap.
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                g.cells.emplace_back(mx + gap + c * g.cellWidth, my + r * g.cellHeight);
        return g;
    }
    const int gap = truncPixels(W * kSpreadGap);
    const int mx = truncPixels(W * kSpreadMarginX);  // only sizes the pages
    const int my = truncPixels(H * kSpreadMarginY);
    g.cellWidth = truncPixels(double(W - 2 * mx) / columns);
    g.cellHeight = truncPixels(double(H - 2 * my) / rows);
    const int rightPage = truncPixels(columns * g.cellWidth * kSpreadRightPage);
    for (int page : {0, rightPage})
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                g.cells.emplace_back(page + gap + c * g.cellWidth, my + r * g.cellHeight);
    return g;
}

int albumCaptionFontHeight(int cellHeight) {
    return std::clamp(truncPixels(cellHeight * kCaptionFontShare), kCaptionFontMin, kCaptionFontMax);
}

int albumCaptionBandHeight(int cellHeight, bool captions) {
    return captions ? 2 * albumCaptionFontHeight(cellHeight) : 0;
}

QRect albumPictureRect(const QRect& box, int photoWidth, int photoHeight) {
    const QSize fitted = fitInMarginsSize(box.width(), box.height(), photoWidth, photoHeight);
    if (fitted.isEmpty()) return {};
    return QRect(box.x() + (box.width() - fitted.width()) / 2, box.y() + (box.height() - fitted.height()) / 2,
                 fitted.width(), fitted.height());
}

int albumProgressPercent(int drawn, int perPage) {
    if (perPage <= 0) return 0;
    return int(double(drawn) / double(perPage) * 100.0);
}

QString ShortenCaption(const QString& text, int length) {
    const QList<uint> chars = text.toUcs4();
    if (chars.size() <= length) return text;
    // In single precision 0.7 lies just below 0.7, so length x 0.7 falls short of a
    // whole number whenever it should be one (20 gives 13, not 14).
    const int tail = int(double(length) * double(0.7f)) - 4;
    if (tail <= 0) return text;
    const int head = length - tail - 3;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), head) +
           QStringLiteral("...") +
           QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData() + chars.size() - tail),
                             tail);
}

const QImage& albumBackground(bool twoPage) {
    static const QImage single(QStringLiteral(":/images/196.jpg"));
    static const QImage spread(QStringLiteral(":/images/198.jpg"));
    return twoPage ? spread : single;
}

// --- The model ------------------------------------------------------------------------

AlbumPageModel::AlbumPageModel(StatusSink* status, Notifier* notifier)
    : status_(status), notifier_(notifier) {}

AlbumPageModel::~AlbumPageModel() = default;

void AlbumPageModel::setSeams(StatusSink* status, Notifier* notifier) {
    status_ = status;
    notifier_ = notifier;
}

void AlbumPageModel::changed() {
    dropCachedPreview();
    failedArea_ = QSize();
    ++generation_;
}

void AlbumPageModel::setFiles(const QStringList& files) {
    files_ = files;
    const int n = int(files_.size());
    auto keep = [n](int index, int otherwise) { return index >= 0 && index < n ? index : otherwise; };
    pageStart_ = keep(pageStart_, n > 0 ? 0 : -1);
    running_ = keep(running_, -1);
    firstFile_ = keep(firstFile_, -1);
    changed();
}

void AlbumPageModel::setLayout(const AlbumLayout& layout) {
    if (layout == layout_) return;
    layout_ = layout;
    changed();
}

void AlbumPageModel::setLayoutText(const QString& text) {
    AlbumLayout l = AlbumLayout::fromText(text, layout_.twoPage, layout_.captions);
    setLayout(l);
}

void AlbumPageModel::setTwoPage(bool on) {
    AlbumLayout l = layout_;
    l.twoPage = on;
    setLayout(l);
}

void AlbumPageModel::setCaptions(bool on) {
    AlbumLayout l = layout_;
    l.captions = on;
    setLayout(l);
}

bool AlbumPageModel::setPageStart(int index) {
    if (index < 0 || index >= files_.size()) return false;
    pageStart_ = index;
    changed();
    return true;
}

bool AlbumPageModel::movePageStart(int index) {
    if (index < 0 || index >= files_.size()) return false;
    pageStart_ = index;
    return true;
}

int AlbumPageModel::pageStartFor(long long page) const {
    const long long n = files_.size();
    if (n == 0) return -1;
    if (page < 1) page = 1;
    // Each page moves on by one page's worth of files; only the remainder matters.
    const long long steps = (page - 1) % n;
    return int(steps * photosPerPage() % n);
}

void AlbumPageModel::setThumbnailAreaSize(const QSize& size) {
    thumbnailArea_ = size;
}

void AlbumPageModel::reportMemoryError() {
    if (status_) status_->setWindowTitle(QCoreApplication::translate("Status", kBitmapMemoryErrorPane));
    if (notifier_) notifier_->plainOk(QString::fromLatin1(kBitmapMemoryErrorText));
}

int AlbumPageModel::drawPage(QPainter& painter, int W, int H, int start) {
    const QImage& background = albumBackground(layout_.twoPage);
    if (!background.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRect(0, 0, W, H), background);
        painter.restore();
    }
    // Copies: the editor may change the album while the progress bar lets input through.
    const QStringList files = files_;
    const AlbumLayout layout = layout_;
    const int n = int(files.size());
    if (start < 0 || start >= n) return -1;

    const AlbumPageGeometry g = albumPageGeometry(layout, W, H);
    const int perPage = int(g.cells.size());
    const int band =
        std::min(std::max(0, g.cellHeight), albumCaptionBandHeight(g.cellHeight, layout.captions));
    const int boxWidth = std::max(0, g.cellWidth), boxHeight = std::max(0, g.cellHeight - band);

    // Every cell's photo is asked for ahead, decoded at the smallest scale that still
    // fills its picture; sizes and captions come from the full size either way.
    std::vector<PhotoSupply::Job> jobs;
    jobs.reserve(std::size_t(perPage));
    for (int k = 0; k < perPage; ++k) {
        DecodeTarget target;
        target.target = PhotoTarget{boxWidth, boxHeight, false};
        jobs.push_back({files[(start + k) % n], target});
    }
    supply_.start(jobs);

    // The font is made only for a page that writes something: finding a face costs
    // more than drawing a small page.
    std::optional<QFont> font;
    std::optional<QFontMetrics> metrics;
    auto useFont = [&] {
        if (font) return;
        font = captionFont(g.cellHeight);
        metrics.emplace(*font);
        painter.setFont(*font);
    };
    painter.save();
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);

    if (status_) status_->setProgress(0);
    reduced_ = 0;
    int position = start;
    for (int k = 0; k < perPage; ++k) {
        const PhotoSupply::Job& job = jobs[std::size_t(k)];
        SuppliedPhoto supplied = supply_.active() && supply_.nextIs(job.fileName, job.target.target)
                                     ? supply_.take()
                                     : PhotoSupply::load(job);
        if (supplied.scale > 1) ++reduced_;
        const QRect cell(g.cells[std::size_t(k)], QSize(boxWidth, std::max(0, g.cellHeight)));
        const QRect box(cell.topLeft(), QSize(boxWidth, boxHeight));
        const QRect captionBand(cell.x(), cell.y() + boxHeight, boxWidth, band);

        const bool failed = !supplied.photo;
        const PhotoImage* photo = supplied.photo.get();
        int photoWidth = supplied.fullWidth, photoHeight = supplied.fullHeight;
        if (failed) {
            const PhotoImage& placeholder = placeholderPicture();
            photo = &placeholder;
            photoWidth = photoHeight = 0;
            placeholder.GetPixelSize(photoWidth, photoHeight);
            if (placeholder.IsEmpty()) {
                photoWidth = cell.width();
                photoHeight = cell.height();
            }
        }

        if (status_) status_->setProgress(albumProgressPercent(k + 1, perPage));

        const QRect picture = albumPictureRect(box, photoWidth, photoHeight);
        painter.fillRect(cell, Qt::white);
        drawPicture(painter, *photo, picture);
        drawRaisedFrame(painter, picture);

        QString name = fileNameOf(job.fileName);
        if (failed || layout.captions) useFont();
        if (failed) {
            painter.drawText(picture, Qt::AlignHCenter | Qt::AlignTop,
                             QString::asprintf(album_text::kLoadError, name.toUtf8().constData()));
        } else if (layout.captions) {
            const int width = metrics->horizontalAdvance(name);
            const int length = characterCount(name);
            if (width > boxWidth && length > 0)
                name = ShortenCaption(name, truncPixels(double(boxWidth) / (double(width) / length)));
        }
        if (!captionBand.isEmpty()) {
            painter.save();
            painter.setClipRect(captionBand);
            painter.drawText(
                captionBand, Qt::AlignHCenter | Qt::AlignTop,
                QString::asprintf(album_text::kCaption, photoWidth, photoHeight, name.toUtf8().constData()));
            painter.restore();
        }
        position = (position + 1) % n;
    }
    painter.restore();
    supply_.stop();
    if (status_) status_->setProgress(0);
    return position;
}

bool AlbumPageModel::RenderAlbumPage(const QSize& area, Drawing why) {
    if (busy_) return false;  // a drawing is under way: input let through its progress bar
    if (status_)
        status_->setPaneText(
            0, QString::asprintf(
                   QCoreApplication::translate("Status", album_text::kContainsFiles).toUtf8().constData(),
                   int(files_.size())));
    Canvas canvas;
    if (!canvas.create(area.width(), area.height())) {
        failedArea_ = area;
        reportMemoryError();
        return false;
    }
    busy_ = true;
    const quint64 generation = generation_;
    const int start = pageStart_;
    const int next = drawPage(canvas.painter(), area.width(), area.height(), start);
    busy_ = false;
    // A change made meanwhile asked for another page: this one is stale.
    if (generation != generation_) return false;
    preview_ = canvas.takeImage();
    failedArea_ = QSize();
    if (next >= 0) {
        running_ = next;
        firstFile_ = start;
        if (why == Drawing::PageChange) pageStart_ = next;
    }
    return true;
}

const QImage& AlbumPageModel::preview(const QSize& area) {
    static const QImage none;
    if (!preview_.isNull() && preview_.size() == area) return preview_;
    // A size that could not be made is not tried again until something changes, so a
    // repaint does not bring the memory message back at once.
    if (busy_) return preview_;  // the page being drawn is not done yet
    if (area == failedArea_) return none;
    return RenderAlbumPage(area, Drawing::LayoutChange) ? preview_ : none;
}

bool AlbumPageModel::MakeAlbumThumbnail(const QString& jpegPath, const QString& textPath) {
    if (preview_.isNull()) return false;
    Canvas canvas;
    if (!canvas.create(thumbnailArea_.width(), thumbnailArea_.height())) {
        reportMemoryError();
        return false;
    }
    canvas.painter().setRenderHint(QPainter::SmoothPixmapTransform, true);
    canvas.painter().drawImage(canvas.rect(), preview_);
    CxImage page;
    if (!canvas.makeKeptPage(page)) {
        reportMemoryError();
        return false;
    }
    canvas.release();
    QDir().mkpath(QFileInfo(jpegPath).absolutePath());
    QString error;
    if (!WriteJpeg(page, kThumbnailQuality, jpegPath, error)) return false;
    return EncodeThumbnail(jpegPath, textPath) == 0;
}

AlbumPageModel::PrintOutcome AlbumPageModel::PrintAlbumPage(PrinterBackend& printer) {
    if (files_.isEmpty()) {
        if (notifier_) notifier_->plainOk(QString::fromLatin1(album_text::kEmptyAlbum));
        return PrintOutcome::EmptyAlbum;
    }
    if (busy_) return PrintOutcome::NotPrinted;
    const WaitCursor wait;
    // A small area would print coarsely; once enlarged it stays so, and later
    // thumbnails are made at this size too.
    if (thumbnailArea_.width() < kMinimumPrintWidth) thumbnailArea_ = kPrintArea;
    Canvas canvas;
    if (!canvas.create(thumbnailArea_.width(), thumbnailArea_.height())) {
        reportMemoryError();
        return PrintOutcome::MemoryError;
    }
    busy_ = true;
    const int start = firstFile_ >= 0 ? firstFile_ : pageStart_;
    const int next = drawPage(canvas.painter(), canvas.width(), canvas.height(), start);
    busy_ = false;
    if (next >= 0) running_ = next;
    CxImage page;
    if (!canvas.makeKeptPage(page)) {
        reportMemoryError();
        return PrintOutcome::MemoryError;
    }
    canvas.release();
    const bool spooled =
        PrintBitmap(printer, &page, FitInMargins, QString::fromLatin1(album_text::kPrintJobTitle),
                    kPrintPortrait, kAlbumPrintMargin, kAlbumPrintMargin, PaperSizes{});
    return spooled ? PrintOutcome::Printed : PrintOutcome::NotPrinted;
}
