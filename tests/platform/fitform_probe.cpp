// Runs fitform on a window in a process of its own, on whatever screens the
// offscreen platform was configured with, and prints what happened, one
// "key value..." line each:
//   screen <i> <x> <y> <w> <h>   every screen, the primary one first
//   twips <w> <h>                screenSizeTwips()
//   pos <x> <y>                  the window's position after fitform (33 44 before)
//   min <w> <h> / max <w> <h>    its minimum and maximum size
//   override <n>                 1 if an override pointer is left set
//   frame <x> <y> <w> <h>        its frame once shown (only with a screen)
// Options: --framed (a window with a title bar), --screen <i> (place the window
// on screen i first).
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>

#include "platform/fitform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const qsizetype screenArg = args.indexOf("--screen") + 1;
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

  QWidget window(nullptr, args.contains("--framed") ? Qt::Window : Qt::Window | Qt::FramelessWindowHint);
  window.resize(300, 200);
  window.move(33, 44);
  if (screenArg > 0 && screenArg < args.size()) window.setScreen(screens.value(args[screenArg].toInt()));
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
