// Small PE images written byte by byte from the PE format, for the post-link tool's tests.
//
// Layout (FileAlignment 0x200, SectionAlignment 0x1000):
//   0x000 MZ header, e_lfanew 0x40; 0x40 "PE\0\0"; 0x44 COFF header; 0x58 optional header
//   0x200 .text  RVA 0x1000, 0x10 bytes of code
//   0x400 .rsrc  RVA 0x2000, the resource tree below (0xD4 bytes)
//   0x600 .reloc RVA 0x3000 (only with withReloc), 0x0C bytes
// Resource section, offsets from its start:
//   0x00 root: type 2 -> 0x20, type 24 -> 0x38
//   0x20 type 2: name 144 -> 0x50          0x38 type 24: name 1 -> 0x68
//   0x50 144: language 0x409 -> entry 0x80  0x68 1: language 0x409 -> entry 0x90
//   0x80 data entry: RVA 0x20A0, 40 bytes   0x90 data entry: RVA 0x20C8, 12 bytes
//   0xA0 bitmap data (40 bytes: 0x01, 0x02, ... 0x28)
//   0xC8 manifest data (12 bytes: 0xE0 ... 0xEB)
// The options move pieces around; see MakeTestImage.
#pragma once

#include <cstdint>
#include <vector>

namespace vl::pe::testing {

struct TestImageOptions {
    bool is64 = false;
    bool withReloc = false;
    bool secondBitmapLanguage = false;  // 144 also in language 0x407, sharing the data
    bool entriesAfterBitmap = false;    // manifest's data entry moved behind the bitmap data
};

inline void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

inline std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

constexpr std::uint32_t kRsrcFile = 0x400;
constexpr std::uint32_t kBitmapFile = kRsrcFile + 0xA0;
constexpr std::uint32_t kManifestFile = kRsrcFile + 0xC8;

inline std::uint8_t BitmapByte(std::size_t i) {
    return static_cast<std::uint8_t>(i + 1);
}
inline std::uint8_t ManifestByte(std::size_t i) {
    return static_cast<std::uint8_t>(0xE0 + i);
}

// Offsets of header fields, per kind, from the format.
inline std::uint32_t OptionalHeader() {
    return 0x58;
}
inline std::uint32_t SectionTable(bool is64) {
    return 0x58 + (is64 ? 0xF0 : 0xE0);
}
inline std::uint32_t DirectoryAt(bool is64, int index) {
    return 0x58 + (is64 ? 112 : 96) + index * 8;
}
inline std::uint32_t RsrcHeader(bool is64) {
    return SectionTable(is64) + 40;
}

// With entriesAfterBitmap the manifest's data (12 bytes) sits at 0x90 and its data entry at 0xC8.
inline std::uint32_t RsrcSize(const TestImageOptions& o) {
    return o.entriesAfterBitmap ? 0xD8 : 0xD4;
}

inline std::vector<std::uint8_t> MakeTestImage(const TestImageOptions& o = {}) {
    const std::uint32_t fileSize = o.withReloc ? 0x800 : 0x600;
    std::vector<std::uint8_t> b(fileSize, 0);
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 0x3C, 0x40);
    b[0x40] = 'P';
    b[0x41] = 'E';
    Put16(b, 0x44, o.is64 ? 0x8664 : 0x014C);  // Machine
    Put16(b, 0x46, o.withReloc ? 3 : 2);       // NumberOfSections
    Put16(b, 0x54, o.is64 ? 0xF0 : 0xE0);      // SizeOfOptionalHeader
    Put16(b, 0x56, 0x0102);                    // Characteristics
    const std::uint32_t opt = OptionalHeader();
    Put16(b, opt, o.is64 ? 0x20B : 0x10B);
    Put32(b, opt + 4, 0x200);                           // SizeOfCode
    Put32(b, opt + 8, o.withReloc ? 0x400 : 0x200);     // SizeOfInitializedData
    Put32(b, opt + 16, 0x1000);                         // AddressOfEntryPoint
    Put32(b, opt + 32, 0x1000);                         // SectionAlignment
    Put32(b, opt + 36, 0x200);                          // FileAlignment
    Put32(b, opt + 56, o.withReloc ? 0x4000 : 0x3000);  // SizeOfImage
    Put32(b, opt + 60, 0x200);                          // SizeOfHeaders
    Put32(b, opt + 64, 0x12345678);                     // CheckSum (stale)
    Put16(b, opt + 68, 2);                              // Subsystem: GUI
    Put32(b, opt + (o.is64 ? 108 : 92), 16);            // NumberOfRvaAndSizes
    Put32(b, DirectoryAt(o.is64, 2), 0x2000);
    Put32(b, DirectoryAt(o.is64, 2) + 4, RsrcSize(o));
    if (o.withReloc) {
        Put32(b, DirectoryAt(o.is64, 5), 0x3000);
        Put32(b, DirectoryAt(o.is64, 5) + 4, 0x0C);
    }
    auto section = [&](int index, const char* name, std::uint32_t vsize, std::uint32_t va,
                       std::uint32_t raw, std::uint32_t ptr, std::uint32_t flags) {
        const std::uint32_t at = SectionTable(o.is64) + index * 40;
        for (int i = 0; name[i]; ++i) {
            b[at + i] = static_cast<std::uint8_t>(name[i]);
        }
        Put32(b, at + 8, vsize);
        Put32(b, at + 12, va);
        Put32(b, at + 16, raw);
        Put32(b, at + 20, ptr);
        Put32(b, at + 36, flags);
    };
    section(0, ".text", 0x10, 0x1000, 0x200, 0x200, 0x60000020);
    section(1, ".rsrc", RsrcSize(o), 0x2000, 0x200, 0x400, 0x40000040);
    if (o.withReloc) {
        section(2, ".reloc", 0x0C, 0x3000, 0x200, 0x600, 0x42000040);
    }
    b[0x200] = 0xC3;  // ret

