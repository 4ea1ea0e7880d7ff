#include "editor/comm_view.h"

#include <windowsx.h>

#include <cstring>

#include "app/core/command_ids.h"
#include "editor/editor_resources.h"
#include "editor/drag_image_store.h"
#include "editor/program_drag_cursors.h"
#include "framework/clipboard.h"
#include "framework/ole.h"
#include "framework/string_resource.h"
#include "scene/clipboard_blocks.h"
#include "scene/kinds.h"

namespace vl {
namespace {

constexpr char kClassName[] = "VlCommView";
constexpr int kIconSize = 16;
constexpr int kIconCount = kKindCount + 2;
constexpr COLORREF kMaskColour = RGB(0, 128, 128);
constexpr int kClosedFolder = 0;
constexpr int kOpenFolder = 1;
constexpr int kLeftMenu = 0;  // the palette's popup in IDR_VIEW_MENUS
constexpr POINT kKeyboardMenuPoint = {5, 5};

int KindImage(int kind) {
    return kind + 2;
}

}  // namespace

CCommView::CCommView(PrototypeTable& prototypes, EntryEditor* editor)
    : prototypes_(prototypes), editor_(editor) {}

CCommView::~CCommView() {
    Destroy();
}

bool CCommView::Create(HWND parent, int id) {
    WindowClass windowClass = {};
    windowClass.name = kClassName;
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    if (!Window::Register(windowClass))
        return false;
    id_ = id;
    if (!Window::Create(kClassName, 0, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 10, 10,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
        return false;
    }
    if (!CreateTree())
        return false;
    FillTree();
    return true;
}

bool CCommView::CreateTree() {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    RECT client;
    GetClientRect(Handle(), &client);
    HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                                    TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                0, 0, client.right, client.bottom, Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!tree)
        return false;
    tree_.Attach(tree);
    SendMessageA(tree, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    drop_.Attach(tree);
    dropTarget_ = MakeDropTarget(tree, drop_);
    // Without OLE on this thread (some tests) the tree is simply no drop target.
    RegisterDragDrop(tree, dropTarget_.Get());
    return treeKeys_.Attach(tree);
}

void CCommView::FillTree() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    images_.Reset(ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK, kIconCount, 0));
    BitmapHandle strip(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_KIND_ICONS),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (images_ && strip)
        ImageList_AddMasked(images_.Get(), strip.Get(), kMaskColour);
    tree_.SetImageList(images_.Get());

    root_ = tree_.InsertItem(TVI_ROOT, LoadStringResource(instance, IDS_COMMANDS), kClosedFolder,
                             kClosedFolder, 0);
    for (int kind = 0; kind < kKindCount; ++kind) {
        tree_.InsertItem(root_, LoadStringResource(instance, IDS_KIND_FIRST + kind),
                         KindImage(kind), KindImage(kind),
                         reinterpret_cast<LPARAM>(&prototypes_.Prototype(kind)));
    }
    tree_.Select(tree_.FirstChild(root_));
    tree_.Expand(root_, TVE_EXPAND);
    // Expanding by message tells nobody; the images follow here.
    UpdateRootImages();
}

LRESULT CCommView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SIZE:
            if (tree_.Handle())
                MoveWindow(tree_.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (tree_.Handle())
                SetFocus(tree_.Handle());
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header && header->hwndFrom == tree_.Handle() && tree_.Handle())
                return OnNotify(*header);
            return 0;
        }
        case WM_CONTEXTMENU:
            OnContextMenu(lParam);
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT CCommView::OnNotify(const NMHDR& header) {
    switch (header.code) {
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDEDW:
            UpdateRootImages();
            return 0;
        case NM_DBLCLK:
            // Nonzero keeps the tree from expanding or collapsing what was edited.
            return OnDoubleClick() ? 1 : 0;
        case NM_RCLICK:
            OnRightClick();
            return 1;
        case TVN_BEGINDRAGA:
        case TVN_BEGINDRAGW:
            // The item's data is its kind's prototype; the root has none.
            StartDrag(reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.hItem,
                      reinterpret_cast<const SceneEntry*>(
                          reinterpret_cast<const NMTREEVIEWA&>(header).itemNew.lParam));
            return 0;
        case NM_SETFOCUS: {
            // The frame puts the focused pane's commands first.
            NMHDR focus = {Handle(), static_cast<UINT_PTR>(id_), static_cast<UINT>(NM_SETFOCUS)};
            if (HWND parent = GetParent(Handle()))
                SendMessageA(parent, WM_NOTIFY, static_cast<WPARAM>(id_),
                             reinterpret_cast<LPARAM>(&focus));
            return 0;
        }
        default:
            return 0;
    }
}

LRESULT PaletteTreeKeys::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN: {
            const bool repeat = (lParam & (1 << 30)) != 0;
            if (wParam == VK_RETURN && !repeat && view_.HasKindSelected()) {
                view_.EditSelectedPrototype();
                return 0;
            }
            break;
        }
        case WM_DESTROY:
            RevokeDragDrop(Handle());
            break;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            // Not every system's DefWindowProc turns Shift+F10 into WM_CONTEXTMENU, so the palette
            // answers the key itself, once, and the system never sees it.
            if (wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000) != 0) {
                if (msg == WM_SYSKEYDOWN)
                    view_.OnContextMenu(-1);
                return 0;
            }
            break;
        default:
            break;
    }
    return CallDefault(msg, wParam, lParam);
}

