"""One driver for the page's tests in three engines (it catches nothing by
itself): Page, one interface, with a thin adapter for each engine:
chromium (Debian's, with chromium-driver, through selenium, headless),
firefox (firefox-esr through puppeteer-core over WebDriver BiDi, firefox.mjs:
Debian has no geckodriver) and webkit (WebKitWebDriver and MiniBrowser
through selenium, on an Xvfb of its own). Every wait is for a state of the
page, none for a time; a command that hangs fails after TIMEOUT.
"""
import functools
import http.server
import json
import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import warnings

# What each engine's automation can do (Debian 12: chromium 156, firefox-esr
# 153, WebKitGTK 2.50):
#   touch  a finger is a touch pointer (WebKitGTK's is the mouse)
#   ratio  a device pixel ratio can be emulated
#   cdp    Chromium's DevTools: composition, a cancelled touch, the network
#          taken away, installability
# The back and forward buttons reach the page in chromium and firefox;
# webkit turns them into the left button.
CAN = {
    'chromium': {'touch': True, 'ratio': True, 'cdp': True},
    'firefox': {'touch': True, 'ratio': True, 'cdp': False},
    'webkit': {'touch': False, 'ratio': False, 'cdp': False},
}
HERE = os.path.dirname(os.path.abspath(__file__))
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
NEEDS = {'chromium': ['chromium', 'chromedriver'], 'firefox': ['firefox-esr', 'node'],
         'webkit': ['WebKitWebDriver', MINIBROWSER, 'Xvfb']}
TIMEOUT = 180  # seconds: generous, for a machine busy with a build


def arguments(argv):
    """(engine, page, rest) of TEST [--engine E] [SITE_DIR | PAGE.html] [MORE...];
    exits 77 when the page is not built or the engine not installed."""
    args = list(argv[1:])
    engine = args[1] if args[:1] == ['--engine'] else 'chromium'
    del args[:2 if args[:1] == ['--engine'] else 0]
    page = args.pop(0) if args else 'build-web/test-site'
    missing = [p for p in NEEDS[engine] if not shutil.which(p)]
    if not os.path.exists(os.path.join(page, 'index.html') if os.path.isdir(page) else page):
        missing.append(page + ' (tools/build-web builds it)')
    if engine == 'firefox' and not os.path.isdir(os.path.join(HERE, 'node_modules', 'puppeteer-core')):
        sys.exit(f'puppeteer-core is missing: run tools/install-deps (npm ci in {HERE})')
    if missing:
        print('skipped: no ' + ', '.join(missing))
        sys.exit(77)
    return engine, page, args


# Before the page's own scripts, in every engine: the page's errors.
CATCHER = """<script>(function () {
  const caught = window.__consoleErrors = [];
  const error = console.error.bind(console);
  console.error = (...a) => { caught.push('console: ' + a.map(String).join(' ')); error(...a); };
  addEventListener('error', (e) => caught.push(e.target === window ? 'uncaught: ' + e.message
      : 'failed to load: ' + (e.target.src || e.target.href)), true);
  addEventListener('unhandledrejection', (e) => caught.push('uncaught: ' + e.reason));
})();</script>"""
# The held page: the program compiled but not started till __releaseProgram().
HOLDER = """<script>(function () {
  const instantiate = WebAssembly.instantiate;
  const gate = new Promise((resolve) => { window.__releaseProgram = resolve; });
  WebAssembly.instantiate = (...a) => gate.then(() => instantiate.apply(WebAssembly, a));
})();</script>"""


