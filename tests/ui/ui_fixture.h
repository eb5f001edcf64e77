// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program drawn in its windows on the offscreen platform, with the
// generated pictures; keys sent where a person's focus is.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <stdexcept>

#include "../screens/flow_fixture.h"
#include "qt/label_widget.h"
#include "qt/qt_desktop.h"
#include "qt/screen_windows.h"
#include "qt/speech.h"
#include "qt_app_env.h"

namespace sumdart::testing_flow {

// Counts the events of one type that the objects it watches get.
struct EventCount : QObject {
  explicit EventCount(QEvent::Type t) : type(t) {}
  bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == type, false; }
  QEvent::Type type;
  int n = 0;
};

class WindowsTest : public FlowTest {
 protected:
  WindowsTest() { flow.setView(&windows); }
  ~WindowsTest() override { flow.setView(nullptr); }

  // Opens every screen but the backdrop: title, set-up, opponent, game, chart, rules 1 to 3.
  std::vector<const Screen*> openEverything() {
    flow.start();
    flow.showSetup();
    flow.showOpponent({});
    flow.startGame(NewGame{});
    for (int page = 1; page <= 3; ++page) flow.showRules(page);
    flow.openChart();
    windows.afterEvent();
    return {flow.title(), flow.setup(), flow.opponent(), flow.currentGame(), flow.chart(), flow.rules(1), flow.rules(2), flow.rules(3)};
  }
  FormWindow& window(const Screen* s) {
    if (FormWindow* w = s ? windows.window(*s) : nullptr) return *w;
    throw std::logic_error("the screen has no window");
  }
  template <class W = QWidget> W* widget(const Screen* s, const std::string& name) {
    if (W* w = qobject_cast<W*>(window(s).control(name))) return w;
    throw std::logic_error("no control " + name);
  }
  // What a screen reader hears an object called.
  static std::string heard(QAccessibleInterface* a) { return a ? a->text(QAccessible::Name).toStdString() : "(none)"; }
  static std::string heard(QObject* o) { return heard(QAccessible::queryAccessibleInterface(o)); }

  // A key pressed and let go where the window's focus is.
  void press(const Screen* s, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    FormWindow& w = window(s);
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent e(type, key, modifiers, text);
      QApplication::sendEvent(w.focusWidget() ? w.focusWidget() : &w, &e);
    }
  }

  QtDesktop qtDesktop{{QStringLiteral(SUMDART_ASSET_DIR)}};
  ScreenWindows windows{qtDesktop, [this] { flow.settle(); }};
};

}  // namespace sumdart::testing_flow
