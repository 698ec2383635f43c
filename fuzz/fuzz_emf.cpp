// Plays arbitrary bytes as an enhanced metafile onto a small image: no crash,
// hang or out-of-bounds access whatever the records say.
#include "core/Error.h"
#include "graphics/Metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_emf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    // Give every input an enhanced header so the fuzzer explores the records.
    static const unsigned char header[] = {
        1,    0,    0,   0, 108,  0,    0,    0,    0,    0,    0, 0, 0,    0, 0,    0,    100, 0,
        0,    0,    100, 0, 0,    0,    0,    0,    0,    0,    0, 0, 0,    0, 0x10, 0x0a, 0,   0,
        0x10, 0x0a, 0,   0, 0x20, 0x45, 0x4d, 0x46, 0,    0,    1, 0, 0,    0, 0,    0,    0,   0,
        0,    0,    16,  0, 0,    0,    0,    0,    0,    0,    0, 0, 0,    0, 0,    0,    0,   0,
        0x80, 0x07, 0,   0, 0xb0, 0x04, 0,    0,    0x40, 0x01, 0, 0, 0xf0, 0, 0,    0,    0,   0,
        0,    0,    0,   0, 0,    0,    0,    0,    0,    0,    0, 0, 0,    0, 0,    0,    0,   0};
    if (size > 0 && data[0] == 'H')
        bytes = QByteArray(reinterpret_cast<const char*>(header), sizeof header) + bytes.mid(1);
    try {
        const Metafile m = Metafile::fromBytes(bytes);
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter p(&image);
        m.play(p, QRectF(0, 0, 64, 64));
    } catch (const AppError&) {
    }
    return 0;
}
