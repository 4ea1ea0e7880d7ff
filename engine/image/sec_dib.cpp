#include "engine/image/sec_dib.h"

#include "engine/image/bmp_format.h"

bool SECDib::DoLoad(const std::uint8_t* data, std::size_t size) {
    return vl::DecodeBmp(data, size, *this);
}

bool SECDib::DoSave(std::vector<std::uint8_t>& out) const {
    out = vl::WriteBmp(*this);
    return !out.empty();
}
