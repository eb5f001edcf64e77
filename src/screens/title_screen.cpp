// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/title_screen.h"
#include "state/texts.h"

#include "game/savedgame.h"
#include "screens/screenflow.h"

namespace sumdart {

TitleScreen::TitleScreen(GameSettings& m, Services s, ScreenFlow& flow) : FlowScreen(m, s), flow_(flow) {
  using namespace colours;
  smallScreen(rgb(192, 192, 192), gameTitle);
  frame = textLabel("", 0, -90, 5595, 6660, black, arial(8));
  frame.kind = Kind::Panel;
  frame.back = form.back;
  frame.transparent = false;
  frame.frame = true;
  picture = textLabel("", 360, 1560, 4800, 3600, black, arial(8));
  picture.spokenName = translate("TitleScreen", "A dartboard of numbers");
  restartButton = button(translate("TitleScreen", "Restart Previous Game"), 780, 5400, 3975, 435, yellow, black, arial(15.75));
  okButton = button(translate("TitleScreen", "OK"), 1020, 6000, 1695, 435, yellow, black, arial(15.75));
  exitButton = button(translate("TitleScreen", "Exit"), 2820, 6000, 1695, 435, yellow, black, arial(15.75));

  const int inFrame = form.add("frame", frame);
  form.add("gameTitle", gameTitle, {}, inFrame);
  form.add("picture", picture, {}, inFrame);
  form.add("restartButton", restartButton, [this] { restartPreviousGame(); }, inFrame);
  form.add("okButton", okButton, [this] { ok(); }, inFrame);
  form.add("exitButton", exitButton, [this] { exitProgram(); }, inFrame);
  form.focus = "okButton";
  form.spokenTitle = "Sumdart";
}

void TitleScreen::open() {
  form.place = Placement::Centre;
  m_.soundOn = 1;
  showPicture(picture, Picture::title);
}

void TitleScreen::ok() {
  m_.hideDesktop = 1;
  flow_.showBackdrop();
  flow_.showSetup();
  flow_.close(*this);
  click();
}

void TitleScreen::restartPreviousGame() {
  // All or nothing: a missing or damaged file changes nothing at all.
  const auto text = s_.saveFile.read();
  const auto saved = text ? parseSavedGame(*text) : std::nullopt;
  if (!saved) return;
  restoreSavedGame(*saved, m_);
  if (!flow_.startGame(*saved)) return;
  flow_.close(*this);
  click();
}

void TitleScreen::exitProgram() { flow_.quit(0); }

}  // namespace sumdart
