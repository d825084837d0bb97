<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Guardar el número en memoria</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
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
        <translation>Sumar el número a la memoria</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>Clear Displayed Number</source>
        <translation>Borrar el número mostrado</translation>
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
        <translation>Recuperar el número de la memoria</translation>
    </message>
    <message>
        <source>Bck</source>
        <translation>Retr</translation>
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
        <translation>Borrar la memoria</translation>
    </message>
    <message>
        <source>Math</source>
        <translation>Mat</translation>
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
        <translation>Dec.</translation>
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
        <translation>IVA</translation>
    </message>
    <message>
        <source>+Tax</source>
        <translation>+Imp</translation>
    </message>
    <message>
        <source>Plus Tax</source>
        <translation>Sumar impuesto</translation>
    </message>
    <message>
        <source>Tax(I)</source>
        <translation>Imp(I)</translation>
    </message>
    <message>
        <source>Includes Tax</source>
        <translation>Impuesto incluido</translation>
    </message>
    <message>
        <source>-Tax</source>
        <translation>-Imp</translation>
    </message>
    <message>
        <source>Minus Tax</source>
        <translation>Restar impuesto</translation>
    </message>
    <message>
        <source>Tax(E)</source>
        <translation>Imp(E)</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Coma decimal</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambiar signo</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Recalcular</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Borrar entrada</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Guardar en memoria</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Sumar a memoria</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Recuperar memoria</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponente</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Raíz</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Coseno</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Arc sine</source>
        <translation>Arcoseno</translation>
    </message>
    <message>
        <source>Arc cosine</source>
        <translation>Arcocoseno</translation>
    </message>
    <message>
        <source>Arc tangent</source>
        <translation>Arcotangente</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Angle unit</source>
        <translation>Unidad de ángulo</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Gradians</source>
        <translation>Grados centesimales</translation>
    </message>
    <message>
        <source>Hex digit A</source>
        <translation>Dígito hex A</translation>
    </message>
    <message>
        <source>Hex digit B</source>
        <translation>Dígito hex B</translation>
    </message>
    <message>
        <source>Hex digit C</source>
        <translation>Dígito hex C</translation>
    </message>
    <message>
        <source>Hex digit D</source>
        <translation>Dígito hex D</translation>
    </message>
    <message>
        <source>Hex digit E</source>
        <translation>Dígito hex E</translation>
    </message>
    <message>
        <source>Hex digit F</source>
        <translation>Dígito hex F</translation>
    </message>
    <message>
        <source>Number base</source>
        <translation>Base numérica</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Logaritmo decimal</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logaritmo natural</translation>
    </message>
    <message>
        <source>Ten to the power</source>
        <translation>Diez elevado a</translation>
    </message>
    <message>
        <source>e to the power</source>
        <translation>e elevado a</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Math functions</source>
        <translation>Funciones matemáticas</translation>
    </message>
    <message>
        <source>Trigonometry</source>
        <translation>Trigonometría</translation>
    </message>
    <message>
        <source>Hexadecimal keys</source>
        <translation>Teclas hexadecimales</translation>
    </message>
    <message>
        <source>Logarithms</source>
        <translation>Logaritmos</translation>
    </message>
    <message>
        <source>The calculation&apos;s numbers, results and notes, one to a line</source>
        <translation>Los números, resultados y notas del cálculo, uno por línea</translation>
    </message>
    <message>
        <source>More tool buttons</source>
        <translation>Más botones de herramientas</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Cerrar de todos modos</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Veltrona encountered an error when displaying help<byte value="xd"/>Help File<byte value="xd"/>%1<byte value="xd"/>Not Found</source>
        <translation>Veltrona no pudo mostrar la ayuda<byte value="xd"/>Archivo de ayuda<byte value="xd"/>%1<byte value="xd"/>no encontrado</translation>
    </message>
    <message>
        <source>Veltrona encountered an error when displaying help<byte value="xd"/>See the Readme.txt file in<byte value="xd"/>%1<byte value="xd"/>For likely causes...</source>
        <translation>Veltrona no pudo mostrar la ayuda<byte value="xd"/>Las causas probables están en el archivo Readme.txt de<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Cinta</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Save Tape As...</source>
        <translation>Guardar cinta como...</translation>
    </message>
    <message>
        <source>Page Se&amp;tup...</source>
        <translation>Config&amp;urar página...</translation>
    </message>
    <message>
        <source>&amp;Print Tape</source>
        <translation>&amp;Imprimir cinta</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy &amp;Calculation</source>
        <translation>Copiar cá&amp;lculo</translation>
    </message>
    <message>
        <source>&amp;ToolBar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Always On Top</source>
        <translation>&amp;Siempre visible</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>&amp;Normal Size</source>
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Large Size </source>
        <translation>Tamaño &amp;grande </translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Scientific</source>
        <translation>&amp;Científico</translation>
    </message>
    <message>
        <source>&amp;Currency</source>
        <translation>&amp;Moneda</translation>
    </message>
    <message>
        <source>F&amp;ixed</source>
        <translation>&amp;Fijo</translation>
    </message>
    <message>
        <source>&amp;Annotate...</source>
        <translation>&amp;Anotar...</translation>
    </message>
    <message>
        <source>Tape &amp;Font...</source>
        <translation>F&amp;uente de la cinta...</translation>
    </message>
    <message>
        <source>&amp;Hide Tape</source>
        <translation>&amp;Ocultar cinta</translation>
    </message>
    <message>
        <source>Cle&amp;ar Tape</source>
        <translation>&amp;Borrar cinta</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>%1 could not be read and could not be moved aside.</source>
        <translation>No se pudo leer %1 ni apartarlo.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was kept as %2.</source>
        <translation>No se pudo leer %1; se ha guardado como %2.</translation>
    </message>
    <message>
        <source>Some saved calculations are damaged and were left out of the history:</source>
        <translation>Algunos cálculos guardados están dañados y se han dejado fuera del historial:</translation>
    </message>
    <message>
        <source>Plus %1</source>
        <translation>Más %1</translation>
    </message>
    <message>
        <source>Minus %1</source>
        <translation>Menos %1</translation>
    </message>
    <message>
        <source>%1 included</source>
        <translation>%1 incluido</translation>
    </message>
    <message>
        <source>%1 excluded</source>
        <translation>%1 excluido</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Sin guardar: %1</translation>
    </message>
    <message>
        <source>Veltrona could not save to these files:
