"""One driver for the page's tests in three engines (catches nothing by
itself: the tests that use it say what they catch).

Opens the page from a site folder, served by Python's own static server on
127.0.0.1, or from a single HTML file as a file:// URL (Target), in:

  chromium  Debian's chromium through chromium-driver (selenium), headless.
  firefox   Debian's firefox-esr through puppeteer-core over WebDriver BiDi
            (firefox.mjs: Debian has no geckodriver), headless.
  webkit    WebKitGTK: Debian's WebKitWebDriver with its MiniBrowser
            (selenium), in a real window on an Xvfb of its own.

Every engine gives real input at CSS pixels of the page (mouse, keys typed
as key events, accented letters too, WebDriver's key codes such as
'\\ue003' for Backspace), runs scripts in the page (an async function body),
takes screenshots, and reports the page's errors (CONSOLE_CATCHER, put
before the page's own scripts, the same in every engine). What differs is
in CAN, checked on Debian 12 with chromium 156, firefox-esr 153, WebKitGTK 2.50.

Exit code 77 tells CTest the test was skipped: no page built, or the
engine's browser is not installed.
"""
# What each engine's automation can do:
#   touch   a finger is a touch pointer (WebKitGTK dispatches it as the mouse)
#   ratio   a device pixel ratio can be emulated
#   cdp     Chromium's DevTools: composition (Input.imeSetComposition), a
#           cancelled touch (Input.dispatchTouchEvent touchCancel), the
#           network taken away, installability (no engine's actions compose
#           or cancel a touch)
# Everywhere: a long press is down, ('pause', ms, 0), up in one pointer()
# call (chromium drops a press held across two); the back and forward
# buttons reach the page in chromium (which would go back in its history)
# and firefox; webkit turns them into the left button.
CAN = {
    'chromium': {'touch': True, 'ratio': True, 'cdp': True},
    'firefox': {'touch': True, 'ratio': True, 'cdp': False},
    'webkit': {'touch': False, 'ratio': False, 'cdp': False},
}
import base64
import functools
import http.server
import io
import json
import os
import queue
import shutil
import socketserver
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import warnings

SKIP = 77
HERE = os.path.dirname(os.path.abspath(__file__))
MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
NEEDS = {'chromium': ['chromium', 'chromedriver'], 'firefox': ['firefox-esr', 'node'],
         'webkit': ['WebKitWebDriver', MINIBROWSER]}
TIMEOUT = 60  # seconds for one command: a hang becomes a failure


def arguments(argv):
    """(engine, page, rest) of TEST [--engine E] [SITE_DIR | PAGE.html] [MORE...];
    defaults $ARITMETICA_BROWSER or chromium, $ARITMETICA_WEB_PAGE or build-web/test-site."""
    args = list(argv[1:])
    engine = os.environ.get('ARITMETICA_BROWSER', 'chromium')
    if args[:1] == ['--engine']:
        engine = args[1]
        del args[:2]
    if engine not in CAN:
        sys.exit(f'{argv[0]}: unknown engine {engine!r} (one of {", ".join(CAN)})')
    page = args.pop(0) if args else os.environ.get('ARITMETICA_WEB_PAGE', 'build-web/test-site')
    return engine, page, args


def skip_unless_ready(page, engine='chromium'):
    if not os.path.exists(os.path.join(page, 'index.html') if os.path.isdir(page) else page):
        print(f'skipped: no page at {page} (tools/build-web builds it)')
        sys.exit(SKIP)
    missing = [p for p in NEEDS[engine] if not shutil.which(p)]
    if missing:
        print(f'skipped: {", ".join(missing)} not installed')
        sys.exit(SKIP)
    if engine == 'firefox' and not os.path.isdir(os.path.join(HERE, 'node_modules', 'puppeteer-core')):
        sys.exit(f'puppeteer-core is missing: run tools/install-deps (npm ci in {HERE})')
    try:
        import selenium  # noqa: F401
    except ImportError:
        print('skipped: python3-selenium is not installed')
        sys.exit(SKIP)


