// Dragging lines of the scene list: the drag loop from the list, and the list as a drop target
// for moves, links and copies from itself, the palette and other running builders.
#include <algorithm>
#include <cstring>

#include "editor/core/clipboard_rules.h"
#include "editor/program_drag_cursors.h"
#include "editor/scene_view.h"

namespace vl {
namespace {

constexpr int kDropFailed = DROPEFFECT_NONE;

DWORD ToDropEffect(DropEffect effect) {
    switch (effect) {
        case DropEffect::kCopy:
            return DROPEFFECT_COPY;
        case DropEffect::kMove:
            return DROPEFFECT_MOVE;
        case DropEffect::kLink:
            return DROPEFFECT_LINK;
        case DropEffect::kNone:
            break;
    }
    return DROPEFFECT_NONE;
}

std::vector<std::uint8_t> ProcessBytes(DWORD process) {
    std::vector<std::uint8_t> bytes(sizeof process);
    std::memcpy(bytes.data(), &process, sizeof process);
    return bytes;
}

}  // namespace

ComPtr<IDataObject> CSceneView::BeginDragData(const std::vector<int>& lines, int start) {
    EntryList& entries = services_.entries;
    entries.Renumber();
    source_.active = true;
    source_.lines = lines;
    source_.start = start;
    // The link names the first dragged command; a number stands for it, never its address.
    const std::uint32_t reference =
        lines.empty() ? 0
                      : references_.Register(entries.At(static_cast<std::size_t>(lines.front())));
    const UINT copy = copyFormat_, move = moveFormat_, link = linkFormat_, process = sourceFormat_;
    return MakeDataObject(
        {static_cast<CLIPFORMAT>(move), static_cast<CLIPFORMAT>(link),
         static_cast<CLIPFORMAT>(copy), static_cast<CLIPFORMAT>(process)},
        [this, copy, move, link, process,
         reference](CLIPFORMAT format) -> std::optional<std::vector<std::uint8_t>> {
            if (!source_.active)
                return std::nullopt;
            if (format == process)
                return ProcessBytes(GetCurrentProcessId());
            if (format == move)
                return WriteMoveBlock(source_.lines);
            if (format == link)
                return WriteLinkBlock(reference);
            if (format == copy) {
                EntryList& list = services_.entries;
                std::vector<const SceneEntry*> commands;
                for (int line : source_.lines) {
                    if (line >= 0 && static_cast<std::size_t>(line) < list.Count())
                        commands.push_back(&list.At(static_cast<std::size_t>(line)));
                }
                return WriteCopyBlock(list, commands);
            }
            return std::nullopt;
        });
}

void CSceneView::EndDragData() {
    source_ = DragSource{};
    references_.Clear();
}

void CSceneView::StartDrag() {
    const std::vector<int> lines = Selection();
    if (lines.empty())
        return;
    const int start = mouse_.DragStartIndex();
    const ListPoint press = mouse_.PressPoint();
    WriteDragImageFile(start, POINT{press.x, press.y});
    ComPtr<IDataObject> data = BeginDragData(lines, start);
    ComPtr<IDropSource> source = MakeDropSource(ProgramDragCursors(lines.size()));
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
               &effect);
    // A move inside the list was done by the drop; the source itself changes nothing.
    dragImage_.End();
    DeleteDragImageFile();
    EndDragData();
}

int CSceneView::LineAt(POINT point) const {
    const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (hit == LB_ERR || HIWORD(hit) != 0)
        return -1;
    const int line = LOWORD(hit);
    RECT rect;
    if (SendMessageA(Handle(), LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&rect)) == LB_ERR ||
        !PtInRect(&rect, point))
        return -1;
    return line;
}

void CSceneView::SetMarked(int line, bool marked) {
    if (line < 0)
        return;
    // The dragged lines of a drag from this list keep their selection.
    if (drag_.fromThisList && std::binary_search(source_.lines.begin(), source_.lines.end(), line))
        return;
    if (!marked && !drag_.fromThisList &&
        std::binary_search(drag_.savedSelection.begin(), drag_.savedSelection.end(), line)) {
        RepaintItem(line);
        return;
    }
    SendMessageA(Handle(), LB_SETSEL, marked ? TRUE : FALSE, line);
    RepaintItem(line);
}

