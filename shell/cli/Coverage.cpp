#include "shell/cli/Coverage.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>

#include <nlohmann/json.hpp>

#include "engine/MessageSink.h"
#include "engine/TextEncoding.h"
#include "interpret/DrawingDriver.h"
#include "interpret/trace/Trace.h"
#include "interpret/read/TextOps.h"

namespace esc {
namespace {

std::string Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t from = 0, to = text.size();
    while (from < to && blank(text[from])) ++from;
    while (to > from && blank(text[to - 1])) --to;
    return std::string(text.substr(from, to - from));
}

void AddOnce(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

// The file a level wanted before the question picture stood in: the first one tried, without
// the picture folder. A level of unknown words has no picture name; its words say what was wanted.
std::string WantedPicture(const LevelTrace& level) {
    for (const PictureTrace& p : level.pictures) {
        if (p.standIn || p.drawn) continue;
        const std::size_t slash = p.file.rfind('/');
        std::string file = slash == std::string::npos ? p.file : p.file.substr(slash + 1);
        return file.empty() || file[0] == '.' ? LevelDisplayName(level) : file;
    }
    return LevelDisplayName(level);
}

using Json = nlohmann::ordered_json;

Json JsonCounts(const std::map<std::string, int>& counts) {
    Json out = Json::object();
    for (const auto& [word, n] : MostFrequent(counts)) out[word] = n;
    return out;
}

// The same as a list, so that the order is kept by any reader.
Json JsonRanked(const std::map<std::string, int>& counts) {
    Json out = Json::array();
    for (const auto& [word, n] : MostFrequent(counts)) out.push_back({{"word", word}, {"count", n}});
    return out;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
    return out;
}

std::string Percent(int part, int whole) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f%%", whole > 0 ? 100.0 * part / whole : 0.0);
    return buf;
}

}  // namespace

std::vector<BlazonLine> ReadBlazonLines(std::string_view text) {
    std::vector<BlazonLine> lines;
    // A byte-order mark that some editors put before UTF-8 text is no part of the first line.
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        bool cut = false;
        if (line.size() > kMaxCoverageLineBytes) {
            std::size_t keep = kMaxCoverageLineBytes;
            while (keep > 0 && IsUtf8Continuation(line[keep])) --keep;
            line = line.substr(0, keep);
            cut = true;
        }
        std::string blazon = Trim(line);
        if (blazon.empty() || blazon[0] == '#') continue;
        lines.push_back({number, std::move(blazon), cut});
    }
    return lines;
}

CoverageLine MeasureBlazon(const Vocabulary& vocabulary, const std::string& dataDir, const BlazonLine& line,
                           PictureCache* pictures) {
    // A fresh drawing state for each blazon, so that no blazon's result depends on the one before.
    NullSink sink;
    auto state = std::make_unique<DrawingState>(sink);
    state->vocabulary = &vocabulary;
    state->dataDir = dataDir;
    state->pictureCache = pictures;
    DrawingTrace trace;
    state->trace = &trace;
    DrawHost host;
    DrawBlazon(*state, line.blazon, host);
    return MeasureTrace(trace, line);
}

CoverageLine MeasureTrace(const DrawingTrace& trace, const BlazonLine& line) {
    CoverageLine result;
    result.number = line.number;
    result.blazon = line.blazon;
    // Marshalled arms are clean only when every part is: each part's reading counts.
    // Grand quarters have parts of their own.
    std::vector<const DrawingTrace*> readings{&trace};
    for (std::size_t i = 0; i < readings.size(); ++i)
        for (const DrawingTrace& part : readings[i]->parts) readings.push_back(&part);
    for (const DrawingTrace* reading : readings) {
        for (const WordTrace& w : reading->secondPass)
            if (w.type == kTypeNotFound) AddOnce(result.missingWords, ToLower(w.text));
        for (const LevelTrace& level : reading->levels) {
            const bool standIn = std::any_of(level.pictures.begin(), level.pictures.end(),
                                             [](const PictureTrace& p) { return p.standIn; });
            if (standIn) {
                AddOnce(result.standIns, WantedPicture(level));
                AddOnce(result.standInCharges, ChargeAsNamed(level));
            }
            for (const PictureTrace& p : level.pictures)
                if (!p.error.empty()) AddOnce(result.unreadablePictures, PictureFileName(p) + ": " + p.error);
        }
        for (const WordTrace& w : reading->secondPass)
            if (!w.used && w.type != kTypeNotFound) AddOnce(result.ignoredWords, ToLower(w.text));
        result.fieldOnly = result.fieldOnly || reading->fieldOnly;
    }
    result.messages = trace.messages;
    for (const DrawingTrace* reading : readings)
        for (const std::string& message : reading->messages) AddOnce(result.messages, message);
    // A layout that drew a group otherwise than written (the nearest form to a count no layout
    // sets) told the user so: the shield is not as blazoned, and not counted clean.
    for (const DrawingTrace* reading : readings)
        for (const LevelTrace& level : reading->levels)
            if (!level.note.empty()) AddOnce(result.messages, level.note);
    return result;
}