class Target:
    """The page, prepared, in a folder of its own: `url` and, held back,
    `held` (a name the service worker does not keep); a site folder is
    served on a free port of 127.0.0.1 (`served`), a single file opened as
    file:// (as from a USB stick). `plain`: the site as it is (the benchmark)."""

    def __init__(self, page, plain=False):
        self.folder, self.served, self.httpd = tempfile.mkdtemp(prefix='aritmetica-'), os.path.isdir(page), None
        name = 'index.html' if self.served else os.path.basename(page)
        if self.served:
            shutil.copytree(page, self.folder, dirs_exist_ok=True)
        with open(os.path.join(page, name) if self.served else page, encoding='utf-8') as f:
            html = f.read()
        at = html.find('<head>') + len('<head>')
        for held, file in () if plain else ((False, name), (True, 'held.html')):
            with open(os.path.join(self.folder, file), 'w', encoding='utf-8') as out:
                out.write(html[:at] + (HOLDER if held else '') + CATCHER + html[at:])
        self.url, self.held = 'file://' + os.path.join(self.folder, name), 'file://' + os.path.join(self.folder, 'held.html')
        if self.served:
            self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(
                Quiet, directory=self.folder))
            self.url = f'http://127.0.0.1:{self.httpd.server_address[1]}/'
            self.held = self.url + 'held.html'
            threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
        shutil.rmtree(self.folder, ignore_errors=True)


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {'.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                      '.woff2': 'font/woff2', '.js': 'text/javascript'}

    def log_message(self, *args):
        pass


class Page:
    """What the tests ask of the page, the same in every engine; an adapter
    gives goto, _js, pointer (steps ('down'|'move'|'up', x, y) at CSS pixels,
    or ('pause', ms, 0); "mouse" or "touch"; buttons 0-4 left, middle, right,
    back, forward), type (WebDriver's key codes too: '\\ue003' Backspace),
    viewport and close."""

    def open(self, url):
        self.goto(url)
        self.wait('window.aritmetica && aritmetica.ready')

    def js(self, script, *args):  # an async function body; arguments[i] are args
        return self._js(script, list(args))

    def wait(self, condition):
        end = time.monotonic() + TIMEOUT
        while not self.js('return !!(' + condition + ')'):
            if time.monotonic() > end:
                raise AssertionError('timed out waiting for ' + condition)
            time.sleep(0.02)  # between two askings

    def title(self):
        return self.js('return document.title')

    def errors(self):  # what went wrong in the page since the last asking
        return self.js('return (window.__consoleErrors || []).splice(0)')

    def idle(self):  # till all the input sent has been handled and played
        self.js('await aritmetica.idle()')

    def run(self, lines):  # scenario input commands; '' or the error
        return self.js('return await aritmetica.run(arguments[0])', lines)

    def query(self, word):
        return self.js('return aritmetica.query(arguments[0])', word)

    def where(self, word):  # a control's centre ("Form14.Text1") or twips ("X Y"), in CSS pixels
        at = self.js('return aritmetica.where(arguments[0])', word)
        assert at, word + ' is not on the screen shown'
        return at['x'], at['y']

    def pixel(self, x, y):  # the board's (r, g, b) at logical pixel (x, y)
        return tuple(self.js("""const c = document.getElementById('board'), k = c.width / 792, at = (v) => Math.floor((v + 0.5) * k);
            return Array.from(c.getContext('2d').getImageData(at(arguments[0]), at(arguments[1]), 1, 1).data.slice(0, 3));""",
                             x, y))

    def click(self, x, y, kind='mouse', button=0):
        self.pointer([('down', x, y), ('up', x, y)], kind, button)
        self.idle()

    def drag(self, a, b, kind='mouse', steps=8):
        path = [(a[0] + (b[0] - a[0]) * i / steps, a[1] + (b[1] - a[1]) * i / steps) for i in range(1, steps + 1)]
        self.pointer([('down', *a)] + [('move', *p) for p in path] + [('up', *b)], kind)
        self.idle()

    def keys(self, text):
        self.type(text)
        self.idle()


class Selenium(Page):  # chromium and webkit

    def goto(self, url):
        self.driver.get(url)

    def _js(self, script, args):
        return self.driver.execute_script('return (async function () {' + script + '\n}).apply(null, arguments)', *args)

    def pointer(self, steps, kind='mouse', button=0):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.pointer_input import PointerInput
        actions = ActionBuilder(self.driver, mouse=PointerInput(kind, kind))
        p, at = actions.pointer_action, None
        for verb, x, y in steps:
            if verb == 'pause':
                p.pause(x / 1000)
                continue
            if (int(x), int(y)) != at:
                at = int(x), int(y)
                p.move_to_location(*at)
            if verb != 'move':
                (p.pointer_down if verb == 'down' else p.pointer_up)(button=button)
        actions.perform()

    def type(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(text).perform()

    def close(self):
        self.driver.quit()


class Chromium(Selenium):
    def __init__(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix='aritmetica-chromium-')
        opts = webdriver.ChromeOptions()
        for a in ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                  '--disable-component-update', '--autoplay-policy=user-gesture-required',
                  '--user-data-dir=' + self.profile]:
            opts.add_argument(a)
        opts.binary_location = shutil.which('chromium')
        self.driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=opts)
        self.driver.set_script_timeout(TIMEOUT)
        self.driver.set_page_load_timeout(TIMEOUT)

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def viewport(self, width, height, ratio=1):
        self.cdp('Emulation.setDeviceMetricsOverride',
                 {'width': width, 'height': height, 'deviceScaleFactor': ratio, 'mobile': False})

    def close(self):
        super().close()
        shutil.rmtree(self.profile, ignore_errors=True)


