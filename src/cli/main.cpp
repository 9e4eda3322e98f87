// snapvale-cli: renders, decodes and lists from scripts, with the same core as the GUI.

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli/CliCommand.h"
#include "cli/CliSeams.h"
#include "core/AppServices.h"
#include "core/Seams.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "image/PhotoImage.h"
#include "output/PrinterBackend.h"
#include "output/SystemPrinterBackend.h"

namespace {
std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

void printHelp() {
    cliOut(QStringLiteral("Usage: snapvale-cli [--yes] [--settings FILE] COMMAND [ARGS...]"));
    cliOut(QString());
    cliOut(QStringLiteral(
        "Lays photos into print templates and renders, lists and decodes them without a window."));
    cliOut(QString());
    cliOut(QStringLiteral("Options:"));
    cliOut(QStringLiteral("  --yes            answer Yes to every question (else No)"));
    cliOut(QStringLiteral("  --settings FILE  use this settings file instead of the user's own"));
    cliOut(QStringLiteral("  --help           show this text"));
    cliOut(QStringLiteral("  --version        show the program version"));
    cliOut(QString());
    cliOut(QStringLiteral("Commands:"));
    std::vector<CliCommand> sorted = cliCommands();
    std::sort(sorted.begin(), sorted.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
    for (const CliCommand& c : sorted) cliOut(QStringLiteral("  %1\n      %2").arg(c.usage, c.summary));
}
}  // namespace

CliCommandRegistration::CliCommandRegistration(CliCommand command) {
    registry().push_back(std::move(command));
}

const std::vector<CliCommand>& cliCommands() {
    return registry();
}

const CliCommand* cliCommandNamed(int argc, const char* const* argv, QStringList* rest) {
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--settings")) {
            ++i;
            continue;
        }
        if (a == QLatin1String("help")) return nullptr;
        if (a.startsWith(QLatin1Char('-'))) continue;
        for (const CliCommand& c : cliCommands()) {
            if (c.name != a) continue;
            for (int j = i + 1; rest && j < argc; ++j) *rest << QString::fromLocal8Bit(argv[j]);
            return &c;
        }
        return nullptr;
    }
    return nullptr;
}

void cliError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

int cliFailure(const char* command, const QString& text) {
    cliError(QStringLiteral("snapvale-cli %1: ").arg(QLatin1String(command)) + text);
    return 1;
}

int cliUsageError(const char* command, const char* usage, const QString& text) {
    cliFailure(command, text);
    cliError(QStringLiteral("Usage: snapvale-cli ") + QString::fromLatin1(usage));
    return 2;
}

void cliOut(const QString& text) {
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

int main(int argc, char** argv) {
    // Text on a page needs fonts, and fonts need a GUI application object (never a
    // display). Commands that draw no text, the help and unknown commands start without
    // the platform plugin and the font set-up, which is most of a short run's time.
    QStringList commandArgs;
    const CliCommand* named = cliCommandNamed(argc, argv, &commandArgs);
    const bool drawsText =
        named && (named->drawsTextFor ? named->drawsTextFor(commandArgs) : named->drawsText);
    std::unique_ptr<QCoreApplication> app;
    if (drawsText) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Snapvale"));

    QStringList args = QCoreApplication::arguments().mid(1);
    bool assumeYes = false;
    QString settingsFile;
    QString commandName;
    QStringList rest;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (commandName.isEmpty()) {
            if (a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("help")) {
                printHelp();
                return 0;
            }
            if (a == QLatin1String("--version")) {
                cliOut(QStringLiteral("snapvale-cli ") + versionLine());
                return 0;
            }
        }
        if (a == QLatin1String("--yes") || a == QLatin1String("-y")) {
            assumeYes = true;
        } else if (a == QLatin1String("--settings") && i + 1 < args.size()) {
            settingsFile = args[++i];
        } else if (commandName.isEmpty() && !a.startsWith(QLatin1String("-"))) {
            commandName = a;
        } else {
            rest << a;
        }
    }
    if (commandName.isEmpty()) {
        printHelp();
        return 2;
    }
    auto it = std::find_if(cliCommands().begin(), cliCommands().end(),
                           [&](const CliCommand& c) { return c.name == commandName; });
    if (it == cliCommands().end()) {
        cliError(QStringLiteral("snapvale-cli: unknown command \"%1\" (see --help)").arg(commandName));
        return 2;
    }
    if (rest.contains(QStringLiteral("--help"))) {
        cliOut(QStringLiteral("Usage: snapvale-cli ") + it->usage);
        cliOut(QStringLiteral("  ") + it->summary);
        return 0;
    }

    CliNotifier notifier(assumeYes);
    CliFileChooser files;
    CliStatusSink status(true);
    const std::unique_ptr<PrinterBackend> printer = createSystemPrinterBackend();
    SystemClock clock;
    CliProgressFactory progress;
    CliLauncher launcher;
    SettingsStore store(settingsFile);
    // Commands that are asked to keep what they change turn this off.
    store.setWritesInMemoryOnly(true);
    // Prints are moved by the offsets kept for each printer.
    printer->setSettingsStore(&store);
    PhotoImage::SetApplyExifOrientation(readSettingInt(store, setting::ApplyExifOrientation) != 0);
    PhotoImage::SetColorManagePhotos(readSettingInt(store, setting::ColorManagePhotos) != 0);

    CliContext ctx;
    ctx.args = rest;
    ctx.assumeYes = assumeYes;
    ctx.services = Services{&notifier, &files, &status, printer.get(), &clock, &progress, &launcher, &store};
    return it->run(ctx);
}
