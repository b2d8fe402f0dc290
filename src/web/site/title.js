// The title before the program: the title screen's first picture, recorded
// at build time (window.aritmeticaTitle, measured as the program measures,
// so the program draws exactly the same), drawn as soon as the chalkboard
// and the bold face are there and again at every resize, until the
// program's own picture takes over (stop). The input that comes meanwhile
// is kept from the start (input.js) for the program. The build runs this
// in a plain script of its own; the program's loader and main.js come as
// text (the script "program"), which this runs once the title is painted,
// so that the first paint waits for neither to be parsed.
import { draw, layout, loadPictures, redraw } from './board.js';
import { fit } from './fit.js';
import { listen } from './input.js';

const boot = window.aritmeticaBoot, recorded = window.aritmeticaTitle;
export const chalkboard = loadPictures([[1, boot.chalkboard]]);
let drawn = false, over = false;
listen();

function place() {
  const vw = document.documentElement.clientWidth, vh = document.documentElement.clientHeight;
  return layout({ ...fit(recorded.width, recorded.height, vw, vh), margin: recorded.margin });
}

let started = false;
function startProgram() {
  const text = document.getElementById('program');
  if (started || !text) return;
  started = true;
  const script = document.createElement('script');
  script.textContent = text.textContent;
  document.body.appendChild(script);
}
// In the task after the title's paint (a hidden page paints nothing: at once).
const afterPaint = () => (document.hidden ? setTimeout(startProgram)
  : requestAnimationFrame(() => setTimeout(startProgram)));

if (!recorded) afterPaint();
else {
  Promise.all([chalkboard, boot.faces[0]]).then(() => {  // the bold face: the title's only one
    if (over) return;
    place();
    draw(new Float64Array(recorded.picture));
    drawn = true;
    performance.mark('aritmetica-early-title');
  }).catch(() => {}).then(afterPaint);
  window.addEventListener('resize', () => {
    if (drawn && !over && place()) redraw();
  });
}

export function stop() {
  over = true;
}
