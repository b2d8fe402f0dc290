#!/usr/bin/python3
"""Catches the page's class record, in one engine, losing or garbling what
a teacher keeps: the page touching the store while the record is off,
answers not kept across a reload or coming back with a field lost or
swapped on the way through the store, a renamed child's answers lost or
kept twice, the time of a question in another
zone than the device's, an export that is not the CSV download the
teacher's spreadsheet opens, "Cancella tutto" that leaves something
behind, and a browser that keeps nothing stopping the drill, saying
nothing or filling the console (every test ends with no error).

    record_test.py [--engine chromium|firefox|webkit] [SITE_DIR | PAGE.html]
"""
import datetime
import os
import sys

from browser import PageCase, arguments, main

ENGINE, PAGE, _ = arguments(sys.argv)
os.environ['TZ'] = 'Asia/Kolkata'  # the browser in a zone half an hour off the hour, far from UTC
NO_STORE = 'Questo browser non conserva il registro: esportalo prima di chiudere'
# Form14's question 4 (random 0.5): 7 is wrong, then 5 right.
WRONG_THEN_RIGHT = 'show Form14\nrandom 0.5\nclick Form14.Label9\nclick Form14.Text1\ntype 7\ntype 5'


class Record(PageCase):
    engine, page = ENGINE, PAGE

    def setUp(self):
        self.b = self.browser
        self.b.open(self.target.url)
        self.b.js("localStorage.clear(); await new Promise((done) => {"
                  "  const r = indexedDB.deleteDatabase('aritmetica'); r.onsuccess = r.onerror = done; })")
        self.b.open(self.target.url)

    def tearDown(self):
        self.assertEqual(self.b.errors(), [])

    def klass(self, command):
        return self.b.js('return await aritmetica.klass(arguments[0])', command)

    def answer(self, lines):
        self.assertEqual(self.b.run(lines), '')

    def test_answers_kept_across_reloads_exported_as_csv_and_erased(self):
        b = self.b
        self.answer(WRONG_THEN_RIGHT)  # the record off: nothing kept, no store opened
        self.assertEqual(b.js("return [localStorage.length, (await indexedDB.databases()).map((d) => d.name)]"),
                         [0, []])
        self.assertEqual(self.klass('on'), '')
        self.klass('add Anna')
        self.klass('choose Anna')
        self.answer(WRONG_THEN_RIGHT)
        self.assertEqual(self.klass('rows'), '2')
        b.open(self.target.url)  # the store's book back at start-up
        self.assertEqual([self.klass('rows'), self.klass('children')], ['2', 'Anna\n'])
        self.klass('choose Anna')
        self.answer('show Form14\nrandom 0.5\nclick Form14.Label9\nclick Form14.Text1\ntype 5')
        self.klass('rename Anna Bea')  # her rows go with her, under their new keys
        b.open(self.target.url)
        self.assertEqual([self.klass('rows'), self.klass('children')], ['3', 'Bea\n'])  # none lost, none twice

        self.klass('export')
        b.wait('aritmetica.downloads.length && aritmetica.downloads[0].bytes')
        saved = b.js('return aritmetica.downloads[0]')
        self.assertRegex(saved['name'], r'^registro-\d{4}-\d\d-\d\d\.csv$')
        self.assertTrue(saved['type'].startswith('text/csv'), saved['type'])
        data = bytes(saved['bytes'])
        self.assertTrue(data.startswith(b'\xef\xbb\xbfbambino;schermata;'))
        lines = data[3:].decode('utf-8').split('\r\n')
        rows = sorted((line.split(';') for line in lines[1:-1]), key=lambda f: (f[3], f[5]))
        # child, screen, menu, asked, shown, attempt, given, right, ms, first right
        self.assertEqual([[f[0], f[1], f[4], f[5], f[6], f[7], f[9]] for f in rows],
                         [['Bea', '14', '4 _', '1', '7', 'no', 'no'], ['Bea', '14', '4 _', '2', '5', 'sì', 'no'],
                          ['Bea', '14', '4 _', '1', '5', 'sì', 'sì']])
        self.assertTrue(all(f[2] == rows[0][2] and 'entro 10' in f[2] and f[8].isdigit() for f in rows))
        local = datetime.datetime(*b.js('const d = new Date(); return [d.getFullYear(), d.getMonth() + 1, '
                                        'd.getDate(), d.getHours(), d.getMinutes(), d.getSeconds()]'))
        for f in rows:
            asked = datetime.datetime.strptime(f[3], '%Y-%m-%d %H:%M:%S.%f')
            self.assertLess(abs((local - asked).total_seconds()), 600, f[3] + ' is not the local time')

        self.klass('erase')  # "Cancella tutto"
        b.open(self.target.url)
        self.assertEqual([self.klass('rows'), self.klass('children')], ['0', ''])

    def test_a_browser_that_keeps_nothing_says_so_once_and_the_drill_goes_on(self):
        b = self.b
        b.js("indexedDB.open = () => { throw new DOMException('refused', 'SecurityError'); }")
        self.klass('on')
        self.klass('add Bruno')
        self.klass('choose Bruno')
        self.answer(WRONG_THEN_RIGHT)
        self.answer('random 0.5\nclick Form14.Label9\nclick Form14.Text1\ntype 5')
        self.assertEqual([self.klass('rows'), self.klass('troubles')], ['3', NO_STORE + '\n'])


if __name__ == '__main__':
    main(sys.argv[:1])
