// The rendering pass: slot order and list stepping, grading, records, status texts.

#include <QPainter>
#include <QRegion>

#include "RenderTestSupport.h"
#include "image/PhotoFilters.h"
#include "image/PhotoImage.h"
#include "layout/PageSetup.h"

namespace {
bool isWhite(QRgb c) {
    return (c & 0xffffff) == 0xffffff;
}
// Every pixel of the rectangle (right and bottom exclusive) white?
bool allWhite(const QImage& page, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (!isWhite(page.pixel(x, y))) return false;
    return true;
}
bool near(QRgb a, QColor b, int tolerance = 8) {
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}
}  // namespace

class RenderPassTest : public RenderFixture {
protected:
    // n distinct photos p1.png ... pn.png of size w x h (portrait by default).
    QStringList makePhotos(int n, int w = 40, int h = 60) {
        QStringList paths;
        for (int i = 1; i <= n; ++i)
            paths << writeSolidPhoto(path(QStringLiteral("p%1.png").arg(i)), w, h,
                                     QColor::fromHsv(i * 40 % 360, 200, 200));
        return paths;
    }
    void useList(const QStringList& paths) {
        list.clear();
        for (const QString& p : paths) list.append(p);
    }
    void choose(const QString& name, int dpi = 50) {
        chooseFullPageTemplate(settings, nullptr, name);
        choosePageResolution(settings, nullptr, dpi);
    }
};

TEST_F(RenderPassTest, ShortListWrapsRoundAndThePageEndsOnTheNextPhoto) {
    const QStringList photos = makePhotos(4);
    useList(photos);
    choose(QStringLiteral("Six 3 x 4 Prints"));
    ASSERT_TRUE(render());
    const int expected[] = {0, 1, 2, 3, 4, 1, 2};
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_EQ(pass->slotTable()[slot].listIndex, expected[slot]) << "slot " << slot;
        EXPECT_EQ(pass->slotTable()[slot].fileName, photos[expected[slot] - 1]);
    }
    EXPECT_EQ(pass->firstFileOfPage(), photos[0]);
    EXPECT_EQ(list.pageFirstPhoto, photos[0]);
    // The next page begins with the photo after the last one drawn.
    EXPECT_EQ(list.currentPhoto, photos[2]);
    EXPECT_EQ(fakes.status.panes[0].last(), QStringLiteral("6 photos loaded (1 - 2) from disk: /photos/"));
}

TEST_F(RenderPassTest, FailedSlotTurnsTheFinalLampRedAndShowsThePlaceholder) {
    QStringList photos = makePhotos(3);
    photos[1] = writeFile(QStringLiteral("broken.jpg"), "this is not a picture");
    useList(photos);
    ASSERT_TRUE(render());
    const SlotRecord& failed = pass->slotTable()[2];
    EXPECT_EQ(failed.failed, 1);
    EXPECT_EQ(failed.listIndex, 2);
    EXPECT_EQ(failed.photoWidth, 0);
    EXPECT_EQ(pass->slotTable()[3].failed, 0);
    EXPECT_TRUE(pass->redSeen());
    // Slot 3 was fine and came later: the lamp it set does not win.
    EXPECT_TRUE(fakes.status.indicators.contains(QStringLiteral("LED_RED")));
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_RED"));
    // Slot 2 is (0,200)-(200,500): the placeholder's pale card, not the page's white.
    EXPECT_TRUE(near(pixel(100, 260), QColor(232, 232, 232), 2));
}

TEST_F(RenderPassTest, LowResolutionIsYellowUnlessSomethingFailed) {
    // The 4 x 6 slots at 50 DPI hold 300 x 200 and 200 x 300 pixels; 8 x 12 covers 0.16 %.
    QStringList photos = makePhotos(3);
    photos[2] = writeSolidPhoto(path("tiny.png"), 8, 12, Qt::green);
    useList(photos);
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotTable()[3].lowResolution, 1);
    EXPECT_GT(pass->slotTable()[3].resolutionDeficit, 99.0);
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_YELLOW"));

    photos[0] = writeFile(QStringLiteral("broken.png"), "no");
    useList(photos);
    fakes.status.indicators.clear();
    ASSERT_TRUE(render());
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_RED"));
}

