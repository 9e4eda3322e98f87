// Turning and cropping a photo for its slot, and the texts that report it.

#include "layout/Fitting.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/AppSettings.h"

namespace {

using PC = PrintSizeClass;

SlotFitContext slotOf(PC c, DiscFlags disc = {}) {
    SlotFitContext s;
    s.classes = PrintSizeClasses::of(c);
    s.disc = disc;
    return s;
}

CropSwitches sides(bool top, bool bottom, bool left, bool right) {
    CropSwitches c;
    c.top = top;
    c.bottom = bottom;
    c.left = left;
    c.right = right;
    return c;
}

struct Edges {
    long left, top, right, bottom;
};

void expectCut(const CropPlan& p, Edges e) {
    ASSERT_TRUE(p.crop);
    EXPECT_EQ(p.left, e.left);
    EXPECT_EQ(p.top, e.top);
    EXPECT_EQ(p.right, e.right);
    EXPECT_EQ(p.bottom, e.bottom);
}

}  // namespace

TEST(Fitting, LandscapePhotoInPortraitSlotIsTurnedThenCroppedAsPortrait) {
    // 3000 x 2000 into a 600 x 800 slot of class 6x8: turned to 2000 x 3000, which is
    // taller than 3:4, so (3000 - 8/6 * 2000 + 1) / 2 = 167.17 rows go from top and bottom.
    const PhotoFitPlan p = planPhotoFit(3000, 2000, 600, 800, slotOf(PC::Print6x8), CropSwitches{});
    EXPECT_TRUE(p.rotate);
    EXPECT_EQ(p.width, 2000);
    EXPECT_EQ(p.height, 3000);
    expectCut(p.crop, {0, 167, 2000, 2833});

    // The same photo lying the same way as a landscape slot keeps its orientation and loses columns.
    const PhotoFitPlan q = planPhotoFit(3000, 2000, 800, 600, slotOf(PC::Print6x8), CropSwitches{});
    EXPECT_FALSE(q.rotate);
    expectCut(q.crop, {167, 0, 2833, 2000});
}

TEST(Fitting, ExactPrintShapeStillCallsCropWithTheWholePhoto) {
    // 2:3 fills 4 x 6 completely; the +1 leaves half a pixel, which truncates to nothing.
    const CropPlan p = planCrop(2000, 3000, 800, 1200, slotOf(PC::Print4x6), CropSwitches{});
    expectCut(p, {0, 0, 2000, 3000});
    EXPECT_DOUBLE_EQ(p.fit.bestCoverage, 100.0);
    EXPECT_DOUBLE_EQ(p.fit.nominalWidth, 4.0);
    EXPECT_DOUBLE_EQ(p.fit.nominalHeight, 6.0);
    EXPECT_EQ(
        cropStatusText(3, 5, QStringLiteral("/photos/a b.jpg"), p),
        QStringLiteral("Loading photo (3 of 5) - /photos/a b.jpg (100.0 fit) -> cropped to 0 2000 0 3000"));

    // Lying the other way the nominal size turns with the photo.
    const CropPlan wide = planCrop(3000, 2000, 1200, 800, slotOf(PC::Print4x6), CropSwitches{});
    expectCut(wide, {0, 0, 3000, 2000});
    EXPECT_DOUBLE_EQ(wide.fit.nominalWidth, 6.0);
    EXPECT_DOUBLE_EQ(wide.fit.fittedHeight, 4.0);
}

TEST(Fitting, OneSidedSwitchesTakeTheWholeExcessFromOneSide) {
    const SlotFitContext slot = slotOf(PC::Print6x8);
    // Portrait 2000 x 3000 in 6x8 loses 2 x 167 rows.
    expectCut(planCrop(2000, 3000, 600, 800, slot, sides(true, false, true, true)), {0, 334, 2000, 3000});
    expectCut(planCrop(2000, 3000, 600, 800, slot, sides(false, true, true, true)), {0, 0, 2000, 2666});
    // Landscape 3000 x 2000 loses 2 x 167 columns.
    expectCut(planCrop(3000, 2000, 800, 600, slot, sides(true, true, true, false)), {334, 0, 3000, 2000});
    expectCut(planCrop(3000, 2000, 800, 600, slot, sides(true, true, false, true)), {0, 0, 2666, 2000});
    // The switches of the axis that is not cut change nothing.
    expectCut(planCrop(3000, 2000, 800, 600, slot, sides(false, true, true, true)), {167, 0, 2833, 2000});
}

