<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About this program</source>
        <translation>À propos de ce programme</translation>
    </message>
    <message>
        <source>Brenlo Math Practice began with a parent writing math problems for a child to practise at home. The sums were first kept on a spreadsheet, and when the spreadsheet could no longer keep up with a growing child, it became this program, with its sheets, its countdown, its awards and a summary of the scores. If you have an idea, find a mistake or just want to tell how the practice went, please send an e-mail to %1. Practice Makes Perfect. Credits: written by the Brenlo Math Practice team in C++ with the Qt toolkit; sounds played with SDL2_mixer and the TimGM6mb sound font; version 2.5.1, December 2026.</source>
        <translation>Brenlo Math Practice est né d&apos;un parent qui écrivait des calculs pour que son enfant s&apos;entraîne à la maison. Les calculs étaient d&apos;abord notés dans un tableur&#xa0;; quand le tableur n&apos;a plus suffi à un enfant qui grandissait, il est devenu ce programme, avec ses fiches, son compte à rebours, ses récompenses et un résumé des scores. Si vous avez une idée, si vous trouvez une erreur ou si vous voulez simplement raconter comment s&apos;est passé l&apos;entraînement, écrivez à %1. C&apos;est en forgeant qu&apos;on devient forgeron. Crédits&#xa0;: écrit par l&apos;équipe de Brenlo Math Practice en C++ avec la bibliothèque Qt&#xa0;; sons joués avec SDL2_mixer et la banque de sons TimGM6mb&#xa0;; version 2.5.1, décembre 2026.</translation>
    </message>
</context>
<context>
    <name>AppTitle</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5.1</source>
        <translation>Le programme Brenlo Math Practice 2.5.1</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>the temporary file was removed while it was being made</source>
        <translation>le fichier temporaire a été supprimé pendant sa création</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>the data could not be synced to disk</source>
        <translation>les données n&apos;ont pas pu être écrites sur le disque</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>You need to practice some more!</source>
        <translation>Tu dois t&apos;entraîner encore un peu&#xa0;!</translation>
    </message>
    <message>
        <source>Good Job.. but remember Practice makes perfect</source>
        <translation>Bon travail... mais n&apos;oublie pas&#xa0;: c&apos;est en forgeant qu&apos;on devient forgeron</translation>
    </message>
    <message>
        <source>Excellent, ready for more?</source>
        <translation>Excellent, on continue&#xa0;?</translation>
    </message>
    <message>
        <source>Impressive!! You are getting closer to perfection</source>
        <translation>Impressionnant&#xa0;!! Tu approches de la perfection</translation>
    </message>
    <message>
        <source>Perfect!! You are a genius..ready for next level?!</source>
        <translation>Parfait&#xa0;!! Tu es un génie... on passe au niveau suivant&#xa0;?!</translation>
    </message>
</context>
<context>
    <name>ClassConfig</name>
    <message>
        <source>The class server&apos;s configuration &quot;%1&quot; cannot be used: %2.</source>
        <translation>La configuration du serveur de classe «&#xa0;%1&#xa0;» ne peut pas être utilisée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas de valeur</translation>
    </message>
    <message>
        <source>a second &quot;class&quot;</source>
        <translation>une deuxième «&#xa0;class&#xa0;»</translation>
    </message>
    <message>
        <source>a second &quot;%1&quot; (give either &quot;service&quot; or &quot;connection&quot;, once)</source>
        <translation>un deuxième «&#xa0;%1&#xa0;» (indiquez soit «&#xa0;service&#xa0;» soit «&#xa0;connection&#xa0;», une seule fois)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is longer than %1 KiB</source>
        <translation>le fichier dépasse %1 Kio</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>no &quot;key = value&quot;</source>
        <translation>pas de «&#xa0;clé = valeur&#xa0;»</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>clé inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>it names no &quot;class&quot;</source>
        <translation>le fichier n&apos;indique aucune «&#xa0;class&#xa0;»</translation>
    </message>
    <message>
        <source>it names no &quot;service&quot; and no &quot;connection&quot;</source>
        <translation>le fichier n&apos;indique ni «&#xa0;service&#xa0;» ni «&#xa0;connection&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the connection has no &quot;=&quot;</source>
        <translation>«&#xa0;%1&#xa0;» dans la connexion n&apos;a pas de «&#xa0;=&#xa0;»</translation>
    </message>
    <message>
        <source>a quote in the connection is not closed</source>
        <translation>un guillemet n&apos;est pas fermé dans la connexion</translation>
    </message>
    <message>
        <source>write the connection as &quot;keyword=value&quot; pairs, not as a URI</source>
        <translation>écrivez la connexion en paires «&#xa0;mot-clé=valeur&#xa0;», pas en URI</translation>
    </message>
    <message>
        <source>a semicolon, which Qt&apos;s driver reads as a space</source>
        <translation>un point-virgule, que le pilote de Qt lit comme une espace</translation>
    </message>
    <message>
        <source>a password in the connection; passwords belong in ~/.pgpass or the service file</source>
        <translation>un mot de passe dans la connexion&#xa0;; les mots de passe vont dans ~/.pgpass ou dans le fichier de services</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>No class is set up. Name the class and its server in ~/.config/%1 or /etc/xdg/%1.</source>
        <translation>Aucune classe n&apos;est configurée. Indiquez la classe et son serveur dans ~/.config/%1 ou /etc/xdg/%1.</translation>
    </message>
