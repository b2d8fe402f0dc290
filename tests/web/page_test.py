#!/usr/bin/python3
"""Catches the page, in one engine and with real mouse, touch and key
events, failing a child: a title that waits for the program or a click on
it lost meanwhile, input out of order or lost during an animation, keys,
accented letters, taps and drags that do not reach the program as on the
desktop, the tablet's keyboard not coming for the answer box, the side
buttons leaving the page, the chime or the voice not starting, a control's
name not said at a rest of the mouse or a finger held (or that opening it),
?voice=off not silent, the board misplaced in other windows, the end with no way to
start again, a site that needs the network after one visit, and any error
in the page (every test ends with none).

    page_test.py [--engine chromium|firefox|webkit] [SITE_DIR | PAGE.html]
"""
import sys
import unittest

from browser import PageCase, arguments, main

ENGINE, PAGE, _ = arguments(sys.argv)
BOARD, FRAME = (0, 128, 128), (255, 128, 64)
OFFLINE = {'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1}


class Page(PageCase):
    engine, page = ENGINE, PAGE

    def setUp(self):
        self.b = self.browser
        self.b.viewport(792, 573)
        self.b.open(self.target.url)
        self.tap = 'touch' if self.b.can['touch'] else 'mouse'

    def tearDown(self):
        self.assertEqual(self.b.errors(), [])

    def test_the_title_comes_before_the_program_and_a_click_meanwhile_reaches_it(self):
        b = self.b
        b.goto(self.target.held)
        b.wait("performance.getEntriesByName('aritmetica-early-title').length")
        self.assertEqual([b.pixel(400, 100), b.pixel(5, 300)], [BOARD, FRAME])
        self.assertFalse(b.js('return !!(window.aritmetica && aritmetica.ready)'))
        b.viewport(1000, 573)  # placed again and drawn
        b.wait("document.getElementById('board').getBoundingClientRect().left === 104")
        self.assertEqual(b.pixel(400, 100), BOARD)
        b.pointer([('down', 104 + 396, 236), ('up', 104 + 396, 236)])  # ARITMETICA
        b.js('__releaseProgram()')
        b.wait('window.aritmetica && aritmetica.ready')
        b.idle()
        self.assertEqual(b.title(), 'vaxo - Aritmetica cl. I Menu principale')
        self.assertTrue(b.js("return document.getElementById('nofile').hidden"))

    def test_answers_typed_and_tapped_the_tablets_keyboard_and_the_chime(self):
        b = self.b
        b.open(self.target.url + '?voice=off')  # only the chime sounds
        self.assertEqual(b.js('return aritmetica.early()'), b.js('return aritmetica.picture()'))
        b.run('show Form14\nrandom 0.5')  # the menus' clicks and taps: the voice's test
        b.click(*b.where('Form14.Label9'))
        self.assertEqual(b.query('Form14.Label2.Caption'), '4')
        b.click(*b.where('Form14.Text1'), kind=self.tap)  # the device's keyboard, for digits
        self.assertEqual(b.js('const k = document.activeElement; return [k.id, k.inputMode]'), ['keys', 'numeric'])
        b.keys('5')
        self.assertEqual([b.query(q) for q in ('Form14.Text1.Text', 'Form14.Image2.Visible', 'Form14.Label4.Caption')],
                         ['5', 'true', '1'])
        b.run('random 0.5')
        b.click(*b.where('Form14.Label9'), kind=self.tap)  # a tap elsewhere sends the keyboard away
        self.assertNotEqual(b.js('return document.activeElement.id'), 'keys')
        b.click(*b.where('Form14.Text1'))
        self.assertEqual(b.js('return [aritmetica.chimes, aritmetica.started]'), [0, 0])
        b.keys('\ue021')  # the keypad's 7: wrong
        self.assertEqual([b.query('Form14.Text1.Text'), b.query('Form14.Image3.Visible')], ['7', 'true'])
        self.assertEqual(b.js('return aritmetica.chimes'), 1)
        b.wait('aritmetica.started === 1')  # heard through Web Audio
        b.keys('\ue003\ue004\ue004')  # Backspace; Tab moves the program's focus, never the browser's
        self.assertEqual(b.js('return document.activeElement.id'), 'keys')
        b.keys('5')
        self.assertEqual(b.query('Form14.Text1.Text'), '5')

    def test_words_take_capitals_accented_letters_are_keys_and_the_side_buttons_do_nothing(self):
        b = self.b
        b.run('show Form8\nrandom 0.7\nclick Form8.Label3')
        b.click(*b.where('Form8.Text1'), kind=self.tap)
        self.assertEqual(b.js('return document.activeElement.inputMode'), 'text')
        b.keys('se')
        b.click(*b.where('Form8.Label6'))
        self.assertEqual([b.query('Form8.Text1.Text'), b.query('Form8.Image3.Visible')], ['SE', 'true'])
        for accented in 'èù':  # no letters of the words: cancelled, yet the child may confirm again
            b.click(*b.where('Form8.Label6'))
            self.assertEqual(b.query('Form8.Label6.Enabled'), 'false')
            b.keys(accented)
            self.assertEqual([b.query('Form8.Text1.Text'), b.query('Form8.Label6.Enabled')], ['SE', 'true'])
        b.keys('tte')
        b.click(*b.where('Form8.Label6'))
        self.assertEqual([b.query('Form8.Text1.Text'), b.query('Form8.Image2.Visible')], ['SETTE', 'true'])
        b.js("window.left = false; addEventListener('pagehide', () => { window.left = true; })")
        for button in (3, 4):  # back and forward
            b.click(*b.where('Form8.Text1'), button=button)
        self.assertIs(b.js('return window.left'), False)
        self.assertIn('Scrittura dei numeri in lettere', b.title())

    def test_composition_and_a_cancelled_touch(self):
        b = self.b
        if not b.can['cdp']:
            self.skipTest("needs Chromium's DevTools")
        b.run('show Form8\nrandom 0.7\nclick Form8.Label3')
        b.click(*b.where('Form8.Text1'))
        for text in ('u', 'un'):  # a keyboard that composes a word gives each letter once
            b.cdp('Input.imeSetComposition', {'text': text, 'selectionStart': len(text), 'selectionEnd': len(text)})
        b.cdp('Input.insertText', {'text': 'un'})
        b.idle()
        self.assertEqual(b.query('Form8.Text1.Text'), 'UN')
        b.run('show Form2')  # a touch the system cancels opens nothing
        x, y = b.where('Form2.Label1')
        b.cdp('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 1})
        b.cdp('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': [{'x': x, 'y': y, 'id': 1}]})
        b.cdp('Input.dispatchTouchEvent', {'type': 'touchCancel', 'touchPoints': []})
        b.idle()
        self.assertIn('Menu operazioni entro 10', b.title())

    def test_beads_dragged_by_mouse_and_finger_and_a_finger_held_still(self):
        b = self.b
        b.run('show Form7\nrandom 0.39\nclick Form7.Label2')
        b.drag(b.where('Form7.Image9'), b.where('Form7.Label4'))
        b.drag(b.where('Form7.Image5'), b.where('Form7.Label4'), kind=self.tap)
        self.assertEqual([b.query('Form7.Image9.Top'), b.query('Form7.Image5.Top')], ['5400', '4920'])
        self.assertEqual(b.query('Form7.Label6.Enabled'), 'true')
        if b.can['touch']:  # a finger held still is the right button: it takes a unit away
            b.run('show Form4\nrandom 0.3\nclick Form4.Label2')
            unit = b.where('10000 3000')
            b.click(*unit, kind='touch')
            b.click(*unit, kind='touch')
            self.assertEqual(b.query('Form4.Shape2.Visible'), 'true')
            b.pointer([('down', *unit), ('pause', 900, 0), ('up', *unit)], 'touch')
            b.idle()
            self.assertEqual([b.query('Form4.Shape2.Visible'), b.query('Form4.Shape1.Visible')], ['false', 'true'])

    def test_an_animation_is_shown_as_it_plays_and_input_meanwhile_comes_after(self):
        b = self.b
        b.run('show Form26\nrandom 0.95 0.85')
        # the title at each picture shown till the menu's; a resize at the
        # third, after which the board must not be black
        b.js('''const c = aritmetica.canvas.board, seen = window.seen = {titles: []};
            let drawn = aritmetica.drawn;
            (function frame() {
              if (aritmetica.drawn > drawn) { drawn = aritmetica.drawn; seen.titles.push(document.title); }
              if (seen.titles.length === 3 && !('black' in seen)) {
                dispatchEvent(new Event('resize'));
                const d = c.getContext('2d').getImageData(c.width >> 1, c.height >> 1, 1, 1).data;
                seen.black = !d[0] && !d[1] && !d[2];
              }
              if (!document.title.includes('entro 20')) requestAnimationFrame(frame);
            })();''')
        chalk, back = b.where('Form26.Label17'), b.where('Form26.Label28')
        b.pointer([('down', *chalk), ('up', *chalk), ('down', *back), ('up', *back)])
        b.wait("document.title.includes('entro 20')")  # the return, held till the laying is over
        seen = b.js('return window.seen')
        self.assertGreaterEqual(sum('Completa la decina' in t for t in seen['titles']), 3)  # a slide, not a jump
        self.assertIs(seen.get('black'), False)
        b.idle()


    def test_the_voice_says_instructions_and_names_at_a_rest_or_a_finger_held_and_not_when_off(self):
        b = self.b
        b.click(*b.where('Form1.Label1'))  # a first input lets the page sound
        entry = b.where('Form5.Label1')
        rest = [('move', entry[0] - 4, entry[1]), ('move', *entry)]
        b.pointer(rest)  # the mouse rests: the entry's name; a finger held: the same, and nothing opens
        b.wait('aritmetica.phrases === 1 && aritmetica.started === 1')
        if b.can['touch']:
            b.pointer([('down', *entry), ('pause', 900, 0), ('up', *entry)], 'touch')
            b.wait('aritmetica.phrases === 2 && aritmetica.started === 2')
        b.idle()
        self.assertIn('Menu principale', b.title())
        b.click(*entry, kind=self.tap)
        self.assertIn('Menu operazioni entro 10', b.title())
        said = b.js('return aritmetica.phrases')
        b.run('show Form14')
        b.wait(f'aritmetica.phrases === {said + 1}')  # the instruction, when shown and when tapped
        b.click(*b.where('Form14.Label1'))
        b.wait(f'aritmetica.phrases === {said + 2}')
        b.run('random 0.5\nclick Form14.Label9\nclick Form14.Text1\ntype 9')
        self.assertEqual(b.js('return aritmetica.phrases'), said + 2)  # questions and answers are not said
        b.open(self.target.url + '?voice=off')
        b.click(*b.where('Form1.Label1'))
        b.pointer(rest)
        b.idle()  # the rest is over
        b.run('show Form14')
        b.click(*b.where('Form14.Label1'))
        self.assertEqual(b.js('return [aritmetica.phrases, aritmetica.started]'), [0, 0])

    def test_tooltips_pointers_and_esci_with_the_way_to_start_again(self):
        b = self.b
        x, y = b.where('Form1.Label5')
        b.pointer([('move', x - 4, y), ('move', x, y)])
        b.wait("!document.getElementById('tip').hidden")
        self.assertEqual(b.js("return document.getElementById('tip').textContent"), 'ESCI')
        hand = b.js("return (window.aritmeticaFiles || {})['pictures/pointer_hand.png'] || 'pointer_hand.png'")
        self.assertIn(hand + '") 12 1', b.js('return aritmetica.canvas.board.style.cursor'))
        b.click(x, y)
        self.assertTrue(b.js("return !document.getElementById('again').hidden"))
        self.assertEqual([b.pixel(400, 100), b.query('Form1.Label1')], [BOARD, ''])
        b.click(*b.js("const r = document.getElementById('again').getBoundingClientRect();"
                      "return [r.x + r.width / 2, r.y + r.height / 2]"))
        b.wait("document.getElementById('again').hidden")
        b.idle()
        self.assertEqual(b.title(), 'vaxo - Aritmetica cl. I')
        b.click(*b.where('Form1.Label1'))
        self.assertIn('Menu principale', b.title())

    def test_the_board_fits_windows_of_other_shapes_and_pointers_map_back(self):
        b = self.b
        ratio = 2 if b.can['ratio'] else 1
        board = ('const c = aritmetica.canvas.board, r = c.getBoundingClientRect();'
                 'return [c.width, r.width, r.height, r.left, r.top, scrollX + scrollY]')
        b.viewport(1200, 600, ratio)  # wider than the board: fitted to the height, centred across
        b.open(self.target.url)
        w, css_w, css_h, left, top, scrolled = b.js(board)
        self.assertEqual([round(css_h), round(css_w / css_h, 2), w, scrolled], [600, 1.38, round(css_w * ratio), 0])
        self.assertAlmostEqual(left, (1200 - css_w) / 2, delta=1)
        b.click(*b.where('Form1.Label1'), kind=self.tap)
        self.assertIn('Menu principale', b.title())
        b.viewport(600, 900)  # taller: fitted to the width, centred down
        b.wait('aritmetica.canvas.board.getBoundingClientRect().width <= 600')
        w, css_w, css_h, left, top, scrolled = b.js(board)
        self.assertEqual([round(css_w), left], [600, 0])
        self.assertAlmostEqual(top, (900 - css_h) / 2, delta=1)
        b.click(*b.where('Form5.Label1'))
        self.assertIn('Menu operazioni entro 10', b.title())

    def test_the_site_plays_offline_after_one_visit_and_can_be_installed(self):
        b = self.b
        if not b.can['cdp'] or not self.target.served:
            self.skipTest('needs a served site and DevTools to take the network away')
        b.js('await navigator.serviceWorker.ready')
        b.open(self.target.url)  # now the worker, which has the whole site, answers
        b.wait('navigator.serviceWorker.controller')
        b.cdp('Network.enable')
        b.cdp('Network.emulateNetworkConditions', {'offline': True, **OFFLINE})
        try:
            b.open(self.target.url)
            self.assertEqual(b.pixel(400, 100), BOARD)
            self.assertEqual(b.cdp('Page.getInstallabilityErrors')['installabilityErrors'], [])
        finally:
            b.cdp('Network.emulateNetworkConditions', {'offline': False, **OFFLINE})


if __name__ == '__main__':
    main(sys.argv[:1])
