; The installer of Lumetrix. scripts/package builds it with makensis and defines:
;   VERSION    the program's version, four numbers (from its version record)
;   RELEASE    the version the user sees, three numbers, as in the packages' file names
;   COPYRIGHT  the copyright line of the program's version record
;   STAGE      the folder that holds lumetrix.exe, LightDatabase.csv, LIESMICH.txt and
;              LIESMICH-Leuchten.txt
;   ICON       the program's icon
;   OUTFILE    the installer to write
; Per machine, into the 32-bit program folder; silent with /S, another folder with /D=.
; For the user who installs, it makes the planner's own lamp folder Lumetrix\Leuchten in his
; Documents, which nothing here ever changes. A LightDatabase.csv in the program folder that
; the planner extended stays as it is.
; The uninstaller removes what the installer put there and the planner left unchanged, and
; nothing else: data files the user saved into the program's folder stay, and with them the
; folder; so do his lamps, the file dialogs' folder history and another program's claim on
; .lumx files. Its last page says what stays and where.

Unicode true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumetrix"
!define SHORTCUT "$SMPROGRAMS\Lumetrix.lnk"
!define README_SHORTCUT "$SMPROGRAMS\Lumetrix - Liesmich.lnk"
; The data files' type: .lumx names it, Lumetrix.Datei says how it is shown and opened.
!define EXTENSION_KEY "Software\Classes\.lumx"
!define PROGID "Lumetrix.Datei"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define SHCNE_ASSOCCHANGED 0x08000000
; The planner's own lamps: LightDatabase.csv and the folder Leuchten (with SetShellVarContext
; current: in the Documents of the user who runs the installer).
!define PLANNER_FOLDER "$DOCUMENTS\Lumetrix"

; The checksums of the files as shipped, for the uninstaller's values "Checksum NAME".
Var ShippedDatabase
Var ShippedLampReadme
; What the uninstaller leaves, for its last page.
Var KeptChanged
Var Stays

Name "Lumetrix"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Lumetrix"
RequestExecutionLevel admin
BrandingText "Lumetrix ${RELEASE}"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductName" "Lumetrix"
VIAddVersionKey /LANG=1031 "CompanyName" "Rovad"
VIAddVersionKey /LANG=1031 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von Lumetrix"
VIAddVersionKey /LANG=1031 "FileVersion" "${RELEASE}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${RELEASE}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Dieser Assistent installiert Lumetrix ${RELEASE}, die Beleuchtungsberechnung für Räume, auf Ihrem Computer.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
; The progress page stays, with what was done, until the user goes on.
ShowInstDetails show
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Lumetrix ist installiert. Sie starten es über das Startmenü oder mit einem Doppelklick auf eine .lumx-Datei.$\r$\n$\r$\nKlicken Sie auf Fertigstellen, um den Assistenten zu schließen."
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Lumetrix starten"
!define MUI_FINISHPAGE_RUN_FUNCTION StartThroughShortcut
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION ShowReadme
!define MUI_FINISHPAGE_SHOWREADME_TEXT "LIESMICH.txt anzeigen"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_TEXT "Lumetrix ist von Ihrem Computer entfernt worden.$\r$\n$\r$\n$Stays$\r$\n$\r$\nKlicken Sie auf Fertigstellen, um den Assistenten zu schließen."
!insertmacro MUI_UNPAGE_FINISH
!insertmacro MUI_LANGUAGE "German"

; The read-me opens in Notepad by name: a system without a program for .txt files (Wine's, a
; stripped-down Windows) would otherwise open nothing.
!define README_VIEWER "$WINDIR\notepad.exe"
Function ShowReadme
    Exec '"${README_VIEWER}" "$INSTDIR\LIESMICH.txt"'
FunctionEnd

; NSIS writes sizes with a decimal point; the folder page shows them the German way, "1,7 MB".
Function .onVerifyInstDir
    FindWindow $R0 "#32770" "" $HWNDPARENT
    ${If} $R0 == 0
        Return
    ${EndIf}
    SectionGetSize 0 $R1
    Push $R1
    Call GermanSize
    Pop $R1
    GetDlgItem $R2 $R0 1023
    SendMessage $R2 ${WM_SETTEXT} 0 "STR:$(^SpaceRequired)$R1"
    ${GetRoot} "$INSTDIR" $R1
    ${DriveSpace} "$R1\" "/D=F /S=K" $R1
    GetDlgItem $R2 $R0 1024
    ${If} ${Errors}
        SendMessage $R2 ${WM_SETTEXT} 0 "STR:"
    ${Else}
        Push $R1
        Call GermanSize
        Pop $R1
        SendMessage $R2 ${WM_SETTEXT} 0 "STR:$(^SpaceAvailable)$R1"
    ${EndIf}
FunctionEnd

