#include "scene/nesting.h"

namespace vl {

void ComputeNesting(EntryList& entries, int tabSize) {
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        SceneEntry& entry = entries.At(i);
        if (entry.Kind() == kUntil) {
            sum -= tabSize;
        }
        entry.indentation = static_cast<std::int32_t>(sum > 0 ? sum : 0);
        if (entry.Kind() == kRepeat) {
            sum += tabSize;
        }
    }
}

std::string DescribeEntry(const SceneEntry& entry) {
    std::string line;
    entry.Describe(line);
    return line;
}

std::string ExportSceneText(const EntryList& entries) {
    std::string text;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        const SceneEntry& entry = entries.At(i);
        if (entry.indentation > 0) {
            text.append(static_cast<std::size_t>(entry.indentation), ' ');
        }
        entry.Describe(text);
        text += "\r\n";
    }
    return text;
}

}  // namespace vl
