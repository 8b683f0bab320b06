#include "shell/compose/SavePicture.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/PaintState.h"
#include "engine/TextEncoding.h"
#include "shell/compose/Achievement.h"

namespace esc::compose {
namespace {

constexpr char kReplacementChar = '_';

bool RefusedInFileName(char32_t c) {
    // Windows refuses these in any name; the separators would leave the folder on any system.
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == kReplacementCharacter) return true;
    return c < 0x80 && std::strchr("<>:\"/\\|?*", static_cast<int>(c)) != nullptr;
}

bool NameTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

TextStyle SaveNameStyle() {
    TextStyle style;
    style.face = Face::Blackletter;
    style.pixelSize = PointsToPixels(kSaveNamePoints, kScreenDpi);
    style.vertical = VerticalAlign::Top;
    return style;
}

std::string SafeNamePrefix(std::string_view surname) {
    std::vector<char32_t> chars = DecodeUtf8(surname);
    if (chars.size() > static_cast<std::size_t>(kNamePrefixChars)) chars.resize(kNamePrefixChars);
    std::string prefix;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i];
        const bool dot = c == U'.';
        // A leading dot hides the file; ".." next to a separator would climb out of the folder.
        const bool badDot = dot && (i == 0 || chars[i - 1] == U'.' || (i + 1 < chars.size() && chars[i + 1] == U'.'));
        if (RefusedInFileName(c) || badDot) c = kReplacementChar;
        AppendUtf8(prefix, c);
    }
    return prefix;
}

const char* ExtensionOf(PictureFormat format) { return format == PictureFormat::Png ? ".png" : ".bmp"; }

std::string SaveFileName(std::string_view prefix, int number, PictureFormat format) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", std::clamp(number, 0, kMaxSaveNumber));
    return std::string(prefix) + digits + ExtensionOf(format);
}

std::optional<std::string> ChooseSaveFileName(const std::string& folder, std::string_view surname, PictureFormat format) {
    const std::string prefix = SafeNamePrefix(surname);
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (int number = 0; number <= kMaxSaveNumber; ++number) {
        std::string name = SaveFileName(prefix, number, format);
        if (!NameTaken(base + name)) return name;
    }
    return std::nullopt;
}

void WhitenCornersBelowBase(Bitmap& source) {
    const int h = source.Height();
    // The corners grow with the picture's paint scale.
    const int cornerRows = static_cast<int>(static_cast<long long>(kCornerRows) * std::max(source.Width(), kImageWidth) / kImageWidth);
    for (int x = 0; x < source.Width(); ++x)
        for (int y = h - 1; y > h - cornerRows && y >= 0 && source.Pixel(x, y) != kBlack; --y) source.SetPixel(x, y, kWhite);
}

Bitmap AchievementSaveSource(const Bitmap& capture) {
    Bitmap source(capture.Width() + 1, capture.Height() + 1, kWhite);
    source.Draw(capture, 0, 0);
    return source;
}

Rect SaveScrollRect(int sw, int sh, double scale) {
    const int margin = AtScale(kSaveMargin, scale);
    return {margin, sh, sw - margin, sh + AtScale(kScrollBand, scale) + AtScale(kScrollOverhang, scale)};
}

Bitmap ComposeSaveLayout(const Bitmap& source, SaveLayout layout, std::string_view surname, const TextPainter& text,
                         const Bitmap* scroll, TextResult* textResult, double scale) {
    const int sw = source.Width(), sh = source.Height();
    const int margin = AtScale(kSaveMargin, scale), gap = AtScale(kNameGap, scale);
    const std::string name = LetterSpacedName(surname);
    TextStyle style = SaveNameStyle();
    style.pixelSize *= scale;
    const int th = text.Measure(name, style).height;
    auto writeName = [&](Bitmap& out, int top) {
        // Centred across the whole output: name x = (width - text width) / 2.
        const TextResult r = text.Paint(out, name, style, Rect{0, top, out.Width(), top + th});
        if (textResult) *textResult = r;
    };

    Bitmap out;
    switch (layout) {
        case SaveLayout::NoName:
            out = Bitmap(sw, sh, kWhite);
            out.StretchDraw(source, {margin, margin, sw - margin, sh - margin});
            break;
        case SaveLayout::NameAbove:
            out = Bitmap(sw, th + sh + gap, kWhite);
            writeName(out, 0);
            out.StretchDraw(source, {margin, th + gap, sw - margin, out.Height() - margin});
            break;
        case SaveLayout::NameBelow:
            out = Bitmap(sw, th + sh + gap, kWhite);
            out.StretchDraw(source, {margin, margin, sw - margin, sh});
            writeName(out, out.Height() - th);
            break;
        case SaveLayout::NameBelowWithScroll:
            out = Bitmap(sw, sh + AtScale(kScrollBand, scale), kWhite);
            out.StretchDraw(source, {margin, margin, sw - margin, sh});
            if (scroll && !scroll->Empty()) out.StretchDraw(*scroll, SaveScrollRect(sw, sh, scale), kScrollTransparent);
            writeName(out, out.Height() - AtScale(kScrollNameRise, scale));
            break;
    }
    return out;
}

Bitmap PreviewOf(const Bitmap& output, int width, int height) {
    Bitmap preview(width, height, kWhite);
    preview.StretchDraw(output, {kSaveMargin, kSaveMargin, width - kSaveMargin, height - kSaveMargin});
    return preview;
}

}  // namespace esc::compose
