#include "ui/ProgressDialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/SettingsStore.h"
#include "core/SettingsTable.h"

// Watches the keyboard of the main window and the progress window while the work
// pumps. Enter and Escape never reach the main window meanwhile (there they would
// close it in the middle of the work); Escape cancels when the caller asked for that.
// Any other window (a message box, the help) keeps its own keys.
class ProgressDialog::KeyWatch final : public QObject {
public:
    KeyWatch(const QList<const QWidget*>& windows, bool cancelOnEscape, QEventLoop* wait = nullptr)
        : windows_(windows), cancelOnEscape_(cancelOnEscape), wait_(wait) {}
    bool escaped = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
            watches(watched)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                if (cancelOnEscape_ && event->type() == QEvent::KeyPress) {
                    escaped = true;
                    // A wait ends at once, so the question comes while the person still looks.
                    if (wait_) wait_->quit();
                }
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool watches(QObject* target) const {
        const auto* widget = qobject_cast<const QWidget*>(target);
        return widget && windows_.contains(widget->window());
    }

    QList<const QWidget*> windows_;
    bool cancelOnEscape_;
    QEventLoop* wait_;
};

QList<const QWidget*> ProgressDialog::watchedWindows() const {
    QList<const QWidget*> windows{window_.data()};
    if (parent_) windows << parent_->window();
    return windows;
}

ProgressDialog::ProgressDialog(QWidget* parent, SettingsStore* store) : parent_(parent), store_(store) {}

ProgressDialog::~ProgressDialog() {
    destroy();
}

void ProgressDialog::doCreate(const QString& caption, bool smooth) {
    QWidget* owner = parent_ ? parent_->window() : nullptr;
    auto* w = new QWidget(
        owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->setWindowTitle(caption);
    w->setFixedSize(kWidth, kHeight);
    w->setCursor(Qt::BusyCursor);
    w->setBackgroundRole(QPalette::Button);
    w->setAutoFillBackground(true);

    label_ = new QLabel(w);
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    bar_ = new QProgressBar(w);
    bar_->setTextVisible(smooth);
    button_ = new QPushButton(QObject::tr(" Cancel "), w);
    button_->setCursor(Qt::ArrowCursor);
    button_->setToolTip(QObject::tr("Stop the work in progress"));
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, w, [this] { onCancelClicked(); });

    // Four text lines across the width, the button right-aligned under them, the bar to its left.
    const int margin = 10;
    const QSize buttonSize = button_->sizeHint();
    const int buttonTop = kHeight - margin - buttonSize.height();
    label_->setGeometry(margin, margin, kWidth - 2 * margin, qMax(buttonTop - 2 * margin, 0));
    button_->setGeometry(kWidth - margin - buttonSize.width(), buttonTop, buttonSize.width(),
                         buttonSize.height());
    const int barHeight = qMin(buttonSize.height(), 20);
    bar_->setGeometry(margin, buttonTop + (buttonSize.height() - barHeight) / 2, button_->x() - 2 * margin,
                      barHeight);

    window_ = w;
    placeWindow();
    w->show();
}

void ProgressDialog::placeWindow() {
    QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    if (rememberPosition_ && store_) {
        const int x = readSettingInt(*store_, setting::X);
        const int y = readSettingInt(*store_, setting::Y);
        if (progressPositionOnScreen(x, y, area.width(), area.height())) {
            window_->move(x, y);
            return;
        }
    }
    window_->move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
}

void ProgressDialog::doSetCaption(const QString& caption) {
    if (window_) window_->setWindowTitle(caption);
}

void ProgressDialog::doSetText(const QString& text) {
    if (label_) label_->setText(text);
}

void ProgressDialog::doSetBar(int lower, int upper, int, int position) {
    if (!bar_) return;
    // An empty range would make the bar run as a busy indicator; show it empty instead.
    bar_->setRange(lower, upper > lower ? upper : lower + 1);
    bar_->setValue(qBound(bar_->minimum(), position, bar_->maximum()));
}

void ProgressDialog::doSetVisible(bool visible) {
    if (window_) window_->setVisible(visible);
}

bool ProgressDialog::doPump(bool cancelOnEscape) {
    if (!window_) return false;
    KeyWatch watch(watchedWindows(), cancelOnEscape);
    qApp->installEventFilter(&watch);
    pumping_ = true;
    cancelPressed_ = false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    pumping_ = false;
    qApp->removeEventFilter(&watch);
    const bool stop = watch.escaped || cancelPressed_;
    if (stop && parent_) {
        parent_->window()->raise();
        parent_->window()->activateWindow();
    }
    return stop;
}

bool ProgressDialog::doWait(int milliseconds, bool cancelOnEscape) {
    if (!window_) return ProgressWindow::doWait(milliseconds, cancelOnEscape);
    QEventLoop loop;
    KeyWatch watch(watchedWindows(), cancelOnEscape, &loop);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    qApp->installEventFilter(&watch);
    pumping_ = true;
    cancelPressed_ = false;
    waitLoop_ = &loop;
    loop.exec();
    waitLoop_ = nullptr;
    pumping_ = false;
    qApp->removeEventFilter(&watch);
    const bool stop = watch.escaped || cancelPressed_;
    if (stop && parent_) {
        parent_->window()->raise();
        parent_->window()->activateWindow();
    }
    return stop;
}

void ProgressDialog::onCancelClicked() {
    if (pumping_) {
        // The pump or wait in progress reports it, so the caller sees it on its own schedule.
        cancelPressed_ = true;
        if (waitLoop_) waitLoop_->quit();
        return;
    }
    cancel();
    if (parent_) {
        parent_->window()->raise();
        parent_->window()->activateWindow();
    }
}

void ProgressDialog::doSavePosition() {
    if (!rememberPosition_ || !store_ || !window_) return;
    const QPoint at = window_->pos();
    writeSettingInt(*store_, setting::X, at.x());
    writeSettingInt(*store_, setting::Y, at.y());
}

void ProgressDialog::doDestroy() {
    if (window_) {
        window_->hide();
        delete window_.data();
    }
    label_ = nullptr;
    bar_ = nullptr;
    button_ = nullptr;
}
