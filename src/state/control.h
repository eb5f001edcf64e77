// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reads and changes of one of its controls: the window draws
// these records into its widgets after every event, and tests read them.
#include <string>
#include <vector>

#include "state/colour.h"

namespace sumdart {

enum class Align { Left, Centre, Right };

// What kind of widget draws the record. A label is also a button when the
// screen gives it a click handler. A table draws nothing: it is what a screen
// reader makes of a grid of labels, with rows, columns and headers.
enum class Kind { Label, TextBox, CheckBox, Option, Panel, ScrollBar, Table };

struct FontSpec {
  const char* family = "Arial";
  double points = 12.0;
  bool bold = true;
  bool operator==(const FontSpec&) const = default;
};

constexpr FontSpec arial(double points, bool bold = true) { return FontSpec{"Arial", points, bold}; }
constexpr FontSpec tahoma(double points) { return FontSpec{"Tahoma", points, true}; }

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

  Kind kind = Kind::Label;
  std::string picture;   // program-relative picture name, drawn stretched to the box
  bool ownSize = false;  // with a picture: the box takes the picture's own size
  bool checked = false;  // tick boxes and option buttons
  int maxLength = 0;     // text boxes: most characters held, 0 for no limit
  int value = 0, min = 0, max = 100;  // scroll bars
  std::string spokenName;  // what a screen reader calls it, when not its caption
  bool tabStop = true;     // a clickable label: whether Tab stops at it
  bool announced = false;  // a status text: a screen reader reads out each change
  // Tables: what a screen reader hears of each cell, row by row, `columns` to a
  // row; the first row and the first column are the headers, and an empty text
  // is no cell. `value` is the cell with the focus, counted the same way.
  std::vector<std::string> cells;
  int columns = 0;

  bool operator==(const Ctl&) const = default;
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
