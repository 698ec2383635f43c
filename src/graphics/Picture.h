#pragma once
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

class QPainter;

// One graphic of one kind, loaded from a file whose extension (any letter
// case) chooses the format. Copies share the decoded data. Load and save
// failures raise AppError with the framework's own texts.
class Picture {
public:
    // Png, Svg and Theme pictures are for buttons of today's desktops: a PNG
    // or SVG file, or an icon named by the desktop's icon theme.
    enum class Kind { Empty, Bitmap, Icon, Metafile, Jpeg, Png, Svg, Theme };

    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);

    // A name without a folder and without a picture file's extension names
    // an icon of the desktop's theme ("utilities-terminal"); such a name is
    // loaded on the user-interface thread only.
    static bool isThemeName(const QString& path);
    static Picture load(const QString& path);
    // For a picture that is only ever shown small (a 34 x 34 button): a JPEG
    // is decoded at the smallest DCT scale that still covers sizeHint. The
    // compressed bytes are kept, so save() and a later full-size draw work
    // as after load(path).
    static Picture load(const QString& path, const QSize& sizeHint);
    // As load(path), except that a JPEG has only its headers read: its pixels
    // are decoded when it is first drawn or asked for. For pictures that may
    // never be shown, such as the buttons of hidden tables. A JPEG whose data
    // is broken loads, then draws nothing and fails decodes(); image() and
    // decodedToBitmap() raise its error.
    static Picture loadDeferred(const QString& path);
    // As load(path); a JPEG hands the picture so far to step after every
    // scan (progressive) or band of rows (baseline), so that a viewer can
    // draw it piece by piece. Other kinds call step once with the whole
    // picture. The image passed is valid during the call; copy it to keep.
    static Picture loadIncrementally(const QString& path,
                                     const std::function<void(const QImage&)>& step);
    // For a viewer whose drawn size depends on the picture's own: shownSize
    // gets the natural size and returns the size the picture will be drawn
    // at, and a JPEG is decoded at the smallest DCT scale covering it (full
    // size when it returns an empty size). With step, a JPEG is handed over
    // piece by piece as in loadIncrementally; other kinds never call step.
    static Picture loadForView(const QString& path,
                               const std::function<QSize(const QSize&)>& shownSize,
                               const std::function<void(const QImage&)>& step = {});
    // The same from bytes already read; extension as in a file name ("jpg").
    static Picture fromBytes(const QByteArray& bytes, const QString& extension,
                             const QSize& sizeHint = QSize());

    // An icon taken from an executable or icon file (the icon reader's result).
    static Picture fromIcon(const QImage& icon);
    // The icon the desktop's icon theme has under the name; fails when the
    // theme has none. On the user-interface thread only.
    static Picture fromTheme(const QString& name);
    // A bitmap picture of an image (pasted, converted).
    static Picture fromImage(const QImage& image);

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    int width() const;
    int height() const;
    QSize size() const { return QSize(width(), height()); }
    // Whether the picture's pixels can be had: false only for a deferred JPEG
    // whose data fails to decode, which this call decodes to find out.
    bool decodes() const;
    // The name of the kind's type in "Cannot assign a %s to a %s".
    static QString typeName(Kind kind);

    // Draws scaled into target. With transparent, a bitmap leaves out its
    // transparent colour (that of its bottom-left pixel); icons and
    // metafiles keep their own transparency. A JPEG decoded smaller than the
    // target is decoded again to fit, unless decodeMore is false: then what
    // is at hand is drawn scaled up, and sharp() tells whether it is enough.
    void draw(QPainter& painter, const QRectF& target, bool transparent = false,
              bool decodeMore = true) const;
    // Whether draw() has the pixels for a target of this device size.
    bool sharp(const QSize& device) const;
    // The same picture with a JPEG decoded anew for a target of this device
    // size; may run on any thread.
    Picture sharpened(const QSize& device) const;
    // The picture rendered at a size, e.g. for a 34 x 34 button.
    QImage render(const QSize& size, bool transparent = false) const;
    // Saves in the picture's own format whatever the target's name: a JPEG
    // as the bytes that were read, a bitmap as a Windows bitmap, an icon or
    // metafile as its own file. An empty picture writes no file.
    void save(const QString& path) const;

    // The picture as a bitmap. Only a bitmap converts; every other kind
    // (and an empty picture) fails with "Cannot assign a %s to a %s".
    Picture toBitmap() const;
    // A JPEG decoded in full into a bitmap picture; other kinds as toBitmap().
    Picture decodedToBitmap() const;
    // The pixels of a bitmap, the large-icon image of an icon, a JPEG
    // decoded at full size, a metafile rendered at its own size.
    QImage image() const;
    // The bytes the picture was read from (JPEG, icon or metafile file);
    // empty for bitmaps and for pictures made in memory.
    QByteArray fileBytes() const;

    struct Data;

private:
    explicit Picture(std::shared_ptr<const Data> d);
    static Picture make(const QByteArray& bytes, const QString& extension, const QSize& sizeHint,
                        bool deferJpeg);
    std::shared_ptr<const Data> d_;
};
