// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/focus_mark.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace sumdart {

namespace {

// Watches the whole program for key presses and mouse clicks.
class KeyboardUse : public QObject {
 public:
  static KeyboardUse& instance() {
    static KeyboardUse* use = [] {
      auto* u = new KeyboardUse;
      u->setParent(qApp);
      qApp->installEventFilter(u);
      return u;
    }();
    return *use;
  }
  bool inUse = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    const QEvent::Type t = e->type();
    bool now = inUse;
    if (t == QEvent::KeyPress && watched->isWidgetType()) {
      // Modifiers alone (Shift held for Shift+Tab) are not a use yet.
      const int key = static_cast<QKeyEvent*>(e)->key();
      if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta) now = true;
    } else if (t == QEvent::MouseButtonPress) {
      now = false;
    }
    if (now != inUse) {
      inUse = now;
      for (QObject* o : qApp->allWidgets()) {
        if (auto* mark = qobject_cast<FocusMark*>(o)) emit mark->keyboardUseChanged();
      }
    }
    return false;
  }
};

}  // namespace

FocusMark::FocusMark(QWidget* parent) : QFocusFrame(parent) {
  KeyboardUse::instance();
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

bool FocusMark::keyboardInUse() { return KeyboardUse::instance().inUse; }

void FocusMark::follow(QWidget* w) {
  if (target_ != w) {
    if (target_) target_->removeEventFilter(this);
    target_ = w;
    if (w) w->installEventFilter(this);
  }
  if (!w) {
    hide();
    return;
  }
  if (parentWidget() != w->parentWidget()) setParent(w->parentWidget());
  place();
  raise();
  show();
}

bool FocusMark::eventFilter(QObject* watched, QEvent* e) {
  if (watched == target_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) place();
  if (watched == target_ && e->type() == QEvent::Hide) hide();
  return false;
}

// Just outside the control.
void FocusMark::place() {
  if (!target_) return;
  const QRect box = target_->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth);
  if (geometry() != box) setGeometry(box);
}

void FocusMark::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  const int half = kWidth / 2;
  p.fillRect(QRect(r.left(), r.top(), r.width(), half), Qt::black);
  p.fillRect(QRect(r.left(), r.bottom() - half + 1, r.width(), half), Qt::black);
  p.fillRect(QRect(r.left(), r.top(), half, r.height()), Qt::black);
  p.fillRect(QRect(r.right() - half + 1, r.top(), half, r.height()), Qt::black);
  const QRect in = r.adjusted(half, half, -half, -half);
  p.fillRect(QRect(in.left(), in.top(), in.width(), half), Qt::yellow);
  p.fillRect(QRect(in.left(), in.bottom() - half + 1, in.width(), half), Qt::yellow);
  p.fillRect(QRect(in.left(), in.top(), half, in.height()), Qt::yellow);
  p.fillRect(QRect(in.right() - half + 1, in.top(), half, in.height()), Qt::yellow);
}

}  // namespace sumdart
