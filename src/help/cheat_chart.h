// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cheat chart: a multiplication table of the products up to 100, beside the
// game or a rules page. Its scroll bar pans the table sideways while the header
// column stays where it is.
#include <array>
#include <vector>

#include "state/form.h"

namespace sumdart {

class HelpHost;

class CheatChart : public Screen {
 public:
  explicit CheatChart(HelpHost& flow);

  void scrolled();
  // The close box closes the chart; it has no button of its own.
  void closeRequested() override;
  // Escape closes the chart too. On the table the arrows move from product to
  // product, and the chart scrolls to show it.
  bool keyPressed(const KeyPress& k, const std::string& focused) override;

  // rows[0] is the header row, rows[m] the products of m.
  // Cell 0 of each is the header column.
  std::array<std::vector<Ctl>, 11> rows;
  Ctl barFrame, grid, mask, scrollBar;
  // The chart as a screen reader's table: "7 × 8 = 56" in row 7, column 8.
  Ctl table;

 private:
  void makeRows();
  void addControls();
  void makeTable();
  void moveTo(int row, int column);
  void placeTable();

  HelpHost& flow_;
};

}  // namespace sumdart
