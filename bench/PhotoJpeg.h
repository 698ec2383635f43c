#pragma once
// What the picture benchmarks share: a photo-like JPEG written by libjpeg,
// and timing a step.
#include "BenchUtil.h"
#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

// The writer the tests use.
#include "../tests/support/JpegWriter.h"

namespace benchphoto {

inline double seconds(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A photo-like picture: smooth waves with fine noise, so the file has the
// entropy of a real photo rather than of a flat colour.
inline QByteArray makeJpeg(int w, int h, unsigned seed, bool progressive, int noiseAmplitude = 12) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-noiseAmplitude, noiseAmplitude);
    const double fx = 0.002 + (seed % 7) * 0.001;
    const double fy = 0.003 + (seed % 5) * 0.001;
    return testsupport::writeJpeg(
        w, h, 3, JCS_RGB,
        [&](int y, unsigned char* row) {
            for (int x = 0; x < w; ++x) {
                const double a = std::sin(x * fx * 6.283) * std::cos(y * fy * 6.283);
                const double b = std::sin((x + y) * 0.0007 * 6.283);
                auto clamp = [](double v) { return (unsigned char)std::clamp(int(v), 0, 255); };
                row[3 * x] = clamp(128 + 100 * a + noise(random));
                row[3 * x + 1] = clamp(128 + 90 * b + noise(random));
                row[3 * x + 2] = clamp(128 - 80 * a * b + noise(random));
            }
        },
        [&](jpeg_compress_struct& c) {
            jpeg_set_quality(&c, 90, TRUE);
            if (progressive)
                jpeg_simple_progression(&c);
        });
}

} // namespace benchphoto
