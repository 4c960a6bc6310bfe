// The browser build in real browsers (Debian's chromium and firefox-esr, headless, through
// puppeteer-core), against the native headless build run on the same seeds and scripts:
//   node web_test.mjs URL NATIVE_PROGRAM NATIVE_FRAME_BENCH SERVED_ROOT
// URL serves SERVED_ROOT, which holds site/ (build-web/site) and bench/ (build-web/bench); the
// version update swaps site/ for a newer copy and back. NATIVE_PROGRAM is build/panipani and
// NATIVE_FRAME_BENCH build/bench_render_frame (the native data folder build/data beside them).
// Prints its measurements; exits 1 when a check failed.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import {
  appendFileSync, cpSync, mkdtempSync, readFileSync, readdirSync, realpathSync, rmSync,
  symlinkSync, writeFileSync,
} from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

const [url, nativeProgram, nativeFrameBench, servedRoot] = process.argv.slice(2);
const repo = fileURLToPath(new URL('../../../', import.meta.url));
const site = `${url}site/`;
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const scratch = mkdtempSync(join(tmpdir(), 'panipani-web-test-'));
const failures = [];
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
  if (!ok) failures.push(what);
}
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// A timing against its aim: measured again once when it misses, and a failure only when it is
// still more than twice the aim (a busy machine is slow, a regression is much slower). `first`
// is a measurement made already, if any.
async function timing(what, aim, unit, measure, first = undefined) {
  let value = first ?? await measure();
  if (value > aim) value = Math.min(value, await measure());
  const verdict = value <= aim ? 'within its aim' : value <= 2 * aim ? 'over its aim (slow machine?)'
                                                                    : 'a gross regression';
  check(value <= 2 * aim, `${what}: ${value.toFixed(2)} ${unit}, aim ${aim}: ${verdict}`);
}

// The native headless run of `lines` in `saveDir`: its events as JSON texts.
function native(lines, seed, saveDir, autoClick = false, lang = '') {
  const env = { ...process.env, HOME: scratch, XDG_DATA_HOME: scratch, XDG_CONFIG_HOME: scratch };
  const args = ['--headless', '--seed', String(seed), '--save-dir', saveDir];
  if (autoClick) args.push('--auto-click');
  if (lang) args.push('--lang', lang);
  const out = execFileSync(nativeProgram, args, { input: lines.join('\n') + '\n', env });
  return out.toString('utf8').split('\n').filter((l) => l).map((l) => JSON.stringify(JSON.parse(l)));
}
const stateOf = (events) => events.find((e) => e.includes('"ev":"state"'));
const withoutState = (events) => events.filter((e) => !e.includes('"ev":"state"'));

// A 24-bit BMP written by the native `screenshot` as 0xRRGGBB values, top row first.
function readBmp(path) {
  const b = readFileSync(path);
  const offset = b.readUInt32LE(10), width = b.readInt32LE(18), height = b.readInt32LE(22);
  const bits = b.readUInt16LE(28), stride = Math.ceil((width * bits) / 32) * 4;
  const pixels = [];
  for (let y = 0; y < Math.abs(height); ++y) {
    const row = offset + (height > 0 ? Math.abs(height) - 1 - y : y) * stride;
    for (let x = 0; x < width; ++x) {
      const p = row + (x * bits) / 8;
      pixels.push((b[p + 2] << 16) | (b[p + 1] << 8) | b[p]);
    }
  }
  return pixels;
}

// The game's last frame on the page as 0xRRGGBB values.
const canvasPixels = (page) => page.evaluate(() => {
  const data = window.panipani.picture.getContext('2d').getImageData(0, 0, 390, 260).data;
  const out = [];
  for (let i = 0; i < data.length; i += 4) out.push((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
  return out;
});

function launch(kind) {
  const profile = join(scratch, `profile-${kind}`);
  if (kind === 'firefox') {
    return puppeteer.launch({ browser: 'firefox', protocol: 'webDriverBiDi', headless: true,
                              executablePath: '/usr/bin/firefox-esr', userDataDir: profile });
  }
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--force-color-profile=srgb',
           // Desktop Chrome's own policy: sound starts only after the page's first click, tap or
           // key. (Under user-gesture-required this headless chromium starts every context
           // running.)
           '--autoplay-policy=document-user-activation-required'],
  });
}

const consoleErrors = [];
// Watches `page`'s console for errors, named by `label`.
function watch(page, label) {
  page.on('console', (m) => { if (m.type() === 'error') consoleErrors.push(`${label}: ${m.text()}`); });
  page.on('pageerror', (e) => consoleErrors.push(`${label}: ${e}`));
  return page;
}
// A new page of `context` on the game's page with `query`, its console watched.
async function load(context, label, query) {
  const page = watch(await context.newPage(), label);
  await page.goto(`${site}index.html${query}`);
  return page;
}
async function open(context, label, query) {
  const page = await load(context, label, query);
  await page.evaluate(() => window.panipani.ready);
  return page;
}
const events = (page) => page.evaluate(() => window.panipani.events.map((e) => JSON.stringify(e)));
// Which program the page runs: 'simd' or 'plain'.
const wasmBuild = (page) => page.evaluate(() => document.documentElement.dataset.wasm);
// The SHA-256 of every sound in the page's data folder (synthesised as the page starts), by name.
const pageSounds = (page) => page.evaluate(async () => {
  const hashes = {};
  for (const name of FS.readdir('/data/dat').filter((n) => n.endsWith('.wav'))) {
    const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', FS.readFile(`/data/dat/${name}`)));
    hashes[name] = Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('');
  }
  return hashes;
});
// Runs command lines on the page and waits until the game has taken them all.
async function commands(page, lines) {
  await page.evaluate(async (lines) => {
    const before = window.panipani.events.length;
    for (const line of lines) window.panipani.command(line);
    window.panipani.command('state');
    // `state` is answered after every line before it.
    while (!window.panipani.events.slice(before).some((e) => e.ev === 'state'))
      await new Promise((r) => setTimeout(r, 5));
  }, lines);
}
// Closes the game on an automation page (which saves) and waits until the save is in storage.
async function closeAndSync(page) {
  await page.evaluate(() => window.panipani.command('close'));
  await page.waitForFunction(() => window.panipani.events.some((e) => e.ev === 'error') ||
                             document.getElementById('notes').textContent.includes('終了'));
  return page.evaluate(() => window.panipani.saved());
}