class WebKit(Selenium):
    def __init__(self):
        from selenium import webdriver
        self.xvfb = subprocess.Popen(['Xvfb', '-displayfd', '1', '-screen', '0', '1600x1200x24', '-nolisten', 'tcp'],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        display = self.xvfb.stdout.readline().strip()  # a display of its own, where no other test moves the mouse
        opts = webdriver.WebKitGTKOptions()
        opts.binary_location = MINIBROWSER
        opts.add_argument('--automation')
        shown, os.environ['DISPLAY'] = os.environ.get('DISPLAY'), ':' + display  # where the driver starts MiniBrowser
        with warnings.catch_warnings():  # Debian's selenium 4.8 warns of its own WebKitGTK class
            warnings.simplefilter('ignore', DeprecationWarning)
            self.driver = webdriver.WebKitGTK(executable_path=shutil.which('WebKitWebDriver'), options=opts,
                                              service_log_path=os.devnull)
        os.environ.pop('DISPLAY') if shown is None else os.environ.update(DISPLAY=shown)
        self.driver.set_script_timeout(TIMEOUT)
        self.driver.set_page_load_timeout(TIMEOUT)

    def viewport(self, width, height, ratio=1):
        """The window grown by MiniBrowser's bar till the page has width x height CSS pixels
        (the window manager-less X server may take a while to resize)."""
        assert ratio == 1, 'WebKitGTK cannot emulate a device pixel ratio'
        end, held = time.monotonic() + TIMEOUT, 0
        while time.monotonic() < end:
            w, h, bar_w, bar_h = self.js('await new Promise(requestAnimationFrame); await new Promise(requestAnimationFrame);'
                                         'return [innerWidth, innerHeight, outerWidth - innerWidth, outerHeight - innerHeight]')
            held = held + 1 if [w, h] == [width, height] else 0
            if held == 2:  # the size held over two frames: the resize is over
                return
            if not held:
                self.driver.set_window_size(width + bar_w, height + bar_h)
        raise AssertionError(f'webkit: the window never gave the page {width} x {height}')

    def close(self):
        super().close()
        self.xvfb.terminate()
        self.xvfb.wait()
        self.xvfb.stdout.close()


# WebDriver's key codes, as puppeteer names the keys.
NAMED_KEYS = {'\ue003': 'Backspace', '\ue004': 'Tab', '\ue006': 'Enter', '\ue007': 'Enter', '\ue008': 'Shift',
              '\ue00c': 'Escape', '\ue00d': ' ', '\ue011': 'Home', '\ue012': 'ArrowLeft', '\ue017': 'Delete',
              **{chr(0xe01a + d): f'Numpad{d}' for d in range(10)}}


class Firefox(Page):
    """firefox.mjs's commands, one JSON line each way."""

    def __init__(self):
        self.bridge = subprocess.Popen(['node', os.path.join(HERE, 'firefox.mjs'), shutil.which('firefox-esr')],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, encoding='utf-8')
        self.answers = queue.Queue()
        threading.Thread(target=lambda: [*map(self.answers.put, map(json.loads, self.bridge.stdout)),
                                         self.answers.put({'error': 'the bridge ended'})], daemon=True).start()

    def _call(self, command, **args):
        self.bridge.stdin.write(json.dumps({'do': command, **args}) + '\n')
        self.bridge.stdin.flush()
        try:
            answer = self.answers.get(timeout=TIMEOUT)
        except queue.Empty:
            raise AssertionError(f'firefox: no answer to {command} in {TIMEOUT} s') from None
        if 'error' in answer:
            raise AssertionError(f'firefox: {command}: {answer["error"]}')
        return answer['value']

    def goto(self, url):
        self._call('goto', url=url)

    def _js(self, script, args):
        return self._call('evaluate', script=script, args=args)

    def viewport(self, width, height, ratio=1):
        self._call('viewport', width=width, height=height, ratio=ratio)

    def pointer(self, steps, kind='mouse', button=0):
        self._call('pointer', kind=kind, button=button, steps=steps)

    def type(self, text):
        for ch in text:
            self._call('press', key=NAMED_KEYS[ch]) if ch in NAMED_KEYS else self._call('type', text=ch)

    def close(self):
        self.bridge.stdin.close()
        try:
            self.bridge.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.bridge.kill()


def Browser(width=792, height=573, engine='chromium'):
    """A fresh browser of the engine, its page width x height CSS pixels."""
    page = {'chromium': Chromium, 'firefox': Firefox, 'webkit': WebKit}[engine]()
    page.name, page.can = engine, CAN[engine]
    page.viewport(width, height)
    return page


def main(argv):
    """unittest's main, but a test whose browser was lost (WebKitGTK's web
    process can go away on a loaded X server: every later command then fails
    in the driver, not in an assertion) runs once more in a fresh browser."""
    run = unittest.main(argv=argv, verbosity=2, exit=False).result
    lost = [test for test, trace in run.errors
            if isinstance(test, unittest.TestCase) and 'selenium.common.exceptions.WebDriverException' in trace]
    if lost and len(lost) == len(run.errors) and not run.failures:
        print(f'the browser was lost: {len(lost)} tests again in a fresh one', flush=True)
        again = unittest.TestSuite(type(t)(t._testMethodName) for t in dict.fromkeys(lost))
        run = unittest.TextTestRunner(verbosity=2).run(again)
    sys.exit(not run.wasSuccessful())


class PageCase(unittest.TestCase):
    """One browser of `engine` for the class, and the `page` at cls.target."""
    engine, page, size = 'chromium', 'build-web/test-site', (792, 573)

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(*cls.size, engine=cls.engine)
        cls.target = Target(cls.page)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.target.close()
