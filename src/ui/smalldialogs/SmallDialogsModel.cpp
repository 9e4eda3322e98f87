#include "ui/smalldialogs/SmallDialogsModel.h"

#include <QCoreApplication>
#include <QLocale>
#include <climits>
#include <cmath>

namespace {
// Tip 4 really holds "100%" and "100%%": the texts were never run through a
// formatting step, so both show as they are written here.
const char* const kTips[kWelcomeTipCount] = {
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "Welcome to Snapvale 2.50. To review ALL of these helpful tips at once, click on the "
                      "help button on this "
                      "dialog."),
    QT_TRANSLATE_NOOP(
        "WelcomeTips",
        "Click on the camera button on the toolbar to advance to the next or previous photo sequence."),
    QT_TRANSLATE_NOOP(
        "WelcomeTips",
        "A good rule to use when creating a digital image is 200 DPI (Dots Per Inch) is the minimum "
        "resolution "
        "required to ensure great enlargements. For 8 x 10's, 1600 x 2000 is a good starting point."),
    QT_TRANSLATE_NOOP(
        "WelcomeTips",
        "Unlike drug store or phot store kiosk's, Snapvale always leaves the final decision to you as to how "
        "much "
        "resolution you need. Depending on your printer, you may be able to use as little as 150 DPI for "
        "great "
        "enlargements."),
    QT_TRANSLATE_NOOP(
        "WelcomeTips",
        "When in doubt, use the 100% zoom of the main dialog to check your photo for blemishes. If you don't "
        "see "
        "pixelation or grainy areas on the 100%% zoom, chances are you won't see them in the print."),
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "You can \"right click\" on the main window and use the popup menu for shortcuts."),
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "To print an entire sequence of photos automatically, use the batch print operation."),
    QT_TRANSLATE_NOOP("WelcomeTips", "A rotary cutter is a great investment for trimming photos."),
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "You can save money by printing multiple photos per page and trimming them yourself."),
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "Ink-jet printers have come a long way in price and quality. You can get great prints "
                      "for as little as "
                      "$50."),
    QT_TRANSLATE_NOOP("WelcomeTips", "Any version of Snapvale can be re-installed at any time."),
    QT_TRANSLATE_NOOP(
        "WelcomeTips",
        "If you have lots of photos in one directory or folder, use the photo album tool to select photos by "
        "common event or occasion."),
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "A yellow indicator means that at least one of your photos may not have enough "
                      "resolution for printing. "
                      "However, the final decision is always up to you."),
    QT_TRANSLATE_NOOP(
        "WelcomeTips",
        "To get a short description of the toolbar buttons, rest the mouse cursor over the button."),
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "You can add your own logo to a single photo or an entire photo sequence. Create it as "
                      "a small BMP file "
                      "and select it on the photo layout dialog as a \"logo\" file."),
    QT_TRANSLATE_NOOP("WelcomeTips",
                      "It is always better to start with a higher resolution image and use Snapvale to scale "
                      "it down in size."),
    QT_TRANSLATE_NOOP(
        "WelcomeTips",
        "You can use the Help button at any dialog for context sensitive \"How To\" information."),
};
}  // namespace

QString welcomeTipText(int index) {
    return QCoreApplication::translate("WelcomeTips", kTips[wrapTipIndex(index)]);
}

int wrapTipIndex(int storedIndex) {
    // The stored index comes from the settings file, so anything may be there.
    return storedIndex >= 0 && storedIndex < kWelcomeTipCount ? storedIndex : 0;
}

std::optional<QPoint> tipsWindowPosition(bool centreOnScreen, const QRect& screen, const QRect& stored,
                                         const QSize& own) {
    if (centreOnScreen)
        return QPoint(screen.x() + (screen.width() - own.width()) / 2,
                      screen.y() + (screen.height() - own.height()) / 2);
    if (stored.width() > 100 && stored.height() > 100)
        return QPoint(stored.x() + (stored.width() - own.width()) / 2,
                      stored.y() + (stored.height() - own.height()) / 2);
    return std::nullopt;
}

int sliderPositionForValue(double lower, double upper, double value) {
    if (!(upper > lower) || !std::isfinite(value)) return kValueSliderMin;
    const double scale = 100.0 / (upper - lower);
    const double p = std::trunc(scale * value - scale * lower + 0.5);
    // A value outside the bounds would put the slider, the field and the result out of step.
    if (!(p >= kValueSliderMin)) return kValueSliderMin;
    if (p > kValueSliderMax) return kValueSliderMax;
    return static_cast<int>(p);
}

