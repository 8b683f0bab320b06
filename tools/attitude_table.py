#!/usr/bin/env python3
"""Writes the table of attitude and variant codes in data/vocabulary/README.md from the sources.

For every family that has attitude or variant words (vocabulary Type 9, grouped by the Sub1 they
belong to) it lists each code (the digits appended to the picture's variant) with the words that
give it and the pictures that exist for it in data/charges, counting the names a drawing also
serves (its data-also attribute). Pictures whose charge has no word, and head pictures ("hd"),
get tables of their own.

    tools/attitude_table.py           rewrite the table in the README
    tools/attitude_table.py --check   exit 1 when the README's table is not what the sources give
"""

import glob
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
README = os.path.join(ROOT, "data", "vocabulary", "README.md")
BEGIN = "<!-- attitude table: written by tools/attitude_table.py, do not edit by hand -->"
END = "<!-- end of attitude table -->"

# The kinds that own attitude words, by the Sub1 of the Type 9 rows.
FAMILY_NAMES = {4: "Beasts (Type 4)", 11: "Birds (Type 11)", 5: "Crosses as charges (the cross, shape code 5)",
                6: "Saltires as charges (the saltire, shape code 6)", 14: "Other charges (Type 14)"}
# Sub1 values of Type 9 rows that are treatments, not variant digits.
TREATMENT_OWNERS = {90}
# Sub1 of the qualifiers of a charge of any family (interpret/phrase/Qualifiers.h): each code asks for
# a picture of its own, listed here as the variant (or name ending) it asks for.
QUALIFIER_OWNER = 91
QUALIFIERS = {61: ("hd", "a head couped; `cp` for another charge"), 62: ("he", "a head erased; `er` for another charge"),
              63: ("hc", "a head cabossed"), 64: ("ha", "a fish hauriant"), 65: ("na", "a fish naiant"),
              66: ("em", "a fish embowed (naiant embowed too)"), 67: ("r", "after the attitude digits: reguardant"),
              68: ("dn", "added to the name: double-queued"), 69: ("ra", "a tree eradicated"),
              70: ("sl", "a flower or leaf slipped, before the tincture"),
              71: ("hr", "a head erect (snout upwards); `hs` erect and erased; `et` a charge drawn erect;"
                         " after the attitude digits, a beast whose head is held up (`5hr`, *sejant, head erect*)"),
              72: ("tt", "a castle or tower triple-towered"),
              73: ("fw", "an upright charge turned fesswise"),
              74: ("pw", "after the attitude digits: a charge drawn palewise, as written"),
              75: ("af", "after the attitude digits: a picture facing the viewer (the owl, the skull, the man); without"
                         " one a head is drawn cabossed, a beast in its attitude guardant, and told"),
              76: ("tg", "tergiant: the back to the viewer (the tortoise, drawn from above); a bird with no such"
                         " picture is drawn displayed, and told")}
# Qualifiers read by their text rather than a Type 9 row: the detail word "slipped" before the
# tincture, and the grammar's "fesswise" and "palewise".
QUALIFIER_BY_TEXT = {70: ["slipped"], 73: ["fesswise"], 74: ["palewise"], 75: ["affronte", "affrontee", "affronty"],
                     76: ["tergiant"]}
HEAD_VARIANTS = ("hd", "he", "hc")
# Variants asked for by a phrase read whole before the tincture (interpret/phrase/Qualifiers.cpp).
PHRASE_VARIANTS = {"ex": "with arms extended / outstretched", "pf": "in profile",
                   "bk": "back / backs affrontee / affronty", "sll": "slipped and leaved",
                   "an": "in annulo (one charge curled into a ring)"}


def sub2_value(text):
    """A row's Sub2: a number, or the letters of a variant code of letters ("po"), kept as text."""
    return text if text.isalpha() else int(text)


def read_rows():
    rows = []
    for path in sorted(glob.glob(os.path.join(ROOT, "data", "vocabulary", "*.words"))):
        with open(path, encoding="utf-8") as f:
            for line in f:
                fields = line.split("#", 1)[0].split()
                if len(fields) == 4:
                    rows.append((fields[0], int(fields[1]), int(fields[2]), sub2_value(fields[3])))
    return rows


def read_pictures():
    """Every picture name (stem, variant) the drawings in data/charges give."""
    names = set()
    for path in glob.glob(os.path.join(ROOT, "data", "charges", "*", "*.svg")):
        base = os.path.basename(path)[: -len(".svg")]
        found = [base]
        with open(path, encoding="utf-8") as f:
            text = f.read()
        also = re.search(r'<svg\b[^>]*\bdata-also="([^"]*)"', text, re.S)
        if also:
            found += also.group(1).split()
        for name in found:
            stem, _, variant = name.partition(".")
            names.add((stem, variant or "esv"))
    return names


