// Every command of the builder's menu, toolbar, accelerators and system menu. The string with a
// command's id is its prompt: the status-bar text, then after a line break the tooltip.
#pragma once

#include <cstdint>

namespace vl {

// The low word of WM_COMMAND's wParam.
using CommandId = std::uint16_t;

// Scene files and what is made of them
inline constexpr CommandId kCmdNew = 57600;
inline constexpr CommandId kCmdOpen = 57601;
inline constexpr CommandId kCmdSave = 57603;
inline constexpr CommandId kCmdSaveAs = 57604;
inline constexpr CommandId kCmdMakeSS = 32791;
inline constexpr CommandId kCmdMakeInstall = 32873;
inline constexpr CommandId kCmdSetSSAsDefault = 32878;
inline constexpr CommandId kCmdRecentFile1 = 57616;  // File1 .. File4 follow
inline constexpr int kRecentFileCommands = 4;
inline constexpr CommandId kCmdExit = 57665;

// Editing the list
inline constexpr CommandId kCmdCut = 57635;
inline constexpr CommandId kCmdCopy = 57634;
inline constexpr CommandId kCmdPaste = 57637;
inline constexpr CommandId kCmdDelete = 32799;
inline constexpr CommandId kCmdSelectAll = 57642;
inline constexpr CommandId kCmdOptions = 32801;
inline constexpr CommandId kCmdReuse = 32869;

// Preview, bars and refresh
inline constexpr CommandId kCmdPreview = 32793;
inline constexpr CommandId kCmdToolbar = 59392;
inline constexpr CommandId kCmdStatusBar = 59393;
inline constexpr CommandId kCmdRefresh = 32792;

// Commands from the palette, and switching entries on and off
inline constexpr CommandId kCmdAddAndEdit = 32800;  // "&Current..."
inline constexpr CommandId kCmdAdd = 32797;
inline constexpr CommandId kCmdInsert = 32798;
inline constexpr CommandId kCmdDeactivate = 32795;
inline constexpr CommandId kCmdActivate = 32794;
inline constexpr CommandId kCmdActivateAll = 32796;

// Wizard, start window, installer for any screen saver
inline constexpr CommandId kCmdWizard = 32872;
inline constexpr CommandId kCmdStartWindow = 32876;
inline constexpr CommandId kCmdMakeInstallForScr = 32879;

// Help
inline constexpr CommandId kCmdHelpTopics = 32867;
inline constexpr CommandId kCmdAbout = 57664;

// Keys only: F6 and Shift+F6.
inline constexpr CommandId kCmdNextPane = 57680;
inline constexpr CommandId kCmdPrevPane = 57681;

// The system menu's "&Always On Top".
inline constexpr CommandId kCmdAlwaysOnTop = 32870;

}  // namespace vl
