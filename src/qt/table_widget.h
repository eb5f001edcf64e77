// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table for screen readers over a grid of labels that draw themselves: it
// draws nothing and takes no clicks, so a mouse player sees only the labels.
// It takes the keyboard focus; its cell with the focus is the record's
// `value`, and each move of it is told to a screen reader as a focus change
// to that cell, which Orca speaks with the cell's name ("7 × 8 = 56"). To a
// screen reader it is a table with rows, columns, and a header row and column.
#include <QWidget>
#include <string>
#include <vector>

#include "state/control.h"

namespace sumdart {

class TableWidget : public QWidget {
  Q_OBJECT
 public:
  explicit TableWidget(QWidget* parent = nullptr);

  // Draws the record: geometry, cells, the focused cell, Visible.
  void apply(const Ctl& c);

  // Body rows and columns, without the headers.
  int rows() const { return columns_ > 1 ? static_cast<int>(cells_.size()) / columns_ - 1 : 0; }
  int columns() const { return columns_ > 1 ? columns_ - 1 : 0; }
  // A body cell's text ("" for none), or a header's (row or column -1).
  QString cell(int row, int column) const;
  // The body cell with the focus.
  int focusRow() const { return columns_ > 1 ? value_ / columns_ - 1 : -1; }
  int focusColumn() const { return columns_ > 1 ? value_ % columns_ - 1 : -1; }
  QString spokenName() const { return name_; }

 protected:
  void focusInEvent(QFocusEvent* e) override;

 private:
  void tellFocus();

  std::vector<std::string> cells_;
  int columns_ = 0;
  int value_ = -1;
  QString name_;
};

}  // namespace sumdart
