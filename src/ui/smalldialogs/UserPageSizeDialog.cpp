#include "ui/smalldialogs/UserPageSizeDialog.h"

#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/AppSettings.h"
#include "core/Seams.h"
#include "core/SettingsTable.h"
#include "ui/smalldialogs/SmallDialogsModel.h"

namespace {
// Digits with at most one decimal mark: '.' always, and the mark of the person's
// locale as well, so "39,99" reads as 39.99 under a German desktop as it would be typed there.
QValidator* inchesValidator(QObject* parent) {
    const QString mark = QLocale().decimalPoint();
    QString marks = QStringLiteral(".");
    if (mark != marks) marks += QRegularExpression::escape(mark);
    const QRegularExpression pattern(QStringLiteral("\\s*[0-9]{0,3}(?:[%1][0-9]{0,4})?\\s*").arg(marks));
    return new QRegularExpressionValidator(pattern, parent);
}

QChar localeMark() {
    const QString mark = QLocale().decimalPoint();
    return mark.size() == 1 ? mark[0] : QChar(u'.');
}
}  // namespace

UserPageSizeDialog::UserPageSizeDialog(AppSettings& settings, SettingsStore& store, Notifier& notifier,
                                       QWidget* parent)
    : QDialog(parent), settings_(settings), store_(store), notifier_(notifier) {
    setWindowTitle(tr("User Page Size Setup"));

    auto* heading = new QLabel(tr("Set Page Width and Height"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    const QString range = tr("More than %1 and less than %2 inches")
                              .arg(inchesFieldText(kUserPageMinInches), inchesFieldText(kUserPageMaxInches));
    width_ = new QLineEdit(inchesFieldText(settings_.UserWidth), this);
    height_ = new QLineEdit(inchesFieldText(settings_.UserHeight), this);
    for (QLineEdit* edit : {width_, height_}) {
        edit->setValidator(inchesValidator(edit));
        edit->setToolTip(range);
        edit->setAccessibleDescription(range);
        edit->installEventFilter(this);
    }
    widthField_ = {width_, settings_.UserWidth, false};
    heightField_ = {height_, settings_.UserHeight, true};

    auto* form = new QFormLayout;
    form->addRow(tr("Page &width (inches):"), width_);
    form->addRow(tr("Page &height (inches):"), height_);
    // The form's labels name the fields for a screen reader as well.
    width_->setAccessibleName(tr("Page width (inches)"));
    height_->setAccessibleName(tr("Page height (inches)"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &UserPageSizeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &UserPageSizeDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setTabOrder(width_, height_);
    setTabOrder(height_, ok_);
    setTabOrder(ok_, cancel_);
    width_->setFocus();
}

bool UserPageSizeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Only a move of the focus inside the dialog counts: a message box coming up
        // or the window losing the desktop's focus leaves the field as it is.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == width_) check(widthField_);
            if (watched == height_) check(heightField_);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool UserPageSizeDialog::check(Field& field) {
    if (checking_) return true;
    checking_ = true;
    const double inches = inchesFromFieldText(field.edit->text(), localeMark());
    const bool taken = userPageSizeAccepted(inches);
    if (taken) {
        field.accepted = inches;
        if (field.height) {
            settings_.UserHeight = inches;
            writeSettingHundredths(store_, setting::UserHeight, inches);
        } else {
            settings_.UserWidth = inches;
            writeSettingHundredths(store_, setting::UserWidth, inches);
        }
    } else {
        notifier_.plainOk(pageSizeRangeText(field.height ? PageSide::Height : PageSide::Width, inches));
        field.edit->setText(inchesFieldText(field.accepted));
        swallowNextOk_ = true;
    }
    checking_ = false;
    return taken;
}

void UserPageSizeDialog::accept() {
    if (swallowNextOk_) {
        swallowNextOk_ = false;
        return;
    }
    // Enter in a field reaches OK without the field losing the focus: its value is
    // checked here, so a refused size never closes the dialog as if it were taken.
    for (Field* field : {&widthField_, &heightField_}) {
        if (focusWidget() == field->edit && !check(*field)) {
            swallowNextOk_ = false;
            return;
        }
    }
    QDialog::accept();
}

bool RunUserPageSize(QWidget* parent, AppSettings& settings, SettingsStore& store, Notifier& notifier) {
    UserPageSizeDialog dialog(settings, store, notifier, parent);
    return dialog.exec() == QDialog::Accepted;
}
