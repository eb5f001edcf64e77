#pragma once
// Which screen is up, and the moves between screens. For now the program opens
// the game screen directly with the default settings for two players.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "game/glim1.h"
#include "platform/seams.h"
#include "state/module1.h"

namespace sumdart {

class Glim1Window;

class ScreenFlow : public QObject, public Glim1Host {
  Q_OBJECT
 public:
  ScreenFlow(Module1& m, Services s, QStringList searchDirs = {});
  ~ScreenFlow() override;

  // Opens a game for `numberofplayers` players with every target at `target`,
  // as the set-up screen does. Returns false (after reporting) when it cannot open.
  bool startGame(int numberofplayers, std::int16_t target, std::int16_t soundon = 1, std::int16_t timeallowed = 0);

  Glim1Window* game() const;

  // Shows a message to the user; tests replace it.
  std::function<void(const QString&)> report;
  // Ends the program; tests replace it.
  std::function<void()> quit;

  // Glim1Host
  void newGame() override;
  void exitGame() override;
  void openCheatChart() override {}
  void closeCheatChart() override {}

 private:
  void closeGame();

  Module1& m_;
  Services s_;
  QStringList searchDirs_;
  QPointer<Glim1Window> game_;
  int players_ = 2;
  std::int16_t target_ = 501;
  std::int16_t soundon_ = 1;
  std::int16_t timeallowed_ = 0;
};

}  // namespace sumdart
