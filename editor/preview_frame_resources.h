// Resource and command ids of the preview window. Plain #defines: the resource compiler reads this
// file as well as the C++ code. Each command's string (same id) is "prompt\ntooltip".
#pragma once

// The toolbar's button images (seven, 16 x 15) and the accelerator table of the preview's keys.
#define IDR_PREVIEW_TOOLBAR 186
// The eighth image: Keep Visible when on.
#define IDB_PREVIEW_KEEP_VISIBLE 188

#define ID_PREVIEW_GO 32802
#define ID_PREVIEW_STEP 32803
#define ID_PREVIEW_PAUSE 32804
#define ID_PREVIEW_STOP 32805
#define ID_PREVIEW_EXIT 32806
#define ID_PREVIEW_KEEP_VISIBLE 32807
#define ID_PREVIEW_SOUND 32845
