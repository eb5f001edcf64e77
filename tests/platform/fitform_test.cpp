// Twips to pixels, and window fitting: the arithmetic, and fitform on real
// (offscreen) screens of several sizes, each in a process of its own.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "platform/fitform.h"
#include "platform/twips.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

TEST(Twips, NearestPixelWithAHalfToTheEvenNeighbour) {
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  const std::pair<double, int> cases[] = {
      {0, 0},     {15, 1},    {12000, 800}, {7, 0},    {8, 1},       {7.5, 0},      {22.5, 2}, {37.5, 2},
      {52.5, 4},  {-7.5, 0},  {-22.5, -2},  {-15, -1}, {1e300, kMax}, {-1e300, kMin}, {NAN, 0}};
  for (auto [twips, px] : cases) EXPECT_EQ(twipsToPx(twips), px) << twips;
  EXPECT_EQ(twipsRect(-150, 22.5, 2415, 52.5), QRect(-10, 2, 161, 4));  // each value on its own
  EXPECT_EQ(twipsSize(12000, 9000), QSize(800, 600));
  EXPECT_EQ(twipsPoint(1500, -30), QPoint(100, -2));
}

TEST(Fitform, PositionCentresTheWindowInTwips) {
  // {screen w, h, window w, h, left, top}; half twips (7.5, 22.5, 0.5, 1.5) go to the even neighbour.
  const int cases[][6] = {{12000, 9000, 12000, 9000, 0, 0},     {15360, 11520, 12000, 9000, 1680, 1260},
                          {12000, 12000, 12000, 9000, 0, 1500}, {9600, 7200, 12000, 9000, -1200, -900},
                          {0, 0, 12000, 9000, -6000, -4500},    {12015, 9015, 12000, 9000, 8, 8},
                          {12045, 9001, 12000, 9000, 22, 0},    {12003, 9000, 12000, 9000, 2, 0},
                          {15360, 11520, 4800, 3600, 5280, 3960}};
  for (const auto& c : cases)
    EXPECT_EQ(fitPosition({c[0], c[1]}, {c[2], c[3]}), QPoint(c[4], c[5])) << c[0] << "x" << c[1];
}

TEST(Fitform, RestoresTheBusyPointerItSetButNoOtherPointer) {
  fitform(nullptr);  // ignored
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  QGuiApplication::setOverrideCursor(QCursor(Qt::PointingHandCursor));
  QWidget w;
  fitform(&w);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// --- fitform on configured screens, in a child process ---

struct Screen {
  int x, y, width, height, logicalDpi = 96;
};
using ProbeOutput = std::map<std::string, std::vector<int>>;
using V = std::vector<int>;

// Runs the probe on the given screens; each line "key v..." becomes an entry
// (screens as "screen0", "screen1", ...).
ProbeOutput runProbe(const std::vector<Screen>& screens, const QStringList& args) {
  QTemporaryDir tmp;
  QStringList list;
  for (const Screen& s : screens) {
    list << QString(R"({"name": "s%1", "x": %2, "y": %3, "width": %4, "height": %5, "logicalDpi": %6,)"
                    R"( "logicalBaseDpi": 96, "dpr": 1})")
                .arg(list.size()).arg(s.x).arg(s.y).arg(s.width).arg(s.height).arg(s.logicalDpi);
  }
  const QString config = test::writeFile(
      tmp.filePath("screens.json"),
      QString(R"({"screens": [%1], "windowFrameMargins": true})").arg(list.join(", ")).toUtf8());
  QProcess probe;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
  env.remove("QT_SCALE_FACTOR");
  env.remove("QT_SCREEN_SCALE_FACTORS");
  probe.setProcessEnvironment(env);
  probe.start(SUMDART_FITFORM_PROBE, args);
  EXPECT_TRUE(probe.waitForFinished(30000));
  EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
  ProbeOutput out;
  for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
    QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() < 2) continue;
    std::string key = words.takeFirst().toStdString();
    if (key == "screen") key += words.takeFirst().toStdString();
    for (const QByteArray& w : words) out[key].push_back(w.toInt());
  }
  return out;
}

struct ScreenCase {
  const char* name;
  std::vector<Screen> screens;
  QStringList args;
  V pos;  // expected top-left in logical pixels
};

TEST(FitformOnScreen, FixesTheSizeAndCentresOnTheWindowsScreen) {
  const ScreenCase cases[] = {
      {"exact", {{0, 0, 800, 600}}, {}, {0, 0}},
      {"larger", {{0, 0, 1024, 768}}, {}, {112, 84}},
      {"smaller", {{0, 0, 640, 480}}, {}, {-80, -60}},
      {"narrow", {{0, 0, 600, 800}}, {}, {-100, 100}},
      {"odd", {{0, 0, 801, 601}}, {}, {1, 1}},  // 7.5 twips each way goes to 8, nearer 1 px than 0
      // Twice the dots per inch: Qt scales, so an 800 x 600 window on a 960 x 720 screen.
      {"hidpi", {{0, 0, 1920, 1440, 192}}, {}, {80, 60}},
      {"framed", {{0, 0, 1024, 768}}, {"--framed"}, {112, 84}},  // the outer corner is placed
      {"second", {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}}, {"--screen", "1"}, {1024 + 240, 212}},
      {"none", {}, {}, {33, 44}},  // nowhere to centre: the position stays
  };
  for (const ScreenCase& c : cases) {
    SCOPED_TRACE(c.name);
    ProbeOutput out = runProbe(c.screens, c.args);
    EXPECT_EQ(out["pos"], c.pos);
    EXPECT_EQ(out["min"], (V{800, 600}));
    EXPECT_EQ(out["max"], (V{800, 600}));
    EXPECT_EQ(out["override"], V{0});
    if (c.screens.empty()) {
      EXPECT_EQ(out["twips"], (V{-1, -1}));
      EXPECT_EQ(out.count("frame"), 0u);
      continue;
    }
    for (std::size_t i = 0; i < c.screens.size(); ++i) {  // the probe saw the screens described
      const Screen& s = c.screens[i];
      if (s.logicalDpi == 96) { EXPECT_EQ(out["screen" + std::to_string(i)], (V{s.x, s.y, s.width, s.height})); }
    }
    ASSERT_EQ(out["screen0"].size(), 4u);
    EXPECT_EQ(out["twips"], (V{out["screen0"][2] * 15, out["screen0"][3] * 15}));
    // Shown, the window keeps that place, and without a title bar that size.
    ASSERT_EQ(out["frame"].size(), 4u);
    EXPECT_EQ((V{out["frame"][0], out["frame"][1]}), c.pos);
    if (!c.args.contains("--framed")) { EXPECT_EQ((V{out["frame"][2], out["frame"][3]}), (V{800, 600})); }
  }
}

}  // namespace
}  // namespace sumdart
