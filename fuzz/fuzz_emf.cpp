// Plays arbitrary bytes as an enhanced metafile onto a small image: no crash,
// hang or out-of-bounds access whatever the records say.
#include "MetafileFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const unsigned char header[] = {
        1,    0,    0,   0, 108,  0,    0,    0,    0,    0,    0, 0, 0,    0, 0,    0,    100, 0,
        0,    0,    100, 0, 0,    0,    0,    0,    0,    0,    0, 0, 0,    0, 0x10, 0x0a, 0,   0,
        0x10, 0x0a, 0,   0, 0x20, 0x45, 0x4d, 0x46, 0,    0,    1, 0, 0,    0, 0,    0,    0,   0,
        0,    0,    16,  0, 0,    0,    0,    0,    0,    0,    0, 0, 0,    0, 0,    0,    0,   0,
        0x80, 0x07, 0,   0, 0xb0, 0x04, 0,    0,    0x40, 0x01, 0, 0, 0xf0, 0, 0,    0,    0,   0,
        0,    0,    0,   0, 0,    0,    0,    0,    0,    0,    0, 0, 0,    0, 0,    0,    0,   0};
    playFuzzedMetafile(data, size, header, sizeof header);
    return 0;
}
