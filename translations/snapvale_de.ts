<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Snapvale</source>
        <translation>Über Snapvale</translation>
    </message>
    <message>
        <source>Photo print layouts on your own printer: gather an image list, choose a print template, and Snapvale lays your photos into its slots, cropped, turned and graded for print resolution. Print one page or the whole list, or save the page as a picture.</source>
        <translation>Fotodruck-Layouts auf dem eigenen Drucker: Stellen Sie eine Bildliste zusammen, wählen Sie eine Druckvorlage, und Snapvale setzt Ihre Fotos in deren Felder – zugeschnitten, gedreht und nach Druckauflösung bewertet. Drucken Sie eine Seite oder die ganze Liste, oder speichern Sie die Seite als Bild.</translation>
    </message>
    <message>
        <source>Free software, provided as is, without warranty of any kind.</source>
        <translation>Freie Software, bereitgestellt wie sie ist, ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>AlbumEditor</name>
    <message>
        <source>Album commands</source>
        <translation>Albumbefehle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Start a new, empty album</source>
        <translation>Ein neues, leeres Album beginnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open an album file</source>
        <translation>Eine Albumdatei öffnen</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add photo files to the album</source>
        <translation>Fotodateien zum Album hinzufügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the album with a thumbnail of the page shown</source>
        <translation>Das Album mit einem Vorschaubild der gezeigten Seite speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Remove the selected photos from the album (the files stay where they are)</source>
        <translation>Die gewählten Fotos aus dem Album entfernen (die Dateien bleiben erhalten)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help on photo albums</source>
        <translation>Hilfe zu Fotoalben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the album editor without saving</source>
        <translation>Den Albumeditor ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the album under another name</source>
        <translation>Das Album unter einem anderen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Print Album Page...</source>
        <translation>Albumseite &amp;drucken...</translation>
    </message>
    <message>
        <source>Print the album page shown</source>
        <translation>Die gezeigte Albumseite drucken</translation>
    </message>
    <message>
        <source>Printer &amp;Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Select or set up the printer</source>
        <translation>Drucker auswählen oder einrichten</translation>
    </message>
    <message>
        <source>More album commands</source>
        <translation>Weitere Albumbefehle</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Mehr</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Save As, printing the album page and the printer setup</source>
        <translation>Speichern unter, Drucken der Albumseite und Druckereinrichtung</translation>
    </message>
    <message>
        <source>Photo Album Contents</source>
        <translation>Inhalt des Fotoalbums</translation>
    </message>
    <message>
        <source>Album status</source>
        <translation>Albumstatus</translation>
    </message>
    <message>
        <source>How many photo files the album holds</source>
        <translation>Wie viele Fotodateien das Album enthält</translation>
    </message>
    <message>
        <source>The album&apos;s photo files. Click one to show its page; Ctrl+click selects several for Delete; Enter shows the page of the current file</source>
        <translation>Die Fotodateien des Albums. Ein Klick zeigt ihre Seite; Strg+Klick wählt mehrere zum Löschen; die Eingabetaste zeigt die Seite der aktuellen Datei</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Select every file of the album</source>
        <translation>Alle Dateien des Albums auswählen</translation>
    </message>
    <message>
        <source>Cl&amp;ear Selection(s)</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
    <message>
        <source>Select no file</source>
        <translation>Keine Datei auswählen</translation>
    </message>
    <message>
        <source>Photo Album Layout and Styles</source>
        <translation>Layout und Stil des Fotoalbums</translation>
    </message>
    <message>
        <source>Photo Page La&amp;yout:</source>
        <translation>Seiten&amp;layout:</translation>
    </message>
    <message>
        <source>Photo Page Layout</source>
        <translation>Seitenlayout</translation>
    </message>
    <message>
        <source>Columns x rows of photos on each page</source>
        <translation>Spalten x Zeilen an Fotos auf jeder Seite</translation>
    </message>
    <message>
        <source>T&amp;wo Page</source>
        <translation>&amp;Doppelseite</translation>
    </message>
    <message>
        <source>Two Page</source>
        <translation>Doppelseite</translation>
    </message>
    <message>
        <source>Show the album as two facing pages</source>
        <translation>Das Album als zwei gegenüberliegende Seiten zeigen</translation>
    </message>
    <message>
        <source>Add Capt&amp;ion</source>
        <translation>Bild&amp;unterschrift</translation>
    </message>
    <message>
        <source>Add Caption</source>
        <translation>Bildunterschrift</translation>
    </message>
    <message>
        <source>Write each photo&apos;s size and file name under it</source>
        <translation>Größe und Dateiname jedes Fotos darunter schreiben</translation>
    </message>
    <message>
        <source>Paste Album &amp;Description</source>
        <translation>Album&amp;beschreibung einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste Album Description</source>
        <translation>Albumbeschreibung einfügen</translation>
    </message>
    <message>
        <source>Replace the description with the text on the clipboard</source>
        <translation>Die Beschreibung durch den Text in der Zwischenablage ersetzen</translation>
    </message>
    <message>
        <source>Album description</source>
        <translation>Albumbeschreibung</translation>
    </message>
    <message>
        <source>A description of the album, saved with it</source>
        <translation>Eine Beschreibung des Albums, die mit ihm gespeichert wird</translation>
    </message>
    <message>
        <source>Photo Album Preview</source>
        <translation>Vorschau des Fotoalbums</translation>
    </message>
    <message>
        <source>Drawing progress</source>
        <translation>Fortschritt beim Zeichnen</translation>
    </message>
    <message>
        <source>How far the page has been drawn</source>
        <translation>Wie weit die Seite gezeichnet ist</translation>
    </message>
    <message>
        <source>Album &amp;Title:</source>
        <translation>Album&amp;titel:</translation>
    </message>
    <message>
        <source>Album Title</source>
        <translation>Albumtitel</translation>
    </message>
    <message>
        <source>The album&apos;s title, saved with it</source>
        <translation>Der Titel des Albums, der mit ihm gespeichert wird</translation>
    </message>
    <message>
        <source>&amp;Prev Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>Back to the page shown before Next Page (Page Up)</source>
        <translation>Zurück zur Seite vor „Nächste Seite“ (Bild auf)</translation>
    </message>
    <message>
        <source>Set T&amp;humbnail</source>
        <translation>Vorschau&amp;bild setzen</translation>
    </message>
    <message>
        <source>Make the page shown the album&apos;s thumbnail and save the album</source>
        <translation>Die gezeigte Seite zum Vorschaubild des Albums machen und das Album speichern</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Show the next page of the album (Page Down)</source>
        <translation>Die nächste Seite des Albums zeigen (Bild ab)</translation>
    </message>
    <message>
        <source>The album page could not be sent to the printer.</source>
        <translation>Die Albumseite konnte nicht an den Drucker gesendet werden.</translation>
    </message>
    <message>
        <source>The album page was sent to the printer.</source>
        <translation>Die Albumseite wurde an den Drucker gesendet.</translation>
    </message>
    <message>
        <source>Page beginning with %1, %2 photos</source>
        <translation>Seite ab %1, %2 Fotos</translation>
    </message>
    <message>
        <source>Empty album page</source>
        <translation>Leere Albumseite</translation>
    </message>
    <message>
        <source>Snapvale Error: Album Not Saved</source>
        <translation>Snapvale-Fehler: Album nicht gespeichert</translation>
    </message>
    <message>
        <source>Unable to write the photo album file:
%1
%2</source>
        <translation>Die Fotoalbumdatei konnte nicht geschrieben werden:
%1
%2</translation>
    </message>
</context>
<context>
    <name>Alignment</name>
    <message>
        <source>Print Alignment Page - %1</source>
        <translation>Ausrichtungsseite drucken – %1</translation>
    </message>
    <message>
        <source>Print the alignment page, measure where its frame landed on the paper and enter the offsets. They are kept for the printer &quot;%1&quot; and added to every print on it.

</source>
        <translation>Drucken Sie die Ausrichtungsseite, messen Sie, wo ihr Rahmen auf dem Papier gelandet ist, und geben Sie die Versätze ein. Sie werden für den Drucker „%1“ gespeichert und bei jedem Druck darauf berücksichtigt.

</translation>
    </message>
    <message>
        <source>Millimetres to move every print on this printer to the right; negative moves it left.</source>
        <translation>Millimeter, um die jeder Druck auf diesem Drucker nach rechts rückt; negativ nach links.</translation>
    </message>
    <message>
        <source>Millimetres to move every print on this printer down; negative moves it up.</source>
        <translation>Millimeter, um die jeder Druck auf diesem Drucker nach unten rückt; negativ nach oben.</translation>
    </message>
    <message>
        <source>The alignment page was sent to &quot;%1&quot;.</source>
        <translation>Die Ausrichtungsseite wurde an „%1“ gesendet.</translation>
    </message>
    <message>
        <source>The alignment page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Die Ausrichtungsseite konnte nicht an den Drucker „%1“ gesendet werden.</translation>
    </message>
</context>
<context>
    <name>AlignmentDialog</name>
    <message>
        <source>Horizontal offset (mm)</source>
        <translation>Horizontaler Versatz (mm)</translation>
    </message>
    <message>
        <source>Vertical offset (mm)</source>
        <translation>Vertikaler Versatz (mm)</translation>
    </message>
    <message>
        <source>&amp;Horizontal offset (mm):</source>
        <translation>&amp;Horizontaler Versatz (mm):</translation>
    </message>
    <message>
        <source>&amp;Vertical offset (mm):</source>
        <translation>&amp;Vertikaler Versatz (mm):</translation>
    </message>
    <message>
        <source>&amp;Print Alignment Page</source>
        <translation>Ausrichtungsseite &amp;drucken</translation>
    </message>
    <message>
        <source>Print Alignment Page</source>
        <translation>Ausrichtungsseite drucken</translation>
    </message>
    <message>
        <source>Print the alignment page with the offsets above.</source>
        <translation>Die Ausrichtungsseite mit den obigen Versätzen drucken.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keep the offsets for this printer.</source>
        <translation>Die Versätze für diesen Drucker übernehmen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without changing the offsets.</source>
        <translation>Schließen, ohne die Versätze zu ändern.</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
