#include "platform/IconReader.h"

#include "core/RegularFile.h"
#include "dib/ByteView.h"
#include "dib/DibDecoder.h"
#include "dib/IcoFile.h"
#include "dib/IconImage.h"
#include "platform/DesktopEntry.h"
#include "platform/ExeResources.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <memory>
#include <sys/mman.h>

namespace iconreader {
namespace {

using iconimage::largeSide;
// Group directories list at most this many images; a bigger count is
// hostile and only the entries that fit in the data are looked at anyway.
constexpr std::uint32_t groupEntrySize = 14;

// The bytes of a file, mapped when possible. Only regular files up to the
// common cap are read, and the open never blocks, so a FIFO or a device
// cannot hang the caller.
class FileBytes {
public:
    explicit FileBytes(const QString& path) {
        const regularfile::Handle file(path);
        const qint64 size = file.ok() ? qint64(file.info().st_size) : 0;
        if (size <= 0)
            return;
        void* p = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, file.fd(), 0);
        if (p != MAP_FAILED) {
            map_ = p;
            mapped_ = size_t(size);
            view_ = ByteView(static_cast<const unsigned char*>(p), std::uint64_t(size));
            return;
        }
        copy_ = file.head(size);
        view_ = ByteView(reinterpret_cast<const unsigned char*>(copy_.constData()),
                         std::uint64_t(copy_.size()));
    }
    ~FileBytes() {
        if (map_)
            ::munmap(map_, mapped_);
    }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ByteView view() const { return view_; }

private:
    void* map_ = nullptr;
    size_t mapped_ = 0;
    QByteArray copy_;
    ByteView view_;
};

// An .ico file, or a PNG standing in for one.
bool isIco(ByteView v) {
    return icofile::directory(v).has_value();
}

// The readable images of one icon; the large one is decoded. An image that
// is missing or whose header cannot be read is passed over.
class Candidates {
public:
    void add(const std::optional<ByteView>& image) {
        auto shape = image ? iconimage::describe(*image) : std::nullopt;
        if (!shape)
            return;
        shapes_.push_back(*shape);
        images_.push_back(*image);
    }
    std::optional<QImage> decodeLarge() const {
        const int best = iconimage::largeIndex(shapes_);
        if (best < 0)
            return std::nullopt;
        try {
            return iconimage::decode(images_[best]).image;
        } catch (const dib::DibError&) {
            return std::nullopt;
        }
    }

private:
    std::vector<iconimage::Shape> shapes_;
    std::vector<ByteView> images_;
};

// The images of an .ico file, each with its shape as its own header gives it.
std::optional<QImage> icoImage(ByteView v) {
    const auto entries = icofile::directory(v);
    if (!entries)
        return std::nullopt;
    Candidates candidates;
    for (const std::optional<ByteView>& image : *entries)
        candidates.add(image);
    return candidates.decodeLarge();
}

std::optional<QImage> groupImage(const ExeResources& res, int n) {
    auto group = res.group(n);
    if (!group)
        return std::nullopt;
    auto reserved = group->u16(0);
    auto type = group->u16(2);
    auto count = group->u16(4);
    if (!reserved || *reserved != 0 || !type || *type != 1 || !count)
        return std::nullopt;
    // Images whose RT_ICON is missing or unreadable are passed over.
    Candidates candidates;
    for (std::uint32_t i = 0; i < *count; ++i) {
        auto id = group->u16(6 + std::uint64_t(i) * groupEntrySize + 12);
        if (!id)
            break;
        candidates.add(res.icon(*id));
    }
    return candidates.decodeLarge();
}

bool isDesktopEntry(const QString& path) {
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive) &&
           QFileInfo(path).isFile();
}

// A plain drawing of a program window, for when the theme has no icon at all.
QImage drawnExecutableIcon() {
    QImage image(largeSide, largeSide, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(40, 40, 40));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(3, 5, 25, 21);
    p.fillRect(4, 6, 24, 5, QColor(30, 70, 160));
    p.end();
    return image;
}

QImage themeImage(const QString& name) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QImage();
    const QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull())
        return QImage();
    return icon.pixmap(largeSide, largeSide).toImage().convertToFormat(QImage::Format_ARGB32);
}

std::optional<QImage> desktopImage(const QString& path) {
    auto entry = DesktopEntry::load(path);
    if (!entry)
        return std::nullopt;
    QImage image;
    if (!entry->icon.isEmpty()) {
        if (QFileInfo(entry->icon).isAbsolute()) {
            // A PNG goes through the scaling reader: a theme's PNG is often
            // far larger than the large-icon size.
            FileBytes bytes(entry->icon);
            if (!iconimage::isPng(bytes.view()) && isIco(bytes.view())) {
                if (auto ico = icoImage(bytes.view()))
                    image = *ico;
            } else if (regularfile::Result file = regularfile::read(entry->icon); file.ok()) {
                QBuffer buffer(&file.bytes);
                QImageReader reader(&buffer);
                reader.setScaledSize(QSize(largeSide, largeSide));
                image = reader.read();
            }
        } else {
            image = themeImage(entry->icon);
        }
    }
    if (image.isNull())
        image = themeImage(QStringLiteral("application-x-executable"));
    if (image.isNull())
        image = drawnExecutableIcon();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int iconCountInData(const QByteArray& bytes) {
    const ByteView v(reinterpret_cast<const unsigned char*>(bytes.constData()),
                     std::uint64_t(bytes.size()));
    if (auto res = ExeResources::read(v))
        return res->groupCount();
    return isIco(v) ? 1 : 0;
}

std::optional<QImage> iconInData(const QByteArray& bytes, int n) {
    const ByteView v(reinterpret_cast<const unsigned char*>(bytes.constData()),
                     std::uint64_t(bytes.size()));
    if (n < 0)
        return std::nullopt;
    if (auto res = ExeResources::read(v))
        return groupImage(*res, n);
    if (n == 0 && isIco(v))
        return icoImage(v);
    return std::nullopt;
}

namespace {

// The extractor asks for the count and then every icon of one file, so the
// last file read stays mapped and parsed while its size and time stay the same.
struct OpenFile {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    std::unique_ptr<FileBytes> bytes;
    std::optional<ExeResources> resources;
};

const OpenFile& openFile(const QString& path) {
    thread_local OpenFile last;
    const QFileInfo info(path);
    const qint64 size = info.isFile() ? info.size() : -1;
    const QDateTime modified = info.lastModified();
    if (last.bytes && last.path == path && last.size == size && last.modified == modified)
        return last;
    last.resources.reset();
    last.bytes = std::make_unique<FileBytes>(path);
    last.path = path;
    last.size = size;
    last.modified = modified;
    last.resources = ExeResources::read(last.bytes->view());
    return last;
}

} // namespace

int iconCount(const QString& path) {
    if (isDesktopEntry(path))
        return DesktopEntry::load(path) ? 1 : 0;
    const OpenFile& f = openFile(path);
    if (f.resources)
        return f.resources->groupCount();
    return isIco(f.bytes->view()) ? 1 : 0;
}

std::optional<QImage> icon(const QString& path, int n) {
    if (n < 0)
        return std::nullopt;
    if (isDesktopEntry(path))
        return n == 0 ? desktopImage(path) : std::nullopt;
    const OpenFile& f = openFile(path);
    if (f.resources)
        return groupImage(*f.resources, n);
    if (n == 0 && isIco(f.bytes->view()))
        return icoImage(f.bytes->view());
    return std::nullopt;
}

} // namespace iconreader
