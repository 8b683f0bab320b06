// Files generated from others and committed: the vocabulary's README tables every attitude code
// with the pictures that exist for it, from the word lists and the drawings; the demi-charges and
// the attitudes made by turning a drawing are cut from the drawings they copy. These tests fail
// when a word or a drawing was changed without regenerating what is made from it.

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

TEST(VocabularyDocs, DrawingsMadeFromOtherDrawingsMatchTheirSources) {
    if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    const std::string command =
        std::string("python3 '") + ESCAVAL_SOURCE_DIR + "/tools/geometric_charges.py' --check derived";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0) << "run tools/geometric_charges.py derived and commit the drawings";
}

// The wanted list counts the charge words as the program reads them: the spellings of one word
// and of several, the normaliser's swaps as whole words.
TEST(VocabularyDocs, WantedListReadsBlazonsAsTheProgramDoes) {
    if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    const std::string command =
        std::string("python3 '") + ESCAVAL_SOURCE_DIR + "/tools/wanted_charges.py' --self-check";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
}

}  // namespace
