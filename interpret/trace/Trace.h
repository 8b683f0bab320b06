#pragma once
// How a blazon was read: filled during a drawing when the caller asks for it, and shown by the
// command line's --explain.

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "interpret/model/Arms.h"

namespace esc {

struct WordTrace {
    std::string text;
    int type = -1, sub1 = 0, sub2 = 0;
    // Second pass only: the word had an effect on the drawing (a filler the grammar expects
    // counts); false for a word not found, stepped over, or read for a phrase never drawn.
    bool used = false;
};

struct FieldTrace {
    std::string form;  // "plain", "semee", "chequy", "partition word", "per", "error"
    int fieldColor1 = 0, fieldColor2 = 0, fieldColor3 = 0, fieldPieces = 8;
    int partitionCode = -1, shapeCode = -1, lastShapeCode = -1, lineCode = -1;
    int tincture = -1;  // the code the field was painted in (plain, fur, semé or chequy forms)
    int result = 0;     // 0 read, 1 after a message
    int cursor = 0;     // the first word after the field
};

struct PictureTrace {
    std::string file;
    bool drawn = false;    // the file was read and painted
    bool standIn = false;  // the question picture stood in for the charge
    bool damaged = false;  // the file is there but cannot be painted whole (a message says why)
    std::string error;     // why a file that is there could not be read ("it is a folder")
};

struct PlacementTrace {
    int x = 0, y = 0;
    float scale = 0.0f;
    bool mirrored = false, bendwise = false;
};

// The index of the trace of a semé strewn over the field: it is part of the field, and the
// phrase after it is read as level 0.
inline constexpr int kFieldSemeTrace = -1;

struct LevelTrace {
    int index = 0;
    std::string name;
    int kind = 0, count = 0, tincture = -1, secondTincture = -1, line = -1;
    std::string variant;
    bool on = false, chargedOn = false, in = false, between = false;
    int inCode = 0;
    std::string layout;  // the routine that drew the level
    std::string phrase;  // the words the level was read from, as typed
    std::string attitude;  // the attitude words of the phrase, as typed ("rampant guardant")
    // What the layout drew otherwise than written, for the user's notes ("No layout sets 6
    // charges so: the nearest form is drawn."); empty when it drew what was written.
    std::string note;
    std::vector<PlacementTrace> placements;
    std::vector<PictureTrace> pictures;
};

struct DrawingTrace {
    std::string blazon;      // as fetched, cut to the blazon buffer
    std::string placed;      // a marshalled part: where it went ("quarters 1 and 6", "escutcheon over all")
    std::string road;        // "single", "quartered", "impaled"
    std::vector<WordTrace> firstPass;
    std::vector<int> namedTinctures;
    std::string respelled;   // the printed spellings read as the vocabulary's words (single arms)
    std::string normalised;
    // A blazon longer than the word slots: the pieces it was read in (the first as cut, the
    // later ones normalised); empty when it was read in one.
    std::vector<std::string> pieces;
    std::vector<WordTrace> secondPass;
    FieldTrace field;
    std::vector<LevelTrace> levels;
    model::Arms model;  // the arms as read into the model
    std::vector<std::string> messages;
    // The words of the second pass that had no effect, in order (repeats kept once).
    std::vector<std::string> ignoredWords;
    // The blazon names ordinaries or charges but nothing was painted beyond the field.
    bool fieldOnly = false;
    // Marshalled arms: each part's own reading, in quarter order (impaled: dexter, sinister),
    // and the combined text the blazon box received.
    std::vector<DrawingTrace> parts;
    std::string composed;
    // A part of a parted field: the box of the whole picture its own drawing (width by height)
    // was reduced into, so that its spots can be found on the shield. Empty for other drawings.
    struct PartBox {
        int left = 0, top = 0, right = 0, bottom = 0, width = 0, height = 0;
    } partBox;
};

// What a level is called in reports: its picture name, or for a level that has none (a phrase
// of words the vocabulary does not hold) those words joined.
std::string LevelDisplayName(const LevelTrace& level);
// The charge as the blazon names it, for reports: its name and attitude ("lion rampant").
std::string ChargeAsNamed(const LevelTrace& level);
// A picture's file name without its folder ("lion.esv").
std::string PictureFileName(const PictureTrace& picture);

// Plain text and JSON renderings for the command line.
std::string ExplainText(const DrawingTrace& trace);
std::string ExplainJson(const DrawingTrace& trace);

// A JSON value as one line with a blank after every ':' and ',' (the layout the command line has
// always printed). Text that is not valid UTF-8 (a blazon may hold any bytes) has each bad byte
// replaced by U+FFFD, so the output is always valid UTF-8.
std::string JsonLine(const nlohmann::ordered_json& value);

}  // namespace esc