; Kilobytes on the stack, replaced by the size in KB, MB or GB with one decimal after a comma.
Function GermanSize
    Exch $0
    Push $1
    Push $2
    StrCpy $1 KB
    ${If} $0 L>= 1024
        StrCpy $1 MB
        ${If} $0 L>= 1048576
            StrCpy $1 GB
            System::Int64Op $0 / 1024
            Pop $0
        ${EndIf}
        System::Int64Op $0 * 10
        Pop $2
        System::Int64Op $2 / 1024
        Pop $2
        System::Int64Op $2 % 10
        Pop $2
        System::Int64Op $0 / 1024
        Pop $0
        StrCpy $0 "$0,$2"
    ${EndIf}
    StrCpy $0 "$0 $1"
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; As the Start menu starts it: in the user's Documents folder.
Function StartThroughShortcut
    SetShellVarContext all
    ExecShell "" "${SHORTCUT}"
FunctionEnd

; The CRC-32 of a file's bytes (ntdll computes it) as eight hexadecimal digits in $R0, empty
; when the file cannot be read: whether a file is still the one the installer shipped.
!macro CHECKSUM_FUNCTION PREFIX
Function ${PREFIX}Checksum
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    StrCpy $R0 ""
    System::Call 'kernel32::CreateFileW(w r0, i 0x80000000, i 1, p 0, i 3, i 0, p 0) i .r1'
    ${If} $1 != -1
        System::Call 'kernel32::GetFileSize(i r1, p 0) i .r2'
        IntOp $3 $2 + 1
        System::Alloc $3
        Pop $3
        System::Call 'kernel32::ReadFile(i r1, p r3, i r2, *i .r4, p 0)'
        ${If} $4 == $2
            System::Call 'ntdll::RtlComputeCrc32(i 0, p r3, i r2) i .r4'
            IntFmt $R0 "%08X" $4
        ${EndIf}
        System::Free $3
        System::Call 'kernel32::CloseHandle(i r1)'
    ${EndIf}
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro CHECKSUM_FUNCTION ""
!insertmacro CHECKSUM_FUNCTION "un."

!macro RECORD_CHECKSUM PATH NAME
    Push "${PATH}"
    Call Checksum
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Checksum ${NAME}" $R0
!macroend

; The sample database goes into the program folder unless the planner changed the one there: a
; database that is neither the one this installer ships nor the one the last installation left
; holds his lines, and stays as it is.
Function InstallDatabase
    SetOutPath "$PLUGINSDIR"
    File "${STAGE}/LightDatabase.csv"
    SetOutPath "$INSTDIR"
    Push "$PLUGINSDIR\LightDatabase.csv"
    Call Checksum
    StrCpy $ShippedDatabase $R0
    ${If} ${FileExists} "$INSTDIR\LightDatabase.csv"
        ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "Checksum LightDatabase.csv"
        Push "$INSTDIR\LightDatabase.csv"
        Call Checksum
        ${If} $R0 != $ShippedDatabase
        ${AndIf} $R0 != $R1
            DetailPrint "LightDatabase.csv enthält Ihre Änderungen und bleibt, wie sie ist."
            Return
        ${EndIf}
        ${If} $R0 == ""
            Return
        ${EndIf}
    ${EndIf}
    File "${STAGE}/LightDatabase.csv"
FunctionEnd

; The planner's own lamp folder, with its one-line read-me unless one is there already.
Function MakePlannerFolder
    SetShellVarContext current
    CreateDirectory "${PLANNER_FOLDER}\Leuchten"
    SetOutPath "$PLUGINSDIR"
    File "${STAGE}/LIESMICH-Leuchten.txt"
    Push "$PLUGINSDIR\LIESMICH-Leuchten.txt"
    Call Checksum
    StrCpy $ShippedLampReadme $R0
    ${IfNot} ${FileExists} "${PLANNER_FOLDER}\Leuchten\LIESMICH.txt"
        SetOutPath "${PLANNER_FOLDER}\Leuchten"
        File "/oname=LIESMICH.txt" "${STAGE}/LIESMICH-Leuchten.txt"
    ${EndIf}
    SetOutPath "$INSTDIR"
    SetShellVarContext all
