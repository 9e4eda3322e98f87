#pragma once
// File > Open Project..., Save Project... and the recent projects: the window's side
// of print projects. The format and the reading live with the document.

#include <QObject>
#include <QPointer>
#include <QStringList>

#include "core/Seams.h"

class PrintDocument;
class QMenu;
class QWidget;

class ProjectCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentCount = 8;

    // recentMenu (may be null) is filled with the recent projects and kept up to date.
    ProjectCommands(PrintDocument& document, const Services& services, QWidget* window, QMenu* recentMenu);

    void openProject();
    void saveProject();
    // Opens the project; a file that cannot be read or holds a fault is reported with
    // its line and nothing of the open job changes. Photos that moved are named.
    bool openProjectFile(const QString& path);
    bool saveProjectFile(const QString& path);

    QStringList recentProjects() const;

private:
    void remember(const QString& path);
    void rebuildRecentMenu();

    PrintDocument& document_;
    Services services_;
    QWidget* window_;
    QPointer<QMenu> recentMenu_;
    QString lastProject_;
};