def picture_stem(word):
    """The stem placement forms from a charge word's name: cut to 8 characters, a final "s" dropped
    ("reremouse" is `reremou`)."""
    stem = word.replace("cross", "cros")[:8]
    return stem[:-1] if stem.endswith("s") else stem


# What a name gains for a part drawn on the charge: crowned (c), double-queued (dn, dnc crowned), and
# the parts about the neck of tools/geometric/gorged.py (gl collar, gd ducal coronet, gn collar and
# chain, gc coronet and chain, en flames). The neck parts cut the name so the stem stays 8 letters
# (`greyhogl`, `antelogd`, `unicoren`).
PART_ENDINGS = ("dnc", "dn", "gl", "gd", "gn", "gc", "en", "c")
STEM_LENGTH = 8
SHORTEST_CUT_NAME = 4


def stem_family(name, stems, cut, shortest=SHORTEST_CUT_NAME):
    """The family of a charge name, or of the stem it is the beginning of when the name was cut."""
    if name in stems:
        return stems[name]
    if cut and len(name) >= shortest:
        families = {family for stem, family in stems.items() if stem.startswith(name)}
        if len(families) == 1:
            return families.pop()
    return None


def family_of(stem, stems, starters):
    """The Sub1 that owns a picture stem's attitude words, or None."""
    if stem in ("cros", "tcros", "mcros", "ccros", "jcros", "pcros"):
        return 5
    if stem == "saltire":
        return 6
    # the name itself, the name without the letters added for a part drawn on it (`lionc`,
    # `liongc`), and without a trailing number
    names = [(stem, len(stem) == STEM_LENGTH), (stem.rstrip("0123456789"), False)]
    names += [(stem[:-len(e)], len(stem) == STEM_LENGTH) for e in PART_ENDINGS if stem.endswith(e)]
    # a letter or two of another part (`bullb`, belled), found only whole
    names += [(stem[:-1], False), (stem[:-2], False)]
    # a prefix word gives the name one letter (demi lion `dlion`, winged bull `wbull`); the first
    # word of a name of two words stays whole (grey heron `greyhero`). A first word of eight
    # letters leaves nothing of the second to find its family by: such a name is respelled as one
    # word with a row of its own (the domestic cat is `housecat`)
    for name, cut in list(names):
        # two prefixes give two letters (a demi winged horse `dwhorse`)
        names += [(name[1:], cut), (name[2:], cut)]
        names += [(name[len(w):], cut) for w in starters if name.startswith(w) and len(name) > len(w)]
    shortest = {name: SHORTEST_CUT_NAME for name, _ in names}
    for w in starters:
        # what follows the first word of two is short when the name was cut: `blackswa`
        if stem.startswith(w) and len(stem) == STEM_LENGTH and len(stem) - len(w) >= 2:
            shortest[stem[len(w):]] = 2
    for name, cut in names:
        family = stem_family(name, stems, cut, shortest[name])
        if family is not None:
            return family
    return None


def code_words(code, digits):
    """The words that give a code, part by part: "12" is "rampant guardant", "po7" "pommy fitchy".
    A digit is one part; a run of letters is one letter code."""
    parts = []
    for part in re.findall(r"[a-z]+|[0-9]", code):
        words = digits.get(int(part) if part.isdigit() else part)
        if not words:
            return None
        parts.append(" / ".join(words))
    return " + ".join(parts)


