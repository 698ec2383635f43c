#include "graphics/JpegDecoder.h"
#include "core/Error.h"
#include "dib/DecodeLimits.h"
#include "graphics/LargeMemory.h"

#include <QCoreApplication>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

// libjpeg reports fatal errors through error_exit, which must not return.
// It jumps back to the setjmp of the guarded function that called into the
// library. Those functions keep only plain locals, so the jump skips no
// destructor; C++ objects live in the callers, outside the guarded region.
struct JpegDecoder::Session {
    struct ErrorManager {
        jpeg_error_mgr pub;
        std::jmp_buf jump;
    };
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    bool created = false;

    ~Session() {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
};

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(JpegDecoder)
};

using Session = JpegDecoder::Session;

void errorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<Session::ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// Warnings (a cut file, a corrupt entropy segment) leave what could be
// decoded, as every viewer shows it.
void emitMessage(j_common_ptr, int) {}
void outputMessage(j_common_ptr) {}

bool guardedHeader(Session& s, const uchar* data, unsigned long size) {
    if (setjmp(s.err.jump))
        return false;
    jpeg_create_decompress(&s.cinfo);
    s.created = true;
    s.cinfo.mem->max_memory_to_use = DecodeLimits::current().maxJpegMemory;
    jpeg_mem_src(&s.cinfo, data, size);
    jpeg_read_header(&s.cinfo, TRUE);
    const DecodeLimits& limits = DecodeLimits::current();
    const std::int64_t pixels = std::int64_t(s.cinfo.image_width) * s.cinfo.image_height;
    if (s.cinfo.image_width > unsigned(limits.maxSide) ||
        s.cinfo.image_height > unsigned(limits.maxSide) || pixels > limits.maxPixels)
        ERREXIT1(&s.cinfo, JERR_IMAGE_TOO_BIG, limits.maxSide);
    return true;
}

bool guardedStart(Session& s, int eighths, bool cmyk, bool buffered) {
    if (setjmp(s.err.jump))
        return false;
    s.cinfo.scale_num = unsigned(eighths);
    s.cinfo.scale_denom = 8;
    s.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    s.cinfo.buffered_image = buffered ? TRUE : FALSE;
    if (eighths < 8) {
        // A reduced picture is smoothed again when it is drawn smaller
        // still; the plain upsampler is enough for it.
        s.cinfo.do_fancy_upsampling = FALSE;
    }
    jpeg_start_decompress(&s.cinfo);
    return true;
}

// Absorbs input up to the start of the next scan (or the end of the file),
// counting scans against the cap. *show is the last scan fully absorbed.
bool guardedConsumeScan(Session& s, int maxScans, bool* complete, int* show) {
    if (setjmp(s.err.jump))
        return false;
    int r;
    do {
        r = jpeg_consume_input(&s.cinfo);
        if (r == JPEG_REACHED_SOS && s.cinfo.input_scan_number > maxScans)
            ERREXIT(&s.cinfo, JERR_BAD_SCAN_SCRIPT);
    } while (r != JPEG_REACHED_SOS && r != JPEG_REACHED_EOI && r != JPEG_SUSPENDED);
    *complete = r != JPEG_REACHED_SOS;
    *show = *complete ? s.cinfo.input_scan_number : s.cinfo.input_scan_number - 1;
    return true;
}

bool guardedStartOutput(Session& s, int scan) {
    if (setjmp(s.err.jump))
        return false;
    jpeg_start_output(&s.cinfo, scan);
    return true;
}

bool guardedFinishOutput(Session& s) {
    if (setjmp(s.err.jump))
        return false;
    jpeg_finish_output(&s.cinfo);
    return true;
}

bool guardedFinish(Session& s) {
    if (setjmp(s.err.jump))
        return false;
    jpeg_finish_decompress(&s.cinfo);
    return true;
}

// Reads rows up to untilRow straight into the image (BGRX is the byte order
// of Format_RGB32 on little-endian machines), or through one CMYK row.
bool guardedRows(Session& s, uchar* bits, qsizetype stride, uchar* cmykRow, unsigned untilRow,
                 bool cmyk, bool inverted) {
    if (setjmp(s.err.jump))
        return false;
    const unsigned width = s.cinfo.output_width;
    while (s.cinfo.output_scanline < untilRow) {
        const unsigned line = s.cinfo.output_scanline;
        if (!cmyk) {
            JSAMPROW rows[16];
            const unsigned n = std::min(16u, untilRow - line);
            for (unsigned i = 0; i < n; ++i)
                rows[i] = bits + qsizetype(line + i) * stride;
            if (jpeg_read_scanlines(&s.cinfo, rows, n) == 0)
                return true;
            continue;
        }
        JSAMPROW row = cmykRow;
        if (jpeg_read_scanlines(&s.cinfo, &row, 1) == 0)
            return true;
        uchar* out = bits + qsizetype(line) * stride;
        for (unsigned x = 0; x < width; ++x) {
            unsigned c = cmykRow[4 * x], m = cmykRow[4 * x + 1], y = cmykRow[4 * x + 2],
                     k = cmykRow[4 * x + 3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            // With the stored values inverted, each is (1 - ink), so the
            // light left is a product.
            out[4 * x] = uchar((y * k + 127) / 255);
            out[4 * x + 1] = uchar((m * k + 127) / 255);
            out[4 * x + 2] = uchar((c * k + 127) / 255);
            out[4 * x + 3] = 0xFF;
        }
    }
    return true;
}

void setUpSession(Session& s) {
    s.cinfo.err = jpeg_std_error(&s.err.pub);
    s.err.pub.error_exit = errorExit;
    s.err.pub.emit_message = emitMessage;
    s.err.pub.output_message = outputMessage;
}

} // namespace

