// Resource ids of Ferrule.
#pragma once

#define IDI_FERRULE 128
#define IDD_ABOUTBOX 100
#define IDD_INSTALLER 102
#define IDS_ABOUTBOX 101
#define IDS_TEMPORARY_FILE_FAILED 102
// System menu commands must keep the low four bits clear.
#define IDM_ABOUTBOX 0x0010
#define IDC_INSTALL 1002
#define IDC_PREVIEW 1003
#define IDC_NAME 1005