</context>
<context>
    <name>ClassOverviewWindow</name>
    <message>
        <source>Class overview: %1</source>
        <translation>Vue d&apos;ensemble de la classe&#xa0;: %1</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Averages and facts from</source>
        <translation>Moyennes et calculs du</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Class %1 %2.csv</source>
        <translation>Classe %1 %2.csv</translation>
    </message>
    <message>
        <source>Save the overview as CSV</source>
        <translation>Exporter la vue d&apos;ensemble en CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Fichiers de tableur (*.csv)</translation>
    </message>
    <message>
        <source>The overview was not saved as &quot;%1&quot;: %2</source>
        <translation>La vue d&apos;ensemble n&apos;a pas été enregistrée sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ClassReads</name>
    <message>
        <source>The class could not be read from the server: %1</source>
        <translation>Impossible de lire la classe sur le serveur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ClassServer</name>
    <message>
        <source>The class &quot;%1&quot; cannot be shown: Qt&apos;s PostgreSQL driver is not installed (the package libqt6sql6-psql).</source>
        <translation>Impossible d&apos;afficher la classe «&#xa0;%1&#xa0;»&#xa0;: le pilote PostgreSQL de Qt n&apos;est pas installé (paquet libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The class server could not be reached or refused the connection, so the class &quot;%1&quot; cannot be shown. The server said: %2</source>
        <translation>Le serveur de classe est injoignable ou a refusé la connexion, la classe «&#xa0;%1&#xa0;» ne peut donc pas être affichée. Réponse du serveur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your sheets are kept on this computer for now: the class server could not take them just now. They will be sent to it later by themselves.

The server said: %1</source>
        <translation>Tes fiches sont gardées sur cet ordinateur pour l&apos;instant&#xa0;: le serveur de classe n&apos;a pas pu les recevoir. Elles lui seront envoyées plus tard, toutes seules.

