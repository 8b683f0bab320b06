// Qualifiers of a charge that choose another picture of it, read only when that picture exists.

#include "interpret/phrase/Qualifiers.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>

#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/VariantCode.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {
namespace {

constexpr std::size_t kFileStemChars = 8;
constexpr std::size_t kMaxVariantChars = 3;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Whether the picture folder holds an entry of that name. Whether it can be read is placement's
// question: an entry that cannot (a folder in its place) ends in the question picture, which is
// reported there.
bool FileExists(const DrawingState& s, const std::string& stem, std::string_view extension) {
    std::error_code error;
    const std::filesystem::path path =
        std::filesystem::path(s.dataDir.empty() ? "." : s.dataDir) / "lpics" / (stem + "." + std::string(extension));
    return std::filesystem::exists(path, error);
}

// A phrase of several words: each word lists its spellings separated by '|', and a word that
// begins with '?' may be left out.
constexpr std::size_t kMaxPhraseWords = 8;
// What becomes of a phrase after the tincture whose picture the charge does not have.
enum class WithoutPicture : std::uint8_t {
    LeftUnread,  // the words stay for the other rules ("chained" alone, "enflamed")
    Told,        // about the neck: the phrase and its tincture are passed over, unread, and told
};
struct PhraseRow {
    std::array<std::string_view, kMaxPhraseWords> words;
    std::string_view picture;  // the variant it asks for (before the tincture) or the name's suffix (after)
    WithoutPicture without = WithoutPicture::LeftUnread;
};

// Before the tincture, phrases that ask for the picture showing the charge so: the man is drawn
// with his arms extended (man.ex), the helmet in profile (helmet.pf), the gauntlet showing its
// back (gauntlet.bk). Each is read only for a charge with no variant yet, where that picture exists.
constexpr PhraseRow kShownSo[] = {
    {{"with", "arms", "extended|outstretched"}, "ex"},
    {{"in", "profile"}, "pf"},
    {{"back|backs", "affrontee|affronty|affronte"}, "bk"},
};

// The suffix of a wreath about the neck: no picture has one, so the phrase is always told.
constexpr std::string_view kNoNeckPicture = "-";

// After the tincture, phrases that add a part drawn in the detail colour of a picture of its own.
constexpr PhraseRow kAddedParts[] = {
    {{"vulning|vulned", "?themselves|herself|itself|himself"}, "v"},
    // About the neck: a ducal coronet and a chain (gc), a collar and a chain (gn), a ducal coronet
    // (gd), a collar (gl); flames rising behind the head (en). The longer phrase first. A coronet
    // about a beast's neck is the ducal one unless it is named otherwise.
    {{"?each", "ducally", "gorged", "and", "chained"}, "gc", WithoutPicture::Told},
    {{"?each", "gorged", "of|with", "?a", "?ducal", "coronet|coronets|crown|crowns", "and", "chained"}, "gc",
     WithoutPicture::Told},
    {{"?each", "gorged", "of|with", "?a", "?plain", "collar|collars", "and", "chained"}, "gn", WithoutPicture::Told},
    {{"?each", "collared|gorged", "and", "chained"}, "gn", WithoutPicture::Told},
    {{"?each", "gorged", "of|with", "?a", "chain|chains"}, "gn", WithoutPicture::Told},
    {{"chained"}, "gn"},
    {{"?each", "ducally", "gorged"}, "gd", WithoutPicture::Told},
    {{"?each", "gorged", "of|with", "?a", "?ducal", "coronet|coronets|crown|crowns"}, "gd", WithoutPicture::Told},
    {{"?each", "gorged", "of|with", "?a", "?plain", "collar|collars"}, "gl", WithoutPicture::Told},
    {{"?each", "gorged", "of|with", "?a", "chaplet|chaplets|wreath|wreaths|garland", "?of",
      "?laurel|oak|roses|ivy|flowers|leaves"},
     kNoNeckPicture, WithoutPicture::Told},
    {{"?each", "collared|gorged"}, "gl", WithoutPicture::Told},
    {{"?the", "?bristles|mane", "enflamed|inflamed"}, "en"},
    {{"?each", "having|with", "a", "snake|serpent", "about|round", "his|her|its|their", "neck|necks"}, "sn"},
};

// How many words of the phrase stand from index i; 0 when it is not there whole.
int MatchPhrase(const DrawingState& s, int i, const PhraseRow& row) {
    int at = i;
    for (std::string_view w : row.words) {
        if (w.empty()) break;
        const bool optional = w.front() == '?';
        if (optional) w.remove_prefix(1);
        if (at < s.wordCount && EqualsOneOfIgnoringCase(s.Word(at), w)) {
            ++at;
        } else if (!optional) {
            return 0;
        }
    }
    return at - i;
}

// The phrase of kShownSo at index i, its length in `length`; nullptr when none is there.
const PhraseRow* ShownSoAt(const DrawingState& s, int i, int* length = nullptr) {
    for (const PhraseRow& row : kShownSo) {
        const int n = MatchPhrase(s, i, row);
        if (n == 0) continue;
        if (length != nullptr) *length = n;
        return &row;
    }
    return nullptr;
}

// Charges whose head picture is drawn down to the shoulders, so that "couped at the shoulders"
// describes it.
bool HeadShowsShoulders(std::string_view name) {
    std::string_view single = name;
    if (!single.empty() && single.back() == 's') single.remove_suffix(1);
    return single == "boy" || single == "man" || single == "men";
}

// "slipped and leaved" before the tincture asks for the slip drawn with its leaves: "sll".
constexpr std::string_view kSlippedAndLeaved = "sll";
bool SlippedAndLeavedAt(const DrawingState& s, int i) {
    return EqualsIgnoringCase(s.Word(i), "slipped") && EqualsIgnoringCase(s.Word(i + 1), "and") &&
           EqualsIgnoringCase(s.Word(i + 2), "leaved");
}

bool IsFesswise(const DrawingState& s, int i) {
    return s.Type(i) == kTypeIgnored && EqualsIgnoringCase(s.Word(i), "fesswise");
}

bool IsPalewise(const DrawingState& s, int i) {
    return s.Type(i) == kTypeIgnored && EqualsIgnoringCase(s.Word(i), "palewise");
}

}  // namespace

