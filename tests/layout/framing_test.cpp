// Framing a photo by hand: the shown part's geometry, the ranges, the turns, the
// drawing of a turned region and how framings follow the list.

#include "layout/Framing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTransform>
#include <cmath>
#include <limits>
#include <vector>

#include "imagelist/ImageList.h"

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
}  // namespace

TEST(FramingGeometry, RegionCoversTheSlotAndPansWithinTheFreeTravel) {
    struct Case {
        const char* what;
        int tw, th, sw, sh;
        Framing f;
        double left, top, width, height;
    };
    const Case cases[] = {
        // A 3000 x 2000 photo in a square slot: the fill shows 2000 x 2000, 1000 px to travel.
        {"centred", 3000, 2000, 500, 500, {0, 0, 1, 0}, 500, 0, 2000, 2000},
        {"left edge", 3000, 2000, 500, 500, {-1, 0, 1, 0}, 0, 0, 2000, 2000},
        {"right edge", 3000, 2000, 500, 500, {1, 0, 1, 0}, 1000, 0, 2000, 2000},
        {"no vertical travel", 3000, 2000, 500, 500, {0, 1, 1, 0}, 500, 0, 2000, 2000},
        {"zoom 2 top left", 3000, 2000, 500, 500, {-1, -1, 2, 0}, 0, 0, 1000, 1000},
        {"zoom 4 bottom right", 3000, 2000, 500, 500, {1, 1, 4, 0}, 2500, 1500, 500, 500},
        {"quarter pan", 3000, 2000, 500, 500, {0.5, 0, 1, 0}, 750, 0, 2000, 2000},
        // Same shape as the slot: the whole photo shows at 1x and nothing travels.
        {"same shape", 1200, 1800, 400, 600, {1, -1, 1, 0}, 0, 0, 1200, 1800},
        // A tall photo in a wide slot.
        {"tall in wide", 1000, 3000, 600, 300, {0, -1, 1, 0}, 0, 0, 1000, 500},
        // A photo smaller than its slot is stretched over it, never shown with a gap.
        {"small photo", 40, 60, 800, 800, {0, 0, 1, 0}, 0, 10, 40, 40},
    };
    for (const Case& c : cases) {
        const FramedRegion r = framedRegion(c.tw, c.th, c.sw, c.sh, c.f);
        EXPECT_NEAR(r.left, c.left, 1e-9) << c.what;
        EXPECT_NEAR(r.top, c.top, 1e-9) << c.what;
        EXPECT_NEAR(r.width, c.width, 1e-9) << c.what;
        EXPECT_NEAR(r.height, c.height, 1e-9) << c.what;
        // The no-gap rule: inside the photo and the slot's own shape.
        EXPECT_GE(r.left, 0) << c.what;
        EXPECT_GE(r.top, 0) << c.what;
        EXPECT_LE(r.left + r.width, c.tw + 1e-9) << c.what;
        EXPECT_LE(r.top + r.height, c.th + 1e-9) << c.what;
        EXPECT_NEAR(r.width / r.height, double(c.sw) / c.sh, 1e-9) << c.what;
    }
}

TEST(FramingGeometry, OutOfRangeValuesNeverLeaveThePhoto) {
    const Framing wild[] = {{-7, 9, 0.25, 0}, {kNaN, kNaN, kNaN, 0}, {kInf, -kInf, 1e9, 0}};
    for (const Framing& f : wild) {
        const FramedRegion r = framedRegion(3000, 2000, 300, 200, f);
        ASSERT_FALSE(r.isEmpty());
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.left + r.width, 3000.0);
        EXPECT_LE(r.top + r.height, 2000.0);
        EXPECT_GE(r.width, 3000.0 / Framing::kMaxZoom - 1e-9);
    }
    EXPECT_TRUE(framedRegion(0, 2000, 300, 200, {}).isEmpty());
    EXPECT_TRUE(framedRegion(3000, 2000, 300, 0, {}).isEmpty());
}

