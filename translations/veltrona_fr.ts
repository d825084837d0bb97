<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Mettre le nombre en mémoire</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
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
        <translation>Ajouter le nombre à la mémoire</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>Clear Displayed Number</source>
        <translation>Effacer le nombre affiché</translation>
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
        <translation>Rappeler le nombre de la mémoire</translation>
    </message>
    <message>
        <source>Bck</source>
        <translation>Ret</translation>
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
        <translation>Effacer la mémoire</translation>
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
        <translation>Grad</translation>
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
        <translation>Déc.</translation>
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
        <translation>TVA</translation>
    </message>
    <message>
        <source>+Tax</source>
        <translation>+Taxe</translation>
    </message>
    <message>
        <source>Plus Tax</source>
        <translation>Ajouter la taxe</translation>
    </message>
    <message>
        <source>Tax(I)</source>
        <translation>Taxe(I)</translation>
    </message>
    <message>
        <source>Includes Tax</source>
        <translation>Taxe incluse</translation>
    </message>
    <message>
        <source>-Tax</source>
        <translation>-Taxe</translation>
    </message>
    <message>
        <source>Minus Tax</source>
        <translation>Retirer la taxe</translation>
    </message>
    <message>
        <source>Tax(E)</source>
        <translation>Taxe(E)</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Virgule décimale</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Changer de signe</translation>
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
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Effacer la saisie</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Mise en mémoire</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Ajout en mémoire</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Rappel mémoire</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Effacement mémoire</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Racine</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Arc sine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <source>Arc cosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <source>Arc tangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Unité d&apos;angle</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Gradians</source>
        <translation>Grades</translation>
    </message>
    <message>
        <source>Hex digit A</source>
        <translation>Chiffre hexa A</translation>
    </message>
    <message>
        <source>Hex digit B</source>
        <translation>Chiffre hexa B</translation>
    </message>
    <message>
        <source>Hex digit C</source>
        <translation>Chiffre hexa C</translation>
    </message>
    <message>
        <source>Hex digit D</source>
        <translation>Chiffre hexa D</translation>
    </message>
    <message>
        <source>Hex digit E</source>
        <translation>Chiffre hexa E</translation>
    </message>
    <message>
        <source>Hex digit F</source>
        <translation>Chiffre hexa F</translation>
    </message>
    <message>
        <source>Number base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <source>Ten to the power</source>
        <translation>Dix puissance</translation>
    </message>
    <message>
        <source>e to the power</source>
        <translation>e puissance</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Math functions</source>
        <translation>Fonctions mathématiques</translation>
    </message>
    <message>
        <source>Trigonometry</source>
        <translation>Trigonométrie</translation>
    </message>
    <message>
        <source>Hexadecimal keys</source>
        <translation>Touches hexadécimales</translation>
    </message>
    <message>
        <source>Logarithms</source>
        <translation>Logarithmes</translation>
    </message>
    <message>
        <source>The calculation&apos;s numbers, results and notes, one to a line</source>
        <translation>Les nombres, résultats et notes du calcul, un par ligne</translation>
    </message>
    <message>
        <source>More tool buttons</source>
        <translation>Autres boutons d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Fermer quand même</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Veltrona encountered an error when displaying help<byte value="xd"/>Help File<byte value="xd"/>%1<byte value="xd"/>Not Found</source>
        <translation>Veltrona n&apos;a pas pu afficher l&apos;aide<byte value="xd"/>Fichier d&apos;aide<byte value="xd"/>%1<byte value="xd"/>introuvable</translation>
    </message>
    <message>
        <source>Veltrona encountered an error when displaying help<byte value="xd"/>See the Readme.txt file in<byte value="xd"/>%1<byte value="xd"/>For likely causes...</source>
        <translation>Veltrona n&apos;a pas pu afficher l&apos;aide<byte value="xd"/>Les causes probables sont dans le fichier Readme.txt de<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Bande</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Save Tape As...</source>
        <translation>Enregistrer la bande sous...</translation>
    </message>
    <message>
        <source>Page Se&amp;tup...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>&amp;Print Tape</source>
        <translation>&amp;Imprimer la bande</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy &amp;Calculation</source>
        <translation>Copier le ca&amp;lcul</translation>
    </message>
    <message>
        <source>&amp;ToolBar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Taille &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Large Size </source>
        <translation>&amp;Grande taille </translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Scientific</source>
        <translation>S&amp;cientifique</translation>
    </message>
    <message>
        <source>&amp;Currency</source>
        <translation>&amp;Monétaire</translation>
    </message>
    <message>
        <source>F&amp;ixed</source>
        <translation>&amp;Fixe</translation>
    </message>
    <message>
        <source>&amp;Annotate...</source>
        <translation>&amp;Annoter...</translation>
    </message>
    <message>
        <source>Tape &amp;Font...</source>
        <translation>&amp;Police de la bande...</translation>
    </message>
    <message>
        <source>&amp;Hide Tape</source>
        <translation>Masquer la &amp;bande</translation>
    </message>
    <message>
        <source>Cle&amp;ar Tape</source>
        <translation>&amp;Effacer la bande</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;À propos...</translation>
    </message>
    <message>
        <source>%1 could not be read and could not be moved aside.</source>
        <translation>%1 n&apos;a pu être lu ni mis de côté.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was kept as %2.</source>
        <translation>%1 n&apos;a pu être lu ; il a été conservé sous %2.</translation>
    </message>
    <message>
        <source>Some saved calculations are damaged and were left out of the history:</source>
        <translation>Certains calculs enregistrés sont endommagés et ont été écartés de l&apos;historique :</translation>
    </message>
    <message>
        <source>Plus %1</source>
        <translation>Plus %1</translation>
    </message>
    <message>
        <source>Minus %1</source>
        <translation>Moins %1</translation>
    </message>
    <message>
        <source>%1 included</source>
        <translation>%1 incluse</translation>
    </message>
    <message>
        <source>%1 excluded</source>
        <translation>%1 exclue</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré : %1</translation>
    </message>
    <message>
        <source>Veltrona could not save to these files:
