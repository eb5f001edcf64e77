// sumdart-solve: lists every whole number 1..100 a throw of four dice makes, each
// with an expression that makes it, for a teacher checking or preparing a round;
// with --worksheet, writes a printable worksheet of throws and its answer key.
// Which numbers are listed is decided by the game's own number judge; the
// expressions come from the exact-fraction explainer.
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "judge/explain.h"
#include "judge/judge.h"
#include "qt/worksheet.h"
#include "seams/random.h"

namespace {

constexpr const char* kUsage = "usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)";
constexpr const char* kWorksheetArgs = "--worksheet [N] [--seed S] [-o FILE.pdf] [--letter]";
constexpr const char* kDefaultOutput = "sumdart-worksheet.pdf";
constexpr int kDefaultThrows = 10;
constexpr int kMostThrows = 40;

void printHelp() {
  std::printf(
      "%s\n       sumdart-solve %s\n\n"
      "Lists every whole number from 1 to 100 that the four dice can make, using\n"
      "each die once with +, -, × and ÷ and any brackets, with one way to make it:\n"
      "  40 = (6 + 3 + 1) × 4            made exactly\n"
      "  62 ≈ 5 × 5 × 5 ÷ 2 = 62.5       made by rounding to the nearest whole\n"
      "                                  number (an exact half goes to the even one)\n"
      "A value that is not a short decimal is shown as a fraction with its value\n"
      "to two places, e.g. 50/3 (16.67). The last line counts the numbers.\n\n"
      "With --worksheet, writes a PDF to print for a class instead: N throws drawn\n"
      "as the game draws them, each shown as four dice with lines to write the\n"
      "highest number and a double on, then an answer key on a new page giving for\n"
      "each throw how many of the numbers 1 to 100 it makes, the highest, and every\n"
      "double of the board (2 to 40) it makes, each with one way to make it.\n"
      "  --worksheet [N]     N throws, from 1 to %d (default %d)\n"
      "  --seed S            draw the throws from S, a whole number: the same seed\n"
      "                      gives the same sheet; without it every sheet differs\n"
      "  -o, --output FILE   the PDF to write (default: %s\n"
      "                      in the current folder); an existing file is replaced\n"
      "                      only once the new one is complete\n"
      "  --letter            US Letter paper instead of A4\n"
      "Example: sumdart-solve --worksheet 12 --seed 2024 -o monday.pdf\n\n"
      "  -h, --help   show this help\n"
      "  --version    show the version\n",
      kUsage, kWorksheetArgs, kMostThrows, kDefaultThrows, kDefaultOutput);
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

// An argument that reads as an option rather than a die or a value.
bool isOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9');
}

bool isWorksheetOption(std::string_view arg) {
  for (std::string_view name : {"--worksheet", "--seed", "--output", "--letter"})
    if (arg == name || (arg.starts_with(name) && arg[name.size()] == '=')) return true;
  return arg == "-o";
}

// Plain digits worth at most 2^64 - 1.
std::optional<std::uint64_t> readWhole(std::string_view s) {
  std::uint64_t v = 0;
  if (s.empty() || s.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

struct WorksheetRequest {
  int throws = kDefaultThrows;
  std::optional<std::uint64_t> seed;
  std::string output = kDefaultOutput;
  bool letter = false;
};

int worksheetProblem(const std::string& problem) {
  std::fprintf(stderr, "sumdart-solve: %s\nusage: sumdart-solve %s\n", problem.c_str(), kWorksheetArgs);
  return 2;
}

// Reads --worksheet [N], --seed S, -o/--output FILE and --letter, each value
// either as the next argument or after "=" (--seed=7). Returns nothing, and the
// problem, for anything else.
std::optional<WorksheetRequest> readWorksheetRequest(int argc, char** argv, std::string& problem) {
  WorksheetRequest request;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::optional<std::string_view> attached;
    if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
      attached = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
    }
    // An option's value: after "=", or the next argument unless that is one of the options.
    const auto value = [&]() -> std::optional<std::string_view> {
      if (attached) return attached;
      if (i + 1 < argc && !isWorksheetOption(argv[i + 1])) return argv[++i];
      return std::nullopt;
    };
    if (arg == "--worksheet") {
      // The count is optional: take the next argument only when it is not another option.
      std::optional<std::string_view> count = attached;
      if (!count && i + 1 < argc && !isOption(argv[i + 1])) count = argv[++i];
      if (!count) continue;
      const std::optional<std::uint64_t> n = readWhole(*count);
      if (!n || *n < 1 || *n > kMostThrows) {
        problem = "the number of throws must be a whole number from 1 to " + std::to_string(kMostThrows) +
                  ", not \"" + std::string(*count) + "\"";
        return std::nullopt;
      }
      request.throws = static_cast<int>(*n);
    } else if (arg == "--seed") {
      const std::optional<std::string_view> seed = value();
      if (!seed) {
        problem = "--seed needs a whole number after it";
        return std::nullopt;
      }
      request.seed = readWhole(*seed);
      if (!request.seed) {
        problem = "the seed must be a whole number from 0 to " +
                  std::to_string(std::numeric_limits<std::uint64_t>::max()) + ", not \"" + std::string(*seed) + "\"";
        return std::nullopt;
      }
    } else if (arg == "-o" || arg == "--output") {
      const std::optional<std::string_view> file = value();
      if (!file || file->empty()) {
        problem = std::string(arg) + " needs a file name after it";
        return std::nullopt;
      }
      request.output = *file;
    } else if (arg == "--letter" && !attached) {
      request.letter = true;
    } else {
      problem = isOption(argv[i]) ? "unknown option " + std::string(argv[i])
                                  : "unexpected argument \"" + std::string(argv[i]) + "\"";
      return std::nullopt;
    }
  }
  return request;
}

int worksheetMain(int argc, char** argv) {
  std::string problem;
  const std::optional<WorksheetRequest> request = readWorksheetRequest(argc, argv, problem);
  if (!request) return worksheetProblem(problem);

  // The game's generator and draw. With a seed and a clock that stands still the
  // reseeding before each throw repeats, so the sheet does too; without one the
  // seed and the clock are the real time.
  const std::uint64_t seed =
      request->seed.value_or(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  sumdart::MixingRandom random(seed);
  sumdart::FixedDayClock stillClock;
  stillClock.seconds = 0;
  sumdart::SystemDayClock realClock;
  sumdart::DayClock& clock = request->seed ? static_cast<sumdart::DayClock&>(stillClock) : realClock;

  sumdart::Worksheet sheet;
  sheet.letter = request->letter;
  sheet.seed = request->seed;
  for (const sumdart::Throw& dice : sumdart::drawThrows(request->throws, random, clock)) {
    std::optional<sumdart::ThrowAnswers> answers = sumdart::answerThrow(dice);
    if (!answers) {
      std::fprintf(stderr, "sumdart-solve: internal error: no answers found for %d %d %d %d\n", dice[0], dice[1],
                   dice[2], dice[3]);
      return 1;
    }
    sheet.throws.push_back(std::move(*answers));
  }

  const sumdart::WriteOutcome outcome = sumdart::writeWorksheetPdf(sheet, request->output);
  if (outcome.result == sumdart::WriteOutcome::CannotOpen) return worksheetProblem(outcome.problem);
  if (outcome.result == sumdart::WriteOutcome::Failed) {
    std::fprintf(stderr, "sumdart-solve: %s\n", outcome.problem.c_str());
    return 1;
  }
  std::printf("Wrote %s: %d throw%s on %d page%s, then the answer key on %d page%s.\n", request->output.c_str(),
              request->throws, request->throws == 1 ? "" : "s", outcome.sheetPages,
              outcome.sheetPages == 1 ? "" : "s", outcome.keyPages, outcome.keyPages == 1 ? "" : "s");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      printHelp();
      return 0;
    }
    if (arg == "--version") {
      std::printf("sumdart-solve %s\n", SUMDART_VERSION);
      return 0;
    }
  }
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]).starts_with("--worksheet")) return worksheetMain(argc, argv);
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (isWorksheetOption(arg)) return badArguments(std::string(arg) + " goes with --worksheet");
    if (isOption(arg)) return badArguments("unknown option " + std::string(arg));
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
