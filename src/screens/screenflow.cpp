// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screenflow.h"

#include "help/cheat_chart.h"
#include "help/rules_pages.h"
#include "screens/opponent_screen.h"
#include "screens/setup_screen.h"
#include "screens/title_screen.h"

namespace sumdart {

Backdrop::Backdrop() {
  form.back = colours::gameBack;
  form.place = Placement::FullScreen;
  form.titleBar = false;
}

ScreenFlow::ScreenFlow(GameSettings& m, Services s) : m_(m), s_(s) {}

ScreenFlow::~ScreenFlow() {
  if (game_) game_->stopTimers();
  for (auto& page : rules_)
    if (page) page->stopTimers();
}

template <class T>
void ScreenFlow::leave(std::unique_ptr<T>& screen) {
  if (!screen) return;
  screen->stopTimers();
  if (view_) view_->close(*screen);
  leaving_.push_back(std::move(screen));
}

void ScreenFlow::settle() { leaving_.clear(); }

void ScreenFlow::shown(Screen& s) {
  if (view_) view_->show(s);
}

void ScreenFlow::bringForward(Screen& s) { shown(s); }

void ScreenFlow::close(Screen& s) {
  if (&s == title_.get()) leave(title_);
  if (&s == setup_.get()) leave(setup_);
  if (&s == opponent_.get()) leave(opponent_);
  if (&s == game_.get()) destroyGame();
  if (&s == chart_.get()) closeChart();
  for (int page = 1; page <= 3; ++page)
    if (&s == rules(page)) closeRules(page);
}

void ScreenFlow::openChart() {
  if (!chart_) chart_ = std::make_unique<CheatChart>(*this);
  shown(*chart_);
}

void ScreenFlow::closeChart() { leave(chart_); }

RulesPage* ScreenFlow::rules(int page) const {
  return page >= 1 && page <= 3 ? rules_[static_cast<std::size_t>(page - 1)].get() : nullptr;
}

void ScreenFlow::showRules(int page) {
  if (page < 1 || page > 3) return;
  auto& slot = rules_[static_cast<std::size_t>(page - 1)];
  if (!slot) {
    if (page == 1) slot = std::make_unique<RulesPageOne>(m_, s_, *this);
    if (page == 2) slot = std::make_unique<RulesPageTwo>(m_, s_, *this);
    if (page == 3) slot = std::make_unique<RulesPageThree>(m_, s_, *this);
  }
  shown(*slot);
}

void ScreenFlow::closeRules(int page) {
  if (page >= 1 && page <= 3) leave(rules_[static_cast<std::size_t>(page - 1)]);
}

void ScreenFlow::showTitle() {
  leave(title_);
  title_ = std::make_unique<TitleScreen>(m_, s_, *this);
  title_->open();
  shown(*title_);
}

void ScreenFlow::showSetup() {
  leave(setup_);
  setup_ = std::make_unique<SetupScreen>(m_, s_, *this);
  setup_->open();
  shown(*setup_);
}

void ScreenFlow::showOpponent(const NewGame& chosen) {
  leave(opponent_);
  opponent_ = std::make_unique<OpponentScreen>(m_, s_, *this, chosen);
  opponent_->open();
  shown(*opponent_);
}

void ScreenFlow::showBackdrop() {
  if (!backdrop_) backdrop_ = std::make_unique<Backdrop>();
  shown(*backdrop_);
}

void ScreenFlow::closeBackdrop() { leave(backdrop_); }

bool ScreenFlow::startGame(const GameStart& start) {
  destroyGame();
  auto game = std::make_unique<GameScreen>(m_, s_, *this, start);
  if (!game->open()) {
    if (report) report(game->openError());
    quit(1);
    return false;
  }
  game_ = std::move(game);
  if (std::holds_alternative<SavedGame>(start) && m_.hideDesktop == 1) showBackdrop();
  shown(*game_);
  return true;
}

void ScreenFlow::destroyGame() {
  if (!game_) return;
  // A discarded game makes no sound and takes no tick.
  leave(game_);
}

void ScreenFlow::quit(int status) {
  if (onQuit) onQuit(status);
}

void ScreenFlow::newGame() {
  showSetup();
  destroyGame();
}

void ScreenFlow::exitGame() {
  showTitle();
  destroyGame();
}

}  // namespace sumdart
