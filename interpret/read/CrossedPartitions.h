#pragma once
// "Per pale and per chevron argent and gules counterchanged": a field parted by two lines at
// once, each part taking the other tincture across each line. It is read as the field parted by
// the second line whose two parts are each parted by the first, the tinctures turned about in the
// second part: "per chevron per pale argent and gules and per pale gules and argent". One of the
// two lines is a pale or a fess, which runs on through both parts of the other.

#include <string>

#include "interpret/read/Vocabulary.h"

namespace esc {

// When the respelled `text` begins "per P [lines] and per Q [lines] T and T" with
// "counterchanged" before or after the tinctures, P and Q partitions of the vocabulary in two
// parts ("bend sinister" is one), rewrites it as above; the rest of the text follows. A
// quartered field named by its tinctures and counterchanged ("quarterly argent and gules
// counterchanged", which the spellings made of "per fess and per pale") loses the word, which
// says what quarterly already draws. "Per P barry [of N] [lines] T and T [all] counterchanged"
// (paly, bendy, chevronny) is read as "per P barry ... T and T and barry ... T and T", the
// tinctures turned about in the second part. True when it rewrote.
bool CrossedPartitionsCounterchanged(std::string& text, const Vocabulary& vocabulary);

}  // namespace esc
