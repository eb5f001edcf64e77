// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The browser's view of the screens: each screen shown is a window in the page,
// drawn by the page's script from the records. After every event the view
// sends the page what changed since the last drawing, as JSON: the windows that
// came up or went, and for each window its own properties, the records that
// changed, the control to focus and what a screen reader is to say. Plain C++,
// so that it is tested natively; src/web/browser.cpp connects it to the page.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "state/form.h"

namespace sumdart {

class PageView : public ScreenView {
 public:
  // `send` takes each batch of changes; `settle` runs after every event, before
  // the drawing (the screen flow's settle()).
  PageView(std::function<void(const std::string&)> send, std::function<void()> settle);
  ~PageView() override;
  PageView(const PageView&) = delete;
  PageView& operator=(const PageView&) = delete;

  void show(Screen& s) override;
  void close(Screen& s) override;

  // The events the page forwards, by window id and control index. Each is
  // ignored when its window or control is gone, or when a click on it could
  // not happen now (hidden, or disabled, itself or a panel round it); each is
  // followed by afterEvent().
  void click(int window, int control);
  // A tick box or option button the person set: its record (and its group's,
  // for an option) takes the state, then its click handler runs.
  void check(int window, int control, bool on);
  // A text box's new text, or a scroll bar's new value.
  void edit(int window, int control, const std::string& text);
  void scroll(int window, int control, int value);
  // Whether a typed character (its code) may go into a text box.
  bool accepts(int window, int control, int code);
  // A key the focused control (named by `focused`) did not use; true when the
  // screen acted on it.
  bool key(int window, const KeyPress& k, const std::string& focused);
  void closeRequested(int window);
  // Whether the window's screen is busy: keys then wait, but for those that
  // only tell something.
  bool busy(int window);
  // Runs a timer's tick as an event of its own.
  void tick(const std::function<void()>& fire);

  // Runs `settle`, then sends what changed in every window.
  void afterEvent();

 private:
  struct Drawn {
    Screen* screen = nullptr;
    bool fresh = true;   // not drawn yet
    bool front = true;   // to be brought in front of the others
    std::vector<Ctl> controls;
  };
  Drawn* find(int window);
  FormCtl* usable(int window, int control);
  std::string draw(int id, Drawn& d);
  // Runs a handler as one event: a screen that says it changed while the
  // handler runs is drawn once the handler is over, never under it.
  template <class F>
  void event(F handler);

  std::function<void(const std::string&)> send_;
  std::function<void()> settle_;
  std::map<int, Drawn> windows_;
  std::vector<int> closed_;
  int nextId_ = 1;
  int depth_ = 0;
};

// A text as a JSON string, quotes included.
std::string jsonString(const std::string& text);

}  // namespace sumdart
