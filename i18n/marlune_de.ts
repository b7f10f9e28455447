<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutMessages</name>
    <message>
        <source>Please make sure you&apos;re connected to the Internet before you check for updates.</source>
        <translation>Bitte stellen Sie sicher, dass Sie mit dem Internet verbunden sind, bevor Sie nach Updates suchen.</translation>
    </message>
    <message>
        <source>You have the newest version available.</source>
        <translation>Sie haben bereits die neueste Version.</translation>
    </message>
    <message>
        <source>You have version </source>
        <translation>Sie haben Version </translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source> is available.<byte value="xd"/>
</source>
        <translation> ist verfügbar.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>You may download the newer version from the website.</source>
        <translation>Sie können die neuere Version von der Website herunterladen.</translation>
    </message>
    <message>
        <source>Unable to connect to server(server may be down).<byte value="xd"/>
Please try again later.</source>
        <translation>Keine Verbindung zum Server (der Server ist vielleicht nicht erreichbar).<byte value="xd"/>
Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Message NOT sent.<byte value="xd"/>
</source>
        <translation>Nachricht NICHT gesendet.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Message sent.</source>
        <translation>Nachricht gesendet.</translation>
    </message>
    <message>
        <source>There was an error:<byte value="xd"/>
</source>
        <translation>Es ist ein Fehler aufgetreten:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>AskingCountSource</name>
    <message>
        <source>User Input Required</source>
        <translation>Eingabe erforderlich</translation>
    </message>
    <message>
        <source>Enter the number of words in artists/groups name: </source>
        <translation>Geben Sie die Anzahl der Wörter im Namen des Künstlers/der Gruppe ein: </translation>
    </message>
    <message>
        <source><byte value="xd"/>
Current file name: </source>
        <translation><byte value="xd"/>
Aktueller Dateiname: </translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
</context>
<context>
    <name>ErrorInfo</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>The stored word count no longer matches the preview</source>
        <translation>Die gespeicherte Wortanzahl passt nicht mehr zur Vorschau</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Ein-/Ausgabefehler des Geräts</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>MenuLabelLayout</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>ID3 Tag</source>
        <translation>ID3-Tag</translation>
    </message>
</context>
<context>
    <name>PlanConflict</name>
    <message>
        <source>already exists</source>
        <translation>existiert bereits</translation>
    </message>
    <message>
        <source>also proposed for %1</source>
        <translation>auch für %1 vorgeschlagen</translation>
    </message>
    <message>
        <source>is the current name of %1</source>
        <translation>ist der jetzige Name von %1</translation>
    </message>
</context>
<context>
    <name>Playfile</name>
    <message>
        <source>The path to the Winamp application entered under prefrences is invalid. Please enter the correct path.</source>
        <translation>Der unter Einstellungen angegebene Pfad zum Winamp-Programm ist ungültig. Bitte geben Sie den richtigen Pfad ein.</translation>
    </message>
    <message>
        <source>There was an error: </source>
        <translation>Es ist ein Fehler aufgetreten: </translation>
    </message>
    <message>
        <source>Please report the error to the developer by going to the About window.</source>
        <translation>Bitte melden Sie den Fehler dem Entwickler über das Fenster „Über Marlune“.</translation>
    </message>
</context>
<context>
    <name>RenameJournal</name>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>%1, line %2: the rename journal is damaged (%3); it was left as it is and nothing was done.</source>
        <translation>%1, Zeile %2: Das Umbenennungsprotokoll ist beschädigt (%3); es wurde so belassen und nichts wurde getan.</translation>
    </message>
    <message>
        <source>not a rename journal</source>
        <translation>kein Umbenennungsprotokoll</translation>
    </message>
    <message>
        <source>%1 was written by a newer Marlune (journal version %2); it was left as it is and nothing was done.</source>
        <translation>%1 wurde von einem neueren Marlune geschrieben (Protokollversion %2); es wurde so belassen und nichts wurde getan.</translation>
    </message>
    <message>
        <source>no pass line</source>
        <translation>keine Durchgangszeile</translation>
    </message>
    <message>
        <source>a bad time</source>
        <translation>eine ungültige Zeit</translation>
    </message>
    <message>
        <source>a bad folder</source>
        <translation>ein ungültiger Ordner</translation>
    </message>
    <message>
        <source>entries are missing</source>
        <translation>Einträge fehlen</translation>
    </message>
    <message>
        <source>a bad entry</source>
        <translation>ein ungültiger Eintrag</translation>
    </message>
    <message>
        <source>a bad record</source>
        <translation>ein ungültiger Vermerk</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Another Marlune is renaming or undoing; try again when it has finished.</source>
        <translation>Ein anderes Marlune benennt gerade um oder macht rückgängig; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>the lock file cannot be made</source>
        <translation>die Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The rename journal cannot be written (%1: %2); nothing was renamed.</source>
        <translation>Das Umbenennungsprotokoll kann nicht geschrieben werden (%1: %2); nichts wurde umbenannt.</translation>
    </message>
    <message>
        <source>The rename journal cannot be completed (%1: %2); an undo checks each file itself.</source>
        <translation>Das Umbenennungsprotokoll kann nicht abgeschlossen werden (%1: %2); ein Rückgängigmachen prüft jede Datei selbst.</translation>
    </message>
</context>
<context>
    <name>RenamePass</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Error renaming </source>
        <translation>Fehler beim Umbenennen von </translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
The new desired filename already exists.</source>
        <translation>.<byte value="xd"/>
Der gewünschte neue Dateiname existiert bereits.</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>
This file cannot be renamed since it&apos;s currently in use by windows.</source>
        <translation>.<byte value="xd"/>
