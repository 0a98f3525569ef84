<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>AboutBox</name>
    <message>
        <source>O hře...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Programování</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Grafika</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ArcherEditor</name>
    <message>
        <source>Údaje o lukostřelci...</source>
        <translation>Archer...</translation>
    </message>
    <message>
        <source>Příjmení, jméno :</source>
        <translation>Last, first name:</translation>
    </message>
    <message>
        <source>Klub :</source>
        <translation>Club:</translation>
    </message>
    <message>
        <source>Výkonnost</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Zadejte příjmení a jméno lukostřelce !</source>
        <translation>Enter the archer&apos;s surname and first name.</translation>
    </message>
</context>
<context>
    <name>ArcherListDialog</name>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Lukostřelci (*.luk);;Všechny soubory (*)</source>
        <translation>Archers (*.luk);;All files (*)</translation>
    </message>
    <message>
        <source>Lukostřelci...</source>
        <translation>Archers...</translation>
    </message>
    <message>
        <source>Přidat</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Editovat</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Odebrat</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Vymazat</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Počítač</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Člověk</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>Načíst...</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>Uložit...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Chyba při načítání ze souboru !</source>
        <translation>The file could not be loaded.</translation>
    </message>
    <message>
        <source>Chyba při ukládání souboru !</source>
        <translation>The file could not be saved.</translation>
    </message>
</context>
<context>
    <name>ArrowListModel</name>
    <message>
        <source>Zápas</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Sada</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Šíp</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>BoutsDialog</name>
    <message>
        <source>Souboje</source>
        <translation>Head to head</translation>
    </message>
    <message>
        <source>&amp;Lukostřelec:</source>
        <translation>&amp;Archer:</translation>
    </message>
    <message>
        <source>&amp;Kategorie:</source>
        <translation>&amp;Division:</translation>
    </message>
    <message>
        <source>&amp;Pavouk:</source>
        <translation>&amp;Bracket:</translation>
    </message>
    <message>
        <source>&amp;Soupeři:</source>
        <translation>&amp;Opponents:</translation>
    </message>
    <message>
        <source>%1 lukostřelců</source>
        <translation>%1 archers</translation>
    </message>
    <message>
        <source>Podle databáze střelců</source>
        <translation>As in the archer list</translation>
    </message>
    <message>
        <source>Podle mé úrovně</source>
        <translation>At my level</translation>
    </message>
    <message>
        <source>Časový limit</source>
        <translation>Time limit</translation>
    </message>
    <message>
        <source>%1 minuty na sadu</source>
        <translation>%1 minutes a set</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Zadejte jméno lukostřelce, který bude střílet souboje !</source>
        <translation>Enter the name of the archer who will shoot the bouts.</translation>
    </message>
</context>
<context>
    <name>BracketWindow</name>
    <message>
        <source>volný los</source>
        <translation>bye</translation>
    </message>
    <message>
        <source>Pavouk</source>
        <translation>Bracket</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Konečné pořadí</source>
        <translation>Final ranking</translation>
    </message>
