// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "state/licence.h"

namespace {

void nameApplication() {
  QApplication::setApplicationName(QStringLiteral("Sumdart"));
  QApplication::setApplicationVersion(QStringLiteral(SUMDART_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("io.github.sumdart.Sumdart"));
  // The screens decide when the program ends (Exit, or closing the title or
  // set-up screen); a moment with no window shown is not the end.
  QApplication::setQuitOnLastWindowClosed(false);
}

// The language asked for on the command line (--lang), the folder of the
// translations and the language shown.
struct LanguageChoice {
  QStringList folders;
  std::optional<QString> asked;
  QString chosen;
};

// The language comes first, so that the help is in it too: --lang CODE for
// this run, else the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
LanguageChoice loadLanguage(sumdart::Translation& translation) {
  LanguageChoice choice;
  choice.folders = sumdart::translationFolders(sumdart::defaultSearchDirs());
  choice.asked = sumdart::languageArgument(QCoreApplication::arguments());
  choice.chosen = sumdart::languageFor(choice.folders, choice.asked);
  translation.load(choice.chosen, sumdart::folderWith(choice.folders, choice.chosen));
  return choice;
}

// The options --zoom and --lang, with --help and --version (which end the
// program once printed); the command line is read once they are added.
void addOptions(QCommandLineParser& options, const QCommandLineOption& zoomOption, const QCommandLineOption& langOption) {
  options.setApplicationDescription(QCoreApplication::translate("Main", "Sumdart: arithmetic darts for the classroom."));
  options.addHelpOption();
  options.addVersionOption();
  options.addOption(zoomOption);
  options.addOption(langOption);
  options.process(*QCoreApplication::instance());
}

// What the command line asks for beyond the language.
struct CommandLine {
  std::optional<double> zoom;     // --zoom, for this run only
  std::optional<int> exitStatus;  // it asks for what cannot be done: end at once
};

CommandLine readCommandLine(const LanguageChoice& language) {
  QCommandLineParser options;
  const QCommandLineOption zoomOption(
      QStringLiteral("zoom"),
      QCoreApplication::translate("Main", "Draws every window Z times its size (0.5 to 4, e.g. 1.5), or as large as fits the "
                                          "screen with \"fit\" (for a projector). For this run only; Ctrl+Plus, Ctrl+Minus "
                                          "and Ctrl+0 change the zoom and are remembered."),
      QStringLiteral("Z"));
  const QCommandLineOption langOption(
      QStringLiteral("lang"),
      QCoreApplication::translate("Main", "Shows the game in the language CODE (%1; en for English) for this run, "
                                          "instead of the desktop's.")
          .arg(sumdart::availableLanguages(language.folders).join(QStringLiteral(", "))),
      QStringLiteral("CODE"));
  addOptions(options, zoomOption, langOption);
  if (sumdart::isUnknownLanguage(language.asked, language.chosen)) {
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("Main", "sumdart: there is no translation for \"%1\"; there are: %2")
                                .arg(*language.asked, sumdart::availableLanguages(language.folders).join(QStringLiteral(", ")))));
    return {std::nullopt, 2};
  }
  if (options.isSet(zoomOption)) {
    const auto z = sumdart::parseZoom(options.value(zoomOption));
    if (!z) {
      std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("Main", "sumdart: --zoom takes a factor from 0.5 to 4, or fit")));
      return {std::nullopt, 2};
    }
    return {*z, std::nullopt};
  }
  return {};
}

// Once the first window is up (not before, so that it comes up at once): the
// windows' icon (the menu's once installed, else the one beside the program),
// and every sound, so that the first play of each starts at once.
void loadOnceShown(sumdart::WavSoundPlayer& sound, sumdart::QtDesktop& desktop) {
  QTimer::singleShot(0, QCoreApplication::instance(), [&sound, &desktop] {
    const QPixmap icon = desktop.picture(sumdart::fileName(sumdart::Picture::icon));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sumdart"), QIcon(icon)));
    std::vector<std::string> sounds;
    for (const sumdart::Sound s : sumdart::kAllSounds) sounds.emplace_back(sumdart::fileName(s));
    sound.preload(sounds);
  });
}

// A problem the screens report is shown in a message box; the end they ask
// for ends the event loop.
void connectFlow(sumdart::ScreenFlow& flow) {
  flow.report = [](const std::string& text) {
    QMessageBox::warning(nullptr, QStringLiteral("Sumdart"), QString::fromStdString(text));
  };
  flow.onQuit = [](int status) {
    // Queued, so it also ends a program whose event loop has not started yet.
    QMetaObject::invokeMethod(qApp, [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
  };
}

// --version (or -v), before anything else: the version, the copyright and the licence.
bool printVersion() {
  for (const QString& a : QCoreApplication::arguments().mid(1)) {
    if (a == QLatin1String("--")) return false;
    if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
      std::printf("Sumdart %s\n%s", SUMDART_VERSION, sumdart::kLicenceNotice);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (printVersion()) return 0;
  nameApplication();
  sumdart::Translation translation;
  const LanguageChoice language = loadLanguage(translation);
  const CommandLine command = readCommandLine(language);
  if (command.exitStatus) return *command.exitStatus;
  sumdart::ZoomControl zoom;
  if (command.zoom) zoom.chooseForThisRun(*command.zoom);

  sumdart::GameSettings settings;
  sumdart::QtTimerFactory timers;
  sumdart::MixingRandom random(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()) * 2654435761ULL);
  sumdart::QtDayClock dayClock;
  sumdart::WavSoundPlayer sound;
  sumdart::QtDesktop desktop;
  loadOnceShown(sound, desktop);
  sumdart::QtSaveFile saveFile;
  sumdart::Services services{timers, random, dayClock, sound, desktop, saveFile};

  sumdart::ScreenFlow flow(settings, services);
  sumdart::ScreenWindows windows(desktop, [&flow] { flow.settle(); });
  windows.setZoom(&zoom);
  flow.setView(&windows);
  connectFlow(flow);
  flow.start();
  return QApplication::exec();
}
