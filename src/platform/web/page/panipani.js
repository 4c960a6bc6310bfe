// The page around the game (prepended to the compiled program after words.js, layout.js,
// textpanel.js, gamepad.js and offline.js; start.js loads it): the layout, the menu, the language
// the game is read in, the input the hosts collect, the reset question, the sound output, the saves
// in the browser's storage, the wake lock and the automation interface `window.panipani`.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const params = new URLSearchParams(location.search);
  const automated = params.get('headless') === '1';

  const say = (key, values) => PageWords.text(key, values);
  // The language the game is read in (ja, en or both): the program says when the player switches
  // it. An automation page reads the game in Japanese unless the address asks, as headless runs do.
  // The language a player last switched to is kept in the page's storage (which a private
  // window may refuse).
  const kLanguageSetting = 'panipani.language';
  function storedLanguage() {
    try {
      return localStorage.getItem(kLanguageSetting);
    } catch (e) {
      return null;
    }
  }
  function storeLanguage(value) {
    try {
      localStorage.setItem(kLanguageSetting, value);
    } catch (e) {
      // Not kept: the next visit starts in the browser's language.
    }
  }
  let mode = PageWords.startingMode(params.get('lang') || (automated ? null : storedLanguage()),
                                    automated ? ['ja']
                                    : navigator.languages || [navigator.language || '']);
  // The page's words in the language of `mode`.
  function showWords() {
    PageWords.use(mode);
    document.documentElement.lang = PageWords.lang;
    PageWords.apply(document);
    $('mute').textContent = say($('mute').getAttribute('aria-pressed') === 'true' ? 'unmute' : 'mute');
    $('language').textContent = say('language', { mode: PageWords.modeName(mode) });
  }
  showWords();

  // The address's options become the program's command line, which the program checks.
  const args = ['--lang', mode];
  if (params.has('seed')) args.push('--seed', params.get('seed'));
  if (automated) args.push('--headless');
  if (params.get('autoclick') === '1') args.push('--auto-click');
  if (params.get('mute') === '1') args.push('--mute');
  Module.arguments = args;

  const kPictureWidth = PageLayout.kPictureWidth, kPictureHeight = PageLayout.kPictureHeight;
  // Input kinds and pointer phases as WebPage.h numbers them.
  const Kind = { pointer: 0, key: 1, choose: 2, audioDone: 3, answer: 4, line: 5, wheel: 6 };
  const Phase = { down: 0, move: 1, up: 2 };
  // The game's key codes (platform/Host.h), as the window sends them.
  const Key = { Enter: 13, NumpadEnter: 0x10d, Space: 32, Escape: 27, Tab: 9, ControlLeft: 17,
                ControlRight: 17, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40,
                PageUp: 33, PageDown: 34, Home: 36, End: 35, KeyA: 65, KeyL: 76, KeyM: 77,
                KeyS: 83, KeyT: 84, F1: 112, F2: 113, Digit1: 49, Digit2: 50, Digit3: 51,
                Numpad1: 49, Numpad2: 50, Numpad3: 51 };
  // Keys that repeat while held; every other key acts once per press.
  const repeating = new Set(['ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown', 'Tab']);
  const isControl = (code) => code === 'ControlLeft' || code === 'ControlRight';

  const canvas = $('screen');
  const notes = $('notes');

  // --- the picture: each frame goes into a canvas of the picture's own size, and from there,
  // enlarged by whole device pixels with sharp edges, into the shown canvas, whose own pixels are
  // the screen's (its size in device pixels): nothing is resampled on the way ---
  const picture = document.createElement('canvas');
  picture.width = kPictureWidth;
  picture.height = kPictureHeight;
  const pictureContext = picture.getContext('2d');
  const screenContext = canvas.getContext('2d');
  let screenDue = false;
  function drawScreen() {
    screenDue = false;
    screenContext.imageSmoothingEnabled = false;
    screenContext.drawImage(picture, 0, 0, canvas.width, canvas.height);
  }
  // The shown canvas follows at the next frame of the display: one copy for any number of frames.
  function pictureChanged() {
    if (screenDue) return;
    screenDue = true;
    requestAnimationFrame(drawScreen);
  }

  // A calm line in the side column (never over the picture); returns it.
  function note(text) {
    const line = document.createElement('p');
    line.textContent = text;
    notes.appendChild(line);
    while (notes.childElementCount > 3) notes.firstElementChild.remove();
    return line;
  }

  // --- input, collected for the game and taken by it one at a time ---
  const inputs = [];
  let wake = null;
  function queue(input) {
    inputs.push(input);
    if (wake) wake();
  }

  let resolveReady;
  let running = false;
  const api = {
    events: [],  // on an automation page
    onevent: null,
    ready: new Promise((resolve) => { resolveReady = resolve; }),
    firstFrameMs: null,
    picture,  // a canvas that holds the game's last frame at 390 x 260
    // Runs one automation command line (only on an automation page).
    command(line) {
      if (!automated) throw new Error('panipani.command needs the page opened with ?headless=1');
      queue({ kind: Kind.line, text: String(line) });
    },
    // Resolves once every save so far is in the browser's storage.
    saved() { return storage.settled(); },
    audioState() { return audio.state(); },
    wakeLocked() { return wakeLock.sentinel !== null; },
  };
  window.panipani = api;

  // --- layout (layout.js): the picture on whole device pixels, the side column beside or below
  // it, the text panel on where it costs the picture nothing unless the player switched it ---
  const side = $('side');
  const panelSwitch = $('panel-switch');
  const kPanelSetting = 'panipani.panel';
  function storedPanel() {
    try {
      return localStorage.getItem(kPanelSetting);
    } catch (e) {
      return null;
    }
  }
  function layout() {
    const width = document.documentElement.clientWidth, height = document.documentElement.clientHeight;
    const ratio = window.devicePixelRatio || 1;
    const stored = storedPanel();
    const panel = stored === null ? PageLayout.panelByDefault(width, height, ratio) : stored === 'on';
    const where = PageLayout.arrange(width, height, ratio, panel);
    const place = (element, box) => {
      element.style.left = box.x + 'px';
      element.style.top = box.y + 'px';
      element.style.width = box.width + 'px';
      element.style.height = box.height + 'px';
    };
    place(canvas, where.picture);
    place(side, where.side);
    if (canvas.width !== kPictureWidth * where.scale) {
      canvas.width = kPictureWidth * where.scale;
      canvas.height = kPictureHeight * where.scale;
      drawScreen();
    }
    $('panel').hidden = !panel;
    panelSwitch.setAttribute('aria-pressed', String(panel));
    document.body.classList.add('laid-out');
  }
  window.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', layout);
  // Another device pixel ratio (a zoom, a window moved to another screen) without a resize.
  (function watchRatio() {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`)
      .addEventListener('change', () => { layout(); watchRatio(); }, { once: true });
  })();
  layout();

  function toggleFullscreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (document.documentElement.requestFullscreen) {
      document.documentElement.requestFullscreen()
        .catch((e) => note(say('fullscreenRefused', { why: e.message })));
    }
  }

  // --- the menu: one button that opens the page's controls in the side column ---
  const menuButton = $('menu-button'), menu = $('menu');
  function setMenu(open) {
    menu.hidden = !open;
    menuButton.setAttribute('aria-expanded', String(open));
  }
  // After a click with a pointer the keys go back to the game (a keyboard keeps its focus).
  function settleFocus(e) {
    if (e.detail > 0 && document.activeElement instanceof HTMLElement) document.activeElement.blur();
  }
  menuButton.addEventListener('click', (e) => {
    setMenu(menu.hidden);
    settleFocus(e);
  });
  document.addEventListener('pointerdown', (e) => {
    if (!menu.hidden && !menu.contains(e.target) && !menuButton.contains(e.target)) setMenu(false);
  });
  // A menu entry acts, then the menu closes.
  function menuEntry(id, action) {
    $(id).addEventListener('click', (e) => {
      action();
      setMenu(false);
      settleFocus(e);
    });
  }
  if (!document.fullscreenEnabled) $('fullscreen').hidden = true;
  // The text panel's switch remembers the player's choice (a browser without storage keeps the
  // default).
  menuEntry('panel-switch', () => {
    try {
      localStorage.setItem(kPanelSetting, $('panel').hidden ? 'on' : 'off');
    } catch (e) {
      return;
    }
    layout();
  });

  // --- pointer and keys ---
  function pointer(phase, e) {
    const r = canvas.getBoundingClientRect();
    queue({ kind: Kind.pointer, phase, x: e.clientX - r.left, y: e.clientY - r.top, w: r.width,
            h: r.height });
  }
  canvas.addEventListener('pointerdown', (e) => {
    // A finger arrives without moving first: it moves onto the point, then presses.
    if (e.pointerType !== 'mouse') pointer(Phase.move, e);
    pointer(Phase.down, e);
    e.preventDefault();
  });
  canvas.addEventListener('pointermove', (e) => pointer(Phase.move, e));
  canvas.addEventListener('pointerup', (e) => pointer(Phase.up, e));
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  // One notch a wheel event, as the window counts them: up (away from the player) is positive.
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    if (e.deltaY !== 0) queue({ kind: Kind.wheel, value: e.deltaY < 0 ? 1 : -1 });
  }, { passive: false });

  // Keys a focused control of the page keeps for itself (a button, the scrolled text): the
  // others still reach the game. Shift+Tab always leaves the game to the page's controls.
  const kControlKeys = new Set(['Enter', 'NumpadEnter', 'Space', 'Tab', 'ArrowLeft', 'ArrowUp',
                                'ArrowRight', 'ArrowDown', 'PageUp', 'PageDown', 'Home', 'End']);
  const onPageControl = (e) => e.target instanceof Element &&
                               e.target.closest('button, input, [tabindex]') !== null;
  let controlHeld = false;
  document.addEventListener('keydown', (e) => {
    if (question.open) return;
    if (e.code === 'Escape' && !menu.hidden) {
      setMenu(false);
      menuButton.focus();
      e.preventDefault();
      return;
    }
    if ((onPageControl(e) && kControlKeys.has(e.code)) || (e.code === 'Tab' && e.shiftKey)) return;
    if (e.code === 'F11' || (e.altKey && e.code === 'Enter')) {
      if (!e.repeat) toggleFullscreen();
      e.preventDefault();
      return;
    }
    // Ctrl held is fast-forward; the browser keeps its own Ctrl, Alt and Meta shortcuts.
    if (!isControl(e.code) && (e.ctrlKey || e.metaKey || e.altKey)) return;
    if (e.code in Key) {
      if (!e.repeat || repeating.has(e.code)) queue({ kind: Kind.key, value: Key[e.code] });
      if (isControl(e.code)) controlHeld = true;
    } else {
      return;
    }
    e.preventDefault();
  });
  // Of the keys that are held, only Ctrl matters; leaving the page lets it go.
  const releaseControl = () => {
    if (!controlHeld) return;
    controlHeld = false;
    queue({ kind: Kind.key, phase: Phase.up, value: Key.ControlLeft });
  };
  document.addEventListener('keyup', (e) => { if (isControl(e.code)) releaseControl(); });
  window.addEventListener('blur', releaseControl);

  // --- the reset question: No has the focus, Escape is No ---
  const question = {
    open: false,
    show(text) {
      $('question-text').textContent = text;
      $('question').classList.add('open');
      this.open = true;
      $('question-no').focus();
    },
    answer(yes) {
      if (!this.open) return;
      this.open = false;
      $('question').classList.remove('open');
      queue({ kind: Kind.answer, value: yes ? 1 : 0 });
    },
  };
  $('question-yes').addEventListener('click', () => question.answer(true));
  $('question-no').addEventListener('click', () => question.answer(false));
  $('question').addEventListener('keydown', (e) => {
    if (e.code === 'Escape' || e.code === 'KeyN') question.answer(false);
    else if (e.code === 'KeyY') question.answer(true);
    else return;
    // The answer is the question's: the key goes no further (Escape would open the options).
    e.preventDefault();
    e.stopPropagation();
  });

  // --- sound: blocks scheduled one behind the other on the context's clock ---
  const audio = {
    context: null,
    gain: null,
    format: null,
    blocks: [],        // playing or waiting, oldest first: {bytes, start, end, clock, source}
    held: [],          // written while paused
    paused: false,
    finishedBytes: 0,
    done: 0,
    doneQueued: false,
    generation: 0,
    contextEnd: 0,     // where the next block starts on the context's clock (seconds)
    wallEnd: 0,        // the same for silent blocks on the page's clock (seconds)
    muted: false,
    open(rate, channels, bits) {
      if (!(window.AudioContext || window.webkitAudioContext)) return false;
      this.format = { rate, channels, bits, bytesPerFrame: channels * bits / 8 };
      return true;
    },
    // Before the first click, tap or key there is no context yet: sound waits for it.
    state() { return this.context ? this.context.state : this.format ? 'suspended' : 'none'; },
    // Every click, tap or key of the player: the first makes the context (browsers start sound
    // only after one, and making it as the page starts cost the start a tenth of a second here);
    // each later one resumes it while the browser holds it suspended (Safari does when a call
    // comes in).
    unlock() {
      if (this.format && !this.context) {
        const Context = window.AudioContext || window.webkitAudioContext;
        try {
          this.context = new Context();
        } catch (e) {
          return;  // no sound: the blocks keep playing silently on the page's clock
        }
        this.gain = this.context.createGain();
        this.gain.gain.value = this.muted ? 0 : 1;
        this.gain.connect(this.context.destination);
      }
      if (this.context && this.context.state !== 'running') this.context.resume().catch(() => {});
    },
    write(bytes) {
      if (this.paused) this.held.push(bytes);
      else this.schedule(bytes);
    },
    schedule(bytes) {
      const f = this.format;
      const frames = Math.floor(bytes.length / f.bytesPerFrame);
      const seconds = frames / f.rate;
      const block = { bytes: bytes.length, generation: this.generation };
      if (this.context && this.context.state === 'running' && frames > 0) {
        const buffer = this.context.createBuffer(f.channels, frames, f.rate);
        for (let c = 0; c < f.channels; ++c) {
          const out = buffer.getChannelData(c);
          for (let i = 0; i < frames; ++i) {
            const at = i * f.bytesPerFrame + c * (f.bits / 8);
            out[i] = f.bits === 8 ? (bytes[at] - 128) / 128
                                  : ((bytes[at] | (bytes[at + 1] << 8)) << 16 >> 16) / 32768;
          }
        }
        const source = this.context.createBufferSource();
        source.buffer = buffer;
        source.connect(this.gain);
        block.clock = 'context';
        block.start = Math.max(this.context.currentTime, this.contextEnd);
        block.end = block.start + seconds;
        this.contextEnd = block.end;
        source.onended = () => this.finish(block);
        source.start(block.start);
        block.source = source;
      } else {
        // Not unlocked yet: the block plays silently by the page's clock, at the same pace.
        const now = performance.now() / 1000;
        block.clock = 'wall';
        block.start = Math.max(now, this.wallEnd);
        block.end = block.start + seconds;
        this.wallEnd = block.end;
        setTimeout(() => this.finish(block), (block.end - now) * 1000);
      }
      this.blocks.push(block);
    },
    finish(block) {
      if (block.generation !== this.generation) return;
      const i = this.blocks.indexOf(block);
      if (i < 0) return;
      this.blocks.splice(i, 1);
      this.finishedBytes += block.bytes;
      ++this.done;
      if (!this.doneQueued) {
        this.doneQueued = true;
        queue({ kind: Kind.audioDone });
      }
    },
    pause(paused) {
      this.paused = paused;
      if (!paused) {
        const held = this.held;
        this.held = [];
        for (const bytes of held) this.schedule(bytes);
      }
    },
    reset() {
      ++this.generation;
      for (const b of this.blocks) if (b.source) b.source.stop();
      this.blocks = [];
      this.held = [];
      this.finishedBytes = 0;
      this.done = 0;
      this.contextEnd = 0;
      this.wallEnd = 0;
    },
    playedBytes() {
      let played = this.finishedBytes;
      for (const b of this.blocks) {
        const now = b.clock === 'context' ? this.context.currentTime : performance.now() / 1000;
        const part = (now - b.start) / (b.end - b.start);
        played += Math.floor(b.bytes * Math.min(Math.max(part, 0), 1));
      }
      return played;
    },
    takeDone() {
      const n = this.done;
      this.done = 0;
      this.doneQueued = false;
      return n;
    },
    mute(muted) {
      this.muted = muted;
      if (this.gain) this.gain.gain.value = muted ? 0 : 1;
      $('mute').setAttribute('aria-pressed', String(muted));
      $('mute').textContent = say(muted ? 'unmute' : 'mute');
    },
  };
  Module.audio = audio;
  for (const type of ['pointerdown', 'pointerup', 'touchend', 'click', 'keydown'])
    document.addEventListener(type, () => audio.unlock(), true);

  // --- saves in IndexedDB: the game writes into /save, each replacement is synced; so is a
  // file that grows in place (the recording of the run, to be continued after a reload), a few
  // seconds after it grew and as the page is hidden or left ---
  const storage = {
    syncing: false,
    again: false,
    grown: false,  // written to since the last sync began
    waiters: [],
    broken: false,
    sync() {
      if (this.broken) return;
      this.grown = false;
      if (this.syncing) {
        this.again = true;
        return;
      }
      this.syncing = true;
      FS.syncfs(false, (err) => {
        this.syncing = false;
        if (err) note(say('saveFailed', { why: storage.why(err) }));
        if (this.again) {
          this.again = false;
          this.sync();
          return;
        }
        const waiters = this.waiters;
        this.waiters = [];
        for (const w of waiters) w(!err);
      });
    },
    settled() {
      if (!this.syncing && !this.again) return Promise.resolve(!this.broken);
      return new Promise((resolve) => this.waiters.push(resolve));
    },
    why(err) {
      const text = String((err && (err.message || err.name)) || err);
      if (/quota/i.test(text) || (err && err.name === 'QuotaExceededError'))
        return say('storageFull') + ': ' + text;
      return text;
    },
  };

  // The data package's loader may have queued its own step already.
  (Module.preRun = Module.preRun || []).push(function () {
    FS.mkdir('/save');
    FS.mount(IDBFS, {}, '/save');
    // Read while the program starts: it waits for them (WaitForPageSaves) only where it first
    // opens the folder, and touches nothing in it before.
    Module.savesRead = new Promise((resolve) => FS.syncfs(true, (err) => {
      if (err) {
        storage.broken = true;
        note(say('storageTemporary'));
      }
      resolve();
    }));
    // The game replaces a file by renaming a finished temporary file over it.
    const rename = FS.rename;
    FS.rename = function (from, to) {
      const result = rename.apply(this, arguments);
      if (String(to).startsWith('/save/')) storage.sync();
      return result;
    };
    const write = FS.write;
    FS.write = function (stream) {
      const result = write.apply(this, arguments);
      if (String(stream.path).startsWith('/save/')) storage.grown = true;
      return result;
    };
  });
  // The recording of the run grows by a line a second at least, each line flushed as it is
  // played; every sync stores the whole file (tens of kilobytes for an hour) in one transaction
  // with the save, so that the two always agree. Every few seconds while it grew bounds what a
  // killed tab loses to those seconds at the cost of a small write, off the frame's path (the
  // browser writes it while the game runs on); a page being hidden or left (a phone's switch to
  // another app, which may be the last thing it sees before the tab is killed) stores it at once.
  const kGrownSyncMs = 3000;
  const syncGrown = () => { if (storage.grown) storage.sync(); };
  setInterval(syncGrown, kGrownSyncMs);
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') syncGrown();
  });
  window.addEventListener('pagehide', syncGrown);
  // The performance mark "panipani-main": the program starts; the marks "panipani-question" and
  // "panipani-first-frame" follow it.
  Module.onRuntimeInitialized = () => performance.mark('panipani-main');
  Module.print = (text) => console.log(text);
  Module.printErr = (text) => console.warn(text);

  // Persistent storage, asked for quietly: where the browser decides by itself without asking the
  // player (Chromium's browsers, which alone have navigator.userAgentData; an installed page), or
  // has decided already. Firefox would ask the player in a prompt: there the save stays in the
  // browser's ordinary storage, which it clears only when the disk runs short.
  async function askForPersistentStorage() {
    if (!navigator.storage || !navigator.storage.persist || await navigator.storage.persisted())
      return;
    const decidesAlone = 'userAgentData' in navigator ||
                         matchMedia('(display-mode: standalone)').matches;
    const permission = await navigator.permissions.query({ name: 'persistent-storage' });
    if (decidesAlone || permission.state === 'granted') await navigator.storage.persist();
  }

  menuEntry('fullscreen', toggleFullscreen);
  menuEntry('mute', () => queue({ kind: Kind.key, value: Key.KeyM }));
  menuEntry('auto', () => queue({ kind: Kind.key, value: Key.KeyA }));
  menuEntry('options', () => queue({ kind: Kind.key, value: Key.F2 }));
  // Japanese, English, both: as key T.
  menuEntry('language', () => queue({ kind: Kind.key, value: Key.KeyT }));
  menuEntry('download', () => {
    let bytes;
    try {
      bytes = FS.readFile('/save/my.dat');
    } catch (e) {
      note(say('noSave'));
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = 'my.dat';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  });
  menuEntry('upload', () => $('upload-file').click());
  $('upload-file').addEventListener('change', async (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (file) await api.uploadSave(new Uint8Array(await file.arrayBuffer()));
  });
  // Checks `bytes` with the game's own loader and, when they load, makes them the save and
  // restarts the page on it; a refused file leaves the current save as it was. Resolves to the
  // refusal's text, or '' when the file was taken.
  api.uploadSave = async function (bytes) {
    await api.ready;
    const probe = '/tmp/upload.dat';
    FS.writeFile(probe, bytes);
    const size = lengthBytesUTF8(probe) + 1;
    const path = _malloc(size);
    stringToUTF8(probe, path, size);
    const result = Module._pp_check_save(path);
    _free(path);
    const error = UTF8ToString(result);
    _free(result);
    FS.unlink(probe);
    if (error) {
      note(say('uploadRefused', { why: error }));
      return error;
    }
    FS.writeFile('/save/my.dat.upload', bytes);
    FS.rename('/save/my.dat.upload', '/save/my.dat');
    if (await storage.settled()) location.reload();
    return '';
  };

  // --- the text panel (textpanel.js): a button there is `choose N` ---
  const textPanel = PageTextPanel.create({
    log: $('log'), choices: $('choices'), items: $('items'), itemsTitle: $('items-title'),
    itemsRows: $('items-rows'), itemsDetails: $('items-details'),
    onChoose(n, e) {
      queue({ kind: Kind.choose, value: n });
      settleFocus(e);
    },
  });

  // --- gamepads (gamepad.js), pressing the window's keys ---
  PageGamepad.create({
    key(code) {
      audio.unlock();
      queue({ kind: Kind.key, value: code });
    },
    keyUp(code) { queue({ kind: Kind.key, phase: Phase.up, value: code }); },
  });

  // --- the screen stays on while the page is seen and the game runs ---
  const wakeLock = {
    sentinel: null,
    asking: false,
    async update() {
      const wanted = running && document.visibilityState === 'visible';
      if (wanted && !this.sentinel && !this.asking && navigator.wakeLock) {
        this.asking = true;
        try {
          const sentinel = await navigator.wakeLock.request('screen');
          // The browser lets go by itself when the page is hidden.
          sentinel.addEventListener('release', () => { if (this.sentinel === sentinel) this.sentinel = null; });
          this.sentinel = sentinel;
        } catch (e) {
          // Refused (a saving battery, a policy): the screen sleeps as usual.
        }
        this.asking = false;
        if (!(running && document.visibilityState === 'visible')) this.update();
      } else if (!wanted && this.sentinel) {
        const sentinel = this.sentinel;
        this.sentinel = null;
        sentinel.release().catch(() => {});
      }
    },
  };
  document.addEventListener('visibilitychange', () => wakeLock.update());

  // Once the game runs: the controls that reach into it, the wake lock, the service worker
  // (offline.js) with its offer of a new version, persistent storage.
  function started() {
    running = true;
    for (const id of ['download', 'upload']) $(id).disabled = false;
    wakeLock.update();
    PageOffline.start((accept) => {
      const line = note(say('update') + ' ');
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = say('reload');
      button.addEventListener('click', accept);
      line.appendChild(button);
    });
    askForPersistentStorage().catch(() => {});
    resolveReady();
  }

  // --- what the program calls (WebPage.cpp) ---
  Module.page = {
    waitForInput(timeoutMs) {
      if (inputs.length) return Promise.resolve();
      return new Promise((resolve) => {
        const timer = setTimeout(() => { wake = null; resolve(); }, Math.max(0, timeoutMs));
        wake = () => { wake = null; clearTimeout(timer); resolve(); };
      });
    },
    // Fills fields[0..6] (kind, phase, x, y, w, h, value) with the oldest input and returns its
    // text (malloc'd: the program frees it) or 0; fields[0] is -1 when there is no input.
    takeInput(fields) {
      const input = inputs.shift();
      const at = fields >> 3;
      if (!input) {
        HEAPF64[at] = -1;
        return 0;
      }
      const values = [input.kind, input.phase || 0, input.x || 0, input.y || 0, input.w || 0,
                      input.h || 0, input.value || 0];
      for (let i = 0; i < values.length; ++i) HEAPF64[at + i] = values[i];
      if (input.text === undefined) return 0;
      const size = lengthBytesUTF8(input.text) + 1;
      const text = _malloc(size);
      stringToUTF8(input.text, text, size);
      return text;
    },
    showFrame(rgba) {
      const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, kPictureWidth * kPictureHeight * 4);
      pictureContext.putImageData(new ImageData(pixels, kPictureWidth, kPictureHeight), 0, 0);
      pictureChanged();
      if (api.firstFrameMs === null) {
        performance.mark('panipani-first-frame');
        api.firstFrameMs = performance.now();
      }
    },
    setTitle(text) { document.title = text; },
    openQuestion(text) {
      performance.mark('panipani-question');
      question.show(text);
    },
    showError(text) { note(text); },
    // An automation event (only on an automation page).
    sendEvent(json) {
      const event = JSON.parse(json);
      api.events.push(event);
      if (api.onevent) api.onevent(event);
    },
    // What the text panel shows, in the language read; or the language, when it is new.
    showText(json) {
      const item = JSON.parse(json);
      if (item.ev === 'language') {
        // A switch the player made (the program also says the language it starts in).
        if (!automated && item.mode !== mode) storeLanguage(item.mode);
        mode = item.mode;
        showWords();
      } else {
        textPanel.see(item);
      }
    },
    gameStarted: started,
    gameEnded(status) {
      running = false;
      wakeLock.update();
      note(status === 0 ? say('ended') : say('endedWith', { status }));
    },
  };
})();
