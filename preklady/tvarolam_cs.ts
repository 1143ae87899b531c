<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí nápovědu k volbám příkazové řádky.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zobrazí nápovědu včetně voleb knihovny Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí verzi programu.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Použití: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[volby]</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenty:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznámá volba „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Za „%1“ chybí hodnota.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Za „%1“ nemá být hodnota.</translation>
    </message>
</context>
<context>
    <name>tvarolam-denik</name>
    <message>
        <source>: cannot search: </source>
        <translation>: nelze prohledat: </translation>
    </message>
    <message>
        <source>: not a line the game writes: </source>
        <translation>: tento řádek hra nepíše: </translation>
    </message>
    <message>
        <source>: cannot read: </source>
        <translation>: nelze přečíst: </translation>
    </message>
    <message>
        <source>no such file or folder: </source>
        <translation>takový soubor ani složka není: </translation>
    </message>
    <message>
        <source>no loghra.txt in </source>
        <translation>žádný loghra.txt ve složce </translation>
    </message>
    <message>
        <source>: the same log as </source>
        <translation>: tentýž deník jako </translation>
    </message>
    <message>
        <source>; read once, as %1&apos;s</source>
        <translation>; přečten jednou, jako deník žáka %1</translation>
    </message>
    <message>
        <source>; reading it with the default texts</source>
        <translation>; čtu jej s výchozími texty</translation>
    </message>
    <message>
        <source>cannot read the task folder </source>
        <translation>nelze přečíst složku úloh </translation>
    </message>
    <message>
        <source>no task (*.3du) in </source>
        <translation>žádná úloha (*.3du) ve složce </translation>
    </message>
    <message>
        <source>no such texts file: </source>
        <translation>takový soubor textů není: </translation>
    </message>
    <message>
        <source>cannot write the output: </source>
        <translation>nelze zapsat výstup: </translation>
    </message>
    <message>
        <source>write error</source>
        <translation>chyba zápisu</translation>
    </message>
    <message>
        <source>cannot write </source>
        <translation>nelze zapsat </translation>
    </message>
    <message>
        <source>Reads Tvarolam-Hra game logs (loghra.txt) and prints what the pupils did: per task, how many started and solved it with the median attempts, previews and minutes; per pupil, the tasks started and solved; with --ulohy, every pupil against every task of the set. A pupil is the folder that holds the log. Lines that are no game log lines are reported on stderr as FILE:LINE: and counted.
Exit codes: 0 reported (even with unreadable lines or files); 1 the page or the output could not be written; 2 wrong arguments, a PATH that does not exist, a task folder without tasks, or a --texty file that is missing or has fewer than 20 lines.</source>
        <translation>Přečte deníky hry Tvarolam-Hra (loghra.txt) a vypíše, co žáci udělali: u každé úlohy, kolik žáků ji začalo a vyřešilo, s mediánem pokusů, náhledů a minut; u každého žáka začaté a vyřešené úlohy; s --ulohy každého žáka proti každé úloze sady. Žák je složka, ve které deník leží. Řádky, které nejsou řádky deníku hry, se hlásí na chybový výstup jako SOUBOR:ŘÁDEK: a počítají se.
Návratové kódy: 0 vypsáno (i s nečitelnými řádky či soubory); 1 stránku nebo výstup nešlo zapsat; 2 chybné argumenty, CESTA, která neexistuje, složka úloh bez úloh nebo soubor --texty, který chybí nebo má méně než 20 řádků.</translation>
    </message>
    <message>
        <source>Read every log with the texts of FILE (a texts file of at least 20 lines) instead of the texty.tst beside each log or the default texts.</source>
        <translation>Číst každý deník s texty ze SOUBORU (soubor textů o nejméně 20 řádcích) místo texty.tst vedle deníku nebo výchozích textů.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>SOUBOR</translation>
    </message>
    <message>
        <source>The task set the class was given: its tasks (*.3du) are in the report in the order of their file names, also those nobody started, with the pupil × task table.</source>
        <translation>Sada úloh, kterou třída dostala: její úlohy (*.3du) jsou v přehledu v pořadí jmen souborů, i ty, které nikdo nezačal, s tabulkou žák × úloha.</translation>
    </message>
    <message>
        <source>TASKDIR</source>
        <translation>SLOŽKA_ÚLOH</translation>
    </message>
    <message>
        <source>Print one CSV row per attempt instead of the summary.</source>
        <translation>Místo souhrnu vypsat jeden řádek CSV za každý pokus.</translation>
    </message>
    <message>
        <source>Print the pupil × task table as CSV, one row a cell, instead of the summary.</source>
        <translation>Místo souhrnu vypsat tabulku žák × úloha jako CSV, jeden řádek za buňku.</translation>
    </message>
    <message>
        <source>Also write the summary with bar charts as a page.</source>
        <translation>Zapsat souhrn se sloupcovými grafy také jako stránku.</translation>
    </message>
    <message>
        <source>OUT.html</source>
        <translation>VÝSTUP.html</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CESTA</translation>
    </message>
    <message>
        <source>A log file, or a folder searched for loghra.txt.</source>
        <translation>Soubor deníku, nebo složka, ve které se hledá loghra.txt.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <translation>CESTA...</translation>
    </message>
    <message>
        <source> (see --help)</source>
        <translation> (viz --help)</translation>
    </message>
    <message>
        <source>no log or folder given (see --help)</source>
        <translation>není zadán deník ani složka (viz --help)</translation>
    </message>
    <message>
        <source>--csv and --matice are two outputs: choose one (see --help)</source>
        <translation>--csv a --matice jsou dva různé výstupy: vyberte jeden (viz --help)</translation>
    </message>
