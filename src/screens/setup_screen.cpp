// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/setup_screen.h"
#include "state/texts.h"

#include <algorithm>

#include "game/game_screen.h"
#include "screens/screenflow.h"
#include "state/game_size.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
constexpr Rgb kBack = rgb(0, 0, 192);
constexpr int kProposedTarget = 501;

Ctl box(std::string text, double l, double t, double w, double h, double pts, int maxLength) {
  Ctl c = button(std::move(text), l, t, w, h, colours::yellow, colours::black, tahoma(pts));
  c.kind = Kind::TextBox;
  c.maxLength = maxLength;
  return c;
}

Ctl tick(std::string caption, double l, double t, double w) {
  Ctl c = textLabel(std::move(caption), l, t, w, 375, colours::yellow, arial(12), Align::Left);
  c.kind = Kind::CheckBox;
  c.back = kBack;
  c.transparent = false;
  c.checked = true;
  return c;
}
}  // namespace

std::int16_t timeAllowedFrom(std::string_view text) {
  return std::max<std::int16_t>(toInt16(leadingNumber(text)), 5);
}

std::int16_t targetFrom(std::string_view text) {
  const auto v = wholeTextNumber(text);
  return std::max<std::int16_t>(toInt16(v ? *v : kProposedTarget), 40);
}

bool boxAccepts(int code) { return (code >= '0' && code <= '9') || code == '-' || code == '.' || code == 8 || code == 13; }

SetupScreen::SetupScreen(GameSettings& m, Services s, ScreenFlow& flow) : FlowScreen(m, s), flow_(flow) {
  using namespace colours;
  smallScreen(kBack, gameTitle);
  targetCaption = textLabel(translate("SetupScreen", "Target"), 360, 1320, 1440, 480, yellow, arial(20.25), Align::Right);
  targetBox = box("501", 2040, 1320, 975, 495, 15.75, 3);
  logo = textLabel("", 3600, 1440, 1500, 2085, black, arial(8));
  logo.spokenName = translate("SetupScreen", "The Sumdart logo");
  playSoundTick = tick(translate("SetupScreen", "Play Sound"), 720, 2040, 1695);
  timersOnTick = tick(translate("SetupScreen", "Timers On"), 720, 2400, 1695);
  timeCaption = textLabel(translate("SetupScreen", "Set Total Time Allowed"), 360, 2880, 2640, 360, yellow, arial(12));
  timeBox = box("300", 720, 3240, 975, 405, 12, 4);
  secondsCaption = textLabel(translate("SetupScreen", "seconds"), 1800, 3300, 990, 285, yellow, arial(12));
  secondsCaption.autosize = true;
  rulesButton = button(translate("SetupScreen", "The Rules"), 3360, 3720, 1935, 435, yellow, black, arial(15.75));
  hideDesktopTick = tick(translate("SetupScreen", "Hide Desktop"), 720, 3900, 1935);
  hideDesktopTick.visible = false;
  playersHeading = textLabel(translate("SetupScreen", "Select Number of Players"), 240, 4440, 5160, 600, yellow, arial(20.25));
  for (std::size_t k = 0; k < 4; ++k)
    playerCountButtons[k] = button(decimalText(static_cast<long long>(k) + 1), 720 + 1110.0 * static_cast<double>(k), 5100, 855,
                       735, yellow, black, tahoma(26.25));
  exitButton = button(translate("SetupScreen", "Exit"), 4680, 6120, 735, 375, yellow, black, arial(12.75));

  // The text boxes are named by the captions beside them.
  targetBox.spokenName = translate("SetupScreen", "Target");
  timeBox.spokenName = translate("SetupScreen", "Set Total Time Allowed");
  for (int players = 1; players <= 4; ++players)  // (a plain count: lupdate misses a plural text with a cast among its arguments)
    playerCountButtons[static_cast<std::size_t>(players) - 1].spokenName = translate("SetupScreen", "%n player(s)", nullptr, players);
  form.add("gameTitle", gameTitle);
  form.add("targetCaption", targetCaption);
  form.controls[static_cast<std::size_t>(form.add("targetBox", targetBox))].accept = boxAccepts;
  form.add("logo", logo);
  form.add("playSoundTick", playSoundTick, [this] { playSoundClicked(); });
  form.add("timersOnTick", timersOnTick, [this] { timersOnClicked(); });
  form.add("timeCaption", timeCaption);
  form.controls[static_cast<std::size_t>(form.add("timeBox", timeBox))].accept = [this](int code) { return timeBoxKey(code); };
  form.add("secondsCaption", secondsCaption);
  form.add("rulesButton", rulesButton, [this] { openRules(); });
  form.add("hideDesktopTick", hideDesktopTick, [this] { hideDesktopClicked(); });
  form.add("playersHeading", playersHeading);
  for (int k = 0; k < 4; ++k) form.add(arrayName("playerCountButtons", k), playerCountButtons[static_cast<std::size_t>(k)], [this, k] { choosePlayers(k + 1); });
  form.add("exitButton", exitButton, [this] { exitProgram(); });
  form.tabOrder = {"timeBox", "playSoundTick", "timersOnTick", "hideDesktopTick", "targetBox"};
}

void SetupScreen::open() {
  form.place = Placement::Centre;
  form.focus = "timeBox";
  form.spokenTitle = translate("SetupScreen", "Sumdart: set up a game");
  if (!showPicture(logo, Picture::logo)) return;
  hideDesktopTick.visible = s_.desktop.screenWidthTwips() > kGameWidth;
  if (m_.hideDesktop == 0) {
    // Clearing the box acts as a click on it would.
    hideDesktopTick.checked = false;
    hideDesktopClicked();
  }
}

void SetupScreen::playSoundClicked() { click(); }

void SetupScreen::timersOnClicked() {
  click();
  const bool on = timersOnTick.checked;
  timeBox.enabled = on;
  timeCaption.visible = secondsCaption.visible = timeBox.visible = on;
}

void SetupScreen::hideDesktopClicked() {
  click();
  if (!hideDesktopTick.checked) {
    m_.hideDesktop = 0;
    flow_.closeBackdrop();
  } else {
    m_.hideDesktop = 1;
    flow_.showBackdrop();
  }
  flow_.bringForward(*this);
}

bool SetupScreen::timeBoxKey(int code) {
  if (!boxAccepts(code)) return false;
  if (code == 13) form.focus = "targetBox";
  return true;
}

void SetupScreen::openRules() {
  click();
  flow_.showRules(1);
}

void SetupScreen::exitProgram() { flow_.quit(0); }

void SetupScreen::choosePlayers(int players) {
  m_.soundOn = playSoundTick.checked ? 1 : 0;
  NewGame game;
  game.players = players;
  game.target = targetFrom(targetBox.caption);
  game.timeAllowed = timersOnTick.checked ? timeAllowedFrom(timeBox.caption) : 0;
  if (players == 1) {
    flow_.showOpponent(game);
  } else if (!flow_.startGame(game)) {
    return;
  }
  flow_.close(*this);
  click();
}

}  // namespace sumdart
