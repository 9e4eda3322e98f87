#include "app/GuiSeams.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
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

// A small preview beside the file list, for photo dialogs.
void addPreview(QFileDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(200, 200);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setToolTip(QObject::tr("Preview of the selected photo"));
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (!QFileInfo(path).isFile() || !size.isValid()) {
            preview->clear();
            return;
        }
        // Decode only as many pixels as the preview shows.
        reader.setScaledSize(size.scaled(preview->size(), Qt::KeepAspectRatio));
        const QImage image = reader.read();
        if (image.isNull())
            preview->clear();
        else
            preview->setPixmap(QPixmap::fromImage(image));
    });
}
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
    for (const QString& name : names) made << box.addButton(name, roleFor(name));
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

QStringList qtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        if (label.isEmpty()) continue;
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            for (const QString& variant : {pattern.toLower(), pattern.toUpper()})
                if (!patterns.contains(variant)) patterns << variant;
        }
        if (patterns.isEmpty()) continue;
        result << QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
    }
    return result;
}

QStringList FileDialogChooser::run(const FileDialogRequest& request, int mode) {
    QFileDialog dialog(owner_.data(), request.title);
    const bool save = mode == 2;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(mode == 1 ? QFileDialog::ExistingFiles
                       : save    ? QFileDialog::AnyFile
                                 : QFileDialog::ExistingFile);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    // The labels already name their patterns; repeating them in both cases is noise.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.initialPath.isEmpty()) {
        const QFileInfo info(request.initialPath);
        if (info.isDir()) {
            dialog.setDirectory(info.absoluteFilePath());
        } else {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
    if (request.preview && !save) {
        // The preview panel needs Qt's own dialog; the desktop's cannot take extra widgets.
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        addPreview(dialog);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString FileDialogChooser::openFile(const FileDialogRequest& request) {
    return run(request, 0).value(0);
}
QStringList FileDialogChooser::openFiles(const FileDialogRequest& request) {
    return run(request, 1);
}
QString FileDialogChooser::saveFile(const FileDialogRequest& request) {
    return run(request, 2).value(0);
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
            if (url.isLocalFile() && !desktopHasBrowser()) return false;
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
