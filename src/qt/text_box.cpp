#include "qt/text_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QTimer>

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
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !edit()->hasSelectedText()) return;
    *start = edit()->selectionStart();
    *end = *start + edit()->selectionLength();
  }
  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { edit()->deselect(); }
  void setSelection(int, int start, int end) override { edit()->setSelection(start, end - start); }

  // Cursor.
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

  // Text.
  QString text(int start, int end) const override { return edit()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(edit()->text().size()); }
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
};

QAccessibleInterface* textBoxAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("sumdart::TextBox") && object && object->isWidgetType())
    return new TextBoxAccessible(static_cast<TextBox*>(object));
  return nullptr;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  static const bool installed = (QAccessible::installFactory(textBoxAccessible), true);
  (void)installed;
}

void TextBox::focusOutEvent(QFocusEvent* e) {
  const Qt::FocusReason reason = e->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
    QLineEdit::focusOutEvent(e);
    return;
  }
  // QLineEdit keeps its selection for these reasons and does everything else
  // as for any other; the selection goes once the focus is elsewhere.
  QFocusEvent keep(e->type(), Qt::ActiveWindowFocusReason);
  QLineEdit::focusOutEvent(&keep);
  QTimer::singleShot(0, this, [box = QPointer<TextBox>(this)] {
    if (box && !box->hasFocus()) box->deselect();
  });
}

}  // namespace sumdart
