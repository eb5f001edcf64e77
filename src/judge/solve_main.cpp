// sumdart-solve: lists every whole number 1..100 a throw of four dice makes, each
// with an expression that makes it, for a teacher checking or preparing a round.
// Which numbers are listed is decided by the game's own number judge; the
// expressions come from the exact-fraction explainer.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "judge/explain.h"
#include "judge/judge.h"

namespace {

constexpr const char* kUsage = "usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)";

void printHelp() {
  std::printf(
      "%s\n\n"
      "Lists every whole number from 1 to 100 that the four dice can make, using\n"
      "each die once with +, -, × and ÷ and any brackets, with one way to make it:\n"
      "  40 = (6 + 3 + 1) × 4            made exactly\n"
      "  62 ≈ 5 × 5 × 5 ÷ 2 = 62.5       made by rounding to the nearest whole\n"
      "                                  number (an exact half goes to the even one)\n"
      "A value that is not a short decimal is shown as a fraction with its value\n"
      "to two places, e.g. 50/3 (16.67). The last line counts the numbers.\n\n"
      "  -h, --help   show this help\n",
      kUsage);
}

int badArguments(const std::string& problem) {
  std::fprintf(stderr, "sumdart-solve: %s\n%s\n", problem.c_str(), kUsage);
  return 2;
}

// A die is an argument of plain digits (leading zeros allowed) worth 1..6.
// Returns the value, or the problem with the argument.
std::optional<int> readDie(std::string_view arg, std::string& problem) {
  const bool digits = !arg.empty() && arg.find_first_not_of("0123456789") == std::string_view::npos;
  const bool negative = arg.size() > 1 && arg[0] == '-' &&
                        arg.find_first_not_of("0123456789", 1) == std::string_view::npos;
  if (!digits && !negative) {
    problem = "\"" + std::string(arg) + "\" is not a whole number";
    return std::nullopt;
  }
  const std::size_t first = arg.find_first_not_of('0', negative ? 1 : 0);
  const std::string_view value = first == std::string_view::npos ? "0" : arg.substr(first);
  if (negative || value.size() > 1 || value[0] < '1' || value[0] > '6') {
    problem = std::string(arg) + " is outside 1 to 6";
    return std::nullopt;
  }
  return value[0] - '0';
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      printHelp();
      return 0;
    }
  }
  if (argc != 5) return badArguments("expected four dice, got " + std::to_string(argc - 1));
  std::array<int, 4> dice{};
  for (int i = 0; i < 4; ++i) {
    std::string problem;
    const std::optional<int> die = readDie(argv[i + 1], problem);
    if (!die) return badArguments(problem);
    dice[static_cast<std::size_t>(i)] = *die;
  }

  sumdart::NumberJudge judge;
  judge.judge(dice[0], dice[1], dice[2], dice[3]);
  const sumdart::Explanations explained = sumdart::explainThrow(dice);

  int status = 0;
  for (int n = 1; n <= 100; ++n) {
    if (!judge.isAllowed(n)) continue;
    const auto& e = explained[static_cast<std::size_t>(n)];
    if (!e) {
      // The judge and the explainer disagree: say so rather than invent a line.
      std::printf("%d ? (no expression found)\n", n);
      std::fprintf(stderr, "sumdart-solve: internal error: no expression found for %d\n", n);
      status = 1;
    } else if (e->exact) {
      std::printf("%d = %s\n", n, e->expression.c_str());
    } else {
      std::printf("%d ≈ %s = %s\n", n, e->expression.c_str(), sumdart::formatValue(e->value).c_str());
    }
  }
  const int count = judge.countAllowed();
  std::printf("%d number%s can be made from %d %d %d %d.\n", count, count == 1 ? "" : "s", dice[0], dice[1],
              dice[2], dice[3]);
  return status;
}
