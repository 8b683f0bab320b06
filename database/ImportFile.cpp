#include "database/ImportFile.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "database/BlazonSchema.h"
#include "engine/ReadFileBytes.h"
#include "engine/TextEncoding.h"

namespace esc::db {
namespace {

// Whether a line that is not UTF-8 can still be text in the Windows Western code page: no control
// byte but tab, form feed and the old end-of-file mark, and none of the five unused bytes.
bool CouldBeWesternText(std::string_view line) {
    for (char ch : line) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x20 && c != '\t' && c != '\f' && c != 0x1A) return false;
        if (c == 0x7F || IsUnusedInWindows1252(c)) return false;
    }
    return true;
}

// A file is taken for binary data when it holds a NUL byte, or when more than half of its
// non-blank lines are neither UTF-8 nor Western text.
bool LooksLikeText(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return false;
    std::size_t lines = 0, binary = 0, start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const std::string_view line = bytes.substr(start, end - start);
        if (line.find_first_not_of(" \t") != std::string_view::npos) {
            ++lines;
            if (!IsValidUtf8(line) && !CouldBeWesternText(line)) ++binary;
        }
        start = end + 1;
    }
    return binary * 2 <= lines;
}

// One line as clean UTF-8: tabs become blanks, other control characters are dropped.
std::string CleanLine(std::string_view raw) {
    const std::string text = TextAsUtf8(raw);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\t') out += ' ';
        else if (c < 0x20 || c == 0x7F) continue;
        else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) ++i;  // C1 control
        else out += static_cast<char>(c);
    }
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

void ParseLine(std::string_view raw, int number, ImportFile& file) {
    const std::string text = CleanLine(raw);
    std::string_view line = text;
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    if (Trim(line).empty()) return;
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || Utf8Length(line.substr(0, blank)) > static_cast<std::size_t>(kMaxSurnameChars)) {
        file.problems.push_back({number, ImportFault::NoSeparator});
        return;
    }
    const std::string_view blazon = Trim(line.substr(blank + 1));
    if (blazon.empty()) {
        file.problems.push_back({number, ImportFault::NoBlazon});
        return;
    }
    file.entries.push_back({std::string(line.substr(0, blank)), std::string(blazon), number});
}

}  // namespace

ImportFile ParseImportFile(std::string_view bytes) {
    ImportFile file;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (!LooksLikeText(bytes)) {
        file.notText = true;
        return file;
    }
    int number = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        ParseLine(bytes.substr(start, end - start), ++number, file);
        // CR LF, LF and CR each end one line.
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return file;
}

namespace {

std::optional<ImportFile> Refuse(std::string* error, std::string text) {
    if (error) *error = std::move(text);
    return std::nullopt;
}

}  // namespace

std::optional<ImportFile> ReadImportFile(const std::string& path, std::string* error) {
    const std::string quoted = "'" + path + "'";
    // Only a regular file is read: a named pipe cannot hold the window, a device is never read.
    const FileBytes read = ReadFileBytes(path, kMaxImportFileBytes);
    switch (read.failure) {
        case ReadFailure::None: break;
        case ReadFailure::NotAFile: {
            std::error_code ec;
            return Refuse(error, quoted + (std::filesystem::is_directory(path, ec) ? " is a folder, not a blazon file."
                                                                                   : " is not a file of blazons (a device or a pipe)."));
        }
        case ReadFailure::TooLarge: return Refuse(error, "The file " + quoted + " is too large to be a blazon file.");
        case ReadFailure::Missing:
        case ReadFailure::Unreadable: return Refuse(error, std::string(kCannotOpenImportText) + "\n" + quoted + ": " + read.error + ".");
    }
    const std::vector<std::uint8_t>& bytes = *read.bytes;
    ImportFile file = ParseImportFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (file.notText) return Refuse(error, "The file " + quoted + " is not a text file of blazons; nothing was imported.");
    return file;
}

std::string DescribeImport(const ImportFile& file, const std::string& fileName, int pastReading) {
    const std::size_t n = file.entries.size();
    std::string text = "Imported " + std::to_string(n) + (n == 1 ? " entry" : " entries") + " from '" + fileName + "'.";
    if (pastReading > 0) {
        text += '\n';
        text += std::to_string(pastReading);
        text += pastReading == 1 ? " blazon is" : " blazons are";
        text += " longer than a drawing reads; each is kept whole, and Draw asks for it shortened.";
    }
    if (!file.problems.empty()) {
        text += '\n';
        text += std::to_string(file.problems.size());
        text += file.problems.size() == 1 ? " line was" : " lines were";
        text += " left out (a surname, one blank, then the blazon):";
        constexpr std::size_t kListed = 10;
        for (std::size_t i = 0; i < file.problems.size() && i < kListed; ++i) {
            text += "\n  line ";
            text += std::to_string(file.problems[i].line);
            text += file.problems[i].fault == ImportFault::NoBlazon ? ": no blazon after the surname"
                                                                    : ": no blank after a surname of at most 30 characters";
        }
        if (file.problems.size() > kListed) text += "\n  ...";
    }
    return text;
}

}  // namespace esc::db
