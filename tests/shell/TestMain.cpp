// Runs every QTest class of the window's tests in one application.

#include <QApplication>
#include <QTest>

#include "tests/shell/TestClasses.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failed = 0;
    for (QObject* test : esc::test::TestClasses()) {
        failed += QTest::qExec(test, argc, argv);
        delete test;
    }
    return failed == 0 ? 0 : 1;
}
