// The builder's main window.
#pragma once

#include "window.h"

namespace vl {

class CMainFrame : public Window {
  public:
    bool Create();

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnDestroy();
};

}  // namespace vl
