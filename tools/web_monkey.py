#!/usr/bin/python3
"""A child at the browser edition: random clicks, taps, drags and keys on
the page in headless Chromium for a number of seconds, starting again
whenever "ESCI" ends the program. Fails if the page ever reports an error
or the browser's console does.

    tools/web_monkey.py [SITE_DIR] [SECONDS] [SEED]

The site must be a test build (build-web/test-site, the default).
"""
import os
import random
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from browser import Browser, Target  # noqa: E402

SITE = sys.argv[1] if len(sys.argv) > 1 else 'build-web/test-site'
SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 60
SEED = int(sys.argv[3]) if len(sys.argv) > 3 else int(time.time())
KEYS = list('0123456789aeiouzAZ ') + ['\ue003', '\ue004', '\ue007', '\ue00c', '\ue017', '\ue012', '\ue011',
                                      '\ue008', '\ue01a', '\ue01f', '\ue023', 'à', 'è', 'ù']


def main():
    rng = random.Random(SEED)
    server = Target(SITE)
    b = Browser(1000, 700)
    b.open(server.url)
    end = time.monotonic() + SECONDS
    events = starts = 0
    failure = None
    while time.monotonic() < end and failure is None:
        if b.js("return !document.getElementById('again').hidden"):
            b.click(*b.js("const r = document.getElementById('again').getBoundingClientRect();"
                          "return [r.x + r.width / 2, r.y + r.height / 2]"))
            starts += 1
            continue
        x, y = rng.uniform(0, 1000), rng.uniform(0, 700)
        kind = rng.random()
        if kind < 0.4:
            b.click(x, y, kind=rng.choice(['mouse', 'mouse', 'touch']))
        elif kind < 0.55:
            b.drag((x, y), (rng.uniform(0, 1000), rng.uniform(0, 700)), kind=rng.choice(['mouse', 'touch']), steps=4)
        else:
            b.keys(rng.choice(KEYS))
        events += 1
        errors = b.errors()
        if errors:
            failure = errors
    b.close()
    server.close()
    if failure:
        print(f'web monkey: seed {SEED}, event {events}: {failure}')
        sys.exit(1)
    print(f'web monkey: seed {SEED}, {events} events, {starts} starts again, no error')


main()
