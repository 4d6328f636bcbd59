<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About this program</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>Brenlo Math Practice began with a parent writing math problems for a child to practise at home. The sums were first kept on a spreadsheet, and when the spreadsheet could no longer keep up with a growing child, it became this program, with its sheets, its countdown, its awards and a summary of the scores. If you have an idea, find a mistake or just want to tell how the practice went, please send an e-mail to %1. Practice Makes Perfect. Credits: written by the Brenlo Math Practice team in C++ with the Qt toolkit; sounds played with SDL2_mixer and the TimGM6mb sound font; version 2.5.1, December 2026.</source>
        <translation>Brenlo Rechenübung fing damit an, dass Eltern für ihr Kind Rechenaufgaben zum Üben zu Hause aufschrieben. Zuerst standen die Aufgaben in einer Tabelle, und als die Tabelle mit dem wachsenden Kind nicht mehr mithalten konnte, wurde daraus dieses Programm, mit seinen Blättern, dem Countdown, den Belohnungen und einer Punkteübersicht. Wenn du eine Idee hast, einen Fehler findest oder einfach erzählen willst, wie das Üben lief, schreib eine E-Mail an %1. Übung macht den Meister. Mitwirkende: geschrieben vom Brenlo-Math-Practice-Team in C++ mit dem Qt-Toolkit; Klänge abgespielt mit SDL2_mixer und der Klangbank TimGM6mb; Version 2.5.1, Dezember 2026.</translation>
    </message>
</context>
<context>
    <name>AppTitle</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5.1</source>
        <translation>Brenlo Rechenübung 2.5.1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>the temporary file was removed while it was being made</source>
        <translation>die Zwischendatei wurde entfernt, während sie entstand</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the data could not be synced to disk</source>
        <translation>die Daten konnten nicht auf den Datenträger geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>You need to practice some more!</source>
        <translation>Da musst du noch ein bisschen üben!</translation>
    </message>
    <message>
        <source>Good Job.. but remember Practice makes perfect</source>
        <translation>Gut gemacht! Denk dran: Übung macht den Meister.</translation>
    </message>
    <message>
        <source>Excellent, ready for more?</source>
        <translation>Ausgezeichnet! Bereit für mehr?</translation>
    </message>
    <message>
        <source>Impressive!! You are getting closer to perfection</source>
        <translation>Beeindruckend!! Du bist fast perfekt.</translation>
    </message>
    <message>
        <source>Perfect!! You are a genius..ready for next level?!</source>
        <translation>Perfekt!! Du bist ein Genie. Bereit für die nächste Stufe?!</translation>
    </message>
</context>
<context>
    <name>ClassConfig</name>
    <message>
        <source>The class server&apos;s configuration &quot;%1&quot; cannot be used: %2.</source>
        <translation>Die Konfiguration des Klassenservers „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value</source>
        <translation>„%1“ hat keinen Wert</translation>
    </message>
    <message>
        <source>a second &quot;class&quot;</source>
        <translation>ein zweites „class“</translation>
    </message>
    <message>
        <source>a second &quot;%1&quot; (give either &quot;service&quot; or &quot;connection&quot;, once)</source>
        <translation>ein zweites „%1“ (entweder „service“ oder „connection“ angeben, einmal)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>it is longer than %1 KiB</source>
        <translation>es ist länger als %1 KiB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>es ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>no &quot;key = value&quot;</source>
        <translation>kein „Schlüssel = Wert“</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unbekannter Schlüssel „%1“</translation>
    </message>
    <message>
        <source>it names no &quot;class&quot;</source>
        <translation>darin fehlt „class“</translation>
    </message>
    <message>
        <source>it names no &quot;service&quot; and no &quot;connection&quot;</source>
        <translation>darin steht weder „service“ noch „connection“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the connection has no &quot;=&quot;</source>
        <translation>„%1“ in der Verbindung hat kein „=“</translation>
    </message>
    <message>
        <source>a quote in the connection is not closed</source>
        <translation>ein Anführungszeichen in der Verbindung ist nicht geschlossen</translation>
    </message>
    <message>
        <source>write the connection as &quot;keyword=value&quot; pairs, not as a URI</source>
        <translation>die Verbindung als Paare „Schlüsselwort=Wert“ angeben, nicht als URI</translation>
    </message>
    <message>
        <source>a semicolon, which Qt&apos;s driver reads as a space</source>
        <translation>ein Semikolon, das der Treiber von Qt als Leerzeichen liest</translation>
    </message>
    <message>
        <source>a password in the connection; passwords belong in ~/.pgpass or the service file</source>
        <translation>ein Passwort in der Verbindung; Passwörter gehören in ~/.pgpass oder die Dienstdatei</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>No class is set up. Name the class and its server in ~/.config/%1 or /etc/xdg/%1.</source>
        <translation>Es ist keine Klasse eingerichtet. Klasse und Server werden in ~/.config/%1 oder /etc/xdg/%1 angegeben.</translation>
    </message>
