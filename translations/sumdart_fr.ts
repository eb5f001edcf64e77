<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, double de 50, centre</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, anneau intérieur</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, simple %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, double de %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, triple de %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, quadruple de %2</translation>
    </message>
</context>
<context>
    <name>CheatChart</name>
    <message>
        <source>Sumdart Cheat Chart</source>
        <translation>Antisèche de Sumdart</translation>
    </message>
    <message>
        <source>Scroll the chart</source>
        <translation>Faire défiler l&apos;antisèche</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Table de multiplication</translation>
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
        <translation>Dé %1&#xa0;: pas encore lancé</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dé %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <translation>Dé %1&#xa0;: en train de rouler</translation>
    </message>
    <message>
        <source>Dice: %1, %2, %3, %4.</source>
        <translation>Dés&#xa0;: %1, %2, %3, %4.</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2, out of time</source>
        <translation>%1&#xa0;: %2, temps écoulé</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Partie de Sumdart</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>Impossible d&apos;afficher l&apos;image «&#xa0;%1&#xa0;». Dossiers où elle a été cherchée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>L&apos;ordinateur a choisi %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Coup annulé&#xa0;: le score ne change pas.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>C&apos;EST FINI&#xa0;!!!</translation>
    </message>
    <message>
        <source>OUT OF TIME!</source>
        <translation>TEMPS ÉCOULÉ</translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>C&apos;est à Bleu</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Autre partie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Antisèche</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Le logo de Sumdart</translation>
    </message>
    <message>
        <source>Target Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>L&apos;ordinateur joue en rouge.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Secondes restantes</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Coup non valable&#xa0;: tu perds ton tour.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>N&apos;oublie pas&#xa0;: il faut finir sur un double&#xa0;!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>C&apos;est à Rouge</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>C&apos;est à Vert</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>C&apos;est à Jaune</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>BLEU GAGNE&#xa0;!</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>ROUGE GAGNE&#xa0;!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>VERT GAGNE&#xa0;!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>JAUNE GAGNE&#xa0;!</translation>
    </message>
    <message>
        <source>IT&apos;S A DRAW!</source>
        <translation>ÉGALITÉ&#xa0;!</translation>
    </message>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 n&apos;est pas sur le plateau.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, temps écoulé</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>%1 n&apos;a plus de temps.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2, %n second(s) left</source>
        <translation>
            <numerusform>%1 %2, %n seconde restante</numerusform>
            <numerusform>%1 %2, %n secondes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n second(s) left</source>
        <translation>
            <numerusform>%1&#xa0;: %n seconde restante</numerusform>
            <numerusform>%1&#xa0;: %n secondes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 1 - Easy</source>
        <translation>L&apos;ordinateur joue en rouge, au niveau 1 (facile).</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 2 - Medium</source>
        <translation>L&apos;ordinateur joue en rouge, au niveau 2 (moyen).</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 3 - Hard</source>
        <translation>L&apos;ordinateur joue en rouge, au niveau 3 (difficile).</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) scored</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart&#xa0;: des fléchettes de calcul pour la classe.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Affiche chaque fenêtre à Z fois sa taille (de 0,5 à 4, écrit avec un point, p. ex. 1.5), ou aussi grande que l&apos;écran le permet avec «&#xa0;fit&#xa0;» (pour un vidéoprojecteur). Pour ce lancement seulement&#xa0;; Ctrl+Plus, Ctrl+Moins et Ctrl+0 changent le zoom, qui est mémorisé.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart&#xa0;: pas de traduction pour «&#xa0;%1&#xa0;»&#xa0;; langues disponibles&#xa0;: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart&#xa0;: --zoom attend un facteur de 0,5 à 4 (écrit avec un point, p. ex. 1.5), ou fit</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (%1; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Affiche le jeu dans la langue CODE (%1&#xa0;; en pour l&apos;anglais) pour ce lancement seulement, au lieu de celle du bureau.</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source> Set Level for the computer</source>
        <translation> Niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Le logo de Sumdart</translation>
    </message>
    <message>
        <source>Level 1 - Easy</source>
        <translation>1 – Facile</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>2 – Moyen</translation>
    </message>
    <message>
        <source>Level 3 - Hard</source>
        <translation>3 – Difficile</translation>
    </message>
    <message>
        <source>Play solo</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Jouer contre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Sumdart: play solo or against the computer</source>
        <translation>Sumdart&#xa0;: jouer en solo ou contre l&apos;ordinateur</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>Prêts à jouer&#xa0;?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>ordre de passage</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>de 1 à 4 joueurs</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>doubles</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <source>quadruples</source>
        <translation>quadruples</translation>
    </message>
    <message>
        <source>4 × the sector&apos;s number</source>
        <translation>4 × le nombre du secteur</translation>
    </message>
    <message>
        <source>trebles</source>
        <translation>triples</translation>
    </message>
    <message>
        <source>3 × the sector&apos;s number</source>
        <translation>3 × le nombre du secteur</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>doubles</translation>
    </message>
    <message>
        <source>2 × the sector&apos;s number</source>
        <translation>2 × le nombre du secteur</translation>
    </message>
    <message>
        <source>singles</source>
        <translation>simples</translation>
    </message>
    <message>
        <source>the sector&apos;s number</source>
        <translation>le nombre du secteur</translation>
    </message>
    <message>
        <source>four 50s</source>
        <translation>quatre 50</translation>
    </message>
    <message>
        <source>not doubles</source>
        <translation>pas des doubles</translation>
    </message>
    <message>
        <source>the centre: 100</source>
        <translation>le centre&#xa0;: 100</translation>
    </message>
    <message>
        <source>a double too</source>
        <translation>aussi un double</translation>
    </message>
    <message>
        <source>Sumdart Rules</source>
        <translation>Règles de Sumdart</translation>
    </message>
    <message>
        <source>The rules of Sumdart, a worked example and tips for the classroom</source>
        <translation>Les règles de Sumdart, un exemple pas à pas et des conseils pour la classe</translation>
    </message>
    <message>
        <source>Sumdart rules – page %1</source>
        <translation>Règles de Sumdart – page %1</translation>
    </message>
    <message>
        <source>The rules of the game, a worked example and tips for the classroom</source>
        <translation>Les règles du jeu, un exemple pas à pas et des conseils pour la classe</translation>
    </message>
    <message>
        <source>Sumdart is an arithmetic game for one to four players, played on a board that looks like a dartboard. Instead of throwing darts, the players throw four dice and use the numbers on them to make the score they want.</source>
        <translation>Sumdart est un jeu de calcul pour un à quatre joueurs, qui se joue sur un plateau ressemblant à une cible de fléchettes. Au lieu de lancer des fléchettes, les joueurs lancent quatre dés et calculent avec les nombres obtenus pour marquer les points qu&apos;ils veulent.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>Le but du jeu</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Chaque joueur commence avec un score de 501 points. Les points qu&apos;il marque sont soustraits de son score. Le gagnant est le premier joueur qui fait descendre son score exactement à zéro et, comme aux fléchettes, le dernier nombre doit être un double.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>Le plateau</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>Le plateau est divisé en vingt secteurs, dans le même ordre que sur une cible de fléchettes, dans le sens des aiguilles d&apos;une montre en partant du haut&#xa0;: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Du centre vers l&apos;extérieur, on trouve&#xa0;:</translation>
    </message>
    <message>
        <source>the centre: 100;</source>
        <translation>le centre&#xa0;: 100&#xa0;;</translation>
    </message>
    <message>
        <source>the inner ring: four 50s;</source>
        <translation>l&apos;anneau intérieur&#xa0;: quatre 50&#xa0;;</translation>
    </message>
    <message>
        <source>the singles, the first ring of twenty numbers: each sector&apos;s number;</source>
        <translation>les simples, premier anneau de vingt nombres&#xa0;: le nombre de chaque secteur&#xa0;;</translation>
    </message>
    <message>
        <source>the doubles, the second ring of twenty numbers: twice the sector&apos;s number;</source>
        <translation>les doubles, deuxième anneau de vingt nombres&#xa0;: le double du nombre du secteur&#xa0;;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>les triples, troisième anneau&#xa0;: le triple du nombre du secteur&#xa0;;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>les quadruples, anneau extérieur&#xa0;: le quadruple du nombre du secteur.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>Contrairement à une cible de fléchettes, le plateau de Sumdart a des quadruples. On ne peut cliquer que sur les nombres du plateau&#xa0;: 23 et 25, par exemple, n&apos;y sont pas.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>Le plateau de Sumdart. Les doubles, entourés de jaune, sont les nombres du deuxième anneau et le 100 du centre.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>Les doubles sont les vingt nombres du deuxième anneau (les nombres pairs de 2 à 40) et le 100 du centre. Aucun autre nombre n&apos;est un double&#xa0;: les 50 de l&apos;anneau intérieur ne sont pas des doubles, pas plus que le 40 de l&apos;anneau des quadruples (quatre fois 10).</translation>
    </message>
    <message>
        <source>Taking a turn</source>
        <translation>Jouer un tour</translation>
    </message>
    <message>
        <source>Click Throw Dice. Four dice are thrown.</source>
        <translation>Clique sur «&#xa0;Lancer&#xa0;». Quatre dés sont lancés.</translation>
    </message>
    <message>
        <source>Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may add (+), subtract (−), multiply (×) and divide (÷), in any order, with brackets. If a calculation gives a number that is not whole, it is rounded to the nearest whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14.</source>
        <translation>Utilise les quatre nombres, chacun exactement une fois, pour obtenir un nombre entier de 1 à 100. Tu peux additionner (+), soustraire (−), multiplier (×) et diviser (÷), dans l&apos;ordre que tu veux, avec des parenthèses. Si un calcul donne un nombre qui n&apos;est pas entier, on l&apos;arrondit à l&apos;entier le plus proche&#xa0;; un nombre qui se termine par ,5 va vers le nombre pair voisin&#xa0;: 8,5 compte pour 8 et 13,5 pour 14.</translation>
    </message>
    <message>
        <source>Click that number on the board.</source>
        <translation>Clique sur ce nombre, sur le plateau.</translation>
    </message>
    <message>
        <source>For example, if the dice show 6, 4, 3 and 1:</source>
        <translation>Par exemple, si les dés donnent 6, 4, 3 et 1&#xa0;:</translation>
    </message>
    <message>
        <source>The same throw can make many other numbers, for example:</source>
        <translation>Avec le même lancer, on peut obtenir bien d&apos;autres nombres, par exemple&#xa0;:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>On peut aussi obtenir 96, avec (6 × 4) × (3 + 1), mais on ne peut pas cliquer sur 96&#xa0;: il n&apos;est pas sur le plateau.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>On n&apos;a pas le droit de mettre des chiffres côte à côte pour former un nombre plus grand&#xa0;: avec 6, 4, 3 et 1, on ne peut pas mettre 6 et 4 ensemble pour faire 64 ou 46.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>Un crayon et une feuille peuvent aider pour les calculs, mais la calculatrice n&apos;est pas autorisée.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Marquer des points</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Si les quatre dés permettent d&apos;obtenir le nombre cliqué, ce nombre est soustrait du score du joueur.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Si les dés ne permettent pas d&apos;obtenir le nombre cliqué, le coup n&apos;est pas valable&#xa0;: le joueur ne marque rien et perd son tour.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>Dans les deux cas, c&apos;est ensuite au tour du joueur suivant.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Finir sur un double</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>Le score doit arriver exactement à zéro, et le nombre qui l&apos;y amène doit être un double. Si un nombre ne respecte pas cette règle, le coup est annulé&#xa0;: il ne rapporte rien et le score ne change pas. Le coup est annulé quand le nombre&#xa0;:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>ferait passer le score au-dessous de zéro (dépassement)&#xa0;;</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>laisserait 1, avec lequel on ne peut jamais finir, puisque le plus petit double est 2&#xa0;;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>amènerait le score à zéro sans être un double.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Par exemple, s&apos;il reste 40 points, cliquer sur le 40 de l&apos;anneau des doubles (le double de 20) fait gagner la partie, alors que le 40 de l&apos;anneau des quadruples est un coup annulé. S&apos;il reste 100 points, le 100 du centre fait gagner.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Les joueurs et les tours</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>Sumdart se joue de un à quatre joueurs, qui jouent chacun à leur tour dans l&apos;ordre Bleu, Rouge, Vert, Jaune. Chaque joueur choisit une couleur avant le début de la partie&#xa0;; si l&apos;on fait plusieurs parties, les joueurs changent de couleur d&apos;une partie à l&apos;autre.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Un joueur seul peut jouer en solo ou contre l&apos;ordinateur. L&apos;ordinateur joue toujours en rouge, en deuxième, au niveau 1, 2 ou 3. Au niveau 1, il prend n&apos;importe quel nombre que ses dés permettent d&apos;obtenir et prend son temps&#xa0;; au niveau 3, il prend toujours le plus grand nombre possible et joue le plus vite&#xa0;; le niveau 2 est entre les deux.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Jouer contre la montre</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Quand la case «&#xa0;Chrono&#xa0;» est cochée sur l&apos;écran des réglages, chaque joueur a un chrono. Chaque chrono part de 300 secondes, sauf si un autre temps est indiqué dans la case «&#xa0;Temps par joueur&#xa0;». Le chrono d&apos;un joueur ne tourne que pendant ses propres tours. Un joueur qui n&apos;a plus de temps ne joue plus jusqu&apos;à la fin de la partie. Quand plus aucun joueur n&apos;a de temps, la partie s&apos;arrête et le joueur qui a le plus petit score gagne&#xa0;; si deux joueurs ont ce même score, il y a égalité.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Des parties plus courtes</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Pour une partie plus courte, tape un score plus petit dans la case «&#xa0;Score&#xa0;» avant de commencer&#xa0;: 401, 301, 201 ou 101 conviennent bien.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>De l&apos;aide pendant la partie</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>Le bouton «&#xa0;Antisèche&#xa0;» ouvre une table de multiplication. Dans chaque case, on trouve le nombre du début de la ligne multiplié par le nombre du haut de la colonne.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>«&#xa0;Sortir&#xa0;» arrête une partie en cours et l&apos;enregistre&#xa0;; «&#xa0;Reprendre la partie&#xa0;», sur l&apos;écran d&apos;accueil, la reprend là où elle s&apos;était arrêtée. «&#xa0;Autre partie&#xa0;» lance une nouvelle partie depuis le début.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Un tour complet, pas à pas</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>C&apos;est le début de la partie, donc le score de Bleu est de 501. Bleu clique sur «&#xa0;Lancer&#xa0;» et les dés donnent 5, 4, 3 et 2&#xa0;:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>Bleu cherche des nombres qui utilisent les quatre dés, chacun exactement une fois. En voici quelques-uns, avec le calcul&#xa0;:</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Can Blue click it?</source>
        <translation>Bleu peut-il cliquer dessus&#xa0;?</translation>
    </message>
    <message>
        <source>Yes, but it is a small score.</source>
        <translation>Oui, mais cela fait peu de points.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Oui, il compte pour 8&#xa0;: un nombre qui se termine par ,5 va vers le nombre pair voisin.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Oui, il compte pour 14, le nombre pair voisin de 13,5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Oui&#xa0;: 52 est sur l&apos;anneau des quadruples (quatre fois 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Oui&#xa0;: 64 est sur l&apos;anneau des quadruples (quatre fois 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>Non&#xa0;: les dés donnent 84, mais 84 n&apos;est pas sur le plateau.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>Non&#xa0;: seuls les nombres de 1 à 100 comptent.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>Non&#xa0;: le 2 n&apos;est pas utilisé, et aucun calcul avec les quatre dés ne donne 60. Cliquer sur 60 serait un coup non valable.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Oui&#xa0;: c&apos;est le centre du plateau, le plus grand nombre possible.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Lequel choisir, et pourquoi&#xa0;?</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Quand il reste beaucoup de points, le meilleur choix est le plus grand nombre que les dés permettent d&apos;obtenir, car c&apos;est lui qui fait baisser le score le plus vite. Bleu clique sur le 100 du centre. Les dés permettent de l&apos;obtenir, il est donc soustrait du score de Bleu&#xa0;:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Le score de Bleu est maintenant de 401, et c&apos;est au tour de Rouge. En fin de partie, le plus grand nombre n&apos;est pas toujours le meilleur&#xa0;: choisis alors un nombre qui laisse un double, c&apos;est-à-dire un nombre pair de 2 à 40, ou 100. Si ton score est impair, marque d&apos;abord un nombre impair.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>Finir&#xa0;: un double et des coups annulés</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Plus tard dans la partie, il reste 32 points à Jaune, qui lance 4, 4, 2 et 1. Comme 32 est le double de 16, ce lancer peut faire gagner Jaune&#xa0;:</translation>
    </message>
    <message>
        <source>Yellow makes and clicks</source>
        <translation>Calcul de Jaune et nombre cliqué</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the doubles ring (double 16)</source>
        <translation>4 × 4 × 2 × 1 = 32, le 32 de l&apos;anneau des doubles (le double de 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, fini sur un double&#xa0;: Jaune gagne&#xa0;!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, le 32 de l&apos;anneau des quadruples (quatre fois 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Coup annulé&#xa0;: on arrive à zéro, mais pas sur un double. Jaune ne marque rien et son score reste à 32.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Coup annulé&#xa0;: 48 est plus grand que 32 (dépassement). Le score reste à 32.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Valable&#xa0;: il reste 32 − 24 = 8, le double de 4, prêt pour le tour suivant.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>Le même 32, s&apos;il restait 33 points à Jaune</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Coup annulé&#xa0;: il resterait 1, et aucun double ne permet de finir sur 1.</translation>
    </message>
    <message>
        <source>Tips for the classroom</source>
        <translation>Conseils pour la classe</translation>
    </message>
    <message>
        <source>Pairs and teams.</source>
        <translation>En binômes ou en équipes.</translation>
    </message>
    <message>
        <source>Up to four pairs or small teams can play, one colour each. The mouse passes round the team every turn; the team agrees on a number and says the working aloud before clicking. Blue always goes first, so change colours between games.</source>
        <translation>Jusqu&apos;à quatre binômes ou petites équipes peuvent jouer, chacun avec sa couleur. À chaque tour, la souris passe à un autre membre de l&apos;équipe&#xa0;; l&apos;équipe se met d&apos;accord sur un nombre et dit le calcul à voix haute avant de cliquer. Bleu commence toujours&#xa0;: faire changer les équipes de couleur d&apos;une partie à l&apos;autre.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Des scores de départ plus petits pour les plus jeunes.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Une partie à 501 prend du temps. Pour les plus jeunes ou pour une séance courte, taper 101 ou 201 dans la case «&#xa0;Score&#xa0;»&#xa0;; 301 convient bien pour une mise en route en début de séance. La fin de partie, et avec elle les doubles, arrive alors plus vite.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>Utiliser les chronos.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>Laisser «&#xa0;Chrono&#xa0;» décoché pendant que les élèves découvrent le jeu, et le cocher quand ils sont à l&apos;aise&#xa0;: avec 300 secondes par joueur, on a le temps de réfléchir, et un temps plus court dans «&#xa0;Temps par joueur&#xa0;» donne une partie plus rapide. Un chrono ne tourne que pendant le tour de son joueur, et un nombre faux fait perdre le tour&#xa0;: les chronos récompensent donc un calcul rapide et soigné, et non les réponses au hasard.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>L&apos;antisèche.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Laisser les débutants utiliser librement l&apos;antisèche pour vérifier un produit. Quand les élèves connaissent mieux leurs tables, les mettre au défi de jouer une partie sans l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Jouer contre l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Un élève seul peut jouer contre l&apos;ordinateur, qui joue en rouge. Au niveau 1, l&apos;ordinateur est un adversaire facile pour un débutant&#xa0;; au niveau 3, il prend toujours le plus grand nombre possible et joue vite. C&apos;est idéal pour les élèves qui ont fini en avance, ou pour s&apos;entraîner sur un ordinateur libre.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Crayon et papier.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Donner à chaque joueur ou à chaque équipe une feuille et un crayon (mais pas de calculatrice). Leur demander de noter chaque lancer, le calcul du nombre choisi et leur nouveau score. À la fin, ils échangent leurs feuilles et vérifient les calculs les uns des autres.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>S&apos;entraîner au calcul mental</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Chaque tour est un petit problème de calcul mental. Quelques idées pour en tirer le meilleur parti&#xa0;:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>Combien de nombres&#xa0;?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Lancer les dés une fois, puis laisser deux minutes à la classe pour écrire le plus possible de nombres différents, chacun avec son calcul. Compter un point pour chaque nombre qui est sur le plateau.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Viser un nombre.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Choisir un nombre du plateau, par exemple 36, et demander qui peut l&apos;obtenir avec le lancer. Qui peut obtenir le plus grand nombre du plateau&#xa0;? Qui peut obtenir 1&#xa0;?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Attention aux parenthèses.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Demander le calcul avec des parenthèses, et comparer&#xa0;: (6 + 4) × (3 + 1) = 40, mais 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Annoncer avant de cliquer.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Avant de cliquer, le joueur annonce à voix haute son nouveau score, par exemple 401 − 64 = 337, et la classe vérifie avec le score affiché par le jeu.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Doubles et moitiés.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>En fin de partie, demander quel double il faut (32 est le double de 16) et quels nombres laisseraient un double pour le tour suivant.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>À retenir&#xa0;:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>utilise les quatre dés, chacun une fois&#xa0;; le nombre doit être sur le plateau&#xa0;; et le dernier nombre doit être un double.</translation>
    </message>
    <message>
        <source>Good luck, and good sums!</source>
        <translation>Bonne chance, et bons calculs&#xa0;!</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>Page 1 of 3</source>
        <translation>Page 1 sur 3</translation>
    </message>
    <message>
        <source>Summary of the rules</source>
        <translation>Résumé des règles</translation>
    </message>
    <message>
        <source>The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.</source>
        <translation>Le plateau de jeu ressemble à une cible de fléchettes. Il est divisé en vingt secteurs, rangés dans le même ordre que sur une cible. Le plateau de Sumdart a des doubles et des triples mais, contrairement à une cible, il a aussi des quadruples.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Chaque joueur commence avec un score de 501 points.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Chacun à son tour, les joueurs lancent quatre dés et combinent les nombres obtenus pour trouver un nombre entier entre 1 et 100. Par exemple&#xa0;: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Quand un joueur a trouvé un nombre avec ses dés, il clique sur ce nombre sur le plateau de Sumdart. Ce nombre est alors soustrait de son score. Le but du jeu est de faire descendre son score à zéro. Comme aux fléchettes, il faut finir sur un double.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Le gagnant est le premier joueur qui fait descendre son score à zéro en cliquant sur un double.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Préparer la partie</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Avant de commencer, les joueurs peuvent choisir les réglages de la partie.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>On peut jouer à Sumdart contre la montre&#xa0;: pour cela, coche la case «&#xa0;Chrono&#xa0;». Au départ, chaque joueur a en tout 300 secondes pour jouer tous ses coups. Tu peux changer ce temps dans la case «&#xa0;Temps par joueur&#xa0;».</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>Sumdart se joue de un à quatre joueurs. Pour commencer, clique sur le bouton qui correspond au nombre de joueurs. Les joueurs jouent ensuite dans cet ordre&#xa0;: Bleu, Rouge, Vert, Jaune. Avant de commencer, chaque joueur choisit sa couleur. Si l&apos;on fait plusieurs parties, les joueurs changent de couleur à chaque partie.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>S&apos;il n&apos;y a qu&apos;un joueur, clique sur le bouton «&#xa0;1&#xa0;». Tu peux alors jouer en solo ou contre l&apos;ordinateur. L&apos;ordinateur est toujours le deuxième joueur&#xa0;: Rouge. Tu peux choisir le niveau de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Page 2 sur 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Trouver un nombre</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>Le joueur clique sur le bouton «&#xa0;Lancer&#xa0;». Quatre nombres sont alors tirés au hasard, comme avec de vrais dés. Il doit trouver un nombre entier entre 1 et 100 en utilisant une fois chacun des quatre nombres. Il peut les multiplier, les diviser, les additionner ou les soustraire, dans l&apos;ordre qu&apos;il veut.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Clique sur le bouton de droite pour faire un lancer d&apos;essai.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Attention&#xa0;: on n&apos;a pas le droit de mettre deux chiffres côte à côte pour former un nombre. Par exemple, avec 6, 4, 3 et 1, on ne peut pas mettre 6 et 4 ensemble pour faire 64 ou 46.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Les joueurs peuvent s&apos;aider d&apos;un crayon et d&apos;une feuille pour calculer, mais pas d&apos;une calculatrice.</translation>
    </message>
    <message>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Quelques nombres que l&apos;on peut obtenir avec le même lancer&#xa0;:</translation>
    </message>
    <message>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14&#xa0;;   6 x 4 x 3 x 1 = 72&#xa0;;   (6 x 4) x (3 + 1) = 96&#xa0;;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Antisèche</translation>
    </message>
    <message>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Pour t&apos;aider à calculer, clique sur le bouton ci-dessous&#xa0;: il ouvre la fenêtre «&#xa0;Antisèche&#xa0;». L&apos;antisèche est une table de multiplication. Dans chaque case, on trouve le nombre du début de la ligne multiplié par le nombre du haut de la colonne.</translation>
    </message>
    <message>
        <source>Page 3 of 3</source>
        <translation>Page 3 sur 3</translation>
    </message>
    <message>
        <source>Selecting the number on the board</source>
        <translation>Choisir le nombre sur le plateau</translation>
    </message>
    <message>
        <source>Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. </source>
        <translation>Une fois son nombre trouvé, le joueur clique dessus sur le plateau. Si le calcul est juste, il marque ce nombre de points, qui sont soustraits de son score.</translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Si le joueur s&apos;est trompé et a choisi un nombre que les dés ne permettent pas d&apos;obtenir, il ne marque aucun point et c&apos;est au tour du joueur suivant.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Comme aux fléchettes, les joueurs commencent avec un score de 501 points. La partie se termine quand un joueur a fait descendre son score à zéro. Mais, comme aux fléchettes, il faut finir en cliquant sur un double, qui doit amener le score exactement à zéro. (Les doubles sont les nombres du deuxième anneau de vingt nombres en partant du centre du plateau.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Jouer avec le chrono</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Si la case «&#xa0;Chrono&#xa0;» est cochée avant la partie, chaque joueur a un chrono qui tourne pendant chacun de ses tours. Au départ, le temps total est de 300 secondes, mais on peut le changer avant chaque partie. Un joueur qui n&apos;a plus de temps ne joue plus jusqu&apos;à la fin de la partie. Quand plus aucun joueur n&apos;a de temps, la partie s&apos;arrête et le joueur qui a le plus petit score gagne.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Parties plus courtes</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Pour une partie plus courte, tape un autre score dans la case «&#xa0;Score&#xa0;» avant de commencer, par exemple 401, 301, 201 ou 101.</translation>
    </message>
    <message>
        <source>The Rules of Sumdart</source>
        <translation>Les règles de Sumdart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Suivante</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Précédente</translation>
    </message>
    <message>
        <source>Ready to play: one to four players take turns, with dice and a clock</source>
        <translation>Prêts à jouer&#xa0;: de un à quatre joueurs jouent chacun à leur tour, avec des dés et un chrono</translation>
    </message>
    <message>
        <source>The board, with its ring of doubles</source>
        <translation>Le plateau, avec son anneau de doubles</translation>
    </message>
    <message>
        <source>Sumdart rules, page %1 of 3</source>
        <translation>Règles de Sumdart, page %1 sur 3</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Ouvrir les règles à imprimer</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>Le logo de Sumdart</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Avec le son</translation>
    </message>
    <message>
        <source>Timers On</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Set Total Time Allowed</source>
        <translation>Temps par joueur</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Combien de joueurs&#xa0;?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart&#xa0;: préparer une partie</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>utilisation&#xa0;: sumdart-solve DÉ DÉ DÉ DÉ   (quatre nombres entiers de 1 à 6)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is outside 1 to 6</source>
        <translation>%1 n&apos;est pas entre 1 et 6</translation>
    </message>
    <message>
        <source>usage: sumdart-solve %1</source>
        <translation>utilisation&#xa0;: sumdart-solve %1</translation>
    </message>
    <message>
        <source>the number of throws must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>le nombre de lancers doit être un nombre entier de 1 à %1, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>%1 doit être suivi d&apos;un nombre entier</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>le nombre donné à --seed doit être un nombre entier de 0 à %1, et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>%1 doit être suivi d&apos;un nom de fichier</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>erreur interne&#xa0;: aucune réponse trouvée pour %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>Fichier %1 écrit&#xa0;: %2 sur %3, puis le corrigé sur %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>pas de traduction pour «&#xa0;%1&#xa0;»&#xa0;; langues disponibles&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 ne s&apos;utilise qu&apos;avec --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>il faut quatre dés, et non %1</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(aucun calcul trouvé)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>erreur interne&#xa0;: aucun calcul trouvé pour %1</translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s)</source>
        <translation>
            <numerusform>%n lancer</numerusform>
            <numerusform>%n lancers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) can be made from %1.</source>
        <translation>
            <numerusform>Avec %1, on peut obtenir %n nombre.</numerusform>
            <numerusform>Avec %1, on peut obtenir %n nombres.</numerusform>
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

Affiche chaque nombre entier de 1 à 100 que l&apos;on peut obtenir avec les quatre
dés, en utilisant chaque dé une fois, avec +, -, × et ÷ et des parenthèses si
besoin, et indique pour chacun un calcul possible&#xa0;:
  40 = (6 + 3 + 1) × 4            résultat exact
  62 ≈ 5 × 5 × 5 ÷ 2 = 62,5       résultat arrondi à l&apos;entier le plus proche
                                  (un résultat en ,5 va à l&apos;entier pair)
Une valeur qui n&apos;est pas un nombre décimal court s&apos;affiche sous forme de
fraction, suivie de sa valeur arrondie au centième, p. ex. 50/3 (16,67).
La dernière ligne compte les nombres obtenus.

Avec --worksheet, écrit à la place un PDF à imprimer pour la classe&#xa0;: N
lancers tirés comme dans le jeu, chacun montré par quatre dés avec deux
lignes pour écrire le plus grand nombre et un double&#xa0;; puis, sur une
nouvelle page, un corrigé qui donne pour chaque lancer le nombre de
résultats possibles de 1 à 100, le plus grand, et tous les doubles du
plateau (de 2 à 40) que l&apos;on peut obtenir, chacun avec un calcul possible.
  --worksheet [N]     N lancers, de 1 à %3 (%4 par défaut)
  --seed S            tire les lancers à partir de S, un nombre entier&#xa0;: le
                      même nombre donne la même fiche&#xa0;; sans cette option,
                      chaque fiche est différente
  -o, --output FILE   le PDF à écrire (par défaut&#xa0;: %5
                      dans le dossier courant)&#xa0;; un fichier existant n&apos;est
                      remplacé qu&apos;une fois le nouveau terminé
  --letter            papier US Letter au lieu de A4
  --lang CODE         la langue des messages et de la fiche
                      (de, es, fr, it, nl, pl, pt_BR&#xa0;; en pour l&apos;anglais)
                      au lieu de celle du bureau
Exemple&#xa0;: sumdart-solve --worksheet 12 --seed 2024 -o lundi.pdf

  -h, --help   affiche cette aide
  --version    affiche la version
</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>A dartboard of numbers</source>
        <translation>Une cible de nombres</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Sumdart Worksheet</source>
        <translation>Fiche d&apos;exercices Sumdart</translation>
    </message>
    <message>
        <source>Use all four dice, each once, with + − × ÷. Make the highest number you can, and make a double.</source>
        <translation>Utilise les quatre dés, chacun une fois, avec + − × ÷. Trouve le plus grand nombre possible, puis un double.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Un double, c&apos;est 2, 4, 6, … jusqu&apos;à %1. Un résultat à virgule compte pour le nombre entier le plus proche.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Pour chaque lancer&#xa0;: le nombre de résultats possibles de 1 à 100, le plus grand, et tous les doubles possibles, chacun avec un calcul qui le donne. «&#xa0;=&#xa0;»&#xa0;: résultat exact&#xa0;; «&#xa0;≈&#xa0;»&#xa0;: résultat arrondi à l&apos;entier le plus proche (un résultat en ,5 est arrondi à l&apos;entier pair).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>Pour refaire la même fiche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sumdart · page %1 of %2</source>
        <translation>Sumdart · page %1 sur %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Throw %1</source>
        <translation>Lancer %1</translation>
    </message>
    <message>
        <source>Highest:</source>
        <translation>Le plus grand&#xa0;:</translation>
    </message>
    <message>
        <source>Double:</source>
        <translation>Un double&#xa0;:</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Corrigé (suite)</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Doubles: none</source>
        <translation>Doubles&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>Doubles&#xa0;:</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Sumdart worksheet</source>
        <translation>Fiche d&apos;exercices Sumdart</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>impossible de créer le PDF</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>impossible de dessiner le PDF</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s)</source>
        <translation>
            <numerusform>%n nombre</numerusform>
            <numerusform>%n nombres</numerusform>
        </translation>
    </message>
</context>
</TS>
