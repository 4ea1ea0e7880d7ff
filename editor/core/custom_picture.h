// The custom installer picture: whatever 256-colour picture the user chooses becomes a BMP file
// of exactly 96 x 112 pixels with 8 bits a pixel, the only form the packaging accepts. A larger
// picture keeps its top-left part; a smaller one sits at the top left on its palette's first
// colour.
#pragma once

#include <cstdint>
#include <vector>

class SECImage;

namespace vl {

inline constexpr int kCustomPictureWidth = 96;
inline constexpr int kCustomPictureHeight = 112;
inline constexpr char kCustomPictureNot256Colours[] = "Image must have 256 colors!";
inline constexpr char kCustomPictureCropped[] = "Image size not valid, image cropped to 96x112";

struct CustomPicture {
    bool accepted = false;           // false: not an 8-bit picture; nothing else is set
    bool resized = false;            // the picture was not 96 x 112 and was cropped or padded
    std::vector<std::uint8_t> file;  // the complete BMP file
};

CustomPicture MakeCustomPicture(const SECImage& picture);

}  // namespace vl
