#include "app/ProjectCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include "core/SettingsTable.h"
#include "document/PrintDocument.h"
#include "document/PrintProject.h"

namespace {
const char* const kProjectFilter = "Snapvale Print Projects (*.svp)|*.svp|All Files (*.*)|*.*||";
constexpr int kMissingNamed = 10;
}  // namespace

ProjectCommands::ProjectCommands(PrintDocument& document, const Services& services, QWidget* window,
                                 QMenu* recentMenu)
    : QObject(window), document_(document), services_(services), window_(window), recentMenu_(recentMenu) {
    rebuildRecentMenu();
}

QStringList ProjectCommands::recentProjects() const {
    if (!services_.store) return {};
    QStringList list = readSettingText(*services_.store, setting::RecentProjects).split(QLatin1Char('\n'));
    list.removeAll(QString());
    return list;
}

void ProjectCommands::remember(const QString& path) {
    lastProject_ = path;
    if (!services_.store) return;
    QStringList list = recentProjects();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > kRecentCount) list.removeLast();
    writeSettingText(*services_.store, setting::RecentProjects, list.join(QLatin1Char('\n')));
    rebuildRecentMenu();
}

void ProjectCommands::rebuildRecentMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const QStringList list = recentProjects();
    int n = 0;
    for (const QString& path : list) {
        ++n;
        QAction* a = recentMenu_->addAction(tr("&%1 %2").arg(n).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QLatin1String("&&"))));
        a->setToolTip(path);
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [this, path] {
            if (document_.busy()) {
                if (services_.status) services_.status->setPaneText(0, document_.busyRefusalText());
                return;
            }
            openProjectFile(path);
        });
    }
    if (list.isEmpty()) recentMenu_->addAction(tr("No Recent Projects"))->setEnabled(false);
}

void ProjectCommands::openProject() {
    if (!services_.files) return;
    FileDialogRequest request;
    request.title = tr("Open Print Project");
    request.filter = QString::fromLatin1(kProjectFilter);
    request.defaultExtension = QStringLiteral("svp");
    request.initialPath = lastProject_;
    request.fallbackFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = services_.files->openFile(request);
    if (!path.isEmpty()) openProjectFile(path);
}

void ProjectCommands::saveProject() {
    if (!services_.files) return;
    if (document_.listEmpty()) {
        if (services_.notifier)
            services_.notifier->message(tr("Snapvale List Empty"), tr("Your image list is empty!"),
                                        MessageKind::Error);
        return;
    }
    FileDialogRequest request;
    request.title = tr("Save Print Project");
    request.filter = QString::fromLatin1(kProjectFilter);
    request.defaultExtension = QStringLiteral("svp");
    request.initialPath = lastProject_;
    request.fallbackFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.overwritePrompt = true;
    QString path = services_.files->saveFile(request);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".svp");
    saveProjectFile(path);
}

bool ProjectCommands::saveProjectFile(const QString& path) {
    QString error;
    if (!::saveProjectFile(path, projectOf(document_), error)) {
        if (services_.notifier)
            services_.notifier->message(tr("Snapvale Error: Project Not Saved"), error, MessageKind::Error);
        return false;
    }
    remember(QFileInfo(path).absoluteFilePath());
    if (services_.status) services_.status->setPaneText(0, tr("Print project saved: %1").arg(path));
    return true;
}

bool ProjectCommands::openProjectFile(const QString& path) {
    PrintProject project;
    QString error;
    if (!loadProjectFile(path, document_.settings(), project, error)) {
        if (services_.notifier)
            services_.notifier->message(tr("Snapvale Error: Project Not Opened"), error, MessageKind::Error);
        return false;
    }
    const QStringList missing = applyProject(document_, project);
    // The project's layout is now the program's, as if chosen in the layout setup.
    if (services_.store) document_.settings().writeLayoutChoices(*services_.store);
    remember(QFileInfo(path).absoluteFilePath());
    if (document_.listEmpty()) {
        if (services_.notifier)
            services_.notifier->message(
                tr("Snapvale Error: Project Photos Missing"),
                tr("None of the %n photo(s) of %1 was found.", nullptr, int(missing.size()))
                    .arg(QFileInfo(path).fileName()),
                MessageKind::Error);
        return true;
    }
    if (!missing.isEmpty() && services_.notifier) {
        QStringList named = missing.mid(0, kMissingNamed);
        if (missing.size() > kMissingNamed)
            named << tr("... and %n more", nullptr, int(missing.size()) - kMissingNamed);
        services_.notifier->message(tr("Snapvale Warning: Photos Missing"),
                                    tr("%n photo(s) of the project could not be found and were left out:",
                                       nullptr, int(missing.size())) +
                                        QStringLiteral("\n\n") + named.join(QLatin1Char('\n')),
                                    MessageKind::Information);
    }
    if (services_.status) services_.status->setPaneText(0, tr("Print project opened: %1").arg(path));
    return true;
}
