<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>ActionGuard</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>AddressBook</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>AskedPasswords</name>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Password of %1 on %2: </source>
        <translation>Passwort von %1 auf %2: </translation>
    </message>
</context>
<context>
    <name>AttachmentList</name>
    <message>
        <source>The file %1 cannot be read, so it was not attached.</source>
        <translation>Die Datei %1 kann nicht gelesen werden und wurde daher nicht angehängt.</translation>
    </message>
</context>
<context>
    <name>AttachmentListView</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>The files that go with the e-mail; drop files here to add them</source>
        <translation>Die Dateien, die mit der E-Mail gehen; Dateien hierher ziehen, um sie anzuhängen</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Anhänge:</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Attach a file to the e-mail</source>
        <translation>Eine Datei an die E-Mail anhängen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected file from the e-mail</source>
        <translation>Die gewählte Datei aus der E-Mail entfernen</translation>
    </message>
</context>
<context>
    <name>BrokenTargets</name>
    <message>
        <source>Target missing: %1</source>
        <translation>Ziel fehlt: %1</translation>
    </message>
    <message>
        <source>Cannot open %1: it no longer exists.</source>
        <translation>%1 kann nicht geöffnet werden: es existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Cannot open %1: its program is not installed.</source>
        <translation>%1 kann nicht geöffnet werden: sein Programm ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>BrowsePage</name>
    <message>
        <source>Right click for Menu</source>
        <translation>Rechtsklick für das Menü</translation>
    </message>
    <message>
        <source>Double click to select directory<byte value="xd"/>
Right click for Menu</source>
        <translation>Doppelklick wählt das Verzeichnis<byte value="xd"/>
Rechtsklick für das Menü</translation>
    </message>
    <message>
        <source>Select Drive</source>
        <translation>Laufwerk wählen</translation>
    </message>
    <message>
        <source>Create a New Folder:</source>
        <translation>Einen neuen Ordner erstellen:</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Ordner erstellen</translation>
    </message>
    <message>
        <source>Create the new folder</source>
        <translation>Den neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>File Path;</source>
        <translation>Dateipfad;</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Ordnerpfad:</translation>
    </message>
    <message>
        <source>Select Directory (Folder)</source>
        <translation>Verzeichnis (Ordner) wählen</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>File Mask:</source>
        <translation>Dateimaske:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ok record my selection</source>
        <translation>OK, meine Auswahl übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close this program</source>
        <translation>Dieses Programm schließen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Open Pathnook Help Window</source>
        <translation>Das Pathnook-Hilfefenster öffnen</translation>
    </message>
    <message>
        <source>NewFolder</source>
        <translation>Neuer Ordner</translation>
    </message>
</context>
<context>
    <name>ButtonArrange</name>
    <message>
        <source>Table %1 is full: no button on it is empty.</source>
        <translation>Tabelle %1 ist voll: keine ihrer Schaltflächen ist frei.</translation>
    </message>
</context>
<context>
    <name>ButtonMenu</name>
    <message>
        <source>Table %1</source>
        <translation>Tabelle %1</translation>
    </message>
    <message>
        <source>Rename Table %1</source>
        <translation>Tabelle %1 umbenennen</translation>
    </message>
    <message>
        <source>Rename Tables</source>
        <translation>Tabellen umbenennen</translation>
    </message>
    <message>
        <source>Rename the tables to any name you want</source>
        <translation>Die Tabellen beliebig umbenennen</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>More tables</source>
        <translation>Weitere Tabellen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Set all Tables to their default name</source>
        <translation>Alle Tabellen auf ihren Standardnamen setzen</translation>
    </message>
    <message>
        <source>E-mail...</source>
        <translation>E-Mail...</translation>
    </message>
    <message>
        <source>E-mail a document or file</source>
        <translation>Ein Dokument oder eine Datei per E-Mail senden</translation>
    </message>
    <message>
        <source>Extract Icons...</source>
        <translation>Symbole extrahieren...</translation>
    </message>
    <message>
        <source>Extract Icons from *.exe and *.dll files</source>
        <translation>Symbole aus *.exe- und *.dll-Dateien extrahieren</translation>
    </message>
    <message>
        <source>Convert Icons...</source>
        <translation>Symbole umwandeln...</translation>
    </message>
    <message>
        <source>Convert Icons to Bitmaps</source>
        <translation>Symbole in Bitmaps umwandeln</translation>
    </message>
    <message>
        <source>Files/Folders</source>
        <translation>Dateien/Ordner</translation>
    </message>
    <message>
        <source>Work with files and folders</source>
        <translation>Mit Dateien und Ordnern arbeiten</translation>
    </message>
    <message>
        <source>View Pictures...</source>
        <translation>Bilder anzeigen...</translation>
    </message>
    <message>
        <source>Open View Pictures</source>
        <translation>Bilder anzeigen öffnen</translation>
    </message>
    <message>
        <source>Close/Hide</source>
        <translation>Schließen/Ausblenden</translation>
    </message>
    <message>
        <source>Close/Hide Tabdeck</source>
        <translation>Tabdeck schließen/ausblenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close on execute</source>
        <translation>Beim Ausführen schließen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Hide on execute</source>
        <translation>Beim Ausführen ausblenden</translation>
    </message>
    <message>
        <source>App Style</source>
        <translation>Programmstil</translation>
    </message>
    <message>
        <source>Application Style</source>
        <translation>Programmstil</translation>
    </message>
    <message>
        <source>Stay On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Stay on top of all applications</source>
        <translation>Über allen Anwendungen bleiben</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Application act normal</source>
        <translation>Die Anwendung verhält sich normal</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>Mit der Arbeitsumgebung starten</translation>
    </message>
    <message>
        <source>Start the strip when you log in</source>
        <translation>Die Leiste bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Colors Menu</source>
        <translation>Farbenmenü</translation>
    </message>
    <message>
        <source>Button Color</source>
        <translation>Schaltflächenfarbe</translation>
    </message>
    <message>
        <source>Set all the buttons color</source>
        <translation>Die Farbe aller Schaltflächen festlegen</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Standardfarbe</translation>
    </message>
    <message>
        <source>Set the buttons default color</source>
        <translation>Die Standardfarbe der Schaltflächen setzen</translation>
    </message>
    <message>
        <source>Table Color</source>
        <translation>Tabellenfarbe</translation>
    </message>
    <message>
        <source>Set all the tables color</source>
        <translation>Die Farbe aller Tabellen festlegen</translation>
    </message>
    <message>
        <source>Set the tables default color</source>
        <translation>Die Standardfarbe der Tabellen setzen</translation>
    </message>
    <message>
        <source>Program Color</source>
        <translation>Programmfarbe</translation>
    </message>
    <message>
        <source>Set the program&apos;s color</source>
        <translation>Die Farbe des Programms festlegen</translation>
    </message>
    <message>
        <source>Set the program&apos;s default color</source>
        <translation>Die Standardfarbe des Programms setzen</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Remind me in ?</source>
        <translation>Erinnere mich in ?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Enter when to be reminded</source>
        <translation>Eingeben, wann erinnert werden soll</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop Reminder</source>
        <translation>Erinnerung anhalten</translation>
    </message>
    <message>
        <source>Open Hint...</source>
        <translation>Hinweis öffnen...</translation>
    </message>
    <message>
        <source>Open/Close Hint Window</source>
        <translation>Hinweisfenster öffnen/schließen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Open About</source>
        <translation>Info öffnen</translation>
    </message>
    <message>
        <source>Main Menu Help...</source>
        <translation>Hilfe zum Hauptmenü...</translation>
    </message>
    <message>
        <source>Main Menu Help</source>
        <translation>Hilfe zum Hauptmenü</translation>
    </message>
    <message>
        <source>Open Table Help...</source>
        <translation>Hilfe zum Öffnen von Tabellen...</translation>
    </message>
    <message>
        <source>Open Table Help</source>
        <translation>Hilfe zum Öffnen von Tabellen</translation>
    </message>
    <message>
        <source>Options Help...</source>
        <translation>Hilfe zu Optionen...</translation>
    </message>
    <message>
        <source>Options Help</source>
        <translation>Hilfe zu Optionen</translation>
    </message>
    <message>
        <source>Properties Help...</source>
        <translation>Hilfe zu Eigenschaften...</translation>
    </message>
    <message>
        <source>Properties Help</source>
        <translation>Hilfe zu Eigenschaften</translation>
    </message>
    <message>
        <source>Edit (*.ini) Help...</source>
        <translation>Hilfe zu Bearbeiten (*.ini)...</translation>
    </message>
    <message>
        <source>Edit (*.ini) Help</source>
        <translation>Hilfe zu Bearbeiten (*.ini)</translation>
    </message>
    <message>
        <source>Table PopUp Menu Help...</source>
        <translation>Hilfe zum Tabellen-Kontextmenü...</translation>
    </message>
    <message>
        <source>Right Click on a Table for a Menu</source>
        <translation>Rechtsklick auf eine Tabelle öffnet ein Menü</translation>
    </message>
    <message>
        <source>Services PopUp Menu Help...</source>
        <translation>Hilfe zum Dienste-Kontextmenü...</translation>
    </message>
    <message>
        <source>Right Click on the Door Icon to bring up the Services PopUp Menu</source>
        <translation>Rechtsklick auf das Türsymbol öffnet das Dienste-Kontextmenü</translation>
    </message>
    <message>
        <source>Extensive Help...</source>
        <translation>Ausführliche Hilfe...</translation>
    </message>
    <message>
        <source>Extensive Help File</source>
        <translation>Ausführliche Hilfedatei</translation>
    </message>
    <message>
        <source>Bug Reports...</source>
        <translation>Fehlerberichte...</translation>
    </message>
    <message>
        <source>E-mail Bug Report</source>
        <translation>Fehlerbericht per E-Mail senden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open a application for the button</source>
        <translation>Eine Anwendung für die Schaltfläche öffnen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Cut button application from the selected button</source>
        <translation>Die Anwendung der gewählten Schaltfläche ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste button application to the selected button</source>
        <translation>Die Anwendung in die gewählte Schaltfläche einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the application from the button</source>
        <translation>Die Anwendung von der Schaltfläche löschen</translation>
    </message>
    <message>
        <source>File Prop...</source>
        <translation>Dateieigenschaften...</translation>
    </message>
    <message>
        <source>Get the file&apos;s properties</source>
        <translation>Die Eigenschaften der Datei anzeigen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Optionenmenü</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Properties Menu</source>
        <translation>Eigenschaftenmenü</translation>
    </message>
    <message>
        <source>Edit (*.ini)...</source>
        <translation>Bearbeiten (*.ini)...</translation>
    </message>
    <message>
        <source>Edit the control file</source>
        <translation>Die Steuerdatei bearbeiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Menu</source>
        <translation>Hilfemenü</translation>
    </message>
    <message>
        <source>Close Menu</source>
        <translation>Menü schließen</translation>
    </message>
    <message>
        <source>Close this Menu</source>
        <translation>Dieses Menü schließen</translation>
    </message>
    <message>
        <source>Launch Options…</source>
        <translation>Startoptionen…</translation>
    </message>
    <message>
        <source>Arguments, working folder and terminal of the program</source>
        <translation>Argumente, Arbeitsordner und Terminal des Programms</translation>
    </message>
</context>
<context>
    <name>ButtonSlots</name>
    <message>
        <source>Right Click for Menu.<byte value="xd"/>Or Drag &amp; Drop.</source>
        <translation>Rechtsklick für das Menü.<byte value="xd"/>Oder per Ziehen &amp; Ablegen.</translation>
    </message>
    <message>
        <source>Button %1, table %2</source>
        <translation>Schaltfläche %1, Tabelle %2</translation>
    </message>
</context>
<context>
    <name>ControlFile</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot create file %1: the changes you make will not be kept</source>
        <translation>Datei %1 kann nicht erstellt werden: Ihre Änderungen werden nicht behalten</translation>
    </message>
</context>
<context>
    <name>ConversionError</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>DesktopApps</name>
    <message>
        <source>its desktop entry has no action %1</source>
        <translation>sein Desktop-Eintrag hat keine Aktion %1</translation>
    </message>
    <message>
        <source>its program %1 is not installed</source>
        <translation>sein Programm %1 ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>DibDecoder</name>
    <message>
        <source>Icon image is not valid</source>
        <translation>Das Symbolbild ist ungültig</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>TabdeckV10 needs XWayland</source>
        <translation>TabdeckV10 braucht XWayland</translation>
    </message>
    <message>
        <source>TabdeckV10 shows its strip through X11, which a Wayland desktop offers through XWayland. Install the package xwayland; in sway, add the line &quot;xwayland enable&quot; to its configuration. Then start TabdeckV10 again.</source>
        <translation>TabdeckV10 zeigt seine Leiste über X11, das ein Wayland-Desktop über XWayland anbietet. Installieren Sie das Paket xwayland; fügen Sie in sway die Zeile „xwayland enable“ seiner Konfiguration hinzu. Starten Sie TabdeckV10 danach erneut.</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>EditSession</name>
    <message>
        <source>Save Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>The changes you made to the control file were saved.</source>
        <translation>Ihre Änderungen an der Steuerdatei wurden gespeichert.</translation>
    </message>
    <message>
        <source>The changes you made to the control file were NOT saved.</source>
        <translation>Ihre Änderungen an der Steuerdatei wurden NICHT gespeichert.</translation>
    </message>
    <message>
        <source>All Files (*.*);;INI File (*.ini);;</source>
        <translation>Alle Dateien (*.*);;INI-Datei (*.ini);;</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>The control file was changed since it was loaded. Replace it with the text in the editor?</source>
        <translation>Die Steuerdatei wurde seit dem Laden geändert. Durch den Text im Editor ersetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want to save the changes you made to the control file?</source>
        <translation>Sollen Ihre Änderungen an der Steuerdatei wirklich gespeichert werden?</translation>
    </message>
    <message>
        <source>Back up Control File?</source>
        <translation>Steuerdatei sichern?</translation>
    </message>
    <message>
        <source>Are you sure you want to back up the control file?</source>
        <translation>Soll die Steuerdatei wirklich gesichert werden?</translation>
    </message>
    <message>
        <source>The control file:<byte value="xd"/></source>
        <translation>Die Steuerdatei:<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>was backed up as:<byte value="xd"/></source>
        <translation><byte value="xd"/>wurde gesichert als:<byte value="xd"/></translation>
    </message>
    <message>
        <source>The Control File was NOT Backed up!</source>
        <translation>Die Steuerdatei wurde NICHT gesichert!</translation>
    </message>
    <message>
        <source>There is no back up file to restore with!</source>
        <translation>Es gibt keine Sicherungsdatei zum Wiederherstellen!</translation>
    </message>
    <message>
        <source>Restore Control File?</source>
        <translation>Steuerdatei wiederherstellen?</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the control file?</source>
        <translation>Soll die Steuerdatei wirklich wiederhergestellt werden?</translation>
    </message>
    <message>
        <source>The Control File was Restored!<byte value="xd"/>It will take affect the next time the program opens!</source>
        <translation>Die Steuerdatei wurde wiederhergestellt!<byte value="xd"/>Sie wird beim nächsten Programmstart wirksam!</translation>
    </message>
    <message>
        <source>The Control File was NOT Restored!</source>
        <translation>Die Steuerdatei wurde NICHT wiederhergestellt!</translation>
    </message>
    <message>
        <source>Save the Control File As...</source>
        <translation>Steuerdatei speichern unter...</translation>
    </message>
    <message>
        <source>BAK File (*.bak)</source>
        <translation>BAK-Datei (*.bak)</translation>
    </message>
    <message>
        <source>The file was saved as:<byte value="xd"/></source>
        <translation>Die Datei wurde gespeichert als:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Open a Control File</source>
        <translation>Eine Steuerdatei öffnen</translation>
    </message>
    <message>
        <source>BAK (*.bak)</source>
        <translation>BAK (*.bak)</translation>
    </message>
    <message>
        <source>Do you want to save the changes you made to the control file?</source>
        <translation>Möchten Sie Ihre Änderungen an der Steuerdatei speichern?</translation>
    </message>
