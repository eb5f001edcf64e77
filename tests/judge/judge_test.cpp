// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The number judge (doubles) and the explainer (exact fractions) are written
// apart; each checks the other over every throw. Every expression the explainer
// or sumdart-solve prints is read back by a third evaluator written here, and
// every number sumdart-solve names, in its list and in the --worksheet PDF (read
// back with poppler's pdftotext and pdfinfo), is checked against the judge.
#include "judge/judge.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "judge/explain.h"
#include "qt/worksheet.h"

namespace {

namespace fs = std::filesystem;
using sumdart::NumberJudge;

// A fraction in lowest terms with a positive denominator.
struct Frac {
  std::int64_t n = 0, d = 1;
  Frac(std::int64_t num = 0, std::int64_t den = 1) {
    if (den == 0) throw std::domain_error("division by 0");
    const std::int64_t g = std::gcd(num, den) * (den < 0 ? -1 : 1);
    n = num / g, d = den / g;
  }
  bool operator==(const Frac&) const = default;
  Frac operator+(const Frac& r) const { return {n * r.d + r.n * d, d * r.d}; }
  Frac operator-(const Frac& r) const { return {n * r.d - r.n * d, d * r.d}; }
  Frac operator*(const Frac& r) const { return {n * r.n, d * r.d}; }
  Frac operator/(const Frac& r) const { return {n * r.d, d * r.n}; }
};

// The value of a printed expression (one-digit numbers, + - × ÷ and brackets);
// the digits it reads are appended to `dice`. Level 0 reads a sum of products,
// level 1 a product of atoms, level 2 a digit or a bracket.
Frac evaluate(const std::string& s, std::vector<int>& dice) {
  std::size_t i = 0;
  const auto take = [&](const std::string& token) {
    while (i < s.size() && s[i] == ' ') ++i;
    return s.compare(i, token.size(), token) == 0 ? (i += token.size(), true) : false;
  };
  std::function<Frac(int)> read = [&](int level) -> Frac {
    if (level == 2 && take("(")) {
      const Frac v = read(0);
      return take(")") ? v : throw std::invalid_argument("no ) in " + s);
    }
    if (level == 2 && (i >= s.size() || s[i] < '0' || s[i] > '9')) throw std::invalid_argument("no number in " + s);
    if (level == 2) return dice.push_back(s[i] - '0'), Frac(s[i++] - '0');
    for (Frac v = read(level + 1);;) {
      if (level == 0 && take("+")) v = v + read(1);
      else if (level == 0 && take("-")) v = v - read(1);
      else if (level == 1 && take("×")) v = v * read(2);
      else if (level == 1 && take("÷")) v = v / read(2);
      else return v;
    }
  };
  const Frac v = read(0);
  return i == s.size() ? v : throw std::invalid_argument("left over in " + s);
}

// The value of an expression for `n`, after checking that it uses the throw's dice
// once each, rounds to `n` (an exact half going to the even neighbour), and makes
// it exactly when `exact` says so.
Frac checkedValue(const std::string& expression, int n, bool exact, std::vector<int> dice) {
  std::vector<int> used;
  const Frac value = evaluate(expression, used);
  std::ranges::sort(used);
  std::ranges::sort(dice);
  EXPECT_EQ(used, dice) << expression;
  // k = floor(value); twice = 2 × (value - k), in d-ths
  const std::int64_t k = value.n / value.d - (value.n % value.d < 0 ? 1 : 0), twice = 2 * (value.n - k * value.d);
  EXPECT_EQ(twice < value.d || (twice == value.d && k % 2 == 0) ? k : k + 1, n) << expression;
  EXPECT_EQ(value == Frac(n), exact) << expression;
  return value;
}

// One judge takes every throw in turn, in every order of the dice, so each
// judgement follows another: it must allow exactly the numbers the explainer
// explains, and each explanation must use the four dice once and round to its
// number.
TEST(Judge, AgreesWithTheExplainerOnEveryThrow) {
  NumberJudge reused;
  for (int i = 0; i < 1296; ++i) {
    std::array<int, 4> dice{i / 216 + 1, i / 36 % 6 + 1, i / 6 % 6 + 1, i % 6 + 1};
    SCOPED_TRACE(::testing::Message() << dice[0] << dice[1] << dice[2] << dice[3]);
    reused.judge(dice[0], dice[1], dice[2], dice[3]);
    const sumdart::Explanations ex = sumdart::explainThrow(dice);
    for (int n = 1; n <= 100; ++n) {
      const auto& e = ex[static_cast<std::size_t>(n)];
      ASSERT_EQ(reused.isAllowed(n), e.has_value()) << n;
      if (!e) continue;
      const Frac value = checkedValue(e->expression, n, e->exact, {dice.begin(), dice.end()});
      EXPECT_EQ(value, Frac(e->value.num(), e->value.den())) << e->expression;
    }
    ASSERT_EQ(reused.countAllowed(), std::ranges::count_if(ex, [](const auto& e) { return e.has_value(); }));
  }
}

// ---- sumdart-solve, run as a separate process ---------------------------------

std::vector<int> allowed(const std::vector<int>& d) {
  NumberJudge judge;
  judge.judge(d[0], d[1], d[2], d[3]);
  std::vector<int> out;
  for (int n = 1; n <= 100; ++n) if (judge.isAllowed(n)) out.push_back(n);
  return out;
}

// The number an entry ("17 ≈ 4 × (4 + 1 ÷ 6) = 50/3 (16.67)", "40 = (6 + 3 + 1) × 4")
// claims, after checking its expression, marked "=" when exact.
int checkedNumber(const std::string& entry, const std::vector<int>& dice) {
  std::smatch m;
  EXPECT_TRUE(std::regex_match(entry, m, std::regex(R"(^\s*(\d+)\s*(=|≈)\s*(.*?)(\s*=\s*[-/.() \d]+)?\s*$)"))) << entry;
  if (m.empty()) return -1;
  std::string expression = m[3];
  for (std::size_t at; (at = expression.find("−")) != std::string::npos;) expression.replace(at, 3, "-");
  checkedValue(expression, std::stoi(m[1]), m[2] == "=", dice);
  return std::stoi(m[1]);
}

struct Outcome { int status = -1; std::string out; };  // out: what it wrote, errors included

class SolveCommand : public ::testing::Test {
 protected:
  fs::path out(const std::string& name) const { return fs::path(tmp_.path().toStdString()) / name; }
  static std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }
  static Outcome run(const std::string& command) {
    Outcome o;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    for (int c; (c = std::fgetc(pipe)) != EOF;) o.out += static_cast<char>(c);
    const int status = pclose(pipe);
    return o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1, o;
  }
  Outcome solve(const std::string& args) const { return run("'" SUMDART_SOLVE_PATH "' " + args); }
  std::string text(const std::string& pdf) const { return run("pdftotext -layout " + quoted(out(pdf)) + " -").out; }

