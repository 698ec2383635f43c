#include "graphics/Picture.h"
#include "core/AtomicFile.h"
#include "core/Error.h"
#include "core/RegularFile.h"
#include "dib/IcoFile.h"
#include "graphics/BmpFile.h"
#include "graphics/IconWriter.h"
#include "graphics/JpegDecoder.h"
#include "graphics/Metafile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <optional>

struct Picture::Data {
    Kind kind = Kind::Empty;
    QSize size;
    QImage bitmap;
    QList<iconimage::Image> icons;
    qsizetype largeIcon = -1;
    std::optional<Metafile> metafile;
    QByteArray bytes; // the file as read: JPEG, icon, metafile, PNG, SVG
    QIcon themeIcon;

    // Caches filled on first use; the data is shared by copies but only
    // ever used from the one user-interface thread.
    mutable QImage jpeg; // decoded, full size when jpegFull
    mutable bool jpegFull = false;
    mutable QString jpegError; // a deferred decode that failed: its message
    mutable QImage keyed;      // the bitmap without its transparent colour

    const QImage& keyedBitmap() const {
        if (keyed.isNull() && !bitmap.isNull()) {
            const QRgb key = bitmap.pixel(0, bitmap.height() - 1) & 0x00FFFFFFu;
            QImage out = bitmap.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < out.height(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
                for (int x = 0; x < out.width(); ++x) {
                    if ((line[x] & 0x00FFFFFFu) == key)
                        line[x] = 0;
                }
            }
            keyed = std::move(out);
        }
        return keyed;
    }

    int eighthsFor(const QSize& target) const {
        return target.isEmpty() ? 8 : JpegDecoder::scaleEighthsFor(size, target);
    }
    bool jpegCovers(const QSize& target) const {
        const QSize needed = JpegDecoder::scaledSize(size, eighthsFor(target));
        return jpegFull || (!jpeg.isNull() && jpeg.width() >= needed.width() &&
                            jpeg.height() >= needed.height());
    }

    // A JPEG decoded at least as large as target (full size when target is
    // empty). A file that failed part-way is drawn from what decoded before.
    const QImage& jpegFor(const QSize& target) const {
        const int eighths = eighthsFor(target);
        if (jpegCovers(target))
            return jpeg;
        if (!jpegError.isEmpty())
            throw AppError(jpegError);
        JpegDecoder decoder(bytes);
        try {
            jpeg = decoder.decode(eighths);
        } catch (const AppError& e) {
            // Only a deferred picture gets here with broken data: a loaded
            // one decoded whole before. Remembered, so it is not retried.
            if (jpeg.isNull())
                jpegError = e.text();
            throw;
        }
        jpegFull = eighths == 8;
        return jpeg;
    }
};

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Picture)
};

Picture::Kind kindForExtension(const QString& extension) {
    const QString ext = extension.toLower();
    if (ext == QLatin1String("bmp"))
        return Picture::Kind::Bitmap;
    if (ext == QLatin1String("ico"))
        return Picture::Kind::Icon;
    if (ext == QLatin1String("emf") || ext == QLatin1String("wmf"))
        return Picture::Kind::Metafile;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        return Picture::Kind::Jpeg;
    if (ext == QLatin1String("png"))
        return Picture::Kind::Png;
    if (ext == QLatin1String("svg"))
        return Picture::Kind::Svg;
    throw AppError(Text::tr("Unknown picture file extension (.%1)").arg(extension));
}

QString extensionOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

// Only a regular file up to the common cap: a FIFO, a device or a link to
// /dev/zero is refused at once, as is a sparse file of a gigabyte.
QByteArray readFile(const QString& path) {
    regularfile::Result file = regularfile::read(path);
    if (!file.ok())
        throw AppError(regularfile::cannotOpen(path, file.status));
    return std::move(file.bytes);
}

// The file's bytes and extension; an unknown extension fails before the file
// is opened.
QByteArray readPicture(const QString& path, QString* extension) {
    *extension = extensionOf(path);
    kindForExtension(*extension);
    return readFile(path);
}

bool knownExtension(const QString& extension) {
    try {
        kindForExtension(extension);
        return true;
    } catch (const AppError&) {
        return false;
    }
}

