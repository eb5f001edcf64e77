// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three pages of rules, opened from the set-up screen. Each page is its own
// window; the navigation buttons show the next page before the current one
// closes. Page 2 holds a practice throw and opens the cheat chart; page 3 opens
// the printable rules document with the desktop's own application.
#include <array>
#include <map>
#include <memory>

#include "game/dice.h"
#include "seams/timer.h"
#include "help/help_host.h"
#include "state/flow_screen.h"

namespace sumdart {


// One line of a page's text.
enum class Style { PageNumber, Heading, SizedHeading, Body };
struct RulesText {
  int index;  // in the page's texts
  Style style;
  double left, top, width, height;
  const char* text;
};

class RulesPage : public FlowScreen {
 public:
  RulesPage(GameSettings& m, Services s, HelpHost& flow, int page);

  int page() const { return page_; }
  void exitPage();
  void nextPage();
  void previousPage();
  // The close box acts as the page's Exit.
  void closeRequested() override { exitPage(); }
  // Escape acts as the page's Exit; R reads the page again.
  bool keyPressed(const KeyPress& k, const std::string& focused) override;
  // What a screen reader reads of the page: its texts in reading order.
  std::string pageSpoken() const;

  Ctl pagePicture;
  std::map<int, Ctl> texts;  // 0 the title, then the page's texts
  Ctl exitButton, nextPageButton, previousPageButton;

 private:
  // Leaves this page for page `to` (none when 0).
  void leaveFor(int to);
  int page_;

 protected:
  HelpHost& flow_;
};

// Page 1: the summary and getting ready to play.
class RulesPageOne : public RulesPage {
 public:
  RulesPageOne(GameSettings& m, Services s, HelpHost& flow);
};

// Page 2: generating a number, with a practice throw and the cheat chart.
class RulesPageTwo : public RulesPage {
 public:
  RulesPageTwo(GameSettings& m, Services s, HelpHost& flow);

  void throwDice();
  void openCheatChart();
  void stopTimers() override;
  void describe() override { describeDice(dice, diceShown, true); }

  Ctl throwButton, cheatChartButton;
  DiceFaces dice;
  Dice thrown{};
  std::int16_t diceShown = 0;
  std::unique_ptr<Timer> diceSettle, diceRoll;  // settle one die a tick; roll the others
};

// Page 3: the board, the end of the game, the clocks, and the printable rules.
class RulesPageThree : public RulesPage {
 public:
  RulesPageThree(GameSettings& m, Services s, HelpHost& flow);

  void openRulesDocument();

  Ctl printButton;
};

}  // namespace sumdart
