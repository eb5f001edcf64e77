<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, dubbel 50, in het midden</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, binnenste ring</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, enkel %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, dubbel %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, driedubbel %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, vierdubbel %2</translation>
    </message>
</context>
<context>
    <name>CheatChart</name>
    <message>
        <source>Sumdart Cheat Chart</source>
        <translation>Sumdart-spiekbriefje</translation>
    </message>
    <message>
        <source>Scroll the chart</source>
        <translation>Door het spiekbriefje scrollen</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tafelkaart</translation>
    </message>
    <message>
        <source>%1 × %2 = %3</source>
        <translation>%1 × %2 = %3</translation>
    </message>
</context>
<context>
    <name>Dice</name>
    <message>
        <source>Die %1: not thrown</source>
        <translation>Dobbelsteen %1: nog niet gegooid</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dobbelsteen %1: %2</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <translation>Dobbelsteen %1: rolt nog</translation>
    </message>
    <message>
        <source>Dice: %1, %2, %3, %4.</source>
        <translation>Dobbelstenen: %1, %2, %3, %4.</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 staat niet op het bord.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2, %n second(s) left</source>
        <translation>
            <numerusform>%1 %2, nog %n seconde</numerusform>
            <numerusform>%1 %2, nog %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, de tijd is op</translation>
    </message>
    <message>
        <source>%1: %2, out of time</source>
        <translation>%1: %2, de tijd is op</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n second(s) left</source>
        <translation>
            <numerusform>%1: nog %n seconde</numerusform>
            <numerusform>%1: nog %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Blauw is aan zet</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Het logo van Sumdart</translation>
    </message>
    <message>
        <source>Target Score</source>
        <translation>Puntenstand</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>De computer speelt als Rood.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Seconden over</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Gooien</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Spiekbriefje</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Deze zet is niet geldig. Je bent je beurt kwijt.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>Denk eraan: je moet eindigen met een dubbel!</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 1 - Easy</source>
        <translation>De computer speelt als Rood, op niveau&#xa0;1 (makkelijk).</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 2 - Medium</source>
        <translation>De computer speelt als Rood, op niveau&#xa0;2 (gemiddeld).</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 3 - Hard</source>
        <translation>De computer speelt als Rood, op niveau&#xa0;3 (moeilijk).</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Sumdart-spel</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>De afbeelding ‘%1’ kon niet worden geladen. Gezocht in de mappen: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>De computer koos %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) scored</source>
        <translation>
            <numerusform>%n punt eraf</numerusform>
            <numerusform>%n punten eraf</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Overgegooid: de punten blijven gelijk.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>AFGELOPEN!!!</translation>
    </message>
    <message>
        <source>OUT OF TIME!</source>
        <translation>DE TIJD IS OP!</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>De tijd van %1 is op.</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>BLAUW WINT!</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>ROOD WINT!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>GROEN WINT!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>GEEL WINT!</translation>
    </message>
    <message>
        <source>IT&apos;S A DRAW!</source>
        <translation>GELIJKSPEL!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Rood is aan zet</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Groen is aan zet</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Geel is aan zet</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart: rekendarts voor in de klas.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Tekent elk venster Z keer zo groot, van 0,5 tot 4 (typ een punt, bijvoorbeeld --zoom 1.5), of zo groot als het scherm toelaat met ‘fit’ (voor het digibord of een beamer). Alleen voor deze keer; met Ctrl+Plus, Ctrl+Min en Ctrl+0 verander je de zoom, en die wordt onthouden.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart: er is geen vertaling voor ‘%1’; wel voor: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart: --zoom verwacht een factor van 0,5 tot 4 (typ bijvoorbeeld --zoom 1.5) of fit</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (%1; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Toont het spel in de taal CODE (%1; en voor Engels), alleen voor deze keer, in plaats van in de taal van het bureaublad.</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source> Set Level for the computer</source>
        <translation> Kies het niveau van de computer</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Het logo van Sumdart</translation>
    </message>
    <message>
        <source>Level 1 - Easy</source>
        <translation>1 - Makkelijk</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>2 - Gemiddeld</translation>
    </message>
    <message>
        <source>Level 3 - Hard</source>
        <translation>3 - Moeilijk</translation>
    </message>
    <message>
        <source>Play solo</source>
        <translation>Alleen spelen</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Tegen de computer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Sumdart: play solo or against the computer</source>
        <translation>Sumdart: alleen spelen of tegen de computer</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>Speel je mee?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>beurtvolgorde</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>1 tot 4 spelers</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>dubbels</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <source>quadruples</source>
        <translation>vierdubbel</translation>
    </message>
    <message>
        <source>4 × the sector&apos;s number</source>
        <translation>4 × het getal van het vak</translation>
    </message>
    <message>
        <source>trebles</source>
        <translation>driedubbel</translation>
    </message>
    <message>
        <source>3 × the sector&apos;s number</source>
        <translation>3 × het getal van het vak</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>dubbel</translation>
    </message>
    <message>
        <source>2 × the sector&apos;s number</source>
        <translation>2 × het getal van het vak</translation>
    </message>
    <message>
        <source>singles</source>
        <translation>enkel</translation>
    </message>
    <message>
        <source>the sector&apos;s number</source>
        <translation>het getal van het vak</translation>
    </message>
    <message>
        <source>four 50s</source>
        <translation>4 vakken van 50</translation>
    </message>
    <message>
        <source>not doubles</source>
        <translation>geen dubbels</translation>
    </message>
    <message>
        <source>the centre: 100</source>
        <translation>het midden: 100</translation>
    </message>
    <message>
        <source>a double too</source>
        <translation>ook een dubbel</translation>
    </message>
    <message>
        <source>Sumdart Rules</source>
        <translation>Spelregels van Sumdart</translation>
    </message>
    <message>
        <source>The rules of Sumdart, a worked example and tips for the classroom</source>
        <translation>De spelregels van Sumdart, een uitgewerkt voorbeeld en tips voor in de klas</translation>
    </message>
    <message>
        <source>Sumdart rules – page %1</source>
        <translation>Spelregels van Sumdart – pagina %1</translation>
    </message>
    <message>
        <source>The rules of the game, a worked example and tips for the classroom</source>
        <translation>De spelregels, een uitgewerkt voorbeeld en tips voor in de klas</translation>
    </message>
    <message>
        <source>Sumdart is an arithmetic game for one to four players, played on a board that looks like a dartboard. Instead of throwing darts, the players throw four dice and use the numbers on them to make the score they want.</source>
        <translation>Sumdart is een rekenspel voor één tot vier spelers. Je speelt het op een bord dat op een dartbord lijkt. In plaats van met pijltjes te gooien, gooien de spelers vier dobbelstenen en maken ze met de getallen die ze gooien het getal dat ze willen scoren.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>Het doel van het spel</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Iedere speler begint met 501 punten. Wat een speler scoort, gaat van zijn punten af. De winnaar is de speler die als eerste precies op nul punten komt. Net als bij darts moet het laatste getal een dubbel zijn.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Het bord</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>Het bord is verdeeld in twintig vakken, in dezelfde volgorde als op een dartbord, met de klok mee vanaf boven: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Van het midden naar buiten zie je op het bord:</translation>
    </message>
    <message>
        <source>the centre: 100;</source>
        <translation>het midden: 100;</translation>
    </message>
    <message>
        <source>the inner ring: four 50s;</source>
        <translation>de binnenste ring: vier vakken van 50;</translation>
    </message>
    <message>
        <source>the singles, the first ring of twenty numbers: each sector&apos;s number;</source>
        <translation>de eerste ring van twintig getallen (enkel): het getal van het vak;</translation>
    </message>
    <message>
        <source>the doubles, the second ring of twenty numbers: twice the sector&apos;s number;</source>
        <translation>de tweede ring van twintig getallen (dubbel): twee keer het getal van het vak;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>de derde ring (driedubbel): drie keer het getal van het vak;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>de buitenste ring (vierdubbel): vier keer het getal van het vak.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>Anders dan een dartbord heeft het Sumdart-bord vierdubbels. Je kunt alleen klikken op getallen die op het bord staan: 23 en 25 bijvoorbeeld staan er niet op.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>Het Sumdart-bord. De dubbels, geel omcirkeld, zijn de tweede ring en de 100 in het midden.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>De dubbels zijn de twintig getallen van de tweede ring (de even getallen van 2 tot en met 40) en de 100 in het midden. Geen enkel ander getal is een dubbel: de 50 in de binnenste ring is geen dubbel, en de 40 in de vierdubbelring (vier keer 10) ook niet.</translation>
    </message>
    <message>
        <source>Taking a turn</source>
        <translation>Zo speel je een beurt</translation>
    </message>
    <message>
        <source>Click Throw Dice. Four dice are thrown.</source>
        <translation>Klik op ‘Gooien’. Er worden vier dobbelstenen gegooid.</translation>
    </message>
    <message>
        <source>Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may add (+), subtract (−), multiply (×) and divide (÷), in any order, with brackets. If a calculation gives a number that is not whole, it is rounded to the nearest whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14.</source>
        <translation>Gebruik alle vier de getallen, elk precies één keer, om een heel getal van 1 tot en met 100 te maken. Je mag optellen (+), aftrekken (−), vermenigvuldigen (×) en delen (÷), in elke volgorde en met haakjes. Komt er geen heel getal uit, dan rond je af op het dichtstbijzijnde hele getal. Bij precies een half kies je het even getal ernaast: 8,5 telt dus als 8 en 13,5 als 14.</translation>
    </message>
    <message>
        <source>Click that number on the board.</source>
        <translation>Klik op dat getal op het bord.</translation>
    </message>
    <message>
        <source>For example, if the dice show 6, 4, 3 and 1:</source>
        <translation>Gooi je bijvoorbeeld 6, 4, 3 en 1, dan kun je dit maken:</translation>
    </message>
    <message>
        <source>The same throw can make many other numbers, for example:</source>
        <translation>Met dezelfde worp kun je nog veel meer getallen maken, bijvoorbeeld:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>Je kunt er ook 96 mee maken, met (6 × 4) × (3 + 1), maar op 96 kun je niet klikken: dat getal staat niet op het bord.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Je mag geen cijfers naast elkaar zetten om een groter getal te maken: met 6, 4, 3 en 1 mag je van de 6 en de 4 geen 64 of 46 maken.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>Je mag potlood en papier gebruiken bij het rekenen, maar geen rekenmachine.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punten scoren</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Kun je het getal waarop je klikt met de vier dobbelstenen maken, dan gaat het van je punten af.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Kun je het getal waarop je klikt niet met de dobbelstenen maken, dan is de zet ongeldig: je scoort niets en je bent je beurt kwijt.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>In beide gevallen is daarna de volgende speler aan zet.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Eindigen met een dubbel</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>Je punten moeten precies op nul uitkomen, en het getal waarmee je op nul komt, moet een dubbel zijn. Een getal dat zich niet aan deze regel houdt, telt als overgegooid: je scoort niets en je punten blijven zoals ze waren. Een getal telt als overgegooid als het:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>je punten onder nul zou brengen (te veel);</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>1 zou overlaten: daarmee kun je nooit eindigen, want de kleinste dubbel is 2;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>je punten op nul zou brengen zonder dat het een dubbel is.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Heb je bijvoorbeeld nog 40 punten, dan win je door op de 40 in de dubbelring (dubbel 20) te klikken, maar de 40 in de vierdubbelring telt als overgegooid. Heb je nog 100 punten, dan win je met de 100 in het midden.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Spelers en beurten</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>Sumdart speel je met één tot vier spelers, die in deze volgorde aan zet zijn: Blauw, Rood, Groen, Geel. Iedere speler kiest vóór het spel een kleur. Speel je meer spellen achter elkaar, wissel dan tussen de spellen van kleur.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Is er maar één speler, dan kan die alleen spelen of tegen de computer. De computer speelt altijd als Rood, de tweede speler, op niveau 1, 2 of 3. Op niveau 1 kiest hij zomaar een getal dat hij met zijn dobbelstenen kan maken en neemt hij de tijd; op niveau 3 neemt hij altijd het grootste getal dat hij kan maken en speelt hij het snelst; niveau 2 zit daartussenin.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Spelen tegen de klok</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Zet je bij het instellen van het spel een vinkje bij ‘Klok aan’, dan heeft iedere speler een klok. Elke klok begint met 300 seconden, tenzij je in het vak ‘Tijd per speler’ een andere tijd invult. De klok van een speler loopt alleen tijdens zijn eigen beurt. Is de tijd van een speler op, dan is hij de rest van het spel niet meer aan zet. Is de tijd van alle spelers op, dan is het spel afgelopen en wint de speler met de minste punten; staan twee spelers gelijk met de minste punten, dan is het gelijkspel.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Kortere spellen</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Wil je korter spelen, typ dan vóór het begin een kleiner aantal punten in het vak ‘Punten’: 401, 301, 201 of 101 zijn goede keuzes.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>Hulp tijdens het spel</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>Met de knop ‘Spiekbriefje’ open je een tafelkaart. Het getal in elk vakje is het getal aan het begin van de rij keer het getal boven aan de kolom.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>Met ‘Stop’ verlaat je een spel dat nog bezig is, en het spel wordt bewaard. Met ‘Verder met vorig spel’ op het beginscherm ga je verder waar je gebleven was. ‘Nieuw spel’ begint weer helemaal bij het begin.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Een hele beurt, stap voor stap</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>Het spel begint net, dus Blauw heeft 501 punten. Blauw klikt op ‘Gooien’ en gooit 5, 4, 3 en 2:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>Blauw zoekt getallen waarin alle vier de dobbelstenen precies één keer gebruikt worden. Hier zijn er een paar, met de berekening:</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Berekening</translation>
    </message>
    <message>
        <source>Can Blue click it?</source>
        <translation>Mag Blauw erop klikken?</translation>
    </message>
    <message>
        <source>Yes, but it is a small score.</source>
        <translation>Ja, maar dat levert weinig punten op.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Ja, als 8: bij precies een half kies je het even getal ernaast.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Ja, als 14, het even getal naast 13,5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Ja: 52 staat in de vierdubbelring (vier keer 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Ja: 64 staat in de vierdubbelring (vier keer 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>Nee: de dobbelstenen maken 84, maar 84 staat niet op het bord.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>Nee: alleen de getallen van 1 tot en met 100 tellen.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>Nee: de 2 is niet gebruikt, en met alle vier de dobbelstenen kun je geen 60 maken. Op 60 klikken zou een ongeldige zet zijn.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Ja: het midden van het bord, het grootste getal dat er is.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Welk getal kies je, en waarom?</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Ben je nog ver van nul, dan kun je het best het grootste getal nemen dat de dobbelstenen kunnen maken, want dan gaan je punten het snelst omlaag. Blauw klikt op de 100 in het midden. De dobbelstenen kunnen dat getal maken, dus het gaat van de punten van Blauw af:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Blauw heeft nu nog 401 punten, en Rood is aan zet. Tegen het eind van een spel is het grootste getal niet altijd het beste: kies dan een getal dat een dubbel overlaat, dus een even getal van 2 tot en met 40, of 100. Heb je een oneven aantal punten, scoor dan eerst een oneven getal.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>Eindigen: met een dubbel, of overgegooid</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Later in het spel heeft Geel nog 32 punten en gooit 4, 4, 2 en 1. Omdat 32 het dubbele van 16 is, kan Geel met deze worp winnen:</translation>
    </message>
    <message>
        <source>Yellow makes and clicks</source>
        <translation>Geel maakt en klikt op</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Wat er gebeurt</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the doubles ring (double 16)</source>
        <translation>4 × 4 × 2 × 1 = 32, de 32 in de dubbelring (dubbel 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, geëindigd met een dubbel: Geel wint!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, de 32 in de vierdubbelring (vier keer 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Overgegooid: Geel komt op nul, maar niet met een dubbel. Geel scoort niets en houdt 32 punten.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Overgegooid: 48 is meer dan 32 (te veel). Geel houdt 32 punten.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Dat mag: er blijft 32 − 24 = 8 over, het dubbele van 4, klaar voor de volgende beurt.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>Dezelfde 32, als Geel nog 33 punten had gehad</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Overgegooid: er zou 1 overblijven, en daarmee kun je met geen enkele dubbel eindigen.</translation>
    </message>
    <message>
        <source>Tips for the classroom</source>
        <translation>Tips voor in de klas</translation>
    </message>
    <message>
        <source>Pairs and teams.</source>
        <translation>Tweetallen en groepjes.</translation>
    </message>
    <message>
        <source>Up to four pairs or small teams can play, one colour each. The mouse passes round the team every turn; the team agrees on a number and says the working aloud before clicking. Blue always goes first, so change colours between games.</source>
        <translation>Er kunnen tot vier tweetallen of kleine groepjes meespelen, elk met een eigen kleur. De muis gaat elke beurt naar een ander groepslid; het groepje spreekt samen een getal af en zegt de berekening hardop voordat er geklikt wordt. Blauw begint altijd, dus wissel tussen de spellen van kleur.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Met minder punten beginnen voor jongere leerlingen.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Een spel vanaf 501 duurt een tijdje. Typ voor jongere leerlingen of een korte les 101 of 201 in het vak ‘Punten’; 301 is een mooie opwarmer aan het begin van de les. Het eind van het spel, en daarmee het rekenen met dubbels, komt dan eerder in zicht.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>De klokken gebruiken.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>Zet nog geen vinkje bij ‘Klok aan’ zolang de leerlingen het spel leren, en zet het vinkje zodra ze het goed kunnen: 300 seconden per speler is rustig, en met minder tijd in ‘Tijd per speler’ wordt het een vlot spel. Een klok loopt alleen tijdens de beurt van zijn eigen speler, en met een verkeerd getal ben je je beurt kwijt. Zo belonen de klokken snel en zorgvuldig rekenen, en niet gokken.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>Het spiekbriefje.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Laat beginners het spiekbriefje vrij gebruiken om een keersom te controleren. Kennen de leerlingen hun tafels beter, daag ze dan uit om een spel te spelen zonder het te openen.</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Tegen de computer spelen.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Een leerling kan in zijn eentje spelen tegen de computer, die als Rood speelt. Niveau 1 is een rustige tegenstander voor een beginner; op niveau 3 neemt de computer altijd het grootste getal dat hij kan maken en speelt hij snel. Handig voor leerlingen die vroeg klaar zijn, en om te oefenen op een vrije computer.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Potlood en papier.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Geef elke speler of elk groepje papier en een potlood (maar geen rekenmachine). Laat ze elke worp opschrijven, met de berekening van het gekozen getal en hun nieuwe aantal punten. Ruil aan het eind de blaadjes en controleer elkaars berekeningen.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>Hoofdrekenen oefenen</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Elke beurt is een kleine hoofdrekensom. Zo haal je er het meeste uit:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>Hoeveel getallen?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Gooi één keer en geef de klas twee minuten om zo veel mogelijk verschillende getallen op te schrijven, elk met de berekening erbij. Elk getal dat op het bord staat, is een punt waard.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Raak het getal.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Kies een getal op het bord, bijvoorbeeld 36, en vraag wie het met de worp kan maken. Wie kan het grootste getal van het bord maken? Wie kan 1 maken?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Haakjes maken verschil.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Vraag om de berekening met haakjes, en vergelijk: (6 + 4) × (3 + 1) = 40, maar 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Eerst zeggen.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Voordat de speler klikt, zegt hij het nieuwe aantal punten hardop, bijvoorbeeld 401 − 64 = 337, en de klas controleert dat met de punten die het spel laat zien.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Verdubbelen en halveren.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>Vraag aan het eind welke dubbel er nodig is (32 is het dubbele van 16) en welke getallen een dubbel overlaten voor de volgende beurt.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Onthoud:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>gebruik alle vier de dobbelstenen, elk één keer; het getal moet op het bord staan; en het laatste getal moet een dubbel zijn.</translation>
    </message>
    <message>
        <source>Good luck, and good sums!</source>
        <translation>Veel succes en veel rekenplezier!</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>Page 1 of 3</source>
        <translation>Pagina 1 van 3</translation>
    </message>
    <message>
        <source>Summary of the rules</source>
        <translation>De regels in het kort</translation>
    </message>
    <message>
        <source>The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.</source>
        <translation>Het speelbord lijkt op een dartbord. Het bord is verdeeld in twintig vakken, in dezelfde volgorde als op een dartbord. Het Sumdart-bord heeft dubbels en driedubbels, maar anders dan een dartbord heeft het ook vierdubbels.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Iedere speler begint met 501 punten.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>De spelers gooien om de beurt vier dobbelstenen en maken met de getallen een heel getal van 1 tot en met 100. Bijvoorbeeld: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Heb je met je worp een getal gemaakt, klik dan op dat getal op het Sumdart-bord. Het getal gaat dan van je punten af. Het doel van het spel is om op nul punten te komen. Net als bij gewoon darts moet je eindigen met een dubbel.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Wie als eerste op nul punten komt door op een dubbel te klikken, heeft gewonnen.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Voor je gaat spelen</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Voordat het spel begint, kunnen de spelers het spel instellen.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Je kunt Sumdart tegen de klok spelen. Zet dan een vinkje bij ‘Klok aan’. Iedere speler heeft dan in totaal 300 seconden voor al zijn beurten samen. In het vak ‘Tijd per speler’ kun je dat veranderen.</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>Sumdart speel je met één tot vier spelers. Klik om te beginnen op de knop met het aantal spelers. De spelers zijn in deze volgorde aan zet: Blauw, Rood, Groen, Geel. Iedere speler kiest vóór het spel een kleur. Speel je meer spellen achter elkaar, wissel dan elk spel van kleur.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Is er maar één speler, klik dan op de knop ‘1’. Je kunt dan alleen spelen of tegen de computer. De computer speelt altijd als tweede speler: Rood. Je kiest zelf op welk niveau de computer speelt.</translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Pagina 2 van 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Een getal maken</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Klik op de knop ‘Gooien’. Je krijgt dan vier getallen, net als bij een worp met vier dobbelstenen. Maak met alle vier de getallen, elk één keer, een heel getal van 1 tot en met 100. Je mag de getallen optellen, aftrekken, vermenigvuldigen en delen, in elke combinatie.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Klik op de knop rechts om het gooien uit te proberen.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Let op: je mag geen getal maken door twee cijfers naast elkaar te zetten. Gooi je bijvoorbeeld 6,&#xa0;4,&#xa0;3 en&#xa0;1, dan mag je van de 6 en de 4 geen 64 of 46 maken.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Je mag potlood en papier gebruiken bij het rekenen, maar geen rekenmachine.</translation>
    </message>
    <message>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Een paar voorbeelden van getallen die je met één worp kunt maken:</translation>
    </message>
    <message>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Spiekbriefje</translation>
    </message>
    <message>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Hulp bij het rekenen krijg je met de knop hieronder: die opent het spiekbriefje. Het spiekbriefje is een tafelkaart. Het getal in elk vakje krijg je door het getal aan het begin van de rij te vermenigvuldigen met het getal boven aan de kolom.</translation>
    </message>
    <message>
        <source>Page 3 of 3</source>
        <translation>Pagina 3 van 3</translation>
    </message>
    <message>
        <source>Selecting the number on the board</source>
        <translation>Het getal op het bord kiezen</translation>
    </message>
    <message>
        <source>Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. </source>
        <translation>Heb je een getal gemaakt, klik dan op dat getal op het bord. Heb je goed gerekend, dan scoor je dat getal en gaat het van je punten af.</translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Heb je een fout gemaakt en een getal gekozen dat je niet met de worp kunt maken, dan scoor je niets en is de volgende speler aan zet.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>Het einde</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Net als bij darts beginnen de spelers met 501 punten. Het spel is afgelopen als een speler op nul punten is gekomen. Maar net als bij darts moet je eindigen door op een dubbel te klikken, en met dat getal moet je precies op nul uitkomen. (De dubbels zijn de getallen in de tweede ring van twintig getallen, vanaf het midden van het bord naar buiten geteld.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Spelen tegen de klok</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Zet je vóór het spel een vinkje bij ‘Klok aan’, dan krijgt iedere speler een klok die aftelt zolang hij aan zet is. Normaal heeft elke speler in totaal 300 seconden, maar dat kun je vóór elk spel veranderen. Is de tijd van een speler op, dan is hij de rest van het spel niet meer aan zet. Is de tijd van alle spelers op, dan is het spel afgelopen en wint de speler met de minste punten.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Kortere spellen</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Wil je korter spelen, typ dan vóór het begin een ander aantal punten in het vak ‘Punten’. Goede keuzes zijn 401, 301, 201 of 101.</translation>
    </message>
    <message>
        <source>The Rules of Sumdart</source>
        <translation>De spelregels van Sumdart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Volgende</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Vorige</translation>
    </message>
    <message>
        <source>Ready to play: one to four players take turns, with dice and a clock</source>
        <translation>Klaar om te spelen: één tot vier spelers om de beurt, met dobbelstenen en een klok</translation>
    </message>
    <message>
        <source>The board, with its ring of doubles</source>
        <translation>Het bord, met de ring van dubbels</translation>
    </message>
    <message>
        <source>Sumdart rules, page %1 of 3</source>
        <translation>Spelregels van Sumdart, pagina %1 van 3</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Gooien</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Spelregels openen om te printen</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Het logo van Sumdart</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Timers On</source>
        <translation>Klok aan</translation>
    </message>
    <message>
        <source>Set Total Time Allowed</source>
        <translation>Tijd per speler</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Desktop weg</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Kies het aantal spelers</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart: een spel instellen</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n speler</numerusform>
            <numerusform>%n spelers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>gebruik: sumdart-solve DOBBELSTEEN DOBBELSTEEN DOBBELSTEEN DOBBELSTEEN   (vier hele getallen van 1 tot en met 6)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>‘%1’ is geen heel getal</translation>
    </message>
    <message>
        <source>%1 is outside 1 to 6</source>
        <translation>%1 is geen getal van 1 tot en met 6</translation>
    </message>
    <message>
        <source>usage: sumdart-solve %1</source>
        <translation>gebruik: sumdart-solve %1</translation>
    </message>
    <message>
        <source>the number of throws must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>het aantal worpen moet een heel getal van 1 tot en met %1 zijn, niet ‘%2’</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>na %1 moet een heel getal komen</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>het startgetal moet een heel getal van 0 tot en met %1 zijn, niet ‘%2’</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>na %1 moet een bestandsnaam komen</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>interne fout: geen antwoorden gevonden voor %1 %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s)</source>
        <translation>
            <numerusform>%n worp</numerusform>
            <numerusform>%n worpen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagina’s</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>%1 gemaakt: %2 op %3, daarna de antwoorden op %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>er is geen vertaling voor ‘%1’; wel voor: %2</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(geen berekening gevonden)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>interne fout: geen berekening gevonden voor %1</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) can be made from %1.</source>
        <translation>
            <numerusform>Met %1 kun je %n getal maken.</numerusform>
            <numerusform>Met %1 kun je %n getallen maken.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 hoort bij --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>vier dobbelstenen verwacht, maar %1 gekregen</translation>
    </message>
    <message>
        <source>%1
       sumdart-solve %2

Lists every whole number from 1 to 100 that the four dice can make, using
each die once with +, -, × and ÷ and any brackets, with one way to make it:
  40 = (6 + 3 + 1) × 4            made exactly
  62 ≈ 5 × 5 × 5 ÷ 2 = 62.5       made by rounding to the nearest whole
                                  number (an exact half goes to the even one)
A value that is not a short decimal is shown as a fraction with its value
to two places, e.g. 50/3 (16.67). The last line counts the numbers.

With --worksheet, writes a PDF to print for a class instead: N throws drawn
as the game draws them, each shown as four dice with lines to write the
highest number and a double on, then an answer key on a new page giving for
each throw how many of the numbers 1 to 100 it makes, the highest, and every
double of the board (2 to 40) it makes, each with one way to make it.
  --worksheet [N]     N throws, from 1 to %3 (default %4)
  --seed S            draw the throws from S, a whole number: the same seed
                      gives the same sheet; without it every sheet differs
  -o, --output FILE   the PDF to write (default: %5
                      in the current folder); an existing file is replaced
                      only once the new one is complete
  --letter            US Letter paper instead of A4
  --lang CODE         the language of the messages and the worksheet
                      (de, es, fr, it, nl, pl, pt_BR; en for English)
                      instead of the desktop&apos;s
Example: sumdart-solve --worksheet 12 --seed 2024 -o monday.pdf

  -h, --help   show this help
  --version    show the version
</source>
        <translation>%1
       sumdart-solve %2

Geeft elk heel getal van 1 tot en met 100 dat je met de vier dobbelstenen kunt
maken, met elke dobbelsteen één keer, met +, -, × en ÷ en haakjes, telkens met
één manier om het te maken:
  40 = (6 + 3 + 1) × 4            precies gemaakt
  62 ≈ 5 × 5 × 5 ÷ 2 = 62,5       gemaakt door af te ronden op het
                                  dichtstbijzijnde hele getal (bij precies
                                  een half kies je het even getal)
Een waarde die geen kort kommagetal is, staat er als breuk, met de waarde op
twee decimalen, bijvoorbeeld 50/3 (16,67). De laatste regel telt de getallen.

Met --worksheet komt er in plaats daarvan een pdf om voor een klas te printen:
N worpen, gegooid zoals het spel ze gooit, elk als vier dobbelstenen met
lijntjes om het hoogste getal en een dubbel op te schrijven. Daarna volgen op
een nieuwe pagina de antwoorden: per worp hoeveel van de getallen 1 tot en met
100 je ermee kunt maken, het hoogste, en elke dubbel van het bord (2 tot en met
40) die je ermee kunt maken, elk met één manier om het te maken.
  --worksheet [N]     N worpen, van 1 tot en met %3 (standaard %4)
  --seed S            maak de worpen met startgetal S, een heel getal: hetzelfde
                      startgetal geeft hetzelfde werkblad; zonder startgetal is
                      elk werkblad anders
  -o, --output FILE   het pdf-bestand (standaard: %5
                      in de huidige map); een bestaand bestand wordt pas
                      vervangen als het nieuwe helemaal klaar is
  --letter            papier in US Letter-formaat in plaats van A4
  --lang CODE         de taal van de meldingen en het werkblad
                      (de, es, fr, it, nl, pl, pt_BR; en voor Engels)
                      in plaats van de taal van het bureaublad
Voorbeeld: sumdart-solve --worksheet 12 --seed 2024 -o maandag.pdf

  -h, --help   toon deze hulp
  --version    toon de versie
</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>A dartboard of numbers</source>
        <translation>Een dartbord vol getallen</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Verder met vorig spel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Sumdart Worksheet</source>
        <translation>Sumdart-werkblad</translation>
    </message>
    <message>
        <source>Use all four dice, each once, with + − × ÷. Make the highest number you can, and make a double.</source>
        <translation>Gebruik alle vier de dobbelstenen, elk één keer, met + − × ÷. Maak het hoogste getal dat je kunt, en maak een dubbel.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Een dubbel is 2, 4, 6, … tot en met %1. Is je antwoord geen heel getal, dan telt het dichtstbijzijnde hele getal.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Per worp: hoeveel van de getallen 1 tot en met 100 je ermee kunt maken, het hoogste, en elke dubbel die je ermee kunt maken, elk met één manier om het te maken. ‘=’ precies gemaakt; ‘≈’ gemaakt door af te ronden op het dichtstbijzijnde hele getal (bij precies een half kies je het even getal).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>Hetzelfde werkblad nog een keer: %1</translation>
    </message>
    <message>
        <source>Sumdart · page %1 of %2</source>
        <translation>Sumdart · pagina %1 van %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Throw %1</source>
        <translation>Worp %1</translation>
    </message>
    <message>
        <source>Highest:</source>
        <translation>Hoogste:</translation>
    </message>
    <message>
        <source>Double:</source>
        <translation>Dubbel:</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Antwoorden (vervolg)</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Antwoorden</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s)</source>
        <translation>
            <numerusform>%n getal</numerusform>
            <numerusform>%n getallen</numerusform>
        </translation>
    </message>
    <message>
        <source>Doubles: none</source>
        <translation>Dubbels: geen</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>Dubbels:</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>kan ‘%1’ niet schrijven: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>Sumdart worksheet</source>
        <translation>Sumdart-werkblad</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>de pdf kon niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>de pdf kon niet worden getekend</translation>
    </message>
</context>
</TS>
