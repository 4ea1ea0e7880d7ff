// Media files built by hand from the RIFF layouts, small enough to write inside a test: an
// uncompressed AVI (24-bit DIB frames, no audio) and an 8-bit mono PCM wave.
#pragma once

#include <cstdint>
#include <vector>

namespace vl::testing {

class RiffWriter {
  public:
    void Tag(const char* fourcc) { bytes.insert(bytes.end(), fourcc, fourcc + 4); }
    void U16(std::uint32_t value) {
        for (int i = 0; i < 2; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    // Writes a size of 0 to be patched by End once the chunk's contents are known.
    std::size_t Begin(const char* fourcc) {
        Tag(fourcc);
        U32(0);
        return bytes.size();
    }
    void End(std::size_t start) {
        const auto size = static_cast<std::uint32_t>(bytes.size() - start);
        for (int i = 0; i < 4; ++i)
            bytes[start - 4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    }

    std::vector<std::uint8_t> bytes;
};

// width x height pixels, `frames` frames of `microsPerFrame` each.
inline std::vector<std::uint8_t> TinyAvi(int width, int height, int frames, int microsPerFrame) {
    const std::uint32_t frameBytes = ((width * 3 + 3) & ~3) * height;
    RiffWriter w;
    const std::size_t riff = w.Begin("RIFF");
    w.Tag("AVI ");
    const std::size_t hdrl = w.Begin("LIST");
    w.Tag("hdrl");
    const std::size_t avih = w.Begin("avih");
    w.U32(microsPerFrame);   // microseconds per frame
    w.U32(frameBytes * 25);  // maximum bytes per second
    w.U32(0);                // padding granularity
    w.U32(0x10);             // AVIF_HASINDEX
    w.U32(frames);           // total frames
    w.U32(0);                // initial frames
    w.U32(1);                // streams
    w.U32(frameBytes);       // suggested buffer size
    w.U32(width);
    w.U32(height);
    for (int i = 0; i < 4; ++i)
        w.U32(0);  // reserved
    w.End(avih);
    const std::size_t strl = w.Begin("LIST");
    w.Tag("strl");
    const std::size_t strh = w.Begin("strh");
    w.Tag("vids");
    w.Tag("DIB ");
    w.U32(0);               // flags
    w.U16(0);               // priority
    w.U16(0);               // language
    w.U32(0);               // initial frames
    w.U32(microsPerFrame);  // scale
    w.U32(1000000);         // rate: rate / scale frames per second
    w.U32(0);               // start
    w.U32(frames);          // length
    w.U32(frameBytes);      // suggested buffer size
    w.U32(0xFFFFFFFF);      // quality: default
    w.U32(0);               // sample size
    w.U16(0);               // frame rectangle
    w.U16(0);
    w.U16(width);
    w.U16(height);
    w.End(strh);
    const std::size_t strf = w.Begin("strf");
    w.U32(40);  // BITMAPINFOHEADER
    w.U32(width);
    w.U32(height);
    w.U16(1);   // planes
    w.U16(24);  // bits per pixel
    w.U32(0);   // BI_RGB
    w.U32(frameBytes);
    for (int i = 0; i < 4; ++i)
        w.U32(0);
    w.End(strf);
    w.End(strl);
    w.End(hdrl);
    const std::size_t movi = w.Begin("LIST");
    w.Tag("movi");
    std::vector<std::uint32_t> offsets;
    for (int frame = 0; frame < frames; ++frame) {
        offsets.push_back(static_cast<std::uint32_t>(w.bytes.size() - movi));
        const std::size_t chunk = w.Begin("00db");
        for (std::uint32_t i = 0; i < frameBytes; ++i)
            w.bytes.push_back(static_cast<std::uint8_t>(i * 7 + frame * 40));
        w.End(chunk);
    }
    w.End(movi);
    const std::size_t idx1 = w.Begin("idx1");
    for (std::uint32_t offset : offsets) {
        w.Tag("00db");
        w.U32(0x10);    // AVIIF_KEYFRAME
        w.U32(offset);  // from the "movi" tag
        w.U32(frameBytes);
    }
    w.End(idx1);
    w.End(riff);
    return w.bytes;
}

// `samples` samples of 8-bit mono PCM at 8000 Hz.
inline std::vector<std::uint8_t> TinyWave(std::uint32_t samples) {
    RiffWriter w;
    const std::size_t riff = w.Begin("RIFF");
    w.Tag("WAVE");
    const std::size_t fmt = w.Begin("fmt ");
    w.U16(1);     // PCM
    w.U16(1);     // mono
    w.U32(8000);  // samples per second
    w.U32(8000);  // bytes per second
    w.U16(1);     // block align
    w.U16(8);     // bits per sample
    w.End(fmt);
    const std::size_t data = w.Begin("data");
    for (std::uint32_t i = 0; i < samples; ++i)
        w.bytes.push_back(static_cast<std::uint8_t>(128 + ((i / 8) % 2 ? 20 : -20)));
    w.End(data);
    w.End(riff);
    return w.bytes;
}

}  // namespace vl::testing
