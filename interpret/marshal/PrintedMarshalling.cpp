#include "interpret/marshal/PrintedMarshalling.h"

#include <algorithm>
#include <array>
#include <vector>

#include "interpret/marshal/Marshalling.h"
#include "interpret/marshal/PrintedWords.h"
#include "interpret/read/TextOps.h"

namespace esc {
using namespace printed;
namespace {

// Quarters read so far: which are named, and which the text means to have.
struct Covered {
    int count = 0;     // written ("quarterly of six"), or 0
    int limit = 16;    // the highest quarter a label may name
    unsigned named = 0;

    int Lowest() const {
        int lowest = 1;
        while (lowest <= kMaxQuarters && (named & (1u << lowest)) != 0) ++lowest;
        return lowest;
    }
    // A label names the lowest quarter not yet named and none named before ("Azure, 3 mullets"
    // inside the second quarter's part is not a third label).
    bool Accepts(const Label& l) const {
        for (const int q : l.quarters)
            if (q > limit || (named & (1u << q)) != 0) return false;
        return *std::min_element(l.quarters.begin(), l.quarters.end()) == Lowest();
    }
    int Highest() const {
        int highest = 0;
        for (int q = 1; q <= kMaxQuarters; ++q)
            if ((named & (1u << q)) != 0) highest = q;
        return highest;
    }
    // Every quarter from 1 to the count is named; with no count written, at least four quarters
    // ("Quarterly 1 Or, 2 Gules, 4 Azure" names two quarters of four).
    bool Complete() const {
        const int n = count != 0 ? count : Highest();
        return n >= (count != 0 ? 2 : 4) && named == ((2u << n) - 2u);
    }
};

struct Quarters {
    int count = 0;
    std::vector<std::pair<std::vector<int>, std::string>> parts;  // quarters and text, as written
    std::size_t end = 0;                                          // the token reading stopped at
    std::string overAll;  // "..., all within a bordure vert": what lies over all the quarters
};

// Where a charge or ordinary over all the quarters begins ("all within a bordure vert", "the
// whole within a bordure", "over all a bend sable"): the token its own text begins at.
// How strongly a punctuation mark parts what stands on either side of it.
int Strength(char after) {
    if (after == ';' || after == '.' || after == ':') return 2;
    return after == 0 ? 0 : 1;
}

// "All within" and "over all" lie over all the quarters only when they are parted from the last
// quarter at least as strongly as that quarter from the one before ("...; 6. A; all within a
// bordure": the whole shield's; "...; 6. A, all within a bordure": the sixth quarter's own).
std::optional<std::size_t> OverAllAt(const std::vector<Token>& tokens, std::size_t k, char lastLabelAfter) {
    if (!tokens[k].atPartStart) return std::nullopt;
    if (Is(tokens, k, "the") && Is(tokens, k + 1, "whole") && Is(tokens, k + 2, "within")) return k + 3;
    if (Strength(tokens[k].after) < Strength(lastLabelAfter)) return std::nullopt;
    if (Is(tokens, k, "all") && Is(tokens, k + 1, "within")) return k + 2;
    std::size_t j = k;
    if (Is(tokens, j, "and")) ++j;
    if (Is(tokens, j, "over") && Is(tokens, j + 1, "all")) return j + 2 < tokens.size() ? std::optional(j + 2) : std::nullopt;
    if (Is(tokens, j, "overall")) return j + 1 < tokens.size() ? std::optional(j + 1) : std::nullopt;
    return std::nullopt;
}

// The words that may open a grand quarter's own quarters.
std::optional<std::size_t> QuarteredOpening(const std::vector<Token>& tokens, std::size_t j) {
    if (Is(tokens, j, "grand") && (Is(tokens, j + 1, "quarters") || Is(tokens, j + 1, "quarter"))) j += 2;
    if (Is(tokens, j, "quarterly") || Is(tokens, j, "counter-quartered") || Is(tokens, j, "counterquartered") ||
        Is(tokens, j, "quartered"))
        return j + 1;
    return std::nullopt;
}

// The quarters of a text from the label at token `at` on. A grand quarter ("1 and 4, grand
// quarters, quarterly i and iv A, ii and iii B; 2 and 3 C") is read as quarters of its own,
// which end once they are complete and the next label is one of the outer quarters.
std::optional<Quarters> ReadQuarters(std::string_view text, const std::vector<Token>& tokens, std::size_t at,
                                     Covered covered, const Covered* outer, int depth) {
    std::optional<Label> current = LabelAt(tokens, at, covered.count);
    if (!current || !covered.Accepts(*current)) return std::nullopt;
    Quarters out;
    for (;;) {
        const Label l = *current;
        for (const int q : l.quarters) covered.named |= 1u << q;
        std::string partText;
        std::size_t k = l.next;
        std::optional<Quarters> grand;
        if (depth == 0) {
            if (const std::optional<std::size_t> opening = QuarteredOpening(tokens, l.next)) {
                std::size_t first = *opening;
                Covered inner;
                inner.limit = 4;
                if (Is(tokens, first, "of") && CountWord(first + 1 < tokens.size() ? tokens[first + 1].text : "") > 0) {
                    inner.count = inner.limit = CountWord(tokens[first + 1].text);
                    first += 2;
                }
                grand = ReadQuarters(text, tokens, first, inner, &covered, depth + 1);
            }
        }
        if (grand) {
            k = grand->end;
            std::string form = "(Quarterly of " + std::to_string(grand->count);
            for (const auto& [quarters, t] : grand->parts) {
                form += ' ';
                form += LabelText(quarters) + ": " + t;
            }
            partText = form + ")";
        }
        // The part runs to the next label that may begin one.
        std::optional<Label> next;
        bool outerNext = false;
        std::optional<std::size_t> overAll;
        for (; k < tokens.size(); ++k) {
            if (!tokens[k].atPartStart) continue;
            // Over all the quarters: only after the last of them.
            if (depth == 0 && covered.Complete()) {
                overAll = OverAllAt(tokens, k, tokens[l.at].after);
                if (overAll) break;
            }
            next = LabelAt(tokens, k, covered.count);
            if (next && covered.Accepts(*next)) break;
            if (outer && covered.Complete()) {
                std::optional<Label> o = LabelAt(tokens, k, outer->count);
                if (o && outer->Accepts(*o)) {
                    outerNext = true;
                    next.reset();
                    break;
                }
            }
            next.reset();
        }
        const std::size_t from = l.next < tokens.size() ? tokens[l.next].start : text.size();
        const std::size_t to = k < tokens.size() ? tokens[k].start : text.size();
        if (!grand) partText = std::string(WithoutAttribution(Trimmed(text, from, to)));
        std::sort(current->quarters.begin(), current->quarters.end());
        out.parts.emplace_back(current->quarters, partText);
        if (overAll) {
            out.overAll = WithoutAttribution(Trimmed(text, tokens[*overAll].start, text.size()));
            if (out.overAll.empty()) return std::nullopt;
            out.end = tokens.size();
            break;
        }
        if (!next || outerNext) {
            out.end = k;
            break;
        }
        current = next;
    }
    if (!covered.Complete()) return std::nullopt;
    out.count = covered.count != 0 ? covered.count : covered.Highest();
    return out;
}

// Labels the marshalling reader's four-quarter form has: "1", "2", "3", "4", "1&4", "2&3".
bool FourQuarterLabel(const std::vector<int>& q) {
    return q.size() == 1 || (q.size() == 2 && ((q[0] == 1 && q[1] == 4) || (q[0] == 2 && q[1] == 3)));
}

// How a quartered text may open: with "Quarterly" (or a first label that says "quarters"), or,
// for an impaled half or an escutcheon, also with a label of more than one quarter ("1 and 4,
// ...; 2 and 3, ...").
enum class Opening { Quarterly, AnyLabel };

std::optional<std::string> Quartered(std::string_view text, const std::vector<Token>& tokens,
                                     Opening opening = Opening::Quarterly) {
    std::size_t at = 0;
    Covered covered;
    if (Is(tokens, 0, "per") && Is(tokens, 1, "quarterly")) at = 2;
    else if (Is(tokens, 0, "quarterly")) at = 1;
    if (at > 0 && Is(tokens, at, "of") && at + 1 < tokens.size() && CountWord(tokens[at + 1].text) > 0) {
        covered.count = covered.limit = CountWord(tokens[at + 1].text);
        at += 2;
        // "quarterly of nine coats", "quarterly of six quarterings"
        if (Is(tokens, at, "coats") || Is(tokens, at, "quarters") || Is(tokens, at, "quarterings") ||
            Is(tokens, at, "pieces"))
            ++at;
    }
    // The label after "Quarterly" begins the first part whatever stands between them; with no
    // "Quarterly" the first label must say "quarters".
    const std::optional<Label> first = LabelAt(tokens, at, covered.count);
    if (!first || (at == 0 && !first->saysQuarters &&
                   !(opening == Opening::AnyLabel && first->quarters.size() > 1)))
        return std::nullopt;
    const std::optional<Quarters> read = ReadQuarters(text, tokens, at, covered, nullptr, 0);
    if (!read || read->parts.size() < 2) return std::nullopt;
    const bool fourQuarterForm =
        read->count == 4 && read->overAll.empty() && std::all_of(read->parts.begin(), read->parts.end(), [](const auto& p) {
            return FourQuarterLabel(p.first);
        });
    std::string out = fourQuarterForm ? "Quarterly" : "Quarterly of " + std::to_string(read->count);
    for (const auto& [quarters, part] : read->parts) {
        out += ' ';
        out += LabelText(quarters) + ": " + part;
    }
    if (!read->overAll.empty()) out += " overall: " + read->overAll;
    return out;
}

// The halves of impaled arms, each as it is written.
struct Halves {
    std::string_view dexter, sinister;
};

// "Per pale I A; II B", "Per pale, dexter, A, sinister B": a field per pale whose halves are
// numbered or named, each blazoned as a coat of its own, is read as impaled arms are (the driver
// draws such a text as a field parted first, each half a field of its own). The second half's
// word opens a part (after punctuation or a closing bracket).
std::optional<Halves> NumberedHalves(std::string_view text, const std::vector<Token>& tokens) {
    if (!Is(tokens, 0, "per") || !Is(tokens, 1, "pale") || !(Is(tokens, 2, "i") || Is(tokens, 2, "dexter"))) return std::nullopt;
    const std::string_view second = Is(tokens, 2, "i") ? "ii" : "sinister";
    for (std::size_t i = 3; i < tokens.size(); ++i) {
        if (!Is(tokens, i, second)) continue;
        const std::size_t before = text.find_last_not_of(' ', tokens[i].start == 0 ? 0 : tokens[i].start - 1);
        if (!tokens[i].atPartStart && !(before != std::string_view::npos && text[before] == ')')) continue;
        const Halves halves{Trimmed(text, tokens[2].end, tokens[i].start), Trimmed(text, tokens[i].end, text.size())};
        if (halves.dexter.empty() || halves.sinister.empty()) return std::nullopt;
        return halves;
    }
    return std::nullopt;
}

std::optional<Halves> Impaled(std::string_view text, const std::vector<Token>& tokens) {
    std::size_t dexterEnd = 0, sinisterStart = 0;
    bool found = false;
    if (std::optional<Halves> numbered = NumberedHalves(text, tokens)) return numbered;
    if (Is(tokens, 0, "per") && Is(tokens, 1, "pale") && Is(tokens, 2, "baron") && Is(tokens, 3, "and") &&
        Is(tokens, 4, "femme")) {
        // "Per pale baron and femme, A; B": the halves part at the first semicolon.
        const std::size_t from = tokens.size() > 5 ? tokens[5].start : text.size();
        const std::size_t semicolon = text.find(';', from);
        if (semicolon == std::string_view::npos) return std::nullopt;
        const Halves halves{Trimmed(text, from, semicolon), Trimmed(text, semicolon, text.size())};
        if (halves.dexter.empty() || halves.sinister.empty()) return std::nullopt;
        return halves;
    }
    for (std::size_t i = 1; i < tokens.size() && !found; ++i) {
        if (Is(tokens, i, "impaling")) {
            // "impaling:" is the reader's own form.
            if (tokens[i].end < text.size() && text[tokens[i].end] == ':') return std::nullopt;
            dexterEnd = tokens[i].start;
            sinisterStart = tokens[i].end;
            found = true;
        } else if (Is(tokens, i, "impaled") && Is(tokens, i + 1, "with")) {
            dexterEnd = tokens[i].start;
            sinisterStart = tokens[i + 1].end;
            found = true;
        }
    }
    if (!found) return std::nullopt;
    const Halves halves{Trimmed(text, 0, dexterEnd), Trimmed(text, sinisterStart, text.size())};
    if (halves.dexter.empty() || halves.sinister.empty()) return std::nullopt;
    return halves;
}

// An impaled half that is quartered arms is read as such, in brackets.
// An impaled half or an escutcheon that armorials describe before they blazon it ("the arms of
// his first wife, viz.: quarterly, ...") is the blazon after "viz.".
std::string_view WithoutLeadIn(std::string_view text) {
    const std::vector<Token> tokens = Tokens(text);
    if (!Is(tokens, 0, "the") || !Is(tokens, 1, "arms")) return text;
    for (std::size_t i = 2; i < tokens.size(); ++i)
        if (Is(tokens, i, "viz") || Is(tokens, i, "videlicet"))
            return i + 1 < tokens.size() ? Trimmed(text, tokens[i].end, text.size()) : text;
    return text;
}

// An impaled half, or an escutcheon, that is quartered arms is read as such, in brackets.
std::string Half(std::string_view half) {
    half = WithoutLeadIn(half);
    if (std::optional<std::string> q = Quartered(half, Tokens(half), Opening::AnyLabel)) return "(" + *q + ")";
    return std::string(WithoutAttribution(half));
}

// Where an escutcheon over all begins: "over all an escutcheon of X", "over all by way of
// surtout, an escutcheon X", "and upon an escutcheon of pretence X", "an inescutcheon of pretence
// X". `text` is the token its own text begins at.
struct Escutcheon {
    std::size_t text = 0;
    bool ofPretence = false;  // "of pretence" or "surtout": marshalling even over single arms
};

std::optional<Escutcheon> EscutcheonAt(const std::vector<Token>& tokens, std::size_t k) {
    std::size_t j = k;
    bool overAll = false, pretence = false;
    if (Is(tokens, j, "and")) ++j;
    if (Is(tokens, j, "over") && Is(tokens, j + 1, "all")) {
        j += 2;
        overAll = true;
    } else if (Is(tokens, j, "overall")) {
        ++j;
        overAll = true;
    } else if (Is(tokens, j, "surmounted") && Is(tokens, j + 1, "by")) {
        j += 2;
        overAll = true;
    } else if ((Is(tokens, j, "on") || Is(tokens, j, "upon")) && Is(tokens, j + 1, "the") && Is(tokens, j + 2, "whole")) {
        j += 3;
        overAll = true;
    } else if (Is(tokens, j, "en") && Is(tokens, j + 1, "surtout")) {
        j += 2;
        pretence = true;
    }
    if (Is(tokens, j, "by") && Is(tokens, j + 1, "way") && Is(tokens, j + 2, "of") && Is(tokens, j + 3, "surtout")) {
        j += 4;
        pretence = true;
    }
    if (Is(tokens, j, "on") || Is(tokens, j, "upon")) ++j;
    if (Is(tokens, j, "an") || Is(tokens, j, "a")) ++j;
    if (!Is(tokens, j, "escutcheon") && !Is(tokens, j, "inescutcheon")) return std::nullopt;
    ++j;
    if (Is(tokens, j, "of") && (Is(tokens, j + 1, "pretence") || Is(tokens, j + 1, "pretense"))) {
        j += 2;
        pretence = true;
    } else if (Is(tokens, j, "of") && (overAll || pretence)) {
        ++j;
    }
    if (!overAll && !pretence) return std::nullopt;
    // An escutcheon "over all" is read as such only where a part may begin.
    if (!pretence && !tokens[k].atPartStart) return std::nullopt;
    if (j >= tokens.size()) return std::nullopt;
    return Escutcheon{j, pretence};
}

// "A quartering B": A in the first and fourth quarters, B in the second and third.
std::optional<std::string> Quartering(std::string_view text, const std::vector<Token>& tokens) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        if (!Is(tokens, i, "quartering")) continue;
        const std::string_view first = Trimmed(text, 0, tokens[i].start);
        const std::string_view second = Trimmed(text, tokens[i].end, text.size());
        if (first.empty() || second.empty()) return std::nullopt;
        return "Quarterly 1&4: " + std::string(first) + " 2&3: " + std::string(second);
    }
    return std::nullopt;
}

