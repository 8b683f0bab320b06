#include "interpret/read/Normaliser.h"
#include "interpret/read/PlaceWords.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Palette.h"
#include "interpret/read/TextOps.h"

namespace esc {
namespace {

// A replacement names a fixed text, a deletion, or one of the three tinctures passed in. A
// deletion outside numbers keeps the sign of a number and the point or comma inside one, so that
// "-3" or "1.5" stays one word that is not a count (and is said as a word not found) instead
// of being read as the count 3 or 15.
enum class Kind { Replace, Delete, DeleteOutsideNumbers, First, Second, Third };

// Where a pattern is met. A pattern of words is met only as whole words ("star" in "stars", not
// in "starfish"); a fragment is met anywhere, for the rows that rewrite part of a word the
// hyphen joined ("fleurs-de-lis", "fesse-wise", "double-queued") or the start of a word ("bay
// leaves").
enum class Reach { Words, Fragment };

struct Substitution {
    std::string_view pattern;
    std::string_view replacement;
    Kind kind = Kind::Replace;
    Reach reach = Reach::Words;
};

// Applied in this order, each over the whole text before the next. Order matters: a longer
// phrase comes before the shorter one it contains ("pairle reversed" before "pairle", so that it
// is not left as "pall reversed"; "dancettee" before "dancette"), and some outputs feed later entries ("heronhawk" becomes
// "hawk" and then "falcon"; every "palet" becomes "pallet" and a free-standing "pallet" then
// "pallets").
//
// The punctuation comes first and is also what the first word pass strips, so that both passes
// see the same words ("gules," is the tincture gules in both).
constexpr std::size_t kPunctuationEntries = 7;
constexpr std::array<Substitution, 226> kSubstitutions = {{
    {"-", "", Kind::DeleteOutsideNumbers},
    {".", "", Kind::DeleteOutsideNumbers},
    {" d'", " "},
    // The possessive of a word ending in "s" loses its own "s" with the apostrophe, so that
    // "an ass's head" is the ass's and not a word "asss"; "lion's" becomes "lions" below.
    {"s's", "s", Kind::Replace, Reach::Fragment},
    {"'", "", Kind::Delete},
    {",", "", Kind::DeleteOutsideNumbers},
    {";", "", Kind::Delete},
    // Spellings of society armory, and names of charges the program draws by the picture of the
    // same thing under another name.
    {"combattant", "combatant"},
    {"gryphon", "griffin"},
    {"rooster", "cock"},
    {"pavilion", "sperver"},  // the round tent the sperver picture draws
    {"knorr", "ship"},
    {"caravel", "ship"},
    {"claymore", "sword"},
    {"crosspeen hammer", "hammer"},
    {"wagon wheel", "wheel"},
    {"goblet", "cup"},
    {"standing balance", "balance"},  // the balance picture stands on its foot
    {"open book", "book"},            // the book picture is the book open
    {"thors hammer", "thorhammer"},    // one charge, the picture of its own
    {"bordure company", "bordure compony"},  // an old spelling of compony
    {"counterermine", "ermines"},  // "counter-ermine": sable, the spots argent
    {"caboshed", "cabossed"},
    // A lion's head cabossed, affronty with no neck shown, is the lion's (leopard's) face.
    {"lions heads cabossed", "leopards faces"},
    {"lions head cabossed", "leopards face"},
    // A leg erased "a la quise" is erased at the thigh, as the leg picture erased is drawn.
    {"erased à la quise", "erased"},
    {"erased a la quise", "erased"},
    {"erased à la quisse", "erased"},
    {"erased a la quisse", "erased"},
    // "an eagle looking to the sinister", "a hart facing sinister": facing sinister, as contourny
    // (the longer forms first: the shorter would leave "looking" or "facing" behind).
    {"looking to the sinister", "contourny"},
    {"looking to sinister", "contourny"},
    {"facing to the sinister", "contourny"},
    {"facing the sinister", "contourny"},
    {"facing sinister", "contourny"},
    {" to the sinister", " contourny"},
    {" to sinister", " contourny"},  // "a raven volant to sinister": facing sinister
    {"foxs mask", "foxs face"},
    // A dance is a fess dancetty; several are bars dancetty.
    {" dances ", " bars dancetty "},
    {" dance ", " fess dancetty "},  // a fox's mask is its face, affronty
    // A pair of shears is the one instrument the shears picture draws.
    {"pairs of shears", "shears"},
    {"pair of shears", "shears"},
    // The sun picture is the sun in splendour, its face within its rays: the words say what it shows.
    {"splendor", "splendour"},
    {"suns in their splendour", "suns"},
    {"sun in his splendour", "sun"},
    {"sun in its splendour", "sun"},
    {"sun in splendour", "sun"},
    // Strewn charges written as one word after a tincture ("a bordure Or pellety"), and the semé
    // of drops "goutté de sang" with the drops' tincture.
    {"pellety", "semy of pellets"},
    {"mulletty", "semy of mullets"},
    {"mullety", "semy of mullets"},
    // "Azure, ermined, a pale ... Or": the field strewn with ermine spots, in the tincture named
    // after it (a fur of its own colours, which the named furs are not).
    {" ermined", " semy of erminespots"},
    // The crozier of the arms of Basel, a picture of its own.
    {"crooks of basel", "baselcrooks"},
    {"crook of basel", "baselcrook"},
    // The plant named so is drawn as the thistle: the name is not its tincture.
    {"blue thistle", "thistle"},
    // An anvil with a horn at each end, a picture of its own.
    {"double horned anvil", "anvil2"},
    {"doublehorned anvil", "anvil2"},  // "double-horned", its hyphen gone
    {"goutté de ", "guttee "},
    {"goutty de ", "guttee "},
    {"gutty de ", "guttee "},
    {"gouttes de ", "gouttes "},  // "a goutte de sang": a drop, gules
    {"goutte de ", "goutte "},
    // Mullets of greater and lesser points: the compass star (four and four) and the star of ten
    // points, five long and five short, each a picture of its own.
    {"mullet of four greater and four lesser points", "compass"},
    {"mullet of five greater and five lesser points", "mulletlesser"},
    // The hand picture is the hand apaumy, its open palm shown; the squirrel picture sits erect.
    {" apaumée", ""},
    {" apaumy", ""},
    {"squirrels sejant erect", "squirrels sejant"},
    {"squirrel sejant erect", "squirrel sejant"},
    {"lotus blossom", "lotus"},
    {"semée", "semee", Kind::Replace, Reach::Fragment},
    {"semé", "semee", Kind::Replace, Reach::Fragment},
    {"palet", "pallet"},
    {"tierced per pall", "per pall"},
    {"tierced pallwise", "per pall"},  // "tierced" with any other division is read as a field in three
    {"jessant de l", "jessantdel", Kind::Replace, Reach::Fragment},  // "jessant de lis" as one word, as "jessant-de-lis" becomes
    // A charge in the first (second) quarter, in the dexter (sinister) canton or chief: one place.
    {"the first quarter", "dexterchief"},
    {"the second quarter", "sinisterchief"},
    {"the dexter canton", "dexterchief"},
    {"the sinister canton", "sinisterchief"},
    {"the dexter chief", "dexterchief"},
    {"the sinister chief", "sinisterchief"},
    {"in dexter chief", "in dexterchief"},
    {"in sinister chief", "in sinisterchief"},
    // The dexter and sinister base: one place each.
    {"the dexter base", "dexterbase"},
    {"the sinister base", "sinisterbase"},
    {"in dexter base", "in dexterbase"},
    {"in sinister base", "in sinisterbase"},
    {"in chief a label", "a label"},  // a label is always in chief; "in chief" made it a picture
    {"face jess", "head jess", Kind::Replace, Reach::Fragment},
    {"faces jess", "heads jess", Kind::Replace, Reach::Fragment},
    {"countercharged", "counterchanged"},
    {"guttees", "guttee"},  // the semé of drops, as the field parser knows it
    {"sinople", "vert"},
    {" eau", " argent"},
    {" larmes", " azure"},
    {" huile", " vert"},
    {" poix", " sable"},
    {"bendlets", "bendlet"},
    {"saltier", "saltire", Kind::Replace, Reach::Fragment},
    {"upon", "on"},
    {"bugle", " ", Kind::Replace, Reach::Fragment},
    {"huntinghorn", "horn"},
    {"fesses", "bars", Kind::Replace, Reach::Fragment},  // several fesses are drawn as bars ("fess" + "es" would leave "fesss")
    {"fesse", "fess", Kind::Replace, Reach::Fragment},
    {"pales", "pallets"},  // several pales are drawn as pallets, side by side
    {"nebulee", "nebuly"},
    {"dancettee", "dancetty", Kind::Replace, Reach::Fragment},
    {"dancette", "dancetty", Kind::Replace, Reach::Fragment},
    {"border", "bordure"},
    {"of the same", "of the last"},  // the tincture named last, as "of the last"
    {"of the field", "", Kind::First},
    {"of the first", "", Kind::First},
    {"of the second", "", Kind::Second},
    {"of the third", "", Kind::Third},
    {"fleurs", "fleur", Kind::Replace, Reach::Fragment},
    {" lys ", " lis "},
    {" tent ", " sperver "},
    {"lioncel", "lion"},
    {"star", "mullet"},
    {"compass mullet ", "compass "},  // the compass star is a picture of its own
    {"fitchy", "fitchee"},
    {"flintstone", "pellet"},
    {"crossescrosslet", "cross crosslet", Kind::Replace, Reach::Fragment},  // "crosses-crosslet": the cross with its crosslet variant
    {"bucket", "bouget"},
    {"snaffle", "horses "},
    {"crosses", "cross", Kind::Replace, Reach::Fragment},
    {"foxes", "fox"},
    {"raven", "crow"},
    {"cornish chough", "chough"},  // the chough has a picture of its own: proper, its beak and legs are red
    {"hornet", "bee"},
    {"diamonds", "lozenges"},
    {"hare", "coney"},
    {"urcheon", "hedgehog"},
    {"urchin", "hedgehog"},
    {"stag", "buck"},
    {"reindeer", "buck"},
    {"roebuck", "buck"},
    {"hart", "buck"},
    {"inescutcheon", "escutcheon"},
    {"eaglet", "eagle"},
    {"doubleheaded", "twoheaded"},
    {"catsamountain", "cats"},
    {"mountain", "mount"},
    {"cockerell", "cock"},
    {"moorcock", "cock"},
    {"gamecock", "cock"},
    {"leveret", "coney"},
    {"martin", "martlet"},
    {"sheldrake", "duck"},
    {" drake", " duck"},
    {"teal", "duck"},
    {"swallow", "martlet"},
    {"heronshaw", "heron"},
    {"heronhawk", "hawk"},
    {"cherubim", "cherub"},
    {"gemelle", "gamel"},
    {"gemel", "gamel"},
    {"gamels", "gamel"},
    {" bar ", " bars "},
    {"fleury", "flory", Kind::Replace, Reach::Fragment},
    // A cross formy florettee is the cross formy with a fleur-de-lis at each arm's end: "formee
    // flory" names that picture.
    {"florettee", "flory", Kind::Replace, Reach::Fragment},
    {"floretty", "flory", Kind::Replace, Reach::Fragment},
    {"vairy", "vaire", Kind::Replace, Reach::Fragment},
    {" palet ", " pallet "},
    {" pallet ", " pallets "},
    // Several bends are drawn as bendlets: one bend alone would misstate the count. (Several
    // chevrons keep their name: the reader stacks them as chevronels, drawn broader.)
    {" bends ", " bendlet "},
    {" paty ", " pattee "},
    {" formy ", " formee "},
    {"chevronel", "chevronnel", Kind::Replace, Reach::Fragment},
    {"broomsprig", "broom"},
    {"maunche", "maunch"},
    {"queued", "nowed", Kind::Replace, Reach::Fragment},
    {"blackamoor", "moor"},
    {"chess rook", "chessrook"},
    {"plumbs", "plummets"},
    {"turrets", "towers"},
    {"gambe", "paw"},  // a beast's gamb is its foreleg with the paw
    {"gamb", "paw"},
    {"boxes", "box"},
    {"hawks lure", "lure"},
    {"ermine spot", "erminespot"},  // a single ermine tail, a charge of its own
    {"esquires helmet", "helmet"},  // the esquire's helm is the closed helm in profile the helmet picture shows
    {"sheaves of as many arrows", "arrowsheaves"},
    {"sheaves of arrows", "arrowsheaves"},
    {"sheaf of arrows", "arrowsheaf"},
    // A bow bent is drawn with its string (bow.2): "bent and stringed" says the one thing.
    {"bent and stringed", "bent"},
    // Two annulets concentric are one charge, a ring within a ring (annulet.3).
    {"two annulets concentric", "an annulet concentric"},
    // Barnacles (the farrier's twitch) are one instrument of two arms, "a pair of barnacles", as
    // the barnacle picture draws it.
    {"pairs of barnacles", "barnacles"},
    {"pair of barnacles", "barnacle"},
    // An ear of rye is drawn slipped and bladed, its stalk and blade the picture's second part:
    // "slipped and bladed" before the tincture says what the picture shows (after it, with a
    // tincture of their own, the words colour those parts).
    {"ears of rye slipped and bladed", "ryeears"},
    {"ear of rye slipped and bladed", "ryeear"},
    {"ears of rye", "ryeears"},
    {"ear of rye", "ryeear"},
    {"bridge of two arches", "bridge twoarched"},  // bridge.4; the bridge as drawn has three
    {"barwise", "fesswise"},  // lying across the shield as a bar does, which is fesswise
    // Three arms conjoined at the shoulders and flexed in triangle are one charge (triarm).
    {"three dexter arms conjoined at the shoulders and flexed in triangle", "a triarm"},
    {"three arms conjoined at the shoulders and flexed in triangle", "a triarm"},
    // A stag's attires fixed to the scalp: the pair of antlers joined by the frontal bone.
    {"attires fixed to the scalps", "scalps"},
    {"attires fixed to the scalp", "scalps"},
    {"attire fixed to the scalp", "scalp"},
    {"bay lea", "laurel lea", Kind::Replace, Reach::Fragment},
    {"hawk", "falcon"},
    {"wyvern", "wivern"},
    // A standing dish (a dish raised on a stem and foot) is a picture of its own; other dishes are
    // roundels. Only a free-standing "dish" is a roundel, so the one word written here stays.
    {"standing dish", "standingdish"},
    {" dishes", " roundel"},
    {" dish", " roundel"},
    {"wreathes", "chaplet"},
    {"wreath", "chaplet"},
    {"taucros", "tau cros", Kind::Replace, Reach::Fragment},
    {"roundle", "roundel"},
    {"doubly", "double"},
    {"humettee", "couped"},
    {"crenellee", "embattled"},
    {"in flame", "flammant"},
    {"shamrock", "trefoil"},
    {"calve", "bull"},  // calves are drawn as the bull
    {"semee of cross crosslet", "crusilly"},
    {"semy de lis", "semee of fleurdelis"},
    // A fountain is a roundel barry wavy argent and azure: its own picture, always proper.
    {"fountains proper", "founts proper"},
    {"fountain proper", "fount proper"},
    {"fountains", "founts proper"},
    {"fountain", "fount proper"},
    {"pairle reversed", "pall1"},
    {"pairle", "pall"},
    {"respectant", "combatant"},
    {"quarterpierced", "pierced"},
    {"quarter pierced", "pierced"},
}};


// Whether the one-character mark at `at` belongs to a number: a sign before the digits of a word
// ("-3"), or a point or comma before digits, within a number or opening one ("1.5", "2,5", ".5").
bool PartOfNumber(const std::string& text, std::size_t at) {
    const bool digitAfter = at + 1 < text.size() && IsAsciiDigit(text[at + 1]);
    if (!digitAfter) return false;
    const bool wordStart = at == 0 || text[at - 1] == ' ' || text[at - 1] == '\t';
    if (text[at] == '-') return wordStart;
    return wordStart || IsAsciiDigit(text[at - 1]);
}

bool DeleteOutsideNumbers(std::string& text, char mark) {
    if (text.find(mark) == std::string::npos) return false;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != mark || PartOfNumber(text, i)) out += text[i];
    const bool any = out.size() != text.size();
    text = std::move(out);
    return any;
}

bool Replace(const Substitution& s, std::string& text, std::string_view replacement, std::size_t capacity) {
    return s.reach == Reach::Fragment ? ReplaceAllIgnoringCase(text, s.pattern, replacement, capacity)
                                      : ReplaceWholeWordsIgnoringCase(text, s.pattern, replacement, capacity);
}

// True when the entry changed the text.
bool Apply(const Substitution& s, std::string& text, int firstTincture, int secondTincture, int thirdTincture,
           std::size_t capacity) {
    switch (s.kind) {
        case Kind::Delete: return DeleteAllExact(text, s.pattern);
        case Kind::DeleteOutsideNumbers: return DeleteOutsideNumbers(text, s.pattern[0]);
        case Kind::Replace: return Replace(s, text, s.replacement, capacity);
        case Kind::First: return Replace(s, text, TinctureName(firstTincture), capacity);
        case Kind::Second: return Replace(s, text, TinctureName(secondTincture), capacity);
        case Kind::Third: return Replace(s, text, TinctureName(thirdTincture), capacity);
    }
    return false;
}

// The pairs of neighbouring characters a text holds, letters folded to one case, hashed into a
// set of bits. A pattern with a pair the text lacks cannot occur in it, so most of the list is
// passed over without scanning the text: a blazon meets a handful of its two hundred entries.
// The set is made again whenever an entry changes the text.
class PairFilter {
public:
    explicit PairFilter(std::string_view text) { Reset(text); }
    void Reset(std::string_view text) {
        pairs_.reset();
        for (std::size_t i = 0; i + 1 < text.size(); ++i) pairs_.set(Bucket(text[i], text[i + 1]));
    }
    bool MayHold(std::string_view pattern) const {
        for (std::size_t i = 0; i + 1 < pattern.size(); ++i)
            if (!pairs_.test(Bucket(pattern[i], pattern[i + 1]))) return false;
        return true;
    }

private:
    static constexpr std::size_t kBuckets = 4096;
    static unsigned Fold(char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 'A' && u <= 'Z') ? u - 'A' + 'a' : u;
    }
    static std::size_t Bucket(char a, char b) { return (Fold(a) * 257u + Fold(b)) % kBuckets; }
    std::bitset<kBuckets> pairs_;
};

}  // namespace

void StripPunctuation(std::string& text) {
    for (std::size_t i = 0; i < kPunctuationEntries; ++i) Apply(kSubstitutions[i], text, 0, 0, 0, text.size());
}

void Normalise(std::string& text, int firstTincture, int secondTincture, int thirdTincture, std::size_t capacity) {
    PairFilter filter(text);
    for (std::size_t i = 0; i < kSubstitutions.size(); ++i) {
        const Substitution& s = kSubstitutions[i];
        // Once the punctuation is gone, and before any place is named by its tincture.
        if (i == kPunctuationEntries && GiveEachPlaceItsOfThe(text, capacity)) filter.Reset(text);
        if (i == kPunctuationEntries && GiveEachOrdinalItsQuarter(text, capacity)) filter.Reset(text);
        if (!filter.MayHold(s.pattern)) continue;
        if (Apply(s, text, firstTincture, secondTincture, thirdTincture, capacity)) filter.Reset(text);
    }
}

std::vector<std::string_view> NormaliserReplacements() {
    std::vector<std::string_view> out;
    for (const Substitution& s : kSubstitutions)
        if (s.kind == Kind::Replace) out.push_back(s.replacement);
    return out;
}

}  // namespace esc
