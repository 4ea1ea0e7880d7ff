#include "engine/image/sec_jpeg.h"

#include "engine/image/jpeg_codec.h"

bool SECJpeg::DoLoad(const std::uint8_t* data, std::size_t size) {
    return vl::DecodeJpeg(data, size, *this, quantizeColours_);
}

bool SECJpeg::DoSave(std::vector<std::uint8_t>& out) const {
    return vl::EncodeJpeg(*this, Quality(), out);
}
