// The diminutives of the ordinaries and their breadths.

#include "engine/Diminutives.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/OrdinaryShapes.h"
#include "engine/PartitionLineBand.h"

namespace esc {

namespace {

// The breadths as the manuals give them: the closet half a bar and the barrulet a quarter; the
// endorse half a pallet; the riband half a bendlet; the couple-close half a chevronel; the flasque
// reaches three fifths as far in as the flaunch.
constexpr std::array kDiminutives = {
    Diminutive{"barrulet", "bars", 25},
    Diminutive{"closet", "bars", 50},
    Diminutive{"endorse", "pallets", 50},
    Diminutive{"riband", "", 50},
    Diminutive{"ribbon", "", 50},
    Diminutive{"coupleclose", "", 50},
    Diminutive{"flasque", "", 60},
};

std::string_view Singular(std::string_view name) {
    if (name.size() > 1 && name.back() == 's') name.remove_suffix(1);
    return name;
}

}  // namespace

const Diminutive* FindDiminutive(std::string_view levelName) {
    const std::string_view key = Singular(levelName);
    for (const Diminutive& d : kDiminutives)
        if (d.word == key || d.word == levelName) return &d;
    return nullptr;
}

int BreadthPercentOf(std::string_view levelName) {
    const Diminutive* d = FindDiminutive(levelName);
    return d != nullptr ? d->breadthPercent : 100;
}

bool NamesBars(std::string_view levelName) {
    if (levelName == "bars") return true;
    const Diminutive* d = FindDiminutive(levelName);
    return d != nullptr && d->drawnAs == "bars";
}

bool NamesWholeChevrons(std::string_view levelName) {
    return levelName == "chevrons" || levelName == "cheverons";
}

bool NamesPallets(std::string_view levelName) {
    if (levelName == "pallet" || levelName == "pallets") return true;
    const Diminutive* d = FindDiminutive(levelName);
    return d != nullptr && d->drawnAs == "pallets";
}

int BreadthBeside(const ShieldGeometry& g, ShapeCode flanked, std::string_view levelName) {
    const double D = g.chiefDepth, acrossRow = g.H / std::hypot(g.W, g.H);
    double half = 0;  // the piece of full breadth, half its ordinary
    switch (flanked) {
        case kFess: half = D / 2; break;                     // a bar
        case kPale: half = shapes::PaleHalfWidth(g); break;  // a pallet
        case kBend:
        case kBendSinister: half = (D + g.Px(10)) / 2 * acrossRow; break;  // a bendlet
        case kChevron: half = (D + g.Px(30)) * 0.766 / 2; break;           // a chevronel, limbs falling 40 degrees
        default: return 0;
    }
    const int percent = std::clamp(BreadthPercentOf(levelName), 1, 100);
    return std::max(1, static_cast<int>(std::lround(half * percent / 100)));
}

void DrawPiecesWithin(PaintState& s, PiecesRun run, Rect area) {
    using namespace shapes;
    const bool across = run == PiecesRun::Across;
    const int from = across ? area.top : area.left, to = across ? area.bottom : area.right;
    const Spread spread = NarrowedToBreadth(s, SpreadPieces(RepeatCount(s), from, to, s.geometry.chiefDepth / 2));
    const ShapeOutline o = OutlineOfState(s);
    for (const int c : spread.centres) {
        // Each piece takes the level's line anew, as the bars on the field do.
        s.lineCode = s.CurrentLevel().levelLine;
        s.lineRepeats = s.CurrentLevel().levelLineRepeats;
        if (across) {
            Band(s, o, area.left, c, area.right, c, spread.width);
        } else {
            Band(s, o, c, area.top, c, area.bottom, spread.width);
        }
    }
}

namespace shapes {

int PieceBreadth(const PaintState& state, int usual) {
    const int percent = std::clamp(BreadthPercentOf(state.CurrentLevel().levelName.view()), 1, 100);
    return std::max(1, usual * percent / 100);
}

int SlantedPieceWidth(const PaintState& state, int width) {
    if (BreadthPercentOf(state.CurrentLevel().levelName.view()) >= 100) return width;
    const int trimFrom = state.geometry.Px(band::kSlantedTrimFrom), trim = state.geometry.Px(band::kSlantedTrim);
    const int drawn = PieceBreadth(state, width > trimFrom ? width - trim : width);
    return drawn > trimFrom ? drawn + trim : drawn;
}

Spread NarrowedToBreadth(const PaintState& state, Spread spread) {
    spread.width = PieceBreadth(state, spread.width);
    return spread;
}

}  // namespace shapes

}  // namespace esc
