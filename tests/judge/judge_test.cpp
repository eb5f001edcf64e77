// The number judge (doubles) and the explainer (exact fractions) are written
// apart; each checks the other over every throw. Every expression the explainer
// or sumdart-solve prints is read back by a third, separate evaluator
// (exact_eval.h), and every number sumdart-solve names, in its list and in the
// --worksheet PDF (read back with poppler's pdftotext and pdfinfo), is checked
// against the judge.
#include "judge/judge.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "exact_eval.h"
#include "judge/explain.h"
#include "qt/worksheet.h"

namespace {

namespace fs = std::filesystem;
using judgetest::Frac;
using sumdart::NumberJudge;

// One judge takes every throw in turn, so each judgement follows another: it must
// give what a fresh judge gives for the same dice in another order, exactly the
// numbers the explainer explains, and each explanation must use the four dice
// once and round to its number.
TEST(Judge, AgreesWithTheExplainerOnEveryThrow) {
  auto reused = std::make_unique<NumberJudge>();
  int fewest = 100, most = 0;
  for (int i = 0; i < 1296; ++i) {
    std::array<int, 4> dice{i / 216 + 1, i / 36 % 6 + 1, i / 6 % 6 + 1, i % 6 + 1};
    SCOPED_TRACE(::testing::Message() << dice[0] << dice[1] << dice[2] << dice[3]);
    reused->judge(dice[0], dice[1], dice[2], dice[3]);
    const sumdart::Explanations ex = sumdart::explainThrow(dice);
    std::ranges::sort(dice);
    auto fresh = std::make_unique<NumberJudge>();
    fresh->judge(dice[3], dice[2], dice[1], dice[0]);
    int count = 0;
    for (int n = 1; n <= 100; ++n) {
      const auto& e = ex[static_cast<std::size_t>(n)];
      ASSERT_EQ(reused->isAllowed(n), fresh->isAllowed(n)) << n;
      ASSERT_EQ(reused->isAllowed(n), e.has_value()) << n;
      if (!e) continue;
      ++count;
      std::vector<int> used;
      const Frac value = judgetest::evaluate(e->expression, used);
      std::ranges::sort(used);
      EXPECT_TRUE(std::ranges::equal(used, dice)) << e->expression;
      EXPECT_EQ(judgetest::nearest(value), n) << e->expression;
      EXPECT_EQ(e->exact, value == Frac(n)) << e->expression;
      EXPECT_EQ(value, Frac(e->value.num(), e->value.den())) << e->expression;
    }
    ASSERT_EQ(reused->countAllowed(), count);
    fewest = std::min(fewest, count);
    most = std::max(most, count);
  }
  EXPECT_EQ(fewest, 4);  // 1 1 1 1
  EXPECT_EQ(most, 69);   // 3 4 5 6
}

// Of the ways to make a number, exact beats rounded, then fewest brackets, then
// dice from largest to smallest.
TEST(Explainer, PrefersExactValuesAndFewBracketsAndFormatsValues) {
  const sumdart::Explanations ex = sumdart::explainThrow({6, 4, 3, 1});
  EXPECT_EQ(ex[14]->expression, "6 + 4 + 3 + 1");
  EXPECT_EQ(ex[96]->expression, "6 × 4 × (3 + 1)");
  EXPECT_EQ(ex[24]->expression, "6 ÷ (1 - 3 ÷ 4)");
  const auto rounded = sumdart::explainThrow({2, 5, 5, 5})[62];
  EXPECT_EQ(rounded->expression, "5 × 5 × 5 ÷ 2");
  EXPECT_FALSE(rounded->exact);
  const std::pair<sumdart::Rational, std::string> formats[] = {
      {{125, 2}, "62.5"}, {{40, 1}, "40"}, {{1, 16}, "0.0625"}, {{50, 3}, "50/3 (16.67)"}, {{-2, 3}, "-2/3 (-0.67)"}};
  for (const auto& [v, text] : formats) EXPECT_EQ(sumdart::formatValue(v), text);
  EXPECT_EQ(sumdart::nearestWhole({5, 2}), 2);
}

// ---- sumdart-solve, run as a separate process ---------------------------------

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// What the judge says of a throw: the numbers it allows, and the board's doubles
// (twice each sector number 1..20) among them.
struct Judged {
  std::vector<int> allowed, doubles;
  explicit Judged(const std::vector<int>& d) {
    NumberJudge judge;
    judge.judge(d[0], d[1], d[2], d[3]);
    for (int n = 1; n <= 100; ++n)
      if (judge.isAllowed(n)) allowed.push_back(n);
    for (int n = 2; n <= 40; n += 2)
      if (judge.isAllowed(n)) doubles.push_back(n);
  }
};

// The number an entry ("17 ≈ 4 × (4 + 1 ÷ 6) = 50/3 (16.67)", "40 = (6 + 3 + 1) × 4")
// claims, after checking that its expression uses the throw's dice, rounds to that
// number, and is marked "=" exactly when it makes the number exactly.
int checkedNumber(const std::string& entry, std::vector<int> dice) {
  std::smatch m;
  EXPECT_TRUE(std::regex_match(entry, m, std::regex(R"(^\s*(\d+)\s*(=|≈)\s*(.*?)(\s*=\s*[-/.() \d]+)?\s*$)"))) << entry;
  if (m.empty()) return -1;
  std::string expression = m[3];
  for (std::size_t at; (at = expression.find("−")) != std::string::npos;) expression.replace(at, 3, "-");
  std::vector<int> used;
  const Frac value = judgetest::evaluate(expression, used);
  std::ranges::sort(used);
  std::ranges::sort(dice);
  EXPECT_EQ(used, dice) << entry;
  EXPECT_EQ(judgetest::nearest(value), std::stoi(m[1])) << entry;
  EXPECT_EQ(value == Frac(std::stoi(m[1])), m[2] == "=") << entry;
  return std::stoi(m[1]);
}

struct Outcome { int status = -1; std::string out, err; };

class SolveCommand : public ::testing::Test {
 protected:
  // Where the sheets go; the captured output stays outside it.
  fs::path out(const std::string& name) const { return root_ / "out" / name; }
  static std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }
  static std::string slurp(const fs::path& file) {
    std::ostringstream s;
    s << std::ifstream(file).rdbuf();
    return s.str();
  }
  Outcome run(const std::string& command) const {
    const int result = std::system((command + " >" + quoted(root_ / "stdout") + " 2>" + quoted(root_ / "stderr")).c_str());
    return {WIFEXITED(result) ? WEXITSTATUS(result) : -1, slurp(root_ / "stdout"), slurp(root_ / "stderr")};
  }
  Outcome solve(const std::string& args) const { return run("'" SUMDART_SOLVE_PATH "' " + args); }
  std::string text(const std::string& pdf) const { return run("pdftotext -layout " + quoted(out(pdf)) + " -").out; }
  std::string info(const std::string& pdf, const std::string& field) const {
    std::smatch m;
    const std::string all = run("pdfinfo " + quoted(out(pdf))).out;
    return std::regex_search(all, m, std::regex(field + R"(:\s*(.*))")) ? std::string(m[1]) : "";
  }

