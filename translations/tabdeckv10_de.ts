<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
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
    <name>Placement</name>
    <message>
        <source>Click to Hide</source>
        <translation>Zum Ausblenden klicken</translation>
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
        <source>All (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;JPEG Image File (*.jpg *.jpeg);;Bitmaps (*.bmp);;Icons (*.ico);;Enhanced Metafiles (*.emf);;Metafiles (*.wmf)</source>
        <translation>Alle (*.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;JPEG-Bilddatei (*.jpg *.jpeg);;Bitmaps (*.bmp);;Symbole (*.ico);;Erweiterte Metadateien (*.emf);;Metadateien (*.wmf)</translation>
    </message>
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
</context>
<context>
    <name>StripAccessibility</name>
    <message>
        <source>Button %1</source>
        <translation>Schaltfläche %1</translation>
    </message>
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
    <name>TableSwitcher</name>
    <message>
        <source>Table %1</source>
        <translation>Tabelle %1</translation>
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
</TS>
