#include "ui/smalldialogs/HyperlinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "core/Seams.h"
#include "ui/smalldialogs/SmallDialogsModel.h"

namespace {
// A screen reader meets the label as a link it can press, not as plain text.
class HyperlinkAccessible : public QAccessibleWidget {
public:
    explicit HyperlinkAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const auto* link = static_cast<const HyperlinkLabel*>(widget());
        if (t == QAccessible::Name && link->accessibleName().isEmpty()) return link->text();
        if (t == QAccessible::Description && link->accessibleDescription().isEmpty()) return link->url();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<HyperlinkLabel*>(widget())->openLink();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* hyperlinkAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("HyperlinkLabel") && object && object->isWidgetType())
        return new HyperlinkAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
}  // namespace

HyperlinkLabel::HyperlinkLabel(const QString& text, const QString& url, Launcher& launcher,
                               Notifier& notifier, QWidget* parent)
    : QLabel(parent), launcher_(launcher), notifier_(notifier) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(hyperlinkAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setTextFormat(Qt::PlainText);
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::Link);
    setAttribute(Qt::WA_Hover);
    setUrl(url);
}

void HyperlinkLabel::setUrl(const QString& url) {
    url_ = url;
    setToolTip(url);
}

bool HyperlinkLabel::openLink() {
    if (launcher_.openUrl(url_)) return true;
    notifier_.plain(QString(), hyperlinkFailureText(kNoAssociationError), MessageIcon::Exclamation, {});
    return false;
}

void HyperlinkLabel::setHovered(bool hovered) {
    if (hovered_ == hovered) return;
    hovered_ = hovered;
    restyle();
    Q_EMIT hoveredChanged(hovered);
}

void HyperlinkLabel::restyle() {
    QFont f = font();
    f.setUnderline(hovered_ || hasFocus());
    setFont(f);
    update();
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    setHovered(true);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    setHovered(false);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    // Like a button: only a release over the label opens the link, so a press that
    // is dragged away changes its mind.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        openLink();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            openLink();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void HyperlinkLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    restyle();
}

void HyperlinkLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    restyle();
}

void HyperlinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
