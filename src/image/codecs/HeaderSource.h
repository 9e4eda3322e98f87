#pragma once
// Where the header readers get their bytes: a picture in memory, or a file read a
// piece at a time, so that learning a photo's size never reads (or allocates for)
// more of the file than its header.

#include <cstddef>
#include <cstdint>
#include <vector>

class QFile;

class HeaderSource {
public:
    virtual ~HeaderSource() = default;
    // The size of the whole file: checks that a decoder makes against the bytes it
    // holds are made against this.
    virtual std::uint64_t size() const = 0;
    // Copies up to n bytes at offset into out and returns how many it copied: fewer
    // only at the end of the data or when the file cannot be read.
    virtual std::size_t readAt(std::uint64_t offset, std::uint8_t* out, std::size_t n) = 0;
};

class MemoryHeaderSource final : public HeaderSource {
public:
    MemoryHeaderSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(data ? size : 0) {}
    std::uint64_t size() const override { return size_; }
    std::size_t readAt(std::uint64_t offset, std::uint8_t* out, std::size_t n) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// An open file. A read that fails counts as the end of the data.
class FileHeaderSource final : public HeaderSource {
public:
    explicit FileHeaderSource(QFile& file);
    std::uint64_t size() const override { return size_; }
    std::size_t readAt(std::uint64_t offset, std::uint8_t* out, std::size_t n) override;

private:
    QFile& file_;
    std::uint64_t size_;
};

// Sequential reads over a source with ByteReader's manners: a read past the end fails
// (single values read as 0) and sets the overrun flag. Reads ahead in small blocks,
// so byte-by-byte parsing does not cost a read each.
class SourceCursor {
public:
    explicit SourceCursor(HeaderSource& source) : source_(source), size_(source.size()) {}

    std::uint64_t size() const { return size_; }
    std::uint64_t position() const { return pos_; }
    std::uint64_t remaining() const { return pos_ <= size_ ? size_ - pos_ : 0; }
    bool overrun() const { return overrun_; }

    bool seek(std::uint64_t offset);
    bool skip(std::uint64_t n);
    bool read(void* out, std::size_t n);
    std::uint8_t u8();
    std::uint16_t u16le() {
        const std::uint16_t a = u8();
        return std::uint16_t(a | (u8() << 8));
    }
    std::uint32_t u32le() {
        const std::uint32_t a = u16le();
        return a | (std::uint32_t(u16le()) << 16);
    }
    std::int32_t i32le() { return std::int32_t(u32le()); }

private:
    bool fill();
    HeaderSource& source_;
    std::uint64_t size_;
    std::uint64_t pos_ = 0;
    bool overrun_ = false;
    // Bytes [windowStart_, windowStart_ + window_.size()) of the source.
    std::vector<std::uint8_t> window_;
    std::uint64_t windowStart_ = 0;
};
