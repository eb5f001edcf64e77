// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition as a player meets it: build-web/site served on a local
// port and played in Debian's Chromium through playwright-core, by mouse, by
// keyboard alone and through what a screen reader gets. Which numbers a throw
// makes is asked of the desktop's own judge, sumdart-solve.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { createReadStream, existsSync, statSync } from "node:fs";
import http from "node:http";
import path from "node:path";
import { chromium } from "playwright-core";

const top = path.resolve(new URL("../..", import.meta.url).pathname);
const site = process.env.SUMDART_SITE || path.join(top, "build-web/site");
const solver = process.env.SUMDART_SOLVE || path.join(top, "build-test/bin/sumdart-solve");
const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
  ".json": "application/json", ".webmanifest": "application/manifest+json", ".woff2": "font/woff2",
  ".jpg": "image/jpeg", ".png": "image/png", ".txt": "text/plain; charset=utf-8" };
let server, base, browser;

before(async () => {
  server = http.createServer((req, res) => {
    const file = path.join(site, decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/\/$/, "/index.html"));
    if (!file.startsWith(site) || !existsSync(file) || !statSync(file).isFile()) return res.writeHead(404).end();
    res.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
    createReadStream(file).pipe(res);
  });
  await new Promise((ok) => server.listen(0, "127.0.0.1", ok));
  base = `http://127.0.0.1:${server.address().port}/`;
  browser = await chromium.launch({ executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update", "--disable-sync", "--no-first-run"] });
});

after(async () => {
  await browser?.close();
  server?.close();
});

// A fresh browser profile on the title screen; every console error is kept.
async function open(t, { locale = "en-GB", query = "" } = {}) {
  const context = await browser.newContext({ locale, viewport: { width: 1024, height: 768 } });
  // Every sound that starts is counted (window.soundsPlayed).
  await context.addInitScript(() => {
    window.soundsPlayed = 0;
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...a) { ++window.soundsPlayed; return start.apply(this, a); };
  });
  const page = await context.newPage();
  const errors = [];
  page.on("console", (m) => m.type() === "error" && errors.push(m.text()));
  page.on("pageerror", (e) => errors.push(e.message));
  t.after(async () => {
    assert.deepEqual(errors, [], "console errors");
    await context.close();
  });
  await page.goto(base + query);
  await page.getByRole("application").first().waitFor();
  return page;
}

// Throws once the throw is allowed (by `press`, a click or a key), and reads the
// dice from their accessible names ("Die 1: 5") once they have rolled and settled.
async function throwDice(page, press) {
  await page.waitForFunction(() => document.querySelector('[data-name="throwButton"]')?.disabled === false);
  await press();
  await page.getByText(/^Die [1-4]: rolling$/).first().waitFor();
  const names = page.getByText(/^Die [1-4]: [1-6]$/);
  await names.nth(3).waitFor();
  return (await names.allTextContents()).map((n) => Number(n.slice(-1)));
}

// The numbers from 1 to 100 the dice make, as the judge says.
function made(dice) {
  const out = execFileSync(solver, dice.map(String), { encoding: "utf8", env: { ...process.env, LANGUAGE: "en" } });
  return new Set([...out.matchAll(/^(\d+) [=≈]/gm)].map((m) => Number(m[1])));
}

// What a screen reader reads out: the status texts as they change, and the page's log.
const heard = (page, text) => page.locator("[role=status], #speech").getByText(text).first().waitFor();

