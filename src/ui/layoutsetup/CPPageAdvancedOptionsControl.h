#pragma once
// The layout setup sheet's "Advanced" page: the page resolution, the photo filters,
// the logo and the text watermark, the auto-crop with the sides it may cut and the
// faces it keeps, and the cut marks between prints.

#include <QWidget>

#include "core/AppSettings.h"

class CPhotoLayoutSetupDlg;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct SettingKey;

class CPPageAdvancedOptionsControl : public QWidget {
    Q_OBJECT
public:
    explicit CPPageAdvancedOptionsControl(CPhotoLayoutSetupDlg& sheet);

    enum Filter {
        Emboss,
        EdgeOnly,
        Lighten,
        Darken,
        Grayscale,
        Negative,
        Repair,
        Sharpen,
        Soften,
        FilterCount
    };
    QCheckBox* filterBox(Filter f) const { return filters_[f]; }
    QComboBox* resolution() const { return resolution_; }
    QComboBox* location() const { return location_; }
    QCheckBox* imageLogo() const { return imageLogo_; }
    QCheckBox* textWatermark() const { return textWatermark_; }
    QLineEdit* logoFile() const { return logoFile_; }
    QLineEdit* watermarkText() const { return watermark_; }
    QPushButton* logoBrowse() const { return browse_; }
    QPushButton* logoColour() const { return logoColour_; }
    QPushButton* textColour() const { return textColour_; }
    QPushButton* autoCrop() const { return autoCrop_; }
    QCheckBox* cropBox(int side) const { return crops_[side]; }  // top, bottom, left, right
    QLabel* cropWarning() const { return cropWarning_; }
    QLabel* cropPicture() const { return cropPicture_; }
    QCheckBox* cutMarks() const { return cutMarks_; }
    QCheckBox* keepFaces() const { return keepFaces_; }
    // The illustration shown now (167 to 177).
    int cropPictureNumber() const { return cropPictureNumber_; }

    // Chooses a resolution as picking it in the list does.
    void chooseResolution(int resolution);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filterToggled(Filter f, bool on);
    void logoToggled(bool image);
    void storeLogoChoices();
    void updateLogoEnabling();
    void cropToggled(int side, bool on);
    void toggleAutoCrop();
    void switchToggled(int AppSettings::*field, const SettingKey& key, bool on);
    void updateCropDisplay();
    void browseLogo();
    void pickColour(QPushButton* button, const SettingKey& key, ColorRef AppSettings::*field,
                    bool redrawWhenOn);
    void paintSwatches();

    CPhotoLayoutSetupDlg& sheet_;
    QComboBox* resolution_ = nullptr;
    QCheckBox* filters_[FilterCount] = {};
    QCheckBox* imageLogo_ = nullptr;
    QCheckBox* textWatermark_ = nullptr;
    QLineEdit* logoFile_ = nullptr;
    QLineEdit* watermark_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* logoColour_ = nullptr;
    QPushButton* textColour_ = nullptr;
    QComboBox* location_ = nullptr;
    QPushButton* autoCrop_ = nullptr;
    QCheckBox* crops_[4] = {};
    QLabel* cropPicture_ = nullptr;
    QLabel* cropWarning_ = nullptr;
    QLabel* cropWarningIcon_ = nullptr;
    QCheckBox* cutMarks_ = nullptr;
    QCheckBox* keepFaces_ = nullptr;
    int cropPictureNumber_ = 0;
};