QualifiedPicture Qualify(int code, std::string_view name, std::string_view variant) {
    const bool head = variant == kHeadVariant;
    // A head erect (snout upwards) is couped or erased too, whichever word comes first:
    // "erect and erased" and "erased and erect" are both "hs".
    const bool erect = variant == "hr";
    const bool plain = variant.empty();
    auto variantOnly = [&](std::string_view v) { return QualifiedPicture{std::string(name), std::string(v)}; };
    switch (code) {
        case kCouped:
            // The head pictures are drawn couped, so "couped" asks for the head as it is.
            if (head || erect) return variantOnly(variant);
            if (plain) return variantOnly("cp");
            break;
        case kErased:
            if (head) return variantOnly("he");
            if (erect) return variantOnly("hs");
            if (plain) return variantOnly("er");
            break;
        case kCabossed:
            if (head || plain) return variantOnly("hc");
            break;
        case kHauriant:
            if (plain) return variantOnly("ha");
            break;
        case kNaiant:
            if (plain) return variantOnly("na");
            break;
        case kEmbowed:
            // "naiant embowed": a dolphin swimming is drawn bent.
            if (plain || variant == "na") return variantOnly("em");
            break;
        case kReguardant:
            // After the attitude digits: "rampant reguardant" is "1r". A head has no body to
            // look back over.
            if (!head && variant.size() < kMaxVariantChars) return variantOnly(std::string(variant) + "r");
            break;
        case kErect:
            // A charge drawn erect (rising upright, as the sea-dragon is) names its drawing "et".
            if (plain) return variantOnly("et");
            if (head) return variantOnly("hr");
            if (variant == "he") return variantOnly("hs");
            break;
        case kEradicated:
            if (plain) return variantOnly("ra");
            // "a tree blasted and eradicated": after the variant digit, "5ra".
            if (!head && !erect && variant.size() + 2 <= kMaxVariantChars &&
                std::all_of(variant.begin(), variant.end(), [](char c) { return c >= '0' && c <= '9'; }))
                return variantOnly(std::string(variant) + "ra");
            break;
        case kSlipped:
            if (plain) return variantOnly("sl");
            break;
        case kTripleTowered:
            if (plain) return variantOnly("tt");
            break;
        case kFesswise:
            if (plain) return variantOnly("fw");
            break;
        case kTergiant:
            // Creatures drawn from above name it: "tg", after the attitude digits ("fly.4tg").
            if (plain) return variantOnly("tg");
            if (!head && !erect && variant != "he" && variant.size() + 2 <= kMaxVariantChars)
                return variantOnly(std::string(variant) + "tg");
            break;
        case kAffronty:
            // Read as it stands where the picture faces the viewer (the owl, the skull, the man):
            // "af", after the attitude digits as "pw" is.
            if (!head && !erect && variant != "he" && variant.size() + 2 <= kMaxVariantChars)
                return variantOnly(std::string(variant) + "af");
            break;
        case kPalewise:
            // Read only where the picture (in its attitude, "bent" for a bow) is drawn palewise and
            // says so by a name of its own: "skene.pw", "bow.2pw".
            if (!head && variant.size() + 2 <= kMaxVariantChars) return variantOnly(std::string(variant) + "pw");
            break;
        case kDoubleQueued: {
            // Of the charge, not of its plural: "two lions double-queued" are "liondn".
            std::string_view single = name;
            if (!single.empty() && single.back() == 's') single.remove_suffix(1);
            return QualifiedPicture{std::string(single) + "dn", std::string(variant)};
        }
        default:
            break;
    }
    return {};
}

