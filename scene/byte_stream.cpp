#include "scene/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace vl {

namespace {

// Writers hand bytes to a sink in pieces of this size: few calls, and still small enough to stay
// in the processor's cache between scrambling a piece and the system copying it out.
constexpr std::size_t kSinkPiece = 1024 * 1024;
// Readers ask a source for bytes, and restore scrambled blocks, in pieces of this size: small
// enough to stay in the processor's cache between the copy and the restoring.
constexpr std::size_t kSourcePiece = 256 * 1024;
constexpr std::uint64_t kMaxLength = 0xFFFFFFFFu;

// out[i] = in[i] + delta (mod 256); in and out may be the same. Picture and media blocks run to
// hundreds of megabytes and a byte loop is not vectorised at -O2 or -Os, so the bytes are added
// sixteen at a time with the compiler's vector types (SSE2 on x86-64; lowered to word operations
// where the target has no vector unit).
void AddToBytes(const std::uint8_t* in, std::uint8_t* out, std::size_t size, std::uint8_t delta) {
    std::size_t i = 0;
#if defined(__GNUC__)
    typedef std::uint8_t Lanes __attribute__((vector_size(16)));
    Lanes deltas;
    for (int lane = 0; lane < 16; ++lane) {
        deltas[lane] = delta;
    }
    for (; i + 16 <= size; i += 16) {
        Lanes lanes;
        std::memcpy(&lanes, in + i, 16);
        lanes += deltas;
        std::memcpy(out + i, &lanes, 16);
    }
#endif
    for (; i < size; ++i) {
        out[i] = static_cast<std::uint8_t>(in[i] + delta);
    }
}

}  // namespace

void ScrambleInPlace(std::uint8_t* bytes, std::size_t size) {
    AddToBytes(bytes, bytes, size, static_cast<std::uint8_t>(-ScrambleShift(size)));
}

void UnscrambleInPlace(std::uint8_t* bytes, std::size_t size) {
    AddToBytes(bytes, bytes, size, ScrambleShift(size));
}

void RestoreScrambled(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                      std::size_t blockSize) {
    AddToBytes(in, out, count, ScrambleShift(blockSize));
}

// ---- ByteReader ----

ByteReader::ByteReader(SharedBytes buffer, std::size_t begin) : buffer_(std::move(buffer)) {
    size_ = buffer_ ? buffer_->size() : 0;
    filled_ = size_;
    pos_ = begin <= size_ ? begin : size_;
    ok_ = buffer_ != nullptr && begin <= size_;
}

ByteReader::ByteReader(SharedBytes buffer, std::size_t begin, ByteSource& rest)
    : ByteReader(std::move(buffer), begin) {
    filled_ = std::min(rest.Reach(0), size_);
    source_ = &rest;
}

ByteReader ByteReader::Copying(const void* data, std::size_t size) {
    return ByteReader(ByteBuffer::Copy(data, size));
}

bool ByteReader::Arrived(std::size_t end) {
    if (filled_ < end && source_) {
        // Ask a piece ahead, so that small fields do not cost a call each.
        const std::size_t ahead = std::min(size_, std::max(end, filled_ + kSourcePiece));
        filled_ = std::min(source_->Reach(ahead), size_);
    }
    return filled_ >= end;
}

const std::uint8_t* ByteReader::Peek(std::size_t count, std::size_t& available) {
    available = 0;
    if (!ok_) {
        return nullptr;
    }
    // A source that ends early shortens what is available; only reading fails.
    const std::size_t end = pos_ + std::min(count, size_ - pos_);
    Arrived(end);
    available = std::min(end, filled_) - pos_;
    return buffer_->data() + pos_;
}

const std::uint8_t* ByteReader::Take(std::size_t size) {
    if (!ok_ || size > size_ - pos_ || !Arrived(pos_ + size)) {
        ok_ = false;
        return nullptr;
    }
    const std::uint8_t* at = buffer_->data() + pos_;
    pos_ += size;
    return at;
}

