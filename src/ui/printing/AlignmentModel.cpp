#include "ui/printing/AlignmentModel.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "output/AlignmentPage.h"

namespace alignment_dialog {

QString windowTitle(const QString& printerName) {
    return QCoreApplication::translate("Alignment", "Print Alignment Page - %1").arg(printerName);
}

QString introText(const QString& printerName) {
    return QCoreApplication::translate(
               "Alignment",
               "Print the alignment page, measure where its frame landed on the paper and enter the "
               "offsets. They are kept for the printer \"%1\" and added to every print on it.\n\n")
               .arg(printerName) +
           AlignmentInstructions();
}

QString horizontalToolTip() {
    return QCoreApplication::translate(
        "Alignment", "Millimetres to move every print on this printer to the right; negative moves it left.");
}

QString verticalToolTip() {
    return QCoreApplication::translate(
        "Alignment", "Millimetres to move every print on this printer down; negative moves it up.");
}

double fieldValue(double mm) {
    if (!std::isfinite(mm)) return 0.0;
    const double tenths = std::round(std::clamp(mm, -kAlignmentLimitMm, kAlignmentLimitMm) / kStepMm);
    // -0.0 would show as "-0.0".
    return tenths == 0 ? 0.0 : tenths * kStepMm;
}

QString printedText(PrintResult result, const QString& printerName) {
    if (result == PrintResult::Printed)
        return QCoreApplication::translate("Alignment", "The alignment page was sent to \"%1\".")
            .arg(printerName);
    return QCoreApplication::translate("Alignment",
                                       "The alignment page could not be sent to the printer \"%1\".")
        .arg(printerName);
}

}  // namespace alignment_dialog
