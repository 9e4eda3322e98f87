// Slot geometry, selection and page planning of the template catalogue. The expected
// slots are written out here in inches, edge to edge, and turned into pixels with the
// margin formula below, so a slip in the catalogue's own tables shows up.

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core/AppSettings.h"
#include "layout/TemplateCatalogue.h"

namespace {

struct In {
    double x0, x1, y0, y1;
    bool outline = false;
};

std::vector<In> grid(std::vector<std::pair<double, double>> ys, std::vector<std::pair<double, double>> xs) {
    std::vector<In> out;
    for (auto y : ys)
        for (auto x : xs) out.push_back({x.first, x.second, y.first, y.second});
    return out;
}

std::vector<In> rowAt(double y0, double y1, double width, std::vector<double> lefts) {
    std::vector<In> out;
    for (double x : lefts) out.push_back({x, x + width, y0, y1});
    return out;
}

std::vector<In> operator+(std::vector<In> a, const std::vector<In>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Margins from the page edges, rounded to the thousandths the layouts are drawn in,
// mapped onto the canvas axis by axis and truncated toward zero.
PixelRect formulaRect(int W, int H, double PW, double PH, const In& s, bool mirror) {
    auto thou = [](double v) { return std::round(v * 1000.0) / 1000.0; };
    const double L = thou(s.x0), R = thou(PW - s.x1), T = thou(s.y0), B = thou(PH - s.y1);
    PixelRect r;
    r.left = static_cast<int>(std::trunc(W * L / PW));
    r.right = static_cast<int>(std::trunc(W - W * R / PW));
    const double topMargin = mirror ? B : T;
    const double bottomMargin = mirror ? T : B;
    r.top = static_cast<int>(std::trunc(H * topMargin / PH));
    r.bottom = static_cast<int>(std::trunc(H - H * bottomMargin / PH));
    return r;
}

struct FullPageCase {
    const char* name;
    double pw, ph;         // template page
    int canvasW, canvasH;  // 200 DPI times the template size that choosing it sets
    std::vector<In> slots;
};

const std::vector<std::pair<double, double>> kFiveRows = {{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}};

std::vector<FullPageCase> fullPageCases() {
    return {
        {"One Borderless User Defined Print", 5, 7, 1000, 1400, {{0, 5, 0, 7}}},
        {"One Borderless 4in x 6in Print", 4, 6, 800, 1200, {{0, 4, 0, 6}}},
        {"One Borderless 5in x 7in Print", 5, 7, 1000, 1400, {{0, 5, 0, 7}}},
        {"Two 5in x 7in Prints", 8, 10, 1600, 2000, {{0.5, 7.5, 0, 5}, {0.5, 7.5, 5, 10}}},
        {"One Borderless 6in x 8in Print", 6, 8, 1200, 1600, {{0, 6, 0, 8}}},
        {"One Borderless 8in x 10in Print", 8, 10, 1600, 2000, {{0, 8, 0, 10}}},
        {"Greeting Card (Half-fold) 5in x 8in", 8, 10.5, 1600, 2100, {{0, 8, 0, 5}, {0, 8, 5.5, 10.5}}},
        {"One 8 x 10 Print", 8, 10, 1600, 2000, {{0, 8, 0, 10}}},
        {"One 6 x 8 + Five (Wallet) 2 x 3 Prints",
         8,
         10,
         1600,
         2000,
         {{0, 6, 0, 8}, {6, 8, 0.5, 3.5}, {6, 8, 3.5, 6.5}, {6, 8, 6.5, 9.5}, {0, 3, 8, 10}, {3, 6, 8, 10}}},
        {"Six (Wallet) 2 x 3 + Two 4 x 5 Prints",
         8,
         10,
         1600,
         2000,
         {{0, 5, 0, 4},
          {0, 5, 4, 8},
          {5, 8, 0, 2},
          {5, 8, 2, 4},
          {5, 8, 4, 6},
          {5, 8, 6, 8},
          {5, 8, 8, 10},
          {2, 5, 8, 10}}},
        {"Two 4 x 6 + Two 3 x 4 + One 2 x 3 Prints",
         8,
         10,
         1600,
         2000,
         {{0, 4, 0, 6}, {4, 8, 0, 6}, {0, 3, 6, 10}, {3, 6, 6, 10}, {6, 8, 6, 9}}},
        {"Six 3 x 4 Prints", 8, 10, 1600, 2000, grid({{0.5, 3.5}, {3.5, 6.5}, {6.5, 9.5}}, {{0, 4}, {4, 8}})},
        {"Three 4 x 6 Prints", 8, 10, 1600, 2000, {{1, 7, 0, 4}, {0, 4, 4, 10}, {4, 8, 4, 10}}},
        {"Eight 2 1/2 x 3 1/2 Prints", 8, 10, 1600, 2000,
         grid({{0.25, 3.75}, {3.75, 7.25}}, {{0.25, 2.75}, {2.75, 5.25}, {5.25, 7.75}}) +
             std::vector<In>{{0.5, 4, 7.25, 9.75}, {4, 7.5, 7.25, 9.75}}},
        {"Nine (Wallet - Avery #53283) 2.25in x 3in Prints", 7.5, 10.1, 1500, 2020,
         grid({{0.1, 3.1}, {3.5, 6.5}, {6.9, 9.9}}, {{0, 2.25}, {2.6, 4.9}, {5.25, 7.5}})},
        {"Thirteen (Wallet) 2 x 3 Prints", 8, 10, 1600, 2000,
         grid(kFiveRows, {{0, 3}, {3, 6}}) +
             std::vector<In>{{6, 8, 0.5, 3.5}, {6, 8, 3.5, 6.5}, {6, 8, 6.5, 9.5}}},
        {"Ten 2 x 3 1/2 (Business Card) Prints", 8, 10, 1600, 2000, grid(kFiveRows, {{0.5, 4}, {4, 7.5}})},
        {"CD Case (Booklet) 4.75 x 4.75 in", 8, 10, 1600, 2000, {{0, 4.75, 0, 4.75}, {0, 4.75, 4.75, 9.5}}},
        {"CD Case (InLay) 5.9 x 4.60 in",
         8,
         10,
         1600,
         2000,
         {{0, 5.9, 0, 4.6},
          {0, 0.25, 0, 4.6, true},
          {5.65, 5.9, 0, 4.6, true},
          {0, 5.9, 4.6, 9.2},
          {0, 0.25, 4.6, 9.2, true},
          {5.65, 5.9, 4.6, 9.2, true}}},
        {"DVD Case (Booklet) 7.3 x 4.85 in",
         8,
         10,
         1600,
         2000,
         {{0.35, 7.65, 0, 4.85}, {0.35, 7.65, 4.85, 9.7}}},
        {"DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in",
         8,
         10.7,
         1600,
         2140,
         {{0.4, 7.6, 0, 5.1}, {0.4, 7.6, 5.1, 5.6}, {0.4, 7.6, 5.6, 10.685}, {0.4, 7.6, 5.1, 5.6, true}}},
    };
}

struct StyleCase {
    int style;
    double pw, ph;
    std::vector<In> slots;  // bottom-half form
};

const std::vector<double> kFiveLefts = {0.25, 1.75, 3.25, 4.75, 6.25};

std::vector<StyleCase> styleCases() {
    const std::vector<double> passportLefts = {0.385, 1.875, 3.365, 4.855, 6.345};
    return {
        {124, 8.5, 11, {{0.25, 8.25, 5.5, 10.75}}},
        {125, 8, 10, {{0.5, 7.5, 5, 10}}},
        {126, 8, 10, {{1, 7, 5, 9}}},
        {127, 8, 10, {{0, 4, 5, 10}, {4, 8, 5, 10}}},
        {128, 8, 10, {{0.5, 4, 5, 10}, {4, 7.5, 5, 10}}},
        {129, 8, 10, {{0, 2, 5, 8}, {2, 4, 5, 8}, {4, 6, 5, 8}, {6, 8, 5, 8}, {1, 4, 8, 10}, {4, 7, 8, 10}}},
        {130, 8, 10, {{0.25, 2.75, 5, 8.5}, {2.75, 5.25, 5, 8.5}, {5.25, 7.75, 5, 8.5}}},
        {131, 8, 10,
         rowAt(8.2, 10, 1.38, passportLefts) + rowAt(6.4, 8.2, 1.38, passportLefts) +
             std::vector<In>{
                 {0.44, 2.24, 5, 6.38}, {2.24, 4.04, 5, 6.38}, {4.04, 5.84, 5, 6.38}, {5.84, 7.64, 5, 6.38}}},
        {132, 8, 10,
         grid({{5, 6.5}, {6.5, 8}}, {{0, 2}, {2, 4}, {4, 6}, {6, 8}}) + rowAt(8, 10, 1.5, kFiveLefts)},
        {133, 8, 10,
         grid({{8.5, 10}, {7, 8.5}}, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}}) +
             rowAt(6, 7, 1.5, kFiveLefts) + rowAt(5, 6, 1.5, kFiveLefts)},
    };
}

