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
// markers are filled in any order, and an argument is not filled again.
TEST(Languages, TheDesktopsLanguagesChooseATranslationAndTextsFallBackToEnglish) {
  // Only letters reach a file name, whatever files there are.
  const QStringList have{"de", "fr", "es", "pt_BR", "/tmp/x", "d/e", "de\\x", "..", "de x", "en", "C", "POSIX"};
  const std::pair<QStringList, QString> cases[] = {
      {{"de-Latn-DE", "de-DE"}, "de"}, {{"es_ES.UTF-8"}, "es"}, {{"de-AT", "fr"}, "de"}, {{"PT_br"}, "pt_BR"}, {{"it", "es"}, "es"},
      {{"en_GB.UTF-8", "de"}, ""}, {{"EN_us", "de"}, ""}, {{"C"}, ""}, {{"posix", "de"}, ""}, {{}, ""}, {{"it", "nl"}, ""},
      {{"../de", "d/e", "de\\x", "de"}, "de"}, {{"/tmp/x"}, ""}, {{".."}, ""}, {{"de x"}, ""}};
  for (const auto& [wanted, chosen] : cases)
    EXPECT_EQ(chooseLanguage(wanted, [&have](const QString& code) { return have.contains(code); }), chosen) << wanted.join(u',').toStdString();
  const std::pair<QStringList, std::optional<QString>> arguments[] = {
      {{"--zoom", "2", "--lang=es"}, "es"}, {{"--lang", "fr", "--lang", "de"}, "de"}, {{"--lang"}, {}}, {{"--", "--lang", "de"}, {}}};
  for (const auto& [args, lang] : arguments) EXPECT_EQ(languageArgument(QStringList{"sumdart"} + args), lang) << args.join(u' ').toStdString();
  setTextLookup([](const char*, const char* text) { return std::string(text) == "Exit" ? "Ende" : std::string(); });
  EXPECT_EQ(translate("TitleScreen", "Exit") + "|" + translate("TitleScreen", "OK"), "Ende|OK");
  setTextLookup({});
  EXPECT_EQ(fill("%2, %1", {"a", "b"}) + "|" + fill("%1 and %3", {"%2", "x"}), "b, a|%2 and %3");
}

// Each language of the build, with English ("en", no translation) first when asked.
std::vector<std::string> languages(bool english) {
  std::vector<std::string> codes;
  for (const QString& code : (english ? QStringList{"en"} : QStringList{}) + availableLanguages(kQmFolder)) codes.push_back(code.toStdString());
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
  std::vector<std::string> banners{"GAME OVER!!!", "OUT OF TIME!", "%1 points scored", "BLUE HAS WON!", "RED HAS WON!", "GREEN HAS WON!",
                                   "YELLOW HAS WON!", "IT'S A DRAW!"};
  for (const PlayerInfo& p : kPlayers) banners.push_back(p.toPlay);
  for (const std::string& text : banners) {
    game.form.find("banner")->ctl->caption = fill(translate("GameScreen", text.c_str()), {"100"});
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

// A game reads in the language, and so does what a screen reader hears of it;
// the rules pictures with words are drawn in the language, and the rules page
// opens the document in the language, or the English one without it.
TEST_P(InLanguage, AGameAndTheRulesDocumentAreInTheLanguage) {
  flow.start();
  ASSERT_TRUE(flow.startGame(NewGame{.target = 40}));
  GameScreen& game = *flow.currentGame();
  windows.afterEvent();
  EXPECT_EQ(game.records().banner.caption, translate("GameScreen", "Blue to Play"));
  random.pushThrow(6, 4, 3, 1);
  game.throwDice();
  clock.advance(2500);
  const Speaker* speaker = windows.window(game)->findChild<Speaker*>();
  ASSERT_NE(speaker, nullptr);
  const std::string said = (speaker->text() + " " + speaker->waiting()).toStdString();
  EXPECT_NE(said.find(fill(translate("Dice", "Dice: %1, %2, %3, %4."), {"6", "4", "3", "1"})), std::string::npos) << said;
  game.describe();
  EXPECT_EQ(game.records().scorePanels[0].spokenName.rfind(translate("Players", "Blue"), 0), 0u) << game.records().scorePanels[0].spokenName;

  for (const auto& [picture, file] : {std::pair{"Images\\start.jpg", "/Images/start.jpg"}, {"Images\\board.jpg", "/Images/board.jpg"}})
    EXPECT_NE(qtDesktop.picture(picture, 1.0, 1.0).toImage(), QImage(SUMDART_ASSET_DIR + QString(file))) << picture;
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

// One word of a picture, in its own context, in another language.
struct OneWord : QTranslator {
  OneWord(const char* c, const char* w) : context(c), word(w) {}
  QString translate(const char* c, const char* source, const char*, int) const override {
    return context == c && word == source ? QStringLiteral("Ein sehr langes Wort, viel zu lang") : QString();
  }
  bool isEmpty() const override { return false; }
  std::string context, word;
};

// Each word of a picture is looked up, in its own context; a long one is drawn
// smaller rather than over the picture's frame.
TEST(Languages, PicturesSayTheirWordsInTheLanguage) {
  const std::tuple<const char*, const char*, const char*> words[] = {
      {"Images\\start.jpg", "Pictures", "Ready to play?"}, {"Images\\start.jpg", "Players", "Blue"}, {"Images\\board.jpg", "Pictures", "doubles"}};
  for (const auto& [picture, context, word] : words) {
    const QImage english = assetgen::drawProgramPicture(picture, 1.0);
    OneWord translator(context, word);
    QCoreApplication::installTranslator(&translator);  // until it goes
    const QImage translated = assetgen::drawProgramPicture(picture, 1.0);
    EXPECT_NE(translated, english) << word;
    for (const QRect edge : {QRect(0, 0, 2, english.height()), QRect(english.width() - 2, 0, 2, english.height())})
      EXPECT_EQ(translated.copy(edge), english.copy(edge)) << word << " over the frame";
  }
}

// Every message of every .ts file is finished, and keeps the %1 markers of its
// source, so that no number goes missing from a translated text.
TEST(Languages, EveryTranslationIsCompleteAndKeepsItsMarkers) {
  const QDir folder(QStringLiteral(SUMDART_TRANSLATIONS_SOURCE_DIR));
  const QStringList files = folder.entryList({QStringLiteral("sumdart_*.ts")}, QDir::Files);
  ASSERT_GE(files.size(), 3);
  static const QRegularExpression marker(QStringLiteral("%[1-9]")),
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
      EXPECT_FALSE(m.captured(3).trimmed().isEmpty()) << where;
      EXPECT_EQ(markers(m.captured(3)), markers(m.captured(1))) << where;
    }
  }
}

}  // namespace
}  // namespace sumdart::testing_flow
