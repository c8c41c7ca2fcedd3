; The installer of Lumetrix. scripts/package builds it with makensis and defines:
;   VERSION  the program's version, four numbers (from its version record)
;   STAGE    the folder that holds lumetrix.exe and LightDatabase.csv
;   ICON     the program's icon
;   OUTFILE  the installer to write
; Per machine, into the 32-bit program folder; silent with /S, another folder with /D=.
; The uninstaller removes what the installer put there and nothing else: data files the user
; saved into the program's folder stay, and with them the folder.

Unicode true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumetrix"
!define SHORTCUT "$SMPROGRAMS\Lumetrix.lnk"

Name "Lumetrix"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Lumetrix"
RequestExecutionLevel admin

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductName" "Lumetrix"
VIAddVersionKey /LANG=1031 "CompanyName" "Rovad"
VIAddVersionKey /LANG=1031 "LegalCopyright" "© Rovad"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von Lumetrix"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Dieser Assistent installiert Lumetrix ${VERSION}, die Beleuchtungsberechnung für Räume, auf Ihrem Computer.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Lumetrix ist installiert. Sie starten es über das Startmenü.$\r$\n$\r$\nKlicken Sie auf Fertig stellen, um den Assistenten zu schließen."
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section
    SetShellVarContext all
    ; The output folder is also the shortcut's working folder, where "Datenbank" finds
    ; LightDatabase.csv.
    SetOutPath "$INSTDIR"
    File "${STAGE}/lumetrix.exe"
    File "${STAGE}/LightDatabase.csv"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\lumetrix.exe" "" "$INSTDIR\lumetrix.exe" 0 \
        SW_SHOWNORMAL "" "Beleuchtungsberechnung für Räume"

    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Lumetrix"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Rovad"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumetrix.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\lumetrix.exe"
    Delete "$INSTDIR\LightDatabase.csv"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: a folder that still holds the user's files stays.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
