; Lumetra's Windows installer, built by makensis (see CMakeLists.txt here).
; Defines from the build: VERSION ("1.1.27"), BUILD_CODE ("100307"),
; FILES (the folder holding the installed files), ICON, OUT_FILE.
; 64-bit like the program, so it runs where the program runs and sees the
; 64-bit Program Files and registry.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Lumetra"
!define MAKER "Orvel Displays"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumetra"
; Where the help viewer looks up a help file given by its plain name.
!define HELP_KEY "Software\Microsoft\Windows\HTML Help"
; Where earlier versions put that entry, which the viewer never reads.
!define EARLIER_HELP_KEY "Software\Microsoft\Windows\HTMLHelp"
!define HELP_FILE "Lumetra-JPN.chm"

!include "MUI2.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${MAKER}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT} for Windows"
VIAddVersionKey /LANG=1041 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION} (${BUILD_CODE})"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${MAKER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumetra.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Lumetra"
    SetOutPath "$INSTDIR"
    File "${FILES}\lumetra.exe"
    File "${FILES}\VESKOL.dll"
    File "${FILES}\${HELP_FILE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; Started from the Start menu, the program's folder is the current one.
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\lumetra.exe"
    WriteRegStr HKLM "${HELP_KEY}" "${HELP_FILE}" "$INSTDIR"
    DeleteRegValue HKLM "${EARLIER_HELP_KEY}" "${HELP_FILE}"
    DeleteRegKey /ifempty HKLM "${EARLIER_HELP_KEY}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumetra.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes exactly what the installer put in place; the folder goes only
; when nothing else was left in it.
Section "Uninstall"
    Delete "$INSTDIR\lumetra.exe"
    Delete "$INSTDIR\VESKOL.dll"
    Delete "$INSTDIR\${HELP_FILE}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegValue HKLM "${HELP_KEY}" "${HELP_FILE}"
    DeleteRegKey /ifempty HKLM "${HELP_KEY}"
    DeleteRegValue HKLM "${EARLIER_HELP_KEY}" "${HELP_FILE}"
    DeleteRegKey /ifempty HKLM "${EARLIER_HELP_KEY}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
