// The command line's catalogue listing, run as a separate program.

#include <gtest/gtest.h>

#include <QProcess>

#include "support/TestSupport.h"

using TemplatesCliTest = TempDirTest;

namespace {
QStringList runTemplates(const QString& settingsFile, const QStringList& extra, int& exitCode) {
    QProcess cli;
    cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
              QStringList{QStringLiteral("--settings"), settingsFile, QStringLiteral("templates")} + extra);
    EXPECT_TRUE(cli.waitForFinished(30000));
    exitCode = cli.exitCode();
    return QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
}  // namespace

TEST_F(TemplatesCliTest, ListsEveryTemplateWithPageAndPhotoCount) {
    // The user-defined page comes from the settings, in hundredths of an inch.
    const QString settings =
        writeFile(QStringLiteral("s.conf"), "[PhotoPageLayout]\nUserWidth=425\nUserHeight=1100\n");
    int code = -1;
    const QStringList lines = runTemplates(settings, {}, code);
    EXPECT_EQ(code, 0);
    ASSERT_EQ(lines.size(), 38);
    EXPECT_EQ(lines[0], QStringLiteral("One Borderless User Defined Print\t4.25 x 11.00 in\t1"));
    EXPECT_EQ(lines[14],
              QStringLiteral("Nine (Wallet - Avery #53283) 2.25in x 3in Prints\t7.50 x 10.10 in\t9"));
    EXPECT_EQ(lines[20], QStringLiteral("Index Sheet (Negative Strip) - 36 Prints\t8.00 x 10.00 in\t36"));
    EXPECT_EQ(lines[27],
              QStringLiteral("DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in\t8.00 x 10.70 in\t3"));
    EXPECT_EQ(lines[28], QStringLiteral("style 124: One 5 1/4\" x 8 1/4\" Prints\t8.50 x 11.00 in\t1"));
    EXPECT_EQ(lines[37], QStringLiteral("style 133: Mini ID 1 x 1 1/2 26 Prints\t8.00 x 10.00 in\t26"));

    EXPECT_EQ(runTemplates(settings, {QStringLiteral("--half")}, code).size(), 10);
    EXPECT_EQ(runTemplates(settings, {QStringLiteral("--full")}, code).size(), 28);
    runTemplates(settings, {QStringLiteral("--bogus")}, code);
    EXPECT_EQ(code, 2);
}
