// Deleting the scene list's selection in one pass over the list.
#pragma once

#include <vector>

#include "scene/entry_list.h"

namespace vl {

// Destroys the entries at the given list positions, leaving the list and every link exactly as
// destroying them one at a time from the highest position down would: the survivors keep their
// order, a surviving command of a destroyed object loses its link, a surviving object loses its
// destroyed users and keeps the others in order. Positions outside the list and repeated ones are
// ignored. Linear in the list's length, the positions and the links involved, where one at a time
// costs a shift of the list per entry.
void DeleteEntries(EntryList& list, const std::vector<int>& positions);

}  // namespace vl
