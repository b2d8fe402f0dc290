// The page's side of the boundary (src/web/boundary.h): an input event
// written into its record, and a frame read from its buffer, both by the
// names of layout.js, which write-layout makes from the C++ tables at build
// time. Knows nothing of what the fields mean.
import { inputFields, keyNameUnits, frameFields, frameTexts, choices } from './layout.js';

export const inputSize = inputFields.length + 1 + keyNameUnits;

// One event ({ event: 'press', x, y, button: 'left', shift: true, ... },
// a key by `name` or `character`) into `record`, a Float64Array of
// inputSize numbers; a field not given is 0, a name not in its list is out
// of the table (the program refuses the record).
export function writeInput(record, event) {
  record.fill(0);
  inputFields.forEach((field, i) => {
    const value = event[field];
    if (value !== undefined) record[i] = choices[field] ? choices[field].indexOf(value) : Number(value);
  });
  const name = event.name || '';
  record[inputFields.length] = name.length;
  for (let i = 0; i < name.length && i < keyNameUnits; ++i) record[inputFields.length + 1 + i] = name.charCodeAt(i);
}

// The frame at the start of `b` (a Float64Array): its fields by name, the
// sounds as { kind, key, text }, and the drawing (a copy) when `picture`.
export function readFrame(b) {
  const frame = {};
  let i = 0;
  const text = () => {
    const n = b[i];
    const s = String.fromCharCode(...b.subarray(i + 1, i + 1 + n));
    i += 1 + n;
    return s;
  };
  for (const field of frameFields) {
    const value = b[i++];
    frame[field] = choices[field] ? choices[field][value] : value;
  }
  for (const field of frameTexts) frame[field] = text();
  frame.sounds = [];
  for (let n = b[i++]; n > 0; --n) frame.sounds.push({ kind: choices.sound[b[i++]], key: text(), text: text() });
  if (frame.picture) frame.drawing = b.slice(i + 1, i + 1 + b[i]);
  return frame;
}