</context>
<context>
    <name>ClassText</name>
    <message>
        <source>Klasifikace: %1, získaná %2</source>
        <translation>Classification: %1, earned %2</translation>
    </message>
    <message>
        <source>Klasifikace: zatím žádná</source>
        <translation>Classification: none yet</translation>
    </message>
    <message>
        <source>Vyšší klasifikace není</source>
        <translation>There is no higher classification</translation>
    </message>
    <message numerus="yes">
        <source>Do %1 chybí %n tuctů šípů s handicapem nejvýš %2 na %3 m</source>
        <translation>
            <numerusform>%1 still needs %n dozen arrows shot with a handicap of %2 or better at %3 m</numerusform>
            <numerusform>%1 still needs %n dozen arrows shot with a handicap of %2 or better at %3 m</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 získává klasifikaci %2 !</source>
        <translation>%1 earns the classification %2!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message>
        <source>vlevo</source>
        <translation>left</translation>
    </message>
    <message>
        <source>vpravo</source>
        <translation>right</translation>
    </message>
    <message>
        <source>nahoru</source>
        <translation>up</translation>
    </message>
    <message>
        <source>dolů</source>
        <translation>down</translation>
    </message>
    <message>
        <source>natáhnout luk</source>
        <translation>draw the bow</translation>
    </message>
    <message>
        <source>vystřelit</source>
        <translation>release</translation>
    </message>
    <message>
        <source>další šíp</source>
        <translation>next arrow</translation>
    </message>
    <message>
        <source> nebo </source>
        <translation> or </translation>
    </message>
    <message>
        <source>křížový ovladač ← nebo levá páčka</source>
        <translation>D-pad ← or left stick</translation>
    </message>
    <message>
        <source>křížový ovladač → nebo levá páčka</source>
        <translation>D-pad → or left stick</translation>
    </message>
    <message>
        <source>křížový ovladač ↑ nebo levá páčka</source>
        <translation>D-pad ↑ or left stick</translation>
    </message>
    <message>
        <source>křížový ovladač ↓ nebo levá páčka</source>
        <translation>D-pad ↓ or left stick</translation>
    </message>
    <message>
        <source>R2 nebo R1</source>
        <translation>R2 or R1</translation>
    </message>
    <message>
        <source>ZR nebo R</source>
        <translation>ZR or R</translation>
    </message>
    <message>
        <source>RT nebo RB</source>
        <translation>RT or RB</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>○</source>
        <translation>○</translation>
    </message>
    <message>
        <source>Další šíp: %1, na ovladači %2</source>
        <translation>Next arrow: %1, on the gamepad %2</translation>
    </message>
    <message>
        <source>Další šíp: na ovladači %1</source>
        <translation>Next arrow: on the gamepad %1</translation>
    </message>
    <message>
        <source>tlačítko %1</source>
        <translation>button %1</translation>
    </message>
    <message>
        <source>klávesa %1</source>
        <translation>key %1</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
</context>
<context>
    <name>ControlsDialog</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Ovládání</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Činnost</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Klávesa</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Druhá klávesa</source>
        <translation>Second key</translation>
    </message>
    <message>
        <source>Na ovladači</source>
        <translation>On the gamepad</translation>
    </message>
    <message>
        <source>Odebrat druhou klávesu</source>
        <translation>Remove the second key</translation>
    </message>
    <message>
        <source>Klepněte na tlačítko s klávesou a stiskněte novou klávesu; Esc volbu zruší. Klávesy Alt a F10 patří nabídce hry.</source>
        <translation>Click a key&apos;s button and press the new key; Esc cancels. The Alt and F10 keys belong to the game&apos;s menu.</translation>
    </message>
    <message>
        <source>Výchozí</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 otevře nabídku Hra.</source>
        <translation>%1 opens the Game menu.</translation>
    </message>
    <message>
        <source>Žádný ovladač není připojen. Na ovladači: </source>
        <translation>No gamepad is connected. On a gamepad: </translation>
    </message>
    <message>
        <source>Připojený ovladač: %1. </source>
        <translation>Gamepad connected: %1. </translation>
    </message>
    <message>
        <source>(žádná)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Soubor nastavení neuvádí pro %1 klávesu, kterou hra zná; platí výchozí.</source>
        <translation>The settings file gives no key the game knows for %1; the default applies.</translation>
    </message>
    <message>
        <source>Klávesu %1 už má činnost %2. Nejdříve jí dejte jinou klávesu.</source>
        <translation>The key %1 already belongs to %2. Give that a different key first.</translation>
    </message>
    <message>
        <source>Klávesu %1 potřebuje nabídka hry, nelze ji přiřadit.</source>
        <translation>The game&apos;s menu needs the key %1; it cannot be assigned.</translation>
    </message>
    <message>
        <source>Klávesa %1 sama nic nedělá, nelze ji přiřadit.</source>
        <translation>The key %1 does nothing by itself and cannot be assigned.</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Obtížnost...</source>
        <translation>Difficulty...</translation>
    </message>
    <message>
        <source>Obtížnost</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>Začátečník</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Amatér</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Profesionál</source>
        <translation>Professional</translation>
    </message>
    <message>
        <source>Světová třída</source>
        <translation>World class</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FieldLevelDialog</name>
    <message>
        <source>Soupeři</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>Podle databáze střelců</source>
        <translation>As in the archer list</translation>
    </message>
    <message>
        <source>Podle mé úrovně</source>
        <translation>At my level</translation>
    </message>
    <message>
        <source>Podle mé úrovně dostanou počítačoví střelci pro každý zápas výkonnost od handicapu o 15 lepšího po handicap o 15 horší, než má nejlepší z hrajících lukostřelců, v pořadí své síly v databázi. Databáze sama se nemění.

