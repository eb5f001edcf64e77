// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the rules pages and the cheat chart ask of the screens around them.
namespace sumdart {

class HelpHost {
 public:
  virtual ~HelpHost() = default;
  virtual void openChart() = 0;   // opened once, then only brought forward
  virtual void closeChart() = 0;  // nothing when it is not open
  virtual void showRules(int page) = 0;
  virtual void closeRules(int page) = 0;
};

}  // namespace sumdart
