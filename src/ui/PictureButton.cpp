#include "ui/PictureButton.h"

#include <QImageReader>
#include <QPainter>
#include <QStyleOptionButton>

#include "core/StatusIndicator.h"

namespace {
// Photos larger than this are refused before decoding: the button is small.
constexpr qint64 kMaxPhotoPixels = qint64(16384) * 16384;

QImage readPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPhotoPixels) return QImage();
    return reader.read();
}
}  // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

bool PictureButton::setBitmap(const QString& resource) {
    const QImage image = readPicture(resource);
    picture_ = image;
    update();
    return !image.isNull();
}

bool PictureButton::setPhoto(const QString& file) {
    return setBitmap(file);
}

void PictureButton::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

PictureButton::Geometry PictureButton::layoutFor(const QRect& rect, bool hasPicture, bool hasCaption) {
    Geometry g;
    // A caption brings the framed outline; the content lies 2 pixels inside it.
    g.content = hasCaption ? rect.adjusted(2, 2, -2, -2) : rect;
    if (hasPicture && hasCaption) {
        const int pictureWidth = g.content.width() / 5;
        g.picture =
            QRect(g.content.left(), g.content.top(), pictureWidth, g.content.height()).adjusted(3, 3, -3, -3);
        g.caption = QRect(g.content.left() + pictureWidth, g.content.top(), g.content.width() - pictureWidth,
                          g.content.height());
    } else if (hasPicture) {
        g.picture = g.content;
    } else if (hasCaption) {
        g.caption = g.content;
    }
    return g;
}

QSize PictureButton::sizeHint() const {
    const QString caption = text().isEmpty() ? QStringLiteral("M") : text();
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, caption);
    return QSize(textSize.width() + 16, textSize.height() + 10);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    p.fillRect(all, palette().button());
    const bool hasCaption = !text().isEmpty();
    const Geometry g = layoutFor(all, !picture_.isNull(), hasCaption);

    if (hasCaption) {
        // Small rounded outline with a raised (or, while pressed, sunken) edge.
        const QRectF outline = QRectF(all).adjusted(0.5, 0.5, -0.5, -0.5);
        const bool down = isDown();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(down ? palette().shadow().color() : palette().light().color(), 1));
        p.drawRoundedRect(outline, 3, 3);
        p.setPen(QPen(down ? palette().light().color() : palette().shadow().color(), 1));
        p.drawLine(outline.bottomLeft() + QPointF(3, 0), outline.bottomRight() - QPointF(3, 0));
        p.drawLine(outline.topRight() + QPointF(0, 3), outline.bottomRight() - QPointF(0, 3));
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    if (!g.picture.isEmpty()) {
        if (hasCaption) {
            // Sunken edge around the small picture.
            p.setPen(palette().dark().color());
            p.drawLine(g.picture.topLeft() - QPoint(1, 1), g.picture.topRight() + QPoint(1, -1));
            p.drawLine(g.picture.topLeft() - QPoint(1, 1), g.picture.bottomLeft() + QPoint(-1, 1));
            p.setPen(palette().light().color());
            p.drawLine(g.picture.bottomLeft() + QPoint(-1, 1), g.picture.bottomRight() + QPoint(1, 1));
            p.drawLine(g.picture.topRight() + QPoint(1, -1), g.picture.bottomRight() + QPoint(1, 1));
        }
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(g.picture, picture_);
    }

    if (!g.caption.isEmpty()) {
        QFont f = font();
        if (isDown()) f.setWeight(QFont::ExtraBold);
        p.setFont(f);
        p.setPen(isEnabled() ? palette().buttonText().color()
                             : palette().color(QPalette::Disabled, QPalette::ButtonText));
        p.drawText(g.caption, Qt::AlignCenter | Qt::TextSingleLine, text());
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = g.content.adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

QImage statusLampPicture(const QString& name, int side) {
    const QString lamp = statusIndicatorLamp(name);
    QImage fromResource = readPicture(QStringLiteral(":/lamps/%1.png").arg(lamp));
    if (!fromResource.isNull()) return fromResource;

    QColor colour(0x80, 0x80, 0x80);
    if (lamp == QLatin1String("LED_DKGRN"))
        colour = QColor(0x00, 0x70, 0x00);
    else if (lamp == QLatin1String("LED_RED"))
        colour = QColor(0xe0, 0x10, 0x10);
    else if (lamp == QLatin1String("LED_YELLOW"))
        colour = QColor(0xf0, 0xd0, 0x00);
    else if (lamp == QLatin1String("LED_LTGRN"))
        colour = QColor(0x40, 0xe0, 0x40);
    else if (lamp == QLatin1String("LED_CYAN"))
        colour = QColor(0x00, 0xc8, 0xe0);

    side = qMax(side, 4);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient glow(QPointF(side * 0.38, side * 0.35), side * 0.6);
    glow.setColorAt(0.0, colour.lighter(170));
    glow.setColorAt(1.0, colour.darker(115));
    p.setBrush(glow);
    p.setPen(QPen(colour.darker(200), 1));
    const qreal inset = side * 0.12;
    p.drawEllipse(QRectF(inset, inset, side - 2 * inset, side - 2 * inset));
    return image;
}
