#pragma once
// "Print Alignment Page...": prints the alignment page and keeps the offsets the
// person measured on it for the current printer's queue.

#include <QDialog>
#include <functional>

#include "output/PagePrinter.h"

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class Notifier;
class PrinterBackend;

class AlignmentDialog final : public QDialog {
    Q_OBJECT

public:
    // print sends the alignment page moved by the offsets in the fields.
    using PrintFunction = std::function<PrintResult(const AlignmentOffsets&)>;
    AlignmentDialog(PrinterBackend& printer, PrintFunction print, QWidget* parent = nullptr);

    AlignmentOffsets offsets() const;
    QDoubleSpinBox* horizontalField() const { return horizontal_; }
    QDoubleSpinBox* verticalField() const { return vertical_; }
    QPushButton* printButton() const { return print_; }
    QLabel* resultLabel() const { return result_; }

    // OK keeps the offsets for the printer.
    void accept() override;

private:
    void printPage();

    PrinterBackend& printer_;
    PrintFunction printFunction_;
    QString printerName_;
    QDoubleSpinBox* horizontal_;
    QDoubleSpinBox* vertical_;
    QPushButton* print_;
    QLabel* result_;
};

// The command: the dialog on the application's printer, or the word that there is none.
void RunPrintAlignment(QWidget* parent, PrinterBackend& printer, Notifier& notifier,
                       AlignmentDialog::PrintFunction print);
