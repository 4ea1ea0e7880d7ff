#include "scene/prototypes.h"

#include "scene/entries.h"

namespace vl {

PrototypeTable::PrototypeTable() {
    for (int kind = 0; kind < kKindCount; ++kind) {
        prototypes_[kind] = CreateEntry(kind);
    }
}

std::unique_ptr<SceneEntry> PrototypeTable::Create(std::int32_t kind) const {
    return IsValidKind(kind) ? prototypes_[kind]->Clone() : nullptr;
}

std::unique_ptr<SceneEntry> PrototypeTable::Take(std::int32_t kind) {
    if (!IsValidKind(kind)) {
        return nullptr;
    }
    std::unique_ptr<SceneEntry> taken = std::move(prototypes_[kind]);
    prototypes_[kind] = taken->Clone();
    return taken;
}

}  // namespace vl