TEST(Fitting, NothingIsCutWithoutAutoCropOrWithAPairSwitchedOff) {
    const SlotFitContext slot = slotOf(PC::Print6x8);
    EXPECT_FALSE(planCrop(2000, 3000, 600, 800, slot, sides(true, true, false, false)).crop);
    EXPECT_FALSE(planCrop(3000, 2000, 800, 600, slot, sides(false, false, true, true)).crop);
    CropSwitches off;
    off.autoCrop = false;
    EXPECT_FALSE(planCrop(2000, 3000, 600, 800, slot, off).crop);

    AppSettings s;
    s.AutoCropOn = 1;
    s.CropLeft = 0;
    s.CropRight = 0;
    EXPECT_FALSE(planCrop(2000, 3000, 600, 800, slot, CropSwitches::fromSettings(s)).crop);
    s.CropRight = 1;
    s.CropTop = 0;
    const CropSwitches fromSettings = CropSwitches::fromSettings(s);
    EXPECT_TRUE(fromSettings.autoCrop && fromSettings.right && fromSettings.bottom);
    EXPECT_FALSE(fromSettings.left || fromSettings.top);
}

TEST(Fitting, PrintSizeFitPicksTheBestCoverageAndKeepsTheEarlierOnATie) {
    PrintSizeClasses both;
    both.set(PC::Print4x6);
    both.set(PC::Wallet2x3);
    // 2 x 3 and 4 x 6 have the same shape: the wallet comes first in the table and stays.
    PrintSizeFit f = printSizeFit(2000, 3000, both, 5, 7);
    ASSERT_TRUE(f.bestClass.has_value());
    EXPECT_EQ(*f.bestClass, PC::Wallet2x3);
    EXPECT_DOUBLE_EQ(f.nominalWidth, 2.0);
    EXPECT_DOUBLE_EQ(f.nominalHeight, 3.0);

    // 4x5 comes before 4x6 but covers less of its area for a 2:3 photo.
    PrintSizeClasses fourBy;
    fourBy.set(PC::Print4x5);
    fourBy.set(PC::Print4x6);
    f = printSizeFit(2000, 3000, fourBy, 5, 7);
    EXPECT_EQ(*f.bestClass, PC::Print4x6);
    EXPECT_NEAR(printSizeFit(2000, 3000, PrintSizeClasses::of(PC::Print4x5), 5, 7).bestCoverage, 83.333,
                1e-3);

    // A photo taller than the class: the width fits and the height is cut down to it.
    f = printSizeFit(1000, 3000, PrintSizeClasses::of(PC::Print4x6), 5, 7);
    EXPECT_DOUBLE_EQ(f.aspect, 1000.0 / 3000.0);
    EXPECT_DOUBLE_EQ(f.fittedHeight, 6.0);
    EXPECT_NEAR(f.fittedWidth, 2.0, 1e-12);
    EXPECT_NEAR(f.bestCoverage, 50.0, 1e-9);

    // The user class measures the user page; a page without a size is no candidate.
    EXPECT_DOUBLE_EQ(printSizeFit(500, 700, PrintSizeClasses::of(PC::UserDefined), 5, 7).bestCoverage, 100.0);
    EXPECT_FALSE(printSizeFit(500, 700, PrintSizeClasses::of(PC::UserDefined), 0, 7).bestClass.has_value());
    EXPECT_FALSE(printSizeFit(0, 700, PrintSizeClasses::of(PC::Print4x6), 5, 7).bestClass.has_value());
}

TEST(Fitting, RotationRules) {
    // Ordinary slots turn only when photo and slot lie differently.
    EXPECT_TRUE(shouldRotate(3000, 2000, 600, 800, {}));
    EXPECT_TRUE(shouldRotate(2000, 3000, 800, 600, {}));
    EXPECT_FALSE(shouldRotate(2000, 3000, 600, 800, {}));
    EXPECT_FALSE(shouldRotate(3000, 2000, 800, 600, {}));
    EXPECT_FALSE(shouldRotate(2000, 2000, 800, 600, {}));
    EXPECT_FALSE(shouldRotate(3000, 2000, 700, 700, {}));
    // Booklets always turn; inlays never do, even when a booklet flag is also on.
    EXPECT_TRUE(shouldRotate(3000, 2000, 800, 600, DiscFlags{true, false}));
    EXPECT_TRUE(shouldRotate(2000, 2000, 950, 950, DiscFlags{true, false}));
    EXPECT_FALSE(shouldRotate(2000, 3000, 1180, 920, DiscFlags{false, true}));
    EXPECT_FALSE(shouldRotate(2000, 3000, 1180, 920, DiscFlags{true, true}));
}

