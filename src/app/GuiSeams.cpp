#include "app/GuiSeams.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace {
const QString kProgramName = QStringLiteral("Snapvale");

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleFor(const QString& name) {
    if (name == QLatin1String("Yes")) return QMessageBox::YesRole;
    if (name == QLatin1String("No")) return QMessageBox::NoRole;
    if (name == QLatin1String("OK")) return QMessageBox::AcceptRole;
    if (name == QLatin1String("Cancel")) return QMessageBox::RejectRole;
    return QMessageBox::ActionRole;
}

// The buttons the core names in its plain boxes, marked so their translations are kept.
[[maybe_unused]] const char* const kButtonNames[] = {
    QT_TRANSLATE_NOOP("MessageButton", "OK"),
    QT_TRANSLATE_NOOP("MessageButton", "Cancel"),
    QT_TRANSLATE_NOOP("MessageButton", "Yes"),
    QT_TRANSLATE_NOOP("MessageButton", "No"),
    QT_TRANSLATE_NOOP("MessageButton", "Wait"),
    QT_TRANSLATE_NOOP("MessageButton", "Stop"),
    QT_TRANSLATE_NOOP("MessageButton", "Launch Browser"),
};

}  // namespace

Answer MessageBoxNotifier::message(const QString& title, const QString& text, MessageKind kind) {
    // These boxes have no owner window; errors and questions stay on top of everything.
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    switch (kind) {
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
            break;
        case MessageKind::WarningQuestion:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
            break;
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    const int result = box.exec();
    if (kind != MessageKind::WarningQuestion) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int MessageBoxNotifier::plain(const QString& title, const QString& text, MessageIcon icon,
                              const QStringList& buttons) {
    QMessageBox box(owner_.data());
    box.setWindowTitle(title.isEmpty() ? kProgramName : title);
    box.setText(text);
    box.setIcon(boxIcon(icon));
    const QStringList names = buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : buttons;
    QList<QAbstractButton*> made;
    for (const QString& name : names)
        made << box.addButton(QCoreApplication::translate("MessageButton", name.toUtf8().constData()),
                              roleFor(name));
    // Escape answers No or Cancel where the box has one, else the only button.
    int escape = names.indexOf(QStringLiteral("No"));
    if (escape < 0) escape = names.indexOf(QStringLiteral("Cancel"));
    if (escape < 0 && names.size() == 1) escape = 0;
    if (escape >= 0) box.setEscapeButton(made[escape]);
    box.setDefaultButton(qobject_cast<QPushButton*>(made[0]));
    box.exec();
    const int pressed = made.indexOf(box.clickedButton());
    if (pressed >= 0) return pressed;
    return escape >= 0 ? escape : 0;
}

QStringList FileOpenChooser::run(const FileDialogRequest& request, CPMFileOpen::Mode mode) {
    CPMFileOpen dialog(request, mode, owner_.data());
    if (previewSwitched_) QObject::connect(&dialog, &CPMFileOpen::previewSwitched, previewSwitched_);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.chosenFiles();
}

QString FileOpenChooser::openFile(const FileDialogRequest& request) {
    return run(request, CPMFileOpen::Mode::OpenOne).value(0);
}
QStringList FileOpenChooser::openFiles(const FileDialogRequest& request) {
    return run(request, CPMFileOpen::Mode::OpenMany);
}
QString FileOpenChooser::saveFile(const FileDialogRequest& request) {
    return run(request, CPMFileOpen::Mode::Save).value(0);
}

QString SystemClipboard::text() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

namespace {
// Whether the desktop names a program for web pages. Without one, xdg-open still
// starts and fails on its own, and the person sees nothing at all.
bool desktopHasBrowser() {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return true;  // nothing to ask: let the desktop try
    QProcess p;
    p.start(query, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!p.waitForFinished(3000)) return true;
    return !p.readAllStandardOutput().trimmed().isEmpty();
}
}  // namespace

DesktopLauncher::DesktopLauncher(std::function<bool(const QUrl&)> opener) : opener_(std::move(opener)) {
    if (!opener_)
        opener_ = [](const QUrl& url) {
            // Asked once a run: the query is a process of its own and may take seconds.
            static const bool hasBrowser = desktopHasBrowser();
            if (url.isLocalFile() && !hasBrowser) return false;
            return QDesktopServices::openUrl(url);
        };
}

DesktopLauncher::~DesktopLauncher() {
    delete window_.data();
}

bool DesktopLauncher::openLocalFile(const QString& path) {
    // Hands the file to the desktop; no command line is ever built from the path.
    if (opener_(QUrl::fromLocalFile(path))) return true;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("htm") && suffix != QLatin1String("html")) return false;
    if (!window_) window_ = new HelpBrowser(owner_.data());
    window_->showFile(path);
    return true;
}

bool DesktopLauncher::openUrl(const QString& url) {
    // A bare "www.example.com" is taken as the web address it stands for.
    QUrl target(url.trimmed(), QUrl::StrictMode);
    if (target.isRelative()) target = QUrl::fromUserInput(url.trimmed());
    if (!target.isValid() || target.isEmpty()) return false;
    return opener_(target);
}
