// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows that draw the screens: what a screen reader hears, the focus and
// Tab order, keys, clicks and double-clicks.
#include <gtest/gtest.h>

#include <QMouseEvent>

#include "qt/focus_mark.h"
#include "ui_fixture.h"

namespace sumdart::testing_flow {
namespace {

// Mouse events at the middle of `w`: by default a double-click, as Qt delivers it.
void mouse(QWidget* w, std::initializer_list<QEvent::Type> types = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
  const QPointF c = QRectF(w->rect()).center();
  for (const QEvent::Type type : types) {
    QMouseEvent e(type, c, w->mapToGlobal(c), Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
}

// What a screen reader hears: every window, and every control a person can
// use, named, with the role of what it does, a picture described; the
// player-count buttons as numbers of players; a text box's whole number (Orca
// reads the line by its attribute runs); the chart as a table with headers; a
// new game's first message once its window is up, then each message once, the
// speaker shown again for each. What a person does: the focus mark shows only
// while the keyboard is in use; a double-click acts once; the boxes take digits
// only; Escape closes the chart.
TEST_F(WindowsTest, WhatAPersonHearsAndDoes) {
  const std::pair<Kind, QAccessible::Role> roles[] = {{Kind::CheckBox, QAccessible::CheckBox}, {Kind::Option, QAccessible::RadioButton},
      {Kind::TextBox, QAccessible::EditableText}, {Kind::ScrollBar, QAccessible::ScrollBar}, {Kind::Table, QAccessible::Table}};
  for (const Screen* s : openEverything()) {
    EXPECT_NE(heard(&window(s)), "") << name(*s);
    for (const FormCtl& fc : s->form.controls) {
      QWidget* c = widget(s, fc.name);
      const auto* label = qobject_cast<LabelWidget*>(c);
      const bool picture = label && label->text().isEmpty() && !label->picture().isNull();
      if (picture || fc.click || fc.change || (fc.ctl->kind != Kind::Label && fc.ctl->kind != Kind::Panel)) { EXPECT_NE(heard(c), "") << fc.name; }
      QAccessible::Role role = fc.click ? QAccessible::Button : QAccessible::NoRole;
      for (const auto& [kind, r] : roles) role = fc.ctl->kind == kind ? r : role;
      if (role != QAccessible::NoRole) { EXPECT_EQ(QAccessible::queryAccessibleInterface(c)->role(), role) << fc.name; }
    }
  }
  std::vector<std::string> counts;
  for (int k = 0; k < 4; ++k) counts.push_back(heard(widget(flow.setup(), arrayName("playerCountButtons", k))));
  EXPECT_EQ(counts, (std::vector<std::string>{"1 player", "2 players", "3 players", "4 players"}));
  auto* timeBox = widget<QLineEdit>(flow.setup(), "timeBox");
  QAccessibleTextInterface* time = QAccessible::queryAccessibleInterface(timeBox)->textInterface();
  ASSERT_NE(time, nullptr);
  int start = -1, end = -1;
  time->attributes(1, &start, &end);
  EXPECT_EQ(time->text(start, end).toStdString(), "300") << "one run over the whole text";
  // Left by Tab, a box keeps its selection unseen and untold (Orca said "Text unselected").
  timeBox->selectAll();
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(timeBox, &out);
  EXPECT_TRUE(timeBox->hasSelectedText());
  EXPECT_EQ(time->selectionCount(), 0) << "a box without the focus tells no selection";
  QWidget* chart = widget(flow.chart(), "table");
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(chart)->tableInterface();
  ASSERT_NE(table, nullptr);
  QAccessibleTableCellInterface* cell = table->cellAt(6, 7) ? table->cellAt(6, 7)->tableCellInterface() : nullptr;
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(heard(table->cellAt(6, 7)) + "|" + heard(cell->columnHeaderCells().value(0)) + "|" + heard(cell->rowHeaderCells().value(0)),
            "7 × 8 = 56|8|7");

  window(flow.title()).activateWindow();
  QApplication::processEvents();
  auto* mark = window(flow.title()).findChild<FocusMark*>();
  ASSERT_NE(mark, nullptr);
  press(flow.title(), Qt::Key_Tab);
  EXPECT_TRUE(mark->isVisible());
  mouse(widget(flow.title(), "picture"), {QEvent::MouseButtonPress});
  EXPECT_FALSE(mark->isVisible()) << "a mouse click ends the keyboard's use";
  mouse(widget(flow.title(), "okButton"));  // a double-click
  EXPECT_EQ(clicks(), 1);
  widget<QLineEdit>(flow.setup(), "targetBox")->selectAll();
  widget(flow.setup(), "targetBox")->setFocus();
  for (const char c : std::string("a3 b0x1.9")) press(flow.setup(), QChar(c).toUpper().unicode(), QString(QChar(c)));
  EXPECT_EQ(flow.setup()->targetBox.caption, "301") << "letters refused; three characters at most";

  ASSERT_TRUE(flow.startGame(NewGame{}));
  GameScreen& game = *flow.currentGame();
  windows.afterEvent();
  auto* speaker = window(&game).findChild<Speaker*>();
  ASSERT_NE(speaker, nullptr);
  EventCount shows(QEvent::Show);
  speaker->installEventFilter(&shows);
  EXPECT_TRUE(speaker->isHidden()) << "held until the new window is active";
  ASSERT_TRUE(test::runUntil([&] { return !speaker->isHidden(); }, 3000));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(speaker)->role(), QAccessible::Notification);
  EXPECT_EQ(heard(speaker), "Blue to Play");
  for (const char* message : {"One.", "Two."}) {  // each message once, not again with the next
    game.form.say(message);
    windows.afterEvent();
    EXPECT_TRUE(test::runUntil([&] { return heard(speaker) == message; }, 3000)) << heard(speaker);
  }
  EXPECT_EQ(shows.n, 3) << "shown again for each message, or the screen reader says nothing";
  press(&game, Qt::Key_T, "t");  // while the dice roll the game takes no keys, but S is told
  press(&game, Qt::Key_S, "s");
  EXPECT_TRUE(test::runUntil([&] { return heard(speaker) == "Blue 501, Red 501."; }, 3000)) << heard(speaker);
  press(flow.chart(), Qt::Key_Escape);
  EXPECT_EQ(flow.chart(), nullptr) << "Escape closes the chart";
}

}  // namespace
}  // namespace sumdart::testing_flow
