#include "scene/scene_check.h"

#include "scene/messages.h"

namespace vl {

SceneCheckResult CheckScene(EntryList& entries, ObjectPreparer& preparer) {
    SceneCheckResult result;
    const std::size_t count = entries.Count();
    std::int64_t balance = 0;
    std::size_t stop = count;
    for (std::size_t i = 0; i < count; ++i) {
        const SceneEntry& entry = entries.At(i);
        if (entry.disabled) {
            continue;
        }
        if (entry.Kind() == kRepeat) {
            ++balance;
        } else if (entry.Kind() == kUntil && --balance < 0) {
            stop = i;
            break;
        }
    }
    if (balance != 0) {
        result.ok = false;
        result.message = balance > 0 ? msg::kMissingUntil : msg::kMissingRepeat;
        result.index = static_cast<std::int32_t>(stop < count ? stop : count - 1);
        return result;
    }

    entries.Renumber();
    ValidationContext context{entries, preparer};
    for (std::size_t i = 0; i < count; ++i) {
        Validation validation = entries.At(i).Validate(context);
        if (!validation) {
            result.ok = false;
            result.message = std::move(validation.message);
            result.index = static_cast<std::int32_t>(i);
            return result;
        }
    }
    return result;
}

}  // namespace vl
