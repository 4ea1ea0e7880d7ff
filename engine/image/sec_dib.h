// SECDib: an image read from and written to Windows bitmap files.
#pragma once

#include "engine/image/sec_image.h"

class SECDib : public SECImage {
  protected:
    bool DoLoad(const std::uint8_t* data, std::size_t size) override;
    bool DoSave(std::vector<std::uint8_t>& out) const override;
};
