// sumdart-solve --worksheet, run as a separate process; its PDF is read back
// with poppler's pdftotext and pdfinfo.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "exact_eval.h"
#include "game/board.h"
#include "judge/judge.h"

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

struct Outcome {
  int status = -1;
  std::string out, err;
};

// One throw as the answer key gives it.
struct KeyThrow {
  std::vector<int> dice;
  int count = 0;
  std::string highest;               // "96 = (6 + 2) × 4 × 3"
  std::vector<std::string> doubles;  // likewise
};

// The throw numbers on the sheet's pages, and the key's throws.
struct Sheet {
  std::vector<int> numbered;
  std::vector<KeyThrow> key;
};

Sheet readSheet(const std::string& text) {
  const std::regex numbered(R"(Throw (\d+))"), columns(R"(\s{2,})"),
      throwLine(R"(Throw (\d+)\s+([1-6])\s+([1-6])\s+([1-6])\s+([1-6])\s+(\d+) numbers?\s+Highest:\s*(.*\S))");
  Sheet sheet;
  bool inKey = false;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    inKey = inKey || line.find("Answer key") != std::string::npos;
    std::smatch m;
    if (!inKey) {
      if (std::regex_search(line, m, numbered)) sheet.numbered.push_back(std::stoi(m[1]));
    } else if (std::regex_search(line, m, throwLine)) {
      sheet.key.push_back({{std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5])}, std::stoi(m[6]), m[7], {}});
    } else if (!sheet.key.empty()) {
      // The throw's doubles, in columns.
      for (std::sregex_token_iterator f(line.begin(), line.end(), columns, -1), end; f != end; ++f) {
        const std::string field = *f;
        if (field.find('=') != std::string::npos)
          sheet.key.back().doubles.push_back(field.starts_with("Doubles:") ? field.substr(8) : field);
      }
    }
  }
  return sheet;
}

// The number an entry claims, after checking that its expression uses the
// throw's dice and rounds to that number.
int checkedNumber(const std::string& entry, std::vector<int> dice) {
  std::smatch m;
  const std::regex form(R"(^\s*(\d+)\s*(=|≈)\s*(.*?)\s*$)");
  EXPECT_TRUE(std::regex_match(entry, m, form)) << entry;
  if (m.empty()) return -1;
  const int number = std::stoi(m[1]);
  std::string expression = m[3];
  if (m[2] == "≈") expression = expression.substr(0, expression.rfind('='));  // drop "= 62.5"
  while (!expression.empty() && expression.back() == ' ') expression.pop_back();
  for (std::size_t at; (at = expression.find("−")) != std::string::npos;) expression.replace(at, 3, "-");
  std::vector<int> used;
  const judgetest::Frac value = judgetest::evaluate(expression, used);
  std::ranges::sort(used);
  std::ranges::sort(dice);
  EXPECT_EQ(used, dice) << entry;
  EXPECT_EQ(judgetest::nearest(value), number) << entry;
  EXPECT_EQ(value == judgetest::Frac(number), m[2] == "=") << entry;
  return number;
}

class judgeWorksheetCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/sumdart-worksheet-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    root_ = name;
    fs::create_directory(out(""));
  }
  void TearDown() override { fs::remove_all(root_); }

  // Where the sheets go; the captured output stays outside it.
  fs::path out(const std::string& name) const { return root_ / "out" / name; }
  std::set<std::string> written() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(out(""))) names.insert(entry.path().filename());
    return names;
  }

  Outcome run(const std::string& command) const {
    const int result =
        std::system((command + " >" + quoted(root_ / "stdout") + " 2>" + quoted(root_ / "stderr")).c_str());
    return {WIFEXITED(result) ? WEXITSTATUS(result) : -1, slurp(root_ / "stdout"), slurp(root_ / "stderr")};
  }
  Outcome solve(const std::string& args) const { return run("'" SUMDART_SOLVE_PATH "' " + args); }
  std::string text(const fs::path& pdf) const { return run("pdftotext -layout " + quoted(pdf) + " -").out; }
  std::string info(const fs::path& pdf, const std::string& field) const {
    std::smatch m;
    const std::string all = run("pdfinfo " + quoted(pdf)).out;
    return std::regex_search(all, m, std::regex(field + R"(:\s*(.*))")) ? std::string(m[1]) : "";
  }

  fs::path root_;
};

