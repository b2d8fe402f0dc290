#!/usr/bin/python3
"""The same words as the desktop: every screen, shown on the page in one
engine, lays out exactly the lines of text that the desktop does (the same
text broken at the same places, at the same positions and sizes, as wide as
measured: the canvas fits each line to that width), and the face the page
draws with is the one measured (the engine's own width of each line is
within a pixel and a few per cent of it; another face would be a tenth off).

    captions_test.py [--engine E] [SITE_DIR | PAGE.html] CAPTION_LINES
"""
import json
import subprocess
import sys
import unittest

from browser import PageCase, arguments, skip_unless_ready

ENGINE, PAGE, REST = arguments(sys.argv)
CAPTION_LINES = REST[0] if REST else 'build/caption-lines'
# How far an engine's own drawing of a line may be from the measurement, in
# pixels and in part of the line: rasterisers round advances (WebKitGTK
# hints them at small sizes); another face would be a tenth off.
SLACK, TOLERANCE = 1, 0.025


def desktop_lines():
    """{screen: lines} as the desktop lays them out."""
    out = subprocess.run([CAPTION_LINES], capture_output=True, text=True, check=True).stdout
    return {int(n): json.loads(lines) for n, lines in (row.split(' ', 1) for row in out.splitlines())}


class SameWords(PageCase):
    engine, page = ENGINE, PAGE

    @classmethod
    def setUpClass(cls):
        cls.desktop = desktop_lines()
        super().setUpClass()

    def test_every_screen_lays_out_the_desktops_lines_and_draws_them_as_wide(self):
        b = self.browser
        b.open(self.target.url)
        self.assertEqual(len(self.desktop), 43)
        worst = (0, '')
        for n, lines in self.desktop.items():
            with self.subTest(screen=n):
                self.assertEqual(b.run(f'show Form{n}'), '')
                self.assertEqual(b.js('return aritmetica.lines()'), lines)
                drawn = b.js('''
                    const c = document.createElement('canvas').getContext('2d');
                    return arguments[0].map(([text, family, size, bold]) => {
                      c.font = (bold ? 'bold ' : '') + size + 'px "Liberation ' + (family === 'serif' ? 'Serif' : 'Sans') + '"';
                      return c.measureText(text).width;
                    });''', lines)
                for (text, *_, width), real in zip(lines, drawn):
                    worst = max(worst, (abs(real - width), text))
                    self.assertLessEqual(abs(real - width), SLACK + TOLERANCE * width,
                                         f'"{text}": measured {width:.2f} px, drawn {real:.2f} px')
        print(f'{b.name}: the widest difference between measured and drawn: {worst[0]:.2f} px ("{worst[1]}")')
        self.assertEqual(b.errors(), [])


if __name__ == '__main__':
    skip_unless_ready(PAGE, ENGINE)
    unittest.main(argv=sys.argv[:1], verbosity=2)