Réponse du serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (package libqt6sql6-psql) is not installed</source>
        <translation>Le pilote PostgreSQL de Qt (paquet libqt6sql6-psql) n&apos;est pas installé</translation>
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
        <translation>Entraînement au calcul</translation>
    </message>
    <message>
        <source>Arithmetic practice sheets with a countdown and awards</source>
        <extracomment>The one-line summary in menus and software centres.</extracomment>
        <translation>Fiches de calcul avec compte à rebours et récompenses</translation>
    </message>
    <message>
        <source>arithmetic;sums;addition;subtraction;multiplication;division;times tables;school;</source>
        <extracomment>Search words for the desktop&apos;s menu, each ending in a semicolon; no spaces around them.</extracomment>
        <translation>calcul;arithmétique;addition;soustraction;multiplication;division;tables de multiplication;école;</translation>
    </message>
    <message>
        <source>Brenlo Math Practice gives a child at home or at school sheets of 18 sums to answer before a countdown runs out. The child picks their name, types the answers, sees the corrections and hears an award that matches the score.</source>
        <translation>Brenlo Math Practice propose à un enfant, à la maison ou à l&apos;école, des fiches de 18 calculs à résoudre avant la fin d&apos;un compte à rebours. L&apos;enfant choisit son nom, tape ses réponses, voit les corrections et entend une récompense qui correspond à son score.</translation>
    </message>
    <message>
        <source>Addition and subtraction, or multiplication and division</source>
        <translation>Addition et soustraction, ou multiplication et division</translation>
    </message>
    <message>
        <source>Levels of difficulty and speed to choose from</source>
        <translation>Plusieurs niveaux de difficulté et de vitesse au choix</translation>
    </message>
    <message>
        <source>A score record for every child who practises</source>
        <translation>Un suivi des scores pour chaque enfant qui s&apos;entraîne</translation>
    </message>
    <message>
        <source>A multiplication table to look at, and printable practice sheets</source>
        <translation>Une table de multiplication à consulter, et des fiches d&apos;exercices à imprimer</translation>
    </message>
    <message>
        <source>The main menu: pick a kind of practice and who is practising</source>
        <extracomment>The caption of the main menu&apos;s screenshot in software centres.</extracomment>
        <translation>Le menu principal&#xa0;: choisir un type d&apos;entraînement et qui s&apos;entraîne</translation>
    </message>
    <message>
        <source>The scores are kept in the user&apos;s own data folder. The program goes online only when a school sets up a class server, which then collects the sheets for the teacher&apos;s class overview.</source>
        <translation>Les scores sont gardés dans le dossier de données de l&apos;utilisateur. Le programme n&apos;utilise le réseau que si une école met en place un serveur de classe, qui recueille alors les fiches pour la vue d&apos;ensemble de l&apos;enseignant.</translation>
    </message>
    <message>
        <source>Brenlo Class Overview</source>
        <extracomment>The teacher&apos;s program: its name, kind and one-line summary in menus, and search words.</extracomment>
        <translation>Brenlo Class Overview</translation>
    </message>
    <message>
        <source>Class Practice Overview</source>
        <translation>Suivi de l&apos;entraînement de la classe</translation>
    </message>
    <message>
        <source>A teacher&apos;s overview of a class&apos;s arithmetic practice sheets</source>
        <translation>Vue d&apos;ensemble des fiches de calcul d&apos;une classe, pour l&apos;enseignant</translation>
    </message>
    <message>
        <source>arithmetic;class;teacher;school;scores;practice;</source>
        <translation>calcul;arithmétique;classe;enseignant;professeur;école;scores;entraînement;</translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Easy, hit start when ready</source>
        <translation>Facile, clique sur Départ</translation>
    </message>
    <message>
        <source>Normal, hit start when ready</source>
        <translation>Normal, clique sur Départ</translation>
    </message>
    <message>
        <source>Dfficult, hit start when ready</source>
        <translation>Difficile, clique sur Départ</translation>
    </message>
    <message>
        <source>More Difficult, hit start when ready</source>
        <translation>Plus difficile, clique sur Départ</translation>
    </message>
    <message>
        <source>Super Difficult, hit start when ready</source>
        <translation>Super difficile, clique sur Départ</translation>
    </message>
    <message>
        <source>Difficult, hit start when ready</source>
        <translation>Difficile, clique sur Départ</translation>
    </message>
    <message>
        <source>Difficulty Level Set</source>
        <translation>Choix de la difficulté</translation>
    </message>
    <message>
        <source>Pick your difficulty</source>
        <translation>Choisis ta difficulté</translation>
    </message>
    <message>
        <source>Pick Your Difficult</source>
        <translation>Choisis ta difficulté</translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>Home folder (%1)</source>
        <translation>Dossier personnel (%1)</translation>
    </message>
</context>
<context>
    <name>FactsGrid</name>
    <message>
        <source>Grid of facts by share answered right</source>
        <translation>Grille des calculs selon la part de bonnes réponses</translation>
    </message>
    <message>
        <source>Show as table lists the same facts</source>
        <translation>«&#xa0;Afficher en tableau&#xa0;» donne les mêmes calculs en liste</translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <source>Facts</source>
        <translation>Faits numériques</translation>
    </message>
    <message>
        <source>Each cell: the share answered right and how often asked; dark violet for none right, through blue and green, to yellow for all right.</source>
        <translation>Chaque case&#xa0;: la part de bonnes réponses et le nombre de fois où le calcul a été posé&#xa0;; du violet foncé (aucune juste) au jaune (toutes justes), en passant par le bleu et le vert.</translation>
    </message>
    <message>
        <source>Missed most, outside the grids:</source>
        <translation>Les plus ratés, hors des grilles&#xa0;:</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Afficher en tableau</translation>
    </message>
    <message>
        <source>Grid of facts</source>
        <translation>Grille des calculs</translation>
    </message>
    <message>
        <source>Every fact as a table</source>
        <translation>Tous les calculs en tableau</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Headings: how often a problem was asked, and answered right.</extracomment>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Posé</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Part réussie</translation>
    </message>
    <message>
        <source>Time (estimate)</source>
        <translation>Temps (estimé)</translation>
    </message>
    <message>
        <source>Problems outside the grids missed most</source>
        <translation>Calculs hors des grilles les plus ratés</translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A heading: how often a problem was answered wrong.</extracomment>
        <translation>Raté</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Erreur fréquente</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Facts of %1 from %2 to %3</source>
        <translation>Faits numériques de %1 du %2 au %3</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>The answers could not be read from &quot;%1&quot;: %2</source>
        <translation>Impossible de lire les réponses dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Typical time per fact, an estimate from the boxes filled in order: %1</source>
        <translation>Temps habituel par calcul, estimé d&apos;après les cases remplies dans l&apos;ordre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Typical time per fact: too few boxes filled in order for an estimate</source>
        <translation>Temps habituel par calcul&#xa0;: trop peu de cases remplies dans l&apos;ordre pour l&apos;estimer</translation>
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
        <translation>Ce dossier n&apos;existe plus&#xa0;; son support a-t-il été retiré&#xa0;?</translation>
    </message>
    <message>
        <source>This folder cannot be read: %1.</source>
        <translation>Impossible de lire ce dossier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>One entry here is not shown: its name is not valid text.</source>
        <translation>Un élément n&apos;est pas affiché ici&#xa0;: son nom n&apos;est pas un texte valide.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries here are not shown: their names are not valid text.</source>
        <translation>
            <numerusform>%n élément n&apos;est pas affiché ici&#xa0;: son nom n&apos;est pas un texte valide.</numerusform>
            <numerusform>%n éléments ne sont pas affichés ici&#xa0;: leurs noms ne sont pas des textes valides.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading this folder stopped: %1.</source>
        <translation>La lecture de ce dossier s&apos;est arrêtée&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>This program is menu driven, when entering, just hit tab, and it will bring you to the next field.  When time is up, all the fields will be locked.  Any question , please contact </source>
        <translation>Ce programme se pilote avec des menus. Pour remplir les cases, appuie simplement sur Tab&#xa0;: tu passes à la case suivante. Quand le temps est écoulé, toutes les cases sont bloquées. Pour toute question, écris à </translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
