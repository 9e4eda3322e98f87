#pragma once
// The seams as the desktop program fills them: message boxes, file dialogs, the
// clipboard and the default browser.

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "core/Seams.h"
#include "ui/fileopen/CPMFileOpen.h"
#include "ui/helpbrowser/HelpBrowser.h"

class QMessageBox;

class MessageBoxNotifier final : public Notifier {
public:
    // Plain boxes are owned by this window (the main window once it exists).
    void setOwner(QWidget* owner) { owner_ = owner; }
    Answer message(const QString& title, const QString& text, MessageKind kind) override;
    int plain(const QString& title, const QString& text, MessageIcon icon,
              const QStringList& buttons) override;

private:
    QPointer<QWidget> owner_;
};

// Every file dialog of the program: CPMFileOpen, with the photo and album preview
// and, where asked for, "Add To Album".
class FileOpenChooser final : public FileChooser {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    // Told when the person switches "Enable Preview", so the next dialog starts so.
    void setPreviewSwitched(std::function<void(bool)> switched) { previewSwitched_ = std::move(switched); }
    QString openFile(const FileDialogRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

private:
    QStringList run(const FileDialogRequest& request, CPMFileOpen::Mode mode);
    QPointer<QWidget> owner_;
    std::function<void(bool)> previewSwitched_;
};

class SystemClipboard final : public Clipboard {
public:
    QString text() const override;
};

// Local pages (help, the HTML list) go to the desktop's browser; where the desktop has
// none for them, they open in a window of our own.
class DesktopLauncher final : public Launcher {
public:
    // opener hands a URL to the desktop (QDesktopServices by default); it answers false
    // when nothing took it.
    explicit DesktopLauncher(std::function<bool(const QUrl&)> opener = {});
    ~DesktopLauncher() override;
    void setOwner(QWidget* owner) { owner_ = owner; }
    bool openLocalFile(const QString& path) override;
    bool openUrl(const QString& url) override;
    // The window of our own, once a page has been shown in it.
    HelpBrowser* ownWindow() const { return window_.data(); }

private:
    std::function<bool(const QUrl&)> opener_;
    QPointer<QWidget> owner_;
    QPointer<HelpBrowser> window_;
};
