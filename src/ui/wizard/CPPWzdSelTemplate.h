#pragma once
// The wizard's second page: fourteen layouts as pictures in one row, the page they
// make, the paper it needs, single-image mode, and the way into the layout setup
// sheet for everything else.

#include <QWidget>

class KioskWizard;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class DocumentPagePreview;

class CPPWzdSelTemplate : public QWidget {
    Q_OBJECT
public:
    explicit CPPWzdSelTemplate(KioskWizard& sheet);

    void pageActivated();
    QWidget* firstControl() const;

    // The entry of the current template is selected; any layout that is not one of
    // the fourteen (half-page styles among them) selects the last entry.
    void selectCurrentTemplate();
    // As choosing the entry in the list: it becomes the selected entry, its template
    // and page sizes are applied and the list's first page is drawn in it.
    void chooseEntry(int number);
    int selectedEntry() const { return selected_; }
    // "Use Single Image" ticked or cleared: the page is drawn again from the
    // selected start photo.
    void setSingleImage(bool on);
    // The paper size text, the caption, the single-image box and the preview.
    void refresh();
    // The page's caption: its title, or "*Bitmap Memory Error*" when a template
    // picture could not be prepared.
    QString caption() const { return caption_; }

    QListWidget* templateList() const { return list_; }
    QCheckBox* useSingleImage() const { return single_; }
    QLineEdit* paperSize() const { return paper_; }
    QGroupBox* previewFrame() const { return frame_; }
    DocumentPagePreview* preview() const { return preview_; }
    QPushButton* layoutsButton() const { return layouts_; }
    QPushButton* imageListButton() const { return review_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList();
    void showSelected();
    void selectionChanged();
    void openLayoutSetup(int command);

    KioskWizard& sheet_;
    QListWidget* list_ = nullptr;
    QCheckBox* single_ = nullptr;
    QLineEdit* paper_ = nullptr;
    QGroupBox* frame_ = nullptr;
    DocumentPagePreview* preview_ = nullptr;
    QPushButton* layouts_ = nullptr;
    QPushButton* review_ = nullptr;
    QString caption_;
    int selected_ = 1;
    bool selecting_ = false;  // the list is being set from the settings, not by the person
    int selectedAtPress_ = 0;  // the entry chosen when the mouse went down in the list
};
