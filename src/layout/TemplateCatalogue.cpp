#include "layout/TemplateCatalogue.h"

#include <QCoreApplication>
#include <climits>
#include <cmath>
#include <initializer_list>

#include "core/AppSettings.h"

using PC = PrintSizeClass;

const char* const kHalfPageSelection = QT_TRANSLATE_NOOP("Templates", "NONE - USE HALF PAGE TEMPLATES");

namespace {

const QString kNoPhotos = QStringLiteral(QT_TRANSLATE_NOOP("Templates", "No Photos"));

// Truncation toward zero of the exact value. Binary doubles land a hair below a whole
// pixel now and then (3000 * 8.2 / 10 gives 2459.9999999999995), which would leave
// neighbouring slots one pixel apart or overlapping. Real fractions of a pixel in the
// catalogue are never closer than about 1/11000 to a whole one, so a millionth is noise.
int truncPixel(double v) {
    if (!std::isfinite(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    constexpr double kNoise = 1e-6;
    return v >= 0 ? static_cast<int>(v + kNoise) : -static_cast<int>(-v + kNoise);
}

// The double nearest to the decimal a computed edge stands for; every edge of the
// catalogue is a whole number of thousandths of an inch.
double decimalInches(double v) {
    return std::round(v * 1e6) / 1e6;
}

struct Span {
    double a;
    double b;
};

// Writes a template's placements in order. A class set with clear=true marks the
// next placement as a clearing point.
class Placements {
public:
    explicit Placements(Template& t) : t_(t) {}

    Placements& marks(PC c, bool clear = false) {
        class_ = c;
        clearNext_ = clear;
        return *this;
    }
    Placements& slot(double x0, double x1, double y0, double y1) { return add(x0, x1, y0, y1, false); }
    Placements& outline(double x0, double x1, double y0, double y1) { return add(x0, x1, y0, y1, true); }
    // Rows in the order given, each filled left to right.
    Placements& rows(std::initializer_list<Span> ys, std::initializer_list<Span> xs) {
        for (const Span& y : ys)
            for (const Span& x : xs) slot(x.a, x.b, y.a, y.b);
        return *this;
    }
    // One row of equal slots starting at the given left edges.
    Placements& rowFrom(Span y, double width, std::initializer_list<double> lefts) {
        for (double x0 : lefts) slot(x0, x0 + width, y.a, y.b);
        return *this;
    }
    // A slot that stays put when its style is placed in the top half.
    Placements& fixedSlot(double x0, double x1, double y0, double y1, double topY0, double topY1) {
        add(x0, x1, y0, y1, false);
        Slot& s = t_.slots.back();
        s.fixedInTopHalf = true;
        s.topY0 = topY0;
        s.topY1 = topY1;
        return *this;
    }

private:
    Placements& add(double x0, double x1, double y0, double y1, bool outlineOnly) {
        Slot s;
        s.x0 = x0;
        s.x1 = x1;
        s.y0 = y0;
        s.y1 = y1;
        s.printClass = class_;
        s.clearsClasses = clearNext_;
        s.outlineOnly = outlineOnly;
        clearNext_ = false;
        t_.slots.push_back(s);
        return *this;
    }

    Template& t_;
    PC class_ = PC::Print8x10;
    bool clearNext_ = false;
};

Template page(const char* name, double w, double h) {
    Template t;
    t.name = QString::fromUtf8(name);
    t.pageWidth = w;
    t.pageHeight = h;
    return t;
}

Template wholePage(const char* name, double w, double h, PC c) {
    Template t = page(name, w, h);
    Placements(t).marks(c).slot(0, w, 0, h);
    t.slots.back().wholePage = true;
    return t;
}

Template indexSheet(const char* name, TemplateKind kind, int columns, int rows, int labelLimit) {
    Template t = page(name, 8, 10);
    t.kind = kind;
    t.indexColumns = columns;
    t.indexRows = rows;
    t.frameLabelLimit = labelLimit;
    return t;
}

std::vector<Template> buildFullPage() {
    std::vector<Template> all;
    {
        // The page follows the user's size; 1 x 1 only stands in for it here.
        Template t = wholePage(QT_TRANSLATE_NOOP("Templates", "One Borderless User Defined Print"), 1, 1,
                               PC::UserDefined);
        t.userPage = true;
        all.push_back(t);
    }
    all.push_back(
        wholePage(QT_TRANSLATE_NOOP("Templates", "One Borderless 4in x 6in Print"), 4, 6, PC::Print4x6));
    all.push_back(
        wholePage(QT_TRANSLATE_NOOP("Templates", "One Borderless 5in x 7in Print"), 5, 7, PC::Print5x7));
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Two 5in x 7in Prints"), 8, 10);
        Placements(t).marks(PC::Print5x7).slot(0.5, 7.5, 0, 5).slot(0.5, 7.5, 5, 10);
        all.push_back(t);
    }
    all.push_back(
        wholePage(QT_TRANSLATE_NOOP("Templates", "One Borderless 6in x 8in Print"), 6, 8, PC::Print6x8));
    all.push_back(
        wholePage(QT_TRANSLATE_NOOP("Templates", "One Borderless 8in x 10in Print"), 8, 10, PC::Print8x10));
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Greeting Card (Half-fold) 5in x 8in"), 8, 10.5);
        Placements(t).marks(PC::GreetingCard5x8).slot(0, 8, 0, 5).slot(0, 8, 5.5, 10.5);
        all.push_back(t);
    }
    all.push_back(wholePage(QT_TRANSLATE_NOOP("Templates", "One 8 x 10 Print"), 8, 10, PC::Print8x10));
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "One 6 x 8 + Five (Wallet) 2 x 3 Prints"), 8, 10);
        Placements(t)
            .marks(PC::Print6x8)
            .slot(0, 6, 0, 8)
            .marks(PC::Wallet2x3, true)
            .slot(6, 8, 0.5, 3.5)
            .slot(6, 8, 3.5, 6.5)
            .slot(6, 8, 6.5, 9.5)
            .slot(0, 3, 8, 10)
            .slot(3, 6, 8, 10);
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Six (Wallet) 2 x 3 + Two 4 x 5 Prints"), 8, 10);
        Placements(t)
            .marks(PC::Print4x5)
            .slot(0, 5, 0, 4)
            .slot(0, 5, 4, 8)
            .marks(PC::Wallet2x3, true)
            .rows({{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}}, {{5, 8}})
            .slot(2, 5, 8, 10);
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Two 4 x 6 + Two 3 x 4 + One 2 x 3 Prints"), 8, 10);
        Placements(t)
            .marks(PC::Print4x6)
            .slot(0, 4, 0, 6)
            .slot(4, 8, 0, 6)
            .marks(PC::Print3x4, true)
            .slot(0, 3, 6, 10)
            .slot(3, 6, 6, 10)
            .marks(PC::Wallet2x3, true)
            .slot(6, 8, 6, 9);
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Six 3 x 4 Prints"), 8, 10);
        Placements(t).marks(PC::Print3x4).rows({{0.5, 3.5}, {3.5, 6.5}, {6.5, 9.5}}, {{0, 4}, {4, 8}});
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Three 4 x 6 Prints"), 8, 10);
        Placements(t).marks(PC::Print4x6).slot(1, 7, 0, 4).slot(0, 4, 4, 10).slot(4, 8, 4, 10);
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Eight 2 1/2 x 3 1/2 Prints"), 8, 10);
        Placements(t)
            .marks(PC::Print2_5x3_5)
            .rows({{0.25, 3.75}, {3.75, 7.25}}, {{0.25, 2.75}, {2.75, 5.25}, {5.25, 7.75}})
            .slot(0.5, 4, 7.25, 9.75)
            .slot(4, 7.5, 7.25, 9.75);
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Nine (Wallet - Avery #53283) 2.25in x 3in Prints"),
                          7.5, 10.1);
        Placements(t)
            .marks(PC::WalletLabel2_25x3)
            .rows({{0.1, 3.1}, {3.5, 6.5}, {6.9, 9.9}}, {{0, 2.25}, {2.6, 4.9}, {5.25, 7.5}});
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Thirteen (Wallet) 2 x 3 Prints"), 8, 10);
        Placements(t)
            .marks(PC::Wallet2x3)
            .rows({{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}}, {{0, 3}, {3, 6}})
            .slot(6, 8, 0.5, 3.5)
            .slot(6, 8, 3.5, 6.5)
            .slot(6, 8, 6.5, 9.5);
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "Ten 2 x 3 1/2 (Business Card) Prints"), 8, 10);
        Placements(t)
            .marks(PC::BusinessCard2x3_5)
            .rows({{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}}, {{0.5, 4}, {4, 7.5}});
        all.push_back(t);
    }
    const auto film = TemplateKind::NegativeStripSheet;
    const auto slides = TemplateKind::SlideMountSheet;
    all.push_back(indexSheet(QT_TRANSLATE_NOOP("Templates", "Index Sheet (Negative Strip) - 9 Prints"), film,
                             3, 3, 36));
    all.push_back(indexSheet(QT_TRANSLATE_NOOP("Templates", "Index Sheet (Negative Strip) - 16 Prints"), film,
                             4, 4, 20));
    all.push_back(indexSheet(QT_TRANSLATE_NOOP("Templates", "Index Sheet (Negative Strip) - 25 Prints"), film,
                             5, 5, 11));
    all.push_back(indexSheet(QT_TRANSLATE_NOOP("Templates", "Index Sheet (Negative Strip) - 36 Prints"), film,
                             6, 6, 5));
    all.push_back(
        indexSheet(QT_TRANSLATE_NOOP("Templates", "Index Sheet (3D Slides) - 6 Prints"), slides, 2, 3, 56));
    all.push_back(
        indexSheet(QT_TRANSLATE_NOOP("Templates", "Index Sheet (3D Slides) - 12 Prints"), slides, 3, 4, 20));
    all.push_back(
        indexSheet(QT_TRANSLATE_NOOP("Templates", "Index Sheet (3D Slides) - 20 Prints"), slides, 4, 5, 11));
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "CD Case (Booklet) 4.75 x 4.75 in"), 8, 10);
        t.disc.booklet = true;
        Placements(t).marks(PC::CdBooklet).slot(0, 4.75, 0, 4.75).slot(0, 4.75, 4.75, 9.5);
        all.push_back(t);
    }
    {
        // The narrow strips mark where the inlay folds round the case's sides.
        Template t = page(QT_TRANSLATE_NOOP("Templates", "CD Case (InLay) 5.9 x 4.60 in"), 8, 10);
        t.disc.inlay = true;
        Placements(t)
            .marks(PC::CdInlay)
            .slot(0, 5.9, 0, 4.6)
            .outline(0, 0.25, 0, 4.6)
            .outline(5.65, 5.9, 0, 4.6)
            .slot(0, 5.9, 4.6, 9.2)
            .outline(0, 0.25, 4.6, 9.2)
            .outline(5.65, 5.9, 4.6, 9.2);
        all.push_back(t);
    }
    {
        Template t = page(QT_TRANSLATE_NOOP("Templates", "DVD Case (Booklet) 7.3 x 4.85 in"), 8, 10);
        t.disc.booklet = true;
        Placements(t).marks(PC::DvdBooklet).slot(0.35, 7.65, 0, 4.85).slot(0.35, 7.65, 4.85, 9.7);
        all.push_back(t);
    }
    {
        // The spine is outlined once more at the end so the cover photo below cannot hide its edge.
        Template t = page(
            QT_TRANSLATE_NOOP("Templates", "DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in"), 8, 10.7);
        t.disc.booklet = true;
        Placements(t)
            .marks(PC::DvdCover)
            .slot(0.4, 7.6, 0, 5.1)
            .marks(PC::DvdSpine, true)
            .slot(0.4, 7.6, 5.1, 5.6)
            .marks(PC::DvdCover, true)
            .slot(0.4, 7.6, 5.6, 10.685)
            .outline(0.4, 7.6, 5.1, 5.6);
        all.push_back(t);
    }
    return all;
}

