#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

namespace testsupport {

// The baseline JPEG fixture with a DC Huffman symbol over 15: its headers
// read, but the decoder refuses the table once it starts on the pixels.
inline QByteArray undecodableJpeg() {
    QFile f(QStringLiteral(TABDECK_TEST_DATA "/graphics/baseline.jpg"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture graphics/baseline.jpg");
    QByteArray bytes = f.readAll();
    const qsizetype dht = bytes.indexOf(QByteArray::fromHex("ffc4"));
    // Marker, length, class/table 0x00 (DC 0), 16 counts, then the symbols.
    if (dht < 0 || bytes.size() < dht + 22 || bytes[dht + 4] != 0)
        qFatal("baseline.jpg does not start its Huffman tables with DC table 0");
    bytes[dht + 21] = char(0x20);
    return bytes;
}

} // namespace testsupport