</context>
<context>
    <name>CPMFileOpen</name>
    <message>
        <source>Preview panel</source>
        <translation>Vorschaubereich</translation>
    </message>
    <message>
        <source>Enable Pre&amp;view</source>
        <translation>&amp;Vorschau einschalten</translation>
    </message>
    <message>
        <source>Enable Preview</source>
        <translation>Vorschau einschalten</translation>
    </message>
    <message>
        <source>Show the chosen photo or album beside the list</source>
        <translation>Das gewählte Foto oder Album neben der Liste zeigen</translation>
    </message>
    <message>
        <source>Information line</source>
        <translation>Informationszeile</translation>
    </message>
    <message>
        <source>The chosen file&apos;s name and size, or the album&apos;s number of photos</source>
        <translation>Name und Größe der gewählten Datei oder die Zahl der Fotos im Album</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>When the album was last saved, or how many files Add To Album has gathered</source>
        <translation>Wann das Album zuletzt gespeichert wurde oder wie viele Dateien „Zum Album hinzufügen“ gesammelt hat</translation>
    </message>
    <message>
        <source>Add To A&amp;lbum</source>
        <translation>Zum A&amp;lbum hinzufügen</translation>
    </message>
    <message>
        <source>Add To Album</source>
        <translation>Zum Album hinzufügen</translation>
    </message>
    <message>
        <source>Gather the selected files for the album and go on choosing in other folders; OK then adds everything gathered</source>
        <translation>Die gewählten Dateien für das Album sammeln und in anderen Ordnern weiter wählen; OK fügt dann alles Gesammelte hinzu</translation>
    </message>
    <message>
        <source>Colour swatch</source>
        <translation>Farbmuster</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>CPPWzdFinish</name>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Printer advice</source>
        <translation>Druckerhinweis</translation>
    </message>
    <message>
        <source>Check your printer paper size</source>
        <translation>Papierformat des Druckers prüfen</translation>
    </message>
    <message>
        <source>Borderless printing advice</source>
        <translation>Hinweis zum randlosen Druck</translation>
    </message>
    <message>
        <source>Ready to print</source>
        <translation>Bereit zum Drucken</translation>
    </message>
    <message>
        <source>Maximum Printable Area</source>
        <translation>Maximaler Druckbereich</translation>
    </message>
    <message>
        <source>Print quality:</source>
        <translation>Druckqualität:</translation>
    </message>
    <message>
        <source>Printer &amp;Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Choose the printer, its paper and borderless printing</source>
        <translation>Drucker, Papier und randlosen Druck wählen</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Seite &amp;drucken</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Draw Pre&amp;v Page</source>
        <translation>&amp;Vorherige Seite zeichnen</translation>
    </message>
    <message>
        <source>Draw the previous page of the list</source>
        <translation>Die vorherige Seite der Liste zeichnen</translation>
    </message>
    <message>
        <source>Draw Ne&amp;xt Page</source>
        <translation>Nä&amp;chste Seite zeichnen</translation>
    </message>
    <message>
        <source>Draw the next page of the list</source>
        <translation>Die nächste Seite der Liste zeichnen</translation>
    </message>
    <message>
        <source>&amp;Advanced Options...</source>
        <translation>&amp;Erweiterte Optionen...</translation>
    </message>
    <message>
        <source>Resolution, cropping, filters and watermark, in the layout setup</source>
        <translation>Auflösung, Zuschnitt, Filter und Wasserzeichen in der Layout-Einrichtung</translation>
    </message>
    <message>
        <source>Slot S&amp;tatistics...</source>
        <translation>Feld&amp;statistik...</translation>
    </message>
    <message>
        <source>The figures of every photo on this page</source>
        <translation>Die Kennzahlen jedes Fotos auf dieser Seite</translation>
    </message>
    <message>
        <source>Check Printer A&amp;gain</source>
        <translation>Drucker erneut &amp;prüfen</translation>
    </message>
    <message>
        <source>Read the printer&apos;s printable area again</source>
        <translation>Den Druckbereich des Druckers erneut lesen</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Seite drucken</translation>
    </message>
    <message>
        <source>Default Printer</source>
        <translation>Standarddrucker</translation>
    </message>
</context>
<context>
    <name>CPPWzdSelTemplate</name>
    <message>
        <source>*Bitmap Memory Error*</source>
        <translation>*Bitmap-Speicherfehler*</translation>
    </message>
    <message>
        <source>Photo layout templates</source>
        <translation>Foto-Layoutvorlagen</translation>
    </message>
    <message>
        <source>Choose a layout; the page is drawn in it at once</source>
        <translation>Ein Layout wählen; die Seite wird sofort darin gezeichnet</translation>
    </message>
    <message>
        <source>Photo &amp;layout templates:</source>
        <translation>Foto-&amp;Layoutvorlagen:</translation>
    </message>
    <message>
        <source>Use &amp;Single Image</source>
        <translation>&amp;Einzelbild verwenden</translation>
    </message>
    <message>
        <source>Use Single Image</source>
        <translation>Einzelbild verwenden</translation>
    </message>
    <message>
        <source>Put the same photo into every slot of the page</source>
        <translation>Dasselbe Foto in jedes Feld der Seite setzen</translation>
    </message>
    <message>
        <source>Required paper size</source>
        <translation>Benötigtes Papierformat</translation>
    </message>
    <message>
        <source>Required Paper Size: 88.88 in. x 88.88 in.</source>
        <translation>Benötigtes Papierformat: 88.88 Zoll x 88.88 Zoll</translation>
    </message>
    <message>
        <source>More La&amp;youts...</source>
        <translation>Weitere La&amp;youts...</translation>
    </message>
    <message>
        <source>More Layouts...</source>
        <translation>Weitere Layouts...</translation>
    </message>
    <message>
        <source>Every layout, half-page styles and borders, in the layout setup</source>
        <translation>Alle Layouts, Halbseitenstile und Ränder in der Layout-Einrichtung</translation>
    </message>
    <message>
        <source>Review Your &amp;Image List...</source>
        <translation>&amp;Bildliste prüfen...</translation>
    </message>
    <message>
        <source>Review Your Image List...</source>
        <translation>Bildliste prüfen...</translation>
    </message>
    <message>
        <source>See the photos of the list and where the page starts</source>
        <translation>Die Fotos der Liste sehen und wo die Seite beginnt</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
</context>
<context>
    <name>CPPWzdStart</name>
    <message>
        <source>Al&amp;ways show this wizard when program starts.</source>
        <translation>Diesen Assistenten beim Programmstart &amp;immer zeigen.</translation>
    </message>
</context>
<context>
    <name>CPPageAdvancedOptionsControl</name>
    <message>
        <source>&amp;Emboss Photos</source>
        <translation>&amp;Prägen</translation>
    </message>
    <message>
        <source>Raise the edges of every photo like an embossing</source>
        <translation>Die Kanten jedes Fotos wie eine Prägung hervorheben</translation>
    </message>
    <message>
        <source>E&amp;dge Only</source>
        <translation>Nur &amp;Kanten</translation>
    </message>
    <message>
        <source>Keep only the edges of every photo</source>
        <translation>Von jedem Foto nur die Kanten behalten</translation>
    </message>
    <message>
        <source>&amp;Lighten Photos</source>
        <translation>&amp;Aufhellen</translation>
    </message>
    <message>
        <source>Make every photo lighter by an amount you choose</source>
        <translation>Jedes Foto um einen wählbaren Wert aufhellen</translation>
    </message>
    <message>
        <source>Dar&amp;ken Photos</source>
        <translation>Ab&amp;dunkeln</translation>
    </message>
    <message>
        <source>Make every photo darker by an amount you choose</source>
        <translation>Jedes Foto um einen wählbaren Wert abdunkeln</translation>
    </message>
    <message>
        <source>&amp;Grayscale Photos</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>Print the whole page in shades of grey</source>
        <translation>Die ganze Seite in Graustufen drucken</translation>
    </message>
    <message>
        <source>Neg&amp;ative Photos</source>
        <translation>&amp;Negativ</translation>
    </message>
    <message>
        <source>Turn every photo into its negative</source>
        <translation>Jedes Foto in sein Negativ verwandeln</translation>
    </message>
    <message>
        <source>Repair Photos</source>
        <translation>Fotos reparieren</translation>
    </message>
    <message>
        <source>Smooth away noise and dust specks</source>
        <translation>Rauschen und Staubflecken glätten</translation>
    </message>
    <message>
        <source>Sharpen Photos</source>
        <translation>Fotos schärfen</translation>
    </message>
    <message>
        <source>Sharpen every photo</source>
        <translation>Jedes Foto schärfen</translation>
    </message>
    <message>
        <source>So&amp;ften Photos</source>
        <translation>Weich&amp;zeichnen</translation>
    </message>
    <message>
        <source>Soften every photo</source>
        <translation>Jedes Foto weichzeichnen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Page resolution (DPI)</source>
        <translation>Seitenauflösung (DPI)</translation>
    </message>
    <message>
        <source>Dots per inch of the page; more needs more memory</source>
        <translation>Punkte pro Zoll der Seite; mehr braucht mehr Speicher</translation>
    </message>
    <message>
        <source>Res&amp;olution (DPI):</source>
        <translation>Auf&amp;lösung (DPI):</translation>
    </message>
    <message>
        <source>Image Filters</source>
        <translation>Bildfilter</translation>
    </message>
    <message>
        <source>Note: click the Re-Draw Page button to see results.</source>
        <translation>Hinweis: Klicken Sie auf „Seite neu zeichnen“, um das Ergebnis zu sehen.</translation>
    </message>
    <message>
        <source>Logo and Watermark</source>
        <translation>Logo und Wasserzeichen</translation>
    </message>
    <message>
        <source>Add I&amp;mage Logo</source>
        <translation>Bild&amp;logo hinzufügen</translation>
    </message>
    <message>
        <source>Add Te&amp;xt Watermark</source>
        <translation>Te&amp;xt-Wasserzeichen hinzufügen</translation>
    </message>
    <message>
        <source>Add Image Logo</source>
        <translation>Bildlogo hinzufügen</translation>
    </message>
    <message>
        <source>Add Text Watermark</source>
        <translation>Text-Wasserzeichen hinzufügen</translation>
    </message>
    <message>
        <source>Logo file</source>
        <translation>Logodatei</translation>
    </message>
    <message>
        <source>Select Logo BMP File</source>
        <translation>BMP-Logodatei auswählen</translation>
    </message>
    <message>
        <source>Choose the logo picture</source>
        <translation>Das Logobild wählen</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Logo transparent colour</source>
        <translation>Transparente Farbe des Logos</translation>
    </message>
    <message>
        <source>The colour of the logo that is left out</source>
        <translation>Die Farbe des Logos, die ausgespart wird</translation>
    </message>
    <message>
        <source>Watermark text</source>
        <translation>Wasserzeichentext</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Watermark text colour</source>
        <translation>Farbe des Wasserzeichentexts</translation>
    </message>
    <message>
        <source>The colour of the watermark text</source>
        <translation>Die Farbe des Wasserzeichentexts</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Lower Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Upper Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Logo location</source>
        <translation>Position des Logos</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Automatischer Zuschnitt</translation>
    </message>
    <message>
        <source>Cut photos to fill their slots, or fit them whole</source>
        <translation>Fotos so zuschneiden, dass sie ihre Felder füllen, oder ganz einpassen</translation>
    </message>
    <message>
        <source>Crop Top</source>
        <translation>Oben beschneiden</translation>
    </message>
    <message>
        <source>Crop &amp;Bottom</source>
        <translation>Unten &amp;beschneiden</translation>
    </message>
    <message>
        <source>Crop Left</source>
        <translation>Links beschneiden</translation>
    </message>
    <message>
        <source>Crop Right</source>
        <translation>Rechts beschneiden</translation>
    </message>
    <message>
        <source>Sides that may be cut</source>
        <translation>Seiten, die beschnitten werden dürfen</translation>
    </message>
    <message>
        <source>Warning: Auto Crop setting are OFF! Your photo may not fit the selected template dimensions.</source>
        <translation>Achtung: Der automatische Zuschnitt ist AUS! Ihr Foto passt womöglich nicht in die Maße der gewählten Vorlage.</translation>
    </message>
    <message>
        <source>Lighten Images</source>
        <translation>Bilder aufhellen</translation>
    </message>
    <message>
        <source>Darken Images</source>
        <translation>Bilder abdunkeln</translation>
    </message>
    <message>
        <source>Graphic Files (*.BMP)|*.BMP|BMP Files(*.BMP)</source>
        <translation>Grafikdateien (*.BMP)|*.BMP|BMP-Dateien(*.BMP)</translation>
    </message>
    <message>
        <source>Auto Crop (ON)</source>
        <translation>Automatischer Zuschnitt (EIN)</translation>
    </message>
    <message>
        <source>Auto Crop (OFF)</source>
        <translation>Automatischer Zuschnitt (AUS)</translation>
    </message>
    <message>
        <source>C&amp;ut Marks</source>
        <translation>Sch&amp;nittmarken</translation>
    </message>
    <message>
        <source>Cut Marks</source>
        <translation>Schnittmarken</translation>
    </message>
    <message>
        <source>Draw short marks in the margins and gutters at the corners of each print, for cutting a sheet of several prints with a trimmer</source>
        <translation>Kurze Marken in Rändern und Zwischenräumen an den Ecken jedes Abzugs zeichnen, um einen Bogen mit mehreren Abzügen mit einer Schneidemaschine zu schneiden</translation>
    </message>
    <message>
        <source>Select Logo BMP File...</source>
        <translation>BMP-Logodatei auswählen...</translation>
    </message>
    <message>
        <source>Keep faces in frame</source>
        <translation>Gesichter im Bild behalten</translation>
    </message>
    <message>
        <source>Where the auto crop must cut a photo, keep the faces found in it in the print</source>
        <translation>Wo der automatische Zuschnitt ein Foto beschneiden muss, die darin gefundenen Gesichter im Abzug behalten</translation>
    </message>
