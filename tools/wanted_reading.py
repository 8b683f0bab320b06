"""How tools/wanted_charges.py reads blazons as the program does: the blazon lists and their
halves, the vocabulary rows, the normaliser's spellings, the lookup of a typed word and the
picture files the drawings give. The constants name the program's codes it relies on."""

import bisect
import collections
import os
import re
import unicodedata

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
CHARGES_DIR = os.path.join(ROOT, 'data', 'charges')
VOCABULARY_DIR = os.path.join(ROOT, 'data', 'vocabulary')
NORMALISER = os.path.join(ROOT, 'interpret', 'read', 'Normaliser.cpp')
OUTPUT = os.path.join(CHARGES_DIR, 'WANTED.md')

# (label, path relative to the root, split in halves, blazon column of "a | b | c" lines)
SOURCES = [
    ('society', 'tests/data/society_blazons.txt', True, None),
    ('published', 'tests/data/published_arms.txt', True, 1),
    ('real', 'tests/data/real_blazons.txt', False, None),
]

# Qualifiers of any family (Type 9, Sub1 91): Sub2 code -> variant, after a head and otherwise.
HEAD_QUALIFIERS = {61: 'hd', 62: 'he', 63: 'hc', 71: 'hr'}   # erased and erect: 'hs'
OTHER_QUALIFIERS = {61: 'cp', 62: 'er', 64: 'ha', 65: 'na', 66: 'em', 69: 'ra', 72: 'tt'}
REGUARDANT, DOUBLE_QUEUED = 67, 68
CHARGE_TYPES = {4, 11, 14}
NOT_DIGITS = {8, 19}        # ordinary treatments, not variant digits
TOP_UNKNOWN = 200
# Type 14 words the painter draws as ordinaries (several bars or pallets, and the diminutives of
# engine/Diminutives.cpp), not as pictures.
ORDINARY_WORDS = {'bar', 'pallet', 'barrulet', 'closet', 'endorse', 'riband', 'ribbon', 'coupleclose', 'flasque'}
# The attitudes drawn, nearest first, for one with no picture (interpret/phrase/Qualifiers.cpp):
# (owner type, attitude digit) -> digits. Beasts are type 4, birds 11.
NEAR_ATTITUDES = {
    (4, '1'): ['7', '3'], (4, '3'): ['4', '1'], (4, '4'): ['3', '1'], (4, '5'): ['6', '3'],
    (4, '6'): ['5', '3'], (4, '7'): ['1', '3'],
    (11, '1'): ['2', '4'], (11, '2'): ['1', '3'], (11, '3'): ['2', '1'], (11, '4'): ['1', '2'],
    (11, '6'): ['4', '1'], (11, '7'): ['4', '1'],
}


def sub2_value(text):
    """A row's Sub2: a number, or the letters of a variant code of letters ("po"), kept as text."""
    return text if text.isalpha() else int(text)


def blazon_lines(path, column):
    """The blazon lines of a list, in order, comment and blank lines left out."""
    out = []
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            if column is not None:
                parts = [p.strip() for p in line.split('|')]
                if len(parts) <= column:
                    continue
                line = parts[column]
            out.append(line)
    return out


def load_vocabulary():
    rows = {}
    for name in sorted(os.listdir(VOCABULARY_DIR)):
        if not name.endswith('.words'):
            continue
        with open(os.path.join(VOCABULARY_DIR, name), encoding='utf-8') as f:
            for line in f:
                fields = line.split('#', 1)[0].split()
                if len(fields) >= 4:
                    rows[fields[0]] = (int(fields[1]), int(fields[2]), sub2_value(fields[3]))
    words = sorted(rows)
    return words, rows


def load_spellings():
    """The normaliser's substitutions, in order: (pattern, replacement, met inside words)."""
    with open(NORMALISER, encoding='utf-8') as f:
        text = f.read()
    table = text[text.index('kSubstitutions'):]
    table = table[:table.index('}};')]
    out = []
    for m in re.finditer(r'\{"((?:[^"\\]|\\.)*)",\s*"((?:[^"\\]|\\.)*)"(?:,\s*Kind::(\w+))?(?:,\s*Reach::(\w+))?\}',
                         table):
        pattern, replacement, kind = m.group(1), m.group(2), m.group(3) or 'Replace'
        fragment = kind in ('Delete', 'DeleteOutsideNumbers') or m.group(4) == 'Fragment'
        out.append((pattern, '' if kind != 'Replace' else replacement, fragment))
    return out


