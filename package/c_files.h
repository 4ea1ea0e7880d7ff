// Files and folders through the C runtime, so that the same code runs on Linux and Windows (ANSI
// paths there, as everywhere in the suite).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "package/output_file.h"
#include "scene/byte_stream.h"

namespace vl {

// Owns a FILE*.
class File {
  public:
    File() = default;
    File(const std::string& path, const char* mode) : file_(std::fopen(path.c_str(), mode)) {}
    ~File() { Close(); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept : file_(other.file_) { other.file_ = nullptr; }
    File& operator=(File&& other) noexcept {
        if (this != &other) {
            Close();
            file_ = other.file_;
            other.file_ = nullptr;
        }
        return *this;
    }

    explicit operator bool() const { return file_ != nullptr; }
    std::FILE* get() const { return file_; }
    // Closes and reports whether everything buffered reached the file.
    bool Close();

  private:
    std::FILE* file_ = nullptr;
};

// The whole file in one buffer. False when it cannot be opened or fully read.
bool ReadWholeFile(const std::string& path, SharedBytes& out);

// Opens path for reading in pieces and gives buffer the file's size, uninitialised. False when
// the file cannot be opened or sized, or there is not enough memory for it.
bool BeginReading(const std::string& path, File& file, SharedBytes& buffer);

// Moves an open file's position (files beyond 2 GB included).
bool Seek(std::FILE* file, std::uint64_t offset, int origin);

// Creates or truncates path and writes size bytes.
bool WriteWholeFile(const std::string& path, const void* data, std::size_t size);

// Streams a ByteWriter's pieces onto the end of an output file.
class OutputSink : public ByteSink {
  public:
    explicit OutputSink(OutputFile& file) : file_(file) {}
    bool Put(const std::uint8_t* data, std::size_t size) override {
        return file_.Append(data, size);
    }

  private:
    OutputFile& file_;
};

// Compares a ByteWriter's pieces with a stretch of a file, from offset to its end.
class CompareSink : public ByteSink {
  public:
    CompareSink(const std::string& path, std::uint64_t offset);
    bool Put(const std::uint8_t* data, std::size_t size) override;
    // True when every byte matched and the file had nothing more.
    bool Same();

  private:
    File file_;
    bool same_;
};

// Whether two paths name the same existing file.
bool SameFile(const std::string& a, const std::string& b);
// Creates dir and any missing parents; true when it exists afterwards.
bool MakeDirectories(const std::string& dir);
// dir + separator + name ("name" alone when dir is empty).
std::string JoinPath(const std::string& dir, const std::string& name);
void RemoveFile(const std::string& path);

// Standard output and error without any translation of line ends.
void SetBinaryStdout();
void WriteOut(const std::string& text);
void WriteErr(const std::string& text);

}  // namespace vl
