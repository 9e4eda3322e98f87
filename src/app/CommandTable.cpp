#include "app/CommandTable.h"

namespace {
constexpr unsigned F = InFileMenu, E = InEditMenu, T = InToolsMenu, H = InHelpMenu, P = InPopupMenu,
                   B = OnToolbar, V = InViewMenu;

const std::vector<CommandInfo> kCommands = {
    {cmd::OpenImageList, "&Open Image List...\tCtrl+O", "Open directory and start at image...", F | B,
     "document-open", "Open"},
    {cmd::AddFiles, nullptr, "Add one or more photo image files.", B, "list-add", "Add"},
    {cmd::AddFilesMenu, "Add Files To Image List...", nullptr, F, nullptr, nullptr},
    {cmd::ImportAlbum, "&Import From Photo Album...", "Import from photo album.", F | B, "insert-image",
     "Import"},
    {cmd::OpenProject, "Open Pro&ject...\tCtrl+Shift+O",
     "Open a print project: its photos, template, settings and framing.", F, nullptr, nullptr},
    {cmd::SaveProject, "Sa&ve Project...\tCtrl+Shift+S",
     "Save the photos, template, settings and framing as a print project.", F, nullptr, nullptr},
    {cmd::SaveCanvas, "Save Canvas...", "Save canvas to disk.", F | P | B, "document-save", "Save"},
    {cmd::ExportAlbum, "E&xport Image List To Photo Album...", "Save image list as photo album.", F | P | B,
     "document-save-as", "Export"},
    {cmd::ExportHtml, "Export Image List To HTML...", "Export image list to HTML...", F | P, nullptr,
     nullptr},
    {cmd::NextPage, "Get Next Photo or Sequence", "Draw next photo layout page.", F | B, "go-next", "Next"},
    {cmd::PreviousPage, "Get Previous Photo or Sequence", "Draw previous photo layout page.", F | B,
     "go-previous", "Previous"},
    {cmd::Redraw, nullptr, "Re-draw photo layout page.", B, "view-refresh", "Redraw"},
    {cmd::LayoutSetup, "Photo Print Layout and Setup...", "Photo layout preview and control dialog.", F | B,
     "document-page-setup", "Layout"},
    {cmd::PrinterSetup, "Printer Select/Setup...", "Select/setup printer...", F | B, "document-properties",
     "Printer"},
    {cmd::PrintAlignment, "Print &Alignment Page...",
     "Print a page to measure where this printer puts its prints, and correct it.", F, nullptr, nullptr},
    {cmd::Print, "&Print...", "Print canvas.", F | B, "document-print", "Print"},
    {cmd::BatchPrint, "Batch Print Entire Image List...", "Print entire image list...", F | P, nullptr,
     nullptr},
    {cmd::Exit, "&Exit", "Exit program.", F | B, "application-exit", "Exit"},
    {cmd::EraseList, "Erase Image List", "Erase image list.", E | P | B, "edit-clear", "Erase"},
    {cmd::ZoomFitPage, "&Fit Page\tCtrl+0", "Show the whole page in the window.", V, "zoom-fit-best",
     nullptr},
    {cmd::ZoomActualSize, "&Actual Size\tCtrl+1", "Show the page one pixel to one screen pixel.", V,
     "zoom-original", nullptr},
    {cmd::ZoomIn, "Zoom &In\tCtrl++", "Show the page larger.", V, "zoom-in", nullptr},
    {cmd::ZoomOut, "Zoom &Out\tCtrl+-", "Show the page smaller.", V, "zoom-out", nullptr},
    {cmd::EditAlbum, "E&dit Photo Album...", "Edit photo album.", T, nullptr, nullptr},
    {cmd::SlotStatistics, nullptr, "Zoom in for layout image detail...", B, "zoom-in", "Details"},
    {cmd::ChangeTemplate, "Change Photo Template...", "Change photo template...", P, nullptr, nullptr},
    {cmd::ViewImageList, "View or Change Photo Image List...", "View or Change Photo Image List...", P,
     nullptr, nullptr},
    {cmd::ChangeResolution, "Change Printer Page Resolution...", "Change printer page resolution...", P,
     nullptr, nullptr},
    {cmd::AdjustCrop, "Adjust Auto-Crop Settings...", "Adjust auto-crop settings", P, nullptr, nullptr},
    {cmd::AdjustWatermark, "Adjust Watermark Image or Text...", "Adjust Watermark Image or Text...", P,
     nullptr, nullptr},
    {cmd::AdjustFilters, "Adjust Photo Image Filters...", "Adjust Photo Image Filters...", P, nullptr,
     nullptr},
    {cmd::Wizard, "Wizard...", "Launch Kiosk Wizard...", H | P | B, "tools-wizard", "Wizard"},
    {cmd::HelpContents, "&Contents...", "Program help documentation...", H | B, "help-contents", "Help"},
    {cmd::HelpIndex, "&Index...", nullptr, H, nullptr, nullptr},
    {cmd::HelpFromDialog, nullptr, nullptr, 0, nullptr, nullptr},
    {cmd::About, "&About Snapvale...", "About Snapvale...", H | B, "help-about", "About"},
    {cmd::StatusIndicator, nullptr, "Click here for photo template information.", 0, nullptr, nullptr},
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

QString menuLabel(const CommandInfo& info) {
    if (!info.menuText) return QString();
    return QString::fromUtf8(info.menuText).section(QLatin1Char('\t'), 0, 0);
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
