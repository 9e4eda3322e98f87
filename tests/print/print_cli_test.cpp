// snapvale-cli print, run as the separate program it is, on a machine whose print
// system cannot be reached: no printer at all.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include "support/TestSupport.h"

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

class PrintCliTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        settingsFile = writeFile(QStringLiteral("s.conf"), "");
        QDir().mkpath(path(QStringLiteral("photos")));
        QDir().mkpath(path(QStringLiteral("home")));
        for (int i = 1; i <= 3; ++i) {
            QImage photo(60, 40, QImage::Format_RGB32);
            photo.fill(QColor(40 * i, 90, 200 - 40 * i));
            ASSERT_TRUE(photo.save(path(QStringLiteral("photos/p%1.bmp").arg(i))));
        }
    }

    CliRun print(const QStringList& args) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // No print server to talk to, and no per-user printer choice.
        env.insert(QStringLiteral("CUPS_SERVER"), path(QStringLiteral("no-cups-here.sock")));
        env.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
                  QStringList{QStringLiteral("--settings"), settingsFile, QStringLiteral("print")} + args);
        CliRun r;
        if (!cli.waitForFinished(60000)) return r;
        r.code = cli.exitCode();
        r.out = QString::fromUtf8(cli.readAllStandardOutput());
        r.err = QString::fromUtf8(cli.readAllStandardError());
        return r;
    }

    QString settingsFile;
    const QString tooSmall = QStringLiteral(
        "Printer Page Size Conflict - Default Printer: Your printer page dimensions are too small for the\n"
        "template selected. Your template size is 8.50 x 11.00 inches.\nThe printer page area is 0.00 x 0.00 "
        "inches.\n\nDo you want to continue and print this anyway?");
};

TEST_F(PrintCliTest, NoPrinterAsksTooSmallAndFails) {
    const QStringList args = {QStringLiteral("--template"), QStringLiteral("One 8 x 10 Print"),
                              path(QStringLiteral("photos"))};
    CliRun r = print(args);
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(tooSmall)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("  -> No")));
    EXPECT_TRUE(r.out.isEmpty());

    // --yes answers the question, and then there is still no printer to take the page.
    r = print(QStringList{QStringLiteral("--yes")} + args);
    EXPECT_NE(r.code, 0);
    EXPECT_TRUE(r.err.contains(tooSmall));
    EXPECT_TRUE(r.err.contains(QStringLiteral("  -> Yes (--yes)")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("could not be sent to the printer \"Default Printer\"")));
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(PrintCliTest, BatchConfirmsItselfAndStopsAtTheFirstPage) {
    CliRun r = print({QStringLiteral("--batch"), QStringLiteral("--template"),
                      QStringLiteral("One 8 x 10 Print"), path(QStringLiteral("photos"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("Batch Print Image List -> Default Printer: This operation will "
                                      "print your ENTIRE image list of 3 images.")))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("this will require 3 printer pages.")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Printer spool error - auto print process aborted!")));
    EXPECT_FALSE(r.err.contains(QStringLiteral("All photos printed!")));
    // The page-size question is not asked inside a batch.
    EXPECT_FALSE(r.err.contains(QStringLiteral("Printer Page Size Conflict")));
}

TEST_F(PrintCliTest, RefusesBadArgumentsBeforePrinting) {
    CliRun r = print({});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("no SOURCE given")));
    r = print(
        {QStringLiteral("--template"), QStringLiteral("No Such Layout"), path(QStringLiteral("photos"))});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("no template is called \"No Such Layout\"")));
    r = print({QStringLiteral("--printer"), QStringLiteral("Nowhere"), path(QStringLiteral("photos"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("no printer is called \"Nowhere\"")));
    r = print({path(QStringLiteral("missing.jpg"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("no such file or folder")));
    EXPECT_FALSE(r.err.contains(QStringLiteral("Printer Page Size Conflict")));
}

TEST_F(PrintCliTest, CutMarksAndKeepFacesAreSwitchesOfThePrint) {
    // Taken as switches: the run goes on to the printer (none here) rather than
    // stopping at the arguments, and nothing of them is kept in the settings.
    CliRun r =
        print({QStringLiteral("--cut-marks"), QStringLiteral("--keep-faces"), QStringLiteral("--template"),
               QStringLiteral("Three 4 x 6 Prints"), path(QStringLiteral("photos"))});
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("unknown option")));
    EXPECT_TRUE(r.err.contains(tooSmall)) << r.err.toStdString();
    EXPECT_FALSE(readFileBytes(settingsFile).contains("CutMarks"));
}

}  // namespace
