// WaitVideoWindow: the child window of one synchronous video play (a Play with "Wait"). It is
// created by the player thread, which stays inside Create until the video has ended or Stop is
// given, and destroyed after the play.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "framework/handles.h"
#include "framework/window.h"

namespace vl {

class WaitVideoWindow : public Window {
  public:
    static constexpr int kControlId = 32780;
    static constexpr int kPlayOnce = -1;
    static constexpr char kClassName[] = "WaitVideoWindow1.0";
    static constexpr char kUnknownError[] = "Error code not known.";

    WaitVideoWindow() = default;
    ~WaitVideoWindow() override { Finish(); }

    // Takes over `file`, which Finish (or the destructor) deletes. Plays it at (x, y) in parent,
    // once when playFlag is kPlayOnce, else repeated, and returns when the play has ended or
    // `stopEvent` is set. The calling thread serves its own window messages meanwhile. False when
    // the window could not be made or MCI failed (ErrorText() says why; nothing is shown).
    bool Create(int playFlag, int x, int y, HWND parent, const std::string& file, HANDLE stopEvent);
    // Stops and closes the video and deletes its file.
    void Finish();

    const std::string& ErrorText() const { return errorText_; }
    UINT DeviceId() const { return device_; }
    SIZE SourceSize() const { return source_; }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Fail(MCIERROR error);
    void WaitForEnd(HANDLE stopEvent);

    TemporaryFile file_;
    UINT device_ = 0;  // open MCI device, 0 when none
    SIZE source_ = {0, 0};
    std::string errorText_;
    bool ended_ = false;  // the play's notification arrived
};

}  // namespace vl
