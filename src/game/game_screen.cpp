#include "game/game_screen.h"

#include "game/dice.h"
#include "platform/random.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
// Design intervals of Timer1..Timer13 (Timer4 is never used).
constexpr std::array<int, 14> kDesignInterval{0, 2000, 250, 250, 1000, 1500, 1000, 1000, 1200, 200, 1, 2000, 1, 1};
}  // namespace

const char* scoreSound(int x) {
  if (x < 10) return "wav\\divboard.wav";
  if (x < 20) return "wav\\scrape.wav";
  if (x < 30) return "wav\\golfswng.wav";
  if (x < 40) return "wav\\scifi002.wav";
  if (x < 50) return "wav\\archer.wav";
  if (x < 60) return "wav\\scifi003.wav";
  if (x < 80) return "wav\\botrockt.wav";
  if (x == 80) return "wav\\scifi011.wav";
  if (x == 100) return "wav\\scifi020.wav";
  return nullptr;  // no other value is on the board
}

GameScreen::GameScreen(GameSettings& m, Services s, GameScreenHost& host) : m_(m), s_(s), host_(host) {
  using Tick = void (GameScreen::*)();
  const std::array<Tick, 14> ticks{nullptr,           &GameScreen::timer1Tick,  &GameScreen::timer2Tick,  &GameScreen::timer3Tick,
                                   nullptr,           &GameScreen::timer5Tick,  &GameScreen::timer6Tick,  &GameScreen::timer7Tick,
                                   &GameScreen::timer8Tick, &GameScreen::timer9Tick, &GameScreen::timer10Tick, &GameScreen::timer11Tick,
                                   &GameScreen::timer12Tick, &GameScreen::timer13Tick};
  for (std::size_t n = 1; n < timers_.size(); ++n) {
    timers_[n] = s_.timers.createTimer();
    timers_[n]->setInterval(kDesignInterval[n]);
    if (Tick t = ticks[n]) {
      timers_[n]->onTick([this, t] {
        (this->*t)();
        if (changed) changed();
      });
    }
  }

  form.back = colours::gameBack;
  form.width = kGameWidth;
  form.height = kGameHeight;
  form.place = Placement::Fit;
  form.titleBar = false;
  // Bottom of the stacking order first.
  form.add("Image2", st.Image2);
  form.add("Label11", st.Label11);
  form.add("Label13", st.Label13);
  for (int i = 0; i < 4; ++i) form.add(arrayName("Label12", i), st.Label12[static_cast<std::size_t>(i)]);
  form.add("Label10", st.Label10);
  for (int i = 0; i < 7; ++i) form.add(arrayName("Label5", i), st.Label5[static_cast<std::size_t>(i)]);
  for (int i = 1; i <= 4; ++i) form.add(arrayName("Label6", i), st.Label6[static_cast<std::size_t>(i)]);
  for (int i = 0; i < 4; ++i) form.add(arrayName("Label4", i), st.Label4[static_cast<std::size_t>(i)]);
  form.add("Label2", st.Label2);
  form.add("Label9", st.Label9);
  for (int i = 0; i < 3; ++i)
    form.add(arrayName("Label3", i), st.Label3[static_cast<std::size_t>(i)], [this, i] { label3Click(i); });
  form.add("Label14", st.Label14, [this] { label14Click(); });
  for (int i = 0; i < board::kLabels; ++i)
    form.add(arrayName("Label1", i), st.Label1[static_cast<std::size_t>(i)], [this, i] { label1Click(i); });
}

GameScreen::~GameScreen() = default;

bool GameScreen::open() {
  for (const char* picture : {kBoardPicture, kLogoPicture}) {
    if (!s_.desktop.pictureLoads(picture)) {
      openError_ = std::string("The picture \"") + picture + "\" could not be loaded. Folders searched: " +
                   s_.desktop.searchedFolders();
      return false;
    }
  }
  form.picture = kBoardPicture;
  st.Image2.picture = kLogoPicture;
  load();
  return true;
}

SavedGame GameScreen::saved() const {
  const auto number = [](const Ctl& c) { return toInt16(leadingNumber(c.caption)); };
  SavedGame g;
  g.numberOfPlayers = m_.numberOfPlayers;
  g.computerLevel = m_.computerLevel;
  g.turnCounter = st.turnCounter;
  g.hidden = number(st.Label5[5]);
  for (std::size_t i = 0; i < 4; ++i) {
    g.scores[i] = m_.score(static_cast<int>(i) + 1);
    g.clocks[i] = number(st.Label12[i]);
  }
  g.timeAllowed = m_.timeAllowed;
  g.soundOn = m_.soundOn;
  g.hideDesktop = m_.hideDesktop;
  return g;
}

