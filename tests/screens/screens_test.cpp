// The title, set-up and opponent screens and the moves between them, without
// windows: conversions and key filter, the player-count click, backdrop, sound,
// the choice of opponent, and what closing each screen means.
#include "flow_fixture.h"

namespace sumdart::testing_flow {
namespace {

TEST(SetupBoxes, TimeAndTargetConversionsAndTheKeyFilter) {
  const std::pair<const char*, int> times[] = {{"3", 5},   {"", 5},     {"-", 5},      {"-20", 5}, {"7.5", 8},
                                               {"6.5", 6}, {"2.5", 5},  {"9999", 9999}, {"12-3", 12}, {"1.2.3", 5},
                                               {"300", 300}};
  for (auto [text, seconds] : times) EXPECT_EQ(timeAllowedFrom(text), seconds) << '"' << text << '"';
  // A target that is not a number keeps the proposed 501.
  const std::pair<const char*, int> targets[] = {{"12", 40},   {"-5", 40},  {"39.4", 40}, {"40.5", 40}, {"41.5", 42},
                                                 {"999", 999}, {".5", 40},  {"501", 501}, {"", 501},    {"-", 501},
                                                 {".", 501},   {"1-2", 501}, {"abc", 501}, {"5 0", 501}};
  for (auto [text, target] : targets) EXPECT_EQ(targetFrom(text), target) << '"' << text << '"';
  std::string accepted;
  for (int c = 1; c < 128; ++c)
    if (boxAccepts(c)) accepted += static_cast<char>(c);
  EXPECT_EQ(accepted, std::string("\b\r-.0123456789"));
}

// The player-count click for 1 to 4 players, from the title screen's OK on.
TEST_F(FlowTest, PlayerCountStoresTheChoicesAndOpensTheGameOrTheOpponentScreen) {
  for (int players = 1; players <= 4; ++players) {
    SCOPED_TRACE(players);
    Startplay2& s = toSetup();
    s.Text1.caption = "41.5";
    s.Check2.checked = players % 2 == 0;  // clocks on for 2 and 4
    s.Text2.caption = "7.5";
    log.clear();
    act([&] { s.label1Click(players - 1); });
    EXPECT_EQ(m.numberofplayers, players);
    EXPECT_EQ(m.timeallowed, players % 2 == 0 ? 8 : 0);
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(m.score(n), 42);
    ASSERT_NE(flow.currentGame(), nullptr);
    Glim1State& st = flow.currentGame()->st;
    for (std::size_t n = 1; n <= 4; ++n) {
      EXPECT_EQ(st.Label6[n].visible, static_cast<int>(n) <= players) << n;
      EXPECT_EQ(st.Label5[n].visible, static_cast<int>(n) <= players) << n;
      if (players > 1) {
        EXPECT_EQ(st.Label6[n].caption, "42");
      }
    }
    EXPECT_EQ(st.Label12[0].visible, players % 2 == 0);
    const std::vector<std::string> want =
        players == 1 ? std::vector<std::string>{"show Opponent", "close Setup"}
                     : std::vector<std::string>{"show Game", "close Setup"};
    EXPECT_EQ(log, want);
    EXPECT_EQ(flow.setup(), nullptr);
    EXPECT_EQ(sound.played.back(), kClick);
    act([&] { flow.exitGame(); });
    flow.closeGrey();
    if (flow.opponent()) act([&] { flow.close(*flow.opponent()); });
  }
}

TEST_F(FlowTest, TitleOkShowsTheBackdropThenTheSetupScreenAndTurnsSoundOn) {
  m.soundon = 0;
  m.hidedesktop = 0;
  flow.start();
  EXPECT_EQ(m.soundon, 1);
  EXPECT_EQ(flow.title()->form.place, Placement::Centre);
  EXPECT_EQ(flow.grey(), nullptr) << "no backdrop before OK";
  act([&] { flow.title()->label5Click(); });
  EXPECT_EQ(log, (std::vector<std::string>{"show Title", "show Grey", "show Setup", "close Title"}));
  EXPECT_EQ(m.hidedesktop, 1);
  EXPECT_TRUE(flow.setup()->Check3.checked);
  EXPECT_EQ(m.computerlevel, 0);
  EXPECT_EQ(clicks(), 1);
  EXPECT_EQ(flow.setup()->form.focus, "Text2");
}

TEST_F(FlowTest, SetupOpeningFollowsTheBackdropSettingAndTheScreenWidth) {
  struct Case {
    double width;
    int hidedesktop;
    bool logo;
    bool boxShown, boxTicked, greyUp;
    long clicks;
  } cases[] = {
      {12015, 1, true, true, true, true, 0},   {12000, 1, true, false, true, true, 0},
      {12015, 0, true, true, false, false, 1}, {12000, 0, true, false, false, false, 1},
      {12015, 0, false, false, true, true, 0},  // no logo: the rest of the opening is skipped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width + c.hidedesktop * 10 + c.logo * 100);
    desktop.width = c.width;
    if (!c.logo) desktop.missing.insert(kLogoPictureName);
    flow.showGrey();
    m.hidedesktop = static_cast<std::int16_t>(c.hidedesktop);
    const long before = clicks();
    flow.showSetup();
    Startplay2& s = *flow.setup();
    EXPECT_EQ(s.Check3.visible, c.boxShown);
    EXPECT_EQ(s.Check3.checked, c.boxTicked);
    EXPECT_EQ(flow.grey() != nullptr, c.greyUp);
    EXPECT_EQ(clicks() - before, c.clicks);
    EXPECT_EQ(s.form.place, c.logo ? Placement::Centre : Placement::Fit);
    desktop.missing.clear();
  }
}

TEST_F(FlowTest, SetupTickBoxesSoundAndExit) {
  Startplay2& s = toSetup();
  s.Check2.checked = false;
  act([&] { s.check2Click(); });
  EXPECT_FALSE(s.Text2.visible || s.Text2.enabled || s.Label3[2].visible || s.Label3[3].visible);
  s.Check2.checked = true;
  act([&] { s.check2Click(); });
  EXPECT_TRUE(s.Text2.visible && s.Text2.enabled && s.Label3[2].visible && s.Label3[3].visible);

  log.clear();
  s.Check3.checked = false;
  act([&] { s.check3Click(); });
  EXPECT_EQ(m.hidedesktop, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"close Grey", "show Setup"}));
  s.Check3.checked = true;
  act([&] { s.check3Click(); });
  EXPECT_EQ(m.hidedesktop, 1);
  EXPECT_EQ(log.back(), "show Setup") << "the set-up screen stays in front of the backdrop";

