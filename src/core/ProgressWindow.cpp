#include "core/ProgressWindow.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>

void ProgressWindow::create(const QString& title, bool smooth) {
    if (exists_) return;
    title_ = title;
    lastPercent_ = -1;
    cancelled_ = false;
    exists_ = true;
    visible_ = true;
    doCreate(title_, smooth);
    doSetBar(lower_, upper_, step_, position_);
}

void ProgressWindow::setRange(int lower, int upper, int step) {
    if (!exists_) return;
    lower_ = lower;
    upper_ = upper;
    step_ = step;
    doSetBar(lower_, upper_, step_, position_);
}

void ProgressWindow::setText(const QString& text) {
    if (!exists_) return;
    doSetText(text.left(511));
}

int ProgressWindow::percentFor(int n, int lower, int upper) {
    if (lower >= upper) return 0;
    const double value = double(n - lower) * 100.0 / double(upper - lower) + 0.5;
    return static_cast<int>(std::trunc(value));
}

int ProgressWindow::setPosition(int n) {
    if (!exists_) return position_;
    if (!visible_) show();
    const int percent = percentFor(n, lower_, upper_);
    // A 0..0 range never shows a percentage in the caption.
    if (lower_ < upper_ && percent != lastPercent_) {
        lastPercent_ = percent;
        doSetCaption(QStringLiteral("%1 [%2%]").arg(title_).arg(percent));
    }
    position_ = n;
    doSetBar(lower_, upper_, step_, position_);
    return position_;
}

void ProgressWindow::pump(bool cancelOnEscape) {
    if (!exists_ || cancelled_) return;
    if (doPump(cancelOnEscape)) cancel();
}

void ProgressWindow::wait(int milliseconds, bool cancelOnEscape) {
    if (!exists_ || cancelled_) {
        ProgressWindow::doWait(milliseconds, false);
        return;
    }
    if (doWait(milliseconds, cancelOnEscape)) cancel();
}

bool ProgressWindow::doWait(int milliseconds, bool) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return false;
}

void ProgressWindow::cancel() {
    if (!exists_) return;
    doSavePosition();
    cancelled_ = true;
    hide();
}

void ProgressWindow::hide() {
    if (!exists_ || !visible_) return;
    visible_ = false;
    doSetVisible(false);
}

void ProgressWindow::show() {
    if (!exists_ || visible_) return;
    visible_ = true;
    doSetVisible(true);
}

void ProgressWindow::destroy() {
    if (!exists_) return;
    doSavePosition();
    doDestroy();
    exists_ = false;
    visible_ = false;
}

bool progressPositionOnScreen(int x, int y, int screenWidth, int screenHeight) {
    return x >= 0 && x < screenWidth && y >= 0 && y < screenHeight;
}