bool PictureExists(const DrawingState& s, std::string_view name, std::string_view variant) {
    std::string base(name);
    if (!base.empty() && base.back() == 's') base.pop_back();
    const std::string stem = ToLower(std::string_view(base).substr(0, kFileStemChars));
    const std::string_view extension = variant.empty() ? std::string_view("esv") : variant;
    std::string first = stem;
    ReplaceAll(first, "cross", "cros");
    if (!ContainsIgnoringCase(first, "cros") && !first.empty() && first.back() == 's') first.pop_back();
    std::string second = stem;
    ReplaceAll(second, "ve", "f");
    return FileExists(s, first, extension) || FileExists(s, second, extension);
}

bool IsQualifier(const DrawingState& s, int i) {
    return (s.Type(i) == kTypeAttitude && s.Sub1(i) == kAnyCharge) ||
           (s.Type(i) == kTypeDetail && (EqualsIgnoringCase(s.Word(i), "slipped") || s.Sub1(i) == kOwnPicture)) ||
           IsFesswise(s, i) || IsPalewise(s, i) || IsAffronty(s, i) || IsTergiant(s, i) || ShownSoAt(s, i) != nullptr;
}

int WordsOfTheCut(const DrawingState& s, int i) {
    // The hand is drawn cut at the wrist; no other picture names where it is cut.
    const bool couped = s.Type(i) == kTypeAttitude && s.Sub2(i) == kCouped;
    const bool hand = s.level >= 0 && s.level < kMaxLevels &&
                      s.levels[static_cast<std::size_t>(s.level)].levelVariant.view() == "cp";
    if (couped && hand && EqualsIgnoringCase(s.Word(i + 1), "at") && EqualsIgnoringCase(s.Word(i + 2), "the") &&
        EqualsIgnoringCase(s.Word(i + 3), "wrist"))
        return 3;
    const bool head = s.level >= 0 && s.level < kMaxLevels &&
                      s.levels[static_cast<std::size_t>(s.level)].levelVariant.view() == kHeadVariant;
    if (couped && head && HeadShowsShoulders(s.levels[static_cast<std::size_t>(s.level)].levelName.view()) &&
        EqualsIgnoringCase(s.Word(i + 1), "at") && EqualsIgnoringCase(s.Word(i + 2), "the") &&
        EqualsOneOfIgnoringCase(s.Word(i + 3), "shoulders|shoulder"))
        return 3;
    const bool leaved = s.level >= 0 && s.level < kMaxLevels &&
                        s.levels[static_cast<std::size_t>(s.level)].levelVariant.view() == kSlippedAndLeaved;
    if (leaved && SlippedAndLeavedAt(s, i)) return 2;
    int length = 0;
    if (ShownSoAt(s, i, &length) != nullptr) return length - 1;
    return 0;
}

bool ApplyQualifier(DrawingState& s, int i) {
    LevelRecord& level = Current(s);
    if (s.Type(i) == kTypeDetail && s.Sub1(i) == kOwnPicture) {
        // "three stirrups leathered or": the part is drawn in the picture of its own and takes the
        // charge's tincture, the detail's when none is blazoned.
        std::string named(level.levelName.view());
        if (!named.empty() && named.back() == 's') named.pop_back();
        named += ToLower(s.Word(i).substr(0, 1));
        if (!PictureExists(s, named, level.levelVariant.view())) return false;
        level.levelName.Assign(named);
        return true;
    }
    if (const PhraseRow* row = ShownSoAt(s, i); row != nullptr) {
        if (!level.levelVariant.view().empty() || !PictureExists(s, level.levelName.view(), row->picture)) return false;
        level.levelVariant.Assign(row->picture);
        return true;
    }
    const int code = s.Type(i) == kTypeDetail ? kSlipped
                     : IsFesswise(s, i)       ? kFesswise
                     : IsPalewise(s, i)       ? kPalewise
                     : IsAffronty(s, i)       ? kAffronty
                     : IsTergiant(s, i)       ? kTergiant
                                              : s.Sub2(i);
    if (code == kSlipped && level.levelVariant.view().empty() && SlippedAndLeavedAt(s, i) &&
        PictureExists(s, level.levelName.view(), kSlippedAndLeaved)) {
        // "five apples slipped and leaved or": the slip drawn with its leaf, a picture of its own.
        level.levelVariant.Assign(kSlippedAndLeaved);
        return true;
    }
    const QualifiedPicture picture = Qualify(code, level.levelName.view(), level.levelVariant.view());
    if (picture.name.empty() || !PictureExists(s, picture.name, picture.variant)) return false;
    level.levelName.Assign(picture.name);
    level.levelVariant.Assign(picture.variant);
    return true;
}

