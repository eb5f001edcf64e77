// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test doubles of the seams: a desktop of chosen size whose pictures and
// documents can be made to go missing, a saved-game file in memory, a sound
// player that records what it was asked to play, and all of them together.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "seams/seams.h"
#include "support/manual_clock.h"
#include "support/scripted_random.h"

namespace sumdart {

class FakeDesktop : public Desktop {
 public:
  double screenWidthTwips() override { return width; }
  double screenHeightTwips() override { return height; }
  bool pictureLoads(const std::string& name) override { return !missing.count(name); }
  std::string searchedFolders() override { return "(test)"; }
  bool openDocument(const std::string& name) override { return opened.push_back(name), !missingDocuments.count(name); }
  double width = 1024 * 15, height = 768 * 15;
  std::set<std::string> missing;           // pictures that do not load
  std::set<std::string> missingDocuments;  // documents that do not open
  std::vector<std::string> opened;
};

class MemorySaveFile : public SaveFile {
 public:
  bool write(const std::string& contents) override { return text = contents, ++writes, true; }
  std::optional<std::string> read() override { return text; }
  std::optional<std::string> text;
  int writes = 0;
};

class RecordingSound : public SoundPlayer {
 public:
  bool playSoundFile(const std::string& name) override { return played.push_back(name), true; }
  std::vector<std::string> played;
};

// Every seam doubled: virtual time, scripted dice, a fixed day, recorded sounds,
// a fake desktop and a saved game in memory.
struct FakeServices {
  ManualClock clock;
  ScriptedRandom random;
  FixedDayClock day;
  RecordingSound sound;
  FakeDesktop desktop;
  MemorySaveFile saveFile;
  Services services() { return {clock, random, day, sound, desktop, saveFile}; }
};

}  // namespace sumdart
