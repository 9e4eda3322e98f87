#pragma once
#include <QString>

// The lamp names, each with its bitmap number. A name is matched by containment in
// this order; one that contains none of them shows the gray lamp (143).
int statusIndicatorBitmap(const QString& name);
// The lamp name whose bitmap statusIndicatorBitmap chose ("LED_GRAY" for 143).
QString statusIndicatorLamp(const QString& name);
// What a lamp says, in words a person (and a screen reader) understands.
QString statusLampDescription(const QString& lamp);