// The title and a new character with the mouse on the canvas of `page`, an automation page of
// seed 1 reading the game in `lang` (Japanese unless given), on virtual time: its canvas against
// the native screenshot of the same clicks, its events against the native run's. Returns the
// native run's save folder.
async function playClicks(page, label, lang = '') {
  const box = await (await page.$('#screen')).boundingBox();
  const scale = box.width / 390;
  check(Number.isInteger(scale) && scale >= 1 && box.height === 260 * scale,
        `${label}: the canvas is scaled by a whole factor (${scale})`);
  const nativeLines = [];
  const pageSteps = [];
  const wait = (n) => { nativeLines.push(`tick ${n}`); pageSteps.push({ tick: n }); };
  const clickAt = (x, y) => {
    nativeLines.push(`mouse move ${x} ${y}`, `mouse down ${x} ${y}`, `mouse up ${x} ${y}`);
    pageSteps.push({ x, y });
  };
  // Space on the page is the window's Space, the protocol's `key space`.
  const press = (key, line) => { nativeLines.push(line); pageSteps.push({ key }); };
  wait(5); press('Space', 'key space'); wait(5); clickAt(200, 90); wait(20);
  clickAt(322, 232); wait(30); clickAt(322, 168); wait(30); clickAt(330, 200); wait(40);
  for (const step of pageSteps) {
    if (step.tick) {
      await commands(page, [`tick ${step.tick}`]);
    } else if (step.key) {
      await page.keyboard.press(step.key);
      await commands(page, []);
    } else {
      await page.mouse.click(box.x + (step.x + 0.5) * scale, box.y + (step.y + 0.5) * scale);
      await commands(page, []);
    }
  }
  const shot = join(scratch, `native-${label}.bmp`);
  const saveDir = join(scratch, `save-clicked-${label}`);
  const nativeEvents = native([...nativeLines, 'state', `screenshot ${shot}`, 'close'], 1, saveDir,
                              false, lang);
  const pagePixels = await canvasPixels(page);
  const nativePixels = readBmp(shot);
  const differing = pagePixels.filter((p, i) => p !== nativePixels[i]).length;
  check(pagePixels.length === nativePixels.length && differing === 0,
        `${label}: the canvas equals the native screenshot of the same seed and clicks (${differing} pixels differ)`);
  const pageEvents = withoutState(await events(page));
  const nativeClicked = withoutState(nativeEvents);
  check(JSON.stringify(pageEvents) === JSON.stringify(nativeClicked),
        `${label}: the clicked run's ${pageEvents.length} events equal the native run's ${nativeClicked.length}`);
  return saveDir;
}

// 1. to 3. The program the browser runs, the sounds it synthesised, the title and a new character
// with the mouse on the canvas; the first visit's service worker, a damaged upload; the records
// after a reload.
async function clickedRun(browser, label) {
  const context = await browser.createBrowserContext();
  const page = await open(context, label, '?headless=1&seed=1&lang=ja');
  check(await wasmBuild(page) === 'simd', `${label}: the page runs the SIMD build`);
  const nativeDat = join(dirname(nativeProgram), 'data', 'dat');
  const nativeSounds = readdirSync(nativeDat).filter((n) => n.endsWith('.wav'));
  const synthesised = await pageSounds(page);
  const equal = nativeSounds.filter((n) => synthesised[n] ===
    createHash('sha256').update(readFileSync(join(nativeDat, n))).digest('hex'));
  check(nativeSounds.length > 80 && equal.length === nativeSounds.length &&
        Object.keys(synthesised).length === nativeSounds.length,
        `${label}: the page synthesised the native data folder's ${nativeSounds.length} sounds byte for byte (${equal.length} equal)`);
  const saveDir = await playClicks(page, label);

  // The first visit installs the first version: it takes over with no offer of a new one.
  const controlled = await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
                                                { timeout: 60000 }).then(() => true, () => false);
  await sleep(300);
  const offers = await page.evaluate(() => document.querySelectorAll('#notes button').length);
  check(controlled && offers === 0,
        `${label}: the service worker takes the first visit over, with ${offers} offers of a new version`);

  const before = await page.evaluate(() => Array.from(FS.readFile('/save/my.dat')).join(','));
  const refusal = await page.evaluate(() => window.panipani.uploadSave(new Uint8Array([49, 13, 10, 120])));
  const after = await page.evaluate(() => Array.from(FS.readFile('/save/my.dat')).join(','));
  check(/^my\.dat: line \d+/.test(refusal) && before === after,
        `${label}: a damaged upload is refused ("${refusal}") and the save is kept`);

  check(await closeAndSync(page), `${label}: the closing save is synced to IndexedDB`);
  await page.reload();
  await page.evaluate(() => window.panipani.ready);
  await commands(page, []);
  check(stateOf(await events(page)) === stateOf(native(['state', 'close'], 1, saveDir)),
        `${label}: after a reload the page has the records a native restart has`);
  await context.close();
}

// The same clicks on the plain build (for browsers without SIMD), in a profile of its own.
async function plainBuild(browser) {
  const label = 'chromium plain build';
  const context = await browser.createBrowserContext();
  const page = await open(context, label, '?headless=1&seed=1&lang=ja&simd=0');
  check(await wasmBuild(page) === 'plain', `${label}: ?simd=0 runs the plain build`);
  await playClicks(page, label);
  await context.close();
}

// 4. A seeded automation script through the page's API, in a fresh profile; with `measure`, the
// time of 50,000 ticks (about 10,000 frames) on the page and natively.
async function automationRun(browser, label, measure) {
  const context = await browser.createBrowserContext();
  const auto = await open(context, label, '?headless=1&seed=7&autoclick=1');
  const script = ['tick 5', 'click', 'tick 5', 'click', 'tick 20', 'choose 3', 'tick 40'];
  for (let i = 0; i < 40; ++i) script.push('choose 3', 'tick 25', 'choose 1', 'tick 25');
  script.push('key enter', 'confirm no', 'tick 10');
  await commands(auto, script);
  const autoEvents = await events(auto);
  const nativeAuto = native([...script, 'state', 'close'], 7, join(scratch, `save-auto-${label}`), true);
  check(JSON.stringify(autoEvents) === JSON.stringify(nativeAuto.slice(0, autoEvents.length)),
        `${label}: the automation script's ${autoEvents.length} events equal the native --headless run's`);
  if (measure) {
    const ticks = ['click', 'click', 'tick 50000'];
    const t0 = Date.now();
    await commands(auto, ticks);
    const pageMs = Date.now() - t0;
    const n0 = Date.now();
    native([...script, ...ticks, 'close'], 7, join(scratch, 'save-ticks'), true);
    const nativeMs = Date.now() - n0;
    console.log(`measure: 50,000 ticks: page ${pageMs} ms, native ${nativeMs} ms (whole run), ratio ${(pageMs / nativeMs).toFixed(2)}`);
  }
  await context.close();
}