</context>
<context>
    <name>EmailHelpMenu</name>
    <message>
        <source>Send Mail Help</source>
        <translation>Hilfe zu E-Mail senden</translation>
    </message>
    <message>
        <source>E-mail Help</source>
        <translation>E-Mail-Hilfe</translation>
    </message>
    <message>
        <source>Send Mail:<byte value="xd"/><byte value="xd"/>The Send Mail method sends the E-Mail message, if everything is setup right.<byte value="xd"/><byte value="xd"/>Before you Send Mail you have to Setup your e-mail information on the Setup Page.<byte value="xd"/></source>
        <translation>E-Mail senden:<byte value="xd"/><byte value="xd"/>E-Mail senden verschickt die Nachricht, wenn alles richtig eingerichtet ist.<byte value="xd"/><byte value="xd"/>Bevor Sie eine E-Mail senden, müssen Sie Ihre E-Mail-Angaben auf der Einrichtungsseite eintragen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Disconnect Help</source>
        <translation>Hilfe zu Trennen</translation>
    </message>
    <message>
        <source>Disconnect:<byte value="xd"/><byte value="xd"/>If you are connected this disconnects you.<byte value="xd"/><byte value="xd"/>The Send Mail Button connects you, sends the mail, and then disconnects you if the e-mail was sent right.<byte value="xd"/>Else use this Button to disconnect.<byte value="xd"/></source>
        <translation>Trennen:<byte value="xd"/><byte value="xd"/>Wenn Sie verbunden sind, trennt dies die Verbindung.<byte value="xd"/><byte value="xd"/>Die Schaltfläche E-Mail senden verbindet Sie, sendet die Nachricht und trennt dann die Verbindung, wenn die E-Mail richtig gesendet wurde.<byte value="xd"/>Andernfalls trennen Sie mit dieser Schaltfläche.<byte value="xd"/></translation>
    </message>
    <message>
        <source>E-mail List</source>
        <translation>E-Mail-Liste</translation>
    </message>
    <message>
        <source>E-mail List Help</source>
        <translation>Hilfe zur E-Mail-Liste</translation>
    </message>
    <message>
        <source>E-mail List:<byte value="xd"/><byte value="xd"/>Double click a e-mail address in the list, and the e-mail address is placed in the TO: Box.<byte value="xd"/></source>
        <translation>E-Mail-Liste:<byte value="xd"/><byte value="xd"/>Doppelklicken Sie auf eine E-Mail-Adresse in der Liste, und sie wird in das Feld AN: übernommen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Name List</source>
        <translation>Namensliste</translation>
    </message>
    <message>
        <source>Name List:<byte value="xd"/><byte value="xd"/>Double click a name in the list, and the e-mail address is placed in the TO: Box.<byte value="xd"/></source>
        <translation>Namensliste:<byte value="xd"/><byte value="xd"/>Doppelklicken Sie auf einen Namen in der Liste, und die E-Mail-Adresse wird in das Feld AN: übernommen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>E-mail Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Enter E-mail Address</source>
        <translation>E-Mail-Adresse eingeben</translation>
    </message>
    <message>
        <source>Enter E-mail Address:<byte value="xd"/><byte value="xd"/>Enter the e-mail address you want to add to the list.<byte value="xd"/></source>
        <translation>E-Mail-Adresse eingeben:<byte value="xd"/><byte value="xd"/>Geben Sie die E-Mail-Adresse ein, die Sie der Liste hinzufügen möchten.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Enter Name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Enter Name:<byte value="xd"/><byte value="xd"/>Enter the name you want to add to the list.<byte value="xd"/></source>
        <translation>Namen eingeben:<byte value="xd"/><byte value="xd"/>Geben Sie den Namen ein, den Sie der Liste hinzufügen möchten.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add Button</source>
        <translation>Schaltfläche Hinzufügen</translation>
    </message>
    <message>
        <source>Add Button:<byte value="xd"/><byte value="xd"/>Click here to add the e-mail address, and name to the list.<byte value="xd"/><byte value="xd"/>To remove a e-mail address and name from the list, highlight a e-mail address or name and click the right mouse button.<byte value="xd"/></source>
        <translation>Schaltfläche Hinzufügen:<byte value="xd"/><byte value="xd"/>Klicken Sie hier, um die E-Mail-Adresse und den Namen der Liste hinzuzufügen.<byte value="xd"/><byte value="xd"/>Um eine E-Mail-Adresse und einen Namen aus der Liste zu entfernen, markieren Sie eine E-Mail-Adresse oder einen Namen und klicken mit der rechten Maustaste.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Enter you e-mail host:</source>
        <translation>Ihren E-Mail-Server eingeben:</translation>
    </message>
    <message>
        <source>E-mail Setup Help</source>
        <translation>Hilfe zur E-Mail-Einrichtung</translation>
    </message>
    <message>
        <source>Enter you e-mail host:<byte value="xd"/><byte value="xd"/>Here you enter your e-mail host.<byte value="xd"/>Example: </source>
        <translation>Ihren E-Mail-Server eingeben:<byte value="xd"/><byte value="xd"/>Hier geben Sie Ihren E-Mail-Server ein.<byte value="xd"/>Beispiel: </translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>Benutzerkennung</translation>
    </message>
    <message>
        <source>Enter your User ID:</source>
        <translation>Ihre Benutzerkennung eingeben:</translation>
    </message>
    <message>
        <source>Enter your User ID:<byte value="xd"/><byte value="xd"/>Here you enter your e-mail UserID.<byte value="xd"/>Example: Your password.<byte value="xd"/></source>
        <translation>Ihre Benutzerkennung eingeben:<byte value="xd"/><byte value="xd"/>Hier geben Sie Ihre E-Mail-Benutzerkennung ein.<byte value="xd"/>Beispiel: Ihr Passwort.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Enter your e-mail address:</source>
        <translation>Ihre E-Mail-Adresse eingeben:</translation>
    </message>
    <message>
        <source>Enter your e-mail address:<byte value="xd"/><byte value="xd"/>Here you enter your e-mail address.<byte value="xd"/>Example: </source>
        <translation>Ihre E-Mail-Adresse eingeben:<byte value="xd"/><byte value="xd"/>Hier geben Sie Ihre E-Mail-Adresse ein.<byte value="xd"/>Beispiel: </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Ihren Namen eingeben:</translation>
    </message>
    <message>
        <source>Enter your name:<byte value="xd"/><byte value="xd"/>Here you enter your name.<byte value="xd"/></source>
        <translation>Ihren Namen eingeben:<byte value="xd"/><byte value="xd"/>Hier geben Sie Ihren Namen ein.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Save Setup</source>
        <translation>Einrichtung speichern</translation>
    </message>
    <message>
        <source>Save Setup Button</source>
        <translation>Schaltfläche Einrichtung speichern</translation>
    </message>
    <message>
        <source>Save Setup Button:<byte value="xd"/><byte value="xd"/>Click here to save your e-mail setup information.<byte value="xd"/></source>
        <translation>Schaltfläche Einrichtung speichern:<byte value="xd"/><byte value="xd"/>Klicken Sie hier, um Ihre E-Mail-Einrichtung zu speichern.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Select File Help</source>
        <translation>Hilfe zu Datei wählen</translation>
    </message>
    <message>
        <source>Select file to send Button:<byte value="xd"/><byte value="xd"/>Click here to select the file you want to send.<byte value="xd"/></source>
        <translation>Schaltfläche Zu sendende Datei wählen:<byte value="xd"/><byte value="xd"/>Klicken Sie hier, um die Datei zu wählen, die Sie senden möchten.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Select File Type Help</source>
        <translation>Hilfe zu Dateityp wählen</translation>
    </message>
    <message>
        <source>Select File Type:<byte value="xd"/><byte value="xd"/>Select the type of file your are sending.<byte value="xd"/><byte value="xd"/>The type is used for specifying a sub-type for e-mail documents.<byte value="xd"/>     HTML (Hyper Text Markup Language) Document.<byte value="xd"/>     Rich Text Format.<byte value="xd"/>     SGML (Standard Generalized Markup Language) Document.<byte value="xd"/>     Plain Text Format (Default).<byte value="xd"/></source>
        <translation>Dateityp wählen:<byte value="xd"/><byte value="xd"/>Wählen Sie den Typ der Datei, die Sie senden.<byte value="xd"/><byte value="xd"/>Der Typ gibt den Untertyp für E-Mail-Dokumente an.<byte value="xd"/>     HTML-Dokument (Hyper Text Markup Language).<byte value="xd"/>     Rich Text Format.<byte value="xd"/>     SGML-Dokument (Standard Generalized Markup Language).<byte value="xd"/>     Reiner Text (Standard).<byte value="xd"/></translation>
    </message>
    <message>
        <source>Setup Help</source>
        <translation>Hilfe zur Einrichtung</translation>
    </message>
</context>
<context>
    <name>EmailListPage</name>
    <message>
        <source>E-mail List</source>
        <translation>E-Mail-Liste</translation>
    </message>
    <message>
        <source>Name List</source>
        <translation>Namensliste</translation>
    </message>
    <message>
        <source>Enter E-mail Address:</source>
        <translation>E-Mail-Adresse eingeben:</translation>
    </message>
    <message>
        <source>Enter Name:</source>
        <translation>Namen eingeben:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add to lists</source>
        <translation>Zu den Listen hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>EmailSendPage</name>
    <message>
        <source>Send E-mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>**Required</source>
        <translation>**Pflichtfeld</translation>
    </message>
    <message>
        <source>**To:</source>
        <translation>**An:</translation>
    </message>
    <message>
        <source>**Subject:</source>
        <translation>**Betreff:</translation>
    </message>
    <message>
        <source>Select a file to send</source>
        <translation>Eine zu sendende Datei wählen</translation>
    </message>
    <message>
        <source>**Select file to send:</source>
        <translation>**Zu sendende Datei wählen:</translation>
    </message>
    <message>
        <source>Select File Type</source>
        <translation>Dateityp wählen</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>RichEdit</source>
        <translation>RichEdit</translation>
    </message>
    <message>
        <source>SGML Document</source>
        <translation>SGML-Dokument</translation>
    </message>
    <message>
        <source>Text (Default)</source>
        <translation>Text (Standard)</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Send the e-mail</source>
        <translation>Die E-Mail senden</translation>
    </message>
</context>
<context>
    <name>EmailSettings</name>
    <message>
        <source>&apos;%1&apos; is not a valid security setting; choose STARTTLS, SSL/TLS or None on the setup page</source>
        <translation>&apos;%1&apos; ist keine gültige Sicherheitseinstellung; wählen Sie auf der Einrichtungsseite STARTTLS, SSL/TLS oder Keine</translation>
    </message>
</context>
<context>
    <name>EmailSetupPage</name>
    <message>
        <source>Setup E-mail</source>
        <translation>E-Mail einrichten</translation>
    </message>
    <message>
        <source>Enter you e-mail host:</source>
        <translation>Ihren E-Mail-Server eingeben:</translation>
    </message>
    <message>
        <source>Example: </source>
        <translation>Beispiel: </translation>
    </message>
    <message>
        <source>Enter your User ID:</source>
        <translation>Ihre Benutzerkennung eingeben:</translation>
    </message>
    <message>
        <source>Example: Your password</source>
        <translation>Beispiel: Ihr Passwort</translation>
    </message>
    <message>
        <source>Enter your e-mail address:</source>
        <translation>Ihre E-Mail-Adresse eingeben:</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Ihren Namen eingeben:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sicherheit:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>  Current e-mail<byte value="xd"/>
setup information:</source>
        <translation>  Aktuelle E-Mail-<byte value="xd"/>
Einrichtung:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>UserID:</source>
        <translation>Benutzerkennung:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Save Setup</source>
        <translation>Einrichtung speichern</translation>
    </message>
    <message>
        <source>Save and apply your e-mail account information</source>
        <translation>Ihre E-Mail-Kontodaten speichern und anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Connect, secure and sign in with this setup, without sending anything</source>
        <translation>Mit dieser Einrichtung verbinden, absichern und anmelden, ohne etwas zu senden</translation>
    </message>
    <message>
        <source>Find Settings</source>
        <translation>Einstellungen suchen</translation>
    </message>
    <message>
        <source>Try port 465 with SSL/TLS, 587 with STARTTLS, then 25 on the host, and fill in what answers</source>
        <translation>Auf dem Server Port 465 mit SSL/TLS, 587 mit STARTTLS, dann 25 versuchen und eintragen, was antwortet</translation>
    </message>
</context>
<context>
    <name>EmailSetupSaver</name>
    <message>
        <source>With Security set to None the connection is not secured: your sign-in name and password cross the network as plain text, and anyone on the way can read them.<byte value="xd"/><byte value="xd"/>Save this setup anyway?</source>
        <translation>Mit der Sicherheit „Keine“ ist die Verbindung nicht geschützt: Ihr Anmeldename und Ihr Passwort gehen als Klartext durch das Netz, und jeder auf dem Weg kann sie lesen.<byte value="xd"/><byte value="xd"/>Diese Einrichtung trotzdem speichern?</translation>
    </message>
    <message>
        <source>You have to enter your e-mail Host.</source>
        <translation>Sie müssen Ihren E-Mail-Server eingeben.</translation>
    </message>
    <message>
        <source>You have to enter your UserID.</source>
        <translation>Sie müssen Ihre Benutzerkennung eingeben.</translation>
    </message>
    <message>
        <source>You have to enter your e-mail address.</source>
        <translation>Sie müssen Ihre E-Mail-Adresse eingeben.</translation>
    </message>
    <message>
        <source>You have to enter your name.</source>
        <translation>Sie müssen Ihren Namen eingeben.</translation>
    </message>
    <message>
        <source>You have to enter the user name to sign in with, or turn Sign in off.</source>
        <translation>Sie müssen den Benutzernamen für die Anmeldung eingeben oder Anmelden ausschalten.</translation>
    </message>
    <message>
        <source>Are you sure you want to save the the e-mail setup now?</source>
        <translation>Soll die E-Mail-Einrichtung jetzt wirklich gespeichert werden?</translation>
    </message>
    <message>
        <source>Sign In Without Security</source>
        <translation>Anmelden ohne Sicherheit</translation>
    </message>
    <message>
        <source>The e-mail information was saved!</source>
        <translation>Die E-Mail-Angaben wurden gespeichert!</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s keyring (%1).<byte value="xd"/>You will be asked for it at each send; it is not written to any file.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund der Arbeitsumgebung abgelegt werden (%1).<byte value="xd"/>Sie werden bei jedem Senden danach gefragt; es wird in keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>ExIconsPanels</name>
    <message>
        <source>Current Icon</source>
        <translation>Aktuelles Symbol</translation>
    </message>
    <message>
        <source>Icon placement in file</source>
        <translation>Position des Symbols in der Datei</translation>
    </message>
    <message>
        <source>File to extract icons from</source>
        <translation>Datei, aus der Symbole extrahiert werden</translation>
    </message>
    <message>
        <source>Go back to next icon</source>
        <translation>Zurück zum vorigen Symbol</translation>
    </message>
    <message>
        <source>Go to next icon</source>
        <translation>Zum nächsten Symbol</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Reset to first icon in the file</source>
        <translation>Auf das erste Symbol der Datei zurücksetzen</translation>
    </message>
    <message>
        <source>Extract Icons</source>
        <translation>Symbole extrahieren</translation>
    </message>
    <message>
        <source>Select Drive and Folder</source>
        <translation>Laufwerk und Ordner wählen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files in the selected folder</source>
        <translation>Dateien im gewählten Ordner</translation>
    </message>
    <message>
        <source>Enter New Folder Name:</source>
        <translation>Neuen Ordnernamen eingeben:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Create the new folder</source>
        <translation>Den neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Use Selected</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Do NOT create a new folder, use the selected folder...</source>
        <translation>KEINEN neuen Ordner erstellen, den gewählten Ordner verwenden...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Please Wait while the Icons are being Saved in Folder:</source>
        <translation>Bitte warten, die Symbole werden gespeichert im Ordner:</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Extract Icons is Saving Icons</source>
        <translation>Symbole extrahieren speichert Symbole</translation>
    </message>
    <message>
        <source>Icon shown</source>
        <translation>Angezeigtes Symbol</translation>
    </message>
