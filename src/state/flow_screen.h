// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the screens around the game have in common: the shared settings, the
// collaborators, and the click sound of their buttons.
#include "seams/seams.h"
#include "state/assets.h"
#include "state/form.h"
#include "state/game_settings.h"

namespace sumdart {


class FlowScreen : public Screen {
 protected:
  FlowScreen(GameSettings& m, Services s) : m_(m), s_(s) {}

  // The click that ends a button's action, when sound is on.
  void click() {
    if (m_.soundOn == 1) s_.sound.playSoundFile(fileName(Sound::click));
  }
  // Shows the picture in `c`. A picture that does not load leaves the screen
  // fitted to the full window size instead of centred, as the smaller screens
  // have always done; returns whether it loaded.
  bool showPicture(Ctl& c, Picture picture) {
    const char* name = fileName(picture);
    c.picture = name;
    if (s_.desktop.pictureLoads(name)) return true;
    form.place = Placement::Fit;
    return false;
  }
  // The 5580 x 6570 twips of the title, set-up and opponent screens, with the
  // name of the game across the top.
  void smallScreen(Rgb back, Ctl& title) {
    form.back = back;
    form.width = 5580;
    form.height = 6570;
    title = textLabel("Sumdart", 120, 120, 5355, 1215, colours::title, arial(39.75));
  }

  GameSettings& m_;
  Services s_;
};

}  // namespace sumdart
