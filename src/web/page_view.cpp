// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_view.h"

#include <cstdio>

#include "state/tab_chain.h"

namespace sumdart {

namespace {

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Label: return "label";
    case Kind::TextBox: return "text";
    case Kind::CheckBox: return "check";
    case Kind::Option: return "option";
    case Kind::Panel: return "panel";
    case Kind::ScrollBar: return "scroll";
    case Kind::Table: return "table";
  }
  return "label";
}

const char* placeName(Placement p) {
  switch (p) {
    case Placement::Centre: return "centre";
    case Placement::Fit: return "fit";
    case Placement::TopCentre: return "top";
    case Placement::FullScreen: return "full";
  }
  return "centre";
}

std::string colour(Rgb c) {
  char out[8];
  std::snprintf(out, sizeof out, "#%02x%02x%02x", c.r & 0xff, c.g & 0xff, c.b & 0xff);
  return jsonString(out);
}

std::string number(double v) {
  char out[32];
  std::snprintf(out, sizeof out, "%.10g", v);
  return out;
}

const char* flag(bool b) { return b ? "true" : "false"; }

// A JSON object written field by field.
class Object {
 public:
  Object& field(const char* key, const std::string& raw) {
    out_ += out_.size() > 1 ? "," : "";
    out_ += jsonString(key) + ":" + raw;
    return *this;
  }
  Object& text(const char* key, const std::string& s) { return field(key, jsonString(s)); }
  std::string done() { return out_ + "}"; }

 private:
  std::string out_ = "{";
};

template <class T, class F>
std::string list(const std::vector<T>& items, F each) {
  std::string out = "[";
  for (const T& item : items) out += (out.size() > 1 ? "," : "") + each(item);
  return out + "]";
}

std::string record(const FormCtl& fc, const Ctl& c) {
  Object o;
  o.text("name", fc.name).field("parent", std::to_string(fc.parent)).text("kind", kindName(c.kind));
  o.field("click", flag(static_cast<bool>(fc.click))).text("caption", c.caption);
  o.field("fore", colour(c.fore)).field("back", colour(c.back)).field("transparent", flag(c.transparent));
  o.field("visible", flag(c.visible)).field("enabled", flag(c.enabled));
  o.field("left", number(c.left)).field("top", number(c.top)).field("width", number(c.width)).field("height", number(c.height));
  o.text("family", c.font.family).field("points", number(c.font.points)).field("bold", flag(c.font.bold));
  o.text("align", c.align == Align::Left ? "left" : c.align == Align::Right ? "right" : "center");
  o.field("frame", flag(c.frame)).field("autosize", flag(c.autosize)).field("wrap", flag(c.wrap));
  o.text("picture", c.picture).field("ownSize", flag(c.ownSize)).field("checked", flag(c.checked));
  o.field("maxLength", std::to_string(c.maxLength));
  o.field("value", std::to_string(c.value)).field("min", std::to_string(c.min)).field("max", std::to_string(c.max));
  o.text("spoken", c.spokenName.empty() ? c.caption : c.spokenName);
  o.field("tabStop", flag(c.tabStop)).field("announced", flag(c.announced));
  o.field("cells", list(c.cells, jsonString)).field("columns", std::to_string(c.columns));
  return o.done();
}

std::string windowProperties(const Form& f) {
  Object o;
  o.text("caption", f.caption).text("spokenTitle", f.spokenTitle.empty() ? f.caption : f.spokenTitle);
  o.field("back", colour(f.back)).text("picture", f.picture);
  o.field("width", number(f.width)).field("height", number(f.height));
  o.text("place", placeName(f.place)).field("titleBar", flag(f.titleBar));
  return o.done();
}

}  // namespace

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      out += esc;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

PageView::PageView(std::function<void(const std::string&)> send, std::function<void()> settle)
    : send_(std::move(send)), settle_(std::move(settle)) {}

PageView::~PageView() {
  for (auto& [id, d] : windows_) d.screen->changed = nullptr;
}

void PageView::show(Screen& s) {
  for (auto& [id, d] : windows_)
    if (d.screen == &s) {
      d.front = true;
      return;
    }
  Drawn& d = windows_[nextId_++];
  d.screen = &s;
  // A timer tick that changed the screen is drawn at once.
  s.changed = [this] {
    if (depth_ == 0) afterEvent();
  };
}

void PageView::close(Screen& s) {
  for (auto it = windows_.begin(); it != windows_.end(); ++it)
    if (it->second.screen == &s) {
      s.changed = nullptr;
      closed_.push_back(it->first);
      windows_.erase(it);
      return;
    }
}