</context>
<context>
    <name>CPPageImageListControl</name>
    <message>
        <source>Image List</source>
        <translation>Bildliste</translation>
    </message>
    <message>
        <source>Image list size</source>
        <translation>Größe der Bildliste</translation>
    </message>
    <message>
        <source>Photos of the image list</source>
        <translation>Fotos der Bildliste</translation>
    </message>
    <message>
        <source>Choose the photo the page starts with</source>
        <translation>Das Foto wählen, mit dem die Seite beginnt</translation>
    </message>
    <message>
        <source>Photo information</source>
        <translation>Fotoinformationen</translation>
    </message>
    <message>
        <source>Image number</source>
        <translation>Bildnummer</translation>
    </message>
    <message>
        <source>The position of a photo in the list</source>
        <translation>Die Position eines Fotos in der Liste</translation>
    </message>
    <message>
        <source>&amp;Goto Image #</source>
        <translation>&amp;Gehe zu Bild Nr.</translation>
    </message>
    <message>
        <source>Start the page at this photo</source>
        <translation>Die Seite mit diesem Foto beginnen</translation>
    </message>
    <message>
        <source>Image n&amp;umber:</source>
        <translation>Bild&amp;nummer:</translation>
    </message>
    <message>
        <source>&amp;Open Directory...</source>
        <translation>Ordner ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Build the list from a folder of photos</source>
        <translation>Die Liste aus einem Fotoordner erstellen</translation>
    </message>
    <message>
        <source>&amp;Add Images...</source>
        <translation>Bilder &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Add photo files to the list</source>
        <translation>Fotodateien zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Import Photo &amp;Album...</source>
        <translation>Foto&amp;album importieren...</translation>
    </message>
    <message>
        <source>Build the list from a photo album</source>
        <translation>Die Liste aus einem Fotoalbum erstellen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Grid Onl&amp;y</source>
        <translation>Nur &amp;Raster</translation>
    </message>
    <message>
        <source>Gri&amp;d + Photos</source>
        <translation>Raster + &amp;Fotos</translation>
    </message>
    <message>
        <source>Photos On&amp;ly</source>
        <translation>Nur F&amp;otos</translation>
    </message>
    <message>
        <source>Use Single I&amp;mage</source>
        <translation>&amp;Einzelbild verwenden</translation>
    </message>
    <message>
        <source>Put the same photo into every slot</source>
        <translation>Dasselbe Foto in jedes Feld setzen</translation>
    </message>
    <message>
        <source>Use Single Image</source>
        <translation>Einzelbild verwenden</translation>
    </message>
</context>
<context>
    <name>CPPageTemplateControl</name>
    <message>
        <source>No Photos (Empty)</source>
        <translation>Keine Fotos (leer)</translation>
    </message>
    <message>
        <source>Photo Templates</source>
        <translation>Fotovorlagen</translation>
    </message>
    <message>
        <source>Full-page template</source>
        <translation>Ganzseitige Vorlage</translation>
    </message>
    <message>
        <source>A layout for the whole page, or half-page styles for the top and bottom</source>
        <translation>Ein Layout für die ganze Seite oder Halbseitenstile für oben und unten</translation>
    </message>
    <message>
        <source>T&amp;emplate:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>Layout on the page</source>
        <translation>Layout der Seite</translation>
    </message>
    <message>
        <source>Half-page styles</source>
        <translation>Halbseitenstile</translation>
    </message>
    <message>
        <source>Select T&amp;op Half Style</source>
        <translation>Stil der &amp;oberen Hälfte wählen</translation>
    </message>
    <message>
        <source>Select &amp;Bottom Half Style</source>
        <translation>Stil der &amp;unteren Hälfte wählen</translation>
    </message>
    <message>
        <source>Select Top Half Style</source>
        <translation>Stil der oberen Hälfte wählen</translation>
    </message>
    <message>
        <source>Select Bottom Half Style</source>
        <translation>Stil der unteren Hälfte wählen</translation>
    </message>
    <message>
        <source>Half-page style %1</source>
        <translation>Halbseitenstil %1</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Border (inches)</source>
        <translation>Rand (Zoll)</translation>
    </message>
    <message>
        <source>White border around each photo, 0.0 to 0.15 inches</source>
        <translation>Weißer Rand um jedes Foto, 0.0 bis 0.15 Zoll</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>Papierformat:</translation>
    </message>
    <message>
        <source>Bor&amp;der (inches)</source>
        <translation>Ran&amp;d (Zoll)</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Grid Onl&amp;y</source>
        <translation>Nur &amp;Raster</translation>
    </message>
    <message>
        <source>&amp;Grid + Photos</source>
        <translation>Raster + &amp;Fotos</translation>
    </message>
    <message>
        <source>Photos On&amp;ly</source>
        <translation>Nur F&amp;otos</translation>
    </message>
    <message>
        <source>Use Single I&amp;mage</source>
        <translation>&amp;Einzelbild verwenden</translation>
    </message>
    <message>
        <source>Use Single Image</source>
        <translation>Einzelbild verwenden</translation>
    </message>
    <message>
        <source>Put the same photo into every slot</source>
        <translation>Dasselbe Foto in jedes Feld setzen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Grid / Text Color</source>
        <translation>Raster-/Textfarbe</translation>
    </message>
    <message>
        <source>Negative Strip Background</source>
        <translation>Hintergrund des Filmstreifens</translation>
    </message>
    <message>
        <source>Negative StripText</source>
        <translation>Text des Filmstreifens</translation>
    </message>
    <message>
        <source>Negative StripOutline</source>
        <translation>Umriss des Filmstreifens</translation>
    </message>
    <message>
        <source>Choose the colour</source>
        <translation>Die Farbe wählen</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
</context>
<context>
    <name>CPhotoLayoutSetupDlg</name>
    <message>
        <source>Custom Photo Layout Setup</source>
        <translation>Eigene Foto-Layout-Einrichtung</translation>
    </message>
    <message>
        <source>Layout setup pages</source>
        <translation>Seiten der Layout-Einrichtung</translation>
    </message>
    <message>
        <source>&amp;Image List</source>
        <translation>&amp;Bildliste</translation>
    </message>
    <message>
        <source>Photo &amp;Templates</source>
        <translation>Foto&amp;vorlagen</translation>
    </message>
    <message>
        <source>Ad&amp;vanced</source>
        <translation>&amp;Erweitert</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>Slots of the page</source>
        <translation>Felder der Seite</translation>
    </message>
    <message>
        <source>What happened to each photo of the page; choose one to see it on the Image List page</source>
        <translation>Was mit jedem Foto der Seite geschah; ein Eintrag zeigt es auf der Seite „Bildliste“</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Img #</source>
        <translation>Bild Nr.</translation>
    </message>
    <message>
        <source>Image File Name</source>
        <translation>Bilddateiname</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotogröße</translation>
    </message>
    <message>
        <source>Transformations</source>
        <translation>Veränderungen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Printer &amp;Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Select or set up the printer</source>
        <translation>Drucker auswählen oder einrichten</translation>
    </message>
    <message>
        <source>&amp;Print Page</source>
        <translation>Seite &amp;drucken</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Draw P&amp;rev Page</source>
        <translation>&amp;Vorherige Seite zeichnen</translation>
    </message>
    <message>
        <source>Draw the previous page of the list</source>
        <translation>Die vorherige Seite der Liste zeichnen</translation>
    </message>
    <message>
        <source>Re-Dra&amp;w Page</source>
        <translation>Seite neu &amp;zeichnen</translation>
    </message>
    <message>
        <source>Draw this page again</source>
        <translation>Diese Seite neu zeichnen</translation>
    </message>
    <message>
        <source>Draw &amp;Next Page</source>
        <translation>&amp;Nächste Seite zeichnen</translation>
    </message>
    <message>
        <source>Draw the next page of the list</source>
        <translation>Die nächste Seite der Liste zeichnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help on this page</source>
        <translation>Hilfe zu dieser Seite</translation>
    </message>
    <message>
        <source>Default Printer</source>
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <source>enough resolution</source>
        <translation>genug Auflösung</translation>
    </message>
    <message>
        <source>low resolution</source>
        <translation>geringe Auflösung</translation>
    </message>
    <message>
        <source>not loaded</source>
        <translation>nicht geladen</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
