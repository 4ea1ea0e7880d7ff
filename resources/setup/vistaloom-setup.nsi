; The builder's setup program: Vistaloom.exe and its guide under Program Files, a Start-menu entry,
; the scene file type for every user of the machine, and an entry in the system's list of installed
; programs whose uninstaller first lets the builder remove what it keeps for the user.
;
; Made by make_setup.cmake, which defines:
;   ARCH       x64 or x86
;   BIN_DIR    the folder holding Vistaloom.exe and Help
;   FILES_NSH  the generated lists of the guide's files (VL_INSTALL_HELP, VL_REMOVE_HELP)
;   ICON       the builder's icon
;   OUT_FILE   the setup program to write

Unicode true
!if ${ARCH} == x64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Vistaloom"
!define PUBLISHER "Quillmark"
!define VERSION "2.2"
!define PROGRAM "Vistaloom.exe"
!define SHORTCUT "Vistaloom Builder.lnk"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vistaloom"
!define CLASSES "Software\Classes"
!define DOC_TYPE "Vistaloom.Document"
; The main window's class: a running builder would keep its program file in use.
!define FRAME_CLASS "Vistaloom2.2"

Name "Vistaloom Builder ${VERSION}"
BrandingText "Vistaloom Builder ${VERSION}"
OutFile "${OUT_FILE}"
!if ${ARCH} == x64
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
; Installing again goes to the folder chosen the first time.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vistaloom Builder"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Vistaloom Builder Setup (${ARCH})"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "${FILES_NSH}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "Start Vistaloom Builder"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks to close a running builder; in silent mode the setup gives up instead of waiting.
!macro WAIT_FOR_BUILDER_TO_CLOSE un
  Function ${un}WaitForBuilderToClose
    ${Do}
      FindWindow $0 "${FRAME_CLASS}"
      ${If} $0 = 0
        Return
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Vistaloom Builder is running.$\n$\nClose it, then click Retry." /SD IDCANCEL IDRETRY retry
      Abort
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro WAIT_FOR_BUILDER_TO_CLOSE ""
!insertmacro WAIT_FOR_BUILDER_TO_CLOSE "un."

Function .onInit
  !if ${ARCH} == x64
    SetRegView 64
  !endif
  Call WaitForBuilderToClose
FunctionEnd

Function un.onInit
  !if ${ARCH} == x64
    SetRegView 64
  !endif
  Call un.WaitForBuilderToClose
FunctionEnd

Section "Vistaloom Builder"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/${PROGRAM}"
  ; Installing over an earlier setup of ours: its guide is replaced whole, so that a page this one
  ; no longer has (and its uninstaller would not know) does not stay behind.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    RMDir /r "$INSTDIR\Help"
  ${EndIf}
  !insertmacro VL_INSTALL_HELP
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

  ; The scene file type for every user, the same values the builder writes for its user at each
  ; start, so a scene opens with a double click before anyone has started the builder.
  WriteRegStr HKLM "${CLASSES}\.ssd" "" "${DOC_TYPE}"
  WriteRegStr HKLM "${CLASSES}\.ssd\ShellNew" "" ""
  WriteRegStr HKLM "${CLASSES}\.ssd\ShellNew" "NullFile" ""
  WriteRegStr HKLM "${CLASSES}\${DOC_TYPE}" "" "Vistaloom Document"
  WriteRegStr HKLM "${CLASSES}\${DOC_TYPE}\DefaultIcon" "" "$INSTDIR\${PROGRAM},1"
  WriteRegStr HKLM "${CLASSES}\${DOC_TYPE}\shell\open\command" "" '"$INSTDIR\${PROGRAM}" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vistaloom Builder ${VERSION} (${ARCH})"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

  ; SHCNE_ASSOCCHANGED: Explorer shows the new icon without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  ; The builder removes what it keeps for the user who uninstalls: its settings, its per-user file
  ; type and its files in the application-data folder.
  ExecWait '"$INSTDIR\${PROGRAM}" u'

  Delete "$INSTDIR\${PROGRAM}"
  !insertmacro VL_REMOVE_HELP
  Delete "$SMPROGRAMS\${SHORTCUT}"

  ; The file type only while it still names ours: another program may have taken ".ssd" since.
  ReadRegStr $0 HKLM "${CLASSES}\.ssd" ""
  ${If} $0 == "${DOC_TYPE}"
    DeleteRegKey HKLM "${CLASSES}\.ssd"
  ${EndIf}
  DeleteRegKey HKLM "${CLASSES}\${DOC_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: files the user put there (a "Wizard" folder, pictures) stay.
  RMDir "$INSTDIR"
  ; Last, so that the entry disappears only once everything above is done.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
