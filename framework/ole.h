// Drag-and-drop through OLE: the session each user-interface thread needs, a COM pointer, a data
// object whose registered formats are rendered only when a target asks, a drop source that shows
// the program's cursors, and a drop target that hands every step to a handler.
#pragma once

#include <windows.h>

#include <ole2.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace vl {

// OLE for this thread for the session's lifetime; nested sessions on one thread are counted by
// the system.
class OleSession {
  public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_)
            OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool Ok() const { return ok_; }

  private:
    bool ok_;
};

// Holds one reference to a COM object.
template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    // Takes over a reference the caller owns (a new object, an out parameter).
    static ComPtr Attach(T* object) {
        ComPtr pointer;
        pointer.object_ = object;
        return pointer;
    }
    // Adds a reference of its own.
    static ComPtr Share(T* object) {
        if (object)
            object->AddRef();
        return Attach(object);
    }
    ComPtr(const ComPtr& other) : object_(other.object_) {
        if (object_)
            object_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset() {
        if (T* object = std::exchange(object_, nullptr))
            object->Release();
    }
    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For out parameters: releases what is held first.
    T** Receive() {
        Reset();
        return &object_;
    }

  private:
    T* object_ = nullptr;
};

// The bytes of format in data (an HGLOBAL medium); none when the object does not give them.
std::optional<std::vector<std::uint8_t>> GetDataBytes(IDataObject* data, CLIPFORMAT format);
bool OffersFormat(IDataObject* data, CLIPFORMAT format);

// Offers formats as global memory; render makes a format's bytes when a target asks for them
// (none refuses).
using RenderFormat = std::function<std::optional<std::vector<std::uint8_t>>(CLIPFORMAT)>;
ComPtr<IDataObject> MakeDataObject(std::vector<CLIPFORMAT> formats, RenderFormat render);

// The cursor for an effect the target proposes; null for the system's default cursor.
using DragCursorFor = std::function<HCURSOR(DWORD effect)>;
// Ends the drag with a drop when the left button is released, cancels it on Esc.
ComPtr<IDropSource> MakeDropSource(DragCursorFor cursor);

// What a window does while a drag is over it. Effects are DROPEFFECT values; keys are the
// MK_ flags; points are in the window's client coordinates.
class IDropHandler {
  public:
    virtual ~IDropHandler() = default;
    virtual DWORD OnDragEnter(IDataObject* data, DWORD keys, POINT point, DWORD allowed) = 0;
    virtual DWORD OnDragOver(DWORD keys, POINT point, DWORD allowed) = 0;
    virtual void OnDragLeave() = 0;
    virtual DWORD OnDrop(IDataObject* data, DWORD keys, POINT point, DWORD allowed) = 0;
    // Near an edge during a drag: scrolls one step towards it (SB_LINEUP / SB_LINEDOWN with
    // vertical true, SB_LINELEFT / SB_LINERIGHT with vertical false) and says whether it did.
    virtual bool OnDragScroll(bool vertical, int direction, POINT point) = 0;
};

// Forwards the drag over window to handler (neither owned); the points arrive in window's
// client coordinates. Scroll steps are asked for when the pointer is within inset pixels of an
// edge.
ComPtr<IDropTarget> MakeDropTarget(HWND window, IDropHandler& handler, int inset = 11);

// The edge a point near it asks to scroll towards, by the inset rule; false when none.
bool ScrollDirectionAt(const RECT& client, POINT point, int inset, bool& vertical, int& direction);

}  // namespace vl