Template style(int number, const QString& title, double w, double h) {
    Template t;
    t.name = title;
    t.style = number;
    t.pageWidth = w;
    t.pageHeight = h;
    return t;
}

// Every style is written for the bottom half of its page.
std::vector<Template> buildHalfPage() {
    std::vector<Template> all;
    {
        Template t = style(
            124, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "One 5 1/4\" x 8 1/4\" Prints")), 8.5, 11);
        t.resolutionText = true;
        Placements(t).marks(PC::Print5_25x8_25).slot(0.25, 8.25, 5.5, 10.75);
        all.push_back(t);
    }
    {
        Template t =
            style(125, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "One 5\" x 7\" Prints")), 8, 10);
        Placements(t).marks(PC::Print5x7).slot(0.5, 7.5, 5, 10);
        all.push_back(t);
    }
    {
        Template t =
            style(126, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "One 4\" x 6\" Prints")), 8, 10);
        Placements(t).marks(PC::Print4x6).slot(1, 7, 5, 9);
        all.push_back(t);
    }
    {
        Template t =
            style(127, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Two 4\" x 5\" Prints")), 8, 10);
        Placements(t).marks(PC::Print4x5).slot(0, 4, 5, 10).slot(4, 8, 5, 10);
        all.push_back(t);
    }
    {
        Template t =
            style(128, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Two 3 1/2\" x 5\" Prints")), 8, 10);
        Placements(t).marks(PC::Print3_5x5).slot(0.5, 4, 5, 10).slot(4, 7.5, 5, 10);
        all.push_back(t);
    }
    {
        Template t =
            style(129, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Six (Wallet) 2 x 3 Prints")), 8, 10);
        Placements(t)
            .marks(PC::Wallet2x3)
            .rows({{5, 8}}, {{0, 2}, {2, 4}, {4, 6}, {6, 8}})
            .slot(1, 4, 8, 10)
            .slot(4, 7, 8, 10);
        all.push_back(t);
    }
    {
        Template t = style(
            130, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Three 2 1/2\" x 3 1/2\" Prints")), 8, 10);
        Placements(t).marks(PC::Print2_5x3_5).rows({{5, 8.5}}, {{0.25, 2.75}, {2.75, 5.25}, {5.25, 7.75}});
        all.push_back(t);
    }
    {
        Template t = style(131, QString::asprintf("Passport %1.2f\" x %1.2f\"- 14 Prints", 1.38, 1.8), 8, 10);
        const std::initializer_list<double> lefts = {0.385, 1.875, 3.365, 4.855, 6.345};
        Placements(t)
            .marks(PC::Passport14)
            .rowFrom({8.2, 10}, 1.38, lefts)
            .rowFrom({6.4, 8.2}, 1.38, lefts)
            .fixedSlot(0.44, 2.24, 5, 6.38, 3.62, 5)
            .fixedSlot(2.24, 4.04, 5, 6.38, 3.62, 5)
            .fixedSlot(4.04, 5.84, 5, 6.38, 3.62, 5)
            .fixedSlot(5.84, 7.64, 5, 6.38, 3.62, 5);
        all.push_back(t);
    }
    {
        Template t = style(132, QString::asprintf("Passport %1.2f\" x %1.2f\"- 13 Prints", 1.5, 2.0), 8, 10);
        Placements(t)
            .marks(PC::Passport13)
            .rows({{5, 6.5}, {6.5, 8}}, {{0, 2}, {2, 4}, {4, 6}, {6, 8}})
            .rowFrom({8, 10}, 1.5, {0.25, 1.75, 3.25, 4.75, 6.25});
        all.push_back(t);
    }
    {
        Template t =
            style(133, QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Mini ID 1 x 1 1/2 26 Prints")), 8, 10);
        Placements(t)
            .marks(PC::MiniId)
            .rows({{8.5, 10}, {7, 8.5}}, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}})
            .rowFrom({6, 7}, 1.5, {0.25, 1.75, 3.25, 4.75, 6.25})
            .rowFrom({5, 6}, 1.5, {0.25, 1.75, 3.25, 4.75, 6.25});
        all.push_back(t);
    }
    return all;
}

