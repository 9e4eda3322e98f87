// One whole page of each index sheet look at 100 DPI against a page checked by eye
// and kept in tests/data/golden. The pages carry text (header and frame labels) drawn
// without antialiasing from a fixed date, so they compare like the photo pages: a few
// levels per channel, and only a sliver of pixels further off.
//
// Rewrite the pictures after an intended change with SNAPVALE_UPDATE_GOLDEN=1, look at
// them, and commit them.

#include <QDir>
#include <cstdlib>

#include "IndexSheetFixture.h"

namespace {

const QString kGoldenDir = QStringLiteral(SNAPVALE_TEST_DATA "/golden");

long pixelsOff(const QImage& a, const QImage& b, int tolerance, int& worst) {
    long over = 0;
    worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int m = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            worst = std::max(worst, m);
            if (m > tolerance) ++over;
        }
    return over;
}

}  // namespace

class IndexSheetGoldenTest : public IndexSheetFixture {
protected:
    void photos(const std::vector<QSize>& sizes) {
        list.clear();
        int seed = 1;
        for (const QSize& s : sizes) {
            const QString file = path(QStringLiteral("photo%1.png").arg(seed));
            ASSERT_TRUE(paintTestPhoto(s.width(), s.height(), seed, false).save(file, "PNG"));
            list.append(file);
            ++seed;
        }
    }
    void check(const QString& name) {
        ASSERT_TRUE(render());
        const QString golden = kGoldenDir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (qEnvironmentVariableIsSet("SNAPVALE_UPDATE_GOLDEN")) {
            QDir().mkpath(kGoldenDir);
            ASSERT_TRUE(page.save(golden, "PNG"));
            return;
        }
        const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << "missing " << golden.toStdString();
        ASSERT_EQ(expected.size(), page.size());
        int worst = 0;
        const long over = pixelsOff(page, expected, 4, worst);
        if (over > long(page.width()) * page.height() / 1000) {
            const QString actual = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
            page.save(actual, "PNG");
            ADD_FAILURE() << name.toStdString() << ": " << over << " pixels differ (worst by " << worst
                          << "); rendered page in " << actual.toStdString();
        }
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
