// The game screen's timed events: the dice reveal, the turn hand-over, the
// clocks, the computer's move and the flashes that mark moves and the end.
#include "game/dice.h"
#include "game/game_screen.h"
#include "platform/random.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
int captionNumber(const Ctl& c) { return toInt16(leadingNumber(c.caption)); }

// Text colour of the winner's banner, or nothing for any other value of gameOver.
const Rgb* winnerColour(int gameOver) {
  static constexpr Rgb colours[5] = {colours::blueText, colours::blueText, colours::lightRed, colours::lightGreen,
                                     colours::yellow};
  if (gameOver < 1 || gameOver > 4) return nullptr;
  return &colours[gameOver];
}
}  // namespace

void GameScreen::colourFor(int slot) {
  const PlayerInfo& p = kPlayers[static_cast<std::size_t>(slot)];
  for (Ctl& b : st.Label3) b.fore = p.turnColour;
  st.Label14.fore = p.turnColour;
  for (Ctl& die : st.Label4) die.back = p.diceFace;
  st.Label5[0].fore = p.turnColour;
  st.Label5[5].fore = p.turnColour;
  st.Label13.fore = p.turnColour;
  st.Label2.fore = p.turnColour;
}

void GameScreen::timer1Tick() {
  timer(1).setInterval(2000);
  checkEndOfGame();
  if (st.gameOver > 0) return;

  // Next player after the one who moved last who still has time. The end-of-game
  // check guarantees one exists; the bound keeps a damaged state from hanging.
  const int n = m_.numberOfPlayers < 1 ? 1 : m_.numberOfPlayers;
  --st.turnCounter;
  int p = 0;
  for (int tries = 0; tries <= n; ++tries) {
    advanceTurn();
    p = slotFor(st.turnCounter + 1, n);
    if (p < 4 && st.Label6[static_cast<std::size_t>(p + 1)].enabled) break;
  }
  if (p > 3) p = 0;

  colourFor(p);
  st.Label2.caption = std::string(kPlayers[static_cast<std::size_t>(p)].name) + " to Play";

  if (p == 1 && st.turnCounter % 2 == 0 && m_.computerLevel != 0) label3Click(2);

  if (m_.timeAllowed != 0) {
    for (int slot = 0; slot < m_.numberOfPlayers && slot < 4; ++slot) st.Label12[static_cast<std::size_t>(slot)].visible = true;
    st.Label13.visible = true;
  }
  st.Label10.visible = false;
  timer(1).stop();
}

void GameScreen::timer8Tick() { rollStep(timer(8), s_.random, st.Label4, st.diceShown); }

void GameScreen::timer5Tick() {
  if (settleStep(timer(5), st.Label4, st.judge.dice, st.diceShown)) {
    if (st.turnCounter % 2 == 0 && m_.computerLevel != 0) timer(6).start();
    if (m_.timeAllowed != 0) timer(7).start();
    timer(5).stop();
  }
}

void GameScreen::timer7Tick() {
  if (st.gameOver >= 1) return;
  const int p = playerToMove();
  if (p < 0 || p > 3) return;
  Ctl& clock = st.Label12[static_cast<std::size_t>(p)];
  const int left = captionNumber(clock) - 1;
  clock.caption = decimalText(left);
  // A reading below zero (from a damaged saved game) runs out like zero, so the
  // clock can never count on for ever.
  if (left <= 0) {
    st.Label6[static_cast<std::size_t>(p + 1)].enabled = false;
    play("wav\\gong.wav");
    timer(7).stop();
    timer(1).start();
  }
}

bool GameScreen::computerCanPlay(int index) const {
  const Ctl& c = st.Label1[static_cast<std::size_t>(index)];
  const int v = captionNumber(c);
  return c.visible && v >= 0 && v <= 100 && st.judge.allowed[static_cast<std::size_t>(v)] == 1;
}

