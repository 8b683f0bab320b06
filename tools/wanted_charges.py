#!/usr/bin/env python3
"""Writes data/charges/WANTED.md: the charge pictures armory asks for, ranked by how often.

It reads the blazon lists the team measures coverage on, finds every charge word in them the
way the program reads it (the normaliser's spellings, the vocabulary's rows and the attitude
words right after the charge), forms the picture name placement looks for and says whether a
drawing under data/charges gives it. Words with no vocabulary row are ranked too: each of them
makes the question picture stand in.

    python3 tools/wanted_charges.py            # rewrites data/charges/WANTED.md
    python3 tools/wanted_charges.py --check    # exit 1 when WANTED.md is out of date
    python3 tools/wanted_charges.py --published FILE   # the published list read from FILE
    python3 tools/wanted_charges.py --self-check   # exit 1 when a sample blazon is misread

The society and published lists are split in halves by the 1-based number of a blazon line
among the blazon lines: odd lines are the working half, even lines the held-out half. Only the
working halves and the team's own list are read: the held-out halves are for measuring coverage,
so they are skipped here and neither counted nor shown.
"""

import collections
import os
import sys

# How the program reads a blazon, word by word (wanted_reading.py, beside this script).
from wanted_reading import (
    CHARGE_TYPES, DOUBLE_QUEUED, HEAD_QUALIFIERS, NEAR_ATTITUDES, NOT_DIGITS, ORDINARY_WORDS,
    OTHER_QUALIFIERS, OUTPUT, REGUARDANT, ROOT, SOURCES, SpellingRows, TOP_UNKNOWN, Vocabulary,
    blazon_lines, existing_pictures, load_spellings, lookup_key, normalise, picture_files)


class Charge:
    def __init__(self, name, owner, words):
        self.name, self.owner, self.words = name, owner, list(words)
        self.digits, self.head, self.qualifier = '', '', ''

    def variant(self):
        if self.head:
            return self.head
        if self.qualifier and not self.digits:
            return self.qualifier
        return self.digits[:3] or 'esv'

    def picture(self):
        return picture_files(self.name, self.variant())[0][0]

    def found(self, drawn):
        """(the picture drawn for this charge or the one it falls back to, or None; whether it is
        its own; whether the fallback is the nearest attitude, drawn and told)."""
        tried, fallback = picture_files(self.name, self.variant())
        for file in tried:
            if file in drawn:
                return file, True, False
        near = self.nearest(drawn)
        if near:
            return near, False, True
        return (fallback if fallback in drawn else None), False, False

    def nearest(self, drawn):
        """The picture the program draws, and tells, for an attitude it has no picture in: the
        nearest attitude (the interpreter's table), or the attitude before a turn of the head or
        tail (guardant, coward) with none."""
        if self.head or not self.digits or self.owner not in (4, 11):
            return None
        digits = self.digits[:3]
        before, last = digits[:-1], digits[-1]
        if (self.owner == 4 and last in '02' or last == 'r') and before:
            candidates = [before]
        else:
            candidates = [before + d for d in NEAR_ATTITUDES.get((self.owner, last), [])]
        for variant in candidates:
            for file in picture_files(self.name, variant)[0]:
                if file in drawn:
                    return file
        return None


