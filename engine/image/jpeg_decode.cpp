#include <cstring>

#include "engine/image/core/picture_limits.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/jpeg_error.h"
#include "engine/image/sec_image.h"

namespace vl {
namespace {

void TakeColourMap(const jpeg_decompress_struct& info, SECImage& image) {
    for (int i = 0; i < info.actual_number_of_colors && i < 256; ++i) {
        if (info.out_color_components == 3) {
            image.SetPaletteEntry(i, info.colormap[0][i], info.colormap[1][i], info.colormap[2][i]);
        } else {
            const JSAMPLE grey = info.colormap[0][i];
            image.SetPaletteEntry(i, grey, grey, grey);
        }
    }
}

// The screen saver's small decoder reads only 8-bit Huffman-coded pictures; the others are
// refused everywhere, whatever this build's libjpeg could do, so every program agrees.
bool HeaderAccepted(const jpeg_decompress_struct& info) {
    return info.data_precision == 8 && !info.arith_code &&
           PictureSizeAllowed(info.image_width, info.image_height);
}

// Only C frames (libjpeg's) lie between the setjmp here and any longjmp to it, and nothing
// that needs destroying is created after the setjmp.
bool Decode(jpeg_decompress_struct& info, const std::uint8_t* data, std::size_t size,
            SECImage& image, int quantizeColours, int colourBits) {
    JpegErrorTrap trap;
    info.err = InstallJpegErrorTrap(trap);
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (!HeaderAccepted(info)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.mem->max_memory_to_use = kMaxJpegWorkBytes;
    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    if (quantizeColours > 0) {
        info.quantize_colors = TRUE;
        info.desired_number_of_colors = quantizeColours;
        info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    } else {
        info.out_color_space = colourBits == 32 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    }
    jpeg_start_decompress(&info);
    const int height = static_cast<int>(info.output_height);
    if (!image.Create(static_cast<int>(info.output_width), height,
                      quantizeColours > 0 ? 8 : colourBits)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (quantizeColours > 0)
        TakeColourMap(info, image);
    // The decoder delivers rows top to bottom; the image keeps them bottom-up.
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.Row(height - 1 - static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// The same setjmp rule as Decode.
bool ReadHeader(jpeg_decompress_struct& info, const std::uint8_t* data, std::size_t size) {
    JpegErrorTrap trap;
    info.err = InstallJpegErrorTrap(trap);
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    const bool accepted = HeaderAccepted(info);
    jpeg_destroy_decompress(&info);
    return accepted;
}

bool DecodeChecked(const std::uint8_t* data, std::size_t size, SECImage& image, int quantizeColours,
                   int colourBits) {
    image.Clear();
    if (data == nullptr || size == 0 || size > 0x7FFFFFFF)
        return false;
    if (quantizeColours != 0 && (quantizeColours < 2 || quantizeColours > 256))
        return false;
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    if (Decode(info, data, size, image, quantizeColours, colourBits))
        return true;
    image.Clear();
    return false;
}

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, SECImage& image, int quantizeColours) {
    return DecodeChecked(data, size, image, quantizeColours, 24);
}

bool DecodeJpegForDisplay(const std::uint8_t* data, std::size_t size, SECImage& image) {
    return DecodeChecked(data, size, image, 0, 32);
}

bool JpegHeaderAccepted(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size == 0 || size > 0x7FFFFFFF)
        return false;
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    return ReadHeader(info, data, size);
}

}  // namespace vl
