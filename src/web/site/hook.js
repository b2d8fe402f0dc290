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
watchers.picture.push(() => { A.shown = performance.now(); });
window.addEventListener('keydown', (e) => { A.pressed = e.timeStamp; }, true);

let m = null;
started.ready.then((module) => {
  m = module;
  A.ready = true;
  document.documentElement.dataset.ready = '1';
});

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

A.picture = () => {
  if (!m) return null;
  const at = m._aritmetica_picture() / 8;
  return Array.from(m.HEAPF64.subarray(at, at + m._aritmetica_picture_length()));
};

A.early = () => started.early || null;

A.query = (word) => (m ? m.ccall('aritmetica_query', 'string', ['string'], [word]) : '');
A.where = function (word) {
  const r = A.query(word).split(' ').map(Number);
  if (r.length !== 4 || !m) return null;
  const f = m._aritmetica_fit(0), x = m._aritmetica_fit(1), y = m._aritmetica_fit(2);
  const px = (twips) => twips / 15 * f;
  return { x: x + px(r[0] + r[2] / 2), y: y + px(r[1] + r[3] / 2) };
};
