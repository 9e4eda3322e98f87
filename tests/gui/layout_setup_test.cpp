// The layout setup sheet driven through its own controls on the offscreen platform,
// and the main window's ways into it.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "app/CommandTable.h"
#include "core/SettingsTable.h"
#include "gui/GuiFixture.h"
#include "layout/FaceFinder.h"
#include "layout/RenderPass.h"
#include "layout/TemplateCatalogue.h"
#include "output/PagePrinter.h"
#include "ui/layoutsetup/CPPageAdvancedOptionsControl.h"
#include "ui/layoutsetup/CPPageImageListControl.h"
#include "ui/layoutsetup/CPPageTemplateControl.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"
#include "ui/layoutsetup/LayoutSetupModel.h"

namespace {

class LayoutSetupTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        doc = std::make_unique<PrintDocument>(store());
        AppSettings& s = doc->settings();
        chooseFullPageTemplate(s, nullptr, QStringLiteral("Three 4 x 6 Prints"));
        choosePageResolution(s, nullptr, 20);
        doc->setImageList(writeSmallPhotos(4));
        doc->setServices(fakes.services(&store()));
        doc->ensurePage();
        context.document = doc.get();
        context.services = fakes.services(&store());
        context.askValue = [this](const QString& title, double, double, double& value) {
            asked << title;
            if (answers.empty()) return false;
            value = answers.front();
            answers.erase(answers.begin());
            return true;
        };
    }
    CPhotoLayoutSetupDlg& open(int page = 0) {
        sheet = std::make_unique<CPhotoLayoutSetupDlg>(context, page, doc->imageList().entries().front());
        return *sheet;
    }
    AppSettings& settings() { return doc->settings(); }
    int storedInt(const SettingKey& key) { return readSettingInt(store(), key, -999); }
    void leave(QWidget* field) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field, &out);
    }
    int plainMessages(const QString& text) const {
        int n = 0;
        for (const ShownMessage& m : fakes.notifier.shown) n += m.text == text;
        return n;
    }

    FakeServices fakes;
    std::unique_ptr<PrintDocument> doc;
    LayoutSetupContext context;
    std::unique_ptr<CPhotoLayoutSetupDlg> sheet;
    QStringList asked;
    std::vector<double> answers;
};

TEST_F(LayoutSetupTest, ResolutionWarnsAboveTwoHundredAndSizesTheCanvas) {
    CPPageAdvancedOptionsControl& page = *open(2).advancedPage();
    page.chooseResolution(300);
    EXPECT_EQ(plainMessages(layout_setup::highResolutionWarning()), 1);
    EXPECT_EQ(settings().IndexTextHeight, 30);
    EXPECT_EQ(storedInt(setting::PageResolution), 300);
    EXPECT_EQ(doc->page().image.GetWidth(), 2400) << "the page is drawn again at the new size";
    EXPECT_EQ(doc->page().resolution, 300);

    page.chooseResolution(100);
    EXPECT_EQ(plainMessages(layout_setup::highResolutionWarning()), 1) << "no warning at 100";
    EXPECT_EQ(settings().IndexTextHeight, 14);
    EXPECT_EQ(page.resolution()->currentText(), "100");
}

TEST_F(LayoutSetupTest, BorderTakesZeroToFifteenHundredthsAndPutsBackARefusedValue) {
    CPPageTemplateControl& page = *open(1).templatePage();
    page.border()->setText("0.15");
    leave(page.border());
    EXPECT_DOUBLE_EQ(settings().PhotoBorder, 0.15);
    EXPECT_EQ(storedInt(setting::PhotoBorder), 15);

    page.border()->setText("0.151");
    leave(page.border());
    EXPECT_EQ(plainMessages(layout_setup::borderRefusedText(0.151)), 1);
    EXPECT_EQ(page.border()->text(), "0.15");
    EXPECT_DOUBLE_EQ(settings().PhotoBorder, 0.15);
    EXPECT_EQ(storedInt(setting::PhotoBorder), 15);
}