class SpellingRows:
    """The rows of data/vocabulary/*.spellings, read before the normaliser as the program reads
    them: the marks (characters met anywhere, the longest first), then the words, a run of words
    taking the longest row that begins with its first word ("party per" is "per", "arg" is
    "argent", "demi-wolf" is "demi wolf")."""

    def __init__(self):
        self.marks = []
        self.words = collections.defaultdict(list)
        for name in sorted(os.listdir(VOCABULARY_DIR)):
            if not name.endswith('.spellings'):
                continue
            section = None
            with open(os.path.join(VOCABULARY_DIR, name), encoding='utf-8') as f:
                for line in f:
                    if line.startswith('#'):
                        continue
                    line = line.rstrip('\n').split(' #', 1)[0].strip(' \t\r')
                    if line in ('@marks', '@words'):
                        section = line[1:]
                        continue
                    equals = line.find('=', 1)
                    if equals < 0:
                        continue
                    pattern, replacement = line[:equals].strip(' \t\r'), line[equals + 1:].strip(' \t\r')
                    if replacement == '(blank)':
                        replacement = ' '
                    if section == 'marks':
                        self.marks.append((pattern.lower(), replacement.lower()))
                    elif pattern:
                        words = pattern.lower().split()
                        self.words[words[0]].append((words, replacement.lower().split()))
        self.marks.sort(key=lambda r: -len(r[0]))
        for rows in self.words.values():
            rows.sort(key=lambda r: -len(r[0]))

    def respell(self, text):
        text = text.lower()
        for pattern, replacement in self.marks:
            if pattern in text:
                text = text.replace(pattern, replacement)
        tokens = re.findall(r"[^\W_]+(?:['-][^\W_]+)*", text)
        out = []
        i = 0
        while i < len(tokens):
            for words, replacement in self.words.get(tokens[i], ()):
                if tokens[i:i + len(words)] == words:
                    out += replacement
                    i += len(words)
                    break
            else:
                out.append(tokens[i])
                i += 1
        return ' '.join(out)


WORD = r'[a-z0-9\u0080-\uffff]'


def whole_words(pattern):
    """A regular expression meeting the pattern as whole words, as the normaliser does: after the
    start of a word (or a "demi" joined before it), before the end of one or a plural "s", "es"."""
    body = re.escape(pattern)
    if re.match(WORD, pattern[:1]):
        body = r'(?:(?<!' + WORD + r')|(?<=(?<!' + WORD + r')demi))' + body
    if re.match(WORD, pattern[-1:]):
        body += r'(?=(?:e?s)?(?!' + WORD + r'))'
    return re.compile(body)


def normalise(text, spellings, rows):
    text = rows.respell(text)
    text = unicodedata.normalize('NFKD', text)
    text = ''.join(c for c in text if not unicodedata.combining(c)).lower()
    text = re.sub(r'[()\[\]:!?"]', ' ', text)
    text = ' ' + re.sub(r'\s+', ' ', text) + ' '
    for pattern, replacement, fragment in spellings:
        pattern = pattern.lower()
        if pattern not in text:
            continue
        if fragment:
            text = text.replace(pattern, replacement.lower())
        else:
            text = whole_words(pattern).sub(replacement.lower().replace('\\', '\\\\'), text)
    return [w for w in re.split(r'[^a-z0-9]+', text) if w]


def lookup_key(word):
    if len(word) > 1 and word.endswith('s') and not word.endswith('ss'):
        return word[:-1]
    return word


def finds_longer_word(key, word):
    """Whether the program takes `key` for the longer row `word` that begins with it: the row
    with a final "s" the key lacks, or a key of five letters or more covering four fifths of it."""
    if len(key) >= len(word):
        return True
    if len(word) == len(key) + 1 and word.endswith('s'):
        return True
    return len(key) >= 5 and len(key) * 5 >= len(word) * 4


class Vocabulary:
    def __init__(self):
        self.words, self.rows = load_vocabulary()

    def row_word(self, word):
        key = lookup_key(word)
        i = bisect.bisect_left(self.words, key)
        if i < len(self.words) and self.words[i].startswith(key) and finds_longer_word(key, self.words[i]):
            return self.words[i]
        return None

    def find(self, word):
        """(type, sub1, sub2) of the row the program finds for a typed word, or None."""
        found = self.row_word(word)
        return self.rows[found] if found is not None else None


def picture_files(name, variant):
    """The picture files placement tries for a charge's name, in order, and the one it falls back
    to: the final "s" dropped, 8 characters kept, "cross" written "cros", "ve" tried as "f"."""
    if name.endswith('s'):
        name = name[:-1]
    stem = name[:8]
    first = stem.replace('cross', 'cros')
    if 'cros' not in first and first.endswith('s'):
        first = first[:-1]
    second = stem.replace('ve', 'f')
    return [first + '.' + variant, second + '.' + variant], stem + '.esv'


def existing_pictures():
    names = set()
    for family in sorted(os.listdir(CHARGES_DIR)):
        folder = os.path.join(CHARGES_DIR, family)
        if not os.path.isdir(folder):
            continue
        for file in os.listdir(folder):
            if not file.endswith('.svg'):
                continue
            stem = file[:-4]
            names.add(stem if '.' in stem else stem + '.esv')
            with open(os.path.join(folder, file), encoding='utf-8') as f:
                m = re.search(r'data-also="([^"]*)"', f.read(4000))
            for also in (m.group(1).split() if m else []):
                names.add(also if '.' in also else also + '.esv')
    return names
