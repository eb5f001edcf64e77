// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game in other languages: which translation the desktop's languages
// choose, every window laid out in every language with no caption cut, a game
// with its rules document in each language, and the translation files
// complete, each keeping its source's %1 markers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTranslator>
#include <regex>
#include <set>

#include "art.h"
#include "qt/language.h"
#include "state/texts.h"
#include "ui_fixture.h"

namespace sumdart::testing_flow {
namespace {

const QString kQmFolder = QStringLiteral(SUMDART_ASSET_DIR "/translations");

// The first wanted language there is, by its full code or its language, unless
// English comes first; never a path. --lang=CODE or --lang CODE, the last one.
// A text a translation lacks (a teacher's, half done) shows in English; the
// markers are filled in any order, and an argument is not filled again. A
// count: English adds the s but for 1, a translation gives its form for the
// count, each with the count in it.
TEST(Languages, TheDesktopsLanguagesChooseATranslationAndTextsFallBackToEnglish) {
  // Only letters reach a file name, whatever files there are.
  const QStringList have{"de", "fr", "es", "pt_BR", "/tmp/x", "d/e", "de\\x", "..", "de x", "en", "C", "POSIX", "it_/x"};
  const std::pair<QStringList, QString> cases[] = {
      {{"de-Latn-DE", "de-DE"}, "de"}, {{"es_ES.UTF-8"}, "es"}, {{"de-AT", "fr"}, "de"}, {{"PT_br"}, "pt_BR"}, {{"pt"}, "pt_BR"}, {{"pt-PT", "es"}, "pt_BR"}, {{"it", "es"}, "es"},
      {{"en_GB.UTF-8", "de"}, ""}, {{"EN_us", "de"}, ""}, {{"C"}, ""}, {{"posix", "de"}, ""}, {{}, ""}, {{"it", "nl"}, ""},
      {{"../de", "d/e", "de\\x", "de"}, "de"}, {{"/tmp/x"}, ""}, {{".."}, ""}, {{"de x"}, ""}};
  for (const auto& [wanted, chosen] : cases)
    EXPECT_EQ(chooseLanguage(wanted, have), chosen) << wanted.join(u',').toStdString();
  const std::pair<QStringList, std::optional<QString>> arguments[] = {
      {{"--zoom", "2", "--lang=es"}, "es"}, {{"--lang", "fr", "--lang", "de"}, "de"}, {{"--lang"}, {}}, {{"--", "--lang", "de"}, {}}};
  for (const auto& [args, lang] : arguments) EXPECT_EQ(languageArgument(QStringList{"sumdart"} + args), lang) << args.join(u' ').toStdString();
  const auto pages = [](int n) { return translate("Solver", "%n page(s)", nullptr, n) + "|"; };
  EXPECT_EQ(pages(0) + pages(1) + pages(2), "0 pages|1 page|2 pages|");
  setTextLookup([](const char*, const char* text, int n) {
    return std::string(text) == "Exit" ? "Ende" : n > 4 ? "%n stron (%n)" : std::string();
  });
  EXPECT_EQ(translate("TitleScreen", "Exit") + "|" + translate("TitleScreen", "OK") + "|" + pages(1) + pages(25), "Ende|OK|1 page|25 stron (25)|");
  setTextLookup({});
  EXPECT_EQ(fill("%2, %1", {"a", "b"}) + "|" + fill("%1 and %3", {"%2", "x"}), "b, a|%2 and %3");
}

// Each language of the build, with English ("en", no translation) first when asked.
std::vector<std::string> languages(bool english) {
  std::vector<std::string> codes;
  for (const QString& code : (english ? QStringList{"en"} : QStringList{}) + availableLanguages({kQmFolder})) codes.push_back(code.toStdString());
  return codes;
}

class InLanguage : public WindowsTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // Loaded before any screen is made: a screen's captions are translated when it is.
  InLanguage() { EXPECT_TRUE(GetParam() == "en" || translation.load(QString::fromStdString(GetParam()), kQmFolder)) << GetParam(); }