PlacementContext contextFor(const QString& selection, int w, int h) {
    PlacementContext c;
    c.canvasWidth = w;
    c.canvasHeight = h;
    c.fullPageSelection = selection;
    return c;
}

bool isPassportWide(int style, std::size_t index) {
    return style == 131 && index >= 10;
}

}  // namespace

TEST(TemplateCatalogue, FullPageSlotsMatchTheMarginFormulaAt200Dpi) {
    for (const FullPageCase& c : fullPageCases()) {
        SCOPED_TRACE(c.name);
        const TemplatePlacement p = placeFullPageTemplate(contextFor(c.name, c.canvasW, c.canvasH));
        ASSERT_TRUE(p.placed);
        ASSERT_EQ(p.slots.size(), c.slots.size());
        for (std::size_t i = 0; i < c.slots.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(p.slots[i].rect, formulaRect(c.canvasW, c.canvasH, c.pw, c.ph, c.slots[i], false));
            EXPECT_EQ(p.slots[i].outlineOnly, c.slots[i].outline);
        }
    }
}

TEST(TemplateCatalogue, HalfPageStylesMatchTheMarginFormulaInBothHalves) {
    for (const StyleCase& c : styleCases()) {
        SCOPED_TRACE(c.style);
        const PlacementContext ctx = contextFor(QString::fromLatin1(kHalfPageSelection), 1600, 2000);
        const TemplatePlacement bottom = placeHalfPageStyle(ctx, c.style, false, QStringLiteral("No Photos"));
        const TemplatePlacement top = placeHalfPageStyle(ctx, c.style, true, QStringLiteral("No Photos"));
        ASSERT_EQ(bottom.slots.size(), c.slots.size());
        ASSERT_EQ(top.slots.size(), c.slots.size());
        for (std::size_t i = 0; i < c.slots.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(bottom.slots[i].rect, formulaRect(1600, 2000, c.pw, c.ph, c.slots[i], false));
            // Placed on top a style is reflected, and its slots stay in the upper half.
            if (!isPassportWide(c.style, i)) {
                EXPECT_EQ(top.slots[i].rect, formulaRect(1600, 2000, c.pw, c.ph, c.slots[i], true));
                EXPECT_LE(top.slots[i].rect.bottom, 1000);
            }
            EXPECT_GE(bottom.slots[i].rect.top, 1000);
            EXPECT_TRUE(top.slots[i].mirrored);
            EXPECT_FALSE(bottom.slots[i].mirrored);
        }
    }
}