</context>
<context>
    <name>tvarolam-editor</name>
    <message>
        <source>The teachers&apos; task editor: a task is made, seen in 3D, checked and saved.</source>
        <translation>Editor úloh pro učitele: úloha se v něm vytvoří, prohlédne ve 3D, zkontroluje a uloží.</translation>
    </message>
    <message>
        <source>A task to open.</source>
        <translation>Úloha, která se otevře.</translation>
    </message>
    <message>
        <source>Give one task at most.</source>
        <translation>Zadejte nejvýše jednu úlohu.</translation>
    </message>
    <message>
        <source>See tvarolam-editor --help.</source>
        <translation>Viz tvarolam-editor --help.</translation>
    </message>
</context>
<context>
    <name>tvarolam-nahled</name>
    <message>
        <source>Shows a Tvarolam-Hra assembly preview (tempwrl.wrl).</source>
        <translation>Ukáže náhled sestavy ze hry Tvarolam-Hra (tempwrl.wrl).</translation>
    </message>
    <message>
        <source>Draw the scene into a picture file instead of a window.</source>
        <translation>Nakreslit scénu do souboru s obrázkem místo do okna.</translation>
    </message>
    <message>
        <source>OUT.png</source>
        <translation>VÝSTUP.png</translation>
    </message>
    <message>
        <source>Viewpoint of the picture: pohled, top or front.</source>
        <translation>Pohled, ze kterého se obrázek kreslí: pohled, top nebo front.</translation>
    </message>
    <message>
        <source>Size of the picture.</source>
        <translation>Velikost obrázku.</translation>
    </message>
    <message>
        <source>WxH</source>
        <translation>ŠxV</translation>
    </message>
    <message>
        <source>Aim at the assembly and come 1 to 20 times closer.</source>
        <translation>Zamířit na sestavu a přiblížit se 1 až 20krát.</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation>NÁSOBEK</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>SOUBOR</translation>
    </message>
    <message>
        <source>The scene file.</source>
        <translation>Soubor se scénou.</translation>
    </message>
