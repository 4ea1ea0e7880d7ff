#include "editor/scene_view.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "editor/core/delete_entries.h"
#include "engine/text/engine_preparer.h"
#include "framework/clipboard.h"
#include "framework/prompt.h"
#include "framework/wait_cursor.h"
#include "package/atomic_file.h"
#include "scene/clipboard_blocks.h"
#include "scene/nesting.h"
#include "scene/scene_check.h"

namespace vl {
namespace {

constexpr int kHorizontalExtent = 30000;
constexpr int kIconBitmap = 190;
constexpr COLORREF kIconMask = RGB(0, 128, 128);

SceneEntry* EntryOfItem(ULONG_PTR data) {
    return reinterpret_cast<SceneEntry*>(data);
}

}  // namespace

CSceneView::CSceneView(Services services)
    : services_(std::move(services)),
      copyFormat_(RegisteredFormat(kCopySceneFormat)),
      moveFormat_(RegisteredFormat(kMoveSceneFormat)),
      linkFormat_(RegisteredFormat(kLinkSceneFormat)),
      sourceFormat_(RegisteredFormat(kDragSourceFormat)) {}

bool CSceneView::Create(HWND parent, int id, const EditorOptions* options) {
    HWND list =
        CreateWindowExA(0, "LISTBOX", "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_EXTENDEDSEL |
                            LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE,
                        0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleA(nullptr), nullptr);
    if (!list || !Attach(list)) {
        if (list)
            DestroyWindow(list);
        return false;
    }
    icons_.Reset(ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIconBitmap),
                                      kIconSize, 0, kIconMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    if (icons_) {
        HDC dc = GetDC(list);
        iconCache_.Build(icons_.Get(), dc);
        ReleaseDC(list, dc);
    }
    SendMessageA(list, LB_SETHORIZONTALEXTENT, kHorizontalExtent, 0);
    RememberClipboardBlock();
    dropTarget_ = MakeDropTarget(list, DropHandler());
    // Without OLE on this thread (some tests) the list is no drop target; drops still work
    // through DropHandler.
    RegisterDragDrop(list, dropTarget_.Get());
    if (services_.calibration)
        times_ = CalibrateTimes(list, *services_.calibration);
    ApplyOptions(options ? *options : options_);
    Fill();
    return true;
}

void CSceneView::ApplyOptions(const EditorOptions& options) {
    options_ = options;
    if (!Handle())
        return;
    HDC dc = GetDC(Handle());
    fonts_.Build(options_, dc);
    ReleaseDC(Handle(), dc);
    Rebuild();
}

void CSceneView::Fill() {
    if (!Handle())
        return;
    HWND list = Handle();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EntryList& entries = services_.entries;
    SendMessageA(list, LB_INITSTORAGE, entries.Count(), 0);
    ComputeNesting(entries, options_.tabSize);
    for (std::size_t i = 0; i < entries.Count(); ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&entries.At(i)));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void CSceneView::Rebuild() {
    if (!Handle())
        return;
    HWND list = Handle();
    const std::vector<int> selection = Selection();
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    const int horizontal = GetScrollPos(list, SB_HORZ);
    Fill();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int index : selection)
        SendMessageA(list, LB_SETSEL, TRUE, index);
    if (!selection.empty())
        SendMessageA(list, LB_SETCARETINDEX, selection.back(), FALSE);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    if (top != LB_ERR)
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageA(list, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, horizontal), 0);
    InvalidateRect(list, nullptr, TRUE);
}

void CSceneView::Renest() {
    ComputeNesting(services_.entries, options_.tabSize);
}

void CSceneView::RepaintItem(int index) {
    RECT rect;
    if (SendMessageA(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect)) != LB_ERR)
        InvalidateRect(Handle(), &rect, TRUE);
}

void CSceneView::SelectOnly(int index) {
    SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
    SendMessageA(Handle(), LB_SETSEL, TRUE, index);
    SendMessageA(Handle(), LB_SETCARETINDEX, index, FALSE);
}

void CSceneView::InsertCommand(std::unique_ptr<SceneEntry> entry, Place place) {
    if (!entry || !Handle())
        return;
    EntryList& entries = services_.entries;
    int index = static_cast<int>(entries.Count());
    if (place == Place::kBeforeCaret && Caret() >= 0)
        index = Caret();
    SceneEntry* added = entry.get();
    entries.Insert(static_cast<std::size_t>(index), std::move(entry));
    Renest();
    SendMessageA(Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(added));
    SelectOnly(index);
    InvalidateRect(Handle(), nullptr, TRUE);
    services_.setModified();
}

void CSceneView::DeleteSelection(bool ask) {
    const std::vector<int> selection = Selection();
    if (selection.empty())
        return;
    if (ask) {
        const std::string question = std::string("Are you sure you want delete command") +
                                     (selection.size() > 1 ? "s" : "") + "?";
        if (!CurrentPrompt().AskYesNo(question))
            return;
    }
    DeleteEntries(services_.entries, selection);
    Fill();
    services_.setModified();
}

