; Velmora's setup: installs the two programs for the current user, without
; administrator rights, makes Velmora the screen saver and registers an
; uninstaller that gives the previous screen saver back.
;
; scripts/package builds it with
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DDIST=<folder of the programs>
;            -DICON=<setup icon> -DSIDE_PICTURE=<164 x 314 BMP of the first and last page>
;            -DCLOSER=<the setup's helper, built> -DCONTRACT=<run_contract.nsh, made by the build>
;            -DOUTFILE=<setup file> installer/velmora.nsi

!ifndef VERSION | DIST | ICON | SIDE_PICTURE | CLOSER | CONTRACT | OUTFILE
  !error "define VERSION, DIST, ICON, SIDE_PICTURE, CLOSER, CONTRACT and OUTFILE"
!endif

; The programs' file names, as the programs themselves know them.
!include "${CONTRACT}"

; The programs are 64-bit, and so is the setup.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

Name "Velmora"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velmora"
; Installing again goes where the first install went.
InstallDirRegKey HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora" "InstallLocation"
; A program that cannot be written is never skipped: the setup fails instead.
AllowSkipFiles off

!define DESKTOP_KEY "Control Panel\Desktop"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define PUBLISHER "Velmora"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenScreenSaverSettingsText)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The setup speaks the user's language when it is one of these.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString OpenScreenSaverSettingsText ${LANG_ENGLISH} "Open Windows' screen saver settings"
LangString OpenScreenSaverSettingsText ${LANG_JAPANESE} "スクリーン セーバーの設定を開く"
LangString ProgramsInUseText ${LANG_ENGLISH} "${kSaverFileName} or ${kRendererFileName} in $INSTDIR is still in use and cannot be replaced. Close Windows' screen saver settings and any running Velmora, then run the setup again. Nothing was changed."
LangString ProgramsInUseText ${LANG_JAPANESE} "$INSTDIR の ${kSaverFileName} または ${kRendererFileName} が使用中のため置き換えられません。スクリーン セーバーの設定と実行中の Velmora を閉じてから、もう一度セットアップを実行してください。何も変更していません。"
LangString FilesRemainText ${LANG_ENGLISH} "${kSaverFileName} or ${kRendererFileName} in $INSTDIR is still in use and could not be removed. Close Windows' screen saver settings and any running Velmora, then uninstall again."
LangString FilesRemainText ${LANG_JAPANESE} "$INSTDIR の ${kSaverFileName} または ${kRendererFileName} が使用中のため削除できませんでした。スクリーン セーバーの設定と実行中の Velmora を閉じてから、もう一度アンインストールしてください。"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Velmora"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Velmora screen saver setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© ${PUBLISHER}"

; Clears $R0 when the file is there and cannot be opened for writing.
!macro CLEAR_R0_UNLESS_WRITABLE file
  ${If} ${FileExists} "${file}"
    ClearErrors
    FileOpen $R3 "${file}" a
    ${If} ${Errors}
      StrCpy $R0 0
    ${Else}
      FileClose $R3
    ${EndIf}
  ${EndIf}
!macroend

; Removes the copies a replacement leaves: the programs moved aside, new ones
; that were not moved in.
!macro DELETE_SETUP_LEFTOVERS
  Delete "$INSTDIR\${kSaverFileName}.old"
  Delete "$INSTDIR\${kSaverFileName}.new"
  Delete "$INSTDIR\${kRendererFileName}.old"
  Delete "$INSTDIR\${kRendererFileName}.new"
!macroend

; Asks Velmora's running windows (a preview in the display settings, a run,
; the settings dialog) to close and waits for them, then waits a few seconds
; at most until both programs can be written: 1 in $R0 when they can.
!macro DEFINE_FREE_PROGRAMS prefix
  Function ${prefix}FreePrograms
    InitPluginsDir
    File "/oname=$PLUGINSDIR\${kSetupHelperFileName}" "${CLOSER}"
    ExecWait '"$PLUGINSDIR\${kSetupHelperFileName}"'
    StrCpy $R1 0
    ${Do}
      StrCpy $R0 1
      !insertmacro CLEAR_R0_UNLESS_WRITABLE "$INSTDIR\${kSaverFileName}"
      !insertmacro CLEAR_R0_UNLESS_WRITABLE "$INSTDIR\${kRendererFileName}"
      ${If} $R0 == 1
      ${OrIf} $R1 >= 50
        ${Break}
      ${EndIf}
      Sleep 100
      IntOp $R1 $R1 + 1
    ${Loop}
  FunctionEnd
!macroend
!insertmacro DEFINE_FREE_PROGRAMS ""
!insertmacro DEFINE_FREE_PROGRAMS "un."

; Whether the current screen saver is the installed ${kSaverFileName}: 1 or 0 in
; $R0. Compared by short names, since Windows may store either form.
!macro DEFINE_CURRENT_SAVER_IS_VELMORA prefix
  Function ${prefix}CurrentSaverIsVelmora
    StrCpy $R0 0
    ReadRegStr $R1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $R1 == "$INSTDIR\${kSaverFileName}"
      StrCpy $R0 1
    ${ElseIf} $R1 != ""
      GetFullPathName /SHORT $R2 "$R1"
      GetFullPathName /SHORT $R3 "$INSTDIR\${kSaverFileName}"
      ${If} $R2 != ""
      ${AndIf} $R2 == $R3
        StrCpy $R0 1
      ${EndIf}
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro DEFINE_CURRENT_SAVER_IS_VELMORA ""
!insertmacro DEFINE_CURRENT_SAVER_IS_VELMORA "un."

