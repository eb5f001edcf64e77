// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's own small rules (web/page.js), with Node's test runner.
import { test } from "node:test";
import assert from "node:assert/strict";
import { savedGameStore, pageTimers, pictureFactor, keyCode, pageWord } from "../../web/page.js";

// Storage as browsers give it: working, full, blocked, or handing back
// something other than was written.
function storage({ full = false, blocked = false, mangle = (t) => t } = {}) {
  const items = new Map();
  return {
    setItem(k, v) { if (blocked || full) throw new Error("QuotaExceededError"); items.set(k, mangle(v)); },
    getItem(k) { if (blocked) throw new Error("SecurityError"); return items.has(k) ? items.get(k) : null; },
  };
}

test("the saved game: kept and read back; broken storage is no saved game and no crash", () => {
  const game = "501\r\n455\r\n";
  const good = savedGameStore(storage());
  assert.equal(good.load(), null);
  assert.equal(good.save(game), true);
  assert.equal(good.load(), game);
  for (const broken of [{ full: true }, { blocked: true }, { mangle: (t) => t.slice(0, 3) }]) {
    const store = savedGameStore(storage(broken));
    assert.equal(store.save(game), false, JSON.stringify(broken));
    assert.notEqual(store.load(), game);
  }
});

test("a timer armed again waits afresh, once; a disarmed one never fires", () => {
  let now = 0;
  const pending = new Map();
  let next = 1;
  const clock = {
    setTimeout: (f, ms) => (pending.set(next, [now + ms, f]), next++),
    clearTimeout: (h) => pending.delete(h),
  };
  const advance = (ms) => {
    now += ms;
    for (const [h, [at, f]] of [...pending].sort((a, b) => a[1][0] - b[1][0]))
      if (at <= now && pending.delete(h)) f();
  };
  const fired = [];
  const timers = pageTimers((id) => fired.push([id, now]), clock);
  timers.arm(1, 100);
  advance(60);
  timers.arm(1, 100);
  timers.arm(2, 50);
  timers.disarm(2);
  advance(200);
  assert.deepEqual(fired, [[1, 260]]);
});

test("the picture scale is the finest the screen needs, at most 3", () => {
  for (const [ratio, factor] of [[0.5, 1], [1, 1], [1.01, 2], [2, 2], [2.5, 3], [8, 3], [NaN, 1], [undefined, 1]])
    assert.equal(pictureFactor(ratio), factor, String(ratio));
});

test("keys reach the game as the desktop's do; shortcuts and other keys do not", () => {
  const cases = [[{ key: "Enter" }, 1, 0], [{ key: " " }, 2, 0], [{ key: "Escape" }, 3, 0], [{ key: "ArrowDown" }, 7, 0],
    [{ key: "t" }, 0, 116], [{ key: "7" }, 0, 55], [{ key: "t", ctrlKey: true }, null], [{ key: "é" }, null], [{ key: "F5" }, null]];
  for (const [event, code, ch] of cases)
    assert.deepEqual(keyCode(event), code === null ? null : { code, ch }, event.key);
  assert.deepEqual([pageWord("close", "de"), pageWord("window", "pt_BR"), pageWord("close", "sv"), pageWord("window", "")],
    ["Schließen", "janela", "Close", "window"]);
});
