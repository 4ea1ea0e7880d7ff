// The scene store: one per process, created by the document. It owns the entry list, the
// prototype table and the editor's options.
#pragma once

#include <string>

#include "scene/editor_options.h"
#include "scene/entry_list.h"
#include "scene/prototypes.h"

namespace vl {

class SceneStore {
  public:
    SceneStore() = default;
    SceneStore(const SceneStore&) = delete;
    SceneStore& operator=(const SceneStore&) = delete;

    EntryList& Entries() { return entries_; }
    const EntryList& Entries() const { return entries_; }
    PrototypeTable& Prototypes() { return prototypes_; }
    EditorOptions& Options() { return options_; }
    const EditorOptions& Options() const { return options_; }

    // Loads the options file (defaults when missing; defaults and a rewrite when short).
    OptionsLoadResult LoadOptions(const std::string& path);
    bool SaveOptions(const std::string& path) const;

  private:
    EntryList entries_;
    PrototypeTable prototypes_;
    EditorOptions options_;
};

}  // namespace vl
