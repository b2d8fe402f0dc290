// The test build's hook (build-web/test-site only): what a browser test
// asks of the page. aritmetica.run(lines) runs scenario input commands on
// the live program ("show Form14", "random 0.5", "click Form14.Label9",
// "type 5") and resolves to "" or the error once everything they caused
// has played; query reads the program back; where gives a control's centre
// (or a position in twips) in CSS pixels; chimes and phrases count the
// sounds the frames started, started the sources Web Audio started; ready says the start-up is over; picture is
// the drawing shown, early the title recorded at build time. klass(command)
// does the teacher's work on the class record (hook.cpp's classCommand) and
// resolves, once the store has kept what it changed, to its answer;
// downloads are the files the page saved ({ name, type, bytes }), caught
// before the browser saves them.
import { board } from './board.js';
import { last, tick, watchers } from './playback.js';
import { ready } from './main.js';
import { settled } from './record.js';

const A = window.aritmetica = Object.assign(window.aritmetica || {},
  { canvas: { board }, chimes: 0, phrases: 0, started: 0, drawn: 0 });
const start = AudioBufferSourceNode.prototype.start;
AudioBufferSourceNode.prototype.start = function (...args) { ++A.started; return start.apply(this, args); };
watchers.push((f) => {
  for (const s of f.sounds) {
    if (s.kind === 'chime') ++A.chimes;
    else if (s.kind === 'say') ++A.phrases;
  }
  if (f.drawing) { A.drawing = f.drawing; A.shown = performance.now(); ++A.drawn; }
});
A.downloads = [];
const click = HTMLAnchorElement.prototype.click;
HTMLAnchorElement.prototype.click = function (...args) {
  if (!this.download) return click.apply(this, args);
  const saved = { name: this.download, type: '', bytes: null };
  A.downloads.push(saved);
  fetch(this.href).then((r) => r.blob()).then((blob) => { saved.type = blob.type; return blob.arrayBuffer(); })
    .then((bytes) => { saved.bytes = Array.from(new Uint8Array(bytes)); });
};
window.addEventListener('keydown', (e) => { A.pressed = e.timeStamp; }, true);

let m = null;
ready.then((module) => {
  m = module;
  A.ready = true;
});

const string = (name, ...args) => m.ccall(name, 'string', args.map((a) => typeof a), args);

// Whether everything sent so far has been handled and played.
A.playing = () => !m || !last.frame || isFinite(last.frame.wake);
A.idle = () => new Promise((resolve) => {
  (function poll() {
    if (!A.playing()) resolve();
    else setTimeout(poll, 5);
  })();
});

A.run = async function (lines) {
  await A.idle();
  const error = string('aritmetica_run', lines, performance.now());
  tick();
  await A.idle();
  return error;
};

A.klass = async function (command) {
  await A.idle();
  const answer = string('aritmetica_class', command);
  tick();
  await A.idle();
  await settled();
  return answer;
};

// In strict mode a handler that draws from an empty queue fails.
A.strict = (on) => m._aritmetica_strict(on ? 1 : 0);
A.picture = () => Array.from(A.drawing || []);
A.early = () => (window.aritmeticaTitle || {}).picture || null;
// The lines of text shown: [[text, family, size, bold, x, baseline, width]].
A.lines = () => JSON.parse(string('aritmetica_lines'));
A.query = (word) => (m ? string('aritmetica_query', word) : '');
A.where = (word) => {
  const at = m ? string('aritmetica_where', word) : '';
  return at ? { x: Number(at.split(' ')[0]), y: Number(at.split(' ')[1]) } : null;
};
A.at = (x, y) => A.where(x + ' ' + y);