TEST_F(LayoutSetupTest, CropPairsKeepASideAndTheIllustrationFollows) {
    CPPageAdvancedOptionsControl& page = *open(2).advancedPage();
    EXPECT_EQ(page.cropPictureNumber(), 173);  // every side may be cut
    page.cropBox(1)->click();                  // bottom off
    EXPECT_EQ(page.cropPictureNumber(), 176);  // top only, left and right
    page.cropBox(0)->click();                  // top off too: bottom comes back on
    EXPECT_EQ(settings().CropTop, 0);
    EXPECT_EQ(settings().CropBottom, 1);
    EXPECT_TRUE(page.cropBox(1)->isChecked());
    EXPECT_EQ(page.cropPictureNumber(), 169);

    page.autoCrop()->click();
    EXPECT_EQ(settings().AutoCropOn, 0);
    EXPECT_EQ(page.autoCrop()->text(), "Auto Crop (OFF)");
    EXPECT_FALSE(page.cropBox(2)->isEnabled());
    EXPECT_FALSE(page.cropWarning()->isHidden());
    EXPECT_EQ(page.cropPictureNumber(), 167);
}

TEST_F(LayoutSetupTest, CutMarksAndKeepFacesAreStoredAtOnceAndDrawn) {
    // A finder whose files are there: the switch may be used (nothing is opened to know).
    FaceFinder finder(writeFile(QStringLiteral("libsnapvale_faces.so"), "x"),
                      writeFile(QStringLiteral("cascade.xml"), "x"));
    FaceFinder::replaceShared(&finder);
    CPPageAdvancedOptionsControl& page = *open(2).advancedPage();
    EXPECT_EQ(page.cutMarks()->accessibleName(), "Cut Marks");
    EXPECT_EQ(page.keepFaces()->accessibleName(), "Keep faces in frame");
    EXPECT_FALSE(page.cutMarks()->isChecked());
    EXPECT_TRUE(page.keepFaces()->isEnabled());
    EXPECT_FALSE(page.keepFaces()->toolTip().isEmpty());

    const QImage before = doc->page().image.ToBitmap();
    page.cutMarks()->click();
    EXPECT_EQ(settings().CutMarks, 1);
    EXPECT_EQ(storedInt(setting::CutMarks), 1);
    EXPECT_NE(doc->page().image.ToBitmap(), before) << "the page is drawn again with its marks";

    page.keepFaces()->click();
    EXPECT_EQ(settings().KeepFacesInFrame, 1);
    EXPECT_EQ(storedInt(setting::KeepFacesInFrame), 1);
    // Faces only move a cut: without the auto crop there is none.
    page.autoCrop()->click();
    EXPECT_FALSE(page.keepFaces()->isEnabled());
    EXPECT_TRUE(page.keepFaces()->isChecked());
    FaceFinder::replaceShared(nullptr);
}

TEST_F(LayoutSetupTest, KeepFacesIsGreyedWithTheReasonWhereTheFaceModelIsMissing) {
    FaceFinder finder(writeFile(QStringLiteral("libsnapvale_faces.so"), "x"),
                      path(QStringLiteral("gone.xml")));
    FaceFinder::replaceShared(&finder);
    settings().KeepFacesInFrame = 1;
    CPPageAdvancedOptionsControl& page = *open(2).advancedPage();
    EXPECT_FALSE(page.keepFaces()->isEnabled());
    EXPECT_TRUE(page.keepFaces()->isChecked()) << "the stored choice is shown as it is";
    EXPECT_TRUE(page.keepFaces()->toolTip().contains("opencv-data"))
        << page.keepFaces()->toolTip().toStdString();
    FaceFinder::replaceShared(nullptr);
}

TEST(LayoutSetupModelTest, CropIllustrationTable) {
    const struct {
        int top, bottom, left, right, picture;
    } cases[] = {{0, 1, 1, 0, 168}, {0, 1, 1, 1, 169}, {0, 1, 0, 1, 171}, {1, 1, 1, 0, 172},
                 {1, 1, 1, 1, 173}, {1, 1, 0, 1, 174}, {1, 0, 1, 0, 175}, {1, 0, 1, 1, 176},
                 {1, 0, 0, 1, 177}, {0, 0, 1, 1, 167}, {1, 1, 0, 0, 167}};
    for (const auto& c : cases) {
        AppSettings s;
        s.CropTop = c.top, s.CropBottom = c.bottom, s.CropLeft = c.left, s.CropRight = c.right;
        EXPECT_EQ(layout_setup::cropIllustration(s), c.picture) << c.top << c.bottom << c.left << c.right;
    }
}

