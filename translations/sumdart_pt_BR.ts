<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>100, double 50, centre</source>
        <translation>100, dobro de 50, centro</translation>
    </message>
    <message>
        <source>50, inner ring</source>
        <translation>50, anel interno</translation>
    </message>
    <message>
        <source>%1, single %2</source>
        <translation>%1, simples, setor %2</translation>
    </message>
    <message>
        <source>%1, double %2</source>
        <translation>%1, dobro de %2</translation>
    </message>
    <message>
        <source>%1, treble %2</source>
        <translation>%1, triplo de %2</translation>
    </message>
    <message>
        <source>%1, quadruple %2</source>
        <translation>%1, quádruplo de %2</translation>
    </message>
</context>
<context>
    <name>CheatChart</name>
    <message>
        <source>Sumdart Cheat Chart</source>
        <translation>Tabuada do Sumdart</translation>
    </message>
    <message>
        <source>Scroll the chart</source>
        <translation>Rolar a tabuada</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tabuada de multiplicação</translation>
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
        <translation>Dado %1: ainda não jogado</translation>
    </message>
    <message>
        <source>Die %1: %2</source>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Die %1: rolling</source>
        <translation>Dado %1: rolando</translation>
    </message>
    <message>
        <source>Dice: %1, %2, %3, %4.</source>
        <translation>Dados: %1, %2, %3, %4.</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>%1 is not on the board.</source>
        <translation>%1 não está no tabuleiro.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2, %n second(s) left</source>
        <translation>
            <numerusform>%1 %2, %n segundo restante</numerusform>
            <numerusform>%1 %2, %n segundos restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2, out of time</source>
        <translation>%1 %2, sem tempo</translation>
    </message>
    <message>
        <source>%1: %2, out of time</source>
        <translation>%1: %2, sem tempo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n second(s) left</source>
        <translation>
            <numerusform>%1: %n segundo restante</numerusform>
            <numerusform>%1: %n segundos restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Vez do Azul</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>O logotipo do Sumdart</translation>
    </message>
    <message>
        <source>Target Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>The computer is playing as red.</source>
        <translation>O computador é o Vermelho.</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Jogar dados</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Tabuada</translation>
    </message>
    <message>
        <source>You made an illegal move. You have lost your turn.</source>
        <translation>Você fez uma jogada inválida e perdeu a vez.</translation>
    </message>
    <message>
        <source>Don&apos;t forget,    you must     finish with    a double!  </source>
        <translation>Lembre-se: termine com um dobro!</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 1 - Easy</source>
        <translation>O computador é o Vermelho e joga no nível fácil.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 2 - Medium</source>
        <translation>O computador é o Vermelho e joga no nível médio.</translation>
    </message>
    <message>
        <source>The computer is playing as red. Level 3 - Hard</source>
        <translation>O computador é o Vermelho e joga no nível difícil.</translation>
    </message>
    <message>
        <source>Sumdart game</source>
        <translation>Jogo Sumdart</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be loaded. Folders searched: %2</source>
        <translation>Não foi possível carregar a imagem “%1”. Pastas procuradas: %2</translation>
    </message>
    <message>
        <source>The computer chose %1.</source>
        <translation>O computador escolheu %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s) scored</source>
        <translation>
            <numerusform>Marcou: %n</numerusform>
            <numerusform>Marcou: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Bust: the target stays the same.</source>
        <translation>%1. Estourou: os pontos não mudam.</translation>
    </message>
    <message>
        <source>GAME OVER!!!</source>
        <translation>FIM DE JOGO!!!</translation>
    </message>
    <message>
        <source>OUT OF TIME!</source>
        <translation>FIM DO TEMPO!</translation>
    </message>
    <message>
        <source>%1 has run out of time.</source>
        <translation>Acabou o tempo do %1.</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>AZUL VENCEU!</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>VERMELHO VENCEU!</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>VERDE VENCEU!</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>AMARELO VENCEU!</translation>
    </message>
    <message>
        <source>IT&apos;S A DRAW!</source>
        <translation>DEU EMPATE!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Vez do Vermelho</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Vez do Verde</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Vez do Amarelo</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sumdart: arithmetic darts for the classroom.</source>
        <translation>Sumdart: dardos com as quatro operações, para a sala de aula.</translation>
    </message>
    <message>
        <source>Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the screen with &quot;fit&quot; (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus and Ctrl+0 change the zoom and are remembered.</source>
        <translation>Desenha cada janela com Z vezes o seu tamanho (de 0,5 a 4; escreva Z com ponto, por exemplo 1.5) ou, com “fit”, do maior tamanho que cabe na tela (para um projetor). Só nesta vez; Ctrl+Mais, Ctrl+Menos e Ctrl+0 mudam o zoom, e a escolha fica guardada.</translation>
    </message>
    <message>
        <source>sumdart: there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>sumdart: não há tradução para “%1”; as traduções disponíveis são: %2</translation>
    </message>
    <message>
        <source>sumdart: --zoom takes a factor from 0.5 to 4, or fit</source>
        <translation>sumdart: --zoom aceita um fator de 0,5 a 4 (escrito com ponto, por exemplo 1.5) ou fit</translation>
    </message>
    <message>
        <source>Shows the game in the language CODE (%1; en for English) for this run, instead of the desktop&apos;s.</source>
        <translation>Mostra o jogo no idioma CODE (%1; en para inglês) só nesta vez, em vez do idioma da área de trabalho.</translation>
    </message>
</context>
<context>
    <name>OpponentScreen</name>
    <message>
        <source> Set Level for the computer</source>
        <translation> Escolha o nível do computador</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>O logotipo do Sumdart</translation>
    </message>
    <message>
        <source>Level 1 - Easy</source>
        <translation>Nível 1: fácil</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nível 2</translation>
    </message>
    <message>
        <source>Level 3 - Hard</source>
        <translation>Nível 3: difícil</translation>
    </message>
    <message>
        <source>Play solo</source>
        <translation>Jogar sozinho</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Jogar contra o computador</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Sumdart: play solo or against the computer</source>
        <translation>Sumdart: jogar sozinho ou contra o computador</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Ready to play?</source>
        <translation>Prontos para jogar?</translation>
    </message>
    <message>
        <source>turn order</source>
        <translation>ordem de jogo</translation>
    </message>
    <message>
        <source>1 to 4 players</source>
        <translation>de 1 a 4 jogadores</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>dobros</translation>
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
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
</context>
<context>
    <name>RulesDocument</name>
    <message>
        <source>quadruples</source>
        <translation>quádruplos</translation>
    </message>
    <message>
        <source>4 × the sector&apos;s number</source>
        <translation>4 × o número do setor</translation>
    </message>
    <message>
        <source>trebles</source>
        <translation>triplos</translation>
    </message>
    <message>
        <source>3 × the sector&apos;s number</source>
        <translation>3 × o número do setor</translation>
    </message>
    <message>
        <source>doubles</source>
        <translation>dobros</translation>
    </message>
    <message>
        <source>2 × the sector&apos;s number</source>
        <translation>2 × o número do setor</translation>
    </message>
    <message>
        <source>singles</source>
        <translation>simples</translation>
    </message>
    <message>
        <source>the sector&apos;s number</source>
        <translation>o número do setor</translation>
    </message>
    <message>
        <source>four 50s</source>
        <translation>quatro 50</translation>
    </message>
    <message>
        <source>not doubles</source>
        <translation>não contam como dobro</translation>
    </message>
    <message>
        <source>the centre: 100</source>
        <translation>o centro: 100</translation>
    </message>
    <message>
        <source>a double too</source>
        <translation>também é dobro</translation>
    </message>
    <message>
        <source>Sumdart Rules</source>
        <translation>Regras do Sumdart</translation>
    </message>
    <message>
        <source>The rules of Sumdart, a worked example and tips for the classroom</source>
        <translation>As regras do Sumdart, um exemplo resolvido e dicas para a sala de aula</translation>
    </message>
    <message>
        <source>Sumdart rules – page %1</source>
        <translation>Regras do Sumdart – página %1</translation>
    </message>
    <message>
        <source>The rules of the game, a worked example and tips for the classroom</source>
        <translation>As regras do jogo, um exemplo resolvido e dicas para a sala de aula</translation>
    </message>
    <message>
        <source>Sumdart is an arithmetic game for one to four players, played on a board that looks like a dartboard. Instead of throwing darts, the players throw four dice and use the numbers on them to make the score they want.</source>
        <translation>O Sumdart é um jogo de contas para um a quatro jogadores, jogado num tabuleiro parecido com um alvo de dardos. Em vez de atirar dardos, os jogadores lançam quatro dados e usam os números que saírem para formar o número que querem marcar.</translation>
    </message>
    <message>
        <source>The aim of the game</source>
        <translation>O objetivo do jogo</translation>
    </message>
    <message>
        <source>Every player starts with a target of 501 points. Each score a player makes is subtracted from their target. The winner is the first player to bring their target down to exactly zero, and, as in darts, the last number must be a double.</source>
        <translation>Cada jogador começa com 501 pontos. Cada número que o jogador marca é subtraído dos seus pontos. Vence quem levar primeiro os seus pontos exatamente a zero e, como nos dardos, o último número tem que ser um dobro.</translation>
    </message>
    <message>
        <source>The board</source>
        <translation>O tabuleiro</translation>
    </message>
    <message>
        <source>The board is divided into twenty sectors, in the same order as on a dartboard, clockwise from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. From the centre outwards the board shows:</source>
        <translation>O tabuleiro é dividido em vinte setores, na mesma ordem de um alvo de dardos, no sentido horário a partir do alto: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. Do centro para fora, o tabuleiro tem:</translation>
    </message>
    <message>
        <source>the centre: 100;</source>
        <translation>o centro: 100;</translation>
    </message>
    <message>
        <source>the inner ring: four 50s;</source>
        <translation>o anel interno: quatro 50;</translation>
    </message>
    <message>
        <source>the singles, the first ring of twenty numbers: each sector&apos;s number;</source>
        <translation>os simples, o primeiro anel de vinte números: o próprio número de cada setor;</translation>
    </message>
    <message>
        <source>the doubles, the second ring of twenty numbers: twice the sector&apos;s number;</source>
        <translation>os dobros, o segundo anel de vinte números: o dobro do número do setor;</translation>
    </message>
    <message>
        <source>the trebles, the third ring: three times the sector&apos;s number;</source>
        <translation>os triplos, o terceiro anel: o triplo do número do setor;</translation>
    </message>
    <message>
        <source>the quadruples, the outer ring: four times the sector&apos;s number.</source>
        <translation>os quádruplos, o anel de fora: o quádruplo do número do setor.</translation>
    </message>
    <message>
        <source>Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be clicked: 23 and 25, for example, are not on it.</source>
        <translation>Ao contrário de um alvo de dardos, o tabuleiro do Sumdart tem quádruplos. Só os números que estão no tabuleiro podem ser clicados: 23 e 25, por exemplo, não estão nele.</translation>
    </message>
    <message>
        <source>The Sumdart board. The doubles, ringed in yellow, are the second ring and the centre 100.</source>
        <translation>O tabuleiro do Sumdart. Os dobros, contornados em amarelo, são o segundo anel e o 100 do centro.</translation>
    </message>
    <message>
        <source>The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the quadruples ring (four times 10).</source>
        <translation>Os dobros são os vinte números do segundo anel (os números pares de 2 a 40) e o 100 do centro. Nenhum outro número conta como dobro: os 50 do anel interno não contam, nem o 40 do anel dos quádruplos (quatro vezes 10).</translation>
    </message>
    <message>
        <source>Taking a turn</source>
        <translation>Na sua vez</translation>
    </message>
    <message>
        <source>Click Throw Dice. Four dice are thrown.</source>
        <translation>Clique em “Jogar dados”. Quatro dados são lançados.</translation>
    </message>
    <message>
        <source>Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may add (+), subtract (−), multiply (×) and divide (÷), in any order, with brackets. If a calculation gives a number that is not whole, it is rounded to the nearest whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14.</source>
        <translation>Use os quatro números, cada um exatamente uma vez, para formar um número inteiro de 1 a 100. Você pode somar (+), subtrair (−), multiplicar (×) e dividir (÷), em qualquer ordem, e usar parênteses. Se uma conta der um número que não é inteiro, ele é arredondado para o número inteiro mais próximo; se o resultado ficar exatamente no meio entre dois inteiros, ele vai para o vizinho par: 8,5 vale 8 e 13,5 vale 14.</translation>
    </message>
    <message>
        <source>Click that number on the board.</source>
        <translation>Clique nesse número no tabuleiro.</translation>
    </message>
    <message>
        <source>For example, if the dice show 6, 4, 3 and 1:</source>
        <translation>Por exemplo, se os dados mostrarem 6, 4, 3 e 1:</translation>
    </message>
    <message>
        <source>The same throw can make many other numbers, for example:</source>
        <translation>A mesma jogada pode formar muitos outros números, por exemplo:</translation>
    </message>
    <message>
        <source>It can also make 96, as (6 × 4) × (3 + 1), but 96 cannot be clicked: it is not on the board.</source>
        <translation>Essa jogada também forma 96, com (6 × 4) × (3 + 1), mas não dá para clicar no 96: ele não está no tabuleiro.</translation>
    </message>
    <message>
        <source>Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Não vale juntar algarismos lado a lado para formar um número maior: com 6, 4, 3 e 1, o jogador não pode juntar o 6 e o 4 para formar 64 ou 46.</translation>
    </message>
    <message>
        <source>A pencil and paper may help with the arithmetic, but calculators are not allowed.</source>
        <translation>Lápis e papel podem ajudar nas contas, mas não vale usar calculadora.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Marcando pontos</translation>
    </message>
    <message>
        <source>If the four dice can make the number clicked, it is subtracted from the player&apos;s target.</source>
        <translation>Se os quatro dados puderem formar o número clicado, ele é subtraído dos pontos do jogador.</translation>
    </message>
    <message>
        <source>If the dice cannot make the number clicked, the move is illegal: the player scores nothing and loses the turn.</source>
        <translation>Se os dados não puderem formar o número clicado, a jogada é inválida: o jogador não marca nada e perde a vez.</translation>
    </message>
    <message>
        <source>Either way, the turn then passes to the next player.</source>
        <translation>Nos dois casos, a vez passa depois para o próximo jogador.</translation>
    </message>
    <message>
        <source>Finishing with a double</source>
        <translation>Terminando com um dobro</translation>
    </message>
    <message>
        <source>The target must reach exactly zero, and the number that takes it to zero must be a double. A number that breaks this rule is a bust: it scores nothing and the target stays as it was. A number is a bust when it would:</source>
        <translation>Os pontos têm que chegar exatamente a zero, e o número que leva a zero tem que ser um dobro. Um número que quebra essa regra dá estouro: não vale nada e os pontos ficam como estavam. Dá estouro o número que:</translation>
    </message>
    <message>
        <source>take the target below zero (overshoot);</source>
        <translation>levaria os pontos abaixo de zero (passaria do zero);</translation>
    </message>
    <message>
        <source>leave 1, which can never be finished, since the smallest double is 2;</source>
        <translation>deixaria 1 ponto, que nunca pode ser zerado, já que o menor dobro é 2;</translation>
    </message>
    <message>
        <source>take the target to zero without being a double.</source>
        <translation>levaria os pontos a zero sem ser um dobro.</translation>
    </message>
    <message>
        <source>For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins.</source>
        <translation>Por exemplo, quando faltam 40 pontos, clicar no 40 do anel dos dobros (dobro de 20) ganha o jogo, enquanto o 40 do anel dos quádruplos dá estouro. Quando faltam 100, o 100 do centro ganha.</translation>
    </message>
    <message>
        <source>Players and turns</source>
        <translation>Os jogadores e a vez de cada um</translation>
    </message>
    <message>
        <source>Sumdart is played by one to four players, who take their turns in the order Blue, Red, Green, Yellow. Each player should choose a colour before the game begins; if a series of games is played, players should change colours between games.</source>
        <translation>O Sumdart é jogado por um a quatro jogadores, que jogam na ordem Azul, Vermelho, Verde, Amarelo. Cada jogador deve escolher uma cor antes de o jogo começar; se forem jogadas várias partidas, os jogadores devem trocar de cor entre uma partida e outra.</translation>
    </message>
    <message>
        <source>A single player may play alone or against the computer. The computer always plays Red, the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make and takes its time; at level 3 it always takes the biggest number it can, and plays fastest; level 2 is in between.</source>
        <translation>Um único jogador pode jogar sozinho ou contra o computador. O computador é sempre o Vermelho, o segundo jogador, no nível 1, 2 ou 3. No nível 1, ele escolhe qualquer número que os dados formam e joga com calma; no nível 3, ele sempre escolhe o maior número possível e joga mais rápido; o nível 2 fica no meio.</translation>
    </message>
    <message>
        <source>Playing against the clock</source>
        <translation>Jogando contra o relógio</translation>
    </message>
    <message>
        <source>When &apos;Timers On&apos; is ticked on the set-up screen, every player has a clock. Each clock holds 300 seconds unless another total time is set in the &apos;Set Total Time Allowed&apos; box. A player&apos;s clock counts down only during their own turn. A player who runs out of time has no more turns for the rest of the game. If all the players run out of time, the game ends and the player with the lowest remaining target wins; if two share the lowest, the game is a draw.</source>
        <translation>Quando “Com relógio” está marcado na tela de configuração, cada jogador tem um relógio. Cada relógio tem 300 segundos, a não ser que outro tempo total seja escolhido na caixa “Tempo total permitido”. O relógio de um jogador só anda durante a vez dele. Quem ficar sem tempo não joga mais até o fim da partida. Se todos ficarem sem tempo, o jogo termina e vence quem tiver menos pontos restantes; se dois empatarem com menos pontos, o jogo termina empatado.</translation>
    </message>
    <message>
        <source>Shorter games</source>
        <translation>Jogos mais curtos</translation>
    </message>
    <message>
        <source>For a shorter game, type a smaller target in the &apos;Target&apos; box before starting: 401, 301, 201 or 101 are good choices.</source>
        <translation>Para um jogo mais curto, digite um número menor na caixa “Pontos” antes de começar: 401, 301, 201 ou 101 são boas escolhas.</translation>
    </message>
    <message>
        <source>Help during the game</source>
        <translation>Ajuda durante o jogo</translation>
    </message>
    <message>
        <source>The Cheat Chart button opens a multiplication table. The number in each square is the number at the start of its row multiplied by the number at the top of its column.</source>
        <translation>O botão “Tabuada” abre uma tabela de multiplicação. O número de cada quadrinho é o número do começo da linha multiplicado pelo número do alto da coluna.</translation>
    </message>
    <message>
        <source>Exit leaves a game that is under way and saves it; Restart Previous Game on the title screen carries on from where it was left. New Game starts again from the beginning.</source>
        <translation>“Sair” encerra um jogo em andamento e o salva; “Continuar jogo anterior”, na tela inicial, continua de onde ele parou. “Novo jogo” começa tudo de novo desde o início.</translation>
    </message>
    <message>
        <source>A whole turn, worked through</source>
        <translation>Uma jogada completa, passo a passo</translation>
    </message>
    <message>
        <source>It is the start of a game, so Blue&apos;s target is 501. Blue clicks Throw Dice, and the dice show 5, 4, 3 and 2:</source>
        <translation>É o começo do jogo, então o Azul tem 501 pontos. O Azul clica em “Jogar dados”, e os dados mostram 5, 4, 3 e 2:</translation>
    </message>
    <message>
        <source>Blue looks for numbers that use all four dice, each exactly once. Here are some, with the working:</source>
        <translation>O Azul procura números que usam os quatro dados, cada um exatamente uma vez. Aqui estão alguns, com a conta:</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Can Blue click it?</source>
        <translation>O Azul pode clicar nele?</translation>
    </message>
    <message>
        <source>Yes, but it is a small score.</source>
        <translation>Sim, mas são poucos pontos.</translation>
    </message>
    <message>
        <source>Yes, as 8: an exact half goes to the even neighbour.</source>
        <translation>Sim, como 8: um resultado exatamente no meio entre dois inteiros vai para o vizinho par.</translation>
    </message>
    <message>
        <source>Yes, as 14, the even neighbour of 13.5.</source>
        <translation>Sim, como 14, o vizinho par de 13,5.</translation>
    </message>
    <message>
        <source>Yes: 52 is on the quadruples ring (four times 13).</source>
        <translation>Sim: 52 está no anel dos quádruplos (quatro vezes 13).</translation>
    </message>
    <message>
        <source>Yes: 64 is on the quadruples ring (four times 16).</source>
        <translation>Sim: 64 está no anel dos quádruplos (quatro vezes 16).</translation>
    </message>
    <message>
        <source>No: the dice make 84, but 84 is not on the board.</source>
        <translation>Não: os dados formam 84, mas 84 não está no tabuleiro.</translation>
    </message>
    <message>
        <source>No: only the numbers from 1 to 100 count.</source>
        <translation>Não: só valem os números de 1 a 100.</translation>
    </message>
    <message>
        <source>No: the 2 is not used, and no working with all four dice makes 60. Clicking 60 would be an illegal move.</source>
        <translation>Não: o 2 não foi usado, e nenhuma conta com os quatro dados dá 60. Clicar no 60 seria uma jogada inválida.</translation>
    </message>
    <message>
        <source>Yes: the centre of the board, the biggest number there is.</source>
        <translation>Sim: é o centro do tabuleiro, o maior número que existe nele.</translation>
    </message>
    <message>
        <source>Which one to pick, and why</source>
        <translation>Qual escolher, e por quê</translation>
    </message>
    <message>
        <source>With a long way to go, the biggest number the dice can make is the best choice, because it brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so it is subtracted from Blue&apos;s target:</source>
        <translation>Quando ainda falta muito, o maior número que os dados formam é a melhor escolha, porque faz os pontos baixarem mais depressa. O Azul clica no 100 do centro. Os dados formam esse número, então ele é subtraído dos pontos do Azul:</translation>
    </message>
    <message>
        <source>Blue&apos;s target is now 401, and it is Red&apos;s turn. Near the end of a game the biggest number is not always the best: then choose a number that leaves a double, that is an even number from 2 to 40, or 100. With an odd target, first score an odd number.</source>
        <translation>Agora o Azul tem 401 pontos, e é a vez do Vermelho. Perto do fim do jogo, o maior número nem sempre é o melhor: aí, escolha um número que deixe um dobro, ou seja, um número par de 2 a 40, ou 100. Com um número ímpar de pontos, marque primeiro um número ímpar.</translation>
    </message>
    <message>
        <source>Finishing: a double and a bust</source>
        <translation>Terminando: um dobro e um estouro</translation>
    </message>
    <message>
        <source>Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this throw can win:</source>
        <translation>Mais tarde no jogo, o Amarelo tem 32 pontos e lança 4, 4, 2 e 1. Como 32 é o dobro de 16, essa jogada pode ganhar o jogo:</translation>
    </message>
    <message>
        <source>Yellow makes and clicks</source>
        <translation>O Amarelo forma e clica</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>O que acontece</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the doubles ring (double 16)</source>
        <translation>4 × 4 × 2 × 1 = 32, o 32 do anel dos dobros (dobro de 16)</translation>
    </message>
    <message>
        <source>32 − 32 = 0, finished with a double: Yellow wins!</source>
        <translation>32 − 32 = 0, terminou com um dobro: o Amarelo vence!</translation>
    </message>
    <message>
        <source>4 × 4 × 2 × 1 = 32, the 32 of the quadruples ring (four times 8)</source>
        <translation>4 × 4 × 2 × 1 = 32, o 32 do anel dos quádruplos (quatro vezes 8)</translation>
    </message>
    <message>
        <source>A bust: it reaches zero, but not with a double. Yellow scores nothing and the target stays at 32.</source>
        <translation>Estouro: chega a zero, mas não com um dobro. O Amarelo não marca nada e continua com 32 pontos.</translation>
    </message>
    <message>
        <source>A bust: 48 is more than 32 (an overshoot). The target stays at 32.</source>
        <translation>Estouro: 48 é mais que 32 (passaria do zero). O Amarelo continua com 32 pontos.</translation>
    </message>
    <message>
        <source>Allowed: 32 − 24 = 8 is left, which is double 4, ready for the next turn.</source>
        <translation>Vale: sobram 32 − 24 = 8, que é o dobro de 4, pronto para a próxima vez.</translation>
    </message>
    <message>
        <source>The same 32, had Yellow had 33 left</source>
        <translation>O mesmo 32, se o Amarelo tivesse 33 pontos</translation>
    </message>
    <message>
        <source>A bust: it would leave 1, which no double can finish.</source>
        <translation>Estouro: deixaria 1 ponto, que nenhum dobro consegue zerar.</translation>
    </message>
    <message>
        <source>Tips for the classroom</source>
        <translation>Dicas para a sala de aula</translation>
    </message>
    <message>
        <source>Pairs and teams.</source>
        <translation>Duplas e equipes.</translation>
    </message>
    <message>
        <source>Up to four pairs or small teams can play, one colour each. The mouse passes round the team every turn; the team agrees on a number and says the working aloud before clicking. Blue always goes first, so change colours between games.</source>
        <translation>Até quatro duplas ou pequenas equipes podem jogar, cada uma com uma cor. O mouse passa de mão em mão na equipe a cada jogada; a equipe combina um número e diz a conta em voz alta antes de clicar. O Azul sempre começa, então troquem de cor entre as partidas.</translation>
    </message>
    <message>
        <source>Shorter targets for younger pupils.</source>
        <translation>Menos pontos para os alunos menores.</translation>
    </message>
    <message>
        <source>A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in the &apos;Target&apos; box; 301 suits a lesson starter. The finish, and with it the doubles, then comes round sooner.</source>
        <translation>Um jogo de 501 pontos demora um pouco. Para alunos menores ou uma aula curta, digite 101 ou 201 na caixa “Pontos”; 301 é bom para um aquecimento no início da aula. Assim o final, e com ele os dobros, chega mais cedo.</translation>
    </message>
    <message>
        <source>Using the clocks.</source>
        <translation>Usando os relógios.</translation>
    </message>
    <message>
        <source>Leave &apos;Timers On&apos; unticked while pupils learn the game, and tick it once they are confident: 300 seconds each is relaxed, and a smaller total in &apos;Set Total Time Allowed&apos; makes a brisk game. A clock runs only in its player&apos;s turn and a wrong number loses the turn, so the clocks reward quick, careful working, not guessing.</source>
        <translation>Deixe “Com relógio” desmarcado enquanto os alunos aprendem o jogo, e marque quando eles estiverem seguros: 300 segundos para cada um é tranquilo, e um total menor em “Tempo total permitido” deixa o jogo mais ágil. O relógio só anda na vez do seu jogador, e um número errado faz perder a vez; assim, os relógios premiam a conta rápida e cuidadosa, e não o chute.</translation>
    </message>
    <message>
        <source>The cheat chart.</source>
        <translation>A tabuada.</translation>
    </message>
    <message>
        <source>Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of their tables, challenge them to play a game without opening it.</source>
        <translation>Deixe os iniciantes usarem a Tabuada à vontade para conferir um produto. Quando os alunos estiverem mais seguros na tabuada, desafie-os a jogar uma partida sem abrir a Tabuada.</translation>
    </message>
    <message>
        <source>Playing against the computer.</source>
        <translation>Jogando contra o computador.</translation>
    </message>
    <message>
        <source>A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It suits early finishers and practice at a spare computer.</source>
        <translation>Um aluno sozinho pode jogar contra o computador, que é o Vermelho. O nível 1 é um adversário tranquilo para quem está começando; o nível 3 sempre escolhe o maior número possível e joga rápido. É bom para quem termina a tarefa antes e para praticar num computador livre.</translation>
    </message>
    <message>
        <source>Pencil and paper.</source>
        <translation>Lápis e papel.</translation>
    </message>
    <message>
        <source>Give each player or team paper and a pencil (but no calculator). Ask them to write down each throw, the working of the number they chose and their new target. At the end, swap sheets and check each other&apos;s working.</source>
        <translation>Dê papel e lápis (mas nada de calculadora) a cada jogador ou equipe. Peça que anotem cada jogada, a conta do número escolhido e os novos pontos. No final, troquem as folhas e confiram as contas uns dos outros.</translation>
    </message>
    <message>
        <source>Mental arithmetic practice</source>
        <translation>Treino de cálculo mental</translation>
    </message>
    <message>
        <source>Every turn is a small mental arithmetic problem. Some ways to make the most of it:</source>
        <translation>Cada jogada é um pequeno problema de cálculo mental. Algumas maneiras de aproveitar isso ao máximo:</translation>
    </message>
    <message>
        <source>How many numbers?</source>
        <translation>Quantos números?</translation>
    </message>
    <message>
        <source>Throw once, then give the class two minutes to write down as many different numbers as they can, each with its working. Score a point for every one that is on the board.</source>
        <translation>Lance os dados uma vez e dê à turma dois minutos para anotar o máximo de números diferentes, cada um com a sua conta. Vale um ponto para cada número que estiver no tabuleiro.</translation>
    </message>
    <message>
        <source>Hit the number.</source>
        <translation>Acerte o número.</translation>
    </message>
    <message>
        <source>Choose a number on the board, for example 36, and ask who can make it from the throw. Who can make the biggest number on the board? Who can make 1?</source>
        <translation>Escolha um número do tabuleiro, por exemplo 36, e pergunte quem consegue formá-lo com essa jogada. Quem consegue formar o maior número do tabuleiro? Quem consegue formar 1?</translation>
    </message>
    <message>
        <source>Brackets matter.</source>
        <translation>Os parênteses fazem diferença.</translation>
    </message>
    <message>
        <source>Ask for the working with brackets, and compare: (6 + 4) × (3 + 1) = 40, but 6 + 4 × 3 + 1 = 19.</source>
        <translation>Peça a conta com parênteses e compare: (6 + 4) × (3 + 1) = 40, mas 6 + 4 × 3 + 1 = 19.</translation>
    </message>
    <message>
        <source>Say it first.</source>
        <translation>Fale antes.</translation>
    </message>
    <message>
        <source>Before clicking, the player says the new target aloud, for example 401 − 64 = 337, and the class checks it against the score the game shows.</source>
        <translation>Antes de clicar, o jogador diz em voz alta os seus novos pontos, por exemplo 401 − 64 = 337, e a turma confere com os pontos que o jogo mostra.</translation>
    </message>
    <message>
        <source>Doubles and halves.</source>
        <translation>Dobros e metades.</translation>
    </message>
    <message>
        <source>At the finish, ask which double is needed (32 is double 16) and which numbers would leave a double for the next turn.</source>
        <translation>No final, pergunte qual dobro é necessário (32 é o dobro de 16) e quais números deixariam um dobro para a próxima vez.</translation>
    </message>
    <message>
        <source>Remember:</source>
        <translation>Lembre-se:</translation>
    </message>
    <message>
        <source>use all four dice, each once; the number must be on the board; and the last number must be a double.</source>
        <translation>use os quatro dados, cada um uma vez; o número tem que estar no tabuleiro; e o último número tem que ser um dobro.</translation>
    </message>
    <message>
        <source>Good luck, and good sums!</source>
        <translation>Boa sorte e boas contas!</translation>
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
        <translation>Resumo das regras</translation>
    </message>
    <message>
        <source>The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.</source>
        <translation>O tabuleiro do jogo parece um alvo de dardos. Ele é dividido em vinte setores, na mesma ordem de um alvo de dardos. O tabuleiro do Sumdart tem dobros e triplos, mas, ao contrário de um alvo de dardos, também tem quádruplos.</translation>
    </message>
    <message>
        <source>Each player starts with a target of 501 points.</source>
        <translation>Cada jogador começa com 501 pontos.</translation>
    </message>
    <message>
        <source>Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.</source>
        <translation>Na sua vez, cada jogador lança quatro dados e combina os números sorteados para formar um número inteiro de 1 a 100. Por exemplo: (6 + 4) x (3 + 1) = 40.</translation>
    </message>
    <message>
        <source>When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.</source>
        <translation>Depois de formar um número com os dados, o jogador clica nesse número no tabuleiro do Sumdart. O número é então subtraído dos seus pontos. O objetivo do jogo é zerar os seus pontos. Como num jogo de dardos comum, é preciso terminar com um dobro.</translation>
    </message>
    <message>
        <source>The winner is the first player to reduce their target to zero by clicking on a double.</source>
        <translation>Vence quem zerar primeiro os seus pontos clicando num dobro.</translation>
    </message>
    <message>
        <source>Getting ready to play</source>
        <translation>Preparando o jogo</translation>
    </message>
    <message>
        <source>Before the game begins, the players can set the parameters of the game.</source>
        <translation>Antes de o jogo começar, os jogadores podem escolher as configurações do jogo.</translation>
    </message>
    <message>
        <source>Sumdart can be played against the clock. To play against the clock check the &apos;Timers On&apos; checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the &apos;Set Total Time Allowed&apos; box, this can be changed.</source>
        <translation>O Sumdart pode ser jogado contra o relógio. Para isso, marque a caixa “Com relógio”. Normalmente, cada jogador tem 300 segundos no total para fazer todas as suas jogadas. Esse tempo pode ser mudado na caixa “Tempo total permitido”.</translation>
    </message>
    <message>
        <source>Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.</source>
        <translation>O Sumdart pode ser jogado por um a quatro jogadores. Para começar, clique no botão com o número de jogadores. Os jogadores jogam nesta ordem: Azul, Vermelho, Verde, Amarelo. Antes de começar, cada jogador deve escolher a sua cor. Se forem jogadas várias partidas, os jogadores devem trocar de cor a cada partida.</translation>
    </message>
    <message>
        <source>If there is just one player, select button &apos;1&apos;. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. </source>
        <translation>Se houver só um jogador, clique no botão “1”. O jogador pode então jogar sozinho ou contra o computador. O computador é sempre o segundo jogador, o Vermelho. O jogador pode escolher o nível do computador. </translation>
    </message>
    <message>
        <source>Page 2 of 3</source>
        <translation>Página 2 de 3</translation>
    </message>
    <message>
        <source>Generating a number</source>
        <translation>Formando um número</translation>
    </message>
    <message>
        <source>The player clicks the button labelled &apos;Throw Dice&apos;. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.</source>
        <translation>O jogador clica no botão “Jogar dados”. Quatro números são sorteados, como se os dados fossem jogados. O jogador deve formar um número inteiro de 1 a 100 usando os quatro números, cada um uma vez. Ele pode multiplicar, dividir, somar ou subtrair os números em qualquer combinação.</translation>
    </message>
    <message>
        <source>Click the button on the right to try out throwing the dice.</source>
        <translation>Clique no botão à direita para experimentar jogar os dados.</translation>
    </message>
    <message>
        <source>Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.</source>
        <translation>Atenção: não vale formar um número colocando dois algarismos lado a lado. Por exemplo, com 6, 4, 3 e 1, não se pode juntar o 6 e o 4 para formar 64 ou 46.</translation>
    </message>
    <message>
        <source>Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.</source>
        <translation>Os jogadores podem usar lápis e papel para ajudar nas contas, mas não devem usar calculadora.</translation>
    </message>
    <message>
        <source>Some examples of numbers that can be generated from one throw:</source>
        <translation>Alguns exemplos de números que podem ser formados com uma jogada:</translation>
    </message>
    <message>
        <source>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</source>
        <translation>6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.</translation>
    </message>
    <message>
        <source>Cheat Chart</source>
        <translation>Tabuada</translation>
    </message>
    <message>
        <source>Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.</source>
        <translation>Para ter ajuda com as contas, clique no botão abaixo: ele abre a janela da Tabuada. A Tabuada é uma tabela de multiplicação: em cada quadrinho está o número do começo da linha multiplicado pelo número do alto da coluna.</translation>
    </message>
    <message>
        <source>Page 3 of 3</source>
        <translation>Página 3 de 3</translation>
    </message>
    <message>
        <source>Selecting the number on the board</source>
        <translation>Escolhendo o número no tabuleiro</translation>
    </message>
    <message>
        <source>Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. </source>
        <translation>Depois de formar um número, o jogador clica nesse número no tabuleiro. Se a conta estiver certa, o jogador marca esse número de pontos, que são subtraídos dos pontos que ele ainda tem. </translation>
    </message>
    <message>
        <source>If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.</source>
        <translation>Se o jogador errar e escolher um número que não pode ser formado com os dados lançados, ele não marca pontos e a vez passa para o próximo jogador.</translation>
    </message>
    <message>
        <source>The End</source>
        <translation>O fim do jogo</translation>
    </message>
    <message>
        <source>As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)</source>
        <translation>Como nos dardos, os jogadores começam com 501 pontos. O jogo termina quando um jogador zera os seus pontos. Mas, como nos dardos, o último número tem que ser um dobro, e esse número tem que levar os pontos exatamente a zero. (Os dobros são os números do segundo anel de vinte números, contando do centro do tabuleiro para fora.)</translation>
    </message>
    <message>
        <source>Playing with a timer</source>
        <translation>Jogando contra o relógio</translation>
    </message>
    <message>
        <source>If the &apos;Timer On&apos; option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.</source>
        <translation>Se a opção “Com relógio” estiver marcada antes de começar, cada jogador terá um relógio que faz a contagem regressiva durante a sua vez. O tempo total é de 300 segundos, mas pode ser mudado antes de cada partida. Quem ficar sem tempo não joga mais até o fim da partida. Se todos ficarem sem tempo, o jogo termina e vence quem tiver menos pontos restantes.</translation>
    </message>
    <message>
        <source>Shorter Games</source>
        <translation>Jogos mais curtos</translation>
    </message>
    <message>
        <source>For a shorter game, a different target may be specified in the &apos;Target&apos; text box before starting a game. A good target might be  401, 301, 201 or 101.</source>
        <translation>Para um jogo mais curto, escreva outro número na caixa “Pontos” antes de começar. Boas escolhas são 401, 301, 201 ou 101.</translation>
    </message>
    <message>
        <source>The Rules of Sumdart</source>
        <translation>As regras do Sumdart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&gt;&gt; Next Page</source>
        <translation>&gt;&gt; Próxima</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <source>Ready to play: one to four players take turns, with dice and a clock</source>
        <translation>Prontos para jogar: de um a quatro jogadores, cada um na sua vez, com dados e um relógio</translation>
    </message>
    <message>
        <source>The board, with its ring of doubles</source>
        <translation>O tabuleiro, com o anel dos dobros</translation>
    </message>
    <message>
        <source>Sumdart rules, page %1 of 3</source>
        <translation>Regras do Sumdart, página %1 de 3</translation>
    </message>
    <message>
        <source>Throw Dice</source>
        <translation>Jogar dados</translation>
    </message>
    <message>
        <source>Open Rules Document for Printing</source>
        <translation>Abrir as regras para imprimir</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Target</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>The Sumdart logo</source>
        <translation>O logotipo do Sumdart</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Tocar sons</translation>
    </message>
    <message>
        <source>Timers On</source>
        <translation>Com relógio</translation>
    </message>
    <message>
        <source>Set Total Time Allowed</source>
        <translation>Tempo total permitido</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>As regras</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Cobrir a tela</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Número de jogadores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Sumdart: set up a game</source>
        <translation>Sumdart: preparar um jogo</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s)</source>
        <translation>
            <numerusform>%n jogador</numerusform>
            <numerusform>%n jogadores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Solver</name>
    <message>
        <source>usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)</source>
        <translation>uso: sumdart-solve DADO DADO DADO DADO   (quatro números inteiros de 1 a 6)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>“%1” não é um número inteiro</translation>
    </message>
    <message>
        <source>%1 is outside 1 to 6</source>
        <translation>%1 não está entre 1 e 6</translation>
    </message>
    <message>
        <source>usage: sumdart-solve %1</source>
        <translation>uso: sumdart-solve %1</translation>
    </message>
    <message>
        <source>the number of throws must be a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>o número de jogadas deve ser um número inteiro de 1 a %1, e não “%2”</translation>
    </message>
    <message>
        <source>%1 needs a whole number after it</source>
        <translation>%1 precisa de um número inteiro depois</translation>
    </message>
    <message>
        <source>the seed must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>a semente deve ser um número inteiro de 0 a %1, e não “%2”</translation>
    </message>
    <message>
        <source>%1 needs a file name after it</source>
        <translation>%1 precisa de um nome de arquivo depois</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida: %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado: “%1”</translation>
    </message>
    <message>
        <source>internal error: no answers found for %1 %2 %3 %4</source>
        <translation>erro interno: nenhuma resposta encontrada para %1 %2 %3 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n throw(s)</source>
        <translation>
            <numerusform>%n jogada</numerusform>
            <numerusform>%n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1: %2 on %3, then the answer key on %4.</source>
        <translation>%1 gravado: %2 em %3 e, depois, o gabarito em %4.</translation>
    </message>
    <message>
        <source>there is no translation for &quot;%1&quot;; there are: %2</source>
        <translation>não há tradução para “%1”; as traduções disponíveis são: %2</translation>
    </message>
    <message>
        <source>(no expression found)</source>
        <translation>(nenhuma expressão encontrada)</translation>
    </message>
    <message>
        <source>internal error: no expression found for %1</source>
        <translation>erro interno: nenhuma expressão encontrada para %1</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s) can be made from %1.</source>
        <translation>
            <numerusform>%n número pode ser formado com %1.</numerusform>
            <numerusform>%n números podem ser formados com %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 goes with --worksheet</source>
        <translation>%1 só pode ser usado com --worksheet</translation>
    </message>
    <message>
        <source>expected four dice, got %1</source>
        <translation>eram esperados quatro dados, mas vieram %1</translation>
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

