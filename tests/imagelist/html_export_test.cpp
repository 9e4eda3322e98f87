#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>

#include "core/AppServices.h"
#include "imagelist/HtmlExport.h"
#include "imagelist/ImageList.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

class HtmlExportTest : public TempDirTest {
protected:
    QString photo(const QString& name, int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        const QString p = path(name);
        EXPECT_TRUE(img.save(p, "PNG"));
        return p;
    }
    QString page() const { return QString::fromUtf8(readFileBytes(out)); }
    // Every photo row, and only a photo row, ends with an empty tick cell.
    int rows() const { return page().count(QStringLiteral("<td width=\"12%\">&nbsp;</td></tr>")); }

    QString out = path("list.htm");
    FakeServices fakes;
    Services services() { return fakes.services(&store()); }
};

TEST_F(HtmlExportTest, ThreePhotosWithTheSecondUnreadable) {
    ImageList list;
    list.append(photo("one.png", 40, 30));
    list.append(writeFile("two.jpg", "not a photo at all"));
    list.append(photo("three.png", 7, 5));
    fakes.notifier.plainAnswers.push_back(0);  // OK
    ASSERT_TRUE(ExportImageListHtml(list, services(), out));

    const QString html = page();
    EXPECT_TRUE(
        html.startsWith("<html>\n<head>\n<meta HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                        "charset=utf-8\">\n<title>Snapvale Image List Details</title>\n"));
    EXPECT_TRUE(html.contains("<small>" + versionLine()));
    EXPECT_TRUE(
        html.contains("<td width=\"100%\" colspan=\"8\"><p align=\"center\">Snapvale Photo Image List"));
    EXPECT_FALSE(html.contains("%%"));
    EXPECT_EQ(rows(), 3);
    EXPECT_TRUE(html.contains("<small>1</small></td><td width=\"30%\"><small>" + path("one.png") +
                              "</small></td><td width=\"13%\"><p align=\"center\"><small>[40 x 30]</small>"));
    EXPECT_TRUE(
        html.contains("<small>2</small></td><td width=\"30%\"><small>" + path("two.jpg") +
                      "</small></td><td width=\"13%\"><p align=\"center\"><small>[Load Error!]</small>"));
    EXPECT_TRUE(html.contains("<small>3</small></td><td width=\"30%\"><small>" + path("three.png") +
                              "</small></td><td width=\"13%\"><p align=\"center\"><small>[7 x 5]</small>"));
    EXPECT_TRUE(html.endsWith(
        "<td width=\"12%\">&nbsp;</td></tr></table>\n</center></div><font FACE=\"Arial,Helvetica\" "
        "SIZE=\"2\">\n</body>\n</font>\n</html>\n"));

    const ProgressLog& log = fakes.progress.log;
    EXPECT_EQ(log.created, 1);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(log.captions,
              QStringList({"Photo Image List Web Page Progress", "Photo Image List Web Page Progress [33%]",
                           "Photo Image List Web Page Progress [66%]",
                           "Photo Image List Web Page Progress [100%]"}));
    ASSERT_EQ(log.texts.size(), 4);
    EXPECT_EQ(log.texts[0], "Creating web page at location: \n" + out);
    EXPECT_EQ(log.texts[1],
              "Web page location: " + out + "\n\nCreating HTML table record 1 of 3 for photo: \none.png");
    EXPECT_EQ(log.texts[2],
              "Web page location: " + out + "\n\nHTML table record **error** 2 of 3 for photo: \ntwo.jpg");
    EXPECT_EQ(log.texts[3],
              "Web page location: " + out + "\n\nCreating HTML table record 3 of 3 for photo: \nthree.png");
    EXPECT_EQ(log.pumps, 3);

    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    const ShownMessage& done = fakes.notifier.shown[0];
    EXPECT_TRUE(done.plain);
    EXPECT_EQ(done.title, "Photo Image List Webpage Finished");
    EXPECT_EQ(done.text, "The photo image webpage has been successfully created.");
    EXPECT_EQ(done.buttons, QStringList({"OK", "Launch Browser"}));
    EXPECT_TRUE(fakes.launcher.opened.isEmpty());
}

