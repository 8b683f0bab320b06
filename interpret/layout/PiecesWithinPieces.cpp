#include "interpret/layout/PiecesWithinPieces.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/MessageSink.h"
#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/PartitionLine.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

constexpr std::int8_t kPieceUnmarked = -100, kPieceMark = 2;

bool IsRunOfBendlets(ShapeCode code) { return code == ShapeCode::kBendlets || code == ShapeCode::kBendletsSinister; }

// The count of the outer run when the words hold "within N <pieces>, as many <the same
// pieces>"; 0 otherwise.
int OuterCount(const DrawingState& s) {
    for (int i = 0; i + 2 < s.wordCount; ++i) {
        if (!EqualsIgnoringCase(s.Word(i), "within") || s.Type(i + 1) != kTypeNumber || s.Type(i + 2) != kTypeOrdinary) continue;
        const int piece = s.Sub1(i + 2);
        if (!IsRunOfBendlets(ShapeOfCode(piece))) continue;
        for (int j = i + 3; j + 2 < s.wordCount; ++j)
            if (EqualsIgnoringCase(s.Word(j), "as") && EqualsIgnoringCase(s.Word(j + 1), "many") &&
                s.Type(j + 2) == kTypeOrdinary && s.Sub1(j + 2) == piece)
                return s.Sub1(i + 1);
    }
    return 0;
}

// Along a bendlet x * H - y * W stays the same (x * H + y * W along a bendlet sinister): the
// measure across the run.
long long Across(const DrawingState& s, std::size_t i) {
    const ShieldGeometry& g = s.geometry;
    const long long x = static_cast<long long>(i % static_cast<std::size_t>(g.W)), y = static_cast<long long>(i / static_cast<std::size_t>(g.W));
    return s.shapeCode == ShapeCode::kBendletsSinister ? x * g.H + y * g.W : x * g.H - y * g.W;
}

// The middle, across the run, of each of `total` pieces of the current level, drawn alone and
// plain (a line's teeth would close the gaps between them): the runs of the measure between
// the widest gaps, in order across.
std::vector<long long> PieceMiddles(const DrawingState& s, int total) {
    NullSink sink;
    PaintState mask(sink);
    mask.marshallingMode = s.marshallingMode;
    if (mask.picture.Width() != s.picture.Width() || mask.picture.Height() != s.picture.Height())
        (void)mask.picture.Resize(s.picture.Width(), s.picture.Height());
    DrawShieldOutline(mask);
    std::fill(mask.pictureBuffer.begin(), mask.pictureBuffer.end(), kPieceUnmarked);
    mask.level = 0;
    mask.levels[0] = s.levels[static_cast<std::size_t>(s.level)];
    mask.levels[0].levelCount = total;
    mask.levels[0].levelLine = kPlainLine;
    mask.levelTincture[0] = kPieceMark;
    mask.shapeCode = s.shapeCode;
    mask.lineCode = kPlainLine;
    DrawOrdinary(mask, {mask.shapeCode, false});
    std::vector<long long> across;
    for (std::size_t i = 0; i < mask.pictureBuffer.size(); ++i)
        if (mask.pictureBuffer[i] == kPieceMark) across.push_back(Across(s, i));
    std::vector<long long> middles;
    if (across.size() < static_cast<std::size_t>(total)) return middles;
    std::sort(across.begin(), across.end());
    std::vector<std::pair<long long, std::size_t>> gaps;  // (gap, index of the first after it)
    for (std::size_t k = 1; k < across.size(); ++k) gaps.emplace_back(across[k] - across[k - 1], k);
    std::sort(gaps.begin(), gaps.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::size_t> cuts = {0};
    for (std::size_t k = 0; k + 1 < static_cast<std::size_t>(total); ++k) cuts.push_back(gaps[k].second);
    cuts.push_back(across.size());
    std::sort(cuts.begin(), cuts.end());
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) middles.push_back((across[cuts[k]] + across[cuts[k + 1] - 1]) / 2);
    return middles;
}

}  // namespace

bool PiecesWithinPiecesLayout(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelIn || level.levelOn || !IsRunOfBendlets(s.shapeCode)) return false;
    const int outer = OuterCount(s);
    if (outer < 2 || outer % 2 != 0) return false;
    // The outer run is the first of the two phrases, the inner one the phrase after it.
    const bool inner = s.level > 0 && phrase::Previous(s).levelKind == kTypeOrdinary && phrase::Previous(s).levelCount == outer &&
                       phrase::Previous(s).levelName == level.levelName;
    if (level.levelCount != outer) return false;
    const int total = 2 * outer;
    const std::vector<long long> middles = PieceMiddles(s, total);
    if (static_cast<int>(middles.size()) != total) return false;
    // A pixel belongs to the piece whose middle is nearest across the run.
    const auto kept = [&](std::size_t i) {
        const long long a = Across(s, i);
        int piece = 0;
        for (int k = 1; k < total; ++k)
            if (std::llabs(middles[static_cast<std::size_t>(k)] - a) < std::llabs(middles[static_cast<std::size_t>(piece)] - a)) piece = k;
        const bool outerPiece = piece < outer / 2 || piece >= total - outer / 2;
        return outerPiece != inner;
    };
    NoteLayout(s, std::string(inner ? "InnerPieces(" : "OuterPieces(") + std::to_string(total) + ")");
    // The bitmap the painter writes to: the shield's picture, or the achievement's with the
    // shield's pixel (x, y) at (x - offsetX, y - offsetY).
    const bool achievement = s.view == OutputView::Achievement;
    Bitmap* target = achievement ? s.achievement : &s.picture;
    const int offsetX = achievement ? s.achievementOffsetX : 0, offsetY = achievement ? s.achievementOffsetY : 0;
    const Bitmap before = target != nullptr ? *target : Bitmap();
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    LevelRecord& drawn = phrase::Current(s);
    drawn.levelCount = total;
    DrawOrdinary(s, {s.shapeCode, false});
    drawn.levelCount = outer;
    const int w = s.geometry.W;
    for (std::size_t i = 0; i < s.pictureBuffer.size() && i < codesBefore.size(); ++i) {
        if (kept(i)) continue;
        const int x = static_cast<int>(i % static_cast<std::size_t>(w)) - offsetX;
        const int y = static_cast<int>(i / static_cast<std::size_t>(w)) - offsetY;
        s.pictureBuffer[i] = codesBefore[i];
        if (target != nullptr && before.Contains(x, y)) target->SetPixel(x, y, before.Pixel(x, y));
    }
    return true;
}

}  // namespace esc
