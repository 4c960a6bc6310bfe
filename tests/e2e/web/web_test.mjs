// The browser build in a real browser (Debian's chromium, headless, through puppeteer-core),
// against the native headless build run on the same seeds and scripts:
//   node web_test.mjs URL NATIVE_PROGRAM NATIVE_FRAME_BENCH
// URL serves build-web/; NATIVE_PROGRAM is build/panipani (its data folder build/data beside it)
// and NATIVE_FRAME_BENCH build/bench_render_frame. Prints its measurements; exits 1 when a check
// failed.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

const [url, nativeProgram, nativeFrameBench] = process.argv.slice(2);
const scratch = mkdtempSync(join(tmpdir(), 'panipani-web-test-'));
const failures = [];
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
  if (!ok) failures.push(what);
}

// The native headless run of `lines` in `saveDir`: its events as JSON texts.
function native(lines, seed, saveDir, autoClick = false) {
  const env = { ...process.env, HOME: scratch, XDG_DATA_HOME: scratch, XDG_CONFIG_HOME: scratch };
  const args = ['--headless', '--seed', String(seed), '--save-dir', saveDir];
  if (autoClick) args.push('--auto-click');
  const out = execFileSync(nativeProgram, args, { input: lines.join('\n') + '\n', env });
  return out.toString('utf8').split('\n').filter((l) => l).map((l) => JSON.stringify(JSON.parse(l)));
}

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

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: join(scratch, 'profile'),
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync',
         // Desktop Chrome's own policy: sound starts only after the page's first click, tap or
         // key. (Under user-gesture-required this headless chromium starts every context running.)
         '--autoplay-policy=document-user-activation-required'],
});
const consoleErrors = [];
// A new page on `query`, its console watched for errors; `requested` hears of each address it
// fetches (its workers' too).
async function load(context, query, requested = () => {}) {
  const page = await context.newPage();
  page.on('console', (m) => { if (m.type() === 'error') consoleErrors.push(m.text()); });
  page.on('pageerror', (e) => consoleErrors.push(String(e)));
  page.on('request', (r) => requested(r.url()));
  await page.goto(`${url}index.html${query}`);
  return page;
}
async function open(context, query) {
  const page = await load(context, query);
  await page.evaluate(() => window.panipani.ready);
  return page;
}
// An evaluator of expressions (promises awaited) on `page` that, unlike page.evaluate, lends the
// page no user gesture: the page stays as untouched as a player's before the first click.
async function untouched(page) {
  const session = await page.createCDPSession();
  return async (expression) => (await session.send('Runtime.evaluate',
    { expression, returnByValue: true, awaitPromise: true })).result.value;
}
const events = (page) => page.evaluate(() => window.panipani.events.map((e) => JSON.stringify(e)));
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

// The SHA-256 of every sound in the page's data folder (synthesised as the page starts), by name.
const pageSounds = (page) => page.evaluate(async () => {
  const hashes = {};
  for (const name of FS.readdir('/data/dat').filter((n) => n.endsWith('.wav'))) {
    const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', FS.readFile(`/data/dat/${name}`)));
    hashes[name] = Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('');
  }
  return hashes;
});
const wasmBuild = (page) => page.evaluate(() => document.documentElement.dataset.wasm);

