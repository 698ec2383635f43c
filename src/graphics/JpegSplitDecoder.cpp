#include "graphics/JpegSplitDecoder.h"
#include "graphics/LargeMemory.h"

#include <QtEndian>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <system_error>
#include <thread>
#include <type_traits>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__linux__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace jpegsplit {

namespace {

constexpr int kFastBits = 11;
// Zero bytes after the data: more than one block group of 10 blocks can
// read (64 codes of at most 16 + 11 bits each), so no read needs a check.
constexpr size_t kPadding = 4096;
constexpr int kMaxBlocks = 10;
// A value the DC coefficient of 8-bit data cannot exceed.
constexpr int kMaxDc = 2047;
// A guessed stretch's DC values are relative to its start; beyond this its
// parse is garbage (and the sum could otherwise overflow).
constexpr int kMaxRelativeDc = 1 << 24;

constexpr uint8_t kNatural[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                  12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                  35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                  58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

struct Huffman {
    uint16_t fast[1 << kFastBits]{}; // (length << 8) | symbol; 0: a longer code
    int32_t maxcode[17]{};           // the last code of each length; -1: none
    int32_t offset[17]{};            // value index minus code, per length
    uint8_t values[256]{};

    // The checks the library makes of a table: at most 256 codes, no
    // all-ones code, DC categories up to 15.
    bool build(const Table& t, bool dc) {
        if (t.bits == nullptr || t.values == nullptr)
            return false;
        int count = 0;
        for (int l = 1; l <= 16; ++l)
            count += t.bits[l];
        if (count > 256)
            return false;
        std::memcpy(values, t.values, size_t(count));
        int code = 0, k = 0;
        for (int l = 1; l <= 16; ++l) {
            const int n = t.bits[l];
            offset[l] = k - code;
            for (int i = 0; i < n; ++i, ++code, ++k) {
                if (dc && values[k] > 15)
                    return false;
                if (l <= kFastBits) {
                    const int shift = kFastBits - l;
                    for (int f = code << shift; f < (code + 1) << shift; ++f)
                        fast[f] = uint16_t((l << 8) | values[k]);
                }
            }
            if (n > 0 && code >= (1 << l))
                return false;
            maxcode[l] = n > 0 ? code - 1 : -1;
            code <<= 1;
        }
        return true;
    }

    // The symbol at the top of w and its code length; -1 for no code.
    int decode(uint64_t w, int& length) const {
        const unsigned e = fast[w >> (64 - kFastBits)];
        if (e != 0) {
            length = int(e >> 8);
            return int(e & 0xFF);
        }
        for (int l = kFastBits + 1; l <= 16; ++l) {
            const int32_t code = int32_t(w >> (64 - l));
            if (code <= maxcode[l]) {
                length = l;
                return values[offset[l] + code];
            }
        }
        return -1;
    }
};

inline int extend(uint32_t v, int s) {
    return v < (1u << (s - 1)) ? int(v) - (1 << s) + 1 : int(v);
}

// One or two AC codes with their value bits, when they fit in the first
// kFastBits bits: most coefficients of a photo are small and their codes
// short, and two at a lookup halve the chain of lookups that a block's
// decode waits on. A step moves the position past the zeros and the value;
// the end of a block steps past every position, so the loop ends without a
// test of its own. A second step of 0 with a value of 0 adds nothing.
constexpr int kEobStep = 80;
// Positions a step can reach: from the last (63) by the end's step; a
// second step only follows a first that stays inside the block.
constexpr int kPositions = 64 + kEobStep;

struct AcEntry {
    int16_t value = 0, second = 0;
    uint8_t bits = 0; // codes and values; 0: not in the table
    uint8_t step = 0, secondStep = 0;
    uint8_t secondBits = 0; // the second code and value
};

struct AcTable {
    Huffman codes;
    AcEntry fast[1 << kFastBits];
    // (code length << 8) | symbol, when the code fits but its value does
    // not; 0 for a longer code.
    uint16_t slow[1 << kFastBits]{};

    bool build(const Table& t) {
        if (!codes.build(t, false))
            return false;
        for (int f = 0; f < (1 << kFastBits); ++f) {
            const unsigned e = codes.fast[f];
            if (e == 0)
                continue;
            const int len = int(e >> 8), rs = int(e & 0xFF), r = rs >> 4, z = rs & 15;
            if (z == 0) {
                // A run of 16 zeros; any other run without a value ends the
                // block, as the library reads it.
                fast[f] = AcEntry{0, 0, uint8_t(len), uint8_t(r == 15 ? 16 : kEobStep), 0, 0};
                continue;
            }
            if (len + z > kFastBits || z > 10) {
                slow[f] = uint16_t((len << 8) | rs);
                continue;
            }
            const uint32_t v = (uint32_t(f) >> (kFastBits - len - z)) & ((1u << z) - 1);
            fast[f] = AcEntry{int16_t(extend(v, z)), 0, uint8_t(len + z), uint8_t(r + 1), 0, 0};
        }
        // A second code when it fits in the bits left; the table's entries
        // above are each for one code, so they are read before any is paired.
        AcEntry paired[1 << kFastBits];
        for (int f = 0; f < (1 << kFastBits); ++f) {
            paired[f] = fast[f];
            const AcEntry& first = fast[f];
            if (first.bits == 0 || first.step == kEobStep || first.bits >= kFastBits)
                continue;
            const int left = kFastBits - first.bits;
            const AcEntry& next = fast[(f << first.bits) & ((1 << kFastBits) - 1)];
            if (next.bits == 0 || next.bits > left)
                continue;
            paired[f].second = next.value;
            paired[f].secondStep = next.step;
            paired[f].secondBits = next.bits;
            paired[f].bits = uint8_t(first.bits + next.bits);
        }
        std::copy(paired, paired + (1 << kFastBits), fast);
        return true;
    }
};

// 64 bits from bit pos on, most significant first; at least 57 are data.
inline uint64_t peek(const uint8_t* data, uint64_t pos) {
    return qFromBigEndian<quint64>(data + (pos >> 3)) << (pos & 7);
}

// Bits of the coded data in a register; one symbol with its value takes at
// most 27, so there are enough after a refill at 30 used.
struct BitReader {
    const uint8_t* data;
    uint64_t pos;
    uint64_t buf;
    int used = 0;
    BitReader(const uint8_t* d, uint64_t at) : data(d), pos(at), buf(peek(d, at)) {}
    uint64_t top() {
        if (used > 30) {
            pos += uint64_t(used);
            buf = peek(data, pos);
            used = 0;
        }
        return buf << used;
    }
    void skip(int n) { used += n; }
    uint64_t position() const { return pos + uint64_t(used); }
};

// A block comes out as sx x sy samples: the means of the full-size block's
// pixels over that many equal parts. The AC part of each is kept in eighths
// of a level; the DC value alone may still be off by a constant (the second
// thread's), so it is kept apart: sample = dc * dcWeight + ac / 8 + 128.
constexpr float kAcScale = 8.0f;

struct ComponentPlan {
    const Huffman* dc = nullptr;
    const AcTable* ac = nullptr;
    float dcWeight = 0;
    // By zigzag index: what a coefficient of 1 adds to each sample
    // (dequantised, scaled); zero past the block, where the end of a block
    // and a value out of place land.
    alignas(16) float weight[kPositions][16]{};
    int index = 0, h = 1, v = 1;
    int sx = 1, sy = 1; // samples across and down per block
};

// The mean of the 8-point inverse DCT basis u over the part-th of `parts`
// equal runs of pixels (parts 1, 2 or 4), worked out once.
double partMean(int u, int part, int parts) {
    struct Means {
        double of[3][8][4]{}; // by log2(parts), u, part
        Means() {
            for (int l = 0; l < 3; ++l) {
                const int parts = 1 << l, length = 8 / parts;
                for (int u = 0; u < 8; ++u)
                    for (int part = 0; part < parts; ++part) {
                        const double scale = u == 0 ? 1.0 / std::sqrt(2.0) : 1.0;
                        double sum = 0;
                        for (int x = part * length; x < (part + 1) * length; ++x)
                            sum += scale / 2.0 * std::cos((2 * x + 1) * u * M_PI / 16.0);
                        of[l][u][part] = sum / length;
                    }
            }
        }
    };
    static const Means means;
    return means.of[parts == 4 ? 2 : parts - 1][u][part];
}

struct Plan {
    int n = 2;
    int count = 1;
    ComponentPlan comps[3];
    Huffman dcTables[3];
    AcTable acTables[3];
    int owner[kMaxBlocks]{};    // the component of each block of a group
    int acOffset[kMaxBlocks]{}; // where each block's samples start in a group's
    int blockX[kMaxBlocks]{};   // each block's place among its component's
    int blockY[kMaxBlocks]{};
    int lastBlock[3]{}; // a component's last block in a group
    int blocks = 0;     // per group
    int samples = 0;    // per group
    int hMax = 1, vMax = 1;
    size_t groupsPerRow = 0, groupRows = 0, groups = 0;
    const uint8_t* data = nullptr;
    uint64_t dataBits = 0;
};

// The decoded groups of one stretch, with the bit each began at: a slice
// of memory shared by all stretches, or its own once it outgrows that.
// Left uninitialised: each group is written before it is read.
struct Groups {
    uint64_t* starts = nullptr;
    int32_t* dc = nullptr; // per block
    int16_t* ac = nullptr; // per sample
    size_t capacity = 0;
    largememory::Buffer<unsigned char> own;

    static size_t bytesFor(const Plan& p, size_t groups) {
        const size_t bytes = groups * (sizeof(uint64_t) + size_t(p.blocks) * sizeof(int32_t) +
                                       size_t(p.samples) * sizeof(int16_t));
        return (bytes + 63) & ~size_t(63);
    }
    void place(const Plan& p, unsigned char* at, size_t groups) {
        starts = reinterpret_cast<uint64_t*>(at);
        dc = reinterpret_cast<int32_t*>(at + groups * sizeof(uint64_t));
        ac = reinterpret_cast<int16_t*>(at + groups * sizeof(uint64_t) +
                                        groups * size_t(p.blocks) * sizeof(int32_t));
        capacity = groups;
    }
    // Room for `groups`, keeping the first `kept`.
    bool grow(const Plan& p, size_t groups, size_t kept) {
        largememory::Buffer<unsigned char> bigger =
            largememory::make<unsigned char>(bytesFor(p, groups));
        if (!bigger)
            return false;
        Groups old = std::move(*this);
        place(p, bigger.get(), groups);
        if (kept > 0) {
            std::memcpy(starts, old.starts, kept * sizeof(uint64_t));
            std::memcpy(dc, old.dc, kept * size_t(p.blocks) * sizeof(int32_t));
            std::memcpy(ac, old.ac, kept * size_t(p.samples) * sizeof(int16_t));
        }
        own = std::move(bigger);
        return true;
    }
    int32_t* dcOf(const Plan& p, size_t g) const { return dc + g * size_t(p.blocks); }
    int16_t* acOf(const Plan& p, size_t g) const { return ac + g * size_t(p.samples); }
};

// Rounded to the nearest and kept in range, without a branch: the sign of
// a sum is as good as random.
inline int16_t saturate(float v) {
    v = std::min(std::max(v, -32767.0f), 32767.0f);
    return int16_t(int(v + 32768.5f) - 32768);
}

// The same rounding and range as saturate(), four at a time.
template <int Quads> inline void saturate4(const float* sum, int16_t* out) {
#if defined(__SSE2__)
    const __m128 lo = _mm_set1_ps(-32767.0f), hi = _mm_set1_ps(32767.0f);
    const __m128 half = _mm_set1_ps(32768.5f);
    const __m128i bias = _mm_set1_epi32(32768);
    for (int i = 0; i < Quads; ++i) {
        const __m128 v = _mm_min_ps(_mm_max_ps(_mm_loadu_ps(sum + 4 * i), lo), hi);
        const __m128i r = _mm_sub_epi32(_mm_cvttps_epi32(_mm_add_ps(v, half)), bias);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 4 * i), _mm_packs_epi32(r, r));
    }
#else
    for (int q = 0; q < 4 * Quads; ++q)
        out[q] = saturate(sum[q]);
#endif
}