</context>
<context>
    <name>CSlotStatsDlg</name>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Detailed Layout Statistics</source>
        <translation>Ausführliche Layoutstatistik</translation>
    </message>
    <message>
        <source>Previous Slot</source>
        <translation>Vorheriges Feld</translation>
    </message>
    <message>
        <source>The page&apos;s previous slot (Alt+Left)</source>
        <translation>Das vorherige Feld der Seite (Alt+Links)</translation>
    </message>
    <message>
        <source>Next Slot</source>
        <translation>Nächstes Feld</translation>
    </message>
    <message>
        <source>The page&apos;s next slot (Alt+Right)</source>
        <translation>Das nächste Feld der Seite (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Print resolution</source>
        <translation>Druckauflösung</translation>
    </message>
    <message>
        <source>Slot Statistics</source>
        <translation>Feldstatistik</translation>
    </message>
    <message>
        <source>The paper, the template, the photo file and what was done to the photo in this slot</source>
        <translation>Papier, Vorlage, Fotodatei und was mit dem Foto in diesem Feld geschah</translation>
    </message>
    <message>
        <source>Slot S&amp;tatistics</source>
        <translation>Feld&amp;statistik</translation>
    </message>
    <message>
        <source>Hi&amp;stogram</source>
        <translation>Hi&amp;stogramm</translation>
    </message>
    <message>
        <source>Toggle Histogram</source>
        <translation>Histogramm umschalten</translation>
    </message>
    <message>
        <source>Switch the photo&apos;s histogram on or off</source>
        <translation>Das Histogramm des Fotos ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Show the photo&apos;s histogram above it</source>
        <translation>Das Histogramm des Fotos darüber zeigen</translation>
    </message>
    <message>
        <source>&amp;Log Format</source>
        <translation>&amp;Logarithmisch</translation>
    </message>
    <message>
        <source>Counts on a logarithmic scale, so small counts stay visible</source>
        <translation>Häufigkeiten auf logarithmischer Skala, damit kleine Werte sichtbar bleiben</translation>
    </message>
    <message>
        <source>L&amp;inear Format</source>
        <translation>L&amp;inear</translation>
    </message>
    <message>
        <source>Counts on a linear scale</source>
        <translation>Häufigkeiten auf linearer Skala</translation>
    </message>
    <message>
        <source>&amp;Red Channel</source>
        <translation>&amp;Rotkanal</translation>
    </message>
    <message>
        <source>&amp;Green Channel</source>
        <translation>&amp;Grünkanal</translation>
    </message>
    <message>
        <source>&amp;Blue Channel</source>
        <translation>&amp;Blaukanal</translation>
    </message>
    <message>
        <source>Gr&amp;ay Channel</source>
        <translation>Gr&amp;aukanal</translation>
    </message>
    <message>
        <source>Draw the %1 curve</source>
        <translation>Die Kurve für %1 zeichnen</translation>
    </message>
    <message>
        <source>Printer Page Layout</source>
        <translation>Layout der Druckseite</translation>
    </message>
    <message>
        <source>The whole page as it will print</source>
        <translation>Die ganze Seite, wie sie gedruckt wird</translation>
    </message>
    <message>
        <source>Draw &amp;Prev Page</source>
        <translation>&amp;Vorherige Seite zeichnen</translation>
    </message>
    <message>
        <source>Draw the previous page of the list and show its first slot</source>
        <translation>Die vorherige Seite der Liste zeichnen und ihr erstes Feld zeigen</translation>
    </message>
    <message>
        <source>Draw &amp;Next Page</source>
        <translation>&amp;Nächste Seite zeichnen</translation>
    </message>
    <message>
        <source>Draw the next page of the list and show its first slot</source>
        <translation>Die nächste Seite der Liste zeichnen und ihr erstes Feld zeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help on this window</source>
        <translation>Hilfe zu diesem Fenster</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Low resolution: the photo has fewer pixels than its slot and prints soft</source>
        <translation>Geringe Auflösung: Das Foto hat weniger Pixel als sein Feld und wird unscharf gedruckt</translation>
    </message>
    <message>
        <source>Enough resolution for this slot</source>
        <translation>Genug Auflösung für dieses Feld</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>logarithmische Skala</translation>
    </message>
    <message>
        <source>linear scale</source>
        <translation>lineare Skala</translation>
    </message>
    <message>
        <source>Pixel counts of the photo&apos;s levels 0 to 255, left to right: %1 curves, %2; the tallest bin holds %3 pixels</source>
        <translation>Pixelzahlen der Helligkeitsstufen 0 bis 255 des Fotos, von links nach rechts: Kurven %1, %2; der höchste Balken zählt %3 Pixel</translation>
    </message>
    <message>
        <source>Default Printer</source>
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <source>Histogram %1</source>
        <translation>Histogramm %1</translation>
    </message>
</context>
<context>
    <name>CSnapvaleApp</name>
    <message>
        <source>Snapvale Error: Duplicate Copy</source>
        <translation>Snapvale-Fehler: Zweite Instanz</translation>
    </message>
    <message>
        <source>Application already running!</source>
        <translation>Das Programm läuft bereits!</translation>
    </message>
</context>
<context>
    <name>CSnapvaleDlg</name>
    <message>
        <source>** Warning ** - your crop settings are turned OFF.
Your photos may not fit any template you select withous gaps
on the tops or sides of each photo!</source>
        <translation>** Achtung ** – der Zuschnitt ist AUSGESCHALTET.
Ihre Fotos passen womöglich in keine gewählte Vorlage ohne Lücken
oben oder an den Seiten jedes Fotos!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Main View</source>
        <translation>Hauptansicht</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>This command is not available yet.</source>
        <translation>Dieser Befehl ist noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>Snapvale Warning: Program Exit?</source>
        <translation>Snapvale-Warnung: Programm beenden?</translation>
    </message>
    <message>
        <source>Do you want to exit Snapvale?</source>
        <translation>Möchten Sie Snapvale beenden?</translation>
    </message>
    <message numerus="yes">
        <source>%n dropped item(s) were not photos the list takes and were left out.</source>
        <translation>
            <numerusform>%n abgelegtes Element war kein Foto, das die Liste aufnimmt, und wurde ausgelassen.</numerusform>
            <numerusform>%n abgelegte Elemente waren keine Fotos, die die Liste aufnimmt, und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Zuletzt verwendete Projekte</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Open Image List...	Ctrl+O</source>
        <translation>Bildliste ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open directory and start at image...</source>
        <translation>Ordner öffnen und bei einem Bild beginnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Add one or more photo image files.</source>
        <translation>Eine oder mehrere Fotodateien hinzufügen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add Files To Image List...</source>
        <translation>Dateien zur Bildliste hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Import From Photo Album...</source>
        <translation>Aus Fotoalbum &amp;importieren...</translation>
    </message>
    <message>
        <source>Import from photo album.</source>
        <translation>Aus einem Fotoalbum importieren.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Save Canvas...</source>
        <translation>Seite speichern...</translation>
    </message>
    <message>
        <source>Save canvas to disk.</source>
        <translation>Die Seite als Datei speichern.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>E&amp;xport Image List To Photo Album...</source>
        <translation>Bildliste als Fotoalbum e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save image list as photo album.</source>
        <translation>Die Bildliste als Fotoalbum speichern.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export Image List To HTML...</source>
        <translation>Bildliste als HTML exportieren...</translation>
    </message>
    <message>
        <source>Export image list to HTML...</source>
        <translation>Die Bildliste als HTML exportieren...</translation>
    </message>
    <message>
        <source>Get Next Photo or Sequence</source>
        <translation>Nächstes Foto oder nächste Folge</translation>
    </message>
    <message>
        <source>Draw next photo layout page.</source>
        <translation>Die nächste Layoutseite zeichnen.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Get Previous Photo or Sequence</source>
        <translation>Vorheriges Foto oder vorherige Folge</translation>
    </message>
    <message>
        <source>Draw previous photo layout page.</source>
        <translation>Die vorherige Layoutseite zeichnen.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Re-draw photo layout page.</source>
        <translation>Die Layoutseite neu zeichnen.</translation>
    </message>
    <message>
        <source>Redraw</source>
        <translation>Neu zeichnen</translation>
    </message>
    <message>
        <source>Photo Print Layout and Setup...</source>
        <translation>Fotodruck-Layout und Einrichtung...</translation>
    </message>
    <message>
        <source>Photo layout preview and control dialog.</source>
        <translation>Vorschau und Einstellungen des Foto-Layouts.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Printer Select/Setup...</source>
        <translation>Drucker auswählen/einrichten...</translation>
    </message>
    <message>
        <source>Select/setup printer...</source>
        <translation>Drucker auswählen/einrichten...</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Print &amp;Alignment Page...</source>
        <translation>&amp;Ausrichtungsseite drucken...</translation>
    </message>
    <message>
        <source>Print a page to measure where this printer puts its prints, and correct it.</source>
        <translation>Eine Testseite drucken, um die Druckposition zu messen und zu korrigieren.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print canvas.</source>
        <translation>Die Seite drucken.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Batch Print Entire Image List...</source>
        <translation>Ganze Bildliste als Stapel drucken...</translation>
    </message>
    <message>
        <source>Print entire image list...</source>
        <translation>Die ganze Bildliste drucken...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit program.</source>
        <translation>Das Programm beenden.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Erase Image List</source>
        <translation>Bildliste leeren</translation>
    </message>
    <message>
        <source>Erase image list.</source>
        <translation>Die Bildliste leeren.</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>&amp;Fit Page	Ctrl+0</source>
        <translation>&amp;Ganze Seite	Ctrl+0</translation>
    </message>
    <message>
        <source>Show the whole page in the window.</source>
        <translation>Die ganze Seite im Fenster zeigen.</translation>
    </message>
    <message>
        <source>&amp;Actual Size	Ctrl+1</source>
        <translation>&amp;Originalgröße	Ctrl+1</translation>
    </message>
    <message>
        <source>Show the page one pixel to one screen pixel.</source>
        <translation>Die Seite Pixel für Bildschirmpixel zeigen.</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Vergrößern	Ctrl++</translation>
    </message>
    <message>
        <source>Show the page larger.</source>
        <translation>Die Seite größer zeigen.</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Ver&amp;kleinern	Ctrl+-</translation>
    </message>
    <message>
        <source>Show the page smaller.</source>
        <translation>Die Seite kleiner zeigen.</translation>
    </message>
    <message>
        <source>E&amp;dit Photo Album...</source>
        <translation>Fotoalbum &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Edit photo album.</source>
        <translation>Ein Fotoalbum bearbeiten.</translation>
    </message>
    <message>
        <source>Zoom in for layout image detail...</source>
        <translation>Details der Fotos im Layout ansehen...</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Change Photo Template...</source>
        <translation>Fotovorlage ändern...</translation>
    </message>
    <message>
        <source>Change photo template...</source>
        <translation>Die Fotovorlage ändern...</translation>
    </message>
    <message>
        <source>View or Change Photo Image List...</source>
        <translation>Bildliste ansehen oder ändern...</translation>
    </message>
    <message>
        <source>Change Printer Page Resolution...</source>
        <translation>Auflösung der Druckseite ändern...</translation>
    </message>
    <message>
        <source>Change printer page resolution...</source>
        <translation>Die Auflösung der Druckseite ändern...</translation>
    </message>
    <message>
        <source>Adjust Auto-Crop Settings...</source>
        <translation>Automatischen Zuschnitt einstellen...</translation>
    </message>
    <message>
        <source>Adjust auto-crop settings</source>
        <translation>Den automatischen Zuschnitt einstellen</translation>
    </message>
    <message>
        <source>Adjust Watermark Image or Text...</source>
        <translation>Wasserzeichen (Bild oder Text) einstellen...</translation>
    </message>
    <message>
        <source>Adjust Photo Image Filters...</source>
        <translation>Fotofilter einstellen...</translation>
    </message>
    <message>
        <source>Wizard...</source>
        <translation>Assistent...</translation>
    </message>
    <message>
        <source>Launch Kiosk Wizard...</source>
        <translation>Den Kiosk-Assistenten starten...</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>Program help documentation...</source>
        <translation>Die Hilfe zum Programm...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>In&amp;dex...</translation>
    </message>
    <message>
        <source>&amp;About Snapvale...</source>
        <translation>&amp;Über Snapvale...</translation>
    </message>
    <message>
        <source>About Snapvale...</source>
        <translation>Über Snapvale...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Click here for photo template information.</source>
        <translation>Hier klicken für Angaben zur Fotovorlage.</translation>
    </message>
    <message>
        <source>Print canvas to &quot;%1&quot;</source>
        <translation>Die Seite auf „%1“ drucken</translation>
    </message>
    <message>
        <source>Default Printer</source>
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <source>Open Pro&amp;ject...	Ctrl+Shift+O</source>
        <translation>Pro&amp;jekt öffnen...	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Open a print project: its photos, template, settings and framing.</source>
        <translation>Druckprojekt öffnen: seine Fotos, Vorlage, Einstellungen und Ausschnitte.</translation>
    </message>
    <message>
        <source>Sa&amp;ve Project...	Ctrl+Shift+S</source>
        <translation>Projekt spei&amp;chern...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Save the photos, template, settings and framing as a print project.</source>
        <translation>Fotos, Vorlage, Einstellungen und Ausschnitte als Druckprojekt speichern.</translation>
    </message>
</context>
<context>
    <name>DocumentPagePreview</name>
    <message>
        <source>The page as it will print</source>
        <translation>Die Seite, wie sie gedruckt wird</translation>
    </message>
</context>
<context>
    <name>FaceFinder</name>
    <message>
        <source>Faces cannot be looked for: the face finder module (%1) is not installed.</source>
        <translation>Gesichter können nicht gesucht werden: Das Modul zur Gesichtssuche (%1) ist nicht installiert.</translation>
    </message>
    <message>
        <source>Faces cannot be looked for: OpenCV&apos;s face model (%1) is missing. Install the opencv-data package.</source>
        <translation>Gesichter können nicht gesucht werden: Das Gesichtsmodell von OpenCV (%1) fehlt. Installieren Sie das Paket opencv-data.</translation>
    </message>
    <message>
        <source>Faces cannot be looked for: the face finder module could not be loaded (%1).</source>
        <translation>Gesichter können nicht gesucht werden: Das Modul zur Gesichtssuche konnte nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>it was built for another version of the program</source>
        <translation>es wurde für eine andere Version des Programms erstellt</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Photo Album Files(*.pho) | *.pho</source>
        <translation>Fotoalbumdateien(*.pho) | *.pho</translation>
    </message>
    <message>
        <source>Photo Album Files|*.pho|All Files|*.*||</source>
        <translation>Fotoalbumdateien|*.pho|Alle Dateien|*.*||</translation>
    </message>
    <message>
        <source>Open Directory And Start At Selected Image</source>
        <translation>Ordner öffnen und beim gewählten Bild beginnen</translation>
    </message>
    <message>
        <source>Add Additional Image Files To Image List</source>
        <translation>Weitere Bilddateien zur Bildliste hinzufügen</translation>
    </message>
    <message>
        <source>Import Photo Album File</source>
        <translation>Fotoalbumdatei importieren</translation>
    </message>
    <message>
        <source>Save Photo Image List As Photo Album</source>
        <translation>Bildliste als Fotoalbum speichern</translation>
    </message>
    <message>
        <source>Snapshot Files (*.bmp *.jpg *.png *.pdf)|*.bmp;*.jpg;*.png;*.pdf|All Files|*.*||</source>
        <translation>Momentaufnahmen (*.bmp *.jpg *.png *.pdf)|*.bmp;*.jpg;*.png;*.pdf|Alle Dateien|*.*||</translation>
    </message>
    <message>
        <source>Save Snapvale Snapshot As...</source>
        <translation>Snapvale-Momentaufnahme speichern unter...</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Snapvale Help</source>
        <translation>Snapvale-Hilfe</translation>
    </message>
    <message>
        <source>Where the page is</source>
        <translation>Wo die Seite liegt</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No web browser is set up to open local pages, so the page is shown here. The file is at:
%1</source>
        <translation>Es ist kein Webbrowser für lokale Seiten eingerichtet, daher wird die Seite hier gezeigt. Die Datei liegt unter:
%1</translation>
    </message>
</context>
<context>
    <name>KioskWizard</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help on this page (F1)</source>
        <translation>Hilfe zu dieser Seite (F1)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The previous step</source>
        <translation>Der vorherige Schritt</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The next step</source>
        <translation>Der nächste Schritt</translation>
    </message>
    <message>
        <source>Close Wizard</source>
        <translation>Assistent schließen</translation>
    </message>
    <message>
        <source>Close the wizard</source>
        <translation>Den Assistenten schließen</translation>
    </message>
</context>
<context>
    <name>LayoutSetup</name>
    <message>
        <source>Top: %1 + Bottom: %2</source>
        <translation>Oben: %1 + Unten: %2</translation>
    </message>
    <message>
        <source>%.02f x %.02f in</source>
        <translation>%.02f x %.02f Zoll</translation>
    </message>
    <message>
        <source>Current Image List [%1] Files</source>
        <translation>Aktuelle Bildliste [%1] Dateien</translation>
    </message>
    <message>
        <source>**Unknown Format** %s [%d x %d]</source>
        <translation>**Unbekanntes Format** %s [%d x %d]</translation>
    </message>
    <message>
        <source>Photo Page Layout: %1 - Printer: %2</source>
        <translation>Seitenlayout: %1 – Drucker: %2</translation>
    </message>
    <message>
        <source>Image error!</source>
        <translation>Bildfehler!</translation>
    </message>
    <message>
        <source>The photo border value must be between 0.0 and .15 inches.
The value %.02f is out of range and will be ignored.</source>
        <translation>Der Fotorand muss zwischen 0.0 und .15 Zoll liegen.
Der Wert %.02f liegt außerhalb und wird ignoriert.</translation>
    </message>
    <message>
        <source>Higher resolutions require more memory to be used
by this program. If you don&apos;t have enough memory, you will
see bitmap memory errors. 200 DPI is sufficient for most prints
up to 8 x 10 inches. If you have problems, reduce your page size
or your resolution.</source>
        <translation>Höhere Auflösungen brauchen mehr Arbeitsspeicher
für dieses Programm. Reicht der Speicher nicht, erscheinen
Bitmap-Speicherfehler. 200 DPI genügen für die meisten Drucke
bis 8 x 10 Zoll. Bei Problemen verkleinern Sie das Seitenformat
oder die Auflösung.</translation>
    </message>
</context>
<context>
    <name>MessageButton</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Browser öffnen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Duplicate Image File Warning</source>
        <translation>Warnung: Doppelte Bilddateien</translation>
    </message>
    <message>
        <source>%1 duplicate image files ignored]</source>
        <translation>%1 doppelte Bilddateien ignoriert]</translation>
    </message>
    <message>
        <source>Unable to locate context help topic:
 %1</source>
        <translation>Das Hilfethema wurde nicht gefunden:
 %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Confirm Save As</source>
        <translation>Speichern unter bestätigen</translation>
    </message>
    <message>
        <source>Snapvale List Empty</source>
        <translation>Snapvale: Liste leer</translation>
    </message>
    <message>
        <source>Your image list is already empty!</source>
        <translation>Ihre Bildliste ist bereits leer!</translation>
    </message>
    <message>
        <source>Your image list is empty!</source>
        <translation>Ihre Bildliste ist leer!</translation>
    </message>
    <message>
        <source>Do you want to erase your current image list first?</source>
        <translation>Möchten Sie zuerst Ihre aktuelle Bildliste leeren?</translation>
    </message>
    <message>
        <source>Snapvale Error: Album Not Saved</source>
        <translation>Snapvale-Fehler: Album nicht gespeichert</translation>
    </message>
    <message>
        <source>Photo Image List Web Page Progress Interrupt</source>
        <translation>Erstellen der Webseite unterbrechen</translation>
    </message>
    <message>
        <source>Do you want to stop web page creation?</source>
        <translation>Möchten Sie das Erstellen der Webseite abbrechen?</translation>
    </message>
    <message>
        <source>Photo Image List Webpage Finished</source>
        <translation>Webseite der Bildliste fertig</translation>
    </message>
    <message>
        <source>The photo image webpage has been successfully created.</source>
        <translation>Die Webseite mit den Fotos wurde erfolgreich erstellt.</translation>
    </message>
    <message>
        <source>This operation will print your ENTIRE image list of %d images. Using the current photo template:
 &quot;%s&quot;, this will require %d printer pages. 
