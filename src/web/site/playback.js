// Plays the program's steps by the clock: at each displayed frame the
// latest picture that is due is drawn, and the chime and the phrases due
// start, so a run of 1 ms pauses becomes a slide at the screen's refresh
// rate and the whole lasts about the sum of its pauses. Input is never
// held here: the program holds it while its steps play.
import { draw, layout } from './board.js';
import * as sound from './sound.js';

let m = null;
let scheduled = 0;  // a frame or a timer is asked for
let screen = null;  // the caption of the picture drawn last
export const watchers = { picture: [], sound: [] };

export function attach(module) { m = module; }

function picture() {
  const at = m._aritmetica_picture() / 8, n = m._aritmetica_picture_length();
  const caption = m.UTF8ToString(m._aritmetica_caption());
  if (caption !== screen) {
    screen = caption;
    layout(m);  // a screen of another height
    if (caption && document.title !== caption) document.title = caption;
  }
  draw(new Float64Array(m.HEAPF64.subarray(at, at + n)));
  for (const w of watchers.picture) w(caption);
}

function sounds() {
  for (let i = 0, n = m._aritmetica_sounds(); i < n; ++i) {
    const kind = m._aritmetica_sound(i);
    if (kind === 1) sound.chime();
    else if (kind === 2) sound.say(m.UTF8ToString(m._aritmetica_text()));
    else sound.hush();
    for (const w of watchers.sound) w(kind);
  }
}

// Brings the program to now and plays what is due; then waits for the
// next step: the next frame when it is close, a timer when it is far.
export function tick() {
  if (!m) return;
  scheduled = 0;
  const now = performance.now();
  if (m._aritmetica_advance(now)) picture();
  sounds();
  const wake = m._aritmetica_wake();
  if (!isFinite(wake) || scheduled) return;
  if (wake - now < 50) scheduled = requestAnimationFrame(tick);
  else scheduled = setTimeout(tick, wake - now);
}

// The same picture refitted to a new window (a tablet turned, F11).
export function refit() {
  if (!m) return;
  layout(m);
  screen = null;
  if (m._aritmetica_picture_length()) picture();
}