std::uint32_t ByteReader::ReadDword() {
    const std::uint8_t* at = Take(4);
    if (!at) {
        return 0;
    }
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

float ByteReader::ReadFloat() {
    std::uint32_t bits = ReadDword();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool ByteReader::ReadBytes(void* out, std::size_t size) {
    if (size == 0) {
        return ok_;
    }
    const std::uint8_t* at = Take(size);
    if (!at) {
        return false;
    }
    std::memcpy(out, at, size);
    return true;
}

std::size_t ByteReader::ReadTextLength() {
    const std::uint8_t* at = Take(1);
    if (!at) {
        return 0;
    }
    if (*at < 0xFF) {
        return *at;
    }
    at = Take(2);
    if (!at) {
        return 0;
    }
    std::uint32_t length =
        static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8);
    if (length < 0xFFFF) {
        return length;
    }
    std::uint32_t wide = ReadDword();
    // On a 32-bit system a length near 4 GB cannot be in memory anyway; Take refuses it.
    return static_cast<std::size_t>(wide);
}

std::string ByteReader::ReadText() {
    std::size_t length = ReadTextLength();
    const std::uint8_t* at = Take(length);
    if (!at) {
        return {};
    }
    return std::string(reinterpret_cast<const char*>(at), length);
}

std::string ByteReader::ReadScrambledText() {
    std::string text = ReadText();
    UnscrambleInPlace(reinterpret_cast<std::uint8_t*>(text.data()), text.size());
    return text;
}

ByteBlock ByteReader::ReadScrambledBlock(std::size_t size) {
    if (!ok_ || size > size_ - pos_) {
        ok_ = false;
        return {};
    }
    if (size == 0) {
        return {};
    }
    std::uint8_t* bytes = buffer_->data() + pos_;
    if (!buffer_->writable()) {
        // Left where it lies until somebody reads it (see ByteBlock).
        if (!Arrived(pos_ + size)) {
            ok_ = false;
            return {};
        }
        pos_ += size;
        return ByteBlock::KeptScrambled(std::shared_ptr<const std::uint8_t>(buffer_, bytes), size);
    }
    const std::uint8_t shift = ScrambleShift(size);
    // Piece by piece, each restored right after it arrived (see ByteSource).
    for (std::size_t done = 0; done < size;) {
        const std::size_t piece = std::min(size - done, kSourcePiece);
        if (!Arrived(pos_ + done + piece)) {
            ok_ = false;
            return {};
        }
        AddToBytes(bytes + done, bytes + done, piece, shift);
        done += piece;
    }
    pos_ += size;
    // The block aliases the buffer and shares its ownership.
    return ByteBlock(std::shared_ptr<const std::uint8_t>(buffer_, bytes), size);
}

// ---- ByteWriter ----

void ByteWriter::FlushIfFull() {
    if (sink_ && bytes_.size() >= kSinkPiece) {
        Flush();
    }
}

bool ByteWriter::Flush() {
    if (sink_ && !bytes_.empty()) {
        if (ok_ && !sink_->Put(bytes_.data(), bytes_.size())) {
            ok_ = false;
        }
        bytes_.clear();
    }
    return ok_;
}

void ByteWriter::WriteDword(std::uint32_t value) {
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    WriteBytes(bytes, 4);
}

void ByteWriter::WriteFloat(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteDword(bits);
}

void ByteWriter::WriteBytes(const void* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    if (sink_ && size >= kSinkPiece) {
        // Large blocks go straight through.
        Flush();
        if (ok_ && !sink_->Put(bytes, size)) {
            ok_ = false;
        }
        return;
    }
    bytes_.insert(bytes_.end(), bytes, bytes + size);
    FlushIfFull();
}

void ByteWriter::WriteTextLength(std::size_t length) {
    if (static_cast<std::uint64_t>(length) > kMaxLength) {
        ok_ = false;
        return;
    }
    if (length < 0xFF) {
        const std::uint8_t byte = static_cast<std::uint8_t>(length);
        WriteBytes(&byte, 1);
    } else if (length < 0xFFFE) {
        const std::uint8_t bytes[3] = {0xFF, static_cast<std::uint8_t>(length),
                                       static_cast<std::uint8_t>(length >> 8)};
        WriteBytes(bytes, 3);
    } else {
        const std::uint8_t bytes[3] = {0xFF, 0xFF, 0xFF};
        WriteBytes(bytes, 3);
        WriteDword(static_cast<std::uint32_t>(length));
    }
}

void ByteWriter::WriteText(std::string_view text) {
    WriteTextLength(text.size());
    if (ok_) {
        WriteBytes(text.data(), text.size());
    }
}

void ByteWriter::WriteScrambledText(std::string_view text) {
    WriteTextLength(text.size());
    if (ok_) {
        WriteScrambledBlock(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
}

void ByteWriter::WriteScrambledBlock(const std::uint8_t* data, std::size_t size) {
    if (static_cast<std::uint64_t>(size) > kMaxLength) {
        ok_ = false;
        return;
    }
    // The source stays untouched: the scrambled copy is made piece by piece in the output.
    const std::uint8_t shift = ScrambleShift(size);
    std::size_t done = 0;
    while (done < size && ok_) {
        std::size_t piece = size - done;
        if (sink_ && piece > kSinkPiece) {
            piece = kSinkPiece;
        }
        std::size_t start = bytes_.size();
        bytes_.resize(start + piece);
        AddToBytes(data + done, bytes_.data() + start, piece, static_cast<std::uint8_t>(-shift));
        done += piece;
        FlushIfFull();
    }
}

void ByteWriter::WriteScrambledBlock(const ByteBlock& block) {
    if (!block.Scrambled()) {
        WriteScrambledBlock(block.data(), block.size());
    } else if (static_cast<std::uint64_t>(block.size()) > kMaxLength) {
        ok_ = false;
    } else {
        WriteBytes(block.data(), block.size());
    }
}

}  // namespace vl