TEST(FramingGeometry, ValidityAndClamping) {
    struct Case {
        Framing f;
        bool valid;
        Framing clamped;
    };
    const Case cases[] = {
        {{0, 0, 1, 0}, true, {0, 0, 1, 0}},      {{-1, 1, 4, 3}, true, {-1, 1, 4, 3}},
        {{1.5, -2, 1, 0}, false, {1, -1, 1, 0}}, {{0, 0, 0.5, 0}, false, {0, 0, 1, 0}},
        {{0, 0, 1e9, 0}, false, {0, 0, 4, 0}},   {{kNaN, 0.5, kNaN, 0}, false, {0, 0.5, 1, 0}},
        {{0, 0, 1, 7}, false, {0, 0, 1, 3}},     {{0, 0, 1, -1}, false, {0, 0, 1, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isValidFraming(c.f), c.valid)
            << c.f.panX << "," << c.f.panY << "," << c.f.zoom << "," << c.f.turns;
        EXPECT_EQ(clampedFraming(c.f), c.clamped);
    }
}

TEST(FramingGeometry, TurnsAddToTheAutomaticTurn) {
    EXPECT_EQ(framedTurns(false, 0), 0);
    EXPECT_EQ(framedTurns(true, 0), 1);
    EXPECT_EQ(framedTurns(true, 3), 0);
    EXPECT_EQ(framedTurns(false, 3), 3);
    EXPECT_EQ(framedTurns(true, 2), 3);
    int w = 0, h = 0;
    turnedSize(3000, 2000, 1, w, h);
    EXPECT_EQ(QSize(w, h), QSize(2000, 3000));
    turnedSize(3000, 2000, 2, w, h);
    EXPECT_EQ(QSize(w, h), QSize(3000, 2000));
}

TEST(FramingGeometry, DraggingMovesThePhotoWithThePointerUpToItsEdges) {
    // 3000 x 2000 in a 500 x 500 slot: 2000 photo px show over 500 slot px (4 a pixel)
    // and 1000 px travel, so 125 slot px to the right move the pan from 0 to -1.
    Framing f;
    f = pannedBy(f, 3000, 2000, 500, 500, 125, 0);
    EXPECT_NEAR(f.panX, -1, 1e-12);
    EXPECT_EQ(f.panY, 0);  // nothing to travel vertically
    f = pannedBy(f, 3000, 2000, 500, 500, 1000, 40);
    EXPECT_NEAR(f.panX, -1, 1e-12);
    f = pannedBy(f, 3000, 2000, 500, 500, -125, 0);
    EXPECT_NEAR(f.panX, 0, 1e-12);
}

namespace {
// A picture where every pixel has its own colour.
QImage numbered(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x * 20, y * 20, 100));
    return img;
}
}  // namespace

TEST(FramingDrawing, EachTurnDrawsThePhotoTurnedCounterClockwise) {
    const QImage photo = numbered(3, 2);
    for (int turns = 0; turns < 4; ++turns) {
        int tw = 0, th = 0;
        turnedSize(3, 2, turns, tw, th);
        QImage target(tw, th, QImage::Format_RGB32);
        target.fill(Qt::white);
        drawFramedRegion(target, target.rect(), FramingSource::fromImage(photo), 3, 2, turns,
                         framedRegion(tw, th, tw, th, {}));
        const QImage expected = photo.transformed(QTransform().rotate(-90.0 * turns));
        EXPECT_EQ(target, expected.convertToFormat(QImage::Format_RGB32)) << "turns " << turns;
    }
}

TEST(FramingDrawing, ReducedSourceAndClippedTargetLandOnTheSamePixels) {
    // The same photo held at half size draws the same blocks; a dest partly outside
    // the target writes only what lies inside.
    const QImage full = numbered(8, 8).scaled(8, 8);
    QImage half(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) half.setPixel(x, y, full.pixel(2 * x, 2 * y));
    QImage a(8, 8, QImage::Format_RGB32), b(8, 8, QImage::Format_RGB32);
    a.fill(Qt::white);
    b.fill(Qt::white);
    const FramedRegion whole = framedRegion(8, 8, 8, 8, {});
    drawFramedRegion(a, QRect(0, 0, 8, 8), FramingSource::fromImage(half), 8, 8, 0, whole);
    drawFramedRegion(b, QRect(-4, 0, 8, 8), FramingSource::fromImage(half), 8, 8, 0, whole);
    EXPECT_EQ(a.pixel(0, 0), full.pixel(0, 0));
    EXPECT_EQ(a.pixel(7, 7), full.pixel(6, 6));
    EXPECT_EQ(b.pixel(0, 0), a.pixel(4, 0));
    EXPECT_EQ(b.pixel(3, 5), a.pixel(7, 5));
    EXPECT_EQ(b.pixel(4, 0), qRgb(255, 255, 255));
}

