// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom, on an offscreen screen of 2048 x 1536: the factor chosen, kept and
// capped to the screen; every window, control, font and picture at 1, 1.5 and
// 2; the windows following a change at once; and a roll of the dice repainting
// the dice alone.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "qt/twips.h"
#include "qt/zoom.h"
#include "ui_fixture.h"

namespace sumdart::testing_flow {
namespace {

// This program runs on a projector's screen, whoever starts it: set before the
// test environment makes the application.
[[maybe_unused]] const bool kProjectorScreen = qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + SUMDART_ZOOM_SCREEN);

// The largest factor that fits a screen, and the command line's factor. The
// keys' choice is remembered, the command line's is not; the screen caps the
// factor, and a step starts from the factor shown. Damaged, odd or unreadable
// settings give 1 and never stop the program.
TEST(Zoom, TheFactorIsParsedFittedRememberedAndCapped) {
  // {available width, height, title bar, fit}: a wide screen without a window
  // manager, a netbook (a rules page with its title bar decides), 4K.
  const double screens[][4] = {{1920, 1080, 0, 1.8}, {1024, 600, 24, 0.96}, {3840, 2160, 30, 3.55}};
  for (const auto& s : screens) EXPECT_DOUBLE_EQ(fitZoom(QSize(int(s[0]), int(s[1])), int(s[2])), s[3]) << s[0];
  const std::pair<const char*, std::optional<double>> options[] = {
      {"1.5", 1.5}, {"fit", 0.0}, {" FIT ", 0.0}, {"0.5", 0.5}, {"4", 4.0}, {"0.49", {}}, {"4.01", {}}, {"", {}}, {"nan", {}}, {"2x", {}}};
  for (const auto& [text, z] : options) EXPECT_EQ(parseZoom(QString::fromLatin1(text)), z) << text;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("sumdart.ini"));
  ZoomControl zoom(file);
  for (int direction : {1, 1, -1}) zoom.step(direction);
  zoom.chooseForThisRun(2.0);
  zoom.setScreen({1024, 600}, 24);
  EXPECT_EQ(zoom.effective(), 0.96) << "the largest factor that fits";
  ZoomControl again(file);
  EXPECT_EQ(again.chosen(), 1.25) << "the keys' choice, not the command line's";
  again.setScreen({1024, 600}, 24);
  again.chooseForThisRun(ZoomControl::kFit);
  again.step(-1);
  EXPECT_EQ(again.effective(), 0.75);
  for (const QByteArray& bad : {QByteArray("\xff\xfe[zoom\n=\n"), QByteArray("[General]\nzoom=9\n"), QByteArray("[General]\nzoom=-1\n"),
                                QByteArray("[General]\nzoom=large\n"), QByteArray(100000, '[')}) {
    test::writeFile(file, bad);
    EXPECT_EQ(ZoomControl(file).effective(), 1.0) << bad.left(20).toStdString();
  }
  EXPECT_EQ(ZoomControl(dir.filePath(QStringLiteral("missing/none.ini"))).effective(), 1.0);
}

class ZoomTest : public WindowsTest {
 protected:
  ZoomTest() { windows.setZoom(&zoom); }
  ~ZoomTest() override { zoomFactor() = 1.0; }
  // Each open window's size, and each control's box in its window, font size
  // and whether it sizes itself to its text, by "Screen control". Checked at
  // once: each window is placed as at zoom 1 (centred across the screen, and
  // down it unless at the top), each picture is made at least at the size it
  // is shown, and each caption fits.
  std::map<std::string, std::tuple<QRect, double, bool>> boxes() {
    std::map<std::string, std::tuple<QRect, double, bool>> all;
    for (const Screen* s : screens) {
      FormWindow* w = windows.window(*s);
      const QSize free = QSize(2048, 1536) - w->size();
      EXPECT_LE(std::abs(w->x() - free.width() / 2), 1) << name(*s);
      EXPECT_LE(std::abs(w->y() - (s->form.place == Placement::TopCentre ? 0 : free.height() / 2)), 1) << name(*s);
      all[name(*s)] = {QRect(QPoint(), w->size()), 0, false};
      for (const FormCtl& fc : s->form.controls) {
        QWidget* c = w->control(fc.name);
        const std::string what = name(*s) + " " + fc.name;
        all[what] = {QRect(c->mapTo(w, QPoint(0, 0)), c->size()), c->font().pointSizeF(), fc.ctl->autosize};
        const auto* label = qobject_cast<LabelWidget*>(c);
        if (!label) continue;
        if (const QSize made = label->picture().size(); !made.isEmpty()) { EXPECT_EQ(made.expandedTo(c->size()), made) << what << " is enlarged"; }
        EXPECT_TRUE(label->text().isEmpty() || label->captionFits()) << what;
      }
    }
    return all;
  }

