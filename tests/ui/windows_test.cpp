// The windows that draw the screens: what a screen reader hears, the focus and
// Tab order, keys, clicks and double-clicks.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>

#include "qt/focus_mark.h"
#include "qt/speech.h"
#include "qt_app_env.h"
#include "ui_fixture.h"

namespace sumdart::testing_flow {
namespace {

// Mouse events at the middle of `w`; a double-click comes as Qt delivers it.
void mouse(QWidget* w, std::initializer_list<QEvent::Type> types = {QEvent::MouseButtonPress}) {
  const QPointF c = QRectF(w->rect()).center();
  for (const QEvent::Type type : types) {
    QMouseEvent e(type, c, w->mapToGlobal(c), Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
}
void doubleClick(QWidget* w) { mouse(w, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}); }

// Every window, and every control a person can use, is named for a screen
// reader, with the role of what it does; a picture is described. The backdrop
// never takes the focus: some window managers raise a focused window that
// covers the screen.
TEST_F(WindowsTest, EveryWindowAndControlIsNamedWithItsRole) {
  const std::pair<Kind, QAccessible::Role> roles[] = {{Kind::CheckBox, QAccessible::CheckBox}, {Kind::Option, QAccessible::RadioButton},
                                                      {Kind::TextBox, QAccessible::EditableText}, {Kind::ScrollBar, QAccessible::ScrollBar},
                                                      {Kind::Table, QAccessible::Table}};
  for (const Screen* s : openEverything()) {
    EXPECT_NE(heard(&window(s)), "") << name(*s);
    for (const FormCtl& fc : s->form.controls) {
      QWidget* c = window(s).control(fc.name);
      ASSERT_NE(c, nullptr) << fc.name;
      const auto* label = qobject_cast<LabelWidget*>(c);
      if (fc.click || fc.change || (fc.ctl->kind != Kind::Label && fc.ctl->kind != Kind::Panel) || (label && label->text().isEmpty() && !label->picture().isNull())) {
        EXPECT_NE(QString::fromStdString(heard(c)).trimmed(), "") << fc.name;
      }
      QAccessible::Role role = fc.click ? QAccessible::Button : QAccessible::NoRole;
      for (const auto& [kind, r] : roles) role = fc.ctl->kind == kind ? r : role;
      if (role != QAccessible::NoRole) { EXPECT_EQ(QAccessible::queryAccessibleInterface(c)->role(), role) << fc.name; }
    }
  }
  flow.showBackdrop();
  EXPECT_TRUE(window(flow.backdrop()).windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

// A screen reader hears the player-count buttons as numbers of players, a text
// box's whole number (Orca reads the line by its attribute runs), the chart as
// a table with headers, and each message once, as the speaker is shown again;
// a new game's first message waits until its window is up.
TEST_F(WindowsTest, ScreenReadersHearCountsWholeNumbersTheChartTableAndMessages) {
  openEverything();
  std::vector<std::string> counts;
  for (int k = 0; k < 4; ++k) counts.push_back(heard(widget(flow.setup(), arrayName("playerCountButtons", k))));
  EXPECT_EQ(counts, (std::vector<std::string>{"1 player", "2 players", "3 players", "4 players"}));
  auto* timeBox = widget<QLineEdit>(flow.setup(), "timeBox");
  QAccessibleTextInterface* time = QAccessible::queryAccessibleInterface(timeBox)->textInterface();
  ASSERT_NE(time, nullptr);
  int start = -1, end = -1;
  time->attributes(1, &start, &end);
  EXPECT_EQ(time->text(start, end).toStdString(), "300") << "one run over the whole text";
  // Left by Tab or by code, a box keeps its selection unseen and untold (Orca
  // said "Text unselected"); left by a click, it deselects.
  for (const auto& [reason, kept] : {std::pair{Qt::TabFocusReason, true}, {Qt::OtherFocusReason, true}, {Qt::MouseFocusReason, false}}) {
    timeBox->selectAll();
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(timeBox, &out);
    EXPECT_EQ(timeBox->hasSelectedText(), kept) << reason;
  }
  EXPECT_EQ(time->selectionCount(), 0) << "a box without the focus tells no selection";

  QWidget* chart = widget(flow.chart(), "table");
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(chart)->tableInterface();
  ASSERT_NE(table, nullptr);
  QAccessibleInterface* sevenEights = table->cellAt(6, 7);
  ASSERT_NE(sevenEights, nullptr);
  EXPECT_EQ(heard(sevenEights), "7 × 8 = 56");
  QAccessibleTableCellInterface* cell = sevenEights->tableCellInterface();
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(heard(cell->columnHeaderCells().value(0)), "8");
  EXPECT_EQ(heard(cell->rowHeaderCells().value(0)), "7");
  chart->setFocus();
  press(flow.chart(), Qt::Key_Down);
  press(flow.chart(), Qt::Key_Right);
  EXPECT_EQ(heard(QAccessible::queryAccessibleInterface(chart)->focusChild()), "2 × 2 = 4");

  ASSERT_TRUE(flow.startGame(NewGame{}));
  GameScreen& game = *flow.currentGame();
  windows.afterEvent();
  auto* speaker = window(&game).findChild<Speaker*>();
  ASSERT_NE(speaker, nullptr);
  struct Shows : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == QEvent::Show, false; }
  } shows;
  speaker->installEventFilter(&shows);
  EXPECT_TRUE(speaker->isHidden()) << "held until the new window is active";
  ASSERT_TRUE(test::runUntil([&] { return !speaker->isHidden(); }, 3000));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(speaker)->role(), QAccessible::Notification);
  EXPECT_EQ(heard(speaker), "Blue to Play");
  EXPECT_EQ(speaker->size(), QSize(0, 0)) << "nothing a mouse player sees";
  for (const char* message : {"One.", "Two."}) {  // each message once, not again with the next
    game.form.say(message);
    windows.afterEvent();
    EXPECT_TRUE(test::runUntil([&] { return heard(speaker) == message; }, 3000)) << heard(speaker);
  }
  EXPECT_EQ(shows.n, 3) << "shown again for each message, or the screen reader says nothing";
}

// Focus starts where a person begins on each screen, and Tab goes round every
// control a person can use: the set-up screen's boxes first, then reading
// order, the board as one stop on its picked cell.
TEST_F(WindowsTest, FocusStartsWhereAPersonBeginsAndTabGoesRoundInReadingOrder) {
  openEverything();
  const std::pair<const Screen*, std::vector<std::string>> rows[] = {
      {flow.setup(), {"timeBox", "playSoundTick", "timersOnTick", "hideDesktopTick", "targetBox", "rulesButton", "playerCountButtons(0)",
                      "playerCountButtons(1)", "playerCountButtons(2)", "playerCountButtons(3)", "exitButton"}},
      {flow.currentGame(), {"throwButton", "cheatChartButton", "boardCells(0)", "exitButton", "newGameButton"}},
      {flow.rules(2), {"nextPageButton", "exitButton", "throwButton", "cheatChartButton", "previousPageButton"}}};
  for (const auto& [screen, order] : rows) {
    std::vector<std::string> seen;
    for (std::size_t k = 0; k < order.size(); ++k) seen.push_back(focused(screen)), press(screen, Qt::Key_Tab);
    EXPECT_EQ(seen, order);
    EXPECT_EQ(focused(screen), order.front()) << "round again";
    press(screen, Qt::Key_Backtab);
    EXPECT_EQ(focused(screen), order.back());
  }
}

// The close box asks the screen; a double-click acts once; the focus mark shows
// only while the keyboard is in use; the boxes take digits only, and Return in
// the time box moves to the target; Space and Return press a button; Escape
// closes the chart and leaves a rules page.
TEST_F(WindowsTest, ClicksAndKeysDoWhatAPersonExpects) {
  flow.start();
  QCloseEvent close;
  QApplication::sendEvent(&window(flow.title()), &close);
  EXPECT_EQ(quits, std::vector<int>{0}) << "closing the title screen ends the program";
  window(flow.title()).activateWindow();
  QApplication::processEvents();
  auto* mark = window(flow.title()).findChild<FocusMark*>();
  ASSERT_NE(mark, nullptr);
  press(flow.title(), Qt::Key_Tab);
  press(flow.title(), Qt::Key_Backtab);
  EXPECT_TRUE(mark->isVisible());
  EXPECT_EQ(mark->geometry(), widget(flow.title(), "okButton")->geometry().adjusted(-4, -4, 4, 4));
  mouse(widget(flow.title(), "picture"));
  EXPECT_FALSE(mark->isVisible()) << "a mouse click ends the keyboard's use";
  doubleClick(widget(flow.title(), "okButton"));
  EXPECT_EQ(clicks(), 1);

  const SetupScreen* setup = flow.setup();
  ASSERT_NE(setup, nullptr);
  widget<QLineEdit>(setup, "targetBox")->selectAll();
  widget(setup, "targetBox")->setFocus();
  typeKeys(setup, "a3 b0x1.9");
  EXPECT_EQ(setup->targetBox.caption, "301") << "letters refused; three characters at most";
  widget(setup, "timeBox")->setFocus();
  press(setup, Qt::Key_Return, "\r");
  EXPECT_EQ(focused(setup), "targetBox");
  doubleClick(widget(setup, "hideDesktopTick"));
  EXPECT_FALSE(setup->hideDesktopTick.checked) << "ticked once";
  widget(setup, "rulesButton")->setFocus();
  press(setup, Qt::Key_Space, " ");
  press(flow.rules(1), Qt::Key_Return);
  ASSERT_NE(flow.rules(2), nullptr) << ">> Next Page had the focus";
  flow.openChart();
  press(flow.chart(), Qt::Key_Escape);
  EXPECT_EQ(flow.chart(), nullptr);
  press(flow.rules(2), Qt::Key_Escape);
  EXPECT_EQ(flow.rules(2), nullptr) << "Escape is the page's Exit";
  EXPECT_NE(flow.setup(), nullptr);
}

// Keys reach the game through its window; while the dice roll they wait, but
// S, which only tells the scores, is taken.
TEST_F(WindowsTest, KeysWaitWhileTheGameIsBusyButSTellsTheScores) {
  GameScreen& game = toGame(2);
  windows.afterEvent();
  random.pushThrow(1, 1, 1, 1);
  typeKeys(&game, "tcs");
  EXPECT_EQ(flow.chart(), nullptr) << "C waits while the dice roll";
  const auto* speaker = window(&game).findChild<Speaker*>();
  EXPECT_TRUE((speaker->text() + speaker->waiting()).contains(u"Blue 501, 300 seconds left; Red 501")) << speaker->waiting().toStdString();
  clock.advance(2500);
  typeKeys(&game, "c");
  EXPECT_NE(flow.chart(), nullptr);
}

}  // namespace
}  // namespace sumdart::testing_flow
