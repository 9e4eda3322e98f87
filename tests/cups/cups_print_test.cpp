// Pages printed through the real backend to a private CUPS scheduler with a PDF
// queue: the PDFs that arrive are counted, measured and rendered to see where the
// picture landed.

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

#include "CupsTestSupport.h"
#include "image/CxImage.h"
#include "print/QtPrinterBackend.h"

namespace {
constexpr QRgb kRed = qRgb(230, 20, 30);
constexpr QRgb kBlue = qRgb(20, 40, 220);
constexpr int kRenderDpi = 50;

// A 400 x 500 canvas (4 x 5 inches at 100 DPI), white, with a red block near its
// top-left and a blue one near its bottom-right, so a page turned upside down or
// mirrored shows.
CxImage makeCanvas() {
    CxImage canvas;
    EXPECT_TRUE(canvas.CreateRaster(400, 500, 24, CXIMAGE_FORMAT_BMP));
    auto fill = [&](int left, int top, int right, int bottom, QRgb c) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                canvas.WriteColor(x, canvas.GetHeight() - 1 - y, makeRgb(qRed(c), qGreen(c), qBlue(c)));
    };
    fill(0, 0, 400, 500, qRgb(255, 255, 255));
    fill(40, 50, 140, 150, kRed);
    fill(260, 350, 360, 450, kBlue);
    return canvas;
}

// The blocks' places on the paper in inches, for the canvas placed at (x, y) with
// size (w, h) printer dots, and the printable area starting at `origin` inches.
QRectF blockOnPaper(QRectF canvasPixels, QRect placement, PrinterPage page, QPointF origin) {
    const double sx = placement.width() / 400.0 / page.dpiX, sy = placement.height() / 500.0 / page.dpiY;
    return QRectF(origin.x() + double(placement.x()) / page.dpiX + canvasPixels.x() * sx,
                  origin.y() + double(placement.y()) / page.dpiY + canvasPixels.y() * sy,
                  canvasPixels.width() * sx, canvasPixels.height() * sy);
}

void expectBlockAt(const QImage& render, QRgb colour, const QRectF& inches, const char* what) {
    const QRect found = findColour(render, colour, 60);
    ASSERT_FALSE(found.isEmpty()) << what << " block not found on the page";
    const double left = inches.left() * kRenderDpi, top = inches.top() * kRenderDpi;
    const double right = inches.right() * kRenderDpi, bottom = inches.bottom() * kRenderDpi;
    EXPECT_NEAR(found.left(), left, 2.0) << what;
    EXPECT_NEAR(found.top(), top, 2.0) << what;
    EXPECT_NEAR(found.right() + 1, right, 2.0) << what;
    EXPECT_NEAR(found.bottom() + 1, bottom, 2.0) << what;
}

QPointF printableOrigin(QtPrinterBackend& backend) {
    QPrinter* printer = backend.printerForSetup();
    if (!printer) return {};
    return printer->pageLayout().paintRect(QPageLayout::Inch).topLeft();
}

QSizeF paperPoints(QtPrinterBackend& backend) {
    QPrinter* printer = backend.printerForSetup();
    return printer ? printer->pageLayout().fullRectPoints().size() : QSizeF();
}

// Checks one arrived PDF: a single page of the printer's paper with both blocks where
// the placement put them.
// A landscape page comes out of the queue as portrait paper with its content turned
// a quarter counter-clockwise, as a printer takes it.
QRectF turnedOntoPortrait(const QRectF& r, double landscapeWidthInches) {
    return QRectF(r.top(), landscapeWidthInches - r.right(), r.height(), r.width());
}

void expectPrintedPage(const QString& pdf, QSizeF paper, QRect placement, PrinterPage page, QPointF origin) {
    PdfInfo info;
    ASSERT_TRUE(readPdfInfo(pdf, info)) << pdf.toStdString();
    EXPECT_EQ(info.pages, 1);
    const bool landscape = paper.width() > paper.height();
    const QSizeF sheet = landscape ? paper.transposed() : paper;
    EXPECT_NEAR(info.pageSizePoints.width(), sheet.width(), 1.0);
    EXPECT_NEAR(info.pageSizePoints.height(), sheet.height(), 1.0);
    const QImage render = renderPdfPage(pdf, 1, kRenderDpi);
    ASSERT_FALSE(render.isNull());
    QRectF red = blockOnPaper(QRectF(40, 50, 100, 100), placement, page, origin);
    QRectF blue = blockOnPaper(QRectF(260, 350, 100, 100), placement, page, origin);
    if (landscape) {
        red = turnedOntoPortrait(red, paper.width() / 72.0);
        blue = turnedOntoPortrait(blue, paper.width() / 72.0);
    }
    expectBlockAt(render, kRed, red, "red");
    expectBlockAt(render, kBlue, blue, "blue");
}

}  // namespace