  QTemporaryDir tmp_;
  const fs::path root_ = tmp_.path().toStdString();
  const bool madeOut_ = fs::create_directory(out(""));
};

// Every line but the last names a number the judge allows, in order, with a way
// to make it; the last counts them.
TEST_F(SolveCommand, ListsEveryNumberTheJudgeAllowsWithAWayToMakeIt) {
  for (const std::string args : {"1 1 1 1", "1 4 4 6", "2 5 5 5", "6 4 3 1", "3 4 5 6"}) {
    SCOPED_TRACE(args);
    const std::vector<int> dice{args[0] - '0', args[2] - '0', args[4] - '0', args[6] - '0'};
    const Outcome o = solve(args);
    EXPECT_TRUE(o.status == 0 && o.err.empty()) << o.err;
    std::vector<std::string> listed = lines(o.out);
    const Judged judged(dice);
    ASSERT_EQ(listed.size(), judged.allowed.size() + 1);
    EXPECT_EQ(listed.back(), std::to_string(judged.allowed.size()) + " numbers can be made from " + args + ".");
    listed.pop_back();
    std::vector<int> made;
    for (const std::string& line : listed) made.push_back(checkedNumber(line, dice));
    EXPECT_EQ(made, judged.allowed);
  }
  EXPECT_EQ(lines(solve("1 4 4 6").out)[16], "17 ≈ 4 × (4 + 1 ÷ 6) = 50/3 (16.67)");
  for (const char* flag : {"--help", "-h"}) EXPECT_TRUE(solve(flag).out.starts_with("usage: sumdart-solve")) << flag;
}

