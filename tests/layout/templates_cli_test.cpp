// The command line's catalogue listing, run as a separate program.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

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

TEST_F(TemplatesCliTest, SlotsListEachTemplatesRectanglesInInches) {
    const QString settings = writeFile(QStringLiteral("s.conf"), "");
    int code = -1;
    const QStringList lines =
        runTemplates(settings, {QStringLiteral("--full"), QStringLiteral("--slots")}, code);
    EXPECT_EQ(code, 0);
    // The lines that follow a template's own line, up to the next template.
    auto after = [&](const QString& name) {
        QStringList parts;
        int at = -1;
        for (int i = 0; i < lines.size() && at < 0; ++i)
            if (lines[i].startsWith(name + QLatin1Char('\t'))) at = i;
        for (int i = at + 1; at >= 0 && i < lines.size() && lines[i].startsWith(QLatin1Char('\t')); ++i)
            parts << lines[i];
        return parts;
    };
    EXPECT_EQ(after(QStringLiteral("Three 4 x 6 Prints")),
              QStringList({"\tslot\t1.000\t7.000\t0.000\t4.000", "\tslot\t0.000\t4.000\t4.000\t10.000",
                           "\tslot\t4.000\t8.000\t4.000\t10.000"}));
    EXPECT_EQ(after(QStringLiteral("Index Sheet (3D Slides) - 12 Prints")),
              QStringList({"\tindex\tslides\t3\t4\t0.100\t7.900\t0.500\t9.900"}));
    const QStringList inlay = after(QStringLiteral("CD Case (InLay) 5.9 x 4.60 in"));
    ASSERT_EQ(inlay.size(), 6);
    EXPECT_EQ(inlay[1], "\toutline\t0.000\t0.250\t0.000\t4.600");
    EXPECT_EQ(after(QStringLiteral("Nine (Wallet - Avery #53283) 2.25in x 3in Prints")).value(8),
              "\tslot\t5.250\t7.500\t6.900\t9.900");
    EXPECT_EQ(after(QStringLiteral("One Borderless User Defined Print")),
              QStringList({"\tslot\t0.000\t5.000\t0.000\t7.000"}));
}

// Commands that draw no text start without the GUI platform: with a platform that
// does not exist they still run, where a GUI application would refuse to start.
TEST_F(TemplatesCliTest, CommandsWithoutTextNeedNoGuiPlatform) {
    const QString settings = writeFile(QStringLiteral("s.conf"), "");
    QDir().mkpath(path(QStringLiteral("photos")));
    QImage photo(30, 20, QImage::Format_RGB32);
    photo.fill(QColor(200, 40, 40));
    ASSERT_TRUE(photo.save(path(QStringLiteral("photos/a.png")), "PNG"));
    const QString png = path(QStringLiteral("photos/a.png"));
    const QList<QStringList> commands = {
        {QStringLiteral("templates")},
        {QStringLiteral("list"), path(QStringLiteral("photos"))},
        {QStringLiteral("info"), png},
        {QStringLiteral("decode"), png, path(QStringLiteral("a.ppm"))},
        {QStringLiteral("html-export"), path(QStringLiteral("photos")), QStringLiteral("--out"),
         path(QStringLiteral("list.htm"))},
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"),
                  QStringList{QStringLiteral("--settings"), settings} + command);
        ASSERT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        if (command[0] != QLatin1String("decode")) {
            EXPECT_FALSE(cli.readAllStandardOutput().isEmpty());
        }
    }
    QFile ppm(path(QStringLiteral("a.ppm")));
    ASSERT_TRUE(ppm.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ppm.readAll().startsWith("P6\n30 20\n255\n"));

    // A picture left to Qt's readers may hold text, which needs fonts: it still decodes.
    const QString svg = writeFile(QStringLiteral("t.svg"),
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"60\" height=\"40\">"
                                  "<rect width=\"60\" height=\"40\" fill=\"red\"/>"
                                  "<text x=\"5\" y=\"25\" font-size=\"14\">Hi</text></svg>");
    for (const char* command : {"info", "decode"}) {
        SCOPED_TRACE(command);
        QProcess cli;
        QStringList args{QStringLiteral("--settings"), settings, QString::fromLatin1(command), svg};
        if (QLatin1String(command) == QLatin1String("decode")) args << path(QStringLiteral("t.ppm"));
        cli.start(QStringLiteral(SNAPVALE_STAGE_BIN "/snapvale-cli"), args);
        ASSERT_TRUE(cli.waitForFinished(30000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    }
}
