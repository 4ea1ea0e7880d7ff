#include "tools/peimage/pe_image.h"

#include <algorithm>

namespace vl::pe {

namespace {

bool Fits(const Bytes& bytes, std::uint64_t offset, std::uint64_t length) {
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

// A crafted tree can point many entries at the same directory; this caps the walk.
constexpr std::size_t kMaxResourceLeaves = 65536;

struct ResourceWalker {
    const Bytes& bytes;
    const PeLayout& layout;
    std::uint32_t rootRva;
    std::string* error;
    ResourceTree tree;

    bool Fail(const std::string& why) {
        *error = why;
        return false;
    }

    void NoteStructure(std::uint32_t endRva) {
        tree.structureEnd = std::max(tree.structureEnd, endRva);
    }

    std::optional<std::uint32_t> Locate(std::uint32_t rva, std::uint32_t length) {
        auto offset = layout.RangeToOffset(rva, length);
        if (!offset || !Fits(bytes, *offset, length)) {
            return std::nullopt;
        }
        return offset;
    }

    bool Walk(std::uint32_t tableRva, int level, ResourceLeaf path) {
        auto table = Locate(tableRva, 16);
        if (!table) {
            return Fail("resource directory table lies outside the file");
        }
        const std::uint32_t count =
            std::uint32_t{ReadU16(bytes, *table + 12)} + ReadU16(bytes, *table + 14);
        const std::uint32_t tableSize = 16 + count * 8;
        if (!Locate(tableRva, tableSize)) {
            return Fail("resource directory entries lie outside the file");
        }
        NoteStructure(tableRva + tableSize);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t entry = *table + 16 + i * 8;
            const std::uint32_t nameField = ReadU32(bytes, entry);
            const std::uint32_t dataField = ReadU32(bytes, entry + 4);
            std::optional<std::uint32_t> id;
            if (nameField & 0x80000000u) {
                const std::uint32_t nameRva = rootRva + (nameField & 0x7FFFFFFFu);
                auto name = Locate(nameRva, 2);
                if (!name || !Locate(nameRva, 2 + 2u * ReadU16(bytes, *name))) {
                    return Fail("resource name lies outside the file");
                }
                NoteStructure(nameRva + 2 + 2u * ReadU16(bytes, *name));
            } else {
                id = nameField;
            }
            const bool isDirectory = (dataField & 0x80000000u) != 0;
            const std::uint32_t target = rootRva + (dataField & 0x7FFFFFFFu);
            ResourceLeaf next = path;
            if (level == 0) {
                next.type = id;
            } else if (level == 1) {
                next.name = id;
            } else {
                next.language = id.value_or(0);
            }
            if (level < 2) {
                if (!isDirectory) {
                    return Fail("resource tree has data above the language level");
                }
                if (!Walk(target, level + 1, next)) {
                    return false;
                }
                continue;
            }
            if (isDirectory) {
                return Fail("resource tree is deeper than type, name and language");
            }
            auto dataEntry = Locate(target, 16);
            if (!dataEntry) {
                return Fail("resource data entry lies outside the file");
            }
            if (tree.leaves.size() >= kMaxResourceLeaves) {
                return Fail("resource tree has too many entries");
            }
            NoteStructure(target + 16);
            next.dataEntryRva = target;
            next.dataRva = ReadU32(bytes, *dataEntry);
            next.dataSize = ReadU32(bytes, *dataEntry + 4);
            tree.leaves.push_back(next);
        }
        return true;
    }
};

}  // namespace

std::uint16_t ReadU16(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t ReadU32(const Bytes& bytes, std::size_t offset) {
    return std::uint32_t{ReadU16(bytes, offset)} | std::uint32_t{ReadU16(bytes, offset + 2)} << 16;
}

void WriteU16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    WriteU16(bytes, offset, static_cast<std::uint16_t>(value));
    WriteU16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

int PeLayout::SectionOfRva(std::uint32_t rva) const {
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const Section& s = sections[i];
        const std::uint32_t span = std::max(s.virtualSize, s.sizeOfRawData);
        if (rva >= s.virtualAddress && rva - s.virtualAddress < span) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<std::uint32_t> PeLayout::RvaToOffset(std::uint32_t rva) const {
    return RangeToOffset(rva, 1);
}

std::optional<std::uint32_t> PeLayout::RangeToOffset(std::uint32_t rva,
                                                     std::uint32_t length) const {
    const int index = SectionOfRva(rva);
    if (index < 0) {
        return std::nullopt;
    }
    const Section& s = sections[static_cast<std::size_t>(index)];
    const std::uint64_t end = std::uint64_t{rva - s.virtualAddress} + length;
    if (end > s.UsedRawSize()) {
        return std::nullopt;
    }
    return s.pointerToRawData + (rva - s.virtualAddress);
}

std::optional<PeLayout> ParseLayout(const Bytes& bytes, std::string* error) {
    auto fail = [error](const char* why) {
        *error = why;
        return std::nullopt;
    };
    if (!Fits(bytes, 0, 64) || bytes[0] != 'M' || bytes[1] != 'Z') {
        return fail("not a program image (no MZ header)");
    }
    const std::uint32_t peOffset = ReadU32(bytes, 0x3C);
    if (!Fits(bytes, peOffset, 24) || ReadU32(bytes, peOffset) != 0x00004550u) {
        return fail("not a PE image (no PE signature)");
    }
    PeLayout layout;
    layout.fileHeaderOffset = peOffset + 4;
    const std::uint32_t sectionCount = ReadU16(bytes, layout.fileHeaderOffset + 2);
    layout.pointerToSymbolTable = ReadU32(bytes, layout.fileHeaderOffset + 8);
    const std::uint32_t optionalSize = ReadU16(bytes, layout.fileHeaderOffset + 16);
    layout.optionalHeaderOffset = layout.fileHeaderOffset + 20;
    const std::uint32_t opt = layout.optionalHeaderOffset;
    if (!Fits(bytes, opt, 2)) {
        return fail("optional header runs past the end of the file");
    }
    const std::uint16_t magic = ReadU16(bytes, opt);
    if (magic != 0x10B && magic != 0x20B) {
        return fail("unknown optional header kind");
    }
    layout.is64 = magic == 0x20B;
    const std::uint32_t directoryBase = layout.is64 ? 112 : 96;
    if (optionalSize < directoryBase || !Fits(bytes, opt, optionalSize)) {
        return fail("optional header is truncated");
    }
    layout.sectionAlignment = ReadU32(bytes, opt + 32);
    layout.fileAlignment = ReadU32(bytes, opt + 36);
    layout.sizeOfImage = ReadU32(bytes, opt + 56);
    layout.sizeOfHeaders = ReadU32(bytes, opt + 60);
    if (layout.fileAlignment == 0 || (layout.fileAlignment & (layout.fileAlignment - 1)) != 0 ||
        layout.sectionAlignment < layout.fileAlignment) {
        return fail("bad section or file alignment");
    }
    const std::uint32_t directoryCount =
        std::min(ReadU32(bytes, opt + directoryBase - 4), (optionalSize - directoryBase) / 8);
    for (std::uint32_t i = 0; i < directoryCount; ++i) {
        const std::uint32_t at = opt + directoryBase + i * 8;
        layout.directories.push_back({ReadU32(bytes, at), ReadU32(bytes, at + 4)});
    }
    const std::uint32_t table = opt + optionalSize;
    if (!Fits(bytes, table, std::uint64_t{sectionCount} * 40)) {
        return fail("section table runs past the end of the file");
    }
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        const std::uint32_t at = table + i * 40;
        Section s;
        const char* name = reinterpret_cast<const char*>(&bytes[at]);
        s.name.assign(name, std::find(name, name + 8, '\0'));
        s.virtualSize = ReadU32(bytes, at + 8);
        s.virtualAddress = ReadU32(bytes, at + 12);
        s.sizeOfRawData = ReadU32(bytes, at + 16);
        s.pointerToRawData = ReadU32(bytes, at + 20);
        s.characteristics = ReadU32(bytes, at + 36);
        s.headerOffset = at;
        if (s.sizeOfRawData != 0 && !Fits(bytes, s.pointerToRawData, s.sizeOfRawData)) {
            *error = "section " + s.name + " runs past the end of the file";
            return std::nullopt;
        }
        layout.sections.push_back(s);
    }
    return layout;
}

std::optional<ResourceTree> ParseResources(const Bytes& bytes, const PeLayout& layout,
                                           std::string* error) {
    const DataDirectory directory = layout.Directory(kResourceDirectory);
    if (directory.virtualAddress == 0) {
        *error = "the image has no resources";
        return std::nullopt;
    }
    ResourceWalker walker{bytes, layout, directory.virtualAddress, error, {}};
    if (!walker.Walk(directory.virtualAddress, 0, {})) {
        return std::nullopt;
    }
    return std::move(walker.tree);
}

std::uint32_t ComputeCheckSum(const Bytes& bytes, std::uint32_t checksumOffset) {
    auto byteAt = [&](std::size_t i) -> std::uint32_t {
        if (i >= bytes.size() || (i >= checksumOffset && i < std::size_t{checksumOffset} + 4)) {
            return 0;
        }
        return bytes[i];
    };
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        sum += byteAt(i) | byteAt(i + 1) << 8;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint32_t>(sum + bytes.size());
}

}  // namespace vl::pe
