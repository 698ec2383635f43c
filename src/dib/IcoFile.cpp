#include "dib/IcoFile.h"
#include "dib/DibDecoder.h"

namespace icofile {
namespace {

constexpr std::uint64_t headerSize = 6;
constexpr std::uint64_t entrySize = 16;

[[noreturn]] void invalid() {
    throw dib::DibError(dib::DibError::Kind::Icon);
}

} // namespace

std::optional<std::vector<std::optional<ByteView>>> directory(ByteView file) {
    if (iconimage::isPng(file))
        return std::vector<std::optional<ByteView>>{file};
    const auto reserved = file.u16(0);
    const auto type = file.u16(2);
    const auto count = file.u16(4);
    if (!reserved || *reserved != 0 || !type || *type != 1 || !count || *count == 0)
        return std::nullopt;
    // The count must fit the data before anything is read by it.
    const std::uint64_t end = headerSize + std::uint64_t(*count) * entrySize;
    if (!file.has(0, end))
        return std::nullopt;
    std::vector<std::optional<ByteView>> images;
    images.reserve(*count);
    for (std::uint64_t i = 0; i < *count; ++i) {
        const std::uint64_t e = headerSize + i * entrySize;
        const std::uint32_t length = *file.u32(e + 8);
        const std::uint32_t offset = *file.u32(e + 12);
        if (length == 0 || offset < end)
            images.push_back(std::nullopt);
        else
            images.push_back(file.sub(offset, length));
    }
    return images;
}

QList<iconimage::Image> read(const QByteArray& bytes) {
    const auto entries = directory(ByteView(
        reinterpret_cast<const unsigned char*>(bytes.constData()), std::uint64_t(bytes.size())));
    if (!entries)
        invalid();
    QList<iconimage::Image> images;
    images.reserve(qsizetype(entries->size()));
    for (const std::optional<ByteView>& entry : *entries) {
        if (!entry)
            invalid();
        images.append(iconimage::decode(*entry));
    }
    return images;
}

qsizetype largeIconIndex(const QList<iconimage::Image>& images) {
    std::vector<iconimage::Shape> shapes;
    shapes.reserve(size_t(images.size()));
    for (const iconimage::Image& i : images)
        shapes.push_back({i.image.width(), i.image.height(), i.bitCount});
    return iconimage::largeIndex(shapes);
}

qsizetype bestIndexFor(const QList<iconimage::Image>& images, const QSize& target) {
    qsizetype best = -1;
    qsizetype largest = -1;
    auto area = [&](qsizetype i) {
        return qint64(images[i].image.width()) * images[i].image.height();
    };
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QSize s = images[i].image.size();
        if (largest < 0 || area(i) > area(largest) ||
            (area(i) == area(largest) && images[i].bitCount > images[largest].bitCount))
            largest = i;
        if (s.width() < target.width() || s.height() < target.height())
            continue;
        if (best < 0 || area(i) < area(best) ||
            (area(i) == area(best) && images[i].bitCount > images[best].bitCount))
            best = i;
    }
    return best >= 0 ? best : largest;
}

} // namespace icofile
