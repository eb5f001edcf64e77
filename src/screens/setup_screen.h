#pragma once
// The set-up screen: the target, sound, clocks, backdrop and the number of
// players. A player-count button stores the choices and opens the game (or, for
// one player, the choice of opponent).
#include <array>
#include <cstdint>
#include <string_view>

#include "screens/flow_screen.h"

namespace sumdart {

inline constexpr const char* kLogoPictureName = "Images\\logo2.jpg";

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
  void check1Click();  // Play Sound
  void check2Click();  // Timers On
  void check3Click();  // Hide Desktop changed
  bool text2Key(int code);
  void label6Click();  // The Rules
  void label3Click(int index);  // 0 Exit; 1..3 are captions
  void label1Click(int k);      // k + 1 players
  // Closing the set-up screen ends the program, as its Exit does.
  void closeRequested() override { label3Click(0); }

  Ctl Label4, Text1, Image2, Check1, Check2, Text2, Label6, Check3, Label2;
  std::array<Ctl, 4> Label3;  // 0 Exit, 1 "Target", 2 "Set Total Time Allowed", 3 "seconds"
  std::array<Ctl, 4> Label1;  // "1".."4"
};

}  // namespace sumdart
