// The cheat chart, the rules pages and the practice throw, without windows.
#include "../screens/flow_fixture.h"

namespace sumdart::testing_flow {
namespace {

// Row m of the chart shows m × 1, m × 2... up to its last product not above
// 100 (50 at most), under column heads 1..50, each cell right of the one before.
TEST_F(FlowTest, TheChartHoldsTheProductsUpToAHundred) {
  flow.openChart();
  const CheatChart& c = *flow.chart();
  for (std::size_t m = 1; m < c.rows.size(); ++m) {
    const auto& row = c.rows[m];
    const int last = static_cast<int>(row.size()) - 1;
    EXPECT_EQ(row[0].caption, std::to_string(m));
    EXPECT_LE(static_cast<int>(m) * last, 100);
    EXPECT_TRUE(last == 50 || static_cast<int>(m) * (last + 1) > 100) << m << ": " << last;
    for (std::size_t i = 1; i < row.size(); ++i) {
      EXPECT_EQ(row[i].caption, std::to_string(m * i));
      EXPECT_EQ(row[i].left, c.rows[0][i].left);
      EXPECT_GE(row[i].left, row[i - 1].left + row[i - 1].width);
    }
  }
}

// The game's button opens the chart once and then only brings it forward;
// leaving the game screen closes it.
TEST_F(FlowTest, TheChartOpensOnceAndGoesWithTheGame) {
  GameScreen& g = toGame(2);
  log.clear();
  g.openCheatChart();
  CheatChart* chart = flow.chart();
  chart->scrollBar.value = 40;
  g.openCheatChart();
  EXPECT_EQ(flow.chart(), chart);
  EXPECT_EQ(chart->scrollBar.value, 40);
  EXPECT_EQ(log, (std::vector<std::string>{"show Chart", "show Chart"}));
  EXPECT_EQ(clicks(), 4);
  for (int button : {1, 0}) {  // New Game, then Exit
    act([&] { flow.currentGame()->openCheatChart(); });
    act([&] { button == 1 ? flow.currentGame()->newGame() : flow.currentGame()->exitGame(); });
    EXPECT_EQ(flow.chart(), nullptr);
    if (button == 1) act([&] { flow.setup()->choosePlayers(2); });
  }
  act([&] { flow.closeChart(); });  // not open: nothing
}

// The navigation buttons of each page: the next page is shown before the
// current one closes, and leaving page 2 closes the chart.
TEST_F(FlowTest, RulesPagesReplaceOneAnother) {
  const struct {
    int page, index, next;
  } moves[] = {{1, 0, 0}, {1, 1, 2}, {2, 0, 0}, {2, 1, 3}, {2, 2, 1}, {3, 0, 0}, {3, 2, 2}};
  SetupScreen& s = toSetup();
  for (const auto& mv : moves) {
    SCOPED_TRACE(mv.page * 10 + mv.index);
    flow.showRules(mv.page);
    flow.openChart();
    log.clear();
    const long heard = clicks();
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
    EXPECT_EQ(clicks(), heard + 1);
    if (mv.next) flow.closeRules(mv.next);
    flow.closeChart();
    flow.settle();
  }
  EXPECT_EQ(flow.setup(), &s) << "the set-up screen stays behind the pages";
  // The Rules twice: one page 1, brought forward.
  act([&] { s.openRules(); });
  RulesPage* first = flow.rules(1);
  act([&] { s.openRules(); });
  EXPECT_EQ(flow.rules(1), first);
  EXPECT_FALSE(flow.rules(3) && flow.rules(3)->nextPageButton.visible);
  flow.showRules(3);
  EXPECT_FALSE(flow.rules(3)->nextPageButton.visible) << "page 3 offers no way forward";
}

// The practice throw: drawn as the game draws, revealed on the game's timings
// with sound on and off, judged and scored nowhere; it stops with its page.
TEST_F(FlowTest, ThePracticeThrowRevealsOnTheGamesTimings) {
  for (int soundOn : {1, 0}) {
    SCOPED_TRACE(soundOn);
    m.soundOn = static_cast<std::int16_t>(soundOn);
    flow.showRules(2);
    auto& page = static_cast<RulesPageTwo&>(*flow.rules(2));
    // First die drawn no times: a page that has never thrown shows 1, not 0.
    random.push(0.0);
    random.pushDie(6);
    random.pushDie(3);
    random.pushDie(2);
    const std::size_t sounds = sound.played.size();
    page.throwDice();
    EXPECT_EQ(sound.played.size() - sounds, static_cast<std::size_t>(soundOn)) << "the dice cup";
    std::vector<std::int64_t> settled, rolling;
    const std::int64_t start = clock.now();
    page.changed = [&] {
      if (rolling.empty() && page.dice[3].enabled) rolling.push_back(clock.now() - start);
      if (static_cast<std::size_t>(page.diceShown) > settled.size()) settled.push_back(clock.now() - start);
      for (const Ctl& die : page.dice) EXPECT_TRUE(die.caption.empty() || (die.caption >= "1" && die.caption <= "6"));
    };
    clock.advance(3000);
    EXPECT_EQ(rolling, std::vector<std::int64_t>{soundOn ? 1200 : 100});
    const std::vector<std::int64_t> want =
        soundOn ? std::vector<std::int64_t>{1500, 1750, 2000, 2250} : std::vector<std::int64_t>{300, 550, 800, 1050};
    EXPECT_EQ(settled, want);
    EXPECT_EQ(page.dice[0].caption + page.dice[1].caption + page.dice[2].caption + page.dice[3].caption, "1632");
    EXPECT_EQ(page.form.speech.back(), "Dice: 1, 6, 3, 2.") << "heard once the last die settles";
    EXPECT_EQ(clock.activeCount(), 0);
    // A throw during a throw starts afresh; leaving the page stops it at once.
    clock.advance(1);
    page.throwDice();
    EXPECT_EQ(page.diceShown, 0);
    for (const Ctl& die : page.dice) EXPECT_TRUE(die.caption.empty());
    clock.advance(400);
    page.changed = nullptr;
    page.exitPage();
    EXPECT_EQ(clock.activeCount(), 0) << "stopped as the page is left, before it is destroyed";
    flow.settle();
    random.queue.clear();
  }
}

// Each page is read out, in reading order, as it opens and again on R; its
// buttons are heard without their arrows.
TEST_F(FlowTest, ARulesPageIsReadOutAsItOpensAndOnRequest) {
  const struct { int page; const char *starts, *has, *ends; } pages[] = {
      {1, "Page 1 of 3. The Rules of Sumdart. Summary of the rules. The playing board resembles",
       "Each player starts with a target of 501 points. Players take turns", "level of play for the computer."},
      {2, "Page 2 of 3. The Rules of Sumdart. Generating a number. The player clicks",
       "beside each other. For example, having thrown 6, 4, 3, and 1,", "by the number at the top of its column."},
      {3, "Page 3 of 3. The Rules of Sumdart. Selecting the number on the board. Having generated",
       "moving outwards from the centre of the board.) Playing with a timer. If the", "301, 201 or 101."},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.page);
    flow.showRules(p.page);
    RulesPage& page = *flow.rules(p.page);
    ASSERT_EQ(page.form.speech.size(), 1u);
    const std::string said = page.form.speech[0];
    EXPECT_EQ(said.rfind(p.starts, 0), 0u) << said;
    EXPECT_NE(said.find(p.has), std::string::npos) << said;
    EXPECT_EQ(said.substr(said.size() - std::string(p.ends).size()), p.ends) << said;
    page.form.speech.clear();
    EXPECT_TRUE(page.keyPressed(KeyPress{KeyPress::Character, 'r'}, "exitButton"));
    EXPECT_EQ(page.form.speech, std::vector<std::string>{said});
    EXPECT_EQ(page.nextPageButton.spokenName, "Next Page");
    EXPECT_EQ(page.previousPageButton.spokenName, "Previous Page");
    flow.closeRules(p.page);
    flow.settle();
  }
}

// To a screen reader the chart is a table of "7 × 8 = 56" under headers; the
// arrows move over the products, and the chart scrolls to show the one picked.
TEST_F(FlowTest, TheChartIsATableTheArrowsWalk) {
  flow.openChart();
  CheatChart& c = *flow.chart();
  const Ctl& t = c.table;
  const auto cell = [&](int row, int column) { return t.cells[static_cast<std::size_t>(row * t.columns + column)]; };
  EXPECT_EQ(c.form.focus, "table");
  EXPECT_EQ(cell(0, 8) + "|" + cell(7, 0) + "|" + cell(7, 8) + "|" + cell(1, 50) + "|" + cell(3, 34), "8|7|7 × 8 = 56|1 × 50 = 50|");
  using K = KeyPress;
  const auto walk = [&](std::initializer_list<K::Code> keys) {
    for (K::Code k : keys) EXPECT_TRUE(c.keyPressed(K{k, 0}, "table"));
    return cell(t.value / t.columns, t.value % t.columns);
  };
  EXPECT_EQ(cell(t.value / t.columns, 0) + " " + cell(0, t.value % t.columns), "1 1") << "it starts at 1 × 1";
  EXPECT_EQ(walk({K::Up, K::Left}), "1 × 1 = 1") << "the headers are not products";
  EXPECT_EQ(walk({K::Down, K::Down, K::Down, K::Down, K::Down, K::Down, K::Right, K::Right, K::Right, K::Right, K::Right,
                  K::Right, K::Right}),
            "7 × 8 = 56");
  for (int i = 0; i < 20; ++i) walk({K::Right});
  EXPECT_EQ(walk({}), "7 × 14 = 98") << "row 7 ends at 98";
  for (int i = 0; i < 40; ++i) walk({K::Up});
  EXPECT_EQ(walk({}), "1 × 14 = 14");
  for (int i = 0; i < 40; ++i) walk({K::Right});
  EXPECT_EQ(walk({}), "1 × 50 = 50");
  const Ctl& shown = c.rows[1][50];
  EXPECT_LE(c.grid.left + shown.left + shown.width, c.form.width) << "scrolled to show 1 × 50";
  EXPECT_EQ(walk({K::Down}), "2 × 50 = 100");
  for (int i = 0; i < 49; ++i) walk({K::Left});
  EXPECT_EQ(c.grid.left + c.rows[2][1].left, 495) << "scrolled back, 2 × 1 beside the header column";
  EXPECT_EQ(t.left, 495) << "the table lies over its product, where the keyboard's mark rings it";
  EXPECT_EQ(t.top, c.grid.top + c.rows[2][1].top);
  EXPECT_FALSE(c.keyPressed(K{K::Left, 0}, "scrollBar")) << "the scroll bar keeps its own arrows";
}

TEST_F(FlowTest, PageThreeAsksTheDesktopForThePrintableRules) {
  flow.showRules(3);
  auto& page = static_cast<RulesPageThree&>(*flow.rules(3));
  page.openRulesDocument();
  EXPECT_EQ(desktop.opened, std::vector<std::string>{"Sumdart Rules.doc"});
  EXPECT_EQ(clicks(), 1);
  m.soundOn = 0;
  page.openRulesDocument();
  EXPECT_EQ(clicks(), 1);
}

}  // namespace
}  // namespace sumdart::testing_flow