void GameScreen::stopAllTimers() {
  for (std::size_t n = 1; n < timers_.size(); ++n) timers_[n]->stop();
}

int GameScreen::playerToMove() const { return slotFor(st.turnCounter + 1, m_.numberOfPlayers); }

void GameScreen::play(const char* name) {
  if (m_.soundOn == 1 && name) s_.sound.playSoundFile(name);
}

// The turn counter is 16-bit. Long before it could overflow it is wound back by a
// multiple of 12, which every player count (1..4) and the computer's even/odd
// test divide, so whose turn it is never changes; it stays at least 1, so an
// unfinished game is still saved on Exit.
void GameScreen::advanceTurn() {
  ++st.turnCounter;
  if (st.turnCounter >= kTurnWrapAt) st.turnCounter = static_cast<std::int16_t>(st.turnCounter - 29988);
}

void GameScreen::load() {

  if (m_.restartGame == 1) {
    st.turnCounter = m_.savedTurn;
    timer(1).setInterval(1);
    timer(1).start();
  } else {
    st.turnCounter = -1;
  }

  if (m_.computerLevel > 0 && m_.timeAllowed > 0) timer(6).setInterval(computerInterval(s_.random.rnd()));

  if (m_.timeAllowed != 0) {
    for (int slot = 0; slot < m_.numberOfPlayers && slot < 4; ++slot) {
      auto& clock = st.Label12[static_cast<std::size_t>(slot)];
      clock.caption = decimalText(m_.timeAllowed);
      clock.visible = true;
    }
    st.Label13.visible = true;
  }

  st.gameOver = 0;
  st.judge.pairCount = st.judge.tripleCount = st.judge.resultCount = 0;
  st.bannerFlashCount = 0;

  // Labels 1..84 are copies of label 0, hidden until placed.
  st.Label1[0].caption = "100";
  for (std::size_t i = 1; i <= 4; ++i) st.Label1[i].caption = "50";
  for (int k = 0; k < 4; ++k)
    for (int j = 0; j < 20; ++j) {
      const int idx = 5 + 20 * k + j;
      st.Label1[static_cast<std::size_t>(idx)].caption = decimalText(board::value(idx));
    }

  placeBoardCells();
}

void GameScreen::placeBoardCells() {
  st.ringUnit = 600;
  const Ctl& centre = st.Label1[0];
  st.centreX = static_cast<float>(centre.left + centre.width / 2);
  st.centreY = static_cast<float>(centre.top + centre.height / 2);
  const double w0 = centre.width;
  const double h0 = centre.height;
  for (int idx : board::placementOrder()) {
    const board::Point p = board::position(idx, st.centreX, st.centreY, w0, h0, st.ringUnit);
    Ctl& c = st.Label1[static_cast<std::size_t>(idx)];
    c.left = p.left;
    c.top = p.top;
  }
  st.Label1[0].autosize = true;
  for (Ctl& c : st.Label1) c.visible = true;
  if (m_.restartGame == 1) restorePreviousPosition();
}

void GameScreen::restorePreviousPosition() {
  for (int n = 1; n <= 4; ++n) {
    st.Label6[static_cast<std::size_t>(n)].caption = decimalText(m_.savedScores[static_cast<std::size_t>(n)]);
    m_.score(n) = m_.savedScores[static_cast<std::size_t>(n)];
  }
  for (std::size_t i = 0; i < 4; ++i) {
    st.Label12[i].caption = decimalText(m_.savedClocks[i + 1]);
    if (m_.savedClocks[i + 1] < 1) st.Label6[i + 1].enabled = false;
  }
}

void GameScreen::commonStart() {
  st.Label10.visible = false;
  for (Ctl& die : st.Label4) {
    die.caption.clear();
    die.back = st.Label2.fore == colours::blueText ? colours::lightBlue : st.Label2.fore;
    if (die.back == colours::lightBlue || die.back == colours::lightRed) {
      die.fore = colours::white;
    } else {
      die.fore = colours::black;
    }
  }
  st.judge.clearStores();
}

