#!/usr/bin/python3
"""The same pictures in both editions: for every case of pictures.scn, the
desktop painter's snapshot (the native scenario runner) and the page's
canvas in a browser (headless Chromium unless told) at scale 1, after the same input, agree on at
least 99 % of their pixels, anti-aliasing aside: a pixel differs when its
colour lies more than 10 % outside the range of colours of its 3 x 3
neighbourhood in the other picture (the two rasterisers shade the edges of
glyphs and discs differently, not where they are).

    pictures_test.py [--engine E] [SITE_DIR | PAGE.html] NATIVE_RUN_SCENARIOS [OUT_DIR]
"""
import os
import subprocess
import sys
import tempfile
import unittest

from browser import PageCase, arguments, skip_unless_ready

ENGINE, PAGE, REST = arguments(sys.argv)
RUNNER = REST[0] if REST else 'build/run-scenarios'
OUT = REST[1] if len(REST) > 1 else tempfile.mkdtemp(prefix='aritmetica-pictures-')
SCENARIOS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'pictures.scn')
AGREEMENT = 0.99


def cases():
    """(snapshot name, input lines) of each case of pictures.scn."""
    result, lines = [], []
    with open(SCENARIOS, encoding='utf-8') as f:
        text = f.read()
    for line in text.splitlines():
        line = line.strip()
        if line.startswith('case '):
            lines = []
        elif line.startswith('snapshot '):
            result.append((line.split()[1], '\n'.join(lines)))
        elif line and not line.startswith('#'):
            lines.append(line)
    return result


def pixels(path):
    """The picture as a height x width x 3 array (ImageMagick decodes it)."""
    import numpy
    ppm = subprocess.run(['convert', path, '-depth', '8', 'ppm:-'], capture_output=True, check=True).stdout
    fields = ppm.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    return numpy.frombuffer(fields[4][-width * height * 3:], dtype=numpy.uint8).reshape(height, width, 3).astype(int)


def neighbourhood(p):
    """The per-channel minimum and maximum over each pixel's 3 x 3 square."""
    import numpy
    padded = numpy.pad(p, ((1, 1), (1, 1), (0, 0)), mode='edge')
    h, w = p.shape[:2]
    shifted = numpy.stack([padded[dy:dy + h, dx:dx + w] for dy in range(3) for dx in range(3)])
    return shifted.min(axis=0), shifted.max(axis=0)


def differing(a_path, b_path, fuzz=0.10 * 255):
    a, b = pixels(a_path), pixels(b_path)
    if a.shape != b.shape:
        return a.shape[0] * a.shape[1]
    (a_low, a_high), (b_low, b_high) = neighbourhood(a), neighbourhood(b)
    off = ((a < b_low - fuzz) | (a > b_high + fuzz) | (b < a_low - fuzz) | (b > a_high + fuzz)).any(axis=2)
    return int(off.sum())


class SamePictures(PageCase):
    engine, page, size = ENGINE, PAGE, (792, 600)

    @classmethod
    def setUpClass(cls):
        os.makedirs(OUT, exist_ok=True)
        native = subprocess.run([RUNNER, '--out', OUT, SCENARIOS], capture_output=True, text=True)
        assert native.returncode == 0, native.stdout + native.stderr
        super().setUpClass()

    def test_every_state_agrees_with_the_desktop_painter(self):
        b = self.browser
        for name, lines in cases():
            with self.subTest(name):
                b.open(self.target.url)
                self.assertEqual(b.run(lines), '')
                desktop = os.path.join(OUT, name + '.png')
                web = os.path.join(OUT, name + '-web.png')
                b.canvas_png(web)
                h, w = pixels(desktop).shape[:2]
                self.assertEqual(pixels(web).shape[:2], (h, w))
                diff = differing(desktop, web)
                print(f'{name}: {diff} of {w * h} pixels differ ({100 * diff / (w * h):.2f} %)')
                self.assertLessEqual(diff, (1 - AGREEMENT) * w * h)
        self.assertEqual(b.errors(), [])

    def test_the_backing_store_doubles_at_device_pixel_ratio_2(self):
        b = self.browser
        if not b.can['ratio']:
            self.skipTest(b.name + ' cannot emulate a device pixel ratio')
        b.viewport(792, 600, ratio=2)
        try:
            b.open(self.target.url)
            self.assertEqual(b.js('const c = aritmetica.canvas.board; return [c.width, c.height]'), [1584, 1146])
            self.assertEqual(b.js('return aritmetica.canvas.board.getBoundingClientRect().width'), 792)
        finally:
            b.viewport(792, 600)


if __name__ == '__main__':
    skip_unless_ready(PAGE, ENGINE)
    if not os.access(RUNNER, os.X_OK):
        print(f'skipped: no native scenario runner at {RUNNER}')
        sys.exit(77)
    unittest.main(argv=sys.argv[:1], verbosity=2)
