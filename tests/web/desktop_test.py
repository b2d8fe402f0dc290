#!/usr/bin/python3
"""Catches the page, in one engine, drawing otherwise than the desktop:
captions: on any screen, lines of text broken, placed or sized otherwise,
or drawn in another face than the one measured (within a pixel and a few per
cent of the measured width: rasterisers round advances, another face is a
tenth off); pictures: the canvas after a case of pictures.scn differing from
the desktop painter's snapshot in over 1 % of its pixels, a pixel differing
when its colour lies over 10 % outside the colours of its 3 x 3 square in
the other picture (the rasterisers shade edges differently, not places).

    desktop_test.py [--engine E] SITE_DIR|PAGE.html captions CAPTION_LINES
    desktop_test.py [--engine E] SITE_DIR|PAGE.html pictures RUN_SCENARIOS OUT_DIR
"""
import base64
import json
import os
import subprocess
import sys
import unittest

from browser import PageCase, arguments, main

ENGINE, PAGE, (CHECK, TOOL, *OUT) = arguments(sys.argv)
SCENARIOS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'pictures.scn')
SLACK, TOLERANCE, AGREEMENT, FUZZ = 1, 0.025, 0.99, 0.10 * 255


def pixels(png):
    """A PNG as a height x width x 3 array (ImageMagick decodes it)."""
    import numpy
    ppm = subprocess.run(['convert', 'png:-', '-depth', '8', 'ppm:-'], input=png, capture_output=True, check=True).stdout
    _, w, h, _, data = ppm.split(maxsplit=4)
    return numpy.frombuffer(data[-int(w) * int(h) * 3:], dtype=numpy.uint8).reshape(int(h), int(w), 3).astype(int)


def differing(a, b):
    import numpy

    def around(p):  # each pixel's lowest and highest colour over its 3 x 3 square
        pad, (h, w) = numpy.pad(p, ((1, 1), (1, 1), (0, 0)), mode='edge'), p.shape[:2]
        near = numpy.stack([pad[dy:dy + h, dx:dx + w] for dy in range(3) for dx in range(3)])
        return near.min(axis=0), near.max(axis=0)
    (a_low, a_high), (b_low, b_high) = around(a), around(b)
    return int(((a < b_low - FUZZ) | (a > b_high + FUZZ) | (b < a_low - FUZZ) | (b > a_high + FUZZ)).any(axis=2).sum())


class SameAsDesktop(PageCase):
    engine, page, size = ENGINE, PAGE, (792, 600)

    def test_captions(self):
        b = self.browser
        out = subprocess.run([TOOL], capture_output=True, text=True, check=True).stdout
        desktop = {int(n): json.loads(lines) for n, lines in (row.split(' ', 1) for row in out.splitlines())}
        self.assertEqual(len(desktop), 43)
        b.open(self.target.url)
        for n, lines in desktop.items():
            with self.subTest(screen=n):
                self.assertEqual(b.run(f'show Form{n}'), '')
                self.assertEqual(b.js('return aritmetica.lines()'), lines)
                drawn = b.js('''const c = document.createElement('canvas').getContext('2d');
                    return arguments[0].map(([text, family, size, bold]) => {
                      c.font = (bold ? 'bold ' : '') + size + 'px "Liberation ' + (family === 'serif' ? 'Serif' : 'Sans') + '"';
                      return c.measureText(text).width;
                    });''', lines)
                for (text, *_, width), real in zip(lines, drawn):
                    self.assertLessEqual(abs(real - width), SLACK + TOLERANCE * width,
                                         f'"{text}": measured {width:.2f} px, drawn {real:.2f} px')
        self.assertEqual(b.errors(), [])

    def test_pictures(self):
        b = self.browser
        native = subprocess.run([TOOL, '--out', OUT[0], SCENARIOS], capture_output=True, text=True)
        self.assertEqual(native.returncode, 0, native.stdout + native.stderr)
        cases, lines = [], []
        with open(SCENARIOS, encoding='utf-8') as f:
            text = f.read()
        for line in text.splitlines():
            if line.startswith('snapshot '):
                cases.append((line.split()[1], '\n'.join(lines)))
                lines = []
            elif line.strip() and not line.startswith(('#', 'case ')):
                lines.append(line)
        for name, lines in cases:
            with self.subTest(name):
                b.open(self.target.url)
                self.assertEqual(b.run(lines), '')
                web = base64.b64decode(b.js("return aritmetica.canvas.board.toDataURL('image/png')").split(',')[1])
                with open(os.path.join(OUT[0], name + '-web.png'), 'wb') as f:
                    f.write(web)
                with open(os.path.join(OUT[0], name + '.png'), 'rb') as f:
                    desktop, web = pixels(f.read()), pixels(web)
                self.assertEqual(web.shape, desktop.shape)
                diff = differing(desktop, web)
                print(f'{name}: {diff} pixels differ ({100 * diff / desktop[..., 0].size:.2f} %)')
                self.assertLessEqual(diff, (1 - AGREEMENT) * desktop[..., 0].size)
        self.assertEqual(b.errors(), [])


if __name__ == '__main__':
    if CHECK == 'pictures':
        os.makedirs(OUT[0], exist_ok=True)
    main(sys.argv[:1] + ['SameAsDesktop.test_' + CHECK])
