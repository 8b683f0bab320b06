#pragma once
// Reading a treatment from the words: one recursive reader for every surface.
//
//   treatment := tincture | "counterchanged" | "proper"
//              | "per" division ["sinister" | "inverted" | "reversed"] [line] treatment "and" treatment
//              | ("tierced" ["per" | "in"] division | "per" ("pall" | "pile") | "point in point")
//                [line] treatment ["and"] treatment "and" treatment
//              | "quarterly" [line] treatment "and" treatment
//              | pattern ["sinister"] [line] ["of" number] treatment "and" treatment
//              | vair-word treatment "and" treatment       (vairy, counter-vair, potent, counter-potent)
//              | treatment "fretty" ["of" number] treatment
//              | [treatment] ("semé" | "semy" | "seme") "of" charge [treatment]  (the ground, when
//                not named, the tincture read before), treatment ("guttee" | "bezantee" ...) [treatment]
//
// so that "per fess azure and paly or and gules" and "per pale barry argent and azure and vert"
// read as the trees they are, to any depth.

#include "interpret/model/Treatment.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

struct TreatmentReading {
    model::Treatment treatment;
    int end = -1;       // the word after the last one read; -1 when no treatment was read
    int unplaced = -1;  // the first word that could not be placed in the treatment; -1: none
    bool Read() const { return end >= 0; }
};

// Reads the treatment that starts at word `at`. When the words begin a division or a pattern but
// do not complete it, nothing is read and `unplaced` names the word where it broke off.
[[nodiscard]] TreatmentReading ReadTreatment(const DrawingState& state, int at);

// Whether word `at` begins a division or a pattern (not a plain tincture).
bool BeginsDividedTreatment(const DrawingState& state, int at);
// Whether word `at` is a tincture with a semé or fretty on it ("argent semy of mullets azure").
bool BeginsStrewnTreatment(const DrawingState& state, int at);
// Whether word `at` begins a field in three named by no partition word ("tierced", "point in point").
bool BeginsTierced(const DrawingState& state, int at);

}  // namespace esc
