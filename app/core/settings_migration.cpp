#include "app/core/settings_migration.h"

namespace vl {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Value names are compared without regard to case, as the registry does.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

bool IsMarker(const KeyValue& value) {
    return SameName(value.name, kMigratedMarker) && value.type == kKeyValueNumber &&
           value.data == std::vector<std::uint8_t>{1, 0, 0, 0};
}

// `skipName`: a value of the source key itself not to copy (the marker, which belongs to the
// old key only); empty for none.
bool CopyKey(IKeyTree& tree, const std::string& from, const std::string& to,
             const std::string& skipName) {
    const auto values = tree.Values(from);
    const auto subKeys = tree.SubKeys(from);
    if (!values || !subKeys || !tree.CreateKey(to))
        return false;
    for (const KeyValue& value : *values) {
        if (!skipName.empty() && SameName(value.name, skipName))
            continue;
        if (!tree.SetValue(to, value))
            return false;
    }
    for (const std::string& subKey : *subKeys) {
        if (!CopyKey(tree, from + '\\' + subKey, to + '\\' + subKey, std::string()))
            return false;
    }
    return true;
}

}  // namespace

MigrationOutcome MigrateOldSettings(IKeyTree& tree) {
    if (!tree.KeyExists(kOldSettingsRoot))
        return MigrationOutcome::kNoOldSettings;
    const auto values = tree.Values(kOldSettingsRoot);
    if (values) {
        for (const KeyValue& value : *values) {
            if (IsMarker(value))
                return MigrationOutcome::kAlreadyCopied;
        }
    }
    if (!CopyKey(tree, kOldSettingsRoot, kSettingsRoot, kMigratedMarker))
        return MigrationOutcome::kCopyFailed;
    const KeyValue marker{kMigratedMarker, kKeyValueNumber, {1, 0, 0, 0}};
    if (!tree.SetValue(kOldSettingsRoot, marker))
        return MigrationOutcome::kCopyFailed;
    return MigrationOutcome::kCopied;
}

}  // namespace vl