TEST_F(RenderPassTest, ExactlyNinetyPercentCoverageIsGreen) {
    EXPECT_FALSE(isLowResolution(90, 100, 100, 100));
    EXPECT_TRUE(isLowResolution(89, 100, 100, 100));
    EXPECT_FALSE(isLowResolution(9, 1, 10, 1));
    EXPECT_DOUBLE_EQ(resolutionDeficit(50, 100, 100, 100), 50.0);
    EXPECT_DOUBLE_EQ(resolutionDeficit(200, 100, 100, 100), -100.0);
    EXPECT_DOUBLE_EQ(resolutionDeficit(10, 10, 0, 10), 0.0);

    // Borderless 8 x 10 at 10 DPI is one 80 x 100 slot; uncropped, 72 x 100 covers 90 %.
    choose(QStringLiteral("One Borderless 8in x 10in Print"), 10);
    settings.AutoCropOn = 0;
    useList({writeSolidPhoto(path("ninety.png"), 72, 100, Qt::red)});
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotTable()[1].fittedWidth, 72);
    EXPECT_EQ(pass->slotTable()[1].lowResolution, 0);
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_DKGRN"));

    useList({writeSolidPhoto(path("less.png"), 71, 100, Qt::red)});
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotTable()[1].lowResolution, 1);
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_YELLOW"));
}

TEST_F(RenderPassTest, GridOnlyNumbersTheSlotsAndLeavesTheListAlone) {
    const QStringList photos = makePhotos(5);
    useList(photos);
    list.setCursor(2);
    list.currentPhoto = photos[1];
    settings.PhotoGridOnly = 1;
    ASSERT_TRUE(render());
    EXPECT_EQ(list.cursor(), 2);
    EXPECT_EQ(list.currentPhoto, photos[1]);
    EXPECT_EQ(pass->loadedCount(), 3);
    for (int slot = 1; slot <= 3; ++slot) {
        EXPECT_TRUE(pass->slotTable()[slot].fileName.isEmpty());
        EXPECT_EQ(pass->slotTable()[slot].listIndex, 0);
    }
    for (const QString& text : fakes.status.panes[0])
        EXPECT_FALSE(text.startsWith(QLatin1String("Loading photo")));
    // Each slot shows its number near the top middle; the rest of it stays white.
    const QRect slots[3] = {QRect(50, 0, 300, 200), QRect(0, 200, 200, 300), QRect(200, 200, 200, 300)};
    for (const QRect& r : slots) {
        const QRect numberBand(r.center().x() - 30, r.top() + 2, 60, 60);
        EXPECT_FALSE(allWhite(page, numberBand)) << r.x() << "," << r.y();
        EXPECT_TRUE(allWhite(page, QRect(r.left() + 2, r.top() + 80, r.width() - 4, r.height() - 82)));
    }
}

TEST_F(RenderPassTest, TwoMiniIdStylesFillRecordsOneTo52) {
    QStringList photos = makePhotos(10, 8, 12);
    QStringList many;
    for (int i = 0; i < 60; ++i) many << photos[i % 10];
    useList(many);
    chooseHalfPageStyles(settings, nullptr, 133, 133);
    choosePageResolution(settings, nullptr, 30);
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotCount(), 52);
    EXPECT_EQ(pass->loadedCount(), 52);
    for (int slot = 1; slot <= 52; ++slot) EXPECT_FALSE(pass->slotTable()[slot].fileName.isEmpty()) << slot;
    EXPECT_TRUE(pass->slotTable()[53].fileName.isEmpty());
    EXPECT_EQ(pass->slotTable()[27].fileName, photos[6]);
    EXPECT_EQ(pass->layoutText(),
              QStringLiteral("Top: Mini ID 1 x 1 1/2 26 Prints + Bottom: Mini ID 1 x 1 1/2 26 Prints"));
    EXPECT_EQ(fakes.status.panes[2].first(), QStringLiteral("Loading 52 photos into template..."));
}

TEST_F(RenderPassTest, ShortNameLeavesItsSlotWhiteAndStillSteps) {
    const QStringList photos = makePhotos(3, 60, 40);
    // A first page puts photo 1 into slot 1, so a stale record would show its number.
    useList(photos);
    ASSERT_TRUE(render());
    ASSERT_EQ(pass->slotTable()[1].listIndex, 1);

    useList({QStringLiteral("abc"), photos[0], photos[1]});
    list.currentPhoto.clear();
    ASSERT_TRUE(render());
    const SlotRecord& white = pass->slotTable()[1];
    EXPECT_EQ(white.fileName, QStringLiteral("abc"));
    EXPECT_EQ(white.failed, 0);
    EXPECT_EQ(white.listIndex, 0);
    EXPECT_EQ(white.sizeText, QString());
    EXPECT_EQ(pass->slotTable()[2].fileName, photos[0]);
    EXPECT_EQ(pass->slotTable()[3].fileName, photos[1]);
    EXPECT_FALSE(pass->redSeen());
    // Inside its outline slot 1 (50,0)-(350,200) is untouched.
    EXPECT_TRUE(allWhite(page, QRect(52, 2, 296, 196)));
}