std::vector<PlacedSlot> placeSlots(const Template& t, const PlacementContext& ctx, bool mirror,
                                   const QString& title) {
    const double pw = t.userPage ? ctx.userWidth : t.pageWidth;
    const double ph = t.userPage ? ctx.userHeight : t.pageHeight;
    std::vector<PlacedSlot> out;
    out.reserve(t.slots.size());
    // Every template starts from no class at all, so nothing carries over from the
    // previous page and changes how its photos are cropped.
    PrintSizeClasses flags;
    for (const Slot& s : t.slots) {
        if (s.clearsClasses) flags.clear();
        flags.set(s.printClass);
        Slot where = s;
        bool slotMirror = mirror;
        if (mirror && s.fixedInTopHalf) {
            where.y0 = s.topY0;
            where.y1 = s.topY1;
            slotMirror = false;
        }
        PlacedSlot p;
        p.rect = slotPixelRect(ctx.canvasWidth, ctx.canvasHeight, where.margins(pw, ph), pw, ph, slotMirror);
        p.outlineOnly = s.outlineOnly;
        p.drawOutline = !ctx.photosOnly;
        p.classes = flags;
        p.disc = t.disc;
        p.resolutionText = t.resolutionText && !s.outlineOnly;
        p.mirrored = mirror;
        p.title = title;
        out.push_back(p);
    }
    return out;
}

}  // namespace

