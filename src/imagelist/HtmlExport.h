#pragma once
// The image list as one HTML page: a table with a row per photo giving its
// number, full path and pixel size, and empty columns to tick print sizes in.

#include <QString>
#include <functional>

class ImageList;
struct Services;

// "snapvalelist.htm" in the user's data folder; the folder is made when missing.
QString htmlExportPath();

// The version line and the maker's notice under the table's title.
QString htmlVersionText();

// The fixed parts of the page. Paths are HTML-escaped; lines end with "\n".
QString htmlPageHead();
QString htmlTableHeader(const QString& versionText);
QString htmlTableRow(int number, const QString& path, const QString& sizeText);
QString htmlPageTail();

// Writes every entry of the list to outputPath (htmlExportPath() when empty),
// showing progress through services.progress and letting the person stop it
// (services.notifier asks first). stopAsked, when given, is asked after every pump:
// true counts as the progress window's Cancel (the main window was closed). At the
// end offers to open the page through services.launcher. Returns true when the page
// was written completely; false when it could not be created (nothing is shown then),
// could not be written (a full disk: an error names the system's reason and the old
// page stays) or the person stopped it (the page then ends after the last row written).
bool ExportImageListHtml(const ImageList& list, const Services& services,
                         const QString& outputPath = QString(), const std::function<bool()>& stopAsked = {});