CoverageReport MeasureCoverage(const Vocabulary& vocabulary, const std::string& dataDir, std::vector<BlazonLine> lines,
                               const CoverageProgress& progress) {
    CoverageReport report;
    report.lines.reserve(lines.size());
    const bool reportProgress = progress && lines.size() > kCoverageProgressStep;
    PictureCache pictures;  // each picture file decoded once for the whole list
    for (BlazonLine& line : lines) {
        CoverageLine measured = MeasureBlazon(vocabulary, dataDir, line, &pictures);
        measured.cut = line.cut;
        line.blazon = {};  // the copy in the report is the one kept
        if (!measured.missingWords.empty()) ++report.withMissingWords;
        if (!measured.standIns.empty()) ++report.withStandIns;
        if (!measured.messages.empty()) ++report.withMessages;
        if (!measured.ignoredWords.empty()) ++report.withIgnoredWords;
        if (measured.fieldOnly) ++report.withFieldOnly;
        if (measured.Clean()) ++report.clean;
        for (const std::string& w : measured.ignoredWords) ++report.ignoredWords[w];
        for (const std::string& w : measured.missingWords) ++report.missingWords[w];
        std::vector<std::string> unread = measured.missingWords;
        for (const std::string& w : measured.ignoredWords) AddOnce(unread, w);
        for (const std::string& w : unread) ++report.unreadWords[w];
        for (const std::string& f : measured.standIns) ++report.standIns[f];
        for (const std::string& c : measured.standInCharges) ++report.standInCharges[c];
        report.lines.push_back(std::move(measured));
        const std::size_t done = report.lines.size();
        if (reportProgress && (done % kCoverageProgressStep == 0 || done == lines.size())) progress(done, lines.size());
    }
    return report;
}

std::vector<std::pair<std::string, int>> MostFrequent(const std::map<std::string, int>& counts) {
    std::vector<std::pair<std::string, int>> out(counts.begin(), counts.end());
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return out;
}

std::string CoverageText(const CoverageReport& report, std::size_t topWords) {
    std::ostringstream out;
    for (const CoverageLine& line : report.lines) {
        out << "line " << line.number << (line.Clean() ? ": ok" : ": NOT CLEAN") << ": " << line.blazon << "\n";
        if (!line.missingWords.empty()) out << "    words not found: " << Joined(line.missingWords) << "\n";
        if (!line.standInCharges.empty()) out << "    question picture for: " << Joined(line.standInCharges) << "\n";
        for (const std::string& p : line.unreadablePictures) out << "    cannot read picture " << p << "\n";
        if (!line.ignoredWords.empty()) out << "    words ignored: " << Joined(line.ignoredWords) << "\n";
        if (line.fieldOnly) out << "    only the field was painted\n";
        if (line.cut)
            out << "    cut: the line is longer than " << kMaxCoverageLineBytes << " bytes; only its start was read\n";
        for (const std::string& m : line.messages) out << "    message: " << m << "\n";
    }
    const int total = static_cast<int>(report.lines.size());
    out << "\nBlazons:                      " << total << "\n";
    out << "Drawn clean:                  " << report.clean << " (" << Percent(report.clean, total) << ")\n";
    out << "With words not found:         " << report.withMissingWords << "\n";
    out << "With the question picture:    " << report.withStandIns << "\n";
    out << "With interpretation messages: " << report.withMessages << "\n";
    out << "With words ignored:           " << report.withIgnoredWords << "\n";
    out << "Only the field painted:       " << report.withFieldOnly << "\n";
    const auto listWords = [&](const char* title, const std::map<std::string, int>& counts) {
        const auto words = MostFrequent(counts);
        if (words.empty()) return;
        out << title;
        for (std::size_t i = 0; i < words.size() && i < topWords; ++i)
            out << (i ? ", " : " ") << words[i].first << " (" << words[i].second << ")";
        out << "\n";
    };
    listWords("Most frequent words not found:", report.missingWords);
    listWords("Most frequent words ignored:", report.ignoredWords);
    const auto pictures = MostFrequent(report.standInCharges);
    if (!pictures.empty()) {
        out << "Charges with no picture:";
        for (std::size_t i = 0; i < pictures.size() && i < topWords; ++i)
            out << (i ? ", " : " ") << pictures[i].first << " (" << pictures[i].second << ")";
        out << "\n";
    }
    // Last, so that the next rows to add to the vocabulary are plain at the end of the output.
    listWords("Words not read, most frequent first:", report.unreadWords);
    return out.str();
}

std::string CoverageJson(const CoverageReport& report) {
    const Json head = {{"total", report.lines.size()},
                       {"clean", report.clean},
                       {"withMissingWords", report.withMissingWords},
                       {"withStandIns", report.withStandIns},
                       {"withMessages", report.withMessages},
                       {"withIgnoredWords", report.withIgnoredWords},
                       {"withFieldOnly", report.withFieldOnly},
                       {"missingWords", JsonCounts(report.missingWords)},
                       {"standIns", JsonCounts(report.standIns)},
                       {"standInCharges", JsonCounts(report.standInCharges)},
                       {"ignoredWords", JsonCounts(report.ignoredWords)},
                       {"unreadWords", JsonRanked(report.unreadWords)},
                       {"lines", Json::array()}};
    // The lines are written one by one into the empty list that ends the object, so a long list
    // is never held as a JSON tree as well as a report.
    std::string out = JsonLine(head);
    out.resize(out.size() - 2);  // "]}"
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        const CoverageLine& l = report.lines[i];
        Json line = {{"line", l.number},
                     {"blazon", l.blazon},
                     {"clean", l.Clean()},
                     {"missingWords", l.missingWords},
                     {"standIns", l.standIns},
                     {"standInCharges", l.standInCharges},
                     {"ignoredWords", l.ignoredWords},
                     {"fieldOnly", l.fieldOnly},
                     {"messages", l.messages}};
        if (l.cut) line["cut"] = true;
        if (i > 0) out += ", ";
        out += JsonLine(line);
    }
    return out + "]}";
}

}  // namespace esc
