// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// Sumdart in the browser: starts the game compiled from the desktop's plain
// code (sumdart.js, sumdart.wasm) and draws its windows as page elements.
// The game sends batches of what changed (src/web/page_view.h); this script
// makes one element per control record, with the role and name a screen
// reader needs, and sends clicks, keys and edits back to the same handlers the
// desktop's windows call.
import { savedGameStore, pageTimers, pictureFactor, keyCode, pageWord } from "./page.js";

const TWIPS = 15;                          // twips to a CSS pixel
const GAME = { width: 800, height: 600 };  // the game window, the page's screen
const TITLE_BAR = 22;                      // a window's title bar, in pixels
const STAGE = { width: GAME.width, height: GAME.height + TITLE_BAR };
const FONTS = { Arial: "SumdartSans", Tahoma: "SumdartCondensed" };

const stage = document.getElementById("stage");
const speech = document.getElementById("speech");
const windows = new Map();  // window id -> { el, client, controls, records, chain, form }
let game = null;            // the compiled program's exports
let language = "";
let pictures = {};
let factor = 1;             // which picture scale is shown (1, 2 or 3)
let topLayer = 10;
const baseRatio = window.devicePixelRatio || 1;

// ---- Pictures ----------------------------------------------------------------

function pictureUrl(name) {
  const entry = pictures[name];
  if (!entry) return "";
  const files = entry.files[language] || entry.files.en;
  return files[Math.min(factor, files.length) - 1];
}

function showPicture(el, name) {
  el.dataset.picture = name;
  const url = pictureUrl(name);
  el.style.backgroundImage = url ? `url("${url}")` : "";
}

// ---- Sound -------------------------------------------------------------------

const sound = { context: null, buffers: new Map(), playing: null };

// Browsers let a page make sound only after a click or a key.
function wakeSound() {
  if (sound.context) return;
  const Context = window.AudioContext || window.webkitAudioContext;
  if (!Context) return;
  sound.context = new Context();
  sound.context.resume?.();
}

function soundBuffer(name) {
  if (sound.buffers.has(name)) return sound.buffers.get(name);
  for (let i = 0; ; ++i) {
    const own = game.UTF8ToString(game._web_sound_name(i));
    if (!own) return null;
    if (own !== name) continue;
    const at = game._web_sound(i) >> 1;
    const length = game._web_sound_length();
    const buffer = sound.context.createBuffer(1, Math.max(length, 1), game._web_sound_rate());
    const samples = buffer.getChannelData(0);
    for (let k = 0; k < length; ++k) samples[k] = game.HEAP16[at + k] / 32768;
    sound.buffers.set(name, buffer);
    return buffer;
  }
}

// One sound at a time: a new one cuts off the one playing.
function play(name) {
  if (!sound.context) return false;
  const buffer = soundBuffer(name);
  if (!buffer) return false;
  try { sound.playing?.stop(); } catch (e) { /* it had ended */ }
  const source = sound.context.createBufferSource();
  source.buffer = buffer;
  source.connect(sound.context.destination);
  source.start();
  sound.playing = source;
  return true;
}

// ---- Windows -----------------------------------------------------------------

function px(twips) { return `${twips / TWIPS}px`; }

function placeWindow(w) {
  const f = w.form;
  const width = f.place === "fit" || f.place === "full" ? GAME.width * TWIPS : f.width;
  const height = f.place === "fit" || f.place === "full" ? GAME.height * TWIPS : f.height;
  w.client.style.width = px(width);
  w.client.style.height = px(height);
  const left = (GAME.width * TWIPS - width) / 2;
  const top = f.place === "top" || f.place === "full" ? 0 : (GAME.height * TWIPS - height) / 2;
  w.el.style.left = px(Math.max(0, left));
  w.el.style.top = `${Math.max(0, top / TWIPS) + (f.titleBar ? 0 : TITLE_BAR)}px`;
}