%1
Your work is kept while the program runs; it tries again after every change.</source>
        <translation>Veltrona n&apos;a pas pu enregistrer ces fichiers :
%1
Votre travail est conservé tant que le programme tourne ; il réessaie après chaque modification.</translation>
    </message>
    <message>
        <source>Veltrona could not save to these files:
%1

Free some space or fix the folder and retry, or close anyway: the calculation being worked on is then brought back at the next start as far as it was last saved.</source>
        <translation>Veltrona n&apos;a pas pu enregistrer ces fichiers :
%1

Libérez de la place ou réparez le dossier puis réessayez, ou fermez quand même : le calcul en cours sera alors rétabli au prochain démarrage tel qu&apos;il a été enregistré en dernier.</translation>
    </message>
    <message>
        <source>Annotate Tape</source>
        <translation>Annoter la bande</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Effacer la bande</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Enregistrer la bande sous</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Rich Text Files (*.rtf)</source>
        <translation>Fichiers RTF (*.rtf)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Show Tape</source>
        <translation>Afficher la bande</translation>
    </message>
    <message>
        <source>Hide Tape</source>
        <translation>Masquer la bande</translation>
    </message>
    <message>
        <source>Show tape</source>
        <translation>Afficher la bande</translation>
    </message>
    <message>
        <source>Hide tape</source>
        <translation>Masquer la bande</translation>
    </message>
    <message>
        <source>Back to Prev Number</source>
        <translation>Retour au nombre précédent</translation>
    </message>
    <message>
        <source>Back to previous number</source>
        <translation>Retour au nombre précédent</translation>
    </message>
    <message>
        <source>Forward to Next Number</source>
        <translation>Aller au nombre suivant</translation>
    </message>
    <message>
        <source>Forward to next number</source>
        <translation>Aller au nombre suivant</translation>
    </message>
    <message>
        <source>Replay Calculation</source>
        <translation>Rejouer le calcul</translation>
    </message>
    <message>
        <source>Replay calculation</source>
        <translation>Rejouer le calcul</translation>
    </message>
    <message>
        <source>Clear tape</source>
        <translation>Effacer la bande</translation>
    </message>
    <message>
        <source>Annotate tape</source>
        <translation>Annoter la bande</translation>
    </message>
    <message>
        <source>Next tape format</source>
        <translation>Format de bande suivant</translation>
    </message>
    <message>
        <source>More decimal places</source>
        <translation>Plus de décimales</translation>
    </message>
    <message>
        <source>Fewer decimal places</source>
        <translation>Moins de décimales</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Previous calculations</source>
        <translation>Calculs précédents</translation>
    </message>
    <message>
        <source>&amp;New Tape</source>
        <translation>&amp;Nouvelle bande</translation>
    </message>
    <message>
        <source>&amp;Open Tape...</source>
        <translation>&amp;Ouvrir une bande...</translation>
    </message>
    <message>
        <source>Rec&amp;ent Tapes</source>
        <translation>Bandes &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;Reopen Last Tape</source>
        <translation>Rouvrir la &amp;dernière bande</translation>
    </message>
    <message>
        <source>&amp;Save Tape</source>
        <translation>&amp;Enregistrer la bande</translation>
    </message>
    <message>
        <source>%1%2 - Veltrona</source>
        <translation>%1%2 - Veltrona</translation>
    </message>
    <message>
        <source>Opening the tape...</source>
        <translation>Ouverture de la bande...</translation>
    </message>
    <message>
        <source>The tape %1 has changes that are not saved. Save them?</source>
        <translation>La bande %1 a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Open Tape</source>
        <translation>Ouvrir une bande</translation>
    </message>
    <message>
        <source>Veltrona tape (*.vtape)</source>
        <translation>Bande Veltrona (*.vtape)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be opened as a tape.