// Many quick reloads of the real-time page, each cut off at another point of its start, while
// the window changes size: no console error (nothing reaches into the game before it is ready).
// Firefox reports the downloads that a reload cuts off under its service worker as errors
// ("Failed to load ''", "NetworkError when attempting to fetch resource"), `cutOff` matches them:
// they are counted, not failed.
async function quickReloads(browser, label, cutOff = null) {
  const context = await browser.createBrowserContext();
  const page = await load(context, label, '?seed=2');
  const before = consoleErrors.length;
  const sizes = [[800, 600], [412, 915], [915, 412]];
  let i = 0;
  for (const delay of [0, 10, 25, 50, 80, 120, 180, 250, 350, 500, 700, 1000]) {
    await sleep(delay);
    await page.reload({ waitUntil: 'domcontentloaded' });
    // The page lays itself out again while the game starts.
    const [width, height] = sizes[i++ % sizes.length];
    await page.setViewport({ width, height });
  }
  // start.js loads the program, which brings the page's interface.
  await page.waitForFunction(() => window.panipani !== undefined);
  await page.evaluate(() => window.panipani.ready);
  await sleep(300);
  const all = consoleErrors.splice(before);
  const reported = all.filter((e) => !(cutOff && cutOff.test(e)));
  consoleErrors.push(...reported);
  check(reported.length === 0, `${label}: twelve quick reloads give no console error` +
        (all.length > reported.length ? ` (cut-off downloads reported apart: ${all.length - reported.length})` : ''));
  await context.close();
}

// axe-core on `page` as it is: its violations as "id (n)" texts.
async function axeViolations(page) {
  if (!(await page.evaluate(() => typeof window.axe !== 'undefined'))) await page.evaluate(axeSource);
  const found = await page.evaluate(async () => (await window.axe.run(document)).violations
    .map((v) => `${v.id} (${v.nodes.length}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  return found;
}

// The page's controls that are shown, with their boxes, and the canvas's box.
const controls = (page) => page.evaluate(() => {
  const box = (e) => { const r = e.getBoundingClientRect(); return { x: r.x, y: r.y, w: r.width, h: r.height }; };
  return {
    canvas: box(document.getElementById('screen')),
    shown: [...document.querySelectorAll('button')].filter((e) => e.getClientRects().length > 0)
      .map((e) => ({ name: e.id || e.textContent.trim(), ...box(e) })),
  };
});
const overlaps = (a, b) => a.x < b.x + b.w - 0.5 && b.x < a.x + a.w - 0.5 && a.y < b.y + b.h - 0.5 &&
                           b.y < a.y + a.h - 0.5;
// Every control shown is at least 44 CSS pixels each way and off the picture.
async function controlsCheck(page, what) {
  const { canvas, shown } = await controls(page);
  const bad = shown.filter((c) => c.w < 44 || c.h < 44 || overlaps(c, canvas));
  check(shown.length > 0 && bad.length === 0,
        `${what}: ${shown.length} controls, each at least 44 x 44 and off the picture${bad.length ? ': ' + JSON.stringify(bad) : ''}`);
}

// 5. On a phone upright with touch: the layout, taps on the picture and on the text panel's
// buttons playing as `click` and `choose N`, the live region, whole device pixels at 2.625.
async function phone(browser) {
  const label = 'chromium phone';
  const context = await browser.createBrowserContext();
  const page = watch(await context.newPage(), label);
  await page.setViewport({ width: 412, height: 915, deviceScaleFactor: 2.625, isMobile: true,
                           hasTouch: true });
  await page.goto(`${site}index.html?headless=1&seed=11&lang=ja`);
  await page.evaluate(() => window.panipani.ready);
  const layout = await page.evaluate(() => ({
    panel: !document.getElementById('panel').hidden,
    canvas: document.getElementById('screen').getBoundingClientRect().toJSON(),
  }));
  check(layout.panel && Math.abs(layout.canvas.width * 2.625 - 780) < 0.01,
        `${label}: the picture at 2 device pixels a pixel (${(layout.canvas.width * 2.625).toFixed(2)} wide), the text panel on`);
  await controlsCheck(page, `${label}, menu closed`);
  const menuBox = await (await page.$('#menu-button')).boundingBox();
  await page.touchscreen.tap(menuBox.x + menuBox.width / 2, menuBox.y + menuBox.height / 2);
  await page.waitForFunction(() => !document.getElementById('menu').hidden);
  await controlsCheck(page, `${label}, menu open`);
  const menuViolations = await axeViolations(page);
  check(menuViolations.length === 0, `${label}: axe-core finds no violation with the menu open${menuViolations.length ? ': ' + menuViolations.join('; ') : ''}`);
  await page.touchscreen.tap(menuBox.x + menuBox.width / 2, menuBox.y + menuBox.height / 2);
  await page.waitForFunction(() => document.getElementById('menu').hidden);

  const canvas = await (await page.$('#screen')).boundingBox();
  const tapPicture = async () => {
    await page.touchscreen.tap(canvas.x + (100.5 / 390) * canvas.width,
                               canvas.y + (100.5 / 260) * canvas.height);
    await commands(page, []);
  };
  const tapChoice = async (n) => {
    const button = await page.waitForSelector(`#choices button:nth-child(${n}):not([hidden]):not([disabled])`,
                                              { timeout: 5000 }).catch(async (e) => {
      throw new Error(`no button ${n} to tap: ${await page.evaluate(() => document.getElementById('choices').outerHTML)}`, { cause: e });
    });
    const b = await button.boundingBox();
    await page.touchscreen.tap(b.x + b.width / 2, b.y + b.height / 2);
    await commands(page, []);
  };
  const nativeLines = [];
  const steps = [];
  const tick = (n) => { nativeLines.push(`tick ${n}`); steps.push(() => commands(page, [`tick ${n}`])); };
  const click = () => { nativeLines.push('click'); steps.push(tapPicture); };
  const choose = (n) => { nativeLines.push(`choose ${n}`); steps.push(() => tapChoice(n)); };
  // The title, the login, five picks of the new character, the start of the adventure.
  tick(5); click(); tick(5); click(); tick(20); choose(3); tick(40);
  for (let i = 0; i < 2; ++i) { choose(3); tick(25); choose(1); tick(25); }
  choose(2); tick(25); choose(3); tick(40); click(); tick(20);
  for (const step of steps) await step();
  const pageEvents = withoutState(await events(page));
  const nativeEvents = withoutState(native([...nativeLines, 'close'], 11, join(scratch, 'save-phone')));
  check(pageEvents.length > 0 && JSON.stringify(pageEvents) === JSON.stringify(nativeEvents.slice(0, pageEvents.length)),
        `${label}: taps on the picture and the text panel's buttons play as click and choose N (${pageEvents.length} events as native)`);
  // The panel shows new lines at the next frame.
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  const panel = await page.evaluate(() => ({
    log: document.getElementById('log').getAttribute('role'),
    lines: [...document.querySelectorAll('#log p')].map((p) => p.textContent),
    heights: [...document.querySelectorAll('#choices button:not([hidden])')].map((b) => b.getBoundingClientRect().height),
  }));
  const messages = pageEvents.map((e) => JSON.parse(e)).filter((e) => e.ev === 'message').map((e) => e.text);
  check(panel.log === 'log' && messages.length > 0 &&
        JSON.stringify(panel.lines) === JSON.stringify(messages.slice(-panel.lines.length)) &&
        panel.heights.every((h) => h >= 48),
        `${label}: the live region holds the newest ${panel.lines.length} message lines, the choice buttons are at least 48 pixels tall (${panel.heights})`);
  const violations = await axeViolations(page);
  check(violations.length === 0, `${label}: axe-core finds no violation after play${violations.length ? ': ' + violations.join('; ') : ''}`);

  // Every picture pixel covers the same square of device pixels in the screenshot.
  const shot = join(scratch, 'phone.png');
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  await page.screenshot({ path: shot });
  const [width, height] = execFileSync('identify', ['-format', '%w %h', shot]).toString().split(' ').map(Number);
  const rgb = execFileSync('convert', [shot, '-depth', '8', 'rgb:-'], { maxBuffer: 64 << 20 });
  const pixels = await canvasPixels(page);
  const ratio = 2.625, k = 2;
  const left = Math.round(canvas.x * ratio), top = Math.round(canvas.y * ratio);
  let differing = 0;
  for (let y = 0; y < 260 * k; ++y) {
    for (let x = 0; x < 390 * k; ++x) {
      const at = ((top + y) * width + left + x) * 3;
      const shown = (rgb[at] << 16) | (rgb[at + 1] << 8) | rgb[at + 2];
      if (shown !== pixels[Math.floor(y / k) * 390 + Math.floor(x / k)]) ++differing;
    }
  }
  check(Math.abs(canvas.x * ratio - left) < 0.01 && Math.abs(canvas.y * ratio - top) < 0.01 &&
        top + 260 * k <= height && differing === 0,
        `${label}: at device pixel ratio 2.625 every picture pixel is 2 x 2 device pixels in the screenshot (${differing} of ${390 * 260 * k * k} differ)`);
  await context.close();
}

