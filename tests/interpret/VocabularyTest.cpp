#include <gtest/gtest.h>

#include "TestDrawing.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

TEST(LookupKey, FinalLettersAndCase) {
    struct Case { const char* word; const char* key; };
    const Case cases[] = {
        {"lions", "lion"},     {"Bars", "bar"},          {"cross", "cross"},     {"fess", "fess"},
        {"ermines", "ermines"}, {"ERMINOIS", "erminois"}, {"Gules", "gule"},     {"s", ""},
        {"Azure,", "azure,"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.word);
        EXPECT_EQ(LookupKey(k.word), k.key);
    }
}

TEST(Vocabulary, PrefixLookupInIndexOrder) {
    const Vocabulary v({{"lions", 4, 2, 0}, {"lion", 4, 1, 0}, {"lioncel", 4, 3, 0}, {"Argent", 1, 1, 0}, {"bend", 2, 1, 0},
                        {"bendlet", 2, 22, 0}});
    struct Case { const char* key; int sub1; };
    const Case cases[] = {{"lion", 1}, {"lionc", 3}, {"arg", 1}, {"ARGENT", 1}, {"bend", 1}, {"bendl", 22}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.key);
        const VocabularyRow* row = v.Lookup(k.key);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->sub1, k.sub1);
    }
    EXPECT_EQ(v.Lookup("bends"), nullptr);    // longer than every row it resembles
    EXPECT_EQ(v.Lookup("azure,"), nullptr);
    EXPECT_EQ(v.Lookup(""), nullptr);
}

TEST(Vocabulary, GeneratedTableHoldsEveryTincture) {
    const Vocabulary& v = test::GeneratedVocabulary();
    // Every tincture with a name of one word (20 and 21 have none; "Lozengy bendwise" is read
    // by the field parser from two).
    for (int code = 0; code < kTinctureCount; ++code) {
        if (TinctureName(code).empty() || TinctureName(code).find(' ') != std::string_view::npos) continue;
        SCOPED_TRACE(std::string(TinctureName(code)));
        const VocabularyRow* row = v.Lookup(LookupKey(TinctureName(code)));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->type, kTypeTincture);
        EXPECT_EQ(row->sub1, code);
    }
    // Words recognised by their text never find a partition row first.
    for (const char* word : {"per", "and", "of", "a", "an", "on", "between", "in", "the", "with"}) {
        SCOPED_TRACE(word);
        const VocabularyRow* row = v.Lookup(LookupKey(word));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->word, word);
        EXPECT_NE(row->type, kTypeOrdinary);
    }
}

TEST(Vocabulary, LozengyIsATinctureBesideTheLozengeCharge) {
    const Vocabulary& v = test::GeneratedVocabulary();
    struct Case { const char* word; int type, sub1; };
    const Case cases[] = {
        {"Lozengy", kTypeTincture, kLozengy}, {"lozenge", 14, 0}, {"lozenges", 14, 0},  // Type 14: the geometric charges
        {"bendwise", kTypeIgnored, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.word);
        const VocabularyRow* row = v.Lookup(LookupKey(k.word));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->type, k.type);
        EXPECT_EQ(row->sub1, k.sub1);
    }
}

TEST(Vocabulary, EveryWordIsFoundAsItselfOrItsSingular) {
    // A row never hides behind another row that a prefix lookup finds first.
    const Vocabulary& v = test::GeneratedVocabulary();
    for (const VocabularyRow& row : v.Rows()) {
        SCOPED_TRACE(row.word);
        const VocabularyRow* found = v.Lookup(LookupKey(row.word));
        ASSERT_NE(found, nullptr);
        const bool plural = row.word.size() > 1 && row.word.back() == 's';
        if (!plural) EXPECT_EQ(found->word, row.word);
        else EXPECT_TRUE(found->word == row.word || found->word + "s" == row.word || found->type == row.type);
    }
}

}  // namespace
}  // namespace esc
