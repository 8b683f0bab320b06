// How large the built charge pictures are painted where heralds put them. Every picture of the
// build's lpics folder stands in, in turn, for the escallop of a few plain blazons (alone, two,
// three set two and one, between a chevron, between a fess, on a bend, on a chief), drawn on a
// vert field with gules ordinaries and argent charges. Each charge's painted pixels are read
// from its layer record, so touching charges are told apart, and are measured against the
// field as the drawing without charges shows it:
//
// - one alone spans at least 65% of the field's width or 60% of its height; two at least 32%
//   or 30% each; three set two and one at least 27% or 25% each;
// - in every layout no charge touches (is next to, or over) another charge, anything that is
//   not its ground (the ordinary for charges between, the field for charges on an ordinary) or
//   the shield's edge.
//
// ESCAVAL_CHARGE_SIZE_TABLE=FILE writes the figures of every picture to FILE as a table.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "../interpret/TestDrawing.h"
#include "engine/LayerSink.h"

namespace esc {
namespace {

namespace fs = std::filesystem;

// The word every picture stands in for: a plain charge word with no layout of its own.
constexpr std::string_view kStandInWord = "escallops";
constexpr std::string_view kStandInFile = "escallop.esv";

// Percentages of the field a charge must span, across or down (either is enough).
struct Figure {
    double width = 0, height = 0;
};
constexpr Figure kAloneFigure{65, 60}, kTwoFigure{32, 30}, kThreeFigure{27, 25};

enum LayoutIndex { kAlone, kTwo, kThree, kBetweenChevron, kBetweenFess, kOnBend, kOnChief, kOverFess, kLayoutCount };

struct Layout {
    const char* name;
    std::string_view before, after;  // the blazon is before + the stand-in word + after
    std::string_view bare;           // the same blazon without its charges
    int count;
    bool onOrdinary;
    bool mustTouch;  // measured against a drawing with an ordinary under the charge
};

constexpr std::array<Layout, kLayoutCount> kLayouts{{
    {"alone", "Vert an ", " argent", "Vert", 1, false, false},
    {"two", "Vert two ", " argent", "Vert", 2, false, false},
    {"three", "Vert three ", " argent", "Vert", 3, false, false},
    {"between a chevron", "Vert a chevron gules between three ", " argent", "Vert a chevron gules", 3, false, false},
    {"between a fess", "Vert a fess gules between three ", " argent", "Vert a fess gules", 3, false, false},
    {"on a bend", "Vert on a bend gules three ", " argent", "Vert a bend gules", 3, true, false},
    {"on a chief", "Vert on a chief gules three ", " argent", "Vert a chief gules", 3, true, false},
    // One alone measured against a fess across its middle: the touch the test must see.
    {"alone over a fess", "Vert an ", " argent", "Vert a fess gules", 1, false, true},
}};

struct ChargeFigures {
    double width = 0, height = 0;  // the smallest charge's span, in percent of the field
    bool touches = false;
};

struct LayoutResult {
    bool drawn = false;  // the blazon placed `count` pictures and said nothing
    std::string why;     // when not drawn
    ChargeFigures figures;
};

struct PictureResult {
    std::string name;  // the first picture file with these bytes
    int aliases = 0;   // further files with the same bytes
    int width = 0, height = 0;
    std::array<LayoutResult, kLayoutCount> layouts;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The painted pixels of one drawing, as a mask over the shield.
struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    bool Empty() const { return right < left; }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

struct Mask {
    int width = 0, height = 0;
    std::vector<std::uint8_t> on;
    Box box;  // the pixels set
    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && on[static_cast<std::size_t>(y) * width + x] != 0;
    }
};

// The pixels charge `index` painted, in shield coordinates: its layer image (teal where it
// painted nothing) lies centred on the charge's placement point, as the painter put it.
Mask ChargeMask(const DrawingState& s, const LayerCollector& layers, int index) {
    static const PlacedLayer kNone;
    const PlacedLayer* found = layers.Find(index);
    const PlacedLayer& layer = found ? *found : kNone;
    Mask mask{s.picture.Width(), s.picture.Height(), {}, {}};
    mask.on.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    const int w = layer.image.Width(), h = layer.image.Height();
    const int left = layer.cx - w / 2, top = layer.cy - h / 2;
    constexpr std::uint32_t kColour = 0x00FFFFFFu;
    const std::uint32_t teal = Bitmap::Pack(kTeal) & kColour;
    for (int y = 0; y < h; ++y) {
        const int sy = top + y;
        if (sy < 0 || sy >= mask.height) continue;
        const std::uint32_t* row = layer.image.Row(y);
        for (int x = 0; x < w; ++x) {
            const int sx = left + x;
            if ((row[x] & kColour) == teal || sx < 0 || sx >= mask.width) continue;
            mask.on[static_cast<std::size_t>(sy) * mask.width + sx] = 1;
            mask.box.Add(sx, sy);
        }
    }
    return mask;
}

Box BoxOf(const Mask& mask) { return mask.box; }

// A charge touches when a pixel it painted, or one next to it, is not its ground in the
// drawing without charges, or is painted by another charge.
bool Touches(const Mask& charge, const Box& box, const Bitmap& bare, Rgb ground, const std::vector<Mask>& others) {
    const std::uint32_t groundColour = Bitmap::Pack(ground) & 0x00FFFFFFu;
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            if (!charge.At(x, y)) continue;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= bare.Width() || ny >= bare.Height()) return true;
                    if ((bare.Row(ny)[nx] & 0x00FFFFFFu) != groundColour) return true;
                    for (const Mask& other : others)
                        if (other.At(nx, ny)) return true;
                }
            }
        }
    }
    return false;
}

