// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one owner of the screens: it creates each screen afresh when it is shown,
// runs its opening, and destroys it when it is left. Plain C++: the windows that
// draw the screens are made by a ScreenView, and tests run the whole flow of the
// program without one.
//
// A screen left from inside its own click handler is closed at once (its window
// goes) and destroyed by settle(), which the caller runs once the event is over,
// never under the handler that is still running.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game_screen.h"
#include "help/help_host.h"
#include "seams/seams.h"
#include "state/form.h"
#include "state/game_settings.h"

namespace sumdart {

class TitleScreen;
class SetupScreen;
class OpponentScreen;
class CheatChart;
class RulesPage;

// The backdrop that hides the desktop: a borderless window over the whole
// screen, behind every other window of the program.
class Backdrop : public Screen {
 public:
  Backdrop();
};

class ScreenFlow : public GameScreenHost, public HelpHost {
 public:
  ScreenFlow(GameSettings& m, Services s);
  ~ScreenFlow() override;
  ScreenFlow(const ScreenFlow&) = delete;
  ScreenFlow& operator=(const ScreenFlow&) = delete;

  void setView(ScreenView* view) { view_ = view; }

  // Program start: the title screen.
  void start() { showTitle(); }
  // Destroys the screens left during the event that has just ended.
  void settle();

  // Moves between screens. Each show* creates a new screen, runs its opening
  // and shows it in front.
  void showTitle();
  void showSetup();
  // The choice of opponent for one player, with the target and clocks chosen.
  void showOpponent(const NewGame& chosen);
  void showBackdrop();   // once up, the backdrop stays until closeBackdrop()
  void closeBackdrop();
  // Starts a game, new or saved: a new game screen is opened and shown in
  // place of any other (with the backdrop first for a saved game that hides the
  // desktop). False when it cannot open (a picture is missing): that is
  // reported and the program ends.
  bool startGame(const GameStart& start);
  void destroyGame();
  // The cheat chart: opened once, then only brought forward; closing a chart
  // that is not open does nothing.
  void openChart() override;
  void closeChart() override;
  // Rules page 1, 2 or 3: shown, or brought forward when it is open already.
  void showRules(int page) override;
  void closeRules(int page) override;
  // Brings a screen that is up in front again.
  void bringForward(Screen& s);
  // Leaves a screen: it is closed now and destroyed by settle().
  void close(Screen& s);
  // Ends the program.
  void quit(int status = 0);

  // GameScreenHost
  void newGame() override;
  void exitGame() override;
  void openCheatChart() override { openChart(); }
  void closeCheatChart() override { closeChart(); }

  // The screens that are up (null when not).
  TitleScreen* title() const { return title_.get(); }
  SetupScreen* setup() const { return setup_.get(); }
  OpponentScreen* opponent() const { return opponent_.get(); }
  GameScreen* currentGame() const { return game_.get(); }
  Backdrop* backdrop() const { return backdrop_.get(); }
  CheatChart* chart() const { return chart_.get(); }
  RulesPage* rules(int page) const;

  // Shows a message to the user. Ends the program with a status.
  std::function<void(const std::string&)> report;
  std::function<void(int)> onQuit;

 private:
  template <class T>
  void leave(std::unique_ptr<T>& screen);
  void shown(Screen& s);

  GameSettings& m_;
  Services s_;
  ScreenView* view_ = nullptr;
  std::unique_ptr<TitleScreen> title_;
  std::unique_ptr<SetupScreen> setup_;
  std::unique_ptr<OpponentScreen> opponent_;
  std::unique_ptr<GameScreen> game_;
  std::unique_ptr<Backdrop> backdrop_;
  std::unique_ptr<CheatChart> chart_;
  std::array<std::unique_ptr<RulesPage>, 3> rules_;
  std::vector<std::unique_ptr<Screen>> leaving_;
};

}  // namespace sumdart
