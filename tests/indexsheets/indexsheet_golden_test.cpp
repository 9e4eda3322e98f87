// One whole page of each index sheet look at 100 DPI against a page checked by eye
// and kept in tests/data/golden. The pages carry text (header and frame labels) drawn
// without antialiasing from a fixed date, so they compare like the photo pages: a few
// levels per channel, and only a sliver of pixels further off.
//
// Rewrite the pictures after an intended change with SNAPVALE_UPDATE_GOLDEN=1, look at
// them, and commit them.

#include "IndexSheetFixture.h"

class IndexSheetGoldenTest : public IndexSheetFixture {
protected:
    void photos(const std::vector<QSize>& sizes) {
        list.clear();
        addGoldenPhotos(list, dirPath(), sizes);
    }
    void check(const QString& name) {
        ASSERT_TRUE(render());
        expectGoldenPage(page, name);
    }
};

TEST_F(IndexSheetGoldenTest, FilmStripSixteenFrames) {
    // Fewer photos than frames: the list wraps; shapes of every kind, one too small.
    photos({{400, 300}, {300, 400}, {320, 320}, {500, 200}, {240, 360}, {60, 40}, {360, 270}});
    choose(QStringLiteral("Index Sheet (Negative Strip) - 16 Prints"));
    check(QStringLiteral("index-film-16"));
}

TEST_F(IndexSheetGoldenTest, SlideMountsSixFrames) {
    photos({{400, 300}, {300, 400}, {320, 320}, {500, 200}, {240, 360}, {360, 270}});
    choose(QStringLiteral("Index Sheet (3D Slides) - 6 Prints"));
    check(QStringLiteral("index-slides-6"));
}
