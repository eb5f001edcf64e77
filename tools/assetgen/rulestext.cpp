// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules document's content: the rules, a whole turn worked through and
// tips for the classroom, in the language of the translation installed.
#include "rulestext.h"

#include <QCoreApplication>

namespace sumdart::assetgen {
namespace {

// A text of the document in the language of the translation installed.
QString translated(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

// Collects the document's blocks in reading order, one call a block.
class Blocks {
 public:
  void title(const QString& text) { add(RulesBlock::Kind::title, text); }
  void subtitle(const QString& text) { add(RulesBlock::Kind::subtitle, text); }
  void heading(const QString& text) { add(RulesBlock::Kind::heading, text); }
  void subheading(const QString& text) { add(RulesBlock::Kind::subheading, text); }
  void body(const QString& text) { add(RulesBlock::Kind::body, text); }
  // A paragraph kept on the page of the one after it.
  void lead(const QString& text) { add(RulesBlock::Kind::lead, text); }
  void bullet(const QString& text) { add(RulesBlock::Kind::bullet, text); }
  void bullet(const QString& boldStart, const QString& text) { add(RulesBlock::Kind::bullet, text).boldStart = boldStart; }
  void numbered(int n, const QString& text) { add(RulesBlock::Kind::numbered, text).number = n; }
  // A worked sum, shown large.
  void example(const QString& text) { add(RulesBlock::Kind::example, text); }
  void caption(const QString& text, RulesPicture with = RulesPicture::none) {
    add(RulesBlock::Kind::caption, text).picture = with;
  }
  // A boxed hint.
  void note(const QString& boldStart, const QString& text) { add(RulesBlock::Kind::note, text).boldStart = boldStart; }
  void table(const QList<std::pair<QString, QString>>& rows, int firstColumnTwips) {
    RulesBlock& block = add(RulesBlock::Kind::table, {});
    block.rows = rows;
    block.twips = firstColumnTwips;
  }
  void picture(RulesPicture picture, int widthTwips, const QString& description) {
    RulesBlock& block = add(RulesBlock::Kind::picture, description);
    block.picture = picture;
    block.twips = widthTwips;
  }
  QList<RulesBlock> blocks;

 private:
  RulesBlock& add(RulesBlock::Kind kind, const QString& text) {
    RulesBlock& block = blocks.emplace_back();
    block.kind = kind;
    block.text = text;
    return block;
  }
};

// The title, what the game is, and its aim.
void addIntroduction(Blocks& w) {
  w.title(QStringLiteral("Sumdart"));
  w.subtitle(translated("RulesDocument","The rules of the game, a worked example and tips for the classroom"));
  w.body(translated("RulesDocument",
      "Sumdart is an arithmetic game for one to four players, played on a board that looks like a "
      "dartboard. Instead of throwing darts, the players throw four dice and use the numbers on "
      "them to make the score they want."));

  w.heading(translated("RulesDocument","The aim of the game"));
  w.body(translated("RulesDocument",
      "Every player starts with a target of 501 points. Each score a player makes is subtracted "
      "from their target. The winner is the first player to bring their target down to exactly "
      "zero, and, as in darts, the last number must be a double."));
}

// The board, its rings and its doubles.
void addBoard(Blocks& w) {
  w.heading(translated("RulesDocument","The board"));
  w.body(translated("RulesDocument",
      "The board is divided into twenty sectors, in the same order as on a dartboard, clockwise "
      "from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. "
      "From the centre outwards the board shows:"));
  w.bullet(translated("RulesDocument","the centre: 100;"));
  w.bullet(translated("RulesDocument","the inner ring: four 50s;"));
  w.bullet(translated("RulesDocument","the singles, the first ring of twenty numbers: each sector's number;"));
  w.bullet(translated("RulesDocument","the doubles, the second ring of twenty numbers: twice the sector's number;"));
  w.bullet(translated("RulesDocument","the trebles, the third ring: three times the sector's number;"));
  w.bullet(translated("RulesDocument","the quadruples, the outer ring: four times the sector's number."));
  w.body(translated("RulesDocument",
      "Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be "
      "clicked: 23 and 25, for example, are not on it."));
  w.picture(RulesPicture::board, 7654, translated("RulesDocument","The board"));  // 13.5 cm
  w.caption(translated("RulesDocument","The Sumdart board. The doubles, ringed in yellow, are the second ring "
                           "and the centre 100."), RulesPicture::board);
  w.body(translated("RulesDocument",
      "The doubles are the twenty numbers of the second ring (the even numbers from 2 to 40) and "
      "the centre 100. No other number is a double: the 50s of the inner ring are not doubles, and "
      "neither is the 40 of the quadruples ring (four times 10)."));
}

// A turn: the dice, the sums allowed, and a throw's numbers.
void addTurn(Blocks& w) {
  w.heading(translated("RulesDocument","Taking a turn"));
  w.numbered(1, translated("RulesDocument","Click Throw Dice. Four dice are thrown."));
  w.numbered(2, translated("RulesDocument",
      "Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may "
      "add (+), subtract (\u2212), multiply (\u00d7) and divide (\u00f7), in any order, with "
      "brackets. If a calculation gives a number that is not whole, it is rounded to the nearest "
      "whole number; an exact half goes to the even neighbour, so 8.5 counts as 8 and 13.5 as 14."));
  w.numbered(3, translated("RulesDocument","Click that number on the board."));
  w.lead(translated("RulesDocument","For example, if the dice show 6, 4, 3 and 1:"));
  w.example(QStringLiteral("(6 + 4) \u00d7 (3 + 1) = 40"));
  w.lead(translated("RulesDocument","The same throw can make many other numbers, for example:"));
  w.bullet(QStringLiteral("6 + 4 + 3 + 1 = 14;"));
  w.bullet(QStringLiteral("6 \u00d7 4 \u00d7 3 \u00d7 1 = 72;"));
  w.bullet(QStringLiteral("(6 \u00f7 3) \u00d7 (4 \u2212 1) = 6."));
  w.body(translated("RulesDocument",
      "It can also make 96, as (6 \u00d7 4) \u00d7 (3 + 1), but 96 cannot be clicked: it is not on "
      "the board."));
  w.body(translated("RulesDocument",
      "Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player "
      "may not put 6 and 4 together to make 64 or 46."));
  w.body(translated("RulesDocument",
      "A pencil and paper may help with the arithmetic, but calculators are not allowed."));
}

// What a click scores, and the finish on a double.
void addScoring(Blocks& w) {
  w.heading(translated("RulesDocument","Scoring"));
  w.bullet(translated("RulesDocument",
      "If the four dice can make the number clicked, it is subtracted from the player's target."));
  w.bullet(translated("RulesDocument",
      "If the dice cannot make the number clicked, the move is illegal: the player scores nothing "
      "and loses the turn."));
  w.body(translated("RulesDocument","Either way, the turn then passes to the next player."));

  w.heading(translated("RulesDocument","Finishing with a double"));
  w.body(translated("RulesDocument",
      "The target must reach exactly zero, and the number that takes it to zero must be a double. "
      "A number that breaks this rule is a bust: it scores nothing and the target stays as it "
      "was. A number is a bust when it would:"));
  w.bullet(translated("RulesDocument","take the target below zero (overshoot);"));
  w.bullet(translated("RulesDocument","leave 1, which can never be finished, since the smallest double is 2;"));
  w.bullet(translated("RulesDocument","take the target to zero without being a double."));
  w.body(translated("RulesDocument",
      "For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, "
      "while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins."));
}

// Players, the clocks, shorter games and the buttons that help.
void addPlayersAndHelp(Blocks& w) {
  w.heading(translated("RulesDocument","Players and turns"));
  w.body(translated("RulesDocument",
      "Sumdart is played by one to four players, who take their turns in the order Blue, Red, "
      "Green, Yellow. Each player should choose a colour before the game begins; if a series of "
      "games is played, players should change colours between games."));
  w.body(translated("RulesDocument",
      "A single player may play alone or against the computer. The computer always plays Red, "
      "the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make "
      "and takes its time; at level 3 it always takes the biggest number it can, and plays "
      "fastest; level 2 is in between."));

  w.heading(translated("RulesDocument","Playing against the clock"));
  w.body(translated("RulesDocument",
      "When 'Timers On' is ticked on the set-up screen, every player has a clock. Each clock holds "
      "300 seconds unless another total time is set in the 'Set Total Time Allowed' box. A "
      "player's clock counts down only during their own turn. A player who runs out of time has "
      "no more turns for the rest of the game. If all the players run out of time, the game ends "
      "and the player with the lowest remaining target wins; if two share the lowest, the game is "
      "a draw."));

  w.heading(translated("RulesDocument","Shorter games"));
  w.body(translated("RulesDocument",
      "For a shorter game, type a smaller target in the 'Target' box before starting: 401, 301, "
      "201 or 101 are good choices."));

  w.heading(translated("RulesDocument","Help during the game"));
  w.body(translated("RulesDocument",
      "The Cheat Chart button opens a multiplication table. The number in each square is the "
      "number at the start of its row multiplied by the number at the top of its column."));
  w.body(translated("RulesDocument",
      "Exit leaves a game that is under way and saves it; Restart Previous Game on the title "
      "screen carries on from where it was left. New Game starts again from the beginning."));

}

// A throw of 5, 4, 3 and 2, worked through.
// Every number below was checked against the game's own judge.
void addWorkedTurn(Blocks& w, const QLocale& numbers) {
  w.heading(translated("RulesDocument","A whole turn, worked through"));
  w.lead(translated("RulesDocument",
      "It is the start of a game, so Blue's target is 501. Blue clicks Throw Dice, and the dice "
      "show 5, 4, 3 and 2:"));
  w.picture(RulesPicture::diceThrow, 3118, QStringLiteral("5, 4, 3, 2"));  // 5.5 cm
  w.lead(translated("RulesDocument",
      "Blue looks for numbers that use all four dice, each exactly once. Here are some, with the "
      "working:"));
  w.table({{translated("RulesDocument","Working"), translated("RulesDocument","Can Blue click it?")},
           {QStringLiteral("5 + 4 + 3 + 2 = 14"), translated("RulesDocument","Yes, but it is a small score.")},
           {QStringLiteral("(4 \u00d7 3 + 5) \u00f7 2 = ") + numbers.toString(8.5),
            translated("RulesDocument","Yes, as 8: an exact half goes to the even neighbour.")},
           {QStringLiteral("(5 + 4) \u00d7 3 \u00f7 2 = ") + numbers.toString(13.5),
            translated("RulesDocument","Yes, as 14, the even neighbour of 13.5.")},
           {QStringLiteral("(5 \u00d7 2 + 3) \u00d7 4 = 52"),
            translated("RulesDocument","Yes: 52 is on the quadruples ring (four times 13).")},
           {QStringLiteral("(5 + 3) \u00d7 4 \u00d7 2 = 64"),
            translated("RulesDocument","Yes: 64 is on the quadruples ring (four times 16).")},
           {QStringLiteral("(5 + 2) \u00d7 4 \u00d7 3 = 84"),
            translated("RulesDocument","No: the dice make 84, but 84 is not on the board.")},
           {QStringLiteral("5 \u00d7 4 \u00d7 3 \u00d7 2 = 120"),
            translated("RulesDocument","No: only the numbers from 1 to 100 count.")},
           {QStringLiteral("5 \u00d7 4 \u00d7 3 = 60"),
            translated("RulesDocument","No: the 2 is not used, and no working with all four dice makes 60. "
                           "Clicking 60 would be an illegal move.")},
           {QStringLiteral("5 \u00d7 4 \u00d7 (3 + 2) = 100"),
            translated("RulesDocument","Yes: the centre of the board, the biggest number there is.")}},
          3969);

  w.subheading(translated("RulesDocument","Which one to pick, and why"));
  w.body(translated("RulesDocument",
      "With a long way to go, the biggest number the dice can make is the best choice, because it "
      "brings the target down fastest. Blue clicks the 100 in the centre. The dice can make it, so "
      "it is subtracted from Blue's target:"));
  w.example(QStringLiteral("501 \u2212 100 = 401"));
  w.body(translated("RulesDocument",
      "Blue's target is now 401, and it is Red's turn. Near the end of a game the biggest number "
      "is not always the best: then choose a number that leaves a double, that is an even number "
      "from 2 to 40, or 100. With an odd target, first score an odd number."));
}

// A finish worked through: a double and the busts.
void addWorkedFinish(Blocks& w) {
  w.subheading(translated("RulesDocument","Finishing: a double and a bust"));
  w.lead(translated("RulesDocument",
      "Later in the game Yellow has 32 left and throws 4, 4, 2 and 1. Since 32 is double 16, this "
      "throw can win:"));
  w.table({{translated("RulesDocument","Yellow makes and clicks"), translated("RulesDocument","What happens")},
           {translated("RulesDocument","4 \u00d7 4 \u00d7 2 \u00d7 1 = 32, the 32 of the doubles ring (double 16)"),
            translated("RulesDocument","32 \u2212 32 = 0, finished with a double: Yellow wins!")},
           {translated("RulesDocument","4 \u00d7 4 \u00d7 2 \u00d7 1 = 32, the 32 of the quadruples ring (four times 8)"),
            translated("RulesDocument","A bust: it reaches zero, but not with a double. Yellow scores nothing "
                           "and the target stays at 32.")},
           {QStringLiteral("4 \u00d7 4 \u00d7 (2 + 1) = 48"),
            translated("RulesDocument","A bust: 48 is more than 32 (an overshoot). The target stays at 32.")},
           {QStringLiteral("(4 + 4) \u00d7 (2 + 1) = 24"),
            translated("RulesDocument","Allowed: 32 \u2212 24 = 8 is left, which is double 4, ready for the "
                           "next turn.")},
           {translated("RulesDocument","The same 32, had Yellow had 33 left"),
            translated("RulesDocument","A bust: it would leave 1, which no double can finish.")}},
          3969);
}

// Tips for the classroom.
void addClassroomTips(Blocks& w) {
  w.heading(translated("RulesDocument","Tips for the classroom"));
  w.bullet(translated("RulesDocument","Pairs and teams."), translated("RulesDocument",
      "Up to four pairs or small teams can play, one colour each. The mouse passes round the team "
      "every turn; the team agrees on a number and says the working aloud before clicking. Blue "
      "always goes first, so change colours between games."));
  w.bullet(translated("RulesDocument","Shorter targets for younger pupils."), translated("RulesDocument",
      "A game from 501 takes a while. For younger pupils or a short session, type 101 or 201 in "
      "the 'Target' box; 301 suits a lesson starter. The finish, and with it the doubles, then "
      "comes round sooner."));
  w.bullet(translated("RulesDocument","Using the clocks."), translated("RulesDocument",
      "Leave 'Timers On' unticked while pupils learn the game, and tick it once they are "
      "confident: 300 seconds each is relaxed, and a smaller total in 'Set Total Time Allowed' "
      "makes a brisk game. A clock runs only in its player's turn and a wrong number loses the "
      "turn, so the clocks reward quick, careful working, not guessing."));
  w.bullet(translated("RulesDocument","The cheat chart."), translated("RulesDocument",
      "Let beginners use the Cheat Chart freely to check a product. As pupils grow more sure of "
      "their tables, challenge them to play a game without opening it."));
  w.bullet(translated("RulesDocument","Playing against the computer."), translated("RulesDocument",
      "A pupil on their own can play against the computer, which plays Red. Level 1 is a gentle "
      "opponent for a beginner; level 3 always takes the biggest number it can and plays fast. It "
      "suits early finishers and practice at a spare computer."));
  w.bullet(translated("RulesDocument","Pencil and paper."), translated("RulesDocument",
      "Give each player or team paper and a pencil (but no calculator). Ask them to write down "
      "each throw, the working of the number they chose and their new target. At the end, swap "
      "sheets and check each other's working."));
}

// Mental arithmetic practice, the reminder and the farewell.
void addMentalArithmetic(Blocks& w) {
  w.subheading(translated("RulesDocument","Mental arithmetic practice"));
  w.lead(translated("RulesDocument",
      "Every turn is a small mental arithmetic problem. Some ways to make the most of it:"));
  w.bullet(translated("RulesDocument","How many numbers?"), translated("RulesDocument",
      "Throw once, then give the class two minutes to write down as many different numbers as "
      "they can, each with its working. Score a point for every one that is on the board."));
  w.bullet(translated("RulesDocument","Hit the number."), translated("RulesDocument",
      "Choose a number on the board, for example 36, and ask who can make it from the throw. Who "
      "can make the biggest number on the board? Who can make 1?"));
  w.bullet(translated("RulesDocument","Brackets matter."), translated("RulesDocument",
      "Ask for the working with brackets, and compare: (6 + 4) \u00d7 (3 + 1) = 40, but "
      "6 + 4 \u00d7 3 + 1 = 19."));
  w.bullet(translated("RulesDocument","Say it first."), translated("RulesDocument",
      "Before clicking, the player says the new target aloud, for example 401 \u2212 64 = 337, and "
      "the class checks it against the score the game shows."));
  w.bullet(translated("RulesDocument","Doubles and halves."), translated("RulesDocument",
      "At the finish, ask which double is needed (32 is double 16) and which numbers would leave a "
      "double for the next turn."));
  w.note(translated("RulesDocument","Remember:"), translated("RulesDocument",
      "use all four dice, each once; the number must be on the board; and the last number must be "
      "a double."));

  w.caption(translated("RulesDocument","Good luck, and good sums!"));
}

}  // namespace

RulesText rulesText(const QLocale& numbers) {
  Blocks w;
  addIntroduction(w);
  addBoard(w);
  addTurn(w);
  addScoring(w);
  addPlayersAndHelp(w);
  addWorkedTurn(w, numbers);
  addWorkedFinish(w);
  addClassroomTips(w);
  addMentalArithmetic(w);
  return {.title = translated("RulesDocument", "Sumdart Rules"),
          .subject = translated("RulesDocument", "The rules of Sumdart, a worked example and tips for the classroom"),
          .footer = translated("RulesDocument", "Sumdart rules \u2013 page %1"),
          .blocks = w.blocks};
}

}  // namespace sumdart::assetgen
