#pragma once
// Test stand-ins for the seams: scripted answers in, everything shown recorded.

#include <QDateTime>
#include <QRect>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "core/ProgressWindow.h"
#include "core/Seams.h"
#include "image/CxImage.h"
#include "output/PrinterBackend.h"

struct ShownMessage {
    QString title;
    QString text;
    bool plain = false;
    MessageKind kind = MessageKind::Information;
    MessageIcon icon = MessageIcon::None;
    QStringList buttons;
};

class ScriptedNotifier : public Notifier {
public:
    // Answers to hand out in order; when they run out a question gets No and a
    // plain box its first button.
    std::deque<Answer> answers;
    std::deque<int> plainAnswers;  // button indexes for plain boxes
    std::vector<ShownMessage> shown;

    Answer message(const QString& title, const QString& text, MessageKind kind) override {
        shown.push_back({title, text, false, kind, MessageIcon::None, {}});
        if (kind != MessageKind::WarningQuestion) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    int plain(const QString& title, const QString& text, MessageIcon icon,
              const QStringList& buttons) override {
        shown.push_back({title, text, true, MessageKind::Information, icon, buttons});
        if (!plainAnswers.empty()) {
            int i = plainAnswers.front();
            plainAnswers.pop_front();
            return i;
        }
        if (!answers.empty() && buttons.contains(QStringLiteral("Yes"))) {
            Answer a = answers.front();
            answers.pop_front();
            return buttons.indexOf(a == Answer::Yes ? QStringLiteral("Yes") : QStringLiteral("No"));
        }
        const int no = buttons.indexOf(QStringLiteral("No"));
        return no >= 0 ? no : 0;
    }
    QStringList texts() const {
        QStringList t;
        for (const auto& m : shown) t << m.text;
        return t;
    }
};

class ScriptedFileChooser : public FileChooser {
public:
    std::deque<QStringList> results;  // one entry per dialog; empty = Cancel
    std::vector<FileDialogRequest> requests;
    QString openFile(const FileDialogRequest& r) override { return next(r).value(0); }
    QStringList openFiles(const FileDialogRequest& r) override { return next(r); }
    QString saveFile(const FileDialogRequest& r) override { return next(r).value(0); }

private:
    QStringList next(const FileDialogRequest& r) {
        requests.push_back(r);
        if (results.empty()) return {};
        QStringList l = results.front();
        results.pop_front();
        return l;
    }
};

class RecordingStatusSink : public StatusSink {
public:
    QStringList panes[3];
    QStringList indicators;
    std::vector<int> progress;
    QStringList titles;
    void setPaneText(int pane, const QString& text) override {
        if (pane >= 0 && pane < 3) panes[pane] << text;
    }
    void setIndicator(const QString& name) override { indicators << name; }
    void setProgress(int position) override { progress.push_back(position); }
    void setWindowTitle(const QString& title) override { titles << title; }
};

class FixedClock : public Clock {
public:
    QDateTime when = QDateTime(QDate(2024, 7, 14), QTime(15, 30, 0));
    QDateTime now() const override { return when; }
};

class RecordingLauncher : public Launcher {
public:
    QStringList opened;
    QStringList urls;
    bool urlsOpen = true;  // what openUrl answers
    bool openLocalFile(const QString& path) override {
        opened << path;
        return true;
    }
    bool openUrl(const QString& url) override {
        urls << url;
        return urlsOpen;
    }
};

// A clipboard holding whatever the test puts there.
class FakeClipboard : public Clipboard {
public:
    QString held;
    QString text() const override { return held; }
};

// A printer that records what it was asked to print. Queue reads come from
// jobCounts in order (the last value repeats); failQueueAt makes the n-th read (1-based) fail.
// State reads come from states the same way, and fail while it is empty. Its paper
// has a borderless version when borderlessPage is set, which page reads give while
// borderless paper is asked for.
class FakePrinterBackend : public PrinterBackend {
public:
    struct SpooledPage {
        int bitmapWidth = 0;
        int bitmapHeight = 0;
        QRect placement;
        QString documentName;
        int orientation = 0;
        bool borderless = false;  // went on the borderless version of the paper
    };
    QString name;
    PrinterPage page;
    PrinterMedia media;
    std::optional<PrinterPage> borderlessPage;
    bool borderlessWanted = false;
    std::deque<PrinterState> states;
    int stateReads = 0;
    int orientation = kPrintPortrait;
    bool spoolSucceeds = true;
    std::vector<SpooledPage> spooled;
    std::deque<int> jobCounts;
    int queueReads = 0;
    int failQueueAt = 0;
    std::function<void()> onSpool;  // runs as each page reaches the spooler

