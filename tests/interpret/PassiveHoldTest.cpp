// The held charge written first and its holder after "by": read as the holder grasping it.

#include <gtest/gtest.h>

#include <string>

#include "interpret/read/PassiveHold.h"

namespace esc {
namespace {

std::string TurnedPassive(std::string text) {
    TurnPassiveHold(text);
    return text;
}

// Each verb, a count, a grip's words kept after the verb, a phrase after the holder.
TEST(PassiveHold, HolderFirst) {
    EXPECT_EQ(TurnedPassive("or a sword azure grasped by a dexter hand gules"), "or a dexter hand gules grasping a sword azure");
    EXPECT_EQ(TurnedPassive("argent a sword gules grasped at the hilt by a hand proper between three mullets sable"),
              "argent a hand proper grasping at the hilt a sword gules between three mullets sable");
    EXPECT_EQ(TurnedPassive("vert two arrows in saltire or held by a bear sable and a chief argent"),
              "vert a bear sable grasping two arrows in saltire or and a chief argent");
    EXPECT_EQ(TurnedPassive("azure a cross argent maintained by an arm issuant from the sinister or"),
              "azure an arm issuant from the sinister or grasping a cross argent");
}

// Supporters, a held charge with no phrase before it, a holder with no charge named: left alone.
TEST(PassiveHold, LeftAlone) {
    for (const char* text : {"azure a lion or supported by two griffins argent", "held by a hand gules",
                             "or a sword azure grasped by a", "or a sword azure grasped firmly in the middle of it by a hand"}) {
        std::string turned = text;
        EXPECT_FALSE(TurnPassiveHold(turned)) << text;
        EXPECT_EQ(turned, text);
    }
}

}  // namespace
}  // namespace esc