JpegDecoder::JpegDecoder(const QByteArray& bytes) : s_(std::make_unique<Session>()), bytes_(bytes) {
    setUpSession(*s_);
    if (!guardedHeader(*s_, reinterpret_cast<const uchar*>(bytes_.constData()),
                       static_cast<unsigned long>(bytes_.size())))
        throw AppError(Text::tr("JPEG error #%1").arg(s_->err.pub.msg_code));
    size_ = QSize(int(s_->cinfo.image_width), int(s_->cinfo.image_height));
    progressive_ = jpeg_has_multiple_scans(&s_->cinfo);
    adobe_ = s_->cinfo.saw_Adobe_marker;
    switch (s_->cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        colorSpace_ = ColorSpace::Grey;
        break;
    case JCS_YCbCr:
        colorSpace_ = ColorSpace::YCbCr;
        break;
    case JCS_RGB:
        colorSpace_ = ColorSpace::Rgb;
        break;
    case JCS_CMYK:
        colorSpace_ = ColorSpace::Cmyk;
        break;
    case JCS_YCCK:
        colorSpace_ = ColorSpace::Ycck;
        break;
    default:
        colorSpace_ = ColorSpace::Other;
    }
}

JpegDecoder::~JpegDecoder() = default;

int JpegDecoder::tooBigCode() {
    return JERR_IMAGE_TOO_BIG;
}
int JpegDecoder::tooManyScansCode() {
    return JERR_BAD_SCAN_SCRIPT;
}

int JpegDecoder::scaleEighthsFor(const QSize& natural, const QSize& target) {
    for (int m = 1; m < 8; ++m) {
        const QSize s = scaledSize(natural, m);
        if (s.width() >= target.width() && s.height() >= target.height())
            return m;
    }
    return 8;
}

QSize JpegDecoder::scaledSize(const QSize& natural, int eighths) {
    // libjpeg rounds the scaled size up.
    return QSize(int((qint64(natural.width()) * eighths + 7) / 8),
                 int((qint64(natural.height()) * eighths + 7) / 8));
}

QImage JpegDecoder::decode(int eighths) {
    return run(nullptr, eighths, 0);
}

QImage JpegDecoder::decodeIncremental(const std::function<void(const QImage&)>& step, int eighths,
                                      int bandRows) {
    return run(&step, eighths, std::max(1, bandRows));
}

QImage JpegDecoder::run(const std::function<void(const QImage&)>* step, int eighths, int bandRows) {
    auto fail = [this]() -> QImage {
        const int code = s_->err.pub.msg_code;
        s_.reset();
        throw AppError(Text::tr("JPEG error #%1").arg(code));
    };
    if (used_ || !s_)
        throw AppError(Text::tr("JPEG error #%1").arg(int(JERR_BAD_STATE)));
    used_ = true;
    eighths = std::clamp(eighths, 1, 8);
    const bool cmyk = colorSpace_ == ColorSpace::Cmyk || colorSpace_ == ColorSpace::Ycck;
    const bool inverted = cmyk && adobe_;
    const bool buffered = progressive_;
    if (!guardedStart(*s_, eighths, cmyk, buffered))
        return fail();

    const int width = int(s_->cinfo.output_width);
    const int height = int(s_->cinfo.output_height);
    QImage image = largememory::image(width, height);
    // In memory that may be backed by huge pages: writing a fresh picture
    // otherwise spends much of the decode time in page faults.
    if (image.isNull()) {
        s_->err.pub.msg_code = JERR_IMAGE_TOO_BIG;
        return fail();
    }
    if (step && !buffered)
        image.fill(0xFF808080u); // rows a band-by-band viewer shows before they arrive
    std::vector<uchar> cmykRow(cmyk ? size_t(width) * 4 : 0);
    const int maxScans = DecodeLimits::current().maxJpegScans;

    if (!buffered) {
        int done = 0;
        while (done < height) {
            const int until = step ? std::min(height, done + bandRows) : height;
            if (!guardedRows(*s_, image.bits(), image.bytesPerLine(), cmykRow.data(),
                             unsigned(until), cmyk, inverted))
                return fail();
            done = until;
            if (step)
                (*step)(image);
        }
    } else {
        bool complete = false;
        int show = 1;
        while (!complete) {
            do {
                if (!guardedConsumeScan(*s_, maxScans, &complete, &show))
                    return fail();
            } while (!step && !complete);
            if (!guardedStartOutput(*s_, show) ||
                !guardedRows(*s_, image.bits(), image.bytesPerLine(), cmykRow.data(),
                             unsigned(height), cmyk, inverted) ||
                !guardedFinishOutput(*s_))
                return fail();
            if (step)
                (*step)(image);
        }
    }
    guardedFinish(*s_); // trailing garbage after the picture is no error
    s_.reset();
    return image;
}