TEST_F(LayoutSetupTest, LightenAndDarkenExcludeEachOtherAndAskTheirAmount) {
    CPPageAdvancedOptionsControl& page = *open(2).advancedPage();
    answers = {30};
    page.filterBox(CPPageAdvancedOptionsControl::Lighten)->click();
    EXPECT_EQ(asked, QStringList{"Lighten Images"});
    EXPECT_EQ(settings().LightenPhoto, 1);
    EXPECT_EQ(storedInt(setting::PhotoLighten), 30);

    // Darken clears lighten; cancelling its prompt leaves both off.
    page.filterBox(CPPageAdvancedOptionsControl::Darken)->click();
    EXPECT_EQ(asked.last(), "Darken Images");
    EXPECT_EQ(settings().LightenPhoto, 0);
    EXPECT_EQ(settings().DarkenPhoto, 0);
    EXPECT_FALSE(page.filterBox(CPPageAdvancedOptionsControl::Lighten)->isChecked());
    EXPECT_FALSE(page.filterBox(CPPageAdvancedOptionsControl::Darken)->isChecked());

    answers = {12.9};
    page.filterBox(CPPageAdvancedOptionsControl::Darken)->click();
    EXPECT_EQ(storedInt(setting::PhotoDarken), -12) << "kept negative and truncated";

    page.filterBox(CPPageAdvancedOptionsControl::Sharpen)->click();
    page.filterBox(CPPageAdvancedOptionsControl::Soften)->click();
    EXPECT_EQ(settings().PhotoSharpen, 0);
    EXPECT_EQ(settings().PhotoSoften, 1);
}

TEST_F(LayoutSetupTest, TheGreetingCardSizesThePageAndItIsDrawnAtThatSize) {
    choosePageResolution(settings(), nullptr, 200);
    CPPageTemplateControl& page = *open(1).templatePage();
    page.chooseTemplate(QStringLiteral("Greeting Card (Half-fold) 5in x 8in"));
    EXPECT_DOUBLE_EQ(settings().MaxPageWidthIn, 8.5);
    EXPECT_DOUBLE_EQ(settings().MaxTemplateHeightIn, 10.5);
    EXPECT_EQ(storedInt(setting::MaxTemplateHeightIn), 1050);
    EXPECT_EQ(page.paperSize()->text(), "8.50 x 11.00 in");
    ASSERT_TRUE(doc->hasPage());
    EXPECT_EQ(doc->page().image.GetWidth(), 1600);
    EXPECT_EQ(doc->page().image.GetHeight(), 2100);
    EXPECT_EQ(page.title()->text(), "Greeting Card (Half-fold) 5in x 8in");
    EXPECT_FALSE(page.styleButton(126)->isEnabled()) << "half-page styles wait for half-page mode";
}

TEST_F(LayoutSetupTest, AStyleButtonSetsTheChosenHalfOnly) {
    CPPageTemplateControl& page = *open(1).templatePage();
    page.bottomHalf()->click();
    EXPECT_EQ(settings().FullPageTemplateSel, "NONE - USE HALF PAGE TEMPLATES");
    const int top = settings().TopPageStyle;
    page.styleButton(126)->click();
    EXPECT_EQ(settings().BottomPageStyle, 126);
    EXPECT_EQ(settings().TopPageStyle, top);
    EXPECT_TRUE(page.title()->text().endsWith(" + Bottom: One 4 x 6 Print"));
    EXPECT_EQ(doc->report().slotCount, halfPageStyleSlotCount(top) + halfPageStyleSlotCount(126))
        << "the page drawn is the half-page pair";
}

TEST_F(LayoutSetupTest, SlotListShowsThePageAndStaysEmptyForTheGridOnly) {
    CPhotoLayoutSetupDlg& s = open(0);
    ASSERT_EQ(s.slotList()->topLevelItemCount(), 3);
    const QTreeWidgetItem* first = s.slotList()->topLevelItem(0);
    EXPECT_EQ(first->text(0), "01");
    EXPECT_EQ(first->text(2), "p0.jpg [+] " + dirPath() + "/");
    EXPECT_EQ(layout_setup::pathFromSlotColumn(first->text(2)), path("p0.jpg"));

    s.imageListPage()->gridOnly()->click();
    EXPECT_EQ(settings().PhotoGridOnly, 1);
    EXPECT_EQ(s.slotList()->topLevelItemCount(), 0);
}

