#include "output/PrinterStatus.h"

#include <QCoreApplication>

#include "core/Seams.h"

namespace {
// A reason keyword without the severity CUPS and IPP add to it.
QString reasonBase(const QString& reason) {
    for (const char* suffix : {"-error", "-warning", "-report"})
        if (reason.endsWith(QLatin1String(suffix))) return reason.chopped(qstrlen(suffix));
    return reason;
}

bool hasReason(const PrinterState& state, const char* base) {
    for (const QString& r : state.reasons)
        if (reasonBase(r) == QLatin1String(base)) return true;
    return false;
}

// "a", "a and b", "a, b and c".
QString spokenList(const QStringList& parts) {
    if (parts.size() < 2) return parts.value(0);
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) +
           QCoreApplication::translate("Status", " and ") + parts.last();
}
}  // namespace

bool PrinterHalted(const PrinterState& state) {
    return state.kind == PrinterState::Kind::Stopped || hasReason(state, "offline");
}

bool PrinterNeedsAttention(const PrinterState& state) {
    return PrinterHalted(state) || hasReason(state, "media-empty") || hasReason(state, "media-needed") ||
           hasReason(state, "media-jam");
}

QString PrinterStateText(const PrinterState& state, const QString& printerName) {
    QStringList parts;
    if (state.kind == PrinterState::Kind::Stopped) parts << QCoreApplication::translate("Status", "stopped");
    if (hasReason(state, "offline")) parts << QCoreApplication::translate("Status", "offline");
    if (hasReason(state, "media-empty") || hasReason(state, "media-needed"))
        parts << QCoreApplication::translate("Status", "out of paper");
    if (hasReason(state, "media-jam")) parts << QCoreApplication::translate("Status", "jammed");
    if (hasReason(state, "marker-supply-empty") || hasReason(state, "toner-empty"))
        parts << QCoreApplication::translate("Status", "out of ink or toner");
    else if (hasReason(state, "marker-supply-low") || hasReason(state, "toner-low"))
        parts << QCoreApplication::translate("Status", "low on ink or toner");
    if (parts.isEmpty()) return {};
    if (printerName.isEmpty())
        return QCoreApplication::translate("Status", "The printer is %1.").arg(spokenList(parts));
    return QCoreApplication::translate("Status", "The printer \"%1\" is %2.")
        .arg(printerName, spokenList(parts));
}

bool AskWaitForPrinter(Notifier& notifier, const QString& printerName, const QString& stateText) {
    const QString text =
        stateText + QCoreApplication::translate(
                        "Messages",
                        "\nThe pages sent to it wait in its queue until it prints again.\n\nWait for the "
                        "printer, or stop photo printing?");
    const QStringList buttons{QStringLiteral("Wait"), QStringLiteral("Stop")};
    return notifier.plain(QCoreApplication::translate("Messages", "Photo Auto Print - %1").arg(printerName),
                          text, MessageIcon::Exclamation, buttons) == 0;
}

PrinterState ReadPrinterState(PrinterBackend& backend) {
    PrinterState state;
    if (!backend.readPrinterState(state)) return {};
    return state;
}
