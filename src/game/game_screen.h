#pragma once
// The game screen's behaviour: opening, the buttons, the board click, the end of
// the game and the timed events of a turn. Plain C++: it changes GameState and
// talks to the world only through the seams it is given.
#include <array>
#include <functional>
#include <memory>

#include "game/game_state.h"
#include "game/savedgame.h"
#include "platform/seams.h"
#include "platform/timer.h"
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
  void label3Click(int index);
  void label1Click(int index);
  void label14Click();
  void checkEndOfGame();
  // Closing the window by other means acts as Exit, so a game is never lost.
  void closeRequested() override;

  // Timer ticks.
  void timer1Tick();   // hand-over
  void timer2Tick();   // title flash
  void timer3Tick();   // banner flash
  void timer5Tick();   // settle one die
  void timer6Tick();   // computer chooses
  void timer7Tick();   // clock
  void timer8Tick();   // dice flicker
  void timer9Tick();   // clicked number flash
  void timer10Tick();  // doubles ring flash
  void timer11Tick();  // winner banner
  void timer12Tick();  // computer clicks
  void timer13Tick();  // arrow sounds

  // Stops every timer: the screen is being left and must not act again.
  void stopAllTimers();
  void stopTimers() override { stopAllTimers(); }

  Timer& timer(int n) { return *timers_[static_cast<std::size_t>(n)]; }
  const Timer& timer(int n) const { return *timers_[static_cast<std::size_t>(n)]; }

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

  GameSettings& m_;
  Services s_;
  GameScreenHost& host_;
  std::string openError_;
  std::array<std::unique_ptr<Timer>, 14> timers_;  // Timer1..Timer13; index 0 unused
};

// The sound for a legal number by its value.
const char* scoreSound(int value);

}  // namespace sumdart