</context>
<context>
    <name>ExtractorHelp</name>
    <message>
        <source> Here you open a *.exe or *.dll file to extract icons from.<byte value="xd"/></source>
        <translation> Hier öffnen Sie eine *.exe- oder *.dll-Datei, um Symbole daraus zu extrahieren.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Here you save the current icon that is selected.<byte value="xd"/>The current icon is showen in the image at the top.<byte value="xd"/></source>
        <translation>Hier speichern Sie das aktuell gewählte Symbol.<byte value="xd"/>Das aktuelle Symbol wird im Bild oben angezeigt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Here you save all of the icons that are in the *.exe or *.dll file you have open.<byte value="xd"/>Before you can save all of the icons, you have to select or create a folder to save them to.<byte value="xd"/></source>
        <translation>Hier speichern Sie alle Symbole der geöffneten *.exe- oder *.dll-Datei.<byte value="xd"/>Bevor Sie alle Symbole speichern können, müssen Sie einen Ordner dafür wählen oder erstellen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>This is where you select or create a folder to save all of the icons in.<byte value="xd"/></source>
        <translation>Hier wählen oder erstellen Sie einen Ordner, in dem alle Symbole gespeichert werden.<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>FileProperties</name>
    <message>
        <source>none, this is a folder</source>
        <translation>keine, dies ist ein Ordner</translation>
    </message>
    <message>
        <source>none, this is not a regular file</source>
        <translation>keine, dies ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>unknown, the file cannot be read</source>
        <translation>unbekannt, die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>  The File Attribute is: </source>
        <translation>  Das Dateiattribut ist: </translation>
    </message>
    <message>
        <source>Hidden file</source>
        <translation>Versteckte Datei</translation>
    </message>
    <message>
        <source>Read-only file</source>
        <translation>Schreibgeschützte Datei</translation>
    </message>
    <message>
        <source>System file</source>
        <translation>Systemdatei</translation>
    </message>
    <message>
        <source>  File Properties for the Application:</source>
        <translation>  Dateieigenschaften der Anwendung:</translation>
    </message>
    <message>
        <source>  On Button %1</source>
        <translation>  Auf Schaltfläche %1</translation>
    </message>
    <message>
        <source>  This button is empty: it holds no file.</source>
        <translation>  Diese Schaltfläche ist leer: Sie enthält keine Datei.</translation>
    </message>
    <message>
        <source>  This is a web address, not a file: it has no length or date.</source>
        <translation>  Dies ist eine Webadresse, keine Datei: Sie hat weder Länge noch Datum.</translation>
    </message>
    <message>
        <source>  This is not the full path of a file.</source>
        <translation>  Dies ist nicht der vollständige Pfad einer Datei.</translation>
    </message>
    <message>
        <source>  This file does not exist.</source>
        <translation>  Diese Datei existiert nicht.</translation>
    </message>
    <message>
        <source>  This file cannot be examined: %1.</source>
        <translation>  Diese Datei kann nicht untersucht werden: %1.</translation>
    </message>
    <message>
        <source>  File length in bytes: </source>
        <translation>  Dateilänge in Byte: </translation>
    </message>
    <message>
        <source>  The File Date: </source>
        <translation>  Das Dateidatum: </translation>
    </message>
</context>
<context>
    <name>FindList</name>
    <message>
        <source>Find a button</source>
        <translation>Schaltfläche suchen</translation>
    </message>
    <message>
        <source>Find: %1 (no button matches)</source>
        <translation>Suche: %1 (keine Schaltfläche passt)</translation>
    </message>
    <message>
        <source>Find: %1</source>
        <translation>Suche: %1</translation>
    </message>
</context>
<context>
    <name>FolderOps</name>
    <message>
        <source>Are you sure you want to create (Folder) Diredtory </source>
        <translation>Soll das (Ordner-)Verzeichnis wirklich erstellt werden: </translation>
    </message>
    <message>
        <source>Directory </source>
        <translation>Das Verzeichnis </translation>
    </message>
    <message>
        <source> already Exists!<byte value="xd"/>Try a new name!</source>
        <translation> existiert bereits!<byte value="xd"/>Versuchen Sie einen neuen Namen!</translation>
    </message>
    <message>
        <source>ERROR: Cannot create (folder) directory </source>
        <translation>FEHLER: Das (Ordner-)Verzeichnis kann nicht erstellt werden: </translation>
    </message>
    <message>
        <source><byte value="xd"/>Try again!</source>
        <translation><byte value="xd"/>Versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Are you sure you want to Remove (Folder) Diredtory </source>
        <translation>Soll das (Ordner-)Verzeichnis wirklich entfernt werden: </translation>
    </message>
    <message>
        <source>ERROR: Could NOT Remove Directory </source>
        <translation>FEHLER: Das Verzeichnis konnte NICHT entfernt werden: </translation>
    </message>
    <message>
        <source>!<byte value="xd"/>Cannot Remove a Directory that is not Empty!</source>
        <translation>!<byte value="xd"/>Ein Verzeichnis, das nicht leer ist, kann nicht entfernt werden!</translation>
    </message>
    <message>
        <source>Are you sure you want to Remove File:<byte value="xd"/></source>
        <translation>Soll die Datei wirklich entfernt werden:<byte value="xd"/></translation>
    </message>
    <message>
        <source>ERROR: Could NOT Remove File </source>
        <translation>FEHLER: Die Datei konnte NICHT entfernt werden: </translation>
    </message>
    <message>
        <source>!<byte value="xd"/>Cannot Remove Read Only Files!</source>
        <translation>!<byte value="xd"/>Schreibgeschützte Dateien können nicht entfernt werden!</translation>
    </message>
    <message>
        <source>!<byte value="xd"/>The file is no longer in the list.</source>
        <translation>!<byte value="xd"/>Die Datei ist nicht mehr in der Liste.</translation>
    </message>
    <message>
        <source>Cannot open the file </source>
        <translation>Die Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source><byte value="xd"/>Its name is not valid text.</source>
        <translation><byte value="xd"/>Ihr Name ist kein gültiger Text.</translation>
    </message>
</context>
<context>
    <name>FolderPathList</name>
    <message>
        <source>Cannot open the folder %1</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Color </source>
        <translation>Farbe </translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Failed to Load Stream: </source>
        <translation>Laden des Datenstroms fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Failed to Load Stream</source>
        <translation>Laden des Datenstroms fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Pathnook Help</source>
        <translation>Pathnook-Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Main Menu Help:</source>
        <translation>Hilfe zum Hauptmenü:</translation>
    </message>
    <message>
        <source>Main Menu:<byte value="xd"/><byte value="xd"/>Right Click on a Button to bring up the Main Menu.<byte value="xd"/><byte value="xd"/>Open: Here you open about any type of file, folder or webaddress to install on the selected button. A Windows Shortcut for files, folders and webaddresses will not work in TabdeckV10. To install a folder or webaddress on a button, Drag &amp; Drop them on the button. When a file, folder or webaddress that does not have a icon in it, is opened or Drag &amp; Dropped on a button, a Picture Dialog opens to let you select a icon for the button.<byte value="xd"/><byte value="xd"/>TIP for ICONS:<byte value="xd"/>In the Main Menu go to Options, Extract Icons..., and extract some icons for the buttons to use.<byte value="xd"/><byte value="xd"/>Cut: Here you cut the button application from the selected button, so you can move (Paste) it on another button.<byte value="xd"/><byte value="xd"/>Paste: Here you paste the button application you cut to the button you select. This moves Button 1 App to Button 2. Button 1 and Button 2 = the buttons you selected.<byte value="xd"/><byte value="xd"/>Delete: Here you Delete the application from the button. Then you can install another application on the button.<byte value="xd"/><byte value="xd"/>File Prop...: Here you get the selected button&apos;s file&apos;s properties. A Dialog Box opens where you can copy the file&apos;s properties to the clipboard. Right Click in the Dialog Box to bring up the Edit Menu.<byte value="xd"/></source>
        <translation>Hauptmenü:<byte value="xd"/><byte value="xd"/>Rechtsklick auf eine Schaltfläche öffnet das Hauptmenü.<byte value="xd"/><byte value="xd"/>Öffnen: Hier öffnen Sie nahezu jede Art von Datei, Ordner oder Webadresse, um sie auf der gewählten Schaltfläche einzurichten. Eine Windows-Verknüpfung zu Dateien, Ordnern und Webadressen funktioniert in TabdeckV10 nicht. Um einen Ordner oder eine Webadresse auf einer Schaltfläche einzurichten, ziehen Sie sie per Drag &amp; Drop auf die Schaltfläche. Wird eine Datei, ein Ordner oder eine Webadresse ohne eigenes Symbol geöffnet oder per Drag &amp; Drop auf eine Schaltfläche gezogen, öffnet sich ein Bilddialog, in dem Sie ein Symbol für die Schaltfläche wählen.<byte value="xd"/><byte value="xd"/>TIPP zu SYMBOLEN:<byte value="xd"/>Gehen Sie im Hauptmenü auf Optionen, Symbole extrahieren..., und extrahieren Sie einige Symbole für die Schaltflächen.<byte value="xd"/><byte value="xd"/>Ausschneiden: Hier schneiden Sie die Anwendung der gewählten Schaltfläche aus, um sie auf eine andere Schaltfläche zu verschieben (Einfügen).<byte value="xd"/><byte value="xd"/>Einfügen: Hier fügen Sie die ausgeschnittene Anwendung auf der gewählten Schaltfläche ein. Das verschiebt die Anwendung von Schaltfläche 1 auf Schaltfläche 2. Schaltfläche 1 und Schaltfläche 2 = die von Ihnen gewählten Schaltflächen.<byte value="xd"/><byte value="xd"/>Löschen: Hier löschen Sie die Anwendung von der Schaltfläche. Danach können Sie eine andere Anwendung auf der Schaltfläche einrichten.<byte value="xd"/><byte value="xd"/>Dateieigenschaften...: Hier erhalten Sie die Eigenschaften der Datei der gewählten Schaltfläche. Ein Dialogfeld öffnet sich, aus dem Sie die Eigenschaften in die Zwischenablage kopieren können. Ein Rechtsklick im Dialogfeld öffnet das Bearbeiten-Menü.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Tables Menu Help:</source>
        <translation>Hilfe zum Tabellenmenü:</translation>
    </message>
    <message>
        <source>Tables Menu:<byte value="xd"/><byte value="xd"/>Right Click on the 3 Disk Icon to bring up the Tables Menu. Here you select which table you want to open. There are 30 Tables with 12 Buttons on each Table, for a total of 360 Buttons.<byte value="xd"/></source>
        <translation>Tabellenmenü:<byte value="xd"/><byte value="xd"/>Rechtsklick auf das Symbol mit den 3 Disketten öffnet das Tabellenmenü. Hier wählen Sie, welche Tabelle Sie öffnen möchten. Es gibt 30 Tabellen mit je 12 Schaltflächen, insgesamt 360 Schaltflächen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Options:<byte value="xd"/><byte value="xd"/>Rename Tables: Here you rename the tables to any name you want. This makes it better for you to locate applications in the 30 Tables.<byte value="xd"/><byte value="xd"/>E-mail...: Here you E-mail a document or file. The E-mail Dialog Box has it&apos;s own Help Files.<byte value="xd"/><byte value="xd"/>Extract Icons...: Here you extract Icons from *.exe and *.dll files. You use the icons for the buttons when a file does not have it&apos;s own icon. Folders and webaddress do not have a icon in them that TabdeckV10 can extract and use on a button, so you have to select a icon for the button. Extract Icons has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>Convert Icons...: Here you convert Icons to Bitmaps. Convert Icons has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>Files/Folders...: Here you work with files and folders. Files/Folders has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>View Pictures...: Here you Open Pictures to view. View Pictures has it&apos;s own Help File.<byte value="xd"/><byte value="xd"/>Close/Hide: Here you select to Close or Hide Tabdeck when you execute a button. If you select Hide then Tabdeck hides to the left side of the screen, so to open Tabdeck again just touch the red end of Tabdeck with the mouse pointerand it pops to the center of the screen to use again.<byte value="xd"/><byte value="xd"/>App Style: Here you select the Application Style.<byte value="xd"/>Stay on Top: Tabdeck Stays on top of all applications.<byte value="xd"/>Normal: Tabdeck acts normal.<byte value="xd"/></source>
        <translation>Optionen:<byte value="xd"/><byte value="xd"/>Tabellen umbenennen: Hier geben Sie den Tabellen beliebige Namen. So finden Sie Anwendungen in den 30 Tabellen leichter.<byte value="xd"/><byte value="xd"/>E-Mail...: Hier senden Sie ein Dokument oder eine Datei per E-Mail. Das E-Mail-Dialogfeld hat eine eigene Hilfe.<byte value="xd"/><byte value="xd"/>Symbole extrahieren...: Hier extrahieren Sie Symbole aus *.exe- und *.dll-Dateien. Sie verwenden die Symbole für die Schaltflächen, wenn eine Datei kein eigenes Symbol hat. Ordner und Webadressen enthalten kein Symbol, das TabdeckV10 extrahieren und auf einer Schaltfläche verwenden kann, daher müssen Sie ein Symbol für die Schaltfläche wählen. Symbole extrahieren hat eine eigene Hilfe.<byte value="xd"/><byte value="xd"/>Symbole umwandeln...: Hier wandeln Sie Symbole in Bitmaps um. Symbole umwandeln hat eine eigene Hilfe.<byte value="xd"/><byte value="xd"/>Dateien/Ordner...: Hier arbeiten Sie mit Dateien und Ordnern. Dateien/Ordner hat eine eigene Hilfe.<byte value="xd"/><byte value="xd"/>Bilder anzeigen...: Hier öffnen Sie Bilder zum Ansehen. Bilder anzeigen hat eine eigene Hilfe.<byte value="xd"/><byte value="xd"/>Schließen/Ausblenden: Hier wählen Sie, ob Tabdeck beim Ausführen einer Schaltfläche geschlossen oder ausgeblendet wird. Wählen Sie Ausblenden, verschwindet Tabdeck am linken Bildschirmrand; um Tabdeck wieder zu öffnen, berühren Sie einfach das rote Ende von Tabdeck mit dem Mauszeiger, und es springt zur Benutzung in die Bildschirmmitte.<byte value="xd"/><byte value="xd"/>Programmstil: Hier wählen Sie den Stil der Anwendung.<byte value="xd"/>Immer im Vordergrund: Tabdeck bleibt über allen Anwendungen.<byte value="xd"/>Normal: Tabdeck verhält sich normal.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Properties:<byte value="xd"/><byte value="xd"/>Colors:<byte value="xd"/>Button Color: Here you Set all the buttons color.<byte value="xd"/>Default Color: Here you Set the buttons to their default color, clBtFace.<byte value="xd"/><byte value="xd"/>Table Color: Here you Set all the tables color.<byte value="xd"/>Default Color: Here you Set all the tables to their default color, clBtFace.<byte value="xd"/><byte value="xd"/>Program Color: Here you Set Tabdeck&apos;s color.<byte value="xd"/>Default Color: Here you Set Tabdeck to it&apos;s default color, clBtnFace.<byte value="xd"/><byte value="xd"/>Open With: Here you open with the selected table showing the next time Tabdeck opens.<byte value="xd"/><byte value="xd"/>Reminder: Here you remind yourself in how long of time.<byte value="xd"/> Start: Here you Enter when to be reminded.<byte value="xd"/>Stop: Here you Stop Reminder.<byte value="xd"/></source>
        <translation>Eigenschaften:<byte value="xd"/><byte value="xd"/>Farben:<byte value="xd"/>Schaltflächenfarbe: Hier legen Sie die Farbe aller Schaltflächen fest.<byte value="xd"/>Standardfarbe: Hier setzen Sie die Schaltflächen auf ihre Standardfarbe, clBtFace.<byte value="xd"/><byte value="xd"/>Tabellenfarbe: Hier legen Sie die Farbe aller Tabellen fest.<byte value="xd"/>Standardfarbe: Hier setzen Sie alle Tabellen auf ihre Standardfarbe, clBtFace.<byte value="xd"/><byte value="xd"/>Programmfarbe: Hier legen Sie die Farbe von Tabdeck fest.<byte value="xd"/>Standardfarbe: Hier setzen Sie Tabdeck auf seine Standardfarbe, clBtnFace.<byte value="xd"/><byte value="xd"/>Öffnen mit: Hier wählen Sie die Tabelle, die beim nächsten Start von Tabdeck gezeigt wird.<byte value="xd"/><byte value="xd"/>Erinnerung: Hier lassen Sie sich nach einer gewählten Zeit erinnern.<byte value="xd"/> Starten: Hier geben Sie ein, wann Sie erinnert werden möchten.<byte value="xd"/>Anhalten: Hier halten Sie die Erinnerung an.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Edit (*.ini):<byte value="xd"/><byte value="xd"/>Here you can Edit the control file (*.ini file). The file TabdeckV10.ini is created the first time you open Tabdeck. Button information, program information and colors are stored in this file. Every time Tabdeck is opened it reads and uses this information.<byte value="xd"/></source>
        <translation>Bearbeiten (*.ini):<byte value="xd"/><byte value="xd"/>Hier bearbeiten Sie die Steuerdatei (*.ini-Datei). Die Datei TabdeckV10.ini wird beim ersten Öffnen von Tabdeck angelegt. Angaben zu Schaltflächen, zum Programm und die Farben werden in dieser Datei gespeichert. Bei jedem Start liest Tabdeck diese Angaben und verwendet sie.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Table PopUp Menu Help:</source>
        <translation>Hilfe zum Tabellen-Kontextmenü:</translation>
    </message>
    <message>
        <source>Table PopUp Menu:<byte value="xd"/><byte value="xd"/>If you are Using Windows XP and you Right Click on a Table the Menu Pops Up. On the menu are some Windows Programs you can open.<byte value="xd"/></source>
        <translation>Tabellen-Kontextmenü:<byte value="xd"/><byte value="xd"/>Wenn Sie Windows XP verwenden und mit der rechten Maustaste auf eine Tabelle klicken, erscheint das Menü. Darin sind einige Windows-Programme, die Sie öffnen können.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Services PopUp Menu Help:</source>
        <translation>Hilfe zum Dienste-Kontextmenü:</translation>
    </message>
    <message>
        <source>Services PopUp Menu:<byte value="xd"/><byte value="xd"/>If you are Using Windows XP and you Right Click on the Door Icon a Services Menu Pops Up. On the menu are some Windows Services Programs you can open. Like Computer Managment, Device Manager, Disk Management and so on.<byte value="xd"/></source>
        <translation>Dienste-Kontextmenü:<byte value="xd"/><byte value="xd"/>Wenn Sie Windows XP verwenden und mit der rechten Maustaste auf das Türsymbol klicken, erscheint ein Dienste-Menü. Darin sind einige Windows-Dienstprogramme, die Sie öffnen können, etwa Computerverwaltung, Geräte-Manager, Datenträgerverwaltung und so weiter.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Are you sure you want to send a bug report?<byte value="xd"/>This opens your default e-mail client!</source>
        <translation>Möchten Sie wirklich einen Fehlerbericht senden?<byte value="xd"/>Das öffnet Ihr Standard-E-Mail-Programm!</translation>
    </message>
