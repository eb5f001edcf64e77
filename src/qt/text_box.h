#pragma once
// The text box of a screen: a QLineEdit that a screen reader hears whole.
//
// Orca 43 builds the line it speaks from the text's attribute runs, and Qt
// 6.4's own accessible line edit gives empty runs (offset, offset): Orca then
// drops the last character ("30" for 300). This text box's accessible text
// has one run over the whole text, and Orca says "300".
//
// Leaving a text box deselects its text, and Orca, still on the box, said
// "Text unselected" every time. The deselection waits until the focus has
// moved on, when Orca no longer listens to the box; a mouse player sees the
// same box.
#include <QLineEdit>

namespace sumdart {

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

 protected:
  void focusOutEvent(QFocusEvent* e) override;
};

}  // namespace sumdart
