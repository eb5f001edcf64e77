#pragma once
// One player: play alone, or against the computer at level 1, 2 or 3. The
// computer always plays Red.
#include <array>

#include "screens/flow_screen.h"

namespace sumdart {

class GameScreen;

class OpponentScreen : public FlowScreen {
 public:
  OpponentScreen(GameSettings& m, Services s, ScreenFlow& flow);

  void open();
  void option1Click(int index);
  void label1Click();  // Play solo
  void label7Click();  // Play against the computer
  void label3Click();  // Exit: back to a new set-up screen
  // Closing the window acts as its Exit.
  void closeRequested() override { label3Click(); }

  Ctl Label4, Label2, Image2, Label1, Label7, Label3;
  std::array<Ctl, 3> Option1;

 private:
  void startGame(GameScreen& game);
};

}  // namespace sumdart
