#include "game/game_screen.h"

#include "game/dice.h"
#include "seams/random.h"
#include "state/numbers.h"

namespace sumdart {


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

namespace {
std::array<std::unique_ptr<Timer>, 13> makeTimers(TimerFactory& factory) {
  std::array<std::unique_ptr<Timer>, 13> timers;
  for (auto& t : timers) t = factory.createTimer();
  return timers;
}
}  // namespace

GameScreen::GameScreen(GameSettings& m, Services s, GameScreenHost& host)
    : timers_(makeTimers(s.timers)),
      handOver(*timers_[0]),
      titleFlash(*timers_[1]),
      bannerFlash(*timers_[2]),
      diceSettle(*timers_[3]),
      computerThink(*timers_[4]),
      clockTick(*timers_[5]),
      diceRoll(*timers_[6]),
      cellFlash(*timers_[7]),
      doublesFlash(*timers_[8]),
      winnerBanner(*timers_[9]),
      computerClick(*timers_[10]),
      arrowSounds(*timers_[11]),
      typingPause(*timers_[12]),
      m_(m),
      s_(s),
      host_(host) {
  // Each timer with its first interval (ticks may change it) and what it does.
  using Tick = void (GameScreen::*)();
  const std::pair<int, Tick> ticks[13] = {
      {2000, &GameScreen::onHandOver},    {250, &GameScreen::onTitleFlash},    {250, &GameScreen::onBannerFlash},
      {1500, &GameScreen::onDiceSettle},  {1000, &GameScreen::onComputerThink}, {1000, &GameScreen::onClockTick},
      {1200, &GameScreen::onDiceRoll},    {200, &GameScreen::onCellFlash},     {1, &GameScreen::onDoublesFlash},
      {2000, &GameScreen::onWinnerBanner}, {1, &GameScreen::onComputerClick},   {1, &GameScreen::onArrowSounds},
      {1000, &GameScreen::onTypingPause}};
  for (std::size_t n = 0; n < timers_.size(); ++n) {
    timers_[n]->setInterval(ticks[n].first);
    timers_[n]->onTick([this, t = ticks[n].second] {
      (this->*t)();
      if (changed) changed();
    });
  }

  form.back = colours::gameBack;
  form.width = kGameWidth;
  form.height = kGameHeight;
  form.place = Placement::Fit;
  form.titleBar = false;
  // Bottom of the stacking order first.
  form.add("logo", st.logo);
  form.add("doubleReminder", st.doubleReminder);
  form.add("secondsHeading", st.secondsHeading);
  for (int i = 0; i < 4; ++i) form.add(arrayName("clocks", i), st.clocks[static_cast<std::size_t>(i)]);
  form.add("illegalMoveNotice", st.illegalMoveNotice);
  form.add("targetHeading", st.targetHeading);
  for (int n = 1; n <= 4; ++n) form.add(arrayName("playerNames", n), st.playerNames[static_cast<std::size_t>(n)]);
  form.add("hiddenNumber", st.hiddenNumber);
  form.add("computerNotice", st.computerNotice);
  for (int n = 1; n <= 4; ++n) form.add(arrayName("scorePanels", n), st.scorePanels[static_cast<std::size_t>(n)]);
  for (int i = 0; i < 4; ++i) form.add(arrayName("dice", i), st.dice[static_cast<std::size_t>(i)]);
  form.add("banner", st.banner);
  form.add("gameTitle", st.gameTitle);
  form.add("exitButton", st.exitButton, [this] { exitGame(); });
  form.add("newGameButton", st.newGameButton, [this] { newGame(); });
  form.add("throwButton", st.throwButton, [this] { throwDice(); });
  form.add("cheatChartButton", st.cheatChartButton, [this] { openCheatChart(); });
  for (int i = 0; i < board::kLabels; ++i)
    form.add(arrayName("boardCells", i), st.boardCells[static_cast<std::size_t>(i)], [this, i] { boardCellClicked(i); });

  // The keyboard and screen readers: the board is one Tab stop, on its picked cell.
  form.tabOrder = {"throwButton", "cheatChartButton"};
  for (int i = 0; i < board::kLabels; ++i) {
    Ctl& cell = st.boardCells[static_cast<std::size_t>(i)];
    cell.spokenName = board::cellName(i);
    cell.tabStop = i == picked_;
    form.tabOrder.push_back(arrayName("boardCells", i));
  }
  form.tabOrder.insert(form.tabOrder.end(), {"exitButton", "newGameButton"});
  form.focus = "throwButton";
  form.spokenTitle = translate("GameScreen", "Sumdart game");
  st.banner.announced = true;
  st.illegalMoveNotice.announced = true;
}

GameScreen::~GameScreen() = default;

bool GameScreen::open() {
  for (const char* picture : {kBoardPicture, kLogoPicture}) {
    if (!s_.desktop.pictureLoads(picture)) {
      openError_ = fill(translate("GameScreen", "The picture \"%1\" could not be loaded. Folders searched: %2"),
                        {picture, s_.desktop.searchedFolders()});
      return false;
    }
  }
  form.picture = kBoardPicture;
  st.logo.picture = kLogoPicture;
  load();
  return true;
}

SavedGame GameScreen::saved() const {
  SavedGame g;
  g.numberOfPlayers = m_.numberOfPlayers;
  g.computerLevel = m_.computerLevel;
  g.turnCounter = st.turnCounter;
  g.hidden = GameState::kHiddenNumber;
  for (std::size_t i = 0; i < 4; ++i) {
    g.scores[i] = m_.score(static_cast<int>(i) + 1);
    g.clocks[i] = st.secondsLeft[i];
  }
  g.timeAllowed = m_.timeAllowed;
  g.soundOn = m_.soundOn;
  g.hideDesktop = m_.hideDesktop;
  return g;
}

void GameScreen::stopAllTimers() {
  for (auto& t : timers_) t->stop();
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
    handOver.setInterval(1);
    handOver.start();
  } else {
    st.turnCounter = -1;
    form.say(st.banner.caption);
  }

