#include "layout/PageFonts.h"

#include <QFontMetrics>
#include <QHash>
#include <QMutex>

QFont fontWithCellHeight(const QString& family, int cellHeight, int weight) {
    // The ratio of cell height to pixel size depends on the face that fontconfig
    // finds; measure it once per family and weight.
    static QMutex mutex;
    static QHash<QString, double> ratio;
    const QString key = family + QLatin1Char('/') + QString::number(weight);
    QFont font(family);
    font.setWeight(QFont::Weight(weight));
    font.setStyleStrategy(QFont::NoAntialias);
    double r;
    {
        QMutexLocker lock(&mutex);
        auto it = ratio.constFind(key);
        if (it == ratio.constEnd()) {
            QFont probe = font;
            probe.setPixelSize(100);
            const int h = QFontMetrics(probe).height();
            it = ratio.insert(key, h > 0 ? 100.0 / h : 1.0);
        }
        r = *it;
    }
    int px = qMax(1, int(cellHeight * r + 0.5));
    font.setPixelSize(px);
    // Nudge to the nearest match: rounding in the face's metrics can be off by one.
    while (px > 1 && QFontMetrics(font).height() > cellHeight) font.setPixelSize(--px);
    return font;
}

QFont defaultTextFont(int cellHeight) {
    QFont f = fontWithCellHeight(QStringLiteral("Times New Roman"), cellHeight, QFont::Bold);
    f.setStyleHint(QFont::Serif);
    return f;
}

QFont canvasDefaultFont() {
    QFont f = fontWithCellHeight(QStringLiteral("Arial"), 16, QFont::Bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

int averageCharWidth(const QFont& font) {
    return QFontMetrics(font).averageCharWidth();
}
