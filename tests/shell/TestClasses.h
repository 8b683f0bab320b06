#pragma once
// The QTest classes of the window's tests, made by their own files.

#include <QObject>
#include <vector>

namespace esc::test {

QObject* NewMainWindowTest();
QObject* NewFormsTest();
QObject* NewDatabaseFormTest();
QObject* NewMarshallingWindowTest();
QObject* NewAchievementWindowTest();
QObject* NewSaveWindowTest();
QObject* NewKeyboardWindowTest();
QObject* NewMessageBoxWindowTest();
QObject* NewStatusNoteWindowTest();
QObject* NewLayoutWindowTest();
QObject* NewArrangementWindowTest();
QObject* NewFirstUseWindowTest();
QObject* NewFineWindowTest();
QObject* NewPrintWindowTest();

inline std::vector<QObject*> TestClasses() {
    return {NewMainWindowTest(), NewFormsTest(), NewDatabaseFormTest(), NewMarshallingWindowTest(), NewAchievementWindowTest(),
            NewSaveWindowTest(), NewKeyboardWindowTest(), NewMessageBoxWindowTest(),
            NewStatusNoteWindowTest(), NewLayoutWindowTest(), NewArrangementWindowTest(), NewFirstUseWindowTest(),
            NewFineWindowTest(), NewPrintWindowTest()};
}

}  // namespace esc::test
