// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window of any screen: a thin drawing of its Form. It makes a widget for
// every control record (labels and buttons, text boxes, tick boxes, option
// buttons, panels, a scroll bar), forwards the user's clicks, keys and changes to
// the screen's handlers, and draws the records again after every event. Tab
// moves through the controls a person can use: first in the order the screen
// gives, then in reading order; the control with the focus is marked while the
// keyboard is in use.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "state/form.h"

namespace sumdart {

class QtDesktop;
class FocusMark;
class Speaker;

class FormWindow : public QWidget {
  Q_OBJECT
 public:
  // `afterEvent` runs after every handler the window has called.
  FormWindow(Screen& screen, QtDesktop& desktop, std::function<void()> afterEvent);
  ~FormWindow() override;

  // Draws the records into the widgets (only what changed).
  void render();
  // The screen is gone: the window no longer draws it or calls its handlers.
  void detach() { screen_ = nullptr; }

  // The widget of a control by its name ("boardCells(3)"), or nullptr.
  QWidget* control(const std::string& name) const;

  // What a screen reader calls the window.
  QString spokenTitle() const { return spokenTitle_; }

  // The zoom changed: the window is placed, sized and drawn again.
  void rezoom();

 signals:
  // Ctrl+Plus (+1), Ctrl+Minus (-1) or Ctrl+0 (0).
  void zoomKey(int direction);
  // The window manager's frame makes the window this many pixels taller.
  void titleBarSeen(int height);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void moveEvent(QMoveEvent* e) override;

 private:
  void build();
  // The widget of a control, by its kind; `i` is its index in the form.
  QWidget* make(const FormCtl& fc, QWidget* parent);
  QWidget* makeTextBox(std::size_t i, QWidget* parent);
  QWidget* makeCheckBox(std::size_t i, QWidget* parent);
  QWidget* makeOption(std::size_t i, QWidget* parent);
  QWidget* makeScrollBar(std::size_t i, QWidget* parent);
  QWidget* makeLabel(const FormCtl& fc, std::size_t i, QWidget* parent);
  FormCtl* formCtl(std::size_t i) const;
  void apply(std::size_t i);
  void place();
  void handled();
  void chainFocus();
  void markFocus();

  Screen* screen_;
  QtDesktop& desktop_;
  std::function<void()> afterEvent_;
  std::vector<QPointer<QWidget>> widgets_;  // one per control, in the form's order
  std::vector<std::string> pictures_;       // picture shown by each control
  int placed_ = -1;                         // placement applied, -1 before the first
  FocusMark* mark_ = nullptr;
  Speaker* speaker_ = nullptr;  // made when the screen first says something
  QMetaObject::Connection focusWatch_;
  Rgb drawnBack_{};            // the window's own colour and picture as last drawn
  std::string drawnPicture_;
  double drawnZoom_ = 0;
  bool nudged_ = false;
  QString spokenTitle_;  // moved back inside the screen since it was last placed
};

}  // namespace sumdart
