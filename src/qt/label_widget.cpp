// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/label_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "qt/accessible.h"
#include "qt/twips.h"

namespace sumdart {

namespace {
QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
constexpr int kPad = 1;  // frame line

// What a screen reader learns of a label: a button when it can be clicked, a
// status text when its changes are read out, a group when it is a frame round
// others, a picture when it shows one and no text, static text otherwise; its
// name is its spoken name, else its caption.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(LabelWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {
    if (w->actsAsButton()) addControllingSignal(QStringLiteral("clicked()"));
  }
  QAccessible::Role role() const override {
    const auto* w = static_cast<const LabelWidget*>(widget());
    if (w->actsAsButton()) return QAccessible::Button;
    if (w->isStatus()) return QAccessible::StatusBar;
    if (w->isPanel()) return QAccessible::Grouping;
    return w->text().isEmpty() && !w->picture().isNull() ? QAccessible::Graphic : QAccessible::StaticText;
  }
  QString text(QAccessible::Text t) const override {
    const auto* w = static_cast<const LabelWidget*>(widget());
    if (t == QAccessible::Name) return w->spokenName();
    return QAccessibleWidget::text(t);
  }
};
}  // namespace

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {
  installAccessible<LabelWidget, LabelAccessible>();
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setAutoFillBackground(false);
}

QFont LabelWidget::fontFor(const FontSpec& f) {
  QFont font(QString::fromLatin1(f.family));
  // Tahoma is the narrow sibling of Verdana, as DejaVu Sans Condensed is of
  // DejaVu Sans: without it, its captions would not fit their boxes.
  if (font.family() == QLatin1String("Tahoma"))
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(f.points * zoomFactor());
  font.setBold(f.bold);
  return font;
}

void LabelWidget::apply(const Ctl& c) {
  // The common case on every tick: nothing changed since the last drawing.
  if (applied_ && !pictureChanged_ && zoom_ == zoomFactor() && c == last_) return;
  pictureChanged_ = false;
  const bool first = !applied_;
  bool repaint = first;
  if (first || c.font.family != last_.font.family || c.font.points != last_.font.points ||
      c.font.bold != last_.font.bold || zoom_ != zoomFactor()) {
    setFont(fontFor(c.font));
    zoom_ = zoomFactor();
    repaint = true;
  }
  if (first || c.caption != last_.caption) {
    text_ = QString::fromStdString(c.caption);
    repaint = true;
  }
  // A screen reader's tree learns a new name; a status text also when it
  // appears. Orca 43 reads neither aloud unless the label has the focus (it
  // drops events of other objects); what must be heard is said through the
  // window's Speaker (speech.h).
  const QString spoken = QString::fromStdString(c.spokenName.empty() ? c.caption : c.spokenName);
  const bool appears = c.announced && c.visible && !last_.visible;
  const bool tell = !first && (spoken != spoken_ || appears);
  spoken_ = spoken;
  if (tell) {
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);  // nothing when no screen reader listens
    emit spokenNameChanged();
  }
  const bool relayout = repaint || c.frame != last_.frame || c.wrap != last_.wrap;
  if (first || !(c.fore == last_.fore) || !(c.back == last_.back) || c.transparent != last_.transparent ||
      c.frame != last_.frame || c.align != last_.align || c.wrap != last_.wrap) {
    fore_ = toQColor(c.fore);
    back_ = toQColor(c.back);
    transparent_ = c.transparent;
    // A filled label paints all of itself: what lies under it is not painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
    frame_ = c.frame;
    align_ = c.align;
    wrap_ = c.wrap;
    repaint = true;
  }
  // Geometry: an auto-sizing label keeps its top-left corner and takes its text's size.
  QRect box = twipsRect(c.left, c.top, c.width, c.height);
  if (c.autosize) box.setSize(textExtent());
  if (c.ownSize && !picture_.isNull()) box.setSize(picture_.deviceIndependentSize().toSize());
  if (box != geometry()) setGeometry(box);
  if ((relayout || box.size() != last_size_) && !c.autosize) fitCaption(fontFor(c.font));
  last_size_ = box.size();
  if (first || c.enabled != last_.enabled) {
    setEnabled(c.enabled);
    repaint = true;
  }
  if (first || c.visible != last_.visible) setVisible(c.visible);
  last_ = c;
  applied_ = true;
  if (repaint) update();
}

