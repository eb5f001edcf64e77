#include "game/glim1window.h"

#include <QImageReader>
#include <QPainter>

#include "platform/fitform.h"
#include "platform/paths.h"

namespace sumdart {

Glim1Window::Glim1Window(Module1& m, Services s, Glim1Host& host, QStringList searchDirs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), game_(std::make_unique<Glim1>(m, s, host)) {
  setWindowTitle(QStringLiteral(" "));
  // Controls in the order they stack: later ones lie on top.
  image2_ = make(QStringLiteral("Image2"));
  label11_ = make(QStringLiteral("Label11"));
  label13_ = make(QStringLiteral("Label13"));
  for (int i = 0; i < 4; ++i) label12_[static_cast<std::size_t>(i)] = make(QStringLiteral("Label12(%1)").arg(i));
  label10_ = make(QStringLiteral("Label10"));
  for (int i = 0; i < 7; ++i) label5_[static_cast<std::size_t>(i)] = make(QStringLiteral("Label5(%1)").arg(i));
  for (int i = 1; i <= 4; ++i) label6_[static_cast<std::size_t>(i)] = make(QStringLiteral("Label6(%1)").arg(i));
  for (int i = 0; i < 4; ++i) label4_[static_cast<std::size_t>(i)] = make(QStringLiteral("Label4(%1)").arg(i));
  label2_ = make(QStringLiteral("Label2"));
  label9_ = make(QStringLiteral("Label9"));
  for (int i = 0; i < 3; ++i) label3_[static_cast<std::size_t>(i)] = make(QStringLiteral("Label3(%1)").arg(i));
  label14_ = make(QStringLiteral("Label14"));
  for (int i = 0; i < board::kLabels; ++i) label1_[static_cast<std::size_t>(i)] = make(QStringLiteral("Label1(%1)").arg(i));

  for (int i = 0; i < 3; ++i)
    connect(label3_[static_cast<std::size_t>(i)], &LabelWidget::clicked, this, [this, i] {
      game_->label3Click(i);
      render();
    });
  for (int i = 0; i < board::kLabels; ++i)
    connect(label1_[static_cast<std::size_t>(i)], &LabelWidget::clicked, this, [this, i] {
      game_->label1Click(i);
      render();
    });
  connect(label14_, &LabelWidget::clicked, this, [this] {
    game_->label14Click();
    render();
  });
  game_->changed = [this] { render(); };

  // Opening: fit and centre, then the pictures, then the game's own steps.
  fitform(this);
  const QStringList dirs = searchDirs.isEmpty() ? defaultSearchDirs() : searchDirs;
  QPixmap logo;
  if (!loadPicture(kBoardPicture, background_, dirs) || !loadPicture(kLogoPicture, logo, dirs)) {
    render();
    return;
  }
  image2_->setPicture(logo);
  game_->load();
  opened_ = true;
  render();
}

Glim1Window::~Glim1Window() {
  // Timers of the game stop ticking before the widgets go.
  game_->changed = nullptr;
}

LabelWidget* Glim1Window::make(const QString& name) {
  auto* w = new LabelWidget(this);
  w->setObjectName(name);
  controls_.emplace_back(name, w);
  return w;
}

std::vector<std::pair<QString, LabelWidget*>> Glim1Window::controls() const { return controls_; }

bool Glim1Window::loadPicture(const char* name, QPixmap& into, const QStringList& dirs) {
  const QString path = resolveAsset(QString::fromLatin1(name), dirs);
  QImageReader reader(path);
  QImage img;
  if (!path.isEmpty()) img = reader.read();
  if (img.isNull()) {
    openError_ = QStringLiteral("The picture \"%1\" could not be loaded. Folders searched: %2")
                     .arg(QString::fromLatin1(name), dirs.join(QStringLiteral(", ")));
    return false;
  }
  into = QPixmap::fromImage(img);
  return true;
}

void Glim1Window::render() {
  const Glim1State& st = game_->st;
  image2_->apply(st.Image2);
  label11_->apply(st.Label11);
  label13_->apply(st.Label13);
  for (std::size_t i = 0; i < 4; ++i) label12_[i]->apply(st.Label12[i]);
  label10_->apply(st.Label10);
  for (std::size_t i = 0; i < 7; ++i) label5_[i]->apply(st.Label5[i]);
  for (std::size_t i = 1; i <= 4; ++i) label6_[i]->apply(st.Label6[i]);
  for (std::size_t i = 0; i < 4; ++i) label4_[i]->apply(st.Label4[i]);
  label2_->apply(st.Label2);
  label9_->apply(st.Label9);
  for (std::size_t i = 0; i < 3; ++i) label3_[i]->apply(st.Label3[i]);
  label14_->apply(st.Label14);
  for (std::size_t i = 0; i < label1_.size(); ++i) {
    if (i > 0 && !st.boardCreated) {
      label1_[i]->hide();
      continue;
    }
    label1_[i]->apply(st.Label1[i]);
  }
}

void Glim1Window::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const Rgb b = game_->st.backColour;
  p.fillRect(rect(), QColor(b.r, b.g, b.b));
  if (!background_.isNull()) p.drawPixmap(0, 0, background_);
}

}  // namespace sumdart
