#pragma once
// The alignment dialog's values and texts, free of widgets.

#include <QString>

#include "output/PagePrinter.h"

namespace alignment_dialog {
// The fields step and show a tenth of a millimetre: finer than anyone measures on paper.
inline constexpr double kStepMm = 0.1;
inline constexpr int kDecimals = 1;

QString windowTitle(const QString& printerName);
QString introText(const QString& printerName);
// What each field means, for its tooltip.
QString horizontalToolTip();
QString verticalToolTip();
// A value as a field keeps it: within the limit, to the nearest tenth; 0 for no number.
double fieldValue(double mm);
// What became of the page printed from the dialog.
QString printedText(PrintResult result, const QString& printerName);
}  // namespace alignment_dialog
