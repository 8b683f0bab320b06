#pragma once
// The user import file "uescaval.txt": one entry per line, the surname, one blank, the blazon.
//
// The reader takes whatever an old editor may have written: lines ending in CR LF, a bare LF or
// a bare CR, or at the end of the file; a UTF-8 byte-order mark; text in UTF-8 or, where a line
// is not valid UTF-8, in the Windows Western code page. A line is one entry however long it is.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace esc::db {

inline constexpr std::size_t kMaxImportFileBytes = 16u * 1024 * 1024;

// The first line of the message when the chosen file cannot be opened.
inline constexpr const char* kCannotOpenImportText = "Unable to open chosen file!";

struct ImportEntry {
    std::string surname;  // UTF-8, 1 to kMaxSurnameChars characters, no blank
    std::string blazon;   // UTF-8, not empty, kept whole however long
    int line = 0;         // 1-based line number in the file
};

enum class ImportFault {
    NoSeparator,    // no blank after a surname of at most 30 characters
    NoBlazon,       // a surname with nothing after it
};

struct ImportProblem {
    int line = 0;
    ImportFault fault = ImportFault::NoSeparator;
};

struct ImportFile {
    bool notText = false;                 // binary data, not a text file: nothing is taken from it
    std::vector<ImportEntry> entries;
    std::vector<ImportProblem> problems;  // lines that were not taken, in file order
};

// Reads the text of an import file. Blank lines are skipped; every other line is an entry or a
// problem. Bytes that are not text (a NUL byte anywhere, or most lines neither UTF-8 nor Western
// text) give `notText` and no entries at all, so nothing of such a file is ever written.
ImportFile ParseImportFile(std::string_view bytes);

// Reads and parses the file at `path`; nullopt with `error` set, a message for the user, when
// it cannot be opened or read, is not a regular file (a folder, a device, a pipe), is larger
// than kMaxImportFileBytes or is not text. Never throws.
std::optional<ImportFile> ReadImportFile(const std::string& path, std::string* error);

// A short account of an import for the user: how many entries, how many of their blazons a
// drawing does not read whole (`pastReading`, counted by the caller, which knows the reader),
// and which lines were left out.
std::string DescribeImport(const ImportFile& file, const std::string& fileName, int pastReading);

}  // namespace esc::db
