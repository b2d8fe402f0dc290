// Plays the program's frames by the clock: at each displayed frame the
// program is brought to now and hands one frame (frame.js reads it): the
// latest picture that is due is drawn, the board placed where the frame
// says, the chime and the phrases due start, the pointer takes the shape
// under it; so a run of 1 ms pauses becomes a slide at the screen's
// refresh rate and the whole lasts about the sum of its pauses. Input goes
// in one event at a time (send). Input is never held here: the program
// holds it while its steps play.
import { draw, layout, redraw } from './board.js';
import { inputSize, readFrame, writeInput } from './frame.js';
import { showPointer } from './pointer.js';
import * as sound from './sound.js';

let m = null;
let inbox = 0;      // where the program takes an input record
let painting = 0;   // a displayed frame is asked for
let timer = 0;      // a timer is set
export const last = { frame: null };  // the frame read last
export const watchers = [];           // called with every frame read

export function attach(module) {
  m = module;
  inbox = m._aritmetica_inbox() / 8;
}

// One input event, by the fields of frame.js's writeInput.
export function send(event) {
  writeInput(m.HEAPF64.subarray(inbox, inbox + inputSize), event);
  m._aritmetica_input();
}

function play(f) {
  const moved = layout(f);  // a screen of another height, a window of another size
  if (f.drawing) draw(f.drawing);
  else if (moved) redraw();
  if (f.caption && document.title !== f.caption) document.title = f.caption;
  for (const s of f.sounds) {
    if (s.kind === 'chime') sound.chime();
    else if (s.kind === 'say') sound.say(s.key, s.text);
    else sound.hush();
  }
  showPointer(f);
  if (f.wholeScreen) {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else document.documentElement.requestFullscreen().catch(() => {});
  }
  last.frame = f;
  for (const w of watchers) w(f);
}

// Brings the program to now and plays what is due; then waits for the
// next step: the next frame when it is close, a timer when it is far (one
// timer: a mouse moving over the board, each move a step that wakes the
// program when the mouse has rested, does not pile them up).
export function tick() {
  if (!m) return;
  clearTimeout(timer);
  timer = 0;
  const now = performance.now();
  const f = readFrame(m.HEAPF64.subarray(m._aritmetica_frame(now) / 8));
  play(f);
  if (!isFinite(f.wake) || painting) return;
  if (f.wake - now < 50) painting = requestAnimationFrame(() => { painting = 0; tick(); });
  else timer = setTimeout(tick, f.wake - now);
}