struct Bare {
    Bitmap picture;
    Box field;  // where the field's tincture shows on the plain field
    Rgb fieldColour;
};

class Survey {
public:
    Survey() {
        folder_ = fs::path(::testing::TempDir()) / ("escaval-charge-size-" + std::to_string(::getpid()));
        fs::create_directories(folder_ / "lpics");
        for (std::size_t i = 0; i < kLayouts.size(); ++i) bare_[i] = DrawBare(kLayouts[i].bare);
        MeasureAll();
        fs::remove_all(folder_);
    }
    const std::vector<PictureResult>& Results() const { return results_; }
    const Bare& Plain() const { return bare_[kAlone]; }

private:
    Bare DrawBare(std::string_view blazon) const {
        test::Drawing d;
        d.s().dataDir = folder_.string();
        d.Draw(blazon);
        Bare bare{d.s().picture.Copy({0, 0, d.s().picture.Width(), d.s().picture.Height()}), {}, {}};
        const ShieldGeometry& g = d.s().geometry;
        bare.fieldColour = d.At(g.W2, g.H - g.H6);  // below any chief, chevron, fess or bend
        for (int y = 0; y < bare.picture.Height(); ++y)
            for (int x = 0; x < bare.picture.Width(); ++x)
                if (bare.picture.Pixel(x, y) == bare.fieldColour) bare.field.Add(x, y);
        return bare;
    }

    void MeasureAll() {
        const fs::path lpics = fs::path(ESCAVAL_DATA_DIR) / "lpics";
        std::ifstream list(lpics / ".charge_pictures");
        std::map<std::string, std::size_t> byBytes;
        for (std::string name; std::getline(list, name);) {
            if (name.empty()) continue;
            const std::string bytes = ReadBytes(lpics / name);
            if (const auto seen = byBytes.find(bytes); seen != byBytes.end()) {
                ++results_[seen->second].aliases;
                continue;
            }
            byBytes.emplace(bytes, results_.size());
            results_.push_back(Measure(name, bytes));
        }
    }

