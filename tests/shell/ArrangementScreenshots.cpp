// Takes the screenshots of the arrangement editor for the README: a charge selected with its
// handles, grown by the proportional handle while the band shows, another marked with the popup
// menu open, given the same size and dragged down, aligned again, and the result without marks.
// Built on request (not by a plain build), run under a display of the design's size:
//
//   cmake --build build --target arrangement_screenshots
//   xvfb-run -a -s "-screen 0 1036x768x24" build/tests/arrangement_screenshots docs/screenshots
//
// The mouse events are sent to the widgets as the window system would send them; the pictures
// are of the whole screen, so that the popup menu shows too. It works in a temporary user
// folder, so the user's own database is not touched.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "shell/qt/ArrangementView.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/PictureWidget.h"

namespace {

class PrintingSink final : public esc::MessageSink {
public:
    void Show(std::string_view text) override { std::fprintf(stderr, "message: %.*s\n", int(text.size()), text.data()); }
};

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Shoot(const QString& path) {
    Settle(300);
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else std::printf("%s\n", qPrintable(path));
}

// A mouse event on `w` at the picture point (x, y).
void Send(esc::qt::MainWindow& window, QWidget* w, QEvent::Type type, Qt::MouseButton button, int x, int y) {
    const QPointF local = w->mapFrom(window.Picture(), window.Arrangement()->WidgetPoint(x, y));
    const QPointF global = w->mapToGlobal(local);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, w->window()->mapFromGlobal(global), global, type == QEvent::MouseMove ? Qt::NoButton : button,
                      held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: arrangement_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QString out = argv[1];
    QDir().mkpath(out);
    const QString home = QDir::tempPath() + "/escaval-arrangement-screenshots";
    QDir(home).removeRecursively();

    esc::qt::WindowOptions options;
    options.paths.dataDir = ESCAVAL_DATA_DIR;
    options.paths.userDataDir = (home + "/data").toStdString();
    options.paths.cacheDir = (home + "/cache").toStdString();
    options.seed = 7;
    options.firstRunPicture = false;
    PrintingSink sink;
    options.messages = &sink;
    esc::qt::MainWindow window(options);
    window.showMaximized();
    Settle(800);

    window.NameBox()->setText("Hill");
    window.Memo()->setPlainText("Argent a chevron between three escallops gules");
    window.Controller().Memo1Enter();
    window.Controller().DrawBtnClick();
    esc::app::ArrangementEditor& editor = window.Controller().Arrangement();
    QWidget* picture = window.Picture();
    auto centre = [&](int i) { return std::pair{editor.Picture(i).cx, editor.Picture(i).cy}; };

    // 1: the first escallop selected: frame, squares and the three handles.
    auto [x0, y0] = centre(0);
    Send(window, picture, QEvent::MouseButtonPress, Qt::LeftButton, x0, y0);
    Send(window, picture, QEvent::MouseButtonRelease, Qt::LeftButton, x0, y0);
    Shoot(out + "/arrange-1.png");

    // 2: the proportional handle dragged up and right: the band shows the new size, the ghost
    // frame the old one.
    QWidget* proportional = window.Arrangement()->HandleWidget(esc::app::Handle::Proportional);
    const esc::Rect r = editor.SelectionRect();
    Send(window, proportional, QEvent::MouseButtonPress, Qt::LeftButton, r.right, r.top);
    Send(window, proportional, QEvent::MouseMove, Qt::LeftButton, r.right + 30, r.top);
    Shoot(out + "/arrange-2.png");
    Send(window, proportional, QEvent::MouseButtonRelease, Qt::LeftButton, r.right + 30, r.top);

    // 3: the second escallop marked with the right button, the popup menu open.
    auto [x1, y1] = centre(1);
    Send(window, picture, QEvent::MouseButtonPress, Qt::RightButton, x1, y1);
    Shoot(out + "/arrange-3.png");

    // 4: "Match size" gave the marked escallop the selected one's size about its centre; then
    // its Move handle drags it 40 pixels down.
    window.Arrangement()->PopupMenu()->hide();
    window.Arrangement()->PopupMenu()->findChild<QAction*>("Matchsize1")->trigger();
    auto [x1b, y1b] = centre(1);
    Send(window, picture, QEvent::MouseButtonPress, Qt::LeftButton, x1b, y1b);
    Send(window, picture, QEvent::MouseButtonRelease, Qt::LeftButton, x1b, y1b);
    QWidget* move = window.Arrangement()->HandleWidget(esc::app::Handle::Move);
    const esc::Rect second = editor.SelectionRect();
    const int middle = second.left + second.Width() / 2;
    Send(window, move, QEvent::MouseButtonPress, Qt::LeftButton, middle, second.top);
    Send(window, move, QEvent::MouseMove, Qt::LeftButton, middle, second.top + 40);
    Send(window, move, QEvent::MouseButtonRelease, Qt::LeftButton, middle, second.top + 40);
    Shoot(out + "/arrange-4.png");

    // 5: the first selected again, the second marked and aligned on its centre line.
    auto [x0b, y0b] = centre(0);
    Send(window, picture, QEvent::MouseButtonPress, Qt::LeftButton, x0b, y0b);
    Send(window, picture, QEvent::MouseButtonRelease, Qt::LeftButton, x0b, y0b);
    auto [x1c, y1c] = centre(1);
    Send(window, picture, QEvent::MouseButtonPress, Qt::RightButton, x1c, y1c);
    window.Arrangement()->PopupMenu()->hide();
    window.Arrangement()->PopupMenu()->findChild<QAction*>("Alignhorizontal1")->trigger();
    Shoot(out + "/arrange-5.png");

    // 6: Escape clears the selection: the arrangement as it is printed and saved.
    editor.ClearSelection();
    window.Arrangement()->Sync();
    Shoot(out + "/arrange-6.png");
    QDir(home).removeRecursively();
    return 0;
}
