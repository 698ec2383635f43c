#pragma once
#include <QtGlobal>
#include <cstring>

namespace metafile {

// A bounded little-endian view of one record (or a whole file). A read past
// the end yields zero and marks the view bad, so a decoder can read every
// field first and reject the record once, instead of checking each read.
class Bytes {
public:
    Bytes() = default;
    Bytes(const uchar* data, qint64 size) : data_(data), size_(size < 0 ? 0 : size) {}

    qint64 size() const { return size_; }
    const uchar* data() const { return data_; }
    bool ok() const { return ok_; }
    void fail() const { ok_ = false; }

    bool has(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && offset <= size_ && length <= size_ - offset;
    }
    quint8 u8(qint64 at) const { return has(at, 1) ? data_[at] : bad<quint8>(); }
    quint16 u16(qint64 at) const {
        return has(at, 2) ? quint16(data_[at] | (data_[at + 1] << 8)) : bad<quint16>();
    }
    qint16 i16(qint64 at) const { return qint16(u16(at)); }
    quint32 u32(qint64 at) const {
        if (!has(at, 4))
            return bad<quint32>();
        return quint32(data_[at]) | (quint32(data_[at + 1]) << 8) | (quint32(data_[at + 2]) << 16) |
               (quint32(data_[at + 3]) << 24);
    }
    qint32 i32(qint64 at) const { return qint32(u32(at)); }
    float f32(qint64 at) const {
        quint32 v = u32(at);
        float f;
        std::memcpy(&f, &v, 4);
        return f;
    }
    // A sub-view; an out-of-range request gives an empty, bad view.
    Bytes sub(qint64 offset, qint64 length) const {
        if (!has(offset, length)) {
            Bytes b;
            b.ok_ = false;
            ok_ = false;
            return b;
        }
        return Bytes(data_ + offset, length);
    }

private:
    template <typename T> T bad() const {
        ok_ = false;
        return T(0);
    }
    const uchar* data_ = nullptr;
    qint64 size_ = 0;
    mutable bool ok_ = true;
};

} // namespace metafile
