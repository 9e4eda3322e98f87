#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/AppSettings.h"

QString translationsDirectory() {
    const QString data = installedDataDir();
    return data.isEmpty() ? QString() : data + QStringLiteral("/translations");
}

namespace {
// The translator lives as long as the application: it is its child.
QTranslator* installOne(QCoreApplication& app, const QLocale& locale, const QString& name,
                        const QString& dir) {
    if (dir.isEmpty()) return nullptr;
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, name, QStringLiteral("_"), dir) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
}  // namespace

LoadedTranslations installTranslations(QCoreApplication& app, const QLocale& locale, const QString& dir,
                                       const QString& qtDir) {
    LoadedTranslations loaded;
    loaded.program = installOne(app, locale, QStringLiteral("snapvale"), dir);
    const QString base = qtDir.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : qtDir;
    loaded.qtBase = installOne(app, locale, QStringLiteral("qtbase"), base);
    return loaded;
}
