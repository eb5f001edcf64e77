#include "art/art.h"
#include "art/pictures.h"

#include <array>
#include <cmath>

namespace sumdart::assetgen {

namespace {

struct Picture {
  const char* name;
  QImage (*draw)(double);
  bool words;
};
constexpr std::array<Picture, 5> kPictures{{{"images/target2.bmp", boardPicture, false},
                                            {"images/logo2.jpg", logoPicture, false},
                                            {"images/targetmd.bmp", titlePicture, false},
                                            {"images/start.jpg", startPicture, true},
                                            {"images/board.jpg", doublesPicture, true}}};

// The game spells its paths with backslashes and not always in one case.
// Only ASCII letters are folded, whatever the locale.
const Picture* find(const std::string& name) {
  std::string key = name;
  for (char& c : key) {
    if (c == '\\') c = '/';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  for (const Picture& picture : kPictures) {
    if (key == picture.name) return &picture;
  }
  return nullptr;
}

}  // namespace

QImage drawProgramPicture(const std::string& name, double scale) {
  if (!std::isfinite(scale) || scale <= 0.0) return {};
  const Picture* picture = find(name);
  return picture ? picture->draw(scale) : QImage();
}

bool programPictureHasWords(const std::string& name) {
  const Picture* picture = find(name);
  return picture && picture->words;
}

}  // namespace sumdart::assetgen
