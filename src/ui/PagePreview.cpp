#include "ui/PagePreview.h"

#include <QPainter>

#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"
#include "ui/SlotFraming.h"

DocumentPagePreview::DocumentPagePreview(PrintDocument& document, const QString& accessibleName,
                                         QWidget* parent)
    : QWidget(parent), document_(document) {
    setMinimumSize(240, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(accessibleName);
    setToolTip(tr("The page as it will print"));
    connect(&document_, &PrintDocument::pageRendered, this, &DocumentPagePreview::refresh);
    connect(&document_, &PrintDocument::pageDropped, this, [this] {
        // A page dropped for a framing keeps showing until the framed one is drawn.
        if (keepOnDrop_) {
            keepOnDrop_ = false;
            return;
        }
        refresh();
    });
    connect(&document_, &PrintDocument::framingChanged, this, [this] { keepOnDrop_ = !image_.isNull(); });
}

void DocumentPagePreview::enableFraming() {
    if (framing_) return;
    framing_ = new SlotFramingOverlay(document_, this);
    framing_->pageCopy = [this]() -> QImage* {
        if (!document_.hasPage()) return nullptr;
        if (fullPage_.isNull()) fullPage_ = document_.page().image.ToBitmap();
        return &fullPage_;
    };
    framing_->pageCopyChanged = [this](const QRect& r) {
        // Only the slot's part of the preview is scaled again.
        const QRect fit = PhotoImage::FitRect(rect(), image_.width(), image_.height(), true);
        const QRect target = framing_->toHost(r).translated(-fit.topLeft()) & image_.rect();
        const double scale = framing_->scale();
        if (target.isEmpty() || !(scale > 0)) return;
        QPainter p(&image_);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(
            QRectF(target), fullPage_,
            QRectF(target.x() / scale, target.y() / scale, target.width() / scale, target.height() / scale));
        p.end();
        update(target.translated(fit.topLeft()));
    };
    refresh();
}

void DocumentPagePreview::refresh() {
    image_ = QImage();
    fullPage_ = QImage();
    if (document_.hasPage() && width() > 0 && height() > 0) {
        const CxImage& page = document_.page().image;
        const QRect fit = PhotoImage::FitRect(rect(), page.GetWidth(), page.GetHeight(), true);
        // Scaled once, straight from the page's rows: no full-size copy on the way.
        if (!fit.isEmpty()) image_ = scaleAreaAverage(page, fit.width(), fit.height());
        if (framing_ && !fit.isEmpty())
            framing_->setPagePlacement(fit.topLeft(), double(fit.width()) / page.GetWidth());
    }
    if (framing_) framing_->rebuild();
    update();
}

void DocumentPagePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    if (image_.isNull()) return;
    const QRect fit = PhotoImage::FitRect(rect(), image_.width(), image_.height(), true);
    p.drawImage(fit.topLeft(), image_);
}

void DocumentPagePreview::resizeEvent(QResizeEvent*) {
    refresh();
}
