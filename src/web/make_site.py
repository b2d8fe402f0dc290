#!/usr/bin/python3
"""Assembles the static site of the browser edition.

make_site.py ROOT BUILD SITE: the page (src/web/site, its scripts and the
program's aritmetica.js inlined into index.html), the program built by
emscripten (BUILD/aritmetica.wasm), the desktop's own pictures and
chime from assets/, Liberation Sans cut down to the characters the program
can show (Latin-1) as WOFF2, the web app manifest and the service worker
with the list of every file, versioned by their contents.
"""
import hashlib
import json
import os
import re
import shutil
import sys

from fontTools import subset

ROOT, BUILD, SITE = sys.argv[1:4]
FACES = ['LiberationSans-Bold', 'LiberationSans-Regular']
FONT_DIR = '/usr/share/fonts/truetype/liberation2'
# Every character a caption or an answer box can hold: the screens' texts
# and whatever Latin-1 character a key delivers.
CHARACTERS = 'U+0020-007E,U+00A0-00FF'


def copy(src, dst):
    os.makedirs(os.path.dirname(dst), exist_ok=True)
    if not os.path.exists(dst) or open(src, 'rb').read() != open(dst, 'rb').read():
        shutil.copyfile(src, dst)


def cut_font(face):
    dst = os.path.join(SITE, 'fonts', face + '.woff2')
    src = os.path.join(FONT_DIR, face + '.ttf')
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


def bundle_page(page):
    """index.html with its style sheet and its scripts, the program's among
    them, inlined in the same order: the page asks for nothing but the
    program's WebAssembly, the faces and the pictures."""
    with open(os.path.join(page, 'index.html'), encoding='utf-8') as f:
        html = f.read()
    with open(os.path.join(page, 'style.css'), encoding='utf-8') as f:
        html = html.replace('<link rel="stylesheet" href="style.css">', '<style>\n' + f.read() + '</style>')
    scripts = re.findall(r'<script src="([\w.]+)" defer></script>\n', html)
    parts = []
    for name in scripts:
        folder = BUILD if name == 'aritmetica.js' else page
        with open(os.path.join(folder, name), encoding='utf-8') as f:
            parts.append(f.read())
    scripts = '<script>\n' + '\n'.join(parts).replace('</script', '<\\/script') + '</script>\n'
    html = re.sub(r'(<script src="[\w.]+" defer></script>\n)+', lambda _: scripts, html)
    path = os.path.join(SITE, 'index.html')
    if not os.path.exists(path) or open(path, encoding='utf-8').read() != html:
        with open(path, 'w', encoding='utf-8') as f:
            f.write(html)
    stale = os.path.join(SITE, 'page.js')
    if os.path.exists(stale):
        os.remove(stale)


def main():
    os.makedirs(SITE, exist_ok=True)
    page = os.path.join(ROOT, 'src/web/site')
    bundle_page(page)
    copy(os.path.join(BUILD, 'aritmetica.wasm'), os.path.join(SITE, 'aritmetica.wasm'))
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


main()
