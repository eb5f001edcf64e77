// The zoom, on an offscreen screen of 2048 x 1536: the factor chosen, kept and
// capped to the screen; every window, control, font and picture at 1, 1.5 and
// 2; the windows following a change at once; and a roll of the dice repainting
// the dice alone.
#include <gtest/gtest.h>

#include <QFile>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <set>

#include "qt/twips.h"
#include "qt/zoom.h"
#include "ui_fixture.h"

namespace sumdart::testing_flow {
namespace {

// This program runs on a projector's screen, whoever starts it: set before the
// test environment makes the application.
[[maybe_unused]] const bool kProjectorScreen =
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + SUMDART_ZOOM_SCREEN);

TEST(Zoom, FitAndTheCommandLine) {
  // {available width, height, title bar, fit}: without a window manager, with a
  // panel and title bars, a netbook (a rules page with its title bar decides), 4K.
  const double screens[][4] = {{1920, 1080, 0, 1.8}, {1920, 1050, 30, 1.7}, {1024, 600, 24, 0.96},
                               {1024, 768, 30, 1.23}, {3840, 2160, 30, 3.55}, {800, 600, 0, 1.0}};
  for (const auto& s : screens) EXPECT_DOUBLE_EQ(fitZoom(QSize(int(s[0]), int(s[1])), int(s[2])), s[3]) << s[0];
  const std::pair<const char*, std::optional<double>> options[] = {
      {"1.5", 1.5}, {"fit", 0.0}, {" FIT ", 0.0}, {"0.5", 0.5}, {"4", 4.0}, {"0.49", {}}, {"4.01", {}}, {"", {}}, {"nan", {}}, {"2x", {}}};
  for (const auto& [text, z] : options) EXPECT_EQ(parseZoom(QString::fromLatin1(text)), z) << text;
}

TEST(Zoom, KeysAreRememberedTheCommandLineIsNotAndTheScreenCaps) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("sumdart.ini"));
  {
    ZoomControl zoom(file);
    zoom.setScreen({2048, 1536}, 0);
    EXPECT_EQ(zoom.effective(), 1.0);
    int changes = 0;
    zoom.changed = [&] { ++changes; };
    zoom.step(1);
    zoom.step(1);
    EXPECT_EQ(zoom.effective(), 1.5);
    zoom.step(-1);
    EXPECT_EQ(changes, 3);
    zoom.chooseForThisRun(2.0);
    EXPECT_EQ(zoom.effective(), 2.0);
    zoom.setScreen({1024, 600}, 24);
    EXPECT_EQ(zoom.effective(), 0.96) << "the largest factor that fits";
    zoom.chooseForThisRun(ZoomControl::kFit);
    EXPECT_EQ(zoom.effective(), 0.96);
  }
  ZoomControl again(file);
  EXPECT_EQ(again.chosen(), 1.25) << "the keys' choice, not the command line's";
  again.step(0);
  EXPECT_EQ(ZoomControl(file).chosen(), 1.0);
  // Damaged, odd or unreadable settings give 1 and never stop the program.
  for (const QByteArray& bad : {QByteArray("\xff\xfe[zoom\n=\n"), QByteArray("[General]\nzoom=9\n"),
                                QByteArray("[General]\nzoom=large\n"), QByteArray(100000, '[')}) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bad), f.close();
    EXPECT_EQ(ZoomControl(file).effective(), 1.0) << bad.left(20).toStdString();
  }
  EXPECT_EQ(ZoomControl(dir.filePath(QStringLiteral("missing/none.ini"))).effective(), 1.0);
  // A step starts from the factor shown, also when fitting chose it.
  ZoomControl capped(file);
  capped.setScreen({1024, 600}, 24);
  capped.chooseForThisRun(ZoomControl::kFit);
  capped.step(-1);
  EXPECT_EQ(capped.effective(), 0.75);
}

