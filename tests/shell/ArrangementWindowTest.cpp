// The arrangement editor on the real window: clicks on the picture select and mark, the handle
// controls take the drags, the popup menu and the Edit menu run the actions, keys nudge and
// undo. Every position goes through the widgets' real origins on the screen, with the window
// moved away from the screen's corner; the suite runs a second time at QT_SCALE_FACTOR=2.

#include <QMenu>
#include <cmath>
#include <cstdlib>
#include <QMouseEvent>

#include "shell/qt/ArrangementView.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

class ArrangementWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    esc::qt::ArrangementView& V() { return *W().Arrangement(); }
    app::ArrangementEditor& E() { return C().Arrangement(); }
    const Bitmap& Image1() { return C().Picture().Image1(); }

    // Draws "Azure three mullets or" as typed in the blazon box.
    void DrawMullets() {
        W().Memo()->setFocus();
        W().Memo()->setPlainText("Azure three mullets or");
        Click("DrawBtn");
        QCOMPARE(E().PictureCount(), 3);
    }
    // A whole widget position inside picture pixel (x, y), as a pointer gives; where the widget
    // shows the picture smaller and the pixel falls between two of the widget's, the nearest.
    QPoint Pointer(int x, int y) {
        const QPointF from = V().WidgetPosition(x, y), to = V().WidgetPosition(x + 1, y + 1);
        QPoint p(static_cast<int>(std::ceil(from.x() - 1e-6)), static_cast<int>(std::ceil(from.y() - 1e-6)));
        if (p.x() >= to.x()) p.setX(static_cast<int>(std::floor(from.x())));
        if (p.y() >= to.y()) p.setY(static_cast<int>(std::floor(from.y())));
        return p;
    }
    void ClickPicture(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(W().Picture(), button, {}, Pointer(x, y));
    }
    void Select(int i) {
        ClickPicture(E().Picture(i).cx, E().Picture(i).cy);
        QCOMPARE(E().Selected(), i);
    }
    // A mouse event on `w` at the picture point (x, y), as the window system sends it while the
    // button pressed on `w` keeps the mouse.
    void Send(QWidget* w, QEvent::Type type, int x, int y) {
        const QPointF local = w->mapFrom(W().Picture(), QPointF(Pointer(x, y)));
        const QPointF global = w->mapToGlobal(local);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, w->window()->mapFromGlobal(global), global,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    // Drags a handle from its centre to the picture point (x, y).
    void DragHandle(app::Handle handle, int x, int y) {
        QWidget* h = V().HandleWidget(handle);
        QVERIFY(h->isVisible());
        const Rect r = E().Handles()[static_cast<std::size_t>(handle)].rect;
        Send(h, QEvent::MouseButtonPress, r.left + 4, r.top + 4);
        QCOMPARE(E().Drag(), app::DragState::Pressed);
        Send(h, QEvent::MouseMove, x, y);
        QCOMPARE(E().Drag(), app::DragState::Dragging);
        Send(h, QEvent::MouseButtonRelease, x, y);
        QCOMPARE(E().Drag(), app::DragState::Idle);
    }
    // Whether a and b agree to within the pixel a pointer may miss: none while the picture is
    // shown at its size, one where the window shows it smaller (not every pixel can be pointed at).
    bool Near(Rect a, Rect b) {
        const int slack = W().Picture()->width() == app::kDesignWidth ? 0 : 1;
        const bool near = std::abs(a.left - b.left) <= slack && std::abs(a.top - b.top) <= slack &&
                          std::abs(a.right - b.right) <= slack && std::abs(a.bottom - b.bottom) <= slack;
        if (!near)
            qWarning("(%d,%d,%d,%d) is not (%d,%d,%d,%d)", a.left, a.top, a.right, a.bottom, b.left, b.top, b.right, b.bottom);
        return near;
    }
    // The window's colour at picture point (x, y).
    Rgb Shown(int x, int y) { return At(app::kImage1Rect.left + x, app::kImage1Rect.top + y); }

private slots:
    void init() {
        SetUp();
        W().move(123, 77);  // anywhere but the screen's corner
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        // The second run must really be at twice the scale.
        if (qgetenv("QT_SCALE_FACTOR") == "2") QCOMPARE(W().devicePixelRatioF(), 2.0);
        DrawMullets();
    }
    void cleanup() { TearDown(); }

    void clickSelectsAndShowsTheHandles() {
        ClickPicture(E().Picture(1).cx, E().Picture(1).cy);
        QCOMPARE(E().Selected(), 1);
        const std::array<app::HandleControl, 3> handles = E().Handles();
        const char* hints[] = {"Resize", "Move", "Proportional resize"};
        const Qt::CursorShape cursors[] = {Qt::SizeFDiagCursor, Qt::DragMoveCursor, Qt::SizeBDiagCursor};
        for (int k = 0; k < 3; ++k) {
            QWidget* h = V().HandleWidget(static_cast<app::Handle>(k));
            QVERIFY(h->isVisible());
            QCOMPARE(h->toolTip(), QString(hints[k]));
            QCOMPARE(h->cursor().shape(), cursors[k]);
            // The handle lies over its square, centred on the rectangle's corner or top middle.
            const Rect square = handles[k].rect;
            QVERIFY(h->geometry().contains(V().WidgetPoint(square.left + 4, square.top + 4).toPoint()));
            QVERIFY(!h->geometry().contains(V().WidgetPoint(square.left - 2, square.top + 4).toPoint()));
        }
        // A click on the field clears the selection and hides the handles.
        ClickPicture(40, 40);
        QCOMPARE(E().Selected(), -1);
        QVERIFY(!V().HandleWidget(app::Handle::Move)->isVisible());
    }

    void dragEachHandle() {
        Select(0);
        const int cx = E().Picture(0).cx, cy = E().Picture(0).cy;
        const Rect r = E().SelectionRect();
        // Move: the top centre follows the pointer, 150 down.
        DragHandle(app::Handle::Move, cx, r.top + 150);
        QVERIFY(std::abs(E().Picture(0).cy - (cy + 150)) <= 1);
        QCOMPARE(Shown(cx, cy + 150), kOr);
        QCOMPARE(Shown(cx, cy), kBlue);
        // Resize 10 left and 10 up of the corner: 20 wider and higher about the same centre.
        const Rect moved = E().SelectionRect();
        DragHandle(app::Handle::Resize, moved.left - 10, moved.top - 10);
        QVERIFY(Near(E().Picture(0).Rectangle(), Rect{moved.left - 10, moved.top - 10, moved.right + 10, moved.bottom + 10}));
        QVERIFY(std::abs(E().Picture(0).cx - cx) <= 1);
        // Proportional, 20 right of the corner at its height: each side 10 more.
        const Rect grown = E().SelectionRect();
        DragHandle(app::Handle::Proportional, grown.right + 20, grown.top);
        QVERIFY(Near(E().Picture(0).Rectangle(), Rect{grown.left - 10, grown.top - 10, grown.right + 10, grown.bottom + 10}));
        // The handles followed the picture.
        QVERIFY(V().HandleWidget(app::Handle::Resize)->geometry().contains(
            V().WidgetPoint(E().SelectionRect().left, E().SelectionRect().top).toPoint()));
    }

    void popupAlignsTheMarkedOnTheSelected() {
        Select(0);
        const int cy = E().Picture(0).cy;
        ClickPicture(E().Picture(2).cx, E().Picture(2).cy, Qt::RightButton);
        QMenu* popup = V().PopupMenu();
        QVERIFY(Eventually([&] { return popup->isVisible(); }));
        QCOMPARE(E().MarkedCount(), 1);
        for (const char* name : {"FlipHorizontal1", "Flipvertical1", "Matchsize1", "Alignhorizontal1", "Alignvertical1"}) {
            QAction* action = popup->findChild<QAction*>(name);
            QVERIFY2(action && action->isEnabled(), name);
        }
        popup->findChild<QAction*>("Alignhorizontal1")->trigger();
        popup->hide();
        QCOMPARE(E().Picture(2).cy, cy);
        QCOMPARE(Shown(E().Picture(2).cx, cy), kOr);
        QCOMPARE(E().Selected(), 0);

        // Without a selection the three are disabled.
        ClickPicture(40, 40);
        ClickPicture(E().Picture(1).cx, E().Picture(1).cy, Qt::RightButton);
        QVERIFY(Eventually([&] { return popup->isVisible(); }));
        QVERIFY(popup->findChild<QAction*>("FlipHorizontal1")->isEnabled());
        QVERIFY(!popup->findChild<QAction*>("Matchsize1")->isEnabled());
        popup->hide();
    }

    void undoRedoByMenuAndKeysAndNudges() {
        const Bitmap drawn = Image1();
        Select(0);
        const Bitmap selected = Image1();
        DragHandle(app::Handle::Move, E().Picture(0).cx, E().SelectionRect().top + 100);
        const Bitmap moved = Image1();
        QVERIFY(!(moved == selected));
        Trigger("UndoArrangement1");
        QVERIFY(Image1() == selected);
        Trigger("RedoArrangement1");
        QVERIFY(Image1() == moved);
        // The keys, with the picture holding the focus after the click.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(W().Picture()));
        QTest::keyClick(W().Picture(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Image1() == selected);
        QTest::keyClick(W().Picture(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Image1() == moved);
        QTest::keyClick(W().Picture(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Image1() == selected);
        QTest::keyClick(W().Picture(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(Image1() == moved);
        // Arrows: one pixel, ten with Shift.
        const Rect before = E().Picture(0).Rectangle();
        QTest::keyClick(W().Picture(), Qt::Key_Right);
        QTest::keyClick(W().Picture(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(E().Picture(0).Rectangle(), (Rect{before.left + 1, before.top - 10, before.right + 1, before.bottom - 10}));
        QTest::keyClick(W().Picture(), Qt::Key_Escape);
        QCOMPARE(E().Selected(), -1);
        // Back to the drawing, step by step.
        while (E().CanUndo()) Trigger("UndoArrangement1");
        E().ClearSelection();
        QVERIFY(Image1() == drawn);
    }
};

QObject* NewArrangementWindowTest() { return new ArrangementWindowTest; }

}  // namespace esc::test

#include "ArrangementWindowTest.moc"
