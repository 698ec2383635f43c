#include "graphics/JpegDecoder.h"
#include "core/Error.h"
#include "dib/DecodeLimits.h"
#include "graphics/JpegSplitDecoder.h"
#include "graphics/LargeMemory.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <thread>
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

using Session = JpegDecoder::Session;

void errorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<Session::ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// Warnings (a cut file, a corrupt entropy segment) leave what could be
// decoded, as every viewer shows it.
void emitMessage(j_common_ptr, int) {}
// For a decode in halves, which is only kept when neither half saw a fault.
void countWarning(j_common_ptr cinfo, int level) {
    if (level < 0)
        ++cinfo->err->num_warnings;
}
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

// The output image, in memory that may be backed by huge pages: writing a
// fresh picture otherwise spends much of the decode time in page faults.
QImage allocateImage(int width, int height) {
    const size_t stride = size_t(width) * 4;
    const size_t bytes = stride * size_t(height);
    void* memory = largememory::allocate(bytes);
    if (memory == nullptr)
        return QImage();
    return QImage(
        static_cast<uchar*>(memory), width, height, qsizetype(stride), QImage::Format_RGB32,
        [](void* p) { largememory::release(p); }, memory);
}

// A full-size decode is split from this size on; below it a thread's start
// and the codes read twice cost more than they save.
constexpr std::int64_t kHalvesPixels = std::int64_t(2) << 20;

// A reduced decode of a large baseline file is split over two threads; the
// frame for it, or nothing when the file is of another kind.
std::optional<jpegsplit::Frame> splitFrame(const jpeg_decompress_struct& c, int eighths) {
    constexpr std::int64_t kSplitPixels = std::int64_t(1) << 20;
    if ((eighths != 1 && eighths != 2) || c.progressive_mode || c.arith_code ||
        c.data_precision != 8 || c.restart_interval != 0 || c.comps_in_scan != c.num_components ||
        c.Ss != 0 || c.Se != 63 || c.Ah != 0 || c.Al != 0 || c.src == nullptr ||
        std::int64_t(c.image_width) * c.image_height < kSplitPixels)
        return std::nullopt;
    if (!(c.num_components == 3 && c.jpeg_color_space == JCS_YCbCr) &&
        !(c.num_components == 1 && c.jpeg_color_space == JCS_GRAYSCALE))
        return std::nullopt;
    jpegsplit::Frame f;
    f.width = int(c.image_width);
    f.height = int(c.image_height);
    f.count = c.num_components;
    f.eighths = eighths;
    f.data = c.src->next_input_byte;
    f.size = c.src->bytes_in_buffer;
    f.memoryCap = size_t(c.mem->max_memory_to_use);
    for (int i = 0; i < c.comps_in_scan; ++i) {
        const jpeg_component_info* comp = c.cur_comp_info[i];
        if (comp == nullptr || comp->quant_tbl_no < 0 || comp->quant_tbl_no >= NUM_QUANT_TBLS ||
            comp->dc_tbl_no < 0 || comp->dc_tbl_no >= NUM_HUFF_TBLS || comp->ac_tbl_no < 0 ||
            comp->ac_tbl_no >= NUM_HUFF_TBLS)
            return std::nullopt;
        const JQUANT_TBL* q = c.quant_tbl_ptrs[comp->quant_tbl_no];
        const JHUFF_TBL* dc = c.dc_huff_tbl_ptrs[comp->dc_tbl_no];
        const JHUFF_TBL* ac = c.ac_huff_tbl_ptrs[comp->ac_tbl_no];
        if (q == nullptr || dc == nullptr || ac == nullptr)
            return std::nullopt;
        jpegsplit::Component& out = f.components[i];
        out.index = comp->component_index;
        out.h = comp->h_samp_factor;
        out.v = comp->v_samp_factor;
        out.quant = q->quantval;
        out.dc = {dc->bits, dc->huffval};
        out.ac = {ac->bits, ac->huffval};
    }
    if (!jpegsplit::supports(f))
        return std::nullopt;
    return f;
}

// Reads the rows of s into the picture from row `at` on, the first `skip`
// of them into a scratch row.
bool guardedRowsFrom(Session& s, uchar* bits, qsizetype stride, unsigned skip, unsigned at,
                     uchar* scratch) {
    if (setjmp(s.err.jump))
        return false;
    while (s.cinfo.output_scanline < s.cinfo.output_height) {
        const unsigned line = s.cinfo.output_scanline;
        JSAMPROW rows[16];
        const unsigned n = std::min(16u, s.cinfo.output_height - line);
        for (unsigned i = 0; i < n; ++i)
            rows[i] = line + i < skip ? scratch : bits + qsizetype(at + line + i - skip) * stride;
        if (jpeg_read_scanlines(&s.cinfo, rows, n) == 0)
            return false;
    }
    return true;
}

// The header with the frame's height set to `height`: the walk goes by the
// segments' lengths, so a thumbnail's own frame inside an APP segment is
// left alone.
QByteArray headerWithHeight(const QByteArray& bytes, qsizetype headerEnd, int height) {
    QByteArray out = bytes.left(headerEnd);
    const auto at = [&](qsizetype i) { return uchar(out[i]); };
    qsizetype i = 2;
    while (i + 4 <= out.size()) {
        if (at(i) != 0xFF)
            return {};
        const uchar marker = at(i + 1);
        if (marker == 0xFF) { // fill
            ++i;
            continue;
        }
        const qsizetype length = (qsizetype(at(i + 2)) << 8) | at(i + 3);
        if (length < 2 || i + 2 + length > out.size())
            return {};
        if (marker == 0xC0 || marker == 0xC1) {
            if (length < 8 || height <= 0 || height > 0xFFFF)
                return {};
            out[i + 5] = char(height >> 8);
            out[i + 6] = char(height & 0xFF);
            return out;
        }
        i += 2 + length;
    }
    return {};
}

