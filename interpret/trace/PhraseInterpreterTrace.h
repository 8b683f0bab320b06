#pragma once
// The level part of the drawing trace: what each level was read as, how it was laid out, where
// its charges went and which picture files were tried. Every call does nothing when the
// drawing is not traced.

#include <string>
#include <string_view>

#include "interpret/phrase/DrawingState.h"
#include "interpret/trace/Trace.h"

namespace esc {

// The trace entry of the current level, made on first use; nullptr without a trace or outside
// levels 0..9.
LevelTrace* CurrentLevelTrace(DrawingState& state);
// Copies the current level's record (name, kind, count, tinctures, line, variant, flags).
void SnapshotLevel(DrawingState& state);
// Adds the routine that drew (or did not draw) the current level.
void NoteLayout(DrawingState& state, std::string_view layout);
// The same for another level than the current one (the cotised ordinary, noted by its cotises).
void NoteLayoutOf(DrawingState& state, int level, std::string_view layout);
// The level's charges were set in the nearest form their arrangement holds, not the one written.
void NoteNearestLayout(DrawingState& state, int count);
// The spot of the charge being placed: its point, scale, mirroring and whether it lies bendwise.
void NotePlacement(DrawingState& state, const ChargeSpot& spot);
// One picture file tried for the current level; repeats of the same file and outcome are kept once.
void NotePicture(DrawingState& state, const std::string& file, bool drawn, bool standIn, bool damaged = false);
// At the end of the interpretation: the flags set on levels after they were drawn, and the
// levels that began but were never completed.
void FinishLevelTraces(DrawingState& state);

}  // namespace esc
