// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace sumdart {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

constexpr Rgb rgb(int r, int g, int b) {
  return Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

namespace colours {
inline constexpr Rgb black = rgb(0, 0, 0);
inline constexpr Rgb white = rgb(255, 255, 255);
inline constexpr Rgb lightRed = rgb(255, 0, 0);     // palette 12
inline constexpr Rgb lightGreen = rgb(0, 255, 0);   // palette 10
inline constexpr Rgb yellow = rgb(255, 255, 0);     // palette 14
inline constexpr Rgb lightBlue = rgb(0, 0, 255);    // palette 9
inline constexpr Rgb blueText = rgb(128, 128, 255); // Blue's turn colour
inline constexpr Rgb boardGrey = rgb(224, 224, 224);
inline constexpr Rgb title = rgb(192, 0, 192);
inline constexpr Rgb gameBack = rgb(49, 135, 215);
}  // namespace colours

}  // namespace sumdart