const std::vector<PrintSizeClassInfo>& printSizeClassTable() {
    static const std::vector<PrintSizeClassInfo> table = {
        {PC::UserDefined, "user-defined", 0, 0},
        {PC::MiniId, "mini ID", 1, 1.5},
        {PC::Wallet2x3, "2x3 wallet", 2, 3},
        {PC::BusinessCard2x3_5, "2x3.5 business card", 2, 3.5},
        {PC::Print2_5x3_5, "2.5x3.5", 2.5, 3.5},
        {PC::WalletLabel2_25x3, "2.25x3 wallet label", 2.25, 3},
        {PC::Print3x4, "3x4", 3, 4},
        {PC::Print4x5, "4x5", 4, 5},
        {PC::Print3_5x5, "3.5x5", 3.5, 5},
        {PC::Print4x6, "4x6", 4, 6},
        {PC::Print5_25x8_25, "5.25x8.25", 5.25, 8.25},
        {PC::Print5x7, "5x7", 5, 7},
        {PC::GreetingCard5x8, "greeting card", 5, 8},
        {PC::Print6x8, "6x8", 6, 8},
        {PC::Print8x10, "8x10", 8, 10},
        {PC::DvdBooklet, "DVD booklet", 7.3, 4.85},
        {PC::DvdCover, "DVD cover", 7.2, 5.1},
        {PC::DvdSpine, "DVD spine", 7.2, 0.5},
        {PC::CdInlay, "CD inlay", 5.9, 4.6},
        {PC::CdBooklet, "CD booklet", 4.75, 4.75},
        {PC::Passport14, "passport 14", 1.38, 1.8},
        {PC::Passport13, "passport 13", 1.5, 2},
    };
    return table;
}

