// Read-only views of resource bytes in which no read can leave the data.
//
// ByteView answers reads at any offset: inside the data they return the
// little-endian value stored there; anywhere else they return 0 and touch
// nothing. ByteReader walks a view with a cursor and remembers whether a read
// ran past the end, so a decoder can stop as soon as its input is exhausted.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quibac {

class ByteView {
public:
    ByteView() = default;
    ByteView(const uint8_t* data, size_t size) : data_(data), size_(data != nullptr ? size : 0) {}

    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Whether count bytes from offset lie inside the view (overflow-safe).
    bool Has(size_t offset, size_t count) const { return offset <= size_ && count <= size_ - offset; }

    uint8_t U8(size_t offset) const { return Has(offset, 1) ? data_[offset] : 0; }
    int8_t S8(size_t offset) const { return static_cast<int8_t>(U8(offset)); }
    uint16_t U16(size_t offset) const {
        return Has(offset, 2) ? uint16_t(data_[offset] | (data_[offset + 1] << 8)) : 0;
    }
    uint32_t U32(size_t offset) const {
        if (!Has(offset, 4)) return 0;
        return uint32_t(data_[offset]) | (uint32_t(data_[offset + 1]) << 8) | (uint32_t(data_[offset + 2]) << 16) |
               (uint32_t(data_[offset + 3]) << 24);
    }

    // The part of the view from offset, at most count bytes long; empty when
    // offset lies outside.
    ByteView Sub(size_t offset, size_t count) const {
        if (offset >= size_) return ByteView();
        const size_t available = size_ - offset;
        return ByteView(data_ + offset, count < available ? count : available);
    }

private:
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

class ByteReader {
public:
    explicit ByteReader(ByteView view, size_t position = 0) : view_(view), position_(position) {}

    size_t position() const { return position_; }
    size_t remaining() const { return position_ < view_.size() ? view_.size() - position_ : 0; }
    // True once any read has asked for bytes beyond the end.
    bool overrun() const { return overrun_; }

    uint8_t U8() { return Take(1) ? view_.U8(position_ - 1) : 0; }
    int8_t S8() { return static_cast<int8_t>(U8()); }
    uint16_t U16() { return Take(2) ? view_.U16(position_ - 2) : 0; }
    uint32_t U32() { return Take(4) ? view_.U32(position_ - 4) : 0; }
    // Pointer to the next count bytes and advances past them; nullptr (and
    // overrun) when fewer remain.
    const uint8_t* Bytes(size_t count) { return Take(count) ? view_.data() + position_ - count : nullptr; }

private:
    bool Take(size_t count) {
        if (overrun_ || !view_.Has(position_, count)) {
            overrun_ = true;
            position_ = view_.size();
            return false;
        }
        position_ += count;
        return true;
    }

    ByteView view_;
    size_t position_ = 0;
    bool overrun_ = false;
};

}  // namespace quibac
