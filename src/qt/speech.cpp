// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/speech.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>

#include "qt/accessible.h"

namespace sumdart {

namespace {

class SpeakerAccessible : public QAccessibleWidget {
 public:
  explicit SpeakerAccessible(Speaker* w) : QAccessibleWidget(w, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const Speaker*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

// A window that never becomes active (no window manager to activate it) still
// speaks, this long after its first message.
constexpr int kActivationWaitMs = 1000;
// Orca takes two shows of one object closer together than this as one.
constexpr int kSpacingMs = 100;

}  // namespace

Speaker::Speaker(QWidget* window) : QWidget(window) {
  installAccessible<Speaker, SpeakerAccessible>();
  setObjectName(QStringLiteral("speaker"));
  setGeometry(0, 0, 0, 0);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
  window->installEventFilter(this);
  windowSeen_ = window->isActiveWindow();
  spacing_.setSingleShot(true);
  connect(&spacing_, &QTimer::timeout, this, &Speaker::sayNow);
}

void Speaker::say(const QString& text) {
  if (text.isEmpty()) return;
  waiting_ = waiting_.isEmpty() ? text : waiting_ + QLatin1Char(' ') + text;
  if (windowSeen_) {
    sayNow();
  } else {
    QTimer::singleShot(kActivationWaitMs, this, [this] {
      windowSeen_ = true;
      sayNow();
    });
  }
}

void Speaker::sayNow() {
  if (waiting_.isEmpty() || spacing_.isActive()) return;
  if (lastShown_.isValid() && lastShown_.elapsed() < kSpacingMs) {
    spacing_.start(static_cast<int>(kSpacingMs - lastShown_.elapsed()));
    return;
  }
  lastShown_.start();
  text_ = waiting_;
  waiting_.clear();
  // Shown again with its new name: the screen reader speaks it. Nothing is
  // sent when no screen reader listens.
  hide();
  show();
}

bool Speaker::eventFilter(QObject* watched, QEvent* e) {
  if (watched == parent() && e->type() == QEvent::WindowActivate && !windowSeen_) {
    windowSeen_ = true;
    // After the screen reader has heard of the window and its focused control.
    QTimer::singleShot(0, this, &Speaker::sayNow);
  }
  return QWidget::eventFilter(watched, e);
}

}  // namespace sumdart