const PrintSizeClassInfo& printSizeClassInfo(PrintSizeClass id) {
    return printSizeClassTable()[static_cast<std::size_t>(id)];
}

PixelRect slotPixelRect(int canvasWidth, int canvasHeight, const SlotMargins& m, double pageWidth,
                        double pageHeight, bool mirror) {
    if (!(pageWidth > 0) || !(pageHeight > 0) || !std::isfinite(pageWidth) || !std::isfinite(pageHeight))
        return {};
    const double w = canvasWidth;
    const double h = canvasHeight;
    PixelRect r;
    r.left = truncPixel(w * m.left / pageWidth);
    r.right = truncPixel(w - w * m.right / pageWidth);
    if (mirror) {
        r.top = truncPixel(h * m.bottom / pageHeight);
        r.bottom = truncPixel(h - h * m.top / pageHeight);
    } else {
        r.top = truncPixel(h * m.top / pageHeight);
        r.bottom = truncPixel(h - h * m.bottom / pageHeight);
    }
    return r;
}

SlotMargins Slot::margins(double pageWidth, double pageHeight) const {
    SlotMargins m;
    if (wholePage) return m;
    m.left = decimalInches(x0);
    m.right = decimalInches(pageWidth - x1);
    m.top = decimalInches(y0);
    m.bottom = decimalInches(pageHeight - y1);
    return m;
}

int Template::slotCount() const {
    if (kind != TemplateKind::Slots) return indexColumns * indexRows;
    int n = 0;
    for (const Slot& s : slots)
        if (!s.outlineOnly) ++n;
    return n;
}

const std::vector<Template>& fullPageTemplates() {
    static const std::vector<Template> all = buildFullPage();
    return all;
}

const std::vector<Template>& halfPageStyles() {
    static const std::vector<Template> all = buildHalfPage();
    return all;
}

const Template* findFullPageTemplate(const QString& selection) {
    for (const Template& t : fullPageTemplates())
        if (selection.contains(t.name)) return &t;
    return nullptr;
}