function makeWindow(id, form) {
  const el = document.createElement("section");
  el.className = form.place === "full" ? "window backdrop" : "window";
  const client = document.createElement("div");
  client.className = "client";
  const w = { el, client, form, controls: [], records: [], chain: [] };
  if (form.place === "full") {
    // The backdrop that hides the desktop is the page's own colour.
    el.setAttribute("aria-hidden", "true");
    document.body.style.background = form.back;
  } else {
    // A window takes the game's own keys (T, C, S, digits, arrows): the
    // application role has a screen reader pass them on instead of using them
    // to move through the page (Orca in browse mode takes T for "next table").
    // A screen reader names an application only as the focus enters it, so a
    // window that opens also says its title.
    el.setAttribute("role", "application");
    el.setAttribute("aria-roledescription", pageWord("window", language));
    el.setAttribute("aria-label", form.spokenTitle.trim() || "Sumdart");
    if (windows.size) say([form.spokenTitle.trim() || "Sumdart"]);
  }
  if (form.titleBar) el.append(titleBar(id, w));
  client.style.backgroundColor = form.back;
  if (form.picture) {
    // Drawn at its own size from the top-left corner, whichever scale is shown.
    showPicture(client, form.picture);
    const own = pictures[form.picture];
    if (own) client.style.backgroundSize = `${own.width}px ${own.height}px`;
  }
  el.append(client);
  el.addEventListener("pointerdown", () => raise(w), true);
  el.addEventListener("focusin", (e) => { w.lastFocus = e.target; });
  stage.append(el);
  placeWindow(w);
  return w;
}

function titleBar(id, w) {
  const bar = document.createElement("div");
  bar.className = "titlebar";
  const title = document.createElement("span");
  title.textContent = w.form.caption;
  title.setAttribute("aria-hidden", "true");
  const close = document.createElement("button");
  close.type = "button";
  close.className = "close";
  close.textContent = "\u00d7";
  close.setAttribute("aria-label", pageWord("close", language));
  close.tabIndex = -1;
  close.addEventListener("click", () => game._web_close(id));
  bar.append(title, close);
  dragBy(bar, w.el);
  return bar;
}

// A window is moved by its title bar, as on a desktop.
function dragBy(bar, el) {
  bar.addEventListener("pointerdown", (e) => {
    if (e.target !== bar && e.target.tagName !== "SPAN") return;
    const scale = stageScale();
    const start = { x: e.clientX, y: e.clientY, left: el.offsetLeft, top: el.offsetTop };
    const move = (m) => {
      el.style.left = `${start.left + (m.clientX - start.x) / scale}px`;
      el.style.top = `${Math.max(0, start.top + (m.clientY - start.y) / scale)}px`;
    };
    const up = () => {
      window.removeEventListener("pointermove", move);
      window.removeEventListener("pointerup", up);
    };
    window.addEventListener("pointermove", move);
    window.addEventListener("pointerup", up);
  });
}

function raise(w) {
  if (w.form.place !== "full") w.el.style.zIndex = String(++topLayer);
}

function closeWindow(id) {
  const w = windows.get(id);
  if (!w) return;
  if (w.form.place === "full") document.body.style.background = "";
  const hadFocus = w.el.contains(document.activeElement);
  w.el.remove();
  windows.delete(id);
  // As a desktop does: the window now in front gets its focus back.
  const front = frontWindow();
  if (!hadFocus || !front) return;
  if (front.lastFocus?.isConnected) front.lastFocus.focus({ preventScroll: true });
  else tab(false, front);
}

function frontWindow() {
  let front = null;
  for (const w of windows.values())
    if (w.form.place !== "full" && (!front || Number(w.el.style.zIndex) > Number(front.el.style.zIndex))) front = w;
  return front;
}

// ---- Controls ----------------------------------------------------------------