# Before the page's own scripts: its errors, the same in every engine.
CONSOLE_CATCHER = """<script>(function () {
  const caught = window.__consoleErrors = [];
  const error = console.error.bind(console);
  console.error = (...a) => { caught.push('console: ' + a.map(String).join(' ')); error(...a); };
  addEventListener('error', (e) => caught.push(e.target === window ? 'uncaught: ' + e.message
      : 'failed to load: ' + (e.target.src || e.target.href)), true);
  addEventListener('unhandledrejection', (e) => caught.push('uncaught: ' + e.reason));
})();</script>"""
# For Target.held: the program is compiled but not started until the test
# calls __releaseProgram() (the start-up seen with all the time in the world).
PROGRAM_HOLDER = """<script>(function () {
  const instantiate = WebAssembly.instantiate;
  const gate = new Promise((resolve) => { window.__releaseProgram = resolve; });
  WebAssembly.instantiate = (...a) => gate.then(() => instantiate.apply(WebAssembly, a));
})();</script>"""


def prepared(html, held=False):
    at = html.find('<head>') + len('<head>')
    return html[:at] + (PROGRAM_HOLDER if held else '') + CONSOLE_CATCHER + html[at:]


class Target:
    """Where the page is opened: a site folder on a free port of 127.0.0.1
    (`served`), or a single HTML file copied alone into an empty folder (as
    onto a USB stick), as a file:// URL; `held` is the same page with the
    program held back."""

    def __init__(self, page):
        self.httpd = self.folder = None
        self.served = os.path.isdir(page)
        if self.served:
            self.httpd = socketserver.ThreadingTCPServer(('127.0.0.1', 0), functools.partial(Quiet, directory=page))
            self.httpd.daemon_threads = True
            self.url = f'http://127.0.0.1:{self.httpd.server_address[1]}/'
            self.held = self.url + 'held.html'
            threading.Thread(target=self.httpd.serve_forever, daemon=True).start()
            return
        self.folder = tempfile.mkdtemp(prefix='aritmetica-')
        with open(page, encoding='utf-8') as f:
            html = f.read()
        self.url, self.held = (self._write(folder, os.path.basename(page), prepared(html, held))
                               for folder, held in (('stick', False), ('held', True)))

    def _write(self, folder, name, html):
        os.mkdir(os.path.join(self.folder, folder))
        path = os.path.join(self.folder, folder, name)
        with open(path, 'w', encoding='utf-8') as out:
            out.write(html)
        return 'file://' + path

    def close(self):
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
        if self.folder:
            shutil.rmtree(self.folder, ignore_errors=True)


Server = Target  # the site folder on 127.0.0.1 (the benchmarks and the monkey)


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                      '.woff2': 'font/woff2', '.js': 'text/javascript'}

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        held = os.path.basename(path) == 'held.html'  # a name the service worker does not keep
        if held:
            path = os.path.join(os.path.dirname(path), 'index.html')
        if not path.endswith('.html') or not os.path.isfile(path):
            return super().send_head()
        with open(path, encoding='utf-8') as f:
            body = prepared(f.read(), held).encode()
        self.send_response(200)
        self.send_header('Content-Type', 'text/html; charset=utf-8')
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        return io.BytesIO(body)

    def log_message(self, *args):
        pass


