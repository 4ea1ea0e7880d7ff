// The scene list's Cut, Copy and Paste, and what closing the builder does to the clipboard.
#include <algorithm>

#include "editor/core/clipboard_rules.h"
#include "editor/scene_view.h"
#include "framework/clipboard.h"
#include "framework/prompt.h"
#include "scene/clipboard_blocks.h"

namespace vl {

void CSceneView::RememberClipboardBlock() {
    clipboardBlock_ = nullptr;
    if (!CanPaste())
        return;
    ClipboardGuard clipboard(Handle());
    if (clipboard.IsOpen())
        clipboardBlock_ = GetClipboardData(copyFormat_);
}

bool CSceneView::CanPaste() const {
    return copyFormat_ != 0 && IsClipboardFormatAvailable(copyFormat_);
}

void CSceneView::Beep() const {
    if (services_.beep)
        services_.beep();
    else
        MessageBeep(MB_OK);
}

void CSceneView::CopySelection() {
    CopyToClipboard(false);
}

void CSceneView::CutSelection() {
    CopyToClipboard(true);
}

void CSceneView::CopyToClipboard(bool cut) {
    const std::vector<int> selection = Selection();
    if (selection.empty())
        return;
    ClipboardGuard clipboard(Handle());
    // Emptying makes the list the owner; the previous owner forgets its block now.
    if (!clipboard.IsOpen() || !EmptyClipboard()) {
        Beep();
        return;
    }
    EntryList& entries = services_.entries;
    entries.Renumber();
    std::vector<const SceneEntry*> commands;
    commands.reserve(selection.size());
    for (int index : selection)
        commands.push_back(&entries.At(static_cast<std::size_t>(index)));
    clipboardBlock_ = PutClipboardBytes(copyFormat_, WriteCopyBlock(entries, commands));
    if (!clipboardBlock_) {
        Beep();
        return;
    }
    if (cut)
        DeleteSelection(false);
}

void CSceneView::Paste() {
    const auto bytes = ReadClipboardBytes(Handle(), copyFormat_);
    if (!bytes) {
        Beep();
        return;
    }
    EntryList& entries = services_.entries;
    entries.Renumber();
    // A refused or damaged block is read whole before anything changes: it pastes nothing.
    CopyBlockContents pasted = ReadCopyBlock(bytes->data(), bytes->size(), entries);
    if (!pasted.ok()) {
        Beep();
        return;
    }
    InsertBlock(std::move(pasted.commands),
                PasteIndex(Selection(), static_cast<int>(entries.Count())));
}

void CSceneView::InsertBlock(std::vector<std::unique_ptr<SceneEntry>> commands, int index) {
    if (commands.empty() || !Handle())
        return;
    HWND list = Handle();
    EntryList& entries = services_.entries;
    index = std::clamp(index, 0, static_cast<int>(entries.Count()));
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    int at = index;
    for (auto& command : commands) {
        SceneEntry* inserted = command.get();
        entries.Insert(static_cast<std::size_t>(at), std::move(command));
        SendMessageA(list, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(inserted));
        SendMessageA(list, LB_SETSEL, TRUE, at);
        ++at;
    }
    SendMessageA(list, LB_SETCARETINDEX, at - 1, FALSE);
    Renest();
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    services_.setModified();
}

void CSceneView::CleanUpClipboardAtExit() {
    switch (ClipboardActionAtExit(options_.deleteClipboardOnExit, CanPaste())) {
        case ClipboardAtExit::kKeep:
            return;
        case ClipboardAtExit::kAsk: {
            QuestionOptions question;
            question.defaultNo = true;
            if (CurrentPrompt().AskYesNo("Are you sure you want to keep data on the clipboard?",
                                         question))
                return;
            break;
        }
        case ClipboardAtExit::kEmpty:
            break;
    }
    ClipboardGuard clipboard(Handle());
    if (clipboard.IsOpen())
        EmptyClipboard();
}

}  // namespace vl