%2</source>
        <translation>%1 n&apos;a pas pu être ouvert comme bande.

%2</translation>
    </message>
    <message>
        <source>There is no last tape to reopen.</source>
        <translation>Il n&apos;y a pas de dernière bande à rouvrir.</translation>
    </message>
    <message>
        <source>The last tape could not be reopened.

%1</source>
        <translation>La dernière bande n&apos;a pas pu être rouverte.

%1</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent tapes.</source>
        <translation>%1 n&apos;existe plus ; il a été retiré de la liste des bandes récentes.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About Veltrona</source>
        <translation>À propos de Veltrona</translation>
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
        <translation>Options</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Precedence</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Priorité des opérations</translation>
    </message>
    <message>
        <source>As Entered</source>
        <translation>Ordre de saisie</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>Sub Totals</source>
        <translation>Sous-totaux</translation>
    </message>
    <message>
        <source>Show SubTotals</source>
        <translation>Afficher les sous-totaux</translation>
    </message>
    <message>
        <source>Brackets:</source>
        <translation>Cadre :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
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
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>99.99</source>
        <translation>99.99</translation>
    </message>
    <message>
        <source>Change..</source>
        <translation>Changer..</translation>
    </message>
    <message>
        <source>Expand Operators</source>
        <translation>Détailler les fonctions</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Fixed Digits:</source>
        <translation>Décimales :</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Totals on Tape in</source>
        <translation>Totaux sur la bande en</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Negative in Red</source>
        <translation>Négatifs en rouge</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>Tax Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Tax Rate:</source>
        <translation>Taux :</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Annotation</translation>
    </message>
    <message>
        <source>Annotations in</source>
        <translation>Annotations en</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Veltrona speaks the chosen language from its next start.</source>
        <translation>Veltrona parle la langue choisie à partir de son prochain démarrage.</translation>
    </message>
    <message>
        <source>Invalid Tax Rate</source>
        <translation>Taux de taxe non valide</translation>
    </message>
    <message>
        <source>Invalid Fixed Digits</source>
        <translation>Nombre de décimales fixes non valide</translation>
    </message>
    <message>
        <source>Receipt 42</source>
        <translation>Reçu 42</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Veltrona Help</source>
        <translation>Aide de Veltrona</translation>
    </message>