class Engine:
    """What the tests ask of every engine; an engine fills in goto,
    _evaluate, pointer, type, screenshot, viewport and close."""
    name = ''

    def __init__(self):
        self.can = CAN[self.name]

    def open(self, url):
        self.goto(url)
        self.wait('window.aritmetica && aritmetica.ready')

    def js(self, script, *args):
        """Runs an async function body in the page (arguments[i] are args)."""
        return self._evaluate(script, list(args))

    def title(self):
        return self.js('return document.title')

    def wait(self, condition, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if self.js('return !!(' + condition + ')'):
                return
            time.sleep(0.02)
        raise AssertionError('timed out waiting for ' + condition)

    def errors(self):
        """What went wrong in the page since the last asking."""
        return self.js('return (window.__consoleErrors || []).splice(0)')

    def idle(self):
        self.js('await aritmetica.idle()')

    def run(self, lines):
        """Scenario input commands on the page's program; '' or the error."""
        return self.js('return await aritmetica.run(arguments[0])', lines)

    def query(self, word):
        return self.js('return aritmetica.query(arguments[0])', word)

    def where(self, word):
        """A control's centre ("Form14.Text1") or a position of twips ("X Y")."""
        at = self.js('return aritmetica.where(arguments[0])', word)
        assert at, word + ' is not on the screen shown'
        return at['x'], at['y']

    def pixel(self, x, y):
        """The board's colour at logical pixel (x, y), as (r, g, b)."""
        return tuple(self.js("""
            const c = aritmetica.canvas.board, k = c.width / 792;
            const d = c.getContext('2d').getImageData(Math.floor((arguments[0] + 0.5) * k),
                                                      Math.floor((arguments[1] + 0.5) * k), 1, 1).data;
            return [d[0], d[1], d[2]];""", x, y))

    def canvas_png(self, path):
        data = self.js("return aritmetica.canvas.board.toDataURL('image/png')")
        with open(path, 'wb') as f:
            f.write(base64.b64decode(data.split(',', 1)[1]))

    def click(self, x, y, kind='mouse'):
        """A press and a release at (x, y) in CSS pixels: a click, or a tap."""
        self.pointer([('down', x, y), ('up', x, y)], kind)
        self.idle()

    def drag(self, a, b, kind='mouse', steps=8):
        path = [(a[0] + (b[0] - a[0]) * i / steps, a[1] + (b[1] - a[1]) * i / steps) for i in range(1, steps + 1)]
        self.pointer([('down', *a)] + [('move', *p) for p in path] + [('up', *b)], kind)
        self.idle()

    def keys(self, text):
        """Each character as a key press, then waits for the program."""
        self.type(text)
        self.idle()


class Selenium(Engine):
    """The engines that selenium drives (chromium, webkit)."""

    def goto(self, url):
        self.driver.get(url)

    def _evaluate(self, script, args):
        # WebDriver waits for the promise, and raises what it rejects with
        return self.driver.execute_script('return (async function () {' + script + '\n}).apply(null, arguments)', *args)

    def pointer(self, steps, kind='mouse', button=0):
        """Steps ('down'|'move'|'up', x, y) of one pointer, "mouse" or
        "touch", at CSS pixels, or ('pause', ms, 0); the mouse's button 0
        left, 1 middle, 2 right, 3 back, 4 forward. Does not wait."""
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.pointer_input import PointerInput
        actions = ActionBuilder(self.driver, mouse=PointerInput(kind, kind))
        p = actions.pointer_action
        at = None
        for verb, x, y in steps:
            if verb == 'pause':
                p.pause(x / 1000)
                continue
            if (int(x), int(y)) != at:  # each move costs the driver a frame
                at = int(x), int(y)
                p.move_to_location(*at)
            if verb == 'down':
                p.pointer_down(button=button)
            elif verb == 'up':
                p.pointer_up(button=button)
        actions.perform()

    def type(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(text).perform()

    def screenshot(self, path):
        self.driver.save_screenshot(path)

    def close(self):
        self.driver.quit()


class Chromium(Selenium):
    name = 'chromium'

    def __init__(self, width=792, height=573):
        super().__init__()
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix='aritmetica-chromium-')
        opts = webdriver.ChromeOptions()
        for a in ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--autoplay-policy=user-gesture-required', '--user-data-dir=' + self.profile]:
            opts.add_argument(a)
        opts.binary_location = shutil.which('chromium')
        self.driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=opts)
        self.driver.set_script_timeout(TIMEOUT)
        self.viewport(width, height)

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def viewport(self, width, height, ratio=1):
        self.cdp('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': ratio, 'mobile': False})

    def close(self):
        super().close()
        shutil.rmtree(self.profile, ignore_errors=True)


