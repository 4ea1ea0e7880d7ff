// Finding and reading the scene in a file the tool is given: a scene file, a screen saver (the
// runtime image, a lead word, the scene) or an installer (the stub image, then a screen saver).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "package/fixed_images.h"
#include "scene/byte_stream.h"
#include "scene/entry_list.h"

namespace vl::cli {

enum class Container { kSceneFile, kScreenSaver, kInstaller };

struct SceneLocation {
    bool found = false;
    Container container = Container::kSceneFile;
    std::size_t offset = 0;
};

// Where the scene starts: at 0 when the bytes open with the signature and an accepted version
// (or the file is empty), else at the screen saver's or the installer's offset when the bytes
// there do. A screen saver or installer whose scene is empty is recognised by its lead word 1
// at the very end.
SceneLocation LocateScene(const std::uint8_t* data, std::size_t size);
// The same when only the first `available` bytes of a file of `size` bytes are at hand; at least
// up to the installer's scene offset plus a header must be.
SceneLocation LocateScene(const std::uint8_t* data, std::size_t available, std::size_t size);

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitUnreadable = 2;
inline constexpr int kExitUnwritable = 3;
inline constexpr int kExitUsage = 64;

struct LoadedScene {
    int exitCode = kExitOk;  // kExitUnreadable on failure
    std::string error;       // the message for standard error, without a final line break
    SceneLocation location;
    float version = 0.0f;
    std::uint64_t fileSize = 0;
};

// Reads path and the scene in it into entries. Failures: a file that cannot be read gives
// path + "\nCannot be read data."; no scene found gives "Failed to open document."; a broken
// scene "Unexpected file format.".
LoadedScene LoadScene(const std::string& path, EntryList& entries);

// Framework texts the tool shows.
inline constexpr char kFailedToOpen[] = "Failed to open document.";
// "%s" stands for the file's path.
inline constexpr char kErrorWhileWriting[] = "An unexpected error occurred while writing %s.";
std::string CannotBeRead(const std::string& path);
std::string ErrorWhileWriting(const std::string& path);

// "1.0", "1.1", "2.1" or "2.2".
std::string VersionText(float version);

}  // namespace vl::cli
