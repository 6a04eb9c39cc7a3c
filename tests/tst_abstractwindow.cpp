// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The abstract of estimate opened from the extractor and driven as a user drives it.
#include "fixture.h"

class tst_AbstractWindow : public QObject
{
    Q_OBJECT

    QWidget *w = nullptr;
    Answers answers;
    QTemporaryDir dir;

    QWidget *abstract() { return w->findChild<QWidget *>("AbstractOfEstimate"); }
    QLineEdit *box(int item) { return child<QLineEdit>(w, QString("Text%1").arg(item)); }
    // The worked example's quantities typed, its add-ons added and Say chosen.
    QWidget *worked()
    {
        for (int item = 1; item <= 12; ++item) {
            if (worked::quantities[item - 1] == "0")
                continue;
            QTest::mouseClick(child(w, QString("Check%1").arg(item)), Qt::LeftButton);
            box(item)->setText(worked::quantities[item - 1]);
        }
        answers.file = sample("costs");
        onTable(w, "Ctrl+Shift+A");

        for (const QStringList &addOn : worked::addOns) {
            answers.formAnswers = addOn;
            onTable(abstract(), "Insert");
        }
        auto *say = child<QComboBox>(abstract(), "say");
        say->setCurrentIndex(say->findText("100 rupees"));
        return abstract();
    }
    QString words() { return child<QLabel>(abstract(), "words")->text(); }
    // The rate of the item on the table's `row` typed in its cell, as a user types it.
    void typeRate(int row, const QString &typed)
    {
        auto *table = child<QTreeWidget>(abstract(), "ListView1");
        table->setFocus();
        table->setCurrentItem(table->topLevelItem(row));
        QTest::keyClick(table, Qt::Key_F2);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+A, Backspace"));
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // what is typed is taken once the editor has gone
    }

private slots:
    void initTestCase() { ratebook::setUpApplication(); }
    void init() { QVERIFY(w = openWindow("Form17")); }
    void cleanup()
    {
        closeEverything();
        QCOMPARE(answers.takeMessages(), QStringList());
    }

    // Beside the extractor, priced at the costs chosen.
    void workedAbstract()
    {
        QWidget *a = worked();
        QVERIFY(a->isVisible());
        QCOMPARE(a->windowTitle(), "Abstract of Estimate");
        const QString source = child<QLabel>(a, "ratesFrom")->text();
        QVERIFY(source.startsWith("Rates from costs.ratebook, saved"));
        QCOMPARE(tableRows(a), worked::abstract);
        QCOMPARE(words(), "In words: " + worked::words);
        QCOMPARE(answers.fileRequests.back().caption, "Abstract of Estimate");
    }

    // A box that is not a number: the extractor's message once, no figures until mended.
    void followsEveryKeystroke()
    {
        QWidget *a = worked();
        QTest::keyClicks(box(9), "x");
        QCOMPARE(answers.takeMessages().size(), 1);
        QCOMPARE(tableRows(a), QStringList());
        QVERIFY(words().startsWith("No figures"));
        QTest::keyClick(box(9), Qt::Key_Backspace);
        QCOMPARE(tableRows(a), worked::abstract);
    }

