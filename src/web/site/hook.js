// The test build's hook (build-web/test-site only): what a browser test
// asks of the page. aritmetica.run(lines) runs scenario input commands on
// the live program ("show Form14", "random 0.5", "click Form14.Label9",
// "type 5") and resolves to "" or the error once everything they caused
// has played; query reads the program back; where gives a control's centre
// in CSS pixels; chimes and phrases count what was started; errors
// collects what went wrong; ready says the start-up is over; picture is
// the buffer of the picture shown, early the title recorded at build time
// that was drawn before the program was ready.
import { board } from './board.js';
import { tick, watchers } from './playback.js';
import { heard } from './sound.js';
import { started } from './main.js';

const A = window.aritmetica = Object.assign(window.aritmetica || {}, { canvas: { board }, errors: [] });
window.addEventListener('error', (e) => A.errors.push(String(e.message)));
window.addEventListener('unhandledrejection', (e) => A.errors.push(String(e.reason)));
const logged = console.error.bind(console);
console.error = (...args) => { A.errors.push(args.join(' ')); logged(...args); };
Object.defineProperty(A, 'chimes', { get: () => heard.chimes });
Object.defineProperty(A, 'phrases', { get: () => heard.phrases });
A.drawn = 0;  // pictures drawn so far
watchers.picture.push(() => { A.shown = performance.now(); ++A.drawn; });
window.addEventListener('keydown', (e) => { A.pressed = e.timeStamp; }, true);

let m = null;
started.ready.then((module) => {
  m = module;
  A.ready = true;
  document.documentElement.dataset.ready = '1';
});

// When the program's steps will all have played (Infinity: they have).
A.idleAt = () => (m ? m._aritmetica_wake() : 0);

// Resolves once everything sent so far has been handled and played.
A.idle = () => new Promise((resolve) => {
  (function poll() {
    if (m && !isFinite(m._aritmetica_wake())) resolve();
    else setTimeout(poll, 5);
  })();
});

A.run = async function (lines) {
  await A.idle();
  const error = m.ccall('aritmetica_run', 'string', ['string', 'number'], [lines, performance.now()]);
  tick();
  await A.idle();
  return error;
};

// In strict mode a handler that draws from an empty queue fails.
A.strict = (on) => m._aritmetica_strict(on ? 1 : 0);

A.picture = () => {
  if (!m) return null;
  const at = m._aritmetica_picture() / 8;
  return Array.from(m.HEAPF64.subarray(at, at + m._aritmetica_picture_length()));
};

A.early = () => started.early || null;

// The lines of text shown: [[text, family, size, bold, x, baseline, width]].
A.lines = () => JSON.parse(m.UTF8ToString(m._aritmetica_lines()));

A.query = (word) => (m ? m.ccall('aritmetica_query', 'string', ['string'], [word]) : '');
// A position of the screen shown, in twips, as CSS pixels of the window.
A.at = (x, y) => {
  const f = m._aritmetica_fit(0);
  return { x: m._aritmetica_fit(1) + x / 15 * f, y: m._aritmetica_fit(2) + y / 15 * f };
};
A.where = function (word) {
  const r = A.query(word).split(' ').map(Number);
  if (r.length !== 4 || !m) return null;
  return A.at(r[0] + r[2] / 2, r[1] + r[3] / 2);
};
