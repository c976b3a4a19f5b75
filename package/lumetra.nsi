; Lumetra's Windows installer, built by makensis (see CMakeLists.txt here).
; Defines from the build: VERSION ("1.1.27"), BUILD_CODE ("100307"),
; FILES (the folder holding the installed files), ICON, OUT_FILE.
; In Japanese on a Japanese system and in English on any other, as the
; installer chooses from the system's language; the uninstaller speaks the
; language the program was installed in.
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
; Both help files go in; the program opens the one of its own language.
!define JAPANESE_HELP_FILE "Lumetra-JPN.chm"
!define ENGLISH_HELP_FILE "Lumetra-ENU.chm"
; The help shortcut's name in each language (the uninstaller removes both).
!define JAPANESE_HELP_SHORTCUT "${PRODUCT} ヘルプ"
!define ENGLISH_HELP_SHORTCUT "${PRODUCT} Help"

!include "MUI2.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${MAKER}"

VIProductVersion "${VERSION}.0"
!macro VERSION_KEYS LANGUAGE_ID SETUP
    VIAddVersionKey /LANG=${LANGUAGE_ID} "ProductName" "${PRODUCT} for Windows"
    VIAddVersionKey /LANG=${LANGUAGE_ID} "CompanyName" "${MAKER}"
    VIAddVersionKey /LANG=${LANGUAGE_ID} "FileDescription" "${PRODUCT} ${SETUP}"
    VIAddVersionKey /LANG=${LANGUAGE_ID} "FileVersion" "${VERSION} (${BUILD_CODE})"
    VIAddVersionKey /LANG=${LANGUAGE_ID} "ProductVersion" "${VERSION}"
    VIAddVersionKey /LANG=${LANGUAGE_ID} "LegalCopyright" "${MAKER}"
!macroend
!insertmacro VERSION_KEYS 1041 "セットアップ"
!insertmacro VERSION_KEYS 1033 "Setup"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumetra.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; English first: a system whose language the installer lacks gets the first.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

; The texts that follow the language: the help shortcut, the shortcuts' and
; the uninstall entry's descriptions, and the help file the shortcut opens.
LangString HELP_SHORTCUT ${LANG_ENGLISH} "${ENGLISH_HELP_SHORTCUT}"
LangString HELP_SHORTCUT ${LANG_JAPANESE} "${JAPANESE_HELP_SHORTCUT}"
LangString DESCRIPTION ${LANG_ENGLISH} "Adjusts your monitors over DDC/CI"
LangString DESCRIPTION ${LANG_JAPANESE} "DDC/CIモニターをパソコンから調整します"
LangString HELP_DESCRIPTION ${LANG_ENGLISH} "How to use ${PRODUCT}"
LangString HELP_DESCRIPTION ${LANG_JAPANESE} "${PRODUCT} の使い方"
LangString HELP_FILE ${LANG_ENGLISH} "${ENGLISH_HELP_FILE}"
LangString HELP_FILE ${LANG_JAPANESE} "${JAPANESE_HELP_FILE}"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    ; The language the installer chose, kept in the uninstall entry.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallerLanguage"
    StrCmp $0 "" +2
    StrCpy $LANGUAGE $0
FunctionEnd

; Registers a help file where the viewer looks up a plain file name, and
; clears it from where earlier versions put it.
!macro REGISTER_HELP FILE_NAME
    WriteRegStr HKLM "${HELP_KEY}" "${FILE_NAME}" "$INSTDIR"
    DeleteRegValue HKLM "${EARLIER_HELP_KEY}" "${FILE_NAME}"
!macroend

!macro UNREGISTER_HELP FILE_NAME
    DeleteRegValue HKLM "${HELP_KEY}" "${FILE_NAME}"
    DeleteRegValue HKLM "${EARLIER_HELP_KEY}" "${FILE_NAME}"
!macroend

Section "Lumetra"
    SetOutPath "$INSTDIR"
    File "${FILES}\lumetra.exe"
    File "${FILES}\VESKOL.dll"
    File "${FILES}\${JAPANESE_HELP_FILE}"
    File "${FILES}\${ENGLISH_HELP_FILE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; Started from the Start menu, the program's folder is the current one.
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\lumetra.exe" "" "" "" \
        SW_SHOWNORMAL "" "$(DESCRIPTION)"
    CreateShortCut "$SMPROGRAMS\$(HELP_SHORTCUT).lnk" "$INSTDIR\$(HELP_FILE)" "" "" "" \
        SW_SHOWNORMAL "" "$(HELP_DESCRIPTION)"
    !insertmacro REGISTER_HELP "${JAPANESE_HELP_FILE}"
    !insertmacro REGISTER_HELP "${ENGLISH_HELP_FILE}"
    DeleteRegKey /ifempty HKLM "${EARLIER_HELP_KEY}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Comments" "$(DESCRIPTION)"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallerLanguage" "$LANGUAGE"
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
    Delete "$INSTDIR\${JAPANESE_HELP_FILE}"
    Delete "$INSTDIR\${ENGLISH_HELP_FILE}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\${JAPANESE_HELP_SHORTCUT}.lnk"
    Delete "$SMPROGRAMS\${ENGLISH_HELP_SHORTCUT}.lnk"
    !insertmacro UNREGISTER_HELP "${JAPANESE_HELP_FILE}"
    !insertmacro UNREGISTER_HELP "${ENGLISH_HELP_FILE}"
    DeleteRegKey /ifempty HKLM "${HELP_KEY}"
    DeleteRegKey /ifempty HKLM "${EARLIER_HELP_KEY}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
