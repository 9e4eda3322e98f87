#include "app/CSnapvaleView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <iterator>

#include "core/SettingsTable.h"
#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "ui/SlotFraming.h"

namespace {
// The page shown while there is nothing rendered: a drawn placeholder over the
// whole canvas, painted only where the screen needs it.
class PlaceholderPage final : public QWidget {
public:
    explicit PlaceholderPage(CSnapvaleView* view) : QWidget(view), view_(view) {
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        const QRect page = rect();
        p.setClipRegion(event->region());
        if (view_->hasPage()) {
            view_->drawPage(p, event->rect());
            p.end();
            Q_EMIT view_->pageDrawn();
            return;
        }
        p.fillRect(page, QColor(0xf4, 0xf4, 0xf0));

        // A frame a little inside the page, like a print border.
        const int inset = qMax(8, page.width() / 40);
        const QRect inner = page.adjusted(inset, inset, -inset, -inset);
        p.setPen(QPen(QColor(0xb0, 0xb0, 0xa8), 2, Qt::DashLine));
        p.drawRect(inner);

        // A stylised photo near the top left, where the window shows it without scrolling.
        const int box = qMin(inner.width() - 2 * inset, 560);
        const int side = box * 3 / 5;
        const QRect photo(inner.left() + inset + (box - side) / 2, inner.top() + inset * 2, side,
                          side * 3 / 4);
        p.setPen(QPen(QColor(0x90, 0x90, 0x88), 3));
        p.setBrush(QColor(0xe0, 0xe6, 0xec));
        p.drawRect(photo);
        p.setBrush(QColor(0xf0, 0xc0, 0x40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(photo.left() + side / 4, photo.top() + side / 5), side / 10, side / 10);
        p.setBrush(QColor(0x70, 0x98, 0x70));
        const QPolygon hills({QPoint(photo.left() + 2, photo.bottom() - 1),
                              QPoint(photo.left() + side * 2 / 5, photo.top() + side * 3 / 10),
                              QPoint(photo.left() + side * 3 / 5, photo.top() + side / 2),
                              QPoint(photo.left() + side * 3 / 4, photo.top() + side * 2 / 5),
                              QPoint(photo.right() - 1, photo.bottom() - 1)});
        p.drawPolygon(hills);

        QFont f = font();
        f.setPixelSize(qMax(12, box / 28));
        p.setFont(f);
        p.setPen(QColor(0x60, 0x60, 0x58));
        const QRect text(inner.left() + inset, photo.bottom() + inset, box, side);
        p.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   view_->document().listEmpty()
                       ? QObject::tr("Your image list is empty.\nOpen a folder of photos "
                                     "with File > Open Image List... (Ctrl+O).")
                       : QObject::tr("%n photo(s) in the image list.", nullptr,
                                     view_->document().imageList().count()));
        p.end();
        Q_EMIT view_->pageDrawn();
    }

private:
    CSnapvaleView* view_;
};
}  // namespace

CSnapvaleView::CSnapvaleView(PrintDocument& document, QWidget* parent)
    : QScrollArea(parent), document_(document) {
    setFrameShape(QFrame::StyledPanel);
    setBackgroundRole(QPalette::Button);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidgetResizable(false);
    page_ = new PlaceholderPage(this);
    setWidget(page_);
    connect(&document_, &PrintDocument::pageDropped, this, &CSnapvaleView::pageDropped);
    connect(&document_, &PrintDocument::pageRendered, this, &CSnapvaleView::pageRendered);
    connect(&document_, &PrintDocument::zoomModeChanged, this, &CSnapvaleView::zoomModeChanged);
    connect(&document_, &PrintDocument::listChanged, page_, qOverload<>(&QWidget::update));
    framing_ = new SlotFramingOverlay(document_, page_);
    framing_->pageCopy = [this]() -> QImage* { return pageImage_.isNull() ? nullptr : &pageImage_; };
    framing_->pageCopyChanged = [this](const QRect& r) {
        const double z = zoom();
        if (z < 1.0 && !scaled_.isNull() && scaledZoom_ == z) {
            // Only the slot's part of the screen copy is scaled again.
            const QRect target = framing_->toHost(r) & scaled_.rect();
            QPainter p(&scaled_);
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(QRectF(target), pageImage_,
                        QRectF(target.x() / z, target.y() / z, target.width() / z, target.height() / z));
        }
        page_->update(framing_->toHost(r).adjusted(-1, -1, 1, 1));
    };
    connect(&document_, &PrintDocument::framingChanged, this,
            [this] { keepPageOnDrop_ = !pageImage_.isNull(); });
    const int stored = readSettingInt(document_.store(), setting::ViewZoom);
    fit_ = stored == 0;
    zoom_ = stored > 0 ? qBound(0.05, stored / 100.0, 8.0) : 1.0;
    if (document_.hasPage())
        pageRendered();
    else
        pageDropped();
}

