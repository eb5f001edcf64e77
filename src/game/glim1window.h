#pragma once
// The game screen's window: a thin drawing of Glim1State. It creates a widget for
// every control, forwards clicks to the game's handlers and redraws the state
// after every click and timer tick.
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

#include "game/glim1.h"
#include "platform/label_widget.h"

namespace sumdart {

class Glim1Window : public QWidget {
  Q_OBJECT
 public:
  // Runs the screen's opening steps. When a picture cannot be loaded the opening
  // stops there: opened() is false and openError() names the file and the folders searched.
  Glim1Window(Module1& m, Services s, Glim1Host& host, QStringList searchDirs = {}, QWidget* parent = nullptr);
  ~Glim1Window() override;

  bool opened() const { return opened_; }
  const QString& openError() const { return openError_; }

  Glim1& game() { return *game_; }
  Glim1State& state() { return game_->st; }

  // Draws the state into the widgets (only what changed).
  void render();

  LabelWidget* label1(int i) { return label1_[static_cast<std::size_t>(i)]; }
  LabelWidget* label3(int i) { return label3_[static_cast<std::size_t>(i)]; }
  LabelWidget* label4(int i) { return label4_[static_cast<std::size_t>(i)]; }
  LabelWidget* label5(int i) { return label5_[static_cast<std::size_t>(i)]; }
  LabelWidget* label6(int i) { return label6_[static_cast<std::size_t>(i)]; }
  LabelWidget* label12(int i) { return label12_[static_cast<std::size_t>(i)]; }
  LabelWidget* label2() { return label2_; }
  LabelWidget* label9() { return label9_; }
  LabelWidget* label10() { return label10_; }
  LabelWidget* label11() { return label11_; }
  LabelWidget* label13() { return label13_; }
  LabelWidget* label14() { return label14_; }
  LabelWidget* image2() { return image2_; }
  const QPixmap& background() const { return background_; }

  // Every control widget with its name, for checks over the whole screen.
  std::vector<std::pair<QString, LabelWidget*>> controls() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  LabelWidget* make(const QString& name);
  bool loadPicture(const char* name, QPixmap& into, const QStringList& dirs);

  std::unique_ptr<Glim1> game_;
  bool opened_ = false;
  QString openError_;
  QPixmap background_;
  std::vector<std::pair<QString, LabelWidget*>> controls_;

  LabelWidget* label2_ = nullptr;
  LabelWidget* label9_ = nullptr;
  LabelWidget* label10_ = nullptr;
  LabelWidget* label11_ = nullptr;
  LabelWidget* label13_ = nullptr;
  LabelWidget* label14_ = nullptr;
  LabelWidget* image2_ = nullptr;
  std::array<LabelWidget*, 3> label3_{};
  std::array<LabelWidget*, 4> label4_{};
  std::array<LabelWidget*, 7> label5_{};
  std::array<LabelWidget*, 5> label6_{};
  std::array<LabelWidget*, 4> label12_{};
  std::array<LabelWidget*, board::kLabels> label1_{};
};

}  // namespace sumdart
