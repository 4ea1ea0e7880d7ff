// Indentation of the scene's lines and the text export built from it.
#pragma once

#include <string>

#include "scene/entry.h"
#include "scene/entry_list.h"

namespace vl {

// One pass in list order with a running sum from 0 and the tab size as step: a Repeat takes
// max(sum, 0) and then raises the sum; an Until lowers the sum and then takes max(sum, 0); any
// other entry takes max(sum, 0). Deactivated entries count like active ones; the sum itself is
// never clamped.
void ComputeNesting(EntryList& entries, int tabSize);

// The entry's one-line text.
std::string DescribeEntry(const SceneEntry& entry);

// The text export: per entry its indentation in spaces, its description and CR LF.
std::string ExportSceneText(const EntryList& entries);

}  // namespace vl