// 6. Offline: the service worker keeps the version; with the network gone the page reloads,
// plays, saves and reloads again with its records.
async function offline(browser) {
  const label = 'chromium offline';
  const context = await browser.createBrowserContext();
  const page = await open(context, label, '?headless=1&seed=21&lang=ja');
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 60000 });
  const worker = await browser.waitForTarget((t) => t.type() === 'service_worker' &&
                                             t.browserContext() === context);
  const workerSession = await worker.createCDPSession();
  await workerSession.send('Network.enable');
  const noNetwork = { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 };
  await workerSession.send('Network.emulateNetworkConditions', noNetwork);
  await page.setOfflineMode(true);
  // The worker itself reaches no server now (asked there: the page's console stays clean).
  const cutOff = await (await worker.worker()).evaluate(() => fetch('../bench/bench.html').then(() => false, () => true));
  await page.reload();
  await page.evaluate(() => window.panipani.ready);
  const script = ['tick 5', 'click', 'tick 5', 'click', 'tick 20', 'choose 3', 'tick 40', 'choose 3',
                  'tick 25', 'choose 1', 'tick 25'];
  await commands(page, script);
  const saved = await closeAndSync(page);
  await page.reload();
  await page.evaluate(() => window.panipani.ready);
  await commands(page, []);
  const saveDir = join(scratch, 'save-offline');
  native([...script, 'close'], 21, saveDir);
  check(cutOff && saved && stateOf(await events(page)) === stateOf(native(['state', 'close'], 21, saveDir)),
        `${label}: with the network cut off (${cutOff}) the page reloads, plays, saves and keeps its records`);
  await context.close();
}

// 7. A new version: fetched in the background while the old one plays on, offered, and taken
// whole; never a page of two versions.
async function newVersion(browser) {
  const label = 'chromium update';
  const context = await browser.createBrowserContext();
  const page = await open(context, label, '?headless=1&seed=31&lang=ja');
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 60000 });
  const siteLink = join(servedRoot, 'site'), first = realpathSync(siteLink);
  const second = join(scratch, 'site-v2');
  cpSync(first, second, { recursive: true });
  for (const program of ['panipani.js', 'panipani-simd.js'])
    appendFileSync(join(second, program), '\nwindow.siteMark = "v2";\n');
  const index = readFileSync(join(second, 'index.html'), 'utf8');
  writeFileSync(join(second, 'index.html'), index.replace('<title>', '<meta name="site-mark" content="v2">\n<title>'));
  execFileSync('cmake', [`-DSITE=${second}`, `-DTEMPLATE=${repo}src/platform/web/page/sw.js`,
                         '-DBROTLI_QUALITY=1', '-P', `${repo}src/platform/web/StampSite.cmake`],
               { stdio: 'ignore' });
  const marks = () => page.evaluate(() => [String(window.siteMark),
    String(document.querySelector('meta[name="site-mark"]') && 'v2')]);
  rmSync(siteLink);
  symlinkSync(second, siteLink);
  try {
    await page.reload();
    await page.evaluate(() => window.panipani.ready);
    const t0 = Date.now();
    const offered = await page.waitForSelector('#notes button', { timeout: 60000 }).then(() => true, () => false);
    console.log(`measure: the new version offered ${Date.now() - t0} ms after the page started`);
    const beforeTaking = await marks();
    await page.reload();
    await page.evaluate(() => window.panipani.ready);
    const reloadedOld = await marks();
    const offer = await page.waitForSelector('#notes button', { timeout: 60000 });
    await Promise.all([page.waitForNavigation(), offer.click()]);
    await page.evaluate(() => window.panipani.ready);
    const taken = await marks();
    const caches = await page.evaluate(async () => (await window.caches.keys()).length);
    check(offered && beforeTaking.join() === 'undefined,null' && reloadedOld.join() === 'undefined,null' &&
          taken.join() === 'v2,v2' && caches === 1,
          `${label}: the new version is offered, the old one plays on until it is taken (${beforeTaking}; ${reloadedOld}), then the page and its script are both new (${taken}), ${caches} cache left`);
  } finally {
    rmSync(siteLink);
    symlinkSync(first, siteLink);
  }
  await context.close();
}

