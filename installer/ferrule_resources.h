// Resource ids of Ferrule.
#pragma once

#define IDI_FERRULE 128
#define IDD_INSTALLER 102
#define IDC_INSTALL 1002
#define IDC_PREVIEW 1003
#define IDC_NAME 1005
