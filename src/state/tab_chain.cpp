// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/tab_chain.h"

#include <algorithm>

namespace sumdart {

bool takesFocus(const FormCtl& fc) {
  return (fc.ctl->kind != Kind::Label && fc.ctl->kind != Kind::Panel) || static_cast<bool>(fc.click);
}

std::vector<std::size_t> tabChain(const Form& f) {
  std::vector<std::size_t> chain;
  const auto listed = [&chain](std::size_t i) { return std::find(chain.begin(), chain.end(), i) != chain.end(); };
  for (const std::string& name : f.tabOrder)
    for (std::size_t i = 0; i < f.controls.size(); ++i)
      if (f.controls[i].name == name && !listed(i)) chain.push_back(i);
  struct Place {
    double left, top, bottom;
    std::size_t index;
  };
  std::vector<Place> rest;
  for (std::size_t i = 0; i < f.controls.size(); ++i) {
    if (!takesFocus(f.controls[i]) || listed(i)) continue;
    // A control inside a panel is placed by the panels round it.
    double left = 0, top = 0;
    for (int k = static_cast<int>(i); k >= 0; k = f.controls[static_cast<std::size_t>(k)].parent) {
      left += f.controls[static_cast<std::size_t>(k)].ctl->left;
      top += f.controls[static_cast<std::size_t>(k)].ctl->top;
    }
    rest.push_back({left, top, top + f.controls[i].ctl->height, i});
  }
  std::stable_sort(rest.begin(), rest.end(), [](const Place& a, const Place& b) { return a.top < b.top; });
  for (std::size_t row = 0; row < rest.size();) {
    std::size_t end = row + 1;
    const double middle = (rest[row].top + rest[row].bottom) / 2;
    while (end < rest.size() && rest[end].top < middle) ++end;
    std::stable_sort(rest.begin() + static_cast<std::ptrdiff_t>(row), rest.begin() + static_cast<std::ptrdiff_t>(end),
                     [](const Place& a, const Place& b) { return a.left < b.left; });
    for (std::size_t k = row; k < end; ++k) chain.push_back(rest[k].index);
    row = end;
  }
  return chain;
}

}  // namespace sumdart
