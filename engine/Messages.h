#pragma once
// The fixed texts the drawing code shows the user.

#include <string>
#include <string_view>

namespace esc::msg {

inline constexpr std::string_view kColorOrPartitionRequired = "Color or partition required.";
// "{}" stands for the first word, which the vocabulary does not hold.
inline constexpr std::string_view kFieldWordNotRead = "Color or partition required: '{}' was not read.";
// Arms printed without their tinctures ("A chevron between three coaches", as the livery
// companies' arms are often given): what the blazon leaves unsaid is told, never guessed.
inline constexpr std::string_view kNoTinctureNamed =
    "Color or partition required: the blazon names no tincture, and none is guessed.";
inline constexpr std::string_view kFieldTinctureNotNamed =
    "Color or partition required: the field's tincture is not named, and none is guessed.";
inline constexpr std::string_view kPartitionExpected = "Partition expected.";
inline constexpr std::string_view kExpectingAColor = "Expecting a color.";
inline constexpr std::string_view kExpectingAnd = "Expecting 'and'.";
inline constexpr std::string_view kExpectingSecondColor = "Expecting second color.";
inline constexpr std::string_view kExpectingANumber = "Expecting a number.";
// Marshalled texts ("X impaling: Y", "Quarterly 1&4: A 2&3: B"). The labels are compared exactly.
inline constexpr std::string_view kExpectingColon = "Improper format! - Expecting':'";
inline constexpr std::string_view kExpectingSecondColon = "Improper format! - Expecting second':'";
inline constexpr std::string_view kExpectingLabel1 = "Improper format! - Expecting '1:' or '1&4:'";
inline constexpr std::string_view kExpectingLabel2 = "Improper format! - Expecting '2:' or '2&3:'";
// A label "2" (or "1") calls for a third (or fourth) part that the text does not hold.
inline constexpr std::string_view kExpectingLabel3 = "Improper format! - Expecting '3:'";
inline constexpr std::string_view kExpectingLabel4 = "Improper format! - Expecting '4:'";
// Marshalled texts of more quarters, grand quarters and an escutcheon over all.
inline constexpr std::string_view kExpectingQuarterLabel = "Improper format! - Expecting quarter numbers before ':'";
inline constexpr std::string_view kQuarterNotNamedOnce = "Improper format! - Each quarter must be named once";
inline constexpr std::string_view kTooManyQuarters = "Improper format! - At most 16 quarters can be drawn";
inline constexpr std::string_view kQuartersTooDeep =
    "Improper format! - Quarters within grand quarters are not drawn";
inline constexpr std::string_view kEmptyPart = "Improper format! - A part has no blazon";
inline constexpr std::string_view kPartTooLong = "Improper format! - A part is longer than a marshalled text holds";
// A long blazon read in pieces where no clause bound lay within the word slots: a phrase may be
// read apart from its beginning.
inline constexpr std::string_view kPieceCutInsideAClause =
    "The blazon is long and has no clause bound where the words read at once end: it is read on from a word inside a phrase.";
// A field parted into parts that are fields of their own, where the words leave a doubt.
inline constexpr std::string_view kPartsNotToldApart =
    "Where one part's charges end and the next part begins cannot be told: the first reading is drawn.";
inline constexpr std::string_view kLastPartMayLieOverAll =
    "The last part's words may name what lies over the whole field: they are drawn in that part.";
// Cotises named on an ordinary that takes none here (a chief, a bordure, a pile): the ordinary
// is drawn alone.
inline constexpr std::string_view kCotisesNotDrawn = "Cotises are not drawn on this ordinary.";
// An ordinary drawn only plain (lozenges conjoined, "a pale fusilly"; the point pointed) given a
// line, voided or fimbriated.
inline constexpr std::string_view kOrdinaryDrawnPlain =
    "This ordinary is drawn plain: its line, voiding or fimbriation is not drawn.";
// A fimbriated line of partition the band cannot follow (a line of a style, a field of pieces):
// the field is drawn without it.
inline constexpr std::string_view kLineFimbriationNotDrawn = "The fimbriation of this line of partition is not drawn.";
inline constexpr std::string_view kTooManyRepeatedOrdinaries =
    "At most six bars, pallets, bendlets, chevronels or piles can be drawn.";
// "{}" stands for the charges counted: "one charge", "3 charges" (CountedCharges).
inline constexpr std::string_view kNoLayoutForCount = "No layout places {} here.";
// A note, not a message: the charges are drawn in the nearest form their arrangement holds ("six
// in cross": four in the upright limb, one each side).
inline constexpr std::string_view kNearestLayout = "No layout sets {} so: the nearest form is drawn.";
// "{}" stands for the charge's name: a pair combatant is drawn rampant, and this one has no
// rampant picture.
inline constexpr std::string_view kNoRampantPicture = "No picture of the {} rampant: the pair is drawn standing.";
// A charge picture file that cannot be painted whole: the file, then what is wrong with it ("it
// is cut short after 40 of 120 rows"). The question picture stands in for the charge.
inline constexpr std::string_view kDamagedPicture = "The picture file '{}' is damaged and is not drawn: {}.";
// The window prints a picture it holds that its blazon does not draw (rearranged, or the text
// changed since) as it is, enlarged to the page.
inline constexpr std::string_view kPrintedAsShown =
    "The picture is printed as the window shows it (rearranged, or not what the blazon box says), enlarged, less sharp.";
// At a paint scale above 1 a charge is drawn again from its vector drawing; without one (or
// with one that cannot be read) its picture is enlarged instead.
inline std::string ChargeDrawingEnlarged(std::string_view picture, std::string_view why) {
    return "The drawing of the picture '" + std::string(picture) + "' " + std::string(why) +
           ": the charge is its picture enlarged, less sharp.";
}
// A line of partition that a divided or patterned part of the field or an ordinary cannot draw
// ("a bordure per saltire indented", "a chief chequy wavy"): the parts are drawn, their line straight.
inline constexpr std::string_view kTreatmentLineStraight =
    "The line between the parts of a divided or patterned surface is drawn straight.";
// A divided or patterned level drawn by a layout that paints one tincture only (charges set on
// the charges before them): drawn in its first tincture.
// A division or pattern whose words break off ("a canton per fess or and wibble"): the word
// where it broke off, which no part of the treatment could take.
inline constexpr std::string_view kTreatmentWordUnplaced =
    "The divided or patterned surface breaks off at '{}': it is not drawn as written.";
inline constexpr std::string_view kTreatmentInFirstTincture =
    "A divided or patterned charge set on other charges is drawn in its first tincture.";
inline constexpr std::string_view kOutOfMemoryPicbuf = "Out of memory - picbuf";
inline constexpr std::string_view kNoColorbuf = "NO colorbuf";
inline constexpr std::string_view kOutOfBounds2 = "Out of bounds 2";
inline constexpr std::string_view kOutOfBounds3 = "Out of bounds 3";
inline constexpr std::string_view kOutOfBounds5 = "Out of bounds 5";

// A blazon longer than the pieces a drawing reads, each of at most 199 characters: the command
// line draws what they hold, the window refuses it.
inline std::string BlazonPastThePieces(std::size_t chars, int pieces) {
    return "The blazon has " + std::to_string(chars) + " characters; a drawing reads " + std::to_string(pieces) +
           " pieces of at most 199, and the rest is not read.";
}

// A marshalled text longer than a drawing reads whole.
inline std::string MarshalledTextPastItsBound(std::size_t chars, std::size_t bound) {
    return "The marshalled text has " + std::to_string(chars) + " characters; a drawing reads at most " +
           std::to_string(bound) + ", and the rest is not read.";
}

// The window draws no text past its bound: it asks for a shorter one.
inline constexpr std::string_view kShortenAndDrawAgain = " Shorten it and draw again.";

// A number of charges as every message that counts them says it: "one charge", "3 charges".
inline std::string CountedCharges(int count) {
    return count == 1 ? std::string("one charge") : std::to_string(count) + " charges";
}

// A fixed text with its "{}" replaced by the charges counted.
inline std::string WithCountedCharges(std::string_view text, int count) {
    const std::size_t at = text.find("{}");
    if (at == std::string_view::npos) return std::string(text);
    return std::string(text.substr(0, at)) + CountedCharges(count) + std::string(text.substr(at + 2));
}

// What stands outside the shield ("the shield ensigned with a mural crown") is no part of the
// arms drawn; the words follow the text.
inline constexpr std::string_view kOrnamentNotDrawn = "What stands outside the shield is not drawn: ";
// A charge held by a charge whose picture has no known place for it ("a hand holding", "a dove
// holding in its dexter claw"); the names of the held charge and the holder follow.
inline constexpr std::string_view kHeldNotDrawn = "The held charge is not drawn, no place to hold it is known: ";

// A charge "within" another that cannot be drawn inside it (the one about it has no free
// interior, is turned, or the charges within are too many or set elsewhere); the names follow.
inline constexpr std::string_view kNotDrawnWithin = "The charges within are not drawn inside the charge about them: ";

// Charges on each of several bearers of which fewer were placed than named (bars or pieces with no
// spot kept for what lies on them); the bearers' name follows.
inline constexpr std::string_view kNotOnEachBearer = "The charges on each bearer are not all drawn: ";
// "a pall proper", "on a chief three sprigs proper" with no tincture of the chief's own: an
// ordinary has no colours in nature; it is painted the proper brown and this is said.
inline constexpr std::string_view kOrdinaryHasNoProperColour = "An ordinary has no proper colour: drawn brown: ";

}  // namespace esc::msg
