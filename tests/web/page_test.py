#!/usr/bin/python3
"""The browser edition in headless Chromium, with real mouse, touch and key
events: the title's pictures, the walk into an exercise, answers typed and
tapped, beads dragged by mouse and by finger, pauses played back with input
held till after, the end and the start again, the board's scale.

    page_test.py SITE_DIR
"""
import sys
import time
import unittest

from browser import Browser, Server, skip_unless_ready

SITE = sys.argv[1] if len(sys.argv) > 1 else 'build-web/site'

BOARD = (0, 128, 128)
FRAME = (255, 128, 64)


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(SITE)
        cls.browser = Browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.close()

    def setUp(self):
        self.b = self.browser
        self.b.viewport(792, 573)
        self.b.open(self.server.url)

    def tearDown(self):
        self.assertEqual(self.b.js('return aritmetica.errors'), [])
        self.assertEqual(self.b.console_errors(), [])

    def test_title_screen_paints_the_chalkboard_and_its_title(self):
        self.assertEqual(self.b.pixel(400, 100), BOARD)
        self.assertEqual(self.b.pixel(5, 300), FRAME)
        self.assertEqual(self.b.driver.title, 'vaxo - Aritmetica cl. I')
        # the board is crisp at the device's pixel ratio
        self.assertEqual(self.b.js('return [aritmetica.canvas.board.width, aritmetica.canvas.board.height]'), [792, 573])

    def test_hover_shows_the_tooltip_and_the_pointer_of_the_control(self):
        b = self.b
        x, y = b.where('Form1.Label5')
        actions = b._pointer('mouse')
        actions.pointer_action.move_to_location(int(x) - 4, int(y)).move_to_location(int(x), int(y))
        actions.perform()
        b.wait("!document.getElementById('tip').hidden", timeout=3)
        self.assertEqual(b.js("return document.getElementById('tip').textContent"), 'ESCI')
        self.assertIn('pointer_hand.png") 12 1', b.js('return aritmetica.canvas.board.style.cursor'))
        actions = b._pointer('mouse')
        actions.pointer_action.move_to_location(400, 100)
        actions.perform()
        self.assertTrue(b.js("return document.getElementById('tip').hidden"))
        self.assertEqual(b.js('return aritmetica.canvas.board.style.cursor'), 'default')

    def test_walk_to_next_number_right_and_wrong_answers(self):
        b = self.b
        b.click(*b.where('Form1.Label1'))
        self.assertEqual(b.driver.title, 'vaxo - Aritmetica cl. I Menu principale')
        b.click(*b.where('Form5.Label1'))
        self.assertIn('Menu operazioni entro 10', b.driver.title)
        b.click(*b.where('Form2.Label11'))
        self.assertIn('Numero seguente entro 10', b.driver.title)

        self.assertEqual(b.run('random 0.5'), '')
        b.click(*b.where('Form14.Label9'))
        self.assertEqual(b.query('Form14.Label2.Caption'), '4')
        self.assertEqual(b.query('Form14.Text1.Enabled'), 'true')
        # a tap on the answer box brings up the device's keyboard, and a tap
        # elsewhere sends it away
        b.click(*b.where('Form14.Text1'), kind='touch')
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
        b.click(*b.where('Form14.Label9'), kind='touch')
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
        keypad7 = {'key': '7', 'code': 'Numpad7', 'text': '7', 'location': 3, 'windowsVirtualKeyCode': 103}
        for kind in ['keyDown', 'keyUp']:
            b.driver.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': kind, **keypad7})
        b.idle()
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

    def test_beads_dragged_by_mouse_and_by_finger_land_on_the_spike(self):
        b = self.b
        b.run('show Form7\nrandom 0.39')
        b.click(*b.where('Form7.Label2'))
        self.assertEqual(b.query('Form7.Label7.Caption'), 'QUATTRO')
        b.drag(b.where('Form7.Image9'), b.where('Form7.Label4'))
        self.assertEqual(b.query('Form7.Image9.Top'), '5400')
        self.assertEqual(b.query('Form7.Label6.Enabled'), 'true')
        b.drag(b.where('Form7.Image5'), b.where('Form7.Label4'), kind='touch')
        self.assertNotEqual(b.query('Form7.Image5.Left'), '1800')
        self.assertEqual(b.query('Form7.Image5.Top'), '4920')

    def test_pauses_are_shown_and_input_meanwhile_comes_after(self):
        b = self.b
        b.run('show Form26\nrandom 0.95 0.85')
        chalk, back = b.where('Form26.Label17'), b.where('Form26.Label28')
        start = b.js("return aritmetica.canvas.board.toDataURL()")
        actions = b._pointer('mouse')
        actions.pointer_action.move_to_location(int(chalk[0]), int(chalk[1])).click() \
            .move_to_location(int(back[0]), int(back[1])).click()
        actions.perform()
        time.sleep(0.4)
        moving = b.js("return aritmetica.canvas.board.toDataURL()")
        self.assertIn('Completa la decina', b.driver.title)  # the return waits
        b.idle()
        self.assertIn('Menu operazioni entro 20', b.driver.title)
        self.assertNotEqual(moving, start)

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
        self.assertEqual(b.driver.title, 'vaxo - Aritmetica cl. I')
        b.click(*b.where('Form1.Label1'))
        self.assertIn('Menu principale', b.driver.title)

    def test_the_board_fits_the_window_and_pointers_map_back(self):
        b = self.b
        b.viewport(1200, 600, ratio=2)
        b.open(self.server.url)
        size = b.js('const c = aritmetica.canvas.board, r = c.getBoundingClientRect();'
                    'return [c.width, c.height, r.width, r.height, r.left, r.top]')
        self.assertAlmostEqual(size[3], 600, delta=1)                 # letterboxed to the height
        self.assertAlmostEqual(size[2] / size[3], 792 / 573, delta=0.01)
        self.assertEqual(size[0], round(size[2] * 2))                   # twice the backing store
        self.assertGreater(size[4], 0)
        self.assertEqual(b.pixel(5, 300), FRAME)
        b.click(*b.where('Form1.Label1'), kind='touch')
        self.assertIn('Menu principale', b.driver.title)
        self.assertEqual(b.js('return document.documentElement.scrollTop + document.documentElement.scrollLeft'), 0)

    def test_the_site_works_offline_after_one_visit(self):
        b = self.b
        b.wait('navigator.serviceWorker.controller || navigator.serviceWorker.ready', timeout=10)
        b.driver.execute_async_script('navigator.serviceWorker.ready.then(() => arguments[0]())')
        b.driver.refresh()  # the worker now controls the page and has the whole site
        b.wait('window.aritmetica && aritmetica.ready')
        b.wait('navigator.serviceWorker.controller')
        b.driver.execute_cdp_cmd('Network.enable', {})
        b.driver.execute_cdp_cmd('Network.emulateNetworkConditions', {
            'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
        try:
            b.open(self.server.url)
            self.assertEqual(b.pixel(400, 100), BOARD)
            # and the browser would add it to a home screen
            self.assertEqual(b.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors'], [])
        finally:
            b.driver.execute_cdp_cmd('Network.emulateNetworkConditions', {
                'offline': False, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})


if __name__ == '__main__':
    skip_unless_ready(SITE)
    unittest.main(argv=sys.argv[:1], verbosity=2)
