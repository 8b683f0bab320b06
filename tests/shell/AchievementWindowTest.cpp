// The achievement on the real window: the mantling button and the menu entry switch between the
// shield and the achievement, and their captions, hints and glyphs follow.

#include "shell/compose/Achievement.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

class AchievementWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    void Type(const char* surname, const char* blazon) {
        W().NameBox()->setText(surname);
        W().Memo()->setPlainText(blazon);
        C().Memo1Enter();
    }
    QToolButton* MantlingButton() { return W().GlyphButton("FileOpenBtn"); }
    QAction* MantlingEntry() { return W().Action("Showmantling1"); }
    // Window points where the mantle template has its first-tincture key colour, in the rows
    // above the shield.
    std::vector<std::pair<int, int>> FirstTincturePoints() {
        std::vector<std::pair<int, int>> points;
        const auto mantle = ReadBmp(paths_.DataFile("mantle2.bmp"));
        if (!mantle) return points;
        const int x0 = (app::kDesignWidth - mantle->Width()) / 2;
        for (int y = 0; y < 150; y += 7)
            for (int x = 0; x < mantle->Width(); x += 5)
                if (mantle->Pixel(x, y) == compose::kKeyFirst) points.emplace_back(x0 + x, compose::kMantleTop + y);
        return points;
    }

private slots:
    void init() {
        SetUp();
        for (const char* name : {"mantle2.bmp", "scroll3.bmp", "man_btn.bmp", "shield2.bmp"})
            fs::create_symlink(std::string(ESCAVAL_DATA_DIR "/") + name, paths_.DataFile(name));
        OpenWindow();  // the scroll is read at start-up
    }
    void cleanup() { TearDown(); }

    void buttonAndMenuSwitchBetweenShieldAndAchievement() {
        QVERIFY(!MantlingButton()->isEnabled());
        QVERIFY(!MantlingEntry()->isEnabled());
        Type("Baker", "Gules a lion rampant or");
        Click("DrawBtn");
        QVERIFY(MantlingButton()->isEnabled());
        QVERIFY(MantlingEntry()->isEnabled());
        const Bitmap shield = C().Picture().Composite();
        const QIcon normalGlyph = MantlingButton()->icon();

        Click("FileOpenBtn");
        QVERIFY(C().State().mantlingShown);
        QCOMPARE(MantlingButton()->toolTip(), QString("Show shield"));
        QCOMPARE(MantlingEntry()->text(), QString("Show shield"));
        QVERIFY(MantlingButton()->icon().cacheKey() != normalGlyph.cacheKey());
        // The mantle is in the first tincture, Gules; the shield is reduced into its rectangle.
        const auto mantlePoints = FirstTincturePoints();
        QVERIFY(mantlePoints.size() > 50);
        for (const auto& [x, y] : mantlePoints) QCOMPARE(Show(At(x, y)), Show(kGules));
        const Rect r = compose::AchievementShieldRect({}, kPictureHeight);
        QCOMPARE(Show(At(r.left + 20, r.top + 30)), Show(kGules));
        QVERIFY(fs::exists(paths_.CacheFile(compose::kAchievementFileName)));
        QVERIFY(fs::exists(paths_.CacheFile(compose::kMantleFileName)));
        QVERIFY(!fs::exists(paths_.DataFile(compose::kAchievementFileName)));

        Trigger("Showmantling1");
        QVERIFY(!C().State().mantlingShown);
        QCOMPARE(MantlingButton()->toolTip(), QString("Show mantling"));
        QCOMPARE(MantlingEntry()->text(), QString("Show mantling"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kGules));
        // Only the supporters (not in the test data) may differ from the shield before.
        const Bitmap back = C().Picture().Composite();
        QCOMPARE(back.Copy({app::kImage1Rect.left, app::kImage1Rect.top - app::kPictureAreaTop, app::kImage1Rect.right,
                            app::kImage1Rect.bottom - app::kPictureAreaTop}) ==
                     shield.Copy({app::kImage1Rect.left, app::kImage1Rect.top - app::kPictureAreaTop,
                                  app::kImage1Rect.right, app::kImage1Rect.bottom - app::kPictureAreaTop}),
                 true);

        // Shown again, then a drawing: the achievement goes and the button offers it again.
        Click("FileOpenBtn");
        QVERIFY(C().State().mantlingShown);
        Type("Cole", "Or");
        Click("DrawBtn");
        QVERIFY(!C().State().mantlingShown);
        QCOMPARE(MantlingEntry()->text(), QString("Show mantling"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kOr));
    }
};

QObject* NewAchievementWindowTest() { return new AchievementWindowTest; }

}  // namespace esc::test

#include "AchievementWindowTest.moc"
