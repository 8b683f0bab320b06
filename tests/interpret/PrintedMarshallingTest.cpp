// Marshalled arms as armorials print them: read into the marshalling reader's forms, and drawn
// exactly as those forms are.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/marshal/PrintedMarshalling.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

TEST(PrintedMarshalling, ReadIntoTheReadersForms) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"Quarterly: 1st and 4th, Or, a lion gules; 2nd and 3rd, Azure.",
         "Quarterly 1&4: Or, a lion gules 2&3: Azure"},
        {"Quarterly, 1 & 4 Argent a cross gules, 2 & 3 Sable a bend or",
         "Quarterly 1&4: Argent a cross gules 2&3: Sable a bend or"},
        {"Quarterly 1 and 4 Or, 2 Gules, 3 Azure", "Quarterly 1&4: Or 2: Gules 3: Azure"},
        {"Quarterly: 1. Or; 2. Gules; 3. Azure; 4. Sable.", "Quarterly 1: Or 2: Gules 3: Azure 4: Sable"},
        {"Quarterly of four: 1st, Or; 2nd, Gules; 3rd, Azure; 4th, Sable", "Quarterly 1: Or 2: Gules 3: Azure 4: Sable"},
        {"QUARTERLY, FIRST AND FOURTH, Or; SECOND AND THIRD, Gules", "Quarterly 1&4: Or 2&3: Gules"},
        {"First and fourth quarters, Or a fess azure; second and third, Gules",
         "Quarterly 1&4: Or a fess azure 2&3: Gules"},
        {"Quarterly, 1st and 4th grand quarters, Or; 2nd and 3rd grand quarters, Azure",
         "Quarterly 1&4: Or 2&3: Azure"},
        // A number inside a part is no label unless it names the next quarter.
        {"Quarterly 1 and 4 Azure, 3 mullets or, 2 Gules, 3 Argent",
         "Quarterly 1&4: Azure, 3 mullets or 2: Gules 3: Argent"},
        {"Or, a lion gules, impaling, Azure, three mullets or", "Or, a lion gules impaling: Azure, three mullets or"},
        {"Or a chevron gules impaled with Argent a bend sable", "Or a chevron gules impaling: Argent a bend sable"},
        {"Per pale baron and femme, Or a lion gules; Azure a bend argent", "Or a lion gules impaling: Azure a bend argent"},
        {"Or, a lion gules, quartering Azure, three mullets or", "Quarterly 1&4: Or, a lion gules 2&3: Azure, three mullets or"},
        // A part that ends in a parenthesis: the next label follows it without a comma.
        // The family a quarter is borne for is no part of its heraldry.
        {"Quarterly: 1st & 4th: Or, a lion gules (for Smith) 2nd & 3rd: Azure",
         "Quarterly 1&4: Or, a lion gules 2&3: Azure"},
        {"Quarterly: 1 & 4 Gules, a bend Argent. 2 & 3 Sable. [Standish]", "Quarterly 1&4: Gules, a bend Argent 2&3: Sable"},
        {"Quarterly 1 and 4 Or a bend gules (Talbot) 2 and 3 Azure (Strange)",
         "Quarterly 1&4: Or a bend gules (Talbot) 2&3: Azure (Strange)"},
        // A dash standing alone ends a part as a colon does.
        {"Quarterly - 1 & 4 Argent, a cross gules. 2 & 3 Sable", "Quarterly 1&4: Argent, a cross gules 2&3: Sable"},
        {"Quarterly \xE2\x80\x94 1st and 4th, Or; 2nd \xE2\x80\x93 Gules; 3rd -- Azure",
         "Quarterly 1&4: Or 2: Gules 3: Azure"},
    };
    for (const Case& c : cases) {
        const auto read = ReadPrintedMarshalling(c.in);
        ASSERT_TRUE(read.has_value()) << c.in;
        EXPECT_EQ(*read, c.out) << c.in;
    }
    // Left as they are: the reader's own forms (and their faults, which it names), single arms,
    // and labels that do not make four quarters (with no count written).
    for (const char* text : {"Quarterly 1&4: Or 2&3: Azure", "Quarterly (1&4): Or 2&3: Azure", "Or impaling: Azure",
                             "Quarterly or and gules", "Argent three roses gules, 2 and 1", "Quarterly 1 and 2 Or, 3 Azure",
                             "Quarterly 1&4 Or", "Or a lion, impaling", "First and fourth Or; second and third Azure",
                             "Or quartering", "Or quartering Azure, impaling Gules"}) {
        EXPECT_FALSE(ReadPrintedMarshalling(text).has_value()) << text;
    }
}

