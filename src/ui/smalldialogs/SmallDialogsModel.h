#pragma once
// The arithmetic and the texts behind the small dialogs, free of widgets so the
// tests can take them one by one.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// --- Welcome tips

inline constexpr int kWelcomeTipCount = 17;
// The tip at index (0 to 16), shown as it stands: no formatting step ever runs over it.
QString welcomeTipText(int index);
// The index the next tip is taken from: a stored index past the last tip starts
// over at the first, and so does a negative one.
int wrapTipIndex(int storedIndex);

// Where the tips window goes when it is made. With centreOnScreen it sits in the
// middle of the screen; otherwise over the stored main window rectangle, when that is
// wider and taller than 100 pixels. No value: the window keeps the place it has.
std::optional<QPoint> tipsWindowPosition(bool centreOnScreen, const QRect& screen,
                                         const QRect& storedMainWindow, const QSize& ownSize);

// --- Value prompt

// The slider always runs from 0 to 100, whatever the caller's bounds.
inline constexpr int kValueSliderMin = 0;
inline constexpr int kValueSliderMax = 100;
// The caller's value as a slider position, trunc(100/(upper-lower) v - 100/(upper-lower) lower + 0.5),
// kept on the slider. An empty range (upper <= lower) or a value that is not a number gives 0.
int sliderPositionForValue(double lower, double upper, double value);
// The caller's value for a slider position: (upper - lower) x 0.01 x position + lower.
double valueForSliderPosition(double lower, double upper, int position);
// The integer a number field's text starts with, as the C library reads it: blanks,
// a sign, digits; 0 when there are none. Far too many digits saturate.
int leadingInteger(const QString& text);
QString valuePromptLine(int minimum, int maximum);
QString illegalValueText(const QString& typed, int minimum, int maximum);

// --- User page size

// Both bounds are excluded: 1.00 and 40.00 inches are refused.
inline constexpr double kUserPageMinInches = 1.0;
inline constexpr double kUserPageMaxInches = 40.0;
bool userPageSizeAccepted(double inches);
// A field's text in inches. '.' is always the decimal mark; the mark of the person's
// own locale is taken too. Text that is no number reads as 0, which is refused.
double inchesFromFieldText(const QString& text, QChar localeMark);
// How a field shows a size: two decimals for whole hundredths, else every digit
// that counts, so showing a value and reading it back never changes it.
QString inchesFieldText(double inches);
enum class PageSide { Width, Height };
QString pageSizeRangeText(PageSide side, double refused);

// --- Hyperlink label

// The text for a code of the shell's "open" (0 to 32; 31 means no program is
// associated with the link), or "Unknown Error (%d) occurred.".
QString hyperlinkErrorText(int code);
// The code the label reports when the desktop could not open a link: the desktop
// only says that it failed, and "no program for it" is what that nearly always means.
inline constexpr int kNoAssociationError = 31;
QString hyperlinkFailureText(int code);
