// The document's scene files on disk.
#pragma once

#include "app/scene_doc.h"

namespace vl {

class DiskSceneStorage final : public SceneStorage {
  public:
    // The whole file in one read, then the scene reader over it (pictures and media stay in
    // the one buffer).
    SceneLoadOutcome Load(const std::string& path, EntryList& entries) override;
    // Written beside the file and moved over it when complete.
    bool Save(EntryList& entries, const std::string& path) override;
};

}  // namespace vl
