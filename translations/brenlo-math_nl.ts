<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About this program</source>
        <translation>Over dit programma</translation>
    </message>
    <message>
        <source>Brenlo Math Practice began with a parent writing math problems for a child to practise at home. The sums were first kept on a spreadsheet, and when the spreadsheet could no longer keep up with a growing child, it became this program, with its sheets, its countdown, its awards and a summary of the scores. If you have an idea, find a mistake or just want to tell how the practice went, please send an e-mail to %1. Practice Makes Perfect. Credits: written by the Brenlo Math Practice team in C++ with the Qt toolkit; sounds played with SDL2_mixer and the TimGM6mb sound font; version 2.5.1, December 2026.</source>
        <translation>Brenlo Math Practice begon met een ouder die rekensommen opschreef, zodat een kind thuis kon oefenen. De sommen stonden eerst in een spreadsheet, en toen die spreadsheet een groeiend kind niet meer bijhield, werd het dit programma, met zijn oefenbladen, zijn aftelklok, zijn beloningen en een overzicht van de scores. Heb je een idee, vind je een fout of wil je gewoon vertellen hoe het oefenen ging? Stuur dan een e-mail naar %1. Oefening baart kunst. Makers: geschreven door het Brenlo Math Practice-team in C++ met de Qt-toolkit; geluiden afgespeeld met SDL2_mixer en het soundfont TimGM6mb; versie 2.5.1, december 2026.</translation>
    </message>
</context>
<context>
    <name>AppTitle</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5.1</source>
        <translation>Het programma Brenlo Math Practice 2.5.1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>the temporary file was removed while it was being made</source>
        <translation>het tijdelijke bestand werd verwijderd terwijl het werd gemaakt</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>the data could not be synced to disk</source>
        <translation>de gegevens konden niet naar de schijf worden geschreven</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>You need to practice some more!</source>
        <translation>Je moet nog wat meer oefenen!</translation>
    </message>
    <message>
        <source>Good Job.. but remember Practice makes perfect</source>
        <translation>Goed zo.. maar onthoud: oefening baart kunst</translation>
    </message>
    <message>
        <source>Excellent, ready for more?</source>
        <translation>Uitstekend, klaar voor meer?</translation>
    </message>
    <message>
        <source>Impressive!! You are getting closer to perfection</source>
        <translation>Geweldig!! Je bent bijna perfect</translation>
    </message>
    <message>
        <source>Perfect!! You are a genius..ready for next level?!</source>
        <translation>Perfect!! Je bent een genie..klaar voor het volgende niveau?!</translation>
    </message>
</context>
<context>
    <name>ClassConfig</name>
    <message>
        <source>The class server&apos;s configuration &quot;%1&quot; cannot be used: %2.</source>
        <translation>De configuratie van de klassenserver &quot;%1&quot; kan niet worden gebruikt: %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value</source>
        <translation>&quot;%1&quot; heeft geen waarde</translation>
    </message>
    <message>
        <source>a second &quot;class&quot;</source>
        <translation>een tweede &quot;class&quot;</translation>
    </message>
    <message>
        <source>a second &quot;%1&quot; (give either &quot;service&quot; or &quot;connection&quot;, once)</source>
        <translation>een tweede &quot;%1&quot; (geef &quot;service&quot; of &quot;connection&quot;, één keer)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>it is longer than %1 KiB</source>
        <translation>het is groter dan %1 KiB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>het is geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>no &quot;key = value&quot;</source>
        <translation>geen &quot;sleutel = waarde&quot;</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>onbekende sleutel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>it names no &quot;class&quot;</source>
        <translation>er staat geen &quot;class&quot; in</translation>
    </message>
    <message>
        <source>it names no &quot;service&quot; and no &quot;connection&quot;</source>
        <translation>er staat geen &quot;service&quot; en geen &quot;connection&quot; in</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the connection has no &quot;=&quot;</source>
        <translation>&quot;%1&quot; in de verbinding heeft geen &quot;=&quot;</translation>
    </message>
    <message>
        <source>a quote in the connection is not closed</source>
        <translation>een aanhalingsteken in de verbinding is niet gesloten</translation>
    </message>
    <message>
        <source>write the connection as &quot;keyword=value&quot; pairs, not as a URI</source>
        <translation>schrijf de verbinding als paren &quot;trefwoord=waarde&quot;, niet als URI</translation>
    </message>
    <message>
        <source>a semicolon, which Qt&apos;s driver reads as a space</source>
        <translation>een puntkomma, die het stuurprogramma van Qt als spatie leest</translation>
    </message>
    <message>
        <source>a password in the connection; passwords belong in ~/.pgpass or the service file</source>
        <translation>een wachtwoord in de verbinding; wachtwoorden horen in ~/.pgpass of in het servicebestand</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>No class is set up. Name the class and its server in ~/.config/%1 or /etc/xdg/%1.</source>
        <translation>Er is geen klas ingesteld. Zet de naam van de klas en van de server in ~/.config/%1 of /etc/xdg/%1.</translation>
    </message>
