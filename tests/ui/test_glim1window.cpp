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


struct NullHost : Glim1Host {
  int exits = 0;
  void newGame() override {}
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
    QImage board(800, 600, QImage::Format_RGB32), logo(100, 139, QImage::Format_RGB32);
    board.fill(Qt::darkGreen);
    logo.fill(Qt::red);
    if (withBoard) board.save(dir.filePath(QStringLiteral("images/target2.bmp")), "BMP");
    if (withLogo) logo.save(dir.filePath(QStringLiteral("images/logo2.jpg")), "JPEG");
  }
  QStringList dirs() const { return {dir.path()}; }
};

class Glim1WindowTest : public ::testing::Test {
 protected:
  // Opens the game window on the pictures folder; the test fails if it cannot.
  Glim1Window& open() {
    window = std::make_unique<Glim1Window>(m, services(), host, pics.dirs());
    EXPECT_TRUE(window->opened()) << window->openError().toStdString();
    return *window;
  }
  Services services() { return Services{clock, random, day, sound}; }

  Module1 m;
  ManualClock clock;
  ScriptedRandom random;
  FixedDayClock day;
  RecordingSound sound;
  NullHost host;
  PictureDir pics;
  std::unique_ptr<Glim1Window> window;
};

void leftClick(QWidget* w) {
  const QPoint c = w->rect().center();
  QMouseEvent press(QEvent::MouseButtonPress, c, w->mapToGlobal(c), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, c, w->mapToGlobal(c), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QApplication::sendEvent(w, &release);
}

}  // namespace

TEST_F(Glim1WindowTest, EveryControlInsideTheClientAreaCaptionsFitSelfSizingKeepsCorner) {
  Glim1Window& w = open();
  EXPECT_EQ(w.size(), QSize(800, 600));
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  // Longest texts the changing labels take during a game.
  w.state().Label2.caption = "YELLOW HAS WON!";
  w.state().Label6[1].caption = "999";
  for (auto& c : w.state().Label12) c.caption = "9999";
  w.render();
  for (auto& [name, widget] : w.controls()) {  // hidden ones too
    const QRect g = widget->geometry();
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(g))
        << name.toStdString() << " at " << g.x() << "," << g.y() << " " << g.width() << "x" << g.height();
    EXPECT_TRUE(widget->text().isEmpty() || widget->captionFits())
        << name.toStdString() << " \"" << widget->text().toStdString() << "\" in " << widget->width() << "x"
        << widget->height() << " needs " << widget->textExtent().width();
  }
  for (LabelWidget* self : {w.label1(0), w.label2()}) EXPECT_EQ(self->size(), self->textExtent());
  EXPECT_EQ(w.label1(0)->pos(), twipsPoint(5760, 4320));
  EXPECT_EQ(w.label2()->pos(), twipsPoint(4440, 0));
}

TEST_F(Glim1WindowTest, VisibilityAfterOpeningFollowsTheState) {
  Glim1Window& w = open();
  for (LabelWidget* shown : {w.label2(), w.label9(), w.label11(), w.label14(), w.label5(1), w.label6(1), w.image2()})
    EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
  for (LabelWidget* hidden :
       {w.label10(), w.label13(), w.label5(0), w.label5(2), w.label5(5), w.label5(6), w.label6(2), w.label12(0)})
    EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
  for (int i = 0; i < board::kLabels; ++i) EXPECT_FALSE(w.label1(i)->isHidden()) << i;
  for (int d = 0; d < 4; ++d) EXPECT_FALSE(w.label4(d)->isEnabled()) << d;
  EXPECT_TRUE(w.label3(2)->isEnabled());
  EXPECT_FALSE(w.image2()->picture().isNull());
  EXPECT_EQ(w.background().size(), QSize(800, 600));
}

TEST_F(Glim1WindowTest, ClicksReachTheGameAndTheWindowRedraws) {
  m.soundon = 0;
  Glim1Window& w = open();
  random.pushThrow(6, 4, 3, 1);
  leftClick(w.label3(2));
  EXPECT_FALSE(w.label3(2)->isEnabled());
  clock.advance(1100);  // the dice settle; the window redraws after every tick
  EXPECT_EQ(w.label4(0)->text() + w.label4(3)->text(), QStringLiteral("61"));
  EXPECT_TRUE(w.label4(3)->isEnabled());
  leftClick(w.label1(25));  // 40 = (6 + 4) x (3 + 1)
  EXPECT_EQ(w.label2()->text(), QStringLiteral("40 points scored"));
  EXPECT_EQ(m.bluescore, 461);
  leftClick(w.label3(0));
  EXPECT_EQ(host.exits, 1);
}

TEST_F(Glim1WindowTest, MissingPictureIsReportedByNameAndFolders) {
  for (bool board : {false, true}) {
    PictureDir only(board, !board);
    Glim1Window w(m, services(), host, only.dirs());
    EXPECT_FALSE(w.opened());
    const QString missing = board ? QStringLiteral("Images\\logo2.jpg") : QStringLiteral("Images\\target2.bmp");
    EXPECT_TRUE(w.openError().contains(missing) && w.openError().contains(only.dir.path()))
        << w.openError().toStdString();
    EXPECT_EQ(clock.activeCount(), 0) << "the game never started";
    EXPECT_FALSE(w.state().boardCreated);
  }
}

TEST_F(Glim1WindowTest, FlowOpensTwoPlayersAndNewGameStartsAfresh) {
  ScreenFlow flow(m, services(), pics.dirs());
  QString reported;
  flow.report = [&](const QString& s) { reported = s; };
  int quits = 0;
  flow.quit = [&] { ++quits; };
  ASSERT_TRUE(flow.startGame(2, 501));
  Glim1Window* w = flow.game();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->label6(2)->text(), QStringLiteral("501"));
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