</context>
<context>
    <name>Information</name>
    <message>
        <source>The release notes &quot;%1&quot; could not be opened: %2</source>
        <translation>Impossible d&apos;ouvrir les notes de version «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Windows 95/98/NT/2000, with at least 800X600 Resolution</source>
        <translation>Windows 95/98/NT/2000, avec une résolution d&apos;au moins 800X600</translation>
    </message>
    <message>
        <source>System Requirement</source>
        <translation>Configuration requise</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Brenlo Math Practice 2.5.1 - Practice Makes Perfect</source>
        <translation>Brenlo Math Practice 2.5.1 - C&apos;est en forgeant qu&apos;on devient forgeron</translation>
    </message>
    <message>
        <source>Pick a choice to start</source>
        <translation>Choisis pour commencer</translation>
    </message>
    <message>
        <source>Addition and Subtraction</source>
        <translation>Addition et soustraction</translation>
    </message>
    <message>
        <source>Multiplication and Division</source>
        <translation>Multiplication et division</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;-CHANGE USER AND ENTER</source>
        <translation>&lt;&lt;&lt;-CHANGER D&apos;UTILISATEUR ET ENTRER</translation>
    </message>
    <message>
        <source>Score Summary</source>
        <translation>Résumé des scores</translation>
    </message>
    <message>
        <source>Restore  DATABASE</source>
        <translation>Restaurer la BASE DE DONNÉES</translation>
    </message>
    <message>
        <source>Exit out of the program</source>
        <translation>Quitter le programme</translation>
    </message>
</context>
<context>
    <name>MultiplicationTable</name>
    <message>
        <source>Row 1 and column 1</source>
        <translation>Ligne 1 et colonne 1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>Mulitiplication table</source>
        <translation>Table de multiplication</translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
</context>
<context>
    <name>OverviewTables</name>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Sheets this week</source>
        <translation>Fiches cette semaine</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Dernier entraînement</translation>
    </message>
    <message>
        <source>Average scores</source>
        <translation>Scores moyens</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Of a full sheet</source>
        <translation>Sur une fiche complète</translation>
    </message>
    <message>
        <source>Facts missed most</source>
        <translation>Calculs les plus ratés</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Times missed</source>
        <translation>Fois raté</translation>
    </message>
    <message>
        <source>Children who missed it</source>
        <translation>Enfants qui l&apos;ont raté</translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation>Erreur fréquente</translation>
    </message>