void setUpSession(Session& s, void (*onMessage)(j_common_ptr, int)) {
    s.cinfo.err = jpeg_std_error(&s.err.pub);
    s.err.pub.error_exit = errorExit;
    s.err.pub.emit_message = onMessage;
    s.err.pub.output_message = outputMessage;
}

// A full-size decode of a large baseline picture on two threads. The
// library decodes the rows above group row R from the file; the second
// thread reads the codes up to there and decodes the rest from a stream of
// its own, which starts a group row early: fancy upsampling reads the row
// above, which that stream's first row lacks, so its rows are thrown away.
// The picture is the one a single decode gives; false, with nothing
// promised of the image, when a half failed or saw a fault.
bool decodeHalves(const QByteArray& bytes, const jpeg_decompress_struct& c, QImage& image) {
    const std::optional<jpegsplit::Frame> frame = splitFrame(c, 1);
    if (!frame)
        return false;
    const int height = int(c.image_height);
    const int rowsPerGroup = jpegsplit::groupHeight(*frame);
    const int groupRows = (height + rowsPerGroup - 1) / rowsPerGroup;
    if (groupRows < 3) // a strip too low to cut
        return false;
    // The second thread also reads the codes of the first part, at about a
    // third of what decoding them costs; this evens the two out.
    const int r = std::clamp(int(std::lround(groupRows * 0.64)), 2, groupRows - 1);
    const unsigned split = unsigned(r * rowsPerGroup);
    const qsizetype headerEnd =
        qsizetype(frame->data - reinterpret_cast<const uchar*>(bytes.constData()));
    if (headerEnd <= 0 || headerEnd > bytes.size())
        return false;

    bool lowerOk = false;
    std::vector<uchar> scratch(size_t(c.image_width) * 4);
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    auto lower = [&] {
        try { // nothing may leave a thread
            const QByteArray coded = jpegsplit::streamFrom(*frame, r - 1);
            const QByteArray header =
                headerWithHeight(bytes, headerEnd, height - (r - 1) * rowsPerGroup);
            if (coded.isEmpty() || header.isEmpty())
                return;
            const QByteArray stream = header + coded;
            Session s;
            setUpSession(s, countWarning);
            lowerOk =
                guardedHeader(s, reinterpret_cast<const uchar*>(stream.constData()),
                              static_cast<unsigned long>(stream.size())) &&
                guardedStart(s, 8, false, false) && s.cinfo.output_width == c.image_width &&
                guardedRowsFrom(s, bits, stride, unsigned(rowsPerGroup), split, scratch.data()) &&
                s.err.pub.num_warnings == 0;
        } catch (const std::bad_alloc&) {
            lowerOk = false;
        }
    };
    std::thread worker;
    try {
        worker = std::thread(lower);
    } catch (const std::system_error&) {
        return false;
    }
    Session s;
    setUpSession(s, countWarning);
    const bool upperOk = guardedHeader(s, reinterpret_cast<const uchar*>(bytes.constData()),
                                       static_cast<unsigned long>(bytes.size())) &&
                         guardedStart(s, 8, false, false) &&
                         guardedRows(s, bits, stride, nullptr, split, false, false) &&
                         s.cinfo.output_scanline == split && s.err.pub.num_warnings == 0;
    worker.join();
    return upperOk && lowerOk;
}

} // namespace

JpegDecoder::JpegDecoder(const QByteArray& bytes) : s_(std::make_unique<Session>()), bytes_(bytes) {
    setUpSession(*s_, emitMessage);
    if (!guardedHeader(*s_, reinterpret_cast<const uchar*>(bytes_.constData()),
                       static_cast<unsigned long>(bytes_.size())))
        throw AppError(QStringLiteral("JPEG error #%1").arg(s_->err.pub.msg_code));
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
        throw AppError(QStringLiteral("JPEG error #%1").arg(code));
    };
    if (used_ || !s_)
        throw AppError(QStringLiteral("JPEG error #%1").arg(int(JERR_BAD_STATE)));
    used_ = true;
    eighths = std::clamp(eighths, 1, 8);
    const bool cmyk = colorSpace_ == ColorSpace::Cmyk || colorSpace_ == ColorSpace::Ycck;
    const bool inverted = cmyk && adobe_;
    const bool buffered = progressive_;
    if (!step && splitAllowed_ && (splitAlways_ || jpegsplit::coreIsFree())) {
        // Given up on: the library decodes it, with its own warnings.
        QImage image;
        if (eighths == 8) {
            if (!cmyk && !buffered &&
                std::int64_t(size_.width()) * size_.height() >= kHalvesPixels) {
                image = allocateImage(size_.width(), size_.height());
                split_ = !image.isNull() && decodeHalves(bytes_, s_->cinfo, image);
            }
        } else if (const std::optional<jpegsplit::Frame> frame = splitFrame(s_->cinfo, eighths)) {
            const QSize size = scaledSize(size_, eighths);
            image = allocateImage(size.width(), size.height());
            split_ = !image.isNull() && jpegsplit::decode(*frame, image);
        }
        if (split_) {
            s_.reset();
            return image;
        }
    }
    if (!guardedStart(*s_, eighths, cmyk, buffered))
        return fail();

    const int width = int(s_->cinfo.output_width);
    const int height = int(s_->cinfo.output_height);
    QImage image = allocateImage(width, height);
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
