#pragma once
// The fixed catalogue of print layouts: 28 full-page templates chosen by name and
// 11 half-page styles chosen by number, with the geometry of every slot.
//
// Slots are kept in inches, as the edges of the rectangle on the template's page,
// and become canvas pixels only when a page is planned. Planning a page runs the
// placements in their fixed order and hands back one entry per placement, so a
// render loop can outline each rectangle and fill the photo slots in turn.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct AppSettings;

// Nominal print sizes a slot can be marked with. The order is the order in which
// the print-size fit evaluates them, so ties go to the earlier one.
enum class PrintSizeClass : std::uint8_t {
    UserDefined,
    MiniId,
    Wallet2x3,
    BusinessCard2x3_5,
    Print2_5x3_5,
    WalletLabel2_25x3,
    Print3x4,
    Print4x5,
    Print3_5x5,
    Print4x6,
    Print5_25x8_25,
    Print5x7,
    GreetingCard5x8,
    Print6x8,
    Print8x10,
    DvdBooklet,
    DvdCover,
    DvdSpine,
    CdInlay,
    CdBooklet,
    Passport14,
    Passport13,
};
constexpr int kPrintSizeClassCount = 22;

struct PrintSizeClassInfo {
    PrintSizeClass id;
    const char* name;
    // Nominal size in inches; the user-defined class takes the user page size instead.
    double width;
    double height;
};
// All classes, in evaluation order.
const std::vector<PrintSizeClassInfo>& printSizeClassTable();
const PrintSizeClassInfo& printSizeClassInfo(PrintSizeClass id);

// The class flags in force for a slot: placements set flags and some clear them,
// so in principle more than one can be on at once.
class PrintSizeClasses {
public:
    PrintSizeClasses() = default;
    static PrintSizeClasses of(PrintSizeClass c) {
        PrintSizeClasses s;
        s.set(c);
        return s;
    }
    void set(PrintSizeClass c) { bits_ |= bit(c); }
    void clear() { bits_ = 0; }
    bool has(PrintSizeClass c) const { return (bits_ & bit(c)) != 0; }
    bool isEmpty() const { return bits_ == 0; }
    std::uint32_t bits() const { return bits_; }
    friend bool operator==(const PrintSizeClasses&, const PrintSizeClasses&) = default;

private:
    static std::uint32_t bit(PrintSizeClass c) { return std::uint32_t(1) << static_cast<int>(c); }
    std::uint32_t bits_ = 0;
};

// Template-level switches of the CD and DVD inserts; they change turning and cropping.
struct DiscFlags {
    bool booklet = false;
    bool inlay = false;
    friend bool operator==(const DiscFlags&, const DiscFlags&) = default;
};

// A canvas rectangle with exclusive right and bottom edges: width = right - left.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Four margins in inches, measured inwards from the page edges.
struct SlotMargins {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// Maps margins on a page of pageWidth x pageHeight inches onto a canvas of
// canvasWidth x canvasHeight pixels, each axis on its own, truncating toward zero.
// Mirrored, the top and bottom margins swap roles (reflection about the page's
// horizontal centre line). A page without a positive size maps to an empty rectangle.
PixelRect slotPixelRect(int canvasWidth, int canvasHeight, const SlotMargins& margins, double pageWidth,
                        double pageHeight, bool mirror);

// One placement of a template, in inches on the template's page (x0 < x1, y0 < y1).
struct Slot {
    double x0 = 0;
    double x1 = 0;
    double y0 = 0;
    double y1 = 0;
    PrintSizeClass printClass = PrintSizeClass::Print8x10;
    bool clearsClasses = false;  // all class flags are cleared before this placement marks its own
    bool outlineOnly = false;    // outlined but never given a photo; not counted as a slot
    bool wholePage = false;      // borderless: no margins, whatever the page size
    // Set for slots that keep their place when the style goes to the top half: they are
    // never mirrored and use topY0..topY1 there instead.
    bool fixedInTopHalf = false;
    double topY0 = 0;
    double topY1 = 0;

    // The margins on a page of the given size, as the decimal values they stand for
    // (a 10.7 page less an edge at 10.685 is 0.015, not 0.015000000000000568).
    SlotMargins margins(double pageWidth, double pageHeight) const;
};

enum class TemplateKind {
    Slots,               // photos placed into slots
    NegativeStripSheet,  // index sheet of film strips
    SlideMountSheet,     // index sheet of 3D slide mounts
};

struct Template {
    QString name;           // the catalogue name (full page) or the title (half-page style)
    int style = 134;        // the half-page style number; 134 for full-page templates
    bool userPage = false;  // page size is the user's UserWidth x UserHeight
    double pageWidth = 8.0;
    double pageHeight = 10.0;
    TemplateKind kind = TemplateKind::Slots;
    DiscFlags disc;
    int indexColumns = 0;
    int indexRows = 0;
    int frameLabelLimit = 0;
    bool resolutionText = false;  // style 124 draws the page resolution text beside its slot
    std::vector<Slot> slots;      // in placement order, outline-only entries included

