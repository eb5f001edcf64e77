// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One player: play alone, or against the computer at level 1, 2 or 3. The
// computer always plays Red.
#include <array>

#include "game/match.h"
#include "state/flow_screen.h"

namespace sumdart {

class ScreenFlow;


class OpponentScreen : public FlowScreen {
 public:
  // `chosen`: the target and clocks chosen on the set-up screen.
  OpponentScreen(GameSettings& m, Services s, ScreenFlow& flow, const NewGame& chosen);

  void open();
  void levelClicked(int index);
  void playSolo();  // Play solo
  void playComputer();  // Play against the computer
  void backToSetup();  // Exit: back to a new set-up screen
  // Closing the window acts as its Exit.
  void closeRequested() override { backToSetup(); }

  Ctl gameTitle, levelHeading, logo, soloButton, computerButton, exitButton;
  std::array<Ctl, 3> levelOptions;

 private:
  void startGame(int players, int level);
  ScreenFlow& flow_;
  NewGame chosen_;
};

}  // namespace sumdart
