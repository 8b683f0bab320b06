#pragma once
// Badges and devices registered with no field: the text begins with its first charge.

#include <cstddef>
#include <string>

namespace esc {

// A blazon that begins with its first charge ("A distaff Or", "On a torteau an annulet Or", "In
// pale two foxes ... Or", "Two keys in saltire sable") names no field: it is a badge drawn on no
// field, as "(Fieldless) a distaff Or" is. Such a text is marked "fieldless", the word the field
// parser reads; a text that begins with anything else, that names no tincture ("A lion rampant",
// whose field is still asked for), or that the mark would take past `capacity` characters, is
// left alone. Returns whether it was marked.
bool MarkFieldlessBadge(std::string& text, std::size_t capacity);

}  // namespace esc