TEST_F(LayoutSetupTest, GoingToAnImageStartsThePageThere) {
    CPhotoLayoutSetupDlg& s = open(0);
    s.imageListPage()->goToImage(40);  // beyond the list: its last photo
    EXPECT_EQ(s.imageListPage()->goToNumber()->value(), 4);
    EXPECT_EQ(doc->report().firstFile, path("p3.jpg"));
    EXPECT_TRUE(s.imageListPage()->informationLine()->text().endsWith("p3.jpg [90 x 40]"));
}

TEST(LayoutSetupModelTest, SlotColumnTurnsBackIntoThePathWhereverTheMarkAlsoStands) {
    const struct {
        QString column, path;
    } cases[] = {
        {"a.jpg [+] /photos/", "/photos/a.jpg"},
        {"a.jpg [+] /one [+] two/", "/one [+] two/a.jpg"},      // a folder holding the mark
        {"x [+] y.jpg [+] /photos/", "/photos/x [+] y.jpg"},    // a file name holding it
        {"x [+] y.jpg [+] /p [+] q/", "/p [+] q/x [+] y.jpg"},  // both
        {"plain.jpg", "plain.jpg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout_setup::pathFromSlotColumn(c.column), c.path) << c.column.toStdString();
}

// A notifier whose boxes run the event loop while they are up, as a real one does.
class ModalNotifier : public ScriptedNotifier {
public:
    Answer message(const QString& title, const QString& text, MessageKind kind) override {
        QCoreApplication::processEvents();
        return ScriptedNotifier::message(title, text, kind);
    }
};

TEST_F(LayoutSetupTest, TheBorderlessNoticeDoesNotSkipAPageOfPhotos) {
    // The main view draws a dropped page from the event loop; so does this stand-in.
    QObject::connect(doc.get(), &PrintDocument::pageDropped, doc.get(),
                     [this] { QTimer::singleShot(0, doc.get(), [this] { doc->ensurePage(); }); });
    ModalNotifier boxes;
    FakePrinterBackend printer;
    printer.name = QStringLiteral("Office");
    printer.page = {2400, 3150, 300, 300};  // 8 x 10.5 in: no borderless 4 x 6
    context.services.notifier = &boxes;
    context.checkBorderless = [&] {
        CheckBorderlessPage(printer, boxes, PaperSizes::fromSettings(settings()));
    };
    CPhotoLayoutSetupDlg& s = open(1);
    ASSERT_EQ(doc->report().firstFile, path("p0.jpg"));
    s.templatePage()->chooseTemplate(QStringLiteral("One Borderless 4in x 6in Print"));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.shown.size(), 1u) << "the borderless notice";
    EXPECT_EQ(doc->report().firstFile, path("p0.jpg")) << "the page starts where it stood";
}

TEST_F(LayoutSetupTest, SingleImageOnTheTemplatesPageTakesTheGoToStep) {
    CPhotoLayoutSetupDlg& s = open(1);
    // A slot chosen in the list selects its photo; the go-to number stays at 1.
    QTreeWidgetItem* second = s.slotList()->topLevelItem(1);
    ASSERT_NE(second, nullptr);
    Q_EMIT s.slotList()->itemClicked(second, 0);
    ASSERT_EQ(s.selectedPhoto(), path("p1.jpg"));
    s.templatePage()->useSingleImage()->click();
    EXPECT_EQ(settings().UseSingleImage, 1);
    EXPECT_EQ(doc->report().firstFile, path("p0.jpg"))
        << "drawn from the go-to number, as the Image List page";
    EXPECT_EQ(s.selectedPhoto(), path("p0.jpg"));
}

TEST_F(LayoutSetupTest, TheBorderIsCheckedWhenTheFieldIsLeftNotWhenAnotherProgramTakesTheFocus) {
    CPPageTemplateControl& page = *open(1).templatePage();
    page.border()->setText("0.5");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(page.border(), &away);
    EXPECT_EQ(plainMessages(layout_setup::borderRefusedText(0.5)), 0);
    EXPECT_EQ(page.border()->text(), "0.5") << "the value being typed stays";
    leave(page.border());
    EXPECT_EQ(plainMessages(layout_setup::borderRefusedText(0.5)), 1);
}

TEST_F(LayoutSetupTest, PrintPageIsRefusedWhilePrintingAndAFailedPrintIsSaid) {
    fakes.printer.name = QStringLiteral("Office");
    fakes.printer.page = {2550, 3300, 300, 300};  // the template's 8.5 x 11 paper: no question
    CPhotoLayoutSetupDlg& s = open(0);
    QPushButton* print = s.button(QStringLiteral("Print Page"));
    ASSERT_NE(print, nullptr);
    // A second click while the page spools (its events run meanwhile).
    int clicks = 0;
    fakes.printer.onSpool = [&] {
        if (++clicks == 1) print->click();
    };
    print->click();
    EXPECT_EQ(fakes.printer.spooled.size(), 1u) << "no print inside the print";
    EXPECT_TRUE(fakes.status.panes[0].contains(QStringLiteral("Please wait: printing is still running.")));

    fakes.printer.onSpool = nullptr;
    fakes.printer.spoolSucceeds = false;
    print->click();
    EXPECT_EQ(fakes.status.panes[0].value(fakes.status.panes[0].size() - 1),
              QStringLiteral("The page could not be sent to the printer \"Office\"."));
}

TEST_F(LayoutSetupTest, ControlsWaitWhileALongOperationHoldsTheDocument) {
    CPhotoLayoutSetupDlg& s = open(0);
    s.show();
    QPushButton* next = s.button(QStringLiteral("Draw Next Page"));
    ASSERT_NE(next, nullptr);
    const QString first = doc->report().firstFile;
    {
        PrintDocument::BusyScope busy(*doc, QStringLiteral("the folder scan"));
        const QPoint at = next->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, next->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(next, &click);
        }
        next->click();  // a click that got through all the same is refused by the document
        EXPECT_EQ(doc->report().firstFile, first);
        EXPECT_EQ(
            fakes.status.panes[0].count(QStringLiteral("Please wait: the folder scan is still running.")), 2);
    }
    next->click();
    EXPECT_NE(doc->report().firstFile, first) << "the button works again afterwards";
}