// Each printed form draws the picture its reader's form draws, several instances of each.
TEST(PrintedMarshalling, EachFormDrawsAsTheReadersForm) {
    struct Pair { const char* printed; const char* reader; };
    const Pair pairs[] = {
        {"Quarterly: 1st and 4th, Or, a lion gules; 2nd and 3rd, Azure, three mullets or.",
         "Quarterly 1&4: Or a lion gules 2&3: Azure three mullets or"},
        {"Quarterly: 1st and 4th, Argent; 2nd and 3rd, Gules, a bend or.", "Quarterly 1&4: Argent 2&3: Gules a bend or"},
        {"Quarterly, 1 & 4 Argent a cross gules, 2 & 3 Sable a bend or",
         "Quarterly 1&4: Argent a cross gules 2&3: Sable a bend or"},
        {"Quarterly, 1 & 4, Vert; 2 & 3, Or, a chief azure", "Quarterly 1&4: Vert 2&3: Or a chief azure"},
        {"Quarterly 1 and 4 Or, 2 Gules, 3 Azure", "Quarterly 1&4: Or 2: Gules 3: Azure"},
        {"Quarterly 1 and 4 Argent a fess sable, 2 Or, 3 Vert", "Quarterly 1&4: Argent a fess sable 2: Or 3: Vert"},
        {"First and fourth quarters, Or a fess azure; second and third, Gules",
         "Quarterly 1&4: Or a fess azure 2&3: Gules"},
        {"First and fourth quarters: Sable; second and third quarters: Argent, a pale gules",
         "Quarterly 1&4: Sable 2&3: Argent a pale gules"},
        {"Or, a lion gules, impaling, Azure, three mullets or", "Or a lion gules impaling: Azure three mullets or"},
        {"Argent, impaling, Sable, a chevron or.", "Argent impaling: Sable a chevron or"},
        {"Or a chevron gules impaled with Argent a bend sable", "Or a chevron gules impaling: Argent a bend sable"},
        {"Gules impaled with Or, a pale vert", "Gules impaling: Or a pale vert"},
        {"Per pale baron and femme, Or a lion gules; Azure a bend argent", "Or a lion gules impaling: Azure a bend argent"},
        {"Per pale baron and femme: Vert; Argent, a chief gules.", "Vert impaling: Argent a chief gules"},
        {"Quarterly 1 and 4 Or a bend (gules) 2 and 3 Azure", "Quarterly 1&4: Or a bend gules 2&3: Azure"},
        {"Argent a chevron sable, quartering, Gules a bend or.", "Quarterly 1&4: Argent a chevron sable 2&3: Gules a bend or"},
        {"Vert quartering Or, a pale azure", "Quarterly 1&4: Vert 2&3: Or a pale azure"},
        {"Quarterly: 1st & 4th: Argent, a fess (sable) 2nd & 3rd: Vert, a pale (or)",
         "Quarterly 1&4: Argent a fess sable 2&3: Vert a pale or"},
        {"Quarterly - 1 & 4 Argent, a chevron between three roses Sable. 2 & 3 Gules, a chevron between three roses argent",
         "Quarterly 1&4: Argent a chevron between three roses sable 2&3: Gules a chevron between three roses argent"},
        {"Quarterly \xE2\x80\x94 1st and 4th, Or a lion rampant gules; 2nd and 3rd, Azure a bend argent",
         "Quarterly 1&4: Or a lion rampant gules 2&3: Azure a bend argent"},
    };
    Drawing printed, reader;
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.printed);
        reader.Draw(p.reader);
        ASSERT_TRUE(reader.sink.messages.empty());
        printed.Draw(p.printed);
        EXPECT_TRUE(printed.sink.messages.empty());
        EXPECT_EQ(printed.trace.road, reader.trace.road);
        EXPECT_EQ(printed.trace.parts.size(), reader.trace.parts.size());
        EXPECT_TRUE(printed.s().picture == reader.s().picture);
    }
}

