#include "tests/package/package_test_support.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "package/package_layout.h"
#include "framework/prompt.h"

namespace vl::ptest {

namespace {

std::atomic<int> g_counter{0};

void PutWord(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutHalf(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace

TestFolder::TestFolder() {
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device random;
    for (;;) {
        const std::filesystem::path candidate =
            base / ("vl-package-" + std::to_string(random()) + "-" + std::to_string(g_counter++));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TestFolderNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string JoinedSystemPath(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

std::string Join(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

bool Exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

Bytes Pattern(std::size_t n, unsigned seed) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * (2 * seed + 5) + (i >> 9) + seed * 41);
    return bytes;
}

Bytes RuntimeImage(unsigned seed) {
    return Pattern(kRuntimeImageSize, seed);
}

Bytes StubImage(unsigned seed) {
    return Pattern(kStubImageSize, seed);
}

Bytes SceneFileBytes(std::size_t extra) {
    Bytes bytes;
    const std::string signature = "Vistaloom Scene";
    bytes.push_back(static_cast<std::uint8_t>(signature.size()));
    bytes.insert(bytes.end(), signature.begin(), signature.end());
    PutWord(bytes, 0x400CCCCD);  // 2.2f
    const Bytes rest = Pattern(extra, 9);
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return bytes;
}

Bytes CustomBmp() {
    Bytes bmp;
    // BITMAPFILEHEADER
    bmp.push_back('B');
    bmp.push_back('M');
    PutWord(bmp, 11830);  // file size
    PutHalf(bmp, 0);
    PutHalf(bmp, 0);
    PutWord(bmp, 1078);  // pixels after 14 + 40 + 1024 bytes
    // BITMAPINFOHEADER
    PutWord(bmp, 40);
    PutWord(bmp, 96);
    PutWord(bmp, 112);
    PutHalf(bmp, 1);      // planes
    PutHalf(bmp, 8);      // bits per pixel
    PutWord(bmp, 0);      // BI_RGB
    PutWord(bmp, 10752);  // 96 * 112
    PutWord(bmp, 2835);
    PutWord(bmp, 2835);
    PutWord(bmp, 256);  // colours used
    PutWord(bmp, 0);
    const Bytes rest = Pattern(1024 + 10752, 77);
    bmp.insert(bmp.end(), rest.begin(), rest.end());
    return bmp;
}

Bytes WithoutFileHeader(const Bytes& bmp) {
    return Bytes(bmp.begin() + 14, bmp.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes WithSlot(Bytes runtime, const Bytes& slot) {
    std::copy(slot.begin(), slot.end(), runtime.begin() + PreviewBitmapSlot::kOffset);
    return runtime;
}

bool MemoryFile::Append(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + size);
    return true;
}

bool MemoryFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    if (offset + size > bytes.size())
        return false;
    const auto* p = static_cast<const std::uint8_t*>(data);
    std::copy(p, p + size, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

bool FakeSystem::ReadWholeFile(const std::string& path, Bytes& bytes) {
    if (ReadFileQuietly(path, bytes))
        return true;
    CurrentPrompt().Message(path + "\nCannot be read data.", MessageIcon::Plain);
    return false;
}

bool FakeSystem::ReadFileQuietly(const std::string& path, Bytes& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace vl::ptest
