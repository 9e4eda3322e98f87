#include "app/CommandTable.h"

#include <QCoreApplication>

namespace {
constexpr unsigned F = InFileMenu, E = InEditMenu, T = InToolsMenu, H = InHelpMenu, P = InPopupMenu,
                   B = OnToolbar, V = InViewMenu;

const std::vector<CommandInfo> kCommands = {
    {cmd::OpenImageList, QT_TRANSLATE_NOOP("Commands", "&Open Image List...\tCtrl+O"),
     QT_TRANSLATE_NOOP("Commands", "Open directory and start at image..."), F | B, "document-open",
     QT_TRANSLATE_NOOP("Commands", "Open")},
    {cmd::AddFiles, nullptr, QT_TRANSLATE_NOOP("Commands", "Add one or more photo image files."), B,
     "list-add", QT_TRANSLATE_NOOP("Commands", "Add")},
    {cmd::AddFilesMenu, QT_TRANSLATE_NOOP("Commands", "Add Files To Image List..."), nullptr, F, nullptr,
     nullptr},
    {cmd::ImportAlbum, QT_TRANSLATE_NOOP("Commands", "&Import From Photo Album..."),
     QT_TRANSLATE_NOOP("Commands", "Import from photo album."), F | B, "insert-image",
     QT_TRANSLATE_NOOP("Commands", "Import")},
    {cmd::OpenProject, QT_TRANSLATE_NOOP("Commands", "Open Pro&ject...\tCtrl+Shift+O"),
     QT_TRANSLATE_NOOP("Commands", "Open a print project: its photos, template, settings and framing."), F,
     nullptr, nullptr},
    {cmd::SaveProject, QT_TRANSLATE_NOOP("Commands", "Sa&ve Project...\tCtrl+Shift+S"),
     QT_TRANSLATE_NOOP("Commands", "Save the photos, template, settings and framing as a print project."), F,
     nullptr, nullptr},
    {cmd::SaveCanvas, QT_TRANSLATE_NOOP("Commands", "Save Canvas..."),
     QT_TRANSLATE_NOOP("Commands", "Save canvas to disk."), F | P | B, "document-save",
     QT_TRANSLATE_NOOP("Commands", "Save")},
    {cmd::ExportAlbum, QT_TRANSLATE_NOOP("Commands", "E&xport Image List To Photo Album..."),
     QT_TRANSLATE_NOOP("Commands", "Save image list as photo album."), F | P | B, "document-save-as",
     QT_TRANSLATE_NOOP("Commands", "Export")},
    {cmd::ExportHtml, QT_TRANSLATE_NOOP("Commands", "Export Image List To HTML..."),
     QT_TRANSLATE_NOOP("Commands", "Export image list to HTML..."), F | P, nullptr, nullptr},
    {cmd::NextPage, QT_TRANSLATE_NOOP("Commands", "Get Next Photo or Sequence"),
     QT_TRANSLATE_NOOP("Commands", "Draw next photo layout page."), F | B, "go-next",
     QT_TRANSLATE_NOOP("Commands", "Next")},
    {cmd::PreviousPage, QT_TRANSLATE_NOOP("Commands", "Get Previous Photo or Sequence"),
     QT_TRANSLATE_NOOP("Commands", "Draw previous photo layout page."), F | B, "go-previous",
     QT_TRANSLATE_NOOP("Commands", "Previous")},
    {cmd::Redraw, nullptr, QT_TRANSLATE_NOOP("Commands", "Re-draw photo layout page."), B, "view-refresh",
     QT_TRANSLATE_NOOP("Commands", "Redraw")},
    {cmd::LayoutSetup, QT_TRANSLATE_NOOP("Commands", "Photo Print Layout and Setup..."),
     QT_TRANSLATE_NOOP("Commands", "Photo layout preview and control dialog."), F | B, "document-page-setup",
     QT_TRANSLATE_NOOP("Commands", "Layout")},
    {cmd::PrinterSetup, QT_TRANSLATE_NOOP("Commands", "Printer Select/Setup..."),
     QT_TRANSLATE_NOOP("Commands", "Select/setup printer..."), F | B, "document-properties",
     QT_TRANSLATE_NOOP("Commands", "Printer")},
    {cmd::PrintAlignment, QT_TRANSLATE_NOOP("Commands", "Print &Alignment Page..."),
     QT_TRANSLATE_NOOP("Commands",
                       "Print a page to measure where this printer puts its prints, and correct it."),
     F, nullptr, nullptr},
    {cmd::Print, QT_TRANSLATE_NOOP("Commands", "&Print..."), QT_TRANSLATE_NOOP("Commands", "Print canvas."),
     F | B, "document-print", QT_TRANSLATE_NOOP("Commands", "Print")},
    {cmd::BatchPrint, QT_TRANSLATE_NOOP("Commands", "Batch Print Entire Image List..."),
     QT_TRANSLATE_NOOP("Commands", "Print entire image list..."), F | P, nullptr, nullptr},
    {cmd::Exit, QT_TRANSLATE_NOOP("Commands", "&Exit"), QT_TRANSLATE_NOOP("Commands", "Exit program."), F | B,
     "application-exit", QT_TRANSLATE_NOOP("Commands", "Exit")},
    {cmd::EraseList, QT_TRANSLATE_NOOP("Commands", "Erase Image List"),
     QT_TRANSLATE_NOOP("Commands", "Erase image list."), E | P | B, "edit-clear",
     QT_TRANSLATE_NOOP("Commands", "Erase")},
    {cmd::ZoomFitPage, QT_TRANSLATE_NOOP("Commands", "&Fit Page\tCtrl+0"),
     QT_TRANSLATE_NOOP("Commands", "Show the whole page in the window."), V, "zoom-fit-best", nullptr},
    {cmd::ZoomActualSize, QT_TRANSLATE_NOOP("Commands", "&Actual Size\tCtrl+1"),
     QT_TRANSLATE_NOOP("Commands", "Show the page one pixel to one screen pixel."), V, "zoom-original",
     nullptr},
    {cmd::ZoomIn, QT_TRANSLATE_NOOP("Commands", "Zoom &In\tCtrl++"),
     QT_TRANSLATE_NOOP("Commands", "Show the page larger."), V, "zoom-in", nullptr},
    {cmd::ZoomOut, QT_TRANSLATE_NOOP("Commands", "Zoom &Out\tCtrl+-"),
     QT_TRANSLATE_NOOP("Commands", "Show the page smaller."), V, "zoom-out", nullptr},
    {cmd::EditAlbum, QT_TRANSLATE_NOOP("Commands", "E&dit Photo Album..."),
     QT_TRANSLATE_NOOP("Commands", "Edit photo album."), T, nullptr, nullptr},
    {cmd::SlotStatistics, nullptr, QT_TRANSLATE_NOOP("Commands", "Zoom in for layout image detail..."), B,
     "zoom-in", QT_TRANSLATE_NOOP("Commands", "Details")},
    {cmd::ChangeTemplate, QT_TRANSLATE_NOOP("Commands", "Change Photo Template..."),
     QT_TRANSLATE_NOOP("Commands", "Change photo template..."), P, nullptr, nullptr},
    {cmd::ViewImageList, QT_TRANSLATE_NOOP("Commands", "View or Change Photo Image List..."),
     QT_TRANSLATE_NOOP("Commands", "View or Change Photo Image List..."), P, nullptr, nullptr},
    {cmd::ChangeResolution, QT_TRANSLATE_NOOP("Commands", "Change Printer Page Resolution..."),
     QT_TRANSLATE_NOOP("Commands", "Change printer page resolution..."), P, nullptr, nullptr},
    {cmd::AdjustCrop, QT_TRANSLATE_NOOP("Commands", "Adjust Auto-Crop Settings..."),
     QT_TRANSLATE_NOOP("Commands", "Adjust auto-crop settings"), P, nullptr, nullptr},
    {cmd::AdjustWatermark, QT_TRANSLATE_NOOP("Commands", "Adjust Watermark Image or Text..."),
     QT_TRANSLATE_NOOP("Commands", "Adjust Watermark Image or Text..."), P, nullptr, nullptr},
    {cmd::AdjustFilters, QT_TRANSLATE_NOOP("Commands", "Adjust Photo Image Filters..."),
     QT_TRANSLATE_NOOP("Commands", "Adjust Photo Image Filters..."), P, nullptr, nullptr},
    {cmd::Wizard, QT_TRANSLATE_NOOP("Commands", "Wizard..."),
     QT_TRANSLATE_NOOP("Commands", "Launch Kiosk Wizard..."), H | P | B, "tools-wizard",
     QT_TRANSLATE_NOOP("Commands", "Wizard")},
    {cmd::HelpContents, QT_TRANSLATE_NOOP("Commands", "&Contents..."),
     QT_TRANSLATE_NOOP("Commands", "Program help documentation..."), H | B, "help-contents",
     QT_TRANSLATE_NOOP("Commands", "Help")},
    {cmd::HelpIndex, QT_TRANSLATE_NOOP("Commands", "&Index..."), nullptr, H, nullptr, nullptr},
    {cmd::HelpFromDialog, nullptr, nullptr, 0, nullptr, nullptr},
    {cmd::About, QT_TRANSLATE_NOOP("Commands", "&About Snapvale..."),
     QT_TRANSLATE_NOOP("Commands", "About Snapvale..."), H | B, "help-about",
     QT_TRANSLATE_NOOP("Commands", "About")},
    {cmd::StatusIndicator, nullptr,
     QT_TRANSLATE_NOOP("Commands", "Click here for photo template information."), 0, nullptr, nullptr},
};

const std::vector<int> kToolbar = {
    cmd::PrinterSetup,   cmd::Print,  kSeparator,      cmd::OpenImageList, cmd::AddFiles,
    cmd::ImportAlbum,    kSeparator,  cmd::SaveCanvas, cmd::ExportAlbum,   kSeparator,
    cmd::PreviousPage,   cmd::Redraw, cmd::NextPage,   kSeparator,         cmd::LayoutSetup,
    cmd::SlotStatistics, kSeparator,  cmd::EraseList,  kSeparator,         cmd::Wizard,
    cmd::HelpContents,   cmd::About,  kWideSeparator,  cmd::Exit,
};

const std::vector<int> kPopup = {
    cmd::EraseList,  kSeparator,      cmd::ChangeTemplate,  cmd::ViewImageList, cmd::ChangeResolution,
    kSeparator,      cmd::AdjustCrop, cmd::AdjustWatermark, cmd::AdjustFilters, kSeparator,
    cmd::BatchPrint, kSeparator,      cmd::SaveCanvas,      cmd::ExportAlbum,   cmd::ExportHtml,
    kSeparator,      cmd::Wizard,
};
}  // namespace

