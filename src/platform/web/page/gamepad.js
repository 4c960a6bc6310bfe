// Gamepads through the Gamepad API, mapped as the window maps its controllers: the d-pad and the
// left stick move the highlight (Up and Down, repeating while held; the d-pad's Left and Right
// step an option's value), A is Space (press or click), B is Escape (closes the item panel or
// the options), Start is F2 (the options), Back is A (auto mode), and the right shoulder is Ctrl,
// held for fast-forward. Buttons are numbered as the standard mapping numbers them.
const PageGamepad = (() => {
  const Button = { a: 0, b: 1, rightShoulder: 5, back: 8, start: 9, up: 12, down: 13, left: 14,
                   right: 15 };
  const Code = { space: 32, escape: 27, f2: 113, a: 65, control: 17, up: 38, down: 40, left: 37,
                 right: 39 };
  // Buttons that act once when they go down, and their keys. (No destructuring in a for-of
  // head anywhere in the page's scripts: Debian's emscripten minifies it into a syntax error.)
  const kPresses = new Map([[Button.a, Code.space], [Button.b, Code.escape],
                            [Button.start, Code.f2], [Button.back, Code.a]]);
  // The stick counts as pushed beyond this, and as let go again below the smaller value.
  const kStickPush = 16000 / 32767, kStickRelease = 8000 / 32767;
  const kRepeatDelayMs = 400, kRepeatIntervalMs = 120;

  // Watches the gamepads and hands what they do to `key(code)` and `keyUp(code)` (the game's
  // key codes). `pads()` lists the pads and `now()` tells the time in ms (the browser's, unless
  // a test gives its own).
  function create({ key, keyUp, pads = () => (navigator.getGamepads ? navigator.getGamepads() : []),
                    now = () => performance.now() }) {
    let was = new Map();  // pad index -> the buttons that were down at the last look
    const held = [0, 0];  // the direction held on the d-pad, on the stick: a key code or 0
    let nextRepeat = 0;
    let controlHeld = false;
    let looking = false;

    function setDirection(source, code) {
      if (held[source] === code) return;
      held[source] = code;
      if (code === 0) return;
      key(code);
      nextRepeat = now() + kRepeatDelayMs;
    }

    // One look at every pad: what went down or up since the last look.
    function look() {
      const connected = Array.from(pads() || []).filter((p) => p && p.connected !== false);
      const seen = new Map();
      let dpad = 0, stick = held[1], control = false;
      for (const pad of connected) {
        const down = (b) => Boolean(pad.buttons[b] && pad.buttons[b].pressed);
        const before = was.get(pad.index) || new Set();
        const pressed = new Set();
        for (let b = 0; b < pad.buttons.length; ++b) if (down(b)) pressed.add(b);
        kPresses.forEach((code, button) => {
          if (pressed.has(button) && !before.has(button)) key(code);
        });
        if (pressed.has(Button.up)) dpad = Code.up;
        else if (pressed.has(Button.down)) dpad = Code.down;
        else if (pressed.has(Button.left)) dpad = Code.left;
        else if (pressed.has(Button.right)) dpad = Code.right;
        control = control || pressed.has(Button.rightShoulder);
        const y = pad.axes.length > 1 ? pad.axes[1] : 0;
        if (y <= -kStickPush) stick = Code.up;
        else if (y >= kStickPush) stick = Code.down;
        else if (y > -kStickRelease && y < kStickRelease) stick = 0;
        seen.set(pad.index, pressed);
      }
      was = seen;
      if (connected.length === 0) stick = 0;
      setDirection(0, dpad);
      setDirection(1, stick);
      if (control !== controlHeld) {
        controlHeld = control;
        (control ? key : keyUp)(Code.control);
      }
      for (const code of held) {
        if (code !== 0 && now() >= nextRepeat) {
          key(code);
          nextRepeat = now() + kRepeatIntervalMs;
          break;
        }
      }
      return connected.length > 0;
    }

    // Looks every frame while a pad is connected.
    function frame() {
      looking = look();
      if (looking) requestAnimationFrame(frame);
    }
    function start() {
      if (looking) return;
      looking = true;
      requestAnimationFrame(frame);
    }
    window.addEventListener('gamepadconnected', start);
    window.addEventListener('gamepaddisconnected', () => look());
    return { look, start };
  }

  return { create };
})();
