#include "platform/ExeResources.h"

#include <algorithm>

namespace {
constexpr std::uint16_t rtIcon = 3;
constexpr std::uint16_t rtGroupIcon = 14;
constexpr std::uint32_t subdirFlag = 0x80000000u;
constexpr std::uint32_t nameFlag = 0x80000000u;
constexpr std::uint16_t neIntFlag = 0x8000;
} // namespace

std::optional<ExeResources> ExeResources::read(ByteView file) {
    if (!file.startsWith("MZ", 2))
        return std::nullopt;
    auto lfanew = file.u32(0x3c);
    if (!lfanew || !file.has(*lfanew, 4))
        return std::nullopt;
    const unsigned char* sig = file.data() + *lfanew;
    if (sig[0] == 'P' && sig[1] == 'E' && sig[2] == 0 && sig[3] == 0)
        return readPe(file, *lfanew);
    if (sig[0] == 'N' && sig[1] == 'E')
        return readNe(file, *lfanew);
    return std::nullopt;
}

std::optional<ExeResources> ExeResources::readPe(ByteView file, std::uint32_t pe) {
    const std::uint64_t coff = std::uint64_t(pe) + 4;
    auto sectionCount = file.u16(coff + 2);
    auto optionalSize = file.u16(coff + 16);
    if (!sectionCount || !optionalSize)
        return std::nullopt;
    const std::uint64_t opt = coff + 20;
    auto magic = file.u16(opt);
    if (!magic)
        return std::nullopt;
    std::uint64_t countOffset = 0;
    if (*magic == 0x10b)
        countOffset = 92;
    else if (*magic == 0x20b)
        countOffset = 108;
    else
        return std::nullopt;
    // The data directories follow their count; the resource table is entry 2.
    auto dirCount = file.u32(opt + countOffset);
    if (!dirCount || *dirCount < 3 || countOffset + 4 + 3 * 8 > *optionalSize)
        return std::nullopt;
    auto resRva = file.u32(opt + countOffset + 4 + 2 * 8);
    if (!resRva || *resRva == 0)
        return std::nullopt;

    ExeResources r;
    r.kind_ = Kind::Pe;
    r.file_ = file;
    const std::uint64_t table = opt + *optionalSize;
    for (std::uint32_t i = 0; i < *sectionCount; ++i) {
        const std::uint64_t s = table + std::uint64_t(i) * 40;
        if (!file.has(s, 40))
            break; // a count beyond the file ends the table
        r.sections_.push_back({*file.u32(s + 12), *file.u32(s + 16), *file.u32(s + 20)});
    }
    // The resource directory reaches to the end of its section's file data.
    for (const Section& s : r.sections_) {
        if (*resRva < s.rva || *resRva - s.rva >= s.rawSize)
            continue;
        const std::uint64_t start = std::uint64_t(s.rawOffset) + (*resRva - s.rva);
        const std::uint64_t end =
            std::min<std::uint64_t>(std::uint64_t(s.rawOffset) + s.rawSize, file.size());
        if (start >= end)
            return std::nullopt;
        r.rsrc_ = *file.sub(start, end - start);
        break;
    }
    if (r.rsrc_.size() == 0)
        return std::nullopt;

    // Root level: types. Take the first directory of each type we need.
    std::optional<std::uint32_t> groupDir = r.peSubdir(0, rtGroupIcon);
    r.iconDir_ = r.peSubdir(0, rtIcon);
    if (groupDir)
        r.groups_ = r.peEntries(*groupDir);
    return r;
}

std::vector<std::uint32_t> ExeResources::peEntries(std::uint32_t dir) const {
    std::vector<std::uint32_t> out;
    auto named = rsrc_.u16(std::uint64_t(dir) + 12);
    auto ids = rsrc_.u16(std::uint64_t(dir) + 14);
    if (!named || !ids)
        return out;
    const std::uint64_t first = std::uint64_t(dir) + 16;
    // Entries that do not fit in the section end the walk.
    const std::uint64_t fit = first <= rsrc_.size() ? (rsrc_.size() - first) / 8 : 0;
    const std::uint64_t total = std::min<std::uint64_t>(std::uint64_t(*named) + *ids, fit);
    out.reserve(total);
    for (std::uint64_t i = 0; i < total; ++i)
        out.push_back(std::uint32_t(first + i * 8));
    return out;
}

std::optional<std::uint32_t> ExeResources::peSubdir(std::uint32_t dir, std::uint16_t id) const {
    for (std::uint32_t e : peEntries(dir)) {
        const std::uint32_t name = *rsrc_.u32(e);
        const std::uint32_t target = *rsrc_.u32(e + 4);
        if ((name & nameFlag) == 0 && (name & 0xffff) == id && name <= 0xffff &&
            (target & subdirFlag))
            return target & ~subdirFlag;
    }
    return std::nullopt;
}

