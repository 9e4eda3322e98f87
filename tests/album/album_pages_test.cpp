// Album pages: where the cells lie, how a page walks the album, what a cell shows and
// says, the progress bar, the thumbnail and the printed page.

#include <QFile>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include "album/AlbumFile.h"
#include "album/AlbumPages.h"
#include "layout/PageFonts.h"
#include "output/PagePrinter.h"
#include "render/RenderTestSupport.h"

namespace {

// A paint device that keeps every line of text drawn on it and nothing else.
class TextRecordingEngine final : public QPaintEngine {
public:
    TextRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QStringList lines;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { lines << item.text(); }
    Type type() const override { return QPaintEngine::User; }
};

class TextRecordingDevice final : public QPaintDevice {
public:
    TextRecordingDevice(int width, int height) : width_(width), height_(height) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    QStringList lines() const { return engine_.lines; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return width_;
            case PdmHeight:
                return height_;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
            default:
                return QPaintDevice::metric(m);
        }
    }

private:
    int width_, height_;
    mutable TextRecordingEngine engine_;
};

const QColor kColours[] = {QColor(220, 30, 30), QColor(30, 170, 40), QColor(30, 50, 210),
                           QColor(230, 200, 20)};

bool near(QRgb a, const QColor& b, int tolerance = 6) {
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

}  // namespace

class AlbumPagesTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        model.setSeams(&fakes.status, &fakes.notifier);
    }
    // count solid photos of 200 x 150 in the colours above, as the album's files.
    QStringList solidAlbum(int count) {
        QStringList files;
        for (int i = 0; i < count; ++i)
            files << writeSolidPhoto(path(QStringLiteral("photo%1.png").arg(i + 1)), 200, 150, kColours[i]);
        model.setFiles(files);
        return files;
    }
    // The colour in the middle of each cell of the last preview.
    std::vector<QRgb> cellCentres() const {
        const QImage& page = model.cachedPreview();
        const AlbumPageGeometry g = albumPageGeometry(model.layout(), page.width(), page.height());
        std::vector<QRgb> out;
        for (const QPoint& p : g.cells)
            out.push_back(page.pixel(p.x() + g.cellWidth / 2, p.y() + g.cellHeight / 2));
        return out;
    }
    // The lines of text a page from `start` draws.
    QStringList pageTexts(int width, int height, int start) {
        TextRecordingDevice device(width, height);
        QPainter painter(&device);
        model.drawPage(painter, width, height, start);
        return device.lines();
    }

    FakeServices fakes;
    AlbumPageModel model;
};

