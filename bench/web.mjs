// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition on a slow school Chromebook: Debian's Chromium with its
// processor slowed 4 times (DevTools' Emulation.setCPUThrottlingRate). Reports
// the bytes fetched before the title screen can be used and in all, the time
// from opening the page to the title screen, and the page's processor time
// while the dice roll, against the goals: 1.0 s, 1.5 MB and 5 % of a core.
//
//   node bench/web.mjs [RUNS]      (build-web/site must be built: scripts/web.sh)
import { readdirSync, statSync, createReadStream } from "node:fs";
import http from "node:http";
import path from "node:path";
import { chromium } from "playwright-core";

const site = process.env.SUMDART_SITE || path.resolve(new URL("../build-web/site", import.meta.url).pathname);
const runs = Number(process.argv[2] || 3);
const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
  ".json": "application/json", ".woff2": "font/woff2", ".jpg": "image/jpeg", ".png": "image/png" };

function siteBytes(dir) {
  return readdirSync(dir).reduce((sum, f) => {
    const p = path.join(dir, f);
    return sum + (statSync(p).isDirectory() ? siteBytes(p) : statSync(p).size);
  }, 0);
}

const server = http.createServer((req, res) => {
  const file = path.join(site, decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/\/$/, "/index.html"));
  try {
    if (!file.startsWith(site) || !statSync(file).isFile()) throw new Error();
  } catch {
    return res.writeHead(404).end();
  }
  res.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
  createReadStream(file).pipe(res);
});
await new Promise((ok) => server.listen(0, "127.0.0.1", ok));
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update", "--no-first-run"] });

async function once() {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, serviceWorkers: "block" });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
  await cdp.send("Network.enable");
  await cdp.send("Performance.enable");
  let bytes = 0;
  cdp.on("Network.loadingFinished", (e) => { bytes += e.encodedDataLength; });
  await page.goto(url);
  await page.getByRole("button", { name: "OK" }).waitFor();
  // From the start of the page's navigation to the title screen's first frame.
  const shown = await page.evaluate(() => performance.getEntriesByName("sumdart-title")[0]?.startTime ?? NaN);
  const title = { ms: Math.round(shown), bytes };

  await page.getByRole("button", { name: "OK" }).click();
  await page.getByRole("button", { name: "2 players" }).click();
  await page.getByRole("button", { name: "Throw Dice" }).waitFor();
  const busy = async () => (await cdp.send("Performance.getMetrics")).metrics.find((m) => m.name === "TaskDuration").value;
  const before = await busy();
  const rollStart = Date.now();
  await page.getByRole("button", { name: "Throw Dice" }).click();
  // Polled twice a second in the page, so the waiting costs the roll nothing.
  await page.waitForFunction(() => /^Die 4: [1-6]$/.test(document.querySelector('[data-name="dice(3)"] .heard')?.textContent ?? ""),
    null, { polling: 500 });
  const roll = (await busy()) - before;
  const rollMs = Date.now() - rollStart;
  await context.close();
  return { ...title, cpu: (100 * roll) / (rollMs / 1000), rollMs };
}

const results = [];
for (let i = 0; i < runs; ++i) results.push(await once());
const median = (key) => results.map((r) => r[key]).sort((a, b) => a - b)[Math.floor(results.length / 2)];
console.log(`site: ${(siteBytes(site) / 1e6).toFixed(2)} MB in all (goal: under 6 MB)`);
console.log(`before the title screen: ${(median("bytes") / 1e6).toFixed(2)} MB (goal: at most 1.5 MB)`);
console.log(`title screen, CPU slowed 4x: ${median("ms")} ms, median of ${runs} (goal: 1000 ms)`);
console.log(`dice roll, CPU slowed 4x: ${median("cpu").toFixed(1)} % of a core over ${median("rollMs")} ms (goal: at most 5 %)`);
await browser.close();
server.close();