    const std::uint32_t r = kRsrcFile;
    auto directory = [&](std::uint32_t at, std::uint32_t ids) { Put16(b, r + at + 14, ids); };
    auto entry = [&](std::uint32_t at, std::uint32_t id, std::uint32_t target) {
        Put32(b, r + at, id);
        Put32(b, r + at + 4, target);
    };
    if (o.secondBitmapLanguage) {
        // Bitmap only, in two languages that share one data entry.
        directory(0x00, 1);
        entry(0x10, 2, 0x80000020);
        directory(0x20, 1);
        entry(0x30, 144, 0x80000050);
        directory(0x50, 2);
        entry(0x60, 0x407, 0x80);
        entry(0x68, 0x409, 0x80);
    } else {
        directory(0x00, 2);
        entry(0x10, 2, 0x80000020);
        entry(0x18, 24, 0x80000038);
        directory(0x20, 1);
        entry(0x30, 144, 0x80000050);
        directory(0x38, 1);
        entry(0x48, 1, 0x80000068);
        directory(0x50, 1);
        entry(0x60, 0x409, 0x80);
        directory(0x68, 1);
        entry(0x78, 0x409, o.entriesAfterBitmap ? 0xC8 : 0x90);
    }
    Put32(b, r + 0x80, 0x20A0);
    Put32(b, r + 0x84, 40);
    const std::uint32_t manifestEntry = o.entriesAfterBitmap ? 0xC8 : 0x90;
    const std::uint32_t manifestData = o.entriesAfterBitmap ? 0x90 : 0xC8;
    Put32(b, r + manifestEntry, 0x2000 + manifestData);
    Put32(b, r + manifestEntry + 4, 12);
    for (std::size_t i = 0; i < 40; ++i) {
        b[kBitmapFile + i] = BitmapByte(i);
    }
    for (std::size_t i = 0; i < 12; ++i) {
        b[r + manifestData + i] = ManifestByte(i);
    }
    if (o.withReloc) {
        Put32(b, 0x600, 0x1000);
        Put32(b, 0x604, 0x0C);
    }
    return b;
}

}  // namespace vl::pe::testing
