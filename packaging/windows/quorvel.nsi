; The Windows installer of Quorvel, built by tools/windows/package.sh with
;   makensis -DVERSION=… -DSTAGE=folder -DOUTFILE=… -DFILES=files.nsh -DREMOVE=remove.nsh
; The program files go to Program Files\Quorvel; the Start-menu entry runs
; quorvel-launcher.exe, which starts the program in %APPDATA%\Quorvel, where tamlo.dat
; and the user's copy of the manual live. The uninstaller removes exactly the files it
; installed, so a tamlo.dat is never touched.
; A 64-bit installer for a 64-bit program (it also runs where no 32-bit Windows layer is).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"

Name "Quorvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorvel"
ShowInstDetails show
ShowUninstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quorvel"
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; For every user of the machine: the launcher makes each user's own data folder.
    SetShellVarContext all
    CreateDirectory "$SMPROGRAMS\Quorvel"
    CreateShortCut "$SMPROGRAMS\Quorvel\Quorvel.lnk" "$INSTDIR\quorvel-launcher.exe" "" \
        "$INSTDIR\quorvel.exe" 0
    CreateShortCut "$SMPROGRAMS\Quorvel\Quorvel をアンインストール.lnk" "$INSTDIR\uninstall.exe"

    SetRegView 64
    WriteRegStr HKLM "${KEY}" "DisplayName" "Quorvel"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\quorvel.exe"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; The installed files by name; %APPDATA%\Quorvel (tamlo.dat, the manual's copy) stays.
    !include "${REMOVE}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    SetShellVarContext all
    Delete "$SMPROGRAMS\Quorvel\Quorvel.lnk"
    Delete "$SMPROGRAMS\Quorvel\Quorvel をアンインストール.lnk"
    RMDir "$SMPROGRAMS\Quorvel"
    SetRegView 64
    DeleteRegKey HKLM "${KEY}"
SectionEnd
