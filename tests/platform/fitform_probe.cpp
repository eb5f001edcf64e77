// Runs fitform on a window in a process of its own, on whatever screens the
// offscreen platform was configured with, and prints what happened, one
// "key value..." line each:
//   screen <i> <x> <y> <w> <h>   every screen, the primary one first
//   twips <w> <h>                screenSizeTwips()
//   pos <x> <y>                  the window's position after fitform
//   min <w> <h> / max <w> <h>    its minimum and maximum size
//   frame <x> <y> <w> <h>        its frame once shown (only with a screen)
//   override <n>                 1 if an override pointer is left set
// Options: --framed (a window with a title bar), --screen <i> (place the window
// on screen i first), --at <x> <y> (its position before fitform).
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>

#include "platform/fitform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const bool framed = args.contains("--framed");
  int screenIndex = -1;
  QPoint at(33, 44);
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == "--screen" && i + 1 < args.size()) screenIndex = args[i + 1].toInt();
    if (args[i] == "--at" && i + 2 < args.size()) at = QPoint(args[i + 1].toInt(), args[i + 2].toInt());
  }

  QList<QScreen*> screens = QGuiApplication::screens();
  if (QScreen* primary = QGuiApplication::primaryScreen()) {
    screens.removeAll(primary);
    screens.prepend(primary);
  }
  for (qsizetype i = 0; i < screens.size(); ++i) {
    const QRect g = screens[i]->geometry();
    std::printf("screen %d %d %d %d %d\n", static_cast<int>(i), g.x(), g.y(), g.width(), g.height());
  }
  const QSize twips = sumdart::screenSizeTwips();
  std::printf("twips %d %d\n", twips.width(), twips.height());

  QWidget window(nullptr, framed ? Qt::Window : Qt::Window | Qt::FramelessWindowHint);
  window.resize(300, 200);
  window.move(at);
  if (screenIndex >= 0 && screenIndex < screens.size()) window.setScreen(screens[screenIndex]);

  sumdart::fitform(&window);

  std::printf("pos %d %d\n", window.pos().x(), window.pos().y());
  std::printf("min %d %d\n", window.minimumWidth(), window.minimumHeight());
  std::printf("max %d %d\n", window.maximumWidth(), window.maximumHeight());
  std::printf("override %d\n", QGuiApplication::overrideCursor() ? 1 : 0);
  if (!screens.isEmpty()) {
    window.show();
    QCoreApplication::processEvents();
    const QRect f = window.frameGeometry();
    std::printf("frame %d %d %d %d\n", f.x(), f.y(), f.width(), f.height());
  }
  std::fflush(stdout);
  return 0;
}
