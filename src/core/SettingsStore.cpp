#include "core/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString SettingsStore::defaultFilePath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/Tarnwick/Snapvale.conf");
}

SettingsStore::SettingsStore(const QString& filePath)
    : path_(filePath.isEmpty() ? defaultFilePath() : filePath),
      settings_(std::make_unique<QSettings>(path_, QSettings::IniFormat)) {
    // QSettings writes through a temporary file and a rename, never in place.
    settings_->setAtomicSyncRequired(true);
}

SettingsStore::~SettingsStore() = default;

static QString keyOf(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

int SettingsStore::readInt(const QString& section, const QString& name, int defaultValue) {
    const auto o = overlay_.constFind(keyOf(section, name));
    const QVariant v = o != overlay_.constEnd() ? QVariant(*o) : settings_->value(keyOf(section, name));
    if (!v.isValid()) return defaultValue;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    // A value that is not an integer reads like a missing one.
    return ok ? value : defaultValue;
}

QString SettingsStore::readString(const QString& section, const QString& name, const QString& defaultValue) {
    const auto o = overlay_.constFind(keyOf(section, name));
    if (o != overlay_.constEnd()) return *o;
    const QVariant v = settings_->value(keyOf(section, name));
    if (!v.isValid()) return defaultValue;
    // INI values with commas come back as lists; a stored text is always one string.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

void SettingsStore::writeInt(const QString& section, const QString& name, int value) {
    if (memoryOnly_) {
        overlay_.insert(keyOf(section, name), QString::number(value));
        return;
    }
    settings_->setValue(keyOf(section, name), value);
    sync();
}

void SettingsStore::writeString(const QString& section, const QString& name, const QString& value) {
    if (memoryOnly_) {
        overlay_.insert(keyOf(section, name), value);
        return;
    }
    settings_->setValue(keyOf(section, name), value);
    sync();
}

void SettingsStore::sync() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    settings_->sync();  // failures are ignored: the program goes on with what it has in memory
}
