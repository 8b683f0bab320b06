#pragma once
// Rewrites a blazon text so that the vocabulary meets one spelling for each heraldic thing:
// archaic and French terms, plurals, compounds, variant spellings and back-references such as
// "of the first".

#include <string>
#include <string_view>
#include <vector>

namespace esc {

// Rewrites `text` in place; the result never passes `capacity` characters (a replacement that
// would make it longer is not made). The tincture codes name "the first", "the second" and
// "the third" tinctures of the blazon.
void Normalise(std::string& text, int firstTincture, int secondTincture, int thirdTincture,
               std::size_t capacity = 199);

// Removes the punctuation the normaliser removes first (hyphens, full stops, apostrophes,
// commas, semicolons), as the first word pass needs it removed too.
void StripPunctuation(std::string& text);

// Every fixed text the normaliser can write in place of a pattern, in list order.
std::vector<std::string_view> NormaliserReplacements();

}  // namespace esc
