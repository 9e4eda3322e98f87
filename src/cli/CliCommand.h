#pragma once
// The command line's commands. Each command file registers itself with one
// static CliCommandRegistration, so adding a command touches only its own file.

#include <QString>
#include <QStringList>
#include <functional>

#include "core/Seams.h"

struct CliContext {
    QStringList args;  // the arguments after the command name, global flags removed
    bool assumeYes = false;
    Services services;
};

struct CliCommand {
    QString name;
    QString usage;    // one line: "decode [--raster-only] IN OUT.ppm"
    QString summary;  // what it does, in a few words
    std::function<int(CliContext&)> run;
    // Draws text (pages, captions, index sheets), so it needs the GUI platform and
    // its fonts. Commands that only read and print start without them.
    bool drawsText = true;
    // When set, decides drawsText from the command's arguments (global flags removed).
    std::function<bool(const QStringList& args)> drawsTextFor = nullptr;
};

class CliCommandRegistration {
public:
    explicit CliCommandRegistration(CliCommand command);
};

const std::vector<CliCommand>& cliCommands();
// The command the arguments name (the first word that is no option nor the value of
// --settings), or null when they name none or only ask for help or the version.
// rest, when given, receives the arguments after it.
const CliCommand* cliCommandNamed(int argc, const char* const* argv, QStringList* rest = nullptr);

// Writes a line to stderr (messages) or stdout (results).
void cliError(const QString& text);
void cliOut(const QString& text);
// "snapvale-cli COMMAND: text" on stderr; returns the exit code 1.
int cliFailure(const char* command, const QString& text);
// The same followed by the command's usage line; returns the exit code 2.
int cliUsageError(const char* command, const char* usage, const QString& text);
