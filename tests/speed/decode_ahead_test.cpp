// Pages drawn from photos decoded ahead on worker threads and at reduced JPEG
// scales must keep every recorded figure, every status text and their order.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "RenderTestSupport.h"
#include "image/PhotoImage.h"
#include "layout/PageSetup.h"
#include "layout/PhotoSupply.h"

namespace {

// Every status call in the order it was made.
class OrderedStatus : public StatusSink {
public:
    QStringList events;
    void setPaneText(int pane, const QString& text) override {
        events << QStringLiteral("pane%1 %2").arg(pane).arg(text);
    }
    void setIndicator(const QString& name) override { events << QStringLiteral("lamp ") + name; }
    void setProgress(int position) override { events << QStringLiteral("progress %1").arg(position); }
    void setWindowTitle(const QString& title) override { events << QStringLiteral("title ") + title; }
};

// A sheet of frames filled through the photo supply, as the index sheets do it:
// targets announced first, photos fitted whole, figures from the full size.
class FrameSheet : public IndexSheetDrawer {
public:
    int columns = 4, rows = 3;
    // Announce targets that do not match the frames (a drawer gone wrong).
    bool misannounce = false;
    std::vector<QRect> frames(const Canvas& canvas) const {
        std::vector<QRect> out;
        const int w = canvas.width() / columns, h = canvas.height() / rows;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) out.emplace_back(c * w + 4, r * h + 4, w - 8, h - 8);
        return out;
    }
    void drawSheet(RenderPass& pass, Canvas& canvas, const Template&, const IndexSheetPlacement&) override {
        const std::vector<QRect> rects = frames(canvas);
        std::vector<PhotoTarget> targets;
        for (const QRect& r : rects) targets.push_back(PhotoTarget{r.width(), r.height(), false});
        // A stray target after the second frame: the page goes otherwise than foreseen midway.
        if (misannounce && targets.size() > 2) targets.insert(targets.begin() + 2, PhotoTarget{7, 7, false});
        pass.announcePhotoTargets(targets);
        QPainter& painter = canvas.painter();
        for (const QRect& r : rects) {
            pass.countSlot();
            const QString name = pass.imageList().currentPhoto;
            SlotRecord* rec = pass.slotTable().at(pass.loadedCount());
            rec->fileName = name;
            if (name.size() > 3) {
                SuppliedPhoto s = pass.takePhoto(name, PhotoTarget{r.width(), r.height(), false});
                if (s.photo) {
                    rec->photoWidth = s.fullWidth;
                    rec->photoHeight = s.fullHeight;
                    rec->fittedWidth = s.photo->Raster() ? s.photo->Raster()->GetWidth() * s.scale : 0;
                    s.photo->DrawFitted(&painter, r);
                    pass.setIndicator(kLampDarkGreen);
                } else {
                    rec->failed = 1;
                    pass.setIndicator(kLampRed);
                    pass.markRed();
                }
            }
            pass.advanceList();
        }
    }
};

struct PageRun {
    QStringList events;
    std::vector<SlotRecord> records;
    QImage page;
    QByteArray pageBytes;
    int reduced = 0;
    QString firstFile;
    int cursorAfter = 0;
};

void expectSameRecords(const std::vector<SlotRecord>& a, const std::vector<SlotRecord>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        const SlotRecord &x = a[i], &y = b[i];
        SCOPED_TRACE(testing::Message() << "slot " << i << " " << x.fileName.toStdString());
        EXPECT_EQ(x.fileName, y.fileName);
        EXPECT_EQ(x.sizeText, y.sizeText);
        EXPECT_EQ(x.listIndex, y.listIndex);
        EXPECT_EQ(x.photoWidth, y.photoWidth);
        EXPECT_EQ(x.photoHeight, y.photoHeight);
        EXPECT_EQ(x.fittedWidth, y.fittedWidth);
        EXPECT_EQ(x.fittedHeight, y.fittedHeight);
        EXPECT_EQ(x.slotWidth, y.slotWidth);
        EXPECT_EQ(x.slotHeight, y.slotHeight);
        EXPECT_EQ(x.resolutionDeficit, y.resolutionDeficit);
        EXPECT_EQ(x.cropped, y.cropped);
        EXPECT_EQ(x.rotated, y.rotated);
        EXPECT_EQ(x.failed, y.failed);
        EXPECT_EQ(x.lowResolution, y.lowResolution);
    }
}

