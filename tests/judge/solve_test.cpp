// The sumdart-solve command, run as a separate process.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Outcome {
  std::vector<std::string> out, err;
  int status = -1;
  bool has(const std::string& line) const { return std::find(out.begin(), out.end(), line) != out.end(); }
};

// The lines the solver, given `args` and `redirect`, writes to the pipe; sets its exit status.
std::vector<std::string> run(const std::string& args, const char* redirect, int& status) {
  FILE* pipe = popen(("'" SUMDART_SOLVE_PATH "' " + args + redirect).c_str(), "r");
  std::vector<std::string> lines;
  char line[1024];
  while (pipe && std::fgets(line, sizeof line, pipe)) lines.emplace_back(line, std::strcspn(line, "\n"));
  const int result = pipe ? pclose(pipe) : -1;
  status = result != -1 && WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return lines;
}

Outcome solve(const std::string& args) {
  Outcome o;
  o.out = run(args, " 2>/dev/null", o.status);
  o.err = run(args, " 2>&1 >/dev/null", o.status);
  return o;
}

TEST(judgeSolveCommand, ListsEachNumberWithAWayToMakeIt) {
  const Outcome ones = solve("1 1 1 1");
  EXPECT_EQ(ones.status, 0);
  EXPECT_TRUE(ones.err.empty());
  EXPECT_EQ(ones.out, (std::vector<std::string>{"1 = 1 × 1 × 1 × 1", "2 = 1 × 1 × 1 + 1", "3 = 1 × 1 + 1 + 1",
                                                "4 = 1 + 1 + 1 + 1", "4 numbers can be made from 1 1 1 1."}));
  const Outcome thirds = solve("1 4 4 6");
  EXPECT_TRUE(thirds.has("17 ≈ 4 × (4 + 1 ÷ 6) = 50/3 (16.67)"));
  EXPECT_TRUE(thirds.has("52 numbers can be made from 1 4 4 6."));
  EXPECT_EQ(thirds.out.size(), 53u);
  EXPECT_TRUE(solve("2 5 5 5").has("62 ≈ 5 × 5 × 5 ÷ 2 = 62.5"));
  EXPECT_TRUE(solve("6 4 3 1").has("40 = (6 + 3 + 1) × 4"));
}

TEST(judgeSolveCommand, HelpGoesToStandardOutput) {
  for (const char* flag : {"--help", "-h"}) {
    const Outcome o = solve(flag);
    EXPECT_EQ(o.status, 0);
    ASSERT_FALSE(o.out.empty());
    EXPECT_EQ(o.out[0].rfind("usage: sumdart-solve", 0), 0u);
    EXPECT_TRUE(o.err.empty());
  }
}

TEST(judgeSolveCommand, RejectsBadArgumentsWithStatus2) {
  const std::pair<const char*, std::string> cases[] = {
      {"", "expected four dice, got 0"},        {"1 2 3", "expected four dice, got 3"},
      {"1 2 3 4 5", "expected four dice, got 5"}, {"1 2 3 x", "\"x\" is not a whole number"},
      {"2.5 2 3 4", "\"2.5\" is not a whole number"}, {"1 2 7 4", "7 is outside 1 to 6"},
      {"0 2 3 4", "0 is outside 1 to 6"},       {"1 2 3 -1", "-1 is outside 1 to 6"}};
  for (const auto& [args, problem] : cases) {
    const Outcome o = solve(args);
    EXPECT_EQ(o.status, 2) << problem;
    EXPECT_TRUE(o.out.empty()) << problem;
    ASSERT_EQ(o.err.size(), 2u) << problem;
    EXPECT_EQ(o.err[0], "sumdart-solve: " + problem);
    EXPECT_EQ(o.err[1].rfind("usage: sumdart-solve", 0), 0u);
  }
}

}  // namespace
