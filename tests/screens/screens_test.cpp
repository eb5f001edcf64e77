// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The title, set-up and opponent screens and the moves between them, without
// windows: conversions and key filter, the player-count click, backdrop, sound,
// the choice of opponent, and what closing each screen means.
#include "flow_fixture.h"

namespace sumdart::testing_flow {
namespace {

// Seconds: the number a text starts with, rounded half to even, 5 at least.
// Target: the whole text as a number, at least 40, or the proposed 501.
TEST(SetupBoxes, TimeAndTargetConversionsAndTheKeyFilter) {
  const std::pair<const char*, int> times[] = {{"3", 5},   {"", 5},     {"-", 5},      {"-20", 5}, {"7.5", 8},
                                               {"6.5", 6}, {"2.5", 5},  {"9999", 9999}, {"12-3", 12}, {"1.2.3", 5},
                                               {"300", 300}, {"60s", 60}, {"--9", 5}, {"abc", 5}};
  for (auto [text, seconds] : times) EXPECT_EQ(timeAllowedFrom(text), seconds) << '"' << text << '"';
  const std::pair<const char*, int> targets[] = {{"12", 40},   {"-5", 40},  {"39.4", 40}, {"40.5", 40}, {"41.5", 42},
                                                 {"999", 999}, {".5", 40},  {"501", 501}, {"", 501},    {"-", 501},
                                                 {".", 501},   {"1-2", 501}, {"abc", 501}, {"5 0", 501},
                                                 {"45.", 45},  {"+50", 501}, {" 50", 501}, {"50 ", 501}, {"50a", 501}};
  for (auto [text, target] : targets) EXPECT_EQ(targetFrom(text), target) << '"' << text << '"';
  std::string accepted;
  for (int c = 1; c < 128; ++c)
    if (boxAccepts(c)) accepted += static_cast<char>(c);
  EXPECT_EQ(accepted, std::string("\b\r-.0123456789"));
}

// Games as the screens build them, one after another as a class would play
// them: each is left with New Game or with Exit and OK, and may come after a
// game against the computer or a detour through the opponent screen's Exit.
// Each is then checked as built (panels, names, clocks, opponent, sound) and
// played: Blue scores 40 on the clock, and the turn passes to the next player,
// whom the computer plays exactly when it was chosen.
TEST_F(FlowTest, GamesBuiltByTheScreensPlayAsChosen) {
  enum Route { Players, Solo, Computer, OpponentExit, OpponentClose };
  const struct {
    Route route;
    int players, level;
    const char *time, *target;  // as typed; no time: no clocks
    bool sound;
  } games[] = {
      {Players, 3, 0, "60", "301", true},   {Computer, 1, 2, "", "501", true},   {Solo, 1, 0, "7.5", "41.5", false},
      {Computer, 1, 1, "30", "99", false},  {OpponentExit, 2, 0, "", "", true},  {Computer, 1, 3, "", "120", true},
      {Players, 4, 0, "9999", "999", true}, {OpponentClose, 1, 0, "", "45.5", true},
  };
  const char* levels[] = {"", "Level 1 - Easy", "Level 2 - Medium", "Level 3 - Hard"};
  flow.start();
  act([&] { flow.title()->ok(); });
  for (std::size_t i = 0; i < std::size(games); ++i) {
    const auto& r = games[i];
    SCOPED_TRACE(i);
    const int seconds = *r.time ? timeAllowedFrom(r.time) : 0, start = targetFrom(r.target);
    // Leaving the last game, its cheat chart open: New Game goes to a new
    // set-up screen; Exit to the title, which turns the sound on again. Both close the chart.
    if (i > 0) flow.openChart();
    log.clear();
    if (i > 0 && i % 2 == 1) {
      act([&] { flow.currentGame()->newGame(); });
      EXPECT_EQ(log, (std::vector<std::string>{"show Setup", "close Game", "close Chart"}));
    } else if (i > 0) {
      act([&] { flow.currentGame()->exitGame(); });
      EXPECT_EQ(log, (std::vector<std::string>{"show Title", "close Game", "close Chart"}));
      EXPECT_EQ(m.soundOn, 1);
      act([&] { flow.title()->ok(); });
    }
    const auto fill = [&](SetupScreen& s) {
      s.targetBox.caption = r.target;
      s.playSoundTick.checked = r.sound;
      s.timersOnTick.checked = *r.time != 0;
      s.timeBox.caption = r.time;
    };
    fill(*flow.setup());
    log.clear();
    act([&] { flow.setup()->choosePlayers(r.route == Players ? r.players : 1); });
    EXPECT_EQ(log, (std::vector<std::string>{r.route == Players ? "show Game" : "show Opponent", "close Setup"}));
    if (r.route == OpponentExit || r.route == OpponentClose) {
      // Back to a new set-up screen.
      log.clear();
      act([&] { r.route == OpponentExit ? flow.opponent()->backToSetup() : flow.opponent()->closeRequested(); });
      EXPECT_EQ(log, (std::vector<std::string>{"show Setup", "close Opponent"}));
      fill(*flow.setup());
      act([&] { flow.setup()->choosePlayers(r.players); });
      if (r.players == 1) act([&] { flow.opponent()->playSolo(); });
    } else if (r.route == Solo) {
      act([&] { flow.opponent()->playSolo(); });
    } else if (r.route == Computer) {
      if (r.level != 3)
        for (std::size_t k = 0; k < 3; ++k) flow.opponent()->levelOptions[k].checked = static_cast<int>(k) + 1 == r.level;
      act([&] { flow.opponent()->playComputer(); });
    }
    ASSERT_NE(flow.currentGame(), nullptr);
    ASSERT_EQ(flow.setup(), nullptr);
    ASSERT_EQ(flow.opponent(), nullptr);
    GameScreen& g = *flow.currentGame();
    const GameRecords& on = g.records();
    EXPECT_EQ(m.soundOn, r.sound);
    std::string want;
    for (int slot = 0; slot < (r.level ? 2 : r.players); ++slot)
      want += decimalText(start) + "/" + (seconds ? decimalText(seconds) : "") + " ";
    EXPECT_EQ(playersShown(g), want);
    EXPECT_EQ(on.secondsHeading.visible, seconds > 0);
    EXPECT_EQ(on.computerNotice.visible ? on.computerNotice.caption : "",
              r.level ? std::string("The computer is playing as red. ") + levels[r.level] : "");
    // Blue scores 40; the computer, when chosen, then moves by itself.
    random.pushThrow(6, 4, 3, 1);
    act([&] { g.throwDice(); });
    clock.advance(2500);
    act([&] { g.boardCellClicked(25); });
    EXPECT_EQ(on.scorePanels[0].caption, decimalText(start - 40));
    random.pushThrow(6, 4, 3, 1);
    clock.advance(30000);
    EXPECT_EQ(g.match().turnCounter(), r.level ? 1 : 0) << "only the computer moves by itself";
  }
}

TEST_F(FlowTest, SetupOpeningFollowsTheBackdropSettingAndTheScreenWidth) {
  const struct { double width; int hideDesktop; bool logo, boxShown, boxTicked, backdropUp; long clicks; } cases[] = {
      {12015, 1, true, true, true, true, 0},   {12000, 1, true, false, true, true, 0},
      {12015, 0, true, true, false, false, 1}, {12000, 0, true, false, false, false, 1},
      {12015, 0, false, false, true, true, 0},  // no logo: the rest of the opening is skipped
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width + c.hideDesktop * 10 + c.logo * 100);
    desktop.width = c.width;
    if (!c.logo) desktop.missing.insert(fileName(Picture::logo));
    flow.showBackdrop();
    m.hideDesktop = static_cast<std::int16_t>(c.hideDesktop);
    const long before = clicks();
    flow.showSetup();
    SetupScreen& s = *flow.setup();
    EXPECT_EQ(s.hideDesktopTick.visible, c.boxShown);
    EXPECT_EQ(s.hideDesktopTick.checked, c.boxTicked);
    EXPECT_EQ(flow.backdrop() != nullptr, c.backdropUp);
    EXPECT_EQ(clicks() - before, c.clicks);
    EXPECT_EQ(s.form.place, c.logo ? Placement::Centre : Placement::Fit);
    desktop.missing.clear();
  }
}

// The title's OK turns the sound on, puts up the backdrop and then the set-up
// screen; its Exit and close box end the program, as the set-up screen's do.
TEST_F(FlowTest, TitleAndSetupTickBoxesSoundAndExit) {
  m.soundOn = 0;
  m.hideDesktop = 0;
  flow.start();
  act([&] { flow.title()->closeRequested(); });
  act([&] { flow.title()->exitProgram(); });
  EXPECT_EQ(flow.title()->form.place, Placement::Centre);
  EXPECT_EQ(flow.backdrop(), nullptr) << "no backdrop before OK";
  act([&] { flow.title()->ok(); });
  EXPECT_EQ(log, (std::vector<std::string>{"show Title", "show Backdrop", "show Setup", "close Title"}));
  EXPECT_EQ(m.soundOn, 1);
  EXPECT_EQ(m.hideDesktop, 1);
  SetupScreen& s = *flow.setup();
  EXPECT_TRUE(s.hideDesktopTick.checked);
  EXPECT_EQ(s.form.focus, "timeBox");
  s.timersOnTick.checked = false;
  act([&] { s.timersOnClicked(); });
  // The time box, enabled, and its two captions.
  const auto timeShown = [&] { return std::vector<bool>{s.timeBox.visible, s.timeBox.enabled, s.timeCaption.visible, s.secondsCaption.visible}; };
  EXPECT_EQ(timeShown(), std::vector<bool>(4, false));
  s.timersOnTick.checked = true;
  act([&] { s.timersOnClicked(); });
  EXPECT_EQ(timeShown(), std::vector<bool>(4, true));

  log.clear();
  s.hideDesktopTick.checked = false;
  act([&] { s.hideDesktopClicked(); });
  EXPECT_EQ(m.hideDesktop, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"close Backdrop", "show Setup"}));
  s.hideDesktopTick.checked = true;
  act([&] { s.hideDesktopClicked(); });
  EXPECT_EQ(m.hideDesktop, 1);
  EXPECT_EQ(log.back(), "show Setup") << "the set-up screen stays in front of the backdrop";

  // Clicks before the choice are heard; the one after a cleared Play Sound is not.
  s.playSoundTick.checked = false;
  act([&] { s.playSoundClicked(); });
  const long heard = clicks();
  EXPECT_EQ(heard, 6);  // OK, two Timers On, two Hide Desktop, Play Sound
  act([&] { flow.setup()->choosePlayers(2); });
  EXPECT_EQ(m.soundOn, 0);
  EXPECT_EQ(clicks(), heard);

  // Exit and closing the set-up screen both end the program.
  SetupScreen& again = *(flow.showSetup(), flow.setup());
  act([&] { again.closeRequested(); });
  act([&] { again.exitProgram(); });
  EXPECT_EQ(quits, (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(FlowTest, AGameScreenThatCannotOpenIsReportedAndEndsTheProgram) {
  SetupScreen& s = toSetup();
  desktop.missing.insert("Images\\target2.bmp");
  act([&] { s.choosePlayers(2); });
  EXPECT_EQ(quits, std::vector<int>{1});
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("Images\\target2.bmp"), std::string::npos);
  EXPECT_EQ(clock.activeCount(), 0);
}

}  // namespace
}  // namespace sumdart::testing_flow
