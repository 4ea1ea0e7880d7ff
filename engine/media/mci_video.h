// The few Media Control Interface commands the video windows use.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace vl {

// Opens file as a video in a child window (WS_CHILD | WS_VISIBLE) of parent; MCI_WAIT when
// `wait`. Returns 0 and the device id, or the MCI error.
MCIERROR OpenVideo(const char* file, HWND parent, bool wait, UINT& device);
// The source rectangle's size (MCI_WHERE with MCI_DGV_WHERE_SOURCE); 0 x 0 when it is unknown.
SIZE VideoSourceSize(UINT device);
// A command without parameters of its own (MCI_STOP, MCI_CLOSE), with MCI_WAIT.
MCIERROR SendWaitingCommand(UINT device, UINT command);

}  // namespace vl