Handicap má lukostřelec po prvním dokončeném zápase. Dokud ho nemá nikdo z hrajících, střílí počítačoví střelci podle databáze.</source>
        <translation>At my level, each computer archer is given, for each match, the performance of a handicap from 15 better to 15 worse than that of the best archer playing, in the order of their strength in the archer list. The list itself does not change.

An archer has a handicap after his first finished match. Until someone playing has one, the computer archers shoot as the archer list says.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>Do herní složky „%1“ nelze přejít.</source>
        <translation>Cannot open the game folder “%1”.</translation>
    </message>
    <message>
        <source>Herní složku „%1“ nelze vytvořit: v cestě je soubor, nebo chybí oprávnění.</source>
        <translation>Cannot create the game folder “%1”: a file is in the way, or permission is missing.</translation>
    </message>
    <message>
        <source>Do herní složky „%1“ nelze zapisovat.</source>
        <translation>Cannot write to the game folder “%1”.</translation>
    </message>
    <message>
        <source>Soubor „%1“ nelze zkopírovat do herní složky „%2“.</source>
        <translation>Cannot copy the file “%1” to the game folder “%2”.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Historie zápasů</source>
        <translation>Match history</translation>
    </message>
    <message>
        <source>Historii zápasů nelze ukládat (složka hry je jen pro čtení, nebo je plný disk). Hra pokračuje bez ní.</source>
        <translation>The match history cannot be saved (the game folder is read-only, or the disk is full). The game goes on without it.</translation>
    </message>
    <message>
        <source>střed</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>vlevo nahoře</source>
        <translation>top left</translation>
    </message>
    <message>
        <source>nahoře</source>
        <translation>top</translation>
    </message>
    <message>
        <source>vpravo nahoře</source>
        <translation>top right</translation>
    </message>
    <message>
        <source>vpravo</source>
        <translation>right</translation>
    </message>
    <message>
        <source>vpravo dole</source>
        <translation>bottom right</translation>
    </message>
    <message>
        <source>dole</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>vlevo dole</source>
        <translation>bottom left</translation>
    </message>
    <message>
        <source>vlevo</source>
        <translation>left</translation>
    </message>
    <message>
        <source>VEXA Kr.</source>
        <translation>VEXA Short</translation>
    </message>
    <message>
        <source>muži</source>
        <translation>Men</translation>
    </message>
    <message>
        <source>ženy</source>
        <translation>Women</translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam dráhy zaměřovače je poškozený (končí uprostřed hodnoty).</source>
        <translation>The shot cannot be replayed: the record of the sight&apos;s path is damaged (it ends in the middle of a value).</translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam dráhy zaměřovače je prázdný.</source>
        <translation>The shot cannot be replayed: the record of the sight&apos;s path is empty.</translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam dráhy zaměřovače je zkrácený (%1 z %2 kroků).</source>
        <translation>The shot cannot be replayed: the record of the sight&apos;s path is cut short (%1 of %2 steps).</translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam natažení luku je poškozený (končí uprostřed hodnoty).</source>
        <translation>The shot cannot be replayed: the record of the draw is damaged (it ends in the middle of a value).</translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam natažení luku je zkrácený (%1 z %2 kroků).</source>
        <translation>The shot cannot be replayed: the record of the draw is cut short (%1 of %2 steps).</translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: zásah leží daleko mimo obrázek terče.</source>
        <translation>The shot cannot be replayed: the hit lies far outside the target picture.</translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: dráha zaměřovače vede daleko mimo obrázek terče.</source>
        <translation>The shot cannot be replayed: the sight&apos;s path runs far outside the target picture.</translation>
    </message>
    <message>
        <source>Upozornění.</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Toto bude demo bez lidí. Na další sadu stiskněte &apos;d&apos; !</source>
        <translation>This will be a demo without human archers. Press &apos;d&apos; for the next end.</translation>
    </message>
    <message>
        <source>Chyba.</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Databáze střelců je zaplněná !</source>
        <translation>The list of archers is full.</translation>
    </message>
    <message>
        <source>Ceklový výsledek (VEXA)</source>
        <translation>Overall score (VEXA)</translation>
    </message>
    <message>
        <source>Rekordy</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Muzi</source>
        <translation>Men</translation>
    </message>
    <message>
        <source>Ženy</source>
        <translation>Women</translation>
    </message>
    <message>
        <source>Máte nejvyšší výsledek na %1 metrů !</source>
        <translation>A new record at %1 metres!</translation>
    </message>
    <message>
        <source>Máte nejvyšší výsledek !</source>
        <translation>A new overall record!</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Soubor nastaveni.ini nelze přečíst. Hra použije výchozí nastavení a soubor nezmění.</source>
        <translation>The file nastaveni.ini cannot be read. The game uses the default settings and leaves the file as it is.</translation>
    </message>
    <message>
        <source>soutěž %1</source>
        <translation>round %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>round, division</comment>
        <translation>%2&apos;s %1</translation>
    </message>
    <message>
        <source>Trénink %1 m</source>
        <translation>Practice at %1 m</translation>
    </message>
    <message>
        <source>Šíp nebyl vystřelen: čas sady vypršel.</source>
        <translation>The arrow was not shot: the end&apos;s time ran out.</translation>
    </message>
    <message>
        <source>Muži</source>
        <translation>Men</translation>
    </message>
    <message>
        <source>Poř. Příjmení, jméno</source>
        <translation>Pos. Surname, first name</translation>
    </message>
    <message>
        <source>H.   10   9    Celkem</source>
        <translation>Hits 10   9    Total</translation>
    </message>
    <message>
        <source>Soubor nastaveni.ini nelze zapsat. Změněné nastavení platí jen do konce hry.</source>
        <translation>The file nastaveni.ini cannot be written. The changed settings last only until the game ends.</translation>
    </message>
    <message>
        <source>1/16</source>
        <translation>1/16 elimination</translation>
    </message>
    <message>
        <source>1/8</source>
        <translation>1/8 elimination</translation>
    </message>
    <message>
        <source>Čtvrtfinále</source>
        <translation>Quarterfinal</translation>
    </message>
    <message>
        <source>Semifinále</source>
        <translation>Semifinal</translation>
    </message>
    <message>
        <source>O bronz</source>
        <translation>Bronze medal match</translation>
    </message>
    <message>
        <source>Finále</source>
        <translation>Gold medal match</translation>
    </message>
    <message>
        <source>%1. sada: %2 : %3 — body %4 : %5</source>
        <translation>Set %1: %2 : %3 — set points %4 : %5</translation>
    </message>
    <message>
        <source>Rozstřel: %1 : %2 — body %3 : %4</source>
        <translation>Shoot-off: %1 : %2 — set points %3 : %4</translation>
    </message>
    <message>
        <source>Souboje %1 m</source>
        <translation>Head to head %1 m</translation>
    </message>