TEST(TemplateCatalogue, EdgesAreTruncatedNotRounded) {
    // 0.25 in on an 8 x 10 page at 1600 x 2000 is 50 pixels; 0.1 in on the 10.1 in page is 20.
    const TemplatePlacement eight =
        placeFullPageTemplate(contextFor(QStringLiteral("Eight 2 1/2 x 3 1/2 Prints"), 1600, 2000));
    EXPECT_EQ(eight.slots[0].rect, (PixelRect{50, 50, 550, 750}));

    const QString nine = QStringLiteral("Nine (Wallet - Avery #53283) 2.25in x 3in Prints");
    const TemplatePlacement labels = placeFullPageTemplate(contextFor(nine, 1500, 2020));
    EXPECT_EQ(labels.slots[0].rect, (PixelRect{0, 20, 450, 620}));
    // The same page squeezed onto the default canvas: 19.8 becomes 19, 613.86 becomes 613.
    const TemplatePlacement squeezed = placeFullPageTemplate(contextFor(nine, 1600, 2000));
    EXPECT_EQ(squeezed.slots[0].rect, (PixelRect{0, 19, 480, 613}));

    // Style 124's 8.5 x 11 page on the 8 x 10 canvas: 1552.94 and 1954.55 stay 1552 and 1954.
    const PlacementContext half = contextFor(QString::fromLatin1(kHalfPageSelection), 1600, 2000);
    EXPECT_EQ(placeHalfPageStyle(half, 124, false, QString()).slots[0].rect,
              (PixelRect{47, 1000, 1552, 1954}));
    EXPECT_EQ(placeHalfPageStyle(half, 124, true, QString()).slots[0].rect, (PixelRect{47, 45, 1552, 1000}));

    // The DVD cover's lowest edge, 0.015 in above the 10.7 in page's bottom, is 2137 at 2140.
    const TemplatePlacement dvd = placeFullPageTemplate(
        contextFor(QStringLiteral("DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in"), 1600, 2140));
    EXPECT_EQ(dvd.slots[2].rect, (PixelRect{80, 1120, 1520, 2137}));
}