test("a mouse game: a number the dice make scores, one they cannot is an illegal move", async (t) => {
  const page = await open(t);
  await page.getByRole("button", { name: "OK" }).click();
  await page.getByRole("button", { name: "2 players" }).click();
  const throwButton = page.getByRole("button", { name: "Throw Dice" });
  const blue = made(await throwDice(page, () => throwButton.click()));
  const scored = [...blue].find((n) => n <= 20);
  await page.getByRole("button", { name: `${scored}, single ${scored}`, exact: true }).click();
  await assert.doesNotReject(heard(page, `${scored} point${scored === 1 ? "" : "s"} scored`));
  // During the hand-over keys wait, as clicks on a disabled button would.
  await page.getByRole("button", { name: "New Game" }).focus();
  await page.keyboard.press("Enter");
  await assert.doesNotReject(heard(page, "Red to Play"));
  assert.equal(await page.getByRole("application", { name: "Sumdart game" }).count(), 1);
  assert.equal(await page.getByText(`Blue: ${501 - scored}`).count(), 1);

  const red = made(await throwDice(page, () => throwButton.click()));
  const cells = await page.getByRole("button", { name: /^\d+, / }).all();
  for (const cell of cells) {
    if (red.has(Number((await cell.textContent()).trim()))) continue;
    await cell.click();
    await assert.doesNotReject(heard(page, "You made an illegal move. You have lost your turn."));
    break;
  }

  // Exit keeps the game in the browser's storage, and a reload brings it back.
  await page.getByRole("button", { name: "Exit" }).click();
  await page.reload();
  await page.getByRole("button", { name: "Restart Previous Game" }).click();
  await assert.doesNotReject(page.getByText(`Blue: ${501 - scored}`).waitFor());

  // The same game as a desktop's lastgame.inf, dropped on another browser's page.
  const saved = await page.evaluate(() => localStorage.getItem("sumdart.lastgame"));
  assert.match(saved, /^(-?\d+\r\n){15}$/);
  const other = await open(t);
  await other.evaluate((text) => {
    const files = new DataTransfer();
    files.items.add(new File([text], "lastgame.inf"));
    document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: files, bubbles: true, cancelable: true }));
  }, saved);
  await other.waitForFunction(() => localStorage.getItem("sumdart.lastgame"));
  await other.getByRole("button", { name: "Restart Previous Game" }).click();
  await assert.doesNotReject(other.getByText(`Blue: ${501 - scored}`).waitFor());
});

test("a whole game by keyboard alone, to a small target, ends with the winner", async (t) => {
  const page = await open(t);
  const focusedName = () => page.evaluate(() => {
    const el = document.activeElement;
    return el?.getAttribute("aria-label") || el?.closest("label")?.textContent || el?.textContent || "";
  });
  const tabTo = async (name) => {
    for (let i = 0; i < 30 && (await focusedName()) !== name; ++i) await page.keyboard.press("Tab");
    assert.equal(await focusedName(), name);
  };
  await page.keyboard.press("Enter");
  await page.getByRole("textbox", { name: "Target" }).waitFor();
  await tabTo("Target");
  await page.keyboard.press("Control+A");
  await page.keyboard.type("40");
  await tabTo("1 player");
  await page.keyboard.press("Enter");
  await tabTo("Play solo");
  await page.keyboard.press("Space");
  // 40, the smallest target, is finished on double 20; a throw that cannot
  // make it plays a number it cannot make either, and loses the turn.
  for (let turn = 0; turn < 12; ++turn) {
    const dice = made(await throwDice(page, () => page.keyboard.press("t")));
    const number = dice.has(40) ? 40 : [100, 80, 76, 72, 68, 64, 60, 57, 56, 54].find((n) => !dice.has(n));
    await page.keyboard.type(String(number));
    await page.waitForFunction((n) => document.activeElement?.getAttribute("aria-label")?.startsWith(`${n}, `), number);
    if (number === 40) assert.equal(await page.evaluate(() => document.activeElement.getAttribute("aria-label")), "40, double 20");
    await page.keyboard.press("Enter");
    if (number !== 40) continue;
    await assert.doesNotReject(heard(page, "BLUE HAS WON!"));
    assert.ok(await page.evaluate(() => window.soundsPlayed) > 0, "the keys woke the sound");
    return;
  }
  assert.fail("no throw in 12 made 40");
});

test("a screen reader gets every control with its role and name", async (t) => {
  const page = await open(t);
  await page.getByRole("button", { name: "OK" }).click();
  const setup = await page.getByRole("application", { name: "Sumdart: set up a game" }).ariaSnapshot();
  for (const line of ['textbox "Target": "501"', 'img "The Sumdart logo"', 'checkbox "Play Sound" [checked]',
    'textbox "Set Total Time Allowed": "300"', 'button "The Rules"', 'button "2 players": "2"', 'button "Exit"'])
    assert.ok(setup.includes(line), `${line} in\n${setup}`);
  await page.getByRole("button", { name: "4 players" }).click();
  const game = await page.getByRole("application", { name: "Sumdart game" }).ariaSnapshot();
  for (const line of ["status: Blue to Play", 'button "Throw Dice"', 'button "Cheat Chart"', 'button "100, double 50, centre": "100"'])
    assert.ok(game.includes(line), `${line} in\n${game}`);
  assert.equal(await page.getByRole("button", { name: /^\d+, / }).count(), 85);
  assert.deepEqual(await page.getByText(/^Die [1-4]: not thrown$/).allTextContents(),
    ["Die 1: not thrown", "Die 2: not thrown", "Die 3: not thrown", "Die 4: not thrown"]);
  assert.equal(await page.getByText(/^(Blue|Red|Green|Yellow): 501$/).count(), 4);
});

