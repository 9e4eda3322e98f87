// samplegen: paints one of our sample photos and writes it to the given path.
// The scene is chosen by the file's name (see Scenes.cpp); "--list" prints the names.
//
//   samplegen OUTPUT_PATH
//   samplegen --list
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

#include "Scenes.h"

namespace {
int fail(const QString& text) {
    std::fprintf(stderr, "samplegen: %s\n", qPrintable(text));
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    // Only for the image-format plugins; nothing here needs a display.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) return fail(QStringLiteral("usage: samplegen OUTPUT_PATH | --list"));
    if (args[0] == QLatin1String("--list")) {
        int count = 0;
        const samplegen::Scene* all = samplegen::scenes(&count);
        for (int i = 0; i < count; ++i)
            std::printf("%s %dx%d\n", all[i].fileName, all[i].width, all[i].height);
        return 0;
    }

    const QFileInfo out(args[0]);
    const samplegen::Scene* scene = samplegen::findScene(out.fileName());
    if (!scene) return fail(QStringLiteral("no sample photo is called %1 (try --list)").arg(out.fileName()));

    QImage image(scene->width, scene->height, QImage::Format_RGB32);
    if (image.isNull()) return fail(QStringLiteral("out of memory for %1").arg(out.fileName()));
    scene->paint(image);

    // Written beside the target and renamed, so a stopped build never leaves half a photo.
    QSaveFile file(out.filePath());
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(out.filePath(), file.errorString()));
    const QByteArray format = out.suffix().toLower().toLatin1();
    QImageWriter writer(&file, format == "jpg" ? QByteArray("jpeg") : format);
    if (format == "jpg") {
        writer.setQuality(90);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(image))
        return fail(QStringLiteral("cannot encode %1: %2").arg(out.filePath(), writer.errorString()));
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(out.filePath(), file.errorString()));
    return 0;
}
