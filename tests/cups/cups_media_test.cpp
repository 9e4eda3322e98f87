// The queue's own paper, its borderless version, the queue's state and the alignment
// offsets, against the private scheduler: a photo printer of our own PPD (4 x 6 in
// by default, with margins, and a borderless 4 x 6 in) beside the same printer
// without the borderless size, printing through the PDF backend.

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

#include "CupsTestSupport.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "document/DocumentPrinting.h"
#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "layout/PageSetup.h"
#include "output/BatchPrint.h"
#include "output/PagePrinter.h"
#include "output/PrinterStatus.h"
#include "print/QtPrinterBackend.h"
#include "support/FakeSeams.h"

namespace {
constexpr QRgb kPhoto = qRgb(200, 40, 60);
constexpr int kRenderDpi = 50;
const QString kBorderless4x6 = QStringLiteral("One Borderless 4in x 6in Print");

// An upright photo of one colour, shaped like the 4 x 6 slot so no crop or turn changes it.
QString writePhoto(const QString& path, QRgb colour = kPhoto) {
    QImage photo(200, 300, QImage::Format_RGB32);
    photo.fill(colour);
    EXPECT_TRUE(photo.save(path, "PNG"));
    return path;
}

class PhotoQueueTest : public CupsServerTest {
protected:
    void SetUp() override {
        // The second queue is the same printer with its borderless size left out.
        const QString photoPpd = QStringLiteral(SNAPVALE_TEST_DATA "/cups/photo-4x6.ppd");
        const QString plainPpd = tempPath(QStringLiteral("photo-4x6-no-borderless.ppd"));
        QFile in(photoPpd), out(plainPpd);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        for (const QByteArray& line : in.readAll().split('\n'))
            if (!line.contains("Fullbleed")) out.write(line + '\n');
        out.close();
        queueCount_ = 2;
        queuePpds_ = {photoPpd, plainPpd};
        CupsServerTest::SetUp();
    }

    // The settings of a one-photo borderless 4 x 6 page at 100 DPI.
    void useBorderlessTemplate(PrintDocument& document) {
        ASSERT_TRUE(chooseFullPageTemplate(document.settings(), nullptr, kBorderless4x6).known);
        choosePageResolution(document.settings(), nullptr, 100);
    }

    QString runCli(const QStringList& args, int* status) {
        QProcess cli;
        cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"), args);
        EXPECT_TRUE(cli.waitForFinished(120000));
        *status = cli.exitCode();
        return QString::fromLocal8Bit(cli.readAllStandardError());
    }
};

// Where the photo's colour lies on the first page, and whether that is a 4 x 6 in page.
QRect photoOnFourBySix(const QString& pdf) {
    PdfInfo info;
    EXPECT_TRUE(readPdfInfo(pdf, info)) << pdf.toStdString();
    EXPECT_NEAR(info.pageSizePoints.width(), 288, 1.0);
    EXPECT_NEAR(info.pageSizePoints.height(), 432, 1.0);
    const QImage render = renderPdfPage(pdf, 1, kRenderDpi);
    EXPECT_EQ(render.size(), QSize(200, 300));
    return findColour(render, kPhoto, 40);
}
}  // namespace

TEST_F(PhotoQueueTest, JobsTakeTheQueuesPaperAndItsBorderlessVersion) {
    QtPrinterBackend backend;
    ASSERT_EQ(backend.defaultPrinterName(), queue_);
    backend.setOrientation(kPrintPortrait);
    const PrinterMedia paper = backend.currentMedia();
    EXPECT_EQ(paper.name + paper.displayName, QStringLiteral("4x64 x 6 in"));
    EXPECT_EQ(QSizeF(paper.widthInches, paper.heightInches), QSizeF(4, 6));

    struct Case {
        QString queue;
        bool borderless;
        bool offered;
        QSize printable;  // 300 DPI dots
    };
    const Case cases[] = {
        {queue_, false, true, {1125, 1725}},  // an eighth of an inch all round
        {queue_, true, true, {1200, 1800}},
        {queue2_, true, false, {1125, 1725}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.queue.toStdString() + (c.borderless ? " borderless" : ""));
        ASSERT_TRUE(backend.selectPrinter(c.queue));
        EXPECT_EQ(backend.useBorderlessMedia(c.borderless), c.offered);
        const PrinterPage page = backend.readPrinterPage();
        EXPECT_EQ(page.dpiX, 300);
        EXPECT_NEAR(page.width, c.printable.width(), 1);
        EXPECT_NEAR(page.height, c.printable.height(), 1);
        EXPECT_EQ(backend.currentMedia().borderless, c.borderless && c.offered);
    }
}

