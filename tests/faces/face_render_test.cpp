// The pass keeping the automatic cut around the faces it is given, and looking for
// faces only when the switch is on and a cut must be made.

#include <QImageWriter>
#include <atomic>
#include <mutex>

#include "RenderTestSupport.h"
#include "layout/FaceFinder.h"
#include "layout/PageSetup.h"

namespace {

// Gives the same faces for every photo and counts the questions, which come from
// the decoding threads.
class FixedFaces final : public FaceSource {
public:
    std::vector<FaceBox> findFaces(const CxImage& raster, int fullWidth, int fullHeight) override {
        ++asked;
        std::lock_guard<std::mutex> lock(mutex);
        heldWidths.push_back(raster.GetWidth());
        heldHeights.push_back(raster.GetHeight());
        fullSizes.push_back(QSize(fullWidth, fullHeight));
        return faces;
    }
    std::vector<FaceBox> faces;
    std::atomic<int> asked{0};
    std::mutex mutex;
    std::vector<int> heldWidths;
    std::vector<int> heldHeights;
    std::vector<QSize> fullSizes;
};

// A tall 9:16 phone photo: a red band across its top twentieth, green below.
QString writeTallPhoto(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 160, 0));
    for (int y = 0; y < height / 20; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(220, 0, 0));
    QImageWriter writer(path);
    writer.setQuality(95);
    return writer.write(image) ? path : QString();
}

bool reddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 80;
}

}  // namespace

class FaceRenderTest : public RenderFixture {
protected:
    void SetUp() override {
        RenderFixture::SetUp();
        chooseFullPageTemplate(settings, nullptr, QStringLiteral("One Borderless 4in x 6in Print"));
        choosePageResolution(settings, nullptr, 50);  // a 200 x 300 slot
        pass->setFaceSource(&source);
    }
    FixedFaces source;
};

TEST_F(FaceRenderTest, AFaceAtTheTopKeepsTheTopInThePrint) {
    // The small PNG is drawn from every pixel; the big JPEG from a reduced decode.
    struct Case {
        const char* file;
        int width, height;
        FaceBox face;
        bool reduced;
    };
    const Case cases[] = {
        {"small.png", 180, 320, {60, 2, 30, 16}, false},
        {"big.jpg", 1800, 3200, {600, 20, 300, 160}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        list.clear();
        list.append(writeTallPhoto(path(QString::fromLatin1(c.file)), c.width, c.height));
        source.faces = {c.face};

        // As before: the cut takes rows from the top and the bottom, and the red band goes.
        settings.KeepFacesInFrame = 0;
        source.asked = 0;
        ASSERT_TRUE(render());
        EXPECT_FALSE(reddish(pixel(100, 1)));
        EXPECT_EQ(source.asked.load(), 0);  // nothing is looked for while the switch is off

        settings.KeepFacesInFrame = 1;
        ASSERT_TRUE(render());
        EXPECT_EQ(source.asked.load(), 1);
        EXPECT_TRUE(reddish(pixel(100, 1)));
        EXPECT_FALSE(reddish(pixel(100, 299)));
        EXPECT_EQ(pass->slotTable()[1].cropped, 1);
        EXPECT_EQ(pass->reducedPhotoCount(), c.reduced ? 1 : 0);
        // The cut moved, it did not shrink: the figures stay those of the automatic crop.
        EXPECT_EQ(pass->slotTable()[1].fittedHeight, c.height - 2 * ((c.height - c.width * 3 / 2 + 1) / 2));
        {
            std::lock_guard<std::mutex> lock(source.mutex);
            EXPECT_EQ(source.fullSizes.back(), QSize(c.width, c.height));
            // The search gets a search copy's worth of the photo, or all of a small one.
            EXPECT_GE(std::max(source.heldWidths.back(), source.heldHeights.back()),
                      std::min(kFaceSearchEdge, std::max(c.width, c.height)));
        }
        // The status text names the moved cut: nothing left above.
        EXPECT_TRUE(
            fakes.status.panes[0].join('\n').contains(QStringLiteral("-> cropped to 0 %1 0 ").arg(c.width)));
    }
}

TEST_F(FaceRenderTest, FacesAreLookedForOnlyWhereACutIsMade) {
    settings.KeepFacesInFrame = 1;
    source.faces = {{0, 0, 10, 10}};
    // Exactly 4 x 6: nothing is cut away, so nothing is looked for.
    list.clear();
    list.append(writeSolidPhoto(path(QStringLiteral("exact.png")), 200, 300, Qt::blue));
    ASSERT_TRUE(render());
    EXPECT_EQ(source.asked.load(), 0);

    // Auto crop off: the photo is fitted whole.
    list.clear();
    list.append(writeTallPhoto(path(QStringLiteral("tall.png")), 180, 320));
    settings.AutoCropOn = 0;
    ASSERT_TRUE(render());
    EXPECT_EQ(source.asked.load(), 0);
    settings.AutoCropOn = 1;
    ASSERT_TRUE(render());
    EXPECT_EQ(source.asked.load(), 1);
}

TEST_F(FaceRenderTest, ASmallSlotStillDecodesEnoughOfThePhotoToSearch) {
    // A 100 x 150 slot takes a 1/8 decode of a 900 x 1600 photo (113 x 200 pixels): too
    // little to find faces in, so with the switch on it is decoded at 1/4.
    choosePageResolution(settings, nullptr, 25);
    list.clear();
    list.append(writeTallPhoto(path(QStringLiteral("mid.jpg")), 900, 1600));
    settings.KeepFacesInFrame = 1;
    ASSERT_TRUE(render());
    ASSERT_EQ(source.asked.load(), 1);
    std::lock_guard<std::mutex> lock(source.mutex);
    EXPECT_EQ(source.heldHeights.back(), 400);
    EXPECT_EQ(pass->reducedPhotoCount(), 1);
}
