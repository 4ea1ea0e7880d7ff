// Resource ids of the "Preview AVI" dialog.
#pragma once

#define IDD_PREVIEW_AVI 321