bool AttitudeDrawn(const DrawingState& s, int i) {
    if (s.level < 0 || s.level >= kMaxLevels) return false;
    const LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    std::string variant(level.levelVariant.view());
    const int owner = s.Sub1(i);
    for (int k = i; k < s.wordCount;) {
        if (variant.size() < kMaxVariantChars) variant += VariantText(s.Sub2(k));
        if (PictureExists(s, level.levelName.view(), variant)) return true;
        // The next attitude word of the same family, "and" allowed between.
        int next = k + 1;
        if (EqualsIgnoringCase(s.Word(next), "and")) ++next;
        if (s.Type(next) != kTypeAttitude || s.Sub1(next) != owner) return false;
        k = next;
    }
    return false;
}

bool ReadWithTwoHeads(DrawingState& s) {
    // "with two heads", or "double-headed" written after the charge ("an eagle double-headed").
    const int words = Is(s, 1, "with") && Is(s, 2, "two") && Is(s, 3, "heads") ? 3 : Is(s, 1, "twoheaded") ? 1 : 0;
    if (words == 0) return false;
    LevelRecord& level = Current(s);
    const std::string name(level.levelName.view());
    // The prefix letter goes after a demi's: a demi-eagle double-headed is dteagle.
    std::string twoHeaded = "t" + name;
    if (name.size() > 1 && name[0] == 'd' && PictureExists(s, "dt" + name.substr(1), level.levelVariant.view()))
        twoHeaded = "dt" + name.substr(1);
    if (!PictureExists(s, twoHeaded, level.levelVariant.view())) return false;
    level.levelName.Assign(twoHeaded);
    for (int k = 1; k <= words; ++k) Use(s, k);
    s.cursor += words;
    ReadAttitudes(s);  // "an eagle with two heads displayed"
    ++s.cursor;
    return true;
}

std::string AddedPartPicture(std::string_view name, std::string_view suffix) {
    std::string single(name);
    if (!single.empty() && single.back() == 's') single.pop_back();
    // The suffix stays whole within the file's stem: a greyhound collared is "greyhogl", since
    // "greyhoundgl" cut to the stem would name the greyhound without its collar.
    const std::size_t keep = suffix.size() < kFileStemChars ? kFileStemChars - suffix.size() : 0;
    return single.substr(0, keep) + std::string(suffix);
}

namespace {

// The words from `from` to `to` as one text, for a message.
std::string PhraseWordsSaid(const DrawingState& s, int from, int to) {
    std::string said;
    for (int k = from; k <= to; ++k) {
        if (!said.empty()) said += ' ';
        said += s.Word(k);
    }
    return said;
}

}  // namespace

bool ReadDetailPhrase(DrawingState& s) {
    for (const PhraseRow& row : kAddedParts) {
        const int length = MatchPhrase(s, s.cursor + 1, row);
        if (length == 0) continue;
        const int tinctureAt = s.cursor + 1 + length;
        if (s.Type(tinctureAt) != kTypeTincture) return false;
        LevelRecord& level = Current(s);
        const std::string named = AddedPartPicture(level.levelName.view(), row.picture);
        if (row.picture == kNoNeckPicture || !PictureExists(s, named, level.levelVariant.view())) {
            if (row.without == WithoutPicture::LeftUnread) return false;
            // The charge is drawn without the part: its words stay unread (the drawing is not
            // clean) and are passed over, so that "a ducal coronet or" is not read as a charge.
            // Built by appending: the same sum with a literal first trips a false overlap warning
            // of the string library when inlined.
            std::string said = "\"";
            said += PhraseWordsSaid(s, s.cursor + 1, tinctureAt);
            said += "\" is not drawn: no picture of the ";
            said += level.levelName.str();
            said += " here shows it, and it is drawn without.";
            s.messages.Show(said);
            s.cursor = tinctureAt;
            return true;
        }
        level.levelName.Assign(named);
        s.detailTincture = s.Sub1(tinctureAt);
        for (int k = s.cursor + 1; k <= tinctureAt; ++k) s.UseWord(k);
        s.cursor = tinctureAt;
        return true;
    }
    return false;
}

}  // namespace esc::phrase
