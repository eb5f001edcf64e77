// The windows that draw the screens, on the offscreen platform with the
// generated pictures: every control inside its window with its caption fitting,
// clicks and double-clicks, the key filter and the close box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyle>

#include "../screens/flow_fixture.h"
#include "qt/focus_mark.h"
#include "qt/label_widget.h"
#include "qt/qt_desktop.h"
#include "qt/screen_windows.h"
#include "qt/speech.h"
#include "qt_app_env.h"

namespace sumdart::testing_flow {
namespace {

class WindowsTest : public FlowTest {
 protected:
  WindowsTest() { flow.setView(&windows); }
  ~WindowsTest() override { flow.setView(nullptr); }

  FormWindow& window(const Screen* s) {
    FormWindow* w = s ? windows.window(*s) : nullptr;
    EXPECT_NE(w, nullptr);
    return *w;
  }
  template <class W = QWidget>
  W* widget(const Screen* s, const std::string& name) {
    auto* w = qobject_cast<W*>(window(s).control(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static void mouse(QWidget* w, QEvent::Type type) {
    const QPointF c = QRectF(w->rect()).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, c, w->mapToGlobal(c), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  // A double-click as Qt delivers it: press, release, double-click, release.
  static void doubleClick(QWidget* w) {
    for (auto t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                   QEvent::MouseButtonRelease})
      mouse(w, t);
  }
  static void type(QWidget* w, const QString& keys) {
    for (QChar ch : keys) {
      const int key = ch == u'\r' ? int{Qt::Key_Return} : int{ch.toUpper().unicode()};
      QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(w, &e);
    }
  }

  // A key pressed where the window's focus is.
  void press(const Screen* s, int key, const QString& text = {}) {
    FormWindow& w = window(s);
    QWidget* to = w.focusWidget() ? w.focusWidget() : &w;
    QKeyEvent e(QEvent::KeyPress, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier, text);
    QApplication::sendEvent(to, &e);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w.focusWidget() ? w.focusWidget() : &w, &up);
  }
  void typeKeys(const Screen* s, const std::string& keys) {
    for (char c : keys) press(s, QChar(c).toUpper().unicode(), QString(QChar(c)));
  }
  std::string focused(const Screen* s) {
    const QWidget* f = window(s).focusWidget();
    return f ? f->objectName().toStdString() : "";
  }

  QtDesktop qtDesktop{{QStringLiteral(SUMDART_ASSET_DIR)}};
  ScreenWindows windows{qtDesktop, [this] { flow.settle(); }};
};

TEST_F(WindowsTest, EveryWindowHasItsSizeAndEveryControlItsNameAndRole) {
  flow.start();
  flow.showSetup();
  flow.showOpponent({});
  flow.showBackdrop();
  flow.openChart();
  for (int page = 1; page <= 3; ++page) flow.showRules(page);
  ASSERT_TRUE(flow.startGame(NewGame{}));
  GameScreen* game = flow.currentGame();
  windows.afterEvent();
  const Screen* screens[] = {flow.title(), flow.setup(), flow.opponent(), game, flow.rules(1), flow.rules(2),
                             flow.rules(3), flow.chart()};
  for (const Screen* s : screens) {
    FormWindow& w = window(s);
    const QSize client = s->form.place == Placement::Fit ? QSize(800, 600)
                                                         : QSize(qRound(s->form.width / 15), qRound(s->form.height / 15));
    EXPECT_EQ(w.size(), client) << s->form.controls[0].name;
    const QAccessibleInterface* named = QAccessible::queryAccessibleInterface(&w);
    EXPECT_TRUE(named->role() == QAccessible::Window && !named->text(QAccessible::Name).trimmed().isEmpty())
        << s->form.controls[0].name;
    for (const FormCtl& fc : s->form.controls) {
      QWidget* c = w.control(fc.name);
      ASSERT_NE(c, nullptr) << fc.name;
      // Every control a person can use is named for a screen reader, with the role of what it does.
      if (fc.click || fc.change || (fc.ctl->kind != Kind::Label && fc.ctl->kind != Kind::Panel)) {
        const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
        ASSERT_NE(a, nullptr) << fc.name;
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << fc.name;
        EXPECT_EQ(a->role(), fc.ctl->kind == Kind::CheckBox    ? QAccessible::CheckBox
                             : fc.ctl->kind == Kind::Option    ? QAccessible::RadioButton
                             : fc.ctl->kind == Kind::TextBox   ? QAccessible::EditableText
                             : fc.ctl->kind == Kind::ScrollBar ? QAccessible::ScrollBar
                             : fc.ctl->kind == Kind::Table     ? QAccessible::Table
                                                               : QAccessible::Button)
            << fc.name;
      }
      if (auto* label = qobject_cast<LabelWidget*>(c); label && label->text().isEmpty() && !label->picture().isNull()) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty())
            << "a picture is described: " << fc.name;
      }
      // Where each control lies and whether its caption fits, in every language: languages_test.cpp.
    }
  }
  EXPECT_EQ(window(flow.backdrop()).geometry(), QApplication::primaryScreen()->geometry());
  // Kept below and never focused: some window managers raise a focused window
  // that covers the screen above all others.
  EXPECT_TRUE(window(flow.backdrop()).windowFlags().testFlags(Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus));
}

// The close box asks the screen; a double-click on a button, a tick box or an
// option acts once; the title screen's OK destroys its window only after the
// click is over.
TEST_F(WindowsTest, CloseBoxAndDoubleClicksAndALeftScreenGoesAfterItsClick) {
  flow.start();
  QCloseEvent close;
  QApplication::sendEvent(&window(flow.title()), &close);
  EXPECT_EQ(quits, std::vector<int>{0}) << "closing the title screen ends the program";
  QPointer<FormWindow> title = &window(flow.title());
  doubleClick(widget(flow.title(), "okButton"));
  EXPECT_EQ(clicks(), 1);
  EXPECT_EQ(flow.title(), nullptr);
  EXPECT_TRUE(title && title->isHidden()) << "hidden at once, deleted later";
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(title.isNull());

  doubleClick(widget(flow.setup(), "hideDesktopTick"));
  EXPECT_EQ(m.hideDesktop, 0);
  EXPECT_FALSE(flow.setup()->hideDesktopTick.checked);
  EXPECT_EQ(flow.backdrop(), nullptr);
  EXPECT_EQ(clicks(), 2);
  doubleClick(widget(flow.setup(), "playerCountButtons(0)"));
  EXPECT_EQ(clicks(), 3);
  doubleClick(widget(flow.opponent(), "levelOptions(0)"));
  EXPECT_EQ(clicks(), 4);
  flow.showRules(2);
  doubleClick(widget(flow.rules(2), "cheatChartButton"));
  EXPECT_EQ(clicks(), 5);
  EXPECT_TRUE(flow.opponent()->levelOptions[0].checked && !flow.opponent()->levelOptions[2].checked);
}

// A screen reader hears the player-count buttons as numbers of players, a
// text box's whole number (Orca reads the line by its attribute runs), the
// chart as a table with headers, and what a screen says through the window's
// notification.
TEST_F(WindowsTest, ScreenReadersHearCountsWholeNumbersTheChartTableAndMessages) {
  flow.start();
  flow.showSetup();
  windows.afterEvent();
  const auto name = [](QAccessibleInterface* a) { return a ? a->text(QAccessible::Name).toStdString() : std::string("(none)"); };
  std::vector<std::string> counts;
  for (int k = 0; k < 4; ++k)
    counts.push_back(name(QAccessible::queryAccessibleInterface(widget(flow.setup(), "playerCountButtons(" + std::to_string(k) + ")"))));
  EXPECT_EQ(counts, (std::vector<std::string>{"1 player", "2 players", "3 players", "4 players"}));
  QAccessibleTextInterface* time = QAccessible::queryAccessibleInterface(widget(flow.setup(), "timeBox"))->textInterface();
  ASSERT_NE(time, nullptr);
  int start = -1, end = -1;
  time->attributes(1, &start, &end);
  EXPECT_EQ(time->text(start, end).toStdString(), "300") << "one run over the whole text";
  EXPECT_EQ(time->textAtOffset(3, QAccessible::WordBoundary, &start, &end).toStdString(), "300") << "the word at the end";
  // Left by Tab, a box keeps its selection unseen and untold: Orca said
  // "Text unselected" when a selection went, wherever the focus was.
  // Left by a click, it deselects as it always has.
  auto* timeBox = widget<QLineEdit>(flow.setup(), "timeBox");
  for (const auto& [reason, kept] : {std::pair{Qt::TabFocusReason, true}, {Qt::BacktabFocusReason, true},
                                     {Qt::OtherFocusReason, true}, {Qt::MouseFocusReason, false}}) {
    timeBox->selectAll();
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(timeBox, &out);
    EXPECT_EQ(timeBox->hasSelectedText(), kept) << reason;
  }
  EXPECT_EQ(time->selectionCount(), 0) << "a box without the focus tells no selection";

  flow.openChart();
  windows.afterEvent();
  QWidget* chart = widget(flow.chart(), "table");
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(chart);
  ASSERT_TRUE(table && table->tableInterface());
  EXPECT_EQ(table->tableInterface()->rowCount() * 100 + table->tableInterface()->columnCount(), 1050);
  QAccessibleInterface* cell = table->tableInterface()->cellAt(6, 7);
  ASSERT_TRUE(cell && cell->tableCellInterface());
  EXPECT_EQ(name(cell) + " | " + name(cell->tableCellInterface()->columnHeaderCells().value(0)) + " | " +
                name(cell->tableCellInterface()->rowHeaderCells().value(0)) + " | " + name(table->child(table->indexOfChild(cell))),
            "7 × 8 = 56 | 8 | 7 | 7 × 8 = 56");
  EXPECT_EQ(cell->parent(), table);
  chart->setFocus();
  press(flow.chart(), Qt::Key_Down);
  press(flow.chart(), Qt::Key_Right);
  EXPECT_EQ(name(table->focusChild()), "2 × 2 = 4");

  ASSERT_TRUE(flow.startGame(NewGame{}));  // a new game says whose turn it is
  GameScreen& game = *flow.currentGame();
  windows.afterEvent();
  auto* speaker = window(&game).findChild<Speaker*>();
  ASSERT_NE(speaker, nullptr);
  EXPECT_TRUE(speaker->isHidden() && speaker->waiting() == "Blue to Play") << "held until the new window is active";
  ASSERT_TRUE(test::runUntil([&] { return !speaker->isHidden(); }, 3000)) << "said once the window is up, or soon after";
  QAccessibleInterface* said = QAccessible::queryAccessibleInterface(speaker);
  EXPECT_EQ(said->role(), QAccessible::Notification);
  EXPECT_EQ(name(said), "Blue to Play");
  EXPECT_EQ(speaker->size(), QSize(0, 0)) << "nothing a mouse player sees";
  EXPECT_TRUE(game.form.speech.empty());
}

TEST_F(WindowsTest, TextBoxesTakeDigitsOnlyAndEnterMovesToTheTarget) {
  flow.start();
  flow.showSetup();
  auto* target = widget<QLineEdit>(flow.setup(), "targetBox");
  auto* time = widget<QLineEdit>(flow.setup(), "timeBox");
  EXPECT_EQ(window(flow.setup()).focusWidget(), time);
  target->selectAll();
  type(target, QStringLiteral("a3 b0x1.9"));
  EXPECT_EQ(flow.setup()->targetBox.caption, "301") << "letters refused; three characters at most";
  time->clear();
  type(time, QStringLiteral("12345\r"));
  EXPECT_EQ(flow.setup()->timeBox.caption, "1234");
  EXPECT_EQ(window(flow.setup()).focusWidget(), target);
}

// Focus starts where a person begins on each screen, and Tab goes round every
// control a person can use: the set-up screen's boxes first, then reading
// order, the board as one stop on its picked cell.
TEST_F(WindowsTest, FocusStartsWhereAPersonBeginsAndTabGoesRoundInReadingOrder) {
  flow.start();
  flow.showSetup();
  flow.showOpponent({});
  flow.openChart();
  for (int page = 1; page <= 3; ++page) flow.showRules(page);
  flow.startGame(NewGame{});
  windows.afterEvent();
  const struct {
    const Screen* screen;
    std::vector<std::string> order;  // from where the focus starts
  } rows[] = {
      {flow.title(), {"okButton", "exitButton", "restartButton"}},
      {flow.setup(),
       {"timeBox", "playSoundTick", "timersOnTick", "hideDesktopTick", "targetBox", "rulesButton", "playerCountButtons(0)",
        "playerCountButtons(1)", "playerCountButtons(2)", "playerCountButtons(3)", "exitButton"}},
      {flow.opponent(), {"soloButton", "computerButton", "exitButton", "levelOptions(0)", "levelOptions(1)", "levelOptions(2)"}},
      {flow.currentGame(), {"throwButton", "cheatChartButton", "boardCells(0)", "exitButton", "newGameButton"}},
      {flow.rules(1), {"nextPageButton", "exitButton"}},
      {flow.rules(2), {"nextPageButton", "exitButton", "throwButton", "cheatChartButton", "previousPageButton"}},
      {flow.rules(3), {"exitButton", "printButton", "previousPageButton"}},
      {flow.chart(), {"table", "scrollBar"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.order.front());
    std::vector<std::string> seen{focused(r.screen)};
    for (std::size_t k = 0; k < r.order.size(); ++k) {
      press(r.screen, Qt::Key_Tab);
      seen.push_back(focused(r.screen));
    }
    std::vector<std::string> round = r.order;
    round.push_back(r.order.front());
    EXPECT_EQ(seen, round);
    press(r.screen, Qt::Key_Backtab);
    EXPECT_EQ(focused(r.screen), r.order.back());
  }
}

// Space and Return press a button as a click does; Space ticks a tick box;
// Escape closes the chart and leaves a rules page; the mark round the focused
// control shows only while the keyboard is in use.
TEST_F(WindowsTest, KeysPressButtonsTickBoxesAndEscapeClosesHelp) {
  flow.start();
  FormWindow& title = window(flow.title());
  title.activateWindow();
  QApplication::processEvents();
  auto* mark = title.findChild<FocusMark*>();  // made with the controls
  ASSERT_NE(mark, nullptr);
  mouse(widget(flow.title(), "picture"), QEvent::MouseButtonPress);
  EXPECT_FALSE(mark->isVisible()) << "no mark for a mouse player";
  press(flow.title(), Qt::Key_Tab);
  press(flow.title(), Qt::Key_Backtab);
  ASSERT_EQ(focused(flow.title()), "okButton");
  ASSERT_TRUE(title.isActiveWindow());
  EXPECT_TRUE(mark->isVisible());
  EXPECT_EQ(mark->geometry(), widget(flow.title(), "okButton")->geometry().adjusted(-4, -4, 4, 4));
  mouse(widget(flow.title(), "picture"), QEvent::MouseButtonPress);
  EXPECT_FALSE(mark->isVisible()) << "a mouse click ends the keyboard's use";
  press(flow.title(), Qt::Key_Return);
  EXPECT_EQ(flow.title(), nullptr);
  EXPECT_EQ(clicks(), 1) << "the click's own sound";

  // The set-up screen: Space on a tick box ticks it, on a button presses it.
  const SetupScreen* setup = flow.setup();
  for (int k = 0; k < 3; ++k) press(setup, Qt::Key_Tab);
  ASSERT_EQ(focused(setup), "hideDesktopTick");
  press(setup, Qt::Key_Space, " ");
  EXPECT_FALSE(setup->hideDesktopTick.checked);
  EXPECT_EQ(m.hideDesktop, 0);
  for (int k = 0; k < 2; ++k) press(setup, Qt::Key_Tab);
  ASSERT_EQ(focused(setup), "rulesButton");
  press(setup, Qt::Key_Space, " ");
  ASSERT_NE(flow.rules(1), nullptr);
  press(flow.rules(1), Qt::Key_Return);
  ASSERT_NE(flow.rules(2), nullptr) << ">> Next Page had the focus";
  press(flow.rules(2), Qt::Key_Tab);
  press(flow.rules(2), Qt::Key_Tab);
  ASSERT_EQ(focused(flow.rules(2)), "throwButton");
  random.pushThrow(1, 2, 3, 4);
  press(flow.rules(2), Qt::Key_Space, " ");
  clock.advance(2500);
  windows.afterEvent();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(widget(flow.rules(2), "dice(3)"))->text(QAccessible::Name), "Die 4: 4");
  press(flow.rules(2), Qt::Key_Tab);
  press(flow.rules(2), Qt::Key_Return);
  ASSERT_NE(flow.chart(), nullptr);
  press(flow.chart(), Qt::Key_Escape);
  EXPECT_EQ(flow.chart(), nullptr);
  press(flow.rules(2), Qt::Key_Escape);
  for (int page = 1; page <= 3; ++page) EXPECT_EQ(flow.rules(page), nullptr) << "Escape is the page's Exit";
  EXPECT_NE(flow.setup(), nullptr);
  EXPECT_TRUE(quits.empty());
}

// A whole game of two players with the keyboard alone, from the title screen
// to the winner: T throws, digits pick a number, Return plays it.
TEST_F(WindowsTest, TwoPlayersPlayAWholeGameByKeyboard) {
  flow.start();
  press(flow.title(), Qt::Key_Return);
  const SetupScreen* setup = flow.setup();
  ASSERT_NE(setup, nullptr);
  typeKeys(setup, "\t");  // nothing: the time box takes digits only
  press(setup, Qt::Key_Backtab);
  ASSERT_EQ(focused(setup), "exitButton");
  press(setup, Qt::Key_Backtab);
  press(setup, Qt::Key_Backtab);
  press(setup, Qt::Key_Backtab);
  ASSERT_EQ(focused(setup), "playerCountButtons(1)");
  // The target is the set-up screen's default; each player needs 4 to finish.
  press(setup, Qt::Key_Space, " ");
  ASSERT_NE(flow.currentGame(), nullptr);
  // The same players carry on from a saved game where each needs 4 to finish.
  SavedGame nearTheEnd;
  nearTheEnd.scores = {4, 4, 501, 501};
  ASSERT_TRUE(flow.startGame(nearTheEnd));
  clock.advance(1);
  windows.afterEvent();
  GameScreen* game = flow.currentGame();
  // What a screen reader is told of the banner and the illegal-move notice.
  std::vector<std::string> told;
  for (const char* name : {"banner", "illegalMoveNotice"}) {
    auto* label = widget<LabelWidget>(game, name);
    QObject::connect(label, &LabelWidget::spokenNameChanged, label, [&told, label] { told.push_back(label->spokenName().toStdString()); });
  }
  const auto move = [&](std::array<int, 4> dice, const std::string& number) {
    random.pushThrow(dice[0], dice[1], dice[2], dice[3]);
    typeKeys(game, "t");
    clock.advance(2500);
    windows.afterEvent();
    typeKeys(game, number);
    press(game, Qt::Key_Return);
  };
  // Blue plays 2 (a single): 2 to go.
  move({1, 1, 1, 1}, "2");
  EXPECT_EQ(game->records().scorePanels[0].caption, "2");
  // Keys during the hand-over do nothing.
  const auto sounds = sound.played.size();
  typeKeys(game, "t3c");
  press(game, Qt::Key_Return);
  press(game, Qt::Key_Space, " ");
  EXPECT_EQ(sound.played.size(), sounds);
  EXPECT_EQ(flow.chart(), nullptr);
  const auto busy = game->pending();
  EXPECT_EQ(std::find(busy.begin(), busy.end(), "diceSettle"), busy.end()) << "no throw";
  clock.advance(2000);
  windows.afterEvent();
  ASSERT_EQ(game->records().banner.caption, "Red to Play");
  ASSERT_EQ(focused(game), "throwButton");
  // Red types a number the dice cannot make: an illegal move.
  move({1, 1, 1, 1}, "9");
  EXPECT_TRUE(game->records().illegalMoveNotice.visible);
  EXPECT_EQ(game->records().scorePanels[1].caption, "4");
  clock.advance(2000);
  // Blue finishes on double 1, typed twice to reach it.
  random.pushThrow(1, 1, 1, 1);
  typeKeys(game, "t");
  clock.advance(2500);
  windows.afterEvent();
  typeKeys(game, "2");
  clock.advance(1000);
  typeKeys(game, "2");
  windows.afterEvent();
  ASSERT_EQ(focused(game), "boardCells(26)");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window(game).focusWidget())->text(QAccessible::Name), "2, double 1");
  press(game, Qt::Key_Space, " ");
  EXPECT_EQ(game->records().scorePanels[0].caption, "0");
  clock.advance(4500);
  windows.afterEvent();
  EXPECT_EQ(game->records().banner.caption, "BLUE HAS WON!");
  EXPECT_EQ(told, (std::vector<std::string>{
                      "2, single 2. 2 points scored.", "Red to Play",
                      "9, single 9. You made an illegal move. You have lost your turn.", "Blue to Play",
                      "2, double 1. 2 points scored. GAME OVER!!!", "BLUE HAS WON!",
                      // The banner shows the end twice over, as it always has.
                      "2, double 1. 2 points scored. GAME OVER!!!", "BLUE HAS WON!"}));
  const QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(widget(game, "banner"));
  EXPECT_EQ(banner->role(), QAccessible::StatusBar);
  EXPECT_EQ(banner->text(QAccessible::Name), "BLUE HAS WON!");
}

}  // namespace
}  // namespace sumdart::testing_flow
