// Window fitting: the arithmetic, and fitform on real (offscreen) screens of
// several sizes, each in a process of its own.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "platform/fitform.h"
#include "platform/twips.h"

namespace sumdart {
namespace {

struct PositionCase {
  QSize screen;  // twips
  QSize window;  // twips
  QPoint topLeft;
};

void PrintTo(const PositionCase& c, std::ostream* os) {
  *os << c.screen.width() << "x" << c.screen.height() << " -> " << c.topLeft.x() << "," << c.topLeft.y();
}

class FitPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(FitPositionTest, CentresTheWindow) {
  const auto& c = GetParam();
  EXPECT_EQ(fitPosition(c.screen, c.window), c.topLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitPositionTest,
    ::testing::Values(
        // 800 x 600 px: the window fills the screen exactly.
        PositionCase{{12000, 9000}, {12000, 9000}, {0, 0}},
        PositionCase{{15360, 11520}, {12000, 9000}, {1680, 1260}},   // 1024 x 768
        PositionCase{{28800, 16200}, {12000, 9000}, {8400, 3600}},   // 1920 x 1080
        PositionCase{{12000, 12000}, {12000, 9000}, {0, 1500}},      // 800 x 800
        PositionCase{{9600, 7200}, {12000, 9000}, {-1200, -900}},    // 640 x 480: off the screen
        PositionCase{{0, 0}, {12000, 9000}, {-6000, -4500}},
        PositionCase{{12015, 9015}, {12000, 9000}, {8, 8}},          // 7.5 twips: a half to the even
        PositionCase{{12045, 9045}, {12000, 9000}, {22, 22}},        // 22.5 -> 22
        PositionCase{{12001, 9001}, {12000, 9000}, {0, 0}},          // 0.5 -> 0
        PositionCase{{12003, 9003}, {12000, 9000}, {2, 2}},          // 1.5 -> 2
        PositionCase{{15360, 11520}, {4800, 3600}, {5280, 3960}}));

TEST(ScreenSizeTwips, IsThePrimaryScreenAtFifteenTwipsAPixel) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screenSizeTwips(), screen->geometry().size() * kTwipsPerPixel);
}

TEST(Fitform, FixesTheSizeAndCentresOnThisScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
  w.resize(200, 100);
  fitform(&w);
  EXPECT_EQ(w.size(), QSize(800, 600));
  EXPECT_EQ(w.minimumSize(), QSize(800, 600));
  EXPECT_EQ(w.maximumSize(), QSize(800, 600));
  const QPoint twips = fitPosition(screen.size() * kTwipsPerPixel, QSize(12000, 9000));
  EXPECT_EQ(w.pos(), screen.topLeft() + QPoint(twipsToPx(twips.x()), twipsToPx(twips.y())));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // Fitting again changes nothing.
  const QPoint pos = w.pos();
  fitform(&w);
  EXPECT_EQ(w.pos(), pos);
  EXPECT_EQ(w.size(), QSize(800, 600));
}

TEST(Fitform, RestoresTheBusyPointerItSetButNoOtherPointer) {
  QGuiApplication::setOverrideCursor(QCursor(Qt::PointingHandCursor));
  QWidget w;
  fitform(&w);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Fitform, NoWindowIsIgnored) {
  fitform(nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// --- fitform on configured screens, in a child process ---

struct Screen {
  int x, y, width, height;
  int logicalDpi = 96;
  double dpr = 1.0;
};

using ProbeOutput = std::map<std::string, std::vector<int>>;

// Runs the probe on the given screens; each line "key v..." becomes an entry
// (screens as "screen0", "screen1", ...).
ProbeOutput runProbe(const std::vector<Screen>& screens, const QStringList& args = {}) {
  QTemporaryDir tmp;
  EXPECT_TRUE(tmp.isValid());
  QJsonArray list;
  int i = 0;
  for (const Screen& s : screens) {
    list.append(QJsonObject{{"name", QString("screen%1").arg(i++)},
                            {"x", s.x},
                            {"y", s.y},
                            {"width", s.width},
                            {"height", s.height},
                            {"logicalDpi", s.logicalDpi},
                            {"logicalBaseDpi", 96},
                            {"dpr", s.dpr}});
  }
  const QString config = tmp.filePath("screens.json");
  QFile f(config);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QJsonDocument(QJsonObject{{"screens", list}, {"windowFrameMargins", true}}).toJson());
  f.close();

  QProcess probe;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
  env.remove("QT_SCALE_FACTOR");
  env.remove("QT_SCREEN_SCALE_FACTORS");
  probe.setProcessEnvironment(env);
  probe.start(SUMDART_FITFORM_PROBE, args);
  EXPECT_TRUE(probe.waitForFinished(30000));
  EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();

  ProbeOutput out;
  for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
    QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() < 2) continue;
    std::string key = words.takeFirst().toStdString();
    if (key == "screen") key += words.takeFirst().toStdString();
    std::vector<int> values;
    for (const QByteArray& w : words) values.push_back(w.toInt());
    out[key] = values;
  }
  return out;
}

