// The vocabulary's README tables every attitude code with the pictures that exist for it. The
// table is generated from the word lists and the drawings; this test fails when a word or a
// drawing was added without regenerating it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace {

TEST(VocabularyDocs, AttitudeTableMatchesTheWordsAndTheDrawings) {
    if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    const std::string command =
        std::string("python3 '") + ESCAVAL_SOURCE_DIR + "/tools/attitude_table.py' --check";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0) << "run tools/attitude_table.py and commit data/vocabulary/README.md";
}

}  // namespace
