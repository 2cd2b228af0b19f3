; The Windows setup program: installs the saver for the current user (no
; administrator needed), makes it the screen saver, registers it with
; Settings > Apps, and can take all of that back out again.
;
; tools/release runs makensis on it with
;   /DVERSION=x.y.z     the project's version
;   /DSCR64=file /DSCR32=file     the two builds of the saver
;   /DFILES=file        an include of the licence files (InstallLicences and
;                       un.RemoveLicences), written by tools/release
;   /DICON=file /DWELCOME=file  the icon, the first and last pages' picture
;   /DOUTFILE=file
Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; Stored file times would make every build's bytes differ.
SetDateSave off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "Quib Advent Screen Saver"
!define PUBLISHER "Quib Software"
!define SAVER "quibac.scr"
!define UNINSTALLER "Uninstall.exe"
; Our own key: what the screen saver was before, and the pages' language.
!define OUR_KEY "Software\Quib Advent"
!define APPS_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quib Advent"
!define DESKTOP_KEY "Control Panel\Desktop"
; The saver keeps the setting here when the Windows folder cannot be written.
!define SETTINGS_FOLDER "$APPDATA\Quib Advent Screen Saver"
!define SETTINGS_FILE "QUIBAC.INI"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_TELL 3

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quib Advent"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) 2026 the Quib Advent Screen Saver authors"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${OUR_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenScreenSaverSettingsText)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!include "strings.nsh"
!insertmacro MUI_RESERVEFILE_LANGDLL
!include "${FILES}"

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Install"
  ; A saver that is running keeps its file, which could then not be
  ; replaced; nothing is changed, and the setup says so rather than
  ; succeeding with the old file left in place.
  Delete "$INSTDIR\${SAVER}"
  ${If} ${FileExists} "$INSTDIR\${SAVER}"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(SaverStillRunningText)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=${SAVER}" "${SCR64}"
  ${Else}
    File "/oname=${SAVER}" "${SCR32}"
  ${EndIf}
  !insertmacro InstallLicences
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  Call MakeItTheScreenSaver
  Call RegisterWithApps
SectionEnd

; SCRNSAVE.EXE takes the short path: the desktop starts the saver from a
; command line it builds from the value, which a space would cut short.
Function MakeItTheScreenSaver
  GetFullPathName /SHORT $0 "$INSTDIR\${SAVER}"
  ${If} $0 == ""
    ; No short names on this volume: the long path is all there is.
    StrCpy $0 "$INSTDIR\${SAVER}"
  ${EndIf}
  ClearErrors
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} ${Errors}
  ${AndIf} $1 == ""
    StrCpy $2 "absent"
  ${Else}
    StrCpy $2 "present"
  ${EndIf}
  ReadRegStr $3 HKCU "${OUR_KEY}" "Installed Screen Saver"
  ; Installed again over ourselves: what we replaced the first time is what
  ; uninstalling must bring back, not our own file.
  ${If} $3 == ""
  ${OrIf} $1 != $3
    DeleteRegValue HKCU "${OUR_KEY}" "Previous Screen Saver"
    DeleteRegValue HKCU "${OUR_KEY}" "Previous Screen Saver Active"
    ${If} $2 == "present"
      WriteRegStr HKCU "${OUR_KEY}" "Previous Screen Saver" $1
    ${EndIf}
    ClearErrors
    ReadRegStr $4 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${IfNot} ${Errors}
    ${OrIf} $4 != ""
      WriteRegStr HKCU "${OUR_KEY}" "Previous Screen Saver Active" $4
    ${EndIf}
  ${EndIf}
  WriteRegStr HKCU "${OUR_KEY}" "Installed Screen Saver" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  ; Through the system as well as the registry, so that the running session
  ; takes the change now rather than at the next sign-in.
  System::Call "user32::SystemParametersInfo(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_TELL})"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
FunctionEnd

Function RegisterWithApps
  WriteRegStr HKCU "${APPS_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${APPS_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${APPS_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${APPS_KEY}" "DisplayIcon" "$INSTDIR\${SAVER},0"
  WriteRegStr HKCU "${APPS_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${APPS_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${APPS_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${APPS_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${APPS_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${APPS_KEY}" "EstimatedSize" $0
FunctionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

Section "Uninstall"
  ; A saver that is running keeps its file; everything stays as it is, so
  ; that the entry in Settings > Apps can be used again once it has closed.
  Delete "$INSTDIR\${SAVER}"
  ${If} ${FileExists} "$INSTDIR\${SAVER}"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(SaverStillRunningText)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  Call un.PutBackTheScreenSaver
  !insertmacro un.RemoveLicences
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: whatever the user put there stays.
  RMDir "$INSTDIR"
  Delete "${SETTINGS_FOLDER}\${SETTINGS_FILE}"
  RMDir "${SETTINGS_FOLDER}"
  DeleteRegKey HKCU "${OUR_KEY}"
  ; Last, so that an entry that is gone means everything else is too.
  DeleteRegKey HKCU "${APPS_KEY}"
SectionEnd

; Only while ours is still the screen saver: one the user chose since stays.
Function un.PutBackTheScreenSaver
  ReadRegStr $0 HKCU "${OUR_KEY}" "Installed Screen Saver"
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == ""
  ${OrIf} $1 != $0
    Return
  ${EndIf}
  ClearErrors
  ReadRegStr $2 HKCU "${OUR_KEY}" "Previous Screen Saver Active"
  ${If} ${Errors}
    StrCpy $3 "absent"
    StrCpy $4 0
  ${Else}
    StrCpy $3 "present"
    StrCpy $4 $2
  ${EndIf}
  System::Call "user32::SystemParametersInfo(i ${SPI_SETSCREENSAVEACTIVE}, i $4, p 0, i ${SPIF_UPDATE_AND_TELL})"
  ; The system writes its own form of the value; the one the user had (or
  ; none) goes back over it.
  ${If} $3 == "absent"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
  ${Else}
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" $2
  ${EndIf}
  ClearErrors
  ReadRegStr $2 HKCU "${OUR_KEY}" "Previous Screen Saver"
  ${If} ${Errors}
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${Else}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $2
  ${EndIf}
FunctionEnd
