// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printable worksheet of `sumdart-solve --worksheet`: throws drawn the way
// the game draws them, each shown as four dice faces with room to write, then
// an answer key from the game's number judge with the explainer's expressions.
// Only drawing the PDF uses Qt (QtGui, made to run without a display).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "judge/explain.h"
#include "seams/seams.h"

namespace sumdart {

class Random;

using Throw = std::array<int, 4>;

// The local time of day from the system clock.
class SystemDayClock : public DayClock {
 public:
  double secondsSinceMidnight() override;
};

// `count` throws drawn one after another exactly as the game draws them; as in
// the game, a die drawn no times keeps its value from the throw before.
std::vector<Throw> drawThrows(int count, Random& random, DayClock& clock);

// A number a throw makes, with one expression for it.
struct MadeNumber {
  int number = 0;
  Explanation way;
};

// The answer key's lines for one throw.
struct ThrowAnswers {
  Throw dice{};
  int count = 0;                     // how many of 1..100 the judge allows
  MadeNumber highest;                // the highest of them
  std::vector<MadeNumber> doubles;   // the board's doubles among them, in order
};

// Nothing when the judge allows no number, or allows one the explainer has no
// expression for (the two would disagree).
std::optional<ThrowAnswers> answerThrow(const Throw& dice);

// The decimal point of the language in use: "," in German ("62,5"), "." in English.
std::string decimalPoint();

struct Worksheet {
  std::vector<ThrowAnswers> throws;
  bool letter = false;                // US Letter paper instead of A4
  std::optional<std::uint64_t> seed;  // named in the key, so the sheet can be made again
};

// A piece of a written page: its kind, the page it is on (counted from 0) and
// the extent of what was drawn for it, in millimetres from the page's top-left
// corner. Kept so that the layout can be checked against the paper.
struct PlacedBox {
  enum Kind { Header, SheetThrow, KeyThrow, Footer };
  Kind kind = Header;
  int page = 0;
  int throwNumber = 0;  // SheetThrow and KeyThrow: the throw, counted from 1
  double left = 0, top = 0, width = 0, height = 0;
};

struct WriteOutcome {
  enum Result { Written, CannotOpen, Failed };
  Result result = Failed;
  std::string problem;  // why it was not written
  int sheetPages = 0;
  int keyPages = 0;
  std::vector<PlacedBox> boxes;  // every piece drawn, page by page
};

// Writes the worksheet and its key as a PDF at `path`. An existing file is
// replaced only once the new one is complete; on failure nothing is left behind.
// CannotOpen: nothing was drawn, the path cannot be written at all.
WriteOutcome writeWorksheetPdf(const Worksheet& sheet, const std::string& path);

}  // namespace sumdart
