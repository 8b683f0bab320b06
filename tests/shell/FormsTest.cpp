// The import and the secondary forms, answered as a user answers them.

#include "tests/shell/WindowFixture.h"

namespace esc::test {

class FormsTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void importAddsTheFileAsUserEntries() {
        const QString file = dir_->path() + "/uescaval.txt";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("Fisher Argent a fess gules\r\nGrant Gules three antique crowns or\nHardy Vert");
        out.close();
        // Cancel at the confirmation changes nothing.
        WhenModal<esc::qt::ImportDialog>([](esc::qt::ImportDialog* d) { d->reject(); });
        Trigger("Userfile1");
        QCOMPARE(Db().Main().RecordCount(), 5);

        WhenModal<esc::qt::ImportDialog>([file](esc::qt::ImportDialog* d) {
            WhenModal<QFileDialog>([file](QFileDialog* f) {
                QCOMPARE(f->windowTitle(), QString("Import User Blazon file"));
                ChooseFileIn(f, file);
            });
            d->accept();
        });
        Trigger("Userfile1");
        QCOMPARE(Db().Main().RecordCount(), 8);
        QCOMPARE(messages_.messages.back(), "Imported 3 entries from '" + file.toStdString() + "'.");
        QVERIFY(fs::exists(paths_.CacheFile("screen.bmp")));
        Trigger("Useradded2");
        QCOMPARE(Db().Main().RecordCount(), 3);
    }

