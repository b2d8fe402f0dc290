"""Headless Chromium on the browser edition, served on 127.0.0.1.

Serves a site folder with Python's own static server, drives Debian's
chromium through chromium-driver, and gives the tests real input (mouse,
touch and key events dispatched by the browser) at the places of the
program's controls. Exit code 77 tells CTest the test was skipped: no site
built, or no browser.
"""
import base64
import functools
import http.server
import os
import shutil
import socketserver
import sys
import tempfile
import threading
import time

SKIP = 77


def skip_unless_ready(site):
    if not os.path.exists(os.path.join(site, 'index.html')):
        print(f'skipped: no site in {site} (tools/build-web builds it)')
        sys.exit(SKIP)
    if not shutil.which('chromium') or not shutil.which('chromedriver'):
        print('skipped: chromium and chromium-driver are not installed')
        sys.exit(SKIP)
    try:
        import selenium  # noqa: F401
    except ImportError:
        print('skipped: python3-selenium is not installed')
        sys.exit(SKIP)


class Server:
    """The site on a free port of 127.0.0.1, in a thread."""

    def __init__(self, site):
        handler = functools.partial(Quiet, directory=site)
        self.httpd = socketserver.ThreadingTCPServer(('127.0.0.1', 0), handler)
        self.httpd.daemon_threads = True
        self.url = f'http://127.0.0.1:{self.httpd.server_address[1]}/'
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                      '.woff2': 'font/woff2', '.js': 'text/javascript'}

    def log_message(self, *args):
        pass


class Browser:
    def __init__(self, width=792, height=573, ratio=1):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        self.profile = tempfile.mkdtemp(prefix='aritmetica-chromium-')
        opts = webdriver.ChromeOptions()
        for a in ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                  '--disable-background-networking', '--disable-component-update', '--disable-sync',
                  '--autoplay-policy=user-gesture-required', '--user-data-dir=' + self.profile]:
            opts.add_argument(a)
        opts.binary_location = shutil.which('chromium')
        opts.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=opts)
        self.viewport(width, height, ratio)

    def viewport(self, width, height, ratio=1):
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': ratio, 'mobile': False})

    def open(self, url):
        self.driver.get(url)
        self.wait('window.aritmetica && aritmetica.ready')

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if self.js('return !!(' + condition + ')'):
                return
            time.sleep(0.02)
        raise AssertionError('timed out waiting for ' + condition)

    def idle(self):
        self.driver.execute_async_script('aritmetica.idle().then(arguments[0])')

    def run(self, lines):
        """Scenario input commands on the page's program; '' or the error."""
        return self.driver.execute_async_script('aritmetica.run(arguments[0]).then(arguments[1])', lines)

    def query(self, word):
        return self.js('return aritmetica.query(arguments[0])', word)

    def where(self, word):
        at = self.js('return aritmetica.where(arguments[0])', word)
        assert at, word + ' is not on the screen shown'
        return at['x'], at['y']

    def pixel(self, x, y):
        """The board's colour at logical pixel (x, y), as (r, g, b)."""
        return tuple(self.js('''
            const c = aritmetica.canvas.board, k = c.width / 792;
            const d = c.getContext('2d').getImageData(Math.floor((arguments[0] + 0.5) * k),
                                                      Math.floor((arguments[1] + 0.5) * k), 1, 1).data;
            return [d[0], d[1], d[2]];''', x, y))

    def canvas_png(self, path):
        data = self.js("return aritmetica.canvas.board.toDataURL('image/png')")
        with open(path, 'wb') as f:
            f.write(base64.b64decode(data.split(',', 1)[1]))

    def _pointer(self, kind):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.pointer_input import PointerInput
        return ActionBuilder(self.driver, mouse=PointerInput(kind, kind))

    def click(self, x, y, kind='mouse'):
        """A press and a release at (x, y) in CSS pixels: a click, or a tap."""
        actions = self._pointer(kind)
        actions.pointer_action.move_to_location(int(x), int(y)).pointer_down().pointer_up()
        actions.perform()
        self.idle()

    def drag(self, a, b, kind='mouse', steps=8):
        actions = self._pointer(kind)
        p = actions.pointer_action
        p.move_to_location(int(a[0]), int(a[1])).pointer_down()
        for i in range(1, steps + 1):
            p.move_to_location(int(a[0] + (b[0] - a[0]) * i / steps), int(a[1] + (b[1] - a[1]) * i / steps))
        p.pointer_up()
        actions.perform()
        self.idle()

    def keys(self, text):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).send_keys(text).perform()
        self.idle()

    def console_errors(self):
        return [e for e in self.driver.get_log('browser') if e['level'] == 'SEVERE']

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
