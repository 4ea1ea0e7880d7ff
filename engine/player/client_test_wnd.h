// CClientTestWnd: the drawing window of a preview. It draws nothing itself but its background,
// which a Cls sets; everything else on it is drawn by the player thread through its own client
// device context.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "engine/player/drawing_window.h"

namespace vl {

class CClientTestWnd : public DrawingWindow {
  public:
    static constexpr char kClassName[] = "SSCLIENTWND1.0";
    static constexpr std::uint32_t kInitialRop = SRCCOPY;

    // A child covering `area` of parent, without client edge.
    bool Create(HWND parent, const RECT& area, int id);

    // Stores both values and repaints the whole window with the colour before returning
    // (RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW). From the player thread this waits for the
    // window's own thread to paint; CSceneThread::Stop keeps serving that while it waits.
    void Redraw(std::uint32_t colour, std::uint32_t rop) override;

    std::uint32_t RasterOperation() const { return rop_.load(); }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // The handle as the player thread reads it: set once created, cleared when destroyed.
    std::atomic<HWND> handle_{nullptr};

    // Written by the player thread with the colour of a Cls.
    std::atomic<std::uint32_t> rop_{kInitialRop};
};

}  // namespace vl