  QTemporaryDir tmp_;
};

// Every line but the last names a number the judge allows, in order, with a way
// to make it; the last counts them. Of the ways to make a number, exact beats
// rounded (6 × 4 + 1 ÷ 3 also gives 24), then fewest brackets; a value that is
// not whole is shown as a fraction and to two places.
TEST_F(SolveCommand, ListsEveryNumberTheJudgeAllowsWithAWayToMakeIt) {
  for (const std::string args : {"1 1 1 1", "1 4 4 6", "2 5 5 5", "6 4 3 1", "3 4 5 6"}) {
    SCOPED_TRACE(args);
    const std::vector<int> dice{args[0] - '0', args[2] - '0', args[4] - '0', args[6] - '0'}, judged = allowed(dice);
    const std::string listing = solve(args).out, last = std::to_string(judged.size()) + " numbers can be made from " + args + ".";
    EXPECT_TRUE(listing.ends_with("\n" + last + "\n")) << listing;
    std::istringstream in(listing);
    std::vector<int> made;
    for (std::string line; std::getline(in, line) && line != last;) made.push_back(checkedNumber(line, dice));
    EXPECT_EQ(made, judged);
  }
  const std::string shown = solve("1 4 4 6").out + solve("6 4 3 1").out;
  for (const std::string line : {"17 ≈ 4 × (4 + 1 ÷ 6) = 50/3 (16.67)", "24 = 6 ÷ (1 - 3 ÷ 4)", "96 = 6 × 4 × (3 + 1)"})
    EXPECT_NE(shown.find("\n" + line + "\n"), std::string::npos) << line;
  // In Polish the count takes its form (4 liczby, 57 liczb), and a value has a decimal comma.
  for (const auto& [args, words] : {std::pair{"1 1 1 1", " 4 liczby."}, {"6 4 3 1", " 57 liczb."}, {"1 4 4 6", " = 50/3 (16,67)\n"}})
    EXPECT_NE(solve(std::string("--lang pl ") + args).out.find(words), std::string::npos) << args;
}

