#include "screens/opponent_screen.h"

#include "game/game_screen.h"
#include "screens/screenflow.h"
#include "screens/setup_screen.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
constexpr Rgb kBack = rgb(0, 0, 192);
constexpr const char* kNotice = "The computer is playing as red. ";
}  // namespace

OpponentScreen::OpponentScreen(GameSettings& m, Services s, ScreenFlow& flow) : FlowScreen(m, s, flow) {
  using namespace colours;
  smallScreen(kBack, Label4);
  Label2 = textLabel(" Set Level for the computer", 120, 1320, 3120, 1080, rgb(255, 128, 0), arial(20.25));
  Image2 = textLabel("", 3600, 1440, 1500, 2085, black, arial(8));
  const char* levels[3] = {"Level 1 - Easy", "Level 2", "Level 3 - Hard"};
  for (std::size_t i = 0; i < 3; ++i) {
    Option1[i] = textLabel(levels[i], 360, 2520 + 720.0 * static_cast<double>(i), 2535, 375, yellow, tahoma(15.75),
                           Align::Left);
    Option1[i].kind = Kind::Option;
    Option1[i].back = kBack;
    Option1[i].transparent = false;
  }
  Option1[2].checked = true;
  Label1 = button("Play solo", 150, 4980, 2535, 855, yellow, black, tahoma(15.75));
  Label7 = button("Play against the computer", 2880, 4980, 2535, 855, yellow, black, tahoma(15.75));
  Label3 = button("Exit", 4680, 6120, 735, 375, yellow, black, arial(12.75));

  form.add("Label4", Label4);
  form.add("Label2", Label2);
  form.add("Image2", Image2);
  for (int i = 0; i < 3; ++i)
    form.add(arrayName("Option1", i), Option1[static_cast<std::size_t>(i)], [this, i] { option1Click(i); });
  form.add("Label1", Label1, [this] { label1Click(); });
  form.add("Label7", Label7, [this] { label7Click(); });
  form.add("Label3(0)", Label3, [this] { label3Click(); });
}

void OpponentScreen::open() {
  m_.computerLevel = 0;
  form.place = Placement::Centre;
  showPicture(Image2, kLogoPictureName);
}

void OpponentScreen::option1Click(int) { click(); }

void OpponentScreen::label1Click() {
  m_.numberOfPlayers = 1;
  m_.computerLevel = 0;
  if (GameScreen* game = flow_.game()) startGame(*game);
}

// Shows the game with Blue's and Red's targets and leaves this screen.
void OpponentScreen::startGame(GameScreen& game) {
  flow_.showGame();
  game.st.scorePanels[1].caption = decimalText(m_.blueScore);
  game.st.scorePanels[2].caption = decimalText(m_.redScore);
  flow_.close(*this);
  click();
}

void OpponentScreen::label7Click() {
  flow_.destroyGame();
  m_.computerLevel = 1;
  m_.numberOfPlayers = 2;
  std::string notice;
  for (std::size_t i = 0; i < 3; ++i) {
    if (!Option1[i].checked) continue;
    m_.computerLevel = static_cast<std::int16_t>(i + 1);
    notice = i == 1 ? std::string(kNotice) + "Level 2 - Medium" : kNotice + Option1[i].caption;
  }
  GameScreen* game = flow_.game();
  if (!game) return;
  game->st.computerNotice.caption = notice;
  game->st.playerNames[2].visible = game->st.computerNotice.visible = game->st.scorePanels[2].visible = true;
  startGame(*game);
}

void OpponentScreen::label3Click() {
  flow_.showSetup();
  flow_.close(*this);
}

}  // namespace sumdart
