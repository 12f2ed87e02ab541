; The per-user installer of the Windows program, with Japanese pages.
; make-release.sh defines VERSION (1.00), VERSION_QUAD (1.0.0.0), EXE, ICON
; and OUTFILE, and SIGN, a command that signs a file, when one is given.
Unicode true
; The program is 64-bit, and so is every Windows it runs on; Debian's
; wine64, which the tests run, starts no 32-bit installer.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "タヴロスク作成支援ツール"
!define PUBLISHER "タヴロスク制作室"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrosk"
!define FOLDER_VERB "Software\Classes\Directory\shell\Tavrosk"
!define BACKGROUND_VERB "Software\Classes\Directory\Background\shell\Tavrosk"
!define SHORTCUT "${PRODUCT}.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tavrosk"
; An upgrade goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"
; A file that cannot be written stops the install rather than being left out.
AllowSkipFiles off

!ifdef SIGN
!uninstfinalize '"${SIGN}" "%1"' = 0
!finalize '"${SIGN}" "%1"' = 0
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_WELCOMEPAGE_TEXT "$(^NameDA) をこのユーザーのためにインストールします。管理者の権限は要りません。$\r$\n$\r$\nフォルダの右クリックメニューに「タヴロスクで開く」が加わります。$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartTool
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "© 2026 ${PUBLISHER}"

; A running program's file can be neither replaced nor removed: the user is
; asked to close it, and nothing is touched until then. Silent, or on
; Cancel, the run stops with nothing changed.
!macro WAIT_UNTIL_CLOSED un
Function ${un}WaitUntilClosed
  check:
    ClearErrors
    IfFileExists "$INSTDIR\tavrosk.exe" 0 closed
    FileOpen $0 "$INSTDIR\tavrosk.exe" a
    IfErrors running
    FileClose $0
  closed:
    Return
  running:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT}が起動しています。$\r$\n終了してから［再試行］を押してください。" /SD IDCANCEL IDRETRY check
    Abort
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

; Started from the Start menu or the finish page, the tool opens on the
; user's music folder, or the user's own folder where there is none.
Function EnterStartFolder
  ${If} ${FileExists} "$MUSIC\*.*"
    SetOutPath "$MUSIC"
  ${Else}
    SetOutPath "$PROFILE"
  ${EndIf}
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  Call WaitUntilClosed
  ; The uninstaller also removes the folder around the install folder, if
  ; the install made it and nothing else is in it then.
  ${GetParent} "$INSTDIR" $1
  StrCpy $2 0
  ${IfNot} ${FileExists} "$1\*.*"
    StrCpy $2 1
  ${EndIf}
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    ReadRegDWORD $3 HKCU "${UNINSTALL_KEY}" "ParentFolderMade"
    IntOp $2 $2 | $3
  ${ElseIf} $0 != ""
    ; Installed before in another folder: moved from there.
    Delete "$0\tavrosk.exe"
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "/oname=tavrosk.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  Call EnterStartFolder
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\tavrosk.exe" "" "$INSTDIR\tavrosk.exe" 0
  ; The desktop shortcut is made again below only if it is still wanted.
  Delete "$DESKTOP\${SHORTCUT}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrosk.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  ${GetSize} "$INSTDIR" "/S=0K" $0 $3 $4
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} $2 = 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "ParentFolderMade" 1
  ${EndIf}

  ; "Open with the tool" on a folder and on a folder's background; never
  ; the folders' default verb, which is left as it is.
  WriteRegStr HKCU "${FOLDER_VERB}" "" "タヴロスクで開く"
  WriteRegStr HKCU "${FOLDER_VERB}" "Icon" "$INSTDIR\tavrosk.exe,0"
  WriteRegStr HKCU "${FOLDER_VERB}\command" "" '"$INSTDIR\tavrosk.exe" -- "%1"'
  WriteRegStr HKCU "${BACKGROUND_VERB}" "" "タヴロスクで開く"
  WriteRegStr HKCU "${BACKGROUND_VERB}" "Icon" "$INSTDIR\tavrosk.exe,0"
  WriteRegStr HKCU "${BACKGROUND_VERB}\command" "" '"$INSTDIR\tavrosk.exe" -- "%V"'
SectionEnd

Section /o "デスクトップのショートカット" SecDesktop
  Call EnterStartFolder
  CreateShortCut "$DESKTOP\${SHORTCUT}" "$INSTDIR\tavrosk.exe" "" "$INSTDIR\tavrosk.exe" 0
SectionEnd

Section Uninstall
  Call un.WaitUntilClosed
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "ParentFolderMade"
  Delete "$INSTDIR\tavrosk.exe"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${FOLDER_VERB}"
  DeleteRegKey HKCU "${BACKGROUND_VERB}"
  ; The keys above them, made for them, go too if they are empty now.
  DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
  DeleteRegKey /ifempty HKCU "Software\Classes\Directory\Background\shell"
  DeleteRegKey /ifempty HKCU "Software\Classes\Directory\Background"
  DeleteRegKey /ifempty HKCU "Software\Classes\Directory\shell"
  DeleteRegKey /ifempty HKCU "Software\Classes\Directory"
  DeleteRegKey /ifempty HKCU "Software\Classes"
  RMDir "$INSTDIR"
  ${If} $0 = 1
    ${GetParent} "$INSTDIR" $1
    RMDir "$1"
  ${EndIf}
SectionEnd

; The desktop shortcut stays ticked for an upgrade where there is one.
Function .onInit
  ${If} ${FileExists} "$DESKTOP\${SHORTCUT}"
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
FunctionEnd

Function SkipFolderOnUpgrade
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    Abort
  ${EndIf}
FunctionEnd

Function StartTool
  Call EnterStartFolder
  Exec '"$INSTDIR\tavrosk.exe"'
FunctionEnd
