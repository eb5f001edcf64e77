<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, podwójne 50, środek</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, pierścień wewnętrzny</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, pojedyncze %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, podwójne %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, potrójne %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, poczwórne %2</translation>
    </message>
</context>
<context>
    <name>CheatChart</name>
    <message>
        <source>Sumdart Cheat Chart</source>
        <translation>Sumdart – ściągawka</translation>
    </message>
    <message>
        <source>Scroll the chart</source>
        <translation>Przewiń ściągawkę</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tabliczka mnożenia</translation>
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
        <translation>Kostka %1: jeszcze nierzucona</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Kostka %1: %2</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <translation>Kostka %1: toczy się</translation>
    </message>
    <message>
        <source>Dice: %1, %2, %3, %4.</source>
        <translation>Kostki: %1, %2, %3, %4.</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 is not on the board.</source>
        <translation>Liczby %1 nie ma na tarczy.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2, %n second(s) left</source>
        <translation>
            <numerusform>%1 %2, została %n sekunda</numerusform>
            <numerusform>%1 %2, zostały %n sekundy</numerusform>
            <numerusform>%1 %2, zostało %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, koniec czasu</translation>
    </message>
    <message>
        <source>%1: %2, out of time</source>
        <translation>%1: %2, koniec czasu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n second(s) left</source>
        <translation>
            <numerusform>%1: została %n sekunda</numerusform>
            <numerusform>%1: zostały %n sekundy</numerusform>
            <numerusform>%1: zostało %n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Teraz Niebieski</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Logo gry Sumdart</translation>
    </message>
    <message>
        <source>Target Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>Komputer gra jako Czerwony.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Pozostałe sekundy</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Rzuć kostkami</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Ściągawka</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Ten ruch jest niedozwolony. Tracisz kolejkę.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>Pamiętaj: kończysz na polu podwójnym!</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 1 - Easy</source>
        <translation>Komputer gra jako Czerwony, poziom 1 – łatwy.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 2 - Medium</source>
        <translation>Komputer gra jako Czerwony, poziom 2 – średni.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 3 - Hard</source>
        <translation>Komputer gra jako Czerwony, poziom 3 – trudny.</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Gra Sumdart</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>Nie udało się wczytać obrazka „%1”. Przeszukane foldery: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>Komputer wybrał %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) scored</source>
        <translation>
            <numerusform>Zdobyto %n punkt</numerusform>
            <numerusform>Zdobyto %n punkty</numerusform>
            <numerusform>Zdobyto %n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Ruch spalony: punkty się nie zmieniają.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>KONIEC GRY!!!</translation>
    </message>
    <message>
        <source>OUT OF TIME!</source>
        <translation>KONIEC CZASU!</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>%1 nie ma już czasu.</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>NIEBIESKI WYGRAŁ!</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>CZERWONY WYGRAŁ!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>ZIELONY WYGRAŁ!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>ŻÓŁTY WYGRAŁ!</translation>
    </message>
    <message>
        <source>IT&apos;S A DRAW!</source>
        <translation>REMIS!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Teraz Czerwony</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Teraz Zielony</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Teraz Żółty</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart: matematyczne rzutki na lekcje w klasie.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Rysuje każde okno w skali Z (od 0,5 do 4; ułamek wpisz z kropką, np. 1.5) albo, z „fit”, tak duże, jak pozwala ekran (do projektora). Tylko przy tym uruchomieniu; Ctrl+Plus, Ctrl+Minus i Ctrl+0 zmieniają powiększenie i zostają zapamiętane.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart: nie ma tłumaczenia na „%1”; dostępne języki: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart: --zoom przyjmuje skalę od 0,5 do 4 (ułamek z kropką, np. 1.5) albo fit</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (%1; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Pokazuje grę w języku o kodzie CODE (%1; en to angielski) tylko przy tym uruchomieniu, zamiast w języku pulpitu.</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source> Set Level for the computer</source>
        <translation> Wybierz poziom komputera</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Logo gry Sumdart</translation>
    </message>
    <message>
        <source>Level 1 - Easy</source>
        <translation>1 – łatwy</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>2 – średni</translation>
    </message>
    <message>
        <source>Level 3 - Hard</source>
        <translation>3 – trudny</translation>
    </message>
    <message>
        <source>Play solo</source>
        <translation>Graj w pojedynkę</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Graj z komputerem</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Sumdart: play solo or against the computer</source>
        <translation>Sumdart: graj w pojedynkę albo z komputerem</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>Gotowi do gry?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>kolejność ruchów</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>od 1 do 4 graczy</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>podwójne</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <source>quadruples</source>
        <translation>poczwórne</translation>
    </message>
    <message>
        <source>4 × the sector&apos;s number</source>
        <translation>4 × liczba sektora</translation>
    </message>
    <message>
        <source>trebles</source>
        <translation>potrójne</translation>
    </message>
    <message>
        <source>3 × the sector&apos;s number</source>
        <translation>3 × liczba sektora</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>podwójne</translation>
    </message>
    <message>
        <source>2 × the sector&apos;s number</source>
        <translation>2 × liczba sektora</translation>
    </message>
    <message>
        <source>singles</source>
        <translation>pojedyncze</translation>
    </message>
    <message>
        <source>the sector&apos;s number</source>
        <translation>liczba sektora</translation>
    </message>
    <message>
        <source>four 50s</source>
        <translation>cztery pola 50</translation>
    </message>
    <message>
        <source>not doubles</source>
        <translation>nie są podwójne</translation>
    </message>
    <message>
        <source>the centre: 100</source>
        <translation>środek: 100</translation>
    </message>
    <message>
        <source>a double too</source>
        <translation>też podwójne</translation>
    </message>
    <message>
        <source>Sumdart Rules</source>
        <translation>Zasady gry Sumdart</translation>
    </message>
    <message>
        <source>The rules of Sumdart, a worked example and tips for the classroom</source>
        <translation>Zasady gry Sumdart, przykład krok po kroku i wskazówki do pracy w klasie</translation>
    </message>
    <message>
        <source>Sumdart rules – page %1</source>
        <translation>Zasady gry Sumdart – strona %1</translation>
    </message>
    <message>
        <source>The rules of the game, a worked example and tips for the classroom</source>
        <translation>Zasady gry, przykład krok po kroku i wskazówki do pracy w klasie</translation>
    </message>
    <message>
        <source>Sumdart is an arithmetic game for one to four players, played on a board that looks like a dartboard. Instead of throwing darts, the players throw four dice and use the numbers on them to make the score they want.</source>
        <translation>Sumdart to gra matematyczna dla jednego do czterech graczy. Gra się na tarczy, która wygląda jak tarcza do rzutek. Zamiast rzucać rzutkami, gracze rzucają czterema kostkami i z wyrzuconych liczb układają taką liczbę, jaką chcą zdobyć.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>Cel gry</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Każdy gracz zaczyna z 501 punktami. Każdą liczbę, którą gracz zdobędzie, odejmuje się od jego punktów. Wygrywa ten, kto pierwszy zejdzie ze swoimi punktami dokładnie do zera, a – tak jak w rzutkach – ostatnia liczba musi być z pola podwójnego.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Tarcza</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>Tarcza jest podzielona na dwadzieścia sektorów ułożonych w tej samej kolejności co na tarczy do rzutek, zgodnie z ruchem wskazówek zegara, od góry: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Od środka na zewnątrz na tarczy są:</translation>
    </message>
    <message>
        <source>the centre: 100;</source>
        <translation>środek: 100;</translation>
    </message>
    <message>
        <source>the inner ring: four 50s;</source>
        <translation>pierścień wewnętrzny: cztery pola 50;</translation>
    </message>
    <message>
        <source>the singles, the first ring of twenty numbers: each sector&apos;s number;</source>
        <translation>pola pojedyncze, pierwszy pierścień dwudziestu liczb: liczba sektora;</translation>
    </message>
    <message>
        <source>the doubles, the second ring of twenty numbers: twice the sector&apos;s number;</source>
        <translation>pola podwójne, drugi pierścień dwudziestu liczb: dwa razy liczba sektora;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>pola potrójne, trzeci pierścień: trzy razy liczba sektora;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>pola poczwórne, pierścień zewnętrzny: cztery razy liczba sektora.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>W odróżnieniu od tarczy do rzutek tarcza Sumdart ma pola poczwórne. Kliknąć można tylko liczby, które są na tarczy: na przykład 23 i 25 na niej nie ma.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>Tarcza Sumdart. Pola podwójne, obwiedzione na żółto, to drugi pierścień i 100 na środku.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>Pola podwójne to dwadzieścia liczb drugiego pierścienia (liczby parzyste od 2 do 40) i 100 na środku. Żadne inne pole nie jest podwójne: ani pola 50 w pierścieniu wewnętrznym, ani pole 40 w pierścieniu pól poczwórnych (cztery razy 10).</translation>
    </message>
    <message>
        <source>Taking a turn</source>
        <translation>Jak wygląda ruch</translation>
    </message>
    <message>
        <source>Click Throw Dice. Four dice are thrown.</source>
        <translation>Kliknij „Rzuć kostkami”. Rzucasz czterema kostkami.</translation>
    </message>
    <message>
        <source>Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may add (+), subtract (−), multiply (×) and divide (÷), in any order, with brackets. If a calculation gives a number that is not whole, it is rounded to the nearest whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14.</source>
        <translation>Użyj wszystkich czterech liczb, każdej dokładnie raz, i ułóż z nich liczbę całkowitą od 1 do 100. Możesz dodawać (+), odejmować (−), mnożyć (×) i dzielić (÷), w dowolnej kolejności i z nawiasami. Jeśli wynik obliczenia nie jest liczbą całkowitą, zaokrągla się go do najbliższej liczby całkowitej; gdy wynik kończy się na ,5, zaokrągla się go do sąsiedniej liczby parzystej, więc 8,5 liczy się jako 8, a 13,5 jako 14.</translation>
    </message>
    <message>
        <source>Click that number on the board.</source>
        <translation>Kliknij tę liczbę na tarczy.</translation>
    </message>
    <message>
        <source>For example, if the dice show 6, 4, 3 and 1:</source>
        <translation>Na przykład, jeśli na kostkach wypadło 6, 4, 3 i 1:</translation>
    </message>
    <message>
        <source>The same throw can make many other numbers, for example:</source>
        <translation>Z tego samego rzutu można ułożyć wiele innych liczb, na przykład:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>Da się też ułożyć 96, bo (6 × 4) × (3 + 1) = 96, ale 96 nie można kliknąć: tej liczby nie ma na tarczy.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Nie wolno stawiać cyfr obok siebie, żeby powstała większa liczba: mając 6, 4, 3 i 1, gracz nie może połączyć 6 i 4 w 64 ani w 46.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>W liczeniu mogą pomóc ołówek i kartka, ale kalkulatory są niedozwolone.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Liczenie punktów</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Jeśli z czterech kostek da się ułożyć klikniętą liczbę, odejmuje się ją od punktów gracza.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Jeśli z kostek nie da się ułożyć klikniętej liczby, ruch jest niedozwolony: gracz nic nie zdobywa i traci kolejkę.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>W obu przypadkach kolejka przechodzi potem na następnego gracza.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Zakończenie na polu podwójnym</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>Punkty muszą zejść dokładnie do zera, a liczba, która sprowadza je do zera, musi być z pola podwójnego. Liczba, która łamie tę zasadę, to ruch spalony: nic nie daje, a punkty zostają takie, jakie były. Ruch jest spalony, gdy liczba:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>sprowadziłaby punkty poniżej zera (za dużo);</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>zostawiłaby 1 punkt, a z 1 nie da się zakończyć gry, bo najmniejsze pole podwójne to 2;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>sprowadziłaby punkty do zera, choć nie jest z pola podwójnego.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Na przykład gdy zostało 40 punktów, kliknięcie 40 w pierścieniu pól podwójnych (dwa razy 20) wygrywa grę, a 40 w pierścieniu pól poczwórnych to ruch spalony. Gdy zostało 100 punktów, wygrywa 100 na środku.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Gracze i kolejność ruchów</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>W Sumdart gra od jednego do czterech graczy, którzy wykonują ruchy w kolejności: Niebieski, Czerwony, Zielony, Żółty. Przed rozpoczęciem gry każdy gracz wybiera swój kolor; jeśli rozgrywa się kilka partii, gracze zamieniają się kolorami między partiami.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Jeden gracz może grać sam albo z komputerem. Komputer zawsze gra jako Czerwony, drugi gracz, na poziomie 1, 2 lub 3. Na poziomie 1 bierze dowolną liczbę, jaką da się ułożyć z jego kostek, i gra bez pośpiechu; na poziomie 3 zawsze bierze największą możliwą liczbę i gra najszybciej; poziom 2 jest pośrodku.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Gra z zegarem</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Gdy na ekranie ustawień zaznaczone jest pole „Z&#xa0;zegarem”, każdy gracz ma swój zegar. Każdy zegar ma 300 sekund, chyba że w polu „Czas każdego gracza” wpisano inny łączny czas. Zegar gracza odlicza czas tylko w jego kolejce. Gracz, któremu skończy się czas, nie ma już ruchów do końca gry. Jeśli czas skończy się wszystkim graczom, gra się kończy i wygrywa gracz, któremu zostało najmniej punktów; jeśli najmniej punktów ma naraz dwóch graczy, jest remis.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Krótsza gra</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Żeby gra była krótsza, przed startem wpisz mniejszą liczbę w polu „Punkty”: dobrze sprawdzają się 401, 301, 201 albo 101.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>Pomoc w czasie gry</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>Przycisk „Ściągawka” otwiera tabliczkę mnożenia. Liczba w każdym kwadracie to liczba z początku jej wiersza pomnożona przez liczbę z góry jej kolumny.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>Przycisk „Wyjdź” przerywa rozpoczętą grę i ją zapisuje; przycisk „Wznów poprzednią grę” na ekranie startowym pozwala grać dalej od miejsca, w którym gra została przerwana. Przycisk „Nowa gra” zaczyna grę od początku.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Cały ruch krok po kroku</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>To początek gry, więc Niebieski ma 501 punktów. Niebieski klika „Rzuć kostkami”, a na kostkach wypada 5, 4, 3 i 2:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>Niebieski szuka liczb, które wykorzystują wszystkie cztery kostki, każdą dokładnie raz. Oto kilka z nich, z obliczeniami:</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Obliczenie</translation>
    </message>
    <message>
        <source>Can Blue click it?</source>
        <translation>Czy Niebieski może ją kliknąć?</translation>
    </message>
    <message>
        <source>Yes, but it is a small score.</source>
        <translation>Tak, ale to mało punktów.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Tak, liczy się jako 8: wynik kończący się na ,5 zaokrągla się do sąsiedniej liczby parzystej.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Tak, liczy się jako 14: to liczba parzysta sąsiadująca z 13,5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Tak: 52 jest w pierścieniu pól poczwórnych (cztery razy 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Tak: 64 jest w pierścieniu pól poczwórnych (cztery razy 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>Nie: z kostek wychodzi 84, ale 84 nie ma na tarczy.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>Nie: liczą się tylko liczby od 1 do 100.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>Nie: nie użyto liczby 2, a żadne obliczenie ze wszystkimi czterema kostkami nie daje 60. Kliknięcie 60 byłoby ruchem niedozwolonym.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Tak: to środek tarczy, największa liczba, jaka na niej jest.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Którą liczbę wybrać i dlaczego</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Gdy do końca jest jeszcze daleko, najlepsza jest największa liczba, jaką da się ułożyć z kostek, bo najszybciej zmniejsza punkty. Niebieski klika 100 na środku. Z kostek da się ułożyć tę liczbę, więc odejmuje się ją od punktów Niebieskiego:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Niebieski ma teraz 401 punktów, a ruch ma Czerwony. Pod koniec gry największa liczba nie zawsze jest najlepsza: wtedy wybierz liczbę, po której zostanie pole podwójne, czyli liczba parzysta od 2 do 40 albo 100. Gdy masz nieparzystą liczbę punktów, najpierw zdobądź liczbę nieparzystą.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>Zakończenie: pole podwójne i ruch spalony</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Później w grze Żółty ma jeszcze 32 punkty i wyrzuca 4, 4, 2 i 1. Ponieważ 32 to dwa razy 16, ten rzut może dać wygraną:</translation>
    </message>
    <message>
        <source>Yellow makes and clicks</source>
        <translation>Żółty układa i klika</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Co się dzieje</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the doubles ring (double 16)</source>
        <translation>4 × 4 × 2 × 1 = 32, pole 32 w pierścieniu pól podwójnych (dwa razy 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, zakończenie na polu podwójnym: Żółty wygrywa!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, pole 32 w pierścieniu pól poczwórnych (cztery razy 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Ruch spalony: punkty schodzą do zera, ale nie na polu podwójnym. Żółty nic nie zdobywa i nadal ma 32 punkty.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Ruch spalony: 48 to więcej niż 32 (za dużo). Żółty nadal ma 32 punkty.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Dozwolone: zostaje 32 − 24 = 8, czyli dwa razy 4 – pole podwójne na następną kolejkę.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>To samo 32, gdyby Żółty miał 33 punkty</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Ruch spalony: zostałby 1 punkt, a z 1 nie da się zakończyć gry na żadnym polu podwójnym.</translation>
    </message>
    <message>
        <source>Tips for the classroom</source>
        <translation>Wskazówki do pracy w klasie</translation>
    </message>
    <message>
        <source>Pairs and teams.</source>
        <translation>Pary i drużyny.</translation>
    </message>
    <message>
        <source>Up to four pairs or small teams can play, one colour each. The mouse passes round the team every turn; the team agrees on a number and says the working aloud before clicking. Blue always goes first, so change colours between games.</source>
        <translation>Mogą grać najwyżej cztery pary albo małe drużyny, każda innym kolorem. W każdej kolejce mysz przechodzi do następnej osoby w drużynie; drużyna uzgadnia liczbę i przed kliknięciem mówi na głos obliczenie. Niebieski zawsze zaczyna, więc między partiami zamieniamy kolory.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Mniej punktów dla młodszych uczniów.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Gra od 501 trwa dość długo. Z młodszymi uczniami albo na krótkie zajęcia wpisujemy 101 lub 201 w polu „Punkty”; 301 dobrze sprawdza się na rozgrzewkę na początku lekcji. Wtedy szybciej przychodzi końcówka, a razem z nią pola podwójne.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>Gra z zegarem.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>Dopóki uczniowie uczą się gry, zostawiamy pole „Z&#xa0;zegarem” niezaznaczone, a zaznaczamy je, gdy poczują się pewnie: 300 sekund na gracza to spokojne tempo, a mniejszy czas w polu „Czas każdego gracza” daje szybką grę. Zegar chodzi tylko w kolejce swojego gracza, a zła liczba oznacza utratę kolejki, więc zegary nagradzają szybkie i staranne liczenie, a nie zgadywanie.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>Ściągawka.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Początkującym pozwalamy swobodnie sprawdzać iloczyny w ściągawce. Gdy uczniowie coraz pewniej znają tabliczkę mnożenia, rzucamy im wyzwanie: cała gra bez otwierania ściągawki.</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Gra z komputerem.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Uczeń, który nie ma pary, może grać z komputerem; komputer gra jako Czerwony. Poziom 1 to łagodny przeciwnik dla początkującego; poziom 3 zawsze bierze największą możliwą liczbę i gra szybko. To dobre zajęcie dla tych, którzy wcześniej skończyli pracę, i do ćwiczeń przy wolnym komputerze.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Ołówek i kartka.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Każdy gracz lub każda drużyna dostaje kartkę i ołówek (ale nie kalkulator). Prosimy, żeby zapisywali każdy rzut, obliczenie wybranej liczby i swoje nowe punkty. Na koniec wymieniają się kartkami i sprawdzają nawzajem swoje obliczenia.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>Ćwiczenia z liczenia w pamięci</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Każdy ruch to małe zadanie z liczenia w pamięci. Kilka sposobów, jak najlepiej to wykorzystać:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>Ile liczb?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Rzucamy raz, a potem klasa ma dwie minuty, żeby zapisać jak najwięcej różnych liczb, każdą z obliczeniem. Za każdą liczbę, która jest na tarczy, jest jeden punkt.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Traf w liczbę.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Wybieramy liczbę z tarczy, na przykład 36, i pytamy, kto ułoży ją z tego rzutu. Kto ułoży największą liczbę z tarczy? Kto ułoży 1?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Nawiasy są ważne.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Prosimy o zapis obliczeń z nawiasami i porównujemy: (6 + 4) × (3 + 1) = 40, ale 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Najpierw powiedz.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Przed kliknięciem gracz mówi na głos, ile punktów mu zostanie, na przykład 401 − 64 = 337, a klasa porównuje to z punktami, które pokazuje gra.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Podwajanie i dzielenie na pół.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>Przy końcówce pytamy, które pole podwójne jest potrzebne (32 to dwa razy 16) i po których liczbach zostanie pole podwójne na następną kolejkę.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Pamiętaj:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>użyj wszystkich czterech kostek, każdej raz; liczba musi być na tarczy; a ostatnia liczba musi być z pola podwójnego.</translation>
    </message>
    <message>
        <source>Good luck, and good sums!</source>
        <translation>Powodzenia i dobrego liczenia!</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>Page 1 of 3</source>
        <translation>Strona 1 z 3</translation>
    </message>
    <message>
        <source>Summary of the rules</source>
        <translation>Zasady w skrócie</translation>
    </message>
    <message>
        <source>The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.</source>
        <translation>Tarcza do gry wygląda jak tarcza do rzutek. Jest podzielona na dwadzieścia sektorów ułożonych w tej samej kolejności co na tarczy do rzutek. Tarcza Sumdart ma pola podwójne i potrójne, ale w odróżnieniu od tarczy do rzutek ma też pola poczwórne.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Każdy gracz zaczyna z 501 punktami.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Gracze po kolei rzucają czterema kostkami i łączą wyrzucone liczby tak, żeby otrzymać liczbę całkowitą od 1 do 100. Na przykład: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Gdy gracz ułoży liczbę ze swojego rzutu, klika tę liczbę na tarczy Sumdart. Liczba ta jest odejmowana od jego punktów. Celem gry jest zejście ze swoimi punktami do zera. Tak jak w zwykłej grze w rzutki, trzeba zakończyć na polu podwójnym.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Wygrywa gracz, który pierwszy sprowadzi swoje punkty do zera, klikając pole podwójne.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Przygotowanie do gry</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Przed rozpoczęciem gry gracze mogą zmienić jej ustawienia.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>W Sumdart można grać z zegarem. Aby grać z zegarem, zaznacz pole „Z&#xa0;zegarem”. Domyślnie każdy gracz ma łącznie 300 sekund na wszystkie swoje ruchy. Można to zmienić, wpisując inną liczbę w polu „Czas każdego gracza”.</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>W Sumdart może grać od jednego do czterech graczy. Aby zacząć grę, kliknij przycisk z liczbą graczy. Gracze wykonują ruchy w kolejności: Niebieski, Czerwony, Zielony, Żółty. Przed rozpoczęciem gry każdy gracz wybiera swój kolor. Jeśli gracie kilka partii, przed każdą partią zamieńcie się kolorami.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Jeśli jest tylko jeden gracz, kliknij przycisk „1”. Gracz może wtedy grać w pojedynkę albo z komputerem. Komputer zawsze gra jako drugi gracz – Czerwony. Gracz może wybrać poziom gry komputera.</translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Strona 2 z 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Układanie liczby</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Gracz klika przycisk „Rzuć kostkami”. Losowane są wtedy cztery liczby, tak jak przy rzucie kostkami. Gracz musi ułożyć liczbę całkowitą od 1 do 100, używając każdej z czterech liczb jeden raz. Może mnożyć, dzielić, dodawać i odejmować te liczby w dowolnym połączeniu.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Kliknij przycisk po prawej, żeby spróbować rzucić kostkami.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Uwaga: nie wolno tworzyć liczby, stawiając dwie cyfry obok siebie.                                                            Na przykład po wyrzuceniu 6, 4, 3 i 1 nie można połączyć 6 i 4 w 64 ani w 46.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Przy liczeniu gracze mogą pomagać sobie ołówkiem i kartką, ale nie używają kalkulatora.</translation>
    </message>
    <message>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Przykłady liczb, które można ułożyć z jednego rzutu:</translation>
    </message>
    <message>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Ściągawka</translation>
    </message>
    <message>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>W liczeniu pomaga przycisk pokazany poniżej, który otwiera okno „Ściągawka”. Ściągawka to tabliczka mnożenia. Liczba w każdym kwadracie to liczba z początku jej wiersza pomnożona przez liczbę z góry jej kolumny.</translation>
    </message>
    <message>
        <source>Page 3 of 3</source>
        <translation>Strona 3 z 3</translation>
    </message>
    <message>
        <source>Selecting the number on the board</source>
        <translation>Wybieranie liczby na tarczy</translation>
    </message>
    <message>
        <source>Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. </source>
        <translation>Po ułożeniu liczby gracz klika ją na tarczy. Jeśli liczba jest dobrze obliczona, odejmuje się ją od punktów, które zostały graczowi.</translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Jeśli gracz się pomylił i wybrał liczbę, której nie da się ułożyć z rzutu, jego punkty się nie zmieniają, a kolejka przechodzi na następnego gracza.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Tak jak w rzutkach, gracze zaczynają z 501 punktami. Gra kończy się, gdy jeden z graczy zejdzie ze swoimi punktami do zera. Jednak – też jak w rzutkach – ostatnią liczbę trzeba zdobyć, klikając pole podwójne, i musi ona sprowadzić punkty dokładnie do zera. (Pola podwójne to liczby w drugim pierścieniu dwudziestu liczb, licząc od środka tarczy na zewnątrz.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Gra z zegarem</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Jeśli przed rozpoczęciem gry zaznaczysz pole „Z&#xa0;zegarem”, każdy gracz ma zegar, który odlicza czas zawsze wtedy, gdy przychodzi jego kolejka. Domyślnie każdy gracz ma łącznie 300 sekund, ale przed każdą grą można to zmienić. Gracz, któremu skończy się czas, nie ma już ruchów do końca gry. Gdy czas skończy się wszystkim graczom, gra się kończy, a wygrywa gracz, któremu zostało najmniej punktów.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Krótsza gra</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Żeby gra była krótsza, przed jej rozpoczęciem wpisz inną liczbę w polu „Punkty”. Dobrze sprawdzają się na przykład 401, 301, 201 lub 101.</translation>
    </message>
    <message>
        <source>The Rules of Sumdart</source>
        <translation>Zasady gry Sumdart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Dalej</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Wstecz</translation>
    </message>
    <message>
        <source>Ready to play: one to four players take turns, with dice and a clock</source>
        <translation>Gotowi do gry: od jednego do czterech graczy gra po kolei, z kostkami i zegarem</translation>
    </message>
    <message>
        <source>The board, with its ring of doubles</source>
        <translation>Tarcza z pierścieniem pól podwójnych</translation>
    </message>
    <message>
        <source>Sumdart rules, page %1 of 3</source>
        <translation>Zasady gry Sumdart, strona %1 z 3</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Rzuć kostkami</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Otwórz zasady do wydruku</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Logo gry Sumdart</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Timers On</source>
        <translation>Z&#xa0;zegarem</translation>
    </message>
    <message>
        <source>Set Total Time Allowed</source>
        <translation>Czas każdego gracza</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sek.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Zasady gry</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Ukryj pulpit</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Wybierz liczbę graczy</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart: ustawienia gry</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n gracz</numerusform>
            <numerusform>%n graczy</numerusform>
            <numerusform>%n graczy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>użycie: sumdart-solve KOSTKA KOSTKA KOSTKA KOSTKA   (cztery liczby całkowite od 1 do 6)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>„%1” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 is outside 1 to 6</source>
        <translation>%1 nie mieści się w zakresie od 1 do 6</translation>
    </message>
    <message>
        <source>usage: sumdart-solve %1</source>
        <translation>użycie: sumdart-solve %1</translation>
    </message>
    <message>
        <source>the number of throws must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>liczba rzutów musi być liczbą całkowitą od 1 do %1, a nie „%2”</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>po %1 musi być liczba całkowita</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>ziarno musi być liczbą całkowitą od 0 do %1, a nie „%2”</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>po %1 musi być nazwa pliku</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>błąd wewnętrzny: nie znaleziono odpowiedzi dla %1 %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s)</source>
        <translation>
            <numerusform>%n rzut</numerusform>
            <numerusform>%n rzuty</numerusform>
            <numerusform>%n rzutów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n stronie</numerusform>
            <numerusform>%n stronach</numerusform>
            <numerusform>%n stronach</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>Zapisano %1: %2 na %3, a potem klucz odpowiedzi na %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>nie ma tłumaczenia na „%1”; dostępne języki: %2</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(nie znaleziono działania)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>błąd wewnętrzny: nie znaleziono działania dla %1</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) can be made from %1.</source>
        <translation>
            <numerusform>Z rzutu %1 można ułożyć %n liczbę.</numerusform>
            <numerusform>Z rzutu %1 można ułożyć %n liczby.</numerusform>
            <numerusform>Z rzutu %1 można ułożyć %n liczb.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 działa tylko z --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>oczekiwano czterech kostek, podano: %1</translation>
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

Wypisuje każdą liczbę całkowitą od 1 do 100, którą da się ułożyć z czterech
kostek, używając każdej kostki raz, działań +, -, × i ÷ oraz nawiasów, razem
z jednym sposobem jej ułożenia:
  40 = (6 + 3 + 1) × 4            wynik dokładny
  62 ≈ 5 × 5 × 5 ÷ 2 = 62,5       wynik zaokrąglony do najbliższej liczby
                                  całkowitej (gdy kończy się na ,5 –
                                  do sąsiedniej liczby parzystej)
Wartość, która nie jest krótkim ułamkiem dziesiętnym, jest pokazana jako
ułamek zwykły z wartością do dwóch miejsc po przecinku, np. 50/3 (16,67).
Ostatni wiersz podaje, ile liczb da się ułożyć.

Z opcją --worksheet zamiast tego zapisuje plik PDF do wydrukowania dla klasy:
N rzutów wylosowanych tak, jak losuje je gra, każdy pokazany jako cztery
kostki z liniami do wpisania największej liczby i pola podwójnego, a potem,
na nowej stronie, klucz odpowiedzi, który dla każdego rzutu podaje, ile liczb
od 1 do 100 da się z niego ułożyć, największą z nich i każdą liczbę z pola
podwójnego (od 2 do 40), którą da się ułożyć, każdą z jednym sposobem ułożenia.
  --worksheet [N]     N rzutów, od 1 do %3 (domyślnie %4)
  --seed S            losuje rzuty z ziarna S (liczby całkowitej): to samo
                      ziarno daje tę samą kartę; bez niego każda jest inna
  -o, --output FILE   plik PDF do zapisania (domyślnie: %5
                      w bieżącym folderze); istniejący plik zostaje
                      zastąpiony dopiero wtedy, gdy nowy jest gotowy
  --letter            papier US Letter zamiast A4
  --lang CODE         język komunikatów i karty pracy (np. pl, de, es, fr;
                      en to angielski) zamiast języka pulpitu
Przykład: sumdart-solve --worksheet 12 --seed 2024 -o poniedzialek.pdf

  -h, --help   pokazuje tę pomoc
  --version    pokazuje wersję
</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>A dartboard of numbers</source>
        <translation>Tarcza do rzutek z liczbami</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Wznów poprzednią grę</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Sumdart Worksheet</source>
        <translation>Sumdart – karta pracy</translation>
    </message>
    <message>
        <source>Use all four dice, each once, with + − × ÷. Make the highest number you can, and make a double.</source>
        <translation>Użyj wszystkich czterech kostek, każdej raz, i działań + − × ÷. Ułóż jak największą liczbę, a potem liczbę z pola podwójnego.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Pola podwójne to 2, 4, 6, … aż do %1. Wynik, który nie jest liczbą całkowitą, liczy się jako najbliższa liczba całkowita.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Dla każdego rzutu: ile liczb od 1 do 100 da się z niego ułożyć, największa z nich i każda liczba z pola podwójnego, jaką da się ułożyć – każda z jednym sposobem ułożenia. „=” oznacza wynik dokładny; „≈” wynik zaokrąglony do najbliższej liczby całkowitej (gdy kończy się na ,5 – do sąsiedniej liczby parzystej).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>Ta sama karta jeszcze raz: %1</translation>
    </message>
    <message>
        <source>Sumdart · page %1 of %2</source>
        <translation>Sumdart · strona %1 z %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię i nazwisko:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Throw %1</source>
        <translation>Rzut %1</translation>
    </message>
    <message>
        <source>Highest:</source>
        <translation>Największa liczba:</translation>
    </message>
    <message>
        <source>Double:</source>
        <translation>Pole podwójne:</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Klucz odpowiedzi (ciąg dalszy)</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Klucz odpowiedzi</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s)</source>
        <translation>
            <numerusform>%n liczba</numerusform>
            <numerusform>%n liczby</numerusform>
            <numerusform>%n liczb</numerusform>
        </translation>
    </message>
    <message>
        <source>Doubles: none</source>
        <translation>Podwójne: brak</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>Podwójne:</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest folder</translation>
    </message>
    <message>
        <source>Sumdart worksheet</source>
        <translation>Sumdart – karta pracy</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>nie udało się utworzyć pliku PDF</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>nie udało się narysować pliku PDF</translation>
    </message>
</context>
</TS>
