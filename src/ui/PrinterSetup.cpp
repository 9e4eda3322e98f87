#include "ui/PrinterSetup.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "print/QtPrinterBackend.h"

void RunPrinterSetup(QWidget* parent, PrinterBackend& backend) {
    // Stand-in printers (tests, a PDF target) have no settings to edit.
    auto* system = dynamic_cast<QtPrinterBackend*>(&backend);
    if (!system) return;
    QPrinter* printer = system->printerForSetup();
    if (!printer) {
        QMessageBox::information(
            parent, QCoreApplication::translate("PrinterSetup", "Printer Select/Setup"),
            QCoreApplication::translate("PrinterSetup", "No printer is installed on this computer."));
        return;
    }
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("PrinterSetup", "Printer Select/Setup"));
    // Pages are chosen by the program; the dialog picks the printer, paper and quality.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() == QDialog::Accepted) system->keepChosenPrinter();
}
