// A tree-view control, wrapped: one method per message it is sent. It does not own the window.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

namespace vl {

class TreeControl {
  public:
    TreeControl() = default;
    explicit TreeControl(HWND tree) : tree_(tree) {}
    void Attach(HWND tree) { tree_ = tree; }
    HWND Handle() const { return tree_; }

    // A new last child of parent (TVI_ROOT for a root item); nullptr when it fails.
    HTREEITEM InsertItem(HTREEITEM parent, const std::string& text, int image, int selectedImage,
                         LPARAM data) const {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(text.c_str());
        insert.item.iImage = image;
        insert.item.iSelectedImage = selectedImage;
        insert.item.lParam = data;
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    HIMAGELIST SetImageList(HIMAGELIST images) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessageA(tree_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images)));
    }
    HTREEITEM Selection() const { return Next(nullptr, TVGN_CARET); }
    HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
    HTREEITEM FirstChild(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM NextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    bool Select(HTREEITEM item) const {
        return SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
    }
    bool Expand(HTREEITEM item, UINT action) const {
        return SendMessageA(tree_, TVM_EXPAND, action, reinterpret_cast<LPARAM>(item)) != 0;
    }
    bool IsExpanded(HTREEITEM item) const {
        return (SendMessageA(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item),
                             TVIS_EXPANDED) &
                TVIS_EXPANDED) != 0;
    }
    LPARAM Data(HTREEITEM item) const {
        TVITEMA tvItem = {};
        tvItem.mask = TVIF_PARAM | TVIF_HANDLE;
        tvItem.hItem = item;
        SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvItem));
        return tvItem.lParam;
    }
    void SetData(HTREEITEM item, LPARAM data) const {
        TVITEMA tvItem = {};
        tvItem.mask = TVIF_PARAM | TVIF_HANDLE;
        tvItem.hItem = item;
        tvItem.lParam = data;
        SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvItem));
    }
    void SetImages(HTREEITEM item, int image, int selectedImage) const {
        TVITEMA tvItem = {};
        tvItem.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
        tvItem.hItem = item;
        tvItem.iImage = image;
        tvItem.iSelectedImage = selectedImage;
        SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvItem));
    }
    // Image and selected image of the item.
    void Images(HTREEITEM item, int& image, int& selectedImage) const {
        TVITEMA tvItem = {};
        tvItem.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
        tvItem.hItem = item;
        SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvItem));
        image = tvItem.iImage;
        selectedImage = tvItem.iSelectedImage;
    }
    std::string Text(HTREEITEM item) const {
        char text[256] = "";
        TVITEMA tvItem = {};
        tvItem.mask = TVIF_TEXT | TVIF_HANDLE;
        tvItem.hItem = item;
        tvItem.pszText = text;
        tvItem.cchTextMax = sizeof text;
        SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvItem));
        return text;
    }
    // The rectangle of the item's text (textOnly) or of its whole line, in client coordinates;
    // false when the item is not visible.
    bool ItemRect(HTREEITEM item, bool textOnly, RECT& rect) const {
        // The message takes the item in the rectangle's first bytes.
        std::memcpy(&rect, &item, sizeof item);
        return SendMessageA(tree_, TVM_GETITEMRECT, textOnly ? TRUE : FALSE,
                            reinterpret_cast<LPARAM>(&rect)) != 0;
    }
    // The item at a client point, or nullptr; flags receives where on it (TVHT_*).
    HTREEITEM HitTest(POINT point, UINT* flags = nullptr) const {
        TVHITTESTINFO hit = {};
        hit.pt = point;
        HTREEITEM item = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (flags)
            *flags = hit.flags;
        return item;
    }

  private:
    HTREEITEM Next(HTREEITEM item, UINT relation) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }

    HWND tree_ = nullptr;  // not owned
};

}  // namespace vl