</context>
<context>
    <name>HandicapSeries</name>
    <message>
        <source>Handicap</source>
        <translation>Handicap</translation>
    </message>
</context>
<context>
    <name>HandicapSummary</name>
    <message>
        <source>první handicap</source>
        <translation>first handicap</translation>
    </message>
    <message>
        <source>zlepšení o %1 (předtím %2)</source>
        <translation>better by %1 (before %2)</translation>
    </message>
    <message>
        <source>zhoršení o %1 (předtím %2)</source>
        <translation>worse by %1 (before %2)</translation>
    </message>
    <message>
        <source>beze změny</source>
        <translation>no change</translation>
    </message>
    <message>
        <source>Handicap: zatím žádný. Získáte ho prvním dokončeným zápasem.</source>
        <translation>Handicap: none yet. Your first finished match gives you one.</translation>
    </message>
    <message>
        <source>Handicap: %1</source>
        <translation>Handicap: %1</translation>
    </message>
    <message>
        <source> (předběžný: platný handicap je průměr tří posledních)</source>
        <translation> (provisional: the handicap is the average of the last three)</translation>
    </message>
    <message>
        <source>
Vývoj: </source>
        <translation>
Trend: </translation>
    </message>
    <message>
        <source>Poslední trénink</source>
        <translation>Last practice</translation>
    </message>
    <message>
        <source>Poslední zápas</source>
        <translation>Last match</translation>
    </message>
    <message>
        <source>
%1 (%2): handicap %3, </source>
        <translation>
