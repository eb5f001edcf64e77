#pragma once
// The title screen: the program's first window and the one it comes back to.
// OK sets up a new game, Restart Previous Game carries on with the saved one,
// Exit ends the program.
#include "screens/flow_screen.h"

namespace sumdart {

inline constexpr const char* kTitlePicture = "Images\\targetmd.bmp";

class TitleScreen : public FlowScreen {
 public:
  TitleScreen(GameSettings& m, Services s, ScreenFlow& flow);

  void open();
  void label5Click();  // OK
  void label6Click();  // Restart Previous Game
  void label7Click();  // Exit
  // Closing the title screen ends the program, as Exit does.
  void closeRequested() override { label7Click(); }

  Ctl Frame1, Label4, Picture1, Label6, Label5, Label7;
};

}  // namespace sumdart