struct ScreenCase {
  const char* name;
  Screen screen;
  std::vector<int> pos;  // expected top-left in logical pixels
};

void PrintTo(const ScreenCase& c, std::ostream* os) { *os << c.name; }

class FitformOnScreenTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(FitformOnScreenTest, CentresTheFixedSizeWindow) {
  const auto& c = GetParam();
  ProbeOutput out = runProbe({c.screen});
  ASSERT_EQ(out["pos"], c.pos);
  EXPECT_EQ(out["min"], (std::vector<int>{800, 600}));
  EXPECT_EQ(out["max"], (std::vector<int>{800, 600}));
  EXPECT_EQ(out["override"], std::vector<int>{0});
  // Shown, a window without a title bar keeps exactly that place and size.
  EXPECT_EQ(out["frame"], (std::vector<int>{c.pos[0], c.pos[1], 800, 600}));
  const std::vector<int>& screen = out["screen0"];
  ASSERT_EQ(screen.size(), 4u);
  EXPECT_EQ(out["twips"], (std::vector<int>{screen[2] * 15, screen[3] * 15}));
}

INSTANTIATE_TEST_SUITE_P(Screens, FitformOnScreenTest,
                         ::testing::Values(ScreenCase{"exact", {0, 0, 800, 600}, {0, 0}},
                                           ScreenCase{"larger", {0, 0, 1024, 768}, {112, 84}},
                                           ScreenCase{"wide", {0, 0, 1920, 1080}, {560, 240}},
                                           ScreenCase{"smaller", {0, 0, 640, 480}, {-80, -60}},
                                           ScreenCase{"narrow", {0, 0, 600, 800}, {-100, 100}},
                                           // 0.5 px each way: 7.5 twips goes to 8, which is nearer 1 px
                                           ScreenCase{"odd", {0, 0, 801, 601}, {1, 1}},
                                           // Twice the dots per inch: Qt scales, the window stays 800 x 600
                                           // logical pixels on a 960 x 720 logical screen.
                                           ScreenCase{"hidpi", {0, 0, 1920, 1440, 192, 1.0}, {80, 60}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FitformOnScreen, ScreenDescriptionsAreReadAsWritten) {
  // Guards the probe itself: the offscreen platform really took the configuration.
  ProbeOutput out = runProbe({{0, 0, 1024, 768}});
  EXPECT_EQ(out["screen0"], (std::vector<int>{0, 0, 1024, 768}));
  EXPECT_EQ(out["twips"], (std::vector<int>{15360, 11520}));
}

TEST(FitformOnScreen, CentresOnTheScreenTheWindowIsOn) {
  ProbeOutput out = runProbe({{0, 0, 1024, 768}, {1024, 0, 1280, 1024}}, {"--screen", "1"});
  ASSERT_EQ(out["screen1"], (std::vector<int>{1024, 0, 1280, 1024}));
  EXPECT_EQ(out["pos"], (std::vector<int>{1024 + 240, 212}));
  EXPECT_EQ(out["twips"], (std::vector<int>{15360, 11520}));  // the primary screen
}

TEST(FitformOnScreen, WithoutAScreenTheSizeIsFixedAndThePositionStays) {
  ProbeOutput out = runProbe({}, {"--at", "33", "44"});
  EXPECT_EQ(out.count("screen0"), 0u);
  EXPECT_EQ(out["twips"], (std::vector<int>{-1, -1}));
  EXPECT_EQ(out["pos"], (std::vector<int>{33, 44}));
  EXPECT_EQ(out["min"], (std::vector<int>{800, 600}));
  EXPECT_EQ(out["max"], (std::vector<int>{800, 600}));
  EXPECT_EQ(out["override"], std::vector<int>{0});
}

TEST(FitformOnScreen, FramedWindowPlacesItsOuterCorner) {
  ProbeOutput out = runProbe({{0, 0, 1024, 768}}, {"--framed"});
  EXPECT_EQ(out["pos"], (std::vector<int>{112, 84}));
  EXPECT_EQ(out["min"], (std::vector<int>{800, 600}));
  ASSERT_EQ(out["frame"].size(), 4u);
  EXPECT_EQ(out["frame"][0], 112);
  EXPECT_EQ(out["frame"][1], 84);
}

}  // namespace
}  // namespace sumdart
