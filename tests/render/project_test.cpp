// Print projects: written and read back to the same page, bad files refused with
// their line and the open job left alone, missing photos named.

#include <QDir>
#include <QFile>

#include "RenderTestSupport.h"
#include "document/PrintDocument.h"
#include "document/PrintProject.h"
#include "layout/PageSetup.h"

class ProjectTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        QDir().mkpath(path(QStringLiteral("job/photos")));
        for (int i = 1; i <= 4; ++i)
            photos << writeTestPhoto(path(QStringLiteral("job/photos/p%1.png").arg(i)), 150 + 20 * i, 100, i);
        doc = std::make_unique<PrintDocument>(store());
        doc->renderPass().setDecodeThreads(0);
        chooseFullPageTemplate(doc->settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
        choosePageResolution(doc->settings(), nullptr, 40);
        doc->settings().PhotoBorder = 0.05;
        doc->settings().CropLeft = 0;
        doc->setImageList(photos);
        doc->setFraming(2, Framing{0.25, -1, 2.5, 1});
        doc->setFraming(4, Framing{-1, 1, 1, 3});
    }
    QImage renderOf(PrintDocument& d) {
        EXPECT_EQ(d.renderPage(), PagePaintResult::Rendered);
        return keptPageImage(d.page().image);
    }
    QString projectFile() const { return path(QStringLiteral("job/trip.svp")); }
    QStringList photos;
    std::unique_ptr<PrintDocument> doc;
};

TEST_F(ProjectTest, SavedProjectReopensToTheSamePagePixelForPixel) {
    // Step to the second page first: the place in the list is part of the job.
    doc->imageList().setCursor(1);
    doc->imageList().takeNext();
    const QImage before = renderOf(*doc);
    QString error;
    ASSERT_TRUE(saveProjectFile(projectFile(), projectOf(*doc), error)) << error.toStdString();
    const QByteArray text = readFileBytes(projectFile());
    EXPECT_TRUE(text.startsWith("snapvale-project 1\n"));
    EXPECT_TRUE(text.contains("\nphoto=photos/p1.png\n"));  // below the project: relative
    EXPECT_TRUE(text.contains("\nplace=2\n"));
    EXPECT_TRUE(text.endsWith("end\n"));

    PrintDocument other(store());
    other.renderPass().setDecodeThreads(0);
    PrintProject project;
    ASSERT_TRUE(loadProjectFile(projectFile(), other.settings(), project, error)) << error.toStdString();
    EXPECT_TRUE(applyProject(other, project).isEmpty());
    EXPECT_EQ(other.framings(), doc->framings());
    EXPECT_EQ(other.imageList().entries(), doc->imageList().entries());
    const QImage after = renderOf(other);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_TRUE(after == before);
    EXPECT_EQ(other.report().slots[1].framed, 1);  // photo 2 heads the page
}

