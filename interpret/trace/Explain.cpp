#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <nlohmann/json.hpp>

#include "engine/Palette.h"
#include "interpret/trace/ModelJson.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

std::string TinctureText(int code) {
    const std::string_view name = TinctureName(code);
    return name.empty() ? std::to_string(code) : std::string(name) + " (" + std::to_string(code) + ")";
}

using Json = nlohmann::ordered_json;

// Scales to three significant figures, as the text shows them; a whole one without a fraction.
std::string ScaleText(float f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3g", static_cast<double>(f));
    return buf;
}

Json ScaleJson(float f) {
    const double rounded = std::strtod(ScaleText(f).c_str(), nullptr);
    const double whole = std::trunc(rounded);
    if (rounded == whole && std::fabs(whole) < 1e15) return static_cast<std::int64_t>(whole);
    return rounded;
}

// The library's own layout has no blank after ':' and ','; the command line has always printed
// them and scripts may match on them, so objects and arrays are laid out here and every key and
// value is written by the library, which escapes it and replaces bytes that are not UTF-8.
void AppendJson(std::string& out, const Json& value) {
    constexpr auto kReplace = Json::error_handler_t::replace;
    if (value.is_object()) {
        out += '{';
        for (auto it = value.begin(); it != value.end(); ++it) {
            if (it != value.begin()) out += ", ";
            out += Json(it.key()).dump(-1, ' ', false, kReplace);
            out += ": ";
            AppendJson(out, it.value());
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (i) out += ", ";
            AppendJson(out, value[i]);
        }
        out += ']';
    } else {
        out += value.dump(-1, ' ', false, kReplace);
    }
}

enum class WithUse { No, Yes };

void WordsText(std::ostringstream& out, const std::vector<WordTrace>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const WordTrace& w = words[i];
        char line[112];
        std::snprintf(line, sizeof line, "  %2zu %-20s type %3d  sub1 %3d  sub2 %3d  %s\n", i, w.text.c_str(), w.type, w.sub1,
                      w.sub2, w.used ? "used" : "IGNORED");
        out << line;
    }
}

Json WordsJson(const std::vector<WordTrace>& words, WithUse withUse) {
    Json out = Json::array();
    for (const WordTrace& w : words) {
        Json word = {{"text", w.text}, {"type", w.type}, {"sub1", w.sub1}, {"sub2", w.sub2}};
        if (withUse == WithUse::Yes) word["used"] = w.used;
        out.push_back(std::move(word));
    }
    return out;
}

std::string JoinedWords(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) out += (out.empty() ? "" : ", ") + w;
    return out;
}

}  // namespace

std::string LevelDisplayName(const LevelTrace& level) {
    if (!level.name.empty()) return level.name;
    return level.phrase.empty() ? "(no words)" : "\"" + level.phrase + "\"";
}

std::string ChargeAsNamed(const LevelTrace& level) {
    const std::string name = LevelDisplayName(level);
    return level.attitude.empty() || level.name.empty() ? name : name + " " + level.attitude;
}

std::string PictureFileName(const PictureTrace& picture) {
    const std::size_t slash = picture.file.rfind('/');
    return slash == std::string::npos ? picture.file : picture.file.substr(slash + 1);
}

std::string JsonLine(const nlohmann::ordered_json& value) {
    std::string out;
    AppendJson(out, value);
    return out;
}