TEST_F(HtmlExportTest, LaunchBrowserOpensThePage) {
    ImageList list;
    list.append(photo("a.png", 2, 2));
    fakes.notifier.plainAnswers.push_back(1);
    ASSERT_TRUE(ExportImageListHtml(list, services(), out));
    EXPECT_EQ(fakes.launcher.opened, QStringList({out}));
}

TEST_F(HtmlExportTest, InterruptAnsweredNoThenYes) {
    ImageList list;
    for (int i = 0; i < 4; ++i) list.append(photo(QStringLiteral("p%1.png").arg(i), 3, 3));
    fakes.progress.log.cancelAtPump = {1, 2};
    fakes.notifier.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(ExportImageListHtml(list, services(), out));

    // No went on with the next row, Yes stopped after it; the page still ends properly.
    EXPECT_EQ(rows(), 2);
    EXPECT_TRUE(page().endsWith("</html>\n"));
    ASSERT_EQ(fakes.notifier.shown.size(), 2u);
    for (const ShownMessage& m : fakes.notifier.shown) {
        EXPECT_EQ(m.title, "Photo Image List Web Page Progress Interrupt");
        EXPECT_EQ(m.text, "Do you want to stop web page creation?");
        EXPECT_EQ(m.kind, MessageKind::WarningQuestion);
    }
    EXPECT_EQ(fakes.progress.log.destroyed, 1);
    EXPECT_TRUE(fakes.launcher.opened.isEmpty());
}

TEST_F(HtmlExportTest, EmptyListWritesHeaderOnlyAndSucceeds) {
    ImageList list;
    ASSERT_TRUE(ExportImageListHtml(list, services(), out));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(page(), htmlPageHead() + htmlTableHeader(htmlVersionText()) + htmlPageTail());
    EXPECT_EQ(fakes.notifier.shown.size(), 1u);
}

TEST_F(HtmlExportTest, MarkupInFileNamesIsEscaped) {
    ImageList list;
    list.append(photo("Tom & Jerry <b>\"best\".png", 4, 3));
    ASSERT_TRUE(ExportImageListHtml(list, services(), out));
    const QString html = page();
    EXPECT_TRUE(html.contains("Tom &amp; Jerry &lt;b&gt;&quot;best&quot;.png</small>"));
    EXPECT_FALSE(html.contains("<b>\"best"));
    EXPECT_TRUE(html.contains("[4 x 3]"));
    // The progress text is plain text, not markup: it keeps the name as it is.
    EXPECT_TRUE(fakes.progress.log.texts.last().endsWith("\nTom & Jerry <b>\"best\".png"));
}

TEST_F(HtmlExportTest, UnwritablePageFailsSilently) {
    ImageList list;
    list.append(photo("a.png", 2, 2));
    writeFile("plain", "x");
    EXPECT_FALSE(ExportImageListHtml(list, services(), path("plain/list.htm")));
    EXPECT_TRUE(fakes.notifier.shown.empty());
    EXPECT_EQ(fakes.progress.log.created, 0);
}

TEST_F(HtmlExportTest, DefaultPageLivesInTheDataFolder) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    EXPECT_EQ(htmlExportPath(), folder + "/snapvalelist.htm");
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

// A page that cannot reach the disk is an error naming the system's reason, never the
// finished message; /dev/full stands for a full disk.
TEST_F(HtmlExportTest, AFullDiskIsReportedWithTheSystemsReason) {
    const QString full = QStringLiteral("/dev/full");
    if (!QFileInfo(full).exists() || QFileInfo(full).isFile()) GTEST_SKIP() << "no /dev/full";
    ImageList list;
    list.append(photo("one.png", 4, 3));
    EXPECT_FALSE(ExportImageListHtml(list, services(), full));
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown[0].title, "Snapvale Error: Web Page Not Saved");
    EXPECT_EQ(fakes.notifier.shown[0].text,
              "Unable to write the web page:\n/dev/full\nNo space left on device");
    EXPECT_EQ(fakes.notifier.shown[0].kind, MessageKind::Error);
    EXPECT_FALSE(QFileInfo(full).isFile());
}
