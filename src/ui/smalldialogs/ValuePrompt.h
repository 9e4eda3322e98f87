#pragma once
// "User Value Select": a slider from 0 to 100 with a number field, standing for a
// value between the caller's two bounds.

#include <QDialog>

class Notifier;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// Asks for a value between lower and upper, starting at value. On OK value becomes
// (upper - lower) x 0.01 x the slider position + lower and the answer is true; on
// Cancel value stays as it was. An empty title reads "Your Prompt Here".
bool AskValue(QWidget* parent, Notifier& notifier, const QString& title, double lower, double upper,
              double& value);

class ValuePromptDialog : public QDialog {
    Q_OBJECT
public:
    ValuePromptDialog(Notifier& notifier, const QString& title, int position, QWidget* parent = nullptr);

    // The value the slider and the number field last agreed on.
    int committedPosition() const { return committed_; }

    QSlider* slider() const { return slider_; }
    QLineEdit* numberField() const { return field_; }
    QLabel* promptLabel() const { return prompt_; }
    QLabel* minimumLabel() const { return minLabel_; }
    QLabel* maximumLabel() const { return maxLabel_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public Q_SLOTS:
    void accept() override;

private:
    void commitSlider();
    void setSliderQuietly(int position);

    Notifier& notifier_;
    QSlider* slider_ = nullptr;
    QLineEdit* field_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLabel* minLabel_ = nullptr;
    QLabel* maxLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int committed_ = 0;
    bool movedSinceCommit_ = false;
};
