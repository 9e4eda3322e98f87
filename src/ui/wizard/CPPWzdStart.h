#pragma once
// The wizard's first page: where the photos come from (a folder, chosen files or a
// photo album), and whether the wizard opens when the program starts.

#include <QWidget>
#include <vector>

class KioskWizard;
class QCheckBox;
class QLabel;
class QPushButton;

class CPPWzdStart : public QWidget {
    Q_OBJECT
public:
    explicit CPPWzdStart(KioskWizard& sheet);

    void pageActivated();
    QWidget* firstControl() const;

    QCheckBox* alwaysShow() const { return alwaysShow_; }
    // The button and the explanation of a photo source, by the command it runs.
    QPushButton* sourceButton(int command) const;
    QLabel* explanation(int command) const;
    // What a source button does: its command, then on to the template page when
    // the list holds photos.
    void takePhotosFrom(int command);

private:
    struct Source {
        int command;
        QPushButton* button;
        QLabel* text;
    };
    KioskWizard& sheet_;
    QCheckBox* alwaysShow_ = nullptr;
    std::vector<Source> sources_;
};
