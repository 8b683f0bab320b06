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

// Blazons in the program's words whose pictures the printed spellings must give again exactly.
// Each row of the table is met by putting its pattern in place of its replacement in the first
// of these that holds the replacement as whole words (every other abbreviation with its full
// stop, as printed).
const std::vector<std::string>& Modern() {
    static const std::vector<std::string> blazons = test::WithFrenchBlazons({
        "Argent a chevron gules between three crescents azure",
        "Or on a base vert a tree proper",
        "Argent a rose gules slipped and leaved vert",
        "Gules three arrows or feathered and barbed argent",
        "Azure three arrows argent headed and feathered or",
        "Or three birdbolts gules nocked and headed or",
        "Argent a chief azure three oak sprigs fructed proper",
        "Azure a tree issuant from a mount vert",
        "Vert three bucks tripping argent attired or",
        "Azure a cinquefoil pierced or",
        "Azure three cinquefoils pierced or",
        "Gules a mullet pierced argent",
        "Gules three mullets pierced argent",
        "Vert a quatrefoil pierced or",
        "Vert two quatrefoils pierced or",
        "Sable a sexfoil pierced argent",
        "Sable two sexfoils pierced argent",
        "Argent a cross gules in the dexter canton a mullet azure",
        "Argent a cross gules in the sinister canton a mullet azure",
        "Or a rose gules charged with another argent",
        "Gules three annulets each enclosing a cinquefoil or",
        "Vert a birdbolt or",
        "Argent a chevron abased gules",
        "Sable a lion rampant guardant or",
        "Vert a lion passant reguardant argent",
        "Purpure a crescent ermine",
        "Or a thistle proper",
        "Argent in base a sea proper",
        "Per pale or and azure a chevron counterchanged",
        "Per saltire argent and gules",
        "Per bend or and vert",
        "Per fess argent and sable",
        "Quarterly argent and gules a bend sable",
        "Azure a fess embattled or",
        "Gules a fess dancetty argent",
        "Gules a bend engrailed argent",
        "Argent two chevrons sable",
        "Or three chevronels gules",
        "Gules three chevronels interlaced or",
        "Argent a cinquefoil gules",
        "Argent three annulets within an orle of cinquefoils sable",
        "Or a quatrefoil vert",
        "Or three quatrefoils vert",
        "Azure a sixfoil or",
        "Azure three sixfoils or",
        "Chevronny or and azure",
        "Azure a cross pattee or",
        "Gules a cross formee argent",
        "Or a cross crosslet fitchee sable",
        "Argent three crosses crosslets gules",
        "Vaire a chief gules",
        "Chequy or and azure",
        "Or three lions passant gules",
        "Or a lion within a double tressure flory counterflory gules",
        "Argent three double tressures gules",
        "Azure semee of fleurdelis or",
        "Argent a hand apaumy gules",
        "Or a bend sinister azure",
        "Argent a dexter hand gules",
        "Argent three escutcheons gules each charged with a mullet or",
        "Azure a phoenix or",
        "Argent three black grouse sable",
        "Ermine a chief Indented gules",
        "Or a fess Undy azure",
        "Azure a fess Nebuly or",
        "Gules a lion's head erased or",
        "Argent a demi-lion rampant sable",
        "Argent a cross gules between four mullets sable",
        "Argent a wing contourny gules",
        "Argent two wings contourny gules",
        "Argent a bend gules in fess a mullet sable",
        "Argent two wings conjoined gules",
        "Argent gutty de sang",
        "Or a chevronel gules",
        "Argent a bend cotised gules",
        "Argent three escallops gules",
        "Argent an escallop gules",
        "Azure three estoiles or",
        "Azure an estoile or",
        "Argent three pommes",
        "Azure three garbs or",
        "Gyronny or and azure",
        "Gules three lucies hauriant argent",
        "Argent a skene palewise sable",
        "Argent an attire fesswise sable",
        "Argent an eagle displayed sable membered gules",
        "Argent a fess gules and three popinjays vert",
        "Argent a cross engrailed gules",
        "Argent a bend raguly sable",
        "Azure a fess embattled or between three annulets argent",
        "Argent three torteaux",
        "Gules an annulet or",
        "Argent three pears pendent vert",
        "Argent a sword gules hilted and pommelled or",
        "Or an alerion azure",
        "Or three alerions azure",
        "Argent three skenes sable",
        "Gules a horse rampant argent",
        "Gules an anvil argent",
        "Azure an inescutcheon argent",
        "Azure crusilly argent three luces argent",
        "Argent an escutcheon gules",
        "Argent a bordure compony or and azure",
        "Azure a lion's head couped or",
        "Argent a demi wolf sable",
        "Azure a demisun or",
        "Or a turtle tergiant vert",
        "Azure three demisuns or",
        "Or three demi wolves sable",
        "Gules a demi bear argent",
        "Or a demi boar sable",
        "Azure a demi goat argent",
        "Vert a demi cat argent",
        "Gules a demi griffin or",
        "Gules a demi gryphon or",
        "Or a demi dragon vert",
        "Azure a demi unicorn argent",
        "Argent a demi antelope azure",
        "Azure a demi stag argent",
        "Azure a demi buck argent",
        "Gules a demi hart or",
        "Argent a demi bull gules",
        "Sable a demi ram argent",
        "Or a demi eagle sable",
        "Vert a demi wivern or",
        "Vert a demi wyvern or",
        "Azure a demi luce argent",
        "Or a demi talbot sable",
        "Argent a demi hind gules",
        "Argent a demi doe gules",
        "Azure a demi greyhound argent",
        "Argent a demi fox gules",
        "Azure a bell or",
        "Azure three bells or",
        "Or an arm embowed gules",
        "Or two arms embowed gules",
        "Or three thistles proper",
        "Gules a lion's gamb erased argent",
        "Gules three lions' gambs erased argent",
        "Azure a winged horse argent",
        "Vert a stag statant guardant or",
        "Tenne a bend argent",
        "Sanguine a pale argent",
        "Murrey a chevron or",
        "Celeste a fess or",
        "Carnation a saltire azure",
        "Or a pellet",
        "Or three pellets",
        "Argent a pomme",
        "Or a bend azure a crescent gules for difference",
        "Gules a castle tripletowered argent",
        "Or an orientaldragon vert",
        "Or two orientaldragons vert",
        "Azure a thorhammer argent",
        "Azure three thorhammers argent",
        "Gules a battleaxe argent",
        "Gules two battleaxes argent",
        "Or a pointpointed vert",
        "Argent a cinquefoil gules",
        "Argent three cinquefoils gules",
        "Argent a quatrefoil gules",
        "Argent three quatrefoils gules",
        "Gules a base barry wavy argent and azure",
        "Gules a lion passant guardant or",
        "Gules three lions passant guardant or",
        "Gules on a base barry wavy argent and azure a tower or",
        // Charges some words are written as: beasts drawn as their nearest kin, monsters, objects.
        "Argent a coney sable", "Argent three coneys sable",
        "Or a sagittary gules", "Or three sagittaries gules",
        "Vert a savage argent", "Vert three savages argent",
        "Or a fly sable", "Or three flies sable", "Or three billets sable", "Or a billet sable",
        "Or a cubitarm gules", "Or three cubitarms gules",
        "Gules a tun or", "Gules three tuns or",
        "Azure a helmet argent", "Azure three helmets argent",
        "Argent a chaplet vert", "Argent three chaplets vert",
        "Or a frog vert", "Or three frogs vert",
        "Argent a snake vert", "Argent three snakes vert",
        "Argent three boars sable",
        "Argent a cow gules", "Argent three cows gules",
        "Or an ass sable", "Or three asses sable",
        "Or three bulls sable",
        "Argent a dog sable", "Argent three dogs sable",
        "Argent three greyhounds sable",
        "Or a popinjay vert",
        "Azure a merman argent", "Azure three mermen argent",
        "Or a hedgehog sable", "Or three hedgehogs sable",
        "Or a bee sable", "Or three bees sable",
        "Azure a butterfly or", "Azure three butterflies or",
        "Vert a grasshopper or", "Vert three grasshoppers or",
        "Or a sealion azure", "Or three sealions azure",
        "Or a seawolf azure", "Or three seawolfs azure", "Or a seagriffin azure", "Or three seagriffins azure",
        "Or a seaunicorn azure", "Or three seaunicorns azure", "Or a seastag azure", "Or three seastags azure",
        "Or a bogbeast azure", "Or three bogbeasts azure",
        "Gules a demi man argent", "Gules three demi men argent",
        "Vert a demi cockatrice or", "Argent a demi savage vert",
        "Or a demi tyger azure", "Argent a demi falcon sable", "Azure a demi swan argent",
        "Or a demi winged horse azure", "Or a demi elephant gules",
        "Argent a demi camel sable",
        "Gules a galero argent", "Gules three galeros argent",
        "Azure an armillary or", "Azure three armillaries or",
        "Sable a millrind argent", "Sable three millrinds argent",
        "Gules a chapeau argent", "Gules three chapeaus argent",
        "Azure an antique crown or", "Azure three antique crowns or",
        "Sable a lamp or", "Sable three lamps or",
        "Vert three grapes or",
        "Azure a ryeear or", "Azure three ryeears or",
        "Or a hourglass sable", "Or three hourglasses sable",
        "Argent a cone vert", "Argent three cones vert",
        "Vert a bulrush or", "Vert three bulrushes or",
        "Gules a santiago or", "Gules three santiagos or",
        "Azure a crossstaff or", "Azure three crossstaffs or",
        "Sable an organpipe argent", "Sable three organpipes argent",
        "Vert a wheatfield or",
        "Or a glove azure", "Or three gloves azure",
        "Gules a morningstar argent", "Gules three morningstars argent",
        "Azure a lymphad furled or", "Azure a ship furled or",
        "Or a sail gules", "Or three sails gules",
        "Azure a sparrowfalcon or", "Azure three sparrowfalcons or",
        "Azure a polemullet or", "Azure two polemullets or",
        "Gules an inkhorn argent", "Gules three inkhorns argent",
        "Vert a mortar or", "Vert three mortars or",
        "Sable a chessknight argent", "Sable three chessknights argent",
        "Argent a roundel gules all within a bordure azure",
        "Azure two roundels argent each charged with an escallop sable",
        "Argent three roundels gules each charged with two mullets or",
        "Per pale argent and azure in dexterhalf a roundel gules in sinisterhalf an escallop or",
        "Per pale argent and azure in dexterhalf an escallop gules in sinisterhalf a roundel or",
        "Per pale argent and azure in dexterhalf two roundels gules in sinisterhalf three roundels or",
        "Per pale argent and azure in dexterhalf three roundels gules in sinisterhalf two roundels or",
        // Compounds, English words and old forms of the printed armorials.
        "Argent a mullet of six points gules", "Argent two mullets of six points gules",
        "Argent a mullet of eight points gules", "Argent two mullets of eight points gules",
        "Argent a cross moline gules", "Argent three crosses moline gules",
        "Argent three crosses formee fitchee gules", "Argent three crosses pattee fitchee gules",
        "Argent a maple tree vert", "Argent three maple trees vert", "Argent a hazel nut or",
        "Argent three hazel nuts or", "Argent an axe gules", "Argent two axes in saltire gules",
        "Argent two swords in saltire gules", "Argent a cup gules", "Argent three cups gules",
        "Azure a book or", "Azure three books or", "Argent a staff gules",
        "Argent three staves gules", "Argent an eagle volant sable", "Gules a horse salient or",
        "Argent a stag couchant gules", "Azure a swan naiant argent", "Argent a sword erect gules",
        "Argent an eagle displayed sable beaked gules", "Argent a leopard gules",
        "Argent three leopards gules", "Argent a crow sable", "Argent three crows sable",
        "Argent a daw sable", "Argent three daws sable", "Gules a cross ermines",
        "Gules a sword argent pommel or", "Gules two swords in saltire argent pommels or",
        "Gules a cross pommetty or", "Argent a royal crown or", "Argent three royal crowns or",
        "Argent a bull gules", "Argent three bulls gules", "Argent a bull's head cabossed sable",
        "Argent a bull's head cabossed sable ringed or", "Argent a roundel gules",
        "Argent three roundels gules", "Argent three attires sable",
        "Azure three cushions or tasselled gules", "Argent a helmet in profile sable",
        "Argent a lion rampant double queued gules", "Or two lions passant counterpassant gules",
        "Argent a fork gules", "Argent three forks gules", "Argent a lily gules",
        "Argent three lilies argent", "Argent three ostrich feathers argent", "Argent a crosier or",
        "Argent three crosiers or", "Argent a pall gules", "Argent a cross gules fimbriated or",
        "Or a fess enarched vert", "Or a chief enarched vert", "Sable an eagle barry argent and gules",
        "Argent a bend invected gules",
        "Argent a spear head gules", "Argent three spear heads gules", "Argent an orb or",
        "Argent three orbs or", "Argent a scroll gules", "Argent three scrolls gules",
        "Argent a fish naiant gules", "Or a lion rampant gules crowned azure",
        "Or a lion rampant gules ducally crowned azure",
        "Argent three swords in pile points in base gules", "Argent three arrows in pile sable",
        "Argent three piles in point vert",
    });
    return blazons;
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
        for (const std::string& blazon : Modern()) {
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