void CSceneView::UpdateTarget(POINT point) {
    dragImage_.Move(point);
    const int line = LineAt(point);
    const int before = drag_.pointerLine;
    drag_.pointerLine = line;
    if (line == target_ && before == line)
        return;
    // The image would be painted over and then restored with stale pixels.
    dragImage_.Hide(true);
    if (line != target_) {
        SetMarked(target_, false);
        target_ = line;
        SetMarked(target_, true);
    } else {
        RepaintItem(line);
    }
    UpdateWindow(Handle());
    dragImage_.Hide(false);
}

DWORD CSceneView::EffectFor(DWORD keys, DWORD allowed) const {
    DragOver over;
    over.fromThisList = drag_.fromThisList;
    over.targetLine = target_;
    over.targetDragged = drag_.fromThisList &&
                         std::binary_search(source_.lines.begin(), source_.lines.end(), target_);
    over.draggedCount = static_cast<int>(source_.lines.size());
    const EntryList& entries = services_.entries;
    if (source_.lines.size() == 1 &&
        static_cast<std::size_t>(source_.lines.front()) < entries.Count())
        over.draggedKind = entries.At(static_cast<std::size_t>(source_.lines.front())).Kind();
    if (target_ >= 0 && static_cast<std::size_t>(target_) < entries.Count())
        over.targetKind = entries.At(static_cast<std::size_t>(target_)).Kind();
    over.ctrl = (keys & MK_CONTROL) != 0;
    over.shift = (keys & MK_SHIFT) != 0;
    DropEffect effect = EffectForSource(ChooseDropEffect(over), sameProcess_);
    const OfferedEffects offered{(allowed & DROPEFFECT_COPY) != 0, (allowed & DROPEFFECT_MOVE) != 0,
                                 (allowed & DROPEFFECT_LINK) != 0};
    return ToDropEffect(NarrowDropEffect(effect, offered));
}

DWORD CSceneView::OnDragEnter(IDataObject* data, DWORD keys, POINT point, DWORD allowed) {
    if (!OffersFormat(data, static_cast<CLIPFORMAT>(moveFormat_)) &&
        !OffersFormat(data, static_cast<CLIPFORMAT>(linkFormat_)) &&
        !OffersFormat(data, static_cast<CLIPFORMAT>(copyFormat_)))
        return DROPEFFECT_NONE;
    const DWORD id = DragSourceProcess(data);
    sameProcess_ = id != 0 && id == GetCurrentProcessId();
    drag_.over = true;
    drag_.fromThisList = source_.active && sameProcess_;
    drag_.savedSelection = Selection();
    drag_.pointerLine = -1;
    caretAtEntry_ = Caret();
    target_ = -1;
    if (drag_.fromThisList && caretAtEntry_ >= 0)
        RepaintItem(caretAtEntry_);
    if (!dragImage_.Shown())
        dragImage_.Show(Handle(), point, id);
    UpdateTarget(point);
    return EffectFor(keys, allowed);
}

DWORD CSceneView::OnDragOver(DWORD keys, POINT point, DWORD allowed) {
    if (!drag_.over)
        return DROPEFFECT_NONE;
    UpdateTarget(point);
    return EffectFor(keys, allowed);
}

void CSceneView::EndDragOver() {
    dragImage_.End();
    const int target = target_;
    SetMarked(target_, false);
    target_ = -1;
    drag_ = DragMark{};
    if (target >= 0)
        RepaintItem(target);
}

void CSceneView::OnDragLeave() {
    if (!drag_.over)
        return;
    if (caretAtEntry_ >= 0)
        SendMessageA(Handle(), LB_SETCARETINDEX, caretAtEntry_, FALSE);
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(Handle(), &pointer);
    EndDragOver();
    if (caretAtEntry_ >= 0)
        RepaintItem(caretAtEntry_);
    caretAtEntry_ = -1;
    // Where the image was.
    const POINT hot = dragImage_.Hot();
    const RECT strip{pointer.x - hot.x, pointer.y - hot.y, pointer.x - hot.x + 3000,
                     pointer.y - hot.y + 16};
    InvalidateRect(Handle(), &strip, TRUE);
}

