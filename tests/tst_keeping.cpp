// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing of an estimate lost: the question on each way of closing the extractor, with each
// answer, for each kind of change; none where nothing would be lost; the recovery copy, and
// a copy left behind offered back.
#include "fixture.h"

#include "app/startup.h"
#include "documents/recovery.h"

namespace {

const QString Asked = "ratebook|Save changes to the estimate?";

QStringList copies()
{
    return QDir(ratebook::documents::RecoveryCopy::folder()).entryList({"*.ratebook"}, QDir::Files);
}

} // namespace

class tst_Keeping : public WindowTest
{
    Q_OBJECT

    QTemporaryDir dir;
    QString estimate; // a copy of the one-room sample, which Save may write over
    QWidget *w = nullptr;
    QWidget *a = nullptr;

    void open(const QString &path)
    {
        ratebook::start({"ratebook", path});
        QVERIFY(w = ratebook::windows::extractor());
        QVERIFY(a = w->findChild<QWidget *>("AbstractOfEstimate"));
    }
    QStringList seen()
    {
        return tableRows(w) + tableRows(a) + tableRows(child(a, "DetailsOfMeasurement"));
    }
    void change(const QString &what)
    {
        auto *table = child<QTreeWidget>(a, "ListView1");
        if (what == "a quantity") {
            QTest::keyClicks(child(w, "Text9"), "5");
        } else if (what == "a measurement line") {
            onTable(child(a, "DetailsOfMeasurement"), "Insert");
        } else if (what == "an item of one's own") {
            answers.formAnswers = QStringList{"P1", "Painting", "Sqm", "10", "95", "Finishing"};
            onTable(a, "Ctrl+N");
        } else if (what == "a typed rate") {
            table->setCurrentItem(table->topLevelItem(4)); // item 1
            onTable(a, "F2");
            QTest::keyClicks(QApplication::focusWidget(), "2500");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (what == "an add-on") {
            answers.formAnswers = QStringList{"Water charges", "1"};
            onTable(a, "Insert");
        } else {
            QTest::keyClick(child(a, "say"), Qt::Key_Down);
        }
    }
    void close(const QString &way)
    {
        if (way == "Close") {
            press(w, "Command2", "&Close");
        } else if (way == "F3") {
            w->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), w);
            QTest::keyClick(w, Qt::Key_F3);
        } else {
            w->close();
        }
    }

