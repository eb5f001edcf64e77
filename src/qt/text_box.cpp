// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/text_box.h"

#include <QAccessible>
#include <QApplication>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetrics>
#include <algorithm>
#include <utility>
#include <vector>

#include "qt/accessible.h"

namespace sumdart {

namespace {

class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextBoxAccessible(TextBox* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.selectableText = true;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return edit()->text();
    return QAccessibleWidget::text(t);
  }

  // Selection.
  // A box without the focus shows no selection (see focusOutEvent).
  bool selected() const { return edit()->hasSelectedText() && edit()->hasFocus(); }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !selected()) return;
    *start = edit()->selectionStart();
    *end = *start + edit()->selectionLength();
  }
  int selectionCount() const override { return selected() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { edit()->deselect(); }
  void setSelection(int, int start, int end) override { edit()->setSelection(start, end - start); }

  // Cursor.
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

  // Text.
  QString text(int start, int end) const override { return edit()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(edit()->text().size()); }
  // Qt 6.4's own word look-up at the end of a line edit's text never returns
  // (Orca asks for it on Ctrl+Left): pieces are found here, over plain text.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType b, int* start, int* end) const override {
    return piece(offset, b, 0, start, end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType b, int* start, int* end) const override {
    return piece(offset, b, -1, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType b, int* start, int* end) const override {
    return piece(offset, b, 1, start, end);
  }
  // One run over the whole text, with no attributes of its own.
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return QString();
  }

  // Geometry, for magnifiers: the character's cell on the line, on the screen.
  QRect characterRect(int offset) const override {
    const QLineEdit* e = edit();
    const QFontMetrics fm(e->font());
    const QString t = e->text();
    const QRect inside = e->contentsRect().adjusted(2, 0, -2, 0);
    const int width = fm.horizontalAdvance(t);
    int x = inside.left();
    if (e->alignment() & Qt::AlignRight) x = inside.right() - width;
    if (e->alignment() & Qt::AlignHCenter) x = inside.left() + (inside.width() - width) / 2;
    x += fm.horizontalAdvance(t.left(offset));
    const int w = offset < t.size() ? fm.horizontalAdvance(t.at(offset)) : 0;
    const int y = inside.top() + (inside.height() - fm.height()) / 2;
    return QRect(e->mapToGlobal(QPoint(x, y)), QSize(w, fm.height()));
  }
  int offsetAtPoint(const QPoint& point) const override { return edit()->cursorPositionAt(edit()->mapFromGlobal(point)); }
  void scrollToSubstring(int, int) override {}

 private:
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

  // The character or word at `offset` (step 0), or the one before (-1) or
  // after (1) it; any larger piece is the whole one-line text.
  QString piece(int offset, QAccessible::TextBoundaryType b, int step, int* start, int* end) const {
    const QString t = edit()->text();
    const int n = static_cast<int>(t.size());
    *start = *end = -1;
    if (offset == -2) offset = cursorPosition();  // the caret, in Qt's convention
    if (offset == -1) offset = n;                  // the end
    offset = std::clamp(offset, 0, n);
    if (b == QAccessible::CharBoundary) {
      const int at = offset + step;
      if (at < 0 || at >= n) return QString();
      *start = at;
      *end = at + 1;
      return t.mid(at, 1);
    }
    if (b != QAccessible::WordBoundary) {
      if (step != 0) return QString();
      *start = 0;
      *end = n;
      return t;
    }
    // Words: runs of anything but spaces. The word at an offset in the spaces
    // after a word, or at the end, is that word.
    std::vector<std::pair<int, int>> words;
    for (int i = 0; i < n;) {
      while (i < n && t.at(i).isSpace()) ++i;
      const int from = i;
      while (i < n && !t.at(i).isSpace()) ++i;
      if (i > from) words.emplace_back(from, i);
    }
    int k = -1;
    for (int w = 0; w < static_cast<int>(words.size()); ++w)
      if (words[static_cast<std::size_t>(w)].first <= offset) k = w;
    if (k < 0 && step != 1) return QString();
    k += step;
    if (k < 0 || k >= static_cast<int>(words.size())) return QString();
    *start = words[static_cast<std::size_t>(k)].first;
    *end = words[static_cast<std::size_t>(k)].second;
    return t.mid(*start, *end - *start);
  }
};

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  installAccessible<TextBox, TextBoxAccessible>();
}

void TextBox::focusInEvent(QFocusEvent* e) {
  showSelection(true);
  QLineEdit::focusInEvent(e);
}

void TextBox::focusOutEvent(QFocusEvent* e) {
  const Qt::FocusReason reason = e->reason();
  if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason &&
      reason != Qt::OtherFocusReason) {
    QLineEdit::focusOutEvent(e);
    return;
  }
  // QLineEdit keeps its selection for this reason and does everything else as
  // for any other.
  QFocusEvent keep(e->type(), Qt::ActiveWindowFocusReason);
  QLineEdit::focusOutEvent(&keep);
  if (hasSelectedText()) showSelection(false);
}

// A selection that is kept but not shown is drawn in the box's own colours.
void TextBox::showSelection(bool on) {
  QPalette pal = palette();
  const QPalette& app = QApplication::palette(this);
  const QColor highlight = on ? app.color(QPalette::Highlight) : pal.color(QPalette::Base);
  const QColor text = on ? app.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
  if (pal.color(QPalette::Highlight) == highlight && pal.color(QPalette::HighlightedText) == text) return;
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Highlight, highlight);
    pal.setColor(group, QPalette::HighlightedText, text);
  }
  setPalette(pal);
}

}  // namespace sumdart
