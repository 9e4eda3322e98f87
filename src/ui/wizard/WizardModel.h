#pragma once
// The kiosk wizard's rules that need no window: its fourteen templates and their
// page sizes, the template name of an entry and back, the texts it shows, what its
// buttons do on each page, and the judgement of the printer's printable area.

#include <QString>
#include <array>

#include "layout/PageSetup.h"
#include "output/PrinterBackend.h"

struct AppSettings;
class ImageList;
struct PageReport;
class SettingsStore;

namespace wizard {

// The pages of the wizard, in their order.
enum Page { StartPage = 0, TemplatePage = 1, FinishPage = 2 };
constexpr int kPageCount = 3;

// "Welcome To The Snapvale Wizard" and the other two page titles.
QString pageTitle(int page);
// The help page of each page ("/CPPWzdStart.htm", ...).
QString helpTopic(int page);

// The sheet's own buttons on a page: Back and Next enabled or not, and what the
// cancel button reads ("Close Wizard", or "Finish" on the last page).
struct SheetButtons {
    bool backEnabled = false;
    bool nextEnabled = false;
    QString cancelText;
};
SheetButtons sheetButtons(int page, bool listEmpty);
// Where the wizard opens: on the template page when there are photos already.
int firstPage(bool listEmpty);

// The start page's three ways to photos, each a picture button beside its explanation.
struct PhotoSource {
    int command;      // the main window command it runs
    int picture;      // its button's picture
    QString heading;  // the explanation's first sentence, which names the button
    QString text;     // the whole explanation
};
const std::array<PhotoSource, 3>& photoSources();
extern const char* const kAlwaysShowText;  // "Always show this wizard when program starts."

// The wizard's templates in list order: entry number 1 to 14, the list label, the
// picture and the catalogue name.
struct WizardTemplate {
    int number;
    const char* label;
    int picture;
    const char* templateName;
};
constexpr int kTemplateCount = 14;
const std::array<WizardTemplate, kTemplateCount>& wizardTemplates();

// The entry showing this template: the first whose name is byte for byte equal, or
// the last entry when none is (a half-page layout, an edited name).
int entryForTemplateName(const QString& name);
// The catalogue name of entry 1 to 14; any other number names the first entry's template.
QString templateNameForEntry(int number);

// Applying entry 1 to 14 (others stand for entry 1): the template becomes the
// selection, the page sizes follow it (canvas and index text height too), and the
// sizes and FullPageTemplateSel are written when a store is given.
void applyWizardTemplate(AppSettings& settings, SettingsStore* store, int number);
// The list starts over: from its first photo going forward, from its last going
// backward. That photo becomes current and the selected start photo, and the cursor
// moves past it. An empty list stays as it is.
void startListOver(ImageList& list);

// "Use Single Image" is offered when the layout is not an index sheet and takes at
// least two photos.
bool singleImageAvailable(const AppSettings& settings);

// "Required Paper Size: %.02lf in. x %.02lf in." of the paper.
QString requiredPaperSizeText(const AppSettings& settings);
// "Print Preview (Required Paper Size: %.02lf in. x %.02lf in.)" of the paper.
QString printPreviewCaption(const AppSettings& settings);
// "Current Printer: %s".
QString printerLine(const QString& printerName);

// What the finish page tells about the printer's printable area.
enum class Verdict {
    Ready,         // the printable area is the paper: print
    PaperProblem,  // far smaller or larger than the paper: check the paper size
    BorderAdvice,  // a little smaller: borderless printing needs the printer set for it
};
struct PrinterJudgement {
    double printableWidth = 0;  // inches
    double printableHeight = 0;
    double coverage = 0;  // printable area over the paper, in percent
    Verdict verdict = Verdict::PaperProblem;
    QString message;        // the finish page's message box
    QString printableText;  // "%.02lf in. x %.02lf in."
    int icon = 0;           // 211 ready, 178 paper problem, 198 border advice
};
PrinterJudgement judgePrinter(const PrinterPage& page, const PaperSizes& sizes);

// The print quality picture for the last page: 140 when a photo did not load, else
// 141 when one was short of resolution, else 139.
int qualityPicture(const PageReport& report);
// What that picture says, for a screen reader.
QString qualityText(int picture);

}  // namespace wizard