double valueForSliderPosition(double lower, double upper, int position) {
    return (upper - lower) * 0.01 * position + lower;
}

int leadingInteger(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    long long v = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        v = v * 10 + (text[i].unicode() - u'0');
        if (v > INT_MAX) {
            v = INT_MAX + 1LL;
            break;
        }
    }
    if (negative) return v > INT_MAX ? INT_MIN : -static_cast<int>(v);
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

QString valuePromptLine(int minimum, int maximum) {
    return QCoreApplication::translate("SmallDialogs", "Please enter value between %1 and %2")
        .arg(minimum)
        .arg(maximum);
}

QString illegalValueText(const QString& typed, int minimum, int maximum) {
    // One pass over the pattern, so a typed "%2" stays as it was typed.
    return QCoreApplication::translate("SmallDialogs",
                                       "Illegal value %1.\nPlease enter a number between %2 and %3")
        .arg(typed, QString::number(minimum), QString::number(maximum));
}

bool userPageSizeAccepted(double inches) {
    return inches > kUserPageMinInches && inches < kUserPageMaxInches;
}

double inchesFromFieldText(const QString& text, QChar localeMark) {
    QString t = text.trimmed();
    if (localeMark != u'.') t.replace(localeMark, u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString inchesFieldText(double inches) {
    const double hundredths = inches * 100.0;
    if (std::abs(hundredths - std::round(hundredths)) < 1e-6) return QString::number(inches, 'f', 2);
    return QString::number(inches, 'g', 15);
}

QString pageSizeRangeText(PageSide side, double refused) {
    const char* format =
        side == PageSide::Height
            ? QT_TRANSLATE_NOOP("SmallDialogs",
                                "The page height value must be between %.2lf and %.2lf inches.\nThe value "
                                "%.02lf is out of range and will be ignored.")
            : QT_TRANSLATE_NOOP("SmallDialogs",
                                "The page width value must be between %.2lf and %.2lf inches.\nThe value "
                                "%.02lf is out of range and will be ignored.");
    return QString::asprintf(QCoreApplication::translate("SmallDialogs", format).toUtf8().constData(),
                             kUserPageMinInches, kUserPageMaxInches, refused);
}

QString hyperlinkErrorText(int code) {
    switch (code) {
        case 0:
            return QCoreApplication::translate("SmallDialogs",
                                               "The operating system is out\nof memory or resources.");
        case 2:
            return QCoreApplication::translate("SmallDialogs", "The specified file was not found.");
        case 3:
            return QCoreApplication::translate("SmallDialogs", "The specified path was not found.");
        case 5:
            return QCoreApplication::translate("SmallDialogs",
                                               "The operating system denied\naccess to the specified file.");
        case 8:
            return QCoreApplication::translate("SmallDialogs",
                                               "There was not enough memory to complete the operation.");
        case 11:
            return QCoreApplication::translate(
                "SmallDialogs", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
        case 26:
            return QCoreApplication::translate("SmallDialogs", "A sharing violation occurred.");
        case 27:
            return QCoreApplication::translate("SmallDialogs",
                                               "The filename association is\nincomplete or invalid.");
        case 28:
            return QCoreApplication::translate(
                "SmallDialogs", "The DDE transaction could not\nbe completed because the request timed out.");
        case 29:
            return QCoreApplication::translate("SmallDialogs", "The DDE transaction failed.");
        case 30:
            return QCoreApplication::translate(
                "SmallDialogs",
                "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
                "processed.");
        case 31:
            return QCoreApplication::translate(
                "SmallDialogs", "There is no application associated\nwith the given filename extension.");
        case 32:
            return QCoreApplication::translate("SmallDialogs",
                                               "The specified dynamic-link library was not found.");
        default:
            return QString::asprintf(
                QCoreApplication::translate("SmallDialogs", "Unknown Error (%d) occurred.")
                    .toUtf8()
                    .constData(),
                code);
    }
}

QString hyperlinkFailureText(int code) {
    return QCoreApplication::translate("SmallDialogs", "Unable to open hyperlink:\n\n") +
           hyperlinkErrorText(code);
}
