#include "judge/explain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "exact_eval.h"
#include "judge/judge.h"

namespace {

using judgetest::Frac;

// The judge (doubles) and the explainer (exact fractions) are independent: over
// every throw they must agree on which numbers can be made, and every expression,
// read back by a separate evaluator, must use the four dice once and round to its number.
TEST(judgeExplainer, AgreesWithTheJudgeOnEveryThrow) {
  auto judge = std::make_unique<sumdart::NumberJudge>();
  for (int i = 0; i < 1296; ++i) {
    std::array<int, 4> dice = {i / 216 + 1, i / 36 % 6 + 1, i / 6 % 6 + 1, i % 6 + 1};
    SCOPED_TRACE(::testing::Message() << dice[0] << dice[1] << dice[2] << dice[3]);
    judge->judge(dice[0], dice[1], dice[2], dice[3]);
    const sumdart::Explanations ex = sumdart::explainThrow(dice);
    std::sort(dice.begin(), dice.end());
    for (int n = 1; n <= 100; ++n) {
      const auto& e = ex[static_cast<std::size_t>(n)];
      ASSERT_EQ(judge->isAllowed(n), e.has_value()) << n;
      if (!e) continue;
      std::vector<int> used;
      const Frac value = judgetest::evaluate(e->expression, used);
      std::sort(used.begin(), used.end());
      EXPECT_TRUE(std::equal(used.begin(), used.end(), dice.begin(), dice.end())) << e->expression;
      EXPECT_EQ(judgetest::nearest(value), n) << e->expression;
      EXPECT_EQ(e->exact, value == Frac(n)) << e->expression;
      EXPECT_EQ(value, Frac(e->value.num(), e->value.den())) << e->expression;
    }
  }
}

TEST(judgeExplainer, PrefersExactValuesAndFewBracketsAndFormatsValues) {
  const sumdart::Explanations ex = sumdart::explainThrow({6, 4, 3, 1});
  EXPECT_EQ(ex[14]->expression, "6 + 4 + 3 + 1");
  EXPECT_EQ(ex[96]->expression, "6 × 4 × (3 + 1)");
  EXPECT_EQ(ex[24]->expression, "6 ÷ (1 - 3 ÷ 4)");
  const auto rounded = sumdart::explainThrow({2, 5, 5, 5})[62];
  EXPECT_EQ(rounded->expression, "5 × 5 × 5 ÷ 2");
  EXPECT_FALSE(rounded->exact);

  const std::pair<sumdart::Rational, std::string> formats[] = {
      {{125, 2}, "62.5"},         {{40, 1}, "40"},           {{1, 16}, "0.0625"},       {{-3, 4}, "-0.75"},
      {{50, 3}, "50/3 (16.67)"}, {{1, 64}, "1/64 (0.02)"}, {{-2, 3}, "-2/3 (-0.67)"}};
  for (const auto& [v, text] : formats) EXPECT_EQ(sumdart::formatValue(v), text);
  EXPECT_EQ(sumdart::nearestWhole({5, 2}), 2);
  EXPECT_EQ(sumdart::nearestWhole({-7, 2}), -4);
}

}  // namespace
