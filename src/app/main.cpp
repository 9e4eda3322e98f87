#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>

#include "app/CSnapvaleApp.h"
#include "app/Translations.h"
#include "core/AppServices.h"

namespace {
void setUpParser(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Lays photos out on printed pages."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("Build the image list from the photos in this folder, or open "
                       "this print project (.svp)."),
        QStringLiteral("[FOLDER | PROJECT.svp]"));
}
// Without an application object the parser cannot name the program itself.
QString helpText(const QCommandLineParser& parser) {
    return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("snapvale"));
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("snapvale"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.52.15"));

    // The arguments are looked at before any window system is needed, so --help
    // and --version work without a display.
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    setUpParser(parser);
    if (!parser.parse(args)) {
        std::fprintf(stderr, "snapvale: %s\n%s", qPrintable(parser.errorText()),
                     qPrintable(helpText(parser)));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(helpText(parser)), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Snapvale %s\n", qPrintable(versionLine()));
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        std::fprintf(stderr, "snapvale: give at most one folder\n%s", qPrintable(helpText(parser)));
        return 2;
    }
    QString folder, project;
    if (!positional.isEmpty()) {
        const QFileInfo info(positional.first());
        if (info.isFile() && info.suffix().compare(QLatin1String("svp"), Qt::CaseInsensitive) == 0) {
            // A print project, as the file manager hands it over.
            project = info.absoluteFilePath();
        } else if (info.isDir()) {
            folder = info.absoluteFilePath();
        } else if (info.isFile()) {
            // A photo given instead of a folder: its folder.
            folder = info.absolutePath();
        } else {
            std::fprintf(stderr, "snapvale: no such folder: %s\n", qPrintable(positional.first()));
            return 2;
        }
    }

    QApplication app(argc, argv);
    // Before any window or message: the single-copy check already speaks to the person.
    installTranslations(app, QLocale::system(), translationsDirectory());
    QApplication::setApplicationDisplayName(QStringLiteral("Snapvale"));
    QApplication::setDesktopFileName(QStringLiteral("snapvale"));
    const QIcon icon(QStringLiteral(":/icons/snapvale.png"));
    if (!icon.availableSizes().isEmpty()) QApplication::setWindowIcon(icon);
    // Without a desktop theme the stock GNOME icons still give the toolbar its pictures.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));

    CSnapvaleApp::Options options;
    options.startFolder = folder;
    options.startProject = project;
    CSnapvaleApp program(options);
    if (!program.claimSingleCopy()) return 1;
    program.start();
    return program.exec();
}
