#pragma once
// The places where the core talks to a person or to the machine. The GUI, the
// command line and the tests each give their own implementation.

#include <QDateTime>
#include <QString>
#include <QStringList>

// The three kinds of titled message the program shows. The kind fixes the
// icon, the buttons and whether the box stays on top of every window.
enum class MessageKind {
    Error,            // stop icon, OK, always on top
    WarningQuestion,  // exclamation icon, Yes and No, always on top
    Information,      // information icon, OK
};

enum class MessageIcon { None, Stop, Exclamation, Information, Question };

enum class Answer { Ok, Yes, No };

class Notifier {
public:
    virtual ~Notifier() = default;

    // A titled box of one of the fixed kinds. Returns Yes or No for a warning
    // question, Ok otherwise.
    virtual Answer message(const QString& title, const QString& text, MessageKind kind) = 0;

    // A plain box owned by the main window with the named buttons (OK alone when
    // the list is empty). Returns the index of the button pressed.
    virtual int plain(const QString& title, const QString& text, MessageIcon icon,
                      const QStringList& buttons) = 0;

    // A plain Yes/No box with the exclamation icon, as the program's questions use.
    Answer plainYesNo(const QString& text, const QString& title = QString()) {
        return plain(title, text, MessageIcon::Exclamation, {QStringLiteral("Yes"), QStringLiteral("No")}) ==
                       0
                   ? Answer::Yes
                   : Answer::No;
    }
    // A plain box with just OK.
    void plainOk(const QString& text, const QString& title = QString()) {
        plain(title, text, MessageIcon::None, {});
    }
};

// What a file dialog is asked for. The filter uses the program's "Text|*.ext|" pairs.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;
    QString initialPath;  // a file name or a folder
    // Where the dialog opens when initialPath names no folder of its own (empty, or a
    // bare file name such as a new album's): the image list's folder, so a dialog never
    // opens in whatever folder the program happened to be started from.
    QString fallbackFolder;
    bool preview = false;  // photo preview panel switched on
    bool overwritePrompt = false;
    // The "Add To Album" button, which collects files from several folders; the
    // chooser then hands back what it collected instead of the last selection.
    bool addToAlbum = false;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // An empty result means the person cancelled.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QStringList openFiles(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};

// The main window's status bar: three text panes, the status indicator, the
// progress bar, and the window title.
class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void setPaneText(int pane, const QString& text) = 0;
    virtual void setIndicator(const QString& name) = 0;
    virtual void setProgress(int position) = 0;  // the bar runs from 1 to 100
    virtual void setWindowTitle(const QString& title) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Sinks that drop everything, for code paths that run without a person.
class NullStatusSink final : public StatusSink {
public:
    void setPaneText(int, const QString&) override {}
    void setIndicator(const QString&) override {}
    void setProgress(int) override {}
    void setWindowTitle(const QString&) override {}
};

// Opens a local file (a help page, the HTML list) or a link in the desktop's default program.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool openLocalFile(const QString& path) = 0;
    // A web address (or any URL the desktop knows how to open). False when the
    // desktop could not open it.
    virtual bool openUrl(const QString& url) = 0;
};

// The desktop's clipboard, as far as pasting text goes.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The plain text the clipboard holds; empty when it holds none.
    virtual QString text() const = 0;
};

class PrinterBackend;
class ProgressFactory;
class SettingsStore;

// The seams one front end hands to the core, bundled so operations take one argument.
struct Services {
    Notifier* notifier = nullptr;
    FileChooser* files = nullptr;
    StatusSink* status = nullptr;
    PrinterBackend* printer = nullptr;
    Clock* clock = nullptr;
    ProgressFactory* progress = nullptr;
    Launcher* launcher = nullptr;
    SettingsStore* store = nullptr;
    Clipboard* clipboard = nullptr;
};
