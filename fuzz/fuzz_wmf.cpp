// Plays arbitrary bytes as an old-style metafile onto a small image: no crash,
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
    static char name[] = "fuzz_wmf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    // Inputs starting with 'H' get a placeable header and a standard header
    // with 16 object slots, so the fuzzer explores the records.
    static const unsigned char header[] = {
        0xd7, 0xcd, 0xc6, 0x9a, 0, 0, 0, 0, 0, 0, 0x64, 0, 0x64, 0, 0x60, 0, 0, 0, 0, 0,
        0,    0,    1,    0,    9, 0, 0, 3, 0, 0, 0,    0, 16,   0, 0,    0, 0, 0, 0, 0};
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
