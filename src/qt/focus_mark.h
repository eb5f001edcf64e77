// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mark round the control that has the keyboard focus: a ring of yellow
// inside black just outside the control, so one of the two stands out on any
// background. It shows only while the keyboard is in use (from a key press to
// the next mouse click), so a mouse player sees the windows as they always were.
// A focus frame to Qt, so screen readers leave it out of the window's tree; it
// places itself, on top of the control's neighbours, rather than by the style.
#include <QFocusFrame>
#include <QPointer>

namespace sumdart {

class FocusMark : public QFocusFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 4;  // pixels outside the control

  explicit FocusMark(QWidget* parent = nullptr);
  // Follows `w`, or hides when it is null.
  void follow(QWidget* w);

  // Whether the keyboard was used after the last mouse click, in any window.
  static bool keyboardInUse();

 signals:
  // The keyboard came into use, or a mouse click ended its use.
  void keyboardUseChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void place();
  QPointer<QWidget> target_;
};

}  // namespace sumdart
