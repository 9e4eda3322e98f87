#pragma once
// "Printer Select/Setup...": the desktop's print dialog on the application's printer
// settings. OK keeps the chosen printer, paper and resolution for later pages.

class QWidget;
class PrinterBackend;

void RunPrinterSetup(QWidget* parent, PrinterBackend& backend);