QImage readPng(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "png");
    // The reader's own allocation limit refuses a header claiming gigapixels.
    QImage image = reader.read();
    if (image.isNull())
        throw AppError(Text::tr("PNG image is not valid"));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QSize svgSize(const QByteArray& bytes) {
    const QSvgRenderer renderer(bytes);
    if (!renderer.isValid())
        throw AppError(Text::tr("SVG image is not valid"));
    const QSize size = renderer.defaultSize();
    return size.isEmpty() ? QSize(32, 32) : size;
}

// The size a theme icon is shown at unless its theme names sizes: the
// largest fixed size it has, else that of a large icon.
QSize themeSize(const QIcon& icon) {
    QSize best(32, 32);
    for (const QSize& s : icon.availableSizes())
        if (s.width() * s.height() > best.width() * best.height())
            best = s;
    return best;
}

} // namespace

bool Picture::isThemeName(const QString& path) {
    return !path.isEmpty() && !path.contains(QLatin1Char('/')) &&
           !knownExtension(extensionOf(path));
}

Picture::Picture() : d_(std::make_shared<Data>()) {}
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;
Picture::Picture(std::shared_ptr<const Data> d) : d_(std::move(d)) {}

Picture Picture::load(const QString& path) {
    return load(path, QSize());
}

Picture Picture::load(const QString& path, const QSize& sizeHint) {
    if (isThemeName(path))
        return fromTheme(path);
    QString ext;
    const QByteArray bytes = readPicture(path, &ext);
    return make(bytes, ext, sizeHint, false);
}

Picture Picture::loadDeferred(const QString& path) {
    if (isThemeName(path))
        return fromTheme(path);
    QString ext;
    const QByteArray bytes = readPicture(path, &ext);
    return make(bytes, ext, QSize(), true);
}

Picture Picture::loadIncrementally(const QString& path,
                                   const std::function<void(const QImage&)>& step) {
    const QString ext = extensionOf(path);
    const Kind kind = kindForExtension(ext);
    const QByteArray bytes = readFile(path);
    if (kind != Kind::Jpeg) {
        Picture picture = fromBytes(bytes, ext);
        step(picture.image());
        return picture;
    }
    auto d = std::make_shared<Data>();
    d->kind = Kind::Jpeg;
    d->bytes = bytes;
    JpegDecoder decoder(bytes);
    d->size = decoder.size();
    d->jpeg = decoder.decodeIncremental(step);
    d->jpegFull = true;
    return Picture(std::move(d));
}

Picture Picture::loadForView(const QString& path,
                             const std::function<QSize(const QSize&)>& shownSize,
                             const std::function<void(const QImage&)>& step) {
    QString ext;
    const QByteArray bytes = readPicture(path, &ext);
    if (kindForExtension(ext) != Kind::Jpeg)
        return make(bytes, ext, QSize(), false);
    auto d = std::make_shared<Data>();
    d->kind = Kind::Jpeg;
    d->bytes = bytes;
    JpegDecoder decoder(bytes);
    d->size = decoder.size();
    const QSize shown = shownSize ? shownSize(d->size) : QSize();
    const int eighths = shown.isEmpty() ? 8 : JpegDecoder::scaleEighthsFor(d->size, shown);
    d->jpeg = step ? decoder.decodeIncremental(step, eighths) : decoder.decode(eighths);
    d->jpegFull = eighths == 8;
    return Picture(std::move(d));
}

Picture Picture::fromBytes(const QByteArray& bytes, const QString& extension,
                           const QSize& sizeHint) {
    return make(bytes, extension, sizeHint, false);
}

Picture Picture::make(const QByteArray& bytes, const QString& extension, const QSize& sizeHint,
                      bool deferJpeg) {
    auto d = std::make_shared<Data>();
    d->kind = kindForExtension(extension);
    switch (d->kind) {
    case Kind::Bitmap:
        d->bitmap = bmpfile::read(bytes);
        d->size = d->bitmap.size();
        break;
    case Kind::Icon:
        d->icons = icofile::read(bytes);
        d->largeIcon = icofile::largeIconIndex(d->icons);
        d->size = d->icons[d->largeIcon].image.size();
        d->bytes = bytes;
        break;
    case Kind::Metafile:
        d->metafile = Metafile::fromBytes(bytes);
        d->size = d->metafile->size();
        break;
    case Kind::Jpeg: {
        d->bytes = bytes;
        JpegDecoder decoder(bytes);
        d->size = decoder.size();
        if (deferJpeg)
            break;
        // Decoded now, so that a broken file fails its load and not its
        // first paint.
        const int eighths =
            sizeHint.isEmpty() ? 8 : JpegDecoder::scaleEighthsFor(d->size, sizeHint);
        d->jpeg = decoder.decode(eighths);
        d->jpegFull = eighths == 8;
        break;
    }
    case Kind::Png:
        d->bitmap = readPng(bytes);
        d->size = d->bitmap.size();
        d->bytes = bytes;
        break;
    case Kind::Svg:
        d->size = svgSize(bytes);
        d->bytes = bytes;
        break;
    case Kind::Theme:
    case Kind::Empty:
        break;
    }
    return Picture(std::move(d));
}

