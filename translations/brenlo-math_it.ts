<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About this program</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>Brenlo Math Practice began with a parent writing math problems for a child to practise at home. The sums were first kept on a spreadsheet, and when the spreadsheet could no longer keep up with a growing child, it became this program, with its sheets, its countdown, its awards and a summary of the scores. If you have an idea, find a mistake or just want to tell how the practice went, please send an e-mail to %1. Practice Makes Perfect. Credits: written by the Brenlo Math Practice team in C++ with the Qt toolkit; sounds played with SDL2_mixer and the TimGM6mb sound font; version 2.5.1, December 2026.</source>
        <translation>Brenlo Math Practice è nato da un genitore che scriveva operazioni di matematica per far esercitare un bambino a casa. All&apos;inizio le operazioni stavano in un foglio di calcolo e, quando il foglio di calcolo non è più riuscito a stare al passo con un bambino che cresceva, è diventato questo programma, con le sue schede, il conto alla rovescia, i premi e un riepilogo dei punteggi. Se hai un&apos;idea, trovi un errore o vuoi solo raccontare come sono andati gli esercizi, manda un&apos;e-mail a %1. La pratica rende perfetti. Riconoscimenti: scritto dal team di Brenlo Math Practice in C++ con il toolkit Qt; suoni riprodotti con SDL2_mixer e il sound font TimGM6mb; versione 2.5.1, dicembre 2026.</translation>
    </message>
</context>
<context>
    <name>AppTitle</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5.1</source>
        <translation>Il programma Brenlo Math Practice 2.5.1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>the temporary file was removed while it was being made</source>
        <translation>il file temporaneo è stato rimosso mentre veniva creato</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>the data could not be synced to disk</source>
        <translation>non è stato possibile scrivere i dati sul disco</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>You need to practice some more!</source>
        <translation>Devi esercitarti ancora un po&apos;!</translation>
    </message>
    <message>
        <source>Good Job.. but remember Practice makes perfect</source>
        <translation>Bel lavoro.. ma ricorda: la pratica rende perfetti</translation>
    </message>
    <message>
        <source>Excellent, ready for more?</source>
        <translation>Ottimo, ne vuoi ancora?</translation>
    </message>
    <message>
        <source>Impressive!! You are getting closer to perfection</source>
        <translation>Fantastico!! Ti stai avvicinando alla perfezione</translation>
    </message>
    <message>
        <source>Perfect!! You are a genius..ready for next level?!</source>
        <translation>Perfetto!! Sei un genio..passiamo al livello successivo?!</translation>
    </message>
</context>
<context>
    <name>ClassConfig</name>
    <message>
        <source>The class server&apos;s configuration &quot;%1&quot; cannot be used: %2.</source>
        <translation>Non è possibile usare la configurazione del server di classe &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value</source>
        <translation>&quot;%1&quot; non ha un valore</translation>
    </message>
    <message>
        <source>a second &quot;class&quot;</source>
        <translation>un secondo &quot;class&quot;</translation>
    </message>
    <message>
        <source>a second &quot;%1&quot; (give either &quot;service&quot; or &quot;connection&quot;, once)</source>
        <translation>un secondo &quot;%1&quot; (indicare &quot;service&quot; oppure &quot;connection&quot;, una sola volta)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>it is longer than %1 KiB</source>
        <translation>supera i %1 KiB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>no &quot;key = value&quot;</source>
        <translation>manca &quot;chiave = valore&quot;</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>chiave sconosciuta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it names no &quot;class&quot;</source>
        <translation>non indica &quot;class&quot;</translation>
    </message>
    <message>
        <source>it names no &quot;service&quot; and no &quot;connection&quot;</source>
        <translation>non indica né &quot;service&quot; né &quot;connection&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the connection has no &quot;=&quot;</source>
        <translation>&quot;%1&quot; nella connessione non ha &quot;=&quot;</translation>
    </message>
    <message>
        <source>a quote in the connection is not closed</source>
        <translation>una virgoletta nella connessione non è chiusa</translation>
    </message>
    <message>
        <source>write the connection as &quot;keyword=value&quot; pairs, not as a URI</source>
        <translation>scrivere la connessione come coppie &quot;chiave=valore&quot;, non come URI</translation>
    </message>
    <message>
        <source>a semicolon, which Qt&apos;s driver reads as a space</source>
        <translation>un punto e virgola, che il driver di Qt legge come uno spazio</translation>
    </message>
    <message>
        <source>a password in the connection; passwords belong in ~/.pgpass or the service file</source>
        <translation>una password nella connessione; le password vanno in ~/.pgpass o nel file dei servizi</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>No class is set up. Name the class and its server in ~/.config/%1 or /etc/xdg/%1.</source>
        <translation>Nessuna classe configurata. Indicare la classe e il suo server in ~/.config/%1 o in /etc/xdg/%1.</translation>
    </message>