TEST_F(ProjectTest, BadProjectsNameTheLineAndLeaveTheJobAlone) {
    QString error;
    ASSERT_TRUE(saveProjectFile(projectFile(), projectOf(*doc), error));
    const QByteArray good = readFileBytes(projectFile());
    struct Case {
        const char* what;
        QByteArray text;
        const char* says;
    };
    QByteArray truncated = good;
    truncated.chop(12);
    const Case cases[] = {
        {"truncated", truncated, "ends before its last line"},
        {"empty", QByteArray(), "line 1: this is not a Snapvale print project"},
        {"newer", QByteArray(good).replace("snapvale-project 1", "snapvale-project 9"),
         "line 1: the project was made by a newer"},
        {"unknown template", QByteArray(good).replace("Three 4 x 6 Prints", "Seven Moons"),
         "line 2: no template is called \"Seven Moons\""},
        {"zoom 1e9", QByteArray(good).replace("frame=2 0.25 -1 2.5 1", "frame=2 0.25 -1 1e9 1"),
         "the zoom must be a number from 1 to 4"},
        {"pan NaN", QByteArray(good).replace("frame=2 0.25 -1 2.5 1", "frame=2 nan -1 2 1"),
         "the horizontal pan must be"},
        {"turn 7", QByteArray(good).replace("frame=2 0.25 -1 2.5 1", "frame=2 0 0 2 7"),
         "the quarter turns must be 0, 1, 2 or 3"},
        {"frame past the list", QByteArray(good).replace("frame=2 ", "frame=9 "),
         "the framing is for photo 9, but there are 4"},
        {"resolution", QByteArray(good).replace("PageResolution=40", "PageResolution=99999999999"),
         "PageResolution must be a whole number from 1 to 10000"},
        {"border", QByteArray(good).replace("PhotoBorder=0.05", "PhotoBorder=inf"),
         "PhotoBorder must be inches"},
        {"unknown key", QByteArray(good).replace("CropTop=", "CropTopp="), "unknown setting \"CropTopp\""},
        {"no photos", QByteArray("snapvale-project 1\nend\n"), "the project holds no photos"},
        {"bad escape", QByteArray("snapvale-project 1\nphoto=a\\q\nend\n"), "line 2: the photo's path"},
    };
    const QByteArray listBefore = readFileBytes(projectFile());
    for (const Case& c : cases) {
        PrintProject project;
        project.place = 77;
        QString why;
        EXPECT_FALSE(parseProjectText(c.text, projectFile(), doc->settings(), project, why)) << c.what;
        EXPECT_TRUE(why.contains(QLatin1String(c.says))) << c.what << ": " << why.toStdString();
        EXPECT_TRUE(why.startsWith(QLatin1String("line "))) << c.what;
        EXPECT_EQ(project.place, 77) << c.what;  // untouched
    }
    // A failed load changes nothing of the open job.
    QFile f(path(QStringLiteral("job/bad.svp")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(truncated);
    f.close();
    PrintProject project;
    EXPECT_FALSE(loadProjectFile(path(QStringLiteral("job/bad.svp")), doc->settings(), project, error));
    EXPECT_TRUE(error.startsWith(QLatin1String("bad.svp: line "))) << error.toStdString();
    EXPECT_EQ(doc->imageList().count(), 4);
    EXPECT_EQ(doc->framings().count(), 2);
    EXPECT_EQ(readFileBytes(projectFile()), listBefore);
}

TEST_F(ProjectTest, MissingPhotosAreNamedAndTheRestKeepTheirFramings) {
    QString error;
    ASSERT_TRUE(saveProjectFile(projectFile(), projectOf(*doc), error));
    ASSERT_TRUE(QFile::remove(photos[0]));
    PrintDocument other(store());
    PrintProject project;
    ASSERT_TRUE(loadProjectFile(projectFile(), other.settings(), project, error));
    EXPECT_EQ(applyProject(other, project), QStringList{photos[0]});
    ASSERT_EQ(other.imageList().count(), 3);
    // Photos 2 and 4 are now at places 1 and 3 and keep their framings.
    ASSERT_NE(other.framings().find(1, photos[1]), nullptr);
    EXPECT_EQ(other.framings().find(1, photos[1])->zoom, 2.5);
    EXPECT_NE(other.framings().find(3, photos[3]), nullptr);
    EXPECT_EQ(other.settings().FullPageTemplateSel, QStringLiteral("Three 4 x 6 Prints"));
    EXPECT_EQ(other.settings().CanvasWidth, 320);  // derived from the project's sizes
}

TEST_F(ProjectTest, TextsAndPathsWithLineBreaksSurviveTheRoundTrip) {
    PrintProject p = projectOf(*doc);
    p.settings.WatermarkText = QStringLiteral("two\nlines \\ and a backslash");
    p.photos << QStringLiteral("/elsewhere/odd\nname.jpg");
    PrintProject back;
    QString error;
    ASSERT_TRUE(
        parseProjectText(writeProjectText(p, projectFile()), projectFile(), AppSettings{}, back, error))
        << error.toStdString();
    EXPECT_EQ(back.settings.WatermarkText, p.settings.WatermarkText);
    EXPECT_EQ(back.photos, p.photos);
    EXPECT_EQ(back.framings, p.framings);
}

TEST(FrameArgument, ValuesAndTheirFaults) {
    struct Case {
        const char* text;
        bool ok;
        int place;
        Framing framing;
        const char* says;
    };
    const Case cases[] = {
        {"3=0.5,-1", true, 3, {0.5, -1, 1, 0}, ""},   {"1=0,0,4,3", true, 1, {0, 0, 4, 3}, ""},
        {"0=0,0", false, 0, {}, "the photo's place"}, {"x=0,0", false, 0, {}, "the photo's place"},
        {"2=0", false, 0, {}, "N=PANX,PANY"},         {"2=0,0,1,1,1", false, 0, {}, "N=PANX,PANY"},
        {"2=1.5,0", false, 0, {}, "horizontal pan"},  {"2=0,nan", false, 0, {}, "vertical pan"},
        {"2=0,0,0.5", false, 0, {}, "zoom"},          {"2=0,0,1,4", false, 0, {}, "quarter turns"},
        {"no-equals", false, 0, {}, "N=PANX,PANY"},
    };
    for (const Case& c : cases) {
        int place = 0;
        Framing f;
        QString error;
        EXPECT_EQ(parseFrameArgument(QString::fromLatin1(c.text), place, f, error), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(place, c.place) << c.text;
            EXPECT_EQ(f, c.framing) << c.text;
        } else {
            EXPECT_TRUE(error.contains(QLatin1String(c.says))) << c.text << ": " << error.toStdString();
            EXPECT_TRUE(error.contains(QLatin1String(c.text))) << c.text;
        }
    }
}