// The sheet numbers N throws and the key gives the same N, each agreeing with the
// judge: its count, its highest number and its doubles, each with a way to make it.
TEST_F(SolveCommand, WorksheetKeyAgreesWithTheJudgeOnEveryThrow) {
  // This seed's key has numbers made by rounding.
  const Outcome r = solve("--worksheet 13 --seed 11 -o " + quoted(out("sheet.pdf")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(r.out, m, std::regex(R"(13 throws on (\d+) pages?, then the answer key on (\d+))")));
  EXPECT_EQ(info("sheet.pdf", "Pages"), std::to_string(std::stoi(m[1]) + std::stoi(m[2])));

  // After "Answer key", one line per throw (dice, count, highest) and its doubles in columns.
  const std::regex columns(R"(\s{2,})"),
      keyLine(R"(Throw \d+\s+([1-6])\s+([1-6])\s+([1-6])\s+([1-6])\s+(\d+) numbers?\s+Highest:\s*(.*\S))");
  std::vector<std::pair<std::vector<int>, std::vector<int>>> key;  // each throw's dice, and the doubles it gives
  bool inKey = false;
  for (const std::string& line : lines(text("sheet.pdf"))) {
    inKey = inKey || line.find("Answer key") != std::string::npos;
    if (inKey && std::regex_search(line, m, keyLine)) {
      const std::vector<int> dice{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4])};
      EXPECT_EQ(std::stoul(m[5]), Judged(dice).allowed.size()) << line;
      EXPECT_EQ(checkedNumber(m[6], dice), Judged(dice).allowed.back()) << line;
      key.push_back({dice, {}});
    } else if (inKey && !key.empty()) {
      for (std::sregex_token_iterator f(line.begin(), line.end(), columns, -1), end; f != end; ++f)
        if (f->str().find('=') != std::string::npos)
          key.back().second.push_back(checkedNumber(std::regex_replace(f->str(), std::regex("^Doubles:"), ""), key.back().first));
    }
  }
  ASSERT_EQ(key.size(), 13u);
  for (const auto& [dice, doubles] : key) EXPECT_EQ(doubles, Judged(dice).doubles);
}

