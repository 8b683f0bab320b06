// "A quarter" is drawn with the canton's shape, smaller than the quarter of the field the word
// names: said, never counted clean. A canton is clean.

#include <gtest/gtest.h>

#include <string>

#include "engine/Messages.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

bool ToldAsCanton(const Drawing& d) {
    for (const std::string& m : d.sink.messages)
        if (m.rfind(msg::kQuarterDrawnAsCanton, 0) == 0) return true;
    return false;
}

TEST(Quarter, DrawnAsACantonIsTold) {
    for (const char* blazon : {"Argent a quarter gules", "Or on a quarter azure a mullet argent",
                               "Argent a quarter gules a cinquefoil or", "argent, a une quarter de gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_TRUE(ToldAsCanton(d));
    }
    for (const char* blazon : {"Argent a canton gules", "Quarterly or and gules", "Argent a cross gules in the first quarter a mullet sable"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        EXPECT_FALSE(ToldAsCanton(d));
    }
}

}  // namespace
}  // namespace esc::test
