#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>
#include <memory>

// JPEG decoding with libjpeg. Fatal decoder errors raise
// AppError("JPEG error #%d") with the library's message code; files larger
// than DecodeLimits allow, or with more scans, are refused the same way.
class JpegDecoder {
public:
    enum class ColorSpace { Grey, YCbCr, Rgb, Cmyk, Ycck, Other };

    // Reads the headers; throws on a file that is no JPEG.
    explicit JpegDecoder(const QByteArray& bytes);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    QSize size() const { return size_; }
    bool isProgressive() const { return progressive_; }
    ColorSpace colorSpace() const { return colorSpace_; }
    bool hasAdobeMarker() const { return adobe_; }

    // The DCT scaling (eighths, 1..8) that decodes the smallest image still
    // covering target; 8 is full size.
    static int scaleEighthsFor(const QSize& natural, const QSize& target);
    static QSize scaledSize(const QSize& natural, int eighths);

    // Decodes the whole picture, scaled by eighths/8 in the transform.
    // Format_RGB32. A decoder can decode once.
    QImage decode(int eighths = 8);
    // Decodes and hands the picture so far to step: after every scan of a
    // progressive file (buffered-image mode), after every band of rows of a
    // baseline one. The last call holds the complete picture, which is also
    // returned.
    QImage decodeIncremental(const std::function<void(const QImage&)>& step, int eighths = 8,
                             int bandRows = 64);

    // The message code of libjpeg's error for "JPEG error #%d" when it is
    // the cap that refused a file.
    static int tooBigCode();
    static int tooManyScansCode();

    struct Session;

private:
    QImage run(const std::function<void(const QImage&)>* step, int eighths, int bandRows);

    std::unique_ptr<Session> s_;
    QByteArray bytes_;
    QSize size_;
    bool progressive_ = false;
    bool adobe_ = false;
    ColorSpace colorSpace_ = ColorSpace::Other;
    bool used_ = false;
};
