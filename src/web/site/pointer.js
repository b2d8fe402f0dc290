// The pointer's shape and the tooltip of the control under a mouse, as the
// frame says (the hand, the chalk, the grab, with their hot spots).
import { board } from './board.js';
import { url } from './files.js';
import { pictures } from './layout.js';

const tip = document.getElementById('tip');
let tipText = '', tipTimer = 0;
const at = { x: 0, y: 0 };  // the mouse, where the tip goes

export function hideTip() {
  clearTimeout(tipTimer);
  tipTimer = 0;
  tip.hidden = true;
  tipText = '';
}

// Where the mouse rests (the tip waits for the next frame).
export function rest(e) {
  at.x = e.clientX;
  at.y = e.clientY;
}

export function showPointer(f) {
  board.style.cursor = f.cursor
    ? 'url(' + url('pictures/' + pictures[f.cursor] + '.png') + ') ' + f.hotX + ' ' + f.hotY + ', pointer' : 'default';
  if (f.toolTip === tipText) return;
  hideTip();
  tipText = f.toolTip;
  if (!tipText) return;
  const { x, y } = at;
  tipTimer = setTimeout(() => {
    tip.textContent = tipText;
    tip.hidden = false;
    const r = tip.getBoundingClientRect();
    const vw = document.documentElement.clientWidth, vh = document.documentElement.clientHeight;
    tip.style.left = Math.min(x + 2, vw - r.width - 2) + 'px';
    tip.style.top = (y + 22 + r.height > vh ? y - r.height - 4 : y + 22) + 'px';
  }, 700);
}
