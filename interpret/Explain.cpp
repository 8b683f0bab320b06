#include <cstdio>
#include <sstream>

#include "engine/Palette.h"
#include "interpret/Trace.h"

namespace esc {
namespace {

std::string TinctureText(int code) {
    const std::string_view name = TinctureName(code);
    return name.empty() ? std::to_string(code) : std::string(name) + " (" + std::to_string(code) + ")";
}

std::string Json(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string JsonBool(bool b) { return b ? "true" : "false"; }

std::string JsonFloat(float f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3g", static_cast<double>(f));
    return buf;
}

void WordsText(std::ostringstream& out, const std::vector<WordTrace>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const WordTrace& w = words[i];
        char line[96];
        std::snprintf(line, sizeof line, "  %2zu %-20s type %3d  sub1 %3d  sub2 %3d\n", i, w.text.c_str(), w.type, w.sub1, w.sub2);
        out << line;
    }
}

std::string WordsJson(const std::vector<WordTrace>& words) {
    std::string out = "[";
    for (std::size_t i = 0; i < words.size(); ++i) {
        const WordTrace& w = words[i];
        out += (i ? ", " : "") + std::string("{\"text\": ") + Json(w.text) + ", \"type\": " + std::to_string(w.type) +
               ", \"sub1\": " + std::to_string(w.sub1) + ", \"sub2\": " + std::to_string(w.sub2) + "}";
    }
    return out + "]";
}

}  // namespace

std::string JsonString(std::string_view text) { return Json(text); }

std::string ExplainText(const DrawingTrace& t) {
    std::ostringstream out;
    out << "Blazon:      " << t.blazon << "\n";
    out << "Read as:     " << (t.road.empty() ? "single" : t.road) << " arms\n";
    out << "Normalised:  " << t.normalised << "\n";
    out << "Named tinctures:";
    if (t.namedTinctures.empty()) out << " none";
    for (int c : t.namedTinctures) out << " " << TinctureText(c);
    out << "\nWords (second pass):\n";
    WordsText(out, t.secondPass);
    const FieldTrace& f = t.field;
    out << "Field:       " << f.form << "\n";
    out << "  fieldColor1 " << TinctureText(f.fieldColor1) << ", fieldColor2 " << TinctureText(f.fieldColor2)
        << ", fieldColor3 " << TinctureText(f.fieldColor3) << ", fieldPieces " << f.fieldPieces << "\n";
    out << "  partitionCode " << f.partitionCode << ", shapeCode " << f.shapeCode << ", lastShapeCode "
        << f.lastShapeCode << ", lineCode " << f.lineCode << "\n";
    if (f.tincture >= 0) out << "  painted in " << TinctureText(f.tincture) << "\n";
    out << "  charges start at word " << f.cursor << "\n";
    for (const LevelTrace& l : t.levels) {
        out << "Level " << l.index << ": " << (l.name.empty() ? "(no name)" : l.name) << "  kind " << l.kind << ", count "
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
            out << "  placed at (" << p.x << ", " << p.y << ") scale " << JsonFloat(p.scale);
            if (p.mirrored) out << " mirrored";
            if (p.bendwise) out << " bendwise";
            out << "\n";
        }
        for (const PictureTrace& p : l.pictures) {
            out << "  picture " << p.file << (p.drawn ? " drawn" : " not found");
            if (p.standIn) out << "  [QUESTION PICTURE STOOD IN]";
            out << "\n";
        }
    }
    if (!t.messages.empty()) {
        out << "Messages:\n";
        for (const std::string& m : t.messages) out << "  " << m << "\n";
    }
    return out.str();
}

std::string ExplainJson(const DrawingTrace& t) {
    std::string out = "{";
    out += "\"blazon\": " + Json(t.blazon);
    out += ", \"road\": " + Json(t.road.empty() ? "single" : t.road);
    out += ", \"normalised\": " + Json(t.normalised);
    out += ", \"firstPass\": " + WordsJson(t.firstPass);
    out += ", \"words\": " + WordsJson(t.secondPass);
    out += ", \"namedTinctures\": [";
    for (std::size_t i = 0; i < t.namedTinctures.size(); ++i) out += (i ? ", " : "") + std::to_string(t.namedTinctures[i]);
    out += "]";
    const FieldTrace& f = t.field;
    out += ", \"field\": {\"form\": " + Json(f.form) + ", \"fieldColor1\": " + std::to_string(f.fieldColor1) +
           ", \"fieldColor2\": " + std::to_string(f.fieldColor2) + ", \"fieldColor3\": " + std::to_string(f.fieldColor3) +
           ", \"fieldPieces\": " + std::to_string(f.fieldPieces) + ", \"partitionCode\": " + std::to_string(f.partitionCode) +
           ", \"shapeCode\": " + std::to_string(f.shapeCode) + ", \"lastShapeCode\": " + std::to_string(f.lastShapeCode) +
           ", \"lineCode\": " + std::to_string(f.lineCode) + ", \"tincture\": " + std::to_string(f.tincture) +
           ", \"result\": " + std::to_string(f.result) + ", \"cursor\": " + std::to_string(f.cursor) + "}";
    out += ", \"levels\": [";
    for (std::size_t i = 0; i < t.levels.size(); ++i) {
        const LevelTrace& l = t.levels[i];
        out += i ? ", " : "";
        out += "{\"index\": " + std::to_string(l.index) + ", \"name\": " + Json(l.name) + ", \"kind\": " + std::to_string(l.kind) +
               ", \"count\": " + std::to_string(l.count) + ", \"tincture\": " + std::to_string(l.tincture) +
               ", \"secondTincture\": " + std::to_string(l.secondTincture) + ", \"line\": " + std::to_string(l.line) +
               ", \"variant\": " + Json(l.variant) + ", \"on\": " + JsonBool(l.on) + ", \"chargedOn\": " + JsonBool(l.chargedOn) +
               ", \"in\": " + JsonBool(l.in) + ", \"inCode\": " + std::to_string(l.inCode) + ", \"between\": " + JsonBool(l.between) +
               ", \"layout\": " + Json(l.layout) + ", \"placements\": [";
        for (std::size_t k = 0; k < l.placements.size(); ++k) {
            const PlacementTrace& p = l.placements[k];
            out += (k ? ", " : "") + std::string("{\"x\": ") + std::to_string(p.x) + ", \"y\": " + std::to_string(p.y) +
                   ", \"scale\": " + JsonFloat(p.scale) + ", \"mirrored\": " + JsonBool(p.mirrored) +
                   ", \"bendwise\": " + JsonBool(p.bendwise) + "}";
        }
        out += "], \"pictures\": [";
        for (std::size_t k = 0; k < l.pictures.size(); ++k) {
            const PictureTrace& p = l.pictures[k];
            out += (k ? ", " : "") + std::string("{\"file\": ") + Json(p.file) + ", \"drawn\": " + JsonBool(p.drawn) +
                   ", \"standIn\": " + JsonBool(p.standIn) + "}";
        }
        out += "]}";
    }
    out += "], \"messages\": [";
    for (std::size_t i = 0; i < t.messages.size(); ++i) out += (i ? ", " : "") + Json(t.messages[i]);
    return out + "]}";
}

}  // namespace esc
