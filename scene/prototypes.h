// One default entry per kind. New entries are clones of these; the command palette hands out the
// current prototype and keeps a fresh one in its place.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "scene/entry.h"
#include "scene/kinds.h"

namespace vl {

class PrototypeTable {
  public:
    PrototypeTable();

    // The prototype of a valid kind (0..12).
    const SceneEntry& Prototype(std::int32_t kind) const { return *prototypes_[kind]; }
    // The same, for giving it settings before it is taken (the palette's edit).
    SceneEntry& Prototype(std::int32_t kind) { return *prototypes_[kind]; }
    // A new default entry of the kind (a clone of its prototype); nullptr outside 0..12.
    std::unique_ptr<SceneEntry> Create(std::int32_t kind) const;
    // Hands out the prototype itself and puts a fresh one in its place; nullptr outside 0..12.
    std::unique_ptr<SceneEntry> Take(std::int32_t kind);

  private:
    std::array<std::unique_ptr<SceneEntry>, kKindCount> prototypes_;
};

}  // namespace vl
