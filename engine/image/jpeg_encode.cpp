#include <cstdlib>
#include <cstring>

#include "engine/image/jpeg_codec.h"
#include "engine/image/jpeg_error.h"
#include "engine/image/sec_image.h"

namespace vl {
namespace {

struct EncodeState {
    jpeg_compress_struct info;
    unsigned char* buffer = nullptr;  // owned: malloc'd by libjpeg's memory destination
    unsigned long length = 0;
    std::vector<std::uint8_t> row;  // one row converted to blue, green, red
};

// As in decoding: only libjpeg's C frames lie between the setjmp and a longjmp to it.
bool Encode(EncodeState& state, const SECImage& image, int quality) {
    JpegErrorTrap trap;
    jpeg_compress_struct& info = state.info;
    info.err = InstallJpegErrorTrap(trap);
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &state.buffer, &state.length);
    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const bool direct = image.BitsPerPixel() == 24;
    while (info.next_scanline < info.image_height) {
        const int stored = image.Height() - 1 - static_cast<int>(info.next_scanline);
        JSAMPROW row;
        if (direct) {
            row = const_cast<JSAMPROW>(image.Row(stored));
        } else {
            image.RowAsBgr(stored, state.row.data());
            row = state.row.data();
        }
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

bool EncodeJpeg(const SECImage& image, int quality, std::vector<std::uint8_t>& out) {
    out.clear();
    if (image.IsEmpty())
        return false;
    if (quality < 1)
        quality = 1;
    if (quality > 100)
        quality = 100;
    EncodeState state;
    std::memset(&state.info, 0, sizeof state.info);
    state.row.resize(static_cast<std::size_t>(image.Width()) * 3);
    const bool encoded = Encode(state, image, quality);
    if (encoded)
        out.assign(state.buffer, state.buffer + state.length);
    std::free(state.buffer);
    return encoded;
}

}  // namespace vl