TEST(Fitting, DiscSlotsAreCutToTheSlotShape) {
    // A portrait photo in the CD inlay's landscape slot (1180 x 920 at 200 DPI) stays
    // upright and keeps the middle rows: (3000 - 920/1180 * 2000) / 2 = 720.3.
    const SlotFitContext inlay = slotOf(PC::CdInlay, DiscFlags{false, true});
    const PhotoFitPlan p = planPhotoFit(2000, 3000, 1180, 920, inlay, CropSwitches{});
    EXPECT_FALSE(p.rotate);
    expectCut(p.crop, {0, 720, 2000, 2280});

    // A wide photo that is wider still than the slot loses columns: (4000 - 1180/920 * 1000) / 2 = 1358.7.
    expectCut(planCrop(4000, 1000, 1180, 920, inlay, CropSwitches{}), {1358, 0, 2642, 1000});
    // A wide photo less wide than the slot falls back to losing rows: (1800 - 1900 * 920/1180) / 2 = 159.3.
    expectCut(planCrop(1900, 1800, 1180, 920, inlay, CropSwitches{}), {0, 159, 1900, 1641});

    // A booklet turns the photo first and then cuts it to the slot.
    const SlotFitContext booklet = slotOf(PC::CdBooklet, DiscFlags{true, false});
    const PhotoFitPlan b = planPhotoFit(3000, 2000, 950, 950, booklet, CropSwitches{});
    EXPECT_TRUE(b.rotate);
    expectCut(b.crop, {0, 500, 2000, 2500});
    // A photo of exactly the slot's shape needs no cut at all.
    EXPECT_FALSE(planCrop(1180, 920, 1180, 920, inlay, CropSwitches{}).crop);
}

TEST(Fitting, SquarePhotosFollowTheSlotShape) {
    const SlotFitContext slot = slotOf(PC::Print3x4);
    expectCut(planCrop(1000, 1000, 600, 800, slot, CropSwitches{}), {125, 0, 875, 1000});
    expectCut(planCrop(1000, 1000, 800, 600, slot, CropSwitches{}), {0, 125, 1000, 875});
    EXPECT_FALSE(planCrop(1000, 1000, 700, 700, slot, CropSwitches{}).crop);
}

TEST(Fitting, DegenerateSizesNeverCutAPhotoAway) {
    // A 2 x 1 photo against a square user page would lose both columns; one is kept.
    SlotFitContext square = slotOf(PC::UserDefined);
    square.userWidth = 5;
    square.userHeight = 5;
    const CropPlan thin = planCrop(2, 1, 800, 600, square, CropSwitches{});
    ASSERT_TRUE(thin.crop);
    EXPECT_GT(thin.right - thin.left, 0);
    EXPECT_GT(thin.bottom - thin.top, 0);

    // Empty slots, empty photos and slots without any class leave the photo alone.
    EXPECT_FALSE(planCrop(2000, 3000, 0, 800, slotOf(PC::Print4x6), CropSwitches{}).crop);
    EXPECT_FALSE(
        planCrop(2000, 3000, 800, 0, slotOf(PC::CdInlay, DiscFlags{false, true}), CropSwitches{}).crop);
    EXPECT_FALSE(planCrop(0, 3000, 800, 1200, slotOf(PC::Print4x6), CropSwitches{}).crop);
    EXPECT_FALSE(planCrop(2000, 3000, 800, 1200, SlotFitContext{}, CropSwitches{}).crop);
    SlotFitContext unsized = slotOf(PC::UserDefined);
    unsized.userWidth = 0;
    EXPECT_FALSE(planCrop(2000, 3000, 800, 1200, unsized, CropSwitches{}).crop);
}

TEST(Fitting, TransformationSummaryTexts) {
    EXPECT_EQ(transformationSummary(true, true, 12.345),
              QStringLiteral("[rotated][cropped][stretched by 12.3%]"));
    EXPECT_EQ(transformationSummary(false, true, -250.0), QStringLiteral("[cropped][compressed by 250.0%]"));
    EXPECT_EQ(transformationSummary(true, false, 0.0), QStringLiteral("[rotated][compressed by 0.0%]"));
    EXPECT_EQ(transformationSummary(false, false, 0.04), QStringLiteral("[stretched by 0.0%]"));
    EXPECT_EQ(transformationSummary(true, false, 5.0, true),
              QStringLiteral("[rotated][framed][stretched by 5.0%]"));

    CropPlan p;
    p.left = 12;
    p.top = 34;
    p.right = 1988;
    p.bottom = 2966;
    p.fit.bestCoverage = 88.888;
    EXPECT_EQ(cropStatusText(1, 26, QStringLiteral("x.jpg"), p),
              QStringLiteral("Loading photo (1 of 26) - x.jpg (88.9 fit) -> cropped to 12 1988 34 2966"));
}

TEST(Fitting, SlotContextComesFromThePlacedSlot) {
    PlacementContext ctx;
    ctx.fullPageSelection = QStringLiteral("CD Case (InLay) 5.9 x 4.60 in");
    const TemplatePlacement inlay = placeFullPageTemplate(ctx);
    const SlotFitContext c = SlotFitContext::forSlot(inlay.slots[0], 5, 7);
    EXPECT_TRUE(c.disc.inlay);
    EXPECT_TRUE(c.classes.has(PC::CdInlay));
    // Placed slot straight into the fitter: the 2:3 portrait photo stays upright in the inlay.
    const PixelRect r = inlay.slots[0].rect;
    const PhotoFitPlan p = planPhotoFit(2000, 3000, r.width(), r.height(), c, CropSwitches{});
    EXPECT_FALSE(p.rotate);
    expectCut(p.crop, {0, 720, 2000, 2280});
}
