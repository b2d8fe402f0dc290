// The board: the canvas, letterboxed in the window where the program says
// the board goes, and the drawing of a picture's commands (the buffer laid
// out by src/web/canvas.cpp). Decides nothing about how a control looks.
// Also runs before the program is there, to draw the recorded title.
import { url } from './files.js';

export const board = document.getElementById('board');
const ctx = board.getContext('2d', { alpha: false });
const pictures = new Map();  // picture number -> decoded image
let scale = 1;               // device pixels per logical pixel
let last = null;             // the picture drawn last, for a resize

const colour = (rgb) => '#' + (rgb >>> 0).toString(16).padStart(6, '0');
const font = (serif, bold, size) => (bold ? 'bold ' : '') + size + 'px "Liberation ' + (serif ? 'Serif' : 'Sans') + '"';

// Loads the program's pictures: [number, name or an image already loading].
export function loadPictures(list) {
  return Promise.all(list.map(([n, item]) => {
    const img = typeof item === 'string' ? new Image() : item;
    if (img !== item) img.src = url('pictures/' + item + '.png');
    pictures.set(n, img);
    return img.decode().catch(() => {});
  }));
}

// Fits the board to the window where the frame (or, before the program,
// fit.js) places it, with the margin's colour round it; the backing store
// in whole device pixels, so that the board is crisp. Returns whether
// anything moved (the picture is then drawn again).
let placed = '';
export function layout({ factor, left, top, width, height, margin }) {
  const dpr = window.devicePixelRatio || 1;
  const key = [factor, left, top, width, height, margin, dpr].join(' ');
  if (key === placed) return false;
  placed = key;
  const w = Math.max(1, Math.round(width * factor * dpr)), h = Math.max(1, Math.round(height * factor * dpr));
  if (board.width !== w || board.height !== h) { board.width = w; board.height = h; }
  scale = w / width;
  Object.assign(board.style, {
    width: w / dpr + 'px', height: h / dpr + 'px', left: left + 'px', top: top + 'px',
  });
  document.documentElement.style.background = document.body.style.background =
    '#' + margin.toString(16).padStart(6, '0');
  return true;
}

function figure(kind, x, y, w, h, radius) {
  ctx.beginPath();
  if (kind === 1) ctx.ellipse(x + w / 2, y + h / 2, Math.abs(w / 2), Math.abs(h / 2), 0, 0, 2 * Math.PI);
  else if (kind === 2) ctx.roundRect(x, y, w, h, radius);
  else ctx.rect(x, y, w, h);
}

// Draws one picture: a Float64Array of commands.
export function draw(b) {
  last = b;
  let clips = 0, i = 0;
  while (i < b.length) {
    switch (b[i]) {
      case 0:  // the board: w, h
        ctx.setTransform(scale, 0, 0, scale, 0, 0);
        ctx.imageSmoothingEnabled = true;
        ctx.setLineDash([]);
        ctx.textBaseline = 'alphabetic';
        ctx.fillStyle = '#000';
        ctx.fillRect(0, 0, b[i + 1], b[i + 2]);
        i += 3;
        break;
      case 1:  // fill: figure, x, y, w, h, rgb, radius
        ctx.fillStyle = colour(b[i + 6]);
        if (b[i + 1] === 0) ctx.fillRect(b[i + 2], b[i + 3], b[i + 4], b[i + 5]);
        else { figure(b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 7]); ctx.fill(); }
        i += 8;
        break;
      case 2: {  // stroke: figure, x, y, w, h, rgb, width, radius, dotted
        const width = b[i + 7];
        ctx.strokeStyle = colour(b[i + 6]);
        ctx.lineWidth = width;
        ctx.lineJoin = 'miter';
        ctx.lineCap = 'square';
        ctx.setLineDash(b[i + 9] ? [width, 2 * width] : []);
        figure(b[i + 1], b[i + 2], b[i + 3], b[i + 4], b[i + 5], b[i + 8]);
        ctx.stroke();
        ctx.setLineDash([]);
        i += 10;
        break;
      }
      case 3:  // segment: x1, y1, x2, y2, rgb, width
        ctx.strokeStyle = colour(b[i + 5]);
        ctx.lineWidth = b[i + 6];
        ctx.lineCap = 'square';  // as the desktop's pen: the end pixels are drawn
        ctx.beginPath();
        ctx.moveTo(b[i + 1], b[i + 2]);
        ctx.lineTo(b[i + 3], b[i + 4]);
        ctx.stroke();
        i += 7;
        break;
      case 4: {  // image: picture, x, y, w, h
        const img = pictures.get(b[i + 1]);
        if (img && img.complete && img.naturalWidth) ctx.drawImage(img, b[i + 2], b[i + 3], b[i + 4], b[i + 5]);
        i += 6;
        break;
      }
      case 5: {  // text: serif, bold, size, rgb, x, baseline, width, length, UTF-16 units
        const n = b[i + 8];
        ctx.font = font(b[i + 1], b[i + 2], b[i + 3]);
        ctx.fillStyle = colour(b[i + 4]);
        // no wider than the program measured it, so that it ends where it does on the desktop
        ctx.fillText(String.fromCharCode(...b.subarray(i + 9, i + 9 + n)), b[i + 5], b[i + 6], b[i + 7] || undefined);
        i += 9 + n;
        break;
      }
      case 6:  // clip: x, y, w, h
        ctx.save();
        ++clips;
        ctx.beginPath();
        ctx.rect(b[i + 1], b[i + 2], b[i + 3], b[i + 4]);
        ctx.clip();
        i += 5;
        break;
      case 7:  // unclip
        if (clips > 0) { ctx.restore(); --clips; }
        i += 1;
        break;
      default:
        throw new Error('unknown drawing command ' + b[i]);
    }
  }
  for (; clips > 0; --clips) ctx.restore();
}

// The picture drawn last, again (after a resize).
export function redraw() {
  if (last) draw(last);
}
