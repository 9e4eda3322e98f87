#pragma once
// Small services used everywhere: the help opener, free disk space, the program version.

#include <QString>
#include <QtGlobal>

class Notifier;
class Launcher;

// The program's version: 252 times the single-precision constant 0.01, and the build text.
double programVersion();
inline constexpr const char* kProgramBuild = "15";
// "[v %05.2lf.%s]", which reads [v 02.52.15].
QString versionLine();

// The photo file filter every photo file dialog uses.
QString photoFileFilter();

// ProductDir + "/html", or the working folder + "/html" when ProductDir is empty.
QString helpDirectory(const QString& productDir);
bool helpAvailable(const QString& helpDir);
// Opens helpDir + name (name starts with "/"). When the file cannot be read, shows
// "Unable to locate context help topic:\n %s" and returns false.
bool openHelpTopic(const QString& helpDir, const QString& name, Notifier& notifier, Launcher& launcher);

// The "Snapvale List Empty" notice: "Your image list is empty!", or with `already`
// "Your image list is already empty!".
void showListEmpty(Notifier& notifier, bool already = false);

// A save dialog asked about replacing the name the person chose; when the file that
// will really be written is another one (an extension added, its case changed) and
// exists already, asks before it is replaced. True when the write may go ahead.
bool ConfirmReplacingFile(const QString& chosen, const QString& written, Notifier* notifier);

// Free bytes on the volume holding path; ok is false when it cannot be told.
qint64 freeDiskSpace(const QString& path, bool* ok);
