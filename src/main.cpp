// Sumdart: the arithmetic darts game.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <QIcon>
#include <QMessageBox>
#include <QTime>
#include <QTimer>

#include "qt/qt_dayclock.h"
#include "qt/language.h"
#include "qt/paths.h"
#include "qt/qt_desktop.h"
#include "qt/wav_sound.h"
#include "qt/qt_timer.h"
#include "seams/random.h"
#include "qt/screen_windows.h"
#include "qt/zoom.h"
#include "screens/screenflow.h"
#include "state/assets.h"
#include "state/game_settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sumdart"));
  QApplication::setApplicationVersion(QStringLiteral(SUMDART_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.sumdart.Sumdart"));
  // The screens decide when the program ends (Exit, or closing the title or
  // set-up screen); a moment with no window shown is not the end.
  QApplication::setQuitOnLastWindowClosed(false);

  // The language comes first, so that the help below is in it too: --lang
  // CODE for this run, else the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  const QString folder = sumdart::translationsFolder(sumdart::defaultSearchDirs());
  const std::optional<QString> langArgument = sumdart::languageArgument(QCoreApplication::arguments());
  const QString language = sumdart::languageFor(folder, langArgument);
  sumdart::Translation translation;
  translation.load(language, folder);

  QCommandLineParser options;
  options.setApplicationDescription(QCoreApplication::translate("Main", "Sumdart: arithmetic darts for the classroom."));
  options.addHelpOption();
  options.addVersionOption();
  const QCommandLineOption zoomOption(
      QStringLiteral("zoom"),
      QCoreApplication::translate("Main", "Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the "
                                          "screen with \"fit\" (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus "
                                          "and Ctrl+0 change the zoom and are remembered."),
      QStringLiteral("Z"));
  options.addOption(zoomOption);
  const QCommandLineOption langOption(
      QStringLiteral("lang"),
      QCoreApplication::translate("Main", "Shows the game in the language CODE (de, es, fr; en for English) for this run, "
                                          "instead of the desktop's."),
      QStringLiteral("CODE"));
  options.addOption(langOption);
  options.process(app);
  if (sumdart::isUnknownLanguage(langArgument, language)) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("Main", "sumdart: there is no translation for \"%1\"; there are: %2")
                                .arg(*langArgument, sumdart::availableLanguages(folder).join(QStringLiteral(", ")))));
    return 2;
  }
  sumdart::ZoomControl zoom;
  if (options.isSet(zoomOption)) {
    const auto z = sumdart::parseZoom(options.value(zoomOption));
    if (!z) {
      std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("Main", "sumdart: --zoom takes a factor from 0.5 to 4, or fit")));
      return 2;
    }
    zoom.chooseForThisRun(*z);
  }

  sumdart::GameSettings settings;
  sumdart::QtTimerFactory timers;
  sumdart::MixingRandom random(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()) * 2654435761ULL);
  sumdart::QtDayClock dayClock;
  sumdart::WavSoundPlayer sound;
  sumdart::QtDesktop desktop;
  // Once the first window is up (not before, so that it comes up at once): the
  // windows' icon (the menu's once installed, else the one beside the program),
  // and every sound, so that the first play of each starts at once.
  QTimer::singleShot(0, &app, [&sound, &desktop] {
    const QPixmap icon = desktop.picture(sumdart::fileName(sumdart::Picture::icon));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sumdart"), QIcon(icon)));
    std::vector<std::string> sounds;
    for (const sumdart::Sound s : sumdart::kAllSounds) sounds.emplace_back(sumdart::fileName(s));
    sound.preload(sounds);
  });
  sumdart::QtSaveFile saveFile;
  sumdart::Services services{timers, random, dayClock, sound, desktop, saveFile};

  sumdart::ScreenFlow flow(settings, services);
  sumdart::ScreenWindows windows(desktop, [&flow] { flow.settle(); });
  windows.setZoom(&zoom);
  flow.setView(&windows);
  flow.report = [](const std::string& text) {
    QMessageBox::warning(nullptr, QStringLiteral("Sumdart"), QString::fromStdString(text));
  };
  flow.onQuit = [](int status) {
    // Queued, so it also ends a program whose event loop has not started yet.
    QMetaObject::invokeMethod(qApp, [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
  };
  flow.start();
  return QApplication::exec();
}
