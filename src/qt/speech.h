// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program says to a screen reader without moving the focus.
//
// Orca 43 (Debian 12) with Qt 6.4, as measured:
// - it speaks the focused control (role and name) when the focus moves, but it
//   drops name changes of any other object ("Event is for object other than
//   the locusOfFocus"), so a status text that changes is never heard;
// - a name change of the focused control itself is not heard either: Qt 6.4
//   sends the object as the event's text and Orca logs "bad content sent to
//   speak()";
// - status bars, alerts, windows shown without the focus, text-change events
//   and tooltips are not spoken; Qt 6.4 has no announcement event (it came in
//   6.8) and no AT-SPI "live" attribute;
// - what it does speak is an object whose role is notification as it is
//   shown: "notification TEXT.", also for a 0 x 0 widget nobody sees. A
//   second message waits for the first to end; the player's next key cuts one
//   off.
// - two shows of the same object less than about 50 ms apart are taken as one
//   event, and only the second message is heard.
// So a Speaker is a 0 x 0 child of a window with the notification role, named
// by what it is to say, hidden and shown again for every message; messages
// that come closer together than that are said as one.
#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace sumdart {

class Speaker : public QWidget {
  Q_OBJECT
 public:
  explicit Speaker(QWidget* window);

  // Says `text` now, or, while the window has never been active, as soon as it
  // is: a window that comes up is announced by the screen reader first, and
  // that would cut off a message sent before it.
  void say(const QString& text);
  // What it says now (its accessible name), and what waits for the window.
  QString text() const { return text_; }
  QString waiting() const { return waiting_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void sayNow();

  QString text_;
  QString waiting_;
  bool windowSeen_ = false;
  QElapsedTimer lastShown_;
  QTimer spacing_;  // holds a message back until the last has been taken
};

}  // namespace sumdart
