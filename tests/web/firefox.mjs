// Drives Debian's firefox-esr for browser.py's Firefox class: puppeteer-core
// over WebDriver BiDi (Debian has no geckodriver), never a downloaded browser.
// Reads one JSON command a line on stdin and answers each with one JSON line
// on stdout, {"value": ...} or {"error": "..."}; ends with stdin.
//
//   node firefox.mjs FIREFOX_BINARY
//
// Commands ({"do": NAME, ...}):
//   viewport width height ratio     the page's size in CSS pixels, device pixel ratio
//   goto url                        loads a page and waits for its load event
//   evaluate script args            runs an async function body with args; its result
//   pointer kind steps button       kind "mouse" or "touch"; steps [["move"|"down"|"up", x, y], ...],
//                                   or ["pause", ms];
//                                   the mouse's button 0-4 (left, middle, right, back, forward)
//   type text                       each character as a key press (accented letters too)
//   press key                       one named key ("Backspace", "Tab", "Enter")
//   screenshot path                 the page as PNG
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const [binary] = process.argv.slice(2);
const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: binary,
  headless: true,  // with Firefox's own preferences: its autoplay policy too
});
const page = (await browser.pages())[0] || await browser.newPage();

let touch = null;  // the finger down, a TouchHandle
const buttons = ['left', 'middle', 'right', 'back', 'forward'];
async function pointer(kind, steps, button) {
  for (const [verb, x, y] of steps) {
    if (verb === 'pause') {
      await new Promise((resolve) => setTimeout(resolve, x));
    } else if (kind === 'mouse') {
      const options = { button: buttons[button || 0] };
      if (verb === 'move') await page.mouse.move(x, y);
      else if (verb === 'down') { await page.mouse.move(x, y); await page.mouse.down(options); }
      else if (verb === 'up') { await page.mouse.move(x, y); await page.mouse.up(options); }
    } else if (verb === 'down') {
      touch = await page.touchscreen.touchStart(x, y);
    } else if (verb === 'move' && touch) {
      await touch.move(x, y);
    } else if (verb === 'up' && touch) {
      await touch.end();
      touch = null;
    }
  }
}

const commands = {
  viewport: ({ width, height, ratio }) => page.setViewport({ width, height, deviceScaleFactor: ratio || 1 }),
  goto: ({ url }) => page.goto(url, { waitUntil: 'load' }).then(() => null),
  evaluate: ({ script, args }) =>
    page.evaluate(`(async function () { ${script}\n }).apply(null, ${JSON.stringify(args || [])})`),
  pointer: ({ kind, steps, button }) => pointer(kind, steps, button),
  type: ({ text }) => page.keyboard.type(text),
  press: ({ key }) => page.keyboard.press(key),
  screenshot: ({ path }) => page.screenshot({ path }).then(() => null),
};

const lines = createInterface({ input: process.stdin });
for await (const line of lines) {
  let answer;
  try {
    const command = JSON.parse(line);
    const run = commands[command.do];
    if (!run) throw new Error('unknown command ' + command.do);
    const value = await run(command);
    answer = { value: value === undefined ? null : value };
  } catch (err) {
    answer = { error: String(err && err.stack || err) };
  }
  process.stdout.write(JSON.stringify(answer) + '\n');
}
await browser.close();
