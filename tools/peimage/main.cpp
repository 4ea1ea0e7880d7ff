// vl-peimage: the post-link step for the programs with a fixed image size.
//   vl-peimage fix --size N [--slot-resource ID --slot-offset OFFSET] INPUT OUTPUT
//   vl-peimage show FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tools/peimage/fixed_size.h"
#include "tools/peimage/pe_image.h"

namespace {

using vl::pe::Bytes;

constexpr const char* kUsage =
    "usage: vl-peimage fix --size N [--slot-resource ID --slot-offset OFFSET] INPUT OUTPUT\n"
    "       vl-peimage show FILE\n";

bool ReadFile(const std::string& path, Bytes* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes beside the target and renames, so a build never sees a half-written image.
bool WriteFile(const std::string& path, const Bytes& bytes) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool ParseNumber(const char* text, std::uint32_t* value) {
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text, &end, 0);
    if (end == text || *end != '\0' || parsed > 0xFFFFFFFFull) {
        return false;
    }
    *value = static_cast<std::uint32_t>(parsed);
    return true;
}

int Fix(int argc, char** argv) {
    vl::pe::FixedSizeRequest request;
    std::uint32_t slotResource = 0;
    std::uint32_t slotOffset = 0;
    bool hasResource = false;
    bool hasOffset = false;
    std::string paths[2];
    int pathCount = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        std::uint32_t* target = arg == "--size"            ? &request.size
                                : arg == "--slot-resource" ? &slotResource
                                : arg == "--slot-offset"   ? &slotOffset
                                                           : nullptr;
        if (target) {
            if (i + 1 >= argc || !ParseNumber(argv[i + 1], target)) {
                std::cerr << "vl-peimage: " << arg << " needs a number\n" << kUsage;
                return 2;
            }
            hasResource |= target == &slotResource;
            hasOffset |= target == &slotOffset;
            ++i;
        } else if (pathCount < 2) {
            paths[pathCount++] = arg;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    if (pathCount != 2 || request.size == 0 || hasResource != hasOffset) {
        std::cerr << kUsage;
        return 2;
    }
    if (hasResource) {
        request.slot = vl::pe::BitmapSlot{slotResource, slotOffset};
    }
    const std::string& input = paths[0];
    const std::string& output = paths[1];
    std::remove(output.c_str());  // a failed step must not leave an old image to be embedded
    Bytes image;
    if (!ReadFile(input, &image)) {
        std::cerr << "vl-peimage: cannot read " << input << "\n";
        return 1;
    }
    const vl::pe::FixedSizeResult result = vl::pe::MakeFixedSize(image, request);
    if (!result.ok()) {
        std::cerr << "vl-peimage: " << output << ": " << result.error << "\n";
        return 1;
    }
    if (!WriteFile(output, result.image)) {
        std::cerr << "vl-peimage: cannot write " << output << "\n";
        return 1;
    }
    std::cout << output << ": " << result.used << " of " << result.limit << " bytes used, "
              << result.limit - result.used << " free\n";
    return 0;
}

int Show(const std::string& path) {
    Bytes image;
    if (!ReadFile(path, &image)) {
        std::cerr << "vl-peimage: cannot read " << path << "\n";
        return 1;
    }
    std::string error;
    auto layout = vl::pe::ParseLayout(image, &error);
    if (!layout) {
        std::cerr << "vl-peimage: " << path << ": " << error << "\n";
        return 1;
    }
    std::cout << path << ": " << (layout->is64 ? "PE32+" : "PE32") << ", " << image.size()
              << " bytes, SizeOfImage " << layout->sizeOfImage << "\n";
    for (const auto& s : layout->sections) {
        std::cout << "  section " << s.name << " rva " << s.virtualAddress << " size "
                  << s.virtualSize << " file " << s.pointerToRawData << "+" << s.sizeOfRawData
                  << "\n";
    }
    auto tree = vl::pe::ParseResources(image, *layout, &error);
    if (!tree) {
        std::cout << "  resources: " << error << "\n";
        return 0;
    }
    for (const auto& leaf : tree->leaves) {
        auto offset = layout->RangeToOffset(leaf.dataRva, leaf.dataSize);
        std::cout << "  resource type " << (leaf.type ? std::to_string(*leaf.type) : "(named)")
                  << " name " << (leaf.name ? std::to_string(*leaf.name) : "(named)") << " lang "
                  << leaf.language << ": " << leaf.dataSize << " bytes at file offset "
                  << (offset ? std::to_string(*offset) : "(none)") << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "fix") {
        return Fix(argc, argv);
    }
    if (command == "show" && argc == 3) {
        return Show(argv[2]);
    }
    std::cerr << kUsage;
    return 2;
}
