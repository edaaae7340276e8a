; The Windows installer: per user, without administrator rights, into the
; user's local programs folder, so that the Updater can replace the program's
; files. The Start-menu shortcut starts Rowsmith in the user's data folder
; (Documents\Rowsmith), where rowsmith.dat lives; the uninstaller leaves it.
; makensis -DVERSION=1.00 -DSTAGE=<staged files> -DOUTFILE=<setup.exe> rowsmith.nsi
; A 64-bit installer for the 64-bit programs: it runs where they run.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

Name "Rowsmith ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Rowsmith"
InstallDirRegKey HKCU "Software\Rowsmith" "InstallDir"

!include "MUI2.nsh"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rowsmith"

Section "Rowsmith"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  CreateDirectory "$DOCUMENTS\Rowsmith"
  ; The shortcut's "start in" folder is the working folder of the program.
  SetOutPath "$DOCUMENTS\Rowsmith"
  CreateDirectory "$SMPROGRAMS\Rowsmith"
  CreateShortcut "$SMPROGRAMS\Rowsmith\Rowsmith.lnk" "$INSTDIR\Rowsmith.exe"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKCU "Software\Rowsmith" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Rowsmith"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Veltra"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Rowsmith.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Rowsmith\Rowsmith.lnk"
  RMDir "$SMPROGRAMS\Rowsmith"
  ; Only the program's folder goes; the data folder with rowsmith.dat stays.
  RMDir /r "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Rowsmith"
SectionEnd