// The key gives each of the sheet's throws with its count, its highest number and
// its doubles, each with a way to make it, as the judge has them; the footer
// counts every page of the file, the key's too. In the desktop's language the sheet and its key
// have no English word left, and the seed draws the same throws as in English.
TEST_F(SolveCommand, WorksheetKeyAgreesWithTheJudgeOnEveryThrowInTheDesktopsLanguage) {
  // This seed's key has numbers made by rounding, and a throw that makes 100.
  const std::string args = "--worksheet 13 --seed 11 -o ";
  const Outcome r = solve(args + quoted(out("sheet.pdf")));
  ASSERT_EQ(r.status, 0) << r.out;
  const std::string all = text("sheet.pdf"),
                    pages = std::regex_replace(run("pdfinfo " + quoted(out("sheet.pdf"))).out, std::regex(R"([^]*\nPages: *(\d+)[^]*)"), "$1");
  EXPECT_NE(all.find("page " + pages + " of " + pages), std::string::npos) << all;

  // Each throw's line in the key (dice, count, highest), then its doubles in columns.
  const std::regex columns(R"(\s{2,})"), block(R"(Throw \d+\s+([1-6])\s+([1-6])\s+([1-6])\s+([1-6])\s+(\d+) numbers?\s+)"
                                               R"(Highest: *(.*\S) *\nDoubles?:((?:.*\S.*\n)+))");
  int throws = 0;
  for (std::sregex_iterator t(all.begin(), all.end(), block), end; t != end; ++t, ++throws) {
    const std::smatch& k = *t;
    const std::vector<int> dice{std::stoi(k[1]), std::stoi(k[2]), std::stoi(k[3]), std::stoi(k[4])}, judged = allowed(dice);
    EXPECT_EQ(std::stoul(k[5]), judged.size()) << k[0];
    EXPECT_EQ(checkedNumber(k[6], dice), judged.back()) << k[0];
    std::vector<int> doubles, want;  // the board's doubles: twice each sector number 1..20
    for (std::sregex_token_iterator f(k[7].first, k[7].second, columns, -1), none; f != none; ++f)
      if (f->length() > 0) doubles.push_back(checkedNumber(*f, dice));
    std::ranges::copy_if(judged, std::back_inserter(want), [](int n) { return n % 2 == 0 && n <= 40; });
    EXPECT_EQ(doubles, want) << k[0];
  }
  EXPECT_EQ(throws, 13);
  ASSERT_EQ(run("LANGUAGE=es '" SUMDART_SOLVE_PATH "' " + args + quoted(out("es.pdf"))).status, 0);
  const std::string spanish = text("es.pdf");
  for (const char* word : {"Highest", "Double:", "Doubles", "Answer key", "Throw 1", "Date:", "numbers", "page 1 of"})
    EXPECT_EQ(spanish.find(word), std::string::npos) << word;
  const auto ways = [](std::string t) {  // "100 = (6 − 1) × 5 × 4" in the key: the same throws and answers
    static const std::regex way(R"(\d+ (=|≈)(?: (?:[-0-9()+=/.]|−|×|÷)+)+)");
    std::ranges::replace(t, ',', '.');  // "62,5" in Spanish
    return std::vector<std::string>(std::sregex_token_iterator(t.begin(), t.end(), way), {});
  };
  EXPECT_EQ(ways(spanish), ways(all));
}

