#include "shell/qt/RunWindow.h"

#include <QApplication>

#include "shell/app/AppPaths.h"
#include "shell/cli/DataPaths.h"
#include "shell/qt/MainWindow.h"

namespace esc::qt {

int RunWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("ESCAVAL! 95");
    WindowOptions options;
    options.paths = app::AppPaths::ForUser(FindDataDir({}, argc > 0 ? argv[0] : nullptr));
    MainWindow window(options);
    window.showMaximized();
    return QApplication::exec();
}

}  // namespace esc::qt
