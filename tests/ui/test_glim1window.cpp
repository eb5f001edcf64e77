// The game window drawn from its state: every control inside the client area,
// captions that fit their boxes, the board label that sizes itself, visibility
// after opening, clicks forwarded to the game, and a missing picture reported.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "game/glim1window.h"
#include "platform/manual_clock.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "screens/screenflow.h"

using namespace sumdart;

namespace {

// One application for the whole run, gone before static destruction starts.
class AppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[8] = "test_ui";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};
const auto* const kApp = ::testing::AddGlobalTestEnvironment(new AppEnvironment);

struct NullHost : Glim1Host {
  int exits = 0, newGames = 0;
  void newGame() override { ++newGames; }
  void exitGame() override { ++exits; }
  void openCheatChart() override {}
  void closeCheatChart() override {}
};

// A folder holding the two pictures the game screen needs; names differ in case
// from the ones the game asks for, as they may on a case-sensitive disk.
struct PictureDir {
  QTemporaryDir dir;
  explicit PictureDir(bool withBoard = true, bool withLogo = true) {
    QDir(dir.path()).mkpath(QStringLiteral("images"));
    QImage board(800, 600, QImage::Format_RGB32);
    board.fill(Qt::darkGreen);
    QImage logo(100, 139, QImage::Format_RGB32);
    logo.fill(Qt::red);
    if (withBoard) board.save(dir.filePath(QStringLiteral("images/target2.bmp")), "BMP");
    if (withLogo) logo.save(dir.filePath(QStringLiteral("images/logo2.jpg")), "JPEG");
  }
  QStringList dirs() const { return {dir.path()}; }
};

class Glim1WindowTest : public ::testing::Test {
 protected:
  Module1 m;
  ManualClock clock;
  ScriptedRandom random;
  FixedDayClock day;
  RecordingSound sound;
  NullHost host;
  Services services() { return Services{clock, random, day, sound}; }
};

void leftClick(QWidget* w) {
  const QPoint c = w->rect().center();
  QMouseEvent press(QEvent::MouseButtonPress, c, w->mapToGlobal(c), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, c, w->mapToGlobal(c), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

}  // namespace

TEST_F(Glim1WindowTest, OpensAtTheFixedSizeWithEveryControlInsideTheClientArea) {
  PictureDir pics;
  Glim1Window w(m, services(), host, pics.dirs());
  ASSERT_TRUE(w.opened()) << w.openError().toStdString();
  EXPECT_EQ(w.size(), QSize(800, 600));
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  // Make every control visible so hidden ones are checked too.
  for (auto& [name, widget] : w.controls()) {
    const QRect g = widget->geometry();
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(g)) << name.toStdString() << " at " << g.x() << "," << g.y() << " "
                                                   << g.width() << "x" << g.height();
  }
}

TEST_F(Glim1WindowTest, EveryCaptionFitsItsBox) {
  PictureDir pics;
  Glim1Window w(m, services(), host, pics.dirs());
  ASSERT_TRUE(w.opened());
  // Longest texts the changing labels take during a game.
  w.state().Label6[1].caption = "999";
  for (auto& c : w.state().Label12) c.caption = "9999";
  w.render();
  for (auto& [name, widget] : w.controls()) {
    if (widget->text().isEmpty()) continue;
    EXPECT_TRUE(widget->captionFits()) << name.toStdString() << " \"" << widget->text().toStdString() << "\" in "
                                       << widget->width() << "x" << widget->height() << " needs "
                                       << widget->textExtent().width();
  }
}

TEST_F(Glim1WindowTest, CentreLabelSizesItselfToItsTextKeepingItsCorner) {
  PictureDir pics;
  Glim1Window w(m, services(), host, pics.dirs());
  ASSERT_TRUE(w.opened());
  LabelWidget* centre = w.label1(0);
  EXPECT_EQ(centre->pos(), twipsPoint(5760, 4320));
  EXPECT_EQ(centre->size(), centre->textExtent());
  // The banner keeps its corner whatever it says.
  w.state().Label2.caption = "GAME OVER!!!";
  w.render();
  EXPECT_EQ(w.label2()->pos(), twipsPoint(4440, 0));
  EXPECT_EQ(w.label2()->size(), w.label2()->textExtent());
}