%1 (%2): handicap %3, </translation>
    </message>
    <message>
        <source>první s handicapem.</source>
        <translation>the first with a handicap.</translation>
    </message>
    <message>
        <source>lepší než dosavadní handicap %1 – zlepšil ho.</source>
        <translation>better than the handicap so far, %1 – it improved it.</translation>
    </message>
    <message>
        <source>nezlepšil dosavadní handicap %1.</source>
        <translation>did not improve the handicap so far, %1.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&lt;h2&gt;Nápověda není k dispozici&lt;/h2&gt;&lt;p&gt;Soubor nápovědy „%1“ nebyl ve složce hry nalezen nebo jej nelze přečíst.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file “%1” was not found in the game folder or cannot be read.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Téma „%1“ v nápovědě není, zobrazuje se obsah.</source>
        <translation>The help has no topic “%1”; showing the contents.</translation>
    </message>
    <message>
        <source>Nápověda – VEXA 99</source>
        <translation>Help – VEXA 99</translation>
    </message>
    <message>
        <source>Obsah</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>d. M. yyyy H:mm</source>
        <translation>d MMM yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>HitAnalysisPage</name>
    <message>
        <source>&amp;Lukostřelec:</source>
        <translation>&amp;Archer:</translation>
    </message>
    <message>
        <source>&amp;Zápas:</source>
        <translation>&amp;Match:</translation>
    </message>
    <message>
        <source>&amp;Vzdálenost:</source>
        <translation>&amp;Distance:</translation>
    </message>
    <message>
        <source>&amp;Sada:</source>
        <translation>&amp;End:</translation>
    </message>
    <message>
        <source>Všechny zápasy</source>
        <translation>All matches</translation>
    </message>
    <message>
        <source>posledních:</source>
        <translation>last:</translation>
    </message>
    <message>
        <source>všech</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Barvy podle:</source>
        <translation>Colours by:</translation>
    </message>
    <message>
        <source>sad</source>
        <translation>end</translation>
    </message>
    <message>
        <source>zápasů</source>
        <translation>match</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>celá vzdálenost</source>
        <translation>whole distance</translation>
    </message>
    <message>
        <source>%1. sada</source>
        <translation>end %1</translation>
    </message>
    <message>
        <source>Pro tento výběr nejsou zaznamenány žádné šípy.</source>
        <translation>No arrows are recorded for this selection.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Šípů:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Arrows:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source> (%1 daleko mimo terč, zakresleno na okraji)</source>
        <translation> (%1 far off the target, drawn at the edge)</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Střed skupiny:&lt;/b&gt; %1 kruhu od středu terče, %2</source>
        <translation>&lt;br&gt;&lt;b&gt;Group centre:&lt;/b&gt; %1 rings from the target centre, %2</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Rozptyl:&lt;/b&gt; %1 kruhu (%2 px)</source>
        <translation>&lt;br&gt;&lt;b&gt;Spread:&lt;/b&gt; %1 rings (%2 px)</translation>
    </message>
    <message>
        <source>mimo</source>
        <translation>miss</translation>
    </message>
    <message>
        <source>Kruh</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Podíl</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Zásah: %1
%2. sada, %3. šíp
%4</source>
        <translation>Score: %1
end %2, arrow %3
%4</translation>
    </message>
    <message>
        <source>
záznam leží daleko mimo terč, zakreslen na okraji</source>
        <translation>
the hit lies far off the target, drawn at the edge</translation>
    </message>
    <message>
        <source>d. M. yyyy H:mm</source>
        <translation>d MMM yyyy HH:mm</translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>zápas %1</source>
        <translation>match %1</translation>
    </message>
    <message>
        <source> (nedokončený)</source>
        <translation> (unfinished)</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>from one day to another</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>s tréninkem</source>
        <translation>with practice</translation>
    </message>
    <message>
        <source>Nevystřelen, čas sady vypršel
%1. sada, %2. šíp
%3</source>
        <translation>Not shot, the end&apos;s time ran out
end %1, arrow %2
%3</translation>
    </message>
    <message>
        <source>trénink</source>
        <translation>practice</translation>
    </message>
    <message>
        <source>Vít&amp;r:</source>
        <translation>Wi&amp;nd:</translation>
    </message>
    <message>
        <source>za každého počasí</source>
        <translation>in any weather</translation>
    </message>
    <message>
        <source>bez větru</source>
        <translation>without wind</translation>
    </message>
    <message>
        <source>ve větru</source>
        <translation>in wind</translation>
    </message>
</context>
<context>
    <name>HitPlotView</name>
    <message>
        <source>střed skupiny</source>
        <translation>group centre</translation>
    </message>
    <message>
        <source>rozptyl</source>
        <translation>spread</translation>
    </message>
</context>
<context>
    <name>KeyCaptureButton</name>
    <message>
        <source>Stiskněte klávesu…</source>
        <translation>Press a key…</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Jazyk / Language</source>
        <translation>Jazyk / &amp;Language</translation>
    </message>
    <message>
        <source>&amp;Podle systému / System</source>
        <translation>Podle systému / &amp;System</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Čeština</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>VEXA 99 1.2 beta - toto je pracovní verze z 30.6 1999 ! 
 Ve hře se mohou objevovat malé nedostatky ! 
 Připomínky a návrhy posílejte prosím na adresu: pripominky@vexa99.cz</source>
        <translation>VEXA 99 1.2 beta - a working version of 30 June 1999!
