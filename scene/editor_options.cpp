#include "scene/editor_options.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace vl {

namespace {

constexpr std::size_t kFontOffset = 16;
constexpr std::size_t kColourOffset = kFontOffset + 3 * LogFont::kByteSize;
constexpr std::size_t kSwitchOffset = kColourOffset + 16;
static_assert(kSwitchOffset + 7 * 4 == EditorOptions::kFileSize, "vlo.opt holds 240 bytes");

void Put(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
    at[2] = static_cast<std::uint8_t>(value >> 16);
    at[3] = static_cast<std::uint8_t>(value >> 24);
}

std::uint32_t Get(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::array<std::uint8_t, EditorOptions::kFileSize> EditorOptions::ToBytes() const {
    std::array<std::uint8_t, kFileSize> bytes{};
    std::uint8_t* at = bytes.data();
    for (std::int32_t value : {tabSize, scrollTime, beepOnWait, waitSlice}) {
        Put(at, static_cast<std::uint32_t>(value));
        at += 4;
    }
    for (const LogFont* font : {&normalFont, &commentFont, &disabledFont}) {
        const auto fontBytes = font->ToBytes();
        std::memcpy(at, fontBytes.data(), fontBytes.size());
        at += fontBytes.size();
    }
    for (std::uint32_t colour : {normalColour, commentColour, disabledColour, dragColour}) {
        Put(at, colour);
        at += 4;
    }
    for (std::int32_t value : {dragColourOn, softDragging, deleteClipboardOnExit, saveBeforePreview,
                               previewAutoStart, showPreviewToolbar, splash}) {
        Put(at, static_cast<std::uint32_t>(value));
        at += 4;
    }
    return bytes;
}

EditorOptions EditorOptions::FromBytes(const std::uint8_t* bytes) {
    EditorOptions options;
    const std::uint8_t* at = bytes;
    for (std::int32_t* value :
         {&options.tabSize, &options.scrollTime, &options.beepOnWait, &options.waitSlice}) {
        *value = static_cast<std::int32_t>(Get(at));
        at += 4;
    }
    for (LogFont* font : {&options.normalFont, &options.commentFont, &options.disabledFont}) {
        *font = LogFont::FromBytes(at);
        at += LogFont::kByteSize;
    }
    for (std::uint32_t* colour : {&options.normalColour, &options.commentColour,
                                  &options.disabledColour, &options.dragColour}) {
        *colour = Get(at);
        at += 4;
    }
    for (std::int32_t* value :
         {&options.dragColourOn, &options.softDragging, &options.deleteClipboardOnExit,
          &options.saveBeforePreview, &options.previewAutoStart, &options.showPreviewToolbar,
          &options.splash}) {
        *value = static_cast<std::int32_t>(Get(at));
        at += 4;
    }
    return options;
}

OptionsLoadResult LoadEditorOptions(const std::string& path) {
    return LoadEditorOptions(path, path);
}

OptionsLoadResult LoadEditorOptions(const std::string& readPath, const std::string& rewritePath) {
    OptionsLoadResult result;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(readPath.c_str(), "rb"));
    if (!file) {
        result.status = OptionsLoad::kMissing;
        return result;
    }
    std::array<std::uint8_t, EditorOptions::kFileSize> bytes{};
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    file.reset();
    if (got == bytes.size()) {
        result.options = EditorOptions::FromBytes(bytes.data());
        result.status = OptionsLoad::kLoaded;
        return result;
    }
    result.status = OptionsLoad::kRestored;
    result.rewritten = SaveEditorOptions(rewritePath, result.options);
    return result;
}

bool SaveEditorOptions(const std::string& path, const EditorOptions& options) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    const auto bytes = options.ToBytes();
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace vl
