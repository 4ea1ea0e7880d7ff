#include "scene/scene_store.h"

namespace vl {

OptionsLoadResult SceneStore::LoadOptions(const std::string& path) {
    OptionsLoadResult result = LoadEditorOptions(path);
    options_ = result.options;
    return result;
}

bool SceneStore::SaveOptions(const std::string& path) const {
    return SaveEditorOptions(path, options_);
}

}  // namespace vl
