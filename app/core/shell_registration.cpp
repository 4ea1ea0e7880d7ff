#include "app/core/shell_registration.h"

#include <utility>

namespace vl {

std::vector<RegistryText> SceneFileTypeValues(const std::string& programPath) {
    const std::string type = kDocumentTypeKey;
    const std::string extension = kSceneExtensionKey;
    return {
        {extension, "", "Vistaloom.Document"},
        {extension + "\\ShellNew", "", ""},
        {extension + "\\ShellNew", "NullFile", ""},
        {type, "", "Vistaloom Document"},
        {type + "\\DefaultIcon", "", programPath + ",1"},
        {type + "\\shell\\open\\command", "", '"' + programPath + "\" \"%1\""},
    };
}

bool RegisterSceneFileType(IKeyTree& tree, const std::string& programPath) {
    for (const RegistryText& value : SceneFileTypeValues(programPath)) {
        std::vector<std::uint8_t> data(value.text.begin(), value.text.end());
        data.push_back(0);
        if (!tree.CreateKey(value.key) ||
            !tree.SetValue(value.key, {value.name, kKeyValueText, std::move(data)}))
            return false;
    }
    return true;
}

}  // namespace vl