CSnapvaleView::~CSnapvaleView() {
    writeEndSettings();
}

void CSnapvaleView::writeEndSettings() {
    document_.writeEndSettings();
}

bool CSnapvaleView::zoomMode() const {
    return document_.zoomMode();
}

void CSnapvaleView::leaveZoomMode() {
    document_.setZoomMode(false);
}

void CSnapvaleView::zoomModeChanged(bool on) {
    layoutPage();
    if (on) return;
    horizontalScrollBar()->setEnabled(true);
    verticalScrollBar()->setEnabled(true);
    viewport()->update();
    Q_EMIT zoomModeLeft();
}

namespace {
// The zoom steps In and Out go through.
const double kZoomSteps[] = {0.1,  0.125, 1.0 / 6, 0.25, 1.0 / 3, 0.5, 2.0 / 3,
                             0.75, 1.0,   1.25,    1.5,  2.0,     3.0, 4.0};
}  // namespace

bool CSnapvaleView::hasPage() const {
    return document_.hasPage();
}

QSize CSnapvaleView::pageSize() const {
    if (!hasPage()) return canvasSize();
    const CxImage& page = document_.page().image;
    return QSize(page.GetWidth(), page.GetHeight());
}

const QImage& CSnapvaleView::pageImage() const {
    if (pageImage_.isNull() && hasPage()) pageImage_ = document_.page().image.ToBitmap();
    return pageImage_;
}

namespace {
// Rows top to bottom of the part of a 24-bit bottom-up page inside rect, as RGB.
QImage pageRegion(const CxImage& page, const QRect& rect) {
    const QRect r = rect & QRect(0, 0, page.GetWidth(), page.GetHeight());
    if (r.isEmpty()) return QImage();
    QImage out(r.size(), QImage::Format_RGB888);
    if (out.isNull()) return out;
    const int h = page.GetHeight();
    for (int y = 0; y < r.height(); ++y) {
        const std::uint8_t* s = page.GetBits(h - 1 - (r.y() + y)) + 3 * std::size_t(r.x());
        std::uint8_t* d = out.scanLine(y);
        for (int x = 0; x < r.width(); ++x, s += 3, d += 3) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
    }
    return out;
}
}  // namespace

void CSnapvaleView::drawPage(QPainter& p, const QRect& target) const {
    const double z = zoom();
    const CxImage& page = document_.page().image;
    if (z < 1.0) {
        p.drawImage(target.topLeft(), shownImage(), target);
        return;
    }
    if (page.GetBpp() != 24 || !pageImage_.isNull()) {
        // A picture made already (or a page of another depth) is drawn as it is.
        const QRectF source(target.x() / z, target.y() / z, target.width() / z, target.height() / z);
        p.setRenderHint(QPainter::SmoothPixmapTransform, z > 1.0);
        p.drawImage(QRectF(target), pageImage(), source);
        return;
    }
    // Only the rows and columns under the exposed part are read from the kept page,
    // with one pixel more around them so an enlargement blends over the edges.
    const QRect needed = QRectF(target.x() / z, target.y() / z, target.width() / z, target.height() / z)
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1) &
                         QRect(0, 0, page.GetWidth(), page.GetHeight());
    const QImage part = pageRegion(page, needed);
    if (part.isNull()) return;
    if (z == 1.0) {
        p.drawImage(needed.topLeft(), part);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.save();
    p.setClipRect(target);
    p.translate(needed.x() * z, needed.y() * z);
    p.scale(z, z);
    p.drawImage(QPoint(0, 0), part);
    p.restore();
}