def table():
    rows = read_rows()
    pictures = read_pictures()
    stems = {}
    for word, type_, sub1, _ in rows:
        if type_ in (4, 11, 12, 13, 14) and sub1 != 9 and not (type_ == 13 and sub1 == 8):
            stems.setdefault(picture_stem(word), type_)
    # the words that begin a name of several words (Type 13, Sub1 8: *grey* heron)
    starters = [word for word, type_, sub1, _ in rows if type_ == 13 and sub1 == 8]
    owners = {}
    for word, type_, sub1, sub2 in rows:
        if type_ == 9 and sub1 not in TREATMENT_OWNERS and sub1 != QUALIFIER_OWNER:
            owners.setdefault(sub1, {}).setdefault(sub2, []).append(word)

    qualifier_words = {}
    for word, type_, sub1, sub2 in rows:
        if type_ == 9 and sub1 == QUALIFIER_OWNER:
            qualifier_words.setdefault(sub2, []).append(word)
    qualified = {code: [] for code in QUALIFIERS}
    by_family = {}
    heads, unowned = {v: [] for v in HEAD_VARIANTS}, []
    phrased = {v: [] for v in PHRASE_VARIANTS}
    for stem, variant in sorted(pictures):
        if stem.endswith("dn"):
            qualified[68].append(f"{stem}.{variant}")
            continue
        if variant == "esv":
            continue
        if variant in HEAD_VARIANTS:
            heads[variant].append(f"{stem}.{variant}")
            continue
        if variant in PHRASE_VARIANTS:
            phrased[variant].append(f"{stem}.{variant}")
            continue
        if variant in ("cp", "er", "hs", "et"):
            qualified[{"cp": 61, "er": 62, "hs": 71, "et": 71}[variant]].append(f"{stem}.{variant}")
            continue
        reguardant = variant.endswith("r") and (variant[:-1].isdigit() or variant == "r")
        palewise = variant.endswith("pw") and (variant[:-2].isdigit() or variant == "pw")
        eradicated = variant.endswith("ra") and variant[:-2].isdigit()
        # "a wolf sejant, head erect": the attitude digits and "hr"
        held_erect = variant.endswith("hr") and variant[:-2].isdigit()
        matched = [code for code, (v, _) in QUALIFIERS.items()
                   if v == variant or (code == 67 and reguardant) or (code == 74 and palewise)
                   or (code == 69 and eradicated) or (code == 71 and held_erect)]
        if matched:
            qualified[matched[0]].append(f"{stem}.{variant}")
            continue
        family = family_of(stem, stems, starters)
        if family in owners:
            by_family.setdefault(family, {}).setdefault(variant, []).append(f"{stem}.{variant}")
        else:
            unowned.append(f"{stem}.{variant}")

    out = [BEGIN, ""]
    for family in sorted(owners, key=lambda k: (k not in FAMILY_NAMES, list(FAMILY_NAMES).index(k) if k in FAMILY_NAMES else k)):
        digits = {d: sorted(ws) for d, ws in owners[family].items()}
        found = by_family.get(family, {})
        codes = sorted(set(str(d) for d in digits) | set(found), key=lambda c: (len(c), c))
        out.append(f"**{FAMILY_NAMES.get(family, f'Sub1 {family}')}**")
        out.append("")
        out.append("| Code | Words | Pictures |")
        out.append("|---|---|---|")
        for code in codes:
            words = code_words(code, digits) or "(no word gives this code)"
            pics = ", ".join(f"`{p}`" for p in found.get(code, [])) or "none yet: the nearest attitude with a picture is drawn and told, else the usual one (`.esv`)"
            out.append(f"| {code} | {words} | {pics} |")
        out.append("")
    out.append("**Qualifiers of a charge of any family** (Sub1 91; read only when the picture exists)")
    out.append("")
    out.append("| Code | Words | Asks for | Pictures |")
    out.append("|---|---|---|---|")
    for code, (variant, meaning) in QUALIFIERS.items():
        words = " / ".join(sorted(qualifier_words.get(code, []) + QUALIFIER_BY_TEXT.get(code, []))) or "(no word gives this code)"
        listed = qualified[code] + ([f"the `{variant}` heads below"] if variant in HEAD_VARIANTS else [])
        pics = ", ".join(p if p.startswith("the ") else f"`{p}`" for p in listed) or "none yet: the word is left unread"
        out.append(f"| {code} | {words} | `{variant}`: {meaning} | {pics} |")
    out.append("")
    out.append("**Phrases read whole before the tincture** (only when the picture exists)")
    out.append("")
    out.append("| Words | Asks for | Pictures |")
    out.append("|---|---|---|")
    for variant, words in PHRASE_VARIANTS.items():
        pics = ", ".join(f"`{p}`" for p in phrased[variant]) or "none yet: the words are left unread"
        out.append(f"| {words} | `{variant}` | {pics} |")
    out.append("")
    out.append("**Heads** (*lion's head*: the word *head* or *face* gives the variant `hd`, the head couped;"
               " *erased* makes it `he`, *cabossed* `hc`)")
    out.append("")
    for variant in HEAD_VARIANTS:
        out.append(f"- `{variant}`: " + (", ".join(f"`{p}`" for p in heads[variant]) or "none"))
    out.append("")
    if unowned:
        out.append("**Variant pictures that no attitude word of their family reaches**")
        out.append("")
        out.append(", ".join(f"`{p}`" for p in unowned))
        out.append("")
    out.append(END)
    return "\n".join(out)


def main():
    check = "--check" in sys.argv[1:]
    with open(README, encoding="utf-8") as f:
        text = f.read()
    start, end = text.find(BEGIN), text.find(END)
    if start < 0 or end < start:
        print(f"{README}: the markers of the attitude table are missing", file=sys.stderr)
        return 1
    updated = text[:start] + table() + text[end + len(END):]
    if check:
        if updated != text:
            print(f"{README}: the attitude table is out of date; run tools/attitude_table.py", file=sys.stderr)
            return 1
        return 0
    if updated != text:
        with open(README, "w", encoding="utf-8") as f:
            f.write(updated)
    return 0


if __name__ == "__main__":
    sys.exit(main())
