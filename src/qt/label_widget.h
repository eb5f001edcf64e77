// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label drawn the way the game's screens want it: caption, text and back
// colours, transparent or filled, a thin frame, greyed text when disabled, an
// optional picture (stretched to the box, or the box at the picture's own size),
// and a `clicked` signal for a single left click. The second click of a
// double-click is not another click: children double-click everything. Space or
// Return on a label that has the focus is a click too. Screen readers see it as
// a button, a status text, a picture or static text, named by its spoken name
// or else its caption.
#include <QPixmap>
#include <QTextLayout>
#include <QWidget>

#include "state/control.h"

namespace sumdart {

class LabelWidget : public QWidget {
  Q_OBJECT
 public:
  explicit LabelWidget(QWidget* parent = nullptr);

  // Draws the record into the widget: geometry (twips), colours, font, text,
  // Visible and Enabled. Does nothing for properties that have not changed.
  void apply(const Ctl& c);
  void setPicture(const QPixmap& pix);
  const QPixmap& picture() const { return picture_; }

  QString text() const { return text_; }
  // What a screen reader calls it.
  QString spokenName() const { return spoken_; }
  // A status text: a screen reader reads out each change.
  bool isStatus() const { return last_.announced; }
  // A label with a click handler is a button to a screen reader.
  void setActsAsButton(bool on) { actsAsButton_ = on; }
  bool actsAsButton() const { return actsAsButton_; }
  // A frame or panel that only groups other controls.
  bool isPanel() const { return last_.kind == Kind::Panel; }
  // Size the caption needs in pixels, for labels that size themselves to their text.
  QSize textExtent() const;
  // Whether the caption fits inside the box (on one line, or wrapped at spaces).
  bool captionFits() const;

  static QFont fontFor(const FontSpec& f);

 signals:
  void clicked();
  // A screen reader was told a new name, or that a status text appeared.
  void spokenNameChanged();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  int layOut(QTextLayout& layout, int width, int& widest) const;
  void fitCaption(const QFont& base);
  QRect innerRect() const;

  Ctl last_;
  bool applied_ = false;
  QString text_;
  QString spoken_;
  QColor fore_, back_;
  bool transparent_ = true;
  bool frame_ = false;
  bool wrap_ = true;
  Align align_ = Align::Centre;
  QPixmap picture_;
  bool pressed_ = false;
  bool actsAsButton_ = false;
  QSize last_size_;
  double zoom_ = 0;  // the zoom its font was made for
  bool pictureChanged_ = false;
};

}  // namespace sumdart
