// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/cheat_chart.h"
#include "state/texts.h"

#include <algorithm>
#include <cmath>

#include "help/help_host.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
constexpr Rgb kBack = rgb(0, 0, 192);
constexpr double kStep = 105;  // twips the table moves for each step of the bar

Ctl panel(double l, double t, double w, double h) {
  Ctl c = textLabel("", l, t, w, h, colours::black, FontSpec{});
  c.kind = Kind::Panel;
  c.back = kBack;
  c.transparent = false;
  return c;
}
}  // namespace

CheatChart::CheatChart(HelpHost& flow) : flow_(flow) {
  form.caption = translate("CheatChart", "Sumdart Cheat Chart");
  form.back = kBack;
  form.width = 8970;
  form.height = 4590;
  form.place = Placement::TopCentre;

  barFrame = panel(480, 4080, 8295, 495);
  barFrame.frame = true;
  scrollBar = textLabel("", 120, 165, 8055, 255, colours::black, FontSpec{});
  scrollBar.kind = Kind::ScrollBar;
  scrollBar.spokenName = translate("CheatChart", "Scroll the chart");
  grid = panel(0, 120, 19500, 3975);
  // The mask strip over the left margin: cells that scroll past the header
  // column disappear under it.
  mask = panel(120 - 195, 0, 195, 4095);
  makeRows();
  addControls();
  makeTable();
}

// The header column from the layout, then the rest of each row made from it.
void CheatChart::makeRows() {
  for (std::size_t m = 0; m < rows.size(); ++m) {
    Ctl head = button(m == 0 ? "x" : decimalText(static_cast<long long>(m)), 120, 360.0 * static_cast<double>(m),
                      345, 330, colours::yellow, rgb(64, 64, 64), arial(12));
    const int count = m == 0 ? 50 : std::min(50, 100 / static_cast<int>(m));
    std::vector<Ctl>& row = rows[m];
    row.reserve(static_cast<std::size_t>(count) + 1);
    row.push_back(head);
    for (int i = 1; i <= count; ++i) {
      Ctl cell = head;
      const Ctl& before = row.back();
      cell.left = before.left + before.width + 30;
      cell.caption = decimalText(static_cast<long long>(m == 0 ? 1 : m) * i);
      if (m > 0) {
        cell.back = i % 2 == 1 ? rgb(224, 224, 224) : rgb(192, 192, 192);
        cell.fore = colours::lightBlue;
      }
      row.push_back(cell);
    }
    // The cells that show 100 are wider, so that three digits fit.
    if (row.back().caption == "100") row.back().width = 450;
  }
}

// Bottom of the stacking order first: the header column lies over the body
// cells that pass beneath it, and the mask over everything.
void CheatChart::addControls() {
  const int bar = form.add("barFrame", barFrame);
  form.controls[static_cast<std::size_t>(form.add("scrollBar", scrollBar, {}, bar))].change = [this] { scrolled(); };
  const int inGrid = form.add("grid", grid);
  for (std::size_t m = 0; m < rows.size(); ++m) {
    const std::string name = "row" + std::to_string(m);
    for (std::size_t i = 1; i < rows[m].size(); ++i)
      form.add(arrayName(name.c_str(), static_cast<int>(i)), rows[m][i], {}, inGrid);
  }
  for (std::size_t m = 0; m < rows.size(); ++m)
    form.add(arrayName(("row" + std::to_string(m)).c_str(), 0), rows[m][0], {}, inGrid);
  form.add("mask", mask);
}

// The chart as a screen reader's table, its focus on 1 × 1.
void CheatChart::makeTable() {
  table = textLabel("", 0, 0, 0, 0, colours::black, FontSpec{});
  table.kind = Kind::Table;
  table.spokenName = translate("CheatChart", "Multiplication table");
  table.columns = static_cast<int>(rows[0].size());
  for (std::size_t m = 0; m < rows.size(); ++m)
    for (std::size_t i = 0; i < rows[0].size(); ++i) {
      std::string cell;
      if (m == 0 && i > 0) {
        cell = rows[0][i].caption;
      } else if (m > 0 && i == 0) {
        cell = rows[m][0].caption;
      } else if (m > 0 && i < rows[m].size()) {
        cell = fill(translate("CheatChart", "%1 × %2 = %3"), {rows[m][0].caption, rows[0][i].caption, rows[m][i].caption});
      }
      table.cells.push_back(std::move(cell));
    }
  table.value = table.columns + 1;  // 1 × 1
  placeTable();
  form.add("table", table);
  form.tabOrder = {"table", "scrollBar"};
  form.focus = "table";
}

void CheatChart::moveTo(int row, int column) {
  row = std::clamp(row, 1, static_cast<int>(rows.size()) - 1);
  const int last = static_cast<int>(rows[static_cast<std::size_t>(row)].size()) - 1;
  column = std::clamp(column, 1, last);
  table.value = row * table.columns + column;
  // Scrolled just enough that the product shows beside the header column.
  const Ctl& cell = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  const Ctl& head = rows[0][0];
  const double firstFree = head.left - kStep * scrollBar.value + head.width + 30;
  const double shownLeft = cell.left + grid.left;
  int v = scrollBar.value;
  if (shownLeft < firstFree) v -= static_cast<int>(std::ceil((firstFree - shownLeft) / kStep));
  if (shownLeft + cell.width > form.width - 120)
    v += static_cast<int>(std::ceil((shownLeft + cell.width - (form.width - 120)) / kStep));
  v = std::clamp(v, scrollBar.min, scrollBar.max);
  if (v != scrollBar.value) {
    scrollBar.value = v;
    scrolled();
  }
  placeTable();
}

// The table draws nothing; it lies over the product with the focus, so the
// keyboard's focus mark rings that product.
void CheatChart::placeTable() {
  const int row = table.value / table.columns, column = table.value % table.columns;
  const Ctl& cell = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  table.left = grid.left + cell.left;
  table.top = grid.top + cell.top;
  table.width = cell.width;
  table.height = cell.height;
}

void CheatChart::scrolled() {
  const double v = scrollBar.value;
  grid.left = -kStep * v;
  for (auto& row : rows) row[0].left = 120 + kStep * v;
  placeTable();
}

void CheatChart::closeRequested() { flow_.closeChart(); }

bool CheatChart::keyPressed(const KeyPress& k, const std::string& focused) {
  if (k.code == KeyPress::Escape) {
    closeRequested();
    return true;
  }
  if (focused != "table") return false;
  const int row = table.value / table.columns, column = table.value % table.columns;
  switch (k.code) {
    case KeyPress::Left: moveTo(row, column - 1); return true;
    case KeyPress::Right: moveTo(row, column + 1); return true;
    case KeyPress::Up: moveTo(row - 1, column); return true;
    case KeyPress::Down: moveTo(row + 1, column); return true;
    default: return false;
  }
}

}  // namespace sumdart