    void refusedCosts_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("said");
        QTest::newRow("quantities")
            << QByteArray("\"costs\"") << QByteArray("\"quantities\"") << "holds quantities";
        QTest::newRow("a blank cost")
            << QByteArray("\"250\"") << QByteArray("\" \"") << "Fill All Text Boxes";
        QTest::newRow("a cost that is no number")
            << QByteArray("\"250\"") << QByteArray("\"2.5.0\"")
                                                  << "Cement Per 50 Kg bag reads \"2.5.0\"";
    }
    // The message the data sheet would give, naming the file; no abstract opens.
    void refusedCosts()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, said);
        QFile costs(sample("costs"));
        QFile bad(dir.filePath("bad.ratebook"));
        QVERIFY(costs.open(QIODevice::ReadOnly) && bad.open(QIODevice::WriteOnly));
        bad.write(costs.readAll().replace(from, to));
        bad.close();
        answers.file = bad.fileName();
        onTable(w, "Ctrl+Shift+A");
        const QStringList messages = answers.takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(bad.fileName()), qPrintable(messages[0]));
        QVERIFY2(messages[0].contains(said), qPrintable(messages[0]));
        QVERIFY(!abstract());
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
    // A rate typed by hand stands for the analysed one, marked; a rate refused leaves it;
    // clearing it brings the analysed rate back.
    void typedRate()
    {
        QFETCH(QString, typed);
        QFETCH(QString, rate);
        QFETCH(QString, said);
        worked();
        typeRate(3, typed);
        if (!said.isEmpty())
            QTRY_COMPARE(answers.messages, QStringList{"ratebook|" + said});
        answers.messages.clear();
        QTRY_COMPARE(tableRows(abstract())[3].section(" | ", 4, 4), rate);
        typeRate(3, "");
        QTRY_COMPARE(tableRows(abstract()), worked::abstract);
    }

    // Each add-on is taken on the total above it, in the order the user sets.
    void addOnsInOrder()
    {
        QWidget *a = worked();
        auto *table = child<QTreeWidget>(a, "ListView1");
        table->setCurrentItem(table->topLevelItem(14));
        onTable(a, "Ctrl+Up");
        QCOMPARE(tableRows(a).mid(13, 3), (QStringList{
            " | GST @ 18 % on 86,307.91 |  |  |  |  | 15,535.42",
            " | Contingencies @ 5 % on 1,01,843.33 |  |  |  |  | 5,092.17",
            " | Grand total |  |  |  |  | 1,06,935.50"}));
        onTable(a, "Delete");
        QCOMPARE(tableRows(a)[13], " | Contingencies @ 5 % on 86,307.91 |  |  |  |  | 4,315.40");
    }

    // Closing the abstract leaves the extractor; closing the extractor takes the abstract.
    void livesWithTheExtractor()
    {
        const QPointer<QWidget> a = worked();
        a->close();
        QTRY_VERIFY(!a);
        QVERIFY(w->isVisible());
        const QPointer<QWidget> again = worked();
        w->close();
        QTRY_VERIFY(!again);
        QCOMPARE(visibleWindows().value(0)->objectName(), "Form1");
    }

    // Rates from another costs file: every amount follows.
    void ratesFrom()
    {
        QWidget *a = worked();
        QFile costs(sample("costs"));
        QFile dearer(dir.filePath("dearer.ratebook"));
        QVERIFY(costs.open(QIODevice::ReadOnly) && dearer.open(QIODevice::WriteOnly));
        dearer.write(costs.readAll().replace("\"cement1\": \"250\"", "\"cement1\": \"300\""));
        dearer.close();
        answers.file = dearer.fileName();
        onTable(a, "Ctrl+R");
        QVERIFY(child<QLabel>(a, "ratesFrom")->text().startsWith("Rates from dearer.ratebook"));
        QCOMPARE(tableRows(a)[1],
                 "1 | PCC (1:4:8) mix | 10.000 | Cum | 2,634.60 | 1 Cum | 26,346.00");
    }

    // Saved and opened again in a fresh extractor: its boxes, and the abstract, as they were.
    void estimateRoundTrip()
    {
        worked();
        typeRate(3, "7650.5");
        QTRY_VERIFY(tableRows(abstract())[3].contains("by hand"));
        const QStringList rows = tableRows(abstract());
        answers.file = dir.filePath("estimate.ratebook");
        onTable(abstract(), "Ctrl+S");
        closeEverything();
        QVERIFY(w = openWindow("Form17"));
        onTable(w, "Ctrl+O");
        QVERIFY(abstract());
        QCOMPARE(tableRows(abstract()), rows);
        QCOMPARE(box(6)->text(), "12.3456");
        QCOMPARE(child<QComboBox>(abstract(), "say")->currentText(), "100 rupees");
    }
};

QTEST_MAIN(tst_AbstractWindow)
#include "tst_abstractwindow.moc"
