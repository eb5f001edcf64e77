// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// sumdart-assets FOLDER [TRANSLATION.qm...]: writes the game's pictures, sounds
// and rules document, and the rules document in each translation's language.
// sumdart-assets --web SITE [TRANSLATION.qm...]: writes the browser edition's
// pictures, icons and rules pages, in English and each translation's language.
#include "assetgen.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
  // The lettering needs a GUI application, never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  const bool web = args.size() >= 2 && args.at(1) == QLatin1String("--web");
  if (args.size() < (web ? 3 : 2)) {
    std::fprintf(stderr, "usage: sumdart-assets FOLDER [TRANSLATION.qm...]\n"
                         "       sumdart-assets --web SITE [TRANSLATION.qm...]\n");
    return 2;
  }
  QElapsedTimer clock;
  clock.start();
  QString error;
  if (web) {
    if (!sumdart::assetgen::generateWeb(args.at(2), args.mid(3), &error)) {
      std::fprintf(stderr, "sumdart-assets: %s\n", qPrintable(error));
      return 1;
    }
    std::printf("sumdart-assets: web site in %s (%lld ms)\n", qPrintable(args.at(2)),
                static_cast<long long>(clock.elapsed()));
    return 0;
  }
  if (!sumdart::assetgen::generateAll(args.at(1), &error) ||
      !sumdart::assetgen::writeTranslatedRules(args.at(1), args.mid(2), &error)) {
    std::fprintf(stderr, "sumdart-assets: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("sumdart-assets: %d files in %s (%lld ms)\n",
              static_cast<int>(sumdart::assetgen::outputFiles().size()), qPrintable(args.at(1)),
              static_cast<long long>(clock.elapsed()));
  return 0;
}