std::optional<ByteView> ExeResources::rvaData(std::uint32_t rva, std::uint32_t size) const {
    for (const Section& s : sections_) {
        if (rva < s.rva || rva - s.rva >= s.rawSize)
            continue;
        const std::uint32_t inSection = rva - s.rva;
        if (size > s.rawSize - inSection)
            return std::nullopt;
        return file_.sub(std::uint64_t(s.rawOffset) + inSection, size);
    }
    return std::nullopt;
}

std::optional<ByteView> ExeResources::peLeaf(std::uint32_t entry) const {
    // A name entry leads to the language level; its first entry holds the data.
    // The depth is fixed, so a directory pointing back at itself cannot loop.
    std::uint32_t target = *rsrc_.u32(std::uint64_t(entry) + 4);
    if (target & subdirFlag) {
        auto langs = peEntries(target & ~subdirFlag);
        if (langs.empty())
            return std::nullopt;
        target = *rsrc_.u32(std::uint64_t(langs.front()) + 4);
        if (target & subdirFlag)
            return std::nullopt;
    }
    auto rva = rsrc_.u32(target);
    auto size = rsrc_.u32(std::uint64_t(target) + 4);
    if (!rva || !size || !rsrc_.has(target, 16))
        return std::nullopt;
    return rvaData(*rva, *size);
}

std::optional<ExeResources> ExeResources::readNe(ByteView file, std::uint32_t ne) {
    // NE header: resource table offset at 0x24 and resident-name table offset
    // at 0x26, both relative to the header; the resource table ends where
    // the resident-name table starts.
    auto rsrcRel = file.u16(std::uint64_t(ne) + 0x24);
    auto resNameRel = file.u16(std::uint64_t(ne) + 0x26);
    if (!rsrcRel || !resNameRel || *rsrcRel == *resNameRel)
        return std::nullopt;
    const std::uint64_t start = std::uint64_t(ne) + *rsrcRel;
    std::uint64_t end = file.size();
    if (*resNameRel > *rsrcRel)
        end = std::min<std::uint64_t>(end, std::uint64_t(ne) + *resNameRel);
    auto shift = file.u16(start);
    if (!shift || *shift > 16)
        return std::nullopt;

    ExeResources r;
    r.kind_ = Kind::Ne;
    r.file_ = file;
    r.neAlignShift_ = *shift;
    // TYPEINFO: type ID, count, 4 reserved bytes, then count NAMEINFO records
    // of 12 bytes (offset, length, flags, ID, handle, usage). Type 0 ends it.
    std::uint64_t p = start + 2;
    while (p + 8 <= end) {
        const std::uint16_t type = *file.u16(p);
        if (type == 0)
            break;
        const std::uint16_t count = *file.u16(p + 2);
        p += 8;
        for (std::uint32_t i = 0; i < count; ++i, p += 12) {
            if (p + 12 > end)
                return r; // a count beyond the table ends the walk
            if (type == (neIntFlag | rtGroupIcon))
                r.groups_.push_back(std::uint32_t(p));
            else if (type == (neIntFlag | rtIcon))
                r.neIcons_.push_back(std::uint32_t(p));
        }
    }
    return r;
}

std::optional<ByteView> ExeResources::neData(std::uint32_t info) const {
    const std::uint64_t offset = std::uint64_t(*file_.u16(info)) << neAlignShift_;
    std::uint64_t length = std::uint64_t(*file_.u16(std::uint64_t(info) + 2)) << neAlignShift_;
    if (offset >= file_.size() || length == 0)
        return std::nullopt;
    // Lengths are rounded up to the alignment, so the last one may pass the end.
    length = std::min(length, file_.size() - offset);
    return file_.sub(offset, length);
}

std::optional<ByteView> ExeResources::group(int n) const {
    if (n < 0 || n >= groupCount())
        return std::nullopt;
    if (kind_ == Kind::Ne)
        return neData(groups_[n]);
    return peLeaf(groups_[n]);
}

std::optional<ByteView> ExeResources::icon(std::uint16_t id) const {
    if (kind_ == Kind::Ne) {
        for (std::uint32_t info : neIcons_)
            if (*file_.u16(std::uint64_t(info) + 6) == (neIntFlag | id))
                return neData(info);
        return std::nullopt;
    }
    if (!iconDir_)
        return std::nullopt;
    for (std::uint32_t e : peEntries(*iconDir_)) {
        const std::uint32_t name = *rsrc_.u32(e);
        if (name == id)
            return peLeaf(e);
    }
    return std::nullopt;
}