    PictureResult Measure(const std::string& name, const std::string& bytes) const {
        PictureResult result;
        result.name = name;
        {
            std::ofstream out(folder_ / "lpics" / kStandInFile, std::ios::binary | std::ios::trunc);
            out << bytes;
        }
        test::Drawing d;  // one state for every layout, as the window keeps one
        d.s().dataDir = folder_.string();
        LayerCollector layers;
        d.s().layerSink = &layers;
        for (std::size_t i = 0; i < kLayouts.size(); ++i) {
            const Layout& layout = kLayouts[i];
            layers = LayerCollector();
            d.Draw(std::string(layout.before) + std::string(kStandInWord.substr(0, layout.count == 1 ? 8 : 9)) +
                   std::string(layout.after));
            const DrawingState& s = d.s();
            if (i == 0) {
                result.width = s.chargePicture.PW;
                result.height = s.chargePicture.PH;
            }
            LayoutResult& out = result.layouts[i];
            if (s.pictureCount != layout.count || !d.sink.messages.empty()) {
                out.why = std::to_string(s.pictureCount) + " pictures placed" +
                          (d.sink.messages.empty() ? "" : ", said: " + d.sink.messages.front());
                continue;
            }
            out.drawn = true;
            out.figures.width = out.figures.height = 1000;
            std::vector<Mask> masks;
            for (int k = 0; k < layout.count; ++k) masks.push_back(ChargeMask(s, layers, k));
            const Bare& bare = bare_[i];
            for (int k = 0; k < layout.count; ++k) {
                const Box box = BoxOf(masks[static_cast<std::size_t>(k)]);
                if (box.Empty()) {
                    out.drawn = false;
                    out.why = "charge " + std::to_string(k + 1) + " painted nothing";
                    break;
                }
                const PlacedLayer& layer = *layers.Find(k);
                const Rgb ground = layout.onOrdinary ? bare.picture.Pixel(layer.cx, layer.cy) : bare.fieldColour;
                if (layout.onOrdinary && ground == bare.fieldColour) {
                    out.drawn = false;
                    out.why = "charge " + std::to_string(k + 1) + " is not placed on the ordinary";
                    break;
                }
                std::vector<Mask> others;
                for (int o = 0; o < layout.count; ++o)
                    if (o != k) others.push_back(masks[static_cast<std::size_t>(o)]);
                out.figures.touches = out.figures.touches || Touches(masks[static_cast<std::size_t>(k)], box, bare.picture, ground, others);
                const Box& field = bare_[kAlone].field;
                out.figures.width = std::min(out.figures.width, 100.0 * box.Width() / field.Width());
                out.figures.height = std::min(out.figures.height, 100.0 * box.Height() / field.Height());
            }
        }
        return result;
    }

    fs::path folder_;
    std::array<Bare, kLayoutCount> bare_;
    std::vector<PictureResult> results_;
};

const Survey& TheSurvey() {
    static const Survey survey;
    return survey;
}

bool Meets(const ChargeFigures& f, Figure figure) { return f.width >= figure.width || f.height >= figure.height; }

std::string Percent(double value) {
    std::ostringstream out;
    out.precision(1);
    out << std::fixed << value;
    return out.str();
}

void WriteTable(const Survey& survey, const char* path) {
    std::ofstream out(path);
    const Box& field = survey.Plain().field;
    out << "# the field spans " << field.Width() << " x " << field.Height() << " pixels\n";
    out << "picture\tsize";
    for (const Layout& layout : kLayouts) out << '\t' << layout.name << " W%\tH%\ttouches";
    out << '\n';
    for (const PictureResult& r : survey.Results()) {
        out << r.name << (r.aliases > 0 ? " (+" + std::to_string(r.aliases) + ")" : "") << '\t' << r.width << 'x'
            << r.height;
        for (const LayoutResult& l : r.layouts) {
            if (!l.drawn) {
                out << "\t-\t-\t" << l.why;
                continue;
            }
            out << '\t' << Percent(l.figures.width) << '\t' << Percent(l.figures.height) << '\t'
                << (l.figures.touches ? "yes" : "no");
        }
        out << '\n';
    }
}