class ZoomTest : public WindowsTest {
 protected:
  ZoomTest() { windows.setZoom(&zoom); }
  ~ZoomTest() override { zoomFactor() = 1.0; }
  // Every window open at the zoom in effect: its size, and each control's box,
  // font and picture (in device pixels).
  struct Shot {
    QSize window;
    std::map<std::string, QRect> boxes;
    std::map<std::string, double> points;
    std::map<std::string, QSize> pictures;
  };
  std::map<std::string, Shot> shots() {
    std::map<std::string, Shot> all;
    for (const Screen* s : screens) {
      FormWindow* w = windows.window(*s);
      Shot& shot = all[name(*s)];
      shot.window = w->size();
      // Placed as at zoom 1: centred across the screen, and down it unless at the top.
      const QSize free = QSize(2048, 1536) - w->size();
      EXPECT_LE(std::abs(w->x() - free.width() / 2), 1) << name(*s);
      EXPECT_LE(std::abs(w->y() - (s->form.place == Placement::TopCentre ? 0 : free.height() / 2)), 1) << name(*s);
      for (const FormCtl& fc : s->form.controls) {
        QWidget* c = w->control(fc.name);
        shot.boxes[fc.name] = QRect(c->mapTo(w, QPoint(0, 0)), c->size());
        shot.points[fc.name] = c->font().pointSizeF();
        if (auto* label = qobject_cast<LabelWidget*>(c); label && !label->picture().isNull()) shot.pictures[fc.name] = label->picture().size();
      }
    }
    return all;
  }

  QTemporaryDir dir;
  ZoomControl zoom{dir.filePath(QStringLiteral("zoom.ini"))};
  std::vector<const Screen*> screens;
};

// At 1.5 and 2 every window, box and font is the one at 1 times the factor
// (to the pixel), every caption still fits, and every picture is made at
// least at the size it is shown; the game keeps going through each change.
TEST_F(ZoomTest, EveryWindowControlFontAndPictureScalesTogether) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(2048, 1536)) << "runs on the projector's screen";
  screens = openEverything();
  random.pushThrow(1, 2, 3, 4);
  flow.currentGame()->throwDice();
  const auto one = shots();
  std::set<std::string> autosized;
  for (const Screen* s : screens)
    for (const FormCtl& fc : s->form.controls)
      if (fc.ctl->autosize) autosized.insert(name(*s) + fc.name);
  EXPECT_EQ(one.at("Game").window, QSize(800, 600));
  for (double z : {1.5, 2.0, 1.0}) {
    SCOPED_TRACE(z);
    zoom.chooseForThisRun(z);
    ASSERT_EQ(zoomFactor(), z) << "the windows follow at once";
    const auto now = shots();
    for (const auto& [screen, shot] : now) {
      const Shot& base = one.at(screen);
      EXPECT_NEAR(shot.window.width(), base.window.width() * z, 1) << screen;
      EXPECT_NEAR(shot.window.height(), base.window.height() * z, 1) << screen;
      for (const auto& [control, box] : shot.boxes) {
        const QRect b = base.boxes.at(control);
        // A label that sizes itself to its text is as wide as the text at the larger font: near enough.
        const double slack = autosized.count(screen + control) ? 0.08 * std::max(b.width(), b.height()) * z : 2;
        EXPECT_NEAR(box.left(), b.left() * z, 2) << screen << " " << control;
        EXPECT_NEAR(box.top(), b.top() * z, 2) << screen << " " << control;
        EXPECT_NEAR(box.width(), b.width() * z, slack) << screen << " " << control;
        EXPECT_NEAR(box.height(), b.height() * z, slack) << screen << " " << control;
        EXPECT_DOUBLE_EQ(shot.points.at(control), base.points.at(control) * z) << screen << " " << control;
      }
      for (const auto& [control, size] : shot.pictures) {
        EXPECT_GE(size.width(), shot.boxes.at(control).width()) << screen << " " << control << " is enlarged";
        EXPECT_GE(size.height(), shot.boxes.at(control).height()) << screen << " " << control << " is enlarged";
      }
    }
    for (const Screen* s : screens)
      for (const FormCtl& fc : s->form.controls) {
        const auto* label = qobject_cast<LabelWidget*>(windows.window(*s)->control(fc.name));
        EXPECT_TRUE(!label || label->text().isEmpty() || label->captionFits()) << fc.name;
      }
  }
  const auto busy = flow.currentGame()->pending();
  EXPECT_NE(std::find(busy.begin(), busy.end(), "diceSettle"), busy.end()) << "the throw went on through every change";
}