const std::vector<CommandInfo>& commandTable() {
    return kCommands;
}

const CommandInfo* findCommand(int id) {
    for (const CommandInfo& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

QString commandText(const char* text) {
    return text ? QCoreApplication::translate("Commands", text) : QString();
}

QString menuLabel(const CommandInfo& info) {
    if (!info.menuText) return QString();
    return commandText(info.menuText).section(QLatin1Char('\t'), 0, 0);
}

QString menuShortcut(const CommandInfo& info) {
    if (!info.menuText) return QString();
    return QString::fromUtf8(info.menuText).section(QLatin1Char('\t'), 1);
}

const std::vector<int>& toolbarLayout() {
    return kToolbar;
}
const std::vector<int>& popupLayout() {
    return kPopup;
}

QString toolbarTooltip(const QString& text) {
    return text.left(79);
}

bool toolbarCommandEnabled(int id, bool listNotEmpty, bool helpAvailable) {
    switch (id) {
        case cmd::OpenImageList:
        case cmd::AddFiles:
        case cmd::ImportAlbum:
        case cmd::About:
        case cmd::Exit:
            return true;
        case cmd::HelpContents:
            return helpAvailable;
        case cmd::PrinterSetup:
        case cmd::Print:
        case cmd::SaveCanvas:
        case cmd::ExportAlbum:
        case cmd::PreviousPage:
        case cmd::Redraw:
        case cmd::NextPage:
        case cmd::LayoutSetup:
        case cmd::EraseList:
        case cmd::SlotStatistics:
            return listNotEmpty;
        default:
            // Buttons outside the rule (the wizard) keep their state.
            return true;
    }
}

int layoutSetupPageFor(int id) {
    switch (id) {
        case cmd::LayoutSetup:
            return -1;
        case cmd::ViewImageList:
            return 0;
        case cmd::ChangeTemplate:
        case cmd::StatusIndicator:
            return 1;
        case cmd::ChangeResolution:
        case cmd::AdjustCrop:
        case cmd::AdjustWatermark:
        case cmd::AdjustFilters:
            return 2;
        default:
            return -2;
    }
}

bool isLayoutSetupCommand(int id) {
    return layoutSetupPageFor(id) != -2;
}
