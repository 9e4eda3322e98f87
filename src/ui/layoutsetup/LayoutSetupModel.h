#pragma once
// The layout setup sheet's rules that need no window: the texts it shows, the slot
// list's rows, the crop pairs and their illustration, the border range.

#include <QIcon>
#include <QString>
#include <vector>

#include "core/AppSettings.h"

struct PageReport;

namespace layout_setup {

// The pages of the sheet, in their order.
enum Page { ImageListPage = 0, TemplatesPage = 1, AdvancedPage = 2 };

// The templates page's title line: the full-page template's name, or
// "Top: <style> + Bottom: <style>" in half-page mode.
QString templatesTitle(const AppSettings& settings);
// "%.02lf x %.02lf in" of the paper.
QString paperSizeText(const AppSettings& settings);
// "Current Image List [%ld] Files".
QString imageListHeading(int count);
// The image list page's information line for a photo: "%s [%d x %d]", or with a
// "**Unknown Format** " in front and 0 x 0 when it did not load; shortened to 60.
QString photoInformationLine(const QString& path, bool loaded, int width, int height);
// "Photo Page Layout: %s - Printer: %s".
QString sheetCaption(const QString& layoutText, const QString& printerName);

// One row of the slot list.
struct SlotRow {
    int slot = 0;
    int icon = 0;  // 0 fine, 1 low resolution, 2 failed
    QString columns[5];
};
// The rows for the last page: one a slot, none while only the grid is drawn.
std::vector<SlotRow> slotRows(const PageReport& report, bool gridOnly);
// Column 2 holds "name [+] folder/"; this is the path it stands for.
QString pathFromSlotColumn(const QString& text);
// Column widths: the list's width x weight / 521.
int slotColumnWidth(int listWidth, int column);

// The crop switches come in pairs (top and bottom, left and right): clearing one
// side sets the other, so every pair keeps a side that may be cut.
enum class CropSide { Top, Bottom, Left, Right };
void setCropSide(AppSettings& settings, CropSide side, bool on);
// The picture (167 to 177) that shows which sides may be cut.
int cropIllustration(const AppSettings& settings);

// The photo border the templates page accepts: 0.0 to 0.15 inches inclusive.
bool borderAccepted(double inches);
// "The photo border value must be between 0.0 and .15 inches.\nThe value %.02lf is out of range and will be
// ignored."
QString borderRefusedText(double inches);

// A colour button's face: the colour as a small framed swatch.
QIcon colourSwatch(ColorRef colour);

// The resolutions the advanced page offers.
const std::vector<int>& resolutionChoices();
// The memory warning shown for a resolution above 200.
QString highResolutionWarning();

}  // namespace layout_setup
