#pragma once
// Shared by the two metafile fuzz targets: plays arbitrary bytes onto a small
// image. Inputs starting with 'H' get the given header in place of that byte,
// so the fuzzer reaches the records instead of stopping at the header check.
#include "core/Error.h"
#include "graphics/Metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

inline void playFuzzedMetafile(const uint8_t* data, size_t size, const unsigned char* header,
                               size_t headerSize) {
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    if (size > 0 && data[0] == 'H')
        bytes = QByteArray(reinterpret_cast<const char*>(header), int(headerSize)) + bytes.mid(1);
    try {
        const Metafile m = Metafile::fromBytes(bytes);
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter p(&image);
        m.play(p, QRectF(0, 0, 64, 64));
    } catch (const AppError&) {
    }
}
