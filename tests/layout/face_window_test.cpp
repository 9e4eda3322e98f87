// The automatic cut placed around the faces found in a photo.

#include <gtest/gtest.h>

#include "layout/Fitting.h"

namespace {

SlotFitContext fourBySix() {
    SlotFitContext s;
    s.classes = PrintSizeClasses::of(PrintSizeClass::Print4x6);
    return s;
}

CropSwitches onlyFrom(bool top, bool bottom) {
    CropSwitches c;
    c.top = top;
    c.bottom = bottom;
    return c;
}

struct Window {
    long left, top, right, bottom;
};

}  // namespace

TEST(FaceWindow, TallPhoneShotInAFourBySixPrint) {
    // A 9:16 photo in a 4 x 6 portrait slot keeps 2700 of its 3200 rows; without faces
    // 250 go from the top and 250 from the bottom.
    struct Case {
        const char* what;
        std::vector<FaceBox> faces;
        CropSwitches switches;
        Window expected;
    };
    const Case cases[] = {
        {"no faces: as before", {}, CropSwitches{}, {0, 250, 1800, 2950}},
        {"one face near the top: the window moves up to hold it and the hair above",
         {{700, 100, 300, 300}},
         CropSwitches{},
         {0, 0, 1800, 2700}},
        {"a face the window holds already: nothing moves",
         {{700, 1400, 300, 300}},
         CropSwitches{},
         {0, 250, 1800, 2950}},
        {"two faces that fit together: moved the least that shows both with their room",
         {{200, 300, 200, 200}, {1200, 2600, 200, 200}},
         CropSwitches{},
         {0, 200, 1800, 2900}},
        {"faces too far apart: the largest wins (the top one)",
         {{600, 50, 400, 400}, {900, 2800, 200, 200}},
         CropSwitches{},
         {0, 0, 1800, 2700}},
        {"faces too far apart: the largest wins (the bottom one)",
         {{600, 100, 150, 150}, {900, 2700, 400, 400}},
         CropSwitches{},
         {0, 500, 1800, 3200}},
        {"only the bottom may be cut, but the face lies there: the face wins",
         {{700, 2900, 250, 250}},
         onlyFrom(false, true),
         {0, 500, 1800, 3200}},
        {"only the bottom may be cut and the face is at the top: the switches' window stays",
         {{700, 200, 250, 250}},
         onlyFrom(false, true),
         {0, 0, 1800, 2700}},
        {"boxes outside the photo or of no size are no faces",
         {{-900, -900, 100, 100}, {500, 3300, 50, 50}, {400, 100, 0, 80}},
         CropSwitches{},
         {0, 250, 1800, 2950}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PhotoFitPlan p =
            planPhotoFitAroundFaces(1800, 3200, 400, 600, fourBySix(), c.switches, c.faces);
        ASSERT_FALSE(p.rotate);
        ASSERT_TRUE(p.crop.crop);
        EXPECT_EQ(p.crop.left, c.expected.left);
        EXPECT_EQ(p.crop.top, c.expected.top);
        EXPECT_EQ(p.crop.right, c.expected.right);
        EXPECT_EQ(p.crop.bottom, c.expected.bottom);
        // Moved, never resized: the print keeps the shape the slot asks for.
        EXPECT_EQ(p.crop.bottom - p.crop.top, 2700);
    }
}

TEST(FaceWindow, TurnedPhotoKeepsTheFaceOfTheUprightPicture) {
    // A landscape photo turned into the portrait slot: its left part becomes the
    // bottom. The face's room is given upright (the hair above it lies beside it once
    // turned); with it the face reaches 40 columns from the photo's left edge, so the
    // window moves down to end at row 3200 - 40.
    const PhotoFitPlan p =
        planPhotoFitAroundFaces(3200, 1800, 400, 600, fourBySix(), CropSwitches{}, {{100, 700, 300, 300}});
    ASSERT_TRUE(p.rotate);
    ASSERT_TRUE(p.crop.crop);
    EXPECT_EQ(p.crop.top, 460);
    EXPECT_EQ(p.crop.bottom, 3160);
    EXPECT_EQ(turnedFaceBox(FaceBox{100, 700, 300, 300}, 3200, 1800), (FaceBox{700, 2800, 300, 300}));
}

TEST(FaceWindow, AFaceLargerThanTheWindowIsCentred) {
    CropPlan plan;
    plan.crop = true;
    plan.left = 100;
    plan.right = 900;
    plan.bottom = 100;
    // 900 columns of face in an 800-column window: its middle (450) is the window's.
    const CropPlan moved = keepFacesInCrop(plan, 1000, 100, false, {{0, 0, 900, 100}});
    EXPECT_EQ(moved.left, 50);
    EXPECT_EQ(moved.right, 850);
    EXPECT_EQ(moved.top, 0);
    EXPECT_EQ(moved.bottom, 100);

    // Nothing cut: nothing to place.
    CropPlan whole;
    EXPECT_FALSE(keepFacesInCrop(whole, 1000, 100, false, {{0, 0, 50, 50}}).crop);
}
