// Saving and printing on the real window: the save button opens "Save picture" on the shield,
// its layouts change the preview, OK writes the file; with the achievement shown only the scroll
// layout can be chosen; the print dialog writes a PDF page, and cancelling it puts the supporters
// back.

#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <fstream>

#include "shell/compose/Achievement.h"
#include "shell/qt/SaveDialog.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

using compose::SaveLayout;

class SaveWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    std::string pictures_;

    void Type(const char* surname, const char* blazon) {
        W().NameBox()->setText(surname);
        W().Memo()->setPlainText(blazon);
        C().Memo1Enter();
    }
    // The window's keys reach it while it is the active window, as after a dialog closes.
    void Activate() {
        QApplication::setActiveWindow(window_.get());
        QVERIFY(Eventually([&] { return W().isActiveWindow(); }));
        W().Memo()->setFocus();
    }
    static Rgb PixelOf(const QLabel* label, int x, int y) {
        const QImage image = label->pixmap().toImage();
        const QRgb p = image.pixel(x, y);
        return {uchar(qRed(p)), uchar(qGreen(p)), uchar(qBlue(p))};
    }

private slots:
    void init() {
        SetUp();
        for (const char* name : {"mantle2.bmp", "scroll3.bmp"})
            fs::create_symlink(std::string(ESCAVAL_DATA_DIR "/") + name, paths_.DataFile(name));
        // Their drawings, which the printed page draws them from at its resolution.
        fs::create_directory_symlink(std::string(ESCAVAL_DATA_DIR "/drawings"), paths_.DataFile("drawings"));
        // Saved pictures go to the user's pictures folder, here one of the test's own.
        pictures_ = dir_->path().toStdString() + "/Pictures";
        qputenv("XDG_PICTURES_DIR", QByteArray::fromStdString(pictures_));
        OpenWindow();
    }
    void cleanup() {
        TearDown();
        qunsetenv("XDG_PICTURES_DIR");
    }

    void saveButtonOpensTheDialogAndOkSaves() {
        Type("Lancaster", "Gules");
        Click("DrawBtn");
        bool shown = false;
        WhenModal<qt::SaveDialog>([&](qt::SaveDialog* d) {
            shown = true;
            QCOMPARE(d->windowTitle(), QString("Save picture"));
            QCOMPARE(d->FileNameLabel()->text(), QString("Lancas00.bmp"));
            QCOMPARE(d->FolderLabel()->text().toStdString(), pictures_);
            QVERIFY(d->RadioButton(SaveLayout::NoName)->isChecked());
            for (SaveLayout l : {SaveLayout::NoName, SaveLayout::NameAbove, SaveLayout::NameBelow,
                                 SaveLayout::NameBelowWithScroll})
                QVERIFY(d->RadioButton(l)->isEnabled());
            // The preview: the field in the middle of the stretched shield, white round it.
            QCOMPARE(Show(PixelOf(d->PreviewImage(), 120, 120)), Show(kGules));
            QCOMPARE(Show(PixelOf(d->PreviewImage(), 2, 2)), Show(kWhite));
            QTest::mouseClick(d->RadioButton(SaveLayout::NameBelowWithScroll), Qt::LeftButton);
            QVERIFY(d->RadioButton(SaveLayout::NameBelowWithScroll)->isChecked());
            d->FormatBox()->setCurrentIndex(1);
            QCOMPARE(d->FileNameLabel()->text(), QString("Lancas00.png"));
            QTest::mouseClick(d->OKBtn(), Qt::LeftButton);
        });
        messages_.messages.clear();
        Click("SaveButton");
        QVERIFY(shown);
        QVERIFY(messages_.messages.empty());
        const std::string saved = pictures_ + "/Lancas00.png";
        QVERIFY(fs::exists(saved));
        QVERIFY(fs::exists(paths_.CacheFile("screen.bmp")));

        // The menu entry opens it again on "No name" with the next number; Cancel writes nothing.
        shown = false;
        WhenModal<qt::SaveDialog>([&](qt::SaveDialog* d) {
            shown = true;
            QVERIFY(d->RadioButton(SaveLayout::NoName)->isChecked());
            QCOMPARE(d->FileNameLabel()->text(), QString("Lancas01.png"));
            d->reject();
        });
        Trigger("Save1");
        QVERIFY(shown);
        QCOMPARE(std::distance(fs::directory_iterator(pictures_), fs::directory_iterator()), 1L);
    }

    // Ctrl+S opens the save dialog and Ctrl+P the print dialog, from the blazon box as from
    // anywhere, and the menu shows both keys. In the dialog Return saves, wherever the focus
    // is, and Escape cancels.
    void theKeysSaveAndPrintAndReturnSaves() {
        QCOMPARE(W().Action("Save1")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(W().Action("Print1")->shortcut(), QKeySequence(QKeySequence::Print));
        Type("Cole", "Or");
        Click("DrawBtn");
        Activate();
        int saves = 0;
        WhenModal<qt::SaveDialog>([&](qt::SaveDialog* d) {
            ++saves;
            d->FolderBtn()->setFocus();
            QTest::keyClick(d->FolderBtn(), Qt::Key_Return);
        });
        QTest::keyClick(W().Memo(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saves, 1);
        QVERIFY(fs::exists(pictures_ + "/Cole00.bmp"));
        QVERIFY(!QApplication::activeModalWidget());

        WhenModal<qt::SaveDialog>([&](qt::SaveDialog* d) {
            ++saves;
            QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Escape);
        });
        Activate();
        QTest::keyClick(W().Memo(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saves, 2);
        QVERIFY(!fs::exists(pictures_ + "/Cole01.bmp"));

        bool printing = false;
        WhenModal<QPrintDialog>([&](QPrintDialog* d) {
            printing = true;
            d->reject();
        });
        Activate();
        QTest::keyClick(W().Memo(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(printing);
    }

    void withTheAchievementOnlyTheScrollLayoutIsSelectable() {
        Type("Baker", "Gules a lion rampant or");
        Click("DrawBtn");
        Click("FileOpenBtn");
        QVERIFY(C().State().mantlingShown);
        bool shown = false;
        WhenModal<qt::SaveDialog>([&](qt::SaveDialog* d) {
            shown = true;
            QVERIFY(d->RadioButton(SaveLayout::NameBelowWithScroll)->isChecked());
            QVERIFY(d->RadioButton(SaveLayout::NameBelowWithScroll)->isEnabled());
            QVERIFY(!d->RadioButton(SaveLayout::NoName)->isEnabled());
            QVERIFY(!d->RadioButton(SaveLayout::NameAbove)->isEnabled());
            QVERIFY(!d->RadioButton(SaveLayout::NameBelow)->isEnabled());
            QTest::mouseClick(d->OKBtn(), Qt::LeftButton);
        });
        messages_.messages.clear();
        Click("SaveButton");
        QVERIFY(shown);
        QVERIFY(messages_.messages.empty());
        const auto saved = ReadBmp(pictures_ + "/Baker00.bmp");
        QVERIFY(saved.has_value());
        const auto capture = ReadBmp(paths_.CacheFile(compose::kAchievementFileName));
        QVERIFY(capture.has_value());
        // The achievement as it shows, one scroll: its own, with no second one below.
        QCOMPARE(saved->Width(), capture->Width() + 1);
        QCOMPARE(saved->Height(), capture->Height() + 1);
        QVERIFY(saved->Copy({0, 0, capture->Width(), capture->Height()}) == *capture);
    }

    void printingToAPdfFileThroughTheDialog() {
        Type("Cole", "Or");
        Click("DrawBtn");
        const std::string pdf = dir_->path().toStdString() + "/page.pdf";
        bool shown = false;
        WhenModal<QPrintDialog>([&](QPrintDialog* d) {
            shown = true;
            // Printing to a file: the dialog's own output choice, as a user makes it.
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(QString::fromStdString(pdf));
            auto* name = d->findChild<QLineEdit*>("filename");
            if (name) name->setText(QString::fromStdString(pdf));
            d->accept();
        });
        messages_.messages.clear();
        Click("PrintBtn");
        QVERIFY(shown);
        QVERIFY2(messages_.messages.empty(), messages_.messages.empty() ? "" : messages_.messages[0].c_str());
        QVERIFY(fs::exists(pdf));
        // Read back at 30 dpi: the middle of the shield (70% of the width from 10% of the height)
        // is Or, the margin white.
        const std::string back = dir_->path().toStdString() + "/back";
        QCOMPARE(std::system(("pdftoppm -r 30 '" + pdf + "' '" + back + "'").c_str()), 0);
        std::ifstream in(back + "-1.ppm", std::ios::binary);
        std::string magic;
        int w = 0, h = 0, maxValue = 0;
        in >> magic >> w >> h >> maxValue;
        in.get();
        std::string pixels((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QVERIFY(w > 200 && h > 300);
        auto at = [&](int x, int y) {
            const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
            return Rgb{uchar(pixels[i]), uchar(pixels[i + 1]), uchar(pixels[i + 2])};
        };
        const Rgb middle = at(w / 2, h * 10 / 100 + h * 66 / 100 / 3);
        QVERIFY2(std::abs(middle.r - kOr.r) < 8 && std::abs(middle.g - kOr.g) < 8 && std::abs(middle.b - kOr.b) < 8,
                 Show(middle).toUtf8());
        QCOMPARE(Show(at(3, 3)), Show(kWhite));
    }

    void aFailureWhilePrintingIsToldAndNothingIsPrinted() {
        Type("Baker", "Gules a lion rampant or");
        Click("DrawBtn");
        Click("FileOpenBtn");
        QVERIFY(C().State().mantlingShown);
        // The mantle's template is gone since it was shown: the page cannot be composed.
        QVERIFY(fs::remove(paths_.DataFile("mantle2.bmp")));
        const std::string pdf = dir_->path().toStdString() + "/failed.pdf";
        bool shown = false;
        WhenModal<QPrintDialog>([&](QPrintDialog* d) {
            shown = true;
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(QString::fromStdString(pdf));
            d->accept();
        });
        messages_.messages.clear();
        Click("PrintBtn");
        QVERIFY(shown);
        QCOMPARE(messages_.messages.size(), std::size_t{1});
        QVERIFY2(messages_.messages[0].rfind("Nothing was printed", 0) == 0, messages_.messages[0].c_str());
        QVERIFY(!fs::exists(pdf));
    }

    void cancellingThePrintDialogRedrawsTheSupporters() {
        Type("Abel", "Azure");
        Click("DrawBtn");
        const int x = app::kLeftSupporterX + app::kSupporterWidth / 2, y = app::kSupporterY + app::kSupporterHeight / 2;
        // No supporter pictures yet: the drawing left the window teal there.
        QCOMPARE(Show(At(x, y)), Show(kTeal));
        WriteBmp("lionl1.bmp", Bitmap(app::kSupporterWidth, app::kSupporterHeight, kBlue));
        WriteBmp("lionr1.bmp", Bitmap(app::kSupporterWidth, app::kSupporterHeight, kBlue));
        bool shown = false;
        WhenModal<QPrintDialog>([&](QPrintDialog* d) {
            shown = true;
            d->reject();
        });
        Click("PrintBtn");
        QVERIFY(shown);
        QCOMPARE(Show(At(x, y)), Show(kBlue));

        // With the achievement shown there are no supporters: a cancelled print leaves the
        // window's surface as the achievement left it.
        Type("Baker", "Gules a lion rampant or");
        Click("DrawBtn");
        Click("FileOpenBtn");
        QVERIFY(C().State().mantlingShown);
        const Bitmap before = C().Picture().Surface();
        QVERIFY(before.Pixel(x, y) != kBlue);
        shown = false;
        WhenModal<QPrintDialog>([&](QPrintDialog* d) {
            shown = true;
            d->reject();
        });
        Click("PrintBtn");
        QVERIFY(shown);
        QVERIFY(C().Picture().Surface() == before);
    }
};

QObject* NewSaveWindowTest() { return new SaveWindowTest; }

}  // namespace esc::test

#include "SaveWindowTest.moc"
