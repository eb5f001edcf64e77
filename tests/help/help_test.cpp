// The cheat chart, the rules pages and the practice throw, without windows.
#include <gmock/gmock.h>

#include "../screens/flow_fixture.h"

namespace sumdart::testing_flow {
namespace {

// The navigation buttons of each page: the next page is shown before the
// current one closes, and leaving page 2, and only page 2, closes the chart.
// Page 3 has no way forward, and a button for the printable rules.
TEST_F(FlowTest, RulesPagesReplaceOneAnother) {
  const struct {
    int page, index, next;
  } moves[] = {{1, 0, 0}, {1, 1, 2}, {2, 0, 0}, {2, 1, 3}, {2, 2, 1}, {3, 0, 0}, {3, 2, 2}};
  toSetup();
  for (const auto& mv : moves) {
    SCOPED_TRACE(mv.page * 10 + mv.index);
    flow.showRules(mv.page);
    flow.openChart();
    log.clear();
    act([&] {
      RulesPage& page = *flow.rules(mv.page);
      mv.index == 0 ? page.exitPage() : mv.index == 1 ? page.nextPage() : page.previousPage();
    });
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(flow.rules(p) != nullptr, p == mv.next) << p;
    std::vector<std::string> want;
    if (mv.page == 2) want.push_back("close Chart");
    if (mv.next) want.push_back("show Rules" + std::to_string(mv.next));
    want.push_back("close Rules" + std::to_string(mv.page));
    EXPECT_EQ(log, want);
    EXPECT_EQ(flow.chart() == nullptr, mv.page == 2);
    if (mv.next) flow.closeRules(mv.next);
    flow.closeChart();
    flow.settle();
  }
  flow.showRules(3);
  EXPECT_FALSE(flow.rules(3)->nextPageButton.visible) << "page 3 offers no way forward";
  const long heard = clicks();
  static_cast<RulesPageThree&>(*flow.rules(3)).openRulesDocument();
  EXPECT_EQ(clicks(), heard + 1) << "the button for the printable rules clicks";
}

// The practice throw: drawn as the game draws, flickering through faces 1 to 6,
// revealed on the game's timings with sound on and off, said once the last die
// settles, and then nothing runs on; a throw stops with its page.
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
    page.changed = nullptr;
    page.throwDice();
    clock.advance(400);
    page.exitPage();
    EXPECT_EQ(clock.activeCount(), 0) << "stopped as the page is left, before it is destroyed";
    flow.settle();
    random.queue.clear();
  }
}

// Each page is read out from the top as it opens and again on R; its buttons
// are heard without their arrows.
TEST_F(FlowTest, ARulesPageIsReadOutAsItOpensAndOnRequest) {
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
    EXPECT_EQ(page.nextPageButton.spokenName, "Next Page");
    EXPECT_EQ(page.previousPageButton.spokenName, "Previous Page");
    flow.closeRules(p.page);
    flow.settle();
  }
}

// Row m of the chart shows m × 1, m × 2... up to its last product not above 100
// (50 at most). To a screen reader it is a table of "7 × 8 = 56" under headers;
// the arrows move over the products, and the chart scrolls to show the one picked.
TEST_F(FlowTest, TheChartIsATableOfTheProductsUpToAHundredTheArrowsWalk) {
  flow.openChart();
  CheatChart& c = *flow.chart();
  for (std::size_t m = 1; m < c.rows.size(); ++m) {
    EXPECT_EQ(c.rows[m][0].caption, std::to_string(m));
    ASSERT_EQ(c.rows[m].size(), std::min<std::size_t>(50, 100 / m) + 1) << m;
    for (std::size_t i = 1; i < c.rows[m].size(); ++i) EXPECT_EQ(c.rows[m][i].caption, std::to_string(m * i));
  }
  const Ctl& t = c.table;
  const auto cell = [&](int row, int column) { return t.cells[static_cast<std::size_t>(row * t.columns + column)]; };
  EXPECT_EQ(c.form.focus, "table");
  EXPECT_EQ(cell(0, 8) + "|" + cell(7, 0) + "|" + cell(7, 8) + "|" + cell(1, 50) + "|" + cell(3, 34), "8|7|7 × 8 = 56|1 × 50 = 50|");
  using K = KeyPress;
  const auto walk = [&](int times, K::Code key) {
    for (int i = 0; i < times; ++i) EXPECT_TRUE(c.keyPressed(K{key, 0}, "table"));
    return cell(t.value / t.columns, t.value % t.columns);
  };
  walk(1, K::Up);
  EXPECT_EQ(walk(1, K::Left), "1 × 1 = 1") << "it starts at 1 × 1; the headers are not products";
  walk(6, K::Down);
  EXPECT_EQ(walk(7, K::Right), "7 × 8 = 56");
  EXPECT_EQ(walk(20, K::Right), "7 × 14 = 98") << "row 7 ends at 98";
  EXPECT_EQ(walk(40, K::Up), "1 × 14 = 14");
  EXPECT_EQ(walk(40, K::Right), "1 × 50 = 50");
  const Ctl& shown = c.rows[1][50];
  EXPECT_LE(c.grid.left + shown.left + shown.width, c.form.width) << "scrolled to show 1 × 50";
  EXPECT_EQ(walk(1, K::Down), "2 × 50 = 100");
  walk(49, K::Left);
  EXPECT_EQ(c.grid.left + c.rows[2][1].left, 495) << "scrolled back, 2 × 1 beside the header column";
  flow.openChart();
  EXPECT_EQ(flow.chart(), &c) << "opened again, the chart is only brought forward";
}

}  // namespace
}  // namespace sumdart::testing_flow