void GameScreen::timer6Tick() {
  const int red = m_.redScore;
  if (red < 101) {
    for (int i = 1; i <= 100; ++i) {
      if (i > red || i == red - 1 || (i == red && red % 2 != 0)) st.judge.allowed[static_cast<std::size_t>(i)] = 0;
    }
  }

  s_.random.randomize(s_.dayclock.secondsSinceMidnight());
  timer(6).setInterval(computerInterval(s_.random.rnd()));

  int style = m_.computerLevel;
  if (style == 2) style = 2 * s_.random.below(2) + 1;
  const int top = red <= 42 ? 44 : 84;

  bool any = false;
  for (int idx = 0; idx <= top && !any; ++idx) any = computerCanPlay(idx);

  if (style == 3) {
    int best = 0;
    for (int idx = top; idx >= 0; --idx) {
      if (!computerCanPlay(idx)) continue;
      const int v = captionNumber(st.Label1[static_cast<std::size_t>(idx)]);
      if (v > best) {
        best = v;
        st.computerChoice = static_cast<std::int16_t>(idx);
      }
    }
  } else if (any) {
    // Draw labels until one can be played; when none can, the previous choice stands,
    // as in the greedy style, instead of drawing for ever.
    do {
      s_.random.randomize(s_.dayclock.secondsSinceMidnight());
      st.computerChoice = static_cast<std::int16_t>(s_.random.below(top + 1));
    } while (!computerCanPlay(st.computerChoice));
  }

  timer(6).stop();
  timer(12).start();
}

void GameScreen::timer12Tick() {
  label1Click(st.computerChoice);
  timer(12).stop();
}

void GameScreen::timer11Tick() {
  int best = captionNumber(st.Label6[1]);
  int winner = 1;
  const int n = m_.numberOfPlayers > 4 ? 4 : m_.numberOfPlayers;
  for (int i = 1; i <= n; ++i) {
    const int v = captionNumber(st.Label6[static_cast<std::size_t>(i)]);
    if (v < best) {
      best = v;
      winner = i;
    }
  }
  st.gameOver = static_cast<std::int16_t>(winner);
  for (int i = 1; i <= n; ++i) {
    if (captionNumber(st.Label6[static_cast<std::size_t>(i)]) == best && i != winner) st.gameOver = 5;
  }
  static constexpr const char* kWinText[6] = {"", "BLUE HAS WON!", "RED HAS WON!", "GREEN HAS WON!",
                                              "YELLOW HAS WON!", "IT'S A DRAW!"};
  st.Label2.fore = st.gameOver == 5 ? colours::black : *winnerColour(st.gameOver);
  st.Label2.caption = kWinText[st.gameOver];
  timer(11).stop();
}

void GameScreen::timer3Tick() {
  // Only the parity and "above 15" matter; the count is held at 16..17 from then
  // on so it can never overflow however long the end screen stays open.
  ++st.bannerFlashCount;
  if (st.bannerFlashCount > 17) st.bannerFlashCount = static_cast<std::int16_t>(st.bannerFlashCount - 2);
  if (st.bannerFlashCount % 2 == 1) {
    st.Label2.fore = colours::white;
    if (st.bannerFlashCount > 15) m_.soundOn = 0;
  } else if (const Rgb* c = winnerColour(st.gameOver)) {
    st.Label2.fore = *c;
  }
}

void GameScreen::timer13Tick() {
  timer(13).setInterval(1200);
  ++st.arrowCount;
  s_.sound.playSoundFile("wav\\arrow.wav");
  if (st.arrowCount >= 3) {
    timer(13).stop();
    m_.soundOn = 0;
    st.arrowCount = 0;
  }
}

void GameScreen::timer9Tick() {
  ++st.clickFlashCount;
  Ctl& label = st.Label1[static_cast<std::size_t>(st.clickedCell)];
  label.fore = st.clickFlashCount % 2 == 1 ? colours::black : colours::white;
  if (st.clickFlashCount >= 10) {
    st.clickFlashCount = 0;
    timer(9).stop();
  }
}

void GameScreen::timer2Tick() {
  ++st.titleFlashCount;
  st.Label9.fore = st.titleFlashCount % 2 == 1 ? colours::yellow : colours::title;
  if (st.titleFlashCount >= 10) {
    st.titleFlashCount = 0;
    timer(2).stop();
  }
}

void GameScreen::timer10Tick() {
  timer(10).setInterval(250);
  ++st.doubleFlashCount;
  const bool odd = st.doubleFlashCount % 2 == 1;
  st.Label11.fore = odd ? colours::black : colours::yellow;
  for (std::size_t i = 25; i <= 44; ++i) st.Label1[i].fore = odd ? colours::lightRed : colours::boardGrey;
  if (st.doubleFlashCount >= 10) {
    st.doubleFlashCount = 0;
    timer(10).stop();
    timer(10).setInterval(1);
  }
}

}  // namespace sumdart