TEST_F(Glim1WindowTest, VisibilityAfterOpeningFollowsTheState) {
  PictureDir pics;
  Glim1Window w(m, services(), host, pics.dirs());
  ASSERT_TRUE(w.opened());
  struct Row {
    const char* name;
    LabelWidget* widget;
    bool shown;
  };
  const Row rows[] = {
      {"Label2", w.label2(), true},      {"Label9", w.label9(), true},     {"Label11", w.label11(), true},
      {"Label14", w.label14(), true},    {"Label10", w.label10(), false},  {"Label13", w.label13(), false},
      {"Label5(0)", w.label5(0), false}, {"Label5(1)", w.label5(1), true}, {"Label5(2)", w.label5(2), false},
      {"Label5(5)", w.label5(5), false}, {"Label5(6)", w.label5(6), false}, {"Label6(1)", w.label6(1), true},
      {"Label6(2)", w.label6(2), false}, {"Label12(0)", w.label12(0), false}, {"Image2", w.image2(), true},
  };
  for (const Row& r : rows) EXPECT_EQ(!r.widget->isHidden(), r.shown) << r.name;
  for (int i = 0; i < board::kLabels; ++i) EXPECT_FALSE(w.label1(i)->isHidden()) << i;
  for (int d = 0; d < 4; ++d) EXPECT_FALSE(w.label4(d)->isEnabled()) << d;
  EXPECT_TRUE(w.label3(2)->isEnabled());
  EXPECT_FALSE(w.image2()->picture().isNull());
  EXPECT_EQ(w.background().size(), QSize(800, 600));
}

TEST_F(Glim1WindowTest, ClicksReachTheGameOnlyWhileAControlIsEnabled) {
  PictureDir pics;
  m.soundon = 0;
  Glim1Window w(m, services(), host, pics.dirs());
  ASSERT_TRUE(w.opened());
  random.pushThrow(6, 4, 3, 1);
  leftClick(w.label3(2));
  EXPECT_FALSE(w.label3(2)->isEnabled());
  EXPECT_TRUE(w.game().timer(5).isActive());
  clock.advance(1100);  // the dice settle; the window redraws after every tick
  EXPECT_EQ(w.label4(0)->text(), QStringLiteral("6"));
  EXPECT_EQ(w.label4(3)->text(), QStringLiteral("1"));
  EXPECT_TRUE(w.label4(3)->isEnabled());
  leftClick(w.label1(25));  // 40 = (6 + 4) x (3 + 1)
  EXPECT_EQ(w.label2()->text(), QStringLiteral("40 points scored"));
  EXPECT_EQ(m.bluescore, 461);
  leftClick(w.label3(0));
  EXPECT_EQ(host.exits, 1);
}

TEST_F(Glim1WindowTest, MissingPictureIsReportedByNameAndFolders) {
  for (bool board : {false, true}) {
    PictureDir pics(board, !board);
    Glim1Window w(m, services(), host, pics.dirs());
    EXPECT_FALSE(w.opened());
    const QString missing = board ? QStringLiteral("Images\\logo2.jpg") : QStringLiteral("Images\\target2.bmp");
    EXPECT_TRUE(w.openError().contains(missing)) << w.openError().toStdString();
    EXPECT_TRUE(w.openError().contains(pics.dir.path())) << w.openError().toStdString();
    // The game never started: no timer runs and the board was not laid out.
    EXPECT_EQ(clock.activeCount(), 0);
    EXPECT_FALSE(w.state().boardCreated);
  }
}

TEST_F(Glim1WindowTest, FlowOpensTwoPlayersAtTheDefaultsAndReportsAMissingPicture) {
  PictureDir pics;
  ScreenFlow flow(m, services(), pics.dirs());
  QString reported;
  flow.report = [&](const QString& s) { reported = s; };
  int quits = 0;
  flow.quit = [&] { ++quits; };
  ASSERT_TRUE(flow.startGame(2, 501));
  Glim1Window* w = flow.game();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->label6(1)->text(), QStringLiteral("501"));
  EXPECT_EQ(w->label6(2)->text(), QStringLiteral("501"));
  EXPECT_FALSE(w->label6(2)->isHidden());
  EXPECT_FALSE(w->label5(2)->isHidden());
  EXPECT_TRUE(w->label6(3)->isHidden());
  EXPECT_EQ(w->label2()->text(), QStringLiteral("Blue to Play"));
  EXPECT_EQ(m.timeallowed, 0);
  EXPECT_EQ(m.soundon, 1);

  // New Game from inside the window's own click: a fresh screen with the same settings.
  m.bluescore = 300;
  flow.newGame();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_NE(flow.game(), nullptr);
  EXPECT_NE(flow.game(), w);
  EXPECT_EQ(m.bluescore, 501);
  EXPECT_EQ(flow.game()->label6(1)->text(), QStringLiteral("501"));

  flow.exitGame();
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(flow.game(), nullptr);

  PictureDir empty(false, false);
  ScreenFlow broken(m, services(), empty.dirs());
  broken.report = [&](const QString& s) { reported = s; };
  EXPECT_FALSE(broken.startGame(2, 501));
  EXPECT_TRUE(reported.contains(QStringLiteral("target2.bmp")));
}