</context>
<context>
    <name>PlayProblem</name>
    <message>
        <source>no file is named</source>
        <translation>aucun fichier n&apos;est indiqué</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>this is a folder, not a sound file</source>
        <translation>c&apos;est un dossier, pas un fichier son</translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>PracticeControls</name>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Check Answer - Score</source>
        <translation>Corriger - Score</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Speed in Mins :</source>
        <translation>Vitesse en min&#xa0;:</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>level label</comment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PracticeMenus</name>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;File Location</source>
        <translation>&amp;Emplacement des fichiers</translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>A&amp;dvanced switched to Times and Divide</source>
        <translation>&amp;Avancé&#xa0;: passer aux multiplications et divisions</translation>
    </message>
    <message>
        <source>&amp;Basic switch to Plus and Minus</source>
        <translation>&amp;Base&#xa0;: passer aux additions et soustractions</translation>
    </message>
    <message>
        <source>&amp;Report Score Summary</source>
        <translation>&amp;Résumé des scores</translation>
    </message>
    <message>
        <source>E&amp;xit completely</source>
        <translation>&amp;Quitter complètement</translation>
    </message>
    <message>
        <source>E&amp;xit out the program completely</source>
        <translation>&amp;Quitter complètement le programme</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The menu of the speed, the difficulty and the mistakes practice.</extracomment>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficulté</translation>
    </message>
    <message>
        <source>Practise my &amp;mistakes</source>
        <translation>Revoir mes &amp;erreurs</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>about the &amp;Program</source>
        <translation>À propos du &amp;programme</translation>
    </message>
    <message>
        <source>&amp;Release notes</source>
        <translation>&amp;Notes de version</translation>
    </message>
    <message>
        <source>&amp;Release Notes</source>
        <translation>&amp;Notes de version</translation>
    </message>
    <message>
        <source>&amp;System Requirement</source>
        <translation>&amp;Configuration requise</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Your time&apos;s up</source>
        <translation>Le temps est écoulé</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem for a screen reader: the numbers and the operation&apos;s word.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>, the right answer is </source>
        <translation>, la bonne réponse est </translation>
    </message>
    <message>
        <source>The score of this sheet could not be saved in &quot;%1&quot;: %2
It is kept and tried again at the next check.</source>
        <translation>Le score de cette fiche n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2
Il est gardé et sera enregistré à la prochaine correction.</translation>
    </message>
    <message>
        <source>The score of a sheet could not be saved in &quot;%1&quot; before the program ended: %2</source>
        <translation>Le score d&apos;une fiche n&apos;a pas pu être enregistré dans «&#xa0;%1&#xa0;» avant la fin du programme&#xa0;: %2</translation>
    </message>
    <message>
        <source>Scores cannot be saved in &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer les scores dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your mistakes could not be read from &quot;%1&quot;: %2
Here is an ordinary sheet instead.</source>
        <translation>Impossible de lire tes erreurs dans «&#xa0;%1&#xa0;»&#xa0;: %2
Voici une fiche normale à la place.</translation>
    </message>
    <message numerus="yes">
        <source>There are no answers of yours from the last %n days yet, so here is an ordinary sheet.</source>
        <translation>
            <numerusform>Il n&apos;y a encore aucune réponse de toi sur %n jour, alors voici une fiche normale.</numerusform>
            <numerusform>Il n&apos;y a encore aucune réponse de toi sur les %n derniers jours, alors voici une fiche normale.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeTitles</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -plus and minus</source>
        <translation>Le programme Brenlo Math Practice 2.5 -plus et moins</translation>
    </message>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -times and divide</source>
        <translation>Le programme Brenlo Math Practice 2.5 -fois et divisé</translation>
    </message>
    <message>
        <source> User: - </source>
        <translation> Utilisateur&#xa0;: - </translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>No printer is set up, so the page was saved as &quot;%1&quot;.</source>
        <translation>Aucune imprimante n&apos;est configurée&#xa0;: la page a été enregistrée sous «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>Could not print on the printer &quot;%1&quot;.</source>
        <translation>Impossible d&apos;imprimer sur l&apos;imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Could not save the print: the folder &quot;%1&quot; does not exist.</source>
        <translation>Impossible d&apos;enregistrer l&apos;impression&#xa0;: le dossier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Could not save the print: &quot;%1&quot; is not a folder.</source>
        <translation>Impossible d&apos;enregistrer l&apos;impression&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Could not save the print in the folder &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;impression dans le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not write the print to the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire l&apos;impression dans le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ProgramLauncher</name>
    <message>
        <source>&quot;%1&quot; could not be started: %2</source>
        <translation>Impossible de lancer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Fiches par jour</translation>
    </message>
