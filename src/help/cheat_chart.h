#pragma once
// The cheat chart: a multiplication table of the products up to 100, beside the
// game or a rules page. Its scroll bar pans the table sideways while the header
// column stays where it is.
#include <array>
#include <vector>

#include "state/form.h"

namespace sumdart {

class ScreenFlow;

class CheatChart : public Screen {
 public:
  explicit CheatChart(ScreenFlow& flow);

  void hscroll1Change();
  // The close box closes the chart; it has no button of its own.
  void closeRequested() override;

  // Label[0] is the header row (the array Label2), Label[m] row m (Label(m + 2)).
  // Cell 0 of each is the header column.
  std::array<std::vector<Ctl>, 11> Label;
  Ctl Frame1, Frame2, Frame3, HScroll1;

 private:
  ScreenFlow& flow_;
};

}  // namespace sumdart