TEST_F(PhotoQueueTest, BorderlessPhotoReachesThePaperEdgesOnlyWhereTheQueueCan) {
    SettingsStore store(tempPath(QStringLiteral("s.conf")));
    store.setWritesInMemoryOnly(true);
    const struct {
        QString queue;
        bool toTheEdges;
    } cases[] = {{queue_, true}, {queue2_, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.queue.toStdString());
        PrintDocument document(store);
        useBorderlessTemplate(document);
        document.setImageList({writePhoto(tempPath(QStringLiteral("photo.png")))});
        FakeServices fakes;
        QtPrinterBackend printer;
        ASSERT_TRUE(printer.selectPrinter(c.queue));
        Services services = fakes.services(nullptr);
        services.printer = &printer;
        document.setServices(services);
        ASSERT_EQ(PrintDocumentPage(document, services), PrintResult::Printed);
        EXPECT_TRUE(fakes.notifier.shown.empty()) << "no page-size question on the 4 x 6 queues";

        const QStringList pdfs = waitForPdfs(1);
        ASSERT_EQ(pdfs.size(), 1);
        const QRect photo = photoOnFourBySix(pdfs[0]);
        if (c.toTheEdges) {
            EXPECT_EQ(photo, QRect(0, 0, 200, 300));
        } else {
            // The printable area: an eighth of an inch (6.25 pixels here) in from each edge.
            EXPECT_NEAR(photo.left(), 6, 1);
            EXPECT_NEAR(photo.top(), 6, 1);
            EXPECT_NEAR(photo.right() + 1, 194, 1);
            EXPECT_NEAR(photo.bottom() + 1, 294, 1);
        }
        QFile::remove(pdfs[0]);
    }
}

TEST_F(PhotoQueueTest, PaperPickedInTheSetupStaysForLaterJobs) {
    QtPrinterBackend backend;
    QPrinter* printer = backend.printerForSetup();
    ASSERT_NE(printer, nullptr);
    QPageSize fiveBySeven;
    for (const QPageSize& size : QPrinterInfo(*printer).supportedPageSizes())
        if (size.key() == QLatin1String("5x7")) fiveBySeven = size;
    ASSERT_TRUE(fiveBySeven.isValid());
    // What the setup dialog does when the person picks 5 x 7 and presses OK.
    printer->setPageSize(fiveBySeven);
    backend.keepChosenPrinter();

    EXPECT_EQ(backend.currentMedia().name, QStringLiteral("5x7"));
    backend.setOrientation(kPrintPortrait);
    EXPECT_NEAR(backend.readPrinterPage().height, 2025, 1);
    CxImage canvas;
    ASSERT_TRUE(canvas.CreateRaster(100, 140, 24, CXIMAGE_FORMAT_BMP));
    ASSERT_TRUE(backend.spoolPage(canvas, QRect(0, 0, 500, 700), QStringLiteral("Picked Paper")));
    const QStringList pdfs = waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    PdfInfo info;
    ASSERT_TRUE(readPdfInfo(pdfs[0], info));
    EXPECT_NEAR(info.pageSizePoints.width(), 360, 1.0);
    EXPECT_NEAR(info.pageSizePoints.height(), 504, 1.0);
}

