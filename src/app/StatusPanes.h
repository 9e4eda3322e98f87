#pragma once
// The main window's status bar: three text panes, 40 % and 25 % of the window's
// width and the rest. The third pane holds the status lamp (a square button at
// its left edge) and the progress bar beside it.

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "core/Seams.h"
#include "ui/PictureButton.h"

class StatusPanes : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanes(QWidget* parent = nullptr);

    struct Layout {
        QRect panes[3];
        QRect indicator;
        QRect progress;
    };
    // Pane widths from the client width (truncated percentages), for a bar of the given height.
    static Layout layoutFor(int clientWidth, int height);
    // Lays the panes out again for the window's client width.
    void relayout(int clientWidth);

    void setPaneText(int pane, const QString& text);
    QString paneText(int pane) const;
    void setIndicator(const QString& name);
    QString indicatorLamp() const { return lamp_; }
    // 1..100 moves the bar and shows it; 0 (or less) empties and hides it.
    void setProgress(int position);

    QLabel* pane(int i) const { return panes_[i]; }
    PictureButton* indicator() const { return indicator_; }
    QProgressBar* progressBar() const { return progress_; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void indicatorClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* panes_[3];
    PictureButton* indicator_;
    QProgressBar* progress_;
    QString lamp_;
    int lampSide_ = 0;
    int clientWidth_ = -1;
};

// The status sink of the desktop program: the main window's panes and title.
class StatusPanesSink final : public StatusSink {
public:
    StatusPanesSink(StatusPanes* panes, QWidget* window) : panes_(panes), window_(window) {}
    // Each change is painted at once: a page renders on the window's own thread and
    // the person should see the texts, the lamp and the bar move while it does.
    void setPaneText(int pane, const QString& text) override {
        panes_->setPaneText(pane, text);
        flush();
    }
    void setIndicator(const QString& name) override {
        panes_->setIndicator(name);
        flush();
    }
    void setProgress(int position) override {
        panes_->setProgress(position);
        flush();
    }
    void setWindowTitle(const QString& title) override { window_->setWindowTitle(title); }

private:
    void flush() {
        if (panes_->isVisible()) panes_->repaint();
    }
    StatusPanes* panes_;
    QWidget* window_;
};
