<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, doble 50, centro</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, anillo interior</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, simple %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, doble %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, triple %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, cuádruple %2</translation>
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
        <translation>Desplazar la tabla</translation>
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
        <source>%1: %2 seconds left</source>
        <translation>%1: quedan %2 segundos</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Partida de Sumdart</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>No se pudo cargar la imagen &quot;%1&quot;. Carpetas buscadas: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>El ordenador eligió %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 point scored</source>
        <translation>Anota %1 punto</translation>
    </message>
    <message>
        <source>%1 points scored</source>
        <translation>Anota %1 puntos</translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Tirada nula: la meta no cambia.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>¡SE ACABÓ!</translation>
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
        <translation>Reiniciar</translation>
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
        <translation>Meta</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>El ordenador juega como Rojo.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Jugada no válida. Pierdes el turno.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>¡Recuerda: debes acabar con un doble!</translation>
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
        <source>%1 %2, %3 seconds left</source>
        <translation>%1 %2, quedan %3 segundos</translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, sin tiempo</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>%1 se ha quedado sin tiempo.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart: dardos aritméticos para el aula.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Dibuja cada ventana a Z veces su tamaño (de 0.5 a 4, p. ej. 1.5), o tan grande como quepa en la pantalla con &quot;fit&quot; (para un proyector). Solo para esta ejecución; Ctrl+Más, Ctrl+Menos y Ctrl+0 cambian el zoom y se recuerdan.</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (de, es, fr; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Muestra el juego en el idioma CODE (de, es, fr; en para inglés) en esta ejecución, en lugar del idioma del escritorio.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart: no hay traducción para &quot;%1&quot;; hay: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart: --zoom admite un factor de 0.5 a 4, o fit</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source>The computer is playing as red. </source>
        <translation>El ordenador juega como Rojo. </translation>
    </message>
    <message>
        <source> Set Level for the computer</source>
        <translation> Nivel del ordenador</translation>
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
    <message>
        <source>Level 2 - Medium</source>
        <translation>Nivel 2: medio</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>¿Preparados?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>turnos</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>1-4 jugadores</translation>
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
        <translation>Sumdart es un juego de aritmética para uno a cuatro jugadores que se juega en un tablero parecido a una diana de dardos. En lugar de lanzar dardos, los jugadores tiran cuatro dados y usan sus números para formar la puntuación que quieren.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>El objetivo del juego</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Cada jugador empieza con una meta de 501 puntos. Cada puntuación que consigue se resta de su meta. Gana el primer jugador que baja su meta exactamente a cero y, como en los dardos, el último número debe ser un doble.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>El tablero</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>El tablero está dividido en veinte sectores, en el mismo orden que en una diana de dardos, en el sentido de las agujas del reloj desde arriba: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Desde el centro hacia fuera, el tablero muestra:</translation>
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
        <translation>los dobles, el segundo anillo de veinte números: dos veces el número del sector;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>los triples, el tercer anillo: tres veces el número del sector;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>los cuádruples, el anillo exterior: cuatro veces el número del sector.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>A diferencia de una diana de dardos, el tablero de Sumdart tiene cuádruples. Solo se pueden pulsar los números del tablero: el 23 y el 25, por ejemplo, no están en él.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>El tablero de Sumdart. Los dobles, rodeados en amarillo, son el segundo anillo y el 100 del centro.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>Los dobles son los veinte números del segundo anillo (los números pares del 2 al 40) y el 100 del centro. Ningún otro número es un doble: los 50 del anillo interior no son dobles, ni tampoco el 40 del anillo de cuádruples (cuatro veces 10).</translation>
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
        <translation>Usa los cuatro números, cada uno exactamente una vez, para formar un número entero del 1 al 100. Puedes sumar (+), restar (−), multiplicar (×) y dividir (÷), en cualquier orden y con paréntesis. Si un cálculo da un número que no es entero, se redondea al número entero más cercano; una mitad exacta va al vecino par, así que 8.5 cuenta como 8 y 13.5 como 14.</translation>
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
        <translation>La misma tirada puede formar muchos otros números, por ejemplo:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>También puede formar 96, como (6 × 4) × (3 + 1), pero el 96 no se puede pulsar: no está en el tablero.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>No se pueden poner cifras una al lado de otra para formar un número mayor: con 6, 4, 3 y 1, un jugador no puede juntar el 6 y el 4 para formar 64 o 46.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>El lápiz y el papel pueden ayudar con las cuentas, pero no se permiten calculadoras.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Si los cuatro dados pueden formar el número pulsado, este se resta de la meta del jugador.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Si los dados no pueden formar el número pulsado, la jugada no es válida: el jugador no se anota nada y pierde el turno.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>En ambos casos, el turno pasa después al siguiente jugador.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Acabar con un doble</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>La meta debe llegar exactamente a cero, y el número que la deja en cero debe ser un doble. Si un número incumple esta regla, la tirada es nula: no puntúa y la meta se queda como estaba. La tirada es nula cuando el número:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>dejaría la meta por debajo de cero (se pasa);</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>dejaría 1, que nunca se puede acabar, porque el doble más pequeño es 2;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>dejaría la meta en cero sin ser un doble.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Por ejemplo, si quedan 40, pulsar el 40 del anillo de dobles (doble 20) gana la partida, mientras que el 40 del anillo de cuádruples da tirada nula. Si quedan 100, gana el 100 del centro.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Jugadores y turnos</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>Sumdart se juega con uno a cuatro jugadores, que juegan por turnos en el orden Azul, Rojo, Verde, Amarillo. Cada jugador debe elegir un color antes de empezar la partida; si se juegan varias partidas seguidas, conviene cambiar de color entre una y otra.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Un solo jugador puede jugar sin rival o contra el ordenador. El ordenador siempre juega como Rojo, el segundo jugador, en el nivel 1, 2 o 3. En el nivel 1 elige cualquier número que puedan formar sus dados y se toma su tiempo; en el nivel 3 elige siempre el número más alto que puede y es el más rápido; el nivel 2 está en medio.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Jugar contra el reloj</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Cuando la casilla «Con reloj» está marcada en la pantalla de preparación, cada jugador tiene un reloj. Cada reloj tiene 300 segundos, salvo que se fije otro tiempo total en el cuadro «Tiempo total permitido». El reloj de un jugador solo corre hacia atrás durante su propio turno. Un jugador que se queda sin tiempo no tiene más turnos en el resto de la partida. Si todos los jugadores se quedan sin tiempo, la partida termina y gana el jugador con la meta restante más baja; si dos empatan con la más baja, la partida acaba en empate.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Partidas más cortas</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Para una partida más corta, escribe una meta más pequeña en el cuadro «Meta» antes de empezar: 401, 301, 201 o 101 son buenas opciones.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>Ayuda durante la partida</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>El botón «Chuleta» abre una tabla de multiplicar. El número de cada casilla es el número al principio de su fila multiplicado por el número de arriba de su columna.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>«Salir» abandona una partida en curso y la guarda; «Reanudar partida», en la pantalla de título, la continúa donde se dejó. «Reiniciar» vuelve a empezar desde el principio.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Un turno completo, paso a paso</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>Es el comienzo de una partida, así que la meta de Azul es 501. Azul pulsa «Tirar dados» y en los dados salen 5, 4, 3 y 2:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>Azul busca números que usen los cuatro dados, cada uno exactamente una vez. Aquí hay algunos, con las operaciones:</translation>
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
        <translation>Sí, pero es una puntuación pequeña.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Sí, como 8: una mitad exacta va al vecino par.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Sí, como 14, el vecino par de 13.5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Sí: 52 está en el anillo de cuádruples (cuatro veces 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Sí: 64 está en el anillo de cuádruples (cuatro veces 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>No: los dados forman 84, pero el 84 no está en el tablero.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>No: solo cuentan los números del 1 al 100.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>No: el 2 no se usa, y ninguna operación con los cuatro dados da 60. Pulsar el 60 sería una jugada no válida.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Sí: el centro del tablero, el número más alto que hay.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Cuál elegir y por qué</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Cuando aún queda mucho, lo mejor es el número más alto que puedan formar los dados, porque es lo que más rápido baja la meta. Azul pulsa el 100 del centro. Los dados pueden formarlo, así que se resta de la meta de Azul:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Ahora la meta de Azul es 401, y es el turno de Rojo. Cerca del final de la partida, el número más alto no siempre es el mejor: entonces conviene elegir un número que deje un doble, es decir, un número par del 2 al 40, o el 100. Con una meta impar, primero hay que anotar un número impar.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>El final: un doble y una tirada nula</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Más adelante en la partida, a Amarillo le quedan 32 y saca 4, 4, 2 y 1. Como 32 es doble 16, esta tirada puede ganar:</translation>
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
        <translation>4 × 4 × 2 × 1 = 32, el 32 del anillo de dobles (doble 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, acaba con un doble: ¡gana Amarillo!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, el 32 del anillo de cuádruples (cuatro veces 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Tirada nula: llega a cero, pero no con un doble. Amarillo no se anota nada y la meta se queda en 32.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Tirada nula: 48 es más que 32 (se pasa). La meta se queda en 32.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Permitido: quedan 32 − 24 = 8, que es doble 4, listo para el siguiente turno.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>El mismo 32, si a Amarillo le quedaran 33</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Tirada nula: dejaría 1, que ningún doble puede acabar.</translation>
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
        <translation>Pueden jugar hasta cuatro parejas o equipos pequeños, un color cada uno. El ratón pasa de mano en mano dentro del equipo en cada turno; el equipo se pone de acuerdo en un número y dice las operaciones en voz alta antes de pulsar. Azul siempre empieza, así que conviene cambiar de color entre partidas.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Metas más cortas para los más pequeños.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Una partida desde 501 lleva un rato. Con alumnos más pequeños o en una sesión corta, escribe 101 o 201 en el cuadro «Meta»; 301 va bien para empezar una clase. Así el final, y con él los dobles, llega antes.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>Usar los relojes.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>Deja «Con reloj» sin marcar mientras los alumnos aprenden el juego, y márcalo cuando tengan confianza: 300 segundos cada uno es un ritmo tranquilo, y un total menor en «Tiempo total permitido» hace la partida más ágil. Un reloj solo corre en el turno de su jugador y un número equivocado hace perder el turno, así que los relojes premian el cálculo rápido y cuidadoso, no adivinar.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>La chuleta.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Deja que los principiantes usen la «Chuleta» libremente para comprobar un producto. Cuando los alumnos dominen mejor las tablas, rétalos a jugar una partida sin abrirla.</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Jugar contra el ordenador.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Un alumno solo puede jugar contra el ordenador, que juega como Rojo. El nivel 1 es un rival suave para un principiante; el nivel 3 elige siempre el número más alto que puede y juega rápido. Va bien para quien termina antes y para practicar en un ordenador libre.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Lápiz y papel.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Da a cada jugador o equipo papel y lápiz (pero no calculadora). Pídeles que anoten cada tirada, las operaciones del número elegido y su nueva meta. Al final, que intercambien las hojas y comprueben las operaciones de los demás.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>Práctica de cálculo mental</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Cada turno es un pequeño problema de cálculo mental. Algunas formas de sacarle partido:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>¿Cuántos números?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Tira una vez y da a la clase dos minutos para anotar tantos números distintos como puedan, cada uno con sus operaciones. Un punto por cada uno que esté en el tablero.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Da en el número.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Elige un número del tablero, por ejemplo 36, y pregunta quién puede formarlo con la tirada. ¿Quién puede formar el número más alto del tablero? ¿Quién puede formar el 1?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Los paréntesis importan.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Pide las operaciones con paréntesis y compara: (6 + 4) × (3 + 1) = 40, pero 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Primero, dilo.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Antes de pulsar, el jugador dice en voz alta la nueva meta, por ejemplo 401 − 64 = 337, y la clase la comprueba con la puntuación que muestra el juego.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Dobles y mitades.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>Al final, pregunta qué doble se necesita (32 es doble 16) y qué números dejarían un doble para el siguiente turno.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Recuerda:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>usa los cuatro dados, cada uno una vez; el número debe estar en el tablero; y el último número debe ser un doble.</translation>
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
        <translation>El tablero se parece a una diana de dardos: está dividido en veinte sectores, ordenados igual que en una diana. El tablero de Sumdart tiene dobles y triples, pero, a diferencia de una diana, también tiene cuádruples.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Cada jugador empieza con una meta de 501 puntos.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Por turnos, cada jugador tira cuatro dados y combina sus valores para formar un número entero entre 1 y 100. Por ejemplo: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Cuando un jugador ha formado un número con su tirada, lo pulsa en el tablero de Sumdart y ese número se resta de su meta. El objetivo del juego es reducir tu meta a cero. Como en una partida normal de dardos, hay que acabar con un doble.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Gana el primer jugador que reduce su meta a cero pulsando un doble.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Antes de jugar</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Antes de empezar, los jugadores pueden ajustar las opciones de la partida.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>Sumdart se puede jugar contra el reloj: marca la casilla «Con reloj». Por defecto, cada jugador tiene en total 300 segundos para todas sus jugadas. Puedes cambiarlo con el valor del cuadro «Tiempo total permitido».</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>Sumdart se juega con uno a cuatro jugadores. Para empezar, pulsa el botón con el número de jugadores. Después juegan por turnos en este orden: Azul, Rojo, Verde, Amarillo. Antes de seguir, cada jugador debe elegir su color. Si se juegan varias partidas, conviene cambiar de color antes de cada una.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Si hay un solo jugador, pulsa el botón «1». Después puede jugar solo o contra el ordenador. El ordenador siempre es el segundo jugador: Rojo. El jugador puede elegir el nivel del ordenador.</translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Página 2 de 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Formar un número</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>El jugador pulsa el botón «Tirar dados» y salen cuatro números al azar, como en una tirada de dados. Con los cuatro números, usando cada uno una vez, debe formar un número entero entre 1 y 100. Puede multiplicar, dividir, sumar o restar los números en cualquier combinación.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Pulsa el botón de la derecha para probar a tirar los dados.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Nota: no se puede formar un número poniendo dos cifras una al lado de la otra. Por ejemplo, tras sacar 6, 4, 3 y 1, no se puede juntar el 6 y el 4 para formar 64 o 46.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Los jugadores pueden usar lápiz y papel para hacer las cuentas, pero no calculadora.</translation>
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
        <translation>Para ayudarte con las cuentas, pulsa el botón de abajo: abre la ventana «Chuleta». La chuleta es una tabla de multiplicar: el número de cada casilla es el producto del número al principio de su fila por el número de arriba de su columna.</translation>
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
        <translation>Una vez formado el número, el jugador lo pulsa en el tablero. Si el cálculo es correcto, se anota esos puntos, que se restan de lo que le queda de su meta.</translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Si se equivoca y elige un número que no se puede formar con la tirada, no se anota ningún punto y el turno pasa al siguiente jugador.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>El final</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Como en los dardos, los jugadores empiezan con una meta de 501 puntos. La partida acaba cuando un jugador reduce su total a cero. Pero, como en los dardos, la última puntuación debe hacerse pulsando un doble y debe dejar la meta exactamente en cero. (Los dobles son los números del segundo anillo de veinte números, contando desde el centro del tablero hacia fuera.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Jugar con reloj</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Si se marca la opción «Con reloj» antes de empezar, cada jugador tendrá un reloj que cuenta hacia atrás mientras es su turno. Por defecto, el tiempo total es de 300 segundos, pero se puede cambiar antes de cada partida. Si a un jugador se le acaba el tiempo, ya no tendrá más turnos en el resto de la partida. Si a todos se les acaba el tiempo, la partida termina y gana el jugador con la meta más baja.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Partidas cortas</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Para una partida más corta, escribe otra meta en el cuadro «Meta» antes de empezar. Buenas metas son 401, 301, 201 o 101.</translation>
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
        <translation>Preparados para jugar: de uno a cuatro jugadores por turnos, con dados y un reloj</translation>
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
        <translation>Abrir reglas para imprimir</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Meta</translation>
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
        <translation>Tiempo total permitido</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Fondo azul</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Número de jugadores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jugadores</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart: preparar una partida</translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>uso: sumdart-solve DIE DIE DIE DIE   (cuatro números enteros del 1 al 6)</translation>
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
                      (de, es, fr; en for English) instead of the desktop&apos;s
Example: sumdart-solve --worksheet 12 --seed 2024 -o monday.pdf

  -h, --help   show this help
  --version    show the version
</source>
        <translation>%1
     sumdart-solve %2

Muestra cada número entero del 1 al 100 que pueden formar los cuatro dados,
con cada dado una vez, +, -, × y ÷ y paréntesis, y una forma de obtenerlo:
  40 = (6 + 3 + 1) × 4            exacto
  62 ≈ 5 × 5 × 5 ÷ 2 = 62.5       redondeado al número entero más cercano
                                  (una mitad exacta va al número par)
Un valor que no es un decimal corto se muestra como fracción, con su valor
con dos decimales, p. ej. 50/3 (16.67). La última línea cuenta los números.

Con --worksheet, escribe en su lugar un PDF para imprimir en clase: N tiradas
sacadas como las saca el juego, cada una con cuatro dados y líneas para
escribir el número más alto y un doble; luego, en una página nueva, las
soluciones: para cada tirada, cuántos números del 1 al 100 forma, el más alto
y cada doble del tablero (2 a 40) que forma, cada uno con una forma de hacerlo.
  --worksheet [N]     N tiradas, de 1 a %3 (por defecto %4)
  --seed S            saca las tiradas a partir de S, un entero: la misma
                      semilla da la misma ficha; sin ella, cada ficha cambia
  -o, --output FILE   el PDF de salida (por defecto: %5
                      en la carpeta actual); un archivo existente solo se
                      sustituye cuando el nuevo está completo
  --letter            papel US Letter en lugar de A4
  --lang CODE         el idioma de los mensajes y de la ficha
                      (de, es, fr; en para inglés), no el del escritorio
Ejemplo: sumdart-solve --worksheet 12 --seed 2024 -o monday.pdf

  -h, --help   muestra esta ayuda
  --version    muestra la versión
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>&quot;%1&quot; no es un número entero</translation>
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
        <translation>el número de tiradas debe ser un número entero del 1 al %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>%1 debe ir seguido de un número entero</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>la semilla debe ser un número entero del 0 al %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>%1 debe ir seguido de un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>error interno: no se encontraron respuestas para %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 throw</source>
        <translation>%1 tirada</translation>
    </message>
    <message>
        <source>%1 throws</source>
        <translation>%1 tiradas</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 página</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 páginas</translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>Escrito %1: %2 en %3 y, después, las soluciones en %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>no hay traducción para &quot;%1&quot;; hay: %2</translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 solo se usa con --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>se esperaban cuatro dados, se recibieron %1</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(no se encontró ninguna expresión)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>error interno: no se encontró ninguna expresión para %1</translation>
    </message>
    <message>
        <source>%1 number can be made from %2.</source>
        <translation>Con %2 se puede formar %1 número.</translation>
    </message>
    <message>
        <source>%1 numbers can be made from %2.</source>
        <translation>Con %2 se pueden formar %1 números.</translation>
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
        <translation>Reanudar partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Usa los cuatro dados, cada uno una vez, con + − × ÷. Forma el número más alto que puedas, y forma un doble.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Un doble es 2, 4, 6, … hasta %1. Un resultado que no es entero cuenta como el número entero más cercano.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Para cada tirada: cuántos de los números del 1 al 100 forma, el más alto y cada doble que forma, cada uno con una forma de obtenerlo. «=» exacto; «≈» redondeado al número entero más cercano (una mitad exacta va al número par).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>La misma ficha otra vez: %1</translation>
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
        <translation>Máximo:</translation>
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
        <source>1 number</source>
        <translation>1 número</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 números</translation>
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
        <translation>no se puede escribir &quot;%1&quot;: %2</translation>
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
        <translation>no se pudo empezar el PDF</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>no se pudo dibujar el PDF</translation>
    </message>
</context>
</TS>