</context>
<context>
    <name>ProgressSeries</name>
    <message numerus="yes">
        <source>%n sheet</source>
        <translation>
            <numerusform>%n fiche</numerusform>
            <numerusform>%n fiches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n fiche</numerusform>
            <numerusform>%n fiches</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2: %3% average of %4</source>
        <translation>%1, %2&#xa0;: moyenne de %3&#xa0;% sur %4</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Addition/Subtraction</source>
        <translation>Addition/Soustraction</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Multiplication/Division</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation>Fiches par jour</translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation>Afficher en tableau</translation>
    </message>
    <message>
        <source>Chart of each level&apos;s daily score</source>
        <translation>Graphique du score de chaque jour, par niveau</translation>
    </message>
    <message>
        <source>Chart of the sheets done each day</source>
        <translation>Graphique des fiches faites chaque jour</translation>
    </message>
    <message>
        <source>Daily scores as a table</source>
        <translation>Scores de chaque jour en tableau</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The table&apos;s column headings.</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Exporter en PNG…</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Facts…</source>
        <translation>Faits numériques…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Progress of %1 from %2 to %3</source>
        <translation>Progression de %1 du %2 au %3</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>Impossible de lire les scores dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>: score of each day</source>
        <translation>: score de chaque jour</translation>
    </message>
    <message>
        <source>: sheets each day</source>
        <translation>: fiches de chaque jour</translation>
    </message>
    <message>
        <source>Answers as CSV (*.csv)</source>
        <translation>Réponses en CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;</source>
        <translation>Fichiers de tableur (*.csv);;</translation>
    </message>
    <message>
        <source>the scores could not be read from &quot;%1&quot;: %2</source>
        <translation>les scores n&apos;ont pas pu être lus dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The records were not saved as &quot;%1&quot;: %2</source>
        <translation>Les données n&apos;ont pas été enregistrées sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Exporter en PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>l&apos;image n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2</source>
        <translation>L&apos;image n&apos;a pas été enregistrée sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Progress of %1 %2 to %3%4</source>
        <translation>Progression de %1 du %2 au %3%4</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a link, not a file</source>
        <translation>c&apos;est un lien, pas un fichier</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ReportModule</name>
    <message>
        <source>The scores cannot be shown: the report module cannot be loaded: %1</source>
        <translation>Impossible d&apos;afficher les scores&#xa0;: le module des rapports ne peut pas être chargé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ScoreQueue</name>
    <message numerus="yes">
        <source>another program kept it locked for %n seconds</source>
        <translation>
            <numerusform>un autre programme l&apos;a gardé verrouillé pendant %n seconde</numerusform>
            <numerusform>un autre programme l&apos;a gardé verrouillé pendant %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreSchema</name>
    <message>
        <source>&quot;%1&quot; exists already</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message>
        <source>it is not a score database (%1)</source>
        <translation>ce n&apos;est pas une base de scores (%1)</translation>
    </message>
    <message>
        <source>it has no table &quot;%1&quot;</source>
        <translation>il n&apos;a pas de table «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation>sa table «&#xa0;%1&#xa0;» n&apos;a pas de colonne «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ScoreStore</name>
    <message>
        <source>it cannot be written (%1)</source>
        <translation>il ne peut pas être écrit (%1)</translation>
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
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>More Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Plus difficile</translation>
    </message>
    <message>
        <source>Super Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation>Super difficile</translation>
    </message>
    <message>
        <source>Minus and Plus Practice program</source>
        <extracomment>The caption of the addition and subtraction practice screen.</extracomment>
        <translation>Entraînement plus et moins</translation>
    </message>
    <message>
        <source>Multiply and Divide Practice program</source>
        <extracomment>The caption of the multiplication and division practice screen.</extracomment>
        <translation>Entraînement fois et divisé</translation>
    </message>
</context>
<context>
    <name>ScoringSummary</name>
    <message>
        <source>The Brenlo Scoring Summary</source>
        <translation>Le résumé des scores Brenlo</translation>
    </message>
    <message>
        <source>Addition/Subtraction Scoring Summary</source>
        <translation>Résumé des scores Addition/Soustraction</translation>
    </message>
    <message>
        <source>Multiplication/Division Scoring Summary</source>
        <translation>Résumé des scores Multiplication/Division</translation>
    </message>
    <message>
        <source>Scoring Summary</source>
        <translation>Résumé des scores</translation>
    </message>
    <message>
        <source>Scoring Summary shows average score of different speed, difficulties.  </source>
        <translation>Le résumé des scores montre le score moyen par vitesse et par difficulté.  </translation>
    </message>
    <message>
        <source> STARTING DATE</source>
        <translation> DATE DE DÉBUT</translation>
    </message>
    <message>
        <source>Starting date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>END DATE</source>
        <translation>DATE DE FIN</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>USER:- </source>
        <translation>UTILISATEUR&#xa0;: </translation>
    </message>
    <message>
        <source>Addition/Substraction</source>
        <translation>Addition/Soustraction</translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation>Multiplication/Division</translation>
    </message>
    <message>
        <source>Clean Up Database</source>
        <translation>Nettoyer la base</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Incomplete records could not be removed from &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer les données incomplètes de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation>Impossible de lire les scores dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cleaning Database</source>
        <translation>Nettoyage de la base</translation>
    </message>
    <message>
        <source>No record was deleted from &quot;%1&quot;: %2</source>
        <translation>Aucune donnée n&apos;a été supprimée de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Records deleted !</source>
        <translation>Données supprimées&#xa0;!</translation>
    </message>
    <message>
        <source>Do you really want to clean up database from %1 to %2</source>
        <extracomment>%1 and %2 are the first and the last day of the range, as typed.</extracomment>
        <translation>Voulez-vous vraiment nettoyer la base du %1 au %2</translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>no sound device can be opened</source>
        <translation>aucun périphérique audio ne peut être ouvert</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the user name</source>
        <translation>le nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>award sound %1</source>
        <translation>son de récompense %1</translation>
    </message>
    <message>
        <source>; the user name and the award sounds start empty</source>
        <translation>; le nom d&apos;utilisateur et les sons de récompense restent vides</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message numerus="yes">
        <source>only %n of its nine lines lie in the first %1 KiB, which is all that is read</source>
        <translation>
            <numerusform>seule %n de ses neuf lignes se trouve dans les %1 premiers Kio, la seule partie lue</numerusform>
            <numerusform>seules %n de ses neuf lignes se trouvent dans les %1 premiers Kio, la seule partie lue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it has %n of its nine lines</source>
        <translation>
            <numerusform>il ne contient que %n ligne sur neuf</numerusform>
            <numerusform>il ne contient que %n lignes sur neuf</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is not text</source>
        <translation>la ligne %1 n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>lines %1 are not text</source>
        <translation>les lignes %1 ne sont pas du texte</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the reasons a settings file was not read whole.</extracomment>
        <translation> et </translation>
    </message>
    <message>
        <source>; empty instead: </source>
        <extracomment>Before the list of values that start empty.</extracomment>
        <translation>; laissés vides à la place&#xa0;: </translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation>contient un saut de ligne</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>contient un caractère de contrôle</translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Sound File set up</source>
        <translation>Choix du fichier son</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Please pick a sound file in the file list, then press Select.</source>
        <translation>Choisis un fichier son dans la liste, puis appuie sur Choisir.</translation>
    </message>
