// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/form_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "qt/accessible.h"
#include "qt/fitform.h"
#include "qt/focus_mark.h"
#include "qt/label_widget.h"
#include "qt/qt_desktop.h"
#include "qt/speech.h"
#include "qt/table_widget.h"
#include "qt/text_box.h"
#include "qt/twips.h"
#include "state/tab_chain.h"

namespace sumdart {

namespace {

// A tick box or option button whose double-click is one click, not two.
template <class Button>
class SingleClick : public Button {
 public:
  using Button::Button;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override { e->accept(); }
};

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::Alignment alignment(Align a) {
  switch (a) {
    case Align::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Centre: break;
  }
  return Qt::AlignCenter;
}

Qt::WindowFlags flagsFor(const Form& f) {
  if (!f.titleBar) {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    // The backdrop lies behind every other window, also under a window manager:
    // kept below, and never focused, since a focused window that covers the
    // screen is raised above all others by some window managers.
    if (f.place == Placement::FullScreen) flags |= Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus;
    return flags;
  }
  return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

// To a screen reader every screen's window is a window, named by its screen.
// The name is asked for, not announced: telling the accessibility bus anything
// while the first window comes up would connect to it first and hold the window back.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(FormWindow* w) : QAccessibleWidget(w, QAccessible::Window) {}
  QString text(QAccessible::Text t) const override {
    const QString title = static_cast<const FormWindow*>(widget())->spokenTitle();
    return t == QAccessible::Name && !title.isEmpty() ? title : QAccessibleWidget::text(t);
  }
};

// A clickable label is reached by Tab, never focused by a click: a mouse player
// sees no change.
Qt::FocusPolicy labelFocus(const FormCtl& fc) { return fc.click && fc.ctl->tabStop ? Qt::TabFocus : Qt::NoFocus; }

// Ctrl+Plus (also Ctrl+=), Ctrl+Minus and Ctrl+0: the zoom step they ask for.
std::optional<int> zoomStep(const QKeyEvent& e) {
  if (!(e.modifiers() & Qt::ControlModifier) || (e.modifiers() & (Qt::AltModifier | Qt::MetaModifier))) return {};
  switch (e.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return 1;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return -1;
    case Qt::Key_0:
    case Qt::Key_ParenRight: return 0;
    default: return {};
  }
}

// The key as a screen sees it, or false for a key screens do not use.
bool screenKey(const QKeyEvent& e, KeyPress& k) {
  if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: k.code = KeyPress::Return; return true;
    case Qt::Key_Space: k.code = KeyPress::Space; return true;
    case Qt::Key_Escape: k.code = KeyPress::Escape; return true;
    case Qt::Key_Left: k.code = KeyPress::Left; return true;
    case Qt::Key_Right: k.code = KeyPress::Right; return true;
    case Qt::Key_Up: k.code = KeyPress::Up; return true;
    case Qt::Key_Down: k.code = KeyPress::Down; return true;
    default: break;
  }
  const QString text = e.text();
  if (text.size() != 1 || text.front().unicode() > 127 || !text.front().isLetterOrNumber()) return false;
  k.code = KeyPress::Character;
  k.ch = static_cast<char>(text.front().unicode());
  return true;
}

}  // namespace

FormWindow::FormWindow(Screen& screen, QtDesktop& desktop, std::function<void()> afterEvent)
    : QWidget(nullptr, flagsFor(screen.form)), screen_(&screen), desktop_(desktop), afterEvent_(std::move(afterEvent)) {
  installAccessible<FormWindow, WindowAccessible>();
  setWindowTitle(QString::fromStdString(screen.form.caption));
  spokenTitle_ = QString::fromStdString(screen.form.spokenTitle);
  place();
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
    if ((from && from->window() == this) || (to && to->window() == this)) markFocus();
  });
}

// Closing the window as it goes moves the focus; by then it is no FormWindow to be told.
FormWindow::~FormWindow() { disconnect(focusWatch_); }

