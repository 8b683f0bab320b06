// The measures of a level's charge picture: its drawn extent and rows, kept in the drawing's
// state from drawing to drawing, and which parts (second tincture, detail) it has.

#include "interpret/layout/Placement.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>
#include "engine/ChargePicture.h"
#include "interpret/layout/AttachedCharges.h"
#include "engine/Messages.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/phrase/Combatant.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/phrase/Fimbriated.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/phrase/VoidedCharge.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;

// Colour indices of a charge picture that are drawn: outline, second part, body and detail.
bool IsDrawnIndex(std::uint8_t index) {
    constexpr unsigned kDrawn = 1u << 0 | 1u << 10 | 1u << 11 | 1u << 14;
    return index < 16 && ((kDrawn >> index) & 1u) != 0;
}

namespace {

// The extent of the decoded picture `p` and each row's drawn span, into `out`.
void MeasurePicture(const ChargePicture& p, PictureMeasure& out) {
    PictureExtent& extent = out.extent;
    extent = {p.PW, p.PH, p.PH, -1, 0, 0, p.PW, -1};
    long long columns[2] = {0, 0}, counts[2] = {0, 0};
    // Row by row: the row's first and last drawn pixels found from each end, then the drawn
    // pixels between them counted and their columns summed without a branch.
    const int width = std::max(p.PW, 0);
    const int rows = width == 0 ? 0 : static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(std::max(p.PH, 0)), p.buffer.size() / static_cast<std::size_t>(width)));
    out.rows.assign(static_cast<std::size_t>(std::max(p.PH, 0)), RowSpan{});
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* row = p.buffer.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        int first = 0, last = width - 1;
        while (first < width && !IsDrawnIndex(row[first])) ++first;
        if (first == width) continue;
        while (!IsDrawnIndex(row[last])) --last;
        out.rows[static_cast<std::size_t>(y)] = {first, last};
        long long sum = 0;
        int count = 0;
        for (int x = first; x <= last; ++x) {
            const int drawn = IsDrawnIndex(row[x]) ? 1 : 0;
            count += drawn;
            sum += drawn * x;
        }
        extent.firstRow = std::min(extent.firstRow, y);
        extent.lastRow = y;
        extent.firstColumn = std::min(extent.firstColumn, first);
        extent.lastColumn = std::max(extent.lastColumn, last);
        extent.drawnPixels += count;
        const int half = 2 * y < p.PH ? 0 : 1;
        columns[half] += sum;
        counts[half] += count;
    }
    if (counts[0] > 0 && counts[1] > 0) extent.lean = static_cast<int>(columns[0] / counts[0] - columns[1] / counts[1]);
}

}  // namespace

namespace {

// The measure of the picture just read from `file` at paint scale k: the one kept from an
// earlier drawing when its picture is the same pixel for pixel (comparing is much quicker than
// measuring), else measured and kept.
const PictureMeasure& MeasureOf(const ChargePicture& p, MeasuredPicture& kept, const std::string& file, double k) {
    constexpr std::size_t kMostKept = 256;  // more pictures than a drawing uses; past it all are measured anew
    const std::size_t area = static_cast<std::size_t>(std::max(p.PW, 0)) * static_cast<std::size_t>(std::max(p.PH, 0));
    const std::size_t n = std::min(area, p.buffer.size());
    auto found = kept.byFile.find({file, k});
    if (found != kept.byFile.end()) {
        const PictureMeasure& m = found->second;
        if (m.PW == p.PW && m.PH == p.PH && m.pixels.size() == n && std::equal(m.pixels.begin(), m.pixels.end(), p.buffer.begin()))
            return m;
    } else {
        if (kept.byFile.size() >= kMostKept) kept.byFile.clear();
        found = kept.byFile.try_emplace({file, k}).first;
    }
    PictureMeasure& m = found->second;
    MeasurePicture(p, m);
    m.PW = p.PW;
    m.PH = p.PH;
    m.pixels.assign(p.buffer.begin(), p.buffer.begin() + static_cast<std::ptrdiff_t>(n));
    return m;
}

}  // namespace

bool LevelPictureExtent(DrawingState& s, PictureExtent& extent, std::vector<RowSpan>* rowSpans) {
    const LevelRecord& level = Current(s);
    if (level.levelKind == 0 || level.levelKind == kTypeRoundel) return false;
    std::string name = level.levelName.str();
    if (!name.empty() && name.back() == 's') name.pop_back();
    const std::string_view variant = level.levelVariant.empty() ? std::string_view("esv") : level.levelVariant.view();
    for (const std::string& file : PictureFileNames(name, variant)) {
        if (ReadGifPicture(s, file) != 0) {
            if (s.chargePicture.verdict == PictureVerdict::Damaged) return false;  // no other name stands in
            continue;
        }
        // The buffer now holds this picture; the next placement decodes its own again.
        s.pictureLoaded = false;
        // The layouts of a level measure its picture again and again: the last measure is kept
        // for the drawing (a picture file read twice in one drawing is the same picture).
        if (!s.measuredPicture) s.measuredPicture = std::make_shared<MeasuredPicture>();
        MeasuredPicture& kept = *s.measuredPicture;
        if (kept.last == nullptr || kept.file != file || kept.k != s.geometry.k) {
            kept.file.clear();
            kept.last = &MeasureOf(s.chargePicture, kept, file, s.geometry.k);
            kept.file = file;
            kept.k = s.geometry.k;
        }
        extent = kept.last->extent;
        if (rowSpans != nullptr) *rowSpans = kept.last->rows;
        return extent.width > 0 && extent.lastRow >= extent.firstRow;
    }
    s.pictureLoaded = false;
    return false;
}

PicturePart LevelPictureHasPart(DrawingState& s, std::uint8_t index) {
    const LevelRecord& level = Current(s);
    if (level.levelKind == 0 || level.levelKind == kTypeRoundel) return PicturePart::NoPicture;
    std::string name = level.levelName.str();
    if (!name.empty() && name.back() == 's') name.pop_back();
    const std::string_view variant = level.levelVariant.empty() ? std::string_view("esv") : level.levelVariant.view();
    for (const std::string& file : PictureFileNames(name, variant)) {
        if (ReadGifPicture(s, file) != 0) {
            if (s.chargePicture.verdict == PictureVerdict::Damaged) break;
            continue;
        }
        s.pictureLoaded = false;  // the next placement decodes its own picture again
        const std::vector<std::uint8_t>& buffer = s.chargePicture.buffer;
        const std::size_t size = std::min(buffer.size(), static_cast<std::size_t>(std::max(s.chargePicture.PW, 0)) *
                                                              static_cast<std::size_t>(std::max(s.chargePicture.PH, 0)));
        const bool found = std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(size), index) !=
                           buffer.begin() + static_cast<std::ptrdiff_t>(size);
        return found ? PicturePart::Drawn : PicturePart::NotDrawn;
    }
    s.pictureLoaded = false;
    return PicturePart::NoPicture;
}

}  // namespace esc
