// The achievement: the key colours of the mantle, its places in the window's design, the surname
// on the scroll, and the switch in the window between the normal view and the achievement.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/Palette.h"
#include "shell/app/HeadlessWindow.h"
#include "shell/app/WindowController.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"
#include "shell/compose/Achievement.h"
#include "shell/compose/TextPainter.h"
#include "tests/shell/app/TestPictures.h"

namespace esc::compose {
namespace {

namespace fs = std::filesystem;

constexpr Rgb kGrey{128, 128, 128}, kYellow{255, 255, 0}, kRed{255, 0, 0}, kCyan{0, 255, 255};
const WindowLayout kDesign{};

// A template of the design's size with one band of each key colour across it, rows kBandTop
// and down, each kBandHeight rows; white elsewhere. The bands lie above the shield's place, so
// nothing covers them on the window.
constexpr int kMantleW = 497, kMantleH = 545, kBandTop = 10, kBandHeight = 6;
const Rgb kBands[] = {kBlack,        kKeyRed, kKeyNavy, kKeyDarkGreen, kKeySilver, kKeyBlue,
                      kKeyFirst,     kKeySecond, Rgb{20, 0, 0}, Rgb{8, 0, 0}, Rgb{90, 60, 30}};

Bitmap BandedTemplate() {
    Bitmap mantle(kMantleW, kMantleH, kWhite);
    for (std::size_t i = 0; i < std::size(kBands); ++i)
        mantle.FillRect({0, kBandTop + static_cast<int>(i) * kBandHeight, kMantleW, kBandTop + (static_cast<int>(i) + 1) * kBandHeight},
                        kBands[i]);
    return mantle;
}

int BandRow(std::size_t band) { return kBandTop + static_cast<int>(band) * kBandHeight + kBandHeight / 2; }

struct Composed {
    Bitmap surface{kDesign.width, kDesign.height, kTeal};
    Bitmap shield{kImageWidth, kPictureHeight, kTeal};
    Bitmap mantle = BandedTemplate();
    Achievement result;
};

Composed Compose(int first, int second, const std::string& surname = "", const TextPainter* text = nullptr,
                 const Bitmap* scroll = nullptr) {
    Composed c;
    AchievementInputs in;
    in.shield = &c.shield;
    in.firstTincture = first;
    in.secondTincture = second;
    in.mantle = &c.mantle;
    in.scroll = scroll;
    in.surname = surname;
    c.result = ComposeAchievement(c.surface, in, text, kDesign);
    return c;
}

TEST(AchievementKeys, EachKeyColourStandsForItsTincture) {
    const struct {
        const char* name;
        Rgb pixel;
        int first, second, code;
    } cases[] = {
        {"white is transparent", kWhite, kOr, kGules, kTransparentKey},
        {"black lines", kBlack, kOr, kGules, kSable},
        {"black lines grey, sable first", kBlack, kSable, kOr, kGreyLines},
        {"black lines grey, sable second", kBlack, kArgent, kSable, kGreyLines},
        {"red is sable", kKeyRed, kOr, kGules, kSable},
        {"navy is azure", kKeyNavy, kOr, kGules, kAzure},
        {"dark green is argent", kKeyDarkGreen, kOr, kGules, kArgent},
        {"silver is argent", kKeySilver, kOr, kGules, kArgent},
        {"blue is code 11", kKeyBlue, kOr, kGules, kPean},
        {"yellow is the first tincture", kKeyFirst, kVert, kErmine, kVert},
        {"lime is the second tincture", kKeySecond, kVert, kErmine, kErmine},
        {"a value of 1 is code 1", Rgb{1, 0, 0}, kOr, kGules, 1},
        {"a value of 20 is code 20", Rgb{20, 0, 0}, kOr, kGules, 20},
        {"a value of 21 is argent", Rgb{21, 0, 0}, kOr, kGules, kArgent},
        {"a green value is argent", Rgb{0, 1, 0}, kOr, kGules, kArgent},
        {"any other colour is argent", Rgb{90, 60, 30}, kOr, kGules, kArgent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MantleKeyCode(c.pixel, c.first, c.second), c.code);
    }
    for (int code = 0; code <= 20; ++code) {
        SCOPED_TRACE(code);
        const KeyPaint expected = code == 20 ? KeyPaint::NotDrawn
                                  : (code <= kCounterchanged || code == kPean) ? KeyPaint::Plain
                                                                               : KeyPaint::RowPainter;
        EXPECT_EQ(KeyPaintOf(code), expected);
    }
}

// The design layout: the shield 240 wide from x 396, the scroll from x 288, the mantle centred
// from the panel down, the capture to 48 rows above the window's foot.
TEST(AchievementLayout, DesignPlaces) {
    EXPECT_EQ(AchievementShieldRect(kDesign, kPictureHeight), (Rect{396, 359, 636, 667}));
    const Composed c = Compose(kOr, kGules);
    EXPECT_EQ(c.result.shieldRect.left, 396);
    EXPECT_EQ(c.result.shieldRect.Width(), 240);
    EXPECT_EQ(c.result.scrollRect, (Rect{288, 667 - 21, 288 + 460, 667 - 21 + 95}));
    EXPECT_EQ(c.result.mantleRect, (Rect{(1036 - kMantleW) / 2, 160, (1036 - kMantleW) / 2 + kMantleW, 160 + kMantleH}));
    EXPECT_EQ(c.result.captureRect, (Rect{(1036 - kMantleW) / 2, 160, (1036 - kMantleW) / 2 + kMantleW, 768 - 48}));
    EXPECT_EQ(c.result.capture.Width(), kMantleW);
    EXPECT_EQ(c.result.capture.Height(), 768 - 208);
    // A marshalled picture is shorter, and so is its rectangle.
    EXPECT_EQ(AchievementShieldRect(kDesign, kMarshallingPictureHeight).bottom, static_cast<int>(481 * 0.62 + 359 - 15));
}

// The picture is stretched into the rectangle: its four quarters land in the rectangle's quarters.
// Below the base only the picture's teal is replaced by the backdrop beside it (taken 300 columns
// to the left), from the foot up to the first pixel of the arms; a square foot, as marshalled
// arms have, keeps its field.
TEST(AchievementLayout, ShieldStretchedIntoItsRectangleAndCornersCleaned) {
    constexpr Rgb kBackdrop{1, 2, 3};
    Composed c;
    c.surface.Fill(kBackdrop);
    const Rgb quarters[] = {kRed, kYellow, kCyan, Rgb{0, 0, 255}};
    const int hw = kImageWidth / 2, hh = kPictureHeight / 2;
    c.shield.FillRect({0, 0, hw, hh}, quarters[0]);
    c.shield.FillRect({hw, 0, kImageWidth, hh}, quarters[1]);
    c.shield.FillRect({0, hh, hw, kPictureHeight}, quarters[2]);
    c.shield.FillRect({hw, hh, kImageWidth, kPictureHeight}, quarters[3]);
    // A dexter corner of the foot in the picture's teal, as beside a curved base.
    c.shield.FillRect({0, kPictureHeight - 40, 100, kPictureHeight}, kTeal);
    AchievementInputs in;
    in.shield = &c.shield;
    in.mantle = &c.mantle;
    c.result = ComposeAchievement(c.surface, in, nullptr, kDesign);
    const Rect r = c.result.shieldRect;
    const int qx = r.Width() / 4, qy = r.Height() / 4;
    EXPECT_EQ(c.surface.Pixel(r.left + qx, r.top + qy), quarters[0]);
    EXPECT_EQ(c.surface.Pixel(r.right - qx, r.top + qy), quarters[1]);
    EXPECT_EQ(c.surface.Pixel(r.left + qx, r.bottom - 60), quarters[2]);
    EXPECT_EQ(c.surface.Pixel(r.right - qx, r.bottom - 60), quarters[3]);
    // The teal corner is cleaned; the square foot beside it keeps its field to the last row.
    EXPECT_EQ(c.surface.Pixel(r.left + 2, r.bottom - 2), kBackdrop);
    EXPECT_EQ(c.surface.Pixel(r.left + 2, r.bottom - 20), kBackdrop);
    EXPECT_EQ(c.surface.Pixel(r.right - qx, r.bottom - 1), quarters[3]);
    EXPECT_EQ(c.surface.Pixel(r.left + r.Width() / 2 - 5, r.bottom - 1), quarters[2]);
}

// The Part's cases: Or and Gules in the yellow and lime parts, black kept black; grey lines for
// Sable; codes 11 and 20; transparent white.
TEST(AchievementMantle, KeyColoursTakeTheTincturesOfTheArms) {
    const struct {
        const char* name;
        int first, second;
        std::vector<std::pair<Rgb, Rgb>> keyToColour;
    } cases[] = {
        {"Or and Gules", kOr, kGules, {{kKeyFirst, kYellow}, {kKeySecond, kRed}, {kBlack, kBlack}, {kKeyRed, kBlack}}},
        {"Sable first", kSable, kArgent, {{kKeyFirst, kBlack}, {kKeySecond, kPalette[kArgent]}, {kBlack, kGrey}}},
        {"Sable second", kAzure, kSable, {{kKeyFirst, kPalette[kAzure]}, {kKeySecond, kBlack}, {kBlack, kGrey}}},
        {"the others", kVert, kPurpure,
         {{kKeyNavy, kPalette[kAzure]}, {kKeyDarkGreen, kPalette[kArgent]}, {kKeySilver, kPalette[kArgent]},
          {kKeyBlue, kCyan}, {Rgb{90, 60, 30}, kPalette[kArgent]}}},
        {"Pean named is plain", kPean, kOr, {{kKeyFirst, kCyan}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Composed a = Compose(c.first, c.second);
        const Rect m = a.result.mantleRect;
        for (const auto& [key, colour] : c.keyToColour) {
            const std::size_t band = static_cast<std::size_t>(std::find(std::begin(kBands), std::end(kBands), key) - std::begin(kBands));
            ASSERT_LT(band, std::size(kBands));
            for (int x : {0, 1, kMantleW / 2, kMantleW - 1}) {
                EXPECT_EQ(a.surface.Pixel(m.left + x, m.top + BandRow(band)), colour) << "column " << x;
                EXPECT_EQ(a.result.recolouredMantle.Pixel(x, BandRow(band)), colour) << "column " << x;
            }
        }
    }
    // White is teal in the recoloured mantle and leaves the window as it was; code 20 is not drawn
    // at all, so the recoloured mantle keeps its template colour there.
    Composed a;
    a.surface.FillRect({0, 0, kDesign.width, kDesign.height}, Rgb{1, 2, 3});
    AchievementInputs in;
    in.shield = &a.shield;
    in.mantle = &a.mantle;
    a.result = ComposeAchievement(a.surface, in, nullptr, kDesign);
    const Rect m = a.result.mantleRect;
    const int white = kBandTop - 2, code20 = BandRow(8);
    EXPECT_EQ(a.result.recolouredMantle.Pixel(40, white), kTeal);
    EXPECT_EQ(a.surface.Pixel(m.left + 40, m.top + white), (Rgb{1, 2, 3}));
    EXPECT_EQ(a.result.recolouredMantle.Pixel(40, code20), (Rgb{20, 0, 0}));
    EXPECT_EQ(a.surface.Pixel(m.left + 40, m.top + code20), (Rgb{1, 2, 3}));
}

// A fur goes through the row painter: Ermine second shows its spots on the lime band, black on
// white, the same pixels on the window and in the recoloured mantle; code 8 from a colour value
// is Ermine too.
TEST(AchievementMantle, ErmineSecondShowsTheErminePattern) {
    const Composed a = Compose(kGules, kErmine);
    const Rect m = a.result.mantleRect;
    for (std::size_t band : {std::size_t{7}, std::size_t{9}}) {
        SCOPED_TRACE(band);
        std::set<std::uint32_t> colours;
        for (int r = BandRow(band) - kBandHeight / 2; r < BandRow(band) + kBandHeight / 2; ++r)
            for (int x = 0; x < kMantleW; ++x) {
                const Rgb p = a.result.recolouredMantle.Pixel(x, r);
                ASSERT_EQ(a.surface.Pixel(m.left + x, m.top + r), p);
                colours.insert(Bitmap::Pack(p));
            }
        EXPECT_EQ(colours, (std::set<std::uint32_t>{Bitmap::Pack(kBlack), Bitmap::Pack(kWhite)}));
    }
}

// Letter-spaced up to 12 characters: twelve wide letters then take more room than thirteen.
// The name is written on the scroll's rows, near its middle; an empty name writes nothing.
TEST(AchievementScroll, TwelveCharactersAreLetterSpacedThirteenAreNot) {
    const TextPainter text;
    if (text.Family(Face::Blackletter).empty()) GTEST_SKIP() << "no font on this system";
    const Bitmap scroll(kScrollPictureWidth, kScrollPictureHeight, kWhite);
    const Composed plain = Compose(kOr, kGules, "", &text, &scroll);
    struct Ink {
        int left = 100000, right = -1, top = 100000, bottom = -1;
    };
    auto inkOf = [&](const std::string& name) {
        const Composed c = Compose(kOr, kGules, name, &text, &scroll);
        Ink ink;
        const Rect s = c.result.scrollRect;
        for (int y = s.top; y < s.bottom; ++y)
            for (int x = s.left; x < s.right; ++x)
                if (c.surface.Pixel(x, y) != plain.surface.Pixel(x, y)) {
                    ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
                    ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
                }
        return ink;
    };
    const Ink twelve = inkOf("MMMMMMMMMMMM"), thirteen = inkOf("MMMMMMMMMMMMM"), none = inkOf("");
    EXPECT_EQ(none.right, -1) << "an empty surname writes nothing";
    ASSERT_GT(twelve.right, 0);
    ASSERT_GT(thirteen.right, 0);
    EXPECT_GT(twelve.right - twelve.left, thirteen.right - thirteen.left);
    const int bottom = AchievementShieldRect(kDesign, kPictureHeight).bottom;
    for (const Ink& ink : {twelve, thirteen}) {
        EXPECT_GE(ink.top, bottom + kNameBelowShieldBottom - 2);
        EXPECT_LE(ink.bottom, bottom + kNameBelowShieldBottom + kNameMeasurePixels);
        const int centre = (ink.left + ink.right) / 2;
        EXPECT_NEAR(centre, kDesign.width / 2, 40);
    }
}

// The shipped mantle and scroll keep the rules the window relies on: the mantle only in key
// colours, clear of the shield's rectangle and of the rows above the backdrop; the scroll only
// on the rows the capture shows.
TEST(AchievementArt, ShippedPicturesKeepToTheirRules) {
    const auto mantle = ReadBmp(std::string(ESCAVAL_DATA_DIR "/mantle2.bmp"));
    const auto scroll = ReadBmp(std::string(ESCAVAL_DATA_DIR "/scroll3.bmp"));
    ASSERT_TRUE(mantle && scroll);
    EXPECT_EQ(mantle->Width(), kMantleW);
    EXPECT_EQ(mantle->Height(), kMantleH);
    const std::set<std::uint32_t> keys = {Bitmap::Pack(kWhite),      Bitmap::Pack(kBlack),      Bitmap::Pack(kKeyFirst),
                                          Bitmap::Pack(kKeySecond), Bitmap::Pack(kKeySilver)};
    const Rect shield = AchievementShieldRect(kDesign, kPictureHeight);
    const int x0 = (kDesign.width - kMantleW) / 2;
    int firstPixels = 0, secondPixels = 0, offKey = 0, onShield = 0;
    for (int y = 0; y < kMantleH; ++y)
        for (int x = 0; x < kMantleW; ++x) {
            const std::uint32_t p = Bitmap::Pack(mantle->Pixel(x, y));
            if (!keys.count(p)) ++offKey;
            firstPixels += p == Bitmap::Pack(kKeyFirst);
            secondPixels += p == Bitmap::Pack(kKeySecond);
            // The helm may rest on the shield's top edge; below that the shield is left clear.
            if (p != Bitmap::Pack(kWhite) && shield.Contains(x0 + x, kMantleTop + y) && kMantleTop + y > shield.top + 8) ++onShield;
            if (y < 3) {
                EXPECT_EQ(p, Bitmap::Pack(kWhite)) << x << "," << y;
            }
        }
    EXPECT_EQ(offKey, 0);
    EXPECT_EQ(onShield, 0);
    EXPECT_GT(firstPixels, 20000);
    EXPECT_GT(secondPixels, 5000);
    constexpr Rgb kLime{0, 255, 0};
    const int shown = kDesign.height - kCaptureBottomMargin - (shield.bottom - kScrollAboveShieldBottom);
    for (int y = shown; y < scroll->Height(); ++y)
        for (int x = 0; x < scroll->Width(); ++x) ASSERT_EQ(scroll->Pixel(x, y), kLime) << x << "," << y;
}

}  // namespace
}  // namespace esc::compose

namespace esc::app {
namespace {

namespace fs = std::filesystem;

// The widgets, reduced to the boxes and the state of the mantling button.
class AchievementView final : public HeadlessView {
public:
    std::vector<bool> mantlingStates;
    double ratio = 1.0;  // the display's device pixels to a pixel of the design

