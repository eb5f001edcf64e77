#pragma once
// The game screen's behaviour: opening, the buttons, the board click, the end of
// the game and the timed events of a turn. Plain C++: it changes GameState and
// talks to the world only through the seams it is given.
#include <array>
#include <functional>
#include <memory>

#include "game/game_state.h"
#include "game/savedgame.h"
#include "seams/seams.h"
#include "seams/timer.h"
#include "state/form.h"
#include "state/game_settings.h"

namespace sumdart {

// What the game screen asks of the screens around it. Calls that close the game
// screen must not destroy it before the handler that made them has returned.
class GameScreenHost {
 public:
  virtual ~GameScreenHost() = default;
  virtual void newGame() = 0;          // New Game: a new set-up screen; the game screen is left
  virtual void exitGame() = 0;         // Exit: a new title screen; the game screen is left
  virtual void openCheatChart() = 0;
  virtual void closeCheatChart() = 0;
};

class GameScreen : public Screen {
 public:
  // Largest turn counter before it is wound back; see advanceTurn().
  static constexpr std::int16_t kTurnWrapAt = 30000;

  GameScreen(GameSettings& m, Services s, GameScreenHost& host);
  ~GameScreen() override;

  // The whole opening: fitted to the screen, the pictures, then load(). False
  // when a picture cannot be loaded; openError() then names it.
  bool open();
  const std::string& openError() const { return openError_; }
  // The opening steps after the window has been fitted and its pictures loaded.
  void load();
  void placeBoardCells();
  void restorePreviousPosition();

  // Handlers.
  void throwDice();
  void newGame();
  void exitGame();
  void boardCellClicked(int index);
  void openCheatChart();
  void checkEndOfGame();
  // Closing the window by other means acts as Exit, so a game is never lost.
  void closeRequested() override;

  // Timer ticks.
  void onHandOver();       // the next player's turn
  void onTitleFlash();     // the title flashes after 50 or more
  void onBannerFlash();    // the banner flashes at the end
  void onDiceSettle();     // one more die settles
  void onComputerThink();  // the computer chooses its number
  void onClockTick();      // the player to move loses a second
  void onDiceRoll();       // the dice not yet settled flicker
  void onCellFlash();      // the clicked number flashes
  void onDoublesFlash();   // the doubles ring flashes on a bust
  void onWinnerBanner();   // the winner is named
  void onComputerClick();  // the computer clicks its number
  void onArrowSounds();    // arrows fly at the end
  void onTypingPause();    // digits typed from now on start a new number

  // The keyboard: T throws, C opens the chart, digits pick a board cell, the
  // arrows move over the board's rings; Return or Space on a picked cell clicks
  // it (the window does that, as for any button).
  bool takesKeys() const override;
  bool keyPressed(const KeyPress& k, const std::string& focused) override;
  // S says every player's target, and their seconds left with the clocks on.
  bool tellsOnly(const KeyPress& k) const override;
  std::string scoresSpoken() const;
  void describe() override;
  // The cell the board's one Tab stop is on: the last picked.
  int pickedCell() const { return picked_; }

  // Stops every timer: the screen is being left and must not act again.
  void stopAllTimers();
  void stopTimers() override { stopAllTimers(); }

 private:
  std::array<std::unique_ptr<Timer>, 13> timers_;  // owns the timers named below

 public:
  Timer &handOver, &titleFlash, &bannerFlash, &diceSettle, &computerThink, &clockTick, &diceRoll, &cellFlash,
      &doublesFlash, &winnerBanner, &computerClick, &arrowSounds, &typingPause;

  GameState st;

  // The game as Exit saves it.
  SavedGame saved() const;

  // Slot (0 Blue .. 3 Yellow) of the player to move.
  int playerToMove() const;

 private:
  void commonStart();
  void play(const char* name);
  void advanceTurn();
  void colourFor(int slot);
  int computerInterval(double r) const;
  bool computerCanPlay(int index) const;
  bool waitingForNumber() const;
  void pick(int index, bool keepAngle = false);
  bool typeDigit(int digit);

  GameSettings& m_;
  Services s_;
  GameScreenHost& host_;
  std::string openError_;

  // The keyboard's board: the picked cell, the digits typed so far without a
  // pause, the cell picked when they began, and the angle the arrows Up and
  // Down keep.
  int picked_ = 0;
  std::string typed_;
  int typedFrom_ = 0;
  double pickedAngle_ = 0;
  // The banner's caption after the last move, and what a screen reader hears for it.
  std::string moveCaption_, moveSpoken_;
  bool winnerSaid_ = false;
};

// The sound for a legal number by its value.
const char* scoreSound(int value);

}  // namespace sumdart