class WebKit(Selenium):
    name = 'webkit'

    def __init__(self, width=792, height=573):
        super().__init__()
        from selenium import webdriver
        self.xvfb, display = start_xvfb()
        shown = os.environ.get('DISPLAY')
        os.environ['DISPLAY'] = display  # the driver starts MiniBrowser there
        opts = webdriver.WebKitGTKOptions()
        opts.binary_location = MINIBROWSER
        opts.add_argument('--automation')
        with warnings.catch_warnings():  # Debian's selenium 4.8 warns of its own WebKitGTK class
            warnings.simplefilter('ignore', DeprecationWarning)
            self.driver = webdriver.WebKitGTK(executable_path=shutil.which('WebKitWebDriver'), options=opts,
                                              service_log_path=os.devnull)
        if shown is None:
            del os.environ['DISPLAY']
        else:
            os.environ['DISPLAY'] = shown
        self.driver.set_script_timeout(TIMEOUT)
        self.viewport(width, height)

    def viewport(self, width, height, ratio=1):
        """The window grown by MiniBrowser's own bar so that the page gets
        width x height CSS pixels."""
        assert ratio == 1, 'WebKitGTK cannot emulate a device pixel ratio'
        self.driver.set_window_size(width, height)
        inner = self.js('return [innerWidth, innerHeight]')
        if inner != [width, height]:
            self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])
        self.js('await new Promise(requestAnimationFrame)')

    def close(self):
        super().close()
        self.xvfb.terminate()
        self.xvfb.wait()


def start_xvfb():
    """An Xvfb on the first free display (not $DISPLAY, where the desktop
    tests move the mouse): (process, ':N')."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1600x1200x24', '-nolisten', 'tcp'],
                            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        number = f.readline().strip()
    if not number:
        raise RuntimeError('Xvfb did not start')
    return xvfb, ':' + number


# WebDriver's key codes, as puppeteer names the keys.
BIDI_KEYS = {'\ue003': 'Backspace', '\ue004': 'Tab', '\ue006': 'Enter', '\ue007': 'Enter', '\ue008': 'Shift',
             '\ue009': 'Control', '\ue00a': 'Alt', '\ue00c': 'Escape', '\ue00d': ' ', '\ue010': 'End',
             '\ue011': 'Home', '\ue012': 'ArrowLeft', '\ue013': 'ArrowUp', '\ue014': 'ArrowRight',
             '\ue015': 'ArrowDown', '\ue017': 'Delete', '\ue03b': 'F11',
             **{chr(0xe01a + d): f'Numpad{d}' for d in range(10)}}


class Firefox(Engine):
    """firefox.mjs's commands, one JSON line each way."""
    name = 'firefox'

    def __init__(self, width=792, height=573):
        super().__init__()
        self.bridge = subprocess.Popen(['node', os.path.join(HERE, 'firefox.mjs'), shutil.which('firefox-esr')],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, encoding='utf-8')
        self.answers = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.viewport(width, height)

    def _read(self):
        for line in self.bridge.stdout:
            self.answers.put(json.loads(line))
        self.answers.put({'error': 'the Firefox bridge ended'})

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

    def _evaluate(self, script, args):
        return self._call('evaluate', script=script, args=args)

    def viewport(self, width, height, ratio=1):
        self._call('viewport', width=width, height=height, ratio=ratio)

    def pointer(self, steps, kind='mouse', button=0):
        self._call('pointer', kind=kind, button=button, steps=[[verb, x, y] for verb, x, y in steps])

    def type(self, text):
        for ch in text:  # WebDriver's key codes by name, the rest as typed text
            self._call('press', key=BIDI_KEYS[ch]) if ch in BIDI_KEYS else self._call('type', text=ch)

    def screenshot(self, path):
        self._call('screenshot', path=os.path.abspath(path))

    def close(self):
        self.bridge.stdin.close()
        try:
            self.bridge.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.bridge.kill()


def Browser(width=792, height=573, engine='chromium'):
    """A fresh browser of the engine with a page of width x height CSS pixels."""
    return {'chromium': Chromium, 'firefox': Firefox, 'webkit': WebKit}[engine](width, height)


class PageCase(unittest.TestCase):
    """One browser of `engine` for the whole class, its window `size` in CSS
    pixels, and the `page` ready to open at cls.target.url."""
    engine, page, size = 'chromium', 'build-web/test-site', (792, 573)

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(*cls.size, engine=cls.engine)
        cls.target = Target(cls.page)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.target.close()