// Mean absolute difference per channel, and the share of pixels off by more than 48
// in any channel.
struct PageDifference {
    double mean = 0;
    double farShare = 0;
};
PageDifference compare(const QImage& a, const QImage& b) {
    PageDifference d;
    if (a.size() != b.size()) return PageDifference{255, 1};
    double sum = 0;
    long far = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q)), dg = std::abs(qGreen(p) - qGreen(q)),
                      db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            if (std::max({dr, dg, db}) > 48) ++far;
        }
    const double n = double(a.width()) * a.height();
    d.mean = sum / (3 * n);
    d.farShare = far / n;
    return d;
}

class DecodeAheadTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        // Landscape, portrait, odd-sized (reduced sizes round up), square, and one too
        // small for its slot (graded yellow).
        photos << writeTestPhoto(path("land.jpg"), 1600, 1200, 1)
               << writeTestPhoto(path("port.jpg"), 1200, 1600, 2)
               << writeTestPhoto(path("odd.jpg"), 1001, 1403, 3)
               << writeTestPhoto(path("square.jpg"), 1000, 1000, 4)
               << writeTestPhoto(path("small.jpg"), 120, 90, 5);
        for (const QString& p : photos) ASSERT_FALSE(p.isEmpty());
    }

    PageRun run(const QString& templateName, int dpi, const QStringList& files, int threads, bool reduced,
                IndexSheetDrawer* drawer = nullptr, const std::function<void(AppSettings&)>& adjust = {}) {
        AppSettings settings = quickSettings(templateName, dpi);
        if (adjust) adjust(settings);
        ImageList list;
        for (const QString& f : files) list.append(f);
        OrderedStatus status;
        RenderPass pass(settings, list, &status, nullptr);
        pass.setDecodeThreads(threads);
        pass.setReducedDecoding(reduced);
        if (drawer) pass.setIndexSheetDrawer(drawer);
        Canvas canvas;
        EXPECT_TRUE(canvas.create(settings.CanvasWidth, settings.CanvasHeight));
        KeptPage kept;
        EXPECT_TRUE(pass.renderPage(canvas, kept));
        // No decoding outlives the pass.
        EXPECT_EQ(pass.runningDecoders(), 0);
        PageRun r;
        r.events = status.events;
        for (int i = 0; i < SlotTable::kRecords; ++i) r.records.push_back(pass.slotTable()[i]);
        r.page = keptPageImage(kept.image);
        r.pageBytes = QByteArray(reinterpret_cast<const char*>(kept.image.GetDIB()),
                                 qsizetype(kept.image.GetDIBSize()));
        r.reduced = pass.reducedPhotoCount();
        r.firstFile = pass.firstFileOfPage();
        r.cursorAfter = list.cursor();
        // Every case here fills at least one slot.
        EXPECT_GT(pass.loadedCount(), 0);
        return r;
    }

    QStringList photos;
};

}  // namespace

TEST_F(DecodeAheadTest, ReducedDecodesKeepFiguresAndTextsAndLookAlike) {
    struct Case {
        const char* name;
        int dpi;
        int minReduced;  // photos that must have come from a reduced decode
    };
    const Case cases[] = {
        {"Three 4 x 6 Prints", 100, 2},                     // cut to fill, turned both ways
        {"Thirteen (Wallet) 2 x 3 Prints", 100, 10},        // small slots; the small photo stays whole
        {"Six (Wallet) 2 x 3 + Two 4 x 5 Prints", 100, 6},  // two slot sizes and shapes
        {"One Borderless 8in x 10in Print", 100, 0},        // needs every pixel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PageRun full = run(QString::fromLatin1(c.name), c.dpi, photos, 0, false);
        const PageRun reduced = run(QString::fromLatin1(c.name), c.dpi, photos, 0, true);
        EXPECT_EQ(full.reduced, 0);
        EXPECT_GE(reduced.reduced, c.minReduced);
        EXPECT_EQ(reduced.events, full.events);
        expectSameRecords(reduced.records, full.records);
        EXPECT_EQ(reduced.firstFile, full.firstFile);
        const PageDifference d = compare(reduced.page, full.page);
        EXPECT_LT(d.mean, 3.0);
        EXPECT_LT(d.farShare, 0.01);
        if (c.minReduced == 0) {
            EXPECT_EQ(reduced.pageBytes, full.pageBytes);
        }
    }
}

