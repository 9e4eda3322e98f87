#include "ui/printing/AlignmentDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Seams.h"
#include "output/PrinterBackend.h"
#include "ui/printing/AlignmentModel.h"

namespace {
QDoubleSpinBox* offsetField(double value, const QString& name, const QString& tip, QWidget* parent) {
    auto* field = new QDoubleSpinBox(parent);
    field->setRange(-kAlignmentLimitMm, kAlignmentLimitMm);
    field->setDecimals(alignment_dialog::kDecimals);
    field->setSingleStep(alignment_dialog::kStepMm);
    field->setValue(alignment_dialog::fieldValue(value));
    field->setAccessibleName(name);
    field->setToolTip(tip);
    field->setAccessibleDescription(tip);
    return field;
}

void nameButton(QPushButton* button, const QString& name, const QString& tip) {
    button->setAccessibleName(name);
    button->setToolTip(tip);
}
}  // namespace

AlignmentDialog::AlignmentDialog(PrinterBackend& printer, PrintFunction print, QWidget* parent)
    : QDialog(parent), printer_(printer), printFunction_(std::move(print)) {
    printerName_ = currentPrinterName(printer_);
    setWindowTitle(alignment_dialog::windowTitle(printerName_));

    auto* intro = new QLabel(alignment_dialog::introText(printerName_), this);
    intro->setWordWrap(true);
    intro->setTextFormat(Qt::PlainText);

    const AlignmentOffsets kept = printer_.alignmentOffsets();
    horizontal_ =
        offsetField(kept.xMm, tr("Horizontal offset (mm)"), alignment_dialog::horizontalToolTip(), this);
    vertical_ = offsetField(kept.yMm, tr("Vertical offset (mm)"), alignment_dialog::verticalToolTip(), this);
    auto* form = new QFormLayout;
    form->addRow(tr("&Horizontal offset (mm):"), horizontal_);
    form->addRow(tr("&Vertical offset (mm):"), vertical_);

    print_ = new QPushButton(tr("&Print Alignment Page"), this);
    nameButton(print_, tr("Print Alignment Page"), tr("Print the alignment page with the offsets above."));
    print_->setAutoDefault(false);
    connect(print_, &QPushButton::clicked, this, &AlignmentDialog::printPage);
    result_ = new QLabel(this);
    result_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    nameButton(buttons->button(QDialogButtonBox::Ok), tr("OK"), tr("Keep the offsets for this printer."));
    nameButton(buttons->button(QDialogButtonBox::Cancel), tr("Cancel"),
               tr("Close without changing the offsets."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addLayout(form);
    column->addWidget(print_, 0, Qt::AlignLeft);
    column->addWidget(result_);
    column->addWidget(buttons);
    setMinimumWidth(440);
    horizontal_->setFocus();
}

AlignmentOffsets AlignmentDialog::offsets() const {
    return {alignment_dialog::fieldValue(horizontal_->value()),
            alignment_dialog::fieldValue(vertical_->value())};
}

void AlignmentDialog::printPage() {
    if (!printFunction_) return;
    print_->setEnabled(false);
    const PrintResult result = printFunction_(offsets());
    print_->setEnabled(true);
    result_->setText(alignment_dialog::printedText(result, printerName_));
}

void AlignmentDialog::accept() {
    printer_.setAlignmentOffsets(offsets());
    QDialog::accept();
}

void RunPrintAlignment(QWidget* parent, PrinterBackend& printer, Notifier& notifier,
                       AlignmentDialog::PrintFunction print) {
    if (printer.defaultPrinterName().isEmpty()) {
        notifier.message(AlignmentDialog::tr("Print Alignment Page"),
                         AlignmentDialog::tr("No printer is installed on this computer."),
                         MessageKind::Information);
        return;
    }
    AlignmentDialog dialog(printer, std::move(print), parent);
    dialog.exec();
}