template <int Sx, int Sy>
bool decodeBlock(BitReader& in, const ComponentPlan& c, int& pred, int predLimit, int32_t* dc,
                 int16_t* ac) {
    constexpr bool kAc = Sx * Sy > 1;
    uint64_t w = in.top();
    int len = 0;
    const int s = c.dc->decode(w, len);
    if (s < 0 || s > 11)
        return false;
    if (s != 0)
        pred += extend(uint32_t((w << len) >> (64 - s)), s);
    in.skip(len + s);
    if (pred > predLimit || pred < -predLimit)
        return false;
    *dc = pred;
    // Each value is summed as it comes: the sums keep off the chain of
    // code lookups, and a block's end needs no branch of its own.
    constexpr int kSamples = Sx * Sy;
    float sum[kSamples] = {};
    const auto add = [&](int at, int value) {
        if constexpr (kAc) {
            const float v = float(value);
            const float* wk = c.weight[at];
            for (int q = 0; q < kSamples; ++q)
                sum[q] += v * wk[q];
        }
    };
    int k = 1; // the next position
    while (k < 64) {
        w = in.top();
        int value;
        const AcEntry e = c.ac->fast[w >> (64 - kFastBits)];
        if (e.bits != 0) {
            in.skip(e.bits);
            k += e.step;
            add(k - 1, e.value);
            if (k >= 64) {
                // The block ends here: a second code is what follows it.
                in.skip(-int(e.secondBits));
                break;
            }
            k += e.secondStep;
            value = e.second;
        } else {
            const unsigned slow = c.ac->slow[w >> (64 - kFastBits)];
            int rs = int(slow & 0xFF);
            len = int(slow >> 8);
            if (len == 0 && (rs = c.ac->codes.decode(w, len)) < 0)
                return false;
            const int r = rs >> 4, z = rs & 15;
            if (z > 10)
                return false;
            if (z == 0) { // a long code for a run of 16 zeros or the end
                in.skip(len);
                k += r == 15 ? 16 : kEobStep;
                value = 0;
            } else {
                k += r + 1;
                value = extend(uint32_t((w << len) >> (64 - z)), z);
                in.skip(len + z);
            }
        }
        add(k - 1, value);
    }
    if (k > 64 && k <= 64 + 15)
        return false; // a value past the block's end
    if constexpr (!kAc) {
        (void)sum;
        ac[0] = 0;
    } else if constexpr (kSamples % 4 == 0) {
        saturate4<kSamples / 4>(sum, ac);
    } else {
        for (int q = 0; q < kSamples; ++q)
            ac[q] = saturate(sum[q]);
    }
    return true;
}