TEST_F(CupsServerTest, BackendReadsTheQueuesPageAndResolution) {
    QtPrinterBackend backend;
    EXPECT_EQ(backend.defaultPrinterName(), queue_);
    EXPECT_EQ(currentPrinterName(backend), queue_);

    backend.setOrientation(kPrintPortrait);
    const PrinterPage portrait = backend.readPrinterPage();
    // The queue's own default resolution, not a made-up one.
    EXPECT_EQ(portrait.dpiX, 300);
    EXPECT_EQ(portrait.dpiY, 300);
    const QSizeF paper = paperPoints(backend);
    ASSERT_TRUE(paper.isValid());
    // A printable area inside the paper, and not much smaller than it.
    const double wIn = double(portrait.width) / portrait.dpiX, hIn = double(portrait.height) / portrait.dpiY;
    EXPECT_LE(wIn, paper.width() / 72.0);
    EXPECT_LE(hIn, paper.height() / 72.0);
    EXPECT_GT(wIn, paper.width() / 72.0 - 1.0);
    EXPECT_GT(hIn, paper.height() / 72.0 - 1.0);
    EXPECT_LT(portrait.width, portrait.height);

    backend.setOrientation(kPrintLandscape);
    const PrinterPage landscape = backend.readPrinterPage();
    EXPECT_NEAR(landscape.width, portrait.height, 1);
    EXPECT_NEAR(landscape.height, portrait.width, 1);

    // An unknown queue leaves the choice alone.
    EXPECT_FALSE(backend.selectPrinter(QStringLiteral("no-such-queue")));
    EXPECT_TRUE(backend.selectPrinter(queue_));
    EXPECT_EQ(backend.defaultPrinterName(), queue_);
}

TEST_F(CupsServerTest, OnePageLandsWherePlacedUnderItsTitle) {
    QtPrinterBackend backend;
    backend.setOrientation(kPrintPortrait);
    const PrinterPage page = backend.readPrinterPage();
    ASSERT_GT(page.dpiX, 0);
    const CxImage canvas = makeCanvas();
    // 4 x 5 inches, half an inch in from the printable area's left and one inch down.
    const QRect placement(page.dpiX / 2, page.dpiY, 4 * page.dpiX, 5 * page.dpiY);
    ASSERT_TRUE(backend.spoolPage(canvas, placement, QStringLiteral("Snapvale Snapshot")));

    const QStringList pdfs = waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    expectPrintedPage(pdfs[0], paperPoints(backend), placement, page, printableOrigin(backend));
    EXPECT_EQ(completedJobTitle(queue_), QStringLiteral("Snapvale Snapshot"));
}

TEST_F(CupsServerTest, ThreePagesBecomeThreeJobsInOrder) {
    QtPrinterBackend backend;
    const CxImage canvas = makeCanvas();
    std::vector<QRect> placements;
    std::vector<PrinterPage> pages;
    std::vector<QSizeF> papers;
    std::vector<QPointF> origins;
    for (int i = 0; i < 3; ++i) {
        // The last page turns the paper, as a wide canvas would.
        backend.setOrientation(i == 2 ? kPrintLandscape : kPrintPortrait);
        const PrinterPage page = backend.readPrinterPage();
        ASSERT_GT(page.dpiX, 0);
        const QRect placement(page.dpiX / 4 + i * page.dpiX, page.dpiY / 2 + i * page.dpiY / 4, 2 * page.dpiX,
                              5 * page.dpiY / 2);
        ASSERT_TRUE(backend.spoolPage(canvas, placement, QStringLiteral("Snapvale Batch %1").arg(i + 1)));
        placements.push_back(placement);
        pages.push_back(page);
        papers.push_back(paperPoints(backend));
        origins.push_back(printableOrigin(backend));
    }
    const QStringList pdfs = waitForPdfs(3);
    ASSERT_EQ(pdfs.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        expectPrintedPage(pdfs[i], papers[i], placements[i], pages[i], origins[i]);
    }
    EXPECT_GT(papers[2].width(), papers[2].height());
}

