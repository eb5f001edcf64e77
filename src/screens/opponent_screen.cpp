#include "screens/opponent_screen.h"
#include "state/texts.h"

#include "game/game_screen.h"
#include "screens/screenflow.h"
#include "screens/setup_screen.h"
#include "state/numbers.h"

namespace sumdart {

namespace {
constexpr Rgb kBack = rgb(0, 0, 192);
constexpr const char* kNotice = TRANSLATABLE("OpponentScreen", "The computer is playing as red. ");
}  // namespace

OpponentScreen::OpponentScreen(GameSettings& m, Services s, ScreenFlow& flow) : FlowScreen(m, s, flow) {
  using namespace colours;
  smallScreen(kBack, gameTitle);
  levelHeading = textLabel(translate("OpponentScreen", " Set Level for the computer"), 120, 1320, 3120, 1080, rgb(255, 128, 0), arial(20.25));
  logo = textLabel("", 3600, 1440, 1500, 2085, black, arial(8));
  logo.spokenName = translate("OpponentScreen", "The Sumdart logo");
  const char* levels[3] = {TRANSLATABLE("OpponentScreen", "Level 1 - Easy"), TRANSLATABLE("OpponentScreen", "Level 2"),
                           TRANSLATABLE("OpponentScreen", "Level 3 - Hard")};
  for (std::size_t i = 0; i < 3; ++i) {
    levelOptions[i] = textLabel(translate("OpponentScreen", levels[i]), 360, 2520 + 720.0 * static_cast<double>(i), 2535, 375, yellow, tahoma(15.75),
                           Align::Left);
    levelOptions[i].kind = Kind::Option;
    levelOptions[i].back = kBack;
    levelOptions[i].transparent = false;
  }
  levelOptions[2].checked = true;
  soloButton = button(translate("OpponentScreen", "Play solo"), 150, 4980, 2535, 855, yellow, black, tahoma(15.75));
  computerButton = button(translate("OpponentScreen", "Play against the computer"), 2880, 4980, 2535, 855, yellow, black, tahoma(15.75));
  exitButton = button(translate("OpponentScreen", "Exit"), 4680, 6120, 735, 375, yellow, black, arial(12.75));

  form.add("gameTitle", gameTitle);
  form.add("levelHeading", levelHeading);
  form.add("logo", logo);
  for (int i = 0; i < 3; ++i)
    form.add(arrayName("levelOptions", i), levelOptions[static_cast<std::size_t>(i)], [this, i] { levelClicked(i); });
  form.add("soloButton", soloButton, [this] { playSolo(); });
  form.add("computerButton", computerButton, [this] { playComputer(); });
  form.add("exitButton", exitButton, [this] { backToSetup(); });
  form.focus = "soloButton";
  form.spokenTitle = translate("OpponentScreen", "Sumdart: play solo or against the computer");
}

void OpponentScreen::open() {
  m_.computerLevel = 0;
  form.place = Placement::Centre;
  showPicture(logo, kLogoPictureName);
}

void OpponentScreen::levelClicked(int) { click(); }

void OpponentScreen::playSolo() {
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

void OpponentScreen::playComputer() {
  flow_.destroyGame();
  m_.computerLevel = 1;
  m_.numberOfPlayers = 2;
  std::string notice;
  for (std::size_t i = 0; i < 3; ++i) {
    if (!levelOptions[i].checked) continue;
    m_.computerLevel = static_cast<std::int16_t>(i + 1);
    notice = translate("OpponentScreen", kNotice) +
             (i == 1 ? translate("OpponentScreen", "Level 2 - Medium") : levelOptions[i].caption);
  }
  GameScreen* game = flow_.game();
  if (!game) return;
  game->st.computerNotice.caption = notice;
  game->st.playerNames[2].visible = game->st.computerNotice.visible = game->st.scorePanels[2].visible = true;
  startGame(*game);
}

void OpponentScreen::backToSetup() {
  flow_.showSetup();
  flow_.close(*this);
}

}  // namespace sumdart
