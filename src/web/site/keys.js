// What a key of the keyboard is worth to the screens, as on the desktop:
// the character code of KeyPress (Latin-1, 0 for keys that give none) and
// the Windows key code of KeyUp (main-keyboard digits 48-57, keypad digits
// 96-105, letters 65-90).
'use strict';
(function (A) {
  const special = {
    Backspace: [8, 8], Enter: [13, 13], Escape: [27, 27], Shift: [0, 16], Control: [0, 17],
    Alt: [0, 18], End: [0, 35], Home: [0, 36], ArrowLeft: [0, 37], ArrowUp: [0, 38],
    ArrowRight: [0, 39], ArrowDown: [0, 40], Delete: [0, 46], ' ': [32, 32],
  };

  // The key code of a character typed on the main keyboard.
  function keyCodeOf(c) {
    if (c >= 0x61 && c <= 0x7A) return c - 32;  // letters, either case
    if (c >= 0x20 && c < 0x7F) return c;          // digits, capitals, punctuation
    return 0;                                     // à è é ì ò ù and the like
  }

  // The shift state of mouse and key events: 1 Shift, 2 Ctrl, 4 Alt.
  A.shiftState = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);

  // [character, keyCode, shift] of a KeyboardEvent, or null for keys the
  // screens never see.
  A.keyCodes = function (e) {
    const shift = A.shiftState(e);
    if (special[e.key]) return [...special[e.key], shift];
    if ([...e.key].length !== 1) return null;
    const c = e.key.codePointAt(0);
    const character = c >= 32 && c < 256 && c !== 127 ? c : 0;
    if (e.location === KeyboardEvent.DOM_KEY_LOCATION_NUMPAD && c >= 0x30 && c <= 0x39)
      return [character, 96 + (c - 0x30), shift];
    const keyCode = keyCodeOf(c);
    if (!character && !keyCode) return null;
    return [character, keyCode, shift];
  };

  // A character that reaches the page as text (an on-screen keyboard).
  A.typed = (c) => [c >= 32 && c < 256 && c !== 127 ? c : 0, keyCodeOf(c), 0];
})(window.aritmetica = window.aritmetica || {});