// 8. A first visit to the real-time page: the time from navigation to the first frame, and what it
// transfers (every file the page and its workers fetched, the service worker and the files it then
// keeps, each as a static host sends it with gzip: its .gz copy where the site has one).
async function coldLoad(browser) {
  const label = 'chromium cold load';
  const visit = async () => {
    const context = await browser.createBrowserContext();
    const page = watch(await context.newPage(), label);
    const fetched = new Set();
    page.on('request', (r) => fetched.add(new URL(r.url()).pathname));
    await page.goto(`${site}index.html?seed=3&lang=ja`);
    await page.waitForFunction(() => window.panipani.firstFrameMs !== null, { polling: 10 });
    const [firstFrame, sounds] = await page.evaluate(() => [window.panipani.firstFrameMs,
      performance.getEntriesByName('panipani-sounds')[0].duration]);
    console.log(`measure: navigation to first frame ${firstFrame.toFixed(0)} ms (sounds ready ${sounds.toFixed(0)} ms after the page's start)`);
    return { context, page, fetched, firstFrame };
  };
  const first = await visit();
  const { page, fetched } = first;
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 60000 });
  const kept = await page.evaluate(async () => {
    const names = [];
    for (const key of await caches.keys())
      for (const request of await (await caches.open(key)).keys()) names.push(new URL(request.url).pathname);
    return names;
  });
  const sitePath = new URL(site).pathname;
  const files = [...new Set([...fetched, ...kept, `${sitePath}sw.js`])]
    .map((name) => name.slice(sitePath.length) || 'index.html').sort();
  let gzipped = 0, brotli = 0, raw = 0;
  const sizes = [];
  for (const name of files) {
    const file = join(servedRoot, 'site', name);
    const size = (suffix) => { try { return readFileSync(file + suffix).length; } catch { return null; } };
    raw += size('');
    const sent = size('.gz') ?? size('');
    gzipped += sent;
    brotli += size('.br') ?? size('');
    sizes.push(`${name} ${sent}`);
  }
  console.log(`measure: a first visit transfers ${gzipped} bytes with gzip, ${brotli} with brotli ` +
              `(${raw} raw): ${sizes.join(', ')}`);
  check(gzipped <= 1e6 && files.includes('panipani-simd.wasm') && !files.includes('panipani.wasm'),
        `${label}: a first visit transfers at most 1 MB with gzip (${gzipped} bytes), one program among them`);
  await first.context.close();
  await timing('navigation to the first frame', 300, 'ms', async () => {
    const again = await visit();
    await again.context.close();
    return again.firstFrame;
  }, first.firstFrame);
}

