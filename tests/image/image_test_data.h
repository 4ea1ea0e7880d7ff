// Where the test pictures live, and small helpers to read and build them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/image/sec_file_system.h"

inline std::string TestDataPath(const std::string& name) {
    return std::string(VL_IMAGE_TEST_DATA) + "/" + name;
}

inline std::vector<std::uint8_t> ReadTestData(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    SECFileSystem::ReadFileBytes(TestDataPath(name), bytes);
    return bytes;
}

// The same JPEG with its JFIF segment (FF E0, right after the start-of-image marker) replaced by
// a minimal Exif segment, as cameras write it.
inline std::vector<std::uint8_t> WithExifInsteadOfJfif(const std::vector<std::uint8_t>& jfif) {
    const std::size_t app0Length = (jfif[4] << 8) | jfif[5];
    const std::vector<std::uint8_t> exif = {0xFF, 0xE1, 0x00, 0x10,              // APP1, length 16
                                            'E',  'x',  'i',  'f',  0x00, 0x00,  // Exif identifier
                                            'I',  'I',  0x2A, 0x00, 0x08, 0x00,
                                            0x00, 0x00};  // little-endian TIFF header, IFD at 8
    std::vector<std::uint8_t> out(jfif.begin(), jfif.begin() + 2);
    out.insert(out.end(), exif.begin(), exif.end());
    out.insert(out.end(), jfif.begin() + 4 + app0Length, jfif.end());
    return out;
}

// The same JPEG without any segment between the start-of-image marker and the tables.
inline std::vector<std::uint8_t> WithoutJfif(const std::vector<std::uint8_t>& jfif) {
    const std::size_t app0Length = (jfif[4] << 8) | jfif[5];
    std::vector<std::uint8_t> out(jfif.begin(), jfif.begin() + 2);
    out.insert(out.end(), jfif.begin() + 4 + app0Length, jfif.end());
    return out;
}