DWORD CSceneView::OnDrop(IDataObject* data, DWORD keys, POINT point, DWORD allowed) {
    if (!drag_.over)
        return DROPEFFECT_NONE;
    UpdateTarget(point);
    const DWORD effect = EffectFor(keys, allowed);
    const int target = target_;
    EndDragOver();
    target_ = target;
    bool done = false;
    if (effect == DROPEFFECT_MOVE)
        done = DropMove(data);
    else if (effect == DROPEFFECT_LINK)
        done = DropLink(data);
    else if (effect == DROPEFFECT_COPY)
        done = DropCopy(data);
    target_ = -1;
    return done ? effect : kDropFailed;
}

bool CSceneView::DropMove(IDataObject* data) {
    const auto bytes = GetDataBytes(data, static_cast<CLIPFORMAT>(moveFormat_));
    if (!bytes)
        return false;
    EntryList& entries = services_.entries;
    const MoveBlockContents block = ReadMoveBlock(bytes->data(), bytes->size(), entries.Count());
    if (!block.ok()) {
        Beep();
        return false;
    }
    std::vector<int> dragged(block.indices.begin(), block.indices.end());
    const int count = static_cast<int>(entries.Count());
    const int at = MoveInsertionIndex(dragged, target_, source_.start, count);
    std::vector<std::unique_ptr<SceneEntry>> moved;
    HWND list = Handle();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    // Highest first, so each index still names its line.
    for (std::int32_t index : block.indices) {
        moved.push_back(entries.Detach(static_cast<std::size_t>(index)));
        SendMessageA(list, LB_DELETESTRING, index, 0);
    }
    std::reverse(moved.begin(), moved.end());
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InsertBlock(std::move(moved), at);
    return true;
}

bool CSceneView::DropLink(IDataObject* data) {
    const auto bytes = GetDataBytes(data, static_cast<CLIPFORMAT>(linkFormat_));
    if (!bytes)
        return false;
    const LinkBlockContents block = ReadLinkBlock(bytes->data(), bytes->size());
    if (!block.ok()) {
        Beep();
        return false;
    }
    EntryList& entries = services_.entries;
    SceneEntry* object = references_.Resolve(block.reference, entries);
    if (!object || target_ < 0 || static_cast<std::size_t>(target_) >= entries.Count())
        return false;
    if (!entries.At(static_cast<std::size_t>(target_)).SetObject(object))
        return false;
    RepaintItem(target_);
    SelectOnly(target_);
    services_.setModified();
    return true;
}

bool CSceneView::DropCopy(IDataObject* data) {
    const auto bytes = GetDataBytes(data, static_cast<CLIPFORMAT>(copyFormat_));
    if (!bytes)
        return false;
    EntryList& entries = services_.entries;
    entries.Renumber();
    CopyBlockContents block = ReadCopyBlock(bytes->data(), bytes->size(), entries);
    if (!block.ok()) {
        Beep();
        return false;
    }
    InsertBlock(std::move(block.commands),
                target_ >= 0 ? target_ : static_cast<int>(entries.Count()));
    return true;
}

bool CSceneView::OnDragScroll(bool vertical, int direction, POINT point) {
    if (!drag_.over)
        return false;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &info))
        return false;
    const int last = info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0);
    const bool towardsStart = direction == SB_LINEUP || direction == SB_LINELEFT;
    if (towardsStart ? info.nPos <= info.nMin : info.nPos >= last)
        return false;
    dragImage_.Hide(true);
    SendMessageA(Handle(), vertical ? WM_VSCROLL : WM_HSCROLL, static_cast<WPARAM>(direction), 0);
    UpdateWindow(Handle());
    dragImage_.Hide(false);
    UpdateTarget(point);
    // The option's pause keeps the list from racing past the lines.
    Sleep(static_cast<DWORD>(std::clamp(options_.scrollTime, 0, 500)));
    return true;
}

}  // namespace vl
