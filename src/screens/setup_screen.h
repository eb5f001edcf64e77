// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The set-up screen: the target, sound, clocks, backdrop and the number of
// players. A player-count button stores the choices and opens the game (or, for
// one player, the choice of opponent).
#include <array>
#include <cstdint>
#include <string_view>

#include "state/flow_screen.h"

namespace sumdart {

class ScreenFlow;


// The time box read as seconds: its leading number, rounded (a half to the even
// neighbour), at least 5.
std::int16_t timeAllowedFrom(std::string_view text);
// The Target box read as the target: the whole text as a number, rounded, at
// least 40. A text that is not a number gives the proposed 501.
std::int16_t targetFrom(std::string_view text);
// The key filter of both boxes: digits, "-", ".", Backspace and Enter.
bool boxAccepts(int code);

class SetupScreen : public FlowScreen {
 public:
  SetupScreen(GameSettings& m, Services s, ScreenFlow& flow);

  void open();
  void playSoundClicked();  // Play Sound
  void timersOnClicked();  // Timers On
  void hideDesktopClicked();  // Hide Desktop changed
  bool timeBoxKey(int code);
  void openRules();  // The Rules
  void exitProgram();
  void choosePlayers(int players);  // 1..4
  // Closing the set-up screen ends the program, as its Exit does.
  void closeRequested() override { exitProgram(); }

  Ctl gameTitle, targetCaption, targetBox, logo, playSoundTick, timersOnTick, timeCaption, timeBox, secondsCaption,
      rulesButton, hideDesktopTick, playersHeading, exitButton;
  std::array<Ctl, 4> playerCountButtons;  // "1".."4"
 private:
  ScreenFlow& flow_;
};

}  // namespace sumdart