template <int N> using Count = std::integral_constant<int, N>;

// Calls f with the samples across and down of a block as constants, for
// loops the compiler can unroll; false for a shape no component has.
template <typename F> bool withShape(int sx, int sy, F&& f) {
    switch (sx * 8 + sy) {
    case 1 * 8 + 1:
        return f(Count<1>(), Count<1>());
    case 2 * 8 + 2:
        return f(Count<2>(), Count<2>());
    case 4 * 8 + 4:
        return f(Count<4>(), Count<4>());
    case 2 * 8 + 1:
        return f(Count<2>(), Count<1>());
    case 1 * 8 + 2:
        return f(Count<1>(), Count<2>());
    case 4 * 8 + 2:
        return f(Count<4>(), Count<2>());
    case 2 * 8 + 4:
        return f(Count<2>(), Count<4>());
    }
    return false;
}

bool decodeAnyBlock(BitReader& in, const ComponentPlan& c, int& pred, int predLimit, int32_t* dc,
                    int16_t* ac) {
    return withShape(c.sx, c.sy, [&](auto sx, auto sy) {
        return decodeBlock<sx.value, sy.value>(in, c, pred, predLimit, dc, ac);
    });
}

// One group (the blocks of all components for one area), from bit pos on.
bool decodeGroup(const Plan& p, uint64_t& pos, int* preds, int predLimit, int32_t* dc,
                 int16_t* ac) {
    BitReader in(p.data, pos);
    bool ok = true;
    for (int b = 0; b < p.blocks && ok; ++b) {
        const ComponentPlan& c = p.comps[p.owner[b]];
        ok = decodeAnyBlock(in, c, preds[p.owner[b]], predLimit, dc + b, ac + p.acOffset[b]);
    }
    pos = in.position();
    return ok;
}

