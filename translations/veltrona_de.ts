<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TCalculator</name>
    <message>
        <source>Veltrona</source>
        <translation>Veltrona</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Move Number into Memory</source>
        <translation>Zahl in den Speicher</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>M+</source>
        <translation>M+</translation>
    </message>
    <message>
        <source>Add number to Memory</source>
        <translation>Zahl zum Speicher addieren</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>Clear Displayed Number</source>
        <translation>Angezeigte Zahl löschen</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MR</source>
        <translation>MR</translation>
    </message>
    <message>
        <source>Recall number from Memory</source>
        <translation>Zahl aus dem Speicher abrufen</translation>
    </message>
    <message>
        <source>Bck</source>
        <translation>Rück</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Clear Memory</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Math</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>x^2</source>
        <translation>x^2</translation>
    </message>
    <message>
        <source>x^y</source>
        <translation>x^y</translation>
    </message>
    <message>
        <source>Exp</source>
        <translation>Exp</translation>
    </message>
    <message>
        <source>1/x</source>
        <translation>1/x</translation>
    </message>
    <message>
        <source>Trig</source>
        <translation>Trig</translation>
    </message>
    <message>
        <source>Sin</source>
        <translation>Sin</translation>
    </message>
    <message>
        <source>Cos</source>
        <translation>Cos</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Tan</translation>
    </message>
    <message>
        <source>aSin</source>
        <translation>aSin</translation>
    </message>
    <message>
        <source>aCos</source>
        <translation>aCos</translation>
    </message>
    <message>
        <source>aTan</source>
        <translation>aTan</translation>
    </message>
    <message>
        <source>π</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>Rad</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Dec.</source>
        <translation>Dez.</translation>
    </message>
    <message>
        <source>Hex.</source>
        <translation>Hex.</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Ln</source>
        <translation>Ln</translation>
    </message>
    <message>
        <source>10^X</source>
        <translation>10^X</translation>
    </message>
    <message>
        <source>e^X</source>
        <translation>e^X</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>USt</translation>
    </message>
    <message>
        <source>+Tax</source>
        <translation>+Steuer</translation>
    </message>
    <message>
        <source>Plus Tax</source>
        <translation>Zuzüglich Steuer</translation>
    </message>
    <message>
        <source>Tax(I)</source>
        <translation>Steuer(I)</translation>
    </message>
    <message>
        <source>Includes Tax</source>
        <translation>Steuer enthalten</translation>
    </message>
    <message>
        <source>-Tax</source>
        <translation>-Steuer</translation>
    </message>
    <message>
        <source>Minus Tax</source>
        <translation>Abzüglich Steuer</translation>
    </message>
    <message>
        <source>Tax(E)</source>
        <translation>Steuer(E)</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichenwechsel</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Neu berechnen</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rückschritt</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Speicher setzen</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Speicher addieren</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Arc sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>Arc cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>Arc tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Winkeleinheit</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Gradians</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Hex digit A</source>
        <translation>Hex-Ziffer A</translation>
    </message>
    <message>
        <source>Hex digit B</source>
        <translation>Hex-Ziffer B</translation>
    </message>
    <message>
        <source>Hex digit C</source>
        <translation>Hex-Ziffer C</translation>
    </message>
    <message>
        <source>Hex digit D</source>
        <translation>Hex-Ziffer D</translation>
    </message>
    <message>
        <source>Hex digit E</source>
        <translation>Hex-Ziffer E</translation>
    </message>
    <message>
        <source>Hex digit F</source>
        <translation>Hex-Ziffer F</translation>
    </message>
    <message>
        <source>Number base</source>
        <translation>Zahlensystem</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Zehnerlogarithmus</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>Ten to the power</source>
        <translation>Zehn hoch</translation>
    </message>
    <message>
        <source>e to the power</source>
        <translation>e hoch</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Math functions</source>
        <translation>Mathematische Funktionen</translation>
    </message>
    <message>
        <source>Trigonometry</source>
        <translation>Trigonometrie</translation>
    </message>
    <message>
        <source>Hexadecimal keys</source>
        <translation>Hexadezimaltasten</translation>
    </message>
    <message>
        <source>Logarithms</source>
        <translation>Logarithmen</translation>
    </message>
    <message>
        <source>The calculation&apos;s numbers, results and notes, one to a line</source>
        <translation>Die Zahlen, Ergebnisse und Notizen der Rechnung, eine je Zeile</translation>
    </message>
    <message>
        <source>More tool buttons</source>
        <translation>Weitere Werkzeugknöpfe</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Veltrona encountered an error when displaying help<byte value="xd"/>Help File<byte value="xd"/>%1<byte value="xd"/>Not Found</source>
        <translation>Veltrona konnte die Hilfe nicht anzeigen<byte value="xd"/>Hilfedatei<byte value="xd"/>%1<byte value="xd"/>nicht gefunden</translation>
    </message>
    <message>
        <source>Veltrona encountered an error when displaying help<byte value="xd"/>See the Readme.txt file in<byte value="xd"/>%1<byte value="xd"/>For likely causes...</source>
        <translation>Veltrona konnte die Hilfe nicht anzeigen<byte value="xd"/>Mögliche Ursachen nennt die Datei Readme.txt in<byte value="xd"/>%1</translation>
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
        <source>&amp;Tape</source>
        <translation>&amp;Streifen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Save Tape As...</source>
        <translation>Streifen speichern unter...</translation>
    </message>
    <message>
        <source>Page Se&amp;tup...</source>
        <translation>Seite &amp;einrichten...</translation>
    </message>
    <message>
        <source>&amp;Print Tape</source>
        <translation>Streifen &amp;drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Copy &amp;Calculation</source>
        <translation>&amp;Rechnung kopieren</translation>
    </message>
    <message>
        <source>&amp;ToolBar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Z&amp;urück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Ver&amp;lauf</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>&amp;Large Size </source>
        <translation>&amp;Große Ansicht </translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Scientific</source>
        <translation>&amp;Wissenschaftlich</translation>
    </message>
    <message>
        <source>&amp;Currency</source>
        <translation>W&amp;ährung</translation>
    </message>
    <message>
        <source>F&amp;ixed</source>
        <translation>&amp;Fest</translation>
    </message>
    <message>
        <source>&amp;Annotate...</source>
        <translation>&amp;Notiz...</translation>
    </message>
    <message>
        <source>Tape &amp;Font...</source>
        <translation>Streifensc&amp;hrift...</translation>
    </message>
    <message>
        <source>&amp;Hide Tape</source>
        <translation>Streifen &amp;ausblenden</translation>
    </message>
    <message>
        <source>Cle&amp;ar Tape</source>
        <translation>Streifen &amp;löschen</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>%1 could not be read and could not be moved aside.</source>
        <translation>%1 konnte nicht gelesen und nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was kept as %2.</source>
        <translation>%1 konnte nicht gelesen werden; die Datei wurde als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Some saved calculations are damaged and were left out of the history:</source>
        <translation>Einige gespeicherte Rechnungen sind beschädigt und wurden nicht in den Verlauf übernommen:</translation>
    </message>
    <message>
        <source>Plus %1</source>
        <translation>Zuzüglich %1</translation>
    </message>
    <message>
        <source>Minus %1</source>
        <translation>Abzüglich %1</translation>
    </message>
    <message>
        <source>%1 included</source>
        <translation>%1 enthalten</translation>
    </message>
    <message>
        <source>%1 excluded</source>
        <translation>%1 herausrechnen</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Veltrona could not save to these files:
%1
Your work is kept while the program runs; it tries again after every change.</source>
        <translation>Veltrona konnte diese Dateien nicht speichern:
%1
Ihre Arbeit bleibt erhalten, solange das Programm läuft; nach jeder Änderung versucht es erneut zu speichern.</translation>
    </message>
    <message>
        <source>Veltrona could not save to these files:
%1

Free some space or fix the folder and retry, or close anyway: the calculation being worked on is then brought back at the next start as far as it was last saved.</source>
        <translation>Veltrona konnte diese Dateien nicht speichern:
%1

Schaffen Sie Platz oder beheben Sie das Problem mit dem Ordner und wiederholen Sie, oder schließen Sie trotzdem: die aktuelle Rechnung wird dann beim nächsten Start so weit zurückgeholt, wie sie zuletzt gespeichert wurde.</translation>
    </message>
    <message>
        <source>Annotate Tape</source>
        <translation>Notiz auf den Streifen</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Streifen löschen</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Streifen speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Rich Text Files (*.rtf)</source>
        <translation>RTF-Dateien (*.rtf)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Show Tape</source>
        <translation>Streifen einblenden</translation>
    </message>
    <message>
        <source>Hide Tape</source>
        <translation>Streifen ausblenden</translation>
    </message>
    <message>
        <source>Show tape</source>
        <translation>Streifen einblenden</translation>
    </message>
    <message>
        <source>Hide tape</source>
        <translation>Streifen ausblenden</translation>
    </message>
    <message>
        <source>Back to Prev Number</source>
        <translation>Zurück zur vorigen Zahl</translation>
    </message>
    <message>
        <source>Back to previous number</source>
        <translation>Zurück zur vorigen Zahl</translation>
    </message>
    <message>
        <source>Forward to Next Number</source>
        <translation>Vor zur nächsten Zahl</translation>
    </message>
    <message>
        <source>Forward to next number</source>
        <translation>Vor zur nächsten Zahl</translation>
    </message>
    <message>
        <source>Replay Calculation</source>
        <translation>Rechnung neu ablaufen lassen</translation>
    </message>
    <message>
        <source>Replay calculation</source>
        <translation>Rechnung neu ablaufen lassen</translation>
    </message>
    <message>
        <source>Clear tape</source>
        <translation>Streifen löschen</translation>
    </message>
    <message>
        <source>Annotate tape</source>
        <translation>Notiz auf den Streifen</translation>
    </message>
    <message>
        <source>Next tape format</source>
        <translation>Nächstes Streifenformat</translation>
    </message>
    <message>
        <source>More decimal places</source>
        <translation>Mehr Nachkommastellen</translation>
    </message>
    <message>
        <source>Fewer decimal places</source>
        <translation>Weniger Nachkommastellen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Previous calculations</source>
        <translation>Frühere Rechnungen</translation>
    </message>
    <message>
        <source>&amp;New Tape</source>
        <translation>&amp;Neuer Streifen</translation>
    </message>
    <message>
        <source>&amp;Open Tape...</source>
        <translation>Streifen ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Rec&amp;ent Tapes</source>
        <translation>&amp;Zuletzt geöffnete Streifen</translation>
    </message>
    <message>
        <source>&amp;Reopen Last Tape</source>
        <translation>Letzten Streifen &amp;wieder öffnen</translation>
    </message>
    <message>
        <source>&amp;Save Tape</source>
        <translation>Streifen &amp;speichern</translation>
    </message>
    <message>
        <source>%1%2 - Veltrona</source>
        <translation>%1%2 - Veltrona</translation>
    </message>
    <message>
        <source>Opening the tape...</source>
        <translation>Streifen wird geöffnet...</translation>
    </message>
    <message>
        <source>The tape %1 has changes that are not saved. Save them?</source>
        <translation>Der Streifen %1 hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>Open Tape</source>
        <translation>Streifen öffnen</translation>
    </message>
    <message>
        <source>Veltrona tape (*.vtape)</source>
        <translation>Veltrona-Streifen (*.vtape)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be opened as a tape.