def read_charges(tokens, vocabulary):
    """The charges of one normalised blazon, and its words with no vocabulary row."""
    charges, unknown = [], []
    current, prefix, naming = None, '', False
    prefix_words = []
    for word in tokens:
        row = vocabulary.find(word)
        if row is None:
            if not word.isdigit():
                unknown.append(word)
            current, prefix, naming = None, '', False
            continue
        kind, sub1, sub2 = row
        if kind == 8 and sub1 <= 98:
            prefix += word[0]
            prefix_words.append(word)
            continue
        if kind == 13 and sub1 == 8:
            # The first word of a name of two ("round buckle", "garden rose", "wine amphora"):
            # a picture is asked for only when the next word completes the name. Alone ("round
            # the head", "lilies of the garden", "red wine") the program reads it past or draws
            # the question picture for the unknown word after it, which is counted as that word.
            current = Charge(word, 13, [word])
            current.incomplete = True
            charges.append(current)
            naming = True
            continue
        if kind == 12 and current is not None and naming:
            current.name += word
            current.words.append(word)
            current.incomplete = False
            continue
        if kind in CHARGE_TYPES or (kind == 13 and sub1 == 0):
            if sub1 == 8 or current is None or not naming:
                current = Charge(prefix + word, kind, (prefix_words[-len(prefix):] if prefix else []) + [word])
                found = vocabulary.row_word(word)
                if found != lookup_key(word) and found != word:
                    current.taken_for = found
                if lookup_key(word) not in ORDINARY_WORDS:
                    charges.append(current)
            elif word == 'wings':
                # "a dragon wings elevated": how the charge bears its wings, not a charge
                naming = False
                continue
            else:
                current.name += word
                current.words.append(word)
                current.owner = kind
                current.incomplete = False
            prefix, naming = '', True
            prefix_words = []
            continue
        if kind == 2 and sub1 in (5, 6):
            # a cross or saltire is a picture only with a variant word after it
            current = Charge(word, sub1, [word])
            current.ordinary = True
            charges.append(current)
            prefix, naming = '', False
            continue
        naming = False
        if current is None:
            prefix = ''
            continue
        if kind == 13 and sub1 == 9:
            current.words.append(word)
            if current.digits:
                # "a wolf sejant, head erect": how the beast holds its head, after its attitude
                current.head_held = True
                continue
            current.head = 'hd'
            continue
        if kind == 9 and sub1 == 91:
            current.words.append(word)
            if getattr(current, 'head_held', False) and sub2 == 71:
                current.digits += 'hr'
                current.head_held = False
            elif current.head and sub2 in HEAD_QUALIFIERS:
                erased = current.head in ('he', 'hs') or sub2 == 62
                erect = current.head in ('hr', 'hs') or sub2 == 71
                current.head = ('hs' if erased else 'hr') if erect else HEAD_QUALIFIERS[sub2]
            elif sub2 == REGUARDANT:
                current.digits += 'r'
            elif sub2 == DOUBLE_QUEUED:
                current.name += 'dn'
            elif sub2 in OTHER_QUALIFIERS:
                current.qualifier = OTHER_QUALIFIERS[sub2]
            continue
        if kind == 9 and sub1 == current.owner and sub2 not in NOT_DIGITS:
            current.digits += str(sub2)
            current.words.append(word)
            continue
        current, prefix = None, ''
    charges = [c for c in charges if not (getattr(c, 'ordinary', False) and not c.digits)
               and not getattr(c, 'incomplete', False)]
    return charges, unknown


def count(vocabulary, spellings, drawn, paths):
    rows = SpellingRows()
    """picture -> {column: n}, picture -> the words most often read as it, unknown word -> counts."""
    pictures = collections.defaultdict(collections.Counter)
    phrases = collections.defaultdict(collections.Counter)
    unknown = collections.defaultdict(collections.Counter)
    blazons = collections.Counter()
    taken, found = {}, {}
    for label, path, halves, column in SOURCES:
        full = paths.get(label, os.path.join(ROOT, path))
        if not os.path.exists(full):
            print(f'wanted_charges: {path} not found, left out', file=sys.stderr)
            continue
        for i, blazon in enumerate(blazon_lines(full, column), start=1):
            if halves and i % 2 == 0:
                continue  # the held-out half: measured elsewhere, never read here
            col = f'{label}-working' if halves else label
            blazons[col] += 1
            charges, words = read_charges(normalise(blazon, spellings, rows), vocabulary)
            for c in charges:
                if getattr(c, 'taken_for', None):
                    taken[c.picture()] = c.taken_for
                pictures[c.picture()][col] += 1
                found[c.picture()] = c.found(drawn)
                phrases[c.picture()][' '.join(c.words)] += 1
            for w in set(words):
                unknown[w][col] += 1
    return pictures, phrases, unknown, blazons, taken, found


COLUMNS = ['society-working', 'published-working', 'real']


def working(counts):
    return counts['society-working'] + counts['published-working'] + counts['real']


def status(picture, found, taken):
    file, own, told = found[picture]
    if picture in taken:
        return f'the word is taken for `{taken[picture]}`, which begins with it: it wants a row (or a spelling), not a picture'
    if own:
        return 'drawn'
    if told:
        return f'missing: `{file}` drawn instead (the nearest attitude), and told'
    if file:
        return f'missing: `{file}` drawn instead, the words read past'
    return 'missing: the question picture stands in'


def unpictured_terms():
    """(term, what it is) of data/charges/unpictured.terms, in the file's order."""
    terms = []
    with open(os.path.join(ROOT, 'data', 'charges', 'unpictured.terms'), encoding='utf-8') as f:
        for line in f:
            if not line.strip() or line.startswith('#'):
                continue
            term, _, meaning = line.partition('#')
            terms.append((term.strip(), meaning.strip()))
    return terms


