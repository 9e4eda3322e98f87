#include "core/StatusIndicator.h"

#include <QCoreApplication>
#include <array>

namespace {
struct Lamp {
    const char* name;
    int bitmap;
};
constexpr std::array<Lamp, 6> kLamps{{{"LED_DKGRN", 139},
                                      {"LED_RED", 140},
                                      {"LED_YELLOW", 141},
                                      {"LED_LTGRN", 142},
                                      {"LED_GRAY", 143},
                                      {"LED_CYAN", 144}}};
}  // namespace

int statusIndicatorBitmap(const QString& name) {
    for (const Lamp& lamp : kLamps)
        if (name.contains(QLatin1String(lamp.name))) return lamp.bitmap;
    return 143;
}

QString statusIndicatorLamp(const QString& name) {
    const int bitmap = statusIndicatorBitmap(name);
    for (const Lamp& lamp : kLamps)
        if (lamp.bitmap == bitmap) return QLatin1String(lamp.name);
    return QStringLiteral("LED_GRAY");
}

QString statusLampDescription(const QString& lamp) {
    const QString name = statusIndicatorLamp(lamp);
    if (name == QLatin1String("LED_DKGRN"))
        return QCoreApplication::translate("Status", "Print resolution: good");
    if (name == QLatin1String("LED_LTGRN"))
        return QCoreApplication::translate("Status", "Print resolution: drawing the page");
    if (name == QLatin1String("LED_YELLOW"))
        return QCoreApplication::translate("Status", "Print resolution: low for a photo on the page");
    if (name == QLatin1String("LED_RED"))
        return QCoreApplication::translate("Status", "Print resolution: a photo could not be loaded");
    if (name == QLatin1String("LED_CYAN"))
        return QCoreApplication::translate("Status", "Print resolution: no page drawn yet");
    return QCoreApplication::translate("Status", "Print resolution: not graded");
}
