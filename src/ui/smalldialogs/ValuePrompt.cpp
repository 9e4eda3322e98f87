#include "ui/smalldialogs/ValuePrompt.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "core/Seams.h"
#include "ui/smalldialogs/SmallDialogsModel.h"

ValuePromptDialog::ValuePromptDialog(Notifier& notifier, const QString& title, int position, QWidget* parent)
    : QDialog(parent), notifier_(notifier), committed_(qBound(kValueSliderMin, position, kValueSliderMax)) {
    setWindowTitle(title.isEmpty() ? tr("Your Prompt Here") : title);

    prompt_ = new QLabel(valuePromptLine(kValueSliderMin, kValueSliderMax), this);
    field_ = new QLineEdit(QString::number(committed_), this);
    field_->setAccessibleName(tr("Value"));
    field_->setAccessibleDescription(prompt_->text());
    field_->setToolTip(prompt_->text());
    field_->setMaxLength(12);
    prompt_->setBuddy(field_);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(kValueSliderMin, kValueSliderMax);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval((kValueSliderMax - kValueSliderMin) / 10);
    slider_->setPageStep(10);
    slider_->setValue(committed_);
    slider_->setAccessibleName(tr("Value slider"));
    slider_->setAccessibleDescription(
        tr("From %1 to %2; the field shows where it stands").arg(kValueSliderMin).arg(kValueSliderMax));
    slider_->setMinimumWidth(260);

    minLabel_ = new QLabel(QString::number(kValueSliderMin), this);
    maxLabel_ = new QLabel(QString::number(kValueSliderMax), this);
    minLabel_->setAccessibleName(tr("Minimum %1").arg(kValueSliderMin));
    maxLabel_->setAccessibleName(tr("Maximum %1").arg(kValueSliderMax));
    maxLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Dragging shows nothing until the thumb is let go; a key, the wheel or a click
    // beside the thumb moves it in one step, which counts as letting go at once.
    connect(slider_, &QSlider::sliderReleased, this, &ValuePromptDialog::commitSlider);
    connect(slider_, &QSlider::valueChanged, this, [this] {
        if (slider_->isSliderDown())
            movedSinceCommit_ = true;
        else
            commitSlider();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ValuePromptDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ValuePromptDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(prompt_, 0, 0, 1, 2);
    grid->addWidget(field_, 0, 2);
    grid->addWidget(slider_, 1, 0, 1, 3);
    grid->addWidget(minLabel_, 2, 0);
    grid->addWidget(maxLabel_, 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    setTabOrder(field_, slider_);
    setTabOrder(slider_, ok_);
    setTabOrder(ok_, cancel_);
    field_->setFocus();
    field_->selectAll();
}

void ValuePromptDialog::setSliderQuietly(int position) {
    const QSignalBlocker quiet(slider_);
    slider_->setValue(position);
}

void ValuePromptDialog::commitSlider() {
    committed_ = slider_->value();
    movedSinceCommit_ = false;
    field_->setText(QString::number(committed_));
}

void ValuePromptDialog::accept() {
    const QString typed = field_->text();
    const int number = leadingInteger(typed);
    if (number < slider_->minimum() || number > slider_->maximum()) {
        notifier_.plainOk(illegalValueText(typed, slider_->minimum(), slider_->maximum()));
        field_->setText(QString::number(slider_->value()));
        return;
    }
    if (movedSinceCommit_) {
        // The thumb was moved but never let go: back to where the field and the
        // slider last agreed, the field left as it is.
        const QSignalBlocker quiet(slider_);
        slider_->setSliderDown(false);
        slider_->setValue(committed_);
        movedSinceCommit_ = false;
        return;
    }
    committed_ = number;
    setSliderQuietly(number);
    QDialog::accept();
}

bool AskValue(QWidget* parent, Notifier& notifier, const QString& title, double lower, double upper,
              double& value) {
    ValuePromptDialog dialog(notifier, title, sliderPositionForValue(lower, upper, value), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = valueForSliderPosition(lower, upper, dialog.committedPosition());
    return true;
}
