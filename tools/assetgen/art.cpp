#include "art.h"
#include "pictures.h"

#include <array>
#include <cmath>

namespace sumdart::assetgen {

QImage drawProgramPicture(const std::string& name, double scale) {
  if (!std::isfinite(scale) || scale <= 0.0) return {};
  // The game spells its paths with backslashes and not always in one case.
  // Only ASCII letters are folded, whatever the locale.
  std::string key = name;
  for (char& c : key) {
    if (c == '\\') c = '/';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  struct Picture {
    const char* name;
    QImage (*draw)(double);
  };
  static constexpr std::array<Picture, 5> kPictures{{{"images/target2.bmp", boardPicture},
                                                     {"images/logo2.jpg", logoPicture},
                                                     {"images/targetmd.bmp", titlePicture},
                                                     {"images/start.jpg", startPicture},
                                                     {"images/board.jpg", doublesPicture}}};
  for (const Picture& picture : kPictures) {
    if (key == picture.name) return picture.draw(scale);
  }
  return {};
}

}  // namespace sumdart::assetgen
