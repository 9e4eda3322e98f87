#pragma once
// "User Page Size Setup": the width and height of the user-defined page, each
// checked and stored as soon as its field loses the focus.

#include <QDialog>

class Notifier;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsStore;
struct AppSettings;

// Runs the dialog modally; true when it ended with OK. Accepted sizes are in the
// settings and the store already, whichever way it ends.
bool RunUserPageSize(QWidget* parent, AppSettings& settings, SettingsStore& store, Notifier& notifier);

class UserPageSizeDialog : public QDialog {
    Q_OBJECT
public:
    UserPageSizeDialog(AppSettings& settings, SettingsStore& store, Notifier& notifier,
                       QWidget* parent = nullptr);

    QLineEdit* widthField() const { return width_; }
    QLineEdit* heightField() const { return height_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public Q_SLOTS:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QLineEdit* edit = nullptr;
        double accepted = 0;  // the last value taken, put back after a refusal
        bool height = false;
    };
    // Takes the field's value when it lies inside the bounds, else tells the person,
    // puts the last accepted value back and swallows the next OK. True when taken.
    bool check(Field& field);

    AppSettings& settings_;
    SettingsStore& store_;
    Notifier& notifier_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    Field widthField_;
    Field heightField_;
    bool swallowNextOk_ = false;
    bool checking_ = false;
};