    void ShowMantlingState(bool shown) override { mantlingStates.push_back(shown); }
    double DevicePixelRatio() const override { return ratio; }
};

// The shipped data, read only; the user's folders of the test's own.
struct AchievementWindow {
    fs::path root = fs::temp_directory_path() / ("escaval-achievement-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    AppPaths paths{ESCAVAL_DATA_DIR, (root / "user").string(), (root / "cache").string()};
    AchievementView view;
    CollectingSink messages;
    NoText text;
    StoppedTimer timer;
    std::optional<WindowController> controller;

    AchievementWindow() {
        fs::remove_all(root);
        controller.emplace(paths, view, messages, text, timer, 1u);
        controller->Timer2Timer();  // the first-run picture, with the supporters beside it
    }
    ~AchievementWindow() {
        controller.reset();
        fs::remove_all(root);
    }
    void Draw(const std::string& surname, const std::string& blazon) {
        view.SetSurname(surname);
        view.SetBlazonText(blazon);
        controller->Memo1Enter();
        controller->DrawBtnClick();
    }
};

TEST(AchievementWindow, ShowHideShowGivesTheSameAchievementAndHideRestoresTheShield) {
    AchievementWindow w;
    w.Draw("Lancaster", "Gules a lion rampant or");
    WindowController& c = *w.controller;
    // A rearrangement made on Image1 before the achievement is shown comes back with the shield.
    c.Image1Canvas().FillRect({150, 150, 170, 170}, Rgb{1, 2, 3});
    const Bitmap normal = c.Picture().Composite();

    c.FileOpenBtnClick();
    ASSERT_TRUE(c.State().mantlingShown);
    const Bitmap first = c.Picture().Composite();
    ASSERT_NE(first, normal);
    const auto saved = ReadBmp(w.paths.CacheFile(compose::kAchievementFileName));
    ASSERT_TRUE(saved.has_value());
    const Rect capture{(kDesignWidth - 497) / 2, kPictureAreaTop, (kDesignWidth - 497) / 2 + 497, kDesignHeight - 48};
    // The window shows exactly the saved achievement where it was composed.
    EXPECT_EQ(first.Copy({capture.left, 0, capture.right, capture.Height()}), *saved);
    // The shield's field, Gules, a little inside the rectangle's top left corner.
    const Rect shield = compose::AchievementShieldRect({}, kPictureHeight);
    EXPECT_EQ(c.Picture().At(shield.left + 20, shield.top + 30), (Rgb{255, 0, 0}));

    c.FileOpenBtnClick();
    EXPECT_FALSE(c.State().mantlingShown);
    EXPECT_TRUE(c.Picture().Composite() == normal) << FirstDifference(c.Picture().Composite(), normal);
    c.FileOpenBtnClick();
    EXPECT_TRUE(c.Picture().Composite() == first) << FirstDifference(c.Picture().Composite(), first);
    EXPECT_EQ(w.view.mantlingStates, (std::vector<bool>{true, false, true}));

    // A drawing switches the achievement off as hiding does, and shows the new shield.
    w.Draw("Hill", "Argent a chevron sable");
    EXPECT_FALSE(c.State().mantlingShown);
    EXPECT_FALSE(c.Picture().Image2Shown());
    EXPECT_EQ(w.view.mantlingStates.back(), false);
    EXPECT_TRUE(w.messages.messages.empty()) << w.messages.messages.front();
}

// The two working files go to the per-user working folder, never beside the program, and the
// achievement composed without a window, as the command line composes it, is what the window
// saved.
TEST(AchievementWindow, WorkingFilesInTheUsersFolderAndTheSameComposedWithoutAWindow) {
    AchievementWindow w;
    const std::set<std::string> shipped = [&] {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(w.paths.dataDir)) names.insert(e.path().filename().string());
        return names;
    }();
    w.Draw("Montgomerie", "Azure a bend ermine");
    w.controller->FileOpenBtnClick();
    const auto mantle = ReadBmp(w.paths.CacheFile(compose::kMantleFileName));
    const auto saved = ReadBmp(w.paths.CacheFile(compose::kAchievementFileName));
    ASSERT_TRUE(mantle && saved);
    EXPECT_EQ(mantle->Width(), 497);
    EXPECT_EQ(mantle->Height(), 545);
    EXPECT_EQ(saved->Height(), kDesignHeight - 208);
    for (const char* name : {compose::kMantleFileName, compose::kAchievementFileName})
        EXPECT_EQ(shipped.count(name), 0u) << name << " beside the program";
    for (const auto& e : fs::directory_iterator(w.paths.dataDir)) EXPECT_EQ(shipped.count(e.path().filename().string()), 1u);