  QTemporaryDir dir;
  ZoomControl zoom{dir.filePath(QStringLiteral("zoom.ini"))};
  std::vector<const Screen*> screens;
};

// At 1.5 and 2 every window, box and font is the one at 1 times the factor
// (to the pixel), and the windows follow at once. Ctrl+Plus, Ctrl+Minus and
// Ctrl+0 work on any window, in a text box too and while the game is busy,
// and every window follows; the game keeps going through each change. Then a
// step of the dice's roll repaints the dice, not the board under them.
TEST_F(ZoomTest, EveryWindowAndPictureFollowsTheZoomAndARollRepaintsTheDiceAlone) {
  screens = openEverything();
  random.pushThrow(1, 2, 3, 4);
  flow.currentGame()->throwDice();
  const auto one = boxes();
  for (double z : {1.5, 2.0, 1.0}) {
    SCOPED_TRACE(z);
    zoom.chooseForThisRun(z);
    for (const auto& [what, box] : boxes()) {
      const auto& [rect, points, autosize] = one.at(what);
      const QRect& now = std::get<QRect>(box);
      // A label that sizes itself to its text is as wide as the text at the larger font: near enough.
      const double slack = autosize ? 0.08 * std::max(rect.width(), rect.height()) * z : 2;
      EXPECT_NEAR(now.left(), rect.left() * z, 2) << what;
      EXPECT_NEAR(now.top(), rect.top() * z, 2) << what;
      EXPECT_NEAR(now.width(), rect.width() * z, slack) << what;
      EXPECT_NEAR(now.height(), rect.height() * z, slack) << what;
      EXPECT_DOUBLE_EQ(std::get<double>(box), points * z) << what;
    }
  }
  widget(flow.setup(), "timeBox")->setFocus();
  press(flow.setup(), Qt::Key_Plus, "+", Qt::ControlModifier);
  EXPECT_EQ(zoomFactor(), 1.25);
  EXPECT_EQ(flow.setup()->timeBox.caption, "300") << "the text box took nothing";
  press(flow.currentGame(), Qt::Key_Equal, "=", Qt::ControlModifier);
  EXPECT_EQ(windows.window(*flow.currentGame())->size(), QSize(1200, 900));
  press(flow.chart(), Qt::Key_Minus, "-", Qt::ControlModifier);
  EXPECT_EQ(zoomFactor(), 1.25);
  press(flow.title(), Qt::Key_0, "0", Qt::ControlModifier);
  EXPECT_EQ(windows.window(*flow.rules(3))->size(), QSize(800, 600));
  EXPECT_EQ(ZoomControl(dir.filePath(QStringLiteral("zoom.ini"))).chosen(), 1.0);

  // The throw went on through every change.
  clock.advance(1300);  // the roll is under way
  QApplication::processEvents();
  EventCount board(QEvent::Paint), dice(QEvent::Paint);
  windows.window(*flow.currentGame())->installEventFilter(&board);
  for (int d = 0; d < 4; ++d) widget(flow.currentGame(), arrayName("dice", d))->installEventFilter(&dice);
  clock.advance(5);
  QApplication::processEvents();
  EXPECT_GT(dice.n, 0);
  EXPECT_EQ(board.n, 0) << "the board was painted again";

  // The board is drawn again at the size it is shown, not enlarged; a picture
  // is made at the zoom times the screen's pixel ratio; a missing one is nothing.
  const QImage big = qtDesktop.picture("Images\\target2.bmp", 2.0, 1.0).toImage();
  EXPECT_EQ(big.size(), QSize(1600, 1200));
  // An enlarged picture has no detail finer than its 1x pixels, so its halves
  // of each 2 x 2 block differ far less.
  const QImage enlarged = qtDesktop.picture("Images\\target2.bmp").toImage().scaled(big.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const auto detail = [](const QImage& im) {
    long long sum = 0;
    for (int y = 300; y < 900; y += 2)
      for (int x = 400; x < 1200; x += 2) sum += std::abs(qGray(im.pixel(x, y)) - qGray(im.pixel(x + 1, y + 1)));
    return sum;
  };
  EXPECT_GT(detail(big), detail(enlarged) * 5 / 4);
  EXPECT_EQ(qtDesktop.picture("Images\\logo2.jpg", 1.5, 2.0).size(), QSize(300, 417));
  EXPECT_EQ(qtDesktop.picture("Images\\logo2.jpg", 1.5, 2.0).devicePixelRatio(), 2.0);
  EXPECT_TRUE(qtDesktop.picture("Images\\missing.bmp", 2.0, 1.0).isNull());
}

}  // namespace
}  // namespace sumdart::testing_flow