function makeControl(id, index, r) {
  let el;
  if (r.kind === "text") {
    el = document.createElement("input");
    el.type = "text";
    el.autocomplete = "off";
    el.spellcheck = false;
    el.addEventListener("beforeinput", (e) => {
      if (e.inputType !== "insertText" || !e.data) return;
      for (const ch of e.data)
        if (!game._web_accepts(id, index, ch.codePointAt(0))) return e.preventDefault();
    });
    el.addEventListener("input", () => call("_web_edit", id, index, el.value));
  } else if (r.kind === "check" || r.kind === "option") {
    el = document.createElement("label");
    const box = document.createElement("input");
    box.type = r.kind === "check" ? "checkbox" : "radio";
    box.name = `w${id}p${r.parent}`;
    box.addEventListener("click", (e) => {
      if (e.detail > 1) return;
      game._web_check(id, index, box.checked ? 1 : 0);
    });
    el.append(box, document.createElement("span"));
  } else if (r.kind === "scroll") {
    el = document.createElement("input");
    el.type = "range";
    el.addEventListener("input", () => game._web_scroll(id, index, Number(el.value)));
  } else if (r.kind === "table") {
    el = document.createElement("table");
  } else if (r.click) {
    el = document.createElement("button");
    el.type = "button";
    // The second click of a double-click is not another click.
    el.addEventListener("click", (e) => {
      if (e.detail <= 1) game._web_click(id, index);
    });
  } else {
    el = document.createElement("div");
  }
  el.classList.add("ctl", r.kind);
  el.dataset.name = r.name;
  el.dataset.id = `w${id}c${index}`;
  return el;
}

function call(name, id, index, text) {
  game.ccall(name.slice(1), null, ["number", "number", "string"], [id, index, text]);
}

// Sets only what changed: the dice change thirty times a second, and each
// style set again would have the browser lay the window out again.
function setStyle(el, key, value) {
  el.drawn ??= {};
  if (el.drawn[key] === value) return;
  el.drawn[key] = value;
  el.style[key] = value;
}

function setAttribute(el, name, value) {
  if (value === null) el.removeAttribute(name);
  else if (el.getAttribute(name) !== value) el.setAttribute(name, value);
}

function setText(el, text) {
  if (el.textContent !== text || el.childElementCount) el.textContent = text;
}

function styleControl(el, r) {
  const own = r.ownSize && r.picture && pictures[r.picture];
  setStyle(el, "left", px(r.left));
  setStyle(el, "top", px(r.top));
  setStyle(el, "width", own ? `${own.width}px` : r.autosize ? "auto" : px(r.width));
  setStyle(el, "height", own ? `${own.height}px` : r.autosize ? "auto" : px(r.height));
  setStyle(el, "color", r.fore);
  setStyle(el, "backgroundColor", r.transparent ? "transparent" : r.back);
  setStyle(el, "fontFamily", `${FONTS[r.family] || r.family}, sans-serif`);
  setStyle(el, "fontWeight", r.bold ? "bold" : "normal");
  setStyle(el, "textAlign", r.align);
  setStyle(el, "whiteSpace", r.wrap && !r.autosize ? "normal" : "nowrap");
  if (el.classList.contains("framed") !== r.frame) el.classList.toggle("framed", r.frame);
  if (el.hidden !== !r.visible) el.hidden = !r.visible;
  if (r.picture !== (el.dataset.picture || "")) showPicture(el, r.picture);
}

// The caption, and what a screen reader calls the control where that differs.
function nameControl(el, r) {
  const spoken = r.spoken.trim();
  if (r.kind === "text") {
    if (el.value !== r.caption) el.value = r.caption;
    setAttribute(el, "maxlength", r.maxLength > 0 ? String(r.maxLength) : null);
    setAttribute(el, "aria-label", spoken);
    el.disabled = !r.enabled;
    return;
  }
  if (r.kind === "check" || r.kind === "option") {
    const [box, text] = el.children;
    box.checked = r.checked;
    box.disabled = !r.enabled;
    setText(text, r.caption);
    setAttribute(box, "aria-label", spoken !== r.caption.trim() ? spoken : null);
    return;
  }
  if (r.kind === "scroll") {
    Object.assign(el, { min: r.min, max: r.max, value: r.value, disabled: !r.enabled });
    setAttribute(el, "aria-label", spoken);
    return;
  }
  if (r.kind === "table") return fillTable(el, r);
  if (el.tagName === "BUTTON") {
    setText(el, r.caption);
    el.disabled = !r.enabled;
    setAttribute(el, "aria-label", spoken || r.caption);
    return;
  }
  if (el.classList.contains("disabled") === r.enabled) el.classList.toggle("disabled", !r.enabled);
  if (!r.caption && r.picture) {
    setText(el, "");
    setAttribute(el, "role", spoken ? "img" : null);
    setAttribute(el, "aria-label", spoken || null);
    setAttribute(el, "aria-hidden", spoken ? null : "true");
    return;
  }
  if (r.kind === "panel") {
    setAttribute(el, "role", spoken ? "group" : null);
    setAttribute(el, "aria-label", spoken || null);
    return;
  }
  // Static text: seen as its caption, heard as its spoken name.
  if (spoken === r.caption.trim()) {
    setText(el, r.caption);
  } else {
    if (el.childElementCount !== 2) {
      const seen = document.createElement("span");
      seen.setAttribute("aria-hidden", "true");
      const heard = document.createElement("span");
      heard.className = "heard";
      el.replaceChildren(seen, heard);
    }
    setText(el.children[0], r.caption);
    setText(el.children[1], spoken);
  }
  setAttribute(el, "role", r.announced ? "status" : null);
}

