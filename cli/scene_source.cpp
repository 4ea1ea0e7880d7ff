#include "cli/scene_source.h"

#include <algorithm>

#include "package/c_files.h"
#include "package/package_messages.h"
#include "package/file_source.h"
#include "scene/messages.h"
#include "scene/scene_file.h"

namespace vl::cli {

namespace {

bool SceneAt(const std::uint8_t* data, std::size_t available, std::size_t size,
             std::size_t offset) {
    if (offset > size || offset > available) {
        return false;
    }
    if (offset == size) {
        // An empty scene after a program image: only the lead word 1 tells it apart.
        const std::uint8_t* lead = data + offset - kLeadWordSize;
        return offset > 0 && lead[0] == 1 && lead[1] == 0 && lead[2] == 0 && lead[3] == 0;
    }
    return CheckSceneHeader(data + offset, available - offset).ok();
}

}  // namespace

SceneLocation LocateScene(const std::uint8_t* data, std::size_t size) {
    return LocateScene(data, size, size);
}

SceneLocation LocateScene(const std::uint8_t* data, std::size_t available, std::size_t size) {
    SceneLocation location;
    if (size == 0 || CheckSceneHeader(data, available).ok()) {
        location.found = true;
        return location;
    }
    const std::pair<Container, std::size_t> candidates[] = {
        {Container::kScreenSaver, kScreenSaverSceneOffset},
        {Container::kInstaller, kInstallerSceneOffset},
    };
    for (const auto& [container, offset] : candidates) {
        if (SceneAt(data, available, size, offset)) {
            location.found = true;
            location.container = container;
            location.offset = offset;
            return location;
        }
    }
    return location;
}

LoadedScene LoadScene(const std::string& path, EntryList& entries) {
    LoadedScene loaded;
    const auto unreadable = [&] {
        loaded.exitCode = kExitUnreadable;
        loaded.error = CannotBeRead(path);
        return loaded;
    };
    File file;
    SharedBytes buffer;
    if (!BeginReading(path, file, buffer)) {
        return unreadable();
    }
    // The file is read as the scene reader reaches it (large pictures and media are restored
    // while still in the cache); first only as much as finding the scene needs.
    loaded.fileSize = buffer->size();
    FileSource source(path, file.get(), buffer);
    const std::size_t head =
        std::min(buffer->size(), std::size_t{kInstallerSceneOffset} + kLongestSceneHeader);
    if (source.Reach(head) < head) {
        return unreadable();
    }
    loaded.location = LocateScene(buffer->data(), head, buffer->size());
    if (!loaded.location.found) {
        loaded.exitCode = kExitUnreadable;
        loaded.error = kFailedToOpen;
        return loaded;
    }
    const SceneReadResult result =
        ReadSceneFile(std::move(buffer), source, entries, loaded.location.offset);
    loaded.version = result.version;
    if (source.Short()) {
        // The file shrank or failed while being read: that is no format error of the scene.
        entries.Clear();
        return unreadable();
    }
    if (!result.ok()) {
        loaded.exitCode = kExitUnreadable;
        loaded.error = result.message.empty() ? std::string(kFailedToOpen) : result.message;
    }
    return loaded;
}

std::string CannotBeRead(const std::string& path) {
    return path + msg::kCannotReadDataSuffix;
}

std::string ErrorWhileWriting(const std::string& path) {
    return FillIn(kErrorWhileWriting, path);
}

std::string VersionText(float version) {
    if (version == 1.0f) {
        return "1.0";
    }
    if (version == 1.1f) {
        return "1.1";
    }
    if (version == 2.1f) {
        return "2.1";
    }
    return "2.2";
}

}  // namespace vl::cli