</context>
<context>
    <name>ClassOverviewWindow</name>
    <message>
        <source>Class overview: %1</source>
        <translation>Klassenübersicht: %1</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Averages and facts from</source>
        <translation>Durchschnitte und Aufgaben vom</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Class %1 %2.csv</source>
        <translation>Klasse %1 %2.csv</translation>
    </message>
    <message>
        <source>Save the overview as CSV</source>
        <translation>Übersicht als CSV speichern</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Tabellendateien (*.csv)</translation>
    </message>
    <message>
        <source>The overview was not saved as &quot;%1&quot;: %2</source>
        <translation>Die Übersicht wurde nicht als „%1“ gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>ClassReads</name>
    <message>
        <source>The class could not be read from the server: %1</source>
        <translation>Die Klasse konnte nicht vom Server gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>The class &quot;%1&quot; cannot be shown: Qt&apos;s PostgreSQL driver is not installed (the package libqt6sql6-psql).</source>
        <translation>Die Klasse „%1“ kann nicht angezeigt werden: Der PostgreSQL-Treiber von Qt ist nicht installiert (das Paket libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server could not be reached or refused the connection, so the class &quot;%1&quot; cannot be shown. The server said: %2</source>
        <translation>Der Klassenserver war nicht erreichbar oder hat die Verbindung abgelehnt, darum kann die Klasse „%1“ nicht angezeigt werden. Der Server meldete: %2</translation>
    </message>
    <message>
        <source>Your sheets are kept on this computer for now: the class server could not take them just now. They will be sent to it later by themselves.

The server said: %1</source>
        <translation>Deine Blätter bleiben erst einmal auf diesem Computer: Der Klassenserver konnte sie gerade nicht annehmen. Sie werden später von selbst nachgeschickt.

Der Server meldete: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (package libqt6sql6-psql) is not installed</source>
        <translation>der PostgreSQL-Treiber von Qt (Paket libqt6sql6-psql) ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Brenlo Math Practice</source>
        <extracomment>The program&apos;s name in menus and software centres.</extracomment>
        <translation>Brenlo Rechenübung</translation>
    </message>
    <message>
        <source>Arithmetic Practice</source>
        <extracomment>What kind of program it is, in menus.</extracomment>
        <translation>Rechenübungen</translation>
    </message>
    <message>
        <source>Arithmetic practice sheets with a countdown and awards</source>
        <extracomment>The one-line summary in menus and software centres.</extracomment>
        <translation>Rechenblätter mit Countdown und Belohnungen</translation>
    </message>
    <message>
        <source>arithmetic;sums;addition;subtraction;multiplication;division;times tables;school;</source>
        <extracomment>Search words for the desktop&apos;s menu, each ending in a semicolon; no spaces around them.</extracomment>
        <translation>Rechnen;Mathe;Addition;Subtraktion;Multiplikation;Division;Einmaleins;Schule;</translation>
    </message>
    <message>
        <source>Brenlo Math Practice gives a child at home or at school sheets of 18 sums to answer before a countdown runs out. The child picks their name, types the answers, sees the corrections and hears an award that matches the score.</source>
        <translation>Brenlo Rechenübung gibt einem Kind zu Hause oder in der Schule Blätter mit 18 Aufgaben, die es lösen soll, bevor der Countdown abläuft. Das Kind wählt seinen Namen, tippt die Ergebnisse ein, sieht die Verbesserungen und hört eine Belohnung, die zu seinen Punkten passt.</translation>
    </message>
    <message>
        <source>Addition and subtraction, or multiplication and division</source>
        <translation>Addition und Subtraktion oder Multiplikation und Division</translation>
    </message>
    <message>
        <source>Levels of difficulty and speed to choose from</source>
        <translation>Schwierigkeitsstufen und Tempo zum Auswählen</translation>
    </message>
    <message>
        <source>A score record for every child who practises</source>
        <translation>Eigene Punkte für jedes Kind, das übt</translation>
    </message>
    <message>
        <source>A multiplication table to look at, and printable practice sheets</source>
        <translation>Ein Einmaleins zum Nachschauen und druckbare Übungsblätter</translation>
    </message>
    <message>
        <source>The main menu: pick a kind of practice and who is practising</source>
        <extracomment>The caption of the main menu&apos;s screenshot in software centres.</extracomment>
        <translation>Das Hauptmenü: Wähl die Übung und wer übt</translation>
    </message>
    <message>
        <source>The scores are kept in the user&apos;s own data folder. The program goes online only when a school sets up a class server, which then collects the sheets for the teacher&apos;s class overview.</source>
        <translation>Die Punkte liegen im eigenen Datenordner des Benutzers. Das Programm geht nur ins Internet, wenn eine Schule einen Klassenserver einrichtet, der dann die Blätter für die Klassenübersicht der Lehrkraft sammelt.</translation>
    </message>
    <message>
        <source>Brenlo Class Overview</source>
        <extracomment>The teacher&apos;s program: its name, kind and one-line summary in menus, and search words.</extracomment>
        <translation>Brenlo Klassenübersicht</translation>
    </message>
    <message>
        <source>Class Practice Overview</source>
        <translation>Übungsübersicht der Klasse</translation>
    </message>
    <message>
        <source>A teacher&apos;s overview of a class&apos;s arithmetic practice sheets</source>
        <translation>Übersicht für Lehrkräfte über die Rechenblätter einer Klasse</translation>
    </message>
    <message>
        <source>arithmetic;class;teacher;school;scores;practice;</source>
        <translation>Rechnen;Klasse;Lehrkraft;Lehrer;Lehrerin;Schule;Punkte;Übung;</translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Easy, hit start when ready</source>
        <translation>Leicht – drück auf Start, wenn du bereit bist</translation>
    </message>
    <message>
        <source>Normal, hit start when ready</source>
        <translation>Normal – drück auf Start, wenn du bereit bist</translation>
    </message>
    <message>
        <source>Dfficult, hit start when ready</source>
        <translation>Schwer – drück auf Start, wenn du bereit bist</translation>
    </message>
    <message>
        <source>More Difficult, hit start when ready</source>
        <translation>Schwerer – drück auf Start, wenn du bereit bist</translation>
    </message>
    <message>
        <source>Super Difficult, hit start when ready</source>
        <translation>Superschwer – drück auf Start, wenn du bereit bist</translation>
    </message>
    <message>
        <source>Difficult, hit start when ready</source>
        <translation>Schwer – drück auf Start, wenn du bereit bist</translation>
    </message>
    <message>
        <source>Difficulty Level Set</source>
        <translation>Schwierigkeit wählen</translation>
    </message>
    <message>
        <source>Pick your difficulty</source>
        <translation>Wähl deine Schwierigkeit</translation>
    </message>
    <message>
        <source>Pick Your Difficult</source>
        <translation>Wähl deine Schwierigkeit</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>Home folder (%1)</source>
        <translation>Persönlicher Ordner (%1)</translation>
    </message>
</context>
<context>
    <name>FactsGrid</name>
    <message>
        <source>Grid of facts by share answered right</source>
        <translation>Aufgabenraster nach Anteil richtig</translation>
    </message>
    <message>
        <source>Show as table lists the same facts</source>
        <translation>„Als Tabelle“ zeigt dieselben Aufgaben</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <source>Facts</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Each cell: the share answered right and how often asked; dark violet for none right, through blue and green, to yellow for all right.</source>
        <translation>Jedes Feld: Anteil richtig und wie oft gefragt; dunkelviolett für keine richtig, über Blau und Grün bis Gelb für alle richtig.</translation>
    </message>
    <message>
        <source>Missed most, outside the grids:</source>
        <translation>Am häufigsten falsch, außerhalb der Raster:</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Als Tabelle</translation>
    </message>
    <message>
        <source>Grid of facts</source>
        <translation>Aufgabenraster</translation>
    </message>
    <message>
        <source>Every fact as a table</source>
        <translation>Alle Aufgaben als Tabelle</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Headings: how often a problem was asked, and answered right.</extracomment>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Anteil richtig</translation>
    </message>
    <message>
        <source>Time (estimate)</source>
        <translation>Zeit (geschätzt)</translation>
    </message>
    <message>
        <source>Problems outside the grids missed most</source>
        <translation>Aufgaben außerhalb der Raster, am häufigsten falsch</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A heading: how often a problem was answered wrong.</extracomment>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Häufige falsche Antwort</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Facts of %1 from %2 to %3</source>
        <translation>Aufgaben %1 vom %2 bis %3</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>The answers could not be read from &quot;%1&quot;: %2</source>
        <translation>Die Antworten konnten nicht aus „%1“ gelesen werden: %2</translation>
    </message>
    <message>
        <source>Typical time per fact, an estimate from the boxes filled in order: %1</source>
        <translation>Übliche Zeit pro Aufgabe, geschätzt aus der Reihe nach ausgefüllten Feldern: %1</translation>
    </message>
    <message>
        <source>Typical time per fact: too few boxes filled in order for an estimate</source>
        <translation>Übliche Zeit pro Aufgabe: zu wenige der Reihe nach ausgefüllte Felder für eine Schätzung</translation>
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
        <translation>Diesen Ordner gibt es nicht mehr. Wurde der Datenträger entfernt?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1.</source>
        <translation>Dieser Ordner kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>One entry here is not shown: its name is not valid text.</source>
        <translation>Ein Eintrag hier wird nicht gezeigt: Sein Name ist kein gültiger Text.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries here are not shown: their names are not valid text.</source>
        <translation>
            <numerusform>%n Eintrag hier wird nicht gezeigt: Sein Name ist kein gültiger Text.</numerusform>
            <numerusform>%n Einträge hier werden nicht gezeigt: Ihre Namen sind kein gültiger Text.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading this folder stopped: %1.</source>
        <translation>Das Lesen dieses Ordners brach ab: %1.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>This program is menu driven, when entering, just hit tab, and it will bring you to the next field.  When time is up, all the fields will be locked.  Any question , please contact </source>
        <translation>Du bedienst das Programm über die Menüs. Mit der Tabulatortaste kommst du zum nächsten Feld. Wenn die Zeit um ist, werden alle Felder gesperrt. Bei Fragen schreib an </translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Fenster schließen</translation>
    </message>
</context>
<context>
    <name>Information</name>
    <message>
        <source>The release notes &quot;%1&quot; could not be opened: %2</source>
        <translation>Die Versionshinweise „%1“ konnten nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Windows 95/98/NT/2000, with at least 800X600 Resolution</source>
        <translation>Windows 95/98/NT/2000 mit mindestens 800×600 Bildpunkten</translation>
    </message>
    <message>
        <source>System Requirement</source>
        <translation>Systemvoraussetzungen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Brenlo Math Practice 2.5.1 - Practice Makes Perfect</source>
        <translation>Brenlo Rechenübung 2.5.1 – Übung macht den Meister</translation>
    </message>
    <message>
        <source>Pick a choice to start</source>
        <translation>Wähl aus, womit du anfangen willst</translation>
    </message>
    <message>
        <source>Addition and Subtraction</source>
        <translation>Plus und Minus</translation>
    </message>
    <message>
        <source>Multiplication and Division</source>
        <translation>Mal und Geteilt</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;-CHANGE USER AND ENTER</source>
        <translation>&lt;&lt;&lt;- NAMEN WECHSELN</translation>
    </message>
    <message>
        <source>Score Summary</source>
        <translation>Punkteübersicht</translation>
    </message>
    <message>
        <source>Restore  DATABASE</source>
        <translation>DATENBANK zurücksetzen</translation>
    </message>
    <message>
        <source>Exit out of the program</source>
        <translation>Programm beenden</translation>
    </message>
</context>
<context>
    <name>MultiplicationTable</name>
    <message>
        <source>Row 1 and column 1</source>
        <translation>Zeile 1 und Spalte 1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>Mulitiplication table</source>
        <translation>Einmaleins</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
</context>
<context>
    <name>OverviewTables</name>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Sheets this week</source>
        <translation>Blätter diese Woche</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Average scores</source>
        <translation>Punkte im Schnitt</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Durchschnittspunkte</translation>
    </message>
    <message>
        <source>Of a full sheet</source>
        <translation>Vom vollen Blatt</translation>
    </message>
    <message>
        <source>Facts missed most</source>
        <translation>Am häufigsten falsch gelöst</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Richtiges Ergebnis</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Wie oft falsch</translation>
    </message>
    <message>
        <source>Children who missed it</source>
        <translation>Kinder mit Fehler</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Häufige falsche Antwort</translation>
    </message>
</context>
<context>
    <name>PlayProblem</name>
    <message>
        <source>no file is named</source>
        <translation>es ist keine Datei angegeben</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>this is a folder, not a sound file</source>
        <translation>das ist ein Ordner, keine Klangdatei</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>das ist keine normale Datei</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>PracticeControls</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Check Answer - Score</source>
        <translation>Antworten prüfen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Speed in Mins :</source>
        <translation>Tempo in Min.:</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>level label</comment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
</context>
<context>
    <name>PracticeMenus</name>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;File Location</source>
        <translation>&amp;Speicherort</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>A&amp;dvanced switched to Times and Divide</source>
        <translation>Zu &amp;Mal und Geteilt wechseln</translation>
    </message>
    <message>
        <source>&amp;Basic switch to Plus and Minus</source>
        <translation>Zu &amp;Plus und Minus wechseln</translation>
    </message>
    <message>
        <source>&amp;Report Score Summary</source>
        <translation>P&amp;unkteübersicht</translation>
    </message>
    <message>
        <source>E&amp;xit completely</source>
        <translation>Programm &amp;beenden</translation>
    </message>
    <message>
        <source>E&amp;xit out the program completely</source>
        <translation>Programm &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The menu of the speed, the difficulty and the mistakes practice.</extracomment>
        <translation>&amp;Stufe</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Schwierigkeit</translation>
    </message>
    <message>
        <source>Practise my &amp;mistakes</source>
        <translation>Meine &amp;Fehler üben</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>about the &amp;Program</source>
        <translation>Über das &amp;Programm</translation>
    </message>
    <message>
        <source>&amp;Release notes</source>
        <translation>&amp;Versionshinweise</translation>
    </message>
    <message>
        <source>&amp;Release Notes</source>
        <translation>&amp;Versionshinweise</translation>
    </message>
    <message>
        <source>&amp;System Requirement</source>
        <translation>&amp;Systemvoraussetzungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Your time&apos;s up</source>
        <translation>Deine Zeit ist um!</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem for a screen reader: the numbers and the operation&apos;s word.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, the right answer is </source>
        <translation>, richtig ist </translation>
    </message>
    <message>
        <source>The score of this sheet could not be saved in &quot;%1&quot;: %2
It is kept and tried again at the next check.</source>
        <translation>Die Punkte dieses Blatts konnten nicht in „%1“ gespeichert werden: %2
Sie bleiben aufgehoben und werden beim nächsten Prüfen wieder versucht.</translation>
    </message>
    <message>
        <source>The score of a sheet could not be saved in &quot;%1&quot; before the program ended: %2</source>
        <translation>Die Punkte eines Blatts konnten vor dem Programmende nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Scores cannot be saved in &quot;%1&quot;: %2</source>
        <translation>Punkte können nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Your mistakes could not be read from &quot;%1&quot;: %2
Here is an ordinary sheet instead.</source>
        <translation>Deine Fehler konnten nicht aus „%1“ gelesen werden: %2
Hier ist stattdessen ein normales Blatt.</translation>
    </message>
    <message numerus="yes">
        <source>There are no answers of yours from the last %n days yet, so here is an ordinary sheet.</source>
        <translation>
            <numerusform>Seit %n Tag gibt es keine Antworten von dir, darum bekommst du ein normales Blatt.</numerusform>
            <numerusform>Seit %n Tagen gibt es keine Antworten von dir, darum bekommst du ein normales Blatt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeTitles</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -plus and minus</source>
        <translation>Brenlo Rechenübung 2.5 – Plus und Minus</translation>
    </message>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -times and divide</source>
        <translation>Brenlo Rechenübung 2.5 – Mal und Geteilt</translation>
    </message>
    <message>
        <source> User: - </source>
        <translation> Name: </translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>No printer is set up, so the page was saved as &quot;%1&quot;.</source>
        <translation>Es ist kein Drucker eingerichtet, darum wurde die Seite als „%1“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>Could not print on the printer &quot;%1&quot;.</source>
        <translation>Auf dem Drucker „%1“ konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Could not save the print: the folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ausdruck konnte nicht gespeichert werden: Den Ordner „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>Could not save the print: &quot;%1&quot; is not a folder.</source>
        <translation>Der Ausdruck konnte nicht gespeichert werden: „%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>Could not save the print in the folder &quot;%1&quot;: %2</source>
        <translation>Der Ausdruck konnte nicht im Ordner „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not write the print to the file &quot;%1&quot;.</source>
        <translation>Der Ausdruck konnte nicht in die Datei „%1“ geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ProgramLauncher</name>
    <message>
        <source>&quot;%1&quot; could not be started: %2</source>
        <translation>„%1“ konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Durchschnittspunkte</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Blätter pro Tag</translation>
    </message>
</context>
<context>
    <name>ProgressSeries</name>
    <message numerus="yes">
        <source>%n sheet</source>
        <translation>
            <numerusform>%n Blatt</numerusform>
            <numerusform>%n Blätter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n Blatt</numerusform>
            <numerusform>%n Blätter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2: %3% average of %4</source>
        <translation>%1, %2: %3 % Schnitt aus %4</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Addition/Subtraction</source>
        <translation>Plus/Minus</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Mal/Geteilt</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Blätter pro Tag</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Als Tabelle</translation>
    </message>
    <message>
        <source>Chart of each level&apos;s daily score</source>
        <translation>Diagramm der Tagespunkte jeder Stufe</translation>
    </message>
    <message>
        <source>Chart of the sheets done each day</source>
        <translation>Diagramm der Blätter pro Tag</translation>
    </message>
    <message>
        <source>Daily scores as a table</source>
        <translation>Tagespunkte als Tabelle</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The table&apos;s column headings.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Als PNG speichern…</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Facts…</source>
        <translation>Aufgaben…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Progress of %1 from %2 to %3</source>
        <translation>Fortschritt %1 vom %2 bis %3</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>Die Punkte konnten nicht aus „%1“ gelesen werden: %2</translation>
    </message>
    <message>
        <source>: score of each day</source>
        <translation>: Punkte pro Tag</translation>
    </message>
    <message>
        <source>: sheets each day</source>
        <translation>: Blätter pro Tag</translation>
    </message>
    <message>
        <source>Answers as CSV (*.csv)</source>
        <translation>Antworten als CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;</source>
        <translation>Tabellendateien (*.csv);;</translation>
    </message>
    <message>
        <source>the scores could not be read from &quot;%1&quot;: %2</source>
        <translation>die Punkte konnten nicht aus „%1“ gelesen werden: %2</translation>
    </message>
    <message>
        <source>The records were not saved as &quot;%1&quot;: %2</source>
        <translation>Die Einträge wurden nicht als „%1“ gespeichert: %2</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Als PNG speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2</source>
        <translation>Das Bild wurde nicht als „%1“ gespeichert: %2</translation>
    </message>
    <message>
        <source>Progress of %1 %2 to %3%4</source>
        <translation>Fortschritt von %1 %2 bis %3%4</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>es ist ein Verweis, keine Datei</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
</context>
<context>
    <name>ReportModule</name>
    <message>
        <source>The scores cannot be shown: the report module cannot be loaded: %1</source>
        <translation>Die Punkte können nicht angezeigt werden: Das Berichtsmodul lässt sich nicht laden: %1</translation>
    </message>
</context>
<context>
    <name>ScoreQueue</name>
    <message numerus="yes">
        <source>another program kept it locked for %n seconds</source>
        <translation>
            <numerusform>ein anderes Programm hat sie %n Sekunde lang gesperrt</numerusform>
            <numerusform>ein anderes Programm hat sie %n Sekunden lang gesperrt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreSchema</name>
    <message>
        <source>&quot;%1&quot; exists already</source>
        <translation>„%1“ gibt es schon</translation>
    </message>
    <message>
        <source>it is not a score database (%1)</source>
        <translation>es ist keine Punktedatenbank (%1)</translation>
    </message>
    <message>
        <source>it has no table &quot;%1&quot;</source>
        <translation>die Tabelle „%1“ fehlt</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>in der Tabelle „%1“ fehlt die Spalte „%2“</translation>
    </message>
</context>
<context>
    <name>ScoreStore</name>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>es kann nicht geschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>ScoreVocabulary</name>
    <message>
        <source>Easy</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>More Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Schwerer</translation>
    </message>
    <message>
        <source>Super Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Superschwer</translation>
    </message>
    <message>
        <source>Minus and Plus Practice program</source>
        <extracomment>The caption of the addition and subtraction practice screen.</extracomment>
        <translation>Minus- und Plus-Übung</translation>
    </message>
    <message>
        <source>Multiply and Divide Practice program</source>
        <extracomment>The caption of the multiplication and division practice screen.</extracomment>
        <translation>Mal- und Geteilt-Übung</translation>
    </message>
</context>
<context>
    <name>ScoringSummary</name>
    <message>
        <source>The Brenlo Scoring Summary</source>
        <translation>Brenlo-Punkteübersicht</translation>
    </message>
    <message>
        <source>Addition/Subtraction Scoring Summary</source>
        <translation>Punkteübersicht Plus/Minus</translation>
    </message>
    <message>
        <source>Multiplication/Division Scoring Summary</source>
        <translation>Punkteübersicht Mal/Geteilt</translation>
    </message>
    <message>
        <source>Scoring Summary</source>
        <translation>Punkteübersicht</translation>
    </message>
    <message>
        <source>Scoring Summary shows average score of different speed, difficulties.  </source>
        <translation>Die Punkteübersicht zeigt die Durchschnittspunkte nach Tempo und Schwierigkeit.</translation>
    </message>
    <message>
        <source> STARTING DATE</source>
        <translation>STARTDATUM</translation>
    </message>
    <message>
        <source>Starting date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>END DATE</source>
        <translation>ENDDATUM</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>USER:- </source>
        <translation>NAME: </translation>
    </message>
    <message>
        <source>Addition/Substraction</source>
        <translation>Plus/Minus</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Mal/Geteilt</translation>
    </message>
    <message>
        <source>Clean Up Database</source>
        <translation>Datenbank aufräumen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Incomplete records could not be removed from &quot;%1&quot;: %2</source>
        <translation>Unvollständige Einträge konnten nicht aus „%1“ entfernt werden: %2</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>Die Punkte konnten nicht aus „%1“ gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cleaning Database</source>
        <translation>Datenbank wird aufgeräumt</translation>
    </message>
    <message>
        <source>No record was deleted from &quot;%1&quot;: %2</source>
        <translation>Aus „%1“ wurde kein Eintrag gelöscht: %2</translation>
    </message>
    <message>
        <source>Records deleted !</source>
        <translation>Einträge gelöscht!</translation>
    </message>
    <message>
        <source>Do you really want to clean up database from %1 to %2</source>
        <extracomment>%1 and %2 are the first and the last day of the range, as typed.</extracomment>
        <translation>Die Datenbank vom %1 bis %2 wirklich aufräumen</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>no sound device can be opened</source>
        <translation>kein Audiogerät lässt sich öffnen</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the user name</source>
        <translation>der Name</translation>
    </message>
    <message>
        <source>award sound %1</source>
        <translation>Belohnungsklang %1</translation>
    </message>
    <message>
        <source>; the user name and the award sounds start empty</source>
        <translation>; Name und Belohnungsklänge bleiben leer</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message numerus="yes">
        <source>only %n of its nine lines lie in the first %1 KiB, which is all that is read</source>
        <translation>
            <numerusform>nur %n ihrer neun Zeilen liegt in den ersten %1 KiB, und mehr wird nicht gelesen</numerusform>
            <numerusform>nur %n ihrer neun Zeilen liegen in den ersten %1 KiB, und mehr wird nicht gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it has %n of its nine lines</source>
        <translation>
            <numerusform>sie hat nur %n ihrer neun Zeilen</numerusform>
            <numerusform>sie hat nur %n ihrer neun Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is not text</source>
        <translation>Zeile %1 ist kein Text</translation>
    </message>
    <message>
        <source>lines %1 are not text</source>
        <translation>die Zeilen %1 sind kein Text</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the reasons a settings file was not read whole.</extracomment>
        <translation> und </translation>
    </message>
    <message>
        <source>; empty instead: </source>
        <extracomment>Before the list of values that start empty.</extracomment>
        <translation>; stattdessen leer: </translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>einen Zeilenumbruch enthält</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>ein Steuerzeichen enthält</translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Sound File set up</source>
        <translation>Klangdatei wählen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Klangdateien</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Please pick a sound file in the file list, then press Select.</source>
        <translation>Bitte wähl eine Klangdatei in der Liste und drück dann auf „Auswählen“.</translation>
    </message>
</context>
<context>
    <name>SoundFileRead</name>
    <message>
        <source>no file is named</source>
        <translation>es ist keine Datei angegeben</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than the %1 MiB an award sound may be</source>
        <translation>es ist größer als die %1 MiB, die ein Belohnungsklang haben darf</translation>
    </message>
    <message>
        <source>it is not a WAV, MIDI or MP3 sound</source>
        <translation>es ist kein WAV-, MIDI- oder MP3-Klang</translation>
    </message>
</context>
<context>
    <name>SoundSetupScreen</name>
    <message>
        <source>Not Good...need more practice</source>
        <translation>Nicht gut … mehr üben</translation>
    </message>
    <message>
        <source>Good Job</source>
        <translation>Gut gemacht</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Impressive... close to perfection</source>
        <translation>Beeindruckend … fast perfekt</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekt</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Klänge einstellen</translation>
    </message>
    <message>
        <source>Set your own sound file,Score/History path</source>
        <translation>Eigene Klangdatei und Punkte-/Verlaufspfad festlegen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Not implmented yet</source>
        <translation>Gibt es noch nicht</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>Klangdateien</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Sound file for %1</source>
        <translation>Klangdatei für %1</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Durchsuchen für %1</translation>
    </message>
    <message>
        <source>Test sound</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Test sound for %1</source>
        <translation>%1 anhören</translation>
    </message>
    <message>
        <source>A sound path that %1 cannot be kept in the settings file &quot;%2&quot;; the sound for &quot;%3&quot; stays as it was.</source>
        <translation>Ein Klangpfad, der %1, kann nicht in der Einstellungsdatei „%2“ stehen; der Klang für „%3“ bleibt, wie er war.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The sound you chose is used now, but it is not saved yet.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2
Dein Klang wird jetzt benutzt, ist aber noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>Not played: %1</source>
        <translation>Nicht abgespielt: %1</translation>
    </message>
</context>
<context>
    <name>SpeedDialog</name>
    <message>
        <source>Slowest - 20  minutes</source>
        <translation>Am langsamsten – 20 Minuten</translation>
    </message>
    <message>
        <source>Your time is about 20 mintues, close this windows, and hit start when ready</source>
        <translation>Du hast etwa 20 Minuten. Schließ dieses Fenster und drück auf Start, wenn du bereit bist.</translation>
    </message>
    <message>
        <source>Not so slow - 15 mins</source>
        <translation>Etwas schneller – 15 Minuten</translation>
    </message>
    <message>
        <source>Your time is about 15 mintues, close this windows, and hit start when ready</source>
        <translation>Du hast etwa 15 Minuten. Schließ dieses Fenster und drück auf Start, wenn du bereit bist.</translation>
    </message>
    <message>
        <source>Normal -- 10 minutes</source>
        <translation>Normal – 10 Minuten</translation>
    </message>
    <message>
        <source>Your time is about 10 mintues, close this windows, and hit start when ready</source>
        <translation>Du hast etwa 10 Minuten. Schließ dieses Fenster und drück auf Start, wenn du bereit bist.</translation>
    </message>
    <message>
        <source>Fast - 5  minutes</source>
        <translation>Schnell – 5 Minuten</translation>
    </message>
    <message>
        <source>Your time is about 5 mintues, close this windows, and hit start when ready</source>
        <translation>Du hast etwa 5 Minuten. Schließ dieses Fenster und drück auf Start, wenn du bereit bist.</translation>
    </message>
    <message>
        <source>Fastest - 1 to 2 minutes</source>
        <translation>Am schnellsten – 1 bis 2 Minuten</translation>
    </message>
    <message>
        <source>Your time is about 2 mintues, close this windows, and start when ready</source>
        <translation>Du hast etwa 2 Minuten. Schließ dieses Fenster und leg los, wenn du bereit bist.</translation>
    </message>
    <message>
        <source>Speed/Timing Set</source>
        <translation>Tempo wählen</translation>
    </message>
    <message>
        <source>PICK ONE</source>
        <translation>WÄHL EINS AUS</translation>
    </message>
    <message>
        <source>Close this Window and Set Level of Difficulty</source>
        <translation>Weiter zur Schwierigkeit</translation>
    </message>
</context>
<context>
    <name>SummaryCells</name>
    <message>
        <source>N/A</source>
        <translation>–</translation>
    </message>
</context>
<context>
    <name>SummaryDates</name>
    <message>
        <source>The %1 &quot;%2&quot; cannot be read as a date. Please type a date as %3, for example %4, or as yyyy-mm-dd, for example %5.</source>
        <translation>%1 „%2“ ist kein Datum. Bitte gib ein Datum als %3 ein, zum Beispiel %4, oder als JJJJ-MM-TT, zum Beispiel %5.</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>Das Startdatum</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>Das Enddatum</translation>
    </message>
    <message>
        <source>The starting date &quot;%1&quot; is after the end date &quot;%2&quot;. Please type a starting date no later than the end date.</source>
        <translation>Das Startdatum „%1“ liegt nach dem Enddatum „%2“. Bitte gib ein Startdatum ein, das nicht nach dem Enddatum liegt.</translation>
    </message>
</context>
<context>
    <name>SummaryTable</name>
    <message>
        <source>1 -2 mins.</source>
        <translation>1–2 Min.</translation>
    </message>
    <message>
        <source>5 mins</source>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>10 mins</source>
        <translation>10 Min.</translation>
    </message>
    <message>
        <source>15 mins</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>20 mins</source>
        <translation>20 Min.</translation>
    </message>
    <message>
        <source>Total AVG SCORE</source>
        <translation>GESAMTSCHNITT</translation>
    </message>
    <message>
        <source>Speed across, level down</source>
        <translation>Tempo nach rechts, Stufe nach unten</translation>
    </message>
    <message>
        <source>   Speed</source>
        <translation>   Tempo</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Below the diagonal of the table&apos;s corner: the rows are the levels.</extracomment>
        <translation>Stufe</translation>
    </message>
</context>
<context>
    <name>UserCommands</name>
    <message>
        <source>No such user in the database yet!  Please go to  Change User button to create</source>
        <translation>Diesen Namen gibt es noch nicht! Leg ihn mit „Namen wechseln“ an.</translation>
    </message>
    <message>
        <source>User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Den Namen gibt es schon. Drück auf „Plus und Minus“ oder „Mal und Geteilt“, um loszulegen.</translation>
    </message>
    <message>
        <source>No such user in the database yet!  Ok to create</source>
        <translation>Diesen Namen gibt es noch nicht! Soll er angelegt werden?</translation>
    </message>
    <message>
        <source>User Created, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Name angelegt! Drück auf „Plus und Minus“ oder „Mal und Geteilt“, um loszulegen.</translation>
    </message>
    <message>
        <source>Do this only you have problem retrieving record or if you want to reset the record to original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY</source>
        <translation>Mach das nur, wenn sich deine Einträge nicht mehr lesen lassen oder du sie auf die leere Datenbank zurücksetzen willst, UND MACH ES, BEVOR DU DIE PUNKTEÜBERSICHT ÖFFNEST.</translation>
    </message>
    <message>
        <source>Are you really sure? </source>
        <translation>Bist du dir wirklich sicher?</translation>
    </message>
    <message>
        <source>Original Database restored!</source>
        <translation>Die leere Datenbank ist wiederhergestellt!</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source> The current user stays as it was.</source>
        <translation> Der Name bleibt, wie er war.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The current user stays as it was.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2
Der Name bleibt, wie er war.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was not replaced: %2</source>
        <translation>Die Datenbank „%1“ wurde nicht ersetzt: %2</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be made: %2</source>
        <translation>Die Datenbank „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>&quot;%1&quot; is not allowed as a user name.</source>
        <translation>„%1“ ist als Name nicht erlaubt.</translation>
    </message>
    <message>
        <source>A user name cannot contain the character &quot;/&quot;.</source>
        <translation>Ein Name darf das Zeichen „/“ nicht enthalten.</translation>
    </message>
    <message>
        <source>A user name cannot contain control characters.</source>
        <translation>Ein Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The user name is too long to be a file name.</source>
        <translation>Der Name ist zu lang für einen Dateinamen.</translation>
    </message>
    <message>
        <source>the template &quot;%1&quot; cannot be copied: %2</source>
        <translation>die Vorlage „%1“ kann nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>es ist viel zu groß</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>Could not print: the print module cannot be loaded: %1</source>
        <translation>Drucken geht nicht: Das Druckmodul lässt sich nicht laden: %1</translation>
    </message>
</context>
</TS>
