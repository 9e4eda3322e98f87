// Photos framed by hand on the page: they cover their slot as framed, the records
// say so, and a framing stays with the photo at its place in the list.

#include <QPainter>

#include "RenderTestSupport.h"
#include "image/PhotoImage.h"
#include "layout/Framing.h"
#include "layout/PageSetup.h"

namespace {
// A landscape photo: left half red, right half blue.
QString writeHalves(const QString& path, int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QPainter(&img).fillRect(0, 0, w / 2, h, Qt::red);
    img.save(path);
    return path;
}
int countColour(const QImage& page, const QRect& r, QRgb colour) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += (page.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
}
}  // namespace

class FramingRenderTest : public RenderFixture {
protected:
    void SetUp() override {
        RenderFixture::SetUp();
        chooseFullPageTemplate(settings, nullptr, QStringLiteral("One Borderless 4in x 6in Print"));
        choosePageResolution(settings, nullptr, 50);  // a 200 x 300 page, one slot
        photo = writeHalves(path(QStringLiteral("halves.png")), 300, 200);
        list.append(photo);
        pass->setFramings(&framings);
    }
    QRect slot() const { return page.rect(); }
    QString photo;
    FramingSet framings;
};

TEST_F(FramingRenderTest, PanChoosesWhichPartCoversTheSlot) {
    // Turned back by three quarters onto its own shape, the landscape photo shows a
    // 133 x 200 part over the portrait slot; pan -1 is all red, pan 1 all blue.
    struct Case {
        double panX;
        QRgb fills;
    };
    for (const Case& c : {Case{-1, qRgb(255, 0, 0)}, Case{1, qRgb(0, 0, 255)}}) {
        framings.set(1, photo, Framing{c.panX, 0, 1, 3});
        list.setCursor(0);
        list.currentPhoto.clear();
        ASSERT_TRUE(render());
        EXPECT_EQ(countColour(page, slot(), c.fills), slot().width() * slot().height()) << c.panX;
        const SlotRecord& r = pass->slotTable()[1];
        EXPECT_EQ(r.framed, 1);
        EXPECT_EQ(r.rotated, 0);
        EXPECT_EQ(r.cropped, 0);
        EXPECT_EQ(QSize(r.fittedWidth, r.fittedHeight), QSize(133, 200));
        EXPECT_EQ(r.photoWidth, 300);
    }
}

TEST_F(FramingRenderTest, CentredFramingOnTheAutomaticTurnLeavesNoGap) {
    // The automatic turn puts red at the bottom; a centred 2x zoom shows both halves
    // and never a white pixel.
    framings.set(1, photo, Framing{0, 0, 2, 0});
    ASSERT_TRUE(render());
    const int red = countColour(page, slot(), qRgb(255, 0, 0));
    const int blue = countColour(page, slot(), qRgb(0, 0, 255));
    EXPECT_EQ(red + blue, slot().width() * slot().height());
    EXPECT_EQ(red, blue);
    EXPECT_EQ(page.pixel(100, 299) & 0xffffff, 0xff0000u);
    EXPECT_EQ(pass->slotTable()[1].rotated, 1);
    EXPECT_TRUE(pass->isFramedByHand(photo));
}

TEST_F(FramingRenderTest, AFramingBelongsToItsPlaceAndPhoto) {
    // The same file twice: only the second place is framed, so only the second page
    // comes out framed. A framing recorded for another file at place 1 does nothing.
    list.append(photo);
    framings.set(2, photo, Framing{1, 0, 1, 3});
    framings.set(1, path(QStringLiteral("other.png")), Framing{-1, 0, 1, 3});
    list.setCursor(0);
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotTable()[1].framed, 0);
    EXPECT_EQ(pass->slotTable()[1].place, 1);
    const QImage first = page;
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotTable()[1].framed, 1);
    EXPECT_EQ(pass->slotTable()[1].place, 2);
    EXPECT_EQ(pass->slotTable()[1].listIndex, 1);  // the list index stays the first equal entry
    EXPECT_NE(first, page);
}

TEST_F(FramingRenderTest, FramedJpegIsDecodedWholeForItsZoom) {
    const QString jpeg = writeTestPhoto(path(QStringLiteral("big.jpg")), 1600, 1200, 3);
    list.clear();
    list.append(jpeg);
    list.setCursor(0);
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->reducedPhotoCount(), 1);  // unframed, a 200 x 300 slot takes a reduced decode
    framings.set(1, jpeg, Framing{0, 0, 4, 0});
    list.setCursor(0);
    list.currentPhoto.clear();
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->reducedPhotoCount(), 0);
    EXPECT_EQ(pass->slotTable()[1].framed, 1);
}
