// What the packaging tests share: folders of their own, made-up program images, a custom preview
// picture laid out by hand, and stand-ins for the builder's document and for the system.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "package/output_file.h"
#include "package/packaging_seams.h"

namespace vl::ptest {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::string> TestFolderNames(const std::string& folder);

// A fresh folder, removed with everything in it at the end of the test.
class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // The names of the files in it, sorted.
    std::vector<std::string> Names() const { return TestFolderNames(Path()); }

  private:
    std::filesystem::path path_;
};

// The names of the files in folder, sorted.
std::vector<std::string> TestFolderNames(const std::string& folder);
// folder, the system's separator, name.
std::string JoinedSystemPath(const std::string& folder, const std::string& name);
// A path below another.
std::string Join(const std::string& folder, const std::string& name);

Bytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);
bool Exists(const std::string& path);

// n bytes that differ from position to position, seeded so that images are told apart.
Bytes Pattern(std::size_t n, unsigned seed);
// Stand-ins of the program images, of their fixed sizes.
Bytes RuntimeImage(unsigned seed = 1);
Bytes StubImage(unsigned seed = 2);
// A saved scene file's bytes: the signature, version 2.2, then whatever follows.
Bytes SceneFileBytes(std::size_t extra = 200);

// A 96 x 112 256-colour BMP file of 11,830 bytes, headers written out field by field; the
// palette and pixels are a pattern.
Bytes CustomBmp();
// The bytes of a BMP after its 14-byte file header.
Bytes WithoutFileHeader(const Bytes& bmp);

Bytes Concat(std::initializer_list<Bytes> parts);
// The lead word 1 as it lies in the file.
inline Bytes LeadWord() {
    return {1, 0, 0, 0};
}
// runtime with its PreviewBitmapSlot replaced by slot.
Bytes WithSlot(Bytes runtime, const Bytes& slot);

// Everything appended and patched, kept in memory.
class MemoryFile : public OutputFile {
  public:
    bool Append(const void* data, std::size_t size) override;
    bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override;
    std::uint64_t Size() const override { return bytes.size(); }

    Bytes bytes;
};

class FakeDocument : public PackagingDocument {
  public:
    bool SaveScene() override {
        ++saves;
        if (saveAs.empty())
            return saveResult;
        path = saveAs;
        saveAs.clear();
        return true;
    }
    std::string ScenePath() const override { return path; }
    bool CheckScene() override {
        ++checks;
        return checkResult;
    }

    std::string path;
    std::string saveAs;  // the name an untitled scene gets from Save As (empty: cancelled)
    bool saveResult = true;
    bool checkResult = true;
    int saves = 0;
    int checks = 0;
};

class FakeSystem : public PackagingSystem {
  public:
    ByteView RuntimeImage() override { return {runtime.data(), runtime.size()}; }
    ByteView StubImage() override { return {stub.data(), stub.size()}; }
    // Reads the file; a failure is told as the builder's shared helper tells it.
    bool ReadWholeFile(const std::string& path, Bytes& bytes) override;
    bool ReadFileQuietly(const std::string& path, Bytes& bytes) override;
    bool FileExists(const std::string& path) override { return Exists(path); }
    bool CustomImageEnabled() override { return customImage; }
    std::string CustomImageFolder() override { return programFolder; }
    std::string SystemFolder() override { return systemFolder; }
    void StartCommand(const std::string& commandLine) override { started.push_back(commandLine); }

    Bytes runtime = ptest::RuntimeImage();
    Bytes stub = ptest::StubImage();
    bool customImage = false;
    std::string programFolder;  // with its final separator
    std::string systemFolder;
    std::vector<std::string> started;
};

}  // namespace vl::ptest