You should make sure your printer paper and settings match the current template.

Do you want to continue this operation?</source>
        <translation>Dieser Vorgang druckt Ihre GESAMTE Bildliste mit %d Bildern. Mit der aktuellen Fotovorlage:
 „%s“ sind dafür %d Druckseiten nötig. 
Stellen Sie sicher, dass Papier und Druckereinstellungen zur aktuellen Vorlage passen.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Batch Print Image List -&gt; %1</source>
        <translation>Bildliste als Stapel drucken -&gt; %1</translation>
    </message>
    <message>
        <source>Photo Printing Progress Interrupt</source>
        <translation>Fotodruck unterbrechen</translation>
    </message>
    <message>
        <source>Do you want to stop photo printing?</source>
        <translation>Möchten Sie den Fotodruck abbrechen?</translation>
    </message>
    <message>
        <source>All photos printed!</source>
        <translation>Alle Fotos gedruckt!</translation>
    </message>
    <message>
        <source>
The pages sent to it wait in its queue until it prints again.

Wait for the printer, or stop photo printing?</source>
        <translation>
Die gesendeten Seiten warten in seiner Warteschlange, bis er wieder druckt.

Auf den Drucker warten oder den Fotodruck anhalten?</translation>
    </message>
    <message>
        <source>Photo Auto Print - %1</source>
        <translation>Automatischer Fotodruck – %1</translation>
    </message>
    <message>
        <source>Snapvale Error: Disk Space</source>
        <translation>Snapvale-Fehler: Speicherplatz</translation>
    </message>
    <message>
        <source>Unable to determine free disk space available: 
Path - %1</source>
        <translation>Der freie Speicherplatz konnte nicht ermittelt werden: 
Pfad – %1</translation>
    </message>
    <message>
        <source>Snapvale Error: Low Disk Space Remaining</source>
        <translation>Snapvale-Fehler: Wenig Speicherplatz</translation>
    </message>
    <message>
        <source>Not enough disk space remaining to continue: 
File - %1</source>
        <translation>Nicht genug Speicherplatz, um fortzufahren: 
Datei – %1</translation>
    </message>
    <message>
        <source>Snapvale Error</source>
        <translation>Snapvale-Fehler</translation>
    </message>
    <message>
        <source>Unable to save the snapshot &quot;%1&quot;:
%2</source>
        <translation>Die Momentaufnahme „%1“ konnte nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>the batch print</source>
        <translation>der Stapeldruck</translation>
    </message>
    <message>
        <source>the folder scan</source>
        <translation>das Einlesen des Ordners</translation>
    </message>
    <message>
        <source>Snapvale Delete Image List?</source>
        <translation>Snapvale: Bildliste leeren?</translation>
    </message>
    <message>
        <source>Do you want to remove ALL image files from the current image list?</source>
        <translation>Möchten Sie ALLE Bilddateien aus der aktuellen Bildliste entfernen?</translation>
    </message>
    <message>
        <source>the HTML export</source>
        <translation>der HTML-Export</translation>
    </message>
    <message>
        <source>a long operation</source>
        <translation>ein langer Vorgang</translation>
    </message>
    <message>
        <source>Please wait: %1 is still running.</source>
        <translation>Bitte warten: %1 läuft noch.</translation>
    </message>
    <message>
        <source>Printer spool error - auto print process aborted!</source>
        <translation>Fehler beim Senden an den Drucker – automatischer Druck abgebrochen!</translation>
    </message>
    <message>
        <source>Printer Page Size Conflict - %1</source>
        <translation>Papierformat passt nicht – %1</translation>
    </message>
    <message>
        <source>Your printer is not setup for borderless printing for the template
you have selected. Your current template size is %.02lf x %.02lf inches.
For best results, your printer page size should be set to match your template
dimensions.
</source>
        <translation>Ihr Drucker ist nicht für randlosen Druck der gewählten Vorlage
eingerichtet. Ihre aktuelle Vorlage misst %.02lf x %.02lf Zoll.
Am besten stellen Sie das Papierformat des Druckers passend zu den Maßen
der Vorlage ein.
</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no borderless version of its %2 paper.
</source>
        <translation>Der Drucker „%1“ bietet sein Papier %2 nicht randlos an.
</translation>
    </message>
    <message>
        <source>Your current printer margin settings are: TopBottom -&gt; %.1f and LeftRight -&gt; %.1f.
These values MUST be set to 0 for borderless printing.

Click &quot;Yes&quot; to automatically reset these values.</source>
        <translation>Ihre aktuellen Druckerränder sind: Oben/Unten -&gt; %.1f und Links/Rechts -&gt; %.1f.
Für randlosen Druck MÜSSEN diese Werte 0 sein.

Klicken Sie auf „Ja“, um sie automatisch zurückzusetzen.</translation>
    </message>
    <message>
        <source>Illegal or unsupported EXPORT image type: &quot;%1&quot;</source>
        <translation>Ungültiger oder nicht unterstützter Bildtyp für den EXPORT: „%1“</translation>
    </message>
    <message>
        <source>Unable to write the photo album file:
%1
%2</source>
        <translation>Die Fotoalbumdatei konnte nicht geschrieben werden:
%1
%2</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Die Seite konnte nicht an den Drucker „%1“ gesendet werden.</translation>
    </message>
</context>
<context>
    <name>PrinterSetup</name>
    <message>
        <source>Printer Select/Setup</source>
        <translation>Drucker auswählen/einrichten</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>No Recent Projects</source>
        <translation>Keine zuletzt verwendeten Projekte</translation>
    </message>
    <message>
        <source>Open Print Project</source>
        <translation>Druckprojekt öffnen</translation>
    </message>
    <message>
        <source>Snapvale List Empty</source>
        <translation>Snapvale: Liste leer</translation>
    </message>
    <message>
        <source>Your image list is empty!</source>
        <translation>Ihre Bildliste ist leer!</translation>
    </message>
    <message>
        <source>Save Print Project</source>
        <translation>Druckprojekt speichern</translation>
    </message>
    <message>
        <source>Snapvale Error: Project Not Saved</source>
        <translation>Snapvale-Fehler: Projekt nicht gespeichert</translation>
    </message>
    <message>
        <source>Print project saved: %1</source>
        <translation>Druckprojekt gespeichert: %1</translation>
    </message>
    <message>
        <source>Snapvale Error: Project Not Opened</source>
        <translation>Snapvale-Fehler: Projekt nicht geöffnet</translation>
    </message>
    <message>
        <source>Snapvale Error: Project Photos Missing</source>
        <translation>Snapvale-Fehler: Projektfotos fehlen</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n photo(s) of %1 was found.</source>
        <translation>
            <numerusform>Das %n Foto von %1 wurde nicht gefunden.</numerusform>
            <numerusform>Keines der %n Fotos von %1 wurde gefunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiteres</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Snapvale Warning: Photos Missing</source>
        <translation>Snapvale-Warnung: Fotos fehlen</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) of the project could not be found and were left out:</source>
        <translation>
            <numerusform>%n Foto des Projekts wurde nicht gefunden und ausgelassen:</numerusform>
            <numerusform>%n Fotos des Projekts wurden nicht gefunden und ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Print project opened: %1</source>
        <translation>Druckprojekt geöffnet: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Your image list is empty.