// The names of the pictures failing `fails`, at most a dozen, and how many in all.
template <typename Fails>
std::string Failing(const Survey& survey, Fails fails) {
    std::string names;
    int count = 0;
    for (const PictureResult& r : survey.Results()) {
        std::string why;
        if (!fails(r, why)) continue;
        if (++count <= 12) names += "\n  " + r.name + ": " + why;
    }
    if (count > 12) names += "\n  and " + std::to_string(count - 12) + " more";
    return count == 0 ? std::string() : std::to_string(count) + " pictures:" + names;
}

TEST(ChargeSizes, SurveyCoversEveryPictureOnAFieldItMeasured) {
    const Survey& survey = TheSurvey();
    if (const char* table = std::getenv("ESCAVAL_CHARGE_SIZE_TABLE")) WriteTable(survey, table);
    // The catalogue has hundreds of pictures; a handful means the list was not read.
    EXPECT_GT(survey.Results().size(), 100u);
    const Box& field = survey.Plain().field;
    EXPECT_GT(field.Width(), 300);
    EXPECT_GT(field.Height(), 350);
    EXPECT_EQ(Failing(survey,
                      [](const PictureResult& r, std::string& why) {
                          for (std::size_t i = 0; i < kLayouts.size(); ++i) {
                              if (r.layouts[i].drawn) continue;
                              why = std::string(kLayouts[i].name) + ": " + r.layouts[i].why;
                              return true;
                          }
                          return false;
                      }),
              "");
}

TEST(ChargeSizes, OneTwoAndThreeSpanTheirShareOfTheField) {
    const Survey& survey = TheSurvey();
    struct Case {
        LayoutIndex layout;
        Figure figure;
    };
    for (const Case& c : {Case{kAlone, kAloneFigure}, Case{kTwo, kTwoFigure}, Case{kThree, kThreeFigure}}) {
        SCOPED_TRACE(kLayouts[static_cast<std::size_t>(c.layout)].name);
        EXPECT_EQ(Failing(survey,
                          [&](const PictureResult& r, std::string& why) {
                              const LayoutResult& l = r.layouts[static_cast<std::size_t>(c.layout)];
                              if (!l.drawn || Meets(l.figures, c.figure)) return false;
                              why = Percent(l.figures.width) + "% of the width, " + Percent(l.figures.height) +
                                    "% of the height";
                              return true;
                          }),
                  "");
    }
}

TEST(ChargeSizes, NoChargeTouchesAnotherTheOrdinaryOrTheEdge) {
    const Survey& survey = TheSurvey();
    for (std::size_t i = 0; i < kLayouts.size(); ++i) {
        SCOPED_TRACE(kLayouts[i].name);
        const bool mustTouch = kLayouts[i].mustTouch;
        EXPECT_EQ(Failing(survey,
                          [&](const PictureResult& r, std::string& why) {
                              if (!r.layouts[i].drawn || r.layouts[i].figures.touches == mustTouch) return false;
                              why = mustTouch ? "not seen touching the fess it lies over" : "touches";
                              return true;
                          }),
                  "");
    }
}

TEST(ChargeSizes, ACentralChargeSpansNoLessThanTheChargesRoundIt) {
    // The charge a blazon names first is the principal one: charges set round it span no more.
    for (const std::string_view blazon : {"Or a greyhound courant sable between three escallops gules",
                                          "Argent a lion rampant gules between three roses azure",
                                          "Azure a martlet or between three mullets argent"}) {
        SCOPED_TRACE(blazon);
        test::Drawing d;
        LayerCollector layers;
        d.s().layerSink = &layers;
        d.Draw(blazon);
        const DrawingState& s = d.s();
        ASSERT_EQ(s.pictureCount, 4);
        const Box centre = BoxOf(ChargeMask(s, layers, 0));
        ASSERT_FALSE(centre.Empty());
        for (int k = 1; k < 4; ++k) {
            const Box round = BoxOf(ChargeMask(s, layers, k));
            ASSERT_FALSE(round.Empty()) << "charge " << k + 1;
            EXPECT_GE(std::max(centre.Width(), centre.Height()), std::max(round.Width(), round.Height()))
                << "charge " << k + 1;
        }
    }
}

}  // namespace
}  // namespace esc
