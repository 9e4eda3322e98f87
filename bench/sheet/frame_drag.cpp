// How fast a photo being dragged in its slot is redrawn: the slot's photo is kept
// decoded at about the slot's size and only that slot is drawn again, once a pointer
// move. A 300-DPI page of the given photos; the first slot is dragged across its travel.
//
//   frame-drag-bench MOVES PHOTO...
//
// Prints the time to keep the slot's photo, then redraws a second over the moves.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "core/SettingsStore.h"
#include "document/PrintDocument.h"
#include "image/CxImage.h"
#include "layout/PageSetup.h"
#include "layout/SlotPhotoCache.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: frame-drag-bench MOVES PHOTO...\n");
        return 2;
    }
    const int moves = std::max(1, std::atoi(argv[1]));
    QStringList photos;
    for (int i = 2; i < argc; ++i) photos << QString::fromLocal8Bit(argv[i]);

    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Snapvale.conf")));
    PrintDocument doc(store);
    chooseFullPageTemplate(doc.settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
    choosePageResolution(doc.settings(), nullptr, 300);
    doc.setImageList(photos);
    if (!doc.ensurePage()) return 1;
    QImage page = doc.page().image.ToBitmap();  // the main view's screen copy
    const SlotRecord& record = doc.report().slots[1];

    QElapsedTimer t;
    t.start();
    SlotPhotoCache cache;
    if (!cache.prepare(record, doc.settings())) return 1;
    std::printf("page %dx%d, slot %dx%d, photo %dx%d kept as %dx%d in %lld ms\n", page.width(), page.height(),
                record.rect.width(), record.rect.height(), record.photoWidth, record.photoHeight,
                cache.held().width(), cache.held().height(), static_cast<long long>(t.elapsed()));

    Framing f{-1, -1, 1.5, 0};
    t.restart();
    for (int i = 0; i < moves; ++i) {
        f.panX = -1 + 2.0 * i / moves;
        f.panY = f.panX / 2;
        cache.redraw(page, record, f);
    }
    const double ms = double(t.nsecsElapsed()) / 1e6;
    std::printf("%d redraws in %.1f ms: %.1f ms a redraw, %.0f redraws a second\n", moves, ms, ms / moves,
                moves / (ms / 1000));
    return 0;
}