TEST_F(PhotoQueueTest, ABorderlessJobLeavesThePrinterSetupOnTheQueuesPaper) {
    QtPrinterBackend backend;
    ASSERT_TRUE(backend.useBorderlessMedia(true));
    backend.setOrientation(kPrintPortrait);
    CxImage canvas;
    ASSERT_TRUE(canvas.CreateRaster(100, 150, 24, CXIMAGE_FORMAT_BMP));
    ASSERT_TRUE(backend.spoolPage(canvas, QRect(0, 0, 1200, 1800), QStringLiteral("Borderless")));
    for (const QString& pdf : waitForPdfs(1)) QFile::remove(pdf);

    QPrinter* printer = backend.printerForSetup();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->pageLayout().pageSize().key(), QStringLiteral("4x6")) << "not its borderless version";
    backend.keepChosenPrinter();  // OK in the setup dialog
    EXPECT_FALSE(backend.currentMedia().borderless);
    EXPECT_NEAR(backend.readPrinterPage().width, 1125, 1) << "bordered pages keep the paper's margins";
}

TEST_F(PhotoQueueTest, ReadingThePrinterChangesNothingOnIt) {
    QtPrinterBackend backend;
    QPrinter* printer = backend.printerForSetup();
    ASSERT_NE(printer, nullptr);
    const QPageLayout before = printer->pageLayout();
    // Asking for the borderless paper and landscape, then reading: the answers follow
    // the request, the printer settings the setup dialog edits stay as they were.
    ASSERT_TRUE(backend.useBorderlessMedia(true));
    backend.setOrientation(kPrintLandscape);
    const PrinterPage page = backend.readPrinterPage();
    EXPECT_NEAR(page.width, 1800, 1);
    EXPECT_NEAR(page.height, 1200, 1);
    EXPECT_TRUE(backend.currentMedia().borderless);
    EXPECT_EQ(backend.defaultPrinterName(), queue_);
    PrinterState state;
    backend.readPrinterState(state);
    int jobs = -1;
    backend.queuedJobCount(jobs);
    EXPECT_TRUE(printer->pageLayout().isEquivalentTo(before));
    EXPECT_EQ(printer->pageLayout().pageSize().key(), before.pageSize().key());
    EXPECT_EQ(printer->pageLayout().orientation(), before.orientation());
}

TEST_F(PhotoQueueTest, OffsetsKeptForTheQueueMoveThePrint) {
    // 5 mm right and 3 mm down, as the alignment dialog keeps them.
    const QString settings = tempPath(QStringLiteral("aligned.conf"));
    {
        SettingsStore store(settings);
        QtPrinterBackend backend;
        backend.setSettingsStore(&store);
        ASSERT_TRUE(backend.setAlignmentOffsets({5.0, 3.0}));
    }
    int status = -1;
    const QString errors =
        runCli({QStringLiteral("--settings"), settings, QStringLiteral("print"), QStringLiteral("--template"),
                kBorderless4x6, QStringLiteral("--printer"), queue_, QStringLiteral("--yes"),
                writePhoto(tempPath(QStringLiteral("photo.png")))},
               &status);
    ASSERT_EQ(status, 0) << errors.toStdString();
    const QStringList pdfs = waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    const QRect photo = photoOnFourBySix(pdfs[0]);
    EXPECT_NEAR(photo.left(), 5.0 / 25.4 * kRenderDpi, 1.0);
    EXPECT_NEAR(photo.top(), 3.0 / 25.4 * kRenderDpi, 1.0);
    // The rest runs off the paper's far edges.
    EXPECT_EQ(photo.right() + 1, 200);
    EXPECT_EQ(photo.bottom() + 1, 300);
}