Lista cada número inteiro de 1 a 100 que os quatro dados podem formar,
usando cada dado uma vez com +, -, × e ÷ e parênteses à vontade, com uma
maneira de formá-lo:
  40 = (6 + 3 + 1) × 4            formado exatamente
  62 ≈ 5 × 5 × 5 ÷ 2 = 62,5       formado arredondando para o inteiro mais
                                  próximo (se cair bem no meio, vai para o par)
Um valor que não é um decimal curto aparece como fração, com o valor em duas
casas decimais, por exemplo 50/3 (16,67). A última linha conta os números.

Com --worksheet, grava em vez disso um PDF para imprimir para a turma:
N jogadas sorteadas como o jogo sorteia, cada uma mostrada como quatro
dados com linhas para escrever o maior número e um dobro, e depois, numa nova
página, um gabarito que dá, para cada jogada, quantos dos números de 1 a
100 ela forma, o maior, e cada dobro do tabuleiro (2 a 40) que ela forma,
cada um com uma maneira de formá-lo.
  --worksheet [N]     N jogadas, de 1 a %3 (padrão: %4)
  --seed S            sorteia as jogadas a partir de S, um número inteiro:
                      a mesma semente dá a mesma folha; sem ela, cada folha
                      sai diferente
  -o, --output FILE   o PDF a gravar (padrão: %5
                      na pasta atual); um arquivo que já existe só é
                      substituído quando o novo estiver completo
  --letter            papel Carta (US Letter) em vez de A4
  --lang CODE         o idioma das mensagens e da folha de atividades
                      (por exemplo pt_BR, de, es, fr; en para inglês) em vez
                      do idioma da área de trabalho