// Long sheets on both papers, written here to see where each piece was drawn. Each
// page reads "page K of N", N the PDF's page count, and draws its footer first, 6 mm
// off the edge, then the header and throws down the page, 1 mm apart or more, inside
// 15 mm margins and above the footer. Each throw is one row on the sheet and one
// block in the key, on the page whose text shows it.
TEST_F(SolveCommand, WorksheetPagesAreNumberedAndEachThrowLiesWithinTheMargins) {
  constexpr double kMargin = 15, kEdge = 6, kGap = 1;
  const struct { bool letter; int throws; double width, height; const char* size; } papers[] = {
      {false, 40, 210, 297, "595 x 842 pts (A4)"}, {true, 17, 215.9, 279.4, "612 x 792 pts (letter)"}};
  for (const auto& paper : papers) {
    sumdart::Worksheet sheet{{}, paper.letter, 7};
    for (int t = 0; t < paper.throws; ++t)  // assorted throws, some with many doubles
      sheet.throws.push_back(*sumdart::answerThrow({1 + t % 6, 1 + t / 6 % 6, 1 + t * 5 / 3 % 6, 6 - t * 7 / 4 % 6}));
    const sumdart::WriteOutcome w = sumdart::writeWorksheetPdf(sheet, out("sheet.pdf"));
    ASSERT_EQ(w.result, sumdart::WriteOutcome::Written) << w.problem;
    const int pages = w.sheetPages + w.keyPages;
    EXPECT_TRUE(w.sheetPages >= 3 && w.keyPages >= 2) << w.sheetPages << " " << w.keyPages;
    EXPECT_EQ(info("sheet.pdf", "Pages"), std::to_string(pages));
    EXPECT_EQ(info("sheet.pdf", "Page size"), paper.size);

    std::vector<std::vector<int>> throwsOn(static_cast<std::size_t>(pages));
    int next[2] = {1, 1};  // the next throw on the sheet, in the key
    std::vector<double> footerTop(throwsOn.size(), -1), reached(throwsOn.size(), kMargin);
    for (const sumdart::PlacedBox& b : w.boxes) {
      SCOPED_TRACE(::testing::Message() << "page " << b.page << ", kind " << b.kind << ", throw " << b.throwNumber);
      ASSERT_TRUE(b.page >= 0 && b.page < pages);
      const auto p = static_cast<std::size_t>(b.page);
      EXPECT_TRUE(b.left >= kMargin && b.left + b.width <= paper.width - kMargin) << b.left << "+" << b.width;
      if (b.kind == sumdart::PlacedBox::Footer) {
        EXPECT_TRUE(footerTop[p] < 0 && b.top + b.height <= paper.height - kEdge) << b.top << "+" << b.height;
        footerTop[p] = b.top;
        continue;
      }
      EXPECT_GE(b.top, reached[p]);
      reached[p] = b.top + b.height + kGap;
      EXPECT_LE(reached[p], footerTop[p]) << b.top << "+" << b.height;
      if (b.kind == sumdart::PlacedBox::Header) continue;
      throwsOn[p].push_back(b.throwNumber);
      EXPECT_EQ(b.throwNumber, next[b.kind == sumdart::PlacedBox::KeyThrow]++);
      EXPECT_EQ(b.page >= w.sheetPages, b.kind == sumdart::PlacedBox::KeyThrow);
    }
    EXPECT_TRUE(next[0] == paper.throws + 1 && next[1] == paper.throws + 1);
    for (int p = 0; p + 1 < pages; ++p) {  // a page is filled before the next begins (the last of each part may not be)
      if (p != w.sheetPages - 1) { EXPECT_GE(throwsOn[static_cast<std::size_t>(p)].size(), 3u) << "page " << p + 1; }
    }

    const std::regex numbered(R"(Throw (\d+))");
    for (int k = 1; k <= pages; ++k) {
      const std::string K = std::to_string(k), page = run("pdftotext -f " + K + " -l " + K + " " + quoted(out("sheet.pdf")) + " -").out;
      EXPECT_NE(page.find("Sumdart · page " + K + " of " + std::to_string(pages)), std::string::npos) << page;
      std::vector<int> shown;
      for (std::sregex_iterator n(page.begin(), page.end(), numbered), end; n != end; ++n)
        shown.push_back(std::stoi((*n)[1]));
      EXPECT_EQ(shown, throwsOn[static_cast<std::size_t>(k - 1)]) << "page " << k;
    }
  }
}

