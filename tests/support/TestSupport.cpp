#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

void TempDirTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    store_ = std::make_unique<SettingsStore>(dir_.filePath(QStringLiteral("config/Tarnwick/Snapvale.conf")));
}

QString TempDirTest::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString p = dir_.filePath(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (!f.open(QIODevice::WriteOnly)) return QString();
    f.write(bytes);
    return p;
}

QByteArray readFileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

QStringList TempDirTest::writeSmallPhotos(int count) const {
    QStringList photos;
    for (int i = 0; i < count; ++i) {
        const QString file = path(QStringLiteral("p%1.jpg").arg(i));
        QImage photo(60 + 10 * i, 40, QImage::Format_RGB32);
        photo.fill(QColor(40 * i, 200, 100));
        photo.save(file, "JPG");
        photos << file;
    }
    return photos;
}