</context>
<context>
    <name>IconConverter</name>
    <message>
        <source>Open a Icon File</source>
        <translation>Eine Symboldatei öffnen</translation>
    </message>
    <message>
        <source>Icons (*.ico)</source>
        <translation>Symbole (*.ico)</translation>
    </message>
    <message>
        <source>First you have to open the icon you want to convert.</source>
        <translation>Zuerst müssen Sie das Symbol öffnen, das Sie umwandeln möchten.</translation>
    </message>
    <message>
        <source>First you have to convert the icon to a bitmap.</source>
        <translation>Zuerst müssen Sie das Symbol in eine Bitmap umwandeln.</translation>
    </message>
    <message>
        <source>Save Bitmap As...</source>
        <translation>Bitmap speichern unter...</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>The picture was copied to the clipboard.</source>
        <translation>Das Bild wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Bitmap file path:<byte value="xd"/></source>
        <translation>Pfad der Bitmap-Datei:<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>Bitmap dementions:<byte value="xd"/>32 x 32</source>
        <translation><byte value="xd"/>Maße der Bitmap:<byte value="xd"/>32 x 32</translation>
    </message>
</context>
<context>
    <name>IconFolders</name>
    <message>
        <source>The folder </source>
        <translation>Der Ordner </translation>
    </message>
    <message>
        <source> already exists!<byte value="xd"/>Enter another folder name!</source>
        <translation> existiert bereits!<byte value="xd"/>Geben Sie einen anderen Ordnernamen ein!</translation>
    </message>
    <message>
        <source>ERROR: Cannot create </source>
        <translation>FEHLER: Kann nicht erstellt werden: </translation>
    </message>
    <message>
        <source> folder!!!</source>
        <translation> (Ordner)!!!</translation>
    </message>
    <message>
        <source>Folder </source>
        <translation>Der Ordner </translation>
    </message>
    <message>
        <source> was created.</source>
        <translation> wurde erstellt.</translation>
    </message>
    <message>
        <source>The icon folder is the selected folder:<byte value="xd"/></source>
        <translation>Der Symbolordner ist der gewählte Ordner:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>IconSaver</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The work stopped with an unknown error</source>
        <translation>Die Arbeit wurde mit einem unbekannten Fehler beendet</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler Nr. %1</translation>
    </message>
</context>
<context>
    <name>KeyringPasswords</name>
    <message>
        <source>no keyring answered</source>
        <translation>kein Schlüsselbund hat geantwortet</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>arguments: %1</source>
        <translation>Argumente: %1</translation>
    </message>
    <message>
        <source>folder: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>in a terminal</source>
        <translation>im Terminal</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The arguments are longer than %1 characters.</source>
        <translation>Die Argumente sind länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>A quote in the arguments is not closed.</source>
        <translation>Ein Anführungszeichen in den Argumenten ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The working folder is longer than %1 characters.</source>
        <translation>Der Arbeitsordner ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The working folder %1 is not a folder.</source>
        <translation>Der Arbeitsordner %1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>LaunchOptionsWindow</name>
    <message>
        <source>Launch Options</source>
        <translation>Startoptionen</translation>
    </message>
    <message>
        <source>Split at blanks; quotes keep blanks in one argument</source>
        <translation>An Leerzeichen getrennt; Anführungszeichen halten Leerzeichen in einem Argument</translation>
    </message>
    <message>
        <source>&amp;Arguments:</source>
        <translation>&amp;Argumente:</translation>
    </message>
    <message>
        <source>Empty: the program&apos;s own folder</source>
        <translation>Leer: der Ordner des Programms</translation>
    </message>
    <message>
        <source>Working &amp;folder:</source>
        <translation>Arbeits&amp;ordner:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose the working folder</source>
        <translation>Den Arbeitsordner wählen</translation>
    </message>
    <message>
        <source>Working Folder</source>
        <translation>Arbeitsordner</translation>
    </message>
    <message>
        <source>Run in a &amp;terminal</source>
        <translation>Im &amp;Terminal ausführen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>There was an error connecting to the host, the e-mail was not sent!</source>
        <translation>Beim Verbinden mit dem Server ist ein Fehler aufgetreten, die E-Mail wurde nicht gesendet!</translation>
    </message>
    <message>
        <source>No password was given for signing in to the mail server, so the e-mail was not sent</source>
        <translation>Für die Anmeldung am Mailserver wurde kein Passwort angegeben, daher wurde die E-Mail nicht gesendet</translation>
    </message>
    <message>
        <source>Slect File to Send</source>
        <translation>Zu sendende Datei wählen</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm);;Rich Edit Files (*.rtf);;Text Files (*.txt);;All Files (*)</source>
        <translation>HTML-Dateien (*.html *.htm);;Rich-Edit-Dateien (*.rtf);;Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to send the e-mail now?</source>
        <translation>Soll die E-Mail jetzt wirklich gesendet werden?</translation>
    </message>
    <message>
        <source>Before you can e-mail a file, you have to setup the e-mail!</source>
        <translation>Bevor Sie eine Datei per E-Mail senden können, müssen Sie die E-Mail einrichten!</translation>
    </message>
    <message>
        <source>You have to enter the TO e-mail address!</source>
        <translation>Sie müssen die E-Mail-Adresse für AN eingeben!</translation>
    </message>
    <message>
        <source>You have to enter a subject!</source>
        <translation>Sie müssen einen Betreff eingeben!</translation>
    </message>
    <message>
        <source>You have to select a file to send!</source>
        <translation>Sie müssen eine zu sendende Datei wählen!</translation>
    </message>
    <message>
        <source>Are you sure you want to Disconnect now?</source>
        <translation>Soll die Verbindung jetzt wirklich getrennt werden?</translation>
    </message>
    <message>
        <source>Host Resolved</source>
        <translation>Server gefunden</translation>
    </message>
    <message>
        <source>Sending Message</source>
        <translation>Nachricht wird gesendet</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>%1 bytes out of %2 transferred</source>
        <translation>%1 von %2 Byte übertragen</translation>
    </message>
    <message>
        <source>The e-mail was sent, your done sending e-mail!</source>
        <translation>Die E-Mail wurde gesendet, der Versand ist abgeschlossen!</translation>
    </message>
    <message>
        <source>Could not find the Recipient (TO:) e-mail address, enter a new e-mail address!</source>
        <translation>Die E-Mail-Adresse des Empfängers (AN:) wurde nicht gefunden, geben Sie eine neue E-Mail-Adresse ein!</translation>
    </message>
    <message>
        <source>Authentication Failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Invalid User ID. New User ID: </source>
        <translation>Ungültige Benutzerkennung. Neue Benutzerkennung: </translation>
    </message>
    <message>
        <source>Connection Required</source>
        <translation>Verbindung erforderlich</translation>
    </message>
    <message>
        <source>Missing From Address</source>
        <translation>Absenderadresse fehlt</translation>
    </message>
    <message>
        <source>Enter From Address: </source>
        <translation>Absenderadresse eingeben: </translation>
    </message>
    <message>
        <source>The mail server refused the message, the e-mail was not sent!</source>
        <translation>Der Mailserver hat die Nachricht abgelehnt, die E-Mail wurde nicht gesendet!</translation>
    </message>
    <message>
        <source>Incomplete Header</source>
        <translation>Unvollständiger Nachrichtenkopf</translation>
    </message>
    <message>
        <source>The server&apos;s reason: %1</source>
        <translation>Begründung des Servers: %1</translation>
    </message>
    <message>
        <source>The e-mail was not sent.</source>
        <translation>Die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Attach File?</source>
        <translation>Datei anhängen?</translation>
    </message>
    <message>
        <source>%1 is not a text file of the chosen type, so as the text of the mail it would arrive altered.<byte value="xd"/><byte value="xd"/>Attach it to the mail instead, so that it arrives as it is?</source>
        <translation>%1 ist keine Textdatei der gewählten Art und käme als Text der E-Mail verändert an.<byte value="xd"/><byte value="xd"/>Soll sie stattdessen an die E-Mail angehängt werden, damit sie unverändert ankommt?</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Datei anhängen</translation>
    </message>
</context>
<context>
    <name>Metafile</name>
    <message>
        <source>Metafile is not valid</source>
        <translation>Die Metadatei ist ungültig</translation>
    </message>
</context>
<context>
    <name>MimeMessage</name>
    <message>
        <source>The e-mail with its files is %1, more than the %2 a mail may hold. Remove files, or send them in several mails; the e-mail was not sent.</source>
        <translation>Die E-Mail ist mit ihren Dateien %1 groß, mehr als die %2, die eine E-Mail enthalten darf. Entfernen Sie Dateien oder senden Sie sie in mehreren E-Mails; die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The mail server takes mails of at most %1, and this e-mail is %2 as it goes out (files grow by a third when encoded). Remove files, or send them in several mails; the e-mail was not sent.</source>
        <translation>Der Mailserver nimmt E-Mails von höchstens %1 an, und diese E-Mail ist beim Senden %2 groß (Dateien werden beim Kodieren um ein Drittel größer). Entfernen Sie Dateien oder senden Sie sie in mehreren E-Mails; die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The file %1 changed while the e-mail was sent, so it would have arrived altered; the e-mail was not sent.</source>
        <translation>Die Datei %1 hat sich während des Sendens geändert und wäre verändert angekommen; die E-Mail wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read; the e-mail was not sent.</source>
        <translation>Die Datei %1 kann nicht gelesen werden; die E-Mail wurde nicht gesendet.</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Cannot create file </source>
        <translation>Datei kann nicht erstellt werden: </translation>
    </message>
    <message>
        <source>Rename Menu Item Table %1?</source>
        <translation>Menüeintrag Tabelle %1 umbenennen?</translation>
    </message>
    <message>
        <source>Enter the New Name:</source>
        <translation>Den neuen Namen eingeben:</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Are you sure you want to set the Tables to their Default Name?</source>
        <translation>Sollen die Tabellen wirklich ihre Standardnamen erhalten?</translation>
    </message>
    <message>
        <source>Are you sure you want to set the buttons default color?</source>
        <translation>Soll die Standardfarbe der Schaltflächen wirklich gesetzt werden?</translation>
    </message>
    <message>
        <source>Are you sure you want to set the tables default color?</source>
        <translation>Soll die Standardfarbe der Tabellen wirklich gesetzt werden?</translation>
    </message>
    <message>
        <source>Are you sure you want to set the program&apos;s default color?</source>
        <translation>Soll die Standardfarbe des Programms wirklich gesetzt werden?</translation>
    </message>
