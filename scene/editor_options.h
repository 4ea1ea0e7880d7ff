// EditorOptions, the editor's options record, and its 240-byte file "vlo.opt" (the caller supplies
// the path).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "scene/log_font.h"

namespace vl {

inline constexpr char kOptionsFileName[] = "vlo.opt";

enum ClipboardOnExit : std::int32_t { kKeepClipboard = 0, kDeleteClipboard = 1, kAskClipboard = 2 };

struct EditorOptions {
    static constexpr std::size_t kFileSize = 240;

    std::int32_t tabSize = 2;       // 0..100
    std::int32_t scrollTime = 10;   // ms, 0..500
    std::int32_t beepOnWait = 100;  // ms; 0 = no beep
    std::int32_t waitSlice = 100;   // ms
    LogFont normalFont = LogFont::Default();
    LogFont commentFont = LogFont::Default();
    LogFont disabledFont = LogFont::Default();
    std::uint32_t normalColour = 0x000000;
    std::uint32_t commentColour = 0x008000;   // RGB(0, 128, 0)
    std::uint32_t disabledColour = 0xC0C0C0;  // RGB(192, 192, 192)
    std::uint32_t dragColour = 0x00FFFF;      // RGB(255, 255, 0)
    std::int32_t dragColourOn = 1;
    std::int32_t softDragging = 1;
    std::int32_t deleteClipboardOnExit = kDeleteClipboard;
    std::int32_t saveBeforePreview = 0;
    std::int32_t previewAutoStart = 0;
    std::int32_t showPreviewToolbar = 1;
    std::int32_t splash = 1;

    // The file's bytes: the four numbers, the three fonts, the four colours, the seven switches.
    std::array<std::uint8_t, kFileSize> ToBytes() const;
    static EditorOptions FromBytes(const std::uint8_t* bytes);

    bool operator==(const EditorOptions& other) const { return ToBytes() == other.ToBytes(); }
    bool operator!=(const EditorOptions& other) const { return !(*this == other); }
};

enum class OptionsLoad {
    kLoaded,    // read from the file
    kMissing,   // no file: defaults, nothing written
    kRestored,  // the file was short or unreadable: defaults, and the file rewritten with them
};

struct OptionsLoadResult {
    EditorOptions options;
    OptionsLoad status = OptionsLoad::kMissing;
    bool rewritten = false;  // kRestored: whether rewriting the file succeeded
};

OptionsLoadResult LoadEditorOptions(const std::string& path);
// The same, reading `readPath` and restoring a short or unreadable file at `rewritePath` (the
// builder reads an earlier version's file from its old place but writes only to the user's own).
OptionsLoadResult LoadEditorOptions(const std::string& readPath, const std::string& rewritePath);
// Creates or truncates the file; false when it cannot be written completely.
bool SaveEditorOptions(const std::string& path, const EditorOptions& options);

}  // namespace vl