TEST_F(CupsServerTest, EmptyPlacementSpoolsABlankPage) {
    QtPrinterBackend backend;
    const CxImage canvas = makeCanvas();
    ASSERT_TRUE(backend.spoolPage(canvas, QRect(), QStringLiteral("Snapvale Snapshot")));
    // A blank page needs no picture at all.
    ASSERT_TRUE(backend.spoolPage(CxImage(), QRect(5, 5, 0, 0), QStringLiteral("Snapvale Snapshot")));
    const QStringList pdfs = waitForPdfs(2);
    ASSERT_EQ(pdfs.size(), 2);
    for (const QString& pdf : pdfs) {
        PdfInfo info;
        ASSERT_TRUE(readPdfInfo(pdf, info));
        EXPECT_EQ(info.pages, 1);
        EXPECT_TRUE(isBlank(renderPdfPage(pdf, 1, kRenderDpi)));
    }
    // A page to draw with no picture to draw is refused rather than printed blank.
    EXPECT_FALSE(backend.spoolPage(CxImage(), QRect(0, 0, 300, 300), QStringLiteral("Snapvale Snapshot")));
}

TEST_F(CupsServerTest, QueueCountSeesEveryHeldJobAndFailsWhenTheSchedulerGoes) {
    QtPrinterBackend backend;
    int count = -1;
    ASSERT_TRUE(backend.queuedJobCount(count));
    EXPECT_EQ(count, 0);

    // Two jobs of another program, held so they stay in the queue.
    const QString file = tempPath(QStringLiteral("note.txt"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("another program's job\n");
    }
    for (int i = 0; i < 2; ++i) {
        QProcess lp;
        lp.start(QStringLiteral("lp"),
                 {QStringLiteral("-d"), queue_, QStringLiteral("-H"), QStringLiteral("hold"), file});
        ASSERT_TRUE(lp.waitForFinished(30000));
        ASSERT_EQ(lp.exitCode(), 0) << lp.readAllStandardError().toStdString();
    }
    ASSERT_TRUE(backend.queuedJobCount(count));
    EXPECT_EQ(count, 2);

    QProcess cancel;
    cancel.start(QStringLiteral("cancel"), {QStringLiteral("-a"), queue_});
    ASSERT_TRUE(cancel.waitForFinished(30000));
    ASSERT_TRUE(waitForEmptyQueue());
    ASSERT_TRUE(backend.queuedJobCount(count));
    EXPECT_EQ(count, 0);

    QProcess stop;
    stop.start(QStringLiteral("bash"),
               {QStringLiteral(SNAPVALE_CUPS_SERVER_SCRIPT), QStringLiteral("stop"), tempPath(QString())});
    ASSERT_TRUE(stop.waitForFinished(30000));
    count = 5;
    EXPECT_FALSE(backend.queuedJobCount(count));
    EXPECT_EQ(count, 5);
}

TEST_F(CupsServerTest, AQueueThatRefusesJobsFailsTheSpool) {
    QtPrinterBackend backend;
    ASSERT_EQ(backend.defaultPrinterName(), queue_);
    QProcess reject;
    reject.start(QStringLiteral("cupsreject"), {queue_});
    ASSERT_TRUE(reject.waitForFinished(30000));
    ASSERT_EQ(reject.exitCode(), 0) << reject.readAllStandardError().toStdString();
    const CxImage canvas = makeCanvas();
    EXPECT_FALSE(backend.spoolPage(canvas, QRect(0, 0, 400, 500), QStringLiteral("Snapvale Snapshot")));
}

TEST_F(TwoQueueTest, FollowsTheSystemDefaultUntilAPrinterIsPicked) {
    QtPrinterBackend backend;
    EXPECT_EQ(backend.defaultPrinterName(), queue_);
    // Someone changes the system's default while the program runs.
    runTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue2_});
    EXPECT_EQ(backend.defaultPrinterName(), queue2_);

    // A printer picked stays, whatever the default does.
    ASSERT_TRUE(backend.selectPrinter(queue_));
    EXPECT_EQ(backend.defaultPrinterName(), queue_);
    const CxImage canvas = makeCanvas();
    ASSERT_TRUE(backend.spoolPage(canvas, QRect(0, 0, 400, 500), QStringLiteral("Picked Printer")));
    ASSERT_EQ(waitForPdfs(1).size(), 1);
    EXPECT_EQ(completedJobTitle(queue_), QStringLiteral("Picked Printer"));
    EXPECT_TRUE(completedJobTitle(queue2_).isEmpty());

    // The picked printer is removed: the default takes over instead of a dead queue.
    runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
    EXPECT_EQ(backend.defaultPrinterName(), queue2_);
    EXPECT_GT(backend.readPrinterPage().width, 0);
}