FunctionEnd

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${STAGE}/lumetrix.exe"
    Call InstallDatabase
    File "${STAGE}/LIESMICH.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    Call MakePlannerFolder

    ; The shortcut's working folder is the one the first file dialog opens in: the user's
    ; Documents, which Windows expands for whoever starts it. "Datenbank" then finds
    ; LightDatabase.csv beside the program.
    StrCpy $OUTDIR "%USERPROFILE%\Documents"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\lumetrix.exe" "" "$INSTDIR\lumetrix.exe" 0 \
        SW_SHOWNORMAL "" "Beleuchtungsberechnung für Räume"
    StrCpy $OUTDIR "$INSTDIR"
    CreateShortCut "${README_SHORTCUT}" "${README_VIEWER}" '"$INSTDIR\LIESMICH.txt"' \
        "${README_VIEWER}" 0 SW_SHOWNORMAL "" "Kurzanleitung zu Lumetrix"

    ; .lumx files open with Lumetrix, and "Öffnen mit" offers it. The extension's default
    ; is taken only when no other program holds it.
    WriteRegStr HKLM "${PROGID_KEY}" "" "Lumetrix-Berechnung"
    WriteRegStr HKLM "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\lumetrix.exe,0"
    WriteRegStr HKLM "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\lumetrix.exe" "%1"'
    WriteRegStr HKLM "${EXTENSION_KEY}\OpenWithProgids" "${PROGID}" ""
    ReadRegStr $0 HKLM "${EXTENSION_KEY}" ""
    ${If} $0 == ""
        WriteRegStr HKLM "${EXTENSION_KEY}" "" "${PROGID}"
    ${EndIf}
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    ; The size macro prints an English line of its own on the progress page.
    SetDetailsPrint none
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    SetDetailsPrint lastused
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Lumetrix"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${RELEASE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Rovad"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumetrix.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    !insertmacro RECORD_CHECKSUM "$INSTDIR\lumetrix.exe" "lumetrix.exe"
    !insertmacro RECORD_CHECKSUM "$INSTDIR\LIESMICH.txt" "LIESMICH.txt"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Checksum LightDatabase.csv" $ShippedDatabase
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Checksum Leuchten\LIESMICH.txt" $ShippedLampReadme
SectionEnd

; A file the installer put there, removed only while it is as shipped; a changed one is noted.
!macro REMOVE_IF_UNCHANGED PATH NAME
    ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "Checksum ${NAME}"
    Push "${PATH}"
    Call un.Checksum
    ${If} $R1 != ""
    ${AndIf} $R0 == $R1
        Delete "${PATH}"
    ${ElseIf} ${FileExists} "${PATH}"
        StrCpy $KeptChanged "$KeptChanged$\r$\n- ${NAME} (von Ihnen geändert)"
    ${EndIf}
!macroend

; The last page's account of what stays and where: whatever of the planner's is left in his
; lamp folder and in the program folder.
Function un.DescribeWhatStays
    StrCpy $Stays "Erhalten bleiben Ihre Berechnungen (.lumx-Dateien), wo immer Sie sie gespeichert haben, und die Liste der zuletzt benutzten Ordner der Dateidialoge."
    SetShellVarContext current
    ${If} ${FileExists} "${PLANNER_FOLDER}\*.*"
        StrCpy $Stays "$Stays$\r$\n$\r$\nIhre eigenen Lampen bleiben in ${PLANNER_FOLDER}: LightDatabase.csv und der Ordner Leuchten mit Ihren Leuchtendateien."
    ${EndIf}
    SetShellVarContext all
    ${If} ${FileExists} "$INSTDIR\*.*"
        ${If} ${FileExists} "$INSTDIR\Leuchten\*.*"
            StrCpy $KeptChanged "$KeptChanged$\r$\n- der Ordner Leuchten mit Ihren Leuchtendateien"
        ${EndIf}
        StrCpy $Stays "$Stays$\r$\n$\r$\nIm Programmordner $INSTDIR bleiben:$KeptChanged$\r$\n- alle Dateien, die Sie dort gespeichert haben."
    ${EndIf}
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "${SHORTCUT}"
    Delete "${README_SHORTCUT}"
    SetShellVarContext current
    !insertmacro REMOVE_IF_UNCHANGED "${PLANNER_FOLDER}\Leuchten\LIESMICH.txt" \
        "Leuchten\LIESMICH.txt"
    RMDir "${PLANNER_FOLDER}\Leuchten"
    RMDir "${PLANNER_FOLDER}"
    SetShellVarContext all
    ; The changes noted from here on are those in the program folder.
    StrCpy $KeptChanged ""
    !insertmacro REMOVE_IF_UNCHANGED "$INSTDIR\lumetrix.exe" "lumetrix.exe"
    !insertmacro REMOVE_IF_UNCHANGED "$INSTDIR\LightDatabase.csv" "LightDatabase.csv"
    !insertmacro REMOVE_IF_UNCHANGED "$INSTDIR\LIESMICH.txt" "LIESMICH.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: a folder that still holds the user's files stays.
    RMDir "$INSTDIR"
    Call un.DescribeWhatStays

    ; Our part of .lumx only: the default while it is still ours, our "Öffnen mit" entry,
    ; and the keys that are then empty.
    ReadRegStr $0 HKLM "${EXTENSION_KEY}" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue HKLM "${EXTENSION_KEY}" ""
    ${EndIf}
    DeleteRegValue HKLM "${EXTENSION_KEY}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "${EXTENSION_KEY}\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "${EXTENSION_KEY}"
    DeleteRegKey HKLM "${PROGID_KEY}"
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
