; Installer for Football Yardmark on Windows (Inno Setup 6).
;
; Stage the program first (see docs/windows.md):
;   cmake --preset windows-msvc && cmake --build --preset windows-msvc
;   cmake --install build/msvc
; then compile this script from the repository's root:
;   iscc /DStageDir=build\msvc\stage packaging\windows\yardmark.iss
; The installer lands in build\installer.

#ifndef StageDir
  #define StageDir "..\..\build\msvc\stage"
#endif
; The name and version come from the staged program's version resource,
; which CMake writes from the project's version.
#define AppExePath StageDir + "\bin\yardmark.exe"
#define AppName GetStringFileInfo(AppExePath, "ProductName")
#define AppVersion GetStringFileInfo(AppExePath, "ProductVersion")
#define AppExe "yardmark.exe"

[Setup]
AppId={{6B0E8F57-3C52-4E8B-9E4B-2F4C1D9A7A10}
AppName={#AppName}
AppVersion={#AppVersion}
AppPublisher=Football Yardmark developers
DefaultDirName={autopf}\Football Yardmark
DefaultGroupName={#AppName}
UninstallDisplayIcon={app}\bin\{#AppExe}
OutputDir=..\..\build\installer
OutputBaseFilename=yardmark-{#AppVersion}-setup
SetupIconFile=..\..\src\app\resources\yardmark.ico
ArchitecturesAllowed=x64
ArchitecturesInstallIn64BitMode=x64
; A scorer without administrator rights installs for themselves.
PrivilegesRequired=lowest
PrivilegesRequiredOverridesAllowed=dialog
ChangesAssociations=yes
Compression=lzma2
SolidCompression=yes
WizardStyle=modern

[Tasks]
Name: "desktopicon"; Description: "{cm:CreateDesktopIcon}"; GroupDescription: "{cm:AdditionalIcons}"
Name: "associate"; Description: "Open game (.gam), team (.tem) and schedule (.sch) files with {#AppName}"; GroupDescription: "File types:"

[Files]
Source: "{#StageDir}\*"; DestDir: "{app}"; Flags: ignoreversion recursesubdirs createallsubdirs

[Icons]
Name: "{group}\{#AppName}"; Filename: "{app}\bin\{#AppExe}"
Name: "{group}\{cm:UninstallProgram,{#AppName}}"; Filename: "{uninstallexe}"
Name: "{autodesktop}\{#AppName}"; Filename: "{app}\bin\{#AppExe}"; Tasks: desktopicon

[Registry]
; One programmatic id per file type, each opening the file in the program.
Root: HKA; Subkey: "Software\Classes\.gam\OpenWithProgids"; ValueType: string; ValueName: "Yardmark.Game"; ValueData: ""; Flags: uninsdeletevalue; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Game"; ValueType: string; ValueName: ""; ValueData: "Football game"; Flags: uninsdeletekey; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Game\DefaultIcon"; ValueType: string; ValueName: ""; ValueData: "{app}\bin\{#AppExe},0"; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Game\shell\open\command"; ValueType: string; ValueName: ""; ValueData: """{app}\bin\{#AppExe}"" ""%1"""; Tasks: associate
Root: HKA; Subkey: "Software\Classes\.tem\OpenWithProgids"; ValueType: string; ValueName: "Yardmark.Team"; ValueData: ""; Flags: uninsdeletevalue; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Team"; ValueType: string; ValueName: ""; ValueData: "Football team"; Flags: uninsdeletekey; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Team\DefaultIcon"; ValueType: string; ValueName: ""; ValueData: "{app}\bin\{#AppExe},0"; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Team\shell\open\command"; ValueType: string; ValueName: ""; ValueData: """{app}\bin\{#AppExe}"" ""%1"""; Tasks: associate
Root: HKA; Subkey: "Software\Classes\.sch\OpenWithProgids"; ValueType: string; ValueName: "Yardmark.Schedule"; ValueData: ""; Flags: uninsdeletevalue; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Schedule"; ValueType: string; ValueName: ""; ValueData: "Football season schedule"; Flags: uninsdeletekey; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Schedule\DefaultIcon"; ValueType: string; ValueName: ""; ValueData: "{app}\bin\{#AppExe},0"; Tasks: associate
Root: HKA; Subkey: "Software\Classes\Yardmark.Schedule\shell\open\command"; ValueType: string; ValueName: ""; ValueData: """{app}\bin\{#AppExe}"" ""%1"""; Tasks: associate

[Run]
Filename: "{app}\bin\{#AppExe}"; Description: "{cm:LaunchProgram,{#AppName}}"; Flags: nowait postinstall skipifsilent
