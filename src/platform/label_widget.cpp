#include "platform/label_widget.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "platform/twips.h"

namespace sumdart {

namespace {
QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
constexpr int kPad = 1;  // frame line
}  // namespace

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setAutoFillBackground(false);
}

QFont LabelWidget::fontFor(const FontSpec& f) {
  QFont font(QString::fromLatin1(f.family));
  // Tahoma is the narrow sibling of Verdana, as DejaVu Sans Condensed is of
  // DejaVu Sans: without it, its captions would not fit their boxes.
  if (font.family() == QLatin1String("Tahoma"))
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(f.points);
  font.setBold(f.bold);
  return font;
}

void LabelWidget::apply(const Ctl& c) {
  const bool first = !applied_;
  bool repaint = first;
  if (first || c.font.family != last_.font.family || c.font.points != last_.font.points ||
      c.font.bold != last_.font.bold) {
    setFont(fontFor(c.font));
    repaint = true;
  }
  if (first || c.caption != last_.caption) {
    text_ = QString::fromStdString(c.caption);
    repaint = true;
  }
  if (first || !(c.fore == last_.fore) || !(c.back == last_.back) || c.transparent != last_.transparent ||
      c.frame != last_.frame || c.align != last_.align || c.wrap != last_.wrap) {
    fore_ = toQColor(c.fore);
    back_ = toQColor(c.back);
    transparent_ = c.transparent;
    frame_ = c.frame;
    align_ = c.align;
    wrap_ = c.wrap;
    repaint = true;
  }
  // Geometry: an auto-sizing label keeps its top-left corner and takes its text's size.
  QRect box = twipsRect(c.left, c.top, c.width, c.height);
  if (c.autosize) box.setSize(textExtent());
  if (c.ownSize && !picture_.isNull()) box.setSize(picture_.size());
  if (box != geometry()) setGeometry(box);
  if (first || c.enabled != last_.enabled) {
    setEnabled(c.enabled);
    repaint = true;
  }
  if (first || c.visible != last_.visible) setVisible(c.visible);
  last_ = c;
  applied_ = true;
  if (repaint) update();
}

void LabelWidget::setPicture(const QPixmap& pix) {
  picture_ = pix;
  update();
}

QSize LabelWidget::textExtent() const {
  const QFontMetrics fm(font());
  // The width drawText needs for one line, bearings included.
  const int w = text_.isEmpty() ? 1 : fm.boundingRect(QRect(0, 0, 100000, 1000), Qt::AlignLeft | Qt::AlignTop, text_).width();
  return QSize(w + 2 * (frame_ ? kPad : 0), fm.height() + 2 * (frame_ ? kPad : 0));
}

int LabelWidget::textFlags() const {
  int flags = Qt::AlignTop;
  switch (align_) {
    case Align::Left: flags |= Qt::AlignLeft; break;
    case Align::Centre: flags |= Qt::AlignHCenter; break;
    case Align::Right: flags |= Qt::AlignRight; break;
  }
  if (wrap_) flags |= Qt::TextWordWrap;
  return flags;
}

QRect LabelWidget::innerRect() const {
  const int pad = frame_ ? kPad : 0;
  return rect().adjusted(pad, pad, -pad, -pad);
}

bool LabelWidget::captionFits() const {
  const QFontMetrics fm(font());
  const QRect inner = innerRect();
  const QRect need = fm.boundingRect(inner, textFlags(), text_);
  if (!wrap_) return fm.horizontalAdvance(text_) <= inner.width() && fm.height() <= inner.height() + 2;
  return need.width() <= inner.width() && need.height() <= inner.height() + 2;
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
  if (!isEnabled()) {
    // Greyed, engraved text of a disabled label.
    p.setPen(QColor(255, 255, 255));
    p.drawText(inner.translated(1, 1), textFlags(), text_);
    p.setPen(QColor(128, 128, 128));
  } else {
    p.setPen(fore_);
  }
  p.drawText(inner, textFlags(), text_);
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

void LabelWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // Qt's default treats it as a press, so its release would click again.
  pressed_ = false;
  e->accept();
}

}  // namespace sumdart