try {
  // 1. Title and a new character with the mouse on the canvas, on virtual time.
  const context = browser.defaultBrowserContext();
  const page = await open(context, '?headless=1&seed=1');
  check(await wasmBuild(page) === 'simd', 'chromium runs the SIMD build');
  const nativeDat = join(dirname(nativeProgram), 'data', 'dat');
  const nativeSounds = readdirSync(nativeDat).filter((n) => n.endsWith('.wav'));
  const synthesised = await pageSounds(page);
  const equal = nativeSounds.filter((n) => synthesised[n] ===
    createHash('sha256').update(readFileSync(join(nativeDat, n))).digest('hex'));
  check(nativeSounds.length > 80 && equal.length === nativeSounds.length &&
        Object.keys(synthesised).length === nativeSounds.length,
        `the page synthesised the native data folder's ${nativeSounds.length} sounds byte for byte (${equal.length} equal)`);
  const canvas = await page.$('#screen');
  const box = await canvas.boundingBox();
  const scale = box.width / 390;
  check(Number.isInteger(scale) && scale >= 1 && box.height === 260 * scale,
        `the canvas is scaled by a whole factor (${scale})`);
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
  // Plays the steps on `page`; its canvas as 0xRRGGBB values and its events but `state`.
  const playSteps = async (page) => {
    const shown = await (await page.$('#screen')).boundingBox();
    const zoom = shown.width / 390;
    for (const step of pageSteps) {
      if (step.tick) {
        await commands(page, [`tick ${step.tick}`]);
      } else if (step.key) {
        await page.keyboard.press(step.key);
        await commands(page, []);
      } else {
        await page.mouse.click(shown.x + (step.x + 0.5) * zoom, shown.y + (step.y + 0.5) * zoom);
        await commands(page, []);
      }
    }
    const pixels = await page.evaluate(() => {
      const data = document.getElementById('screen').getContext('2d').getImageData(0, 0, 390, 260).data;
      const out = [];
      for (let i = 0; i < data.length; i += 4) out.push((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
      return out;
    });
    return { pixels, events: (await events(page)).filter((e) => !e.includes('"ev":"state"')) };
  };
  const shot = join(scratch, 'native.bmp');
  const saveDir1 = join(scratch, 'save1');
  const nativeEvents = native([...nativeLines, 'state', `screenshot ${shot}`, 'close'], 1, saveDir1);
  const nativePixels = readBmp(shot);
  const nativeClicked = nativeEvents.filter((e) => !e.includes('"ev":"state"'));
  const compare = (run, build) => {
    const differing = run.pixels.filter((p, i) => p !== nativePixels[i]).length;
    check(run.pixels.length === nativePixels.length && differing === 0,
          `${build}: the canvas equals the native screenshot of the same seed and clicks (${differing} pixels differ)`);
    check(JSON.stringify(run.events) === JSON.stringify(nativeClicked),
          `${build}: the clicked run's ${run.events.length} events equal the native run's ${nativeClicked.length}`);
  };
  compare(await playSteps(page), 'SIMD build');
  // The same on the build for browsers without SIMD, in a profile of its own.
  const plainContext = await browser.createBrowserContext();
  const plain = await open(plainContext, '?headless=1&seed=1&simd=0');
  check(await wasmBuild(plain) === 'plain', '?simd=0 runs the plain build');
  compare(await playSteps(plain), 'plain build');
  await plainContext.close();

  // 2. A damaged upload is refused with the loader's message; the save stays.
  const before = await page.evaluate(() => Array.from(FS.readFile('/save/my.dat')).join(','));
  const refusal = await page.evaluate(() => window.panipani.uploadSave(new Uint8Array([49, 13, 10, 120])));
  const after = await page.evaluate(() => Array.from(FS.readFile('/save/my.dat')).join(','));
  check(/^my\.dat: line \d+/.test(refusal) && before === after,
        `a damaged upload is refused ("${refusal}") and the save is kept`);

  // 3. The records survive a reload: close (which saves), reload, compare with a native restart.
  await page.evaluate(() => window.panipani.command('close'));
  await page.waitForFunction(() => window.panipani.events.some((e) => e.ev === 'error') ||
                             document.getElementById('notes').textContent.includes('終了'));
  check(await page.evaluate(() => window.panipani.saved()), 'the closing save is synced to IndexedDB');
  await page.reload();
  await page.evaluate(() => window.panipani.ready);
  await commands(page, []);
  const reloaded = (await events(page)).find((e) => e.includes('"ev":"state"'));
  const restarted = native(['state', 'close'], 1, saveDir1).find((e) => e.includes('"ev":"state"'));
  check(reloaded === restarted, 'after a reload the page has the records a native restart has');
  await page.close();

  // 4. A seeded automation script through the page's API, in a fresh profile.
  const fresh = await browser.createBrowserContext();
  const auto = await open(fresh, '?headless=1&seed=7&autoclick=1');
  const script = ['tick 5', 'click', 'tick 5', 'click', 'tick 20', 'choose 3', 'tick 40'];
  for (let i = 0; i < 40; ++i) script.push('choose 3', 'tick 25', 'choose 1', 'tick 25');
  script.push('key enter', 'confirm no', 'tick 10');
  await commands(auto, script);
  const autoEvents = await events(auto);
  const nativeAuto = native([...script, 'state', 'close'], 7, join(scratch, 'save2'), true);
  const autoCount = autoEvents.length;
  check(JSON.stringify(autoEvents) === JSON.stringify(nativeAuto.slice(0, autoCount)),
        `the automation script's ${autoCount} events equal the native --headless run's`);

  // Frame time: 50,000 ticks (about 10,000 frames) on the page and natively.
  const ticks = ['click', 'click', 'tick 50000'];
  const t0 = Date.now();
  await commands(auto, ticks);
  const pageMs = Date.now() - t0;
  const n0 = Date.now();
  native([...script, ...ticks, 'close'], 7, join(scratch, 'save3'), true);
  const nativeMs = Date.now() - n0;
  console.log(`measure: 50,000 ticks: page ${pageMs} ms, native ${nativeMs} ms (whole run), ratio ${(pageMs / nativeMs).toFixed(2)}`);
  await fresh.close();

  // 5. The real-time page: what a cold load transfers, the first frame, and sound locked until
  // the first click.
  const live = await browser.createBrowserContext();
  const fetched = new Set();
  const play = await load(live, '?seed=3', (address) => fetched.add(address));
  const look = await untouched(play);
  await look('window.panipani.ready');
  while (!(await look('window.panipani.firstFrameMs !== null')))
    await new Promise((r) => setTimeout(r, 20));
  const firstFrame = await look('window.panipani.firstFrameMs');
  const sounds = await look("performance.getEntriesByName('panipani-sounds')[0].duration");
  console.log(`measure: navigation to first frame ${firstFrame.toFixed(0)} ms (sounds ready ${sounds.toFixed(0)} ms after the page's start)`);
  let gzipped = 0, raw = 0;
  const files = [];
  for (const address of fetched) {
    const bytes = Buffer.from(await (await fetch(address)).arrayBuffer());
    const packed = gzipSync(bytes, { level: 9 }).length;
    gzipped += packed;
    raw += bytes.length;
    files.push(`${new URL(address).pathname.slice(1) || '/'} ${packed}`);
  }
  console.log(`measure: a cold load transfers ${gzipped} bytes gzip -9 (${raw} raw): ${files.join(', ')}`);
  check(gzipped <= 2e6, `the page transfers at most 2 MB gzip (${gzipped} bytes)`);
  const stateBefore = await look('window.panipani.audioState()');
  const liveBox = await (await play.$('#screen')).boundingBox();
  await play.mouse.click(liveBox.x + 50, liveBox.y + 50);
  await play.waitForFunction(() => window.panipani.audioState() === 'running', { timeout: 5000 })
    .catch(() => {});
  const stateAfter = await play.evaluate(() => window.panipani.audioState());
  check(stateBefore === 'suspended' && stateAfter === 'running',
        `the sound context waits for the first click and then runs (${stateBefore}, then ${stateAfter})`);
  await play.keyboard.press('Enter');
  const asked = await play.waitForFunction(() => document.getElementById('question').classList.contains('open'),
                                           { timeout: 5000 }).then(() => true, () => false);
  const focusNo = await play.evaluate(() => document.activeElement.id);
  await play.keyboard.press('Escape');
  const closed = await play.waitForFunction(() => !document.getElementById('question').classList.contains('open'),
                                            { timeout: 5000 }).then(() => true, () => false);
  check(asked && focusNo === 'question-no' && closed, 'Enter asks in the page, No has the focus, Escape answers');
  // The player's additions: A shows auto mode's marker in the top-right corner, Ctrl held adds
  // fast-forward's beside it, and both go again.
  const yellowAt = (x, y) => play.evaluate(([x, y]) => {
    const d = document.getElementById('screen').getContext('2d').getImageData(x, y, 1, 1).data;
    return d[0] === 0xff && d[1] === 0xff && d[2] === 0x88;
  }, [x, y]);
  const markers = async () => [await yellowAt(383, 8), await yellowAt(377, 8)];
  const until = async (want) => {
    for (let i = 0; i < 100 && JSON.stringify(await markers()) !== JSON.stringify(want); ++i)
      await new Promise((r) => setTimeout(r, 20));
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
  check(seen.every((ok) => ok), `auto mode (A) and fast-forward (Ctrl held) show and hide their markers (${seen})`);
  // The message log: L and the wheel open it (its scroll bar at the right edge), Escape closes it.
  const logShown = () => play.evaluate(() => {
    const d = document.getElementById('screen').getContext('2d').getImageData(383, 17, 1, 1).data;
    const rgb = (d[0] << 16) | (d[1] << 8) | d[2];
    return rgb === 0x222833 || rgb === 0x8899aa;
  });
  const logUntil = async (want) => {
    for (let i = 0; i < 100 && (await logShown()) !== want; ++i)
      await new Promise((r) => setTimeout(r, 20));
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
  check(logSeen.every((ok) => ok), `the message log opens on L and the wheel and closes on Escape (${logSeen})`);
  await live.close();

  // 6. One busy frame drawn in the browser, with and without Asyncify, against the native
  // benchmark of the same frame on the same machine. This machine's speed comes and goes for
  // seconds at a time, so both sides are measured in turn, three times over, and each counts its
  // fastest repetition: the one that ran at the machine's full speed.
  const benchPage = await browser.newPage();
  const pageFrameUs = async (program) => {
    await benchPage.goto(`${url}bench/bench.html?program=${program}`);
    await benchPage.evaluate(() => window.benchDone);
    const line = await benchPage.evaluate(() => window.benchLines.find((l) => l.startsWith('{')));
    return JSON.parse(line).fastest_us;
  };
  let nativeUs = Infinity, frameUs = Infinity, plainUs = Infinity, simdUs = Infinity;
  for (let round = 0; round < 3; ++round) {
    const run = JSON.parse(execFileSync(nativeFrameBench, [
      '--benchmark_filter=^BM_RenderFrame$', '--benchmark_repetitions=5',
      '--benchmark_format=json']).toString());
    for (const b of run.benchmarks.filter((b) => b.run_type === 'iteration'))
      nativeUs = Math.min(nativeUs, b.real_time);
    frameUs = Math.min(frameUs, await pageFrameUs('render_frame'));
    plainUs = Math.min(plainUs, await pageFrameUs('render_frame_plain'));
    simdUs = Math.min(simdUs, await pageFrameUs('render_frame_simd'));
  }
  await benchPage.close();
  const ratio = frameUs / nativeUs, simdRatio = simdUs / nativeUs;
  console.log(`measure: RenderFrame ${frameUs.toFixed(0)} µs in the page, ${simdUs.toFixed(0)} µs ` +
              `with SIMD, ${plainUs.toFixed(0)} µs without Asyncify, ${nativeUs.toFixed(0)} µs native: ` +
              `ratio ${ratio.toFixed(2)}, with SIMD ${simdRatio.toFixed(2)}`);
  check(ratio <= 3, `a frame takes at most three times as long in the browser (${ratio.toFixed(2)})`);
  check(simdRatio <= 2, `with SIMD at most twice as long (${simdRatio.toFixed(2)})`);

  check(consoleErrors.length === 0, `no console errors${consoleErrors.length ? ': ' + consoleErrors.join(' | ') : ''}`);
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}
process.exit(failures.length ? 1 : 0);