// A grid of labels as a screen reader reads it: the first row and column are
// headers, and the cell the screen has picked (the record's value) is the
// grid's active cell, told as the arrows move it.
function fillTable(el, r) {
  const columns = Math.max(r.columns, 1);
  const key = `${columns}\u001f${r.cells.join("\u001f")}`;
  if (el.cellsKey !== key) {
    el.cellsKey = key;
    el.replaceChildren();
    el.setAttribute("role", "grid");
    el.tabIndex = -1;
    for (let row = 0; row * columns < r.cells.length; ++row) {
      const tr = el.insertRow();
      for (let col = 0; col < columns; ++col) {
        const cell = document.createElement(row === 0 || col === 0 ? "th" : "td");
        cell.setAttribute("role", row === 0 ? "columnheader" : col === 0 ? "rowheader" : "gridcell");
        cell.id = `${el.dataset.id}-${row * columns + col}`;
        cell.textContent = r.cells[row * columns + col] ?? "";
        tr.append(cell);
      }
    }
  }
  setAttribute(el, "aria-activedescendant", r.value > 0 && r.value < r.cells.length ? `${el.dataset.id}-${r.value}` : null);
}

// A caption a little too wide for its box is drawn slightly condensed, and one
// still too wide a little smaller too, down to three quarters of its size,
// rather than cut off (a long word of another language: "Czerwony" beside the
// red score), as the desktop's labels do.
function fitCaption(el, r) {
  if (r.autosize || !r.caption || el.hidden || r.kind === "text" || r.kind === "table") return;
  for (const scale of [1, 0.92, 0.84, 0.76]) {
    for (const squeeze of [0, 0.02, 0.04, 0.06]) {
      setStyle(el, "fontSize", `${r.points * scale}pt`);
      setStyle(el, "letterSpacing", squeeze ? `-${squeeze}em` : "normal");
      if (el.scrollWidth <= el.clientWidth + 1 && el.scrollHeight <= el.clientHeight + 2) return;
    }
  }
}

function applyRecord(id, w, index, r) {
  let el = w.controls[index];
  if (!el) {
    el = makeControl(id, index, r);
    w.controls[index] = el;
    const parent = r.parent >= 0 ? w.controls[r.parent] : w.client;
    (parent || w.client).append(el);
  }
  const before = w.records[index];
  w.records[index] = r;
  styleControl(el, r);
  nameControl(el, r);
  // Fitted again when the caption could have grown out of its box. Digits are
  // all as wide as each other: a number no longer than one that fitted at full
  // size fits too, so the dice, scores and clocks change without a measurement.
  const same = before && before.width === r.width && before.height === r.height && before.points === r.points &&
    before.visible === r.visible && before.family === r.family;
  const digits = (t) => /^[0-9 ]*$/.test(t);
  const fits = el.fitWhole && digits(before.caption) && digits(r.caption) && r.caption.length <= before.caption.length;
  if (!same || (before.caption !== r.caption && !fits)) {
    if (!r.autosize) setStyle(el, "fontSize", `${r.points}pt`);
    fitCaption(el, r);
    el.fitWhole = el.drawn.fontSize === `${r.points}pt` && el.drawn.letterSpacing === "normal";
  }
  if (r.autosize) setStyle(el, "fontSize", `${r.points}pt`);
  return before;
}

// ---- Drawing what changed ----------------------------------------------------

