// The windows that draw the screens: sizes, what a screen reader hears, the
// focus and Tab order, keys, clicks and double-clicks, and a whole game by keys.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "qt/focus_mark.h"
#include "qt/speech.h"
#include "qt_app_env.h"
#include "ui_fixture.h"

namespace sumdart::testing_flow {
namespace {

void mouse(QWidget* w, QEvent::Type type) {
  const QPointF c = QRectF(w->rect()).center();
  QMouseEvent e(type, c, w->mapToGlobal(c), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
// A double-click as Qt delivers it: press, release, double-click, release.
void doubleClick(QWidget* w) {
  for (auto t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
    mouse(w, t);
}

// Every window has its size and a name; every control a person can use is
// named for a screen reader, with the role of what it does, and a picture is
// described.
TEST_F(WindowsTest, EveryWindowHasItsSizeAndEveryControlItsNameAndRole) {
  for (const Screen* s : openEverything()) {
    FormWindow& w = window(s);
    const QSize client = s->form.place == Placement::Fit ? QSize(800, 600) : QSize(qRound(s->form.width / 15), qRound(s->form.height / 15));
    EXPECT_EQ(w.size(), client) << name(*s);
    EXPECT_NE(heard(&w), "") << name(*s);
    for (const FormCtl& fc : s->form.controls) {
      QWidget* c = w.control(fc.name);
      ASSERT_NE(c, nullptr) << fc.name;
      const auto* label = qobject_cast<LabelWidget*>(c);
      if (fc.click || fc.change || (fc.ctl->kind != Kind::Label && fc.ctl->kind != Kind::Panel) ||
          (label && label->text().isEmpty() && !label->picture().isNull())) {
        EXPECT_NE(QString::fromStdString(heard(c)).trimmed(), "") << fc.name;
      }
      const std::pair<Kind, QAccessible::Role> roles[] = {
          {Kind::CheckBox, QAccessible::CheckBox}, {Kind::Option, QAccessible::RadioButton}, {Kind::TextBox, QAccessible::EditableText},
          {Kind::ScrollBar, QAccessible::ScrollBar}, {Kind::Table, QAccessible::Table}};
      QAccessible::Role role = fc.click ? QAccessible::Button : QAccessible::NoRole;
      for (const auto& [kind, r] : roles) role = fc.ctl->kind == kind ? r : role;
      if (role != QAccessible::NoRole) { EXPECT_EQ(QAccessible::queryAccessibleInterface(c)->role(), role) << fc.name; }
    }
  }
  flow.showBackdrop();
  EXPECT_EQ(window(flow.backdrop()).geometry(), QApplication::primaryScreen()->geometry());
  // Kept below and never focused: some window managers raise a focused window that covers the screen.
  EXPECT_TRUE(window(flow.backdrop()).windowFlags().testFlags(Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus));
}

// A screen reader hears the player-count buttons as numbers of players, a text
// box's whole number (Orca reads the line by its attribute runs), the chart as
// a table with headers, and a new game's first message once its window is up.
TEST_F(WindowsTest, ScreenReadersHearCountsWholeNumbersTheChartTableAndMessages) {
  openEverything();
  std::vector<std::string> counts;
  for (int k = 0; k < 4; ++k) counts.push_back(heard(widget(flow.setup(), "playerCountButtons(" + std::to_string(k) + ")")));
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
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(chart);
  ASSERT_TRUE(table && table->tableInterface());
  QAccessibleInterface* cell = table->tableInterface()->cellAt(6, 7);
  ASSERT_TRUE(cell && cell->tableCellInterface());
  EXPECT_EQ(heard(cell), "7 × 8 = 56");
  EXPECT_EQ(heard(cell->tableCellInterface()->columnHeaderCells().value(0)), "8");
  EXPECT_EQ(heard(cell->tableCellInterface()->rowHeaderCells().value(0)), "7");
  chart->setFocus();
  press(flow.chart(), Qt::Key_Down);
  press(flow.chart(), Qt::Key_Right);
  EXPECT_EQ(heard(table->focusChild()), "2 × 2 = 4");

  ASSERT_TRUE(flow.startGame(NewGame{}));  // a new game says whose turn it is
  GameScreen& game = *flow.currentGame();
  windows.afterEvent();
  auto* speaker = window(&game).findChild<Speaker*>();
  ASSERT_NE(speaker, nullptr);
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
}

// Focus starts where a person begins on each screen, and Tab goes round every
// control a person can use: the set-up screen's boxes first, then reading
// order, the board as one stop on its picked cell.
TEST_F(WindowsTest, FocusStartsWhereAPersonBeginsAndTabGoesRoundInReadingOrder) {
  openEverything();
  const std::pair<const Screen*, std::vector<std::string>> rows[] = {
      {flow.title(), {"okButton", "exitButton", "restartButton"}},
      {flow.setup(), {"timeBox", "playSoundTick", "timersOnTick", "hideDesktopTick", "targetBox", "rulesButton", "playerCountButtons(0)",
                      "playerCountButtons(1)", "playerCountButtons(2)", "playerCountButtons(3)", "exitButton"}},
      {flow.opponent(), {"soloButton", "computerButton", "exitButton", "levelOptions(0)", "levelOptions(1)", "levelOptions(2)"}},
      {flow.currentGame(), {"throwButton", "cheatChartButton", "boardCells(0)", "exitButton", "newGameButton"}},
      {flow.rules(2), {"nextPageButton", "exitButton", "throwButton", "cheatChartButton", "previousPageButton"}},
      {flow.rules(3), {"exitButton", "printButton", "previousPageButton"}},
      {flow.chart(), {"table", "scrollBar"}}};
  for (const auto& [screen, order] : rows) {
    std::vector<std::string> seen{focused(screen)};
    for (std::size_t k = 0; k < order.size(); ++k) press(screen, Qt::Key_Tab), seen.push_back(focused(screen));
    std::vector<std::string> round = order;
    round.push_back(order.front());
    EXPECT_EQ(seen, round);
    press(screen, Qt::Key_Backtab);
    EXPECT_EQ(focused(screen), order.back());
  }
}

// The close box asks the screen; a double-click acts once; Space and Return
// press a button, Space ticks a tick box, Return in the time box moves to the
// target, the boxes take digits only; Escape closes the chart and leaves a
// rules page; the focus mark shows only while the keyboard is in use.
TEST_F(WindowsTest, ClicksAndKeysDoWhatAPersonExpects) {
  flow.start();
  QCloseEvent close;
  QApplication::sendEvent(&window(flow.title()), &close);
  EXPECT_EQ(quits, std::vector<int>{0}) << "closing the title screen ends the program";
  FormWindow& title = window(flow.title());
  title.activateWindow();
  QApplication::processEvents();
  auto* mark = title.findChild<FocusMark*>();
  ASSERT_NE(mark, nullptr);
  press(flow.title(), Qt::Key_Tab);
  press(flow.title(), Qt::Key_Backtab);
  ASSERT_EQ(focused(flow.title()), "okButton");
  EXPECT_TRUE(mark->isVisible());
  EXPECT_EQ(mark->geometry(), widget(flow.title(), "okButton")->geometry().adjusted(-4, -4, 4, 4));
  mouse(widget(flow.title(), "picture"), QEvent::MouseButtonPress);
  EXPECT_FALSE(mark->isVisible()) << "a mouse click ends the keyboard's use";
  QPointer<FormWindow> titleWindow = &title;
  doubleClick(widget(flow.title(), "okButton"));
  EXPECT_EQ(clicks(), 1);
  EXPECT_EQ(flow.title(), nullptr);
  EXPECT_TRUE(titleWindow && titleWindow->isHidden()) << "a screen left in its own click is hidden at once, deleted later";
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(titleWindow.isNull());

  const SetupScreen* setup = flow.setup();
  auto* target = widget<QLineEdit>(setup, "targetBox");
  target->selectAll();
  for (QChar ch : QStringLiteral("a3 b0x1.9")) {
    QKeyEvent e(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &e);
  }
  EXPECT_EQ(setup->targetBox.caption, "301") << "letters refused; three characters at most";
  press(setup, Qt::Key_Return, "\r");
  EXPECT_EQ(focused(setup), "targetBox") << "Return in the time box";
  long before = clicks();
  doubleClick(widget(setup, "hideDesktopTick"));
  EXPECT_FALSE(setup->hideDesktopTick.checked);
  EXPECT_EQ(clicks(), before + 1);
  widget(setup, "hideDesktopTick")->setFocus();
  press(setup, Qt::Key_Space, " ");
  EXPECT_TRUE(setup->hideDesktopTick.checked);
  widget(setup, "rulesButton")->setFocus();
  press(setup, Qt::Key_Space, " ");
  press(flow.rules(1), Qt::Key_Return);
  ASSERT_NE(flow.rules(2), nullptr) << ">> Next Page had the focus";
  before = clicks();
  doubleClick(widget(flow.rules(2), "cheatChartButton"));
  EXPECT_EQ(clicks(), before + 1);
  ASSERT_NE(flow.chart(), nullptr);
  press(flow.chart(), Qt::Key_Escape);
  EXPECT_EQ(flow.chart(), nullptr);
  press(flow.rules(2), Qt::Key_Escape);
  for (int page = 1; page <= 3; ++page) EXPECT_EQ(flow.rules(page), nullptr) << "Escape is the page's Exit";
  EXPECT_NE(flow.setup(), nullptr);
}

// A game of two players by keys alone: T throws, digits pick a number (typed
// again, the next cell showing it), Return or Space plays it; keys do nothing
// during a hand-over; what a screen reader is told of each move.
TEST_F(WindowsTest, TwoPlayersPlayAWholeGameByKeyboard) {
  toGame(2);
  // The same two carry on from a saved game where each needs 4 to finish.
  SavedGame nearTheEnd;
  nearTheEnd.scores = {4, 4, 501, 501};
  ASSERT_TRUE(flow.startGame(nearTheEnd));
  clock.advance(1);
  GameScreen& game = *flow.currentGame();
  windows.afterEvent();
  std::vector<std::string> told;
  for (const char* name : {"banner", "illegalMoveNotice"}) {
    auto* label = widget<LabelWidget>(&game, name);
    QObject::connect(label, &LabelWidget::spokenNameChanged, label, [&told, label] { told.push_back(label->spokenName().toStdString()); });
  }
  const auto move = [&](const std::string& number, int key) {
    random.pushThrow(1, 1, 1, 1);
    typeKeys(&game, "t");
    clock.advance(2500);
    windows.afterEvent();
    for (char digit : number) digit == ' ' ? clock.advance(1000) : typeKeys(&game, std::string(1, digit));
    windows.afterEvent();
    press(&game, key, key == Qt::Key_Space ? " " : "");
  };
  move("2", Qt::Key_Return);  // Blue plays single 2
  EXPECT_EQ(game.records().scorePanels[0].caption, "2");
  const auto sounds = sound.played.size();
  typeKeys(&game, "t3c");
  press(&game, Qt::Key_Return);
  EXPECT_EQ(sound.played.size(), sounds) << "keys during the hand-over do nothing";
  typeKeys(&game, "s");  // but S, which only tells
  const auto* speaker = window(&game).findChild<Speaker*>();
  EXPECT_NE((speaker->text() + speaker->waiting()).toStdString().find("Blue 2, Red 4."), std::string::npos);
  EXPECT_EQ(flow.chart(), nullptr);
  const auto busy = game.pending();
  EXPECT_EQ(std::find(busy.begin(), busy.end(), "diceSettle"), busy.end()) << "no throw";
  clock.advance(2000);
  windows.afterEvent();
  ASSERT_EQ(focused(&game), "throwButton");
  move("9", Qt::Key_Return);  // Red: four ones cannot make 9
  EXPECT_EQ(game.records().scorePanels[1].caption, "4");
  clock.advance(2000);
  move("2 2", Qt::Key_Space);  // Blue: typed twice, the double 1
  EXPECT_EQ(focused(&game), "boardCells(26)");
  EXPECT_EQ(game.records().scorePanels[0].caption, "0");
  clock.advance(4500);
  windows.afterEvent();
  EXPECT_EQ(told, (std::vector<std::string>{
                      "2, single 2. 2 points scored.", "Red to Play",
                      "9, single 9. You made an illegal move. You have lost your turn.", "Blue to Play",
                      "2, double 1. 2 points scored. GAME OVER!!!", "BLUE HAS WON!",
                      // The banner shows the end twice over, as it always has.
                      "2, double 1. 2 points scored. GAME OVER!!!", "BLUE HAS WON!"}));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(widget(&game, "banner"))->role(), QAccessible::StatusBar);
}

}  // namespace
}  // namespace sumdart::testing_flow
