#pragma once
// Choosing the page: a full-page template by name, a pair of half-page styles, or
// the resolution, with every size that follows from them (paper, template, canvas,
// index text height) set and written as the layout setup does.

#include <QString>

struct AppSettings;
class SettingsStore;

// The template's paper and the template area (the canvas) in inches.
struct PaperSizes {
    double paperWidth = 8.5;
    double paperHeight = 11.0;
    double templateWidth = 8.0;
    double templateHeight = 10.0;
    static PaperSizes fromSettings(const AppSettings& settings);
    friend bool operator==(const PaperSizes&, const PaperSizes&) = default;
};

// Hundredths of an inch for the store: value x 100 truncated, where a product that
// lands a hair below a whole hundredth (10.1 x 100 = 1009.9999999999999) counts as
// that hundredth, so a page size written and read back stays the same.
int storedHundredths(double inches);

// The index text height the setup uses after a size or resolution change:
// 5 x (resolution div 50), or 14 when that is 14 or less.
int setupIndexTextHeight(int resolution);

// Takes the four page sizes, derives the canvas size and index text height, and
// writes MaxPageWidthIn, MaxPageHeightIn, MaxTemplateWidthIn, MaxTemplateHeightIn
// (when a store is given).
void setPageSizes(AppSettings& settings, SettingsStore* store, double paperWidth, double paperHeight,
                  double templateWidth, double templateHeight);

struct TemplateChoice {
    bool known = false;         // the name selects a catalogue template (or half-page mode)
    bool asksUserSize = false;  // the user page size dialog would run first
    bool borderless = false;    // the borderless printer check would follow
};

// A full-page template chosen by name: FullPageTemplateSel becomes the name and the
// page sizes follow it (first table entry contained in the name; the user-defined
// page takes UserWidth x UserHeight). The half-page entry selects half-page mode
// with its 8.5 x 11 paper and 8 x 10 template.
TemplateChoice chooseFullPageTemplate(AppSettings& settings, SettingsStore* store, const QString& name);

// Half-page mode with the given styles: single-image mode off, the half-page page
// sizes, and the full-page selection back to "NONE - USE HALF PAGE TEMPLATES".
void chooseHalfPageStyles(AppSettings& settings, SettingsStore* store, int topStyle, int bottomStyle);

// A new resolution: canvas size and index text height follow; PageResolution is
// written. True when the setup would warn that the resolution needs much memory.
bool choosePageResolution(AppSettings& settings, SettingsStore* store, int resolution);

// The numbers the setup sheet offers for the half-page styles (123 is "No Photos").
bool isSelectableHalfPageStyle(int style);
