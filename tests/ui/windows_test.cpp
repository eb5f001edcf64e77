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
#include "qt/label_widget.h"
#include "qt/qt_desktop.h"
#include "qt/screen_windows.h"

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

  QtDesktop qtDesktop{{QStringLiteral(SUMDART_ASSET_DIR)}};
  ScreenWindows windows{qtDesktop, [this] { flow.settle(); }};
};

TEST_F(WindowsTest, EveryControlLiesInsideItsWindowAndItsCaptionFits) {
  flow.start();
  flow.showSetup();
  flow.showOpponent();
  flow.showBackdrop();
  flow.openChart();
  for (int page = 1; page <= 3; ++page) flow.showRules(page);
  GameScreen* game = flow.game();
  ASSERT_NE(game, nullptr);
  flow.showGame();
  // The longest texts the changing labels take.
  game->st.banner.caption = "YELLOW HAS WON!";
  game->st.computerNotice.caption = "The computer is playing as red. Level 2 - Medium";
  for (std::size_t n = 1; n <= 4; ++n) game->st.scorePanels[n].caption = "999";
  for (auto& c : game->st.clocks) c.caption = "9999";
  windows.afterEvent();
  const Screen* screens[] = {flow.title(), flow.setup(), flow.opponent(), game, flow.rules(1), flow.rules(2),
                             flow.rules(3), flow.chart()};
  for (const Screen* s : screens) {
    FormWindow& w = window(s);
    const QSize client = s->form.place == Placement::Fit ? QSize(800, 600)
                                                         : QSize(qRound(s->form.width / 15), qRound(s->form.height / 15));
    EXPECT_EQ(w.size(), client) << s->form.controls[0].name;
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
                                                               : QAccessible::Button)
            << fc.name;
      }
      if (auto* label = qobject_cast<LabelWidget*>(c); label && label->text().isEmpty() && !label->picture().isNull()) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).isEmpty())
            << "a picture is described: " << fc.name;
      }
      // Panels, and the chart's cells that lie beyond its edge until scrolled to.
      if (fc.ctl->kind == Kind::Panel || s == flow.chart()) continue;
      const QRect box(c->mapTo(&w, QPoint(0, 0)), c->size());
      EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(box)) << fc.name;
      bool fits = true;
      if (auto* label = qobject_cast<LabelWidget*>(c)) fits = label->text().isEmpty() || label->captionFits();
      if (auto* button = qobject_cast<QAbstractButton*>(c)) {
        const bool radio = qobject_cast<QRadioButton*>(c) != nullptr;
        const QStyle* style = c->style();
        const int indicator =
            style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, c) +
            style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, c);
        fits = button->fontMetrics().horizontalAdvance(button->text()) + indicator <= c->width();
      }
      if (auto* edit = qobject_cast<QLineEdit*>(c))
        fits = edit->fontMetrics().horizontalAdvance(QString(edit->maxLength(), u'9')) < edit->width() - 4;
      EXPECT_TRUE(fits) << fc.name << " \"" << fc.ctl->caption << "\" in " << c->width() << "x" << c->height();
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

// A screen reader hears the player-count buttons as numbers of players.
TEST_F(WindowsTest, ScreenReadersHearPlayerCounts) {
  flow.start();
  flow.showSetup();
  windows.afterEvent();
  std::vector<QString> counts;
  for (int k = 0; k < 4; ++k)
    counts.push_back(QAccessible::queryAccessibleInterface(widget(flow.setup(), "playerCountButtons(" + std::to_string(k) + ")"))
                         ->text(QAccessible::Name));
  EXPECT_EQ(counts, (std::vector<QString>{"1 player", "2 players", "3 players", "4 players"}));
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

}  // namespace
}  // namespace sumdart::testing_flow
