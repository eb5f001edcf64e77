// The sumdart-solve command, run as a separate process.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
  std::vector<std::string> out, err;
  int status = -1;
};

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::remove(path.c_str());
  return lines;
}

Outcome solve(std::vector<std::string> args) {
  const std::string base = ::testing::TempDir() + "solve" + std::to_string(getpid());
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, (base + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&files, 2, (base + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  args.insert(args.begin(), SUMDART_SOLVE_PATH);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  Outcome o;
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, SUMDART_SOLVE_PATH, &files, nullptr, argv.data(), environ) == 0 &&
      waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    o.status = WEXITSTATUS(status);
  posix_spawn_file_actions_destroy(&files);
  o.out = readLines(base + ".out");
  o.err = readLines(base + ".err");
  return o;
}

bool hasLine(const Outcome& o, const std::string& line) {
  return std::find(o.out.begin(), o.out.end(), line) != o.out.end();
}

TEST(judgeSolveCommand, ListsEachNumberWithAWayToMakeIt) {
  const Outcome ones = solve({"1", "1", "1", "1"});
  EXPECT_EQ(ones.status, 0);
  EXPECT_TRUE(ones.err.empty());
  EXPECT_EQ(ones.out, (std::vector<std::string>{"1 = 1 × 1 × 1 × 1", "2 = 1 × 1 × 1 + 1", "3 = 1 × 1 + 1 + 1",
                                                "4 = 1 + 1 + 1 + 1", "4 numbers can be made from 1 1 1 1."}));
  const Outcome thirds = solve({"1", "4", "4", "6"});
  EXPECT_TRUE(hasLine(thirds, "17 ≈ 4 × (4 + 1 ÷ 6) = 50/3 (16.67)"));
  EXPECT_TRUE(hasLine(thirds, "52 numbers can be made from 1 4 4 6."));
  EXPECT_EQ(thirds.out.size(), 53u);
  EXPECT_TRUE(hasLine(solve({"2", "5", "5", "5"}), "62 ≈ 5 × 5 × 5 ÷ 2 = 62.5"));
  EXPECT_TRUE(hasLine(solve({"6", "4", "3", "1"}), "40 = (6 + 3 + 1) × 4"));
}

TEST(judgeSolveCommand, HelpGoesToStandardOutput) {
  for (const char* flag : {"--help", "-h"}) {
    const Outcome o = solve({flag});
    EXPECT_EQ(o.status, 0);
    ASSERT_FALSE(o.out.empty());
    EXPECT_EQ(o.out[0].rfind("usage: sumdart-solve", 0), 0u);
    EXPECT_TRUE(o.err.empty());
  }
}

TEST(judgeSolveCommand, RejectsBadArgumentsWithStatus2) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "expected four dice, got 0"},
      {{"1", "2", "3"}, "expected four dice, got 3"},
      {{"1", "2", "3", "4", "5"}, "expected four dice, got 5"},
      {{"1", "2", "3", "x"}, "\"x\" is not a whole number"},
      {{"2.5", "2", "3", "4"}, "\"2.5\" is not a whole number"},
      {{"1", "2", "7", "4"}, "7 is outside 1 to 6"},
      {{"0", "2", "3", "4"}, "0 is outside 1 to 6"},
      {{"1", "2", "3", "-1"}, "-1 is outside 1 to 6"},
  };
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