TEST_F(LayoutSetupTest, AssistiveToolsHearTheTitleAsItChanges) {
    CPhotoLayoutSetupDlg& s = open(1);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&s);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), s.windowTitle());
    s.templatePage()->chooseTemplate(QStringLiteral("Index Sheet (Negative Strip) - 9 Prints"));
    ASSERT_TRUE(s.windowTitle().contains("Index Sheet (Negative Strip)")) << s.windowTitle().toStdString();
    EXPECT_EQ(window->text(QAccessible::Name), s.windowTitle());
}

class LayoutSetupWindowTest : public MainWindowTest {};

// Every way into the sheet opens its page; the layout keys are written when it closes.
TEST_F(LayoutSetupWindowTest, EachRouteOpensItsPageAndTheChoicesAreWrittenAfterwards) {
    CSnapvaleDlg& w = open();
    w.document().setImageList({"/nowhere/a.jpg", "/nowhere/b.jpg"});
    int shown = -1;
    w.setLayoutSetupOpened([&](CPhotoLayoutSetupDlg& sheet) {
        shown = sheet.sheet()->currentIndex();
        sheet.reject();
    });
    const struct {
        int command, page;
    } routes[] = {{cmd::ViewImageList, 0},    {cmd::ChangeTemplate, 1}, {cmd::StatusIndicator, 1},
                  {cmd::ChangeResolution, 2}, {cmd::AdjustCrop, 2},     {cmd::AdjustWatermark, 2},
                  {cmd::AdjustFilters, 2},    {cmd::LayoutSetup, 2}};  // the menu reopens the last page
    for (const auto& r : routes) {
        shown = -1;
        w.runCommand(r.command);
        EXPECT_EQ(shown, r.page) << r.command;
    }
    EXPECT_EQ(readSettingInt(store(), setting::GrayscalePhotos, -1), 0);
    EXPECT_EQ(readSettingText(store(), setting::FullPageTemplateSel, "?"),
              w.document().settings().FullPageTemplateSel);
}

}  // namespace