</context>
<context>
    <name>SoundFileRead</name>
    <message>
        <source>no file is named</source>
        <translation>aucun fichier n&apos;est indiqué</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than the %1 MiB an award sound may be</source>
        <translation>il dépasse les %1 Mio permis pour un son de récompense</translation>
    </message>
    <message>
        <source>it is not a WAV, MIDI or MP3 sound</source>
        <translation>ce n&apos;est pas un son WAV, MIDI ou MP3</translation>
    </message>
</context>
<context>
    <name>SoundSetupScreen</name>
    <message>
        <source>Not Good...need more practice</source>
        <translation>Pas terrible... entraîne-toi encore</translation>
    </message>
    <message>
        <source>Good Job</source>
        <translation>Bon travail</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Impressive... close to perfection</source>
        <translation>Impressionnant... presque parfait</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Parfait</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Choisir les sons</translation>
    </message>
    <message>
        <source>Set your own sound file,Score/History path</source>
        <translation>Choisis tes propres fichiers son et le dossier des scores/historique</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Not implmented yet</source>
        <translation>Pas encore disponible</translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sound file for %1</source>
        <translation>Fichier son pour %1</translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation>Parcourir pour %1</translation>
    </message>
    <message>
        <source>Test sound</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Test sound for %1</source>
        <translation>Écouter le son pour %1</translation>
    </message>
    <message>
        <source>A sound path that %1 cannot be kept in the settings file &quot;%2&quot;; the sound for &quot;%3&quot; stays as it was.</source>
        <translation>Un chemin de son qui %1 ne peut pas être gardé dans le fichier de réglages «&#xa0;%2&#xa0;»&#xa0;; le son pour «&#xa0;%3&#xa0;» ne change pas.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The sound you chose is used now, but it is not saved yet.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2
