// The page: starts the program once its pictures and faces are loaded, fits
// the board to the window, and forwards mouse, pen, touch and keys to it.
// While a handler's pictures play back (the abacus animations) input waits
// in a queue and is handled afterwards, in order, as on the desktop.
'use strict';
(function (A) {
  const board = A.canvas.board;
  const keys = document.getElementById('keys');    // brings up on-screen keyboards
  const tip = document.getElementById('tip');
  const again = document.getElementById('again');
  const kWidth = 792;                               // logical pixels of every screen
  const kTwipsPerPixel = 15;
  let module = null;
  let height = 573;                                 // of the screen shown
  let fit = 1;                                      // CSS pixels per logical pixel
  let origin = { x: 0, y: 0 };                      // of the board, in CSS pixels

  A.chimes = 0;                                     // wrong answers heard (tests read it)
  A.errors = [];

  // --- the board's place in the window ---------------------------------
  function layout() {
    if (!module) return;
    const vw = document.documentElement.clientWidth, vh = document.documentElement.clientHeight;
    const dpr = window.devicePixelRatio || 1;
    const factor = module._aritmetica_fit(vw, vh, height, 0);
    // The backing store in whole device pixels, so that the board is crisp.
    const w = Math.max(1, Math.round(kWidth * factor * dpr)), h = Math.max(1, Math.round(height * factor * dpr));
    if (board.width !== w || board.height !== h) { board.width = w; board.height = h; }
    A.canvas.scale = w / kWidth;
    const cssW = w / dpr, cssH = h / dpr;
    fit = cssW / kWidth;
    origin = { x: module._aritmetica_fit(vw, vh, height, 1), y: module._aritmetica_fit(vw, vh, height, 2) };
    Object.assign(board.style, { width: cssW + 'px', height: cssH + 'px', left: origin.x + 'px', top: origin.y + 'px' });
  }

  // Called by the program before each paint: the screen's height and caption.
  A.screen = function (logicalHeight, caption) {
    again.hidden = true;
    if (logicalHeight !== height) { height = logicalHeight; layout(); }
    if (document.title !== caption) document.title = caption;
  };

  // After "ESCI" (the program then draws the empty chalkboard): one way
  // to start again.
  A.ended = function () {
    document.title = 'Aritmetica';
    hideTip();
    keys.blur();
    board.style.cursor = 'default';
    again.hidden = false;
  };

  function twips(e) {
    return [(e.clientX - origin.x) / fit * kTwipsPerPixel, (e.clientY - origin.y) / fit * kTwipsPerPixel];
  }
  function onBoard([x, y]) {
    return x >= 0 && y >= 0 && x < kWidth * kTwipsPerPixel && y < height * kTwipsPerPixel;
  }

  // --- input, one at a time --------------------------------------------
  const queue = [];
  let busy = false;
  function send(name, args) {
    queue.push([name, args]);
    if (!busy) drain();
  }
  async function drain() {
    busy = true;
    try {
      while (queue.length) {
        const [name, args] = queue.shift();
        await A.handle(() => module.ccall(name, null, args.map(() => 'number'), args));
        A.shown = performance.now();  // the benchmarks read when an input's picture was drawn
      }
    } catch (err) {
      A.errors.push(String(err));
      throw err;
    } finally {
      busy = false;
    }
  }
  // Resolves once everything sent so far has been handled and shown.
  A.idle = () => new Promise((resolve) => {
    (function poll() { if (!busy && !queue.length) resolve(); else setTimeout(poll, 5); })();
  });

  // --- the chime ---------------------------------------------------------
  let audio = null, chime = null, owed = false;
  // Browsers let a page sound only after a gesture: the first input opens it.
  // A chime asked for while the sound is still being decoded plays as soon
  // as it is ready.
  function openSound() {
    if (audio !== null) return;
    try {
      audio = new (window.AudioContext || window.webkitAudioContext)();
      fetch('chime.wav').then((r) => r.arrayBuffer()).catch(() => null)
        .then((b) => b && audio.decodeAudioData(b)).then((buf) => {
          chime = buf || null;
          if (owed) { owed = false; play(); }
        }).catch(() => {});
    } catch (err) {
      audio = false;  // no sound device: silent
    }
  }
  function play() {
    try {
      const source = audio.createBufferSource();
      source.buffer = chime;
      source.connect(audio.destination);
      source.start();
    } catch (err) { /* silent */ }
  }
  A.chime = function () {
    A.chimes++;
    if (!audio) return;
    if (chime) play();
    else owed = true;
  };

  // --- tooltips and pointers, as the desktop shows them --------------
  let tipText = '', tipTimer = 0;
  const cursors = ['default'];
  function hideTip() { clearTimeout(tipTimer); tipTimer = 0; tip.hidden = true; tipText = ''; }
  function hover(e) {
    if (busy || !module || !again.hidden) return;
    const [x, y] = twips(e);
    const kind = onBoard([x, y]) ? module._aritmetica_pointer(x, y) : 0;
    board.style.cursor = cursors[kind] || 'default';
    if (e.pointerType !== 'mouse') return;
    const text = onBoard([x, y]) ? module.UTF8ToString(module._aritmetica_tooltip(x, y)) : '';
    if (text === tipText) return;
    hideTip();
    tipText = text;
    if (!text) return;
    const at = { x: e.clientX, y: e.clientY };
    tipTimer = setTimeout(() => {
      tip.textContent = text;
      tip.hidden = false;
      const r = tip.getBoundingClientRect();
      const vw = document.documentElement.clientWidth, vh = document.documentElement.clientHeight;
      tip.style.left = Math.min(at.x + 2, vw - r.width - 2) + 'px';
      tip.style.top = (at.y + 22 + r.height > vh ? at.y - r.height - 4 : at.y + 22) + 'px';
    }, 700);
  }

  // --- mouse, pen and touch ------------------------------------------
  const buttons = { 0: 1, 1: 4, 2: 2 };
  let pressing = null;  // the pointer whose press reached the board
  board.parentElement.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    openSound();
    hideTip();
    if (!module || !again.hidden || !e.isPrimary || pressing !== null) return;
    const at = twips(e);
    const b = buttons[e.button];
    if (!b || !onBoard(at)) return;  // the margin reaches no screen
    pressing = e.pointerId;
    try { e.target.setPointerCapture(e.pointerId); } catch (err) { /* released already */ }
    send('aritmetica_mouse', [0, b, ...at, A.shiftState(e)]);
  });
  board.parentElement.addEventListener('pointermove', (e) => {
    if (e.pointerId === pressing) {
      const last = queue[queue.length - 1];
      const args = [2, 0, ...twips(e), 0];
      if (last && last[0] === 'aritmetica_mouse' && last[1][0] === 2) last[1] = args;  // the latest place is enough
      else send('aritmetica_mouse', args);
    } else if (pressing === null) {
      hover(e);
    }
  });
  function release(e) {
    if (e.pointerId !== pressing) return;
    pressing = null;
    const at = twips(e);
    // The device's keyboard comes up for a tap on the answer box that has
    // the focus, and goes for any other tap (decided here, in the gesture).
    if (e.type === 'pointerup' && !busy && !queue.length) {
      if (module._aritmetica_on_focused_box(...at)) keys.focus({ preventScroll: true });
      else keys.blur();
    }
    send('aritmetica_mouse', [1, buttons[e.button] || 1, ...at, A.shiftState(e)]);
  }
  board.parentElement.addEventListener('pointerup', release);
  board.parentElement.addEventListener('pointercancel', release);

  // --- keys --------------------------------------------------------------
  window.addEventListener('keydown', (e) => {
    if (e.isComposing || e.key === 'Process' || e.key === 'Unidentified') return;  // text comes as input
    e.preventDefault();  // no browser shortcut: no reload, no find, no focus moving out
    A.pressed = e.timeStamp;
    openSound();
    hideTip();
    if (!module || !again.hidden) {
      if (!again.hidden && (e.key === 'Enter' || e.key === ' ')) restart();
      return;
    }
    if (e.key === 'Tab') return send('aritmetica_tab', []);
    if (e.key === 'F11' && !e.repeat) return toggleWholeScreen();
    const k = A.keyCodes(e);
    if (k) send('aritmetica_key', k);
  }, true);
  // On-screen keyboards deliver text, not keys.
  keys.addEventListener('beforeinput', (e) => {
    e.preventDefault();
    if (!module || !again.hidden) return;
    if (e.inputType === 'deleteContentBackward') return send('aritmetica_key', [8, 8, 0]);
    if (e.inputType === 'insertLineBreak') return send('aritmetica_key', [13, 13, 0]);
    for (const ch of e.data || '') send('aritmetica_key', A.typed(ch.codePointAt(0)));
  });
  keys.addEventListener('input', () => { keys.value = ' '; });

  function toggleWholeScreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else document.documentElement.requestFullscreen().catch(() => {});
  }

  // Nothing scrolls, zooms, selects, opens a menu or leaves the page.
  for (const type of ['contextmenu', 'selectstart', 'dragstart', 'gesturestart', 'dblclick'])
    document.addEventListener(type, (e) => e.preventDefault());
  document.addEventListener('wheel', (e) => e.preventDefault(), { passive: false });
  document.addEventListener('touchmove', (e) => e.preventDefault(), { passive: false });
  window.addEventListener('resize', () => {
    layout();
    if (module && !busy) module._aritmetica_paint();
  });

  // --- start ---------------------------------------------------------------
  function restart() {
    again.hidden = true;
    send('aritmetica_start', []);
  }
  again.addEventListener('click', restart);
  again.addEventListener('pointerdown', (e) => e.stopPropagation());

  // Test hook: scenario input commands on the live program ("show Form14",
  // "random 0.5", "click Form14.Label9", "type 5"); resolves to "" or the error.
  A.run = async function (lines) {
    await A.idle();
    busy = true;
    let error = '';
    try {
      await A.handle(() => {
        error = module.UTF8ToString(module.ccall('aritmetica_run', 'number', ['string'], [lines]));
      });
    } finally {
      busy = false;
      if (queue.length) drain();
    }
    return error;
  };

  // Test hook: reads the program back (see web::query); and where a control
  // of the screen shown is, as the centre of its rectangle in CSS pixels.
  A.query = (word) => (busy || !module ? '' : module.UTF8ToString(module.ccall('aritmetica_query', 'number', ['string'], [word])));
  A.where = function (word) {
    const r = A.query(word).split(' ').map(Number);
    if (r.length !== 4) return null;
    const px = (twipsValue) => twipsValue / kTwipsPerPixel * fit;
    return { x: origin.x + px(r[0] + r[2] / 2), y: origin.y + px(r[1] + r[3] / 2) };
  };

  // The faces and the chalkboard come before the first paint (their loading
  // began in index.html); the other pictures before the first input.
  const boot = A.boot;
  const chalkboard = A.canvas.loadPictures([boot.chalkboard]);
  let pictures = null;
  const program = createAritmetica({
    instantiateWasm(imports, receive) {
      boot.wasm.then((compiled) => WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled)))
        .catch((err) => { A.errors.push(String(err)); });
      return {};
    },
  });
  program.then((m) => {
    const names = [];
    for (let i = 1; i <= 10; ++i) names.push(m.UTF8ToString(m._aritmetica_picture(i)));
    pictures = A.canvas.loadPictures(names.filter((name) => name !== 'chalkboard'));
  });
  Promise.all([program, chalkboard, ...boot.faces]).then(async ([m]) => {
    for (let p = 1; p <= 3; ++p) cursors[p] = m.UTF8ToString(m._aritmetica_cursor(p));
    module = m;
    const margin = '#' + m._aritmetica_margin().toString(16).padStart(6, '0');
    document.documentElement.style.background = document.body.style.background = margin;
    layout();
    busy = true;
    await A.handle(() => m._aritmetica_start());
    performance.mark('aritmetica-title');  // the title's first paint
    await pictures;
    busy = false;
    if (queue.length) drain();
    A.ready = true;
    document.documentElement.dataset.ready = '1';
  }).catch((err) => { A.errors.push(String(err)); throw err; });

  if (location.protocol === 'file:') document.getElementById('nofile').hidden = false;
  if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
    navigator.serviceWorker.register('sw.js').catch(() => {});
})(window.aritmetica = window.aritmetica || {});
