; The Windows installer of Football Yardmark, built on Linux by makensis
; (`make windows-package`, through scripts/windows-package, which stages the
; program and writes the two file lists this script includes):
;   makensis -DFILES=<install list> -DUNFILES=<removal list> -DICON=<yardmark.ico>
;            -DPRODUCT="Football Yardmark" -DVERSION=2.0 -DOUTFILE=<setup.exe> yardmark.nsi
; Without administrator rights it installs for the user alone (in the user's
; own programs folder); with them, it may install for everyone in Program Files.
; Silent: setup.exe /S [/CurrentUser | /AllUsers] [/D=folder]

; A 64-bit installer for the 64-bit program (and for a Wine without its 32-bit half).
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define APPKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Yardmark"
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${APPKEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${APPKEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\yardmark.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "The ${PRODUCT} developers"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "!${PRODUCT}" SecProgram
    SectionIn RO
    ; Exactly the staged files, so the uninstaller removes exactly these.
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bin\yardmark.exe"
    WriteRegStr SHCTX "${APPKEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${APPKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${APPKEY}" "DisplayIcon" "$INSTDIR\bin\yardmark.exe,0"
    WriteRegStr SHCTX "${APPKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${APPKEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${APPKEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${APPKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${APPKEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${APPKEY}" "NoRepair" 1
SectionEnd

!macro Associate EXT PROGID TEXT
    WriteRegStr SHCTX "Software\Classes\.${EXT}" "" "${PROGID}"
    WriteRegStr SHCTX "Software\Classes\.${EXT}\OpenWithProgids" "${PROGID}" ""
    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "${TEXT}"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\bin\yardmark.exe,0"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\bin\yardmark.exe" "%1"'
!macroend

!macro Dissociate EXT PROGID
    ReadRegStr $0 SHCTX "Software\Classes\.${EXT}" ""
    StrCmp $0 "${PROGID}" 0 +2
    DeleteRegValue SHCTX "Software\Classes\.${EXT}" ""
    DeleteRegValue SHCTX "Software\Classes\.${EXT}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.${EXT}\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.${EXT}"
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
!macroend

Section "Open game, team and schedule files with ${PRODUCT}" SecAssociate
    !insertmacro Associate gam Yardmark.Game "Football game"
    !insertmacro Associate tem Yardmark.Team "Football team"
    !insertmacro Associate sch Yardmark.Schedule "Football season schedule"
    ; Tell Explorer the file types changed (SHCNE_ASSOCCHANGED).
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    !insertmacro Dissociate gam Yardmark.Game
    !insertmacro Dissociate tem Yardmark.Team
    !insertmacro Dissociate sch Yardmark.Schedule
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    ; Only what the installer put there: games, teams and schedules the scorer
    ; saved in these folders stay, and so do the folders holding them.
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${APPKEY}"
SectionEnd
