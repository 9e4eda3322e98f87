#pragma once
// The commands of the menus, the toolbar, the view's pop-up menu and the status
// indicator, with their numbers and texts. The numbers travel in QAction::data()
// and select the handler; the texts are the program's own.

#include <QString>
#include <vector>

namespace cmd {
enum : int {
    OpenImageList = 57601,
    AddFiles = 32771,
    AddFilesMenu = 32802,
    ImportAlbum = 32830,
    SaveCanvas = 57603,
    ExportAlbum = 32775,
    ExportHtml = 32791,
    NextPage = 32772,
    PreviousPage = 32773,
    Redraw = 1196,
    LayoutSetup = 32845,
    PrinterSetup = 57606,
    Print = 32814,
    BatchPrint = 32792,
    Exit = 32803,
    EraseList = 32774,
    EditAlbum = 32780,
    SlotStatistics = 32790,
    ChangeTemplate = 32784,
    ViewImageList = 32785,
    ChangeResolution = 32789,
    AdjustCrop = 32786,
    AdjustWatermark = 32787,
    AdjustFilters = 32788,
    Wizard = 32842,
    HelpContents = 32809,
    HelpIndex = 32810,
    HelpFromDialog = 57670,
    About = 57664,
    StatusIndicator = 61220,
};
}

// Where a command appears.
enum CommandPlace : unsigned {
    InFileMenu = 1u << 0,
    InEditMenu = 1u << 1,
    InToolsMenu = 1u << 2,
    InHelpMenu = 1u << 3,
    InPopupMenu = 1u << 4,
    OnToolbar = 1u << 5,
};

struct CommandInfo {
    int id;
    const char* menuText;    // with & mnemonic and "\t" shortcut; null when no menu shows it
    const char* stringText;  // tooltip text; null when the command has none
    unsigned places;
    const char* iconName;    // freedesktop icon name for the toolbar
    const char* shortLabel;  // toolbar text when no icon can be found
};

// Every command, in the order of the File, Edit, Tools and Help menus.
const std::vector<CommandInfo>& commandTable();
const CommandInfo* findCommand(int id);

// The menu text without its "\t..." shortcut part, and that shortcut ("Ctrl+O"), if any.
QString menuLabel(const CommandInfo& info);
QString menuShortcut(const CommandInfo& info);

// Toolbar buttons left to right: a command number, kSeparator or kWideSeparator.
inline constexpr int kSeparator = 0;
inline constexpr int kWideSeparator = -1;
const std::vector<int>& toolbarLayout();
// The pop-up menu "Main View", top to bottom, with kSeparator between groups.
const std::vector<int>& popupLayout();

// A toolbar tooltip is the command's text cut to 79 characters.
QString toolbarTooltip(const QString& text);

// Whether a toolbar button is enabled. Buttons that need photos follow the list;
// open, add, import, About and Exit always work; Help needs the help folder.
// Menu items are never disabled.
bool toolbarCommandEnabled(int id, bool listNotEmpty, bool helpAvailable);

// The layout setup sheet page a command opens: 0 image list, 1 templates,
// 2 advanced; -1 means the page shown last. Other commands give -2.
int layoutSetupPageFor(int id);
bool isLayoutSetupCommand(int id);
