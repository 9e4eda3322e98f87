// Whole pages of each template family at 100 DPI compared with pages checked by eye
// and kept in tests/data/golden. These pages carry no text, so the comparison needs
// no masks: a channel may differ by a few levels (painting and PNG round trips), and
// only a sliver of pixels may differ by more.
//
// Rewrite the pictures after an intended change with SNAPVALE_UPDATE_GOLDEN=1, look
// at every one of them, and commit them.

#include "RenderTestSupport.h"
#include "layout/PageSetup.h"

class GoldenPageTest : public RenderFixture {
protected:
    // n photos of the given shapes, painted from fixed seeds without grain.
    void photos(const std::vector<QSize>& sizes) {
        list.clear();
        addGoldenPhotos(list, dirPath(), sizes);
    }
    void check(const QString& name) {
        ASSERT_TRUE(render());
        expectGoldenPage(page, name);
    }
    void choose(const QString& name) {
        chooseFullPageTemplate(settings, nullptr, name);
        choosePageResolution(settings, nullptr, 100);
    }
};

TEST_F(GoldenPageTest, BorderlessFiveBySevenFromALandscapePhoto) {
    photos({{600, 400}});
    choose(QStringLiteral("One Borderless 5in x 7in Print"));
    check(QStringLiteral("borderless-5x7"));
}

TEST_F(GoldenPageTest, MultiPrintWalletsAndFourByFives) {
    photos({{300, 400}, {400, 300}, {200, 300}, {300, 200}, {240, 240}, {200, 300}, {300, 200}, {150, 400}});
    choose(QStringLiteral("Six (Wallet) 2 x 3 + Two 4 x 5 Prints"));
    check(QStringLiteral("multi-wallets-4x5"));
}

TEST_F(GoldenPageTest, HalfPagePairFourBySixOverThreeSmallPrints) {
    photos({{400, 300}, {250, 350}, {350, 250}, {300, 300}});
    chooseHalfPageStyles(settings, nullptr, 126, 130);
    choosePageResolution(settings, nullptr, 100);
    check(QStringLiteral("half-4x6-over-2.5x3.5"));
}

TEST_F(GoldenPageTest, CdInlayAndDvdCover) {
    photos({{300, 400}, {500, 300}, {400, 300}});
    choose(QStringLiteral("CD Case (InLay) 5.9 x 4.60 in"));
    check(QStringLiteral("cd-inlay"));
    list.seek(list.entries().front());
    list.currentPhoto.clear();
    choose(QStringLiteral("DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in"));
    check(QStringLiteral("dvd-cover-spine"));
}
