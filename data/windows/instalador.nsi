; The installer of Retención for Windows, in Spanish: for the current user
; or for all users, a Start-menu entry, the .retencion calculation files
; opening in the program with its icon, and an uninstaller.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=1.0 -DSOURCE=<folder of the program>
;          -DICON=<retencion.ico> -DOUTFILE=<installer.exe> instalador.nsi
;
; Silent: /S (for all users when run as administrator), /CurrentUser or
; /AllUsers to choose.

; A 64-bit installer for a 64-bit program (and one Wine's 64-bit loader runs).
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "Retención"
!define PRODUCT_KEY "Retencion"
!define FILE_CLASS "Retencion.Calculo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT_KEY}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ADMINREQUIRED "${PRODUCT} necesita permisos de administrador."
!define MULTIUSER_INIT_TEXT_POWERREQUIRED "${PRODUCT} necesita al menos permisos de usuario avanzado."
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE "Su cuenta no tiene permisos para instalar ${PRODUCT} para todos los usuarios de este equipo."
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\retencion.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir ${PRODUCT}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "${PRODUCT}"

Function .onInit
  SetRegView 64
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\retencion.exe" "" "$INSTDIR\retencion.exe" 0 \
      SW_SHOWNORMAL "" "Predimensionamiento de depósitos de retención"

  ; The calculation files, with the program's icon, open in it.
  WriteRegStr SHCTX "Software\Classes\.retencion" "" "${FILE_CLASS}"
  WriteRegStr SHCTX "Software\Classes\.retencion" "Content Type" "application/x-retencion"
  WriteRegStr SHCTX "Software\Classes\${FILE_CLASS}" "" "Cálculo de ${PRODUCT}"
  WriteRegStr SHCTX "Software\Classes\${FILE_CLASS}\DefaultIcon" "" "$INSTDIR\retencion.exe,0"
  WriteRegStr SHCTX "Software\Classes\${FILE_CLASS}\shell\open\command" "" '"$INSTDIR\retencion.exe" "%1"'
  WriteRegStr SHCTX "Software\Classes\Applications\retencion.exe\SupportedTypes" ".retencion" ""
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\retencion.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ReadRegStr $0 SHCTX "Software\Classes\.retencion" ""
  ${If} $0 == "${FILE_CLASS}"
    DeleteRegKey SHCTX "Software\Classes\.retencion"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${FILE_CLASS}"
  DeleteRegKey SHCTX "Software\Classes\Applications\retencion.exe"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; Only what the installer put there: the user's own files stay.
  !include "${FILE_LIST}"
  Delete "$INSTDIR\Desinstalar.exe"
  RMDir "$INSTDIR"
SectionEnd
