#include "screens/setup_screen.h"

#include <algorithm>

#include "game/game_screen.h"
#include "screens/screenflow.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
constexpr Rgb kBack = rgb(0, 0, 192);
constexpr int kProposedTarget = 501;

Ctl box(std::string text, double l, double t, double w, double h, double pts, int maxLength) {
  Ctl c = button(std::move(text), l, t, w, h, colours::yellow, colours::black, tahoma(pts));
  c.kind = Kind::TextBox;
  c.maxLength = maxLength;
  return c;
}

Ctl tick(std::string caption, double l, double t, double w) {
  Ctl c = textLabel(std::move(caption), l, t, w, 375, colours::yellow, arial(12), Align::Left);
  c.kind = Kind::CheckBox;
  c.back = kBack;
  c.transparent = false;
  c.checked = true;
  return c;
}
}  // namespace

std::int16_t timeAllowedFrom(std::string_view text) {
  return std::max<std::int16_t>(toInt16(leadingNumber(text)), 5);
}

std::int16_t targetFrom(std::string_view text) {
  const auto v = wholeTextNumber(text);
  return std::max<std::int16_t>(toInt16(v ? *v : kProposedTarget), 40);
}

bool boxAccepts(int code) { return (code >= '0' && code <= '9') || code == '-' || code == '.' || code == 8 || code == 13; }

SetupScreen::SetupScreen(GameSettings& m, Services s, ScreenFlow& flow) : FlowScreen(m, s, flow) {
  using namespace colours;
  smallScreen(kBack, Label4);
  Label3[1] = textLabel("Target", 360, 1320, 1440, 480, yellow, arial(20.25), Align::Right);
  Text1 = box("501", 2040, 1320, 975, 495, 15.75, 3);
  Image2 = textLabel("", 3600, 1440, 1500, 2085, black, arial(8));
  Check1 = tick("Play Sound", 720, 2040, 1695);
  Check2 = tick("Timers On", 720, 2400, 1695);
  Label3[2] = textLabel("Set Total Time Allowed", 360, 2880, 2640, 360, yellow, arial(12));
  Text2 = box("300", 720, 3240, 975, 405, 12, 4);
  Label3[3] = textLabel("seconds", 1800, 3300, 990, 285, yellow, arial(12));
  Label3[3].autosize = true;
  Label6 = button("The Rules", 3360, 3720, 1935, 435, yellow, black, arial(15.75));
  Check3 = tick("Hide Desktop", 720, 3900, 1935);
  Check3.visible = false;
  Label2 = textLabel("Select Number of Players", 240, 4440, 5160, 600, yellow, arial(20.25));
  for (std::size_t k = 0; k < 4; ++k)
    Label1[k] = button(decimalText(static_cast<long long>(k) + 1), 720 + 1110.0 * static_cast<double>(k), 5100, 855,
                       735, yellow, black, tahoma(26.25));
  Label3[0] = button("Exit", 4680, 6120, 735, 375, yellow, black, arial(12.75));

  form.add("Label4", Label4);
  form.add("Label3(1)", Label3[1]);
  form.controls[static_cast<std::size_t>(form.add("Text1", Text1))].accept = boxAccepts;
  form.add("Image2", Image2);
  form.add("Check1", Check1, [this] { check1Click(); });
  form.add("Check2", Check2, [this] { check2Click(); });
  form.add("Label3(2)", Label3[2]);
  form.controls[static_cast<std::size_t>(form.add("Text2", Text2))].accept = [this](int code) { return text2Key(code); };
  form.add("Label3(3)", Label3[3]);
  form.add("Label6", Label6, [this] { label6Click(); });
  form.add("Check3", Check3, [this] { check3Click(); });
  form.add("Label2", Label2);
  for (int k = 0; k < 4; ++k) form.add(arrayName("Label1", k), Label1[static_cast<std::size_t>(k)], [this, k] { label1Click(k); });
  form.add("Label3(0)", Label3[0], [this] { label3Click(0); });
  form.tabOrder = {"Text2", "Check1", "Check2", "Check3", "Text1"};
}

void SetupScreen::open() {
  m_.computerLevel = 0;
  form.place = Placement::Centre;
  form.focus = "Text2";
  if (!showPicture(Image2, kLogoPictureName)) return;
  Check3.visible = s_.desktop.screenWidthTwips() > 12000;
  if (m_.hideDesktop == 0) {
    // Clearing the box acts as a click on it would.
    Check3.checked = false;
    check3Click();
  }
}

void SetupScreen::check1Click() { click(); }

void SetupScreen::check2Click() {
  click();
  const bool on = Check2.checked;
  Text2.enabled = on;
  Label3[2].visible = Label3[3].visible = Text2.visible = on;
}

void SetupScreen::check3Click() {
  click();
  if (!Check3.checked) {
    m_.hideDesktop = 0;
    flow_.closeBackdrop();
  } else {
    m_.hideDesktop = 1;
    flow_.showBackdrop();
  }
  flow_.bringForward(*this);
}

bool SetupScreen::text2Key(int code) {
  if (!boxAccepts(code)) return false;
  if (code == 13) form.focus = "Text1";
  return true;
}

void SetupScreen::label6Click() {
  click();
  flow_.showRules(1);
}

void SetupScreen::label3Click(int index) {
  if (index == 0) flow_.quit(0);
}

void SetupScreen::label1Click(int k) {
  flow_.destroyGame();
  m_.numberOfPlayers = static_cast<std::int16_t>(k + 1);
  m_.soundOn = Check1.checked ? 1 : 0;
  m_.timeAllowed = Check2.checked ? timeAllowedFrom(Text2.caption) : 0;
  const std::int16_t target = targetFrom(Text1.caption);
  GameScreen* game = flow_.game();
  if (!game) return;
  for (std::size_t i = 1; i <= static_cast<std::size_t>(m_.numberOfPlayers); ++i) {
    game->st.playerNames[i].visible = true;
    game->st.scorePanels[i].visible = true;
  }
  m_.setAllScores(target);
  if (k == 0) {
    flow_.showOpponent();
  } else {
    flow_.showGame();
    for (int n = 1; n <= 4; ++n) game->st.scorePanels[static_cast<std::size_t>(n)].caption = decimalText(m_.score(n));
  }
  flow_.close(*this);
  click();
}

}  // namespace sumdart
