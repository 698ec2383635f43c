#pragma once
#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <memory>

class QPainter;

// An enhanced (EMF) or old-style (WMF, with or without the placeable header)
// metafile: the bytes as read, and a record player that draws them.
class Metafile {
public:
    enum class Format { Enhanced, Windows };

    // Throws AppError("Metafile is not valid") for bytes that are no metafile.
    static Metafile fromBytes(const QByteArray& bytes);

    Format format() const { return format_; }
    // The picture's natural size in pixels (96 dpi for device-independent frames).
    QSize size() const { return size_; }
    const QByteArray& bytes() const { return bytes_; }

    // Plays the records scaled into target. A hostile file draws what it can
    // within the record budget and never reads outside its bytes.
    void play(QPainter& painter, const QRectF& target) const;

private:
    Format format_ = Format::Enhanced;
    QSize size_;
    QByteArray bytes_;
};
