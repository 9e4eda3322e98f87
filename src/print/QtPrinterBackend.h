#pragma once
// The application's printer settings as a QPrinter on the CUPS printers. Until the
// person picks a printer in the setup dialog it follows the system's default
// printer (or, where no queue is marked the default, the first one CUPS lists),
// read afresh on every request so a printer added or removed while the program runs
// is noticed. Jobs go on the queue's own default paper unless the person picked
// another in the setup dialog; a borderless page asks for the borderless version of
// that paper where the queue's PPD has one (same size, printable to its edges).

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>

#include "output/PrinterBackend.h"

class QPrinter;

class QtPrinterBackend : public PrinterBackend {
public:
    QtPrinterBackend();
    ~QtPrinterBackend() override;
    QtPrinterBackend(const QtPrinterBackend&) = delete;
    QtPrinterBackend& operator=(const QtPrinterBackend&) = delete;

    QString defaultPrinterName() override;
    void setOrientation(int orientation) override;
    PrinterPage readPrinterPage() override;
    PrinterMedia currentMedia() override;
    bool useBorderlessMedia(bool on) override;
    bool readPrinterState(PrinterState& state) override;
    bool spoolPage(const CxImage& bitmap, const QRect& placement, const QString& documentName) override;
    bool queuedJobCount(int& count) override;

    // Makes the named CUPS queue the application's printer; false, with the current
    // choice kept, when no such printer exists.
    bool selectPrinter(const QString& name) override;
    // The printer settings the setup dialog edits; nullptr when the machine has no
    // printer. Call keepChosenPrinter() when the dialog was accepted.
    QPrinter* printerForSetup();
    void keepChosenPrinter();

private:
    // A paper with the printer's own margins for it, upright and turned.
    struct Paper {
        QPageSize size;
        QMarginsF portraitMargins;  // points
        QMarginsF landscapeMargins;
    };
    // Follows the current printer: its name, resolution and paper (read once for
    // each printer). The reads stop here; only a job and the setup dialog go on to
    // put the paper and orientation on the QPrinter. False when there is no printer.
    bool ensurePrinter();
    // Puts the paper and orientation asked for on the QPrinter, for a job or the dialog.
    void applyJobLayout();
    // The layout a job would get now, computed without touching the QPrinter.
    QPageLayout jobLayout() const;
    const Paper& wantedPaper() const;
    // Takes size as the paper of the current printer and looks for its borderless version.
    void takeMedia(const QPageSize& size);
    Paper measured(const QPageSize& size);
    QPageSize borderlessVersionOf(const QPageSize& size);

    std::unique_ptr<QPrinter> printer_;
    QString resolutionFor_;      // the printer whose default resolution was applied
    QString chosenName_;         // empty: follow the system default
    QString mediaFor_;           // the printer whose paper media_ is
    Paper media_;                // the queue's default paper, or the one picked in the setup
    Paper borderlessMedia_;      // its borderless version; an invalid size when the queue has none
    bool wantBorderless_ = false;
    int orientation_ = 0;  // 0 until a caller sets one: the printer's own default stays
    bool spooling_ = false;
};