  // Clicks before the choice are heard; the one after a cleared Play Sound is not.
  s.Check1.checked = false;
  act([&] { s.check1Click(); });
  const long heard = clicks();
  EXPECT_EQ(heard, 6);  // OK, two Timers On, two Hide Desktop, Play Sound
  act([&] { flow.setup()->label1Click(1); });
  EXPECT_EQ(m.soundon, 0);
  EXPECT_EQ(clicks(), heard);

  // Exit and closing the set-up screen both end the program.
  Startplay2& again = *(flow.showSetup(), flow.setup());
  act([&] { again.label3Click(1); });  // a caption: nothing
  EXPECT_TRUE(quits.empty());
  act([&] { again.closeRequested(); });
  act([&] { again.label3Click(0); });
  EXPECT_EQ(quits, (std::vector<int>{0, 0}));
}

TEST_F(FlowTest, OpponentScreenSetsTheLevelAndTheNotice) {
  const struct {
    int option;  // -1: untouched
    int level;
    const char* notice;
  } cases[] = {{-1, 3, "The computer is playing as red. Level 3 - Hard"},
               {0, 1, "The computer is playing as red. Level 1 - Easy"},
               {1, 2, "The computer is playing as red. Level 2 - Medium"},
               {-2, 0, ""}};  // Play solo
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    Startplay2& s = toSetup();
    s.Text1.caption = "301";
    act([&] { s.label1Click(0); });
    Startautoplay2& o = *flow.opponent();
    EXPECT_EQ(m.computerlevel, 0);
    EXPECT_FALSE(flow.currentGame() == nullptr) << "the set-up screen prepared a game";
    if (c.option >= 0) {
      for (auto& opt : o.Option1) opt.checked = false;
      o.Option1[static_cast<std::size_t>(c.option)].checked = true;
      act([&] { o.option1Click(c.option); });
    }
    const Glim1* prepared = flow.currentGame();
    act([&] { c.level ? o.label7Click() : o.label1Click(); });
    const Glim1State& st = flow.currentGame()->st;
    EXPECT_EQ(flow.currentGame() != prepared, c.level > 0) << "against the computer, a fresh game screen";
    EXPECT_EQ(m.computerlevel, c.level);
    EXPECT_EQ(m.numberofplayers, c.level ? 2 : 1);
    EXPECT_EQ(st.Label5[6].caption, c.level ? c.notice : "The computer is playing as red.");
    EXPECT_EQ(st.Label5[6].visible && st.Label5[2].visible && st.Label6[2].visible, c.level > 0);
    EXPECT_EQ(st.Label6[1].caption, "301");
    EXPECT_EQ(flow.opponent(), nullptr);
    act([&] { flow.exitGame(); });
  }
}