  // Every caption of a window that does not fit its box or runs out of the
  // window (panels, and the chart's cells beyond its edge until scrolled to,
  // aside), said so that a translator can see what to shorten.
  void expectEveryCaptionFits(const Screen& s) {
    FormWindow* w = windows.window(s);
    for (const FormCtl& fc : s.form.controls) {
      QWidget* c = w->control(fc.name);
      const QString text = QString::fromStdString(fc.ctl->caption);
      const std::string where = GetParam() + " " + name(s) + " " + fc.name + ": \"" + text.toStdString() + "\"";
      const QRect box(c->mapTo(w, QPoint(0, 0)), c->size());
      if (fc.ctl->kind != Kind::Panel && &s != flow.chart()) { EXPECT_TRUE(w->rect().contains(box)) << where << " runs out of the window"; }
      bool fits = true;
      if (auto* label = qobject_cast<LabelWidget*>(c)) fits = text.isEmpty() || fc.ctl->autosize || label->captionFits();
      if (auto* button = qobject_cast<QAbstractButton*>(c)) {  // a tick box or option button: its text beside the indicator
        const bool radio = qobject_cast<QRadioButton*>(c) != nullptr;
        const int indicator = c->style()->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, c) +
                              c->style()->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, c);
        fits = button->fontMetrics().horizontalAdvance(button->text()) + indicator <= c->width();
      }
      if (auto* edit = qobject_cast<QLineEdit*>(c)) fits = edit->fontMetrics().horizontalAdvance(QString(edit->maxLength(), u'9')) < c->width() - 4;
      EXPECT_TRUE(fits) << where << " is " << QFontMetrics(c->font()).horizontalAdvance(text) << " px wide in a box of " << c->width();
    }
  }

  Translation translation;
};

// Every window in the language, with every text the game puts in a box while
// it runs: the widest scores and clocks, whose turn, the points, the winner,
// the end, the computer's level. English too: every window laid out.
class LaidOut : public InLanguage {};
TEST_P(LaidOut, EveryCaptionFitsItsBox) {
  const std::vector<const Screen*> screens = openEverything();
  GameScreen& game = *flow.currentGame();
  for (int n = 0; n < 4; ++n) game.form.find(arrayName("scorePanels", n + 1))->ctl->caption = "999";
  for (int n = 0; n < 4; ++n) game.form.find(arrayName("clocks", n))->ctl->caption = "9999";
  std::vector<std::string> banners{translate("GameScreen", "%n point(s) scored", nullptr, 100)};
  for (const char* text : {"GAME OVER!!!", "OUT OF TIME!", "BLUE HAS WON!", "RED HAS WON!", "GREEN HAS WON!", "YELLOW HAS WON!", "IT'S A DRAW!"})
    banners.push_back(translate("GameScreen", text));
  for (const PlayerInfo& p : kPlayers) banners.push_back(translate("GameScreen", p.toPlay));
  for (const std::string& text : banners) {
    game.form.find("banner")->ctl->caption = text;
    windows.afterEvent();
    for (const Screen* s : screens) expectEveryCaptionFits(*s);
  }
  for (std::size_t level = 0; level < 3; ++level) {
    for (std::size_t k = 0; k < 3; ++k) flow.opponent()->levelOptions[k].checked = k == level;
    act([&] { flow.opponent()->playComputer(); });
    windows.afterEvent();
    expectEveryCaptionFits(*flow.currentGame());
    flow.showOpponent({});
  }
}

// A whole game in the language, each caption of the game fitting as it goes,
// and what a screen reader hears of each move in the language: Blue scores 22
// (double 11), Red 4, Blue finishes on double 20 and wins. The pictures with
// words are drawn in the language, inside their frames; the rules page opens
// the document in the language, or the English one without it.
TEST_P(InLanguage, AWholeGameAndTheRulesDocumentAreInTheLanguage) {
  flow.start();
  ASSERT_TRUE(flow.startGame(NewGame{.target = 62}));
  GameScreen& game = *flow.currentGame();
  const Speaker* speaker = windows.window(game)->findChild<Speaker*>();
  ASSERT_NE(speaker, nullptr);
  const struct { int dice[4], cell; std::string heard; } moves[] = {  // cells: double 11, single 4, double 20
      {{6, 4, 3, 1}, 40, translate("GameScreen", "%n point(s) scored", nullptr, 22)},
      {{1, 1, 1, 1}, 8, translate("GameScreen", "%n point(s) scored", nullptr, 4)},
      {{6, 4, 3, 1}, 25, translate("GameScreen", "GAME OVER!!!")}};
  for (const auto& mv : moves) {
    random.pushThrow(mv.dice[0], mv.dice[1], mv.dice[2], mv.dice[3]);
    game.throwDice();
    clock.advance(2500);
    game.boardCellClicked(mv.cell);
    windows.afterEvent();
    expectEveryCaptionFits(game);
    const std::string said = (speaker->text() + " " + speaker->waiting()).toStdString();
    EXPECT_NE(said.find(mv.heard), std::string::npos) << said;
    clock.advance(2000);
  }
  clock.advance(2100);
  windows.afterEvent();
  EXPECT_EQ(game.records().banner.caption, translate("GameScreen", "BLUE HAS WON!"));
  expectEveryCaptionFits(game);
  game.describe();
  EXPECT_EQ(game.records().scorePanels[1].spokenName.rfind(translate("Players", "Red"), 0), 0u) << game.records().scorePanels[1].spokenName;

  int drawnInLanguage = 0;  // (a word may be the same: "doubles" in French)
  for (const char* picture : {"Images\\start.jpg", "Images\\board.jpg"}) {
    const QImage inLanguage = assetgen::drawProgramPicture(picture, 1.0);
    translation.unload();
    const QImage english = assetgen::drawProgramPicture(picture, 1.0);
    ASSERT_TRUE(translation.load(QString::fromStdString(GetParam()), kQmFolder));
    drawnInLanguage += inLanguage != english;
    for (const QRect edge : {QRect(0, 0, 2, english.height()), QRect(english.width() - 2, 0, 2, english.height())})
      EXPECT_TRUE(inLanguage.copy(edge) == english.copy(edge)) << picture << ": words over the frame";
  }
  EXPECT_GT(drawnInLanguage, 0) << "no picture's words are in the language";
  flow.showRules(3);
  const std::string document = "Sumdart Rules." + GetParam() + ".doc";
  act([&] { static_cast<RulesPageThree*>(flow.rules(3))->openRulesDocument(); });
  desktop.missingDocuments = {document};
  act([&] { static_cast<RulesPageThree*>(flow.rules(3))->openRulesDocument(); });
  EXPECT_EQ(desktop.opened, (std::vector<std::string>{document, document, "Sumdart Rules.doc"}));
}

