// Every command of the builder's menu, toolbar, accelerators and system menu, named for the code;
// the numbers are those of app/resource.h, which the resource compiler reads too. The string with
// a command's id is its prompt: the status-bar text, then after a line break the tooltip.
#pragma once

#include <cstdint>

#include "app/resource.h"

namespace vl {

// The low word of WM_COMMAND's wParam.
using CommandId = std::uint16_t;

// Scene files and what is made of them
inline constexpr CommandId kCmdNew = ID_FILE_NEW;
inline constexpr CommandId kCmdOpen = ID_FILE_OPEN;
inline constexpr CommandId kCmdSave = ID_FILE_SAVE;
inline constexpr CommandId kCmdSaveAs = ID_FILE_SAVE_AS;
inline constexpr CommandId kCmdMakeSS = ID_MAKE_SS;
inline constexpr CommandId kCmdMakeInstall = ID_MAKE_INSTALL;
inline constexpr CommandId kCmdSetSSAsDefault = ID_SET_DEFAULT_SS;
inline constexpr CommandId kCmdRecentFile1 = ID_FILE_MRU_FILE1;  // File1 .. File4 follow
inline constexpr int kRecentFileCommands = 4;
inline constexpr CommandId kCmdExit = ID_APP_EXIT;

// Editing the list
inline constexpr CommandId kCmdCut = ID_EDIT_CUT;
inline constexpr CommandId kCmdCopy = ID_EDIT_COPY;
inline constexpr CommandId kCmdPaste = ID_EDIT_PASTE;
inline constexpr CommandId kCmdDelete = ID_DELETE;
inline constexpr CommandId kCmdSelectAll = ID_EDIT_SELECT_ALL;
inline constexpr CommandId kCmdOptions = ID_OPTIONS;
inline constexpr CommandId kCmdReuse = ID_REUSE;

// Preview, bars and refresh
inline constexpr CommandId kCmdPreview = ID_PREVIEW;
inline constexpr CommandId kCmdToolbar = ID_VIEW_TOOLBAR;
inline constexpr CommandId kCmdStatusBar = ID_VIEW_STATUS_BAR;
inline constexpr CommandId kCmdRefresh = ID_REFRESH;

// Commands from the palette, and switching entries on and off
inline constexpr CommandId kCmdAddAndEdit = ID_CURRENT;  // "&Current..."
inline constexpr CommandId kCmdAdd = ID_ADD;
inline constexpr CommandId kCmdInsert = ID_INSERT;
inline constexpr CommandId kCmdDeactivate = ID_DEACTIVATE;
inline constexpr CommandId kCmdActivate = ID_ACTIVATE;
inline constexpr CommandId kCmdActivateAll = ID_ACTIVATE_ALL;

// Wizard, start window, installer for any screen saver
inline constexpr CommandId kCmdWizard = ID_WIZARD;
inline constexpr CommandId kCmdStartWindow = ID_START_WINDOW;
inline constexpr CommandId kCmdMakeInstallForScr = ID_MAKE_INSTALL_FOR_SCR;

// Help
inline constexpr CommandId kCmdHelpTopics = ID_HELP_TOPICS;
inline constexpr CommandId kCmdAbout = ID_APP_ABOUT;

// Keys only: F6 and Shift+F6.
inline constexpr CommandId kCmdNextPane = ID_NEXT_PANE;
inline constexpr CommandId kCmdPrevPane = ID_PREV_PANE;

// The system menu's "&Always On Top".
inline constexpr CommandId kCmdAlwaysOnTop = ID_ALWAYS_ON_TOP;

}  // namespace vl
