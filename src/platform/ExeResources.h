#pragma once
#include "dib/ByteView.h"

#include <cstdint>
#include <optional>
#include <vector>

// The icon resources of a Windows executable or library: the RT_GROUP_ICON
// groups in the order the resource directory stores them (for PE: named
// entries first, then IDs ascending; for NE: as listed), and the RT_ICON
// images the groups name by ID. Works on PE32, PE32+ and NE files; every
// offset, RVA and count is checked against the file before use.
class ExeResources {
public:
    // Nothing when the bytes are not a PE or NE file with resources.
    static std::optional<ExeResources> read(ByteView file);

    int groupCount() const { return int(groups_.size()); }
    // The data of group n (its first language), or none when it cannot be reached.
    std::optional<ByteView> group(int n) const;
    // The RT_ICON image with this ID (its first language), or none.
    std::optional<ByteView> icon(std::uint16_t id) const;

private:
    enum class Kind { Pe, Ne };
    struct Section {
        std::uint32_t rva;
        std::uint32_t rawSize;
        std::uint32_t rawOffset;
    };
    // PE: offset of a level-2 directory entry inside the resource section.
    // NE: offset of a NAMEINFO record in the file.
    std::vector<std::uint32_t> groups_;

    Kind kind_ = Kind::Pe;
    ByteView file_;
    // PE only
    ByteView rsrc_; // from the resource directory to the end of its section
    std::vector<Section> sections_;
    std::optional<std::uint32_t> iconDir_; // level-2 directory of RT_ICON
    // NE only
    std::uint32_t neAlignShift_ = 0;
    std::vector<std::uint32_t> neIcons_; // NAMEINFO offsets of RT_ICON

    static std::optional<ExeResources> readPe(ByteView file, std::uint32_t peOffset);
    static std::optional<ExeResources> readNe(ByteView file, std::uint32_t neOffset);
    std::optional<ByteView> rvaData(std::uint32_t rva, std::uint32_t size) const;
    std::optional<ByteView> peLeaf(std::uint32_t entryOffset) const;
    std::optional<ByteView> neData(std::uint32_t nameInfo) const;
    std::vector<std::uint32_t> peEntries(std::uint32_t dirOffset) const;
    std::optional<std::uint32_t> peSubdir(std::uint32_t dirOffset, std::uint16_t id) const;
};
