#pragma once
#include <cstddef>
#include <memory>

// Memory for a decode's large buffers, mapped in 2 MB aligned blocks that
// the kernel may back with huge pages: filling fresh memory a 4 KB page
// fault at a time otherwise costs as much as decoding a good part of what
// goes in it. Each block goes back to the system when released, so a
// picture no longer shown leaves nothing behind. Small requests come from
// the heap.
namespace largememory {

// Null when there is no memory.
void* allocate(std::size_t bytes);
// Takes what allocate gave (or null).
void release(void* p);

struct Free {
    void operator()(void* p) const { release(p); }
};

template <typename T> using Buffer = std::unique_ptr<T[], Free>;

template <typename T> Buffer<T> make(std::size_t count) {
    if (count > std::size_t(-1) / sizeof(T))
        return nullptr;
    return Buffer<T>(static_cast<T*>(allocate(count * sizeof(T))));
}

} // namespace largememory
