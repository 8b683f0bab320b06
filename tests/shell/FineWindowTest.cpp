// On a display of device pixel ratio 2 the window shows the shield drawn twice as fine, one
// picture pixel to a device pixel (run with QT_SCALE_FACTOR=2; at ratio 1 there is nothing to see).

#include <QImage>
#include <QPixmap>

#include "shell/qt/PictureWidget.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

class FineWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void theShieldIsDrawnForTheDisplaysPixels() {
        const qreal ratio = W().Picture()->devicePixelRatioF();
        if (ratio < 2.0) QSKIP("the display's ratio is 1: run with QT_SCALE_FACTOR=2");
        if (W().Picture()->width() != app::kDesignWidth) QSKIP("the window is shown smaller than its design");
        W().Memo()->setFocus();
        W().Memo()->setPlainText("Or a bend gules");
        Click("DrawBtn");
        const Bitmap* fine = C().Picture().FineImage1();
        QVERIFY(fine != nullptr);
        QCOMPARE(fine->Width(), 2 * app::kImage1Rect.Width());
        const QImage shown = W().Picture()->grab().toImage();
        QCOMPARE(shown.width(), 2 * W().Picture()->width());
        // Image1's place in device pixels shows the fine picture pixel for pixel: the bend's
        // upper edge begins on odd device columns about as often as on even ones, which a picture
        // of the design size doubled never does.
        const int left = 2 * app::kImage1Rect.left, top = 2 * (app::kImage1Rect.top - app::kPictureAreaTop);
        int odd = 0, matching = 0, rows = 0;
        for (int y = 300; y < 500; ++y, ++rows) {
            int x = fine->Width() - 20;
            while (x > 0 && fine->Pixel(x, y) != Rgb{255, 0, 0}) --x;
            const QRgb p = shown.pixel(left + x, top + y), q = shown.pixel(left + x + 1, top + y);
            if (qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0 && qGreen(q) == 255) ++matching;
            if (x % 2 == 1) ++odd;
        }
        QVERIFY2(odd >= rows / 4, qPrintable(QString::number(odd)));
        QVERIFY2(matching >= rows * 9 / 10, qPrintable(QString::number(matching)));
    }
};

QObject* NewFineWindowTest() { return new FineWindowTest; }

}  // namespace esc::test

#include "FineWindowTest.moc"