// Long sheets on both papers: every piece lies between the top and bottom 15 mm
// margins, the footer below them 6 mm off the edge, on pages of the paper asked
// for; a throw goes to the next page only when it would not fit on the page before.
TEST_F(SolveCommand, WorksheetPiecesLieWithinTheMarginsOfTheirPaper) {
  const struct { bool letter; double height; const char* size; } papers[] = {
      {false, 297, "595 x 842 pts (A4)"}, {true, 279.4, "612 x 792 pts (letter)"}};
  for (const auto& paper : papers) {
    sumdart::Worksheet sheet{{}, paper.letter, 7};
    for (int t = 0; t < 40; ++t)  // assorted throws, some with many doubles
      sheet.throws.push_back(*sumdart::answerThrow({1 + t % 6, 1 + t / 6 % 6, 1 + t * 5 / 3 % 6, 6 - t * 7 / 4 % 6}));
    const sumdart::WriteOutcome w = sumdart::writeWorksheetPdf(sheet, out("sheet.pdf"));
    ASSERT_EQ(w.result, sumdart::WriteOutcome::Written) << w.problem;
    EXPECT_NE(run("pdfinfo " + quoted(out("sheet.pdf"))).out.find(paper.size), std::string::npos);
    const sumdart::PlacedBox* prev = nullptr;  // the throw before, on the sheet or in the key
    for (const sumdart::PlacedBox& b : w.boxes) {
      SCOPED_TRACE(::testing::Message() << "page " << b.page << ", kind " << b.kind << ", throw " << b.throwNumber);
      const bool footer = b.kind == sumdart::PlacedBox::Footer;
      EXPECT_GE(b.top, footer ? paper.height - 15 : 15);
      EXPECT_LE(b.top + b.height, paper.height - (footer ? 6 : 15));
      if (b.kind != sumdart::PlacedBox::SheetThrow && b.kind != sumdart::PlacedBox::KeyThrow) continue;
      if (prev && prev->kind == b.kind && prev->page != b.page) { EXPECT_GT(prev->top + prev->height + b.height, paper.height - 15); }
      prev = &b;
    }
  }
}

// Status 2 and a message naming the problem; last week's sheet is left as it was
// and nothing else is written, not even into a folder that does not exist.
TEST_F(SolveCommand, BadInputsWriteNothing) {
  std::ofstream(out("kept.pdf")) << "last week's sheet";
  const std::string toKept = " -o " + quoted(out("kept.pdf"));
  const std::pair<std::string, std::string> cases[] = {{"1 2 3 4 5", "expected four dice, got 5"},
      {"2.5 2 3 4", "\"2.5\" is not a whole number"}, {"1 2 7 4", "7 is outside 1 to 6"}, {"--worksheet 0" + toKept, "\"0\""},
      {"--worksheet 41" + toKept, "\"41\""}, {"--worksheet 5 --seed 1.5" + toKept, "\"1.5\""}, {"--worksheet 5 --seed" + toKept, "--seed"},
      {"--worksheet 5 6" + toKept, "\"6\""}, {"--seed 5" + toKept, "--seed"},
      {"--worksheet 5 -o " + quoted(out("missing/sheet.pdf")), out("missing/sheet.pdf")}, {"--worksheet 5 -o " + quoted(out("")), out("")}};
  for (const auto& [args, named] : cases) {
    const Outcome r = solve(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.out.find(named), std::string::npos) << args << "\n" << r.out;
    EXPECT_EQ(std::distance(fs::directory_iterator(out("")), {}), 1) << args;
    EXPECT_EQ(run("cat " + quoted(out("kept.pdf"))).out, "last week's sheet") << args;
  }
}

}  // namespace
