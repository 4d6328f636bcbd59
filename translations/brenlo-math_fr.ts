<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brenlo Math Practice began with a parent writing math problems for a child to practise at home. The sums were first kept on a spreadsheet, and when the spreadsheet could no longer keep up with a growing child, it became this program, with its sheets, its countdown, its awards and a summary of the scores. If you have an idea, find a mistake or just want to tell how the practice went, please send an e-mail to %1. Practice Makes Perfect. Credits: written by the Brenlo Math Practice team in C++ with the Qt toolkit; sounds played with SDL2_mixer and the TimGM6mb sound font; version 2.5.1, December 2026.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppTitle</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5.1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>the temporary file was removed while it was being made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data could not be synced to disk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>You need to practice some more!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Job.. but remember Practice makes perfect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent, ready for more?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impressive!! You are getting closer to perfection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect!! You are a genius..ready for next level?!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Brenlo Math Practice</source>
        <extracomment>The program&apos;s name in menus and software centres.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arithmetic Practice</source>
        <extracomment>What kind of program it is, in menus.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arithmetic practice sheets with a countdown and awards</source>
        <extracomment>The one-line summary in menus and software centres.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arithmetic;sums;addition;subtraction;multiplication;division;times tables;school;</source>
        <extracomment>Search words for the desktop&apos;s menu, each ending in a semicolon; no spaces around them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brenlo Math Practice gives a child at home or at school sheets of 18 sums to answer before a countdown runs out. The child picks their name, types the answers, sees the corrections and hears an award that matches the score.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition and subtraction, or multiplication and division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels of difficulty and speed to choose from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A score record for every child who practises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A multiplication table to look at, and printable practice sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything stays on the computer: the scores are kept in the user&apos;s own data folder, and the program never goes online.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main menu: pick a kind of practice and who is practising</source>
        <extracomment>The caption of the main menu&apos;s screenshot in software centres.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Easy, hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal, hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dfficult, hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Difficult, hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super Difficult, hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficult, hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty Level Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick your difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick Your Difficult</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drives</name>
    <message>
        <source>Home folder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FactsGrid</name>
    <message>
        <source>Grid of facts by share answered right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show as table lists the same facts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FactsWindow</name>
    <message>
        <source>Facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each cell: the share answered right and how often asked; dark violet for none right, through blue and green, to yellow for all right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed most, outside the grids:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid of facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every fact as a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Headings: how often a problem was asked, and answered right.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (estimate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems outside the grids missed most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed</source>
        <extracomment>A heading: how often a problem was answered wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typical wrong answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts of %1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers could not be read from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typical time per fact, an estimate from the boxes filled in order: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typical time per fact: too few boxes filled in order for an estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <extracomment>After a number of seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderListing</name>
    <message>
        <source>This folder is not there any more; was its medium removed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One entry here is not shown: its name is not valid text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries here are not shown: their names are not valid text.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Reading this folder stopped: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is menu driven, when entering, just hit tab, and it will bring you to the next field.  When time is up, all the fields will be locked.  Any question , please contact </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Information</name>
    <message>
        <source>The release notes &quot;%1&quot; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 95/98/NT/2000, with at least 800X600 Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Requirement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Brenlo Math Practice 2.5.1 - Practice Makes Perfect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a choice to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition and Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication and Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;-CHANGE USER AND ENTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore  DATABASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit out of the program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiplicationTable</name>
    <message>
        <source>Row 1 and column 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mulitiplication table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Operation</name>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divided by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayProblem</name>
    <message>
        <source>no file is named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is a folder, not a sound file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeControls</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Answer - Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed in Mins :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <comment>level label</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeMenus</name>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dvanced switched to Times and Divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Basic switch to Plus and Minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report Score Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit out the program completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The menu of the speed, the difficulty and the mistakes practice.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practise my &amp;mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about the &amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Release notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Release Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Requirement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Your time&apos;s up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A problem for a screen reader: the numbers and the operation&apos;s word.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, the right answer is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score of this sheet could not be saved in &quot;%1&quot;: %2
It is kept and tried again at the next check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score of a sheet could not be saved in &quot;%1&quot; before the program ended: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores cannot be saved in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mistakes could not be read from &quot;%1&quot;: %2
Here is an ordinary sheet instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>There are no answers of yours from the last %n days yet, so here is an ordinary sheet.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PracticeTitles</name>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -plus and minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Brenlo Math Practice Program 2.5 -times and divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> User: - </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintAction</name>
    <message>
        <source>No printer is set up, so the page was saved as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <source>Could not print on the printer &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the print: the folder &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the print: &quot;%1&quot; is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the print in the folder &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the print to the file &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramLauncher</name>
    <message>
        <source>&quot;%1&quot; could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressSeries</name>
    <message numerus="yes">
        <source>%n sheet</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2: %3% average of %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Addition/Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show as table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of each level&apos;s daily score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the sheets done each day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily scores as a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>The table&apos;s column headings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of %1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: score of each day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: sheets each day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers as CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv);;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scores could not be read from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records were not saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture was not saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of %1 %2 to %3%4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a link, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportModule</name>
    <message>
        <source>The scores cannot be shown: the report module cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreQueue</name>
    <message numerus="yes">
        <source>another program kept it locked for %n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreSchema</name>
    <message>
        <source>&quot;%1&quot; exists already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a score database (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no table &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its table &quot;%1&quot; has no column &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreStore</name>
    <message>
        <source>it cannot be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreVocabulary</name>
    <message>
        <source>Easy</source>
        <extracomment>A difficulty level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>A difficulty level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super Difficult</source>
        <extracomment>A difficulty level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minus and Plus Practice program</source>
        <extracomment>The caption of the addition and subtraction practice screen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply and Divide Practice program</source>
        <extracomment>The caption of the multiplication and division practice screen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoringSummary</name>
    <message>
        <source>The Brenlo Scoring Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition/Subtraction Scoring Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication/Division Scoring Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring Summary shows average score of different speed, difficulties.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> STARTING DATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>END DATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USER:- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition/Substraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplication/Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Up Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete records could not be removed from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scores could not be read from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to clean up database from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No record was deleted from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records deleted !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SdlAudioOutput</name>
    <message>
        <source>no sound device can be opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>award sound %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the user name and the award sounds start empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>only %n of its nine lines lie in the first %1 KiB, which is all that is read</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>it has %n of its nine lines</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 is not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1 are not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the reasons a settings file was not read whole.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; empty instead: </source>
        <extracomment>Before the list of values that start empty.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source>Answer %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundChooser</name>
    <message>
        <source>Sound File set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please pick a sound file in the file list, then press Select.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundFileRead</name>
    <message>
        <source>no file is named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than the %1 MiB an award sound may be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a WAV, MIDI or MP3 sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundSetupScreen</name>
    <message>
        <source>Not Good...need more practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Job</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impressive... close to perfection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set your own sound file,Score/History path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not implmented yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>A button that closes this window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound file for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test sound for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sound path that %1 cannot be kept in the settings file &quot;%2&quot;; the sound for &quot;%3&quot; stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The sound you chose is used now, but it is not saved yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not played: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpeedDialog</name>
    <message>
        <source>Slowest - 20  minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time is about 20 mintues, close this windows, and hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not so slow - 15 mins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time is about 15 mintues, close this windows, and hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal -- 10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time is about 10 mintues, close this windows, and hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast - 5  minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time is about 5 mintues, close this windows, and hit start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fastest - 1 to 2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time is about 2 mintues, close this windows, and start when ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed/Timing Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PICK ONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this Window and Set Level of Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryCells</name>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryDates</name>
    <message>
        <source>The %1 &quot;%2&quot; cannot be read as a date. Please type a date as %3, for example %4, or as yyyy-mm-dd, for example %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starting date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The starting date &quot;%1&quot; is after the end date &quot;%2&quot;. Please type a starting date no later than the end date.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryTable</name>
    <message>
        <source>1 -2 mins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 mins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 mins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 mins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 mins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total AVG SCORE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed across, level down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Below the diagonal of the table&apos;s corner: the rows are the levels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserCommands</name>
    <message>
        <source>No such user in the database yet!  Please go to  Change User button to create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User exists on the database, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such user in the database yet!  Ok to create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Created, hit Addition/Subtraction or Multiplication/Division to Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do this only you have problem retrieving record or if you want to reset the record to original (empty database) one, AND THIS HAS TO BE DONE BEFORE RUNNING SCORING SUMMARY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you really sure? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Database restored!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The current user stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be written: %2
The current user stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; was not replaced: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserFiles</name>
    <message>
        <source>&quot;%1&quot; is not allowed as a user name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A user name cannot contain the character &quot;/&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A user name cannot contain control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user name is too long to be a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the template &quot;%1&quot; cannot be copied: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is far too large</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowPrinter</name>
    <message>
        <source>Could not print: the print module cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