std::string ExplainText(const DrawingTrace& t) {
    std::ostringstream out;
    out << "Blazon:      " << t.blazon << "\n";
    if (t.road == "escutcheon")
        out << "Read as:     arms with an escutcheon over all\n";
    else if (t.road == "parted")
        out << "Read as:     a parted field, each part a field of its own\n";
    else
        out << "Read as:     " << (t.road.empty() ? "single" : t.road) << " arms\n";
    if (t.road == "quartered" || t.road == "impaled" || t.road == "escutcheon" || t.road == "parted") {
        if (!t.respelled.empty() && t.respelled != t.blazon) out << "Marshalled:  " << t.respelled << "\n";
        // The parts have the words; the whole text has its parts, messages and combined text.
        for (std::size_t i = 0; i < t.parts.size(); ++i) {
            out << "\nPart " << i + 1 << " of " << t.parts.size();
            if (!t.parts[i].placed.empty()) out << " (" << t.parts[i].placed << ")";
            if (const DrawingTrace::PartBox& b = t.parts[i].partBox; b.width > 0)
                out << " in (" << b.left << ", " << b.top << ")-(" << b.right << ", " << b.bottom << ")";
            out << ":\n" << ExplainText(t.parts[i]);
        }
        if (!t.composed.empty()) out << "\nComposed:    " << t.composed << "\n";
        if (!t.messages.empty()) {
            out << "Messages:\n";
            for (const std::string& m : t.messages) out << "  " << m << "\n";
        }
        return out.str();
    }
    if (t.respelled != t.blazon) out << "Respelled:   " << t.respelled << "\n";
    out << "Normalised:  " << t.normalised << "\n";
    // A long blazon: the pieces it was read in, the first as cut, the later ones normalised.
    for (std::size_t i = 0; i < t.pieces.size(); ++i) out << "Piece " << (i + 1) << ":     " << t.pieces[i] << "\n";
    out << "Named tinctures:";
    if (t.namedTinctures.empty()) out << " none";
    for (int c : t.namedTinctures) out << " " << TinctureText(c);
    out << "\nWords (second pass):\n";
    WordsText(out, t.secondPass);
    out << "Ignored words: " << (t.ignoredWords.empty() ? "none" : JoinedWords(t.ignoredWords)) << "\n";
    const FieldTrace& f = t.field;
    out << "Field:       " << f.form << "\n";
    out << "  fieldColor1 " << TinctureText(f.fieldColor1) << ", fieldColor2 " << TinctureText(f.fieldColor2)
        << ", fieldColor3 " << TinctureText(f.fieldColor3) << ", fieldPieces " << f.fieldPieces << "\n";
    out << "  partitionCode " << f.partitionCode << ", shapeCode " << f.shapeCode << ", lastShapeCode "
        << f.lastShapeCode << ", lineCode " << f.lineCode << "\n";
    if (f.tincture >= 0) out << "  painted in " << TinctureText(f.tincture) << "\n";
    out << "  charges start at word " << f.cursor << "\n";
    for (const LevelTrace& l : t.levels) {
        if (l.index == kFieldSemeTrace) {
            out << "Field semé: ";
        } else {
            out << "Level " << l.index << ": ";
        }
        out << LevelDisplayName(l) << "  kind " << l.kind << ", count "
            << l.count << ", tincture " << TinctureText(l.tincture) << ", second tincture " << TinctureText(l.secondTincture)
            << ", line " << l.line << ", variant \"" << l.variant << "\"\n";
        out << "  flags:";
        if (l.on) out << " on";
        if (l.chargedOn) out << " charged-on";
        if (l.in) out << " in(" << l.inCode << ")";
        if (l.between) out << " between";
        if (!l.on && !l.chargedOn && !l.in && !l.between) out << " none";
        out << "\n  layout: " << (l.layout.empty() ? "none" : l.layout) << "\n";
        for (const PlacementTrace& p : l.placements) {
            out << "  placed at (" << p.x << ", " << p.y << ") scale " << ScaleText(p.scale);
            if (p.mirrored) out << " mirrored";
            if (p.bendwise) out << " bendwise";
            out << "\n";
        }
        // Each name tried for a picture is a file; the reader is told of the charge, once.
        std::vector<std::string> said;
        for (const PictureTrace& p : l.pictures) {
            const std::string charge = ChargeAsNamed(l);
            const std::string line = p.standIn ? (p.drawn ? "a question mark stood in for " + charge
                                                          : "no question picture to stand in for " + charge)
                                     : p.drawn         ? "picture of " + charge + " drawn"
                                     : p.damaged       ? "the picture of " + charge + " is damaged, not drawn"
                                     : p.error.empty() ? "no picture of " + charge
                                                       : "cannot read the picture of " + charge + ": " + p.error;
            if (std::find(said.begin(), said.end(), line) != said.end()) continue;
            said.push_back(line);
            out << "  " << line << (p.standIn && p.drawn ? "  [QUESTION PICTURE STOOD IN]" : "") << "\n";
        }
    }
    if (t.fieldOnly) out << "FIELD ONLY: the blazon names ordinaries or charges, but only the field was painted\n";
    if (!t.messages.empty()) {
        out << "Messages:\n";
        for (const std::string& m : t.messages) out << "  " << m << "\n";
    }
    return out.str();
}

