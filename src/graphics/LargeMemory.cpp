#include "graphics/LargeMemory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#if defined(__linux__)
#include <sys/mman.h>
#endif

// Under AddressSanitizer every block comes from the heap, where it watches
// each read and write past the end.
#if defined(__SANITIZE_ADDRESS__)
#define TABDECK_HEAP_ONLY 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TABDECK_HEAP_ONLY 1
#endif
#endif

namespace largememory {

namespace {

constexpr std::size_t kHuge = std::size_t(2) << 20;
// Before the memory handed out: how to give it back. Keeps what follows
// aligned as the heap's memory is.
struct alignas(16) Header {
    void* base;
    std::size_t mapped; // 0: from the heap
};

} // namespace

void* allocate(std::size_t bytes) {
    if (bytes > std::size_t(-1) / 2 - 2 * kHuge)
        return nullptr;
    void* base = nullptr;
    [[maybe_unused]] std::size_t mapped = 0; // unused where blocks come from the heap
#if defined(__linux__) && !defined(TABDECK_HEAP_ONLY)
    if (bytes >= kHuge) {
        // Room to round the start up to a 2 MB boundary.
        const std::size_t length = (sizeof(Header) + bytes + kHuge - 1) / kHuge * kHuge + kHuge;
        void* m =
            ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m == MAP_FAILED)
            return nullptr;
        const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(m);
        const std::uintptr_t aligned = (start + kHuge - 1) & ~std::uintptr_t(kHuge - 1);
#if defined(MADV_HUGEPAGE)
        ::madvise(reinterpret_cast<void*>(aligned), length - (aligned - start),
                  MADV_HUGEPAGE); // only advice
#endif
        base = m;
        mapped = length;
        auto* header = reinterpret_cast<Header*>(aligned);
        header->base = base;
        header->mapped = mapped;
        return header + 1;
    }
#endif
    base = std::malloc(sizeof(Header) + bytes);
    if (base == nullptr)
        return nullptr;
    auto* header = static_cast<Header*>(base);
    header->base = base;
    header->mapped = 0;
    return header + 1;
}

void release(void* p) {
    if (p == nullptr)
        return;
    const Header* header = static_cast<Header*>(p) - 1;
#if defined(__linux__) && !defined(TABDECK_HEAP_ONLY)
    if (header->mapped != 0) {
        ::munmap(header->base, header->mapped);
        return;
    }
#endif
    std::free(header->base);
}

QImage image(int width, int height) {
    if (width <= 0 || height <= 0)
        return QImage();
    const size_t stride = size_t(width) * 4;
    void* memory = allocate(stride * size_t(height));
    if (memory == nullptr)
        return QImage();
    return QImage(
        static_cast<uchar*>(memory), width, height, qsizetype(stride), QImage::Format_RGB32,
        [](void* p) { release(p); }, memory);
}

QImage copy(const QImage& source) {
    const QImage rgb = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    QImage out = image(rgb.width(), rgb.height());
    if (out.isNull())
        return out;
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(out.scanLine(y), rgb.constScanLine(y), size_t(rgb.width()) * 4);
    return out;
}

} // namespace largememory