// The data is cut into stretches of equal length, parsed in any order by
// whichever thread is free, so that a thread slowed by the machine takes
// fewer. The first is parsed from bit 0 and is the true parse; each other
// starts at a guessed bit, and once it begins a group at the same bit as
// the parse before it, its groups from there on are the true ones, with
// each component's DC value off by a constant.
constexpr int kStretches = 12;
// Groups parsed past a stretch's end, where the next parse must have fallen
// into step; Huffman codes do within a few blocks.
constexpr size_t kOverlap = 48;

struct Stretch {
    uint64_t from = 0, to = 0;
    Groups groups;
    size_t count = 0; // groups parsed: the last unbroken run
    bool ok = false;
    bool guessed = true; // all but the first
    // Where the parse stands, to go on from.
    uint64_t pos = 0;
    int preds[3]{};
    // Once stitched: groups [first, end) are the picture's from group
    // `base` on, with `offset` added to each component's DC values.
    size_t first = 0, end = 0, base = 0;
    int offset[3]{};
};

// Parses on from where s stands to kOverlap groups past s.to. A break ends
// a true parse (the data is broken) and restarts a guessed one, unless
// `keep`: its groups are already taken as true.
void parse(const Plan& p, Stretch& s, bool keep, const std::atomic<bool>& failed) {
    const int limit = s.guessed ? kMaxRelativeDc : kMaxDc;
    const bool stopOnBreak = keep || !s.guessed;
    size_t n = s.count, past = 0;
    s.ok = false;
    while (n < p.groups && s.pos < p.dataBits && past < kOverlap) {
        if (n == s.groups.capacity &&
            !s.groups.grow(p, std::min(p.groups, 2 * s.groups.capacity + 64), n))
            return;
        if ((n & 63) == 0 && failed.load(std::memory_order_relaxed))
            return;
        const uint64_t start = s.pos;
        const bool good =
            decodeGroup(p, s.pos, s.preds, limit, s.groups.dcOf(p, n), s.groups.acOf(p, n));
        if (good && s.pos > p.dataBits)
            break; // ran past the end: not a real group
        if (!good) {
            if (stopOnBreak)
                return; // the data itself is broken
            // A false parse; go on from where it broke, so the work stays
            // linear in the data however often that happens.
            n = 0;
            past = 0;
            std::fill(s.preds, s.preds + 3, 0);
            s.pos = std::max(s.pos, start + 1);
            continue;
        }
        s.groups.starts[n++] = start;
        if (start >= s.to)
            ++past;
    }
    s.count = n;
    s.ok = true;
}

// A stretch's DC value of component ci before its group i, from its
// parse's own start, and in the picture's terms.
int parsedDcBefore(const Plan& p, const Stretch& s, size_t i, int ci) {
    return i == 0 ? 0 : s.groups.dcOf(p, i - 1)[p.lastBlock[ci]];
}
int dcBefore(const Plan& p, const Stretch& s, size_t i, int ci) {
    return parsedDcBefore(p, s, i, ci) + s.offset[ci];
}

// Parses the true stretch a on, up to `to` or a stretch's length further;
// false when it cannot go on.
bool extend(const Plan& p, Stretch& a, uint64_t to, const std::atomic<bool>& failed) {
    const size_t before = a.count;
    if (a.pos >= p.dataBits || a.count >= p.groups)
        return false;
    a.to = std::min(to, a.pos + p.dataBits / kStretches);
    parse(p, a, true, failed);
    return a.ok && a.count > before;
}

