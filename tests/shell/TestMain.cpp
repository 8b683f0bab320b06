// Runs every QTest class of the window's tests in one application.

#include <QApplication>
#include <QTest>

#include "tests/shell/TestClasses.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // ESCAVAL_QTEST_CLASS names the one class to run, for a second run under other settings
    // (another scale factor).
    const QByteArray only = qgetenv("ESCAVAL_QTEST_CLASS");
    int failed = 0;
    for (QObject* test : esc::test::TestClasses()) {
        if (!only.isEmpty() && !QByteArray(test->metaObject()->className()).endsWith("::" + only)) {
            delete test;
            continue;
        }
        failed += QTest::qExec(test, argc, argv);
        delete test;
    }
    return failed == 0 ? 0 : 1;
}