Exemplo: sumdart-solve --worksheet 12 --seed 2024 -o segunda.pdf

  -h, --help   mostra esta ajuda
  --version    mostra a versão
</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>A dartboard of numbers</source>
        <translation>Um alvo de dardos feito de números</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Continuar jogo anterior</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Sumdart Worksheet</source>
        <translation>Folha de atividades do Sumdart</translation>
    </message>
    <message>
        <source>Use all four dice, each once, with + − × ÷. Make the highest number you can, and make a double.</source>
        <translation>Use os quatro dados, cada um uma vez, com + − × ÷. Forme o maior número que conseguir e também um dobro.</translation>
    </message>
    <message>
        <source>A double is 2, 4, 6, … up to %1. An answer that is not whole counts as its nearest whole number.</source>
        <translation>Os dobros são 2, 4, 6, … até %1. Um resultado que não é inteiro vale o número inteiro mais próximo.</translation>
    </message>
    <message>
        <source>For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, each with one way to make it. “=” made exactly; “≈” made by rounding to the nearest whole number (an exact half goes to the even one).</source>
        <translation>Para cada jogada: quantos dos números de 1 a 100 ela forma, o maior, e cada dobro que ela forma, cada um com uma maneira de formá-lo. “=” formado exatamente; “≈” formado arredondando para o número inteiro mais próximo (um resultado exatamente no meio entre dois inteiros vai para o número par).</translation>
    </message>
    <message>
        <source>The same sheet again: %1</source>
        <translation>A mesma folha de novo: %1</translation>
    </message>
    <message>
        <source>Sumdart · page %1 of %2</source>
        <translation>Sumdart · página %1 de %2</translation>
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
        <translation>Jogada %1</translation>
    </message>
    <message>
        <source>Highest:</source>
        <translation>Maior número:</translation>
    </message>
    <message>
        <source>Double:</source>
        <translation>Dobro:</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Gabarito (continuação)</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Gabarito</translation>
    </message>
    <message numerus="yes">
        <source>%n number(s)</source>
        <translation>
            <numerusform>%n número</numerusform>
            <numerusform>%n números</numerusform>
        </translation>
    </message>
    <message>
        <source>Doubles: none</source>
        <translation>Dobros: nenhum</translation>
    </message>
    <message>
        <source>Doubles:</source>
        <translation>Dobros:</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>não foi possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>Sumdart worksheet</source>
        <translation>Folha de atividades do Sumdart</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>não foi possível começar o PDF</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>não foi possível desenhar o PDF</translation>
    </message>
</context>
</TS>
