// The window's layout: the picture centred in a large window and scaled down in a low one, a
// minimum size that shows every control, a first size that fits a 768-pixel screen, and the
// dialogs opened in the middle of the window (the picture viewer beside the shield).

#include <QStatusBar>

#include "shell/qt/WindowLayout.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

class LayoutWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    // Image1's centre and rectangle in window coordinates, through the picture widget as shown.
    QRect ShieldInWindow() {
        esc::qt::PictureWidget* picture = W().Picture();
        const double scale = picture->width() / double(app::kDesignWidth);
        const QPoint origin = picture->mapTo(window_.get(), QPoint(0, 0));
        return QRect(origin.x() + int(app::kImage1Rect.left * scale),
                     origin.y() + int((app::kImage1Rect.top - app::kPictureAreaTop) * scale),
                     int(app::kImage1Rect.Width() * scale), int(app::kImage1Rect.Height() * scale));
    }
    void ResizeTo(int w, int h) {
        W().resize(w, h);
        const QSize expected(std::max(w, W().minimumWidth()), std::max(h, W().minimumHeight()));
        Eventually([&] { return W().size() == expected; });
        QCOMPARE(W().size(), expected);
        QApplication::processEvents();
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // On a large screen the design stands in the middle: the shield within a few pixels of the
    // window's centre line (the design's own shield is 5.5 pixels left of its centre), shown
    // at its drawn size, and halfway down the room below the panel.
    void aLargeWindowCentresTheDesign() {
        ResizeTo(1920, 1200);
        QCOMPARE(W().Picture()->size(), QSize(app::kDesignWidth, app::kDesignHeight - app::kPictureAreaTop));
        const QRect shield = ShieldInWindow();
        QVERIFY2(std::abs(shield.center().x() - W().width() / 2) <= 6, qPrintable(QString::number(shield.center().x())));
        const QWidget* canvas = W().centralWidget();
        const int roomTop = canvas->mapTo(window_.get(), QPoint(0, app::kPictureAreaTop)).y();
        const int roomBottom = canvas->mapTo(window_.get(), QPoint(0, canvas->height())).y();
        const int pictureTop = W().Picture()->mapTo(window_.get(), QPoint(0, 0)).y();
        QVERIFY(pictureTop > roomTop);
        QVERIFY(std::abs((pictureTop - roomTop) - (roomBottom - (pictureTop + W().Picture()->height()))) <= 1);
        // The controls keep the design's places, moved across with it.
        const int offset = (canvas->width() - app::kDesignWidth) / 2;
        QCOMPARE(W().Button("DrawBtn")->mapTo(canvas, QPoint(0, 0)).x(), offset + 303 + 2 + 64);
    }

    // Below the minimum the window stops shrinking; at the minimum every control lies inside it
    // and the picture is scaled down whole, its proportions kept, under the panel.
    void theMinimumSizeKeepsEveryControl() {
        ResizeTo(700, 400);
        QCOMPARE(W().size(), W().minimumSize());
        const QRect inside = W().rect();
        int checked = 0;
        for (QWidget* w : W().findChildren<QWidget*>()) {
            if (!w->isVisible() || w->isWindow() || w == W().centralWidget()) continue;
            const QRect r(w->mapTo(window_.get(), QPoint(0, 0)), w->size());
            if (r.isEmpty()) continue;
            QVERIFY2(inside.contains(r), qPrintable(w->objectName() + " " + w->metaObject()->className()));
            ++checked;
        }
        QVERIFY(checked > 30);  // the boxes, the buttons, the panels, the picture and the bars
        // Closed up, the panel's controls still stand apart.
        const char* row[] = {"GroupBox1", "Panel4", "SpeedBar", "AutoBtn", "GroupBox2", "Panel3"};
        for (std::size_t i = 0; i < std::size(row); ++i)
            for (std::size_t j = i + 1; j < std::size(row); ++j) {
                const char *a = row[i], *b = row[j];
                if ((i < 4) != (j < 4)) continue;  // two rows, whose frames meet by design: each row alone
                auto* wa = W().findChild<QWidget*>(a);
                auto* wb = W().findChild<QWidget*>(b);
                const QRect ra(wa->mapTo(window_.get(), QPoint(0, 0)), wa->size());
                const QRect rb(wb->mapTo(window_.get(), QPoint(0, 0)), wb->size());
                QVERIFY2(!ra.intersects(rb), qPrintable(QString("%1 and %2").arg(a, b)));
            }
        const QSize shown = W().Picture()->size();
        QVERIFY(shown.height() < app::kDesignHeight - app::kPictureAreaTop);
        QVERIFY(std::abs(shown.width() * 608.0 / shown.height() - app::kDesignWidth) < 3.0);
        QVERIFY(W().Picture()->y() >= app::kPictureAreaTop);
        QVERIFY(W().statusBar()->isVisible());
    }

    // The first size: the design on a large screen; on a 1036 by 768 screen a window that, with
    // the window manager's frame, is no taller than the screen.
    void theFirstSizeFitsTheScreen() {
        const int bars = W().menuBar()->sizeHint().height() + W().statusBar()->sizeHint().height();
        QCOMPARE(esc::qt::InitialCanvas(QSize(1920, 1200), bars), QSize(app::kDesignWidth, app::kDesignHeight));
        const QSize small = esc::qt::InitialCanvas(QSize(1036, 768), bars);
        QVERIFY(small.height() + bars + esc::qt::kFrameAllowance <= 768);
        QVERIFY(small.width() >= esc::qt::MinimumCanvas().width());
        QVERIFY(small.height() >= esc::qt::MinimumCanvas().height());
    }

    // A 1920 by 1200 screen at a scale of 2 leaves 960 by 600: the first size and the minimum
    // both fit it whole, frame and bars included.
    void theWindowFitsAScreenAtScaleTwo() {
        const int bars = W().menuBar()->sizeHint().height() + W().statusBar()->sizeHint().height();
        const QSize room(960, 600);
        for (const QSize canvas : {esc::qt::InitialCanvas(room, bars), esc::qt::MinimumCanvas()}) {
            QVERIFY2(canvas.width() <= room.width(), qPrintable(QString::number(canvas.width())));
            QVERIFY2(canvas.height() + bars + esc::qt::kFrameAllowance <= room.height(),
                     qPrintable(QString::number(canvas.height())));
        }
    }

    // The database browser and the help viewer open in the middle of the window wherever it
    // stands; the picture viewer beside the shield, halfway down.
    void dialogsOpenCentredOnTheWindow() {
        W().move(40, 30);
        Eventually([&] { return W().pos() == QPoint(40, 30); });
        QCOMPARE(W().pos(), QPoint(40, 30));
        const QPoint middle = W().frameGeometry().center();
        QPoint browser;
        WhenModal<esc::qt::DatabaseForm>([&browser](esc::qt::DatabaseForm* form) {
            browser = form->frameGeometry().center();
            form->reject();
        });
        W().BrowseDatabase(Db());
        QVERIFY2((browser - middle).manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(browser.x()).arg(browser.y())));

        const QString help = dir_->path() + "/help.html";
        QFile file(help);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body>Help</body></html>");
        file.close();
        W().ShowHelp(help.toStdString());
        QVERIFY(W().Help().isVisible());
        QVERIFY((W().Help().frameGeometry().center() - middle).manhattanLength() <= 2);
        W().Help().close();

        QRect viewer;
        WhenModal<esc::qt::ViewForm>([&viewer](esc::qt::ViewForm* form) {
            viewer = form->frameGeometry();
            form->reject();
        });
        W().ViewPicture(esc::Bitmap(200, 240, esc::kWhite), "view.bmp");
        QVERIFY(!viewer.isEmpty());
        const QRect shieldOnScreen(W().mapToGlobal(ShieldInWindow().topLeft()), ShieldInWindow().size());
        QVERIFY2(!viewer.intersects(shieldOnScreen), qPrintable(QString("%1,%2").arg(viewer.x()).arg(viewer.y())));
        QVERIFY(std::abs(viewer.center().y() - middle.y()) <= 2);
    }
};

QObject* NewLayoutWindowTest() { return new LayoutWindowTest; }

}  // namespace esc::test

#include "LayoutWindowTest.moc"