; Moves a program aside to "<name>.old" and its new copy, "<name>.new", into
; its place; clears $R0 when either move fails, the program then back under
; its own name. A program that is running can be moved, not overwritten.
!macro SWAP_IN_NEW name
  Delete "$INSTDIR\${name}.old"
  ClearErrors
  ${If} ${FileExists} "$INSTDIR\${name}"
    Rename "$INSTDIR\${name}" "$INSTDIR\${name}.old"
  ${EndIf}
  ${If} ${Errors}
    StrCpy $R0 0
  ${Else}
    Rename "$INSTDIR\${name}.new" "$INSTDIR\${name}"
    ${If} ${Errors}
      StrCpy $R0 0
      Rename "$INSTDIR\${name}.old" "$INSTDIR\${name}"
    ${EndIf}
  ${EndIf}
!macroend

; Puts the old program back in place of its new copy (which may be running by
; now: Windows may have started it).
!macro SWAP_BACK_OLD name
  Rename "$INSTDIR\${name}" "$INSTDIR\${name}.new"
  ${If} ${FileExists} "$INSTDIR\${name}.old"
    Rename "$INSTDIR\${name}.old" "$INSTDIR\${name}"
  ${EndIf}
!macroend

; Both programs are replaced, or neither: never an old one beside a new one,
; even when Windows starts the saver, or something opens a program, while the
; setup is at work. Both new programs are first written under temporary names,
; then moved in one after the other; when the second move fails the first is
; undone. 1 in $R0 when both are in place.
Function ReplacePrograms
  SetOutPath "$INSTDIR"
  StrCpy $R0 1
  ClearErrors
  File "/oname=$INSTDIR\${kSaverFileName}.new" "${DIST}/${kSaverFileName}"
  File "/oname=$INSTDIR\${kRendererFileName}.new" "${DIST}/${kRendererFileName}"
  ${If} ${Errors}
    StrCpy $R0 0
  ${Else}
    !insertmacro SWAP_IN_NEW "${kSaverFileName}"
    ${If} $R0 == 1
      !insertmacro SWAP_IN_NEW "${kRendererFileName}"
      ${If} $R0 != 1
        !insertmacro SWAP_BACK_OLD "${kSaverFileName}"
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ; What is left of either side; a copy still running stays until the next
  ; setup or the uninstaller.
  !insertmacro DELETE_SETUP_LEFTOVERS
FunctionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

; Tells running programs that the screen saver changed (SPI_SETSCREENSAVEACTIVE,
; sent to every window).
!macro ANNOUNCE_SCREEN_SAVER_CHANGE active
  System::Call 'user32::SystemParametersInfoW(i 17, i ${active}, p 0, i 2)'
!macroend

; Unless $R0 is 1: the message, exit code 2 and the end of the setup.
!macro STOP_UNLESS_R0 message
  ${If} $R0 != 1
    MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
    SetErrorLevel 2
    Abort "${message}"
  ${EndIf}
!macroend

Section
  ; Both programs are replaced, or neither: never an old one beside a new one.
  Call FreePrograms
  !insertmacro STOP_UNLESS_R0 "$(ProgramsInUseText)"
  Call ReplacePrograms
  !insertmacro STOP_UNLESS_R0 "$(ProgramsInUseText)"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Remember the saver that was chosen before, for the uninstaller; installing
  ; again over Velmora, this copy or another, keeps what was remembered.
  Call CurrentSaverIsVelmora
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${GetFileName} $0 $2
  ${If} $R0 == 0
  ${AndIf} $2 != "${kSaverFileName}"
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousScreenSaver" $0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "PreviousScreenSaveActive" $1
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$INSTDIR\${kSaverFileName}"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  !insertmacro ANNOUNCE_SCREEN_SAVER_CHANGE 1

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${kSaverFileName},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Writes a remembered Desktop value back, or deletes it when there was none.
!macro RESTORE_DESKTOP_VALUE name remembered
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "${remembered}"
  ${If} $0 == ""
    DeleteRegValue HKCU "${DESKTOP_KEY}" "${name}"
  ${Else}
    WriteRegStr HKCU "${DESKTOP_KEY}" "${name}" $0
  ${EndIf}
!macroend

Section "Uninstall"
  ; Nothing is removed while a program is in use; the entry stays for a
  ; second try.
  Call un.FreePrograms
  ${If} $R0 == 1
    Delete "$INSTDIR\${kSaverFileName}"
    Delete "$INSTDIR\${kRendererFileName}"
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\${kSaverFileName}"
  ${OrIf} ${FileExists} "$INSTDIR\${kRendererFileName}"
    MessageBox MB_OK|MB_ICONSTOP "$(FilesRemainText)" /SD IDOK
    SetErrorLevel 2
    Abort "$(FilesRemainText)"
  ${EndIf}

  Call un.CurrentSaverIsVelmora
  ${If} $R0 == 1
    !insertmacro RESTORE_DESKTOP_VALUE "SCRNSAVE.EXE" "PreviousScreenSaver"
    !insertmacro RESTORE_DESKTOP_VALUE "ScreenSaveActive" "PreviousScreenSaveActive"
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    IntOp $0 $0 + 0
    !insertmacro ANNOUNCE_SCREEN_SAVER_CHANGE $0
  ${EndIf}

  !insertmacro DELETE_SETUP_LEFTOVERS
  Delete "$INSTDIR\${kSettingsFileName}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  ; The settings may also be kept per user.
  Delete "$APPDATA\${kPerUserSettingsFolder}\${kSettingsFileName}"
  RMDir "$APPDATA\${kPerUserSettingsFolder}"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
