#pragma once
// The blazons that show the French and roll spellings by a swap (the spellings test puts a row's
// pattern in place of its replacement in the first blazon holding it), and the pairs for the rows
// no swap shows: the words French blazon writes and English leaves out.

#include <string>
#include <utility>
#include <vector>

namespace esc::test {

inline std::vector<std::string> WithFrenchBlazons(std::vector<std::string> blazons) {
    // A mark's replacement is found as typed: the pieced fields in lower case.
    const char* const french[] = {
        "bendy or and azure", "paly or and gules", "lozengy or and azure", "Countervair a chief gules",
        "Vair a chief gules", "Azure a chevron or between three mullets of the field",
        "Azure a chevron argent between three mullets of the last", "Argent five mullets gules",
        "Azure seven bezants", "Azure a bezant", "Azure a plate", "Azure three plates", "Gules nine mascles or",
        "Or ten roundels gules",
        "Or a bordure azure charged with twelve bezants", "Or a cross gules between sixteen alerions azure",
        "Per bend sinister or and azure", "Burelly argent and azure", "barry of four or and gules",
        "Barry of ten argent and azure", "Gyronny of twelve or and azure", "Argent two bends gules",
        "Argent two bars gules", "Or four pallets gules", "Argent three saltires gules",
        "Or two chevrons gules in the first quarter a mullet sable", "Or a lion sable a label gules", "Argent a chief gules a fillet or",
        "Argent a pallet gules", "Argent two eagles sable", "Argent a martlet sable", "Or three martlets sable",
        "Azure three bezants in bend", "Argent a lozenge gules", "Argent three lozenges gules",
        "Argent a mascle gules", "Argent a fusil gules", "Argent three fusils gules", "Argent a trefoil vert",
        "Argent three trefoils vert", "Azure a sun or", "Azure three towers argent", "Azure three castles argent",
        "Azure a key or", "Azure two keys in saltire or", "Azure a garb or", "Azure a dolphin or",
        "Azure three dolphins or", "Or three stags gules", "Argent a cross voided gules",
        "Argent a fess bretessed gules", "Argent a lion gules armed and langued azure",
        "Argent a stag gules unguled or", "Or two lions combatant gules", "Or two lions addorsed gules",
        "Or a fess gules in chief three mullets sable", "Azure a cross or in fess point a mullet gules",
        "Azure three roses in bend sinister or", "Argent five mullets in cross gules",
        "Argent eight martlets in orle gules", "Argent three roses in chevron gules",
        "Or a chevron gules between in chief two mullets and in base a crescent sable",
        "Or a lion sable surmounted by a bend gules", "Or a lion sable overall a bend gules",
        "Quarterly or and gules an eagle vert in the first quarter", "Or three lions in pale gules",
    };
    blazons.insert(blazons.end(), std::begin(french), std::end(french));
    return blazons;
}

// `Pair` is the test's printed and modern pair.
template <class Pair>
std::vector<Pair> WithFrenchPairs(std::vector<Pair> pairs) {
    const std::pair<const char*, const char*> french[] = {
        {"D'argent aux trois roses de gueules", "Argent three roses gules"},
        {"D'azur à trois étoiles d'or posees 2 et 1", "Azure three mullets or 2 and 1"},
        {"D'azur à trois croissants d'or poses en bande", "Azure three crescents or in bend"},
        {"D'azur à la rose d'or posee en abîme", "Azure a rose or in fess point"},
        {"D'azur au croissant d'or, pose en abime", "Azure a crescent or in fess point"},
        {"De gueules plein", "Gules"},
        {"D'or au lion de sable, brise d'un lambel de gueules", "Or a lion sable a label gules"},
        {"D'or à la croix de gueules, brisee d'un lambel d'azur", "Or a cross gules a label azure"},
        {"port d'or a une fesse de goules", "Or a fess gules"},
    };
    for (const auto& [printed, modern] : french) pairs.push_back({printed, modern});
    return pairs;
}

}  // namespace esc::test
