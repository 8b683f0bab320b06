#pragma once
// A charge held written with the held charge first: "a sword argent grasped at the hilt by a hand
// proper", "a cross held by an arm issuant from the sinister". The same charges as "a hand proper
// grasping a sword argent": the holder is drawn first, and the held charge is set in its grasp.

#include <string>

namespace esc {

// Rewrites each "<held phrase> grasped|held|maintained|sustained|gripped [at the hilt] by
// <holder phrase>" in `text` (words parted by spaces, punctuation gone) as "<holder phrase>
// grasping <held phrase> [at the hilt]": the grip's words are left for the reader to tell. The
// held phrase begins at the last article or number before the verb; the holder's ends before
// the next word that begins or joins another phrase. Returns whether the text was rewritten; a
// text in which either phrase cannot be found is left alone.
bool TurnPassiveHold(std::string& text);

}  // namespace esc
