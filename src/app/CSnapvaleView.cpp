#include "app/CSnapvaleView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "document/PrintDocument.h"

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
        if (!view_->pageImage().isNull()) {
            // The kept page, one canvas pixel to one screen pixel.
            p.drawImage(event->rect().topLeft(), view_->pageImage(), event->rect());
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
    if (on) return;
    horizontalScrollBar()->setEnabled(true);
    verticalScrollBar()->setEnabled(true);
    viewport()->update();
    Q_EMIT zoomModeLeft();
}

QSize CSnapvaleView::canvasSize() const {
    const AppSettings& s = document_.settings();
    return QSize(s.CanvasWidth, s.CanvasHeight);
}

void CSnapvaleView::pageDropped() {
    pageImage_ = QImage();
    // A canvas too large to show is shown at a size the window system can take.
    const QSize size = canvasSize().boundedTo(QSize(16000, 16000)).expandedTo(QSize(1, 1));
    page_->resize(size);
    page_->update();
    // The rendering runs from the event loop, never inside a paint, so the status bar
    // can show its progress meanwhile.
    if (!renderScheduled_) {
        renderScheduled_ = true;
        QTimer::singleShot(0, this, &CSnapvaleView::renderIfDue);
    }
}

void CSnapvaleView::pageRendered() {
    // The screen copy comes from the kept page, so a page turned gray shows gray.
    pageImage_ = document_.page().image.ToBitmap();
    page_->resize(pageImage_.size().boundedTo(QSize(16000, 16000)).expandedTo(QSize(1, 1)));
    page_->update();
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
