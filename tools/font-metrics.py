#!/usr/bin/python3
"""Writes the faces' own metrics as C++ tables for draw::FaceMeasure.

font-metrics.py OUTPUT.cpp SANS SANS_BOLD SERIF SERIF_BOLD

Reads the four faces that the editions draw with (Debian's
fonts-liberation2, as the build names them) and writes, for each face: the
path of its file, for the backends that load it; its units per em, the line
metrics of its hhea table (the ones Qt and the browsers use for these faces),
the advance of every Latin-1 character a caption or an answer box can hold,
and the kerning pairs among them from the GPOS 'kern' feature of Latin text
(what Qt applies when it lays out a line). Everything stays in the face's
design units; draw::FaceMeasure scales it.
"""
import json
import os
import sys

from fontTools.ttLib import TTFont

# The C++ names of the faces, in the order of draw::faceIndex and of the
# files on the command line: sans, sans bold, serif, serif bold.
FACES = ['kSansRegular', 'kSansBold', 'kSerifRegular', 'kSerifBold']
SHOWN = list(range(0x20, 0x7F)) + list(range(0xA0, 0x100))
# Shown as nothing by every edition, though the face has a glyph for it.
INVISIBLE = {0xAD}  # the soft hyphen


def fail(message):
    sys.exit('font-metrics.py: ' + message)


def kern_lookups(gpos):
    """The lookups of the 'kern' feature for Latin text, in order."""
    for record in gpos.ScriptList.ScriptRecord:
        if record.ScriptTag == 'latn':
            langsys = record.Script.DefaultLangSys
            indices = set()
            for i in langsys.FeatureIndex:
                feature = gpos.FeatureList.FeatureRecord[i]
                if feature.FeatureTag == 'kern':
                    indices.update(feature.Feature.LookupListIndex)
            return [gpos.LookupList.Lookup[i] for i in sorted(indices)]
    return []


def pair_value(subtable, coverage, first, second):
    """The values of the pair in one subtable, or None where the subtable
    does not cover it. coverage: the subtable's glyphs by name, to index."""
    index = coverage.get(first)
    if index is None:
        return None
    if subtable.Format == 1:
        for pair in subtable.PairSet[index].PairValueRecord:
            if pair.SecondGlyph == second:
                return pair.Value1, getattr(pair, 'Value2', None)
        return None
    class1 = subtable.ClassDef1.classDefs.get(first, 0)
    class2 = subtable.ClassDef2.classDefs.get(second, 0)
    record = subtable.Class1Record[class1].Class2Record[class2]
    return record.Value1, getattr(record, 'Value2', None)


def kerning(font, path, glyphs):
    """{(first, second): units} for the shown characters. Each lookup adds
    the value of its first subtable that covers the pair, as a shaper
    applies them."""
    if 'GPOS' not in font:
        return {}
    lookups = []
    for lookup in kern_lookups(font['GPOS'].table):
        subtables = []
        for subtable in lookup.SubTable:
            if lookup.LookupType == 9:
                subtable = subtable.ExtSubTable
            if getattr(subtable, 'LookupType', lookup.LookupType) == 2:
                subtables.append((subtable, {g: i for i, g in enumerate(subtable.Coverage.glyphs)}))
        lookups.append(subtables)
    pairs = {}
    for first_cp, first in glyphs.items():
        for second_cp, second in glyphs.items():
            total = 0
            for subtables in lookups:
                for subtable, coverage in subtables:
                    found = pair_value(subtable, coverage, first, second)
                    if found is None:
                        continue
                    value1, value2 = found
                    for value in (value1, value2):
                        for field in ('XPlacement', 'YPlacement', 'YAdvance'):
                            if value is not None and getattr(value, field, 0):
                                fail(f'{path}: the pair {first}, {second} moves glyphs ({field}), '
                                     'which draw::FaceMeasure cannot follow')
                    if value2 is not None and getattr(value2, 'XAdvance', 0):
                        fail(f'{path}: the pair {first}, {second} changes the second advance')
                    if value1 is not None:
                        total += getattr(value1, 'XAdvance', 0) or 0
                    break
            if total:
                pairs[(first_cp, second_cp)] = total
    return pairs


def face_source(name, path):
    try:
        font = TTFont(path)
    except Exception as e:  # fontTools raises several kinds
        fail(f'{path}: cannot read the face: {e}')
    cmap = font.getBestCmap()
    hmtx = font['hmtx']
    missing = [f'U+{cp:04X}' for cp in SHOWN if cp not in cmap]
    if missing:
        fail(f'{path}: no glyph for {", ".join(missing)}')
    glyphs = {cp: cmap[cp] for cp in SHOWN if cp not in INVISIBLE}
    advances = [hmtx[glyphs[cp]][0] if cp in glyphs else 0 for cp in range(256)]
    hhea = font['hhea']
    kerns = kerning(font, path, glyphs)

    rows = [', '.join(str(a) for a in advances[i:i + 16]) for i in range(0, 256, 16)]
    kern_rows = [f'    {{0x{a:02X}, 0x{b:02X}, {units}}},' for (a, b), units in sorted(kerns.items())]
    return '\n'.join([
        f'// {os.path.basename(path)}',
        f'constexpr std::uint16_t {name}Advances[256] = {{',
        *[f'    {row},' for row in rows],
        '};',
        f'constexpr FaceTable::Kern {name}Kerns[] = {{',
        *kern_rows,
        '};',
        f'constexpr FaceTable {name}{{{font["head"].unitsPerEm}, {hhea.ascent}, {-hhea.descent}, '
        f'{hhea.lineGap}, {hmtx[".notdef"][0]}, {name}Advances, {name}Kerns, {len(kerns)}}};',
        '',
    ])


def main():
    if len(sys.argv) != 2 + len(FACES):
        fail('usage: font-metrics.py OUTPUT.cpp SANS SANS_BOLD SERIF SERIF_BOLD')
    output, files = sys.argv[1], sys.argv[2:]
    parts = [
        '// Written by tools/font-metrics.py from the Liberation faces: do not edit.',
        '#include "draw/face_measure.h"',
        '',
        'namespace draw {',
        'namespace {',
        '',
    ]
    for name, path in zip(FACES, files):
        parts.append(face_source(name, path))
    parts += [
        '}  // namespace',
        '',
        'const std::array<const char*, kFaceCount> kFaceFiles = {',
        *[f'    {json.dumps(path)},' for path in files],  # a C++ string as well
        '};',
        '',
        'const FaceTable& faceTable(const FontSpec& font) {',
        '  static constexpr const FaceTable* kTables[kFaceCount] = {' + ', '.join('&' + n for n in FACES) + '};',
        '  return *kTables[faceIndex(font)];',
        '}',
        '',
        '}  // namespace draw',
        '',
    ]
    text = '\n'.join(parts)
    # Rewritten only when it changes, so that a rebuild compiles nothing.
    if os.path.exists(output) and open(output, encoding='utf-8').read() == text:
        return
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output, 'w', encoding='utf-8') as f:
        f.write(text)


main()