const Template* findHalfPageStyle(int number) {
    for (const Template& t : halfPageStyles())
        if (t.style == number) return &t;
    return nullptr;
}

bool isFullPage(const QString& selection) {
    return !selection.contains(QLatin1String(kHalfPageSelection));
}

bool isBorderlessTemplate(const QString& selection) {
    return isFullPage(selection) && selection.contains(QLatin1String("Borderless"));
}

int halfPageStyleSlotCount(int number) {
    const Template* t = findHalfPageStyle(number);
    return t ? t->slotCount() : 0;
}

QString halfPageStyleDisplayName(int number) {
    return templateDisplayName(halfPageStyleName(number));
}

QString halfPageStyleName(int number) {
    switch (number) {
        case 124:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "One 5 1/4 x 8 1/4 Print"));
        case 125:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "One 5 x 7 Print"));
        case 126:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "One 4 x 6 Print"));
        case 127:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Two 4 x 5 Prints"));
        case 128:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Two 3 1/2 x 5 Prints"));
        case 129:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Six (Wallet) 2 x 3 Prints"));
        case 130:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Three 2 1/2 x 3 1/2 Prints"));
        case 131:
            return QString::asprintf("Passport %1.2f\" x %1.2f\"- 14 Prints", 1.38, 1.8);
        case 132:
            return QString::asprintf("Passport %1.2f\" x %1.2f\"- 13 Prints", 1.5, 2.0);
        case 133:
            return QStringLiteral(QT_TRANSLATE_NOOP("Templates", "Mini ID 1 x 1 1/2 26 Prints"));
        default:
            return QString();
    }
}

QStringList fullPageTemplateChoices() {
    QStringList names{QString::fromLatin1(kHalfPageSelection)};
    for (const Template& t : fullPageTemplates()) names << t.name;
    return names;
}

TemplatePageSizes pageSizesForTemplate(const QString& name, double userWidth, double userHeight) {
    struct Entry {
        const char* key;
        double paperW, paperH, templateW, templateH;
    };
    static const Entry table[] = {
        {"One Borderless 4in x 6in Print", 4, 6, 4, 6},
        {"One Borderless 5in x 7in Print", 5, 7, 5, 7},
        {"One Borderless 6in x 8in Print", 6, 8, 6, 8},
        {"One Borderless 8in x 10in Print", 8, 10, 8, 10},
        {"Nine (Wallet - Avery #53283) 2.25in x 3in Prints", 8.5, 11, 7.5, 10.1},
        {"Greeting Card (Half-fold) 5in x 8in", 8.5, 11, 8, 10.5},
        {"One Borderless User Defined Print", 0, 0, 0, 0},
        {"DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in", 8.5, 11, 8, 10.7},
    };
    TemplatePageSizes s;
    s.borderless = isBorderlessTemplate(name);
    for (const Entry& e : table) {
        if (!name.contains(QLatin1String(e.key))) continue;
        if (e.paperW == 0) {
            s.asksUserSize = true;
            s.paperWidth = s.templateWidth = userWidth;
            s.paperHeight = s.templateHeight = userHeight;
        } else {
            s.paperWidth = e.paperW;
            s.paperHeight = e.paperH;
            s.templateWidth = e.templateW;
            s.templateHeight = e.templateH;
        }
        break;
    }
    return s;
}

PlacementContext PlacementContext::fromSettings(const AppSettings& s) {
    PlacementContext c;
    c.canvasWidth = s.CanvasWidth;
    c.canvasHeight = s.CanvasHeight;
    c.userWidth = s.UserWidth;
    c.userHeight = s.UserHeight;
    c.photosOnly = s.PhotosOnly != 0;
    c.fullPageSelection = s.FullPageTemplateSel;
    c.topStyle = s.TopPageStyle;
    c.bottomStyle = s.BottomPageStyle;
    return c;
}

QString fullPageTitle(const Template& t, const QString& selection, double userWidth, double userHeight) {
    if (t.userPage)
        return QString::asprintf("One Borderless User Defined Print %.2f x %.2f in", userWidth, userHeight);
    return selection;
}