TEST(FramingSetTest, FramingsFollowTheirPhotoThroughTheList) {
    ImageList list;
    for (const char* p : {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg", "/p/b.jpg"})
        list.append(QString::fromLatin1(p));
    FramingSet set;
    const Framing f1{0.5, 0, 2, 1}, f2{-1, -1, 1, 0};
    set.set(2, QStringLiteral("/p/b.jpg"), f1);
    set.set(4, QStringLiteral("/p/B.JPG"), f2);  // paths compare without regard to case
    set.set(3, QStringLiteral("/p/c.jpg"), {});
    ASSERT_NE(set.find(4, QStringLiteral("/p/b.jpg")), nullptr);
    EXPECT_TRUE(set.isFramedByHand(2, QStringLiteral("/p/b.jpg")));
    EXPECT_FALSE(set.isFramedByHand(2, QStringLiteral("/p/a.jpg")));  // another photo at the place
    EXPECT_FALSE(set.isFramedByHand(1, QStringLiteral("/p/a.jpg")));

    // Unchanged list: nothing moves.
    EXPECT_FALSE(set.followList(list));
    // a.jpg removed: b moves to 1 and 3, c to 2.
    ImageList shorter;
    for (const char* p : {"/p/b.jpg", "/p/c.jpg", "/p/b.jpg"}) shorter.append(QString::fromLatin1(p));
    EXPECT_TRUE(set.followList(shorter));
    ASSERT_EQ(set.count(), 3);
    EXPECT_EQ(*set.find(1, QStringLiteral("/p/b.jpg")), f1);
    EXPECT_EQ(*set.find(3, QStringLiteral("/p/b.jpg")), f2);
    EXPECT_NE(set.find(2, QStringLiteral("/p/c.jpg")), nullptr);
    // c.jpg leaves the list: its framing is dropped.
    ImageList without;
    for (const char* p : {"/p/b.jpg", "/p/b.jpg"}) without.append(QString::fromLatin1(p));
    EXPECT_TRUE(set.followList(without));
    EXPECT_EQ(set.count(), 2);
    EXPECT_TRUE(set.reset(2));
    EXPECT_FALSE(set.reset(2));
    // Setting stores the framing pulled into range.
    set.set(1, QStringLiteral("/p/b.jpg"), {3, 0, 9, 5});
    EXPECT_EQ(*set.find(1, QStringLiteral("/p/b.jpg")), (Framing{1, 0, 4, 1}));
}

TEST(FramingDrawing, PackedAndWordTargetsGetTheSamePixels) {
    const QImage photo = numbered(5, 4);
    for (int turns = 0; turns < 4; ++turns) {
        QImage word(7, 6, QImage::Format_RGB32), packed(7, 6, QImage::Format_RGB888);
        word.fill(Qt::white);
        packed.fill(Qt::white);
        int tw = 0, th = 0;
        turnedSize(5, 4, turns, tw, th);
        const FramedRegion r = framedRegion(tw, th, 5, 3, {0.5, -0.5, 1.5, 0});
        drawFramedRegion(word, QRect(1, 2, 5, 3), FramingSource::fromImage(photo), 5, 4, turns, r);
        drawFramedRegion(packed, QRect(1, 2, 5, 3), FramingSource::fromImage(photo), 5, 4, turns, r);
        EXPECT_EQ(packed.convertToFormat(QImage::Format_RGB32), word) << "turns " << turns;
    }
}

TEST(FramingSetTest, TheCurrentPlaceTellsRepeatedPhotosApart) {
    ImageList list;
    for (const char* p : {"/p/a.jpg", "/p/b.jpg", "/p/a.jpg"}) list.append(QString::fromLatin1(p));
    EXPECT_EQ(currentPlace(list), 0);  // nothing taken yet
    list.setCursor(0);
    int places[6] = {};
    for (int& place : places) {
        list.takeNext();
        place = currentPlace(list);
    }
    // Forward and round again: 1 2 3, then the wrap gives 1 2 3 once more.
    EXPECT_EQ(std::vector<int>(places, places + 6), (std::vector<int>{1, 2, 3, 1, 2, 3}));
    list.setDirection(ImageList::Direction::Backward);
    list.setCursor(2);
    list.takeNext();
    EXPECT_EQ(currentPlace(list), 3);
    list.takeNext();
    EXPECT_EQ(currentPlace(list), 2);
    // A photo set by hand, away from the cursor, counts at its first place.
    list.currentPhoto = QStringLiteral("/p/A.JPG");
    EXPECT_EQ(currentPlace(list), 1);
}
