#include "image/codecs/HeaderSource.h"

#include <QFile>
#include <algorithm>
#include <cstring>

namespace {
// Headers are small: most are read whole by the first block.
constexpr std::size_t kWindowBytes = 4096;
}  // namespace

std::size_t MemoryHeaderSource::readAt(std::uint64_t offset, std::uint8_t* out, std::size_t n) {
    if (offset >= size_) return 0;
    const std::size_t count = std::size_t(std::min<std::uint64_t>(n, size_ - offset));
    if (count) std::memcpy(out, data_ + offset, count);
    return count;
}

FileHeaderSource::FileHeaderSource(QFile& file)
    : file_(file), size_(std::uint64_t(std::max<qint64>(0, file.size()))) {}

std::size_t FileHeaderSource::readAt(std::uint64_t offset, std::uint8_t* out, std::size_t n) {
    // Never beyond the size the checks were made against, even if the file grows.
    if (offset >= size_ || !file_.seek(qint64(offset))) return 0;
    const std::size_t want = std::size_t(std::min<std::uint64_t>(n, size_ - offset));
    std::size_t done = 0;
    while (done < want) {
        const qint64 got = file_.read(reinterpret_cast<char*>(out) + done, qint64(want - done));
        if (got <= 0) break;
        done += std::size_t(got);
    }
    return done;
}

bool SourceCursor::seek(std::uint64_t offset) {
    if (offset > size_) {
        overrun_ = true;
        return false;
    }
    pos_ = offset;
    return true;
}

bool SourceCursor::skip(std::uint64_t n) {
    if (n > remaining()) {
        pos_ = size_;
        overrun_ = true;
        return false;
    }
    pos_ += n;
    return true;
}

bool SourceCursor::fill() {
    window_.resize(std::size_t(std::min<std::uint64_t>(kWindowBytes, remaining())));
    windowStart_ = pos_;
    const std::size_t got = source_.readAt(pos_, window_.data(), window_.size());
    window_.resize(got);
    return got > 0;
}

std::uint8_t SourceCursor::u8() {
    if (pos_ >= size_) {
        overrun_ = true;
        return 0;
    }
    if (pos_ < windowStart_ || pos_ - windowStart_ >= window_.size()) {
        if (!fill()) {
            // The file cannot be read this far: as good as its end.
            pos_ = size_;
            overrun_ = true;
            return 0;
        }
    }
    return window_[std::size_t(pos_++ - windowStart_)];
}

bool SourceCursor::read(void* out, std::size_t n) {
    if (n > remaining()) {
        pos_ = size_;
        overrun_ = true;
        return false;
    }
    auto* dst = static_cast<std::uint8_t*>(out);
    while (n > 0) {
        if (pos_ >= windowStart_ && pos_ - windowStart_ < window_.size()) {
            const std::size_t at = std::size_t(pos_ - windowStart_);
            const std::size_t count = std::min(n, window_.size() - at);
            std::memcpy(dst, window_.data() + at, count);
            dst += count;
            pos_ += count;
            n -= count;
        } else if (n >= kWindowBytes) {
            // Large pieces go straight to the caller.
            if (source_.readAt(pos_, dst, n) != n) {
                pos_ = size_;
                overrun_ = true;
                return false;
            }
            pos_ += n;
            n = 0;
        } else if (!fill()) {
            pos_ = size_;
            overrun_ = true;
            return false;
        }
    }
    return true;
}
