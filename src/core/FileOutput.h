#pragma once
// A file the program writes whole or not at all. A regular file, or a new one, is
// written to a temporary file beside it and renamed over it at commit(), so a failed
// write never leaves half a file where a good one was. A device or pipe that already
// exists (/dev/stdout, a FIFO) is written straight to: renaming over it would replace it.
//
// After a failure errorText() says what went wrong in the system's words: "Cannot open "
// and the path when the file could not be opened, and the text of the failed write's
// error ("No space left on device") when the data did not reach the disk.

#include <QString>
#include <memory>

class QFileDevice;
class QIODevice;

class FileOutput {
public:
    explicit FileOutput(const QString& path);
    ~FileOutput();  // cancels what was not committed
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    bool open();
    // Where encoders write, through write() below; valid after open() succeeded.
    QIODevice* device() const;
    // False, with the error kept, when fewer bytes than given were written.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes);
    // Flushes and puts the file in place; false when any write failed or the flush did.
    bool commit();
    void cancel();

    QString errorText() const { return error_; }
    const QString& path() const { return path_; }

private:
    class Sink;
    void keepError(int systemError);
    QString path_;
    std::unique_ptr<QFileDevice> file_;
    std::unique_ptr<Sink> sink_;
    bool direct_ = false;
    bool failed_ = false;
    bool done_ = false;
    QString error_;
};
