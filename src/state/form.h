// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screen as its behaviour sees it: the window's own properties and the list of
// its controls, each a record (Ctl) with the handlers the window calls. The
// behaviour changes records; a thin window draws them after every event.
#include <functional>
#include <string>
#include <vector>

#include "state/control.h"

namespace sumdart {

// Where the window opens.
enum class Placement {
  Centre,     // client area centred on the screen
  Fit,        // fitted to the game window's size (state/game_size.h) and centred (fitform)
  TopCentre,  // centred across the screen, touching its top edge
  FullScreen  // borderless, over the whole screen, behind every other window
};

struct FormCtl {
  std::string name;  // "banner", or "boardCells(3)" for a member of a control array
  Ctl* ctl = nullptr;
  int parent = -1;   // index of the panel that holds it, -1 for the window
  std::function<void()> click;      // a single click; tick boxes and options after their state changed
  std::function<void()> change;     // text boxes after an edit, scroll bars after a move
  std::function<bool(int)> accept;  // text boxes: whether a typed character (its code) goes in
};

// A key that the control with the focus did not use, as the screen sees it.
struct KeyPress {
  enum Code { Character, Return, Space, Escape, Left, Right, Up, Down };
  Code code = Character;
  char ch = 0;  // a typed letter or digit, for Character
};

struct Form {
  std::string caption = " ";  // title bar text
  std::string spokenTitle;    // what a screen reader calls the window, when not its caption
  Rgb back{};
  std::string picture;        // drawn unscaled from the client area's top-left corner
  double width = 0, height = 0;  // client area, twips
  Placement place = Placement::Centre;
  bool titleBar = true;       // a title bar with a close box only
  std::vector<FormCtl> controls;  // bottom of the stacking order first
  std::vector<std::string> tabOrder;  // controls that take the keyboard focus, in order
  std::string focus;          // a control to give the keyboard focus to; the window clears it
  // What a screen reader is to say now, wherever the focus is: the dice, a
  // move's outcome, whose turn it is. The window says each once, in order, and
  // empties the list.
  std::vector<std::string> speech;

  void say(std::string text) {
    if (!text.empty()) speech.push_back(std::move(text));
  }

  // Adds a control and returns its index (for children of a panel).
  int add(std::string name, Ctl& c, std::function<void()> click = {}, int parent = -1) {
    controls.push_back(FormCtl{std::move(name), &c, parent, std::move(click), {}, {}});
    return static_cast<int>(controls.size()) - 1;
  }
  FormCtl* find(const std::string& name) {
    for (FormCtl& fc : controls)
      if (fc.name == name) return &fc;
    return nullptr;
  }
};

// Base of every screen's behaviour. Screens are plain objects: the one owner
// creates them, and a window is made to draw each one that is shown.
class Screen {
 public:
  Screen() = default;
  virtual ~Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // The window's close box was used.
  virtual void closeRequested() {}
  // The screen is being left: none of its timers may tick again.
  virtual void stopTimers() {}
  // Whether keys may act now: false while the screen is busy (a turn being
  // handed over, the computer playing), when keys are ignored as clicks on a
  // disabled control are. Moving the focus is always allowed.
  virtual bool takesKeys() const { return true; }
  // A key the focused control (named by `focused`, "" for none) did not use.
  // True when the screen acted on it.
  virtual bool keyPressed(const KeyPress&, const std::string& /*focused*/) { return false; }
  // A key that only tells something (the scores) and so is taken at any time,
  // also while the screen is busy.
  virtual bool tellsOnly(const KeyPress&) const { return false; }
  // Brings the spoken names of controls that change up to date; the window
  // calls it before it draws.
  virtual void describe() {}

  Form form;
  // Called after a timer tick of the screen changed it, so its window redraws.
  std::function<void()> changed;
};

// Name of member `index` of a control array: "boardCells(3)".
inline std::string arrayName(const char* name, int index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

}  // namespace sumdart

namespace sumdart {

// What the owner of the screens asks of the windows that draw them.
class ScreenView {
 public:
  virtual ~ScreenView() = default;
  // Makes the screen's window if it has none yet, and shows it in front of
  // every other window (again: brings it forward).
  virtual void show(Screen& s) = 0;
  // The screen is gone: its window goes with it.
  virtual void close(Screen& s) = 0;
};

}  // namespace sumdart
