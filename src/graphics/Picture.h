#pragma once
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;

// One graphic of one kind, loaded from a file whose extension (any letter
// case) chooses the format. Copies share the decoded data. Load and save
// failures raise AppError with the framework's own texts.
class Picture {
public:
    enum class Kind { Empty, Bitmap, Icon, Metafile, Jpeg };

    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);

    static Picture load(const QString& path);
    // An icon taken from an executable or icon file (the icon reader's result).
    static Picture fromIcon(const QImage& icon);

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    int width() const;
    int height() const;

    // Draws scaled into target. With transparent, a bitmap leaves out its
    // transparent colour (that of its bottom-left pixel); icons and
    // metafiles keep their own transparency.
    void draw(QPainter& painter, const QRectF& target, bool transparent = false) const;
    // The picture rendered at a size, e.g. for a 34 x 34 button.
    QImage render(const QSize& size, bool transparent = false) const;
    // Saves in the picture's own format whatever the target's name.
    void save(const QString& path) const;

    struct Data;

private:
    std::shared_ptr<const Data> d_;
};
