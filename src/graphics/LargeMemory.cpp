#include "graphics/LargeMemory.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace largememory {

void* allocate(std::size_t bytes) {
    constexpr std::size_t kHuge = std::size_t(2) << 20;
    if (bytes < kHuge)
        return std::malloc(bytes == 0 ? 1 : bytes);
    if (bytes > std::size_t(-1) - kHuge)
        return nullptr;
    const std::size_t rounded = (bytes + kHuge - 1) & ~(kHuge - 1);
    void* memory = std::aligned_alloc(kHuge, rounded);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (memory != nullptr)
        ::madvise(memory, rounded, MADV_HUGEPAGE); // only advice
#endif
    return memory;
}

} // namespace largememory
