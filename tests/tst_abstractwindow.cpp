// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract of estimate driven as a user drives it, from the worked example's estimate.
#include "fixture.h"

#include "abstract/abstractwindow.h"
#include "app/startup.h"

class tst_AbstractWindow : public WindowTest
{
    Q_OBJECT

    QWidget *w = nullptr; // the extractor
    QWidget *a = nullptr; // the abstract beside it
    QTemporaryDir dir;

    QStringList rows() { return tableRows(a); }
    void open(const QString &file)
    {
        ratebook::start({"ratebook", sample(file)});
        QVERIFY(w = ratebook::windows::extractor());
        QVERIFY(a = w->findChild<QWidget *>("AbstractOfEstimate"));
    }
    // Every table, the extractor's, the abstract's and the sheet's when shown, and every box.
    QStringList seen()
    {
        QStringList state;
        for (const QTreeView *table : w->findChildren<QTreeView *>("ListView1"))
            state << tableRows(table->window());
        for (const QLineEdit *box : w->findChildren<QLineEdit *>())
            state << box->text();
        return state;
    }
    void typeRate(int row, const QString &typed)
    {
        auto *table = child<QTreeWidget>(a, "ListView1");
        table->setCurrentItem(table->topLevelItem(row));
        onTable(a, "F2");
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+A, Backspace"));
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

private slots:
    void init() { open("estimate"); }

    void workedAbstract()
    {
        QCOMPARE(a->windowTitle(), "Abstract of Estimate");
        const QString source = child<QLabel>(a, "ratesFrom")->text();
        QVERIFY(source.startsWith("Rates from costs.ratebook, saved"));
        QCOMPARE(rows(), worked::abstract);
        QCOMPARE(child<QLabel>(a, "words")->text(), "In words: " + worked::words);
    }

    // A box that is no number: the extractor's message once, no figures till it is mended.
    void followsEveryKeystroke()
    {
        QLineEdit *box = child<QLineEdit>(w, "Text9");
        QTest::keyClicks(box, "x");
        QCOMPARE(answers.takeMessages().size(), 1);
        QCOMPARE(rows(), QStringList());
        QVERIFY(child<QLabel>(a, "words")->text().startsWith("No figures"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(rows(), worked::abstract);
    }

    void typedRate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rate"); // as item 4's row then shows it
        QTest::addColumn<QString>("said");
        QTest::newRow("rupees and paise, grouped") << "7,650.50" << "7,650.50 (by hand)" << "";
        QTest::newRow("not a number") << "76a" << "no rate"
            << "The rate typed for RCC (1:1.5:3), \"76a\", is not a number.";
        QTest::newRow("three decimals") << "1.005" << "no rate"
            << "The rate typed for RCC (1:1.5:3), \"1.005\", has more than two decimals.";
    }
    // Typed, the rate stands marked; refused, it stays; cleared, the analysed one is back.
    void typedRate()
    {
        QFETCH(QString, rate);
        QFETCH(QString, said);
        QFETCH(QString, typed);
        typeRate(3, typed);
        if (!said.isEmpty())
            QTRY_COMPARE(answers.messages, QStringList{"ratebook|" + said});
        // a refusal changes nothing to save
        QTRY_COMPARE(qobject_cast<AbstractWindow *>(a)->isModified(), said.isEmpty());
        answers.messages.clear();
        QTRY_COMPARE(rows()[3].section(" | ", 4, 4), rate);
        typeRate(3, "");
        QTRY_COMPARE(rows(), worked::abstract);
    }

    // Each add-on is taken on the total above it, in the order set.
    void addOnsInOrder()
    {
        auto *table = child<QTreeWidget>(a, "ListView1");
        table->setCurrentItem(table->topLevelItem(14));
        onTable(a, "Ctrl+Up");
        QCOMPARE(rows().mid(13, 4), (QStringList{
            " | GST @ 18 % on 86,307.91 |  |  |  |  | 15,535.42",
            " | Contingencies @ 5 % on 1,01,843.33 |  |  |  |  | 5,092.17",
            " | Grand total |  |  |  |  | 1,06,935.50",
            " | Say |  |  |  |  | 1,06,900.00"}));
        onTable(a, "Delete");
        answers.formAnswers = QStringList{"Water charges", "1"};
        onTable(a, "Insert");
        QCOMPARE(rows()[14], " | Water charges @ 1 % on 90,623.31 |  |  |  |  | 906.23");
    }

    void ratesFrom_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("what"); // the message; none: the abstract follows
        QTest::addColumn<QString>("row");  // item 1's then
        const QString kept = worked::abstract[1];
        const QByteArray cement = "\"cement1\": \"";
        QTest::newRow("costs the data sheet refuses") << edited("costs", "\"250\"", "\"2.5.0\"")
            << "Cement Per 50 Kg bag reads \"2.5.0\"" << kept;
        QTest::newRow("quantities")
            << bytes(sample("quantities")) << "holds quantities, not costs" << kept;
        QTest::newRow("dearer cement") << edited("costs", cement + "250", cement + "300") << ""
            << "1 | PCC (1:4:8) mix | 10.000 | Cum | 2,634.60 | 1 Cum | 26,346.00";
    }
    // Rates from… a file that gives no rates: its message, and the rates stay; or follow.
    void ratesFrom()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, what);
        answers.file = written(dir.filePath("costs"), content);
        onTable(a, "Ctrl+R");
        if (!what.isEmpty())
            answers.saidOnce(what, answers.file);
        QTEST(rows()[1], "row");
    }

    void estimateRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("row"); // of the abstract, where a rate is typed
        QTest::addColumn<QString>("from"); // the window saved from
        QTest::newRow("version 1 saved as version 1") << "estimate" << 3 << "AbstractOfEstimate";
        QTest::newRow("version 2 saved from its sheet")
            << "one-room-building" << 7 << "DetailsOfMeasurement";
    }
    // Saved, the sample but for the rate typed; opened afresh, every window as it was.
    void estimateRoundTrip()
    {
        QFETCH(QString, file);
        QFETCH(int, row);
        QFETCH(QString, from);
        closeEverything();
        open(file);
        typeRate(row, "7650.5");
        QTRY_VERIFY(rows()[row].contains("by hand"));
        const QStringList before = seen();
        answers.file = dir.filePath("saved.ratebook");
        onTable(child(w, from), "Ctrl+S");
        const auto unsaved = [](const QString &path) { // all but when it was saved
            return QString(bytes(path)).remove(QRegularExpression("\n    \"saved\": [^\n]*"));
        };
        QCOMPARE(unsaved(answers.file).replace("\"7650.50\"", "\"\""), unsaved(sample(file)));
        closeEverything();
        QVERIFY(w = openWindow("Form17"));
        onTable(w, "Ctrl+O");
        QCOMPARE(seen(), before);
    }
};

QTEST_MAIN(tst_AbstractWindow)
#include "tst_abstractwindow.moc"
