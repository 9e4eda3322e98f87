#pragma once
// The seams of the command line: messages go to stderr and questions take the
// answer the flags give (--yes), else No.

#include "core/ProgressWindow.h"
#include "core/Seams.h"

class CliNotifier final : public Notifier {
public:
    explicit CliNotifier(bool assumeYes) : assumeYes_(assumeYes) {}
    Answer message(const QString& title, const QString& text, MessageKind kind) override;
    int plain(const QString& title, const QString& text, MessageIcon icon,
              const QStringList& buttons) override;

private:
    bool assumeYes_;
};

// File dialogs cannot be shown: the command line passes paths as arguments.
class CliFileChooser final : public FileChooser {
public:
    QString openFile(const FileDialogRequest&) override { return QString(); }
    QStringList openFiles(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return QString(); }
};

// Status texts become lines on stderr when verbose; the progress bar is drawn on a terminal.
class CliStatusSink final : public StatusSink {
public:
    explicit CliStatusSink(bool verbose) : verbose_(verbose) {}
    void setPaneText(int pane, const QString& text) override;
    void setIndicator(const QString& name) override;
    void setProgress(int position) override;
    void setWindowTitle(const QString& title) override;
    QString lastIndicator() const { return indicator_; }

private:
    bool verbose_;
    QString indicator_;
};

class CliProgressWindow final : public ProgressWindow {
protected:
    void doCreate(const QString& caption, bool smooth) override;
    void doSetCaption(const QString& caption) override;
    void doSetText(const QString& text) override;
    void doSetBar(int lower, int upper, int step, int position) override;
    void doSetVisible(bool) override {}
    bool doPump(bool) override { return false; }
    void doDestroy() override;

private:
    QString caption_;
};

class CliProgressFactory final : public ProgressFactory {
public:
    std::unique_ptr<ProgressWindow> makeProgressWindow() override {
        return std::make_unique<CliProgressWindow>();
    }
};

class CliLauncher final : public Launcher {
public:
    bool openLocalFile(const QString& path) override;
    bool openUrl(const QString& url) override;
};

bool stderrIsTerminal();
