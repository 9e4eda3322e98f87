#pragma once
// The progress window on screen: a small always-on-top tool window with a text of
// up to four lines, a bar and a " Cancel " button. Long operations drive it through
// ProgressWindow and keep the program alive with pump().

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "core/ProgressWindow.h"

class QEventLoop;
class SettingsStore;

class ProgressDialog final : public ProgressWindow {
public:
    // The window is owned by parent's top-level window; store keeps its position
    // (Settings/X and Settings/Y) and may be null.
    ProgressDialog(QWidget* parent, SettingsStore* store);
    ~ProgressDialog() override;

    static constexpr int kWidth = 390;
    static constexpr int kHeight = 130;

    // Remember and restore the window position (on by default).
    void setRememberPosition(bool on) { rememberPosition_ = on; }

    // The window itself, for tests and for callers that place other windows near it.
    QWidget* window() const { return window_.data(); }
    QLabel* label() const { return label_; }
    QProgressBar* bar() const { return bar_; }
    QPushButton* cancelButton() const { return button_; }

protected:
    void doCreate(const QString& caption, bool smooth) override;
    void doSetCaption(const QString& caption) override;
    void doSetText(const QString& text) override;
    void doSetBar(int lower, int upper, int step, int position) override;
    void doSetVisible(bool visible) override;
    bool doPump(bool cancelOnEscape) override;
    bool doWait(int milliseconds, bool cancelOnEscape) override;
    void doSavePosition() override;
    void doDestroy() override;

private:
    class KeyWatch;
    void onCancelClicked();
    void placeWindow();
    // The windows whose keys the pump holds back: the main window and this one.
    QList<const QWidget*> watchedWindows() const;

    QPointer<QWidget> parent_;
    SettingsStore* store_;
    QPointer<QWidget> window_;
    // Children of window_; they go when the owner window goes.
    QPointer<QLabel> label_;
    QPointer<QProgressBar> bar_;
    QPointer<QPushButton> button_;
    bool rememberPosition_ = true;
    bool pumping_ = false;
    bool cancelPressed_ = false;
    QEventLoop* waitLoop_ = nullptr;
};

class GuiProgressFactory final : public ProgressFactory {
public:
    GuiProgressFactory(QWidget* parent, SettingsStore* store) : parent_(parent), store_(store) {}
    std::unique_ptr<ProgressWindow> makeProgressWindow() override {
        return std::make_unique<ProgressDialog>(parent_.data(), store_);
    }

private:
    QPointer<QWidget> parent_;
    SettingsStore* store_;
};
