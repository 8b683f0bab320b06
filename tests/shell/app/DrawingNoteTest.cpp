#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <thread>

#include "interpret/DrawingDriver.h"
#include "shell/app/DrawingNote.h"
#include "shell/cli/Coverage.h"

namespace esc::app {
namespace {

TEST(DrawingNote, TextCountsWhatTheReadingMissed) {
    const auto line = [](std::vector<std::string> missing, std::vector<std::string> ignored,
                         std::vector<std::string> standIns, bool fieldOnly) {
        CoverageLine l;
        l.missingWords = std::move(missing);
        l.ignoredWords = std::move(ignored);
        l.standInCharges = std::move(standIns);
        l.fieldOnly = fieldOnly;
        return l;
    };
    const struct {
        const char* name;
        CoverageLine reading;
        std::vector<std::string> messages;
        double ms;
        const char* expected;
    } cases[] = {
        {"clean", {}, {}, 0.44, "Drawn as written in 0.4 ms"},
        {"slow, whole milliseconds", {}, {}, 12.6, "Drawn as written in 13 ms"},
        {"one word", line({"wibble"}, {}, {}, false), {}, 0.4, "1 word not understood: wibble \u00b7 Drawn in 0.4 ms"},
        {"three words", line({"a", "b", "c"}, {}, {}, false), {}, 1.25,
         "3 words not understood: a, b, c \u00b7 Drawn in 1.2 ms"},
        {"ignored", line({}, {"argent", "or"}, {}, false), {}, 0.5, "2 words without effect: argent, or \u00b7 Drawn in 0.5 ms"},
        {"stand-in", line({}, {}, {"lion rampant"}, false), {}, 0.5,
         "1 picture missing (a question mark drawn): lion rampant \u00b7 Drawn in 0.5 ms"},
        {"field only", line({}, {}, {}, true), {}, 0.5, "only the field drawn \u00b7 Drawn in 0.5 ms"},
        {"message on one line", {}, {"Cannot read\nthe picture."}, 0.5, "Cannot read the picture. \u00b7 Drawn in 0.5 ms"},
        {"all, in order", line({"zorp"}, {"or"}, {"bend"}, true), {"M."}, 2.0,
         "1 word not understood: zorp \u00b7 1 word without effect: or \u00b7 1 picture missing (a question mark drawn): "
         "bend \u00b7 only the field drawn \u00b7 M. \u00b7 Drawn in 2.0 ms"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NoteText(c.reading, c.messages, c.ms), c.expected);
    }
}

// A drawing state on the built vocabulary, reporting through the note's sink.
struct NoteFixture {
    CollectingSink shown;
    DrawingNote note{shown};
    std::optional<Vocabulary> vocabulary = Vocabulary::Load(std::string(ESCAVAL_DATA_DIR "/words1.db"), nullptr);
    std::unique_ptr<DrawingState> state = std::make_unique<DrawingState>(note.Sink());
    NoteFixture() {
        state->vocabulary = vocabulary ? &*vocabulary : nullptr;
        state->dataDir = ESCAVAL_DATA_DIR;
    }
    std::string Draw(const char* blazon, DrawingNote::Messages messages) {
        note.Begin(*state, messages);
        DrawHost host;
        DrawBlazon(*state, blazon, host);
        return note.End(*state);
    }
};

// The note names what the coverage names, whether the messages went to the window or not; only
// a quiet drawing keeps its messages from the window.
TEST(DrawingNote, NamesTheUnreadWordsAndKeepsQuietDrawingsQuiet) {
    NoteFixture f;
    ASSERT_TRUE(f.vocabulary);
    const std::regex time(".* \u00b7 Drawn in [0-9]+(\\.[0-9])? ms");
    const struct {
        const char* blazon;
        DrawingNote::Messages messages;
        const char* noteStarts;
        std::size_t shown;
    } cases[] = {
        {"Wibble argent", DrawingNote::Messages::Shown, "1 word not understood: wibble", 1},
        {"Wibble argent", DrawingNote::Messages::KeptInTheNote, "1 word not understood: wibble", 0},
        {"Gules a bend zorp or", DrawingNote::Messages::KeptInTheNote, "1 word not understood: zorp", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blazon);
        f.shown.messages.clear();
        const std::string note = f.Draw(c.blazon, c.messages);
        EXPECT_EQ(note.rfind(c.noteStarts, 0), 0u) << note;
        EXPECT_TRUE(std::regex_match(note, time)) << note;
        EXPECT_EQ(f.shown.messages.size(), c.shown);
        if (std::string(c.blazon) == "Wibble argent") {
            EXPECT_NE(note.find("Color or partition required: 'Wibble' was not read."), std::string::npos) << note;
        }
        EXPECT_EQ(f.state->trace, nullptr);  // the state is left untraced, as it was
    }
    f.shown.messages.clear();
    EXPECT_EQ(f.Draw("Azure a bend or", DrawingNote::Messages::KeptInTheNote).rfind("Drawn as written in ", 0), 0u);
    // Outside a drawing the sink passes every message on.
    f.note.Sink().Show("later");
    EXPECT_EQ(f.shown.messages, std::vector<std::string>{"later"});
}

// A drawing started inside a drawing (a message box's event loop) belongs to the outer note.
TEST(DrawingNote, ANestedDrawingBelongsToTheOuterNote) {
    NoteFixture f;
    ASSERT_TRUE(f.vocabulary);
    f.note.Begin(*f.state, DrawingNote::Messages::KeptInTheNote);
    EXPECT_EQ(f.Draw("Wibble argent", DrawingNote::Messages::Shown), "");
    EXPECT_TRUE(f.shown.messages.empty());  // still quiet: the outer drawing's choice holds
    const std::string outer = f.note.End(*f.state);
    EXPECT_NE(outer.find("Color or partition required: 'Wibble' was not read."), std::string::npos) << outer;
    EXPECT_EQ(f.note.End(*f.state), "");  // an End without a Begin does nothing
}

// The time is the drawing's: a message box the user leaves open for a while is not counted.
TEST(DrawingNote, TheTimeLeavesOutTheMessageBoxesOpen) {
    struct SlowBoxes final : MessageSink {
        void Show(std::string_view) override { std::this_thread::sleep_for(std::chrono::milliseconds(300)); }
        void Inform(std::string_view) override { Show({}); }
    } boxes;
    DrawingNote note(boxes);
    CollectingSink unused;
    auto state = std::make_unique<DrawingState>(unused);
    note.Begin(*state, DrawingNote::Messages::Shown);
    note.Sink().Show("Color or partition required.");
    note.Sink().Inform("and another");
    const std::string text = note.End(*state);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, std::regex("Drawn in ([0-9.]+) ms"))) << text;
    EXPECT_LT(std::stod(m[1].str()), 100.0) << text;
}

}  // namespace
}  // namespace esc::app
