#pragma once
// The seams as the desktop program fills them: message boxes, file dialogs and
// the default browser.

#include <QPointer>
#include <QWidget>

#include "core/Seams.h"

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

// Turns the program's "Text|*.EXT;*.EXT|..." filter into Qt's name filters. Each
// pattern is offered in lower and upper case, as Linux file names tell them apart.
QStringList qtNameFilters(const QString& filter);

class FileDialogChooser final : public FileChooser {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    QString openFile(const FileDialogRequest& request) override;
    QStringList openFiles(const FileDialogRequest& request) override;
    QString saveFile(const FileDialogRequest& request) override;

private:
    QStringList run(const FileDialogRequest& request, int mode);
    QPointer<QWidget> owner_;
};

class DesktopLauncher final : public Launcher {
public:
    bool openLocalFile(const QString& path) override;
    bool openUrl(const QString& url) override;
};