Open a folder of photos with File &gt; Open Image List... (Ctrl+O).</source>
        <translation>Ihre Bildliste ist leer.
Öffnen Sie einen Fotoordner mit Datei &gt; Bildliste öffnen... (Strg+O).</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) in the image list.</source>
        <translation>
            <numerusform>%n Foto in der Bildliste.</numerusform>
            <numerusform>%n Fotos in der Bildliste.</numerusform>
        </translation>
    </message>
    <message>
        <source>Album page preview</source>
        <translation>Vorschau der Albumseite</translation>
    </message>
    <message>
        <source>The album page as it prints. Page Down and Page Up step through the album; right-click for Save As, printing and the printer setup</source>
        <translation>Die Albumseite, wie sie gedruckt wird. Bild ab und Bild auf blättern durch das Album; Rechtsklick für Speichern unter, Drucken und Druckereinrichtung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The chosen photo, or the album&apos;s thumbnail</source>
        <translation>Das gewählte Foto oder das Vorschaubild des Albums</translation>
    </message>
    <message>
        <source>Photo preview</source>
        <translation>Fotovorschau</translation>
    </message>
    <message>
        <source>The photo selected in the list</source>
        <translation>Das in der Liste gewählte Foto</translation>
    </message>
    <message>
        <source> Cancel </source>
        <translation> Abbrechen </translation>
    </message>
    <message>
        <source>Stop the work in progress</source>
        <translation>Die laufende Arbeit abbrechen</translation>
    </message>
    <message>
        <source>Colour histogram</source>
        <translation>Farbhistogramm</translation>
    </message>
    <message>
        <source>How many pixels of the photo have each level from 0 (left) to 255 (right)</source>
        <translation>Wie viele Pixel des Fotos jede Stufe von 0 (links) bis 255 (rechts) haben</translation>
    </message>
    <message>
        <source>Original Photo</source>
        <translation>Originalfoto</translation>
    </message>
    <message>
        <source>The photo as its file holds it, without the page&apos;s filters, turns or crops</source>
        <translation>Das Foto, wie es in seiner Datei steht, ohne Filter, Drehung oder Zuschnitt der Seite</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>The commands that do not fit on the tool bar</source>
        <translation>Die Befehle, die nicht in die Werkzeugleiste passen</translation>
    </message>
</context>
<context>
    <name>SlotFrameHandle</name>
    <message>
        <source>Drag to move the photo in its slot, Ctrl+wheel or +/- to zoom, arrow keys to move, double-click to go back to the automatic fit</source>
        <translation>Ziehen, um das Foto im Platz zu verschieben; Strg+Mausrad oder +/- zum Zoomen, Pfeiltasten zum Verschieben, Doppelklick für die automatische Einpassung</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Platz %1: %2</translation>
    </message>
    <message>
        <source>Framed by hand: zoom %1, moved %2, %3</source>
        <translation>Von Hand ausgerichtet: Zoom %1, verschoben %2, %3</translation>
    </message>
    <message>
        <source>Automatic fit</source>
        <translation>Automatische Einpassung</translation>
    </message>
    <message>
        <source>Turn a &amp;Quarter	R</source>
        <translation>Um eine &amp;Vierteldrehung drehen	R</translation>
    </message>
    <message>
        <source>Turn the photo a quarter turn counter-clockwise in its slot</source>
        <translation>Das Foto im Platz eine Vierteldrehung gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>&amp;Reset Framing	Backspace</source>
        <translation>Ausschnitt &amp;zurücksetzen	Backspace</translation>
    </message>
    <message>
        <source>Back to the automatic turn and crop</source>
        <translation>Zurück zur automatischen Drehung und zum automatischen Zuschnitt</translation>
    </message>
</context>
<context>
    <name>SlotStats</name>
    <message>
        <source>Printer Paper (%.01f x %.01f in) -&gt; %s
Image Template Slot# (%d of %d): 
File: %s
Image Resolution: %s Layout Cell [%d x %d]
Transformations: %s</source>
        <translation>Druckerpapier (%.01f x %.01f Zoll) -&gt; %s
Vorlagenfeld Nr. (%d von %d): 
Datei: %s
Bildauflösung: %s Layoutzelle [%d x %d]
Veränderungen: %s</translation>
    </message>
    <message>
        <source>Photo Page Layout: %1 - Printer: %2</source>
        <translation>Seitenlayout: %1 – Drucker: %2</translation>
    </message>
    <message>
        <source>Original Photo</source>
        <translation>Originalfoto</translation>
    </message>
    <message>
        <source>Loading Photo Image and Building Histogram...</source>
        <translation>Foto wird geladen und Histogramm erstellt...</translation>
    </message>
    <message>
        <source>Loading Photo Image...</source>
        <translation>Foto wird geladen...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>SmallDialogs</name>
    <message>
        <source>Please enter value between %1 and %2</source>
        <translation>Bitte einen Wert zwischen %1 und %2 eingeben</translation>
    </message>
    <message>
        <source>Illegal value %1.
Please enter a number between %2 and %3</source>
        <translation>Ungültiger Wert %1.
Bitte geben Sie eine Zahl zwischen %2 und %3 ein</translation>
    </message>
    <message>
        <source>The page height value must be between %.2lf and %.2lf inches.
The value %.02lf is out of range and will be ignored.</source>
        <translation>Die Seitenhöhe muss zwischen %.2lf und %.2lf Zoll liegen.
Der Wert %.02lf liegt außerhalb und wird ignoriert.</translation>
    </message>
    <message>
        <source>The page width value must be between %.2lf and %.2lf inches.
The value %.02lf is out of range and will be ignored.</source>
        <translation>Die Seitenbreite muss zwischen %.2lf und %.2lf Zoll liegen.
Der Wert %.02lf liegt außerhalb und wird ignoriert.</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt
Speicher oder andere Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem verweigert
den Zugriff auf die angegebene Datei.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Der Speicher reichte nicht, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Eine Zugriffsverletzung bei gemeinsamer Nutzung ist aufgetreten.</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da andere DDE-Transaktionen
bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
kein Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Programmbibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%d) occurred.</source>
        <translation>Unbekannter Fehler (%d) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Der Link konnte nicht geöffnet werden:

</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Album contains %d file(s).</source>
        <translation>Das Album enthält %d Datei(en).</translation>
    </message>
    <message>
        <source>Print resolution: good</source>
        <translation>Druckauflösung: gut</translation>
    </message>
    <message>
        <source>Print resolution: drawing the page</source>
        <translation>Druckauflösung: Seite wird gezeichnet</translation>
    </message>
    <message>
        <source>Print resolution: low for a photo on the page</source>
        <translation>Druckauflösung: zu gering für ein Foto der Seite</translation>
    </message>
    <message>
        <source>Print resolution: a photo could not be loaded</source>
        <translation>Druckauflösung: ein Foto konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Print resolution: no page drawn yet</source>
        <translation>Druckauflösung: noch keine Seite gezeichnet</translation>
    </message>
    <message>
        <source>Print resolution: not graded</source>
        <translation>Druckauflösung: nicht bewertet</translation>
    </message>
    <message>
        <source>Adding file to image list: %1</source>
        <translation>Datei wird zur Bildliste hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Image list contains %1 files.</source>
        <translation>Die Bildliste enthält %1 Dateien.</translation>
    </message>
    <message>
        <source>Photo Image List Web Page Progress</source>
        <translation>Webseite der Bildliste wird erstellt</translation>
    </message>
    <message>
        <source>Creating web page at location: 
%1</source>
        <translation>Webseite wird erstellt unter: 
%1</translation>
    </message>
    <message>
        <source>Web page location: %1

Creating HTML table record %2 of %3 for photo: 
%4</source>
        <translation>Ort der Webseite: %1

HTML-Tabelleneintrag %2 von %3 wird erstellt für Foto: 
%4</translation>
    </message>
    <message>
        <source>Web page location: %1

HTML table record **error** %2 of %3 for photo: 
%4</source>
        <translation>Ort der Webseite: %1

HTML-Tabelleneintrag %2 von %3 **fehlerhaft** für Foto: 
%4</translation>
    </message>
    <message>
        <source>*Bitmap Memory Error*</source>
        <translation>*Bitmap-Speicherfehler*</translation>
    </message>
    <message>
        <source>Loading photo (%d of %d) - %s (%.1f fit) -&gt; cropped to %ld %ld %ld %ld</source>
        <translation>Foto wird geladen (%d von %d) – %s (Passung %.1f) -&gt; beschnitten auf %ld %ld %ld %ld</translation>
    </message>
    <message>
        <source>[rotated]</source>
        <translation>[gedreht]</translation>
    </message>
    <message>
        <source>[cropped]</source>
        <translation>[beschnitten]</translation>
    </message>
    <message>
        <source>[stretched by %.1f%%]</source>
        <translation>[gestreckt um %.1f%%]</translation>
    </message>
    <message>
        <source>[compressed by %.1f%%]</source>
        <translation>[gestaucht um %.1f%%]</translation>
    </message>
    <message>
        <source>Loading photo (%d of %d) - %s</source>
        <translation>Foto wird geladen (%d von %d) – %s</translation>
    </message>
    <message>
        <source> - Template Size -&gt;  %.2f in x  %.2f in: (%d x %d) -&gt; resolution [%d DPI]</source>
        <translation> – Vorlagengröße -&gt;  %.2f Zoll x  %.2f Zoll: (%d x %d) -&gt; Auflösung [%d DPI]</translation>
    </message>
    <message>
        <source>Index sheets cannot be drawn yet: the page of &quot;%1&quot; is left blank.</source>
        <translation>Indexblätter können noch nicht gezeichnet werden: Die Seite von „%1“ bleibt leer.</translation>
    </message>
    <message>
        <source>%d photos loaded (%d - %d) from photo album: %s</source>
        <translation>%d Fotos geladen (%d - %d) aus dem Fotoalbum: %s</translation>
    </message>
    <message>
        <source>%d photos loaded (%d - %d) from disk: %s</source>
        <translation>%d Fotos geladen (%d - %d) vom Datenträger: %s</translation>
    </message>
    <message>
        <source>     Full Page Template -&gt; Paper (%.02f x %.02f in)</source>
        <translation>     Ganzseitige Vorlage -&gt; Papier (%.02f x %.02f Zoll)</translation>
    </message>
    <message>
        <source>     Half Page Templates -&gt;Paper (%.02f x %.02f in)</source>
        <translation>     Halbseitenvorlagen -&gt; Papier (%.02f x %.02f Zoll)</translation>
    </message>
    <message>
        <source>Loading %d photos into template...</source>
        <translation>%d Fotos werden in die Vorlage geladen...</translation>
    </message>
    <message>
        <source>Template type: %s
</source>
        <translation>Vorlage: %s
</translation>
    </message>
    <message>
        <source>Printing photo page %d of %d
(...waiting for %d jobs queued to print.)</source>
        <translation>Fotoseite %d von %d wird gedruckt
(...warte auf %d Aufträge in der Druckwarteschlange.)</translation>
    </message>
    <message>
        <source>Printing photo page %d of %d</source>
        <translation>Fotoseite %d von %d wird gedruckt</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>nicht erreichbar</translation>
    </message>
    <message>
        <source>out of paper</source>
        <translation>ohne Papier</translation>
    </message>
    <message>
        <source>jammed</source>
        <translation>durch einen Papierstau blockiert</translation>
    </message>
    <message>
        <source>out of ink or toner</source>
        <translation>ohne Tinte oder Toner</translation>
    </message>
    <message>
        <source>low on ink or toner</source>
        <translation>fast ohne Tinte oder Toner</translation>
    </message>
    <message>
        <source>The printer is %1.</source>
        <translation>Der Drucker ist %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is %2.</source>
        <translation>Der Drucker „%1“ ist %2.</translation>
    </message>
    <message>
        <source>[framed]</source>
        <translation>[ausgerichtet]</translation>
    </message>
