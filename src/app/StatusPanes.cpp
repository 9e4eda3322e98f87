#include "app/StatusPanes.h"

#include <QResizeEvent>

#include "core/StatusIndicator.h"

StatusPanes::StatusPanes(QWidget* parent) : QWidget(parent) {
    for (QLabel*& pane : panes_) {
        pane = new QLabel(this);
        pane->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        pane->setTextFormat(Qt::PlainText);
        pane->setMargin(1);
        pane->setIndent(4);
    }
    panes_[0]->setText(tr("Ready..."));
    panes_[1]->setText(tr("Photo load progress..."));
    panes_[2]->setText(tr("Page layout style..."));

    indicator_ = new PictureButton(this);
    indicator_->setToolTip(tr("Click here for photo template information."));
    indicator_->setAccessibleDescription(indicator_->toolTip());
    // Reached by Tab like any other button, so the keyboard gets out of the page view.
    indicator_->setFocusPolicy(Qt::TabFocus);
    const char* const names[3] = {QT_TR_NOOP("Status"), QT_TR_NOOP("Photo loading"),
                                  QT_TR_NOOP("Page layout")};
    for (int i = 0; i < 3; ++i) panes_[i]->setAccessibleName(tr(names[i]));
    connect(indicator_, &QAbstractButton::clicked, this, &StatusPanes::indicatorClicked);

    progress_ = new QProgressBar(this);
    progress_->setRange(1, 100);
    progress_->reset();
    progress_->setTextVisible(false);
    progress_->hide();
    setFixedHeight(sizeHint().height());
}

QSize StatusPanes::sizeHint() const {
    return QSize(200, fontMetrics().height() + 8);
}

StatusPanes::Layout StatusPanes::layoutFor(int clientWidth, int height) {
    Layout l;
    const int w = qMax(clientWidth, 0);
    const int first = w * 40 / 100;
    const int second = w * 25 / 100;
    l.panes[0] = QRect(0, 0, first, height);
    l.panes[1] = QRect(first, 0, second, height);
    l.panes[2] = QRect(first + second, 0, qMax(w - first - second, 0), height);
    const int side = qMax(height - 1, 0);
    l.indicator = QRect(l.panes[2].left(), 0, side, side);
    l.progress = QRect(l.indicator.right() + 1, 0, qMax(l.panes[2].width() - side, 0), height);
    return l;
}

void StatusPanes::relayout(int clientWidth) {
    clientWidth_ = clientWidth;
    const Layout l = layoutFor(clientWidth, height());
    for (int i = 0; i < 3; ++i) panes_[i]->setGeometry(l.panes[i]);
    // The third pane's text starts right of the lamp, so the lamp never covers it.
    panes_[2]->setIndent(l.indicator.width() + 4);
    indicator_->setGeometry(l.indicator);
    progress_->setGeometry(l.progress);
    setIndicator(lamp_.isEmpty() ? QStringLiteral("LED_GRAY") : lamp_);
    indicator_->raise();
    progress_->raise();
}

void StatusPanes::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout(clientWidth_ >= 0 ? clientWidth_ : event->size().width());
}

void StatusPanes::setPaneText(int pane, const QString& text) {
    if (pane < 0 || pane > 2) return;
    panes_[pane]->setText(text);
    // A pane narrower than its text shows the rest when the pointer rests on it.
    panes_[pane]->setToolTip(text);
    panes_[pane]->setAccessibleDescription(text);
}

QString StatusPanes::paneText(int pane) const {
    return pane >= 0 && pane <= 2 ? panes_[pane]->text() : QString();
}

void StatusPanes::setIndicator(const QString& name) {
    const QString lamp = statusIndicatorLamp(name);
    const bool changed = lamp != lamp_;
    lamp_ = lamp;
    const int side = qMax(indicator_->height(), 4);
    if (changed || side != lampSide_) {
        lampSide_ = side;
        indicator_->setPicture(statusLampPicture(lamp, side));
    }
    indicator_->setAccessibleName(statusLampDescription(lamp));
}

void StatusPanes::setProgress(int position) {
    if (position <= 0) {
        progress_->reset();
        progress_->hide();
        return;
    }
    progress_->setValue(qBound(1, position, 100));
    progress_->show();
}