namespace {

Json ExplainedJson(const DrawingTrace& t) {
    const FieldTrace& f = t.field;
    Json levels = Json::array();
    for (const LevelTrace& l : t.levels) {
        Json placements = Json::array();
        for (const PlacementTrace& p : l.placements)
            placements.push_back({{"x", p.x}, {"y", p.y}, {"scale", ScaleJson(p.scale)}, {"mirrored", p.mirrored},
                                  {"bendwise", p.bendwise}});
        Json pictures = Json::array();
        for (const PictureTrace& p : l.pictures) {
            Json picture{{"file", p.file},   {"drawn", p.drawn}, {"standIn", p.standIn}, {"damaged", p.damaged},
                         {"charge", ChargeAsNamed(l)}};
            if (!p.error.empty()) picture["error"] = p.error;
            pictures.push_back(std::move(picture));
        }
        levels.push_back({{"index", l.index}, {"name", l.name}, {"phrase", l.phrase}, {"kind", l.kind}, {"count", l.count},
                          {"tincture", l.tincture}, {"secondTincture", l.secondTincture}, {"line", l.line},
                          {"variant", l.variant}, {"attitude", l.attitude}, {"on", l.on}, {"chargedOn", l.chargedOn}, {"in", l.in},
                          {"inCode", l.inCode}, {"between", l.between}, {"layout", l.layout},
                          {"placements", std::move(placements)}, {"pictures", std::move(pictures)}});
    }
    const Json field = {{"form", f.form},
                        {"fieldColor1", f.fieldColor1},
                        {"fieldColor2", f.fieldColor2},
                        {"fieldColor3", f.fieldColor3},
                        {"fieldPieces", f.fieldPieces},
                        {"partitionCode", f.partitionCode},
                        {"shapeCode", f.shapeCode},
                        {"lastShapeCode", f.lastShapeCode},
                        {"lineCode", f.lineCode},
                        {"tincture", f.tincture},
                        {"result", f.result},
                        {"cursor", f.cursor}};
    Json explained = {{"blazon", t.blazon},
                            {"road", t.road.empty() ? "single" : t.road},
                            {"respelled", t.respelled},
                            {"normalised", t.normalised},
                            {"pieces", t.pieces},
                            {"firstPass", WordsJson(t.firstPass, WithUse::No)},
                            {"words", WordsJson(t.secondPass, WithUse::Yes)},
                            {"ignoredWords", t.ignoredWords},
                            {"fieldOnly", t.fieldOnly},
                            {"namedTinctures", t.namedTinctures},
                            {"field", field},
                            {"levels", std::move(levels)},
                            {"model", ModelJson(t.model)},
                            {"messages", t.messages}};
    // Marshalled arms: each part with its own reading, and the combined text.
    if (!t.placed.empty()) explained["placed"] = t.placed;
    if (t.road == "quartered" || t.road == "impaled" || t.road == "escutcheon" || t.road == "parted") {
        Json parts = Json::array();
        for (const DrawingTrace& part : t.parts) parts.push_back(ExplainedJson(part));
        explained["parts"] = std::move(parts);
        explained["composed"] = t.composed;
    }
    return explained;
}

}  // namespace

std::string ExplainJson(const DrawingTrace& t) { return JsonLine(ExplainedJson(t)); }

}  // namespace esc
