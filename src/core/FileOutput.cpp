#include "core/FileOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

// Encoders (QImageWriter, QPdfWriter) ignore short writes; this device passes theirs
// through FileOutput::write, which notices them.
class FileOutput::Sink final : public QIODevice {
public:
    explicit Sink(FileOutput& owner) : owner_(owner) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override { return owner_.write(data, size) ? size : -1; }

private:
    FileOutput& owner_;
};

FileOutput::FileOutput(const QString& path) : path_(path) {}

FileOutput::~FileOutput() {
    cancel();
}

bool FileOutput::open() {
    const QFileInfo info(path_);
    direct_ = info.exists() && !info.isFile() && !info.isDir();
    if (direct_)
        file_ = std::make_unique<QFile>(path_);
    else
        file_ = std::make_unique<QSaveFile>(path_);
    if (path_.isEmpty() || !file_->open(QIODevice::WriteOnly)) {
        error_ = QStringLiteral("Cannot open ") + path_;
        failed_ = done_ = true;
        file_.reset();
        return false;
    }
    sink_ = std::make_unique<Sink>(*this);
    sink_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return true;
}

QIODevice* FileOutput::device() const {
    return sink_.get();
}

void FileOutput::keepError(int systemError) {
    failed_ = true;
    if (!error_.isEmpty()) return;
    // The system's reason for the failing call itself; Qt's account of it where the
    // call left none (Qt does not always keep it: a flush inside a write says "Unknown
    // error").
    if (systemError != 0)
        error_ = QString::fromLocal8Bit(std::strerror(systemError));
    else if (file_ && file_->error() != QFileDevice::NoError)
        error_ = file_->errorString();
    else
        error_ = QStringLiteral("Write error");
}

bool FileOutput::write(const char* data, qint64 size) {
    if (!file_ || failed_) return false;
    // A disk that fills up takes part of a write without an error; only the write
    // of the rest fails and says why.
    while (size > 0) {
        errno = 0;
        const qint64 n = file_->write(data, size);
        if (n <= 0) {
            keepError(errno);
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

bool FileOutput::write(const QByteArray& bytes) {
    return write(bytes.constData(), bytes.size());
}

bool FileOutput::commit() {
    if (!file_ || done_) return false;
    // An encoder writing to device() may have met an error it did not pass on.
    if (file_->error() != QFileDevice::NoError) keepError(0);
    if (failed_) {
        cancel();
        return false;
    }
    // Flushed first and checked here: a save file whose buffered bytes fail to reach
    // the disk at commit is renamed into place all the same, cut short.
    errno = 0;
    bool ok = file_->flush() && file_->error() == QFileDevice::NoError;
    if (!ok) {
        keepError(errno);
        cancel();
        return false;
    }
    errno = 0;
    if (direct_) {
        file_->close();
        ok = file_->error() == QFileDevice::NoError;
    } else {
        ok = static_cast<QSaveFile*>(file_.get())->commit();
    }
    if (!ok) keepError(errno);
    done_ = true;
    file_.reset();
    return ok;
}

void FileOutput::cancel() {
    if (!file_ || done_) return;
    // A save file that is not committed removes its temporary file when destroyed (it
    // must never be closed).
    if (direct_)
        file_->close();
    else
        static_cast<QSaveFile*>(file_.get())->cancelWriting();
    done_ = true;
    file_.reset();
}