%2</source>
        <translation>%1 konnte nicht als Streifen geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>There is no last tape to reopen.</source>
        <translation>Es gibt keinen letzten Streifen, der wieder geöffnet werden könnte.</translation>
    </message>
    <message>
        <source>The last tape could not be reopened.

%1</source>
        <translation>Der letzte Streifen konnte nicht wieder geöffnet werden.

%1</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent tapes.</source>
        <translation>%1 ist nicht mehr vorhanden; die Datei wurde aus der Liste der zuletzt geöffneten Streifen genommen.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About Veltrona</source>
        <translation>Über Veltrona</translation>
    </message>
    <message>
        <source>Veltrona</source>
        <translation>Veltrona</translation>
    </message>
    <message>
        <source>V4.01</source>
        <translation>V4.01</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <source>Precedence</source>
        <translation>Rechenregel</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Punkt vor Strich</translation>
    </message>
    <message>
        <source>As Entered</source>
        <translation>Wie eingegeben</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Sub Totals</source>
        <translation>Zwischensummen</translation>
    </message>
    <message>
        <source>Show SubTotals</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Brackets:</source>
        <translation>Klammer:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>{ }</source>
        <translation>{ }</translation>
    </message>
    <message>
        <source>[ ]</source>
        <translation>[ ]</translation>
    </message>
    <message>
        <source>( )</source>
        <translation>( )</translation>
    </message>
    <message>
        <source>&lt; &gt;</source>
        <translation>&lt; &gt;</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>99.99</source>
        <translation>99.99</translation>
    </message>
    <message>
        <source>Change..</source>
        <translation>Ändern..</translation>
    </message>
    <message>
        <source>Expand Operators</source>
        <translation>Nebenrechnungen</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Fixed Digits:</source>
        <translation>Stellen:</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Totals on Tape in</source>
        <translation>Summen auf dem Streifen</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Negative in Red</source>
        <translation>Negative in Rot</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>Tax Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Tax Rate:</source>
        <translation>Satz:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Annotations in</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Veltrona speaks the chosen language from its next start.</source>
        <translation>Veltrona spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Invalid Tax Rate</source>
        <translation>Ungültiger Steuersatz</translation>
    </message>
    <message>
        <source>Invalid Fixed Digits</source>
        <translation>Ungültige Anzahl fester Stellen</translation>
    </message>
    <message>
        <source>Receipt 42</source>
        <translation>Beleg 42</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Veltrona Help</source>
        <translation>Veltrona-Hilfe</translation>
    </message>
