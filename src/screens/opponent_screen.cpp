// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/opponent_screen.h"
#include "state/texts.h"

#include "screens/screenflow.h"
#include "screens/setup_screen.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
constexpr Rgb kBack = rgb(0, 0, 192);
}  // namespace

OpponentScreen::OpponentScreen(GameSettings& m, Services s, ScreenFlow& flow, const NewGame& chosen)
    : FlowScreen(m, s), flow_(flow), chosen_(chosen) {
  using namespace colours;
  smallScreen(kBack, gameTitle);
  levelHeading = textLabel(translate("OpponentScreen", " Set Level for the computer"), 120, 1320, 3120, 1080, rgb(255, 128, 0), arial(20.25));
  logo = textLabel("", 3600, 1440, 1500, 2085, black, arial(8));
  logo.spokenName = translate("OpponentScreen", "The Sumdart logo");
  const char* levels[3] = {TRANSLATABLE("OpponentScreen", "Level 1 - Easy"), TRANSLATABLE("OpponentScreen", "Level 2"),
                           TRANSLATABLE("OpponentScreen", "Level 3 - Hard")};
  for (std::size_t i = 0; i < 3; ++i) {
    levelOptions[i] = textLabel(translate("OpponentScreen", levels[i]), 360, 2520 + 720.0 * static_cast<double>(i), 2535, 375, yellow, tahoma(15.75),
                           Align::Left);
    levelOptions[i].kind = Kind::Option;
    levelOptions[i].back = kBack;
    levelOptions[i].transparent = false;
  }
  levelOptions[2].checked = true;
  soloButton = button(translate("OpponentScreen", "Play solo"), 150, 4980, 2535, 855, yellow, black, tahoma(15.75));
  computerButton = button(translate("OpponentScreen", "Play against the computer"), 2880, 4980, 2535, 855, yellow, black, tahoma(15.75));
  exitButton = button(translate("OpponentScreen", "Exit"), 4680, 6120, 735, 375, yellow, black, arial(12.75));

  form.add("gameTitle", gameTitle);
  form.add("levelHeading", levelHeading);
  form.add("logo", logo);
  for (int i = 0; i < 3; ++i)
    form.add(arrayName("levelOptions", i), levelOptions[static_cast<std::size_t>(i)], [this, i] { levelClicked(i); });
  form.add("soloButton", soloButton, [this] { playSolo(); });
  form.add("computerButton", computerButton, [this] { playComputer(); });
  form.add("exitButton", exitButton, [this] { backToSetup(); });
  form.focus = "soloButton";
  form.spokenTitle = translate("OpponentScreen", "Sumdart: play solo or against the computer");
}

void OpponentScreen::open() {
  form.place = Placement::Centre;
  showPicture(logo, Picture::logo);
}

void OpponentScreen::levelClicked(int) { click(); }

void OpponentScreen::playSolo() { startGame(1, 0); }

// The last level ticked; level 1 when none is.
void OpponentScreen::playComputer() {
  int level = 1;
  for (std::size_t i = 0; i < 3; ++i)
    if (levelOptions[i].checked) level = static_cast<int>(i) + 1;
  startGame(2, level);
}

void OpponentScreen::startGame(int players, int level) {
  NewGame game = chosen_;
  game.players = players;
  game.computerLevel = level;
  if (!flow_.startGame(game)) return;
  flow_.close(*this);
  click();
}

void OpponentScreen::backToSetup() {
  flow_.showSetup();
  flow_.close(*this);
}

}  // namespace sumdart