// The controls are made at the first drawing, after the window has been shown:
// a window shown with its children takes several times as long to come up.
void FormWindow::build() {
  const auto& controls = screen_->form.controls;
  for (const FormCtl& fc : controls) {
    QWidget* parent = fc.parent >= 0 ? widgets_[static_cast<std::size_t>(fc.parent)].data() : this;
    QWidget* w = make(fc, parent);
    w->setObjectName(QString::fromStdString(fc.name));
    w->installEventFilter(this);
    widgets_.emplace_back(w);
    pictures_.emplace_back();
  }
  chainFocus();
  mark_ = new FocusMark(this);
  connect(mark_, &FocusMark::keyboardUseChanged, this, &FormWindow::markFocus);
}

// The Tab order (state/tab_chain.h), as the widgets' focus chain.
void FormWindow::chainFocus() {
  QWidget* previous = nullptr;
  for (const std::size_t i : tabChain(screen_->form)) {
    QWidget* w = widgets_[i];
    if (!w) continue;
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
}

void FormWindow::markFocus() {
  if (!mark_) return;
  QWidget* w = focusWidget();
  const bool show = FocusMark::keyboardInUse() && w && w != this && w->isVisible() && isActiveWindow();
  mark_->follow(show ? w : nullptr);
}

// Each handler looks its control up again, by its index: the screen may be gone
// by the time a late event arrives.
FormCtl* FormWindow::formCtl(std::size_t i) const { return screen_ ? &screen_->form.controls[i] : nullptr; }

QWidget* FormWindow::make(const FormCtl& fc, QWidget* parent) {
  const std::size_t i = widgets_.size();
  switch (fc.ctl->kind) {
    case Kind::Table: return new TableWidget(parent);
    case Kind::TextBox: return makeTextBox(i, parent);
    case Kind::CheckBox: return makeCheckBox(i, parent);
    case Kind::Option: return makeOption(i, parent);
    case Kind::ScrollBar: return makeScrollBar(i, parent);
    case Kind::Label:
    case Kind::Panel:
      break;
  }
  return makeLabel(fc, i, parent);
}

QWidget* FormWindow::makeTextBox(std::size_t i, QWidget* parent) {
  auto* edit = new TextBox(parent);
  edit->installEventFilter(this);
  connect(edit, &QLineEdit::textChanged, this, [this, i](const QString& text) {
    if (FormCtl* c = formCtl(i)) {
      c->ctl->caption = text.toStdString();
      if (c->change) c->change();
    }
  });
  return edit;
}

QWidget* FormWindow::makeCheckBox(std::size_t i, QWidget* parent) {
  auto* box = new SingleClick<QCheckBox>(parent);
  connect(box, &QCheckBox::clicked, this, [this, i](bool on) {
    if (FormCtl* c = formCtl(i)) {
      c->ctl->checked = on;
      if (c->click) c->click();
      handled();
    }
  });
  return box;
}

QWidget* FormWindow::makeOption(std::size_t i, QWidget* parent) {
  auto* option = new SingleClick<QRadioButton>(parent);
  connect(option, &QRadioButton::clicked, this, [this, i] {
    FormCtl* c = formCtl(i);
    if (!c) return;
    // One of a group: every option of the same panel takes its button's state.
    for (std::size_t k = 0; k < widgets_.size(); ++k) {
      FormCtl& other = screen_->form.controls[k];
      if (other.ctl->kind == Kind::Option && other.parent == c->parent)
        if (auto* b = qobject_cast<QRadioButton*>(widgets_[k].data())) other.ctl->checked = b->isChecked();
    }
    if (c->click) c->click();
    handled();
  });
  return option;
}

QWidget* FormWindow::makeScrollBar(std::size_t i, QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setFocusPolicy(Qt::TabFocus);
  bar->setSingleStep(1);
  bar->setPageStep(10);
  connect(bar, &QScrollBar::valueChanged, this, [this, i](int v) {
    FormCtl* c = formCtl(i);
    if (!c || c->ctl->value == v) return;
    c->ctl->value = v;
    if (c->change) c->change();
    handled();
  });
  return bar;
}

// A label, a panel, and every button (a label that takes clicks).
QWidget* FormWindow::makeLabel(const FormCtl& fc, std::size_t i, QWidget* parent) {
  auto* label = new LabelWidget(parent);
  label->setActsAsButton(static_cast<bool>(fc.click));
  label->setFocusPolicy(labelFocus(fc));
  if (fc.click) {
    connect(label, &LabelWidget::clicked, this, [this, i] {
      if (FormCtl* c = formCtl(i)) {
        c->click();
        handled();
      }
    });
  }
  return label;
}

QWidget* FormWindow::control(const std::string& name) const {
  return findChild<QWidget*>(QString::fromStdString(name));
}

void FormWindow::handled() {
  if (afterEvent_) afterEvent_();
}

void FormWindow::apply(std::size_t i) {
  QWidget* w = widgets_[i];
  if (!w) return;
  const FormCtl& fc = screen_->form.controls[i];
  const Ctl& c = *fc.ctl;
  if (auto* label = qobject_cast<LabelWidget*>(w)) {
    if (label->focusPolicy() != labelFocus(fc)) label->setFocusPolicy(labelFocus(fc));
    if (c.picture != pictures_[i]) {
      pictures_[i] = c.picture;
      label->setPicture(c.picture.empty() ? QPixmap() : desktop_.picture(c.picture, zoomFactor(), devicePixelRatioF()));
    }
    label->apply(c);
    return;
  }
  if (auto* table = qobject_cast<TableWidget*>(w)) {
    table->apply(c);
    return;
  }
  const QRect box = twipsRect(c.left, c.top, c.width, c.height);
  if (w->geometry() != box) w->setGeometry(box);
  const QString spoken = QString::fromStdString(c.spokenName);
  if (w->accessibleName() != spoken) w->setAccessibleName(spoken);
  const QFont font = LabelWidget::fontFor(c.font);
  if (w->font() != font) w->setFont(font);
  if (c.kind == Kind::ScrollBar) {
    auto* bar = static_cast<QScrollBar*>(w);
    if (bar->minimum() != c.min || bar->maximum() != c.max) bar->setRange(c.min, c.max);
    if (bar->value() != c.value) bar->setValue(c.value);
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
    return;  // the desktop's own colours
  }
  QPalette pal = w->palette();
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) pal.setColor(role, toQColor(c.fore));
  for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) pal.setColor(role, toQColor(c.back));
  if (c.kind == Kind::CheckBox || c.kind == Kind::Option) {
    // The box or circle itself stays white with a black mark, whatever the colours round it.
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
  }
  if (w->palette() != pal) {
    w->setPalette(pal);
    w->setAutoFillBackground(!c.transparent);
  }
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    // Setting the length again would set the text again and lose the selection.
    const int length = c.maxLength > 0 ? c.maxLength : 32767;
    if (edit->maxLength() != length) edit->setMaxLength(length);
    if (edit->alignment() != alignment(c.align)) edit->setAlignment(alignment(c.align));
    if (edit->text().toStdString() != c.caption) edit->setText(QString::fromStdString(c.caption));
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    if (button->text().toStdString() != c.caption) button->setText(QString::fromStdString(c.caption));
    if (button->isChecked() != c.checked) button->setChecked(c.checked);
  }
  if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
  if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