TEST_F(RenderPassTest, WindowTitleAndStatusTexts) {
    const QStringList photos = makePhotos(3);
    useList(photos);
    choosePageResolution(settings, nullptr, 100);
    ASSERT_TRUE(render());
    ASSERT_EQ(fakes.status.titles.size(), 1);
    EXPECT_EQ(fakes.status.titles[0],
              QStringLiteral("Snapvale [v 02.52.15] - Template Size ->  8.00 in x  10.00 in: (800 x 1000) -> "
                             "resolution [100 DPI]"));
    EXPECT_EQ(fakes.status.panes[2].first(), QStringLiteral("Loading 3 photos into template..."));
    EXPECT_EQ(fakes.status.panes[2].last(), QStringLiteral("Three 4 x 6 Prints"));
    EXPECT_TRUE(fakes.status.panes[0].contains(QStringLiteral("Loading photo (2 of 3) - ") + photos[1]));
    // A portrait 40 x 60 photo into the landscape first slot: turned, then cut to 4 x 6.
    EXPECT_TRUE(fakes.status.panes[0].contains(QStringLiteral("Loading photo (1 of 3) - ") + photos[0] +
                                               QStringLiteral(" (100.0 fit) -> cropped to 0 60 0 40")));
    EXPECT_EQ(fakes.status.panes[0].last(), QStringLiteral("3 photos loaded (1 - 3) from disk: /photos/"));
    EXPECT_EQ(fakes.status.panes[1].last(),
              QStringLiteral("     Full Page Template -> Paper (8.50 x 11.00 in)"));
    EXPECT_EQ(fakes.status.progress, (std::vector<int>{0, 33, 66, 100, 0}));
    EXPECT_EQ(fakes.status.indicators.first(), QStringLiteral("LED_DKGRN"));
    EXPECT_TRUE(fakes.status.indicators.contains(QStringLiteral("LED_LTGRN")));

    const SlotRecord& first = pass->slotTable()[1];
    EXPECT_EQ(first.sizeText, QStringLiteral("[40 x 60]"));
    EXPECT_EQ(first.rotated, 1);
    EXPECT_EQ(first.cropped, 1);
    EXPECT_EQ(first.fittedWidth, 60);
    EXPECT_EQ(first.fittedHeight, 40);
    EXPECT_EQ(first.slotWidth, 600);
    EXPECT_EQ(first.slotHeight, 400);

    settings.ImportedAlbum = QStringLiteral("/albums/trip.pho");
    chooseHalfPageStyles(settings, nullptr, 125, 129);
    ASSERT_TRUE(render());
    EXPECT_EQ(fakes.status.panes[0].last(),
              QStringLiteral("7 photos loaded (1 - 1) from photo album: /albums/trip.pho"));
    EXPECT_EQ(fakes.status.panes[1].last(),
              QStringLiteral("     Half Page Templates ->Paper (8.50 x 11.00 in)"));
    EXPECT_EQ(fakes.status.panes[2].last(),
              QStringLiteral("Top: One 5\" x 7\" Prints + Bottom: Six (Wallet) 2 x 3 Prints"));
}

TEST_F(RenderPassTest, HalfPageWithAnEmptyTopStyle) {
    useList(makePhotos(6));
    chooseHalfPageStyles(settings, nullptr, 123, 129);
    choosePageResolution(settings, nullptr, 30);
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotCount(), 6);
    EXPECT_EQ(pass->layoutText(), QStringLiteral("Top: No Photos + Bottom: Six (Wallet) 2 x 3 Prints"));
    // Nothing is drawn in the upper half.
    EXPECT_TRUE(allWhite(page, QRect(0, 0, settings.CanvasWidth, settings.CanvasHeight / 2 - 1)));
}