    QString defaultPrinterName() override { return name; }
    void setOrientation(int o) override { orientation = o; }
    bool onBorderless() const { return borderlessWanted && borderlessPage.has_value(); }
    PrinterPage readPrinterPage() override { return onBorderless() ? *borderlessPage : page; }
    PrinterMedia currentMedia() override {
        PrinterMedia m = media;
        m.borderless = m.borderless || onBorderless();
        return m;
    }
    bool useBorderlessMedia(bool on) override {
        borderlessWanted = on;
        return !on || borderlessPage.has_value();
    }
    bool readPrinterState(PrinterState& state) override {
        ++stateReads;
        if (states.empty()) return false;
        state = states.front();
        if (states.size() > 1) states.pop_front();
        return true;
    }
    bool spoolPage(const CxImage& bitmap, const QRect& placement, const QString& documentName) override {
        if (onSpool) onSpool();
        spooled.push_back(
            {bitmap.GetWidth(), bitmap.GetHeight(), placement, documentName, orientation, onBorderless()});
        return spoolSucceeds;
    }
    bool queuedJobCount(int& count) override {
        ++queueReads;
        if (failQueueAt > 0 && queueReads == failQueueAt) return false;
        if (!jobCounts.empty()) {
            count = jobCounts.front();
            if (jobCounts.size() > 1) jobCounts.pop_front();
        } else {
            count = 0;
        }
        return true;
    }
};

// What the progress windows of one test showed, kept after the windows are gone.
struct ProgressLog {
    QStringList captions;
    QStringList texts;
    std::vector<int> positions;
    int pumps = 0;
    std::vector<int> cancelAtPump;  // 1-based pump numbers at which Escape arrives
    int created = 0;
    int destroyed = 0;
};

class RecordingProgressWindow : public ProgressWindow {
public:
    explicit RecordingProgressWindow(ProgressLog* log) : log_(log) {}

protected:
    void doCreate(const QString& caption, bool) override {
        ++log_->created;
        log_->captions << caption;
    }
    void doSetCaption(const QString& caption) override { log_->captions << caption; }
    void doSetText(const QString& text) override { log_->texts << text; }
    void doSetBar(int, int, int, int position) override { log_->positions.push_back(position); }
    void doSetVisible(bool) override {}
    bool doPump(bool cancelOnEscape) override {
        ++log_->pumps;
        for (int p : log_->cancelAtPump)
            if (p == log_->pumps) return cancelOnEscape;
        return false;
    }
    void doDestroy() override { ++log_->destroyed; }

private:
    ProgressLog* log_;
};

class RecordingProgressFactory : public ProgressFactory {
public:
    ProgressLog log;
    std::unique_ptr<ProgressWindow> makeProgressWindow() override {
        return std::make_unique<RecordingProgressWindow>(&log);
    }
};

// All fakes of one test, wired into a Services bundle.
struct FakeServices {
    ScriptedNotifier notifier;
    ScriptedFileChooser files;
    RecordingStatusSink status;
    FakePrinterBackend printer;
    FixedClock clock;
    RecordingProgressFactory progress;
    RecordingLauncher launcher;
    FakeClipboard clipboard;
    Services services(SettingsStore* store) {
        return Services{&notifier, &files,    &status, &printer,  &clock,
                        &progress, &launcher, store,   &clipboard};
    }
};
