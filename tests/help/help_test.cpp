// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The cheat chart, the rules pages and the practice throw, without windows.
#include <gmock/gmock.h>

#include "../screens/flow_fixture.h"

namespace sumdart::testing_flow {
namespace {

// The navigation buttons of each page: the next page is shown before the
// current one closes, and leaving page 2, and only page 2, closes the chart.
// Each page is read out from the top as it opens and again on R; its buttons
// are heard without their arrows. Page 3 has no way forward, and a button for
// the printable rules.
TEST_F(FlowTest, RulesPagesReplaceOneAnotherAndAreReadOut) {
  enum { Exit, Next, Previous };
  const struct { int page, button; const char* log; } moves[] = {{1, Exit, "close Rules1 "}, {1, Next, "show Rules2 close Rules1 "},
      {2, Exit, "close Chart close Rules2 "}, {2, Next, "close Chart show Rules3 close Rules2 "},
      {2, Previous, "close Chart show Rules1 close Rules2 "}, {3, Exit, "close Rules3 "}, {3, Previous, "show Rules2 close Rules3 "}};
  toSetup();
  for (const auto& mv : moves) {
    flow.showRules(mv.page);
    flow.openChart();
    log.clear();
    act([&] {
      RulesPage& page = *flow.rules(mv.page);
      mv.button == Exit ? page.exitPage() : mv.button == Next ? page.nextPage() : page.previousPage();
    });
    std::string logged;
    for (const std::string& entry : log) logged += entry + " ";
    EXPECT_EQ(logged, mv.log);
    for (int page = 1; page <= 3; ++page) flow.closeRules(page);
    flow.closeChart();
    flow.settle();
  }
  const struct { int page; const char *starts, *ends; } pages[] = {
      {1, "Page 1 of 3. The Rules of Sumdart. Summary of the rules. The playing board resembles", "level of play for the computer."},
      {2, "Page 2 of 3. The Rules of Sumdart. Generating a number. The player clicks", "by the number at the top of its column."},
      {3, "Page 3 of 3. The Rules of Sumdart. Selecting the number on the board. Having generated", "301, 201 or 101."}};
  for (const auto& p : pages) {
    SCOPED_TRACE(p.page);
    flow.showRules(p.page);
    RulesPage& page = *flow.rules(p.page);
    ASSERT_EQ(page.form.speech.size(), 1u);
    const std::string said = page.form.speech[0];
    EXPECT_TRUE(said.starts_with(p.starts)) << said;
    EXPECT_TRUE(said.ends_with(p.ends)) << said;
    EXPECT_TRUE(page.keyPressed(KeyPress{KeyPress::Character, 'r'}, "exitButton"));
    EXPECT_EQ(page.form.speech, (std::vector<std::string>{said, said}));
    EXPECT_EQ(page.nextPageButton.spokenName + "|" + page.previousPageButton.spokenName, "Next Page|Previous Page");
    EXPECT_EQ(page.nextPageButton.visible, p.page < 3);
  }
  const long heard = clicks();
  static_cast<RulesPageThree&>(*flow.rules(3)).openRulesDocument();
  EXPECT_EQ(clicks(), heard + 1) << "the button for the printable rules clicks";
}

// The practice throw: drawn as the game draws, flickering through faces 1 to 6,
// revealed on the game's timings with sound on and off, said once the last die
// settles, and then nothing runs on.
TEST_F(FlowTest, ThePracticeThrowRevealsOnTheGamesTimings) {
  for (int soundOn : {1, 0}) {
    SCOPED_TRACE(soundOn);
    m.soundOn = static_cast<std::int16_t>(soundOn);
    flow.showRules(2);
    auto& page = static_cast<RulesPageTwo&>(*flow.rules(2));
    random.push(0.0);  // the first die drawn no times: a page that has never thrown shows 1, not 0
    for (int face : {6, 3, 2}) random.pushDie(face);
    const std::size_t sounds = sound.played.size();
    page.throwDice();
    EXPECT_EQ(sound.played.size() - sounds, static_cast<std::size_t>(soundOn)) << "the dice cup";
    std::vector<std::int64_t> settled, rolling;
    page.changed = [&] {
      if (rolling.empty() && page.dice[3].enabled) rolling.push_back(clock.now());
      if (static_cast<std::size_t>(page.diceShown) > settled.size()) settled.push_back(clock.now());
      for (const Ctl& die : page.dice) EXPECT_THAT(die.caption, ::testing::MatchesRegex("[1-6]?")) << "a face as it flickers";
    };
    const std::int64_t start = clock.now();
    clock.advance(3000);
    EXPECT_EQ(rolling, std::vector<std::int64_t>{start + (soundOn ? 1200 : 100)});
    const std::int64_t first = start + (soundOn ? 1500 : 300);
    EXPECT_EQ(settled, (std::vector<std::int64_t>{first, first + 250, first + 500, first + 750}));
    EXPECT_EQ(page.dice[0].caption + page.dice[1].caption + page.dice[2].caption + page.dice[3].caption, "1632");
    EXPECT_EQ(page.form.speech, (std::vector<std::string>{page.form.speech[0], "Dice: 1, 6, 3, 2."}));
    EXPECT_EQ(clock.activeCount(), 0);
    page.exitPage();
    flow.settle();
  }
}

// Row m of the chart shows m × 1, m × 2... up to its last product not above 100
// (50 at most): to a screen reader, a table of "7 × 8 = 56" under headers, its
// focus on 1 × 1. The arrows move over the products, and the chart scrolls
// so that the one picked shows beside the header column, which stays in place.
TEST_F(FlowTest, TheChartIsATableOfTheProductsUpToAHundredTheArrowsWalk) {
  flow.openChart();
  CheatChart& c = *flow.chart();
  const Ctl& t = c.table;
  const auto cell = [&](int row, int column) { return t.cells.at(static_cast<std::size_t>(row * t.columns + column)); };
  EXPECT_EQ(c.form.focus, "table");
  for (int m = 1; m <= 10; ++m)
    for (int i = 1; i <= 50; ++i)
      EXPECT_EQ(cell(m, i), m * i > 100 ? "" : std::to_string(m) + " × " + std::to_string(i) + " = " + std::to_string(m * i));
  const double header = c.grid.left + c.rows[0][0].left;
  using K = KeyPress;
  const struct { int times; K::Code key; const char* picked; } steps[] = {{1, K::Up, "1 × 1 = 1"}, {1, K::Left, "1 × 1 = 1"},
      {6, K::Down, "7 × 1 = 7"}, {7, K::Right, "7 × 8 = 56"}, {20, K::Right, "7 × 14 = 98"}, {40, K::Up, "1 × 14 = 14"},
      {40, K::Right, "1 × 50 = 50"}, {1, K::Down, "2 × 50 = 100"}, {49, K::Left, "2 × 1 = 2"}};
  for (const auto& step : steps) {
    for (int i = 0; i < step.times; ++i) EXPECT_TRUE(c.keyPressed(K{step.key, 0}, "table"));
    EXPECT_EQ(cell(t.value / t.columns, t.value % t.columns), step.picked);
    EXPECT_EQ(c.grid.left + c.rows[5][0].left, header) << step.picked;
    EXPECT_GE(t.left, header + c.rows[0][0].width) << step.picked;
    EXPECT_LE(t.left + t.width, c.form.width) << step.picked;
  }
  flow.openChart();
  EXPECT_EQ(flow.chart(), &c) << "opened again, the chart is only brought forward";
}

}  // namespace
}  // namespace sumdart::testing_flow
