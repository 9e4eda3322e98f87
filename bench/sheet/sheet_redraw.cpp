// How long the layout setup sheet takes to draw the page again and show it in its
// preview: the time a person waits after each control that re-draws.
//
//   sheet-redraw-bench RUNS PHOTO...
//
// Prints one line a run in milliseconds, then the median.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/SettingsStore.h"
#include "document/PrintDocument.h"
#include "layout/PageSetup.h"
#include "ui/layoutsetup/CPhotoLayoutSetupDlg.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: sheet-redraw-bench RUNS PHOTO...\n");
        return 2;
    }
    const int runs = std::max(1, atoi(argv[1]));
    QStringList photos;
    for (int i = 2; i < argc; ++i) photos << QString::fromLocal8Bit(argv[i]);

    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Snapvale.conf")));
    PrintDocument doc(store);
    chooseFullPageTemplate(doc.settings(), nullptr, QStringLiteral("Three 4 x 6 Prints"));
    choosePageResolution(doc.settings(), nullptr, 300);
    doc.setImageList(photos);
    doc.ensurePage();

    LayoutSetupContext context;
    context.document = &doc;
    CPhotoLayoutSetupDlg sheet(context, 0, photos.front());
    sheet.resize(1240, 940);
    sheet.show();
    app.processEvents();
    sheet.reDraw();  // one to warm the caches and the decoders
    app.processEvents();

    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer clock;
        clock.start();
        sheet.reDraw();  // the page drawn again, the preview and the slot list refreshed
        app.processEvents();
        times.push_back(clock.nsecsElapsed() / 1e6);
        std::printf("%.1f\n", times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f ms\n", times[times.size() / 2]);
    return doc.hasPage() && !sheet.previewImage().isNull() ? 0 : 1;
}
