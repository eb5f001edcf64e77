// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text box of a screen: a QLineEdit that a screen reader hears whole.
//
// Orca 43 builds the line it speaks from the text's attribute runs, and Qt
// 6.4's own accessible line edit gives empty runs (offset, offset): Orca then
// drops the last character ("30" for 300). This text box's accessible text
// has one run over the whole text, and Orca says "300".
//
// Leaving a text box deselects its text, and Orca says "Text unselected"
// for any box whose selection it has seen go, wherever the focus is. So a box
// left by the keyboard keeps its selection, drawn as plain text and hidden
// from screen readers until the box has the focus again (Tab selects it all
// then in any case). Left by a click, it deselects as it always has.
#include <QLineEdit>

namespace sumdart {

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void showSelection(bool on);
};

}  // namespace sumdart
