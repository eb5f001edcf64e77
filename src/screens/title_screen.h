// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title screen: the program's first window and the one it comes back to.
// OK sets up a new game, Restart Previous Game carries on with the saved one,
// Exit ends the program.
#include "state/flow_screen.h"

namespace sumdart {

class ScreenFlow;


class TitleScreen : public FlowScreen {
 public:
  TitleScreen(GameSettings& m, Services s, ScreenFlow& flow);

  void open();
  void ok();  // OK
  void restartPreviousGame();  // Restart Previous Game
  void exitProgram();  // Exit
  // Closing the title screen ends the program, as Exit does.
  void closeRequested() override { exitProgram(); }

  Ctl frame, gameTitle, picture, restartButton, okButton, exitButton;
 private:
  ScreenFlow& flow_;
};

}  // namespace sumdart
