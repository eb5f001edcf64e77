// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Sumdart in the browser: the same screens as the desktop's, compiled with
// Emscripten. This file connects them to the page (web/app.js): the seams are
// the browser's clock, Web Audio, its storage and its tabs, and the windows are
// page elements drawn from the batches PageView sends.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "screens/screenflow.h"
#include "seams/random.h"
#include "seams/seams.h"
#include "seams/timer.h"
#include "sound/synth.h"
#include "state/assets.h"
#include "state/game_size.h"
#include "state/languages.h"
#include "state/texts.h"
#include "web/catalog.h"
#include "web/page_view.h"

// What the page does for the game (web/app.js, Module.page).
EM_JS(void, pageDraw, (const char* batch), { Module.page.draw(UTF8ToString(batch)); });
EM_JS(void, pageArm, (int id, int ms), { Module.page.arm(id, ms); });
EM_JS(void, pageDisarm, (int id), { Module.page.disarm(id); });
EM_JS(int, pagePlay, (const char* name), { return Module.page.play(UTF8ToString(name)) ? 1 : 0; });
EM_JS(int, pageOpen, (const char* name), { return Module.page.open(UTF8ToString(name)) ? 1 : 0; });
EM_JS(int, pageSave, (const char* text), { return Module.page.save(UTF8ToString(text)) ? 1 : 0; });
EM_JS(char*, pageLoad, (), {
  const text = Module.page.load();
  if (text === null) return 0;
  const size = lengthBytesUTF8(text) + 1;
  const at = _malloc(size);
  stringToUTF8(text, at, size);
  return at;
});
EM_JS(double, pageNow, (), { return Date.now(); });
EM_JS(double, pageSecondsSinceMidnight, (), {
  const d = new Date();
  return d.getHours() * 3600 + d.getMinutes() * 60 + d.getSeconds() + d.getMilliseconds() / 1000;
});
EM_JS(void, pageReport, (const char* text), { Module.page.report(UTF8ToString(text)); });
EM_JS(void, pageQuit, (int status), { Module.page.quit(status); });

namespace sumdart {
namespace {

PageView* view = nullptr;

// A timer on the browser's clock: the page's setTimeout, armed again for each tick.
class PageTimer : public Timer {
 public:
  explicit PageTimer(std::map<int, PageTimer*>& all) : all_(all), id_(next_++) { all_[id_] = this; }
  ~PageTimer() override {
    stop();
    all_.erase(id_);
  }
  void setInterval(int ms) override {
    interval_ = ms < 0 ? 0 : ms;
    if (active_) start();
  }
  int interval() const override { return interval_; }
  void start() override {
    active_ = true;
    pageArm(id_, wallClockInterval(interval_));
  }
  void stop() override {
    if (active_) pageDisarm(id_);
    active_ = false;
  }
  bool isActive() const override { return active_; }
  // Its time has come: armed for the next tick first, since the tick may stop
  // it, give it a new interval or destroy it.
  void due() {
    if (!active_) return;
    pageArm(id_, wallClockInterval(interval_));
    fire();
  }

 private:
  std::map<int, PageTimer*>& all_;
  int id_;
  int interval_ = 0;
  bool active_ = false;
  static inline int next_ = 1;
};

class PageTimers : public TimerFactory {
 public:
  std::unique_ptr<Timer> createTimer() override { return std::make_unique<PageTimer>(all); }
  std::map<int, PageTimer*> all;
};

class PageClock : public DayClock {
 public:
  double secondsSinceMidnight() override { return pageSecondsSinceMidnight(); }
};

class PageSound : public SoundPlayer {
 public:
  bool playSoundFile(const std::string& name) override { return pagePlay(name.c_str()) != 0; }
};

// The screen is the game window's size: the page scales the windows to fit.
class PageDesktop : public Desktop {
 public:
  double screenWidthTwips() override { return kGameWidth; }
  double screenHeightTwips() override { return kGameHeight; }
  // Every picture of the catalogue comes with the site; one that fails to
  // arrive is shown as its description.
  bool pictureLoads(const std::string& name) override {
    for (const Picture p : kAllPictures)
      if (name == fileName(p)) return true;
    return false;
  }
  std::string searchedFolders() override { return "Images"; }
  bool openDocument(const std::string& name) override { return pageOpen(name.c_str()) != 0; }
};

// The saved game in the browser's storage, in the desktop's file format.
class PageSaveFile : public SaveFile {
 public:
  bool write(const std::string& contents) override { return pageSave(contents.c_str()) != 0; }
  std::optional<std::string> read() override {
    char* text = pageLoad();
    if (!text) return std::nullopt;
    // As from the desktop's file: a saved game is about a hundred bytes, and
    // the start of anything larger is enough to find it damaged.
    std::string out(text, std::min<std::size_t>(std::strlen(text), 4096));
    std::free(text);
    return out;
  }
};

// Everything the game runs on, made once the page has its language.
struct Game {
  explicit Game(std::uint64_t seed) : random(seed), services{timers, random, clock, sound, desktop, saveFile}, flow(settings, services) {}
  GameSettings settings;
  PageTimers timers;
  MixingRandom random;
  PageClock clock;
  PageSound sound;
  PageDesktop desktop;
  PageSaveFile saveFile;
  Services services;
  ScreenFlow flow;
  std::unique_ptr<PageView> pages;
};

Game* game = nullptr;
Catalog* catalog = nullptr;
SoundWave lastSound;

KeyPress keyPress(int code, int ch) {
  KeyPress k;
  k.code = static_cast<KeyPress::Code>(code >= KeyPress::Character && code <= KeyPress::Down ? code : KeyPress::Character);
  k.ch = static_cast<char>(ch);
  return k;
}

}  // namespace
}  // namespace sumdart

