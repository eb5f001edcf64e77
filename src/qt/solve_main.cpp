// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <vector>

#include "state/licence.h"
#include "judge/explain.h"
#include "judge/judge.h"
#include "qt/language.h"
#include "qt/paths.h"
#include "qt/worksheet.h"
#include "seams/random.h"
#include "state/texts.h"

#include <QFileInfo>

namespace {

using sumdart::fill;
using sumdart::translate;

constexpr const char* kUsage = TRANSLATABLE("Solver", "usage: sumdart-solve DIE DIE DIE DIE   (four whole numbers from 1 to 6)");
constexpr const char* kWorksheetArgs = "--worksheet [N] [--seed S] [-o FILE.pdf] [--letter]";
constexpr const char* kDefaultOutput = "sumdart-worksheet.pdf";
constexpr int kDefaultThrows = 10;
constexpr int kMostThrows = 40;

// Plain ASCII names of the options and numbers go in as arguments, so that a
// translation cannot change what the program accepts.
void printHelp() {
  const std::string text = fill(
      translate("Solver",
                "%1\n       sumdart-solve %2\n\n"
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
                "  --worksheet [N]     N throws, from 1 to %3 (default %4)\n"
                "  --seed S            draw the throws from S, a whole number: the same seed\n"
                "                      gives the same sheet; without it every sheet differs\n"
                "  -o, --output FILE   the PDF to write (default: %5\n"
                "                      in the current folder); an existing file is replaced\n"
                "                      only once the new one is complete\n"
                "  --letter            US Letter paper instead of A4\n"
                "  --lang CODE         the language of the messages and the worksheet\n"
                "                      (de, es, fr, it, nl, pl, pt_BR; en for English)\n"
                "                      instead of the desktop's\n"
                "Example: sumdart-solve --worksheet 12 --seed 2024 -o monday.pdf\n\n"
                "  -h, --help   show this help\n"
                "  --version    show the version\n"),
      {translate("Solver", kUsage), kWorksheetArgs, std::to_string(kMostThrows), std::to_string(kDefaultThrows),
       kDefaultOutput});
  std::fputs(text.c_str(), stdout);
}

int badArguments(const std::string& problem) {
  std::fprintf(stderr, "sumdart-solve: %s\n%s\n", problem.c_str(), translate("Solver", kUsage).c_str());
  return 2;
}

// A die is an argument of plain digits (leading zeros allowed) worth 1..6.
// Returns the value, or the problem with the argument.
std::optional<int> readDie(std::string_view arg, std::string& problem) {
  const bool digits = !arg.empty() && arg.find_first_not_of("0123456789") == std::string_view::npos;
  const bool negative = arg.size() > 1 && arg[0] == '-' &&
                        arg.find_first_not_of("0123456789", 1) == std::string_view::npos;
  if (!digits && !negative) {
    problem = fill(translate("Solver", "\"%1\" is not a whole number"), {arg});
    return std::nullopt;
  }
  const std::size_t first = arg.find_first_not_of('0', negative ? 1 : 0);
  const std::string_view value = first == std::string_view::npos ? "0" : arg.substr(first);
  if (negative || value.size() > 1 || value[0] < '1' || value[0] > '6') {
    problem = fill(translate("Solver", "%1 is outside 1 to 6"), {arg});
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
  std::fprintf(stderr, "sumdart-solve: %s\n%s\n", problem.c_str(),
               fill(translate("Solver", "usage: sumdart-solve %1"), {kWorksheetArgs}).c_str());
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
        problem = fill(translate("Solver", "the number of throws must be a whole number from 1 to %1, not \"%2\""),
                       {std::to_string(kMostThrows), *count});
        return std::nullopt;
      }
      request.throws = static_cast<int>(*n);
    } else if (arg == "--seed") {
      const std::optional<std::string_view> seed = value();
      if (!seed) {
        problem = fill(translate("Solver", "%1 needs a whole number after it"), {"--seed"});
        return std::nullopt;
      }
      request.seed = readWhole(*seed);
      if (!request.seed) {
        problem = fill(translate("Solver", "the seed must be a whole number from 0 to %1, not \"%2\""),
                       {std::to_string(std::numeric_limits<std::uint64_t>::max()), *seed});
        return std::nullopt;
      }
    } else if (arg == "-o" || arg == "--output") {
      const std::optional<std::string_view> file = value();
      if (!file || file->empty()) {
        problem = fill(translate("Solver", "%1 needs a file name after it"), {arg});
        return std::nullopt;
      }
      request.output = *file;
    } else if (arg == "--letter" && !attached) {
      request.letter = true;
    } else {
      problem = isOption(argv[i]) ? fill(translate("Solver", "unknown option %1"), {argv[i]})
                                  : fill(translate("Solver", "unexpected argument \"%1\""), {argv[i]});
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
      std::fprintf(stderr, "sumdart-solve: %s\n",
                   fill(translate("Solver", "internal error: no answers found for %1 %2 %3 %4"),
                        {std::to_string(dice[0]), std::to_string(dice[1]), std::to_string(dice[2]), std::to_string(dice[3])})
                       .c_str());
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
  // Each count with its own word, so that a language can make each agree.
  const std::string throws = translate("Solver", "%n throw(s)", nullptr, request->throws);
  const auto pages = [](int n) { return translate("Solver", "%n page(s)", nullptr, n); };
  std::printf("%s\n", fill(translate("Solver", "Wrote %1: %2 on %3, then the answer key on %4."),
                           {request->output, throws, pages(outcome.sheetPages), pages(outcome.keyPages)})
                          .c_str());
  return 0;
}

// --lang CODE (or --lang=CODE) sets the language for this run and is taken
// out before the rest is read: the other arguments, argv[0] first.
std::vector<char*> argumentsWithoutLang(int argc, char** argv) {
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--") {
      rest.insert(rest.end(), argv + i, argv + argc);
      break;
    }
    if ((a == "--lang" || a == "-lang") && i + 1 < argc) {
      ++i;
      continue;
    }
    if (a.starts_with("--lang=") || a.starts_with("-lang=")) continue;
    rest.push_back(argv[i]);
  }
  return rest;
}

