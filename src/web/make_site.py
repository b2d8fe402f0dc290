#!/usr/bin/python3
"""Assembles the static site of the browser edition.

make_site.py ROOT BUILD SITE PROGRAM [--face FONT.ttf]... [--test]
[--single PAGE.html]: the page (src/web/site, its modules bundled, the
program's loader PROGRAM.js, the boundary's names BUILD/layout.js and the
title's first picture BUILD/title.json inlined into index.html), the
program built by emscripten (BUILD/PROGRAM.wasm), the spoken phrases
(BUILD/voice/*.mp3), the desktop's own pictures and chime from assets/,
each face cut down to the characters the program can show (Latin-1) as
WOFF2, the web app manifest and the service worker
with the list of every file, versioned by their contents. With --single,
also the whole site as one page that asks for nothing (every file inside
it as a data: address), to be opened from a folder or a USB stick.
"""
import base64
import hashlib
import json
import os
import re
import shutil
import sys

from fontTools import subset

ROOT, BUILD, SITE, PROGRAM = sys.argv[1:5]
TEST = '--test' in sys.argv[5:]  # the test build: the page's test hook too
SINGLE = sys.argv[sys.argv.index('--single') + 1] if '--single' in sys.argv[5:-1] else None
SINGLE_LIMIT = 1500 * 1000  # bytes: a page a stick and an old browser take in at once
TYPES = {'.wasm': 'application/wasm', '.png': 'image/png', '.woff2': 'font/woff2', '.wav': 'audio/wav',
         '.mp3': 'audio/mpeg', '.txt': 'text/plain;charset=utf-8'}
# The faces' files, as the build names them: each --face PATH.
FACES = [sys.argv[i + 1] for i in range(5, len(sys.argv) - 1) if sys.argv[i] == '--face']
# Every character a caption or an answer box can hold: the screens' texts
# and whatever Latin-1 character a key delivers.
CHARACTERS = 'U+0020-007E,U+00A0-00FF'


def copy(src, dst):
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    if not os.path.exists(dst) or open(src, 'rb').read() != open(dst, 'rb').read():
        shutil.copyfile(src, dst)


def cut_font(src):
    face = os.path.splitext(os.path.basename(src))[0]
    dst = os.path.join(SITE, 'fonts', face + '.woff2')
    if os.path.exists(dst) and os.path.getmtime(dst) >= os.path.getmtime(src):
        return
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    options = subset.Options()
    options.flavor = 'woff2'
    options.layout_features = ['kern']
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]  # keep the licence (SIL OFL)
    font = subset.load_font(src, options)
    sub = subset.Subsetter(options)
    sub.populate(unicodes=subset.parse_unicodes(CHARACTERS))
    sub.subset(font)
    subset.save_font(font, dst, options)


MODULE_IMPORT = re.compile(r"^import\s+(\{[^}]*\}|\*\s+as\s+\w+)\s+from\s+'\./([\w-]+)\.js';\n", re.M)
MODULE_EXPORT = re.compile(r"^export\s+(function|const|let|class)\s+(\w+)", re.M)


def module_path(page, name):
    """A module of the page, or layout.js, which write-layout made."""
    return os.path.join(BUILD, 'layout.js') if name == 'layout' else os.path.join(page, name + '.js')


def bundle_modules(page, entries, seen=None):
    """The page's ES modules as one script: each module becomes a function
    run once, in the order of its imports, that returns what it exports;
    an import becomes a reading of those names. Modules stay what they are
    in the source: one job each, with import and export. Modules in `seen`
    are there already (an earlier script); those bundled now are added."""
    order = []
    seen = set() if seen is None else seen

    def visit(name, trail):
        if name in seen:
            return
        if name in trail:
            sys.exit('make_site.py: modules import each other in a ring: ' + ' -> '.join(trail + [name]))
        with open(module_path(page, name), encoding='utf-8') as f:
            text = f.read()
        for _, dep in MODULE_IMPORT.findall(text):
            visit(dep, trail + [name])
        seen.add(name)
        order.append((name, text))

    for entry in entries:
        visit(entry, [])
    parts = []
    for name, text in order:
        def imported(m):
            what, dep = m.group(1), m.group(2)
            source = '__module_' + dep.replace('-', '_')
            if what.startswith('*'):
                return 'const %s = %s;\n' % (what.split()[-1], source)
            names = [n.strip() for n in what.strip('{} ').split(',') if n.strip()]
            return 'const { %s } = %s;\n' % (', '.join(n.replace(' as ', ': ') for n in names), source)
        exports = [m.group(2) for m in MODULE_EXPORT.finditer(text)]
        body = MODULE_IMPORT.sub(imported, text)
        body = re.sub(r'^export\s+(?=function|const|let|class)', '', body, flags=re.M)
        parts.append('const __module_%s = (() => {\n%s\nreturn { %s };\n})();\n'
                     % (name.replace('-', '_'), body, ', '.join(exports)))
    return '\n'.join(parts)


