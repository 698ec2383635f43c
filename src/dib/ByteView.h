#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

// Read-only view of untrusted bytes: every read names its offset and fails
// (nullopt) instead of reading past the end, so a parser never trusts a
// length or offset it found in the data.
class ByteView {
public:
    ByteView() = default;
    ByteView(const unsigned char* data, std::uint64_t size) : data_(data), size_(size) {}

    std::uint64_t size() const { return size_; }
    const unsigned char* data() const { return data_; }

    // True when [offset, offset + length) lies inside the view.
    bool has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    std::optional<std::uint8_t> u8(std::uint64_t offset) const {
        if (!has(offset, 1))
            return std::nullopt;
        return data_[offset];
    }
    std::optional<std::uint16_t> u16(std::uint64_t offset) const {
        if (!has(offset, 2))
            return std::nullopt;
        return std::uint16_t(data_[offset] | (data_[offset + 1] << 8));
    }
    std::optional<std::uint32_t> u32(std::uint64_t offset) const {
        if (!has(offset, 4))
            return std::nullopt;
        return std::uint32_t(data_[offset]) | (std::uint32_t(data_[offset + 1]) << 8) |
               (std::uint32_t(data_[offset + 2]) << 16) | (std::uint32_t(data_[offset + 3]) << 24);
    }
    // The part [offset, offset + length), or nullopt when it does not fit.
    std::optional<ByteView> sub(std::uint64_t offset, std::uint64_t length) const {
        if (!has(offset, length))
            return std::nullopt;
        return ByteView(data_ + offset, length);
    }
    bool startsWith(const char* magic, std::uint64_t length) const {
        if (!has(0, length))
            return false;
        for (std::uint64_t i = 0; i < length; ++i)
            if (data_[i] != static_cast<unsigned char>(magic[i]))
                return false;
        return true;
    }

private:
    const unsigned char* data_ = nullptr;
    std::uint64_t size_ = 0;
};