// 10. The real-time page: sound locked until the first click, the reset question,
// the player's additions from keys and from a gamepad, the message log, the wake lock, axe-core.
async function realTime(browser) {
  const label = 'chromium real time';
  const context = await browser.createBrowserContext();
  const origin = new URL(url).origin;
  const session = await browser.target().createCDPSession();
  await session.send('Browser.setPermission', { permission: { name: 'screen-wake-lock' },
                                                setting: 'granted', origin,
                                                browserContextId: context.id });
  const play = watch(await context.newPage(), label);
  // A gamepad the test holds the buttons of (the standard mapping's seventeen).
  await play.evaluateOnNewDocument(() => {
    window.testPad = { index: 0, connected: true, mapping: 'standard', axes: [0, 0, 0, 0],
                       buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
    navigator.getGamepads = () => [window.testPad];
  });
  await play.goto(`${site}index.html?seed=3&lang=ja`);
  const cdp = await play.createCDPSession();
  // Evaluations that lend the page no user gesture: it stays as untouched as a player's before
  // the first click.
  const look = async (expression) => (await cdp.send('Runtime.evaluate',
    { expression, returnByValue: true, awaitPromise: true })).result.value;
  await look('window.panipani.ready');
  while (!(await look('window.panipani.firstFrameMs !== null'))) await sleep(20);
  const stateBefore = await look('window.panipani.audioState()');
  const liveBox = await (await play.$('#screen')).boundingBox();
  await play.mouse.click(liveBox.x + 50, liveBox.y + 50);
  await play.waitForFunction(() => window.panipani.audioState() === 'running', { timeout: 5000 })
    .catch(() => {});
  const stateAfter = await play.evaluate(() => window.panipani.audioState());
  check(stateBefore === 'suspended' && stateAfter === 'running',
        `${label}: the sound context waits for the first click and then runs (${stateBefore}, then ${stateAfter})`);
  // Suspended again (as Safari does for a call), the next key of any kind resumes it.
  await play.evaluate(() => Module.audio.context.suspend());
  await play.keyboard.press('KeyZ');
  const resumed = await play.waitForFunction(() => window.panipani.audioState() === 'running',
                                             { timeout: 5000 }).then(() => true, () => false);
  check(resumed, `${label}: a key resumes the sound the browser suspended`);
  const locked = await play.waitForFunction(() => window.panipani.wakeLocked(), { timeout: 5000 })
    .then(() => true, () => false);
  check(locked, `${label}: the screen is kept on while the game runs`);
  await play.keyboard.press('Enter');
  const asked = await play.waitForFunction(() => document.getElementById('question').classList.contains('open'),
                                           { timeout: 5000 }).then(() => true, () => false);
  const focusNo = await play.evaluate(() => document.activeElement.id);
  await play.keyboard.press('Escape');
  const closed = await play.waitForFunction(() => !document.getElementById('question').classList.contains('open'),
                                            { timeout: 5000 }).then(() => true, () => false);
  check(asked && focusNo === 'question-no' && closed, `${label}: Enter asks in the page, No has the focus, Escape answers`);
  // The player's additions: A shows auto mode's marker in the top-right corner, Ctrl held adds
  // fast-forward's beside it, and both go again; the same from the gamepad's Back and right
  // shoulder.
  const yellowAt = (x, y) => play.evaluate(([x, y]) => {
    const d = window.panipani.picture.getContext('2d').getImageData(x, y, 1, 1).data;
    return d[0] === 0xff && d[1] === 0xff && d[2] === 0x88;
  }, [x, y]);
  const markers = async () => [await yellowAt(383, 8), await yellowAt(377, 8)];
  const until = async (want) => {
    for (let i = 0; i < 100 && JSON.stringify(await markers()) !== JSON.stringify(want); ++i) await sleep(20);
    return JSON.stringify(await markers()) === JSON.stringify(want);
  };
  const seen = [await until([false, false])];
  await play.keyboard.press('KeyA');
  seen.push(await until([true, false]));
  await play.keyboard.down('ControlLeft');
  seen.push(await until([true, true]));
  await play.keyboard.up('ControlLeft');
  seen.push(await until([true, false]));
  await play.keyboard.press('KeyA');
  seen.push(await until([false, false]));
  check(seen.every((ok) => ok), `${label}: auto mode (A) and fast-forward (Ctrl held) show and hide their markers (${seen})`);
  const pad = (button, pressed) => play.evaluate(([b, p]) => {
    window.testPad.buttons[b] = { pressed: p, value: p ? 1 : 0 };
  }, [button, pressed]);
  await play.evaluate(() => window.dispatchEvent(new Event('gamepadconnected')));
  const padSeen = [];
  await pad(8, true); await sleep(50); await pad(8, false);
  padSeen.push(await until([true, false]));
  await pad(5, true);
  padSeen.push(await until([true, true]));
  await pad(5, false);
  padSeen.push(await until([true, false]));
  await pad(8, true); await sleep(50); await pad(8, false);
  padSeen.push(await until([false, false]));
  check(padSeen.every((ok) => ok), `${label}: the gamepad's Back and right shoulder do the same (${padSeen})`);
  // The message log: L and the wheel open it (its scroll bar at the right edge), Escape closes it.
  const logShown = () => play.evaluate(() => {
    const d = window.panipani.picture.getContext('2d').getImageData(383, 17, 1, 1).data;
    const rgb = (d[0] << 16) | (d[1] << 8) | d[2];
    return rgb === 0x222833 || rgb === 0x8899aa;
  });
  const logUntil = async (want) => {
    for (let i = 0; i < 100 && (await logShown()) !== want; ++i) await sleep(20);
    return (await logShown()) === want;
  };
  const logSeen = [await logUntil(false)];
  await play.keyboard.press('KeyL');
  logSeen.push(await logUntil(true));
  await play.keyboard.press('Escape');
  logSeen.push(await logUntil(false));
  await play.mouse.move(liveBox.x + 100, liveBox.y + 100);
  await play.mouse.wheel({ deltaY: -100 });
  logSeen.push(await logUntil(true));
  await play.keyboard.press('Escape');
  logSeen.push(await logUntil(false));
  check(logSeen.every((ok) => ok), `${label}: the message log opens on L and the wheel and closes on Escape (${logSeen})`);
  await controlsCheck(play, `${label}, desktop`);
  const violations = await axeViolations(play);
  check(violations.length === 0, `${label}: axe-core finds no violation on the desktop page${violations.length ? ': ' + violations.join('; ') : ''}`);
  await context.close();
}

// 11. The languages. The page starts in English (this chromium's languages are en-US) unless the
// browser's languages put Japanese first. An automation page reading English draws exactly the
// native --lang en screenshot of the same clicks (its events are still the game's own) and its text
// panel shows the labels in English. On the real-time page key T and the menu's entry go from
// English to both to Japanese and back: the choice buttons in the picture change with them (and
// come back to the same pixels), the text panel shows the lines and labels as they are read, and
// the page's own words follow.
async function languages(browser) {
  const label = 'chromium languages';
  const context = await browser.createBrowserContext();
  const japaneseFirst = watch(await context.newPage(), label);
  await japaneseFirst.evaluateOnNewDocument(() => {
    Object.defineProperty(Navigator.prototype, 'languages', { get: () => ['ja-JP', 'en-US'] });
  });
  await japaneseFirst.goto(`${site}index.html?seed=3`);
  await japaneseFirst.evaluate(() => window.panipani.ready);
  const startedJapanese = await japaneseFirst.evaluate(() => document.documentElement.lang);
  await japaneseFirst.close();

  const hasJapanese = (text) => /[\u3040-\u30ff\u3400-\u9fff]/.test(text);
  // The text panel as the player sees it: each line's text and the English under it, the labels.
  const panel = (page) => page.evaluate(() => ({
    lines: [...document.querySelectorAll('#log p')].map((p) => p.firstChild.textContent),
    english: [...document.querySelectorAll('#log p')].map((p) => p.querySelector('[lang=en]')?.textContent ?? ''),
    labels: [...document.querySelectorAll('#choices button:not([hidden]) span:last-child')].map((s) => s.textContent),
  }));
  const inEnglish = ({ lines, labels }) => lines.length > 0 && labels.length > 0 &&
                                           ![...lines, ...labels].some(hasJapanese);

  const auto = await open(context, label, '?headless=1&seed=1&lang=en');
  await playClicks(auto, `${label}, English automation page`, 'en');
  // Frames come only to the page in front (a page that is not runs no animation frame at all).
  await auto.bringToFront();
  await auto.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  const autoPanel = await panel(auto);
  check(inEnglish(autoPanel), `${label}: the English automation page's text panel reads English (${autoPanel.labels})`);
  await auto.close();

  const page = await load(context, label, '?seed=3');
  await page.bringToFront();
  await page.evaluate(() => window.panipani.ready);
  const startedEnglish = await page.evaluate(() => document.documentElement.lang);
  check(startedJapanese === 'ja' && startedEnglish === 'en',
        `${label}: the page starts in Japanese where the browser puts it first (${startedJapanese}), else in English (${startedEnglish})`);
  // To the new character's first question: the title, the login, its only button (key 1).
  const shown = await (await page.$('#screen')).boundingBox();
  const zoom = shown.width / 390;
  const labelsShown = (n) => page.waitForFunction((n) =>
    document.querySelectorAll('#choices button:not([hidden]):not([disabled])').length === n, { timeout: 10000 }, n);
  await sleep(300);
  await page.keyboard.press('Space');
  await sleep(300);
  await page.mouse.click(shown.x + 200.5 * zoom, shown.y + 90.5 * zoom);
  await labelsShown(1);
  await page.keyboard.press('Digit1');
  await labelsShown(3);
  // The choice buttons' labels in the picture (each state of their glow over two of its cycles),
  // and the panel, once `mode` is the language read.
  const seen = async (mode) => {
    await page.waitForFunction((name) => document.getElementById('language').textContent.endsWith(': ' + name),
                               { timeout: 5000 }, mode);
    await sleep(200);
    const buttons = new Set();
    for (let i = 0; i < 40; ++i, await sleep(50)) {
      buttons.add(await page.evaluate(() => Array.from(
        window.panipani.picture.getContext('2d').getImageData(262, 160, 128, 96).data).join()));
    }
    return { buttons, lang: await page.evaluate(() => document.documentElement.lang), ...(await panel(page)) };
  };
  const meet = (a, b) => [...a].some((state) => b.has(state));
  const english = await seen('English');
  await page.keyboard.press('KeyT');
  const both = await seen('日本語 + English');
  await page.click('#menu-button');
  await page.click('#language');
  const japanese = await seen('日本語');
  await page.keyboard.press('KeyT');
  const englishAgain = await seen('English');
  check(inEnglish(english) && english.lang === 'en' && inEnglish(englishAgain),
        `${label}: in English the text panel reads English (${english.lines.at(-1)}; ${english.labels})`);
  check(both.lines.length > 0 && both.lines.every(hasJapanese) &&
        both.english.every((e) => e !== '' && !hasJapanese(e)) && !both.labels.some(hasJapanese),
        `${label}: T reads both: each line in Japanese with its English under it, the labels in English (${both.lines.at(-1)} / ${both.english.at(-1)})`);
  check(japanese.lines.length > 0 && japanese.lines.every(hasJapanese) && japanese.labels.every(hasJapanese) &&
        japanese.english.every((e) => e === '') && japanese.lang === 'ja',
        `${label}: the menu's entry reads Japanese, the page's words too (${japanese.labels})`);
  check(meet(both.buttons, english.buttons) && !meet(japanese.buttons, english.buttons) &&
        !meet(japanese.buttons, both.buttons) && meet(englishAgain.buttons, english.buttons),
        `${label}: the choice buttons in the picture change to Japanese and back to the same English pixels ` +
        `(${english.buttons.size}, ${both.buttons.size}, ${japanese.buttons.size}, ${englishAgain.buttons.size} states of their glow)`);
  await context.close();
}

// 12. One busy frame drawn in the browser, by the plain build and the SIMD build, and without
// Asyncify, against the native benchmark of the same frame on the same machine. This machine's
// speed comes and goes for seconds at a time, so both sides are measured in turn, three times
// over, and each counts its fastest repetition: the one that ran at the machine's full speed.
async function frameTime(browser) {
  const benchPage = await browser.newPage();
  const pageFrameUs = async (program) => {
    await benchPage.goto(`${url}bench/bench.html?program=${program}`);
    await benchPage.evaluate(() => window.benchDone);
    const line = await benchPage.evaluate(() => window.benchLines.find((l) => l.startsWith('{')));
    return JSON.parse(line).fastest_us;
  };
  // The plain and the SIMD build's frame against the native frame.
  const ratios = async () => {
    let nativeUs = Infinity, frameUs = Infinity, simdUs = Infinity, plainUs = Infinity;
    for (let round = 0; round < 3; ++round) {
      const run = JSON.parse(execFileSync(nativeFrameBench, [
        '--benchmark_filter=^BM_RenderFrame$', '--benchmark_repetitions=5',
        '--benchmark_format=json']).toString());
      for (const b of run.benchmarks.filter((b) => b.run_type === 'iteration'))
        nativeUs = Math.min(nativeUs, b.real_time);
      frameUs = Math.min(frameUs, await pageFrameUs('render_frame'));
      simdUs = Math.min(simdUs, await pageFrameUs('render_frame_simd'));
      plainUs = Math.min(plainUs, await pageFrameUs('render_frame_plain'));
    }
    console.log(`measure: RenderFrame ${frameUs.toFixed(0)} µs in the page, ${simdUs.toFixed(0)} µs ` +
                `with SIMD, ${plainUs.toFixed(0)} µs without Asyncify, ${nativeUs.toFixed(0)} µs native`);
    return { plain: frameUs / nativeUs, simd: simdUs / nativeUs };
  };
  const first = await ratios();
  await timing('a frame of the plain build against the native frame', 3, '×',
               async () => (await ratios()).plain, first.plain);
  await timing('a frame of the SIMD build against the native frame', 2, '×',
               async () => (await ratios()).simd, first.simd);
  await benchPage.close();
}

// 12. Continuing after a reload. The real-time page records its run into /save; the recording
// reaches IndexedDB within seconds while it grows, and a reload in the middle of the run offers to
// continue in the page's dialog, with the days and layer a native replay of the stored recording
// arrives at; answered Yes, the run goes on at the camp it was at, recorded on. Then the time from
// the program's start to the question when an hour of play (recorded natively, without the close
// a page never writes, from the same records) must be caught up first; answered No, a new
// character begins.
async function continueAfterReload(browser) {
  const label = 'chromium continue';
  const context = await browser.createBrowserContext();
  const page = await load(context, label, '?seed=4&lang=ja');
  // Only the page in front runs animation frames (and so the waits that poll on them).
  await page.bringToFront();
  const errorsBefore = consoleErrors.length;
  await page.evaluate(() => window.panipani.ready);
  const labels = () => page.evaluate(() => [...document.querySelectorAll('#choices button')]
    .filter((b) => !b.hidden).map((b) => b.lastElementChild.textContent).join(' / '));
  const camp = 'アイテム / 冒険!!!!';
  const box = await (await page.$('#screen')).boundingBox();
  // Through the title and the new character's creation, as a player does: the second button
  // shown (or the only one), and a click on the picture, until the camp.
  for (let presses = 0; presses < 200 && (await labels()) !== camp; ++presses) {
    await page.keyboard.press('Digit2');
    await page.keyboard.press('Space');
    await page.mouse.click(box.x + 100, box.y + 100);
    await sleep(50);
  }
  check(await labels() === camp, `${label}: the real-time page plays to the camp`);
  const recorded = await page.evaluate(() => FS.stat('/save/run.replay').size);
  const storedSize = () => page.evaluate(() => new Promise((resolve) => {
    const open = indexedDB.open('/save');
    open.onerror = () => resolve(-1);
    open.onsuccess = () => {
      const get = open.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/save/run.replay');
      get.onsuccess = () => { resolve(get.result ? get.result.contents.length : 0); open.result.close(); };
      get.onerror = () => resolve(-1);
    };
  }));
  const t0 = Date.now();
  while ((await storedSize()) < recorded && Date.now() - t0 < 10000) await sleep(100);
  const storedMs = Date.now() - t0;
  check(await storedSize() >= recorded,
        `${label}: the growing recording (${recorded} bytes at the camp) reached IndexedDB ${storedMs} ms later`);

  await page.reload();
  await page.waitForFunction(() => document.getElementById('question').classList.contains('open'),
                             { timeout: 30000 }).catch(() => {});
  const question = await page.evaluate(() => document.getElementById('question-text').textContent);
  const offered = /死ぬまで後 (\d+)日・界 (\d+)/.exec(question);
  // The stored recording replayed natively from its starting save: where it arrives.
  const replayFile = join(scratch, 'continue.replay');
  const stored = await page.evaluate(() => [Array.from(FS.readFile('/save/run.replay')),
                                            Array.from(FS.readFile('/save/run.replay.my.dat'))]);
  writeFileSync(replayFile, Buffer.from(stored[0]));
  writeFileSync(`${replayFile}.my.dat`, Buffer.from(stored[1]));
  const finalState = join(scratch, 'continue-state.json');
  execFileSync(nativeProgram, ['--headless', '--replay', replayFile, '--data',
                               join(dirname(nativeProgram), 'data'), '--save-dir',
                               join(scratch, 'save-continue'), '--final-state', finalState],
               { env: { ...process.env, HOME: scratch, XDG_DATA_HOME: scratch, XDG_CONFIG_HOME: scratch },
                 stdio: 'ignore' });
  const state = JSON.parse(readFileSync(finalState, 'utf8'));
  check(offered !== null && Number(offered[1]) === state.daysLeft && Number(offered[2]) === state.worldLevel,
        `${label}: after a reload the page offers to continue (${offered ? offered[0] : JSON.stringify(question)}) ` +
        `at the days and layer the native replay of the stored recording reaches (${state.daysLeft}, ${state.worldLevel})`);
  await page.click('#question-yes');
  await page.evaluate(() => window.panipani.ready);
  await page.waitForFunction((camp) => [...document.querySelectorAll('#choices button')]
    .filter((b) => !b.hidden).map((b) => b.lastElementChild.textContent).join(' / ') === camp,
                             { timeout: 5000 }, camp).catch(() => {});
  const continuedAt = await labels();
  const linesBefore = await page.evaluate(() => document.getElementById('log').childElementCount);
  await page.keyboard.press('Digit2');
  const wentOn = await page.waitForFunction((n) => document.getElementById('log').childElementCount > n,
                                            { timeout: 5000 }, linesBefore).then(() => true, () => false);
  const grown = await page.evaluate(() => FS.stat('/save/run.replay').size);
  check(continuedAt === camp && wentOn && grown > stored[0].length,
        `${label}: continued, the run goes on from the camp (${continuedAt}), its recording growing (${stored[0].length}, then ${grown} bytes)`);
  const errors = consoleErrors.slice(errorsBefore);
  check(errors.length === 0, `${label}: no console error through the reload and the catch-up`);

  // An hour of play, recorded natively as the bench does it, put where the page left its run.
  let script = 'tick 50\nclick\ntick 50\nclick\ntick 60\nchoose 3\n';
  for (let played = 160; played < 180000; played += 50)
    script += 'tick 50\n' + (played % 350 === 10 ? 'click\n' : `choose ${3 - (played % 3)}\n`);
  const hour = join(scratch, 'hour.replay');
  execFileSync(nativeProgram, ['--headless', '--seed', '1234', '--save-dir', join(scratch, 'save-hour'),
                               '--record', hour],
               { input: script, env: { ...process.env, HOME: scratch, XDG_DATA_HOME: scratch,
                                       XDG_CONFIG_HOME: scratch }, stdio: ['pipe', 'ignore', 'ignore'] });
  const hourText = readFileSync(hour, 'utf8').replace(/ data .*\n/, ' data /data\n').replace(/close\n$/, '');
  const hourSave = Array.from(readFileSync(`${hour}.my.dat`));
  const catchUpMs = async () => {
    await page.evaluate(async ([text, save]) => {
      FS.writeFile('/save/run.replay.my.dat', new Uint8Array(save));
      FS.writeFile('/save/run.replay.new', text);
      FS.rename('/save/run.replay.new', '/save/run.replay');
      await window.panipani.saved();
    }, [hourText, hourSave]);
    await page.reload();
    await page.bringToFront();
    const asked = await page.waitForFunction(
      () => document.getElementById('question').classList.contains('open'),
      { timeout: 60000, polling: 50 }).then(() => true, () => false);
    if (!asked) {
      const notes = await page.evaluate(() => document.getElementById('notes').textContent);
      check(false, `${label}: after a reload the page offers to continue the hour (notes: ${notes})`);
      return Infinity;
    }
    const ms = await page.evaluate(() => performance.getEntriesByName('panipani-question')[0].startTime -
                                         performance.getEntriesByName('panipani-main')[0].startTime);
    // The hour is in the middle of a run on the same records: No begins a new character.
    await page.click('#question-no');
    await page.evaluate(() => window.panipani.ready);
    const header = await page.evaluate(() => FS.readFile('/save/run.replay', { encoding: 'utf8' }));
    check(header.startsWith('# panipani replay seed 4 '),
          `${label}: answered No, the caught-up hour is dropped and a new character recorded`);
    return ms;
  };
  const first = await catchUpMs();
  console.log(`measure: an hour of play (${hourText.length} bytes recorded) caught up in the page: ` +
              `${first.toFixed(0)} ms from the program's start to the question`);
  await timing('catching up an hour of play in the page', 3000, 'ms', catchUpMs, first);
  await context.close();
}

// PANIPANI_WEB_STAGES=phone,offline runs only the stages whose names hold one of the words.
const only = (process.env.PANIPANI_WEB_STAGES || '').split(',').filter((w) => w);
const stage = async (name, run) => {
  if (only.length && !only.some((w) => name.includes(w))) return;
  const t0 = Date.now();
  await run();
  console.log(`measure: ${name} ${((Date.now() - t0) / 1000).toFixed(1)} s`);
};
try {
  const chromium = await launch('chromium');
  try {
    await stage('chromium: clicked run', () => clickedRun(chromium, 'chromium'));
    await stage('chromium: plain build', () => plainBuild(chromium));
    await stage('chromium: automation', () => automationRun(chromium, 'chromium', true));
    await stage('chromium: quick reloads', () => quickReloads(chromium, 'chromium'));
    await stage('chromium: phone', () => phone(chromium));
    await stage('chromium: offline', () => offline(chromium));
    await stage('chromium: new version', () => newVersion(chromium));
    await stage('chromium: cold load', () => coldLoad(chromium));
    await stage('chromium: real time', () => realTime(chromium));
    await stage('chromium: languages', () => languages(chromium));
    await stage('chromium: continue after a reload', () => continueAfterReload(chromium));
    await stage('chromium: frame time', () => frameTime(chromium));
  } finally {
    await chromium.close();
  }
  const firefox = await launch('firefox');
  try {
    await stage('firefox: clicked run', () => clickedRun(firefox, 'firefox'));
    await stage('firefox: automation', () => automationRun(firefox, 'firefox', false));
    await stage('firefox: quick reloads', () => quickReloads(firefox, 'firefox',
      /Failed to load ‘’\. A ServiceWorker intercepted the request|NetworkError when attempting to fetch resource/));
  } finally {
    await firefox.close();
  }
  check(consoleErrors.length === 0, `no console errors${consoleErrors.length ? ': ' + consoleErrors.join(' | ') : ''}`);
} finally {
  rmSync(scratch, { recursive: true, force: true });
}
process.exit(failures.length ? 1 : 0);
