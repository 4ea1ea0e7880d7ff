// The scene check that runs before every preview and before a screen saver or installer is made.
#pragma once

#include <cstdint>
#include <string>

#include "scene/entry.h"
#include "scene/entry_list.h"

namespace vl {

struct SceneCheckResult {
    bool ok = true;
    std::string message;      // what the caller shows with the stop icon; empty when ok
    std::int32_t index = -1;  // the list line to select on failure; -1 when ok
};

// 1. Balance walk over the active entries (Repeat +1, Until -1), stopping where it goes negative:
//    "Missing repeat command." selects that Until; "Missing until command." the last line.
// 2. Renumbers the entries.
// 3. Validates every entry in order (Untils pair with their Repeats, objects are prepared through
//    preparer); the first failure selects its line and carries its message.
SceneCheckResult CheckScene(EntryList& entries, ObjectPreparer& preparer);

}  // namespace vl
