// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/rules_pages.h"

#include <algorithm>

#include "help/help_host.h"
#include "state/game_size.h"
#include "state/texts.h"

namespace sumdart {

namespace {

constexpr Rgb kGreen = rgb(0, 255, 0);

// The pages' texts, exactly as they are shown (spaces included).
const RulesText kPage1[] = {
    {7, Style::PageNumber, 0, 0, 0, 0, TRANSLATABLE("RulesPage", "Page 1 of 3")},
    {1, Style::SizedHeading, 120, 600, 2430, 285,
     TRANSLATABLE("RulesPage", "Summary of the rules")},
    {3, Style::Body, 120, 1080, 11415, 1005,
     TRANSLATABLE("RulesPage", "The playing board resembles a dartboard. The board is divided into twenty sectors that are ordered in the same way as on a dartboard. The Sumdart board includes doubles and trebles, but unlike a dartboard also includes quadruples.")},
    {4, Style::Body, 120, 2040, 11655, 405,
     TRANSLATABLE("RulesPage", "Each player starts with a target of 501 points.")},
    {2, Style::Body, 120, 2400, 11535, 645,
     TRANSLATABLE("RulesPage", "Players take turns to throw four dice and combine their scores to generate a whole number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.")},
    {5, Style::Body, 120, 3000, 11655, 885,
     TRANSLATABLE("RulesPage", "When a player has generated a number from their dice throw, they click on this number on the Sumdart board. The number is then subtracted from their target. The aim of the game is to reduce your target to zero. As in a standard game of darts players must finish with a double.")},
    {15, Style::Body, 120, 3960, 11175, 645,
     TRANSLATABLE("RulesPage", "The winner is the first player to reduce their target to zero by clicking on a double.")},
    {9, Style::SizedHeading, 120, 4440, 2355, 285,
     TRANSLATABLE("RulesPage", "Getting ready to play")},
    {8, Style::Body, 120, 4800, 11655, 645,
     TRANSLATABLE("RulesPage", "Before the game begins, the players can set the parameters of the game.")},
    {11, Style::Body, 120, 5220, 8655, 1245,
     TRANSLATABLE("RulesPage", "Sumdart can be played against the clock. To play against the clock check the 'Timers On' checkbox. The default settings allow each player a total of 300 seconds to complete all their moves. By altering the value in the 'Set Total Time Allowed' box, this can be changed.")},
    {13, Style::Body, 120, 6480, 8655, 1485,
     TRANSLATABLE("RulesPage", "Sumdart can be played by one to four players. To begin the game click the button corresponding to the number of players. Players then take their turn in the following order: Blue, Red, Green, Yellow. Before proceeding with the game each player should choose their colour. If a series of games are played, players should change colours before each game.")},
    {14, Style::Body, 120, 7980, 8655, 1005,
     TRANSLATABLE("RulesPage", "If there is just one player, select button '1'. The player then has the option to play on their own, or to play against the computer. The computer always plays as the second player - Red. The player can choose the level of play for the computer. ")},
};
const RulesText kPage2[] = {
    {20, Style::PageNumber, 0, 0, 0, 0, TRANSLATABLE("RulesPage", "Page 2 of 3")},
    {1, Style::SizedHeading, 120, 600, 2400, 285,
     TRANSLATABLE("RulesPage", "Generating a number")},
    {2, Style::Body, 120, 960, 11655, 885,
     TRANSLATABLE("RulesPage", "The player clicks the button labelled 'Throw Dice'. Four numbers are then randomly generated, corresponding to a dice throw. The player must generate a whole number between 1 and 100 using all four numbers once. The player may multiply, divide, add or subtract the numbers in any combination.")},
    {7, Style::Body, 120, 2040, 11655, 525,
     TRANSLATABLE("RulesPage", "Click the button on the right to try out throwing the dice.")},
    {3, Style::Body, 120, 4200, 10215, 645,
     TRANSLATABLE("RulesPage", "Note: A player may not create a number by placing two numerals beside each other.                     For example, having thrown 6, 4, 3, and 1, a player may not put 6 and 4 together to make 64 or 46.")},
    {4, Style::Body, 120, 4800, 11655, 405,
     TRANSLATABLE("RulesPage", "Players may use a pencil and paper to help with their arithmetic, but should not use a calculator.")},
    {5, Style::Heading, 120, 5280, 11655, 645,
     TRANSLATABLE("RulesPage", "Some examples of numbers that can be generated from one throw:")},
    {6, Style::Body, 120, 5640, 11175, 645,
     TRANSLATABLE("RulesPage", "6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 + 1) = 96;   (6/3) x (4 – 1) = 6.")},
    {9, Style::Heading, 120, 6240, 11655, 645,
     TRANSLATABLE("RulesPage", "Cheat Chart")},
    {8, Style::Body, 120, 6600, 11295, 885,
     TRANSLATABLE("RulesPage", "Help with arithmetic can be obtained by clicking the button shown below which will open the Cheat Chart window. The Cheat Chart is a multiplication table. The number shown in each square is produced by multiplying the number at the start of its row by the number at the top of its column.")},
};
const RulesText kPage3[] = {
    {20, Style::PageNumber, 0, 0, 0, 0, TRANSLATABLE("RulesPage", "Page 3 of 3")},
    {8, Style::Heading, 120, 720, 3945, 285,
     TRANSLATABLE("RulesPage", "Selecting the number on the board")},
    {10, Style::Body, 120, 1080, 11655, 645,
     TRANSLATABLE("RulesPage", "Having generated a number, the player clicks this number on the board. If the number has been calculated correctly the player will score this number of points and they will be subtracted from the balance of their target. ")},
    {11, Style::Body, 120, 1680, 11655, 645,
     TRANSLATABLE("RulesPage", "If the player has made a mistake and selected a number that cannot be generated from the dice throw, the player scores no points and the turn passes to the next player.")},
    {12, Style::Heading, 120, 2520, 1665, 285,
     TRANSLATABLE("RulesPage", "The End")},
    {13, Style::Body, 120, 2880, 11655, 1605,
     TRANSLATABLE("RulesPage", "As in darts, players start with a target of 501 points. The game ends when one player has reduced their total to zero. However, as in darts, the final score must be made by clicking a double and this score must take the target to zero exactly. (The doubles are the numbers in the second ring of twenty numbers moving outwards from the centre of the board.)")},
    {1, Style::SizedHeading, 120, 4320, 2220, 285,
     TRANSLATABLE("RulesPage", "Playing with a timer")},
    {2, Style::Body, 120, 4650, 6735, 2325,
     TRANSLATABLE("RulesPage", "If the 'Timer On' option is selected before starting the game, each player will have a timer that counts down whenever it is their turn to play. By default the total time allowed is 300 seconds, but this can be changed before starting each game. If a player runs out of time, they will not have any further turns during the remainder of the game. If all the players run out of time, the game ends and the player with the lowest score is the winner.")},
    {3, Style::SizedHeading, 120, 6840, 1710, 285,
     TRANSLATABLE("RulesPage", "Shorter Games")},
    {4, Style::Body, 120, 7170, 6735, 885,
     TRANSLATABLE("RulesPage", "For a shorter game, a different target may be specified in the 'Target' text box before starting a game. A good target might be  401, 301, 201 or 101.")},
};

template <std::size_t N>
void addTexts(RulesPage& page, const RulesText (&texts)[N]) {
  for (const RulesText& t : texts) {
    Ctl c;
    switch (t.style) {
      case Style::PageNumber:
        c = textLabel(translate("RulesPage", t.text), 0, 0, 0, 0, colours::yellow, arial(9.75), Align::Left);
        c.autosize = true;
        break;
      case Style::Heading:
      case Style::SizedHeading:
        c = textLabel(translate("RulesPage", t.text), t.left, t.top, t.width, t.height, colours::yellow, arial(12), Align::Left);
        c.autosize = t.style == Style::SizedHeading;
        break;
      case Style::Body:
        c = textLabel(translate("RulesPage", t.text), t.left, t.top, t.width, t.height, colours::yellow, arial(12, false), Align::Left);
        break;
    }
    page.texts[t.index] = c;
  }
}

Ctl picture(Picture picture, double left, double top) {
  Ctl c = textLabel("", left, top, 0, 0, colours::black, arial(8));
  c.picture = fileName(picture);
  c.ownSize = true;
  return c;
}

}  // namespace

RulesPage::RulesPage(GameSettings& m, Services s, HelpHost& flow, int page) : FlowScreen(m, s), page_(page), flow_(flow) {
  form.caption = "";
  form.back = colours::lightBlue;
  form.width = 11970;
  form.height = 8970;
  form.place = Placement::Fit;
  texts[0] = textLabel(translate("RulesPage", "The Rules of Sumdart"), 0, 120, kGameWidth, 360, colours::yellow, arial(15.75));
  exitButton = button(translate("RulesPage", "Exit"), 11160, 60, 735, 375, colours::yellow, colours::black, arial(12.75));
  nextPageButton = button(translate("RulesPage", ">> Next Page"), 10080, 8520, 1815, 375, colours::yellow, colours::black, arial(12.75));
  previousPageButton = button(translate("RulesPage", "<< Previous Page"), 7680, 8520, 2295, 375, colours::yellow, colours::black, arial(12.75));
  previousPageButton.visible = page > 1;
  nextPageButton.visible = page < 3;
  switch (page) {
    case 1: addTexts(*this, kPage1); break;
    case 2: addTexts(*this, kPage2); break;
    default: addTexts(*this, kPage3); break;
  }
  if (page != 2) {
    pagePicture = picture(page == 1 ? Picture::rulesStart : Picture::rulesBoard, page == 1 ? 8940 : 7680, page == 1 ? 4560 : 4320);
    pagePicture.spokenName = page == 1 ? translate("RulesPage", "Ready to play: one to four players take turns, with dice and a clock")
                                       : translate("RulesPage", "The board, with its ring of doubles");
    form.add("pagePicture", pagePicture);
  }
  for (auto& [index, label] : texts) form.add(arrayName("texts", index), label);
  form.add("exitButton", exitButton, [this] { exitPage(); });
  form.add("nextPageButton", nextPageButton, [this] { nextPage(); });
  if (page > 1) form.add("previousPageButton", previousPageButton, [this] { previousPage(); });
  form.focus = page < 3 ? "nextPageButton" : "exitButton";
  form.spokenTitle = fill(translate("RulesPage", "Sumdart rules, page %1 of 3"), {std::to_string(page)});
  nextPageButton.spokenName = spokenWords(nextPageButton.caption);
  previousPageButton.spokenName = spokenWords(previousPageButton.caption);
  // The page is read out as it opens.
  form.say(pageSpoken());
}

// The page's texts in reading order: by rows from the top, each row from the left.
std::string RulesPage::pageSpoken() const {
  std::vector<const Ctl*> order;
  for (const auto& [index, label] : texts) order.push_back(&label);
  std::stable_sort(order.begin(), order.end(), [](const Ctl* a, const Ctl* b) {
    return a->top != b->top ? a->top < b->top : a->left < b->left;
  });
  std::vector<std::string> said;
  for (const Ctl* c : order) said.push_back(c->caption);
  return sentences(said);
}

// Escape acts as the page's Exit; R reads the page again.
bool RulesPage::keyPressed(const KeyPress& k, const std::string&) {
  if (k.code == KeyPress::Character && (k.ch == 'r' || k.ch == 'R')) {
    form.say(pageSpoken());
    return true;
  }
  if (k.code != KeyPress::Escape) return false;
  exitPage();
  return true;
}

void RulesPage::exitPage() { leaveFor(0); }
void RulesPage::nextPage() { leaveFor(page_ < 3 ? page_ + 1 : 0); }
void RulesPage::previousPage() { leaveFor(page_ > 1 ? page_ - 1 : 0); }

void RulesPage::leaveFor(int to) {
  // Leaving page 2 by any button closes the chart, whoever opened it.
  if (page_ == 2) flow_.closeChart();
  if (to != 0) flow_.showRules(to);
  flow_.closeRules(page_);
  click();
}

RulesPageOne::RulesPageOne(GameSettings& m, Services s, HelpHost& flow) : RulesPage(m, s, flow, 1) {}

RulesPageTwo::RulesPageTwo(GameSettings& m, Services s, HelpHost& flow)
    : RulesPage(m, s, flow, 2), diceSettle(s.timers.createTimer()), diceRoll(s.timers.createTimer()) {
  throwButton = button(translate("RulesPage", "Throw Dice"), 6600, 2040, 2055, 495, kGreen, colours::black, tahoma(15.75));
  cheatChartButton = button(translate("RulesPage", "Cheat Chart"), 5280, 7680, 1575, 375, kGreen, colours::black, tahoma(11.25));
  const double at[4][2] = {{7080, 2640}, {7680, 2640}, {7080, 3240}, {7680, 3240}};
  for (std::size_t d = 0; d < 4; ++d) {
    dice[d] = button("", at[d][0], at[d][1], 495, 495, colours::white, colours::lightBlue, arial(20.25));
    dice[d].enabled = false;
    form.add(arrayName("dice", static_cast<int>(d)), dice[d]);
  }
  form.add("throwButton", throwButton, [this] { throwDice(); });
  form.add("cheatChartButton", cheatChartButton, [this] { openCheatChart(); });
  diceRoll->onTick([this] {
    rollStep(*diceRoll, s_.random, dice, diceShown);
    if (changed) changed();
  });
  diceSettle->onTick([this] {
    if (settleStep(*diceSettle, dice, thrown, diceShown)) {
      diceSettle->stop();
      form.say(diceSpoken(thrown));
    }
    if (changed) changed();
  });
}

void RulesPageTwo::throwDice() {
  // A throw during a throw starts afresh.
  for (Ctl& die : dice) die.caption.clear();
  drawThrow(s_.random, s_.dayClock, thrown);
  startReveal(*diceSettle, *diceRoll, m_.soundOn == 1, diceShown);
  if (m_.soundOn == 1) s_.sound.playSoundFile(fileName(Sound::diceCup));
}

void RulesPageTwo::openCheatChart() {
  flow_.openChart();
  click();
}

void RulesPageTwo::stopTimers() {
  diceSettle->stop();
  diceRoll->stop();
}

RulesPageThree::RulesPageThree(GameSettings& m, Services s, HelpHost& flow) : RulesPage(m, s, flow, 3) {
  printButton = button(translate("RulesPage", "Open Rules Document for Printing"), 120, 8520, 4275, 375, colours::yellow, colours::black, arial(12));
  form.add("printButton", printButton, [this] { openRulesDocument(); });
}

void RulesPageThree::openRulesDocument() {
  // The document in the player's language, else the English one; whatever the
  // desktop makes of it, the click is answered.
  const std::string own = fileName(Document::rules, language());
  const std::string english = fileName(Document::rules);
  if (own == english || !s_.desktop.openDocument(own)) s_.desktop.openDocument(english);
  click();
}

}  // namespace sumdart
