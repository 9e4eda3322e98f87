#include "layout/PageSetup.h"

#include <climits>
#include <cmath>

#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "layout/TemplateCatalogue.h"

PaperSizes PaperSizes::fromSettings(const AppSettings& s) {
    return PaperSizes{s.MaxPageWidthIn, s.MaxPageHeightIn, s.MaxTemplateWidthIn, s.MaxTemplateHeightIn};
}

int storedHundredths(double inches) {
    return settings_codec::hundredthsFromInches(inches);
}

int setupIndexTextHeight(int resolution) {
    const int h = 5 * (resolution / 50);
    return h <= 14 ? 14 : h;
}

void setPageSizes(AppSettings& s, SettingsStore* store, double paperWidth, double paperHeight,
                  double templateWidth, double templateHeight) {
    s.MaxPageWidthIn = paperWidth;
    s.MaxPageHeightIn = paperHeight;
    s.MaxTemplateWidthIn = templateWidth;
    s.MaxTemplateHeightIn = templateHeight;
    s.CanvasWidth = AppSettings::canvasPixels(s.PageResolution, templateWidth);
    s.CanvasHeight = AppSettings::canvasPixels(s.PageResolution, templateHeight);
    s.IndexTextHeight = setupIndexTextHeight(s.PageResolution);
    if (!store) return;
    writeSettingInt(*store, setting::MaxPageWidthIn, storedHundredths(paperWidth));
    writeSettingInt(*store, setting::MaxPageHeightIn, storedHundredths(paperHeight));
    writeSettingInt(*store, setting::MaxTemplateWidthIn, storedHundredths(templateWidth));
    writeSettingInt(*store, setting::MaxTemplateHeightIn, storedHundredths(templateHeight));
}

TemplateChoice chooseFullPageTemplate(AppSettings& s, SettingsStore* store, const QString& name) {
    TemplateChoice choice;
    choice.known = !isFullPage(name) || findFullPageTemplate(name) != nullptr;
    s.FullPageTemplateSel = name;
    const TemplatePageSizes sizes = pageSizesForTemplate(name, s.UserWidth, s.UserHeight);
    choice.asksUserSize = sizes.asksUserSize;
    choice.borderless = sizes.borderless;
    setPageSizes(s, store, sizes.paperWidth, sizes.paperHeight, sizes.templateWidth, sizes.templateHeight);
    return choice;
}

void chooseHalfPageStyles(AppSettings& s, SettingsStore* store, int topStyle, int bottomStyle) {
    s.UseSingleImage = 0;
    s.TopPageStyle = topStyle;
    s.BottomPageStyle = bottomStyle;
    s.FullPageTemplateSel = QString::fromLatin1(kHalfPageSelection);
    setPageSizes(s, store, 8.5, 11.0, 8.0, 10.0);
}

bool choosePageResolution(AppSettings& s, SettingsStore* store, int resolution) {
    s.PageResolution = resolution;
    s.CanvasWidth = AppSettings::canvasPixels(resolution, s.MaxTemplateWidthIn);
    s.CanvasHeight = AppSettings::canvasPixels(resolution, s.MaxTemplateHeightIn);
    s.IndexTextHeight = setupIndexTextHeight(resolution);
    if (store) s.write(*store, setting::PageResolution);
    return resolution > 200;
}

bool isSelectableHalfPageStyle(int style) {
    return style == 123 || (style >= kFirstHalfPageStyle && style <= kLastHalfPageStyle);
}
