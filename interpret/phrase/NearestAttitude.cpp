// The nearest attitude drawn for one no picture has ("a boar sejant" drawn couchant, "a lion
// affronty" guardant), told; and the words "affronty" and "tergiant".

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

// "affronty" (affrontee, affronte): the charge turned to face the viewer. No picture is drawn so;
// the nearest is read in its place and told (ReadNearestAttitude).
bool IsAffronty(const DrawingState& s, int i) {
    return s.Type(i) == kTypeIgnored && EqualsOneOfIgnoringCase(s.Word(i), "affronty|affrontee|affronte");
}

// "tergiant": the back turned to the viewer, as the tortoise is drawn ("tg"); a bird with no
// picture so is drawn displayed, and told.
bool IsTergiant(const DrawingState& s, int i) {
    return s.Type(i) == kTypeIgnored && EqualsIgnoringCase(s.Word(i), "tergiant");
}

namespace {

// The attitudes a charge is drawn in when it has no picture in the one blazoned, nearest first:
// a beast statant is drawn passant, one sejant couchant, a bird rising displayed.
struct Attitude {
    int code;
    std::string_view name;
};
struct NearAttitudes {
    int owner, code;
    std::array<Attitude, 2> nearest;
};
constexpr int kBeast = kTypeCharge, kBird = kTypeFirstOtherCharge;
constexpr std::array<NearAttitudes, 12> kNearAttitudes = {{
    {kBeast, 1, {{{7, "salient"}, {3, "passant"}}}},   // rampant
    {kBeast, 3, {{{4, "statant"}, {1, "rampant"}}}},   // passant
    {kBeast, 4, {{{3, "passant"}, {1, "rampant"}}}},   // statant
    {kBeast, 5, {{{6, "couchant"}, {3, "passant"}}}},  // sejant
    {kBeast, 6, {{{5, "sejant"}, {3, "passant"}}}},    // couchant
    {kBeast, 7, {{{1, "rampant"}, {3, "passant"}}}},   // salient, courant
    {kBird, 1, {{{2, "rising"}, {4, "volant"}}}},      // displayed
    {kBird, 2, {{{1, "displayed"}, {3, "close"}}}},    // rising
    {kBird, 3, {{{2, "rising"}, {1, "displayed"}}}},   // close
    {kBird, 4, {{{1, "displayed"}, {2, "rising"}}}},   // volant
    {kBird, 6, {{{4, "volant"}, {1, "displayed"}}}},   // stooping
    {kBird, 7, {{{4, "volant"}, {1, "displayed"}}}},   // migrant: volant to chief
}};
// Attitude words that only turn the head or the tail of the attitude already read (guardant,
// coward): without a picture the charge keeps that attitude.
constexpr int kGuardantCode = 2, kCowardCode = 0, kBirdDisplayedCode = 1;

// "{}" stands for the charge and the attitude word blazoned ("bear statant"), then the attitude
// drawn instead ("passant"), or "without it" for a turn of the head or tail with no picture.
constexpr std::string_view kNearestAttitude = "No picture of the {}: it is drawn {}.";

std::string Filled(std::string_view text, std::initializer_list<std::string_view> parts) {
    std::string out;
    auto part = parts.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "{}") == 0 && part != parts.end()) {
            out += *part++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// What a head's picture drawn affronty, its neck shown, adds to the head's variant: "hda"
// couped, "hea" erased.
constexpr std::string_view kAffrontyHeadMark = "a";

// "affronty" after a head or an attitude: no picture faces the viewer whole. A head is drawn
// affronty where its picture is, else cabossed (full-faced, without the neck) where that exists, a beast in its attitude
// guardant, anything else as its attitude says; each is told. With no head or attitude before
// it the word is left unread.
bool ReadAffronty(DrawingState& s, LevelRecord& level, std::string said, std::string_view word, bool afterAttitude) {
    const std::string name(level.levelName.view());
    const std::string variant(level.levelVariant.view());
    const bool head = variant == kHeadVariant || variant == "he";
    if (head) {
        // "a moose's head": the name keeps the possessive's "s".
        std::string_view single = name;
        if (!single.empty() && single.back() == 's') single.remove_suffix(1);
        said = std::string(single) + " head " + std::string(word);
    }
    // A head drawn affronty with its neck, couped or erased ("a moose's head erased affronty"):
    // the head's variant with "a" added, drawn as written.
    if (const std::string facing = variant + std::string(kAffrontyHeadMark); head && PictureExists(s, name, facing)) {
        level.levelVariant.Assign(facing);
        return true;
    }
    if (head && PictureExists(s, name, "hc")) {
        level.levelVariant.Assign("hc");
        s.messages.Show(Filled(kNearestAttitude, {said, "cabossed"}));
        return true;
    }
    if (!afterAttitude) return false;
    const bool digits =
        !variant.empty() && std::all_of(variant.begin(), variant.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (s.attitudeOwner == kBeast && digits && variant.find('2') == std::string::npos &&
        PictureExists(s, name, variant + VariantText(kGuardantCode))) {
        AppendDigits(level.levelVariant, kGuardantCode);
        s.messages.Show(Filled(kNearestAttitude, {said, "guardant"}));
        return true;
    }
    s.messages.Show(Filled(kNearestAttitude, {said, "without it"}));
    return true;
}

}  // namespace

bool ReadBeastErect(DrawingState& s) {
    if (!EqualsIgnoringCase(s.Word(s.cursor), "erect") || s.level < 0 || s.level >= kMaxLevels) return false;
    LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    const std::string name(level.levelName.view());
    const std::string variant(level.levelVariant.view());
    const bool oneAttitude = variant.size() == 1 && variant[0] >= '2' && variant[0] <= '9';
    if (level.levelKind != kBeast || s.attitudeOwner != kBeast || !oneAttitude || s.Type(s.cursor - 1) != kTypeAttitude)
        return false;
    // "a bear statant erect", "a lion sejant erect": reared up on the hind legs, which no picture
    // shows. Standing or walking so is nearest the beast rampant; sitting or lying so, its attitude.
    const std::string said = name + " " + std::string(s.Word(s.cursor - 1)) + " erect";
    const int code = variant[0] - '0';
    constexpr int kRampantCode = 1, kSejantCode = 5, kCouchantCode = 6;
    if (code != kSejantCode && code != kCouchantCode && PictureExists(s, name, VariantText(kRampantCode))) {
        level.levelVariant.Assign(VariantText(kRampantCode));
        s.messages.Show(Filled(kNearestAttitude, {said, "rampant"}));
    } else {
        s.messages.Show(Filled(kNearestAttitude, {said, std::string(s.Word(s.cursor - 1))}));
    }
    s.UseWord(s.cursor);
    return true;
}

bool GuardantWithoutForm(const DrawingState& s, int i) {
    return s.Type(i) == kTypeAttitude && s.Sub1(i) == kBeast && s.Sub2(i) == kGuardantCode &&
           IsOtherChargeWord(s.attitudeOwner) && s.level >= 0 && s.level < kMaxLevels &&
           !s.levels[static_cast<std::size_t>(s.level)].levelName.view().empty();
}

bool ReadNearestAttitude(DrawingState& s, int i, bool afterAttitude) {
    if (s.level < 0 || s.level >= kMaxLevels) return false;
    LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    const std::string name(level.levelName.view());
    const std::string said = name + " " + std::string(s.Word(i));
    // An attitude read before a turning word ("couchant contourny guardant") counts too.
    afterAttitude = afterAttitude || !level.levelVariant.view().empty();
    if (IsAffronty(s, i)) return ReadAffronty(s, level, said, s.Word(i), afterAttitude);
    if (IsTergiant(s, i)) {
        // A bird seen from behind spreads its wings as one displayed; after an attitude the
        // charge keeps it.
        const bool plain = level.levelVariant.view().empty();
        if (plain && s.attitudeOwner == kBird && PictureExists(s, name, VariantText(kBirdDisplayedCode))) {
            AppendDigits(level.levelVariant, kBirdDisplayedCode);
            s.messages.Show(Filled(kNearestAttitude, {said, "displayed"}));
            return true;
        }
        if (!afterAttitude) return false;
        s.messages.Show(Filled(kNearestAttitude, {said, "without it"}));
        return true;
    }
    if (IsQualifier(s, i)) {
        // "passant reguardant" with no picture looking back: drawn as the attitude says.
        if (!afterAttitude || s.Sub2(i) != kReguardant) return false;
        s.messages.Show(Filled(kNearestAttitude, {said, "without it"}));
        return true;
    }
    const int owner = s.Sub1(i), code = s.Sub2(i);
    if (GuardantWithoutForm(s, i)) {
        // A bird guardant shows its face: the picture of a bird that faces the viewer in its
        // attitude (the owl) is read for it.
        const std::string facing = std::string(level.levelVariant.view()) + "af";
        if (PictureExists(s, name, facing)) {
            level.levelVariant.Assign(facing);
            return true;
        }
    }
    if (GuardantWithoutForm(s, i) ||
        (afterAttitude && owner == kBeast && (code == kGuardantCode || code == kCowardCode))) {
        s.messages.Show(Filled(kNearestAttitude, {said, "without it"}));
        return true;
    }
    for (const NearAttitudes& row : kNearAttitudes) {
        if (row.owner != owner || row.code != code) continue;
        for (const Attitude& near : row.nearest) {
            if (!PictureExists(s, name, std::string(level.levelVariant.view()) + VariantText(near.code))) continue;
            AppendDigits(level.levelVariant, near.code);
            s.messages.Show(Filled(kNearestAttitude, {said, near.name}));
            return true;
        }
    }
    return false;
}

}  // namespace esc::phrase
