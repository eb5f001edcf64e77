// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Tests never need a display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The programs the tests start speak English whatever the desktop's
  // language; a test that wants another says so.
  setenv("LANGUAGE", "en", 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
