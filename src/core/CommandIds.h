#pragma once
// The numbers of the program's commands, as the menus, the toolbar, the pop-up menu,
// the status indicator and the dialogs that run a main window command know them.

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
    PrintAlignment = 32850,
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
    // The view's zoom, new here.
    ZoomFitPage = 33101,
    ZoomActualSize = 33102,
    ZoomIn = 33103,
    ZoomOut = 33104,
    // Print projects, new here.
    OpenProject = 33111,
    SaveProject = 33112,
};
}
