#include "interpret/Vocabulary.h"

#include <algorithm>
#include <cstdlib>

#include "database/TableStore.h"
#include "engine/ReadFileBytes.h"
#include "interpret/TextOps.h"

namespace esc {

Vocabulary::Vocabulary(std::vector<VocabularyRow> rows) : rows_(std::move(rows)) {
    std::stable_sort(rows_.begin(), rows_.end(),
                     [](const VocabularyRow& a, const VocabularyRow& b) { return db::CompareNoCase(a.word, b.word) < 0; });
}

std::optional<Vocabulary> Vocabulary::Load(const std::string& path, std::string* error) {
    // Checked before the table store opens it: a pipe in its place would hang the open, and a
    // folder or a missing file is better named as such than by the store's late error.
    if (const std::string why = WhyNotReadable(path); !why.empty()) {
        if (error) *error = "Cannot read the vocabulary table '" + path + "': " + why + ".";
        return std::nullopt;
    }
    auto table = db::Table::Open(path, "words1", {"Word"}, db::OpenMode::ReadOnly, error);
    if (!table) return std::nullopt;
    const int word = table->FieldIndex("WORD"), type = table->FieldIndex("Type"), sub1 = table->FieldIndex("Sub1"),
              sub2 = table->FieldIndex("Sub2");
    if (word < 0 || type < 0 || sub1 < 0 || sub2 < 0) {
        if (error) *error = "The vocabulary table '" + path + "' lacks the fields WORD, Type, Sub1, Sub2.";
        return std::nullopt;
    }
    std::vector<VocabularyRow> rows;
    for (const db::Record& r : table->AllRows()) {
        auto at = [&r](int i) { return r.values[static_cast<std::size_t>(i)]; };
        rows.push_back({at(word), std::atoi(at(type).c_str()), std::atoi(at(sub1).c_str()), std::atoi(at(sub2).c_str())});
    }
    return Vocabulary(std::move(rows));
}

const VocabularyRow* Vocabulary::Lookup(std::string_view key) const {
    if (key.empty()) return nullptr;
    auto it = std::lower_bound(rows_.begin(), rows_.end(), key,
                               [](const VocabularyRow& row, std::string_view k) { return db::CompareNoCase(row.word, k) < 0; });
    if (it == rows_.end() || !db::StartsWithNoCase(it->word, key)) return nullptr;
    return &*it;
}

std::string LookupKey(std::string_view word) {
    std::string key = ToLower(word);
    const std::size_t n = key.size();
    if (n >= 1 && key[n - 1] == 's' && (n < 2 || key[n - 2] != 's')) key.pop_back();
    if (EqualsIgnoringCase(word, "ermines") || EqualsIgnoringCase(word, "erminois")) key += 's';
    return key;
}

}  // namespace esc
