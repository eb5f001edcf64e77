<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, doppio di 50, centro</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, anello interno</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, singolo %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, doppio di %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, triplo di %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, quadruplo di %2</translation>
    </message>
</context>
<context>
    <name>CheatChart</name>
    <message>
        <source>Sumdart Cheat Chart</source>
        <translation>Sumdart – Tabelline</translation>
    </message>
    <message>
        <source>Scroll the chart</source>
        <translation>Scorri la tavola</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tavola pitagorica</translation>
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
        <translation>Dado %1: non lanciato</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <translation>Dado %1: sta rotolando</translation>
    </message>
    <message>
        <source>Dice: %1, %2, %3, %4.</source>
        <translation>Dadi: %1, %2, %3, %4.</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 non è sul tabellone.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2, %n second(s) left</source>
        <translation>
            <numerusform>%1 %2, resta %n secondo</numerusform>
            <numerusform>%1 %2, restano %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, tempo scaduto</translation>
    </message>
    <message>
        <source>%1: %2, out of time</source>
        <translation>%1: %2, tempo scaduto</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n second(s) left</source>
        <translation>
            <numerusform>%1: resta %n secondo</numerusform>
            <numerusform>%1: restano %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Tocca a Blu</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Il logo di Sumdart</translation>
    </message>
    <message>
        <source>Target Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>Il computer è il giocatore rosso.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Secondi rimasti</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Lancia i dadi</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Tabelline</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Mossa non valida: hai perso il turno.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>Ricorda:    devi finire    con un doppio!  </translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 1 - Easy</source>
        <translation>Il computer è il giocatore rosso e gioca al livello 1, facile.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 2 - Medium</source>
        <translation>Il computer è il giocatore rosso e gioca al livello 2, medio.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 3 - Hard</source>
        <translation>Il computer è il giocatore rosso e gioca al livello 3, difficile.</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Partita di Sumdart</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>Impossibile caricare l&apos;immagine “%1”. Cartelle controllate: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>Il computer ha scelto %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) scored</source>
        <translation>
            <numerusform>%n punto segnato</numerusform>
            <numerusform>%n punti segnati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Sballato: il punteggio non cambia.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>FINE PARTITA!!!</translation>
    </message>
    <message>
        <source>OUT OF TIME!</source>
        <translation>TEMPO SCADUTO!</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>%1 ha finito il tempo.</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>HA VINTO BLU!</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>HA VINTO ROSSO!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>HA VINTO VERDE!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>HA VINTO GIALLO!</translation>
    </message>
    <message>
        <source>IT&apos;S A DRAW!</source>
        <translation>PAREGGIO!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Tocca a Rosso</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Tocca a Verde</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Tocca a Giallo</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart: freccette e calcolo per la classe.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Disegna ogni finestra a Z volte la sua grandezza (da 0.5 a 4, scritto con il punto: per esempio 1.5), oppure grande quanto lo schermo con “fit” (per un proiettore). Vale solo per questa volta; Ctrl+Più, Ctrl+Meno e Ctrl+0 cambiano lo zoom, che viene ricordato.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart: non c&apos;è una traduzione per “%1”; ci sono: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart: --zoom vuole un fattore da 0.5 a 4 (con il punto), oppure fit</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (%1; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Mostra il gioco nella lingua CODE (%1; en per l&apos;inglese) solo per questa volta, invece che in quella del desktop.</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source> Set Level for the computer</source>
        <translation> Scegli il livello del computer</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Il logo di Sumdart</translation>
    </message>
    <message>
        <source>Level 1 - Easy</source>
        <translation>1 - Facile</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>2 - Medio</translation>
    </message>
    <message>
        <source>Level 3 - Hard</source>
        <translation>3 - Difficile</translation>
    </message>
    <message>
        <source>Play solo</source>
        <translation>Gioca da solo</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Gioca contro il computer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Sumdart: play solo or against the computer</source>
        <translation>Sumdart: gioca da solo o contro il computer</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>Pronti a giocare?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>ordine dei turni</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>da 1 a 4 giocatori</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>doppi</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <source>quadruples</source>
        <translation>quadrupli</translation>
    </message>
    <message>
        <source>4 × the sector&apos;s number</source>
        <translation>4 × il numero del settore</translation>
    </message>
    <message>
        <source>trebles</source>
        <translation>tripli</translation>
    </message>
    <message>
        <source>3 × the sector&apos;s number</source>
        <translation>3 × il numero del settore</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>doppi</translation>
    </message>
    <message>
        <source>2 × the sector&apos;s number</source>
        <translation>2 × il numero del settore</translation>
    </message>
    <message>
        <source>singles</source>
        <translation>singoli</translation>
    </message>
    <message>
        <source>the sector&apos;s number</source>
        <translation>il numero del settore</translation>
    </message>
    <message>
        <source>four 50s</source>
        <translation>quattro 50</translation>
    </message>
    <message>
        <source>not doubles</source>
        <translation>non sono doppi</translation>
    </message>
    <message>
        <source>the centre: 100</source>
        <translation>il centro: 100</translation>
    </message>
    <message>
        <source>a double too</source>
        <translation>è anche un doppio</translation>
    </message>
    <message>
        <source>Sumdart Rules</source>
        <translation>Regole di Sumdart</translation>
    </message>
    <message>
        <source>The rules of Sumdart, a worked example and tips for the classroom</source>
        <translation>Le regole di Sumdart, un esempio svolto e consigli per la classe</translation>
    </message>
    <message>
        <source>Sumdart rules – page %1</source>
        <translation>Regole di Sumdart – pagina %1</translation>
    </message>
    <message>
        <source>The rules of the game, a worked example and tips for the classroom</source>
        <translation>Le regole del gioco, un esempio svolto e consigli per la classe</translation>
    </message>
    <message>
        <source>Sumdart is an arithmetic game for one to four players, played on a board that looks like a dartboard. Instead of throwing darts, the players throw four dice and use the numbers on them to make the score they want.</source>
        <translation>Sumdart è un gioco di calcolo da uno a quattro giocatori, che si gioca su un tabellone che assomiglia al bersaglio delle freccette. Invece di tirare le freccette, i giocatori lanciano quattro dadi e con i loro numeri fanno i punti che vogliono.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>Lo scopo del gioco</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Ogni giocatore parte da 501 punti. I punti che fa a ogni turno vengono tolti dal suo punteggio. Vince chi per primo porta il suo punteggio esattamente a zero e, come nelle freccette, l&apos;ultimo numero deve essere un doppio.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Il tabellone</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>Il tabellone è diviso in venti settori, nello stesso ordine del bersaglio delle freccette, in senso orario partendo dall&apos;alto: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Dal centro verso l&apos;esterno, sul tabellone ci sono:</translation>
    </message>
    <message>
        <source>the centre: 100;</source>
        <translation>il centro: 100;</translation>
    </message>
    <message>
        <source>the inner ring: four 50s;</source>
        <translation>l&apos;anello interno: quattro 50;</translation>
    </message>
    <message>
        <source>the singles, the first ring of twenty numbers: each sector&apos;s number;</source>
        <translation>i singoli, il primo anello di venti numeri: il numero di ogni settore;</translation>
    </message>
    <message>
        <source>the doubles, the second ring of twenty numbers: twice the sector&apos;s number;</source>
        <translation>i doppi, il secondo anello di venti numeri: il doppio del numero del settore;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>i tripli, il terzo anello: il triplo del numero del settore;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>i quadrupli, l&apos;anello esterno: il quadruplo del numero del settore.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>A differenza del bersaglio delle freccette, il tabellone di Sumdart ha anche i quadrupli. Si possono cliccare solo i numeri che sono sul tabellone: 23 e 25, per esempio, non ci sono.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>Il tabellone di Sumdart. I doppi, cerchiati in giallo, sono il secondo anello e il 100 al centro.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>I doppi sono i venti numeri del secondo anello (i numeri pari da 2 a 40) e il 100 al centro. Nessun altro numero è un doppio: i 50 dell&apos;anello interno non sono doppi, e non lo è nemmeno il 40 dell&apos;anello dei quadrupli (quattro volte 10).</translation>
    </message>
    <message>
        <source>Taking a turn</source>
        <translation>Come si gioca un turno</translation>
    </message>
    <message>
        <source>Click Throw Dice. Four dice are thrown.</source>
        <translation>Clicca «Lancia i dadi». Vengono lanciati quattro dadi.</translation>
    </message>
    <message>
        <source>Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may add (+), subtract (−), multiply (×) and divide (÷), in any order, with brackets. If a calculation gives a number that is not whole, it is rounded to the nearest whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14.</source>
        <translation>Usa tutti e quattro i numeri, ognuno una volta sola, per fare un numero intero da 1 a 100. Puoi addizionare (+), sottrarre (−), moltiplicare (×) e dividere (÷), in qualsiasi ordine, anche con le parentesi. Se un calcolo dà un numero che non è intero, si arrotonda al numero intero più vicino; se è esattamente a metà, si va al numero pari: così 8,5 vale 8 e 13,5 vale 14.</translation>
    </message>
    <message>
        <source>Click that number on the board.</source>
        <translation>Clicca quel numero sul tabellone.</translation>
    </message>
    <message>
        <source>For example, if the dice show 6, 4, 3 and 1:</source>
        <translation>Per esempio, se i dadi mostrano 6, 4, 3 e 1:</translation>
    </message>
    <message>
        <source>The same throw can make many other numbers, for example:</source>
        <translation>Con lo stesso lancio si possono fare molti altri numeri, per esempio:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>Si può fare anche 96, con (6 × 4) × (3 + 1), ma 96 non si può cliccare: non è sul tabellone.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Non si possono mettere due cifre una accanto all&apos;altra per fare un numero più grande: con 6, 4, 3 e 1 non si possono unire il 6 e il 4 per fare 64 o 46.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>Carta e matita possono aiutare nei calcoli, ma la calcolatrice non è permessa.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Come si fanno i punti</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Se con i quattro dadi si può fare il numero cliccato, questo viene tolto dal punteggio del giocatore.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Se con i dadi non si può fare il numero cliccato, la mossa non è valida: il giocatore non fa punti e perde il turno.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>In tutti e due i casi, poi il turno passa al giocatore successivo.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Finire con un doppio</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>Il punteggio deve arrivare esattamente a zero, e il numero che lo porta a zero deve essere un doppio. Con un numero che non rispetta questa regola si sballa: non vale niente e il punteggio resta com&apos;era. Si sballa con un numero che:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>porterebbe il punteggio sotto lo zero (è troppo grande);</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>lascerebbe 1, che non si può mai chiudere, perché il doppio più piccolo è 2;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>porterebbe il punteggio a zero senza essere un doppio.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Per esempio, se restano 40 punti, chi clicca il 40 dell&apos;anello dei doppi (il doppio di 20) vince la partita, mentre con il 40 dell&apos;anello dei quadrupli si sballa. Se restano 100 punti, si vince con il 100 al centro.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Giocatori e turni</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>A Sumdart giocano da uno a quattro giocatori, che fanno il loro turno in quest&apos;ordine: Blu, Rosso, Verde, Giallo. Prima di cominciare, ogni giocatore sceglie un colore; se si fanno più partite di seguito, è bene cambiare colore da una partita all&apos;altra.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Chi gioca da solo può giocare per conto suo o contro il computer. Il computer è sempre il giocatore rosso, il secondo, e gioca al livello 1, 2 o 3. Al livello 1 sceglie un numero qualsiasi tra quelli che può fare con i suoi dadi e se la prende comoda; al livello 3 sceglie sempre il numero più grande possibile e gioca più in fretta; il livello 2 sta nel mezzo.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Giocare a tempo</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Quando nella schermata delle impostazioni è spuntata la casella «Cronometro», ogni giocatore ha un cronometro. Ogni cronometro parte da 300 secondi, a meno che nella casella «Tempo a disposizione» non sia scritto un altro tempo totale. Il cronometro di un giocatore va all&apos;indietro solo durante il suo turno. Chi finisce il tempo non ha più turni per il resto della partita. Se tutti i giocatori finiscono il tempo, la partita finisce e vince chi ha il punteggio più basso; se due giocatori hanno lo stesso punteggio più basso, la partita finisce in pareggio.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Partite più brevi</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Per una partita più breve, prima di cominciare scrivi un punteggio più piccolo nella casella «Punti»: 401, 301, 201 o 101 vanno bene.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>Aiuti durante la partita</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>Il pulsante «Tabelline» apre la tavola pitagorica. Il numero in ogni casella è il numero all&apos;inizio della sua riga moltiplicato per il numero in cima alla sua colonna.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>«Esci» lascia la partita in corso e la salva; «Riprendi l&apos;ultima partita» nella schermata iniziale la fa continuare da dove era rimasta. «Nuova partita» ricomincia da capo.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Un turno completo, passo per passo</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>La partita è appena cominciata, quindi il punteggio di Blu è 501. Blu clicca «Lancia i dadi» e i dadi mostrano 5, 4, 3 e 2:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>Blu cerca numeri che usano tutti e quattro i dadi, ognuno una volta sola. Eccone alcuni, con il calcolo:</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Can Blue click it?</source>
        <translation>Blu può cliccarlo?</translation>
    </message>
    <message>
        <source>Yes, but it is a small score.</source>
        <translation>Sì, ma sono pochi punti.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Sì, vale 8: se è esattamente a metà, si va al numero pari.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Sì, vale 14, il numero pari vicino a 13,5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Sì: 52 è nell&apos;anello dei quadrupli (quattro volte 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Sì: 64 è nell&apos;anello dei quadrupli (quattro volte 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>No: con i dadi si fa 84, ma 84 non è sul tabellone.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>No: valgono solo i numeri da 1 a 100.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>No: il 2 non è usato, e nessun calcolo con tutti e quattro i dadi fa 60. Cliccare 60 sarebbe una mossa non valida.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Sì: il centro del tabellone, il numero più grande che c&apos;è.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Quale scegliere, e perché</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Quando mancano ancora tanti punti, la scelta migliore è il numero più grande che si può fare con i dadi, perché fa scendere il punteggio più in fretta. Blu clicca il 100 al centro. Con i dadi si può fare, quindi viene tolto dal punteggio di Blu:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Ora il punteggio di Blu è 401, e tocca a Rosso. Verso la fine della partita il numero più grande non è sempre il migliore: allora scegli un numero che lasci un doppio, cioè un numero pari da 2 a 40, oppure 100. Se il punteggio è dispari, prima fai un numero dispari.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>Finire con un doppio, o sballare</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Più avanti nella partita, a Giallo restano 32 punti e i suoi dadi mostrano 4, 4, 2 e 1. Siccome 32 è il doppio di 16, con questo lancio può vincere:</translation>
    </message>
    <message>
        <source>Yellow makes and clicks</source>
        <translation>Giallo fa e clicca</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Che cosa succede</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the doubles ring (double 16)</source>
        <translation>4 × 4 × 2 × 1 = 32, il 32 dell&apos;anello dei doppi (il doppio di 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, finito con un doppio: Giallo vince!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, il 32 dell&apos;anello dei quadrupli (quattro volte 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Si sballa: si arriva a zero, ma non con un doppio. Giallo non fa punti e il punteggio resta 32.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Si sballa: 48 è più di 32 (è troppo grande). Il punteggio resta 32.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Va bene: restano 32 − 24 = 8, che è il doppio di 4, pronto per il turno dopo.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>Lo stesso 32, se a Giallo fossero rimasti 33 punti</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Si sballa: resterebbe 1, che nessun doppio può chiudere.</translation>
    </message>
    <message>
        <source>Tips for the classroom</source>
        <translation>Consigli per la classe</translation>
    </message>
    <message>
        <source>Pairs and teams.</source>
        <translation>Coppie e squadre.</translation>
    </message>
    <message>
        <source>Up to four pairs or small teams can play, one colour each. The mouse passes round the team every turn; the team agrees on a number and says the working aloud before clicking. Blue always goes first, so change colours between games.</source>
        <translation>Possono giocare fino a quattro coppie o piccole squadre, con un colore ciascuna. A ogni turno il mouse passa a un altro componente della squadra; la squadra si mette d&apos;accordo su un numero e dice il calcolo ad alta voce prima di cliccare. Blu comincia sempre, quindi fai cambiare i colori da una partita all&apos;altra.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Punteggi più bassi per gli alunni più piccoli.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Una partita da 501 dura un po&apos;. Con gli alunni più piccoli o per un&apos;attività breve, scrivi 101 o 201 nella casella «Punti»; 301 va bene per iniziare la lezione. Così la fine della partita, e con lei i doppi, arriva prima.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>Usare i cronometri.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>Lascia «Cronometro» senza spunta mentre gli alunni imparano il gioco, e spuntalo quando si sentono sicuri: 300 secondi a testa danno un ritmo tranquillo, mentre un tempo più breve in «Tempo a disposizione» rende la partita più vivace. Il cronometro scorre solo durante il turno del suo giocatore e un numero sbagliato fa perdere il turno: così i cronometri premiano chi calcola in fretta e con attenzione, non chi tira a indovinare.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>Le tabelline.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Lascia che i principianti usino liberamente le «Tabelline» per controllare un prodotto. Quando gli alunni diventano più sicuri, sfidali a giocare una partita senza aprirle.</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Giocare contro il computer.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Un alunno da solo può giocare contro il computer, che è il giocatore rosso. Il livello 1 è un avversario facile, adatto a chi comincia; il livello 3 sceglie sempre il numero più grande possibile e gioca in fretta. Va bene per chi finisce prima il lavoro e per esercitarsi su un computer libero.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Carta e matita.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Dai a ogni giocatore o squadra un foglio e una matita (ma niente calcolatrice). Chiedi di scrivere ogni lancio, il calcolo del numero scelto e il nuovo punteggio. Alla fine, fai scambiare i fogli per controllare i calcoli dei compagni.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>Esercizi di calcolo mentale</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Ogni turno è un piccolo esercizio di calcolo mentale. Ecco alcuni modi per sfruttarlo al meglio:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>Quanti numeri?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Fai un lancio, poi dai alla classe due minuti per scrivere più numeri diversi possibile, ognuno con il suo calcolo. Ogni numero che è sul tabellone vale un punto.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Centra il numero.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Scegli un numero sul tabellone, per esempio 36, e chiedi chi riesce a farlo con il lancio. Chi riesce a fare il numero più grande del tabellone? Chi riesce a fare 1?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Le parentesi contano.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Chiedi il calcolo con le parentesi, e confronta: (6 + 4) × (3 + 1) = 40, ma 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Prima dillo a voce.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Prima di cliccare, il giocatore dice ad alta voce il nuovo punteggio, per esempio 401 − 64 = 337, e la classe controlla che sia uguale a quello che mostra il gioco.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Doppi e metà.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>Verso la fine, chiedi quale doppio serve (32 è il doppio di 16) e quali numeri lascerebbero un doppio per il turno dopo.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Ricorda:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>usa tutti e quattro i dadi, ognuno una volta; il numero deve essere sul tabellone; l&apos;ultimo numero deve essere un doppio.</translation>
    </message>
    <message>
        <source>Good luck, and good sums!</source>
        <translation>Buona fortuna e buoni calcoli!</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>Page 1 of 3</source>
        <translation>Pagina 1 di 3</translation>
    </message>
    <message>
        <source>Summary of the rules</source>
        <translation>Riassunto delle regole</translation>
    </message>
    <message>
        <source>The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.</source>
        <translation>Il tabellone assomiglia al bersaglio delle freccette. È diviso in venti settori, nello stesso ordine del bersaglio. Il tabellone di Sumdart ha i doppi e i tripli ma, a differenza del bersaglio, ha anche i quadrupli.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Ogni giocatore parte da 501 punti.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>A turno, i giocatori lanciano quattro dadi e combinano i loro numeri per fare un numero intero da 1 a 100. Per esempio: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Quando un giocatore ha fatto un numero con il suo lancio, clicca quel numero sul tabellone di Sumdart. Il numero viene tolto dal suo punteggio. Lo scopo del gioco è portare il proprio punteggio a zero. Come nelle freccette, bisogna finire con un doppio.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Vince chi per primo porta il suo punteggio a zero cliccando un doppio.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Prepararsi a giocare</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Prima di cominciare, i giocatori possono scegliere le impostazioni della partita.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Sumdart si può giocare a tempo. Per giocare a tempo, spunta la casella «Cronometro». Di solito ogni giocatore ha in tutto 300 secondi per fare tutte le sue mosse. Puoi cambiare questo tempo nella casella «Tempo a disposizione».</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>A Sumdart giocano da uno a quattro giocatori. Per cominciare, clicca il pulsante con il numero dei giocatori. Poi i giocatori fanno il loro turno in quest&apos;ordine: Blu, Rosso, Verde, Giallo. Prima di cominciare, ogni giocatore sceglie il suo colore. Se si fanno più partite di seguito, è bene cambiare colore a ogni partita.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Se c&apos;è un solo giocatore, clicca il pulsante «1». Il giocatore può giocare da solo oppure contro il computer. Il computer è sempre il secondo giocatore, Rosso. Il giocatore può scegliere il livello del computer. </translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Pagina 2 di 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Fare un numero</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Il giocatore clicca il pulsante «Lancia i dadi». Escono quattro numeri a caso, come in un lancio di dadi. Il giocatore deve fare un numero intero da 1 a 100 usando tutti e quattro i numeri una volta sola. Può moltiplicare, dividere, addizionare o sottrarre i numeri in qualsiasi combinazione.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Clicca il pulsante a destra per provare a lanciare i dadi.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Attenzione: non si può formare un numero mettendo due cifre una accanto all&apos;altra.                     Per esempio, con 6, 4, 3 e 1 non si possono unire il 6 e il 4 per fare 64 o 46.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Per aiutarsi nei calcoli si possono usare carta e matita, ma non la calcolatrice.</translation>
    </message>
    <message>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Alcuni esempi di numeri che si possono fare con un lancio:</translation>
    </message>
    <message>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Tabelline</translation>
    </message>
    <message>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Per un aiuto nei calcoli, clicca il pulsante qui sotto: si apre la finestra «Tabelline», con la tavola pitagorica. Il numero in ogni casella si ottiene moltiplicando il numero all&apos;inizio della sua riga per il numero in cima alla sua colonna.</translation>
    </message>
    <message>
        <source>Page 3 of 3</source>
        <translation>Pagina 3 di 3</translation>
    </message>
    <message>
        <source>Selecting the number on the board</source>
        <translation>Scegliere il numero sul tabellone</translation>
    </message>
    <message>
        <source>Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. </source>
        <translation>Dopo aver fatto un numero, il giocatore lo clicca sul tabellone. Se il calcolo è giusto, il giocatore fa quel numero di punti, che vengono tolti dal suo punteggio. </translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Se il giocatore ha sbagliato e ha scelto un numero che non si può fare con il lancio, non fa punti e il turno passa al giocatore successivo.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>Fine della partita</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Come nelle freccette, i giocatori partono da 501 punti. La partita finisce quando un giocatore ha portato il suo punteggio a zero. Però, come nelle freccette, l&apos;ultimo numero deve essere un doppio e deve portare il punteggio esattamente a zero. (I doppi sono i numeri del secondo anello di venti numeri, andando dal centro del tabellone verso l&apos;esterno.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Giocare a tempo</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Se prima di cominciare è spuntata la casella «Cronometro», ogni giocatore ha un cronometro che va all&apos;indietro quando è il suo turno. Di solito il tempo totale è di 300 secondi, ma si può cambiare prima di ogni partita. Chi finisce il tempo non ha più turni per il resto della partita. Se tutti i giocatori finiscono il tempo, la partita finisce e vince chi ha il punteggio più basso.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Partite più brevi</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Per una partita più breve, prima di cominciare puoi scrivere un altro punteggio nella casella «Punti». Vanno bene 401, 301, 201 o 101.</translation>
    </message>
    <message>
        <source>The Rules of Sumdart</source>
        <translation>Le regole di Sumdart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Avanti</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Indietro</translation>
    </message>
    <message>
        <source>Ready to play: one to four players take turns, with dice and a clock</source>
        <translation>Pronti a giocare: da uno a quattro giocatori, a turno, con i dadi e un cronometro</translation>
    </message>
    <message>
        <source>The board, with its ring of doubles</source>
        <translation>Il tabellone, con l&apos;anello dei doppi</translation>
    </message>
    <message>
        <source>Sumdart rules, page %1 of 3</source>
        <translation>Regole di Sumdart, pagina %1 di 3</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Lancia i dadi</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Apri le regole da stampare</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Il logo di Sumdart</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Timers On</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Set Total Time Allowed</source>
        <translation>Tempo a disposizione</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Le regole</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Copri desktop</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Quanti giocatori?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart: prepara una partita</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n giocatore</numerusform>
            <numerusform>%n giocatori</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>uso: sumdart-solve DADO DADO DADO DADO   (quattro numeri interi da 1 a 6)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>“%1” non è un numero intero</translation>
    </message>
    <message>
        <source>%1 is outside 1 to 6</source>
        <translation>%1 non è tra 1 e 6</translation>
    </message>
    <message>
        <source>usage: sumdart-solve %1</source>
        <translation>uso: sumdart-solve %1</translation>
    </message>
    <message>
        <source>the number of throws must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>il numero dei lanci deve essere un numero intero da 1 a %1, non “%2”</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>dopo %1 ci vuole un numero intero</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>il seme deve essere un numero intero da 0 a %1, non “%2”</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>dopo %1 ci vuole il nome di un file</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento inatteso “%1”</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>errore interno: nessuna risposta trovata per %1 %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s)</source>
        <translation>
            <numerusform>%n lancio</numerusform>
            <numerusform>%n lanci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>Ho scritto %1: %2 in %3, poi le soluzioni in %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>non c&apos;è una traduzione per “%1”; ci sono: %2</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(nessun calcolo trovato)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>errore interno: nessun calcolo trovato per %1</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) can be made from %1.</source>
        <translation>
            <numerusform>Con %1 si può fare %n numero.</numerusform>
            <numerusform>Con %1 si possono fare %n numeri.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 si usa con --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>servono quattro dadi, non %1</translation>
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

Elenca ogni numero intero da 1 a 100 che si può fare con i quattro dadi,
usando ogni dado una volta con +, -, × e ÷ e le parentesi che servono,
con un modo per farlo:
  40 = (6 + 3 + 1) × 4            fatto esattamente
  62 ≈ 5 × 5 × 5 ÷ 2 = 62,5       fatto arrotondando al numero intero più
                                  vicino (se è esattamente a metà, al pari)
Un valore che non è un decimale breve compare come frazione, con il valore
a due cifre decimali, per esempio 50/3 (16,67). L&apos;ultima riga conta i numeri.

Con --worksheet scrive invece un PDF da stampare per la classe: N lanci
fatti a caso come nel gioco, ognuno mostrato come quattro dadi con le
righe per scrivere il numero più grande e un doppio, poi su una nuova pagina
le soluzioni: per ogni lancio, quanti numeri da 1 a 100 si possono fare, il
più grande e ogni doppio del tabellone (da 2 a 40) che si può fare, ognuno
con un modo per farlo.
  --worksheet [N]     N lanci, da 1 a %3 (se non indicato, %4)
  --seed S            i lanci dipendono dal seme S, un numero intero: lo stesso
                      seme dà la stessa scheda; senza, ogni scheda è diversa
  -o, --output FILE   il PDF da scrivere (se non indicato: %5
                      nella cartella corrente); un file che esiste già viene
                      sostituito solo quando quello nuovo è completo
  --letter            carta US Letter invece di A4
  --lang CODE         la lingua dei messaggi e della scheda
                      (de, es, fr, it, nl, pl, pt_BR; en per l&apos;inglese)
                      invece di quella del desktop
Esempio: sumdart-solve --worksheet 12 --seed 2024 -o lunedi.pdf

  -h, --help   mostra questo aiuto
  --version    mostra la versione
</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>A dartboard of numbers</source>
        <translation>Un bersaglio di numeri</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Riprendi l&apos;ultima partita</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Sumdart Worksheet</source>
        <translation>Scheda di Sumdart</translation>
    </message>
    <message>
        <source>Use all four dice, each once, with + − × ÷. Make the highest number you can, and make a double.</source>
        <translation>Usa tutti e quattro i dadi, ognuno una volta, con + − × ÷. Fai il numero più grande che puoi, e fai un doppio.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Un doppio è 2, 4, 6, … fino a %1. Un risultato che non è intero vale come il numero intero più vicino.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Per ogni lancio: quanti numeri da 1 a 100 si possono fare, il più grande e ogni doppio che si può fare, ognuno con un modo per farlo. “=” fatto esattamente; “≈” fatto arrotondando al numero intero più vicino (se è esattamente a metà, al numero pari).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>Per avere di nuovo la stessa scheda: %1</translation>
    </message>
    <message>
        <source>Sumdart · page %1 of %2</source>
        <translation>Sumdart · pagina %1 di %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Throw %1</source>
        <translation>Lancio %1</translation>
    </message>
    <message>
        <source>Highest:</source>
        <translation>Il più grande:</translation>
    </message>
    <message>
        <source>Double:</source>
        <translation>Doppio:</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Soluzioni (segue)</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluzioni</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s)</source>
        <translation>
            <numerusform>%n numero</numerusform>
            <numerusform>%n numeri</numerusform>
        </translation>
    </message>
    <message>
        <source>Doubles: none</source>
        <translation>Doppi: nessuno</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>Doppi:</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossibile scrivere “%1”: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>Sumdart worksheet</source>
        <translation>Scheda di Sumdart</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>non è stato possibile creare il PDF</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>non è stato possibile disegnare il PDF</translation>
    </message>
</context>
</TS>
