// Reading the parts of a PE program image that the fixed-size post-link step rewrites: the
// headers, the section table and the resource tree. Portable: works on the file's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vl::pe {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t ReadU16(const Bytes& bytes, std::size_t offset);
std::uint32_t ReadU32(const Bytes& bytes, std::size_t offset);
void WriteU16(Bytes& bytes, std::size_t offset, std::uint16_t value);
void WriteU32(Bytes& bytes, std::size_t offset, std::uint32_t value);

constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kCertificateDirectory = 4;
constexpr std::uint32_t kRelocationDirectory = 5;
constexpr std::uint32_t kBitmapType = 2;  // RT_BITMAP

struct Section {
    std::string name;
    std::uint32_t virtualSize = 0;
    std::uint32_t virtualAddress = 0;
    std::uint32_t sizeOfRawData = 0;
    std::uint32_t pointerToRawData = 0;
    std::uint32_t characteristics = 0;
    std::uint32_t headerOffset = 0;  // file offset of the 40-byte section header

    // Bytes of the section that the loader maps from the file.
    std::uint32_t UsedRawSize() const {
        return virtualSize != 0 && virtualSize < sizeOfRawData ? virtualSize : sizeOfRawData;
    }
};

struct DataDirectory {
    std::uint32_t virtualAddress = 0;
    std::uint32_t size = 0;
};

// One leaf of the resource tree (type / name / language). Named levels carry no id.
struct ResourceLeaf {
    std::optional<std::uint32_t> type;
    std::optional<std::uint32_t> name;
    std::uint32_t language = 0;
    std::uint32_t dataEntryRva = 0;  // the 16-byte data entry that points at the data
    std::uint32_t dataRva = 0;
    std::uint32_t dataSize = 0;
};

struct ResourceTree {
    std::vector<ResourceLeaf> leaves;
    // RVA just past the last directory table, name string or data entry: everything from here on
    // is resource data.
    std::uint32_t structureEnd = 0;
};

struct PeLayout {
    bool is64 = false;
    std::uint32_t fileHeaderOffset = 0;  // the COFF header, after "PE\0\0"
    std::uint32_t optionalHeaderOffset = 0;
    std::uint32_t fileAlignment = 0;
    std::uint32_t sectionAlignment = 0;
    std::uint32_t sizeOfImage = 0;
    std::uint32_t sizeOfHeaders = 0;
    std::uint32_t pointerToSymbolTable = 0;
    std::vector<Section> sections;
    std::vector<DataDirectory> directories;

    std::uint32_t SizeOfImageOffset() const { return optionalHeaderOffset + 56; }
    std::uint32_t CheckSumOffset() const { return optionalHeaderOffset + 64; }
    std::uint32_t SizeOfInitializedDataOffset() const { return optionalHeaderOffset + 8; }
    std::uint32_t DirectoryOffset(std::uint32_t index) const {
        return optionalHeaderOffset + (is64 ? 112 : 96) + index * 8;
    }
    DataDirectory Directory(std::uint32_t index) const {
        return index < directories.size() ? directories[index] : DataDirectory{};
    }

    // Index of the section whose mapped range holds rva, or -1.
    int SectionOfRva(std::uint32_t rva) const;
    // File offset of rva, or nothing when no section's file data holds it.
    std::optional<std::uint32_t> RvaToOffset(std::uint32_t rva) const;
    // File offset of [rva, rva + length) when one section's file data holds all of it.
    std::optional<std::uint32_t> RangeToOffset(std::uint32_t rva, std::uint32_t length) const;
};

// Parses the headers and section table; nothing on malformed input, with the reason in *error.
std::optional<PeLayout> ParseLayout(const Bytes& bytes, std::string* error);

// Walks the resource tree of a parsed image; nothing on malformed trees, with the reason in *error.
std::optional<ResourceTree> ParseResources(const Bytes& bytes, const PeLayout& layout,
                                           std::string* error);

// The optional header's checksum of the whole file, the field at checksumOffset counted as zero.
std::uint32_t ComputeCheckSum(const Bytes& bytes, std::uint32_t checksumOffset);

}  // namespace vl::pe