private slots:
    void initTestCase()
    {
        ratebook::documents::RecoveryCopy::setPause(10);
        estimate = dir.filePath("estimate.ratebook");
    }
    void init()
    {
        QFile::remove(estimate);
        QVERIFY(QFile::copy(sample("one-room-building"), estimate));
    }

    void question_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("answer"); // Save, Discard, Cancel
        for (const char *change : {"a quantity", "a measurement line", "an item of one's own",
                                   "a typed rate", "an add-on", "Say"}) {
            for (const char *way : {"Close", "F3", "close box"}) {
                for (int answer : {0, 1, 2}) {
                    const char *said[] = {"Save", "Discard", "Cancel"};
                    QTest::addRow("%s, %s, %s", change, way, said[answer])
                        << change << way << answer;
                }
            }
        }
    }
    // Save writes the estimate to its file, whole, and closes; Discard closes, leaving the
    // file and no copy; Cancel leaves every window as it was.
    void question()
    {
        QFETCH(QString, change);
        QFETCH(int, answer);
        QFETCH(QString, way);
        open(estimate);
        const QByteArray before = bytes(estimate);
        this->change(change);
        QTRY_COMPARE(copies().size(), 1);
        const QStringList changed = seen();
        answers.answer = answer;
        close(way);
        QCOMPARE(answers.questions, QStringList{Asked});
        const bool closed = answer != 2;
        QTRY_COMPARE(ratebook::windows::loadedExtractor() == nullptr, closed);
        QCOMPARE(copies().size(), closed ? 0 : 1);
        QCOMPARE(bytes(estimate) == before, answer != 0);
        if (answer == 0) {
            closeEverything();
            open(estimate);
        }
        if (answer != 1)
            QCOMPARE(seen(), changed);
    }

    void noQuestion_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("keys"); // typed into the window's first box
        QTest::addColumn<bool>("saved");
        QTest::newRow("an estimate unchanged") << "estimate" << "" << false;
        QTest::newRow("an estimate saved since it changed") << "estimate" << "5" << true;
        QTest::newRow("the data sheet") << "datasheet1" << "250" << false;
        QTest::newRow("the extractor alone") << "Form17" << "5" << false;
    }
    void noQuestion()
    {
        QFETCH(QString, window);
        QFETCH(QString, keys);
        QFETCH(bool, saved);
        if (window == "estimate") {
            open(estimate);
        } else {
            QVERIFY(w = openWindow(window));
        }
        if (window == "Form17")
            QTest::mouseClick(child(w, "Check9"), Qt::LeftButton);
        QTest::keyClicks(w->findChild<QLineEdit *>(window == "datasheet1" ? "cement1" : "Text9"),
                         keys);
        if (window == "estimate") { // the extractor's Save… writes quantities: not over it
            answers.file.clear();
            onTable(w, "Ctrl+S");
            QVERIFY(answers.fileRequests.last().suggested != estimate);
        }
        answers.file = estimate;
        if (saved) { // from a part of the estimate: the whole is saved
            onTable(a, "Ctrl+L");
            onTable(child(a, "LabourStatement"), "Ctrl+S");
            QVERIFY(bytes(estimate).contains("\"measurements\""));
        }
        w->close();
        QTRY_VERIFY(QApplication::activeWindow()
                    && QApplication::activeWindow()->objectName() == "Form1");
        QCOMPARE(answers.questions, QStringList());
        QCOMPARE(copies(), QStringList());
    }

    // The folder the estimate was opened from has gone: Save says so, and nothing goes.
    void failedSaveKeepsAll()
    {
        QVERIFY(QDir(dir.path()).mkpath("site"));
        const QString path = dir.filePath("site/estimate.ratebook");
        QVERIFY(QFile::copy(estimate, path));
        open(path);
        change("a quantity");
        const QStringList changed = seen();
        QVERIFY(QDir(dir.filePath("site")).removeRecursively());
        answers.answer = 0;
        w->close();
        answers.saidOnce("could not be saved", path);
        QVERIFY(w->isVisible());
        QCOMPARE(seen(), changed);
    }

    // Saved before it was ever asked for, the face sheet is still asked for once.
    void faceSheetNotYetAsked()
    {
        open(sample("estimate"));
        change("an item of one's own");
        answers.file = dir.filePath("face.ratebook");
        onTable(a, "Ctrl+S");
        closeEverything();
        open(answers.file);
        answers.file = dir.filePath("face.pdf");
        onTable(a, "Ctrl+Shift+D");
        QCOMPARE(answers.forms.count("faceSheet"), 1);
    }

    void comingBack_data()
    {
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<int>("answer"); // Recover, Discard
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("said"); // instead of the question
        QTest::addColumn<int>("kept");     // copies left
        const QByteArray sound = bytes(sample("one-room-building"));
        QTest::newRow("recovered") << sound << 0 << true << "" << 1;
        QTest::newRow("declined") << sound << 1 << false << "" << 0;
        QTest::newRow("damaged") << QByteArray("{\"version\": 2, \"kind\": \"estimate\"") << 0
                                 << false << "cannot be opened" << 0;
        QTest::newRow("a newer program's, kept for it")
            << QByteArray("{\"version\": 99}") << 0 << false << "newer ratebook" << 1;
    }
    // A copy no program holds, as a program that did not close leaves it.
    void comingBack()
    {
        QFETCH(QByteArray, copy);
        QFETCH(int, answer);
        QFETCH(bool, taken);
        QVERIFY(QDir().mkpath(ratebook::documents::RecoveryCopy::folder()));
        const QString left = written(ratebook::documents::RecoveryCopy::folder() + "/left.ratebook",
                                     copy);
        answers.answer = answer;
        ratebook::start({"ratebook"});
        QWidget *extractor = ratebook::windows::loadedExtractor();
        QCOMPARE(extractor != nullptr, taken);
        QFETCH(QString, said);
        if (said.isEmpty()) {
            QCOMPARE(answers.questions.size(), 1);
            QVERIFY2(answers.questions[0].startsWith(
                         "ratebook|Recover the estimate you were working on?"
                         "\n\nOne-room store, 4.00 m x 3.00 m inside, last changed "),
                     qPrintable(answers.questions[0]));
        } else {
            answers.saidOnce(said, left);
        }
        QTEST(int(copies().size()), "kept");
        if (!taken)
            QFile::remove(left);
        if (taken) {
            a = extractor->findChild<QWidget *>("AbstractOfEstimate");
            QVERIFY(a->isVisible() && child(a, "DetailsOfMeasurement")->isVisible());
            answers.answer = 2;
            extractor->close();
            QCOMPARE(answers.questions.last(), Asked);
        }
    }
};

QTEST_MAIN(tst_Keeping)
#include "tst_keeping.moc"
