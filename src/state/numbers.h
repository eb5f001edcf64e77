// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number conversions shared by every screen: one rounding rule (an exact half
// goes to the even neighbour), and the two ways the program reads text as a number.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sumdart {

// Nearest whole number; an exact half goes to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double v);

// roundHalfEven, then held in 16 bits: values outside -32768..32767 are clamped,
// and NaN gives 0, so a conversion can never wrap round or trap.
std::int16_t toInt16(double v);

// The longest leading part of the text that reads as a decimal number (optional
// minus sign, digits, at most one full stop); nothing readable gives 0.
// "12-3" -> 12, "1.2.3" -> 1.2, "-" -> 0, "" -> 0.
double leadingNumber(std::string_view text);

// The whole text as a decimal number: optional leading minus, at least one digit,
// at most one full stop ("501", "-5", "12.5", ".5"). Anything else gives nothing.
std::optional<double> wholeTextNumber(std::string_view text);

// Plain decimal digits, a leading "-" when negative, no blanks.
std::string decimalText(long long v);

}  // namespace sumdart
