// Plays a handler's pictures back with its pauses. While the program handles
// one input, what it draws, the chimes it asks for and its pauses are kept
// as frames (a picture, what happened with it, the pause that follows); then
// the frames are shown in order, each for its pause, so the abacus moves as
// on the desktop. A frame whose time is already over when its turn comes is
// not drawn (no screen would have shown it). Outside an input (a resize)
// drawing is immediate.
'use strict';
(function (A) {
  let frames = null;

  function frame() { return frames[frames.length - 1]; }

  // A drawing command (canvas.js), or 'screen'/'ended' (app.js), which
  // begin a new picture of the whole board.
  A.draw = function (name, ...args) {
    if (!frames) return (name === 'screen' || name === 'ended' ? A : A.canvas)[name](...args);
    const f = frame();
    if (name === 'screen' || name === 'ended') f.draws = [];
    f.draws.push([name, args]);
  };
  A.effect = function (name, ...args) {
    if (!frames) return A[name](...args);
    frame().effects.push([name, args]);
  };
  A.pause = function (ms) {
    if (!frames) return;
    frame().pause = ms;
    frames.push({ draws: [], effects: [], pause: 0 });
  };

  function show(f) {
    for (const [name, args] of f.effects) A[name](...args);
    for (const [name, args] of f.draws) (name === 'screen' || name === 'ended' ? A : A.canvas)[name](...args);
  }
  const until = (t) => new Promise((resolve) => setTimeout(resolve, Math.max(0, t - performance.now())));

  // Runs call() (one input to the program) and plays what it drew.
  A.handle = async function (call) {
    frames = [{ draws: [], effects: [], pause: 0 }];
    let kept;
    try {
      call();
    } finally {
      kept = frames;
      frames = null;
    }
    const start = performance.now();
    let end = start;
    for (let i = 0; i < kept.length; ++i) {
      const f = kept[i];
      end += f.pause;
      const last = i === kept.length - 1;
      if (last || end > performance.now()) {
        show(f);
      } else {
        for (const [name, args] of f.effects) A[name](...args);
      }
      if (!last && f.pause > 0) await until(end);
    }
  };
})(window.aritmetica = window.aritmetica || {});