</context>
<context>
    <name>TNoteForm</name>
    <message>
        <source>Annotation</source>
        <translation>Notiz</translation>
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
    <name>TapeDocument</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>It is cut short or is not a tape document (%1 at byte %2).</source>
        <translation>Die Datei ist abgeschnitten oder kein Streifendokument (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>It is not a Veltrona tape document.</source>
        <translation>Die Datei ist kein Veltrona-Streifendokument.</translation>
    </message>
    <message>
        <source>Its format version is missing or not a number.</source>
        <translation>Die Formatversion fehlt oder ist keine Zahl.</translation>
    </message>
    <message>
        <source>It was written in tape format version %1 by a newer Veltrona; this one reads version %2.</source>
        <translation>Die Datei wurde von einem neueren Veltrona im Streifenformat Version %1 geschrieben; dieses liest Version %2.</translation>
    </message>
    <message>
        <source>Its tape font is not a font.</source>
        <translation>Die Streifenschrift der Datei ist keine Schrift.</translation>
    </message>
    <message>
        <source>It has no tape lines.</source>
        <translation>Die Datei enthält keine Streifenzeilen.</translation>
    </message>
    <message>
        <source>It has %1 lines; a tape may have at most %2.</source>
        <translation>Die Datei hat %1 Zeilen; ein Streifen darf höchstens %2 haben.</translation>
    </message>
    <message>
        <source>Line %1 is not a tape line.</source>
        <translation>Zeile %1 ist keine Streifenzeile.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 characters.</source>
        <translation>Zeile %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Its current calculation is missing.</source>
        <translation>Die aktuelle Rechnung fehlt.</translation>
    </message>
    <message>
        <source>Calculation %1 is not a calculation.</source>
        <translation>Rechnung %1 ist keine Rechnung.</translation>
    </message>
    <message>
        <source>Calculation %1 does not work out to the total it records.</source>
        <translation>Rechnung %1 ergibt nicht die Summe, die sie verzeichnet.</translation>
    </message>
    <message>
        <source>A line points at a number its calculation does not have.</source>
        <translation>Eine Zeile verweist auf eine Zahl, die ihre Rechnung nicht hat.</translation>
    </message>
    <message>
        <source>Its display is damaged.</source>
        <translation>Die gespeicherte Anzeige ist beschädigt.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>TapeOutput</name>
    <message>
        <source>the printer could not be started</source>
        <translation>der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>eine neue Seite konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation>die Seiten konnten nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>The tape could not be printed: %1.</source>
        <translation>Der Streifen konnte nicht gedruckt werden: %1.</translation>
    </message>
    <message>
        <source>no printer is installed</source>
        <translation>es ist kein Drucker eingerichtet</translation>
    </message>
    <message>
        <source>the printer failed</source>
        <translation>der Drucker hat versagt</translation>
    </message>
    <message>
        <source>the print job was cancelled</source>
        <translation>der Druckauftrag wurde abgebrochen</translation>
    </message>
    <message>
        <source>The tape could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Der Streifen konnte nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>TapeWorkbook</name>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the Excel workbook library (libxlsxwriter 4) is not installed</source>
        <translation>die Bibliothek für Excel-Arbeitsmappen (libxlsxwriter 4) ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>TaxName</name>
    <message>
        <source>Tax</source>
        <translation>USt</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>Veltrona</name>
    <message>
        <source>Cannot Divide by Zero</source>
        <translation>Division durch Null nicht möglich</translation>
    </message>
    <message>
        <source>Number too Large</source>
        <translation>Zahl zu groß</translation>
    </message>
    <message>
        <source>Invalid Input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Equation Limit Reached!</source>
        <translation>Höchstzahl der Rechenschritte erreicht!</translation>
    </message>
    <message>
        <source>Invalid fSubTotalSymIndex</source>
        <translation>Ungültiger fSubTotalSymIndex</translation>
    </message>
    <message>
        <source>Invalid fExpandOperSymIndex</source>
        <translation>Ungültiger fExpandOperSymIndex</translation>
    </message>
    <message>
        <source>rd</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>gon</translation>
    </message>
    <message>
        <source>Too Large to Show as Hex</source>
        <translation>Zu groß für Hex-Anzeige</translation>
    </message>
    <message>
        <source>Unknown Tape Format!</source>
        <translation>Unbekanntes Streifenformat!</translation>
    </message>
    <message>
        <source>Incl </source>
        <translation>Inkl. </translation>
    </message>
    <message>
        <source>Invalid Number</source>
        <translation>Ungültige Zahl</translation>
    </message>
    <message>
        <source>Line %1 of the pasted text is not a number; nothing was entered.</source>
        <translation>Zeile %1 des eingefügten Texts ist keine Zahl; es wurde nichts eingegeben.</translation>
    </message>
    <message>
        <source>Lines %1 of the pasted text are not numbers; nothing was entered.</source>
        <translation>Die Zeilen %1 des eingefügten Texts sind keine Zahlen; es wurde nichts eingegeben.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>The pasted column holds %1 numbers; the calculation has room for %2. Nothing was entered.</source>
        <translation>Die eingefügte Spalte enthält %1 Zahlen; die Rechnung hat Platz für %2. Es wurde nichts eingegeben.</translation>
    </message>
    <message>
        <source>Mem: Hex %1</source>
        <translation>M: Hex %1</translation>
    </message>
    <message>
        <source>Mem:%1</source>
        <translation>M:%1</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Scient. (%1)</source>
        <translation>Wiss. (%1)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Fixed (%1)</source>
        <translation>Fest (%1)</translation>
    </message>
    <message>
        <source>As Entered</source>
        <translation>Wie eingegeben</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Punkt vor Strich</translation>
    </message>
    <message>
        <source>No Number in Memory</source>
        <translation>Keine Zahl im Speicher</translation>
    </message>
    <message>
        <source>Memory = %1</source>
        <translation>Speicher = %1</translation>
    </message>
    <message>
        <source>Memory = Hex %1</source>
        <translation>Speicher = Hex %1</translation>
    </message>
    <message>
        <source>Number too large to show as Hex</source>
        <translation>Zahl zu groß für Hex-Anzeige</translation>
    </message>
    <message>
        <source>Tape Format:%1</source>
        <translation>Streifenformat:%1</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Scientific: %1</source>
        <translation>Wissenschaftlich: %1</translation>
    </message>
    <message>
        <source>Fixed: %1</source>
        <translation>Fest: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Veltrona is already running, but it does not answer.

Close the running Veltrona, or end it if it hangs, and start Veltrona again.</source>
        <translation>Veltrona läuft bereits, antwortet aber nicht.

Schließen Sie das laufende Veltrona oder beenden Sie es, wenn es hängt, und starten Sie Veltrona erneut.</translation>
    </message>
</context>
<context>
    <name>veltrona-tape</name>
    <message>
        <source>&apos;%1&apos; has more digits than the keypad takes (ten before the point, nine after it)</source>
        <translation>&apos;%1&apos; hat mehr Ziffern, als die Tastatur annimmt (zehn vor dem Komma, neun danach)</translation>
    </message>
    <message>
        <source>unknown word &apos;%1&apos;</source>
        <translation>unbekanntes Wort &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the keypad types no negative number with an exponent; use 0 - %2</source>
        <translation>&apos;%1&apos;: die Tastatur gibt keine negative Zahl mit Exponent ein; 0 - %2 verwenden</translation>
    </message>
    <message>
        <source>Try &apos;veltrona-tape --help&apos;.</source>
        <translation>Mehr mit &apos;veltrona-tape --help&apos;.</translation>
    </message>
    <message>
        <source>place %1 of the history</source>
        <translation>Platz %1 des Verlaufs</translation>
    </message>
    <message>
        <source>no calculation at %1 (%2)</source>
        <translation>keine Rechnung auf %1 (%2)</translation>
    </message>
    <message>
        <source>; a damaged file was kept aside as %1</source>
        <translation>; eine beschädigte Datei wurde als %1 beiseitegelegt</translation>
    </message>
    <message>
        <source>the calculation at %1 is damaged (%2); the calculator keeps it aside as %3 at its next start</source>
        <translation>die Rechnung auf %1 ist beschädigt (%2); der Rechner legt sie bei seinem nächsten Start als %3 beiseite</translation>
    </message>
    <message>
        <source>argument </source>
        <translation>Argument </translation>
    </message>
    <message>
        <source>option %1 wants %2, not &apos;%3&apos;</source>
        <translation>Option %1 erwartet %2, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <source>a width from 1 to 1000</source>
        <translation>eine Breite von 1 bis 1000</translation>
    </message>
    <message>
        <source>general, scientific, currency or fixed</source>
        <translation>general, scientific, currency oder fixed</translation>
    </message>
    <message>
        <source>a number of decimals from 0 to 18</source>
        <translation>eine Anzahl Nachkommastellen von 0 bis 18</translation>
    </message>
    <message>
        <source>a rate in per cent from 0 to 999</source>
        <translation>einen Satz in Prozent von 0 bis 999</translation>
    </message>
    <message>
        <source>a name of one to three characters without blanks</source>
        <translation>einen Namen aus ein bis drei Zeichen ohne Leerzeichen</translation>
    </message>
    <message>
        <source>a place from 1 to 5</source>
        <translation>einen Platz von 1 bis 5</translation>
    </message>
    <message>
        <source>option %1 wants a value</source>
        <translation>Option %1 erwartet einen Wert</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--load and --history both name a calculation</source>
        <translation>--load und --history nennen beide eine Rechnung</translation>
    </message>
    <message>
        <source>line %1, word </source>
        <translation>Zeile %1, Wort </translation>
    </message>
    <message>
        <source>line %1: &apos;%2&apos; is not an amount</source>
        <translation>Zeile %1: &apos;%2&apos; ist kein Betrag</translation>
    </message>
    <message>
        <source>cannot read a calculation from %1</source>
        <translation>aus %1 lässt sich keine Rechnung lesen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Usage: veltrona-tape [OPTION]... [WORD]...
Prints the adding-machine tape of a calculation, as Veltrona&apos;s window shows it.

The calculation is given as words: as arguments, or without them one or more words a line
on standard input (a prompt when that is a terminal). A word is a key of the calculator:
  numbers      12  1.5  1,5 (the locale&apos;s separator)  1.5e3  2.5e-4  -7
  operators    +  -  *  x  /  %  =  ^  ^1/
  functions    Sqr Sqrt 1/ Log Exp Loge Expe Sin ASin Cos ACos Tan ATan  (Exp is 10^x)
  tax          +tax  -tax  tax(i)  tax(e)  (also with the tax name: +VAT)
  keys         ce  c  bck  +/-  pi  min  m+  mr  mc  recalc
  modes        dec  hex  deg  rad  grad      quit ends the input
Names are read without regard to letter case. Quote * and ( ) for the shell.

Options:
  --width N          right-align the tape to N columns (default: the terminal&apos;s, else 40)
  --csv              write the tape as CSV (kind,operator,value,text) instead
  --sum              each input line is an amount; print the tape of their total
  --defaults         use the first-run settings, not the stored ones
  --as-entered       evaluate as entered (--arithmetic: operators by precedence)
  --format F         tape format: general, scientific, currency or fixed
  --decimals N       decimals of the scientific and fixed formats (0 to 18)
  --tax-rate R       tax rate in per cent (0 to 999)
  --tax-name T       tax name of up to three characters
  --hex              hexadecimal numbers
  --deg, --rad, --grad   angle unit (degrees first)
  --load FILE        replay an equation file onto the tape first
  --history N        replay the N-th last calculation of the window&apos;s history (1 to 5)
  --save FILE        save the calculation as an equation file at the end
  --xlsx FILE        save the tape as an Excel workbook at the end (the CSV&apos;s columns)
  --open-tape FILE   print a tape document (.vtape) as the window shows it first, and go on
                     with its calculation
  --save-tape FILE   save the tape printed as a tape document the window opens
  --help, --version

Exit status: 0; 1 when the tape holds an error or the calculator reported one; 2 for a bad
word, option or file. The stored settings are read, never written. NO_COLOR turns the
terminal&apos;s colours off.
</source>
        <translation>Aufruf: veltrona-tape [OPTION]... [WORT]...
Druckt den Additionsstreifen einer Rechnung, wie ihn das Fenster von Veltrona zeigt.

Die Rechnung besteht aus Wörtern: als Argumente, oder ohne Argumente ein oder mehrere Wörter
je Zeile von der Standardeingabe (mit Eingabeaufforderung, wenn das ein Terminal ist). Ein Wort
ist eine Taste des Rechners:
  Zahlen       12  1.5  1,5 (das Trennzeichen der Locale)  1.5e3  2.5e-4  -7
  Operatoren   +  -  *  x  /  %  =  ^  ^1/
  Funktionen   Sqr Sqrt 1/ Log Exp Loge Expe Sin ASin Cos ACos Tan ATan  (Exp ist 10^x)
  Steuer       +tax  -tax  tax(i)  tax(e)  (auch mit dem Steuernamen: +VAT)
  Tasten       ce  c  bck  +/-  pi  min  m+  mr  mc  recalc
  Modi         dec  hex  deg  rad  grad      quit beendet die Eingabe
Groß- und Kleinschreibung der Namen spielt keine Rolle. * und ( ) für die Shell quoten.

Optionen:
  --width N          den Streifen rechtsbündig auf N Spalten setzen (Vorgabe: die des
                     Terminals, sonst 40)
  --csv              den Streifen stattdessen als CSV schreiben (kind,operator,value,text)
  --sum              jede Eingabezeile ist ein Betrag; den Streifen ihrer Summe drucken
  --defaults         die Einstellungen des ersten Starts verwenden, nicht die gespeicherten
  --as-entered       wie eingegeben rechnen (--arithmetic: Punkt vor Strich)
  --format F         Streifenformat: general, scientific, currency oder fixed
  --decimals N       Nachkommastellen der Formate scientific und fixed (0 bis 18)
  --tax-rate R       Steuersatz in Prozent (0 bis 999)
  --tax-name T       Steuername mit bis zu drei Zeichen
  --hex              hexadezimale Zahlen
  --deg, --rad, --grad   Winkeleinheit (zuerst Grad)
  --load DATEI       zuerst eine Rechnungsdatei auf den Streifen abspielen
  --history N        die N-letzte Rechnung aus dem Verlauf des Fensters abspielen (1 bis 5)
  --save DATEI       die Rechnung am Ende als Rechnungsdatei speichern
  --xlsx DATEI       den Streifen am Ende als Excel-Arbeitsmappe speichern (die Spalten der CSV)
  --open-tape DATEI  zuerst ein Streifendokument (.vtape) so ausgeben, wie das Fenster es zeigt,
                     und mit seiner Rechnung weiterrechnen
  --save-tape DATEI  den ausgegebenen Streifen als Streifendokument speichern, das das Fenster öffnet
  --help, --version

Rückgabewert: 0; 1, wenn der Streifen einen Fehler enthält oder der Rechner einen gemeldet hat;
2 bei einem falschen Wort, einer falschen Option oder Datei. Die gespeicherten Einstellungen
werden gelesen, nie geschrieben. NO_COLOR schaltet die Farben im Terminal ab.
</translation>
    </message>
    <message>
        <source>cannot open %1 as a tape: %2</source>
        <translation>%1 lässt sich nicht als Streifen öffnen: %2</translation>
    </message>
</context>
</TS>
