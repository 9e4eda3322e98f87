#pragma once
// The layout setup sheet's "Image List" page: every photo of the list with a preview
// of the selected one, going to a photo by number, the three ways to fill the list,
// and what the page draws (grid, photos, one photo in every slot).

#include <QWidget>

class CPhotoLayoutSetupDlg;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

class CPPageImageListControl : public QWidget {
    Q_OBJECT
public:
    explicit CPPageImageListControl(CPhotoLayoutSetupDlg& sheet);

    // The page became the current one: the switches the templates page shares are read again.
    void pageShown();
    // The main view drew a page: the heading follows the list.
    void pageDrawn();
    // Selects the photo in the list and shows it in the preview (a slot list click).
    void showPhoto(const QString& path);
    // Goes to the list's n-th photo (clamped to the list) and draws the page from it.
    void goToImage(int number);
    // "Use Single Image" on either page: the current photo is selected, the switch
    // set, and the page drawn from the go-to number.
    void singleImageToggled(bool on);

    QListWidget* list() const { return list_; }
    QSpinBox* goToNumber() const { return goTo_; }
    QLineEdit* informationLine() const { return info_; }
    QLineEdit* heading() const { return heading_; }
    QWidget* preview() const { return preview_; }
    QRadioButton* gridOnly() const { return gridOnly_; }
    QRadioButton* gridAndPhotos() const { return gridAndPhotos_; }
    QRadioButton* photosOnly() const { return photosOnly_; }
    QCheckBox* useSingleImage() const { return singleImage_; }

private:
    void fillList();
    void readSwitches();
    void selectionChanged();
    void gridModeChosen();
    void runListCommand(int commandId);
    void updateInformation();

    CPhotoLayoutSetupDlg& sheet_;
    QLineEdit* heading_ = nullptr;
    QListWidget* list_ = nullptr;
    QWidget* preview_ = nullptr;
    QLineEdit* info_ = nullptr;
    QSpinBox* goTo_ = nullptr;
    QRadioButton* gridOnly_ = nullptr;
    QRadioButton* gridAndPhotos_ = nullptr;
    QRadioButton* photosOnly_ = nullptr;
    QCheckBox* singleImage_ = nullptr;
    bool filling_ = false;
};