using namespace sumdart;

namespace {
std::vector<std::string> lines(const char* text) {
  std::vector<std::string> out;
  std::string line;
  for (const char* c = text ? text : ""; *c; ++c) {
    if (*c == '\n') {
      out.push_back(line);
      line.clear();
    } else {
      line += *c;
    }
  }
  if (!line.empty()) out.push_back(line);
  return out;
}
}  // namespace

extern "C" {

// The translation to show ("" for English), from the languages the browser or
// the address asks for and those the site has, one to a line each.
EMSCRIPTEN_KEEPALIVE const char* web_choose_language(const char* wanted, const char* available) {
  static std::string chosen;
  chosen = chooseLanguage(lines(wanted), lines(available));
  return chosen.c_str();
}

// Whether the window's screen is busy, when keys wait as clicks on a
// disabled control do.
EMSCRIPTEN_KEEPALIVE int web_busy(int window) { return view && view->busy(window) ? 1 : 0; }

// Starts the game in `language` ("" for English) with its converted catalogue.
EMSCRIPTEN_KEEPALIVE void web_start(const char* language, const char* messages) {
  if (game) return;
  if (language && *language) {
    catalog = new Catalog(language, messages ? messages : "");
    setLanguage(language);
    setTextLookup([](const char* context, const char* text, int n) { return catalog->lookup(context, text, n); });
  }
  game = new Game(static_cast<std::uint64_t>(pageNow()) * 2654435761ULL);
  game->pages = std::make_unique<PageView>([](const std::string& batch) { pageDraw(batch.c_str()); },
                                           [] { game->flow.settle(); });
  view = game->pages.get();
  game->flow.setView(view);
  game->flow.report = [](const std::string& text) { pageReport(text.c_str()); };
  game->flow.onQuit = [](int status) { pageQuit(status); };
  game->flow.start();
  view->afterEvent();
}

EMSCRIPTEN_KEEPALIVE void web_click(int window, int control) { if (view) view->click(window, control); }
EMSCRIPTEN_KEEPALIVE void web_check(int window, int control, int on) { if (view) view->check(window, control, on != 0); }
EMSCRIPTEN_KEEPALIVE void web_edit(int window, int control, const char* text) { if (view) view->edit(window, control, text ? text : ""); }
EMSCRIPTEN_KEEPALIVE void web_scroll(int window, int control, int value) { if (view) view->scroll(window, control, value); }
EMSCRIPTEN_KEEPALIVE int web_accepts(int window, int control, int code) { return view && view->accepts(window, control, code) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int web_key(int window, int code, int ch, const char* focused) {
  return view && view->key(window, keyPress(code, ch), focused ? focused : "") ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void web_close(int window) { if (view) view->closeRequested(window); }

EMSCRIPTEN_KEEPALIVE void web_timer(int id) {
  if (!game) return;
  const auto it = game->timers.all.find(id);
  if (it == game->timers.all.end()) return;
  PageTimer* timer = it->second;
  view->tick([timer] { timer->due(); });
}

// The sounds, synthesised when the page first needs each: the catalogue name
// of sound i ("" past the last), then its samples, their count and their rate.
EMSCRIPTEN_KEEPALIVE const char* web_sound_name(int i) {
  return i >= 0 && static_cast<std::size_t>(i) < kAllSounds.size() ? fileName(kAllSounds[static_cast<std::size_t>(i)]) : "";
}
EMSCRIPTEN_KEEPALIVE const std::int16_t* web_sound(int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= kAllSounds.size()) return nullptr;
  lastSound = synthesise(kAllSounds[static_cast<std::size_t>(i)]);
  return lastSound.samples.data();
}
EMSCRIPTEN_KEEPALIVE int web_sound_length() { return static_cast<int>(lastSound.samples.size()); }
EMSCRIPTEN_KEEPALIVE int web_sound_rate() { return lastSound.sampleRate; }

}  // extern "C"