The game may still have small flaws.
Please send comments and suggestions to: pripominky@vexa99.cz</translation>
    </message>
    <message>
        <source>Vítejte !</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>&amp;Hra</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Nová hra</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>&amp;Statistika...</source>
        <translation>&amp;Statistics...</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Obtížnost</source>
        <translation>&amp;Difficulty</translation>
    </message>
    <message>
        <source>&amp;Zaměřovač</source>
        <translation>S&amp;ight</translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;O hře...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Velikost okna</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>Nová velikost okna platí od příštího spuštění hry.</source>
        <translation>The new window size takes effect the next time the game starts.</translation>
    </message>
    <message>
        <source>Velikost okna nelze uložit: soubor nastaveni.ini se nepodařilo zapsat.</source>
        <translation>The window size cannot be saved: the file nastaveni.ini could not be written.</translation>
    </message>
    <message>
        <source>&amp;Trénink...</source>
        <translation>&amp;Practice...</translation>
    </message>
    <message>
        <source>&amp;Soupeři...</source>
        <translation>&amp;Opponents...</translation>
    </message>
    <message>
        <source>Ovlá&amp;dání...</source>
        <translation>&amp;Controls...</translation>
    </message>
    <message>
        <source>Zv&amp;uk...</source>
        <translation>So&amp;und...</translation>
    </message>
    <message>
        <source>&amp;Pokračovat v zápase</source>
        <translation>&amp;Continue the match</translation>
    </message>
    <message>
        <source>Ví&amp;tr...</source>
        <translation>Wi&amp;nd...</translation>
    </message>
    <message>
        <source>So&amp;uboje...</source>
        <translation>&amp;Head to head...</translation>
    </message>
</context>
<context>
    <name>MatchListTable</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Soutěž</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Handicap</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Klasifikace</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>do %1</source>
        <translation>toward %1</translation>
    </message>
    <message>
        <source>do %1, získána %2</source>
        <translation>toward %1, earned %2</translation>
    </message>
</context>
<context>
    <name>NextArrowCaption</name>
    <message>
        <source>Další sada</source>
        <translation>Next end</translation>
    </message>
    <message>
        <source>Další šíp</source>
        <translation>Next arrow</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>Klávesnice</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>%1 napíše písmeno, %2 smaže poslední, %3 potvrdí.</source>
        <translation>%1 types a letter, %2 deletes the last one, %3 confirms.</translation>
    </message>
    <message>
        <source>⇧</source>
        <translation>⇧</translation>
    </message>
    <message>
        <source>␣</source>
        <translation>␣</translation>
    </message>
</context>
<context>
    <name>PracticeDialog</name>
    <message>
        <source>Trénink</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Časový limit</source>
        <translation>Time limit</translation>
    </message>
    <message>
        <source>&amp;Lukostřelec:</source>
        <translation>&amp;Archer:</translation>
    </message>
    <message>
        <source>&amp;Vzdálenost:</source>
        <translation>&amp;Distance:</translation>
    </message>
    <message>
        <source>&amp;Počet sad:</source>
        <translation>&amp;Ends:</translation>
    </message>
    <message>
        <source>&amp;Sekund na sadu:</source>
        <translation>&amp;Seconds per end:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Zadejte jméno lukostřelce, který bude trénovat !</source>
        <translation>Enter the name of the archer who will practise.</translation>
    </message>
