#!/usr/bin/python3
"""Catches the page getting its input, its frames or its start-up wrong in
one engine, with real mouse, touch and key events: a title that is not
there at once or not the program's, a click before the program lost,
tooltips and pointers, answers typed and tapped, the chime, accented
letters, beads dragged by mouse and by finger, pauses not played or input
not held till after, the end and the start again, the board misplaced in
windows of other shapes, the voice and ?voice=off, and any error in the page.

    page_test.py [--engine chromium|firefox|webkit] [SITE_DIR | PAGE.html]

A site folder is served on 127.0.0.1; a single HTML file is opened as a
file:// URL (browser.arguments tells the defaults).
"""
import os
import struct
import sys
import tempfile
import unittest

from browser import PageCase, arguments, skip_unless_ready

ENGINE, PAGE, _ = arguments(sys.argv)

BOARD = (0, 128, 128)
FRAME = (255, 128, 64)


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    assert head[:8] == b'\x89PNG\r\n\x1a\n', path + ' is no PNG'
    return struct.unpack('>II', head[16:24])


class Page(PageCase):
    engine, page = ENGINE, PAGE

    def setUp(self):
        self.b = self.browser
        self.b.viewport(792, 573)
        self.b.open(self.target.url)
        # a tap where the engine's automation has a finger, else the mouse
        self.tap = 'touch' if self.b.can['touch'] else 'mouse'

    def tearDown(self):
        self.assertEqual(self.b.errors(), [])

    def test_title_screen_paints_the_chalkboard_and_its_title(self):
        self.assertEqual(self.b.pixel(400, 100), BOARD)
        self.assertEqual(self.b.pixel(5, 300), FRAME)
        self.assertEqual(self.b.title(), 'vaxo - Aritmetica cl. I')
        # the board is crisp at the device's pixel ratio
        self.assertEqual(self.b.js('return [aritmetica.canvas.board.width, aritmetica.canvas.board.height]'), [792, 573])
        # recorded at build time, drawn at once, then replaced by the same
        self.assertTrue(self.b.js("return performance.getEntriesByName('aritmetica-early-title').length > 0"))
        self.assertEqual(self.b.js('return aritmetica.early()'), self.b.js('return aritmetica.picture()'))

    def test_the_title_shows_at_once_and_input_waits_for_the_program(self):
        b = self.b
        b.goto(self.target.held)
        b.wait("performance.getEntriesByName('aritmetica-early-title').length")
        self.assertEqual(b.pixel(400, 100), BOARD)
        self.assertEqual(b.pixel(5, 300), FRAME)
        self.assertFalse(b.js('return !!(window.aritmetica && aritmetica.ready)'))
        self.assertTrue(b.js("return document.getElementById('nofile').hidden"))
        # a wider window: the board is placed again and drawn at once
        b.viewport(1000, 573)
        b.wait('aritmetica.canvas.board.getBoundingClientRect().left === 104')
        self.assertEqual(b.pixel(400, 100), BOARD)
        # a click on ARITMETICA reaches the program once it is there
        b.pointer([('down', 104 + 396, 236), ('up', 104 + 396, 236)])
        b.js('__releaseProgram()')
        b.wait('window.aritmetica && aritmetica.ready')
        b.idle()
        self.assertEqual(b.title(), 'vaxo - Aritmetica cl. I Menu principale')

    def test_hover_shows_the_tooltip_and_the_pointer_of_the_control(self):
        b = self.b
        x, y = b.where('Form1.Label5')
        b.pointer([('move', x - 4, y), ('move', x, y)])
        b.wait("!document.getElementById('tip').hidden", timeout=3)
        self.assertEqual(b.js("return document.getElementById('tip').textContent"), 'ESCI')
        # the hand's picture beside the page, or inside it (the single file)
        hand = b.js("return (window.aritmeticaFiles || {})['pictures/pointer_hand.png'] || 'pointer_hand.png'")
        self.assertIn(hand + '") 12 1', b.js('return aritmetica.canvas.board.style.cursor'))
        b.pointer([('move', 400, 100)])
        self.assertTrue(b.js("return document.getElementById('tip').hidden"))
        self.assertEqual(b.js('return aritmetica.canvas.board.style.cursor'), 'default')

    def test_walk_to_next_number_right_and_wrong_answers(self):
        b = self.b
        b.click(*b.where('Form1.Label1'))
        self.assertEqual(b.title(), 'vaxo - Aritmetica cl. I Menu principale')
        b.click(*b.where('Form5.Label1'))
        self.assertIn('Menu operazioni entro 10', b.title())
        b.click(*b.where('Form2.Label11'))
        self.assertIn('Numero seguente entro 10', b.title())

        self.assertEqual(b.run('random 0.5'), '')
        b.click(*b.where('Form14.Label9'))
        self.assertEqual(b.query('Form14.Label2.Caption'), '4')
        self.assertEqual(b.query('Form14.Text1.Enabled'), 'true')
        # a tap on the answer box brings up the device's keyboard, and a tap
        # elsewhere sends it away
        b.click(*b.where('Form14.Text1'), kind=self.tap)
        self.assertEqual(b.js('return document.activeElement.id'), 'keys')
        b.keys('5')
        self.assertEqual(b.query('Form14.Text1.Text'), '5')
        self.assertEqual(b.query('Form14.Image2.Visible'), 'true')
        self.assertEqual(b.query('Form14.Label4.Caption'), '1')
        self.assertEqual(b.js('return aritmetica.chimes'), 0)
        # the chime is heard through Web Audio, once its sound is decoded
        b.js('''window.heard = 0; const start = AudioBufferSourceNode.prototype.start;
                AudioBufferSourceNode.prototype.start = function (...a) { ++window.heard; return start.apply(this, a); };''')

        b.run('random 0.5')
        b.click(*b.where('Form14.Label9'), kind=self.tap)
        self.assertNotEqual(b.js('return document.activeElement.id'), 'keys')
        self.assertEqual(b.query('Form14.Image1.Visible'), 'true')
        b.click(*b.where('Form14.Text1'))
        b.keys('7')
        self.assertEqual(b.query('Form14.Image3.Visible'), 'true')
        self.assertEqual(b.js('return aritmetica.chimes'), 1)
        b.wait('window.heard === 1', timeout=5)

    def test_keys_reach_the_box_as_on_the_desktop(self):
        b = self.b
        b.run('show Form14\nrandom 0.5\nclick Form14.Label9')
        b.click(*b.where('Form14.Text1'))
        b.keys('\ue021')  # the keypad's 7
        self.assertEqual(b.query('Form14.Text1.Text'), '7')
        self.assertEqual(b.query('Form14.Image3.Visible'), 'true')
        b.keys('\ue003')  # Backspace
        self.assertEqual(b.query('Form14.Text1.Text'), '')
        # Tab moves the program's focus, never the browser's
        before = b.js('return document.activeElement.id')
        b.keys('\ue004\ue004')
        self.assertEqual(b.js('return document.activeElement.id'), before)
        b.keys('5')
        self.assertEqual(b.query('Form14.Text1.Text'), '5')

    def test_words_take_capitals_and_accented_letters_are_keys_too(self):
        b = self.b
        b.run('show Form8\nrandom 0.7\nclick Form8.Label3')
        self.assertEqual(b.query('Form8.Label2.Caption'), '7')
        b.click(*b.where('Form8.Text1'))
        b.keys('se')
        self.assertEqual(b.query('Form8.Text1.Text'), 'SE')
        b.click(*b.where('Form8.Label6'))
        self.assertEqual(b.query('Form8.Image3.Visible'), 'true')
        self.assertEqual(b.query('Form8.Label6.Enabled'), 'false')
        self.assertEqual(b.js('return aritmetica.chimes'), 1)
        # "è" and "ù" are no letters of the words: each key is cancelled, yet
        # reaches the screen, which lets the child confirm again
        for accented in ['è', 'ù']:
            b.click(*b.where('Form8.Label6'))
            self.assertEqual(b.query('Form8.Label6.Enabled'), 'false')
            b.keys(accented)
            self.assertEqual(b.query('Form8.Text1.Text'), 'SE')
            self.assertEqual(b.query('Form8.Label6.Enabled'), 'true', accented)
            self.assertEqual(b.query('Form8.Image1.Visible'), 'true')
        b.keys('tte')
        b.click(*b.where('Form8.Label6'))
        self.assertEqual(b.query('Form8.Text1.Text'), 'SETTE')
        self.assertEqual(b.query('Form8.Image2.Visible'), 'true')

    def test_beads_dragged_by_mouse_and_by_finger_land_on_the_spike(self):
        b = self.b
        b.run('show Form7\nrandom 0.39')
        b.click(*b.where('Form7.Label2'))
        self.assertEqual(b.query('Form7.Label7.Caption'), 'QUATTRO')
        b.drag(b.where('Form7.Image9'), b.where('Form7.Label4'))
        self.assertEqual(b.query('Form7.Image9.Top'), '5400')
        self.assertEqual(b.query('Form7.Label6.Enabled'), 'true')
        b.drag(b.where('Form7.Image5'), b.where('Form7.Label4'), kind=self.tap)
        self.assertNotEqual(b.query('Form7.Image5.Left'), '1800')
        self.assertEqual(b.query('Form7.Image5.Top'), '4920')

    def test_pauses_are_shown_and_input_meanwhile_comes_after(self):
        b = self.b
        b.run('show Form26\nrandom 0.95 0.85')
        chalk, back = b.where('Form26.Label17'), b.where('Form26.Label28')
        start = b.js("return aritmetica.canvas.board.toDataURL()")
        b.pointer([('down', *chalk), ('up', *chalk), ('down', *back), ('up', *back)])
        # the title when the board first changes: the return waits till after
        moving = b.js('''const end = performance.now() + 20000;
            while (aritmetica.canvas.board.toDataURL() === arguments[0] && performance.now() < end)
              await new Promise((resolve) => setTimeout(resolve, 10));
            return performance.now() < end ? document.title : 'the board never changed';''', start)
        self.assertIn('Completa la decina', moving)
        b.idle()
        self.assertIn('Menu operazioni entro 20', b.title())

    def test_the_beads_slide_at_the_displays_pace_and_a_resize_keeps_the_board(self):
        b = self.b
        b.run('show Form26\nrandom 0.95 0.85')
        chalk = b.where('Form26.Label17')
        b.pointer([('down', *chalk), ('up', *chalk)])
        # The laying lasts about a second (1098 pauses of 1 ms): count the
        # pictures the canvas shows meanwhile, and turn the window half-way
        # through: the board stays drawn.
        seen = b.js('''const c = aritmetica.canvas.board, g = c.getContext('2d');
            const first = aritmetica.drawn, end = performance.now() + 5000;
            let resized = false, black = 0;
            while (aritmetica.playing() && performance.now() < end) {
              if (!resized && aritmetica.drawn - first > 5) {
                resized = true;
                window.dispatchEvent(new Event('resize'));
                const d = g.getImageData(c.width >> 1, c.height >> 1, 1, 1).data;
                if (d[0] === 0 && d[1] === 0 && d[2] === 0) ++black;
              }
              await new Promise((resolve) => requestAnimationFrame(resolve));
            }
            return [aritmetica.drawn - first, black];''')
        self.assertGreaterEqual(seen[0], 20)
        self.assertEqual(seen[1], 0)  # never a black board
        b.idle()
        self.assertEqual(b.query('Form26.Label17.Enabled'), 'false')

    def test_a_finger_held_still_takes_a_unit_away(self):
        b = self.b
        if not b.can['touch']:
            self.skipTest(b.name + "'s automation has no touch")
        b.run('show Form4\nrandom 0.3\nclick Form4.Label2')
        unit = b.where('10000 3000')
        b.pointer([('down', *unit), ('up', *unit)], 'touch')
        b.pointer([('down', *unit), ('up', *unit)], 'touch')
        b.idle()
        self.assertEqual(b.query('Form4.Shape2.Visible'), 'true')
        b.pointer([('down', *unit), ('pause', 900, 0), ('up', *unit)], 'touch')
        b.idle()
        self.assertEqual(b.query('Form4.Shape2.Visible'), 'false')  # as the right button
        self.assertEqual(b.query('Form4.Shape1.Visible'), 'true')

    def test_the_keyboard_asked_for_is_the_boxs_and_the_side_buttons_do_nothing(self):
        b = self.b
        b.run('show Form14\nrandom 0.5\nclick Form14.Label9')
        b.click(*b.where('Form14.Text1'))
        self.assertEqual(b.js('return document.activeElement.id'), 'keys')
        self.assertEqual(b.js("return document.getElementById('keys').inputMode"), 'numeric')
        b.run('show Form8\nrandom 0.7\nclick Form8.Label3')
        b.click(*b.where('Form8.Text1'))
        self.assertEqual(b.js("return document.getElementById('keys').inputMode"), 'text')
        # the back and forward buttons of a mouse leave nothing, on the board or off it
        box = b.where('Form8.Text1')
        b.js("window.left = false; addEventListener('pagehide', () => { window.left = true; })")
        for button in (3, 4):
            b.pointer([('down', *box), ('up', *box)], 'mouse', button)
        b.idle()
        self.assertIs(b.js('return window.left'), False)  # not even to come back from the cache
        self.assertIn('Scrittura dei numeri in lettere', b.title())
        self.assertEqual(b.query('Form8.Text1.Text'), '')

    def test_chromium_composition_and_a_cancelled_touch(self):
        b = self.b
        if not b.can['cdp']:
            self.skipTest("needs Chromium's DevTools for composition and a cancelled touch")
        # a keyboard that composes a word delivers each letter once
        b.run('show Form8\nrandom 0.7\nclick Form8.Label3')
        b.click(*b.where('Form8.Text1'))
        for text in ('u', 'un'):
            b.cdp('Input.imeSetComposition', {'text': text, 'selectionStart': len(text), 'selectionEnd': len(text)})
        b.cdp('Input.insertText', {'text': 'un'})
        b.idle()
        self.assertEqual(b.query('Form8.Text1.Text'), 'UN')
        # a touch cancelled by the system opens nothing
        b.run('show Form2')
        entry = b.where('Form2.Label1')
        point = [{'x': entry[0], 'y': entry[1], 'id': 1}]
        b.cdp('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 1})
        b.cdp('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': point})
        b.cdp('Input.dispatchTouchEvent', {'type': 'touchCancel', 'touchPoints': []})
        b.idle()
        self.assertIn('Menu operazioni entro 10', b.title())

    def test_the_instruction_is_said_when_shown_and_when_tapped_and_not_with_the_voice_off(self):
        b = self.b
        b.click(*b.where('Form1.Label3'))  # a first input, which lets the page sound
        b.run('show Form14')
        b.wait('aritmetica.phrases === 1')
        b.click(*b.where('Form14.Label1'))
        b.wait('aritmetica.phrases === 2')
        b.wait('aritmetica.started > 0')  # a clip, played through Web Audio
        b.run('random 0.5\nclick Form14.Label9\nclick Form14.Text1\ntype 9')
        b.idle()
        self.assertEqual(b.js('return aritmetica.phrases'), 2)  # questions and answers are not said
        b.open(self.target.url + ('&' if '?' in self.target.url else '?') + 'voice=off')
        b.click(*b.where('Form1.Label3'))
        b.run('show Form14')
        b.click(*b.where('Form14.Label1'))
        self.assertEqual(b.js('return [aritmetica.phrases, aritmetica.started]'), [0, 0])

    def test_a_failing_handler_is_reported_once_and_the_program_goes_on(self):
        b = self.b
        b.js('aritmetica.strict(true)')
        try:
            b.run('show Form14\nclick Form14.Label9')  # draws from an empty queue: the handler fails
        finally:
            b.js('aritmetica.strict(false)')
        self.assertEqual(b.errors(), ['console: aritmetica: random queue empty'])
        b.click(*b.where('Form14.Label15'))
        self.assertIn('Menu operazioni entro 10', b.title())

    def test_esci_ends_and_the_page_offers_to_start_again(self):
        b = self.b
        b.click(*b.where('Form1.Label5'))
        self.assertTrue(b.js("return !document.getElementById('again').hidden"))
        self.assertEqual(b.pixel(400, 100), BOARD)
        self.assertEqual(b.js('return aritmetica.query("Form1.Label1")'), '')
        again = b.js("const r = document.getElementById('again').getBoundingClientRect();"
                     "return [r.x + r.width / 2, r.y + r.height / 2]")
        b.click(*again)
        b.wait("document.getElementById('again').hidden")
        b.idle()
        self.assertEqual(b.title(), 'vaxo - Aritmetica cl. I')
        b.click(*b.where('Form1.Label1'))
        self.assertIn('Menu principale', b.title())

    def test_the_board_fits_windows_of_other_shapes_and_pointers_map_back(self):
        b = self.b
        ratio = 2 if b.can['ratio'] else 1
        board = ('const c = aritmetica.canvas.board, r = c.getBoundingClientRect();'
                 'return [c.width, c.height, r.width, r.height, r.left, r.top]')
        # wider than the board: fitted to the height, centred across
        b.viewport(1200, 600, ratio)
        b.open(self.target.url)
        w, h, css_w, css_h, left, top = b.js(board)
        self.assertAlmostEqual(css_h, 600, delta=1)
        self.assertAlmostEqual(css_w / css_h, 792 / 573, delta=0.01)
        self.assertEqual(w, round(css_w * ratio))                  # the backing store in device pixels
        self.assertAlmostEqual(left, (1200 - css_w) / 2, delta=1)
        self.assertEqual(b.pixel(5, 300), FRAME)
        # a screenshot is the page alone, 1200 x 600 (at the pixel ratio)
        with tempfile.TemporaryDirectory(prefix='aritmetica-') as folder:
            b.screenshot(os.path.join(folder, 'page.png'))
            self.assertEqual(png_size(os.path.join(folder, 'page.png')), (1200 * ratio, 600 * ratio))
        b.click(*b.where('Form1.Label1'), kind=self.tap)
        self.assertIn('Menu principale', b.title())
        self.assertEqual(b.js('return document.documentElement.scrollTop + document.documentElement.scrollLeft'), 0)
        # taller than the board: fitted to the width, centred down
        b.viewport(600, 900)
        b.wait('aritmetica.canvas.board.getBoundingClientRect().width <= 600')
        w, h, css_w, css_h, left, top = b.js(board)
        self.assertAlmostEqual(css_w, 600, delta=1)
        self.assertAlmostEqual(top, (900 - css_h) / 2, delta=1)
        b.click(*b.where('Form5.Label1'))
        self.assertIn('Menu operazioni entro 10', b.title())

    def test_the_site_works_offline_after_one_visit(self):
        b = self.b
        if not b.can['cdp'] or not self.target.served:
            self.skipTest('needs Chromium (its DevTools take the network away) and a served site')
        b.wait('navigator.serviceWorker.controller || navigator.serviceWorker.ready', timeout=10)
        b.js('await navigator.serviceWorker.ready')
        b.driver.refresh()  # the worker now controls the page and has the whole site
        b.wait('window.aritmetica && aritmetica.ready')
        b.wait('navigator.serviceWorker.controller')
        b.cdp('Network.enable')
        b.cdp('Network.emulateNetworkConditions', {
            'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
        try:
            b.open(self.target.url)
            self.assertEqual(b.pixel(400, 100), BOARD)
            # and the browser would add it to a home screen
            self.assertEqual(b.cdp('Page.getInstallabilityErrors')['installabilityErrors'], [])
        finally:
            b.cdp('Network.emulateNetworkConditions', {
                'offline': False, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})


if __name__ == '__main__':
    skip_unless_ready(PAGE, ENGINE)
    unittest.main(argv=sys.argv[:1], verbosity=2)