</context>
<context>
    <name>StatusPanes</name>
    <message>
        <source>Ready...</source>
        <translation>Bereit...</translation>
    </message>
    <message>
        <source>Photo load progress...</source>
        <translation>Fortschritt beim Laden...</translation>
    </message>
    <message>
        <source>Page layout style...</source>
        <translation>Seitenlayout...</translation>
    </message>
    <message>
        <source>Click here for photo template information.</source>
        <translation>Hier klicken für Angaben zur Fotovorlage.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Photo loading</source>
        <translation>Laden der Fotos</translation>
    </message>
    <message>
        <source>Page layout</source>
        <translation>Seitenlayout</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>NONE - USE HALF PAGE TEMPLATES</source>
        <translation>KEINE – HALBSEITENVORLAGEN VERWENDEN</translation>
    </message>
    <message>
        <source>No Photos</source>
        <translation>Keine Fotos</translation>
    </message>
    <message>
        <source>One Borderless User Defined Print</source>
        <translation>Ein randloses Bild in eigenem Format</translation>
    </message>
    <message>
        <source>One Borderless 4in x 6in Print</source>
        <translation>Ein randloses Bild 4 x 6 Zoll</translation>
    </message>
    <message>
        <source>One Borderless 5in x 7in Print</source>
        <translation>Ein randloses Bild 5 x 7 Zoll</translation>
    </message>
    <message>
        <source>Two 5in x 7in Prints</source>
        <translation>Zwei Bilder 5 x 7 Zoll</translation>
    </message>
    <message>
        <source>One Borderless 6in x 8in Print</source>
        <translation>Ein randloses Bild 6 x 8 Zoll</translation>
    </message>
    <message>
        <source>One Borderless 8in x 10in Print</source>
        <translation>Ein randloses Bild 8 x 10 Zoll</translation>
    </message>
    <message>
        <source>Greeting Card (Half-fold) 5in x 8in</source>
        <translation>Grußkarte (einmal gefaltet) 5 x 8 Zoll</translation>
    </message>
    <message>
        <source>One 8 x 10 Print</source>
        <translation>Ein Bild 8 x 10</translation>
    </message>
    <message>
        <source>One 6 x 8 + Five (Wallet) 2 x 3 Prints</source>
        <translation>Ein Bild 6 x 8 + fünf Brieftaschenbilder 2 x 3</translation>
    </message>
    <message>
        <source>Six (Wallet) 2 x 3 + Two 4 x 5 Prints</source>
        <translation>Sechs Brieftaschenbilder 2 x 3 + zwei Bilder 4 x 5</translation>
    </message>
    <message>
        <source>Two 4 x 6 + Two 3 x 4 + One 2 x 3 Prints</source>
        <translation>Zwei Bilder 4 x 6 + zwei 3 x 4 + eines 2 x 3</translation>
    </message>
    <message>
        <source>Six 3 x 4 Prints</source>
        <translation>Sechs Bilder 3 x 4</translation>
    </message>
    <message>
        <source>Three 4 x 6 Prints</source>
        <translation>Drei Bilder 4 x 6</translation>
    </message>
    <message>
        <source>Eight 2 1/2 x 3 1/2 Prints</source>
        <translation>Acht Bilder 2 1/2 x 3 1/2</translation>
    </message>
    <message>
        <source>Nine (Wallet - Avery #53283) 2.25in x 3in Prints</source>
        <translation>Neun Brieftaschenbilder (Avery #53283) 2.25 x 3 Zoll</translation>
    </message>
    <message>
        <source>Thirteen (Wallet) 2 x 3 Prints</source>
        <translation>Dreizehn Brieftaschenbilder 2 x 3</translation>
    </message>
    <message>
        <source>Ten 2 x 3 1/2 (Business Card) Prints</source>
        <translation>Zehn Visitenkarten 2 x 3 1/2</translation>
    </message>
    <message>
        <source>Index Sheet (Negative Strip) - 9 Prints</source>
        <translation>Indexblatt (Filmstreifen) – 9 Bilder</translation>
    </message>
    <message>
        <source>Index Sheet (Negative Strip) - 16 Prints</source>
        <translation>Indexblatt (Filmstreifen) – 16 Bilder</translation>
    </message>
    <message>
        <source>Index Sheet (Negative Strip) - 25 Prints</source>
        <translation>Indexblatt (Filmstreifen) – 25 Bilder</translation>
    </message>
    <message>
        <source>Index Sheet (Negative Strip) - 36 Prints</source>
        <translation>Indexblatt (Filmstreifen) – 36 Bilder</translation>
    </message>
    <message>
        <source>Index Sheet (3D Slides) - 6 Prints</source>
        <translation>Indexblatt (3D-Dias) – 6 Bilder</translation>
    </message>
    <message>
        <source>Index Sheet (3D Slides) - 12 Prints</source>
        <translation>Indexblatt (3D-Dias) – 12 Bilder</translation>
    </message>
    <message>
        <source>Index Sheet (3D Slides) - 20 Prints</source>
        <translation>Indexblatt (3D-Dias) – 20 Bilder</translation>
    </message>
    <message>
        <source>CD Case (Booklet) 4.75 x 4.75 in</source>
        <translation>CD-Hülle (Booklet) 4.75 x 4.75 Zoll</translation>
    </message>
    <message>
        <source>CD Case (InLay) 5.9 x 4.60 in</source>
        <translation>CD-Hülle (Inlay) 5.9 x 4.60 Zoll</translation>
    </message>
    <message>
        <source>DVD Case (Booklet) 7.3 x 4.85 in</source>
        <translation>DVD-Hülle (Booklet) 7.3 x 4.85 Zoll</translation>
    </message>
    <message>
        <source>DVD Case (Cover) 7.2 x 5.1 in (Spline) .5 x 7.2 in</source>
        <translation>DVD-Hülle (Cover) 7.2 x 5.1 Zoll (Rücken) .5 x 7.2 Zoll</translation>
    </message>
    <message>
        <source>One 5 1/4&quot; x 8 1/4&quot; Prints</source>
        <translation>Ein Bild 5 1/4&quot; x 8 1/4&quot;</translation>
    </message>
    <message>
        <source>One 5&quot; x 7&quot; Prints</source>
        <translation>Ein Bild 5&quot; x 7&quot;</translation>
    </message>
    <message>
        <source>One 4&quot; x 6&quot; Prints</source>
        <translation>Ein Bild 4&quot; x 6&quot;</translation>
    </message>
    <message>
        <source>Two 4&quot; x 5&quot; Prints</source>
        <translation>Zwei Bilder 4&quot; x 5&quot;</translation>
    </message>
    <message>
        <source>Two 3 1/2&quot; x 5&quot; Prints</source>
        <translation>Zwei Bilder 3 1/2&quot; x 5&quot;</translation>
    </message>
    <message>
        <source>Six (Wallet) 2 x 3 Prints</source>
        <translation>Sechs Brieftaschenbilder 2 x 3</translation>
    </message>
    <message>
        <source>Three 2 1/2&quot; x 3 1/2&quot; Prints</source>
        <translation>Drei Bilder 2 1/2&quot; x 3 1/2&quot;</translation>
    </message>
    <message>
        <source>Mini ID 1 x 1 1/2 26 Prints</source>
        <translation>Mini-Ausweisbild 1 x 1 1/2, 26 Bilder</translation>
    </message>
    <message>
        <source>One 5 1/4 x 8 1/4 Print</source>
        <translation>Ein Bild 5 1/4 x 8 1/4</translation>
    </message>
    <message>
        <source>One 5 x 7 Print</source>
        <translation>Ein Bild 5 x 7</translation>
    </message>
    <message>
        <source>One 4 x 6 Print</source>
        <translation>Ein Bild 4 x 6</translation>
    </message>
    <message>
        <source>Two 4 x 5 Prints</source>
        <translation>Zwei Bilder 4 x 5</translation>
    </message>
    <message>
        <source>Two 3 1/2 x 5 Prints</source>
        <translation>Zwei Bilder 3 1/2 x 5</translation>
    </message>
    <message>
        <source>Three 2 1/2 x 3 1/2 Prints</source>
        <translation>Drei Bilder 2 1/2 x 3 1/2</translation>
    </message>
    <message>
        <source>Passport 1.38&quot; x 1.80&quot;- 14 Prints</source>
        <translation>Passbild 1.38&quot; x 1.80&quot; – 14 Bilder</translation>
    </message>
    <message>
        <source>Passport 1.50&quot; x 2.00&quot;- 13 Prints</source>
        <translation>Passbild 1.50&quot; x 2.00&quot; – 13 Bilder</translation>
    </message>
    <message>
        <source>Top: %1 + Bottom: %2</source>
        <translation>Oben: %1 + Unten: %2</translation>
    </message>
</context>
<context>
    <name>UserPageSizeDialog</name>
    <message>
        <source>User Page Size Setup</source>
        <translation>Eigenes Seitenformat einrichten</translation>
    </message>
    <message>
        <source>Set Page Width and Height</source>
        <translation>Seitenbreite und -höhe festlegen</translation>
    </message>
    <message>
        <source>More than %1 and less than %2 inches</source>
        <translation>Mehr als %1 und weniger als %2 Zoll</translation>
    </message>
    <message>
        <source>Page &amp;width (inches):</source>
        <translation>Seiten&amp;breite (Zoll):</translation>
    </message>
    <message>
        <source>Page &amp;height (inches):</source>
        <translation>Seiten&amp;höhe (Zoll):</translation>
    </message>
    <message>
        <source>Page width (inches)</source>
        <translation>Seitenbreite (Zoll)</translation>
    </message>
    <message>
        <source>Page height (inches)</source>
        <translation>Seitenhöhe (Zoll)</translation>
    </message>
</context>
<context>
    <name>ValuePromptDialog</name>
    <message>
        <source>Your Prompt Here</source>
        <translation>Ihre Eingabe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Value slider</source>
        <translation>Schieberegler für den Wert</translation>
    </message>
    <message>
        <source>From %1 to %2; the field shows where it stands</source>
        <translation>Von %1 bis %2; das Feld zeigt den aktuellen Wert</translation>
    </message>
    <message>
        <source>Minimum %1</source>
        <translation>Minimum %1</translation>
    </message>
    <message>
        <source>Maximum %1</source>
        <translation>Maximum %1</translation>
    </message>
</context>
<context>
    <name>WelcomeTips</name>
    <message>
        <source>Welcome to Snapvale 2.50. To review ALL of these helpful tips at once, click on the help button on this dialog.</source>
        <translation>Willkommen bei Snapvale 2.50. Um ALLE diese hilfreichen Tipps auf einmal zu sehen, klicken Sie in diesem Fenster auf „Hilfe“.</translation>
    </message>
    <message>
        <source>Click on the camera button on the toolbar to advance to the next or previous photo sequence.</source>
        <translation>Klicken Sie auf die Kamera-Schaltflächen der Werkzeugleiste, um zur nächsten oder vorherigen Fotofolge zu gelangen.</translation>
    </message>
    <message>
        <source>A good rule to use when creating a digital image is 200 DPI (Dots Per Inch) is the minimum resolution required to ensure great enlargements. For 8 x 10&apos;s, 1600 x 2000 is a good starting point.</source>
        <translation>Eine gute Faustregel für digitale Bilder: 200 DPI (Punkte pro Zoll) sind die Mindestauflösung für gute Vergrößerungen. Für 8 x 10 Zoll sind 1600 x 2000 Pixel ein guter Ausgangspunkt.</translation>
    </message>
    <message>
        <source>Unlike drug store or phot store kiosk&apos;s, Snapvale always leaves the final decision to you as to how much resolution you need. Depending on your printer, you may be able to use as little as 150 DPI for great enlargements.</source>
        <translation>Anders als Fotoautomaten in Drogerien und Fotogeschäften überlässt Snapvale Ihnen immer die Entscheidung, wie viel Auflösung Sie brauchen. Je nach Drucker genügen schon 150 DPI für gute Vergrößerungen.</translation>
    </message>
    <message>
        <source>When in doubt, use the 100% zoom of the main dialog to check your photo for blemishes. If you don&apos;t see pixelation or grainy areas on the 100%% zoom, chances are you won&apos;t see them in the print.</source>
        <translation>Prüfen Sie Ihr Foto im Zweifel in der 100-%-Ansicht des Hauptfensters auf Makel. Sehen Sie bei 100 %% keine Pixel oder körnigen Stellen, werden Sie sie wahrscheinlich auch im Druck nicht sehen.</translation>
    </message>
    <message>
        <source>You can &quot;right click&quot; on the main window and use the popup menu for shortcuts.</source>
        <translation>Mit einem Rechtsklick ins Hauptfenster erreichen Sie häufige Befehle über das Kontextmenü.</translation>
    </message>
    <message>
        <source>To print an entire sequence of photos automatically, use the batch print operation.</source>
        <translation>Um eine ganze Fotofolge automatisch zu drucken, verwenden Sie den Stapeldruck.</translation>
    </message>
    <message>
        <source>A rotary cutter is a great investment for trimming photos.</source>
        <translation>Ein Rollschneider ist eine lohnende Anschaffung zum Zuschneiden von Fotos.</translation>
    </message>
    <message>
        <source>You can save money by printing multiple photos per page and trimming them yourself.</source>
        <translation>Sie sparen Geld, wenn Sie mehrere Fotos pro Seite drucken und selbst zuschneiden.</translation>
    </message>
    <message>
        <source>Ink-jet printers have come a long way in price and quality. You can get great prints for as little as $50.</source>
        <translation>Tintenstrahldrucker sind in Preis und Qualität weit gekommen. Schon für etwa 50 € bekommen Sie sehr gute Drucke.</translation>
    </message>
    <message>
        <source>Any version of Snapvale can be re-installed at any time.</source>
        <translation>Jede Version von Snapvale kann jederzeit neu installiert werden.</translation>
    </message>
    <message>
        <source>If you have lots of photos in one directory or folder, use the photo album tool to select photos by common event or occasion.</source>
        <translation>Haben Sie viele Fotos in einem Ordner, stellen Sie mit dem Fotoalbum Fotos nach Ereignis oder Anlass zusammen.</translation>
    </message>
    <message>
        <source>A yellow indicator means that at least one of your photos may not have enough resolution for printing. However, the final decision is always up to you.</source>
        <translation>Eine gelbe Anzeige bedeutet, dass mindestens eines Ihrer Fotos womöglich zu wenig Auflösung für den Druck hat. Die Entscheidung liegt aber immer bei Ihnen.</translation>
    </message>
    <message>
        <source>To get a short description of the toolbar buttons, rest the mouse cursor over the button.</source>
        <translation>Eine kurze Beschreibung der Schaltflächen in der Werkzeugleiste erhalten Sie, wenn Sie den Mauszeiger darauf ruhen lassen.</translation>
    </message>
    <message>
        <source>You can add your own logo to a single photo or an entire photo sequence. Create it as a small BMP file and select it on the photo layout dialog as a &quot;logo&quot; file.</source>
        <translation>Sie können einem einzelnen Foto oder einer ganzen Fotofolge Ihr eigenes Logo hinzufügen. Legen Sie es als kleine BMP-Datei an und wählen Sie es in der Layout-Einrichtung als Logodatei.</translation>
    </message>
    <message>
        <source>It is always better to start with a higher resolution image and use Snapvale to scale it down in size.</source>
        <translation>Es ist immer besser, mit einem Bild höherer Auflösung zu beginnen und es von Snapvale verkleinern zu lassen.</translation>
    </message>
    <message>
        <source>You can use the Help button at any dialog for context sensitive &quot;How To&quot; information.</source>
        <translation>In jedem Fenster führt die Schaltfläche „Hilfe“ zu Anleitungen passend zur Stelle.</translation>
    </message>
</context>
<context>
    <name>WelcomeTipsDialog</name>
    <message>
        <source>Snapvale Welcome Tips Dialog</source>
        <translation>Snapvale – Tipps zum Start</translation>
    </message>
    <message>
        <source>Tip symbol</source>
        <translation>Tipp-Symbol</translation>
    </message>
    <message>
        <source>Did You Know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t display this dialog again</source>
        <translation>Dieses Fenster &amp;nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Do not open these tips when Snapvale first reads a folder</source>
        <translation>Diese Tipps nicht öffnen, wenn Snapvale zum ersten Mal einen Ordner liest</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Nächster &amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Hide the tips</source>
        <translation>Die Tipps ausblenden</translation>
    </message>
    <message>
        <source>Show the next tip</source>
        <translation>Den nächsten Tipp zeigen</translation>
    </message>
    <message>
        <source>Open the page with all the tips</source>
        <translation>Die Seite mit allen Tipps öffnen</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Welcome To The Snapvale Wizard</source>
        <translation>Willkommen beim Snapvale-Assistenten</translation>
    </message>
    <message>
        <source>Select Your Photo Layout Template or Review Your Image List</source>
        <translation>Wählen Sie Ihre Layoutvorlage oder prüfen Sie Ihre Bildliste</translation>
    </message>
    <message>
        <source>Final Step - Examine Your Preview, Check Your Printer Settings  and Print!</source>
        <translation>Letzter Schritt – Vorschau ansehen, Druckereinstellungen prüfen und drucken!</translation>
    </message>
    <message>
        <source>Close Wizard</source>
        <translation>Assistent schließen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Always show this wizard when program starts.</source>
        <translation>Diesen Assistenten beim Programmstart immer zeigen.</translation>
    </message>
    <message>
        <source>Open directory and start at selected image.</source>
        <translation>Ordner öffnen und beim gewählten Bild beginnen.</translation>
    </message>
    <message>
        <source>Open directory and start at selected image. Click this button to replace your current image list with all image files in the directory and reload the photo template starting with the image you select.</source>
        <translation>Ordner öffnen und beim gewählten Bild beginnen. Diese Schaltfläche ersetzt Ihre aktuelle Bildliste durch alle Bilddateien des Ordners und füllt die Fotovorlage neu, beginnend mit dem gewählten Bild.</translation>
    </message>
    <message>
        <source>Select and add one or more images.</source>
        <translation>Ein oder mehrere Bilder auswählen und hinzufügen.</translation>
    </message>
    <message>
        <source>Select and add one or more images. Click this button to add one or more selected images to your current image list. Use the CTRL key to select multiple files from a directory.</source>
        <translation>Ein oder mehrere Bilder auswählen und hinzufügen. Diese Schaltfläche fügt die gewählten Bilder Ihrer aktuellen Bildliste hinzu. Mit der Strg-Taste wählen Sie mehrere Dateien eines Ordners.</translation>
    </message>
    <message>
        <source>Open Your Photo Album.</source>
        <translation>Ihr Fotoalbum öffnen.</translation>
    </message>
    <message>
        <source>Open Your Photo Album. Click this button to select all images from a Photo Album. To create a Photo Album, use the Tools option from the main menu. You can select photos from anywhere on your computer and combine them into themes and album styles.</source>
        <translation>Ihr Fotoalbum öffnen. Diese Schaltfläche übernimmt alle Bilder eines Fotoalbums. Ein Fotoalbum legen Sie über das Menü „Werkzeuge“ an. Sie können Fotos von überall auf Ihrem Computer wählen und zu Themen und Albumstilen zusammenstellen.</translation>
    </message>
    <message>
        <source>Negative Strip (9 Prints)</source>
        <translation>Filmstreifen (9 Bilder)</translation>
    </message>
    <message>
        <source>3D Slides (12 Prints)</source>
        <translation>3D-Dias (12 Bilder)</translation>
    </message>
    <message>
        <source>Wallet (13 Prints)</source>
        <translation>Brieftaschenformat (13 Bilder)</translation>
    </message>
    <message>
        <source>One 4in x 6in Print</source>
        <translation>Ein Bild 4 x 6 Zoll</translation>
    </message>
    <message>
        <source>Three 4in x 6in Prints</source>
        <translation>Drei Bilder 4 x 6 Zoll</translation>
    </message>
    <message>
        <source>One 5in x 7in Print</source>
        <translation>Ein Bild 5 x 7 Zoll</translation>
    </message>
    <message>
        <source>Two 5in x 7in Prints</source>
        <translation>Zwei Bilder 5 x 7 Zoll</translation>
    </message>
    <message>
        <source>One 8in x 10in Print</source>
        <translation>Ein Bild 8 x 10 Zoll</translation>
    </message>
    <message>
        <source>Business Card (10 Prints)</source>
        <translation>Visitenkarten (10 Stück)</translation>
    </message>
    <message>
        <source>Greeting Card (Half-fold)</source>
        <translation>Grußkarte (einmal gefaltet)</translation>
    </message>
    <message>
        <source>CD Case (Booklet)</source>
        <translation>CD-Hülle (Booklet)</translation>
    </message>
    <message>
        <source>CD Case (InLay)</source>
        <translation>CD-Hülle (Inlay)</translation>
    </message>
    <message>
        <source>DVD Case (Booklet)</source>
        <translation>DVD-Hülle (Booklet)</translation>
    </message>
    <message>
        <source>DVD Case (Cover)</source>
        <translation>DVD-Hülle (Cover)</translation>
    </message>
    <message>
        <source>Required Paper Size: %.02f in. x %.02f in.</source>
        <translation>Benötigtes Papierformat: %.02f Zoll x %.02f Zoll</translation>
    </message>
    <message>
        <source>Print Preview (Required Paper Size: %.02f in. x %.02f in.)</source>
        <translation>Druckvorschau (benötigtes Papierformat: %.02f Zoll x %.02f Zoll)</translation>
    </message>
    <message>
        <source>Current Printer: </source>
        <translation>Aktueller Drucker: </translation>
    </message>
    <message>
        <source>%.02f in. x %.02f in.</source>
        <translation>%.02f Zoll x %.02f Zoll</translation>
    </message>
    <message>
        <source>
Click on the Print Page button to print this photo.</source>
        <translation>
Klicken Sie auf „Seite drucken“, um dieses Foto zu drucken.</translation>
    </message>
    <message>
        <source>Check your printer paper size! Your photo template size is %.02f x %.02f inches. The maximum printable page area is %.02f x %.02f inches. For best results, your printer page size should be set to match your photo template dimensions.</source>
        <translation>Prüfen Sie das Papierformat Ihres Druckers! Ihre Fotovorlage misst %.02f x %.02f Zoll. Der größte bedruckbare Bereich misst %.02f x %.02f Zoll. Am besten stellen Sie das Papierformat des Druckers passend zu den Maßen der Fotovorlage ein.</translation>
    </message>
    <message>
        <source>If you don&apos;t want a border around your photo and your printer supports borderless (edge to edge) printing, check your printer settings.</source>
        <translation>Wenn Sie keinen Rand um Ihr Foto möchten und Ihr Drucker randlos drucken kann, prüfen Sie die Druckereinstellungen.</translation>
    </message>
    <message>
        <source>Print quality: a photo of this page could not be loaded</source>
        <translation>Druckqualität: Ein Foto dieser Seite konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Print quality: a photo of this page has too little resolution for its print</source>
        <translation>Druckqualität: Ein Foto dieser Seite hat zu wenig Auflösung für seinen Druck</translation>
    </message>
    <message>
        <source>Print quality: every photo of this page has enough resolution</source>
        <translation>Druckqualität: Jedes Foto dieser Seite hat genug Auflösung</translation>
    </message>
</context>
</TS>