%1
Your work is kept while the program runs; it tries again after every change.</source>
        <translation>Veltrona no pudo guardar en estos archivos:
%1
Su trabajo se conserva mientras el programa esté abierto; lo vuelve a intentar tras cada cambio.</translation>
    </message>
    <message>
        <source>Veltrona could not save to these files:
%1

Free some space or fix the folder and retry, or close anyway: the calculation being worked on is then brought back at the next start as far as it was last saved.</source>
        <translation>Veltrona no pudo guardar en estos archivos:
%1

Libere espacio o repare la carpeta y reintente, o cierre de todos modos: el cálculo en curso se recuperará en el próximo inicio tal como se guardó por última vez.</translation>
    </message>
    <message>
        <source>Annotate Tape</source>
        <translation>Anotar la cinta</translation>
    </message>
    <message>
        <source>Clear Tape</source>
        <translation>Borrar la cinta</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Guardar cinta como</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Rich Text Files (*.rtf)</source>
        <translation>Archivos RTF (*.rtf)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Show Tape</source>
        <translation>Mostrar la cinta</translation>
    </message>
    <message>
        <source>Hide Tape</source>
        <translation>Ocultar la cinta</translation>
    </message>
    <message>
        <source>Show tape</source>
        <translation>Mostrar la cinta</translation>
    </message>
    <message>
        <source>Hide tape</source>
        <translation>Ocultar la cinta</translation>
    </message>
    <message>
        <source>Back to Prev Number</source>
        <translation>Volver al número anterior</translation>
    </message>
    <message>
        <source>Back to previous number</source>
        <translation>Volver al número anterior</translation>
    </message>
    <message>
        <source>Forward to Next Number</source>
        <translation>Avanzar al número siguiente</translation>
    </message>
    <message>
        <source>Forward to next number</source>
        <translation>Avanzar al número siguiente</translation>
    </message>
    <message>
        <source>Replay Calculation</source>
        <translation>Repetir el cálculo</translation>
    </message>
    <message>
        <source>Replay calculation</source>
        <translation>Repetir el cálculo</translation>
    </message>
    <message>
        <source>Clear tape</source>
        <translation>Borrar la cinta</translation>
    </message>
    <message>
        <source>Annotate tape</source>
        <translation>Anotar la cinta</translation>
    </message>
    <message>
        <source>Next tape format</source>
        <translation>Siguiente formato de cinta</translation>
    </message>
    <message>
        <source>More decimal places</source>
        <translation>Más decimales</translation>
    </message>
    <message>
        <source>Fewer decimal places</source>
        <translation>Menos decimales</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Previous calculations</source>
        <translation>Cálculos anteriores</translation>
    </message>
    <message>
        <source>&amp;New Tape</source>
        <translation>&amp;Nueva cinta</translation>
    </message>
    <message>
        <source>&amp;Open Tape...</source>
        <translation>&amp;Abrir cinta...</translation>
    </message>
    <message>
        <source>Rec&amp;ent Tapes</source>
        <translation>Cintas &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Reopen Last Tape</source>
        <translation>Reabrir la última &amp;cinta</translation>
    </message>
    <message>
        <source>&amp;Save Tape</source>
        <translation>&amp;Guardar cinta</translation>
    </message>
    <message>
        <source>%1%2 - Veltrona</source>
        <translation>%1%2 - Veltrona</translation>
    </message>
    <message>
        <source>Opening the tape...</source>
        <translation>Abriendo la cinta...</translation>
    </message>
    <message>
        <source>The tape %1 has changes that are not saved. Save them?</source>
        <translation>La cinta %1 tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Open Tape</source>
        <translation>Abrir cinta</translation>
    </message>
    <message>
        <source>Veltrona tape (*.vtape)</source>
        <translation>Cinta de Veltrona (*.vtape)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be opened as a tape.