const auto kByCode = [](const ::testing::TestParamInfo<std::string>& info) { return info.param; };
INSTANTIATE_TEST_SUITE_P(EveryLanguage, LaidOut, ::testing::ValuesIn(languages(true)), kByCode);
INSTANTIATE_TEST_SUITE_P(EveryTranslation, InLanguage, ::testing::ValuesIn(languages(false)), kByCode);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(InLanguage);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(LaidOut);

// Polish says 1 punkt, 2 punkty, 5 punktów, 22 punkty, 25 punktów: three forms.
TEST(Languages, PolishCountsTakeTheirThreeForms) {
  Translation polish;
  ASSERT_TRUE(polish.load("pl", kQmFolder));
  for (const auto& [n, words] : {std::pair{1, "1 punkt"}, {2, "2 punkty"}, {5, "5 punktów"}, {12, "12 punktów"}, {22, "22 punkty"}, {25, "25 punktów"}})
    EXPECT_TRUE(std::regex_search(translate("GameScreen", "%n point(s) scored", nullptr, n), std::regex(std::string("(^| )") + words + "($|[ .,!])")))
        << translate("GameScreen", "%n point(s) scored", nullptr, n);
}

// Every message of every .ts file is finished, and keeps the %1 markers of its
// source, so that no number goes missing from a translated text; a text with a
// count has every plural form of its language, each with the count's %n.
TEST(Languages, EveryTranslationIsCompleteAndKeepsItsMarkers) {
  const QDir folder(QStringLiteral(SUMDART_TRANSLATIONS_SOURCE_DIR));
  const QStringList files = folder.entryList({QStringLiteral("sumdart_*.ts")}, QDir::Files);
  ASSERT_GE(files.size(), 3);
  static const QRegularExpression marker(QStringLiteral("%[1-9n]")), form(QStringLiteral("<numerusform>(.*?)</numerusform>")),
      message(QStringLiteral("<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>"), QRegularExpression::DotMatchesEverythingOption);
  const auto markers = [](const QString& text) {
    std::multiset<QString> found;
    for (const auto& m : marker.globalMatch(text)) found.insert(m.captured());
    return found;
  };
  for (const QString& name : files) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    for (const auto& m : message.globalMatch(QString::fromUtf8(file.readAll()))) {
      const std::string where = name.toStdString() + " \"" + m.captured(1).toStdString() + "\" -> \"" + m.captured(3).toStdString() + "\"";
      EXPECT_EQ(m.captured(2).toStdString(), "") << where << " is not finished";
      QStringList texts;  // the plural forms, or the one translation
      for (const auto& f : form.globalMatch(m.captured(3))) texts << f.captured(1);
      if (texts.isEmpty()) texts << m.captured(3);
      for (const QString& text : texts) {
        EXPECT_FALSE(text.trimmed().isEmpty()) << where;
        EXPECT_EQ(markers(text), markers(m.captured(1))) << where;
      }
    }
  }
}

}  // namespace
}  // namespace sumdart::testing_flow