</context>
<context>
    <name>TNoteForm</name>
    <message>
        <source>Annotation</source>
        <translation>Annotation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TapeDocument</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1 Mo.</translation>
    </message>
    <message>
        <source>It is cut short or is not a tape document (%1 at byte %2).</source>
        <translation>Le fichier est tronqué ou n&apos;est pas un document de bande (%1 à l&apos;octet %2).</translation>
    </message>
    <message>
        <source>It is not a Veltrona tape document.</source>
        <translation>Le fichier n&apos;est pas un document de bande Veltrona.</translation>
    </message>
    <message>
        <source>Its format version is missing or not a number.</source>
        <translation>La version du format manque ou n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>It was written in tape format version %1 by a newer Veltrona; this one reads version %2.</source>
        <translation>Le fichier a été écrit au format de bande version %1 par un Veltrona plus récent ; celui-ci lit la version %2.</translation>
    </message>
    <message>
        <source>Its tape font is not a font.</source>
        <translation>Sa police de bande n&apos;est pas une police.</translation>
    </message>
    <message>
        <source>It has no tape lines.</source>
        <translation>Le fichier ne contient aucune ligne de bande.</translation>
    </message>
    <message>
        <source>It has %1 lines; a tape may have at most %2.</source>
        <translation>Le fichier a %1 lignes ; une bande peut en avoir au plus %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a tape line.</source>
        <translation>La ligne %1 n&apos;est pas une ligne de bande.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 characters.</source>
        <translation>La ligne %1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>Its current calculation is missing.</source>
        <translation>Son calcul en cours manque.</translation>
    </message>
    <message>
        <source>Calculation %1 is not a calculation.</source>
        <translation>Le calcul %1 n&apos;est pas un calcul.</translation>
    </message>
    <message>
        <source>Calculation %1 does not work out to the total it records.</source>
        <translation>Le calcul %1 ne donne pas le total qu&apos;il enregistre.</translation>
    </message>
    <message>
        <source>A line points at a number its calculation does not have.</source>
        <translation>Une ligne renvoie à un nombre que son calcul n&apos;a pas.</translation>
    </message>
    <message>
        <source>Its display is damaged.</source>
        <translation>Son affichage est endommagé.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Le fichier n&apos;a pas pu être lu : %1</translation>
    </message>
</context>
<context>
    <name>TapeOutput</name>
    <message>
        <source>the printer could not be started</source>
        <translation>l&apos;imprimante n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>une nouvelle page n&apos;a pas pu être commencée</translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation>les pages n&apos;ont pas pu être terminées</translation>
    </message>
    <message>
        <source>The tape could not be printed: %1.</source>
        <translation>La bande n&apos;a pas pu être imprimée : %1.</translation>
    </message>
    <message>
        <source>no printer is installed</source>
        <translation>aucune imprimante n&apos;est installée</translation>
    </message>
    <message>
        <source>the printer failed</source>
        <translation>l&apos;imprimante a échoué</translation>
    </message>
    <message>
        <source>the print job was cancelled</source>
        <translation>l&apos;impression a été annulée</translation>
    </message>
    <message>
        <source>The tape could not be saved to &quot;%1&quot;: %2.</source>
        <translation>La bande n&apos;a pas pu être enregistrée dans « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>TapeWorkbook</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the Excel workbook library (libxlsxwriter 4) is not installed</source>
        <translation>la bibliothèque des classeurs Excel (libxlsxwriter 4) n&apos;est pas installée</translation>
    </message>
