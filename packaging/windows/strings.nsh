; The languages of the installer's pages: those the saver speaks, English
; first (the pages' language where the system's is none of them). The
; Modern UI brings each language's own texts; the table below holds the
; few words that are ours. Kept in UTF-8 with its byte-order mark, which
; makensis needs to read it as UTF-8.

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "Swedish"
!insertmacro MUI_LANGUAGE "Danish"
!insertmacro MUI_LANGUAGE "Norwegian"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Czech"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"

; Language, the finish page's check box, and why the setup or the uninstaller
; stops while the saver runs.
!macro OurWords LANGUAGE OPEN_SETTINGS STILL_RUNNING
  LangString OpenScreenSaverSettingsText ${LANG_${LANGUAGE}} "${OPEN_SETTINGS}"
  LangString SaverStillRunningText ${LANG_${LANGUAGE}} "${STILL_RUNNING}"
!macroend

!insertmacro OurWords ENGLISH "Open the screen saver settings" \
  "The screen saver is running. Close it, then try again."
!insertmacro OurWords GERMAN "Bildschirmschoner-Einstellungen öffnen" \
  "Der Bildschirmschoner läuft gerade. Beenden Sie ihn und versuchen Sie es dann erneut."
!insertmacro OurWords FRENCH "Ouvrir les paramètres de l'écran de veille" \
  "L'écran de veille est en cours d'exécution. Fermez-le, puis réessayez."
!insertmacro OurWords DUTCH "Instellingen voor schermbeveiliging openen" \
  "De schermbeveiliging is actief. Sluit deze en probeer het daarna opnieuw."
!insertmacro OurWords SWEDISH "Öppna inställningar för skärmsläckare" \
  "Skärmsläckaren körs. Stäng den och försök sedan igen."
!insertmacro OurWords DANISH "Åbn indstillinger for pauseskærm" \
  "Pauseskærmen kører. Luk den, og prøv derefter igen."
!insertmacro OurWords NORWEGIAN "Åpne innstillinger for skjermsparer" \
  "Skjermspareren kjører. Lukk den, og prøv deretter på nytt."
!insertmacro OurWords POLISH "Otwórz ustawienia wygaszacza ekranu" \
  "Wygaszacz ekranu jest uruchomiony. Zamknij go, a następnie spróbuj ponownie."
!insertmacro OurWords CZECH "Otevřít nastavení spořiče obrazovky" \
  "Spořič obrazovky je spuštěný. Ukončete jej a zkuste to znovu."
!insertmacro OurWords SPANISH "Abrir la configuración del protector de pantalla" \
  "El protector de pantalla se está ejecutando. Ciérrelo y vuelva a intentarlo."
!insertmacro OurWords ITALIAN "Apri le impostazioni dello screen saver" \
  "Lo screen saver è in esecuzione. Chiudilo e riprova."
