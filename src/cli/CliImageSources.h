#pragma once
// Argument pieces the commands that lay out pages share: named option values and
// the image list built from SOURCE... arguments.

#include <QString>
#include <QStringList>

#include "cli/CliCommand.h"

class PrintDocument;

// Takes "NAME VALUE" out of args. True when absent (given stays false) or taken;
// false with an error for a missing value or a repeated option.
bool cliTakeValue(QStringList& args, const QString& name, QString& value, bool& given, QString& error);

// The list as the program builds it: a folder is scanned and sorted, an album keeps
// its order, files are appended and sorted as "Add files" does. The folder or album
// becomes BitmapPath or ImportedAlbum. False with an error for a mix of kinds, a
// missing file, or nothing to show. The document's list and settings take it.
bool buildCliImageList(const QStringList& sources, PrintDocument& document, CliContext& ctx, QString& error);

struct AppSettings;
class SettingsStore;

// --cut-marks and --keep-faces, taken out of args.
struct CliPageSwitches {
    bool cutMarks = false;
    bool keepFaces = false;
};
CliPageSwitches cliTakePageSwitches(QStringList& args);
// Each switch given turns its setting on for this run (written to the store, which
// keeps it only with --save-settings). Asking for faces where they cannot be looked
// for is said on stderr; the pages are drawn with the usual crop then.
void cliApplyPageSwitches(const CliPageSwitches& switches, AppSettings& settings, SettingsStore& store,
                          const char* command);
