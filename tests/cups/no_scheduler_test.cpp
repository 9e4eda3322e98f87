// The real backend on a machine whose scheduler cannot be reached: every answer says
// "no printer", quickly, and nothing is printed anywhere else instead.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "CupsTestSupport.h"
#include "image/CxImage.h"
#include "output/SystemPrinterBackend.h"
#include "print/QtPrinterBackend.h"

namespace {
class NoSchedulerTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QByteArray server = GetParam();
        if (server.startsWith('/')) server = dir_.filePath(QString::fromLatin1(server.mid(1))).toUtf8();
        oldServer_ = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", server);
        useCupsServer(server);
    }
    void TearDown() override {
        if (oldServer_.isEmpty())
            qunsetenv("CUPS_SERVER");
        else
            qputenv("CUPS_SERVER", oldServer_);
        useCupsServer({});
    }
    QTemporaryDir dir_;
    QByteArray oldServer_;
};
}  // namespace

TEST_P(NoSchedulerTest, EveryRequestAnswersNoPrinterQuickly) {
    // Spooling is not allowed to fall back to writing a file, so work in an empty folder.
    const QString oldCwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));

    CxImage canvas;
    ASSERT_TRUE(canvas.CreateRaster(40, 30, 24, CXIMAGE_FORMAT_BMP));
    QElapsedTimer timer;
    timer.start();

    std::unique_ptr<PrinterBackend> backend = createSystemPrinterBackend();
    EXPECT_TRUE(backend->defaultPrinterName().isEmpty());
    EXPECT_EQ(currentPrinterName(*backend), QStringLiteral("Default Printer"));
    backend->setOrientation(kPrintLandscape);
    const PrinterPage page = backend->readPrinterPage();
    EXPECT_EQ(page.width, 0);
    EXPECT_EQ(page.height, 0);
    EXPECT_EQ(page.dpiX, 0);
    EXPECT_EQ(page.dpiY, 0);
    EXPECT_FALSE(backend->spoolPage(canvas, QRect(10, 10, 400, 300), QStringLiteral("Snapvale Snapshot")));
    EXPECT_FALSE(backend->spoolPage(canvas, QRect(), QStringLiteral("Snapvale Snapshot")));
    int count = 7;
    EXPECT_FALSE(backend->queuedJobCount(count));
    EXPECT_EQ(count, 7);

    auto* qt = dynamic_cast<QtPrinterBackend*>(backend.get());
    ASSERT_NE(qt, nullptr);
    EXPECT_FALSE(qt->selectPrinter(QStringLiteral("PDF")));
    EXPECT_EQ(qt->printerForSetup(), nullptr);

    EXPECT_LT(timer.elapsed(), 5000) << "a missing scheduler must not stall the interface";
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    QDir::setCurrent(oldCwd);
}

// A socket path that nobody listens on, and a loopback port that refuses connections.
INSTANTIATE_TEST_SUITE_P(Servers, NoSchedulerTest, ::testing::Values("/dead.sock", "127.0.0.1:1"));
