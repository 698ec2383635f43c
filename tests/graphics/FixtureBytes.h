#pragma once
#include "ImageCompare.h"

#include <QByteArray>
#include <QFile>

// Bytes of the graphics fixtures, and little-endian writers for the files
// the tests build by hand.
namespace fixturebytes {

inline QByteArray readFixture(const QString& name) {
    QFile f(imagecompare::fixture(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return f.readAll();
}

inline void put16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

inline void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

} // namespace fixturebytes
