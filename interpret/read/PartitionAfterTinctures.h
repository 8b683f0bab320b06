#pragma once
// "Party sable and argent cheveronwise": the old form that names a field's two tinctures first
// and the way it is parted after them, read as "Per chevron sable and argent". "Party" alone is
// read as per pale before this step, and the way named after the tinctures replaces it. "Party of
// six pieces gules and or" is the field per fess with a pale counterchanged.

#include <string>

#include "interpret/read/Vocabulary.h"

namespace esc {

// When the respelled `text` begins "per pale T [and] T Xwise" (or "Xways", or "in X" where the
// spellings wrote "Xwise" so), X a partition of the vocabulary and each T a tincture, rewrites it
// as "per X T and T"; "per pale of six [pieces] T [and] T" as "per fess T and T a pale
// counterchanged"; the rest of the text follows. True when it did.
bool PartitionBeforeItsTinctures(std::string& text, const Vocabulary& vocabulary);

}  // namespace esc