TEST_F(PhotoQueueTest, CommandLineSaysWhatThePrinterLacksAndPrintsOnlyWhenTold) {
    setStateReasons(queue_,
                    {QStringLiteral("media-empty-error"), QStringLiteral("marker-supply-low-warning")});
    QtPrinterBackend backend;
    PrinterState state;
    ASSERT_TRUE(backend.readPrinterState(state));
    EXPECT_EQ(state.kind, PrinterState::Kind::Idle);
    EXPECT_EQ(state.reasons, QStringList({"media-empty-error", "marker-supply-low-warning"}));

    const QString said =
        QStringLiteral("The printer \"%1\" is out of paper and low on ink or toner.").arg(queue_);
    const QString photo = writePhoto(tempPath(QStringLiteral("photo.png")));
    const QString settings = tempPath(QStringLiteral("s.conf"));
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "--yes" : "without --yes");
        QStringList args{QStringLiteral("--settings"), settings,       QStringLiteral("print"),
                         QStringLiteral("--template"), kBorderless4x6, photo};
        if (yes) args.prepend(QStringLiteral("--yes"));
        int status = -1;
        const QString errors = runCli(args, &status);
        EXPECT_TRUE(errors.contains(said)) << errors.toStdString();
        EXPECT_EQ(status != 0, !yes) << errors.toStdString();
        EXPECT_EQ(waitForPdfs(yes ? 1 : 0, yes ? 60000 : 3000).size(), yes ? 1 : 0);
    }
}

TEST_F(CupsServerTest, BatchOnAStoppedQueueAsksInsteadOfWaitingInSilence) {
    runTool(QStringLiteral("cupsdisable"), {queue_});
    SettingsStore store(tempPath(QStringLiteral("batch.conf")));
    store.setWritesInMemoryOnly(true);
    PrintDocument document(store);
    ASSERT_TRUE(
        chooseFullPageTemplate(document.settings(), nullptr, QStringLiteral("One 8 x 10 Print")).known);
    choosePageResolution(document.settings(), nullptr, 50);
    document.setImageList({writePhoto(tempPath(QStringLiteral("a.png"))), writePhoto(tempPath("b.png"))});
    FakeServices fakes;
    fakes.notifier.answers = {Answer::Yes};
    fakes.notifier.plainAnswers = {1};  // "Stop"
    QtPrinterBackend printer;
    Services services = fakes.services(nullptr);
    services.printer = &printer;
    document.setServices(services);
    EXPECT_FALSE(BatchPrintDocument(document, services, [](int) { QThread::msleep(200); }));

    const QString stopped = QStringLiteral("The printer \"%1\" is stopped.").arg(queue_);
    ASSERT_EQ(fakes.notifier.shown.size(), 2u) << "the batch's question, then the stopped printer's";
    EXPECT_EQ(fakes.notifier.shown[1].title, QStringLiteral("Photo Auto Print - %1").arg(queue_));
    EXPECT_TRUE(fakes.notifier.shown[1].text.startsWith(stopped));
    EXPECT_EQ(fakes.notifier.shown[1].buttons, QStringList({"Wait", "Stop"}));
    EXPECT_FALSE(fakes.progress.log.texts.filter(QStringLiteral("\nThe printer is stopped.\n")).isEmpty());
    EXPECT_TRUE(fakes.status.panes[0].contains(stopped));
    EXPECT_EQ(activeJobCount(queue_), 1) << "the first page waits in the queue; the second was never sent";
}

namespace {
class ThreeQueueTest : public CupsServerTest {
protected:
    ThreeQueueTest() { queueCount_ = 3; }
};
}  // namespace

TEST_F(ThreeQueueTest, QueuesWithoutADefaultStillPrint) {
    // The default queue goes: CUPS marks none of the other two.
    runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
    ASSERT_TRUE(QPrinterInfo::defaultPrinterName().isEmpty());
    ASSERT_EQ(queues_.size(), 3);

    QtPrinterBackend backend;
    // The first queue CUPS lists, in its own order.
    EXPECT_EQ(backend.defaultPrinterName(), queues_[1]);
    const PrinterPage page = backend.readPrinterPage();
    EXPECT_GT(page.width, 0);
    EXPECT_GT(page.dpiX, 0);
    EXPECT_NE(backend.printerForSetup(), nullptr);
    ScriptedNotifier notifier;
    EXPECT_TRUE(CheckPrinterPageSize(backend, notifier, PaperSizes{8.27, 11.69, 8, 10}));
    EXPECT_TRUE(notifier.shown.empty()) << "no question about a 0.00 x 0.00 inch page";
}
