#pragma once
#include <cstddef>
#include <cstdlib>
#include <memory>

// Memory for a decode's large buffers, in 2 MB aligned blocks that the
// kernel may back with huge pages: filling fresh memory a 4 KB page fault at
// a time otherwise costs as much as decoding a good part of what goes in it.
// Small requests come from the heap. Freed with std::free.
namespace largememory {

void* allocate(std::size_t bytes);

struct Free {
    void operator()(void* p) const { std::free(p); }
};

template <typename T> using Buffer = std::unique_ptr<T[], Free>;

template <typename T> Buffer<T> make(std::size_t count) {
    return Buffer<T>(static_cast<T*>(allocate(count * sizeof(T))));
}

} // namespace largememory
