// The spellings of printed armorials: the reading itself on a small table, and every row of the
// shipped table met in a blazon that is drawn exactly as the same blazon in the program's words.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "FrenchSpellingBlazons.h"
#include "SpellingsModernBlazons.h"
#include "TestDrawing.h"
#include "interpret/read/Normaliser.h"
#include "interpret/read/Spellings.h"
#include "interpret/read/TextOps.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;
using test::GeneratedVocabulary;

SpellingTable SmallTable() {
    return SpellingTable({{SpellingKind::Words, "gu", "gules"},
                          {SpellingKind::Words, "party per", "per"},
                          {SpellingKind::Words, "two and one", ""},
                          {SpellingKind::Words, "in each quarter", "in each quarter"},
                          {SpellingKind::Words, "in each", "all"},
                          {SpellingKind::Mark, "{e'}", "e"},
                          {SpellingKind::Mark, "é", "e"},
                          {SpellingKind::Mark, "’", "'"},
                          {SpellingKind::Mark, "—", " "}});
}

TEST(Spellings, ReadingOfWordsAndMarks) {
    const SpellingTable t = SmallTable();
    struct Case { const char* name; const char* in; const char* out; };
    const Case cases[] = {
        {"with and without the full stop", "Or a bend gu. a chief gu", "Or a bend gules a chief gules"},
        {"a capital stays a capital", "Gu. a bend or", "Gules a bend or"},
        {"the longest row wins", "in each quarter a mullet; in each a rose", "in each quarter a mullet all a rose"},
        {"words across punctuation", "Party, per pale", "Per pale"},
        {"dropped words leave one blank", "three roses, two and one, or", "three roses or"},
        {"punctuation parts words", "Azure;(a bend)  \"or\"! [a chief]", "Azure a bend or a chief"},
        {"hyphen inside a word kept, spaced dash parts", "a demi-lion - or", "a demi-lion or"},
        {"apostrophe inside kept, quotes around part", "a lion's head 'proper' lions'", "a lion's head proper lions"},
        {"colon kept on the word before", "Quarterly 1&4 : Or 2&3: Azure", "Quarterly 1&4: Or 2&3: Azure"},
        {"no word across a colon", "party: per pale", "party: per pale"},
        {"markup and accent, capital kept", "pat{e'}e Pat{E'}e semé", "patee PatEe seme"},
        {"curly apostrophe and dash", "a lion’s head—erased", "a lion's head erased"},
        {"only whole words", "guttee gules gun", "guttee gules gun"},
        {"empty and blank texts", "  ,. ", ""},
        {"a sign or a point stays with its number", "Azure -3 mullets, .5 roses 2,5 or. 3, 4 arg.-1", "Azure -3 mullets .5 roses 2,5 or 3 4 arg -1"},
        {"a row of counts is parted", "six lioncels or, 3,2,1", "six lioncels or 3 2 1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(t.Respell(c.in), c.out) << c.name;
        EXPECT_EQ(t.Respell(t.Respell(c.in)), t.Respell(c.in)) << c.name << ": read twice";
    }
}

// The shipped table: no replacement holds a row's pattern again, so reading twice changes
// nothing, and every row is reached from its own pattern (no longer row shadows it).
TEST(Spellings, ShippedTableIsSound) {
    const SpellingTable& table = GeneratedVocabulary().Spellings();
    ASSERT_GT(table.Rows().size(), 150u);
    for (const SpellingRow& row : table.Rows()) {
        const std::string once = table.Respell(row.replacement);
        EXPECT_TRUE(EqualsIgnoringCase(table.Respell(once), once)) << row.pattern;
        if (row.kind != SpellingKind::Words) continue;
        EXPECT_TRUE(EqualsIgnoringCase(table.Respell(row.pattern), table.Respell(row.replacement))) << row.pattern;
        // The vocabulary meets every word a row writes, once the normaliser has read it.
        std::string words = " " + row.replacement;
        Normalise(words, kOr, kOr, kOr);
        for (std::size_t i = 0; i < words.size();) {
            const std::size_t blank = std::min(words.find(' ', i), words.size());
            const std::string one = words.substr(i, blank - i);
            if (!one.empty() && one.back() != ':') {
                EXPECT_NE(GeneratedVocabulary().Lookup(LookupKey(one)), nullptr) << row.pattern << " writes " << one;
            }
            i = blank + 1;
        }
    }
}

// Whole words of `text` (blank-parted) equal to `words`, from the start: the offset, or npos.
std::size_t FindWords(const std::string& text, const std::string& words) {
    for (std::size_t at = 0; (at = ToLower(text).find(ToLower(words), at)) != std::string::npos; ++at) {
        const bool startsWord = at == 0 || text[at - 1] == ' ';
        const std::size_t end = at + words.size();
        if (startsWord && (end == text.size() || text[end] == ' ')) return at;
    }
    return std::string::npos;
}

// A mark's replacement found anywhere in the text (a letter inside a word, a blank between words).
std::size_t FindMark(const std::string& text, const std::string& replacement) {
    if (replacement.empty()) return std::string::npos;
    return text.find(replacement);
}

struct Printed {
    std::string printed, modern;
};

// Rows that no modern blazon above can show by a swap: each with its own pair.
std::vector<Printed> ByHand() {
    return test::WithFrenchPairs<Printed>({
        {"Argent, three roses gules, two and one", "Argent three roses gules"},
        {"Vert, a fess or, on a chief also or a mullet azure", "Vert a fess or on a chief or a mullet azure"},
        {"Azure a bend or, in the chief a mullet argent", "Azure a bend or in chief a mullet argent"},
        {"Azure a lion or, in the canton a mullet argent", "Azure a lion or in canton a mullet argent"},
        {"Or an escallop in the chief point sable", "Or an escallop in chief point sable"},
        {"Gules, a lion rampant or, on a chief cousu azure three roses argent",
         "Gules a lion rampant or on a chief azure three roses argent"},
        {"Argent, a fess sable within a bordure waved azure", "Argent a fess sable within a bordure wavy azure"},
        {"Azure, a bend engrailed argent plain cotised or", "Azure a bend engrailed argent cotised or"},
        {"Azure, a bend engrailed argent plain cottised or", "Azure a bend engrailed argent cotised or"},
        {"Or a lion repassant sable", "Or a lion passant contourny sable"},
        {"Azure, a bishop's mitre or", "Azure a mitre or"},
        {"Azure, three bishop's mitres or", "Azure three mitres or"},
        {"Or, a canton sable thereon a mullet argent", "Or a canton sable charged with a mullet argent"},
        {"Azure, a crescent or, therein a mullet azure", "Azure a crescent or charged with a mullet azure"},
        {"Vert, a book argent bound and edged or", "Vert a book argent bound or"},
        {"Vert, a book argent edged and bound gules", "Vert a book argent bound gules"},
        {"Per saltire and per fess argent and gules", "Gyronny of six argent and gules"},
        {"Per fess and per saltire or and azure", "Gyronny of six or and azure"},
        {"Or, a fess azure between two cotices gules", "Or a fess azure between two cotises gules"},
        {"Or, a fess azure between two cottises gules", "Or a fess azure between two cotises gules"},
        {"Or, a fess azure between two cotisses gules", "Or a fess azure between two cotises gules"},
        {"Argent, a pale sable triply cotised gules", "Argent a pale sable triple cotised gules"},
        {"Argent, a fess gules treble cotised azure", "Argent a fess gules triple cotised azure"},
        {"Azure, a ship under sail or", "Azure a ship or"},
        {"Azure, a ship under full sail or", "Azure a ship or"},
        {"Azure, a ship in full sail or", "Azure a ship or"},
        {"Azure, three escutcheons or, placed two and one", "Azure three escutcheons or two and one"},
        {"Or, a chief purpure, in the upper part three roses gules", "Or a chief purpure in chief three roses gules"},
        {"Argent, in the dexter fess point a mullet azure", "Argent in dexterhalf a mullet azure"},
        {"Argent, in the sinister fess point a mullet azure", "Argent in sinisterhalf a mullet azure"},
        {"Argent in dexter fess point a mullet azure", "Argent in dexterhalf a mullet azure"},
        {"Argent in sinister fess point a mullet azure", "Argent in sinisterhalf a mullet azure"},
        {"Argent in the dexter flank a mullet azure", "Argent in dexterhalf a mullet azure"},
        {"Argent in the sinister flank a mullet azure", "Argent in sinisterhalf a mullet azure"},
        {"Argent three roses gules, two in chief and one in base", "Argent three roses gules two and one"},
        {"Argent three roses gules, two in fess and one in base", "Argent three roses gules two and one"},
        {"Argent three roses gules, two in fesse and one in base", "Argent three roses gules two and one"},
        {"Argent three roses gules, two in the flanks and one in base", "Argent three roses gules two and one"},
        {"Argent, at the honour point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, at honour point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, in the honour point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, in honour point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, at the honor point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, at honor point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, in the honor point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, in honor point a mullet azure", "Argent in honourpoint a mullet azure"},
        {"Argent, at the nombril point a mullet azure", "Argent in nombrilpoint a mullet azure"},
        {"Argent, at nombril point a mullet azure", "Argent in nombrilpoint a mullet azure"},
        {"Argent, in the nombril point a mullet azure", "Argent in nombrilpoint a mullet azure"},
        {"Argent, in nombril point a mullet azure", "Argent in nombrilpoint a mullet azure"},
        {"Argent, at the navel point a mullet azure", "Argent in nombrilpoint a mullet azure"},
        {"Argent, in the navel point a mullet azure", "Argent in nombrilpoint a mullet azure"},
        {"Argent a sword fessways gules", "Argent a sword fesswise gules"},
        {"Argent a sword fesse-ways gules", "Argent a sword fesswise gules"},
        {"Argent a sword fess-ways gules", "Argent a sword fesswise gules"},
        {"Argent a sword fesse-wise gules", "Argent a sword fesswise gules"},
        {"Argent a key paleways gules", "Argent a key palewise gules"},
        {"Argent a key pale-ways gules", "Argent a key palewise gules"},
        {"Argent a sword bendways gules", "Argent a sword bendwise gules"},
        {"Argent a sword bend-ways gules", "Argent a sword bendwise gules"},
        {"Argent a sword bend-sinisterwise gules", "Argent a sword bendwise sinister gules"},
        {"Argent a sword bend-sinister-ways gules", "Argent a sword bendwise sinister gules"},
        {"Argent a sword bend-sinister-wise gules", "Argent a sword bendwise sinister gules"},
        {"Argent two swords saltirewise gules", "Argent two swords in saltire gules"},
        {"Argent two swords saltireways gules", "Argent two swords in saltire gules"},
        {"Argent two swords saltire-ways gules", "Argent two swords in saltire gules"},
        {"Argent two swords saltire-wise gules", "Argent two swords in saltire gules"},
        {"Argent two swords saltierwise gules", "Argent two swords in saltire gules"},
        {"Argent two swords saltierways gules", "Argent two swords in saltire gules"},
        {"Argent two swords saltier-ways gules", "Argent two swords in saltire gules"},
        {"Argent two swords saltier-wise gules", "Argent two swords in saltire gules"},
        {"Or a dragon passant to sinister, wings elevated and addorsed, vert", "Or a dragon passant contourny vert"},
        {"Or a dragon passant to the sinister wings addorsed vert", "Or a dragon passant contourny vert"},
        {"Argent a falcon close, its head facing dexter, sable", "Argent a falcon close sable"},
        {"Argent a lion rampant, his head facing dexter, sable", "Argent a lion rampant sable"},
        {"Argent a falcon close, head facing dexter, sable", "Argent a falcon close sable"},
        {"Argent a falcon close sable, head to dexter", "Argent a falcon close sable"},
        {"Argent a lion rampant facing dexter sable", "Argent a lion rampant sable"},
        {"Argent a lion rampant facing to dexter sable", "Argent a lion rampant sable"},
        {"Argent a lion rampant facing to the dexter sable", "Argent a lion rampant sable"},
        {"Argent a sword fesswise to dexter sable", "Argent a sword fesswise sable"},
        {"Or a vol gules", "Or two wings conjoined gules"},
        {"Or three vols gules", "Or three wings conjoined gules"},
        {"Vert a sea-tortoise argent", "Vert a tortoise argent"},
        {"Vert a natural sea-tortoise argent", "Vert a tortoise argent"},
        {"Vert a sea tortoise argent", "Vert a tortoise argent"},
        {"Vert three sea tortoises argent", "Vert three tortoises argent"},
        {"Azure a pitcher or", "Azure a jug or"},
        {"Azure three pitchers or", "Azure three jugs or"},
        {"Argent, simple.", "Argent"},
        {"Argent, representations of three roses gules", "Argent three roses gules"},
        {"Gules three arrows or flighted argent", "Gules three arrows or feathered argent"},
        {"Or a dove close and reguardant azure", "Or a dove close reguardant azure"},
        {"Or a dove close and regardant azure", "Or a dove close reguardant azure"},
        {"Parti, au 1er d'or au lion de gueules, au 2 d'azur à la bande d'argent",
         "Per pale I or a lion gules; II azure a bend argent"},
        {"Coupe: au premier d'or; au second de gueules à la tour d'argent", "Per fess I or; II gules a tower argent"},
        {"Ecartele: au 1 d'or, au 2 de gueules, au 3 d'azur, au 4 d'argent", "Quarterly 1: or 2: gules 3: azure 4: argent"},
        {"Ecartele: au premier d'or, au deuxieme de gueules, au troisieme d'azur, au quatrieme d'argent",
         "Quarterly 1: or 2: gules 3: azure 4: argent"},
        {"Party gules and azure", "Per pale gules and azure"},
        {"Azure, an open birdcage or", "Azure a birdcage or"},
        {"Gules, two open birdcages argent", "Gules two birdcages argent"},
        {"Azure, a chevron through between three mullets argent", "Azure a chevron throughout between three mullets argent"},
        {"Or, a bend through within a bordure azure", "Or a bend throughout within a bordure azure"},
        {"Vert, a pale through surmounted by a fess or", "Vert a pale throughout surmounted by a fess or"},
        {"Argent, an eagle sable taloned gules", "Argent an eagle sable armed gules"},
        {"Party d'or et d'azur, a lion counterchanged", "Per pale or and azure a lion counterchanged"},
    });
}

TEST(Spellings, EveryRowDrawsAsTheModernBlazon) {
    const SpellingTable& table = GeneratedVocabulary().Spellings();
    Drawing printed, modern;
    int index = 0;
    for (const SpellingRow& row : table.Rows()) {
        ++index;
        if ((index - 1) % static_cast<int>(test::kSweepStride) != 0) continue;
        Printed pair;
        for (const std::string& blazon : test::SpellingsModernBlazons()) {
            const std::size_t at = row.kind == SpellingKind::Words ? FindWords(blazon, row.replacement)
                                                                   : FindMark(blazon, row.replacement);
            if (at == std::string::npos) continue;
            std::string typed = row.pattern;
            if (row.kind == SpellingKind::Words && index % 2 == 0 && typed.find(' ') == std::string::npos) typed += '.';
            pair = {blazon.substr(0, at) + typed + blazon.substr(at + row.replacement.size()), blazon};
            break;
        }
        if (pair.modern.empty()) {
            // Rows that drop words or phrase what no swap shows: a pair the row changes.
            const SpellingTable one({row}), none;
            for (const Printed& p : ByHand())
                if (pair.modern.empty() && one.Respell(p.printed) != none.Respell(p.printed)) pair = p;
        }
        SCOPED_TRACE(row.pattern + " -> " + row.replacement);
        if (pair.modern.empty()) {
            ADD_FAILURE() << "no blazon uses the row";
            continue;
        }
        SCOPED_TRACE(pair.printed);
        modern.Draw(pair.modern);
        ASSERT_TRUE(modern.sink.messages.empty() && modern.trace.ignoredWords.empty()) << pair.modern << " is not drawn clean";
        printed.DrawClean(pair.printed);
        EXPECT_TRUE(printed.s().picture == modern.s().picture);
    }
}

// The forms the armorials print most, with the colours of the shield read at points of its
// geometry: the abbreviation "gu." is gules (not "guardant"), English colours are tinctures, a
// partition word with "party" is the partition.
TEST(Spellings, PrintedFormsPaintTheirTinctures) {
    Drawing d;
    const int W = d.s().geometry.W, H = d.s().geometry.H;
    struct Probe { int x, y, tincture; };
    struct Case { const char* blazon; std::vector<Probe> probes; };
    const std::vector<Case> cases = {
        // The chevron's apex stands on the middle line near the top third.
        {"Arg. a chevron gu. between three roses az.", {{W / 2, H / 2, kGules}, {W / 2, 20, kArgent}}},
        {"Az. a fesse or.", {{W / 2, H / 2, kOr}, {W / 2, 30, kAzure}}},
        {"Sa. a fesse betw. three mullets arg.", {{W / 2, H / 2, kArgent}, {10, H / 2 + 80, kSable}}},
        {"Gules, a bend silver", {{W / 2, H / 2, kArgent}, {W - 40, 40, kGules}}},
        {"Vert, a saltire gold", {{W / 2, H / 2, kOr}, {W / 2, 20, kVert}}},
        {"Purple, a pale white", {{W / 2, H / 2, kArgent}, {20, H / 2, kPurpure}}},
        {"Black, a fess golden", {{W / 2, H / 2, kOr}, {W / 2, 20, kSable}}},
        {"Party per pale Or and Azure", {{W / 4, H / 2, kOr}, {3 * W / 4, H / 2, kAzure}}},
        {"Parted per fess red and blue", {{W / 2, H / 4, kGules}, {W / 2, 3 * H / 4, kAzure}}},
        {"Green; a cheveron (argent)", {{W / 2, H / 2, kArgent}, {W / 2, 20, kVert}}},
        // The rolls' Anglo-Norman: "de" before each tincture, "a une" for the field's charge.
        {"de azure a une fesse de goules", {{W / 2, H / 2, kGules}, {W / 2, 20, kAzure}}},
        {"De or a une crois engrele de goules.", {{W / 2, H / 2, kGules}, {20, 40, kOr}}},
        // Tinctures blazoned by stones and by planets.
        {"Saphire a fess pearl", {{W / 2, H / 2, kArgent}, {W / 2, 20, kAzure}}},
        {"Sol, a pale Mars", {{W / 2, H / 2, kGules}, {20, H / 2, kOr}}},
        // The escutcheon of pretence stands in the middle of the field.
        {"Azure, an escutcheon of pretence argent", {{W / 2, H / 2, kArgent}, {20, 20, kAzure}}},
        // "also" before the tincture that repeats an earlier one changes nothing.
        {"Vert, a fess or, a chief also or", {{W / 2, H / 2, kOr}, {W / 2, 20, kOr}, {W / 2, 3 * H / 4, kVert}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.DrawClean(c.blazon);
        for (const Probe& p : c.probes) EXPECT_EQ(d.At(p.x, p.y), Colour(p.tincture)) << p.x << "," << p.y;
    }
}

// Punctuation anywhere never changes what is drawn.
TEST(Spellings, PunctuationNeverChangesTheDrawing) {
    const std::vector<Printed> pairs = {
        {"Azure, a bend, Or.", "Azure a bend Or"},
        {"Azure; a bend (Or)", "Azure a bend Or"},
        {"Azure - a bend \"Or\"", "Azure a bend Or"},
        {"Per pale: or and azure", "Per pale or and azure"},
        {"Azure — a bend – Or", "Azure a bend Or"},
        {"Gules, a lion’s head erased, “or”", "Gules a lion's head erased or"},
        {"Per pale, or and azure, a chevron counterchanged.", "Per pale or and azure a chevron counterchanged"},
        {"Argent, on a chief gules, three mullets or.", "Argent on a chief gules three mullets or"},
    };
    Drawing printed, modern;
    for (const Printed& p : pairs) {
        SCOPED_TRACE(p.printed);
        modern.DrawClean(p.modern);
        printed.DrawClean(p.printed);
        EXPECT_TRUE(printed.s().picture == modern.s().picture);
    }
}

// A vocabulary file made before the spellings were kept with the words reads with none; one
// whose spellings are of an unknown kind is refused with a message, not read in part.
TEST(Spellings, VocabularyFilesWithAndWithoutSpellings) {
    const std::string path = ::testing::TempDir() + "spellings_" + std::to_string(::getpid()) + ".db";
    auto make = [&](const char* sql) {
        std::remove(path.c_str());
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    };
    const char* words =
        "CREATE TABLE words1 (WORD TEXT, Type INTEGER, Sub1 INTEGER, Sub2 INTEGER);"
        "INSERT INTO words1 VALUES ('gules', 1, 2, 0);";
    make(words);
    std::string error;
    auto old = Vocabulary::Load(path, &error);
    ASSERT_TRUE(old.has_value()) << error;
    EXPECT_TRUE(old->Spellings().Empty());
    EXPECT_NE(old->Lookup("gules"), nullptr);

    make((std::string(words) + "CREATE TABLE spellings1 (Kind INTEGER, Pattern TEXT, Replacement TEXT);"
                               "INSERT INTO spellings1 VALUES (2, 'gu', 'gules');").c_str());
    auto withSpellings = Vocabulary::Load(path, &error);
    ASSERT_TRUE(withSpellings.has_value()) << error;
    EXPECT_EQ(withSpellings->Spellings().Respell("Or a bend gu."), "Or a bend gules");

    make((std::string(words) + "CREATE TABLE spellings1 (Kind INTEGER, Pattern TEXT, Replacement TEXT);"
                               "INSERT INTO spellings1 VALUES (7, 'gu', 'gules');").c_str());
    error.clear();
    EXPECT_FALSE(Vocabulary::Load(path, &error).has_value());
    EXPECT_NE(error.find("unknown kind 7"), std::string::npos) << error;
    std::remove(path.c_str());
}

// A first word that is read as nothing leaves the field unpainted, and the message names it.
TEST(Spellings, AnUnreadFieldWordIsNamed) {
    Drawing d;
    d.Draw("Frobble, a fess argent");
    ASSERT_EQ(d.sink.messages.size(), 1u);
    EXPECT_EQ(d.sink.messages[0], "Color or partition required: 'Frobble' was not read.");
    // A word the vocabulary knows: the message says no tincture is named.
    d.Draw("A lion rampant");
    ASSERT_EQ(d.sink.messages.size(), 1u);
    EXPECT_EQ(d.sink.messages[0], "Color or partition required: the blazon names no tincture, and none is guessed.");
}

}  // namespace
}  // namespace esc
