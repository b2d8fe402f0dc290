#!/usr/bin/python3
"""phrase-table.py CATALOGUE OUTPUT.cpp: the voice's catalogue
(assets/voice/phrases.txt) as a C++ table, read once at build time, so
that every edition finds a phrase's clip by the same table
(session/catalogue.h)."""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import voice  # noqa: E402


def literal(text):
    return '"' + "".join(c if c.isascii() and c not in '"\\' else
                         "".join(f"\\{b:03o}" for b in c.encode()) for c in text) + '"'


def main(argv):
    if len(argv) != 3:
        voice.fail("usage: phrase-table.py CATALOGUE OUTPUT.cpp")
    try:
        phrases = voice.read_catalogue(argv[1])
    except voice.VoiceError as e:
        voice.fail(str(e))
    rows = "\n".join(f"    {{{literal(k)}, {literal(t)}}}," for k, t in phrases)
    source = f"""// Made by tools/phrase-table.py from {os.path.basename(argv[1])}: do not edit.
#include "session/catalogue.h"

namespace session {{

namespace {{

constexpr Phrase kPhrases[] = {{
{rows}
}};

}}  // namespace

std::span<const Phrase> catalogue() {{ return kPhrases; }}

}}  // namespace session
"""
    os.makedirs(os.path.dirname(os.path.abspath(argv[2])), exist_ok=True)
    with open(argv[2], "w", encoding="utf-8") as f:
        f.write(source)


if __name__ == "__main__":
    main(sys.argv)