</context>
<context>
    <name>ClassOverviewWindow</name>
    <message>
        <source>Class overview: %1</source>
        <translation>Panoramica della classe: %1</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primo giorno</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Ultimo giorno</translation>
    </message>
    <message>
        <source>Averages and facts from</source>
        <translation>Medie e operazioni dal</translation>
    </message>
    <message>
        <source>to</source>
        <translation>al</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Class %1 %2.csv</source>
        <translation>Classe %1 %2.csv</translation>
    </message>
    <message>
        <source>Save the overview as CSV</source>
        <translation>Salva la panoramica come CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Fogli di calcolo (*.csv)</translation>
    </message>
    <message>
        <source>The overview was not saved as &quot;%1&quot;: %2</source>
        <translation>La panoramica non è stata salvata come &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ClassReads</name>
    <message>
        <source>The class could not be read from the server: %1</source>
        <translation>Non è stato possibile leggere la classe dal server: %1</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>The class &quot;%1&quot; cannot be shown: Qt&apos;s PostgreSQL driver is not installed (the package libqt6sql6-psql).</source>
        <translation>Non è possibile mostrare la classe &quot;%1&quot;: il driver PostgreSQL di Qt non è installato (il pacchetto libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server could not be reached or refused the connection, so the class &quot;%1&quot; cannot be shown. The server said: %2</source>
        <translation>Il server della classe non è raggiungibile o ha rifiutato la connessione, quindi non è possibile mostrare la classe &quot;%1&quot;. Il server ha risposto: %2</translation>
    </message>
    <message>
        <source>Your sheets are kept on this computer for now: the class server could not take them just now. They will be sent to it later by themselves.

The server said: %1</source>
        <translation>Per ora le tue schede restano su questo computer: il server della classe non ha potuto riceverle adesso. Gli verranno inviate più tardi, in automatico.

Il server ha risposto: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (package libqt6sql6-psql) is not installed</source>
        <translation>il driver PostgreSQL di Qt (pacchetto libqt6sql6-psql) non è installato</translation>
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
        <translation>Esercizi di aritmetica</translation>
    </message>
    <message>
        <source>Arithmetic practice sheets with a countdown and awards</source>
        <extracomment>The one-line summary in menus and software centres.</extracomment>
        <translation>Schede di aritmetica con conto alla rovescia e premi</translation>
    </message>
    <message>
        <source>arithmetic;sums;addition;subtraction;multiplication;division;times tables;school;</source>
        <extracomment>Search words for the desktop&apos;s menu, each ending in a semicolon; no spaces around them.</extracomment>
        <translation>aritmetica;operazioni;addizione;sottrazione;moltiplicazione;divisione;tabelline;scuola;</translation>
    </message>
    <message>
        <source>Brenlo Math Practice gives a child at home or at school sheets of 18 sums to answer before a countdown runs out. The child picks their name, types the answers, sees the corrections and hears an award that matches the score.</source>
        <translation>Brenlo Math Practice dà a un bambino, a casa o a scuola, schede di 18 operazioni da risolvere prima che finisca il conto alla rovescia. Il bambino sceglie il proprio nome, scrive le risposte, vede le correzioni e sente un premio adatto al punteggio.</translation>
    </message>
    <message>
        <source>Addition and subtraction, or multiplication and division</source>
        <translation>Addizione e sottrazione, oppure moltiplicazione e divisione</translation>
    </message>
    <message>
        <source>Levels of difficulty and speed to choose from</source>
        <translation>Livelli di difficoltà e di velocità a scelta</translation>
    </message>
    <message>
        <source>A score record for every child who practises</source>
        <translation>Un registro dei punteggi per ogni bambino che si esercita</translation>
    </message>
    <message>
        <source>A multiplication table to look at, and printable practice sheets</source>
        <translation>Una tavola pitagorica da consultare e schede di esercizi da stampare</translation>
    </message>
    <message>
        <source>The main menu: pick a kind of practice and who is practising</source>
        <extracomment>The caption of the main menu&apos;s screenshot in software centres.</extracomment>
        <translation>Il menu principale: scegli il tipo di esercizio e chi si esercita</translation>
    </message>
    <message>
        <source>The scores are kept in the user&apos;s own data folder. The program goes online only when a school sets up a class server, which then collects the sheets for the teacher&apos;s class overview.</source>
        <translation>I punteggi sono conservati nella cartella dei dati dell&apos;utente. Il programma si collega alla rete solo se una scuola configura un server della classe, che poi raccoglie le schede per la panoramica della classe dell&apos;insegnante.</translation>
    </message>
    <message>
        <source>Brenlo Class Overview</source>
        <extracomment>The teacher&apos;s program: its name, kind and one-line summary in menus, and search words.</extracomment>
        <translation>Brenlo Class Overview</translation>
    </message>
    <message>
        <source>Class Practice Overview</source>
        <translation>Panoramica degli esercizi della classe</translation>
    </message>
    <message>
        <source>A teacher&apos;s overview of a class&apos;s arithmetic practice sheets</source>
        <translation>Panoramica per l&apos;insegnante delle schede di aritmetica di una classe</translation>
    </message>
    <message>
        <source>arithmetic;class;teacher;school;scores;practice;</source>
        <translation>aritmetica;classe;insegnante;maestra;maestro;scuola;punteggi;esercizi;</translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Easy, hit start when ready</source>
        <translation>Facile, premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Normal, hit start when ready</source>
        <translation>Normale, premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Dfficult, hit start when ready</source>
        <translation>Difficile, premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>More Difficult, hit start when ready</source>
        <translation>Più difficile, premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Super Difficult, hit start when ready</source>
        <translation>Super difficile, premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Difficult, hit start when ready</source>
        <translation>Difficile, premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Difficulty Level Set</source>
        <translation>Livello di difficoltà</translation>
    </message>
    <message>
        <source>Pick your difficulty</source>
        <translation>Scegli la difficoltà</translation>
    </message>
    <message>
        <source>Pick Your Difficult</source>
        <translation>Scegli la difficoltà</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>Home folder (%1)</source>
        <translation>Cartella personale (%1)</translation>
    </message>
</context>
<context>
    <name>FactsGrid</name>
    <message>
        <source>Grid of facts by share answered right</source>
        <translation>Griglia delle operazioni secondo la quota di risposte giuste</translation>
    </message>
    <message>
        <source>Show as table lists the same facts</source>
        <translation>Il pulsante In tabella elenca le stesse operazioni</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <source>Facts</source>
        <translation>Fatti numerici</translation>
    </message>
    <message>
        <source>Each cell: the share answered right and how often asked; dark violet for none right, through blue and green, to yellow for all right.</source>
        <translation>Ogni casella: la quota di risposte giuste e quante volte l&apos;operazione è stata proposta; viola scuro se nessuna è giusta, poi blu e verde, fino al giallo se sono tutte giuste.</translation>
    </message>
    <message>
        <source>Missed most, outside the grids:</source>
        <translation>Le più sbagliate, fuori dalle griglie:</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>In tabella</translation>
    </message>
    <message>
        <source>Grid of facts</source>
        <translation>Griglia delle operazioni</translation>
    </message>
    <message>
        <source>Every fact as a table</source>
        <translation>Tutte le operazioni in una tabella</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Headings: how often a problem was asked, and answered right.</extracomment>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Proposte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Quota giuste</translation>
    </message>
    <message>
        <source>Time (estimate)</source>
        <translation>Tempo (stima)</translation>
    </message>
    <message>
        <source>Problems outside the grids missed most</source>
        <translation>Le operazioni più sbagliate fuori dalle griglie</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A heading: how often a problem was answered wrong.</extracomment>
        <translation>Sbagliate</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Errore tipico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Facts of %1 from %2 to %3</source>
        <translation>Fatti numerici di %1 dal %2 al %3</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>The answers could not be read from &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile leggere le risposte da &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Typical time per fact, an estimate from the boxes filled in order: %1</source>
        <translation>Tempo tipico per operazione, stimato dalle caselle compilate in ordine: %1</translation>
    </message>
    <message>
        <source>Typical time per fact: too few boxes filled in order for an estimate</source>
        <translation>Tempo tipico per operazione: troppe poche caselle compilate in ordine per una stima</translation>
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
        <translation>Questa cartella non c&apos;è più; il supporto è stato rimosso?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1.</source>
        <translation>Questa cartella non si può leggere: %1.</translation>
    </message>
    <message>
        <source>One entry here is not shown: its name is not valid text.</source>
        <translation>Un elemento qui non è mostrato: il suo nome non è un testo valido.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries here are not shown: their names are not valid text.</source>
        <translation>
            <numerusform>%n elemento qui non è mostrato: il suo nome non è un testo valido.</numerusform>
            <numerusform>%n elementi qui non sono mostrati: i loro nomi non sono un testo valido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading this folder stopped: %1.</source>
        <translation>La lettura di questa cartella si è interrotta: %1.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>This program is menu driven, when entering, just hit tab, and it will bring you to the next field.  When time is up, all the fields will be locked.  Any question , please contact </source>
        <translation>Questo programma si usa con i menu; mentre scrivi, premi Tab per passare alla casella successiva.  Quando il tempo finisce, tutte le caselle si bloccano.  Per qualsiasi domanda, scrivi a </translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Chiudi questa finestra</translation>
    </message>
</context>
<context>
    <name>Information</name>
    <message>
        <source>The release notes &quot;%1&quot; could not be opened: %2</source>
        <translation>Non è stato possibile aprire le note di versione &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Windows 95/98/NT/2000, with at least 800X600 Resolution</source>
        <translation>Windows 95/98/NT/2000, con risoluzione di almeno 800X600</translation>
    </message>
    <message>
        <source>System Requirement</source>
        <translation>Requisiti di sistema</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Brenlo Math Practice 2.5.1 - Practice Makes Perfect</source>
        <translation>Brenlo Math Practice 2.5.1 - La pratica rende perfetti</translation>
    </message>
    <message>
        <source>Pick a choice to start</source>
        <translation>Scegli per cominciare</translation>
    </message>
    <message>
        <source>Addition and Subtraction</source>
        <translation>Addizione e sottrazione</translation>
    </message>
    <message>
        <source>Multiplication and Division</source>
        <translation>Moltiplicazione e divisione</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;-CHANGE USER AND ENTER</source>
        <translation>&lt;&lt;&lt;-CAMBIA UTENTE ED ENTRA</translation>
    </message>
    <message>
        <source>Score Summary</source>
        <translation>Riepilogo punteggi</translation>
    </message>
    <message>
        <source>Restore  DATABASE</source>
        <translation>Ripristina DATABASE</translation>
    </message>
    <message>
        <source>Exit out of the program</source>
        <translation>Esci dal programma</translation>
    </message>
</context>
<context>
    <name>MultiplicationTable</name>
    <message>
        <source>Row 1 and column 1</source>
        <translation>Riga 1 e colonna 1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>Mulitiplication table</source>
        <translation>Tavola pitagorica</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
</context>
<context>
    <name>OverviewTables</name>
    <message>
        <source>Children</source>
        <translation>Alunni</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Alunno</translation>
    </message>
    <message>
        <source>Sheets this week</source>
        <translation>Schede in settimana</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Ultimo esercizio</translation>
    </message>
    <message>
        <source>Average scores</source>
        <translation>Punteggi medi</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Punteggio medio</translation>
    </message>
    <message>
        <source>Of a full sheet</source>
        <translation>Del massimo</translation>
    </message>
    <message>
        <source>Facts missed most</source>
        <translation>Operazioni più sbagliate</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Risposta giusta</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Children who missed it</source>
        <translation>Alunni che l&apos;hanno sbagliata</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Errore tipico</translation>
    </message>
</context>
<context>
    <name>PlayProblem</name>
    <message>
        <source>no file is named</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>this is a folder, not a sound file</source>
        <translation>è una cartella, non un file audio</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>il file non si può leggere</translation>
    </message>
</context>
<context>
    <name>PracticeControls</name>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Check Answer - Score</source>
        <translation>Correggi - Punteggio</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aiutino</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Speed in Mins :</source>
        <translation>Velocità in min :</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>level label</comment>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
</context>
<context>
    <name>PracticeMenus</name>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;File Location</source>
        <translation>&amp;Posizione dei file</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Principale</translation>
    </message>
    <message>
        <source>A&amp;dvanced switched to Times and Divide</source>
        <translation>&amp;Avanzato: passa a Per e Diviso</translation>
    </message>
    <message>
        <source>&amp;Basic switch to Plus and Minus</source>
        <translation>&amp;Base: passa a Più e Meno</translation>
    </message>
    <message>
        <source>&amp;Report Score Summary</source>
        <translation>&amp;Riepilogo punteggi</translation>
    </message>
    <message>
        <source>E&amp;xit completely</source>
        <translation>&amp;Esci del tutto</translation>
    </message>
    <message>
        <source>E&amp;xit out the program completely</source>
        <translation>&amp;Esci completamente dal programma</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The menu of the speed, the difficulty and the mistakes practice.</extracomment>
        <translation>&amp;Livello</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficoltà</translation>
    </message>
    <message>
        <source>Practise my &amp;mistakes</source>
        <translation>Ripassa i tuoi &amp;errori</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>about the &amp;Program</source>
        <translation>Informazioni sul &amp;programma</translation>
    </message>
    <message>
        <source>&amp;Release notes</source>
        <translation>&amp;Novità della versione</translation>
    </message>
    <message>
        <source>&amp;Release Notes</source>
        <translation>&amp;Novità della versione</translation>
    </message>
    <message>
        <source>&amp;System Requirement</source>
        <translation>&amp;Requisiti di sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Your time&apos;s up</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem for a screen reader: the numbers and the operation&apos;s word.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, the right answer is </source>
        <translation>, la risposta giusta è </translation>
    </message>
    <message>
        <source>The score of this sheet could not be saved in &quot;%1&quot;: %2
It is kept and tried again at the next check.</source>
        <translation>Non è stato possibile salvare il punteggio di questa scheda in &quot;%1&quot;: %2
Viene conservato e si riprova al prossimo controllo.</translation>
    </message>
    <message>
        <source>The score of a sheet could not be saved in &quot;%1&quot; before the program ended: %2</source>
        <translation>Non è stato possibile salvare il punteggio di una scheda in &quot;%1&quot; prima della chiusura del programma: %2</translation>
    </message>
    <message>
        <source>Scores cannot be saved in &quot;%1&quot;: %2</source>
        <translation>Non è possibile salvare i punteggi in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Your mistakes could not be read from &quot;%1&quot;: %2
Here is an ordinary sheet instead.</source>
        <translation>Non è stato possibile leggere i tuoi errori da &quot;%1&quot;: %2
Ecco invece una scheda normale.</translation>
    </message>
    <message numerus="yes">
        <source>There are no answers of yours from the last %n days yet, so here is an ordinary sheet.</source>
        <translation>
            <numerusform>Non hai ancora risposte nell&apos;ultimo giorno (%n), quindi ecco una scheda normale.</numerusform>
            <numerusform>Non hai ancora risposte negli ultimi %n giorni, quindi ecco una scheda normale.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeTitles</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -plus and minus</source>
        <translation>Il programma Brenlo Math Practice 2.5 -più e meno</translation>
    </message>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -times and divide</source>
        <translation>Il programma Brenlo Math Practice 2.5 -per e diviso</translation>
    </message>
    <message>
        <source> User: - </source>
        <translation> Utente: - </translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>No printer is set up, so the page was saved as &quot;%1&quot;.</source>
        <translation>Nessuna stampante configurata, quindi la pagina è stata salvata come &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>Could not print on the printer &quot;%1&quot;.</source>
        <translation>Impossibile stampare sulla stampante &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not save the print: the folder &quot;%1&quot; does not exist.</source>
        <translation>Impossibile salvare la stampa: la cartella &quot;%1&quot; non esiste.</translation>
    </message>
    <message>
        <source>Could not save the print: &quot;%1&quot; is not a folder.</source>
        <translation>Impossibile salvare la stampa: &quot;%1&quot; non è una cartella.</translation>
    </message>
    <message>
        <source>Could not save the print in the folder &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare la stampa nella cartella &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not write the print to the file &quot;%1&quot;.</source>
        <translation>Impossibile scrivere la stampa nel file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ProgramLauncher</name>
    <message>
        <source>&quot;%1&quot; could not be started: %2</source>
        <translation>Non è stato possibile avviare &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Punteggio medio</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Schede al giorno</translation>
    </message>
</context>
<context>
    <name>ProgressSeries</name>
    <message numerus="yes">
        <source>%n sheet</source>
        <translation>
            <numerusform>%n scheda</numerusform>
            <numerusform>%n schede</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n scheda</numerusform>
            <numerusform>%n schede</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2: %3% average of %4</source>
        <translation>%1, %2: media %3% su %4</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Addition/Subtraction</source>
        <translation>Addizione/Sottrazione</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Moltiplicazione/Divisione</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Schede al giorno</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>In tabella</translation>
    </message>
    <message>
        <source>Chart of each level&apos;s daily score</source>
        <translation>Grafico del punteggio giornaliero di ogni livello</translation>
    </message>
    <message>
        <source>Chart of the sheets done each day</source>
        <translation>Grafico delle schede fatte ogni giorno</translation>
    </message>
    <message>
        <source>Daily scores as a table</source>
        <translation>Punteggi giornalieri in una tabella</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The table&apos;s column headings.</extracomment>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Salva come PNG…</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Salva come CSV…</translation>
    </message>
    <message>
        <source>Facts…</source>
        <translation>Fatti numerici…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Progress of %1 from %2 to %3</source>
        <translation>Progressi di %1 dal %2 al %3</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile leggere i punteggi da &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>: score of each day</source>
        <translation>: punteggio di ogni giorno</translation>
    </message>
    <message>
        <source>: sheets each day</source>
        <translation>: schede di ogni giorno</translation>
    </message>
    <message>
        <source>Answers as CSV (*.csv)</source>
        <translation>Risposte in CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;</source>
        <translation>Fogli di calcolo (*.csv);;</translation>
    </message>
    <message>
        <source>the scores could not be read from &quot;%1&quot;: %2</source>
        <translation>non è stato possibile leggere i punteggi da &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The records were not saved as &quot;%1&quot;: %2</source>
        <translation>I dati non sono stati salvati come &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Salva come PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>non è stato possibile creare l&apos;immagine</translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2</source>
        <translation>L&apos;immagine non è stata salvata come &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Progress of %1 %2 to %3%4</source>
        <translation>Progressi di %1 dal %2 al %3%4</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>è un collegamento, non un file</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>ReportModule</name>
    <message>
        <source>The scores cannot be shown: the report module cannot be loaded: %1</source>
        <translation>Non è possibile mostrare i punteggi: il modulo dei rapporti non si può caricare: %1</translation>
    </message>
</context>
<context>
    <name>ScoreQueue</name>
    <message numerus="yes">
        <source>another program kept it locked for %n seconds</source>
        <translation>
            <numerusform>un altro programma lo ha tenuto bloccato per %n secondo</numerusform>
            <numerusform>un altro programma lo ha tenuto bloccato per %n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreSchema</name>
    <message>
        <source>&quot;%1&quot; exists already</source>
        <translation>&quot;%1&quot; esiste già</translation>
    </message>
    <message>
        <source>it is not a score database (%1)</source>
        <translation>non è un database di punteggi (%1)</translation>
    </message>
    <message>
        <source>it has no table &quot;%1&quot;</source>
        <translation>non ha la tabella &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>la sua tabella &quot;%1&quot; non ha la colonna &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>ScoreStore</name>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>non si può scrivere (%1)</translation>
    </message>
</context>
<context>
    <name>ScoreVocabulary</name>
    <message>
        <source>Easy</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>More Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Più difficile</translation>
    </message>
    <message>
        <source>Super Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Super difficile</translation>
    </message>
    <message>
        <source>Minus and Plus Practice program</source>
        <extracomment>The caption of the addition and subtraction practice screen.</extracomment>
        <translation>Esercizi con meno e più</translation>
    </message>
    <message>
        <source>Multiply and Divide Practice program</source>
        <extracomment>The caption of the multiplication and division practice screen.</extracomment>
        <translation>Esercizi con per e diviso</translation>
    </message>
</context>
<context>
    <name>ScoringSummary</name>
    <message>
        <source>The Brenlo Scoring Summary</source>
        <translation>Riepilogo punteggi Brenlo</translation>
    </message>
    <message>
        <source>Addition/Subtraction Scoring Summary</source>
        <translation>Punteggi Addizione/Sottrazione</translation>
    </message>
    <message>
        <source>Multiplication/Division Scoring Summary</source>
        <translation>Punteggi Moltiplicazione/Divisione</translation>
    </message>
    <message>
        <source>Scoring Summary</source>
        <translation>Riepilogo punteggi</translation>
    </message>
    <message>
        <source>Scoring Summary shows average score of different speed, difficulties.  </source>
        <translation>Il riepilogo mostra il punteggio medio per velocità e difficoltà.  </translation>
    </message>
    <message>
        <source> STARTING DATE</source>
        <translation> DATA DI INIZIO</translation>
    </message>
    <message>
        <source>Starting date</source>
        <translation>Data di inizio</translation>
    </message>
    <message>
        <source>END DATE</source>
        <translation>DATA DI FINE</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Data di fine</translation>
    </message>
    <message>
        <source>USER:- </source>
        <translation>UTENTE:- </translation>
    </message>
    <message>
        <source>Addition/Substraction</source>
        <translation>Addizione/Sottrazione</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Moltiplicazione/Divisione</translation>
    </message>
    <message>
        <source>Clean Up Database</source>
        <translation>Pulisci database</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Incomplete records could not be removed from &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile rimuovere i dati incompleti da &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>Non è stato possibile leggere i punteggi da &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cleaning Database</source>
        <translation>Pulizia del database</translation>
    </message>
    <message>
        <source>No record was deleted from &quot;%1&quot;: %2</source>
        <translation>Nessun dato è stato eliminato da &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Records deleted !</source>
        <translation>Dati eliminati!</translation>
    </message>
    <message>
        <source>Do you really want to clean up database from %1 to %2</source>
        <extracomment>%1 and %2 are the first and the last day of the range, as typed.</extracomment>
        <translation>Vuoi davvero pulire il database dal %1 al %2</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>no sound device can be opened</source>
        <translation>non si può aprire nessun dispositivo audio</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the user name</source>
        <translation>il nome utente</translation>
    </message>
    <message>
        <source>award sound %1</source>
        <translation>il suono di premio %1</translation>
    </message>
    <message>
        <source>; the user name and the award sounds start empty</source>
        <translation>; il nome utente e i suoni di premio partono vuoti</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message numerus="yes">
        <source>only %n of its nine lines lie in the first %1 KiB, which is all that is read</source>
        <translation>
            <numerusform>solo %n delle sue nove righe sta nei primi %1 KiB, che sono tutto ciò che viene letto</numerusform>
            <numerusform>solo %n delle sue nove righe stanno nei primi %1 KiB, che sono tutto ciò che viene letto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it has %n of its nine lines</source>
        <translation>
            <numerusform>ha %n riga su nove</numerusform>
            <numerusform>ha %n righe su nove</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is not text</source>
        <translation>la riga %1 non è testo</translation>
    </message>
    <message>
        <source>lines %1 are not text</source>
        <translation>le righe %1 non sono testo</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the reasons a settings file was not read whole.</extracomment>
        <translation> e </translation>
    </message>
    <message>
        <source>; empty instead: </source>
        <extracomment>Before the list of values that start empty.</extracomment>
        <translation>; restano vuoti: </translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>contiene un a capo</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contiene un carattere di controllo</translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source>Answer %1</source>
        <translation>Risposta %1</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Sound File set up</source>
        <translation>Scelta del file audio</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Please pick a sound file in the file list, then press Select.</source>
        <translation>Scegli un file audio nell&apos;elenco, poi premi Seleziona.</translation>
    </message>
</context>
<context>
    <name>SoundFileRead</name>
    <message>
        <source>no file is named</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than the %1 MiB an award sound may be</source>
        <translation>supera i %1 MiB che può avere un suono di premio</translation>
    </message>
    <message>
        <source>it is not a WAV, MIDI or MP3 sound</source>
        <translation>non è un suono WAV, MIDI o MP3</translation>
    </message>
</context>
<context>
    <name>SoundSetupScreen</name>
    <message>
        <source>Not Good...need more practice</source>
        <translation>Non bene...serve più pratica</translation>
    </message>
    <message>
        <source>Good Job</source>
        <translation>Bel lavoro</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ottimo</translation>
    </message>
    <message>
        <source>Impressive... close to perfection</source>
        <translation>Fantastico... quasi perfetto</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfetto</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Imposta suono</translation>
    </message>
    <message>
        <source>Set your own sound file,Score/History path</source>
        <translation>Scegli i tuoi file audio, percorso punteggi/storico</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Not implmented yet</source>
        <translation>Non ancora disponibile</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Sound file for %1</source>
        <translation>File audio per %1</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Sfoglia per %1</translation>
    </message>
    <message>
        <source>Test sound</source>
        <translation>Prova suono</translation>
    </message>
    <message>
        <source>Test sound for %1</source>
        <translation>Prova il suono per %1</translation>
    </message>
    <message>
        <source>A sound path that %1 cannot be kept in the settings file &quot;%2&quot;; the sound for &quot;%3&quot; stays as it was.</source>
        <translation>Un percorso audio che %1 non può essere salvato nel file delle impostazioni &quot;%2&quot;; il suono per &quot;%3&quot; resta com&apos;era.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The sound you chose is used now, but it is not saved yet.</source>
        <translation>Non è stato possibile scrivere il file delle impostazioni &quot;%1&quot;: %2
Il suono che hai scelto si usa già, ma non è ancora salvato.</translation>
    </message>
    <message>
        <source>Not played: %1</source>
        <translation>Non riprodotto: %1</translation>
    </message>
</context>
<context>
    <name>SpeedDialog</name>
    <message>
        <source>Slowest - 20  minutes</source>
        <translation>Lentissimo - 20 minuti</translation>
    </message>
    <message>
        <source>Your time is about 20 mintues, close this windows, and hit start when ready</source>
        <translation>Hai circa 20 minuti, chiudi questa finestra e premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Not so slow - 15 mins</source>
        <translation>Non troppo lento - 15 min</translation>
    </message>
    <message>
        <source>Your time is about 15 mintues, close this windows, and hit start when ready</source>
        <translation>Hai circa 15 minuti, chiudi questa finestra e premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Normal -- 10 minutes</source>
        <translation>Normale -- 10 minuti</translation>
    </message>
    <message>
        <source>Your time is about 10 mintues, close this windows, and hit start when ready</source>
        <translation>Hai circa 10 minuti, chiudi questa finestra e premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Fast - 5  minutes</source>
        <translation>Veloce - 5 minuti</translation>
    </message>
    <message>
        <source>Your time is about 5 mintues, close this windows, and hit start when ready</source>
        <translation>Hai circa 5 minuti, chiudi questa finestra e premi Inizia quando vuoi</translation>
    </message>
    <message>
        <source>Fastest - 1 to 2 minutes</source>
        <translation>Velocissimo - da 1 a 2 minuti</translation>
    </message>
    <message>
        <source>Your time is about 2 mintues, close this windows, and start when ready</source>
        <translation>Hai circa 2 minuti, chiudi questa finestra e comincia quando vuoi</translation>
    </message>
    <message>
        <source>Speed/Timing Set</source>
        <translation>Velocità e tempo</translation>
    </message>
    <message>
        <source>PICK ONE</source>
        <translation>SCEGLINE UNO</translation>
    </message>
    <message>
        <source>Close this Window and Set Level of Difficulty</source>
        <translation>Chiudi e scegli il livello di difficoltà</translation>
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
        <translation>La %1 &quot;%2&quot; non si legge come data. Scrivere una data come %3, per esempio %4, oppure come aaaa-mm-gg, per esempio %5.</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>data di inizio</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>data di fine</translation>
    </message>
    <message>
        <source>The starting date &quot;%1&quot; is after the end date &quot;%2&quot;. Please type a starting date no later than the end date.</source>
        <translation>La data di inizio &quot;%1&quot; è dopo la data di fine &quot;%2&quot;. Scrivere una data di inizio non successiva alla data di fine.</translation>
    </message>
</context>
<context>
    <name>SummaryTable</name>
    <message>
        <source>1 -2 mins.</source>
        <translation>1 -2 min.</translation>
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
        <translation>MEDIA TOTALE</translation>
    </message>
    <message>
        <source>Speed across, level down</source>
        <translation>Velocità in orizzontale, livello in verticale</translation>
    </message>
    <message>
        <source>   Speed</source>
        <translation>   Velocità</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Below the diagonal of the table&apos;s corner: the rows are the levels.</extracomment>
        <translation>Livello</translation>
    </message>
</context>
<context>
    <name>UserCommands</name>
    <message>
        <source>No such user in the database yet!  Please go to  Change User button to create</source>
        <translation>Questo utente non è ancora nel database!  Premi il pulsante Cambia utente per crearlo</translation>
    </message>
    <message>
        <source>User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>L&apos;utente è nel database, premi Addizione e sottrazione o Moltiplicazione e divisione per continuare</translation>
    </message>
    <message>
        <source>No such user in the database yet!  Ok to create</source>
        <translation>Questo utente non è ancora nel database!  Premi OK per crearlo</translation>
    </message>
    <message>
        <source>User Created, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Utente creato, premi Addizione e sottrazione o Moltiplicazione e divisione per continuare</translation>
    </message>
    <message>
        <source>Do this only you have problem retrieving record or if you want to reset the record to original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY</source>
        <translation>Fallo solo se hai problemi a leggere i punteggi o se vuoi riportarli all&apos;inizio (database vuoto), E VA FATTO PRIMA DI APRIRE IL RIEPILOGO PUNTEGGI</translation>
    </message>
    <message>
        <source>Are you really sure? </source>
        <translation>Vuoi davvero procedere? </translation>
    </message>
    <message>
        <source>Original Database restored!</source>
        <translation>Database originale ripristinato!</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.</source>
        <translation>Non è stato possibile leggere il file delle impostazioni &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source> The current user stays as it was.</source>
        <translation> L&apos;utente attuale resta lo stesso.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The current user stays as it was.</source>
        <translation>Non è stato possibile scrivere il file delle impostazioni &quot;%1&quot;: %2
L&apos;utente attuale resta lo stesso.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was not replaced: %2</source>
        <translation>Il database &quot;%1&quot; non è stato sostituito: %2</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be made: %2</source>
        <translation>Non è stato possibile creare il database &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>&quot;%1&quot; is not allowed as a user name.</source>
        <translation>&quot;%1&quot; non può essere usato come nome utente.</translation>
    </message>
    <message>
        <source>A user name cannot contain the character &quot;/&quot;.</source>
        <translation>Un nome utente non può contenere il carattere &quot;/&quot;.</translation>
    </message>
    <message>
        <source>A user name cannot contain control characters.</source>
        <translation>Un nome utente non può contenere caratteri di controllo.</translation>
    </message>
    <message>
        <source>The user name is too long to be a file name.</source>
        <translation>Il nome utente è troppo lungo per essere un nome di file.</translation>
    </message>
    <message>
        <source>the template &quot;%1&quot; cannot be copied: %2</source>
        <translation>il modello &quot;%1&quot; non si può copiare: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>è troppo grande</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>Could not print: the print module cannot be loaded: %1</source>
        <translation>Impossibile stampare: il modulo di stampa non si può caricare: %1</translation>
    </message>
</context>
</TS>
