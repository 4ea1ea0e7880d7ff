#include "app/disk_scene_storage.h"

#include <algorithm>

#include "package/c_files.h"
#include "package/file_source.h"
#include "package/scene_saving.h"
#include "scene/scene_file.h"

namespace vl {

// Read as the tool reads: the scene reader works through the file while it arrives, and a large
// file's second half comes in on a second thread.
SceneLoadOutcome DiskSceneStorage::Load(const std::string& path, EntryList& entries) {
    File file;
    SharedBytes buffer;
    if (!BeginReading(path, file, buffer))
        return SceneLoadOutcome::kUnreadable;
    FileSource source(path, file.get(), buffer);
    const std::size_t head = std::min(buffer->size(), kLongestSceneHeader);
    if (source.Reach(head) < head)
        return SceneLoadOutcome::kUnreadable;
    if (!CheckSceneHeader(buffer->data(), head).ok())
        return SceneLoadOutcome::kRefused;
    const bool read = ReadSceneFile(std::move(buffer), source, entries, 0).ok();
    if (source.Short()) {
        // The file shrank or failed while being read: no format error of the scene.
        entries.Clear();
        return SceneLoadOutcome::kUnreadable;
    }
    return read ? SceneLoadOutcome::kLoaded : SceneLoadOutcome::kMalformed;
}

bool DiskSceneStorage::Save(EntryList& entries, const std::string& path) {
    return SaveSceneAtomically(entries, path);
}

}  // namespace vl
