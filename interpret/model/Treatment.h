#pragma once
// The treatment of a surface (the field, a part of a partition, an ordinary, a sub-ordinary, a
// charge): a tincture or fur; a pattern of two treatments (barry, paly, bendy, chequy, lozengy,
// fusilly, gyronny, compony, counter-compony, of N pieces, with a line); a division per pale,
// fess, bend, saltire, cross or chevron with its line, or in three (tierced, per pall, per pile,
// point in point), whose parts are treatments in turn;
// counterchanged; proper; semé of a charge on a ground (itself a treatment). Plain data: the reader builds it from the words, the painter walks
// what it becomes (SurfaceFill) and neither knows the other.

#include <string>
#include <string_view>
#include <vector>

#include "engine/OrdinaryPosition.h"
#include "engine/SurfaceFill.h"

namespace esc::model {

enum class TreatmentForm { Tincture, Pattern, Division, Counterchanged, Proper, Seme };

struct Treatment {
    TreatmentForm form = TreatmentForm::Tincture;
    int tincture = -1;  // Tincture: a tincture or fur code
    PatternKind pattern = PatternKind::Barry;
    DivisionKind division = DivisionKind::Pale;
    int pieces = 0;   // of a pattern; 0: the usual count
    int line = -1;    // the line of the division or of the pattern's pieces; -1 plain
    // Where the line of a division in two stands ("per fess enhanced"); Usual: through the middle.
    OrdinaryPosition position = OrdinaryPosition::Usual;
    int lineFimbriation = -1;  // a division's line fimbriated: the narrow band's tincture; -1 none
    std::vector<Treatment> parts;  // two for a pattern or a division, three for a tierced one;
                                   // a semé: its ground, then the strewn charges' treatment
    std::string charge;            // Seme: the charge strewn, as its word is read ("mullets")
    int chargeKind = 0;            // Seme: the kind of charge the word names
    std::string chargeVariant;     // Seme: the picture's variant ("1": a cross crosslet)

    // Whether this is one tincture (or counterchanged, or proper) with no parts.
    bool IsPlain() const { return form != TreatmentForm::Pattern && form != TreatmentForm::Division && form != TreatmentForm::Seme; }
    // Whether a semé lies anywhere in the tree.
    bool HasSeme() const;
    // Whether some line of the tree is not plain and is one the painter draws straight.
    bool HasStraightenedLine() const;
    // The tincture of the first leaf: what the surface is drawn in before the treatment.
    int FirstTincture() const;
    // The first two different leaf tinctures (the second -1 when there is one).
    std::pair<int, int> FirstTwoTinctures() const;
    // The treatment in words, for the trace: "per fess (azure | paly of 6 (or | gules))".
    std::string Describe() const;
};

// What the painter is handed for this treatment. Each semé becomes the painter's semé numbered
// by its place in SemesOf.
SurfaceFill ToSurfaceFill(const Treatment& treatment);
// The semés of the tree, in the order ToSurfaceFill numbers them (parents before their parts).
std::vector<const Treatment*> SemesOf(const Treatment& treatment);

// The names the trace and the JSON give the forms, patterns and divisions.
std::string_view FormName(TreatmentForm form);
std::string_view PatternName(PatternKind pattern);
std::string_view DivisionName(DivisionKind division);

}  // namespace esc::model
