<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, doble de 50, centro</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, anillo interior</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, simple del %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, doble de %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, triple de %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, cuádruple de %2</translation>
    </message>
</context>
<context>
    <name>CheatChart</name>
    <message>
        <source>Sumdart Cheat Chart</source>
        <translation>Chuleta de Sumdart</translation>
    </message>
    <message>
        <source>Scroll the chart</source>
        <translation>Desplazar la chuleta</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tabla de multiplicar</translation>
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
        <translation>Dado %1: sin tirar</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <translation>Dado %1: rodando</translation>
    </message>
    <message>
        <source>Dice: %1, %2, %3, %4.</source>
        <translation>Dados: %1, %2, %3, %4.</translation>
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
        <translation>%1: %2, sin tiempo</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Partida de Sumdart</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>No se ha podido cargar la imagen «%1». Carpetas en las que se ha buscado: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>El ordenador ha elegido el %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Tirada nula: los puntos no cambian.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>¡FIN DE LA PARTIDA!</translation>
    </message>
    <message>
        <source>OUT OF TIME!</source>
        <translation>¡SIN TIEMPO!</translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Juega Azul</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Tirar dados</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Chuleta</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>El logotipo de Sumdart</translation>
    </message>
    <message>
        <source>Target Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>El ordenador juega con el rojo.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Segundos que quedan</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Has hecho una jugada no válida. Pierdes el turno.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>¡No lo olvides: tienes que acabar con un doble!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Juega Rojo</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Juega Verde</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Juega Amarillo</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>¡GANA AZUL!</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>¡GANA ROJO!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>¡GANA VERDE!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>¡GANA AMARILLO!</translation>
    </message>
    <message>
        <source>IT&apos;S A DRAW!</source>
        <translation>¡EMPATE!</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>El %1 no está en el tablero.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, sin tiempo</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>A %1 se le ha acabado el tiempo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2, %n second(s) left</source>
        <translation>
            <numerusform>%1 %2, le queda %n segundo</numerusform>
            <numerusform>%1 %2, le quedan %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n second(s) left</source>
        <translation>
            <numerusform>%1: le queda %n segundo</numerusform>
            <numerusform>%1: le quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 1 - Easy</source>
        <translation>El ordenador juega con el rojo en el nivel 1, el más fácil.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 2 - Medium</source>
        <translation>El ordenador juega con el rojo en el nivel 2, el intermedio.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 3 - Hard</source>
        <translation>El ordenador juega con el rojo en el nivel 3, el más difícil.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) scored</source>
        <translation>
            <numerusform>Vale %n punto</numerusform>
            <numerusform>Vale %n puntos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart: dardos de cálculo para el aula.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Muestra cada ventana a Z veces su tamaño (de 0,5 a 4, escrito con punto: p. ej. 1.5), o lo más grande que quepa en la pantalla con «fit» (para un proyector). Solo para esta vez; Ctrl+Más, Ctrl+Menos y Ctrl+0 cambian el tamaño, y ese cambio se recuerda.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart: no hay traducción para «%1»; las que hay son: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart: --zoom necesita un factor de 0,5 a 4 (escrito con punto, p. ej. 1.5) o fit</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (%1; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Muestra el juego en el idioma CODE (%1; en para inglés) solo para esta vez, en lugar del idioma del escritorio.</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source> Set Level for the computer</source>
        <translation> Elige el nivel del ordenador</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>El logotipo de Sumdart</translation>
    </message>
    <message>
        <source>Level 1 - Easy</source>
        <translation>Nivel 1: fácil</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>Level 3 - Hard</source>
        <translation>Nivel 3: difícil</translation>
    </message>
    <message>
        <source>Play solo</source>
        <translation>Jugar solo</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Jugar contra el ordenador</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Sumdart: play solo or against the computer</source>
        <translation>Sumdart: jugar solo o contra el ordenador</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>¿Listos para jugar?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>orden de juego</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>de 1 a 4 jugadores</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>dobles</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <source>quadruples</source>
        <translation>cuádruples</translation>
    </message>
    <message>
        <source>4 × the sector&apos;s number</source>
        <translation>4 × el número del sector</translation>
    </message>
    <message>
        <source>trebles</source>
        <translation>triples</translation>
    </message>
    <message>
        <source>3 × the sector&apos;s number</source>
        <translation>3 × el número del sector</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>dobles</translation>
    </message>
    <message>
        <source>2 × the sector&apos;s number</source>
        <translation>2 × el número del sector</translation>
    </message>
    <message>
        <source>singles</source>
        <translation>simples</translation>
    </message>
    <message>
        <source>the sector&apos;s number</source>
        <translation>el número del sector</translation>
    </message>
    <message>
        <source>four 50s</source>
        <translation>cuatro 50</translation>
    </message>
    <message>
        <source>not doubles</source>
        <translation>no son dobles</translation>
    </message>
    <message>
        <source>the centre: 100</source>
        <translation>el centro: 100</translation>
    </message>
    <message>
        <source>a double too</source>
        <translation>también es doble</translation>
    </message>
    <message>
        <source>Sumdart Rules</source>
        <translation>Reglas de Sumdart</translation>
    </message>
    <message>
        <source>The rules of Sumdart, a worked example and tips for the classroom</source>
        <translation>Las reglas de Sumdart, un ejemplo resuelto y consejos para el aula</translation>
    </message>
    <message>
        <source>Sumdart rules – page %1</source>
        <translation>Reglas de Sumdart – página %1</translation>
    </message>
    <message>
        <source>The rules of the game, a worked example and tips for the classroom</source>
        <translation>Las reglas del juego, un ejemplo resuelto y consejos para el aula</translation>
    </message>
    <message>
        <source>Sumdart is an arithmetic game for one to four players, played on a board that looks like a dartboard. Instead of throwing darts, the players throw four dice and use the numbers on them to make the score they want.</source>
        <translation>Sumdart es un juego de cálculo de uno a cuatro jugadores, con un tablero que se parece a una diana de dardos. En lugar de lanzar dardos, los jugadores tiran cuatro dados y usan sus números para conseguir los puntos que quieren.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>El objetivo del juego</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Cada jugador empieza con 501 puntos. Cada número que consigue un jugador se resta de sus puntos. Gana el primer jugador que baja sus puntos exactamente hasta cero y, como en los dardos, el último número tiene que ser un doble.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>El tablero</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>El tablero está dividido en veinte sectores, en el mismo orden que en una diana de dardos, en el sentido de las agujas del reloj y empezando por arriba: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Desde el centro hacia fuera, el tablero tiene:</translation>
    </message>
    <message>
        <source>the centre: 100;</source>
        <translation>el centro: 100;</translation>
    </message>
    <message>
        <source>the inner ring: four 50s;</source>
        <translation>el anillo interior: cuatro 50;</translation>
    </message>
    <message>
        <source>the singles, the first ring of twenty numbers: each sector&apos;s number;</source>
        <translation>los simples, el primer anillo de veinte números: el número de cada sector;</translation>
    </message>
    <message>
        <source>the doubles, the second ring of twenty numbers: twice the sector&apos;s number;</source>
        <translation>los dobles, el segundo anillo de veinte números: el doble del número del sector;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>los triples, el tercer anillo: el triple del número del sector;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>los cuádruples, el anillo exterior: el cuádruple del número del sector.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>A diferencia de una diana de dardos, el tablero de Sumdart tiene cuádruples. Solo se pueden pulsar los números que están en el tablero: el 23 y el 25, por ejemplo, no están.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>El tablero de Sumdart. Los dobles, rodeados de amarillo, son el segundo anillo y el 100 del centro.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>Los dobles son los veinte números del segundo anillo (los números pares del 2 al 40) y el 100 del centro. Ningún otro número es un doble: los 50 del anillo interior no son dobles, y tampoco lo es el 40 del anillo de cuádruples (cuatro veces 10).</translation>
    </message>
    <message>
        <source>Taking a turn</source>
        <translation>Cómo se juega un turno</translation>
    </message>
    <message>
        <source>Click Throw Dice. Four dice are thrown.</source>
        <translation>Pulsa «Tirar dados». Se tiran cuatro dados.</translation>
    </message>
    <message>
        <source>Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may add (+), subtract (−), multiply (×) and divide (÷), in any order, with brackets. If a calculation gives a number that is not whole, it is rounded to the nearest whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14.</source>
        <translation>Usa los cuatro números, cada uno exactamente una vez, para formar un número entero del 1 al 100. Puedes sumar (+), restar (−), multiplicar (×) y dividir (÷), en cualquier orden y con paréntesis. Si una operación da un número que no es entero, se redondea al número entero más cercano; si acaba justo en ,5, se redondea al número par: 8,5 cuenta como 8 y 13,5 como 14.</translation>
    </message>
    <message>
        <source>Click that number on the board.</source>
        <translation>Pulsa ese número en el tablero.</translation>
    </message>
    <message>
        <source>For example, if the dice show 6, 4, 3 and 1:</source>
        <translation>Por ejemplo, si en los dados salen 6, 4, 3 y 1:</translation>
    </message>
    <message>
        <source>The same throw can make many other numbers, for example:</source>
        <translation>Con la misma tirada se pueden formar muchos otros números, por ejemplo:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>También se puede formar el 96, con (6 × 4) × (3 + 1), pero el 96 no se puede pulsar: no está en el tablero.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>No se pueden poner dos cifras juntas para formar un número más grande: con 6, 4, 3 y 1 no se pueden juntar el 6 y el 4 para formar 64 o 46.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>El lápiz y el papel pueden ayudar con las cuentas, pero no se puede usar calculadora.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Cómo se cuentan los puntos</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Si los cuatro dados pueden formar el número pulsado, ese número se resta de los puntos del jugador.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Si los dados no pueden formar el número pulsado, la jugada no es válida: el jugador no consigue ningún punto y pierde el turno.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>En los dos casos, el turno pasa después al siguiente jugador.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Terminar con un doble</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>Los puntos tienen que llegar exactamente a cero, y el número que los deja en cero tiene que ser un doble. Si un número no cumple esta regla, la tirada es nula: no vale ningún punto y los puntos se quedan como estaban. Es tirada nula un número que:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>dejaría los puntos por debajo de cero (te pasas);</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>dejaría 1 punto, y con 1 nunca se puede terminar, porque el doble más pequeño es 2;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>dejaría los puntos en cero sin ser un doble.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Por ejemplo, si te quedan 40 puntos, ganas la partida pulsando el 40 del anillo de dobles (el doble de 20), pero el 40 del anillo de cuádruples es tirada nula. Si te quedan 100, ganas con el 100 del centro.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Jugadores y turnos</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>En Sumdart juegan de uno a cuatro jugadores, por turnos y en este orden: Azul, Rojo, Verde, Amarillo. Cada jugador elige un color antes de empezar la partida; si se juegan varias partidas seguidas, conviene cambiar de color en cada una.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Si hay un solo jugador, puede jugar solo o contra el ordenador. El ordenador siempre juega con el rojo (es el segundo jugador), en el nivel 1, 2 o 3. En el nivel 1 elige cualquier número que puedan formar sus dados y se toma su tiempo; en el nivel 3 elige siempre el número más alto que puede y es el más rápido; el nivel 2 está entre los dos.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Jugar contra el reloj</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Si en la pantalla de preparación se marca la casilla «Con reloj», cada jugador tiene un reloj. Cada reloj empieza con 300 segundos, salvo que se ponga otro tiempo en el cuadro «Tiempo total por jugador». El reloj de cada jugador solo corre durante su turno. Al jugador que se queda sin tiempo ya no le tocan más turnos en esa partida. Si todos los jugadores se quedan sin tiempo, la partida termina y gana el jugador al que le queden menos puntos; si dos empatan con los puntos más bajos, la partida acaba en empate.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Partidas más cortas</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Para una partida más corta, escribe un número más pequeño en el cuadro «Puntos» antes de empezar: 401, 301, 201 o 101 son buenas opciones.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>Ayuda durante la partida</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>El botón «Chuleta» abre una tabla de multiplicar. El número de cada casilla es el número del principio de su fila multiplicado por el número de arriba de su columna.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>«Salir» deja una partida a medias y la guarda; con «Continuar partida», en la pantalla de inicio, se sigue donde se dejó. «Nueva partida» vuelve a empezar desde el principio.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Un turno completo, paso a paso</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>Empieza la partida, así que Azul tiene 501 puntos. Azul pulsa «Tirar dados» y en los dados salen 5, 4, 3 y 2:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>Azul busca números que usen los cuatro dados, cada uno exactamente una vez. Aquí tienes algunos, con sus operaciones:</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Can Blue click it?</source>
        <translation>¿Puede pulsarlo Azul?</translation>
    </message>
    <message>
        <source>Yes, but it is a small score.</source>
        <translation>Sí, pero son pocos puntos.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Sí, como 8: si acaba justo en ,5, se redondea al número par.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Sí, como 14, el número par más cercano a 13,5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Sí: el 52 está en el anillo de cuádruples (cuatro veces 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Sí: el 64 está en el anillo de cuádruples (cuatro veces 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>No: los dados forman el 84, pero el 84 no está en el tablero.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>No: solo valen los números del 1 al 100.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>No: el 2 no se usa, y ninguna operación con los cuatro dados da 60. Pulsar el 60 sería una jugada no válida.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Sí: es el centro del tablero, el número más alto que hay.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Cuál elegir y por qué</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Cuando aún quedan muchos puntos, lo mejor es el número más alto que puedan formar los dados, porque es lo que más rápido baja los puntos. Azul pulsa el 100 del centro. Los dados pueden formarlo, así que se resta de los puntos de Azul:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Ahora a Azul le quedan 401 puntos, y le toca a Rojo. Cerca del final de la partida, el número más alto no siempre es el mejor: entonces conviene elegir un número que deje un doble, es decir, un número par del 2 al 40, o el 100. Si te queda un número impar de puntos, primero consigue un número impar.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>El final: un doble y una tirada nula</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Más adelante en la partida, a Amarillo le quedan 32 puntos y saca 4, 4, 2 y 1. Como 32 es el doble de 16, con esta tirada puede ganar:</translation>
    </message>
    <message>
        <source>Yellow makes and clicks</source>
        <translation>Amarillo forma y pulsa</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué pasa</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the doubles ring (double 16)</source>
        <translation>4 × 4 × 2 × 1 = 32, el 32 del anillo de dobles (el doble de 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, termina con un doble: ¡gana Amarillo!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, el 32 del anillo de cuádruples (cuatro veces 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Tirada nula: llega a cero, pero no con un doble. Amarillo no consigue ningún punto y se queda con 32.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Tirada nula: 48 es más que 32 (se pasa). Amarillo se queda con 32.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Válido: quedan 32 − 24 = 8, que es el doble de 4, listo para el siguiente turno.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>El mismo 32, si a Amarillo le quedaran 33</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Tirada nula: dejaría 1 punto, y con 1 punto no se puede terminar con un doble.</translation>
    </message>
    <message>
        <source>Tips for the classroom</source>
        <translation>Consejos para el aula</translation>
    </message>
    <message>
        <source>Pairs and teams.</source>
        <translation>Parejas y equipos.</translation>
    </message>
    <message>
        <source>Up to four pairs or small teams can play, one colour each. The mouse passes round the team every turn; the team agrees on a number and says the working aloud before clicking. Blue always goes first, so change colours between games.</source>
        <translation>Pueden jugar hasta cuatro parejas o equipos pequeños, cada uno con un color. En cada turno, el ratón pasa a otro miembro del equipo; el equipo se pone de acuerdo en un número y dice las operaciones en voz alta antes de pulsar. Azul siempre empieza, así que conviene cambiar de color entre partidas.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Menos puntos de salida para los más pequeños.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Una partida desde 501 lleva un rato. Con alumnos más pequeños o en una sesión corta, escribe 101 o 201 en el cuadro «Puntos»; 301 va bien como actividad para empezar la clase. Así el final, y con él los dobles, llega antes.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>Los relojes.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>Deja «Con reloj» sin marcar mientras los alumnos aprenden el juego, y márcalo cuando se sientan seguros: 300 segundos cada uno es un ritmo tranquilo, y con menos tiempo en «Tiempo total por jugador» la partida es más ágil. Cada reloj solo corre en el turno de su jugador y un número equivocado hace perder el turno, así que los relojes premian el cálculo rápido y cuidadoso, no las respuestas al azar.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>La chuleta.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Deja que los principiantes usen la «Chuleta» siempre que quieran para comprobar una multiplicación. Cuando los alumnos dominen mejor las tablas, rétalos a jugar una partida sin abrirla.</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Jugar contra el ordenador.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Un alumno sin compañero puede jugar contra el ordenador, que juega con el rojo. El nivel 1 es un rival fácil para quien empieza; el nivel 3 elige siempre el número más alto que puede y juega rápido. Va bien para quien termina antes la tarea y para practicar en un ordenador libre.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Lápiz y papel.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Da a cada jugador o equipo papel y lápiz (pero no calculadora). Pídeles que apunten cada tirada, las operaciones del número elegido y los puntos que les quedan. Al final, que intercambien las hojas y revisen las operaciones de los demás.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>Práctica de cálculo mental</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Cada turno es un pequeño problema de cálculo mental. Algunas ideas para sacarle partido:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>¿Cuántos números?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Tira una vez y da a la clase dos minutos para escribir todos los números distintos que puedan, cada uno con sus operaciones. Cada número que esté en el tablero vale un punto.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Da en el número.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Elige un número del tablero, por ejemplo el 36, y pregunta quién puede formarlo con la tirada. ¿Quién puede formar el número más alto del tablero? ¿Quién puede formar el 1?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Los paréntesis importan.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Pide las operaciones con paréntesis y compara los resultados: (6 + 4) × (3 + 1) = 40, pero 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Dilo primero.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Antes de pulsar, el jugador dice en voz alta los puntos que le van a quedar, por ejemplo 401 − 64 = 337, y la clase lo comprueba con los puntos que muestra el juego.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Dobles y mitades.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>Al final de la partida, pregunta qué doble se necesita (32 es el doble de 16) y qué números dejarían un doble para el siguiente turno.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Recuerda:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>usa los cuatro dados, cada uno una vez; el número tiene que estar en el tablero; y el último número tiene que ser un doble.</translation>
    </message>
    <message>
        <source>Good luck, and good sums!</source>
        <translation>¡Buena suerte y buenas cuentas!</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>Page 1 of 3</source>
        <translation>Página 1 de 3</translation>
    </message>
    <message>
        <source>Summary of the rules</source>
        <translation>Resumen de las reglas</translation>
    </message>
    <message>
        <source>The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.</source>
        <translation>El tablero se parece a una diana de dardos: está dividido en veinte sectores, ordenados igual que en una diana. El tablero de Sumdart tiene dobles y triples y, a diferencia de una diana, también cuádruples.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Cada jugador empieza con 501 puntos.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Por turnos, cada jugador tira cuatro dados y combina sus números para formar un número entero entre 1 y 100. Por ejemplo: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Cuando has formado un número con tu tirada, lo pulsas en el tablero de Sumdart y ese número se resta de tus puntos. El objetivo del juego es bajar tus puntos hasta cero. Como en los dardos, hay que terminar con un doble.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Gana el primer jugador que deja sus puntos en cero pulsando un doble.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Antes de jugar</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Antes de empezar la partida, puedes elegir sus opciones.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Puedes jugar contra el reloj: marca la casilla «Con reloj». Si no cambias nada, cada jugador tiene 300 segundos en total para todas sus jugadas; para cambiarlo, escribe otro número en el cuadro «Tiempo total por jugador».</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>En Sumdart pueden jugar de uno a cuatro jugadores. Para empezar, pulsa el botón con el número de jugadores. Después se juega por turnos en este orden: Azul, Rojo, Verde, Amarillo. Antes de empezar, cada jugador elige su color. Si se juegan varias partidas, conviene cambiar de color en cada una.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Si hay un solo jugador, pulsa el botón «1». Luego puedes elegir jugar solo o contra el ordenador. El ordenador siempre es el segundo jugador y juega con el rojo. Puedes elegir el nivel del ordenador.</translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Página 2 de 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Cómo formar un número</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Pulsa el botón «Tirar dados» y saldrán cuatro números al azar, como al tirar cuatro dados. Con esos cuatro números, usando cada uno una vez, tienes que formar un número entero entre 1 y 100. Puedes multiplicar, dividir, sumar o restar los números como quieras.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Pulsa el botón de la derecha para probar a tirar los dados.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Atención: no puedes formar un número poniendo dos cifras juntas. Por ejemplo, si te salen 6, 4, 3 y 1, no puedes juntar el 6 y el 4 para formar 64 o 46.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Puedes usar lápiz y papel para hacer las cuentas, pero no calculadora.</translation>
    </message>
    <message>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Algunos números que se pueden formar con una tirada:</translation>
    </message>
    <message>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Chuleta</translation>
    </message>
    <message>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Si necesitas ayuda con las cuentas, pulsa el botón de abajo: se abre la ventana de la chuleta. La chuleta es una tabla de multiplicar: el número de cada casilla es el resultado de multiplicar el número del principio de su fila por el número de arriba de su columna.</translation>
    </message>
    <message>
        <source>Page 3 of 3</source>
        <translation>Página 3 de 3</translation>
    </message>
    <message>
        <source>Selecting the number on the board</source>
        <translation>Elegir el número en el tablero</translation>
    </message>
    <message>
        <source>Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. </source>
        <translation>Cuando has formado un número, lo pulsas en el tablero. Si la cuenta está bien, consigues esos puntos y se restan de los puntos que te quedan.</translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Si te equivocas y eliges un número que no se puede formar con tu tirada, no consigues ningún punto y el turno pasa al siguiente jugador.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>El final</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Como en los dardos, cada jugador empieza con 501 puntos. La partida termina cuando un jugador deja sus puntos en cero. Pero, como en los dardos, el último número tiene que ser un doble y tiene que dejar los puntos exactamente en cero. (Los dobles son los números del segundo anillo de veinte números, contando desde el centro del tablero hacia fuera.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Jugar con reloj</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Si marcas «Con reloj» antes de empezar, cada jugador tiene un reloj que cuenta hacia atrás mientras es su turno. Si no cambias nada, el tiempo total es de 300 segundos, pero puedes cambiarlo antes de cada partida. Si a un jugador se le acaba el tiempo, ya no le tocan más turnos en esa partida. Si a todos se les acaba el tiempo, la partida termina y gana el jugador al que le queden menos puntos.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Partidas más cortas</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Para una partida más corta, escribe otro número en el cuadro «Puntos» antes de empezar. Por ejemplo: 401, 301, 201 o 101.</translation>
    </message>
    <message>
        <source>The Rules of Sumdart</source>
        <translation>Las reglas de Sumdart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Siguiente</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <source>Ready to play: one to four players take turns, with dice and a clock</source>
        <translation>¿Listos para jugar? De uno a cuatro jugadores, por turnos, con dados y un reloj</translation>
    </message>
    <message>
        <source>The board, with its ring of doubles</source>
        <translation>El tablero, con su anillo de dobles</translation>
    </message>
    <message>
        <source>Sumdart rules, page %1 of 3</source>
        <translation>Reglas de Sumdart, página %1 de 3</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Tirar dados</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Abrir las reglas para imprimir</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>El logotipo de Sumdart</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>Timers On</source>
        <translation>Con reloj</translation>
    </message>
    <message>
        <source>Set Total Time Allowed</source>
        <translation>Tiempo total por jugador</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Fondo azul</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>¿Cuántos jugadores?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart: preparar la partida</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n jugador</numerusform>
            <numerusform>%n jugadores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>uso: sumdart-solve DADO DADO DADO DADO   (cuatro números enteros del 1 al 6)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>«%1» no es un número entero</translation>
    </message>
    <message>
        <source>%1 is outside 1 to 6</source>
        <translation>%1 no está entre 1 y 6</translation>
    </message>
    <message>
        <source>usage: sumdart-solve %1</source>
        <translation>uso: sumdart-solve %1</translation>
    </message>
    <message>
        <source>the number of throws must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>el número de tiradas tiene que ser un número entero del 1 al %1, no «%2»</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>%1 tiene que ir seguido de un número entero</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>la semilla tiene que ser un número entero del 0 al %1, no «%2»</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>%1 tiene que ir seguido de un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado: «%1»</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>error interno: no se han encontrado respuestas para %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>Se ha creado %1: %2 en %3 y, después, las soluciones en %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>no hay traducción para «%1»; las que hay son: %2</translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 solo se usa con --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>se necesitan cuatro dados, no %1</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(no se ha encontrado ninguna operación)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>error interno: no se ha encontrado ninguna operación para %1</translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s)</source>
        <translation>
            <numerusform>%n tirada</numerusform>
            <numerusform>%n tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) can be made from %1.</source>
        <translation>
            <numerusform>Con %1 se puede formar %n número.</numerusform>
            <numerusform>Con %1 se pueden formar %n números.</numerusform>
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

Muestra cada número entero del 1 al 100 que se puede formar con los cuatro
dados, usando cada dado una vez con +, -, × y ÷ y los paréntesis que hagan
falta, y una forma de obtenerlo:
  40 = (6 + 3 + 1) × 4            exacto
  62 ≈ 5 × 5 × 5 ÷ 2 = 62,5       redondeado al número entero más cercano
                                  (si acaba justo en ,5, al número par)
Un valor que no es un decimal corto se muestra como fracción, con su valor
redondeado a dos decimales, p. ej. 50/3 (16,67). La última línea cuenta
los números.

Con --worksheet, en su lugar crea un PDF para imprimir en clase: N tiradas
sacadas igual que en el juego, cada una con sus cuatro dados y dos líneas
para escribir el número más alto y un doble; después, en una página nueva,
las soluciones: para cada tirada, cuántos números del 1 al 100 se pueden
formar, el más alto y cada doble del tablero (2 a 40) que se puede formar,
cada uno con una forma de obtenerlo.
  --worksheet [N]     N tiradas, de 1 a %3 (si no se indica, %4)
  --seed S            saca las tiradas a partir de S, un número entero: con la
                      misma semilla sale la misma ficha; sin ella, cada
                      ficha es distinta
  -o, --output FILE   el PDF que se crea (si no se indica: %5
                      en la carpeta actual); un archivo que ya existe solo
                      se sustituye cuando el nuevo está terminado
  --letter            papel US Letter en lugar de A4
  --lang CODE         el idioma de los mensajes y de la ficha (de, es, fr,
                      it, nl, pl, pt_BR; en para inglés) en lugar del idioma
                      del escritorio
Ejemplo: sumdart-solve --worksheet 12 --seed 2024 -o lunes.pdf

  -h, --help   muestra esta ayuda
  --version    muestra la versión
</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>A dartboard of numbers</source>
        <translation>Una diana de números</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Continuar partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Sumdart Worksheet</source>
        <translation>Ficha de Sumdart</translation>
    </message>
    <message>
        <source>Use all four dice, each once, with + − × ÷. Make the highest number you can, and make a double.</source>
        <translation>Usa los cuatro dados, cada uno una vez, con + − × ÷. Forma el número más alto que puedas y forma también un doble.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Un doble es 2, 4, 6, … hasta %1. Si un resultado no es entero, cuenta como el número entero más cercano.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Para cada tirada: cuántos de los números del 1 al 100 se pueden formar, el más alto y cada doble que se puede formar, cada uno con una forma de obtenerlo. «=» exacto; «≈» redondeado al número entero más cercano (si acaba justo en ,5, al número par).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>Para repetir la misma ficha: %1</translation>
    </message>
    <message>
        <source>Sumdart · page %1 of %2</source>
        <translation>Sumdart · página %1 de %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Throw %1</source>
        <translation>Tirada %1</translation>
    </message>
    <message>
        <source>Highest:</source>
        <translation>Más alto:</translation>
    </message>
    <message>
        <source>Double:</source>
        <translation>Doble:</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Soluciones (continuación)</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Doubles: none</source>
        <translation>Dobles: ninguno</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>Dobles:</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>Sumdart worksheet</source>
        <translation>Ficha de Sumdart</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>no se ha podido crear el PDF</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>no se ha podido dibujar el PDF</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s)</source>
        <translation>
            <numerusform>%n número</numerusform>
            <numerusform>%n números</numerusform>
        </translation>
    </message>
</context>
</TS>