// Ctrl+Plus, Ctrl+Minus and Ctrl+0 work on any window, in a text box too and
// while the game is busy, and every window follows.
TEST_F(ZoomTest, ZoomKeysOnAnyWindow) {
  openEverything();
  const auto ctrl = [](QWidget* w, int key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(w, &e);
  };
  ctrl(windows.window(*flow.setup())->control("timeBox"), Qt::Key_Plus);
  EXPECT_EQ(zoomFactor(), 1.25);
  EXPECT_EQ(flow.setup()->timeBox.caption, "300") << "the text box took nothing";
  random.pushThrow(1, 1, 1, 1);
  flow.currentGame()->throwDice();
  ctrl(windows.window(*flow.currentGame()), Qt::Key_Equal);
  EXPECT_EQ(windows.window(*flow.currentGame())->size(), QSize(1200, 900));
  ctrl(windows.window(*flow.chart()), Qt::Key_Minus);
  EXPECT_EQ(zoomFactor(), 1.25);
  ctrl(windows.window(*flow.title()), Qt::Key_0);
  EXPECT_EQ(windows.window(*flow.rules(3))->size(), QSize(800, 600));
  EXPECT_EQ(ZoomControl(dir.filePath(QStringLiteral("zoom.ini"))).chosen(), 1.0);
}

TEST_F(ZoomTest, TheBoardIsDrawnSharpAtTheSizeItIsShown) {
  for (double z : {1.0, 1.5, 2.0}) {
    const QPixmap board = qtDesktop.picture("Images\\target2.bmp", z, 1.0);
    EXPECT_EQ(board.size(), QSize(std::ceil(800 * z), std::ceil(600 * z))) << z;
    // Drawn again, not enlarged: an enlarged picture has no detail finer than its
    // 1x pixels, so its halves of each 2 x 2 block differ far less.
    if (z == 2.0) {
      const QImage big = board.toImage(), small = qtDesktop.picture("Images\\target2.bmp").toImage();
      const QImage enlarged = small.scaled(big.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      const auto detail = [](const QImage& im) {
        long long sum = 0;
        for (int y = 300; y < 900; y += 2)
          for (int x = 400; x < 1200; x += 2) sum += std::abs(qGray(im.pixel(x, y)) - qGray(im.pixel(x + 1, y + 1)));
        return sum;
      };
      EXPECT_GT(detail(big), detail(enlarged) * 5 / 4);
    }
  }
  EXPECT_EQ(qtDesktop.picture("Images\\logo2.jpg", 1.5, 2.0).size(), QSize(300, 417)) << "zoom times the screen's ratio";
  EXPECT_EQ(qtDesktop.picture("Images\\logo2.jpg", 1.5, 2.0).devicePixelRatio(), 2.0);
  EXPECT_TRUE(qtDesktop.picture("Images\\missing.bmp", 2.0, 1.0).isNull());
}

// A step of the roll repaints the dice, not the board under them.
TEST_F(ZoomTest, ARollStepRepaintsTheDiceNotTheBoard) {
  openEverything();
  FormWindow* game = windows.window(*flow.currentGame());
  random.pushThrow(1, 2, 3, 4);
  flow.currentGame()->throwDice();
  clock.advance(1300);  // the roll is under way
  QApplication::processEvents();
  struct Painted : QObject {
    QRegion window;
    int dice = 0;
    QWidget* w = nullptr;
    bool eventFilter(QObject* o, QEvent* e) override {
      if (e->type() == QEvent::Paint && o == w) window += static_cast<QPaintEvent*>(e)->region();
      if (e->type() == QEvent::Paint && o != w) ++dice;
      return false;
    }
  } painted;
  painted.w = game;
  game->installEventFilter(&painted);
  for (int d = 0; d < 4; ++d) game->control("dice(" + std::to_string(d) + ")")->installEventFilter(&painted);
  clock.advance(5);
  QApplication::processEvents();
  EXPECT_GT(painted.dice, 0);
  EXPECT_TRUE(painted.window.isEmpty()) << "the board was painted again";
}

}  // namespace
}  // namespace sumdart::testing_flow