  if (m_.computerLevel > 0 && m_.timeAllowed > 0) computerThink.setInterval(computerInterval(s_.random.rnd()));

  if (m_.timeAllowed != 0) {
    for (int slot = 0; slot < m_.numberOfPlayers && slot < 4; ++slot) {
      st.showSeconds(static_cast<std::size_t>(slot), m_.timeAllowed);
      st.clocks[static_cast<std::size_t>(slot)].visible = true;
    }
    st.secondsHeading.visible = true;
  }

  st.gameOver = 0;
  st.judge.pairCount = st.judge.tripleCount = st.judge.resultCount = 0;
  st.bannerFlashCount = 0;

  // Cells 1..84 are copies of cell 0, hidden until placed.
  st.boardCells[0].caption = "100";
  for (std::size_t i = 1; i <= 4; ++i) st.boardCells[i].caption = "50";
  for (int k = 0; k < 4; ++k)
    for (int j = 0; j < 20; ++j) {
      const int idx = 5 + 20 * k + j;
      st.boardCells[static_cast<std::size_t>(idx)].caption = decimalText(board::value(idx));
    }

  placeBoardCells();
}

void GameScreen::placeBoardCells() {
  st.ringUnit = 600;
  const Ctl& centre = st.boardCells[0];
  st.centreX = static_cast<float>(centre.left + centre.width / 2);
  st.centreY = static_cast<float>(centre.top + centre.height / 2);
  const double w0 = centre.width;
  const double h0 = centre.height;
  for (int idx : board::placementOrder()) {
    const board::Point p = board::position(idx, st.centreX, st.centreY, w0, h0, st.ringUnit);
    Ctl& c = st.boardCells[static_cast<std::size_t>(idx)];
    c.left = p.left;
    c.top = p.top;
  }
  st.boardCells[0].autosize = true;
  for (Ctl& c : st.boardCells) c.visible = true;
  if (m_.restartGame == 1) restorePreviousPosition();
}

void GameScreen::restorePreviousPosition() {
  for (int n = 1; n <= 4; ++n) {
    st.scorePanels[static_cast<std::size_t>(n)].caption = decimalText(m_.savedScores[static_cast<std::size_t>(n)]);
    m_.score(n) = m_.savedScores[static_cast<std::size_t>(n)];
  }
  for (std::size_t i = 0; i < 4; ++i) {
    st.showSeconds(i, m_.savedClocks[i + 1]);
    if (m_.savedClocks[i + 1] < 1) st.scorePanels[i + 1].enabled = false;
  }
}

void GameScreen::commonStart() {
  st.illegalMoveNotice.visible = false;
  for (Ctl& die : st.dice) {
    die.caption.clear();
    die.back = st.banner.fore == colours::blueText ? colours::lightBlue : st.banner.fore;
    if (die.back == colours::lightBlue || die.back == colours::lightRed) {
      die.fore = colours::white;
    } else {
      die.fore = colours::black;
    }
  }
  st.judge.clearStores();
}

// Every button first clears the dice and the judge of the last throw.
void GameScreen::throwDice() {
  commonStart();
  if (st.gameOver != 0) return;
  for (Ctl& c : st.boardCells) c.fore = colours::boardGrey;
  st.throwButton.enabled = false;
  drawThrow(s_.random, s_.dayClock, st.judge.dice);
  startReveal(diceSettle, diceRoll, m_.soundOn == 1, st.diceShown);
  st.judge.judgeChainShapes();
  st.judge.judgePairShapes();
  play("wav\\cupdice.wav");
  // The next thing to do is to pick a number.
  form.focus = arrayName("boardCells", picked_);
}

void GameScreen::newGame() {
  commonStart();
  host_.newGame();
  host_.closeCheatChart();
  play("wav\\click1.wav");
}

