// The page around the game (prepended to the compiled program): the canvas and its scaling,
// the input the hosts collect, the reset question, the sound output, the saves in the browser's
// storage and the automation interface `window.panipani`.
(function () {
  'use strict';
  const $ = (id) => document.getElementById(id);
  const params = new URLSearchParams(location.search);
  const automated = params.get('headless') === '1';

  // The address's options become the program's command line, which the program checks.
  const args = [];
  if (params.has('seed')) args.push('--seed', params.get('seed'));
  if (automated) args.push('--headless');
  if (params.get('autoclick') === '1') args.push('--auto-click');
  if (params.get('mute') === '1') args.push('--mute');
  Module.arguments = args;

  const kPictureWidth = 390, kPictureHeight = 260;
  // Input kinds and pointer phases as WebPage.h numbers them.
  const Kind = { pointer: 0, key: 1, choose: 2, audioDone: 3, answer: 4, line: 5, wheel: 6 };
  const Phase = { down: 0, move: 1, up: 2 };
  // The game's key codes (platform/Host.h), as the window sends them.
  const Key = { Enter: 13, NumpadEnter: 0x10d, Space: 32, Escape: 27, Tab: 9, ControlLeft: 17,
                ControlRight: 17, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40,
                PageUp: 33, PageDown: 34, Home: 36, End: 35, KeyA: 65, KeyL: 76, KeyM: 77,
                KeyS: 83, F1: 112 };
  // Keys that repeat while held; every other key acts once per press.
  const repeating = new Set(['ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown', 'Tab']);
  const isControl = (code) => code === 'ControlLeft' || code === 'ControlRight';

  const canvas = $('screen');
  const context = canvas.getContext('2d');
  const notes = $('notes');

  function note(text, isError) {
    const line = document.createElement('div');
    line.textContent = text;
    if (isError) line.className = 'error';
    notes.appendChild(line);
    while (notes.childNodes.length > 4) notes.removeChild(notes.firstChild);
  }

  // --- input, collected for the game and taken by it one at a time ---
  const inputs = [];
  let wake = null;
  function queue(input) {
    inputs.push(input);
    if (wake) wake();
  }

  let resolveReady;
  const api = {
    events: [],
    onevent: null,
    ready: new Promise((resolve) => { resolveReady = resolve; }),
    firstFrameMs: null,
    // Runs one automation command line (only on an automation page).
    command(line) {
      if (!automated) throw new Error('panipani.command needs the page opened with ?headless=1');
      queue({ kind: Kind.line, text: String(line) });
    },
    // Resolves once every save so far is in the browser's storage.
    saved() { return storage.settled(); },
    audioState() { return audio.state(); },
  };
  window.panipani = api;

  // --- layout: the largest whole scale that fits, centred by the stage ---
  function layout() {
    if (!Module._pp_fit_scale) return;
    const stage = $('stage');
    const scale = Module._pp_fit_scale(stage.clientWidth, stage.clientHeight);
    canvas.style.width = kPictureWidth * scale + 'px';
    canvas.style.height = kPictureHeight * scale + 'px';
  }
  window.addEventListener('resize', layout);
  document.addEventListener('fullscreenchange', layout);

  function toggleFullscreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (document.documentElement.requestFullscreen) {
      document.documentElement.requestFullscreen().catch((e) => note('全画面にできません: ' + e.message));
    }
  }

  // --- pointer and keys ---
  function pointer(phase, e) {
    const r = canvas.getBoundingClientRect();
    queue({ kind: Kind.pointer, phase, x: e.clientX - r.left, y: e.clientY - r.top, w: r.width,
            h: r.height });
  }
  canvas.addEventListener('pointerdown', (e) => {
    audio.unlock();
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

  let controlHeld = false;
  document.addEventListener('keydown', (e) => {
    if (question.open) return;
    audio.unlock();
    if (e.code === 'F11' || (e.altKey && e.code === 'Enter')) {
      if (!e.repeat) toggleFullscreen();
      e.preventDefault();
      return;
    }
    // Ctrl held is fast-forward; the browser keeps its own Ctrl, Alt and Meta shortcuts.
    if (!isControl(e.code) && (e.ctrlKey || e.metaKey || e.altKey)) return;
    const digit = /^(Digit|Numpad)([123])$/.exec(e.code);
    if (digit) {
      if (!e.repeat) queue({ kind: Kind.choose, value: Number(digit[2]) });
    } else if (e.code in Key) {
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
    e.preventDefault();
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
    // Browsers start sound only after the player's first click, tap or key; the context is made
    // then, not as the page starts (making one costs the start a tenth of a second here).
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
      $('mute').textContent = muted ? '消音を解除 (M)' : '消音 (M)';
    },
  };
  Module.audio = audio;

  // --- saves in IndexedDB: the game writes into /save, each replacement is synced ---
  const storage = {
    syncing: false,
    again: false,
    waiters: [],
    broken: false,
    sync() {
      if (this.broken) return;
      if (this.syncing) {
        this.again = true;
        return;
      }
      this.syncing = true;
      FS.syncfs(false, (err) => {
        this.syncing = false;
        if (err) note('セーブをブラウザに保存できません: ' + storage.why(err), true);
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
        return 'ブラウザの保存領域がいっぱいです (' + text + ')';
      return text;
    },
  };

  // The data package's loader may have queued its own step already.
  (Module.preRun = Module.preRun || []).push(function () {
    FS.mkdir('/save');
    FS.mount(IDBFS, {}, '/save');
    addRunDependency('saves');
    FS.syncfs(true, (err) => {
      if (err) {
        storage.broken = true;
        note('このブラウザではセーブを残せません (プライベートブラウズ?): ' + storage.why(err) +
             '。記録はページを閉じると消えます。', true);
      }
      removeRunDependency('saves');
    });
    if (navigator.storage && navigator.storage.persist) {
      navigator.storage.persist().then((granted) => {
        if (!granted) note('ブラウザが保存領域の永続化を認めませんでした。セーブは消されることがあります。');
      }, () => {});
    }
    // The game replaces a file by renaming a finished temporary file over it.
    const rename = FS.rename;
    FS.rename = function (from, to) {
      const result = rename.apply(this, arguments);
      if (String(to).startsWith('/save/')) storage.sync();
      return result;
    };
  });
  Module.onRuntimeInitialized = layout;
  Module.print = (text) => console.log(text);
  Module.printErr = (text) => console.warn(text);

  $('fullscreen').addEventListener('click', toggleFullscreen);
  $('mute').addEventListener('click', () => {
    audio.unlock();
    queue({ kind: Kind.key, value: Key.KeyM });
  });
  $('download').addEventListener('click', () => {
    let bytes;
    try {
      bytes = FS.readFile('/save/my.dat');
    } catch (e) {
      note('まだセーブがありません。', true);
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = 'my.dat';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  });
  $('upload').addEventListener('click', () => $('upload-file').click());
  $('upload-file').addEventListener('change', async (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (file) await api.uploadSave(new Uint8Array(await file.arrayBuffer()));
  });
  // Checks `bytes` with the game's own loader and, when they load, makes them the save and
  // restarts the page on it; a refused file leaves the current save as it was. Resolves to the
  // refusal's text, or '' when the file was taken.
  api.uploadSave = async function (bytes) {
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
      note('このファイルは読み込めません: ' + error + '。今のセーブはそのままです。', true);
      return error;
    }
    FS.writeFile('/save/my.dat.upload', bytes);
    FS.rename('/save/my.dat.upload', '/save/my.dat');
    if (await storage.settled()) location.reload();
    return '';
  };

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
      context.putImageData(new ImageData(pixels, kPictureWidth, kPictureHeight), 0, 0);
      if (api.firstFrameMs === null) {
        performance.mark('panipani-first-frame');
        api.firstFrameMs = performance.now();
      }
    },
    setTitle(text) { document.title = text; },
    openQuestion(text) { question.show(text); },
    showError(text) { note(text, true); },
    sendEvent(json) {
      const event = JSON.parse(json);
      api.events.push(event);
      if (api.onevent) api.onevent(event);
    },
    gameStarted() { resolveReady(); },
    gameEnded(status) { note(status === 0 ? 'ゲームは終了しました。' : 'ゲームは終了しました (' + status + ')。', status !== 0); },
  };
})();
