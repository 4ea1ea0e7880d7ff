// SECJpeg: an image read from and written to JPEG files with libjpeg.
#pragma once

#include "engine/image/sec_image.h"

class SECJpeg : public SECImage {
  public:
    // 0 (the default): full colour. 2..256: the decoder reduces the picture to that many colours
    // and its colour map becomes the palette of an 8-bit image.
    void SetQuantizeColours(int colours) { quantizeColours_ = colours; }

  protected:
    bool DoLoad(const std::uint8_t* data, std::size_t size) override;
    bool DoSave(std::vector<std::uint8_t>& out) const override;

  private:
    int quantizeColours_ = 0;
};