</context>
<context>
    <name>ClassOverviewWindow</name>
    <message>
        <source>Class overview: %1</source>
        <translation>Klassenoverzicht: %1</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Klas %1</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Eerste dag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Laatste dag</translation>
    </message>
    <message>
        <source>Averages and facts from</source>
        <translation>Gemiddelden en sommen van</translation>
    </message>
    <message>
        <source>to</source>
        <translation>t/m</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Opslaan als CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Class %1 %2.csv</source>
        <translation>Klas %1 %2.csv</translation>
    </message>
    <message>
        <source>Save the overview as CSV</source>
        <translation>Overzicht opslaan als CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Spreadsheetbestanden (*.csv)</translation>
    </message>
    <message>
        <source>The overview was not saved as &quot;%1&quot;: %2</source>
        <translation>Het overzicht is niet opgeslagen als &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ClassReads</name>
    <message>
        <source>The class could not be read from the server: %1</source>
        <translation>De klas kon niet van de server worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>The class &quot;%1&quot; cannot be shown: Qt&apos;s PostgreSQL driver is not installed (the package libqt6sql6-psql).</source>
        <translation>De klas &quot;%1&quot; kan niet worden getoond: het PostgreSQL-stuurprogramma van Qt is niet geïnstalleerd (het pakket libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server could not be reached or refused the connection, so the class &quot;%1&quot; cannot be shown. The server said: %2</source>
        <translation>De klassenserver was niet bereikbaar of weigerde de verbinding, dus de klas &quot;%1&quot; kan niet worden getoond. De server meldde: %2</translation>
    </message>
    <message>
        <source>Your sheets are kept on this computer for now: the class server could not take them just now. They will be sent to it later by themselves.

The server said: %1</source>
        <translation>Je bladen worden voorlopig op deze computer bewaard: de klassenserver kon ze nu even niet aannemen. Ze worden er later vanzelf naartoe gestuurd.

De server meldde: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (package libqt6sql6-psql) is not installed</source>
        <translation>Het PostgreSQL-stuurprogramma van Qt (pakket libqt6sql6-psql) is niet geïnstalleerd</translation>
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
        <translation>Rekenoefeningen</translation>
    </message>
    <message>
        <source>Arithmetic practice sheets with a countdown and awards</source>
        <extracomment>The one-line summary in menus and software centres.</extracomment>
        <translation>Oefenbladen voor rekenen met een aftelklok en beloningen</translation>
    </message>
    <message>
        <source>arithmetic;sums;addition;subtraction;multiplication;division;times tables;school;</source>
        <extracomment>Search words for the desktop&apos;s menu, each ending in a semicolon; no spaces around them.</extracomment>
        <translation>rekenen;sommen;optellen;aftrekken;vermenigvuldigen;delen;tafels;school;</translation>
    </message>
    <message>
        <source>Brenlo Math Practice gives a child at home or at school sheets of 18 sums to answer before a countdown runs out. The child picks their name, types the answers, sees the corrections and hears an award that matches the score.</source>
        <translation>Brenlo Math Practice geeft een kind thuis of op school bladen met 18 sommen, die het moet maken voordat de aftelklok afloopt. Het kind kiest zijn naam, typt de antwoorden, ziet de verbeteringen en hoort een beloning die bij de score past.</translation>
    </message>
    <message>
        <source>Addition and subtraction, or multiplication and division</source>
        <translation>Optellen en aftrekken, of vermenigvuldigen en delen</translation>
    </message>
    <message>
        <source>Levels of difficulty and speed to choose from</source>
        <translation>Moeilijkheidsniveaus en snelheden om uit te kiezen</translation>
    </message>
    <message>
        <source>A score record for every child who practises</source>
        <translation>Een scorelijst voor elk kind dat oefent</translation>
    </message>
    <message>
        <source>A multiplication table to look at, and printable practice sheets</source>
        <translation>Een tafel van vermenigvuldiging om te bekijken, en oefenbladen om af te drukken</translation>
    </message>
    <message>
        <source>The main menu: pick a kind of practice and who is practising</source>
        <extracomment>The caption of the main menu&apos;s screenshot in software centres.</extracomment>
        <translation>Het hoofdmenu: kies een soort oefening en wie er oefent</translation>
    </message>
    <message>
        <source>The scores are kept in the user&apos;s own data folder. The program goes online only when a school sets up a class server, which then collects the sheets for the teacher&apos;s class overview.</source>
        <translation>De scores worden bewaard in de eigen gegevensmap van de gebruiker. Het programma gaat alleen online als een school een klassenserver instelt, die dan de bladen verzamelt voor het klassenoverzicht van de leerkracht.</translation>
    </message>
    <message>
        <source>Brenlo Class Overview</source>
        <extracomment>The teacher&apos;s program: its name, kind and one-line summary in menus, and search words.</extracomment>
        <translation>Brenlo Class Overview</translation>
    </message>
    <message>
        <source>Class Practice Overview</source>
        <translation>Oefenoverzicht van de klas</translation>
    </message>
    <message>
        <source>A teacher&apos;s overview of a class&apos;s arithmetic practice sheets</source>
        <translation>Een overzicht voor de leerkracht van de oefenbladen rekenen van een klas</translation>
    </message>
    <message>
        <source>arithmetic;class;teacher;school;scores;practice;</source>
        <translation>rekenen;klas;leerkracht;leraar;school;scores;oefenen;</translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Easy, hit start when ready</source>
        <translation>Makkelijk, druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Normal, hit start when ready</source>
        <translation>Normaal, druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Dfficult, hit start when ready</source>
        <translation>Moeilijk, druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>More Difficult, hit start when ready</source>
        <translation>Moeilijker, druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Super Difficult, hit start when ready</source>
        <translation>Supermoeilijk, druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Difficult, hit start when ready</source>
        <translation>Moeilijk, druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Difficulty Level Set</source>
        <translation>Moeilijkheid kiezen</translation>
    </message>
    <message>
        <source>Pick your difficulty</source>
        <translation>Hoe moeilijk wil je het?</translation>
    </message>
    <message>
        <source>Pick Your Difficult</source>
        <translation>Hoe moeilijk wil je het?</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>Home folder (%1)</source>
        <translation>Persoonlijke map (%1)</translation>
    </message>
</context>
<context>
    <name>FactsGrid</name>
    <message>
        <source>Grid of facts by share answered right</source>
        <translation>Raster van de sommen naar percentage goed</translation>
    </message>
    <message>
        <source>Show as table lists the same facts</source>
        <translation>Als tabel tonen geeft dezelfde sommen als lijst</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <source>Facts</source>
        <translation>Sommen</translation>
    </message>
    <message>
        <source>Each cell: the share answered right and how often asked; dark violet for none right, through blue and green, to yellow for all right.</source>
        <translation>Elk vakje: het percentage goed en hoe vaak gevraagd; donkerpaars voor niets goed, via blauw en groen, tot geel voor alles goed.</translation>
    </message>
    <message>
        <source>Missed most, outside the grids:</source>
        <translation>Vaakst fout, buiten de rasters:</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Als tabel tonen</translation>
    </message>
    <message>
        <source>Grid of facts</source>
        <translation>Raster van sommen</translation>
    </message>
    <message>
        <source>Every fact as a table</source>
        <translation>Alle sommen als tabel</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Headings: how often a problem was asked, and answered right.</extracomment>
        <translation>Som</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwoord</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gevraagd</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Percentage goed</translation>
    </message>
    <message>
        <source>Time (estimate)</source>
        <translation>Tijd (schatting)</translation>
    </message>
    <message>
        <source>Problems outside the grids missed most</source>
        <translation>Sommen buiten de rasters die het vaakst fout gingen</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A heading: how often a problem was answered wrong.</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Typisch fout antwoord</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Facts of %1 from %2 to %3</source>
        <translation>Sommen van %1, %2 t/m %3</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>The answers could not be read from &quot;%1&quot;: %2</source>
        <translation>De antwoorden konden niet worden gelezen uit &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Typical time per fact, an estimate from the boxes filled in order: %1</source>
        <translation>Gebruikelijke tijd per som, geschat uit de vakjes die op volgorde zijn ingevuld: %1</translation>
    </message>
    <message>
        <source>Typical time per fact: too few boxes filled in order for an estimate</source>
        <translation>Gebruikelijke tijd per som: te weinig vakjes op volgorde ingevuld voor een schatting</translation>
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
        <translation>Deze map is er niet meer; is de schijf of stick eruit gehaald?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1.</source>
        <translation>Deze map kan niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>One entry here is not shown: its name is not valid text.</source>
        <translation>Eén item hier wordt niet getoond: de naam is geen geldige tekst.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries here are not shown: their names are not valid text.</source>
        <translation>
            <numerusform>%n item hier wordt niet getoond: de naam is geen geldige tekst.</numerusform>
            <numerusform>%n items hier worden niet getoond: de namen zijn geen geldige tekst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading this folder stopped: %1.</source>
        <translation>Het lezen van deze map is gestopt: %1.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>This program is menu driven, when entering, just hit tab, and it will bring you to the next field.  When time is up, all the fields will be locked.  Any question , please contact </source>
        <translation>Dit programma werkt met menu&apos;s. Druk bij het invullen gewoon op Tab, dan ga je naar het volgende vak.  Als de tijd om is, gaan alle vakken op slot.  Heb je een vraag? Mail dan naar </translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Venster sluiten</translation>
    </message>
</context>
<context>
    <name>Information</name>
    <message>
        <source>The release notes &quot;%1&quot; could not be opened: %2</source>
        <translation>De versienotities &quot;%1&quot; konden niet worden geopend: %2</translation>
    </message>
    <message>
        <source>Windows 95/98/NT/2000, with at least 800X600 Resolution</source>
        <translation>Windows 95/98/NT/2000, met een resolutie van minstens 800X600</translation>
    </message>
    <message>
        <source>System Requirement</source>
        <translation>Systeemeisen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Brenlo Math Practice 2.5.1 - Practice Makes Perfect</source>
        <translation>Brenlo Math Practice 2.5.1 - Oefening baart kunst</translation>
    </message>
    <message>
        <source>Pick a choice to start</source>
        <translation>Kies iets om te beginnen</translation>
    </message>
    <message>
        <source>Addition and Subtraction</source>
        <translation>Optellen en aftrekken</translation>
    </message>
    <message>
        <source>Multiplication and Division</source>
        <translation>Vermenigvuldigen en delen</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;-CHANGE USER AND ENTER</source>
        <translation>&lt;&lt;&lt;-GEBRUIKER WISSELEN</translation>
    </message>
    <message>
        <source>Score Summary</source>
        <translation>Scoreoverzicht</translation>
    </message>
    <message>
        <source>Restore  DATABASE</source>
        <translation>Database herstellen</translation>
    </message>
    <message>
        <source>Exit out of the program</source>
        <translation>Programma afsluiten</translation>
    </message>
</context>
<context>
    <name>MultiplicationTable</name>
    <message>
        <source>Row 1 and column 1</source>
        <translation>Rij 1 en kolom 1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 keer %2</translation>
    </message>
    <message>
        <source>Mulitiplication table</source>
        <translation>Tafel van vermenigvuldiging</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
</context>
<context>
    <name>OverviewTables</name>
    <message>
        <source>Children</source>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Sheets this week</source>
        <translation>Bladen deze week</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Laatst geoefend</translation>
    </message>
    <message>
        <source>Average scores</source>
        <translation>Gemiddelde scores</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Bladen</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Gemiddelde score</translation>
    </message>
    <message>
        <source>Of a full sheet</source>
        <translation>Van een heel blad</translation>
    </message>
    <message>
        <source>Facts missed most</source>
        <translation>Sommen die het vaakst fout gingen</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Goed antwoord</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Keer fout</translation>
    </message>
    <message>
        <source>Children who missed it</source>
        <translation>Kinderen met deze fout</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Typisch fout antwoord</translation>
    </message>
</context>
<context>
    <name>PlayProblem</name>
    <message>
        <source>no file is named</source>
        <translation>er is geen bestand opgegeven</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>this is a folder, not a sound file</source>
        <translation>dit is een map, geen geluidsbestand</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>dit is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>het bestand kan niet worden gelezen</translation>
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
        <translation>Nakijken - Score</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Printen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Speed in Mins :</source>
        <translation>Tempo in min :</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>level label</comment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score:</translation>
    </message>
</context>
<context>
    <name>PracticeMenus</name>
    <message>
        <source>&amp;Option</source>
        <translation>O&amp;pties</translation>
    </message>
    <message>
        <source>&amp;File Location</source>
        <translation>&amp;Bestandslocatie</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Hoofdmenu</translation>
    </message>
    <message>
        <source>A&amp;dvanced switched to Times and Divide</source>
        <translation>&amp;Gevorderd: naar keer en delen</translation>
    </message>
    <message>
        <source>&amp;Basic switch to Plus and Minus</source>
        <translation>&amp;Basis: naar plus en min</translation>
    </message>
    <message>
        <source>&amp;Report Score Summary</source>
        <translation>&amp;Scoreoverzicht</translation>
    </message>
    <message>
        <source>E&amp;xit completely</source>
        <translation>Helemaal &amp;afsluiten</translation>
    </message>
    <message>
        <source>E&amp;xit out the program completely</source>
        <translation>Programma helemaal &amp;afsluiten</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The menu of the speed, the difficulty and the mistakes practice.</extracomment>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Moeilijkheid</translation>
    </message>
    <message>
        <source>Practise my &amp;mistakes</source>
        <translation>Mijn &amp;fouten oefenen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>about the &amp;Program</source>
        <translation>Over het &amp;programma</translation>
    </message>
    <message>
        <source>&amp;Release notes</source>
        <translation>&amp;Versienotities</translation>
    </message>
    <message>
        <source>&amp;Release Notes</source>
        <translation>&amp;Versienotities</translation>
    </message>
    <message>
        <source>&amp;System Requirement</source>
        <translation>&amp;Systeemeisen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Your time&apos;s up</source>
        <translation>Je tijd is om</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem for a screen reader: the numbers and the operation&apos;s word.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, the right answer is </source>
        <translation>, het goede antwoord is </translation>
    </message>
    <message>
        <source>The score of this sheet could not be saved in &quot;%1&quot;: %2
It is kept and tried again at the next check.</source>
        <translation>De score van dit blad kon niet worden opgeslagen in &quot;%1&quot;: %2
De score blijft onthouden; bij het volgende nakijken wordt het opnieuw geprobeerd.</translation>
    </message>
    <message>
        <source>The score of a sheet could not be saved in &quot;%1&quot; before the program ended: %2</source>
        <translation>De score van een blad kon niet worden opgeslagen in &quot;%1&quot; voordat het programma stopte: %2</translation>
    </message>
    <message>
        <source>Scores cannot be saved in &quot;%1&quot;: %2</source>
        <translation>Scores kunnen niet worden opgeslagen in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Your mistakes could not be read from &quot;%1&quot;: %2
Here is an ordinary sheet instead.</source>
        <translation>Je fouten konden niet worden gelezen uit &quot;%1&quot;: %2
Hier is daarom een gewoon blad.</translation>
    </message>
    <message numerus="yes">
        <source>There are no answers of yours from the last %n days yet, so here is an ordinary sheet.</source>
        <translation>
            <numerusform>Je hebt de afgelopen %n dag nog geen antwoorden gegeven, dus hier is een gewoon blad.</numerusform>
            <numerusform>Je hebt de afgelopen %n dagen nog geen antwoorden gegeven, dus hier is een gewoon blad.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeTitles</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -plus and minus</source>
        <translation>Het programma Brenlo Math Practice 2.5 -plus en min</translation>
    </message>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -times and divide</source>
        <translation>Het programma Brenlo Math Practice 2.5 -keer en delen</translation>
    </message>
    <message>
        <source> User: - </source>
        <translation> Gebruiker: - </translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>No printer is set up, so the page was saved as &quot;%1&quot;.</source>
        <translation>Er is geen printer ingesteld, dus de pagina is opgeslagen als &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>Could not print on the printer &quot;%1&quot;.</source>
        <translation>Kon niet afdrukken op de printer &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not save the print: the folder &quot;%1&quot; does not exist.</source>
        <translation>Kon de afdruk niet opslaan: de map &quot;%1&quot; bestaat niet.</translation>
    </message>
    <message>
        <source>Could not save the print: &quot;%1&quot; is not a folder.</source>
        <translation>Kon de afdruk niet opslaan: &quot;%1&quot; is geen map.</translation>
    </message>
    <message>
        <source>Could not save the print in the folder &quot;%1&quot;: %2</source>
        <translation>Kon de afdruk niet opslaan in de map &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Could not write the print to the file &quot;%1&quot;.</source>
        <translation>Kon de afdruk niet naar het bestand &quot;%1&quot; schrijven.</translation>
    </message>
</context>
<context>
    <name>ProgramLauncher</name>
    <message>
        <source>&quot;%1&quot; could not be started: %2</source>
        <translation>&quot;%1&quot; kon niet worden gestart: %2</translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Gemiddelde score</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Bladen</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Bladen per dag</translation>
    </message>
</context>
<context>
    <name>ProgressSeries</name>
    <message numerus="yes">
        <source>%n sheet</source>
        <translation>
            <numerusform>%n blad</numerusform>
            <numerusform>%n bladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n blad</numerusform>
            <numerusform>%n bladen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2: %3% average of %4</source>
        <translation>%1, %2: gemiddeld %3% over %4</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Addition/Subtraction</source>
        <translation>Optellen/aftrekken</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Vermenigvuldigen/delen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Bladen per dag</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Als tabel tonen</translation>
    </message>
    <message>
        <source>Chart of each level&apos;s daily score</source>
        <translation>Grafiek van de dagscore per niveau</translation>
    </message>
    <message>
        <source>Chart of the sheets done each day</source>
        <translation>Grafiek van de gemaakte bladen per dag</translation>
    </message>
    <message>
        <source>Daily scores as a table</source>
        <translation>Dagscores als tabel</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The table&apos;s column headings.</extracomment>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Bladen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Opslaan als PNG…</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Opslaan als CSV…</translation>
    </message>
    <message>
        <source>Facts…</source>
        <translation>Sommen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Progress of %1 from %2 to %3</source>
        <translation>Voortgang van %1, %2 t/m %3</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>De scores konden niet worden gelezen uit &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>: score of each day</source>
        <translation>: score per dag</translation>
    </message>
    <message>
        <source>: sheets each day</source>
        <translation>: bladen per dag</translation>
    </message>
    <message>
        <source>Answers as CSV (*.csv)</source>
        <translation>Antwoorden als CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Opslaan als CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;</source>
        <translation>Spreadsheetbestanden (*.csv);;</translation>
    </message>
    <message>
        <source>the scores could not be read from &quot;%1&quot;: %2</source>
        <translation>de scores konden niet worden gelezen uit &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The records were not saved as &quot;%1&quot;: %2</source>
        <translation>De gegevens zijn niet opgeslagen als &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Opslaan als PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>de afbeelding kon niet worden gemaakt</translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2</source>
        <translation>De afbeelding is niet opgeslagen als &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Progress of %1 %2 to %3%4</source>
        <translation>Voortgang van %1 %2 tot %3%4</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>het is een link, geen bestand</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>ReportModule</name>
    <message>
        <source>The scores cannot be shown: the report module cannot be loaded: %1</source>
        <translation>De scores kunnen niet worden getoond: de rapportmodule kan niet worden geladen: %1</translation>
    </message>
</context>
<context>
    <name>ScoreQueue</name>
    <message numerus="yes">
        <source>another program kept it locked for %n seconds</source>
        <translation>
            <numerusform>een ander programma hield het %n seconde op slot</numerusform>
            <numerusform>een ander programma hield het %n seconden op slot</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreSchema</name>
    <message>
        <source>&quot;%1&quot; exists already</source>
        <translation>&quot;%1&quot; bestaat al</translation>
    </message>
    <message>
        <source>it is not a score database (%1)</source>
        <translation>het is geen scoredatabase (%1)</translation>
    </message>
    <message>
        <source>it has no table &quot;%1&quot;</source>
        <translation>het heeft geen tabel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>de tabel &quot;%1&quot; heeft geen kolom &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>ScoreStore</name>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>er kan niet in worden geschreven (%1)</translation>
    </message>
</context>
<context>
    <name>ScoreVocabulary</name>
    <message>
        <source>Easy</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>More Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Moeilijker</translation>
    </message>
    <message>
        <source>Super Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Supermoeilijk</translation>
    </message>
    <message>
        <source>Minus and Plus Practice program</source>
        <extracomment>The caption of the addition and subtraction practice screen.</extracomment>
        <translation>Oefenen met min en plus</translation>
    </message>
    <message>
        <source>Multiply and Divide Practice program</source>
        <extracomment>The caption of the multiplication and division practice screen.</extracomment>
        <translation>Oefenen met keer en delen</translation>
    </message>
</context>
<context>
    <name>ScoringSummary</name>
    <message>
        <source>The Brenlo Scoring Summary</source>
        <translation>Het Brenlo-scoreoverzicht</translation>
    </message>
    <message>
        <source>Addition/Subtraction Scoring Summary</source>
        <translation>Scoreoverzicht optellen/aftrekken</translation>
    </message>
    <message>
        <source>Multiplication/Division Scoring Summary</source>
        <translation>Scoreoverzicht vermenigvuldigen/delen</translation>
    </message>
    <message>
        <source>Scoring Summary</source>
        <translation>Scoreoverzicht</translation>
    </message>
    <message>
        <source>Scoring Summary shows average score of different speed, difficulties.  </source>
        <translation>Het scoreoverzicht toont de gemiddelde score per tempo en niveau.  </translation>
    </message>
    <message>
        <source> STARTING DATE</source>
        <translation> BEGINDATUM</translation>
    </message>
    <message>
        <source>Starting date</source>
        <translation>Begindatum</translation>
    </message>
    <message>
        <source>END DATE</source>
        <translation>EINDDATUM</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Einddatum</translation>
    </message>
    <message>
        <source>USER:- </source>
        <translation>GEBRUIKER:- </translation>
    </message>
    <message>
        <source>Addition/Substraction</source>
        <translation>Optellen/aftrekken</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Vermenigvuldigen/delen</translation>
    </message>
    <message>
        <source>Clean Up Database</source>
        <translation>Database opschonen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Incomplete records could not be removed from &quot;%1&quot;: %2</source>
        <translation>Onvolledige gegevens konden niet worden verwijderd uit &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>De scores konden niet worden gelezen uit &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cleaning Database</source>
        <translation>Database opschonen</translation>
    </message>
    <message>
        <source>No record was deleted from &quot;%1&quot;: %2</source>
        <translation>Er zijn geen gegevens verwijderd uit &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Records deleted !</source>
        <translation>Gegevens verwijderd!</translation>
    </message>
    <message>
        <source>Do you really want to clean up database from %1 to %2</source>
        <extracomment>%1 and %2 are the first and the last day of the range, as typed.</extracomment>
        <translation>Wil je de database echt opschonen van %1 t/m %2</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>no sound device can be opened</source>
        <translation>er kan geen geluidsapparaat worden geopend</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the user name</source>
        <translation>de gebruikersnaam</translation>
    </message>
    <message>
        <source>award sound %1</source>
        <translation>beloningsgeluid %1</translation>
    </message>
    <message>
        <source>; the user name and the award sounds start empty</source>
        <translation>; de gebruikersnaam en de beloningsgeluiden beginnen leeg</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message numerus="yes">
        <source>only %n of its nine lines lie in the first %1 KiB, which is all that is read</source>
        <translation>
            <numerusform>maar %n van de negen regels staat in de eerste %1 KiB, en meer wordt er niet gelezen</numerusform>
            <numerusform>maar %n van de negen regels staan in de eerste %1 KiB, en meer wordt er niet gelezen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it has %n of its nine lines</source>
        <translation>
            <numerusform>het heeft maar %n van de negen regels</numerusform>
            <numerusform>het heeft maar %n van de negen regels</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is not text</source>
        <translation>regel %1 is geen tekst</translation>
    </message>
    <message>
        <source>lines %1 are not text</source>
        <translation>regels %1 zijn geen tekst</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the reasons a settings file was not read whole.</extracomment>
        <translation> en </translation>
    </message>
    <message>
        <source>; empty instead: </source>
        <extracomment>Before the list of values that start empty.</extracomment>
        <translation>; in plaats daarvan leeg: </translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>bevat een regeleinde</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>bevat een stuurteken</translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source>Answer %1</source>
        <translation>Antwoord %1</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Sound File set up</source>
        <translation>Geluidsbestand kiezen</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Schijf</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Geluidsbestanden</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Please pick a sound file in the file list, then press Select.</source>
        <translation>Kies een geluidsbestand in de lijst met bestanden en druk dan op Kiezen.</translation>
    </message>
</context>
<context>
    <name>SoundFileRead</name>
    <message>
        <source>no file is named</source>
        <translation>er is geen bestand opgegeven</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than the %1 MiB an award sound may be</source>
        <translation>het is groter dan de %1 MiB die een beloningsgeluid mag zijn</translation>
    </message>
    <message>
        <source>it is not a WAV, MIDI or MP3 sound</source>
        <translation>het is geen WAV-, MIDI- of MP3-geluid</translation>
    </message>
</context>
<context>
    <name>SoundSetupScreen</name>
    <message>
        <source>Not Good...need more practice</source>
        <translation>Niet goed...meer oefenen</translation>
    </message>
    <message>
        <source>Good Job</source>
        <translation>Goed zo</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Uitstekend</translation>
    </message>
    <message>
        <source>Impressive... close to perfection</source>
        <translation>Geweldig... bijna perfect</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfect</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Geluid instellen</translation>
    </message>
    <message>
        <source>Set your own sound file,Score/History path</source>
        <translation>Stel je eigen geluid en score-/historiepad in</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Not implmented yet</source>
        <translation>Nog niet ingebouwd</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>Geluidsbestanden</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Sound file for %1</source>
        <translation>Geluidsbestand voor %1</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Bladeren voor %1</translation>
    </message>
    <message>
        <source>Test sound</source>
        <translation>Geluid testen</translation>
    </message>
    <message>
        <source>Test sound for %1</source>
        <translation>Geluid testen voor %1</translation>
    </message>
    <message>
        <source>A sound path that %1 cannot be kept in the settings file &quot;%2&quot;; the sound for &quot;%3&quot; stays as it was.</source>
        <translation>Dit geluidspad kan niet in het instellingenbestand &quot;%2&quot; worden bewaard (het %1); het geluid voor &quot;%3&quot; blijft zoals het was.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The sound you chose is used now, but it is not saved yet.</source>
        <translation>Het instellingenbestand &quot;%1&quot; kon niet worden geschreven: %2
Het geluid dat je koos wordt nu gebruikt, maar is nog niet opgeslagen.</translation>
    </message>
    <message>
        <source>Not played: %1</source>
        <translation>Niet afgespeeld: %1</translation>
    </message>
</context>
<context>
    <name>SpeedDialog</name>
    <message>
        <source>Slowest - 20  minutes</source>
        <translation>Heel langzaam - 20 minuten</translation>
    </message>
    <message>
        <source>Your time is about 20 mintues, close this windows, and hit start when ready</source>
        <translation>Je hebt ongeveer 20 minuten, sluit dit venster en druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Not so slow - 15 mins</source>
        <translation>Niet zo langzaam - 15 min</translation>
    </message>
    <message>
        <source>Your time is about 15 mintues, close this windows, and hit start when ready</source>
        <translation>Je hebt ongeveer 15 minuten, sluit dit venster en druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Normal -- 10 minutes</source>
        <translation>Normaal -- 10 minuten</translation>
    </message>
    <message>
        <source>Your time is about 10 mintues, close this windows, and hit start when ready</source>
        <translation>Je hebt ongeveer 10 minuten, sluit dit venster en druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Fast - 5  minutes</source>
        <translation>Snel - 5 minuten</translation>
    </message>
    <message>
        <source>Your time is about 5 mintues, close this windows, and hit start when ready</source>
        <translation>Je hebt ongeveer 5 minuten, sluit dit venster en druk op Start als je klaar bent</translation>
    </message>
    <message>
        <source>Fastest - 1 to 2 minutes</source>
        <translation>Heel snel - 1 tot 2 minuten</translation>
    </message>
    <message>
        <source>Your time is about 2 mintues, close this windows, and start when ready</source>
        <translation>Je hebt ongeveer 2 minuten, sluit dit venster en begin als je klaar bent</translation>
    </message>
    <message>
        <source>Speed/Timing Set</source>
        <translation>Tempo kiezen</translation>
    </message>
    <message>
        <source>PICK ONE</source>
        <translation>KIES ER ÉÉN</translation>
    </message>
    <message>
        <source>Close this Window and Set Level of Difficulty</source>
        <translation>Sluiten en moeilijkheid kiezen</translation>
    </message>
</context>
<context>
    <name>SummaryCells</name>
    <message>
        <source>N/A</source>
        <translation>n.v.t.</translation>
    </message>
</context>
<context>
    <name>SummaryDates</name>
    <message>
        <source>The %1 &quot;%2&quot; cannot be read as a date. Please type a date as %3, for example %4, or as yyyy-mm-dd, for example %5.</source>
        <translation>De %1 &quot;%2&quot; is geen datum die gelezen kan worden. Typ een datum als %3, bijvoorbeeld %4, of als yyyy-mm-dd, bijvoorbeeld %5.</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>begindatum</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>einddatum</translation>
    </message>
    <message>
        <source>The starting date &quot;%1&quot; is after the end date &quot;%2&quot;. Please type a starting date no later than the end date.</source>
        <translation>De begindatum &quot;%1&quot; ligt na de einddatum &quot;%2&quot;. Typ een begindatum die niet later is dan de einddatum.</translation>
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
        <translation>Totaal GEM. SCORE</translation>
    </message>
    <message>
        <source>Speed across, level down</source>
        <translation>Tempo naar rechts, niveau naar beneden</translation>
    </message>
    <message>
        <source>   Speed</source>
        <translation>   Tempo</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Below the diagonal of the table&apos;s corner: the rows are the levels.</extracomment>
        <translation>Niveau</translation>
    </message>
</context>
<context>
    <name>UserCommands</name>
    <message>
        <source>No such user in the database yet!  Please go to  Change User button to create</source>
        <translation>Deze gebruiker staat nog niet in de database!  Maak hem aan met de knop Gebruiker wisselen</translation>
    </message>
    <message>
        <source>User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Deze gebruiker staat al in de database, druk op Optellen en aftrekken of Vermenigvuldigen en delen om verder te gaan</translation>
    </message>
    <message>
        <source>No such user in the database yet!  Ok to create</source>
        <translation>Deze gebruiker staat nog niet in de database!  Druk op OK om hem aan te maken</translation>
    </message>
    <message>
        <source>User Created, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Gebruiker aangemaakt, druk op Optellen en aftrekken of Vermenigvuldigen en delen om verder te gaan</translation>
    </message>
    <message>
        <source>Do this only you have problem retrieving record or if you want to reset the record to original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY</source>
        <translation>Doe dit alleen als de scores niet te lezen zijn of als je de scores wilt terugzetten naar het begin (een lege database), EN DOE DIT VOORDAT JE HET SCOREOVERZICHT OPENT</translation>
    </message>
    <message>
        <source>Are you really sure? </source>
        <translation>Weet je het echt zeker? </translation>
    </message>
    <message>
        <source>Original Database restored!</source>
        <translation>Oorspronkelijke database teruggezet!</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.</source>
        <translation>Het instellingenbestand &quot;%1&quot; kon niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source> The current user stays as it was.</source>
        <translation> De huidige gebruiker blijft dezelfde.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The current user stays as it was.</source>
        <translation>Het instellingenbestand &quot;%1&quot; kon niet worden geschreven: %2
De huidige gebruiker blijft dezelfde.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was not replaced: %2</source>
        <translation>De database &quot;%1&quot; is niet vervangen: %2</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be made: %2</source>
        <translation>De database &quot;%1&quot; kon niet worden gemaakt: %2</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>&quot;%1&quot; is not allowed as a user name.</source>
        <translation>&quot;%1&quot; mag niet als gebruikersnaam.</translation>
    </message>
    <message>
        <source>A user name cannot contain the character &quot;/&quot;.</source>
        <translation>Een gebruikersnaam mag het teken &quot;/&quot; niet bevatten.</translation>
    </message>
    <message>
        <source>A user name cannot contain control characters.</source>
        <translation>Een gebruikersnaam mag geen stuurtekens bevatten.</translation>
    </message>
    <message>
        <source>The user name is too long to be a file name.</source>
        <translation>De gebruikersnaam is te lang voor een bestandsnaam.</translation>
    </message>
    <message>
        <source>the template &quot;%1&quot; cannot be copied: %2</source>
        <translation>het sjabloon &quot;%1&quot; kan niet worden gekopieerd: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>het is veel te groot</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>Could not print: the print module cannot be loaded: %1</source>
        <translation>Kon niet afdrukken: de afdrukmodule kan niet worden geladen: %1</translation>
    </message>
</context>
</TS>
