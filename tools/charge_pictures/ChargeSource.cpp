#include "ChargeSource.h"

#include <cstdio>

#include <algorithm>
#include <charconv>

namespace charge_pictures {
namespace {

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

Checked<std::string> NamePartError(std::string_view whole, std::string_view part, std::string_view what,
                                   std::size_t limit) {
    if (part.empty()) return {{}, "picture name \"" + std::string(whole) + "\" has an empty " + std::string(what)};
    if (part.size() > limit) {
        return {{}, "picture name \"" + std::string(whole) + "\": the " + std::string(what) + " \"" +
                        std::string(part) + "\" is longer than " + std::to_string(limit) + " characters"};
    }
    for (char c : part) {
        if (!IsNameChar(c)) {
            return {{}, "picture name \"" + std::string(whole) +
                            "\" may hold only lower-case letters, digits, '-' and '_' around one dot"};
        }
    }
    return {};
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string DecodeEntities(std::string_view text) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, c] : kEntities) {
                if (text.substr(i, entity.size()) == entity) {
                    out += c;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

// Skips "<?...?>", "<!--...-->" and "<!DOCTYPE ...>" (with an internal subset in brackets).
// Returns the position of the root element's '<', or npos.
std::size_t FindRootElement(std::string_view text) {
    std::size_t at = 0;
    while (true) {
        at = text.find('<', at);
        if (at == std::string_view::npos) return at;
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("<?")) {
            at = text.find("?>", at);
            if (at == std::string_view::npos) return at;
            at += 2;
        } else if (rest.starts_with("<!--")) {
            at = text.find("-->", at);
            if (at == std::string_view::npos) return at;
            at += 3;
        } else if (rest.starts_with("<!")) {
            int depth = 0;
            for (++at; at < text.size(); ++at) {
                if (text[at] == '[') ++depth;
                if (text[at] == ']') --depth;
                if (text[at] == '>' && depth <= 0) break;
            }
            if (at >= text.size()) return std::string_view::npos;
            ++at;
        } else {
            return at;
        }
    }
}

Checked<std::uint8_t> HeaderByte(const std::map<std::string, std::string>& attributes, const std::string& name) {
    const auto found = attributes.find(name);
    if (found == attributes.end()) return {};
    std::string_view text = found->second;
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 || value > 255) {
        return {0, "attribute " + name + "=\"" + found->second + "\" is not a byte value (0 to 255, or 0x00 to 0xff)"};
    }
    return {static_cast<std::uint8_t>(value), {}};
}

}  // namespace

Checked<std::string> PictureFileName(std::string_view pictureName) {
    const std::size_t dot = pictureName.find('.');
    const std::string_view stem = pictureName.substr(0, dot);
    const std::string_view variant =
        dot == std::string_view::npos ? kDefaultVariant : pictureName.substr(dot + 1);
    if (variant.find('.') != std::string_view::npos) {
        return {{}, "picture name \"" + std::string(pictureName) + "\" has more than one dot"};
    }
    if (auto error = NamePartError(pictureName, stem, "stem", kMaxStemChars); !error.ok()) return error;
    if (auto error = NamePartError(pictureName, variant, "variant", kMaxVariantChars); !error.ok()) return error;
    return {std::string(stem) + "." + std::string(variant), {}};
}

Checked<std::map<std::string, std::string>> RootAttributes(std::string_view svgText) {
    Checked<std::map<std::string, std::string>> result;
    std::size_t at = FindRootElement(svgText);
    if (at == std::string_view::npos) {
        result.error = "no root element";
        return result;
    }
    ++at;
    while (at < svgText.size() && !IsSpace(svgText[at]) && svgText[at] != '>' && svgText[at] != '/') ++at;
    while (true) {
        while (at < svgText.size() && IsSpace(svgText[at])) ++at;
        if (at >= svgText.size()) {
            result.error = "the root element's start tag is not closed";
            return result;
        }
        if (svgText[at] == '>' || svgText[at] == '/') return result;
        const std::size_t nameStart = at;
        while (at < svgText.size() && !IsSpace(svgText[at]) && svgText[at] != '=' && svgText[at] != '>') ++at;
        const std::string name(svgText.substr(nameStart, at - nameStart));
        while (at < svgText.size() && IsSpace(svgText[at])) ++at;
        if (at >= svgText.size() || svgText[at] != '=') {
            result.error = "attribute " + name + " of the root element has no value";
            return result;
        }
        ++at;
        while (at < svgText.size() && IsSpace(svgText[at])) ++at;
        if (at >= svgText.size() || (svgText[at] != '"' && svgText[at] != '\'')) {
            result.error = "attribute " + name + " of the root element is not quoted";
            return result;
        }
        const char quote = svgText[at++];
        const std::size_t close = svgText.find(quote, at);
        if (close == std::string_view::npos) {
            result.error = "attribute " + name + " of the root element is not closed";
            return result;
        }
        result.value[name] = DecodeEntities(svgText.substr(at, close - at));
        at = close + 1;
    }
}

Checked<ChargeSource> DescribeChargeSource(std::string_view sourceFileName, std::string_view svgText) {
    Checked<ChargeSource> result;
    if (!sourceFileName.ends_with(".svg")) {
        result.error = "the source's name does not end in \".svg\"";
        return result;
    }
    const Checked<std::string> ownName = PictureFileName(sourceFileName.substr(0, sourceFileName.size() - 4));
    if (!ownName.ok()) {
        result.error = ownName.error;
        return result;
    }
    result.value.fileNames.push_back(ownName.value);

    const auto attributes = RootAttributes(svgText);
    if (!attributes.ok()) {
        result.error = attributes.error;
        return result;
    }
    if (const auto also = attributes.value.find("data-also"); also != attributes.value.end()) {
        std::string_view list = also->second;
        while (!list.empty()) {
            const std::size_t start = list.find_first_not_of(" \t\r\n");
            if (start == std::string_view::npos) break;
            list.remove_prefix(start);
            const std::size_t end = std::min(list.find_first_of(" \t\r\n"), list.size());
            const Checked<std::string> name = PictureFileName(list.substr(0, end));
            if (!name.ok()) {
                result.error = "data-also: " + name.error;
                return result;
            }
            auto& names = result.value.fileNames;
            if (std::find(names.begin(), names.end(), name.value) == names.end()) names.push_back(name.value);
            list.remove_prefix(end);
        }
    }

    std::uint8_t* const bytes[] = {&result.value.header.o1, &result.value.header.o2, &result.value.header.o3,
                                   &result.value.header.turn};
    const char* const names[] = {"data-o1", "data-o2", "data-o3", "data-turn"};
    for (int i = 0; i < 4; ++i) {
        const Checked<std::uint8_t> byte = HeaderByte(attributes.value, names[i]);
        if (!byte.ok()) {
            result.error = byte.error;
            return result;
        }
        *bytes[i] = byte.value;
    }
    if (const auto room = attributes.value.find("data-room"); room != attributes.value.end()) {
        DrawingRoom disc;
        char extra = 0;
        if (std::sscanf(room->second.c_str(), "%lf %lf %lf %c", &disc.x, &disc.y, &disc.radius, &extra) != 3 ||
            disc.radius <= 0) {
            result.error = "data-room \"" + room->second + "\" is not three numbers \"cx cy r\" with r above 0";
            return result;
        }
        result.value.room = disc;
    }
    return result;
}

}  // namespace charge_pictures
