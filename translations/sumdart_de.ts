<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, Doppel 50, Mitte</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, innerer Ring</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, Einfach %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, Doppel %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, Dreifach %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, Vierfach %2</translation>
    </message>
</context>
<context>
    <name>CheatChart</name>
    <message>
        <source>Sumdart Cheat Chart</source>
        <translation>Sumdart-Spickzettel</translation>
    </message>
    <message>
        <source>Scroll the chart</source>
        <translation>Spickzettel scrollen</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Einmaleins-Tafel</translation>
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
        <translation>Würfel %1: nicht geworfen</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <translation>Würfel %1: rollt</translation>
    </message>
    <message>
        <source>Dice: %1, %2, %3, %4.</source>
        <translation>Würfel: %1, %2, %3, %4.</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, out of time</source>
        <translation>%1: %2, Zeit abgelaufen</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Sumdart-Spiel</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>Das Bild „%1“ konnte nicht geladen werden. Durchsuchte Ordner: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>Der Computer wählt: %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Überworfen: Die Restpunkte bleiben gleich.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>SPIEL VORBEI!!!</translation>
    </message>
    <message>
        <source>OUT OF TIME!</source>
        <translation>ZEIT IST UM!</translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Blau ist dran</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Spickzettel</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Das Sumdart-Logo</translation>
    </message>
    <message>
        <source>Target Score</source>
        <translation>Restpunkte</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>Der Computer spielt Rot.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Sekunden übrig</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Das war ein ungültiger Zug. Dein Zug ist vorbei.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>Denk dran: Die letzte Zahl muss ein Doppel sein!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Rot ist dran</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Grün ist dran</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Gelb ist dran</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>BLAU GEWINNT!</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>ROT GEWINNT!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>GRÜN GEWINNT!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>GELB GEWINNT!</translation>
    </message>
    <message>
        <source>IT&apos;S A DRAW!</source>
        <translation>UNENTSCHIEDEN!</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 gibt es auf dem Brett nicht.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, Zeit abgelaufen</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>%1 hat keine Zeit mehr.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2, %n second(s) left</source>
        <translation>
            <numerusform>%1 %2, noch %n Sekunde</numerusform>
            <numerusform>%1 %2, noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n second(s) left</source>
        <translation>
            <numerusform>%1: noch %n Sekunde</numerusform>
            <numerusform>%1: noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 1 - Easy</source>
        <translation>Der Computer spielt Rot auf der leichten Stufe 1.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 2 - Medium</source>
        <translation>Der Computer spielt Rot auf der mittleren Stufe 2.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 3 - Hard</source>
        <translation>Der Computer spielt Rot auf der schweren Stufe 3.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) scored</source>
        <translation>
            <numerusform>%n Punkt erzielt</numerusform>
            <numerusform>%n Punkte erzielt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart: Rechen-Darts für den Unterricht.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Zeichnet jedes Fenster Z-mal so groß (Z von 0,5 bis 4, mit Punkt geschrieben, z. B. --zoom 1.5) oder mit „fit“ so groß, wie es auf den Bildschirm passt (für einen Beamer). Gilt nur für diesen Start; Strg+Plus, Strg+Minus und Strg+0 ändern den Zoom, und diese Einstellung wird gespeichert.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart: Es gibt keine Übersetzung für „%1“; vorhanden sind: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart: --zoom erwartet einen Faktor von 0,5 bis 4 (mit Punkt geschrieben, z. B. 1.5) oder fit</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (%1; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Zeigt das Spiel bei diesem Start in der Sprache CODE (%1; en für Englisch) statt in der des Desktops.</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source> Set Level for the computer</source>
        <translation> Stufe des Computers</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Das Sumdart-Logo</translation>
    </message>
    <message>
        <source>Level 1 - Easy</source>
        <translation>1 – leicht</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>2 – mittel</translation>
    </message>
    <message>
        <source>Level 3 - Hard</source>
        <translation>3 – schwer</translation>
    </message>
    <message>
        <source>Play solo</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Sumdart: play solo or against the computer</source>
        <translation>Sumdart: allein oder gegen den Computer spielen</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>Alle bereit?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>1 bis 4 Spieler</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>Doppel</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <source>quadruples</source>
        <translation>Vierfachring</translation>
    </message>
    <message>
        <source>4 × the sector&apos;s number</source>
        <translation>4 × Zahl des Sektors</translation>
    </message>
    <message>
        <source>trebles</source>
        <translation>Dreifachring</translation>
    </message>
    <message>
        <source>3 × the sector&apos;s number</source>
        <translation>3 × Zahl des Sektors</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>Doppelring</translation>
    </message>
    <message>
        <source>2 × the sector&apos;s number</source>
        <translation>2 × Zahl des Sektors</translation>
    </message>
    <message>
        <source>singles</source>
        <translation>Einfachring</translation>
    </message>
    <message>
        <source>the sector&apos;s number</source>
        <translation>Zahl des Sektors</translation>
    </message>
    <message>
        <source>four 50s</source>
        <translation>vier 50er</translation>
    </message>
    <message>
        <source>not doubles</source>
        <translation>keine Doppel</translation>
    </message>
    <message>
        <source>the centre: 100</source>
        <translation>Mitte: 100</translation>
    </message>
    <message>
        <source>a double too</source>
        <translation>auch ein Doppel</translation>
    </message>
    <message>
        <source>Sumdart Rules</source>
        <translation>Sumdart-Regeln</translation>
    </message>
    <message>
        <source>The rules of Sumdart, a worked example and tips for the classroom</source>
        <translation>Die Regeln von Sumdart, ein Beispiel Schritt für Schritt und Tipps für den Unterricht</translation>
    </message>
    <message>
        <source>Sumdart rules – page %1</source>
        <translation>Sumdart-Regeln – Seite %1</translation>
    </message>
    <message>
        <source>The rules of the game, a worked example and tips for the classroom</source>
        <translation>Die Spielregeln, ein Beispiel Schritt für Schritt und Tipps für den Unterricht</translation>
    </message>
    <message>
        <source>Sumdart is an arithmetic game for one to four players, played on a board that looks like a dartboard. Instead of throwing darts, the players throw four dice and use the numbers on them to make the score they want.</source>
        <translation>Sumdart ist ein Rechenspiel für ein bis vier Spieler. Gespielt wird auf einem Brett, das wie eine Dartscheibe aussieht. Statt mit Pfeilen zu werfen, würfeln die Spieler mit vier Würfeln und rechnen aus den Augenzahlen die Zahl aus, die sie treffen wollen.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>Worum geht es?</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Jeder Spieler beginnt mit 501 Punkten. Jede Zahl, die er trifft, wird von seinen Punkten abgezogen. Es gewinnt, wer als Erster genau auf null kommt, und wie beim Darts muss die letzte Zahl ein Doppel sein.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Das Spielbrett</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>Das Brett ist in zwanzig Sektoren eingeteilt, in derselben Reihenfolge wie auf einer Dartscheibe, im Uhrzeigersinn von oben: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Von der Mitte nach außen findest du:</translation>
    </message>
    <message>
        <source>the centre: 100;</source>
        <translation>die Mitte: 100;</translation>
    </message>
    <message>
        <source>the inner ring: four 50s;</source>
        <translation>den inneren Ring: vier Felder mit 50;</translation>
    </message>
    <message>
        <source>the singles, the first ring of twenty numbers: each sector&apos;s number;</source>
        <translation>die Einfachfelder, den ersten Ring mit zwanzig Zahlen: jeweils die Zahl des Sektors;</translation>
    </message>
    <message>
        <source>the doubles, the second ring of twenty numbers: twice the sector&apos;s number;</source>
        <translation>die Doppelfelder, den zweiten Ring mit zwanzig Zahlen: zweimal die Zahl des Sektors;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>die Dreifachfelder, den dritten Ring: dreimal die Zahl des Sektors;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>die Vierfachfelder, den äußeren Ring: viermal die Zahl des Sektors.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>Anders als eine Dartscheibe hat das Sumdart-Brett Vierfachfelder. Anklicken kannst du nur die Zahlen auf dem Brett: 23 und 25 zum Beispiel gibt es dort nicht.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>Das Sumdart-Brett. Die Doppel, gelb umrandet, sind der zweite Ring und die 100 in der Mitte.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>Die Doppel sind die zwanzig Zahlen des zweiten Rings (die geraden Zahlen von 2 bis 40) und die 100 in der Mitte. Keine andere Zahl ist ein Doppel: Die 50er im inneren Ring sind keine Doppel, und auch die 40 im Vierfachring (viermal 10) ist kein Doppel.</translation>
    </message>
    <message>
        <source>Taking a turn</source>
        <translation>Dein Zug</translation>
    </message>
    <message>
        <source>Click Throw Dice. Four dice are thrown.</source>
        <translation>Klicke auf „Würfeln“. Vier Würfel werden geworfen.</translation>
    </message>
    <message>
        <source>Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may add (+), subtract (−), multiply (×) and divide (÷), in any order, with brackets. If a calculation gives a number that is not whole, it is rounded to the nearest whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14.</source>
        <translation>Nimm alle vier Zahlen, jede genau einmal, und bilde daraus eine ganze Zahl von 1 bis 100. Du darfst plus (+), minus (−), mal (×) und geteilt (÷) rechnen, in beliebiger Reihenfolge und mit Klammern. Kommt keine ganze Zahl heraus, wird auf die nächste ganze Zahl gerundet; eine genaue Hälfte wird zur geraden Nachbarzahl gerundet, also zählt 8,5 als 8 und 13,5 als 14.</translation>
    </message>
    <message>
        <source>Click that number on the board.</source>
        <translation>Klicke diese Zahl auf dem Brett an.</translation>
    </message>
    <message>
        <source>For example, if the dice show 6, 4, 3 and 1:</source>
        <translation>Zeigen die Würfel zum Beispiel 6, 4, 3 und 1, kannst du so rechnen:</translation>
    </message>
    <message>
        <source>The same throw can make many other numbers, for example:</source>
        <translation>Mit demselben Wurf kannst du noch viele andere Zahlen bilden, zum Beispiel:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>Auch 96 lässt sich bilden, nämlich mit (6 × 4) × (3 + 1). Aber 96 kannst du nicht anklicken, denn die Zahl ist nicht auf dem Brett.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Du darfst keine Ziffern nebeneinanderschreiben, um eine größere Zahl zu bilden: Mit 6, 4, 3 und 1 darfst du 6 und 4 nicht zu 64 oder 46 zusammensetzen.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>Papier und Bleistift helfen beim Rechnen, Taschenrechner sind aber nicht erlaubt.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punkte zählen</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Können die vier Würfel die angeklickte Zahl bilden, wird sie von den Punkten des Spielers abgezogen.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Können die Würfel die angeklickte Zahl nicht bilden, ist der Zug ungültig: Es wird nichts abgezogen, und der Zug des Spielers ist vorbei.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>In beiden Fällen ist danach der nächste Spieler dran.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Mit einem Doppel beenden</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>Deine Punkte müssen genau auf null kommen, und die Zahl, mit der du auf null kommst, muss ein Doppel sein. Wer gegen diese Regel verstößt, hat sich überworfen (wie beim Darts): Die Zahl zählt nicht, und die Punkte bleiben, wie sie waren. Überworfen hast du dich, wenn die Zahl:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>deine Punkte unter null bringen würde (zu viel);</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>1 übrig ließe – damit kannst du nie fertig werden, denn das kleinste Doppel ist 2;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>deine Punkte auf null bringen würde, ohne ein Doppel zu sein.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Hast du zum Beispiel noch 40 Punkte, gewinnst du mit einem Klick auf die 40 im Doppelring (Doppel 20); mit der 40 im Vierfachring dagegen hast du dich überworfen. Hast du noch 100 Punkte, gewinnst du mit der 100 in der Mitte.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Spieler und Reihenfolge</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>Sumdart spielen ein bis vier Spieler, und zwar in der Reihenfolge Blau, Rot, Grün, Gelb. Vor dem Spiel sucht sich jeder eine Farbe aus; spielt ihr mehrere Spiele hintereinander, tauscht zwischen den Spielen die Farben.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Ein einzelner Spieler kann allein oder gegen den Computer spielen. Der Computer spielt immer Rot, den zweiten Spieler, auf Stufe 1, 2 oder 3. Auf Stufe 1 nimmt er irgendeine Zahl, die seine Würfel bilden können, und lässt sich Zeit; auf Stufe 3 nimmt er immer die größte Zahl, die er bilden kann, und spielt am schnellsten; Stufe 2 liegt dazwischen.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Spielen gegen die Uhr</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Ist auf dem Einstellungsbildschirm „Uhren an“ angekreuzt, hat jeder Spieler eine Uhr. Jede Uhr hat 300 Sekunden, wenn im Feld „Zeit pro Spieler“ keine andere Zeit eingetragen ist. Die Uhr eines Spielers läuft nur, während er dran ist. Wessen Zeit abgelaufen ist, der ist für den Rest des Spiels nicht mehr dran. Ist die Zeit bei allen abgelaufen, endet das Spiel, und es gewinnt, wer die wenigsten Restpunkte hat; haben zwei gleich wenige, endet das Spiel unentschieden.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Kürzere Spiele</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Für ein kürzeres Spiel trag vor dem Start im Feld „Punkte“ eine kleinere Zahl ein: 401, 301, 201 oder 101 eignen sich gut.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>Hilfe während des Spiels</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>Der Knopf „Spickzettel“ öffnet eine Einmaleins-Tafel. Die Zahl in jedem Kästchen ist die Zahl am Anfang der Zeile mal die Zahl oben in der Spalte.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>„Ende“ verlässt ein laufendes Spiel und speichert es; mit „Spiel fortsetzen“ auf dem Startbildschirm geht es dort weiter, wo ihr aufgehört habt. „Neues Spiel“ fängt ein neues Spiel von vorn an.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Ein Zug Schritt für Schritt</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>Das Spiel fängt gerade an, also hat Blau 501 Punkte. Blau klickt auf „Würfeln“, und die Würfel zeigen 5, 4, 3 und 2:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>Blau sucht Zahlen, für die alle vier Würfel genau einmal gebraucht werden. Hier sind einige, mit Rechenweg:</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Can Blue click it?</source>
        <translation>Darf Blau sie anklicken?</translation>
    </message>
    <message>
        <source>Yes, but it is a small score.</source>
        <translation>Ja, aber das sind nur wenige Punkte.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Ja, als 8: Eine genaue Hälfte wird zur geraden Nachbarzahl gerundet.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Ja, als 14, die gerade Nachbarzahl von 13,5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Ja: 52 liegt im Vierfachring (viermal 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Ja: 64 liegt im Vierfachring (viermal 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>Nein: Die Würfel ergeben 84, aber 84 ist nicht auf dem Brett.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>Nein: Nur die Zahlen von 1 bis 100 zählen.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>Nein: Die 2 wird nicht benutzt, und keine Rechnung mit allen vier Würfeln ergibt 60. Ein Klick auf 60 wäre ein ungültiger Zug.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Ja: die Mitte des Bretts, die größte Zahl, die es gibt.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Welche Zahl ist die beste – und warum?</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Solange noch viele Punkte übrig sind, ist die größte Zahl, die die Würfel ergeben, die beste Wahl, denn damit werden die Punkte am schnellsten weniger. Blau klickt die 100 in der Mitte an. Die Würfel können sie bilden, also werden Blau 100 Punkte abgezogen:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Blau hat jetzt noch 401 Punkte, und Rot ist dran. Gegen Ende des Spiels ist die größte Zahl nicht immer die beste: Dann wählst du am besten eine Zahl, nach der ein Doppel übrig bleibt (eine gerade Zahl von 2 bis 40 oder die 100). Hast du eine ungerade Punktzahl übrig, brauchst du zuerst eine ungerade Zahl.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>Zum Schluss: Doppel oder überworfen</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Später im Spiel hat Gelb noch 32 Punkte und würfelt 4, 4, 2 und 1. Weil 32 Doppel 16 ist, kann Gelb mit diesem Wurf gewinnen:</translation>
    </message>
    <message>
        <source>Yellow makes and clicks</source>
        <translation>Gelb rechnet und klickt</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was passiert?</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the doubles ring (double 16)</source>
        <translation>4 × 4 × 2 × 1 = 32, die 32 im Doppelring (Doppel 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, mit einem Doppel beendet: Gelb gewinnt!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, die 32 im Vierfachring (viermal 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Überworfen: Gelb kommt zwar auf null, aber nicht mit einem Doppel. Die Zahl zählt nicht, und Gelb bleibt bei 32 Punkten.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Überworfen: 48 ist mehr als 32 (zu viel). Gelb bleibt bei 32 Punkten.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Erlaubt: 32 − 24 = 8. Übrig bleibt 8, also Doppel 4 – gut für den nächsten Zug.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>Dieselbe 32, wenn Gelb noch 33 Punkte hätte</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Überworfen: Es bliebe 1 übrig, und dafür gibt es kein Doppel.</translation>
    </message>
    <message>
        <source>Tips for the classroom</source>
        <translation>Tipps für den Unterricht</translation>
    </message>
    <message>
        <source>Pairs and teams.</source>
        <translation>Paare und Gruppen.</translation>
    </message>
    <message>
        <source>Up to four pairs or small teams can play, one colour each. The mouse passes round the team every turn; the team agrees on a number and says the working aloud before clicking. Blue always goes first, so change colours between games.</source>
        <translation>Bis zu vier Paare oder kleine Gruppen können spielen, jede mit einer Farbe. Die Maus wandert in jedem Zug in der Gruppe weiter; die Gruppe einigt sich auf eine Zahl und sagt den Rechenweg laut, bevor sie klickt. Blau fängt immer an, deshalb zwischen den Spielen die Farben tauschen.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Weniger Startpunkte für jüngere Kinder.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Ein Spiel mit 501 Punkten dauert eine Weile. Für jüngere Kinder oder eine kurze Übungszeit 101 oder 201 in das Feld „Punkte“ eintragen; 301 passt gut als Stundeneinstieg. Der Schluss, und mit ihm die Doppel, kommt dann früher.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>Mit den Uhren spielen.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>„Uhren an“ nicht ankreuzen, solange die Kinder das Spiel lernen, und erst ankreuzen, wenn sie sicher sind: 300 Sekunden pro Spieler sind entspannt, eine kleinere Zeit im Feld „Zeit pro Spieler“ ergibt ein flottes Spiel. Eine Uhr läuft nur, wenn ihr Spieler dran ist, und eine falsche Zahl kostet den Zug – so belohnen die Uhren schnelles, sorgfältiges Rechnen, nicht Raten.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>Der Spickzettel.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Anfänger dürfen den Spickzettel jederzeit benutzen, um eine Malaufgabe nachzuprüfen. Je sicherer die Kinder im Einmaleins werden, desto mehr lohnt sich die Herausforderung: Wer schafft ein ganzes Spiel ohne Spickzettel?</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Gegen den Computer spielen.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Ein Kind allein kann gegen den Computer spielen, der Rot spielt. Auf Stufe 1 ist er ein sanfter Gegner für Anfänger; auf Stufe 3 nimmt er immer die größte Zahl, die er bilden kann, und spielt schnell. Das eignet sich für Kinder, die früher fertig sind, und zum Üben an einem freien Computer.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Papier und Bleistift.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Jeder Spieler oder jede Gruppe bekommt Papier und Bleistift (aber keinen Taschenrechner). Die Kinder schreiben jeden Wurf auf, dazu den Rechenweg der gewählten Zahl und ihre neuen Restpunkte. Am Ende tauschen sie die Blätter und prüfen gegenseitig ihre Rechenwege.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>Kopfrechnen üben</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Jeder Zug ist eine kleine Kopfrechenaufgabe. Ein paar Ideen, wie sich das gut nutzen lässt:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>Wie viele Zahlen?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Einmal würfeln, dann hat die Klasse zwei Minuten Zeit, so viele verschiedene Zahlen wie möglich aufzuschreiben, jede mit Rechenweg. Jede Zahl, die auf dem Brett steht, bringt einen Punkt.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Triff die Zahl.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Eine Zahl auf dem Brett vorgeben, zum Beispiel 36, und fragen, wer sie aus dem Wurf bilden kann. Wer bildet die größte Zahl auf dem Brett? Wer schafft die 1?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Auf die Klammern kommt es an.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Den Rechenweg mit Klammern aufschreiben lassen und vergleichen: (6 + 4) × (3 + 1) = 40, aber 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Erst sagen, dann klicken.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Vor dem Klicken sagt der Spieler seine neuen Restpunkte laut an, zum Beispiel 401 − 64 = 337, und die Klasse vergleicht mit den Punkten, die das Spiel anzeigt.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Verdoppeln und halbieren.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>Zum Schluss fragen, welches Doppel gebraucht wird (32 ist Doppel 16) und welche Zahlen für den nächsten Zug ein Doppel übrig lassen.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Merke:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>Benutze alle vier Würfel, jeden genau einmal. Die Zahl muss auf dem Brett stehen. Die letzte Zahl muss ein Doppel sein.</translation>
    </message>
    <message>
        <source>Good luck, and good sums!</source>
        <translation>Viel Glück und viel Spaß beim Rechnen!</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>Page 1 of 3</source>
        <translation>Seite 1 von 3</translation>
    </message>
    <message>
        <source>Summary of the rules</source>
        <translation>Die Regeln in Kürze</translation>
    </message>
    <message>
        <source>The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.</source>
        <translation>Das Spielbrett sieht aus wie eine Dartscheibe. Es ist in zwanzig Sektoren eingeteilt, in derselben Reihenfolge wie auf einer Dartscheibe. Das Sumdart-Brett hat Doppel- und Dreifachfelder, aber anders als eine Dartscheibe auch Vierfachfelder.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Jeder Spieler beginnt mit 501 Punkten.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Reihum würfelt jeder mit vier Würfeln und rechnet aus den vier Augenzahlen eine ganze Zahl von 1 bis 100 aus. Zum Beispiel: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Hast du aus deinem Wurf eine Zahl gebildet, klickst du sie auf dem Sumdart-Brett an. Sie wird dann von deinen Punkten abgezogen. Es geht darum, deine Punkte auf null zu bringen. Wie beim Darts muss die letzte Zahl ein Doppel sein.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Gewonnen hat, wer als Erster mit einem Klick auf ein Doppel genau auf null kommt.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Vor dem Spiel</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Vor dem Spiel könnt ihr einstellen, wie ihr spielen wollt.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Ihr könnt Sumdart gegen die Uhr spielen. Kreuzt dazu „Uhren an“ an. Normalerweise hat jeder Spieler insgesamt 300 Sekunden für alle seine Züge. Im Feld „Zeit pro Spieler“ könnt ihr das ändern.</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>Sumdart spielen ein bis vier Spieler. Zum Start klickt ihr auf den Knopf mit der Anzahl der Spieler. Dann seid ihr in dieser Reihenfolge dran: Blau, Rot, Grün, Gelb. Vor dem Spiel sucht sich jeder seine Farbe aus. Spielt ihr mehrere Spiele hintereinander, tauscht vor jedem Spiel die Farben.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Bist du der einzige Spieler, klickst du auf „1“. Dann kannst du allein spielen oder gegen den Computer. Der Computer spielt immer als zweiter Spieler: Rot. Du kannst wählen, auf welcher Stufe er spielt.</translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Seite 2 von 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Eine Zahl bilden</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Du klickst auf den Knopf „Würfeln“. Dann erscheinen vier zufällige Zahlen wie bei einem Wurf mit vier Würfeln. Aus allen vier Zahlen, jede genau einmal, musst du eine ganze Zahl von 1 bis 100 bilden. Du darfst dabei beliebig plus, minus, mal und geteilt rechnen.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Klicke rechts auf „Würfeln“ und probiere es aus.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Achtung: Du darfst keine Ziffern nebeneinanderschreiben, um eine Zahl zu bilden. Hast du zum Beispiel 6, 4, 3 und 1 gewürfelt, darfst du aus 6 und 4 nicht 64 oder 46 machen.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Papier und Bleistift darfst du zum Rechnen benutzen, einen Taschenrechner aber nicht.</translation>
    </message>
    <message>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Einige Zahlen, die du aus einem Wurf bilden kannst:</translation>
    </message>
    <message>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Spickzettel</translation>
    </message>
    <message>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Hilfe beim Rechnen bekommst du mit dem Knopf unten: Er öffnet den Spickzettel. Der Spickzettel ist eine Einmaleins-Tafel. Die Zahl in jedem Kästchen ist die Zahl am Anfang der Zeile mal die Zahl oben in der Spalte.</translation>
    </message>
    <message>
        <source>Page 3 of 3</source>
        <translation>Seite 3 von 3</translation>
    </message>
    <message>
        <source>Selecting the number on the board</source>
        <translation>Die Zahl anklicken</translation>
    </message>
    <message>
        <source>Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. </source>
        <translation>Hast du eine Zahl gebildet, klickst du sie auf dem Brett an. Hast du richtig gerechnet, wird die Zahl von deinen Punkten abgezogen.</translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Hast du dich verrechnet und eine Zahl gewählt, die sich aus dem Wurf nicht bilden lässt, wird nichts abgezogen, und der Nächste ist dran.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Wie beim Darts beginnt jeder mit 501 Punkten. Das Spiel endet, sobald ein Spieler seine Punkte auf null gebracht hat. Aber wie beim Darts muss die letzte Zahl ein Doppel sein und die Punkte genau auf null bringen. (Die Doppel sind die Zahlen im zweiten Ring mit zwanzig Zahlen, von der Mitte des Bretts aus gezählt.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Spielen gegen die Uhr</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Ist vor dem Spiel „Uhren an“ angekreuzt, bekommt jeder Spieler eine Uhr, die rückwärts läuft, wenn er dran ist. Normalerweise hat jeder 300 Sekunden; das kannst du vor jedem Spiel ändern. Wessen Zeit abgelaufen ist, der ist für den Rest des Spiels nicht mehr dran. Ist die Zeit bei allen abgelaufen, endet das Spiel, und es gewinnt, wer die wenigsten Restpunkte hat.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Kürzere Spiele</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Für ein kürzeres Spiel kannst du vor dem Start im Feld „Punkte“ eine kleinere Zahl eintragen, zum Beispiel 401, 301, 201 oder 101.</translation>
    </message>
    <message>
        <source>The Rules of Sumdart</source>
        <translation>Die Regeln von Sumdart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Weiter</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Ready to play: one to four players take turns, with dice and a clock</source>
        <translation>Alle bereit? Ein bis vier Spieler sind reihum dran, mit Würfeln und einer Uhr</translation>
    </message>
    <message>
        <source>The board, with its ring of doubles</source>
        <translation>Das Brett mit seinem Doppelring</translation>
    </message>
    <message>
        <source>Sumdart rules, page %1 of 3</source>
        <translation>Sumdart-Regeln, Seite %1 von 3</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Regeln zum Ausdrucken öffnen</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Das Sumdart-Logo</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Timers On</source>
        <translation>Uhren an</translation>
    </message>
    <message>
        <source>Set Total Time Allowed</source>
        <translation>Zeit pro Spieler</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Desktop aus</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Wie viele Spieler?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart: ein Spiel vorbereiten</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>Aufruf: sumdart-solve WÜRFEL WÜRFEL WÜRFEL WÜRFEL   (ganze Zahlen von 1 bis 6)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is outside 1 to 6</source>
        <translation>%1 liegt nicht zwischen 1 und 6</translation>
    </message>
    <message>
        <source>usage: sumdart-solve %1</source>
        <translation>Aufruf: sumdart-solve %1</translation>
    </message>
    <message>
        <source>the number of throws must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>die Zahl der Würfe muss eine ganze Zahl von 1 bis %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>nach %1 muss eine ganze Zahl folgen</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>der Startwert muss eine ganze Zahl von 0 bis %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>nach %1 muss ein Dateiname folgen</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>interner Fehler: keine Lösungen für %1 %2 %3 %4 gefunden</translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>%1 geschrieben: %2 auf %3, danach die Lösungen auf %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>es gibt keine Übersetzung für „%1“; vorhanden sind: %2</translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 geht nur zusammen mit --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>vier Würfel erwartet, aber %1 angegeben</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(kein Rechenweg gefunden)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>interner Fehler: kein Rechenweg für %1 gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s)</source>
        <translation>
            <numerusform>%n Wurf</numerusform>
            <numerusform>%n Würfe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) can be made from %1.</source>
        <translation>
            <numerusform>Aus %1 lässt sich %n Zahl bilden.</numerusform>
            <numerusform>Aus %1 lassen sich %n Zahlen bilden.</numerusform>
        </translation>
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

Listet jede ganze Zahl von 1 bis 100 auf, die sich aus den vier Würfeln
bilden lässt (jeder Würfel genau einmal, mit +, -, × und ÷ und beliebigen
Klammern), jeweils mit einem Rechenweg:
  40 = (6 + 3 + 1) × 4            genau gebildet
  62 ≈ 5 × 5 × 5 ÷ 2 = 62,5       durch Runden auf die nächste ganze Zahl
                                  gebildet (eine genaue Hälfte wird zur
                                  geraden Zahl gerundet)
Ein Wert, der sich nicht mit wenigen Nachkommastellen schreiben lässt,
erscheint als Bruch mit seinem Wert auf zwei Stellen, z. B. 50/3 (16,67).
Die letzte Zeile nennt, wie viele Zahlen es sind.

Mit --worksheet wird stattdessen ein PDF zum Ausdrucken für die Klasse
geschrieben: N Würfe, gewürfelt wie im Spiel, jeder als vier Würfel mit Linien
für die größte Zahl und ein Doppel, danach auf einer neuen Seite die
Lösungen: zu jedem Wurf, wie viele der Zahlen von 1 bis 100 er ergibt, die
größte und jedes Doppel des Bretts (2 bis 40), das er ergibt, jeweils mit
einem Rechenweg.
  --worksheet [N]     N Würfe, von 1 bis %3 (Standard: %4)
  --seed S            Startwert S für die Würfe, eine ganze Zahl:
                      derselbe Startwert ergibt dasselbe Blatt; ohne ihn ist
                      jedes Blatt anders
  -o, --output FILE   die PDF-Datei (Standard: %5
                      im aktuellen Ordner); eine vorhandene Datei wird erst
                      ersetzt, wenn die neue vollständig ist
  --letter            Papierformat US Letter statt A4
  --lang CODE         die Sprache der Meldungen und des Arbeitsblatts
                      (de, es, fr, it, nl, pl, pt_BR; en für Englisch) statt
                      der des Desktops
Beispiel: sumdart-solve --worksheet 12 --seed 2024 -o montag.pdf

  -h, --help   diese Hilfe anzeigen
  --version    die Version anzeigen
</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>A dartboard of numbers</source>
        <translation>Eine Dartscheibe aus Zahlen</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Spiel fortsetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Sumdart Worksheet</source>
        <translation>Sumdart-Arbeitsblatt</translation>
    </message>
    <message>
        <source>Use all four dice, each once, with + − × ÷. Make the highest number you can, and make a double.</source>
        <translation>Nimm alle vier Würfelzahlen, jede genau einmal, und rechne mit + − × ÷. Finde die größte Zahl, die du schaffst, und bilde ein Doppel.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Doppel sind die Zahlen 2, 4, 6, … bis %1. Ist ein Ergebnis keine ganze Zahl, wird es auf die nächste ganze Zahl gerundet.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Zu jedem Wurf: wie viele der Zahlen von 1 bis 100 er ergibt, die größte und jedes Doppel, das er ergibt, jeweils mit einem Rechenweg. „=“ genau gebildet; „≈“ durch Runden auf die nächste ganze Zahl gebildet (eine genaue Hälfte wird zur geraden Zahl gerundet).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>Dasselbe Blatt noch einmal: %1</translation>
    </message>
    <message>
        <source>Sumdart · page %1 of %2</source>
        <translation>Sumdart · Seite %1 von %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Throw %1</source>
        <translation>Wurf %1</translation>
    </message>
    <message>
        <source>Highest:</source>
        <translation>Größte Zahl:</translation>
    </message>
    <message>
        <source>Double:</source>
        <translation>Doppel:</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Lösungen (Fortsetzung)</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Doubles: none</source>
        <translation>Doppel: keine</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>Doppel:</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>Sumdart worksheet</source>
        <translation>Sumdart-Arbeitsblatt</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>das PDF konnte nicht gezeichnet werden</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s)</source>
        <translation>
            <numerusform>%n Zahl</numerusform>
            <numerusform>%n Zahlen</numerusform>
        </translation>
    </message>
</context>
</TS>