def render(pictures, phrases, unknown, blazons, taken, found, drawn):
    ranked = sorted(pictures, key=lambda p: (-working(pictures[p]), p))
    missing = [p for p in ranked if not found[p][1]]
    lines = [
        '# Wanted charge pictures',
        '',
        '<!-- written by tools/wanted_charges.py, do not edit by hand -->',
        '',
        'The charge pictures the blazon lists ask for, ranked by how often, so that the next',
        'picture to draw is the first missing one. Regenerate after adding a drawing or a word:',
        '',
        '    python3 tools/wanted_charges.py',
        '',
        'It is not checked by a test: the lists grow on their own, and a count out of date misleads',
        'no one as long as it is regenerated before choosing what to draw.',
        '',
        'Counted: every charge word as the program reads it (spellings, vocabulary rows, the',
        'attitude, head and qualifier words right after it) and the picture name placement looks',
        'for. "W" is the count in the working halves of the society and published lists plus the',
        "team's own list of real blazons; the rank follows it. The held-out halves are only",
        'measured, never read here.',
        '',
        'Blazons read: ' + ', '.join(f'{c} {blazons[c]}' for c in COLUMNS if blazons[c]) + '.',
        '',
        f'Pictures asked for: {len(ranked)}; drawn: {len(ranked) - len(missing)}; missing: {len(missing)}. '
        f'Drawings under data/charges (names and `data-also` names): {len(drawn)}.',
        '',
        '## Missing pictures, most wanted first',
        '',
        '| Rank | Picture | W | Most often blazoned | Now |',
        '|---|---|---|---|---|',
    ]
    for i, p in enumerate(missing, start=1):
        words = phrases[p].most_common(1)[0][0]
        lines.append(f'| {i} | `{p}` | {working(pictures[p])} | {words} | '
                     f'{status(p, found, taken)} |')
    ranked_unknown = sorted(unknown, key=lambda w: (-working(unknown[w]), w))
    lines += [
        '',
        '## Words with no vocabulary row, most frequent first',
        '',
        'Each makes the question picture stand in where it is read as a charge. Many are words of',
        'English prose or spellings the normaliser lacks: only the charges among them want a picture',
        f'(and a vocabulary row). The first {TOP_UNKNOWN}, blazons that hold the word:',
        '',
        '| Word | W |',
        '|---|---|',
    ]
    for w in ranked_unknown[:TOP_UNKNOWN]:
        lines.append(f'| {w} | {working(unknown[w])} |')
    lines += [
        '',
        '### Charges of the heraldic glossaries with no picture yet',
        '',
        'The terms of data/charges/unpictured.terms: the glossaries define them, no drawing shows',
        'them and no vocabulary row names them. Each wants a picture and then a row.',
        '',
        '| Term | W | What it is |',
        '|---|---|---|',
    ]
    for term, meaning in unpictured_terms():
        uses = sum(working(unknown[w]) for w in unknown if lookup_key(w) == lookup_key(term))
        lines.append(f'| {term} | {uses} | {meaning} |')
    lines += [
        '',
        '## Drawn pictures in use, most used first',
        '',
        '| Picture | W |',
        '|---|---|',
    ]
    for p in ranked:
        if found[p][1]:
            lines.append(f'| `{p}` | {working(pictures[p])} |')
    return '\n'.join(lines) + '\n'


# Blazons as the lists print them and the words the program reads in them: the spelling rows of
# one word and of several ("arg.", "party per", "demi-wolf", "cross of Santiago"), the
# normaliser's swaps as whole words ("star" is no part of "starfish") and its fragments
# ("fleurs-de-lis").
SELF_CHECKS = [
    ('Arg. a chev. betw. three starfish gu.', 'argent a chevron between three starfish gules'),
    ('Party per pale, three demi-wolves', 'per pale three demi wolves'),
    ('Azure three stars Or and a starling', 'azure three mullets or and a starling'),
    ('Gules a cross of Santiago or', 'gules a santiago or'),
    ('three fleurs-de-lis', 'three fleurdelis'),
]


def self_check():
    """0 when every blazon of SELF_CHECKS is read as its words, else 1 (naming the first that is not)."""
    spellings, rows = load_spellings(), SpellingRows()
    for blazon, words in SELF_CHECKS:
        got = ' '.join(normalise(blazon, spellings, rows))
        if got != words:
            print(f'wanted_charges: "{blazon}" is read as "{got}", not "{words}"', file=sys.stderr)
            return 1
    return 0


def main(argv):
    if '--self-check' in argv:
        return self_check()
    vocabulary = Vocabulary()
    drawn = existing_pictures()
    paths = {}
    if '--published' in argv:
        paths['published'] = argv[argv.index('--published') + 1]
    text = render(*count(vocabulary, load_spellings(), drawn, paths), drawn)
    if '--check' in argv:
        with open(OUTPUT, encoding='utf-8') as f:
            if f.read() != text:
                print('data/charges/WANTED.md is out of date: run tools/wanted_charges.py', file=sys.stderr)
                return 1
        return 0
    tmp = OUTPUT + '.tmp'
    with open(tmp, 'w', encoding='utf-8') as f:
        f.write(text)
    os.replace(tmp, OUTPUT)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
