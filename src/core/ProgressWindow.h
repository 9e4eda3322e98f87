#pragma once
// The long-operation window: a caption with the percentage, a text of up to four
// lines, a bar and a Cancel button. This class keeps the state and the rules; a
// concrete window (a widget, a line on stderr, a test recorder) draws it.

#include <QString>
#include <memory>

class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;

    // Opens the window with a title (default "Progress") and a smooth or stepped bar.
    void create(const QString& title = QStringLiteral("Progress"), bool smooth = false);
    void setRange(int lower, int upper, int step = 1);
    // The text is cut to 511 characters, as the label's buffer holds 512 bytes.
    void setText(const QString& text);
    // Shows the window when hidden, moves the bar and, when the percentage changed,
    // writes "%s [%d%%]" into the caption. Returns the position now shown; on a
    // window that does not exist it changes nothing and returns the last position.
    int setPosition(int n);
    // Lets pending input through. With cancelOnEscape an Escape cancels.
    void pump(bool cancelOnEscape);
    // Waits the given time with input going through as pump lets it: an Escape or
    // the Cancel button meanwhile cancels (and may end the wait early).
    void wait(int milliseconds, bool cancelOnEscape);
    // The Cancel button, or Escape during pump.
    void cancel();
    bool cancelled() const { return cancelled_; }
    void clearCancelled() { cancelled_ = false; }
    void hide();
    void show();
    void destroy();

    bool exists() const { return exists_; }
    const QString& title() const { return title_; }
    int lastPercent() const { return lastPercent_; }
    int position() const { return position_; }

    // trunc((n - lower) * 100 / (upper - lower) + 0.5) when lower < upper, else 0.
    static int percentFor(int n, int lower, int upper);

protected:
    // Drawing hooks, called only while the window exists.
    virtual void doCreate(const QString& caption, bool smooth) = 0;
    virtual void doSetCaption(const QString& caption) = 0;
    virtual void doSetText(const QString& text) = 0;
    virtual void doSetBar(int lower, int upper, int step, int position) = 0;
    virtual void doSetVisible(bool visible) = 0;
    // Runs pending events; returns true when an Escape arrived (only looked for
    // when cancelOnEscape) or the Cancel button was pressed meanwhile.
    virtual bool doPump(bool cancelOnEscape) = 0;
    // Waits with events running; returns true when an Escape (with cancelOnEscape) or
    // the Cancel button came meanwhile. By default a local event loop that watches nothing.
    virtual bool doWait(int milliseconds, bool cancelOnEscape);
    // Remembers the window's position (Settings/X, Settings/Y) before it hides or closes.
    virtual void doSavePosition() {}
    virtual void doDestroy() = 0;

private:
    bool exists_ = false;
    bool visible_ = false;
    bool cancelled_ = false;
    QString title_ = QStringLiteral("Progress");
    int lower_ = 0;
    int upper_ = 100;
    int step_ = 1;
    int position_ = 0;
    int lastPercent_ = -1;
};

// Makes the progress windows of one front end.
class ProgressFactory {
public:
    virtual ~ProgressFactory() = default;
    virtual std::unique_ptr<ProgressWindow> makeProgressWindow() = 0;
};

// A window that shows nothing and is never cancelled, for work without a person.
class SilentProgressWindow final : public ProgressWindow {
protected:
    void doCreate(const QString&, bool) override {}
    void doSetCaption(const QString&) override {}
    void doSetText(const QString&) override {}
    void doSetBar(int, int, int, int) override {}
    void doSetVisible(bool) override {}
    bool doPump(bool) override { return false; }
    void doDestroy() override {}
};

// Stored progress window position: used only when it lies on the screen.
bool progressPositionOnScreen(int x, int y, int screenWidth, int screenHeight);
