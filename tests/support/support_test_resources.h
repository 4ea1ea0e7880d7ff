// Ids of the dialogs the test-support tests drive.
#pragma once

#define IDD_SUPPORT_FORM 100
#define IDD_SUPPORT_DETAIL 101

#define IDC_SUPPORT_NAME 1000
#define IDC_SUPPORT_LOOP 1001
#define IDC_SUPPORT_SHADE 1002
#define IDC_SUPPORT_DETAIL 1003
#define IDC_SUPPORT_LOCKED 1004
#define IDC_SUPPORT_HIDDEN 1005
#define IDC_SUPPORT_NOTE 1006