bool CCommView::OnDoubleClick() {
    HTREEITEM selected = tree_.Selection();
    if (!selected || selected == root_)
        return false;
    const DWORD position = GetMessagePos();
    POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ScreenToClient(tree_.Handle(), &point);
    RECT item;
    if (!tree_.ItemRect(selected, true, item) || !PtInRect(&item, point))
        return false;
    EditSelectedPrototype();
    return true;
}

void CCommView::OnRightClick() {
    const DWORD position = GetMessagePos();
    POINT screen = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    POINT client = screen;
    ScreenToClient(tree_.Handle(), &client);
    if (HTREEITEM item = tree_.HitTest(client))
        tree_.Select(item);
    ShowContextMenu(screen);
}

void CCommView::OnContextMenu(LPARAM position) {
    POINT screen = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {
        screen = kKeyboardMenuPoint;
        ClientToScreen(tree_.Handle(), &screen);
    }
    ShowContextMenu(screen);
}

void CCommView::ShowContextMenu(POINT screen) {
    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_VIEW_MENUS)));
    HMENU popup = menu ? GetSubMenu(menu.Get(), kLeftMenu) : nullptr;
    if (!popup)
        return;
    // Owned by the main frame, its items take the route and the rules of the main menu's.
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, MainFrame(),
                   nullptr);
}

void CCommView::UpdateRootImages() {
    if (!root_)
        return;
    const int image = tree_.IsExpanded(root_) ? kOpenFolder : kClosedFolder;
    tree_.SetImages(root_, image, image);
}

HWND CCommView::MainFrame() const {
    return GetAncestor(Handle(), GA_ROOT);
}

SceneEntry* CCommView::SelectedPrototype() const {
    HTREEITEM selected = tree_.Selection();
    if (!selected || selected == root_)
        return nullptr;
    return reinterpret_cast<SceneEntry*>(tree_.Data(selected));
}

bool CCommView::HasKindSelected() const {
    return SelectedPrototype() != nullptr;
}

int CCommView::SelectedKind() const {
    const SceneEntry* prototype = SelectedPrototype();
    return prototype ? prototype->Kind() : -1;
}

std::unique_ptr<SceneEntry> CCommView::TakeSelectedPrototype() {
    const SceneEntry* prototype = SelectedPrototype();
    if (!prototype)
        return nullptr;
    const std::int32_t kind = prototype->Kind();
    std::unique_ptr<SceneEntry> taken = prototypes_.Take(kind);
    tree_.SetData(tree_.Selection(), reinterpret_cast<LPARAM>(&prototypes_.Prototype(kind)));
    return taken;
}

bool CCommView::EditSelectedPrototype() {
    SceneEntry* prototype = SelectedPrototype();
    if (!prototype || !editor_)
        return false;
    HWND frame = MainFrame();
    if (!editor_->Edit(frame, *prototype))
        return false;
    // Add takes what is selected when it runs: the dialog was modal over the frame, so that is
    // still this prototype.
    SendMessageA(frame, WM_COMMAND, MAKEWPARAM(kCmdAdd, 0), 0);
    return true;
}

DWORD PaletteDropHandler::OnDragEnter(IDataObject* data, DWORD, POINT point, DWORD) {
    for (const char* format : {kCopySceneFormat, kMoveSceneFormat, kLinkSceneFormat}) {
        if (OffersFormat(data, static_cast<CLIPFORMAT>(RegisteredFormat(format)))) {
            image_.Show(tree_, point, DragSourceProcess(data));
            break;
        }
    }
    return DROPEFFECT_NONE;
}

DWORD PaletteDropHandler::OnDragOver(DWORD, POINT point, DWORD) {
    image_.Move(point);
    return DROPEFFECT_NONE;
}

DWORD PaletteDropHandler::OnDrop(IDataObject*, DWORD, POINT, DWORD) {
    image_.End();
    return DROPEFFECT_NONE;
}

void CCommView::StartDrag(HTREEITEM item, const SceneEntry* prototype) {
    if (!prototype)
        return;
    // The tree's own picture of the item, for the list to show while the drag is over it.
    ImageListHandle picture(TreeView_CreateDragImage(tree_.Handle(), item));
    if (auto image = ImageOfList(picture.Get(), RGB(0, 128, 128))) {
        image->hotX = 17;
        image->hotY = 9;
        SaveDragImage(*image);
    }
    picture.Reset();
    const UINT copy = RegisteredFormat(kCopySceneFormat);
    const UINT process = RegisteredFormat(kDragSourceFormat);
    // The prototype is only written when a target asks; it stays in the palette.
    ComPtr<IDataObject> data = MakeDataObject(
        {static_cast<CLIPFORMAT>(copy), static_cast<CLIPFORMAT>(process)},
        [prototype, copy, process](CLIPFORMAT format) -> std::optional<std::vector<std::uint8_t>> {
            if (format == process) {
                const DWORD id = GetCurrentProcessId();
                std::vector<std::uint8_t> bytes(sizeof id);
                std::memcpy(bytes.data(), &id, sizeof id);
                return bytes;
            }
            if (format != copy)
                return std::nullopt;
            const EntryList none;
            return WriteCopyBlock(none, {prototype});
        });
    // One command, copied.
    ComPtr<IDropSource> source = MakeDropSource(ProgramDragCursors(1));
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY, &effect);
    DeleteDragImage();
}

}  // namespace vl
