// The builder's resource and command ids. Plain #defines: the resource compiler reads this file
// as well as the C++ code, portable code included.
#pragma once

// Menu, accelerators, icon and toolbar of the main frame; the document type string.
#define IDR_MAINFRAME 128
#define IDS_DOCUMENT_TYPE 128
#define IDI_DOCUMENT 129

// Pictures.
#define IDB_SPLASH 102
#define IDB_START_WIZARD 298
#define IDB_START_EMPTY 300
#define IDB_START_OPEN 299
#define IDB_TOOLBAR_DISABLED 302
#define IDB_TOOLBAR 303
// The About box's picture.
#define IDB_ABOUT 305

// Dialogs and their controls.
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_VERSION 1000
#define IDD_START_WINDOW 283
#define IDC_START_DO_NOT_SHOW 1264
#define IDC_START_WIZARD 1272
#define IDC_START_EMPTY 1273
#define IDC_START_OPEN 1274

// Commands. Each command's string (same id) is "status-bar prompt\ntooltip".
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE2 57617
#define ID_FILE_MRU_FILE3 57618
#define ID_FILE_MRU_FILE4 57619
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_SELECT_ALL 57642
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define ID_MAKE_SS 32791
#define ID_REFRESH 32792
#define ID_PREVIEW 32793
#define ID_ACTIVATE 32794
#define ID_DEACTIVATE 32795
#define ID_ACTIVATE_ALL 32796
#define ID_ADD 32797
#define ID_INSERT 32798
#define ID_DELETE 32799
#define ID_CURRENT 32800
#define ID_OPTIONS 32801
#define ID_HELP_TOPICS 32867
#define ID_REUSE 32869
#define ID_ALWAYS_ON_TOP 32870
#define ID_WIZARD 32872
#define ID_MAKE_INSTALL 32873
#define ID_START_WINDOW 32876
#define ID_SET_DEFAULT_SS 32878
#define ID_MAKE_INSTALL_FOR_SCR 32879
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

// Strings of the status bar.
#define IDS_READY 0xE001
#define IDS_INDICATOR_CAPS 0xE700
#define IDS_INDICATOR_NUM 0xE701
#define IDS_INDICATOR_SCRL 0xE702
