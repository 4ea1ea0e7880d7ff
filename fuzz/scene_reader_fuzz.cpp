// Scene reader under hostile input: reading must end cleanly whatever the bytes, and whatever
// it accepts must describe, check and save, and read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "scene/entries.h"
#include "scene/nesting.h"
#include "scene/portable_preparer.h"
#include "scene/scene_check.h"
#include "scene/scene_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vl::EntryList entries;
    const vl::SceneReadResult result = vl::ReadSceneFile(data, size, entries);
    if (!result.ok()) {
        // Refused or malformed files leave nothing behind.
        if (!entries.Empty() || (result.status == vl::SceneReadStatus::kMalformed &&
                                 result.message != "Unexpected file format.")) {
            std::abort();
        }
        return 0;
    }
    vl::ComputeNesting(entries, 2);
    (void)vl::ExportSceneText(entries);
    vl::PortablePreparer preparer;
    (void)vl::CheckScene(entries, preparer);

    const std::vector<std::uint8_t> saved = vl::SaveSceneFile(entries);
    vl::EntryList again;
    if (!vl::ReadSceneFile(saved.data(), saved.size(), again).ok() ||
        again.Count() != entries.Count() || vl::SaveSceneFile(again) != saved) {
        std::abort();
    }
    return 0;
}
