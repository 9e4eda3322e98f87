// The whole print path against the private scheduler: a batch through BatchPrint with
// the real backend and the real queue polls, and the command line's print command.

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include "CupsTestSupport.h"
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "document/DocumentPrinting.h"
#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "imagelist/ImageList.h"
#include "layout/PageSetup.h"
#include "layout/RenderPass.h"
#include "output/BatchPrint.h"
#include "print/QtPrinterBackend.h"
#include "support/FakeSeams.h"

namespace {
const QRgb kPhotoColours[] = {qRgb(220, 30, 30), qRgb(30, 170, 40), qRgb(30, 50, 210)};

// A flat photo of one colour; its colour tells the printed pages apart.
QString writePhoto(const QString& path, QRgb colour) {
    QImage photo(300, 240, QImage::Format_RGB32);
    photo.fill(colour);
    EXPECT_TRUE(photo.save(path, "PNG"));
    return path;
}

// The printed photo: its colour covers a good part of the page and nothing of it
// lies outside the paper.
void expectPhotoOnPage(const QString& pdf, QRgb colour) {
    PdfInfo info;
    ASSERT_TRUE(readPdfInfo(pdf, info)) << pdf.toStdString();
    EXPECT_EQ(info.pages, 1);
    const QImage render = renderPdfPage(pdf, 1, 30);
    ASSERT_FALSE(render.isNull());
    const QRect box = findColour(render, colour, 50);
    ASSERT_FALSE(box.isEmpty()) << "the photo's colour is not on " << pdf.toStdString();
    EXPECT_GT(box.width() * box.height(), render.width() * render.height() / 4);
}
}  // namespace

namespace {
// The real printer, noting how many jobs the queue held whenever a page is spooled.
class QueueWatchingPrinter final : public PrinterBackend {
public:
    QueueWatchingPrinter(PrinterBackend& real, QString queue) : real_(real), queue_(std::move(queue)) {}
    std::vector<int> jobsWhenPrinting;
    QString defaultPrinterName() override { return real_.defaultPrinterName(); }
    void setOrientation(int o) override { real_.setOrientation(o); }
    PrinterPage readPrinterPage() override { return real_.readPrinterPage(); }
    bool spoolPage(const CxImage& bitmap, const QRect& placement, const QString& name) override {
        jobsWhenPrinting.push_back(activeJobCount(queue_));
        return real_.spoolPage(bitmap, placement, name);
    }
    bool queuedJobCount(int& count) override { return real_.queuedJobCount(count); }
    bool selectPrinter(const QString& name) override { return real_.selectPrinter(name); }

private:
    PrinterBackend& real_;
    QString queue_;
};
}  // namespace

TEST_F(CupsServerTest, BatchPrintsEveryPageAfterTheQueueEmpties) {
    SettingsStore store(tempPath(QStringLiteral("batch.conf")));
    store.setWritesInMemoryOnly(true);
    PrintDocument document(store);
    AppSettings& settings = document.settings();
    ASSERT_TRUE(chooseFullPageTemplate(settings, nullptr, QStringLiteral("One 8 x 10 Print")).known);
    choosePageResolution(settings, nullptr, 100);  // a small canvas spools quickly
    QStringList photos;
    for (int i = 0; i < 3; ++i)
        photos << writePhoto(tempPath(QStringLiteral("photo%1.png").arg(i + 1)), kPhotoColours[i]);
    document.setImageList(photos);

    FakeServices fakes;
    fakes.notifier.answers = {Answer::Yes};
    QtPrinterBackend real;
    QueueWatchingPrinter printer(real, queue_);
    Services services = fakes.services(nullptr);
    services.printer = &printer;
    document.setServices(services);
    // Shorter than the program's pause; the queue it waits on is the real one.
    EXPECT_TRUE(BatchPrintDocument(document, services, [](int) { QThread::msleep(300); }));
    const std::vector<int>& jobsWhenPrinting = printer.jobsWhenPrinting;

    // Each page went out only once the one before had left the queue.
    EXPECT_EQ(jobsWhenPrinting, (std::vector<int>{0, 0, 0}));
    bool allPrinted = false;
    for (const ShownMessage& m : fakes.notifier.shown)
        allPrinted = allPrinted || m.text == QStringLiteral("All photos printed!");
    EXPECT_TRUE(allPrinted);

    const QStringList pdfs = waitForPdfs(3);
    ASSERT_EQ(pdfs.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        expectPhotoOnPage(pdfs[i], kPhotoColours[i]);
    }
}

TEST_F(CupsServerTest, CommandLinePrintsToTheNamedQueue) {
    const QString photo = writePhoto(tempPath(QStringLiteral("photo.png")), kPhotoColours[2]);
    const QString settingsFile = tempPath(QStringLiteral("settings.conf"));
    auto run = [&](const QString& queue) {
        QProcess cli;
        // The scheduler reaches the program through CUPS_SERVER, set for this process.
        cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
                  {QStringLiteral("--settings"), settingsFile, QStringLiteral("print"),
                   QStringLiteral("--template"), QStringLiteral("One 8 x 10 Print"),
                   QStringLiteral("--printer"), queue, QStringLiteral("--yes"), photo});
        EXPECT_TRUE(cli.waitForFinished(120000));
        return std::make_pair(cli.exitCode(), QString::fromLocal8Bit(cli.readAllStandardError()));
    };

    const auto [unknownStatus, unknownErrors] = run(QStringLiteral("no-such-queue"));
    EXPECT_NE(unknownStatus, 0);
    EXPECT_TRUE(unknownErrors.contains(QStringLiteral("no-such-queue"))) << unknownErrors.toStdString();

    const auto [status, errors] = run(queue_);
    ASSERT_EQ(status, 0) << errors.toStdString();
    const QStringList pdfs = waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1);
    expectPhotoOnPage(pdfs[0], kPhotoColours[2]);
}