Le son choisi est utilisé dès maintenant, mais il n&apos;est pas encore enregistré.</translation>
    </message>
    <message>
        <source>Not played: %1</source>
        <translation>Non joué&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SpeedDialog</name>
    <message>
        <source>Slowest - 20  minutes</source>
        <translation>Très lent - 20 minutes</translation>
    </message>
    <message>
        <source>Your time is about 20 mintues, close this windows, and hit start when ready</source>
        <translation>Tu as environ 20 minutes. Ferme cette fenêtre, puis clique sur Départ.</translation>
    </message>
    <message>
        <source>Not so slow - 15 mins</source>
        <translation>Pas trop lent - 15 minutes</translation>
    </message>
    <message>
        <source>Your time is about 15 mintues, close this windows, and hit start when ready</source>
        <translation>Tu as environ 15 minutes. Ferme cette fenêtre, puis clique sur Départ.</translation>
    </message>
    <message>
        <source>Normal -- 10 minutes</source>
        <translation>Normal - 10 minutes</translation>
    </message>
    <message>
        <source>Your time is about 10 mintues, close this windows, and hit start when ready</source>
        <translation>Tu as environ 10 minutes. Ferme cette fenêtre, puis clique sur Départ.</translation>
    </message>
    <message>
        <source>Fast - 5  minutes</source>
        <translation>Rapide - 5 minutes</translation>
    </message>
    <message>
        <source>Your time is about 5 mintues, close this windows, and hit start when ready</source>
        <translation>Tu as environ 5 minutes. Ferme cette fenêtre, puis clique sur Départ.</translation>
    </message>
    <message>
        <source>Fastest - 1 to 2 minutes</source>
        <translation>Très rapide - 1 à 2 minutes</translation>
    </message>
    <message>
        <source>Your time is about 2 mintues, close this windows, and start when ready</source>
        <translation>Tu as environ 2 minutes. Ferme cette fenêtre et commence quand tu veux.</translation>
    </message>
    <message>
        <source>Speed/Timing Set</source>
        <translation>Choix de la vitesse</translation>
    </message>
    <message>
        <source>PICK ONE</source>
        <translation>CHOISIS-EN UNE</translation>
    </message>
    <message>
        <source>Close this Window and Set Level of Difficulty</source>
        <translation>Fermer et choisir la difficulté</translation>
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
        <translation>La %1 «&#xa0;%2&#xa0;» n&apos;est pas une date valide. Tapez une date au format %3, par exemple %4, ou au format aaaa-mm-jj, par exemple %5.</translation>
    </message>
    <message>
        <source>starting date</source>
        <translation>date de début</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>date de fin</translation>
    </message>
    <message>
        <source>The starting date &quot;%1&quot; is after the end date &quot;%2&quot;. Please type a starting date no later than the end date.</source>
        <translation>La date de début «&#xa0;%1&#xa0;» est après la date de fin «&#xa0;%2&#xa0;». Tapez une date de début qui ne soit pas après la date de fin.</translation>
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
        <translation>MOYENNE générale</translation>
    </message>
    <message>
        <source>Speed across, level down</source>
        <translation>Vitesse en colonnes, niveau en lignes</translation>
    </message>
    <message>
        <source>   Speed</source>
        <translation>   Vitesse</translation>
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
        <translation>Cet utilisateur n&apos;existe pas encore&#xa0;! Clique sur le bouton CHANGER D&apos;UTILISATEUR pour le créer.</translation>
    </message>
    <message>
        <source>User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Cet utilisateur existe déjà&#xa0;: clique sur Addition et soustraction ou sur Multiplication et division pour continuer.</translation>
    </message>
    <message>
        <source>No such user in the database yet!  Ok to create</source>
        <translation>Cet utilisateur n&apos;existe pas encore&#xa0;! On le crée&#xa0;?</translation>
    </message>
    <message>
        <source>User Created, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation>Utilisateur créé&#xa0;: clique sur Addition et soustraction ou sur Multiplication et division pour continuer.</translation>
    </message>
    <message>
        <source>Do this only you have problem retrieving record or if you want to reset the record to original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY</source>
        <translation>À faire seulement si vous n&apos;arrivez pas à retrouver les scores ou si vous voulez remettre les scores à zéro (base de données vide), ET IL FAUT LE FAIRE AVANT D&apos;OUVRIR LE RÉSUMÉ DES SCORES</translation>
    </message>
    <message>
        <source>Are you really sure? </source>
        <translation>Voulez-vous vraiment continuer&#xa0;? </translation>
    </message>
    <message>
        <source>Original Database restored!</source>
        <translation>Base de données d&apos;origine restaurée&#xa0;!</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source> The current user stays as it was.</source>
        <translation> L&apos;utilisateur actuel ne change pas.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The current user stays as it was.</source>
        <translation>Le fichier de réglages «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2
L&apos;utilisateur actuel ne change pas.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was not replaced: %2</source>
        <translation>La base de données «&#xa0;%1&#xa0;» n&apos;a pas été remplacée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be made: %2</source>
        <translation>La base de données «&#xa0;%1&#xa0;» n&apos;a pas pu être créée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>&quot;%1&quot; is not allowed as a user name.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas permis comme nom d&apos;utilisateur.</translation>
    </message>
    <message>
        <source>A user name cannot contain the character &quot;/&quot;.</source>
        <translation>Un nom d&apos;utilisateur ne peut pas contenir le caractère «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>A user name cannot contain control characters.</source>
        <translation>Un nom d&apos;utilisateur ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The user name is too long to be a file name.</source>
        <translation>Le nom d&apos;utilisateur est trop long pour servir de nom de fichier.</translation>
    </message>
    <message>
        <source>the template &quot;%1&quot; cannot be copied: %2</source>
        <translation>le modèle «&#xa0;%1&#xa0;» ne peut pas être copié&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation>il est beaucoup trop gros</translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>Could not print: the print module cannot be loaded: %1</source>
        <translation>Impossible d&apos;imprimer&#xa0;: le module d&apos;impression ne peut pas être chargé&#xa0;: %1</translation>
    </message>
</context>
</TS>