    // Photos the template takes: slots that are not outline-only, or the index sheet's frames.
    int slotCount() const;
};

// The full-page catalogue in selection order, and the half-page styles 124 to 133.
const std::vector<Template>& fullPageTemplates();
const std::vector<Template>& halfPageStyles();

extern const char* const kHalfPageSelection;  // "NONE - USE HALF PAGE TEMPLATES"
constexpr int kFirstHalfPageStyle = 124;
constexpr int kLastHalfPageStyle = 133;
constexpr int kFullPageStyle = 134;

// The first catalogue entry whose name occurs anywhere inside the selection, or null.
const Template* findFullPageTemplate(const QString& selection);
// The style, or null for any number outside 124..133.
const Template* findHalfPageStyle(int style);
// True when the selection does not ask for half-page styles.
bool isFullPage(const QString& selection);
// A full-page template meant to print to the paper's edges (its name says "Borderless").
bool isBorderlessTemplate(const QString& selection);
// Photos a half-page style takes; 0 for any number that is not a style.
int halfPageStyleSlotCount(int style);
// The style's name in the setup sheet's title line, in the window's language; empty
// for any other number. halfPageStyleName gives it as the catalogue writes it.
QString halfPageStyleDisplayName(int style);
QString halfPageStyleName(int style);
// A template's name, or a page's layout text ("Top: ... + Bottom: ..."), in the window's
// language. Settings, reports and the command line keep the catalogue's own names.
QString templateDisplayName(const QString& name);
QString layoutDisplayText(const QString& layoutText);
// The choices of the full-page template list: the half-page entry first, then the catalogue.
QStringList fullPageTemplateChoices();

// Paper and template (canvas) size that choosing a template sets, in inches.
struct TemplatePageSizes {
    double paperWidth = 8.5;
    double paperHeight = 11.0;
    double templateWidth = 8.0;
    double templateHeight = 10.0;
    bool asksUserSize = false;  // the user page size dialog runs before these are taken
    bool borderless = false;    // the borderless printer check follows
};
// The first entry of the page-size table whose key occurs in the name wins; the
// user-defined page is userWidth x userHeight for both paper and template.
TemplatePageSizes pageSizesForTemplate(const QString& name, double userWidth, double userHeight);

// What a placement needs from the settings.
struct PlacementContext {
    int canvasWidth = 1600;
    int canvasHeight = 2000;
    double userWidth = 5.0;
    double userHeight = 7.0;
    bool photosOnly = false;    // no outlines are drawn
    QString fullPageSelection;  // FullPageTemplateSel
    int topStyle = 125;
    int bottomStyle = 129;

    static PlacementContext fromSettings(const AppSettings& settings);
};

// One executed placement on the canvas.
struct PlacedSlot {
    PixelRect rect;
    bool outlineOnly = false;  // no photo goes here
    bool drawOutline = false;  // outline it with the layout pen
    PrintSizeClasses classes;  // class flags in force for its photo
    DiscFlags disc;
    // Style 124: the page resolution text goes beside the slot after it is placed and
    // before its photo is filled, with the title below and the mirrored flag.
    bool resolutionText = false;
    bool mirrored = false;
    QString title;
};

// An index sheet hands the whole page over to the sheet drawer.
struct IndexSheetPlacement {
    bool slides = false;  // 3D slide mounts; otherwise film strips
    int columns = 0;
    int rows = 0;
    int frameLabelLimit = 0;
    PixelRect sheetArea;       // where the cells go
    PrintSizeClasses classes;  // the 8x10 class
};

// The result of placing one full-page template or one half-page style.
struct TemplatePlacement {
    bool placed = false;  // false when nothing matched: the page stays white
    QString title;        // the page title after placing
    int slotCount = 0;
    std::vector<PlacedSlot> slots;  // placement order
    std::optional<IndexSheetPlacement> indexSheet;
};

// The title a full-page template gives the page for this selection.
QString fullPageTitle(const Template& tpl, const QString& selection, double userWidth, double userHeight);

// Places the full-page template named by the selection.
TemplatePlacement placeFullPageTemplate(const PlacementContext& context);
// Places one half-page style; style 134 places the full-page template instead, and
// any other number outside 124..133 places nothing and keeps titleBefore.
TemplatePlacement placeHalfPageStyle(const PlacementContext& context, int style, bool mirror,
                                     const QString& titleBefore);

// A whole page: the full-page template, or the top style (mirrored) above the bottom style.
struct PagePlan {
    bool fullPage = true;
    bool placed = false;  // something was placed
    int slotCount = 0;
    QString title;       // the page title at the end
    QString layoutText;  // the status text naming the layout
    std::vector<PlacedSlot> slots;
    std::optional<IndexSheetPlacement> indexSheet;
};
PagePlan planPage(const PlacementContext& context);

// "Loading %d photos into template..."
QString loadingTemplateText(int slotCount);