TEST(AlbumPageGeometryTest, CellsFollowTheGapMarginsAndSpreadFactor) {
    struct Case {
        const char* layout;
        bool twoPage;
        QSize area;
        int cellWidth, cellHeight;
        std::vector<QPoint> first;  // the first cells in drawing order
    };
    const Case cases[] = {
        // 450 wide: gap 16, margin 24, three cells of 134 from x = 40; top margin 9.
        {"3 x 2", false, {450, 400}, 134, 191, {{40, 9}, {174, 9}, {308, 9}, {40, 200}}},
        // A spread of 640: gap 16, pages 280 wide (margin 180), the right page at
        // trunc(2 x 140 x 1.17) = 327; top margin 20. The left page comes first.
        {"2 x 2",
         true,
         {640, 480},
         140,
         220,
         {{16, 20}, {156, 20}, {16, 240}, {156, 240}, {343, 20}, {483, 20}}},
        // Truncation everywhere: 333 x 251 gives gap 11, margin 18, cells of 99.
        {"3 x 3", false, {333, 251}, 99, 80, {{29, 5}, {128, 5}, {227, 5}, {29, 85}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const AlbumLayout layout = AlbumLayout::fromText(QString::fromLatin1(c.layout), c.twoPage);
        const AlbumPageGeometry g = albumPageGeometry(layout, c.area.width(), c.area.height());
        EXPECT_EQ(g.cellWidth, c.cellWidth);
        EXPECT_EQ(g.cellHeight, c.cellHeight);
        ASSERT_EQ(int(g.cells.size()), layout.photosPerPage());
        for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(g.cells[i], c.first[i]) << "cell " << i;
    }
}

TEST(AlbumLayoutTest, OnlyTheListedLayoutsAreTaken) {
    EXPECT_EQ(AlbumLayout::fromText(QStringLiteral("2 x 3")), (AlbumLayout{2, 3, false, false}));
    EXPECT_EQ(AlbumLayout::fromText(QStringLiteral("4 x 3"), true).photosPerPage(), 24);
    for (const char* other : {"5 x 5", "4 x 1", "2x2", "", "2 x 2 "})
        EXPECT_EQ(AlbumLayout::fromText(QString::fromLatin1(other)), AlbumLayout{}) << other;
    EXPECT_EQ(albumLayoutChoices().size(), 11);
}

TEST(AlbumCaptionTest, FontAndBandFollowTheCellHeight) {
    struct Case {
        int cellHeight;
        int font;
        int band;
    };
    // 8 % of 100 is raised to 15, 32 (of 400) lowered to 20; 8 % of 230 is 18.4.
    for (const Case& c : {Case{100, 15, 30}, Case{400, 20, 40}, Case{230, 18, 36}}) {
        EXPECT_EQ(albumCaptionFontHeight(c.cellHeight), c.font) << c.cellHeight;
        EXPECT_EQ(albumCaptionBandHeight(c.cellHeight, true), c.band) << c.cellHeight;
        EXPECT_EQ(albumCaptionBandHeight(c.cellHeight, false), 0) << c.cellHeight;
    }
}

TEST(ShortenCaptionTest, CutsTheMiddle) {
    const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
    const QString seventy = QString(QStringLiteral("0123456789")).repeated(7);
    struct Case {
        QString text;
        int length;
        QString expected;
    };
    const Case cases[] = {
        // t = trunc(20 x 0.7f) - 4 = 9: a double 0.7 would give 10.
        {thirty, 20, QStringLiteral("abcdefgh...vwxyz0123")},
        {seventy, 60, seventy.left(20) + QStringLiteral("...") + seventy.right(37)},
        {thirty, 30, thirty},
        {thirty, 7, thirty},  // t would be 0
        {thirty, 8, QStringLiteral("abcd...3")},
        // Characters beyond the first plane count once and are never split.
        {QStringLiteral(
             "\U0001F600\U0001F601\U0001F602\U0001F603\U0001F604\U0001F605\U0001F606\U0001F607\U0001F608"),
         8, QStringLiteral("\U0001F600\U0001F601\U0001F602\U0001F603...\U0001F608")},
    };
    for (const Case& c : cases) {
        const QString got = ShortenCaption(c.text, c.length);
        EXPECT_EQ(got, c.expected) << c.text.toStdString() << " to " << c.length;
        if (got != c.text) {
            EXPECT_EQ(got.toUcs4().size(), c.length);
        }
    }
}

TEST_F(AlbumPagesTest, PageWrapsToTheFirstFileAndTheNextPageContinues) {
    solidAlbum(3);
    model.setLayoutText(QStringLiteral("2 x 2"));
    ASSERT_TRUE(model.setPageStart(0));
    ASSERT_TRUE(model.RenderAlbumPage(QSize(400, 300), AlbumPageModel::Drawing::PageChange));
    const std::vector<QRgb> cells = cellCentres();
    ASSERT_EQ(cells.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(near(cells[std::size_t(i)], kColours[i % 3])) << "cell " << i;
    EXPECT_EQ(model.firstFileOfPage(), 0);
    EXPECT_EQ(model.runningPosition(), 1);
    EXPECT_EQ(model.pageStart(), 1);  // the next page starts at file 2
    EXPECT_EQ(fakes.status.panes[0].last(), QStringLiteral("Album contains 3 file(s)."));

    // A layout change draws from the page start and leaves it there.
    model.setTwoPage(true);
    EXPECT_FALSE(model.hasCachedPreview());
    ASSERT_TRUE(model.RenderAlbumPage(QSize(400, 300), AlbumPageModel::Drawing::LayoutChange));
    EXPECT_TRUE(near(cellCentres().front(), kColours[1]));
    EXPECT_EQ(model.firstFileOfPage(), 1);
    EXPECT_EQ(model.pageStart(), 1);
    EXPECT_EQ(model.runningPosition(), (1 + 8) % 3);

    // Paging from the first file: page 3 of eight-photo pages begins at (2 x 8) mod 3.
    EXPECT_EQ(model.pageStartFor(3), 1);
    EXPECT_EQ(model.pageStartFor(4), 0);
}

TEST_F(AlbumPagesTest, ChangingTheAlbumKeepsPositionsInsideIt) {
    const QStringList files = solidAlbum(4);
    ASSERT_TRUE(model.setPageStart(3));
    ASSERT_TRUE(model.RenderAlbumPage(QSize(200, 150), AlbumPageModel::Drawing::LayoutChange));
    EXPECT_EQ(model.firstFileOfPage(), 3);
    model.setFiles(files.mid(0, 2));
    EXPECT_FALSE(model.hasCachedPreview());
    EXPECT_EQ(model.pageStart(), 0);
    EXPECT_EQ(model.firstFileOfPage(), -1);
    EXPECT_FALSE(model.setPageStart(2));
    model.setFiles({});
    EXPECT_EQ(model.pageStart(), -1);
    // An empty album shows the background alone.
    ASSERT_TRUE(model.RenderAlbumPage(QSize(200, 150), AlbumPageModel::Drawing::PageChange));
    EXPECT_EQ(model.firstFileOfPage(), -1);
    EXPECT_EQ(fakes.status.panes[0].last(), QStringLiteral("Album contains 0 file(s)."));
}

TEST_F(AlbumPagesTest, MissingFileShowsTheLoadErrorPictureAndText) {
    const QString missing = path(QStringLiteral("gone & away.jpg"));
    QStringList files = solidAlbum(1);
    files << missing;
    model.setFiles(files);
    model.setLayoutText(QStringLiteral("2 x 1"));
    model.setCaptions(true);
    const QStringList lines = pageTexts(600, 300, 0);
    const QStringList expected = {QStringLiteral("(200x150)"),
                                  QStringLiteral("photo1.png"),
                                  QStringLiteral("(?x?) Image Load Error"),
                                  QStringLiteral("gone & away.jpg"),
                                  QStringLiteral("Check your file location."),
                                  QStringLiteral("(350x233)"),
                                  QStringLiteral("gone & away.jpg")};
    EXPECT_EQ(lines, expected);

    // On the page: picture 170's pale card fills the failed cell's picture.
    ASSERT_TRUE(model.RenderAlbumPage(QSize(600, 300), AlbumPageModel::Drawing::LayoutChange));
    const AlbumPageGeometry g = albumPageGeometry(model.layout(), 600, 300);
    const QPoint p = g.cells[1] + QPoint(g.cellWidth / 2, g.cellHeight / 4);
    EXPECT_TRUE(near(model.cachedPreview().pixel(p), QColor(232, 232, 232), 3));
}

TEST_F(AlbumPagesTest, LongNamesAreShortenedToTheCellWidthOnlyWithCaptions) {
    const QString longName = QStringLiteral("a-very-long-holiday-photo-name-from-the-camera-0001.png");
    model.setFiles({writeSolidPhoto(path(longName), 40, 30, Qt::red)});
    model.setLayoutText(QStringLiteral("4 x 4"));
    const QStringList plain = pageTexts(450, 400, 0);
    EXPECT_TRUE(plain.isEmpty()) << plain.join('|').toStdString();  // no band, nothing to read

    model.setCaptions(true);
    const QStringList lines = pageTexts(450, 400, 0);
    ASSERT_EQ(lines.size(), 32);
    // Cut in the middle to a length that fits the 100-pixel cell.
    const QString shown = lines[1];
    EXPECT_LT(shown.size(), longName.size() / 2);
    EXPECT_EQ(shown, ShortenCaption(longName, int(shown.size())));
    EXPECT_LE(
        QFontMetrics(fontWithCellHeight(QStringLiteral("Arial"), 15, QFont::Normal)).horizontalAdvance(shown),
        110);
    EXPECT_EQ(lines[0], QStringLiteral("(40x30)"));
}

TEST_F(AlbumPagesTest, CaptionBandTakesItsHeightFromThePictureBox) {
    // Areas whose single cell is 100 and 400 pixels high: the band of 30 or 40 pixels
    // leaves a box of 70 or 360 that a tall photo fills from top to bottom.
    struct Case {
        int areaHeight;
        int box;
    };
    model.setFiles({writeSolidPhoto(path(QStringLiteral("tall.png")), 100, 400, Qt::blue)});
    model.setCaptions(true);
    for (const Case& c : {Case{104, 70}, Case{418, 360}}) {
        SCOPED_TRACE(c.areaHeight);
        ASSERT_TRUE(model.RenderAlbumPage(QSize(600, c.areaHeight), AlbumPageModel::Drawing::LayoutChange));
        const QImage& page = model.cachedPreview();
        const AlbumPageGeometry g = albumPageGeometry(model.layout(), 600, c.areaHeight);
        const int x = g.cells[0].x() + g.cellWidth / 2;
        int top = -1, bottom = -1;
        for (int y = 0; y < page.height(); ++y)
            if (near(page.pixel(x, y), QColor(Qt::blue), 40)) {
                if (top < 0) top = y;
                bottom = y;
            }
        // The frame takes two pixels at each end of the picture.
        EXPECT_EQ(top, g.cells[0].y() + 2);
        EXPECT_EQ(bottom - top + 1, c.box - 4);
    }
}

TEST_F(AlbumPagesTest, ProgressRunsFromTheFirstPhotoToAHundredAndHides) {
    solidAlbum(2);
    model.setLayoutText(QStringLiteral("1 x 3"));
    ASSERT_TRUE(model.RenderAlbumPage(QSize(300, 300), AlbumPageModel::Drawing::PageChange));
    EXPECT_EQ(fakes.status.progress, (std::vector<int>{0, 33, 66, 100, 0}));
}

TEST_F(AlbumPagesTest, InputLetThroughTheProgressBarCannotUpsetTheDrawing) {
    // As the editor's progress bar may let clicks through, this one clicks mid-page.
    struct ClickingBar final : RecordingStatusSink {
        AlbumPageModel* model = nullptr;
        bool nested = true;
        void setProgress(int position) override {
            if (position != 50 || !model) return;
            nested = model->RenderAlbumPage(QSize(200, 150), AlbumPageModel::Drawing::PageChange);
            model->setPageStart(3);
            model = nullptr;
        }
    } bar;
    bar.model = &model;
    model.setSeams(&bar, &fakes.notifier);
    solidAlbum(4);
    model.setLayoutText(QStringLiteral("2 x 1"));
    EXPECT_FALSE(model.RenderAlbumPage(QSize(200, 150), AlbumPageModel::Drawing::PageChange));
    EXPECT_FALSE(bar.nested);  // refused while the first page was under way
    EXPECT_FALSE(model.hasCachedPreview());
    EXPECT_EQ(model.pageStart(), 3);  // the click's page start, not the stale page's end
    EXPECT_TRUE(model.RenderAlbumPage(QSize(200, 150), AlbumPageModel::Drawing::PageChange));
    EXPECT_EQ(model.firstFileOfPage(), 3);
}

TEST_F(AlbumPagesTest, FiguresAreFullSizeWhilePhotosDecodeSmall) {
    // A 1600 x 1200 JPEG in cells of about a hundred pixels decodes at 1/8, and every
    // thread count draws the same page.
    QStringList files;
    for (int i = 0; i < 3; ++i)
        files << writeTestPhoto(path(QStringLiteral("big%1.jpg").arg(i)), 1600, 1200, i + 1);
    model.setFiles(files);
    model.setLayoutText(QStringLiteral("3 x 3"));
    model.setCaptions(true);
    const QStringList lines = pageTexts(450, 400, 0);
    EXPECT_EQ(lines.count(QStringLiteral("(1600x1200)")), 9);
    EXPECT_EQ(model.reducedDecodes(), 9);

    QImage pages[3];
    for (int threads : {0, 1, 2}) {
        model.setDecodeThreads(threads);
        model.dropCachedPreview();
        ASSERT_TRUE(model.RenderAlbumPage(QSize(450, 400), AlbumPageModel::Drawing::LayoutChange));
        pages[threads] = model.cachedPreview();
    }
    EXPECT_EQ(pages[0], pages[1]);
    EXPECT_EQ(pages[0], pages[2]);
}

TEST_F(AlbumPagesTest, PreviewIsDrawnOnceUntilSomethingChanges) {
    solidAlbum(2);
    const QImage first = model.preview(QSize(200, 150));
    ASSERT_FALSE(first.isNull());
    const auto texts = fakes.status.panes[0].size();
    EXPECT_EQ(model.preview(QSize(200, 150)).cacheKey(), model.cachedPreview().cacheKey());
    EXPECT_EQ(fakes.status.panes[0].size(), texts);  // shown again, not drawn
    EXPECT_EQ(model.pageStart(), 0);                 // and drawing it moved nothing
}

TEST_F(AlbumPagesTest, AreaThatCannotBeMadeReportsTheMemoryError) {
    solidAlbum(2);
    ASSERT_TRUE(model.RenderAlbumPage(QSize(200, 150), AlbumPageModel::Drawing::PageChange));
    const qint64 kept = model.cachedPreview().cacheKey();
    const int start = model.pageStart();
    const QSize huge(200000, 200000);
    EXPECT_FALSE(model.RenderAlbumPage(huge, AlbumPageModel::Drawing::PageChange));
    EXPECT_EQ(fakes.status.titles.last(), QStringLiteral("*Bitmap Memory Error*"));
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown.back().text,
              QStringLiteral("Bitmap Memory Error - reduce your page size and/or resolution."));
    EXPECT_EQ(model.cachedPreview().cacheKey(), kept);
    EXPECT_EQ(model.pageStart(), start);
    // A repaint at that size does not ask again until something changes.
    EXPECT_TRUE(model.preview(huge).isNull());
    EXPECT_EQ(fakes.notifier.shown.size(), 1u);

    // Thumbnail and print say the same and make nothing.
    model.setThumbnailAreaSize(huge);
    const QString jpeg = path(QStringLiteral("thumb.jpg")), text = path(QStringLiteral("thumb.txt"));
    EXPECT_FALSE(model.MakeAlbumThumbnail(jpeg, text));
    EXPECT_FALSE(QFile::exists(jpeg));
    EXPECT_EQ(model.PrintAlbumPage(fakes.printer), AlbumPageModel::PrintOutcome::MemoryError);
    EXPECT_TRUE(fakes.printer.spooled.empty());
    EXPECT_EQ(fakes.notifier.shown.size(), 3u);
}

TEST_F(AlbumPagesTest, PrintEnlargesASmallThumbnailAreaForGood) {
    fakes.printer.name = QStringLiteral("Desk");
    fakes.printer.page = PrinterPage{2400, 3200, 300, 300};
    solidAlbum(3);
    model.setLayoutText(QStringLiteral("2 x 2"));
    ASSERT_TRUE(model.RenderAlbumPage(QSize(300, 260), AlbumPageModel::Drawing::PageChange));
    model.setThumbnailAreaSize(QSize(280, 278));

    EXPECT_EQ(model.PrintAlbumPage(fakes.printer), AlbumPageModel::PrintOutcome::Printed);
    ASSERT_EQ(fakes.printer.spooled.size(), 1u);
    const auto& printed = fakes.printer.spooled.front();
    EXPECT_EQ(printed.bitmapWidth, 1800);
    EXPECT_EQ(printed.bitmapHeight, 1600);
    EXPECT_EQ(printed.documentName, QStringLiteral("Photo Album Page Print"));
    EXPECT_EQ(printed.orientation, kPrintPortrait);
    // Fitted inside quarter-inch margins (75 dots), at the top-left margin corner.
    EXPECT_EQ(printed.placement, QRect(75, 75, 2250, 2000));
    EXPECT_EQ(model.thumbnailAreaSize(), QSize(1800, 1600));
    // The print drew the page on show, from its first file (files 1, 2, 3, 1), not the
    // next one from the page start, and left the page start alone.
    EXPECT_EQ(model.runningPosition(), 1);
    EXPECT_EQ(model.pageStart(), 1);
    EXPECT_TRUE(fakes.notifier.shown.empty());

    // The next thumbnail is made at the enlarged size and is the album's thumbnail text.
    const QString jpeg = path(QStringLiteral("thumb.jpg")), text = path(QStringLiteral("thumb.txt"));
    ASSERT_TRUE(model.MakeAlbumThumbnail(jpeg, text));
    const QImage thumbnail(jpeg);
    EXPECT_EQ(thumbnail.size(), QSize(1800, 1600));
    EXPECT_EQ(DecodeThumbnailData(readFileBytes(text)), readFileBytes(jpeg));
    EXPECT_TRUE(near(thumbnail.pixel(thumbnail.width() / 4, thumbnail.height() / 4), kColours[0], 24));

    // An area 500 or more wide is printed as it is.
    model.setThumbnailAreaSize(QSize(500, 400));
    EXPECT_EQ(model.PrintAlbumPage(fakes.printer), AlbumPageModel::PrintOutcome::Printed);
    EXPECT_EQ(fakes.printer.spooled.back().bitmapWidth, 500);
}

TEST_F(AlbumPagesTest, EmptyAlbumIsNotPrinted) {
    fakes.printer.name = QStringLiteral("Desk");
    fakes.printer.page = PrinterPage{2400, 3200, 300, 300};
    EXPECT_EQ(model.PrintAlbumPage(fakes.printer), AlbumPageModel::PrintOutcome::EmptyAlbum);
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown.back().text, QStringLiteral("Your album is empty!"));
    EXPECT_TRUE(fakes.printer.spooled.empty());
    EXPECT_EQ(model.thumbnailAreaSize(), kDefaultThumbnailArea);
    EXPECT_FALSE(model.MakeAlbumThumbnail(path(QStringLiteral("t.jpg")), path(QStringLiteral("t.txt"))));
}

TEST_F(AlbumPagesTest, GoldenSinglePageAndSpreadWithCaptions) {
    ImageList photos;
    addGoldenPhotos(photos, dirPath(), {{400, 300}, {300, 400}, {500, 200}, {320, 320}, {240, 360}});
    QStringList files(photos.entries().begin(), photos.entries().end());
    files.insert(2, path(QStringLiteral("missing-photo.jpg")));
    model.setFiles(files);
    model.setCaptions(true);
    model.setLayoutText(QStringLiteral("3 x 2"));
    ASSERT_TRUE(model.RenderAlbumPage(QSize(600, 450), AlbumPageModel::Drawing::PageChange));
    expectGoldenPage(model.cachedPreview(), QStringLiteral("album-single-3x2"));
    model.setLayoutText(QStringLiteral("2 x 2"));
    model.setTwoPage(true);
    ASSERT_TRUE(model.RenderAlbumPage(QSize(800, 500), AlbumPageModel::Drawing::LayoutChange));
    expectGoldenPage(model.cachedPreview(), QStringLiteral("album-spread-2x2"));
}