</context>
<context>
    <name>PracticeSummaryWindow</name>
    <message>
        <source>Výsledek tréninku</source>
        <translation>Practice result</translation>
    </message>
    <message>
        <source>Znovu</source>
        <translation>Again</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;b&gt;Trénink %1 m&lt;/b&gt;&lt;table cellspacing=0 cellpadding=2&gt;%2&lt;tr&gt;&lt;td&gt;&lt;b&gt;Celkem&lt;/b&gt;&lt;/td&gt;&lt;td align=right&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;b&gt;Practice at %1 m&lt;/b&gt;&lt;table cellspacing=0 cellpadding=2&gt;%2&lt;tr&gt;&lt;td&gt;&lt;b&gt;Total&lt;/b&gt;&lt;/td&gt;&lt;td align=right&gt;&lt;b&gt;%3&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Průměr na šíp: %1&lt;br&gt;Desítek: %2, devítek: %3, mimo: %4</source>
        <translation>&lt;p&gt;Average per arrow: %1&lt;br&gt;Tens: %2, nines: %3, misses: %4</translation>
    </message>
    <message>
        <source>&lt;br&gt;Střed skupiny: %1 kruhu od středu terče, %2&lt;br&gt;Rozptyl: %3 kruhu</source>
        <translation>&lt;br&gt;Group centre: %1 rings from the centre of the target, %2&lt;br&gt;Spread: %3 rings</translation>
    </message>
    <message>
        <source>bezvětří</source>
        <translation>calm</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;%1. sada&lt;/td&gt;&lt;td align=right&gt;%2&lt;/td&gt;%3&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;End %1&lt;/td&gt;&lt;td align=right&gt;%2&lt;/td&gt;%3&lt;/tr&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Výsledky...</source>
        <translation>Results...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Rekordy</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Uložit...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Chyba při ukládání souboru !</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Prostý text (*.txt)</source>
        <translation>Plain text (*.txt)</translation>
    </message>
    <message>
        <source>Gratulace !</source>
        <translation>Congratulations!</translation>
    </message>
</context>
<context>
    <name>ResumeQuestion</name>
    <message>
        <source>Rozehraný zápas</source>
        <translation>Unfinished match</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Později</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>d. M. yyyy H:mm</source>
        <translation>d MMM yyyy HH:mm</translation>
    </message>
    <message>
        <source>Máte rozehraný zápas: %1, %2 m, %3. sada, hraný %4. Chcete v něm pokračovat?</source>
        <translation>You have an unfinished match: %1, %2 m, end %3, begun %4. Do you want to go on with it?</translation>
    </message>
</context>
<context>
    <name>RoundTypeDialog</name>
    <message>
        <source>Typ závodů</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>ShotReplayView</name>
    <message>
        <source>Pozastavit</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>◀ Krok zpět</source>
        <translation>◀ Step back</translation>
    </message>
    <message>
        <source>Krok ▶</source>
        <translation>Step ▶</translation>
    </message>
    <message>
        <source>Přehrát znovu</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Poloviční rychlost</source>
        <translation>Half speed</translation>
    </message>
    <message>
        <source>Vyberte šíp v seznamu nebo na terči.</source>
        <translation>Choose an arrow in the list or on the target.</translation>
    </message>
    <message>
        <source>Krok %1 z %2 (%3 s)</source>
        <translation>Step %1 of %2 (%3 s)</translation>
    </message>
    <message>
        <source>; natažení luku nebylo zaznamenáno</source>
        <translation>; the draw was not recorded</translation>
    </message>
    <message>
        <source>klapka</source>
        <translation>clicker</translation>
    </message>
    <message>
        <source>Zásah: %1
Natažení: %2 %</source>
        <translation>Score: %1
Draw: %2 %</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>SightChooser</name>
    <message>
        <source>Zaměřovač...</source>
        <translation>Sight...</translation>
    </message>
    <message>
        <source>Procházet...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Ikony (*.ico)</source>
        <translation>Icons (*.ico)</translation>
    </message>
