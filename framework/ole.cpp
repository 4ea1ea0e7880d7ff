#include "framework/ole.h"

#include <shlobj.h>

#include <algorithm>
#include <atomic>

#include "framework/clipboard.h"
#include "framework/handles.h"

namespace vl {
namespace {

// The reference counting every object here shares.
template <class Interface>
class ComObject : public Interface {
  public:
    virtual ~ComObject() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
            *object = static_cast<Interface*>(this);
            this->AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

  private:
    std::atomic<ULONG> references_{1};
};

FORMATETC GlobalFormat(CLIPFORMAT format) {
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

class DataObject final : public ComObject<IDataObject> {
  public:
    DataObject(std::vector<CLIPFORMAT> formats, RenderFormat render)
        : formats_(std::move(formats)), render_(std::move(render)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (!format || !medium)
            return E_INVALIDARG;
        const HRESULT offered = QueryGetData(format);
        if (offered != S_OK)
            return offered;
        const auto bytes = render_ ? render_(format->cfFormat) : std::nullopt;
        if (!bytes)
            return DV_E_FORMATETC;
        HGLOBAL block = MakeShareableBlock(*bytes);
        if (!block)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (!format)
            return E_INVALIDARG;
        if (std::find(formats_.begin(), formats_.end(), format->cfFormat) == formats_.end())
            return DV_E_FORMATETC;
        if (!(format->tymed & TYMED_HGLOBAL))
            return DV_E_TYMED;
        if (format->dwAspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out)
            out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        if (!out)
            return E_INVALIDARG;
        *out = nullptr;
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> all;
        for (CLIPFORMAT format : formats_)
            all.push_back(GlobalFormat(format));
        return SHCreateStdEnumFmtEtc(static_cast<UINT>(all.size()), all.data(), out);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

  private:
    std::vector<CLIPFORMAT> formats_;
    RenderFormat render_;
};

class DropSource final : public ComObject<IDropSource> {
  public:
    explicit DropSource(DragCursorFor cursor) : cursor_(std::move(cursor)) {}

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape)
            return DRAGDROP_S_CANCEL;
        if (!(keys & MK_LBUTTON))
            return DRAGDROP_S_DROP;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        HCURSOR cursor = cursor_ ? cursor_(effect) : nullptr;
        if (!cursor)
            return DRAGDROP_S_USEDEFAULTCURSORS;
        SetCursor(cursor);
        return S_OK;
    }

  private:
    DragCursorFor cursor_;
};

POINT ClientPoint(HWND window, POINTL screen) {
    POINT point{screen.x, screen.y};
    ScreenToClient(window, &point);
    return point;
}

class DropTarget final : public ComObject<IDropTarget> {
  public:
    DropTarget(HWND window, IDropHandler& handler, int inset)
        : window_(window), handler_(handler), inset_(inset) {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                        DWORD* effect) override {
        if (!effect)
            return E_INVALIDARG;
        *effect = handler_.OnDragEnter(data, keys, ClientPoint(window_, point), *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override {
        if (!effect)
            return E_INVALIDARG;
        const POINT client = ClientPoint(window_, point);
        RECT area;
        GetClientRect(window_, &area);
        bool vertical = false;
        int direction = 0;
        if (ScrollDirectionAt(area, client, inset_, vertical, direction) &&
            handler_.OnDragScroll(vertical, direction, client)) {
            *effect = handler_.OnDragOver(keys, client, *effect) | DROPEFFECT_SCROLL;
            return S_OK;
        }
        *effect = handler_.OnDragOver(keys, client, *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        handler_.OnDragLeave();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) override {
        if (!effect)
            return E_INVALIDARG;
        *effect = handler_.OnDrop(data, keys, ClientPoint(window_, point), *effect);
        return S_OK;
    }

  private:
    HWND window_;
    IDropHandler& handler_;
    int inset_;
};

}  // namespace

bool ScrollDirectionAt(const RECT& client, POINT point, int inset, bool& vertical, int& direction) {
    if (point.x < client.left || point.x >= client.right || point.y < client.top ||
        point.y >= client.bottom)
        return false;
    if (point.y < client.top + inset) {
        vertical = true;
        direction = SB_LINEUP;
    } else if (point.y >= client.bottom - inset) {
        vertical = true;
        direction = SB_LINEDOWN;
    } else if (point.x < client.left + inset) {
        vertical = false;
        direction = SB_LINELEFT;
    } else if (point.x >= client.right - inset) {
        vertical = false;
        direction = SB_LINERIGHT;
    } else {
        return false;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> GetDataBytes(IDataObject* data, CLIPFORMAT format) {
    if (!data)
        return std::nullopt;
    FORMATETC wanted = GlobalFormat(format);
    STGMEDIUM medium = {};
    if (data->GetData(&wanted, &medium) != S_OK)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> bytes;
    if (medium.tymed == TYMED_HGLOBAL)
        bytes = GlobalBytes(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return bytes;
}

bool OffersFormat(IDataObject* data, CLIPFORMAT format) {
    if (!data)
        return false;
    FORMATETC wanted = GlobalFormat(format);
    return data->QueryGetData(&wanted) == S_OK;
}

ComPtr<IDataObject> MakeDataObject(std::vector<CLIPFORMAT> formats, RenderFormat render) {
    return ComPtr<IDataObject>::Attach(new DataObject(std::move(formats), std::move(render)));
}

ComPtr<IDropSource> MakeDropSource(DragCursorFor cursor) {
    return ComPtr<IDropSource>::Attach(new DropSource(std::move(cursor)));
}

ComPtr<IDropTarget> MakeDropTarget(HWND window, IDropHandler& handler, int inset) {
    return ComPtr<IDropTarget>::Attach(new DropTarget(window, handler, inset));
}

}  // namespace vl
