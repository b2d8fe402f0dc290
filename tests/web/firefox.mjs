// browser.py's Firefox adapter: Debian's firefox-esr driven by puppeteer-core
// over WebDriver BiDi (Debian has no geckodriver), never a downloaded
// browser. One JSON command a line on stdin ({"do": NAME, ...}: viewport,
// goto, evaluate, pointer, type, press), one answer a line on stdout,
// {"value": ...} or {"error": "..."}; ends with stdin.
//
//   node firefox.mjs FIREFOX_BINARY
import { createInterface } from 'node:readline';
import puppeteer from 'puppeteer-core';

const browser = await puppeteer.launch({ browser: 'firefox', executablePath: process.argv[2], headless: true });
const page = (await browser.pages())[0] || await browser.newPage();
page.setDefaultNavigationTimeout(0);  // browser.py times each command

let touch = null;  // the finger down
async function pointer({ kind, steps, button }) {
  const options = { button: ['left', 'middle', 'right', 'back', 'forward'][button || 0] };
  for (const [verb, x, y] of steps) {
    if (verb === 'pause') await new Promise((resolve) => setTimeout(resolve, x));
    else if (kind === 'mouse') {
      await page.mouse.move(x, y);
      if (verb !== 'move') await page.mouse[verb](options);
    } else if (verb === 'down') touch = await page.touchscreen.touchStart(x, y);
    else if (verb === 'move') await touch?.move(x, y);
    else if (verb === 'up') { await touch?.end(); touch = null; }
  }
}

const commands = {
  viewport: ({ width, height, ratio }) => page.setViewport({ width, height, deviceScaleFactor: ratio || 1 }),
  goto: ({ url }) => page.goto(url, { waitUntil: 'load' }).then(() => null),
  evaluate: ({ script, args }) => page.evaluate(`(async function () { ${script}\n }).apply(null, ${JSON.stringify(args)})`),
  pointer,
  type: ({ text }) => page.keyboard.type(text),
  press: ({ key }) => page.keyboard.press(key),
};

for await (const line of createInterface({ input: process.stdin })) {
  let answer;
  try {
    const command = JSON.parse(line);
    if (!commands[command.do]) throw new Error('unknown command ' + command.do);
    answer = { value: (await commands[command.do](command)) ?? null };
  } catch (err) {
    answer = { error: String(err && err.stack || err) };
  }
  process.stdout.write(JSON.stringify(answer) + '\n');
}
await browser.close();
