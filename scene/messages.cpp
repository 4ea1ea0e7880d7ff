#include "scene/messages.h"

#include "scene/kinds.h"

namespace vl::msg {

const char* SceneString(int id) {
    if (id >= kKindNameBase && id < kKindNameBase + kKindCount) {
        return KindName(id - kKindNameBase);
    }
    struct Entry {
        int id;
        const char* text;
    };
    static const Entry kTable[] = {
        {kIdTextBitmapSuffix, kTextBitmapSuffix},
        {kIdChooseImage, kChooseImage},
        {kIdMissingUntil, kMissingUntil},
        {kIdMissingRepeat, kMissingRepeat},
        {kIdNoMemory, kNoMemory},
        {kIdOneConditionNeverReached, kOneConditionNeverReached},
        {kIdSceneSignature, kSceneSignature},
        {kIdBothConditionsNeverReached, kBothConditionsNeverReached},
        {kIdEllipsis, kEllipsis},
        {kIdChooseMedia, kChooseMedia},
        {kIdSaveScene, kSaveScene},
    };
    for (const Entry& entry : kTable) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return nullptr;
}

}  // namespace vl::msg