namespace {

bool themeInstalled(const QString& theme) {
    if (theme.isEmpty())
        return false;
    for (const QString& folder : QIcon::themeSearchPaths())
        if (QFileInfo::exists(folder + QLatin1Char('/') + theme + QStringLiteral("/index.theme")))
            return true;
    return false;
}

// Every installed theme falls back to hicolor, but a theme the desktop names
// and lacks (no Adwaita on the disk) falls back only to the fallback theme,
// which may be missing too: then hicolor is made the fallback. Whether it
// helped is returned.
bool reachHicolor() {
    const QString hicolor = QStringLiteral("hicolor");
    if (QIcon::fallbackThemeName() == hicolor || themeInstalled(QIcon::themeName()) ||
        themeInstalled(QIcon::fallbackThemeName()))
        return false;
    QIcon::setFallbackThemeName(hicolor);
    return true;
}

} // namespace

Picture Picture::fromTheme(const QString& name) {
    // Qt looks in the theme, the themes it inherits, hicolor and the
    // fallback folders, as the icon theme rules say.
    QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull() && reachHicolor())
        icon = QIcon::fromTheme(name);
    if (icon.isNull())
        throw AppError(Text::tr("The icon theme has no icon named %1").arg(name));
    auto d = std::make_shared<Data>();
    d->kind = Kind::Theme;
    d->size = themeSize(icon);
    d->themeIcon = std::move(icon);
    return Picture(std::move(d));
}

Picture Picture::fromIcon(const QImage& icon) {
    if (icon.isNull())
        return Picture();
    auto d = std::make_shared<Data>();
    d->kind = Kind::Icon;
    iconimage::Image image;
    image.image = icon.convertToFormat(QImage::Format_ARGB32);
    image.bitCount = icon.depth();
    d->icons.append(image);
    d->largeIcon = 0;
    d->size = icon.size();
    return Picture(std::move(d));
}

Picture Picture::fromImage(const QImage& image) {
    if (image.isNull())
        return Picture();
    auto d = std::make_shared<Data>();
    d->kind = Kind::Bitmap;
    d->bitmap = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                        : image.convertToFormat(QImage::Format_RGB32);
    d->size = image.size();
    return Picture(std::move(d));
}

bool Picture::decodes() const {
    if (d_->kind != Kind::Jpeg || !d_->jpeg.isNull())
        return true;
    try {
        d_->jpegFor(QSize());
        return true;
    } catch (const AppError&) {
        return false;
    }
}

Picture::Kind Picture::kind() const {
    return d_->kind;
}
int Picture::width() const {
    return d_->size.width();
}
int Picture::height() const {
    return d_->size.height();
}

QString Picture::typeName(Kind kind) {
    switch (kind) {
    case Kind::Bitmap:
        return QStringLiteral("Bitmap");
    case Kind::Icon:
        return QStringLiteral("Icon");
    case Kind::Metafile:
        return QStringLiteral("Metafile");
    case Kind::Jpeg:
        return QStringLiteral("JpegImage");
    case Kind::Png:
        return QStringLiteral("PngImage");
    case Kind::Svg:
        return QStringLiteral("SvgImage");
    case Kind::Theme:
        return QStringLiteral("Icon");
    case Kind::Empty:
        break;
    }
    return QStringLiteral("Picture");
}

bool Picture::sharp(const QSize& device) const {
    return d_->kind != Kind::Jpeg || !d_->jpegError.isEmpty() || d_->jpegCovers(device);
}