PageView::Drawn* PageView::find(int window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

FormCtl* PageView::usable(int window, int control) {
  Drawn* d = find(window);
  if (!d || control < 0 || static_cast<std::size_t>(control) >= d->screen->form.controls.size()) return nullptr;
  std::vector<FormCtl>& controls = d->screen->form.controls;
  for (int k = control; k >= 0; k = controls[static_cast<std::size_t>(k)].parent)
    if (!controls[static_cast<std::size_t>(k)].ctl->visible || !controls[static_cast<std::size_t>(k)].ctl->enabled) return nullptr;
  return &controls[static_cast<std::size_t>(control)];
}

template <class F>
void PageView::event(F handler) {
  ++depth_;
  handler();
  --depth_;
  afterEvent();
}

void PageView::tick(const std::function<void()>& fire) { event(fire); }

void PageView::click(int window, int control) {
  event([&] {
    if (FormCtl* c = usable(window, control); c && c->click) c->click();
  });
}

void PageView::check(int window, int control, bool on) {
  event([&] {
    FormCtl* c = usable(window, control);
    if (!c || (c->ctl->kind != Kind::CheckBox && c->ctl->kind != Kind::Option)) return;
    if (c->ctl->kind == Kind::Option) {
      // One of a group: the options of the same panel take the others' state.
      for (FormCtl& other : find(window)->screen->form.controls)
        if (other.ctl->kind == Kind::Option && other.parent == c->parent) other.ctl->checked = false;
      on = true;
    }
    c->ctl->checked = on;
    if (c->click) c->click();
  });
}

void PageView::edit(int window, int control, const std::string& text) {
  event([&] {
    FormCtl* c = usable(window, control);
    if (!c || c->ctl->kind != Kind::TextBox || c->ctl->caption == text) return;
    c->ctl->caption = text;
    if (c->change) c->change();
  });
}

void PageView::scroll(int window, int control, int value) {
  event([&] {
    FormCtl* c = usable(window, control);
    if (!c || c->ctl->kind != Kind::ScrollBar || value < c->ctl->min || value > c->ctl->max || c->ctl->value == value) return;
    c->ctl->value = value;
    if (c->change) c->change();
  });
}

bool PageView::accepts(int window, int control, int code) {
  FormCtl* c = usable(window, control);
  if (!c || c->ctl->kind != Kind::TextBox) return false;
  return !c->accept || c->accept(code);
}

bool PageView::key(int window, const KeyPress& k, const std::string& focused) {
  bool acted = false;
  event([&] {
    // While the screen is busy keys wait, as clicks on a disabled control do,
    // but for one that only tells something.
    Drawn* d = find(window);
    if (d && (d->screen->takesKeys() || d->screen->tellsOnly(k))) acted = d->screen->keyPressed(k, focused);
  });
  return acted;
}

bool PageView::busy(int window) {
  const Drawn* d = find(window);
  return d && !d->screen->takesKeys();
}

void PageView::closeRequested(int window) {
  event([&] {
    if (Drawn* d = find(window)) d->screen->closeRequested();
  });
}

std::string PageView::draw(int id, Drawn& d) {
  Form& f = d.screen->form;
  d.screen->describe();
  Object o;
  o.field("id", std::to_string(id));
  if (d.fresh) {
    o.field("form", windowProperties(f));
    std::vector<std::size_t> chain = tabChain(f);
    o.field("chain", list(chain, [](std::size_t i) { return std::to_string(i); }));
  }
  std::string changed = "[";
  d.controls.resize(f.controls.size());
  for (std::size_t i = 0; i < f.controls.size(); ++i) {
    const Ctl& c = *f.controls[i].ctl;
    if (!d.fresh && c == d.controls[i]) continue;
    d.controls[i] = c;
    changed += (changed.size() > 1 ? "," : "") + ("[" + std::to_string(i) + "," + record(f.controls[i], c) + "]");
  }
  o.field("controls", changed + "]");
  if (d.front) o.field("front", "true");
  if (!f.focus.empty()) o.text("focus", f.focus);
  if (!f.speech.empty()) o.field("speech", list(f.speech, jsonString));
  f.focus.clear();
  f.speech.clear();
  d.fresh = d.front = false;
  return o.done();
}

void PageView::afterEvent() {
  if (settle_) settle_();
  std::string windows = "[";
  for (auto& [id, d] : windows_) {
    const std::string drawn = draw(id, d);
    // A window with nothing new is left out.
    if (drawn == "{\"id\":" + std::to_string(id) + ",\"controls\":[]}") continue;
    windows += (windows.size() > 1 ? "," : "") + drawn;
  }
  const std::string closed = list(closed_, [](int id) { return std::to_string(id); });
  closed_.clear();
  if (windows.size() == 1 && closed == "[]") return;
  send_("{\"windows\":" + windows + "],\"closed\":" + closed + "}");
}

}  // namespace sumdart