TEST_F(RenderPassTest, PhotoBorderInsetsEverySlot) {
    choose(QStringLiteral("One Borderless 8in x 10in Print"), 100);
    useList({writeSolidPhoto(path("red.png"), 80, 100, Qt::red)});
    ASSERT_TRUE(render());
    // No border: the cropped photo reaches every edge.
    EXPECT_TRUE(near(pixel(0, 0), Qt::red));
    EXPECT_TRUE(near(pixel(799, 999), Qt::red));
    EXPECT_EQ(pass->slotTable()[1].slotWidth, 800);

    settings.PhotoBorder = 0.1;  // 10 pixels at 100 DPI
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotTable()[1].slotWidth, 780);
    EXPECT_EQ(pass->slotTable()[1].slotHeight, 980);
    EXPECT_TRUE(isWhite(pixel(9, 500)));
    EXPECT_TRUE(near(pixel(10, 500), Qt::red));
    EXPECT_TRUE(near(pixel(789, 500), Qt::red));
    EXPECT_TRUE(isWhite(pixel(790, 500)));
    // 80 x 100 fitted into 780 x 980 is 780 x 975, centred: rows 12 to 986.
    EXPECT_TRUE(isWhite(pixel(400, 11)));
    EXPECT_TRUE(near(pixel(400, 12), Qt::red));
    EXPECT_TRUE(near(pixel(400, 986), Qt::red));
    EXPECT_TRUE(isWhite(pixel(400, 995)));
}

TEST_F(RenderPassTest, SingleImagePutsOnePhotoInEverySlot) {
    const QStringList photos = makePhotos(3);
    useList(photos);
    settings.UseSingleImage = 1;
    ASSERT_TRUE(render());
    for (int slot = 1; slot <= 3; ++slot) EXPECT_EQ(pass->slotTable()[slot].fileName, photos[0]);
    EXPECT_EQ(list.currentPhoto, photos[0]);
    EXPECT_EQ(list.cursor(), 1);
}

TEST_F(RenderPassTest, GrayscaleTurnsTheKeptPageGrey) {
    useList({writeSolidPhoto(path("red.png"), 40, 60, Qt::red)});
    settings.GrayscalePhotos = 1;
    ASSERT_TRUE(render());
    const QRgb c = pixel(100, 300);
    EXPECT_EQ(qRed(c), qGreen(c));
    EXPECT_EQ(qGreen(c), qBlue(c));
    EXPECT_EQ(qRed(c), grayLevel(255, 0, 0));
}

namespace {
class FakeSheetDrawer : public IndexSheetDrawer {
public:
    int calls = 0;
    IndexSheetPlacement seen;
    QString name;
    void drawSheet(RenderPass& pass, Canvas& canvas, const Template& tpl,
                   const IndexSheetPlacement& sheet) override {
        ++calls;
        seen = sheet;
        name = tpl.name;
        canvas.painter().fillRect(sheet.sheetArea.left, sheet.sheetArea.top, 10, 10, Qt::black);
        pass.countSlot();
    }
};
}  // namespace

TEST_F(RenderPassTest, IndexSheetsGoToTheirDrawerOrSayTheyAreMissing) {
    const QStringList photos = makePhotos(2);
    useList(photos);
    choose(QStringLiteral("Index Sheet (Negative Strip) - 16 Prints"));
    ASSERT_TRUE(render());
    EXPECT_TRUE(pass->indexSheetMode());
    EXPECT_TRUE(pass->indexSheetMissing());
    EXPECT_TRUE(allWhite(page, QRect(0, 0, settings.CanvasWidth, settings.CanvasHeight)));
    EXPECT_TRUE(fakes.status.panes[0].last().contains(QLatin1String("cannot be drawn yet")));
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_GRAY"));

    FakeSheetDrawer drawer;
    pass->setIndexSheetDrawer(&drawer);
    ASSERT_TRUE(render());
    EXPECT_EQ(drawer.calls, 1);
    EXPECT_EQ(drawer.name, QStringLiteral("Index Sheet (Negative Strip) - 16 Prints"));
    EXPECT_EQ(drawer.seen.columns, 4);
    EXPECT_EQ(drawer.seen.rows, 4);
    EXPECT_EQ(drawer.seen.frameLabelLimit, 20);
    EXPECT_FALSE(drawer.seen.slides);
    EXPECT_FALSE(pass->indexSheetMissing());
    EXPECT_EQ(pass->slotCount(), 16);
    EXPECT_EQ(fakes.status.progress[fakes.status.progress.size() - 2], 6);  // 1 of 16
    EXPECT_FALSE(allWhite(page, QRect(0, 0, settings.CanvasWidth, settings.CanvasHeight)));
}