Diese Datei kann nicht umbenannt werden, weil sie gerade von einem anderen Programm verwendet wird.</translation>
    </message>
    <message>
        <source>There was an error renaming the file: <byte value="xd"/>
</source>
        <translation>Beim Umbenennen der Datei ist ein Fehler aufgetreten: <byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>RenamerIni</name>
    <message>
        <source>There was an error. Settings will not be saved.</source>
        <translation>Es ist ein Fehler aufgetreten. Die Einstellungen werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>TagCommands</name>
    <message>
        <source>PRESS CTRL+C TO CANCEL THE AUTOTAG PROCESS</source>
        <translation>STRG+C DRÜCKEN, UM DAS AUTOMATISCHE TAGGEN ABZUBRECHEN</translation>
    </message>
    <message>
        <source>Right Click To Edit ID3 Tags. Select as many files as needed.</source>
        <translation>Rechtsklick zum Bearbeiten der ID3-Tags. Wählen Sie beliebig viele Dateien aus.</translation>
    </message>
</context>
<context>
    <name>TrayHost</name>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
</context>
<context>
    <name>UndoLastRename</name>
    <message>
        <source>Undo the last rename? These files get their old names back:</source>
        <translation>Letzte Umbenennung rückgängig machen? Diese Dateien erhalten ihre alten Namen zurück:</translation>
    </message>
    <message>
        <source>These are left as they are:</source>
        <translation>Diese bleiben, wie sie sind:</translation>
    </message>
    <message>
        <source>These files were left as they are:</source>
        <translation>Diese Dateien blieben, wie sie sind:</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(und %1 weitere)</translation>
    </message>
</context>
<context>
    <name>UndoPass</name>
    <message>
        <source>There is no rename pass %1 in the journal.</source>
        <translation>Das Protokoll enthält keinen Umbenennungsdurchgang %1.</translation>
    </message>
    <message>
        <source>There is no rename to undo.</source>
        <translation>Es gibt keine Umbenennung, die rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>Rename pass %1 has nothing left to undo.</source>
        <translation>Im Umbenennungsdurchgang %1 ist nichts mehr rückgängig zu machen.</translation>
    </message>
    <message>
        <source>changed since it was renamed; left as it is</source>
        <translation>seit der Umbenennung geändert; bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>no longer there; nothing to undo</source>
        <translation>nicht mehr vorhanden; nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>its old name is taken; left as it is</source>
        <translation>ihr alter Name ist vergeben; bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>cannot be renamed back: %1 %2</source>
        <translation>kann nicht zurückbenannt werden: %1 %2</translation>
    </message>
</context>
<context>
    <name>frmAbout2</name>
    <message>
        <source>This file renames .MP3, .MPG, .MPEG, .DOC, .TXT, .MOV, .ASF, .RM, .RAM files to a predefined format. Please send any comments or bug reports. Thanks. Last updated December 2026.</source>
        <translation>Dieses Programm benennt .MP3-, .MPG-, .MPEG-, .DOC-, .TXT-, .MOV-, .ASF-, .RM- und .RAM-Dateien nach einem festen Schema um. Kommentare und Fehlerberichte sind willkommen. Danke! Stand: Dezember 2026.</translation>
    </message>
    <message>
        <source>About Marlune</source>
        <translation>Über Marlune</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
    <message>
        <source>Double-Click to goto website.</source>
        <translation>Doppelklick öffnet die Website.</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
</context>
<context>
    <name>frmPref</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Docking</source>
        <translation>&amp;Andocken</translation>
    </message>
    <message>
        <source>Taskbar Height</source>
        <translation>Taskleistenhöhe</translation>
    </message>
    <message>
        <source>De&amp;fault Directory</source>
        <translation>&amp;Standardordner</translation>
    </message>
    <message>
        <source>S&amp;plash Screen</source>
        <translation>Start&amp;bildschirm</translation>
    </message>
    <message>
        <source>&amp;Sounds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>&amp;Winamp Location</source>
        <translation>&amp;Winamp-Pfad</translation>
    </message>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
</context>
<context>
    <name>frmRenamer</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
    <message>
        <source>Select Drive</source>
        <translation>Laufwerk wählen</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Select Files To Rename</source>
        <translation>Umzubenennende Dateien wählen</translation>
    </message>
    <message>
        <source>Type Directory/Location And Press SHIFT+ENTER</source>
        <translation>Ordner/Pfad eingeben und UMSCHALT+EINGABE drücken</translation>
    </message>
    <message>
        <source>Select Type Of Files To Rename</source>
        <translation>Art der umzubenennenden Dateien wählen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Capitalize Only</source>
        <translation>Nur &amp;Großschreibung</translation>
    </message>
    <message>
        <source>&amp;Remove Numbers</source>
        <translation>&amp;Nummern entfernen</translation>
    </message>
    <message>
        <source>R&amp;emove Underscore</source>
        <translation>&amp;Unterstriche entfernen</translation>
    </message>
    <message>
        <source>&amp;Prefrences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Tag</source>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <source>&amp;Auto Add ID3 Tags</source>
        <translation>ID3-Tags &amp;automatisch hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit ID3 Tags</source>
        <translation>ID3-Tags &amp;bearbeiten</translation>
    </message>
    <message>
        <source>E&amp;nqueue in Winamp</source>
        <translation>In Winamp &amp;einreihen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>Check for &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Undo Last Rename</source>
        <translation>Letzte Umbenennung &amp;rückgängig</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
</context>
<context>
    <name>frmTag</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>ID3 Tag Editor</source>
        <translation>ID3-Tag-Editor</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Marlune</source>
        <translation>Marlune</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
</TS>