TEST_F(SolveCommand, WorksheetSameSeedSameSheet) {
  ASSERT_EQ(solve("--worksheet 6 --seed 99 -o " + quoted(out("a.pdf"))).status, 0);
  // Without -o it goes to sumdart-worksheet.pdf in the current folder.
  ASSERT_EQ(run("cd " + quoted(out("")) + " && '" SUMDART_SOLVE_PATH "' --worksheet 6 --seed 99").status, 0);
  EXPECT_NE(text("a.pdf"), "");
  EXPECT_EQ(text("sumdart-worksheet.pdf"), text("a.pdf"));
  ASSERT_EQ(solve("--worksheet 6 -o " + quoted(out("b.pdf"))).status, 0);
  ASSERT_EQ(solve("--worksheet 6 -o " + quoted(out("c.pdf"))).status, 0);
  EXPECT_NE(text("b.pdf"), text("c.pdf"));
  ASSERT_EQ(solve("--worksheet 6 --letter -o " + quoted(out("letter.pdf"))).status, 0);
  EXPECT_EQ(info("letter.pdf", "Page size"), "612 x 792 pts (letter)");
}

// In the desktop's language the sheet and its key have no English word left,
// and keep their numbers: the same throws as the English sheet of that seed.
TEST_F(SolveCommand, WorksheetInTheDesktopsLanguage) {
  ASSERT_EQ(solve("--worksheet 2 --seed 5 -o " + quoted(out("en.pdf"))).status, 0);
  ASSERT_EQ(run("LANGUAGE=es '" SUMDART_SOLVE_PATH "' --worksheet 2 --seed 5 -o " + quoted(out("es.pdf"))).status, 0);
  const std::string english = text("en.pdf"), spanish = text("es.pdf");
  for (const char* word : {"Highest", "Double:", "Doubles", "Answer key", "Throw 1", "Date:", "numbers", "page 1 of"})
    EXPECT_TRUE(english.find(word) != std::string::npos && spanish.find(word) == std::string::npos) << word;
  const auto digits = [](std::string t) { return std::erase_if(t, [](char c) { return !std::isdigit(static_cast<unsigned char>(c)); }), t; };
  EXPECT_EQ(digits(spanish), digits(english));
}

// Status 2, a message naming the problem and the usage, and last week's sheet left
// as it was.
TEST_F(SolveCommand, BadInputsWriteNothing) {
  std::ofstream(out("kept.pdf")) << "last week's sheet";
  const std::string toKept = " -o " + quoted(out("kept.pdf"));
  const std::pair<std::string, std::string> cases[] = {
      {"1 2 3", "expected four dice, got 3"}, {"1 2 3 4 5", "expected four dice, got 5"}, {"2.5 2 3 4", "\"2.5\" is not a whole number"},
      {"1 2 7 4", "7 is outside 1 to 6"}, {"0 2 3 4", "0 is outside 1 to 6"}, {"--worksheet 0" + toKept, "\"0\""},
      {"--worksheet 41" + toKept, "\"41\""}, {"--worksheet 5 --seed 1.5" + toKept, "\"1.5\""}, {"--worksheet 5 --seed" + toKept, "--seed"},
      {"--worksheet 5 6" + toKept, "\"6\""}, {"--seed 5" + toKept, "--seed"},
      {"--worksheet 5 -o " + quoted(out("missing/sheet.pdf")), out("missing/sheet.pdf")},
      {"--worksheet 5 -o " + quoted(out("")), out("")}};
  for (const auto& [args, named] : cases) {
    const Outcome r = solve(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_TRUE(r.err.starts_with("sumdart-solve: ") && r.err.find("\nusage: sumdart-solve") != std::string::npos) << r.err;
    EXPECT_NE(r.err.find(named), std::string::npos) << args << "\n" << r.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(out("")), {}), 1) << args;
    EXPECT_EQ(slurp(out("kept.pdf")), "last week's sheet") << args;
  }
}

}  // namespace
