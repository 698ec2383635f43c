#pragma once
#include <QByteArray>
#include <QtEndian>

// Little-endian fields appended to a file being written (bitmaps, icons).
namespace bytewriter {

inline void put8(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
}
inline void put16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
inline void put32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

} // namespace bytewriter
