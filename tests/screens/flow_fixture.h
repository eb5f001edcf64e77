// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program without windows: the screens, the moves between them and the
// game, on virtual time with scripted dice, a fake desktop and a saved game in
// memory. A view double records which screens are shown and closed, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "game/game_screen.h"
#include "support/fake_seams.h"
#include "screens/screenflow.h"
#include "screens/opponent_screen.h"
#include "screens/setup_screen.h"
#include "screens/title_screen.h"
#include "state/numbers.h"
#include "help/cheat_chart.h"
#include "help/rules_pages.h"

namespace sumdart::testing_flow {

inline const std::string kClick = "wav\\click1.wav";

class FlowTest : public ::testing::Test, public ScreenView, protected FakeServices {
 protected:
  FlowTest() {
    flow.setView(this);
    flow.onQuit = [this](int status) { quits.push_back(status); };
    flow.report = [this](const std::string& text) { reports.push_back(text); };
  }

  // One user event: the handler, then the screens left during it go.
  void act(const std::function<void()>& handler) {
    handler();
    flow.settle();
  }

  // ScreenView: "show Title", "close Game"...
  void show(Screen& s) override { log.push_back("show " + name(s)); }
  void close(Screen& s) override { log.push_back("close " + name(s)); }
  std::string name(const Screen& s) const {
    const std::pair<const Screen*, const char*> screens[] = {{flow.title(), "Title"}, {flow.setup(), "Setup"}, {flow.opponent(), "Opponent"},
        {flow.currentGame(), "Game"}, {flow.backdrop(), "Backdrop"}, {flow.chart(), "Chart"}, {flow.rules(1), "Rules1"},
        {flow.rules(2), "Rules2"}, {flow.rules(3), "Rules3"}};
    for (const auto& [screen, name] : screens)
      if (&s == screen) return name;
    return "?";
  }

  // From program start to the set-up screen.
  SetupScreen& toSetup() {
    flow.start();
    act([&] { flow.title()->ok(); });
    return *flow.setup();
  }
  long clicks() const { return std::count(sound.played.begin(), sound.played.end(), kClick); }
  // The players a game screen shows, as "target/seconds " each, the seconds
  // left out without clocks, and "x" for a player out of time.
  static std::string playersShown(const GameScreen& g) {
    const GameRecords& on = g.records();
    std::string shown;
    for (std::size_t slot = 0; slot < 4; ++slot) {
      if (!on.scorePanels[slot].visible || !on.playerNames[slot].visible) continue;
      shown += on.scorePanels[slot].caption + (on.scorePanels[slot].enabled ? "/" : "x/");
      shown += (on.clocks[slot].visible ? on.clocks[slot].caption : "") + " ";
    }
    return shown;
  }

  GameSettings m;
  std::vector<std::string> log;
  std::vector<int> quits;
  std::vector<std::string> reports;
  ScreenFlow flow{m, services()};
};

}  // namespace sumdart::testing_flow
