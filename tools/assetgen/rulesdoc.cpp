// The printable rules, written as RTF: word processors open it under the
// ".doc" name the game uses, and it needs nothing but plain text to make.
#include "assetgen.h"

#include <QImage>

namespace sumdart::assetgen {
namespace {

// Plain text to RTF: escapes the three special characters, and writes every
// character outside ASCII as \uN with an ASCII stand-in for old readers.
QByteArray rtf(const QString& text) {
  QByteArray out;
  for (QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c == u'\\' || c == u'{' || c == u'}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == u'\t') {
      out += "\\tab ";
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      char fallback = '?';
      switch (c) {
        case u'\u00d7': fallback = 'x'; break;  // multiplication sign
        case u'\u00f7': fallback = '/'; break;  // division sign
        case u'\u2212': fallback = '-'; break;  // minus sign
        case u'\u2013': fallback = '-'; break;  // en dash
        case u'\u2019': fallback = '\''; break;
        default: break;
      }
      const int code = c > 32767 ? static_cast<int>(c) - 65536 : static_cast<int>(c);
      out += "\\u" + QByteArray::number(code) + fallback;
    }
  }
  return out;
}

class RtfWriter {
 public:
  RtfWriter() {
    doc_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    doc_ += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n";
    doc_ += "{\\colortbl;\\red192\\green0\\blue192;\\red0\\green0\\blue150;\\red170\\green0\\blue0;"
            "\\red90\\green90\\blue90;}\n";
    doc_ += "{\\info{\\title Sumdart Rules}{\\subject The rules of Sumdart}{\\author Sumdart}}\n";
    // A4, 2 cm margins.
    doc_ += "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\widowctrl\n";
  }

  void title(const QString& text) {
    doc_ += "\\pard\\plain\\qc\\sa60\\f0\\fs60\\b\\cf1 " + rtf(text) + "\\par\n";
  }
  void subtitle(const QString& text) {
    doc_ += "\\pard\\plain\\qc\\sa360\\f0\\fs28\\i\\cf4 " + rtf(text) + "\\par\n";
  }
  void heading(const QString& text) {
    doc_ += "\\pard\\plain\\keepn\\sb240\\sa100\\f0\\fs30\\b\\cf2 " + rtf(text) + "\\par\n";
  }
  void body(const QString& text) {
    doc_ += "\\pard\\plain\\sa120\\sl276\\slmult1\\f0\\fs22 " + rtf(text) + "\\par\n";
  }
  void bullet(const QString& text) {
    doc_ += "\\pard\\plain\\fi-284\\li568\\tx568\\sa60\\sl276\\slmult1\\f0\\fs22 \\bullet\\tab " +
            rtf(text) + "\\par\n";
  }
  void numbered(int n, const QString& text) {
    doc_ += "\\pard\\plain\\fi-284\\li568\\tx568\\sa60\\sl276\\slmult1\\f0\\fs22 " +
            QByteArray::number(n) + ".\\tab " + rtf(text) + "\\par\n";
  }
  void example(const QString& text) {
    doc_ += "\\pard\\plain\\qc\\sb120\\sa160\\f0\\fs30\\b\\cf3 " + rtf(text) + "\\par\n";
  }
  void caption(const QString& text) {
    doc_ += "\\pard\\plain\\qc\\sa200\\f0\\fs18\\i\\cf4 " + rtf(text) + "\\par\n";
  }
  void picture(const QByteArray& jpeg) {
    const QImage image = QImage::fromData(jpeg);
    if (image.isNull()) return;
    const int w = image.width();
    const int h = image.height();
    doc_ += "\\pard\\plain\\qc\\sb120\\sa60{\\pict\\jpegblip";
    // Natural size in hundredths of a millimetre, shown size in twips, at 96 dpi.
    doc_ += "\\picw" + QByteArray::number(w * 2540 / 96) + "\\pich" + QByteArray::number(h * 2540 / 96);
    doc_ += "\\picwgoal" + QByteArray::number(w * 15) + "\\pichgoal" + QByteArray::number(h * 15) + "\n";
    const QByteArray hex = jpeg.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) doc_ += hex.mid(i, 128) + "\n";
    doc_ += "}\\par\n";
  }
  QByteArray finish() { return doc_ + "}\n"; }

 private:
  QByteArray doc_;
};

}  // namespace

