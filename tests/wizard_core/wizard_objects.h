// Pictures, texts and media as the wizard's object pages define them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene/byte_block.h"
#include "scene/entries.h"

namespace vl::testing {

// A picture whose bytes start like a bitmap file, padded to size bytes.
inline std::unique_ptr<ImageEntry> Picture(const std::string& fileName, std::size_t size = 64) {
    auto image = std::make_unique<ImageEntry>();
    image->fileName = fileName;
    std::vector<std::uint8_t> bytes(size, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    image->data = ByteBlock::Adopt(std::move(bytes));
    return image;
}

inline std::unique_ptr<ImageEntry> TextMessage(const std::string& text) {
    auto image = std::make_unique<ImageEntry>();
    image->isText = 1;
    image->text = text;
    return image;
}

inline std::unique_ptr<MultimediaEntry> Media(const std::string& fileName, std::size_t size = 40,
                                              std::int32_t type = MultimediaEntry::kTypeOther) {
    auto media = std::make_unique<MultimediaEntry>();
    media->fileName = fileName;
    media->mediaType = type;
    media->data = ByteBlock::Adopt(std::vector<std::uint8_t>(size, 0x52));
    return media;
}

}  // namespace vl::testing
