// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows of the screens that are up: one FormWindow for each screen shown,
// made when the screen is first shown and sent away when it is closed. After
// every event a window has handled, `settle` runs and every window is drawn again,
// since a handler may change other screens than its own. With a zoom control,
// every window follows its factor at once.
#include <QPointer>
#include <functional>
#include <map>

#include "qt/form_window.h"
#include "state/form.h"

namespace sumdart {

class QtDesktop;
class ZoomControl;

class ScreenWindows : public ScreenView {
 public:
  ScreenWindows(QtDesktop& desktop, std::function<void()> settle);
  ~ScreenWindows() override;
  ScreenWindows(const ScreenWindows&) = delete;
  ScreenWindows& operator=(const ScreenWindows&) = delete;

  void show(Screen& s) override;
  void close(Screen& s) override;

  // The window of a screen, or nullptr.
  FormWindow* window(const Screen& s) const;
  // Runs `settle` and draws every window.
  void afterEvent();
  // The zoom the windows follow (none: the zoom stays as it is).
  void setZoom(ZoomControl* zoom);

 private:
  QtDesktop& desktop_;
  std::function<void()> settle_;
  std::map<const Screen*, QPointer<FormWindow>> windows_;
  ZoomControl* zoom_ = nullptr;
};

}  // namespace sumdart