    void importOfAMissingFileSaysSo() {
        // A file gone between the choice and the reading: the name is typed into the dialog's
        // file name box and the dialog closed past its own check that the file exists. (Removing
        // a chosen file under the open dialog let its folder watcher change the choice.)
        const QString missing = dir_->path() + "/gone.txt";
        WhenModal<esc::qt::ImportDialog>([missing](esc::qt::ImportDialog* d) {
            WhenModal<QFileDialog>([missing](QFileDialog* f) {
                auto* name = f->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name);
                name->setText(missing);
                QCOMPARE(f->selectedFiles(), QStringList{missing});
                static_cast<QDialog*>(f)->done(QDialog::Accepted);
            });
            d->accept();
        });
        Trigger("Userfile1");
        // The fixed text first, then which file and why.
        QCOMPARE(messages_.messages.back().substr(0, 28), std::string("Unable to open chosen file!\n"));
        QVERIFY2(messages_.messages.back().find(missing.toStdString()) != std::string::npos, messages_.messages.back().c_str());
        QCOMPARE(Db().Main().RecordCount(), 5);
    }

    void theBrowserEditsAndTheWindowFollowsIt() {
        Click("TopBtn");
        WhenModal<esc::qt::DatabaseForm>([](esc::qt::DatabaseForm* form) {
            QCOMPARE(form->windowTitle(), QString("ESCAVAL! database"));
            QCOMPARE(form->Model()->rowCount(), 5);
            QCOMPARE(form->Model()->data(form->Model()->index(0, 0), Qt::DisplayRole).toString(), QString("Abel"));
            form->Navigate("Last");
            form->Navigate("Prior");
            QVERIFY(form->Model()->setData(form->Model()->index(3, 1), "Purpure", Qt::EditRole));
            form->Navigate("Insert");
            const int row = form->Model()->PendingRow();
            form->Model()->setData(form->Model()->index(row, 0), "Zouche", Qt::EditRole);
            form->Model()->setData(form->Model()->index(row, 1), "Gules ten bezants", Qt::EditRole);
            form->Navigate("Post");
            QCOMPARE(form->Model()->rowCount(), 6);
            form->Navigate("Prior");
            QTest::mouseClick(form->findChild<QPushButton*>("Exit"), Qt::LeftButton);
        });
        Trigger("Database1");
        QCOMPARE(Name(), QString("Ellis"));  // where the form was left
        QCOMPARE(Db().Main().RecordCount(), 6);
        Click("PrevBtn");
        QCOMPARE(Name(), QString("Dean"));
        QCOMPARE(W().Memo()->toPlainText(), QString("Purpure"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(esc::kPalette[esc::kPurpure]));
        Trigger("Useradded2");
        QCOMPARE(Name(), QString("Zouche"));
    }

    void theTimerDialogSetsTheIntervalAndCancelKeepsIt() {
        WhenModal<esc::qt::SetTimerForm>([](esc::qt::SetTimerForm* form) {
            QCOMPARE(form->SpinEdit1()->value(), 4);
            QCOMPARE(form->SpinEdit1()->minimum(), 1);
            QCOMPARE(form->SpinEdit1()->maximum(), 10);
            form->SpinEdit1()->setValue(10);
            QTest::mouseClick(form->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        Trigger("SetAutotimer1");
        QCOMPARE(C().Auto().Seconds(), 10);
        WhenModal<esc::qt::SetTimerForm>([](esc::qt::SetTimerForm* form) {
            QCOMPARE(form->SpinEdit1()->value(), 10);
            form->SpinEdit1()->setValue(2);
            QTest::mouseClick(form->findChild<QPushButton*>("Cancel"), Qt::LeftButton);
        });
        Trigger("SetAutotimer1");
        QCOMPARE(C().Auto().Seconds(), 10);
        Click("AutoBtn");
        QCOMPARE(W().Timer1().interval(), 10000);
    }

    void readmeAboutAndHelpOpen() {
        Trigger("reader");
        QCOMPARE(messages_.messages.back(), std::string("Cannot open the file 'readme.rtf'."));
        QFile rtf(QString::fromStdString(paths_.DataFile("readme.rtf")));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1 {\\b Bold} and {\\i italic}\\par}");
        rtf.close();
        QString shown;
        WhenModal<esc::qt::ReadmeForm>([&shown](esc::qt::ReadmeForm* form) {
            shown = form->Text()->toPlainText();
            QVERIFY(form->Text()->toHtml().contains("font-weight:700"));
            form->accept();
        });
        Trigger("reader");
        QCOMPARE(shown, QString("Bold and italic"));
        WhenModal<esc::qt::AboutBox>([](esc::qt::AboutBox* box) {
            QCOMPARE(box->windowTitle(), QString("About ESCAVAL! 95"));
            box->accept();
        });
        Trigger("About1");
        Trigger("Contents1");
        QCOMPARE(messages_.messages.back(), std::string("Cannot open the help file 'help.html'."));
        QVERIFY(C().State().helpShown);
    }


    void theViewerShowsAChosenPicture() {
        const std::string picture = dir_->path().toStdString() + "/arms.bmp";
        QVERIFY(esc::WriteBmp(esc::Bitmap(120, 90, kGules), picture));
        QSize size;
        QString caption;
        WhenModal<QFileDialog>([picture](QFileDialog* f) {
            QCOMPARE(f->windowTitle(), QString("Open a file"));
            ChooseFileIn(f, QString::fromStdString(picture));
        });
        WhenModal<esc::qt::ViewForm>([&](esc::qt::ViewForm* viewer) {
            size = viewer->size();
            caption = viewer->windowTitle();
            viewer->close();
        });
        Trigger("Open1");
        QCOMPARE(size, QSize(120, 90));
        QCOMPARE(caption, QString("arms.bmp"));
        // A file that is not a picture is reported, and nothing is shown.
        const QString junk = dir_->path() + "/junk.bmp";
        QFile out(junk);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("not a bitmap");
        out.close();
        WhenModal<QFileDialog>([junk](QFileDialog* f) {
            ChooseFileIn(f, junk);
        });
        Trigger("Open1");
        QCOMPARE(messages_.messages.back(), "Cannot read the picture '" + junk.toStdString() + "'.");
    }

    void aDatabaseThatCannotBeWrittenKeepsWhatTheUserTyped() {
        // The user's folder cannot be made: the shipped entries are shown, read-only.
        window_.reset();
        fs::remove_all(paths_.userDataDir);
        QFile block(QString::fromStdString(paths_.userDataDir));
        QVERIFY(block.open(QIODevice::WriteOnly));
        block.close();
        paths_.userDataDir += "/escaval";
        messages_.messages.clear();
        OpenWindow();
        Eventually([&] { return messages_.messages.size() == size_t(2); });
        QCOMPARE(messages_.messages.size(), size_t(2));
        QCOMPARE(Db().Main().RecordCount(), 5);
        Click("NewBtn");
        QTest::keyClicks(W().NameBox(), "Smith");
        QTest::keyClicks(W().Memo(), "Argent a fess sable");
        AnswerQuestion(QMessageBox::Yes);
        Click("AddBtn");
        QCOMPARE(messages_.messages.back(), std::string("The blazon database is read-only: the entry cannot be added."));
        QCOMPARE(Name(), QString("Smith"));
        QCOMPARE(W().Memo()->toPlainText(), QString("Argent a fess sable"));
        Click("DrawBtn");
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(esc::kPalette[esc::kArgent]));
    }
};

QObject* NewFormsTest() { return new FormsTest; }

}  // namespace esc::test

#include "FormsTest.moc"
