// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's own logic, natively: its translations give the texts
// and plural forms Qt's .qm files give, and its view sends the page what
// changed and takes only the events a person could make at that moment.
#include <QTranslator>

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "screens/opponent_screen.h"
#include "screens/screenflow.h"
#include "screens/title_screen.h"
#include "support/fake_seams.h"
#include "web/catalog.h"
#include "web/page_view.h"

namespace sumdart {
namespace {

TEST(WebCatalog, GivesEveryTextAndPluralFormTheDesktopsTranslationGives) {
  std::istringstream languages(SUMDART_WEB_LANGUAGES);
  for (std::string language; languages >> language;) {
    QTranslator qt;
    ASSERT_TRUE(qt.load(QString::fromStdString(SUMDART_QM_DIR "/sumdart_" + language + ".qm")));
    std::ifstream in(SUMDART_CATALOG_DIR "/" + language + ".txt", std::ios::binary);
    const Catalog catalog(language, std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_GT(catalog.keys().size(), 250u) << language;
    for (const auto& [context, text] : catalog.keys()) {
      const bool plural = text.find("%n") != std::string::npos;
      for (int n = plural ? 0 : -1; n <= (plural ? 125 : -1); ++n)
        ASSERT_EQ(catalog.lookup(context.c_str(), text.c_str(), n),
                  qt.translate(context.c_str(), text.c_str(), nullptr, n).toStdString())
            << language << ": " << text << ", n = " << n;
    }
  }
}

struct PageFixture : testing::Test {
  PageFixture() {
    flow.setView(&view);
    flow.start();
    view.afterEvent();
  }
  int index(Screen& s, const std::string& name) {
    for (std::size_t i = 0; i < s.form.controls.size(); ++i)
      if (s.form.controls[i].name == name) return static_cast<int>(i);
    return -1;
  }
  FakeServices fake;
  GameSettings settings;
  ScreenFlow flow{settings, fake.services()};
  std::vector<std::string> sent;
  PageView view{[this](const std::string& batch) { sent.push_back(batch); }, [this] { flow.settle(); }};
};

TEST_F(PageFixture, SendsEachWindowOnceWhole_ThenOnlyWhatChanged) {
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_NE(sent[0].find("\"id\":1,\"form\":{"), std::string::npos) << sent[0];
  EXPECT_NE(sent[0].find("\"name\":\"okButton\""), std::string::npos);
  view.afterEvent();
  EXPECT_EQ(sent.size(), 1u) << "nothing changed, nothing sent";
  flow.title()->restartButton.caption = "Again";
  view.afterEvent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_NE(sent[1].find("\"caption\":\"Again\""), std::string::npos);
  EXPECT_EQ(sent[1].find("okButton"), std::string::npos) << sent[1];
}

TEST_F(PageFixture, AClickOnAControlHiddenInItsPanelOrDisabledIsNoClick) {
  TitleScreen& title = *flow.title();
  const int ok = index(title, "okButton");
  title.frame.visible = false;
  view.click(1, ok);
  title.frame.visible = true;
  title.okButton.enabled = false;
  view.click(1, ok);
  view.click(1, 999);
  view.click(7, ok);
  ASSERT_EQ(flow.title(), &title);
  title.okButton.enabled = true;
  view.click(1, ok);
  EXPECT_EQ(flow.title(), nullptr);
  ASSERT_NE(flow.setup(), nullptr);
  EXPECT_NE(sent.back().find("\"closed\":[1]"), std::string::npos) << sent.back();
}

TEST_F(PageFixture, AnOptionSetTakesItsGroupsState) {
  flow.showOpponent(NewGame{});
  OpponentScreen& opponent = *flow.opponent();
  const int id = 2;
  view.check(id, index(opponent, arrayName("levelOptions", 0)), true);
  EXPECT_EQ((std::vector<bool>{opponent.levelOptions[0].checked, opponent.levelOptions[1].checked, opponent.levelOptions[2].checked}),
            (std::vector<bool>{true, false, false}));
}

TEST(WebJson, EscapesQuotesBackslashesAndControlsButNotLetters) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"say \"hi\"", R"("say \"hi\"")"}, {"a\\b", R"("a\\b")"}, {"1\n2\t", R"("1\u000a2\u0009")"}, {"für 5×", "\"für 5×\""}};
  for (const auto& [text, json] : cases) EXPECT_EQ(jsonString(text), json);
}

}  // namespace
}  // namespace sumdart