// Quarters of any count, quarters named in any order and repeated, grand quarters, impaled
// halves that are quartered, and an escutcheon over all, as armorials print them: each read into
// the reader's form and drawn as that form is.
TEST(PrintedMarshalling, MoreQuartersGrandQuartersAndEscutcheons) {
    struct Case { const char* printed; const char* reader; };
    const Case cases[] = {
        {"Quarterly of six: 1. Or; 2. Gules; 3. Azure; 4. Vert; 5. Sable; 6. Argent.",
         "Quarterly of 6 1: Or 2: Gules 3: Azure 4: Vert 5: Sable 6: Argent"},
        {"Quarterly of eight, 1 and 8 Or, 2 Gules, 3 Azure, 4 Vert, 5 Sable, 6 Argent, 7 Purpure",
         "Quarterly of 8 1&8: Or 2: Gules 3: Azure 4: Vert 5: Sable 6: Argent 7: Purpure"},
        {"Quarterly of six, 1 and 6, Or; 2, 3 and 5, Gules; 4, Azure", "Quarterly of 6 1&6: Or 2&3&5: Gules 4: Azure"},
        {"Quarterly of six, 1, 6 Or; 2, 3 Gules; 4, 5 Azure", "Quarterly of 6 1&6: Or 2&3: Gules 4&5: Azure"},
        {"Quarterly, 1 and 4 Or; 2, 3. Gules", "Quarterly 1&4: Or 2&3: Gules"},
        {"Quarterly of six, the first quarter Or; the second Gules; the third Azure; the fourth Vert; the fifth Sable; "
         "the last Argent",
         "Quarterly of 6 1: Or 2: Gules 3: Azure 4: Vert 5: Sable 6: Argent"},
        {"Quarterly of nine coats: 1. Or; 2. Gules; 3. Azure; 4. Vert; 5. Sable; 6. Argent; 7. Purpure; 8. Or; 9. Gules",
         "Quarterly of 9 1: Or 2: Gules 3: Azure 4: Vert 5: Sable 6: Argent 7: Purpure 8: Or 9: Gules"},
        {"Quarterly 1st Or, 2nd Gules, 3rd Azure, 4th Vert, 5th Sable", "Quarterly of 5 1: Or 2: Gules 3: Azure 4: Vert 5: Sable"},
        {"Per quarterly I Or, II Gules, III Azure, IV Vert", "Quarterly 1: Or 2: Gules 3: Azure 4: Vert"},
        {"Quarterly: 1 and 4, grand quarters, quarterly i and iv Or, ii and iii Gules; 2 and 3, Azure",
         "Quarterly 1&4: (Quarterly of 4 1&4: Or 2&3: Gules) 2&3: Azure"},
        {"Quarterly, 1st and 4th grand quarters, quarterly, 1st and 4th Or, 2nd and 3rd Gules; 2nd and 3rd grand "
         "quarters, Azure",
         "Quarterly 1&4: (Quarterly of 4 1&4: Or 2&3: Gules) 2&3: Azure"},
        {"Quarterly, 1 and 4, Or; 2 and 3, counter-quartered, i and iv Gules, ii and iii Vert",
         "Quarterly 1&4: Or 2&3: (Quarterly of 4 1&4: Gules 2&3: Vert)"},
        {"Quarterly of six, 1. Or (for Hungary); 2. Gules; 3. Argent; 4. Sable; 5. Or; 6. Gules; all within a bordure vert",
         "Quarterly of 6 1: Or 2: Gules 3: Argent 4: Sable 5: Or 6: Gules overall: a bordure vert"},
        {"Quarterly, 1 and 4 Argent; 2 and 3 Or; over all a bend sable", "Quarterly of 4 1&4: Argent 2&3: Or overall: a bend sable"},
        {"Quarterly 1 and 4 Argent, 2 and 3 Or, over all a bend sable", "Quarterly of 4 1&4: Argent 2&3: Or overall: a bend sable"},
        {"Quarterly of six, 1. Or; 2. Gules; 3. Argent; 4. Sable; 5. Or; 6. Azure a lion or, all within a bordure vert",
         "Quarterly of 6 1: Or 2: Gules 3: Argent 4: Sable 5: Or 6: Azure a lion or, all within a bordure vert"},
        {"Quarterly of three, 1. Or; 2. Gules; 3. Argent, a lion sable, the whole within a bordure vert",
         "Quarterly of 3 1: Or 2: Gules 3: Argent, a lion sable overall: a bordure vert"},
        {"Quarterly, 1 and 4 Or; 2 and 3 Gules; over all an escutcheon of Azure",
         "Quarterly 1&4: Or 2&3: Gules escutcheon: Azure"},
        {"Quarterly, 1 and 4 Or; 2 and 3 Gules; over all by way of surtout, an escutcheon Azure",
         "Quarterly 1&4: Or 2&3: Gules escutcheon: Azure"},
        {"Or a lion gules, on an escutcheon of pretence azure a bend or", "Or a lion gules escutcheon: azure a bend or"},
        {"Or a chevron gules impaling Argent a bend sable, and upon an escutcheon of pretence Azure",
         "Or a chevron gules impaling: Argent a bend sable escutcheon: Azure"},
        {"Quarterly, 1 and 4 Or; 2 and 3 Gules; impaling Azure", "(Quarterly 1&4: Or 2&3: Gules) impaling: Azure"},
        // Halves and escutcheons described before they are blazoned, and quartered without saying so.
        {"Quarterly, 1 and 4, Or (Talbot); 2 and 3, Gules; impaling the arms of his wife, viz.: quarterly, 1 and 4, "
         "Argent; 2 and 3, Vert; and upon an escutcheon of pretence the arms of her mother, viz.: 1 and 4, Sable; 2 and "
         "3, Azure (Tyes).",
         "(Quarterly 1&4: Or (Talbot) 2&3: Gules) impaling: (Quarterly 1&4: Argent 2&3: Vert) escutcheon: "
         "(Quarterly 1&4: Sable 2&3: Azure (Tyes))"},
        {"Azure impaling, quarterly, 1 and 4 Or; 2 and 3 Gules", "Azure impaling: (Quarterly 1&4: Or 2&3: Gules)"},
        {"Quarterly of sixteen: 1. Or; 2. Gules; 3. Azure; 4. Vert; 5. Sable; 6. Argent; 7. Or; 8. Gules; 9. Azure; "
         "10. Vert; 11. Sable; 12. Argent; 13. Or; 14. Gules; 15. Azure; 16. Vert",
         "Quarterly of 16 1: Or 2: Gules 3: Azure 4: Vert 5: Sable 6: Argent 7: Or 8: Gules 9: Azure 10: Vert 11: Sable "
         "12: Argent 13: Or 14: Gules 15: Azure 16: Vert"},
    };
    Drawing printed, reader;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        const auto read = ReadPrintedMarshalling(c.printed);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, c.reader);
        reader.Draw(c.reader);
        EXPECT_TRUE(reader.sink.messages.empty());
        EXPECT_NE(reader.trace.road, "single");
        printed.Draw(c.printed);
        EXPECT_TRUE(printed.sink.messages.empty());
        EXPECT_EQ(printed.trace.road, reader.trace.road);
        EXPECT_TRUE(printed.s().picture == reader.s().picture);
    }
    // An escutcheon "over all" on single arms is a charge of the arms, not marshalling; a quarter
    // left out leaves the text to the reader.
    for (const char* text : {"Or, a lion gules, over all an escutcheon azure", "Quarterly of six: 1. Or; 2. Gules; 3. Azure",
                             "Quarterly 1 Or, 2 Gules, 4 Azure"}) {
        EXPECT_FALSE(ReadPrintedMarshalling(text).has_value()) << text;
    }
}

// The quarters of a printed text in their tinctures, a few pixels inside each quarter of the
// assembled 415 by 480 picture.
TEST(PrintedMarshalling, QuartersInTheirTinctures) {
    constexpr int kW = 415, kH = 480;
    Drawing d;
    d.Draw("Quarterly: 1. Or; 2. Gules; 3. Azure; 4. Sable.");
    EXPECT_TRUE(d.sink.messages.empty());
    EXPECT_EQ(d.At(kW / 4, kH / 4), Colour(kOr));
    EXPECT_EQ(d.At(3 * kW / 4, kH / 4), Colour(kGules));
    EXPECT_EQ(d.At(kW / 4, 3 * kH / 4), Colour(kAzure));
    EXPECT_EQ(d.At(3 * kW / 4, 3 * kH / 4), Colour(kSable));
    d.Draw("Or, impaling, Azure");
    EXPECT_EQ(d.trace.road, "impaled");
    EXPECT_EQ(d.At(kW / 4, kH / 2), Colour(kOr));
    EXPECT_EQ(d.At(3 * kW / 4, kH / 2), Colour(kAzure));
}

}  // namespace
}  // namespace esc