// Turned and cut photos are drawn straight from the loaded photo; that must give
// exactly the pixels of turning, cutting and drawing a copy (which a clipped painter
// still takes).
TEST_F(RenderPassTest, DrawingAViewMatchesDrawingATurnedAndCutCopy) {
    struct Case {
        QSize photo;
        QRect inner;
        PrintSizeClass cls;
    };
    const Case cases[] = {
        {{301, 203}, {7, 5, 650, 900}, PrintSizeClass::Print8x10},   // turned and cut
        {{203, 301}, {3, 9, 640, 700}, PrintSizeClass::Print4x6},    // cut only
        {{500, 500}, {0, 0, 333, 222}, PrintSizeClass::Wallet2x3},   // square: cut to the slot's shape
        {{120, 80}, {11, 13, 620, 610}, PrintSizeClass::Print8x10},  // enlarged a lot
    };
    for (const Case& c : cases) {
        const QString file =
            writeTestPhoto(path(QStringLiteral("view.png")), c.photo.width(), c.photo.height(), 5);
        SlotFitContext fit;
        fit.classes = PrintSizeClasses::of(c.cls);
        QImage direct(700, 950, QImage::Format_RGB32), copied(700, 950, QImage::Format_RGB32);
        direct.fill(Qt::white);
        copied.fill(Qt::white);
        SlotDrawing a, b;
        {
            PhotoImage photo;
            ASSERT_TRUE(photo.LoadFile(file));
            QPainter p(&direct);
            a = DrawPhotoInSlot(p, photo, c.inner, fit, settings);
        }
        {
            PhotoImage photo;
            ASSERT_TRUE(photo.LoadFile(file));
            QPainter p(&copied);
            p.setClipRect(QRect(0, 0, 700, 950));
            b = DrawPhotoInSlot(p, photo, c.inner, fit, settings);
        }
        EXPECT_EQ(a.rotated, b.rotated);
        EXPECT_EQ(a.cropped, b.cropped);
        EXPECT_EQ(a.fittedWidth, b.fittedWidth);
        EXPECT_EQ(a.fittedHeight, b.fittedHeight);
        EXPECT_TRUE(direct == copied) << c.photo.width() << "x" << c.photo.height();
    }
}

TEST_F(RenderPassTest, WatermarkKeepsItsCornerOnATurnedPhoto) {
    // A portrait photo turned into the landscape first slot (100,0)-(700,400) at 100 DPI:
    // "bottom right" as the person sees the print is the top right of the turned slot.
    useList({writeSolidPhoto(path("red.png"), 40, 60, Qt::red)});
    choosePageResolution(settings, nullptr, 100);
    settings.UseTextLogo = 1;
    settings.LogoLocation = 1;
    settings.LogoTextColorref = rgbColor(0, 0, 255);
    ASSERT_TRUE(render());
    ASSERT_EQ(pass->slotTable()[1].rotated, 1);
    EXPECT_EQ(settings.LogoLocation, 1);  // only remapped for the call
    auto bluePixels = [&](const QRect& r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb c = pixel(x, y);
                if (qBlue(c) > 200 && qRed(c) < 60) ++n;
            }
        return n;
    };
    EXPECT_GT(bluePixels(QRect(400, 0, 300, 200)), 20);
    EXPECT_EQ(bluePixels(QRect(400, 200, 300, 200)), 0);
    EXPECT_EQ(bluePixels(QRect(100, 0, 300, 400)), 0);
}

TEST_F(RenderPassTest, CutMarksGoBesideThePrintsAndLeaveEveryPhotoAsItWas) {
    // Photos of one dark colour each, so any mark inside a slot would show.
    useList(makePhotos(3));
    choose(QStringLiteral("Three 4 x 6 Prints"), 100);
    ASSERT_TRUE(render());
    const QImage without = page;
    settings.CutMarks = 1;
    ASSERT_TRUE(render());
    const QImage with = page;
    ASSERT_EQ(with.size(), without.size());

    PlacementContext context = PlacementContext::fromSettings(settings);
    context.canvasWidth = settings.CanvasWidth;
    context.canvasHeight = settings.CanvasHeight;
    const PagePlan plan = planPage(context);
    QRegion slots;
    for (const PlacedSlot& s : plan.slots)
        slots += QRect(s.rect.left, s.rect.top, s.rect.width(), s.rect.height());
    int changed = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y)) continue;
            ++changed;
            ASSERT_FALSE(slots.contains(QPoint(x, y))) << "changed inside a slot at " << x << "," << y;
            // Marks go on the page's white only, and they are black.
            EXPECT_TRUE(isWhite(without.pixel(x, y)));
            EXPECT_EQ(with.pixel(x, y) & 0xffffff, 0u);
        }
    EXPECT_GT(changed, 0);

    // One print has nothing to be cut from: the switch changes nothing.
    choose(QStringLiteral("One 8 x 10 Print"), 100);
    useList(makePhotos(1));
    settings.CutMarks = 0;
    ASSERT_TRUE(render());
    const QImage single = page;
    settings.CutMarks = 1;
    ASSERT_TRUE(render());
    EXPECT_TRUE(page == single);
}
