// The pointer's shape and the tooltip of the control under a mouse, as the
// program says (the hand, the chalk, the grab, with their hot spots).
import { board } from './board.js';
import { url } from './files.js';

const tip = document.getElementById('tip');
const cursors = ['default'];
let tipText = '', tipTimer = 0;

export function attach(m) {
  for (let p = 1; p <= 3; ++p) {
    const [name, x, y] = m.UTF8ToString(m._aritmetica_cursor(p)).split(' ');
    cursors[p] = 'url(' + url('pictures/' + name + '.png') + ') ' + x + ' ' + y + ', pointer';
  }
}

export function hideTip() {
  clearTimeout(tipTimer);
  tipTimer = 0;
  tip.hidden = true;
  tipText = '';
}

export function hover(m, e) {
  const kind = m._aritmetica_hover(e.clientX, e.clientY);
  board.style.cursor = cursors[kind] || 'default';
  if (e.pointerType !== 'mouse') return;
  const text = m.UTF8ToString(m._aritmetica_text());
  if (text === tipText) return;
  hideTip();
  tipText = text;
  if (!text) return;
  const at = { x: e.clientX, y: e.clientY };
  tipTimer = setTimeout(() => {
    tip.textContent = text;
    tip.hidden = false;
    const r = tip.getBoundingClientRect();
    const vw = document.documentElement.clientWidth, vh = document.documentElement.clientHeight;
    tip.style.left = Math.min(at.x + 2, vw - r.width - 2) + 'px';
    tip.style.top = (at.y + 22 + r.height > vh ? at.y - r.height - 4 : at.y + 22) + 'px';
  }, 700);
}

export function reset() {
  hideTip();
  board.style.cursor = 'default';
}
