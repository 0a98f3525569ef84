<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>AboutBox</name>
    <message>
        <source>O hře...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programování</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafika</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArcherEditor</name>
    <message>
        <source>Údaje o lukostřelci...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Příjmení, jméno :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klub :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výkonnost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zadejte příjmení a jméno lukostřelce !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArcherListDialog</name>
    <message>
        <source>Otevřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lukostřelci (*.luk);;Všechny soubory (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lukostřelci...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přidat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odebrat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vymazat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Počítač</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Člověk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Načíst...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba při načítání ze souboru !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba při ukládání souboru !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArrowListModel</name>
    <message>
        <source>Zápas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Šíp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DifficultyDialog</name>
    <message>
        <source>Obtížnost...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obtížnost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Začátečník</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amatér</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profesionál</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Světová třída</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>Do herní složky „%1“ nelze přejít.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herní složku „%1“ nelze vytvořit: v cestě je soubor, nebo chybí oprávnění.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do herní složky „%1“ nelze zapisovat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor „%1“ nelze zkopírovat do herní složky „%2“.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Historie zápasů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historii zápasů nelze ukládat (složka hry je jen pro čtení, nebo je plný disk). Hra pokračuje bez ní.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>střed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vlevo nahoře</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nahoře</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vpravo nahoře</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vpravo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vpravo dole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vlevo dole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vlevo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VEXA Kr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>muži</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ženy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam dráhy zaměřovače je poškozený (končí uprostřed hodnoty).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam dráhy zaměřovače je prázdný.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam dráhy zaměřovače je zkrácený (%1 z %2 kroků).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam natažení luku je poškozený (končí uprostřed hodnoty).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: záznam natažení luku je zkrácený (%1 z %2 kroků).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: zásah leží daleko mimo obrázek terče.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výstřel nelze přehrát: dráha zaměřovače vede daleko mimo obrázek terče.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upozornění.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toto bude demo bez lidí. Na další sadu stiskněte &apos;d&apos; !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databáze střelců je zaplněná !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poř. Příjmení, jméno                90   70   50   30   H.   10   9    Celkem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poř. Příjmení, jméno                70   60   50   30   H.   10   9    Celkem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ceklový výsledek (VEXA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rekordy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ženy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máte nejvyšší výsledek na %1 metrů !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máte nejvyšší výsledek !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubor nastaveni.ini nelze přečíst. Hra použije výchozí nastavení a soubor nezmění.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soutěž %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>round, division</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HitAnalysisPage</name>
    <message>
        <source>&amp;Lukostřelec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zápas:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vzdálenost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sada:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Všechny zápasy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>posledních:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>všech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barvy podle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápasů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>celá vzdálenost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. sada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro tento výběr nejsou zaznamenány žádné šípy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Šípů:&lt;/b&gt; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 daleko mimo terč, zakresleno na okraji)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Střed skupiny:&lt;/b&gt; %1 kruhu od středu terče, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Rozptyl:&lt;/b&gt; %1 kruhu (%2 px)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mimo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kruh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podíl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zásah: %1
%2. sada, %3. šíp
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
záznam leží daleko mimo terč, zakreslen na okraji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d. M. yyyy H:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zápas %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (nedokončený)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HitPlotView</name>
    <message>
        <source>střed skupiny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rozptyl</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Čeština</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>VEXA 99 1.2 beta - toto je pracovní verze z 30.6 1999 ! 
 Ve hře se mohou objevovat malé nedostatky ! 
 Připomínky a návrhy posílejte prosím na adresu: pripominky@vexa99.cz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vítejte !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nová hra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistika...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Obtížnost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zaměřovač</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jazyk / Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Podle systému / System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;O hře...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Výsledky...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rekordy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba při ukládání souboru !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uložit jako</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prostý text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gratulace !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoundTypeDialog</name>
    <message>
        <source>Typ závodů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VEXA Kr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VEXA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muži</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ženy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShotReplayView</name>
    <message>
        <source>Pozastavit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pokračovat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀ Krok zpět</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krok ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Přehrát znovu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poloviční rychlost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyberte šíp v seznamu nebo na terči.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krok %1 z %2 (%3 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; natažení luku nebylo zaznamenáno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>klapka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zásah: %1
Natažení: %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SightChooser</name>
    <message>
        <source>Zaměřovač...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procházet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ikony (*.ico)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistika...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Všechny soutěže</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lukostřelec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soutěž:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rekord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Údaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hodnota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Osobní rekordy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Průměry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vývoj výsledků</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozbor zásahů</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>★ z posledního zápasu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, celkem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sada na %1 m (%2. sada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Průměr šípu na %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desítky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devítky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mimo terč</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odstřílené zápasy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vystřelené šípy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body za zápas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vybraný zápas: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (nedokončený)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba při ukládání souboru !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soubory CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
