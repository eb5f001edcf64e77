#include "screens/screenflow.h"

#include <QCoreApplication>

#include "game/glim1window.h"
#include "state/numbers.h"

namespace sumdart {

ScreenFlow::ScreenFlow(Module1& m, Services s, QStringList searchDirs)
    : m_(m), s_(s), searchDirs_(std::move(searchDirs)) {
  quit = [] { QCoreApplication::exit(0); };
}

ScreenFlow::~ScreenFlow() { delete game_.data(); }

Glim1Window* ScreenFlow::game() const { return game_.data(); }

bool ScreenFlow::startGame(int numberofplayers, std::int16_t target, std::int16_t soundon, std::int16_t timeallowed) {
  closeGame();
  players_ = numberofplayers;
  target_ = target;
  soundon_ = soundon;
  timeallowed_ = timeallowed;
  m_.numberofplayers = static_cast<std::int16_t>(numberofplayers);
  m_.soundon = soundon;
  m_.timeallowed = timeallowed;
  m_.computerlevel = 0;
  m_.restartgame = 0;

  auto* w = new Glim1Window(m_, s_, *this, searchDirs_);
  if (!w->opened()) {
    const QString why = w->openError();
    delete w;
    if (report) report(why);
    return false;
  }
  game_ = w;
  Glim1State& st = w->state();
  for (int i = 1; i <= numberofplayers && i <= 4; ++i) {
    st.Label5[static_cast<std::size_t>(i)].visible = true;
    st.Label6[static_cast<std::size_t>(i)].visible = true;
  }
  m_.setAllScores(target);
  w->show();
  for (int i = 1; i <= 4; ++i) st.Label6[static_cast<std::size_t>(i)].caption = decimalText(m_.score(i));
  w->render();
  return true;
}

void ScreenFlow::closeGame() {
  if (game_) {
    game_->game().stopAllTimers();
    game_->hide();
    // The game may be in the middle of its own click handler: delete it later.
    game_->deleteLater();
    game_ = nullptr;
  }
}

void ScreenFlow::newGame() { startGame(players_, target_, soundon_, timeallowed_); }

void ScreenFlow::exitGame() {
  closeGame();
  if (quit) quit();
}

}  // namespace sumdart