</context>
<context>
    <name>TaxName</name>
    <message>
        <source>Tax</source>
        <translation>TVA</translation>
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
        <translation>Division par zéro impossible</translation>
    </message>
    <message>
        <source>Number too Large</source>
        <translation>Nombre trop grand</translation>
    </message>
    <message>
        <source>Invalid Input</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>Equation Limit Reached!</source>
        <translation>Limite du calcul atteinte !</translation>
    </message>
    <message>
        <source>Invalid fSubTotalSymIndex</source>
        <translation>fSubTotalSymIndex non valide</translation>
    </message>
    <message>
        <source>Invalid fExpandOperSymIndex</source>
        <translation>fExpandOperSymIndex non valide</translation>
    </message>
    <message>
        <source>rd</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>gr</translation>
    </message>
    <message>
        <source>Too Large to Show as Hex</source>
        <translation>Trop grand pour l&apos;hexa</translation>
    </message>
    <message>
        <source>Unknown Tape Format!</source>
        <translation>Format de bande inconnu !</translation>
    </message>
    <message>
        <source>Incl </source>
        <translation>Incl. </translation>
    </message>
    <message>
        <source>Invalid Number</source>
        <translation>Nombre non valide</translation>
    </message>
    <message>
        <source>Line %1 of the pasted text is not a number; nothing was entered.</source>
        <translation>La ligne %1 du texte collé n&apos;est pas un nombre ; rien n&apos;a été saisi.</translation>
    </message>
    <message>
        <source>Lines %1 of the pasted text are not numbers; nothing was entered.</source>
        <translation>Les lignes %1 du texte collé ne sont pas des nombres ; rien n&apos;a été saisi.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 autres</translation>
    </message>
    <message>
        <source>The pasted column holds %1 numbers; the calculation has room for %2. Nothing was entered.</source>
        <translation>La colonne collée contient %1 nombres ; le calcul a de la place pour %2. Rien n&apos;a été saisi.</translation>
    </message>
    <message>
        <source>Mem: Hex %1</source>
        <translation>Mém : Hex %1</translation>
    </message>
    <message>
        <source>Mem:%1</source>
        <translation>Mém:%1</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Scient. (%1)</source>
        <translation>Scient. (%1)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Monétaire</translation>
    </message>
    <message>
        <source>Fixed (%1)</source>
        <translation>Fixe (%1)</translation>
    </message>
    <message>
        <source>As Entered</source>
        <translation>Ordre de saisie</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>No Number in Memory</source>
        <translation>Aucun nombre en mémoire</translation>
    </message>
    <message>
        <source>Memory = %1</source>
        <translation>Mémoire = %1</translation>
    </message>
    <message>
        <source>Memory = Hex %1</source>
        <translation>Mémoire = Hex %1</translation>
    </message>
    <message>
        <source>Number too large to show as Hex</source>
        <translation>Nombre trop grand pour l&apos;hexadécimal</translation>
    </message>
    <message>
        <source>Tape Format:%1</source>
        <translation>Format de bande : %1</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Scientific: %1</source>
        <translation>Scientifique : %1</translation>
    </message>
    <message>
        <source>Fixed: %1</source>
        <translation>Fixe : %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Veltrona is already running, but it does not answer.

Close the running Veltrona, or end it if it hangs, and start Veltrona again.</source>
        <translation>Veltrona est déjà lancé, mais il ne répond pas.

Fermez le Veltrona en cours, ou arrêtez-le s&apos;il est bloqué, puis relancez Veltrona.</translation>
    </message>
</context>
<context>
    <name>veltrona-tape</name>
    <message>
        <source>&apos;%1&apos; has more digits than the keypad takes (ten before the point, nine after it)</source>
        <translation>&apos;%1&apos; a plus de chiffres que le clavier n&apos;en accepte (dix avant la virgule, neuf après)</translation>
    </message>
    <message>
        <source>unknown word &apos;%1&apos;</source>
        <translation>mot inconnu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the keypad types no negative number with an exponent; use 0 - %2</source>
        <translation>&apos;%1&apos; : le clavier ne saisit pas de nombre négatif avec exposant ; utilisez 0 - %2</translation>
    </message>
    <message>
        <source>Try &apos;veltrona-tape --help&apos;.</source>
        <translation>Essayez &apos;veltrona-tape --help&apos;.</translation>
    </message>
    <message>
        <source>place %1 of the history</source>
        <translation>la place %1 de l&apos;historique</translation>
    </message>
    <message>
        <source>no calculation at %1 (%2)</source>
        <translation>aucun calcul à %1 (%2)</translation>
    </message>
    <message>
        <source>; a damaged file was kept aside as %1</source>
        <translation> ; un fichier endommagé a été mis de côté sous %1</translation>
    </message>
    <message>
        <source>the calculation at %1 is damaged (%2); the calculator keeps it aside as %3 at its next start</source>
        <translation>le calcul à %1 est endommagé (%2) ; la calculatrice le mettra de côté sous %3 à son prochain démarrage</translation>
    </message>
    <message>
        <source>argument </source>
        <translation>argument </translation>
    </message>
    <message>
        <source>option %1 wants %2, not &apos;%3&apos;</source>
        <translation>l&apos;option %1 attend %2, pas &apos;%3&apos;</translation>
    </message>
    <message>
        <source>a width from 1 to 1000</source>
        <translation>une largeur de 1 à 1000</translation>
    </message>
    <message>
        <source>general, scientific, currency or fixed</source>
        <translation>general, scientific, currency ou fixed</translation>
    </message>
    <message>
        <source>a number of decimals from 0 to 18</source>
        <translation>un nombre de décimales de 0 à 18</translation>
    </message>
    <message>
        <source>a rate in per cent from 0 to 999</source>
        <translation>un taux en pour cent de 0 à 999</translation>
    </message>
    <message>
        <source>a name of one to three characters without blanks</source>
        <translation>un nom d&apos;un à trois caractères sans espace</translation>
    </message>
    <message>
        <source>a place from 1 to 5</source>
        <translation>une place de 1 à 5</translation>
    </message>
    <message>
        <source>option %1 wants a value</source>
        <translation>l&apos;option %1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--load and --history both name a calculation</source>
        <translation>--load et --history désignent tous deux un calcul</translation>
    </message>
    <message>
        <source>line %1, word </source>
        <translation>ligne %1, mot </translation>
    </message>
    <message>
        <source>line %1: &apos;%2&apos; is not an amount</source>
        <translation>ligne %1 : &apos;%2&apos; n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>cannot read a calculation from %1</source>
        <translation>impossible de lire un calcul dans %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
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
        <translation>Usage : veltrona-tape [OPTION]... [MOT]...
