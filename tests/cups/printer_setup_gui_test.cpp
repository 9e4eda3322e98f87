// The printer setup command: the desktop's print dialog on the application's printer.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "CupsTestSupport.h"
#include "print/QtPrinterBackend.h"
#include "support/FakeSeams.h"
#include "ui/PrinterSetup.h"

namespace {
// Answers the next modal window as soon as it shows and notes what it was.
class ModalAnswer {
public:
    explicit ModalAnswer(int result) {
        QObject::connect(&timer_, &QTimer::timeout, [this, result] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = QString::fromLatin1(dialog->metaObject()->className());
            if (auto* print = qobject_cast<QPrintDialog*>(dialog))
                printerName = print->printer()->printerName();
            timer_.stop();
            dialog->done(result);
        });
        timer_.start(20);
    }
    QString seen;
    QString printerName;

private:
    QTimer timer_;
};
}  // namespace

TEST_F(TwoQueueTest, SetupDialogOkKeepsThePrinterCancelKeepsFollowingTheDefault) {
    {
        QtPrinterBackend backend;
        ModalAnswer answer(QDialog::Rejected);
        RunPrinterSetup(nullptr, backend);
        EXPECT_EQ(answer.seen, QStringLiteral("QPrintDialog"));
        EXPECT_EQ(answer.printerName, queue_);
        runTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue2_});
        EXPECT_EQ(backend.defaultPrinterName(), queue2_);
    }
    {
        QtPrinterBackend backend;
        ModalAnswer answer(QDialog::Accepted);
        RunPrinterSetup(nullptr, backend);
        EXPECT_EQ(answer.seen, QStringLiteral("QPrintDialog"));
        EXPECT_EQ(answer.printerName, queue2_);
        runTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue_});
        EXPECT_EQ(backend.defaultPrinterName(), queue2_);
        EXPECT_EQ(currentPrinterName(backend), queue2_);
    }
}

TEST_F(TwoQueueTest, SetupDialogOpensWhenNoQueueIsTheDefault) {
    // The default queue goes and CUPS marks no other: the one left is still a printer.
    runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue_});
    QtPrinterBackend backend;
    ModalAnswer answer(QDialog::Accepted);
    RunPrinterSetup(nullptr, backend);
    EXPECT_EQ(answer.seen, QStringLiteral("QPrintDialog"));
    EXPECT_EQ(answer.printerName, queue2_);
    EXPECT_EQ(backend.defaultPrinterName(), queue2_);
}

TEST(PrinterSetup, StandInPrintersOpenNoDialogAndNoPrinterIsSaidPlainly) {
    FakePrinterBackend fake;
    {
        ModalAnswer answer(QDialog::Accepted);
        RunPrinterSetup(nullptr, fake);
        EXPECT_TRUE(answer.seen.isEmpty());
    }

    QTemporaryDir dir;
    const QByteArray dead = dir.filePath(QStringLiteral("dead.sock")).toUtf8();
    qputenv("CUPS_SERVER", dead);
    useCupsServer(dead);
    QtPrinterBackend backend;
    {
        ModalAnswer answer(QDialog::Accepted);
        RunPrinterSetup(nullptr, backend);
        EXPECT_EQ(answer.seen, QStringLiteral("QMessageBox"));
    }
    EXPECT_TRUE(backend.defaultPrinterName().isEmpty());
    qunsetenv("CUPS_SERVER");
    useCupsServer({});
}
