// The test programs' own main: the allocator is set up as the program sets it up
// (engine/Allocator.h), so that tests drawing thousands of shields do not spend their time
// mapping and faulting in fresh pages for every drawing.

#include <gtest/gtest.h>

#include "engine/Allocator.h"

int main(int argc, char** argv) {
    esc::KeepFreedMemoryForReuse();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