TemplatePlacement placeFullPageTemplate(const PlacementContext& ctx) {
    TemplatePlacement r;
    r.title = ctx.fullPageSelection;
    const Template* t = findFullPageTemplate(ctx.fullPageSelection);
    if (!t) return r;
    r.placed = true;
    r.title = fullPageTitle(*t, ctx.fullPageSelection, ctx.userWidth, ctx.userHeight);
    r.slotCount = t->slotCount();
    if (t->kind == TemplateKind::Slots) {
        r.slots = placeSlots(*t, ctx, false, r.title);
        return r;
    }
    IndexSheetPlacement sheet;
    sheet.slides = t->kind == TemplateKind::SlideMountSheet;
    sheet.columns = t->indexColumns;
    sheet.rows = t->indexRows;
    sheet.frameLabelLimit = t->frameLabelLimit;
    sheet.sheetArea =
        slotPixelRect(ctx.canvasWidth, ctx.canvasHeight, SlotMargins{0.1, 0.1, 0.5, 0.1}, 8, 10, false);
    sheet.classes = PrintSizeClasses::of(PC::Print8x10);
    r.indexSheet = sheet;
    return r;
}

TemplatePlacement placeHalfPageStyle(const PlacementContext& ctx, int number, bool mirror,
                                     const QString& titleBefore) {
    if (number == kFullPageStyle) return placeFullPageTemplate(ctx);
    TemplatePlacement r;
    r.title = titleBefore;
    const Template* t = findHalfPageStyle(number);
    if (!t) return r;
    r.placed = true;
    r.title = t->name;
    r.slotCount = t->slotCount();
    r.slots = placeSlots(*t, ctx, mirror, r.title);
    return r;
}

PagePlan planPage(const PlacementContext& ctx) {
    PagePlan plan;
    plan.fullPage = isFullPage(ctx.fullPageSelection);
    if (plan.fullPage) {
        TemplatePlacement p = placeHalfPageStyle(ctx, kFullPageStyle, false, kNoPhotos);
        plan.placed = p.placed;
        plan.slotCount = p.slotCount;
        plan.title = p.title;
        plan.layoutText = ctx.fullPageSelection;
        plan.slots = std::move(p.slots);
        plan.indexSheet = p.indexSheet;
        return plan;
    }
    TemplatePlacement top = placeHalfPageStyle(ctx, ctx.topStyle, true, kNoPhotos);
    TemplatePlacement bottom = placeHalfPageStyle(ctx, ctx.bottomStyle, false, kNoPhotos);
    plan.placed = top.placed || bottom.placed;
    plan.slotCount = top.slotCount + bottom.slotCount;
    plan.title = bottom.title;
    plan.layoutText = QStringLiteral("Top: ") + top.title + QStringLiteral(" + Bottom: ") + bottom.title;
    plan.slots = std::move(top.slots);
    plan.slots.insert(plan.slots.end(), bottom.slots.begin(), bottom.slots.end());
    plan.indexSheet = top.indexSheet ? top.indexSheet : bottom.indexSheet;
    return plan;
}

QString loadingTemplateText(int slotCount) {
    return QString::asprintf(
        QCoreApplication::translate("Status", "Loading %d photos into template...").toUtf8().constData(),
        slotCount);
}

namespace {
// Names the catalogue makes by formatting, marked here so their translations are kept.
[[maybe_unused]] const char* const kFormattedNames[] = {
    QT_TRANSLATE_NOOP("Templates", "Passport 1.38\" x 1.80\"- 14 Prints"),
    QT_TRANSLATE_NOOP("Templates", "Passport 1.50\" x 2.00\"- 13 Prints"),
};
}  // namespace

QString templateDisplayName(const QString& name) {
    return QCoreApplication::translate("Templates", name.toUtf8().constData());
}

QString layoutDisplayText(const QString& layoutText) {
    // The half-page form is the one planPage writes: "Top: <style> + Bottom: <style>".
    static const QString top = QStringLiteral("Top: ");
    static const QString bottom = QStringLiteral(" + Bottom: ");
    const int split = layoutText.indexOf(bottom);
    if (!layoutText.startsWith(top) || split < 0) return templateDisplayName(layoutText);
    return QCoreApplication::translate("Templates", "Top: %1 + Bottom: %2")
        .arg(templateDisplayName(layoutText.mid(top.size(), split - top.size())),
             templateDisplayName(layoutText.mid(split + bottom.size())));
}
