#pragma once
// "Snapvale Welcome Tips Dialog": one tip at a time, made hidden with the main window
// and shown by the first folder build of a run.

#include <QDialog>

class Launcher;
class Notifier;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SettingsStore;
struct AppSettings;

class WelcomeTipsDialog : public QDialog {
    Q_OBJECT
public:
    // The settings, the store and the seams outlive the window. helpDir is the
    // folder of the help pages.
    WelcomeTipsDialog(AppSettings& settings, SettingsStore& store, Notifier& notifier, Launcher& launcher,
                      const QString& helpDir, QWidget* parent = nullptr);

    // Puts the tip at TipIdx (the first one when TipIdx is past the end) into the
    // window, moves TipIdx on, shows the window on top and writes TipIdx.
    void showNextTip();
    // Sets the check box without counting as a click: the settings stay as they are.
    void setDontShowAgain(bool checked);

    QPlainTextEdit* tipField() const { return tip_; }
    QLabel* headingLabel() const { return heading_; }
    QCheckBox* dontShowAgainBox() const { return dontShow_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* nextTipButton() const { return next_; }
    QPushButton* helpButton() const { return help_; }

public Q_SLOTS:
    // Close hides the window; it lives on until the main window goes.
    void accept() override;
    // Escape stands for Help here, as the Help button carries the cancel code.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openHelp();
    void placeOverMainWindow();

    AppSettings& settings_;
    SettingsStore& store_;
    Notifier& notifier_;
    Launcher& launcher_;
    QString helpDir_;
    QLabel* heading_ = nullptr;
    QPlainTextEdit* tip_ = nullptr;
    QCheckBox* dontShow_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* help_ = nullptr;
};
