// The property dialog of each entry kind: opened over owner on a copy of the entry; true when the
// user confirmed, and the entry (with its link) then holds the edited values.
#pragma once

#include <windows.h>

#include "editor/property_context.h"
#include "scene/entries.h"

namespace vl {

bool EditWait(const PropertyContext& context, HWND owner, WaitEntry& entry);
// The description dialog is the whole dialog of a Repeat.
bool EditRepeat(const PropertyContext& context, HWND owner, RepeatEntry& entry);
bool EditUntil(const PropertyContext& context, HWND owner, UntilEntry& entry);
bool EditComment(const PropertyContext& context, HWND owner, CommentEntry& entry);
bool EditMultimedia(const PropertyContext& context, HWND owner, MultimediaEntry& entry);
bool EditPlay(const PropertyContext& context, HWND owner, PlayEntry& entry);
bool EditStop(const PropertyContext& context, HWND owner, StopEntry& entry);
// Show, Move and Hide.
bool EditImageAction(const PropertyContext& context, HWND owner, ImageCommandEntry& entry);
bool EditCls(const PropertyContext& context, HWND owner, ClsEntry& entry);
bool EditLine(const PropertyContext& context, HWND owner, LineEntry& entry);
bool EditImageObject(const PropertyContext& context, HWND owner, ImageEntry& entry);

}  // namespace vl
