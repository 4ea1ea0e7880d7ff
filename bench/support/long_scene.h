// The benchmarks' long scene: blocks of five nested loops around one entry of every other kind,
// repeated until it has at least `count` entries.
#pragma once

#include <cstddef>

#include "scene/entries.h"
#include "scene/entry_list.h"
#include "scene/kinds.h"

namespace vl::bench {

inline void MakeLongScene(EntryList& entries, std::size_t count) {
    entries.Clear();
    while (entries.Count() < count) {
        for (int depth = 0; depth < 5; ++depth)
            entries.Append(CreateEntry(kRepeat));
        for (std::int32_t kind = 0; kind < kKindCount; ++kind) {
            if (kind != kRepeat && kind != kUntil)
                entries.Append(CreateEntry(kind));
        }
        for (int depth = 0; depth < 5; ++depth)
            entries.Append(CreateEntry(kUntil));
    }
}

}  // namespace vl::bench