def bundle_page(page, program_js, modules, files=None, title=None):
    """index.html with its style sheet, the program's loader and the page's
    modules inlined: the page asks for nothing but the program's
    WebAssembly, the faces and the pictures. title.js and what it imports
    come first, in a plain script, to draw the title (record-title's
    picture) before the program is ready; the loader and the other modules
    follow as text that title.js runs after the title's first paint. With files (path
    -> data: address), those are inside the page too: the single-file
    edition, which has no manifest and no icon to fetch."""
    with open(os.path.join(page, 'index.html'), encoding='utf-8') as f:
        html = f.read()
    with open(os.path.join(page, 'style.css'), encoding='utf-8') as f:
        html = html.replace('<link rel="stylesheet" href="style.css">', '<style>\n' + f.read() + '</style>')
    with open(program_js, encoding='utf-8') as f:
        loader = f.read()
    guard = lambda text: text.replace('</script', '<\\/script')
    early = set()
    html = html.replace('<script src="title.js"></script>\n',
                        '<script>\n' + guard(bundle_modules(page, ['title'], early)) + '</script>\n')
    # The loader and the modules as text, which title.js runs once the
    # title is painted: parsing them would hold the first paint back.
    program = loader + "\n(() => {\n'use strict';\n" + bundle_modules(page, modules, early) + '})();\n'
    html = html.replace('<script src="aritmetica.js"></script>\n<script type="module" src="main.js"></script>\n',
                        '<script type="text/plain" id="program">\n' + guard(program) + '</script>\n')
    html = html.replace('<script>\n', '<script>\nwindow.aritmeticaTitle = ' + guard(json.dumps(title)) + ';\n', 1)
    if files is not None:
        html = html.replace('<script>\n', '<script>\nwindow.aritmeticaFiles = ' + guard(json.dumps(files)) + ';\n', 1)
        html = re.sub(r'<link rel="(manifest|apple-touch-icon)"[^>]*>\n', '', html)
        html = html.replace('<link rel="icon" href="pictures/icon_64.png">',
                            '<link rel="icon" href="%s">' % files['pictures/icon_64.png'])
    return html


def data_address(path):
    kind = TYPES.get(os.path.splitext(path)[1])
    if kind is None:
        sys.exit('make_site.py: %s: no data: type for this kind of file' % path)
    with open(path, 'rb') as f:
        return 'data:%s;base64,%s' % (kind, base64.b64encode(f.read()).decode('ascii'))


def write_single(page, modules, title, path):
    """The site's files (but the page, the manifest, the service worker and
    the icons a home screen takes) inside one page."""
    files = {}
    for dirpath, _, names in os.walk(SITE):
        for name in sorted(names):
            rel = os.path.relpath(os.path.join(dirpath, name), SITE)
            if rel in ('index.html', 'sw.js', 'manifest.webmanifest') or \
                    (rel.startswith('pictures/icon_') and rel != 'pictures/icon_64.png'):
                continue
            files[rel] = data_address(os.path.join(SITE, rel))
    html = bundle_page(page, os.path.join(BUILD, PROGRAM + '.js'), modules, files=dict(sorted(files.items())),
                       title=title)
    size = len(html.encode('utf-8'))
    if size > SINGLE_LIMIT:
        sys.exit('make_site.py: %s: %d bytes, over the %d that a single page may take' % (path, size, SINGLE_LIMIT))
    write_if_changed(path, html)


def write_if_changed(path, text):
    if not os.path.exists(path) or open(path, encoding='utf-8').read() != text:
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text)


def main():
    os.makedirs(SITE, exist_ok=True)
    page = os.path.join(ROOT, 'src/web/site')
    modules = ['main', 'hook'] if TEST else ['main']
    with open(os.path.join(BUILD, 'title.json'), encoding='utf-8') as f:
        title = json.load(f)
    write_if_changed(os.path.join(SITE, 'index.html'),
                     bundle_page(page, os.path.join(BUILD, PROGRAM + '.js'), modules, title=title))
    copy(os.path.join(BUILD, PROGRAM + '.wasm'), os.path.join(SITE, 'aritmetica.wasm'))
    voice = os.path.join(BUILD, 'voice')
    for name in sorted(os.listdir(voice)):
        if name.endswith('.mp3'):
            copy(os.path.join(voice, name), os.path.join(SITE, 'voice', name))
    assets = os.path.join(ROOT, 'assets')
    for name in sorted(os.listdir(assets)):
        if name.endswith('.png'):
            copy(os.path.join(assets, name), os.path.join(SITE, 'pictures', name))
    copy(os.path.join(assets, 'beep.wav'), os.path.join(SITE, 'chime.wav'))
    for face in FACES:
        cut_font(face)

    manifest = {
        'name': 'Aritmetica',
        'short_name': 'Aritmetica',
        'description': 'Esercizi di aritmetica per la prima classe',
        'lang': 'it',
        'start_url': './',
        'scope': './',
        'display': 'fullscreen',
        'orientation': 'landscape',
        'background_color': '#000000',
        'theme_color': '#008080',
        'icons': [
            {'src': f'pictures/icon_{size}.png', 'sizes': f'{size}x{size}', 'type': 'image/png', 'purpose': 'any'}
            for size in (64, 192, 256, 512)
        ],
    }
    with open(os.path.join(SITE, 'manifest.webmanifest'), 'w') as f:
        json.dump(manifest, f, indent=1)

    files, digest = [], hashlib.sha256()
    for dirpath, _, names in os.walk(SITE):
        for name in sorted(names):
            path = os.path.join(dirpath, name)
            rel = os.path.relpath(path, SITE)
            if rel == 'sw.js':
                continue
            files.append(rel)
    files.sort()
    for rel in files:
        digest.update(rel.encode() + open(os.path.join(SITE, rel), 'rb').read())
    with open(os.path.join(page, 'sw.js')) as f:
        worker = f.read()
    worker = worker.replace('@VERSION@', 'aritmetica-' + digest.hexdigest()[:12])
    worker = worker.replace('@FILES@', json.dumps(['./'] + files))
    with open(os.path.join(SITE, 'sw.js'), 'w') as f:
        f.write(worker)
    if SINGLE:
        write_single(page, modules, title, SINGLE)


main()