%2</source>
        <translation>No se pudo abrir %1 como cinta.

%2</translation>
    </message>
    <message>
        <source>There is no last tape to reopen.</source>
        <translation>No hay ninguna última cinta que reabrir.</translation>
    </message>
    <message>
        <source>The last tape could not be reopened.

%1</source>
        <translation>No se pudo reabrir la última cinta.

%1</translation>
    </message>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent tapes.</source>
        <translation>%1 ya no existe; se ha quitado de la lista de cintas recientes.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>About Veltrona</source>
        <translation>Acerca de Veltrona</translation>
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
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Precedence</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Jerarquía de operaciones</translation>
    </message>
    <message>
        <source>As Entered</source>
        <translation>Orden de entrada</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>Sub Totals</source>
        <translation>Subtotales</translation>
    </message>
    <message>
        <source>Show SubTotals</source>
        <translation>Mostrar subtotales</translation>
    </message>
    <message>
        <source>Brackets:</source>
        <translation>Signos:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
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
        <translation>Color:</translation>
    </message>
    <message>
        <source>99.99</source>
        <translation>99.99</translation>
    </message>
    <message>
        <source>Change..</source>
        <translation>Cambiar..</translation>
    </message>
    <message>
        <source>Expand Operators</source>
        <translation>Detallar funciones</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Fixed Digits:</source>
        <translation>Decimales:</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Totals on Tape in</source>
        <translation>Totales en la cinta en</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Negative in Red</source>
        <translation>Negativos en rojo</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Tax Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Tax Rate:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <source>Annotations in</source>
        <translation>Anotaciones en</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Veltrona speaks the chosen language from its next start.</source>
        <translation>Veltrona usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Invalid Tax Rate</source>
        <translation>Tipo impositivo no válido</translation>
    </message>
    <message>
        <source>Invalid Fixed Digits</source>
        <translation>Decimales fijos no válidos</translation>
    </message>
    <message>
        <source>Receipt 42</source>
        <translation>Recibo 42</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Veltrona Help</source>
        <translation>Ayuda de Veltrona</translation>
    </message>
