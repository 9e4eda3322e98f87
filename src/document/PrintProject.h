#pragma once
// Print projects (.svp): a job kept to be opened again. A versioned UTF-8 text file
// of "key=value" lines holding the image list, the template and every setting that
// shapes the page, each photo's framing and the place in the list the page starts
// at. docs/print-project.md describes the format.
//
// Reading checks every line before anything is used: a project that is truncated,
// holds an unknown template or a number out of its range is refused with the line
// it stopped at, and the job that was open stays as it was.

#include <QString>
#include <QStringList>

#include "core/AppSettings.h"
#include "layout/Framing.h"

class PrintDocument;

struct PrintProject {
    static constexpr int kVersion = 1;

    AppSettings settings;  // the page-shaping values from the file over the base record
    QStringList photos;    // absolute paths, in list order
    FramingSet framings;   // by 1-based place in photos
    int place = 1;         // the list place of the page's first photo
};

// The text of a project kept in projectFile's folder: photos below it are written
// relative to it.
QByteArray writeProjectText(const PrintProject& project, const QString& projectFile);
// Parses text read from projectFile. Settings the file does not hold keep base's
// values. On failure error says "line N: ..." and out is untouched.
bool parseProjectText(const QByteArray& text, const QString& projectFile, const AppSettings& base,
                      PrintProject& out, QString& error);

// Whole-file read (refusing files of more than a few megabytes) and atomic write.
bool loadProjectFile(const QString& path, const AppSettings& base, PrintProject& out, QString& error);
bool saveProjectFile(const QString& path, const PrintProject& project, QString& error);

// The document's job as a project: list, settings, framings, and the first photo of
// the page on display (else the current photo).
PrintProject projectOf(const PrintDocument& document);

// Makes the project the document's job: the photos that exist become the list (the
// missing ones are returned, in order), the settings and framings are taken and the
// list stands at the project's place. The page is dropped. Nothing is written to the
// settings store; the caller writes the layout choices when it wants them kept.
QStringList applyProject(PrintDocument& document, const PrintProject& project);

// "N=PANX,PANY[,ZOOM[,TURNS]]" of snapvale-cli render --frame. On failure error
// names the value at fault.
bool parseFrameArgument(const QString& text, int& place, Framing& framing, QString& error);
