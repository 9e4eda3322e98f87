#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

// ctest runs the tests of one binary as processes side by side: each gets data and
// config folders of its own, so two tests never write the same file at once.
inline void isolateTestFolders() {
    QCoreApplication::setApplicationName(QCoreApplication::applicationName() + QLatin1Char('-') +
                                         QString::number(QCoreApplication::applicationPid()));
}

inline void removeTestFolders() {
    for (auto location : {QStandardPaths::AppLocalDataLocation, QStandardPaths::AppConfigLocation,
                          QStandardPaths::CacheLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (folder.endsWith(QCoreApplication::applicationName())) QDir(folder).removeRecursively();
    }
}