function say(texts) {
  for (const text of texts) {
    const line = document.createElement("p");
    line.textContent = text;
    speech.append(line);
  }
  while (speech.childElementCount > 6) speech.firstElementChild.remove();
}

function draw(json) {
  const batch = JSON.parse(json);
  for (const id of batch.closed) closeWindow(id);
  for (const change of batch.windows) {
    let w = windows.get(change.id);
    if (change.form) {
      w = makeWindow(change.id, change.form);
      w.chain = change.chain;
      windows.set(change.id, w);
    }
    if (!w) continue;
    const told = new Set();
    for (const [index, r] of change.controls) {
      const before = applyRecord(change.id, w, index, r);
      // A status text reads itself out: the same words are not said twice.
      if (r.announced && r.visible && (!before || before.spoken !== r.spoken)) told.add(r.spoken.trim());
    }
    if (change.front) raise(w);
    if (change.focus) focusControl(w, change.focus);
    if (change.speech) say(change.speech.filter((t) => !told.has(t.trim())));
  }
}

function focusControl(w, name) {
  const index = w.records.findIndex((r) => r && r.name === name);
  const el = w.controls[index];
  if (!el) return;
  const target = el.tagName === "LABEL" ? el.firstElementChild : el;
  target.focus({ preventScroll: true });
}

// ---- Keys --------------------------------------------------------------------

function windowOf(el) {
  for (const [id, w] of windows) if (w.el.contains(el)) return [id, w];
  return [null, null];
}

function reachable(w, index) {
  const el = w.controls[index];
  const r = w.records[index];
  if (!el || !r || !r.enabled || (r.kind === "label" && !r.tabStop)) return false;
  for (let k = index; k >= 0; k = w.records[k]?.parent ?? -1) if (!w.records[k]?.visible || !w.records[k]?.enabled) return false;
  return true;
}

// Tab and Shift+Tab go round the window's controls in the game's own order.
function tab(backwards, into) {
  let [, w] = into ? [null, into] : windowOf(document.activeElement);
  if (!w) w = frontWindow();
  if (!w) return;
  const chain = w.chain.filter((i) => reachable(w, i));
  if (!chain.length) return;
  const at = chain.findIndex((i) => w.controls[i].contains(document.activeElement));
  const next = at < 0 ? (backwards ? chain.length - 1 : 0) : (at + (backwards ? chain.length - 1 : 1)) % chain.length;
  focusControl(w, w.records[chain[next]].name);
}

function onKey(e) {
  wakeSound();
  document.body.classList.add("keys");
  if (e.key === "Tab" && !e.ctrlKey && !e.altKey && !e.metaKey) {
    e.preventDefault();
    return tab(e.shiftKey);
  }
  const code = keyCode(e);
  if (code === null || !game) return;
  let [id, w] = windowOf(document.activeElement);
  if (!w) [id, w] = [[...windows.entries()].find(([, x]) => x === frontWindow())?.[0], frontWindow()];
  if (!w) return;
  const target = document.activeElement;
  const kind = target?.type;
  // What the focused control does itself: a button's Space and Return, a text
  // box's typing, a tick box's Space, an option's and a slider's arrows.
  const own = (target?.tagName === "BUTTON" && (code.code === 1 || code.code === 2)) ||
    (kind === "text" && (code.code === 0 || code.code === 2 || code.code === 4 || code.code === 5)) ||
    ((kind === "checkbox" || kind === "radio") && code.code === 2) ||
    ((kind === "radio" || kind === "range") && code.code >= 4);
  if (own) {
    // While the screen is busy keys wait, as clicks on a disabled control do.
    if (game._web_busy(id)) e.preventDefault();
    if (!game._web_busy(id) || kind === "text") return;
  }
  const index = w.controls.findIndex((el) => el && el.contains(target));
  const name = index >= 0 ? w.records[index].name : "";
  const acted = game.ccall("web_key", "number", ["number", "number", "number", "string"], [id, code.code, code.ch, name]);
  if (acted) e.preventDefault();
}

// ---- Size --------------------------------------------------------------------

