#pragma once
// Writing JPEG test data with libjpeg, row by row from a callback.
#include <QByteArray>
#include <QImage>
#include <cstdlib>
#include <functional>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace testsupport {

// A w x h JPEG of `components` input channels in colour space `in`; fill
// writes row y, and configure adjusts the settings after the defaults.
inline QByteArray writeJpeg(int w, int h, int components, J_COLOR_SPACE in,
                            const std::function<void(int y, unsigned char* row)>& fill,
                            const std::function<void(jpeg_compress_struct&)>& configure = {}) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = components;
    cinfo.in_color_space = in;
    jpeg_set_defaults(&cinfo);
    if (configure)
        configure(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(w) * size_t(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        fill(int(cinfo.next_scanline), row.data());
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    free(out);
    return bytes;
}

// A JPEG of the image at a quality.
inline QByteArray jpegOf(const QImage& image, int quality, bool progressive = false) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return writeJpeg(
        rgb.width(), rgb.height(), 3, JCS_RGB,
        [&](int y, unsigned char* row) {
            std::copy(rgb.constScanLine(y), rgb.constScanLine(y) + 3 * rgb.width(), row);
        },
        [&](jpeg_compress_struct& c) {
            jpeg_set_quality(&c, quality, TRUE);
            if (progressive)
                jpeg_simple_progression(&c);
        });
}

} // namespace testsupport