test("with the network off after the first visit, the page still loads and plays", async (t) => {
  const page = await open(t);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise((ok) => navigator.serviceWorker.addEventListener("controllerchange", ok, { once: true }));
  });
  await page.context().setOffline(true);
  // A class's bookmark with its language in the address loads too.
  await page.goto(base + "?lang=de");
  await page.locator('[data-name="okButton"]').click();
  await assert.doesNotReject(page.getByRole("application", { name: "Sumdart: ein Spiel vorbereiten" }).waitFor());
});

test("the printable rules open in a new tab, in the player's language", async (t) => {
  const page = await open(t, { query: "?lang=pt_BR" });
  await page.locator('[data-name="okButton"]').click();
  await page.locator('[data-name="rulesButton"]').click();
  for (let n = 0; n < 2; ++n) await page.locator('[data-name="nextPageButton"]').last().click();
  const [rules] = await Promise.all([page.context().waitForEvent("page"), page.locator('[data-name="printButton"]').click()]);
  await rules.waitForLoadState();
  assert.match(rules.url(), /rules\/rules\.pt_BR\.html$/);
  assert.equal(await rules.evaluate(() => document.documentElement.lang), "pt-BR");
  // Every picture is there, and described in words, not by its file's name.
  const pictures = await rules.evaluate(() => [...document.images].map((i) => [i.naturalWidth > 0, i.alt]));
  assert.equal(pictures.length, 2);
  for (const [loaded, alt] of pictures) assert.ok(loaded && alt.length > 8 && !/\.(jpg|png)$/.test(alt), alt);
});

test("a German browser gets German, and ?lang= chooses for one visit", async (t) => {
  const german = await open(t, { locale: "de-DE" });
  assert.equal(await german.evaluate(() => document.documentElement.lang), "de");
  await assert.doesNotReject(german.getByRole("button", { name: "Spiel fortsetzen" }).waitFor());
  // A picture with words in it is drawn in the language too.
  await german.locator('[data-name="okButton"]').click();
  await german.locator('[data-name="rulesButton"]').click();
  assert.match(await german.locator('[data-name="pagePicture"]').evaluate((e) => e.style.backgroundImage), /start\.de(@\dx)?\.jpg/);
  const polish = await german.context().newPage();
  await polish.goto(base + "?lang=pl");
  await polish.getByRole("application").waitFor();
  assert.equal(await polish.evaluate(() => document.documentElement.lang), "pl");
});

test("every caption fits its box, in every language, on every screen", async (t) => {
  const page = await open(t);
  const misfits = [];
  const check = async (language, screen) => {
    const found = await page.evaluate(() => [...document.querySelectorAll(".ctl")]
      .filter((e) => e.offsetParent && e.textContent.trim() && !e.matches("table, input"))
      .filter((e) => e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 2)
      .map((e) => e.dataset.name));
    misfits.push(...found.map((name) => `${language} ${screen}: ${name}`));
  };
  for (const language of ["en", ...JSON.parse(await (await fetch(base + "site.json")).text()).languages]) {
    await page.goto(`${base}?lang=${language}`);
    await page.locator('[data-name="okButton"]').click();
    await check(language, "set-up");
    await page.locator('[data-name="playerCountButtons(0)"]').click();
    await check(language, "opponent");
    await page.locator('[data-name="exitButton"]').last().click();
    await page.locator('[data-name="playerCountButtons(3)"]').click();
    await page.locator('[data-name="throwButton"]').waitFor();
    await check(language, "game");
    await page.keyboard.press("c");
    await page.locator('[data-name="table"]').waitFor({ state: "attached" });
    await check(language, "chart");
    for (const [n, button] of [[1, "nextPageButton"], [2, "nextPageButton"], [3, "printButton"]]) {
      await page.goto(`${base}?lang=${language}`);
      await page.locator('[data-name="okButton"]').click();
      await page.locator('[data-name="rulesButton"]').click();
      for (let k = 1; k < n; ++k) await page.locator('[data-name="nextPageButton"]').last().click();
      await page.locator(`[data-name="${button}"]`).last().waitFor();
      await check(language, `rules page ${n}`);
    }
  }
  assert.deepEqual(misfits, []);
});