// Links each stretch's groups to the true parse before; false when the
// groups do not add up to the picture. Data of a steady pattern can keep a
// false parse going; the true parse then goes on itself until it meets a
// later stretch's, and a stretch it passed by gives no groups.
bool stitch(const Plan& p, Stretch* st, int count, const std::atomic<bool>& failed) {
    for (int i = 0; i < count; ++i)
        if (!st[i].ok)
            return false;
    int cur = 0;
    for (int next = 1; next < count; ++next) {
        Stretch& a = st[cur];
        Stretch& b = st[next];
        size_t m = a.first, j = 0;
        bool met = false;
        for (;;) {
            while (m < a.count && j < b.count && a.groups.starts[m] != b.groups.starts[j]) {
                if (a.groups.starts[m] < b.groups.starts[j])
                    ++m;
                else
                    ++j;
            }
            met = m < a.count && j < b.count;
            if (met || j >= b.count)
                break;
            if (!extend(p, a, b.groups.starts[b.count - 1] + 1, failed))
                return false;
        }
        if (!met) {
            b.first = b.end = 0;
            b.base = a.base;
            continue;
        }
        a.end = m;
        b.first = j;
        b.base = a.base + (m - a.first);
        if (b.base > p.groups)
            return false;
        for (int ci = 0; ci < p.count; ++ci) {
            const int dc = dcBefore(p, a, m, ci);
            if (dc > kMaxDc || dc < -kMaxDc)
                return false;
            b.offset[ci] = dc - parsedDcBefore(p, b, j, ci);
        }
        cur = next;
    }
    Stretch& last = st[cur];
    while (last.count - last.first < p.groups - last.base)
        if (!extend(p, last, p.dataBits, failed))
            return false;
    last.end = last.first + (p.groups - last.base);
    return true;
}

// Joins a thread on every way out.
struct Worker {
    std::thread thread;
    template <typename F> void start(F& f) {
        try {
            thread = std::thread(f);
        } catch (const std::system_error&) {
            f(); // no thread to be had: the same work here
        }
    }
    void join() {
        if (thread.joinable())
            thread.join();
    }
    ~Worker() { join(); }
};

// Runs f on a second thread and on this one, and waits for both.
template <typename F> void onBothThreads(F& f) {
    Worker worker;
    worker.start(f);
    f();
}

struct ColorTables {
    int crR[256], cbB[256], cbG[256], crG[256];
    ColorTables() {
        for (int i = 0; i < 256; ++i) {
            const double x = i - 128;
            crR[i] = int(std::lround(1.402 * x));
            cbB[i] = int(std::lround(1.772 * x));
            cbG[i] = int(std::lround(-0.344136 * x * 65536));
            crG[i] = int(std::lround(-0.714136 * x * 65536)) + 32768;
        }
    }
};

const ColorTables& colorTables() {
    static const ColorTables tables;
    return tables;
}

