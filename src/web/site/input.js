// Mouse, pen, touch and keys, handed to the program as they come: a
// position of the window, a key by its name or the character it types. The
// program decides what each means (which screen a press belongs to, a
// finger held still, input held while pictures play); the page only keeps
// the browser from acting on them itself, and brings the device's keyboard
// up for the answer box that has the focus.
import { board } from './board.js';
import { last, send as input, tick } from './playback.js';
import { hideTip, rest } from './pointer.js';
import * as sound from './sound.js';

const keys = document.getElementById('keys');  // brings up on-screen keyboards
const events = { pointerdown: 'press', pointermove: 'move', pointerup: 'release', pointercancel: 'cancel' };
const buttons = { 0: 'left', 1: 'middle', 2: 'right' };  // the side buttons do nothing
let ready = false;
let pressing = null;                           // the pointer whose press reached the board
let typed = ' ';                               // what the hidden input holds
let waiting = [];                              // input that came before the program was ready

const modifiers = (e) => ({ shift: e.shiftKey, ctrl: e.ctrlKey, alt: e.altKey });

// Input that comes before the program is ready (the title is drawn at
// once) is kept, and handed to the program in order when it is there.
function send(deliver) {
  if (ready) deliver();
  else waiting.push(deliver);
}

export function attach() {
  ready = true;
  for (const deliver of waiting) deliver();
  waiting = [];
  tick();
}

const touch = (e) => e.pointerType === 'touch' || e.pointerType === 'pen';

function pointer(e, event = events[e.type]) {
  input({ event, button: buttons[e.button] || 'left', x: e.clientX, y: e.clientY, ...modifiers(e), touch: touch(e),
    now: performance.now() });
  tick();
}

// The device's keyboard comes for a tap on the answer box that has the
// focus, asking for digits or letters as the box takes them, and goes for
// any other tap, also in the margin (decided here, in the gesture).
function keyboard(e) {
  if (e.type !== 'pointerup') return;
  if (last.frame.onFocusedBox) {
    keys.inputMode = last.frame.keyboard === 'letters' ? 'text' : 'numeric';
    keys.focus({ preventScroll: true });
    keys.setSelectionRange(keys.value.length, keys.value.length);  // typing goes at the end
  } else {
    keys.blur();
  }
}

// A key by its name (KeyboardEvent.key: "Backspace", "F11", ...) or the
// character it types.
function key(name, extra = {}) {
  const typed = [...name].length === 1 ? { character: name.codePointAt(0) } : { name };
  input({ event: 'key', ...typed, ...extra, now: performance.now() });
}

export function listen() {
  const surface = board.parentElement;
  surface.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    sound.open();
    hideTip();
    if (!e.isPrimary) return;
    if (!buttons[e.button]) return;  // back, forward and the like: nothing
    if (e.target !== board) keys.blur();  // a tap in the margin closes the keyboard
    if (pressing !== null) return;
    pressing = e.pointerId;
    try { e.target.setPointerCapture(e.pointerId); } catch (err) { /* released already */ }
    send(() => pointer(e));
  });
  surface.addEventListener('pointermove', (e) => {
    if (e.pointerId === pressing) send(() => pointer(e));
    else if (ready && pressing === null) { rest(e); pointer(e, 'hover'); }
  });
  // The mouse leaving the window moves it off the board: no name is said
  // for a control it left, no tooltip stays.
  document.addEventListener('mouseout', (e) => {
    if (!e.relatedTarget && ready && pressing === null) pointer({ clientX: -1, clientY: -1, button: 0 }, 'hover');
  });
  for (const type of ['pointerup', 'pointercancel']) {
    surface.addEventListener(type, (e) => {
      if (e.pointerId !== pressing) return;
      pressing = null;
      send(() => { pointer(e); keyboard(e); });
    });
  }
  // The side buttons of a mouse never take the browser back or forward
  // (Chromium goes on the pointer's release unless it is cancelled).
  for (const type of ['pointerdown', 'pointerup', 'mouseup', 'mousedown', 'auxclick']) {
    window.addEventListener(type, (e) => { if (e.button > 2) e.preventDefault(); }, true);
  }

  window.addEventListener('keydown', (e) => {
    if (e.isComposing || e.key === 'Process' || e.key === 'Unidentified' || e.keyCode === 229) return;  // text comes as input
    e.preventDefault();  // no browser shortcut: no reload, no find, no focus moving out
    sound.open();
    hideTip();
    send(() => {
      key(e.key, { keypad: e.location === 3, repeat: e.repeat, ...modifiers(e) });
      tick();
    });
  }, true);

  // On-screen keyboards deliver text, not keys, and those that compose a
  // word change it as the child types: what was added since the last look
  // is typed, what was taken away is Backspace, each character once.
  keys.value = typed;
  keys.addEventListener('input', (e) => {
    const now = [...keys.value], before = [...typed];
    let same = 0, tail = 0;
    while (same < now.length && same < before.length && now[same] === before[same]) ++same;
    while (tail < now.length - same && tail < before.length - same &&
           now[now.length - 1 - tail] === before[before.length - 1 - tail]) ++tail;
    send(() => {
      for (let i = same; i < before.length - tail; ++i) key('Backspace');
      for (const ch of now.slice(same, now.length - tail)) key(ch === '\n' ? 'Enter' : ch);
      tick();
    });
    typed = keys.value;
    if (!e.isComposing && (typed.length === 0 || typed.length > 32)) keys.value = typed = ' ';
  });
  keys.addEventListener('compositionend', () => {
    if (keys.value.length > 32) keys.value = typed = ' ';
  });
  keys.addEventListener('keydown', (e) => {
    if (e.key === 'Enter' && !e.isComposing) { e.preventDefault(); send(() => { key('Enter'); tick(); }); }
  });

  // Nothing scrolls, zooms, selects, opens a menu or leaves the page.
  for (const type of ['contextmenu', 'selectstart', 'dragstart', 'gesturestart', 'dblclick'])
    document.addEventListener(type, (e) => e.preventDefault());
  document.addEventListener('wheel', (e) => e.preventDefault(), { passive: false });
  document.addEventListener('touchmove', (e) => e.preventDefault(), { passive: false });
  window.addEventListener('resize', () => send(() => { fitWindow(); tick(); }));
}

// The window the board is fitted into.
export function fitWindow() {
  input({ event: 'window', width: document.documentElement.clientWidth, height: document.documentElement.clientHeight });
}
