#include "ui/PagePreview.h"

#include <QPainter>

#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "image/PhotoImage.h"

DocumentPagePreview::DocumentPagePreview(PrintDocument& document, const QString& accessibleName,
                                         QWidget* parent)
    : QWidget(parent), document_(document) {
    setMinimumSize(240, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(accessibleName);
    setToolTip(tr("The page as it will print"));
    connect(&document_, &PrintDocument::pageRendered, this, &DocumentPagePreview::refresh);
    connect(&document_, &PrintDocument::pageDropped, this, &DocumentPagePreview::refresh);
}

void DocumentPagePreview::refresh() {
    image_ = QImage();
    if (document_.hasPage() && width() > 0 && height() > 0) {
        const CxImage& page = document_.page().image;
        const QRect fit = PhotoImage::FitRect(rect(), page.GetWidth(), page.GetHeight(), true);
        // Scaled once, straight from the page's rows: no full-size copy on the way.
        if (!fit.isEmpty()) image_ = scaleAreaAverage(page, fit.width(), fit.height());
    }
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