void FormWindow::place() {
  const Form& f = screen_->form;
  if (placed_ == static_cast<int>(f.place)) return;
  placed_ = static_cast<int>(f.place);
  nudged_ = false;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
  switch (f.place) {
    case Placement::Fit:
      fitform(this);
      return;
    case Placement::FullScreen:
      setGeometry(area);
      return;
    case Placement::Centre:
    case Placement::TopCentre: {
      setFixedSize(twipsSize(f.width, f.height));
      const QPoint at = fitPosition(QSize(static_cast<int>(pxToTwips(area.width())), static_cast<int>(pxToTwips(area.height()))),
                                    QSize(static_cast<int>(f.width), static_cast<int>(f.height)));
      move(area.topLeft() + QPoint(twipsToPx(at.x()), f.place == Placement::TopCentre ? 0 : twipsToPx(at.y())));
      return;
    }
  }
}

void FormWindow::render() {
  if (!screen_) return;
  if (widgets_.empty()) build();
  place();
  screen_->describe();
  for (std::size_t i = 0; i < widgets_.size(); ++i) apply(i);
  Form& f = screen_->form;
  if (!f.focus.empty()) {
    if (QWidget* w = control(f.focus)) w->setFocus(Qt::OtherFocusReason);
    f.focus.clear();
  }
  markFocus();
  // Said after the focus has moved, so a screen reader speaks the newly
  // focused control first and then the message.
  if (!f.speech.empty()) {
    if (!speaker_) speaker_ = new Speaker(this);
    for (const std::string& text : f.speech) speaker_->say(QString::fromStdString(text));
    f.speech.clear();
  }
  // The window's own colour and picture are painted again only when they
  // change: a control that changes repaints itself alone.
  if (!(drawnBack_ == f.back) || drawnPicture_ != f.picture || drawnZoom_ != zoomFactor()) {
    drawnBack_ = f.back;
    drawnPicture_ = f.picture;
    drawnZoom_ = zoomFactor();
    update();
  }
}

