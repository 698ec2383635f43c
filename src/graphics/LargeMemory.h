#pragma once
#include <QImage>
#include <cstddef>

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

// A Format_RGB32 image in such memory; null when there is no memory.
QImage image(int width, int height);
// A copy of an image in such memory, converted to that format.
QImage copy(const QImage& source);

} // namespace largememory