// A caption a little too wide for its box is drawn slightly condensed rather
// than cut off (Arial's metric twin lays text out a few pixels wider than the
// boxes were made for), and one still too wide, as a long word of another
// language can be ("Vermelho" beside the red score), a little smaller too,
// down to three quarters of its size.
void LabelWidget::fitCaption(const QFont& base) {
  for (const double scale : {1.0, 0.92, 0.84, 0.76}) {
    for (const int stretch : {100, 96, 92, 88}) {
      QFont f = base;
      if (scale != 1.0 || stretch != 100) {
        f.setPointSizeF(base.pointSizeF() * scale);
        f.setStretch(stretch);
      }
      if (font() != f) setFont(f);
      if (text_.isEmpty() || captionFits()) return;
    }
  }
}

void LabelWidget::setPicture(const QPixmap& pix) {
  picture_ = pix;
  pictureChanged_ = true;
  update();
}

QSize LabelWidget::textExtent() const {
  const QFontMetrics fm(font());
  // The width drawText needs for one line, bearings included.
  const int w = text_.isEmpty() ? 1 : fm.boundingRect(QRect(0, 0, 100000, 1000), Qt::AlignLeft | Qt::AlignTop, text_).width();
  return QSize(w + 2 * (frame_ ? kPad : 0), fm.height() + 2 * (frame_ ? kPad : 0));
}

QRect LabelWidget::innerRect() const {
  const int pad = frame_ ? kPad : 0;
  return rect().adjusted(pad, pad, -pad, -pad);
}

// The caption broken into lines at spaces to fit `width` (one line when the
// label does not wrap), the lines one font height apart with no extra leading,
// as the game's labels have always been drawn. Returns the height taken and
// sets `widest` to the widest line.
int LabelWidget::layOut(QTextLayout& layout, int width, int& widest) const {
  QTextOption option(align_ == Align::Left ? Qt::AlignLeft : align_ == Align::Right ? Qt::AlignRight : Qt::AlignHCenter);
  option.setWrapMode(wrap_ ? QTextOption::WordWrap : QTextOption::NoWrap);
  layout.setText(text_);
  layout.setFont(font());
  layout.setTextOption(option);
  const int step = QFontMetrics(font()).height();
  int y = 0;
  widest = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    widest = std::max(widest, static_cast<int>(std::ceil(line.naturalTextWidth())));
    y += step;
  }
  layout.endLayout();
  return y;
}

bool LabelWidget::captionFits() const {
  const QRect inner = innerRect();
  QTextLayout layout;
  int widest = 0;
  const int height = layOut(layout, inner.width(), widest);
  return widest <= inner.width() && height <= inner.height() + 2;
}

void LabelWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!transparent_) p.fillRect(rect(), back_);
  if (!picture_.isNull()) p.drawPixmap(rect(), picture_);
  if (frame_) {
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (text_.isEmpty()) return;
  const QRect inner = innerRect();
  QTextLayout layout;
  int widest = 0;
  layOut(layout, inner.width(), widest);
  if (!isEnabled()) {
    // Greyed, engraved text of a disabled label.
    p.setPen(QColor(255, 255, 255));
    layout.draw(&p, inner.topLeft() + QPoint(1, 1));
    p.setPen(QColor(128, 128, 128));
  } else {
    p.setPen(fore_);
  }
  layout.draw(&p, inner.topLeft());
}

void LabelWidget::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
  e->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  pressed_ = false;
  e->accept();
  if (click && isEnabled()) emit clicked();
}

void LabelWidget::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (actsAsButton_ && plain && !e->isAutoRepeat() &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    e->accept();
    if (isEnabled()) emit clicked();
    return;
  }
  e->ignore();
}

void LabelWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // Qt's default treats it as a press, so its release would click again.
  pressed_ = false;
  e->accept();
}

}  // namespace sumdart