</context>
<context>
    <name>PathnookHelp</name>
    <message>
        <source>    Pathnook Help</source>
        <translation>    Pathnook-Hilfe</translation>
    </message>
    <message>
        <source>    1. Drive Box:</source>
        <translation>    1. Laufwerksfeld:</translation>
    </message>
    <message>
        <source>        Select the Drive you want to go to.</source>
        <translation>        Wählen Sie das Laufwerk, zu dem Sie wechseln möchten.</translation>
    </message>
    <message>
        <source>    2. Create Folder (Directory) Box:</source>
        <translation>    2. Feld Ordner (Verzeichnis) erstellen:</translation>
    </message>
    <message>
        <source>        Enter the NewFolder name and click on the [Create Folder] button.</source>
        <translation>        Geben Sie den Namen des neuen Ordners ein und klicken Sie auf die Schaltfläche [Ordner erstellen].</translation>
    </message>
    <message>
        <source>    3. File Path:</source>
        <translation>    3. Dateipfad:</translation>
    </message>
    <message>
        <source>        This is the full path to the file you selected in the File List Box.</source>
        <translation>        Dies ist der vollständige Pfad der Datei, die Sie in der Dateiliste gewählt haben.</translation>
    </message>
    <message>
        <source>    4. Folder Path:</source>
        <translation>    4. Ordnerpfad:</translation>
    </message>
    <message>
        <source>        This is the full path to the folder you selected in the Directory List Box.</source>
        <translation>        Dies ist der vollständige Pfad des Ordners, den Sie in der Verzeichnisliste gewählt haben.</translation>
    </message>
    <message>
        <source>    5. Directory List Box:</source>
        <translation>    5. Verzeichnisliste:</translation>
    </message>
    <message>
        <source>        Here you select a Folder (Directory).</source>
        <translation>        Hier wählen Sie einen Ordner (ein Verzeichnis).</translation>
    </message>
    <message>
        <source>        In  Here you can Open Folders or Delete Folders.</source>
        <translation>        Hier können Sie Ordner öffnen oder löschen.</translation>
    </message>
    <message>
        <source>    6. File List Box:</source>
        <translation>    6. Dateiliste:</translation>
    </message>
    <message>
        <source>        Here you select a File.</source>
        <translation>        Hier wählen Sie eine Datei.</translation>
    </message>
    <message>
        <source>        In this box you can Open Files, or Delete Files.</source>
        <translation>        In dieser Liste können Sie Dateien öffnen oder löschen.</translation>
    </message>
    <message>
        <source>    Setup Page Help</source>
        <translation>    Hilfe zur Einrichtungsseite</translation>
    </message>
    <message>
        <source>    1. Select Program Color:</source>
        <translation>    1. Programmfarbe wählen:</translation>
    </message>
    <message>
        <source>        Here you select the background color for Pathnook.</source>
        <translation>        Hier wählen Sie die Hintergrundfarbe für Pathnook.</translation>
    </message>
    <message>
        <source>    2. Set Default Color:</source>
        <translation>    2. Standardfarbe setzen:</translation>
    </message>
    <message>
        <source>        Here you set the default background color for Pathnook.</source>
        <translation>        Hier setzen Sie die Standard-Hintergrundfarbe für Pathnook.</translation>
    </message>
    <message>
        <source>        The default color is clBtnFace, the color of the buttons on</source>
        <translation>        Die Standardfarbe ist clBtnFace, die Farbe der Schaltflächen auf</translation>
    </message>
    <message>
        <source>        your computer.</source>
        <translation>        Ihrem Computer.</translation>
    </message>
    <message>
        <source>    3. Select File Filter:</source>
        <translation>    3. Dateifilter wählen:</translation>
    </message>
    <message>
        <source>        Here you select the file filter you want to use in the File List</source>
        <translation>        Hier wählen Sie den Dateifilter für die Dateiliste</translation>
    </message>
    <message>
        <source>        Box.</source>
        <translation>        aus.</translation>
    </message>
    <message>
        <source>    4. Add File Filter:</source>
        <translation>    4. Dateifilter hinzufügen:</translation>
    </message>
    <message>
        <source>        This has a help file, that shows you how to add File Filters.</source>
        <translation>        Dazu gibt es eine Hilfe, die zeigt, wie Sie Dateifilter hinzufügen.</translation>
    </message>
    <message>
        <source>    5. Registry Box Selection:</source>
        <translation>    5. Auswahl Registrierung:</translation>
    </message>
    <message>
        <source>        This has a help file, that shows you how to us Registry Box</source>
        <translation>        Dazu gibt es eine Hilfe, die zeigt, wie Sie die Auswahl Registrierung</translation>
    </message>
    <message>
        <source>        Selection.</source>
        <translation>        verwenden.</translation>
    </message>
    <message>
        <source>    6. Remove File Filters:</source>
        <translation>    6. Dateifilter entfernen:</translation>
    </message>
    <message>
        <source>        This is where you can remove File Filters you have added.</source>
        <translation>        Hier entfernen Sie Dateifilter, die Sie hinzugefügt haben.</translation>
    </message>
    <message>
        <source>        To open this featur Righr Click on the Select File Filter Box.</source>
        <translation>        Dazu klicken Sie mit der rechten Maustaste auf das Feld Dateifilter wählen.</translation>
    </message>
    <message>
        <source>    Pathnook is part of TabdeckV10, made by the Tabdeck workshop.</source>
        <translation>    Pathnook ist Teil von TabdeckV10, gemacht von der Tabdeck-Werkstatt.</translation>
    </message>
    <message>
        <source>    Questions and bug reports: use Report a Bug in the launcher&apos;s Help menu.</source>
        <translation>    Fragen und Fehlerberichte: über Fehlerberichte im Hilfemenü der Startleiste.</translation>
    </message>
</context>
<context>
    <name>PathnookSettings</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Is it OK to Delete the Key (Pathnook) and lose it&apos;s Values?</source>
        <translation>Darf der Schlüssel (Pathnook) gelöscht werden? Seine Werte gehen dabei verloren.</translation>
    </message>
    <message>
        <source>The Key Pathnook does not Exixts the Registry.</source>
        <translation>Der Schlüssel Pathnook existiert nicht in der Registrierung.</translation>
    </message>
    <message>
        <source>The Key Pathnook was cleared from the Registry.</source>
        <translation>Der Schlüssel Pathnook wurde aus der Registrierung entfernt.</translation>
    </message>
    <message>
        <source>ERROR: Could NOT remove Key Pathnook from the Registry!!!</source>
        <translation>FEHLER: Der Schlüssel Pathnook konnte NICHT aus der Registrierung entfernt werden!!!</translation>
    </message>
    <message>
        <source>The Setup information was, and will be saved in the Registry!</source>
        <translation>Die Einrichtung wurde und wird in der Registrierung gespeichert!</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Bilddateiendung (.%1)</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot assign a %1 to a %2</source>
        <translation>Ein %1 kann keinem %2 zugewiesen werden</translation>
    </message>
    <message>
        <source>PNG image is not valid</source>
        <translation>PNG-Bild ist ungültig</translation>
    </message>
    <message>
        <source>SVG image is not valid</source>
        <translation>SVG-Bild ist ungültig</translation>
    </message>
    <message>
        <source>The icon theme has no icon named %1</source>
        <translation>Das Symbolthema hat kein Symbol namens %1</translation>
    </message>