TEST(TemplateCatalogue, Style131OnTopKeepsItsWidePassportsBelowTheTallOnes) {
    const PlacementContext ctx = contextFor(QString::fromLatin1(kHalfPageSelection), 1600, 2000);
    const TemplatePlacement top = placeHalfPageStyle(ctx, 131, true, QString());
    ASSERT_EQ(top.slots.size(), 14u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(top.slots[i].rect.top, 0);
        EXPECT_EQ(top.slots[i].rect.bottom, 360);
        EXPECT_EQ(top.slots[i + 5].rect.top, 360);
        EXPECT_EQ(top.slots[i + 5].rect.bottom, 720);
    }
    const int wideLefts[] = {88, 448, 808, 1168};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(top.slots[10 + i].rect, (PixelRect{wideLefts[i], 724, wideLefts[i] + 360, 1000}));
    }
    const TemplatePlacement bottom = placeHalfPageStyle(ctx, 131, false, QString());
    EXPECT_EQ(bottom.slots[10].rect, (PixelRect{88, 1000, 448, 1276}));
    EXPECT_EQ(bottom.slots[0].rect, (PixelRect{77, 1640, 353, 2000}));
}

TEST(TemplateCatalogue, SlotsThatTouchInInchesTouchInPixelsAtAnyScale) {
    const std::vector<std::pair<int, int>> canvases = {{1600, 2000}, {1500, 2020}, {1275, 1650},
                                                       {2400, 3000}, {1234, 1717}, {3001, 3999}};
    // 1 when b starts where a ends across, 2 when b starts where a ends downwards.
    auto touching = [](const In& a, const In& b) {
        const bool yOverlap = a.y0 < b.y1 && b.y0 < a.y1;
        const bool xOverlap = a.x0 < b.x1 && b.x0 < a.x1;
        if (std::fabs(a.x1 - b.x0) < 1e-9 && yOverlap) return 1;
        if (std::fabs(a.y1 - b.y0) < 1e-9 && xOverlap) return 2;
        return 0;
    };
    int pairs = 0;
    for (const FullPageCase& c : fullPageCases()) {
        for (auto [w, h] : canvases) {
            const TemplatePlacement p = placeFullPageTemplate(contextFor(c.name, w, h));
            for (std::size_t i = 0; i < c.slots.size(); ++i)
                for (std::size_t j = 0; j < c.slots.size(); ++j) {
                    const int how = touching(c.slots[i], c.slots[j]);
                    if (how == 0 || c.slots[i].outline || c.slots[j].outline) continue;
                    ++pairs;
                    SCOPED_TRACE(QStringLiteral("%1 at %2x%3, slots %4 and %5")
                                     .arg(c.name)
                                     .arg(w)
                                     .arg(h)
                                     .arg(i)
                                     .arg(j)
                                     .toStdString());
                    if (how == 1) {
                        EXPECT_EQ(p.slots[i].rect.right, p.slots[j].rect.left);
                    } else {
                        EXPECT_EQ(p.slots[i].rect.bottom, p.slots[j].rect.top);
                    }
                }
        }
    }
    for (const StyleCase& c : styleCases()) {
        for (auto [w, h] : canvases) {
            for (bool mirror : {false, true}) {
                const TemplatePlacement p = placeHalfPageStyle(
                    contextFor(QString::fromLatin1(kHalfPageSelection), w, h), c.style, mirror, QString());
                for (std::size_t i = 0; i < c.slots.size(); ++i)
                    for (std::size_t j = 0; j < c.slots.size(); ++j) {
                        const int how = touching(c.slots[i], c.slots[j]);
                        if (how == 0) continue;
                        ++pairs;
                        SCOPED_TRACE(testing::Message() << c.style << " at " << w << "x" << h << " mirror "
                                                        << mirror << ", slots " << i << " and " << j);
                        if (how == 1) {
                            EXPECT_EQ(p.slots[i].rect.right, p.slots[j].rect.left);
                        } else if (!mirror) {
                            EXPECT_EQ(p.slots[i].rect.bottom, p.slots[j].rect.top);
                        } else if (!isPassportWide(c.style, i)) {
                            EXPECT_EQ(p.slots[i].rect.top, p.slots[j].rect.bottom);
                        }
                    }
            }
        }
    }
    EXPECT_GT(pairs, 500);
}

TEST(TemplateCatalogue, BorderlessTemplatesCoverTheWholeCanvas) {
    for (const char* name : {"One Borderless User Defined Print", "One Borderless 4in x 6in Print",
                             "One Borderless 5in x 7in Print", "One Borderless 6in x 8in Print",
                             "One Borderless 8in x 10in Print", "One 8 x 10 Print"}) {
        for (auto [w, h] : {std::pair{1600, 2000}, std::pair{777, 1333}}) {
            const TemplatePlacement p = placeFullPageTemplate(contextFor(QString::fromLatin1(name), w, h));
            ASSERT_EQ(p.slots.size(), 1u) << name;
            EXPECT_EQ(p.slots[0].rect, (PixelRect{0, 0, w, h})) << name;
        }
    }
    // A user page that was never given a size places an empty slot instead of garbage.
    PlacementContext broken = contextFor(QStringLiteral("One Borderless User Defined Print"), 1600, 2000);
    broken.userWidth = 0;
    broken.userHeight = -3;
    EXPECT_TRUE(placeFullPageTemplate(broken).slots[0].rect.isEmpty());
    EXPECT_EQ(slotPixelRect(1600, 2000, SlotMargins{0.5, 0.5, 0.5, 0.5}, std::nan(""), 10, false),
              PixelRect{});
}

