#include "app/CSnapvaleView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "core/SettingsStore.h"
#include "image/PhotoImage.h"
#include "layout/Canvas.h"
#include "layout/IndexSheets.h"
#include "layout/RenderPass.h"

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
                   view_->imageListEmpty()
                       ? QObject::tr("Your image list is empty.\nOpen a folder of photos "
                                     "with File > Open Image List... (Ctrl+O).")
                       : QObject::tr("%n photo(s) in the image list.", nullptr, view_->imageList().count()));
        p.end();
        Q_EMIT view_->pageDrawn();
    }

private:
    CSnapvaleView* view_;
};
}  // namespace

CSnapvaleView::CSnapvaleView(SettingsStore& store, const QString& startFolder, QWidget* parent)
    : QScrollArea(parent), store_(store), startFolder_(startFolder) {
    settings_.load(store_);
    PhotoImage::SetApplyExifOrientation(settings_.ApplyExifOrientation != 0);
    PhotoImage::SetColorManagePhotos(settings_.ColorManagePhotos != 0);
    // A folder named on the command line is opened as Open Directory would: the
    // list comes from it, not from the album of the last run.
    if (!startFolder_.isEmpty()) {
        settings_.BitmapPath = startFolder_;
        settings_.ImportedAlbum.clear();
    }

    setFrameShape(QFrame::StyledPanel);
    setBackgroundRole(QPalette::Button);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidgetResizable(false);
    page_ = new PlaceholderPage(this);
    setWidget(page_);
    invalidatePage();
}

CSnapvaleView::~CSnapvaleView() {
    writeEndSettings();
}

void CSnapvaleView::setImageList(const QStringList& paths) {
    list_.clear();
    for (const QString& p : paths) list_.append(p);
    if (!list_.isEmpty()) list_.setCursor(0);
    invalidatePage();
    Q_EMIT imageListChanged();
}

QString CSnapvaleView::currentPhoto() const {
    // A list that no page has taken from yet (or a folder that could not be read this
    // time) still stands at the resume photo; writing the empty current photo would
    // lose the place the last run stopped at. Erase forgets the resume photo itself.
    return list_.currentPhoto.isEmpty() ? settings_.StartSeqPic : list_.currentPhoto;
}

void CSnapvaleView::writeEndSettings() {
    if (endWritten_) return;
    endWritten_ = true;
    settings_.writeViewEnd(store_, currentPhoto());
}

void CSnapvaleView::leaveZoomMode() {
    if (!zoomMode_) return;
    zoomMode_ = false;
    horizontalScrollBar()->setEnabled(true);
    verticalScrollBar()->setEnabled(true);
    viewport()->update();
    Q_EMIT zoomModeLeft();
}

QSize CSnapvaleView::canvasSize() const {
    return QSize(settings_.CanvasWidth, settings_.CanvasHeight);
}

void CSnapvaleView::setServices(StatusSink* status, Notifier* notifier) {
    status_ = status;
    notifier_ = notifier;
    pass_.reset();
}

void CSnapvaleView::invalidatePage() {
    keptPage_.Destroy();
    pageImage_ = QImage();
    // A canvas too large to show is shown at a size the window system can take.
    const QSize size = canvasSize().boundedTo(QSize(16000, 16000)).expandedTo(QSize(1, 1));
    page_->resize(size);
    page_->update();
    if (!renderDue_) {
        renderDue_ = true;
        QTimer::singleShot(0, this, &CSnapvaleView::renderIfDue);
    }
}

void CSnapvaleView::renderIfDue() {
    if (!renderDue_) return;
    renderDue_ = false;
    if (list_.isEmpty()) return;  // the placeholder shows the empty list
    Canvas canvas;
    const QSize size = canvasSize();
    if (!canvas.create(size.width(), size.height())) {
        reportBitmapMemoryError(status_, notifier_);
        return;
    }
    if (!pass_) {
        pass_ = std::make_unique<RenderPass>(settings_, list_, status_, notifier_);
        // The sheet drawer keeps nothing between pages, so one serves every view.
        static IndexSheets indexSheets;
        pass_->setIndexSheetDrawer(&indexSheets);
    }
    if (!pass_->renderPage(canvas, keptPage_)) return;
    // The screen copy comes from the kept page, so a page turned gray shows gray.
    pageImage_ = keptPage_.ToBitmap();
    page_->update();
}

void CSnapvaleView::contextMenuEvent(QContextMenuEvent* event) {
    leaveZoomMode();
    if (popup_) popup_->exec(event->globalPos());
}

void CSnapvaleView::mousePressEvent(QMouseEvent* event) {
    leaveZoomMode();
    QScrollArea::mousePressEvent(event);
}