Imprime la bande d&apos;une calculatrice imprimante pour un calcul, comme la fenêtre de Veltrona
l&apos;affiche.

Le calcul est donné en mots : en arguments, ou sans eux un ou plusieurs mots par ligne sur
l&apos;entrée standard (avec une invite si c&apos;est un terminal). Un mot est une touche de la
calculatrice :
  nombres      12  1.5  1,5 (le séparateur de la locale)  1.5e3  2.5e-4  -7
  opérateurs   +  -  *  x  /  %  =  ^  ^1/
  fonctions    Sqr Sqrt 1/ Log Exp Loge Expe Sin ASin Cos ACos Tan ATan  (Exp est 10^x)
  taxe         +tax  -tax  tax(i)  tax(e)  (aussi avec le nom de la taxe : +TVA)
  touches      ce  c  bck  +/-  pi  min  m+  mr  mc  recalc
  modes        dec  hex  deg  rad  grad      quit termine la saisie
Les noms se lisent sans tenir compte de la casse. Protégez * et ( ) pour le shell.

Options :
  --width N          aligner la bande à droite sur N colonnes (par défaut : celles du
                     terminal, sinon 40)
  --csv              écrire la bande en CSV (kind,operator,value,text) à la place
  --sum              chaque ligne d&apos;entrée est un montant ; imprimer la bande de leur total
  --defaults         utiliser les réglages du premier démarrage, pas ceux enregistrés
  --as-entered       calculer dans l&apos;ordre de saisie (--arithmetic : selon la priorité)
  --format F         format de bande : general, scientific, currency ou fixed
  --decimals N       décimales des formats scientific et fixed (0 à 18)
  --tax-rate R       taux de taxe en pour cent (0 à 999)
  --tax-name T       nom de la taxe, trois caractères au plus
  --hex              nombres hexadécimaux
  --deg, --rad, --grad   unité d&apos;angle (degrés par défaut)
  --load FICHIER     rejouer d&apos;abord un fichier de calcul sur la bande
  --history N        rejouer le N-ième dernier calcul de l&apos;historique de la fenêtre (1 à 5)
  --save FICHIER     enregistrer le calcul dans un fichier de calcul à la fin
  --xlsx FICHIER     enregistrer la bande dans un classeur Excel à la fin (colonnes du CSV)
  --open-tape FICHIER  afficher d&apos;abord un document de bande (.vtape) comme la fenêtre le montre,
                     et poursuivre son calcul
  --save-tape FICHIER  enregistrer la bande affichée comme document de bande que la fenêtre ouvre
  --help, --version

Code de sortie : 0 ; 1 si la bande contient une erreur ou si la calculatrice en a signalé
une ; 2 pour un mot, une option ou un fichier incorrect. Les réglages enregistrés sont lus,
jamais écrits. NO_COLOR désactive les couleurs du terminal.
</translation>
    </message>
    <message>
        <source>cannot open %1 as a tape: %2</source>
        <translation>impossible d&apos;ouvrir %1 comme bande : %2</translation>
    </message>
</context>
</TS>
