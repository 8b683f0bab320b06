// Arbitrary bytes as a user import file: every entry that comes out must be one the database
// can take (a surname of 1 to 30 characters without blanks, a blazon, clean UTF-8 without line
// ends or control characters), and the account for the user must be made without fault.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "database/BlazonSchema.h"
#include "database/ImportFile.h"
#include "engine/TextEncoding.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckText(std::string_view text) {
    Check(esc::IsValidUtf8(text));
    for (unsigned char c : text) Check(c >= 0x20 && c != 0x7F);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const esc::db::ImportFile file = esc::db::ParseImportFile(bytes);
    int lastLine = 0;
    for (const esc::db::ImportEntry& e : file.entries) {
        CheckText(e.surname);
        CheckText(e.blazon);
        Check(!e.surname.empty() && e.surname.find(' ') == std::string_view::npos);
        Check(esc::Utf8Length(e.surname) <= static_cast<std::size_t>(esc::db::kMaxSurnameChars));
        Check(!e.blazon.empty() && e.blazon.front() != ' ' && e.blazon.back() != ' ');
        Check(e.line > lastLine);
        lastLine = e.line;
    }
    for (const esc::db::ImportProblem& p : file.problems) Check(p.line >= 1);
    Check(file.entries.size() + file.problems.size() <= size);
    (void)esc::db::DescribeImport(file, "uescaval.txt", static_cast<int>(file.entries.size()));
    return 0;
}
