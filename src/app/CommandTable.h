#pragma once
// The commands of the menus, the toolbar, the view's pop-up menu and the status
// indicator, with their numbers and texts. The numbers travel in QAction::data()
// and select the handler; the texts are the program's own.

#include <QString>
#include <vector>

#include "core/CommandIds.h"

// Where a command appears.
enum CommandPlace : unsigned {
    InFileMenu = 1u << 0,
    InEditMenu = 1u << 1,
    InToolsMenu = 1u << 2,
    InHelpMenu = 1u << 3,
    InPopupMenu = 1u << 4,
    OnToolbar = 1u << 5,
    InViewMenu = 1u << 6,
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

// One of the table's texts in the window's language; empty for null.
QString commandText(const char* text);
// The menu text, translated, without its "\t..." shortcut part, and that shortcut
// ("Ctrl+O"), if any, which is never translated.
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