// The text without its escutcheon, read as marshalled arms.
std::optional<std::string> ReadBody(std::string_view text) {
    const std::vector<Token> tokens = Tokens(text);
    if (tokens.empty()) return std::nullopt;
    const bool impaled = ContainsIgnoringCase(text, "impal") || ContainsIgnoringCase(text, "baron and femme") ||
                         NumberedHalves(text, tokens).has_value();
    if (impaled) {
        // Either half may be quartered arms ("Quarterly, 1 and 4 A; 2 and 3 B; impaling C"). A
        // half that says "quarterly" and is not quartered arms (an impaled quarter, a label not
        // read), and impaled arms of which a half is quartering another coat, are left to the
        // reader.
        const std::optional<Halves> halves = Impaled(text, tokens);
        if (!halves) return std::nullopt;
        std::string read[2];
        const std::string_view written[2] = {halves->dexter, halves->sinister};
        for (int h = 0; h < 2; ++h) {
            if (ContainsIgnoringCase(written[h], "quartering")) return std::nullopt;
            read[h] = Half(written[h]);
            if (read[h].front() != '(' && ContainsIgnoringCase(written[h], "quarterly")) return std::nullopt;
        }
        return read[0] + " impaling: " + read[1];
    }
    if (std::optional<std::string> q = Quartered(text, tokens)) return q;
    // Quartered arms with labels not read are left to the reader.
    if (ContainsIgnoringCase(text, "quarterly")) return std::nullopt;
    if (ContainsIgnoringCase(text, "quartering")) return Quartering(text, tokens);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadPrintedMarshalling(std::string_view text) {
    const std::vector<Token> tokens = Tokens(text);
    if (tokens.empty()) return std::nullopt;
    // An escutcheon over all ends the text; what stands before it is read on its own.
    for (std::size_t k = 1; k < tokens.size(); ++k) {
        const std::optional<Escutcheon> e = EscutcheonAt(tokens, k);
        if (!e) continue;
        const std::string_view before = Trimmed(text, 0, tokens[k].start);
        const std::string escutcheon = Half(Trimmed(text, tokens[e->text].start, text.size()));
        if (before.empty() || escutcheon.empty()) return std::nullopt;
        // In a text of the reader's own form the words belong to the part they stand in.
        if (escutcheon.front() != '(' && escutcheon.find(':') != std::string::npos) continue;
        if (std::optional<std::string> body = ReadBody(before)) return *body + " escutcheon: " + escutcheon;
        // Over single arms only an escutcheon of pretence marshals; "over all an escutcheon" is
        // a charge of the arms, and text in the reader's own form stays as it is.
        // A plain escutcheon of pretence ("Azure an escutcheon of pretence argent") is drawn as the
        // inescutcheon it is; a charged one is arms of its own.
        const bool charged = escutcheon.find_first_of(" \t") != std::string::npos;
        if (!e->ofPretence || !charged || before.find(':') != std::string_view::npos) return std::nullopt;
        return std::string(before) + " escutcheon: " + escutcheon;
    }
    return ReadBody(text);
}

}  // namespace esc
