#pragma once
#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <cstdint>

// A reduced decode (1/8 or 1/4 of each side) of a baseline Huffman JPEG on
// two threads. Entropy decoding is what a reduced decode costs, and it is
// sequential; so the coded data is cut into stretches that the threads take
// as each comes free, each parsed from a guessed bit position. Huffman codes
// fall back into step after a few blocks, so once a stretch's parse begins
// a block group at the same bit as the parse of the stretch before, its
// groups from there on are the true ones, with each component's DC value off
// by a constant that the stretch before gives.
//
// Anything this does not handle exactly (a broken table or code, a value out
// of range, data ending early, parses that never fall into step) makes it
// give up, so that the caller decodes with the library and gets the
// library's own warnings and errors.
namespace jpegsplit {

struct Table {
    const uint8_t* bits = nullptr;   // [17]: counts of codes of length 1..16 at [1..16]
    const uint8_t* values = nullptr; // [256]
};

struct Component {
    int index = 0; // 0 Y, 1 Cb, 2 Cr: where its samples go
    int h = 1, v = 1;
    const uint16_t* quant = nullptr; // [64], natural order
    Table dc, ac;
};

struct Frame {
    int width = 0, height = 0;
    int count = 0;                 // 1 (grey) or 3 (YCbCr), in scan order
    Component components[3];       // in scan order
    const uint8_t* data = nullptr; // the entropy-coded segment and what follows
    size_t size = 0;
    int eighths = 2; // 1 or 2
    size_t memoryCap = 0;
};

// Whether the machine is idle enough for a second thread: with every core
// busy, the second thread only waits for a turn.
bool coreIsFree();

// Whether frame is of a kind decode() handles.
bool supports(const Frame& frame);

// Decodes into out, which has the scaled size (rounded up) and
// Format_RGB32. False when it gave up; out may then hold anything.
bool decode(const Frame& frame, QImage& out);

// The rows of a block group row: 8, or 16 for chroma sampled down the
// picture.
int groupHeight(const Frame& frame);

// The coded data of the picture from group row `row` (1 or more) on as a
// stream of its own: the same codes, with the first group's DC values made
// whole since the predictions start again; stuffed and closed by EOI, for
// headers whose height is cut to the rows left. Empty when it cannot be
// made (broken data, a DC value the table has no code for).
QByteArray streamFrom(const Frame& frame, int row);

} // namespace jpegsplit