inline int clampSample(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

struct Pixels {
    uchar* bits;
    qsizetype stride;
    int width, height;
};

template <int Sx, int Sy>
inline void putSamplesOf(int base, const int16_t* ac, uint8_t* row, size_t stride) {
    for (int y = 0; y < Sy; ++y, row += stride)
        for (int x = 0; x < Sx; ++x)
            row[x] = uint8_t(clampSample((base + ac[y * Sx + x]) >> 3));
}

// A block's samples (AC parts in eighths) into its place in the planes.
inline void putSamples(int sx, int sy, int base, const int16_t* ac, uint8_t* row, size_t stride) {
    withShape(sx, sy, [&](auto x, auto y) {
        putSamplesOf<x.value, y.value>(base, ac, row, stride);
        return true;
    });
}

// One group row of samples per component, at the picture's scaled size.
struct Planes {
    std::vector<uint8_t> rows[3];
    explicit Planes(const Plan& p) {
        for (int ci = 0; ci < p.count; ++ci)
            rows[p.comps[ci].index].resize(p.groupsPerRow * size_t(p.hMax * p.n) *
                                           size_t(p.vMax * p.n));
    }
};

// Group rows [from, to) into the picture: each component's samples for one
// group row, then colour.
bool finish(const Plan& p, const Stretch* st, size_t from, size_t to, const Pixels& out,
            Planes& scratch) {
    const int n = p.n;
    const size_t stride = p.groupsPerRow * size_t(p.hMax * n);
    const int rowsPerGroup = p.vMax * n;
    std::vector<uint8_t>* planes = scratch.rows;
    const ColorTables& ct = colorTables();
    for (size_t gy = from; gy < to; ++gy) {
        for (size_t gx = 0; gx < p.groupsPerRow; ++gx) {
            const size_t g = gy * p.groupsPerRow + gx;
            while (g >= st->base + (st->end - st->first))
                ++st; // stitched: the groups add up to the picture's
            const size_t at = st->first + (g - st->base);
            const int32_t* dcs = st->groups.dcOf(p, at);
            const int16_t* acs = st->groups.acOf(p, at);
            for (int b = 0; b < p.blocks; ++b) {
                const int ci = p.owner[b];
                const ComponentPlan& c = p.comps[ci];
                const int bx = p.blockX[b], by = p.blockY[b];
                const int dc = dcs[b] + st->offset[ci];
                if (dc > kMaxDc || dc < -kMaxDc)
                    return false;
                // In eighths of a level, with the level shift and rounding.
                const int base = saturate(float(dc) * c.dcWeight * kAcScale) + 128 * 8 + 4;
                uint8_t* row = planes[c.index].data() + size_t(by * c.sy) * stride +
                               (gx * size_t(c.h) + size_t(bx)) * size_t(c.sx);
                putSamples(c.sx, c.sy, base, acs + p.acOffset[b], row, stride);
            }
        }
        const int y0 = int(gy) * rowsPerGroup;
        const int y1 = std::min(out.height, y0 + rowsPerGroup);
        for (int y = y0; y < y1; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(out.bits + qsizetype(y) * out.stride);
            const size_t local = size_t(y - y0) * stride;
            const uint8_t* luma = planes[0].data() + local;
            if (p.count == 1) {
                for (int x = 0; x < out.width; ++x)
                    line[x] = qRgb(luma[x], luma[x], luma[x]);
                continue;
            }
            const uint8_t* cbs = planes[1].data() + local;
            const uint8_t* crs = planes[2].data() + local;
            for (int x = 0; x < out.width; ++x) {
                const int yy = luma[x], cb = cbs[x], cr = crs[x];
                line[x] = qRgb(clampSample(yy + ct.crR[cr]),
                               clampSample(yy + ((ct.cbG[cb] + ct.crG[cr]) >> 16)),
                               clampSample(yy + ct.cbB[cb]));
            }
        }
    }
    return true;
}

// The coded bytes without their stuffing, up to the first marker, followed
// by kPadding zero bytes. False on a restart marker, which this file's
// headers did not announce.
bool unstuff(const uint8_t* in, size_t size, largememory::Buffer<uint8_t>& out, size_t& length) {
    out = largememory::make<uint8_t>(size + kPadding);
    if (!out)
        return false;
    size_t i = 0, o = 0;
    while (i < size) {
        const void* ff = std::memchr(in + i, 0xFF, size - i);
        const size_t run = ff ? size_t(static_cast<const uint8_t*>(ff) - (in + i)) : size - i;
        std::memcpy(out.get() + o, in + i, run);
        o += run;
        i += run;
        if (ff == nullptr)
            break;
        size_t k = i + 1;
        while (k < size && in[k] == 0xFF) // fill bytes
            ++k;
        if (k >= size)
            break;
        if (in[k] == 0x00) {
            out[o++] = 0xFF;
            i = k + 1;
            continue;
        }
        if (in[k] >= 0xD0 && in[k] <= 0xD7)
            return false;
        break; // a marker ends the coded data
    }
    std::memset(out.get() + o, 0, kPadding);
    length = o;
    return true;
}

// The coded data without its stuffing into data, for the plan to read.
bool readCoded(const Frame& f, Plan& p, largememory::Buffer<uint8_t>& data) {
    size_t length = 0;
    if (!unstuff(f.data, f.size, data, length))
        return false;
    p.data = data.get();
    p.dataBits = uint64_t(length) * 8;
    return true;
}

bool makePlan(const Frame& f, Plan& p) {
    p.n = f.eighths;
    p.count = f.count;
    for (int ci = 0; ci < f.count; ++ci) {
        // A lone component is one block per group whatever its factors.
        p.hMax = std::max(p.hMax, f.count == 1 ? 1 : f.components[ci].h);
        p.vMax = std::max(p.vMax, f.count == 1 ? 1 : f.components[ci].v);
    }
    for (int ci = 0; ci < f.count; ++ci) {
        const Component& in = f.components[ci];
        ComponentPlan& c = p.comps[ci];
        if (in.quant == nullptr)
            return false;
        // Components that share a table share its lookups, which then stay
        // in the cache.
        c.dc = &p.dcTables[ci];
        c.ac = &p.acTables[ci];
        for (int earlier = 0; earlier < ci; ++earlier) {
            const Component& e = f.components[earlier];
            if (e.dc.bits == in.dc.bits && e.dc.values == in.dc.values)
                c.dc = p.comps[earlier].dc;
            if (e.ac.bits == in.ac.bits && e.ac.values == in.ac.values)
                c.ac = p.comps[earlier].ac;
        }
        if ((c.dc == &p.dcTables[ci] && !p.dcTables[ci].build(in.dc, true)) ||
            (c.ac == &p.acTables[ci] && !p.acTables[ci].build(in.ac)))
            return false;
        c.index = in.index;
        c.h = f.count == 1 ? 1 : in.h;
        c.v = f.count == 1 ? 1 : in.v;
        // A component sampled more coarsely gets more samples per block, so
        // that every component comes out at the picture's scaled size.
        c.sx = p.n * p.hMax / c.h;
        c.sy = p.n * p.vMax / c.v;
        c.dcWeight = float(in.quant[0]) / 8.0f;
        for (int k = 1; k < 64; ++k) {
            const int natural = kNatural[k];
            for (int y = 0; y < c.sy; ++y)
                for (int x = 0; x < c.sx; ++x) {
                    const double my = partMean(natural / 8, y, c.sy);
                    const double mx = partMean(natural % 8, x, c.sx);
                    // A sum of cosines that cancels leaves rounding dust.
                    if (std::abs(my) < 1e-9 || std::abs(mx) < 1e-9)
                        continue;
                    c.weight[k][y * c.sx + x] = float(in.quant[natural] * my * mx * kAcScale);
                }
        }
        for (int i = 0; i < c.h * c.v; ++i) {
            if (p.blocks == kMaxBlocks)
                return false;
            p.lastBlock[ci] = p.blocks;
            p.acOffset[p.blocks] = p.samples;
            p.blockX[p.blocks] = i % c.h;
            p.blockY[p.blocks] = i / c.h;
            p.owner[p.blocks++] = ci;
            p.samples += c.sx * c.sy;
        }
    }
    const size_t gw = size_t(8 * p.hMax), gh = size_t(8 * p.vMax);
    p.groupsPerRow = (size_t(f.width) + gw - 1) / gw;
    p.groupRows = (size_t(f.height) + gh - 1) / gh;
    p.groups = p.groupsPerRow * p.groupRows;
    return true;
}

} // namespace

