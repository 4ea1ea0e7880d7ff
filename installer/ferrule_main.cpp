// Ferrule, the installer stub: a dialog that installs or previews the screen saver appended to
// its own file.
#include <windows.h>

#include "installer/installer_dialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vl::InstallerDialog dialog;
    return dialog.Run() == -1 ? 1 : 0;
}