QByteArray rulesDocument(const QByteArray& boardJpeg) {
  RtfWriter w;
  w.title(QStringLiteral("Sumdart"));
  w.subtitle(QStringLiteral("The rules of the game"));
  w.body(QStringLiteral(
      "Sumdart is an arithmetic game for one to four players, played on a board that looks like a "
      "dartboard. Instead of throwing darts, the players throw four dice and use the numbers on "
      "them to make the score they want."));

  w.heading(QStringLiteral("The aim of the game"));
  w.body(QStringLiteral(
      "Every player starts with a target of 501 points. Each score a player makes is subtracted "
      "from their target. The winner is the first player to bring their target down to exactly "
      "zero, and, as in darts, the last number must be a double."));

  w.heading(QStringLiteral("The board"));
  w.body(QStringLiteral(
      "The board is divided into twenty sectors, in the same order as on a dartboard, clockwise "
      "from the top: 20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5. "
      "From the centre outwards the board shows:"));
  w.bullet(QStringLiteral("the centre: 100;"));
  w.bullet(QStringLiteral("the inner ring: four 50s;"));
  w.bullet(QStringLiteral("the singles, the first ring of twenty numbers: each sector's number;"));
  w.bullet(QStringLiteral("the doubles, the second ring of twenty numbers: twice the sector's number;"));
  w.bullet(QStringLiteral("the trebles, the third ring: three times the sector's number;"));
  w.bullet(QStringLiteral("the quadruples, the outer ring: four times the sector's number."));
  w.body(QStringLiteral(
      "Unlike a dartboard, the Sumdart board has quadruples. Only the numbers on the board can be "
      "clicked: 23 and 25, for example, are not on it."));
  if (!boardJpeg.isEmpty()) {
    w.picture(boardJpeg);
    w.caption(QStringLiteral("The doubles: the second ring of twenty numbers and the centre 100."));
  }
  w.body(QStringLiteral(
      "The doubles are the twenty numbers of the second ring and the centre 100. No other number "
      "is a double: the 50s of the inner ring are not doubles, and neither is the 40 of the "
      "quadruples ring (four times 10)."));

  w.heading(QStringLiteral("Taking a turn"));
  w.numbered(1, QStringLiteral("Click Throw Dice. Four dice are thrown."));
  w.numbered(2, QStringLiteral(
      "Use all four numbers, each one exactly once, to make a whole number from 1 to 100. You may "
      "add (+), subtract (\u2212), multiply (\u00d7) and divide (\u00f7), in any order, with "
      "brackets. If a calculation gives a number that is not whole, it is rounded to the nearest "
      "whole number."));
  w.numbered(3, QStringLiteral("Click that number on the board."));
  w.body(QStringLiteral("For example, if the dice show 6, 4, 3 and 1:"));
  w.example(QStringLiteral("(6 + 4) \u00d7 (3 + 1) = 40"));
  w.body(QStringLiteral(
      "The same throw can make many other numbers: 6 + 4 + 3 + 1 = 14;   6 \u00d7 4 \u00d7 3 "
      "\u00d7 1 = 72;   (6 \u00d7 4) \u00d7 (3 + 1) = 96;   (6 \u00f7 3) \u00d7 (4 \u2212 1) = 6."));
  w.body(QStringLiteral(
      "Digits may not be put side by side to make a bigger number: with 6, 4, 3 and 1 a player "
      "may not put 6 and 4 together to make 64 or 46."));
  w.body(QStringLiteral(
      "A pencil and paper may help with the arithmetic, but calculators are not allowed."));

  w.heading(QStringLiteral("Scoring"));
  w.bullet(QStringLiteral(
      "If the four dice can make the number clicked, it is subtracted from the player's target."));
  w.bullet(QStringLiteral(
      "If the dice cannot make the number clicked, the move is illegal: the player scores nothing "
      "and loses the turn."));
  w.body(QStringLiteral("Either way, the turn then passes to the next player."));

  w.heading(QStringLiteral("Finishing with a double"));
  w.body(QStringLiteral(
      "The target must reach exactly zero, and the number that takes it to zero must be a double. "
      "A number that breaks this rule is a bust: it scores nothing and the target stays as it "
      "was. A number is a bust when it would:"));
  w.bullet(QStringLiteral("take the target below zero (overshoot);"));
  w.bullet(QStringLiteral("leave 1, which can never be finished, since the smallest double is 2;"));
  w.bullet(QStringLiteral("take the target to zero without being a double."));
  w.body(QStringLiteral(
      "For example, with 40 left, clicking the 40 of the doubles ring (double 20) wins the game, "
      "while the 40 of the quadruples ring is a bust. With 100 left, the centre 100 wins."));

  w.heading(QStringLiteral("Players and turns"));
  w.body(QStringLiteral(
      "Sumdart is played by one to four players, who take their turns in the order Blue, Red, "
      "Green, Yellow. Each player should choose a colour before the game begins; if a series of "
      "games is played, players should change colours between games."));
  w.body(QStringLiteral(
      "A single player may play alone or against the computer. The computer always plays Red, "
      "the second player, at level 1, 2 or 3. At level 1 it takes any number its dice can make "
      "and takes its time; at level 3 it always takes the biggest number it can, and plays "
      "fastest; level 2 is in between."));

  w.heading(QStringLiteral("Playing against the clock"));
  w.body(QStringLiteral(
      "When 'Timers On' is ticked on the set-up screen, every player has a clock. Each clock holds "
      "300 seconds unless another total time is set in the 'Set Total Time Allowed' box. A "
      "player's clock counts down only during their own turn. A player who runs out of time has "
      "no more turns for the rest of the game. If all the players run out of time, the game ends "
      "and the player with the lowest remaining target wins; if two share the lowest, the game is "
      "a draw."));

  w.heading(QStringLiteral("Shorter games"));
  w.body(QStringLiteral(
      "For a shorter game, type a smaller target in the 'Target' box before starting: 401, 301, "
      "201 or 101 are good choices."));

  w.heading(QStringLiteral("Help during the game"));
  w.body(QStringLiteral(
      "The Cheat Chart button opens a multiplication table. The number in each square is the "
      "number at the start of its row multiplied by the number at the top of its column."));
  w.body(QStringLiteral(
      "Exit leaves a game that is under way and saves it; Restart Previous Game on the title "
      "screen carries on from where it was left. New Game starts again from the beginning."));

  w.caption(QStringLiteral("Good luck, and good sums!"));
  return w.finish();
}

}  // namespace sumdart::assetgen