</context>
<context>
    <name>SoundDialog</name>
    <message>
        <source>Zvuk</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>&amp;Hlasitost:</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>&amp;Ztlumit</source>
        <translation>&amp;Mute</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistika...</source>
        <translation>Statistics...</translation>
    </message>
    <message>
        <source>Všechny soutěže</source>
        <translation>All rounds</translation>
    </message>
    <message>
        <source>Lukostřelec:</source>
        <translation>Archer:</translation>
    </message>
    <message>
        <source>Soutěž:</source>
        <translation>Round:</translation>
    </message>
    <message>
        <source>Rekord</source>
        <translation>Personal best</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Údaj</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Hodnota</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Osobní rekordy</source>
        <translation>Personal bests</translation>
    </message>
    <message>
        <source>Průměry</source>
        <translation>Averages</translation>
    </message>
    <message>
        <source>Vývoj výsledků</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Rozbor zásahů</source>
        <translation>Hit analysis</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>★ z posledního zápasu</source>
        <translation>★ from the last match</translation>
    </message>
    <message>
        <source>%1, celkem</source>
        <translation>%1, total</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Sada na %1 m (%2. sada)</source>
        <translation>End at %1 m (end %2)</translation>
    </message>
    <message>
        <source>Průměr šípu na %1 m</source>
        <translation>Average arrow at %1 m</translation>
    </message>
    <message>
        <source>Desítky</source>
        <translation>Tens</translation>
    </message>
    <message>
        <source>Devítky</source>
        <translation>Nines</translation>
    </message>
    <message>
        <source>Mimo terč</source>
        <translation>Misses</translation>
    </message>
    <message>
        <source>Odstřílené zápasy</source>
        <translation>Matches shot</translation>
    </message>
    <message>
        <source>Vystřelené šípy</source>
        <translation>Arrows shot</translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>Body za zápas</source>
        <translation>Points per match</translation>
    </message>
    <message>
        <source>Vybraný zápas: %1, %2</source>
        <translation>Selected match: %1, %2</translation>
    </message>
    <message>
        <source> (nedokončený)</source>
        <translation> (unfinished)</translation>
    </message>
    <message>
        <source>Chyba při ukládání souboru !</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source> Hra do něj nic nezapisuje a nechává ho, jak je.</source>
        <translation> The game writes nothing to it and leaves it as it is.</translation>
    </message>
    <message>
        <source>Soubor historie.db není databází historie této hry.</source>
        <translation>The file historie.db is not this game&apos;s history database.</translation>
    </message>
    <message>
        <source>Soubor historie.db je poškozený.</source>
        <translation>The file historie.db is damaged.</translation>
    </message>
    <message>
        <source>Soubor historie.db pochází z novější verze hry.</source>
        <translation>The file historie.db comes from a newer version of the game.</translation>
    </message>
    <message>
        <source>Soubor historie.db nelze přečíst.</source>
        <translation>The file historie.db cannot be read.</translation>
    </message>
    <message>
        <source>Zatím nebyl zaznamenán žádný zápas.</source>
        <translation>No match has been recorded yet.</translation>
    </message>
    <message>
        <source>Trénink</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Zápasy</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Trénink %1 m, %2 sad</source>
        <translation>Practice at %1 m, %2 ends</translation>
    </message>
    <message>
        <source>Souboje: vyhráno %1, prohráno %2, nejlepší umístění: %3.</source>
        <translation>Bouts: %1 won, %2 lost, best finish: %3.</translation>
    </message>
    <message>
        <source>Souboje: vyhráno %1, prohráno %2.</source>
        <translation>Bouts: %1 won, %2 lost.</translation>
    </message>
</context>
<context>
    <name>TargetFacePicture</name>
    <message>
        <source>Není vybrána žádná vzdálenost.</source>
        <translation>No distance is selected.</translation>
    </message>
    <message>
        <source>Pro %1 m hra nemá obrázek terče.</source>
        <translation>The game has no target picture for %1 m.</translation>
    </message>
    <message>
        <source>Obrázek terče nelze načíst: %1</source>
        <translation>The target picture cannot be loaded: %1</translation>
    </message>
</context>
<context>
    <name>WindDialog</name>
    <message>
        <source>Vítr</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Bezvětří</source>
        <translation>Calm</translation>
    </message>
    <message>
        <source>Slabý vítr</source>
        <translation>Light wind</translation>
    </message>
    <message>
        <source>Proměnlivý vítr</source>
        <translation>Variable wind</translation>
    </message>
    <message>
        <source>Silný vítr</source>
        <translation>Strong wind</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Slabý vítr fouká asi 0–2 m/s, proměnlivý asi 1–4 m/s v nárazech, silný asi 3–7 m/s v silných nárazech. Vlajka vedle terče ukazuje, kam vítr šíp zanese. Volba platí od příštího šípu; počítačoví střelci střílejí jako v bezvětří.</source>
        <translation>A light wind blows at about 0–2 m/s, a variable one at about 1–4 m/s in gusts, a strong one at about 3–7 m/s in strong gusts. The flag beside the target shows where the wind will carry the arrow. The choice holds from the next arrow on; the computer archers shoot as in calm.</translation>
    </message>
</context>
<context>
    <name>WindText</name>
    <message>
        <source>%1 m/s %2</source>
        <translation>%1 m/s %2</translation>
    </message>
</context>
<context>
    <name>WindowScaleMenu</name>
    <message>
        <source>&amp;Velikost okna</source>
        <translation>&amp;Window size</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 % (nevejde se)</source>
        <translation>%1 % (does not fit)</translation>
    </message>
    <message>
        <source>&amp;Celá obrazovka</source>
        <translation>&amp;Full screen</translation>
    </message>
</context>
</TS>