TEST(TemplateCatalogue, SlotCountsAndPrintSizeClasses) {
    using PC = PrintSizeClass;
    // Per full-page template: photos it takes and the class of each group of slots.
    const std::map<QString, std::pair<int, std::vector<PC>>> expected = {
        {"One Borderless User Defined Print", {1, {PC::UserDefined}}},
        {"One Borderless 4in x 6in Print", {1, {PC::Print4x6}}},
        {"One Borderless 5in x 7in Print", {1, {PC::Print5x7}}},
        {"Two 5in x 7in Prints", {2, {PC::Print5x7, PC::Print5x7}}},
        {"One Borderless 6in x 8in Print", {1, {PC::Print6x8}}},
        {"One Borderless 8in x 10in Print", {1, {PC::Print8x10}}},
        {"Greeting Card (Half-fold) 5in x 8in", {2, {PC::GreetingCard5x8, PC::GreetingCard5x8}}},
        {"One 8 x 10 Print", {1, {PC::Print8x10}}},
        {"One 6 x 8 + Five (Wallet) 2 x 3 Prints",
         {6, {PC::Print6x8, PC::Wallet2x3, PC::Wallet2x3, PC::Wallet2x3, PC::Wallet2x3, PC::Wallet2x3}}},
        {"Six (Wallet) 2 x 3 + Two 4 x 5 Prints",
         {8,
          {PC::Print4x5, PC::Print4x5, PC::Wallet2x3, PC::Wallet2x3, PC::Wallet2x3, PC::Wallet2x3,
           PC::Wallet2x3, PC::Wallet2x3}}},
        {"Two 4 x 6 + Two 3 x 4 + One 2 x 3 Prints",
         {5, {PC::Print4x6, PC::Print4x6, PC::Print3x4, PC::Print3x4, PC::Wallet2x3}}},
        {"Six 3 x 4 Prints", {6, std::vector<PC>(6, PC::Print3x4)}},
        {"Three 4 x 6 Prints", {3, std::vector<PC>(3, PC::Print4x6)}},
        {"Eight 2 1/2 x 3 1/2 Prints", {8, std::vector<PC>(8, PC::Print2_5x3_5)}},
        {"Nine (Wallet - Avery #53283) 2.25in x 3in Prints", {9, std::vector<PC>(9, PC::WalletLabel2_25x3)}},
        {"Thirteen (Wallet) 2 x 3 Prints", {13, std::vector<PC>(13, PC::Wallet2x3)}},
        {"Ten 2 x 3 1/2 (Business Card) Prints", {10, std::vector<PC>(10, PC::BusinessCard2x3_5)}},
        {"CD Case (Booklet) 4.75 x 4.75 in", {2, {PC::CdBooklet, PC::CdBooklet}}},
        {"CD Case (InLay) 5.9 x 4.60 in", {2, {PC::CdInlay, PC::CdInlay}}},
        {"DVD Case (Booklet) 7.3 x 4.85 in", {2, {PC::DvdBooklet, PC::DvdBooklet}}},
        {"DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in",
         {3, {PC::DvdCover, PC::DvdSpine, PC::DvdCover}}},
    };
    for (const auto& [name, want] : expected) {
        SCOPED_TRACE(name.toStdString());
        const TemplatePlacement p = placeFullPageTemplate(contextFor(name, 1600, 2000));
        EXPECT_EQ(p.slotCount, want.first);
        std::vector<PrintSizeClasses> photoClasses;
        for (const PlacedSlot& s : p.slots)
            if (!s.outlineOnly) photoClasses.push_back(s.classes);
        ASSERT_EQ(photoClasses.size(), want.second.size());
        // Clearing points leave exactly the group's own class on.
        for (std::size_t i = 0; i < photoClasses.size(); ++i)
            EXPECT_EQ(photoClasses[i], PrintSizeClasses::of(want.second[i])) << "slot " << i;
    }

    const std::map<int, std::pair<int, PC>> styles = {
        {124, {1, PC::Print5_25x8_25}}, {125, {1, PC::Print5x7}},    {126, {1, PC::Print4x6}},
        {127, {2, PC::Print4x5}},       {128, {2, PC::Print3_5x5}},  {129, {6, PC::Wallet2x3}},
        {130, {3, PC::Print2_5x3_5}},   {131, {14, PC::Passport14}}, {132, {13, PC::Passport13}},
        {133, {26, PC::MiniId}}};
    const PlacementContext ctx = contextFor(QString::fromLatin1(kHalfPageSelection), 1600, 2000);
    for (const auto& [number, want] : styles) {
        EXPECT_EQ(halfPageStyleSlotCount(number), want.first) << number;
        for (const PlacedSlot& s : placeHalfPageStyle(ctx, number, false, QString()).slots) {
            EXPECT_EQ(s.classes, PrintSizeClasses::of(want.second)) << number;
            EXPECT_EQ(s.disc, DiscFlags{}) << number;
        }
    }
    for (int other : {0, 123, 134, 135, -1}) EXPECT_EQ(halfPageStyleSlotCount(other), 0) << other;
}

