#!/usr/bin/python3
"""Benchmarks of the browser edition in headless Chromium (figures only).

    bench/web_bench.py [SITE_DIR] [RUNS]

- start-up: from navigation start to the title's first paint, against a
  floor page that only draws the chalkboard picture on a canvas
  (bench/web_floor.html), alternately in the same run; medians and ratio;
- the site's size, in all and gzipped;
- a key typed into "Numero seguente entro 10" to the repainted answer box
  (from the key event to the end of the canvas's drawing), median of 50.
"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from browser import Browser, Server  # noqa: E402

SITE = sys.argv[1] if len(sys.argv) > 1 else 'build-web/site'
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 15


def site_size():
    total = packed = 0
    for dirpath, _, names in os.walk(SITE):
        for name in names:
            data = open(os.path.join(dirpath, name), 'rb').read()
            total += len(data)
            packed += len(gzip.compress(data, 9))
    return total, packed


def main():
    served = tempfile.mkdtemp(prefix='aritmetica-bench-')
    shutil.copytree(SITE, served, dirs_exist_ok=True)
    shutil.copy(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'web_floor.html'),
                os.path.join(served, 'floor.html'))
    server = Server(served)
    browser = Browser()
    d = browser.driver
    # the worker would answer from its cache; both pages come from the server
    d.execute_cdp_cmd('Network.enable', {})
    d.execute_cdp_cmd('Network.setBypassServiceWorker', {'bypass': True})
    d.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})

    def first_paint(page, mark):
        d.get('about:blank')
        d.get(server.url + page)
        browser.wait(f"performance.getEntriesByName('{mark}').length")
        return browser.js(f"return performance.getEntriesByName('{mark}')[0].startTime")

    program, floor = [], []
    for _ in range(RUNS):
        floor.append(first_paint('floor.html', 'floor-title'))
        program.append(first_paint('index.html', 'aritmetica-title'))
    p, f = statistics.median(program), statistics.median(floor)
    print(f'navigation to the title\'s first paint (median of {RUNS}): '
          f'program {p:.0f} ms, floor {f:.0f} ms, ratio {p / f:.2f}x (goal 1.5x)')

    total, packed = site_size()
    print(f'site: {total / 1000:.0f} kB, gzipped {packed / 1000:.0f} kB (goals 1000 kB and 400 kB)')

    browser.open(server.url)
    browser.run('show Form14\nrandom 0.5\nclick Form14.Label9\nclick Form14.Text1')
    times = []
    for i in range(50):
        browser.keys('7' if i % 2 == 0 else '\ue003')
        times.append(browser.js('return aritmetica.shown - aritmetica.pressed'))
    print(f'key to the repainted answer box (median of 50): {statistics.median(times):.2f} ms (goal 4 ms)')
    browser.close()
    server.close()
    shutil.rmtree(served, ignore_errors=True)


main()
