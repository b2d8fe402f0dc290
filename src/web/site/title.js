// The title before the program: the title screen's first picture, recorded
// at build time (window.aritmeticaTitle, measured as the program measures,
// so the program draws exactly the same), drawn as soon as the chalkboard
// and the bold face are there and again at every resize, until the
// program's own picture takes over (stop). The input that comes meanwhile
// is kept from the start (input.js) for the program. The build runs this
// in a plain script of its own, ahead of the program's loader and of
// main.js, so that the first paint waits for neither.
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

if (recorded) {
  Promise.all([chalkboard, boot.faces[0]]).then(() => {  // the bold face: the title's only one
    if (over) return;
    place();
    draw(new Float64Array(recorded.picture));
    drawn = true;
    performance.mark('aritmetica-early-title');
  }).catch(() => {});
  window.addEventListener('resize', () => {
    if (drawn && !over && place()) redraw();
  });
}

export function stop() {
  over = true;
}