// Loads the language --lang asks for, else the desktop's. An exit status when
// there is no translation for the one asked for, else nothing.
std::optional<int> loadLanguage(sumdart::Translation& translation, int argc, char** argv) {
  QStringList all;
  for (int i = 0; i < argc; ++i) all << QString::fromLocal8Bit(argv[i]);
  const std::optional<QString> langArgument = sumdart::languageArgument(all);
  const QStringList folders =
      sumdart::translationFolders(sumdart::searchDirsBeside(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath()));
  const QString language = sumdart::languageFor(folders, langArgument);
  translation.load(language, sumdart::folderWith(folders, language));
  if (sumdart::isUnknownLanguage(langArgument, language)) {
    std::fprintf(stderr, "sumdart-solve: %s\n",
                 fill(translate("Solver", "there is no translation for \"%1\"; there are: %2"),
                      {langArgument->toStdString(),
                       sumdart::availableLanguages(folders).join(QStringLiteral(", ")).toStdString()})
                     .c_str());
    return 2;
  }
  return std::nullopt;
}

// --help and --version, wherever they stand: the exit status once printed.
std::optional<int> helpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      printHelp();
      return 0;
    }
    if (arg == "--version") {
      std::printf("sumdart-solve %s\n%s", SUMDART_VERSION, sumdart::kLicenceNotice);
      return 0;
    }
  }
  return std::nullopt;
}

// Every number 1..100 the throw makes, each with an expression, then their count.
int listNumbers(const std::array<int, 4>& dice) {
  sumdart::NumberJudge judge;
  judge.judge(dice[0], dice[1], dice[2], dice[3]);
  const sumdart::Explanations explained = sumdart::explainThrow(dice);
  const std::string point = sumdart::decimalPoint();  // "62,5" in German

  int status = 0;
  for (int n = 1; n <= 100; ++n) {
    if (!judge.isAllowed(n)) continue;
    const auto& e = explained[static_cast<std::size_t>(n)];
    if (!e) {
      // The judge and the explainer disagree: say so rather than invent a line.
      std::printf("%d ? %s\n", n, translate("Solver", "(no expression found)").c_str());
      std::fprintf(stderr, "sumdart-solve: %s\n",
                   fill(translate("Solver", "internal error: no expression found for %1"), {std::to_string(n)}).c_str());
      status = 1;
    } else if (e->exact) {
      std::printf("%d = %s\n", n, e->expression.c_str());
    } else {
      std::printf("%d ≈ %s = %s\n", n, e->expression.c_str(), sumdart::formatValue(e->value, point).c_str());
    }
  }
  const int count = judge.countAllowed();
  const std::string throwText = std::to_string(dice[0]) + " " + std::to_string(dice[1]) + " " + std::to_string(dice[2]) +
                                " " + std::to_string(dice[3]);
  std::printf("%s\n", fill(translate("Solver", "%n number(s) can be made from %1.", nullptr, count), {throwText}).c_str());
  return status;
}

// sumdart-solve DIE DIE DIE DIE: the four dice read, then the list.
int solveMain(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (isWorksheetOption(arg)) return badArguments(fill(translate("Solver", "%1 goes with --worksheet"), {arg}));
    if (isOption(arg)) return badArguments(fill(translate("Solver", "unknown option %1"), {arg}));
  }
  if (argc != 5) return badArguments(fill(translate("Solver", "expected four dice, got %1"), {std::to_string(argc - 1)}));
  std::array<int, 4> dice{};
  for (int i = 0; i < 4; ++i) {
    std::string problem;
    const std::optional<int> die = readDie(argv[i + 1], problem);
    if (!die) return badArguments(problem);
    dice[static_cast<std::size_t>(i)] = *die;
  }
  return listNumbers(dice);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> rest = argumentsWithoutLang(argc, argv);
  sumdart::Translation translation;
  if (const std::optional<int> status = loadLanguage(translation, argc, argv)) return *status;
  argc = static_cast<int>(rest.size());
  rest.push_back(nullptr);
  argv = rest.data();

  if (const std::optional<int> status = helpOrVersion(argc, argv)) return *status;
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]).starts_with("--worksheet")) return worksheetMain(argc, argv);
  return solveMain(argc, argv);
}
