// Plays arbitrary bytes as an old-style metafile onto a small image: no crash,
// hang or out-of-bounds access whatever the records say.
#include "MetafileFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const unsigned char header[] = {
        0xd7, 0xcd, 0xc6, 0x9a, 0, 0, 0, 0, 0, 0, 0x64, 0, 0x64, 0, 0x60, 0, 0, 0, 0, 0,
        0,    0,    1,    0,    9, 0, 0, 3, 0, 0, 0,    0, 16,   0, 0,    0, 0, 0, 0, 0};
    playFuzzedMetafile(data, size, header, sizeof header);
    return 0;
}
