#pragma once
// The per-user settings store: integers and texts by section and value name.
// Every read passes the default used when the value is missing.

#include <QHash>
#include <QString>
#include <memory>

class QSettings;

class SettingsStore {
public:
    // The store at the given INI file. An empty path means the user's own file,
    // $XDG_CONFIG_HOME/Tarnwick/Snapvale.conf.
    explicit SettingsStore(const QString& filePath = QString());
    virtual ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    virtual int readInt(const QString& section, const QString& name, int defaultValue);
    virtual QString readString(const QString& section, const QString& name, const QString& defaultValue);
    // Writes reach the disk at once, through a temporary file renamed over the old one.
    virtual void writeInt(const QString& section, const QString& name, int value);
    virtual void writeString(const QString& section, const QString& name, const QString& value);

    QString filePath() const { return path_; }

    // When set, writes change only what this object reads back and never reach the
    // file: the command line works on the user's settings without changing them.
    void setWritesInMemoryOnly(bool on) { memoryOnly_ = on; }

    static QString defaultFilePath();

private:
    void sync();
    QString path_;
    std::unique_ptr<QSettings> settings_;
    bool memoryOnly_ = false;
    QHash<QString, QString> overlay_;
};
