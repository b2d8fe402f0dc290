// The page's half of the canvas backend (src/web/canvas.cpp): draws the
// commands of a recorded screen in logical pixels. It decides nothing about
// how a control looks, and measures no text: the program lays it out with
// the faces' own tables.
'use strict';
(function (A) {
  const board = document.getElementById('board');
  const ctx = board.getContext('2d', { alpha: false });
  const pictures = new Map();  // name -> decoded HTMLImageElement
  let clips = 0;

  const colour = (rgb) => '#' + (rgb >>> 0).toString(16).padStart(6, '0');

  function figure(kind, x, y, w, h, radius) {
    ctx.beginPath();
    if (kind === 1) ctx.ellipse(x + w / 2, y + h / 2, Math.abs(w / 2), Math.abs(h / 2), 0, 0, 2 * Math.PI);
    else if (kind === 2) ctx.roundRect(x, y, w, h, radius);
    else ctx.rect(x, y, w, h);
  }

  A.canvas = {
    board,
    // Device pixels per logical pixel; set by the page's layout.
    scale: 1,

    // Loads the program's pictures (names, or images already loading);
    // resolves when all can be drawn.
    loadPictures(list) {
      return Promise.all(list.map((item) => {
        const img = typeof item === 'string' ? new Image() : item;
        if (img !== item) img.src = 'pictures/' + item + '.png';
        pictures.set(img.src.replace(/^.*\/|\.png$/g, ''), img);
        return img.decode().catch(() => {});
      }));
    },

    begin(w, h) {
      for (; clips > 0; --clips) ctx.restore();
      ctx.setTransform(this.scale, 0, 0, this.scale, 0, 0);
      ctx.imageSmoothingEnabled = true;
      ctx.setLineDash([]);
      ctx.textBaseline = 'alphabetic';
      ctx.fillStyle = '#000';
      ctx.fillRect(0, 0, w, h);
    },
    fill(kind, x, y, w, h, rgb, radius) {
      ctx.fillStyle = colour(rgb);
      if (kind === 0) return ctx.fillRect(x, y, w, h);
      figure(kind, x, y, w, h, radius);
      ctx.fill();
    },
    stroke(kind, x, y, w, h, rgb, width, radius, dotted) {
      ctx.strokeStyle = colour(rgb);
      ctx.lineWidth = width;
      ctx.lineJoin = 'miter';
      ctx.lineCap = 'square';
      ctx.setLineDash(dotted ? [width, 2 * width] : []);
      figure(kind, x, y, w, h, radius);
      ctx.stroke();
      ctx.setLineDash([]);
    },
    segment(x1, y1, x2, y2, rgb, width) {
      ctx.strokeStyle = colour(rgb);
      ctx.lineWidth = width;
      ctx.lineCap = 'square';  // as the desktop's pen: the end pixels are drawn
      ctx.beginPath();
      ctx.moveTo(x1, y1);
      ctx.lineTo(x2, y2);
      ctx.stroke();
    },
    image(name, x, y, w, h) {
      const img = pictures.get(name);
      if (img && img.complete && img.naturalWidth) ctx.drawImage(img, x, y, w, h);
    },
    text(font, rgb, x, baseline, text) {
      ctx.font = font;
      ctx.fillStyle = colour(rgb);
      ctx.fillText(text, x, baseline);
    },
    clip(x, y, w, h) {
      ctx.save();
      ++clips;
      ctx.beginPath();
      ctx.rect(x, y, w, h);
      ctx.clip();
    },
    unclip() {
      if (clips > 0) { ctx.restore(); --clips; }
    },
  };
})(window.aritmetica = window.aritmetica || {});
