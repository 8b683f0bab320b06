#pragma once
// The one road from a draw request to a finished picture.

#include <optional>
#include <string>
#include <string_view>
#include "interpret/BlazonReach.h"

#include "interpret/phrase/DrawingState.h"
#include "interpret/marshal/Marshalling.h"

namespace esc {

// What the driver needs of the window. The command line and the tests use the defaults.
class DrawHost {
public:
    virtual ~DrawHost() = default;
    virtual std::string FetchBlazon() { return {}; }
    virtual void BeginWait() {}
    virtual void EndWait() {}
    // The window's own steps around a drawing: supporters, mantling, help, the selection of
    // placed pictures and the save and print commands.
    virtual void BeforeDrawing() {}
    virtual void ShowPicture() {}
    virtual void AfterDrawing() {}
    // Marshalled arms: the canvas and image the parts are copied through (none: the drawing
    // uses a board of its own), the blazon box that receives each part and the combined text,
    // and the window's steps around a marshalled drawing (timer, menu check marks).
    virtual std::optional<MarshallingBoard> Board() { return std::nullopt; }
    virtual void SetBlazonText(const std::string& /*text*/) {}
    virtual void MarshallingStarts(MarshallingKind) {}
    virtual void MarshallingEnds(MarshallingKind) {}
};


// Draws the blazon the host fetches.
void DrawCurrentBlazon(DrawingState& state, DrawHost& host);
// Draws `blazon` (cut to the blazon buffer) as the current blazon.
void DrawBlazon(DrawingState& state, std::string_view blazon, DrawHost& host);
// The single-arms interpreter: two word passes with the normaliser between them, the field,
// the phrases and the outline. `text` is the blazon buffer; on return it holds the normalised text.
void InterpretSingleArms(DrawingState& state, std::string& text);

// Splits a text at blanks into the word slots (at most 30 words, each cut to 19 characters) and
// empties the slots after the last word.
void SplitWords(DrawingState& state, std::string_view text);
// Looks every word up; the first pass also collects the named tinctures.
void LookUpWords(DrawingState& state, bool collectTinctures);
// A cross's form written before it ("a papal cross", "a moline cross") is read after it, where
// the phrase interpreter reads a cross's form.
void PutCrossFormsAfterTheCross(DrawingState& state);

// Starts a drawing: the picture cleared to teal at its size, the per-drawing sets cleared and
// the state that a drawing must not inherit from an earlier one put back.
void BeginDrawing(DrawingState& state);

}  // namespace esc