TEST_F(judgeWorksheetCommand, KeyAgreesWithTheJudgeOnEveryThrow) {
  // More throws than fit on a page; this seed's key has numbers made by rounding.
  const int throws = 13;
  const Outcome r = solve("--worksheet " + std::to_string(throws) + " --seed 11 -o " + quoted(out("sheet.pdf")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.err.empty()) << r.err;
  EXPECT_GE(std::stoi("0" + info(out("sheet.pdf"), "Pages")), 2);

  const Sheet sheet = readSheet(text(out("sheet.pdf")));
  std::vector<int> expected(throws);
  for (int i = 0; i < throws; ++i) expected[static_cast<std::size_t>(i)] = i + 1;
  EXPECT_EQ(sheet.numbered, expected);
  ASSERT_EQ(sheet.key.size(), static_cast<std::size_t>(throws));

  for (const KeyThrow& t : sheet.key) {
    sumdart::NumberJudge judge;
    judge.judge(t.dice[0], t.dice[1], t.dice[2], t.dice[3]);
    EXPECT_EQ(t.count, judge.countAllowed());
    int highest = 100;
    while (!judge.isAllowed(highest)) --highest;
    EXPECT_EQ(checkedNumber(t.highest, t.dice), highest) << t.highest;
    std::vector<int> doubles, made;
    std::array sectors = sumdart::board::kSectors;
    std::ranges::sort(sectors);
    for (int s : sectors)
      if (judge.isAllowed(2 * s)) doubles.push_back(2 * s);
    for (const std::string& entry : t.doubles) made.push_back(checkedNumber(entry, t.dice));
    EXPECT_EQ(made, doubles);
  }
}

TEST_F(judgeWorksheetCommand, SameSeedSameSheet) {
  ASSERT_EQ(solve("--worksheet 6 --seed 99 -o " + quoted(out("a.pdf"))).status, 0);
  // Without -o it goes to a file of its own name in the current folder.
  ASSERT_EQ(run("cd " + quoted(out("")) + " && '" SUMDART_SOLVE_PATH "' --worksheet 6 --seed 99").status, 0);
  std::set<std::string> names = written();
  ASSERT_EQ(names.size(), 2u);
  names.erase("a.pdf");
  EXPECT_TRUE(names.begin()->ends_with(".pdf"));
  const std::string seeded = text(out("a.pdf"));
  EXPECT_FALSE(seeded.empty());
  EXPECT_EQ(text(out(*names.begin())), seeded);

  ASSERT_EQ(solve("--worksheet 6 -o " + quoted(out("b.pdf"))).status, 0);
  ASSERT_EQ(solve("--worksheet 6 -o " + quoted(out("c.pdf"))).status, 0);
  EXPECT_NE(text(out("b.pdf")), text(out("c.pdf")));

  ASSERT_EQ(solve("--worksheet 6 --letter -o " + quoted(out("letter.pdf"))).status, 0);
  EXPECT_NE(info(out("letter.pdf"), "Page size"), info(out("a.pdf"), "Page size"));
}

TEST_F(judgeWorksheetCommand, BadInputWritesNothing) {
  const fs::path kept = out("kept.pdf");
  std::ofstream(kept) << "last week's sheet";
  const std::string toKept = " -o " + quoted(kept);
  const std::pair<std::string, std::string> cases[] = {
      {"--worksheet 0" + toKept, "\"0\""},
      {"--worksheet 41" + toKept, "\"41\""},
      {"--worksheet ten" + toKept, "\"ten\""},
      {"--worksheet 5 --seed 1.5" + toKept, "\"1.5\""},
      {"--worksheet 5 --seed" + toKept, "--seed"},
      {"--worksheet 5 --colour" + toKept, "--colour"},
      {"--worksheet 5 6" + toKept, "\"6\""},
      {"--seed 5" + toKept, "--seed"},
      {"--worksheet 5 -o " + quoted(out("missing/sheet.pdf")), out("missing/sheet.pdf")},
      {"--worksheet 5 -o " + quoted(out("")), out("")},
  };
  for (const auto& [args, named] : cases) {
    const Outcome r = solve(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    EXPECT_TRUE(r.err.starts_with("sumdart-solve: ")) << args;
    EXPECT_NE(r.err.find(named), std::string::npos) << args << "\n" << r.err;
    EXPECT_EQ(written(), std::set<std::string>{"kept.pdf"}) << args;
    EXPECT_EQ(slurp(kept), "last week's sheet") << args;
  }
}

}  // namespace
