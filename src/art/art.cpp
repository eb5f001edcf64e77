// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art.h"
#include "art/pictures.h"
#include "state/assets.h"

#include <cmath>
#include <optional>

namespace sumdart::assetgen {

namespace {

struct Drawing {
  QImage (*draw)(double);
  bool words;
};

// How each picture the program shows zoomed is drawn, and whether it has words
// in it. The icons are not drawn again: the window shows them at their size.
std::optional<Drawing> drawingOf(Picture picture) {
  switch (picture) {
    case Picture::board: return Drawing{boardPicture, false};
    case Picture::logo: return Drawing{logoPicture, false};
    case Picture::title: return Drawing{titlePicture, false};
    case Picture::rulesStart: return Drawing{startPicture, true};
    case Picture::rulesBoard: return Drawing{doublesPicture, true};
    case Picture::icon:
    case Picture::smallIcon: return std::nullopt;
  }
  return std::nullopt;
}

// The game spells its paths with backslashes and not always in one case.
// Only ASCII letters are folded, whatever the locale.
std::string folded(const std::string& name) {
  std::string key = name;
  for (char& c : key) {
    if (c == '\\') c = '/';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

std::optional<Drawing> find(const std::string& name) {
  const std::string key = folded(name);
  for (const Picture picture : kAllPictures) {
    if (key == folded(fileName(picture))) return drawingOf(picture);
  }
  return std::nullopt;
}

}  // namespace

QImage drawProgramPicture(const std::string& name, double scale) {
  if (!std::isfinite(scale) || scale <= 0.0) return {};
  const std::optional<Drawing> drawing = find(name);
  return drawing ? drawing->draw(scale) : QImage();
}

bool programPictureHasWords(const std::string& name) {
  const std::optional<Drawing> drawing = find(name);
  return drawing && drawing->words;
}

}  // namespace sumdart::assetgen