double CSnapvaleView::zoom() const {
    if (document_.zoomMode()) return 1.0;
    if (!fit_) return zoom_;
    const QSize page = pageSize();
    if (page.isEmpty()) return 1.0;
    const QSize room = viewport()->size();
    return qMax(0.01, qMin(double(room.width()) / page.width(), double(room.height()) / page.height()));
}

const QImage& CSnapvaleView::shownImage() const {
    const double z = zoom();
    if (!hasPage() || z >= 1.0) return pageImage();
    if (scaled_.isNull() || scaledZoom_ != z) {
        // Every screen pixel the average of the page pixels under it, read from the
        // kept page's rows once for this zoom.
        const QSize page = pageSize();
        const int w = qMax(1, int(page.width() * z)), h = qMax(1, int(page.height() * z));
        scaled_ = scaleAreaAverage(document_.page().image, w, h);
        scaledZoom_ = z;
    }
    return scaled_;
}

void CSnapvaleView::setZoom(bool fit, double factor) {
    fit_ = fit;
    zoom_ = qBound(0.05, factor, 8.0);
    writeSettingInt(document_.store(), setting::ViewZoom, fit ? 0 : qMax(1, int(zoom_ * 100 + 0.5)));
    layoutPage();
}

void CSnapvaleView::fitPage() {
    setZoom(true, zoom_);
}

void CSnapvaleView::actualSize() {
    setZoom(false, 1.0);
}

void CSnapvaleView::zoomIn() {
    const double now = zoom();
    for (double step : kZoomSteps)
        if (step > now * 1.001) return setZoom(false, step);
}

void CSnapvaleView::zoomOut() {
    const double now = zoom();
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it < now / 1.001) return setZoom(false, *it);
}

void CSnapvaleView::layoutPage() {
    const QSize page = pageSize();
    const double z = zoom();
    // A page too large to show is shown at a size the window system can take.
    const QSize size = QSize(int(page.width() * z), int(page.height() * z))
                           .boundedTo(QSize(16000, 16000))
                           .expandedTo(QSize(1, 1));
    page_->resize(size);
    page_->update();
    if (framing_) framing_->setPagePlacement(QPoint(0, 0), z);
}

void CSnapvaleView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (fit_) layoutPage();
}

void CSnapvaleView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->angleDelta().y() > 0)
            zoomIn();
        else if (event->angleDelta().y() < 0)
            zoomOut();
        event->accept();
        return;
    }
    QScrollArea::wheelEvent(event);
}

QSize CSnapvaleView::canvasSize() const {
    const AppSettings& s = document_.settings();
    return QSize(s.CanvasWidth, s.CanvasHeight);
}

void CSnapvaleView::setPopupMenu(QMenu* menu) {
    popup_ = menu;
    framing_->moreMenu = menu;
}

void CSnapvaleView::pageDropped() {
    if (keepPageOnDrop_) {
        keepPageOnDrop_ = false;
        if (!renderScheduled_) {
            renderScheduled_ = true;
            QTimer::singleShot(0, this, &CSnapvaleView::renderIfDue);
        }
        return;
    }
    pageImage_ = QImage();
    scaled_ = QImage();
    layoutPage();
    // The rendering runs from the event loop, never inside a paint, so the status bar
    // can show its progress meanwhile.
    if (!renderScheduled_) {
        renderScheduled_ = true;
        QTimer::singleShot(0, this, &CSnapvaleView::renderIfDue);
    }
}

void CSnapvaleView::pageRendered() {
    // The screen shows the kept page itself, so a page turned gray shows gray; no
    // copy of it is made until a zoom asks for one.
    pageImage_ = QImage();
    scaled_ = QImage();
    layoutPage();
}

void CSnapvaleView::renderIfDue() {
    renderScheduled_ = false;
    document_.ensurePage();
}

void CSnapvaleView::contextMenuEvent(QContextMenuEvent* event) {
    leaveZoomMode();
    if (popup_) popup_->exec(event->globalPos());
}

void CSnapvaleView::mousePressEvent(QMouseEvent* event) {
    leaveZoomMode();
    QScrollArea::mousePressEvent(event);
}
