#pragma once
// The wizard's last page: the page as it will print, the paper it needs, what the
// printer can print and whether that suits the page, how well the photos resolve,
// and the buttons to set up the printer, print and step through the list.

#include <QWidget>
#include <vector>

#include "ui/wizard/WizardModel.h"

class KioskWizard;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class DocumentPagePreview;

class CPPWzdFinish : public QWidget {
    Q_OBJECT
public:
    explicit CPPWzdFinish(KioskWizard& sheet);

    void pageActivated();
    QWidget* firstControl() const;

    // Reads the printer's printable area again and judges it against the paper.
    void refreshPrinterState();
    // The preview's caption and the print quality picture, from the document.
    void refresh();

    const wizard::PrinterJudgement& judgement() const { return judgement_; }
    int qualityPictureNumber() const { return quality_; }

    QGroupBox* previewFrame() const { return frame_; }
    DocumentPagePreview* preview() const { return preview_; }
    QLabel* printerLine() const { return printer_; }
    QTextEdit* messageBox() const { return message_; }
    QLineEdit* printableArea() const { return area_; }
    // The status icon of a verdict (211 ready, 178 paper, 198 border); at most one shows.
    QLabel* statusIcon(int icon) const;
    QLabel* qualityIndicator() const { return qualityLabel_; }
    QPushButton* button(const QString& accessibleName) const;

private:
    QPushButton* addButton(const QString& text, const QImage& picture, const QString& tip);

    KioskWizard& sheet_;
    QGroupBox* frame_ = nullptr;
    DocumentPagePreview* preview_ = nullptr;
    QLabel* printer_ = nullptr;
    QTextEdit* message_ = nullptr;
    QLineEdit* area_ = nullptr;
    struct StatusIcon {
        int icon;
        QLabel* label;
    };
    std::vector<StatusIcon> icons_;
    QLabel* qualityLabel_ = nullptr;
    std::vector<QPushButton*> buttons_;
    wizard::PrinterJudgement judgement_;
    int quality_ = 139;
};
