#pragma once
// Shared pieces of the rendering tests: small photos made on the spot, a settings
// record for quick pages, and a pass wired to recording fakes.

#include <QColor>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "core/AppSettings.h"
#include "image/CxImage.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "layout/RenderPass.h"
#include "support/FakeSeams.h"
#include "support/TestSupport.h"

// A photo of one colour, written losslessly as PNG.
QString writeSolidPhoto(const QString& path, int width, int height, QColor colour);
// A photo-like picture: gradients, a few shapes and seeded grain; PNG or JPEG by extension.
QImage paintTestPhoto(int width, int height, int seed, bool grain = true);
QString writeTestPhoto(const QString& path, int width, int height, int seed);

// The kept page as a top-down RGB32 picture.
QImage keptPageImage(const CxImage& page);

// Compares a rendered page with tests/data/golden/NAME.png: a channel may differ by a
// few levels, and only 0.1 % of the pixels by more. With SNAPVALE_UPDATE_GOLDEN set the
// page is written as the new golden picture instead (look at it before committing).
void expectGoldenPage(const QImage& page, const QString& name);
// Photo-like PNGs of the given sizes (seeds 1, 2, ...) in folder, appended to list.
void addGoldenPhotos(ImageList& list, const QString& folder, const std::vector<QSize>& sizes);

// The settings of a quick page: template and resolution chosen, everything else default.
AppSettings quickSettings(const QString& templateName, int resolution);

class RenderFixture : public TempDirTest {
protected:
    void SetUp() override;
    // Runs one pass on a fresh canvas of the settings' size; the kept page lands in kept.
    bool render();
    // The pixel at (x, y) of the last kept page.
    QRgb pixel(int x, int y) const;

    AppSettings settings;
    ImageList list;
    FakeServices fakes;
    std::unique_ptr<RenderPass> pass;
    KeptPage kept;
    QImage page;
};