bool coreIsFree() {
    const unsigned cores = std::thread::hardware_concurrency();
    if (cores < 2)
        return false;
#if defined(__linux__)
    // The kernel's count of threads running or ready to run, this one
    // included; /proc/stat names it near its end.
    const int fd = ::open("/proc/stat", O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return true;
    char text[16384];
    size_t got = 0;
    ssize_t n;
    while (got < sizeof text - 1 && (n = ::read(fd, text + got, sizeof text - 1 - got)) > 0)
        got += size_t(n);
    ::close(fd);
    text[got] = 0;
    const char* at = std::strstr(text, "procs_running ");
    if (at == nullptr)
        return true;
    // One other runnable thread still leaves the split ahead (it is often
    // gone a moment later); more, and the library alone is faster.
    const long running = std::strtol(at + 14, nullptr, 10);
    return running > 0 && running <= long(cores);
#else
    return true;
#endif
}

bool supports(const Frame& f) {
    if ((f.eighths != 1 && f.eighths != 2) || (f.count != 1 && f.count != 3) || f.width <= 0 ||
        f.height <= 0 || f.data == nullptr)
        return false;
    bool seen[3] = {};
    for (int ci = 0; ci < f.count; ++ci) {
        const Component& c = f.components[ci];
        if (c.index < 0 || c.index >= f.count || seen[c.index] || c.h < 1 || c.h > 2 || c.v < 1 ||
            c.v > 2)
            return false;
        seen[c.index] = true;
    }
    return true;
}

bool decode(const Frame& f, QImage& out) {
    if (!supports(f) || out.format() != QImage::Format_RGB32)
        return false;
    auto plan = std::make_unique<Plan>();
    Plan& p = *plan;
    if (!makePlan(f, p))
        return false;
    const int n = p.n;
    if (out.width() != (f.width * n + 7) / 8 || out.height() != (f.height * n + 7) / 8 ||
        p.groupsPerRow * size_t(p.hMax * n) < size_t(out.width()))
        return false;
    const size_t groupBytes =
        size_t(p.blocks) * sizeof(int32_t) + size_t(p.samples) * sizeof(int16_t);
    if (f.memoryCap != 0 && 2 * p.groups * groupBytes + f.size > f.memoryCap)
        return false;

    largememory::Buffer<uint8_t> data;
    if (!readCoded(f, p, data) || p.dataBits < uint64_t(kStretches) * 64)
        return false;

    std::unique_ptr<Stretch[]> stretches(new (std::nothrow) Stretch[kStretches]);
    if (!stretches)
        return false;
    // Each stretch's share of the groups, with some to spare, in one block.
    const size_t share = std::min(p.groups, p.groups / kStretches * 5 / 4 + kOverlap + 64);
    const size_t sliceBytes = Groups::bytesFor(p, share);
    const largememory::Buffer<unsigned char> slices =
        largememory::make<unsigned char>(sliceBytes * kStretches);
    if (!slices)
        return false;
    for (int i = 0; i < kStretches; ++i) {
        stretches[i].from = p.dataBits * uint64_t(i) / kStretches;
        stretches[i].to = p.dataBits * uint64_t(i + 1) / kStretches;
        stretches[i].pos = stretches[i].from;
        stretches[i].guessed = i > 0;
        stretches[i].groups.place(p, slices.get() + sliceBytes * size_t(i), share);
    }
    std::atomic<int> nextStretch{0};
    std::atomic<bool> failed{false};
    auto parsing = [&] {
        for (int i; (i = nextStretch.fetch_add(1)) < kStretches;) {
            parse(p, stretches[i], false, failed);
            if (!stretches[i].ok)
                failed = true;
        }
    };
    onBothThreads(parsing);
    if (failed || !stitch(p, stretches.get(), kStretches, failed))
        return false;

    // The pixels are taken once here: QImage's accessors are not for two
    // threads at a time. Group rows go out in batches to whichever thread
    // asks.
    const Pixels pixels{out.bits(), out.bytesPerLine(), out.width(), out.height()};
    constexpr size_t kRowBatch = 4;
    std::atomic<size_t> nextRow{0};
    auto finishing = [&] {
        try { // nothing may leave a thread
            Planes planes(p);
            for (size_t r; (r = nextRow.fetch_add(kRowBatch)) < p.groupRows;)
                if (!finish(p, stretches.get(), r, std::min(p.groupRows, r + kRowBatch), pixels,
                            planes))
                    failed = true;
        } catch (const std::bad_alloc&) {
            failed = true;
        }
    };
    onBothThreads(finishing);
    return !failed;
}

namespace {

// Stuffed output of coded bits: a zero byte after each 0xFF. `limit` bits
// at most, and so at most twice as many bytes, plus the end.
class BitWriter {
public:
    explicit BitWriter(uint64_t limit) {
        out_.resize(qsizetype(limit / 8 * 2 + 16));
        at_ = reinterpret_cast<uint8_t*>(out_.data());
    }
    void put(uint32_t bits, int count) { // count 1..32
        acc_ = (acc_ << count) | (bits & (0xFFFFFFFFu >> (32 - count)));
        n_ += count;
        while (n_ >= 8) {
            n_ -= 8;
            const uint8_t b = uint8_t(acc_ >> n_);
            *at_++ = b;
            if (b == 0xFF)
                *at_++ = 0;
        }
    }
    // Bits [from, to) of unstuffed data with its padding after it.
    void copy(const uint8_t* data, uint64_t from, uint64_t to) {
        for (; from + 32 <= to; from += 32)
            put(uint32_t(peek(data, from) >> 32), 32);
        if (to > from)
            put(uint32_t(peek(data, from) >> (64 - (to - from))), int(to - from));
    }
    // Pads the last byte with ones, as an encoder does, and ends the stream.
    QByteArray finish() {
        if (n_ > 0)
            put(0xFFu, 8 - n_);
        *at_++ = 0xFF;
        *at_++ = 0xD9;
        out_.truncate(qsizetype(at_ - reinterpret_cast<uint8_t*>(out_.data())));
        return std::move(out_);
    }

private:
    QByteArray out_;
    uint8_t* at_ = nullptr;
    uint64_t acc_ = 0;
    int n_ = 0;
};

// The code of each DC category in a table: (length << 16) | code; 0 when
// the table has none.
bool dcCodes(const Table& t, uint32_t (&codes)[16]) {
    std::fill(codes, codes + 16, 0u);
    uint32_t code = 0;
    int k = 0;
    for (int l = 1; l <= 16; ++l) {
        for (int i = 0; i < t.bits[l]; ++i, ++code, ++k) {
            if (k >= 256)
                return false;
            if (t.values[k] < 16)
                codes[t.values[k]] = (uint32_t(l) << 16) | code;
        }
        code <<= 1;
    }
    return true;
}

// A group's blocks read for their length and DC values only.
bool skimGroup(const Plan& p, uint64_t& pos, int* preds) {
    BitReader in(p.data, pos);
    int32_t dc = 0;
    int16_t ac = 0;
    for (int b = 0; b < p.blocks; ++b)
        if (!decodeBlock<1, 1>(in, p.comps[p.owner[b]], preds[p.owner[b]], kMaxDc, &dc, &ac))
            return false;
    pos = in.position();
    return pos <= p.dataBits;
}

} // namespace

int groupHeight(const Frame& f) {
    int vMax = 1;
    for (int ci = 0; f.count == 3 && ci < f.count; ++ci)
        vMax = std::max(vMax, f.components[ci].v);
    return 8 * vMax;
}

QByteArray streamFrom(const Frame& frame, int row) {
    Frame f = frame;
    f.eighths = 1;
    if (!supports(f) || row < 1)
        return {};
    auto plan = std::make_unique<Plan>();
    Plan& p = *plan;
    if (!makePlan(f, p) || size_t(row) >= p.groupRows)
        return {};
    uint32_t codes[3][16];
    for (int ci = 0; ci < p.count; ++ci)
        if (!dcCodes(f.components[ci].dc, codes[ci]))
            return {};
    largememory::Buffer<uint8_t> data;
    if (!readCoded(f, p, data))
        return {};

    uint64_t pos = 0;
    int preds[3] = {};
    for (size_t g = 0, until = size_t(row) * p.groupsPerRow; g < until; ++g)
        if (!skimGroup(p, pos, preds))
            return {};

    // The first group again, block by block: each component's first DC
    // value is now a difference from 0, as the new stream starts.
    // The first group's DC codes may each grow by 16 + 11 bits.
    BitWriter out(p.dataBits - pos + uint64_t(p.blocks) * 27);
    bool seen[3] = {};
    for (int b = 0; b < p.blocks; ++b) {
        const int ci = p.owner[b];
        const ComponentPlan& c = p.comps[ci];
        const uint64_t start = pos;
        int len = 0;
        const int s = c.dc->decode(peek(p.data, start), len);
        BitReader in(p.data, start);
        int32_t dc = 0;
        int16_t ac = 0;
        if (s < 0 || !decodeBlock<1, 1>(in, c, preds[ci], kMaxDc, &dc, &ac))
            return {};
        pos = in.position();
        if (pos > p.dataBits)
            return {};
        if (seen[ci]) {
            out.copy(p.data, start, pos);
            continue;
        }
        seen[ci] = true;
        const int value = preds[ci];
        const int magnitude = value < 0 ? -value : value;
        int category = 0;
        while (category < 12 && (magnitude >> category) != 0)
            ++category;
        const uint32_t code = codes[ci][category];
        if (code == 0 || category > 11)
            return {}; // the table has no code for it
        out.put(code & 0xFFFF, int(code >> 16));
        if (category > 0)
            out.put(uint32_t(value < 0 ? value + (1 << category) - 1 : value), category);
        out.copy(p.data, start + uint64_t(len + s), pos);
    }
    out.copy(p.data, pos, p.dataBits);
    return out.finish();
}

} // namespace jpegsplit