    // Composed as `escaval achievement` composes it: a drawing of its own, no window.
    auto vocabulary = Vocabulary::Load(w.paths.DataFile("words1.db"), nullptr);
    const auto template_ = ReadBmp(w.paths.DataFile("mantle2.bmp"));
    const auto scroll = ReadBmp(w.paths.DataFile("scroll3.bmp"));
    ASSERT_TRUE(vocabulary && template_ && scroll);
    NullSink quiet;
    auto drawing = std::make_unique<DrawingState>(quiet);
    drawing->vocabulary = &*vocabulary;
    drawing->dataDir = w.paths.dataDir;
    DrawHost host;
    DrawBlazon(*drawing, "Azure a bend ermine", host);
    const Bitmap shield = compose::PictureAsShown(drawing->picture);
    compose::AchievementInputs in;
    in.shield = &shield;
    in.firstTincture = drawing->namedTinctures[0];
    in.secondTincture = drawing->namedTinctures[1];
    in.fieldColor1 = drawing->fieldColor1;
    in.fieldColor2 = drawing->fieldColor2;
    in.mantle = &*template_;
    in.scroll = &*scroll;
    in.surname = "Montgomerie";
    const compose::TextPainter text;
    Bitmap surface(kDesignWidth, kDesignHeight, kTeal);
    const compose::Achievement alone = compose::ComposeAchievement(surface, in, &text);
    EXPECT_TRUE(alone.capture == *saved) << FirstDifference(alone.capture, *saved);
}

// On a display scaled by 2 the shield is drawn twice as fine for the view, the same shield in the
// same places; it stands over Image1 only while Image1 shows what it was drawn with.
TEST(AchievementWindow, AtADisplayScaleOfTwoTheShieldIsDrawnTwiceAsFine) {
    AchievementWindow w;
    WindowController& c = *w.controller;
    w.Draw("Hill", "Or a bend gules");
    EXPECT_EQ(c.Picture().FineImage1(), nullptr);  // a display of ratio 1 has none

    w.view.ratio = 2.0;
    w.Draw("Hill", "Or a bend gules");
    const Bitmap* fine = c.Picture().FineImage1();
    ASSERT_NE(fine, nullptr);
    EXPECT_EQ(c.Picture().FineRatio(), 2.0);
    const Bitmap& design = c.Picture().Image1();
    ASSERT_EQ(fine->Width(), 2 * design.Width());
    ASSERT_EQ(fine->Height(), 2 * design.Height());
    // Where the design picture is one colour over a pixel and its neighbours, the fine one has it
    // at the pixel's centre.
    long long compared = 0, unlike = 0;
    for (int y = 1; y + 1 < design.Height(); ++y)
        for (int x = 1; x + 1 < design.Width(); ++x) {
            const Rgb colour = design.Pixel(x, y);
            bool flat = true;
            for (int dy = -1; dy <= 1 && flat; ++dy)
                for (int dx = -1; dx <= 1 && flat; ++dx) flat = design.Pixel(x + dx, y + dy) == colour;
            if (!flat) continue;
            ++compared;
            if (fine->Pixel(2 * x + 1, 2 * y + 1) != colour) ++unlike;
        }
    EXPECT_LT(static_cast<double>(unlike) / static_cast<double>(compared), 0.01);
    // Drawn, not doubled: the bend's upper edge begins on odd columns as often as on even ones.
    int odd = 0;
    for (int y = 300; y < 500; ++y) {
        int x = fine->Width() - 20;
        while (x > 0 && fine->Pixel(x, y) != Rgb{255, 0, 0}) --x;
        if (x % 2 == 1) ++odd;
    }
    EXPECT_GE(odd, 50);

    // A rearrangement on Image1 leaves the picture of the design size shown; so does the achievement.
    c.Image1Canvas().FillRect({150, 150, 170, 170}, Rgb{1, 2, 3});
    EXPECT_EQ(c.Picture().FineImage1(), nullptr);
    w.Draw("Hill", "Or a bend gules");
    ASSERT_NE(c.Picture().FineImage1(), nullptr);
    c.FileOpenBtnClick();
    EXPECT_EQ(c.Picture().FineImage1(), nullptr);
    c.FileOpenBtnClick();
    EXPECT_NE(c.Picture().FineImage1(), nullptr);
    // Marshalled arms are drawn as finely, and nothing more is said: the dexter half Or, the
    // dividing line twice as wide in the middle.
    w.Draw("Hill", "Or impaling: Gules a bend or");
    const Bitmap* marshalled = c.Picture().FineImage1();
    ASSERT_NE(marshalled, nullptr);
    EXPECT_EQ(marshalled->Pixel(2 * 60 + 1, 2 * 240 + 1), (Rgb{255, 255, 0}));
    const int middle = marshalled->Width() / 2;
    for (int x = middle - 2; x < middle + 2; ++x) EXPECT_EQ(marshalled->Pixel(x, 2 * 240), kBlack) << x;
    EXPECT_NE(marshalled->Pixel(middle - 3, 2 * 240), kBlack);
    EXPECT_TRUE(w.messages.messages.empty()) << w.messages.messages.front();
}

}  // namespace
}  // namespace esc::app