void FormWindow::rezoom() {
  if (!screen_) return;
  placed_ = -1;
  for (std::string& shown : pictures_) shown.clear();  // fetched again at the new size
  render();
}

void FormWindow::paintEvent(QPaintEvent*) {
  if (!screen_) return;
  QPainter p(this);
  p.fillRect(rect(), toQColor(screen_->form.back));
  if (!screen_->form.picture.empty())
    p.drawPixmap(QPointF(0, 0), desktop_.picture(screen_->form.picture, zoomFactor(), devicePixelRatioF()));
}

void FormWindow::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  if (!screen_ || !screen_->form.titleBar) return;
  const QRect frame = frameGeometry();
  if (frame.height() > height()) emit titleBarSeen(frame.height() - height());
  // Placed by its client area, a window whose frame then runs past the top or
  // bottom of the screen's free area is moved back inside it, once a placing.
  const QScreen* s = screen();
  if (!s || nudged_) return;
  const QRect free = s->availableGeometry();
  if (frame.height() <= free.height() && (frame.top() < free.top() || frame.bottom() > free.bottom())) {
    nudged_ = true;
    move(frame.left(), std::clamp(frame.top(), free.top(), free.bottom() + 1 - frame.height()));
  }
}

void FormWindow::closeEvent(QCloseEvent* e) {
  // The screen decides what closing means; its owner closes the window.
  e->ignore();
  if (!screen_) return;
  screen_->closeRequested();
  handled();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() != QEvent::KeyPress || !screen_) return false;
  // The zoom keys work everywhere and at any time, also in a text box.
  if (const auto step = zoomStep(*static_cast<QKeyEvent*>(e))) {
    emit zoomKey(*step);
    return true;
  }
  const int key = static_cast<QKeyEvent*>(e)->key();
  // While the screen is busy keys wait, as clicks on a disabled control do;
  // Tab still moves the focus, and a key that only tells something is taken.
  KeyPress k;
  const bool tells = screenKey(*static_cast<QKeyEvent*>(e), k) && screen_->tellsOnly(k) && !qobject_cast<QLineEdit*>(watched);
  if (key != Qt::Key_Tab && key != Qt::Key_Backtab && !tells && !screen_->takesKeys()) return true;
  if (!qobject_cast<QLineEdit*>(watched)) return false;
  const QString text = static_cast<QKeyEvent*>(e)->text();
  if (text.isEmpty()) return false;
  const int code = text.front().unicode();
  // Typed characters only; control keys (Delete, Tab, Ctrl+V...) pass.
  if ((code < 32 && code != 8 && code != 13) || code == 127) return false;
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (widgets_[i] != watched) continue;
    const FormCtl& fc = screen_->form.controls[i];
    if (fc.accept && !fc.accept(code)) return true;  // discarded
    handled();
    return false;
  }
  return false;
}

// A key no control used.
void FormWindow::keyPressEvent(QKeyEvent* e) {
  if (const auto step = zoomStep(*e)) {
    emit zoomKey(*step);
    e->accept();
    return;
  }
  KeyPress k;
  if (!screen_ || !screenKey(*e, k)) {
    QWidget::keyPressEvent(e);
    return;
  }
  const QWidget* focused = focusWidget();
  const std::string name = focused && focused != this ? focused->objectName().toStdString() : std::string();
  if ((screen_->takesKeys() || screen_->tellsOnly(k)) && screen_->keyPressed(k, name)) handled();
  e->accept();
}

}  // namespace sumdart