// The windows take the largest size that fits the browser's window, as the
// desktop's "--zoom fit" does; the browser's own zoom enlarges them further.
function stageScale() {
  // At the browser's zoom z a CSS pixel is z times its size at 100 %: the fit
  // is measured in the pixels of 100 % and then drawn in today's.
  const zoom = (window.devicePixelRatio || 1) / baseRatio;
  return Math.max(0.25, Math.min(window.innerWidth * zoom / STAGE.width, window.innerHeight * zoom / STAGE.height));
}

function resize() {
  const scale = stageScale();
  stage.style.transform = `scale(${scale})`;
  const sizer = document.getElementById("sizer");
  sizer.style.width = `${STAGE.width * scale}px`;
  sizer.style.height = `${STAGE.height * scale}px`;
  stage.style.left = `${Math.max(0, (window.innerWidth - STAGE.width * scale) / 2)}px`;
  const wanted = pictureFactor(scale * (window.devicePixelRatio || 1));
  if (wanted === factor) return;
  factor = wanted;
  for (const el of stage.querySelectorAll("[data-picture]")) showPicture(el, el.dataset.picture);
}

// ---- The page's side of the seams --------------------------------------------

const store = savedGameStore(window.localStorage);
const timers = pageTimers((id) => game._web_timer(id));

const page = {
  draw,
  arm: timers.arm,
  disarm: timers.disarm,
  play,
  open(name) {
    // "Sumdart Rules.de.doc" is rules/rules.de.html.
    const m = /^Sumdart Rules(\.[A-Za-z_]+)?\.doc$/.exec(name);
    if (!m) return false;
    const tab = window.open(`rules/rules${m[1] || ""}.html`, "_blank");
    if (tab) tab.opener = null;
    return Boolean(tab);
  },
  save: (text) => store.save(text),
  load: () => store.load(),
  report(text) { window.alert(text); },
  // The program ended (Exit): its windows go, and its icon starts it again.
  quit() {
    for (const id of [...windows.keys()]) closeWindow(id);
    document.getElementById("again").hidden = false;
    document.getElementById("again").focus();
  },
};

// A saved game dropped on the page, from the desktop edition or another browser.
function acceptDroppedGame() {
  document.addEventListener("dragover", (e) => e.preventDefault());
  document.addEventListener("drop", async (e) => {
    e.preventDefault();
    const file = e.dataTransfer?.files?.[0];
    if (!file || file.size > 65536) return;
    if (store.save(await file.text())) { wakeSound(); play("wav\\click1.wav"); }
  });
}

async function start() {
  // The lists are fetched while the program compiles.
  const site = fetch("site.json").then((r) => r.json());
  const pictureList = fetch("pictures.json").then((r) => r.json());
  game = await window.createSumdart({ page, locateFile: (f) => f });
  const asked = new URLSearchParams(location.search).get("lang");
  const wanted = asked ? [asked] : navigator.languages?.length ? navigator.languages : [navigator.language || "en"];
  language = game.ccall("web_choose_language", "string", ["string", "string"], [wanted.join("\n"), (await site).languages.join("\n")]);
  document.documentElement.lang = (language || "en").replace("_", "-");
  const messages = language ? await fetch(`lang/${language}.txt`).then((r) => (r.ok ? r.text() : "")) : "";
  pictures = await pictureList;
  // The captions are fitted to their boxes with the fonts they are drawn in:
  // those are loaded first (a font is otherwise fetched only once text uses it).
  await Promise.all(["12pt SumdartSans", "bold 12pt SumdartSans", "bold 12pt SumdartCondensed"].map((f) => document.fonts.load(f)));
  resize();
  game.ccall("web_start", null, ["string", "string"], [language, messages]);
  // The title screen's first frame, for bench/web.mjs.
  requestAnimationFrame(() => performance.mark("sumdart-title"));
}

window.addEventListener("resize", resize);
document.addEventListener("keydown", onKey);
document.addEventListener("pointerdown", () => {
  wakeSound();
  document.body.classList.remove("keys");
}, true);
document.getElementById("again").addEventListener("click", () => location.reload());
acceptDroppedGame();
if ("serviceWorker" in navigator && location.protocol !== "file:") navigator.serviceWorker.register("sw.js").catch(() => {});
start().catch((e) => { console.error(e); document.getElementById("failed").hidden = false; });