</context>
<context>
    <name>TNoteForm</name>
    <message>
        <source>Annotation</source>
        <translation>Anotación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TapeDocument</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>El archivo supera los %1 MB.</translation>
    </message>
    <message>
        <source>It is cut short or is not a tape document (%1 at byte %2).</source>
        <translation>El archivo está truncado o no es un documento de cinta (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>It is not a Veltrona tape document.</source>
        <translation>El archivo no es un documento de cinta de Veltrona.</translation>
    </message>
    <message>
        <source>Its format version is missing or not a number.</source>
        <translation>Falta la versión del formato o no es un número.</translation>
    </message>
    <message>
        <source>It was written in tape format version %1 by a newer Veltrona; this one reads version %2.</source>
        <translation>El archivo se escribió en la versión %1 del formato de cinta con un Veltrona más reciente; este lee la versión %2.</translation>
    </message>
    <message>
        <source>Its tape font is not a font.</source>
        <translation>Su fuente de cinta no es una fuente.</translation>
    </message>
    <message>
        <source>It has no tape lines.</source>
        <translation>El archivo no contiene líneas de cinta.</translation>
    </message>
    <message>
        <source>It has %1 lines; a tape may have at most %2.</source>
        <translation>El archivo tiene %1 líneas; una cinta puede tener como máximo %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a tape line.</source>
        <translation>La línea %1 no es una línea de cinta.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 characters.</source>
        <translation>La línea %1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Its current calculation is missing.</source>
        <translation>Falta su cálculo actual.</translation>
    </message>
    <message>
        <source>Calculation %1 is not a calculation.</source>
        <translation>El cálculo %1 no es un cálculo.</translation>
    </message>
    <message>
        <source>Calculation %1 does not work out to the total it records.</source>
        <translation>El cálculo %1 no da el total que registra.</translation>
    </message>
    <message>
        <source>A line points at a number its calculation does not have.</source>
        <translation>Una línea apunta a un número que su cálculo no tiene.</translation>
    </message>
    <message>
        <source>Its display is damaged.</source>
        <translation>Su pantalla está dañada.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
</context>
<context>
    <name>TapeOutput</name>
    <message>
        <source>the printer could not be started</source>
        <translation>no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>a new page could not be started</source>
        <translation>no se pudo empezar una página nueva</translation>
    </message>
    <message>
        <source>the pages could not be finished</source>
        <translation>no se pudieron terminar las páginas</translation>
    </message>
    <message>
        <source>The tape could not be printed: %1.</source>
        <translation>No se pudo imprimir la cinta: %1.</translation>
    </message>
    <message>
        <source>no printer is installed</source>
        <translation>no hay ninguna impresora instalada</translation>
    </message>
    <message>
        <source>the printer failed</source>
        <translation>la impresora falló</translation>
    </message>
    <message>
        <source>the print job was cancelled</source>
        <translation>se canceló la impresión</translation>
    </message>
    <message>
        <source>The tape could not be saved to &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar la cinta en «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>TapeWorkbook</name>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the Excel workbook library (libxlsxwriter 4) is not installed</source>
        <translation>la biblioteca de libros de Excel (libxlsxwriter 4) no está instalada</translation>
    </message>
</context>
<context>
    <name>TaxName</name>
    <message>
        <source>Tax</source>
        <translation>IVA</translation>
    </message>
</context>
<context>
    <name>Translation</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>Veltrona</name>
    <message>
        <source>Cannot Divide by Zero</source>
        <translation>No se puede dividir entre cero</translation>
    </message>
    <message>
        <source>Number too Large</source>
        <translation>Número demasiado grande</translation>
    </message>
    <message>
        <source>Invalid Input</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Equation Limit Reached!</source>
        <translation>¡Límite del cálculo alcanzado!</translation>
    </message>
    <message>
        <source>Invalid fSubTotalSymIndex</source>
        <translation>fSubTotalSymIndex no válido</translation>
    </message>
    <message>
        <source>Invalid fExpandOperSymIndex</source>
        <translation>fExpandOperSymIndex no válido</translation>
    </message>
    <message>
        <source>rd</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>grad</translation>
    </message>
    <message>
        <source>Too Large to Show as Hex</source>
        <translation>Demasiado grande para hex</translation>
    </message>
    <message>
        <source>Unknown Tape Format!</source>
        <translation>¡Formato de cinta desconocido!</translation>
    </message>
    <message>
        <source>Incl </source>
        <translation>Incl. </translation>
    </message>
    <message>
        <source>Invalid Number</source>
        <translation>Número no válido</translation>
    </message>
    <message>
        <source>Line %1 of the pasted text is not a number; nothing was entered.</source>
        <translation>La línea %1 del texto pegado no es un número; no se ha introducido nada.</translation>
    </message>
    <message>
        <source>Lines %1 of the pasted text are not numbers; nothing was entered.</source>
        <translation>Las líneas %1 del texto pegado no son números; no se ha introducido nada.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>The pasted column holds %1 numbers; the calculation has room for %2. Nothing was entered.</source>
        <translation>La columna pegada tiene %1 números; el cálculo tiene sitio para %2. No se ha introducido nada.</translation>
    </message>
    <message>
        <source>Mem: Hex %1</source>
        <translation>Mem: Hex %1</translation>
    </message>
    <message>
        <source>Mem:%1</source>
        <translation>Mem:%1</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Scient. (%1)</source>
        <translation>Cient. (%1)</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Fixed (%1)</source>
        <translation>Fijo (%1)</translation>
    </message>
    <message>
        <source>As Entered</source>
        <translation>Orden de entrada</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>Jerarquía</translation>
    </message>
    <message>
        <source>No Number in Memory</source>
        <translation>No hay número en memoria</translation>
    </message>
    <message>
        <source>Memory = %1</source>
        <translation>Memoria = %1</translation>
    </message>
    <message>
        <source>Memory = Hex %1</source>
        <translation>Memoria = Hex %1</translation>
    </message>
    <message>
        <source>Number too large to show as Hex</source>
        <translation>Número demasiado grande para hexadecimal</translation>
    </message>
    <message>
        <source>Tape Format:%1</source>
        <translation>Formato de cinta: %1</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Científico</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>Scientific: %1</source>
        <translation>Científico: %1</translation>
    </message>
    <message>
        <source>Fixed: %1</source>
        <translation>Fijo: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Veltrona is already running, but it does not answer.

Close the running Veltrona, or end it if it hangs, and start Veltrona again.</source>
        <translation>Veltrona ya está en marcha, pero no responde.

Cierre el Veltrona abierto, o termínelo si está bloqueado, y vuelva a iniciar Veltrona.</translation>
    </message>
</context>
<context>
    <name>veltrona-tape</name>
    <message>
        <source>&apos;%1&apos; has more digits than the keypad takes (ten before the point, nine after it)</source>
        <translation>&apos;%1&apos; tiene más cifras de las que admite el teclado (diez antes de la coma, nueve después)</translation>
    </message>
    <message>
        <source>unknown word &apos;%1&apos;</source>
        <translation>palabra desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the keypad types no negative number with an exponent; use 0 - %2</source>
        <translation>&apos;%1&apos;: el teclado no introduce números negativos con exponente; use 0 - %2</translation>
    </message>
    <message>
        <source>Try &apos;veltrona-tape --help&apos;.</source>
        <translation>Pruebe &apos;veltrona-tape --help&apos;.</translation>
    </message>
    <message>
        <source>place %1 of the history</source>
        <translation>la posición %1 del historial</translation>
    </message>
    <message>
        <source>no calculation at %1 (%2)</source>
        <translation>no hay cálculo en %1 (%2)</translation>
    </message>
    <message>
        <source>; a damaged file was kept aside as %1</source>
        <translation>; se apartó un archivo dañado como %1</translation>
    </message>
    <message>
        <source>the calculation at %1 is damaged (%2); the calculator keeps it aside as %3 at its next start</source>
        <translation>el cálculo en %1 está dañado (%2); la calculadora lo apartará como %3 en su próximo inicio</translation>
    </message>
    <message>
        <source>argument </source>
        <translation>argumento </translation>
    </message>
    <message>
        <source>option %1 wants %2, not &apos;%3&apos;</source>
        <translation>la opción %1 espera %2, no &apos;%3&apos;</translation>
    </message>
    <message>
        <source>a width from 1 to 1000</source>
        <translation>un ancho de 1 a 1000</translation>
    </message>
    <message>
        <source>general, scientific, currency or fixed</source>
        <translation>general, scientific, currency o fixed</translation>
    </message>
    <message>
        <source>a number of decimals from 0 to 18</source>
        <translation>un número de decimales de 0 a 18</translation>
    </message>
    <message>
        <source>a rate in per cent from 0 to 999</source>
        <translation>un tipo en porcentaje de 0 a 999</translation>
    </message>
    <message>
        <source>a name of one to three characters without blanks</source>
        <translation>un nombre de uno a tres caracteres sin espacios</translation>
    </message>
    <message>
        <source>a place from 1 to 5</source>
        <translation>una posición de 1 a 5</translation>
    </message>
    <message>
        <source>option %1 wants a value</source>
        <translation>la opción %1 espera un valor</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--load and --history both name a calculation</source>
        <translation>--load y --history indican ambos un cálculo</translation>
    </message>
    <message>
        <source>line %1, word </source>
        <translation>línea %1, palabra </translation>
    </message>
    <message>
        <source>line %1: &apos;%2&apos; is not an amount</source>
        <translation>línea %1: &apos;%2&apos; no es un importe</translation>
    </message>
    <message>
        <source>cannot read a calculation from %1</source>
        <translation>no se puede leer un cálculo de %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
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
        <translation>Uso: veltrona-tape [OPCIÓN]... [PALABRA]...
Imprime la cinta de una sumadora para un cálculo, tal como la muestra la ventana de Veltrona.

El cálculo se da en palabras: como argumentos, o sin ellos una o más palabras por línea en la
entrada estándar (con un indicador si es un terminal). Una palabra es una tecla de la
calculadora:
  números      12  1.5  1,5 (el separador de la configuración regional)  1.5e3  2.5e-4  -7
  operadores   +  -  *  x  /  %  =  ^  ^1/
  funciones    Sqr Sqrt 1/ Log Exp Loge Expe Sin ASin Cos ACos Tan ATan  (Exp es 10^x)
  impuesto     +tax  -tax  tax(i)  tax(e)  (también con el nombre del impuesto: +IVA)
  teclas       ce  c  bck  +/-  pi  min  m+  mr  mc  recalc
  modos        dec  hex  deg  rad  grad      quit termina la entrada
Los nombres se leen sin distinguir mayúsculas. Entrecomille * y ( ) para el shell.

Opciones:
  --width N          alinear la cinta a la derecha en N columnas (por omisión: las del
                     terminal, si no 40)
  --csv              escribir la cinta como CSV (kind,operator,value,text)
  --sum              cada línea de entrada es un importe; imprimir la cinta de su total
  --defaults         usar la configuración del primer inicio, no la guardada
  --as-entered       calcular en el orden de entrada (--arithmetic: por jerarquía)
  --format F         formato de cinta: general, scientific, currency o fixed
  --decimals N       decimales de los formatos scientific y fixed (0 a 18)
  --tax-rate R       tipo impositivo en porcentaje (0 a 999)
  --tax-name T       nombre del impuesto de hasta tres caracteres
  --hex              números hexadecimales
  --deg, --rad, --grad   unidad de ángulo (grados por omisión)
  --load ARCHIVO     reproducir primero un archivo de cálculo en la cinta
  --history N        reproducir el N-ésimo último cálculo del historial de la ventana (1 a 5)
  --save ARCHIVO     guardar el cálculo como archivo de cálculo al final
  --xlsx ARCHIVO     guardar la cinta como libro de Excel al final (las columnas del CSV)
  --open-tape ARCHIVO  mostrar primero un documento de cinta (.vtape) como lo muestra la ventana,
                     y seguir con su cálculo
  --save-tape ARCHIVO  guardar la cinta mostrada como documento de cinta que abre la ventana
  --help, --version

Estado de salida: 0; 1 si la cinta tiene un error o la calculadora ha informado de uno; 2 si
hay una palabra, opción o archivo incorrecto. La configuración guardada se lee, nunca se
escribe. NO_COLOR desactiva los colores del terminal.
</translation>
    </message>
    <message>
        <source>cannot open %1 as a tape: %2</source>
        <translation>no se puede abrir %1 como cinta: %2</translation>
    </message>
</context>
</TS>
