// The scene file type as the builder registers it for the current user (below
// HKEY_CURRENT_USER\Software\Classes, which needs no administrator rights, unlike the classes
// root): ".ssd" names the type "Vistaloom.Document", which opens with the builder, shows the
// builder's second icon, and offers an empty scene in the desktop's "New" menu.
#pragma once

#include <string>
#include <vector>

#include "app/core/key_tree.h"

namespace vl {

inline constexpr char kSceneExtensionKey[] = "Software\\Classes\\.ssd";
inline constexpr char kDocumentTypeKey[] = "Software\\Classes\\Vistaloom.Document";

struct RegistryText {
    std::string key;
    std::string name;  // empty: the key's default value
    std::string text;
};

// Every text value of the registration, for the program at `programPath`.
std::vector<RegistryText> SceneFileTypeValues(const std::string& programPath);

// Writes them all as texts; false when one could not be written.
bool RegisterSceneFileType(IKeyTree& tree, const std::string& programPath);

}  // namespace vl