void GameScreen::label3Click(int index) {
  commonStart();
  switch (index) {
    case 2: {  // Throw Dice
      if (st.gameOver != 0) return;
      for (Ctl& c : st.Label1) c.fore = colours::boardGrey;
      st.Label3[2].enabled = false;
      drawThrow(s_.random, s_.dayclock, st.judge.dice);
      startReveal(timer(5), timer(8), m_.soundOn == 1, st.diceShown);
      st.judge.judgeChainShapes();
      st.judge.judgePairShapes();
      play("wav\\cupdice.wav");
      return;
    }
    case 1:  // New Game
      host_.newGame();
      host_.closeCheatChart();
      play("wav\\click1.wav");
      return;
    case 0:  // Exit: an unfinished game that has seen two clicks is saved
      if (st.gameOver == 0 && st.turnCounter >= 1) s_.savefile.write(formatSavedGame(saved()));
      host_.exitGame();
      host_.closeCheatChart();
      play("wav\\click1.wav");
      return;
    default:
      return;
  }
}

void GameScreen::closeRequested() { label3Click(0); }

void GameScreen::label14Click() {
  host_.openCheatChart();
  play("wav\\click1.wav");
}

void GameScreen::label1Click(int index) {
  if (index < 0 || index >= board::kLabels) return;
  if (timer(1).isActive() || timer(6).isActive() || !st.Label4[0].enabled || timer(5).isActive() || st.gameOver > 0)
    return;

  timer(7).stop();
  advanceTurn();
  const int p = slotFor(st.turnCounter, m_.numberOfPlayers);
  const Ctl& label = st.Label1[static_cast<std::size_t>(index)];
  const double x0 = leadingNumber(label.caption);
  const int v = toInt16(x0);

  if (v < 0 || v > 100 || st.judge.allowed[static_cast<std::size_t>(v)] == 0) {
    for (Ctl& c : st.Label12) c.visible = false;
    st.Label13.visible = false;
    st.Label10.caption = kIllegalMove;
    st.Label10.visible = true;
    timer(1).start();
    play("wav\\ricochet.wav");
    return;
  }

  int x = v;
  st.lastWasDouble = board::isDouble(index) ? 1 : 0;
  play(scoreSound(x));

  std::int16_t& s = m_.score(p + 1);
  if (x > s || x == s - 1 || (x == s && st.lastWasDouble == 0)) {
    timer(10).start();
    x = 0;
  } else {
    s = static_cast<std::int16_t>(s - x);
  }
  st.Label6[static_cast<std::size_t>(p + 1)].caption = decimalText(s);

  if (x >= 50) timer(2).start();
  st.Label2.caption = decimalText(x) + (x == 1 ? " point scored" : " points scored");
  st.clickedCell = static_cast<std::int16_t>(index);
  timer(9).start();
  checkEndOfGame();
  timer(1).start();
}

void GameScreen::checkEndOfGame() {
  const auto endTimers = [this] {
    timer(11).start();
    timer(3).start();
  };
  if (m_.blueScore < 1 || m_.redScore < 1 || m_.greenScore < 1 || m_.yellowScore < 1) {
    st.gameOver = static_cast<std::int16_t>(slotFor(st.turnCounter, m_.numberOfPlayers) + 1);
    timer(1).stop();
    if (m_.soundOn == 1) timer(13).start();
    st.Label2.caption = "GAME OVER!!!";
    endTimers();
    return;
  }

  int c = 0;
  for (std::size_t n = 1; n <= 4; ++n) {
    if (st.Label6[n].visible && st.Label6[n].enabled) {
      st.gameOver = static_cast<std::int16_t>(n);
      ++c;
    }
  }

  if (m_.numberOfPlayers > 1) {
    if (c > 0) {
      st.gameOver = 0;
    } else {
      st.gameOver = 5;
      timer(1).stop();
      st.Label2.caption = "GAME OVER!!!";
      endTimers();
      if (m_.soundOn == 1) timer(13).start();
      return;
    }
  } else {
    if (c == 1) {
      st.gameOver = 0;
    } else {
      st.gameOver = 1;
      timer(1).stop();
      st.Label2.fore = colours::blueText;
      st.Label2.caption = "OUT OF TIME!";
    }
  }

  if (st.gameOver == 0) {
    for (Ctl& die : st.Label4) die.enabled = false;
    st.Label3[2].enabled = true;
    return;
  }
  timer(3).start();
  if (m_.soundOn == 1) timer(13).start();
}

int GameScreen::computerInterval(double r) const {
  return (static_cast<int>(r * 5000) + 1000) * (4 - m_.computerLevel);
}

}  // namespace sumdart
