#pragma once
// The layout setup sheet's "Photo Templates" page: a full-page template by name or a
// pair of half-page styles, what the page draws, the photo border and the colours of
// the grid and the negative strips.

#include <QWidget>
#include <vector>

#include "core/AppSettings.h"

class CPhotoLayoutSetupDlg;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct SettingKey;

class CPPageTemplateControl : public QWidget {
    Q_OBJECT
public:
    explicit CPPageTemplateControl(CPhotoLayoutSetupDlg& sheet);

    void pageShown();
    // The combo shows the template the settings name.
    void showTemplateName();
    // The title line follows the layout.
    void updateTitle();
    // Chooses a full-page template by name, as picking it in the combo does.
    void chooseTemplate(const QString& name);
    // Clicks the button of a half-page style (123 to 133).
    void chooseStyle(int style);
    // Marks the top (true) or the bottom half as the one the style buttons set.
    void selectHalf(bool top);

    QComboBox* templates() const { return templates_; }
    QLabel* title() const { return title_; }
    QLineEdit* paperSize() const { return paper_; }
    QLineEdit* border() const { return border_; }
    QRadioButton* topHalf() const { return top_; }
    QRadioButton* bottomHalf() const { return bottom_; }
    QPushButton* styleButton(int style) const;
    QPushButton* colourButton(const SettingKey& key) const;
    QRadioButton* gridOnly() const { return gridOnly_; }
    QRadioButton* photosOnly() const { return photosOnly_; }
    QCheckBox* useSingleImage() const { return singleImage_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct StyleButton {
        int style;
        QPushButton* button;
    };
    struct ColourButton {
        const SettingKey* key;
        ColorRef AppSettings::*field;
        QPushButton* button;
    };
    void readSwitches();
    void refreshHalfPageState();
    void setPageSizesText();
    void borderEdited();
    void pickColour(ColourButton& c);
    void paintSwatch(const ColourButton& c);

    CPhotoLayoutSetupDlg& sheet_;
    QComboBox* templates_ = nullptr;
    QLabel* title_ = nullptr;
    QLineEdit* paper_ = nullptr;
    QLineEdit* border_ = nullptr;
    QRadioButton* top_ = nullptr;
    QRadioButton* bottom_ = nullptr;
    QRadioButton* gridOnly_ = nullptr;
    QRadioButton* gridAndPhotos_ = nullptr;
    QRadioButton* photosOnly_ = nullptr;
    QCheckBox* singleImage_ = nullptr;
    std::vector<StyleButton> styles_;
    std::vector<ColourButton> colours_;
    double lastBorder_ = 0;
};
