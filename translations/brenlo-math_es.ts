<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About this program</source>
        <translation>Acerca de este programa</translation>
    </message>
    <message>
        <source>Brenlo Math Practice began with a parent writing math problems for a child to practise at home. The sums were first kept on a spreadsheet, and when the spreadsheet could no longer keep up with a growing child, it became this program, with its sheets, its countdown, its awards and a summary of the scores. If you have an idea, find a mistake or just want to tell how the practice went, please send an e-mail to %1. Practice Makes Perfect. Credits: written by the Brenlo Math Practice team in C++ with the Qt toolkit; sounds played with SDL2_mixer and the TimGM6mb sound font; version 2.5.1, December 2026.</source>
        <translation>Brenlo Math Practice empezó con un padre que escribía problemas de matemáticas para que su hijo practicara en casa. Al principio las cuentas se guardaban en una hoja de cálculo y, cuando la hoja de cálculo ya no daba abasto para un niño que crecía, se convirtió en este programa, con sus hojas, su cuenta atrás, sus premios y un resumen de las puntuaciones. Si tienes una idea, encuentras un error o simplemente quieres contar cómo fue la práctica, envía un correo a %1. La práctica hace al maestro. Créditos: escrito por el equipo de Brenlo Math Practice en C++ con Qt; sonidos reproducidos con SDL2_mixer y la fuente de sonido TimGM6mb; versión 2.5.1, diciembre de 2026.</translation>
    </message>
</context>
<context>
    <name>AppTitle</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5.1</source>
        <translation>El programa Brenlo Math Practice 2.5.1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>the temporary file was removed while it was being made</source>
        <translation>el archivo temporal se borró mientras se creaba</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the data could not be synced to disk</source>
        <translation>no se pudieron guardar los datos en el disco</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>You need to practice some more!</source>
        <translation>¡Tienes que practicar un poco más!</translation>
    </message>
    <message>
        <source>Good Job.. but remember Practice makes perfect</source>
        <translation>Buen trabajo.. pero recuerda: la práctica hace al maestro</translation>
    </message>
    <message>
        <source>Excellent, ready for more?</source>
        <translation>¡Excelente! ¿Quieres más?</translation>
    </message>
    <message>
        <source>Impressive!! You are getting closer to perfection</source>
        <translation>¡¡Impresionante!! Cada vez estás más cerca de la perfección</translation>
    </message>
    <message>
        <source>Perfect!! You are a genius..ready for next level?!</source>
        <translation>¡¡Perfecto!! Eres un genio.. ¿pasamos al siguiente nivel?</translation>
    </message>
</context>
<context>
    <name>ClassConfig</name>
    <message>
        <source>The class server&apos;s configuration &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar la configuración del servidor de clase &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value</source>
        <translation>&quot;%1&quot; no tiene valor</translation>
    </message>
    <message>
        <source>a second &quot;class&quot;</source>
        <translation>una segunda clave &quot;class&quot;</translation>
    </message>
    <message>
        <source>a second &quot;%1&quot; (give either &quot;service&quot; or &quot;connection&quot;, once)</source>
        <translation>una segunda clave &quot;%1&quot; (indica &quot;service&quot; o &quot;connection&quot;, una sola vez)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is longer than %1 KiB</source>
        <translation>ocupa más de %1 KiB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>no &quot;key = value&quot;</source>
        <translation>falta &quot;clave = valor&quot;</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clave desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it names no &quot;class&quot;</source>
        <translation>no indica la clave &quot;class&quot;</translation>
    </message>
    <message>
        <source>it names no &quot;service&quot; and no &quot;connection&quot;</source>
        <translation>no indica ni &quot;service&quot; ni &quot;connection&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the connection has no &quot;=&quot;</source>
        <translation>&quot;%1&quot; en la conexión no tiene &quot;=&quot;</translation>
    </message>
    <message>
        <source>a quote in the connection is not closed</source>
        <translation>unas comillas de la conexión no están cerradas</translation>
    </message>
    <message>
        <source>write the connection as &quot;keyword=value&quot; pairs, not as a URI</source>
        <translation>escribe la conexión como pares &quot;clave=valor&quot;, no como URI</translation>
    </message>
    <message>
        <source>a semicolon, which Qt&apos;s driver reads as a space</source>
        <translation>un punto y coma, que el controlador de Qt lee como un espacio</translation>
    </message>
    <message>
        <source>a password in the connection; passwords belong in ~/.pgpass or the service file</source>
        <translation>una contraseña en la conexión; las contraseñas van en ~/.pgpass o en el archivo de servicios</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>No class is set up. Name the class and its server in ~/.config/%1 or /etc/xdg/%1.</source>
        <translation>No hay ninguna clase configurada. La clase y su servidor se indican en ~/.config/%1 o en /etc/xdg/%1.</translation>
    </message>