TEST_F(DecodeAheadTest, TurnedAndCutPhotosLandOnTheSameSpotWhenReduced) {
    // A plain photo with one bright block: a wrong turn or a cut mapped to the wrong
    // place moves the block by far more than the tolerance allows.
    QImage marked(1600, 1200, QImage::Format_RGB32);
    marked.fill(QColor(30, 40, 50));
    QPainter(&marked).fillRect(100, 150, 300, 200, QColor(250, 240, 10));
    ASSERT_TRUE(marked.save(path("marked.jpg"), "jpeg", 95));
    const QStringList files{path("marked.jpg")};
    for (const char* name : {"Three 4 x 6 Prints", "Thirteen (Wallet) 2 x 3 Prints"}) {
        SCOPED_TRACE(name);
        const PageRun full = run(QString::fromLatin1(name), 100, files, 0, false);
        const PageRun reduced = run(QString::fromLatin1(name), 100, files, 0, true);
        ASSERT_GT(reduced.reduced, 0);
        const PageDifference d = compare(reduced.page, full.page);
        EXPECT_LT(d.mean, 0.5);
        EXPECT_LT(d.farShare, 0.005);
    }
}

TEST_F(DecodeAheadTest, AnyThreadCountGivesTheSamePageTextsAndRecords) {
    // A broken photo and a name too short to load in the middle of the list.
    const QString broken =
        writeFile(QStringLiteral("broken.jpg"), QByteArray("\xff\xd8\xff\xe0 garbage", 13));
    QStringList files = photos;
    files.insert(2, broken);
    files.insert(4, QStringLiteral("ab"));
    for (const char* name : {"Six (Wallet) 2 x 3 + Two 4 x 5 Prints", "Thirteen (Wallet) 2 x 3 Prints"}) {
        SCOPED_TRACE(name);
        const PageRun one = run(QString::fromLatin1(name), 100, files, 0, true);
        // The broken file fails as a load made on the spot would: red lamp, failed record.
        bool failedSeen = false;
        for (const SlotRecord& r : one.records)
            if (r.fileName == broken) {
                EXPECT_EQ(r.failed, 1);
                failedSeen = true;
            }
        EXPECT_TRUE(failedSeen);
        EXPECT_TRUE(one.events.contains(QStringLiteral("lamp LED_RED")));
        for (int threads : {1, 2, 4}) {
            SCOPED_TRACE(threads);
            const PageRun many = run(QString::fromLatin1(name), 100, files, threads, true);
            EXPECT_EQ(many.events, one.events);
            expectSameRecords(many.records, one.records);
            EXPECT_EQ(many.pageBytes, one.pageBytes);
            EXPECT_EQ(many.cursorAfter, one.cursorAfter);
            EXPECT_EQ(many.reduced, one.reduced);
        }
    }
}

TEST_F(DecodeAheadTest, SinglePhotoModeAndPerPixelFiltersStillDecodeReduced) {
    const auto single = [](AppSettings& s) {
        s.UseSingleImage = 1;
        s.NegativeImage = 1;
        s.LightenPhoto = 1;
    };
    const QString name = QStringLiteral("Thirteen (Wallet) 2 x 3 Prints");
    const PageRun one = run(name, 100, photos, 0, true, nullptr, single);
    const PageRun two = run(name, 100, photos, 2, true, nullptr, single);
    const PageRun full = run(name, 100, photos, 2, false, nullptr, single);
    EXPECT_EQ(one.reduced, 13);
    EXPECT_EQ(two.pageBytes, one.pageBytes);
    EXPECT_EQ(two.events, full.events);
    expectSameRecords(two.records, full.records);
    EXPECT_LT(compare(two.page, full.page).mean, 3.0);
}

TEST_F(DecodeAheadTest, NeighbourhoodFilterForcesFullResolution) {
    const auto sharpen = [](AppSettings& s) { s.PhotoSharpen = 1; };
    const QString name = QStringLiteral("Thirteen (Wallet) 2 x 3 Prints");
    const PageRun allowed = run(name, 100, photos, 2, true, nullptr, sharpen);
    const PageRun full = run(name, 100, photos, 0, false, nullptr, sharpen);
    EXPECT_EQ(allowed.reduced, 0);
    EXPECT_EQ(allowed.pageBytes, full.pageBytes);
    EXPECT_EQ(allowed.events, full.events);
}