TEST(TemplateCatalogue, DiscFlagsOutlineOnlyStripsAndPhotosOnly) {
    auto plan = [](const char* name, bool photosOnly) {
        PlacementContext c = contextFor(QString::fromLatin1(name), 1600, 2000);
        c.photosOnly = photosOnly;
        return placeFullPageTemplate(c);
    };
    EXPECT_EQ(plan("CD Case (Booklet) 4.75 x 4.75 in", false).slots[0].disc, (DiscFlags{true, false}));
    EXPECT_EQ(plan("DVD Case (Booklet) 7.3 x 4.85 in", false).slots[1].disc, (DiscFlags{true, false}));
    EXPECT_EQ(plan("DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in", false).slots[2].disc,
              (DiscFlags{true, false}));
    EXPECT_EQ(plan("CD Case (InLay) 5.9 x 4.60 in", false).slots[3].disc, (DiscFlags{false, true}));
    EXPECT_EQ(plan("Three 4 x 6 Prints", false).slots[0].disc, DiscFlags{});

    // The inlay's fold strips are outlined beside each photo; with photos only, nothing is outlined.
    for (bool photosOnly : {false, true}) {
        const TemplatePlacement inlay = plan("CD Case (InLay) 5.9 x 4.60 in", photosOnly);
        int strips = 0;
        for (const PlacedSlot& s : inlay.slots) {
            strips += s.outlineOnly;
            EXPECT_EQ(s.drawOutline, !photosOnly);
        }
        EXPECT_EQ(strips, 4);
        EXPECT_EQ(inlay.slots[1].rect, (PixelRect{0, 0, 50, 920}));
        EXPECT_EQ(inlay.slots[2].rect, (PixelRect{1130, 0, 1180, 920}));
    }
}

TEST(TemplateSelection, FirstCatalogueNameInsideTheSelectionWins) {
    const std::vector<Template>& all = fullPageTemplates();
    ASSERT_EQ(all.size(), 28u);
    // No name hides inside another, so every plain name selects its own entry.
    for (const Template& t : all) {
        EXPECT_EQ(findFullPageTemplate(t.name), &t) << t.name.toStdString();
        for (const Template& other : all)
            if (&other != &t) {
                EXPECT_FALSE(other.name.contains(t.name)) << t.name.toStdString();
            }
    }
    // A formatted title with more text around the name still selects the template.
    const QString userTitle = QStringLiteral("One Borderless User Defined Print 4.00 x 9.50 in");
    ASSERT_NE(findFullPageTemplate(userTitle), nullptr);
    EXPECT_EQ(findFullPageTemplate(userTitle)->name, QStringLiteral("One Borderless User Defined Print"));
    EXPECT_EQ(findFullPageTemplate(QStringLiteral("my Three 4 x 6 Prints!"))->name,
              QStringLiteral("Three 4 x 6 Prints"));
    EXPECT_EQ(findFullPageTemplate(QStringLiteral("three 4 x 6 prints")), nullptr);

    EXPECT_TRUE(isFullPage(QStringLiteral("Three 4 x 6 Prints")));
    EXPECT_FALSE(isFullPage(QStringLiteral("NONE - USE HALF PAGE TEMPLATES")));
    EXPECT_FALSE(isFullPage(QStringLiteral(">NONE - USE HALF PAGE TEMPLATES<")));

    const QStringList choices = fullPageTemplateChoices();
    ASSERT_EQ(choices.size(), 29);
    EXPECT_EQ(choices.first(), QStringLiteral("NONE - USE HALF PAGE TEMPLATES"));
    EXPECT_EQ(choices[1], QStringLiteral("One Borderless User Defined Print"));
    EXPECT_EQ(choices.last(), QStringLiteral("DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in"));
}