</context>
<context>
    <name>ClassOverviewWindow</name>
    <message>
        <source>Class overview: %1</source>
        <translation>Resumen de la clase: %1</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Clase %1</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Averages and facts from</source>
        <translation>Medias y operaciones del</translation>
    </message>
    <message>
        <source>to</source>
        <translation>al</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Class %1 %2.csv</source>
        <translation>Clase %1 %2.csv</translation>
    </message>
    <message>
        <source>Save the overview as CSV</source>
        <translation>Guardar el resumen como CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>The overview was not saved as &quot;%1&quot;: %2</source>
        <translation>El resumen no se guardó como &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ClassReads</name>
    <message>
        <source>The class could not be read from the server: %1</source>
        <translation>No se pudo leer la clase del servidor: %1</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>The class &quot;%1&quot; cannot be shown: Qt&apos;s PostgreSQL driver is not installed (the package libqt6sql6-psql).</source>
        <translation>No se puede mostrar la clase &quot;%1&quot;: el controlador PostgreSQL de Qt no está instalado (el paquete libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server could not be reached or refused the connection, so the class &quot;%1&quot; cannot be shown. The server said: %2</source>
        <translation>No se pudo contactar con el servidor de la clase o este rechazó la conexión, así que no se puede mostrar la clase &quot;%1&quot;. El servidor respondió: %2</translation>
    </message>
    <message>
        <source>Your sheets are kept on this computer for now: the class server could not take them just now. They will be sent to it later by themselves.

The server said: %1</source>
        <translation>Por ahora tus hojas se guardan en este ordenador: el servidor de la clase no ha podido recibirlas ahora mismo. Se enviarán solas más tarde.

El servidor respondió: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (package libqt6sql6-psql) is not installed</source>
        <translation>El controlador PostgreSQL de Qt (paquete libqt6sql6-psql) no está instalado</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Brenlo Math Practice</source>
        <extracomment>The program&apos;s name in menus and software centres.</extracomment>
        <translation>Brenlo Math Practice</translation>
    </message>
    <message>
        <source>Arithmetic Practice</source>
        <extracomment>What kind of program it is, in menus.</extracomment>
        <translation>Práctica de aritmética</translation>
    </message>
    <message>
        <source>Arithmetic practice sheets with a countdown and awards</source>
        <extracomment>The one-line summary in menus and software centres.</extracomment>
        <translation>Hojas de práctica de aritmética con cuenta atrás y premios</translation>
    </message>
    <message>
        <source>arithmetic;sums;addition;subtraction;multiplication;division;times tables;school;</source>
        <extracomment>Search words for the desktop&apos;s menu, each ending in a semicolon; no spaces around them.</extracomment>
        <translation>aritmética;cuentas;suma;resta;multiplicación;división;tablas de multiplicar;colegio;escuela;</translation>
    </message>
    <message>
        <source>Brenlo Math Practice gives a child at home or at school sheets of 18 sums to answer before a countdown runs out. The child picks their name, types the answers, sees the corrections and hears an award that matches the score.</source>
        <translation>Brenlo Math Practice da a niños y niñas, en casa o en el colegio, hojas de 18 cuentas que hay que resolver antes de que termine la cuenta atrás. El niño o la niña elige su nombre, escribe las respuestas, ve las correcciones y oye un premio según su puntuación.</translation>
    </message>
    <message>
        <source>Addition and subtraction, or multiplication and division</source>
        <translation>Sumas y restas, o multiplicaciones y divisiones</translation>
    </message>
    <message>
        <source>Levels of difficulty and speed to choose from</source>
        <translation>Niveles de dificultad y de velocidad para elegir</translation>
    </message>
    <message>
        <source>A score record for every child who practises</source>
        <translation>Un registro de puntuaciones para cada niño que practica</translation>
    </message>
    <message>
        <source>A multiplication table to look at, and printable practice sheets</source>
        <translation>Una tabla de multiplicar para consultar y hojas de práctica para imprimir</translation>
    </message>
    <message>
        <source>The main menu: pick a kind of practice and who is practising</source>
        <extracomment>The caption of the main menu&apos;s screenshot in software centres.</extracomment>
        <translation>El menú principal: elige el tipo de práctica y quién practica</translation>
    </message>
    <message>
        <source>The scores are kept in the user&apos;s own data folder. The program goes online only when a school sets up a class server, which then collects the sheets for the teacher&apos;s class overview.</source>
        <translation>Las puntuaciones se guardan en la carpeta de datos del propio usuario. El programa solo se conecta a la red cuando un colegio configura un servidor de la clase, que entonces recoge las hojas para el resumen de la clase del profesor o la profesora.</translation>
    </message>
    <message>
        <source>Brenlo Class Overview</source>
        <extracomment>The teacher&apos;s program: its name, kind and one-line summary in menus, and search words.</extracomment>
        <translation>Brenlo Class Overview</translation>
    </message>
    <message>
        <source>Class Practice Overview</source>
        <translation>Resumen de la práctica de la clase</translation>
    </message>
    <message>
        <source>A teacher&apos;s overview of a class&apos;s arithmetic practice sheets</source>
        <translation>Resumen para el profesorado de las hojas de práctica de aritmética de una clase</translation>
    </message>
    <message>
        <source>arithmetic;class;teacher;school;scores;practice;</source>
        <translation>aritmética;clase;profesor;profesora;maestro;maestra;colegio;escuela;puntuaciones;práctica;</translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Easy, hit start when ready</source>
        <translation>Fácil; pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Normal, hit start when ready</source>
        <translation>Normal; pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Dfficult, hit start when ready</source>
        <translation>Difícil; pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>More Difficult, hit start when ready</source>
        <translation>Más difícil; pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Super Difficult, hit start when ready</source>
        <translation>Superdifícil; pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Difficult, hit start when ready</source>
        <translation>Difícil; pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Difficulty Level Set</source>
        <translation>Nivel de dificultad</translation>
    </message>
    <message>
        <source>Pick your difficulty</source>
        <translation>Elige la dificultad</translation>
    </message>
    <message>
        <source>Pick Your Difficult</source>
        <translation>Elige la dificultad</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>Home folder (%1)</source>
        <translation>Carpeta personal (%1)</translation>
    </message>
</context>
<context>
    <name>FactsGrid</name>
    <message>
        <source>Grid of facts by share answered right</source>
        <translation>Cuadrícula de operaciones según su proporción de aciertos</translation>
    </message>
    <message>
        <source>Show as table lists the same facts</source>
        <translation>&quot;Ver como tabla&quot; muestra las mismas operaciones</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <source>Facts</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Each cell: the share answered right and how often asked; dark violet for none right, through blue and green, to yellow for all right.</source>
        <translation>Cada casilla: la proporción de aciertos y cuántas veces se preguntó; violeta oscuro si no hubo ningún acierto, pasando por azul y verde, hasta amarillo si todas fueron correctas.</translation>
    </message>
    <message>
        <source>Missed most, outside the grids:</source>
        <translation>Las más falladas, fuera de las cuadrículas:</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Ver como tabla</translation>
    </message>
    <message>
        <source>Grid of facts</source>
        <translation>Cuadrícula de operaciones</translation>
    </message>
    <message>
        <source>Every fact as a table</source>
        <translation>Todas las operaciones en una tabla</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Headings: how often a problem was asked, and answered right.</extracomment>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Tasa de aciertos</translation>
    </message>
    <message>
        <source>Time (estimate)</source>
        <translation>Tiempo (estimado)</translation>
    </message>
    <message>
        <source>Problems outside the grids missed most</source>
        <translation>Operaciones más falladas fuera de las cuadrículas</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A heading: how often a problem was answered wrong.</extracomment>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Error más frecuente</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Facts of %1 from %2 to %3</source>
        <translation>Operaciones de %1 del %2 al %3</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>The answers could not be read from &quot;%1&quot;: %2</source>
        <translation>No se pudieron leer las respuestas de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Typical time per fact, an estimate from the boxes filled in order: %1</source>
        <translation>Tiempo típico por operación, estimado a partir de las casillas rellenadas en orden: %1</translation>
    </message>
    <message>
        <source>Typical time per fact: too few boxes filled in order for an estimate</source>
        <translation>Tiempo típico por operación: hay muy pocas casillas rellenadas en orden para estimarlo</translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>FolderListing</name>
    <message>
        <source>This folder is not there any more; was its medium removed?</source>
        <translation>Esta carpeta ya no está; ¿se ha extraído su disco o memoria?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1.</source>
        <translation>No se puede leer esta carpeta: %1.</translation>
    </message>
    <message>
        <source>One entry here is not shown: its name is not valid text.</source>
        <translation>Un elemento de aquí no se muestra: su nombre no es un texto válido.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries here are not shown: their names are not valid text.</source>
        <translation>
            <numerusform>%n elemento de aquí no se muestra: su nombre no es un texto válido.</numerusform>
            <numerusform>%n elementos de aquí no se muestran: sus nombres no son un texto válido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading this folder stopped: %1.</source>
        <translation>Se dejó de leer esta carpeta: %1.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>This program is menu driven, when entering, just hit tab, and it will bring you to the next field.  When time is up, all the fields will be locked.  Any question , please contact </source>
        <translation>Este programa se maneja con menús; al escribir, pulsa Tab y pasarás a la casilla siguiente.  Cuando se acaba el tiempo, todas las casillas se bloquean.  Si tienes alguna pregunta, escribe a </translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
</context>
<context>
    <name>Information</name>
    <message>
        <source>The release notes &quot;%1&quot; could not be opened: %2</source>
        <translation>No se pudieron abrir las notas de la versión &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Windows 95/98/NT/2000, with at least 800X600 Resolution</source>
        <translation>Windows 95/98/NT/2000, con una resolución de al menos 800X600</translation>
    </message>
    <message>
        <source>System Requirement</source>
        <translation>Requisitos del sistema</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Brenlo Math Practice 2.5.1 - Practice Makes Perfect</source>
        <translation>Brenlo Math Practice 2.5.1 - La práctica hace al maestro</translation>
    </message>
    <message>
        <source>Pick a choice to start</source>
        <translation>Elige una opción para empezar</translation>
    </message>
    <message>
        <source>Addition and Subtraction</source>
        <translation>Sumar y restar</translation>
    </message>
    <message>
        <source>Multiplication and Division</source>
        <translation>Multiplicar y dividir</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;-CHANGE USER AND ENTER</source>
        <translation>&lt;&lt;&lt;-CAMBIAR USUARIO Y ENTRAR</translation>
    </message>
    <message>
        <source>Score Summary</source>
        <translation>Resumen de puntuaciones</translation>
    </message>
    <message>
        <source>Restore  DATABASE</source>
        <translation>Restaurar BASE DE DATOS</translation>
    </message>
    <message>
        <source>Exit out of the program</source>
        <translation>Salir del programa</translation>
    </message>
</context>
<context>
    <name>MultiplicationTable</name>
    <message>
        <source>Row 1 and column 1</source>
        <translation>Fila 1 y columna 1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Mulitiplication table</source>
        <translation>Tabla de multiplicar</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
</context>
<context>
    <name>OverviewTables</name>
    <message>
        <source>Children</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Sheets this week</source>
        <translation>Hojas esta semana</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Última práctica</translation>
    </message>
    <message>
        <source>Average scores</source>
        <translation>Puntuaciones medias</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Of a full sheet</source>
        <translation>De una hoja completa</translation>
    </message>
    <message>
        <source>Facts missed most</source>
        <translation>Operaciones más falladas</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Children who missed it</source>
        <translation>Alumnos que la fallaron</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Error más frecuente</translation>
    </message>
</context>
<context>
    <name>PlayProblem</name>
    <message>
        <source>no file is named</source>
        <translation>no se ha indicado ningún archivo</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>this is a folder, not a sound file</source>
        <translation>es una carpeta, no un archivo de sonido</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
</context>
<context>
    <name>PracticeControls</name>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Check Answer - Score</source>
        <translation>Corregir - Puntos</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Speed in Mins :</source>
        <translation>Tiempo en min :</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>level label</comment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
</context>
<context>
    <name>PracticeMenus</name>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;File Location</source>
        <translation>&amp;Ubicación de archivos</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>A&amp;dvanced switched to Times and Divide</source>
        <translation>&amp;Avanzado: cambiar a multiplicar y dividir</translation>
    </message>
    <message>
        <source>&amp;Basic switch to Plus and Minus</source>
        <translation>&amp;Básico: cambiar a sumar y restar</translation>
    </message>
    <message>
        <source>&amp;Report Score Summary</source>
        <translation>&amp;Resumen de puntuaciones</translation>
    </message>
    <message>
        <source>E&amp;xit completely</source>
        <translation>&amp;Salir del todo</translation>
    </message>
    <message>
        <source>E&amp;xit out the program completely</source>
        <translation>&amp;Salir del programa del todo</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The menu of the speed, the difficulty and the mistakes practice.</extracomment>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultad</translation>
    </message>
    <message>
        <source>Practise my &amp;mistakes</source>
        <translation>Practicar mis &amp;errores</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>about the &amp;Program</source>
        <translation>acerca del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;Release notes</source>
        <translation>&amp;Notas de la versión</translation>
    </message>
    <message>
        <source>&amp;Release Notes</source>
        <translation>&amp;Notas de la versión</translation>
    </message>
    <message>
        <source>&amp;System Requirement</source>
        <translation>&amp;Requisitos del sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Your time&apos;s up</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem for a screen reader: the numbers and the operation&apos;s word.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, the right answer is </source>
        <translation>, la respuesta correcta es </translation>
    </message>
    <message>
        <source>The score of this sheet could not be saved in &quot;%1&quot;: %2
It is kept and tried again at the next check.</source>
        <translation>No se pudo guardar la puntuación de esta hoja en &quot;%1&quot;: %2
Se conserva y se volverá a intentar en la próxima corrección.</translation>
    </message>
    <message>
        <source>The score of a sheet could not be saved in &quot;%1&quot; before the program ended: %2</source>
        <translation>No se pudo guardar la puntuación de una hoja en &quot;%1&quot; antes de cerrar el programa: %2</translation>
    </message>
    <message>
        <source>Scores cannot be saved in &quot;%1&quot;: %2</source>
        <translation>No se pueden guardar las puntuaciones en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Your mistakes could not be read from &quot;%1&quot;: %2
Here is an ordinary sheet instead.</source>
        <translation>No se pudieron leer tus errores de &quot;%1&quot;: %2
Aquí tienes una hoja normal.</translation>
    </message>
    <message numerus="yes">
        <source>There are no answers of yours from the last %n days yet, so here is an ordinary sheet.</source>
        <translation>
            <numerusform>Todavía no hay respuestas tuyas del último %n día, así que aquí tienes una hoja normal.</numerusform>
            <numerusform>Todavía no hay respuestas tuyas de los últimos %n días, así que aquí tienes una hoja normal.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeTitles</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -plus and minus</source>
        <translation>El programa Brenlo Math Practice 2.5 -sumar y restar</translation>
    </message>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -times and divide</source>
        <translation>El programa Brenlo Math Practice 2.5 -multiplicar y dividir</translation>
    </message>
    <message>
        <source> User: - </source>
        <translation> Usuario: - </translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>No printer is set up, so the page was saved as &quot;%1&quot;.</source>
        <translation>No hay ninguna impresora configurada, así que la página se guardó como &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>Could not print on the printer &quot;%1&quot;.</source>
        <translation>No se pudo imprimir en la impresora &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not save the print: the folder &quot;%1&quot; does not exist.</source>
        <translation>No se pudo guardar la impresión: la carpeta &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>Could not save the print: &quot;%1&quot; is not a folder.</source>
        <translation>No se pudo guardar la impresión: &quot;%1&quot; no es una carpeta.</translation>
    </message>
    <message>
        <source>Could not save the print in the folder &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la impresión en la carpeta &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not write the print to the file &quot;%1&quot;.</source>
        <translation>No se pudo escribir la impresión en el archivo &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ProgramLauncher</name>
    <message>
        <source>&quot;%1&quot; could not be started: %2</source>
        <translation>No se pudo abrir &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Hojas por día</translation>
    </message>
</context>
<context>
    <name>ProgressSeries</name>
    <message numerus="yes">
        <source>%n sheet</source>
        <translation>
            <numerusform>%n hoja</numerusform>
            <numerusform>%n hojas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n hoja</numerusform>
            <numerusform>%n hojas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2: %3% average of %4</source>
        <translation>%1, %2: media del %3% en %4</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Addition/Subtraction</source>
        <translation>Suma/Resta</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Multiplicación/División</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Hojas por día</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Ver como tabla</translation>
    </message>
    <message>
        <source>Chart of each level&apos;s daily score</source>
        <translation>Gráfico de la puntuación diaria de cada nivel</translation>
    </message>
    <message>
        <source>Chart of the sheets done each day</source>
        <translation>Gráfico de las hojas hechas cada día</translation>
    </message>
    <message>
        <source>Daily scores as a table</source>
        <translation>Puntuaciones diarias en una tabla</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The table&apos;s column headings.</extracomment>
        <translation>Día</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Guardar como PNG…</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>Facts…</source>
        <translation>Operaciones…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Progress of %1 from %2 to %3</source>
        <translation>Progreso de %1 del %2 al %3</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>No se pudieron leer las puntuaciones de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>: score of each day</source>
        <translation>: puntuación de cada día</translation>
    </message>
    <message>
        <source>: sheets each day</source>
        <translation>: hojas de cada día</translation>
    </message>
    <message>
        <source>Answers as CSV (*.csv)</source>
        <translation>Respuestas en CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;</source>
        <translation>Hojas de cálculo (*.csv);;</translation>
    </message>
    <message>
        <source>the scores could not be read from &quot;%1&quot;: %2</source>
        <translation>no se pudieron leer las puntuaciones de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The records were not saved as &quot;%1&quot;: %2</source>
        <translation>Los registros no se guardaron como &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Guardar como PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2</source>
        <translation>La imagen no se guardó como &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Progress of %1 %2 to %3%4</source>
        <translation>Progreso de %1 %2 a %3%4</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>es un enlace, no un archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ReportModule</name>
    <message>
        <source>The scores cannot be shown: the report module cannot be loaded: %1</source>
        <translation>No se pueden mostrar las puntuaciones: no se puede cargar el módulo de informes: %1</translation>
    </message>
</context>
<context>
    <name>ScoreQueue</name>
    <message numerus="yes">
        <source>another program kept it locked for %n seconds</source>
        <translation>
            <numerusform>otro programa mantuvo el bloqueo durante %n segundo</numerusform>
            <numerusform>otro programa mantuvo el bloqueo durante %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreSchema</name>
    <message>
        <source>&quot;%1&quot; exists already</source>
        <translation>&quot;%1&quot; ya existe</translation>
    </message>
    <message>
        <source>it is not a score database (%1)</source>
        <translation>no es una base de datos de puntuaciones (%1)</translation>
    </message>
    <message>
        <source>it has no table &quot;%1&quot;</source>
        <translation>no tiene la tabla &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>su tabla &quot;%1&quot; no tiene la columna &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>ScoreStore</name>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>no se puede escribir (%1)</translation>
    </message>
</context>
<context>
    <name>ScoreVocabulary</name>
    <message>
        <source>Easy</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>More Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Más difícil</translation>
    </message>
    <message>
        <source>Super Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Superdifícil</translation>
    </message>
    <message>
        <source>Minus and Plus Practice program</source>
        <extracomment>The caption of the addition and subtraction practice screen.</extracomment>
        <translation>Práctica de restar y sumar</translation>
    </message>
    <message>
        <source>Multiply and Divide Practice program</source>
        <extracomment>The caption of the multiplication and division practice screen.</extracomment>
        <translation>Práctica de multiplicar y dividir</translation>
    </message>
</context>
<context>
    <name>ScoringSummary</name>
    <message>
        <source>The Brenlo Scoring Summary</source>
        <translation>Resumen de puntuaciones Brenlo</translation>
    </message>
    <message>
        <source>Addition/Subtraction Scoring Summary</source>
        <translation>Puntuaciones de sumar y restar</translation>
    </message>
    <message>
        <source>Multiplication/Division Scoring Summary</source>
        <translation>Puntuaciones de multiplicar y dividir</translation>
    </message>
    <message>
        <source>Scoring Summary</source>
        <translation>Resumen de puntuaciones</translation>
    </message>
    <message>
        <source>Scoring Summary shows average score of different speed, difficulties.  </source>
        <translation>El resumen muestra la puntuación media por velocidad y dificultad.  </translation>
    </message>
    <message>
        <source> STARTING DATE</source>
        <translation> FECHA DE INICIO</translation>
    </message>
    <message>
        <source>Starting date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>END DATE</source>
        <translation>FECHA FINAL</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>USER:- </source>
        <translation>USUARIO:- </translation>
    </message>
    <message>
        <source>Addition/Substraction</source>
        <translation>Sumar/Restar</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Multiplicar/Dividir</translation>
    </message>
    <message>
        <source>Clean Up Database</source>
        <translation>Borrar registros</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Incomplete records could not be removed from &quot;%1&quot;: %2</source>
        <translation>No se pudieron quitar los registros incompletos de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>No se pudieron leer las puntuaciones de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cleaning Database</source>
        <translation>Borrar registros</translation>
    </message>
    <message>
        <source>No record was deleted from &quot;%1&quot;: %2</source>
        <translation>No se borró ningún registro de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Records deleted !</source>
        <translation>¡Registros borrados!</translation>
    </message>
    <message>
        <source>Do you really want to clean up database from %1 to %2</source>
        <extracomment>%1 and %2 are the first and the last day of the range, as typed.</extracomment>
        <translation>¿Seguro que quieres borrar los registros del %1 al %2?</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>no sound device can be opened</source>
        <translation>no se puede abrir ningún dispositivo de sonido</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the user name</source>
        <translation>el nombre de usuario</translation>
    </message>
    <message>
        <source>award sound %1</source>
        <translation>el sonido de premio %1</translation>
    </message>
    <message>
        <source>; the user name and the award sounds start empty</source>
        <translation>; el nombre de usuario y los sonidos de premio empiezan vacíos</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message numerus="yes">
        <source>only %n of its nine lines lie in the first %1 KiB, which is all that is read</source>
        <translation>
            <numerusform>solo %n de sus nueve líneas está en los primeros %1 KiB, que es todo lo que se lee</numerusform>
            <numerusform>solo %n de sus nueve líneas están en los primeros %1 KiB, que es todo lo que se lee</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it has %n of its nine lines</source>
        <translation>
            <numerusform>solo tiene %n de sus nueve líneas</numerusform>
            <numerusform>solo tiene %n de sus nueve líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is not text</source>
        <translation>la línea %1 no es texto</translation>
    </message>
    <message>
        <source>lines %1 are not text</source>
        <translation>las líneas %1 no son texto</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the reasons a settings file was not read whole.</extracomment>
        <translation> y </translation>
    </message>
    <message>
        <source>; empty instead: </source>
        <extracomment>Before the list of values that start empty.</extracomment>
        <translation>; quedan vacíos: </translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>contiene un salto de línea</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Sound File set up</source>
        <translation>Elegir archivo de sonido</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please pick a sound file in the file list, then press Select.</source>
        <translation>Elige un archivo de sonido en la lista y pulsa Elegir.</translation>
    </message>
</context>
<context>
    <name>SoundFileRead</name>
    <message>
        <source>no file is named</source>
        <translation>no se ha indicado ningún archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than the %1 MiB an award sound may be</source>
        <translation>ocupa más de los %1 MiB que puede ocupar un sonido de premio</translation>
    </message>
    <message>
        <source>it is not a WAV, MIDI or MP3 sound</source>
        <translation>no es un sonido WAV, MIDI ni MP3</translation>
    </message>
</context>
<context>
    <name>SoundSetupScreen</name>
    <message>
        <source>Not Good...need more practice</source>
        <translation>No muy bien...hay que practicar más</translation>
    </message>
    <message>
        <source>Good Job</source>
        <translation>Buen trabajo</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Impressive... close to perfection</source>
        <translation>Impresionante... casi perfecto</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfecto</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Elegir sonido</translation>
    </message>
    <message>
        <source>Set your own sound file,Score/History path</source>
        <translation>Elige tus sonidos y la ruta de puntuaciones/historial</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Not implmented yet</source>
        <translation>Todavía no disponible</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>Archivos de sonido</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Sound file for %1</source>
        <translation>Archivo de sonido para %1</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Buscar un sonido para %1</translation>
    </message>
    <message>
        <source>Test sound</source>
        <translation>Probar sonido</translation>
    </message>
    <message>
        <source>Test sound for %1</source>
        <translation>Probar el sonido para %1</translation>
    </message>
    <message>
        <source>A sound path that %1 cannot be kept in the settings file &quot;%2&quot;; the sound for &quot;%3&quot; stays as it was.</source>
        <translation>Una ruta de sonido que %1 no se puede guardar en el archivo de configuración &quot;%2&quot;; el sonido para &quot;%3&quot; no cambia.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The sound you chose is used now, but it is not saved yet.</source>
        <translation>No se pudo escribir el archivo de configuración &quot;%1&quot;: %2
El sonido que elegiste ya se usa, pero todavía no está guardado.</translation>
    </message>
    <message>
        <source>Not played: %1</source>
        <translation>No se reprodujo: %1</translation>
    </message>
</context>
<context>
    <name>SpeedDialog</name>
    <message>
        <source>Slowest - 20  minutes</source>
        <translation>Muy lento - 20 minutos</translation>
    </message>
    <message>
        <source>Your time is about 20 mintues, close this windows, and hit start when ready</source>
        <translation>Tienes unos 20 minutos; cierra esta ventana y pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Not so slow - 15 mins</source>
        <translation>No tan lento - 15 min</translation>
    </message>
    <message>
        <source>Your time is about 15 mintues, close this windows, and hit start when ready</source>
        <translation>Tienes unos 15 minutos; cierra esta ventana y pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Normal -- 10 minutes</source>
        <translation>Normal -- 10 minutos</translation>
    </message>
    <message>
        <source>Your time is about 10 mintues, close this windows, and hit start when ready</source>
        <translation>Tienes unos 10 minutos; cierra esta ventana y pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Fast - 5  minutes</source>
        <translation>Rápido - 5 minutos</translation>
    </message>
    <message>
        <source>Your time is about 5 mintues, close this windows, and hit start when ready</source>
        <translation>Tienes unos 5 minutos; cierra esta ventana y pulsa Empezar cuando quieras</translation>
    </message>
    <message>
        <source>Fastest - 1 to 2 minutes</source>
        <translation>Muy rápido - 1 a 2 minutos</translation>
    </message>
    <message>
        <source>Your time is about 2 mintues, close this windows, and start when ready</source>
        <translation>Tienes unos 2 minutos; cierra esta ventana y empieza cuando quieras</translation>
    </message>
    <message>
        <source>Speed/Timing Set</source>
        <translation>Velocidad y tiempo</translation>
    </message>
    <message>
        <source>PICK ONE</source>
        <translation>ELIGE UNA</translation>
    </message>
    <message>
        <source>Close this Window and Set Level of Difficulty</source>
        <translation>Cerrar y elegir el nivel de dificultad</translation>
    </message>
</context>
<context>
    <name>SummaryCells</name>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
</context>
<context>
    <name>SummaryDates</name>
    <message>
        <source>The %1 &quot;%2&quot; cannot be read as a date. Please type a date as %3, for example %4, or as yyyy-mm-dd, for example %5.</source>
        <translation>La %1 &quot;%2&quot; no se puede leer como fecha. Escribe una fecha como %3, por ejemplo %4, o como aaaa-mm-dd, por ejemplo %5.</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>fecha de inicio</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>fecha final</translation>
    </message>
    <message>
        <source>The starting date &quot;%1&quot; is after the end date &quot;%2&quot;. Please type a starting date no later than the end date.</source>
        <translation>La fecha de inicio &quot;%1&quot; es posterior a la fecha final &quot;%2&quot;. Escribe una fecha de inicio que no sea posterior a la final.</translation>
    </message>
</context>
<context>
    <name>SummaryTable</name>
    <message>
        <source>1 -2 mins.</source>
        <translation>1-2 min</translation>
    </message>
    <message>
        <source>5 mins</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 mins</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 mins</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 mins</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>Total AVG SCORE</source>
        <translation>PUNTUACIÓN MEDIA TOTAL</translation>
    </message>
    <message>
        <source>Speed across, level down</source>
        <translation>Velocidad en horizontal, nivel en vertical</translation>
    </message>
    <message>
        <source>   Speed</source>
        <translation>   Velocidad</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Below the diagonal of the table&apos;s corner: the rows are the levels.</extracomment>
        <translation>Nivel</translation>
    </message>
</context>
<context>
    <name>UserCommands</name>
    <message>
        <source>No such user in the database yet!  Please go to  Change User button to create</source>
        <translation>¡Este usuario aún no está en la base de datos! Pulsa el botón Cambiar usuario para crearlo</translation>
    </message>
    <message>
        <source>User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>El usuario ya existe; pulsa Sumar y restar o Multiplicar y dividir para seguir</translation>
    </message>
    <message>
        <source>No such user in the database yet!  Ok to create</source>
        <translation>¡Este usuario aún no está en la base de datos! ¿Quieres crearlo?</translation>
    </message>
    <message>
        <source>User Created, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Usuario creado; pulsa Sumar y restar o Multiplicar y dividir para seguir</translation>
    </message>
    <message>
        <source>Do this only you have problem retrieving record or if you want to reset the record to original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY</source>
        <translation>Haz esto solo si hay problemas para leer los registros o si quieres volver a los registros originales (base de datos vacía), Y HAY QUE HACERLO ANTES DE ABRIR EL RESUMEN DE PUNTUACIONES</translation>
    </message>
    <message>
        <source>Are you really sure? </source>
        <translation>¿Seguro que quieres hacerlo? </translation>
    </message>
    <message>
        <source>Original Database restored!</source>
        <translation>¡Base de datos original restaurada!</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo de configuración &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source> The current user stays as it was.</source>
        <translation> El usuario actual no cambia.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The current user stays as it was.</source>
        <translation>No se pudo escribir el archivo de configuración &quot;%1&quot;: %2
El usuario actual no cambia.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was not replaced: %2</source>
        <translation>No se reemplazó la base de datos &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be made: %2</source>
        <translation>No se pudo crear la base de datos &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>&quot;%1&quot; is not allowed as a user name.</source>
        <translation>&quot;%1&quot; no se puede usar como nombre de usuario.</translation>
    </message>
    <message>
        <source>A user name cannot contain the character &quot;/&quot;.</source>
        <translation>Un nombre de usuario no puede llevar el carácter &quot;/&quot;.</translation>
    </message>
    <message>
        <source>A user name cannot contain control characters.</source>
        <translation>Un nombre de usuario no puede llevar caracteres de control.</translation>
    </message>
    <message>
        <source>The user name is too long to be a file name.</source>
        <translation>El nombre de usuario es demasiado largo para ser un nombre de archivo.</translation>
    </message>
    <message>
        <source>the template &quot;%1&quot; cannot be copied: %2</source>
        <translation>no se puede copiar la plantilla &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>es demasiado grande</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>Could not print: the print module cannot be loaded: %1</source>
        <translation>No se pudo imprimir: no se puede cargar el módulo de impresión: %1</translation>
    </message>
</context>
</TS>
