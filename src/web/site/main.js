// Start-up: the chalkboard and the bold face come first, then the program
// (compiled while it downloads) and the other face (index.html asked for
// them before any script ran). The title recorded at build time is drawn
// meanwhile, and input kept (title.js); the program's own picture replaces
// the title when the program is ready, and the input kept is handed to it
// then; so is the class record the store keeps, when the teacher keeps one
// (record.js). The other pictures and the service worker follow. Only a
// program that failed to load says so.
import { loadPictures, redraw } from './board.js';
import { chalkboard, stop as stopTitle } from './title.js';
import { attach as attachPlayback, send, tick, watchers } from './playback.js';
import { attach as attachInput, fitWindow } from './input.js';
import { pictures } from './layout.js';
import * as record from './record.js';
import { query } from './files.js';

const boot = window.aritmeticaBoot;
const again = document.getElementById('again');
let running = false;

function failed(err) {
  console.error('aritmetica: ' + err);
  if (!running) document.getElementById('nofile').hidden = false;
}

const program = createAritmetica({
  instantiateWasm(imports, receive) {
    boot.wasm.then((compiled) => WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled)))
      .catch(failed);
    return {};
  },
});
const title = Promise.all([program, record.stored, chalkboard, ...boot.faces]).then(([m, book]) => {
  running = true;
  stopTitle();
  attachPlayback(m);
  record.attach(m, book);
  watchers.push(record.keep);
  if (query.get('voice') === 'off') send({ event: 'voice', on: false, now: 0 });
  fitWindow();
  send({ event: 'start', now: performance.now() });
  tick();
  performance.mark('aritmetica-title');  // the program's first paint
  attachInput();
  watchEnd();
  return m;
});
// Resolves with the program once the start-up is over.
export const ready = title.then((m) => loadPictures(pictures.slice(2).map((name, i) => [i + 2, name]))
  .then(() => { redraw(); return m; }));
ready.catch(failed);

// After "ESCI" the program draws the empty chalkboard: one way to start again.
function watchEnd() {
  const restart = () => {
    again.hidden = true;
    send({ event: 'start', now: performance.now() });
    tick();
  };
  again.addEventListener('click', restart);
  again.addEventListener('pointerdown', (e) => e.stopPropagation());
  window.addEventListener('keydown', (e) => {
    if (!again.hidden && (e.key === 'Enter' || e.key === ' ')) restart();
  });
  watchers.push((f) => {
    if (f.ended && again.hidden) {
      document.title = 'Aritmetica';
      document.getElementById('keys').blur();
      again.hidden = false;
    }
  });
}

// The service worker, which fetches every file to keep, once the start-up
// is over; the single-file edition has nothing to keep: it is all in the page.
if ('serviceWorker' in navigator && location.protocol.startsWith('http') && !window.aritmeticaFiles)
  ready.then(() => navigator.serviceWorker.register('sw.js')).catch(() => {});
