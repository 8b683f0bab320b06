// The charge catalogue as the catalogue tests read it: the drawings in the source tree, the
// pictures in the built data folder, and a blazon drawn with the picture the trace says was
// painted. Shared by CatalogueTest.cpp (pictures), CatalogueWordsTest.cpp (words and lookup) and
// CatalogueAttitudesTest.cpp (attitudes and the words that reach each picture).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../interpret/PhraseTestState.h"
#include "../interpret/TestDrawing.h"
#include "ChargeSource.h"
#include "GifWriter.h"
#include "ProperTable.h"
#include "engine/ChargePicture.h"
#include "interpret/read/Normaliser.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/read/VariantCode.h"

namespace esc::catalogue_test {

namespace fs = std::filesystem;
namespace cp = charge_pictures;

// ---------------------------------------------------------------------------------------------
// The catalogue: the drawings in the source tree and the pictures in the built data folder.

struct Drawing {
    std::string family;  // the folder under data/charges
    std::string source;  // its file name
    cp::PictureHeader header;
};

struct Catalogue {
    std::map<std::string, Drawing> drawings;  // picture file name -> the drawing that makes it
    std::vector<std::string> faults;          // drawings the tool would refuse
    std::set<std::string> built;              // files in lpics (not the list of pictures)
    std::set<std::string> listed;             // the tool's list of the pictures it made
};

inline std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline const fs::path& PictureFolder() {
    static const fs::path folder = fs::path(ESCAVAL_DATA_DIR) / "lpics";
    return folder;
}

inline const Catalogue& TheCatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue c;
        const fs::path sources = fs::path(ESCAVAL_SOURCE_DIR) / "data" / "charges";
        // The proper colours of every drawing come from one table, as the build reads it.
        const auto proper = cp::ParseProperTable(ReadAll(sources / "proper.txt"));
        if (!proper.ok()) c.faults.push_back("proper.txt: " + proper.error);
        for (const auto& family : fs::directory_iterator(sources)) {
            if (!family.is_directory()) continue;
            for (const auto& file : fs::directory_iterator(family.path())) {
                if (file.path().extension() != ".svg") continue;
                const std::string name = file.path().filename().string();
                const auto described = cp::DescribeChargeSource(name, ReadAll(file.path()));
                if (!described.ok()) {
                    c.faults.push_back(name + ": " + described.error);
                    continue;
                }
                cp::PictureHeader header = described.value.header;
                if (const auto row = proper.value.find(file.path().stem().string()); row != proper.value.end()) {
                    header.o1 = row->second.o1;
                    header.o2 = row->second.o2;
                    header.o3 = row->second.o3;
                }
                for (const std::string& picture : described.value.fileNames)
                    c.drawings[picture] = {family.path().filename().string(), name, header};
            }
        }
        for (const auto& file : fs::directory_iterator(PictureFolder())) {
            const std::string name = file.path().filename().string();
            if (name.front() != '.') c.built.insert(name);
        }
        std::ifstream list(PictureFolder() / ".charge_pictures");
        for (std::string line; std::getline(list, line);)
            if (!line.empty()) c.listed.insert(line);
        return c;
    }();
    return catalogue;
}

// The drawing a picture is made from ("" for none).
inline std::string SourceOf(const std::string& picture) {
    const auto& drawings = TheCatalogue().drawings;
    const auto found = drawings.find(picture);
    return found == drawings.end() ? "" : found->second.family + "/" + found->second.source;
}

inline std::string StemOf(const std::string& picture) { return picture.substr(0, picture.find('.')); }
inline std::string VariantOf(const std::string& picture) {
    const std::size_t dot = picture.find('.');
    return dot == std::string::npos ? "" : picture.substr(dot + 1);
}
inline bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char ch) { return std::isdigit(ch); });
}

// The parts of a variant that attitude and variant words add, each a digit or a run of letters
// ("po7": "po", "7"); empty when a character is neither.
inline std::vector<std::string> VariantParts(const std::string& variant) {
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < variant.size();) {
        const unsigned char ch = static_cast<unsigned char>(variant[i]);
        if (std::isdigit(ch)) {
            parts.emplace_back(1, variant[i++]);
        } else if (std::islower(ch)) {
            std::size_t j = i;
            while (j < variant.size() && std::islower(static_cast<unsigned char>(variant[j]))) ++j;
            parts.push_back(variant.substr(i, j - i));
            i = j;
        } else {
            return {};
        }
    }
    return parts;
}

// ---------------------------------------------------------------------------------------------
// Drawing a blazon and reading which picture the trace says was painted.

struct Outcome {
    std::string picture;  // the file painted for the first level with pictures ("lion.esv")
    bool standIn = false;
    std::string story;    // what was tried, for messages
};

inline Outcome Blazon(const std::string& blazon) {
    test::Drawing d;
    d.Draw(blazon);
    Outcome out;
    for (const LevelTrace& level : d.trace.levels) {
        if (level.pictures.empty()) continue;
        out.story = "level \"" + level.name + "\" kind " + std::to_string(level.kind) + " tried";
        for (const PictureTrace& p : level.pictures) {
            out.story += " " + p.file + (p.drawn ? " (drawn)" : "");
            // The first picture drawn is the level's; its later charges reuse the decoded picture
            // whatever file name they try.
            if (p.drawn && out.picture.empty()) {
                out.picture = p.file.substr(p.file.rfind('/') + 1);
                out.standIn = p.standIn;
            }
        }
        return out;
    }
    out.story = "no level tried a picture; words:";
    for (const WordTrace& w : d.trace.secondPass) out.story += " " + w.text + "(" + std::to_string(w.type) + ")";
    return out;
}

inline const Vocabulary& Words() { return test::GeneratedVocabulary(); }

inline bool IsChargeType(int type) { return type == 4 || type == 11 || type == 12 || type == 13 || type == 14; }

}  // namespace esc::catalogue_test