// An unfinished game that has seen two clicks is saved.
void GameScreen::exitGame() {
  commonStart();
  if (st.gameOver == 0 && st.turnCounter >= 1) s_.saveFile.write(formatSavedGame(saved()));
  host_.exitGame();
  host_.closeCheatChart();
  play("wav\\click1.wav");
}

void GameScreen::closeRequested() { exitGame(); }

void GameScreen::openCheatChart() {
  host_.openCheatChart();
  play("wav\\click1.wav");
}

void GameScreen::boardCellClicked(int index) {
  if (index < 0 || index >= board::kLabels) return;
  if (handOver.isActive() || computerThink.isActive() || !st.dice[0].enabled || diceSettle.isActive() || st.gameOver > 0)
    return;

  clockTick.stop();
  advanceTurn();
  const int p = slotFor(st.turnCounter, m_.numberOfPlayers);
  const int v = board::value(index);

  // What a screen reader hears of the move: the computer's choice, the cell, the score.
  const std::string chosen = computerClick.isActive() ? fill(translate("GameScreen", "The computer chose %1."), {board::cellName(index)})
                                                      : fill(translate("GameScreen", "%1."), {board::cellName(index)});

  if (v < 0 || v > 100 || st.judge.allowed[static_cast<std::size_t>(v)] == 0) {
    for (Ctl& c : st.clocks) c.visible = false;
    st.secondsHeading.visible = false;
    st.illegalMoveNotice.caption = translate("GameScreen", kIllegalMove);
    st.illegalMoveNotice.spokenName = chosen + " " + st.illegalMoveNotice.caption;
    st.illegalMoveNotice.visible = true;
    form.say(st.illegalMoveNotice.spokenName);
    handOver.start();
    play("wav\\ricochet.wav");
    return;
  }

  int x = v;
  st.lastWasDouble = board::isDouble(index) ? 1 : 0;
  play(scoreSound(x));

  std::int16_t& s = m_.score(p + 1);
  if (x > s || x == s - 1 || (x == s && st.lastWasDouble == 0)) {
    doublesFlash.start();
    x = 0;
  } else {
    s = static_cast<std::int16_t>(s - x);
  }
  st.scorePanels[static_cast<std::size_t>(p + 1)].caption = decimalText(s);

  if (x >= 50) titleFlash.start();
  st.banner.caption = fill(x == 1 ? translate("GameScreen", "%1 point scored") : translate("GameScreen", "%1 points scored"),
                           {decimalText(x)});
  const std::string points = st.banner.caption;
  const std::string scored =
      chosen + " " + fill(x == 0 ? translate("GameScreen", "%1. Bust: the target stays the same.") : translate("GameScreen", "%1."), {points});
  st.clickedCell = static_cast<std::int16_t>(index);
  cellFlash.start();
  checkEndOfGame();
  // The end of the game shows at once instead of the points: both are heard.
  moveCaption_ = st.banner.caption;
  moveSpoken_ = scored + (moveCaption_ == points ? "" : " " + moveCaption_);
  form.say(moveSpoken_);
  handOver.start();
}

void GameScreen::checkEndOfGame() {
  const auto endTimers = [this] {
    winnerBanner.start();
    bannerFlash.start();
  };
  if (m_.blueScore < 1 || m_.redScore < 1 || m_.greenScore < 1 || m_.yellowScore < 1) {
    st.gameOver = static_cast<std::int16_t>(slotFor(st.turnCounter, m_.numberOfPlayers) + 1);
    handOver.stop();
    if (m_.soundOn == 1) arrowSounds.start();
    st.banner.caption = translate("GameScreen", "GAME OVER!!!");
    endTimers();
    return;
  }

  int c = 0;
  for (std::size_t n = 1; n <= 4; ++n) {
    if (st.scorePanels[n].visible && st.scorePanels[n].enabled) {
      st.gameOver = static_cast<std::int16_t>(n);
      ++c;
    }
  }

  if (m_.numberOfPlayers > 1) {
    if (c > 0) {
      st.gameOver = 0;
    } else {
      st.gameOver = 5;
      handOver.stop();
      st.banner.caption = translate("GameScreen", "GAME OVER!!!");
      endTimers();
      if (m_.soundOn == 1) arrowSounds.start();
      return;
    }
  } else {
    if (c == 1) {
      st.gameOver = 0;
    } else {
      st.gameOver = 1;
      handOver.stop();
      st.banner.fore = colours::blueText;
      st.banner.caption = translate("GameScreen", "OUT OF TIME!");
    }
  }

  if (st.gameOver == 0) {
    for (Ctl& die : st.dice) die.enabled = false;
    st.throwButton.enabled = true;
    return;
  }
  bannerFlash.start();
  if (m_.soundOn == 1) arrowSounds.start();
}

int GameScreen::computerInterval(double r) const {
  return (static_cast<int>(r * 5000) + 1000) * (4 - m_.computerLevel);
}

}  // namespace sumdart
