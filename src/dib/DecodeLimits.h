#pragma once
#include <cstdint>

// Caps that keep a hostile picture file from asking for huge allocations or
// endless work. The defaults admit every picture a camera or a scanner
// makes; the fuzz targets lower them to keep each run short.
struct DecodeLimits {
    std::int64_t maxPixels = 100'000'000; // BMP and ICO images, JPEG output
    int maxSide = 65'500;                 // JPEG width or height
    int maxJpegScans = 500;               // progressive scans of one JPEG
    long maxJpegMemory = 1'200'000'000L;  // libjpeg's working memory, bytes

    static DecodeLimits& current();
};
