// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_screen.h"

#include "seams/random.h"
#include "state/numbers.h"

namespace sumdart {

std::optional<Sound> scoreSound(int x) {
  if (x < 10) return Sound::score1to9;
  if (x < 20) return Sound::score10to19;
  if (x < 30) return Sound::score20to29;
  if (x < 40) return Sound::score30to39;
  if (x < 50) return Sound::score40to49;
  if (x < 60) return Sound::score50to59;
  if (x < 80) return Sound::score60to79;
  if (x == 80) return Sound::score80;
  if (x == 100) return Sound::score100;
  return std::nullopt;  // no other value is on the board
}

namespace {
std::array<std::unique_ptr<Timer>, 13> makeTimers(TimerFactory& factory) {
  std::array<std::unique_ptr<Timer>, 13> timers;
  for (auto& t : timers) t = factory.createTimer();
  return timers;
}

Match matchFor(const GameStart& start) {
  if (const auto* saved = std::get_if<SavedGame>(&start)) return Match(*saved);
  return Match(std::get<NewGame>(start));
}

// "The computer is playing as red. Level 3 - Hard": one whole sentence a
// level, so that each language can say it as it would.
std::string computerNotice(int level) {
  static constexpr const char* kNotices[3] = {TRANSLATABLE("GameScreen", "The computer is playing as red. Level 1 - Easy"),
                                              TRANSLATABLE("GameScreen", "The computer is playing as red. Level 2 - Medium"),
                                              TRANSLATABLE("GameScreen", "The computer is playing as red. Level 3 - Hard")};
  if (level < 1 || level > 3) return {};
  return translate("GameScreen", kNotices[level - 1]);
}
}  // namespace

GameScreen::GameScreen(GameSettings& m, Services s, GameScreenHost& host, const GameStart& start)
    : m_(m),
      s_(s),
      host_(host),
      match_(matchFor(start)),
      computer_(match_.computerLevel()),
      timers_(makeTimers(s.timers)),
      handOver_(*timers_[0]),
      titleFlash_(*timers_[1]),
      bannerFlash_(*timers_[2]),
      diceSettle_(*timers_[3]),
      computerThink_(*timers_[4]),
      clockTick_(*timers_[5]),
      diceRoll_(*timers_[6]),
      cellFlash_(*timers_[7]),
      doublesFlash_(*timers_[8]),
      winnerBanner_(*timers_[9]),
      computerClick_(*timers_[10]),
      arrowSounds_(*timers_[11]),
      typingPause_(*timers_[12]) {
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
  form.spokenTitle = translate("GameScreen", "Sumdart game");
  addControls();
}

GameScreen::~GameScreen() = default;

void GameScreen::addControls() {
  // Bottom of the stacking order first.
  form.add("logo", r_.logo);
  form.add("doubleReminder", r_.doubleReminder);
  form.add("secondsHeading", r_.secondsHeading);
  for (int i = 0; i < 4; ++i) form.add(arrayName("clocks", i), r_.clocks[static_cast<std::size_t>(i)]);
  form.add("illegalMoveNotice", r_.illegalMoveNotice);
  form.add("targetHeading", r_.targetHeading);
  for (int n = 1; n <= 4; ++n) form.add(arrayName("playerNames", n), r_.playerNames[static_cast<std::size_t>(n - 1)]);
  form.add("hiddenNumber", r_.hiddenNumber);
  form.add("computerNotice", r_.computerNotice);
  for (int n = 1; n <= 4; ++n) form.add(arrayName("scorePanels", n), r_.scorePanels[static_cast<std::size_t>(n - 1)]);
  for (int i = 0; i < 4; ++i) form.add(arrayName("dice", i), r_.dice[static_cast<std::size_t>(i)]);
  form.add("banner", r_.banner);
  form.add("gameTitle", r_.gameTitle);
  form.add("exitButton", r_.exitButton, [this] { exitGame(); });
  form.add("newGameButton", r_.newGameButton, [this] { newGame(); });
  form.add("throwButton", r_.throwButton, [this] { throwDice(); });
  form.add("cheatChartButton", r_.cheatChartButton, [this] { openCheatChart(); });
  for (int i = 0; i < board::kLabels; ++i)
    form.add(arrayName("boardCells", i), r_.boardCells[static_cast<std::size_t>(i)], [this, i] { boardCellClicked(i); });

  // The keyboard and screen readers: the board is one Tab stop, on its picked cell.
  form.tabOrder = {"throwButton", "cheatChartButton"};
  for (int i = 0; i < board::kLabels; ++i) {
    Ctl& cell = r_.boardCells[static_cast<std::size_t>(i)];
    cell.spokenName = board::cellName(i);
    cell.tabStop = i == cursor_.picked();
    form.tabOrder.push_back(arrayName("boardCells", i));
  }
  form.tabOrder.insert(form.tabOrder.end(), {"exitButton", "newGameButton"});
  form.focus = "throwButton";
  r_.banner.announced = true;
  r_.illegalMoveNotice.announced = true;
}

bool GameScreen::open() {
  for (const char* picture : {fileName(Picture::board), fileName(Picture::logo)}) {
    if (!s_.desktop.pictureLoads(picture)) {
      openError_ = fill(translate("GameScreen", "The picture \"%1\" could not be loaded. Folders searched: %2"),
                        {picture, s_.desktop.searchedFolders()});
      return false;
    }
  }
  form.picture = fileName(Picture::board);
  r_.logo.picture = fileName(Picture::logo);

  if (match_.restored()) {
    // The hand-over at once says whose turn it is.
    handOver_.setInterval(1);
    handOver_.start();
  } else {
    form.say(r_.banner.caption);
  }
  if (match_.computerLevel() > 0 && match_.timeAllowed() > 0)
    computerThink_.setInterval(computer_.thinkingTime(s_.random.rnd()));
  placeBoard();
  drawPlayers();
  return true;
}

// The rings round the centre cell, 600 twips apart.
void GameScreen::placeBoard() {
  const Ctl& centre = r_.boardCells[0];
  const auto cx = static_cast<float>(centre.left + centre.width / 2);
  const auto cy = static_cast<float>(centre.top + centre.height / 2);
  for (int idx : board::placementOrder()) {
    const board::Point p = board::position(idx, cx, cy, centre.width, centre.height, 600);
    Ctl& c = r_.boardCells[static_cast<std::size_t>(idx)];
    c.caption = decimalText(board::value(idx));
    c.left = p.left;
    c.top = p.top;
  }
  r_.boardCells[0].autosize = true;
  for (Ctl& c : r_.boardCells) c.visible = true;
}

// The players taking part, their scores and, with the clocks on, their clocks.
void GameScreen::drawPlayers() {
  for (int slot = 0; slot < 4; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    r_.playerNames[i].visible = r_.scorePanels[i].visible = slot < match_.players();
    r_.clocks[i].visible = match_.timeAllowed() != 0 && slot < match_.players();
  }
  r_.secondsHeading.visible = match_.timeAllowed() != 0;
  if (match_.computerLevel() > 0 && !match_.restored()) {
    r_.computerNotice.caption = computerNotice(match_.computerLevel());
    r_.computerNotice.visible = true;
  }
  drawScores();
}

void GameScreen::drawScores() {
  for (int slot = 0; slot < 4; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    r_.scorePanels[i].caption = decimalText(match_.target(slot));
    r_.scorePanels[i].enabled = !match_.outOfTime(slot);
    r_.clocks[i].caption = decimalText(match_.secondsLeft(slot));
  }
}

SavedGame GameScreen::saved() const {
  SavedGame g = match_.saved(m_.soundOn, m_.hideDesktop);
  g.hidden = GameRecords::kHiddenNumber;
  return g;
}

void GameScreen::stopTimers() {
  for (auto& t : timers_) t->stop();
}

std::vector<std::string> GameScreen::pending() const {
  static constexpr const char* kNames[13] = {"handOver",    "titleFlash", "bannerFlash",  "diceSettle",  "computerThink",
                                             "clockTick",   "diceRoll",   "cellFlash",    "doublesFlash", "winnerBanner",
                                             "computerClick", "arrowSounds", "typingPause"};
  std::vector<std::string> names;
  for (std::size_t n = 0; n < timers_.size(); ++n)
    if (timers_[n]->isActive()) names.emplace_back(kNames[n]);
  return names;
}

void GameScreen::play(std::optional<Sound> sound) {
  if (m_.soundOn == 1 && !quiet_ && sound) s_.sound.playSoundFile(fileName(*sound));
}

// Every button first clears the dice of the last throw, in the colours of the
// player whose turn it is.
void GameScreen::clearDice() {
  r_.illegalMoveNotice.visible = false;
  const PlayerInfo& p = kPlayers[static_cast<std::size_t>(turnSlot_)];
  for (Ctl& die : r_.dice) {
    die.caption.clear();
    die.back = p.diceFace;
    die.fore = p.diceDigit;
  }
  judge_.clearStores();
}

void GameScreen::throwDice() {
  clearDice();
  if (ended()) return;
  for (Ctl& c : r_.boardCells) c.fore = colours::boardGrey;
  mayThrow_ = false;
  diceThrown_ = true;
  r_.throwButton.enabled = false;
  drawThrow(s_.random, s_.dayClock, judge_.dice);
  startReveal(diceSettle_, diceRoll_, m_.soundOn == 1, diceShown_);
  judge_.judgeChainShapes();
  judge_.judgePairShapes();
  play(Sound::diceCup);
  // The next thing to do is to pick a number.
  form.focus = arrayName("boardCells", cursor_.picked());
}

void GameScreen::newGame() {
  clearDice();
  host_.newGame();
  host_.closeCheatChart();
  play(Sound::click);
}

// An unfinished game that has seen two clicks is saved.
void GameScreen::exitGame() {
  clearDice();
  if (!ended() && match_.started()) s_.saveFile.write(formatSavedGame(saved()));
  host_.exitGame();
  host_.closeCheatChart();
  play(Sound::click);
}

void GameScreen::closeRequested() { exitGame(); }

void GameScreen::openCheatChart() {
  host_.openCheatChart();
  play(Sound::click);
}

void GameScreen::boardCellClicked(int index) {
  if (index < 0 || index >= board::kLabels) return;
  if (handOver_.isActive() || computerThink_.isActive() || !diceOut_ || diceSettle_.isActive() || ended()) return;
  clockTick_.stop();
  const int v = board::value(index);
  const MoveResult result = match_.play(v, board::isDouble(index), judge_.isAllowed(v));
  showMove(index, result, v);
  handOver_.start();
}

// The move on the screen, in sound and to a screen reader: the computer's
// choice, the cell and the score, or the illegal move.
void GameScreen::showMove(int index, MoveResult result, int value) {
  const std::string cell = board::cellName(index);
  const std::string chosen = computerClick_.isActive() ? fill(translate("GameScreen", "The computer chose %1."), {cell})
                                                       : fill(translate("GameScreen", "%1."), {cell});
  if (result == MoveResult::Illegal) {
    for (Ctl& c : r_.clocks) c.visible = false;
    r_.secondsHeading.visible = false;
    r_.illegalMoveNotice.caption = translate("GameScreen", kIllegalMove);
    r_.illegalMoveNotice.spokenName = chosen + " " + r_.illegalMoveNotice.caption;
    r_.illegalMoveNotice.visible = true;
    form.say(r_.illegalMoveNotice.spokenName);
    play(Sound::illegalMove);
    return;
  }
  play(scoreSound(value));
  const int points = result == MoveResult::Bust ? 0 : value;
  if (result == MoveResult::Bust) doublesFlash_.start();
  drawScores();
  if (points >= 50) titleFlash_.start();
  r_.banner.caption = translate("GameScreen", "%n point(s) scored", nullptr, points);
  const std::string scored = r_.banner.caption;
  const std::string heard =
      chosen + " " + fill(points == 0 ? translate("GameScreen", "%1. Bust: the target stays the same.") : translate("GameScreen", "%1."), {scored});
  clickedCell_ = index;
  cellFlash_.start();
  checkEndOfGame();
  // The end of the game shows at once instead of the points: both are heard.
  moveCaption_ = r_.banner.caption;
  moveSpoken_ = heard + (moveCaption_ == scored ? "" : " " + moveCaption_);
  form.say(moveSpoken_);
}

void GameScreen::checkEndOfGame() {
  switch (match_.checkEnd()) {
    case Outcome::Playing:
      diceOut_ = diceThrown_ = false;
      for (Ctl& die : r_.dice) die.enabled = false;
      mayThrow_ = true;
      r_.throwButton.enabled = true;
      return;
    case Outcome::Won:
      flashSlot_ = match_.finisher();
      gameEnded(true);
      return;
    case Outcome::OutOfTime:
      // Alone, the player has run out of time; together, the lowest target wins.
      if (match_.players() > 1) {
        gameEnded(true);
      } else {
        flashSlot_ = 0;
        r_.banner.fore = colours::blueText;
        gameEnded(false);
      }
      return;
  }
}

void GameScreen::gameEnded(bool winnerToFollow) {
  handOver_.stop();
  if (m_.soundOn == 1 && !quiet_) arrowSounds_.start();
  r_.banner.caption = winnerToFollow ? translate("GameScreen", "GAME OVER!!!") : translate("GameScreen", "OUT OF TIME!");
  if (winnerToFollow) winnerBanner_.start();
  bannerFlash_.start();
}

}  // namespace sumdart
