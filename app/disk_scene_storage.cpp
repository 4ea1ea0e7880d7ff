#include "app/disk_scene_storage.h"

#include "package/c_files.h"
#include "package/scene_saving.h"
#include "scene/scene_file.h"

namespace vl {

SceneLoadOutcome DiskSceneStorage::Load(const std::string& path, EntryList& entries) {
    SharedBytes bytes;
    if (!ReadWholeFile(path, bytes))
        return SceneLoadOutcome::kUnreadable;
    if (!CheckSceneHeader(bytes->data(), bytes->size()).ok())
        return SceneLoadOutcome::kRefused;
    return ReadSceneFile(std::move(bytes), entries).ok() ? SceneLoadOutcome::kLoaded
                                                         : SceneLoadOutcome::kMalformed;
}

bool DiskSceneStorage::Save(EntryList& entries, const std::string& path) {
    return SaveSceneAtomically(entries, path);
}

}  // namespace vl