// Exit and the close box go back to a new set-up screen, silently; the
// prepared game waits hidden for the next player count.
TEST_F(FlowTest, LeavingTheOpponentScreen) {
  flow.start();
  for (bool closeBox : {false, true}) {
    act([&] { flow.title()->label5Click(); });
    flow.setup()->Text1.caption = "999";
    act([&] { flow.setup()->label1Click(0); });
    const long heard = sound.played.size();
    log.clear();
    act([&] { closeBox ? flow.opponent()->closeRequested() : flow.opponent()->label3Click(); });
    EXPECT_EQ(log, (std::vector<std::string>{"show Setup", "close Opponent"}));
    EXPECT_EQ(flow.setup()->Text1.caption, "501") << "a new set-up screen";
    EXPECT_EQ(static_cast<long>(sound.played.size()), heard);
    ASSERT_NE(flow.currentGame(), nullptr);
    act([&] { flow.setup()->label1Click(1); });
    act([&] { flow.exitGame(); });
  }
}

// Leaving the game: New Game goes to a new set-up screen and keeps the sound as
// it is (off after a finished game); Exit goes to the title, which turns it on.
TEST_F(FlowTest, NewGameAndExitFromTheGameScreen) {
  Glim1& g = toGame(2);
  m.soundon = 0;  // as after the end of a game
  log.clear();
  const long heard = clicks();
  act([&] { g.label3Click(1); });
  EXPECT_EQ(log, (std::vector<std::string>{"show Setup", "close Game"}));
  EXPECT_EQ(clicks(), heard);
  EXPECT_EQ(flow.currentGame(), nullptr);

  act([&] { flow.setup()->label1Click(1); });
  log.clear();
  act([&] { flow.currentGame()->label3Click(0); });
  EXPECT_EQ(log, (std::vector<std::string>{"show Title", "close Game"}));
  EXPECT_EQ(m.soundon, 1);
  EXPECT_EQ(clicks(), heard + 2) << "the new game's choice, then Exit";
  EXPECT_FALSE(savefile.text) << "a game without two clicks is not saved";

  // The title screen's Exit and close box end the program.
  act([&] { flow.title()->closeRequested(); });
  act([&] { flow.title()->label7Click(); });
  EXPECT_EQ(quits, (std::vector<int>{0, 0}));
}

TEST_F(FlowTest, AGameScreenThatCannotOpenIsReportedAndEndsTheProgram) {
  Startplay2& s = toSetup();
  desktop.missing.insert("Images\\target2.bmp");
  act([&] { s.label1Click(1); });
  EXPECT_EQ(quits, std::vector<int>{1});
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("Images\\target2.bmp"), std::string::npos);
  EXPECT_EQ(clock.activeCount(), 0);
}

}  // namespace
}  // namespace sumdart::testing_flow
