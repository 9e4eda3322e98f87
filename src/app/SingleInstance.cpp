#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

QString SingleInstanceLock::lockFileName() {
    return QStringLiteral("{F5FEF561-EFF3-3211-A18D-DCB3CEEF5434}.lock");
}

SingleInstanceLock::SingleInstanceLock(const QString& runtimeDir) {
    QString dir = runtimeDir;
    if (dir.isEmpty()) dir = qEnvironmentVariable("SNAPVALE_RUNTIME_DIR");
    if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QDir().mkpath(dir);
    path_ = QDir(dir).filePath(lockFileName());
    lock_ = std::make_unique<QLockFile>(path_);
    // No age limit: a copy that runs for days keeps its lock. A lock whose process is
    // gone (a crash) is recognised by its process id and taken over all the same.
    lock_->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() {
    if (held_) lock_->unlock();
}

SingleInstanceLock::Result SingleInstanceLock::tryAcquire() {
    if (held_) return Result::Acquired;
    held_ = lock_->tryLock(0);
    if (held_) return Result::Acquired;
    return lock_->error() == QLockFile::LockFailedError ? Result::OtherCopyRunning : Result::Unavailable;
}