TEST(TemplateSelection, TitlesAndUnknownSelections) {
    PlacementContext c = contextFor(QStringLiteral("Six 3 x 4 Prints (copy)"), 1600, 2000);
    TemplatePlacement p = placeFullPageTemplate(c);
    EXPECT_EQ(p.title, QStringLiteral("Six 3 x 4 Prints (copy)"));  // the selection, not the catalogue name

    c.fullPageSelection = QStringLiteral("One Borderless User Defined Print");
    c.userWidth = 4.25;
    c.userHeight = 11;
    p = placeFullPageTemplate(c);
    EXPECT_EQ(p.title, QStringLiteral("One Borderless User Defined Print 4.25 x 11.00 in"));
    EXPECT_EQ(p.slots[0].rect, (PixelRect{0, 0, 1600, 2000}));

    c.fullPageSelection = QStringLiteral("Seven Wonders");
    p = placeFullPageTemplate(c);
    EXPECT_FALSE(p.placed);
    EXPECT_TRUE(p.slots.empty());
    EXPECT_EQ(p.slotCount, 0);
    EXPECT_EQ(p.title, QStringLiteral("Seven Wonders"));

    const PlacementContext half = contextFor(QString::fromLatin1(kHalfPageSelection), 1600, 2000);
    EXPECT_EQ(placeHalfPageStyle(half, 131, false, QString()).title,
              QStringLiteral("Passport 1.38\" x 1.80\"- 14 Prints"));
    EXPECT_EQ(placeHalfPageStyle(half, 132, false, QString()).title,
              QStringLiteral("Passport 1.50\" x 2.00\"- 13 Prints"));
    EXPECT_EQ(placeHalfPageStyle(half, 124, false, QString()).title,
              QStringLiteral("One 5 1/4\" x 8 1/4\" Prints"));
    const TemplatePlacement none = placeHalfPageStyle(half, 123, true, QStringLiteral("No Photos"));
    EXPECT_FALSE(none.placed);
    EXPECT_EQ(none.title, QStringLiteral("No Photos"));

    EXPECT_EQ(halfPageStyleDisplayName(124), QStringLiteral("One 5 1/4 x 8 1/4 Print"));
    EXPECT_EQ(halfPageStyleDisplayName(131), QStringLiteral("Passport 1.38\" x 1.80\"- 14 Prints"));
    EXPECT_EQ(halfPageStyleDisplayName(133), QStringLiteral("Mini ID 1 x 1 1/2 26 Prints"));
    EXPECT_TRUE(halfPageStyleDisplayName(123).isEmpty());
    EXPECT_EQ(loadingTemplateText(26), QStringLiteral("Loading 26 photos into template..."));
}

TEST(TemplateSelection, IndexSheetsHandThePageOver) {
    struct Sheet {
        const char* name;
        bool slides;
        int columns, rows, limit;
    };
    const Sheet sheets[] = {{"Index Sheet (Negative Strip) - 9 Prints", false, 3, 3, 36},
                            {"Index Sheet (Negative Strip) - 16 Prints", false, 4, 4, 20},
                            {"Index Sheet (Negative Strip) - 25 Prints", false, 5, 5, 11},
                            {"Index Sheet (Negative Strip) - 36 Prints", false, 6, 6, 5},
                            {"Index Sheet (3D Slides) - 6 Prints", true, 2, 3, 56},
                            {"Index Sheet (3D Slides) - 12 Prints", true, 3, 4, 20},
                            {"Index Sheet (3D Slides) - 20 Prints", true, 4, 5, 11}};
    for (const Sheet& s : sheets) {
        SCOPED_TRACE(s.name);
        const TemplatePlacement p =
            placeFullPageTemplate(contextFor(QString::fromLatin1(s.name), 1600, 2000));
        ASSERT_TRUE(p.indexSheet.has_value());
        EXPECT_TRUE(p.slots.empty());
        EXPECT_EQ(p.slotCount, s.columns * s.rows);
        EXPECT_EQ(p.indexSheet->slides, s.slides);
        EXPECT_EQ(p.indexSheet->columns, s.columns);
        EXPECT_EQ(p.indexSheet->rows, s.rows);
        EXPECT_EQ(p.indexSheet->frameLabelLimit, s.limit);
        EXPECT_EQ(p.indexSheet->classes, PrintSizeClasses::of(PrintSizeClass::Print8x10));
        EXPECT_EQ(p.indexSheet->sheetArea, (PixelRect{20, 100, 1580, 1980}));
    }
}

