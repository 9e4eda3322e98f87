#pragma once
// Keeps a second copy of the program from running beside the first: a lock file in
// the user's runtime folder, held until the process ends. A copy that crashed
// leaves a lock naming a dead process, and that lock does not block the next start.

#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstanceLock {
public:
    // The lock lives in runtimeDir; empty means $SNAPVALE_RUNTIME_DIR when set,
    // else the user's runtime folder.
    explicit SingleInstanceLock(const QString& runtimeDir = QString());
    ~SingleInstanceLock();

    enum class Result {
        Acquired,          // this process holds the lock (or already did)
        OtherCopyRunning,  // a live process holds it
        Unavailable,       // the lock file cannot be made (no runtime folder, no rights)
    };
    Result tryAcquire();
    bool held() const { return held_; }
    QString path() const { return path_; }

    static QString lockFileName();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};
