// Settings of the builder's earlier versions lived below another company key. At start they are
// copied once into the current one; the marker value in the old key says the copy is done.
#pragma once

#include "app/core/key_tree.h"

namespace vl {

inline constexpr char kOldSettingsRoot[] = "Software\\Quilco\\Screen Saver";
inline constexpr char kSettingsRoot[] = "Software\\Quillmark\\Screen Saver";
// A number value 1 in the old key.
inline constexpr char kMigratedMarker[] = "OLD Reg Copied";

enum class MigrationOutcome {
    kNoOldSettings,  // no old key
    kAlreadyCopied,  // the old key carries the marker
    kCopied,         // copied, and the marker set
    kCopyFailed,     // show "Error during copying of reg entries!"; start-up goes on
};

// Copies kOldSettingsRoot into kSettingsRoot unless the old key is missing or marked: every
// sub-key, and every value whole and with its type, replacing values of the same name. The marker
// is set only after a complete copy, so a copy that failed is tried again at the next start.
MigrationOutcome MigrateOldSettings(IKeyTree& tree);

}  // namespace vl
