// Little-endian archive primitives over memory: DWORDs, length-prefixed texts and scrambled
// texts and blocks, as scene files and clipboard blocks store them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "scene/byte_block.h"
#include "scene/byte_buffer.h"

namespace vl {

// The version every writer produces and the value the reading version returns to.
inline constexpr float kSceneVersion = 2.2f;

// Scrambling shifts every byte down by (n mod 11 + 3) for a text or block of n bytes.
inline std::uint8_t ScrambleShift(std::uint64_t size) {
    return static_cast<std::uint8_t>(size % 11 + 3);
}
void ScrambleInPlace(std::uint8_t* bytes, std::size_t size);
void UnscrambleInPlace(std::uint8_t* bytes, std::size_t size);
// Restores `count` bytes from the start of a scrambled block of `blockSize` bytes into out.
void RestoreScrambled(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                      std::size_t blockSize);

// Fills a ByteReader's buffer while the reader works through it: the rest of a file, read as the
// reader gets to it, so that a large scrambled block is restored while its bytes are still in the
// processor's cache instead of in a second pass over the whole file.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Makes the buffer hold its bytes from the start up to at least `end` (the buffer's size at
    // most) and returns up to where it now holds them without a gap: less than `end` only when
    // the input ended early or failed.
    virtual std::size_t Reach(std::size_t end) = 0;
};

// Reads from one buffer with bounds checks. Any read past the end, or any length larger than what
// remains, puts the reader into the failed state: from then on every read yields zero or empty
// and ok() is false, so callers check once after a record rather than after every field.
// Scrambled blocks are restored in place inside the buffer and handed out without copying;
// a buffer given to a reader is therefore consumed by it.
class ByteReader {
  public:
    explicit ByteReader(SharedBytes buffer, std::size_t begin = 0);
    // The buffer has the whole input's size and `rest` fills it as reading reaches it (rest
    // must outlive the reader). When rest ends early, reading fails there.
    ByteReader(SharedBytes buffer, std::size_t begin, ByteSource& rest);
    // Copies the bytes first; for callers that keep their own buffer (clipboard, fuzzers).
    static ByteReader Copying(const void* data, std::size_t size);

    bool ok() const { return ok_; }
    void Fail() { ok_ = false; }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return ok_ ? size_ - pos_ : 0; }

    // The format version of what is being read; record readers choose their layout by it.
    float Version() const { return version_; }
    void SetVersion(float version) { version_ = version; }

    std::uint32_t ReadDword();
    std::int32_t ReadInt() { return static_cast<std::int32_t>(ReadDword()); }
    float ReadFloat();
    bool ReadBytes(void* out, std::size_t size);
    std::string ReadText();
    std::string ReadScrambledText();
    ByteBlock ReadScrambledBlock(std::size_t size);

    // The next bytes without reading past them: at most `count`, fewer near the end. Sets
    // `available` to how many the returned pointer may be read for.
    const std::uint8_t* Peek(std::size_t count, std::size_t& available);

  private:
    // Length prefix of a text: 1, 3 or 7 bytes.
    std::size_t ReadTextLength();
    const std::uint8_t* Take(std::size_t size);
    // Brings the buffer's bytes up to `end` from the source; false when the source ended first.
    bool Arrived(std::size_t end);

    SharedBytes buffer_;
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    std::size_t filled_ = 0;
    ByteSource* source_ = nullptr;
    float version_ = kSceneVersion;
    bool ok_ = true;
};

// Where a ByteWriter streams its bytes when it does not keep them.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // Returns false when the bytes could not be stored; the writer then fails.
    virtual bool Put(const std::uint8_t* data, std::size_t size) = 0;
};

// Writes the same primitives. Without a sink it keeps everything in Bytes(); with a sink it hands
// the bytes on in pieces, so a large scene never has to sit in memory twice. Lengths that do not
// fit the format's 32 bits and sink failures put the writer into the failed state.
class ByteWriter {
  public:
    ByteWriter() = default;
    explicit ByteWriter(ByteSink& sink) : sink_(&sink) {}
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    bool ok() const { return ok_; }

    void WriteDword(std::uint32_t value);
    void WriteInt(std::int32_t value) { WriteDword(static_cast<std::uint32_t>(value)); }
    void WriteFloat(float value);
    void WriteBytes(const void* data, std::size_t size);
    void WriteText(std::string_view text);
    void WriteScrambledText(std::string_view text);
    void WriteScrambledBlock(const std::uint8_t* data, std::size_t size);
    // A block kept scrambled (see ByteBlock) already holds the bytes to write: they are copied.
    void WriteScrambledBlock(const ByteBlock& block);

    // Hands any buffered bytes to the sink; returns ok().
    bool Flush();
    // The bytes written so far (everything when there is no sink).
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }

  private:
    void WriteTextLength(std::size_t length);
    void FlushIfFull();

    ByteSink* sink_ = nullptr;
    std::vector<std::uint8_t> bytes_;
    bool ok_ = true;
};

}  // namespace vl