TEST(PagePlan, HalfPageModeStacksTopAndBottomStyles) {
    AppSettings s;
    s.FullPageTemplateSel = QString::fromLatin1(kHalfPageSelection);
    s.TopPageStyle = 125;
    s.BottomPageStyle = 129;
    PagePlan plan = planPage(PlacementContext::fromSettings(s));
    EXPECT_FALSE(plan.fullPage);
    EXPECT_EQ(plan.slotCount, 7);
    ASSERT_EQ(plan.slots.size(), 7u);
    EXPECT_EQ(plan.layoutText,
              QStringLiteral("Top: One 5\" x 7\" Prints + Bottom: Six (Wallet) 2 x 3 Prints"));
    EXPECT_EQ(plan.slots[0].rect, (PixelRect{100, 0, 1500, 1000}));
    EXPECT_EQ(plan.slots[0].classes, PrintSizeClasses::of(PrintSizeClass::Print5x7));
    EXPECT_EQ(plan.slots[1].rect, (PixelRect{0, 1000, 400, 1600}));
    EXPECT_EQ(plan.slots[1].classes, PrintSizeClasses::of(PrintSizeClass::Wallet2x3));

    // Two Mini ID styles fill 52 slots; an unknown style adds none and keeps "No Photos".
    s.TopPageStyle = 133;
    s.BottomPageStyle = 133;
    EXPECT_EQ(planPage(PlacementContext::fromSettings(s)).slotCount, 52);
    s.TopPageStyle = 123;
    plan = planPage(PlacementContext::fromSettings(s));
    EXPECT_EQ(plan.slotCount, 26);
    EXPECT_EQ(plan.layoutText, QStringLiteral("Top: No Photos + Bottom: Mini ID 1 x 1 1/2 26 Prints"));

    // Style 124 asks for the resolution text beside its slot, saying which half it is in.
    s.TopPageStyle = 124;
    s.BottomPageStyle = 124;
    plan = planPage(PlacementContext::fromSettings(s));
    ASSERT_EQ(plan.slots.size(), 2u);
    EXPECT_TRUE(plan.slots[0].resolutionText && plan.slots[0].mirrored);
    EXPECT_TRUE(plan.slots[1].resolutionText && !plan.slots[1].mirrored);
    EXPECT_EQ(plan.slots[0].title, QStringLiteral("One 5 1/4\" x 8 1/4\" Prints"));

    s.FullPageTemplateSel = QStringLiteral("Three 4 x 6 Prints");
    plan = planPage(PlacementContext::fromSettings(s));
    EXPECT_TRUE(plan.fullPage);
    EXPECT_EQ(plan.slotCount, 3);
    EXPECT_EQ(plan.layoutText, QStringLiteral("Three 4 x 6 Prints"));
    EXPECT_FALSE(plan.slots[0].resolutionText);
}

TEST(PagePlan, ChoosingATemplateSetsPaperAndTemplateSizes) {
    struct Row {
        const char* name;
        double pw, ph, tw, th;
    };
    const Row rows[] = {
        {"One Borderless 4in x 6in Print", 4, 6, 4, 6},
        {"One Borderless 5in x 7in Print", 5, 7, 5, 7},
        {"One Borderless 6in x 8in Print", 6, 8, 6, 8},
        {"One Borderless 8in x 10in Print", 8, 10, 8, 10},
        {"Nine (Wallet - Avery #53283) 2.25in x 3in Prints", 8.5, 11, 7.5, 10.1},
        {"Greeting Card (Half-fold) 5in x 8in", 8.5, 11, 8, 10.5},
        {"DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in", 8.5, 11, 8, 10.7},
        {"One 8 x 10 Print", 8.5, 11, 8, 10},
        {"NONE - USE HALF PAGE TEMPLATES", 8.5, 11, 8, 10},
        {"Index Sheet (3D Slides) - 6 Prints", 8.5, 11, 8, 10},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const TemplatePageSizes s = pageSizesForTemplate(QString::fromLatin1(r.name), 3, 4);
        EXPECT_DOUBLE_EQ(s.paperWidth, r.pw);
        EXPECT_DOUBLE_EQ(s.paperHeight, r.ph);
        EXPECT_DOUBLE_EQ(s.templateWidth, r.tw);
        EXPECT_DOUBLE_EQ(s.templateHeight, r.th);
        EXPECT_FALSE(s.asksUserSize);
        EXPECT_EQ(s.borderless, QString::fromLatin1(r.name).contains(QStringLiteral("Borderless")));
    }
    const TemplatePageSizes greeting =
        pageSizesForTemplate(QStringLiteral("Greeting Card (Half-fold) 5in x 8in"), 1, 1);
    EXPECT_EQ(AppSettings::canvasPixels(200, greeting.templateWidth), 1600);
    EXPECT_EQ(AppSettings::canvasPixels(200, greeting.templateHeight), 2100);

    const TemplatePageSizes user =
        pageSizesForTemplate(QStringLiteral("One Borderless User Defined Print"), 4.5, 6.25);
    EXPECT_TRUE(user.asksUserSize);
    EXPECT_TRUE(user.borderless);
    EXPECT_DOUBLE_EQ(user.paperWidth, 4.5);
    EXPECT_DOUBLE_EQ(user.templateHeight, 6.25);
}
