#include "cli/embedded_names.h"

#include <cstring>
#include <set>

#include "scene/entries.h"

namespace vl::cli {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool IsDeviceName(const std::string& name) {
    const std::string stem = Lower(name.substr(0, name.find('.')));
    static const char* const kDevices[] = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    for (const char* device : kDevices) {
        if (stem == device) {
            return true;
        }
    }
    return stem.size() == 4 && (stem.compare(0, 3, "com") == 0 || stem.compare(0, 3, "lpt") == 0) &&
           stem[3] >= '0' && stem[3] <= '9';
}

}  // namespace

const ByteBlock* EmbeddedData(const SceneEntry& entry) {
    if (const auto* image = EntryAs<ImageEntry>(&entry)) {
        return !image->IsTextObject() && !image->data.empty() ? &image->data : nullptr;
    }
    if (const auto* media = EntryAs<MultimediaEntry>(&entry)) {
        return media->data.empty() ? nullptr : &media->data;
    }
    return nullptr;
}

const std::string& EmbeddedFileName(const SceneEntry& entry) {
    static const std::string kNone;
    if (const auto* image = EntryAs<ImageEntry>(&entry)) {
        return image->fileName;
    }
    if (const auto* media = EntryAs<MultimediaEntry>(&entry)) {
        return media->fileName;
    }
    return kNone;
}

std::string SafeFileName(const std::string& stored) {
    const std::size_t cut = stored.find_last_of("/\\:");
    std::string name = cut == std::string::npos ? stored : stored.substr(cut + 1);
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || std::strchr("<>\"|?*", c) != nullptr) {
            c = '_';
        }
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        name.pop_back();
    }
    if (IsDeviceName(name)) {
        name.insert(0, 1, '_');
    }
    return name;
}

std::string BaseName(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::vector<std::string> EmbeddedFileNames(const EntryList& entries,
                                           const std::vector<std::string>& reserved) {
    std::vector<std::string> names(entries.Count());
    std::set<std::string> taken;
    for (const std::string& name : reserved) {
        taken.insert(Lower(name));
    }
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        const SceneEntry& entry = entries.At(i);
        if (!EmbeddedData(entry)) {
            continue;
        }
        const std::string number = std::to_string(i);
        std::string name = SafeFileName(EmbeddedFileName(entry));
        if (name.empty()) {
            name = "entry" + number + ".bin";
        }
        const std::string base = name;
        for (int attempt = 0; taken.count(Lower(name)) != 0; ++attempt) {
            name = number + (attempt ? "-" + std::to_string(attempt) : std::string()) + "-" + base;
        }
        taken.insert(Lower(name));
        names[i] = name;
    }
    return names;
}

}  // namespace vl::cli
