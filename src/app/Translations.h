#pragma once
// The window's language: our own translation and Qt's base translation (its standard
// buttons and dialogs) for the desktop's locale. The command line never loads these,
// so its output stays in the language scripts expect.

#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

// What was installed; null where the locale has no translation. The translators are
// children of the application.
struct LoadedTranslations {
    QTranslator* program = nullptr;  // snapvale_<lang>.qm
    QTranslator* qtBase = nullptr;   // qtbase_<lang>.qm
};

// The folder the program's .qm files are installed in: translations/ of the data folder.
QString translationsDirectory();

// Installs on the application, for `locale`, the program's translation from `dir` and
// Qt's base translation from `qtDir` (Qt's own translations folder when empty). A locale
// without a translation leaves the texts as they are written in the sources.
LoadedTranslations installTranslations(QCoreApplication& app, const QLocale& locale, const QString& dir,
                                       const QString& qtDir = QString());