</context>
<context>
    <name>PictureClipboard</name>
    <message>
        <source>Clipboard does not support Icons</source>
        <translation>Die Zwischenablage unterstützt keine Symbole</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;Enhanced Metafiles (*.emf);;Metafiles (*.wmf)</source>
        <translation>Alle (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;JPEG-Bilddatei (*.jpg);;JPEG-Bilddatei (*.jpeg);;Bitmaps (*.bmp);;Symbole (*.ico);;Erweiterte Metadateien (*.emf);;Metadateien (*.wmf)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Open A Picture</source>
        <translation>Ein Bild öffnen</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>The Picture was saved as:<byte value="xd"/> </source>
        <translation>Das Bild wurde gespeichert als:<byte value="xd"/> </translation>
    </message>
    <message>
        <source>There is no item in the list selected!</source>
        <translation>In der Liste ist kein Eintrag gewählt!</translation>
    </message>
    <message>
        <source>There is no item in the list selected to Remove!</source>
        <translation>In der Liste ist kein Eintrag zum Entfernen gewählt!</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the item?</source>
        <translation>Soll der Eintrag wirklich entfernt werden?</translation>
    </message>
    <message>
        <source>Can only paste *.bmp picture files!</source>
        <translation>Es können nur *.bmp-Bilddateien eingefügt werden!</translation>
    </message>
    <message>
        <source>The clipboard was cleared!</source>
        <translation>Die Zwischenablage wurde geleert!</translation>
    </message>
    <message>
        <source>Are you sure you want to set the program&apos;s default color?</source>
        <translation>Soll die Standardfarbe des Programms wirklich gesetzt werden?</translation>
    </message>
    <message>
        <source>Are you sure you want to set the picture&apos;s default color?</source>
        <translation>Soll die Standardfarbe des Bildes wirklich gesetzt werden?</translation>
    </message>
    <message>
        <source>Picture pasted from clipboard!</source>
        <translation>Bild aus der Zwischenablage eingefügt!</translation>
    </message>
</context>
<context>
    <name>Placement</name>
    <message>
        <source>Click to Hide</source>
        <translation>Zum Ausblenden klicken</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>RecentList</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>the file is larger than %1, the most the program reads</source>
        <translation>die Datei ist größer als %1, das Höchstmaß, das das Programm liest</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>ReminderClock</name>
    <message>
        <source>The time you set is up!</source>
        <translation>Die eingestellte Zeit ist abgelaufen!</translation>
    </message>
</context>
<context>
    <name>ReminderMenu</name>
    <message>
        <source>Remind Me in How Many Minutes?</source>
        <translation>In wie vielen Minuten erinnern?</translation>
    </message>
    <message>
        <source>Enter how many Minutes:</source>
        <translation>Anzahl der Minuten eingeben:</translation>
    </message>
    <message>
        <source>Enter a number of minutes from 1 to %1.</source>
        <translation>Geben Sie eine Minutenzahl von 1 bis %1 ein.</translation>
    </message>
    <message numerus="yes">
        <source>Reminder is set to remind you in %1 minutes.</source>
        <translation>
            <numerusform>Die Erinnerung ist gestellt und meldet sich in %1 Minute.</numerusform>
            <numerusform>Die Erinnerung ist gestellt und meldet sich in %1 Minuten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reminder has been Canceled!!!</source>
        <translation>Die Erinnerung wurde abgebrochen!!!</translation>
    </message>
</context>
<context>
    <name>SaveAllFlow</name>
    <message>
        <source>First you have to create or select a folder to save the icons in!</source>
        <translation>Zuerst müssen Sie einen Ordner zum Speichern der Symbole erstellen oder wählen!</translation>
    </message>
    <message>
        <source>Save All Icons?</source>
        <translation>Alle Symbole speichern?</translation>
    </message>
    <message>
        <source>Are you sure you want to save all the Icons?</source>
        <translation>Sollen wirklich alle Symbole gespeichert werden?</translation>
    </message>
</context>
<context>
    <name>SetupCheck</name>
    <message>
        <source>The setup works: %1 answered on port %2.</source>
        <translation>Die Einrichtung funktioniert: %1 hat auf Port %2 geantwortet.</translation>
    </message>
    <message>
        <source>The connection is secured with TLS.</source>
        <translation>Die Verbindung ist mit TLS gesichert.</translation>
    </message>
    <message>
        <source>The connection is not secured.</source>
        <translation>Die Verbindung ist nicht gesichert.</translation>
    </message>
    <message>
        <source>The sign-in as %1 was accepted.</source>
        <translation>Die Anmeldung als %1 wurde angenommen.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The server offers TLS: choose STARTTLS as Security to keep your password and your mail private on the way.</source>
        <translation>Der Server bietet TLS an: Wählen Sie STARTTLS als Sicherheit, damit Ihr Passwort und Ihre Mail unterwegs geschützt bleiben.</translation>
    </message>
    <message>
        <source>no TLS</source>
        <translation>ohne TLS</translation>
    </message>
    <message>
        <source>A mail server answered on %1 port %2 with %3. Port and Security are filled in; save the setup to keep them.</source>
        <translation>Ein Mailserver hat auf %1 Port %2 mit %3 geantwortet. Port und Sicherheit sind eingetragen; speichern Sie die Einrichtung, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Port %1 with %2: %3</source>
        <translation>Port %1 mit %2: %3</translation>
    </message>
    <message>
        <source>No mail server answered on %1:</source>
        <translation>Auf %1 hat kein Mailserver geantwortet:</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>
 Add File Filter Help

 To add a Single File Filter:
   Text files (*.txt)|*.txt

 To add Multiple File Filters:
   Text files (*.txt;*.rtf;*.doc)|*.txt;*.rtf;*.doc
   You add ; at the end of the filters.</source>
        <translation>
 Hilfe zu Dateifilter hinzufügen

 Einen einzelnen Dateifilter hinzufügen:
   Textdateien (*.txt)|*.txt

 Mehrere Dateifilter hinzufügen:
   Textdateien (*.txt;*.rtf;*.doc)|*.txt;*.rtf;*.doc
   Sie trennen die Filter mit ;.</translation>
    </message>
    <message>
        <source>
 Registry Box Selection Help

 Save Setup in Registry:
   Pathnook keeps its colour, file mask and file filters in your
   own settings store, apart from the program&apos;s INI file.

 Save Setup in (*.INI) File:
   Pathnook keeps them in the program&apos;s INI file, section [PATHNOOK],
   copies the values it finds in the registry there, and offers to
   remove them from the registry.</source>
        <translation>
 Hilfe zur Auswahl Registrierung

 Einrichtung in der Registrierung speichern:
   Pathnook legt Farbe, Dateimaske und Dateifilter in Ihrem
   eigenen Einstellungsspeicher ab, getrennt von der INI-Datei des Programms.

 Einrichtung in der (*.INI)-Datei speichern:
   Pathnook legt sie in der INI-Datei des Programms ab, Abschnitt [PATHNOOK],
   übernimmt dorthin die Werte, die es in der Registrierung findet, und bietet an,
   sie aus der Registrierung zu entfernen.</translation>
    </message>
    <message>
        <source>Right Click for Menu</source>
        <translation>Rechtsklick für das Menü</translation>
    </message>
    <message>
        <source>Select Program Color</source>
        <translation>Programmfarbe wählen</translation>
    </message>
    <message>
        <source>Select the program&apos;s background color</source>
        <translation>Die Hintergrundfarbe des Programms wählen</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Eigene...</translation>
    </message>
    <message>
        <source>Set Default Color</source>
        <translation>Standardfarbe setzen</translation>
    </message>
    <message>
        <source>Set the program&apos;s default background color</source>
        <translation>Die Standard-Hintergrundfarbe des Programms setzen</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>Standardfarbe</translation>
    </message>
    <message>
        <source>Set the default color</source>
        <translation>Die Standardfarbe setzen</translation>
    </message>
    <message>
        <source>Select File Filter</source>
        <translation>Dateifilter wählen</translation>
    </message>
    <message>
        <source>Select File Filter for the File List Box</source>
        <translation>Dateifilter für die Dateiliste wählen</translation>
    </message>
    <message>
        <source>Select a file filter</source>
        <translation>Einen Dateifilter wählen</translation>
    </message>
    <message>
        <source>Add File Filter</source>
        <translation>Dateifilter hinzufügen</translation>
    </message>
    <message>
        <source>Filter Name, Filter</source>
        <translation>Filtername, Filter</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.txt</source>
        <translation>Textdateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source> Text files (*.txt)|*.txt </source>
        <translation> Textdateien (*.txt)|*.txt </translation>
    </message>
    <message>
        <source>Add Filter</source>
        <translation>Filter hinzufügen</translation>
    </message>
    <message>
        <source>Add the new Filter </source>
        <translation>Den neuen Filter hinzufügen </translation>
    </message>
    <message>
        <source>Open/Close Help Window</source>
        <translation>Hilfefenster öffnen/schließen</translation>
    </message>
    <message>
        <source>Remove File Filter</source>
        <translation>Dateifilter entfernen</translation>
    </message>
    <message>
        <source>Remove a File Filter</source>
        <translation>Einen Dateifilter entfernen</translation>
    </message>
    <message>
        <source>Remove the Filter you do not want:</source>
        <translation>Den nicht gewünschten Filter entfernen:</translation>
    </message>
    <message>
        <source>EXAMPLE: |Text files (*.txt)|*.txt Do NOT leave spaces</source>
        <translation>BEISPIEL: |Textdateien (*.txt)|*.txt KEINE Leerzeichen lassen</translation>
    </message>
    <message>
        <source>The first filter does not have | in front of it</source>
        <translation>Vor dem ersten Filter steht kein |</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Save the changes you made</source>
        <translation>Ihre Änderungen speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel (Close Remove Filter Setup)</source>
        <translation>Abbrechen (Filter entfernen schließen)</translation>
    </message>
    <message>
        <source>Registry Box Selection</source>
        <translation>Auswahl Registrierung</translation>
    </message>
    <message>
        <source>Save Setup in Registry</source>
        <translation>Einrichtung in der Registrierung speichern</translation>
    </message>
    <message>
        <source>Save Setup in (*.INI) File</source>
        <translation>Einrichtung in der (*.INI)-Datei speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open/Close Registry Box Selection Help</source>
        <translation>Hilfe zur Auswahl Registrierung öffnen/schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Add File Filter Help</source>
        <translation>Hilfe zu Dateifilter hinzufügen</translation>
    </message>
    <message>
        <source>Registry Box Selection Help</source>
        <translation>Hilfe zur Auswahl Registrierung</translation>
    </message>
    <message>
        <source>Are you sure you want to set the program&apos;s default color?</source>
        <translation>Soll die Standardfarbe des Programms wirklich gesetzt werden?</translation>
    </message>
    <message>
        <source>The Filter Mask for the File List Box was changed to: </source>
        <translation>Die Filtermaske der Dateiliste wurde geändert in: </translation>
    </message>
    <message>
        <source>Are you sure you want to Add this Filter?</source>
        <translation>Soll dieser Filter wirklich hinzugefügt werden?</translation>
    </message>
    <message>
        <source>The Filter </source>
        <translation>Der Filter </translation>
    </message>
    <message>
        <source> was added.</source>
        <translation> wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>Are you sure you want to Save the changes?</source>
        <translation>Sollen die Änderungen wirklich gespeichert werden?</translation>
    </message>
    <message>
        <source>The Filter changes were saved.</source>
        <translation>Die Filteränderungen wurden gespeichert.</translation>
    </message>
</context>
<context>
    <name>SetupTester</name>
    <message>
        <source>No password was given, so the sign-in could not be tried.</source>
        <translation>Es wurde kein Passwort angegeben, daher konnte die Anmeldung nicht versucht werden.</translation>
    </message>
    <message>
        <source>Setup Check</source>
        <translation>Einrichtung prüfen</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>its desktop entry names nothing to run</source>
        <translation>sein Desktop-Eintrag nennt nichts zum Ausführen</translation>
    </message>
    <message>
        <source>it runs in a terminal, and no terminal is installed</source>
        <translation>es läuft in einem Terminal, und kein Terminal ist installiert</translation>
    </message>
    <message>
        <source>its program %1 is not installed</source>
        <translation>sein Programm %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>no application is set to open it</source>
        <translation>keine Anwendung ist zum Öffnen eingestellt</translation>
    </message>
    <message>
        <source>the desktop could not open it</source>
        <translation>die Arbeitsumgebung konnte es nicht öffnen</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener %1 could not be started</source>
        <translation>das Öffnungsprogramm %1 der Arbeitsumgebung konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>it could not be started (%1)</source>
        <translation>es konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>it is not a valid address</source>
        <translation>es ist keine gültige Adresse</translation>
    </message>
</context>
<context>
    <name>ShortcutCapture</name>
    <message>
        <source>Global Shortcut</source>
        <translation>Globales Tastenkürzel</translation>
    </message>
    <message>
        <source>Press the keys that bring the strip forward from anywhere.</source>
        <translation>Die Tasten drücken, die die Leiste von überall nach vorn holen.</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Jetzt: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>No Shortcut</source>
        <translation>Kein Tastenkürzel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hold Ctrl, Alt or Super with the key, so typing in other programs is left alone.</source>
        <translation>Strg, Alt oder Super mit der Taste halten, damit das Tippen in anderen Programmen unberührt bleibt.</translation>
    </message>
</context>
<context>
    <name>ShownSettings</name>
    <message>
        <source>Table %1</source>
        <translation>Tabelle %1</translation>
    </message>
</context>
<context>
    <name>SlotOperations</name>
    <message>
        <source>Tabdeck CANNOT OPEN Window&apos;s Shortcuts!<byte value="xd"/>Please open the folder the program is in and Drag &amp;&amp; Drop the original file onto a Tabdeck button.</source>
        <translation>Tabdeck KANN KEINE Windows-Verknüpfungen ÖFFNEN!<byte value="xd"/>Bitte den Ordner des Programms öffnen und die Originaldatei per Ziehen &amp;&amp; Ablegen auf eine Tabdeck-Schaltfläche ziehen.</translation>
    </message>
    <message>
        <source>The Program was Setup on Button %1</source>
        <translation>Das Programm wurde auf Schaltfläche %1 eingerichtet</translation>
    </message>
    <message>
        <source>There is nothing on the Button to Remove!</source>
        <translation>Auf der Schaltfläche gibt es nichts zu entfernen!</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this program?</source>
        <translation>Soll dieses Programm wirklich entfernt werden?</translation>
    </message>
    <message>
        <source>All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.svg);;JPEG Image File (*.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;Enhanced Metafiles (*.emf);;Metafiles (*.wmf);;PNG Images (*.png);;SVG Images (*.svg)</source>
        <translation>Alle (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.svg);;JPEG-Bilddatei (*.jpg *.jpeg);;Bitmaps (*.bmp);;Symbole (*.ico);;Erweiterte Metadateien (*.emf);;Metadateien (*.wmf);;PNG-Bilder (*.png);;SVG-Bilder (*.svg)</translation>
    </message>
</context>
<context>
    <name>SmtpErrors</name>
    <message>
        <source>Interrupted system call</source>
        <translation>Unterbrochener Systemaufruf</translation>
    </message>
    <message>
        <source>Bad file number</source>
        <translation>Ungültige Dateinummer</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Bad address</source>
        <translation>Ungültige Adresse</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Operation would block</source>
        <translation>Der Vorgang würde blockieren</translation>
    </message>
    <message>
        <source>Operation now in progress</source>
        <translation>Der Vorgang läuft jetzt</translation>
    </message>
    <message>
        <source>Operation already in progress</source>
        <translation>Der Vorgang läuft bereits</translation>
    </message>
    <message>
        <source>Socket operation on non-socket</source>
        <translation>Socket-Vorgang auf einem Nicht-Socket</translation>
    </message>
    <message>
        <source>Destination address required</source>
        <translation>Zieladresse erforderlich</translation>
    </message>
    <message>
        <source>Message too long</source>
        <translation>Nachricht zu lang</translation>
    </message>
    <message>
        <source>Wrong protocol type for socket</source>
        <translation>Falscher Protokolltyp für den Socket</translation>
    </message>
    <message>
        <source>Bad protocol option</source>
        <translation>Ungültige Protokolloption</translation>
    </message>
    <message>
        <source>Protocol not supported</source>
        <translation>Protokoll nicht unterstützt</translation>
    </message>
    <message>
        <source>Socket type not supported</source>
        <translation>Socket-Typ nicht unterstützt</translation>
    </message>
    <message>
        <source>Operation not supported on socket</source>
        <translation>Vorgang auf dem Socket nicht unterstützt</translation>
    </message>
    <message>
        <source>Protocol family not supported</source>
        <translation>Protokollfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address family not supported by protocol family</source>
        <translation>Adressfamilie von der Protokollfamilie nicht unterstützt</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse wird bereits verwendet</translation>
    </message>
    <message>
        <source>Can&apos;t assign requested address</source>
        <translation>Die angeforderte Adresse kann nicht zugewiesen werden</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Das Netzwerk ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Das Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Network dropped connection or reset</source>
        <translation>Das Netzwerk hat die Verbindung abgebrochen oder zurückgesetzt</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Verbindungsabbruch durch Software</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Verbindung von der Gegenstelle zurückgesetzt</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Kein Pufferspeicher verfügbar</translation>
    </message>
    <message>
        <source>Socket is already connected</source>
        <translation>Der Socket ist bereits verbunden</translation>
    </message>
    <message>
        <source>Socket is not connected</source>
        <translation>Der Socket ist nicht verbunden</translation>
    </message>
    <message>
        <source>Can&apos;t send after socket shutdown</source>
        <translation>Senden nach dem Schließen des Sockets nicht möglich</translation>
    </message>
    <message>
        <source>Too many references, can&apos;t splice</source>
        <translation>Zu viele Verweise, Verbinden nicht möglich</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Verknüpfungen</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Der Server ist nicht verfügbar</translation>
    </message>
    <message>
        <source>No route to Host</source>
        <translation>Keine Route zum Server</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Verzeichnis nicht leer</translation>
    </message>
    <message>
        <source>Too many processes</source>
        <translation>Zu viele Prozesse</translation>
    </message>
    <message>
        <source>Too many users</source>
        <translation>Zu viele Benutzer</translation>
    </message>
    <message>
        <source>Disc quota exceeded</source>
        <translation>Speicherkontingent überschritten</translation>
    </message>
    <message>
        <source>Stale NFS file handle</source>
        <translation>Veraltetes NFS-Datei-Handle</translation>
    </message>
    <message>
        <source>Too many levels of remote in path</source>
        <translation>Zu viele entfernte Ebenen im Pfad</translation>
    </message>
    <message>
        <source>Network subsystem is unavailable</source>
        <translation>Das Netzwerk-Subsystem ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Incompatible version of WINSOCK.DLL</source>
        <translation>Inkompatible Version von WINSOCK.DLL</translation>
    </message>
    <message>
        <source>Successful WSAStartup not yet performed</source>
        <translation>Noch kein erfolgreiches WSAStartup ausgeführt</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Server nicht gefunden</translation>
    </message>
    <message>
        <source>Non-Authoritative Host not found</source>
        <translation>Server nicht gefunden (nicht autoritativ)</translation>
    </message>
    <message>
        <source>Non-Recoverable error: FORMERR, REFUSED, NOTIMP</source>
        <translation>Nicht behebbarer Fehler: FORMERR, REFUSED, NOTIMP</translation>
    </message>
    <message>
        <source>Valid name, no data record of requested type</source>
        <translation>Gültiger Name, aber kein Datensatz des angeforderten Typs</translation>
    </message>
    <message>
        <source>Unknown Error No. </source>
        <translation>Unbekannter Fehler Nr. </translation>
    </message>
    <message>
        <source>certificate expired</source>
        <translation>Zertifikat abgelaufen</translation>
    </message>
    <message>
        <source>certificate not yet valid</source>
        <translation>Zertifikat noch nicht gültig</translation>
    </message>
    <message>
        <source>name does not match</source>
        <translation>Name stimmt nicht überein</translation>
    </message>
    <message>
        <source>certificate not trusted</source>
        <translation>Zertifikat nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>certificate revoked</source>
        <translation>Zertifikat widerrufen</translation>
    </message>
    <message>
        <source>no certificate</source>
        <translation>kein Zertifikat</translation>
    </message>
    <message>
        <source>The secure connection to the mail server failed (%1); the e-mail was not sent</source>
        <translation>Die sichere Verbindung zum Mailserver ist fehlgeschlagen (%1); die E-Mail wurde nicht gesendet</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate was refused (%1); the e-mail was not sent</source>
        <translation>Das Zertifikat des Mailservers wurde abgelehnt (%1); die E-Mail wurde nicht gesendet</translation>
    </message>
    <message>
        <source>certificate refused</source>
        <translation>Zertifikat abgelehnt</translation>
    </message>
    <message>
        <source>name does not match: made for %1</source>
        <translation>Name passt nicht: ausgestellt für %1</translation>
    </message>
    <message>
        <source>while looking up the host</source>
        <translation>beim Suchen des Servers</translation>
    </message>
    <message>
        <source>while connecting</source>
        <translation>beim Verbinden</translation>
    </message>
    <message>
        <source>at the greeting</source>
        <translation>bei der Begrüßung</translation>
    </message>
    <message>
        <source>while introducing this computer (EHLO/HELO)</source>
        <translation>beim Vorstellen dieses Computers (EHLO/HELO)</translation>
    </message>
    <message>
        <source>while asking for TLS (STARTTLS)</source>
        <translation>beim Anfordern von TLS (STARTTLS)</translation>
    </message>
    <message>
        <source>during the TLS handshake</source>
        <translation>beim TLS-Handshake</translation>
    </message>
    <message>
        <source>while signing in</source>
        <translation>bei der Anmeldung</translation>
    </message>
    <message>
        <source>at the sender (MAIL FROM)</source>
        <translation>beim Absender (MAIL FROM)</translation>
    </message>
    <message>
        <source>at the recipient (RCPT TO)</source>
        <translation>beim Empfänger (RCPT TO)</translation>
    </message>
    <message>
        <source>at the start of the message (DATA)</source>
        <translation>am Anfang der Nachricht (DATA)</translation>
    </message>
    <message>
        <source>while sending the message</source>
        <translation>beim Senden der Nachricht</translation>
    </message>
    <message>
        <source>while ending the session (QUIT)</source>
        <translation>beim Beenden der Sitzung (QUIT)</translation>
    </message>
    <message>
        <source>The mail server refused the connection. Its greeting: %1</source>
        <translation>Der Mailserver hat die Verbindung abgelehnt. Seine Begrüßung: %1</translation>
    </message>
    <message>
        <source>The mail server refused this computer&apos;s introduction (EHLO/HELO): %1</source>
        <translation>Der Mailserver hat die Vorstellung dieses Computers abgelehnt (EHLO/HELO): %1</translation>
    </message>
    <message>
        <source>TLS failed: the server does not offer TLS (%1).</source>
        <translation>TLS fehlgeschlagen: Der Server bietet kein TLS an (%1).</translation>
    </message>
    <message>
        <source>Sign-in refused: %1</source>
        <translation>Anmeldung abgelehnt: %1</translation>
    </message>
    <message>
        <source>The mail server refused the sender %1: %2</source>
        <translation>Der Mailserver hat den Absender %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>The mail server refused the recipient %1: %2</source>
        <translation>Der Mailserver hat den Empfänger %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>The mail server refused the message: %1</source>
        <translation>Der Mailserver hat die Nachricht abgelehnt: %1</translation>
    </message>
    <message>
        <source>The mail server refused to end the session: %1</source>
        <translation>Der Mailserver hat das Beenden der Sitzung abgelehnt: %1</translation>
    </message>
    <message>
        <source>The mail server refused %1: %2</source>
        <translation>Der Mailserver hat abgelehnt (%1): %2</translation>
    </message>
    <message>
        <source>Cannot reach the host: the name %1 was not found.</source>
        <translation>Der Server ist nicht erreichbar: Der Name %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot reach the host: %1 refused the connection on port %2 (the port is closed; no mail server listens there).</source>
        <translation>Der Server ist nicht erreichbar: %1 hat die Verbindung auf Port %2 abgelehnt (der Port ist geschlossen; dort wartet kein Mailserver).</translation>
    </message>
    <message>
        <source>Cannot reach the host %1 on port %2.</source>
        <translation>Der Server %1 ist auf Port %2 nicht erreichbar.</translation>
    </message>
    <message>
        <source>The mail server gave no answer within the time limit (%1 s) %2; the connection was closed.</source>
        <translation>Der Mailserver hat innerhalb des Zeitlimits (%1 s) nicht geantwortet (%2); die Verbindung wurde geschlossen.</translation>
    </message>
    <message>
        <source>The connection dropped %1.</source>
        <translation>Die Verbindung ist abgebrochen (%1).</translation>
    </message>
    <message>
        <source>The mail server answered out of order %1 (%2); the connection was closed.</source>
        <translation>Der Mailserver hat außer der Reihe geantwortet (%1: %2); die Verbindung wurde geschlossen.</translation>
    </message>
    <message>
        <source>The mail server sent a reply longer than a mail server may send %1; the connection was closed.</source>
        <translation>Der Mailserver hat eine längere Antwort gesendet, als ein Mailserver senden darf (%1); die Verbindung wurde geschlossen.</translation>
    </message>
    <message>
        <source>The server wants TLS: it signs in and takes mail only over a secured connection. Choose STARTTLS (port 587) or SSL/TLS (port 465) as Security on the setup page.</source>
        <translation>Der Server verlangt TLS: Er meldet an und nimmt Mail nur über eine gesicherte Verbindung an. Wählen Sie auf der Einrichtungsseite STARTTLS (Port 587) oder SSL/TLS (Port 465) als Sicherheit.</translation>
    </message>
    <message>
        <source>TLS failed: the server does not offer TLS.</source>
        <translation>TLS fehlgeschlagen: Der Server bietet kein TLS an.</translation>
    </message>
    <message>
        <source>TLS failed: the server answered without TLS. On this port it may want STARTTLS, or no TLS at all.</source>
        <translation>TLS fehlgeschlagen: Der Server hat ohne TLS geantwortet. Auf diesem Port verlangt er vielleicht STARTTLS oder gar kein TLS.</translation>
    </message>
    <message>
        <source>TLS failed: the certificate of %1 is not trusted (%2).</source>
        <translation>TLS fehlgeschlagen: Dem Zertifikat von %1 wird nicht vertraut (%2).</translation>
    </message>
    <message>
        <source>TLS failed: the server ended the secure connection %1.</source>
        <translation>TLS fehlgeschlagen: Der Server hat die gesicherte Verbindung beendet (%1).</translation>
    </message>
    <message>
        <source>The mail server offers no way to sign in that this program knows (PLAIN, LOGIN).</source>
        <translation>Der Mailserver bietet keine Anmeldeart an, die dieses Programm kennt (PLAIN, LOGIN).</translation>
    </message>
    <message>
        <source>Sign-in refused: the server did not accept the user name or the password (%1).</source>
        <translation>Anmeldung abgelehnt: Der Server hat den Benutzernamen oder das Passwort nicht angenommen (%1).</translation>
    </message>
    <message>
        <source>Looking up %1…</source>
        <translation>%1 wird gesucht …</translation>
    </message>
    <message>
        <source>Connecting to %1 port %2…</source>
        <translation>Verbinden mit %1 Port %2 …</translation>
    </message>
    <message>
        <source>Waiting for the mail server&apos;s greeting…</source>
        <translation>Warten auf die Begrüßung des Mailservers …</translation>
    </message>
    <message>
        <source>Waiting for the answer to EHLO…</source>
        <translation>Warten auf die Antwort auf EHLO …</translation>
    </message>
    <message>
        <source>Waiting for the answer to STARTTLS…</source>
        <translation>Warten auf die Antwort auf STARTTLS …</translation>
    </message>
    <message>
        <source>Securing the connection (TLS)…</source>
        <translation>Verbindung wird gesichert (TLS) …</translation>
    </message>
    <message>
        <source>Signing in…</source>
        <translation>Anmelden …</translation>
    </message>
    <message>
        <source>Waiting for the server to take the sender…</source>
        <translation>Warten, bis der Server den Absender annimmt …</translation>
    </message>
    <message>
        <source>Waiting for the server to take the recipient…</source>
        <translation>Warten, bis der Server den Empfänger annimmt …</translation>
    </message>
    <message>
        <source>Waiting for the server to take the message…</source>
        <translation>Warten, bis der Server die Nachricht annimmt …</translation>
    </message>
    <message>
        <source>Waiting for the server to accept the message…</source>
        <translation>Warten, bis der Server die Nachricht bestätigt …</translation>
    </message>
    <message>
        <source>Ending the session…</source>
        <translation>Sitzung wird beendet …</translation>
    </message>
</context>
<context>
    <name>StripAccessibility</name>
    <message>
        <source>Move handle</source>
        <translation>Griff zum Verschieben</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>StripMenus</name>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>More tables</source>
        <translation>Weitere Tabellen</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>Tabelle %1</translation>
    </message>
    <message>
        <source>Open with Table %1</source>
        <translation>Mit Tabelle %1 öffnen</translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>Öffnen mit</translation>
    </message>
    <message>
        <source>Open with the selected table the next time the program opens</source>
        <translation>Beim nächsten Programmstart mit der gewählten Tabelle öffnen</translation>
    </message>
    <message>
        <source>More Tables</source>
        <translation>Weitere Tabellen</translation>
    </message>
    <message>
        <source>Open Table</source>
        <translation>Tabelle öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the Menu</source>
        <translation>Das Menü schließen</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>Global Shortcut...</source>
        <translation>Globales Tastenkürzel...</translation>
    </message>
    <message>
        <source>Keys that bring the strip forward from anywhere</source>
        <translation>Tasten, die die Leiste von überall nach vorn holen</translation>
    </message>
    <message>
        <source>Under Wayland the desktop binds keys to programs. In its keyboard settings add a shortcut that runs<byte value="xd"/><byte value="xd"/>TabdeckV10 --find<byte value="xd"/><byte value="xd"/>The README shows how in GNOME, KDE and sway.</source>
        <translation>Unter Wayland weist der Desktop Programmen Tasten zu. Fügen Sie in seinen Tastatureinstellungen ein Tastenkürzel hinzu, das Folgendes ausführt:<byte value="xd"/><byte value="xd"/>TabdeckV10 --find<byte value="xd"/><byte value="xd"/>Die README zeigt, wie das in GNOME, KDE und sway geht.</translation>
    </message>
    <message>
        <source>Another program holds the keys %1, so they cannot bring the strip forward. Choose other keys, or free these in that program.</source>
        <translation>Ein anderes Programm belegt die Tasten %1, daher können sie die Leiste nicht nach vorn holen. Wählen Sie andere Tasten, oder geben Sie diese in jenem Programm frei.</translation>
    </message>
    <message>
        <source>No key of this keyboard makes %1.</source>
        <translation>Keine Taste dieser Tastatur ergibt %1.</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session.</source>
        <translation>Globale Tastenkürzel brauchen eine X11-Sitzung.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About Fernhollow Freeware Software</source>
        <translation>Über Fernhollow Freeware Software</translation>
    </message>
    <message>
        <source>Get freeware software|Download freeware software</source>
        <translation>Freeware holen|Freeware herunterladen</translation>
    </message>
    <message>
        <source>Version 10</source>
        <translation>Version 10</translation>
    </message>
    <message>
        <source>Opens 360 Applications</source>
        <translation>Öffnet 360 Anwendungen</translation>
    </message>
    <message>
        <source>Freeware: copy and share it freely.</source>
        <translation>Freeware: frei kopieren und weitergeben.</translation>
    </message>
    <message>
        <source>Go to Fernhollow Website</source>
        <translation>Zur Fernhollow-Website</translation>
    </message>
    <message>
        <source>Drop us an e-mail</source>
        <translation>Schreiben Sie uns eine E-Mail</translation>
    </message>
    <message>
        <source>Freeware Software</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Close About Window</source>
        <translation>Info-Fenster schließen</translation>
    </message>
</context>
<context>
    <name>TCVert1</name>
    <message>
        <source>Open Icon Help...</source>
        <translation>Hilfe zu Symbol öffnen...</translation>
    </message>
    <message>
        <source>Open icon file</source>
        <translation>Symboldatei öffnen</translation>
    </message>
    <message>
        <source>Open Icon File:</source>
        <translation>Symboldatei öffnen:</translation>
    </message>
    <message>
        <source>Here you open a Icon file to to convert to a Bitmap.<byte value="xd"/></source>
        <translation>Hier öffnen Sie eine Symboldatei, um sie in eine Bitmap umzuwandeln.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Save Bitmap Help...</source>
        <translation>Hilfe zu Bitmap speichern...</translation>
    </message>
    <message>
        <source>Save converted bitmap as...</source>
        <translation>Umgewandelte Bitmap speichern unter...</translation>
    </message>
    <message>
        <source>Save Picture As:</source>
        <translation>Bild speichern unter:</translation>
    </message>
    <message>
        <source>Here you save the converted icon as a bitmap.<byte value="xd"/></source>
        <translation>Hier speichern Sie das umgewandelte Symbol als Bitmap.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Convert Icon Help...</source>
        <translation>Hilfe zu Symbol umwandeln...</translation>
    </message>
    <message>
        <source>Convert the icon to a bitmap</source>
        <translation>Das Symbol in eine Bitmap umwandeln</translation>
    </message>
    <message>
        <source>Convert the Icon:</source>
        <translation>Das Symbol umwandeln:</translation>
    </message>
    <message>
        <source>Here you convert the icon to a bitmap.<byte value="xd"/></source>
        <translation>Hier wandeln Sie das Symbol in eine Bitmap um.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Convert Icons to Bitmaps</source>
        <translation>Symbole in Bitmaps umwandeln</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy the bitmap to the clipboard</source>
        <translation>Die Bitmap in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Bitmap properties</source>
        <translation>Eigenschaften der Bitmap</translation>
    </message>
    <message>
        <source>Open a Icon File</source>
        <translation>Eine Symboldatei öffnen</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>Convert the Icon</source>
        <translation>Das Symbol umwandeln</translation>
    </message>
    <message>
        <source>Open About</source>
        <translation>Info öffnen</translation>
    </message>
    <message>
        <source>Open Help</source>
        <translation>Hilfe öffnen</translation>
    </message>
    <message>
        <source>Close this program</source>
        <translation>Dieses Programm schließen</translation>
    </message>
</context>
<context>
    <name>TEdDlg</name>
    <message>
        <source>Edit the Control (*.ini) File</source>
        <translation>Die Steuerdatei (*.ini) bearbeiten</translation>
    </message>
    <message>
        <source>Control file text</source>
        <translation>Text der Steuerdatei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open a control file you have saved</source>
        <translation>Eine gespeicherte Steuerdatei öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save the control file as...</source>
        <translation>Die Steuerdatei speichern unter...</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the Changes you made to the Control File</source>
        <translation>Ihre Änderungen an der Steuerdatei speichern</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Back up the Control File before you make changes to it</source>
        <translation>Die Steuerdatei sichern, bevor Sie sie ändern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Zurückholen</translation>
    </message>
    <message>
        <source>Restore the Control Back Up file you Saved</source>
        <translation>Die gespeicherte Sicherung der Steuerdatei wiederherstellen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Optionenmenü</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Edit Control File Help</source>
        <translation>Hilfe zum Bearbeiten der Steuerdatei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close Editor</source>
        <translation>Editor schließen</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <source>Set the editor&apos;s font attributes</source>
        <translation>Die Schriftattribute des Editors festlegen</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>Set the word wrap</source>
        <translation>Den Zeilenumbruch festlegen</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Word Wrap True</source>
        <translation>Zeilenumbruch ein</translation>
    </message>
    <message>
        <source>Word Wrap False</source>
        <translation>Zeilenumbruch aus</translation>
    </message>
</context>
<context>
    <name>TEmail</name>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Send the e-mail</source>
        <translation>Die E-Mail senden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>E-mail List</source>
        <translation>E-Mail-Liste</translation>
    </message>
    <message>
        <source>Open e-mail list</source>
        <translation>E-Mail-Liste öffnen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Open setup window</source>
        <translation>Einrichtungsfenster öffnen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Menu</source>
        <translation>Hilfemenü</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close E-mail</source>
        <translation>E-Mail schließen</translation>
    </message>
    <message>
        <source>You have to fill in the E-mail Address Box, and the Name Box!</source>
        <translation>Sie müssen das Feld E-Mail-Adresse und das Feld Name ausfüllen!</translation>
    </message>
    <message>
        <source>Delete Item?</source>
        <translation>Eintrag löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this item from the list?</source>
        <translation>Soll dieser Eintrag wirklich aus der Liste gelöscht werden?</translation>
    </message>
</context>
<context>
    <name>TExIcons</name>
    <message>
        <source>TabdeckV10 - Extract Icons with Drag &amp; Drop</source>
        <translation>TabdeckV10 - Symbole extrahieren mit Ziehen &amp; Ablegen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open a file to extract icons from</source>
        <translation>Eine Datei öffnen, um Symbole daraus zu extrahieren</translation>
    </message>
    <message>
        <source>Save Current...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Save the current icon</source>
        <translation>Das aktuelle Symbol speichern</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Save all of the icons in the file</source>
        <translation>Alle Symbole der Datei speichern</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Ordner...</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Einen neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Menu</source>
        <translation>Hilfemenü</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Open About</source>
        <translation>Info öffnen</translation>
    </message>
    <message>
        <source>Open File Help...</source>
        <translation>Hilfe zu Datei öffnen...</translation>
    </message>
    <message>
        <source>Save Current Help...</source>
        <translation>Hilfe zu Aktuelles speichern...</translation>
    </message>
    <message>
        <source>Save All Help...</source>
        <translation>Hilfe zu Alle speichern...</translation>
    </message>
    <message>
        <source>Folder Help...</source>
        <translation>Hilfe zu Ordner...</translation>
    </message>
    <message>
        <source>Open File Help</source>
        <translation>Hilfe zu Datei öffnen</translation>
    </message>
    <message>
        <source>Save current icon</source>
        <translation>Aktuelles Symbol speichern</translation>
    </message>
    <message>
        <source>Save all of the icons</source>
        <translation>Alle Symbole speichern</translation>
    </message>
    <message>
        <source>Select or create folder</source>
        <translation>Ordner wählen oder erstellen</translation>
    </message>
    <message>
        <source>Close Menu</source>
        <translation>Menü schließen</translation>
    </message>
    <message>
        <source>Close this Menu</source>
        <translation>Dieses Menü schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Save Icon As...</source>
        <translation>Symbol speichern unter...</translation>
    </message>
    <message>
        <source>Icon Files (*.ico)</source>
        <translation>Symboldateien (*.ico)</translation>
    </message>
    <message>
        <source>Icon File </source>
        <translation>Die Symboldatei </translation>
    </message>
    <message>
        <source> was saved.</source>
        <translation> wurde gespeichert.</translation>
    </message>
    <message>
        <source>All Done, The Icons Were Saved!</source>
        <translation>Fertig, die Symbole wurden gespeichert!</translation>
    </message>
</context>
<context>
    <name>TFileProp</name>
    <message>
        <source>File Properties</source>
        <translation>Dateieigenschaften</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Tabel 1</source>
        <translation>Tabelle 1</translation>
    </message>
    <message>
        <source>Right Click for Menu</source>
        <translation>Rechtsklick für das Menü</translation>
    </message>
    <message>
        <source>Left Click to Exit, Right Click for Menu</source>
        <translation>Linksklick zum Beenden, Rechtsklick für das Menü</translation>
    </message>
    <message>
        <source>Click to Hide</source>
        <translation>Zum Ausblenden klicken</translation>
    </message>
</context>
<context>
    <name>THelpDlg</name>
    <message>
        <source>TabdeckV10 Help</source>
        <translation>TabdeckV10-Hilfe</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>THintDlg</name>
    <message>
        <source>TabdeckV10 Hint</source>
        <translation>TabdeckV10-Hinweis</translation>
    </message>
    <message>
        <source>Double Click to Close Hint Window</source>
        <translation>Doppelklick schließt das Hinweisfenster</translation>
    </message>
</context>
<context>
    <name>TPathnook</name>
    <message>
        <source>Work with Drives, Folders and Files</source>
        <translation>Mit Laufwerken, Ordnern und Dateien arbeiten</translation>
    </message>
    <message>
        <source>Main Window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Open the Main window</source>
        <translation>Das Hauptfenster öffnen</translation>
    </message>
    <message>
        <source>Setup Window</source>
        <translation>Einrichtungsfenster</translation>
    </message>
    <message>
        <source>Open Setup window</source>
        <translation>Das Einrichtungsfenster öffnen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open the selected file</source>
        <translation>Die gewählte Datei öffnen</translation>
    </message>
    <message>
        <source>Remove File</source>
        <translation>Datei entfernen</translation>
    </message>
    <message>
        <source>Remove the selected File</source>
        <translation>Die gewählte Datei entfernen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open the selected folder</source>
        <translation>Den gewählten Ordner öffnen</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Ordner entfernen</translation>
    </message>
    <message>
        <source>Remove the selected (Folder) Directory</source>
        <translation>Das gewählte (Ordner-)Verzeichnis entfernen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close this program</source>
        <translation>Dieses Programm schließen</translation>
    </message>
    <message>
        <source>Close Menu</source>
        <translation>Menü schließen</translation>
    </message>
    <message>
        <source>Close this Menu</source>
        <translation>Dieses Menü schließen</translation>
    </message>
    <message>
        <source>Are you sure you want to close this program?</source>
        <translation>Soll dieses Programm wirklich geschlossen werden?</translation>
    </message>
</context>
<context>
    <name>TReminder</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>TSmtpClient</name>
    <message>
        <source>The mail server sent a reply longer than a mail server may send (more than %1 lines, or a line of more than %2 characters); the connection was closed and the e-mail was not sent</source>
        <translation>Der Mailserver hat eine längere Antwort gesendet, als ein Mailserver senden darf (mehr als %1 Zeilen oder eine Zeile mit mehr als %2 Zeichen); die Verbindung wurde getrennt und die E-Mail nicht gesendet</translation>
    </message>
    <message>
        <source>The mail server greeted with a reply out of order (%1); the connection was closed and the e-mail was not sent</source>
        <translation>Der Mailserver hat mit einer unpassenden Antwort begrüßt (%1); die Verbindung wurde getrennt und die E-Mail nicht gesendet</translation>
    </message>
    <message>
        <source>the end of the mail</source>
        <translation>das Ende der E-Mail</translation>
    </message>
    <message>
        <source>The mail server answered %1 with a reply out of order (%2); the connection was closed and the e-mail was not sent</source>
        <translation>Der Mailserver hat auf %1 mit einer unpassenden Antwort reagiert (%2); die Verbindung wurde getrennt und die E-Mail nicht gesendet</translation>
    </message>
    <message>
        <source>Already connected</source>
        <translation>Bereits verbunden</translation>
    </message>
    <message>
        <source>Null Remote Address</source>
        <translation>Leere Gegenstellenadresse</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The mail server does not offer STARTTLS, so the connection cannot be secured; the e-mail was not sent</source>
        <translation>Der Mailserver bietet kein STARTTLS an, daher kann die Verbindung nicht gesichert werden; die E-Mail wurde nicht gesendet</translation>
    </message>
    <message>
        <source>The mail server offers no way to sign in that this program knows (PLAIN, LOGIN); the e-mail was not sent</source>
        <translation>Der Mailserver bietet keine Anmeldeart an, die dieses Programm kennt (PLAIN, LOGIN); die E-Mail wurde nicht gesendet</translation>
    </message>
    <message>
        <source>The mail server refused the sign-in (%1)</source>
        <translation>Der Mailserver hat die Anmeldung abgelehnt (%1)</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Incomplete Header</source>
        <translation>Unvollständiger Kopf</translation>
    </message>
    <message>
        <source>Connection Failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TViewPic</name>
    <message>
        <source>TabdeckV10 View Pictures</source>
        <translation>TabdeckV10 Bilder anzeigen</translation>
    </message>
    <message>
        <source> True/False</source>
        <translation> ein/aus</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source> True</source>
        <translation> ein</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source> False</source>
        <translation> aus</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>File Menu</source>
        <translation>Dateimenü</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>Ein Bild öffnen</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save Picture As...</source>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <source>File List...</source>
        <translation>Dateiliste...</translation>
    </message>
    <message>
        <source>Recent file list</source>
        <translation>Liste der zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close View Pictures</source>
        <translation>Bilder anzeigen schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Menu</source>
        <translation>Bearbeiten-Menü</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the picture to the clipboard</source>
        <translation>Das Bild in die Zwischenablage ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Das Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste picture from the clipboard</source>
        <translation>Bild aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the picture</source>
        <translation>Das Bild löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the clipboard</source>
        <translation>Die Zwischenablage leeren</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options Menu</source>
        <translation>Optionenmenü</translation>
    </message>
    <message>
        <source>Auto Size</source>
        <translation>Automatische Größe</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>IncDisplay</source>
        <translation>IncDisplay</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proportional</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Properties Menu</source>
        <translation>Eigenschaftenmenü</translation>
    </message>
    <message>
        <source>Program Color...</source>
        <translation>Programmfarbe...</translation>
    </message>
    <message>
        <source>Set the program&apos;s color</source>
        <translation>Die Farbe des Programms festlegen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Set the program&apos;s default color</source>
        <translation>Die Standardfarbe des Programms setzen</translation>
    </message>
    <message>
        <source>Picture Color...</source>
        <translation>Bildfarbe...</translation>
    </message>
    <message>
        <source>Set the picture&apos;s color</source>
        <translation>Die Farbe des Bildes festlegen</translation>
    </message>
    <message>
        <source>Set the picture&apos;s default color</source>
        <translation>Die Standardfarbe des Bildes setzen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Menu</source>
        <translation>Druckmenü</translation>
    </message>
    <message>
        <source>Setup...</source>
        <translation>Einrichten...</translation>
    </message>
    <message>
        <source>Setup the printer</source>
        <translation>Den Drucker einrichten</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Das Bild drucken</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Abort the print job</source>
        <translation>Den Druckauftrag abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Menu</source>
        <translation>Hilfemenü</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Open About</source>
        <translation>Info öffnen</translation>
    </message>
    <message>
        <source>File Help</source>
        <translation>Hilfe zu Datei</translation>
    </message>
    <message>
        <source>Open file help</source>
        <translation>Hilfe zu Datei öffnen</translation>
    </message>
    <message>
        <source>Open...: Open a Picture.<byte value="xd"/>Save As...: Save Picture As...<byte value="xd"/>File List...: Recent file list.<byte value="xd"/></source>
        <translation>Öffnen...: Ein Bild öffnen.<byte value="xd"/>Speichern unter...: Bild speichern unter...<byte value="xd"/>Dateiliste...: Liste der zuletzt geöffneten Dateien.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Edit Help</source>
        <translation>Hilfe zu Bearbeiten</translation>
    </message>
    <message>
        <source>Open edit help</source>
        <translation>Hilfe zu Bearbeiten öffnen</translation>
    </message>
    <message>
        <source>Cut: Cut the picture to the clipboard.<byte value="xd"/>Copy: Copy the picture to the clipboard.<byte value="xd"/>Paste: Paste picture from the clipboard.<byte value="xd"/>Delete: Delete the picture.<byte value="xd"/>Clear: Clear the clipboard.<byte value="xd"/></source>
        <translation>Ausschneiden: Das Bild in die Zwischenablage ausschneiden.<byte value="xd"/>Kopieren: Das Bild in die Zwischenablage kopieren.<byte value="xd"/>Einfügen: Bild aus der Zwischenablage einfügen.<byte value="xd"/>Löschen: Das Bild löschen.<byte value="xd"/>Leeren: Die Zwischenablage leeren.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Options Help</source>
        <translation>Hilfe zu Optionen</translation>
    </message>
    <message>
        <source>Open options help</source>
        <translation>Hilfe zu Optionen öffnen</translation>
    </message>
    <message>
        <source>Auto Size: Auto Size True/False.<byte value="xd"/>Center: Center True/False.<byte value="xd"/>IncDisplay: IncDisplay True/False.<byte value="xd"/>Proportional: Proportional True/False.<byte value="xd"/>Stretch: Stretch True/False.<byte value="xd"/>Transparent: Transparent True/False.<byte value="xd"/></source>
        <translation>Automatische Größe: Automatische Größe ein/aus.<byte value="xd"/>Zentrieren: Zentrieren ein/aus.<byte value="xd"/>IncDisplay: IncDisplay ein/aus.<byte value="xd"/>Proportional: Proportional ein/aus.<byte value="xd"/>Strecken: Strecken ein/aus.<byte value="xd"/>Transparent: Transparent ein/aus.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Properties Help</source>
        <translation>Hilfe zu Eigenschaften</translation>
    </message>
    <message>
        <source>Open properties help</source>
        <translation>Hilfe zu Eigenschaften öffnen</translation>
    </message>
    <message>
        <source>Program Color...: Set the program&apos;s color.<byte value="xd"/>Default: Set the program&apos;s default color.<byte value="xd"/>Picture Color...: Set the picture&apos;s color.<byte value="xd"/>Default: Set the picture&apos;s default color.<byte value="xd"/></source>
        <translation>Programmfarbe...: Die Farbe des Programms festlegen.<byte value="xd"/>Standard: Die Standardfarbe des Programms setzen.<byte value="xd"/>Bildfarbe...: Die Farbe des Bildes festlegen.<byte value="xd"/>Standard: Die Standardfarbe des Bildes setzen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Help</source>
        <translation>Hilfe zu Drucken</translation>
    </message>
    <message>
        <source>Open print help</source>
        <translation>Hilfe zu Drucken öffnen</translation>
    </message>
    <message>
        <source>Setup...: Setup the printer.<byte value="xd"/>Print...: Print the picture.<byte value="xd"/>Abort: Abort the print job.<byte value="xd"/></source>
        <translation>Einrichten...: Den Drucker einrichten.<byte value="xd"/>Drucken...: Das Bild drucken.<byte value="xd"/>Abbrechen: Den Druckauftrag abbrechen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Recent File List (Double Click on File Name to Open)</source>
        <translation>Zuletzt geöffnete Dateien (Doppelklick auf den Dateinamen öffnet)</translation>
    </message>
    <message>
        <source>Right Click on File Name to Remove it.</source>
        <translation>Rechtsklick auf den Dateinamen entfernt ihn.</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>TableSwitcher</name>
    <message>
        <source>Table %1</source>
        <translation>Tabelle %1</translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>Extract Icons Help:</source>
        <translation>Hilfe zu Symbole extrahieren:</translation>
    </message>
</context>
<context>
    <name>Text::Text</name>
    <message>
        <source><byte value="xd"/>Try changing the Host.</source>
        <translation><byte value="xd"/>Versuchen Sie einen anderen Server.</translation>
    </message>
</context>
<context>
    <name>ToolsMenus</name>
    <message>
        <source>Close Menu</source>
        <translation>Menü schließen</translation>
    </message>
    <message>
        <source>Close this Menu</source>
        <translation>Dieses Menü schließen</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>Windows Explorer</source>
        <translation>Windows-Explorer</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Windows Calculator</source>
        <translation>Windows-Rechner</translation>
    </message>
    <message>
        <source>CharMap</source>
        <translation>Zeichentabelle</translation>
    </message>
    <message>
        <source>Windows CharMap</source>
        <translation>Windows-Zeichentabelle</translation>
    </message>
    <message>
        <source>ClipBoard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Windows ClipBoard Viewer</source>
        <translation>Windows-Zwischenablageanzeige</translation>
    </message>
    <message>
        <source>Command Com</source>
        <translation>Eingabeaufforderung</translation>
    </message>
    <message>
        <source>Windows Command Promt</source>
        <translation>Windows-Eingabeaufforderung</translation>
    </message>
    <message>
        <source>MsPaint</source>
        <translation>MsPaint</translation>
    </message>
    <message>
        <source>Windows MsPaint</source>
        <translation>Windows MsPaint</translation>
    </message>
    <message>
        <source>Narrator</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <source>Windows Narrator</source>
        <translation>Windows-Sprachausgabe</translation>
    </message>
    <message>
        <source>NotePad</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Windows NotePad</source>
        <translation>Windows-Editor</translation>
    </message>
    <message>
        <source>Key Pad</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Windows Desktop Key Pad</source>
        <translation>Windows-Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Register Edit</source>
        <translation>Registrierungs-Editor</translation>
    </message>
    <message>
        <source>Windows Register Editor</source>
        <translation>Windows-Registrierungs-Editor</translation>
    </message>
    <message>
        <source>Sound Recorder</source>
        <translation>Audiorecorder</translation>
    </message>
    <message>
        <source>Windows Sound Recorder</source>
        <translation>Windows-Audiorecorder</translation>
    </message>
    <message>
        <source>Sound Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Windows Sound Volume</source>
        <translation>Windows-Lautstärkeregelung</translation>
    </message>
    <message>
        <source>System Edit</source>
        <translation>Systemkonfiguration</translation>
    </message>
    <message>
        <source>Windows System Edit 16</source>
        <translation>Windows-Systemkonfiguration 16</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Windows Write</source>
        <translation>Windows Write</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Zertifikate</translation>
    </message>
    <message>
        <source>Windows Certificates</source>
        <translation>Windows-Zertifikate</translation>
    </message>
    <message>
        <source>Indexing Service</source>
        <translation>Indexdienst</translation>
    </message>
    <message>
        <source>Computer Managment</source>
        <translation>Computerverwaltung</translation>
    </message>
    <message>
        <source>Computer Management</source>
        <translation>Computerverwaltung</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Geräte-Manager</translation>
    </message>
    <message>
        <source>Computer Device Manager</source>
        <translation>Geräte-Manager des Computers</translation>
    </message>
    <message>
        <source>Disk Defragmenter</source>
        <translation>Defragmentierung</translation>
    </message>
    <message>
        <source>Windows Disk Defragmenter</source>
        <translation>Windows-Defragmentierung</translation>
    </message>
    <message>
        <source>Disk Management</source>
        <translation>Datenträgerverwaltung</translation>
    </message>
    <message>
        <source>Windows Disk Management</source>
        <translation>Windows-Datenträgerverwaltung</translation>
    </message>
    <message>
        <source>Event Viewer</source>
        <translation>Ereignisanzeige</translation>
    </message>
    <message>
        <source>Windows Event Viewer</source>
        <translation>Windows-Ereignisanzeige</translation>
    </message>
    <message>
        <source>Shared Folders</source>
        <translation>Freigegebene Ordner</translation>
    </message>
    <message>
        <source>Windows Shared Folders</source>
        <translation>Freigegebene Windows-Ordner</translation>
    </message>
    <message>
        <source>Local Users</source>
        <translation>Lokale Benutzer</translation>
    </message>
    <message>
        <source>Windows Local Users</source>
        <translation>Lokale Windows-Benutzer</translation>
    </message>
    <message>
        <source>Removable Storage</source>
        <translation>Wechselmedien</translation>
    </message>
    <message>
        <source>Windows Removable Storage</source>
        <translation>Windows-Wechselmedien</translation>
    </message>
    <message>
        <source>RS Operator Request</source>
        <translation>Wechselmedien-Anforderungen</translation>
    </message>
    <message>
        <source>Removable Storage Operator Request</source>
        <translation>Operatoranforderungen für Wechselmedien</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Windows Performance</source>
        <translation>Windows-Leistung</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Windows Services</source>
        <translation>Windows-Dienste</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Verwaltung</translation>
    </message>
    <message>
        <source>Windows Management Infrastracture (WMI)</source>
        <translation>Windows-Verwaltungsinstrumentation (WMI)</translation>
    </message>
    <message>
        <source>Componet Services</source>
        <translation>Komponentendienste</translation>
    </message>
    <message>
        <source>Windows Componet Services</source>
        <translation>Windows-Komponentendienste</translation>
    </message>
</context>
<context>
    <name>UserRegistry</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>ViewerPrinter</name>
    <message>
        <source>The picture could not be printed</source>
        <translation>Das Bild konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Druck läuft</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Printing aborted!</source>
        <translation>Druck abgebrochen!</translation>
    </message>
    <message>
        <source>Printer was Not Printing, so Printing was NOT aborted.</source>
        <translation>Der Drucker hat nicht gedruckt, daher wurde der Druck NICHT abgebrochen.</translation>
    </message>
</context>
</TS>
