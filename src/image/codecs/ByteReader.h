#pragma once
// A bounds-checked reader over bytes in memory. Every decoder reads through one:
// a read past the end fails (and sets the overrun flag) instead of touching memory
// it does not own.

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t size() const { return size_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ <= size_ ? size_ - pos_ : 0; }
    bool atEnd() const { return pos_ >= size_; }
    bool overrun() const { return overrun_; }
    const std::uint8_t* data() const { return data_; }
    // A pointer to n readable bytes at the current position, or nullptr.
    const std::uint8_t* peek(std::size_t n) const { return n <= remaining() ? data_ + pos_ : nullptr; }

    bool seek(std::size_t offset) {
        if (offset > size_) {
            overrun_ = true;
            return false;
        }
        pos_ = offset;
        return true;
    }
    bool skip(std::size_t n) {
        if (n > remaining()) {
            pos_ = size_;
            overrun_ = true;
            return false;
        }
        pos_ += n;
        return true;
    }
    bool read(void* out, std::size_t n) {
        if (n > remaining()) {
            overrun_ = true;
            pos_ = size_;
            return false;
        }
        if (n) std::memcpy(out, data_ + pos_, n);
        pos_ += n;
        return true;
    }
    // The single-value reads give 0 past the end (and set the overrun flag).
    std::uint8_t u8() {
        if (pos_ >= size_) {
            overrun_ = true;
            return 0;
        }
        return data_[pos_++];
    }
    std::uint16_t u16le() {
        const std::uint16_t a = u8();
        return std::uint16_t(a | (u8() << 8));
    }
    std::uint32_t u32le() {
        const std::uint32_t a = u16le();
        return a | (std::uint32_t(u16le()) << 16);
    }
    std::int32_t i32le() { return std::int32_t(u32le()); }
    std::uint16_t u16be() {
        const std::uint16_t a = u8();
        return std::uint16_t((a << 8) | u8());
    }
    std::uint32_t u32be() {
        const std::uint32_t a = u16be();
        return (a << 16) | u16be();
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool overrun_ = false;
};
