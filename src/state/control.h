#pragma once
// What the game reads and changes of one control on a screen: the window draws
// these records into its widgets after every event, and tests read them.
#include <string>

#include "state/colour.h"

namespace sumdart {

enum class Align { Left, Centre, Right };

struct FontSpec {
  const char* family = "Arial";
  double points = 12.0;
  bool bold = true;
};

struct Ctl {
  std::string caption;
  Rgb fore{};
  Rgb back{};
  bool transparent = true;  // no background of its own
  bool visible = true;
  bool enabled = true;
  // Geometry in twips.
  double left = 0, top = 0, width = 0, height = 0;
  FontSpec font{};
  Align align = Align::Centre;
  bool frame = false;     // thin single-line border
  bool autosize = false;  // sizes itself to its text, top-left corner kept
  bool wrap = true;       // wraps its caption at spaces inside its box
};

// Builders for the layout tables.
inline Ctl textLabel(std::string caption, double l, double t, double w, double h, Rgb fore, FontSpec font,
                     Align align = Align::Centre) {
  Ctl c;
  c.caption = std::move(caption);
  c.left = l;
  c.top = t;
  c.width = w;
  c.height = h;
  c.fore = fore;
  c.font = font;
  c.align = align;
  return c;
}

inline Ctl button(std::string caption, double l, double t, double w, double h, Rgb fore, Rgb back, FontSpec font) {
  Ctl c = textLabel(std::move(caption), l, t, w, h, fore, font);
  c.back = back;
  c.transparent = false;
  c.frame = true;
  return c;
}

}  // namespace sumdart
