#include "screens/title_screen.h"

#include "game/savedgame.h"
#include "screens/screenflow.h"

namespace sumdart {

TitleScreen::TitleScreen(GameSettings& m, Services s, ScreenFlow& flow) : FlowScreen(m, s, flow) {
  using namespace colours;
  smallScreen(rgb(192, 192, 192), Label4);
  Frame1 = textLabel("", 0, -90, 5595, 6660, black, arial(8));
  Frame1.kind = Kind::Panel;
  Frame1.back = form.back;
  Frame1.transparent = false;
  Frame1.frame = true;
  Picture1 = textLabel("", 360, 1560, 4800, 3600, black, arial(8));
  Label6 = button("Restart Previous Game", 780, 5400, 3975, 435, yellow, black, arial(15.75));
  Label5 = button("OK", 1020, 6000, 1695, 435, yellow, black, arial(15.75));
  Label7 = button("Exit", 2820, 6000, 1695, 435, yellow, black, arial(15.75));

  const int frame = form.add("Frame1", Frame1);
  form.add("Label4", Label4, {}, frame);
  form.add("Picture1", Picture1, {}, frame);
  form.add("Label6", Label6, [this] { label6Click(); }, frame);
  form.add("Label5", Label5, [this] { label5Click(); }, frame);
  form.add("Label7", Label7, [this] { label7Click(); }, frame);
}

void TitleScreen::open() {
  form.place = Placement::Centre;
  m_.soundOn = 1;
  showPicture(Picture1, kTitlePicture);
}

void TitleScreen::label5Click() {
  m_.restartGame = 0;
  m_.hideDesktop = 1;
  flow_.showBackdrop();
  flow_.showSetup();
  flow_.close(*this);
  click();
}

void TitleScreen::label6Click() {
  // All or nothing: a missing or damaged file changes nothing at all.
  const auto text = s_.savefile.read();
  const auto saved = text ? parseSavedGame(*text) : std::nullopt;
  if (!saved) {
    m_.restartGame = 0;
    return;
  }
  restoreSavedGame(*saved, m_);
  m_.restartGame = 1;
  GameScreen* game = flow_.game();  // its opening restores the scores and clocks
  if (!game) {
    m_.restartGame = 0;
    return;
  }
  for (std::size_t i = 1; i <= static_cast<std::size_t>(m_.numberOfPlayers); ++i) {
    game->st.playerNames[i].visible = true;
    game->st.scorePanels[i].visible = true;
  }
  if (m_.hideDesktop == 1) flow_.showBackdrop();
  flow_.showGame();
  flow_.close(*this);
  click();
  m_.restartGame = 0;
}

void TitleScreen::label7Click() { flow_.quit(0); }

}  // namespace sumdart