Picture Picture::sharpened(const QSize& device) const {
    // Only what never changes after loading is read here: the caches belong
    // to the UI thread.
    if (d_->kind != Kind::Jpeg)
        return *this;
    auto d = std::make_shared<Data>();
    d->kind = Kind::Jpeg;
    d->bytes = d_->bytes;
    d->size = d_->size;
    const int eighths = d->eighthsFor(device);
    d->jpeg = JpegDecoder(d->bytes).decode(eighths);
    d->jpegFull = eighths == 8;
    return Picture(std::move(d));
}

void Picture::draw(QPainter& painter, const QRectF& target, bool transparent,
                   bool decodeMore) const {
    const Data& d = *d_;
    if (target.isEmpty())
        return;
    switch (d.kind) {
    case Kind::Empty:
        return;
    case Kind::Bitmap:
        painter.drawImage(target, transparent ? d.keyedBitmap() : d.bitmap);
        return;
    case Kind::Icon: {
        const QSizeF device = painter.transform().mapRect(target).size();
        const qsizetype i = icofile::bestIndexFor(d.icons, device.toSize());
        painter.drawImage(target, d.icons[i].image);
        return;
    }
    case Kind::Metafile:
        d.metafile->play(painter, target);
        return;
    case Kind::Jpeg: {
        const QSize device = painter.transform().mapRect(target).size().toSize();
        const QImage* image = &d.jpeg;
        try {
            if (decodeMore)
                image = &d.jpegFor(device);
        } catch (const AppError&) {
            // Drawing never fails; the picture decoded when it was loaded.
        }
        if (!image->isNull())
            painter.drawImage(target, *image);
        return;
    }
    case Kind::Png:
        painter.drawImage(target, d.bitmap);
        return;
    case Kind::Svg: {
        // Drawn from its shapes each time: sharp at any pixel ratio.
        QSvgRenderer renderer(d.bytes);
        renderer.render(&painter, target);
        return;
    }
    case Kind::Theme: {
        // The theme's own pixmap for the device size, so a scaled screen
        // gets its larger image, not a blown-up small one.
        const QSize device = painter.transform().mapRect(target).size().toSize();
        const QImage image = d.themeIcon.pixmap(device).toImage();
        painter.drawImage(target, image);
        return;
    }
    }
}

QImage Picture::render(const QSize& size, bool transparent) const {
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), transparent);
    painter.end();
    return out;
}

void Picture::save(const QString& path) const {
    const Data& d = *d_;
    QByteArray bytes;
    switch (d.kind) {
    case Kind::Empty:
        return;
    case Kind::Bitmap:
        bytes = bmpfile::write(d.bitmap);
        break;
    case Kind::Icon:
        bytes = !d.bytes.isEmpty() ? d.bytes : iconwriter::write16(d.icons[d.largeIcon].image);
        break;
    case Kind::Metafile:
        bytes = d.metafile->bytes();
        break;
    case Kind::Jpeg:
    case Kind::Png:
    case Kind::Svg:
        bytes = d.bytes;
        break;
    case Kind::Theme: {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image().save(&buffer, "PNG");
        break;
    }
    }
    // Nothing to write is a failure, not an empty file.
    if (bytes.isEmpty())
        throw AppError(Text::tr("Cannot create file %1").arg(path));
    // A failed write leaves the old file as it was.
    if (QFileInfo(path).isDir() || !atomicfile::replace(path, bytes))
        throw AppError(Text::tr("Cannot create file %1").arg(path));
}

Picture Picture::toBitmap() const {
    if (d_->kind == Kind::Bitmap)
        return *this;
    throw AppError(
        Text::tr("Cannot assign a %1 to a %2").arg(typeName(d_->kind), typeName(Kind::Bitmap)));
}

Picture Picture::decodedToBitmap() const {
    if (d_->kind == Kind::Jpeg)
        return fromImage(d_->jpegFor(QSize()));
    return toBitmap();
}

QImage Picture::image() const {
    const Data& d = *d_;
    switch (d.kind) {
    case Kind::Empty:
        return {};
    case Kind::Bitmap:
        return d.bitmap;
    case Kind::Icon:
        return d.icons[d.largeIcon].image;
    case Kind::Metafile:
        return render(d.size);
    case Kind::Jpeg:
        return d.jpegFor(QSize());
    case Kind::Png:
        return d.bitmap;
    case Kind::Svg:
    case Kind::Theme:
        return render(d.size);
    }
    return {};
}

QByteArray Picture::fileBytes() const {
    if (d_->kind == Kind::Metafile)
        return d_->metafile->bytes();
    return d_->bytes;
}
