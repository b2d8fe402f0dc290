// Catches the page's JavaScript reading a frame or writing an input record
// otherwise than the page's C++ does (src/web/boundary.h, frame-sample).
//
//   node frame_test.mjs BUILD_WEB     (exit 77: not built)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const build = process.argv[2];
const sample = join(build, 'frame-sample.js');
if (!existsSync(sample) || !existsSync(join(build, 'layout.js'))) {
  console.log(`skipped: no ${sample} (tools/build-web builds it)`);
  process.exit(77);
}
// The page's modules as the site has them, beside the layout written at build time.
const site = join(dirname(fileURLToPath(import.meta.url)), '../../src/web/site');
const dir = mkdtempSync(join(tmpdir(), 'aritmetica-frame-'));
writeFileSync(join(dir, 'package.json'), '{"type": "module"}');
copyFileSync(join(build, 'layout.js'), join(dir, 'layout.js'));
copyFileSync(join(site, 'frame.js'), join(dir, 'frame.js'));
const { readFrame, writeInput, inputSize } = await import(join(dir, 'frame.js'));
const run = (...args) => JSON.parse(execFileSync('node', [sample, ...args], { encoding: 'utf8' }));

const known = run();
const frame = readFrame(new Float64Array([...known.buffer, 99, 99]));  // what follows a frame is not read
assert.deepEqual({ ...frame, drawing: Array.from(frame.drawing) }, known.frame);

for (const event of [
  { event: 'press', now: 12.5, x: 396.5, y: -2, button: 'middle', shift: true, alt: true, touch: true },
  { event: 'key', now: 3, name: 'Backspace', ctrl: true, keypad: true, repeat: true },
  { event: 'key', character: 0xE8 },
  { event: 'window', width: 1200, height: 600 },
  { event: 'voice', on: true },
]) {
  const record = new Float64Array(inputSize);
  writeInput(record, event);
  const read = run(Array.from(record).join(','));
  const expected = { event: '', now: 0, x: 0, y: 0, width: 0, height: 0, button: 'left', shift: 0, ctrl: 0, alt: 0,
    touch: 0, keypad: 0, repeat: 0, on: 0, character: 0, name: '', ...event };
  for (const k of Object.keys(expected)) if (typeof expected[k] === 'boolean') expected[k] = Number(expected[k]);
  assert.deepEqual(read, expected, JSON.stringify(event));
}
const record = new Float64Array(inputSize);
writeInput(record, { event: 'squeeze' });
assert.equal(run(Array.from(record).join(',')), null, 'an event out of the list is refused');

console.log('1 passed, 0 failed');
