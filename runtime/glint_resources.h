// Resource ids of Glint, and the texts of its string table. The texts are macros so that the
// string table and the code use the same literal.
#pragma once

// The program's icon, the first in the file: the one the shell shows for a screen saver.
#define IDI_GLINT 100

// The preview picture; the builder overwrites its data in place, so it stays 96 x 112 with 256
// colours.
#define IDB_PREVIEW 144

// The run window's cursors: a visible arrow (hot spot 1, 1) and a fully transparent one.
#define IDC_VISIBLE_ARROW 193
#define IDC_TRANSPARENT 131

// "New password": password and confirmation.
#define IDD_NEW_PASSWORD 102
#define IDC_NEW_PASSWORD 1002
#define IDC_CONFIRM_PASSWORD 1001
// "Password": the current password.
#define IDD_PASSWORD 103
#define IDC_PASSWORD 1000

// "Settings".
#define IDD_SETTINGS 133
#define IDC_START_ON_STARTUP 1003
#define IDC_SHOW_CURSOR 1004
#define IDC_EXIT_STANDARD 1005
#define IDC_EXIT_MOUSE_MOVE 1006
#define IDC_EXIT_BUTTON_DOWN 1007
#define IDC_EXIT_DOUBLE_CLICK 1008
#define IDC_EXIT_KEY_DOWN 1009
#define IDC_EXIT_ESCAPE 1010
#define IDC_EXIT_DEACTIVATE 1011
#define IDC_SYS_KEY_COMB 1012

#define IDS_WRONG_PASSWORD 33000
#define IDS_PASSWORDS_DIFFER 33001
#define IDS_PASSWORD_CHANGED 33002
#define IDS_RUN_KEY 33003
#define IDS_PROFILE_KEY 33004
#define IDS_STARTUP_VALUE 33005
#define IDS_SETTINGS_SECTION 33006
#define IDS_STANDARD 33007
#define IDS_MOUSE_MOVE 33008
#define IDS_BUTTON_DOWN 33009
#define IDS_DOUBLE_CLICK 33010
#define IDS_KEY_DOWN 33011
#define IDS_ESCAPE 33012
#define IDS_DEACTIVATE 33013
#define IDS_SHOW_CURSOR 33014
#define IDS_SYS_KEY_COMB 33015
#define IDS_STARTUP_NOT_CHANGED 33016
#define IDS_PASSWORD_NOT_STORED 33017
#define IDS_SETTINGS_NOT_STORED 33018

// One literal each: the resource compiler does not join adjacent literals.
// clang-format off
#define GLINT_WRONG_PASSWORD "The password is not correct."
#define GLINT_PASSWORDS_DIFFER "The new and confirmed passwords do not match."
#define GLINT_PASSWORD_CHANGED "The password has been successfully changed."
#define GLINT_RUN_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Run"
#define GLINT_PROFILE_KEY "Quillmark\\Screen Saver"
#define GLINT_STARTUP_VALUE "ScreenSaver"
#define GLINT_SETTINGS_SECTION "Settings"
#define GLINT_STANDARD "Standard"
#define GLINT_MOUSE_MOVE "MouseMove"
#define GLINT_BUTTON_DOWN "ButtonDown"
#define GLINT_DOUBLE_CLICK "DoubleClick"
#define GLINT_KEY_DOWN "KeyDown"
#define GLINT_ESCAPE "Escape"
#define GLINT_DEACTIVATE "Deactivate"
#define GLINT_SHOW_CURSOR "ShowCursor"
#define GLINT_SYS_KEY_COMB "SysKeyComb"
#define GLINT_STARTUP_NOT_CHANGED "Windows did not let the screen saver change whether it starts with Windows.\n\nThis setting needs administrator rights."
#define GLINT_PASSWORD_NOT_STORED "The new password could not be stored."
#define GLINT_SETTINGS_NOT_STORED "The settings could not be stored."
// clang-format on

// The caption of Glint's message boxes.
#define GLINT_TITLE "Screen Saver"
