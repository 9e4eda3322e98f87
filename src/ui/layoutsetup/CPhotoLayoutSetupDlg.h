#pragma once
// "Custom Photo Layout Setup": three pages of layout choices on the left, the page
// they make on the right, the page's slots below, and buttons to step through the
// list. Every control changes the document's settings at once; many draw the page
// again straight away so the person sees the effect.

#include <QDialog>
#include <functional>

#include "core/AppSettings.h"
#include "core/Seams.h"

class CPPageAdvancedOptionsControl;
class CPPageImageListControl;
class CPPageTemplateControl;
class DocumentPagePreview;
class PrintDocument;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// What the sheet's pages need besides the document: the seams and the small dialogs
// they open. Tests answer the dialogs; the main window opens the real ones.
struct LayoutSetupContext {
    PrintDocument* document = nullptr;
    Services services;
    QString helpDir;
    // Carries out a main window command (open a folder, add files, import an album,
    // printer setup).
    std::function<void(int commandId)> runCommand;
    // The value prompt: a value in [lower, upper], changed in place; false on Cancel.
    std::function<bool(const QString& title, double lower, double upper, double& value)> askValue;
    // The user page size dialog; false on Cancel.
    std::function<bool()> askUserPageSize;
    // The colour chooser at the given colour; false on Cancel.
    std::function<bool(ColorRef& colour, const QString& title)> chooseColor;
    // The borderless printer check after a borderless template was chosen.
    std::function<void()> checkBorderless;
};

class CPhotoLayoutSetupDlg : public QDialog {
    Q_OBJECT
public:
    // Opens on the given page (0 image list, 1 templates, 2 advanced); -1 opens on the
    // page shown last. selectedPhoto is the photo the image list page starts on.
    CPhotoLayoutSetupDlg(const LayoutSetupContext& context, int page, const QString& selectedPhoto,
                         QWidget* parent = nullptr);
    ~CPhotoLayoutSetupDlg() override;

    // While a sheet is open every drawing of the page refreshes it.
    static bool isOpen();

    PrintDocument& document() { return *context_.document; }
    AppSettings& settings();
    const LayoutSetupContext& context() const { return context_; }

    // The page preview, the caption and the slot list again, from the document.
    void refresh();
    // The page drawn again from the first photo of the slot list.
    void reDraw();
    // The list placed at the selected photo and the page drawn again from it; the
    // templates page's title follows.
    void applyTemplateAndRedraw();
    // The photo the image list page has selected.
    QString selectedPhoto() const { return selectedPhoto_; }
    void setSelectedPhoto(const QString& path) { selectedPhoto_ = path; }
    // A row of the slot list was chosen: its photo is selected on the image list page.
    void slotChosen(QTreeWidgetItem* item);

    QTabWidget* sheet() const { return sheet_; }
    CPPageImageListControl* imageListPage() const { return imageListPage_; }
    CPPageTemplateControl* templatePage() const { return templatePage_; }
    CPPageAdvancedOptionsControl* advancedPage() const { return advancedPage_; }
    QTreeWidget* slotList() const { return slotList_; }
    QWidget* pagePreview() const;
    QPushButton* button(const QString& accessibleName) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillSlotList();
    void updateCaption();
    void openHelp();
    QPushButton* addButton(const QString& text, const QString& icon, const QString& tip);

    LayoutSetupContext context_;
    QString selectedPhoto_;
    QTabWidget* sheet_ = nullptr;
    CPPageImageListControl* imageListPage_ = nullptr;
    CPPageTemplateControl* templatePage_ = nullptr;
    CPPageAdvancedOptionsControl* advancedPage_ = nullptr;
    DocumentPagePreview* preview_ = nullptr;
    QTreeWidget* slotList_ = nullptr;
    QList<QPushButton*> buttons_;
};