TEST_F(DecodeAheadTest, IndexSheetFramesComeThroughTheSupplyInOrder) {
    const QString broken =
        writeFile(QStringLiteral("broken.jpg"), QByteArray("\xff\xd8\xff\xe0 garbage", 13));
    QStringList files = photos;
    files.insert(1, broken);
    files.insert(3, QStringLiteral("x"));
    const QString sheet = QStringLiteral("Index Sheet (Negative Strip) - 16 Prints");
    FrameSheet drawer;
    const PageRun one = run(sheet, 100, files, 0, true, &drawer);
    EXPECT_GT(one.reduced, 5);
    // Records hold the full size whatever scale the frame was drawn from.
    bool sawLand = false;
    for (const SlotRecord& r : one.records)
        if (r.fileName == photos[0]) {
            sawLand = true;
            EXPECT_EQ(r.photoWidth, 1600);
            EXPECT_EQ(r.photoHeight, 1200);
        }
    EXPECT_TRUE(sawLand);
    for (int threads : {1, 3}) {
        const PageRun many = run(sheet, 100, files, threads, true, &drawer);
        EXPECT_EQ(many.events, one.events);
        expectSameRecords(many.records, one.records);
        EXPECT_EQ(many.pageBytes, one.pageBytes);
    }
    // Targets that do not match what the frames take: every photo still arrives, right.
    drawer.misannounce = true;
    const PageRun wrong = run(sheet, 100, files, 2, true, &drawer);
    EXPECT_EQ(wrong.events, one.events);
    expectSameRecords(wrong.records, one.records);
}

TEST_F(DecodeAheadTest, StoppedSupplyLeavesNothingRunning) {
    PhotoSupply supply(2);
    std::vector<PhotoSupply::Job> jobs;
    for (int i = 0; i < 12; ++i) {
        DecodeTarget t;
        t.target = PhotoTarget{50, 50, false};
        jobs.push_back({photos[std::size_t(i) % std::size_t(photos.size())], t});
    }
    supply.start(jobs);
    ASSERT_TRUE(supply.active());
    EXPECT_TRUE(supply.nextIs(photos[0], PhotoTarget{50, 50, false}));
    EXPECT_FALSE(supply.nextIs(photos[1], PhotoTarget{50, 50, false}));
    EXPECT_FALSE(supply.nextIs(photos[0], PhotoTarget{50, 51, false}));
    const SuppliedPhoto first = supply.take();
    ASSERT_TRUE(first.photo);
    EXPECT_EQ(first.fullWidth, 1600);
    EXPECT_EQ(first.scale, 8);
    const SuppliedPhoto second = supply.take();
    EXPECT_EQ(second.fullWidth, 1200);
    supply.stop();
    EXPECT_FALSE(supply.active());
    EXPECT_EQ(supply.runningWorkers(), 0);
    EXPECT_FALSE(supply.take().photo);
    // Starting again after a stop works, and a new start abandons the old batch.
    supply.start(jobs);
    supply.start(std::vector<PhotoSupply::Job>(jobs.begin() + 2, jobs.end()));
    EXPECT_EQ(supply.take().fullWidth, 1001);
}

// The photos start decoding when the page is planned, before its canvas exists; a
// page planned for another size is planned again, and one given up stops its decoding.
TEST_F(DecodeAheadTest, PreparedPageDecodesBeforeItsCanvasExists) {
    AppSettings settings = quickSettings(QStringLiteral("Three 4 x 6 Prints"), 60);
    ImageList list;
    for (const QString& f : photos) list.append(f);
    RenderPass pass(settings, list, nullptr, nullptr);
    pass.setDecodeThreads(2);

    pass.preparePage(QSize(settings.CanvasWidth, settings.CanvasHeight));
    EXPECT_TRUE(pass.decodingAhead());
    pass.dropPreparedPage();
    EXPECT_FALSE(pass.decodingAhead());
    EXPECT_EQ(pass.runningDecoders(), 0);

    const PageRun fresh = run(QStringLiteral("Three 4 x 6 Prints"), 60, photos, 2, true);
    struct Case {
        const char* name;
        QSize prepared;  // the size planned before the canvas is made
    };
    const Case cases[] = {{"same size", QSize(settings.CanvasWidth, settings.CanvasHeight)},
                          {"other size", QSize(settings.CanvasWidth / 2, settings.CanvasHeight)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageList again;
        for (const QString& f : photos) again.append(f);
        RenderPass prepared(settings, again, nullptr, nullptr);
        prepared.setDecodeThreads(2);
        prepared.preparePage(c.prepared);
        Canvas canvas;
        ASSERT_TRUE(canvas.create(settings.CanvasWidth, settings.CanvasHeight, Canvas::Fill::Uncleared));
        KeptPage kept;
        ASSERT_TRUE(prepared.renderPage(canvas, kept));
        EXPECT_EQ(prepared.runningDecoders(), 0);
        EXPECT_EQ(keptPageImage(kept.image), fresh.page);
        std::vector<SlotRecord> records;
        for (int i = 0; i < SlotTable::kRecords; ++i) records.push_back(prepared.slotTable()[i]);
        expectSameRecords(records, fresh.records);
        EXPECT_EQ(again.cursor(), fresh.cursorAfter);
    }
}
