// Start-up: the chalkboard and the bold face come first, then the program
// (compiled while it downloads) and the other face (index.html asked for
// them before any script ran).
// The title, recorded at build time (window.aritmeticaTitle), is drawn as
// soon as the chalkboard and the faces are there; the program's own picture
// replaces it when the program is ready, and the input that came meanwhile
// is handed to it then. The other pictures, the voice and the service
// worker follow. Only a program that failed to load says so.
import { board, draw, loadPictures, layout, redraw } from './board.js';
import { attach as attachPlayback, tick, watchers } from './playback.js';
import { attach as attachPointer } from './pointer.js';
import { attach as attachInput, listen } from './input.js';
import * as sound from './sound.js';
import { query } from './files.js';

const again = document.getElementById('again');
export const started = {};  // resolves the start-up's promises for whoever waits (the tests)

function failed(err) {
  console.error('aritmetica: ' + err);
  if (!started.module) document.getElementById('nofile').hidden = false;
}

const boot = window.aritmeticaBoot;
listen();
const chalkboard = loadPictures([[1, boot.chalkboard]]);
const margin = (rgb) => {
  document.documentElement.style.background = document.body.style.background =
    '#' + rgb.toString(16).padStart(6, '0');
};

// The title before the program: drawn from the recording (measured as the
// program measures, so the program draws exactly the same), and redrawn at
// every resize, until the program's own picture takes over.
let early = null;
if (window.aritmeticaTitle) {
  Promise.all([chalkboard, boot.faces[0]]).then(() => {  // the bold face: the title's only one
    if (started.module) return;
    early = window.aritmeticaTitle;
    margin(early.margin);
    layout(null, early);
    draw(new Float64Array(early.picture));
    started.early = early.picture;
    performance.mark('aritmetica-early-title');
  }).catch(() => {});
  window.addEventListener('resize', () => {
    if (started.module || !early) return;
    layout(null, early);
    redraw();
  });
}
const program = createAritmetica({
  instantiateWasm(imports, receive) {
    boot.wasm.then((compiled) => WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled)))
      .catch(failed);
    return {};
  },
});
started.title = Promise.all([program, chalkboard, ...boot.faces]).then(([m]) => {
  started.module = m;
  margin(m._aritmetica_margin());
  attachPlayback(m);
  attachPointer(m);
  if (query.get('voice') === 'off') m._aritmetica_voice(0, 0);
  layout(m);
  m._aritmetica_start(performance.now());
  tick();
  performance.mark('aritmetica-title');  // the title's first paint
  attachInput(m);
  watchEnd(m);
  return m;
});
started.ready = started.title.then((m) => {
  const names = [];
  for (let i = 2; i <= 10; ++i) names.push([i, m.UTF8ToString(m._aritmetica_picture_name(i))]);
  sound.prefetch();
  return loadPictures(names).then(() => { redraw(); tick(); return m; });
});
started.ready.catch(failed);

// After "ESCI" the program draws the empty chalkboard: one way to start again.
function watchEnd(m) {
  const restart = () => {
    again.hidden = true;
    m._aritmetica_start(performance.now());
    tick();
  };
  again.addEventListener('click', restart);
  again.addEventListener('pointerdown', (e) => e.stopPropagation());
  window.addEventListener('keydown', (e) => {
    if (!again.hidden && (e.key === 'Enter' || e.key === ' ')) restart();
  });
  const check = () => {
    const ended = m._aritmetica_ended() === 1;
    if (ended && again.hidden) {
      document.title = 'Aritmetica';
      document.getElementById('keys').blur();
      board.style.cursor = 'default';
      again.hidden = false;
    }
  };
  watchers.picture.push(check);
}

// The service worker, which fetches every file to keep, once the start-up
// is over; the single-file edition has nothing to keep: it is all in the page.
if ('serviceWorker' in navigator && location.protocol.startsWith('http') && !window.aritmeticaFiles)
  started.ready.then(() => navigator.serviceWorker.register('sw.js')).catch(() => {});