</context>
<context>
    <name>tvarolam-uloha</name>
    <message>
        <source>cannot write </source>
        <translation>nelze zapsat </translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Použití: </translation>
    </message>
    <message>
        <source>Displays help for this command.</source>
        <translation>Zobrazí nápovědu k tomuto příkazu.</translation>
    </message>
    <message>
        <source>: no picture </source>
        <translation>: obrázek </translation>
    </message>
    <message>
        <source> in the task&apos;s folder</source>
        <translation> ve složce úlohy není</translation>
    </message>
    <message>
        <source> has no accepted solution </source>
        <translation> nemá přijímané řešení </translation>
    </message>
    <message>
        <source> (it has </source>
        <translation> (má jich </translation>
    </message>
    <message>
        <source>: the code cannot be placed on the task&apos;s pieces (see zkontroluj)</source>
        <translation>: kód nejde postavit z dílků úlohy (viz zkontroluj)</translation>
    </message>
    <message>
        <source>warning: placed so, the game gives the code </source>
        <translation>varování: takto postavené dává hra kód </translation>
    </message>
    <message>
        <source>, not </source>
        <translation>, ne </translation>
    </message>
    <message>
        <source>Write the scene file of the assembly to FILE.</source>
        <translation>Zapsat soubor se scénou sestavy do SOUBORU.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>SOUBOR</translation>
    </message>
    <message>
        <source>Use the scene template with block edges.</source>
        <translation>Použít šablonu scény s hranami kostek.</translation>
    </message>
    <message>
        <source>The task file (.3du).</source>
        <translation>Soubor úlohy (.3du).</translation>
    </message>
    <message>
        <source>ROW@X,Y,Z</source>
        <translation>ŘÁDEK@X,Y,Z</translation>
    </message>
    <message>
        <source>Placements of piece rows.</source>
        <translation>Umístění řádků s dílky.</translation>
    </message>
    <message>
        <source>[ROW@X,Y,Z[/-]...]</source>
        <translation>[ŘÁDEK@X,Y,Z[/-]...]</translation>
    </message>
    <message>
        <source>no task file given</source>
        <translation>není zadán soubor úlohy</translation>
    </message>
    <message>
        <source>not a placement ROW@X,Y,Z with X, Y, Z from 0 to 10: </source>
        <translation>není umístění ŘÁDEK@X,Y,Z s X, Y, Z od 0 do 10: </translation>
    </message>
    <message>
        <source>the task has no piece row </source>
        <translation>úloha nemá řádek s dílkem </translation>
    </message>
    <message>
        <source>tvarolam-uloha zkontroluj FILE</source>
        <translation>tvarolam-uloha zkontroluj SOUBOR</translation>
    </message>
    <message>
        <source>Accepted solution N, in R line order.</source>
        <translation>Přijímané řešení N, v pořadí řádků R.</translation>
    </message>
    <message>
        <source>jpg or bmp.</source>
        <translation>jpg nebo bmp.</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMÁT</translation>
    </message>
    <message>
        <source>Put the picture lines into the task file.</source>
        <translation>Zapsat řádky s obrázky do souboru úlohy.</translation>
    </message>
    <message>
        <source>tvarolam-uloha obrazky FILE [--reseni N] [--format jpg|bmp] [--zapis]</source>
        <translation>tvarolam-uloha obrazky SOUBOR [--reseni N] [--format jpg|bmp] [--zapis]</translation>
    </message>
    <message>
        <source>--format is jpg or bmp</source>
        <translation>--format je jpg nebo bmp</translation>
    </message>
    <message>
        <source>: the name cannot be written in Windows-1250, as task files are</source>
        <translation>: jméno nejde zapsat ve Windows-1250, ve kterém jsou soubory úloh</translation>
    </message>
    <message>
        <source>cannot rewrite </source>
        <translation>nelze přepsat </translation>
    </message>
    <message>
        <source>tvarolam-uloha nahled FILE --reseni N OUT.wrl [--hrany]</source>
        <translation>tvarolam-uloha nahled SOUBOR --reseni N VÝSTUP.wrl [--hrany]</translation>
    </message>
    <message>
        <source>Write the worksheets to OUT.pdf.</source>
        <translation>Zapsat pracovní listy do VÝSTUP.pdf.</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>VÝSTUP.pdf</translation>
    </message>
    <message>
        <source>tvarolam-uloha list FILE... --pdf OUT.pdf</source>
        <translation>tvarolam-uloha list SOUBOR... --pdf VÝSTUP.pdf</translation>
    </message>
    <message>
        <source>Usage: tvarolam-uloha FILE [ROW@X,Y,Z[/-] ...] [--nahled SCENE.wrl] [--hrany]
       tvarolam-uloha zkontroluj FILE
       tvarolam-uloha obrazky FILE [--reseni N] [--format jpg|bmp] [--zapis]
       tvarolam-uloha nahled FILE --reseni N OUT.wrl [--hrany]
       tvarolam-uloha list FILE... --pdf OUT.pdf
       tvarolam-uloha rozdej TASKDIR CLASSLIST OUTDIR
</source>
        <translation>Použití: tvarolam-uloha SOUBOR [ŘÁDEK@X,Y,Z[/-] ...] [--nahled SCÉNA.wrl] [--hrany]
         tvarolam-uloha zkontroluj SOUBOR
         tvarolam-uloha obrazky SOUBOR [--reseni N] [--format jpg|bmp] [--zapis]
         tvarolam-uloha nahled SOUBOR --reseni N VÝSTUP.wrl [--hrany]
         tvarolam-uloha list SOUBOR... --pdf VÝSTUP.pdf
         tvarolam-uloha rozdej SLOŽKA_ÚLOH SEZNAM_TŘÍDY VÝSTUP
</translation>
    </message>
    <message>
        <source>Loads a Tvarolam-Hra task file as the game does and prints what the game would show.
ROW@X,Y,Z places piece row ROW at X,Y,Z and marks it used; ROW@X,Y,Z/- places it unused. With placements the assembly code and its verdict are printed too.

For task authors: zkontroluj FILE checks a task; obrazky FILE [--reseni N] [--format jpg|bmp] [--zapis] draws its three pictures from an accepted solution; nahled FILE --reseni N OUT.wrl [--hrany] writes a solution&apos;s scene; list FILE... --pdf OUT.pdf prints worksheets.

For teachers: rozdej TASKDIR CLASSLIST OUTDIR hands a task set out to a class, a folder for each pupil. Each has its own --help.</source>
        <translation>Načte soubor úlohy hry Tvarolam-Hra stejně jako hra a vypíše, co by hra ukázala.
ŘÁDEK@X,Y,Z postaví dílek z řádku ŘÁDEK na X,Y,Z a označí ho jako použitý; ŘÁDEK@X,Y,Z/- ho postaví nepoužitý. S umístěními se vypíše i kód sestavy a verdikt.

Pro autory úloh: zkontroluj SOUBOR zkontroluje úlohu; obrazky SOUBOR [--reseni N] [--format jpg|bmp] [--zapis] nakreslí její tři obrázky z přijímaného řešení; nahled SOUBOR --reseni N VÝSTUP.wrl [--hrany] zapíše scénu řešení; list SOUBOR... --pdf VÝSTUP.pdf vytiskne pracovní listy.

Pro učitele: rozdej SLOŽKA_ÚLOH SEZNAM_TŘÍDY VÝSTUP rozdá sadu úloh třídě, každému žákovi složku. Každý příkaz má vlastní --help.</translation>
    </message>
    <message>
        <source>tvarolam-uloha rozdej TASKDIR CLASSLIST OUTDIR</source>
        <translation>tvarolam-uloha rozdej SLOŽKA_ÚLOH SEZNAM_TŘÍDY VÝSTUP</translation>
    </message>
    <message>
        <source>a control character is no part of a folder name</source>
        <translation>řídicí znak nemůže být součástí jména složky</translation>
    </message>
    <message>
        <source>a name with / or \ would leave the class folder</source>
        <translation>jméno s / nebo \ by vedlo mimo složku třídy</translation>
    </message>
    <message>
        <source>a name of only dots and blanks is no folder name</source>
        <translation>jméno jen z teček a mezer není jméno složky</translation>
    </message>
    <message>
        <source>longer than a folder name may be (255 bytes)</source>
        <translation>delší, než smí být jméno složky (255 bajtů)</translation>
    </message>
    <message>
        <source>: cannot read: </source>
        <translation>: nelze přečíst: </translation>
    </message>
    <message>
        <source>: the same folder as line </source>
        <translation>: stejná složka jako na řádku </translation>
    </message>
    <message>
        <source>: no pupils</source>
        <translation>: žádní žáci</translation>
    </message>
    <message>
        <source>: cannot list: </source>
        <translation>: nelze vypsat: </translation>
    </message>
    <message>
        <source>: no tasks (*.3du)</source>
        <translation>: žádné úlohy (*.3du)</translation>
    </message>
    <message>
        <source>: the picture </source>
        <translation>: obrázek </translation>
    </message>
    <message>
        <source> lies outside the task&apos;s folder, which a pupil&apos;s folder does not have</source>
        <translation> leží mimo složku úlohy, a ta ve složce žáka nebude</translation>
    </message>
    <message>
        <source> is a link or a file, not a folder</source>
        <translation> je odkaz nebo soubor, ne složka</translation>
    </message>
    <message>
        <source> is a folder</source>
        <translation> je složka</translation>
    </message>
    <message>
        <source>: cannot make the folder: </source>
        <translation>: nelze vytvořit složku: </translation>
    </message>
    <message>
        <source>: cannot write: </source>
        <translation>: nelze zapsat: </translation>
    </message>
    <message>
        <source>: cannot make: </source>
        <translation>: nelze vytvořit: </translation>
    </message>
    <message>
        <source>: not a folder</source>
        <translation>: není složka</translation>
    </message>
    <message>
        <source>nothing was handed out</source>
        <translation>nic nebylo rozdáno</translation>
    </message>
    <message>
        <source>a file is in the way</source>
        <translation>v cestě je soubor</translation>
    </message>
</context>
</TS>