void CSceneView::SetDisabled(bool disabled) {
    EntryList& entries = services_.entries;
    for (int index : Selection()) {
        SceneEntry& entry = entries.At(static_cast<std::size_t>(index));
        if ((entry.IsDisabled() != 0) != disabled) {
            entry.SetDisabled(disabled ? 1 : 0);
            RepaintItem(index);
        }
    }
    services_.setModified();
}

void CSceneView::ActivateAll() {
    EntryList& entries = services_.entries;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        if (entries.At(i).IsDisabled()) {
            entries.At(i).SetDisabled(0);
            RepaintItem(static_cast<int>(i));
        }
    }
    services_.setModified();
}

void CSceneView::SelectAll() {
    SendMessageA(Handle(), LB_SETSEL, TRUE, -1);
}

void CSceneView::Refresh() {
    SendMessageA(Handle(), LB_SETSEL, FALSE, -1);
    if (!Empty())
        SendMessageA(Handle(), LB_SETCARETINDEX, 0, FALSE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool CSceneView::CheckScene() {
    DecodingEnginePreparer preparer(services_.verifiedPictures ? services_.verifiedPictures
                                                               : &ownVerifiedPictures_);
    SceneCheckResult result;
    {
        const WaitCursor waiting;
        result = vl::CheckScene(services_.entries, preparer);
    }
    if (result.ok)
        return true;
    CurrentPrompt().Message(result.message, MessageIcon::Stop);
    if (result.index >= 0 && Handle()) {
        if (services_.activate)
            services_.activate();
        SelectOnly(result.index);
    }
    return false;
}

void CSceneView::ExportText() {
    if (Empty())
        return;
    if (services_.documentPath().empty())
        services_.sendToFrame(kCmdSave);
    const std::string scene = services_.documentPath();
    if (scene.empty()) {
        CurrentPrompt().Message("You have to save the scene.", MessageIcon::Exclamation);
        return;
    }
    const std::string path = scene + ".txt";
    Renest();
    const std::string text = ExportSceneText(services_.entries);
    // Written beside the target and moved over it when complete: a failed write never leaves
    // half a file.
    AtomicFile file;
    if (!file.Begin(path) || !file.Append(text.data(), text.size()) ||
        file.Commit(true, CommitCache::kCached) != CommitResult::kDone) {
        CurrentPrompt().Message(path + "\ncannot be written.", MessageIcon::Stop);
        return;
    }
    if (services_.openFile)
        services_.openFile(path);
    else
        ShellExecuteA(GetAncestor(Handle(), GA_ROOT), "open", path.c_str(), nullptr, nullptr,
                      SW_SHOWMAXIMIZED);
}

void CSceneView::Preview() {
    if (!CheckScene())
        return;
    // The preview goes ahead whatever saving does.
    if (options_.saveBeforePreview && services_.documentModified && services_.documentModified())
        services_.sendToFrame(kCmdSave);
    if (services_.startPreview)
        services_.startPreview(times_);
}

void CSceneView::EditCaret() {
    if (!Empty())
        Edit(Caret());
}

void CSceneView::Edit(int index) {
    EntryList& entries = services_.entries;
    if (!services_.editor || index < 0 || static_cast<std::size_t>(index) >= entries.Count())
        return;
    SceneEntry& entry = entries.At(static_cast<std::size_t>(index));
    if (!services_.editor->Edit(GetAncestor(Handle(), GA_ROOT), entry))
        return;
    // Other lines show an object's name: all of them may have changed.
    if (IsObjectKind(entry.Kind()))
        InvalidateRect(Handle(), nullptr, TRUE);
    else
        RepaintItem(index);
    services_.setModified();
}

std::vector<int> CSceneView::Selection() const {
    std::vector<int> selection;
    if (!Handle())
        return selection;
    const LRESULT count = SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0);
    if (count == LB_ERR || count <= 0)
        return selection;
    selection.resize(static_cast<std::size_t>(count));
    const LRESULT got = SendMessageA(Handle(), LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(selection.data()));
    selection.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    std::sort(selection.begin(), selection.end());
    return selection;
}

int CSceneView::SelectedCount() const {
    if (!Handle())
        return 0;
    const LRESULT count = SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

int CSceneView::Caret() const {
    if (!Handle() || Empty())
        return -1;
    const LRESULT caret = SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0);
    return caret == LB_ERR ? -1 : static_cast<int>(caret);
}

bool CSceneView::OnReflected(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (msg) {
        case WM_MEASUREITEM:
            MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        default:
            return false;
    }
}

void CSceneView::MeasureItem(MEASUREITEMSTRUCT& item) const {
    const SceneEntry* entry = EntryOfItem(item.itemData);
    const LineState state = entry ? StateOf(*entry) : LineState::kNormal;
    item.itemHeight = static_cast<UINT>(std::max(kIconSize, fonts_.Height(state)));
}

}  // namespace vl
